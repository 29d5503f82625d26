// The combo box window cell: its entries and values, the window styles, typing and the keys that
// leave the cell, stores, read-only cells and its geometry, in a shown grid window.
#include "combo_test_support.h"

#include "grid/controls/GXButton.h"

namespace {

// The edit field of an editable combo.
HWND EditField(CComboBox* pCombo)
{
    COMBOBOXINFO info = {sizeof(info)};
    ::GetComboBoxInfo(pCombo->m_hWnd, &info);
    return info.hwndItem;
}

std::string CurrentText(CGXComboBoxWnd* pCombo)
{
    CString strText;
    pCombo->GetCurrentText(strText);
    return strText.GetString();
}

}  // namespace

TEST(ComboCell, AChoiceListLineByLineAndIndexValuesFromBaseOne)
{
    ComboGridFixture f(GX_IDS_CTRL_CBS_DROPDOWNLIST, "a\r\nb\n\nc");
    f.Combo()->m_nIndexValue = 1;
    f.MakeCurrent(2, 2);
    EXPECT_EQ(f.Entries(), "a|b||c|");
    CString strValue;
    ASSERT_TRUE(f.Combo()->GetValue(strValue));
    EXPECT_EQ(std::string(strValue), "") << "nothing selected";
    f.Combo()->SetCurrentText("3");
    EXPECT_EQ(f.Combo()->GetCurSel(), 2);
    f.Combo()->SetCurSel(3);
    ASSERT_TRUE(f.Combo()->GetValue(strValue));
    EXPECT_EQ(std::string(strValue), "4");
}

TEST(ComboCell, TheWindowsStylesFollowTheControlId)
{
    struct Case {
        UINT nId;
        DWORD dwStyle;
    };
    const DWORD dwAsked = CBS_DROPDOWN | CBS_DROPDOWNLIST | WS_VSCROLL | CBS_AUTOHSCROLL;
    for (const Case& c : {Case{GX_IDS_CTRL_CBS_DROPDOWN, CBS_DROPDOWN | WS_VSCROLL | CBS_AUTOHSCROLL},
                          Case{GX_IDS_CTRL_CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | WS_VSCROLL}}) {
        SCOPED_TRACE(c.nId);
        CComboCreateRecorder created;
        ComboGridFixture f(c.nId, "x");
        ASSERT_TRUE(f.Combo()->m_hWnd != nullptr);
        EXPECT_EQ(created.Style() & dwAsked, c.dwStyle);
        EXPECT_EQ(f.Combo()->CComboBox::GetStyle() & (dwAsked & ~WS_VSCROLL), c.dwStyle & ~WS_VSCROLL);
        EXPECT_EQ(f.Combo()->GetDlgCtrlID(), int(c.nId));
    }
}

TEST(ComboCell, AValueSelectsTheEntryEqualToItBeforeOneBeginningWithIt)
{
    ComboGridFixture f(GX_IDS_CTRL_CBS_DROPDOWNLIST, "abc\nab");
    f.SetValue(2, 2, "ab");
    f.MakeCurrent(2, 2);
    EXPECT_EQ(f.Combo()->GetCurSel(), 1);
    f.Combo()->SetCurrentText("a");
    EXPECT_EQ(f.Combo()->GetCurSel(), 0) << "no equal entry: the first beginning with it";
}

TEST(ComboCell, TypingOnAnInactiveListCellSelectsTheNextEntryWithThatLetter)
{
    ComboGridFixture f(GX_IDS_CTRL_CBS_DROPDOWNLIST, "apple\nbanana\nberry");
    f.SetValue(2, 2, "banana");
    f.MakeCurrent(2, 2);
    ASSERT_FALSE(f.Combo()->IsActive());
    f.Type("b");
    EXPECT_EQ(CurrentText(f.Combo()), "berry");
    f.Type("b");
    EXPECT_EQ(CurrentText(f.Combo()), "banana") << "wraps to the top";
    EXPECT_TRUE(f.Combo()->GetModify());
}

