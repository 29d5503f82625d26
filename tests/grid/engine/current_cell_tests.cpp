// The current cell and the keys: moves by direction with Ctrl and the repeat count, Tab, Enter and
// covered spans; controls that refuse to be left and cells that may not become current; the keys that
// reach undo, redo, clearing and editing; Escape during a mouse action.
#include "input_test_support.h"

#include "grid/engine/GXStyle.h"

#include <string>

namespace {

// A grid of 10 rows by 5 columns whose current cell is (5, 3), with the key-state seam.
struct KeyFixture {
    CFakeServices services;
    CInputGridWnd grid;
    KeyFixture()
    {
        ReleaseModifierKeys(services);
        services.SetTickCount(0);
        grid.CreateInputGrid(10, 5);
        grid.SetCurrentCell(5, 3);
        grid.m_currentCellFlags.clear();
    }
};

}  // namespace

TEST(CurrentCell, TheArrowsMoveByDirectionAndRepeatCount)
{
    struct Case {
        ROWCOL nRow, nCol;
        UINT nKey;
        UINT nRepeat;
        BOOL bCtrl;
        const char* pszExpected;
    };
    const Case cases[] = {
        {5, 3, VK_DOWN, 1, FALSE, "6,3"},  {5, 3, VK_DOWN, 3, FALSE, "8,3"},  {5, 3, VK_UP, 2, FALSE, "3,3"},
        {5, 3, VK_RIGHT, 1, FALSE, "5,4"}, {5, 3, VK_LEFT, 9, FALSE, "5,1"},  {1, 3, VK_UP, 1, FALSE, "1,3"},
        {5, 1, VK_LEFT, 1, FALSE, "5,1"},  {10, 3, VK_DOWN, 1, FALSE, "10,3"}, {5, 3, VK_DOWN, 1, TRUE, "10,3"},
        {5, 3, VK_UP, 1, TRUE, "1,3"},     {5, 3, VK_RIGHT, 1, TRUE, "5,5"},  {5, 3, VK_LEFT, 1, TRUE, "5,1"},
        {5, 3, VK_END, 1, TRUE, "10,5"},   {5, 3, VK_HOME, 1, TRUE, "1,1"},   {5, 3, VK_HOME, 1, FALSE, "5,3"},
    };
    for (const Case& c : cases) {
        KeyFixture f;
        SCOPED_TRACE(std::to_string(c.nRow) + "," + std::to_string(c.nCol) + " key " + std::to_string(c.nKey) +
                     " x" + std::to_string(c.nRepeat) + (c.bCtrl ? " with Ctrl" : ""));
        ASSERT_TRUE(f.grid.SetCurrentCell(c.nRow, c.nCol));
        f.grid.m_currentCellFlags.clear();
        if (c.bCtrl)
            f.services.SetKeyState(VK_CONTROL, SHORT(0x8000));
        PressKey(f.grid, c.nKey, c.nRepeat);
        EXPECT_EQ(f.grid.Current(), c.pszExpected);
        if (f.grid.Current() != std::to_string(c.nRow) + "," + std::to_string(c.nCol)) {
            EXPECT_EQ(f.grid.m_currentCellFlags.at(0), 0x8Au) << "update, scroll into view, keep the selection";
        }
    }
}

TEST(CurrentCell, TabEnterAndCoveredSpans)
{
    KeyFixture f;
    CTestControl& control = *f.grid.m_pControl;
    // Tab at the last column stores the cell and stays
    ASSERT_TRUE(f.grid.SetCurrentCell(5, 5, CGXGridCore::gxActivate));
    control.SetModify(TRUE);
    PressKey(f.grid, VK_TAB);
    EXPECT_EQ(control.m_nStores, 1);
    EXPECT_EQ(f.grid.Current(), "5,5");
    {
        const HeldKey shift(f.services, VK_SHIFT);
        PressKey(f.grid, VK_TAB);
        EXPECT_EQ(f.grid.Current(), "5,4") << "Shift+Tab moves left";
    }

    // Enter with Shift does nothing; with the Enter direction down it stores and moves down
    f.grid.GetParam()->GetCurrentCellOptions().nEnterDirection = CGXGridCore::gxDown;
    ASSERT_TRUE(f.grid.SetCurrentCell(5, 4, CGXGridCore::gxActivate));
    control.SetModify(TRUE);
    {
        const HeldKey shift(f.services, VK_SHIFT);
        PressKey(f.grid, VK_RETURN);
        EXPECT_EQ(f.grid.Current(), "5,4");
        EXPECT_EQ(control.m_nStores, 1);
    }
    PressKey(f.grid, VK_RETURN);
    EXPECT_EQ(control.m_nStores, 2);
    EXPECT_EQ(f.grid.Current(), "6,4");

    // a covered span of three rows is left whole, and entered at its top-left cell
    OneSpanCoveredCells covered(CGXCellRange(2, 2, 4, 2));
    WithModule<CGXAbstractGridCoveredCellsImp> withCovered(f.grid.m_pCoveredCellsImp, &covered);
    ASSERT_TRUE(f.grid.SetCurrentCell(3, 2));
    EXPECT_EQ(f.grid.Current(), "2,2") << "a covered cell stands for its span";
    PressKey(f.grid, VK_DOWN);
    EXPECT_EQ(f.grid.Current(), "5,2");
    PressKey(f.grid, VK_UP);
    EXPECT_EQ(f.grid.Current(), "2,2");
}

