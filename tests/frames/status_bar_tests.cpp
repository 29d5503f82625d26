// The status bar: its window styles, the panes' layout and texts, the window text of pane 0, its
// height, the edge above it, the grip's hit, its run-time class and the idle update of its panes.
#include "ToolkitTestSupport.h"

#include "frames/SECStatusBar.h"

#include <string>
#include <vector>

namespace {

// The main frame's status bar: child, visible, aligned at the bottom, top border.
const DWORD kStatusStyle = 0x50008200;

// A status bar that counts the texts it sends to its control, draws owner-drawn panes by counting them,
// and answers the update of ID_PANE_NUMBER itself while bOwnNumber is set.
class CTestStatusBar : public SECStatusBar {
    DECLARE_MESSAGE_MAP()
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SB_SETTEXTA)
            nTextsSent++;
        return SECStatusBar::WindowProc(message, wParam, lParam);
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { drawnItems.push_back(lpDrawItemStruct->itemID); }
    void OnUpdateNumber(CCmdUI* pCmdUI)
    {
        if (bOwnNumber)
            pCmdUI->SetText("own");
        else
            pCmdUI->ContinueRouting();
    }

    int nTextsSent = 0;
    std::vector<UINT> drawnItems;
    BOOL bOwnNumber = FALSE;
};

BEGIN_MESSAGE_MAP(CTestStatusBar, SECStatusBar)
    ON_UPDATE_COMMAND_UI(ID_PANE_NUMBER, OnUpdateNumber)
END_MESSAGE_MAP()

// A main frame that updates the CAP and NUM LOCK panes.
class CStatusFrame : public CMDIFrameWnd {
    DECLARE_MESSAGE_MAP()
public:
    void OnUpdateCaps(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(bCapsOn);
        pCmdUI->SetCheck(1);
        pCmdUI->SetText("CAPS");
    }
    void OnUpdateNumber(CCmdUI* pCmdUI) { pCmdUI->SetText("frame"); }

    BOOL bCapsOn = FALSE;
};

BEGIN_MESSAGE_MAP(CStatusFrame, CMDIFrameWnd)
    ON_UPDATE_COMMAND_UI(ID_PANE_CAPS, OnUpdateCaps)
    ON_UPDATE_COMMAND_UI(ID_PANE_NUMBER, OnUpdateNumber)
END_MESSAGE_MAP()

class StatusBarTest : public ToolkitFrameTest {
protected:
    // The status bar of pParent as the main frame makes it, with the panes ids, laid out by the frame.
    static CTestStatusBar* MakeBar(CFrameWnd* pParent, std::vector<UINT> ids, DWORD dwStyle = kStatusStyle)
    {
        CTestStatusBar* pBar = new CTestStatusBar;
        pBar->SetAutoDelete(TRUE);
        if (!pBar->Create(pParent, dwStyle, AFX_IDW_STATUS_BAR)) {
            ADD_FAILURE() << "the status bar was not made";
            return nullptr;
        }
        EXPECT_TRUE(pBar->SetIndicators(ids.data(), int(ids.size())));
        pParent->RecalcLayout();
        return pBar;
    }
    // The text the control shows in pane nIndex.
    static std::string ShownText(CWnd* pBar, int nIndex)
    {
        char szText[256] = {};
        pBar->SendMessage(SB_GETTEXTA, WPARAM(nIndex), reinterpret_cast<LPARAM>(szText));
        return szText;
    }
    // The right edges of the control's parts.
    static std::vector<int> PartEdges(CWnd* pBar)
    {
        std::vector<int> edges(16);
        edges.resize(size_t(pBar->SendMessage(SB_GETPARTS, WPARAM(edges.size()), reinterpret_cast<LPARAM>(edges.data()))));
        return edges;
    }
    // The width of lpszText in the bar's font.
    static int TextWidth(CWnd* pBar, const char* lpszText)
    {
        CClientDC dc(nullptr);
        HGDIOBJ hOld = ::SelectObject(dc.m_hDC, reinterpret_cast<HFONT>(pBar->SendMessage(WM_GETFONT)));
        const int cx = dc.GetTextExtent(lpszText, int(strlen(lpszText))).cx;
        ::SelectObject(dc.m_hDC, hOld);
        return cx;
    }
};

