// Axis scales (decimal, logarithmic, date, index and group), the texts of their labels and their
// orientation, grid lines and tick marks.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "FakePrinterDC.h"
#include "chart/engine/axes/SRGDateScale.h"
#include "chart/engine/axes/SRGGridLines.h"
#include "chart/engine/axes/SRGIndexScale.h"
#include "win/COleDateTime.h"

#include "chart_test_support.h"
#include "display_test_support.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrid = RGB(0, 0x80, 0x80);
const COLORREF kPaper = RGB(255, 255, 255);

// A chart of 400 by 400 pixels and a scale of class T attached to it; Build lays the scale out while
// the chart's DC is the canvas.
template <class T = SRGDecimalScale>
struct ScaleScene {
    ScaleScene()
    {
        chart.SetBuffered(0);
        scale.SetChart(&chart);
        scale.SetAnchorRecording(1);
        scale.SetRecordedAnchors(&ticks);
    }
    ~ScaleScene()
    {
        scale.SetRecordedAnchors(nullptr);
        while (!ticks.IsEmpty())
            delete static_cast<CPoint*>(ticks.RemoveHead());
    }
    void Build()
    {
        scale.BeginDrawing(&canvas.dc, nullptr);
        scale.BuildLabels();
        scale.EndDrawing();
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < scale.GetLabelCount(); ++i)
            texts.push_back(scale.GetLabel(i)->GetText(scale.GetMode()).GetString());
        return texts;
    }
    std::vector<CPoint> Ticks()
    {
        std::vector<CPoint> points;
        for (POSITION pos = ticks.GetHeadPosition(); pos != nullptr;)
            points.push_back(*static_cast<CPoint*>(ticks.GetNext(pos)));
        return points;
    }
    // The height of a text in the scale's font.
    int TextHeight(const char* lpszText) { return ChartTextExtent(chart, canvas.dc, "Arial", 10, 0, lpszText).cy; }

    DibCanvas canvas{400, 400};
    DEDized chart;
    T scale;
    CPtrList ticks;
};

} // namespace

TEST_F(ChartTest, DecimalScaleStepsAndTexts)
{
    // the value charts' axis: 0 to 1.04 over 300 pixels
    ScaleScene<> scene;
    scene.scale.SetStart(50, 350);
    scene.scale.SetEnd(50, 50);
    scene.scale.SetMinimum(0.0);
    scene.scale.SetMaximum(1.04);
    const double dMinStep = scene.TextHeight(" 1.04 ") * 1.04 * 1.2 / 300;
    ASSERT_GT(dMinStep, 0.05);  // the fonts the prefix maps: steps of 0.1 fit, steps of 0.05 do not
    ASSERT_LT(dMinStep, 0.1);
    scene.Build();
    EXPECT_DOUBLE_EQ(scene.scale.GetLastStep(), 0.1);
    EXPECT_EQ(scene.Texts(), (std::vector<std::string>{" 0 ", " 0.1 ", " 0.2 ", " 0.3 ", " 0.4 ", " 0.5 ", " 0.6 ",
                                                        " 0.7 ", " 0.8 ", " 0.9 ", " 1 "}));
    // ticks on the axis line, 0 at the start, 0.1 of the range apart
    const std::vector<CPoint> ticks = scene.Ticks();
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_EQ(ticks[0], CPoint(50, 350));
    EXPECT_EQ(ticks[10], CPoint(50, 350 - int(300 / 1.04 + 0.5)));

    // descending: from the maximum
    scene.scale.SetDescending();
    scene.Build();
    EXPECT_EQ(scene.Texts().front(), " 1.04 ");
    EXPECT_EQ(scene.Ticks().front(), CPoint(50, 350));
    scene.scale.SetAscending();

    // a requested step grows x 10 until it reaches a fifth of the distance a label needs
    for (const auto& c : std::vector<std::pair<double, double>>{{0.001, 0.1}, {0.02, 0.02}, {5.0, 0.5}}) {
        scene.scale.SetStep(c.first);
        scene.Build();
        EXPECT_NEAR(scene.scale.GetLastStep(), c.second, 1e-12) << c.first;
    }
    scene.scale.SetStep(0.0);

    // near 0 a value prints as 0, never as a rounding remainder
    scene.scale.SetMinimum(-0.3);
    scene.scale.SetMaximum(0.7);
    scene.Build();
    EXPECT_EQ(scene.Texts()[3], " 0 ");

    // no range: no labels, no ticks
    scene.scale.SetMinimum(0.0);
    scene.scale.SetMaximum(0.0);
    scene.Build();
    EXPECT_EQ(scene.scale.GetLabelCount(), 0);
    EXPECT_TRUE(scene.Ticks().empty());

    // a format that does not print one number is not used
    scene.scale.SetMaximum(1.0);
    scene.scale.SetFormat("%s");
    scene.Build();
    EXPECT_EQ(scene.Texts().back(), " 1 ");
    scene.scale.SetFormat("[%.2f]");
    scene.Build();
    EXPECT_EQ(scene.Texts().back(), "[1.00]");
}

