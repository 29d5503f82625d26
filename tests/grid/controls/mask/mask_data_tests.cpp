// The mask engine: patterns, character classes, raw data and display, insertion and deletion with
// shifting, free text, and the double-byte paths under a stand-in double-byte code page.
#include "grid/controls/mask/GXMaskData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kPhone[] = "(###) ###-####";

std::string Display(const CGXMaskData& mask)
{
    CString str;
    mask.GetDisplayString(str);
    return str.GetString();
}

std::string Raw(const CGXMaskData& mask)
{
    CString str;
    mask.GetData(str);
    return str.GetString();
}

// A mask with pattern pszMask and a fresh display.
struct Mask : CGXMaskData {
    explicit Mask(const char* pszMask)
    {
        SetMask(pszMask);
        InitDisplay();
    }
};

TEST(MaskData, PatternsMakeTheirPositions)
{
    const struct {
        const char* pszMask;
        const char* pszLiterals;  // 'L' literal, 'e' editable, one per position
        const char* pszDisplay;
    } kCases[] = {
        {"\\##", "Le", "#_"},
        {kPhone, "LeeeLLeeeLeeee", "(___) ___-____"},
        {"A&?LU", "eeeee", "_____"},
        {"x\\\\#\\", "LLe", "x\\_"},  // an escaped backslash is a literal; a trailing one is dropped
        {"#-#", "eLe", "_-_"},
    };
    for (const auto& c : kCases) {
        Mask mask(c.pszMask);
        std::string literals;
        for (int i = 0; i < mask.GetDisplayLength(); ++i)
            literals += mask.IsLiteral(i) ? 'L' : 'e';
        EXPECT_EQ(literals, c.pszLiterals) << c.pszMask;
        EXPECT_EQ(Display(mask), c.pszDisplay) << c.pszMask;
    }
}

TEST(MaskData, CharactersAreCheckedAndConvertedByTheirPosition)
{
    Mask mask("#&?ALU-");
    const struct {
        int nPos;
        const char* pszChar;
        bool bValid;
        const char* pszStored;
    } kCases[] = {
        {0, "7", true, "7"},   {0, "a", false, "a"},  {0, " ", true, "_"},  {0, "_", true, "_"},
        {1, "%", true, "%"},   {2, "q", true, "q"},   {2, "5", false, "5"}, {3, "5", true, "5"},
        {3, "Z", true, "Z"},   {3, ".", false, "."},  {4, "Q", true, "q"},  {4, "1", false, "1"},
        {5, "a", true, "A"},   {5, "-", false, "-"},  {6, "-", false, "-"}, {7, "1", false, "1"},
        {-1, "1", false, "1"},
    };
    for (const auto& c : kCases) {
        CString strChar(c.pszChar);
        EXPECT_EQ(mask.IsValidChar(c.nPos, strChar), c.bValid) << c.nPos << " " << c.pszChar;
        EXPECT_STREQ(strChar.GetString(), c.pszStored) << c.nPos << " " << c.pszChar;
    }
}

TEST(MaskData, RawDataFillsTheEditablePositions)
{
    Mask mask(kPhone);
    EXPECT_EQ(mask.SetData("5551234"), 11);
    EXPECT_EQ(Display(mask), "(555) 123-4___");
    EXPECT_EQ(Raw(mask), "5551234");
    EXPECT_TRUE(mask.IsValidInput());

    // a character the position refuses ends the placing; a space becomes the prompt
    EXPECT_EQ(mask.SetData("12x45"), 3);
    EXPECT_EQ(Display(mask), "(12_) ___-____");
    EXPECT_EQ(mask.SetData("1 3"), 4);
    EXPECT_EQ(Display(mask), "(1_3) ___-____");
    EXPECT_EQ(Raw(mask), "1 3");

    // no pattern, a start outside it, or no editable position left
    struct NoFreeText : CGXMaskData {
        NoFreeText() { m_bFreeTextWhenEmpty = false; }
    } empty;
    EXPECT_EQ(empty.SetData("12"), -1);
    EXPECT_EQ(mask.SetData("1", 14), -1);
    Mask literals("ab\\#");
    EXPECT_EQ(literals.SetData("1"), -1);
}

