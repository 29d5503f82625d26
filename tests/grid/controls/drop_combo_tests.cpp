// The drawn drop-down combo cell: its six forms' values and display texts, the check of typed text,
// and its pop-up list opened, used and closed in a shown grid window, in the cell's colours.
#include "combo_test_support.h"

#include "grid/controls/GXComboBox.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"

namespace {

const char kFruit[] = "apple\nbanana\ncherry";

std::string WindowText(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return strText.GetString();
}

struct DropComboFixture : ComboGridFixture {
    DropComboFixture(UINT nId, const char* pszChoices) : ComboGridFixture(nId, pszChoices) {}
    CGXComboBox* Drop() { return ControlAs<CGXComboBox>(); }
    // Makes (nRow, nCol) current and its combo active, shown and focused.
    void Activate(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        Drop()->SetActive(TRUE);
        Drop()->Refresh();
        grid.UpdateWindow();
        PumpMessages();
    }
    // Alt+Down on the window that has the focus, through the message loop.
    void AltDown()
    {
        ::PostMessageA(::GetFocus(), WM_SYSKEYDOWN, VK_DOWN, MAKELPARAM(1, 0x2000));
        ::PostMessageA(::GetFocus(), WM_SYSKEYUP, VK_DOWN, MAKELPARAM(1, 0xE000));
        PumpMessages();
    }
    // The open list's window rectangle (screen).
    CRect ListRect() { return WindowRect(Drop()->GetPopup()); }
};

}  // namespace

TEST(DropCombo, EachFormStoresAndShowsItsChoice)
{
    struct Case {
        UINT nId;
        const char* pszShown;    // after choosing "cherry"
        const char* pszStored;
        BOOL bChecksText;        // ValidateString refuses a text that begins no entry
    };
    for (const Case& c : {Case{GX_IDS_CTRL_COMBOBOX, "cherry", "cherry", FALSE},
                          Case{GX_IDS_CTRL_ZEROBASED, "2", "2", FALSE},
                          Case{GX_IDS_CTRL_ONEBASED, "3", "3", FALSE},
                          Case{GX_IDS_CTRL_TEXTFIT, "cherry", "cherry", TRUE},
                          Case{GX_IDS_CTRL_ONEBASED_EX, "cherry", "3", TRUE},
                          Case{GX_IDS_CTRL_ZEROBASED_EX, "cherry", "2", TRUE}}) {
        SCOPED_TRACE(c.nId);
        DropComboFixture f(c.nId, kFruit);
        f.Activate(2, 2);
        f.Drop()->DropDown(TRUE);
        ASSERT_TRUE(f.Drop()->IsDroppedDown());
        f.Drop()->GetListBox()->SetCurSel(2);
        f.Drop()->SendMessage(GX_WM_COMBO_CHOOSE);
        EXPECT_FALSE(f.Drop()->IsDroppedDown());
        EXPECT_EQ(WindowText(f.Drop()), c.pszShown);
        EXPECT_EQ(::GetFocus(), f.Drop()->m_hWnd);
        f.MakeCurrent(3, 2);
        EXPECT_EQ(f.Stored(2, 2), c.pszStored);
        EXPECT_EQ(f.Drop()->ValidateString("zz"), !c.bChecksText);
        EXPECT_TRUE(f.Drop()->ValidateString("BA"));
        EXPECT_TRUE(f.Drop()->ValidateString(""));
    }
}

TEST(DropCombo, DisplayChoiceShowsTheEntryOfTheStoredIndex)
{
    DropComboFixture f(GX_IDS_CTRL_ONEBASED_EX, kFruit);
    f.SetValue(2, 2, "1");
    f.MakeCurrent(2, 2);
    CString strText;
    f.Drop()->GetCurrentText(strText);
    EXPECT_EQ(std::string(strText), "apple");
    // choosing the second entry in the open list stores 2 and shows its text
    f.Activate(2, 2);
    f.AltDown();
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    EXPECT_EQ(f.Drop()->GetListBox()->GetCurSel(), 0);
    f.Press(VK_DOWN);
    EXPECT_EQ(WindowText(f.Drop()), "banana");
    f.Press(VK_RETURN);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());
    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Stored(2, 2), "2");
    const CGXStyle* pStyle = f.grid.LookupStyleRowCol(2, 2);
    f.Drop()->GetControlText(strText, 2, 2, nullptr, *pStyle);
    EXPECT_EQ(std::string(strText), "banana");
    EXPECT_FALSE(f.Drop()->GetControlText(strText, 2, 2, "", *pStyle));
}