TEST_F(ChartTest, PercentStackedDisplaysWritePerCents)
{
    ScaleScene<> scene;
    auto* pDisplay = new DEDizedDisplay;
    pDisplay->SetGraphType(GT_STACKED_VBAR_100);
    scene.chart.AddComponent(pDisplay);
    scene.scale.SetStart(50, 350);
    scene.scale.SetEnd(50, 50);
    scene.scale.SetMaximum(100.0);
    scene.scale.SetStep(5.0);
    scene.Build();
    EXPECT_EQ(scene.Texts().back(), " 100% ");
    // a percent step grows by whole steps, not by tens
    EXPECT_EQ(std::fmod(scene.scale.GetLastStep(), 5.0), 0.0);
    EXPECT_LT(scene.scale.GetLastStep(), 50.0);
}

TEST_F(ChartTest, LabelTextsLoseExponentZerosAndGroupThousands)
{
    SRGDecimalScale scale;
    const struct {
        const char* lpszIn;
        bool bThousands;
        const char* lpszOut;
    } cases[] = {
        {"1e+005", false, "1e5"},  {"2.5e-007", false, "2.5e-7"}, {"-1e-010", false, "-1e-10"},
        {"1e+05", false, "1e5"},   {"2.5e-07", false, "2.5e-7"},  {"1234567.5", false, "1234567.5"},
        {"1234567.5", true, "1,234,567.5"}, {"12", true, "12"}, {" -1234 ", true, "-1,234"},
        {"1e+05", true, "1e5"},
    };
    for (const auto& c : cases) {
        scale.GetStyle()->m_nFlags = c.bThousands ? SRGDecimalScale::flagThousands : 0;
        CString text(c.lpszIn);
        scale.FormatLabelText(text);
        EXPECT_STREQ(text, c.lpszOut) << c.lpszIn;
    }
}

TEST_F(ChartTest, ScaleLabelsStandBesideTheirTicks)
{
    const struct {
        const char* lpszCase;
        CPoint start, end;
        int nSide;
        bool bOwn;
        int nPosition;
        double dAngle;
        CPoint offset;
    } cases[] = {
        {"left axis", {50, 350}, {50, 50}, 0, false, 4, 0.0, {-8, 0}},
        {"right axis", {350, 350}, {350, 50}, 1, false, 0, 0.0, {8, 0}},
        {"bottom axis turned", {50, 350}, {350, 350}, 0, false, 4, 90.0, {0, 8}},
        {"bottom axis, own orientation", {50, 350}, {350, 350}, 0, true, 2, 0.0, {0, 8}},
    };
    for (const auto& c : cases) {
        ScaleScene<> scene;
        scene.scale.SetStart(c.start.x, c.start.y);
        scene.scale.SetEnd(c.end.x, c.end.y);
        scene.scale.SetMaximum(10.0);
        scene.scale.SetLabelSide(c.nSide);
        scene.scale.SetLabelGap(8);
        if (c.bOwn) {
            scene.scale.GetStyle()->m_nFlags |= SRGDecimalScale::flagOwnOrientation;
            scene.scale.SetLabelAlignment(2);
        }
        scene.Build();
        DEDizedLabel* pFirst = scene.scale.GetLabel(0);
        ASSERT_NE(pFirst, nullptr) << c.lpszCase;
        EXPECT_EQ(pFirst->GetAnchorPosition(), c.nPosition) << c.lpszCase;
        EXPECT_DOUBLE_EQ(pFirst->GetTextAngle(), c.dAngle) << c.lpszCase;
        EXPECT_EQ(scene.scale.GetLabelOffset(), c.offset) << c.lpszCase;
        EXPECT_EQ(pFirst->GetPixelAnchor(), c.start + c.offset) << c.lpszCase;
        EXPECT_EQ(scene.Ticks().front(), c.start) << c.lpszCase;
    }
}

