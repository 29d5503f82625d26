// The axes a display draws: the standard scales and frame of the value charts and their options, the
// frame with depth, the XY frame and the labels of pies.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "chart/engine/axes/SRGDecimalScale.h"
#include "chart/engine/axes/SRGIndexScale.h"

#include "FakePrinterDC.h"
#include "chart_test_support.h"
#include "display_test_support.h"

namespace {

const COLORREF kGrid = RGB(0, 0x80, 0x80);  // the style colour 0x808000
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);

std::vector<CPoint> Points(CPtrList& list)
{
    std::vector<CPoint> points;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        points.push_back(*static_cast<CPoint*>(list.GetNext(pos)));
    return points;
}

// A value chart as the application draws it: one group of six values on the fixed range [0, 1.04],
// the items named "0", "20" ... "100", drawn as lines without markers in red.
struct ValueChart : DisplayScene {
    explicit ValueChart(int nFlags = 0, int nAxisType = AXIS_STANDARD) : DisplayScene(420, 300)
    {
        DEDizedStyle* pStyle = chart.GetDefaultStyle();
        pStyle->m_nLineKind = 0;
        SetGroup(0, {0, 0.1, 0.3, 0.6, 0.8, 1.0});
        for (int i = 0; i < 6; ++i)
            chart.SetItemAnnotation(i, 0, std::to_string(20 * i).c_str());
        FixRange(0.0, 1.04);
        pDisplay->SetFlags(pDisplay->GetFlags() | nFlags);
        pDisplay->SetAxisType(nAxisType);
        Draw();
    }
    SRGDecimalScale* YScale() { return dynamic_cast<SRGDecimalScale*>(pDisplay->GetYScale()); }
    SRGIndexScale* XScale() { return dynamic_cast<SRGIndexScale*>(pDisplay->GetXScale()); }
    CRect Plot() { return pDisplay->GetPlotRect(); }
    // The inner rectangle of the display: its margins of 5 pixels on every side.
    CRect Inner() { return CRect(5, 5, 415, 295); }
    int CountColour(const CRect& area, COLORREF cr)
    {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += canvas.At(x, y) == cr;
        return n;
    }
};

// A value chart of n breakpoints from 10000 to 18641.5 named as the application names them ("%.3f"):
// labels far wider than high.
struct WideValueChart : DisplayScene {
    WideValueChart(int nWidth, int nHeight, int n) : DisplayScene(nWidth, nHeight)
    {
        chart.GetDefaultStyle()->m_nLineKind = 0;
        std::vector<double> values;
        for (int i = 0; i < n; ++i) {
            values.push_back(0.5 * i / (n - 1));
            CString text;
            text.Format("%.3f", 10000.0 + 8641.5 * i / (n - 1));
            texts.push_back(text.GetString());
        }
        SetGroup(0, values);
        for (int i = 0; i < n; ++i)
            chart.SetItemAnnotation(i, 0, texts[size_t(i)].c_str());
        FixRange(0.0, 1.04);
        Draw();
    }
    // The boxes of the outlines of the x labels, left to right.
    std::vector<CRect> LabelBoxes()
    {
        std::vector<CRect> boxes;
        auto* pScale = dynamic_cast<SRGIndexScale*>(pDisplay->GetXScale());
        for (int k = 0; pScale != nullptr && k < pScale->GetLabelCount(); ++k) {
            const std::vector<POINT>& outline = pScale->GetLabel(k)->GetOutline();
            CRect box(outline.front().x, outline.front().y, outline.front().x, outline.front().y);
            for (const POINT& point : outline)
                box.UnionRect(box, CRect(point.x, point.y, point.x + 1, point.y + 1));
            boxes.push_back(box);
        }
        return boxes;
    }
    std::vector<std::string> texts;
};

} // namespace

