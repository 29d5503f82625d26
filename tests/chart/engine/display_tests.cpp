// Displays: the window and strides, the range scans and rounding, the drawing pipeline, the placeholder,
// the template part and the stored form, the label steps, and the line display with its hit regions.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ArchiveTestSupport.h"
#include "FakePrinterDC.h"
#include "chart/engine/DEDizedFeedback.h"
#include "chart/engine/axes/SRGDateScale.h"
#include "chart/engine/display/DEDizedPosition.h"
#include "core/Lists.h"
#include "win/COleDateTime.h"

#include "chart_test_support.h"
#include "display_test_support.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kPaper = RGB(255, 255, 255);

CScale Range(double dMinimum, double dMaximum)
{
    CScale range;
    range.Include(dMinimum);
    range.Include(dMaximum);
    return range;
}

// Items drawn as green squares joined by black lines one pixel wide.
void UseSquares(DEDized& chart)
{
    DEDizedStyle* pStyle = chart.GetDefaultStyle();
    pStyle->m_nLineKind = (13 << 8) | (2 << 4) | 2;
    pStyle->m_crFill1 = kGreen;
    pStyle->m_crColor = kBlack;
}

// A display that logs the steps of its pipeline.
class LoggingDisplay : public DEDizedDisplay {
public:
    void DrawData() override
    {
        log += "data ";
        if (onData)
            onData(*this);
        DEDizedDisplay::DrawData();
    }
    void DrawAxisFrame() override { log += "frame "; }
    void BuildAxisScales() override { log += "scales "; }
    std::string log;
    std::function<void(LoggingDisplay&)> onData;
};

// A label block that says when it goes.
class WatchedBlock : public DEDizedLabelBlock {
public:
    explicit WatchedBlock(bool& rDeleted) : m_rDeleted(rDeleted) {}
    ~WatchedBlock() override { m_rDeleted = true; }

private:
    bool& m_rDeleted;
};

std::vector<DEDizedFeedback*> Regions(DEDized& chart)
{
    std::vector<DEDizedFeedback*> regions;
    for (POSITION pos = chart.GetFeedbackList()->GetHeadPosition(); pos != nullptr;)
        regions.push_back(static_cast<DEDizedFeedback*>(chart.GetFeedbackList()->GetNext(pos)));
    return regions;
}

} // namespace

// ---- window, scans and rounding -------------------------------------------------------------------------------

TEST_F(ChartTest, WindowTakesTheWholeDataForUnsetBoundsAndStridesFollowTheGraphType)
{
    DisplayScene scene;
    scene.SetGroup(0, {1, 2, 3});
    scene.SetGroup(1, {1, 2, 3, 4, 5});
    scene.SetGroup(2, {1});
    scene.pDisplay->RecomputeWindow();
    EXPECT_EQ(scene.pDisplay->GetGroupCount(), 3);
    EXPECT_EQ(scene.pDisplay->GetIndexCount(), 5);
    EXPECT_EQ(scene.pDisplay->GetFirstIndex(), 0);
    EXPECT_EQ(scene.pDisplay->GetLastIndex(), 4);

    const struct {
        int nGraphType, nIndexStride, nGroupStride;
    } cases[] = {{0x13, 2, 1}, {0x15, 1, 2}, {0x29, 1, 3}, {0x1c, 1, 4}, {0x01, 1, 1}};
    for (const auto& c : cases) {
        DisplayScene strided;
        strided.pDisplay->SetGraphType(c.nGraphType);
        strided.pDisplay->SetDataWindow(1, 0, 2, 1);
        // the bubble scan refuses two groups; the window and strides are set before the scan
        ChartCode([&] { strided.pDisplay->RecomputeWindow(); });
        EXPECT_EQ(strided.pDisplay->GetIndexStep(), c.nIndexStride) << c.nGraphType;
        EXPECT_EQ(strided.pDisplay->GetGroupStep(), c.nGroupStride) << c.nGraphType;
        EXPECT_EQ(strided.pDisplay->GetIndexCount(), 2);
        EXPECT_EQ(strided.pDisplay->GetFirstIndex(), 1);
    }
}