TEST_F(ChartTest, IndexAndGroupScalesLabelTheirCategories)
{
    const struct {
        int n, nRoom, nInterval;
    } intervals[] = {{1234, 10, 200}, {7, 3, 3}, {60, 10, 10}, {5000, 4, 1500}, {3, 0, 3}};
    for (const auto& c : intervals)
        EXPECT_EQ(SRGIndexScale::AutomaticInterval(c.n, c.nRoom), c.nInterval) << c.n << " in " << c.nRoom;

    for (const bool bOnPoints : {false, true}) {
        ScaleScene<SRGIndexScale> scene;
        scene.chart.SetDataFromText(",Alpha,Beta,Gamma,Delta\ng,1,2,3,4\n");
        scene.scale.SetOnPoints(bOnPoints);
        scene.scale.SetStart(0, 300);
        scene.scale.SetEnd(400, 300);
        scene.Build();
        EXPECT_EQ(scene.Texts(), (std::vector<std::string>{"Alpha", "Beta", "Gamma", "Delta"}));
        std::vector<int> xs;
        for (const CPoint& tick : scene.Ticks())
            xs.push_back(tick.x);
        EXPECT_EQ(xs, bOnPoints ? (std::vector<int>{0, 133, 267, 400}) : (std::vector<int>{50, 150, 250, 350}));
    }

    ScaleScene<SRGGroupScale> groups;
    groups.chart.SetDataFromText(",a,b\nNorth,1,2\nSouth,3,4\nEast,5,6\n");
    groups.scale.SetStart(0, 300);
    groups.scale.SetEnd(300, 300);
    groups.Build();
    EXPECT_EQ(groups.Texts(), (std::vector<std::string>{"North", "South", "East"}));
    EXPECT_EQ(groups.Ticks()[1], CPoint(150, 300));
}

TEST_F(ChartTest, LogarithmicScaleLabelsDecades)
{
    ScaleScene<SRGLogScale> scene;
    scene.scale.SetStart(50, 350);
    scene.scale.SetEnd(50, 50);
    scene.scale.SetMinimum(1.0);
    scene.scale.SetMaximum(1000.0);
    scene.Build();
    std::vector<std::string> texts = scene.Texts();
    const std::vector<CPoint> ticks = scene.Ticks();
    for (const auto& decade : std::vector<std::pair<const char*, int>>{{"1", 350}, {"10", 250}, {"100", 150}, {"1000", 50}}) {
        const auto it = std::find(texts.begin(), texts.end(), decade.first);
        ASSERT_NE(it, texts.end()) << decade.first;
        EXPECT_EQ(ticks[size_t(it - texts.begin())].y, decade.second) << decade.first;
    }
    // the 1, 2 and 5 of each decade while they fit, the decades alone on a short axis
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}));
    scene.scale.SetEnd(50, 250);
    scene.Build();
    EXPECT_EQ(scene.Texts(), (std::vector<std::string>{"1", "10", "100", "1000"}));

    for (const double dMinimum : {0.0, -5.0}) {
        scene.scale.SetMinimum(dMinimum);
        scene.Build();
        EXPECT_EQ(scene.scale.GetLabelCount(), 0) << dMinimum;
    }
}

