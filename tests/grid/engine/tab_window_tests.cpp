// The tab window and its beam: the children a tab window makes, sheets added and switched with their
// consent and their scroll state, the beam's share of the width and the splitter box, renaming a
// sheet, the beam's painting, its scroll buttons and selection marks, and the tab-label interface.
#include "input_test_support.h"

#include "grid/engine/GXTabBeam.h"
#include "grid/engine/GXTabWnd.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A sheet that notes the tab window's messages to it and answers the questions.
class CTestSheet : public CWnd {
public:
    void Make(CWnd* pParent)
    {
        ASSERT_TRUE(CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 50, 50), pParent, 0));
    }
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        if (nMessage >= gxTabMsgActivate && nMessage <= gxTabMsgResizing) {
            m_messages.push_back({nMessage, wParam});
            if (nMessage == gxTabMsgCanRename)
                return m_lCanRename;
            if (nMessage == gxTabMsgCanSwitch)
                return m_lRefuseSwitch;
            return 0;
        }
        return CWnd::WindowProc(nMessage, wParam, lParam);
    }
    // The messages of one kind, by their wParam.
    std::vector<WPARAM> Got(UINT nMessage) const
    {
        std::vector<WPARAM> got;
        for (const auto& m : m_messages)
            if (m.first == nMessage)
                got.push_back(m.second);
        return got;
    }

    std::vector<std::pair<UINT, WPARAM>> m_messages;
    LRESULT m_lCanRename = 1;
    LRESULT m_lRefuseSwitch = 0;
};

// A beam whose window cannot be made.
class CFailingBeam : public CGXTabBeam {
    DECLARE_DYNCREATE(CFailingBeam)
public:
    BOOL Create(CWnd*, UINT, const RECT&, DWORD) override { return FALSE; }
};
IMPLEMENT_DYNCREATE(CFailingBeam, CGXTabBeam)

// A hidden top-level window of 400 by 300 client pixels holding a tab window that fills it, with
// sheets added on demand.
struct TabFixture {
    CFakeServices services;
    CWnd parent;
    CGXTabWnd tabs;
    std::vector<std::unique_ptr<CTestSheet>> sheets;

    explicit TabFixture(DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, BOOL bCreate = TRUE)
    {
        ReleaseModifierKeys(services);
        EXPECT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "tabs", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        if (bCreate) {
            EXPECT_TRUE(tabs.Create(&parent, dwStyle));
            Resize(400, 300);
        }
    }
    ~TabFixture()
    {
        tabs.DestroyWindow();
        parent.DestroyWindow();
    }
    void Resize(int cx, int cy) { tabs.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE); }
    CTestSheet& AddSheet(const char* pszLabel)
    {
        sheets.push_back(std::make_unique<CTestSheet>());
        sheets.back()->Make(&tabs);
        tabs.AttachWnd(sheets.back().get(), pszLabel);
        return *sheets.back();
    }
    CGXTabBeam& Beam() { return tabs.GetBeam(); }
    // A point inside tab nTab of the beam, in the beam's client coordinates (left of its label).
    CPoint InTab(int nTab) { return CPoint(Beam().GetTabLeft(nTab) + Beam().GetMargin() + 1, 4); }
    void Press(CWnd& wnd, UINT nMessage, CPoint point, UINT nFlags)
    {
        wnd.SendMessage(nMessage, nFlags, MAKELPARAM(point.x, point.y));
    }
    static SCROLLINFO Info(CScrollBar* pBar)
    {
        SCROLLINFO si = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        pBar->GetScrollInfo(&si, SIF_ALL);
        return si;
    }
    static void SetInfo(CScrollBar* pBar, int nMax, int nPos)
    {
        SCROLLINFO si = {sizeof(SCROLLINFO), SIF_RANGE | SIF_POS | SIF_PAGE, 0, nMax, 10, nPos, 0};
        pBar->SetScrollInfo(&si, FALSE);
    }
};

}  // namespace

