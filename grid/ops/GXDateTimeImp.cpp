// The date/time modules (see GXDateTimeImp.h).
#include "grid/ops/GXDateTimeImp.h"

#include "core/NumberText.h"
#include "win/COleDateTime.h"
#include "win/CTime.h"

#include <cstring>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}

// The number of the first nMax characters of p (atoi of them).
int LeadingNumber(const char* p, size_t nMax)
{
    return AfxAtoi(std::string(p, strnlen(p, nMax)).c_str());
}

bool EndsWithNoCase(const std::string& text, const char* pszEnd)
{
    const size_t n = std::strlen(pszEnd);
    return text.size() >= n && CString(text.substr(text.size() - n).c_str()).CompareNoCase(pszEnd) == 0;
}

bool IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int DaysInMonth(int nMonth, int nYear)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

// Reads one date field at p: blanks, one separator, then 1..nMaxDigits digits. False when none.
bool ReadDateField(const char*& p, int nMaxDigits, int& nValue, int& nDigits)
{
    if (*p == '\0')
        return false;
    p = SkipBlanks(p);
    if (*p != '\0' && !IsDigit(*p))
        ++p;
    nValue = 0;
    nDigits = 0;
    while (nDigits < nMaxDigits && IsDigit(*p)) {
        nValue = nValue * 10 + (*p++ - '0');
        ++nDigits;
    }
    return nDigits > 0;
}

// Reads hours, minutes and seconds of a time text (hours before chSeparator) into the fields.
bool ReadTime(const std::string& time, char chSeparator, GridDateTimeFields& fields)
{
    const size_t nSeparator = time.find(chSeparator);
    int nHour = AfxAtoi(time.substr(0, nSeparator).c_str());
    std::string trimmed = time;
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    if (EndsWithNoCase(trimmed, "PM") || EndsWithNoCase(trimmed, "P")) {
        nHour += 12;
        if (nHour == 24)
            nHour = 12;
    } else if (EndsWithNoCase(trimmed, "AM") || EndsWithNoCase(trimmed, "A")) {
        if (nHour >= 13)
            return false;
        if (nHour == 12)
            nHour = 0;
    }
    // 24 passes the AM/PM rule unchanged but is no hour of the fields
    if (nHour < 0 || nHour > 23)
        return false;
    const char* pMinutes = nSeparator == std::string::npos ? "" : time.c_str() + nSeparator + 1;
    const int nMinute = LeadingNumber(pMinutes, 2);
    const int nSecond = std::strlen(pMinutes) > 3 ? LeadingNumber(pMinutes + 3, 2) : 0;
    if (nMinute < 0 || nMinute > 59 || nSecond < 0 || nSecond > 59)
        return false;
    fields.nHour = WORD(nHour);
    fields.nMinute = WORD(nMinute);
    fields.nSecond = WORD(nSecond);
    return true;
}

// Reads a date text in order nOrder (0 day-month-year, 1 month-day-year, 2 year-month-day).
bool ReadDate(std::string date, int nOrder, GridDateTimeFields& fields)
{
    if (date.find_first_not_of("0123456789/-. ") != std::string::npos)
        return false;
    if (date.size() == 6 && date.find_first_not_of("0123456789") == std::string::npos)
        date = date.substr(0, 2) + '/' + date.substr(2, 2) + '/' + date.substr(4);
    static const char kSequences[3][3] = {{'d', 'm', 'y'}, {'m', 'd', 'y'}, {'y', 'm', 'd'}};
    if (nOrder < 0 || nOrder > 2)
        return false;
    int nDay = 0, nMonth = 0, nYear = 0;
    const char* p = date.c_str();
    for (char chField : kSequences[nOrder]) {
        int nValue = 0, nDigits = 0;
        if (!ReadDateField(p, chField == 'y' ? 4 : 2, nValue, nDigits))
            return false;
        if (chField == 'd') {
            if (nValue < 1 || nValue > 31)
                return false;
            nDay = nValue;
        } else if (chField == 'm') {
            if (nValue < 1 || nValue > 12)
                return false;
            nMonth = nValue;
        } else {
            nYear = nDigits <= 2 && nValue >= 1 ? nValue + 1900 : nValue;
        }
    }
    if (nDay > DaysInMonth(nMonth, nYear))
        return false;
    fields.nYear = WORD(nYear);
    fields.nMonth = WORD(nMonth);
    fields.nDay = WORD(nDay);
    return true;
}

