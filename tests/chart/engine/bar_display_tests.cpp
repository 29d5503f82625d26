// The bar displays: bars side by side (vertical and horizontal), overlapped bars, the bar-line display,
// and the stacked bars and stacked area with their range scans.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <string>
#include <vector>

#include "chart_test_support.h"
#include "routine_test_support.h"

namespace {

using Symbols = std::vector<RecordingDisplay::Symbol>;

// The boxes of the symbols drawn, in drawing order.
std::vector<CRect> Boxes(const Symbols& symbols)
{
    std::vector<CRect> boxes;
    for (const auto& symbol : symbols)
        boxes.push_back(symbol.box);
    return boxes;
}

} // namespace

// ---- bars side by side ------------------------------------------------------------------------------------------

TEST_F(ChartTest, VerticalBarsStandOnThePixelOfZero)
{
    // the plot is 400 x 200 from (10, 20); one item: the groups' columns side by side, centred
    auto columns = [](int nGroups, int j) {
        const double w = 400.0 / nGroups * 0.9090909090909091;
        const double o = 400 * 0.5 - nGroups * w * 0.5;
        const int nLeft = int(o + w * j + 10);
        return std::make_pair(nLeft, int(nLeft + w));
    };
    const struct {
        const char* lpszCase;
        double dMinimum, dMaximum;
        std::vector<double> values;             // group by group
        std::vector<std::pair<int, int>> ys;    // top and bottom of each bar drawn
        std::vector<int> groups;
    } cases[] = {
        // range -4..6, 20 pixels a unit: 0 stands at 220 - 80 = 140
        {"spanning 0", -4, 6, {5, -3}, {{40, 140}, {140, 200}}, {0, 1}},
        // no value above 0: the bars hang from the top edge
        {"below 0", -10, 0, {-2, -5}, {{20, 60}, {20, 120}}, {0, 1}},
        // a missing value leaves its slot empty: the third bar stays where three bars put it
        {"a gap", 0, 10, {4, kMissing, 8}, {{140, 220}, {60, 220}}, {0, 2}},
    };
    for (const auto& c : cases) {
        RoutineScene scene(GT_VBAR, c.dMinimum, c.dMaximum);
        for (size_t g = 0; g < c.values.size(); ++g)
            scene.SetGroup(int(g), {c.values[g]});
        scene.Draw();
        std::vector<CRect> expected;
        for (size_t k = 0; k < c.groups.size(); ++k) {
            const auto x = columns(int(c.values.size()), c.groups[k]);
            expected.push_back(CRect(x.first, c.ys[k].first, x.second, c.ys[k].second));
        }
        EXPECT_EQ(Boxes(scene.pDisplay->symbols), expected) << c.lpszCase;
    }

    // the bars are filled in their groups' palette colours and are the hit regions of their values
    RoutineScene scene(GT_VBAR, -4, 6);
    scene.SetGroup(0, {5});
    scene.SetGroup(1, {-3});
    scene.Draw();
    EXPECT_EQ(scene.canvas.At(100, 100), Palette(0));
    EXPECT_EQ(scene.canvas.At(300, 170), Palette(1));
    EXPECT_EQ(scene.canvas.At(300, 100), RGB(255, 255, 255));
    EXPECT_EQ(scene.HitAt(100, 100), std::make_pair(0, 0));
    EXPECT_EQ(scene.HitAt(300, 170), std::make_pair(0, 1));
    EXPECT_EQ(scene.HitAt(300, 100), std::make_pair(-1, -1));
}

