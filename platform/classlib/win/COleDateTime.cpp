// COleDateTime and COleDateTimeSpan: the calendar arithmetic of OLE dates, and their text through
// the system's OLE date services and the library's own formatter.
// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <cstdint>

#include "win/COleDateTime.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;

// Days from 1 January 1970 to the civil date (Gregorian for every year). Compile-time, so that the
// constants below are there before any other file's static dates are made.
constexpr int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The civil date of a day counted from 1 January 1970.
void CivilFromDays(int64_t z, int& y, int& m, int& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

constexpr int64_t kDay0 = DaysFromCivil(1899, 12, 30);

// The first second that is valid and the first that is not, counted from date 0.
constexpr int64_t kFirstSecond = (DaysFromCivil(100, 1, 1) - kDay0) * kSecondsPerDay;
constexpr int64_t kEndSecond = (DaysFromCivil(10000, 1, 1) - kDay0) * kSecondsPerDay;

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

// The date as a point on the time line: days since date 0 with the fraction always forwards, so
// that -1.25 (29 December 1899 06:00) is -0.75.
double Linear(double dt)
{
    const double whole = std::trunc(dt);
    return whole + std::fabs(dt - whole);
}

// The OLE date of a point on the time line.
double FromLinear(double x)
{
    const double day = std::floor(x);
    const double frac = x - day;
    return day >= 0 ? day + frac : day - frac;
}

// The date rounded to the nearest second, as seconds since date 0.
int64_t RoundedSeconds(double dt)
{
    return std::llround(Linear(dt) * double(kSecondsPerDay));
}

bool IsValidDate(double dt)
{
    // the coarse bounds first keep llround within range for huge values
    if (!std::isfinite(dt) || dt <= -657436.0 || dt >= 2958467.0)
        return false;
    const int64_t s = RoundedSeconds(dt);
    return s >= kFirstSecond && s < kEndSecond;
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

struct DateParts {
    int nYear, nMonth, nDay, nHour, nMinute, nSecond, nDayOfWeek;
};

// The parts of a valid date (nDayOfWeek 1 = Sunday).
DateParts Decode(double dt)
{
    const int64_t s = RoundedSeconds(dt);
    const int64_t day = FloorDiv(s, kSecondsPerDay);
    const int64_t sec = s - day * kSecondsPerDay;
    DateParts p;
    CivilFromDays(day + kDay0, p.nYear, p.nMonth, p.nDay);
    p.nHour = int(sec / 3600);
    p.nMinute = int(sec / 60 % 60);
    p.nSecond = int(sec % 60);
    // date 0 was a Saturday
    p.nDayOfWeek = int(((day % 7 + 7) % 7 + 6) % 7) + 1;
    return p;
}

// The locale's text of the date (dwFlags DATE_SHORTDATE or DATE_LONGDATE) / the time / a locale
// value appended to rText; false when the system cannot give it (a year it does not handle).
bool AppendDate(CString& rText, const SYSTEMTIME& st, DWORD dwFlags)
{
    char buf[256];
    if (::GetDateFormatA(LOCALE_USER_DEFAULT, dwFlags, &st, nullptr, buf, sizeof buf) == 0)
        return false;
    rText += buf;
    return true;
}

bool AppendTime(CString& rText, const SYSTEMTIME& st)
{
    char buf[256];
    if (::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, sizeof buf) == 0)
        return false;
    rText += buf;
    return true;
}

bool AppendLocaleInfo(CString& rText, LCTYPE lcType)
{
    char buf[256];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, lcType, buf, sizeof buf) == 0)
        return false;
    rText += buf;
    return true;
}

void AppendTwoDigits(CString& rText, int n)
{
    CString part;
    part.Format("%02d", n);
    rText += part;
}

CString FromBstr(BSTR bstr)
{
    if (bstr == nullptr)
        return CString();
    const int n = ::WideCharToMultiByte(CP_ACP, 0, bstr, int(::SysStringLen(bstr)), nullptr, 0, nullptr, nullptr);
    CString text;
    if (n > 0) {
        char* p = text.GetBuffer(n);
        ::WideCharToMultiByte(CP_ACP, 0, bstr, int(::SysStringLen(bstr)), p, n, nullptr, nullptr);
        text.ReleaseBuffer(n);
    }
    return text;
}

} // namespace

