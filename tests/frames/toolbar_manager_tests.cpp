// The tool-bar manager: what its bars share, the notifications, customise mode and the customise
// selection, the check state across bars, user tool bars, the settings every bar follows, the pressed
// button's rectangle and what a docking frame does while the manager customises.
#include "CustomizeTestSupport.h"

#include "frames/SECBmpMgr.h"
#include "frames/SECFrameWnd.h"
#include "frames/SECMDIFrameWnd.h"

namespace {

const UINT kBarA = AFX_IDW_TOOLBAR;
const UINT kBarB = AFX_IDW_TOOLBAR + 1;

class ToolkitFramesTest : public ManagerTest {
protected:
    // A docking MDI frame and a single-document frame, each with a tool-bar manager of its own.
    std::vector<std::pair<CFrameWnd*, SECToolBarManager*>> MakeToolkitFrames()
    {
        return {{MakeManagedFrame<SECMDIFrameWnd>(pMDIManager), pMDIManager.get()},
                {MakeManagedFrame<SECFrameWnd>(pSDIManager), pSDIManager.get()}};
    }
    void TearDown() override
    {
        ManagerTest::TearDown();
        pMDIManager.reset();
        pSDIManager.reset();
    }

    std::unique_ptr<SECToolBarManager> pMDIManager;
    std::unique_ptr<SECToolBarManager> pSDIManager;
};

// A button kind of the manager's table.
class CTableBtn : public SECStdBtn {
    DECLARE_DYNCREATE(CTableBtn)
};
IMPLEMENT_DYNCREATE(CTableBtn, SECStdBtn)

TEST_F(ManagerTest, ItsBarsShareItsImagesTablesAndDrawingContext)
{
    const SECBtnClassEntry table[] = {{RUNTIME_CLASS(CTableBtn), ID_SAVE, 0, {}}, {nullptr, 0, 0, {}}};
    pManager->SetBtnClassTables(table, nullptr);
    SECCustomToolBar* pA = MakeManagedBar({ID_NEW, ID_SAVE}, kBarA);
    SECCustomToolBar* pB = MakeManagedBar({ID_SAVE}, kBarB);
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pB, nullptr);
    EXPECT_EQ(pA->GetBmpMgr(), pManager->GetBmpMgr());
    EXPECT_EQ(pB->GetBmpMgr(), pManager->GetBmpMgr());
    EXPECT_TRUE(pA->GetBtn(1)->IsKindOf(RUNTIME_CLASS(CTableBtn)));
    EXPECT_FALSE(pA->GetBtn(0)->IsKindOf(RUNTIME_CLASS(CTableBtn)));
    EXPECT_TRUE(pB->GetBtn(0)->IsKindOf(RUNTIME_CLASS(CTableBtn)));
    EXPECT_EQ(pManager->GetToolBars(), (std::vector<SECCustomToolBar*>{pA, pB}));
    EXPECT_EQ(pManager->GetBarTypeID(pA), UINT(SEC_TYPEID_TOOLBAR));

    // a bar of another kind or without the manager has no type id
    SECCustomToolBar* pOwn = MakeBar({ID_NEW});
    ASSERT_NE(pOwn, nullptr);
    EXPECT_EQ(pManager->GetBarTypeID(pOwn), 0u);
    EXPECT_NE(pOwn->GetBmpMgr(), pManager->GetBmpMgr());
}

TEST_F(ToolkitFramesTest, ABarMadeInAToolkitFrameJoinsTheFramesManager)
{
    // the docking frames' control-bar manager is the tool-bar manager the bars join
    for (const auto& frame : MakeToolkitFrames()) {
        ASSERT_NE(frame.first, nullptr);
        SECCustomToolBar bar;
        ASSERT_TRUE(bar.CreateEx(kAppToolBarStyle, frame.first, kAppBarStyle, kBarA));
        EXPECT_EQ(bar.GetManager(), frame.second);
        EXPECT_EQ(bar.GetBmpMgr(), frame.second->GetBmpMgr());
        EXPECT_EQ(frame.second->GetToolBars(), std::vector<SECCustomToolBar*>{&bar});
        bar.DestroyWindow();
        frame.first->DestroyWindow();
    }
}

