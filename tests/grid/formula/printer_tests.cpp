// The printer as tables of formulas and their printed texts, in the engine's syntax and in the
// alternative one, with the function-name switches; every formula also goes round through the parser.
#include "FormulaFixture.h"

#include <string>

namespace {

constexpr GXFunctionParam kAny[] = {{0, kParamRepeats}};
constexpr GXFunctionDesc kFunctions[] = {
    {"NONE", nullptr, 0, nullptr},
    {"F", nullptr, 1, kAny},
    {"@AT", nullptr, 0, nullptr},
};

class Printer : public FormulaTest {
protected:
    void SetUp() override
    {
        FormulaTest::SetUp();
        EngineDefineName(m_h, "Total", Ref("C5"));
    }

    void Check(std::initializer_list<Case> cases)
    {
        CheckCases(cases, [this](const char* psz) { return Print(psz); });
    }
};

}  // namespace

TEST_F(Printer, EngineSyntax)
{
    Check({
        {"=(1+2)*3", "=(1+2)*3"},
        {"=1+2*3", "=1+2*3"},
        {"= 1 + 2 ", "=1+2"},
        {"=-(1)", "=-(1)"},
        {"=!1||~2&&+3", "=!1||~2&&+3"},
        {"=5%-1", "=5%-1"},
        {"=7%2", "=7%2"},
        {"=2**3", "=2**3"},
        {"=1=2", "=1==2"},
        {"=1<>2", "=1!=2"},
        {"=1<<2>>3<=4>=5", "=1<<2>>3<=4>=5"},
        {"=0xff", "=0xFF"},
        {"=0xFFFFFFFF", "=0xFFFFFFFF"},
        {"=1e20+.5", "=1e+20+0.5"},
        {"=A1:B2", "=A1..B2"},
        {"=$b$2.A1", "=A1..$B$2"},
        {"=A1:Total", "=A1:Total"},
        {"=Total", "=Total"},
        {"=\"say \\\"hi\\\"\\n\\x41\\001\"", "=\"say \\\"hi\\\"\\nA\\1\""},
        {"=1?2:3?4:5", "=1?2:3?4:5"},
        {"=1? ??:2", "=1? ??:2"},
        {"=??", "=??"},
        {"=#", "=#"},
        {"=#{1}+#{-1,2}", "=#{1}+#{-1,2}"},
        {"=1;A1>0\\A1,B2..C3//note", "=1;A1>0\\A1,B2..C3//note"},
    });

    // a printed text longer than the buffer is cut
    const std::string a400(400, 'a');
    const std::string longFormula = "=\"" + a400 + "\"&\"" + a400 + "\"";
    EXPECT_EQ(Print(longFormula.c_str()), longFormula.substr(0, 511));
    EXPECT_EQ(S(EnginePrintFormula(nullptr)), "");
}

TEST_F(Printer, AlternativeSyntax)
{
    EngineState().m_bAltSyntax = true;
    Check({
        {"=0xff", "=255"},
        {"=0xFFFFFFFF", "=-1"},
        {"=2**3", "=2^3"},
        {"=1^2", "=1/*XOR*/2"},
        {"=1&&2||!3", "=1#AND#2#OR##NOT#3"},
        {"=1==2", "=1=2"},
        {"=1!=2", "=1<>2"},
        {"=??", "=ERR"},
        {"=1;A1\\A1//note", "=1;A1"},
    });
}

TEST_F(Printer, FunctionNames)
{
    EngineInstallFunctionTable(new ArrayFunctionTable(kFunctions));
    GX_ENGINE_STATE& state = EngineState();
    const struct {
        bool bLower;
        bool bAt;
        const char* pszPrinted;
    } cases[] = {
        {false, false, "=NONE()+F(1,2)+@AT()"},
        {true, false, "=none()+f(1,2)+@at()"},
        {false, true, "=@NONE+@F(1,2)+@AT"},
        {true, true, "=@none+@f(1,2)+@at"},
    };
    for (const auto& c : cases) {
        state.m_bLowerCaseFunctions = c.bLower;
        state.m_bAtPrefix = c.bAt;
        EXPECT_EQ(Print("=none()+@F(1,2)+@at"), c.pszPrinted) << c.bLower << c.bAt;
        ExpectRoundTrip("=none()+@F(1,2)+@at");
    }
}
