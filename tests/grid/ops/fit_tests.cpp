// Fitting rows and columns to their contents: the sizes the cells' controls ask for, the limits, the
// grow-only flag, covered blocks, the undo block and its name, and an abort.
#include "sizing_test_support.h"

#include "grid/engine/GXControl.h"

#include <map>
#include <utility>

namespace {

// A cell control whose content needs the size set for its cell (0 by 0 elsewhere; with m_bByValue 10
// pixels a character of the value it is given by 20); it notes the cells it measured. While
// m_strEdited is not empty, that is the text being edited in the cell the control is attached to.
class CSizeControl : public CGXControl {
    GX_DECLARE_CONTROL(CSizeControl)
public:
    explicit CSizeControl(CGXGridCore* pGrid) : CGXControl(pGrid) {}
    CSize CalcSize(CDC*, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle*, BOOL) override
    {
        m_measured.emplace_back(nRow, nCol);
        const auto it = m_sizes.find({nRow, nCol});
        if (it != m_sizes.end())
            return it->second;
        return m_bByValue && style.GetIncludeValue() ? CSize(10 * style.GetValueRef().GetLength(), 20) : CSize(0, 0);
    }
    BOOL GetValue(CString& strResult) override
    {
        if (m_strEdited.IsEmpty())
            return CGXControl::GetValue(strResult);
        strResult = m_strEdited;
        return TRUE;
    }
    std::map<std::pair<ROWCOL, ROWCOL>, CSize> m_sizes;
    std::vector<std::pair<ROWCOL, ROWCOL>> m_measured;
    BOOL m_bByValue = FALSE;
    CString m_strEdited;
};

// Cells (2, 2) to (3, 3) form one covered block.
class CCoveredGrid : public CSizingGrid {
public:
    BOOL GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override
    {
        if (nRow < 2 || nRow > 3 || nCol < 2 || nCol > 3)
            return FALSE;
        range = CGXCellRange(2, 2, 3, 3);
        return TRUE;
    }
};

class FitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.SetTickCount(100000);
        grid.Make(10, 5);
        ASSERT_NE(grid.m_pResizeToFitImp, nullptr);
        pControl = new CSizeControl(&grid);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, pControl, TRUE);
        nDefault = grid.GetDefaultRowHeight();
    }
    void Need(ROWCOL nRow, ROWCOL nCol, int cx, int cy) { pControl->m_sizes[{nRow, nCol}] = CSize(cx, cy); }
    BOOL FitRows(ROWCOL nTop, ROWCOL nBottom, UINT nFlags = 2)
    {
        return grid.ResizeRowHeightsToFit(CGXCellRange().SetRows(nTop, nBottom), TRUE, nFlags);
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CCoveredGrid grid;
    CSizeControl* pControl = nullptr;
    int nDefault = 0;
};

GX_IMPLEMENT_CONTROL(CSizeControl, CGXControl)

}  // namespace

TEST_F(FitTest, RowsTakeTheTallestCellInOneUndoBlockAndAMeasuredZeroLeavesTheRow)
{
    Need(1, 1, 10, nDefault + 20);
    Need(1, 4, 10, nDefault + 5);
    Need(4, 4, 10, nDefault + 9);
    AbortAtRound watcher(0);
    WithModule<CGXAbstractLongOperationImp> installed(GXGetLibraryState()->m_pLongOperationImp, &watcher);
    const int nCommands = grid.UndoCount();
    EXPECT_TRUE(FitRows(1, 5));
    EXPECT_EQ(watcher.strStatus, "Resizing Rows");
    EXPECT_EQ(grid.GetRowHeight(1), nDefault + 20);
    EXPECT_EQ(grid.GetRowHeight(4), nDefault + 9);
    EXPECT_EQ(grid.GetRowHeight(5), nDefault) << "measured 0";
    EXPECT_EQ(grid.UndoCount(), nCommands + 1);
    EXPECT_EQ(grid.LastUndoName(), "Resizing Rows");
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.GetRowHeight(1), nDefault);
    EXPECT_EQ(grid.GetRowHeight(4), nDefault);

    // columns alike, by the cells' widths
    const int nWidth = grid.GetColWidth(4);
    Need(2, 4, nWidth + 33, 1);
    EXPECT_TRUE(grid.ResizeColWidthsToFit(CGXCellRange().SetCols(4, 4)));
    EXPECT_EQ(grid.GetColWidth(4), nWidth + 33);
    EXPECT_EQ(grid.LastUndoName(), "Resizing Columns");
}

