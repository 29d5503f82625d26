// The chart view's mouse: value dragging, the tips, the zoom band, zooming and its undo.
#include "wine_gtest.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChartViewTestSupport.h"

#include "chart/engine/DEDizedData.h"
#include "chart/views/ChartViewDialogs.h"

namespace {

// A command item that keeps the enable state an update handler gives it.
class EnableProbe : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    BOOL bEnabled = -1;
};

using ChartViewMouse = ChartViewTest;

} // namespace

TEST_F(ChartViewMouse, DraggingAPointStoresTheValueUnderTheMouseAndPassesItOn)
{
    MakeValueChart();
    pView->EnableDragTip(1);
    Mouse(WM_LBUTTONDOWN, 210, 178, MK_LBUTTON);
    ASSERT_TRUE(pView->IsValueDragActive());
    EXPECT_EQ(pView->GetPickedIndex(), 1);
    EXPECT_EQ(pView->GetPickedGroup(), 0);
    EXPECT_FALSE(pView->IsBandActive());

    pView->ValidateRect(nullptr);
    Mouse(WM_MOUSEMOVE, 210, 150, MK_LBUTTON);
    EXPECT_NEAR(Chart().GetValue(1, 0), 0.39, 1e-12);
    EXPECT_DOUBLE_EQ(Chart().GetValue(0, 0), 0.0);
    ASSERT_EQ(server.log.size(), 1u);
    EXPECT_EQ(server.log[0].nType, DEDizedView::kDragCommand);
    EXPECT_EQ(server.log[0].record.nGroup, 1);
    EXPECT_EQ(server.log[0].record.nIndex, 2);
    EXPECT_NEAR(server.log[0].record.dValue, 0.39, 1e-12);
    CRect update;
    EXPECT_TRUE(pView->GetUpdateRect(&update));
    EXPECT_TRUE(pView->GetTip().IsVisible());
    EXPECT_EQ(pView->GetTip().GetText(), CString(" 0.39 "));
    EXPECT_EQ(pView->GetTip().GetAnchor(), Screen(210, 150));

    Mouse(WM_LBUTTONUP, 210, 150);
    EXPECT_FALSE(pView->IsValueDragActive());
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);
    // the tip of the dragged value goes with the drag, and none waits to come back
    EXPECT_FALSE(pView->GetTip().IsVisible());
    EXPECT_FALSE(pView->IsTipTimerRunning());
    Mouse(WM_MOUSEMOVE, 210, 100);
    EXPECT_NEAR(Chart().GetValue(1, 0), 0.39, 1e-12);
}

TEST_F(ChartViewMouse, APressStartsADragOnlyOnAPointWithDraggingOnAndABandOnlyWithZoomOn)
{
    struct Case {
        int bValueDrag;
        int bZoom;
        int x, y;
        bool bDrag;
        bool bBand;
    };
    MakeValueChart();
    for (const Case& c : {Case{1, 1, 210, 178, true, false}, Case{1, 1, 300, 60, false, true},
                          Case{1, 0, 300, 60, false, false}, Case{0, 1, 210, 178, false, true},
                          Case{0, 0, 210, 178, false, false}}) {
        SCOPED_TRACE(testing::Message() << "drag " << c.bValueDrag << " zoom " << c.bZoom << " at " << c.x);
        pView->EnableValueDrag(c.bValueDrag);
        pView->EnableZoom(c.bZoom);
        Mouse(WM_LBUTTONDOWN, c.x, c.y, MK_LBUTTON);
        EXPECT_EQ(pView->IsValueDragActive() != 0, c.bDrag);
        EXPECT_EQ(pView->IsBandActive() != 0, c.bBand);
        Mouse(WM_MOUSEMOVE, 210, 150, MK_LBUTTON);
        EXPECT_NEAR(Chart().GetValue(1, 0), c.bDrag ? 0.39 : 0.25, 1e-12);
        // the drag tip is off by default
        EXPECT_FALSE(pView->GetTip().IsVisible());
        Mouse(WM_LBUTTONUP, 210, 150);
        Chart().SetValue(1, 0, 0.25, 0);
        pView->UndoZoom(1);
        Paint();
    }
}

