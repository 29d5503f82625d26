// The toolkit's single-document frame (loading with and without a menu, docking and floating as the MDI
// frame does, its own menu through "WM_SECGETMENU", the extra command plug-in) and context help in both
// docking frames, where the menu bar answers presses and a document window gives its own help.
#include "MdiTestSupport.h"

#include "frames/SECBtnCaption.h"
#include "frames/SECCustomToolBar.h"
#include "frames/SECFrameWnd.h"
#include "frames/SECTBMenuBtn.h"

#include <string>
#include <vector>

namespace {

const UINT ID_PLUGGED = 30391; // handled by the extra plug-in
const UINT ID_FILE_MENU = 1;   // the menu bar's menu button
const UINT ID_CAPTIONS = 2;    // its caption group

// The extra command plug-in: it notes ID_PLUGGED.
class CCountingPlugIn : public SECWndPlugIn {
    DECLARE_MESSAGE_MAP()
public:
    afx_msg void OnPlugged() { nPlugged++; }
    int nPlugged = 0;
};
BEGIN_MESSAGE_MAP(CCountingPlugIn, SECWndPlugIn)
    ON_COMMAND(ID_PLUGGED, OnPlugged)
END_MESSAGE_MAP()

class CPluggedFrame : public SECFrameWnd {
public:
    CCountingPlugIn* pPlugIn = nullptr;

protected:
    SECWndPlugIn* CreateExtraPlugIn() override { return pPlugIn = new CCountingPlugIn; }
};

// A menu bar of one menu button and the maximised child's caption boxes.
class CHelpMenuBar : public SECCustomToolBar, public SECFrameMenuBar {
public:
    CControlBar* GetMenuBarWnd() override { return this; }
    BOOL SwitchMenu(UINT nIDMenu) override
    {
        shown.push_back(nIDMenu);
        return TRUE;
    }
    // Makes the bar in pFrame and docks it at the top.
    BOOL Make(CFrameWnd* pFrame)
    {
        static const SECBtnClassEntry kButtons[] = {
            {RUNTIME_CLASS(SECTBMenuBtn), ID_FILE_MENU, 0x30000000,
             {IDR_MDI_MAIN, 0, reinterpret_cast<UINT_PTR>("&File"), 1, 0}},
            {RUNTIME_CLASS(SECBtnCaption), ID_CAPTIONS, 0x30000000, {}},
            {nullptr, 0, 0, {}},
        };
        if (!CreateEx(0x0300, pFrame, 0x50002804, 0xE8FF))
            return FALSE;
        SetBtnClassTables(kButtons, nullptr);
        const UINT ids[] = {ID_FILE_MENU, ID_CAPTIONS};
        SetButtons(ids, 2);
        EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(this, AFX_IDW_DOCKBAR_TOP);
        pFrame->RecalcLayout();
        return TRUE;
    }
    // The middle of a caption box (SECBtnCaption::PartMinimize...) on the screen.
    CPoint CaptionPartOnScreen(int nPart)
    {
        const SECBtnCaption* pCaptions = static_cast<const SECBtnCaption*>(GetBtn(1));
        CPoint pt(pCaptions->m_x + nPart * pCaptions->m_cxPart + (nPart == SECBtnCaption::PartClose ? 2 : 0) +
                      pCaptions->m_cxPart / 2,
                  pCaptions->m_y + pCaptions->m_cyPart / 2);
        ClientToScreen(&pt);
        return pt;
    }
    CPoint ButtonOnScreen(int nIndex)
    {
        CPoint pt = GetItemRect(nIndex).CenterPoint();
        ClientToScreen(&pt);
        return pt;
    }
    std::vector<UINT> shown;
};

class SdiFrameTest : public MdiFrameTest {
protected:
    // A press at ptScreen (over hWndUnder), then the command nIDChosen when not 0 (as a menu opened by
    // the press posts it), while pFrame runs its context help.
    void PressInHelpMode(CFrameWnd* pFrame, CPoint ptScreen, HWND hWndUnder, UINT nIDChosen = 0)
    {
        fake.SetCursorPos(ptScreen, hWndUnder);
        CPoint ptClient = ptScreen;
        pFrame->ScreenToClient(&ptClient);
        pFrame->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
        if (nIDChosen != 0)
            pFrame->PostMessage(WM_COMMAND, nIDChosen);
        pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        EXPECT_FALSE(pFrame->IsInHelpMode());
    }

    CHelpMenuBar helpMenuBar; // outlives the frames
};

} // namespace

