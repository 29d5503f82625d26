// The menu bar of the application's kind of main frame: menu buttons from menu resources, the menus
// shown, the menu template reader, popups dropped from the bar and moving between them, the hooks and
// keys of its tracking, the frame's menu keys, the maximised child's buttons, the keep-visible flag and
// a floating menu bar.
#include "MenuTestSupport.h"

#include "frames/SECCustomToolBarInfoEx.h"
#include "frames/SECDocTemplateUtils.h"
#include "frames/SECToolBarManager.h"

#include "frames/SECMenuBar.h"
#include "frames/SECMenuBarFeature.h"
#include "frames/SECResourceData.h"
#include "frames/SECToolkitRes.h"
#include "win/CButton.h"
#include "win/CDocTemplate.h"
#include "win/CDocument.h"
#include "win/CView.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const DWORD kMenuBarStyle = 0x50002804;
const DWORD kMenuBarToolBarStyle = 0x0300;
const UINT kMenuBarID = 0xE8FF;

// The titles of menu 128 and their mnemonics.
const char* const kTitles[] = {"&File", "&Edit", "&View", "&Window"};

class CSheetDoc : public CDocument {
    DECLARE_DYNCREATE(CSheetDoc)
};
IMPLEMENT_DYNCREATE(CSheetDoc, CDocument)

// A sheet's view holding a button "&Edit", whose mnemonic is also the Edit menu's.
class CSheetView : public CView {
    DECLARE_DYNCREATE(CSheetView)
    DECLARE_MESSAGE_MAP()
public:
    void OnDraw(CDC*) override {}
    afx_msg int OnCreate(LPCREATESTRUCTA lpcs)
    {
        if (CView::OnCreate(lpcs) == -1)
            return -1;
        return button.Create("&Edit", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 5, 80, 30), this, IDC_VIEW_GO) ? 0
                                                                                                                : -1;
    }
    CButton button;
};
IMPLEMENT_DYNCREATE(CSheetView, CView)
BEGIN_MESSAGE_MAP(CSheetView, CView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The application's main frame as far as menus go: a workbook with bitmap menus and an MDI menu bar
// made on the heap before the frame, docked at the top when the frame is made.
class CMenuBarFrame : public CMenuTestFrame {
    DECLARE_MESSAGE_MAP()
public:
    CMenuBarFrame() : pMenuBar(new SECMDIMenuBar) { SetMenuBar(pMenuBar); }
    ~CMenuBarFrame() override { delete pMenuBar; }

    SECMDIMenuBar* pMenuBar;
    int nCancelModes = 0;
    int nNcActivates = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCTA lpcs)
    {
        if (CMenuTestFrame::OnCreate(lpcs) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!pMenuBar->CreateEx(kMenuBarToolBarStyle, this, kMenuBarStyle, kMenuBarID) ||
            !pMenuBar->SetMenuResources(2, IDR_MENU_MAIN, IDR_MENU_SHEET) || !SetMenuBitmapsFromToolBar(IDR_APP_TOOLBAR))
            return -1;
        pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(pMenuBar);
        return 0;
    }
    afx_msg void OnCancelMode()
    {
        nCancelModes++;
        CMenuTestFrame::OnCancelMode();
    }
    afx_msg BOOL OnNcActivate(BOOL bActive)
    {
        nNcActivates++;
        return CMenuTestFrame::OnNcActivate(bActive);
    }
};
BEGIN_MESSAGE_MAP(CMenuBarFrame, CMenuTestFrame)
    ON_WM_CREATE()
    ON_WM_CANCELMODE()
    ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

class MenuBarTest : public MdiFrameTest {
protected:
    void SetUp() override
    {
        MdiFrameTest::SetUp();
        for (int nKey : {VK_CONTROL, VK_SHIFT, VK_MENU})
            fake.SetKeyState(nKey, 0);
        fake.SetTickCount(1000);
        pTemplate = new CMultiDocTemplate(IDR_MENU_SHEET, RUNTIME_CLASS(CSheetDoc), RUNTIME_CLASS(SECWorksheet),
                                          RUNTIME_CLASS(CSheetView));
        app.AddDocTemplate(pTemplate);
        pFrame = LoadMainFrame<CMenuBarFrame>(nullptr, IDR_MENU_MAIN);
        ASSERT_NE(pFrame, nullptr);
        pBar = pFrame->pMenuBar;
        pFrame->RecalcLayout();
    }