TEST_F(ChartTest, ValueChartShowsItsScalesGridAndFrame)
{
    ValueChart scene;
    const CRect plot = scene.Plot();
    // the labels took room from the plot on the left and at the bottom
    EXPECT_GT(plot.left, scene.Inner().left);
    EXPECT_LT(plot.bottom, scene.Inner().bottom);
    EXPECT_EQ(plot.top, scene.Inner().top);

    // value labels on the left edge, 0 at the bottom
    SRGDecimalScale* pY = scene.YScale();
    ASSERT_NE(pY, nullptr);
    ASSERT_EQ(pY->GetLabelCount(), 11);
    EXPECT_EQ(pY->GetLabel(0)->GetText(1), " 0 ");
    EXPECT_EQ(pY->GetLabel(10)->GetText(1), " 1 ");
    const std::vector<CPoint> yTicks = Points(*scene.pDisplay->GetYTickList());
    ASSERT_EQ(yTicks.size(), 11u);
    EXPECT_EQ(yTicks.front(), CPoint(plot.left, plot.bottom));
    EXPECT_EQ(yTicks.back().y, plot.bottom - int((plot.Height()) / 1.04 + 0.5));
    EXPECT_LE(pY->GetBoundingRect().right, plot.left);
    EXPECT_GE(pY->GetBoundingRect().left, scene.Inner().left);

    // item labels on the points: the first at the left edge, the last at the right
    SRGIndexScale* pX = scene.XScale();
    ASSERT_NE(pX, nullptr);
    EXPECT_TRUE(pX->GetOnPoints());
    ASSERT_EQ(pX->GetLabelCount(), 6);
    EXPECT_EQ(pX->GetLabel(5)->GetText(1), "100");
    const std::vector<CPoint> xTicks = Points(*scene.pDisplay->GetXTickList());
    ASSERT_EQ(xTicks.size(), 6u);
    EXPECT_EQ(xTicks.front(), CPoint(plot.left, plot.bottom));
    EXPECT_EQ(xTicks.back(), CPoint(plot.right, plot.bottom));
    EXPECT_GE(pX->GetBoundingRect().top, plot.bottom);

    // grid lines across the plot at the value ticks and at the item ticks, the frame in black
    EXPECT_EQ(scene.canvas.At(plot.left + 30, yTicks[5].y), kGrid);
    EXPECT_EQ(scene.canvas.At(plot.left + 30, yTicks[5].y + 3), kPaper);
    EXPECT_EQ(scene.canvas.At(xTicks[2].x, plot.top + 5), kGrid);
    EXPECT_EQ(scene.canvas.At(plot.left, plot.CenterPoint().y + 2), kBlack);
    EXPECT_EQ(scene.canvas.At(plot.right, plot.CenterPoint().y + 2), kBlack);
    // tick marks outside: left of the value axis, below the item axis
    EXPECT_EQ(scene.canvas.At(plot.left - 3, yTicks[5].y), kBlack);
    EXPECT_EQ(scene.canvas.At(xTicks[2].x, plot.bottom + 3), kBlack);
}