TEST(TabWindow, CreationMakesTheBarsTheBeamAndASizeBoxOnlyInAFrame)
{
    TabFixture f;
    EXPECT_EQ(f.tabs.GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u) << "the bars are children, not the window's own";
    for (UINT nID : {0xEA00u, 0xEA10u, 0xEA01u})
        EXPECT_NE(f.tabs.GetDlgItem(int(nID)), nullptr) << std::hex << nID;
    EXPECT_EQ(f.tabs.GetDlgItem(0xEA20), nullptr) << "the parent is no frame";
    EXPECT_EQ(f.tabs.GetDlgItem(0xEA01), &f.tabs.GetBeam());
    EXPECT_EQ(GXGetLibraryState()->m_apOwnedObjects[0], GXGetTabWndInterface());

    // in a frame window, with only the horizontal bar
    auto* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CGXTabWnd inFrame;
    ASSERT_TRUE(inFrame.Create(pFrame, WS_CHILD | WS_VISIBLE | WS_HSCROLL));
    EXPECT_NE(inFrame.GetDlgItem(0xEA20), nullptr);
    EXPECT_FALSE(inFrame.GetDlgItem(0xEA10)->GetStyle() & WS_VISIBLE) << "a bar not asked for is hidden";
    EXPECT_EQ(inFrame.GetScrollBarCtrl(SB_VERT), nullptr);
    EXPECT_NE(inFrame.GetScrollBarCtrl(SB_HORZ), nullptr);
    inFrame.DestroyWindow();
    pFrame->DestroyWindow();

    // a beam that cannot be made: no tab window is left
    TabFixture failing(0, FALSE);
    failing.tabs.m_pBeamClass = RUNTIME_CLASS(CFailingBeam);
    EXPECT_FALSE(failing.tabs.Create(&failing.parent));
    EXPECT_EQ(failing.tabs.m_hWnd, nullptr);
    EXPECT_EQ(::GetWindow(failing.parent.m_hWnd, GW_CHILD), nullptr);
}

TEST(TabWindow, ATabWindowGivenASheetBeforeItHasAWindowMakesItInTheSheetsPlace)
{
    TabFixture f(0, FALSE);
    CTestSheet view;
    view.Make(&f.parent);
    view.SetWindowPos(nullptr, 10, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    f.tabs.AttachWnd(&view, "Sheet");
    ASSERT_NE(f.tabs.m_hWnd, nullptr);
    EXPECT_EQ(f.tabs.GetParent(), &f.parent);
    EXPECT_EQ(f.tabs.GetDlgCtrlID(), AFX_IDW_PANE_FIRST) << "the pane's place";
    CRect rect;
    f.tabs.GetWindowRect(&rect);
    f.parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 310, 220));
    EXPECT_TRUE(f.tabs.GetStyle() & WS_VISIBLE) << "shown as the sheet was";
    EXPECT_EQ(view.GetParent(), &f.tabs);
    EXPECT_EQ(f.tabs.GetActiveView(), &view);
    EXPECT_NE(f.tabs.GetScrollBarCtrl(SB_HORZ), nullptr);
    EXPECT_NE(f.tabs.GetScrollBarCtrl(SB_VERT), nullptr);

    // a sheet without a parent leaves nothing to take the place of
    CGXTabWnd alone;
    CWnd topLevel;
    ASSERT_TRUE(topLevel.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { alone.AttachWnd(&topLevel, "Top"); }));
    EXPECT_EQ(alone.m_hWnd, nullptr);
    topLevel.DestroyWindow();
}

