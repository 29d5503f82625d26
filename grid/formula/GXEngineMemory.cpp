// Tracked allocations: each block carries a small header that links it into one doubly linked list,
// so that registering and freeing a block cost the same whatever the number of blocks listed.
#include "grid/formula/GXEngineMemory.h"

#include "core/CException.h"

#include <cstdlib>
#include <cstring>

namespace {

// The header in front of every tracked block. Its size keeps the block behind it aligned for any type.
struct alignas(std::max_align_t) TrackedHeader {
    TrackedHeader* pPrev;
    TrackedHeader* pNext;
};

// The process-wide list of tracked blocks.
class GX_ENGINE_MEMOBJ_STATE {
public:
    TrackedHeader* m_pHead = nullptr;
    int32_t m_nCount = 0;

    void Add(TrackedHeader* pHeader)
    {
        pHeader->pPrev = nullptr;
        pHeader->pNext = m_pHead;
        if (m_pHead != nullptr)
            m_pHead->pPrev = pHeader;
        m_pHead = pHeader;
        m_nCount++;
    }

    void Remove(TrackedHeader* pHeader)
    {
        if (pHeader->pPrev != nullptr)
            pHeader->pPrev->pNext = pHeader->pNext;
        else
            m_pHead = pHeader->pNext;
        if (pHeader->pNext != nullptr)
            pHeader->pNext->pPrev = pHeader->pPrev;
        m_nCount--;
    }
};

GX_ENGINE_MEMOBJ_STATE g_memObjState;

}  // namespace

void* EngineAlloc(size_t nBytes)
{
    if (nBytes > SIZE_MAX - sizeof(TrackedHeader))
        AfxThrowMemoryException();
    void* pRaw = std::calloc(1, sizeof(TrackedHeader) + (nBytes == 0 ? 1 : nBytes));
    if (pRaw == nullptr)
        AfxThrowMemoryException();
    TrackedHeader* pHeader = static_cast<TrackedHeader*>(pRaw);
    g_memObjState.Add(pHeader);
    return pHeader + 1;
}

void EngineFree(void* pBlock)
{
    if (pBlock == nullptr)
        return;
    TrackedHeader* pHeader = static_cast<TrackedHeader*>(pBlock) - 1;
    g_memObjState.Remove(pHeader);
    std::free(pHeader);
}

char* EngineStrDup(const char* psz, int32_t nMaxLength)
{
    if (psz == nullptr)
        psz = "";
    size_t nLength = std::strlen(psz);
    if (nMaxLength >= 0 && nLength > size_t(nMaxLength))
        nLength = size_t(nMaxLength);
    char* pCopy = static_cast<char*>(EngineAlloc(nLength + 1));
    std::memcpy(pCopy, psz, nLength);
    return pCopy;
}

int32_t EngineTrackedBlockCount()
{
    return g_memObjState.m_nCount;
}

void EngineFreeTrackedBlocks()
{
    while (g_memObjState.m_pHead != nullptr) {
        TrackedHeader* pHeader = g_memObjState.m_pHead;
        g_memObjState.Remove(pHeader);
        std::free(pHeader);
    }
}