TEST(ComboCell, LeftAndRightLeaveAnEditableCellOnlyAtTheEndsOfItsText)
{
    ComboGridFixture f(GX_IDS_CTRL_CBS_DROPDOWN, "one\ntwo");
    f.SetValue(2, 2, "two");
    f.Activate(2, 2);
    const HWND hEdit = EditField(f.Combo());
    ASSERT_EQ(::GetFocus(), hEdit);

    ::SendMessageA(hEdit, EM_SETSEL, 1, 1);
    f.Press(VK_RIGHT);
    f.Press(VK_LEFT);
    EXPECT_EQ(f.Current(), "2,2") << "the caret inside the text";
    ::SendMessageA(hEdit, EM_SETSEL, 3, 3);
    f.Press(VK_RIGHT);
    EXPECT_EQ(f.Current(), "2,3") << "Right at the end";

    f.Activate(2, 2);
    ::SendMessageA(EditField(f.Combo()), EM_SETSEL, 0, 0);
    f.Combo()->ShowDropDown(TRUE);
    f.Press(VK_LEFT);
    EXPECT_EQ(f.Current(), "2,2") << "an open list keeps Left";
    f.Press(VK_RETURN);
    EXPECT_FALSE(f.Combo()->GetDroppedState());
    EXPECT_EQ(f.Current(), "2,2") << "Enter closed the list only";
    EXPECT_TRUE(f.grid.m_passedKeys.empty() || f.grid.m_passedKeys.back() != VK_RETURN);
    ::SendMessageA(EditField(f.Combo()), EM_SETSEL, 0, 0);
    f.Press(VK_LEFT);
    EXPECT_EQ(f.Current(), "2,1") << "Left at the start";
}

TEST(ComboCell, StoresOfEmptyTextsAndReadOnlyCells)
{
    ComboGridFixture f(GX_IDS_CTRL_CBS_DROPDOWNLIST, "red\ngreen");
    f.SetValue(2, 2, "red");
    EXPECT_TRUE(f.grid.SetControlTextRowCol(2, 2, "", 2, nullptr));
    EXPECT_EQ(f.Stored(2, 2), "red") << "an empty text changes nothing";

    f.SetValue(3, 2, "red");
    CGXStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    f.ApplyStyle(3, 2, readOnly);
    f.Activate(3, 2);
    f.Combo()->SetCurSel(1);
    f.grid.SendMessage(WM_COMMAND, MAKEWPARAM(f.Combo()->GetDlgCtrlID(), CBN_SELCHANGE), LPARAM(f.Combo()->m_hWnd));
    PumpMessages();
    EXPECT_EQ(CurrentText(f.Combo()), "red") << "a read-only cell puts its choice back";
    f.MakeCurrent(4, 2);
    EXPECT_EQ(f.Stored(3, 2), "red");
}

TEST(ComboCell, TheCellKeepsRoomForTheButtonAndTheWindowForItsList)
{
    ComboGridFixture f(GX_IDS_CTRL_CBS_DROPDOWNLIST, "a\nb\nc");
    f.MakeCurrent(2, 2);
    CGXComboBoxWnd* pCombo = f.Combo();
    const CRect rectBase = pCombo->CGXControl::GetCellRect(2, 2);
    const CRect rectInactive = pCombo->GetCellRect(2, 2);
    EXPECT_EQ(rectInactive, CRect(rectBase.left + 2, rectBase.top, rectBase.right - 15, rectBase.bottom));
    const CGXStyle& style = *f.grid.LookupStyleRowCol(2, 2);
    EXPECT_EQ(pCombo->AddBorders(CSize(10, 10), style).cx, pCombo->CGXControl::AddBorders(CSize(29, 10), style).cx);

    pCombo->LayoutChildren(2, 2, rectBase);
    EXPECT_EQ(pCombo->GetButton()->GetRect(),
              CRect(std::max(rectBase.right - 16, rectBase.left + 1), rectBase.top, rectBase.right - 1, rectBase.bottom - 1));

    CSizeRecorder size(pCombo->m_hWnd);
    f.Activate(2, 2);
    EXPECT_EQ(pCombo->GetCellRect(2, 2), rectBase) << "the active cell keeps all of it";
    EXPECT_EQ(size.TallestHeight(), rectBase.Height() + 2 * 3 + 3 * (f.TextHeight(2, 2) + 2 * 3 + 2))
        << "the cell with the frame allowance, then the drop part";
}
