// CTime: a moment as seconds since 1 January 1970 00:00 UTC, read in the local time zone.
//
// The local parts and Format come from the system's time-zone conversion (FileTimeToLocalFileTime),
// never from the C library; Format goes through AfxFormatDateTime (see COleDateTime.h), so a format
// that a user typed (a page footer's date, for instance) cannot reach a C formatter: an unknown
// conversion or a text longer than 255 characters gives an empty text.
//
// Not done yet: construction from local parts, spans and arithmetic (nothing calls them).
#pragma once

#include "core/Core.h"

#include <cstdint>

#include <windows.h>

class CTime {
public:
    // The present moment.
    static CTime GetCurrentTime();

    // The moment 0 (1 January 1970 00:00 UTC).
    CTime() : m_time(0) {}
    // The moment tSrc seconds after 1 January 1970 00:00 UTC (negative: before).
    explicit CTime(int64_t tSrc) : m_time(tSrc) {}

    // The seconds since 1 January 1970 00:00 UTC.
    int64_t GetTime() const { return m_time; }

    // The local parts; GetDayOfWeek 1 = Sunday. All are -1 for a moment the system cannot convert
    // (before 1601).
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;
    // The local time into sysTime. FALSE when the system cannot convert the moment.
    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // The local time through AfxFormatDateTime (empty for an unknown conversion, an over-long result or
    // a moment the system cannot convert).
    CString Format(LPCSTR lpszFormat) const;

    bool operator==(const CTime& time) const { return m_time == time.m_time; }
    bool operator!=(const CTime& time) const { return m_time != time.m_time; }
    bool operator<(const CTime& time) const { return m_time < time.m_time; }

private:
    int64_t m_time;
};
