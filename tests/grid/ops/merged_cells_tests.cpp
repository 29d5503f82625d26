// Merged cells: equal neighbours joined into one span and split again, the styles that may merge, the
// directions a mode allows, covered cells, the evaluation lock and the queue of the delayed mode.
#include "span_cells_test_support.h"

#include "grid/engine/GXFont.h"
#include "grid/ops/GXSpanCellPool.h"

namespace {

const UINT kRow = 1, kColumn = 2, kValuesOnly = 4;

class MergedCells : public ::testing::Test, public SpanGridFixture {
protected:
    void SetUp() override { Merge().SetMergeCellsMode(&f.grid, 2, FALSE); }
    BOOL Eval(ROWCOL nRow, ROWCOL nCol) { return f.grid.EvalMergeCells(CGXCellRange(nRow, nCol, nRow, nCol)); }
    static CGXStyle Cell(const char* pszValue, UINT nMerge) { return CGXStyle().SetValue(pszValue).SetMergeCell(nMerge); }
};

}  // namespace

TEST_F(MergedCells, EqualNeighboursJoinWhenTheMiddleIsEvaluatedAndSplitWhenItChanges)
{
    Apply(CGXCellRange(2, 1, 2, 3), Cell("same", kRow));
    EXPECT_EQ(Merged(2, 1), "-");
    EXPECT_TRUE(Eval(2, 2));
    EXPECT_EQ(Merged(2, 1), "2,1-2,3");
    EXPECT_EQ(Merged(2, 3, 0), "2,1-2,3");
    EXPECT_EQ(Merged(2, 3, 1), "-") << "no vertical span";
    EXPECT_FALSE(Eval(2, 2)) << "nothing changes a second time";

    Apply(2, 2, CGXStyle().SetValue("other"));
    CGXCellRange changed;
    EXPECT_TRUE(f.grid.EvalMergeCells(CGXCellRange(2, 2, 2, 2), FALSE, &changed));
    for (ROWCOL nCol = 1; nCol <= 3; ++nCol)
        EXPECT_EQ(Merged(2, nCol), "-") << nCol;
    EXPECT_EQ(Text(TRUE, changed), "2,1-2,3") << "the union of what changed";
}

TEST_F(MergedCells, AStoreThatFailsLeavesNoSpanAndEndsTheEvaluation)
{
    // a pool that runs out of memory at every store
    struct CFullPool : CGXSpanCellPool {
        int nStores = 0;
        BOOL SetRange(ROWCOL, ROWCOL, ROWCOL, ROWCOL, BOOL) override
        {
            ++nStores;
            return FALSE;
        }
    };
    auto* pPool = new CFullPool;
    f.grid.GetParam()->SetSpanPool(CGXGridParam::gxMergeHorzPool, pPool);
    Apply(CGXCellRange(2, 1, 2, 4), Cell("same", kRow));
    EXPECT_FALSE(f.grid.SetMergedCellsRowCol(0, 2, 1, 2, 3, 2));
    pPool->nStores = 0;
    CGXCellRange changed;
    EXPECT_FALSE(f.grid.EvalMergeCells(CGXCellRange(2, 2, 2, 2), FALSE, &changed)) << "nothing changed";
    EXPECT_FALSE(changed.IsValid());
    EXPECT_EQ(pPool->nStores, 2) << "the pairs before and after the cell, no chain beyond them";
    for (ROWCOL nCol = 1; nCol <= 4; ++nCol)
        EXPECT_EQ(Merged(2, nCol), "-") << nCol;
}

TEST_F(MergedCells, TheGridsNoRedrawFlagLeavesAStoredSpanUndrawn)
{
    const auto waiting = [&] {
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        return ::GetUpdateRgn(f.grid.m_hWnd, HRGN(region.m_hObject), FALSE) > NULLREGION;
    };
    Apply(CGXCellRange(2, 1, 2, 3), Cell("same", kRow));
    f.grid.UpdateWindow();
    f.grid.m_bNoSpanRedraw = TRUE;
    EXPECT_TRUE(f.grid.SetMergedCellsRowCol(0, 2, 1, 2, 3, 1));
    EXPECT_EQ(Merged(2, 2), "2,1-2,3");
    EXPECT_FALSE(waiting());
    f.grid.m_bNoSpanRedraw = FALSE;
    EXPECT_TRUE(f.grid.SetMergedCellsRowCol(0, 2, 1, 2, 2, 1));
    EXPECT_TRUE(waiting());
}

