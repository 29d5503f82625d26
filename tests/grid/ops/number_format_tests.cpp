// Number formatting: the texts of every format code for numeric and other values, and reading numbers
// typed with currency, grouping, parentheses and exponents, which also decides which stored values and
// attribute texts the library's number recognition takes for numbers. The program runs under a pinned
// German locale, so the locale's date and number texts are known.
#include "wine_gtest.h"

#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXUserAttribute.h"
#include "grid/ops/GXNumberFormattingImp.h"
#include "grid/ops/GXOperations.h"

#include <string>

namespace {

std::string Formatted(UINT nFormat, UINT nPlaces, const char* pszValue, UINT nKind = 1)
{
    CGXStyle style;
    style.SetFormat(nFormat).SetPlaces(nPlaces);
    return CGXNumberFormattingImp().FormatValue(style, pszValue, nKind).GetString();
}

TEST(NumberFormatting, EachFormatCodeGivesItsText)
{
    struct Case {
        UINT nFormat, nPlaces;
        const char* pszValue;
        UINT nKind;
        const char* pszText;
    };
    const Case cases[] = {
        {2, 2, "3.14159", 1, "3.14"},
        {2, 2, "3.14159", 0, "3.14159"},
        {0, 2, "3.14159", 1, "3.14159"},
        {1, 2, "1234.5", 1, "1.23e+03"},
        {3, 3, "1234.5", 1, "1.23e+03"},
        {3, 6, "1234.5", 1, "1234.5"},
        {4, 2, "1234.5", 1, "$1,234.50 "},
        {4, 2, "-1234.5", 1, "($1,234.50)"},
        {5, 2, "1234.5", 1, "1,234.50 "},
        {5, 0, "-1234567.89", 1, "(1,234,568)"},
        {23, 2, "1234.5", 1, " 1,234.50 "},
        {23, 2, "-999.5", 1, "(999.50)"},
        {6, 0, "255.9", 1, "0xFF"},
        {6, 0, "-255.9", 1, "0xFF"},
        {7, 0, "0.5", 1, "0"},
        {7, 0, "1.5", 1, "1"},
        {7, 0, "2", 1, "?"},
        {7, 0, "-0.5", 1, "?"},
        {12, 0, "3", 1, ""},
        {12, 0, "some text", 0, ""},
        {14, 1, "0.255", 1, "25.5%"},
        {14, 0, "1.7976931348623156e306", 1, " Percent! "},
        {16, 0, "36526", 1, "01.01.2000"},
        {17, 0, "36526", 1, "2000-01-01"},
        {8, 0, "36526", 1, "01-Jan-00"},
        {9, 0, "36526", 1, "01-Jan"},
        {10, 0, "36526", 1, "Jan-00"},
        {27, 0, "0.5625", 1, "13:30"},
        {11, 0, "36526.75", 1, "1.1.2000"},
        {13, 0, "36526.75", 1, "18:00:00"},
        {18, 0, "36526.75", 1, "1.1.2000 18:00:00"},
        {28, 0, "1234.5", 1, "1.234,50 "},
        {29, 0, "1", 1, " Format? "},
        {31, 0, "1", 1, " Format? "},
        {15, 0, "1", 1, "1"},
        {22, 0, "1", 1, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nFormat) + " " + c.pszValue);
        EXPECT_EQ(Formatted(c.nFormat, c.nPlaces, c.pszValue, c.nKind), c.pszText);
    }
}

