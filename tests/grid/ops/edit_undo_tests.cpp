// Undo through the edit cell, as the user meets it: what is typed into a cell and stored comes off
// again with Ctrl+Z, an edit still being typed is the first thing Undo takes back, and the Undo item
// names what it would take back.
#include "control_test_support.h"
#include "undo_test_support.h"

namespace {

// An edit-cell grid (see EditGridFixture) with the grid operations' modules.
struct EditUndoFixture {
    EditUndoFixture() { UseGridOperations(); }
    EditGridFixture f;

    // The Undo item's text, as the menu shows it with the format "Undo %1".
    std::string UndoItem()
    {
        f.grid.GetUndoMenuText(&undo.state);
        return undo.Text();
    }
    MenuItem undo{ID_EDIT_UNDO, "Undo %1"};
};

}  // namespace

TEST(EditUndo, WhatIsTypedAndStoredComesOffWithCtrlZ)
{
    EditUndoFixture e;
    EditGridFixture& f = e.f;
    f.SetValue(2, 2, "old");
    f.MakeCurrent(2, 2);
    f.Type("new");
    EXPECT_EQ(e.UndoItem(), "Undo Current Cell");
    f.MakeCurrent(3, 2);
    ASSERT_EQ(f.Stored(2, 2), "new");
    EXPECT_EQ(e.UndoItem(), "Undo Cells");

    ASSERT_EQ(::GetFocus(), f.grid.m_hWnd);
    ::SendMessageA(::GetFocus(), WM_CHAR, 26, MAKELPARAM(1, 0));  // Ctrl+Z
    EXPECT_EQ(f.Stored(2, 2), "old");
    EXPECT_EQ(f.Current(), "2,2") << "the cell that changed back is current";
    EXPECT_EQ(e.UndoItem(), "Undo ");
}

TEST(EditUndo, AnEditBeingTypedIsTheFirstThingUndoTakesBack)
{
    EditUndoFixture e;
    EditGridFixture& f = e.f;
    f.SetValue(2, 2, "old");
    f.MakeCurrent(2, 2);
    f.Type("x");
    f.MakeCurrent(2, 3);  // stores "x"
    f.MakeCurrent(2, 2);
    f.Type("typed");
    ASSERT_TRUE(f.m_pEdit->GetModify());

    EXPECT_TRUE(f.grid.Undo());
    EXPECT_FALSE(f.m_pEdit->GetModify());
    EXPECT_FALSE(f.m_pEdit->IsActive());
    EXPECT_EQ(f.Stored(2, 2), "x") << "the stored edit stays";
    EXPECT_EQ(f.grid.GetParam()->GetUndoList().GetCount(), 1);

    EXPECT_TRUE(f.grid.Undo());
    EXPECT_EQ(f.Stored(2, 2), "old");
}
