// The evaluator as a table of formulas and the values their cell stores, blank cells counted as zero
// or not, storing only what changed with the error message, worksheet functions from a test table,
// and evaluations that nest or are abandoned.
#include "FormulaFixture.h"

#include <string>

namespace {

// Describes the arguments of a call as the result text: "n<number>", "s<text>", "c<cell>",
// "g<range>", "b<item>" (by reference), "a" (not available), "e<code>", separated by ','.
void Describe(const GXFunctionCall& call, EvalValue* pResult)
{
    static std::string s_text;
    s_text.clear();
    char szNumber[40];
    for (int32_t i = 0; i < call.nArgs; i++) {
        const EvalValue& arg = call.pArgs[i];
        if (i > 0)
            s_text += ",";
        switch (arg.nKind) {
        case kEvalNumber:
            std::snprintf(szNumber, sizeof szNumber, "n%g", arg.u.dNumber);
            s_text += szNumber;
            break;
        case kEvalString: s_text += std::string("s") + arg.u.pszText; break;
        case kEvalCell: s_text += std::string("c") + EngineReferenceText(arg.u.ref); break;
        case kEvalRange: s_text += std::string("g") + EngineReferenceText(arg.u.ref); break;
        case kEvalByReference: s_text += "b" + std::to_string(arg.u.arg.nItem); break;
        case kEvalNotAvailable: s_text += "a"; break;
        case kEvalError: s_text += "e" + std::to_string(arg.u.error.nCode); break;
        }
    }
    pResult->nKind = kEvalString;
    pResult->u.pszText = const_cast<char*>(s_text.c_str());  // copied by the evaluator
}

void Fail(const GXFunctionCall&, EvalValue*)
{
    EngineRaiseError(55);
}

// Evaluates =1/0 for the calling cell in an evaluation of its own, and gives the error it got.
void Nested(const GXFunctionCall& call, EvalValue* pResult)
{
    CompiledFormula* pFormula = EngineParseFormula(call.h, "=1/0");
    EvalValue inner = EngineEvaluate(call.h, call.nRow, call.nCol, pFormula, pFormula->nValueRoot);
    EngineFreeFormula(pFormula);
    pResult->nKind = kEvalNumber;
    pResult->u.dNumber = inner.nKind == kEvalError ? inner.u.error.nCode : -1;
}

constexpr GXFunctionParam kHostValues[] = {{3, kParamRepeats}};
constexpr GXFunctionParam kNumbers[] = {{0, kParamRepeats}};
constexpr GXFunctionParam kXValue[] = {{0, 0}, {7, kParamByReference}};
constexpr GXFunctionDesc kFunctions[] = {
    {"DESCRIBE", Describe, 1, kHostValues},
    {"NUMS", Describe, 1, kNumbers},
    {"XVALUE", Describe, 2, kXValue},
    {"NA", nullptr, 0, nullptr},
    {"FAIL", Fail, 0, nullptr},
    {"NESTED", Nested, 0, nullptr},
};

// A2 holds 10, C2 the text "see", D1 an error, E1 an empty text; A1 is empty. Total names C2 and
// Sales B5..C6. Formulas are stored and computed at B2.
class Evaluator : public FormulaTest {
protected:
    void SetUp() override
    {
        FormulaTest::SetUp();
        EngineStoreNumber(m_h, 2, 0, 10);
        EngineStoreText(m_h, 2, 2, "see");
        EngineStoreFormula(m_h, 1, 3, "=1/0");
        EngineStoreText(m_h, 1, 4, "");
        EngineDefineName(m_h, "Total", Ref("C2"));
        EngineDefineName(m_h, "Sales", Ref("B5..C6"));
    }

    void Check(std::initializer_list<Case> cases)
    {
        CheckCases(cases, [this](const char* psz) { return Compute(2, 1, psz); });
    }
};

}  // namespace

