// Drawing passes of the chart: what a pass draws or leaves alone, failures inside a component, buffered
// and direct drawing, the drawing size and the fixed rectangle, printing in bands, clipping and hit
// regions.
#include "wine_gtest.h"

#include "FakeServices.h"  // before windows.h: it includes <deque>
#include "FakePrinterDC.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/DEDizedFeedback.h"
#include "win/CWnd.h"
#include "win/CWindowDC.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

} // namespace

TEST_F(ChartTest, AChartWithoutComponentsLeavesTheTargetAlone)
{
    DibCanvas canvas(60, 40);
    canvas.dc.FillSolidRect(CRect(0, 0, 60, 40), kRed);
    DEDized chart;
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(canvas.At(0, 0), kRed);
    EXPECT_EQ(canvas.At(59, 39), kRed);

    // tag objects are dropped before the pass: a chart of nothing else draws nothing either
    AddProbe(chart, CRect(0, 0, 60, 40), kBlue)->SetName(DEDized::kTagBlockName);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(chart.GetComponentList()->GetCount(), 0);
    EXPECT_EQ(canvas.At(30, 20), kRed);
}

TEST_F(ChartTest, TagObjectsAreDroppedUnlessTheChartStyleKeepsThem)
{
    // bits 28-29 of the chart style's kind word: 1 keeps the value labels of the last pass
    for (int nTagMode : {0, 1, 2, 3}) {
        DEDized chart;
        chart.GetChartStyle()->m_nKind = (chart.GetChartStyle()->m_nKind & ~0x30000000) | (nTagMode << 28);
        AddProbe(chart, CRect(0, 0, 10, 10))->SetName(DEDized::kTemporaryTagName);
        AddProbe(chart, CRect(0, 0, 10, 10))->SetName("kept");
        AddProbe(chart, CRect(0, 0, 10, 10))->SetName(DEDized::kTagBlockName);
        DibCanvas canvas(10, 10);
        chart.Draw(&canvas.dc, nullptr);
        EXPECT_EQ(chart.GetComponentList()->GetCount(), nTagMode == 1 ? 3 : 1) << "tag mode " << nTagMode;
        EXPECT_NE(chart.FindComponentByName("kept"), nullptr);
    }
}

TEST_F(ChartTest, ComponentsAddedWhileDrawingAreDrawnInThatPass)
{
    // as value labels are: a temporary tag object handed to the chart by a display
    DEDized chart;
    chart.SetBuffered(0);
    ProbeComponent* pDisplay = AddProbe(chart, CRect(0, 0, 20, 20));
    AddProbe(chart, CRect(0, 0, 20, 20));
    std::vector<ProbeComponent*> log;
    bool bCurrent = false;
    pDisplay->m_onDraw = [&](ProbeComponent& probe, CDC&) {
        bCurrent = chart.GetComponentList()->GetAt(chart.GetCurrentComponent()) == &probe;
        ProbeComponent* pLabel = new ProbeComponent(kRed, chartTypeLabel, &log);
        pLabel->SetRectFromRECT(CRect(5, 5, 10, 10));
        pLabel->SetName(DEDized::kTemporaryTagName);
        chart.AddComponent(pLabel);
    };
    DibCanvas canvas(20, 20);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_TRUE(bCurrent);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(canvas.At(7, 7), kRed);
    EXPECT_EQ(chart.GetComponentList()->GetCount(), 3);
    // the next pass drops the label before it draws (and the display adds a new one)
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(chart.GetComponentList()->GetCount(), 3);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ChartTest, ADrawFromInsideADrawReturnsAtOnce)
{
    DEDized other;
    ProbeComponent* pOtherProbe = AddProbe(other, CRect(0, 0, 10, 10), kBlue);
    DEDized chart;
    chart.SetBuffered(0);
    ProbeComponent* pProbe = AddProbe(chart, CRect(0, 0, 10, 10));
    pProbe->m_onDraw = [&](ProbeComponent&, CDC& dc) {
        EXPECT_TRUE(DEDized::IsAnyChartDrawing());
        other.Draw(&dc, nullptr);
        chart.Draw(&dc, nullptr);
    };
    DibCanvas canvas(10, 10);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(pProbe->m_nDraws, 1);
    EXPECT_EQ(pOtherProbe->m_nDraws, 0);
    EXPECT_EQ(canvas.At(5, 5), kWhite);
    EXPECT_FALSE(DEDized::IsAnyChartDrawing());
}