TEST_F(ChartTest, ValueChartOptions)
{
    // a fixed plot is left as it is
    ValueChart fixed(SRGDisplayBase::flagPlotFixed);
    EXPECT_EQ(fixed.Plot(), fixed.Inner());

    // axis type 0x0c: the value axis on the right edge, its labels right of it
    ValueChart right(0, AXIS_RIGHT);
    const CRect plot = right.Plot();
    EXPECT_LT(plot.right, right.Inner().right);
    EXPECT_GE(right.YScale()->GetBoundingRect().right, plot.right);
    EXPECT_LE(right.YScale()->GetBoundingRect().right, right.Inner().right);
    const std::vector<CPoint> yTicks = Points(*right.pDisplay->GetYTickList());
    ASSERT_FALSE(yTicks.empty());
    EXPECT_EQ(yTicks.front().x, plot.right);
    EXPECT_GE(right.YScale()->GetBoundingRect().left, plot.right);
    EXPECT_EQ(right.canvas.At(plot.right + 3, yTicks[5].y), kBlack);

    // each flag takes away its part
    const struct {
        const char* lpszCase;
        int nFlags;
        bool bHorizontalGrid, bVerticalGrid, bYTicks, bXTicks, bYScale, bXScale;
    } cases[] = {
        {"no horizontal grid", SRGDisplayBase::flagNoHorizontalGrid, false, true, true, true, true, true},
        {"no vertical grid", SRGDisplayBase::flagNoVerticalGrid, true, false, true, true, true, true},
        {"no value ticks", SRGDisplayBase::flagNoYTicks, true, true, false, true, true, true},
        {"no item ticks", SRGDisplayBase::flagNoXTicks, true, true, true, false, true, true},
        {"no item scale", SRGDisplayBase::flagNoXScale, true, false, true, false, true, false},
        {"no value scale", SRGDisplayBase::flagNoYScale, false, true, false, true, false, true},
    };
    for (const auto& c : cases) {
        ValueChart scene(c.nFlags);
        const CRect p = scene.Plot();
        const std::vector<CPoint> ys = Points(*scene.pDisplay->GetYTickList());
        const std::vector<CPoint> xs = Points(*scene.pDisplay->GetXTickList());
        EXPECT_EQ(scene.CountColour(CRect(p.left + 1, p.top + 1, p.left + 5, p.bottom), kGrid) > 0, c.bHorizontalGrid)
            << c.lpszCase;
        EXPECT_EQ(scene.CountColour(CRect(p.left + 1, p.top + 1, p.right, p.top + 4), kGrid) > 0, c.bVerticalGrid)
            << c.lpszCase;
        EXPECT_EQ(scene.CountColour(CRect(p.left - 4, p.top + 1, p.left - 1, p.bottom), kBlack) > 0, c.bYTicks)
            << c.lpszCase;
        EXPECT_EQ(scene.CountColour(CRect(p.left + 1, p.bottom + 1, p.right, p.bottom + 4), kBlack) > 0, c.bXTicks)
            << c.lpszCase;
        EXPECT_EQ(!ys.empty(), c.bYScale) << c.lpszCase;
        EXPECT_EQ(!xs.empty(), c.bXScale) << c.lpszCase;
    }

    // the plot filled with fill colour 1; the frame in its own colour and width
    DisplayScene scene(420, 300);
    scene.SetGroup(0, {0.5, 0.5});
    scene.FixRange(0.0, 1.04);
    scene.chart.GetDefaultStyle()->m_nLineKind = 0;
    scene.pDisplay->SetFlags(scene.pDisplay->GetFlags() | SRGDisplayBase::flagFillPlot |
                             SRGDisplayBase::flagNoHorizontalGrid | SRGDisplayBase::flagNoVerticalGrid);
    scene.pDisplay->GetStyle()->m_crFill1 = RGB(200, 220, 255);
    scene.pDisplay->GetStyle()->m_crFill2 = kRed;
    scene.pDisplay->GetStyle()->m_nExtra = 3;
    scene.Draw();
    const CRect p = scene.pDisplay->GetPlotRect();
    EXPECT_EQ(scene.canvas.At(p.CenterPoint().x, p.CenterPoint().y), RGB(200, 220, 255));
    for (const int dx : {-1, 0, 1})
        EXPECT_EQ(scene.canvas.At(p.left + dx, p.CenterPoint().y), kRed) << dx;
    EXPECT_EQ(scene.canvas.At(p.left + 3, p.CenterPoint().y), RGB(200, 220, 255));
}

TEST_F(ChartTest, WideBreakpointLabelsStandClearOfEachOtherInsideTheChart)
{
    // the value charts tiled in a small main window, one maximised in it, and widths between
    std::vector<CSize> sizes = {{268, 179}, {560, 380}};
    for (int nWidth = 200; nWidth <= 700; nWidth += 9)
        sizes.emplace_back(nWidth, 200);
    for (const int n : {8, 11, 16}) {
        for (const CSize& size : sizes) {
            WideValueChart scene(size.cx, size.cy, n);
            const std::string where = std::to_string(n) + " breakpoints in " + std::to_string(size.cx) + " by " +
                                      std::to_string(size.cy);
            auto* pScale = dynamic_cast<SRGIndexScale*>(scene.pDisplay->GetXScale());
            ASSERT_NE(pScale, nullptr) << where;
            const std::vector<CRect> boxes = scene.LabelBoxes();
            ASSERT_GE(boxes.size(), size.cx >= 268 ? 2u : 1u) << where;
            // every shown label names its own breakpoint, the first one first
            EXPECT_EQ(pScale->GetLabel(0)->GetText(1), scene.texts.front().c_str()) << where;
            const int nInterval = int(pScale->GetLastStep());
            for (size_t k = 0; k < boxes.size(); ++k)
                EXPECT_EQ(pScale->GetLabel(int(k))->GetText(1), scene.texts[k * size_t(nInterval)].c_str()) << where;
            for (size_t k = 0; k < boxes.size(); ++k) {
                EXPECT_TRUE(CRect(0, 0, size.cx, size.cy).PtInRect(boxes[k].TopLeft()) &&
                            boxes[k].right <= size.cx && boxes[k].bottom <= size.cy)
                    << where << ": label " << k << " leaves the chart, at " << boxes[k].left << ".." << boxes[k].right;
                for (size_t j = k + 1; j < boxes.size(); ++j) {
                    CRect common;
                    EXPECT_FALSE(common.IntersectRect(boxes[k], boxes[j]))
                        << where << ": labels " << k << " and " << j << " meet";
                }
            }
            EXPECT_EQ(Points(*scene.pDisplay->GetXTickList()).size(), boxes.size()) << where;
        }
    }

    // tiled, the plot takes the chart's width but for the labels beside it
    WideValueChart tiled(268, 179, 8);
    const CRect plot = tiled.pDisplay->GetPlotRect();
    const std::vector<CRect> boxes = tiled.LabelBoxes();
    EXPECT_GE(plot.Width(), 268 * 2 / 3);
    EXPECT_LE(268 - plot.right, (std::max)(0, int(boxes.back().right - plot.right)) + 10);
}