// ---- COleDateTime ----------------------------------------------------------------------------------

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime() : m_dt(0), m_status(valid)
{
}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(0), m_status(valid)
{
    *this = dtSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : m_dt(0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : m_dt(0), m_status(valid)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = IsValidDate(dtSrc) ? valid : invalid;
    return *this;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > DaysInMonth(nYear, nMonth) ||
        nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    const int64_t day = DaysFromCivil(nYear, nMonth, nDay) - kDay0;
    const double frac = double(nHour * 3600 + nMin * 60 + nSec) / double(kSecondsPerDay);
    m_dt = day >= 0 ? double(day) + frac : double(day) - frac;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

namespace {

// One part of a date, or AFX_OLE_DATETIME_ERROR when it is not valid.
int PartOf(const COleDateTime& date, int DateParts::*pPart)
{
    return date.GetStatus() == COleDateTime::valid ? Decode(date.m_dt).*pPart : AFX_OLE_DATETIME_ERROR;
}

} // namespace

int COleDateTime::GetYear() const { return PartOf(*this, &DateParts::nYear); }
int COleDateTime::GetMonth() const { return PartOf(*this, &DateParts::nMonth); }
int COleDateTime::GetDay() const { return PartOf(*this, &DateParts::nDay); }
int COleDateTime::GetHour() const { return PartOf(*this, &DateParts::nHour); }
int COleDateTime::GetMinute() const { return PartOf(*this, &DateParts::nMinute); }
int COleDateTime::GetSecond() const { return PartOf(*this, &DateParts::nSecond); }
int COleDateTime::GetDayOfWeek() const { return PartOf(*this, &DateParts::nDayOfWeek); }

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    if (m_status != valid)
        return FALSE;
    const DateParts p = Decode(m_dt);
    sysTime = SYSTEMTIME();
    sysTime.wYear = WORD(p.nYear);
    sysTime.wMonth = WORD(p.nMonth);
    sysTime.wDay = WORD(p.nDay);
    sysTime.wDayOfWeek = WORD(p.nDayOfWeek - 1);
    sysTime.wHour = WORD(p.nHour);
    sysTime.wMinute = WORD(p.nMinute);
    sysTime.wSecond = WORD(p.nSecond);
    return TRUE;
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    if (m_status == valid && date.m_status == valid)
        return Linear(m_dt) == Linear(date.m_dt);
    return m_status == date.m_status && m_dt == date.m_dt;
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    if (m_status == valid && date.m_status == valid)
        return Linear(m_dt) < Linear(date.m_dt);
    return m_dt < date.m_dt;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result;
    if (m_status != valid || dateSpan.m_status != COleDateTimeSpan::valid) {
        result.m_status = invalid;
        return result;
    }
    result = FromLinear(Linear(m_dt) + dateSpan.m_span);
    if (result.m_status != valid)
        result.m_dt = 0;
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this + dateSpan;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan span;
    if (m_status != valid || date.m_status != valid)
        span.m_status = COleDateTimeSpan::invalid;
    else
        span.m_span = Linear(m_dt) - Linear(date.m_dt);
    return span;
}

BOOL COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    m_dt = 0;
    m_status = invalid;
    if (lpszDate == nullptr)
        return FALSE;
    const int n = ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, nullptr, 0);
    if (n <= 0)
        return FALSE;
    BSTR bstr = ::SysAllocStringLen(nullptr, UINT(n - 1));
    if (bstr == nullptr)
        AfxThrowMemoryException();
    ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, bstr, n);
    DATE dt = 0;
    const HRESULT hr = ::VarDateFromStr(bstr, lcid, dwFlags, &dt);
    ::SysFreeString(bstr);
    if (FAILED(hr))
        return FALSE;
    *this = dt;
    if (m_status != valid)
        m_dt = 0;
    return m_status == valid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status != valid)
        return CString();
    BSTR bstr = nullptr;
    if (FAILED(::VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)))
        return CString();
    CString text = FromBstr(bstr);
    ::SysFreeString(bstr);
    return text;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return CString();
    return AfxFormatDateTime(st, lpszFormat);
}

// ---- COleDateTimeSpan ------------------------------------------------------------------------------

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc)
    : m_span(dblSpanSrc), m_status(std::isfinite(dblSpanSrc) ? valid : invalid)
{
    if (m_status != valid)
        m_span = 0;
}

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : COleDateTimeSpan(double(lDays) + (double(nHours) * 3600.0 + double(nMins) * 60.0 + double(nSecs)) / 86400.0)
{
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& span) const
{
    if (m_status != valid || span.m_status != valid) {
        COleDateTimeSpan result;
        result.m_status = invalid;
        return result;
    }
    return COleDateTimeSpan(m_span + span.m_span);
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& span) const
{
    return *this + (-span);
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

// ---- formatting -----------------------------------------------------------------------------------

CString AfxFormatDateTime(const SYSTEMTIME& st, LPCSTR lpszFormat)
{
    const int kMaxText = 255;
    CString text;
    if (lpszFormat == nullptr)
        return text;
    for (const char* p = lpszFormat; *p != '\0'; ++p) {
        if (*p != '%') {
            text += *p;
        } else {
            ++p;
            bool bDone = true;
            switch (*p) {
            case '%': text += '%'; break;
            case 'x': bDone = AppendDate(text, st, DATE_SHORTDATE); break;
            case 'X': bDone = AppendTime(text, st); break;
            case 'c':
                bDone = AppendDate(text, st, DATE_SHORTDATE);
                text += ' ';
                bDone = bDone && AppendTime(text, st);
                break;
            case '#':
                if (p[1] != 'c')
                    return CString();
                ++p;
                bDone = AppendDate(text, st, DATE_LONGDATE);
                text += ' ';
                bDone = bDone && AppendTime(text, st);
                break;
            case 'd': AppendTwoDigits(text, st.wDay); break;
            case 'm': AppendTwoDigits(text, st.wMonth); break;
            case 'y': AppendTwoDigits(text, st.wYear % 100); break;
            case 'Y': {
                CString year;
                year.Format("%d", int(st.wYear));
                text += year;
                break;
            }
            case 'H': AppendTwoDigits(text, st.wHour); break;
            case 'I': AppendTwoDigits(text, st.wHour % 12 == 0 ? 12 : st.wHour % 12); break;
            case 'M': AppendTwoDigits(text, st.wMinute); break;
            case 'S': AppendTwoDigits(text, st.wSecond); break;
            case 'b':
                bDone = st.wMonth >= 1 && st.wMonth <= 12 &&
                        AppendLocaleInfo(text, LCTYPE(LOCALE_SABBREVMONTHNAME1 + st.wMonth - 1));
                break;
            case 'p': bDone = AppendLocaleInfo(text, st.wHour < 12 ? LOCALE_S1159 : LOCALE_S2359); break;
            default: return CString(); // an unknown conversion, or '%' at the end
            }
            if (!bDone)
                return CString();
        }
        if (text.GetLength() > kMaxText)
            return CString();
    }
    return text;
}
