// OLE dates and their spans, CTime, and variants with their archive form. The program runs under a
// pinned day-month-year locale (German, set by the build), so the locale's texts are known.
#include "wine_gtest.h"

#include <cmath>
#include <string>

#include <windows.h>

#include "win/Win.h"

namespace {

// Made while the program starts, before main.
const COleDateTime g_staticDate(2000, 1, 1, 0, 0, 0);

struct DateCase {
    const char* what;
    double dt;
    int nYear, nMonth, nDay, nHour, nMinute, nSecond; // nYear -1: invalid
};

TEST(OleDateTime, ADateMadeBeforeMainIsRight)
{
    EXPECT_EQ(double(DATE(g_staticDate)), 36526.0);
}

TEST(OleDateTime, NumbersDecodeToTheCalendar)
{
    const DateCase cases[] = {
        {"date 0", 0.0, 1899, 12, 30, 0, 0, 0},
        {"noon of 1 January 1900", 2.5, 1900, 1, 1, 12, 0, 0},
        {"before date 0 the fraction counts forwards", -1.25, 1899, 12, 29, 6, 0, 0},
        {"first valid day", -657434.0, 100, 1, 1, 0, 0, 0},
        {"last valid day", 2958465.5, 9999, 12, 31, 12, 0, 0},
        {"23:59:59.6 rounds into the next day", 36525.0 + (86399.6 / 86400.0), 2000, 1, 1, 0, 0, 0},
        {"23:59:59.4 stays", 36525.0 + (86399.4 / 86400.0), 1999, 12, 31, 23, 59, 59},
        {"day before the range", -657435.0, -1, 0, 0, 0, 0, 0},
        {"day after the range", 2958466.0, -1, 0, 0, 0, 0, 0},
        {"not a number", std::nan(""), -1, 0, 0, 0, 0, 0},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.what);
        const COleDateTime date(c.dt);
        if (c.nYear < 0) {
            EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
            EXPECT_EQ(date.GetYear(), AFX_OLE_DATETIME_ERROR);
            EXPECT_EQ(date.Format("%Y"), "");
            continue;
        }
        EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
        EXPECT_EQ(date.GetYear(), c.nYear);
        EXPECT_EQ(date.GetMonth(), c.nMonth);
        EXPECT_EQ(date.GetDay(), c.nDay);
        EXPECT_EQ(date.GetHour(), c.nHour);
        EXPECT_EQ(date.GetMinute(), c.nMinute);
        EXPECT_EQ(date.GetSecond(), c.nSecond);
    }
}

TEST(OleDateTime, PartsBuildOnlyRealDates)
{
    struct {
        int y, m, d, h, mi, s;
        bool bValid;
    } cases[] = {
        {2004, 2, 29, 0, 0, 0, true},   {2004, 4, 31, 0, 0, 0, false}, {1900, 2, 29, 0, 0, 0, false},
        {2000, 2, 29, 23, 59, 59, true}, {99, 12, 31, 0, 0, 0, false},  {2004, 1, 1, 24, 0, 0, false},
        {2004, 13, 1, 0, 0, 0, false},  {2004, 1, 1, 0, 60, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d << " " << c.h << ":" << c.mi);
        COleDateTime date(1.0);
        EXPECT_EQ(date.SetDateTime(c.y, c.m, c.d, c.h, c.mi, c.s), c.bValid ? 0 : 1);
        EXPECT_EQ(date.GetStatus(), c.bValid ? COleDateTime::valid : COleDateTime::invalid);
        if (c.bValid) {
            EXPECT_EQ(date.GetYear(), c.y);
            EXPECT_EQ(date.GetMonth(), c.m);
            EXPECT_EQ(date.GetDay(), c.d);
            EXPECT_EQ(date.GetSecond(), c.s);
        } else {
            EXPECT_EQ(double(date), 0.0); // never moved to another day
        }
    }
    EXPECT_EQ(COleDateTime(2000, 1, 1, 0, 0, 0).GetDayOfWeek(), 7); // a Saturday
    EXPECT_EQ(COleDateTime(2004, 2, 29, 0, 0, 0).GetDayOfWeek(), 1); // a Sunday
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);
    EXPECT_EQ(COleDateTime(1900, 1, 1, 12, 0, 0).m_dt, 2.5);
}

