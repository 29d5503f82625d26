// Docking in the class library: the frame's dock bars, the entries of a dock bar (rows, placeholders,
// the id list), the layout of fixed-size rows, floating frames (their style, system menu, title, size,
// closing, synchronised caption) and the dock context's drag and double click, run from posted mouse
// messages through the modal mouse loop.
#include "DockBarTestSupport.h"
#include "FakeServices.h"
#include "TestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// A bar of one size lying horizontally and another standing vertically.
class CFixedBar : public CControlBar {
public:
    CFixedBar(CSize sizeHorz, CSize sizeVert) : m_sizeHorz(sizeHorz), m_sizeVert(sizeVert) {}
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        (void)bStretch;
        return bHorz ? m_sizeHorz : m_sizeVert;
    }
    CSize m_sizeHorz;
    CSize m_sizeVert;
};

class DockingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
        hWndFrame = pFrame->m_hWnd;
        app.m_pMainWnd = pFrame;
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->RecalcLayout();
        for (CFixedBar* pBar : {&a, &b, &c})
            MakeBar(*pBar, 201 + int(pBar - &a));
        fake.SetKeyState(VK_CONTROL, 0);
        fake.SetKeyState(VK_SHIFT, 0);
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
        PumpWaitingMessages();
    }

    void MakeBar(CFixedBar& bar, UINT nID)
    {
        const std::string title = "Bar " + std::to_string(nID);
        ASSERT_TRUE(bar.Create(nullptr, title.c_str(), WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_FIXED,
                               CRect(0, 0, 0, 0), pFrame, nID));
        bar.EnableDocking(CBRS_ALIGN_ANY);
    }
    CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(pFrame->GetControlBar(nID)); }
    // The frame's client area in screen coordinates.
    CRect ClientOnScreen()
    {
        CRect rect;
        pFrame->GetClientRect(rect);
        pFrame->ClientToScreen(rect);
        return rect;
    }
    // The floating frame of a floating bar.
    static CMiniDockFrameWnd* FloatingFrameOf(CControlBar& bar)
    {
        return dynamic_cast<CMiniDockFrameWnd*>(bar.GetParentFrame());
    }
    // A drag of bar grabbed 5 pixels inside its top-left corner, through the posted points.
    static void Drag(CControlBar& bar, std::initializer_list<POINT> points, UINT nEnd = WM_LBUTTONUP, WPARAM wEnd = 0)
    {
        PostDrag(bar, points, nEnd, wEnd);
        bar.GetDockContext()->StartDrag(ScreenRect(&bar).TopLeft() + CSize(5, 5));
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;
    CFixedBar a{CSize(100, 24), CSize(24, 100)};
    CFixedBar b{CSize(80, 30), CSize(30, 80)};
    CFixedBar c{CSize(300, 20), CSize(20, 300)};
};

// ---- dock bars and their entries -----------------------------------------------------------------------