TEST_F(ChartTest, ValueRangesFromTheDataAndTheFixedRange)
{
    const int kFixed = SRGDisplayBase::flagFixedRange;
    const int kCombine = SRGDisplayBase::flagCombineFixed;
    const struct {
        const char* lpszCase;
        int nFlags;
        double dFixedMin, dFixedMax;
        std::vector<double> values;
        double dMinimum, dMaximum;
    } cases[] = {
        {"fixed range whatever the data", kFixed, 0.0, 1.04, {0, 0.25, 0.5}, 0.0, 1.04},
        {"data clipped to the fixed window", kCombine, 0.0, 10.0, {5, 12, 20}, 5.0, 10.0},
        {"data grown to cover the fixed window", kFixed | kCombine, 0.0, 10.0, {5, 12, 20}, 0.0, 20.0},
        {"a fixed range of no width scans the data", kFixed, 3.0, 3.0, {5, 12, 20}, 5.0, 20.0},
    };
    for (const auto& c : cases) {
        DisplayScene scene;
        scene.SetGroup(0, c.values);
        scene.pDisplay->SetFlags(c.nFlags);
        scene.pDisplay->SetFixedMin(c.dFixedMin);
        scene.pDisplay->SetFixedMax(c.dFixedMax);
        scene.pDisplay->RecomputeWindow();
        scene.pDisplay->SetYDataRange(0.0, 0.0, 1);
        scene.pDisplay->DefaultScan();
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMinimum, c.dMinimum) << c.lpszCase;
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMaximum, c.dMaximum) << c.lpszCase;
    }

    // the value chart's range stands exactly, unrounded, and sets the width
    DisplayScene valueChart;
    valueChart.SetGroup(0, {0, 0.25, 0.5});
    valueChart.FixRange(0.0, 1.04);
    valueChart.pDisplay->RecomputeWindow();
    EXPECT_DOUBLE_EQ(valueChart.pDisplay->GetYDataRange().m_dMaximum, 1.04);
    EXPECT_DOUBLE_EQ(valueChart.pDisplay->GetYRangeWidth(), 1.04);
}

TEST_F(ChartTest, RangesWithoutWidthAreWidened)
{
    const struct {
        std::vector<double> values;
        double dMinimum, dMaximum;
    } cases[] = {{{0, 0}, 0.0, 1.0}, {{5, 5}, 5.0, 5.05}, {{-2}, -2.02, -2.0}};
    for (const auto& c : cases) {
        DisplayScene scene;
        scene.SetGroup(0, c.values);
        scene.FixRange(0.0, 0.0);  // no rounding, and a fixed range of no width scans the data
        scene.pDisplay->RecomputeWindow();
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMinimum, c.dMinimum);
        EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMaximum, c.dMaximum);
    }
}

TEST_F(ChartTest, DecimalRoundingGrowsToEvenSteps)
{
    DisplayScene scene;
    const struct {
        double dMinimum, dMaximum, dExpand, dRoundedMin, dRoundedMax;
    } cases[] = {
        {3.0, 47.0, 1.1, 0.0, 50.0},     // margin 2.2 each side, steps of 10
        {0.31, 0.69, 1.0, 0.31, 0.69},   // a width below 1 looks one decade finer: steps of 0.01
        {4.25, 20.75, 1.0, 4.0, 21.0},
        {-47.0, -3.0, 1.1, -50.0, 0.0},
    };
    for (const auto& c : cases) {
        CScale range = Range(c.dMinimum, c.dMaximum);
        scene.pDisplay->RoundDecimal(range, c.dExpand);
        EXPECT_NEAR(range.m_dMinimum, c.dRoundedMin, 1e-12) << c.dMinimum;
        EXPECT_NEAR(range.m_dMaximum, c.dRoundedMax, 1e-12) << c.dMaximum;
    }

    // without flag bit 13 the drawn range takes in 0
    for (const bool bNoZero : {false, true}) {
        DisplayScene data;
        data.SetGroup(0, {5, 12, 20});
        if (bNoZero)
            data.pDisplay->SetFlags(SRGDisplayBase::flagNoZero);
        data.pDisplay->RecomputeWindow();
        EXPECT_DOUBLE_EQ(data.pDisplay->GetYDataRange().m_dMinimum, bNoZero ? 4.0 : 0.0);
        EXPECT_DOUBLE_EQ(data.pDisplay->GetYDataRange().m_dMaximum, 21.0);
    }
}