TEST(NumberFormatting, FractionsReduceByTheSmallPrimes)
{
    struct Case {
        UINT nPlaces;
        const char* pszValue;
        const char* pszText;
    };
    const Case cases[] = {
        {2, "3.25", " 3 1/4"},
        {2, "-0.25", "- 1/4"},
        {2, "0.05", "  1/20"},
        {2, "0.375", "  3/8"},
        {0, "0.5", "  1/2"},       // places 0: three digits, denominator 100000
        {2, "7", " 7 0/10000"},    // nothing to reduce
        {1, "0.333", "  333/1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszValue);
        EXPECT_EQ(Formatted(24, c.nPlaces, c.pszValue), c.pszText);
    }
}

TEST(NumberFormatting, WholePartsBeyondThirtyTwoBitsShowTheValueText)
{
    EXPECT_EQ(Formatted(6, 0, "2147483647"), "0x7FFFFFFF");
    EXPECT_EQ(Formatted(6, 0, "5e9"), "5e9");
    EXPECT_EQ(Formatted(24, 2, "-2147483648.5"), "-2147483648.5");
    EXPECT_EQ(Formatted(6, 0, "nan"), "nan");
}

TEST(NumberFormatting, WithoutAValueTheStylesValueAndKindAreUsed)
{
    CGXNumberFormattingImp module;
    CGXStyle style;
    style.SetValue("1234.5");
    EXPECT_EQ(module.FormatValue(style, nullptr, 1), "1234.5") << "no Format: the text unchanged";
    style.SetFormat(5).SetPlaces(1);
    EXPECT_EQ(module.FormatValue(style, nullptr, 1), "1234.5") << "the style's value is a text";
    style.SetValueType(1);
    EXPECT_EQ(module.FormatValue(style, nullptr, 0), "1,234.5 ");
}

TEST(NumberParsing, TypedNumbersGiveTheirValueFormatAndPlaces)
{
    struct Case {
        const char* pszText;
        double dValue;
        UINT nFormat, nPlaces;
    };
    const Case cases[] = {
        {"(1,234.50)", -1234.5, 5, 2},
        {"$12", 12, 4, 0},
        {"($1,000)", -1000, 4, 0},
        {"1e3", 1000, 1, 0},
        {"-1.25E-2", -0.0125, 1, 2},
        {"  12.50  ", 12.5, 2, 2},
        {"1,234,567.89", 1234567.89, 5, 2},
        {"+7", 7, 2, 0},
        {".5", 0.5, 2, 1},
        {"0.12345678901234567890", 0.12345678901234568, 2, 15},
    };
    CGXNumberFormattingImp module;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        double d = 0;
        UINT nFormat = 99, nPlaces = 99;
        ASSERT_TRUE(module.ParseNumber(c.pszText, d, &nFormat, &nPlaces));
        EXPECT_DOUBLE_EQ(d, c.dValue);
        EXPECT_EQ(nFormat, c.nFormat);
        EXPECT_EQ(nPlaces, c.nPlaces);
    }
    double d = 0;
    UINT nFormat = 99;
    EXPECT_TRUE(module.ParseNumber("1.5", d, &nFormat, nullptr));
    EXPECT_EQ(nFormat, 99u) << "format and places are written only together";
}

TEST(NumberParsing, TextsThatAreNoNumberAreRefused)
{
    const std::string sLong(258, '1');
    const char* texts[] = {
        "1,23",  "12 3", "",     " ",     "-",     ".",      "1.2.3", "1e2e3", "(1e3)", "(12",
        "12)",   "(-12)", "1-2", "abc",   "0x10",  "inf",    "1e999", "1,2345", "12.3,456",
        "$-12)", sLong.c_str(), nullptr,
    };
    CGXNumberFormattingImp module;
    for (const char* pszText : texts) {
        SCOPED_TRACE(pszText != nullptr ? pszText : "(null)");
        double d = 42;
        UINT nFormat = 99, nPlaces = 99;
        EXPECT_FALSE(module.ParseNumber(pszText, d, &nFormat, &nPlaces));
        EXPECT_EQ(d, 42);
        EXPECT_EQ(nFormat, 99u);
    }
    const std::string sLongest(257, '1');
    double d = 0;
    EXPECT_TRUE(module.ParseNumber(sLongest.c_str(), d, nullptr, nullptr));
}

// With number recognition on and the number-formatting module installed, stored cell values and user
// attribute texts are read by the module's number parser (in the C numeric locale whatever the user's).
class NumberRecognitionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GridLibraryState* pState = GXGetLibraryState();
        m_pSavedModule = pState->m_pNumberFormattingImp;
        m_bSavedOption = pState->m_bNumberRecognition;
        pState->m_pNumberFormattingImp = &m_module;
        pState->m_bNumberRecognition = TRUE;
    }
    void TearDown() override
    {
        GridLibraryState* pState = GXGetLibraryState();
        pState->m_pNumberFormattingImp = m_pSavedModule;
        pState->m_bNumberRecognition = m_bSavedOption;
    }

    CGXNumberFormattingImp m_module;
    CGXAbstractNumberFormattingImp* m_pSavedModule = nullptr;
    BOOL m_bSavedOption = FALSE;
};

