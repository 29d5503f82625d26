// The axis manager and the compound display.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <memory>
#include <vector>

#include "ArchiveTestSupport.h"
#include "chart/engine/axes/SRGAxisManager.h"
#include "chart/engine/axes/SRGDataWatcher.h"
#include "chart/engine/axes/SRGGridLines.h"
#include "chart/engine/axes/SRGIndexScale.h"
#include "chart/engine/display/SRGCompoundDisplay.h"

#include "chart_test_support.h"
#include "display_test_support.h"

namespace {

// Tick marks that remember the direction they were given.
class DirectionTicks : public SRGTickMarks {
public:
    void SetDirection(int nDirection) override
    {
        nLast = nDirection;
        SRGTickMarks::SetDirection(nDirection);
    }
    int nLast = -1;
};

// The compound display that CreateComponent makes on a 400 x 300 chart, its display of nGraphType fixed
// to the range [0, 10].
SRGCompoundDisplay* AddFixedCompound(DEDized& chart, int nGraphType)
{
    chart.SetBuffered(0);
    auto* pCompound = static_cast<SRGCompoundDisplay*>(
        chart.CreateComponent(chartTypeCompoundDisplay, 0, CRect(0, 0, 400, 300), 0, 0, 0, nGraphType << 16, AXIS_STANDARD << 24));
    auto* pDisplay = static_cast<DEDizedDisplay*>(chart.GetComponent(0, chartTypeDisplay));
    pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagFixedRange);
    pDisplay->SetFixedMin(0);
    pDisplay->SetFixedMax(10);
    return pCompound;
}

} // namespace

// ---- axis manager -------------------------------------------------------------------------------------------------

TEST_F(ChartTest, ANewAxisManagerHasPlaceholdersAndNoParts)
{
    SRGAxisManager manager;
    EXPECT_EQ(manager.GetChildren()->GetCount(), 6);
    EXPECT_EQ(manager.GetTypeId(), chartTypeAxisManager);
    for (DEDizedComponent* pPart : {manager.GetScale(), manager.GetTickMarks(), manager.GetGridLines(),
                                    manager.GetThirdPart(), manager.GetTitlePart(), manager.GetShapePart()})
        EXPECT_EQ(pPart, nullptr);
    manager.Layout();
    EXPECT_EQ(manager.GetAxisWidth(), 0);
    EXPECT_EQ(manager.GetAxisHeight(), 0);
}

TEST_F(ChartTest, AxisManagerPartsComeAndGo)
{
    SRGAxisManager manager;
    auto* pScale = new SRGDecimalScale;
    auto* pTicks = new DirectionTicks;
    manager.SetScale(pScale);
    manager.SetTickMarks(pTicks);
    EXPECT_EQ(manager.GetScale(), pScale);
    EXPECT_EQ(pScale->IsCompoundChild(), 1);

    // the side reaches the scale's labels and the ticks' direction
    manager.SetAxisIndex(2);
    EXPECT_EQ(pScale->GetLabelSide(), 1);
    EXPECT_EQ(pTicks->nLast, 0);
    manager.SetAxisIndex(0);
    EXPECT_EQ(pScale->GetLabelSide(), 0);
    EXPECT_EQ(pTicks->nLast, 1);

    // detached without deleting: the caller owns the scale; the slot holds a placeholder again
    std::unique_ptr<DEDizedComponent> pDetached(manager.DetachScale(0));
    EXPECT_EQ(pDetached.get(), pScale);
    EXPECT_EQ(pScale->IsCompoundChild(), 0);
    EXPECT_EQ(manager.GetScale(), nullptr);
    EXPECT_EQ(manager.GetChildren()->GetCount(), 6);
    EXPECT_EQ(manager.DetachTickMarks(1), nullptr);
    EXPECT_EQ(manager.GetTickMarks(), nullptr);

    // a manager whose children were taken away sets no part
    AfxDeleteOwnedObjects(*manager.GetChildren());
    std::unique_ptr<DEDizedComponent> pShape(new DEDizedComponent);
    manager.SetShapePart(pShape.get());
    EXPECT_EQ(manager.GetShapePart(), nullptr);
    EXPECT_EQ(pShape->IsCompoundChild(), 0);
}

// ---- compound display ---------------------------------------------------------------------------------------------

TEST_F(ChartTest, CompoundDisplayWithoutDisplaysLeavesItsPlot)
{
    SRGCompoundDisplay compound;
    EXPECT_EQ(compound.GetChildren()->GetCount(), 4);
    compound.SetPlotRect(20, 30, 220, 130, 0);
    compound.GetLeftAxis()->SetScale(new SRGDecimalScale);
    compound.LayoutHook();
    EXPECT_EQ(compound.GetPlotRect(), CRect(20, 30, 220, 130));
    EXPECT_EQ(static_cast<SRGDecimalScale*>(compound.GetLeftAxis()->GetScale())->GetMaximum(), 0.0);
}

