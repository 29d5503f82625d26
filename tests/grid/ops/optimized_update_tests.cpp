// The optimized screen update after rows were inserted, removed or resized, on real windows: what it
// scrolls is seen in the pixels, what it leaves to paint in the window's update region right after
// the module ran (the grid was painted and valid before).
#include "view_test_support.h"

#include "grid/ops/GXGridOptimizedUpdateImp.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A grid window of 60 rows by 6 columns, shown and painted; its rows' headers number them, so that
// each row looks different.
class OptimizedUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.CreateInputGrid(60, 6);
        ASSERT_NE(grid.m_pOptimizedUpdateImp, nullptr);
        grid.Show();
        rectGrid = grid.GetGridRect();
    }
    CGXAbstractGridOptimizedUpdateImp& Module() { return *grid.m_pOptimizedUpdateImp; }
    // Where row n starts (a row in view).
    int RowTop(ROWCOL n) { return rectGrid.top + grid.SumDisplayRowHeights(0, grid.RowToDisplayIndex(n) - 1); }
    // The grid rectangle between y1 and y2.
    CRect Band(int y1, int y2) const { return CRect(rectGrid.left, y1, rectGrid.right, y2); }
    // Paints what is pending, so that the window is valid.
    void Settle()
    {
        grid.UpdateWindow();
        grid.ForgetPaints();
    }
    BOOL IsInvalid(CPoint point)
    {
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(grid.m_hWnd, HRGN(region.m_hObject), FALSE);
        return region.PtInRegion(point);
    }
    // The client pixels of the rows of a band, one vector of pixels per pixel row.
    std::vector<std::vector<COLORREF>> PixelRows(int y1, int y2)
    {
        const std::vector<COLORREF> pixels = ClientPixels(grid);
        CRect client;
        grid.GetClientRect(&client);
        std::vector<std::vector<COLORREF>> rows;
        for (int y = y1; y < y2; ++y)
            rows.emplace_back(pixels.begin() + ptrdiff_t(y) * client.Width(),
                              pixels.begin() + ptrdiff_t(y + 1) * client.Width());
        return rows;
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CInputGridWnd grid;
    CRect rectGrid;
};

}  // namespace

TEST_F(OptimizedUpdateTest, RowsInsertedInViewScrollWhatFollowsAndLeaveTheirStripToPaint)
{
    const int y = RowTop(5), h = grid.GetRowHeight(5) + grid.GetRowHeight(6);
    const CRect strip = Band(y, y + h);
    CRect below = Band(y - 1, rectGrid.bottom + 1);
    CRect client;
    grid.GetClientRect(&client);
    below.IntersectRect(&below, &client);

    // flags 4: the rows from the insertion on move down by the new rows' height
    Settle();
    const auto before = PixelRows(y, rectGrid.bottom - h);
    ASSERT_TRUE(grid.StoreInsertRows(5, 2));
    Module().UpdateRowsInserted(&grid, 5, 2, 4);
    EXPECT_EQ(UpdateRegionText(grid), RectText(strip)) << "only the inserted rows are left to paint";
    EXPECT_TRUE(PixelRows(y + h, rectGrid.bottom) == before) << "what followed was scrolled down";

    // flags 2 paints the strip at once; flags 1 invalidates everything from the insertion on
    Settle();
    ASSERT_TRUE(grid.StoreInsertRows(5, 2));
    Module().UpdateRowsInserted(&grid, 5, 2, 2);
    EXPECT_EQ(UpdateRegionText(grid), "empty");
    EXPECT_TRUE(grid.PaintedWhole(strip));
    EXPECT_FALSE(grid.Painted(CPoint(strip.left + 1, strip.bottom + 1)));
    Settle();
    ASSERT_TRUE(grid.StoreInsertRows(5, 2));
    Module().UpdateRowsInserted(&grid, 5, 2, 1);
    EXPECT_EQ(UpdateRegionText(grid), RectText(below));

    // rows that reach the last row invalidate from the insertion on as well
    const ROWCOL nLast = grid.GetRowCount();
    grid.SetTopRow(nLast - 6, 1);
    Settle();
    Module().UpdateRowsInserted(&grid, nLast, 1, 4);
    EXPECT_TRUE(IsInvalid(CPoint(rectGrid.left + 1, rectGrid.bottom - 2)));
    EXPECT_FALSE(IsInvalid(CPoint(rectGrid.left + 1, RowTop(nLast) - 2)));
}