TEST(DropCombo, TextFitCompletesTypedTextAndFreeTextKeepsIt)
{
    struct Case {
        UINT nId;
        const char* pszTyped;
        const char* pszStored;
    };
    for (const Case& c : {Case{GX_IDS_CTRL_TEXTFIT, "ba", "banana"}, Case{GX_IDS_CTRL_COMBOBOX, "kiwi", "kiwi"}}) {
        SCOPED_TRACE(c.pszTyped);
        DropComboFixture f(c.nId, kFruit);
        f.SetValue(2, 2, "apple");
        f.Activate(2, 2);
        // a pasted text is not checked as typed characters are
        f.Drop()->SetSel(0, -1);
        f.Drop()->StoreTextInCell(c.pszTyped);
        EXPECT_EQ(WindowText(f.Drop()), c.pszTyped);
        f.MakeCurrent(3, 2);
        EXPECT_EQ(f.Stored(2, 2), c.pszStored);
    }
    // a text given to the cell is converted the same way; one that begins no entry gives nothing
    DropComboFixture f(GX_IDS_CTRL_TEXTFIT, kFruit);
    f.MakeCurrent(2, 2);
    for (const auto& [pszText, pszValue] : {std::pair{"ba", "banana"}, std::pair{"CH", "cherry"}, std::pair{"zz", ""}}) {
        CString strText(pszText);
        EXPECT_TRUE(f.Drop()->ConvertTextToValue(strText, 2, 2, nullptr));
        EXPECT_EQ(std::string(strText), pszValue);
    }
}

TEST(DropCombo, EscapeDropsTheChoiceAndEnterKeepsIt)
{
    DropComboFixture f(GX_IDS_CTRL_COMBOBOX, kFruit);
    f.SetValue(2, 2, "apple");
    f.Activate(2, 2);
    f.AltDown();
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    EXPECT_EQ(::GetFocus(), f.Drop()->GetListBox()->m_hWnd);
    EXPECT_TRUE(f.grid.m_bListDropped);
    f.Press(VK_DOWN);
    EXPECT_EQ(WindowText(f.Drop()), "banana");
    f.Press(VK_ESCAPE);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());
    EXPECT_FALSE(f.grid.m_bListDropped);
    EXPECT_FALSE(f.Drop()->IsActive());
    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Stored(2, 2), "apple");

    f.Activate(2, 2);
    f.AltDown();
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    f.Press(VK_DOWN);
    f.Press(VK_DOWN);
    f.Press(VK_RETURN);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());
    EXPECT_TRUE(f.Drop()->IsActive());
    EXPECT_EQ(::GetFocus(), f.Drop()->m_hWnd);
    f.MakeCurrent(3, 2);
    EXPECT_EQ(f.Stored(2, 2), "cherry");
}

TEST(DropCombo, ScrollingResetLeavingTheCellAndTheGridsMouseActivationCloseTheList)
{
    DropComboFixture f(GX_IDS_CTRL_COMBOBOX, kFruit);
    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    f.Drop()->OnGridScroll(WM_VSCROLL);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());

    f.Drop()->DropDown(TRUE);
    f.Drop()->Reset();
    EXPECT_FALSE(f.Drop()->IsDroppedDown());

    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    f.MakeCurrent(4, 2);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());
    EXPECT_FALSE(f.grid.m_bListDropped);

    // a click on the grid while the list is open closes it and keeps the choice
    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    f.Drop()->GetListBox()->SetCurSel(1);
    f.Drop()->SendMessage(GX_WM_COMBO_SELCHANGE);
    int nResult = 0;
    EXPECT_TRUE(f.Drop()->OnGridMouseActivate(nullptr, HTCLIENT, WM_LBUTTONDOWN, nResult));
    EXPECT_EQ(nResult, 2);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());
    EXPECT_TRUE(f.Drop()->GetModify());
    EXPECT_EQ(WindowText(f.Drop()), "banana");
    nResult = 0;
    EXPECT_FALSE(f.Drop()->OnGridMouseActivate(nullptr, HTCLIENT, WM_LBUTTONDOWN, nResult));
}

