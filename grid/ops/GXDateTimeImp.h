// The process-wide date/time module: dates and times in the user's locale read from and written to
// texts. Two modules share one pointer of the library state: the one on the OLE date services
// (installed first, so the one in use) and the one that reads the locale's patterns itself.
//
// The broken-down time of ParseDateTimeTm follows the C runtime: month 0-11, years since 1900.
#pragma once

#include <windows.h>

#include <ctime>

#include "core/Core.h"

class CTime;

// The date/time fields of a parsed text: month 0 when there is no date.
struct GridDateTimeFields {
    WORD nYear;
    WORD nMonth;
    WORD nDay;
    WORD nHour;
    WORD nMinute;
    WORD nSecond;
    DWORD dwReserved;
};

class CGXAbstractDateTimeImp : public CObject {
public:
    // Reads the locale's date order and time separator again.
    virtual void RefreshLocaleInfo() = 0;
    // The locale's date order (0 day-month-year, 1 month-day-year, 2 year-month-day, 3 left to the OLE
    // services), with its year width and date separator (untouched when the order is 3).
    virtual int GetDateOrder(BOOL bRefresh, BOOL& bFourDigitYear, char& chDateSeparator) = 0;
    // The locale's time separator (0 when left to the OLE services).
    virtual char GetTimeSeparator(BOOL bRefresh) = 0;
    // Reads pszText in date order nOrder into the fields or the broken-down time. TRUE when read.
    virtual BOOL ParseDateTimeFields(GridDateTimeFields* pFields, const char* pszText, int nOrder) = 0;
    virtual BOOL ParseDateTimeTm(struct tm* pTm, const char* pszText, int nOrder) = 0;
    // The text of the fields or of a time.
    virtual void FormatDateTimeFields(CString& strText, const GridDateTimeFields* pFields) = 0;
    virtual void FormatCTime(CString& strText, const CTime* pTime) = 0;
};

// Leaves reading and writing to the OLE date services in the user's locale (whatever the order asked).
class CGXOleDateTimeImp : public CGXAbstractDateTimeImp {
public:
    // Nothing: the OLE services read the locale themselves.
    void RefreshLocaleInfo() override {}
    // Always 3 (the OLE services follow the locale's own order); the outputs stay untouched.
    int GetDateOrder(BOOL bRefresh, BOOL& bFourDigitYear, char& chDateSeparator) override;
    // The zero character: the OLE services choose the separator themselves.
    char GetTimeSeparator(BOOL bRefresh) override;
    // The text through COleDateTime::ParseDateTime; a time alone lies on 30 December 1899. The record
    // is cleared first; FALSE when the OLE parser refuses the text.
    BOOL ParseDateTimeFields(GridDateTimeFields* pFields, const char* pszText, int nOrder) override;
    BOOL ParseDateTimeTm(struct tm* pTm, const char* pszText, int nOrder) override;
    // The locale's date ("%x") when the time is midnight, its date and time ("%c") otherwise, its time
    // ("%X") when the month is 0 (no date). Empty for fields that make no valid date and for month 0
    // at midnight.
    void FormatDateTimeFields(CString& strText, const GridDateTimeFields* pFields) override;
    // The local time with "%c", or "%x" at midnight.
    void FormatCTime(CString& strText, const CTime* pTime) override;
};

// Reads and writes dates itself from the locale's short-date pattern and time separator, cached in
// the module until RefreshLocaleInfo (or a call with bRefresh) reads them again.
//
// Reading: "date time", a date alone or a time alone (a text with the time separator). A time is hours,
// the separator, two digits of minutes and, three characters on, two of seconds, with "AM"/"A" or
// "PM"/"P" at its end (12 AM is 0:00, 12 PM 12:00); the hour must be 0..23 afterwards and minutes and
// seconds 0..59. A date is three numbers of "0123456789/-. " in the order given (3: the locale's), or
// six digits read as three pairs; a year of one or two digits is in the 1900s, and the day must exist in
// its month. A time alone gives month 0 in the fields (no date) and 1 January 1970 in the broken-down
// time, whose years 0..37 count as 2000..2037.
class CGXNoOleDateTimeImp : public CGXAbstractDateTimeImp {
public:
    // Reads the date order and the time separator again.
    void RefreshLocaleInfo() override;
    // The order of the short-date pattern (first letter D 0, M 1, Y 2; 1 otherwise), four-digit years
    // when it holds "yyyy", the separator after its first letters; read when bRefresh or never read.
    int GetDateOrder(BOOL bRefresh, BOOL& bFourDigitYear, char& chDateSeparator) override;
    // The locale's time separator (':' when it has none); read when bRefresh or never read.
    char GetTimeSeparator(BOOL bRefresh) override;
    // See the top of the class. FALSE for a text that is no date or time, an empty one included.
    BOOL ParseDateTimeFields(GridDateTimeFields* pFields, const char* pszText, int nOrder) override;
    BOOL ParseDateTimeTm(struct tm* pTm, const char* pszText, int nOrder) override;
    // The date in the locale's order, separator and year width when the month is not 0, then the time
    // "hh:mm:ss" (24-hour clock, the locale's separator) when it is not midnight.
    void FormatDateTimeFields(CString& strText, const GridDateTimeFields* pFields) override;
    // The local time with "%c", or "%x" at midnight.
    void FormatCTime(CString& strText, const CTime* pTime) override;

private:
    // The text read into the fields (the record's year as typed); FALSE when invalid.
    BOOL Parse(GridDateTimeFields& fields, const char* pszText, int nOrder);

    int m_nDateOrder = 3;  // 3: not read yet
    char m_chDateSeparator = '/';
    BOOL m_bFourDigitYear = FALSE;
    char m_chTimeSeparator = 0;  // 0: not read yet
};

// Make a CGXOleDateTimeImp and a CGXNoOleDateTimeImp.
CGXAbstractDateTimeImp* GXCreateOleDateTimeImp();
CGXAbstractDateTimeImp* GXCreateNoOleDateTimeImp();
