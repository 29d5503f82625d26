// CMenu: item queries and changes on a menu built in code, ownership and temporary wrappers, the
// system menu.
#include "TestSupport.h"

#include "win/CMenu.h"

namespace {

enum { ID_OPEN = 100, ID_SAVE = 101, ID_CLOSE = 102, ID_VIEW_A = 200, ID_VIEW_B = 201, ID_VIEW_C = 202 };

// File (Open, separator, Save, Close) and View (A, B, C) popups on a menu bar, as a frame builds them.
class MenuBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bar.CreateMenu());
        CMenu file, view;
        ASSERT_TRUE(file.CreatePopupMenu());
        file.AppendMenu(MF_STRING, ID_OPEN, "&Open...\tCtrl+O");
        file.AppendMenu(MF_SEPARATOR);
        file.AppendMenu(MF_STRING, ID_SAVE, "&Save");
        file.AppendMenu(MF_STRING | MF_GRAYED, ID_CLOSE, "&Close");
        ASSERT_TRUE(view.CreatePopupMenu());
        view.AppendMenu(MF_STRING, ID_VIEW_A, "View &A");
        view.AppendMenu(MF_STRING, ID_VIEW_B, "View &B");
        view.AppendMenu(MF_STRING, ID_VIEW_C, "View &C");
        // the bar takes the popups over: their objects let go of them
        ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File"));
        ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(view.Detach()), "&View"));
    }
    void TearDown() override { CMenu::DeleteTempMap(); }

    CMenu bar;
};