TEST_F(ChartTest, BarWidthsAndDepth)
{
    // under flag bit 30 the style's width, but never more than the bar's room of 400 / (2 x 2) pixels
    for (const double dWidth : {40.0, 500.0}) {
        RoutineScene scene(GT_VBAR, 0, 10);
        scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagOwnDepth);
        scene.pDisplay->SetBarWidth(dWidth);
        scene.SetGroup(0, {1, 2});
        scene.SetGroup(1, {3, 4});
        scene.Draw();
        ASSERT_EQ(scene.pDisplay->symbols.size(), 4u);
        const int w = dWidth == 40.0 ? 40 : 100;
        const int nFirst = 10 + int(100 - w);  // c / 2 - 2 w / 2 + left
        EXPECT_EQ(scene.pDisplay->symbols[0].box.left, nFirst) << dWidth;
        EXPECT_EQ(scene.pDisplay->symbols[0].box.Width(), w) << dWidth;
        EXPECT_EQ(scene.pDisplay->symbols[1].box.left, nFirst + w) << dWidth;  // the second group beside it
        EXPECT_EQ(scene.pDisplay->symbols[2].box.left, nFirst + 200) << dWidth;  // the second item
    }

    // the types with depth shrink the plot on the right and the top and draw their bars with depth
    const struct {
        int nGraphType, nAxisType;
        bool bDepth;
    } cases[] = {{GT_VBAR_3D, AXIS_STANDARD, true}, {GT_VBAR, AXIS_DEPTH, true}, {GT_VBAR, 0x15, true},
                 {GT_VBAR, AXIS_STANDARD, false}, {GT_HBAR_3D, AXIS_TRANSPOSED, true}, {GT_HBAR, 0x16, true},
                 {GT_HBAR, AXIS_DEPTH, false}};
    for (const auto& c : cases) {
        RoutineScene scene(c.nGraphType, 0, 10, c.nAxisType);
        scene.SetGroup(0, {10});
        scene.Draw();
        ASSERT_EQ(scene.pDisplay->symbols.size(), 1u);
        const RecordingDisplay::Symbol& bar = scene.pDisplay->symbols[0];
        EXPECT_EQ(bar.nKind, c.bDepth ? DEDizedDisplay::symbolWithDepth : 0) << c.nGraphType << " " << c.nAxisType;
        const int d = c.bDepth ? 10 : 0;
        if (c.nGraphType == GT_VBAR || c.nGraphType == GT_VBAR_3D)
            EXPECT_EQ(bar.box.top, 20 + d) << c.nAxisType;  // the value 10 at the top of the shrunk plot
        else
            EXPECT_EQ(bar.box.right, 410 - d) << c.nAxisType;
    }
}

TEST_F(ChartTest, HorizontalBarsRunFromThePixelOfZeroWithItemZeroAtTheBottom)
{
    // range -4..6 along 400 pixels: 40 a unit, 0 at x = 170; two items of one group in rows of 100
    RoutineScene scene(GT_HBAR, -4, 6);
    scene.SetGroup(0, {5, -3});
    scene.Draw();
    const double w = 100 * 10.0 / 11;
    const double o = 50 - w / 2;
    EXPECT_EQ(Boxes(scene.pDisplay->symbols),
              (std::vector<CRect>{{170, int(int(220 - o) - w), 370, int(220 - o)},
                                  {50, int(int(120 - o) - w), 170, int(120 - o)}}));
    EXPECT_EQ(scene.HitAt(300, 170), std::make_pair(0, 0));
    EXPECT_EQ(scene.HitAt(100, 70), std::make_pair(1, 0));
}

// ---- overlapped bars ---------------------------------------------------------------------------------------

TEST_F(ChartTest, OverlapBarsDrawEachStretchInTheGroupOfItsOuterEnd)
{
    // columns: 0..3 in the first group's colour, 3..7 in the second's (20 pixels a unit)
    RoutineScene columns(GT_VBAR_OVERLAP, 0, 10);
    columns.SetGroup(0, {3});
    columns.SetGroup(1, {7});
    columns.Draw();
    const int nLeft = int(10 + 200 - 400 * 10.0 / 11 / 2);
    const Symbols& symbols = columns.pDisplay->symbols;
    ASSERT_EQ(symbols.size(), 2u);
    EXPECT_EQ(symbols[0].box, CRect(nLeft, 160, int(nLeft + 400 * 10.0 / 11), 220));
    EXPECT_EQ(symbols[0].nGroup, 0);
    EXPECT_EQ(symbols[1].box, CRect(nLeft, 80, int(nLeft + 400 * 10.0 / 11), 160));
    EXPECT_EQ(symbols[1].nGroup, 1);
    EXPECT_EQ(columns.canvas.At(200, 200), Palette(0));
    EXPECT_EQ(columns.canvas.At(200, 100), Palette(1));

    // the same along x; below 0 each stretch belongs to its lower end; a missing value takes no part
    RoutineScene bars(GT_HBAR_OVERLAP, -5, 5);
    bars.SetGroup(0, {kMissing});
    bars.SetGroup(1, {-3});
    bars.SetGroup(2, {-4});
    bars.SetGroup(3, {2});
    bars.Draw();
    std::vector<std::pair<int, int>> stretches;  // (from x, group)
    for (const auto& symbol : bars.pDisplay->symbols)
        stretches.push_back({symbol.box.left, symbol.nGroup});
    // 40 pixels a unit from x = 10: -4..-3 group 2, -3..0 group 1, 0..2 group 3
    EXPECT_EQ(stretches, (std::vector<std::pair<int, int>>{{50, 2}, {90, 1}, {210, 3}}));
}

