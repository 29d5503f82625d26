// The whole numbers the drawn cells read from their texts (a spin cell's value, a progress cell's
// value and bounds): the leading decimal digits as strtoll reads them (after blanks, with a sign),
// 0 for a text that is no number, and a number beyond a 32-bit LONG held at its nearest limit rather
// than wrapped, so that a huge value never turns negative.
#pragma once

#include <windows.h>

#include <climits>
#include <cstdlib>

inline LONG GXReadClampedLong(const char* pszText)
{
    if (pszText == nullptr)
        return 0;
    const long long value = std::strtoll(pszText, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return LONG(value);
}
