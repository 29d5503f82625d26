// The radar, polar and perspective displays with their frames and scales.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <vector>

#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/display/DEDizedPosition.h"

#include "chart_test_support.h"
#include "routine_test_support.h"

namespace {

// Markers and lines (marker kind 3 draws the style's widget).
const int kMarkersAndLines = 0x0302;

void SetStyles(RoutineScene& scene, int nGroups, int nItems, int nWord)
{
    for (int g = 0; g < nGroups; ++g)
        for (int i = 0; i < nItems; ++i)
            scene.ItemStyle(i, g)->m_nLineKind = nWord;
}

// A display of nGraphType and nAxisType on a 420 x 260 chart with its axes and labels.
struct AxesScene : BasicDisplayScene<RecordingDisplay> {
    AxesScene(int nGraphType, int nAxisType)
    {
        pDisplay->SetGraphType(nGraphType);
        pDisplay->SetAxisType(nAxisType);
        pDisplay->GetStyle()->m_nKind = (pDisplay->GetStyle()->m_nKind & ~0xF0) | 0x20;
    }
    // True when a pixel within 1 of (x, y) has the grid colour.
    bool GridNear(int x, int y)
    {
        const COLORREF crGrid = pDisplay->GetStyle()->m_crColor;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (canvas.At(x + dx, y + dy) == crGrid)
                    return true;
        return false;
    }
};

} // namespace

// ---- radar and polar --------------------------------------------------------------------------------------------

TEST_F(ChartTest, RadarAndPolarRefuseWhatTheyCannotPlace)
{
    RoutineScene radar(GT_RADAR, 0, 10);
    radar.SetGroup(0, {1, 2});
    radar.pDisplay->RecomputeWindow();
    EXPECT_EQ(ChartCode([&] { radar.pDisplay->DrawRadarChart(); }), 21);

    RoutineScene polar(GT_POLAR, 0, 10);
    for (int g = 0; g < 3; ++g)
        polar.SetGroup(g, {1, 2});
    polar.pDisplay->RecomputeWindow();
    EXPECT_EQ(ChartCode([&] { polar.pDisplay->DrawPolarChart(); }), 21);

    // a circle below a pixel draws nothing, without error
    RoutineScene tiny(GT_RADAR, 0, 10);
    tiny.SetGroup(0, {1, 2});
    tiny.UsePlot(CRect(10, 20, 12, 22));
    tiny.pDisplay->RecomputeWindow();
    EXPECT_EQ(ChartCode([&] { tiny.pDisplay->DrawRadarChart(); }), -1);
    EXPECT_TRUE(tiny.pDisplay->widgets.empty());
}

TEST_F(ChartTest, RadarRingsRunClockwiseFromTheTop)
{
    // centre (210, 120), radius 80 for the range 0..10: 8 pixels a unit
    RoutineScene scene(GT_RADAR, 0, 10);
    scene.SetGroup(0, {5, 5, 5, 10});
    SetStyles(scene, 1, 4, kMarkersAndLines);
    scene.Draw();
    const std::vector<CPoint> ring = {{210, 80}, {250, 120}, {210, 160}, {130, 120}};
    EXPECT_EQ(scene.pDisplay->widgets, ring);
    const auto& lines = scene.pDisplay->lines;
    ASSERT_EQ(lines.size(), 4u);  // closed on the first point
    EXPECT_EQ(lines[3].from, CPoint(130, 120));
    EXPECT_EQ(lines[3].to, CPoint(210, 80));

    scene.pDisplay->SetGraphType(GT_RADAR_FILLED);
    scene.Redraw();
    ASSERT_EQ(scene.pDisplay->polygons.size(), 1u);
    EXPECT_EQ(scene.pDisplay->polygons[0].points.size(), 5u);
    EXPECT_TRUE(scene.pDisplay->widgets.empty());
}

TEST_F(ChartTest, PolarPointsBelowTheAxisStandAtTheCentreWithoutMarker)
{
    // magnitudes on 2..10: 10 pixels a unit from the centre (210, 120); angles clockwise from the top
    RoutineScene scene(GT_POLAR, 2, 10);
    scene.SetGroup(0, {0, 90, 180});
    scene.SetGroup(1, {6, 6, 1});
    SetStyles(scene, 1, 3, kMarkersAndLines);
    scene.Draw();
    EXPECT_EQ(scene.pDisplay->widgets, (std::vector<CPoint>{{210, 80}, {250, 120}}));
    const auto& lines = scene.pDisplay->lines;
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].to, CPoint(210, 120));  // the third point joins the line at the centre
    EXPECT_EQ(scene.HitAt(250, 120), std::make_pair(1, 0));
    EXPECT_EQ(scene.HitAt(210, 120), std::make_pair(-1, -1));
}