TEST_F(ChartTest, AChartExceptionIsShownOnceAndEndsThePass)
{
    CFakeServices fake;
    fake.ExpectMessageBox(IDOK, ResourceText(IDS_CHART_ERR_RANGE_SCAN));
    DEDized chart;
    chart.SetBuffered(0);
    ProbeComponent* pFirst = AddProbe(chart, CRect(0, 0, 20, 20), kBlue);
    ProbeComponent* pFailing = AddProbe(chart, CRect(0, 0, 20, 20));
    pFailing->GetStyle()->m_nStyle = 0;  // no background fill over what the first one painted
    pFailing->m_onDraw = [](ProbeComponent&, CDC& dc) {
        dc.SetTextColor(kRed);
        dc.SetBkMode(OPAQUE);
        ThrowChartException(7);
    };
    ProbeComponent* pLast = AddProbe(chart, CRect(0, 0, 20, 20), kGreen);
    DibCanvas canvas(20, 20);
    canvas.dc.SetTextColor(kGreen);
    canvas.dc.SetBkMode(TRANSPARENT);
    chart.Draw(&canvas.dc, nullptr);

    EXPECT_EQ(pFirst->m_nDraws, 1);
    EXPECT_EQ(pLast->m_nDraws, 0);
    EXPECT_EQ(canvas.At(10, 10), kBlue);
    EXPECT_EQ(canvas.dc.GetTextColor(), kGreen);
    EXPECT_EQ(canvas.dc.GetBkMode(), TRANSPARENT);
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].nType & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(chart.GetDrawingRect(), CRect(0, 0, 200, 150));
    EXPECT_EQ(chart.GetTargetDC(), nullptr);
}

TEST_F(ChartTest, OtherExceptionsPassOnAfterTheDCIsRestored)
{
    DEDized chart;
    AddProbe(chart, CRect(0, 0, 20, 20))->m_onDraw = [](ProbeComponent&, CDC& dc) {
        dc.SetTextColor(kRed);
        AfxThrowInvalidArgException("from a component");
    };
    DibCanvas canvas(20, 20);
    canvas.dc.SetTextColor(kGreen);
    ExpectInvalidArg([&] { chart.Draw(&canvas.dc, nullptr); }, "from a component");
    EXPECT_EQ(canvas.dc.GetTextColor(), kGreen);
    EXPECT_FALSE(DEDized::IsAnyChartDrawing());
    EXPECT_EQ(chart.IsBuffered(), 1);
    EXPECT_EQ(chart.IsDrawing(), 0);
}

TEST_F(ChartTest, BufferedAndDirectDrawingGiveEqualPixels)
{
    DEDized chart;
    AddProbe(chart, CRect(-1, -1, -1, -1), kWhite);
    AddProbe(chart, CRect(10, 10, 90, 60), kBlue)->GetStyle()->m_nStyle = 0x213;  // etched border, shadow
    AddProbe(chart, CRect(120, 30, 190, 140), kGreen)->GetStyle()->m_nStyle = 0x136;
    DibCanvas buffered(200, 150);
    DibCanvas direct(200, 150);
    chart.Draw(&buffered.dc, nullptr);
    chart.SetBuffered(0);
    chart.Draw(&direct.dc, nullptr);
    EXPECT_EQ(CountDifferentPixels(buffered, direct, 0, 0, 200, 150), 0);
    EXPECT_EQ(buffered.At(50, 30), kBlue);
    EXPECT_NE(buffered.At(91, 40), kWhite);  // the blue box's shadow
}