TEST(DropCombo, TheButtonOpensTheListAndItsRoomIsKept)
{
    DropComboFixture f(GX_IDS_CTRL_COMBOBOX, kFruit);
    f.MakeCurrent(2, 2);
    const CRect rectCell = f.Drop()->CGXControl::GetCellRect(2, 2);
    EXPECT_EQ(f.Drop()->GetCellRect(2, 2).right, f.Drop()->CGXEditControl::GetCellRect(2, 2).right - 15);
    EXPECT_EQ(f.Drop()->GetCellRect(3, 2).right, f.Drop()->CGXEditControl::GetCellRect(3, 2).right - 15);
    CGXStyle style;
    EXPECT_EQ(f.Drop()->AddBorders(CSize(10, 10), style).cx - f.Drop()->CGXEditControl::AddBorders(CSize(10, 10), style).cx,
              15);
    CRect rectButton = f.Drop()->GetChild(0)->GetRect();
    EXPECT_EQ(rectButton.right, rectCell.right - 1);
    f.Click(rectButton.CenterPoint());
    EXPECT_TRUE(f.Drop()->IsActive());
    EXPECT_TRUE(f.Drop()->IsDroppedDown());
    f.Drop()->SendMessage(GX_WM_COMBO_CLOSEUP, 0, TRUE);
    EXPECT_FALSE(f.Drop()->IsDroppedDown());
}

TEST(DropCombo, TheListFitsItsEntriesAndOpensAboveACellNearTheScreensBottom)
{
    DropComboFixture f(GX_IDS_CTRL_COMBOBOX, kFruit);
    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    const int nItem = f.Drop()->GetListBox()->GetItemHeight(0);
    CRect rectList = f.ListRect();
    const CRect rectCell = f.ScreenCell(2, 2);
    EXPECT_EQ(rectList.Height(), 3 * nItem + nItem / 2);
    EXPECT_EQ(rectList.top, rectCell.bottom);
    EXPECT_EQ(rectList.left, rectCell.left - 1);
    EXPECT_EQ(rectList.right, rectCell.right);
    f.Drop()->DropDown(FALSE);

    // the drop-down height caps a long list
    f.grid.GetParam()->GetControlOptions().nDropDownHeight = 2 * nItem;
    f.Drop()->DropDown(TRUE);
    EXPECT_EQ(f.ListRect().Height(), 2 * nItem);
    f.Drop()->DropDown(FALSE);
    f.grid.GetParam()->GetControlOptions().nDropDownHeight = 150;

    f.MoveCellToScreenBottom(2, 2);
    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    EXPECT_EQ(f.ListRect().bottom, f.ScreenCell(2, 2).top);
    f.Drop()->DropDown(FALSE);
}

TEST(DropCombo, AListThatPassesTheScreensRightEdgeEndsAtTheCellsRightEdge)
{
    // a combo whose list is wider than its cell
    class CWideCombo : public CGXComboBox {
    public:
        explicit CWideCombo(CGXGridCore* pGrid) : CGXComboBox(pGrid, 30001, 30001, gxComboFreeText) {}
        void CalcDropRect(CRect& rectDrop, const CRect& rectCell) override
        {
            CGXComboBox::CalcDropRect(rectDrop, rectCell);
            rectDrop.right = rectDrop.left + 400;
        }
    };
    DropComboFixture f(30001, kFruit);
    f.grid.RegisterControl(30001, new CWideCombo(&f.grid));
    CRect rectScreen;
    CWnd::GetDesktopWindow()->GetClientRect(&rectScreen);
    const CRect rectCell = f.Drop()->CGXControl::GetCellRect(2, 2);
    f.frame.SetWindowPos(nullptr, rectScreen.right - rectCell.right - 40, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpMessages();
    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    const CRect rectList = f.ListRect();
    EXPECT_EQ(rectList.right, f.ScreenCell(2, 2).right);
    EXPECT_EQ(rectList.Width(), 401);
    f.Drop()->DropDown(FALSE);
}

TEST(DropCombo, TheListTakesTheCellsColoursOnTheScreenWhateverThePrintOption)
{
    const COLORREF kYellow = RGB(255, 255, 0);
    DropComboFixture f(GX_IDS_CTRL_COMBOBOX, kFruit);
    ASSERT_TRUE(f.grid.GetParam()->GetProperties()->GetBlackWhite()) << "printing in black and white by default";
    f.ApplyStyle(2, 2, CGXStyle().SetTextColor(RGB(255, 0, 0)).SetInterior(CGXCellBrush(BS_SOLID, kYellow)));
    f.Activate(2, 2);
    f.Drop()->DropDown(TRUE);
    ASSERT_TRUE(f.Drop()->IsDroppedDown());
    CListBox* pList = f.Drop()->GetListBox();
    pList->UpdateWindow();
    // the right end of the second entry (not selected, no text there) shows the list's background
    CRect rectItem;
    pList->GetItemRect(1, &rectItem);
    CClientDC dc(pList);
    EXPECT_EQ(dc.GetPixel(rectItem.right - 2, rectItem.CenterPoint().y), kYellow);
    f.Drop()->DropDown(FALSE);
}
