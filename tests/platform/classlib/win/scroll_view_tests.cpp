// CScrollView: scroll sizes and their defaults, the scroll bars, the position within the drawing,
// the viewport origin for the screen and for printing, the metric mapping modes, and the mouse wheel
// (which the message loop hands to the window under the pointer).
#include "FakeServices.h"
#include "TestSupport.h"

namespace {

class CDrawingView : public CScrollView {
    DECLARE_DYNCREATE(CDrawingView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CDrawingView, CScrollView)

class ScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 320, 260)));
        hWndFrame = pFrame->m_hWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CDrawingView);
        pView = static_cast<CDrawingView*>(pFrame->CreateView(&context));
        ASSERT_NE(pView, nullptr);
        pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
    }

    CSize ClientSize() const
    {
        CRect rect;
        pView->GetClientRect(rect);
        return rect.Size();
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;
    CDrawingView* pView = nullptr;
};

TEST_F(ScrollViewTest, ALargeDrawingGetsBothBarsDefaultStepsAndAPositionWithinItsLimits)
{
    pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    EXPECT_TRUE(pView->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(pView->GetStyle() & WS_VSCROLL);
    int nMapMode = 0;
    SIZE total, page, line;
    pView->GetDeviceScrollSizes(nMapMode, total, page, line);
    EXPECT_EQ(CSize(page), CSize(100, 80)); // a tenth of the total
    EXPECT_EQ(CSize(line), CSize(10, 8));   // a tenth of the page

    const CSize client = ClientSize();
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(pView->GetScrollInfo(SB_HORZ, &info));
    EXPECT_EQ(info.nMax, 999);
    EXPECT_EQ(int(info.nPage), client.cx);

    pView->ScrollToPosition(CPoint(300, 200));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(300, 200));
    CClientDC dc(pView);
    pView->OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(-300, -200));
    // a printing DC draws from the drawing's origin
    dc.m_bPrinting = TRUE;
    pView->OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 0));

    pView->ScrollToPosition(CPoint(5000, -40));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(1000 - client.cx, 0));
    pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(1000 - client.cx, 80));
    pView->SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(1000 - client.cx, 72));

    // a drawing that fits needs no bars and scrolls nowhere
    pView->SetScrollSizes(MM_TEXT, CSize(50, 40));
    EXPECT_FALSE(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));
}

TEST_F(ScrollViewTest, MetricSizesAreKeptInPixelsAndTheLogicalPositionCountsYUpwards)
{
    pView->SetScrollSizes(MM_LOMETRIC, CSize(3000, 3000), CSize(500, 500), CSize(50, 50));
    EXPECT_EQ(pView->GetTotalSize(), CSize(3000, 3000));
    // the expected pixels from the screen's own conversion
    CWindowDC screen(nullptr);
    screen.SetMapMode(MM_LOMETRIC);
    CPoint ptTotal(3000, 3000);
    screen.LPtoDP(&ptTotal);
    int nMapMode = 0;
    SIZE total, page, line;
    pView->GetDeviceScrollSizes(nMapMode, total, page, line);
    EXPECT_EQ(nMapMode, MM_LOMETRIC);
    EXPECT_EQ(CSize(total), CSize(ptTotal.x, -ptTotal.y));

    CPoint ptDown(0, 1000);
    screen.LPtoDP(&ptDown); // negative logical y is down the page
    pView->ScrollToPosition(CPoint(0, -1000));
    EXPECT_EQ(pView->GetDeviceScrollPosition(), CPoint(0, -ptDown.y));
    EXPECT_LT(pView->GetScrollPosition().y, 0);

    ExpectInvalidArg([&] { pView->SetScrollSizes(MM_ANISOTROPIC, CSize(10, 10)); }, "mapping mode");
    ExpectInvalidArg([&] { pView->SetScrollSizes(MM_TEXT, CSize(-1, 10)); }, "negative size");
}

// The wheel turned by nDelta (WHEEL_DELTA a notch, negative towards the user) over the view.
void Wheel(CWnd* pWnd, int nDelta)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    pWnd->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, short(nDelta)), MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
}

// The lines a notch of the wheel scrolls, as the system is set.
int WheelLines()
{
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    return int(nLines);
}

TEST_F(ScrollViewTest, TheWheelScrollsTheSystemsLinesANotchDownOrElseAcross)
{
    ASSERT_GT(WheelLines(), 0);
    pView->SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(100, 100), CSize(10, 7));
    Wheel(pView, -WHEEL_DELTA);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 7 * WheelLines())) << "a notch towards the user: down";
    Wheel(pView, -WHEEL_DELTA / 2);
    Wheel(pView, -WHEEL_DELTA / 2);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 14 * WheelLines())) << "two half notches make one";
    Wheel(pView, 2 * WHEEL_DELTA);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));

    // a drawing only wider than the window scrolls across
    pView->SetScrollSizes(MM_TEXT, CSize(1000, 40), CSize(100, 100), CSize(10, 7));
    Wheel(pView, -WHEEL_DELTA);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(10 * WheelLines(), 0));

    // a drawing that fits stays
    pView->SetScrollSizes(MM_TEXT, CSize(50, 40));
    Wheel(pView, -WHEEL_DELTA);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));
}

TEST_F(ScrollViewTest, TheMessageLoopHandsTheWheelToTheWindowUnderThePointer)
{
    // the frame on top of whatever else the display shows, the focus in another window
    pFrame->SetWindowPos(&CWnd::wndTopMost, 600, 400, 320, 260, SWP_SHOWWINDOW);
    pFrame->UpdateWindow();
    pView->SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(100, 100), CSize(10, 7));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "Static", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 20, 20), nullptr, 0));
    other.SetFocus();

    CRect rect;
    pView->GetWindowRect(rect);
    ASSERT_EQ(::WindowFromPoint(rect.CenterPoint()), pView->m_hWnd);
    // as the system may send it: to the window with the focus
    other.PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, short(-WHEEL_DELTA)), MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_TRUE(app.PumpMessage());
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 7 * WheelLines()));
    other.DestroyWindow();
}

} // namespace