    // The index of the menu button titled lpszTitle, a visible one when there is one; -1 when none.
    int IndexOf(const char* lpszTitle) const
    {
        int nFound = -1;
        for (int i = 0; i < pBar->GetBtnCount(); i++) {
            const SECTBMenuBtn* pBtn = dynamic_cast<const SECTBMenuBtn*>(pBar->GetBtn(i));
            if (pBtn == nullptr || pBtn->m_strTitle != lpszTitle)
                continue;
            if (!pBtn->HasStyle(TBBS_HIDDEN))
                return i;
            if (nFound < 0)
                nFound = i;
        }
        return nFound;
    }
    // The titles of the visible menu buttons, in order.
    std::vector<std::string> VisibleTitles() const
    {
        std::vector<std::string> titles;
        for (int i = 0; i < pBar->GetBtnCount(); i++) {
            const SECTBMenuBtn* pBtn = dynamic_cast<const SECTBMenuBtn*>(pBar->GetBtn(i));
            if (pBtn != nullptr && pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN))
                titles.push_back(pBtn->m_strTitle.GetString());
        }
        return titles;
    }
    // The popup at nPos of the frame's own menu.
    HMENU OwnPopup(int nPos) const { return ::GetSubMenu(pFrame->GetOwnMenu(), nPos); }
    // Button nIndex's rectangle on the screen.
    CRect ScreenRect(int nIndex) const
    {
        CRect rect = pBar->GetItemRect(nIndex);
        pBar->ClientToScreen(rect);
        return rect;
    }
    // Clicks the menu button titled lpszTitle.
    void Click(const char* lpszTitle)
    {
        const CPoint pt = pBar->GetItemRect(IndexOf(lpszTitle)).CenterPoint();
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    // The frame's pre-translation of a key message (wParam the key); bAlt: Alt held meanwhile.
    BOOL PreTranslateKey(UINT message, UINT nKey, BOOL bAlt)
    {
        fake.SetKeyState(VK_MENU, bAlt ? SHORT(0x8000) : SHORT(0));
        MSG msg = {};
        msg.hwnd = pFrame->m_hWnd;
        msg.message = message;
        msg.wParam = nKey;
        msg.lParam = message == WM_SYSKEYUP ? LPARAM(0xC0000001) : LPARAM(0x20000001);
        const BOOL bTaken = pFrame->PreTranslateMessage(&msg);
        fake.SetKeyState(VK_MENU, 0);
        return bTaken;
    }
    // The message-filter hook's answer to message at the screen point pt (wParam the key for keys).
    static LRESULT FilterMenu(UINT message, CPoint pt, WPARAM wParam = 0)
    {
        MSG msg = {};
        msg.message = message;
        msg.wParam = wParam;
        msg.pt = pt;
        return SECMenuBarMessages::MsgFilterHook(MSGF_MENU, 0, reinterpret_cast<LPARAM>(&msg));
    }
    // Takes the posted message of that kind for the frame from the queue; TRUE when there was one.
    BOOL TakePosted(UINT message, MSG& msg) const
    {
        return ::PeekMessageA(&msg, pFrame->m_hWnd, message, message, PM_REMOVE);
    }
    // The popup calls so far.
    std::vector<CFakeServices::Call> Popups() const { return fake.CallsOf("TrackPopupMenu"); }

    CMenuBarFrame* pFrame = nullptr;
    SECMDIMenuBar* pBar = nullptr;
};

// ---- buttons from menu resources ---------------------------------------------------------------------------

TEST_F(MenuBarTest, EveryPopupOfTheMenusIsAMenuButtonOfItsMenuShowingTheMenuShown)
{
    EXPECT_TRUE(pBar->GetExBarStyle() & SEC_TBSTYLE_FULLROW);
    EXPECT_TRUE(pBar->GetBarStyle() & 0x8);
    // the icon first, the File, Edit, View, Window of 128, File, Sheet, Window of 140, the caption boxes
    ASSERT_EQ(pBar->GetBtnCount(), 1 + 4 + 3 + 1);
    EXPECT_EQ(pBar->GetBtn(0), &pBar->GetIconButton());
    EXPECT_EQ(pBar->GetBtn(8), &pBar->GetCaptionButtons());
    const struct {
        const char* pszTitle;
        UINT nMenu;
        int nPos;
        UINT nBit;
        char cMnemonic;
    } expected[] = {
        {"&File", IDR_MENU_MAIN, 0, 1, 'F'}, {"&Edit", IDR_MENU_MAIN, 1, 1, 'E'},  {"&View", IDR_MENU_MAIN, 2, 1, 'V'},
        {"&Window", IDR_MENU_MAIN, 3, 1, 'W'}, {"&File", IDR_MENU_SHEET, 0, 2, 'F'}, {"&Sheet", IDR_MENU_SHEET, 1, 2, 'S'},
        {"&Window", IDR_MENU_SHEET, 2, 2, 'W'},
    };
    for (int i = 0; i < 7; i++) {
        const SECTBMenuBtn* pBtn = dynamic_cast<const SECTBMenuBtn*>(pBar->GetBtn(1 + i));
        ASSERT_NE(pBtn, nullptr) << i;
        EXPECT_EQ(pBtn->m_nID, UINT(i));
        EXPECT_EQ(pBtn->GetStyle() & 0x30000000u, 0x30000000u);
        EXPECT_STREQ(pBtn->m_strTitle, expected[i].pszTitle);
        EXPECT_EQ(pBtn->m_nMenuID, expected[i].nMenu);
        EXPECT_EQ(pBtn->m_nPopupPos, expected[i].nPos);
        EXPECT_EQ(pBtn->m_nMenuBit, expected[i].nBit);
        EXPECT_EQ(pBtn->m_cMnemonic, expected[i].cMnemonic);
    }
    // the frame shows its own menu: the bit of 128
    EXPECT_EQ(pBar->GetCurrentMenu(), UINT(IDR_MENU_MAIN));
    EXPECT_EQ(VisibleTitles(), (std::vector<std::string>{"&File", "&Edit", "&View", "&Window"}));
    pBar->ShowMenus(2);
    EXPECT_EQ(VisibleTitles(), (std::vector<std::string>{"&File", "&Sheet", "&Window"}));
    pBar->ShowMenus(-1);
    EXPECT_EQ(VisibleTitles().size(), 7u);

    EXPECT_TRUE(pBar->SwitchMenu(IDR_MENU_SHEET));
    EXPECT_EQ(pBar->GetMask(), 2);
    EXPECT_FALSE(pBar->SwitchMenu(IDR_MENU_NONE));
    EXPECT_EQ(pBar->GetMask(), 2);
    EXPECT_TRUE(pBar->SwitchMenu(IDR_SEC_BARHOST)); // a bar host shows the frame's own menu
    EXPECT_EQ(pBar->GetCurrentMenu(), UINT(IDR_MENU_MAIN));
    EXPECT_EQ(pBar->FindMnemonic('E'), IndexOf("&Edit"));
    EXPECT_EQ(pBar->FindMnemonic('S'), -1); // hidden
    EXPECT_EQ(pBar->FindMnemonic('\0'), -1);
}

