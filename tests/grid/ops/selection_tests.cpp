// The user range selection on a shown grid window: clicks, drags, Shift and Ctrl with the mouse and
// the keys, the behaviour and row-list options, header toggling, excluding, and the marking, seen as
// the cells whose rectangles are inverted and, for a few cases, as pixels that equal a repaint.
#include "view_test_support.h"

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The cells' control of these tests: it fills its cell's background, as the real cells do, so that a
// paint of one cell draws all of it.
class CFilledCell : public CTestControl {
    GX_DECLARE_CONTROL(CFilledCell)
public:
    explicit CFilledCell(CGXGridCore* pGrid) : CTestControl(pGrid) {}
    void Draw(CDC* pDC, const CRect& rect, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle*) override
    {
        DrawBackground(pDC, rect, style, TRUE);
    }
};

GX_IMPLEMENT_CONTROL(CFilledCell, CTestControl)

namespace {

// A grid window that notes the cells the selection module inverts (the calls of MarkCell made while
// its drawing flags are set) and the selection hooks it is asked, and may refuse changes.
class CSelectionGrid : public CInputGridWnd {
public:
    void MarkCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect) override
    {
        if (m_bDrawingSelection || m_bInvertingSelection) {
            m_inverted.emplace_back(nRow, nCol);
            m_bFlagsApart |= !(m_bDrawingSelection && m_bInvertingSelection);
        }
        CInputGridWnd::MarkCell(pDC, nRow, nCol, rect);
    }
    BOOL ApproveCellSelection(ROWCOL nRow, ROWCOL nCol, UINT, int, int) override
    {
        m_hooks.push_back("Cell(" + std::to_string(nRow) + "," + std::to_string(nCol) + ")");
        return !m_bRefuseCell;
    }
    BOOL ApproveSelectionChange(const CGXCellRange* pRange, BOOL bA, BOOL bB) override
    {
        m_hooks.push_back(HookText("Approve", pRange, bA, bB));
        return !m_bRefuseChange;
    }
    void AfterSelectionChange(const CGXCellRange* pRange, BOOL bA, BOOL bB) override
    {
        m_hooks.push_back(HookText("After", pRange, bA, bB));
        CInputGridWnd::AfterSelectionChange(pRange, bA, bB);
    }
    static std::string HookText(const char* pszName, const CGXCellRange* pRange, BOOL bA, BOOL bB)
    {
        return std::string(pszName) + "(" + (pRange != nullptr ? RangeText(*pRange) : "none") + "," +
               std::to_string(bA) + "," + std::to_string(bB) + ")";
    }
    int& UpdateLock() { return m_nLockUpdate; }

    std::vector<std::pair<ROWCOL, ROWCOL>> m_inverted;
    std::vector<std::string> m_hooks;
    BOOL m_bFlagsApart = FALSE;  // a cell was inverted with only one of the two flags set
    BOOL m_bRefuseCell = FALSE;
    BOOL m_bRefuseChange = FALSE;
};

