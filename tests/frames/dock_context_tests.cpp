// The toolkit's dock context: docking and floating at the end of a drag (the distance a floating bar
// must move, Ctrl, cancelling, the status text, the capture), the most recently used places, presses in
// bars and on floating frames' captions, resizing floating bars, double clicks, "Allow Docking" and
// floating in the main window. Drags run from posted mouse messages through the modal mouse loop.
#include "DockingTestSupport.h"

#include <string>
#include <vector>

namespace {

// A window that, on WM_APP, notes the text of its frame's status line.
class CStatusReader : public CWnd {
public:
    explicit CStatusReader(CWnd* pStatusLine) : m_pStatusLine(pStatusLine) {}
    BOOL CreateReader() { return CreateEx(0, nullptr, "reader", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP) {
            CString text;
            m_pStatusLine->GetWindowText(text);
            texts.push_back(text.GetString());
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<std::string> texts;

private:
    CWnd* m_pStatusLine;
};

class DockContextTest : public DockingTest {
protected:
    void SetUp() override
    {
        DockingTest::SetUp();
        // the status line the frame writes its prompts to
        ASSERT_TRUE(statusLine.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), pFrame, AFX_IDW_STATUS_BAR));
        DockThreePanes();
    }

    static SECDockContext* ContextOf(SECControlBar* pBar)
    {
        return static_cast<SECDockContext*>(pBar->GetDockContext());
    }
    // Where a drag grabs pBar: 5 pixels inside its window's top-left corner (screen).
    static CPoint Grab(CWnd* pBar) { return ScreenRect(pBar).TopLeft() + CSize(5, 5); }
    // A drag of pBar from Grab through the points, ended by nEnd.
    static void Drag(SECControlBar* pBar, std::initializer_list<POINT> points, UINT nEnd = WM_LBUTTONUP,
                     WPARAM wEnd = 0)
    {
        const CPoint ptGrab = Grab(pBar);
        PostDrag(*pBar, points, nEnd, wEnd);
        pBar->GetDockContext()->StartDrag(ptGrab);
    }
    // The middle of the MDI client area, where no dock bar is near.
    CPoint Middle() { return ClientOnScreen().CenterPoint() + CSize(100, 0); }
    static CMiniDockFrameWnd* FloatingFrameOf(CControlBar* pBar)
    {
        return dynamic_cast<CMiniDockFrameWnd*>(pBar->GetParentFrame());
    }

    CWnd statusLine;
};

// ---- dragging ----------------------------------------------------------------------------------------------

TEST_F(DockContextTest, AFloatingBarMovedUpTo4PixelsStaysFloatingAndFurtherDocks)
{
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    // floated where it stood, over the left dock bar
    ContextOf(panes[1])->ToggleDocking();
    ASSERT_TRUE(panes[1]->IsFloating());
    EXPECT_EQ(Entries(pLeft), "|102 (101) 100|");

    CPoint ptGrab = Grab(panes[1]);
    const CRect rectFrame = ScreenRect(FloatingFrameOf(panes[1]));
    Drag(panes[1], {ptGrab + CSize(2, 0), ptGrab + CSize(3, 0)});
    ASSERT_TRUE(panes[1]->IsFloating());
    // the frame goes where its feedback was (a frame with a sizing border: a pixel or two off this thin one)
    const CPoint ptFrame = ScreenRect(FloatingFrameOf(panes[1])).TopLeft();
    EXPECT_EQ(ptFrame, ContextOf(panes[1])->m_ptMRUFloatPos);
    EXPECT_NEAR(ptFrame.x - rectFrame.left, 3, 3);

    ptGrab = Grab(panes[1]);
    Drag(panes[1], {ptGrab + CSize(3, 2)});
    EXPECT_FALSE(panes[1]->IsFloating());
    EXPECT_EQ(Entries(pLeft), "|102 101 100|");
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT)->m_pTrackedBar, panes[1]);
}

TEST_F(DockContextTest, WithCtrlOnlyTheFloatingFrameShowsAndTheBarFloats)
{
    fake.SetKeyState(VK_CONTROL, SHORT(0x8000));
    ContextOf(panes[1])->ToggleDocking();
    const CPoint ptGrab = Grab(panes[1]);
    Drag(panes[1], {ptGrab + CSize(20, 10)});
    EXPECT_TRUE(panes[1]->IsFloating()) << "over the dock bar, still floating";

    // pressed during the drag of a docked bar
    PostDrag(*panes[0], {Grab(panes[0]) + CSize(10, 0)}, WM_KEYDOWN, VK_CONTROL);
    const CPoint ptDrop = Grab(panes[0]) + CSize(12, 0);
    CPoint ptClient = ptDrop;
    panes[0]->ScreenToClient(&ptClient);
    panes[0]->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y));
    ContextOf(panes[0])->StartDrag(Grab(panes[0]));
    EXPECT_TRUE(panes[0]->IsFloating());
}

