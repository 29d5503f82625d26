// User resizing of rows and columns: dragging a boundary through the grid's mouse handlers (the points
// computed from the sizes), the sizing words' bits, live sizing, the line window, and double clicks.
#include "sizing_test_support.h"

#include "grid/engine/GXDragLineWnd.h"
#include "grid/ops/GXGridUserResizeCellsImp.h"

namespace {

class ResizeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.SetTickCount(100000);
        grid.Make(30, 10);
        ASSERT_NE(grid.m_pUserResizeCellsImp, nullptr);
        rectGrid = grid.GetGridRect();
    }
    void TearDown() override
    {
        if (::GetCapture() == grid.m_hWnd)
            ::ReleaseCapture();
    }
    CGXGridUserResizeCellsImp& Module() { return *static_cast<CGXGridUserResizeCellsImp*>(grid.m_pUserResizeCellsImp); }
    // The point on the right boundary of column c, in the column headers (the bottom one of row r, in
    // the row headers).
    CPoint ColBoundary(ROWCOL c)
    {
        return CPoint(rectGrid.left + grid.SumDisplayColWidths(0, grid.ColToDisplayIndex(c)),
                      rectGrid.top + grid.GetRowHeight(0) / 2);
    }
    CPoint RowBoundary(ROWCOL r)
    {
        return CPoint(rectGrid.left + grid.GetColWidth(0) / 2,
                      rectGrid.top + grid.SumDisplayRowHeights(0, grid.RowToDisplayIndex(r)));
    }
    void Press(CPoint point) { grid.OnGridLButtonDown(MK_LBUTTON, point); }
    void MoveTo(CPoint point) { grid.OnGridMouseMove(MK_LBUTTON, point); }
    void Release(CPoint point) { grid.OnGridLButtonUp(0, point); }
    // Drags the boundary at point by (dx, dy).
    void Drag(CPoint point, int dx, int dy)
    {
        Press(point);
        const CPoint to(point.x + dx, point.y + dy);
        MoveTo(to);
        Release(to);
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CSizingGrid grid;
    CRect rectGrid;
};

}  // namespace

TEST_F(ResizeTest, DraggingAColumnBoundaryResizesOrHidesItAsOneUndoStep)
{
    const int nWidth = grid.GetColWidth(3), nCommands = grid.UndoCount();
    Drag(ColBoundary(3), 20, 0);
    EXPECT_EQ(grid.GetColWidth(3), nWidth + 20);
    EXPECT_EQ(grid.GetColWidth(4), nWidth);
    EXPECT_EQ(grid.UndoCount(), nCommands + 1);
    EXPECT_EQ(grid.LastUndoName(), "Change Column Widths");
    EXPECT_EQ(::GetCapture(), nullptr) << "the release lets the mouse go";

    Drag(ColBoundary(3), -(nWidth + 40), 0);
    EXPECT_TRUE(grid.IsColHidden(3)) << "dragged left of its left edge";
    EXPECT_EQ(grid.LastUndoName(), "Hide Columns");
    ASSERT_TRUE(grid.Undo());
    EXPECT_FALSE(grid.IsColHidden(3));
    EXPECT_EQ(grid.GetColWidth(3), nWidth + 20);

    // a row boundary alike
    const int nHeight = grid.GetRowHeight(2);
    Drag(RowBoundary(2), 0, 7);
    EXPECT_EQ(grid.GetRowHeight(2), nHeight + 7);
    EXPECT_EQ(grid.LastUndoName(), "Change Row Heights");
}

TEST_F(ResizeTest, ADragOfOnePixelChangesNothing)
{
    const int nWidth = grid.GetColWidth(2), nCommands = grid.UndoCount();
    for (int dx : {1, -1, 0}) {
        Drag(ColBoundary(2), dx, 0);
        EXPECT_EQ(grid.GetColWidth(2), nWidth) << dx;
    }
    EXPECT_EQ(grid.UndoCount(), nCommands);
    EXPECT_FALSE(Module().IsTracking());
}

TEST_F(ResizeTest, AColumnOfAWholeColumnSelectionResizesEverySelectedColumn)
{
    const int nWidth = grid.GetColWidth(2);
    grid.SelectRange(CGXCellRange().SetCols(2, 3));
    grid.SelectRange(CGXCellRange().SetCols(5, 5));
    Drag(ColBoundary(3), 15, 0);
    for (ROWCOL c : {2u, 3u, 5u})
        EXPECT_EQ(grid.GetColWidth(c), nWidth + 15) << c;
    for (ROWCOL c : {1u, 4u, 6u})
        EXPECT_EQ(grid.GetColWidth(c), nWidth) << c;
    // a column outside the selection alone
    Drag(ColBoundary(1), 9, 0);
    EXPECT_EQ(grid.GetColWidth(1), nWidth + 9);
    EXPECT_EQ(grid.GetColWidth(2), nWidth + 15);
}

