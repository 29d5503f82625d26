// CTime: the local reading of a moment through the system's time-zone conversion.
#include "win/CTime.h"

#include "win/COleDateTime.h"

namespace {

// 100-nanosecond intervals from 1 January 1601 to 1 January 1970.
const int64_t kUnixEpochInFileTime = 116444736000000000LL;
const int64_t kFileTimePerSecond = 10000000LL;

} // namespace

CTime CTime::GetCurrentTime()
{
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    const int64_t t = (int64_t(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) - kUnixEpochInFileTime;
    return CTime(t / kFileTimePerSecond);
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    if (m_time < -kUnixEpochInFileTime / kFileTimePerSecond)
        return FALSE;
    const int64_t v = m_time * kFileTimePerSecond + kUnixEpochInFileTime;
    FILETIME ftUtc, ftLocal;
    ftUtc.dwLowDateTime = DWORD(uint64_t(v) & 0xFFFFFFFFu);
    ftUtc.dwHighDateTime = DWORD(uint64_t(v) >> 32);
    return ::FileTimeToLocalFileTime(&ftUtc, &ftLocal) && ::FileTimeToSystemTime(&ftLocal, &sysTime);
}

namespace {

// One local part of t, or -1.
int Part(const CTime& t, WORD SYSTEMTIME::*pPart, int nAdd = 0)
{
    SYSTEMTIME st;
    return t.GetAsSystemTime(st) ? int(st.*pPart) + nAdd : -1;
}

} // namespace

int CTime::GetYear() const { return Part(*this, &SYSTEMTIME::wYear); }
int CTime::GetMonth() const { return Part(*this, &SYSTEMTIME::wMonth); }
int CTime::GetDay() const { return Part(*this, &SYSTEMTIME::wDay); }
int CTime::GetHour() const { return Part(*this, &SYSTEMTIME::wHour); }
int CTime::GetMinute() const { return Part(*this, &SYSTEMTIME::wMinute); }
int CTime::GetSecond() const { return Part(*this, &SYSTEMTIME::wSecond); }
int CTime::GetDayOfWeek() const { return Part(*this, &SYSTEMTIME::wDayOfWeek, 1); }

CString CTime::Format(LPCSTR lpszFormat) const
{
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return CString();
    return AfxFormatDateTime(st, lpszFormat);
}
