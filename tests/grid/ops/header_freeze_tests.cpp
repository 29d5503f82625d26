// Header marks (the headers the current cell and a resized line mark, the rectangles invalidated when
// the current cell moves) and the freeze commands (enabling, moving the run to the front and back, the
// undo block).
#include "sizing_test_support.h"

#include "grid/engine/GXStyle.h"

namespace {

// Notes the frozen row count whenever rows are moved.
class CFreezeGrid : public CSizingGrid {
public:
    BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType) override
    {
        m_frozenAtMove.push_back(GetFrozenRows());
        return CSizingGrid::MoveRows(nFrom, nTo, nDest, nFlags, nCommandType);
    }
    std::vector<ROWCOL> m_frozenAtMove;
};

class HeaderFreezeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.SetTickCount(100000);
        grid.Make(20, 8);
        ASSERT_NE(grid.m_pMarkEditHeaderImp, nullptr);
        ASSERT_NE(grid.m_pFreezeMenuHelperImp, nullptr);
        rectGrid = grid.GetGridRect();
        for (ROWCOL n = 1; n <= 6; ++n) {
            CGXStyle style;
            style.SetValue(std::string(1, char('a' + n - 1)).c_str());
            grid.StoreStyleRowCol(1, n, &style, CGXStyle::gxOverride);
            grid.StoreStyleRowCol(n, 1, &style, CGXStyle::gxOverride);
        }
    }
    // The first row's values of columns 1..6, and the first column's of rows 1..6.
    std::string RowValues()
    {
        std::string text;
        for (ROWCOL c = 1; c <= 6; ++c)
            text += grid.GetStoredValueRowCol(1, c).GetString();
        return text;
    }
    std::string ColValues()
    {
        std::string text;
        for (ROWCOL r = 1; r <= 6; ++r)
            text += grid.GetStoredValueRowCol(r, 1).GetString();
        return text;
    }
    // The middle of the column header of column c (a column in view).
    CPoint ColHeader(ROWCOL c)
    {
        const CRect rect = grid.CalcCellRect(0, c);
        return rect.CenterPoint();
    }
    BOOL IsInvalid(CPoint point)
    {
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(grid.m_hWnd, HRGN(region.m_hObject), FALSE);
        return region.PtInRegion(point);
    }
    BOOL Marked(ROWCOL nRow, ROWCOL nCol)
    {
        return grid.m_pMarkEditHeaderImp->IsHeaderMarked(grid.m_pControl, nRow, nCol, 0);
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CFreezeGrid grid;
    CRect rectGrid;
};

}  // namespace

TEST_F(HeaderFreezeTest, MovingTheCurrentCellRedrawsTheOldAndTheNewColumnHeader)
{
    CGXProperties* pProperties = grid.GetParam()->GetProperties();
    pProperties->SetMarkColHeader(TRUE);
    pProperties->SetMarkRowHeader(FALSE);
    ASSERT_TRUE(grid.SetCurrentCell(2, 2));
    grid.UpdateWindow();
    EXPECT_TRUE(Marked(0, 2));
    EXPECT_FALSE(Marked(2, 0)) << "the row-header marking is off";
    EXPECT_FALSE(Marked(0, 3));

    ASSERT_TRUE(grid.SetCurrentCell(2, 3, 1));
    EXPECT_TRUE(IsInvalid(ColHeader(2)));
    EXPECT_TRUE(IsInvalid(ColHeader(3)));
    EXPECT_FALSE(IsInvalid(ColHeader(1)));
    EXPECT_FALSE(IsInvalid(grid.CalcCellRect(2, 0).CenterPoint())) << "no row header";
    EXPECT_TRUE(Marked(0, 3));
    EXPECT_FALSE(Marked(0, 2));
}