TEST_F(ManagerTest, TheNotifyListHearsOfBarsShownHiddenMadeDestroyedAndSelections)
{
    CBarNotifyRecorder recorder;
    CBarNotifyRecorder gone;
    ASSERT_TRUE(recorder.CreateRecorder());
    ASSERT_TRUE(gone.CreateRecorder());
    pManager->AddNotify(&recorder);
    pManager->AddNotify(&gone);
    gone.DestroyWindow(); // a window that went is skipped
    using Note = std::pair<UINT, int>;
    // what a step told last (a bar moved between windows is also hidden and shown on the way)
    auto told = [&recorder](const std::function<void()>& step) {
        recorder.notes.clear();
        step();
        return recorder.notes.empty() ? Note{0, -1} : recorder.notes.back();
    };

    SECCustomToolBar* pBar = nullptr;
    EXPECT_EQ(told([&] { pBar = MakeManagedBar({ID_NEW, ID_OPEN}, kBarA, FALSE); }),
              (Note{kBarA, SEC_BARNOTIFY_CREATED}));
    ASSERT_NE(pBar, nullptr);
    pFrame->DockControlBar(pBar);
    EXPECT_EQ(told([&] { pFrame->ShowControlBar(pBar, FALSE, FALSE); }), (Note{kBarA, SEC_BARNOTIFY_HIDDEN}));
    EXPECT_EQ(told([&] { pFrame->ShowControlBar(pBar, TRUE, FALSE); }), (Note{kBarA, SEC_BARNOTIFY_SHOWN}));
    pManager->EnterCustomizeMode(pFrame);
    EXPECT_EQ(told([&] { pBar->SelectCustomizeButton(1); }), (Note{kBarA, SEC_BARNOTIFY_SELECTION}));
    EXPECT_EQ(told([&] { pBar->SelectCustomizeButton(1); }), (Note{0, -1})) << "no change, no news";
    EXPECT_EQ(told([&] { pBar->DestroyWindow(); }), (Note{kBarA, SEC_BARNOTIFY_DESTROYED}));
    EXPECT_NE(std::find(recorder.notes.begin(), recorder.notes.end(), Note{kBarA, SEC_BARNOTIFY_SELECTION}),
              recorder.notes.end())
        << "the selection goes with the bar";
    EXPECT_TRUE(gone.notes.empty());

    pManager->RemoveNotify(&recorder);
    EXPECT_EQ(told([&] { MakeManagedBar({ID_NEW}, kBarB); }), (Note{0, -1})) << "nothing after leaving the list";
}

TEST_F(ManagerTest, CustomiseModeDisablesTheFramesOtherChildrenUntilItEnds)
{
    SECCustomToolBar* pBar = MakeManagedBar({ID_NEW}, kBarA);
    ASSERT_NE(pBar, nullptr);
    CWnd enabled;
    CWnd disabled;
    CWnd going;
    for (CWnd* pChild : {&enabled, &disabled, &going})
        ASSERT_TRUE(pChild->CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, 0));
    disabled.EnableWindow(FALSE);
    const HWND hWndClient = pCmdFrame->m_hWndMDIClient;

    pManager->EnterCustomizeMode(pFrame);
    EXPECT_TRUE(pManager->InCustomizeMode());
    EXPECT_FALSE(::IsWindowEnabled(hWndClient));
    EXPECT_FALSE(enabled.IsWindowEnabled());
    EXPECT_TRUE(pBar->IsWindowEnabled()) << "bars stay enabled";
    EXPECT_TRUE(pBar->InCustomizeMode());
    EXPECT_TRUE(DockBar(AFX_IDW_DOCKBAR_TOP)->IsWindowEnabled());
    going.DestroyWindow();

    pManager->ExitCustomizeMode();
    EXPECT_FALSE(pManager->InCustomizeMode());
    EXPECT_TRUE(::IsWindowEnabled(hWndClient));
    EXPECT_TRUE(enabled.IsWindowEnabled());
    EXPECT_FALSE(disabled.IsWindowEnabled()) << "what was disabled before stays so";
    EXPECT_FALSE(pBar->InCustomizeMode());
}

