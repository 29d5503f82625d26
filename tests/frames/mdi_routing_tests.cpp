// The toolkit's docking MDI frame: menus kept by id ("WM_SECGETMENU"), menu-bar mode (a menu-less window,
// the menus its children show, a maximised child), routing through the active bar host or child and the
// plug-ins, the plug-in contract, the activation of bar hosts and the title.
#include "MdiTestSupport.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_route; // which object saw a routed command, or a message, in order

const UINT ID_ROUTED = 30390;  // handled by the child, the host and the frame
const UINT ID_PLUGGED = 30391; // handled by the extra plug-in and the frame
const UINT WM_TEST_PLUGGED = WM_APP + 20;  // the frame plug-in ends it
const UINT WM_TEST_SHARED = WM_APP + 21;   // the frame plug-in sees it and lets the frame have it

// A sheet, a bar host and a frame that note the routed command.
class CRoutedSheet : public SECWorksheet {
    DECLARE_DYNCREATE(CRoutedSheet)
    DECLARE_MESSAGE_MAP()
    afx_msg void OnRouted() { g_route.push_back("sheet"); }
};
IMPLEMENT_DYNCREATE(CRoutedSheet, SECWorksheet)
BEGIN_MESSAGE_MAP(CRoutedSheet, SECWorksheet)
    ON_COMMAND(ID_ROUTED, OnRouted)
END_MESSAGE_MAP()

class CRoutedHost : public SECControlBarMDIChildWnd {
    DECLARE_DYNCREATE(CRoutedHost)
    DECLARE_MESSAGE_MAP()
    afx_msg void OnRouted() { g_route.push_back("host"); }
};
IMPLEMENT_DYNCREATE(CRoutedHost, SECControlBarMDIChildWnd)
BEGIN_MESSAGE_MAP(CRoutedHost, SECControlBarMDIChildWnd)
    ON_COMMAND(ID_ROUTED, OnRouted)
END_MESSAGE_MAP()

// The extra command plug-in: it handles ID_PLUGGED.
class CCommandPlugIn : public SECWndPlugIn {
    DECLARE_MESSAGE_MAP()
    afx_msg void OnPlugged() { g_route.push_back("plug-in"); }
};
BEGIN_MESSAGE_MAP(CCommandPlugIn, SECWndPlugIn)
    ON_COMMAND(ID_PLUGGED, OnPlugged)
END_MESSAGE_MAP()

// The frame plug-in: it ends WM_TEST_PLUGGED with 77 and notes WM_TEST_SHARED and WM_HELP.
class CMessagePlugIn : public SECWndPlugIn {
    DECLARE_MESSAGE_MAP()
    afx_msg LRESULT OnTestPlugged(WPARAM, LPARAM)
    {
        g_route.push_back("plug-in message");
        m_bExitDefault = TRUE;
        SetResult(77);
        return 0;
    }
    afx_msg LRESULT OnTestShared(WPARAM, LPARAM)
    {
        g_route.push_back("plug-in message");
        return 5;
    }
    afx_msg LRESULT OnHelp(WPARAM, LPARAM)
    {
        g_route.push_back("plug-in help");
        return TRUE;
    }
};
BEGIN_MESSAGE_MAP(CMessagePlugIn, SECWndPlugIn)
    ON_MESSAGE(WM_TEST_PLUGGED, OnTestPlugged)
    ON_MESSAGE(WM_TEST_SHARED, OnTestShared)
    ON_MESSAGE(WM_HELP, OnHelp)
END_MESSAGE_MAP()