// A shown grid of 40 rows by 8 columns, all columns in view, with the selection module; no current
// cell.
class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseModifierKeys(fake);
        grid.CreateInputGrid(40, 8);
        grid.RegisterControl(GX_IDS_CTRL_EDIT, new CFilledCell(&grid), TRUE);
        ASSERT_NE(grid.m_pUserSelectRangeImp, nullptr);
        // automatic scrolling has tests of its own; here its timer would ask the services for the pointer
        grid.m_bAutoScroll = FALSE;
        grid.SetWindowPos(nullptr, 0, 0, 900, 500, SWP_NOZORDER | SWP_NOACTIVATE);
        grid.Show();
        // the cells the tests click lie in view
        ASSERT_GE(grid.GetLastVisibleCol(), 8u);
        ASSERT_GE(grid.GetLastVisibleRow(), 12u);
    }
    CPoint At(ROWCOL nRow, ROWCOL nCol) { return grid.CalcRangeRect(nRow, nCol, nRow, nCol).CenterPoint(); }
    void MouseAt(UINT nMessage, ROWCOL nRow, ROWCOL nCol, UINT nFlags) { MouseOnCell(grid, nMessage, nRow, nCol, nFlags); }
    void Press(ROWCOL nRow, ROWCOL nCol, UINT nKeys = 0) { MouseAt(WM_LBUTTONDOWN, nRow, nCol, MK_LBUTTON | nKeys); }
    void MoveTo(ROWCOL nRow, ROWCOL nCol, UINT nKeys = 0) { MouseAt(WM_MOUSEMOVE, nRow, nCol, MK_LBUTTON | nKeys); }
    void Release(ROWCOL nRow, ROWCOL nCol, UINT nKeys = 0) { MouseAt(WM_LBUTTONUP, nRow, nCol, nKeys); }
    void Click(ROWCOL nRow, ROWCOL nCol, UINT nKeys = 0)
    {
        Press(nRow, nCol, nKeys);
        Release(nRow, nCol, nKeys);
    }
    void Drag(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol)
    {
        Press(nRow, nCol);
        MoveTo(nToRow, nToCol);
        Release(nToRow, nToCol);
    }
    std::string Selection() { return SelectionText(grid); }
    // The cells inverted since the last call, sorted.
    std::set<std::pair<ROWCOL, ROWCOL>> Inverted()
    {
        std::set<std::pair<ROWCOL, ROWCOL>> cells(grid.m_inverted.begin(), grid.m_inverted.end());
        grid.m_inverted.clear();
        return cells;
    }
    // The visible cells of rows nTop..nBottom and columns nLeft..nRight.
    std::set<std::pair<ROWCOL, ROWCOL>> VisibleCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
    {
        std::set<std::pair<ROWCOL, ROWCOL>> cells;
        for (int i = 0; i <= grid.RowToDisplayIndex(grid.GetLastVisibleRow()); ++i)
            for (int j = 0; j <= grid.ColToDisplayIndex(grid.GetLastVisibleCol()); ++j) {
                const ROWCOL nRow = grid.DisplayIndexToRow(i), nCol = grid.DisplayIndexToCol(j);
                if (nRow >= nTop && nRow <= nBottom && nCol >= nLeft && nCol <= nRight)
                    cells.emplace(nRow, nCol);
            }
        return cells;
    }
    CGXGridParam& Param() { return *grid.GetParam(); }

    KeptPointer pointer;
    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CSelectionGrid grid;
};

}  // namespace

// ---- clicks ----------------------------------------------------------------------------------------------

TEST_F(SelectionTest, AClickWithoutDragClearsTheSelectionUnlessCtrlOrTheSingleClickOption)
{
    grid.SelectRange(CGXCellRange(1, 1, 2, 2));
    Click(3, 3);
    EXPECT_EQ(Selection(), "") << "no one-cell range is left";

    grid.SelectRange(CGXCellRange(1, 1, 2, 2));
    Click(3, 3, MK_CONTROL);
    EXPECT_EQ(Selection(), "c(1,1,2,2) c(3,3,3,3)") << "Ctrl stores exactly the cell";

    Param().GetViewOptions().bSingleClick = TRUE;
    Click(5, 2);
    EXPECT_EQ(Selection(), "-") << "the list as the press left it: emptied, a range begun";
}

TEST_F(SelectionTest, CtrlClickWithAnEmptySelectionKeepsTheOldCurrentCellMarked)
{
    grid.SetCurrentCell(1, 1);
    Click(3, 4, MK_CONTROL);
    EXPECT_EQ(Selection(), "c(1,1,1,1) c(3,4,3,4)");
    EXPECT_EQ(grid.Current(), "3,4");
}

