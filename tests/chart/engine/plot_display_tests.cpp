// The XY, bubble and vector displays: their pairs and sets, range scans and drawing.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedPosition.h"

#include "chart_test_support.h"
#include "routine_test_support.h"

namespace {

// A recording display that shows how it lays its view ranges onto the plot.
class MappingDisplay : public RecordingDisplay {
public:
    using DEDizedDisplay::GetViewMapping;
};

// A display of nGraphType on the plot (10, 20)-(410, 220) with both axes fixed to [0, 10]: 40 pixels a
// unit across, 20 up.
struct PlotScene : BasicDisplayScene<MappingDisplay> {
    explicit PlotScene(int nGraphType)
    {
        pDisplay->SetGraphType(nGraphType);
        pDisplay->SetAxisType(AXIS_XY);
        FixRange(0, 10);
        pDisplay->SetFixedXMin(0);
        pDisplay->SetFixedXMax(10);
        UsePlot(CRect(10, 20, 410, 220));
    }
    static CPoint At(double x, double y) { return CPoint(int(10 + x * 40 + 0.5), int(220 - y * 20 + 0.5)); }
    // Gives every item of the groups the data style word nWord (marker kind in bits 8-15).
    void SetStyles(int nGroups, int nItems, int nWord)
    {
        for (int g = 0; g < nGroups; ++g)
            for (int i = 0; i < nItems; ++i)
                chart.GetGroup(g, 1)->GetItem(i, 1)->GetStyle()->m_nLineKind = nWord;
    }
    void Redraw()
    {
        pDisplay->Clear();
        Draw();
    }
    std::pair<int, int> HitAt(int x, int y)
    {
        DEDizedFeedback* pHit = chart.HitTest(x, y);
        return pHit == nullptr ? std::make_pair(-1, -1) : std::make_pair(pHit->GetFirstIndex(), pHit->GetSecondIndex());
    }
    int ScanCode()
    {
        return ChartCode([&] { pDisplay->RecomputeWindow(); });
    }
};

// Marker kind 1 (a line with a widget at its end) drawn with a solid line.
const int kLineAndWidget = 0x0102;

} // namespace

// ---- XY ---------------------------------------------------------------------------------------------------------

TEST_F(ChartTest, XYTypesNeedAnEvenCountOfValuesToPair)
{
    struct Case {
        int nType;
        int nGroups;
        int nItems;
        int nCode;
    };
    const Case cases[] = {
        {GT_XY_ITEM_PAIRS, 1, 5, 23},           // 5 values in one group
        {GT_XY_ITEM_PAIRS, 1, 6, -1},
        {GT_XY_ITEM_PAIRS_BY_INDEX, 2, 3, 23},  // 3 indexes
        {GT_XY_GROUP_PAIRS, 3, 2, 23},          // 3 groups
        {GT_XY_GROUP_PAIRS_DUAL, 4, 2, -1},
    };
    for (const Case& c : cases) {
        PlotScene scene(c.nType);
        scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() & ~SRGDisplayBase::flagFixedRange);
        for (int g = 0; g < c.nGroups; ++g)
            scene.SetGroup(g, std::vector<double>(size_t(c.nItems), g + 1.0));
        EXPECT_EQ(scene.ScanCode(), c.nCode) << c.nType << " " << c.nGroups << "x" << c.nItems;
    }
}

TEST_F(ChartTest, XYItemPairsDrawOnePolylinePerGroup)
{
    PlotScene scene(GT_XY_ITEM_PAIRS);
    scene.SetGroup(0, {1, 2, 3, 4, 5, 6});
    scene.SetStyles(1, 6, kLineAndWidget);
    scene.Draw();
    const auto& lines = scene.pDisplay->lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, PlotScene::At(1, 2));
    EXPECT_EQ(lines[0].to, PlotScene::At(3, 4));
    EXPECT_EQ(lines[1].to, PlotScene::At(5, 6));
    // the symbol of the first point, then one at the end of each segment
    EXPECT_EQ(scene.pDisplay->widgets,
              (std::vector<CPoint>{PlotScene::At(1, 2), PlotScene::At(3, 4), PlotScene::At(5, 6)}));
    EXPECT_EQ(scene.HitAt(PlotScene::At(3, 4).x, PlotScene::At(3, 4).y), std::make_pair(2, 0));
}