TEST_F(OptimizedUpdateTest, RowsInsertedAboveTheTopRowMoveItDownAndScrollNothing)
{
    grid.SetTopRow(10, 0);
    Settle();
    ASSERT_TRUE(grid.StoreInsertRows(3, 4));
    Module().UpdateRowsInserted(&grid, 3, 4, 4);
    EXPECT_EQ(grid.GetTopRow(), 14u) << "the same rows stay in view";
    EXPECT_EQ(UpdateRegionText(grid), "empty");
}

TEST_F(OptimizedUpdateTest, RemovingRowsMovesTheTopRowAsTheRowsLeft)
{
    grid.SetTopRow(20, 0);
    ASSERT_TRUE(grid.StoreRemoveRows(5, 7));
    Module().UpdateRowsRemoved(&grid, 5, 7, nullptr, 4);
    EXPECT_EQ(grid.GetTopRow(), 17u) << "rows wholly above the top row";

    ASSERT_TRUE(grid.StoreRemoveRows(1, grid.GetRowCount()));
    Module().UpdateRowsRemoved(&grid, 1, 57, nullptr, 4);
    EXPECT_EQ(grid.GetTopRow(), 1u) << "no rows left";
}

TEST_F(OptimizedUpdateTest, RowsRemovedInViewScrollWhatFollowedUp)
{
    const int y = RowTop(4);
    int anHeights[2] = {grid.GetRowHeight(4), grid.GetRowHeight(5)};
    const int h = anHeights[0] + anHeights[1];
    // the row that will reach into the uncovered strip is drawn whole again
    int yRedrawn = 0;
    grid.CalcClientRowFromY(rectGrid.bottom - h, &yRedrawn);
    Settle();
    const auto before = PixelRows(y + h, yRedrawn + h);
    ASSERT_TRUE(grid.StoreRemoveRows(4, 5));
    Module().UpdateRowsRemoved(&grid, 4, 5, anHeights, 4);
    EXPECT_TRUE(PixelRows(y, yRedrawn) == before) << "what followed was scrolled up";
    EXPECT_EQ(UpdateRegionText(grid), "empty") << "the strip uncovered at the bottom was painted at once";
    EXPECT_TRUE(grid.PaintedWhole(Band(yRedrawn, rectGrid.bottom)));
    EXPECT_FALSE(grid.Painted(CPoint(rectGrid.left + 1, yRedrawn - 1)));
}

TEST_F(OptimizedUpdateTest, ACoveredBlockThatReachedIntoTheRemovedRowsIsDrawnAgain)
{
    OneSpanCoveredCells covered(CGXCellRange(3, 2, 6, 3));
    WithModule<CGXAbstractGridCoveredCellsImp> withCovered(grid.m_pCoveredCellsImp, &covered);
    const CRect rectBlock = grid.CalcRangeRect(3, 2, 4, 3);
    const CRect rectBeside = grid.CalcRangeRect(3, 5, 3, 5);
    Settle();
    Module().UpdateRowsRemoved(&grid, 5, 8, nullptr, 4);
    EXPECT_TRUE(IsInvalid(rectBlock.CenterPoint())) << "the block's part above the removal";
    EXPECT_FALSE(IsInvalid(rectBeside.CenterPoint()));
    EXPECT_TRUE(IsInvalid(CPoint(rectGrid.left + 1, RowTop(5) + 1))) << "from the removal on";
}

TEST_F(OptimizedUpdateTest, TheSwitchForNumberedHeadersRedrawsTheFollowingRows)
{
    const CPoint following(rectGrid.left + 1, RowTop(9) + 1);
    for (BOOL bSwitch : {FALSE, TRUE}) {
        grid.GetParam()->GetViewOptions().bRedrawFollowingRows = bSwitch;
        Settle();
        ASSERT_TRUE(grid.StoreInsertRows(5, 2));
        Module().UpdateRowsInserted(&grid, 5, 2, 4);
        EXPECT_EQ(IsInvalid(following), bSwitch) << "inserted";
        Settle();
        int anHeights[2] = {grid.GetRowHeight(5), grid.GetRowHeight(6)};
        ASSERT_TRUE(grid.StoreRemoveRows(5, 6));
        Module().UpdateRowsRemoved(&grid, 5, 6, anHeights, 4);
        EXPECT_EQ(IsInvalid(following), bSwitch) << "removed";
    }
}