TEST_F(MenuBarTest, ABarHostShowsTheApplicationsDefaultMenuInAMenuBarOfAnyFrame)
{
    EXPECT_EQ(SECDocTemplateUtils::GetDefaultMenuID(), UINT(IDR_MENU_MAIN));
    // a menu bar in a frame of the class library's own
    CFrameWnd* pPlain = new CFrameWnd;
    ASSERT_TRUE(pPlain->Create(nullptr, "plain", WS_OVERLAPPEDWINDOW, CRect(50, 50, 400, 300)));
    SECMenuBar bar;
    ASSERT_TRUE(bar.CreateEx(kMenuBarToolBarStyle, pPlain, kMenuBarStyle, kMenuBarID));
    ASSERT_TRUE(bar.SetMenuResources(2, IDR_MENU_MAIN, IDR_MENU_SHEET));
    ASSERT_TRUE(bar.SwitchMenu(IDR_MENU_SHEET));
    EXPECT_TRUE(bar.SwitchMenu(IDR_SEC_BARHOST));
    EXPECT_EQ(bar.GetCurrentMenu(), UINT(IDR_MENU_MAIN));
    EXPECT_EQ(bar.GetMask(), 1);
    pPlain->DestroyWindow();
}

TEST_F(MenuBarTest, AMenuThatCannotBeReadAddsNothingAndNoneAtAllLeavesNoMenuButtons)
{
    ASSERT_TRUE(pBar->SetMenuResources(3, IDR_MENU_NONE, IDR_MENU_SHEET, IDR_MENU_MAIN));
    pBar->ShowMenus(-1);
    EXPECT_EQ(VisibleTitles(),
              (std::vector<std::string>{"&File", "&Sheet", "&Window", "&File", "&Edit", "&View", "&Window"}));
    const SECTBMenuBtn* pSheet = dynamic_cast<const SECTBMenuBtn*>(pBar->GetBtn(IndexOf("&Sheet")));
    EXPECT_EQ(pSheet->m_nMenuBit, 1u); // the first menu read
    EXPECT_EQ(pSheet->m_nID, 1u);

    EXPECT_FALSE(pBar->SetMenuResources(1, IDR_MENU_NONE));
    EXPECT_TRUE(VisibleTitles().empty());
    EXPECT_EQ(pBar->GetBtnCount(), 2); // the child's icon and caption boxes stay
    EXPECT_FALSE(pBar->SwitchMenu(IDR_MENU_MAIN));
}

TEST(MenuTemplateTest, TheTopLevelTitlesAreReadAndNothingPastTheEnd)
{
    // a template: head, then items as words (flags, id unless a popup, text, 0)
    auto words = [](std::initializer_list<WORD> list) { return std::vector<WORD>(list); };
    const WORD P = 0x10;
    const WORD E = 0x80;
    const std::vector<WORD> good = words({0, 0,
                                          P, 'A', 0,                     // popup A
                                          0, 100, 'x', 0,                // its item
                                          P | E, 'S', 0,                 // its last item, a popup
                                          E, 101, 'y', 0,                // which ends with A's level
                                          P | E, 'B', 0,                 // popup B, the last
                                          E, 102, 'z', 0});              // its only item
    const struct {
        const char* pszCase;
        std::vector<WORD> data;
        size_t nBytes; // of data (0: all)
        BOOL bRead;
        std::vector<std::string> titles;
    } cases[] = {
        {"nested popups", good, 0, TRUE, {"A", "B"}},
        {"cut in B's text", good, (good.size() - 5) * 2, TRUE, {"A"}},
        {"cut in a word", good, 5, TRUE, {}},
        {"too short for its head", good, 3, FALSE, {}},
        {"an extended template", words({1, 4, 0, 0}), 0, FALSE, {}},
        {"items past the end", words({0, 40, P, 'A', 0}), 0, TRUE, {}},
        {"no end flag", words({0, 0, P, 'A', 0, E, 1, 'x', 0, P, 'B', 0}), 0, TRUE, {"A", "B"}},
    };
    for (const auto& c : cases) {
        std::vector<CString> titles{"stale"};
        const size_t nBytes = c.nBytes != 0 ? c.nBytes : c.data.size() * 2;
        EXPECT_EQ(SECParseMenuTitles(reinterpret_cast<const BYTE*>(c.data.data()), nBytes, titles), c.bRead) << c.pszCase;
        std::vector<std::string> read;
        for (const CString& title : titles)
            read.push_back(title.GetString());
        EXPECT_EQ(read, c.titles) << c.pszCase;
    }
}

// ---- popups ----------------------------------------------------------------------------------------------