TEST_F(HeaderFreezeTest, AColumnBeingResizedHasItsHeaderMarkedWhileSizingBit16IsClear)
{
    grid.GetParam()->GetProperties()->SetMarkColHeader(FALSE);
    grid.UpdateWindow();
    ASSERT_TRUE(grid.StartResizeTracking(0, 3, 2));
    EXPECT_FALSE(Marked(0, 3)) << "bit 16 set by default";
    grid.CancelResizeTracking();

    grid.GetParam()->SetColSizingFlags(178 & ~16);
    grid.UpdateWindow();
    ASSERT_TRUE(grid.StartResizeTracking(0, 3, 2));
    EXPECT_TRUE(IsInvalid(ColHeader(3))) << "invalidated at the start";
    EXPECT_TRUE(Marked(0, 3));
    EXPECT_FALSE(Marked(0, 2));
    grid.CancelResizeTracking();
    EXPECT_FALSE(Marked(0, 3));
}

TEST_F(HeaderFreezeTest, FreezingNeedsOneRunOfWholeColumnsAndNoFrozenOnes)
{
    struct Case {
        std::vector<CGXCellRange> ranges;
        BOOL bCan;
    };
    const Case cases[] = {
        {{CGXCellRange().SetCols(4, 5)}, TRUE},
        {{CGXCellRange().SetCols(2, 3), CGXCellRange().SetCols(5, 5)}, FALSE},
        {{CGXCellRange(2, 2, 3, 3)}, FALSE},
        {{}, FALSE},
    };
    for (const Case& c : cases) {
        grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        for (const CGXCellRange& range : c.ranges)
            grid.SelectRange(range);
        EXPECT_EQ(grid.CanFreezeCols(), c.bCan) << SelectionText(grid);
    }
    EXPECT_FALSE(grid.CanUnfreezeCols());
    ASSERT_TRUE(grid.SetFrozenCols(1, 0));
    grid.SelectRange(CGXCellRange().SetCols(4, 5));
    EXPECT_FALSE(grid.CanFreezeCols()) << "columns are frozen already";
    EXPECT_TRUE(grid.CanUnfreezeCols());
}

TEST_F(HeaderFreezeTest, FreezingColumnsMovesThemToTheFrontAsOneUndoBlockAndUnfreezingMovesThemBack)
{
    grid.SelectRange(CGXCellRange().SetCols(4, 5));
    const int nCommands = grid.UndoCount();
    grid.FreezeCols();
    EXPECT_EQ(RowValues(), "deabcf");
    EXPECT_EQ(grid.GetFrozenCols(), 2u);
    EXPECT_EQ(SelectionText(grid), "") << "the selection is cleared";
    EXPECT_EQ(grid.UndoCount(), nCommands + 1);
    EXPECT_EQ(grid.LastUndoName(), "Freeze Columns");

    grid.UnfreezeCols();
    EXPECT_EQ(RowValues(), "abcdef");
    EXPECT_EQ(grid.GetFrozenCols(), 0u);
    EXPECT_EQ(grid.LastUndoName(), "Freeze Columns");

    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(RowValues(), "deabcf");
    EXPECT_EQ(grid.GetFrozenCols(), 2u);
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(RowValues(), "abcdef");
    EXPECT_EQ(grid.GetFrozenCols(), 0u);
}

TEST_F(HeaderFreezeTest, UnfreezingRowsSetsTheFrozenCountToZeroBeforeMovingThemBack)
{
    grid.SelectRange(CGXCellRange().SetRows(3, 4));
    grid.FreezeRows();
    EXPECT_EQ(ColValues(), "cdabef");
    EXPECT_EQ(grid.GetFrozenRows(), 2u);
    EXPECT_EQ(grid.LastUndoName(), "Freeze Rows");
    grid.m_frozenAtMove.clear();
    grid.UnfreezeRows();
    EXPECT_EQ(ColValues(), "abcdef");
    EXPECT_EQ(grid.m_frozenAtMove, std::vector<ROWCOL>{0});
}
