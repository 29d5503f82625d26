// The check-list combo cell: the caption, the ticks read from and stored as the value's bits, the keys
// of the open list and of the cell, in a shown grid window.
#include "combo_test_support.h"

#include "grid/controls/GXCheckListComboBox.h"

namespace {

const char kColours[] = "Colours\nRed\nGreen\nBlue";

struct CheckListFixture : ComboGridFixture {
    CheckListFixture(const char* pszChoices = kColours)
        : ComboGridFixture(GX_IDS_CTRL_CHECKLIST_COMBOBOX, pszChoices)
    {
    }
    CGXCheckListComboBox* CheckCombo() { return ControlAs<CGXCheckListComboBox>(); }
    CCheckListBox* List() { return static_cast<CCheckListBox*>(CheckCombo()->GetListBox()); }
    // Makes (nRow, nCol) current and opens its list with the button.
    void Open(ROWCOL nRow, ROWCOL nCol)
    {
        MakeCurrent(nRow, nCol);
        Click(CheckCombo()->GetChild(0)->GetRect().CenterPoint());
    }
    // The ticks of the open list, "x" ticked and "." not.
    std::string Ticks()
    {
        std::string strTicks;
        for (int i = 0; i < List()->GetCount(); ++i)
            strTicks += List()->GetCheck(i) == 1 ? 'x' : '.';
        return strTicks;
    }
};

}  // namespace

TEST(CheckListCombo, EveryCellShowsTheCaptionAndTheListTheValuesTicks)
{
    CheckListFixture f;
    f.SetValue(2, 2, "5");
    f.SetValue(3, 2, "2");
    for (ROWCOL nRow : {ROWCOL(2), ROWCOL(3), ROWCOL(4)}) {
        CString strText;
        f.CheckCombo()->GetControlText(strText, nRow, 2, nullptr, *f.grid.LookupStyleRowCol(nRow, 2));
        EXPECT_EQ(std::string(strText), "Colours");
    }
    f.Open(2, 2);
    ASSERT_TRUE(f.CheckCombo()->IsDroppedDown());
    EXPECT_EQ(f.Ticks(), "x.x");
    EXPECT_EQ(::GetFocus(), f.List()->m_hWnd);
    f.Press(VK_ESCAPE);
    EXPECT_FALSE(f.CheckCombo()->IsDroppedDown());
    EXPECT_EQ(f.Stored(2, 2), "5");
}

TEST(CheckListCombo, TicksAreStoredWhenTheListClosesEvenByEscape)
{
    struct Case {
        UINT nCloseKey;
        std::vector<int> toggled;  // items toggled with Space
        const char* pszStored;
    };
    for (const Case& c : {Case{VK_RETURN, {1}, "7"}, Case{VK_ESCAPE, {1}, "7"}, Case{VK_RETURN, {0, 2}, ""},
                          Case{VK_ESCAPE, {0, 1}, "6"}}) {
        SCOPED_TRACE(c.pszStored);
        CheckListFixture f;
        f.SetValue(2, 2, "5");
        f.Open(2, 2);
        ASSERT_TRUE(f.CheckCombo()->IsDroppedDown());
        for (int nItem : c.toggled) {
            f.List()->SetCurSel(nItem);
            f.Press(VK_SPACE);
        }
        f.Press(c.nCloseKey);
        EXPECT_FALSE(f.CheckCombo()->IsDroppedDown());
        EXPECT_EQ(f.Stored(2, 2), c.pszStored);
        EXPECT_FALSE(f.CheckCombo()->GetModify());
        EXPECT_EQ(::GetFocus(), f.grid.m_hWnd);
    }
}

TEST(CheckListCombo, TypingOnTheCellChangesNothingAndAltDownOpensTheList)
{
    CheckListFixture f;
    f.SetValue(2, 2, "5");
    f.MakeCurrent(2, 2);
    f.Type("r");
    f.Press(VK_DELETE);
    EXPECT_FALSE(f.CheckCombo()->IsDroppedDown());
    EXPECT_EQ(f.Stored(2, 2), "5");
    ::PostMessageA(f.grid.m_hWnd, WM_SYSKEYDOWN, VK_DOWN, MAKELPARAM(1, 0x2000));
    PumpMessages();
    EXPECT_TRUE(f.CheckCombo()->IsDroppedDown());
    f.CheckCombo()->SendMessage(GX_WM_COMBO_CLOSEUP);
    EXPECT_EQ(f.Stored(2, 2), "5");
}

TEST(CheckListCombo, OnlyTheFirst32ChoicesAreListed)
{
    std::string strChoices = "Caption";
    for (int i = 0; i < 40; ++i)
        strChoices += "\nchoice " + std::to_string(i);
    CheckListFixture f(strChoices.c_str());
    f.SetValue(2, 2, "2147483649");  // choices 0 and 31
    f.Open(2, 2);
    ASSERT_TRUE(f.CheckCombo()->IsDroppedDown());
    EXPECT_EQ(f.List()->GetCount(), 32);
    EXPECT_EQ(f.CheckCombo()->GetChoiceCount(), 32);
    EXPECT_EQ(f.List()->GetCheck(0), 1);
    EXPECT_EQ(f.List()->GetCheck(31), 1);
    f.List()->SetCheck(31, 0);
    f.Press(VK_RETURN);
    EXPECT_EQ(f.Stored(2, 2), "1");
}