class CRoutedFrame : public SECMDIFrameWnd {
    DECLARE_MESSAGE_MAP()
public:
    CRoutedFrame() { SetBarHostClass(RUNTIME_CLASS(CRoutedHost)); }

protected:
    SECWndPlugIn* CreateFramePlugIn() override { return new CMessagePlugIn; }
    SECWndPlugIn* CreateExtraPlugIn() override { return new CCommandPlugIn; }
    afx_msg void OnRouted() { g_route.push_back("frame"); }
    afx_msg void OnPlugged() { g_route.push_back("frame"); }
    afx_msg LRESULT OnTestMessage(WPARAM, LPARAM)
    {
        g_route.push_back("frame message");
        return 9;
    }
    afx_msg LRESULT OnHelp(WPARAM, LPARAM)
    {
        g_route.push_back("frame help");
        return TRUE;
    }
};
BEGIN_MESSAGE_MAP(CRoutedFrame, SECMDIFrameWnd)
    ON_COMMAND(ID_ROUTED, OnRouted)
    ON_COMMAND(ID_PLUGGED, OnPlugged)
    ON_MESSAGE(WM_TEST_PLUGGED, OnTestMessage)
    ON_MESSAGE(WM_TEST_SHARED, OnTestMessage)
    ON_MESSAGE(WM_HELP, OnHelp)
END_MESSAGE_MAP()

// A sheet that notes the activation messages it hears.
class CListeningSheet : public SECWorksheet {
    DECLARE_DYNCREATE(CListeningSheet)
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCACTIVATE)
            heard.push_back(wParam ? "caption active" : "caption inactive");
        else if (message == WM_MDIACTIVATE)
            heard.push_back(reinterpret_cast<HWND>(lParam) == m_hWnd ? "activated" : "deactivated");
        return SECWorksheet::WindowProc(message, wParam, lParam);
    }
    std::vector<std::string> heard;
};
IMPLEMENT_DYNCREATE(CListeningSheet, SECWorksheet)

// ---- menus kept by id -----------------------------------------------------------------------------------

TEST_F(MdiFrameTest, SecGetMenuAnswersThePopupOfTheMenuKeptForAnId)
{
    AddSheetTemplate();
    SECMDIFrameWnd* pFrame = LoadMainFrame();
    ASSERT_NE(pFrame, nullptr);
    auto popupOf = [&](UINT nID, int nPos) {
        return reinterpret_cast<HMENU>(pFrame->SendMessage(g_nMsgSecGetMenu, nID, nPos));
    };
    EXPECT_EQ(popupOf(IDR_MDI_MAIN, 1), ::GetSubMenu(pFrame->GetDefaultMenu(), 1));
    EXPECT_EQ(popupOf(IDR_MDI_SHEET, 0), ::GetSubMenu(pTemplate->m_hMenuShared, 0));
    const HMENU hOther = popupOf(IDR_MDI_OTHER, 0);
    ASSERT_NE(hOther, nullptr);
    EXPECT_EQ(::GetMenuItemID(hOther, 0), UINT(ID_MDI_OTHER_ITEM));
    EXPECT_EQ(popupOf(IDR_MDI_OTHER, 0), hOther); // loaded once, kept
    EXPECT_EQ(popupOf(IDR_MDI_NONE, 0), nullptr);
    EXPECT_EQ(popupOf(IDR_SEC_BARHOST, 0), ::GetSubMenu(pFrame->GetDefaultMenu(), 0));
    EXPECT_EQ(popupOf(IDR_MDI_MAIN, 7), nullptr);
}

// ---- menu-bar mode ------------------------------------------------------------------------------------