TEST_F(ResizeTest, SizingBitsRefuseHeadersOrSetTheDefaultSize)
{
    CGXGridParam* pParam = grid.GetParam();
    pParam->SetColSizingFlags(178 | 8);
    EXPECT_FALSE(grid.StartResizeTracking(0, 0, 2)) << "a header column";
    ASSERT_TRUE(grid.StartResizeTracking(0, 1, 2));
    grid.CancelResizeTracking();

    pParam->SetColSizingFlags(178 | 1);
    const int nDefault = grid.GetDefaultColWidth();
    Drag(ColBoundary(3), 12, 0);
    EXPECT_EQ(grid.GetDefaultColWidth(), nDefault + 12);
    EXPECT_EQ(grid.GetColWidth(7), nDefault + 12) << "every column";

    pParam->SetColSizingFlags(0);
    Press(ColBoundary(3));
    EXPECT_FALSE(Module().IsTracking()) << "neither bit 1 nor bit 2";
}

TEST_F(ResizeTest, LiveSizingStoresWhileTrackingAndRecordsOneChangeAtTheEnd)
{
    grid.GetParam()->SetColSizingFlags(2 | 256);
    const int nWidth = grid.GetColWidth(2), nCommands = grid.UndoCount();
    const CPoint point = ColBoundary(2);
    Press(point);
    int nKind = 0;
    ROWCOL nIndex = 0;
    EXPECT_TRUE(grid.IsUserResizing(nKind, nIndex));
    EXPECT_EQ(nKind, 2);
    EXPECT_EQ(nIndex, 2u);
    MoveTo(CPoint(point.x + 10, point.y));
    EXPECT_EQ(grid.GetColWidth(2), nWidth + 10) << "stored while tracking";
    MoveTo(CPoint(point.x + 25, point.y));
    EXPECT_EQ(grid.GetColWidth(2), nWidth + 25);
    EXPECT_EQ(grid.UndoCount(), nCommands);
    Release(CPoint(point.x + 25, point.y));
    EXPECT_FALSE(grid.IsUserResizing(nKind, nIndex));
    EXPECT_EQ(grid.GetColWidth(2), nWidth + 25);
    EXPECT_EQ(grid.UndoCount(), nCommands + 1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.GetColWidth(2), nWidth) << "the one change keeps the width before the drag";

    // a cancelled live drag puts the width back
    Press(point);
    MoveTo(CPoint(point.x + 30, point.y));
    grid.OnGridCancelMode();
    EXPECT_EQ(grid.GetColWidth(2), nWidth);
    EXPECT_EQ(grid.UndoCount(), nCommands);
}

TEST_F(ResizeTest, ALineWindowShowsTheMovingLineOnlyWithBit32ClearAndGridLinesShown)
{
    CGXProperties* pProperties = grid.GetParam()->GetProperties();
    struct Case {
        WORD wFlags;
        BOOL bLines;
        BOOL bWindow;
    };
    const Case cases[] = {{178, TRUE, FALSE}, {178 & ~32, TRUE, TRUE}, {178 & ~32, FALSE, FALSE},
                          {(178 & ~32) | 256, TRUE, FALSE}};
    const CPoint point = ColBoundary(2);
    for (const Case& c : cases) {
        grid.GetParam()->SetColSizingFlags(c.wFlags);
        pProperties->SetDisplayVertLines(c.bLines);
        Press(point);
        MoveTo(CPoint(point.x + 8, point.y));
        CGXDragLineWnd* pLine = Module().GetDragLineWnd();
        EXPECT_EQ(pLine != nullptr, c.bWindow) << c.wFlags << " " << c.bLines;
        if (pLine != nullptr) {
            CRect rect;
            pLine->GetWindowRect(&rect);
            grid.ScreenToClient(&rect);
            EXPECT_EQ(RectText(rect), RectText(Module().GetMovingLine()));
            EXPECT_EQ(rect.left, point.x + 8) << "on the moved boundary";
            EXPECT_TRUE(pLine->IsWindowVisible());
        }
        grid.OnGridCancelMode();
        EXPECT_EQ(Module().GetDragLineWnd(), nullptr);
    }
}

TEST_F(ResizeTest, ADoubleClickShowsTheHiddenColumnsBesideTheBoundaryOrResetsTheWidth)
{
    ASSERT_TRUE(grid.HideCols(4, 5));
    const int nCommands = grid.UndoCount();
    grid.OnGridLButtonDblClk(MK_LBUTTON, ColBoundary(3));
    EXPECT_EQ(grid.HiddenCols(10), "");
    EXPECT_EQ(grid.UndoCount(), nCommands + 1) << "one change shows both";
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.HiddenCols(10), "4 5");

    ASSERT_TRUE(grid.SetColWidth(2, 2, 100));
    grid.OnGridLButtonDblClk(MK_LBUTTON, ColBoundary(2));
    EXPECT_EQ(grid.GetColWidth(2), grid.GetDefaultColWidth());
    LONG nStored = 0;
    EXPECT_FALSE(grid.GetParam()->GetColWidths().Lookup(2, nStored)) << "the default width (-1)";
}

TEST_F(ResizeTest, AfterTheHeaderPreviewTheScreenShowsWhatAPaintOfTheNewSizesDraws)
{
    grid.UpdateWindow();
    Drag(ColBoundary(2), -300, 0);
    ASSERT_TRUE(grid.IsColHidden(2));
    EXPECT_TRUE(ShowsWhatAPaintDraws(grid)) << "the headers after the hidden column are where a paint puts them";
}
