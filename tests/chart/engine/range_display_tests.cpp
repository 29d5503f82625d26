// The area, step, high-low, band, floating-bar and stock displays.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart_test_support.h"
#include "routine_test_support.h"

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);

// Stores the values one after another into item nItem of group nGroup: the last is its value, all of
// them its own range.
void SetValueWithRange(DEDized& chart, int nItem, int nGroup, std::initializer_list<double> values)
{
    for (const double v : values)
        chart.SetValue(nItem, nGroup, v, 1);
}

std::vector<std::pair<int, int>> RegionsOf(DEDized& chart)
{
    std::vector<std::pair<int, int>> regions;
    for (POSITION pos = chart.GetFeedbackList()->GetHeadPosition(); pos != nullptr;) {
        const auto* pRegion = static_cast<DEDizedFeedback*>(chart.GetFeedbackList()->GetNext(pos));
        regions.push_back({pRegion->GetFirstIndex(), pRegion->GetSecondIndex()});
    }
    return regions;
}

} // namespace

// ---- area and step --------------------------------------------------------------------------------------------

TEST_F(ChartTest, AreasCloseOnTheZeroLineAndLieSmallestOnTop)
{
    // range -5..5: 0 at y = 120; values spread over x = 10, 210, 410
    for (const bool bKeepOrder : {false, true}) {
        RoutineScene scene(GT_AREA, -5, 5);
        if (bKeepOrder)
            scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagKeepGroupOrder);
        scene.SetGroup(0, {1, -1, 1});
        scene.SetGroup(1, {2, kMissing, 4});
        scene.Draw();
        const auto& polygons = scene.pDisplay->polygons;
        ASSERT_EQ(polygons.size(), 2u);
        // the larger mean first, unless the order is kept
        EXPECT_EQ(polygons[0].nSeries, bKeepOrder ? 0 : 1);
        EXPECT_EQ(polygons[1].nSeries, bKeepOrder ? 1 : 0);
        const std::vector<CPoint>& second = polygons[bKeepOrder ? 1 : 0].points;
        EXPECT_EQ(second, (std::vector<CPoint>{{10, 80}, {410, 40}, {410, 120}, {10, 120}, {10, 80}}));
        const std::vector<CPoint>& first = polygons[bKeepOrder ? 0 : 1].points;
        EXPECT_EQ(first.size(), 6u);
        EXPECT_EQ(first[3], CPoint(410, 120));
        EXPECT_EQ(first[4], CPoint(10, 120));
    }
    // above 0 the areas close on the bottom edge; every point is a hit region
    RoutineScene scene(GT_AREA, 0, 10);
    scene.SetGroup(0, {2, 4});
    scene.Draw();
    ASSERT_EQ(scene.pDisplay->polygons.size(), 1u);
    EXPECT_EQ(scene.pDisplay->polygons[0].points[2], CPoint(410, 220));
    EXPECT_EQ(scene.canvas.At(210, 200), Palette(0));
    EXPECT_EQ(scene.HitAt(410, 140), std::make_pair(1, 0));
}

TEST_F(ChartTest, StepLinesAndTheirMarkers)
{
    // points (10, 180), (210, 120), (410, 160): across at the previous level, then up or down
    const std::vector<std::pair<CPoint, CPoint>> steps = {{{10, 180}, {210, 180}}, {{210, 180}, {210, 120}},
                                                          {{210, 120}, {410, 120}}, {{410, 120}, {410, 160}}};
    const struct {
        int nGraphType;
        int nPointMode;  // bits 8-15 of the line-kind word
        size_t nMarkers;
        bool bLines;
    } cases[] = {
        {GT_STEP, 0x100, 3, true},
        {GT_STEP_B, 0x100, 0, true},  // no markers, even when asked
        {GT_STEP_B, 0x200, 3, false}, // markers alone
        {GT_STEP, 0x400, 0, true},    // lines alone
        {GT_STEP, 0x000, 0, false},   // nothing
    };
    for (const auto& c : cases) {
        RoutineScene scene(c.nGraphType, 0, 10);
        scene.chart.GetDefaultStyle()->m_nLineKind = c.nPointMode | 0x12;
        scene.SetGroup(0, {2, 5, 3});
        scene.Draw();
        EXPECT_EQ(scene.pDisplay->widgets.size(), c.nMarkers) << c.nGraphType << " " << c.nPointMode;
        std::vector<std::pair<CPoint, CPoint>> lines;
        for (const auto& line : scene.pDisplay->lines)
            lines.push_back({line.from, line.to});
        EXPECT_EQ(lines, (c.bLines ? steps : std::vector<std::pair<CPoint, CPoint>>())) << c.nGraphType;
        EXPECT_EQ(RegionsOf(scene.chart).size(), 3u);
    }
}