TEST_F(ChartTest, APositionReadsAPolarPointOnTheDisplaysOwnZoomedRange)
{
    // magnitudes fixed to 2..10, zoomed onto 3..7: 20 pixels a unit from the centre (210, 120)
    RoutineScene scene(GT_POLAR, 2, 10);
    scene.SetGroup(0, {90, 315});
    scene.SetGroup(1, {6, 5});
    SetStyles(scene, 1, 2, kMarkersAndLines);
    scene.pDisplay->SetYViewRange(7, 3, 0);
    scene.Draw();
    ASSERT_EQ(scene.pDisplay->widgets.size(), 2u);
    EXPECT_EQ(scene.pDisplay->widgets[0], CPoint(270, 120));
    const struct {
        double dAngle;
        double dMagnitude;
    } drawn[] = {{90, 6}, {315, 5}};  // the second up to the left: read as 315, not -45
    for (size_t n = 0; n < 2; ++n) {
        const CPoint point = scene.pDisplay->widgets[n];
        DEDizedPosition position(&scene.chart, point.x, point.y, nullptr);
        ASSERT_TRUE(position.HasValue() && position.HasAngle()) << n;
        EXPECT_NEAR(position.GetValue(), drawn[n].dMagnitude, 0.05) << n;
        EXPECT_NEAR(position.GetAngle(), drawn[n].dAngle, 1.0) << n;
        EXPECT_EQ(position.GetResultGroup(), DEDizedPosition::measuredPolar);
    }
}

TEST_F(ChartTest, CircleFramesAndScalesFollowTheirFlags)
{
    // radar of four items on the whole chart: spokes up, right, down and left; rings at the value ticks
    struct Case {
        int nFlags;
        bool bRings;
        bool bSpokes;
        bool bLabels;
        bool bScale;
    };
    const Case cases[] = {{0, true, true, true, true},
                          {SRGDisplayBase::flagNoHorizontalGrid, false, true, true, true},
                          {SRGDisplayBase::flagNoVerticalGrid, true, false, true, true},
                          {SRGDisplayBase::flagNoXScale, true, true, false, true},
                          {SRGDisplayBase::flagNoYScale, false, true, true, false}};
    for (const Case& c : cases) {
        AxesScene scene(GT_RADAR, AXIS_RADAR);
        scene.SetGroup(0, {2, 4, 6, 8});
        scene.pDisplay->SetFlags(c.nFlags);
        scene.Draw();
        const DEDizedDisplay::Circle circle = scene.pDisplay->GetCircle();
        CPtrList* pTicks = scene.pDisplay->GetYTickList();
        EXPECT_EQ(!pTicks->IsEmpty(), c.bScale) << c.nFlags;
        DEDizedLabelBlock* pBlock = scene.pDisplay->GetLabelBlock();
        EXPECT_EQ(pBlock != nullptr && pBlock->GetLabelCount() == 4, c.bLabels) << c.nFlags;
        if (!pTicks->IsEmpty()) {
            // a ring through the outermost tick, half-way between the spokes
            const CPoint& tick = *static_cast<CPoint*>(pTicks->GetTail());
            const double r = circle.cy - tick.y;
            EXPECT_EQ(scene.GridNear(int(circle.cx + r * 0.7071 + 0.5), int(circle.cy - r * 0.7071 + 0.5)), c.bRings)
                << c.nFlags;
        }
        EXPECT_EQ(scene.GridNear(circle.cx - 1, circle.cy + int(circle.dRadius * 0.5) + 1) ||
                      scene.GridNear(circle.cx, circle.cy + int(circle.dRadius * 0.5) + 1),
                  c.bSpokes)
            << c.nFlags;
    }

    // the polar frame: sixteen spokes 22.5 degrees apart, labelled in degrees
    AxesScene polar(GT_POLAR, AXIS_POLAR);
    polar.SetGroup(0, {0, 90});
    polar.SetGroup(1, {4, 8});
    polar.pDisplay->SetFlags(SRGDisplayBase::flagNoHorizontalGrid);
    polar.Draw();
    const DEDizedDisplay::Circle circle = polar.pDisplay->GetCircle();
    const double d = circle.dRadius * 0.6;
    const double a = 22.5 * M_PI / 180;
    EXPECT_TRUE(polar.GridNear(int(circle.cx + std::sin(a) * d + 0.5), int(circle.cy + std::cos(a) * d + 0.5)));
    ASSERT_NE(polar.pDisplay->GetLabelBlock(), nullptr);
    ASSERT_EQ(polar.pDisplay->GetLabelBlock()->GetLabelCount(), 16);
    EXPECT_EQ(CString(polar.pDisplay->GetLabelBlock()->GetLabel(1)->GetText(1)), CString("22.5"));
}