TEST_F(ManagerTest, WhileCustomisingAFloatingBarAskedToHideLaterHidesAtOnce)
{
    SECCustomToolBar* pDocked = MakeManagedBar({ID_NEW}, kBarA);
    SECCustomToolBar* pFloating = MakeManagedBar({ID_SAVE}, kBarB, FALSE);
    ASSERT_NE(pDocked, nullptr);
    ASSERT_NE(pFloating, nullptr);
    pFrame->FloatControlBar(pFloating, CPoint(300, 300));
    ASSERT_TRUE(pFloating->IsWindowVisible());
    // the bar's own posted message hides it, with no layout on idle between
    const auto deliverNoDelayHide = [](SECCustomToolBar* pBar) {
        MSG msg;
        while (::PeekMessageA(&msg, pBar->m_hWnd, g_nMsgNoDelayHide, g_nMsgNoDelayHide, PM_REMOVE))
            ::DispatchMessageA(&msg);
    };

    pManager->EnterCustomizeMode(pFrame);
    pFrame->ShowControlBar(pFloating, FALSE, TRUE);
    pFrame->ShowControlBar(pDocked, FALSE, TRUE);
    deliverNoDelayHide(pFloating);
    deliverNoDelayHide(pDocked);
    EXPECT_FALSE(pFloating->IsWindowVisible());
    EXPECT_TRUE(pDocked->IsWindowVisible()) << "a docked bar waits for the layout";
    pManager->ExitCustomizeMode();

    // outside customise mode the floating bar waits too
    pFrame->ShowControlBar(pFloating, TRUE, FALSE);
    pFrame->ShowControlBar(pFloating, FALSE, TRUE);
    deliverNoDelayHide(pFloating);
    EXPECT_TRUE(pFloating->IsWindowVisible());
}

TEST_F(ManagerTest, OneBarHoldsTheCustomiseSelection)
{
    SECCustomToolBar* pA = MakeManagedBar({ID_NEW, ID_OPEN}, kBarA);
    SECCustomToolBar* pB = MakeManagedBar({ID_SAVE, ID_CUT}, kBarB);
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pB, nullptr);
    pManager->EnterCustomizeMode(pFrame);

    pA->SelectCustomizeButton(1);
    EXPECT_TRUE(pA->GetBtn(1)->HasStyle(SEC_TBBS_CUSTOMIZING));
    EXPECT_EQ(pManager->GetSelectedBar(), pA);
    pB->SelectCustomizeButton(0);
    EXPECT_EQ(pA->GetCustomizeButton(), -1);
    EXPECT_FALSE(pA->GetBtn(1)->HasStyle(SEC_TBBS_CUSTOMIZING));
    EXPECT_TRUE(pB->GetBtn(0)->HasStyle(SEC_TBBS_CUSTOMIZING));
    EXPECT_EQ(pManager->GetSelectedBar(), pB);

    // leaving customise mode clears it
    pManager->ExitCustomizeMode();
    EXPECT_EQ(pB->GetCustomizeButton(), -1);
    EXPECT_FALSE(pB->GetBtn(0)->HasStyle(SEC_TBBS_CUSTOMIZING));
    EXPECT_EQ(pManager->GetSelectedBar(), nullptr);
}

TEST_F(ManagerTest, AClickedCheckBoxChecksItsCommandInEveryBar)
{
    pCmdFrame->handled = {ID_GRID};
    SECCustomToolBar* pA = MakeManagedBar({ID_NEW, ID_GRID}, kBarA);
    SECCustomToolBar* pB = MakeManagedBar({ID_GRID}, kBarB);
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pB, nullptr);
    pA->SetButtonStyle(1, TBBS_CHECKBOX);
    pB->SetButtonStyle(0, TBBS_CHECKBOX | TBBS_INDETERMINATE);

    for (UINT nChecked : {UINT(TBBS_CHECKED), 0u}) {
        pA->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pA, 1)));
        pA->SendMessage(WM_LBUTTONUP, 0, At(Middle(pA, 1)));
        EXPECT_EQ(pA->GetButtonStyle(1) & (TBBS_CHECKED | TBBS_INDETERMINATE), nChecked);
        EXPECT_EQ(pB->GetButtonStyle(0) & (TBBS_CHECKED | TBBS_INDETERMINATE), nChecked);
    }
    EXPECT_EQ(pCmdFrame->commands.size(), 2u);
}