// The broken-down time of parsed fields: month 0-11 and years since 1900, years 0..37 in the 2000s;
// fields without a date are 1 January 1970.
void FieldsToTm(const GridDateTimeFields& fields, struct tm& time)
{
    std::memset(&time, 0, sizeof(time));
    time.tm_sec = fields.nSecond;
    time.tm_min = fields.nMinute;
    time.tm_hour = fields.nHour;
    time.tm_mday = fields.nDay;
    time.tm_mon = fields.nMonth > 0 ? fields.nMonth - 1 : 0;
    int nYear = fields.nYear;
    if (fields.nMonth > 0) {
        if (nYear >= 1900)
            nYear -= 1900;
        else if (nYear <= 37)
            nYear += 100;
    }
    time.tm_year = nYear;
}

void FieldsOfDate(const COleDateTime& date, GridDateTimeFields& fields)
{
    fields.nYear = WORD(date.GetYear());
    fields.nMonth = WORD(date.GetMonth());
    fields.nDay = WORD(date.GetDay());
    fields.nHour = WORD(date.GetHour());
    fields.nMinute = WORD(date.GetMinute());
    fields.nSecond = WORD(date.GetSecond());
}

// The text of a CTime for both modules: its date and time, or its date alone at midnight.
void FormatLocalTime(CString& strText, const CTime* pTime)
{
    if (pTime == nullptr) {
        strText.Empty();
        return;
    }
    const bool bTime = pTime->GetHour() != 0 || pTime->GetMinute() != 0 || pTime->GetSecond() != 0;
    strText = pTime->Format(bTime ? "%c" : "%x");
}

}  // namespace

int CGXOleDateTimeImp::GetDateOrder(BOOL, BOOL&, char&)
{
    return 3;
}

char CGXOleDateTimeImp::GetTimeSeparator(BOOL)
{
    return 0;
}

BOOL CGXOleDateTimeImp::ParseDateTimeFields(GridDateTimeFields* pFields, const char* pszText, int)
{
    if (pFields == nullptr)
        return FALSE;
    std::memset(pFields, 0, sizeof(*pFields));
    COleDateTime date;
    if (!date.ParseDateTime(pszText, 0, LANG_USER_DEFAULT))
        return FALSE;
    FieldsOfDate(date, *pFields);
    return TRUE;
}

BOOL CGXOleDateTimeImp::ParseDateTimeTm(struct tm* pTm, const char* pszText, int)
{
    if (pTm == nullptr)
        return FALSE;
    std::memset(pTm, 0, sizeof(*pTm));
    COleDateTime date;
    if (!date.ParseDateTime(pszText, 0, LANG_USER_DEFAULT))
        return FALSE;
    pTm->tm_year = date.GetYear() - 1900;
    pTm->tm_mon = date.GetMonth() - 1;
    pTm->tm_mday = date.GetDay();
    pTm->tm_hour = date.GetHour();
    pTm->tm_min = date.GetMinute();
    pTm->tm_sec = date.GetSecond();
    return TRUE;
}

void CGXOleDateTimeImp::FormatDateTimeFields(CString& strText, const GridDateTimeFields* pFields)
{
    strText.Empty();
    if (pFields == nullptr)
        return;
    const GridDateTimeFields& f = *pFields;
    const bool bMidnight = f.nHour == 0 && f.nMinute == 0 && f.nSecond == 0;
    COleDateTime date;
    if (f.nMonth == 0) {
        // a time alone; at midnight nothing, as the date of no date
        if (!bMidnight) {
            date.SetTime(f.nHour, f.nMinute, f.nSecond);
            strText = date.Format("%X");
        }
        return;
    }
    date.SetDateTime(f.nYear, f.nMonth, f.nDay, f.nHour, f.nMinute, f.nSecond);
    strText = date.Format(bMidnight ? "%x" : "%c");
}

void CGXOleDateTimeImp::FormatCTime(CString& strText, const CTime* pTime)
{
    FormatLocalTime(strText, pTime);
}

void CGXNoOleDateTimeImp::RefreshLocaleInfo()
{
    BOOL bFourDigitYear = FALSE;
    char chDateSeparator = 0;
    GetDateOrder(TRUE, bFourDigitYear, chDateSeparator);
    GetTimeSeparator(TRUE);
}

int CGXNoOleDateTimeImp::GetDateOrder(BOOL bRefresh, BOOL& bFourDigitYear, char& chDateSeparator)
{
    if (bRefresh || m_nDateOrder == 3) {
        char szPattern[128] = "";
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, szPattern, int(sizeof(szPattern))) == 0)
            szPattern[0] = '\0';
        CString strPattern(szPattern);
        strPattern.MakeUpper();
        m_nDateOrder = 1;
        if (!strPattern.IsEmpty()) {
            const char chFirst = strPattern[0];
            m_nDateOrder = chFirst == 'D' ? 0 : chFirst == 'Y' ? 2 : 1;
            m_bFourDigitYear = strPattern.Find("YYYY") >= 0;
            int i = 0;
            while (i < strPattern.GetLength() && strPattern[i] >= 'A' && strPattern[i] <= 'Z')
                ++i;
            if (i < strPattern.GetLength())
                m_chDateSeparator = strPattern[i];
        }
    }
    bFourDigitYear = m_bFourDigitYear;
    chDateSeparator = m_chDateSeparator;
    return m_nDateOrder;
}