TEST_F(DockingTest, EnableDockingMakesADockBarAlongEachEdgeOnce)
{
    const struct {
        UINT nID;
        DWORD dwStyle;
    } sides[] = {
        {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
        {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
        {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
        {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
    };
    for (const auto& side : sides) {
        CControlBar* pBar = pFrame->GetControlBar(side.nID);
        ASSERT_NE(pBar, nullptr) << std::hex << side.nID;
        EXPECT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(CDockBar)));
        EXPECT_EQ(pBar->GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY), side.dwStyle);
        EXPECT_EQ(Entries(static_cast<CDockBar*>(pBar)), "|");
    }
    EXPECT_EQ(pFrame->GetFloatingFrameClass(), RUNTIME_CLASS(CMiniDockFrameWnd));
    const INT_PTR nBars = pFrame->GetControlBarList().GetCount();
    pFrame->EnableDocking(CBRS_ALIGN_TOP);
    EXPECT_EQ(pFrame->GetControlBarList().GetCount(), nBars);
    ExpectInvalidArg([&] { pFrame->EnableDocking(CBRS_ALIGN_ANY | CBRS_TOOLTIPS); }, "0x0000F010");
}

TEST_F(DockingTest, DroppedBarsGoIntoRowsByTheirCentreAndTheIdListMarksHiddenBarsAndRowEnds)
{
    CDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(Entries(pTop), "|201|202|");
    EXPECT_EQ(a.GetDockBar(), pTop);
    EXPECT_EQ(a.GetParent(), pTop);
    EXPECT_EQ(a.GetBarStyle() & (CBRS_ALIGN_ANY | CBRS_FLOATING), DWORD(CBRS_ALIGN_TOP));
    pFrame->RecalcLayout();

    // right of a's centre in its row: after it; above the first row: a row of its own before it
    CRect rectA = ScreenRect(&a);
    pFrame->DockControlBar(&c, AFX_IDW_DOCKBAR_TOP, CRect(CPoint(rectA.right - 20, rectA.top), c.m_sizeHorz));
    EXPECT_EQ(Entries(pTop), "|201 203|202|");
    CFixedBar d(CSize(50, 20), CSize(20, 50));
    MakeBar(d, 204);
    pFrame->DockControlBar(&d, AFX_IDW_DOCKBAR_TOP, CRect(CPoint(rectA.left, rectA.top - 40), d.m_sizeHorz));
    EXPECT_EQ(Entries(pTop), "|204|201 203|202|");
    // left of a's centre: before it; below every row: a new last row
    pFrame->RecalcLayout();
    rectA = ScreenRect(&a);
    pFrame->DockControlBar(&d, AFX_IDW_DOCKBAR_TOP, CRect(CPoint(rectA.left - 30, rectA.top), d.m_sizeHorz));
    EXPECT_EQ(Entries(pTop), "|204 201 203|202|");
    pFrame->DockControlBar(&d, AFX_IDW_DOCKBAR_TOP,
                           CRect(CPoint(rectA.left, ScreenRect(pTop).bottom + 5), d.m_sizeHorz));
    EXPECT_EQ(Entries(pTop), "|201 203|202|204|");

    b.ShowWindow(SW_HIDE);
    std::vector<UINT> ids;
    pTop->GetBarIDs(ids);
    EXPECT_EQ(ids, (std::vector<UINT>{201, 203, 0, 202 + 0x10000, 0, 204, 0}));

    // a place kept is one place: removing the bar again leaves no second placeholder
    pTop->m_arrBars.push_back(CDockBar::Entry::Placeholder(201));
    pTop->m_arrBars.push_back(CDockBar::Entry::RowEnd());
    EXPECT_TRUE(pTop->RemoveControlBar(&a, -1, TRUE));
    EXPECT_EQ(Entries(pTop), "|203|202|204|(201)|");
    EXPECT_FALSE(pTop->RemoveControlBar(&a)) << "no longer there";
}

TEST_F(DockingTest, ARowOfFixedSizeBarsKeepsTheirPlacesAndIsPushedBackInsideTheDockBar)
{
    CDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    EXPECT_EQ(ParentRect(&a), CRect(CPoint(0, 0), a.m_sizeHorz));
    EXPECT_EQ(ScreenRect(pTop).Height(), a.m_sizeHorz.cy);
    EXPECT_EQ(ScreenRect(pTop).Width(), rectClient.Width());
    EXPECT_EQ(ScreenRect(DockBar(AFX_IDW_DOCKBAR_LEFT)).Width(), 0) << "an empty dock bar takes no room";

    // dropped further along, b stays there; the row is as thick as b
    const CRect rectTop = ScreenRect(pTop);
    pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, CRect(CPoint(rectTop.left + 300, rectTop.top), b.m_sizeHorz));
    pFrame->RecalcLayout();
    EXPECT_EQ(ParentRect(&b), CRect(CPoint(300, 0), b.m_sizeHorz));
    EXPECT_EQ(ScreenRect(pTop).Height(), b.m_sizeHorz.cy);

    // c dropped near the end would run past it: it ends at the dock bar's end and pushes b back
    pFrame->DockControlBar(&c, AFX_IDW_DOCKBAR_TOP, CRect(CPoint(rectTop.right - 50, rectTop.top), c.m_sizeHorz));
    pFrame->RecalcLayout();
    const int nWidth = rectClient.Width();
    EXPECT_EQ(ParentRect(&c), CRect(CPoint(nWidth - 300, 0), c.m_sizeHorz));
    EXPECT_EQ(ParentRect(&b), CRect(CPoint(nWidth - 380, 0), b.m_sizeHorz));
    EXPECT_EQ(ParentRect(&a), CRect(CPoint(0, 0), a.m_sizeHorz));
}