TEST(OleDateTime, SpansAndComparisonsFollowTheCalendar)
{
    const COleDateTimeSpan span(1.5);
    EXPECT_EQ(span.GetTotalHours(), 36.0);
    EXPECT_EQ(COleDateTimeSpan(1, 12, 0, 0), span);

    // across date 0, where the numbers run backwards within a day
    const COleDateTime before(1899, 12, 29, 6, 0, 0);
    const COleDateTime midnight(1899, 12, 29, 0, 0, 0);
    EXPECT_TRUE(midnight < before);
    EXPECT_EQ((before - midnight).GetTotalHours(), 6.0);
    const COleDateTime later = before + span;
    EXPECT_EQ(later, COleDateTime(1899, 12, 30, 18, 0, 0));
    EXPECT_EQ(later - span, before);
    EXPECT_EQ(COleDateTime(2004, 2, 28, 12, 0, 0) + COleDateTimeSpan(1, 0, 0, 0), COleDateTime(2004, 2, 29, 12, 0, 0));

    // leaving the range, or an invalid operand, gives an invalid result
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ((bad + span).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((bad - midnight).GetStatus(), COleDateTimeSpan::invalid);
}

TEST(OleDateTime, FormatsWithTheLibrarysOwnConversionsAndTheLocale)
{
    const COleDateTime date(2004, 2, 29, 0, 0, 0);
    EXPECT_EQ(date.Format("%Y-%m-%d %H:%M:%S"), "2004-02-29 00:00:00");
    const COleDateTime evening(2004, 2, 29, 19, 5, 9);
    EXPECT_EQ(evening.Format("%I:%M %y %%"), "07:05 04 %");
    // the pinned locale's short date and time
    EXPECT_EQ(evening.Format("%x"), "29.2.2004");
    EXPECT_EQ(evening.Format("%c"), "29.2.2004 19:05:09");
    EXPECT_EQ(evening.Format(), "29.2.2004 19:05:09");
    EXPECT_EQ(evening.Format(VAR_DATEVALUEONLY), "29.2.2004");
    EXPECT_EQ(evening.Format("%#c|%d-%b-%y"), "Sonntag, 29. Februar 2004 19:05:09|29-Feb-04");
    // conversions the library does not know give nothing at all
    EXPECT_EQ(evening.Format("%Y %q"), "");
    EXPECT_EQ(evening.Format("100%"), "");
}

TEST(OleDateTime, ParsesInThePinnedDayMonthYearLocale)
{
    COleDateTime date;
    EXPECT_TRUE(date.ParseDateTime("29.02.2000", 0, LANG_USER_DEFAULT));
    EXPECT_EQ(date, COleDateTime(2000, 2, 29, 0, 0, 0));
    EXPECT_TRUE(date.ParseDateTime("1.1.1999 13:30", LOCALE_NOUSEROVERRIDE, LANG_USER_DEFAULT));
    EXPECT_EQ(date, COleDateTime(1999, 1, 1, 13, 30, 0));

    for (const char* text : {"31.04.2004", "29.02.1900", "no date", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(date.ParseDateTime(text));
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
    }
    EXPECT_FALSE(date.ParseDateTime(nullptr));
}

TEST(Time, ReadsLocalPartsAndRefusesUnknownFormats)
{
    // 29 February 2004 12:00 UTC: the 29th in every time zone
    const CTime time(1078056000);
    EXPECT_EQ(time.Format("%Y"), "2004");
    EXPECT_EQ(time.GetMonth(), 2);
    EXPECT_EQ(time.GetDay(), 29);
    EXPECT_EQ(time.GetDayOfWeek(), 1);
    EXPECT_EQ(time.Format("%Y %Q"), "");
    EXPECT_EQ(time.Format(std::string(255, 'x').c_str()), std::string(255, 'x').c_str());
    EXPECT_EQ(time.Format((std::string(254, 'x') + "%Y").c_str()), ""); // 258 characters
    EXPECT_GE(CTime::GetCurrentTime().GetYear(), 2024);
}

// ---- variants ----------------------------------------------------------------------------------

COleVariant RoundTrip(const COleVariant& var)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << var;
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    COleVariant back;
    ar >> back;
    return back;
}

TEST(OleVariant, ValuesRoundTripThroughAnArchive)
{
    CByteArray bytes;
    for (int i = 0; i < 300; ++i)
        bytes.Add(uint8_t(i));
    const COleVariant values[] = {
        COleVariant(LONG(-123456)), COleVariant(2.75), COleVariant("Zażółć"), COleVariant(COleDateTime(2004, 2, 29, 6, 0, 0)),
        COleVariant(bytes), COleVariant(), COleVariant(short(1), VT_BOOL), COleVariant(""),
    };
    for (const COleVariant& var : values) {
        SCOPED_TRACE(V_VT(&var));
        const COleVariant back = RoundTrip(var);
        EXPECT_EQ(V_VT(&back), V_VT(&var));
        EXPECT_TRUE(back == var);
    }
    EXPECT_EQ(RoundTrip(COleVariant("Zażółć")).GetString(), "Zażółć");
}

TEST(OleVariant, StoredFormIsTheTypeWordThenTheValue)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CByteArray bytes;
        bytes.Add(0x42);
        bytes.Add(0x4D);
        ar << COleVariant(LONG(7)) << COleVariant(bytes) << COleVariant("ab");
        ar.Close();
    }
    const uint8_t expected[] = {3, 0, 7, 0, 0, 0,                    // VT_I4, LONG
                                0x11, 0x20, 2, 0, 0, 0, 0x42, 0x4D, // VT_ARRAY | VT_UI1, DWORD length, bytes
                                8, 0, 2, 'a', 'b'};                 // VT_BSTR, archived string
    ASSERT_EQ(file.GetLength(), sizeof expected);
    uint8_t* p = file.Detach();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(p), sizeof expected),
              std::string(reinterpret_cast<const char*>(expected), sizeof expected));
    free(p);
}