// ---- high-low and bands ---------------------------------------------------------------------------------------

TEST_F(ChartTest, HighLowTypesScanTheItemsOwnRanges)
{
    for (const int nGraphType : {GT_HILO, GT_HILO_BAND, GT_LINE}) {
        RoutineScene scene(nGraphType, 0, 0);
        scene.pDisplay->SetFlags(0);
        SetValueWithRange(scene.chart, 0, 0, {2, 9, 5});
        scene.pDisplay->RecomputeWindow();
        scene.pDisplay->SetYDataRange(0, 0, 1);
        scene.pDisplay->ScanRanges();
        const bool bRanges = nGraphType != GT_LINE;
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMinimum, bRanges ? 2.0 : 5.0) << nGraphType;
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMaximum, bRanges ? 9.0 : 5.0) << nGraphType;
    }
}

TEST_F(ChartTest, HighLowColumnsSplitAtTheValue)
{
    // value 5 within 2..9: y = 120 within 180..40; one column 10/11 of the plot wide, centred
    for (const bool bSolid : {false, true}) {
        RoutineScene scene(GT_HILO, 0, 10);
        SetValueWithRange(scene.chart, 0, 0, {2, 9, 5});
        DEDizedStyle* pGroupStyle = scene.chart.GetGroup(0, 0)->GetStyle();
        if (bSolid) {
            pGroupStyle->m_nLineKind = 0x122;
            pGroupStyle->m_crFill1 = kBlue;
            pGroupStyle->m_crFill2 = kYellow;
        }
        scene.Draw();
        const auto& symbols = scene.pDisplay->symbols;
        ASSERT_EQ(symbols.size(), 2u);
        const int nLeft = int(10 + 200 - 400 * 10.0 / 11 / 2);
        EXPECT_EQ(symbols[0].box, CRect(nLeft, 120, int(nLeft + 400 * 10.0 / 11), 180));
        EXPECT_EQ(symbols[1].box, CRect(nLeft, 40, int(nLeft + 400 * 10.0 / 11), 120));
        // palette colours 2g and 2g + 1, or the group's two fill colours
        EXPECT_EQ(scene.canvas.At(100, 150), bSolid ? kBlue : Palette(0));
        EXPECT_EQ(scene.canvas.At(100, 80), bSolid ? kYellow : Palette(1));
        // the value is a point region with a marker
        EXPECT_EQ(scene.pDisplay->widgets, (std::vector<CPoint>{{210, 120}}));
        EXPECT_EQ(RegionsOf(scene.chart), (std::vector<std::pair<int, int>>{{0, 0}}));
    }
}

TEST_F(ChartTest, HighLowBandsRunFromTheLowsToTheValuesToTheHighs)
{
    RoutineScene scene(GT_HILO_BAND, 0, 10);
    SetValueWithRange(scene.chart, 0, 0, {2, 9, 5});
    SetValueWithRange(scene.chart, 1, 0, {4, 8, 6});
    scene.Draw();
    const auto& polygons = scene.pDisplay->polygons;
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].points, (std::vector<CPoint>{{10, 180}, {410, 140}, {410, 100}, {10, 120}, {10, 180}}));
    EXPECT_EQ(polygons[1].points, (std::vector<CPoint>{{10, 120}, {410, 100}, {410, 60}, {10, 40}, {10, 120}}));
    EXPECT_EQ(polygons[0].nSeries, 0);
    EXPECT_EQ(polygons[1].nSeries, 1);
    EXPECT_EQ(scene.canvas.At(300, 130), Palette(0));
    EXPECT_EQ(scene.canvas.At(300, 90), Palette(1));
}

// ---- floating bars --------------------------------------------------------------------------------------------