TEST_F(FitTest, FlagEightOnlyGrowsAndNoRowOutgrowsTheVisibleAreaLessTheRowsAboveIt)
{
    ASSERT_TRUE(grid.SetRowHeight(1, 2, 50));
    Need(1, 1, 5, 30);
    Need(2, 1, 5, 70);
    EXPECT_TRUE(FitRows(1, 2, 2 | 8));
    EXPECT_EQ(grid.GetRowHeight(1), 50) << "never shrinks with flag 8";
    EXPECT_EQ(grid.GetRowHeight(2), 70);
    EXPECT_TRUE(FitRows(1, 1));
    EXPECT_EQ(grid.GetRowHeight(1), 30);

    grid.m_bLimitRowHeight = FALSE;
    const int nVisible = grid.GetGridRect().Height();
    Need(3, 1, 5, 10000);
    EXPECT_TRUE(FitRows(3, 3));
    EXPECT_EQ(grid.GetRowHeight(3), nVisible - grid.GetRowHeight(0) - 1) << "a scrolled row: less the header row";
    ASSERT_TRUE(grid.SetFrozenRows(2, 0));
    Need(2, 1, 5, 10000);
    EXPECT_TRUE(FitRows(2, 2));
    EXPECT_EQ(grid.GetRowHeight(2), nVisible - grid.SumRowHeights(0, 1) - 1) << "a frozen row: less the rows above it";
}

TEST_F(FitTest, ACoveredBlockIsMeasuredOnceAtItsTopLeftCellWhenItLiesWhollyInTheRange)
{
    Need(2, 2, 5, 100);
    Need(3, 3, 5, 500);
    auto measuredInBlock = [&] {
        int n = 0;
        for (const auto& cell : pControl->m_measured)
            n += cell.first >= 2 && cell.first <= 3 && cell.second >= 2 && cell.second <= 3;
        return n;
    };
    EXPECT_TRUE(FitRows(2, 2));
    EXPECT_EQ(measuredInBlock(), 0) << "the block reaches beyond the range";
    EXPECT_EQ(grid.GetRowHeight(2), nDefault);

    pControl->m_measured.clear();
    EXPECT_TRUE(FitRows(2, 3));
    EXPECT_EQ(measuredInBlock(), 1);
    EXPECT_EQ(grid.GetRowHeight(2), 100 - grid.GetRowHeight(3)) << "the block's other row holds the rest";
    EXPECT_EQ(grid.GetRowHeight(3), nDefault);

    EXPECT_TRUE(grid.ResizeRowHeightsToFit(CGXCellRange().SetRows(2, 3), FALSE));
    EXPECT_EQ(grid.GetRowHeight(2), 100 - nDefault) << "covered cells left out: nothing measured, nothing changed";
}

TEST_F(FitTest, AnAbortRollsBackEverySizeOfTheCall)
{
    for (ROWCOL r = 1; r <= 3; ++r)
        Need(r, 1, 5, nDefault + int(r));
    // six cells a row (columns 0 to 5): the abort comes in the third row
    AbortAtRound module(15);
    WithModule<CGXAbstractLongOperationImp> installed(GXGetLibraryState()->m_pLongOperationImp, &module);
    const int nCommands = grid.UndoCount();
    EXPECT_FALSE(FitRows(1, 3));
    for (ROWCOL r = 1; r <= 3; ++r)
        EXPECT_EQ(grid.GetRowHeight(r), nDefault) << r;
    EXPECT_EQ(grid.UndoCount(), nCommands);
}

TEST_F(FitTest, TheCurrentCellIsMeasuredWithTheTextBeingEdited)
{
    // column 4: no covered block in the way
    grid.ApplyValueToRange(CGXCellRange(2, 4, 2, 4), "abc");
    grid.ApplyValueToRange(CGXCellRange(3, 4, 3, 4), "abcd");
    ASSERT_TRUE(grid.SetCurrentCell(2, 4));
    pControl->m_bByValue = TRUE;
    pControl->m_strEdited = "a text of 20 letters";
    EXPECT_TRUE(grid.ResizeColWidthsToFit(CGXCellRange().SetCols(4, 4), TRUE, 2));
    EXPECT_EQ(grid.GetColWidth(4), 200) << "the edited text, not the stored one";
    pControl->m_strEdited.Empty();
    EXPECT_TRUE(grid.ResizeColWidthsToFit(CGXCellRange().SetCols(4, 4), TRUE, 2));
    EXPECT_EQ(grid.GetColWidth(4), 40) << "the longest stored value";
}

TEST_F(FitTest, WithoutAGridAreaTheTopChildWindowLimitsTheSize)
{
    grid.m_bLimitRowHeight = FALSE;
    const CRect none(0, 0, 0, 0);
    grid.SetGridRect(TRUE, &none);
    ASSERT_TRUE(grid.GetGridRect().IsRectEmpty());
    ASSERT_EQ(grid.GetParent(), nullptr) << "a top-level grid window";
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 150, 90), &grid, 1));
    Need(3, 1, 5, 40000);
    EXPECT_TRUE(FitRows(3, 3));
    EXPECT_EQ(grid.GetRowHeight(3), 90 - grid.GetRowHeight(0) - 1);
    child.DestroyWindow();
    EXPECT_TRUE(FitRows(3, 3));
    EXPECT_EQ(grid.GetRowHeight(3), 0x7fff - grid.GetRowHeight(0) - 1) << "no window to measure";
    grid.SetGridRect(FALSE);
}
