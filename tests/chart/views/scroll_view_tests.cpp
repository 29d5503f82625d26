// The scrolling chart views and the rectangle tracker: the scroll area, mouse positions moved by the
// scroll position, zoom bands only on displays, Copy of the whole area, printing, and the variant that
// shows a chart it is given.
#include "wine_gtest.h"

#include <memory>
#include <string>
#include <vector>

#include "ChartViewTestSupport.h"

#include "chart/engine/components/DEDizedBackground.h"
#include "chart/views/SRGRectTracker.h"
#include "chart/views/SRGScrollView.h"

namespace {

// A scrolling view whose protected steps the tests call.
class TestScrollView : public SRGScrollView {
    DECLARE_DYNCREATE(TestScrollView)
public:
    using SRGScrollView::OnBeginPrinting;
    using SRGScrollView::OnEndPrinting;
};
IMPLEMENT_DYNCREATE(TestScrollView, SRGScrollView)

// The frame showing the document in a scrolling view.
class ScrollViewTest : public ChartFrameTest {
protected:
    // Makes the view (after the chart is built) and gives it its initial update.
    void MakeView()
    {
        pView = static_cast<TestScrollView*>(ChartFrameTest::MakeView(RUNTIME_CLASS(TestScrollView)));
        ASSERT_NE(pView, nullptr);
        pView->SendMessage(WM_INITIALUPDATE);
        Paint();
    }

    TestScrollView* pView = nullptr;
};

// A window that keeps the messages a tracker sends it, in order.
class TrackerOwner : public CWnd {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Received> received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SRGRectTracker::kAdjustMessage || message == SRGRectTracker::kChangedMessage)
            received.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST_F(ScrollViewTest, AChartWithoutAFixedRectangleScrollsOver1024By768WithTheWheelTooAndOneWithItsOwnOverThat)
{
    AddValueDisplay(Chart());
    MakeView();
    EXPECT_TRUE(Chart().GetFixedRectFlag());
    EXPECT_EQ(Chart().GetFixedRect(), CRect(0, 0, 1024, 768));
    EXPECT_EQ(pView->GetTotalSize(), CSize(1024, 768));
    // the window is smaller: both scroll bars show
    EXPECT_NE(pView->GetStyle() & WS_HSCROLL, 0u);
    EXPECT_NE(pView->GetStyle() & WS_VSCROLL, 0u);
    // and the mouse wheel scrolls it down
    pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, short(-WHEEL_DELTA)), 0);
    EXPECT_GT(pView->GetScrollPosition().y, 0);
    EXPECT_EQ(pView->GetScrollPosition().x, 0);

    Chart().SetFixedRect(CRect(0, 0, 300, 200));
    pView->SendMessage(WM_INITIALUPDATE);
    EXPECT_EQ(pView->GetTotalSize(), CSize(300, 200));
    EXPECT_EQ(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
}

TEST_F(ScrollViewTest, MousePositionsAreMovedByTheScrollPositionBeforeTheyAreUsed)
{
    AddValueDisplay(Chart());
    SetGroupValues(Chart(), 0, {0.0, 0.25, 0.5});
    MakeView();
    pView->EnableDragTip(1);
    pView->ScrollToPosition(CPoint(0, 100));
    Paint();
    // the three-point chart's point (210, 178) stands 100 pixels higher in the window
    Mouse(WM_LBUTTONDOWN, 210, 78, MK_LBUTTON);
    ASSERT_TRUE(pView->IsValueDragActive());
    EXPECT_EQ(pView->GetPickedIndex(), 1);
    EXPECT_EQ(pView->GetPickedGroup(), 0);
    Mouse(WM_MOUSEMOVE, 210, 50, MK_LBUTTON);
    EXPECT_NEAR(Chart().GetValue(1, 0), 0.39, 1e-12);
    ASSERT_EQ(server.log.size(), 1u);
    EXPECT_EQ(server.log[0].record.nIndex, 2);
    // the tip stands at the mouse in the window
    EXPECT_EQ(pView->GetTip().GetAnchor(), Screen(210, 50));
    Mouse(WM_LBUTTONUP, 210, 50);
}