TEST_F(ChartTest, LogarithmicAndDateRounding)
{
    DisplayScene scene;
    const struct {
        double dMinimum, dMaximum;
        int bDecades;
        double dRoundedMin, dRoundedMax;
    } logCases[] = {
        {1.0, 1e7, 0, 1.0, 1e7},       // more than five decades: whole decades always
        {3.0, 700.0, 1, 1.0, 1000.0},
        {3.0, 700.0, 0, 3.0, 700.0},   // round steps of the ends' decades
        {2.0, 5.0, 1, 2.0, 5.0},       // within one decade: no whole decades
        {0.0, 5.0, 1, 1e-4, 10.0},     // a minimum not above 0 counts as 0.0001
    };
    for (const auto& c : logCases) {
        CScale range = Range(c.dMinimum, c.dMaximum);
        scene.pDisplay->RoundLogarithmic(range, c.bDecades);
        EXPECT_NEAR(range.m_dMinimum, c.dRoundedMin, c.dRoundedMin * 1e-9) << c.dMinimum << ".." << c.dMaximum;
        EXPECT_NEAR(range.m_dMaximum, c.dRoundedMax, c.dRoundedMax * 1e-9) << c.dMinimum << ".." << c.dMaximum;
    }

    const double dDay = COleDateTime(2023, 3, 14, 0, 0, 0).m_dt;
    const double dStart = COleDateTime(2023, 3, 14, 14, 38, 24).m_dt;
    const struct {
        double dWidth, dCut;
    } dateCases[] = {{10.0, dDay}, {0.25, dDay + 14.0 / 24.0}, {0.01, dDay + (14 * 60 + 38) / 1440.0}};
    for (const auto& c : dateCases) {
        CScale range = Range(dStart, dStart + c.dWidth);
        scene.pDisplay->RoundDate(range, 1.0);
        EXPECT_NEAR(range.m_dMinimum, c.dCut, 1e-7) << c.dWidth;
    }

    // the expand factors of date axes and the bubble and vector types
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYExpandFactor(), 1.1);
    scene.pDisplay->SetAxisType(0x12);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYExpandFactor(), 1.0);
    scene.pDisplay->SetAxisType(AXIS_STANDARD);
    scene.pDisplay->SetGraphType(GT_BUBBLE);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYExpandFactor(), 1.0);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetXExpandFactor(), 1.0);
    scene.pDisplay->SetGraphType(GT_LINE);
    scene.pDisplay->SetYScale(new SRGDateScale);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYExpandFactor(), 1.0);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetXExpandFactor(), 1.1);
}

TEST_F(ChartTest, LabelStepsAndValueLabelTexts)
{
    DisplayScene scene;
    const struct {
        double dWidth, dStep;
    } cases[] = {{0.5, 0.001}, {1.04, 0.1}, {44.0, 1.0}, {1234.0, 100.0}};
    for (const auto& c : cases) {
        scene.SetGroup(0, {0.0, c.dWidth});
        scene.FixRange(0.0, c.dWidth);
        scene.pDisplay->RecomputeWindow();
        EXPECT_NEAR(scene.pDisplay->GetLabelStep(), c.dStep, c.dStep * 1e-9) << c.dWidth;
        scene.Draw();  // lets the next RecomputeWindow run
    }

    CStringList texts;
    EXPECT_EQ(ChartCode([&] { scene.pDisplay->ListValueLabels(0.25, texts); }), 18);

    LoggingDisplay* pDisplay = new LoggingDisplay;
    DEDized chart;
    chart.SetBuffered(0);
    chart.AddComponent(pDisplay);
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetFlags(SRGDisplayBase::flagFixedRange);
    pDisplay->SetFixedMax(1.04);
    chart.SetValue(0, 0, 0.5, 1);
    pDisplay->onData = [&](LoggingDisplay& display) { display.ListValueLabels(0.25, texts); };
    DibCanvas canvas(100, 100);
    chart.Draw(&canvas.dc, nullptr);
    std::string joined;
    for (POSITION pos = texts.GetHeadPosition(); pos != nullptr;)
        joined += std::string(texts.GetNext(pos).GetString()) + " ";
    EXPECT_EQ(joined, "0 0.25 0.5 0.75 1 ");
}

// ---- pipeline ---------------------------------------------------------------------------------------------------

TEST_F(ChartTest, PipelineRunsItsStepsInOrder)
{
    auto scene = [](int nFlags, const CRect& plot) {
        auto* pDisplay = new LoggingDisplay;
        DEDized chart;
        chart.SetBuffered(0);
        chart.AddComponent(pDisplay);
        chart.SetValue(0, 0, 1.0, 1);
        pDisplay->SetGraphType(GT_LINE);
        pDisplay->SetFlags(nFlags | SRGDisplayBase::flagOutsideLayout);
        pDisplay->SetPlotRect(plot.left, plot.top, plot.right, plot.bottom, 0);
        DibCanvas canvas(100, 100);
        chart.Draw(&canvas.dc, nullptr);
        return pDisplay->log;
    };
    EXPECT_EQ(scene(0, CRect(10, 10, 90, 90)), "scales frame data ");
    EXPECT_EQ(scene(SRGDisplayBase::flagDataFirst, CRect(10, 10, 90, 90)), "scales data frame ");
    EXPECT_EQ(scene(SRGDisplayBase::flagNoAxes, CRect(10, 10, 90, 90)), "data ");
    EXPECT_EQ(scene(0, CRect(10, 10, 11, 90)), "");
}

