// Argument checks shared by the Win32 classes: each refusal throws CInvalidArgException* with a
// message that names the function and the bad value.
#pragma once

#include "core/Core.h"

// Throws CInvalidArgException* with the formatted message (CString::Format rules).
template <class... Args>
[[noreturn]] void AfxThrowInvalidArgFormat(const char* lpszFormat, const Args&... args)
{
    CString text;
    text.Format(lpszFormat, args...);
    AfxThrowInvalidArgException(text);
}

// Refuses a null pointer argument: "<where>: <what> is null".
inline void AfxRequirePointer(const void* p, const char* lpszWhere, const char* lpszWhat)
{
    if (p == nullptr)
        AfxThrowInvalidArgFormat("%s: %s is null", lpszWhere, lpszWhat);
}