TEST_F(OptimizedUpdateTest, AChangedRowHeightLeavesOnlyTheRowToPaint)
{
    for (int nDelta : {10, -6}) {
        const int y = RowTop(5);
        const int nOld = grid.GetRowHeight(5);
        Settle();
        const auto before = PixelRows(y + nOld, rectGrid.bottom - 10);
        grid.StoreRowHeight(5, nOld + nDelta);
        Module().UpdateRowHeightsChanged(&grid, 5, 0, &nOld, 4);
        EXPECT_EQ(UpdateRegionText(grid), RectText(Band(y, y + nOld + nDelta))) << nDelta;
        EXPECT_TRUE(PixelRows(y + nOld + nDelta, rectGrid.bottom - 10 + nDelta) == before) << nDelta;
    }
}

TEST_F(OptimizedUpdateTest, FloatingOrMergedCellsRedrawTheWholeGrid)
{
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"insert", [&] { Module().UpdateRowsInserted(&grid, 5, 1, 4); }},
        {"remove", [&] { Module().UpdateRowsRemoved(&grid, 5, 5, nullptr, 4); }},
        {"height", [&] {
             const int nOld = grid.GetRowHeight(5);
             Module().UpdateRowHeightsChanged(&grid, 5, 5, &nOld, 4);
         }},
        {"width", [&] {
             const int nOld = grid.GetColWidth(2);
             Module().UpdateColWidthsChanged(&grid, 2, 2, &nOld, 4);
         }},
    };
    for (int nMode : {1, 2}) {
        grid.GetParam()->SetFloatCellsMode(WORD(nMode == 1));
        grid.GetParam()->SetMergeCellsMode(WORD(nMode == 2));
        for (const auto& [pszName, change] : changes) {
            Settle();
            change();
            EXPECT_EQ(UpdateRegionText(grid), RectText(rectGrid)) << pszName << (nMode == 1 ? " floating" : " merged");
        }
    }
}

namespace {

// A grid view that hides its header rows (gives them no height) while it is a lower pane.
class CHeaderlessView : public CTestGridView {
    DECLARE_DYNCREATE(CHeaderlessView)
public:
    int GetRowHeight(ROWCOL nRow) override
    {
        return nRow <= GetHeaderRows() && GetSplitterRow() > 0 ? 0 : CTestGridView::GetRowHeight(nRow);
    }
};
IMPLEMENT_DYNCREATE(CHeaderlessView, CTestGridView)

}  // namespace

TEST(OptimizedUpdateInPanes, AHeaderRowsHeightInAPaneThatHidesItsHeadersScrollsNothing)
{
    CWinApp app("Ondrix");
    CFakeServices fake;
    CGridDocument document(40, 6);
    CGridFrame* pFrame = MakeGridFrame(&document, 640, 480, 2, 1, RUNTIME_CLASS(CHeaderlessView));
    ASSERT_NE(pFrame, nullptr);
    auto* pUpper = dynamic_cast<CGXGridView*>(pFrame->m_splitter.GetPane(0, 0));
    auto* pLower = dynamic_cast<CGXGridView*>(pFrame->m_splitter.GetPane(1, 0));
    ASSERT_TRUE(pUpper != nullptr && pLower != nullptr);
    const int nOld = pUpper->GetRowHeight(0);
    pUpper->StoreRowHeight(0, nOld + 8);
    for (CGXGridView* pView : {pUpper, pLower}) {
        pView->UpdateWindow();
        pView->m_pOptimizedUpdateImp->UpdateRowHeightsChanged(pView, 0, 0, &nOld, 4);
    }
    EXPECT_EQ(UpdateRegionText(*pLower), "empty");
    EXPECT_NE(UpdateRegionText(*pUpper), "empty") << "a pane that shows its headers";
    pFrame->DestroyWindow();
}