TEST_F(ChartTest, PipelineDropsAxesOnAStyleChangeAndUsesACallersRangesOnce)
{
    DisplayScene scene;
    scene.SetGroup(0, {1, 2});
    scene.pDisplay->SetFlags(SRGDisplayBase::flagNoZero | SRGDisplayBase::flagNoAxes);
    bool bDeleted = false;
    scene.pDisplay->SetXScale(new WatchedBlock(bDeleted));
    scene.Draw();
    EXPECT_FALSE(bDeleted);
    scene.pDisplay->SetLogarithmic(1);
    EXPECT_TRUE(scene.pDisplay->IsStyleChanged());
    scene.Draw();
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(scene.pDisplay->GetXScale(), nullptr);
    scene.pDisplay->SetLogarithmic(0);

    scene.pDisplay->RecomputeWindow();
    const double dMaximum = scene.pDisplay->GetYDataRange().m_dMaximum;
    scene.chart.SetValue(2, 0, 900.0, 1);
    scene.Draw();
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetYDataRange().m_dMaximum, dMaximum);
    scene.Draw();
    EXPECT_GE(scene.pDisplay->GetYDataRange().m_dMaximum, 900.0);
}

TEST_F(ChartTest, PipelineRemembersTheViewRangesDrawn)
{
    DisplayScene scene;
    scene.SetGroup(0, {1, 5, 2, 8});
    scene.pDisplay->SetGraphType(GT_XY_ITEM_PAIRS);
    scene.pDisplay->SetFlags(SRGDisplayBase::flagNoAxes);
    scene.Draw();
    // the views were taken from the data for the draw, then emptied again
    EXPECT_TRUE(scene.pDisplay->GetYViewRange().IsReset());
    EXPECT_FALSE(scene.pDisplay->GetLastYRange().IsReset());
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetLastYRange().m_dMaximum, scene.pDisplay->GetYDataRange().m_dMaximum);

    scene.pDisplay->SetYViewRange(4.0, 2.0, 0);
    scene.Draw();
    EXPECT_FALSE(scene.pDisplay->GetYViewRange().IsReset());
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetLastYRange().m_dMinimum, 2.0);
    EXPECT_DOUBLE_EQ(scene.pDisplay->GetLastYRange().m_dMaximum, 4.0);

    // a line display keeps no view ranges
    scene.pDisplay->SetGraphType(GT_LINE);
    scene.Draw();
    EXPECT_TRUE(scene.pDisplay->GetLastYRange().IsReset());
}

TEST_F(ChartTest, AnInvisibleDisplayDrawsNothing)
{
    struct HiddenDisplay : DEDizedDisplay {
        HiddenDisplay() { m_bVisible = 0; }
    };
    DEDized chart;
    chart.SetBuffered(0);
    auto* pDisplay = new HiddenDisplay;
    chart.AddComponent(pDisplay);
    pDisplay->SetRectFromRECT(CRect(0, 0, 100, 100));
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetFlags(SRGDisplayBase::flagFillPlot);
    pDisplay->GetStyle()->m_crFill1 = kGreen;
    chart.SetValue(0, 0, 1.0, 1);
    chart.SetValue(1, 0, 2.0, 1);
    DibCanvas canvas(100, 100);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(canvas.At(50, 50), kPaper);
    EXPECT_TRUE(Regions(chart).empty());
    EXPECT_EQ(pDisplay->GetIndexCount(), 0);
}

// ---- placeholder ------------------------------------------------------------------------------------------------