TEST_F(ChartViewMouse, ADragOutsideTheDisplayOrIntoAnotherDisplayChangesNothing)
{
    MakeValueChart();
    // a second display beside the first, showing group 1 only
    DEDizedDisplay* pOther = AddValueDisplay(Chart(), CRect(440, 20, 500, 228));
    pOther->SetDataWindow(-1, 1, -1, 1);
    SetGroupValues(Chart(), 1, {0.75});
    Paint();
    Mouse(WM_LBUTTONDOWN, 210, 178, MK_LBUTTON);
    for (CPoint point : {CPoint(210, 300), CPoint(470, 150)}) {
        Mouse(WM_MOUSEMOVE, point.x, point.y, MK_LBUTTON);
        EXPECT_DOUBLE_EQ(Chart().GetValue(1, 0), 0.25);
        EXPECT_DOUBLE_EQ(Chart().GetValue(0, 1), 0.75);
    }
    EXPECT_TRUE(server.log.empty());
    Mouse(WM_LBUTTONUP, 470, 150);
}

TEST_F(ChartViewMouse, TheTipTimerRestartsOnEveryMoveButNotOnAMoveToTheSamePoint)
{
    MakeValueChart();
    Mouse(WM_MOUSEMOVE, 210, 178);
    EXPECT_TRUE(pView->IsTipTimerRunning());
    pView->SendMessage(WM_TIMER, DEDizedView::kTimerTip, 0);
    EXPECT_FALSE(pView->IsTipTimerRunning());
    ASSERT_TRUE(pView->GetTip().IsVisible());

    // the window the tip opened sends a move to the same point: the tip stays, no timer starts
    Mouse(WM_MOUSEMOVE, 210, 178);
    EXPECT_TRUE(pView->GetTip().IsVisible());
    EXPECT_FALSE(pView->IsTipTimerRunning());
    EXPECT_FALSE(::KillTimer(pView->m_hWnd, DEDizedView::kTimerTip));

    Mouse(WM_MOUSEMOVE, 211, 178);
    EXPECT_FALSE(pView->GetTip().IsVisible());
    EXPECT_TRUE(pView->IsTipTimerRunning());
    EXPECT_TRUE(::KillTimer(pView->m_hWnd, DEDizedView::kTimerTip));
}

TEST_F(ChartViewMouse, AtRestTheTipNamesTheItemUnderTheMouse)
{
    MakeValueChart();
    SetGroupValues(Chart(), 1, {0.5, 0.75, 1.0});
    Paint();
    struct Case {
        int x, y;
        const char* pszText;  // null: no tip
    };
    for (const Case& c : {Case{210, 178, "Index=1 Group=0 Value=0.25"}, Case{410, 28, "Index=2 Group=1 Value=1.00"},
                          Case{200, 100, "Index=1 Group=0 Value=0.25"}, Case{480, 300, nullptr}}) {
        SCOPED_TRACE(testing::Message() << "at " << c.x << ", " << c.y);
        Mouse(WM_MOUSEMOVE, c.x, c.y);
        pView->SendMessage(WM_TIMER, DEDizedView::kTimerTip, 0);
        ASSERT_EQ(pView->GetTip().IsVisible() != 0, c.pszText != nullptr);
        if (c.pszText != nullptr) {
            EXPECT_EQ(pView->GetTip().GetText(), CString(c.pszText));
            EXPECT_EQ(pView->GetTip().GetAnchor(), Screen(c.x, c.y));
        }
    }
}