TEST_F(ChartTest, CircleValueScaleWritesAQuarterTallerThanTheCircleLabels)
{
    for (int nSize : {10, -20}) {
        AxesScene polar(GT_POLAR, AXIS_POLAR);
        polar.SetGroup(0, {0, 90});
        polar.SetGroup(1, {4, 8});
        polar.pDisplay->SetFont(nSize, 0, "Arial");
        TextRecorder recorder(polar.canvas);
        polar.chart.Draw(&recorder, nullptr);
        // the angles round the circle ("22.5") in the display's font; the whole values up the radius
        LONG nAngleHeight = 0;
        LONG nValueHeight = 0;
        for (const TextRecorder::Line& line : recorder.lines) {
            LONG& rHeight = line.text.find('.') != std::string::npos ? nAngleHeight : nValueHeight;
            rHeight = line.font.lfHeight;
        }
        ASSERT_LT(nAngleHeight, 0) << nSize;
        EXPECT_EQ(nValueHeight, -LONG(1.25 * -nAngleHeight)) << nSize;
    }
}

// ---- perspective --------------------------------------------------------------------------------------------------

TEST_F(ChartTest, PerspectiveTypesFallBackToColumnsOnNegativeValues)
{
    // bars: nothing this pass, columns from the next; areas with one item fall back but still draw
    for (const int nType : {GT_3D_BAR, GT_3D_AREA}) {
        AxesScene scene(nType, AXIS_BY_GRAPH_TYPE);
        scene.SetGroup(0, nType == GT_3D_BAR ? std::vector<double>{3, -1} : std::vector<double>{3});
        scene.SetGroup(1, nType == GT_3D_BAR ? std::vector<double>{2, 4} : std::vector<double>{5});
        scene.Draw();
        EXPECT_EQ(scene.pDisplay->GetGraphType(), GT_VBAR) << nType;
        EXPECT_EQ(scene.pDisplay->GetAxisType(), AXIS_STANDARD);
        EXPECT_EQ(scene.pDisplay->GetOptions() & 0xFF, 1);
        EXPECT_EQ(scene.pDisplay->polygons.empty(), nType == GT_3D_BAR);
        EXPECT_TRUE(scene.pDisplay->symbols.empty());
        scene.pDisplay->Clear();
        scene.Draw();
        EXPECT_EQ(scene.pDisplay->symbols.size(), nType == GT_3D_BAR ? 4u : 2u);
    }
}

TEST_F(ChartTest, PerspectiveGroupsStandBackToFrontByTotals)
{
    for (const bool bKeep : {false, true}) {
        RoutineScene scene(GT_3D_BAR, 0, 20, AXIS_BY_GRAPH_TYPE);
        if (bKeep)
            scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagKeepGroupOrder);
        scene.SetGroup(0, {10});
        scene.SetGroup(1, {20});
        scene.Draw();
        const auto& faces = scene.pDisplay->polygons;
        ASSERT_EQ(faces.size(), 6u);  // three faces per column
        EXPECT_EQ(faces[0].nSeries, bKeep ? 0 : 1);
        EXPECT_EQ(faces[3].nSeries, bKeep ? 1 : 0);
        // the column drawn first stands further back: higher up the screen
        EXPECT_LT(faces[0].points[3].y, faces[3].points[3].y);
    }
}

TEST_F(ChartTest, PerspectivePatternFacesShadeTheColumns)
{
    std::vector<COLORREF> plain;
    for (const bool bShade : {false, true}) {
        RoutineScene scene(GT_3D_BAR, 0, 10, AXIS_BY_GRAPH_TYPE);
        if (bShade)
            scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagPatternFaces);
        scene.SetGroup(0, {8});
        scene.Draw();
        int nDiffer = 0;
        for (int y = 20; y < 220; ++y) {
            for (int x = 10; x < 410; ++x) {
                const COLORREF cr = scene.canvas.At(x, y);
                if (!bShade)
                    plain.push_back(cr);
                else
                    nDiffer += cr != plain[size_t(y - 20) * 400 + size_t(x - 10)];
            }
        }
        if (bShade) {
            EXPECT_GT(nDiffer, 0);
        }
    }
}
