// Cell pools: blocks of 32 slots, where cells are taken from, compaction deferred under a lock, the
// pool walk, and the walk over a block by positions and by pools.
#include "EngineFixture.h"

#include <algorithm>
#include <vector>

namespace {

int BlockCount(const CellPool& pool)
{
    int n = 0;
    for (const PoolBlock* p = pool.pHead; p != nullptr; p = p->pNext)
        n++;
    return n;
}

bool InBlock(const EngineCell* pCell, const PoolBlock* pBlock)
{
    return pCell >= pBlock->cells && pCell < pBlock->cells + PoolBlock::kSlots;
}

}  // namespace

using Pools = EngineTest;

TEST_F(Pools, FortyCellsTakeTwoBlocks)
{
    std::vector<EngineCell*> cells;
    for (int32_t i = 0; i < 40; i++)
        cells.push_back(EngineStoreNumber(m_h, i + 1, 0, i));
    const CellPool& pool = Sheet().pools[kGeneralPool];
    EXPECT_EQ(pool.nCells, 40);
    ASSERT_EQ(BlockCount(pool), 2);
    // the full block went to the tail; the head holds the other 8 in slot order
    EXPECT_EQ(pool.pTail->nMask, 0xFFFFFFFFu);
    EXPECT_EQ(pool.pHead->nMask, 0xFFu);
    EXPECT_TRUE(InBlock(cells[0], pool.pTail));
    EXPECT_TRUE(InBlock(cells[32], pool.pHead));
    EXPECT_EQ(pool.pHead->pPool, &pool);

    // the walk goes block by block from the head, slot by slot
    EnginePoolCells walk(pool);
    std::vector<EngineCell*> walked;
    while (EngineCell* pCell = walk.Next())
        walked.push_back(pCell);
    std::vector<EngineCell*> expected(cells.begin() + 32, cells.end());
    expected.insert(expected.end(), cells.begin(), cells.begin() + 32);
    EXPECT_EQ(walked, expected);

    // unlocked, freeing from the full block moves it to the head, where the next cell is taken
    PoolBlock* pFull = pool.pTail;
    EngineRemoveCell(m_h, cells[5]);
    EXPECT_EQ(pool.pHead, pFull);
    EngineCell* pNew = EngineStoreNumber(m_h, 100, 0, 0);
    EXPECT_EQ(pNew, cells[5]) << "the freed slot is the first free one in mask order";

    // unlocked, a block that empties is freed at once
    for (int32_t i = 32; i < 40; i++)
        EngineRemoveCell(m_h, cells[i]);
    EXPECT_EQ(BlockCount(pool), 1);
}

TEST_F(Pools, FreeingUnderALockDefersCompaction)
{
    std::vector<EngineCell*> cells;
    for (int32_t i = 0; i < 40; i++)
        cells.push_back(EngineStoreNumber(m_h, i + 1, 0, i));
    const CellPool& pool = Sheet().pools[kGeneralPool];

    EXPECT_EQ(EngineLockPools(m_h, kGeneralPoolBit | kFormulaPoolBit), kGeneralPoolBit | kFormulaPoolBit);
    EXPECT_EQ(EngineLockPools(m_h, kGeneralPoolBit), 0u) << "a pool locked already is not locked again";
    PoolBlock* pHead = pool.pHead;
    for (int32_t i = 32; i < 40; i++)
        EngineRemoveCell(m_h, cells[i]);
    EXPECT_EQ(BlockCount(pool), 2) << "the empty block stays while locked";
    EXPECT_EQ(pool.pHead, pHead);
    EXPECT_TRUE(pool.bNeedsCompaction);

    // while locked a new cell goes neither into the full block nor into the one awaiting compaction
    EngineCell* pNew = EngineStoreNumber(m_h, 100, 0, 0);
    EXPECT_EQ(BlockCount(pool), 3);
    EXPECT_FALSE(InBlock(pNew, pHead));

    EngineUnlockPools(m_h, kGeneralPoolBit | kFormulaPoolBit);
    EXPECT_FALSE(pool.bLocked);
    EXPECT_FALSE(pool.bNeedsCompaction);
    EXPECT_EQ(BlockCount(pool), 2) << "unlocking freed the empty block";
    EXPECT_TRUE(InBlock(pNew, pool.pHead)) << "and moved the partly used one to the head";
    EXPECT_EQ(EngineFindCell(m_h, 100, 0), pNew);
}

TEST_F(Pools, BlockWalkByPositionsAndByPoolsAgree)
{
    // cells inside rows 2..4, columns 1..3 in all three pools, and one outside
    EngineStoreNumber(m_h, 2, 1, 1);
    EngineStoreText(m_h, 4, 3, "t");
    EnginePlaceholder(m_h, 3, 2);
    LinkFormulaCell(3, 1, nullptr);
    EngineStoreNumber(m_h, 9, 9, 1);
    CellRangeRef block;
    ASSERT_TRUE(EngineParseReference("B2..D4", &block));

    const auto walk = [&](uint32_t nMask, bool* pByPositions) {
        EngineRangeCells cells(m_h, block, nMask);
        *pByPositions = cells.ByPositions();
        std::vector<std::pair<int32_t, int32_t>> found;
        while (EngineCell* pCell = cells.Next())
            found.emplace_back(pCell->nRow, pCell->nCol);
        return found;
    };
    bool bByPositions = true;
    const auto byPools = walk(kAllPoolBits, &bByPositions);
    EXPECT_FALSE(bByPositions) << "9 positions, 5 cells: the pools are walked";
    auto byPoolsSorted = byPools;
    std::sort(byPoolsSorted.begin(), byPoolsSorted.end());
    EXPECT_EQ(byPoolsSorted, (std::vector<std::pair<int32_t, int32_t>>{{2, 1}, {3, 1}, {3, 2}, {4, 3}}));

    // more cells outside the block than it has positions: now it is walked by look-up, column by column
    for (int32_t i = 0; i < 10; i++)
        EngineStoreNumber(m_h, 20 + i, 0, i);
    const auto byPositions = walk(kAllPoolBits, &bByPositions);
    EXPECT_TRUE(bByPositions);
    EXPECT_EQ(byPositions, (std::vector<std::pair<int32_t, int32_t>>{{2, 1}, {3, 1}, {3, 2}, {4, 3}}));

    // only the pools asked for, either way
    const std::vector<std::pair<int32_t, int32_t>> general = {{2, 1}, {4, 3}};
    EXPECT_EQ(walk(kGeneralPoolBit, &bByPositions), general);
    EXPECT_TRUE(bByPositions);
    EXPECT_EQ(walk(kFormulaPoolBit | kPlaceholderPoolBit, &bByPositions),
              (std::vector<std::pair<int32_t, int32_t>>{{3, 1}, {3, 2}}));
    EXPECT_FALSE(bByPositions) << "two cells in the selected pools, nine positions";

    EXPECT_EQ(walk(0u, &bByPositions), (std::vector<std::pair<int32_t, int32_t>>{}));
    block.SetLeft(4096);
    EXPECT_EQ(walk(kAllPoolBits, &bByPositions), (std::vector<std::pair<int32_t, int32_t>>{})) << "a broken block";
}
