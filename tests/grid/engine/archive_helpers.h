// Small helpers of the grid engine tests: storing into and loading from an archive in memory, and the
// cause of the archive exception a load throws.
#pragma once

#include "core/Core.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

// The bytes that write() stores into a fresh archive.
inline Bytes StoreBytes(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const uint32_t n = uint32_t(file.GetLength());
    uint8_t* p = file.Detach();
    Bytes bytes(p, p + n);
    std::free(p);
    return bytes;
}

// Runs read() over an archive holding bytes.
inline void LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file;
    file.Write(bytes.data(), uint32_t(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// The cause of the CArchiveException that f throws; -1 when it throws none.
inline int ArchiveCause(const std::function<void()>& f)
{
    try {
        f();
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

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