TEST_F(ChartViewMouse, AtRestOverABarOfAVerticalBarChartTheTipNamesThatBar)
{
    AddValueDisplay(Chart(), kValuePlot, GT_VBAR);
    SetGroupValues(Chart(), 0, {0.1, 0.2, 0.3});
    SetGroupValues(Chart(), 1, {0.4, 0.5, 0.6});
    Paint();
    // three columns of 400 / 3 pixels, two bars each: the second bar of the second column
    const int x = kValuePlot.left + 400 / 3 + 400 / 6 + 20;
    Mouse(WM_MOUSEMOVE, x, 200);
    pView->SendMessage(WM_TIMER, DEDizedView::kTimerTip, 0);
    ASSERT_TRUE(pView->GetTip().IsVisible());
    EXPECT_EQ(pView->GetTip().GetText(), CString("Index=1 Group=1 Value=0.50"));
}

TEST_F(ChartViewMouse, TheTipTextFollowsTheGraphType)
{
    DEDizedDisplay* pDisplay = AddValueDisplay(Chart());
    // four groups of four items; item 3 of group 2 has no value
    SetGroupValues(Chart(), 0, {1.5, 2.25, 1.1102230246251565e-14, 5e-15});
    SetGroupValues(Chart(), 1, {7.0, 0.0, 0.0, 0.0});
    SetGroupValues(Chart(), 2, {3.0, 0.0, 0.0, 100.0});
    SetGroupValues(Chart(), 3, {4.0, 0.0, 0.0, 0.0});
    Chart().GetDataItem(3, 2)->SetNull(1);
    Paint();
    struct Case {
        int nGraphType;
        int nIndex;
        int nGroup;
        const char* pszText;
    };
    for (const Case& c : {
             Case{0x13, 0, 0, " (1.50, 2.25) "},
             Case{0x21, 0, 0, " (1.50, 2.25) "},
             Case{0x15, 0, 0, " (1.50, 7.0000) "},
             Case{0x29, 0, 0, " (1.50, 7.00), Radius = 3.00 "},
             Case{0x2a, 0, 0, " (1.50, 7.00), Area = 3.00 "},
             Case{0x2b, 0, 0, " (1.50, 7.00), Angle = 3.00, Magnitude = 4.00 "},
             Case{0x2c, 2, 0, "Drag to change direction"},
             Case{0x2d, 0, 0, " (1.50, 7.00), (3.00, 4.00) "},
             Case{0x2d, 6, 0, "Drag to change direction"},
             Case{0x2f, 0, 1, "Index=0 Group=1, 45.16 %"},
             Case{0x30, 2, 0, "Index=2 Group=0, 100.00 %"},
             Case{0x2f, 3, 0, "Index=3 Group=0 "},
             Case{0x31, 1, 0, "Index=1 Group=0, 60.00 %"},
             Case{0x32, 1, 1, "Index=1 Group=1, 0.00 %"},
             Case{0x01, 1, 0, "Index=1 Group=0 Value=2.25"},
             Case{0x03, 0, 2, "Index=0 Group=2 Value=3.00"},
             Case{0x1e, -1, 2, "Index=-1 Group=2 "},
         }) {
        SCOPED_TRACE(testing::Message() << "graph type " << c.nGraphType << ", item " << c.nIndex);
        pDisplay->SetGraphType(c.nGraphType);
        std::unique_ptr<DEDizedPosition> pPosition(pView->HitTest(&Chart(), 200, 100));
        pPosition->SetItemIndex(c.nIndex);
        pPosition->SetGroupIndex(c.nGroup);
        EXPECT_EQ(pView->TipText(pPosition.get()), CString(c.pszText));
    }
    // the vector tip counts items from the display's first item
    pDisplay->SetGraphType(0x2b);
    pDisplay->SetDataWindow(1, -1, -1, -1);
    std::unique_ptr<DEDizedPosition> pPosition(pView->HitTest(&Chart(), 200, 100));
    pPosition->SetItemIndex(3);
    pPosition->SetGroupIndex(0);
    EXPECT_EQ(pView->TipText(pPosition.get()), CString("Drag to change direction"));
}