// ---- floating frames -------------------------------------------------------------------------------------

TEST_F(DockingTest, AFloatedBarLiesInAMiniDockFrameAndDocksBackIntoTheFrameKeptForIt)
{
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    pFrame->FloatControlBar(&a, CPoint(300, 200));

    CDockBar* pFloating = a.GetDockBar();
    ASSERT_NE(pFloating, nullptr);
    EXPECT_TRUE(pFloating->m_bFloating);
    EXPECT_EQ(pFloating->GetDlgCtrlID(), AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_TRUE(a.IsFloating());
    EXPECT_EQ(a.GetBarStyle() & CBRS_ALIGN_ANY, DWORD(CBRS_ALIGN_TOP));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(a);
    ASSERT_NE(pMini, nullptr);
    const HWND hWndMini = pMini->m_hWnd;
    EXPECT_EQ(::GetWindow(hWndMini, GW_OWNER), hWndFrame);
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), CPoint(300, 200));
    EXPECT_TRUE(pMini->IsWindowVisible());
    CRect rectClient;
    pMini->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Size(), a.m_sizeHorz) << "the frame is sized around its bar";
    CString strTitle;
    pMini->GetWindowText(strTitle);
    EXPECT_STREQ(strTitle, "Bar 201");

    // the top dock bar keeps the bar's place and takes no room
    CDockBar* pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(Entries(pTop), "|(201)|");
    pFrame->RecalcLayout();
    EXPECT_EQ(ScreenRect(pTop).Height(), 0);

    pFrame->ReDockControlBar(&a);
    EXPECT_EQ(Entries(pTop), "|201|");
    EXPECT_FALSE(a.IsFloating());
    EXPECT_FALSE(::IsWindow(hWndMini)) << "a floating frame without bars goes";

    // a bar that may share its floating frame: the frame's dock bar takes CBRS_FLOAT_MULTI and no title
    b.EnableDocking(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    pFrame->FloatControlBar(&b, CPoint(300, 200), CBRS_ALIGN_TOP | CBRS_FLOAT_MULTI);
    EXPECT_TRUE(b.GetDockBar()->GetBarStyle() & CBRS_FLOAT_MULTI);
    FloatingFrameOf(b)->GetWindowText(strTitle);
    EXPECT_STREQ(strTitle, "");
}

