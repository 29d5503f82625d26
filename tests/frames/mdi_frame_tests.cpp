// The toolkit's docking MDI frame: its dock bars, docking by row and fraction, the bars' hooks, floating
// within the work area and with a sizing border, floating in the main window (cascade, hosts, closing,
// sizes, the menu command), showing floating bars, the context-menu additions and the workspace
// commands.
#include "MdiTestSupport.h"
#include "Throws.h"

#include <algorithm>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CMdiTestDoc, CDocument)
IMPLEMENT_DYNCREATE(CMdiTestView, CView)

// A dock bar and a bar host whose windows refuse to be made.
class CUnmadeDockBar : public SECDockBar {
    DECLARE_DYNCREATE(CUnmadeDockBar)
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == WM_CREATE ? -1 : SECDockBar::WindowProc(message, wParam, lParam);
    }
};
class CUnmadeBarHost : public SECControlBarMDIChildWnd {
    DECLARE_DYNCREATE(CUnmadeBarHost)
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == WM_CREATE ? -1 : SECControlBarMDIChildWnd::WindowProc(message, wParam, lParam);
    }
};
IMPLEMENT_DYNCREATE(CUnmadeDockBar, SECDockBar)
IMPLEMENT_DYNCREATE(CUnmadeBarHost, SECControlBarMDIChildWnd)

namespace {

class DockingFrameTest : public MdiFrameTest {
protected:
    void SetUp() override
    {
        MdiFrameTest::SetUp();
        pFrame = LoadMainFrame();
        ASSERT_NE(pFrame, nullptr);
    }
    // The frame's dock bar nID (null when missing).
    SECDockBar* DockBar(UINT nID) { return dynamic_cast<SECDockBar*>(pFrame->GetControlBar(nID)); }
    // pBar's host window in the main window (null when it floats elsewhere or is docked).
    CFrameWnd* HostOf(CControlBar* pBar)
    {
        return pFrame->IsFloatingInMainWindow(pBar) ? pBar->GetParentFrame() : nullptr;
    }

    SECMDIFrameWnd* pFrame = nullptr;
};

// ---- dock bars and docking ------------------------------------------------------------------------------

TEST_F(DockingFrameTest, EnableDockingMakesEachSideOnceWithItsInnerBorder)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    const struct {
        UINT nID;
        DWORD dwAlign;
        DWORD dwBorder;
    } sides[] = {
        {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP, CBRS_BORDER_BOTTOM},
        {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM, CBRS_BORDER_TOP},
        {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT, CBRS_BORDER_RIGHT},
        {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT, CBRS_BORDER_LEFT},
    };
    for (const auto& side : sides) {
        SCOPED_TRACE(side.nID);
        int nCount = 0;
        for (HWND h = ::GetTopWindow(pFrame->m_hWnd); h != nullptr; h = ::GetNextWindow(h, GW_HWNDNEXT))
            nCount += UINT(::GetDlgCtrlID(h)) == side.nID ? 1 : 0;
        EXPECT_EQ(nCount, 1);
        SECDockBar* pDockBar = DockBar(side.nID);
        ASSERT_NE(pDockBar, nullptr);
        const DWORD dwWanted = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        EXPECT_EQ(pDockBar->GetStyle() & dwWanted, dwWanted);
        EXPECT_EQ(pDockBar->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY), side.dwAlign | side.dwBorder);
    }
    EXPECT_EQ(pFrame->GetFloatingFrameClass(), RUNTIME_CLASS(SECMiniDockFrameWnd));
    ExpectInvalidArg([&] { pFrame->EnableDocking(CBRS_ALIGN_ANY | CBRS_TOOLTIPS); }, "0x0000F010");
}

TEST_F(DockingFrameTest, ADockBarOrABarHostThatCannotBeMadeRaisesTheResourceException)
{
    pFrame->SetDockBarClass(RUNTIME_CLASS(CUnmadeDockBar));
    EXPECT_TRUE(Throws<CResourceException>([&] { pFrame->EnableDocking(CBRS_ALIGN_LEFT); }));
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT), nullptr);

    pFrame->SetDockBarClass(RUNTIME_CLASS(SECDockBar));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->DockControlBarAt(pPane, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 200);
    pFrame->SetBarHostClass(RUNTIME_CLASS(CUnmadeBarHost));
    EXPECT_TRUE(Throws<CResourceException>([&] { pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP); }));
    EXPECT_FALSE(pFrame->IsFloatingInMainWindow(pPane));
    EXPECT_EQ(pFrame->MDIGetActive(), nullptr) << "no host was left behind";
}