// ---- bar-line ------------------------------------------------------------------------------------------------

TEST_F(ChartTest, BarLineJoinsItsLinePointsAndStandsItsColumnsOnTheBase)
{
    // 10 pixels a unit; the categories' centres at x = 77, 210 and 343
    const struct {
        double dMinimum, dMaximum;
        std::vector<double> line;  // its points stand at y = 70 and 40
        int yColumn, nBase;        // the column of -8 and its base: the pixel of 0, else the bottom
    } cases[] = {{-10, 10, {5, kMissing, 8}, 200, 120}, {-20, 0, {-5, kMissing, -2}, 100, 220}};
    for (const auto& c : cases) {
        RoutineScene scene(GT_BAR_LINE, c.dMinimum, c.dMaximum);
        scene.SetGroup(0, c.line);
        scene.SetGroup(1, {-8, -6, -4});
        for (int i = 0; i < 3; ++i) {
            scene.ItemStyle(i, 0)->m_nLineKind = (2 << 8) | 2;     // line points
            scene.ItemStyle(i, 1)->m_nLineKind = (5 << 8) | 0x12;  // columns
        }
        scene.Draw();
        // the line joins the first and third points across the missing one
        ASSERT_EQ(scene.pDisplay->lines.size(), 1u) << c.dMaximum;
        EXPECT_EQ(scene.pDisplay->lines[0].from, CPoint(77, 70));
        EXPECT_EQ(scene.pDisplay->lines[0].to, CPoint(343, 40));
        EXPECT_EQ(scene.pDisplay->widgets, (std::vector<CPoint>{{77, 70}, {343, 40}}));
        // the columns of group 1, 10/11 of their category wide, stand on the base
        ASSERT_EQ(scene.pDisplay->symbols.size(), 3u);
        const double w = 400 / 3.0 * 10 / 11;
        const int nLeft = int(10 + 200 / 3.0 - w / 2);
        EXPECT_EQ(scene.pDisplay->symbols[0].box,
                  CRect(nLeft, (std::min)(c.yColumn, c.nBase), int(nLeft + w), (std::max)(c.yColumn, c.nBase)));
        EXPECT_EQ(scene.pDisplay->symbols[0].nGroup, 1);
        // the line points and the columns are the hit regions of their values
        EXPECT_EQ(scene.HitAt(343, 40), std::make_pair(2, 0));
        EXPECT_EQ(scene.HitAt(210, (c.yColumn + c.nBase) / 2 + 5), std::make_pair(1, 1));
    }
}

// ---- stacked bars --------------------------------------------------------------------------------------------

TEST_F(ChartTest, StackedColumnsStackTheirGroupsInOrder)
{
    // two items of three groups, range 0..10: 20 pixels a unit; columns 10/11 of their 200 pixels
    RoutineScene scene(GT_STACKED_VBAR, 0, 10);
    scene.SetGroup(0, {2, 1});
    scene.SetGroup(1, {kMissing, 4});
    scene.SetGroup(2, {3, 5});
    scene.Draw();
    const double w = 200 * 10.0 / 11;
    const int nLeft = int(10 + 100 - w / 2);
    const int nRight = int(nLeft + w);
    // a missing value takes no room and keeps the order of the others
    struct Segment {
        CRect box;
        int nGroup;
        bool operator==(const Segment& other) const { return box == other.box && nGroup == other.nGroup; }
    };
    std::vector<Segment> segments;
    for (const auto& symbol : scene.pDisplay->symbols) {
        segments.push_back({symbol.box, symbol.nGroup});
        EXPECT_EQ(symbol.nSeries, symbol.nGroup);
    }
    ASSERT_EQ(segments.size(), 5u);
    EXPECT_TRUE((segments[0] == Segment{{nLeft, 180, nRight, 220}, 0}));
    EXPECT_TRUE((segments[1] == Segment{{nLeft, 120, nRight, 180}, 2}));
    EXPECT_EQ(segments[2].box, CRect(nLeft + 200, 200, nRight + 200, 220));
    EXPECT_EQ(segments[4].box, CRect(nLeft + 200, 20, nRight + 200, 120));
    EXPECT_EQ(scene.HitAt(nLeft + 5, 150), std::make_pair(0, 2));

    // the scan takes in the running sums: 10 at the top of the second column
    RoutineScene scanned(GT_STACKED_VBAR, 0, 0);
    scanned.pDisplay->SetFlags(SRGDisplayBase::flagNoZero);
    scanned.SetGroup(0, {2, 1});
    scanned.SetGroup(1, {kMissing, 4});
    scanned.SetGroup(2, {3, 5});
    scanned.pDisplay->RecomputeWindow();
    scanned.pDisplay->SetYDataRange(0, 0, 1);
    scanned.pDisplay->StackedBarScan();
    EXPECT_DOUBLE_EQ(scanned.pDisplay->GetYDataRange().m_dMinimum, 1.0);
    EXPECT_DOUBLE_EQ(scanned.pDisplay->GetYDataRange().m_dMaximum, 10.0);
}

