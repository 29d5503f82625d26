// The date/time modules: the plain one reading and writing dates itself from the locale's short-date
// pattern and time separator, the one on the OLE date services, and which of them the library
// installs. Runs under the pinned German locale ("d.M.yyyy", ':'); the test that sets other short-date
// patterns puts the locale's own back.
#include "wine_gtest.h"

#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXState.h"
#include "grid/ops/GXDateTimeImp.h"
#include "grid/ops/GXOperations.h"
#include "win/CTime.h"

#include <cstring>
#include <string>

namespace {

struct Fields {
    int nYear, nMonth, nDay, nHour, nMinute, nSecond;
};

void ExpectFields(const GridDateTimeFields& f, const Fields& expected)
{
    EXPECT_EQ(f.nYear, expected.nYear);
    EXPECT_EQ(f.nMonth, expected.nMonth);
    EXPECT_EQ(f.nDay, expected.nDay);
    EXPECT_EQ(f.nHour, expected.nHour);
    EXPECT_EQ(f.nMinute, expected.nMinute);
    EXPECT_EQ(f.nSecond, expected.nSecond);
    EXPECT_EQ(f.dwReserved, 0u);
}

TEST(PlainDateTime, ReadsTheLocalesShortDatePatternAndTimeSeparator)
{
    CGXNoOleDateTimeImp module;
    BOOL bFourDigitYear = FALSE;
    char chSeparator = 0;
    EXPECT_EQ(module.GetDateOrder(FALSE, bFourDigitYear, chSeparator), 0);
    EXPECT_TRUE(bFourDigitYear);
    EXPECT_EQ(chSeparator, '.');
    EXPECT_EQ(module.GetTimeSeparator(FALSE), ':');
}

// Sets the user's short-date pattern for its lifetime.
class ShortDatePattern {
public:
    explicit ShortDatePattern(const char* pszPattern)
    {
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_szOld, int(sizeof(m_szOld)));
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pszPattern);
    }
    ~ShortDatePattern() { ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_szOld); }

private:
    char m_szOld[128] = "";
};

TEST(PlainDateTime, OtherShortDatePatternsGiveTheirOrderYearWidthAndSeparator)
{
    struct Case {
        const char* pszPattern;
        int nOrder;
        BOOL bFourDigitYear;
        char chSeparator;
        const char* pszDate;  // 12 May 2004 at 09:30:05
    };
    const Case cases[] = {
        {"dd.MM.yyyy", 0, TRUE, '.', "12.05.2004 09:30:05"},
        {"yyyy-MM-dd", 2, TRUE, '-', "2004-05-12 09:30:05"},
        {"M/d/yy", 1, FALSE, '/', "05/12/04 09:30:05"},
        {"yy MM dd", 2, FALSE, ' ', "04 05 12 09:30:05"},
    };
    CGXNoOleDateTimeImp module;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszPattern);
        const ShortDatePattern pattern(c.pszPattern);
        module.RefreshLocaleInfo();
        BOOL bFourDigitYear = 7;
        char chSeparator = 0;
        EXPECT_EQ(module.GetDateOrder(FALSE, bFourDigitYear, chSeparator), c.nOrder);
        EXPECT_EQ(bFourDigitYear, c.bFourDigitYear);
        EXPECT_EQ(chSeparator, c.chSeparator);
        const GridDateTimeFields fields = {2004, 5, 12, 9, 30, 5, 0};
        CString strText;
        module.FormatDateTimeFields(strText, &fields);
        EXPECT_EQ(strText, c.pszDate);
    }
}

TEST(PlainDateTime, ReadsDatesAndTimesInTheOrderGiven)
{
    struct Case {
        const char* pszText;
        int nOrder;
        bool bValid;
        Fields fields;
    };
    const Case cases[] = {
        {"31/04/2004", 0, false, {}},
        {"29.02.2000", 0, true, {2000, 2, 29, 0, 0, 0}},
        {"29.02.1900", 0, false, {}},
        {"120504", 0, true, {1904, 5, 12, 0, 0, 0}},
        {"05-12-2004", 1, true, {2004, 5, 12, 0, 0, 0}},
        {"2004.5.12", 2, true, {2004, 5, 12, 0, 0, 0}},
        {"12.05.2004", 3, true, {2004, 5, 12, 0, 0, 0}},
        {"12.05.2004 10:30:15", 0, true, {2004, 5, 12, 10, 30, 15}},
        {"  1.2.3", 0, true, {1903, 2, 1, 0, 0, 0}},
        {"1. 2.2004", 0, false, {}},  // one separator, then digits
        {"12:30 PM", 0, true, {70, 0, 1, 12, 30, 0}},
        {"12:30 AM", 0, true, {70, 0, 1, 0, 30, 0}},
        {"1:05p", 0, true, {70, 0, 1, 13, 5, 0}},
        {"13:00 AM", 0, false, {}},
        {"24:00", 0, false, {}},
        {"10:5", 0, true, {70, 0, 1, 10, 5, 0}},
        {"10:60", 0, false, {}},
        {"12.13.2004", 0, false, {}},
        {"12.05.2004x", 0, false, {}},
        {"12.05", 0, false, {}},
        {"12.05.2004", 4, false, {}},
        {"", 0, false, {}},
        {"   ", 0, false, {}},
    };
    CGXNoOleDateTimeImp module;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszText) + " order " + std::to_string(c.nOrder));
        GridDateTimeFields fields;
        std::memset(&fields, 0xFF, sizeof(fields));
        EXPECT_EQ(module.ParseDateTimeFields(&fields, c.pszText, c.nOrder) != FALSE, c.bValid);
        if (c.bValid)
            ExpectFields(fields, c.fields);
    }
}