TEST_F(ChartTest, DateScaleFormatsAndMonths)
{
    const struct {
        double dStep;
        const char* lpszFormat;
    } formats[] = {{2.0, "%x"}, {1.0, "%H:%M:%S"}, {0.1, "%H:%M:%S"}, {0.01, "%M:%S"}, {0.0001, "%S"}};
    for (const auto& c : formats)
        EXPECT_STREQ(SRGDateScale::GetDefaultFormat(c.dStep), c.lpszFormat) << c.dStep;

    ScaleScene<SRGDateScale> scene;
    scene.scale.SetStart(0, 300);
    scene.scale.SetEnd(400, 300);
    scene.scale.SetMinimum(COleDateTime(2023, 1, 31, 0, 0, 0).m_dt);
    scene.scale.SetMaximum(COleDateTime(2023, 6, 1, 0, 0, 0).m_dt);
    scene.scale.SetStep(30.0);
    scene.scale.SetFormat("%d.%m.%Y");
    scene.Build();
    EXPECT_EQ(scene.Texts(), (std::vector<std::string>{"31.01.2023", "28.02.2023", "31.03.2023", "30.04.2023", "31.05.2023"}));

    scene.scale.SetStep(0.25);
    scene.scale.SetFormat("%H:%M");
    scene.scale.SetMaximum(COleDateTime(2023, 1, 31, 12, 0, 0).m_dt);
    scene.Build();
    EXPECT_EQ(scene.Texts(), (std::vector<std::string>{"00:00", "06:00", "12:00"}));
}

// ---- grid lines and tick marks ----------------------------------------------------------------------------------

namespace {

// A chart of 200 by 400 pixels with one component of class T covering it, drawn straight into a canvas.
template <class T>
struct MarkScene {
    MarkScene()
    {
        chart.SetBuffered(0);
        pMarks = new T;
        chart.AddComponent(pMarks);
    }
    ~MarkScene()
    {
        while (!positions.IsEmpty())
            delete static_cast<CPoint*>(positions.RemoveHead());
    }
    void Add(int x, int y) { positions.AddTail(new CPoint(x, y)); }
    void Draw(CDC* pDC = nullptr)
    {
        pMarks->SetPositions(&positions);
        chart.Draw(pDC != nullptr ? pDC : &canvas.dc, nullptr);
    }
    // The rows (or columns) of line x (or y) that hold colour cr.
    std::vector<int> Rows(int x, COLORREF cr)
    {
        std::vector<int> rows;
        for (int y = 0; y < canvas.Height(); ++y)
            if (canvas.At(x, y) == cr)
                rows.push_back(y);
        return rows;
    }

    DibCanvas canvas{200, 400};
    DEDized chart;
    T* pMarks;
    CPtrList positions;
};

} // namespace