TEST_F(Evaluator, Operators)
{
    Check({
        {"=1+2*3", "n:7"},
        {"=\"abc\"&\"def\"", "s:abcdef"},
        {"=6&3", "n:2"},
        {"=\"x\"&1", "e:140"},
        {"=\"a\"&A1:B2", "e:91"},
        {"=1/0", "e:70"},
        {"=2**10", "n:1024"},
        {"=(-8)**0.5", "e:70"},
        {"=10**400", "e:70"},
        {"=0**(-1)", "e:70"},
        {"=7%0", "e:122"},
        {"=-7%2", "n:-1"},
        {"=7%(-2)", "n:1"},
        {"=-2147483648%(-1)", "n:0"},
        {"=5%", "n:0.05"},
        {"=0&&1/0", "n:0"},
        {"=1||1/0", "n:1"},
        {"=2&&3", "n:1"},
        {"=!5", "n:0"},
        {"=1?2:1/0", "n:2"},
        {"=0?1/0:3", "n:3"},
        {"=4294967296|0", "e:136"},
        {"=4294967295|0", "n:-1"},
        {"=-2147483649|0", "e:136"},
        {"=1e308*10|0", "e:136"},
        {"=(1e308*10-1e308*10)|0", "e:136"},
        {"=1<<33", "n:2"},
        {"=1<<31", "n:-2147483648"},
        {"=-8>>1", "n:-4"},
        {"=~0", "n:-1"},
        {"=5^3", "n:6"},
        {"=\"a\"+1", "e:128"},
        {"=??", "e:89"},
        {"=??+1", "e:89"},
    });
}

TEST_F(Evaluator, Comparisons)
{
    Check({
        {"=\"abc  \"=\"abc\"", "n:1"},
        {"=\"abc\"<1", "n:1"},
        {"=1<\"abc\"", "n:0"},
        {"=\"a\"<\"ab\"", "n:1"},
        {"=\"B\"<\"a\"", "n:1"},  // bytes, case counts
        {"=C2==\"see\"", "n:1"},
        {"=2>=2", "n:1"},
        {"=2!=2", "n:0"},
        {"=A1:B2<1", "e:93"},
        {"=1==A1:B2", "e:94"},
    });
}

TEST_F(Evaluator, ReferencesAndResults)
{
    Check({
        {"=A2*2", "n:20"},
        {"=C2", "s:see"},
        {"=#{1,0}", "s:see"},
        {"=#{-1}", "n:10"},
        {"=#{-2,0}", "e:110"},
        {"=#{0,-2}", "e:110"},
        {"=A1:B2", "e:149"},
        {"=Total", "s:see"},
        {"=A2:Total", "e:149"},
        {"=A2:Sales", "e:141"},
        {"=D1", "e:133"},
        {"=D1+1", "e:133"},
        {"=E1&\"x\"", "s:x"},
    });

    const std::string a300(300, 'a');
    const std::string join511 = "=\"" + a300 + "\"&\"" + std::string(211, 'b') + "\"";
    EXPECT_EQ(Compute(2, 1, join511.c_str()), "s:" + a300 + std::string(211, 'b'));
    const std::string join512 = "=\"" + a300 + "\"&\"" + std::string(212, 'b') + "\"";
    EXPECT_EQ(Compute(2, 1, join512.c_str()), "e:150");
}

TEST_F(Evaluator, BlankCellsCountAsZeroOrNot)
{
    const struct {
        const char* pszText;
        const char* pszNotZero;
        const char* pszZero;
    } cases[] = {
        {"=A1+1", "e:128", "n:1"},
        {"=A1", "e:60", "n:0"},
        {"=E1+1", "e:128", "n:1"},
        {"=A1&\"x\"", "e:60", "e:140"},
        {"=A1=0", "e:60", "n:1"},
    };
    for (const auto& c : cases) {
        EngineSetOption(m_h, kOptionBlankAsZero, 0);
        EXPECT_EQ(Compute(2, 1, c.pszText), c.pszNotZero) << c.pszText;
        EngineSetOption(m_h, kOptionBlankAsZero, 1);
        EXPECT_EQ(Compute(2, 1, c.pszText), c.pszZero) << c.pszText;
    }
}