TEST_F(ChartTest, PlaceholderStandsForMissingData)
{
    // the picture's frame is grey (160, 160, 160), 48 by 32 pixels
    const COLORREF kFrame = RGB(160, 160, 160);
    const CRect plot(100, 60, 300, 200);
    const struct {
        const char* lpszCase;
        int nGraphType;
        std::vector<double> values;
        double dFixedMin, dFixedMax;
        bool bPlaceholder;
    } cases[] = {
        {"no data", GT_LINE, {}, 0, 0, true},
        {"a range not wider than 2^-52", GT_LINE, {1e-300}, 1e-300, 2e-300, true},
        {"data to draw", GT_LINE, {1, 2}, 0, 0, false},
        {"graph type 0x00", GT_NONE, {1, 2}, 0, 0, true},
        {"a logarithmic fixed range from 0", -1, {1, 2}, 0, 10, true},
        {"graph type 0x05 draws nothing", 0x05, {}, 0, 0, false},
    };
    for (const auto& c : cases) {
        for (const bool bPicture : {false, true}) {
            DisplayScene scene;
            scene.SetGroup(0, c.values);
            scene.UsePlot(plot);
            if (c.dFixedMax > c.dFixedMin)
                scene.FixRange(c.dFixedMin, c.dFixedMax);
            scene.pDisplay->SetGraphType(c.nGraphType >= 0 ? c.nGraphType : GT_LINE);
            if (c.nGraphType < 0)
                scene.pDisplay->SetLogarithmic(1);
            if (bPicture)
                scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagPlaceholderPicture);
            scene.chart.GetDefaultStyle()->m_nLineKind = 0;  // data points draw nothing
            scene.Draw();
            const CPoint centre = plot.CenterPoint();
            const bool bShown = scene.canvas.At(centre.x - 24, centre.y - 16) == kFrame &&
                                scene.canvas.At(centre.x + 23, centre.y + 15) == kFrame;
            EXPECT_EQ(bShown, bPicture && c.bPlaceholder) << c.lpszCase << (bPicture ? " with" : " without");
        }
    }
}

// ---- template part and stored form ----------------------------------------------------------------------------

TEST_F(ChartTest, TemplatePartOfADisplay)
{
    DEDizedDisplay display;
    const char* kLine = " 0 0 255 \"Arial\" 12 1 2 2 257 5 1 rest";
    EXPECT_STREQ(display.ReadTemplateClassPart(kLine), "rest");
    EXPECT_EQ(display.GetAxisType(), 2);
    EXPECT_EQ(display.GetGraphType(), 1);
    EXPECT_TRUE(display.HasFlag(SRGDisplayBase::flagXLabelPlacement));
    EXPECT_FALSE(display.HasFlag(SRGDisplayBase::flagYLabelPlacement));
    EXPECT_FALSE(display.HasOption(SRGDisplayBase::optionXLabelAngle));
    EXPECT_TRUE(display.HasFlag(SRGDisplayBase::flagLogarithmic));
    EXPECT_TRUE(display.IsStyleChanged());
    EXPECT_EQ(WrittenText([&](CStdioFile& f) {
                  display.WriteTemplateKeyword(f);
                  display.WriteTemplateClassPart(f);
              }),
              "data 0 0 255 \"Arial\" 12 1 2 2 1 5 1");

    DEDizedDisplay other;
    other.ReadTemplateClassPart(" 0 0 0 \"Arial\" 10 0 2 11 31 2 0");
    EXPECT_EQ(other.GetAxisType(), 11);
    EXPECT_EQ(other.GetGraphType(), 31);
    EXPECT_TRUE(other.HasFlag(SRGDisplayBase::flagYLabelPlacement));
    EXPECT_TRUE(other.HasOption(SRGDisplayBase::optionXLabelAngle));
    EXPECT_FALSE(other.HasFlag(SRGDisplayBase::flagLogarithmic));

    for (const char* lpszBad : {" 0 0 0 \"Arial\" 10 0 2 2 1 5", " 0 0 0 \"Arial\" 10 0 2 ", " 0 0 0 \"Arial\" 10 0 2 x"})
        EXPECT_EQ(ChartCode([&] { DEDizedDisplay().ReadTemplateClassPart(lpszBad); }), 12) << lpszBad;
}

TEST_F(ChartTest, StoredDisplayKeepsFixedRangesAndPlot)
{
    DEDizedDisplay display;
    display.SetFixedMin(-1.5);
    display.SetFixedMax(1.04);
    display.SetFixedXMin(2.0);
    display.SetFixedXMax(7.25);
    display.SetPlotRect(10, 20, 410, 228, 1);
    display.SetGraphType(GT_LINE_LABELLED);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { display.Serialize(ar); });
    DEDizedDisplay loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_DOUBLE_EQ(loaded.GetFixedMin(), -1.5);
    EXPECT_DOUBLE_EQ(loaded.GetFixedMax(), 1.04);
    EXPECT_DOUBLE_EQ(loaded.GetFixedXMin(), 2.0);
    EXPECT_DOUBLE_EQ(loaded.GetFixedXMax(), 7.25);
    EXPECT_EQ(loaded.GetPlotRect(), CRect(10, 20, 410, 228));
    EXPECT_EQ(loaded.GetGraphType(), GT_LINE_LABELLED);
    EXPECT_EQ(loaded.GetTypeId(), chartTypeDisplay);

    // the chart makes displays by type id, with their graph and axis types
    DEDized chart;
    DEDizedComponent* pMade = chart.CreateComponent(chartTypeDisplay, 0, CRect(0, 0, 10, 10), 0, 0, 0, 0x1f0000, 0x0c000000);
    ASSERT_NE(dynamic_cast<DEDizedDisplay*>(pMade), nullptr);
    EXPECT_EQ(static_cast<DEDizedDisplay*>(pMade)->GetGraphType(), 0x1f);
    EXPECT_EQ(static_cast<DEDizedDisplay*>(pMade)->GetAxisType(), 0x0c);
}