TEST_F(DockContextTest, TheStatusLineAsksForCtrlDuringADragAndShowsTheIdlePromptAfterItWhateverEndsIt)
{
    CStatusReader reader(&statusLine);
    ASSERT_TRUE(reader.CreateReader());
    const struct {
        UINT nEnd;
        WPARAM wEnd;
        BOOL bFloats;
    } endings[] = {{WM_KEYDOWN, VK_ESCAPE, FALSE}, {WM_RBUTTONDOWN, 0, FALSE}, {WM_LBUTTONUP, 0, TRUE}};
    for (const auto& ending : endings) {
        const CRect rectBefore = ScreenRect(panes[2]);
        reader.texts.clear();
        CPoint ptClient = Middle();
        panes[2]->ScreenToClient(&ptClient);
        panes[2]->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
        reader.PostMessage(WM_APP);
        Drag(panes[2], {Middle() + CSize(5, 5)}, ending.nEnd, ending.wEnd);
        reader.SendMessage(WM_APP);
        EXPECT_EQ(reader.texts, (std::vector<std::string>{"Press the Ctrl key to prevent docking.", "Ready"}))
            << ending.nEnd;
        EXPECT_EQ(panes[2]->IsFloating(), ending.bFloats) << ending.nEnd;
        if (!ending.bFloats) {
            EXPECT_EQ(ScreenRect(panes[2]), rectBefore) << "a cancelled drag moves nothing";
        }
    }
    EXPECT_EQ(::GetCapture(), nullptr);

    // no drag while another window holds the capture: no prompt either
    statusLine.SetWindowText("");
    reader.SetCapture();
    const CRect rectPane = ScreenRect(panes[1]);
    Drag(panes[1], {Middle()});
    EXPECT_EQ(::GetCapture(), reader.m_hWnd);
    EXPECT_EQ(ScreenRect(panes[1]), rectPane);
    CString text;
    statusLine.GetWindowText(text);
    EXPECT_STREQ(text, "");
    ::ReleaseCapture();
    PumpWaitingMessages();
    reader.DestroyWindow();
}

TEST_F(DockContextTest, ADropNotesTheDockBarAndItsRectangleAndAFloatNotesThePositionAndStyle)
{
    Drag(panes[1], {Middle()});
    ASSERT_TRUE(panes[1]->IsFloating());
    SECDockContext* pContext = ContextOf(panes[1]);
    EXPECT_EQ(pContext->m_dwMRUFloatStyle, DWORD(CBRS_ALIGN_TOP));
    EXPECT_EQ(ScreenRect(FloatingFrameOf(panes[1])).TopLeft(), pContext->m_ptMRUFloatPos);

    // back onto the left dock bar, near where it was
    const CPoint ptGrab = Grab(panes[1]);
    const CRect rectLeft = ScreenRect(DockBar(AFX_IDW_DOCKBAR_LEFT));
    Drag(panes[1], {CPoint(rectLeft.left + 10, ptGrab.y)});
    ASSERT_FALSE(panes[1]->IsFloating());
    EXPECT_EQ(pContext->m_uMRUDockID, UINT(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(pContext->m_rectMRUDockPos, ParentRect(panes[1])) << "in the dock bar's client coordinates";
}

// ---- presses ----------------------------------------------------------------------------------------------

TEST_F(DockContextTest, APressInADockedBarDragsItButNotOnItsGripperButtonsAndAFloatingFramesCaptionDragsItsBar)
{
    CRect rectClient;
    panes[1]->GetClientRect(rectClient);
    // the hide box at the right end of the gripper along the top
    const CPoint ptHide(rectClient.right - 3 - 2 - 6, 2 + 5);
    panes[1]->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptHide.x, ptHide.y));
    EXPECT_EQ(::GetCapture(), panes[1]->m_hWnd) << "the hide box is pressed";
    EXPECT_FALSE(panes[1]->IsFloating());
    panes[1]->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));

    PostDrag(*panes[1], {Middle()});
    panes[1]->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
    ASSERT_TRUE(panes[1]->IsFloating());

    // the caption of its floating frame
    CMiniDockFrameWnd* pMini = FloatingFrameOf(panes[1]);
    const CRect rectFrame = ScreenRect(pMini);
    const CPoint ptCaption(rectFrame.left + 30, rectFrame.top + 5);
    PostDrag(*panes[1], {ptCaption + CSize(40, 30)});
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    const CPoint ptFrame = ScreenRect(FloatingFrameOf(panes[1])).TopLeft();
    EXPECT_EQ(ptFrame, ContextOf(panes[1])->m_ptMRUFloatPos);
    EXPECT_NEAR(ptFrame.x - rectFrame.left, 40, 3);
    EXPECT_NEAR(ptFrame.y - rectFrame.top, 30, 3);
}