TEST_F(ChartTest, PrintedValueChartTicksStayShortOfTheLabels)
{
    // a printer of twice the screen's resolution: margins, label gap and ticks twice as long as on
    // the screen, the ticks (5 pixels there) 10 pixels long from the frame
    ValueChart scene;
    const int nDpi = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSX);
    CFakePrinterDC printer(840, 600, 2 * nDpi, 2 * nDpi);
    scene.chart.Draw(&printer, nullptr);
    const CRect plot = scene.Plot();
    const std::vector<CPoint> yTicks = Points(*scene.pDisplay->GetYTickList());
    const std::vector<CPoint> xTicks = Points(*scene.pDisplay->GetXTickList());
    ASSERT_GT(yTicks.size(), 5u);
    ASSERT_GT(xTicks.size(), 2u);
    int nLeft = 0;
    while (nLeft < plot.left && printer.PixelAt(plot.left - 1 - nLeft, yTicks[5].y) == kBlack)
        ++nLeft;
    int nDown = 0;
    while (nDown < 100 && printer.PixelAt(xTicks[2].x, plot.bottom + 1 + nDown) == kBlack)
        ++nDown;
    EXPECT_EQ(nLeft, 9);
    EXPECT_EQ(nDown, 9);
    // nothing black in the two pixels beyond the ticks' ends: neither the ticks nor the labels' text
    int nBeyond = 0;
    for (int y = plot.top; y <= plot.bottom; ++y)
        for (const int x : {plot.left - 11, plot.left - 10})
            nBeyond += printer.PixelAt(x, y) == kBlack;
    for (int x = plot.left; x <= plot.right; ++x)
        for (const int y : {plot.bottom + 10, plot.bottom + 11})
            nBeyond += printer.PixelAt(x, y) == kBlack;
    EXPECT_EQ(nBeyond, 0);
}

TEST_F(ChartTest, DepthFrameShowsTheBoxBehindTheData)
{
    ValueChart scene(0, AXIS_DEPTH);
    const CRect plot = scene.Plot();
    const int r = plot.right - 10;
    // back wall, side wall and floor outlines
    EXPECT_EQ(scene.canvas.At(plot.left + 10, plot.CenterPoint().y + 3), kBlack);
    EXPECT_EQ(scene.canvas.At(r + 10, plot.CenterPoint().y + 3), kBlack);
    EXPECT_EQ(scene.canvas.At(plot.CenterPoint().x, plot.bottom - 10), kBlack);
    EXPECT_EQ(scene.canvas.At(plot.left + 5, plot.bottom - 5), kBlack);
    // a value grid line leaves the front edge diagonally, then crosses the back wall
    const std::vector<CPoint> yTicks = Points(*scene.pDisplay->GetYTickList());
    ASSERT_GT(yTicks.size(), 5u);
    const CPoint tick = yTicks[5];
    EXPECT_EQ(tick.x, plot.left);
    EXPECT_EQ(scene.canvas.At(tick.x + 5, tick.y - 5), kGrid);
    EXPECT_EQ(scene.canvas.At(plot.CenterPoint().x, tick.y - 10), kGrid);
    EXPECT_EQ(scene.canvas.At(plot.CenterPoint().x, tick.y), kPaper);
}