// ---- the line display -------------------------------------------------------------------------------------------

TEST_F(ChartTest, LineDisplayPutsTheValueChartsPointsWhereTheyBelong)
{
    DisplayScene scene;
    UseSquares(scene.chart);
    scene.SetGroup(0, {0, 0.25, 0.5});
    scene.FixRange(0.0, 1.04);
    scene.UsePlot(CRect(10, 20, 410, 228));
    scene.Draw();
    const std::vector<DEDizedFeedback*> regions = Regions(scene.chart);
    ASSERT_EQ(regions.size(), 3u);
    const CPoint expected[3] = {{10, 228}, {210, 178}, {410, 128}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(regions[i]->GetPoint(), expected[i]);
        EXPECT_EQ(regions[i]->GetFirstIndex(), i);
        EXPECT_EQ(regions[i]->GetSecondIndex(), 0);
        EXPECT_EQ(regions[i]->GetHalfWidth(), 5);
    }
    // squares at the points, lines between them
    EXPECT_EQ(scene.canvas.At(211, 182), kGreen);
    EXPECT_EQ(scene.canvas.At(406, 128), kGreen);
    EXPECT_EQ(scene.canvas.At(110, 203), kBlack);
    EXPECT_EQ(scene.canvas.At(310, 153), kBlack);
    // the view's hit test finds the item and group under a point
    DEDizedFeedback* pHit = scene.chart.HitTest(213, 181);
    ASSERT_NE(pHit, nullptr);
    EXPECT_EQ(pHit->GetFirstIndex(), 1);
    EXPECT_EQ(pHit->GetSecondIndex(), 0);
    EXPECT_EQ(scene.chart.HitTest(216, 178), nullptr);
}

TEST_F(ChartTest, LineDisplayWindowsGapsAndThinning)
{
    const CRect plot(10, 20, 410, 228);
    // a single item stands at the left edge
    {
        DisplayScene scene;
        scene.SetGroup(0, {0.5});
        scene.FixRange(0.0, 1.0);
        scene.UsePlot(plot);
        scene.Draw();
        ASSERT_EQ(Regions(scene.chart).size(), 1u);
        EXPECT_EQ(Regions(scene.chart)[0]->GetPoint(), CPoint(10, 124));
    }
    // 1000 values on a plot 400 pixels wide: every second one with thinning
    for (const bool bThin : {false, true}) {
        DisplayScene scene;
        std::vector<double> values(1000, 0.5);
        scene.SetGroup(0, values);
        scene.FixRange(0.0, 1.0);
        scene.UsePlot(plot);
        if (bThin)
            scene.pDisplay->SetOptions(scene.pDisplay->GetOptions() | SRGDisplayBase::optionThinOut);
        scene.Draw();
        const std::vector<DEDizedFeedback*> regions = Regions(scene.chart);
        ASSERT_EQ(regions.size(), bThin ? 500u : 1000u);
        EXPECT_EQ(regions[1]->GetFirstIndex(), bThin ? 2 : 1);
    }
    // a missing value is joined over unless the line breaks there
    for (const bool bBreak : {false, true}) {
        DisplayScene scene;
        UseSquares(scene.chart);
        scene.SetGroup(0, {0.0, kMissing, 1.0});
        scene.FixRange(0.0, 1.0);
        scene.UsePlot(plot);
        if (bBreak)
            scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagBreakLines);
        scene.Draw();
        EXPECT_EQ(Regions(scene.chart).size(), 2u);
        EXPECT_EQ(scene.canvas.At(210, 124) == kBlack, !bBreak);
        EXPECT_EQ(scene.canvas.At(407, 22), kGreen);
    }
    // a group shorter than the window ends early; later groups come after
    {
        DisplayScene scene;
        scene.SetGroup(0, {0.1, 0.2, 0.3, 0.4});
        scene.SetGroup(1, {0.5, 0.6});
        scene.FixRange(0.0, 1.0);
        scene.UsePlot(plot);
        scene.Draw();
        const std::vector<DEDizedFeedback*> regions = Regions(scene.chart);
        ASSERT_EQ(regions.size(), 6u);
        EXPECT_EQ(regions[4]->GetSecondIndex(), 1);
        EXPECT_EQ(regions[5]->GetPoint().x, 10 + 400 / 3);
    }
}