TEST_F(ChartTest, CompoundDisplayMirrorsTheLeftAxisOnTheRight)
{
    DEDized chart;
    auto* pCompound = new SRGCompoundDisplay;
    chart.AddComponent(pCompound);
    chart.SetValue(0, 0, 4, 1);
    auto* pDisplay = new DEDizedDisplay;
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetAxisType(AXIS_STANDARD);
    pDisplay->SetFlags(SRGDisplayBase::flagFixedRange | SRGDisplayBase::flagNoAxes);
    pDisplay->SetFixedMin(0);
    pDisplay->SetFixedMax(10);
    pCompound->AddChild(pDisplay);
    pCompound->SetLeftPart0(new SRGDecimalScale);
    pCompound->SetRightPart0(new SRGDecimalScale);
    pCompound->SetLeftDisplay(pDisplay);
    pCompound->SetVerticalMirror(1);
    pCompound->SetVerticalMirrorSide(1);
    pCompound->SetVerticalMirrorFactor(2);
    pCompound->SetPlotRect(40, 20, 300, 200, 1);
    pCompound->BuildAxes();
    auto* pLeft = static_cast<SRGDecimalScale*>(pCompound->GetLeftAxis()->GetScale());
    auto* pRight = static_cast<SRGDecimalScale*>(pCompound->GetRightAxis()->GetScale());
    EXPECT_EQ(pLeft->GetMinimum(), 0.0);
    EXPECT_EQ(pLeft->GetMaximum(), 10.0);
    EXPECT_EQ(pRight->GetMinimum(), 0.0);
    EXPECT_EQ(pRight->GetMaximum(), 20.0);
    // the display draws into the shared plot
    EXPECT_EQ(pDisplay->GetPlotRect(), CRect(40, 20, 300, 200));
}

TEST_F(ChartTest, CompoundDisplayPlotCollapsesUnderAxesWiderThanIt)
{
    SRGCompoundDisplay compound;
    compound.SetPlotRect(0, 0, 100, 80, 0);
    // shapes whose extents exceed the plot: 6/5 of 200 across on the left, 90 high at the bottom
    auto* pWide = new DEDizedComponent;
    pWide->SetRectValues(0, 0, 200, 10);
    compound.GetLeftAxis()->SetShapePart(pWide);
    auto* pTall = new DEDizedComponent;
    pTall->SetRectValues(0, 0, 10, 90);
    compound.GetBottomAxis()->SetShapePart(pTall);
    compound.FitPlotRect();
    const CRect plot = compound.GetPlotRect();
    EXPECT_EQ(plot.left, plot.right);
    EXPECT_EQ(plot.left, (240 + 100) / 2);
    EXPECT_EQ(plot.top, plot.bottom);
    EXPECT_EQ(plot.top, (0 + 80 - 90) / 2);
}

TEST_F(ChartTest, CompoundDisplayFromCreateComponentAndFromAnArchive)
{
    DEDized chart;
    chart.SetValue(0, 0, 3, 1);
    chart.SetValue(1, 0, 5, 1);
    auto* pCompound = static_cast<SRGCompoundDisplay*>(
        chart.CreateComponent(chartTypeCompoundDisplay, 0, CRect(0, 0, 400, 300), 0, 0, 0, GT_VBAR << 16, AXIS_STANDARD << 24));
    ASSERT_NE(pCompound, nullptr);
    ASSERT_TRUE(pCompound->IsKindOf(RUNTIME_CLASS(SRGCompoundDisplay)));
    // the display, found among the chart's displays
    auto* pDisplay = dynamic_cast<DEDizedDisplay*>(chart.GetComponent(0, chartTypeDisplay));
    ASSERT_NE(pDisplay, nullptr);
    EXPECT_EQ(pDisplay->GetGraphType(), GT_VBAR);
    for (SRGAxisManager* pAxis : {pCompound->GetBottomAxis(), pCompound->GetLeftAxis()}) {
        EXPECT_NE(pAxis->GetTickMarks(), nullptr);
        EXPECT_NE(pAxis->GetGridLines(), nullptr);
        EXPECT_EQ(pAxis->GetDisplay(), pDisplay);
    }
    EXPECT_TRUE(pCompound->GetBottomAxis()->GetScale()->IsKindOf(RUNTIME_CLASS(SRGIndexScale)));
    EXPECT_FALSE(pCompound->GetLeftAxis()->GetScale()->IsKindOf(RUNTIME_CLASS(SRGIndexScale)));
    EXPECT_TRUE(pCompound->GetLeftAxis()->GetScale()->IsKindOf(RUNTIME_CLASS(SRGDecimalScale)));

    // drawn: the axes take room from the plot, and the display draws into what is left
    DibCanvas canvas(400, 300);
    chart.SetBuffered(0);
    chart.Draw(&canvas.dc, nullptr);
    const CRect plot = pCompound->GetPlotRect();
    EXPECT_GT(plot.left, 0);
    EXPECT_LT(plot.bottom, 300);
    EXPECT_EQ(pDisplay->GetPlotRect(), plot);

    // stored and loaded into a compound with its own children: the stored ones replace them
    pCompound->SetVerticalMirrorFactor(1.5);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { pCompound->Serialize(ar); });
    SRGCompoundDisplay loaded;
    loaded.AddChild(new DEDizedDisplay);
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetChildren()->GetCount(), 5);
    EXPECT_TRUE(loaded.GetBottomAxis()->GetScale()->IsKindOf(RUNTIME_CLASS(SRGIndexScale)));
    EXPECT_EQ(loaded.GetVerticalMirrorFactor(), 1.5);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }), bytes);
}