TEST(TabWindow, ATemplateWindowOfTheClassMakesItsObjectAndChildren)
{
    TabFixture f(0, FALSE);
    HWND hWnd = ::CreateWindowExA(0, "CGXTabWnd", "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 300,
                                  200, f.parent.m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
    ASSERT_NE(hWnd, nullptr);
    auto* pTabs = dynamic_cast<CGXTabWnd*>(CWnd::FromHandlePermanent(hWnd));
    ASSERT_NE(pTabs, nullptr);
    EXPECT_NE(pTabs->GetDlgItem(GX_IDW_TABBEAM), nullptr);
    EXPECT_EQ(pTabs->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
    // the object goes with its window
    ::DestroyWindow(hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(TabWindow, SheetsSwitchWithTheirConsentAndKeepTheirScrollState)
{
    TabFixture f;
    CTestSheet& first = f.AddSheet("First");
    CTestSheet& second = f.AddSheet("Second");
    EXPECT_EQ(f.tabs.GetActiveView(), &first);
    EXPECT_TRUE(first.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(second.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(first.Got(gxTabMsgAdded), std::vector<WPARAM>({0}));
    EXPECT_EQ(second.Got(gxTabMsgAdded), std::vector<WPARAM>({1}));
    EXPECT_TRUE(first.Got(gxTabMsgCanSwitch).empty()) << "the first sheet is not asked";
    EXPECT_EQ(GXGetLibraryState()->FindRegisteredParent(&first), &f.tabs) << "a grid view finds its tab window";

    CScrollBar* pVert = f.tabs.GetScrollBarCtrl(SB_VERT);
    CScrollBar* pHorz = f.tabs.GetScrollBarCtrl(SB_HORZ);
    TabFixture::SetInfo(pVert, 100, 40);
    TabFixture::SetInfo(pHorz, 30, 7);
    ASSERT_TRUE(f.tabs.ActivateTab(&second));
    EXPECT_EQ(first.Got(gxTabMsgCanSwitch), std::vector<WPARAM>({0}));
    EXPECT_EQ(second.Got(gxTabMsgCanSwitch), std::vector<WPARAM>({1}));
    EXPECT_EQ(f.Beam().GetActiveTab(), 1);
    EXPECT_FALSE(first.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(second.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pVert->IsWindowEnabled()) << "the new sheet has no range";
    TabFixture::SetInfo(pVert, 50, 10);

    // a refusal keeps the user on the sheet
    second.m_lRefuseSwitch = 1;
    EXPECT_FALSE(f.tabs.ActivateTab(&first));
    EXPECT_EQ(f.tabs.GetActiveView(), &second);
    EXPECT_EQ(f.Beam().GetActiveTab(), 1);
    second.m_lRefuseSwitch = 0;
    first.m_lRefuseSwitch = 1;
    EXPECT_FALSE(f.tabs.ActivateTab(&first)) << "nor may the new sheet be entered";
    first.m_lRefuseSwitch = 0;

    ASSERT_TRUE(f.tabs.ActivateTab(&first));
    EXPECT_EQ(TabFixture::Info(pVert).nMax, 100);
    EXPECT_EQ(TabFixture::Info(pVert).nPos, 40);
    EXPECT_EQ(TabFixture::Info(pHorz).nPos, 7);
    EXPECT_TRUE(pVert->IsWindowEnabled());
    ASSERT_TRUE(f.tabs.ActivateTab(&second));
    EXPECT_EQ(TabFixture::Info(pVert).nMax, 50);
    EXPECT_EQ(TabFixture::Info(pVert).nPos, 10);

    // a press on a tab switches through the posted activation
    f.Press(f.Beam(), WM_LBUTTONDOWN, f.InTab(0), MK_LBUTTON);
    PumpWaitingMessages();
    EXPECT_EQ(f.tabs.GetActiveView(), &first);
}

TEST(TabWindow, TheBeamKeepsItsShareAndTheSplitterBoxItsLimits)
{
    TabFixture f(WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, FALSE);
    // laid out at a width of 0 first: still half of the width known later
    ASSERT_TRUE(f.tabs.Create(&f.parent));
    EXPECT_EQ(f.tabs.GetBeamWidth(), 0);
    f.Resize(400, 300);
    EXPECT_EQ(f.tabs.GetBeamWidth(), 200);
    f.Resize(600, 300);
    const int nArea = f.Beam().GetButtonAreaWidth();
    const LONGLONG e = LONGLONG(nArea - 20) * 100;
    EXPECT_EQ(f.tabs.GetBeamWidth(), int((600LL * (20000 - e) / 400 + e) / 100));
    CRect rectBeam;
    f.Beam().GetWindowRect(&rectBeam);
    EXPECT_EQ(rectBeam.Width(), f.tabs.GetBeamWidth());

    // the splitter box dragged to either end
    CRect rectClient;
    f.tabs.GetClientRect(&rectClient);
    const int nBeamHeight = ::GetSystemMetrics(SM_CYHSCROLL) + 2;
    const CPoint grab = f.tabs.GetSplitterRect().CenterPoint();
    const int nOffset = grab.x - f.tabs.GetBeamWidth();
    f.Press(f.tabs, WM_LBUTTONDOWN, grab, MK_LBUTTON);
    f.Press(f.tabs, WM_MOUSEMOVE, CPoint(0, grab.y), MK_LBUTTON);
    EXPECT_EQ(f.tabs.GetBeamWidth(), nArea + 20);
    f.Press(f.tabs, WM_MOUSEMOVE, CPoint(rectClient.right + 50, grab.y), MK_LBUTTON);
    EXPECT_EQ(f.tabs.GetBeamWidth(), rectClient.right - 2 * nBeamHeight);
    f.Press(f.tabs, WM_MOUSEMOVE, CPoint(300, grab.y), MK_LBUTTON);
    f.Press(f.tabs, WM_LBUTTONUP, CPoint(300, grab.y), 0);
    const int nDragged = f.tabs.GetBeamWidth();
    EXPECT_EQ(nDragged, 300 - nOffset) << "the box keeps the place it was taken at";
    EXPECT_NE(::GetCapture(), f.tabs.m_hWnd);
    // and the share it left is kept
    f.Resize(300, 300);
    EXPECT_EQ(f.tabs.GetBeamWidth(), int((300LL * (LONGLONG(nDragged) * 100 - e) / 600 + e) / 100));
}

TEST(TabWindow, ADoubleClickOnTheActiveTabRenamesItsSheet)
{
    TabFixture f;
    CTestSheet& sheet = f.AddSheet("Sheet");
    f.AddSheet("Other");
    f.Press(f.Beam(), WM_LBUTTONDBLCLK, f.InTab(0), MK_LBUTTON);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, f.tabs.m_hWnd, gxTabMsgRename, gxTabMsgRename, PM_NOREMOVE))
        << "the beam posts the request";
    PumpWaitingMessages();
    CGXEditLabelPopup* pEdit = f.tabs.GetEditLabel();
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetDlgCtrlID(), 23001);
    EXPECT_EQ(sheet.Got(gxTabMsgCanRename), std::vector<WPARAM>({0}));
    CString strText;
    pEdit->GetWindowText(strText);
    EXPECT_EQ(strText, "Sheet");
    CRect rectEdit;
    pEdit->GetWindowRect(&rectEdit);
    {
        CClientDC dc(nullptr);
        CFont* pOld = dc.SelectObject(&f.Beam().GetNormalFont());
        EXPECT_EQ(rectEdit.Width(), 15 * dc.GetTextExtent("W", 1).cx);
        dc.SelectObject(pOld);
    }

    // Enter takes the new label
    pEdit->SetWindowText("Renamed");
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(f.tabs.GetEditLabel(), nullptr);
    EXPECT_EQ(f.tabs.GetDlgItem(23001), nullptr);
    EXPECT_EQ(f.Beam().GetTab(0).m_strLabel, "Renamed");
    EXPECT_EQ(sheet.Got(gxTabMsgRenamed), std::vector<WPARAM>({0}));

    // Escape, and a scroll of the beam, leave it
    f.tabs.SendMessage(gxTabMsgRename, 0);
    ASSERT_NE(f.tabs.GetEditLabel(), nullptr);
    f.tabs.GetEditLabel()->SetWindowText("Lost");
    f.tabs.GetEditLabel()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(f.tabs.GetEditLabel(), nullptr);
    f.tabs.SendMessage(gxTabMsgRename, 0);
    ASSERT_NE(f.tabs.GetEditLabel(), nullptr);
    for (int i = 0; i < 30; ++i)
        f.Beam().InsertTab(FALSE, "More sheets", nullptr);
    ASSERT_TRUE(f.Beam().ScrollTabs(CGXTabBeam::gxScrollNext));
    EXPECT_EQ(f.tabs.GetEditLabel(), nullptr);
    EXPECT_EQ(f.Beam().GetTab(0).m_strLabel, "Renamed");

    // a sheet that keeps its label
    sheet.m_lCanRename = 0;
    f.tabs.SendMessage(gxTabMsgRename, 0);
    EXPECT_EQ(f.tabs.GetEditLabel(), nullptr);
}

TEST(TabBeam, TheActiveTabIsLitTheOthersFacedAndTheArrowsGreyWhenTheyCannotScroll)
{
    TabFixture f;
    f.AddSheet("Active");
    f.AddSheet("Other");
    CGXTabBeam& beam = f.Beam();
    CRect rect;
    beam.GetClientRect(&rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    beam.DrawBeam(&canvas.dc, rect);
    const int h = beam.GetBeamHeight();
    EXPECT_EQ(canvas.At(f.InTab(0).x, h / 2), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(canvas.At(f.InTab(1).x, h / 2), ::GetSysColor(COLOR_BTNFACE));
    const int xEnd = beam.GetTabLeft(1) + beam.GetTab(1).m_nWidth + 2 * beam.GetMargin();
    EXPECT_EQ(canvas.At(xEnd + 5, h / 2), ::GetSysColor(COLOR_SCROLLBAR)) << "after the last tab";
    EXPECT_EQ(canvas.At(xEnd + 5, 0), RGB(0, 0, 0)) << "the line along the top";

    // a tab is its label's bold extent plus the margin
    LOGFONTA lf = {};
    f.Beam().GetBoldFont().GetObject(sizeof lf, &lf);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    {
        CClientDC dc(nullptr);
        CFont* pOld = dc.SelectObject(&f.Beam().GetBoldFont());
        EXPECT_EQ(beam.GetTab(0).m_nWidth, dc.GetTextExtent("Active", 6).cx + 7);
        dc.SelectObject(pOld);
    }

    // the arrows: both grey while everything fits, "next" black when more tabs follow
    auto arrowColours = [&](int nButton) {
        DibCanvas buttons(rect.Width(), rect.Height());
        beam.DrawBeam(&buttons.dc, rect);
        int nBlack = 0, nGrey = 0;
        for (int y = 2; y < h - 2; ++y)
            for (int x = nButton * h + 2; x < (nButton + 1) * h - 2; ++x) {
                nBlack += buttons.At(x, y) == RGB(0, 0, 0);
                nGrey += buttons.At(x, y) == RGB(0x60, 0x60, 0x60);
            }
        return std::make_pair(nBlack, nGrey);
    };
    EXPECT_EQ(arrowColours(0).first, 0);
    EXPECT_GE(arrowColours(0).second, 16) << "previous: 1 + 3 + 5 + 7 grey pixels";
    EXPECT_EQ(arrowColours(1).first, 0);
    for (int i = 0; i < 30; ++i)
        beam.InsertTab(FALSE, "More sheets", nullptr);
    EXPECT_EQ(arrowColours(0).first, 0);
    EXPECT_GE(arrowColours(1).first, 16);
}

// A services object whose tick count advances 20 ms each time it is read and that releases the mouse
// button once nRelease is reached; the beam notes the tick of each scroll.
class CTickingServices : public CFakeServices {
public:
    DWORD GetTickCount() override
    {
        m_dwNow += 20;
        if (m_dwNow >= m_dwRelease && m_pReleaseWnd != nullptr) {
            m_pReleaseWnd->PostMessage(WM_LBUTTONUP, 0, 0);
            m_pReleaseWnd = nullptr;
        }
        return m_dwNow;
    }
    DWORD m_dwNow = 1000;
    DWORD m_dwRelease = 0;
    CWnd* m_pReleaseWnd = nullptr;
};

class CTimedBeam : public CGXTabBeam {
public:
    explicit CTimedBeam(CTickingServices& services) : m_services(services) {}
    BOOL ScrollTabs(int nKind) override
    {
        m_scrolls.push_back(m_services.m_dwNow);
        return CGXTabBeam::ScrollTabs(nKind);
    }
    CTickingServices& m_services;
    std::vector<DWORD> m_scrolls;
};

TEST(TabBeam, AHeldButtonRepeatsSoonerEachTimeAndStopsWhereTheLastTabsFillTheBeam)
{
    CTickingServices services;
    ReleaseModifierKeys(services);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "beam", WS_POPUP, 0, 0, 400, 30, nullptr, nullptr));
    CTimedBeam beam(services);
    ASSERT_TRUE(beam.Create(&parent, 1, CRect(0, 0, 300, 20)));
    for (int i = 0; i < 40; ++i)
        beam.InsertTab(FALSE, "Sheet", nullptr);
    services.m_dwRelease = 2100;
    services.m_pReleaseWnd = &beam;
    const int h = beam.GetBeamHeight();
    beam.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(h + h / 2, h / 2));
    ASSERT_GE(beam.m_scrolls.size(), 8u);
    const DWORD t0 = beam.m_scrolls[0];
    const std::vector<DWORD> expected = {0, 200, 380, 540, 680, 800, 900, 1000};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(beam.m_scrolls[i] - t0, expected[i]) << i;
    EXPECT_NE(::GetCapture(), beam.m_hWnd) << "the release ends it";

    // scrolling stops where the last tabs fill the beam
    while (beam.ScrollTabs(CGXTabBeam::gxScrollNext)) {
    }
    const int nLast = beam.GetTabCount() - 1;
    const int nWidth = beam.GetTab(0).m_nWidth, m = beam.GetMargin();
    EXPECT_LE(beam.GetTabLeft(nLast) + nWidth + 2 * m, 300);
    EXPECT_GT(beam.GetTabLeft(nLast) + nWidth + 2 * m + nWidth + m, 300) << "one tab more would not fit";
    EXPECT_FALSE(beam.CanScroll(CGXTabBeam::gxScrollLast));
    beam.ScrollTabs(CGXTabBeam::gxScrollFirst);
    EXPECT_EQ(beam.GetFirstVisibleTab(), 0);
    beam.DestroyWindow();
    parent.DestroyWindow();
}

TEST(TabBeam, CtrlTogglesATabsMarkAndShiftMarksFromTheActiveTab)
{
    TabFixture f;
    for (const char* pszLabel : {"A", "B", "C", "D"})
        f.AddSheet(pszLabel);
    CGXTabBeam& beam = f.Beam();
    auto marks = [&] {
        std::string s;
        for (int i = 0; i < beam.GetTabCount(); ++i)
            s += beam.GetTab(i).m_bSelected ? '*' : '-';
        return s;
    };
    f.Press(beam, WM_LBUTTONDOWN, f.InTab(2), MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(marks(), "--*-");
    EXPECT_EQ(beam.GetActiveTab(), 0) << "Ctrl does not switch";
    f.Press(beam, WM_LBUTTONDOWN, f.InTab(2), MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(marks(), "----");
    f.Press(beam, WM_LBUTTONDOWN, f.InTab(3), MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(marks(), "****");
    // a plain press on a marked tab keeps the marks, on another clears them
    f.Press(beam, WM_LBUTTONDOWN, f.InTab(1), MK_LBUTTON);
    EXPECT_EQ(marks(), "****");
    EXPECT_EQ(beam.GetActiveTab(), 1);
    beam.GetTab(2).m_bSelected = FALSE;
    f.Press(beam, WM_LBUTTONDOWN, f.InTab(2), MK_LBUTTON);
    EXPECT_EQ(marks(), "----");
    PumpWaitingMessages();
}

TEST(TabWindow, TheTabLabelInterfaceReadsAndSetsTheLabelOfAWindowsTab)
{
    TabFixture f;
    CTestSheet& sheet = f.AddSheet("Sheet");
    f.AddSheet("Other");
    CGXTabWndInterface* pInterface = GXGetTabWndInterface();
    CString strLabel;
    EXPECT_TRUE(pInterface->TabLabel(&sheet, strLabel, FALSE));
    EXPECT_EQ(strLabel, "Sheet");
    strLabel = "Changed";
    EXPECT_TRUE(pInterface->TabLabel(&sheet, strLabel, TRUE));
    EXPECT_EQ(f.Beam().GetTab(0).m_strLabel, "Changed");
    EXPECT_TRUE(pInterface->TabLabelAt(&sheet, 1, strLabel));
    EXPECT_EQ(strLabel, "Other");

    // a window outside any tab window
    CTestSheet outside;
    outside.Make(&f.parent);
    strLabel = "stale";
    EXPECT_FALSE(pInterface->TabLabel(&outside, strLabel, FALSE));
    EXPECT_TRUE(strLabel.IsEmpty());
    strLabel = "stale";
    EXPECT_FALSE(pInterface->TabLabelAt(&outside, 0, strLabel));
    EXPECT_TRUE(strLabel.IsEmpty());
}