TEST_F(MenuBarTest, APressDropsThePopupAtTheButtonsBottomLeftWithTheFilterHookInstalled)
{
    BOOL bFilterWhileOpen = FALSE;
    BOOL bPressedWhileOpen = FALSE;
    fake.ExpectPopupMenu(0, [&](HMENU) {
        bFilterWhileOpen = SECMenuBarMessages::IsMsgFilterInstalled();
        bPressedWhileOpen = pBar->GetBtn(IndexOf("&Edit"))->HasStyle(TBBS_PRESSED);
    });
    Click("&Edit");
    const auto popups = Popups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].hMenu, OwnPopup(1));
    EXPECT_EQ(popups[0].hWnd, pFrame->m_hWnd);
    EXPECT_EQ(popups[0].nType, UINT(TPM_RIGHTBUTTON));
    const CRect rect = ScreenRect(IndexOf("&Edit"));
    EXPECT_EQ(CPoint(popups[0].pt), CPoint(rect.left, rect.bottom));
    EXPECT_EQ(CRect(popups[0].rcExclude), rect);
    EXPECT_TRUE(bFilterWhileOpen);
    EXPECT_TRUE(bPressedWhileOpen);
    // closed: the filter hook is gone, the tracking ended with its hooks, the button is let go
    EXPECT_FALSE(SECMenuBarMessages::IsMsgFilterInstalled());
    EXPECT_FALSE(SECMenuBarMessages::AreTrackingHooksInstalled());
    EXPECT_FALSE(pBar->IsTracking());
    EXPECT_FALSE(pBar->GetBtn(IndexOf("&Edit"))->HasStyle(TBBS_PRESSED));
    EXPECT_EQ(SECMenuBarMessages::GetActive(), nullptr);
}

TEST_F(MenuBarTest, MovingOntoTheNextTitleClosesThePopupAndOpensTheNext)
{
    const CPoint ptFile = ScreenRect(IndexOf("&File")).CenterPoint();
    const CPoint ptEdit = ScreenRect(IndexOf("&Edit")).CenterPoint();
    int nCancelModes = -1;
    fake.ExpectPopupMenu(0, [&](HMENU) {
        // the first move only records the place; on the same title nothing happens
        EXPECT_EQ(FilterMenu(WM_MOUSEMOVE, ptFile), 1);
        EXPECT_EQ(FilterMenu(WM_MOUSEMOVE, ptFile + CSize(1, 0)), 0);
        EXPECT_EQ(pFrame->nCancelModes, 0);
        // onto Edit: the popup closes and Edit's waits
        EXPECT_EQ(FilterMenu(WM_MOUSEMOVE, ptEdit), 1);
        nCancelModes = pFrame->nCancelModes;
    });
    fake.ExpectPopupMenu(0, [&](HMENU) {
        // a click on the open title closes it
        EXPECT_EQ(FilterMenu(WM_LBUTTONDOWN, ptEdit), 1);
        EXPECT_EQ(pFrame->nCancelModes, 2);
    });
    Click("&File");
    EXPECT_EQ(nCancelModes, 1);
    const auto popups = Popups();
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[0].hMenu, OwnPopup(0));
    EXPECT_EQ(popups[1].hMenu, OwnPopup(1));
    EXPECT_EQ(CRect(popups[1].rcExclude), ScreenRect(IndexOf("&Edit")));
    EXPECT_FALSE(pBar->IsTracking());
    // a move over the popup, not the bar, is the popup's
    fake.ExpectPopupMenu(0, [&](HMENU) {
        FilterMenu(WM_MOUSEMOVE, CPoint(0, 0));
        EXPECT_EQ(FilterMenu(WM_MOUSEMOVE, ScreenRect(IndexOf("&File")).BottomRight() + CSize(5, 50)), 0);
    });
    Click("&File");
}

TEST_F(MenuBarTest, LeftAndRightProdToTheNeighbouringMenuUnlessAnItemTookTheKey)
{
    fake.ExpectPopupMenu(0, [&](HMENU) {
        // a submenu took Right: it selected an item first
        EXPECT_EQ(FilterMenu(WM_KEYDOWN, CPoint(), VK_RIGHT), 0);
        pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_NEW, MF_HILITE), reinterpret_cast<LPARAM>(OwnPopup(0)));
        PumpWaitingMessages();
        EXPECT_EQ(pFrame->nCancelModes, 0);
        // Right alone: Edit's popup waits; Left on it then goes back past File to the system menu
        EXPECT_EQ(FilterMenu(WM_KEYDOWN, CPoint(), VK_RIGHT), 0);
        PumpWaitingMessages();
        EXPECT_EQ(pFrame->nCancelModes, 1);
    });
    fake.ExpectPopupMenu(0, [&](HMENU) {
        FilterMenu(WM_KEYDOWN, CPoint(), VK_LEFT);
        PumpWaitingMessages();
    });
    fake.ExpectPopupMenu(0, [&](HMENU) {
        FilterMenu(WM_KEYDOWN, CPoint(), VK_LEFT);
        PumpWaitingMessages();
    });
    fake.ExpectPopupMenu(0);
    Click("&File");
    const auto popups = Popups();
    ASSERT_EQ(popups.size(), 4u);
    EXPECT_EQ(popups[1].hMenu, OwnPopup(1));
    EXPECT_EQ(popups[2].hMenu, OwnPopup(0));
    EXPECT_EQ(popups[3].hMenu, ::GetSystemMenu(pFrame->m_hWnd, FALSE));
    EXPECT_EQ(popups[3].nType, UINT(TPM_RIGHTBUTTON | TPM_RETURNCMD));
}

