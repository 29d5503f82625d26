// The grid's mouse operations beyond selecting: automatic scrolling driven by its timer's ticks (the
// tick count and the pointer come through the services seam), dragging selected rows and columns to
// another place, the selection frame drawn on memory canvases pixel by pixel, and filling by dragging
// the frame's handle.
#include "view_test_support.h"

#include "grid/ops/GXGridAutoScrollPlugin.h"
#include "grid/ops/GXGridExcelLikeFillImp.h"
#include "grid/ops/GXGridExcelLikeFrameImp.h"
#include "grid/ops/GXGridUpdateHintImp.h"
#include "grid/ops/GXCommands.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

// the test support's classes, once for this program
GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)
IMPLEMENT_DYNCREATE(CTestGridView, CGXGridView)

namespace {

// A grid window that notes the moves of rows and columns, the cursors it is asked to show and the
// frame parts drawn, and may refuse drops.
class CMouseGrid : public CInputGridWnd {
public:
    BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType) override
    {
        m_moves.push_back("rows " + std::to_string(nFrom) + "," + std::to_string(nTo) + "," + std::to_string(nDest));
        return CInputGridWnd::MoveRows(nFrom, nTo, nDest, nFlags, nCommandType);
    }
    BOOL MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType) override
    {
        m_moves.push_back("cols " + std::to_string(nFrom) + "," + std::to_string(nTo) + "," + std::to_string(nDest));
        return CInputGridWnd::MoveCols(nFrom, nTo, nDest, nFlags, nCommandType);
    }
    void SetGridCursor(UINT nID, LPCSTR lpszSystem) override
    {
        m_cursors.push_back(nID);
        CInputGridWnd::SetGridCursor(nID, lpszSystem);
    }
    BOOL ApproveDropRows(ROWCOL, ROWCOL, ROWCOL nDest) override { return nDest != m_nRefusedDrop; }
    void DrawFramePart(CDC* pDC, const CRect& rectClip, const CRect& rectFrame, BOOL bTop, BOOL bLeft, int nKnob,
                       BOOL bKnobOnly) override
    {
        ++m_nFrameParts;
        CInputGridWnd::DrawFramePart(pDC, rectClip, rectFrame, bTop, bLeft, nKnob, bKnobOnly);
    }

    std::vector<std::string> m_moves;
    std::vector<UINT> m_cursors;
    ROWCOL m_nRefusedDrop = 0;
    int m_nFrameParts = 0;
};

// A shown grid of 2000 rows by 6 columns with every operation module. The services seam answers a
// tick count and a pointer at the grid's centre (the free area: no automatic scrolling).
class MouseOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseModifierKeys(fake);
        grid.CreateInputGrid(2000, 6);
        grid.SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
        grid.Show();
        fake.SetTickCount(1000);
        PointerAt(grid.GetGridRect().CenterPoint());
        ASSERT_NE(grid.m_pAutoScrollPlugin, nullptr);
        ASSERT_NE(grid.m_pUserDragSelectRangeImp, nullptr);
        ASSERT_NE(grid.m_pExcelLikeFillImp, nullptr);
        ASSERT_NE(grid.m_pExcelLikeFrameImp, nullptr);
    }
    void TearDown() override { grid.EndAutoScroll(); }
    // The services' pointer at a client point of the grid.
    void PointerAt(CPoint point)
    {
        grid.ClientToScreen(&point);
        fake.SetCursorPos(point, grid.m_hWnd);
    }
    CGXAutoScrollPlugin& Plugin() { return *static_cast<CGXAutoScrollPlugin*>(grid.m_pAutoScrollPlugin); }
    // Starts automatic scrolling and drops the tick it posts, so that the test gives the ticks.
    void StartScrolling(BOOL bVertical, BOOL bHorizontal)
    {
        grid.StartAutoScroll(FALSE, bVertical, bHorizontal);
        MSG msg;
        while (::PeekMessageA(&msg, grid.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        }
    }
    // One tick of the timer at tick count dwTicks.
    void Tick(DWORD dwTicks)
    {
        fake.SetTickCount(dwTicks);
        grid.SendMessage(WM_TIMER, CGXGridCore::gxAutoScrollTimer, 0);
    }
    CGXGridParam& Param() { return *grid.GetParam(); }
    // A mouse message at the centre of a cell, the services' pointer there too.
    void MouseAt(UINT nMessage, ROWCOL nRow, ROWCOL nCol, UINT nFlags)
    {
        PointerAt(grid.CalcRangeRect(nRow, nCol, nRow, nCol).CenterPoint());
        MouseOnCell(grid, nMessage, nRow, nCol, nFlags);
    }

    KeptPointer pointer;
    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CMouseGrid grid;
};

}  // namespace

// ---- automatic scrolling -------------------------------------------------------------------------------