TEST_F(StatusBarTest, ControlTakesTheHighStylesAndTheLayoutStylesAndAGripOnlyUnderASizingBorder)
{
    const struct {
        DWORD dwFrameStyle;
        DWORD dwGrip;
    } cases[] = {
        {WS_OVERLAPPEDWINDOW, SBARS_SIZEGRIP},
        {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0},
    };
    for (const auto& c : cases) {
        CMDIFrameWnd* pParent = MakeFrame(c.dwFrameStyle);
        ASSERT_NE(pParent, nullptr);
        // CBRS_GRIPPER (0x400000) belongs to the bar, not to the control
        CTestStatusBar* pBar = MakeBar(pParent, {ID_APP_PANE}, kStatusStyle | CBRS_GRIPPER);
        ASSERT_NE(pBar, nullptr);
        char szClass[64] = {};
        ::GetClassNameA(pBar->m_hWnd, szClass, sizeof szClass);
        EXPECT_STREQ(szClass, STATUSCLASSNAMEA);
        EXPECT_EQ(pBar->GetStyle(), DWORD(WS_CHILD | WS_VISIBLE | 0x4E | c.dwGrip));
        // a bottom bar with only the top border leaves that edge to the control
        EXPECT_EQ(pBar->GetBarStyle(), DWORD(CBRS_ALIGN_BOTTOM | CBRS_GRIPPER));
        EXPECT_EQ(pBar->GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
        EXPECT_EQ(pParent->GetMessageBar(), pBar);
    }
}

TEST_F(StatusBarTest, TheApplicationsOnePaneShowsItsStringAndKeepsItAgainstPrompts)
{
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_APP_PANE});
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->GetCount(), 1);
    EXPECT_EQ(ShownText(pBar, 0), "_");
    EXPECT_EQ(pBar->CommandToIndex(ID_APP_PANE), 0);
    EXPECT_EQ(pBar->CommandToIndex(0), -1);

    // no pane of id 0: the window text goes nowhere
    EXPECT_EQ(pBar->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Ready")), -1);
    pFrame->SetMessageText("Ready");
    EXPECT_EQ(ShownText(pBar, 0), "_");
    EXPECT_EQ(pBar->GetWindowTextLength(), 0);
}

TEST_F(StatusBarTest, FirstPaneOfIdZeroStretchesOverWhatTheOthersLeaveBesideTheGrip)
{
    for (BOOL bGrip : {TRUE, FALSE}) {
        CMDIFrameWnd* pParent = MakeFrame(bGrip ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
        ASSERT_NE(pParent, nullptr);
        CTestStatusBar* pBar = MakeBar(pParent, {0, ID_PANE_CAPS, ID_PANE_NUMBER});
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->GetPaneStyle(0), UINT(SBPS_STRETCH | SBPS_NOBORDERS));
        EXPECT_EQ(pBar->GetPaneStyle(1), UINT(SBPS_NORMAL));

        int borders[3] = {};
        pBar->SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        const int cxGrip = bGrip ? 2 * ::GetSystemMetrics(SM_CXBORDER) + borders[0] + ::GetSystemMetrics(SM_CXVSCROLL) : 0;
        const std::vector<int> edges = PartEdges(pBar);
        ASSERT_EQ(edges.size(), 3u);
        EXPECT_EQ(edges[1] - edges[0] - borders[2], TextWidth(pBar, "CAP") + 6) << bGrip;
        EXPECT_EQ(edges[2] - edges[1] - borders[2], TextWidth(pBar, "NUM LOCK") + 6) << bGrip;
        // the stretching pane takes all that is left: the last pane ends at the inside's right edge
        EXPECT_EQ(edges[2], borders[0] + rectBar.Width() - cxGrip) << bGrip;
    }
}

TEST_F(StatusBarTest, PaneTextsAreSentOnceAndHiddenWhileThePaneIsDisabled)
{
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_PANE_CAPS, ID_PANE_MISSING});
    ASSERT_NE(pBar, nullptr);
    // a pane without a string shows two spaces, as wide as they are
    EXPECT_EQ(ShownText(pBar, 1), "  ");
    int borders[3] = {};
    pBar->SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const std::vector<int> edges = PartEdges(pBar);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_EQ(edges[1] - edges[0] - borders[2], TextWidth(pBar, "  ") + 6);

    pBar->SetPaneStyle(0, SBPS_DISABLED);
    EXPECT_EQ(ShownText(pBar, 0), "");
    pBar->SetPaneStyle(0, SBPS_NORMAL);
    EXPECT_EQ(ShownText(pBar, 0), "CAP");

    const int nSent = pBar->nTextsSent;
    EXPECT_TRUE(pBar->SetPaneText(0, "CAP"));
    EXPECT_EQ(pBar->nTextsSent, nSent);
    // a text that waits shows at the next paint
    EXPECT_TRUE(pBar->SetPaneText(0, "CAPS", FALSE));
    EXPECT_EQ(ShownText(pBar, 0), "CAP");
    pBar->Invalidate();
    pBar->UpdateWindow();
    EXPECT_EQ(ShownText(pBar, 0), "CAPS");
    EXPECT_EQ(pBar->nTextsSent, nSent + 1);

    ExpectInvalidArg([&] { pBar->SetPaneText(2, "x"); }, "pane 2 of 2");
}

TEST_F(StatusBarTest, WindowTextIsTheTextOfThePaneWithIdZero)
{
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_PANE_CAPS, 0});
    ASSERT_NE(pBar, nullptr);
    pFrame->SetMessageText("Ready");
    EXPECT_EQ(ShownText(pBar, 1), "Ready");
    EXPECT_EQ(pBar->GetWindowTextLength(), 5);

    char szText[8];
    memset(szText, 'x', sizeof szText);
    EXPECT_EQ(pBar->SendMessage(WM_GETTEXT, 3, reinterpret_cast<LPARAM>(szText)), 2);
    EXPECT_STREQ(szText, "Re");
    memset(szText, 'x', sizeof szText);
    EXPECT_EQ(pBar->SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(szText)), 0);
    EXPECT_EQ(szText[0], 'x');
}

