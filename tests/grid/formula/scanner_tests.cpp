// The formula scanner as a table of texts and the tokens they give: type, text for the tokens that
// carry one, error code for error tokens, and position.
#include <gtest/gtest.h>

#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaScanner.h"

#include <string>

namespace {

class Scanner : public ::testing::Test {
protected:
    void TearDown() override { EngineResetProcessState(); }
};

// The tokens of pszText up to the end token: "type'text'@position" for tokens with a text,
// "41#code@position" for errors, "type@position" for the others.
std::string Scan(const char* pszText)
{
    ScanSetInput(pszText);
    std::string result;
    for (int i = 0; i < 100; i++) {
        const ScanToken token = ScanNextToken();
        if (!result.empty())
            result += " ";
        result += std::to_string(token.nType);
        if (token.nType >= kTokCellName && token.nType <= kTokComment)
            result += "'" + std::string(token.strText.GetString(), size_t(token.strText.GetLength())) + "'";
        if (token.nType == kTokError)
            result += "#" + std::to_string(token.nValue);
        result += "@" + std::to_string(token.nPosition);
        if (token.nType == kTokEnd)
            break;
    }
    return result;
}

}  // namespace

TEST_F(Scanner, TextsAndTheirTokens)
{
    const struct {
        const char* pszText;
        const char* pszTokens;
    } cases[] = {
        // cell words, names and the reference rule of name words
        {"A1.B2", "33'A1'@0 42@2 33'B2'@3 40@5"},
        {"A1..B2", "33'A1'@0 32@2 33'B2'@4 40@6"},
        {"A1:B2", "33'A1'@0 1@2 33'B2'@3 40@5"},
        {"$A$1..$b$2", "33'$A$1'@0 32@4 33'$b$2'@6 40@10"},
        {"fan1", "33'fan1'@0 40@4"},
        {"FAO1", "34'FAO1'@0 40@4"},
        {"ZZZ1", "34'ZZZ1'@0 40@4"},
        {"AAAA1", "34'AAAA1'@0 40@5"},
        {"A12345678", "34'A12345678'@0 40@9"},
        {"A00000001", "33'A00000001'@0 40@9"},
        {"Sales.Q1", "34'Sales.Q1'@0 40@8"},
        {"a1.5", "34'a1.5'@0 40@4"},
        {"_x $y", "34'_x'@0 34'$y'@3 40@5"},
        {"ERR", "34'ERR'@0 40@3"},
        {"??", "43@0 40@2"},
        // function words
        {"@", "35''@0 40@1"},
        {"@sum(A1)", "35'sum'@0 18@4 33'A1'@5 19@7 40@8"},
        // numbers
        {"1e5", "37'1e5'@0 40@3"},
        {"1E5", "37'1'@0 33'E5'@1 40@3"},
        {"1.5e-3", "37'1.5e-3'@0 40@6"},
        {".5e2", "37'.5e2'@0 40@4"},
        {"1..2", "37'1.'@0 37'.2'@2 40@4"},
        {"7e", "37'7'@0 34'e'@1 40@2"},
        {"0xff", "38'ff'@0 40@4"},
        {"0XaB9", "38'aB9'@0 40@5"},
        {"0xg", "37'0'@0 34'xg'@1 40@3"},
        // operators, the word operators in any case, "<>"
        {"#and# #Or# #NOT#", "24@0 25@6 14@11 40@16"},
        {"<>", "30@0 40@2"},
        {"a<=b", "34'a'@0 28@1 34'b'@3 40@4"},
        {"**&&||<<>>>=!===", "23@0 24@2 25@4 26@6 27@8 29@10 30@12 31@14 40@16"},
        {";:,?#\\+-*/%|^&!~>(){}=.<",
         "0@0 1@1 2@2 3@3 4@4 5@5 6@6 7@7 8@8 9@9 10@10 11@11 12@12 13@13 14@14 15@15 17@16 18@17 19@18 20@19 "
         "21@20 22@21 42@22 16@23 40@24"},
        {"#", "4@0 40@1"},
        // strings and comments
        {"\"say \\\"hi\\\"\nnow\"", "36'say \\\"hi\\\"\nnow'@0 40@16"},
        {"\"\"", "36''@0 40@2"},
        {"// note", "39' note'@0 40@7"},
        {"=1// note", "22@0 37'1'@1 39' note'@2 40@9"},
        {"1//a\n2", "37'1'@0 39'a'@1 37'2'@5 40@6"},
        // blanks count in positions; a line break is skipped
        {"  1 +\t2", "37'1'@2 6@4 37'2'@6 40@7"},
        {"a\nb", "34'a'@0 34'b'@2 40@3"},
        {"", "40@0"},
        // characters no pattern takes
        {"1`2", "37'1'@0 41#223@1 37'2'@2 40@3"},
        {"a\rb", "34'a'@0 41#223@1 34'b'@2 40@3"},
        {"'x", "41#223@0 34'x'@1 40@2"},
        {"\"open", "41#223@0 34'open'@1 40@5"},
        {"\"ends in \\", "41#223@0 34'ends'@1 34'in'@6 5@9 40@10"},
        {"\xe9", "41#223@0 40@1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scan(c.pszText), c.pszTokens) << c.pszText;
}

TEST_F(Scanner, EndTokenRepeatsAndInputRestarts)
{
    ScanSetInput("x");
    EXPECT_EQ(ScanNextToken().nType, kTokName);
    EXPECT_EQ(ScanNextToken().nType, kTokEnd);
    const ScanToken again = ScanNextToken();
    EXPECT_EQ(again.nType, kTokEnd);
    EXPECT_EQ(again.nPosition, 1);
    EXPECT_EQ(Scan(nullptr), "40@0");
    EXPECT_EQ(Scan("y"), "34'y'@0 40@1");
}

TEST_F(Scanner, ATokenLargerThanTheBufferIsAnError)
{
    const std::string fits(GX_PARSE_STATE::kBufferSize, 'n');
    EXPECT_EQ(Scan(fits.c_str()), "34'" + fits + "'@0 40@16384");
    const std::string tooLong = "1+" + std::string(GX_PARSE_STATE::kBufferSize + 1, 'n') + "+2";
    EXPECT_EQ(Scan(tooLong.c_str()), "37'1'@0 6@1 41#280@2 6@16387 37'2'@16388 40@16389");
    const std::string longString = "\"" + std::string(20000, 's') + "\"";
    EXPECT_EQ(Scan(longString.c_str()), "41#280@0 40@20002");
}