TEST_F(ChartTest, LineDisplayShrinksForTheDepthOfItsAxes)
{
    for (const int nAxisType : {0x0b, 0x0d, 0x14, 0x15, 0x02}) {
        DisplayScene scene;
        scene.SetGroup(0, {0.0, 1.0});
        scene.FixRange(0.0, 1.0);
        scene.pDisplay->SetAxisType(nAxisType);
        scene.UsePlot(CRect(10, 20, 410, 228));
        scene.Draw();
        const int nDepth = nAxisType == 0x02 ? 0 : 10;
        const std::vector<DEDizedFeedback*> regions = Regions(scene.chart);
        ASSERT_EQ(regions.size(), 2u);
        EXPECT_EQ(regions[1]->GetPoint(), CPoint(410 - nDepth, 20 + nDepth)) << nAxisType;
    }
    // on a printer of twice the screen's resolution the depth is twice as deep
    DisplayScene scene;
    scene.SetGroup(0, {0.0, 1.0});
    scene.FixRange(0.0, 1.0);
    scene.pDisplay->SetAxisType(0x0b);
    scene.UsePlot(CRect(10, 20, 410, 228));
    CClientDC screen(nullptr);
    const int nDpi = screen.GetDeviceCaps(LOGPIXELSX);
    CFakePrinterDC printer(600, 400, 2 * nDpi, 2 * nDpi);
    scene.chart.Draw(&printer, nullptr);
    ASSERT_EQ(Regions(scene.chart).size(), 2u);
    EXPECT_EQ(Regions(scene.chart)[1]->GetPoint(), CPoint(390, 40));
}

TEST_F(ChartTest, LabelledLinesWriteTheirValues)
{
    DisplayScene scene;
    DEDizedStyle* pStyle = scene.chart.GetDefaultStyle();
    pStyle->m_nLineKind = 2;
    pStyle->m_nKind = (pStyle->m_nKind & ~0xF0) | 0x20;
    scene.SetGroup(0, {0.25, 0.5});
    scene.FixRange(0.0, 1.0);
    scene.pDisplay->SetGraphType(GT_LINE_LABELLED);
    scene.UsePlot(CRect(10, 20, 410, 228));
    TextRecorder dc(scene.canvas);
    scene.chart.Draw(&dc, nullptr);
    std::vector<std::string> texts;
    for (const TextRecorder::Line& line : dc.lines)
        texts.push_back(line.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"0.25", "0.5"}));
    // the solid line took the palette colour of group 0
    EXPECT_EQ(scene.canvas.At(210, 150), DEDizedComponent::GetPaletteColour(0));
}

// ---- graph position ---------------------------------------------------------------------------------------------

namespace {

// A chart of displays with the plot rectangles and graph types given, each with a window of 5 items in
// 2 groups and the fixed range [0, 1.04], their windows and ranges computed as a draw leaves them.
struct PositionScene {
    DEDizedDisplay* Add(const CRect& plot, int nGraphType)
    {
        auto* pDisplay = new DEDizedDisplay;
        chart.AddComponent(pDisplay);
        pDisplay->SetGraphType(nGraphType);
        pDisplay->SetFlags(SRGDisplayBase::flagFixedRange);
        pDisplay->SetFixedMin(0.0);
        pDisplay->SetFixedMax(1.04);
        pDisplay->SetPlotRect(plot.left, plot.top, plot.right, plot.bottom, 1);
        for (int g = 0; g < 2; ++g)
            for (int i = 0; i < 5; ++i)
                chart.SetValue(i, g, 0.1 * (i + 1), 1);
        pDisplay->RecomputeWindow();
        return pDisplay;
    }
    DEDized chart;
};

} // namespace