TEST_F(ChartViewMouse, TheZoomBandIsInvertedAsAStripAcrossALineDisplay)
{
    AddValueDisplay(Chart());
    SetGroupValues(Chart(), 0, {0.1, 0.2, 0.3, 0.4, 0.5});
    Paint();
    CClientDC dc(pView);
    const COLORREF inside = dc.GetPixel(150, 25);
    const COLORREF outside = dc.GetPixel(300, 60);
    Mouse(WM_LBUTTONDOWN, 110, 150, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 250, 200, MK_LBUTTON);
    // the whole height of the plot between the two x
    EXPECT_EQ(dc.GetPixel(150, 25), inside ^ 0xFFFFFF);
    EXPECT_EQ(dc.GetPixel(300, 60), outside);
    Mouse(WM_MOUSEMOVE, 320, 200, MK_LBUTTON);
    EXPECT_EQ(dc.GetPixel(150, 25), inside ^ 0xFFFFFF);
    EXPECT_EQ(dc.GetPixel(300, 60), outside ^ 0xFFFFFF);
    // outside the plot no band is drawn, and the one drawn is taken away
    Mouse(WM_MOUSEMOVE, 450, 200, MK_LBUTTON);
    EXPECT_EQ(dc.GetPixel(150, 25), inside);
    EXPECT_EQ(dc.GetPixel(300, 60), outside);
    Mouse(WM_LBUTTONUP, 450, 200);
}

TEST_F(ChartViewMouse, ZoomStepsNarrowTheItemWindowAndUndoPutsThemBack)
{
    DEDizedDisplay* pDisplay = AddValueDisplay(Chart());
    SetGroupValues(Chart(), 0, {0.1, 0.2, 0.3, 0.4, 0.5});
    Paint();
    auto band = [&](CPoint from, CPoint to) {
        Mouse(WM_LBUTTONDOWN, from.x, from.y, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, to.x, to.y, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, to.x, to.y);
        Paint();
    };
    auto window = [&] {
        int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
        pDisplay->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
        return std::vector<int>{nFirstIndex, nFirstGroup, nLastIndex, nLastGroup};
    };
    auto enabled = [&](UINT nID) {
        EnableProbe probe;
        probe.m_nID = nID;
        probe.DoUpdate(pView, TRUE);
        return probe.bEnabled;
    };
    EXPECT_FALSE(enabled(ID_CHART_UNDO_ZOOM));
    EXPECT_FALSE(enabled(ID_CHART_UNDO_ZOOM_ALL));

    // a click, and a band without height on the value axis, zoom nothing
    band(CPoint(110, 100), CPoint(110, 100));
    band(CPoint(110, 100), CPoint(310, 100));
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);

    // items 1 (x 110) to 3 (x 310) of five, 100 pixels apart
    band(CPoint(110, 100), CPoint(310, 200));
    EXPECT_EQ(window(), (std::vector<int>{1, -1, 3, -1}));
    ASSERT_EQ(pView->GetZoomStack().Count(), 1);
    EXPECT_TRUE(enabled(ID_CHART_UNDO_ZOOM));
    EXPECT_TRUE(enabled(ID_CHART_UNDO_ZOOM_ALL));
    // now three items 200 pixels apart, from item 1: items 2 and 3
    band(CPoint(200, 100), CPoint(425, 200));
    EXPECT_EQ(window(), (std::vector<int>{2, -1, 3, -1}));

    pView->SendMessage(WM_COMMAND, ID_CHART_UNDO_ZOOM);
    EXPECT_EQ(window(), (std::vector<int>{1, -1, 3, -1}));
    Paint();
    band(CPoint(10, 100), CPoint(210, 200));
    EXPECT_EQ(window(), (std::vector<int>{1, -1, 2, -1}));
    EXPECT_EQ(pView->GetZoomStack().Count(), 2);
    pView->SendMessage(WM_COMMAND, ID_CHART_UNDO_ZOOM_ALL);
    EXPECT_EQ(window(), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);
    EXPECT_FALSE(enabled(ID_CHART_UNDO_ZOOM));

    // zoom switched off: a band zooms nothing
    pView->EnableZoom(0);
    band(CPoint(110, 100), CPoint(310, 200));
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);
}

