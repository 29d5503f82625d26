// The tool-bar page of the customise sheet and the dialog naming a new tool bar, run modally through
// the services' seam.
#include "CustomizeTestSupport.h"

#include "frames/SECToolBarsPage.h"
#include "frames/SECToolkitRes.h"

#include <string>

namespace {

const UINT kStandard = AFX_IDW_TOOLBAR;
const UINT kSecond = AFX_IDW_TOOLBAR + 5;

// The buttons page beside the tool-bar page, recording what it is told of styles.
class CStylesPage : public SECToolBarButtonsPage {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == g_nMsgToolBarStyleChanging)
            styles.push_back({UINT(wParam), int(lParam)});
        return SECToolBarButtonsPage::WindowProc(message, wParam, lParam);
    }
    std::vector<std::pair<UINT, int>> styles;
};

class PageTest : public ManagerTest {
protected:
    void SetUp() override
    {
        ManagerTest::SetUp();
        pStandard = MakeManagedBar({ID_NEW, ID_OPEN}, kStandard);
        pSecond = MakeManagedBar({ID_CUT}, kSecond);
        pUser = pManager->CreateUserToolBar("Mine");
        pMenu = MakeManagedBar({ID_SAVE}, SEC_IDW_MENUBAR);
        ASSERT_NE(pStandard, nullptr);
        ASSERT_NE(pSecond, nullptr);
        ASSERT_NE(pUser, nullptr);
        ASSERT_NE(pMenu, nullptr);
        pUser->InsertButton(0, ID_PRINT);
        pFrame->FloatControlBar(pUser, CPoint(300, 300));
        pFrame->ShowControlBar(pSecond, FALSE, FALSE);
        pStandard->SetWindowText("Standard");
        pSecond->SetWindowText("Second");
        pMenu->SetWindowText("Menu");
    }

    // Runs the sheet with the tool-bar page (and the styles page when bStyles) and script on the live
    // page; returns the sheet's result.
    INT_PTR RunPage(std::function<void(CPropertySheet&, SECToolBarsPage&)> script, BOOL bStyles = FALSE)
    {
        SECToolBarsPage page(pManager.get());
        CPropertySheet sheet("Customize");
        sheet.AddPage(&page);
        if (bStyles)
            sheet.AddPage(&styles);
        fake.ExpectModalSheet([&](CPropertySheet& shown) { script(shown, page); });
        return sheet.DoModal();
    }

    // The texts, ids and checks of the page's list.
    struct Entry {
        std::string text;
        UINT nID;
        int nCheck;
        bool operator==(const Entry& other) const
        {
            return text == other.text && nID == other.nID && nCheck == other.nCheck;
        }
    };
    static std::vector<Entry> Entries(SECToolBarsPage& page)
    {
        std::vector<Entry> entries;
        CCheckListBox& list = page.GetBarList();
        for (int i = 0; i < list.GetCount(); i++) {
            CString text;
            list.GetText(i, text);
            entries.push_back({text.GetString(), UINT(list.GetItemData(i)), list.GetCheck(i)});
        }
        return entries;
    }
    // Toggles entry nIndex's box as the user does.
    static void Toggle(SECToolBarsPage& page, int nIndex)
    {
        CCheckListBox& list = page.GetBarList();
        list.SetCheck(nIndex, list.GetCheck(nIndex) ? 0 : 1);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEC_BARLIST, CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd));
    }
    static void Select(SECToolBarsPage& page, int nIndex)
    {
        CCheckListBox& list = page.GetBarList();
        list.SetCurSel(nIndex);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEC_BARLIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd));
    }
    static std::string ItemText(CWnd& dlg, int nID)
    {
        CString text;
        dlg.GetDlgItemText(nID, text);
        return text.GetString();
    }
    static BOOL ItemEnabled(CWnd& dlg, int nID) { return ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, nID)); }

    SECCustomToolBar* pStandard = nullptr;
    SECCustomToolBar* pSecond = nullptr;
    SECCustomToolBar* pUser = nullptr;
    SECCustomToolBar* pMenu = nullptr;
    CStylesPage styles;
};

