// The cell pools of a sheet: blocks of 32 cell slots in a doubly linked list per pool.
//
// Allocation takes the head block unless it is missing or full, else puts a new block at the head; a
// block that becomes full moves to the tail, and freeing a cell frees its block when it empties or
// moves a partly used block to the head, so free slots stay near the head. While a pool is locked no
// block is freed or moved: cells are taken from the first block that is neither full nor touched by
// a free during the lock (else from a new block), and the pool is compacted when it is unlocked
// (empty blocks freed, partly used ones moved to the head). Lock the pools around every walk that
// adds or frees cells.
//
// A cell may also live outside every pool (a saved copy): it is made with a null pool, carries the
// slot index kStandaloneSlot and is a tracked allocation of its own.
#pragma once

#include "grid/formula/GXEngineSheet.h"

// Returns a new zero-filled cell of pPool, not linked, with its slot index set; with a null pool a
// standalone cell. Throws CMemoryException* when the memory cannot be had.
EngineCell* EngineAllocCell(CellPool* pPool);

// Gives the slot of pCell back to its pool (or frees a standalone cell). Only the slot: the cell's
// contents must have been freed (EngineFreeCell does both). The cell must not be linked.
void EngineReleaseCellSlot(EngineCell* pCell);

// Returns the pool that pCell lives in, or null for a standalone cell.
CellPool* EngineCellPool(const EngineCell* pCell);

// Locks the pools of sheet h named by nPoolMask (bits kGeneralPoolBit, kFormulaPoolBit,
// kPlaceholderPoolBit). Returns the bits of the pools that this call locked, leaving out those that
// were locked already: hand exactly these to EngineUnlockPools.
uint32_t EngineLockPools(SheetHandle h, uint32_t nPoolMask);

// Unlocks the pools of sheet h named by nPoolMask and compacts those that changed while locked.
void EngineUnlockPools(SheetHandle h, uint32_t nPoolMask);

// Keeps the pools of a sheet locked while it lives (only those it locked itself are unlocked, and
// compacted, when it goes).
class EnginePoolLock {
public:
    explicit EnginePoolLock(SheetHandle h, uint32_t nPoolMask = kAllPoolBits)
        : m_h(h), m_nLocked(EngineLockPools(h, nPoolMask))
    {
    }
    ~EnginePoolLock() { EngineUnlockPools(m_h, m_nLocked); }
    EnginePoolLock(const EnginePoolLock&) = delete;
    EnginePoolLock& operator=(const EnginePoolLock&) = delete;

private:
    SheetHandle m_h;
    uint32_t m_nLocked;
};

// Walks the cells of one pool, block by block from the head and slot by slot in mask order:
//   EnginePoolCells walk(pool);
//   while (EngineCell* pCell = walk.Next()) ...
// Cells freed during the walk are not returned once freed; the pool must be locked for that.
class EnginePoolCells {
public:
    explicit EnginePoolCells(const CellPool& pool) : m_pBlock(pool.pHead), m_nSlot(0) {}
    // Returns the next cell, or null after the last one.
    EngineCell* Next();

private:
    PoolBlock* m_pBlock;
    int32_t m_nSlot;  // next slot of m_pBlock to look at
};