char CGXNoOleDateTimeImp::GetTimeSeparator(BOOL bRefresh)
{
    if (bRefresh || m_chTimeSeparator == 0) {
        char szSeparator[8] = "";
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, szSeparator, int(sizeof(szSeparator))) == 0)
            szSeparator[0] = '\0';
        m_chTimeSeparator = szSeparator[0] != '\0' ? szSeparator[0] : ':';
    }
    return m_chTimeSeparator;
}

BOOL CGXNoOleDateTimeImp::Parse(GridDateTimeFields& fields, const char* pszText, int nOrder)
{
    std::memset(&fields, 0, sizeof(fields));
    if (pszText == nullptr)
        return FALSE;
    const std::string text = pszText;
    const char chTimeSeparator = GetTimeSeparator(FALSE);
    const size_t nSeparator = text.find(chTimeSeparator);
    const size_t nBlank = text.find(' ');
    std::string date, time;
    if (nBlank != std::string::npos && nSeparator != std::string::npos && nBlank < nSeparator) {
        date = text.substr(0, nBlank);
        time = text.substr(nBlank + 1);
    } else if (nSeparator != std::string::npos) {
        time = text;
    } else {
        date = text;
    }
    date = SkipBlanks(date.c_str());
    time = SkipBlanks(time.c_str());
    if (date.empty() && time.empty())
        return FALSE;
    if (!time.empty()) {
        fields.nYear = 70;
        fields.nMonth = 0;
        fields.nDay = 1;
        if (!ReadTime(time, chTimeSeparator, fields))
            return FALSE;
    }
    if (!date.empty()) {
        if (nOrder == 3) {
            BOOL bFourDigitYear = FALSE;
            char chDateSeparator = 0;
            nOrder = GetDateOrder(FALSE, bFourDigitYear, chDateSeparator);
        }
        if (!ReadDate(date, nOrder, fields))
            return FALSE;
    }
    return TRUE;
}

BOOL CGXNoOleDateTimeImp::ParseDateTimeFields(GridDateTimeFields* pFields, const char* pszText, int nOrder)
{
    return pFields != nullptr && Parse(*pFields, pszText, nOrder);
}

BOOL CGXNoOleDateTimeImp::ParseDateTimeTm(struct tm* pTm, const char* pszText, int nOrder)
{
    if (pTm == nullptr)
        return FALSE;
    GridDateTimeFields fields;
    const BOOL bValid = Parse(fields, pszText, nOrder);
    if (bValid)
        FieldsToTm(fields, *pTm);
    else
        std::memset(pTm, 0, sizeof(*pTm));
    return bValid;
}

void CGXNoOleDateTimeImp::FormatDateTimeFields(CString& strText, const GridDateTimeFields* pFields)
{
    strText.Empty();
    if (pFields == nullptr)
        return;
    const GridDateTimeFields& f = *pFields;
    CString strDate, strTime;
    if (f.nMonth != 0) {
        BOOL bFourDigitYear = FALSE;
        char c = '/';
        const int nOrder = GetDateOrder(FALSE, bFourDigitYear, c);
        const int nYear = bFourDigitYear ? f.nYear : f.nYear % 100;
        const char* pszFormat = bFourDigitYear ? "%02d%c%02d%c%04d" : "%02d%c%02d%c%02d";
        if (nOrder == 0)
            strDate.Format(pszFormat, int(f.nDay), c, int(f.nMonth), c, nYear);
        else if (nOrder == 1)
            strDate.Format(pszFormat, int(f.nMonth), c, int(f.nDay), c, nYear);
        else if (nOrder == 2)
            strDate.Format(bFourDigitYear ? "%04d%c%02d%c%02d" : "%02d%c%02d%c%02d", nYear, c, int(f.nMonth), c,
                           int(f.nDay));
    }
    if (f.nHour != 0 || f.nMinute != 0 || f.nSecond != 0) {
        const char c = GetTimeSeparator(FALSE);
        strTime.Format("%02d%c%02d%c%02d", int(f.nHour), c, int(f.nMinute), c, int(f.nSecond));
    }
    strText = strDate.IsEmpty() || strTime.IsEmpty() ? strDate + strTime : strDate + " " + strTime;
}

void CGXNoOleDateTimeImp::FormatCTime(CString& strText, const CTime* pTime)
{
    FormatLocalTime(strText, pTime);
}

CGXAbstractDateTimeImp* GXCreateOleDateTimeImp()
{
    return new CGXOleDateTimeImp;
}

CGXAbstractDateTimeImp* GXCreateNoOleDateTimeImp()
{
    return new CGXNoOleDateTimeImp;
}