TEST_F(PageTest, TheListShowsTheBarsByIdCheckedWhileVisibleAndTheMenuBarAlways)
{
    RunPage([&](CPropertySheet& sheet, SECToolBarsPage& page) {
        EXPECT_EQ(Entries(page), (std::vector<Entry>{{"Standard", kStandard, 1},
                                                     {"Second", kSecond, 0},
                                                     {"Mine", SEC_IDW_FIRST_USERBAR, 1},
                                                     {"Menu", SEC_IDW_MENUBAR, 1}}));
        EXPECT_TRUE(pManager->InCustomizeMode());
        EXPECT_TRUE(pStandard->InCustomizeMode());

        Toggle(page, 1);
        EXPECT_TRUE(pSecond->IsWindowVisible());
        Toggle(page, 0);
        EXPECT_FALSE(pStandard->IsWindowVisible());
        Toggle(page, 3);
        EXPECT_EQ(page.GetBarList().GetCheck(3), 1) << "the menu bar stays checked";
        EXPECT_TRUE(pMenu->IsWindowVisible());
        ClickButton(sheet, IDOK);
    });
    // the sheet's end ends customising
    EXPECT_FALSE(pManager->InCustomizeMode());
    EXPECT_FALSE(pStandard->InCustomizeMode());
    EXPECT_FALSE(pUser->InCustomizeMode());
}

TEST_F(PageTest, OnlyAUserToolBarIsRenamedOrDeletedTheOthersAreReset)
{
    const UINT defaults[] = {ID_SAVE, 0, ID_CUT};
    pManager->SetDefaultButtons(kStandard, defaults, 3);
    RunPage([&](CPropertySheet& sheet, SECToolBarsPage& page) {
        Select(page, 0);
        EXPECT_EQ(ItemText(page, IDC_SEC_BARNAME), "Standard");
        EXPECT_EQ(ItemText(page, IDC_SEC_RESETBAR), "&Reset");
        EXPECT_FALSE(ItemEnabled(page, IDC_SEC_BARNAME));
        EXPECT_FALSE(ItemEnabled(page, IDC_SEC_NAMELABEL));
        ClickButton(page, IDC_SEC_RESETBAR);
        EXPECT_EQ(Ids(pStandard), (std::vector<UINT>{ID_SAVE, 0, ID_CUT}));

        Select(page, 2);
        EXPECT_EQ(ItemText(page, IDC_SEC_BARNAME), "Mine");
        EXPECT_EQ(ItemText(page, IDC_SEC_RESETBAR), "&Delete");
        EXPECT_TRUE(ItemEnabled(page, IDC_SEC_BARNAME));
        EXPECT_TRUE(ItemEnabled(page, IDC_SEC_NAMELABEL));

        // a name is cut to 128 characters; the bar, its floating frame and the entry take it
        const std::string strLong(130, 'n');
        page.SetDlgItemText(IDC_SEC_BARNAME, strLong.c_str());
        const std::string strCut(128, 'n');
        EXPECT_EQ(ItemText(page, IDC_SEC_BARNAME), strCut);
        EXPECT_EQ(WindowText(pUser), strCut);
        EXPECT_EQ(WindowText(pUser->GetParentFrame()), strCut);
        EXPECT_EQ(Entries(page)[2], (Entry{strCut, SEC_IDW_FIRST_USERBAR, 1}));
        EXPECT_EQ(page.GetBarList().GetCurSel(), 2);

        const HWND hWndUser = pUser->m_hWnd;
        ClickButton(page, IDC_SEC_RESETBAR);
        EXPECT_FALSE(::IsWindow(hWndUser));
        EXPECT_EQ(Entries(page).size(), 3u);
        EXPECT_EQ(page.GetBarList().GetCurSel(), 2) << "the entry after it";
        EXPECT_EQ(ItemText(page, IDC_SEC_BARNAME), "Menu");
        ClickButton(sheet, IDOK);
    });
}

TEST_F(PageTest, TheManagersNewsKeepTheListInStep)
{
    RunPage([&](CPropertySheet& sheet, SECToolBarsPage& page) {
        SECCustomToolBar* pNew = pManager->CreateUserToolBar("Later");
        ASSERT_NE(pNew, nullptr);
        EXPECT_EQ(Entries(page)[3], (Entry{"Later", SEC_IDW_FIRST_USERBAR + 1, 1})) << "in id order";
        pFrame->ShowControlBar(pStandard, FALSE, FALSE);
        EXPECT_EQ(Entries(page)[0].nCheck, 0);
        pFrame->ShowControlBar(pStandard, TRUE, FALSE);
        EXPECT_EQ(Entries(page)[0].nCheck, 1);

        // the last entry goes: the one before it is selected
        Select(page, 4);
        pMenu->DestroyWindow();
        EXPECT_EQ(Entries(page).size(), 4u);
        EXPECT_EQ(page.GetBarList().GetCurSel(), 3);
        ClickButton(sheet, IDCANCEL);
    });
}

