// Cell pools: slot allocation, deferred compaction under a lock, and the pool walk.
#include "grid/formula/GXCellPool.h"

#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"

#include "core/CException.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr uint32_t kFullMask = 0xFFFFFFFFu;

PoolBlock* BlockOf(const EngineCell* pCell)
{
    const EngineCell* pFirst = pCell - pCell->Slot();
    return reinterpret_cast<PoolBlock*>(reinterpret_cast<char*>(const_cast<EngineCell*>(pFirst)) -
                                        offsetof(PoolBlock, cells));
}

void Unchain(CellPool& pool, PoolBlock* pBlock)
{
    if (pBlock->pPrev != nullptr)
        pBlock->pPrev->pNext = pBlock->pNext;
    else
        pool.pHead = pBlock->pNext;
    if (pBlock->pNext != nullptr)
        pBlock->pNext->pPrev = pBlock->pPrev;
    else
        pool.pTail = pBlock->pPrev;
    pBlock->pPrev = pBlock->pNext = nullptr;
}

void ChainAtHead(CellPool& pool, PoolBlock* pBlock)
{
    pBlock->pPrev = nullptr;
    pBlock->pNext = pool.pHead;
    if (pool.pHead != nullptr)
        pool.pHead->pPrev = pBlock;
    else
        pool.pTail = pBlock;
    pool.pHead = pBlock;
}

void ChainAtTail(CellPool& pool, PoolBlock* pBlock)
{
    pBlock->pNext = nullptr;
    pBlock->pPrev = pool.pTail;
    if (pool.pTail != nullptr)
        pool.pTail->pNext = pBlock;
    else
        pool.pHead = pBlock;
    pool.pTail = pBlock;
}

void MoveToHead(CellPool& pool, PoolBlock* pBlock)
{
    if (pool.pHead != pBlock) {
        Unchain(pool, pBlock);
        ChainAtHead(pool, pBlock);
    }
}

// Frees the empty blocks and moves the partly used ones to the head.
void Compact(CellPool& pool)
{
    PoolBlock* pBlock = pool.pHead;
    while (pBlock != nullptr) {
        PoolBlock* pNext = pBlock->pNext;
        pBlock->bNeedsCompaction = false;
        if (pBlock->nMask == 0) {
            Unchain(pool, pBlock);
            delete pBlock;
        } else if (pBlock->nMask != kFullMask) {
            MoveToHead(pool, pBlock);
        }
        pBlock = pNext;
    }
    pool.bNeedsCompaction = false;
}

int32_t LowestZeroBit(uint32_t nMask)
{
    int32_t nBit = 0;
    while (nMask & (1u << nBit))
        nBit++;
    return nBit;
}

}  // namespace

EngineCell* EngineAllocCell(CellPool* pPool)
{
    if (pPool == nullptr) {
        EngineCell* pCell = static_cast<EngineCell*>(EngineAlloc(sizeof(EngineCell)));
        pCell->nFlags = uint32_t(kStandaloneSlot) << kCellSlotShift;
        return pCell;
    }
    CellPool& pool = *pPool;
    PoolBlock* pBlock = nullptr;
    if (pool.bLocked) {
        for (pBlock = pool.pHead; pBlock != nullptr; pBlock = pBlock->pNext) {
            if (pBlock->nMask != kFullMask && !pBlock->bNeedsCompaction)
                break;
        }
    } else if (pool.pHead != nullptr && pool.pHead->nMask != kFullMask) {
        pBlock = pool.pHead;
    }
    if (pBlock == nullptr) {
        AfxAllocating([&] { pBlock = new PoolBlock(); });
        pBlock->pPool = &pool;
        ChainAtHead(pool, pBlock);
    }
    const int32_t nSlot = LowestZeroBit(pBlock->nMask);
    pBlock->nMask |= 1u << nSlot;
    pool.nCells++;
    EngineCell* pCell = &pBlock->cells[nSlot];
    std::memset(static_cast<void*>(pCell), 0, sizeof *pCell);
    pCell->nFlags = uint32_t(nSlot) << kCellSlotShift;
    if (pBlock->nMask == kFullMask) {
        if (pool.bLocked) {
            pool.bNeedsCompaction = true;
        } else if (pool.pTail != pBlock) {
            Unchain(pool, pBlock);
            ChainAtTail(pool, pBlock);
        }
    }
    return pCell;
}

void EngineReleaseCellSlot(EngineCell* pCell)
{
    if (pCell == nullptr)
        return;
    if (pCell->IsLinked())
        AfxThrowInvalidArgFormat("EngineReleaseCellSlot: the cell at row %d, column %d is still linked",
                                 pCell->nRow, pCell->nCol);
    if (pCell->Slot() == kStandaloneSlot) {
        EngineFree(pCell);
        return;
    }
    PoolBlock* pBlock = BlockOf(pCell);
    CellPool& pool = *pBlock->pPool;
    pBlock->nMask &= ~(1u << pCell->Slot());
    pool.nCells--;
    if (pool.bLocked) {
        pBlock->bNeedsCompaction = true;
        pool.bNeedsCompaction = true;
    } else if (pBlock->nMask == 0) {
        Unchain(pool, pBlock);
        delete pBlock;
    } else {
        MoveToHead(pool, pBlock);
    }
}

CellPool* EngineCellPool(const EngineCell* pCell)
{
    if (pCell == nullptr || pCell->Slot() == kStandaloneSlot)
        return nullptr;
    return BlockOf(pCell)->pPool;
}

uint32_t EngineLockPools(SheetHandle h, uint32_t nPoolMask)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineLockPools");
    uint32_t nLocked = 0;
    for (int32_t i = 0; i < kPoolCount; i++) {
        if ((nPoolMask & (1u << i)) != 0 && !sheet.pools[i].bLocked) {
            sheet.pools[i].bLocked = true;
            nLocked |= 1u << i;
        }
    }
    return nLocked;
}

void EngineUnlockPools(SheetHandle h, uint32_t nPoolMask)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineUnlockPools");
    for (int32_t i = 0; i < kPoolCount; i++) {
        CellPool& pool = sheet.pools[i];
        if ((nPoolMask & (1u << i)) != 0 && pool.bLocked) {
            pool.bLocked = false;
            if (pool.bNeedsCompaction)
                Compact(pool);
        }
    }
}

EngineCell* EnginePoolCells::Next()
{
    while (m_pBlock != nullptr) {
        const uint32_t nRest = m_nSlot < PoolBlock::kSlots ? m_pBlock->nMask >> m_nSlot : 0;
        if (nRest != 0) {
            int32_t nSlot = m_nSlot;
            while ((m_pBlock->nMask & (1u << nSlot)) == 0)
                nSlot++;
            m_nSlot = nSlot + 1;
            return &m_pBlock->cells[nSlot];
        }
        m_pBlock = m_pBlock->pNext;
        m_nSlot = 0;
    }
    return nullptr;
}