TEST_F(ChartTest, TheDrawingSizeByTarget)
{
    DEDized chart;
    EXPECT_EQ(ChartCode([&] { chart.GetDrawingSize(); }), 18);

    CSize size;
    ProbeComponent* pProbe = AddProbe(chart, CRect(0, 0, 10, 10));
    pProbe->m_onDraw = [&](ProbeComponent&, CDC&) { size = chart.GetDrawingSize(); };
    DibCanvas canvas(120, 80);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(size, CSize(120, 80));  // buffered: the bitmap of the DC drawn into

    chart.SetBuffered(0);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(size, CSize(200, 150));  // straight into a memory DC without a window

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "chart", WS_POPUP, 0, 0, 170, 90, nullptr, nullptr));
    CRect client;
    wnd.GetClientRect(&client);
    chart.Draw(&canvas.dc, &wnd);
    EXPECT_EQ(size, client.Size());

    CFakePrinterDC printer(330, 250, 300, 300);
    chart.Draw(&printer, &wnd);
    EXPECT_EQ(size, CSize(330, 250));  // the page

    chart.SetFixedRect(CRect(5, 5, 45, 25));
    chart.SetFixedRectFlag(1);
    EXPECT_EQ(chart.GetDrawingSize(), CSize(40, 20));  // outside a pass too
    wnd.DestroyWindow();

    // a target of no size has no off-screen bitmap: the pass draws straight into the DC
    chart.SetBuffered(1);
    chart.SetFixedRect(CRect(0, 0, 0, 0));
    pProbe->m_nDraws = 0;
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(pProbe->m_nDraws, 1);
    EXPECT_EQ(chart.IsBuffered(), 1);
}

TEST_F(ChartTest, AlignFixedRectPlacesByBothNibbles)
{
    struct Case {
        int nAlignment;
        CRect area;
        CPoint topLeft;
    } cases[] = {
        {0x00, CRect(0, 0, 200, 100), CPoint(10, 20)},   // kept where it is stored
        {0x11, CRect(0, 0, 200, 100), CPoint(0, 0)},     // at 0 both ways
        {0x33, CRect(0, 0, 200, 100), CPoint(150, 70)},  // right and bottom edges on the area's
        {0x22, CRect(0, 0, 200, 100), CPoint(75, 35)},   // centred
        {0x03, CRect(0, 0, 200, 100), CPoint(10, 70)},
        {0x30, CRect(0, 0, 200, 100), CPoint(150, 20)},
        {0x44, CRect(40, 40, 240, 140), CPoint(75, 35)},  // centring takes half the size, not the middle
    };
    DEDized chart;
    chart.SetFixedRect(CRect(10, 20, 60, 50));
    CRect placed(1, 2, 3, 4);
    chart.AlignFixedRect(placed, 0, 0, 200, 100);
    EXPECT_EQ(placed, CRect(1, 2, 3, 4));  // no fixed rectangle: left alone
    chart.SetFixedRectFlag(1);
    for (const Case& c : cases) {
        chart.SetFixedRectAlignment(c.nAlignment);
        chart.AlignFixedRect(placed, c.area.left, c.area.top, c.area.right, c.area.bottom);
        EXPECT_EQ(placed, CRect(c.topLeft, CSize(50, 30))) << "alignment 0x" << std::hex << c.nAlignment;
    }
}

TEST_F(ChartTest, AFixedRectangleMovesTheDrawing)
{
    DEDized chart;
    chart.SetFixedRect(CRect(0, 0, 40, 30));
    chart.SetFixedRectFlag(1);
    chart.SetFixedRectAlignment(0x33);
    chart.SetBuffered(0);
    AddProbe(chart, CRect(-1, -1, -1, -1), kBlue);
    DibCanvas canvas(100, 80);
    chart.Draw(&canvas.dc, nullptr);
    // the target is the fixed rectangle itself, so its right and bottom edges stay where they are
    EXPECT_EQ(chart.GetDrawingRect(), CRect(0, 0, 40, 30));
    EXPECT_EQ(canvas.At(39, 29), kBlue);
    EXPECT_EQ(canvas.At(40, 29), kWhite);

    // printing, the fixed rectangle is placed on the page
    CFakePrinterDC printer(300, 200, 300, 300);
    chart.Draw(&printer, nullptr);
    EXPECT_EQ(chart.GetDrawingRect(), CRect(260, 170, 300, 200));
    EXPECT_EQ(printer.PixelAt(260, 170), kBlue);
    EXPECT_EQ(printer.PixelAt(259, 170), kWhite);
}