TEST(MaskData, DisplayStringsAreParsedWithTheirLiterals)
{
    Mask mask(kPhone);
    EXPECT_EQ(mask.SetDisplayString("(555) 123-4567"), 14);
    EXPECT_EQ(Raw(mask), "5551234567");
    // the excess past the pattern is ignored and the parse ends normally
    EXPECT_EQ(mask.SetDisplayString("(555) 123-456789"), 14);
    EXPECT_EQ(Display(mask), "(555) 123-4567");
    // a wrong literal or a refused character fails
    EXPECT_EQ(mask.SetDisplayString("5551234567"), -1);
    EXPECT_EQ(mask.SetDisplayString("(55a)"), -1);
    // a short text leaves the prompts
    EXPECT_EQ(mask.SetDisplayString("(12"), 3);
    EXPECT_EQ(Display(mask), "(12_) ___-____");
}

TEST(MaskData, InsertShiftsRightAndRefusesAFullMask)
{
    Mask mask(kPhone);
    mask.SetData("123456");
    int nNext = -5;
    ASSERT_TRUE(mask.InsertAt(2, "9", nNext));
    EXPECT_EQ(Display(mask), "(192) 345-6___");
    EXPECT_EQ(nNext, 3);
    ASSERT_TRUE(mask.InsertAt(3, "8", nNext));
    EXPECT_EQ(Display(mask), "(198) 234-56__");
    EXPECT_EQ(nNext, 6);  // past the literals

    mask.SetData("1234567890");
    nNext = -5;
    EXPECT_FALSE(mask.InsertAt(1, "9", nNext));
    EXPECT_EQ(Display(mask), "(123) 456-7890");
    EXPECT_EQ(nNext, -5);

    // the last editable position filled with gaps before it is still full
    mask.SetData("         0");
    EXPECT_FALSE(mask.InsertAt(1, "9", nNext));
}

TEST(MaskData, DeleteShiftsLeftAndFillsTheEndWithPrompts)
{
    Mask mask(kPhone);
    const struct {
        int nEnd, nStart;
        const char* pszDisplay;
    } kCases[] = {
        {2, 1, "(234) 567-890_"},  // one character
        {7, 2, "(156) 789-0___"},  // across the literals
        {3, 0, "(345) 678-90__"},  // a start on a literal moves to the first editable position
        {14, 12, "(123) 456-78__"},
        {1, 2, "(123) 456-7890"},  // an end before the start removes nothing
    };
    for (const auto& c : kCases) {
        mask.SetData("1234567890");
        mask.DeleteRange(c.nEnd, c.nStart);
        EXPECT_EQ(Display(mask), c.pszDisplay) << c.nStart << "-" << c.nEnd;
    }
}

TEST(MaskData, EditPositionsAndInputEnd)
{
    Mask mask(kPhone);
    EXPECT_EQ(mask.NextEditPos(-1), 1);
    EXPECT_EQ(mask.NextEditPos(3), 6);
    EXPECT_EQ(mask.NextEditPos(13), -1);
    EXPECT_EQ(mask.NextEditPos(14), 14);
    EXPECT_EQ(mask.NextEditPos(20), 20);
    EXPECT_EQ(mask.PrevEditPos(6), 3);
    EXPECT_EQ(mask.PrevEditPos(1), -1);
    EXPECT_EQ(mask.PrevEditPos(14), 13);
    EXPECT_EQ(mask.GetInputEnd(14), 1);  // nothing filled: the first editable position
    mask.SetData("5551");
    EXPECT_EQ(mask.GetInputEnd(14), 7);
    EXPECT_EQ(mask.GetInputEnd(3), 4);
}