TEST_F(ChartTest, PositionFindsTheDisplaysUnderAPoint)
{
    PositionScene scene;
    DEDizedDisplay* pFirst = scene.Add(CRect(100, 100, 500, 300), GT_LINE);
    {
        DEDizedPosition nearby(&scene.chart, 85, 200, nullptr);
        EXPECT_EQ(nearby.GetHitKind(), DEDizedPosition::hitOne);
        EXPECT_EQ(nearby.GetFirstDisplay(), pFirst);
        EXPECT_EQ(nearby.GetDisplayList(), nullptr);
        DEDizedPosition distant(&scene.chart, 75, 200, nullptr);
        EXPECT_EQ(distant.GetHitKind(), DEDizedPosition::hitNone);
        EXPECT_EQ(distant.GetFirstDisplay(), nullptr);
    }
    DEDizedDisplay* pSecond = scene.Add(CRect(300, 200, 600, 400), GT_VBAR);
    DEDizedPosition both(&scene.chart, 400, 250, nullptr);
    EXPECT_EQ(both.GetHitKind(), DEDizedPosition::hitSeveral);
    ASSERT_NE(both.GetDisplayList(), nullptr);
    ASSERT_EQ(both.GetDisplayList()->GetCount(), 2);
    EXPECT_EQ(both.GetDisplayList()->GetHead(), pFirst);
    EXPECT_EQ(both.GetDisplayList()->GetTail(), pSecond);
    EXPECT_EQ(both.GetFirstDisplay(), pFirst);
    // resolving the second: the column and the bar within it
    both.ResolveNth(1);
    EXPECT_EQ(both.GetItemIndex(), 1);  // columns of 60 pixels: x 100 past the left edge
    EXPECT_TRUE(both.HasGroupIndex());
}

TEST_F(ChartTest, PositionResolvesItemsGroupsAndValues)
{
    PositionScene scene;
    // the value chart: a point nearby the second point of three
    {
        DEDized chart;
        auto* pDisplay = new DEDizedDisplay;
        chart.AddComponent(pDisplay);
        pDisplay->SetGraphType(GT_LINE);
        pDisplay->SetFlags(SRGDisplayBase::flagFixedRange);
        pDisplay->SetFixedMax(1.04);
        pDisplay->SetPlotRect(10, 20, 410, 228, 1);
        for (int i = 0; i < 3; ++i)
            chart.SetValue(i, 0, 0.25 * i, 1);
        pDisplay->RecomputeWindow();
        DEDizedPosition position(&chart, 215, 150, nullptr);
        EXPECT_TRUE(position.HasItemIndex());
        EXPECT_EQ(position.GetItemIndex(), 1);
        EXPECT_TRUE(position.HasValue());
        EXPECT_NEAR(position.GetValue(), 0.39, 1e-12);
        EXPECT_FALSE(position.HasGroupIndex());
    }
    const CRect plot(100, 100, 500, 308);
    const struct {
        int nGraphType;
        CPoint point;
        int nItem, nGroup, nMeasured;
    } cases[] = {
        {GT_LINE, {220, 200}, 1, -1, 0},         // 5 points 100 pixels apart: 120 / 100 + 0.5
        {GT_LINE, {260, 200}, 2, -1, 0},
        {GT_VBAR, {185, 200}, 1, 0, 0},          // columns of 80: the second, its first bar of two
        {GT_VBAR, {225, 200}, 1, 1, 0},
        {GT_HBAR, {200, 300}, 0, 0, DEDizedPosition::measuredVerticalCategories},
        {GT_HBAR, {200, 110}, 4, 1, DEDizedPosition::measuredVerticalCategories},
        {GT_PIE, {200, 200}, -1, -1, 0},          // pies resolve nothing
    };
    for (const auto& c : cases) {
        PositionScene one;
        one.Add(plot, c.nGraphType);
        DEDizedPosition position(&one.chart, c.point.x, c.point.y, nullptr);
        EXPECT_EQ(position.HasItemIndex() ? position.GetItemIndex() : -1, c.nItem) << c.nGraphType << " " << c.point;
        EXPECT_EQ(position.HasGroupIndex() ? position.GetGroupIndex() : -1, c.nGroup) << c.nGraphType << " " << c.point;
        EXPECT_EQ(position.GetResultGroup(), c.nMeasured) << c.nGraphType;
        EXPECT_EQ(position.HasValue(), c.nGraphType != GT_PIE);
    }

    // a logarithmic display reads the value by decades: 1 to 1000 over 300 pixels
    DEDized chart;
    auto* pDisplay = new DEDizedDisplay;
    chart.AddComponent(pDisplay);
    pDisplay->SetGraphType(GT_LINE);
    pDisplay->SetFlags(SRGDisplayBase::flagLogarithmic);
    pDisplay->SetPlotRect(0, 0, 300, 300, 1);
    chart.SetValue(0, 0, 1.0, 1);
    chart.SetValue(1, 0, 1000.0, 1);
    pDisplay->RecomputeWindow();
    ASSERT_NEAR(pDisplay->GetYRangeWidth(), 3.0, 1e-12);
    DEDizedPosition position(&chart, 150, 100, nullptr);
    EXPECT_NEAR(position.GetValue(), 100.0, 1e-9);
}