TEST_F(ChartTest, PrintingInBandsGivesThePageOfADirectDraw)
{
    DEDized chart;
    AddProbe(chart, CRect(-1, -1, -1, -1), RGB(255, 255, 0));
    ProbeComponent* pBox = AddProbe(chart, CRect(20, 100, 180, 200), kBlue);  // across the first band's end
    pBox->GetStyle()->m_nStyle = 0x24;
    std::vector<int> bandTops;
    std::vector<int> buffered;
    pBox->m_onDraw = [&](ProbeComponent&, CDC& dc) {
        bandTops.push_back(dc.GetWindowOrg().y);
        buffered.push_back(chart.IsBuffered());
        chart.AddMarkerFeedback(50, 150, 0, 0);
    };
    // a page of 300 rows: bands of 128, 128 and the 44 rows left
    CFakePrinterDC page(260, 300, 96, 96);
    chart.SetBandMode(1);
    chart.Draw(&page, nullptr);
    EXPECT_EQ(bandTops, (std::vector<int>{0, 128, 256}));
    EXPECT_EQ(buffered, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(chart.GetBandMode(), 0);
    EXPECT_EQ(chart.IsBuffered(), 1);
    EXPECT_EQ(chart.AreHitRegionsEnabled(), 1);
    EXPECT_EQ(chart.GetFixedRectFlag(), 0);       // the page stood in as the fixed rectangle
    EXPECT_TRUE(chart.GetFeedbackList()->IsEmpty());  // no hit regions while printing in bands

    DibCanvas direct(260, 300);  // drawn whole: the target is the canvas's bitmap
    chart.Draw(&direct.dc, nullptr);
    int nDifferent = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 260; ++x)
            nDifferent += page.PixelAt(x, y) != direct.At(x, y);
    EXPECT_EQ(nDifferent, 0);
    EXPECT_EQ(page.PixelAt(100, 150), kBlue);
    EXPECT_EQ(page.PixelAt(100, 299), RGB(255, 255, 0));

    // with a fixed rectangle only the bands that meet it are drawn
    chart.SetFixedRect(CRect(0, 0, 100, 120));
    chart.SetFixedRectFlag(1);
    chart.SetFixedRectAlignment(0x33);  // at the page's bottom: rows 180 to 300
    bandTops.clear();
    chart.PrintBanded(&page, nullptr);
    EXPECT_EQ(bandTops, (std::vector<int>{128, 256}));
    EXPECT_EQ(page.PixelAt(200, 250), RGB(255, 255, 0));
}

TEST_F(ChartTest, ComponentsDrawWithoutTheClipRegionAndGetItBack)
{
    DEDized chart;
    chart.SetBuffered(0);
    int nClipType = -1;
    CRect clipBox;
    AddProbe(chart, CRect(0, 0, 40, 40))->m_onDraw = [&](ProbeComponent&, CDC& dc) {
        CRgn probe;
        probe.CreateRectRgn(0, 0, 0, 0);
        nClipType = ::GetClipRgn(dc.m_hDC, probe);
        // a clip of our own is saved and restored through the chart's stack; an empty entry removes it
        dc.IntersectClipRect(CRect(5, 5, 15, 15));
        chart.PushClip();
        dc.SelectClipRgn(nullptr);
        dc.IntersectClipRect(CRect(0, 0, 2, 2));
        chart.PopClip();
        dc.GetClipBox(&clipBox);
        dc.SelectClipRgn(nullptr);
        chart.PushClip();
        dc.IntersectClipRect(CRect(0, 0, 2, 2));
        chart.PopClip();
        EXPECT_EQ(::GetClipRgn(dc.m_hDC, probe), 0);
        // a clip path limits what follows
        chart.ClipToRect(10, 10, 30, 30, RGN_COPY);
        dc.FillSolidRect(CRect(0, 0, 40, 40), kBlue);
    };
    DibCanvas canvas(40, 40);
    canvas.dc.IntersectClipRect(CRect(0, 0, 35, 35));
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(nClipType, 0);
    EXPECT_EQ(clipBox, CRect(5, 5, 15, 15));
    EXPECT_EQ(canvas.At(20, 20), kBlue);
    EXPECT_EQ(canvas.At(5, 5), kWhite);
    CRect after;
    canvas.dc.GetClipBox(&after);
    EXPECT_EQ(after, CRect(0, 0, 35, 35));
}