TEST_F(DockingFrameTest, DockControlBarAtCommitsTheThicknessOfItsEdgeAndTheFraction)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pLeft = MakePane(pFrame, 100);
    pFrame->DockControlBarAt(pLeft, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.4f, 200);
    EXPECT_FLOAT_EQ(pLeft->m_fPctWidth, 1.0f); // alone in its row, the row gives it all
    EXPECT_EQ(pLeft->m_szDockVert.cx, 200);
    EXPECT_EQ(pLeft->m_szDockHorz, CSize(300, 180)); // untouched
    SECControlBar* pTop = MakePane(pFrame, 101);
    pFrame->DockControlBarAt(pTop, AFX_IDW_DOCKBAR_TOP, 0, 0, 0.4f, 200);
    EXPECT_EQ(pTop->m_szDockHorz.cy, 200);
    EXPECT_EQ(pTop->m_szDockVert, CSize(300, 180));
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_LEFT)), "|100|");
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|101|");
    // the fraction is the bar's before its row is balanced
    SECControlBar* pSecond = MakePane(pFrame, 102);
    pFrame->DockControlBarAt(pSecond, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.4f, 200);
    EXPECT_NEAR(pSecond->m_fPctWidth, 0.4f, 1e-5f);
    ExpectInvalidArg([&] { pFrame->DockControlBarAt(pSecond, 0xE8A0, 0, 0, 0.5f, 100); }, "0xE8A0");
}

TEST_F(DockingFrameTest, TheApplicationsPanesStandThirdSecondFirstWithTheirShares)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    const float fractions[3] = {0.1f, 0.5f, 0.4f};
    SECControlBar* panes[3];
    for (int i = 0; i < 3; i++) {
        panes[i] = MakePane(pFrame, NextFreeBarId(pFrame, 100));
        pFrame->DockControlBarAt(panes[i], AFX_IDW_DOCKBAR_LEFT, 0, 0, fractions[i], 200);
    }
    pFrame->RecalcLayout();
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_LEFT)), "|102 101 100|");
    const float expected[3] = {0.3f, 0.3f, 0.4f};
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(panes[i]->m_fPctWidth, expected[i], 1e-5f) << i;
        EXPECT_EQ(ScreenRect(panes[i]).Width(), 200) << i;
    }
}

TEST_F(DockingFrameTest, DockControlBarWithoutAnIdTakesTheFirstAllowedSideAndAppendsRows)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pSides = MakePane(pFrame, 100);
    pSides->EnableDocking(CBRS_ALIGN_RIGHT | CBRS_ALIGN_LEFT);
    pFrame->DockControlBar(pSides);
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_LEFT)), "|100|");
    SECControlBar* pBottom = MakePane(pFrame, 101);
    pBottom->EnableDocking(CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT);
    pFrame->DockControlBar(pBottom);
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_BOTTOM)), "|101|");
    SECControlBar* pFirst = MakePane(pFrame, 102);
    SECControlBar* pSecond = MakePane(pFrame, 103);
    pFrame->DockControlBar(pFirst);
    pFrame->DockControlBar(pSecond);
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|102|103|");
}

// A pane that notes its docking hooks.
class CHookedPane : public SECControlBar {
public:
    void OnBarBeginDock() override { Note("begin dock"), SECControlBar::OnBarBeginDock(); }
    void OnBarDock() override { Note("dock"); }
    void OnBarEndDock() override { Note("end dock"); }
    void OnBarBeginFloat() override { Note("begin float"), SECControlBar::OnBarBeginFloat(); }
    void OnBarFloat() override { Note("float"); }
    void OnBarEndFloat() override { Note("end float"); }
    void OnBarBeginMDIFloat() override { Note("begin main"), SECControlBar::OnBarBeginMDIFloat(); }
    void OnBarMDIFloat() override { Note("main"); }
    void OnBarEndMDIFloat() override { Note("end main"); }
    void Note(const char* psz) { hooks.push_back(psz); }
    std::vector<std::string> hooks;
};

TEST_F(DockingFrameTest, DockingAndFloatingRunTheBarsHooksAroundThem)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CHookedPane* pPane = new CHookedPane;
    ASSERT_NE(MakePane(pFrame, 100, kMdiPaneExStyle, pPane), nullptr);
    pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_LEFT);
    pFrame->FloatControlBar(pPane, CPoint(300, 300));
    pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
    EXPECT_EQ(pPane->hooks, (std::vector<std::string>{"begin dock", "dock", "end dock", "begin float", "float",
                                                       "end float", "begin main", "main", "end main"}));
}