TEST_F(ChartTest, XYGroupPairsAndIndexPairsMakeTheirSeries)
{
    // group pairs: x from group 0, y from group 1, one series; index pairs: items 0 and 1 of each group
    PlotScene groups(GT_XY_GROUP_PAIRS);
    groups.SetGroup(0, {1, 2, 3});
    groups.SetGroup(1, {4, 5, 6});
    groups.SetStyles(2, 3, kLineAndWidget);
    groups.Draw();
    EXPECT_EQ(groups.pDisplay->widgets,
              (std::vector<CPoint>{PlotScene::At(1, 4), PlotScene::At(2, 5), PlotScene::At(3, 6)}));

    PlotScene indexes(GT_XY_ITEM_PAIRS_BY_INDEX);
    indexes.SetGroup(0, {1, 2});
    indexes.SetGroup(1, {3, 4});
    indexes.SetStyles(2, 2, kLineAndWidget);
    indexes.Draw();
    ASSERT_EQ(indexes.pDisplay->lines.size(), 1u);
    EXPECT_EQ(indexes.pDisplay->lines[0].from, PlotScene::At(1, 2));
    EXPECT_EQ(indexes.pDisplay->lines[0].to, PlotScene::At(3, 4));
}

TEST_F(ChartTest, XYPairsWithOneValueMissingAreRefused)
{
    // both axes fixed: nothing is scanned, the drawing finds the pair
    PlotScene fixed(GT_XY_ITEM_PAIRS);
    fixed.SetGroup(0, {1, 2, 3, kMissing, kMissing, kMissing, 5, 6});
    ASSERT_EQ(fixed.ScanCode(), -1);
    EXPECT_EQ(ChartCode([&] { fixed.pDisplay->DrawXYGraph(); }), 7);
    PlotScene scanned(GT_XY_ITEM_PAIRS);
    scanned.pDisplay->SetFlags(0);
    scanned.SetGroup(0, {1, 2, 3, kMissing, kMissing, kMissing, 5, 6});
    EXPECT_EQ(scanned.ScanCode(), 7);

    // both values missing: the pair is skipped, and under flagBreakLines the line starts anew
    PlotScene broken(GT_XY_ITEM_PAIRS);
    broken.SetGroup(0, {1, 2, kMissing, kMissing, 3, 4, 5, 6});
    broken.SetStyles(1, 8, kLineAndWidget);
    broken.Draw();
    EXPECT_EQ(broken.pDisplay->lines.size(), 2u);
    broken.pDisplay->SetFlags(broken.pDisplay->GetFlags() | SRGDisplayBase::flagBreakLines);
    broken.Redraw();
    ASSERT_EQ(broken.pDisplay->lines.size(), 1u);
    EXPECT_EQ(broken.pDisplay->lines[0].from, PlotScene::At(3, 4));
}

TEST_F(ChartTest, XYPointsFarOutsideAZoomStopAtTheSurfaceLimit)
{
    PlotScene scene(GT_XY_ITEM_PAIRS);
    scene.SetGroup(0, {1, 1, 1e7, 1, 1, 1e7});
    scene.SetStyles(1, 6, kLineAndWidget);
    scene.pDisplay->SetXViewRange(2, 0, 0);  // a zoom onto x 0..2: 200 pixels a unit
    scene.Draw();
    const int nDpi = scene.canvas.dc.GetDeviceCaps(LOGPIXELSX);
    const int nHigh = 32767 - nDpi / 2;
    const int nLow = nDpi / 2 - 32768;
    const auto& lines = scene.pDisplay->lines;
    ASSERT_EQ(lines.size(), 2u);
    const CPoint first(10 + 200, PlotScene::At(0, 1).y);
    EXPECT_EQ(lines[0].from, first);
    EXPECT_EQ(lines[0].to, CPoint(nHigh, first.y));  // straight on to the right
    EXPECT_EQ(lines[1].to, CPoint(10 + 200, nLow));  // straight up
}