TEST_F(ChartTest, PercentStackedBarsFillTheirColumnsAndSkipEmptyOnes)
{
    for (const int nGraphType : {GT_STACKED_VBAR_100, GT_STACKED_HBAR_100}) {
        // a range of its own: the scan fixes it to 0 to 100
        RoutineScene scene(nGraphType, 0, 0);
        scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() & ~SRGDisplayBase::flagFixedRange);
        scene.SetGroup(0, {1, 0, 2});
        scene.SetGroup(1, {3, 0, 2});
        scene.Draw();
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetFixedMin(), 0.0);
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetFixedMax(), 100.0);
        EXPECT_TRUE(scene.pDisplay->HasFlag(SRGDisplayBase::flagCombineFixed));
        // the second column sums to 0 and is left out; the others reach the far edge
        ASSERT_EQ(scene.pDisplay->symbols.size(), 4u) << nGraphType;
        std::vector<int> items;
        for (const auto& symbol : scene.pDisplay->symbols)
            items.push_back(symbol.nIndex);
        EXPECT_EQ(items, (std::vector<int>{0, 0, 2, 2}));
        const auto& symbols = scene.pDisplay->symbols;
        if (nGraphType == GT_STACKED_VBAR_100) {
            EXPECT_EQ(symbols[0].box.top, 220 - 50);  // a quarter of 200
            EXPECT_EQ(symbols[1].box.top, 20);
            EXPECT_EQ(symbols[2].box.top, 120);
        } else {
            EXPECT_EQ(symbols[0].box.right, 10 + 100);  // a quarter of 400
            EXPECT_EQ(symbols[1].box.right, 410);
            EXPECT_LT(symbols[2].box.bottom, symbols[0].box.top);  // the third item above the first
        }
    }
}

TEST_F(ChartTest, StackedDisplaysWithANegativeValueBecomeColumns)
{
    const int types[] = {GT_STACKED_VBAR, GT_STACKED_HBAR_100, GT_GROUP_STACKED_VBAR, GT_GROUP_STACKED_HBAR_100};
    for (const int nGraphType : types) {
        RoutineScene scene(nGraphType, 0, 0, AXIS_BY_GRAPH_TYPE);
        scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() & ~SRGDisplayBase::flagFixedRange);
        scene.SetGroup(0, {2, -3});
        scene.SetGroup(1, {4, 1});
        scene.Draw();
        // the same draw scans the range again and draws columns
        EXPECT_EQ(scene.pDisplay->GetGraphType(), GT_VBAR) << nGraphType;
        EXPECT_EQ(scene.pDisplay->GetAxisType(), AXIS_STANDARD);
        EXPECT_LT(scene.pDisplay->GetYDataRange().m_dMinimum, -3.0 + 1e-9);
        EXPECT_EQ(scene.pDisplay->symbols.size(), 4u);
        EXPECT_TRUE(scene.pDisplay->IsStyleChanged());
        // for good: positive values later stay columns
        scene.chart.SetValue(1, 0, 3.0, 1);
        scene.Redraw();
        EXPECT_EQ(scene.pDisplay->GetGraphType(), GT_VBAR);
    }
}