TEST_F(PageTest, NewAsksANameAndFloatsTheBarBesideTheTopDockBar)
{
    // cancelled: customising goes on, no bar
    INT_PTR nResult = RunPage([&](CPropertySheet& sheet, SECToolBarsPage& page) {
        fake.ExpectModal([&](CDialog& dlg) {
            EXPECT_FALSE(pManager->InCustomizeMode()) << "not while the name is asked";
            ClickButton(dlg, IDCANCEL);
        });
        ClickButton(page, IDC_SEC_NEWBAR);
        EXPECT_TRUE(pManager->InCustomizeMode());
        EXPECT_FALSE(sheet.IsModalEnded());
        ClickButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(pFrame->GetControlBar(SEC_IDW_FIRST_USERBAR + 1), nullptr);

    nResult = RunPage([&](CPropertySheet& sheet, SECToolBarsPage& page) {
        fake.ExpectModal([&](CDialog& dlg) {
            EXPECT_FALSE(ItemEnabled(dlg, IDOK)) << "no name yet";
            dlg.SetDlgItemText(IDC_SEC_NEWBARNAME, "Fresh");
            EXPECT_TRUE(ItemEnabled(dlg, IDOK));
            const std::string strLong(129, 'x');
            dlg.SetDlgItemText(IDC_SEC_NEWBARNAME, strLong.c_str());
            EXPECT_EQ(ItemText(dlg, IDC_SEC_NEWBARNAME).size(), 128u);
            dlg.SetDlgItemText(IDC_SEC_NEWBARNAME, "");
            EXPECT_FALSE(ItemEnabled(dlg, IDOK));
            dlg.SetDlgItemText(IDC_SEC_NEWBARNAME, "Fresh");
            ClickButton(dlg, IDOK);
        });
        ClickButton(page, IDC_SEC_NEWBAR);
        EXPECT_TRUE(sheet.IsModalEnded());
        EXPECT_EQ(Entries(page)[3], (Entry{"Fresh", SEC_IDW_FIRST_USERBAR + 1, 1}));
    });
    EXPECT_EQ(nResult, IDC_SEC_CUSTOMIZE) << "go on customising";
    SECCustomToolBar* pFresh = pManager->GetToolBar(SEC_IDW_FIRST_USERBAR + 1);
    ASSERT_NE(pFresh, nullptr);
    EXPECT_EQ(WindowText(pFresh), "Fresh");
    EXPECT_TRUE(pFresh->IsFloating());
    const CPoint ptExpected = ScreenRect(DockBar(AFX_IDW_DOCKBAR_TOP)).TopLeft() + CSize(5, 5);
    EXPECT_EQ(ScreenRect(pFresh->GetParentFrame()).TopLeft(), ptExpected);
}

TEST_F(PageTest, TheStyleBoxesSetTheManagerAndTellTheOtherPagesSuchAsTheButtonsPage)
{
    RunPage(
        [&](CPropertySheet& sheet, SECToolBarsPage& page) {
            // the other page, the buttons page, has its window and controls once shown
            ASSERT_TRUE(sheet.SetActivePage(1));
            EXPECT_EQ(ItemText(styles, IDC_SEC_BUTTONGROUP), "Buttons");
            EXPECT_EQ(styles.GetButtonGroup().GetDlgCtrlID(), IDC_SEC_BUTTONGROUP);
            EXPECT_EQ(styles.GetButtonList().GetDlgCtrlID(), IDC_SEC_BARLIST);
            EXPECT_EQ(styles.GetButtonText().GetDlgCtrlID(), IDC_SEC_BUTTONTEXT);
            EXPECT_TRUE(styles.GetButtonList().IsWindowVisible());
            ASSERT_TRUE(sheet.SetActivePage(0));
            const struct {
                int nBox;
                BOOL (SECToolBarManager::*pfnIsOn)() const;
                std::vector<std::pair<UINT, int>> told;
            } boxes[] = {
                {IDC_SEC_TOOLTIPS, &SECToolBarManager::ToolTipsEnabled, {}},
                {IDC_SEC_COOLLOOK, &SECToolBarManager::CoolLookEnabled, {{SEC_STYLECHANGING_COOLLOOK, 1}}},
                {IDC_SEC_LARGEBTNS, &SECToolBarManager::LargeBtnsEnabled, {{SEC_STYLECHANGING_LARGEBTNS, 1}}},
            };
            for (const auto& box : boxes) {
                styles.styles.clear();
                page.CheckDlgButton(box.nBox, BST_CHECKED);
                ClickButton(page, box.nBox);
                EXPECT_TRUE((pManager.get()->*box.pfnIsOn)()) << box.nBox;
                EXPECT_EQ(styles.styles, box.told) << box.nBox;
            }
            EXPECT_TRUE(pStandard->GetBarStyle() & CBRS_TOOLTIPS);
            EXPECT_EQ(pStandard->GetItemRect(0).Size(), CSize(29, 31)) << "large buttons";
            ClickButton(sheet, IDCANCEL);
        },
        TRUE);
}

} // namespace