TEST_F(SelectionTest, ShiftClickSpansFromTheCurrentCellOrTheFirstCellAndWinsOverCtrl)
{
    grid.SetCurrentCell(2, 2);
    Click(4, 5, MK_SHIFT);
    EXPECT_EQ(Selection(), "c(2,2,4,5)");

    grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    grid.ResetCurrentCell(FALSE);
    Click(4, 5, MK_SHIFT);
    EXPECT_EQ(Selection(), "c(1,1,4,5)") << "without a current cell";
    Click(6, 3, MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(Selection(), "c(1,1,6,3)") << "Shift spans the last range; Ctrl adds none";
}

TEST_F(SelectionTest, TheCornerCellSelectsAndDeselectsTheTable)
{
    Click(0, 0);
    EXPECT_EQ(Selection(), "table");
    Click(0, 0);
    EXPECT_EQ(Selection(), "");
    Param().SetSelectModeFlags(255 & ~4);
    Click(0, 0);
    EXPECT_EQ(Selection(), "") << "without behaviour bit 4";
}

// ---- drags -----------------------------------------------------------------------------------------------

TEST_F(SelectionTest, ADragFromACellStopsAtTheFirstDataRowAndColumn)
{
    grid.SetFrozenRows(1, 1);
    grid.SetFrozenCols(1, 1);
    Press(4, 4);
    MoveTo(1, 1);
    ROWCOL nRow, nCol;
    grid.GetLastTrackedCell(nRow, nCol);
    EXPECT_EQ(std::make_pair(nRow, nCol), std::make_pair(ROWCOL(2), ROWCOL(2))) << "the clamped cell is tracked";
    Release(1, 1);
    EXPECT_EQ(Selection(), "c(2,2,4,4)");
}

TEST_F(SelectionTest, ADragFromAColumnHeaderSelectsWholeColumns)
{
    Press(0, 3);
    EXPECT_EQ(Selection(), "cols(3,3)") << "at once";
    MoveTo(2, 5);
    Release(2, 5);
    EXPECT_EQ(Selection(), "cols(3,5)");
    Click(4, 0);
    EXPECT_EQ(Selection(), "rows(4,4)");
}

TEST_F(SelectionTest, ARefusedChangeSkipsJustThatChange)
{
    grid.SelectRange(CGXCellRange(1, 1, 1, 1));
    grid.m_bRefuseChange = TRUE;
    Press(3, 3);
    EXPECT_EQ(Selection(), "c(1,1,1,1) -") << "the clearing is skipped, the new range still begun";
    Release(3, 3);

    grid.m_bRefuseChange = FALSE;
    Press(3, 3);
    MoveTo(4, 4);
    EXPECT_EQ(Selection(), "c(3,3,4,4)");
    grid.m_bRefuseChange = TRUE;
    MoveTo(5, 6);
    EXPECT_EQ(Selection(), "c(3,3,4,4)") << "a refused drag keeps the range";
    Release(5, 6);

    grid.m_bRefuseChange = FALSE;
    grid.m_bRefuseCell = TRUE;
    Click(6, 6);
    EXPECT_EQ(Selection(), "c(3,3,4,4)") << "a refused cell starts nothing";
}

TEST_F(SelectionTest, TheHooksGetTheFixedFlagPairs)
{
    Press(2, 2);
    EXPECT_EQ(grid.m_hooks, (std::vector<std::string>{"Cell(2,2)", "Approve(none,1,0)", "After(none,1,0)"}));
    grid.m_hooks.clear();
    MoveTo(3, 3);
    EXPECT_EQ(grid.m_hooks, (std::vector<std::string>{"Approve(c(2,2,3,3),1,0)", "After(c(2,2,3,3),1,0)"}));
    grid.m_hooks.clear();
    Release(3, 3);
    EXPECT_EQ(grid.m_hooks, (std::vector<std::string>{"After(c(2,2,3,3),0,0)"}));
    grid.m_hooks.clear();
    {
        HeldKey shift(fake, VK_SHIFT);
        PressKey(grid, VK_RIGHT);
    }
    EXPECT_EQ(grid.m_hooks, (std::vector<std::string>{"Approve(c(2,2,3,3),0,1)", "After(c(2,2,2,3),0,1)"}));
}

// ---- the keys and the options -----------------------------------------------------------------------------

TEST_F(SelectionTest, ShiftArrowsExtendFromTheAnchorAndPlainArrowsForgetTheRange)
{
    grid.SetCurrentCell(2, 2);
    {
        HeldKey shift(fake, VK_SHIFT);
        PressKey(grid, VK_RIGHT);
        PressKey(grid, VK_DOWN);
    }
    EXPECT_EQ(Selection(), "c(2,2,3,3)");
    EXPECT_NE(grid.m_posSelecting, nullptr);
    PressKey(grid, VK_DOWN);
    EXPECT_EQ(grid.m_posSelecting, nullptr);
    EXPECT_EQ(Selection(), "c(2,2,3,3)");

    grid.ResetCurrentCell(FALSE);
    HeldKey shift(fake, VK_SHIFT);
    EXPECT_FALSE(grid.MoveCurrentCellEx(CGXGridCore::gxDown)) << "no current cell";
}

TEST_F(SelectionTest, WithBehaviourWord64TheMouseSelectsNothingButShiftArrowsExtend)
{
    Param().SetSelectModeFlags(64);
    Drag(2, 2, 4, 4);
    Click(0, 3);
    EXPECT_EQ(Selection(), "");
    grid.SetCurrentCell(2, 2);
    HeldKey shift(fake, VK_SHIFT);
    PressKey(grid, VK_DOWN);
    PressKey(grid, VK_DOWN);
    EXPECT_EQ(Selection(), "c(2,2,4,2)");
}

TEST_F(SelectionTest, RowListModeManyRowsExtendsWholeRowsFromTheAnchorRow)
{
    Param().SetSelectionFlags(2);
    Click(2, 3);
    EXPECT_EQ(Selection(), "rows(2,2)");
    {
        HeldKey shift(fake, VK_SHIFT);
        PressKey(grid, VK_DOWN);
        PressKey(grid, VK_DOWN);
    }
    EXPECT_EQ(Selection(), "rows(2,4)");
    PressKey(grid, VK_DOWN);
    EXPECT_EQ(Selection(), "rows(5,5)") << "a plain Down selects the new current row alone";
    Click(7, 2, MK_CONTROL);
    EXPECT_EQ(Selection(), "rows(5,5) rows(7,7)") << "Ctrl follows the key flag";
}

TEST_F(SelectionTest, RowListModeOneRowSelectsTheCurrentRowAlone)
{
    Param().SetSelectionFlags(1);
    Click(3, 4);
    EXPECT_EQ(Selection(), "rows(3,3)");
    Drag(3, 4, 5, 4);
    EXPECT_EQ(Selection(), "rows(5,5)");
    HeldKey shift(fake, VK_SHIFT);
    PressKey(grid, VK_DOWN);
    EXPECT_EQ(Selection(), "rows(6,6)") << "Shift is ignored";
    Click(8, 2, MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(Selection(), "rows(8,8)");
}

TEST_F(SelectionTest, InEitherRowListModeAColumnHeaderClickStoresTheTable)
{
    for (WORD wMode : {1, 2}) {
        Param().SetSelectionFlags(wMode);
        grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        // (a move, even where the press was, reports the first row: a row range then)
        Press(0, 3);
        EXPECT_EQ(Selection(), "table") << "mode " << wMode;
        Release(0, 3);
    }
}

// ---- toggling a header, excluding ------------------------------------------------------------------------

// A header cell reports a release inside it (OnClickedHeaderCell); a Ctrl+click on it has begun a
// range of its own line first.
TEST_F(SelectionTest, CtrlClickOnAHeaderDeselectsARowThatWholeRowsSelect)
{
    HeldKey ctrl(fake, VK_CONTROL);
    grid.SelectRange(CGXCellRange(2, 1, 2, 4));
    EXPECT_FALSE(grid.OnClickedHeaderCell(2, 0, MK_CONTROL, At(2, 0))) << "a cell range holds the row";
    grid.SelectRange(CGXCellRange().SetRows(3, 5));
    Click(4, 0, MK_CONTROL);
    EXPECT_TRUE(grid.OnClickedHeaderCell(4, 0, MK_CONTROL, At(4, 0)));
    EXPECT_EQ(Selection(), "c(2,1,2,4) rows(3,3) rows(5,5)");

    grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    grid.SelectRange(CGXCellRange().SetCols(6, 7));
    Click(0, 6, MK_CONTROL);
    EXPECT_TRUE(grid.OnClickedHeaderCell(0, 6, MK_CONTROL, At(0, 6)));
    EXPECT_EQ(Selection(), "cols(7,7)");
    EXPECT_TRUE(ShowsWhatAPaintDraws(grid));
}

TEST_F(SelectionTest, ACtrlHeaderClickNeedsCtrlHeldAtTheRelease)
{
    grid.SelectRange(CGXCellRange().SetRows(3, 5));
    EXPECT_FALSE(grid.OnClickedHeaderCell(4, 0, MK_CONTROL, At(4, 0))) << "the key state, not the flags";
    EXPECT_EQ(Selection(), "rows(3,5)");
}

TEST_F(SelectionTest, ExcludingARangeLeavesStripsOfTheRangesItCuts)
{
    struct Case {
        CGXCellRange listed, excluded;
        const char* pszLeft;
    };
    CGXCellRange table;
    table.SetTable();
    const Case cases[] = {
        {CGXCellRange(1, 1, 3, 3), CGXCellRange(2, 2, 2, 2), "c(1,1,1,3) c(3,1,3,3) c(1,1,3,1) c(1,3,3,3)"},
        {table, CGXCellRange().SetRows(2, 2), "rows(1,1) rows(3,40)"},
        {table, CGXCellRange().SetCols(2, 3), "cols(1,1) cols(4,8)"},
        {CGXCellRange().SetRows(2, 4), CGXCellRange(3, 3, 3, 3), "c(2,1,2,8) c(4,1,4,8) c(2,1,4,2) c(2,4,4,8)"},
        {CGXCellRange().SetCols(2, 2), CGXCellRange().SetRows(5, 5), "c(1,2,4,2) c(6,2,40,2)"},
        {CGXCellRange(1, 1, 3, 3), CGXCellRange(5, 5, 6, 6), "c(1,1,3,3)"},
        {CGXCellRange(2, 2, 3, 3), table, ""},
    };
    for (const Case& c : cases) {
        CGXRangeList& list = Param().GetRangeList1();
        list.DeleteAll();
        list.AddRange(CGXCellRange(7, 7, 7, 7));
        list.AddRange(c.listed);
        EXPECT_TRUE(grid.AddOrExcludeRange(c.excluded, FALSE));
        const std::string kept = c.excluded.IsTable() ? "" : "c(7,7,7,7)";
        EXPECT_EQ(Selection(), kept + (kept.empty() || *c.pszLeft == 0 ? "" : " ") + c.pszLeft)
            << RangeText(c.listed) << " less " << RangeText(c.excluded);
    }
}

// ---- marking ---------------------------------------------------------------------------------------------

TEST_F(SelectionTest, ADragInvertsExactlyTheCellsItAdds)
{
    Press(2, 2);
    MoveTo(4, 3);
    Inverted();
    MoveTo(4, 4);
    EXPECT_EQ(Inverted(), (std::set<std::pair<ROWCOL, ROWCOL>>{{2, 4}, {3, 4}, {4, 4}}));
    MoveTo(3, 4);
    EXPECT_EQ(Inverted(), (std::set<std::pair<ROWCOL, ROWCOL>>{{4, 2}, {4, 3}, {4, 4}}));
    Release(3, 4);
    EXPECT_FALSE(grid.m_bFlagsApart) << "both drawing flags are set while cells are inverted";
    EXPECT_FALSE(grid.m_bDrawingSelection || grid.m_bInvertingSelection) << "and clear afterwards";
    EXPECT_TRUE(ShowsWhatAPaintDraws(grid));
}

TEST_F(SelectionTest, OnlyVisibleCellsAreInverted)
{
    grid.SetRowCount(200);
    grid.SetColCount(30);
    grid.SetFrozenRows(2);
    grid.SetFrozenCols(1);
    grid.SetTopRow(20);
    grid.SetLeftCol(3);
    grid.UpdateWindow();
    grid.SelectRange(CGXCellRange().SetRows(1, 200));
    const auto inverted = Inverted();
    EXPECT_EQ(inverted, VisibleCells(1, 0, 200, 30)) << "the frozen rows, and from the top row on";
    EXPECT_EQ(inverted.count({5, 4}), 0u) << "a row scrolled out";
    EXPECT_EQ(inverted.count({20, 2}), 0u) << "a column scrolled out";
    EXPECT_TRUE(ShowsWhatAPaintDraws(grid));
}

TEST_F(SelectionTest, UnderTheUpdateLockNothingIsInvertedButTheLastRangeIsBuilt)
{
    ++grid.UpdateLock();
    grid.SelectRange(CGXCellRange(2, 3, 4, 5));
    grid.SetRangeAtPosition(grid.m_posSelecting, 2, 3, 6, 6);
    --grid.UpdateLock();
    EXPECT_TRUE(Inverted().empty());
    EXPECT_EQ(Selection(), "c(2,3,6,6)");
    ASSERT_NE(grid.m_posSelecting, nullptr);
    EXPECT_EQ(grid.m_posSelecting, Param().GetRangeList1().GetTailPosition());
    EXPECT_EQ(std::make_pair(grid.m_nAnchorRow, grid.m_nAnchorCol), std::make_pair(ROWCOL(2), ROWCOL(3)));
}

TEST_F(SelectionTest, RedrawSelectionInvertsEveryVisibleSelectedCellHeadersIncluded)
{
    CGXCellRange table;
    table.SetTable();
    grid.AddOrExcludeRange(table, TRUE);
    grid.RedrawSelection(FALSE);
    EXPECT_EQ(Inverted(), VisibleCells(0, 0, 40, 8));
    EXPECT_FALSE(grid.m_bDrawingSelection || grid.m_bInvertingSelection);
    grid.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    EXPECT_EQ(Inverted(), VisibleCells(0, 0, 40, 8)) << "emptying the selection unmarks it";
    EXPECT_EQ(Selection(), "");
}

TEST_F(SelectionTest, WhatTheMouseMarksIsWhatAPaintDraws)
{
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"drag", [&] { Drag(2, 2, 5, 4); }},
        {"Ctrl+click", [&] { Click(7, 6, MK_CONTROL); }},
        {"Shift+click", [&] { Click(9, 3, MK_SHIFT); }},
        {"column header", [&] { Click(0, 5); }},
        {"corner", [&] { Click(0, 0); }},
        {"corner again", [&] { Click(0, 0); }},
        {"click", [&] { Click(3, 3); }},
        {"Shift+arrows", [&] {
             HeldKey shift(fake, VK_SHIFT);
             PressKey(grid, VK_DOWN);
             PressKey(grid, VK_RIGHT);
         }},
    };
    // the current cell's frame inverted (the default) or drawn over the marking
    CGXProperties& properties = *Param().GetProperties();
    for (int nFrame : {0, 2}) {
        CGXStyle frame;
        frame.SetValue(properties.GetMarkingName(nFrame));
        properties.AddUserProperty(GX_IDS_UP_CURRENTCELL, frame);
        grid.SetCurrentCell(2, 2);
        grid.Invalidate();
        for (const auto& [pszName, step] : steps) {
            step();
            EXPECT_TRUE(ShowsWhatAPaintDraws(grid)) << pszName << " with " << frame.GetValueRef();
        }
    }
}

