// Scroll bars and scrolling: the bars' scale for large grids, automatic showing and hiding, keeping the
// end in view, scrolling by lines in both directions, bringing a cell into view and starting automatic
// scrolling.
#include "input_test_support.h"

#include <string>

namespace {

// A grid whose first scrolled line may be refused.
class CRefusingGrid : public CInputGridWnd {
public:
    BOOL OnTopRowChange(ROWCOL) override { return !m_bRefuse; }
    BOOL m_bRefuse = FALSE;
};

// The client rectangle's strip where the vertical bar came.
CRect RightStrip(CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    rect.left = rect.right - 2 * ::GetSystemMetrics(SM_CXVSCROLL);
    return rect;
}

}  // namespace

TEST(Scrolling, LargeGridsScaleTheBarsAndReadBackInLines)
{
    CInputGridWnd grid;
    grid.CreateInputGrid(100000, 10);
    CGXGridCore& core = grid;  // the window forms take the core's bar operations
    EXPECT_EQ(core.GetScrollPos(SB_VERT), 0) << "a bar without a mode does nothing";
    grid.SetScrollBarMode(SB_BOTH, CGXGridCore::gxScrollAlways, FALSE);
    core.SetScrollRange(SB_VERT, 1, 100000, FALSE);
    EXPECT_EQ(grid.GetScrollScale(SB_VERT), 4) << "100000 / 32767 + 1";
    int nMin = 0, nMax = 0;
    core.GetScrollRange(SB_VERT, nMin, nMax);
    EXPECT_EQ(nMax, 100000);
    core.SetScrollPos(SB_VERT, 50000, FALSE);
    EXPECT_EQ(core.GetScrollPos(SB_VERT), 50000);
    EXPECT_EQ(core.SetScrollPos(SB_VERT, 3, FALSE), 50000) << "the previous position";
    EXPECT_EQ(core.GetScrollPos(SB_VERT), 0) << "a position below the scale";
    core.SetScrollRange(SB_HORZ, 1, 10, FALSE);
    EXPECT_EQ(grid.GetScrollScale(SB_HORZ), 1);
}