TEST_F(MergedCells, StylesMergeWhenEqualOrWhenBothCompareTheirValuesOnly)
{
    CGXStyle bold = Cell("x", kRow);
    bold.ChangeFont(CGXFont().SetWeight(FW_BOLD), CGXStyle::gxOverride);
    const struct {
        CGXStyle left, right;
        const char* pszSpan;
        const char* pszWhy;
    } cases[] = {
        {Cell("x", kRow), Cell("x", kRow), "1,1-1,2", "equal styles"},
        {bold, Cell("x", kRow), "-", "the fonts differ"},
        {CGXStyle(bold).SetMergeCell(kRow | kValuesOnly), Cell("x", kRow | kValuesOnly), "1,1-1,2",
         "values only, fonts differ"},
        {Cell("x", kRow | kValuesOnly), Cell("X", kRow | kValuesOnly), "-", "values compared by case"},
        {Cell("", kRow), Cell("", kRow), "-", "empty values"},
        {Cell("x", kRow), CGXStyle().SetValue("x"), "-", "one cell does not merge"},
        {Cell("x", kColumn), Cell("x", kColumn), "-", "column merging only"},
    };
    for (const auto& c : cases) {
        // each case replaces the cells' styles
        Apply(CGXCellRange(1, 1, 1, 1), c.left, CGXStyle::gxCopy);
        Apply(CGXCellRange(1, 2, 1, 2), c.right, CGXStyle::gxCopy);
        Eval(1, 1);
        EXPECT_EQ(Merged(1, 1, 0), c.pszSpan) << c.pszWhy;
    }
}

TEST_F(MergedCells, ModeSixMergesAlongRowsOnly)
{
    Apply(CGXCellRange(1, 1, 3, 2), Cell("v", kRow | kColumn));
    Eval(2, 1);
    EXPECT_EQ(Merged(2, 1, 1), "1,1-3,1") << "both directions in mode 2";
    EXPECT_EQ(Merged(2, 1, 0), "2,1-2,2");

    Merge().SetMergeCellsMode(&f.grid, 6, FALSE);
    EXPECT_EQ(Merged(2, 1), "-") << "the spans are worked out again";
    Eval(2, 1);
    EXPECT_EQ(Merged(2, 1, 0), "2,1-2,2");
    EXPECT_EQ(Merged(2, 1, 1), "-");

    Merge().SetMergeCellsMode(&f.grid, 3, FALSE);
    EXPECT_EQ(f.grid.GetMergeCellsMode(), 0) << "3 is no mode";
    EXPECT_FALSE(Eval(2, 1));
    EXPECT_EQ(f.grid.GetParam()->GetSpanPool(CGXGridParam::gxMergeHorzPool), nullptr);
}

TEST_F(MergedCells, ACoveredCellNeverMerges)
{
    Apply(CGXCellRange(3, 1, 3, 3), Cell("c", kRow));
    ASSERT_TRUE(f.grid.SetCoveredCellsRowCol(3, 2, 4, 2));
    Eval(3, 2);
    EXPECT_EQ(Merged(3, 1), "-");
    EXPECT_EQ(Merged(3, 3), "-");
    EXPECT_FALSE(f.grid.CanMergeCell(f.m_pEdit, 3, 2, *f.grid.LookupStyleRowCol(3, 2), 0));
    EXPECT_TRUE(f.grid.CanMergeCell(f.m_pEdit, 3, 1, *f.grid.LookupStyleRowCol(3, 1), 0));
}

TEST_F(MergedCells, TheEvaluationLockKeepsEverythingAsItIs)
{
    Apply(CGXCellRange(4, 1, 4, 2), Cell("l", kRow));
    f.grid.m_nLockMergeEval = 1;
    EXPECT_FALSE(Eval(4, 1));
    EXPECT_EQ(Merged(4, 1), "-");
    f.grid.m_nLockMergeEval = 0;
    EXPECT_TRUE(Eval(4, 1));
    EXPECT_EQ(Merged(4, 1), "4,1-4,2");
}

TEST_F(MergedCells, TheDelayedModeEvaluatesAQueuedRangeWhenItIsDrawn)
{
    Merge().SetMergeCellsMode(&f.grid, 0, FALSE);
    Apply(CGXCellRange(5, 2, 5, 4), Cell("q", kRow));
    Merge().SetMergeCellsMode(&f.grid, 1, FALSE);
    EXPECT_EQ(Merged(5, 3), "-") << "queued, not evaluated";
    CRecordingDC dc;
    f.grid.OnGridDraw(&dc);
    EXPECT_EQ(Merged(5, 3), "5,2-5,4");
    EXPECT_FALSE(f.grid.EvalMergeCells(CGXCellRange(5, 2, 5, 4))) << "nothing is pending any more";

    // a change queues its cells again
    Apply(5, 4, CGXStyle().SetValue("r"));
    f.grid.OnGridDraw(&dc);
    EXPECT_EQ(Merged(5, 3), "5,2-5,3");
}