TEST_F(NumberRecognitionTest, StoredValuesAreNumbersWhenTheNumberParserReadsThem)
{
    struct Case {
        BOOL on;
        int nKind;
        const char* value;
        UINT expectedType;
    } cases[] = {
        {TRUE, CGXData::gxCellValue, "12.5", CGXStyle::gxValueNumber},
        {TRUE, CGXData::gxCellValue, " -3 ", CGXStyle::gxValueNumber},
        {TRUE, CGXData::gxCellValue, "$1,234.50", CGXStyle::gxValueNumber},
        {TRUE, CGXData::gxCellValue, "(12)", CGXStyle::gxValueNumber},
        {TRUE, CGXData::gxCellValue, "1,5", CGXStyle::gxValueText},  // no decimal comma, whatever the locale
        {TRUE, CGXData::gxCellValue, "12a", CGXStyle::gxValueText},
        {TRUE, CGXData::gxCellValue, "0x10", CGXStyle::gxValueText},
        {TRUE, CGXData::gxCellStyle, "12.5", CGXStyle::gxValueText},
        {FALSE, CGXData::gxCellValue, "12.5", CGXStyle::gxValueText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " kind " << c.nKind << " option " << c.on);
        GXGetLibraryState()->m_bNumberRecognition = c.on;
        CGXData data;
        CGXStyle value;
        value.SetValue(c.value);
        data.StoreCellStyle(1, 1, &value, CGXStyle::gxOverride, c.nKind);
        CGXStyle stored;
        ASSERT_TRUE(data.GetCellStyle(1, 1, stored, CGXStyle::gxCopy, CGXData::gxCellStyle));
        EXPECT_EQ(stored.GetValueType(), c.expectedType);
        EXPECT_STREQ(stored.GetValueRef(), c.value) << "the typed text is kept";
    }
}

TEST_F(NumberRecognitionTest, AttributeTextsAreNumbersWhenTheyReadAndWriteBackTheSame)
{
    struct Case {
        BOOL on;
        const char* text;
        LONG kind;
    } cases[] = {
        {TRUE, "1.5", CGXUserAttribute::vtDouble},
        {TRUE, "0", CGXUserAttribute::vtDouble},
        {TRUE, "-12345678901", CGXUserAttribute::vtDouble},
        {TRUE, "1e+20", CGXUserAttribute::vtDouble},
        {TRUE, "1.50", CGXUserAttribute::vtShortString},  // "%.13g" writes 1.5
        {TRUE, " 1.5", CGXUserAttribute::vtShortString},
        {TRUE, "1e5", CGXUserAttribute::vtShortString},
        {TRUE, "$1.5", CGXUserAttribute::vtShortString},
        {TRUE, "inf", CGXUserAttribute::vtShortString},
        {TRUE, "12 apples", CGXUserAttribute::vtString},
        {FALSE, "0", CGXUserAttribute::vtShortString},
        {FALSE, "1.5", CGXUserAttribute::vtShortString},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.on ? "on: " : "off: ") << c.text);
        GXGetLibraryState()->m_bNumberRecognition = c.on;
        CGXUserAttribute a(c.text);
        EXPECT_EQ(a.GetValueType(), c.kind);
        EXPECT_STREQ(a.GetValue(), c.text);
    }
    GXGetLibraryState()->m_bNumberRecognition = TRUE;
    EXPECT_EQ(CGXUserAttribute("1.5").GetDoubleValue(), 1.5);
}

TEST(NumberFormattingModule, IsTheOneTheLibraryInstallsAndFormatValueTextUses)
{
    GXRegisterGridOperations();
    CGXControlFactory().InitializeApplicationComponents();
    EXPECT_NE(dynamic_cast<CGXNumberFormattingImp*>(GXGetLibraryState()->m_pNumberFormattingImp), nullptr);
    CString strText;
    FormatValueText(strText, CGXStyle().SetFormat(4).SetPlaces(2), "-3", 1);
    EXPECT_EQ(strText, "($3.00)");
    UINT nFormat = 0, nPlaces = 0;
    double d = 0;
    EXPECT_TRUE(GetDrawingAndFormatting()->ParseValue("$1,000.5", d, nFormat, nPlaces));
    EXPECT_EQ(d, 1000.5);
    EXPECT_EQ(nFormat, 4u);
}

}  // namespace