TEST_F(ChartTest, APositionReadsAZoomedXYPointAsItIsDrawn)
{
    PlotScene scene(GT_XY_ITEM_PAIRS);
    scene.SetGroup(0, {3, 4});
    scene.SetStyles(1, 2, kLineAndWidget);
    scene.pDisplay->SetXViewRange(6, 2, 0);  // 100 pixels a unit across
    scene.pDisplay->SetYViewRange(8, 2, 0);  // 200 / 6 up
    scene.Draw();
    ASSERT_EQ(scene.pDisplay->widgets.size(), 1u);
    const CPoint drawn = scene.pDisplay->widgets[0];
    DEDizedPosition position(&scene.chart, drawn.x, drawn.y, nullptr);
    ASSERT_TRUE(position.HasValue() && position.HasAngle());
    EXPECT_NEAR(position.GetAngle(), 3.0, 0.01);  // the x value
    EXPECT_NEAR(position.GetValue(), 4.0, 0.03);
}

TEST_F(ChartTest, XYFixedAxisLetsOnlyItsPointsWidenTheOther)
{
    // y fixed to [0, 10] alone: x takes in the points with 0 <= y <= 10 only
    PlotScene scene(GT_XY_ITEM_PAIRS);
    scene.pDisplay->SetFixedXMax(0);
    scene.SetGroup(0, {1, 5, 100, 50, -20, -3, 7, 10});
    ASSERT_EQ(scene.ScanCode(), -1);
    EXPECT_EQ(scene.pDisplay->GetXDataRange().m_dMinimum, 1.0);
    EXPECT_EQ(scene.pDisplay->GetXDataRange().m_dMaximum, 7.0);
    EXPECT_EQ(scene.pDisplay->GetYDataRange().m_dMinimum, 0.0);
    EXPECT_EQ(scene.pDisplay->GetYDataRange().m_dMaximum, 10.0);
}

TEST_F(ChartTest, XYLogarithmicAxisTakesAZeroStartAsAThousandth)
{
    PlotScene scene(GT_XY_ITEM_PAIRS_DUAL);
    scene.pDisplay->SetOptions(scene.pDisplay->GetOptions() | SRGDisplayBase::optionLogX);
    scene.pDisplay->SetXViewRange(100, 0, 0);
    scene.pDisplay->SetYViewRange(10, 0, 0);
    const auto map = scene.pDisplay->GetViewMapping();
    EXPECT_TRUE(map.bXLog);
    EXPECT_FALSE(map.bYLog);
    EXPECT_DOUBLE_EQ(map.dXMin, -3.0);
    EXPECT_DOUBLE_EQ(map.dXScale, 400.0 / 5.0);  // log10(100) - log10(0.001) decades over 400 pixels
    EXPECT_DOUBLE_EQ(map.dYScale, 200.0 / 10.0);
}

// ---- bubbles and vectors ------------------------------------------------------------------------------------

TEST_F(ChartTest, BubbleAndVectorScansRefuseTooFewGroupsAndLogarithmicAxes)
{
    struct Case {
        int nType;
        int nGroups;
        bool bLog;
        int nCode;
    };
    const Case cases[] = {{GT_BUBBLE, 2, false, 21}, {GT_BUBBLE_AREA, 3, true, 22}, {GT_VECTOR, 3, false, 21},
                          {GT_VECTOR_SEGMENT, 4, true, 22}, {GT_VECTOR_B, 4, false, -1}};
    for (const Case& c : cases) {
        PlotScene scene(c.nType);
        for (int g = 0; g < c.nGroups; ++g)
            scene.SetGroup(g, {1.0 + g});
        scene.pDisplay->SetLogarithmic(c.bLog ? 1 : 0);
        EXPECT_EQ(scene.ScanCode(), c.nCode) << c.nType;
    }
}