TEST_F(ChartTest, XYFrameNeedsBothRanges)
{
    struct FrameLog : DEDizedDisplay {
        void DrawFrame() override { ++nFrames; }
        int nFrames = 0;
    };
    FrameLog display;
    display.SetYDataRange(1.0, 0.0, 0);
    display.SetXDataRange(1.0, 1.0, 0);
    display.DrawXYFrame();
    EXPECT_EQ(display.nFrames, 0);
    display.SetXDataRange(2.0, 1.0, 0);
    display.DrawXYFrame();
    EXPECT_EQ(display.nFrames, 1);

    // an XY display gets two value scales along its views
    DisplayScene scene;
    scene.SetGroup(0, {1, 10, 3, 30, 5, 20});
    scene.pDisplay->SetGraphType(GT_XY_ITEM_PAIRS);
    scene.pDisplay->SetAxisType(AXIS_XY);
    scene.Draw();
    auto* pX = dynamic_cast<SRGDecimalScale*>(scene.pDisplay->GetXScale());
    ASSERT_NE(pX, nullptr);
    EXPECT_EQ(dynamic_cast<SRGIndexScale*>(pX), nullptr);
    EXPECT_DOUBLE_EQ(pX->GetMaximum(), scene.pDisplay->GetLastXRange().m_dMaximum);
    EXPECT_GT(pX->GetLabelCount(), 1);
}

TEST_F(ChartTest, PieLabels)
{
    const struct {
        int nKind;
        const char* lpszText;
    } texts[] = {{0x00, ""},
                 {0x20, "3.000000"},
                 {0x30, "75.00%"},
                 {0x50, "Beta"},
                 {0x60, "Beta (3.000000)"},
                 {0x70, "Beta=3.000000 (75.00%)"},
                 {0x80, "Beta (75.00%)"},
                 {0x10, "3 (75.00%)"}};
    for (const auto& c : texts)
        EXPECT_STREQ(DEDizedDisplay::PieLabelText(c.nKind, 3.0, 75.0, "Beta"), c.lpszText) << c.nKind;
    const std::pair<int, double> pulls[] = {{0x100, 1.1}, {0x200, 1.05}, {0x300, 1.1}, {0x400, 1.2}, {0x500, 1.0}, {0, 1.0}};
    for (const auto& c : pulls)
        EXPECT_DOUBLE_EQ(DEDizedDisplay::PiePullOut(c.first | 0x1012), c.second) << c.first;
    const std::pair<double, int> octants[] = {{0.0, 0}, {22.4, 0}, {22.5, 1}, {90.0, 2}, {180.0, 4}, {337.5, 0}, {-30.0, 7}};
    for (const auto& c : octants)
        EXPECT_EQ(DEDizedDisplay::PieLabelOctant(c.first), c.second) << c.first;

    for (const bool bZero : {true, false}) {
        DisplayScene scene(300, 300);
        scene.SetGroup(0, bZero ? std::vector<double>{0, 0} : std::vector<double>{1, 3});
        scene.pDisplay->SetGraphType(GT_PIE);
        scene.pDisplay->SetAxisType(AXIS_PIE);
        scene.Draw();
        DEDizedLabelBlock* pBlock = scene.pDisplay->GetLabelBlock();
        if (bZero) {
            EXPECT_TRUE(pBlock == nullptr || pBlock->GetLabelCount() == 0);
            continue;
        }
        ASSERT_NE(pBlock, nullptr);
        ASSERT_EQ(pBlock->GetLabelCount(), 2);
        EXPECT_EQ(pBlock->GetLabel(0)->GetText(1), "1 (25.00%)");
        EXPECT_EQ(pBlock->GetLabel(1)->GetText(1), "3 (75.00%)");
        // the first slice's middle stands at 45 degrees (below right), the second's at 225
        EXPECT_EQ(pBlock->GetLabel(0)->GetAnchorPosition(), 1);
        EXPECT_EQ(pBlock->GetLabel(1)->GetAnchorPosition(), 5);
    }
}