TEST_F(ChartViewMouse, OverlappingDisplaysZoomAndUndoInOneStep)
{
    AddValueDisplay(Chart());
    DEDizedDisplay* pSecond = AddValueDisplay(Chart());
    SetGroupValues(Chart(), 0, {0.1, 0.2, 0.3, 0.4, 0.5});
    Paint();
    Mouse(WM_LBUTTONDOWN, 110, 100, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 310, 200);
    ASSERT_EQ(pView->GetZoomStack().Count(), 2);
    // the later display's record continues the step
    const SRGZoom* pTop = static_cast<const SRGZoom*>(pView->GetZoomStack().GetHead());
    EXPECT_EQ(pTop->m_nDisplay, ~1);
    EXPECT_EQ(static_cast<const SRGZoom*>(pView->GetZoomStack().GetTail())->m_nDisplay, 0);
    int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
    pSecond->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    EXPECT_EQ(nFirstIndex, 1);
    EXPECT_EQ(nLastIndex, 3);
    pView->UndoZoom(0);
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);
    pSecond->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    EXPECT_EQ(nFirstIndex, -1);
    EXPECT_EQ(nLastIndex, -1);
    Chart().GetComponent(0, chartTypeDisplay)->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
    EXPECT_EQ(nFirstIndex, -1);
}

TEST_F(ChartViewMouse, WhereItemsAndGroupsResolveTheQuestionChoosesAndCancelDropsTheStep)
{
    DEDizedDisplay* pDisplay = AddValueDisplay(Chart(), kValuePlot, GT_VBAR);
    SetGroupValues(Chart(), 0, {0.1, 0.2, 0.3, 0.4});
    SetGroupValues(Chart(), 1, {0.4, 0.5, 0.6, 0.7});
    Paint();
    auto window = [&] {
        int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
        pDisplay->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
        return std::vector<int>{nFirstIndex, nFirstGroup, nLastIndex, nLastGroup};
    };
    // columns of 100 pixels, bars of 50: from the first bar of column 1 to the first bar of column 2
    fake.ExpectModal([](CDialog& dialog) { ClickButton(dialog, IDCANCEL); });
    Mouse(WM_LBUTTONDOWN, 120, 100, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 220, 200);
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);
    EXPECT_EQ(window(), (std::vector<int>{-1, -1, -1, -1}));

    // items only; a band that ends right of the last column stays within the window
    fake.ExpectModal([](CDialog& dialog) {
        EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CSelectQuery)));
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_CHART_QUERY_FIRST + 2), UINT(BST_CHECKED));
        dialog.CheckRadioButton(IDC_CHART_QUERY_FIRST, IDC_CHART_QUERY_FIRST + 2, IDC_CHART_QUERY_FIRST);
        ClickButton(dialog, IDOK);
    });
    Mouse(WM_LBUTTONDOWN, 120, 100, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 425, 200);
    ASSERT_EQ(pView->GetZoomStack().Count(), 1);
    EXPECT_EQ(static_cast<const SRGZoom*>(pView->GetZoomStack().GetHead())->m_nMask, 1);
    EXPECT_EQ(window(), (std::vector<int>{1, -1, 3, -1}));

    // both: the groups between the corners' bars as well
    pView->UndoZoom(1);
    Paint();
    fake.ExpectModal([](CDialog& dialog) { ClickButton(dialog, IDOK); });
    Mouse(WM_LBUTTONDOWN, 170, 100, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 220, 200);
    EXPECT_EQ(window(), (std::vector<int>{1, 0, 2, 1}));
}