TEST_F(MouseOpsTest, AutoScrollingStartsItsTimerAndAPointerInTheFreeAreaNeverScrolls)
{
    grid.StartAutoScroll(FALSE, TRUE, TRUE);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, grid.m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(CGXGridCore::gxAutoScrollTimer));
    grid.SetTopRow(50);
    for (DWORD t = 1000; t < 2000; t += 100) {
        Tick(t);
        EXPECT_EQ(grid.GetTopRow(), 50u);
        EXPECT_EQ(Plugin().m_nInterval, 80);
        EXPECT_EQ(Plugin().m_nSpeed, 1);
    }
    EXPECT_TRUE(::KillTimer(grid.m_hWnd, CGXGridCore::gxAutoScrollTimer)) << "the timer ran";
}

TEST_F(MouseOpsTest, APointerAboveTheGridScrollsUpFasterTheLongerItStaysAndSlowsDownComingBack)
{
    grid.SetTopRow(1500);
    const CRect rectGrid = grid.GetGridRect();
    const LONG nFreeTop = rectGrid.top + grid.SumRowHeights(0, grid.GetFrozenRows());
    PointerAt(CPoint(rectGrid.CenterPoint().x, nFreeTop - 40));
    StartScrolling(TRUE, FALSE);

    // each due step: lines speed / 10 (at least 1); the interval falls by (40 / 5) / 2 = 4 until 0,
    // then the speed grows by 2 up to 80
    DWORD t = 1000;
    int nInterval = 80, nSpeed = 1;
    for (int nStep = 0; nStep < 70; ++nStep, t += 100) {
        const ROWCOL nTop = grid.GetTopRow();
        Tick(t);
        EXPECT_EQ(nTop - grid.GetTopRow(), ROWCOL(std::max(nSpeed / 10, 1))) << "step " << nStep;
        nInterval -= 4;
        if (nInterval < 0) {
            nInterval = 0;
            nSpeed = std::min(nSpeed + 2, 80);
        }
        EXPECT_EQ(Plugin().m_nInterval, nInterval) << "step " << nStep;
        EXPECT_EQ(Plugin().m_nSpeed, nSpeed) << "step " << nStep;
    }
    EXPECT_EQ(Plugin().m_nSpeed, 80) << "the fastest: 8 lines a step";

    // no step before the interval passed
    grid.SetTopRow(1500);
    PointerAt(CPoint(rectGrid.CenterPoint().x, nFreeTop - 10));
    Tick(t);
    EXPECT_EQ(grid.GetTopRow(), 1492u) << "this step still at the speed reached";
    EXPECT_EQ(Plugin().m_nInterval, 80) << "nearer to the grid: the initial rate at once";
    EXPECT_EQ(Plugin().m_nSpeed, 1);
    Tick(t + 80);
    EXPECT_EQ(grid.GetTopRow(), 1492u) << "the interval has not passed";
    Tick(t + 81);
    EXPECT_EQ(grid.GetTopRow(), 1491u);
}

TEST_F(MouseOpsTest, KeyboardAndFixedDirectionModesActOnlyOnceTheIntervalFellBelow40)
{
    // fixed direction: each step counts as distance 2, so the interval falls by 1
    grid.m_nAutoScrollDirection = CGXGridCore::gxDown;
    StartScrolling(FALSE, FALSE);
    DWORD t = 1000;
    int nScrolled = 0;
    for (int nStep = 0; nStep < 60; ++nStep, t += 100) {
        const int nInterval = nStep == 0 ? 80 : Plugin().m_nInterval;
        const ROWCOL nTop = grid.GetTopRow();
        Tick(t);
        EXPECT_EQ(grid.GetTopRow() != nTop, nInterval < 40) << "step " << nStep << ", interval " << nInterval;
        nScrolled += grid.GetTopRow() != nTop;
    }
    EXPECT_GT(nScrolled, 0);
    Plugin().StopAutoScroll();
    EXPECT_EQ(grid.m_nAutoScrollDirection, -1) << "stopping gives the fixed direction up";

    // keyboard mode: the held key goes to the grid again, as a repeat of speed / 5
    grid.SetCurrentCell(1, 1);
    StartScrolling(FALSE, FALSE);
    grid.m_nAutoScrollKey = VK_DOWN;
    for (int nStep = 0; nStep < 20; ++nStep, t += 100) {
        const int nInterval = nStep == 0 ? 80 : Plugin().m_nInterval;
        const std::string before = grid.Current();
        Tick(t);
        EXPECT_EQ(grid.Current() != before, nInterval < 40) << "step " << nStep << ", interval " << nInterval;
    }
    EXPECT_NE(grid.Current(), "1,1");
}