TEST_F(ManagerTest, ACommandSentFromAButtonKnowsTheButtonsRectangle)
{
    pCmdFrame->handled = {ID_OPEN};
    SECCustomToolBar* pBar = MakeManagedBar({ID_NEW, ID_OPEN}, kBarA);
    ASSERT_NE(pBar, nullptr);
    CRect rectSeen(0, 0, 0, 0);
    BOOL bSeen = FALSE;
    pCmdFrame->onCommand = [&] { bSeen = pManager->GetPressedBtnRect(rectSeen); };
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pBar, 1)));
    pBar->SendMessage(WM_LBUTTONUP, 0, At(Middle(pBar, 1)));
    ASSERT_EQ(pCmdFrame->commands.size(), 1u);
    EXPECT_TRUE(bSeen);
    CRect rectButton = pBar->GetItemRect(1);
    pBar->ClientToScreen(rectButton);
    EXPECT_EQ(rectSeen, rectButton);
    CRect rectAfter;
    EXPECT_FALSE(pManager->GetPressedBtnRect(rectAfter));
}

TEST_F(ManagerTest, UserToolBarsTakeTheFreeIdsBelowTheMenuBars)
{
    pManager->EnableFlyBy(TRUE);
    pManager->EnableToolTips(TRUE);
    pManager->EnableCoolLook(TRUE);
    SECCustomToolBar* pFirst = pManager->CreateUserToolBar();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetDlgCtrlID(), SEC_IDW_FIRST_USERBAR);
    EXPECT_EQ(WindowText(pFirst), "ToolBar1");
    EXPECT_EQ(pFirst->GetManager(), pManager.get());
    // (a tool bar hides while an in-place object is active: 0x8)
    EXPECT_EQ(pFirst->GetBarStyle(), DWORD(0x2804 | 0x0008 | CBRS_FLYBY | CBRS_TOOLTIPS));
    EXPECT_EQ(pFirst->GetExBarStyle() & 0x0300, 0x0300u);
    EXPECT_EQ(pFirst->GetEnabledAlignment(), DWORD(CBRS_ALIGN_ANY));
    EXPECT_TRUE(pFirst->IsAutoDelete());

    SECCustomToolBar* pNamed = pManager->CreateUserToolBar("Mine");
    ASSERT_NE(pNamed, nullptr);
    EXPECT_EQ(pNamed->GetDlgCtrlID(), SEC_IDW_FIRST_USERBAR + 1);
    EXPECT_EQ(WindowText(pNamed), "Mine");

    // a freed id is taken again; the menu bar's id never is, and with none free no bar is made
    pFirst->DestroyWindow();
    SECCustomToolBar* pAgain = pManager->CreateUserToolBar();
    ASSERT_NE(pAgain, nullptr);
    EXPECT_EQ(pAgain->GetDlgCtrlID(), SEC_IDW_FIRST_USERBAR);
    int nMade = 2;
    while (SECCustomToolBar* pBar = pManager->CreateUserToolBar()) {
        EXPECT_LE(UINT(pBar->GetDlgCtrlID()), UINT(SEC_IDW_LAST_USERBAR));
        nMade++;
    }
    EXPECT_EQ(nMade, SEC_IDW_LAST_USERBAR - SEC_IDW_FIRST_USERBAR + 1);
    EXPECT_EQ(pFrame->GetControlBar(SEC_IDW_MENUBAR), nullptr);
    EXPECT_EQ(WindowText(pFrame->GetControlBar(SEC_IDW_LAST_USERBAR)), "ToolBar223");
}