TEST_F(ChartViewMouse, AnXYZoomTakesTheCornersValuesIntoTheViewRanges)
{
    DEDizedDisplay* pDisplay = AddValueDisplay(Chart(), kValuePlot, 0x13);
    SetGroupValues(Chart(), 0, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6});
    Paint();
    const CScale yBefore = pDisplay->GetYViewRange();
    // a band of no width on the x axis zooms nothing
    Mouse(WM_LBUTTONDOWN, 110, 176, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 110, 72);
    EXPECT_EQ(pView->GetZoomStack().Count(), 0);

    std::unique_ptr<DEDizedPosition> pFrom(pView->HitTest(&Chart(), 110, 176));
    std::unique_ptr<DEDizedPosition> pTo(pView->HitTest(&Chart(), 310, 72));
    ASSERT_TRUE(pFrom->HasValue() && pFrom->HasAngle());
    Mouse(WM_LBUTTONDOWN, 110, 176, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 310, 72);
    ASSERT_EQ(pView->GetZoomStack().Count(), 1);
    const CScale y = pDisplay->GetYViewRange();
    const CScale x = pDisplay->GetXViewRange();
    EXPECT_FALSE(y.IsReset());
    EXPECT_DOUBLE_EQ(y.m_dMinimum, pFrom->GetValue());
    EXPECT_DOUBLE_EQ(y.m_dMaximum, pTo->GetValue());
    EXPECT_DOUBLE_EQ(x.m_dMinimum, pFrom->GetAngle());
    EXPECT_DOUBLE_EQ(x.m_dMaximum, pTo->GetAngle());
    pView->UndoZoom(1);
    EXPECT_EQ(pDisplay->GetYViewRange().IsReset(), yBefore.IsReset());
    EXPECT_TRUE(pDisplay->GetXViewRange().IsReset());
}

TEST_F(ChartViewMouse, APointDraggedPastThePlotsEdgeStopsAtTheEdge)
{
    MakeValueChart();
    Mouse(WM_LBUTTONDOWN, 210, 178, MK_LBUTTON);
    ASSERT_TRUE(pView->IsValueDragActive());
    // the values at the plot's top and bottom edges
    Mouse(WM_MOUSEMOVE, 210, kValuePlot.top, MK_LBUTTON);
    const double dTop = Chart().GetValue(1, 0);
    Mouse(WM_MOUSEMOVE, 210, kValuePlot.bottom, MK_LBUTTON);
    const double dBottom = Chart().GetValue(1, 0);
    ASSERT_GT(dTop, dBottom);

    struct Case {
        int x, y;
        double dExpected;
    };
    const Case cases[] = {
        {210, kValuePlot.top - 5, dTop}, {210, -40, dTop}, {kValuePlot.right + 30, -40, dTop},
        {210, kValuePlot.bottom + 5, dBottom}, {kValuePlot.left - 30, kValuePlot.bottom + 60, dBottom},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse at " << c.x << ", " << c.y);
        Mouse(WM_MOUSEMOVE, c.x, c.y, MK_LBUTTON);
        EXPECT_DOUBLE_EQ(Chart().GetValue(1, 0), c.dExpected);
    }
    Mouse(WM_LBUTTONUP, kValuePlot.left - 30, kValuePlot.bottom + 60);
}