TEST_F(ChartTest, StackedBarsWithDepthAndWidths)
{
    // with the depth of axis type 0x0b the plot shrinks by 10 on the right and the top, every segment
    // is drawn with depth
    RoutineScene depth(GT_STACKED_VBAR, 0, 10, AXIS_DEPTH);
    depth.SetGroup(0, {4});
    depth.SetGroup(1, {6});
    depth.Draw();
    ASSERT_EQ(depth.pDisplay->symbols.size(), 2u);
    for (const auto& symbol : depth.pDisplay->symbols)
        EXPECT_EQ(symbol.nKind, DEDizedDisplay::symbolWithDepth);
    EXPECT_EQ(depth.pDisplay->symbols[1].box.top, 30);
    EXPECT_EQ(depth.pDisplay->symbols[0].box.left, int(10 + 195 - 390 * 10.0 / 11 / 2));

    // under flag bit 30 a column is never wider than its slot, a bar never thicker
    for (const int nGraphType : {GT_STACKED_VBAR, GT_STACKED_HBAR}) {
        RoutineScene wide(nGraphType, 0, 10);
        wide.pDisplay->SetFlags(wide.pDisplay->GetFlags() | SRGDisplayBase::flagOwnDepth);
        wide.pDisplay->SetBarWidth(1000);
        wide.pDisplay->SetBarThickness(1000);
        wide.SetGroup(0, {1, 2});
        wide.Draw();
        ASSERT_EQ(wide.pDisplay->symbols.size(), 2u);
        const CRect& box = wide.pDisplay->symbols[0].box;
        if (nGraphType == GT_STACKED_VBAR)
            EXPECT_EQ(box.Width(), 200);
        else
            EXPECT_EQ(box.Height(), 100);
    }
}

TEST_F(ChartTest, StackedByGroupStacksTheItemsOfEachGroup)
{
    // horizontal bars, one per group from the bottom; items stacked along x in the display's style
    RoutineScene scene(GT_GROUP_STACKED_HBAR, 0, 10, AXIS_TRANSPOSED);
    scene.SetGroup(0, {1, 2});
    scene.SetGroup(1, {3, 4});
    scene.ItemStyle(1, 1)->m_nLineKind = 0x100;  // no line-kind byte: the display's style
    scene.Draw();
    const auto& symbols = scene.pDisplay->symbols;
    ASSERT_EQ(symbols.size(), 4u);
    // group 0 at the bottom: 0..1 and 1..3 in 40 pixels a unit
    EXPECT_EQ(symbols[0].box.left, 10);
    EXPECT_EQ(symbols[0].box.right, 50);
    EXPECT_EQ(symbols[1].box.right, 130);
    EXPECT_EQ(symbols[0].nSeries, 0);  // the series is the item
    EXPECT_EQ(symbols[1].nSeries, 1);
    EXPECT_GT(symbols[0].box.top, symbols[2].box.bottom);
    EXPECT_EQ(symbols[3].box, CRect(130, symbols[2].box.top, 290, symbols[2].box.bottom));
    EXPECT_EQ(symbols[3].style.m_nKind & 0xF, DEDizedStyle::kindComponent);
    EXPECT_EQ(scene.HitAt(200, symbols[3].box.CenterPoint().y), std::make_pair(1, 1));
}

// ---- stacked area --------------------------------------------------------------------------------------------

TEST_F(ChartTest, StackedAreaFillsTheBandsBetweenRunningSums)
{
    RoutineScene scene(GT_STACKED_AREA, 0, 10);
    scene.SetGroup(0, {2, 4, 1});
    scene.SetGroup(1, {3, kMissing, 5});
    scene.Draw();
    const auto& polygons = scene.pDisplay->polygons;
    ASSERT_EQ(polygons.size(), 2u);
    // points at x = 10, 210, 410; 20 pixels a unit; the upper edge forward, the lower back, closed
    const std::vector<CPoint> first = {{10, 180}, {210, 140}, {410, 200}, {410, 220},
                                       {210, 220}, {10, 220},  {10, 180}};
    const std::vector<CPoint> second = {{10, 120}, {210, 140}, {410, 100}, {410, 200},
                                        {210, 140}, {10, 180},  {10, 120}};
    EXPECT_EQ(polygons[0].points, first);
    EXPECT_EQ(polygons[1].points, second);  // a missing value adds nothing
    EXPECT_EQ(polygons[1].nSeries, 1);
    EXPECT_EQ(scene.canvas.At(300, 150), Palette(1));
    EXPECT_EQ(scene.canvas.At(300, 175), Palette(0));
    EXPECT_EQ(scene.HitAt(410, 100), std::make_pair(2, 1));

    // its scan takes in the running sums of every item
    scene.pDisplay->SetFlags(SRGDisplayBase::flagNoZero);
    scene.pDisplay->RecomputeWindow();
    scene.pDisplay->SetYDataRange(0, 0, 1);
    scene.pDisplay->RunningSumScan();
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMinimum, 1.0);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMaximum, 6.0);
}