TEST_F(DockingTest, AFloatingFrameHidesWithItsBarsClosesByHidingThemAndGoesWithTheLast)
{
    pFrame->FloatControlBar(&a, CPoint(300, 200));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(a);
    ASSERT_NE(pMini, nullptr);
    const HWND hWndMini = pMini->m_hWnd;

    const HMENU hSysMenu = ::GetSystemMenu(hWndMini, FALSE);
    for (UINT nGone : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        EXPECT_EQ(::GetMenuState(hSysMenu, nGone, MF_BYCOMMAND), UINT(-1)) << std::hex << nGone;
    EXPECT_NE(::GetMenuState(hSysMenu, SC_MOVE, MF_BYCOMMAND), UINT(-1));
    char szClose[32] = {};
    ::GetMenuStringA(hSysMenu, SC_CLOSE, szClose, sizeof(szClose), MF_BYCOMMAND);
    EXPECT_STREQ(szClose, "&Hide");

    pMini->SendMessage(WM_CLOSE);
    EXPECT_FALSE(a.IsWindowVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(hWndMini)) << "closing hides it";
    pFrame->ShowControlBar(&a, TRUE, FALSE);
    EXPECT_TRUE(pMini->IsWindowVisible());
    pFrame->ShowControlBar(&a, FALSE, FALSE);
    EXPECT_FALSE(pMini->IsWindowVisible()) << "no visible bar left";

    a.DestroyWindow();
    PumpWaitingMessages();
    EXPECT_FALSE(::IsWindow(hWndMini));
}

// The ways a floating bar is hidden: its frame's close box, Alt+F4 in its frame, and the frame's
// show or hide of the bar at once or on idle (a View item).
enum class HideWay { CloseBox, AltF4, Now, OnIdle };

class FloatingHideTest : public DockingTest {
protected:
    // Floats bar a with a box in it, as the panes' lists and name boxes, the frame in the foreground;
    // gives the floating frame and the box.
    std::pair<CMiniDockFrameWnd*, HWND> FloatWithABox()
    {
        pFrame->FloatControlBar(&a, CPoint(300, 200));
        const HWND hWndEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 2, 2, 60, 18,
                                                a.m_hWnd, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(hWndFrame);
        return {FloatingFrameOf(a), hWndEdit};
    }

    // Hides the floating bar the way asked.
    void HideFloating(CControlBar& bar, HideWay way)
    {
        CWnd* pMini = bar.GetParentFrame();
        switch (way) {
        case HideWay::CloseBox:
            pMini->SendMessage(WM_CLOSE);
            break;
        case HideWay::AltF4:
            pMini->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
            break;
        case HideWay::Now:
            pFrame->ShowControlBar(&bar, FALSE, FALSE);
            break;
        case HideWay::OnIdle:
            pFrame->ShowControlBar(&bar, FALSE, TRUE);
            app.OnIdle(0);
            break;
        }
    }
};

TEST_F(FloatingHideTest, ABarHiddenInItsFloatingFrameShowsThereAgainAtOnceOrOnIdle)
{
    pFrame->FloatControlBar(&a, CPoint(300, 200));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(a);
    ASSERT_NE(pMini, nullptr);
    const struct {
        const char* what;
        HideWay way;
    } cases[] = {{"close box", HideWay::CloseBox},
                 {"Alt+F4", HideWay::AltF4},
                 {"hidden at once", HideWay::Now},
                 {"hidden on idle", HideWay::OnIdle}};
    for (const auto& c : cases) {
        for (BOOL bDelayShow : {TRUE, FALSE}) {
            const char* how = bDelayShow ? "shown on idle" : "shown at once";
            HideFloating(a, c.way);
            EXPECT_FALSE(a.IsVisible()) << c.what;
            EXPECT_FALSE(pMini->IsWindowVisible()) << c.what;

            // what a View item does: shows the bar when it is hidden, the check follows at once
            pFrame->ShowControlBar(&a, !a.IsVisible(), bDelayShow);
            EXPECT_TRUE(a.IsVisible()) << c.what << ", " << how;
            app.OnIdle(0);
            EXPECT_TRUE(a.IsVisible()) << c.what << ", " << how;
            EXPECT_TRUE(a.IsWindowVisible()) << c.what << ", " << how;
            EXPECT_TRUE(pMini->IsWindowVisible()) << c.what << ", " << how;
            EXPECT_EQ(FloatingFrameOf(a), pMini) << c.what << ", " << how;
            EXPECT_EQ(ScreenRect(pMini).TopLeft(), CPoint(300, 200)) << "where it was: " << c.what << ", " << how;
        }
    }
}

TEST_F(FloatingHideTest, AFloatingFrameThatHidesGivesTheActivationAndTheFocusBackToItsFrame)
{
    const auto [pMini, hWndEdit] = FloatWithABox();
    ASSERT_NE(pMini, nullptr);
    ASSERT_NE(hWndEdit, nullptr);
    for (HideWay way : {HideWay::CloseBox, HideWay::AltF4, HideWay::Now, HideWay::OnIdle}) {
        const int nWay = int(way);
        pFrame->ShowControlBar(&a, TRUE, FALSE);
        ::SetActiveWindow(pMini->m_hWnd);
        ::SetFocus(hWndEdit);
        ASSERT_EQ(::GetActiveWindow(), pMini->m_hWnd) << nWay;
        ASSERT_EQ(::GetFocus(), hWndEdit) << nWay;
        HideFloating(a, way);
        PumpWaitingMessages();
        ASSERT_FALSE(pMini->IsWindowVisible()) << nWay;
        EXPECT_EQ(::GetActiveWindow(), hWndFrame) << nWay;
        const HWND hWndFocus = ::GetFocus();
        EXPECT_TRUE(hWndFocus != nullptr && ::IsWindowVisible(hWndFocus) && ::IsWindowEnabled(hWndFocus))
            << nWay << ": the focus is on " << hWndFocus;
    }
}

TEST_F(FloatingHideTest, AHiddenFloatingFrameMadeActiveGivesTheActivationBack)
{
    const auto [pMini, hWndEdit] = FloatWithABox();
    ASSERT_NE(pMini, nullptr);
    ASSERT_NE(hWndEdit, nullptr);
    HideFloating(a, HideWay::CloseBox);
    PumpWaitingMessages();
    ASSERT_FALSE(pMini->IsWindowVisible());
    // what the display did with a key after the close box: the hidden frame made active again
    ::SetActiveWindow(pMini->m_hWnd);
    PumpWaitingMessages();
    EXPECT_EQ(::GetActiveWindow(), hWndFrame);
    const HWND hWndFocus = ::GetFocus();
    EXPECT_TRUE(hWndFocus != nullptr && ::IsWindowVisible(hWndFocus)) << "the focus is on " << hWndFocus;
}

TEST_F(DockingTest, ADockedBarHiddenWithTheKeyboardInItLeavesTheFocusOnAWindowThatShows)
{
    const HWND hWndEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 2, 2, 60, 18,
                                            a.m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_NE(hWndEdit, nullptr);
    ::SetForegroundWindow(hWndFrame);
    for (BOOL bDelay : {FALSE, TRUE}) {
        pFrame->ShowControlBar(&a, TRUE, FALSE);
        ::SetFocus(hWndEdit);
        ASSERT_EQ(::GetFocus(), hWndEdit);
        pFrame->ShowControlBar(&a, FALSE, bDelay);
        app.OnIdle(0);
        PumpWaitingMessages();
        ASSERT_FALSE(a.IsWindowVisible()) << bDelay;
        const HWND hWndFocus = ::GetFocus();
        EXPECT_TRUE(hWndFocus != nullptr && ::IsWindowVisible(hWndFocus))
            << (bDelay ? "hidden on idle" : "hidden at once") << ": the focus is on " << hWndFocus;
    }
}

// A floating frame that notes the floating-status messages it is sent and its answers, and the moves
// in the z-order it asks of itself while it handles one (the display's own restacking, which can reach
// wine late on a busy machine, is left out).
class CStatusNoter : public CMiniFrameWnd {
public:
    std::vector<WPARAM> statuses;
    std::vector<LRESULT> answers;
    std::vector<WINDOWPOS> zOrderMoves;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WINDOWPOSCHANGING && m_nInFloatStatus > 0 &&
            !(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOZORDER))
            zOrderMoves.push_back(*reinterpret_cast<WINDOWPOS*>(lParam));
        m_nInFloatStatus += message == WM_FLOATSTATUS ? 1 : 0;
        const LRESULT lResult = CMiniFrameWnd::WindowProc(message, wParam, lParam);
        m_nInFloatStatus -= message == WM_FLOATSTATUS ? 1 : 0;
        if (message == WM_FLOATSTATUS) {
            statuses.push_back(wParam);
            answers.push_back(lResult);
        }
        return lResult;
    }