TEST_F(ManagerTest, EveryBarFollowsTheToolTipsCoolLookAndLargeButtons)
{
    SECCustomToolBar* pA = MakeManagedBar({ID_NEW, 0, ID_OPEN}, kBarA);
    SECCustomToolBar* pB = MakeManagedBar({ID_SAVE}, kBarB);
    ASSERT_NE(pA, nullptr);
    ASSERT_NE(pB, nullptr);
    for (BOOL bOn : {TRUE, FALSE}) {
        pManager->EnableToolTips(bOn);
        pManager->EnableCoolLook(bOn);
        for (SECCustomToolBar* pBar : {pA, pB}) {
            EXPECT_EQ((pBar->GetBarStyle() & CBRS_TOOLTIPS) != 0, bOn != FALSE);
            EXPECT_EQ(pBar->GetExBarStyle() & 0x0300, bOn ? 0x0300u : 0u);
        }
    }

    // large buttons: 22 by 24 images make 29 by 31 buttons; separators keep their width
    pManager->EnableLargeBtns(TRUE);
    EXPECT_FALSE(pManager->GetBmpMgr()->UsesSmallImages());
    EXPECT_EQ(pA->GetItemRect(0).Size(), CSize(29, 31));
    EXPECT_EQ(pA->GetItemRect(1).Width(), kSep);
    EXPECT_EQ(pB->GetItemRect(0).Size(), CSize(29, 31));
    pManager->EnableLargeBtns(FALSE);
    EXPECT_EQ(pA->GetItemRect(0).Size(), kBtn);
}

// ---- the docking frames while the manager customises -------------------------------------------------

TEST_F(ToolkitFramesTest, AToolkitFrameTakesNoClicksOrCloseCommandsAndDoesNotStayActiveWhileCustomising)
{
    for (const auto& frame : MakeToolkitFrames()) {
        CFrameWnd* pToolkitFrame = frame.first;
        ASSERT_NE(pToolkitFrame, nullptr);
        const std::string strKind = pToolkitFrame->GetRuntimeClass()->m_lpszClassName;
        CRect rect;
        pToolkitFrame->GetWindowRect(rect);
        const LPARAM lParamCaption = MAKELPARAM(rect.CenterPoint().x, rect.top + 5);
        MSG close = {pToolkitFrame->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0, 0, {0, 0}};
        EXPECT_NE(pToolkitFrame->SendMessage(WM_NCHITTEST, 0, lParamCaption), LRESULT(HTERROR));
        EXPECT_FALSE(pToolkitFrame->PreTranslateMessage(&close));

        frame.second->EnterCustomizeMode(pToolkitFrame);
        EXPECT_EQ(pToolkitFrame->SendMessage(WM_NCHITTEST, 0, lParamCaption), LRESULT(HTERROR)) << strKind;
        EXPECT_TRUE(pToolkitFrame->PreTranslateMessage(&close)) << strKind;

        // a dialog's idle does the layout the idle of the frame would have done
        pToolkitFrame->DelayRecalcLayout();
        pToolkitFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
        EXPECT_TRUE(pToolkitFrame->IsLayoutPending()) << "only a dialog's idle";
        pToolkitFrame->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
        EXPECT_FALSE(pToolkitFrame->IsLayoutPending()) << strKind;

        // a floating frame turned active while customising does not keep the frame looking active
        for (UINT message : {UINT(WM_NCACTIVATE), UINT(WM_ENABLE)}) {
            pToolkitFrame->SetStayActive(TRUE, FALSE);
            pToolkitFrame->SendMessage(message, FALSE);
            EXPECT_FALSE(pToolkitFrame->IsStayActive()) << strKind << " " << message;
        }

        frame.second->ExitCustomizeMode();
        for (UINT message : {UINT(WM_NCACTIVATE), UINT(WM_ENABLE)}) {
            pToolkitFrame->SetStayActive(TRUE, FALSE);
            pToolkitFrame->SendMessage(message, message == WM_ENABLE);
            EXPECT_TRUE(pToolkitFrame->IsStayActive()) << strKind << " " << message;
        }
        pToolkitFrame->SetStayActive(FALSE, FALSE);
        EXPECT_NE(pToolkitFrame->SendMessage(WM_NCHITTEST, 0, lParamCaption), LRESULT(HTERROR));
        EXPECT_FALSE(pToolkitFrame->PreTranslateMessage(&close));
        pToolkitFrame->DestroyWindow();
    }
}

} // namespace