TEST_F(MenuBarTest, TheSystemMenuOpensAtTheCaptionIconAndItsCommandGoesToTheFrame)
{
    const CRect rectIcon = [&] {
        CRect rect;
        pFrame->GetWindowRect(rect);
        rect.OffsetRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
        return CRect(rect.TopLeft(), CSize(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE)));
    }();
    BOOL bSysWhileOpen = FALSE;
    fake.ExpectPopupMenu(SC_MOVE, [&](HMENU) { bSysWhileOpen = SECMenuBarMessages::IsSysMenuOpen(); });
    // a click on the caption icon
    pFrame->SendMessage(WM_SYSCOMMAND, 0xF093, 0);
    auto popups = Popups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].hMenu, ::GetSystemMenu(pFrame->m_hWnd, FALSE));
    EXPECT_EQ(CRect(popups[0].rcExclude), rectIcon);
    EXPECT_EQ(CPoint(popups[0].pt), CPoint(rectIcon.left, rectIcon.bottom));
    EXPECT_TRUE(bSysWhileOpen);
    EXPECT_EQ(::GetMenuDefaultItem(popups[0].hMenu, FALSE, 0), UINT(SC_CLOSE));
    MSG msg;
    ASSERT_TRUE(TakePosted(WM_SYSCOMMAND, msg));
    EXPECT_EQ(msg.wParam, WPARAM(SC_MOVE));

    // a double click on the icon while it is open closes it and posts its default command
    fake.ExpectPopupMenu(0, [&](HMENU) {
        EXPECT_EQ(FilterMenu(WM_LBUTTONDBLCLK, rectIcon.CenterPoint()), 1);
        EXPECT_EQ(pFrame->nCancelModes, 1);
    });
    pFrame->SendMessage(WM_SYSCOMMAND, 0xF093, 0);
    ASSERT_TRUE(TakePosted(WM_SYSCOMMAND, msg));
    EXPECT_EQ(msg.wParam, WPARAM(SC_CLOSE));
}

// ---- tracking --------------------------------------------------------------------------------------------

TEST_F(MenuBarTest, TrackingInstallsTheKeyboardAndMouseHooksOnceAndItsEndRemovesThem)
{
    pBar->SetTrackedButton(IndexOf("&File"));
    EXPECT_TRUE(SECMenuBarMessages::AreTrackingHooksInstalled());
    EXPECT_EQ(SECMenuBarMessages::GetActive(), static_cast<SECMenuBarMessages*>(
                                                   dynamic_cast<SECMenuBarFeature*>(pFrame->GetFramePlugIn())));
    pBar->SetTrackedButton(IndexOf("&Edit"));
    EXPECT_TRUE(SECMenuBarMessages::AreTrackingHooksInstalled());
    pBar->EndTracking();
    EXPECT_FALSE(SECMenuBarMessages::AreTrackingHooksInstalled());
    EXPECT_EQ(SECMenuBarMessages::GetActive(), nullptr);
}

TEST_F(MenuBarTest, WhileTrackingTheKeyboardHookMovesDropsAndEnds)
{
    auto key = [](UINT nKey, BOOL bUp = FALSE) {
        return SECMenuBarMessages::KeyboardHook(HC_ACTION, nKey, bUp ? LPARAM(0xC0000001) : LPARAM(1));
    };
    pBar->SetTrackedButton(IndexOf("&File"));
    EXPECT_EQ(key(VK_RIGHT), 1);
    PumpWaitingMessages();
    EXPECT_EQ(pBar->GetTrackedButton(), IndexOf("&Edit"));
    EXPECT_EQ(key(VK_RIGHT, TRUE), 1); // releases are swallowed...
    EXPECT_EQ(key(VK_MENU, TRUE), 0);  // ... but Alt's
    EXPECT_EQ(key(VK_F10), 0);
    EXPECT_TRUE(pBar->IsTracking());

    // Return drops the tracked menu in keyboard mode: its first item gets selected
    BOOL bDownPosted = FALSE;
    fake.ExpectPopupMenu(0, [&](HMENU hMenu) {
        pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
        MSG msg;
        bDownPosted = TakePosted(WM_KEYDOWN, msg) && msg.wParam == VK_DOWN;
    });
    EXPECT_EQ(key(VK_RETURN), 1);
    EXPECT_TRUE(Popups().empty()); // posted: not in the hook
    PumpWaitingMessages();
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].hMenu, OwnPopup(1));
    EXPECT_TRUE(bDownPosted);
    EXPECT_FALSE(pBar->IsTracking());

    // a key acts as a mnemonic; Escape ends tracking
    pBar->SetTrackedButton(IndexOf("&File"));
    fake.ExpectPopupMenu(0);
    EXPECT_EQ(key('W'), 1);
    PumpWaitingMessages();
    EXPECT_EQ(Popups().back().hMenu, OwnPopup(3));
    pBar->SetTrackedButton(IndexOf("&File"));
    EXPECT_EQ(key(VK_F4), 1); // no character: nothing
    PumpWaitingMessages();
    EXPECT_EQ(Popups().size(), 2u);
    EXPECT_EQ(key(VK_ESCAPE), 1);
    EXPECT_FALSE(pBar->IsTracking());
    EXPECT_EQ(key(VK_ESCAPE), 0); // not tracking: not the hook's
}

TEST_F(MenuBarTest, WhileTrackingTheMouseHookFollowsTheMouseAndAPressEnds)
{
    auto mouse = [](UINT message, CPoint pt) {
        MOUSEHOOKSTRUCT info = {};
        info.pt = pt;
        return SECMenuBarMessages::MouseHook(HC_ACTION, message, reinterpret_cast<LPARAM>(&info));
    };
    pBar->SetTrackedButton(IndexOf("&File"));
    const CPoint ptView = ScreenRect(IndexOf("&View")).CenterPoint();
    mouse(WM_MOUSEMOVE, ptView); // only recorded
    EXPECT_EQ(pBar->GetTrackedButton(), IndexOf("&File"));
    mouse(WM_MOUSEMOVE, ptView + CSize(1, 0));
    EXPECT_EQ(pBar->GetTrackedButton(), IndexOf("&View"));
    mouse(WM_RBUTTONDOWN, ptView);
    EXPECT_FALSE(pBar->IsTracking());
}

// ---- the frame's keys ------------------------------------------------------------------------------------

