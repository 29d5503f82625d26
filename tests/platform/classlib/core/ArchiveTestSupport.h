// Helpers of the tests of stored forms, shared by the class-library and grid tests: storing into and
// loading from an archive in memory, and the cause of the archive exception a load throws. Portable:
// no Win32 header, no test framework.
#pragma once

#include "core/Core.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
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

// Runs read() over a loading archive holding a copy of bytes.
inline void LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file;
    if (!bytes.empty())
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