private:
    int m_nInFloatStatus = 0;
};

TEST_F(DockingTest, FloatingFramesFollowTheirFramesCaptionAndTheirStylesTurnBorderPresses)
{
    CStatusNoter* pSync = new CStatusNoter;
    ASSERT_TRUE(pSync->Create(nullptr, "sync", WS_CAPTION | MFS_SYNCACTIVE | MFS_MOVEFRAME, CRect(400, 300, 500, 360),
                              pFrame));
    CStatusNoter* pPlain = new CStatusNoter;
    ASSERT_TRUE(pPlain->Create(nullptr, "plain", WS_CAPTION | MFS_THICKFRAME, CRect(400, 100, 500, 160), pFrame));
    EXPECT_TRUE(pPlain->GetStyle() & WS_THICKFRAME);
    EXPECT_TRUE(pSync->GetExStyle() & WS_EX_TOOLWINDOW);

    pFrame->SendMessage(WM_NCACTIVATE, FALSE);
    pFrame->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_EQ(pSync->statuses, (std::vector<WPARAM>{FS_DEACTIVATE, FS_ACTIVATE}));
    EXPECT_EQ(pSync->answers, (std::vector<LRESULT>{TRUE, TRUE}));
    EXPECT_EQ(pPlain->answers, (std::vector<LRESULT>{0, 0})) << "only a synchronised frame follows";

    // with the move frame a press on the border moves the frame as on the caption
    const CRect rectSync = ScreenRect(pSync);
    const CPoint ptBorder(rectSync.left, rectSync.CenterPoint().y);
    EXPECT_EQ(pSync->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptBorder.x, ptBorder.y)), HTCAPTION);
    const CRect rectPlain = ScreenRect(pPlain);
    EXPECT_EQ(pPlain->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectPlain.left, rectPlain.CenterPoint().y)), HTLEFT);
    pSync->DestroyWindow();
    pPlain->DestroyWindow();
}