TEST_F(MdiFrameTest, InMenuBarModeTheWindowHasNoMenuAndTheBarShowsTheActiveChildsMenu)
{
    AddSheetTemplate();
    SECMDIFrameWnd* pFrame = LoadMainFrame(&menuBar);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
    ASSERT_NE(pFrame->GetOwnMenu(), nullptr);
    EXPECT_EQ(::GetMenuItemID(::GetSubMenu(pFrame->GetOwnMenu(), 0), 0), UINT(ID_MDI_FILE_ITEM));
    EXPECT_EQ(menuBar.shown, std::vector<UINT>{IDR_MDI_MAIN});
    EXPECT_EQ(reinterpret_cast<HMENU>(pFrame->SendMessage(g_nMsgSecGetMenu, IDR_MDI_MAIN, 0)),
              ::GetSubMenu(pFrame->GetOwnMenu(), 0));

    CMDIChildWnd* pSheet = OpenSheet();
    ASSERT_NE(pSheet, nullptr);
    EXPECT_EQ(pSheet->GetSharedMenu(), nullptr);
    EXPECT_EQ(menuBar.shown.back(), UINT(IDR_MDI_SHEET));
    EXPECT_EQ(pFrame->GetMenuID(), UINT(IDR_MDI_SHEET));
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
    // the MDI client lists its child in the Window popup of the menu shown
    const HMENU hWindow = ::GetSubMenu(pTemplate->m_hMenuShared, 1);
    EXPECT_EQ(::GetMenuItemCount(hWindow), 3); // "Tile", a separator, the child

    // a maximised child: the menu-less window stays without a menu; the caption names the child
    pSheet->MDIMaximize();
    EXPECT_TRUE(pSheet->IsZoomed());
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
    EXPECT_NE(TextOf(pFrame).find("[Sheet1]"), std::string::npos) << TextOf(pFrame);

    pSheet->MDIDestroy();
    EXPECT_EQ(menuBar.shown.back(), UINT(IDR_MDI_MAIN));
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
}

TEST_F(MdiFrameTest, AChildsSizeChangeUpdatesTheMenuBarsChildButtonsAndLaysTheBarOut)
{
    AddSheetTemplate();
    SECMDIFrameWnd* pFrame = LoadMainFrame(&menuBar);
    ASSERT_NE(pFrame, nullptr);
    ASSERT_TRUE(menuBar.Create(nullptr, nullptr, WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), pFrame, 0xE8FF));
    CMDIChildWnd* pSheet = OpenSheet();
    ASSERT_NE(pSheet, nullptr);
    PumpWaitingMessages();
    const int nUpdates = menuBar.nButtonUpdates;
    const int nLayouts = menuBar.nLayouts;
    pSheet->MDIMaximize();
    EXPECT_GT(menuBar.nButtonUpdates, nUpdates);
    EXPECT_EQ(menuBar.nLayouts, nLayouts); // nothing changed on the bar

    menuBar.bButtonsChange = TRUE;
    pSheet->MDIRestore();
    EXPECT_GT(menuBar.nLayouts, nLayouts);
}

// ---- routing and plug-ins ----------------------------------------------------------------------------------

TEST_F(MdiFrameTest, CommandsGoToTheActiveHostOrChildThenTheExtraPlugInThenTheFrame)
{
    AddSheetTemplate(RUNTIME_CLASS(CRoutedSheet));
    CRoutedFrame* pFrame = LoadMainFrame<CRoutedFrame>();
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);

    g_route.clear();
    pFrame->SendMessage(WM_COMMAND, ID_ROUTED);
    pFrame->SendMessage(WM_COMMAND, ID_PLUGGED);
    EXPECT_EQ(g_route, (std::vector<std::string>{"frame", "plug-in"}));

    ASSERT_NE(OpenSheet(), nullptr);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
    g_route.clear();
    pFrame->SendMessage(WM_COMMAND, ID_ROUTED);
    EXPECT_EQ(g_route, std::vector<std::string>{"sheet"});

    pFrame->ActivateBarHost(static_cast<CMDIChildWnd*>(pPane->GetParentFrame()));
    g_route.clear();
    pFrame->SendMessage(WM_COMMAND, ID_ROUTED);
    EXPECT_EQ(g_route, std::vector<std::string>{"host"});
}

