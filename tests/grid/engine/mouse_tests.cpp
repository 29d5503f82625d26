// The mouse: a left click makes the cell under it current (with Ctrl too), a double click, the right
// button alone and while the left one is held, and the select-range module's part in a press, a drag
// and a release.
#include "input_test_support.h"

#include <string>

namespace {

// A grid of 10 by 6 cells (current cell (2, 2); rows 1 to 10 and columns 1 to 3 are shown) and the
// centre of a cell on it.
struct MouseFixture {
    CFakeServices services;
    CInputGridWnd grid;
    MouseFixture()
    {
        ReleaseModifierKeys(services);
        grid.CreateInputGrid(10, 6);
        grid.SetCurrentCell(2, 2);
        grid.m_currentCellFlags.clear();
    }
    CPoint At(ROWCOL nRow, ROWCOL nCol) { return grid.CalcCellRect(nRow, nCol).CenterPoint(); }
    void Send(UINT nMessage, ROWCOL nRow, ROWCOL nCol, UINT nFlags)
    {
        const CPoint point = At(nRow, nCol);
        Mouse(grid, nMessage, point.x, point.y, nFlags);
    }
};

}  // namespace

TEST(Mouse, ALeftClickMakesTheCellCurrent)
{
    MouseFixture f;
    f.Send(WM_LBUTTONDOWN, 4, 3, MK_LBUTTON);
    EXPECT_EQ(f.grid.Current(), "4,3");
    EXPECT_EQ(::GetCapture(), f.grid.m_hWnd) << "the press captures the mouse";
    f.Send(WM_LBUTTONUP, 4, 3, 0);
    EXPECT_NE(::GetCapture(), f.grid.m_hWnd);
    f.Send(WM_LBUTTONDOWN, 6, 3, MK_LBUTTON | MK_CONTROL);
    f.Send(WM_LBUTTONUP, 6, 3, MK_CONTROL);
    EXPECT_EQ(f.grid.Current(), "6,3");
    EXPECT_EQ(f.grid.m_currentCellFlags, std::vector<UINT>({0x04, 0x84})) << "with Ctrl the selection stays";

    // a double click on another cell
    f.grid.m_currentCellFlags.clear();
    f.Send(WM_LBUTTONDBLCLK, 3, 1, MK_LBUTTON);
    EXPECT_EQ(f.grid.Current(), "3,1");
    ASSERT_FALSE(f.grid.m_currentCellFlags.empty());
    EXPECT_EQ(f.grid.m_currentCellFlags[0], 10u);
    f.Send(WM_LBUTTONUP, 3, 1, 0);
}

TEST(Mouse, TheRightButtonAloneMovesTheCurrentCellAndWithTheLeftCancelsBoth)
{
    MouseFixture f;
    f.Send(WM_RBUTTONDOWN, 7, 3, MK_RBUTTON);
    EXPECT_EQ(f.grid.Current(), "7,3");
    EXPECT_EQ(f.grid.m_currentCellFlags, std::vector<UINT>({0x04}));
    f.Send(WM_RBUTTONUP, 7, 3, 0);
    EXPECT_NE(::GetCapture(), f.grid.m_hWnd);

    f.Send(WM_LBUTTONDOWN, 5, 2, MK_LBUTTON);
    ASSERT_EQ(::GetCapture(), f.grid.m_hWnd);
    ASSERT_EQ(f.grid.m_nCancelModes, 0);
    f.grid.m_currentCellFlags.clear();
    f.Send(WM_RBUTTONDOWN, 8, 3, MK_LBUTTON | MK_RBUTTON);
    EXPECT_GE(f.grid.m_nCancelModes, 1);
    EXPECT_NE(::GetCapture(), f.grid.m_hWnd) << "the capture is released";
    EXPECT_TRUE(f.grid.m_currentCellFlags.empty()) << "the right press makes nothing current";
    EXPECT_EQ(f.grid.Current(), "5,2");
}

TEST(Mouse, TheSelectionFollowsAPressADragAndARelease)
{
    MouseFixture f;
    FakeUserSelectRangeImp select;
    WithModule<CGXAbstractGridUserSelectRangeImp> withSelect(f.grid.m_pUserSelectRangeImp, &select);
    f.Send(WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    f.Send(WM_MOUSEMOVE, 3, 3, MK_LBUTTON);
    f.Send(WM_MOUSEMOVE, 5, 3, MK_LBUTTON);
    f.Send(WM_LBUTTONUP, 5, 3, 0);
    std::vector<std::string> names;
    for (const std::string& call : select.calls)
        names.push_back(call.substr(0, call.find('(')));
    EXPECT_EQ(names, std::vector<std::string>({"StartSelection", "TrackSelection", "EndSelection",
                                               "ToggleHeaderSelection"}))
        << "a move within the pressed cell reports nothing; the release on another cell is told";
    EXPECT_EQ(f.grid.Current(), "3,3") << "a drag leaves the current cell where the press put it";
}
