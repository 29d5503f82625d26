// Argument checks shared by the Win32 classes: each refusal throws CInvalidArgException* with a
// message that names the function and the bad value (AfxThrowInvalidArgFormat, core/CException.h,
// formats such messages).
#pragma once

#include "core/Core.h"

// Refuses a null pointer argument: "<where>: <what> is null".
inline void AfxRequirePointer(const void* p, const char* lpszWhere, const char* lpszWhat)
{
    if (p == nullptr)
        AfxThrowInvalidArgFormat("%s: %s is null", lpszWhere, lpszWhat);
}