TEST(Scrolling, AnAutomaticBarComesWhenTheLinesNoLongerFit)
{
    CInputGridWnd grid;
    grid.CreateInputGrid(3, 2);
    grid.Show();
    grid.SetScrollBarMode(SB_VERT, CGXGridCore::gxScrollAuto);
    EXPECT_FALSE(grid.GetStyle() & WS_VSCROLL) << "every row fits";
    grid.GetParam()->GetData()->SetRowCount(60);
    grid.ForgetPaints();
    grid.UpdateScrollbars(FALSE);
    EXPECT_TRUE(grid.GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(grid.PaintedWhole(RightStrip(grid))) << "the strip along the right edge is drawn again";
    int nMin = 0, nMax = 0;
    static_cast<CGXGridCore&>(grid).GetScrollRange(SB_VERT, nMin, nMax);
    EXPECT_GT(nMax, 1);
    grid.GetParam()->GetData()->SetRowCount(3);
    grid.UpdateScrollbars(FALSE);
    EXPECT_FALSE(grid.GetStyle() & WS_VSCROLL);
}

TEST(Scrolling, KeepingTheEndInViewLeavesNoSpaceAfterTheLastRow)
{
    CInputGridWnd grid;
    grid.CreateInputGrid(100, 4);
    grid.Show();
    grid.SetScrollBarMode(SB_VERT, CGXGridCore::gxScrollAuto | CGXGridCore::gxScrollKeepEnd);
    grid.SetTopRow(99, 0);
    const CRect last = grid.CalcCellRect(100, 1), gridRect = grid.GetGridRect();
    EXPECT_LT(grid.GetTopRow(), 99u);
    EXPECT_LE(last.bottom, gridRect.bottom) << "the last row is shown whole";
    EXPECT_LT(gridRect.bottom - last.bottom, grid.GetRowHeight(grid.GetTopRow() - 1))
        << "no room for the row before the top row";
}

TEST(Scrolling, ScrollingByLinesInBothDirections)
{
    for (const BOOL bRow : {TRUE, FALSE}) {
        SCOPED_TRACE(bRow ? "rows" : "columns");
        CInputGridWnd grid;
        grid.CreateInputGrid(60, 60);
        grid.Show();
        const int nBack = bRow ? CGXGridCore::gxUp : CGXGridCore::gxLeft;
        const int nForward = bRow ? CGXGridCore::gxDown : CGXGridCore::gxRight;
        auto first = [&] { return bRow ? grid.GetTopRow() : grid.GetLeftCol(); };
        EXPECT_FALSE(grid.DoScroll(nBack, 1)) << "the first scrollable line is shown";
        EXPECT_EQ(first(), 1u);

        // one line: the pixels move, only the band that came into view is drawn
        const CPoint middle = grid.GetGridRect().CenterPoint();
        grid.ForgetPaints();
        EXPECT_TRUE(grid.DoScroll(nForward, 1));
        EXPECT_EQ(first(), 2u);
        EXPECT_FALSE(grid.Painted(middle));
        const CRect gridRect = grid.GetGridRect();
        EXPECT_TRUE(grid.Painted(bRow ? CPoint(middle.x, gridRect.bottom - 2) : CPoint(gridRect.right - 2, middle.y)))
            << "the band at the far edge";

        // farther than the scroll area: the whole area is drawn again, and never beyond the last line
        grid.ForgetPaints();
        EXPECT_TRUE(grid.DoScroll(nForward, 1000));
        CRect area = grid.GetGridRect();
        (bRow ? area.top : area.left) = bRow ? grid.GetRowHeight(0) : grid.GetColWidth(0);
        EXPECT_TRUE(grid.PaintedWhole(area));
        EXPECT_EQ(bRow ? grid.GetLastVisibleRow() : grid.GetLastVisibleCol(), 60u);
        EXPECT_FALSE(grid.DoScroll(nForward, 1)) << "the last line is shown";
        EXPECT_TRUE(grid.DoScroll(nBack, 3));
    }
}

TEST(Scrolling, ARefusedTopRowLeavesTheGridUnscrolled)
{
    CRefusingGrid grid;
    grid.CreateInputGrid(60, 4);
    grid.m_bRefuse = TRUE;
    EXPECT_FALSE(grid.DoScroll(CGXGridCore::gxDown, 2));
    EXPECT_FALSE(grid.SetTopRow(5, 0));
    EXPECT_EQ(grid.GetTopRow(), 1u);
}

TEST(Scrolling, BringingACellIntoView)
{
    CInputGridWnd grid;
    grid.CreateInputGrid(60, 60);
    EXPECT_FALSE(grid.ScrollCellInView(2, 2)) << "already visible";
    EXPECT_TRUE(grid.ScrollCellInView(40, 2));
    const CRect cell = grid.CalcCellRect(40, 2), gridRect = grid.GetGridRect();
    EXPECT_GE(cell.top, gridRect.top);
    EXPECT_LE(cell.bottom, gridRect.bottom) << "shown whole";
    EXPECT_LT(gridRect.bottom - cell.bottom, grid.GetRowHeight(41)) << "at the bottom of the grid";
    EXPECT_TRUE(grid.ScrollCellInView(3, 50));
    EXPECT_EQ(grid.GetTopRow(), 3u) << "a row above the top row becomes the top row";
    EXPECT_GE(grid.GetLastVisibleCol(), 50u);

    // a covered span from the frozen rows into the scrolled ones shows from the first scrolled row
    grid.SetFrozenRows(2);
    OneSpanCoveredCells covered(CGXCellRange(2, 5, 6, 5));
    WithModule<CGXAbstractGridCoveredCellsImp> withCovered(grid.m_pCoveredCellsImp, &covered);
    EXPECT_TRUE(grid.ScrollCellInView(2, 5));
    EXPECT_EQ(grid.GetTopRow(), 3u);
}

TEST(Scrolling, AutomaticScrollingStartsWithATimerAndOneTickAtOnce)
{
    CInputGridWnd grid;
    grid.CreateInputGrid(10, 10);
    grid.StartAutoScroll(FALSE, TRUE, FALSE);
    EXPECT_TRUE(grid.IsAutoScrolling());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, grid.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(CGXGridCore::gxAutoScrollTimer));
    grid.EndAutoScroll();
    EXPECT_FALSE(grid.IsAutoScrolling());

    // a window of another thread takes no timer of this one
    grid.SetGridWnd(CWnd::FromHandle(::GetDesktopWindow()));
    grid.StartAutoScroll(FALSE, TRUE, TRUE);
    grid.SetGridWnd(&grid);
    EXPECT_FALSE(grid.IsAutoScrolling());
}