// ---- loading --------------------------------------------------------------------------------------------

TEST_F(SdiFrameTest, AFrameLoadedFromAnIdWithoutAMenuIsMadeWithoutOne)
{
    const struct {
        UINT nID;
        SECFrameMenuBar* pMenuBar;
        BOOL bWindowMenu;
    } cases[] = {
        {IDR_MDI_NONE, nullptr, FALSE},
        {IDR_MDI_MAIN, nullptr, TRUE},
        {IDR_MDI_MAIN, &menuBar, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nID);
        SECFrameWnd* pFrame = LoadMainFrame<SECFrameWnd>(c.pMenuBar, c.nID);
        ASSERT_NE(pFrame, nullptr);
        EXPECT_EQ(::GetMenu(pFrame->m_hWnd) != nullptr, c.bWindowMenu);
        EXPECT_EQ(pFrame->GetShownMenu() != nullptr, c.nID == IDR_MDI_MAIN);
        EXPECT_EQ(pFrame->GetHelpID(), c.nID);
    }
    EXPECT_EQ(menuBar.shown, std::vector<UINT>{IDR_MDI_MAIN}) << "the menu bar shows the frame's own menu";
}

TEST_F(SdiFrameTest, GetMenuAnswersOnlyTheFramesOwnMenu)
{
    for (SECFrameMenuBar* pMenuBar : {static_cast<SECFrameMenuBar*>(nullptr), static_cast<SECFrameMenuBar*>(&menuBar)}) {
        SECFrameWnd* pFrame = LoadMainFrame<SECFrameWnd>(pMenuBar);
        ASSERT_NE(pFrame, nullptr);
        const HMENU hWindow = reinterpret_cast<HMENU>(pFrame->SendMessage(g_nMsgSecGetMenu, IDR_MDI_MAIN, 1));
        ASSERT_NE(hWindow, nullptr);
        EXPECT_EQ(::GetMenuItemID(hWindow, 0), UINT(ID_WINDOW_CASCADE));
        EXPECT_EQ(pFrame->SendMessage(g_nMsgSecGetMenu, IDR_MDI_OTHER, 0), 0) << "a menu of another id";
        EXPECT_EQ(pFrame->SendMessage(g_nMsgSecGetMenu, IDR_MDI_MAIN, 5), 0) << "no popup there";
    }
}

// ---- docking and floating ----------------------------------------------------------------------------

TEST_F(SdiFrameTest, ItDocksAndFloatsAsTheMDIFrameDoesButNotInTheMainWindow)
{
    SECFrameWnd* pFrame = LoadMainFrame<SECFrameWnd>(nullptr, IDR_MDI_NONE);
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    for (UINT nID : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT}) {
        const SECDockBar* pDockBar = dynamic_cast<const SECDockBar*>(pFrame->GetControlBar(nID));
        ASSERT_NE(pDockBar, nullptr) << nID;
        EXPECT_FALSE(pDockBar->m_bFloating || pDockBar->m_bMDIChild) << nID;
    }
    EXPECT_EQ(pFrame->GetFloatingFrameClass(), RUNTIME_CLASS(SECMiniDockFrameWnd));

    // the application's panes
    const float fractions[3] = {0.1f, 0.5f, 0.4f};
    SECControlBar* panes[3];
    for (int i = 0; i < 3; i++) {
        panes[i] = MakePane(pFrame, NextFreeBarId(pFrame, 100));
        pFrame->DockControlBarAt(panes[i], AFX_IDW_DOCKBAR_LEFT, 0, 0, fractions[i], 200);
    }
    pFrame->RecalcLayout();
    EXPECT_EQ(Entries(static_cast<CDockBar*>(pFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT))), "|102 101 100|");
    const float expected[3] = {0.3f, 0.3f, 0.4f};
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(panes[i]->m_fPctWidth, expected[i], 1e-5f) << i;
        EXPECT_EQ(ScreenRect(panes[i]).Width(), 200) << i;
    }

    // floated far right: its left edge 10 pixels inside the work area, in a frame with a sizing border
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    pFrame->FloatControlBar(panes[0], CPoint(rectWork.right + 500, rectWork.top + 100));
    CFrameWnd* pFloat = panes[0]->GetParentFrame();
    ASSERT_TRUE(pFloat != nullptr && pFloat->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
    EXPECT_EQ(ScreenRect(pFloat).left, rectWork.right - 10);
    EXPECT_TRUE(pFloat->GetStyle() & WS_THICKFRAME);

    // "Float In Main Window" has nowhere to go
    panes[1]->SendMessage(WM_COMMAND, ID_SEC_FLOATINMAINWINDOW);
    EXPECT_FALSE(panes[1]->IsFloating());
    EXPECT_EQ(panes[1]->GetParentFrame(), pFrame);
}