TEST_F(ChartTest, BubblesUseWholeTriplesAndVectorsTakeInBothEnds)
{
    // five groups: one triple, groups 3 and 4 left out
    PlotScene bubbles(GT_BUBBLE);
    bubbles.pDisplay->SetFlags(SRGDisplayBase::flagNoZero);
    bubbles.SetGroup(0, {1, 2});
    bubbles.SetGroup(1, {3, 4});
    bubbles.SetGroup(2, {1, 1});
    bubbles.SetGroup(3, {100, 100});
    bubbles.SetGroup(4, {1000, 1000});
    ASSERT_EQ(bubbles.ScanCode(), -1);
    EXPECT_EQ(bubbles.pDisplay->GetXDataRange().m_dMaximum, 2.0);
    EXPECT_EQ(bubbles.pDisplay->GetYDataRange().m_dMaximum, 4.0);

    // with the markers' extent in data units (second word bit 25) a vector's end counts too; a
    // segment's end always does
    struct Case {
        int nType;
        int nOptions;
        double dXMax;
        double dYMin;
    };
    const Case cases[] = {{GT_VECTOR, 0, 1.01, 1.0},           // the anchor alone, widened as no range
                          {GT_VECTOR, 0x2000000, 6.0, 1.0},     // angle 90: 5 to the right
                          {GT_VECTOR_B, 0x2000000, 3.5, 1.0},   // centred: half of it each way
                          {GT_VECTOR_SEGMENT, 0, 90.0, -4.0}};  // the end (90, -4)
    for (const Case& c : cases) {
        PlotScene scene(c.nType);
        scene.pDisplay->SetFlags(SRGDisplayBase::flagNoZero);
        scene.pDisplay->SetOptions(c.nOptions);
        scene.SetGroup(0, {1});
        scene.SetGroup(1, {1});
        scene.SetGroup(2, {90});
        scene.SetGroup(3, {c.nType == GT_VECTOR_SEGMENT ? -4.0 : 5.0});
        ASSERT_EQ(scene.ScanCode(), -1) << c.nType;
        EXPECT_NEAR(scene.pDisplay->GetXDataRange().m_dMaximum, c.dXMax, 1e-9) << c.nType << " " << c.nOptions;
        EXPECT_NEAR(scene.pDisplay->GetYDataRange().m_dMinimum, c.dYMin, 1e-9) << c.nType;
    }
}

TEST_F(ChartTest, BubblesLargestFirstWithAbsoluteSizes)
{
    PlotScene scene(GT_BUBBLE);
    scene.SetGroup(0, {5, 2, 3});
    scene.SetGroup(1, {5, 2, kMissing});  // the third bubble has no y: it alone goes
    scene.SetGroup(2, {1, -4, 2});
    scene.Draw();
    const auto& symbols = scene.pDisplay->symbols;
    ASSERT_EQ(symbols.size(), 2u);
    // size -4 as 4, drawn first: radius 4 units, 160 pixels across and 80 down
    const CPoint big = PlotScene::At(2, 2);
    EXPECT_EQ(symbols[0].box, CRect(big.x - 160, big.y - 80, big.x + 160, big.y + 80));
    EXPECT_EQ(symbols[0].nIndex, 1);
    EXPECT_EQ(symbols[0].nKind, 0x1100);
    const CPoint little = PlotScene::At(5, 5);
    EXPECT_EQ(symbols[1].box, CRect(little.x - 40, little.y - 20, little.x + 40, little.y + 20));

    // the area type takes the root of size / pi as the radius
    PlotScene area(GT_BUBBLE_AREA);
    area.SetGroup(0, {5});
    area.SetGroup(1, {5});
    area.SetGroup(2, {4});
    area.Draw();
    ASSERT_EQ(area.pDisplay->symbols.size(), 1u);
    EXPECT_NEAR(area.pDisplay->symbols[0].box.Width(), 2 * 40 * std::sqrt(4 / M_PI), 1.0);
}

TEST_F(ChartTest, VectorAnglesRunClockwiseFromTheTop)
{
    // from (5, 5) with magnitude 2: angle 0 straight up (40 pixels), 90 to the right (80 pixels)
    PlotScene scene(GT_VECTOR);
    scene.SetGroup(0, {5, 5});
    scene.SetGroup(1, {5, 5});
    scene.SetGroup(2, {0, 90});
    scene.SetGroup(3, {2, 2});
    scene.Draw();
    const CPoint anchor = PlotScene::At(5, 5);
    const auto& lines = scene.pDisplay->lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, anchor);
    EXPECT_EQ(lines[0].to, CPoint(anchor.x, anchor.y - 40));
    EXPECT_EQ(lines[1].to, CPoint(anchor.x + 80, anchor.y));
    // the anchor belongs to the first group of the set, the end to the third
    EXPECT_EQ(scene.HitAt(anchor.x, anchor.y - 40), std::make_pair(0, 2));
}