TEST_F(DockingTest, WhileOneOfItsFloatingFramesIsActiveAFramesCaptionStaysActive)
{
    CStatusNoter* pSync = new CStatusNoter;
    ASSERT_TRUE(pSync->Create(nullptr, "sync", WS_CAPTION | MFS_SYNCACTIVE, CRect(400, 300, 500, 360), pFrame));
    CStatusNoter* pOtherSync = new CStatusNoter;
    ASSERT_TRUE(pOtherSync->Create(nullptr, "other", WS_CAPTION | MFS_SYNCACTIVE, CRect(400, 100, 500, 160), pFrame));
    CStatusNoter* pPlain = new CStatusNoter;
    ASSERT_TRUE(pPlain->Create(nullptr, "plain", WS_CAPTION, CRect(200, 100, 300, 160), pFrame));
    // What the frame's floating frames are told when the frame loses the activation: FS_ACTIVATE while
    // its caption stays active.
    const auto shownOnDeactivation = [&] {
        pOtherSync->statuses.clear();
        pFrame->SendMessage(WM_NCACTIVATE, FALSE);
        return pOtherSync->statuses;
    };
    const auto activate = [](CWnd* pWnd, UINT nState, CWnd* pOther) {
        pWnd->SendMessage(WM_ACTIVATE, nState, reinterpret_cast<LPARAM>(pOther != nullptr ? pOther->m_hWnd : nullptr));
    };
    const std::vector<WPARAM> active = {FS_ACTIVATE};
    const std::vector<WPARAM> inactive = {FS_DEACTIVATE};
    EXPECT_EQ(shownOnDeactivation(), inactive);

    const struct {
        const char* what;
        CWnd* pNext;  // where the activation goes from the floating frame
        BOOL bStays;
    } cases[] = {{"another floating frame of the frame", pOtherSync, TRUE},
                 {"the frame", pFrame, TRUE},
                 {"a frame that does not follow", pPlain, FALSE},
                 {"no window of the program", nullptr, FALSE}};
    for (const auto& c : cases) {
        activate(pSync, WA_ACTIVE, pFrame);
        EXPECT_TRUE(pFrame->IsStayActive()) << c.what;
        EXPECT_EQ(shownOnDeactivation(), active) << c.what;
        activate(pSync, WA_INACTIVE, c.pNext);
        EXPECT_EQ(pFrame->IsStayActive(), c.bStays) << c.what;
        // the frame's own activation ends it
        activate(pFrame, WA_ACTIVE, pSync);
        EXPECT_FALSE(pFrame->IsStayActive()) << c.what;
        EXPECT_EQ(shownOnDeactivation(), inactive) << c.what;
    }
    // a floating frame without MFS_SYNCACTIVE leaves the frame as it is
    activate(pPlain, WA_ACTIVE, pFrame);
    EXPECT_FALSE(pFrame->IsStayActive());
    for (CWnd* pWnd : {static_cast<CWnd*>(pSync), static_cast<CWnd*>(pOtherSync), static_cast<CWnd*>(pPlain)})
        pWnd->DestroyWindow();
}