TEST_F(SelectionTest, ARangeThatLeftTheSharedListIsNoLongerBuilt)
{
    Drag(2, 2, 3, 3);
    ASSERT_NE(grid.m_posSelecting, nullptr);
    // another view of the grid emptied the selection they share
    Param().GetRangeList1().DeleteAll();
    HeldKey shift(fake, VK_SHIFT);
    EXPECT_TRUE(grid.MoveCurrentCellEx(CGXGridCore::gxDown));
    EXPECT_EQ(Selection(), "c(2,2,3,2)") << "a new range from the current cell";
}

TEST(SelectionInViews, AChangeInOneViewIsMarkedInTheOther)
{
    KeptPointer pointer;
    CWinApp app("Ondrix");
    CFakeServices fake;
    ReleaseModifierKeys(fake);
    CGridDocument document(40, 8);
    CGridFrame* pFrame = MakeGridFrame(&document, 640, 400, 1, 2);
    ASSERT_NE(pFrame, nullptr);
    auto* pA = dynamic_cast<CTestGridView*>(pFrame->m_splitter.GetPane(0, 0));
    auto* pB = dynamic_cast<CTestGridView*>(pFrame->m_splitter.GetPane(0, 1));
    ASSERT_TRUE(pA != nullptr && pB != nullptr);
    pA->SetDocumentLink(TRUE);
    pA->m_bAutoScroll = FALSE;
    pFrame->UpdateWindow();
    MouseOnCell(*pA, WM_LBUTTONDOWN, 2, 1, MK_LBUTTON);
    MouseOnCell(*pA, WM_MOUSEMOVE, 5, 2, MK_LBUTTON);
    MouseOnCell(*pA, WM_LBUTTONUP, 5, 2, 0);
    EXPECT_EQ(SelectionText(*pB), "c(2,1,5,2)");
    EXPECT_TRUE(ShowsWhatAPaintDraws(*pB));
    MouseOnCell(*pA, WM_LBUTTONDOWN, 8, 2, MK_LBUTTON | MK_CONTROL);
    MouseOnCell(*pA, WM_LBUTTONUP, 8, 2, MK_CONTROL);
    EXPECT_EQ(SelectionText(*pB), "c(2,1,5,2) c(8,2,8,2)");
    EXPECT_TRUE(ShowsWhatAPaintDraws(*pB));
    pA->SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    EXPECT_TRUE(ShowsWhatAPaintDraws(*pB));
    pFrame->DestroyWindow();
}
