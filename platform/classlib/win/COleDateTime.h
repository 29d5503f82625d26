// COleDateTime and COleDateTimeSpan: the OLE Automation date and the distance between two of them.
//
// A date is a double counting days since 30 December 1899 00:00 (date 0). The whole part gives the
// day, the fraction the time of day; before date 0 the fraction still counts forwards from the
// start of the day, so -1.25 is 29 December 1899 06:00 (-1 is that day's midnight). Dates from
// 1 January 100 (-657434) to 31 December 9999 (2958465 and its time of day) are valid; anything else,
// NaN included, has the status invalid. The calendar is the Gregorian one for every year.
//
// Decoding a date into its parts rounds to the nearest second first, so 23:59:59.6 is midnight of the
// next day. Comparisons and arithmetic follow the calendar (a negative date's fraction counts
// forwards), so 29 December 1899 06:00 is later than 29 December 1899 00:00.
//
// Status: valid, invalid (the result of an impossible date, a failed parse or arithmetic with an
// invalid operand) or null (set by the program; treated as not valid). A date that is not valid
// answers -1 for its parts (AFX_OLE_DATETIME_ERROR) and an empty text from Format.
//
// Text: ParseDateTime reads what the user typed through the system's OLE date parser in the given
// locale (LANG_USER_DEFAULT 0x400 follows the user's settings; LOCALE_NOUSEROVERRIDE ignores their
// overrides). Impossible dates (31 April) are refused, never moved to another day. Format() gives the
// system's text of the date in a locale; Format(lpszFormat) is written here, never by the C library:
// see AfxFormatDateTime.
#pragma once

#include "core/Core.h"

#include <windows.h>
#include <oleauto.h>

// The answer of a part query on a date that is not valid.
#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTimeSpan;

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // The current local date and time, to the second.
    static COleDateTime GetCurrentTime();

    // Date 0 (30 December 1899 00:00), valid.
    COleDateTime();
    // The date dtSrc; invalid outside the valid range (see the top of this file).
    COleDateTime(DATE dtSrc);
    // The date of these parts (SetDateTime).
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    // The date of a local SYSTEMTIME (its milliseconds are dropped).
    explicit COleDateTime(const SYSTEMTIME& systimeSrc);

    COleDateTime& operator=(DATE dtSrc);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // Sets the date from its parts: year 100..9999, month 1..12, day 1..the month's length, hour
    // 0..23, minute and second 0..59. Returns 0 and makes the date valid; for parts outside those
    // ranges returns 1 and makes it invalid (date 0). SetDate takes midnight, SetTime date 0.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    // The parts, rounded to the nearest second; AFX_OLE_DATETIME_ERROR when not valid. GetDayOfWeek:
    // 1 Sunday .. 7 Saturday.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;
    // All parts at once into a SYSTEMTIME (wDayOfWeek 0 = Sunday, no milliseconds). FALSE when not
    // valid.
    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // Calendar comparisons (see the top of this file). Dates that are not valid compare by their
    // stored numbers.
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    // The date moved by a span; invalid when either is not valid or the result leaves the range.
    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);
    // The span from date to this date; invalid when either is not valid.
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Reads lpszDate with the system's OLE date parser (VarDateFromStr). dwFlags: 0, or
    // LOCALE_NOUSEROVERRIDE, VAR_TIMEVALUEONLY, VAR_DATEVALUEONLY; lcid: the locale (0x400 the
    // user's). TRUE and a valid date on success; FALSE and an invalid date 0 when the text is no date
    // (a null text included).
    BOOL ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);
    // The system's text of the date in locale lcid (VarBstrFromDate with dwFlags: 0, or
    // LOCALE_NOUSEROVERRIDE, VAR_TIMEVALUEONLY, VAR_DATEVALUEONLY). Empty when not valid.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // The date through AfxFormatDateTime. Empty when not valid.
    CString Format(LPCSTR lpszFormat) const;

    DATE m_dt;
    DateTimeStatus m_status;
};

// A signed number of days (fractions are times), with a status like COleDateTime's.
class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    // 0 days, valid.
    COleDateTimeSpan();
    // dblSpanSrc days; invalid for NaN or infinity.
    COleDateTimeSpan(double dblSpanSrc);
    // lDays days and the given time (each part may be negative or beyond its usual range).
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    // The span in days / hours / minutes / seconds, fractions included.
    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
    double GetTotalSeconds() const { return m_span * 24.0 * 60.0 * 60.0; }
    operator double() const { return m_span; }

    bool operator==(const COleDateTimeSpan& span) const { return m_span == span.m_span; }
    bool operator!=(const COleDateTimeSpan& span) const { return m_span != span.m_span; }
    bool operator<(const COleDateTimeSpan& span) const { return m_span < span.m_span; }
    bool operator>(const COleDateTimeSpan& span) const { return m_span > span.m_span; }
    COleDateTimeSpan operator+(const COleDateTimeSpan& span) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& span) const;
    COleDateTimeSpan operator-() const;

    double m_span;
    DateTimeSpanStatus m_status;
};

// Formats the local time sysTime by lpszFormat without the C library, so that a format a user typed
// is safe. Conversions: %x the locale's short date, %X its time, %c both, %#c the long date and the
// time; %d day, %m month, %y two-digit year, %H hour (24), %I hour (12), %M minute, %S second, each
// two digits; %Y the year; %b the locale's abbreviated month name; %p its AM or PM designator; %%
// a percent sign. Any other conversion, a '%' at the end, or a result longer than 255 characters gives
// an empty text. Locale texts are the user's (LOCALE_USER_DEFAULT).
CString AfxFormatDateTime(const SYSTEMTIME& sysTime, LPCSTR lpszFormat);
