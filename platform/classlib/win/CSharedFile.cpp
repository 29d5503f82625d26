// CSharedFile: a memory file over movable global memory (see CSharedFile.h).
#include "win/CSharedFile.h"

#include "core/CException.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags | GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE),
      m_nBlockGrowBytes(nGrowBytes != 0 ? nGrowBytes : 4096)
{
}

CSharedFile::~CSharedFile()
{
    // the base's destructor would reach CMemFile::Free, not ours
    FreeOwned();
}

uint8_t* CSharedFile::Realloc(uint8_t* lpMem, size_t nBytes)
{
    HGLOBAL hNew;
    if (lpMem == nullptr) {
        hNew = ::GlobalAlloc(m_nAllocFlags, nBytes);
    } else {
        ::GlobalUnlock(m_hGlobalMemory);
        hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags);
        if (hNew == nullptr) {
            // the old block is still valid: keep it locked for the file
            ::GlobalLock(m_hGlobalMemory);
            return nullptr;
        }
    }
    if (hNew == nullptr)
        return nullptr;
    m_hGlobalMemory = hNew;
    return static_cast<uint8_t*>(::GlobalLock(hNew));
}

void CSharedFile::Free(uint8_t*)
{
    if (m_hGlobalMemory == nullptr)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL h = m_hGlobalMemory;
    if (h != nullptr)
        ::GlobalUnlock(h);
    m_hGlobalMemory = nullptr;
    DetachBlock();
    return h;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    FreeOwned();
    if (hGlobalMemory == nullptr)
        return;
    auto* p = static_cast<uint8_t*>(::GlobalLock(hGlobalMemory));
    if (p == nullptr)
        AfxThrowMemoryException();
    m_hGlobalMemory = hGlobalMemory;
    const size_t nSize = ::GlobalSize(hGlobalMemory);
    AttachOwned(p, nSize, nSize, bAllowGrow ? m_nBlockGrowBytes : 0);
}