TEST_F(StatusBarTest, HeightKeepsTheMinimumAndAVerticalBarHasNoSize)
{
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_APP_PANE});
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->CalcFixedLayout(TRUE, FALSE), CSize(0, 0));
    const CSize size = pBar->CalcFixedLayout(TRUE, TRUE);
    EXPECT_EQ(size.cx, 32767);
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    EXPECT_EQ(rectBar.Height(), size.cy);

    pBar->SendMessage(SB_SETMINHEIGHT, WPARAM(size.cy + 30));
    EXPECT_EQ(pBar->CalcFixedLayout(TRUE, TRUE), CSize(32767, size.cy + 30));
}

TEST_F(StatusBarTest, GripKeepsItsCornerHitAndTheRestIsClient)
{
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_APP_PANE});
    ASSERT_NE(pBar, nullptr);
    CRect rect;
    pBar->GetWindowRect(rect);
    EXPECT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rect.right - 3, rect.bottom - 3)), HTBOTTOMRIGHT);
    EXPECT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rect.left + 5, rect.top + 5)), HTCLIENT);
}

TEST_F(StatusBarTest, TheEdgeAboveTheApplicationsBarIsTheControlsOwnSingleLine)
{
    // the bar draws no border: no non-client area, and on the screen the control's own top line over
    // its face, not a second edge beside it
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_APP_PANE});
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->GetBarStyle() & (CBRS_BORDER_ANY | CBRS_BORDER_3D), 0u);
    CRect rectWindow;
    pBar->GetWindowRect(rectWindow);
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Size(), rectWindow.Size());
    pFrame->ShowWindow(SW_SHOW);
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME);
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    CClientDC dc(pBar);
    for (int x : {rectClient.Width() / 2, rectClient.Width() - 40}) {
        EXPECT_NE(dc.GetPixel(x, 0), crFace) << x;
        for (int y = 1; y < 3; ++y)
            EXPECT_EQ(dc.GetPixel(x, y), crFace) << x << "," << y;
    }
}

TEST_F(StatusBarTest, CodeWalkingTheFramesBarsKnowsTheStatusBarByItsClass)
{
    SECControlBar* pPane = new SECControlBar;
    pPane->SetAutoDelete(TRUE);
    ASSERT_TRUE(pPane->Create(pFrame, "Pane", 0x50001414, 0x0F10, 100));
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_APP_PANE});
    ASSERT_NE(pBar, nullptr);

    std::vector<CControlBar*> statusBars;
    const CPtrList& bars = pFrame->GetControlBarList();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* p = static_cast<CControlBar*>(bars.GetNext(pos));
        if (p->IsKindOf(RUNTIME_CLASS(SECStatusBar)))
            statusBars.push_back(p);
    }
    ASSERT_EQ(statusBars.size(), 1u);
    EXPECT_EQ(statusBars[0], pBar);
    EXPECT_TRUE(RUNTIME_CLASS(SECStatusBar)->IsDerivedFrom(RUNTIME_CLASS(SECControlBar)));
    EXPECT_EQ(RUNTIME_CLASS(SECStatusBar)->CreateObject(), nullptr);
}

TEST_F(StatusBarTest, IdleUpdatesPanesThroughTheBarThenTheFrameWithoutDisablingForWantOfAHandler)
{
    CStatusFrame* pStatusFrame = MakeFrame<CStatusFrame>();
    ASSERT_NE(pStatusFrame, nullptr);
    CTestStatusBar* pBar = MakeBar(pStatusFrame, {ID_PANE_CAPS, ID_PANE_NUMBER, ID_APP_PANE});
    ASSERT_NE(pBar, nullptr);

    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(pBar->GetPaneStyle(0), UINT(SBPS_DISABLED | SBPS_POPOUT));
    EXPECT_EQ(ShownText(pBar, 0), "");
    EXPECT_EQ(ShownText(pBar, 1), "frame");
    // no handler anywhere: the pane stays as it is
    EXPECT_EQ(pBar->GetPaneStyle(2), UINT(SBPS_NORMAL));
    EXPECT_EQ(ShownText(pBar, 2), "_");

    pStatusFrame->bCapsOn = TRUE;
    pBar->bOwnNumber = TRUE;
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(pBar->GetPaneStyle(0), UINT(SBPS_POPOUT));
    EXPECT_EQ(ShownText(pBar, 0), "CAPS");
    EXPECT_EQ(ShownText(pBar, 1), "own");
}

TEST_F(StatusBarTest, OwnerDrawnPanesAreDrawnByTheBar)
{
    CTestStatusBar* pBar = MakeBar(pFrame, {ID_PANE_CAPS, ID_PANE_NUMBER});
    ASSERT_NE(pBar, nullptr);
    pBar->SetPaneStyle(1, SBT_OWNERDRAW);
    pBar->RedrawWindow();
    ASSERT_FALSE(pBar->drawnItems.empty());
    EXPECT_EQ(pBar->drawnItems.back(), 1u);
}

} // namespace