TEST_F(MenuBarTest, AltAloneStartsTrackingOnTheFirstMenuAndAgainEndsIt)
{
    EXPECT_FALSE(PreTranslateKey(WM_SYSKEYDOWN, VK_MENU, TRUE));
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYUP, VK_MENU, FALSE));
    EXPECT_TRUE(pBar->IsTracking());
    EXPECT_EQ(pBar->GetTrackedButton(), IndexOf("&File"));
    // pressing Alt while tracking ends it, and its release does not start it again
    EXPECT_FALSE(PreTranslateKey(WM_SYSKEYDOWN, VK_MENU, TRUE));
    EXPECT_FALSE(pBar->IsTracking());
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYUP, VK_MENU, FALSE));
    EXPECT_FALSE(pBar->IsTracking());
    // F10 the same
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYUP, VK_F10, FALSE));
    EXPECT_TRUE(pBar->IsTracking());
    pBar->EndTracking();
    // Alt pressed in an open menu closes it: its release starts nothing
    fake.ExpectPopupMenu(0, [&](HMENU) { FilterMenu(WM_SYSKEYDOWN, CPoint(), VK_MENU); });
    Click("&View");
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYUP, VK_MENU, FALSE));
    EXPECT_FALSE(pBar->IsTracking());
}

TEST_F(MenuBarTest, AltWithAMnemonicDropsItsMenuUnlessAControlOfTheActiveViewHasIt)
{
    fake.ExpectPopupMenu(0);
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYDOWN, 'E', TRUE));
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].hMenu, OwnPopup(1));
    EXPECT_FALSE(PreTranslateKey(WM_SYSKEYDOWN, 'Q', TRUE)); // no menu: left alone
    EXPECT_FALSE(PreTranslateKey(WM_SYSKEYDOWN, 'E', FALSE)); // without Alt held

    // a sheet whose view has a button "&Edit": Alt+E is the view's
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    pFrame->ShowMenu(IDR_MENU_MAIN);
    EXPECT_FALSE(PreTranslateKey(WM_SYSKEYDOWN, 'E', TRUE));
    EXPECT_EQ(Popups().size(), 1u);
    fake.ExpectPopupMenu(0); // F is nobody's in the view
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYDOWN, 'F', TRUE));
    EXPECT_EQ(Popups().size(), 2u);
}

TEST_F(MenuBarTest, AltSpaceAndKeyMenuCommandsOpenTheirMenusThroughTheBar)
{
    fake.ExpectPopupMenu(0);
    EXPECT_TRUE(PreTranslateKey(WM_SYSKEYDOWN, VK_SPACE, TRUE));
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].hMenu, ::GetSystemMenu(pFrame->m_hWnd, FALSE));
    EXPECT_EQ(Popups()[0].nType, UINT(TPM_RIGHTBUTTON | TPM_RETURNCMD));

    const struct {
        UINT nKey;
        HMENU hMenu; // null: none opens
    } cases[] = {
        {'v', OwnPopup(2)},
        {'-', ::GetSystemMenu(pFrame->m_hWnd, FALSE)},
        {'q', nullptr},
        {0, nullptr},
    };
    for (const auto& c : cases) {
        const size_t nBefore = Popups().size();
        BOOL bDownPosted = FALSE;
        if (c.hMenu != nullptr) {
            fake.ExpectPopupMenu(0, [&](HMENU hMenu) {
                pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
                MSG msg;
                bDownPosted = TakePosted(WM_KEYDOWN, msg) && msg.wParam == VK_DOWN;
            });
        }
        // swallowed either way: the system starts no menu mode of its own
        EXPECT_EQ(pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, c.nKey), 0) << c.nKey;
        ASSERT_EQ(Popups().size(), nBefore + (c.hMenu != nullptr ? 1 : 0)) << c.nKey;
        if (c.hMenu != nullptr) {
            EXPECT_EQ(Popups().back().hMenu, c.hMenu) << c.nKey;
            EXPECT_TRUE(bDownPosted) << c.nKey;
        }
    }
    // a deactivated frame ends tracking, and its caption still turns inactive
    pBar->SetTrackedButton(IndexOf("&File"));
    const int nNcActivates = pFrame->nNcActivates;
    pFrame->SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_FALSE(pBar->IsTracking());
    EXPECT_EQ(pFrame->nNcActivates, nNcActivates + 1);
}

// ---- the maximised child's buttons ---------------------------------------------------------------------