TEST_F(MouseOpsTest, ReleasesEscapeOtherKeysCancelModeAndFocusLossStopAutoScrolling)
{
    struct Case {
        const char* name;
        UINT nMessage;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"left button up", WM_LBUTTONUP, 0},  {"middle button up", WM_MBUTTONUP, 0},
        {"right button up", WM_RBUTTONUP, 0}, {"key up", WM_KEYUP, VK_DOWN},
        {"Escape", WM_KEYDOWN, VK_ESCAPE},    {"another key", WM_KEYDOWN, VK_RIGHT},
        {"cancel mode", WM_CANCELMODE, 0},    {"focus loss", WM_KILLFOCUS, 0},
    };
    for (const Case& c : cases) {
        StartScrolling(TRUE, TRUE);
        grid.m_nAutoScrollKey = VK_DOWN;
        Tick(1000);
        grid.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_TRUE(grid.IsAutoScrolling()) << c.name << ": the scrolling key itself goes on";
        grid.SendMessage(c.nMessage, c.wParam, 0);
        EXPECT_FALSE(grid.IsAutoScrolling()) << c.name;
        EXPECT_FALSE(::KillTimer(grid.m_hWnd, CGXGridCore::gxAutoScrollTimer)) << c.name << ": the timer is gone";
        EXPECT_EQ(grid.m_nAutoScrollKey, 0u) << c.name;
    }

    grid.m_bAutoScrollKeepFocus = TRUE;
    StartScrolling(TRUE, TRUE);
    grid.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_TRUE(grid.IsAutoScrolling()) << "kept on focus loss";
}

TEST_F(MouseOpsTest, AFailedTimerStartsNothing)
{
    grid.SetTopRow(50);
    PointerAt(CPoint(grid.GetGridRect().CenterPoint().x, -100));
    // a window of another thread takes no timer of this one
    grid.SetGridWnd(CWnd::FromHandle(::GetDesktopWindow()));
    grid.StartAutoScroll(FALSE, TRUE, FALSE);
    grid.SetGridWnd(&grid);
    EXPECT_FALSE(grid.IsAutoScrolling());
    EXPECT_FALSE(grid.m_bAutoScrollStartPending);
    Tick(1000);
    EXPECT_EQ(grid.GetTopRow(), 50u);
}

// ---- dragging rows and columns -------------------------------------------------------------------------

TEST_F(MouseOpsTest, DroppingRowsMovesThemBeforeTheTargetUnlessTheTargetTouchesThem)
{
    const struct {
        ROWCOL nTarget;
        const char* move;
    } cases[] = {{6, ""}, {7, ""}, {8, ""}, {5, ""}, {10, "rows 5,7,7"}, {3, "rows 5,7,3"}, {2001, "rows 5,7,1998"}};
    for (const auto& c : cases) {
        grid.SelectRange(CGXCellRange().SetRows(5, 7));
        grid.m_moves.clear();
        ASSERT_TRUE(grid.StartSelDrag(5, 0));
        grid.DropSelection(c.nTarget, 0);
        EXPECT_EQ(grid.m_moves.empty() ? "" : grid.m_moves.back(), c.move) << "target " << c.nTarget;
        if (!grid.m_moves.empty())
            grid.Undo();
        grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    }

    grid.SelectRange(CGXCellRange().SetCols(2, 3));
    ASSERT_TRUE(grid.StartSelDrag(0, 2));
    grid.DropSelection(0, 6);
    EXPECT_EQ(grid.m_moves.back(), "cols 2,3,4");
}

TEST_F(MouseOpsTest, ADragShowsTheDropLineAndTheCursorOfAnAllowedOrRefusedDrop)
{
    grid.SelectRange(CGXCellRange().SetRows(5, 7));
    ASSERT_TRUE(grid.StartSelDrag(5, 0));
    EXPECT_EQ(grid.m_cursors.back(), UINT(GX_IDC_SELMOVE));
    grid.DragSelectionTo(10, 0);
    EXPECT_EQ(grid.m_cursors.back(), UINT(GX_IDC_SELMOVE));
    ASSERT_NE(grid.m_pSelDragLineWnd, nullptr);
    CWnd& line = *grid.m_pSelDragLineWnd;
    EXPECT_TRUE(line.IsWindowVisible());
    CRect expected, shown;
    grid.CalcTrackingLineRect(expected, CGXGridCore::gxRowLine, grid.RowToDisplayIndex(9));
    line.GetWindowRect(&shown);
    grid.ScreenToClient(&shown);
    EXPECT_EQ(RectText(shown), RectText(expected)) << "on the boundary before row 10";

    grid.m_nRefusedDrop = 12;
    grid.DragSelectionTo(12, 0);
    EXPECT_EQ(grid.m_cursors.back(), UINT(GX_IDC_NODROP));
    EXPECT_FALSE(line.IsWindowVisible());
    grid.DropSelection(12, 0);
    EXPECT_TRUE(grid.m_moves.empty()) << "a refused drop moves nothing";
    EXPECT_EQ(grid.m_cursors.back(), 0u) << "the default cursor again";
    EXPECT_EQ(line.m_hWnd, nullptr) << "the line is destroyed";
}

