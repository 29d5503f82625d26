// The currency format as a value object: amounts shown by its rules and texts read back, without
// windows; the locale's settings read the way the system gives them.
#include "wine_gtest.h"

#include "grid/controls/GXBCurrencyEdit.h"

#include <string>

namespace {

using Format = CGXBCurrencyEdit::Format;

std::string Shown(const Format& format, double dAmount, BOOL bNegative = FALSE)
{
    CString strText;
    format.FormatValue(dAmount, strText, bNegative);
    return strText.GetString();
}

CString LocaleText(LCTYPE item)
{
    char szBuffer[64] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, szBuffer, int(sizeof(szBuffer)));
    return szBuffer;
}

}  // namespace

TEST(CurrencyFormat, AmountsAreShownByTheFormatsRules)
{
    struct Case {
        const char* pszName;
        double dAmount;
        BOOL bNegative;
        void (*pfnSetUp)(Format&);
        const char* pszShown;
    };
    const Case cases[] = {
        {"grouped, two fractional digits", 1234.5, FALSE, [](Format&) {}, "$1,234.50"},
        {"negative in parentheses", 1234.5, TRUE, [](Format&) {}, "($1,234.50)"},
        {"no leading zero", 0.5, FALSE, [](Format& f) { f.m_bLeadingZero = FALSE; }, "$.50"},
        {"integer width 2 keeps the leading digits", 12345.67, FALSE, [](Format& f) { f.m_nIntDigits = 2; }, "$12.67"},
        {"integer width 2 dropping leading digits", 12345.67, FALSE,
         [](Format& f) {
             f.m_nIntDigits = 2;
             f.m_bDropLeadingDigits = TRUE;
         },
         "$45.67"},
        {"filled, the fill grouped", 12.3, FALSE,
         [](Format& f) {
             f.m_nIntDigits = 5;
             f.SetFillChar('0');
             f.m_bPadBeforeGrouping = TRUE;
         },
         "$00,012.30"},
        {"filled after grouping", 12.3, FALSE,
         [](Format& f) {
             f.m_nIntDigits = 5;
             f.SetFillChar('0');
         },
         "$00012.30"},
        {"no grouping, comma decimal, no symbol", 1234.5, FALSE,
         [](Format& f) {
             f.m_chThousands = 0;
             f.m_chDecimal = ',';
             f.m_strSymbol.Empty();
         },
         "1234,50"},
        {"no fraction", 1234.5, FALSE, [](Format& f) { f.m_nFracDigits = 0; }, "$1,234"},
        {"groups of two", 1234567, FALSE, [](Format& f) { f.m_strGrouping = "2;0"; }, "$1,23,45,67.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        Format format(FALSE);
        c.pfnSetUp(format);
        EXPECT_EQ(Shown(format, c.dAmount, c.bNegative), c.pszShown);
    }
}

TEST(CurrencyFormat, EveryPatternRowPlacesSymbolAndSignAndReadsBack)
{
    const char* const apszNegative[] = {"($1.50)",  "-$1.50",  "$-1.50",  "$1.50-",  "(1.50$)",  "-1.50$",
                                        "1.50-$",   "1.50$-",  "-1.50 $", "-$ 1.50", "1.50 $-",  "$ 1.50-",
                                        "$ -1.50",  "1.50- $", "($ 1.50)", "(1.50 $)"};
    const char* const apszPositive[] = {"$1.50", "1.50$", "$ 1.50", "1.50 $"};
    Format format(FALSE);
    for (int nRow = 0; nRow < 16; ++nRow) {
        SCOPED_TRACE("negative row " + std::to_string(nRow));
        format.m_nNegativeFormat = nRow;
        EXPECT_EQ(Shown(format, 1.5, TRUE), apszNegative[nRow]);
        double dValue = 0;
        BOOL bNegative = FALSE;
        EXPECT_TRUE(format.Parse(apszNegative[nRow], dValue, bNegative));
        EXPECT_EQ(dValue, 1.5);
        EXPECT_TRUE(bNegative);
    }
    for (int nRow = 0; nRow < 4; ++nRow) {
        SCOPED_TRACE("positive row " + std::to_string(nRow));
        format.m_nPositiveFormat = nRow;
        EXPECT_EQ(Shown(format, 1.5), apszPositive[nRow]);
    }
    // a row past its table takes the nearest row instead of reading beyond it
    format.m_nPositiveFormat = 4;
    format.m_nNegativeFormat = 16;
    EXPECT_EQ(Shown(format, 1.5), "1.50 $");
    EXPECT_EQ(Shown(format, 1.5, TRUE), "(1.50 $)");
    format.m_nNegativeFormat = -1;
    EXPECT_EQ(Shown(format, 1.5, TRUE), "($1.50)");
}

TEST(CurrencyFormat, TextsAreReadAsAmounts)
{
    struct Case {
        const char* pszText;
        BOOL bRead;
        double dValue;
        BOOL bNegative;
    };
    const Case cases[] = {
        {"(1,234.50", FALSE, 0, FALSE},  // a parenthesis without its partner
        {"1,234.50)", FALSE, 0, FALSE},
        {"1,234.50-", TRUE, 1234.5, TRUE},
        {"  ($1,234.50)  ", TRUE, 1234.5, TRUE},
        {"abc", FALSE, 0, FALSE},
        {"", TRUE, 0, FALSE},
        {"12.3.4", TRUE, 3.4, FALSE},  // the number ends at the second decimal separator
        {"$.", FALSE, 0, FALSE},       // a separator is no number
        {"$.5", TRUE, 0.5, FALSE},
        {"7", TRUE, 7, FALSE},
    };
    const Format format(FALSE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        double dValue = -1;
        BOOL bNegative = -1;
        ASSERT_EQ(format.Parse(c.pszText, dValue, bNegative), c.bRead);
        if (c.bRead) {
            EXPECT_DOUBLE_EQ(dValue, c.dValue);
            EXPECT_EQ(bNegative, c.bNegative);
        }
    }
}

TEST(CurrencyFormat, FillCharactersColoursAndEquality)
{
    Format format(FALSE);
    EXPECT_FALSE(format.SetFillChar('5'));
    EXPECT_EQ(format.m_chFill, ' ');
    EXPECT_TRUE(format.SetFillChar('0'));
    EXPECT_TRUE(format.SetFillChar('*'));
    EXPECT_EQ(format.m_chFill, '*');

    COLORREF color = 0;
    EXPECT_FALSE(format.GetNegativeColor(color));
    format.SetNegativeColor(RGB(200, 0, 0));
    EXPECT_TRUE(format.GetNegativeColor(color));
    EXPECT_EQ(color, RGB(200, 0, 0));
    EXPECT_FALSE(format.GetPositiveColor(color));
    EXPECT_FALSE(format.GetBackgroundColor(color));

    Format copy(format);
    EXPECT_TRUE(copy.IsEqual(format));
    copy.m_strSymbol = "EUR";
    EXPECT_TRUE(copy.IsDifferent(format));
    copy = format;
    EXPECT_TRUE(copy.IsEqual(format));
}

TEST(CurrencyFormat, TheLocaleGivesSymbolSeparatorsRowsAndDigitsButNoIntegerWidth)
{
    const Format format(TRUE);
    const CString strSymbol = LocaleText(LOCALE_SCURRENCY);
    if (!strSymbol.IsEmpty()) {
        EXPECT_EQ(format.m_strSymbol, strSymbol);
    }
    const CString strDecimal = LocaleText(LOCALE_SMONDECIMALSEP);
    if (!strDecimal.IsEmpty()) {
        EXPECT_EQ(format.m_chDecimal, strDecimal[0]);
    }
    const CString strThousands = LocaleText(LOCALE_SMONTHOUSANDSEP);
    if (!strThousands.IsEmpty()) {
        EXPECT_EQ(format.m_chThousands, strThousands[0]);
    }
    EXPECT_EQ(format.m_nPositiveFormat, std::atoi(LocaleText(LOCALE_ICURRENCY)));
    EXPECT_EQ(format.m_nNegativeFormat, std::atoi(LocaleText(LOCALE_INEGCURR)));
    EXPECT_EQ(format.m_nFracDigits, std::atoi(LocaleText(LOCALE_ICURRDIGITS)));
    EXPECT_EQ(format.m_bLeadingZero, std::atoi(LocaleText(LOCALE_ILZERO)));
    // the locale's digits item counts fractional digits: taken as a width it would cut 1234.5 to 12.5
    EXPECT_EQ(format.m_nIntDigits, -1);
    double dValue = 0;
    BOOL bNegative = TRUE;
    EXPECT_TRUE(format.Parse(Shown(format, 1234.5).c_str(), dValue, bNegative));
    EXPECT_DOUBLE_EQ(dValue, 1234.5);
    EXPECT_FALSE(bNegative);
}