// ---- resizing ------------------------------------------------------------------------------------------------

TEST_F(DockContextTest, ResizingAFloatingBarKeepsItsMinimumWidthCommitsItsHeightAndCancelsCleanly)
{
    SECControlBar* pPane = panes[1];
    pFrame->FloatControlBar(pPane, CPoint(300, 150));
    SECDockContext* pContext = ContextOf(pPane);
    const CSize sizeMin(
        ::GetSystemMetrics(SM_CXMENUSIZE) + 2 * (::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER)),
        ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
    EXPECT_EQ(pContext->m_sizeMinFloat, sizeMin);
    const CSize sizeStart = pPane->m_szFloat;

    // narrower than the minimum: the width stays
    CRect rectBar = ScreenRect(pPane);
    CPoint ptRight(rectBar.right, rectBar.CenterPoint().y);
    PostDrag(*pPane, {CPoint(rectBar.left + sizeMin.cx / 2, ptRight.y)});
    pContext->StartResize(HTRIGHT, ptRight);
    EXPECT_EQ(pPane->m_szFloat, sizeStart);
    EXPECT_EQ(pPane->GetMRUWidth(), sizeStart.cx);

    // given up: as it was
    rectBar = ScreenRect(pPane);
    CPoint ptBottom(rectBar.CenterPoint().x, rectBar.bottom);
    PostDrag(*pPane, {ptBottom + CSize(0, 30)}, WM_KEYDOWN, VK_ESCAPE);
    pContext->StartResize(HTBOTTOM, ptBottom);
    EXPECT_EQ(pPane->m_szFloat, sizeStart);
    EXPECT_EQ(ScreenRect(pPane).Size(), sizeStart);

    // the bottom border 30 lower: the floating height and the bar follow
    PostDrag(*pPane, {ptBottom + CSize(0, 30)});
    pContext->StartResize(HTBOTTOM, ptBottom);
    EXPECT_EQ(pPane->m_szFloat, sizeStart + CSize(0, 30));
    EXPECT_EQ(ScreenRect(pPane).Size(), sizeStart + CSize(0, 30));
    EXPECT_TRUE(pPane->IsFloating());
}

// ---- double clicks and commands --------------------------------------------------------------------------

TEST_F(DockContextTest, ADoubleClickFloatsADockedBarWhereItLastFloatedAndDocksItBackWithItsFraction)
{
    SECDockBar* pLeft = DockBar(AFX_IDW_DOCKBAR_LEFT);
    const CRect rectDocked = ScreenRect(panes[1]);
    panes[1]->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(50, 60));
    ASSERT_TRUE(panes[1]->IsFloating());
    // it never floated: its frame stands at its docking rectangle
    EXPECT_EQ(ScreenRect(FloatingFrameOf(panes[1])).TopLeft(), rectDocked.TopLeft());
    EXPECT_NEAR(panes[1]->m_fSavedPctWidth, 0.3f, 1e-5f);

    panes[1]->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(50, 60));
    ASSERT_FALSE(panes[1]->IsFloating());
    EXPECT_EQ(Entries(pLeft), "|102 101 100|");
    EXPECT_NEAR(panes[2]->m_fPctWidth, 0.4f, 1e-5f);
    EXPECT_NEAR(panes[1]->m_fPctWidth, 0.3f, 1e-5f);
    EXPECT_NEAR(panes[0]->m_fPctWidth, 0.3f, 1e-5f);
    EXPECT_EQ(ScreenRect(panes[1]), rectDocked);

    // floated by a drag, docked again: the next double click floats it where the drag left it
    Drag(panes[1], {Middle()});
    const CPoint ptFloat = ContextOf(panes[1])->m_ptMRUFloatPos;
    ContextOf(panes[1])->ToggleDocking();
    ASSERT_FALSE(panes[1]->IsFloating());
    panes[1]->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(50, 60));
    ASSERT_TRUE(panes[1]->IsFloating());
    EXPECT_EQ(ScreenRect(FloatingFrameOf(panes[1])).TopLeft(), ptFloat);

    // a double click on the gripper's buttons does nothing
    CRect rectClient;
    panes[2]->GetClientRect(rectClient);
    panes[2]->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(rectClient.right - 3 - 2 - 6, 2 + 5));
    EXPECT_FALSE(panes[2]->IsFloating());
}