TEST_F(ChartTest, GridLinesStandAtThePositionsWithMinorsBetween)
{
    MarkScene<SRGGridLines> scene;
    scene.pMarks->GetStyle()->m_nStyle = AXIS_STANDARD << 24;
    scene.pMarks->SetLineRect(CRect(0, 0, 200, 400));
    scene.pMarks->SetMinorCount(1);
    scene.pMarks->SetColours(kGrid, kBlack);
    for (const int y : {100, 200, 300})
        scene.Add(10, y);
    scene.Draw();
    EXPECT_EQ(scene.Rows(100, kGrid), (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(scene.Rows(100, kBlack), (std::vector<int>{150, 250}));
    EXPECT_EQ(scene.canvas.At(199, 200), kGrid);
    EXPECT_EQ(scene.canvas.At(5, 200), kPaper);  // from the position to the far edge

    // vertical lines at the positions' x
    MarkScene<SRGGridLines> vertical;
    vertical.pMarks->GetStyle()->m_nStyle = AXIS_STANDARD << 24;
    vertical.pMarks->SetLineRect(CRect(0, 0, 200, 400));
    vertical.pMarks->SetVertical(1);
    vertical.pMarks->SetColours(kGrid, kGrid);
    vertical.Add(50, 390);
    vertical.Add(150, 390);
    vertical.Draw();
    EXPECT_EQ(vertical.canvas.At(50, 10), kGrid);
    EXPECT_EQ(vertical.canvas.At(150, 200), kGrid);
    EXPECT_EQ(vertical.canvas.At(100, 200), kPaper);
}

TEST_F(ChartTest, GridLinePensAndGeometryByAxisType)
{
    // pen kind 7: the chart's pen without a dash pattern, an extended pen of the pattern with one
    for (const bool bDashes : {false, true}) {
        MarkScene<SRGGridLines> scene;
        scene.pMarks->GetStyle()->m_nStyle = AXIS_STANDARD << 24;
        scene.pMarks->SetLineRect(CRect(0, 0, 200, 400));
        scene.pMarks->SetPenKinds(PS_USERSTYLE, PS_USERSTYLE);
        scene.pMarks->SetColours(kBlack, kBlack);
        const DWORD dashes[2] = {4, 4};
        if (bDashes)
            scene.pMarks->SetMajorDashes(dashes, 2);
        scene.Add(0, 100);
        scene.Draw();
        int nBlack = 0;
        for (int x = 0; x < 200; ++x)
            nBlack += scene.canvas.At(x, 100) == kBlack;
        if (bDashes) {
            EXPECT_GT(nBlack, 60);
            EXPECT_LT(nBlack, 140);
        } else {
            EXPECT_GT(nBlack, 0);
        }
    }
    // axis types: straight lines, lines with depth, none; 0x01 takes the type its graph type implies
    const struct {
        int nAxisType, nGraphType, nStoredAxisType;
        bool bStraight, bDepth;
    } cases[] = {{0x02, 0, 0x02, true, false}, {0x0b, 0, 0x0b, false, true}, {0x04, 0, 0x04, false, false},
                 {0x01, 0x1e, 0x0a, true, false}, {0x01, 0x04, 0x09, false, false}, {0x01, 0x0f, 0x0b, false, true}};
    for (const auto& c : cases) {
        MarkScene<SRGGridLines> scene;
        scene.pMarks->GetStyle()->m_nStyle = (c.nAxisType << 24) | (c.nGraphType << 16);
        scene.pMarks->SetLineRect(CRect(0, 0, 200, 400));
        scene.pMarks->SetColours(kBlack, kBlack);
        scene.Add(20, 200);
        scene.Draw();
        EXPECT_EQ((scene.pMarks->GetStyle()->m_nStyle >> 24) & 0xFF, c.nStoredAxisType) << c.nAxisType;
        EXPECT_EQ(scene.canvas.At(100, 200) == kBlack, c.bStraight) << c.nAxisType << "/" << c.nGraphType;
        // with depth: up and to the right by 10 first, then across
        EXPECT_EQ(scene.canvas.At(25, 195) == kBlack, c.bDepth) << c.nAxisType;
        EXPECT_EQ(scene.canvas.At(100, 190) == kBlack, c.bDepth) << c.nAxisType;
    }
}

TEST_F(ChartTest, TickMarksWithMinorTicks)
{
    MarkScene<SRGTickMarks> single;
    single.Add(100, 200);
    single.Draw();
    // an axis of one point runs right: its tick points up, 5 pixels
    EXPECT_EQ(single.Rows(100, kBlack), (std::vector<int>{196, 197, 198, 199, 200}));

    MarkScene<SRGTickMarks> scene;
    scene.pMarks->SetMinorCount(3);
    scene.Add(20, 300);
    scene.Add(20, 100);
    scene.Draw();
    EXPECT_EQ(scene.pMarks->GetLastMinorLength(), 4);
    // an axis running up: ticks point left
    for (const int y : {300, 100})
        EXPECT_EQ(scene.canvas.At(16, y), kBlack) << y;
    for (const int y : {250, 200, 150}) {
        EXPECT_EQ(scene.canvas.At(17, y), kBlack) << y;
        EXPECT_EQ(scene.canvas.At(16, y), kPaper) << y;
    }
    EXPECT_EQ(scene.canvas.At(17, 225), kPaper);
    scene.pMarks->SetDirection(1);
    scene.Draw();
    EXPECT_EQ(scene.canvas.At(24, 100), kBlack);

    // on a printer of twice the screen's resolution both lengths double
    CClientDC screen(nullptr);
    const int nDpi = screen.GetDeviceCaps(LOGPIXELSX);
    CFakePrinterDC printer(200, 400, 2 * nDpi, 2 * nDpi);
    scene.Draw(&printer);
    EXPECT_EQ(scene.pMarks->GetLastMajorLength(), 10);
    EXPECT_EQ(scene.pMarks->GetLastMinorLength(), 8);
}
