// Reading one fixed-width value of a stored form as an expression, for the grid's serialisation
// modules (CArchive's operator>> reads into a variable).
#pragma once

#include <windows.h>

#include "core/CArchive.h"

// Each reads one value of its width from the loading archive ar and returns it; CArchiveException
// endOfFile when the data ends first.
inline BYTE GXReadByte(CArchive& ar)
{
    BYTE b;
    ar >> b;
    return b;
}

inline WORD GXReadWord(CArchive& ar)
{
    WORD w;
    ar >> w;
    return w;
}

inline DWORD GXReadDword(CArchive& ar)
{
    DWORD dw;
    ar >> dw;
    return dw;
}