// ---- floating --------------------------------------------------------------------------------------------

TEST_F(DockingFrameTest, AFloatedBarKeepsTenPixelsInsideTheWorkArea)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->DockControlBarAt(pPane, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 200);
    pFrame->RecalcLayout();
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);

    pFrame->FloatControlBar(pPane, CPoint(rectWork.right + 500, rectWork.top + 100));
    CFrameWnd* pFloat = pPane->GetParentFrame();
    ASSERT_TRUE(pFloat != nullptr && pFloat->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
    EXPECT_EQ(ScreenRect(pFloat).left, rectWork.right - 10);

    const int nWidth = ScreenRect(pPane).Width();
    pFrame->FloatControlBar(pPane, CPoint(rectWork.left - 900, rectWork.top + 100));
    EXPECT_EQ(pPane->GetParentFrame(), pFloat); // alone in a frame of its alignment: the frame moves
    EXPECT_EQ(ScreenRect(pFloat).left + nWidth, rectWork.left + 10);
}

TEST_F(DockingFrameTest, ASizableBarsFloatingFrameHasASizingBorderAndAToolBarsNot)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    const struct {
        DWORD dwExStyle;
        BOOL bSizing;
    } cases[] = {{kMdiPaneExStyle, TRUE}, {kMdiPaneExStyle | SEC_CBRS_EX_FIXEDSIZE, FALSE}};
    UINT nID = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dwExStyle);
        SECControlBar* pBar = MakePane(pFrame, nID++, c.dwExStyle);
        pFrame->FloatControlBar(pBar, CPoint(200, 200));
        CFrameWnd* pFloat = pBar->GetParentFrame();
        ASSERT_NE(pFloat, nullptr);
        const DWORD dwStyle = pFloat->GetStyle();
        EXPECT_EQ((dwStyle & WS_THICKFRAME) != 0, c.bSizing);
        EXPECT_EQ((dwStyle & MFS_THICKFRAME) != 0, c.bSizing);
        EXPECT_EQ((dwStyle & MFS_4THICKFRAME) != 0, !c.bSizing);
        EXPECT_NE(dwStyle & MFS_SNAPTOBARS, 0u);

        // Sized from outside, a sizing border's frame lays its bar out at the size asked for; the
        // other keeps its bar's size. Either way the frame ends around its bar.
        const CSize sizeBar = pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        const CRect rectFloat = ScreenRect(pFloat);
        pFloat->SetWindowPos(nullptr, 0, 0, rectFloat.Width() + 40, rectFloat.Height() + 30,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const CSize sizeGrown = c.bSizing ? sizeBar + CSize(40, 30) : sizeBar;
        EXPECT_EQ(pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH), sizeGrown);
        EXPECT_EQ(ScreenRect(pFloat), CRect(rectFloat.TopLeft(), rectFloat.Size() + (sizeGrown - sizeBar)));
        // never below the floating limits
        pFloat->SetWindowPos(nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.bSizing) {
            const SECDockContext* pContext = static_cast<const SECDockContext*>(pBar->GetDockContext());
            // (the system keeps a sizing frame's width above a minimum of its own)
            const CSize sizeMin = pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
            EXPECT_GE(sizeMin.cx, pContext->m_sizeMinFloat.cx);
            EXPECT_EQ(sizeMin.cy, pContext->m_sizeMinFloat.cy);
        }
    }
}

TEST_F(DockingFrameTest, ShowControlBarShowsAFloatingFrameWhileItHasVisibleBars)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->FloatControlBar(pPane, CPoint(200, 200));
    CFrameWnd* pFloat = pPane->GetParentFrame();
    ASSERT_TRUE(pFloat->IsWindowVisible());
    pFrame->ShowControlBar(pPane, FALSE, FALSE);
    EXPECT_FALSE(pFloat->IsWindowVisible());
    pFrame->ShowControlBar(pPane, TRUE, FALSE);
    EXPECT_TRUE(pFloat->IsWindowVisible());
}

// ---- floating in the main window ---------------------------------------------------------------------

