// Polygons: stock shapes, regular outlines, compiling, placing and fitting, polygon texts from files and
// resources and the chart's polygon cache; hit regions on their own.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <string>
#include <vector>

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedFeedback.h"
#include "chart/engine/SRGCompiledPolygon.h"

#include "TestSupport.h"
#include "chart_test_support.h"

namespace {

std::vector<CPoint> PointsOf(const POINT* pPoints, int nCount)
{
    return std::vector<CPoint>(pPoints, pPoints + nCount);
}

// A polygon text file that lives as long as the object.
class PolygonFile {
public:
    explicit PolygonFile(const std::string& text)
    {
        char szPath[80];
        std::snprintf(szPath, sizeof szPath, "/tmp/ondrix_polygon_%lu_%d.ply", (unsigned long)GetCurrentProcessId(),
                      s_nFiles++);
        m_path = szPath;
        FILE* f = std::fopen(szPath, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    ~PolygonFile() { std::remove(m_path.c_str()); }
    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
    static inline int s_nFiles = 0;
};

} // namespace

TEST(ChartPolygon, StockShapes)
{
    struct Case {
        const char* pszRest;
        int nPoints;
    } cases[] = {{"BOX", 5},     {"CIRCLE", 19},  {"TRIANGLE", 4}, {"FLASH", 17}, {"HEXAGON", 7},
                 {"PENTAGON", 6}, {"DIAMOND", 5}, {"STAR", 5},     {"box", 5}};
    for (const Case& c : cases) {
        SRGCompiledPolygon polygon((std::string("_PV_STOCK_SHAPE_") + c.pszRest).c_str());
        EXPECT_EQ(polygon.GetCount(), c.nPoints) << c.pszRest;
    }
    // an unknown rest is the box, compiled at once (0.5 added and truncated: -5 becomes -4)
    SRGCompiledPolygon star("_PV_STOCK_SHAPE_STAR");
    EXPECT_EQ(PointsOf(star.GetPoints(), 5), (std::vector<CPoint>{{-4, -4}, {5, -4}, {5, 5}, {-4, 5}, {-4, -4}}));
    EXPECT_EQ(SRGCompiledPolygon("PLAIN").GetCount(), 0);
}

TEST(ChartPolygon, RegularOutlines)
{
    SRGCompiledPolygon hexagon;
    hexagon.MakeRegular(6);
    ASSERT_EQ(hexagon.GetCount(), 7);
    // x from the sine, y from the cosine, radius 100 about (-50, -50); the last point closes the outline
    EXPECT_FLOAT_EQ(hexagon.GetCoordinate(0).GetX(), -50.0f);
    EXPECT_FLOAT_EQ(hexagon.GetCoordinate(0).GetY(), 50.0f);
    EXPECT_NEAR(hexagon.GetCoordinate(3).GetY(), -150.0f, 1e-4);
    EXPECT_EQ(hexagon.GetCoordinate(6).GetX(), hexagon.GetCoordinate(0).GetX());
    EXPECT_EQ(hexagon.GetCoordinate(6).GetY(), hexagon.GetCoordinate(0).GetY());
    // seven points do not divide 360: the step is 51 degrees, and 8 points fit below 360
    SRGCompiledPolygon seven;
    seven.MakeRegular(7);
    EXPECT_EQ(seven.GetCount(), 9);
    for (int n : {0, -3, 361}) {
        SRGCompiledPolygon refused;
        ExpectInvalidArg([&] { refused.MakeRegular(n); }, std::to_string(n).c_str());
    }
}

TEST(ChartPolygon, CompilePlaceAndFit)
{
    SRGCompiledPolygon polygon;
    polygon.AddPoint(2.5f, -4.5f);
    polygon.AddPoint(10, 5);
    polygon.Compile();
    // 0.5 added, then truncated toward zero
    EXPECT_EQ(PointsOf(polygon.GetPoints(), 2), (std::vector<CPoint>{{3, -4}, {10, 5}}));

    polygon.SetSecondScale(3.0);  // x
    polygon.SetFirstScale(2.0);   // y
    EXPECT_EQ(PointsOf(polygon.Place(100, 50), 2), (std::vector<CPoint>{{108, 42}, {130, 60}}));
    // turned by 90 degrees (X, Y) becomes nearly (Y, -X): the engine's degree factor is a hair short of
    // pi / 180, so -10 comes out as -9.99999987, truncated to -9
    polygon.SetFirstScale(1.0);
    polygon.SetSecondScale(1.0);
    polygon.SetRotation(90);
    EXPECT_EQ(polygon.GetRotationFlag(), 1);
    EXPECT_EQ(PointsOf(polygon.Place(100, 50), 2)[1], CPoint(105, 41));
    polygon.SetRotation(0);
    EXPECT_EQ(polygon.GetRotationFlag(), 0);
    EXPECT_EQ(PointsOf(polygon.Place(0, 0), 2)[1], CPoint(10, 5));

    // fitted: x over the width, larger y higher
    SRGCompiledPolygon triangle;
    triangle.AddPoint(0, 0);
    triangle.AddPoint(10, 0);
    triangle.AddPoint(5, 10);
    EXPECT_EQ(PointsOf(triangle.FitToRect(CRect(100, 100, 200, 300)), 3),
              (std::vector<CPoint>{{100, 300}, {200, 300}, {150, 100}}));
    // points on one vertical line land on the middle of the width
    SRGCompiledPolygon line;
    line.AddPoint(5, 0);
    line.AddPoint(5, 10);
    EXPECT_EQ(PointsOf(line.FitToRect(CRect(0, 0, 41, 20)), 2), (std::vector<CPoint>{{21, 20}, {21, 0}}));

    // many points: the device array grows in steps of 128
    SRGCompiledPolygon big;
    for (int i = 0; i < 300; ++i)
        big.AddPoint(i, -i);
    big.Compile();
    EXPECT_EQ(PointsOf(big.GetPoints(), 300)[299], CPoint(299, -298));
}

TEST(ChartPolygon, PolygonTexts)
{
    struct Case {
        const char* pszText;
        int nCode;  // -1: read
        int nPoints;
    } cases[] = {
        {"3 0 0 10 0 5 10", -1, 3},   {"3\n0 0\n10 0\n5 10\n", -1, 3}, {"0", -1, 0},
        {"2 1.5 2.5 -3e1 4", -1, 2},  {"3 0 0 10 0", 19, 0},           {"3 0 0 10 0 5", 19, 0},
        {"", 19, 0},                  {"x 1 2", 19, 0},                {"-1 1 2", 19, 0},
        {"1000000000 1 2", 19, 0},    {"2 1 2 a b", 19, 0},
    };
    for (const Case& c : cases) {
        SRGCompiledPolygon polygon;
        const std::string text = c.pszText;
        EXPECT_EQ(ChartCode([&] { polygon.ReadText(text.data(), int(text.size())); }), c.nCode) << c.pszText;
        EXPECT_EQ(polygon.GetCount(), c.nPoints) << c.pszText;
    }
    // the text need not be terminated: nothing past its length is read
    const char digits[] = {'2', ' ', '1', ' ', '2', ' ', '3', ' ', '4', '5'};
    SRGCompiledPolygon cut;
    EXPECT_EQ(ChartCode([&] { cut.ReadText(digits, 9); }), -1);
    EXPECT_FLOAT_EQ(cut.GetCoordinate(1).GetY(), 4.0f);
}

TEST(ChartPolygon, TheChartCachesPolygonsByName)
{
    DEDized chart;
    PolygonFile triangle("3 0 0 10 0 5 10");
    SRGCompiledPolygon* pFirst = nullptr;
    ASSERT_EQ(chart.GetPolygon(triangle.Path(), "POLYGON", pFirst, 0), 1);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetCount(), 3);
    EXPECT_EQ(pFirst->GetName(), triangle.Path());
    SRGCompiledPolygon* pSecond = nullptr;
    ASSERT_EQ(chart.GetPolygon(triangle.Path(), "POLYGON", pSecond, 30), 1);
    EXPECT_EQ(pSecond, pFirst);
    EXPECT_EQ(pSecond->GetAngle(), 30.0);