TEST_F(MouseOpsTest, DraggingARowHeaderWithTheMouseMovesTheSelectedRows)
{
    grid.SelectRange(CGXCellRange().SetRows(5, 7));
    MouseAt(WM_LBUTTONDOWN, 5, 0, MK_LBUTTON);
    EXPECT_TRUE(grid.m_bSelDragPending);
    MouseAt(WM_MOUSEMOVE, 10, 0, MK_LBUTTON);
    EXPECT_EQ(grid.m_nSelDragRow, 10u);
    MouseAt(WM_LBUTTONUP, 10, 0, 0);
    EXPECT_EQ(grid.m_moves, std::vector<std::string>{"rows 5,7,7"});
    EXPECT_FALSE(grid.m_bSelDragPending);
    EXPECT_EQ(SelectionText(grid), "rows(7,9)") << "the selection moved with its rows";
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(MouseOpsTest, WhileRowsAreDraggedTheSelectionAndCurrentCellFramesAreOffTheScreen)
{
    Param().GetDisplayOptions().bExcelLikeFrame = TRUE;
    ASSERT_TRUE(grid.SetCurrentCell(6, 2));
    grid.SelectRange(CGXCellRange().SetRows(5, 7));
    grid.UpdateWindow();
    ASSERT_TRUE(grid.m_bExcelLikeFrameShown);
    const std::vector<COLORREF> framed = ClientPixels(grid);
    MouseAt(WM_LBUTTONDOWN, 5, 0, MK_LBUTTON);
    ASSERT_TRUE(grid.m_bSelDragPending);
    EXPECT_FALSE(grid.m_bExcelLikeFrameShown) << "the selection frame";
    EXPECT_TRUE(grid.m_bHideCurrentCell) << "the current cell's frame";
    grid.UpdateWindow();
    EXPECT_FALSE(ClientPixels(grid) == framed);
    MouseAt(WM_MOUSEMOVE, 10, 0, MK_LBUTTON);
    MouseAt(WM_LBUTTONUP, 10, 0, 0);
    ASSERT_EQ(grid.m_moves, std::vector<std::string>{"rows 5,7,7"});
    EXPECT_TRUE(grid.m_bExcelLikeFrameShown) << "around the moved rows";
    EXPECT_FALSE(grid.m_bHideCurrentCell);

    // a cancel brings back what the drag took away, and only that
    grid.HideExcelLikeFrame(TRUE);
    MouseAt(WM_LBUTTONDOWN, 8, 0, MK_LBUTTON);
    ASSERT_TRUE(grid.m_bSelDragPending);
    EXPECT_TRUE(grid.m_bHideCurrentCell);
    grid.SendMessage(WM_CANCELMODE);
    EXPECT_TRUE(grid.m_bExcelLikeFrameHidden) << "hidden before the drag";
    EXPECT_FALSE(grid.m_bHideCurrentCell);
    grid.HideExcelLikeFrame(FALSE);
}

TEST_F(MouseOpsTest, CtrlOrShiftAPartlySelectedRowOrTheTableStartNoDrag)
{
    const struct {
        const char* name;
        CGXCellRange selection;
        int nKey;
    } cases[] = {
        {"Ctrl", CGXCellRange().SetRows(5, 7), VK_CONTROL},
        {"Shift", CGXCellRange().SetRows(5, 7), VK_SHIFT},
        {"part of the row", CGXCellRange(5, 0, 7, 3), 0},
        {"the table", CGXCellRange().SetTable(), 0},
    };
    for (const auto& c : cases) {
        grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        grid.SelectRange(c.selection);
        if (c.nKey != 0)
            fake.SetKeyState(c.nKey, SHORT(0x8000));
        MouseAt(WM_LBUTTONDOWN, 5, 0, MK_LBUTTON | (c.nKey == VK_CONTROL ? MK_CONTROL : 0));
        EXPECT_FALSE(grid.m_bSelDragPending) << c.name;
        MouseAt(WM_LBUTTONUP, 5, 0, 0);
        ReleaseModifierKeys(fake);
        EXPECT_TRUE(grid.m_moves.empty()) << c.name;
    }
    Param().GetDisplayOptions().bDragSelectedRows = FALSE;
    grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    grid.SelectRange(CGXCellRange().SetRows(5, 7));
    MouseAt(WM_LBUTTONDOWN, 5, 0, MK_LBUTTON);
    EXPECT_FALSE(grid.m_bSelDragPending) << "rows may not be dragged";
    MouseAt(WM_LBUTTONUP, 5, 0, 0);
}

// ---- the selection frame -------------------------------------------------------------------------------

namespace {

// The pixels of a canvas that differ from white, as a set of points.
std::set<std::pair<int, int>> Inverted(const DibCanvas& canvas)
{
    std::set<std::pair<int, int>> points;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != RGB(255, 255, 255))
                points.emplace(x, y);
    return points;
}

// The pixels inverted an odd number of times by the rectangles.
std::set<std::pair<int, int>> OddCover(const std::vector<CRect>& rects)
{
    std::set<std::pair<int, int>> points;
    for (const CRect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (!points.erase({x, y}))
                    points.emplace(x, y);
    return points;
}

}  // namespace

TEST_F(MouseOpsTest, FramePiecesAndKnobsInvertThePixelsOfTheirTables)
{
    // the frame (L, T, R, B); with the line offset the same tables hold for it moved by (-1, -1)
    const int L = 20, T = 20, R = 60, B = 50;
    auto frame = [&](BOOL bTop, BOOL bLeft, BOOL bOffset, int d) {
        const int l = L - d, t = T - d, r = R - d, b = B - d;
        std::vector<CRect> v;
        if (bTop) {
            v.emplace_back(l - 1, t - 1, r + 2, bOffset ? t + 1 : t);
            v.emplace_back(l + 2, t + 2, r - 2, t + 3);
        }
        if (!bTop && bLeft) {
            v.emplace_back(l + 2, t, l + 3, t + 3);
            v.emplace_back(r - 2, t, r - 1, t + 1);
        }
        if (bLeft) {
            v.emplace_back(l - 1, bOffset ? t + 1 : t, bOffset ? l + 1 : l, b + 2);
            v.emplace_back(l + 2, t + 3, l + 3, b - 2);
        }
        if (bTop && !bLeft) {
            v.emplace_back(l, b - 2, l + 2, b - 1);
            v.emplace_back(l, t + 2, l + 2, t + 3);
        }
        v.emplace_back(bOffset ? CRect(l + 1, b + 1, r + 1, b + 2) : CRect(l, b, r, b + 2));
        v.emplace_back(bOffset ? CRect(r + 1, t + 1, r + 2, b + 2) : CRect(r, t, r + 2, b + 2));
        v.emplace_back(l + 2, b - 2, r - 2, b - 1);
        v.emplace_back(r - 2, bTop ? t + 2 : t + 1, r - 1, b - 1);
        return v;
    };
    auto knob = [&](int nKind, int d) {
        const int l = L - d, t = T - d, r = R - d, b = B - d;
        if (nKind == 2)
            return std::vector<CRect>{{l + 2, b - 1, l + 7, b + 2}, {l + 3, b - 3, l + 7, b - 2},
                                      {l + 1, b - 2, l + 6, b + 3}, {l + 1, b + 2, l + 2, b + 3}};
        if (nKind == 7)
            return std::vector<CRect>{{r - 1, t + 2, r + 2, t + 7}, {r - 3, t + 3, r - 2, t + 7},
                                      {r - 2, t + 1, r + 3, t + 6}, {r + 2, t + 1, r + 3, t + 2}};
        return std::vector<CRect>{{r - 1, b - 2, r + 2, b + 3}, {r - 2, b - 1, r + 3, b + 2}, {r + 2, b + 2, r + 3, b + 3}};
    };
    for (BOOL bOffset : {FALSE, TRUE})
        for (BOOL bTop : {TRUE, FALSE})
            for (BOOL bLeft : {TRUE, FALSE})
                for (int nKind : {0, 2, 7})
                    for (BOOL bKnobOnly : {FALSE, TRUE}) {
                        Param().SetLineOffset(bOffset);
                        DibCanvas canvas(80, 80);
                        grid.DrawFramePart(&canvas.dc, CRect(), CRect(L, T, R, B), bTop, bLeft, nKind, bKnobOnly);
                        const int d = bOffset ? 1 : 0;
                        std::vector<CRect> rects = bKnobOnly ? std::vector<CRect>() : frame(bTop, bLeft, bOffset, d);
                        const std::vector<CRect> k = knob(nKind, d);
                        rects.insert(rects.end(), k.begin(), k.end());
                        EXPECT_EQ(Inverted(canvas), OddCover(rects))
                            << "offset " << bOffset << " top " << bTop << " left " << bLeft << " knob " << nKind
                            << " knob only " << bKnobOnly;
                    }
    Param().SetLineOffset(FALSE);

    // a clip rectangle cuts every piece
    DibCanvas canvas(80, 80);
    grid.DrawFramePart(&canvas.dc, CRect(0, 0, 40, 80), CRect(L, T, R, B), TRUE, TRUE, 0, FALSE);
    for (const auto& p : Inverted(canvas))
        EXPECT_LT(p.first, 40);
}

TEST_F(MouseOpsTest, TheFrameDrawnTwiceLeavesEveryPixelAndTheKnobFollowsTheKindOfRange)
{
    Param().GetDisplayOptions().bExcelLikeFrame = TRUE;
    const CRect client = grid.GetGridRect();
    DibCanvas canvas(client.Width(), client.Height());
    for (const CGXCellRange& range : {CGXCellRange(2, 2, 4, 3), CGXCellRange().SetRows(3, 4), CGXCellRange().SetCols(2, 2)}) {
        grid.UpdateExcelLikeFrame(&canvas.dc, TRUE, &range);
        const auto drawn = Inverted(canvas);
        EXPECT_FALSE(drawn.empty());
        const CGXCellRange cells = grid.m_rangeExcelLikeFrame;
        const CRect rect = grid.CalcRangeRect(cells.top, cells.left, cells.bottom, cells.right);
        // a pixel of the knob alone: bottom-right, bottom-left for rows, top-right for columns
        const std::pair<int, int> knob = range.IsRows()   ? std::make_pair(int(rect.left) + 5, int(rect.bottom) + 2)
                                         : range.IsCols() ? std::make_pair(int(rect.right) + 2, int(rect.top) + 3)
                                                          : std::make_pair(int(rect.right) + 2, int(rect.bottom) + 2);
        EXPECT_EQ(grid.m_nExcelLikeFrameKnob, range.IsRows() ? 2 : range.IsCols() ? 7 : 0);
        EXPECT_TRUE(drawn.count(knob)) << RangeText(range);
        grid.UpdateExcelLikeFrame(&canvas.dc, TRUE, nullptr);
        EXPECT_TRUE(Inverted(canvas).empty()) << RangeText(range) << ": erased";
        EXPECT_FALSE(grid.m_bExcelLikeFrameShown);
    }
    EXPECT_EQ(RangeText(grid.m_rangeExcelLikeFrame), "c(1,2,2000,2)") << "columns as plain cells";
}

TEST_F(MouseOpsTest, AFrameFromTheFrozenRowsIntoTheScrolledOnesDrawsNoLineAtTheBoundary)
{
    Param().GetDisplayOptions().bExcelLikeFrame = TRUE;
    grid.SetFrozenRows(2);
    grid.SetTopRow(10);
    const CRect client = grid.GetGridRect();
    DibCanvas canvas(client.Width(), client.Height());
    const CGXCellRange range(2, 2, 11, 3);
    grid.UpdateExcelLikeFrame(&canvas.dc, FALSE, &range);
    const auto drawn = Inverted(canvas);
    const int nBoundary = client.top + grid.SumRowHeights(0, 2);
    const CRect cols = grid.CalcRangeRect(1, 2, 1, 3);
    // the middle of the columns: only the frame's top and bottom lines cross it
    std::vector<int> ys;
    for (int y = 0; y < client.Height(); ++y)
        if (drawn.count({int(cols.CenterPoint().x), y}))
            ys.push_back(y);
    for (int y : ys)
        EXPECT_TRUE(y < nBoundary - 8 || y > nBoundary + 8) << "a line at " << y << " near the boundary " << nBoundary;
    EXPECT_EQ(ys.size(), 5u) << "top: 1 + 1 pixels, bottom: 2 + 1";
    // the sides run across the boundary
    EXPECT_TRUE(drawn.count({int(cols.left) - 1, nBoundary - 1}));
    EXPECT_TRUE(drawn.count({int(cols.left) - 1, nBoundary}));
    grid.UpdateExcelLikeFrame(&canvas.dc, TRUE, &range);
    grid.UpdateExcelLikeFrame(&canvas.dc, TRUE, nullptr);
    EXPECT_TRUE(Inverted(canvas).empty());
}

TEST_F(MouseOpsTest, HidingAHiddenFrameDrawsNothingButStillSendsTheHint)
{
    class CHideHints : public CGXGridUpdateHintImp {
    public:
        BOOL HideExcelLikeFrame(CGXGridCore*, BOOL bHide) override
        {
            m_hints.push_back(bHide);
            return TRUE;
        }
        std::vector<BOOL> m_hints;
    } hints;
    CGXAbstractGridUpdateHintImp* pOld = grid.m_pUpdateHintImp;
    grid.m_pUpdateHintImp = &hints;
    Param().GetDisplayOptions().bExcelLikeFrame = TRUE;
    grid.SelectRange(CGXCellRange(2, 2, 3, 3));
    grid.UpdateWindow();
    grid.m_nFrameParts = 0;
    EXPECT_FALSE(grid.HideExcelLikeFrame(TRUE, TRUE));
    EXPECT_GT(grid.m_nFrameParts, 0) << "hiding erased the frame";
    grid.m_nFrameParts = 0;
    EXPECT_TRUE(grid.HideExcelLikeFrame(TRUE, TRUE));
    EXPECT_EQ(grid.m_nFrameParts, 0);
    EXPECT_EQ(hints.m_hints, (std::vector<BOOL>{TRUE, TRUE}));
    EXPECT_TRUE(grid.HideExcelLikeFrame(FALSE, FALSE));
    EXPECT_GT(grid.m_nFrameParts, 0) << "shown again around the selection";
    EXPECT_TRUE(ShowsWhatAPaintDraws(grid));
    grid.m_pUpdateHintImp = pOld;
}

// ---- filling -------------------------------------------------------------------------------------------

namespace {

class FillTest : public MouseOpsTest {
protected:
    void SetUp() override
    {
        MouseOpsTest::SetUp();
        Param().GetDisplayOptions().bExcelLikeFill = CGXGridExcelLikeFillImp::gxFillValues;
        Param().EnableUndo(FALSE);
        for (ROWCOL r = 1; r <= 4; ++r)
            for (ROWCOL c = 1; c <= 2; ++c)
                grid.ApplyValueToRange(CGXCellRange(r, c, r, c), Cell(r, c).c_str());
        Param().EnableUndo(TRUE);
    }
    // Puts pszValue into the cells of range without an undo step.
    void Put(const CGXCellRange& range, const char* pszValue)
    {
        Param().EnableUndo(FALSE);
        grid.ApplyValueToRange(range, pszValue);
        Param().EnableUndo(TRUE);
    }
    static std::string Cell(ROWCOL r, ROWCOL c) { return std::string(1, char('a' + c - 1)) + std::to_string(r); }
    CGXGridExcelLikeFillImp& Fill() { return *static_cast<CGXGridExcelLikeFillImp*>(grid.m_pExcelLikeFillImp); }
    // Selects source, presses its handle, moves to the lower half of cell (nRow, nCol) and releases.
    void DragFill(const CGXCellRange& source, ROWCOL nRow, ROWCOL nCol)
    {
        grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        grid.SelectRange(source);
        ROWCOL r = source.bottom, c = source.right;
        const CRect handle = grid.CalcRangeRect(r, c, r, c);
        Fill().StartFill(&grid, MK_LBUTTON, handle.BottomRight(), 0, r, c);
        const CRect cell = grid.CalcRangeRect(nRow, nCol, nRow, nCol);
        Fill().TrackFill(&grid, CPoint(cell.CenterPoint().x, cell.bottom - 2), 0, nRow, nCol);
        Fill().EndFill(&grid);
    }
    std::string Row(ROWCOL r) { return std::string(grid.GetValueRowCol(r, 1)) + " " + std::string(grid.GetValueRowCol(r, 2)); }
};

}  // namespace

TEST_F(FillTest, DraggingDownRepeatsTheSourceRowsInTurnAsOneUndoStep)
{
    Put(CGXCellRange(2, 1, 4, 2), "");
    DragFill(CGXCellRange(1, 1, 1, 2), 4, 2);
    EXPECT_EQ(Row(2) + "|" + Row(3) + "|" + Row(4), "a1 b1|a1 b1|a1 b1");
    EXPECT_EQ(SelectionText(grid), "c(1,1,4,2)") << "the target is selected";
    ASSERT_EQ(grid.GetParam()->GetUndoList().GetCount(), 1);
    EXPECT_STREQ(static_cast<CGXCommand*>(grid.GetParam()->GetUndoList().GetHead())->GetName(), "Block");
    grid.Undo();
    EXPECT_EQ(Row(2) + "|" + Row(4), " | ");

    Put(CGXCellRange(2, 1, 2, 1), "a2");
    Put(CGXCellRange(2, 2, 2, 2), "b2");
    DragFill(CGXCellRange(1, 1, 2, 2), 5, 2);
    EXPECT_EQ(Row(3) + "|" + Row(4) + "|" + Row(5), "a1 b1|a2 b2|a1 b1");
    EXPECT_FALSE(grid.m_bFilling);
}

TEST_F(FillTest, TheMouseOnTheFrameHandleFills)
{
    Param().GetDisplayOptions().bExcelLikeFrame = TRUE;
    Put(CGXCellRange(2, 1, 4, 2), "");
    grid.SelectRange(CGXCellRange(1, 1, 1, 2));
    const CRect handle = grid.CalcRangeRect(1, 2, 1, 2);
    const CRect target = grid.CalcRangeRect(3, 2, 3, 2);
    const CPoint press(handle.right - 2, handle.bottom - 2), drop(target.CenterPoint().x, target.bottom - 2);
    // the screen's pointer and the services' pointer go where the mouse message happens
    auto pointTo = [&](CPoint point) {
        PointerAt(point);
        grid.ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
        PostAndPump(grid, WM_NULL);
    };
    pointTo(press);
    Mouse(grid, WM_LBUTTONDOWN, press.x, press.y, MK_LBUTTON);
    EXPECT_TRUE(grid.m_bFilling);
    pointTo(drop);
    Mouse(grid, WM_MOUSEMOVE, drop.x, drop.y, MK_LBUTTON);
    EXPECT_EQ(RangeText(Fill().m_target), "c(1,1,3,2)");
    EXPECT_EQ(SelectionText(grid), "c(1,1,1,2)") << "the selection waits for the release";
    Mouse(grid, WM_LBUTTONUP, drop.x, drop.y, 0);
    EXPECT_EQ(Row(2) + "|" + Row(3) + "|" + Row(4), "a1 b1|a1 b1| ");
    EXPECT_EQ(SelectionText(grid), "c(1,1,3,2)");
    EXPECT_TRUE(ShowsWhatAPaintDraws(grid)) << "the frame moved to the filled block";
}

TEST_F(FillTest, DraggingBackInsideTheBlockClearsWhatWasGivenUp)
{
    DragFill(CGXCellRange(1, 1, 4, 2), 2, 2);
    EXPECT_EQ(Row(1) + "|" + Row(2) + "|" + Row(3) + "|" + Row(4), "a1 b1|a2 b2| | ");
    EXPECT_EQ(SelectionText(grid), "c(1,1,2,2)");
    // the clearing is part of the fill's one undo step
    CObList& undo = grid.GetParam()->GetUndoList();
    ASSERT_EQ(undo.GetCount(), 1);
    EXPECT_STREQ(static_cast<CGXCommand*>(undo.GetHead())->GetName(), "Block");
    grid.Undo();
    EXPECT_EQ(Row(3) + "|" + Row(4), "a3 b3|a4 b4");
    EXPECT_TRUE(undo.IsEmpty());

    // so is the clearing of given-up columns, with styles
    Param().GetDisplayOptions().bExcelLikeFill = CGXGridExcelLikeFillImp::gxFillStyles;
    DragFill(CGXCellRange(1, 1, 2, 2), 2, 1);
    EXPECT_EQ(Row(1) + "|" + Row(2), "a1 |a2 ");
    ASSERT_EQ(undo.GetCount(), 1);
    grid.Undo();
    EXPECT_EQ(Row(1) + "|" + Row(2), "a1 b1|a2 b2");
}

TEST_F(FillTest, WholeColumnsOrClearFlagsFillNothingAndDrawNoFrame)
{
    grid.SelectRange(CGXCellRange().SetCols(1, 2));
    ROWCOL r = 3, c = 2;
    Fill().StartFill(&grid, MK_LBUTTON, CPoint(), 0, r, c);
    EXPECT_FALSE(grid.m_bFilling) << "a whole-column selection";

    Param().GetDisplayOptions().bExcelLikeFill = 0;
    grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    grid.SelectRange(CGXCellRange(1, 1, 1, 2));
    r = 1;
    Fill().StartFill(&grid, MK_LBUTTON, CPoint(), 0, r, c);
    ASSERT_TRUE(grid.m_bFilling);
    const CRect cell = grid.CalcRangeRect(4, 2, 4, 2);
    ROWCOL nRow = 4, nCol = 2;
    Fill().TrackFill(&grid, CPoint(cell.CenterPoint().x, cell.bottom - 2), 0, nRow, nCol);
    EXPECT_TRUE(Fill().m_rectFrame.IsRectEmpty()) << "no frame";
    EXPECT_FALSE(Fill().FillRange(&grid, CGXCellRange(1, 1, 1, 2), CGXCellRange(1, 1, 4, 2)));
    Fill().EndFill(&grid);
    EXPECT_EQ(Row(2), "a2 b2");
}

TEST_F(FillTest, TheFillFrameIsDrawnAndErasedWithoutTrace)
{
    grid.UpdateWindow();
    const std::vector<COLORREF> before = ClientPixels(grid);
    grid.SelectRange(CGXCellRange(1, 1, 1, 2));
    ROWCOL r = 1, c = 2;
    Fill().StartFill(&grid, MK_LBUTTON, CPoint(), 0, r, c);
    Fill().DrawFillFrame(&grid, CGXCellRange(2, 2, 4, 2), TRUE, TRUE);
    EXPECT_EQ(RectText(Fill().m_rectFrame), RectText(grid.CalcRangeRect(2, 2, 4, 2)));
    Fill().HideFillFrame(&grid);
    EXPECT_TRUE(Fill().m_rectFrame.IsRectEmpty());
    grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    EXPECT_TRUE(ClientPixels(grid) == before);
    grid.m_bFilling = FALSE;
}

TEST(FillDirection, ThePointerAroundTheBlockChoosesTheDirection)
{
    // the block's rectangle: centre (150, 125)
    const CRect rect(100, 100, 200, 150);
    using F = CGXGridExcelLikeFillImp;
    const struct {
        CPoint point;
        int nDirection;
    } cases[] = {
        {{150, 120}, F::gxFillInside}, {{150, 50}, F::gxFillUp},    {{150, 200}, F::gxFillDown},
        {{50, 125}, F::gxFillLeft},    {{250, 125}, F::gxFillRight}, {{210, 95}, F::gxFillRight},
        {{230, 60}, F::gxFillUp},      {{90, 95}, F::gxFillLeft},    {{60, 40}, F::gxFillUp},
        {{230, 160}, F::gxFillRight},  {{205, 190}, F::gxFillDown}, {{60, 155}, F::gxFillLeft},
        {{95, 190}, F::gxFillDown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(F::FillDirection(rect, c.point), c.nDirection) << c.point.x << "," << c.point.y;
}