TEST_F(MenuBarTest, AMaximisedChildsIconComesFirstAndItsCaptionBoxesLastOnlyWithItsSystemMenu)
{
    HFONT hFont = CreateMenuFont();
    LOGFONTA lf = {};
    ::GetObjectA(hFont, sizeof(lf), &lf);
    ::DeleteObject(hFont);
    for (int i = 0; i < pBar->GetBtnCount(); i++) {
        if (pBar->GetBtn(i)->m_nType == SECStdBtn::BtnMenu) {
            EXPECT_EQ(pBar->GetBtn(i)->m_cy, int(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight) + 12) << i;
        }
    }

    SECCapMenuBtn& icon = pBar->GetIconButton();
    SECBtnCaption& boxes = pBar->GetCaptionButtons();
    EXPECT_TRUE(icon.HasStyle(TBBS_HIDDEN));
    EXPECT_TRUE(boxes.HasStyle(TBBS_HIDDEN));
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    CMDIChildWnd* pSheet = pFrame->MDIGetActive();
    ASSERT_NE(pSheet, nullptr);
    pSheet->MDIMaximize();
    EXPECT_FALSE(icon.HasStyle(TBBS_HIDDEN));
    EXPECT_FALSE(boxes.HasStyle(TBBS_HIDDEN));
    EXPECT_EQ(pBar->GetBtn(0), &icon);
    EXPECT_EQ(pBar->GetBtn(pBar->GetBtnCount() - 1), &boxes);
    EXPECT_NE(icon.m_hIcon, nullptr); // the class's icon: the sheet has none of its own
    const HICON hSmall = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32516) /* IDI_INFORMATION */);
    pSheet->SetIcon(hSmall, FALSE);
    EXPECT_TRUE(pBar->UpdateMDIButtons(FALSE));
    EXPECT_EQ(icon.m_hIcon, hSmall);
    EXPECT_EQ(boxes.m_dwCaptionStyle, pSheet->GetStyle() & 0xB0000);
    // in the row: the icon left of the first title, the boxes at the far end
    EXPECT_LT(icon.GetRect().right, pBar->GetItemRect(IndexOf("&Sheet")).left);
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    EXPECT_GT(boxes.GetRect().left, pBar->GetItemRect(IndexOf("&Window")).right);

    // without a system menu neither shows
    pSheet->ModifyStyle(WS_SYSMENU, 0);
    EXPECT_TRUE(pBar->UpdateMDIButtons(FALSE));
    EXPECT_TRUE(icon.HasStyle(TBBS_HIDDEN));
    EXPECT_TRUE(boxes.HasStyle(TBBS_HIDDEN));
    EXPECT_FALSE(pBar->UpdateMDIButtons(FALSE));
    pSheet->ModifyStyle(0, WS_SYSMENU);
    EXPECT_TRUE(pBar->UpdateMDIButtons(FALSE));
    EXPECT_TRUE(pBar->UpdateMDIButtons(TRUE));
    EXPECT_TRUE(icon.HasStyle(TBBS_HIDDEN));
    // removing every button keeps them
    pBar->RemoveAllButtons();
    EXPECT_EQ(pBar->GetBtnCount(), 2);
    EXPECT_FALSE(pBar->RemoveButton(0));
}

TEST_F(MenuBarTest, TheIconsSystemMenuCommandsGoToTheChild)
{
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    CMDIChildWnd* pSheet = pFrame->MDIGetActive();
    const HWND hWndSheet = pSheet->m_hWnd;
    pSheet->MDIMaximize();
    fake.ExpectPopupMenu(SC_CLOSE);
    const CPoint pt = pBar->GetIconButton().GetRect().CenterPoint();
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].hMenu, ::GetSystemMenu(hWndSheet, FALSE));
    EXPECT_EQ(Popups()[0].nType, UINT(TPM_RIGHTBUTTON | TPM_RETURNCMD));
    PumpWaitingMessages();
    EXPECT_FALSE(::IsWindow(hWndSheet));
    EXPECT_TRUE(::IsWindow(pFrame->m_hWnd));
}

TEST_F(MenuBarTest, APressInsideTheDoubleClickTimeOfThePressBeingHandledIsIgnored)
{
    const CPoint pt = pBar->GetItemRect(IndexOf("&View")).CenterPoint();
    fake.ExpectPopupMenu(0, [&](HMENU) {
        fake.SetTickCount(1000 + ::GetDoubleClickTime() - 1);
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    });
    Click("&File");
    EXPECT_EQ(Popups().size(), 1u);
    EXPECT_EQ(pFrame->nCancelModes, 0);
}

// ---- the frame and the bar ---------------------------------------------------------------------------------

TEST_F(MenuBarTest, AnEmptyBorderRequestKeepsTheBarThroughExactlyOneDelayedHide)
{
    CRect rectEmpty(0, 0, 0, 0);
    CRect rectSome(0, 0, 10, 10);
    pFrame->NegotiateBorderSpace(SECMDIFrameWnd::borderRequest, &rectSome);
    EXPECT_FALSE(pBar->IsKeepVisible());
    // a get fills the rectangle with the room the bars leave: it asks for nothing
    CRect rectRoom(0, 0, 0, 0);
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(SECMDIFrameWnd::borderGet, &rectRoom));
    EXPECT_FALSE(rectRoom.IsRectEmpty());
    EXPECT_FALSE(pBar->IsKeepVisible());
    EXPECT_TRUE(pFrame->NegotiateBorderSpace(SECMDIFrameWnd::borderRequest, &rectEmpty));
    EXPECT_TRUE(pBar->IsKeepVisible());
    pFrame->ShowControlBar(pBar, FALSE, TRUE);
    pFrame->RecalcLayout();
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_FALSE(pBar->IsKeepVisible());
    pFrame->ShowControlBar(pBar, FALSE, TRUE);
    pFrame->RecalcLayout();
    EXPECT_FALSE(pBar->IsWindowVisible());
}

TEST_F(MenuBarTest, AFloatingMenuBarsFrameHasNoCloseBox)
{
    pFrame->FloatControlBar(pBar, CPoint(200, 200));
    CFrameWnd* pFloating = pBar->GetParentFrame();
    ASSERT_NE(pFloating, pFrame);
    EXPECT_FALSE(pFloating->GetStyle() & WS_SYSMENU);
    pFrame->DockControlBar(pBar);
}

