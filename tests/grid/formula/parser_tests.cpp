// The parser as a table of formulas and the trees they give or the error and its position; the item
// and nesting limits; matching arguments against a function table. Every formula that parses also
// goes round through the printer.
#include "FormulaFixture.h"

#include <string>

namespace {

// A test function table: argument matching only needs the parameters.
constexpr GXFunctionParam kOne[] = {{0, 0}};
constexpr GXFunctionParam kOptional[] = {{0, 0}, {2, kParamOptional}};
constexpr GXFunctionParam kRepeating[] = {{3, 0}, {0, kParamRepeats}, {1, kParamRepeats}};
constexpr GXFunctionParam kXValue[] = {{0, 0}, {7, kParamByReference}};
constexpr GXFunctionDesc kFunctions[] = {
    {"ONE", nullptr, 1, kOne},
    {"OPT", nullptr, 2, kOptional},
    {"REP", nullptr, 3, kRepeating},
    {"XVALUE", nullptr, 2, kXValue},
    {"NONE", nullptr, 0, nullptr},
};

class Parser : public FormulaTest {
protected:
    void SetUp() override
    {
        FormulaTest::SetUp();
        EngineDefineName(m_h, "Total", Ref("C5"));
        EngineDefineName(m_h, "Sales", Ref("B2..C3"));
    }

    void Check(std::initializer_list<Case> cases)
    {
        CheckCases(cases, [this](const char* psz) { return Parse(psz); });
    }
};

}  // namespace

TEST_F(Parser, PrecedenceAndGrouping)
{
    Check({
        {"=1+2*3", "(+ 1 (* 2 3))"},
        {"=1-2-3", "(- (- 1 2) 3)"},
        {"=2**3**2", "(** (** 2 3) 2)"},
        {"=-2**2", "(neg (** 2 2))"},
        {"=-1+2", "(+ (neg 1) 2)"},
        {"=+1", "(pos 1)"},
        {"=!1", "(! 1)"},
        {"=~1", "(~ 1)"},
        {"=5%", "(pct 5)"},
        {"=5%+1", "(+ (pct 5) 1)"},
        {"=5%*2", "(* (pct 5) 2)"},
        {"=7%2", "(% 7 2)"},
        {"=7%(2)", "(% 7 [2])"},
        {"=(1+2)*3", "(* [(+ 1 2)] 3)"},
        {"=((1))", "[1]"},
        {"=1<2==3<4", "(== (< 1 2) (< 3 4))"},
        {"=1=2", "(== 1 2)"},
        {"=1<>2", "(!= 1 2)"},
        {"=1|2^3&4", "(| 1 (^ 2 (& 3 4)))"},
        {"=1||2&&3", "(|| 1 (&& 2 3))"},
        {"=1<<2+3", "(<< 1 (+ 2 3))"},
        {"=1?2:3", "(? 1 2 3)"},
        {"=1?2:0?3:4", "(? 1 2 (? 0 3 4))"},
        {"=1? ??:2", "(? 1 ?? 2)"},
    });
}

TEST_F(Parser, Operands)
{
    Check({
        {"=1.5e3", "1500"},
        {"=0xFFFFFFFF", "-1h"},
        {"=0XfF", "255h"},
        {"=0x123456789", "591751049h"},  // the low 32 bits
        {"=\"a\\tb\"", "'a\tb'"},
        {"=??", "??"},
        {"=#", "#{-,-}"},
        {"=#{1}", "#{1,-}"},
        {"=#{1,-1}", "#{1,(neg 1)}"},
        {"=A1:B2", "A1..B2"},
        {"=A1..B2", "A1..B2"},
        {"=$B$2.a1", "A1..$B$2"},
        {"=$A$1:B$2", "$A$1..B$2"},
        {"=A1:Total", "(: A1 n:Total)"},
        {"=A1:Sales", "(: A1 N:Sales)"},
        {"=total*2", "(* n:Total 2)"},
        {"=Sales", "N:Sales"},
        {"=1;A1>0\\A1,B2..C3//note", "1 ; (> A1 0) \\ A1, B2..C3 // note"},
        {"=1\\Sales,Total", "1 \\ N:Sales, n:Total"},
    });
}

TEST_F(Parser, ErrorsAndTheirPositions)
{
    Check({
        {"==1", "error 274@1"},
        {"1", "error 253@0"},
        {"=", "error 274@1"},
        {"=2**-1", "error 274@4"},
        {"=--1", "error 274@2"},
        {"=(1+2", "error 250@5"},
        {"=1?2", "error 232@4"},
        {"=1 2", "error 271@3"},
        {"=1`", "error 223@2"},
        {"=1e999", "error 281@1"},
        {"=Undef", "error 281@1"},
        {"=SUM(A1)", "error 227@1"},
        {"=Sales(1)", "error 227@1"},
        {"=@", "error 227@1"},
        {"=A0", "error 226@1"},
        {"=A9999999", "error 226@1"},
        {"=A1:3", "error 275@4"},
        {"=A1:@NONE", "error 275@4"},
        {"=1\\3", "error 265@3"},
        {"=1\\A1:", "error 264@6"},
    });
}

TEST_F(Parser, ItemAndNestingLimits)
{
    std::string items200 = "=-1";  // 2 items, then 2 per "+1"
    for (int i = 0; i < 99; i++)
        items200 += "+1";
    EXPECT_EQ(Parse(items200.c_str()).substr(0, 1), "(");
    const std::string items201 = "=1" + items200.substr(3) + "+1";
    EXPECT_EQ(Parse(items201.c_str()), "error 280@" + std::to_string(items201.size()));

    const auto nested = [](int nDepth) {
        return "=" + std::string(size_t(nDepth), '(') + "1" + std::string(size_t(nDepth), ')');
    };
    EXPECT_EQ(Parse(nested(200).c_str()), "[1]");
    EXPECT_EQ(Parse(nested(201).c_str()).substr(0, 9), "error 280");
    // far deeper than the limit: refused without exhausting the stack
    EXPECT_EQ(Parse(nested(100000).c_str()).substr(0, 9), "error 280");
    std::string offsets = "=";
    for (int i = 0; i < 100000; i++)
        offsets += "#{";
    EXPECT_EQ(Parse(offsets.c_str()).substr(0, 9), "error 280");
}

TEST_F(Parser, FunctionArgumentsMatchTheParameters)
{
    EngineInstallFunctionTable(new ArrayFunctionTable(kFunctions));
    std::string args101 = "=REP(1";
    for (int i = 1; i < 101; i++)
        args101 += ",1";
    args101 += ")";
    Check({
        {"=one(1)", "ONE(1:t0)"},
        {"=ONE(1,2)", "error 229@1"},
        {"=ONE()", "error 230@1"},
        {"=OPT(1)", "OPT(1:t0)"},
        {"=OPT(1,2)", "OPT(1:t0,2:t2)"},
        {"=OPT(1,2,3)", "error 229@1"},
        {"=REP(A1)", "error 230@1"},
        {"=REP(A1,2,3,4,5)", "REP(A1:t3,2:t0,3:t1,4:t0,5:t1)"},
        {args101.c_str(), "error 229@1"},
        {"=XVALUE(1,A1)", "XVALUE(1:t0x,A1:t7&)"},
        {"=NONE()", "NONE()"},
        {"=@NONE", "NONE()"},
        {"=@none()+1", "(+ NONE() 1)"},
        {"=A1:NONE()", "(: A1 NONE())"},
        {"=A1:@NONE()", "(: A1 NONE())"},
        {"=NONE(1)", "error 229@1"},
    });
}