TEST_F(DockingFrameTest, BarsFloatedInTheMainWindowCascadeFrom30And30)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    const CPoint expected[3] = {CPoint(30, 30), CPoint(50, 53), CPoint(70, 76)};
    for (int i = 0; i < 3; i++) {
        SECControlBar* pPane = MakePane(pFrame, 100 + i);
        pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_LEFT);
        pFrame->FloatControlBarInMainWindow(pPane, -1, i == 1 ? 40 : -1, CBRS_ALIGN_TOP);
        CFrameWnd* pHost = HostOf(pPane);
        ASSERT_NE(pHost, nullptr) << i;
        EXPECT_EQ(RectIn(pHost, pFrame->m_hWndMDIClient).TopLeft(), expected[i]) << i;
        EXPECT_TRUE(pHost->IsWindowVisible()) << i;
        EXPECT_EQ(TextOf(pHost), "Pane " + std::to_string(100 + i)) << i;
        EXPECT_TRUE(pPane->IsFloating()) << i;
    }
    // shown without activation: no host is the active child or the active bar host
    EXPECT_EQ(pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(pFrame->GetActiveBarHost(), nullptr);
}

TEST_F(DockingFrameTest, TheCascadeWrapsWithinTheClientAndAGivenPointIsKeptInside)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->MoveWindow(40, 40, 220, 200);
    CRect rectClient;
    ::GetClientRect(pFrame->m_hWndMDIClient, &rectClient);
    CPoint ptExpected(30, 30);
    for (int i = 0; i < 8; i++) {
        SECControlBar* pPane = MakePane(pFrame, 100 + i);
        pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
        EXPECT_EQ(RectIn(HostOf(pPane), pFrame->m_hWndMDIClient).TopLeft(), ptExpected) << i;
        ptExpected.Offset(20, 23);
        if (ptExpected.x > rectClient.Width() - 30)
            ptExpected.x = 30;
        if (ptExpected.y > rectClient.Height() - 30)
            ptExpected.y = 30;
    }
    // a screen point is mapped into the client and kept within it
    CPoint ptClientOrigin(0, 0);
    ::ClientToScreen(pFrame->m_hWndMDIClient, &ptClientOrigin);
    SECControlBar* pPlaced = MakePane(pFrame, 120);
    pFrame->FloatControlBarInMainWindow(pPlaced, ptClientOrigin.x + 25, ptClientOrigin.y + 15, CBRS_ALIGN_TOP);
    EXPECT_EQ(RectIn(HostOf(pPlaced), pFrame->m_hWndMDIClient).TopLeft(), CPoint(25, 15));
    pFrame->FloatControlBarInMainWindow(pPlaced, ptClientOrigin.x + 5000, ptClientOrigin.y + 5000, CBRS_ALIGN_TOP);
    EXPECT_EQ(RectIn(HostOf(pPlaced), pFrame->m_hWndMDIClient).TopLeft(),
              CPoint(rectClient.Width(), rectClient.Height() - 30));
}

TEST_F(DockingFrameTest, AHostsSizeBecomesItsBarsFloatingSizeWithTheBorders)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
    CFrameWnd* pHost = HostOf(pPane);
    ASSERT_NE(pHost, nullptr);
    CRect rectClient;
    pHost->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Size(), CSize(300 - 4, 180 - 4)); // the default floating size, less the borders
    pHost->SetWindowPos(nullptr, 0, 0, 250, 170, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pHost->GetClientRect(rectClient);
    EXPECT_EQ(pPane->m_szFloat, rectClient.Size() + CSize(4, 4));
}

TEST_F(DockingFrameTest, ClosingAHostHidesItsBarAndShowingTheBarBringsItBack)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pPane = MakePane(pFrame, 100);
    pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
    CFrameWnd* pHost = HostOf(pPane);
    ASSERT_NE(pHost, nullptr);
    pHost->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    pHost->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(pHost->m_hWnd));
    EXPECT_FALSE(pHost->IsZoomed());
    EXPECT_FALSE(pPane->IsVisible());
    EXPECT_FALSE(pHost->IsWindowVisible());
    EXPECT_TRUE(pFrame->IsFloatingInMainWindow(pPane));

    pFrame->ShowControlBar(pPane, TRUE, TRUE);
    pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(pPane->IsWindowVisible());
    EXPECT_TRUE(pHost->IsWindowVisible());
}