TEST_F(ChartTest, FloatingBarsSpanTheirTwoValues)
{
    // one pair of groups, one row 10/11 of the plot high; values along x at 40 pixels a unit
    const int nTop = int(220 - 100 - 200 * 10.0 / 11 / 2);
    const int nBottom = int(nTop + 200 * 10.0 / 11);
    const struct {
        double dStart, dEnd;
        CRect box;
        int nLeftGroup;  // the group of the left half: the one with the smaller value
    } cases[] = {
        {3, 8, {130, nTop, 330, nBottom}, 0},
        {8, 3, {130, nTop, 330, nBottom}, 1},   // the end before the start: the same bar
        {-2, 12, {10, nTop, 410, nBottom}, 0},  // kept within the plot
    };
    for (const auto& c : cases) {
        RoutineScene scene(GT_BAR_FLOAT, 0, 10);
        scene.SetGroup(0, {c.dStart});
        scene.SetGroup(1, {c.dEnd});
        scene.Draw();
        ASSERT_EQ(scene.pDisplay->symbols.size(), 1u) << c.dStart;
        EXPECT_EQ(scene.pDisplay->symbols[0].box, c.box) << c.dStart;
        EXPECT_EQ(scene.HitAt(c.box.left + 2, 100), std::make_pair(0, c.nLeftGroup)) << c.dStart;
        EXPECT_EQ(scene.HitAt(c.box.right - 2, 100), std::make_pair(0, 1 - c.nLeftGroup)) << c.dStart;
    }
    // a bar without its end is left out
    RoutineScene scene(GT_BAR_FLOAT, 0, 10);
    scene.SetGroup(0, {3, 4});
    scene.SetGroup(1, {kMissing, 6});
    scene.Draw();
    ASSERT_EQ(scene.pDisplay->symbols.size(), 1u);
    EXPECT_EQ(scene.pDisplay->symbols[0].nIndex, 1);
}

// ---- stock ------------------------------------------------------------------------------------------------------

TEST_F(ChartTest, StockDisplaysNeedSetsOfFourGroups)
{
    for (const int nGroups : {6, 3}) {
        RoutineScene scene(GT_STOCK_BAR, 0, 10);
        for (int g = 0; g < nGroups; ++g)
            scene.SetGroup(g, {5});
        scene.pDisplay->RecomputeWindow();
        EXPECT_EQ(ChartCode([&] { scene.pDisplay->DrawStockChart(); }), 21) << nGroups;
    }
}