TEST_F(MdiFrameTest, TheFramePlugInSeesMessagesFirstAndItsExitDefaultKeepsTheFrameOut)
{
    CRoutedFrame* pFrame = LoadMainFrame<CRoutedFrame>();
    ASSERT_NE(pFrame, nullptr);
    SECWndPlugIn* pPlugIn = pFrame->GetFramePlugIn();
    ASSERT_NE(pPlugIn, nullptr);
    EXPECT_EQ(pPlugIn->m_hWnd, pFrame->m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(pFrame->m_hWnd), pFrame); // borrowed, not mapped

    g_route.clear();
    EXPECT_EQ(pFrame->SendMessage(WM_TEST_PLUGGED), 77);
    EXPECT_EQ(g_route, std::vector<std::string>{"plug-in message"});
    g_route.clear();
    EXPECT_EQ(pFrame->SendMessage(WM_TEST_SHARED), 9);
    EXPECT_EQ(g_route, (std::vector<std::string>{"plug-in message", "frame message"}));
    g_route.clear();
    HELPINFO info = {sizeof(HELPINFO)};
    pFrame->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(g_route, std::vector<std::string>{"plug-in help"});

    // unplugged, it sees nothing; deleted, it leaves the frame's window alone
    pPlugIn->UnPlug();
    g_route.clear();
    EXPECT_EQ(pFrame->SendMessage(WM_TEST_PLUGGED), 9);
    EXPECT_EQ(g_route, std::vector<std::string>{"frame message"});
    CMessagePlugIn* pLoose = new CMessagePlugIn;
    ASSERT_TRUE(pLoose->PlugInTo(pFrame));
    delete pLoose;
    EXPECT_TRUE(::IsWindow(pFrame->m_hWnd));
}

// ---- bar hosts -------------------------------------------------------------------------------------------

TEST_F(MdiFrameTest, ActivatingABarHostDeactivatesTheActiveChildAndTakesTheFocusAndTitle)
{
    AddSheetTemplate(RUNTIME_CLASS(CListeningSheet));
    SECMDIFrameWnd* pFrame = LoadMainFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->SetActiveWindow();
    CListeningSheet* pSheet = static_cast<CListeningSheet*>(OpenSheet());
    ASSERT_NE(pSheet, nullptr);
    EXPECT_EQ(TextOf(pFrame), "Docking frame - Sheet1");
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
    CMDIChildWnd* pHost = static_cast<CMDIChildWnd*>(pPane->GetParentFrame());

    pSheet->heard.clear();
    pFrame->ActivateBarHost(pHost);
    EXPECT_EQ(pSheet->heard, (std::vector<std::string>{"caption inactive", "deactivated"}));
    EXPECT_EQ(pFrame->GetActiveBarHost(), pHost);
    EXPECT_EQ(pFrame->GetActiveFrame(), pHost);
    EXPECT_EQ(pFrame->MDIGetActive(), pSheet);
    const HWND hWndFocus = ::GetFocus();
    EXPECT_TRUE(hWndFocus == pHost->m_hWnd || ::IsChild(pHost->m_hWnd, hWndFocus));
    EXPECT_EQ(TextOf(pFrame), "Docking frame - Pane 100");

    // the frame's activation activates the host again
    pSheet->heard.clear();
    pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(pSheet->heard, (std::vector<std::string>{"caption inactive", "deactivated"}));
    EXPECT_EQ(pFrame->GetActiveBarHost(), pHost);

    // the application's activation: the child's deactivation again, after the system's changes
    pSheet->heard.clear();
    pFrame->SendMessage(WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(pSheet->heard.empty());
    PumpWaitingMessages();
    EXPECT_EQ(pSheet->heard, (std::vector<std::string>{"caption inactive", "deactivated"}));

    // a press in the sheet gives it its activation back
    pSheet->heard.clear();
    pSheet->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(pFrame->m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(pFrame->GetActiveBarHost(), nullptr);
    EXPECT_EQ(pSheet->heard, (std::vector<std::string>{"caption active", "activated"}));
    EXPECT_EQ(TextOf(pFrame), "Docking frame - Sheet1");

    // a press in the host makes it the bar host, never the MDI client's active child
    pHost->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(pFrame->m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(pFrame->GetActiveBarHost(), pHost);
    EXPECT_EQ(pFrame->MDIGetActive(), pSheet);
    // closing the host hides it and it is active no more
    pHost->SendMessage(WM_CLOSE);
    EXPECT_EQ(pFrame->GetActiveBarHost(), nullptr);
}

} // namespace