TEST_F(ChartTest, CompoundDisplayGridLinesStayUnderTheData)
{
    // low bars on a fixed range leave the upper plot to the grid lines of both axes
    DEDized chart;
    for (int i = 0; i < 4; ++i)
        chart.SetValue(i, 0, 1, 1);
    SRGCompoundDisplay* pCompound = AddFixedCompound(chart, GT_VBAR);
    DibCanvas canvas(400, 300);
    chart.Draw(&canvas.dc, nullptr);

    const CRect plot = pCompound->GetPlotRect();
    const COLORREF crGrid = 0x808000;
    auto positions = [](SRGAxisManager* pAxis) {
        std::vector<CPoint> points;
        CPtrList* pList = static_cast<DEDizedLabelBlock*>(pAxis->GetScale())->GetRecordedAnchors();
        for (POSITION pos = pList != nullptr ? pList->GetHeadPosition() : nullptr; pos != nullptr;)
            points.push_back(*static_cast<CPoint*>(pList->GetNext(pos)));
        return points;
    };
    const std::vector<CPoint> columns = positions(pCompound->GetBottomAxis());
    const std::vector<CPoint> rows = positions(pCompound->GetLeftAxis());
    ASSERT_GE(columns.size(), 2u);
    ASSERT_GE(rows.size(), 3u);
    // the vertical lines of the bottom axis, drawn first, are not covered by the axes drawn after them
    for (const CPoint& column : columns)
        EXPECT_EQ(canvas.At(column.x, plot.top + plot.Height() / 4), crGrid) << column.x;
    // the horizontal lines of the left axis above the bars, between two columns
    const int x = (columns[0].x + columns[1].x) / 2;
    for (const CPoint& row : rows) {
        if (row.y < plot.top + plot.Height() / 2) {
            EXPECT_EQ(canvas.At(x, row.y), crGrid) << row.y;
        }
    }
}

TEST_F(ChartTest, CompoundDisplayWatchersTakeTheRangesTheirAxesShow)
{
    // a line over [0, 10] on the left axis, mirrored twice as wide on the right; a watcher at 5 beside each
    DEDized chart;
    chart.SetValue(0, 0, 3, 1);
    chart.SetValue(1, 0, 7, 1);
    SRGCompoundDisplay* pCompound = AddFixedCompound(chart, GT_LINE);
    pCompound->SetVerticalMirror(1);
    pCompound->SetVerticalMirrorFactor(2);
    const COLORREF crLeft = RGB(255, 0, 0);
    const COLORREF crRight = RGB(0, 0, 255);
    SRGDataWatcher* watchers[2] = {new SRGDataWatcher, new SRGDataWatcher};
    for (int n = 0; n < 2; ++n) {
        watchers[n]->SetHighLimit(5);
        watchers[n]->SetColours(n == 0 ? crLeft : crRight, n == 0 ? crLeft : crRight);
    }
    pCompound->SetLeftPart3(watchers[0]);
    pCompound->SetRightPart3(watchers[1]);
    DibCanvas canvas(400, 300);
    chart.Draw(&canvas.dc, nullptr);

    const CRect plot = pCompound->GetPlotRect();
    const int yLeft = plot.bottom - int(plot.Height() / 10.0 * 5 + 0.5);
    const int yRight = plot.bottom - int(plot.Height() / 20.0 * 5 + 0.5);
    const struct {
        SRGDataWatcher* pWatcher;
        int y;
        COLORREF crLine;
    } cases[] = {{watchers[0], yLeft, crLeft}, {watchers[1], yRight, crRight}};
    for (const auto& c : cases) {
        ASSERT_EQ(c.pWatcher->GetLimitLines().GetCount(), 1);
        EXPECT_EQ(*static_cast<CPoint*>(c.pWatcher->GetLimitLines().GetHead()), CPoint(plot.left, c.y));
        EXPECT_EQ(canvas.At(plot.left + 2, c.y), c.crLine) << c.y;
    }
    // the value at or above the limit is marked for the display drawn after the axes
    EXPECT_NE(chart.GetDataItem(0, 0)->GetStyle()->GetSelection(), SRGDataWatcher::markedSelection);
    EXPECT_EQ(chart.GetDataItem(1, 0)->GetStyle()->GetSelection(), SRGDataWatcher::markedSelection);
}