TEST_F(DockContextTest, AllowDockingFloatsADockedBarAndDisallowsDockingThenAllowsItAgain)
{
    panes[1]->SendMessage(WM_COMMAND, ID_SEC_ALLOWDOCKING);
    EXPECT_TRUE(panes[1]->IsFloating());
    EXPECT_EQ(panes[1]->GetEnabledAlignment() & CBRS_ALIGN_ANY, 0u);
    // nowhere to dock now: a drag over the dock bar floats on
    const CRect rectLeft = ScreenRect(DockBar(AFX_IDW_DOCKBAR_LEFT));
    Drag(panes[1], {CPoint(rectLeft.left + 10, rectLeft.top + 40)});
    EXPECT_TRUE(panes[1]->IsFloating());

    panes[1]->SendMessage(WM_COMMAND, ID_SEC_ALLOWDOCKING);
    EXPECT_EQ(panes[1]->GetEnabledAlignment() & CBRS_ALIGN_ANY, DWORD(CBRS_ALIGN_ANY));
}

// ---- floating in the main window -----------------------------------------------------------------------

// A frame that floats bars "in its main window" by floating them in a floating frame and noting it.
class CMainWindowFrame : public CMDIFrameWnd, public SECMainWindowDocking {
public:
    void FloatControlBarInMainWindow(CControlBar* pBar, int x, int y, DWORD dwStyle) override
    {
        calls.push_back("float in main window at " + std::to_string(x) + "," + std::to_string(y) + " style " +
                        std::to_string(dwStyle));
        FloatControlBar(pBar, CPoint(200, 200), dwStyle);
        pInMainWindow = pBar;
    }
    BOOL IsFloatingInMainWindow(const CControlBar* pBar) const override { return pBar == pInMainWindow; }
    void SetSwitching(BOOL bSwitching) override { calls.push_back(bSwitching ? "switching" : "switched"); }
    std::vector<std::string> calls;
    const CControlBar* pInMainWindow = nullptr;
};

TEST_F(DockContextTest, FloatInMainWindowSavesTheFractionAndDocksTheBarBackWithItLater)
{
    CMainWindowFrame* pMainFrame = MakeFrame<CMainWindowFrame>();
    ASSERT_NE(pMainFrame, nullptr);
    EnableToolkitDocking(pMainFrame);
    SECControlBar* pPane = new SECControlBar;
    pPane->SetAutoDelete(TRUE);
    ASSERT_TRUE(pPane->Create(pMainFrame, "Pane", kPaneStyle, kPaneExStyle, 150));
    pPane->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* pOther = new SECControlBar;
    pOther->SetAutoDelete(TRUE);
    ASSERT_TRUE(pOther->Create(pMainFrame, "Other", kPaneStyle, kPaneExStyle, 151));
    pOther->EnableDocking(CBRS_ALIGN_ANY);
    SECDockBar* pLeft = static_cast<SECDockBar*>(pMainFrame->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    pOther->m_fPctWidth = 0.75f;
    pLeft->DockControlBarAt(pOther, 0, 0);
    pPane->m_fPctWidth = 0.25f;
    pLeft->DockControlBarAt(pPane, 0, 0);
    pMainFrame->RecalcLayout();
    EXPECT_EQ(Entries(pLeft), "|150 151|");

    pPane->SendMessage(WM_COMMAND, ID_SEC_FLOATINMAINWINDOW);
    EXPECT_EQ(pMainFrame->calls, (std::vector<std::string>{"switching", "float in main window at -1,-1 style 8192",
                                                           "switched"}));
    EXPECT_FLOAT_EQ(pPane->m_fSavedPctWidth, 0.25f);
    EXPECT_FALSE(ContextOf(pPane)->m_bPrevFloating);
    pMainFrame->RecalcLayout();
    EXPECT_FLOAT_EQ(pOther->m_fPctWidth, 1.0f);

    // back: it was docked, so it docks where it was with its fraction
    pPane->SendMessage(WM_COMMAND, ID_SEC_FLOATINMAINWINDOW);
    EXPECT_FALSE(pPane->IsFloating());
    EXPECT_EQ(Entries(pLeft), "|150 151|");
    EXPECT_NEAR(pPane->m_fPctWidth, 0.25f, 1e-5f);
    EXPECT_NEAR(pOther->m_fPctWidth, 0.75f, 1e-5f);
}

} // namespace
