// The process-wide date/time module: dates and times in the user's locale read from and written to
// texts. Two modules share one pointer of the library state: the one on the OLE date services
// (installed first, so the one in use) and the one that reads the locale's patterns itself.
//
// Does not do yet: the modules (CGXOleDateTimeImp, CGXNoOleDateTimeImp) come with their own work; their
// creators (GXCreateOleDateTimeImp, GXCreateNoOleDateTimeImp) plug into the table of GXOperations.cpp when
// they land.
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

CGXAbstractDateTimeImp* GXCreateOleDateTimeImp();
CGXAbstractDateTimeImp* GXCreateNoOleDateTimeImp();