TEST_F(ChartTest, HitRegionsOfAPassAndTheLastOneWins)
{
    DEDized chart;
    ProbeComponent* pProbe = AddProbe(chart, CRect(0, 0, 50, 50));
    int nPass = 0;
    pProbe->m_onDraw = [&](ProbeComponent&, CDC&) {
        ++nPass;
        chart.AddRectFeedbackEx(CRect(40, 40, 0, 0), 1, nPass);  // normalised
        chart.AddMarkerFeedback(10, 10, 2, nPass);
        const POINT triangle[] = {{20, 0}, {40, 0}, {30, 20}};
        chart.AddPolygonFeedback(triangle, 3, 3, nPass);
    };
    DibCanvas canvas(50, 50);
    chart.Draw(&canvas.dc, nullptr);
    chart.Draw(&canvas.dc, nullptr);
    ASSERT_EQ(chart.GetFeedbackList()->GetCount(), 3);  // the first pass's regions are gone

    struct Case {
        CPoint point;
        int nItem;  // -1: no region
    } cases[] = {
        {CPoint(14, 14), 2}, {CPoint(6, 6), 2},    {CPoint(15, 10), 1}, {CPoint(5, 10), 1},
        {CPoint(30, 5), 3},  {CPoint(39, 39), 1},  {CPoint(40, 20), -1}, {CPoint(45, 45), -1},
    };
    for (const Case& c : cases) {
        DEDizedFeedback* pHit = chart.HitTest(c.point.x, c.point.y);
        if (c.nItem < 0) {
            EXPECT_EQ(pHit, nullptr) << c.point;
            continue;
        }
        ASSERT_NE(pHit, nullptr) << c.point;
        EXPECT_EQ(pHit->GetFirstIndex(), c.nItem) << c.point;
        EXPECT_EQ(pHit->GetSecondIndex(), 2) << c.point;
    }

    chart.EnableHitRegions(0);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_TRUE(chart.GetFeedbackList()->IsEmpty());
}

TEST_F(ChartTest, PenFontAndPaletteCaches)
{
    DEDized chart;
    CPen* pPen = chart.GetPen(PS_DASH, 1, RGB(1, 2, 3));
    EXPECT_EQ(chart.GetPen(PS_DASH, 1, RGB(1, 2, 3)), pPen);
    EXPECT_NE(chart.GetPen(PS_DASH, 2, RGB(1, 2, 3)), pPen);
    EXPECT_NE(chart.GetPen(PS_SOLID, 1, RGB(1, 2, 3)), pPen);
    EXPECT_NE(chart.GetPen(PS_DASH, 1, RGB(1, 2, 4)), pPen);
    LOGPEN logPen = {};
    pPen->GetLogPen(&logPen);
    EXPECT_EQ(logPen.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));

    DibCanvas canvas(4, 4);
    const int nDpi = canvas.dc.GetDeviceCaps(LOGPIXELSY);
    HFONT hFont = chart.GetFont("Arial", 10, 0x5, 90, &canvas.dc);
    EXPECT_EQ(chart.GetFont("Arial", 10, 0x5, 90, &canvas.dc), hFont);
    LOGFONT font = {};
    ASSERT_TRUE(::GetObjectA(hFont, sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -::MulDiv(10, nDpi, 72));
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_EQ(font.lfEscapement, 900);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    for (HFONT hOther :
         {chart.GetFont("Times New Roman", 10, 0x5, 90, &canvas.dc), chart.GetFont("Arial", 11, 0x5, 90, &canvas.dc),
          chart.GetFont("Arial", 10, 0x4, 90, &canvas.dc), chart.GetFont("Arial", 10, 0x5, 0, &canvas.dc)})
        EXPECT_NE(hOther, hFont);
    // a negative size is a height in pixels: the same height as the point size gives the same font
    EXPECT_EQ(chart.GetFont("Arial", -::MulDiv(10, nDpi, 72), 0x5, 90, nullptr), hFont);

    CPalette palette;
    chart.BuildPalette(&palette);
    ASSERT_EQ(palette.GetEntryCount(), 256);
    PALETTEENTRY entries[256];
    palette.GetPaletteEntries(0, 256, entries);
    EXPECT_EQ(RGB(entries[255].peRed, entries[255].peGreen, entries[255].peBlue), kWhite);
    EXPECT_EQ(RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue), RGB(0, 0, 0));
    // red in bits 0-2, green in 3-5, blue in 6-7
    EXPECT_EQ(RGB(entries[0x5A].peRed, entries[0x5A].peGreen, entries[0x5A].peBlue), RGB(72, 109, 85));
}