TEST_F(ChartViewMouse, DraggingAPointOfTwoOrMoreNumbersStoresTheNumbersItIsPlottedFrom)
{
    DEDizedDisplay* pDisplay = AddValueDisplay(Chart());
    // four groups of two items: x, y and the third and fourth numbers of each point
    const std::vector<std::vector<double>> data = {{0.1, 0.2}, {0.3, 0.4}, {0.5, 0.6}, {0.7, 0.8}};
    // the numbers a point has after the drag to (x, y) in the display's coordinates, from the
    // anchor (ax, ay)
    using Expect = std::function<std::vector<double>(double x, double y)>;
    struct Case {
        int nGraphType;
        int nIndex, nGroup;          // the point picked
        int nTipIndex, nTipGroup;    // where its numbers start
        bool bAlongItems;            // its numbers follow in items (else in groups)
        Expect expect;
    };
    const double ax = 0.1, ay = 0.3;   // item 0 of groups 0 and 1
    const std::vector<Case> cases = {
        {0x13, 2, 0, 2, 0, true, [](double x, double y) { return std::vector<double>{x, y}; }},
        {0x15, 0, 1, 0, 0, false, [](double x, double y) { return std::vector<double>{x, y}; }},
        {0x1b, 1, 2, 1, 2, false, [](double x, double y) { return std::vector<double>{x, y}; }},
        {0x29, 0, 0, 0, 0, false, [](double x, double y) { return std::vector<double>{x, y, 0.5}; }},
        {0x2b, 0, 0, 0, 0, false, [](double x, double y) { return std::vector<double>{x, y, 0.5, 0.7}; }},
        {0x2b, 0, 2, 0, 0, false,
         [&](double x, double y) {
             return std::vector<double>{ax, ay, std::atan2(x - ax, y - ay) * 57.29578, std::hypot(x - ax, y - ay)};
         }},
        {0x2c, 0, 2, 0, 0, false,
         [&](double x, double y) {
             return std::vector<double>{ax, ay, std::atan2(x - ax, y - ay) * 57.29578,
                                        2.0 * std::hypot(x - ax, y - ay)};
         }},
        {0x2d, 0, 2, 0, 0, false, [&](double x, double y) { return std::vector<double>{ax, ay, x, y}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "graph type " << c.nGraphType << ", group " << c.nGroup);
        for (size_t g = 0; g < data.size(); ++g)
            SetGroupValues(Chart(), int(g), data[g]);
        Chart().SetValue(2, 0, 0.9, 1);
        Chart().SetValue(3, 0, 1.0, 1);
        pDisplay->SetGraphType(c.nGraphType);
        Paint();
        // these routines register no regions yet: the point is picked as their drawing would register it
        Chart().AddMarkerFeedback(50, 50, c.nIndex, c.nGroup);
        Mouse(WM_MOUSEMOVE, 50, 50);
        Mouse(WM_LBUTTONDOWN, 50, 50, MK_LBUTTON);
        ASSERT_TRUE(pView->IsValueDragActive());
        std::unique_ptr<DEDizedPosition> pAt(pView->HitTest(&Chart(), 250, 80));
        ASSERT_TRUE(pAt->HasValue() && pAt->HasAngle());
        Mouse(WM_MOUSEMOVE, 250, 80, MK_LBUTTON);
        const std::vector<double> expected = c.expect(pAt->GetAngle(), pAt->GetValue());
        for (size_t n = 0; n < expected.size(); ++n) {
            const int i = c.nTipIndex + (c.bAlongItems ? int(n) : 0);
            const int g = c.nTipGroup + (c.bAlongItems ? 0 : int(n));
            EXPECT_NEAR(Chart().GetValue(i, g), expected[n], 1e-9) << "number " << n;
        }
        Mouse(WM_LBUTTONUP, 250, 80);
    }
    // each stored number went to the server: two per drag
    EXPECT_EQ(server.log.size(), 2 * cases.size());
}

TEST_F(ChartViewMouse, TheDragTipShowsEveryNumberOfThePoint)
{
    // a bubble: x, y and size in three groups
    AddValueDisplay(Chart(), kValuePlot, 0x2a);
    SetGroupValues(Chart(), 0, {0.1});
    SetGroupValues(Chart(), 1, {0.3});
    SetGroupValues(Chart(), 2, {0.5});
    Paint();
    Chart().AddMarkerFeedback(50, 50, 0, 0);
    pView->EnableDragTip(1);
    Mouse(WM_LBUTTONDOWN, 50, 50, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 250, 80, MK_LBUTTON);
    CString expected;
    expected.Format("(%.2f, %.2f, %.2f)", Chart().GetValue(0, 0), Chart().GetValue(0, 1), 0.5);
    EXPECT_EQ(pView->GetTip().GetText(), expected);
    Mouse(WM_LBUTTONUP, 250, 80);
}