TEST(CurrentCell, AControlThatRefusesKeepsTheCellWithItsEdit)
{
    KeyFixture f;
    CTestControl& control = *f.grid.m_pControl;
    ASSERT_TRUE(f.grid.SetCurrentCell(5, 3, CGXGridCore::gxActivate));
    control.SetCurrentText("bad");
    control.SetModify(TRUE);
    control.m_bRefuseValidation = TRUE;
    f.services.ExpectMessageBox(IDOK, "Not a valid value");
    EXPECT_FALSE(f.grid.SetCurrentCell(6, 3));
    EXPECT_EQ(f.grid.Current(), "5,3");
    EXPECT_TRUE(control.IsActive());
    EXPECT_TRUE(control.GetModify());
    CString strText;
    control.GetCurrentText(strText);
    EXPECT_EQ(strText, "bad");
    EXPECT_EQ(f.services.CallsOf("MessageBox").size(), 1u) << "the warning is shown once";
    EXPECT_EQ(control.m_nStores, 0);
    EXPECT_TRUE(f.grid.GetWarningText().IsEmpty());

    // once the text passes, the move stores it
    control.m_bRefuseValidation = FALSE;
    EXPECT_TRUE(f.grid.SetCurrentCell(6, 3));
    EXPECT_EQ(control.m_nStores, 1);
    EXPECT_FALSE(control.IsActive());
}

TEST(CurrentCell, ADisabledOrMissingCellDoesNotBecomeCurrent)
{
    KeyFixture f;
    CGXStyle disabled;
    disabled.SetEnabled(FALSE);
    f.grid.SetStyleRange(CGXCellRange(6, 3, 6, 3), &disabled, CGXStyle::gxOverride);
    EXPECT_FALSE(f.grid.SetCurrentCell(6, 3));
    EXPECT_EQ(f.grid.Current(), "5,3");
    EXPECT_FALSE(f.grid.SetCurrentCell(11, 3));
    EXPECT_FALSE(f.grid.SetCurrentCell(5, 6));
    EXPECT_EQ(f.grid.Current(), "5,3");
    // a move passes over the disabled cell
    PressKey(f.grid, VK_DOWN);
    EXPECT_EQ(f.grid.Current(), "7,3");
}

TEST(CurrentCell, KeysReachUndoRedoClearingAndEditing)
{
    KeyFixture f;
    FakeCommandFactory factory;
    WithModule<CGXAbstractCommandFactory> withFactory(f.grid.m_pCommandFactory, &factory);
    CGXGridCore* pCore = &f.grid;
    f.grid.SendMessage(WM_CHAR, 26);  // Ctrl+Z
    f.grid.SendMessage(WM_SYSKEYDOWN, VK_BACK);
    f.grid.SendMessage(WM_CHAR, 18);  // Ctrl+R
    {
        const HeldKey ctrl(f.services, VK_CONTROL);
        PressKey(f.grid, VK_BACK);
    }
    EXPECT_EQ(factory.calls, std::vector<std::string>({Call("Undo", pCore), Call("Undo", pCore), Call("Redo", pCore),
                                                       Call("Redo", pCore)}));

    // Delete clears only through a clear-cells module, and not while the cell is being edited
    PressKey(f.grid, VK_DELETE);
    FakeClearCellsImp clear;
    WithModule<CGXAbstractGridClearCellsImp> withClear(f.grid.m_pClearCellsImp, &clear);
    PressKey(f.grid, VK_DELETE);
    EXPECT_EQ(clear.calls, std::vector<std::string>({Call("CanClear", pCore), Call("Clear", pCore, 0)}));

    // F2 starts editing, F2 again stores the edit
    CTestControl& control = *f.grid.m_pControl;
    ASSERT_FALSE(control.IsActive());
    PressKey(f.grid, VK_F2);
    EXPECT_TRUE(control.IsActive());
    clear.calls.clear();
    PressKey(f.grid, VK_DELETE);
    EXPECT_TRUE(clear.calls.empty()) << "the editing control keeps Delete";
    control.SetModify(TRUE);
    PressKey(f.grid, VK_F2);
    EXPECT_EQ(control.m_nStores, 1);
}

TEST(CurrentCell, EscapeEndsAMouseActionAndOtherKeysWait)
{
    KeyFixture f;
    f.grid.SetCapture();
    PressKey(f.grid, VK_DOWN);
    EXPECT_EQ(f.grid.Current(), "5,3") << "the key is eaten";
    EXPECT_EQ(f.grid.m_nCancelModes, 0);
    PressKey(f.grid, VK_ESCAPE);
    EXPECT_EQ(f.grid.m_nCancelModes, 1);
    EXPECT_NE(::GetCapture(), f.grid.m_hWnd);
    PressKey(f.grid, VK_DOWN);
    EXPECT_EQ(f.grid.Current(), "6,3");
}