TEST(OleVariant, TruncatedOrUnknownArchivesAreRefused)
{
    const uint8_t truncated[] = {0x11, 0x20, 0xFF, 0xFF, 0, 0, 1, 2}; // claims 65535 bytes
    const uint8_t unknown[] = {9, 0, 0, 0};                          // VT_DISPATCH
    for (const auto& data : {std::string(reinterpret_cast<const char*>(truncated), sizeof truncated),
                             std::string(reinterpret_cast<const char*>(unknown), sizeof unknown)}) {
        CMemFile file(reinterpret_cast<uint8_t*>(const_cast<char*>(data.data())), uint32_t(data.size()));
        CArchive ar(&file, CArchive::load);
        COleVariant var(LONG(1));
        try {
            ar >> var;
            ADD_FAILURE() << "no archive exception";
        } catch (CArchiveException* e) {
            e->Delete();
        }
        EXPECT_EQ(V_VT(&var), VT_I4); // left as it was
    }
}

TEST(OleVariant, CopiesAreDeepAndClearEmpties)
{
    COleVariant original("text");
    COleVariant copy(original);
    EXPECT_NE(V_BSTR(&copy), V_BSTR(&original));
    original.Clear();
    EXPECT_EQ(V_VT(&original), VT_EMPTY);
    EXPECT_EQ(copy.GetString(), "text");

    CByteArray bytes;
    bytes.Add(1);
    COleVariant array(bytes);
    COleVariant assigned;
    assigned = array;
    EXPECT_NE(V_ARRAY(&assigned), V_ARRAY(&array));
    EXPECT_TRUE(assigned == array);
    array.Clear();
    CByteArray back;
    assigned.GetByteArray(back);
    ASSERT_EQ(back.GetSize(), 1);
    EXPECT_EQ(back[0], 1);

    EXPECT_FALSE(COleVariant(LONG(1)) == COleVariant(1.0)); // types differ
    EXPECT_FALSE(COleVariant("a") == COleVariant("b"));
}

} // namespace