TEST_F(ScrollViewTest, AZoomBandStartsOnlyOnADisplay)
{
    AddValueDisplay(Chart());
    SetGroupValues(Chart(), 0, {0.0, 0.25, 0.5});
    MakeView();
    struct Case {
        int x, y;
        bool bBand;
    };
    for (const Case& c : {Case{300, 60, true}, Case{450, 300, false}, Case{480, 10, false}}) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        Mouse(WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
        EXPECT_EQ(pView->IsBandActive() != 0, c.bBand);
        Mouse(WM_LBUTTONUP, c.x, c.y);
    }
}

TEST_F(ScrollViewTest, CopyPutsTheWholeScrollAreaOnTheClipboard)
{
    AddBackground(Chart(), RGB(10, 120, 200));
    MakeView();
    pView->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    ASSERT_TRUE(::OpenClipboard(pView->m_hWnd));
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    int nWidth = 0, nHeight = 0;
    const std::vector<uint32_t> pixels = BitmapPixels(hBitmap, nWidth, nHeight);
    ::CloseClipboard();
    EXPECT_EQ(nWidth, 1024);
    EXPECT_EQ(nHeight, 768);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels.back(), 0x0A78C8u); // the far corner, which the window does not show
}

TEST_F(ScrollViewTest, PrintingAtAPageSizePutsTheChartsOwnRectangleBackAndRepaints)
{
    AddBackground(Chart(), RGB(10, 120, 200));
    MakeView();
    Chart().SetFixedRectAlignment(0x13);
    pView->m_bUsePageSize = 1;
    pView->m_nPaperIndex = 0;
    FakePrinter printer{"Office printer", 600, 800, 100, 100};
    fake.ExpectPrintDialog(IDOK, &printer);
    pView->ValidateRect(nullptr);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    // printed at the paper's size, placed at the middle
    EXPECT_EQ(fake.PrinterDCs().back()->PixelAt(300, 400), RGB(10, 120, 200));
    EXPECT_EQ(fake.PrinterDCs().back()->PixelAt(5, 5), RGB(255, 255, 255));
    EXPECT_TRUE(Chart().GetFixedRectFlag());
    EXPECT_EQ(Chart().GetFixedRect(), CRect(0, 0, 1024, 768));
    EXPECT_EQ(Chart().GetFixedRectAlignment(), 0x13);
    CRect update;
    EXPECT_TRUE(pView->GetUpdateRect(&update));

    // a chart that had no fixed rectangle has none afterwards
    Chart().SetFixedRectFlag(0);
    CFakePrinterDC page(600, 800, 100, 100);
    CPrintInfo info;
    pView->OnBeginPrinting(&page, &info);
    EXPECT_TRUE(Chart().GetFixedRectFlag());
    pView->OnEndPrinting(&page, &info);
    EXPECT_FALSE(Chart().GetFixedRectFlag());
    EXPECT_EQ(Chart().GetFixedRectAlignment(), 0);
}