    SRGCompiledPolygon* pCircle = nullptr;
    ASSERT_EQ(chart.GetPolygon("_PV_STOCK_SHAPE_CIRCLE", "WIGETS", pCircle, 0), 1);
    EXPECT_EQ(pCircle->GetCount(), 19);
    SRGCompiledPolygon* pAgain = nullptr;
    chart.GetPolygon("_PV_STOCK_SHAPE_CIRCLE", "WIGETS", pAgain, 0);
    EXPECT_EQ(pAgain, pCircle);

    // a resource of the asked type comes before a file of that name
    SRGCompiledPolygon* pResource = nullptr;
    ASSERT_EQ(chart.GetPolygon("TESTSQUARE", "POLYGON", pResource, 0), 1);  // polygon_tests.rc
    EXPECT_EQ(pResource->GetCount(), 4);

    PolygonFile shortText("3 0 0 10 0");
    SRGCompiledPolygon* pBad = pFirst;
    EXPECT_EQ(chart.GetPolygon(shortText.Path(), "POLYGON", pBad, 0), 0);
    EXPECT_EQ(pBad, nullptr);
    EXPECT_EQ(ChartCode([&] { chart.LoadPolygonFile(shortText.Path(), "POLYGON"); }), 19);
    EXPECT_EQ(ChartCode([&] { chart.LoadPolygonFile("/tmp/ondrix_no_such_polygon.ply", nullptr); }), 19);
}

TEST(ChartPolygon, TheNamesStylesGiveAreFoundAndANameThatFailedIsNotLookedForAgain)
{
    DEDized chart;
    SRGCompiledPolygon* pPolygon = nullptr;
    // the wizard's line ends and the stock widgets of the eight palette indexes
    for (const char* lpszName : {"TAILA", "ARROWA"})
        EXPECT_EQ(chart.GetPolygon(lpszName, "LINE_ENDS", pPolygon, 0), 1) << lpszName;
    // the widget of marker kinds 2 and 3 is the name up to the bar, whichever type asks first
    DEDized fresh;
    EXPECT_EQ(fresh.GetPolygon("TAILA", "WIGETS", pPolygon, 0), 1);
    for (int n = 0; n < 8; ++n) {
        CString name;
        ASSERT_TRUE(AfxLoadString(IDS_CHART_WIDGET_FIRST + n, name)) << n;
        EXPECT_EQ(chart.GetPolygon(name, "WIGETS", pPolygon, 0), 1) << name.GetString();
    }

    // a name that was not there stays unread for that type, even once the file has come
    PolygonFile later("3 0 0 10 0 5 10");
    const std::string path = later.Path();
    const std::string away = path + ".away";
    ASSERT_EQ(std::rename(path.c_str(), away.c_str()), 0);
    EXPECT_EQ(chart.GetPolygon(path.c_str(), "LINE_ENDS", pPolygon, 0), 0);
    ASSERT_EQ(std::rename(away.c_str(), path.c_str()), 0);
    EXPECT_EQ(chart.GetPolygon(path.c_str(), "LINE_ENDS", pPolygon, 0), 0);
    EXPECT_EQ(pPolygon, nullptr);
    // another type looks again
    ASSERT_EQ(chart.GetPolygon(path.c_str(), "POLYGON", pPolygon, 0), 1);
    EXPECT_EQ(pPolygon->GetCount(), 3);
}

TEST(ChartHitRegion, KindsOfRegion)
{
    DEDizedFeedback point(nullptr, 10, 10, 5, 1, 2);
    EXPECT_EQ(point.GetKind(), int(DEDizedFeedback::kindPoint));
    EXPECT_TRUE(point.Contains(14, 14));
    EXPECT_TRUE(point.Contains(6, 6));
    EXPECT_FALSE(point.Contains(15, 10));
    EXPECT_FALSE(point.Contains(10, 5));
    EXPECT_EQ(point.GetFirstIndex(), 1);
    EXPECT_EQ(point.GetSecondIndex(), 2);

    DEDizedFeedback rect(nullptr, CRect(30, 20, 10, 5), 0, 0);
    EXPECT_EQ(rect.GetRect(), CRect(10, 5, 30, 20));
    EXPECT_TRUE(rect.Contains(10, 5));
    EXPECT_FALSE(rect.Contains(30, 10));

    const POINT triangle[] = {{0, 0}, {20, 0}, {10, 20}};
    DEDizedFeedback polygon(nullptr, triangle, 3, 0, 0);
    EXPECT_EQ(polygon.GetHalfWidth(), 5);
    EXPECT_TRUE(polygon.Contains(10, 5));
    EXPECT_FALSE(polygon.Contains(2, 15));
    ExpectInvalidArg([&] { DEDizedFeedback(nullptr, triangle, 0, 0, 0); }, "0 points");
}