TEST(PlainDateTime, TheBrokenDownTimeCountsMonthsFromZeroAndYearsFrom1900)
{
    struct Case {
        const char* pszText;
        int nYear, nMonth, nDay, nHour;
    };
    const Case cases[] = {
        {"01.01.00", 100, 0, 1, 0},     // "00" is 2000
        {"01.01.05", 5, 0, 1, 0},       // "05" is 1905
        {"31.12.2037", 137, 11, 31, 0},
        {"01.06.0037", 137, 5, 1, 0},   // four digits below 38 count in the 2000s too
        {"01.06.0500", 500, 5, 1, 0},
        {"14:05", 70, 0, 1, 14},        // a time alone is on 1 January 1970
    };
    CGXNoOleDateTimeImp module;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        struct tm time;
        ASSERT_TRUE(module.ParseDateTimeTm(&time, c.pszText, 0));
        EXPECT_EQ(time.tm_year, c.nYear);
        EXPECT_EQ(time.tm_mon, c.nMonth);
        EXPECT_EQ(time.tm_mday, c.nDay);
        EXPECT_EQ(time.tm_hour, c.nHour);
    }
    struct tm time;
    EXPECT_FALSE(module.ParseDateTimeTm(&time, "31.04.2004", 0));
    EXPECT_EQ(time.tm_mday, 0) << "cleared";
}

TEST(DateTimeFormatting, BothModulesWriteFieldsInTheLocale)
{
    struct Case {
        GridDateTimeFields fields;
        const char* pszPlain;  // the locale's order and separators, two-digit parts
        const char* pszOle;    // the OLE services' short date and time
    };
    const Case cases[] = {
        {{0, 0, 0, 14, 5, 0, 0}, "14:05:00", "14:05:00"},
        {{2004, 5, 12, 0, 0, 0, 0}, "12.05.2004", "12.5.2004"},
        {{2004, 5, 12, 9, 30, 5, 0}, "12.05.2004 09:30:05", "12.5.2004 09:30:05"},
        {{0, 0, 0, 0, 0, 0, 0}, "", ""},
        {{2004, 4, 31, 0, 0, 0, 0}, "31.04.2004", ""},  // no such day: the OLE date is invalid
    };
    CGXNoOleDateTimeImp plain;
    CGXOleDateTimeImp ole;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszPlain);
        CString strText;
        plain.FormatDateTimeFields(strText, &c.fields);
        EXPECT_EQ(strText, c.pszPlain);
        ole.FormatDateTimeFields(strText, &c.fields);
        EXPECT_EQ(strText, c.pszOle);
    }
}

TEST(OleDateTime, LeavesTextsToTheOleServices)
{
    CGXOleDateTimeImp module;
    BOOL bFourDigitYear = 7;
    char chSeparator = 'x';
    EXPECT_EQ(module.GetDateOrder(TRUE, bFourDigitYear, chSeparator), 3);
    EXPECT_EQ(bFourDigitYear, 7);
    EXPECT_EQ(chSeparator, 'x');
    EXPECT_EQ(module.GetTimeSeparator(TRUE), 0);

    GridDateTimeFields fields;
    ASSERT_TRUE(module.ParseDateTimeFields(&fields, "29.02.2000 13:30", 1));
    ExpectFields(fields, {2000, 2, 29, 13, 30, 0});
    EXPECT_FALSE(module.ParseDateTimeFields(&fields, "31.04.2004", 0));
    struct tm time;
    ASSERT_TRUE(module.ParseDateTimeTm(&time, "29.02.2000", 0));
    EXPECT_EQ(time.tm_year, 100);
    EXPECT_EQ(time.tm_mon, 1);
    EXPECT_EQ(time.tm_mday, 29);
}

TEST(DateTimeModule, TheLibraryInstallsTheOleOne)
{
    GXRegisterGridOperations();
    CGXControlFactory().InitializeApplicationComponents();
    EXPECT_NE(dynamic_cast<CGXOleDateTimeImp*>(GXGetLibraryState()->m_pDateTimeImp), nullptr);
}

}  // namespace