TEST_F(ChartTest, StockCandlesOfTwoSetsPerItem)
{
    // two sets (high, low, open, close) over two items: candles 10/11 of 100 pixels wide, two per item
    auto fill = [](RoutineScene& scene) {
        const double sets[2][2][4] = {{{9, 1, 6, 3}, {8, 2, 3, 7}}, {{7, 3, 5, 5}, {6, 2, 3, 4}}};
        for (int j = 0; j < 2; ++j)
            for (int s = 0; s < 2; ++s)
                for (int k = 0; k < 4; ++k)
                    scene.chart.SetValue(j, 4 * s + k, sets[j][s][k], 1);
    };
    const double w = 100 * 10.0 / 11;
    const double dLeft = 10 + 100 - w;
    const int nLeft = int(dLeft);
    const int nRight = int(dLeft + w);
    const int x = int(dLeft + w / 2);

    // bars: the body from open to close, dark when falling, light when rising, set 1 in its own colours
    RoutineScene bars(GT_STOCK_BAR, 0, 10);
    fill(bars);
    bars.Draw();
    const auto& bodies = bars.pDisplay->symbols;
    ASSERT_EQ(bodies.size(), 4u);
    EXPECT_EQ(bodies[0].box, CRect(nLeft, 100, nRight, 160));
    EXPECT_EQ(bodies[0].style.m_crFill1, COLORREF(0x800000));  // falling: dark
    EXPECT_EQ(bodies[1].style.m_crFill1, COLORREF(0x80ff00));  // set 1 rising: light
    EXPECT_EQ(bodies[1].box.left, nRight);
    EXPECT_EQ(bodies[2].box.left, nLeft + 200);
    // the high-low line, and the values as point regions: high, open, low, close
    EXPECT_EQ(bars.pDisplay->lines[0].from, CPoint(x, 40));
    EXPECT_EQ(bars.pDisplay->lines[0].to, CPoint(x, 200));
    const auto regions = RegionsOf(bars.chart);
    ASSERT_EQ(regions.size(), 16u);
    const std::vector<std::pair<int, int>> first(regions.begin(), regions.begin() + 4);
    EXPECT_EQ(first, (std::vector<std::pair<int, int>>{{0, 0}, {0, 2}, {0, 1}, {0, 3}}));
    EXPECT_EQ(bars.HitAt(x, 160), std::make_pair(0, 3));

    // candlesticks: two colours, light over dark when rising; one colour when open equals close
    RoutineScene candles(GT_CANDLESTICK, 0, 10);
    fill(candles);
    candles.Draw();
    const auto& sticks = candles.pDisplay->symbols;
    ASSERT_EQ(sticks.size(), 4u);
    EXPECT_EQ(sticks[0].style.m_nLineKind & 0xF0, 0x30);
    EXPECT_EQ(sticks[0].style.m_crFill1, COLORREF(0x800000));
    EXPECT_EQ(sticks[0].style.m_crFill2, COLORREF(0xff0000));
    EXPECT_EQ(sticks[1].style.m_crFill1, COLORREF(0x80ff00));
    EXPECT_EQ(sticks[1].style.m_crFill2, COLORREF(0x008000));
    EXPECT_EQ(sticks[2].style.m_nLineKind & 0xF0, 0x20);
    EXPECT_EQ(sticks[2].style.m_crFill1, COLORREF(0x800000));

    // ticks: lines only, the open to the left and the close to the right; a candle without one of
    // its values is left out
    RoutineScene ticks(GT_STOCK_TICKS, 0, 10);
    fill(ticks);
    ticks.chart.GetGroup(7, 0)->GetItem(1, 0)->SetNull(1);
    ticks.Draw();
    EXPECT_TRUE(ticks.pDisplay->symbols.empty());
    ASSERT_EQ(ticks.pDisplay->lines.size(), 9u);
    EXPECT_EQ(ticks.pDisplay->lines[1].from, CPoint(nLeft, 100));
    EXPECT_EQ(ticks.pDisplay->lines[1].to, CPoint(x, 100));
    EXPECT_EQ(ticks.pDisplay->lines[2].from, CPoint(x, 160));
    EXPECT_EQ(ticks.pDisplay->lines[2].to, CPoint(nRight, 160));
}

// ---- nothing to draw --------------------------------------------------------------------------------------------

TEST_F(ChartTest, EveryRoutineDrawsThePlaceholderWithNothingToDraw)
{
    const int types[] = {GT_VBAR, GT_HBAR_3D, GT_VBAR_OVERLAP, GT_HBAR_OVERLAP, GT_BAR_LINE, GT_STACKED_VBAR,
                         GT_GROUP_STACKED_HBAR_100, GT_STACKED_AREA, GT_PIE, GT_AREA, GT_STEP, GT_HILO, GT_HILO_BAND,
                         GT_BAR_FLOAT, GT_CANDLESTICK};
    for (const int nGraphType : types) {
        // an empty window: no item between the first and the last
        RoutineScene window(nGraphType, 0, 10);
        for (int g = 0; g < 4; ++g)
            window.SetGroup(g, {1, 2, 3});
        window.pDisplay->SetDataWindow(2, 0, 1, 3);
        window.Draw();
        EXPECT_EQ(window.pDisplay->nPlaceholders, 1) << nGraphType;
        // a value range of no width
        RoutineScene flat(nGraphType, 0, 10);
        for (int g = 0; g < 4; ++g)
            flat.SetGroup(g, {1, 2, 3});
        flat.pDisplay->RecomputeWindow();
        flat.pDisplay->SetYDataRange(5, 5, 0);
        flat.pDisplay->DrawData();
        EXPECT_EQ(flat.pDisplay->nPlaceholders, 1) << nGraphType;
        for (RecordingDisplay* pDisplay : {window.pDisplay, flat.pDisplay})
            EXPECT_TRUE(pDisplay->symbols.empty() && pDisplay->polygons.empty()) << nGraphType;
    }
    // floating bars need a pair of groups
    RoutineScene single(GT_BAR_FLOAT, 0, 10);
    single.SetGroup(0, {1, 2});
    single.Draw();
    EXPECT_EQ(single.pDisplay->nPlaceholders, 1);
}