TEST_F(DockingTest, AFloatingFrameComesBackOnTopOnceItsFrameTurnedActive)
{
    // (the system keeps an owned window above its owner: a test cannot put it below, only see it come
    // back to the top)
    CStatusNoter* pSync = new CStatusNoter;
    ASSERT_TRUE(pSync->Create(nullptr, "sync", WS_CAPTION | WS_VISIBLE | MFS_SYNCACTIVE, CRect(400, 300, 500, 360),
                              pFrame));
    PumpWaitingMessages();
    pSync->zOrderMoves.clear();
    pFrame->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_TRUE(pSync->zOrderMoves.empty()); // not while the activation runs
    PumpWaitingMessages();
    // (the display may activate the frame once more on its own while messages are pumped, and with it
    // raise the floating frame again)
    ASSERT_GE(pSync->zOrderMoves.size(), 1u);
    for (const WINDOWPOS& pos : pSync->zOrderMoves) {
        EXPECT_EQ(pos.hwndInsertAfter, HWND_TOP);
        EXPECT_TRUE(pos.flags & SWP_NOACTIVATE);
    }
    // a hidden one stays where it is
    pSync->ShowWindow(SW_HIDE);
    pSync->zOrderMoves.clear();
    pFrame->SendMessage(WM_NCACTIVATE, TRUE);
    PumpWaitingMessages();
    EXPECT_TRUE(pSync->zOrderMoves.empty());
    pSync->DestroyWindow();
}

// ---- the dock context -------------------------------------------------------------------------------------

