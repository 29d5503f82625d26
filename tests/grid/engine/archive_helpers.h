// Small helpers of the grid engine tests: the archive helpers of the class-library tests, and
// little-endian values appended to hand-made archives.
#pragma once

#include "ArchiveTestSupport.h"

#include <cstdint>
#include <string>

// Appends little-endian values to a byte vector (for hand-made archives).
inline void PutWord(Bytes& b, uint32_t w)
{
    b.push_back(uint8_t(w));
    b.push_back(uint8_t(w >> 8));
}
inline void PutDword(Bytes& b, uint32_t dw)
{
    PutWord(b, dw & 0xFFFF);
    PutWord(b, dw >> 16);
}
// Appends a short string in the archive's form (a length byte below 255, then the bytes).
inline void PutString(Bytes& b, const char* psz)
{
    const size_t n = std::char_traits<char>::length(psz);
    b.push_back(uint8_t(n));
    b.insert(b.end(), psz, psz + n);
}
// Appends the tag of the first object of a class: WORD 0xFFFF, WORD schema, WORD name length, name.
inline void PutNewClassTag(Bytes& b, const char* pszClass, uint32_t nSchema)
{
    PutWord(b, 0xFFFF);
    PutWord(b, nSchema);
    const size_t n = std::char_traits<char>::length(pszClass);
    PutWord(b, uint32_t(n));
    b.insert(b.end(), pszClass, pszClass + n);
}
// Appends bytes.
inline void PutBytes(Bytes& b, const Bytes& more)
{
    b.insert(b.end(), more.begin(), more.end());
}