TEST_F(SdiFrameTest, TheExtraPlugInSeesCommandsFirstAlsoForAFrameInsideIt)
{
    CPluggedFrame* pFrame = LoadMainFrame<CPluggedFrame>();
    ASSERT_NE(pFrame, nullptr);
    ASSERT_NE(pFrame->pPlugIn, nullptr);
    pFrame->SendMessage(WM_COMMAND, ID_PLUGGED);
    EXPECT_EQ(pFrame->pPlugIn->nPlugged, 1);

    // a toolkit frame without a plug-in of its own inside it uses the outer frame's
    SECFrameWnd* pInner = new SECFrameWnd;
    ASSERT_TRUE(pInner->Create(nullptr, "inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), pFrame));
    pInner->SendMessage(WM_COMMAND, ID_PLUGGED);
    EXPECT_EQ(pFrame->pPlugIn->nPlugged, 2);
}

// ---- context help -------------------------------------------------------------------------------------------

TEST_F(SdiFrameTest, InHelpModeTheMenuBarOpensItsMenusAndItsCaptionBoxesGiveTheirHelp)
{
    SECMDIFrameWnd* pFrame = LoadMainFrame(&helpMenuBar);
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(helpMenuBar.Make(pFrame));

    const struct {
        int nPart;
        DWORD dwContext;
    } boxes[] = {{SECBtnCaption::PartMinimize, 0x1EF02}, {SECBtnCaption::PartRestore, 0x1EF12},
                 {SECBtnCaption::PartClose, 0x1EF06}};
    for (const auto& box : boxes) {
        fake.ExpectWinHelp(HELP_CONTEXT, box.dwContext);
        PressInHelpMode(pFrame, helpMenuBar.CaptionPartOnScreen(box.nPart), helpMenuBar.m_hWnd);
    }

    // a press on a menu button drops its menu down and help mode goes on: the command chosen gives its help
    fake.ExpectWinHelp(HELP_CONTEXT, HID_BASE_COMMAND + ID_MDI_FILE_ITEM);
    PressInHelpMode(pFrame, helpMenuBar.ButtonOnScreen(0), helpMenuBar.m_hWnd, ID_MDI_FILE_ITEM);
    EXPECT_EQ(helpMenuBar.GetTrackedButton(), 0) << "the menu button was dropped down";
    helpMenuBar.CancelTracking();

    // elsewhere the class library's answers: a sheet's view gives the sheet's help, the frame's caption
    // its non-client part's
    AddSheetTemplate();
    CMDIChildWnd* pSheet = OpenSheet();
    ASSERT_NE(pSheet, nullptr);
    CView* pView = pSheet->GetActiveView();
    ASSERT_NE(pView, nullptr);
    fake.ExpectWinHelp(HELP_CONTEXT, HID_BASE_RESOURCE + IDR_MDI_SHEET);
    PressInHelpMode(pFrame, ScreenRect(pView).CenterPoint(), pView->m_hWnd);
    CRect rectFrame = ScreenRect(pFrame);
    const CPoint ptCaption(rectFrame.left + 60, rectFrame.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2);
    fake.ExpectWinHelp(HELP_CONTEXT, HID_BASE_NCAREAS + HTCAPTION);
    PressInHelpMode(pFrame, ptCaption, pFrame->m_hWnd);
}

TEST_F(SdiFrameTest, TheSingleDocumentFrameTakesTheSameHelpFromItsMenuBar)
{
    SECFrameWnd* pFrame = LoadMainFrame<SECFrameWnd>(&helpMenuBar);
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(helpMenuBar.Make(pFrame));
    fake.ExpectWinHelp(HELP_CONTEXT, 0x1EF06);
    PressInHelpMode(pFrame, helpMenuBar.CaptionPartOnScreen(SECBtnCaption::PartClose), helpMenuBar.m_hWnd);
    // a press in the frame's client area: the frame's own help id
    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    CPoint ptClient(rectClient.CenterPoint());
    pFrame->ClientToScreen(&ptClient);
    fake.ExpectWinHelp(HELP_CONTEXT, HID_BASE_RESOURCE + IDR_MDI_MAIN);
    PressInHelpMode(pFrame, ptClient, pFrame->m_hWnd);
}