TEST_F(DockingFrameTest, FloatInMainWindowTogglesADockedBarIntoAHostAndBackToItsPlace)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pFirst = MakePane(pFrame, 100);
    SECControlBar* pSecond = MakePane(pFrame, 101);
    pFrame->DockControlBarAt(pSecond, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.7f, 200);
    pFrame->DockControlBarAt(pFirst, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.3f, 200);
    pFrame->RecalcLayout();
    ASSERT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_LEFT)), "|100 101|");

    pFirst->SendMessage(WM_COMMAND, ID_SEC_FLOATINMAINWINDOW);
    ASSERT_TRUE(pFrame->IsFloatingInMainWindow(pFirst));
    EXPECT_FALSE(pFrame->IsSwitching());
    CFrameWnd* pHost = HostOf(pFirst);
    const HWND hWndHost = pHost->m_hWnd;

    pFirst->SendMessage(WM_COMMAND, ID_SEC_FLOATINMAINWINDOW);
    PumpWaitingMessages();
    EXPECT_FALSE(pFrame->IsFloatingInMainWindow(pFirst));
    EXPECT_FALSE(pFirst->IsFloating());
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_LEFT)), "|100 101|");
    EXPECT_NEAR(pFirst->m_fPctWidth, 0.3f, 1e-5f);
    EXPECT_FALSE(::IsWindow(hWndHost)); // the empty host went
}

// ---- context menu and workspace commands --------------------------------------------------------------

TEST_F(DockingFrameTest, TheContextMenuOffersFloatInMainWindowToBarsThatMayAndGreysAllowDocking)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    const struct {
        DWORD dwExStyle;
        BOOL bInMainWindow;
        BOOL bOffered;
    } cases[] = {
        {kMdiPaneExStyle, FALSE, FALSE},
        {kMdiPaneExStyle | SEC_CBRS_EX_MDIFLOAT, FALSE, TRUE},
        {kMdiPaneExStyle | SEC_CBRS_EX_MDIFLOAT, TRUE, TRUE},
        {kMdiPaneExStyle, TRUE, FALSE},
    };
    UINT nID = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(nID);
        SECControlBar* pPane = MakePane(pFrame, nID++, c.dwExStyle);
        if (c.bInMainWindow)
            pFrame->FloatControlBarInMainWindow(pPane, -1, -1, CBRS_ALIGN_TOP);
        else
            pFrame->DockControlBar(pPane, AFX_IDW_DOCKBAR_LEFT);
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, ID_SEC_ALLOWDOCKING, "Allow Docking");
        menu.AppendMenu(MF_STRING, ID_SEC_HIDE, "Hide");
        pFrame->SendMessage(SEC_WM_BARCONTEXTMENU, reinterpret_cast<WPARAM>(pPane), reinterpret_cast<LPARAM>(&menu));
        EXPECT_EQ((menu.GetMenuState(ID_SEC_ALLOWDOCKING, MF_BYCOMMAND) & MF_GRAYED) != 0, c.bInMainWindow);
        ASSERT_EQ(menu.GetMenuItemCount(), c.bOffered ? 4 : 2);
        if (!c.bOffered)
            continue;
        EXPECT_NE(menu.GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
        EXPECT_EQ(menu.GetMenuItemID(3), UINT(ID_SEC_FLOATINMAINWINDOW));
        CString strText;
        menu.GetMenuString(3, strText, MF_BYPOSITION);
        EXPECT_STREQ(strText, "Float In Main Window");
        EXPECT_EQ((menu.GetMenuState(3, MF_BYPOSITION) & MF_CHECKED) != 0, c.bInMainWindow);
    }
}

// An application that notes the workspace commands reaching it.
class CNotingApp : public CWinApp {
public:
    CNotingApp() : CWinApp("Ondrix") {}
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == CN_COMMAND)
            reached.push_back(nID);
        return CWinApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    std::vector<UINT> reached;
};

TEST(DockingFrameWorkspace, TheWorkspaceCommandsEndAtTheFrameAndTheirItemsStayAsTheyAre)
{
    SECStartToolkit();
    CNotingApp app;
    SECMDIFrameWnd* pFrame = new SECMDIFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MDI_MAIN));
    app.m_pMainWnd = pFrame;
    const UINT ids[] = {43007, 43008, 43009, 43012, 43013, 43014, 43031, 43035, 43039};
    for (UINT nID : ids)
        EXPECT_TRUE(pFrame->OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr)) << nID;
    EXPECT_TRUE(app.reached.empty());
    // an id between the ranges has no handler
    EXPECT_FALSE(pFrame->OnCmdMsg(43010, CN_COMMAND, nullptr, nullptr));

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT nID : ids)
        menu.AppendMenu(MF_STRING | (nID == 43013 ? MF_GRAYED : 0), nID, "Workspace");
    menu.AppendMenu(MF_STRING, 43010, "Nobody's");
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
    for (UINT nID : ids)
        EXPECT_EQ((menu.GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED) != 0, nID == 43013) << nID;
    EXPECT_NE(menu.GetMenuState(43010, MF_BYCOMMAND) & MF_GRAYED, 0u);
    app.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}

} // namespace