TEST_F(MenuBar, ItemQueries)
{
    EXPECT_EQ(bar.GetMenuItemCount(), 2);
    EXPECT_EQ(bar.GetMenuItemID(0), 0xFFFFFFFFu);  // a popup has no command id
    CMenu* pFile = bar.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    EXPECT_EQ(bar.GetSubMenu(0), pFile);  // one wrapper per handle until idle
    EXPECT_EQ(bar.GetSubMenu(5), nullptr);
    EXPECT_EQ(pFile->GetMenuItemCount(), 4);
    EXPECT_EQ(pFile->GetMenuItemID(0), UINT(ID_OPEN));
    EXPECT_EQ(pFile->GetMenuItemID(1), 0u);  // separator
    EXPECT_EQ(pFile->GetMenuItemID(9), 0xFFFFFFFFu);

    CString text;
    EXPECT_EQ(pFile->GetMenuString(ID_OPEN, text, MF_BYCOMMAND), 15);
    EXPECT_STREQ(text, "&Open...\tCtrl+O");
    EXPECT_EQ(bar.GetMenuString(1, text, MF_BYPOSITION), 5);
    EXPECT_STREQ(text, "&View");
    EXPECT_EQ(pFile->GetMenuString(999, text, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, "");
    char buffer[6];
    EXPECT_EQ(pFile->GetMenuString(ID_SAVE, buffer, sizeof(buffer), MF_BYCOMMAND), 5);
    EXPECT_STREQ(buffer, "&Save");
    EXPECT_EQ(pFile->GetMenuString(ID_OPEN, buffer, sizeof(buffer), MF_BYCOMMAND), 5);  // cut to fit
    EXPECT_STREQ(buffer, "&Open");
    ExpectInvalidArg([&] { pFile->GetMenuString(ID_OPEN, nullptr, 10, MF_BYCOMMAND); }, "the buffer is null");

    EXPECT_EQ(pFile->GetMenuState(ID_CLOSE, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
    EXPECT_EQ(pFile->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    EXPECT_EQ(pFile->GetMenuState(999, MF_BYCOMMAND), 0xFFFFFFFFu);
    // the state of a popup item carries the popup's item count in its high byte
    EXPECT_EQ(bar.GetMenuState(1, MF_BYPOSITION) >> 8 & 0xFF, 3u);
}

TEST_F(MenuBar, EnableAndCheckByCommandAndByPosition)
{
    CMenu* pFile = bar.GetSubMenu(0);
    // through the bar by command (the search goes into the popups), then by position in the popup
    EXPECT_EQ(bar.EnableMenuItem(ID_SAVE, MF_BYCOMMAND | MF_GRAYED), UINT(MF_ENABLED));
    EXPECT_EQ(pFile->GetMenuState(2, MF_BYPOSITION) & MF_GRAYED, UINT(MF_GRAYED));
    EXPECT_EQ(pFile->EnableMenuItem(2, MF_BYPOSITION | MF_ENABLED), UINT(MF_GRAYED));
    EXPECT_EQ(pFile->GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(bar.EnableMenuItem(999, MF_BYCOMMAND | MF_GRAYED), 0xFFFFFFFFu);

    EXPECT_EQ(bar.CheckMenuItem(ID_OPEN, MF_BYCOMMAND | MF_CHECKED), UINT(MF_UNCHECKED));
    EXPECT_EQ(pFile->CheckMenuItem(0, MF_BYPOSITION | MF_UNCHECKED), UINT(MF_CHECKED));
    EXPECT_EQ(pFile->GetMenuState(ID_OPEN, MF_BYCOMMAND) & MF_CHECKED, 0u);

    CMenu* pView = bar.GetSubMenu(1);
    ASSERT_TRUE(pView->CheckMenuRadioItem(ID_VIEW_A, ID_VIEW_C, ID_VIEW_B, MF_BYCOMMAND));
    EXPECT_EQ(pView->GetMenuState(ID_VIEW_A, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(pView->GetMenuState(ID_VIEW_B, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));
    ASSERT_TRUE(pView->CheckMenuRadioItem(0, 2, 2, MF_BYPOSITION));
    EXPECT_EQ(pView->GetMenuState(ID_VIEW_B, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(pView->GetMenuState(ID_VIEW_C, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));
}

TEST_F(MenuBar, InsertModifyRemoveAndDelete)
{
    CMenu* pFile = bar.GetSubMenu(0);
    ASSERT_TRUE(pFile->InsertMenu(0, MF_BYPOSITION | MF_STRING, 110, "&New"));
    ASSERT_TRUE(pFile->InsertMenu(ID_SAVE, MF_BYCOMMAND | MF_STRING, 111, "Save &As"));  // before Save
    EXPECT_EQ(pFile->GetMenuItemID(0), 110u);
    EXPECT_EQ(pFile->GetMenuItemID(3), 111u);
    EXPECT_EQ(pFile->GetMenuItemID(4), UINT(ID_SAVE));
    ASSERT_TRUE(pFile->ModifyMenu(111, MF_BYCOMMAND | MF_STRING, 112, "Save &Copy"));
    CString text;
    pFile->GetMenuString(3, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Save &Copy");
    EXPECT_EQ(pFile->GetMenuItemID(3), 112u);
    ASSERT_TRUE(pFile->DeleteMenu(112, MF_BYCOMMAND));
    EXPECT_EQ(pFile->GetMenuItemCount(), 5);
    EXPECT_FALSE(pFile->DeleteMenu(999, MF_BYCOMMAND));

    // RemoveMenu hands the popup back; DeleteMenu destroys it
    HMENU hView = bar.GetSubMenu(1)->m_hMenu;
    ASSERT_TRUE(bar.RemoveMenu(1, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(hView));
    CMenu view;
    view.Attach(hView);
    HMENU hFile = pFile->m_hMenu;
    ASSERT_TRUE(bar.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(hFile));
    EXPECT_EQ(bar.GetMenuItemCount(), 0);
}

TEST_F(MenuBar, ItemInfoAndDefaultItem)
{
    CMenu* pFile = bar.GetSubMenu(0);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    info.dwItemData = 0x1234;
    ASSERT_TRUE(pFile->SetMenuItemInfo(ID_SAVE, &info));
    MENUITEMINFOA back = {};
    back.cbSize = sizeof(back);
    back.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    ASSERT_TRUE(pFile->GetMenuItemInfo(2, &back, TRUE));
    EXPECT_TRUE(back.fType & MFT_OWNERDRAW);
    EXPECT_EQ(back.dwItemData, ULONG_PTR(0x1234));
    EXPECT_EQ(back.wID, UINT(ID_SAVE));
    ExpectInvalidArg([&] { pFile->GetMenuItemInfo(2, nullptr, TRUE); }, "CMenu::GetMenuItemInfo");

    EXPECT_EQ(pFile->GetMenuDefaultItem(0), 0xFFFFFFFFu);
    ASSERT_TRUE(pFile->SetMenuDefaultItem(ID_OPEN));
    EXPECT_EQ(pFile->GetMenuDefaultItem(0), UINT(ID_OPEN));
    EXPECT_EQ(pFile->GetMenuDefaultItem(0, TRUE), 0u);
    EXPECT_EQ(pFile->GetMenuState(ID_OPEN, MF_BYCOMMAND) & MF_DEFAULT, UINT(MF_DEFAULT));
}

TEST(CMenu, OwnershipAndTemporaryWrappers)
{
    CMenu::DeleteTempMap();
    HMENU hMenu = ::CreatePopupMenu();
    CMenu* pTemp = CMenu::FromHandle(hMenu);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(CMenu::GetTempCount(), 1u);
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hMenu));  // wrappers never destroy what they do not own
    {
        CMenu owner;
        ASSERT_TRUE(owner.Attach(hMenu));
        EXPECT_EQ(CMenu::FromHandle(hMenu), &owner);
        ExpectInvalidArg([&] { owner.CreatePopupMenu(); }, "already holds menu");
    }
    EXPECT_FALSE(::IsMenu(hMenu));
    CMenu empty;
    EXPECT_EQ(empty.GetMenuItemCount(), -1);
    EXPECT_FALSE(empty.DestroyMenu());
    EXPECT_FALSE(empty.Attach(nullptr));
}

TEST(CMenu, SystemMenuOfAWindow)
{
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "sys", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    CMenu* pSystem = CMenu::GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(pSystem, nullptr);
    EXPECT_NE(pSystem->GetMenuState(SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
    pSystem->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(CMenu::GetSystemMenu(hwnd, FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED,
              UINT(MF_GRAYED));
    EXPECT_EQ(CMenu::GetSystemMenu(hwnd, TRUE), nullptr);  // reverting gives no menu back
    EXPECT_EQ(CMenu::GetSystemMenu(nullptr, FALSE), nullptr);
    ::DestroyWindow(hwnd);
    CMenu::DeleteTempMap();
}

} // namespace