TEST_F(MenuBarTest, ASettingsChangeMakesTheMenuFontAgainAndSizesTheButtonsAndTheBarByIt)
{
    const auto barRect = [&] {
        CRect rect;
        pBar->GetWindowRect(rect);
        return rect;
    };
    const CRect rectBar = barRect();
    const int nFile = IndexOf("&File");
    const int nEdit = IndexOf("&Edit");
    const CRect rectFile = pBar->GetItemRect(nFile);
    // the bar as a larger menu font left it
    HFONT hLarge = CreateMenuFont(FW_NORMAL, 30);
    pBar->SetBtnFont(hLarge);
    pBar->ResizeButtons();
    pFrame->RecalcLayout();
    ASSERT_GT(pBar->GetItemRect(nFile).Width(), rectFile.Width());
    ASSERT_GT(barRect().Height(), rectBar.Height());

    pBar->SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS);
    ::DeleteObject(hLarge);
    // the font of the metrics again, every button sized by it and the frame laid out around the bar
    LOGFONTA lfBar = {};
    LOGFONTA lfMenu = {};
    ASSERT_TRUE(::GetObjectA(pBar->GetBtnFont(), sizeof(lfBar), &lfBar));
    HFONT hMenu = CreateMenuFont();
    ::GetObjectA(hMenu, sizeof(lfMenu), &lfMenu);
    ::DeleteObject(hMenu);
    EXPECT_EQ(lfBar.lfHeight, lfMenu.lfHeight);
    EXPECT_STREQ(lfBar.lfFaceName, lfMenu.lfFaceName);
    EXPECT_EQ(pBar->GetItemRect(nFile), rectFile);
    EXPECT_EQ(pBar->GetItemRect(nEdit).left, rectFile.right);
    EXPECT_EQ(barRect(), rectBar);
}

// ---- with a tool-bar manager ------------------------------------------------------------------------------

TEST_F(MenuBarTest, WithAManagerTheChildsButtonsStayAtTheEndsAndTitlesStayInTheMenuBar)
{
    SECToolBarManager manager(pFrame);
    ASSERT_TRUE(manager.LoadToolBarResource(IDR_APP_TOOLBAR));
    pBar->SetManager(&manager);
    SECCustomToolBar* pTools = new SECCustomToolBar;
    pTools->SetAutoDelete(TRUE);
    pTools->SetManager(&manager);
    ASSERT_TRUE(pTools->CreateEx(0x0300, pFrame, 0x50002800, AFX_IDW_TOOLBAR));
    const UINT ids[] = {ID_NEW, ID_OPEN};
    pTools->SetButtons(ids, 2);
    pTools->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pTools);
    ASSERT_NE(pTemplate->OpenDocumentFile(nullptr), nullptr);
    pFrame->MDIGetActive()->MDIMaximize();
    pFrame->RecalcLayout();
    manager.EnterCustomizeMode(pFrame);
    SECCapMenuBtn& icon = pBar->GetIconButton();
    SECBtnCaption& boxes = pBar->GetCaptionButtons();
    ASSERT_FALSE(icon.HasStyle(TBBS_HIDDEN));

    // a button dropped at the start of the menu bar: the icon stays first, the boxes last
    auto drag = [](SECCustomToolBar* pFrom, int nIndex, CPoint ptTo) {
        CRect rect = pFrom->GetItemRect(nIndex);
        pFrom->ClientToScreen(rect);
        PostDrag(*pFrom, {rect.CenterPoint() + (ptTo - rect.TopLeft())});
        const CPoint pt = pFrom->GetItemRect(nIndex).CenterPoint();
        pFrom->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    };
    drag(pTools, 0, ScreenRect(0).TopLeft());
    ASSERT_EQ(pBar->GetBtn(0), &icon);
    EXPECT_EQ(pBar->GetBtn(1)->m_nID, UINT(ID_NEW));
    EXPECT_EQ(pBar->GetBtn(pBar->GetBtnCount() - 1), &boxes);
    EXPECT_EQ(pBar->GetCustomizeButton(), 1) << "the dropped button is selected";
    EXPECT_EQ(pTools->GetBtnCount(), 1);

    // a menu title is no button a tool bar can make
    CRect rectTools = pTools->GetItemRect(0);
    pTools->ClientToScreen(rectTools);
    const int nSheet = IndexOf("&Sheet");
    drag(pBar, nSheet, rectTools.TopLeft() + CSize(5, 0));
    EXPECT_EQ(pTools->GetBtnCount(), 1);
    EXPECT_EQ(IndexOf("&Sheet"), nSheet);

    // saved, the child's buttons are left out; loaded, they come back at the ends
    SECControlBarInfo record(&manager);
    pBar->GetBarInfo(&record);
    SECCustomToolBarInfoEx* pInfoEx = dynamic_cast<SECCustomToolBarInfoEx*>(record.m_pInfoEx);
    ASSERT_NE(pInfoEx, nullptr);
    std::vector<UINT> saved;
    for (const auto& pBtnInfo : pInfoEx->m_btnInfo)
        saved.push_back(pBtnInfo->m_nID);
    EXPECT_EQ(saved, (std::vector<UINT>{ID_NEW, 0, 1, 2, 3, 4, 5, 6}));
    std::reverse(pInfoEx->m_btnInfo.begin(), pInfoEx->m_btnInfo.end());
    pBar->SetBarInfoEx(&record, pFrame);
    EXPECT_EQ(pBar->GetBtn(0), &icon);
    EXPECT_EQ(pBar->GetBtn(pBar->GetBtnCount() - 1), &boxes);
    EXPECT_EQ(VisibleTitles(), (std::vector<std::string>{"&Window", "&Sheet", "&File"}));

    // reset: the manager's default buttons for the menu bar
    const UINT defaults[] = {1, 0};
    manager.SetDefaultButtons(kMenuBarID, defaults, 2);
    pFrame->MDIGetActive()->DestroyWindow();
    pBar->ResetButtons();
    EXPECT_EQ(VisibleTitles(), (std::vector<std::string>{"&Edit", "&File"}));
    manager.ExitCustomizeMode();
    pTools->DestroyWindow();
    pBar->SetManager(nullptr);
}

} // namespace