TEST(MaskData, PromptCharacter)
{
    Mask mask("##");
    mask.SetData("1");
    EXPECT_TRUE(mask.SetPromptChar("*"));
    EXPECT_EQ(Display(mask), "1*");
    EXPECT_FALSE(mask.SetPromptChar("ab"));
    EXPECT_STREQ(mask.GetPromptChar().GetString(), "*");
    EXPECT_TRUE(mask.SetPromptChar(""));
    EXPECT_STREQ(mask.GetPromptChar().GetString(), "_");
    EXPECT_EQ(Display(mask), "1_");
    EXPECT_TRUE(mask.SetPromptChar("#", false));
    EXPECT_EQ(Display(mask), "1_");
    EXPECT_FALSE(mask.IsValidInput());  // the old prompt is no longer one
}

TEST(MaskData, EmptyPatternIsFreeTextUpToTheMaximumLength)
{
    CGXMaskData mask;
    mask.SetMask("");
    EXPECT_TRUE(mask.IsEmptyMask());
    EXPECT_EQ(mask.GetMaxLength(), 2147483647);
    EXPECT_EQ(mask.SetData("any Text 1!"), 11);
    EXPECT_EQ(Raw(mask), "any Text 1!");
    EXPECT_FALSE(mask.IsLiteral(0));

    mask.SetMaxLength(5);
    EXPECT_EQ(mask.SetDisplayString("abcdefg"), 7);
    EXPECT_EQ(Display(mask), "abcde");
    int nNext;
    EXPECT_FALSE(mask.InsertAt(2, "x", nNext));
    mask.DeleteRange(3, 1);
    EXPECT_EQ(Display(mask), "ade");
    EXPECT_TRUE(mask.InsertAt(1, "x", nNext));
    EXPECT_EQ(Display(mask), "axde");
    EXPECT_EQ(nNext, 2);
    EXPECT_EQ(mask.NextEditPos(3), 4);
    EXPECT_EQ(mask.NextEditPos(4), -1);
    EXPECT_EQ(mask.GetInputEnd(100), 4);
    EXPECT_TRUE(mask.IsValidInput());

    // a new empty pattern lifts the limit again
    mask.SetMask(nullptr);
    EXPECT_EQ(mask.GetMaxLength(), 2147483647);
}

// A stand-in double-byte code page: bytes from 0x81 lead, letters and digits as ASCII.
struct DoubleByteScope {
    DoubleByteScope()
    {
        GXMaskCharSet charSet;
        charSet.bDoubleByte = true;
        charSet.pfnIsLeadByte = [](unsigned char ch) { return ch >= 0x81; };
        CGXMaskData::SetCharSet(charSet);
    }
    ~DoubleByteScope() { CGXMaskData::SetCharSet(GXMaskCharSet()); }
};

TEST(MaskData, DoubleByteCharactersAreOnePositionOfTwoBytes)
{
    const DoubleByteScope scope;
    const std::string wide = "\x82\xa0";
    Mask mask(("#" + wide + "&").c_str());
    EXPECT_EQ(mask.GetDisplayLength(), 3);
    EXPECT_TRUE(mask.IsLiteral(1));
    EXPECT_EQ(mask.SetData(("1" + wide).c_str()), 3);
    EXPECT_EQ(Display(mask), "1" + wide + wide);
    EXPECT_EQ(Raw(mask), "1" + wide);
    EXPECT_EQ(mask.PosToCharIndex(2), 3);
    EXPECT_EQ(mask.PosToCharIndex(3), 5);
    EXPECT_EQ(mask.CharIndexToPos(3), 2);
    EXPECT_EQ(mask.CharIndexToPos(-1), -1);
    // a double-byte prompt is one character; two single bytes are not
    EXPECT_TRUE(mask.SetPromptChar(wide.c_str()));
    EXPECT_FALSE(mask.SetPromptChar("ab"));
}

}  // namespace