TEST_F(ScrollViewTest, AGivenChartsViewFindsTheLastComponentUnderAPointAndActivatesAtOnce)
{
    DEDized chart;
    DEDizedBackground* pBackground = new DEDizedBackground;
    pBackground->SetRectFromRECT(CRect(0, 0, 200, 150));
    chart.AddComponent(pBackground);
    DEDizedDisplay* pDisplay = AddValueDisplay(chart, CRect(20, 20, 120, 100));
    pDisplay->SetRectFromRECT(CRect(20, 20, 120, 100));

    SREScrollView* pGiven = new SREScrollView;
    pGiven->SetAutoDelete(1);
    ASSERT_TRUE(pGiven->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), pFrame, 1));
    EXPECT_EQ(pGiven->HitComponent(50, 50), nullptr); // no chart yet
    pGiven->SetChart(&chart);
    EXPECT_EQ(pGiven->GetGraph(), &chart);
    EXPECT_EQ(pGiven->HitComponent(50, 50), pDisplay);
    EXPECT_EQ(pGiven->HitComponent(150, 120), pBackground);
    EXPECT_EQ(pGiven->HitComponent(250, 170), nullptr);
    EXPECT_EQ(pGiven->SendMessage(WM_MOUSEACTIVATE, WPARAM(pFrame->m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_ACTIVATE);
    pGiven->DestroyWindow();
}

TEST_F(ScrollViewTest, AGivenChartsViewNamesItsPrintJobAfterItsParentOrNoNameDocument)
{
    DEDized chart;
    AddBackground(chart, RGB(10, 120, 200));
    pFrame->SetWindowText("Preview frame");
    FakePrinter printer{"Office printer", 600, 800, 100, 100};
    for (const bool bParent : {true, false}) {
        SCOPED_TRACE(bParent);
        SREScrollView* pGiven = new SREScrollView;
        pGiven->SetAutoDelete(1);
        pGiven->SetChart(&chart);
        ASSERT_TRUE(bParent ? pGiven->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 300, 200), pFrame, 1)
                            : pGiven->CreateEx(0, nullptr, nullptr, WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
        fake.ExpectPrintDialog(IDOK, &printer);
        pGiven->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        ASSERT_FALSE(fake.PrinterDCs().empty());
        EXPECT_EQ(fake.PrinterDCs().back()->DocCalls().front(),
                  std::string("StartDoc ") + (bParent ? "Preview frame" : "No name document"));
        pGiven->DestroyWindow();
    }
}

TEST_F(ScrollViewTest, PrintingThroughThePageSetupUsesItsChoiceOnceAndKeepsTheViewsOwn)
{
    DEDized chart;
    AddBackground(chart, RGB(10, 120, 200));
    SREScrollView* pGiven = new SREScrollView;
    pGiven->SetAutoDelete(1);
    pGiven->SetChart(&chart);
    ASSERT_TRUE(pGiven->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), pFrame, 1));
    fake.ExpectModal([](CDialog& dialog) {
        dialog.CheckDlgButton(IDC_CHART_USE_PAGE_SIZE, BST_CHECKED);
        dialog.SendDlgItemMessage(IDC_CHART_PAPER, CB_SETCURSEL, 0); // 320 by 240
        dialog.CheckRadioButton(IDC_CHART_VERTICAL_FIRST, IDC_CHART_VERTICAL_FIRST + 2, IDC_CHART_VERTICAL_FIRST);
        dialog.CheckRadioButton(IDC_CHART_HORIZONTAL_FIRST, IDC_CHART_HORIZONTAL_FIRST + 2, IDC_CHART_HORIZONTAL_FIRST);
        ClickButton(dialog, IDOK);
    });
    FakePrinter printer{"Office printer", 600, 800, 100, 100};
    fake.ExpectPrintDialog(IDOK, &printer);
    pGiven->PrintWithPageSetup();
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    EXPECT_EQ(fake.PrinterDCs().back()->PixelAt(310, 230), RGB(10, 120, 200));
    EXPECT_EQ(fake.PrinterDCs().back()->PixelAt(330, 250), RGB(255, 255, 255));
    EXPECT_EQ(pGiven->m_bUsePageSize, 0);
    EXPECT_EQ(pGiven->m_nVertical, 1);
    pGiven->DestroyWindow();
}

TEST_F(ScrollViewTest, TheTrackerTellsItsOwnerBeforeEachAdjustmentAndAfterEachChange)
{
    TrackerOwner owner;
    ASSERT_TRUE(owner.Create(nullptr, "owner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), pFrame, 2));
    SRGRectTracker tracker(&owner);
    tracker.m_rect = CRect(50, 50, 150, 150);
    tracker.m_nStyle = CRectTracker::solidLine;
    CPoint from(100, 100), to(130, 110);
    owner.ClientToScreen(&from);
    owner.ClientToScreen(&to);
    PostDrag(owner, {to});
    ASSERT_TRUE(tracker.Track(&owner, CPoint(100, 100)));
    EXPECT_EQ(tracker.m_rect, CRect(80, 60, 180, 160));
    ASSERT_GE(owner.received.size(), 2u);
    EXPECT_EQ(owner.received[0].message, UINT(WM_USER + 16));
    EXPECT_EQ(owner.received[0].wParam, WPARAM(CRectTracker::hitMiddle));
    EXPECT_NE(owner.received[0].lParam, 0);
    EXPECT_EQ(owner.received[1].message, UINT(WM_USER + 15));
    EXPECT_EQ(owner.received[1].wParam, 0u);
    EXPECT_EQ(owner.received[1].lParam, 0);
    owner.DestroyWindow();
}
