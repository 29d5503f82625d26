// The pie display: flat and tilted pies, their slices, walls, pulled-out slices and hit regions, the
// change to columns for negative values, and the labels of a tilted pie.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "chart/engine/components/DEDizedLabelBlock.h"

#include "chart_test_support.h"
#include "routine_test_support.h"

namespace {

// The largest horizontal and vertical distances of points from a centre.
CSize Reach(const std::vector<CPoint>& points, const CPoint& centre)
{
    CSize reach(0, 0);
    for (const CPoint& p : points) {
        reach.cx = (std::max)(reach.cx, LONG(std::abs(p.x - centre.x)));
        reach.cy = (std::max)(reach.cy, LONG(std::abs(p.y - centre.y)));
    }
    return reach;
}

// The pie's centre in the scene's plot (10, 20)-(410, 220), raised by half the wall height H; on the
// flat pie H is a hair above 0, which the truncation of the centre's y shows.
CPoint PieCentre(double dWallHeight)
{
    return CPoint(210, int(20 + 100 - dWallHeight * 0.5));
}

} // namespace

TEST_F(ChartTest, FlatPieIsACircleOfSlicesInWindowOrder)
{
    // radius 0.4 x the plot's smaller side, or the display's pie radius for axis types 0x09 and 0x01;
    // a flat pie ignores the tilt and has no walls
    const struct {
        int nAxisType;
        double dPieRadius;
        int nRadius;
    } radii[] = {{AXIS_STANDARD, 100, 80}, {AXIS_PIE, 100, 100}, {AXIS_BY_GRAPH_TYPE, 50, 50}};
    for (const auto& c : radii) {
        RoutineScene scene(GT_PIE, 0, 10, c.nAxisType);
        scene.pDisplay->SetPieRadius(c.dPieRadius);
        scene.pDisplay->SetPieTilt(30.0);
        scene.SetGroup(0, {1, 3});
        scene.Draw();
        const auto& polygons = scene.pDisplay->polygons;
        ASSERT_EQ(polygons.size(), 2u) << c.nAxisType;
        const CPoint centre = PieCentre(1e-6);
        std::vector<CPoint> all = polygons[0].points;
        all.insert(all.end(), polygons[1].points.begin(), polygons[1].points.end());
        EXPECT_EQ(Reach(all, centre), CSize(c.nRadius, c.nRadius)) << c.nAxisType;
        // each slice starts at the centre and closes on it, the first from 3 o'clock clockwise
        EXPECT_EQ(polygons[0].points.front(), centre);
        EXPECT_EQ(polygons[0].points.back(), centre);
        EXPECT_EQ(polygons[0].points[polygons[0].points.size() - 2], CPoint(210 + c.nRadius, centre.y));
        // the slices take the palette colours of their places
        EXPECT_EQ(polygons[0].nSeries, 0);
        EXPECT_EQ(polygons[1].nSeries, 1);
    }

    // the first slice is a quarter, below right; the second the rest; each a hit region
    RoutineScene scene(GT_PIE, 0, 10);
    scene.SetGroup(0, {1, 3});
    scene.Draw();
    EXPECT_EQ(scene.canvas.At(240, 150), Palette(0));
    EXPECT_EQ(scene.canvas.At(180, 90), Palette(1));
    EXPECT_EQ(scene.HitAt(240, 150), std::make_pair(0, 0));
    EXPECT_EQ(scene.HitAt(180, 90), std::make_pair(1, 0));
}

TEST_F(ChartTest, PieOfOneValueIsAWholeEllipse)
{
    for (const int nGraphType : {GT_PIE, GT_PIE_3D}) {
        RoutineScene scene(nGraphType, 0, 10);
        scene.SetGroup(0, {4});
        scene.Draw();
        ASSERT_FALSE(scene.pDisplay->polygons.empty());
        // the face: rim points only, closed on the first, no radius line to the centre
        const std::vector<CPoint>& face = scene.pDisplay->polygons.back().points;
        EXPECT_EQ(face.front(), face.back());
        EXPECT_EQ(face.front().x, 290);
        const CPoint centre = PieCentre(nGraphType == GT_PIE ? 1e-6 : 20.0);
        EXPECT_EQ(std::count(face.begin(), face.end(), centre), 0) << nGraphType;
    }
}

TEST_F(ChartTest, PulledOutSlicesMoveAlongTheirMiddles)
{
    // two halves: the first's middle points straight down; it moves by its share of the radius 80
    const struct {
        int nPull;
        int nDrop;
    } cases[] = {{0x000, 0}, {0x100, 8}, {0x200, 4}, {0x300, 8}, {0x400, 16}, {0x500, 0}};
    for (const auto& c : cases) {
        RoutineScene scene(GT_PIE, 0, 10);
        scene.SetGroup(0, {1, 1});
        DEDizedStyle* pStyle = scene.ItemStyle(0, 0);
        pStyle->m_nKind = (pStyle->m_nKind & ~0xF00) | c.nPull;
        scene.Draw();
        ASSERT_EQ(scene.pDisplay->polygons.size(), 2u);
        const CPoint centre = PieCentre(1e-6);
        EXPECT_EQ(scene.pDisplay->polygons[0].points.front(), CPoint(centre.x, centre.y + c.nDrop)) << c.nPull;
        EXPECT_EQ(scene.pDisplay->polygons[1].points.front(), centre) << c.nPull;
    }
}