TEST_F(DockingTest, ADragIntoTheFrameFloatsTheBarWhereItsFloatingFrameWasShown)
{
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    const CRect rectBar = ScreenRect(&a);
    const CPoint ptStart = rectBar.TopLeft() + CSize(5, 5);
    const CPoint ptEnd = ClientOnScreen().CenterPoint();
    Drag(a, {ptEnd});

    ASSERT_TRUE(a.IsFloating());
    CRect rectBorders(0, 0, 0, 0);
    ::AdjustWindowRectEx(rectBorders, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    const CPoint ptFloat = rectBar.TopLeft() + CSize(rectBorders.left, rectBorders.top) + (ptEnd - ptStart);
    CDockContext* pContext = a.GetDockContext();
    EXPECT_EQ(pContext->m_ptMRUFloatPos, ptFloat);
    EXPECT_EQ(pContext->m_dwMRUFloatStyle, DWORD(CBRS_ALIGN_TOP));
    EXPECT_EQ(ScreenRect(FloatingFrameOf(a)).TopLeft(), ptFloat);
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|(201)|");
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DockingTest, ADragOntoAnEdgeDocksThereAndNotesWhereWhenBothRectanglesMeetTheDockBar)
{
    pFrame->FloatControlBar(&a, CPoint(250, 150));
    const CRect rectClient = ClientOnScreen();
    // a's horizontal rectangle (24 high) stays above the bottom edge, its vertical one (100 high)
    // reaches it: no dock bar agrees, the bar floats on
    const int xMiddle = rectClient.CenterPoint().x;
    Drag(a, {CPoint(xMiddle, rectClient.bottom - 60)});
    EXPECT_TRUE(a.IsFloating());

    // now both reach the bottom edge
    Drag(a, {CPoint(xMiddle, rectClient.bottom - 10)});
    ASSERT_FALSE(a.IsFloating());
    CDockBar* pBottom = DockBar(AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(a.GetDockBar(), pBottom);
    EXPECT_EQ(a.GetBarStyle() & CBRS_ALIGN_ANY, DWORD(CBRS_ALIGN_BOTTOM));
    CDockContext* pContext = a.GetDockContext();
    EXPECT_EQ(pContext->m_uMRUDockID, UINT(AFX_IDW_DOCKBAR_BOTTOM));
    // the horizontal rectangle, in the dock bar's coordinates as it was when the bar was dropped
    EXPECT_EQ(pContext->m_rectMRUDockPos.Size(), a.m_sizeHorz);
}

TEST_F(DockingTest, CtrlFloatsTheBarAndEscapeTheRightButtonOrAnotherCaptureChangeNothing)
{
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    const CRect rectBar = ScreenRect(&a);
    const CRect rectClient = ClientOnScreen();
    const CPoint ptLeftEdge(rectClient.left + 2, rectClient.top + 150);

    // given up: nothing moves
    const struct {
        UINT nEnd;
        WPARAM wEnd;
    } endings[] = {{WM_KEYDOWN, VK_ESCAPE}, {WM_RBUTTONDOWN, 0}};
    for (const auto& ending : endings) {
        Drag(a, {ptLeftEdge}, ending.nEnd, ending.wEnd);
        EXPECT_FALSE(a.IsFloating()) << ending.nEnd;
        EXPECT_EQ(ScreenRect(&a), rectBar) << ending.nEnd;
        EXPECT_EQ(a.GetDockBar(), DockBar(AFX_IDW_DOCKBAR_TOP));
    }

    // another window holds the capture: no drag starts (its messages stay in the queue)
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    other.SetCapture();
    Drag(a, {ptLeftEdge});
    EXPECT_EQ(::GetCapture(), other.m_hWnd);
    EXPECT_FALSE(a.IsFloating());
    ::ReleaseCapture();
    PumpWaitingMessages();
    other.DestroyWindow();

    // Ctrl held at the start: no dock bar counts
    fake.SetKeyState(VK_CONTROL, SHORT(0x8000));
    Drag(a, {ptLeftEdge});
    EXPECT_TRUE(a.IsFloating());
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT)->GetDockedCount(), 0);
}

TEST_F(DockingTest, ADoubleClickFloatsADockedBarAndDocksItBackIntoItsPlace)
{
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    const CRect rectA = ScreenRect(&a);
    a.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
    ASSERT_TRUE(a.IsFloating());
    // it never floated: its floating frame starts where the bar stood
    EXPECT_EQ(ScreenRect(FloatingFrameOf(a)).TopLeft(), rectA.TopLeft());
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|(201)|202|");

    a.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(a.IsFloating());
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|201|202|");

    // the caption of the floating frame of one bar toggles as well
    pFrame->FloatControlBar(&b, CPoint(300, 200));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(b);
    const CRect rectFrame = ScreenRect(pMini);
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rectFrame.left + 20, rectFrame.top + 4));
    EXPECT_FALSE(b.IsFloating());
    EXPECT_EQ(Entries(DockBar(AFX_IDW_DOCKBAR_TOP)), "|201|202|");
}

} // namespace