TEST_F(Evaluator, StoresOnlyWhatChangedAndReportsANewError)
{
    EngineCell* pCell = EngineStoreFormula(m_h, 3, 1, "=A2*2");
    ASSERT_TRUE(EngineComputeCell(m_h, pCell));
    EXPECT_NE(pCell->nFlags & kCellChanged, 0u);
    pCell->nFlags &= ~kCellChanged;
    EngineComputeCell(m_h, pCell);
    EXPECT_EQ(pCell->nFlags & kCellChanged, 0u) << "the same number";
    EngineStoreNumber(m_h, 2, 0, 11);
    EngineComputeCell(m_h, pCell);
    EXPECT_EQ(ValueOf(pCell), "n:22");
    EXPECT_NE(pCell->nFlags & kCellChanged, 0u);

    EngineArmMessage(m_h);
    EngineStoreText(m_h, 2, 0, "ten");
    pCell->nFlags &= ~kCellChanged;
    EngineComputeCell(m_h, pCell);
    EXPECT_EQ(ValueOf(pCell), "e:128");
    EXPECT_NE(pCell->nFlags & kCellChanged, 0u);
    EXPECT_STREQ(Sheet().szMessage, "Cell B3: ERROR:  non-numeric operand ");
    EXPECT_FALSE(Sheet().bMessageArmed);

    // the same error again is no change; a second error leaves the first message
    pCell->nFlags &= ~kCellChanged;
    EngineComputeCell(m_h, pCell);
    EXPECT_EQ(pCell->nFlags & kCellChanged, 0u);
    EXPECT_EQ(Compute(4, 27, "=1/0"), "e:70");
    EXPECT_STREQ(Sheet().szMessage, "Cell B3: ERROR:  non-numeric operand ");
    EngineArmMessage(m_h);
    EXPECT_EQ(Compute(4, 27, "=1%0"), "e:122");
    EXPECT_STREQ(Sheet().szMessage, "Cell AB4: ERROR:  modulo divide by zero ");

    EngineCell* pText = EngineStoreText(m_h, 5, 1, "no formula");
    EXPECT_FALSE(EngineComputeCell(m_h, pText));
    EXPECT_EQ(ValueOf(pText), "s:no formula");
}

TEST_F(Evaluator, WorksheetFunctions)
{
    EngineInstallFunctionTable(new ArrayFunctionTable(kFunctions));
    Check({
        {"=DESCRIBE(1,\"t\",A2,A1:B2,?\?)", "s:n1,st,cA2,gA1..B2,e89"},
        {"=NUMS(\"2.5\",A2,\" 7x\")", "s:n2.5,n10,n7"},
        {"=nums(A1:B2)", "e:128"},
        {"=NUMS(1/0)", "e:70"},
        {"=NUMS(A1)", "e:60"},
        {"=XVALUE(1,A2+1)", "s:n1,b4"},
        {"=NA()", "na"},
        {"=FAIL()", "e:55"},
        {"=NESTED()+1", "n:71"},
    });
    EXPECT_NE(RefusalOf([] { EngineRaiseError(55); }).find("error 55"), std::string::npos);
}

TEST_F(Evaluator, EvaluatesAnItemAsItIsAndAbandonsWorkWithoutALeak)
{
    CompiledFormula* pFormula = EngineParseFormula(m_h, "=A2;\"abc\"&\"def\"&(1/0)");
    ASSERT_NE(pFormula, nullptr);
    const int32_t nBlocks = EngineTrackedBlockCount();

    EvalValue value = EngineEvaluate(m_h, 2, 1, pFormula, pFormula->nValueRoot);
    EXPECT_EQ(value.nKind, kEvalCell) << "not dereferenced";
    EXPECT_STREQ(EngineReferenceText(value.u.ref), "A2");
    value = EngineEvaluate(m_h, 2, 1, pFormula, pFormula->nConstraintRoot);
    EXPECT_EQ(value.nKind, kEvalError);
    EXPECT_EQ(value.u.error.nCode, 70);
    EXPECT_EQ(EngineState().m_nLastError, 70);
    EXPECT_EQ(EngineTrackedBlockCount(), nBlocks) << "the joined texts are freed";

    // an unknown operator or a link out of the formula is an error, not a crash
    pFormula->pItems[pFormula->nConstraintRoot].u.nOperator = 99;
    value = EngineEvaluate(m_h, 2, 1, pFormula, pFormula->nConstraintRoot);
    EXPECT_EQ(value.u.error.nCode, 278);
    value = EngineEvaluate(m_h, 2, 1, pFormula, 42);
    EXPECT_EQ(value.u.error.nCode, 284);
    EngineFreeFormula(pFormula);
}