TEST_F(ChartTest, TiltedPieDrawsItsWallsBackToFrontBeforeItsFaces)
{
    // tilt 45: vertical radius 80 sin 45 = 56.6, walls cos 45 x 28.3 = 20 high
    RoutineScene scene(GT_PIE_3D, 0, 10);
    scene.SetGroup(0, {1, 1});
    scene.Draw();
    const double H = std::cos(45 * 0.017453292222222222) * std::sin(45 * 0.017453292222222222) * 80 * 0.5;
    const CPoint centre = PieCentre(H);
    const auto& polygons = scene.pDisplay->polygons;
    // two radial walls, the front of the rim of the lower half, then the two faces
    ASSERT_EQ(polygons.size(), 5u);
    EXPECT_EQ(polygons[3].points.front(), centre);
    EXPECT_EQ(polygons[4].points.front(), centre);
    EXPECT_EQ(Reach(polygons[3].points, centre), CSize(80, 57));
    // the rim of the front slice reaches down by the wall's height below the ellipse
    const std::vector<CPoint>& rim = polygons[2].points;
    int nLowest = 0;
    for (const CPoint& p : rim)
        nLowest = (std::max)(nLowest, int(p.y));
    EXPECT_EQ(nLowest, int(centre.y + 80 * std::sin(45 * 0.017453292222222222) + H + 0.5));
    EXPECT_EQ(polygons[2].nSeries, 0);
    // the wall is the hit region of its slice, the faces of theirs
    EXPECT_EQ(scene.HitAt(210, nLowest - 5), std::make_pair(0, 0));
    EXPECT_EQ(scene.HitAt(210, centre.y - 30), std::make_pair(1, 0));

    // pulled out (0.2 of the radius), the front slice moves down with its rim and shows its cut face
    RoutineScene pulled(GT_PIE_3D, 0, 10);
    pulled.SetGroup(0, {1, 1});
    DEDizedStyle* pStyle = pulled.ItemStyle(0, 0);
    pStyle->m_nKind = (pStyle->m_nKind & ~0xF00) | 0x400;
    pulled.Draw();
    const auto& moved = pulled.pDisplay->polygons;
    ASSERT_EQ(moved.size(), 6u);
    const int nDrop = int(0.2 * 80 * std::sin(45 * 0.017453292222222222) + 0.5);
    ASSERT_EQ(moved[2].points.size(), rim.size());
    for (size_t k = 0; k < rim.size(); ++k)
        EXPECT_EQ(moved[2].points[k], CPoint(rim[k].x, rim[k].y + nDrop));
    EXPECT_EQ(moved[3].points.front(), CPoint(centre.x, centre.y + nDrop));  // the cut face
    EXPECT_EQ(moved[4].points.front(), CPoint(centre.x, centre.y + nDrop));  // the face
    EXPECT_EQ(moved[5].points.front(), centre);
}

TEST_F(ChartTest, PieWithoutATotalOrWithANegativeValue)
{
    // all values 0: the placeholder instead
    RoutineScene zero(GT_PIE, 0, 0);
    zero.pDisplay->SetFlags(zero.pDisplay->GetFlags() & ~SRGDisplayBase::flagFixedRange);
    zero.SetGroup(0, {0, 0});
    zero.Draw();
    EXPECT_EQ(zero.pDisplay->nPlaceholders, 1);
    EXPECT_TRUE(zero.pDisplay->polygons.empty());

    // a negative value: columns from the next draw on, nothing this time
    RoutineScene negative(GT_PIE_3D, 0, 0, AXIS_PIE);
    negative.pDisplay->SetFlags(negative.pDisplay->GetFlags() & ~SRGDisplayBase::flagFixedRange);
    negative.SetGroup(0, {2, -1, 3});
    negative.Draw();
    EXPECT_EQ(negative.pDisplay->GetGraphType(), GT_VBAR);
    EXPECT_EQ(negative.pDisplay->GetAxisType(), AXIS_STANDARD);
    EXPECT_TRUE(negative.pDisplay->polygons.empty());
    EXPECT_TRUE(negative.pDisplay->symbols.empty());
    negative.Redraw();
    EXPECT_EQ(negative.pDisplay->symbols.size(), 3u);
}

TEST_F(ChartTest, LabelsOfATiltedPieFollowItsEllipse)
{
    // the label of a slice whose middle points down stands below the centre by the vertical radius
    // (0.3 x 200, times sin 30 when tilted) and the gap of 5 x 1.25 + 3 pixels
    for (const int nGraphType : {GT_PIE, GT_PIE_3D}) {
        RoutineScene scene(nGraphType, 0, 10, AXIS_PIE);
        scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() & ~SRGDisplayBase::flagNoAxes);
        scene.pDisplay->SetPieTilt(30.0);
        scene.SetGroup(0, {1, 1});
        scene.Draw();
        DEDizedLabelBlock* pBlock = scene.pDisplay->GetLabelBlock();
        ASSERT_NE(pBlock, nullptr);
        ASSERT_EQ(pBlock->GetLabelCount(), 2);
        const double dRadiusY = nGraphType == GT_PIE ? 60.0 : 60.0 * std::sin(30 * 0.017453292222222222);
        EXPECT_EQ(pBlock->GetLabel(0)->GetPixelAnchor().y, int(120 + (dRadiusY + 9.25) + 0.5)) << nGraphType;
    }
}
