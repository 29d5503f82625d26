// The component base: placement in device pixels, margins, borders, shadows, invalidation, the data
// window, palette brushes and pens, the template common part, the stored form and its version, and the
// compound component.
#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <cstring>
#include <string>
#include <vector>

#include "ArchiveTestSupport.h"
#include "FakePrinterDC.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "chart/engine/components/SRGCompoundComponent.h"
#include "win/CWindowDC.h"
#include "win/CWnd.h"

#include "chart_draw_support.h"
#include "chart_test_support.h"

namespace {

const double kMillimetres = 0.03937007933143675;

// A chart whose drawing area is (0, 0, 200, 100): drawn once, buffered, into a canvas of that size.
class AreaTest : public ChartTest {
protected:
    void SetUp() override
    {
        ChartTest::SetUp();
        AddProbe(chart, CRect(0, 0, 1, 1));
        chart.Draw(&canvas.dc, nullptr);
        ASSERT_EQ(chart.GetDrawingRect(), CRect(0, 0, 200, 100));
        rect.SetChart(&chart);
    }

    CRect DeviceRect(int nMeasurement, double dLeft, double dTop, double dRight, double dBottom)
    {
        rect.SetMeasurement(nMeasurement);
        rect.SetValues(dLeft, dTop, dRight, dBottom);
        CRect result;
        rect.GetDeviceRect(result, &canvas.dc, nullptr);
        return result;
    }

    DibCanvas canvas{200, 100};
    DEDized chart;
    DEDizedRect rect;
};

} // namespace

TEST_F(AreaTest, PlacementInDevicePixels)
{
    for (int nKind = 0; nKind <= 3; ++nKind)
        EXPECT_EQ(DeviceRect(nKind, -1, -1, -1, -1), CRect(0, 0, 200, 100)) << "kind " << nKind;
    EXPECT_EQ(DeviceRect(3, 10, 10, 90, 90), CRect(20, 10, 180, 90));
    EXPECT_EQ(DeviceRect(3, 10.9, 10.9, 90.9, 90.9), CRect(21, 10, 181, 90));  // truncated
    EXPECT_EQ(DeviceRect(0, 5, -1, -1, 50), CRect(5, 0, 200, 50));
    EXPECT_EQ(DeviceRect(0, -5.7, 3.9, 7, 8), CRect(-5, 3, 7, 8));  // toward zero, not sorted
    const int nDpiX = canvas.dc.GetDeviceCaps(LOGPIXELSX);
    const int nDpiY = canvas.dc.GetDeviceCaps(LOGPIXELSY);
    EXPECT_EQ(DeviceRect(1, 10, 20, 30, 40), CRect(int(10 * nDpiX * kMillimetres), int(20 * nDpiY * kMillimetres),
                                                   int(30 * nDpiX * kMillimetres), int(40 * nDpiY * kMillimetres)));
    EXPECT_EQ(DeviceRect(2, 0.5, 1, 1.5, 2), CRect(int(0.5 * nDpiX), nDpiY, int(1.5 * nDpiX), 2 * nDpiY));

    // a chart drawing into a fixed rectangle moves its components with it
    chart.SetFixedRect(CRect(30, 40, 130, 90));
    chart.SetFixedRectFlag(1);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(DeviceRect(0, 0, 0, 10, 10), CRect(30, 40, 40, 50));
    EXPECT_EQ(DeviceRect(3, -1, -1, -1, -1), CRect(30, 40, 130, 90));
}

TEST_F(AreaTest, PlacementBackFromPixels)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "area", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    CRect client;
    wnd.GetClientRect(&client);
    rect.SetMeasurement(DEDizedRect::measurePerCent);
    rect.SetFromDeviceRect(CRect(0, 0, client.Width() / 2, client.Height()), &canvas.dc, &wnd);
    EXPECT_DOUBLE_EQ(rect.m_dRight, 100.0 * (client.Width() / 2) / client.Width());
    EXPECT_DOUBLE_EQ(rect.m_dBottom, 100.0);
    wnd.DestroyWindow();

    // without a window: the chart's size; inches divide by the dpi
    rect.SetFromDeviceRect(CRect(20, 10, 180, 90), &canvas.dc, nullptr);
    EXPECT_DOUBLE_EQ(rect.m_dLeft, 10.0);
    EXPECT_DOUBLE_EQ(rect.m_dBottom, 90.0);
    rect.SetMeasurement(DEDizedRect::measureInches);
    const int nDpiX = canvas.dc.GetDeviceCaps(LOGPIXELSX);
    rect.SetFromDeviceRect(CRect(nDpiX, 0, 2 * nDpiX, 0), &canvas.dc, nullptr);
    EXPECT_DOUBLE_EQ(rect.m_dLeft, 1.0);
    EXPECT_DOUBLE_EQ(rect.m_dRight, 2.0);
}

TEST(ChartComponent, PerCentOfAnAreaOfNoSizeIsZero)
{
    DEDized chart;  // never drawn: its drawing area is empty
    DEDizedRect rect;
    rect.SetChart(&chart);
    rect.SetMeasurement(DEDizedRect::measurePerCent);
    rect.SetFromDeviceRect(CRect(20, 10, 180, 90), nullptr, nullptr);
    EXPECT_EQ(rect.m_dLeft, 0.0);
    EXPECT_EQ(rect.m_dBottom, 0.0);
}

TEST_F(AreaTest, MarginsByMeasurementKind)
{
    struct Case {
        int nKind;
        double dMargin;
        double dSides;
    } cases[] = {{1, 2.5, 5.0}, {2, 0.1, 0.2}, {3, 1.25, 2.5}, {0, 5.0, 10.0}};
    for (const Case& c : cases) {
        DEDizedComponent component;
        component.SetMeasurement(c.nKind);
        EXPECT_EQ(component.GetMargin(), c.dMargin) << "kind " << c.nKind;
        EXPECT_EQ(component.GetVerticalMargin(), c.dSides) << "kind " << c.nKind;
        EXPECT_EQ(component.GetHorizontalMargin(), c.dSides) << "kind " << c.nKind;
        // outside drawing the stored value
        EXPECT_EQ(component.GetVerticalMarginPixels(), c.dSides) << "kind " << c.nKind;
    }

    // while drawing, in pixels
    const int nDpiY = canvas.dc.GetDeviceCaps(LOGPIXELSY);
    std::vector<double> pixels;
    ProbeComponent* pProbe = AddProbe(chart, CRect(0, 0, 100, 60));
    pProbe->m_onDraw = [&](ProbeComponent& probe, CDC&) {
        pixels = {probe.GetMarginPixels(), probe.GetVerticalMarginPixels(), probe.GetHorizontalMarginPixels()};
    };
    pProbe->SetMeasurement(DEDizedRect::measureMillimetres);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_DOUBLE_EQ(pixels[1], nDpiY * 5.0 * kMillimetres);
    pProbe->SetMeasurement(DEDizedRect::measurePerCent);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(pixels, (std::vector<double>{200 * 1.25 * 0.01, 100 * 2.5 * 0.01, 200 * 2.5 * 0.01}));
    pProbe->SetMeasurement(DEDizedRect::measurePixels);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(pixels, (std::vector<double>{5, 10, 10}));
    // printing, pixels grow by the larger of the two device scales
    const int nScreenDpiX = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSX);
    const int nScreenDpiY = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSY);
    CFakePrinterDC printer(200, 100, 2 * nScreenDpiX, 3 * nScreenDpiY);
    chart.Draw(&printer, nullptr);
    EXPECT_EQ(pixels, (std::vector<double>{15, 30, 30}));
    pProbe->SetMeasurement(DEDizedRect::measureInches);
    chart.Draw(&printer, nullptr);
    EXPECT_EQ(pixels, (std::vector<double>{2 * nScreenDpiX * 0.1, 3 * nScreenDpiY * 0.2, 2 * nScreenDpiX * 0.2}));
    pProbe->SetMeasurement(DEDizedRect::measurePixels);

    // the inner rectangle: border (etched: 2) and margins in from every side
    pProbe->GetStyle()->m_nStyle = 3;
    CRect inner;
    pProbe->m_onDraw = [&](ProbeComponent& probe, CDC&) {
        inner = probe.GetDeviceRect();
        probe.GetInnerRect(inner);
    };
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(inner, CRect(12, 12, 88, 48));
}

TEST(ChartComponent, BorderWidthByKind)
{
    const int widths[16] = {0, 1, 1, 2, 3, 3, 6, 1, 6, 6, 6, 6, 6, 6, 6, 6};
    DEDizedComponent component;
    for (int nKind = 0; nKind < 16; ++nKind) {
        component.GetStyle()->m_nStyle = 0x100 | nKind;
        EXPECT_EQ(component.GetBorderWidth(), widths[nKind]) << "kind " << nKind;
    }
}

TEST_F(ChartTest, BordersByPixels)
{
    const COLORREF W = RGB(255, 255, 255);
    const COLORREF B = RGB(0, 0, 0);
    const COLORREF L = RGB(0xC0, 0xC0, 0xC0);
    const COLORREF C = RGB(200, 0, 100);
    struct Frame {
        COLORREF crTopLeft;
        COLORREF crBottomRight;
    };
    struct Case {
        int nKind;
        std::vector<Frame> frames;  // from the outer edge inwards
    } cases[] = {
        {1, {{W, B}}},
        {2, {{B, W}}},
        {4, {{W, B}, {W, B}, {W, B}}},
        {5, {{B, W}, {B, W}, {B, W}}},
        {3, {{W, B}, {L, L}}},
        {6, {{W, B}, {W, B}, {W, B}, {L, L}, {L, L}, {L, L}}},
        {7, {{C, C}}},
        {0, {}},
        {9, {}},  // a custom border: nothing in the base
    };
    const COLORREF kGrey = RGB(0x80, 0x80, 0x80);
    const CRect r(10, 10, 60, 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.nKind);
        DEDized chart;
        chart.SetBuffered(0);
        ProbeComponent* pProbe = AddProbe(chart, r);
        pProbe->GetStyle()->m_nStyle = c.nKind;
        pProbe->GetStyle()->m_crColor = C;
        DibCanvas canvas(80, 60);
        canvas.dc.FillSolidRect(CRect(0, 0, 80, 60), kGrey);
        chart.Draw(&canvas.dc, nullptr);
        const int nDepth = int(c.frames.size());
        for (int i = 0; i < nDepth; ++i) {
            const Frame& f = c.frames[size_t(i)];
            EXPECT_EQ(canvas.At(r.left + i, 25), f.crTopLeft) << "left, inset " << i;
            EXPECT_EQ(canvas.At(35, r.top + i), f.crTopLeft) << "top, inset " << i;
            EXPECT_EQ(canvas.At(r.right - 1 - i, 25), f.crBottomRight) << "right, inset " << i;
            EXPECT_EQ(canvas.At(35, r.bottom - 1 - i), f.crBottomRight) << "bottom, inset " << i;
            EXPECT_EQ(canvas.At(r.right - 1 - i, r.top + i), f.crBottomRight) << "top-right, inset " << i;
            EXPECT_EQ(canvas.At(r.left + i, r.bottom - 1 - i), f.crBottomRight) << "bottom-left, inset " << i;
        }
        EXPECT_EQ(canvas.At(r.left + nDepth, 25), kGrey);
        EXPECT_EQ(canvas.At(r.left - 1, 25), kGrey);
        EXPECT_EQ(canvas.At(r.right, 25), kGrey);
    }
}

TEST_F(ChartTest, ShadowsDarkenTwoStrips)
{
    const CRect r(10, 10, 60, 40);
    auto isShadow = [](COLORREF c) { return c == RGB(0x40, 0x40, 0x40) || c == RGB(0x80, 0x80, 0x80); };
    for (const auto& kindDepth : std::vector<std::pair<int, int>>{{1, 3}, {2, 8}, {3, 16}}) {
        const int d = kindDepth.second;
        SCOPED_TRACE(testing::Message() << "shadow kind " << kindDepth.first);
        DEDized chart;
        chart.SetBuffered(0);
        AddProbe(chart, r)->GetStyle()->m_nStyle = kindDepth.first << 4;
        DibCanvas canvas(100, 80);
        chart.Draw(&canvas.dc, nullptr);
        // below: x from left + depth to right - 1, depth rows under the bottom edge
        for (int y = r.bottom; y < r.bottom + d; ++y) {
            EXPECT_TRUE(isShadow(canvas.At(r.left + d, y))) << y;
            EXPECT_TRUE(isShadow(canvas.At(r.right - 1, y))) << y;
            EXPECT_EQ(canvas.At(r.left + d - 1, y), kWhite) << y;
        }
        // right: depth columns beside the right edge, from top + depth down to the strip below
        for (int x = r.right; x < r.right + d; ++x) {
            EXPECT_TRUE(isShadow(canvas.At(x, r.top + d))) << x;
            EXPECT_TRUE(isShadow(canvas.At(x, r.bottom + d - 1))) << x;
            EXPECT_EQ(canvas.At(x, r.top + d - 1), kWhite) << x;
            EXPECT_EQ(canvas.At(x, r.bottom + d), kWhite) << x;
        }
        EXPECT_EQ(canvas.At(r.right + d, 25), kWhite);
        EXPECT_EQ(canvas.At(r.right - 1, r.bottom - 1), kWhite);  // the component itself is untouched
    }

    // printing, the depth follows the device scales: on a printer of twice the screen's resolution
    // across and three times down, a large shadow is 32 pixels wide and 48 deep
    const int nScreenDpiX = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSX);
    const int nScreenDpiY = CClientDC(nullptr).GetDeviceCaps(LOGPIXELSY);
    CFakePrinterDC printer(150, 120, 2 * nScreenDpiX, 3 * nScreenDpiY);
    DEDized chart;
    AddProbe(chart, r)->GetStyle()->m_nStyle = 0x30;
    chart.Draw(&printer, nullptr);
    EXPECT_TRUE(isShadow(printer.PixelAt(r.left + 32, r.bottom)));
    EXPECT_EQ(printer.PixelAt(r.left + 31, r.bottom), kWhite);
    EXPECT_TRUE(isShadow(printer.PixelAt(r.right - 1, r.bottom + 47)));
    EXPECT_EQ(printer.PixelAt(r.right - 1, r.bottom + 48), kWhite);
    EXPECT_TRUE(isShadow(printer.PixelAt(r.right + 31, r.top + 32)));
    EXPECT_EQ(printer.PixelAt(r.right + 32, r.top + 32), kWhite);
}

TEST_F(ChartTest, InvalidationByMode)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "chart", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    // shown (a hidden window keeps no update region) without taking the focus from other programs
    wnd.ShowWindow(SW_SHOWNOACTIVATE);
    DEDized chart;
    AddProbe(chart, CRect(20, 20, 120, 70))->GetStyle()->m_nStyle = 0x20;  // shadow of 8
    AddProbe(chart, CRect(130, 10, 150, 30));
    {
        CClientDC dc(&wnd);
        chart.Draw(&dc, &wnd);
    }
    // whether invalidating in nMode leaves exactly the rectangles to update
    auto updates = [&](int nMode, const std::vector<CRect>& rects) {
        ::ValidateRect(wnd.GetSafeHwnd(), nullptr);
        chart.Invalidate(&wnd, nMode, nullptr);
        CRgn update;
        update.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(wnd.GetSafeHwnd(), update, FALSE);
        CRgn expected;
        expected.CreateRectRgn(0, 0, 0, 0);
        for (const CRect& r : rects) {
            CRgn one;
            one.CreateRectRgnIndirect(r);
            expected.CombineRgn(&expected, &one, RGN_OR);
        }
        return update.EqualRgn(&expected) != FALSE;
    };
    for (int nMode : {1, 256})
        EXPECT_TRUE(updates(nMode, {CRect(20, 20, 120, 70), CRect(130, 10, 150, 30)})) << "mode " << nMode;
    EXPECT_TRUE(updates(16, {CRect(28, 70, 121, 79), CRect(120, 28, 129, 79)}));
    EXPECT_TRUE(updates(2, {}));
    EXPECT_EQ(chart.GetInvalidationMode(), 2);
    EXPECT_EQ(chart.IsInvalidating(), 1);
    wnd.DestroyWindow();
}

TEST(ChartComponent, DataWindow)
{
    struct Case {
        int window[4];  // first index, first group, last index, last group
        int nIndex;
        int nGroup;
        bool bInside;
    } cases[] = {
        {{-1, -1, -1, -1}, 7, 9, true},  // unrestricted
        {{2, 1, 5, 3}, 2, 1, true},      {{2, 1, 5, 3}, 5, 3, true},  {{2, 1, 5, 3}, 6, 2, false},
        {{2, 1, 5, 3}, 3, 0, false},     {{2, 1, 5, -1}, 3, 40, true},  // no last group: any group
        {{-1, 0, 5, 2}, -1, 1, true},    {{-1, 0, 5, 2}, 6, 1, false},  // a first index of -1 counts as -1
    };
    DEDizedComponent component;
    for (const Case& c : cases) {
        component.SetDataWindow(c.window[0], c.window[1], c.window[2], c.window[3]);
        EXPECT_EQ(component.IsInDataWindow(c.nIndex, c.nGroup) != 0, c.bInside)
            << c.window[0] << " " << c.window[1] << " " << c.window[2] << " " << c.window[3] << ": " << c.nIndex
            << ", " << c.nGroup;
    }
    EXPECT_EQ(component.NeedsRedraw(), 1);
}

TEST_F(ChartTest, PaletteBrushesAndPens)
{
    const COLORREF palette[16] = {0x0000FF, 0x008000, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x000080, 0x008080,
                                  0x800000, 0x800080, 0x0080FF, 0x80FF00, 0xFF0080, 0xFF8000, 0x8000FF, 0x00FF80};
    DEDized chart;
    DEDizedComponent* pComponent = AddProbe(chart, CRect());
    LOGBRUSH brush = {};
    auto brushOf = [&](int nCode, int nCount) {
        pComponent->SetBrushCode(nCode, nCount);
        pComponent->GetPaletteBrush()->GetLogBrush(&brush);
    };
    for (int nCode = 0; nCode < 16; ++nCode) {
        brushOf(nCode, 16);
        EXPECT_EQ(brush.lbStyle, UINT(BS_SOLID)) << nCode;
        EXPECT_EQ(brush.lbColor, palette[nCode]) << nCode;
    }
    const int hatches[8] = {-1, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS, HS_FDIAGONAL, HS_HORIZONTAL, HS_VERTICAL,
                            HS_DIAGCROSS};
    for (int nHatch = 1; nHatch < 8; ++nHatch) {
        brushOf((nHatch << 4) | 5, 16);
        EXPECT_EQ(brush.lbStyle, UINT(BS_HATCHED)) << nHatch;
        EXPECT_EQ(int(brush.lbHatch), hatches[nHatch]) << nHatch;
        EXPECT_EQ(brush.lbColor, palette[5]) << nHatch;
    }
    brushOf(0x83, 16);  // above 15 but bits 4-6 clear: solid
    EXPECT_EQ(brush.lbStyle, UINT(BS_SOLID));
    EXPECT_EQ(brush.lbColor, palette[3]);
    brushOf(2, 10);
    EXPECT_EQ(brush.lbColor, COLORREF(int((10.0 / 2) * (16777215.0 / 10))));
    brushOf(0, 10);  // no division by a zero code
    EXPECT_EQ(brush.lbColor, COLORREF(0));
    CBrush* pBrush = pComponent->GetPaletteBrush();
    const HGDIOBJ hBrush = pBrush->m_hObject;
    pComponent->SetBrushCode(0, 10);
    EXPECT_EQ(pBrush->m_hObject, hBrush);  // the same code builds nothing

    const int penStyles[8] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_SOLID, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    for (int nStyle = 0; nStyle < 8; ++nStyle) {
        // bit 3 belongs to both the style and the colour index
        const int nCode = (nStyle << 3) | 6;
        pComponent->SetPenCode(nCode, 1, 16);
        LOGPEN pen = {};
        pComponent->GetPalettePen()->GetLogPen(&pen);
        EXPECT_EQ(int(pen.lopnStyle), penStyles[nStyle]) << nStyle;
        EXPECT_EQ(pComponent->GetPalettePen(), chart.GetPen(penStyles[nStyle], 1, palette[nCode & 15])) << nStyle;
    }
}

namespace {

// The template line a background writes after reading lpszCommon.
std::string Reread(const char* lpszCommon)
{
    DEDizedBackground background;
    background.ReadTemplateCommon(lpszCommon);
    return WrittenText([&](CStdioFile& file) { background.WriteTemplate(file); });
}

} // namespace

TEST(ChartComponent, TemplateCommonPartReadAndWritten)
{
    DEDizedBackground background;
    const char* pszLine = "10 20.5 30 40 3 1 0 2 rest";
    EXPECT_STREQ(background.ReadTemplateCommon(pszLine), "rest");
    EXPECT_EQ(background.GetRect()->m_dTop, 20.5);
    EXPECT_EQ(background.GetRect()->GetMeasurement(), 3);
    EXPECT_EQ(background.GetMargin(), 1.25);
    EXPECT_EQ(background.GetStyle()->m_nStyle, 0x021);
    EXPECT_EQ(background.GetStyle()->m_crFill1, COLORREF(0));

    // coordinates pass through single precision
    background.ReadTemplateCommon("0.1 0 0 0 0 0 0 0");
    EXPECT_EQ(background.GetRect()->m_dLeft, double(0.1f));
    // colours red lowest, each number's low 8 bits
    background.ReadTemplateCommon("0 0 100 100 3 0 1 0 511 0 258");
    EXPECT_EQ(background.GetStyle()->m_crFill1, RGB(255, 0, 2));

    struct Case {
        const char* pszRead;
        const char* pszWritten;
    } cases[] = {
        {"0 0 100 100 3 0 1 0 255 255 255", "background 0 0 100 100 3 0 1 0 255 255 255 \r\n"},
        {"1 2 3 4 0 5 2 1 1 2 3 4 5 6", "background 1 2 3 4 0 5 2 1 1 2 3 4 5 6 \r\n"},
        {"1 2 3 4 0 0 3 0 9 8 7 6 5 4", "background 1 2 3 4 0 0 3 0 9 8 7 6 5 4 \r\n"},
        {"-1 -1 -1 -1 1 6 4 3 10 20 30 40 50 60 45", "background -1 -1 -1 -1 1 6 4 3 10 20 30 40 50 60 45 \r\n"},
        {"0 0 1 1 2 0 5 0 \"my image-1_b.bmp\" 1", "background 0 0 1 1 2 0 5 0 \"my image-1_b.bmp\" 1 \r\n"},
        {"0 0 1 1 2 0 5 0 \"tiled.bmp\" 0", "background 0 0 1 1 2 0 5 0 \"tiled.bmp\" 0 \r\n"},
        {"2.25 0 1e+06 0 0 0 0 0", "background 2.25 0 1e+06 0 0 0 0 0 \r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Reread(c.pszRead), c.pszWritten);

    // the placement number of an image fill round-trips through bit 31
    background.ReadTemplateCommon("0 0 1 1 2 0 5 0 \"a.bmp\" 1");
    EXPECT_NE(background.GetStyle()->m_nStyle & DEDizedComponent::styleImageStretched, 0);
    EXPECT_EQ(background.GetStyle()->m_strImageFile, "a.bmp");
    background.ReadTemplateCommon("0 0 1 1 2 0 5 0 \"a.bmp\" 0");
    EXPECT_EQ(background.GetStyle()->m_nStyle & DEDizedComponent::styleImageStretched, 0);
}

TEST(ChartComponent, TemplateCommonPartRefusals)
{
    const std::string longName = "0 0 1 1 0 0 5 0 \"" + std::string(300, 'a') + "\" 1";
    struct Case {
        const char* pszLine;
        int nCode;
    } cases[] = {
        {"1 2 3 4 0 0 0", 8}, {"", 8},  {"a 2 3 4 0 0 0 0", 8},
        {"1 2 3 4 0 0 6 0", 9}, {"1 2 3 4 0 0 -1 0", 9},
        {"1 2 3 4 0 0 1 0 255 255", 9}, {"1 2 3 4 0 0 4 0 1 2 3 4 5 6", 9},
        {"1 2 3 4 0 0 5 0 \"a/b.bmp\" 1", 9}, {"1 2 3 4 0 0 5 0 \"a.bmp\"", 9}, {longName.c_str(), 9},
    };
    for (const Case& c : cases) {
        DEDizedBackground background;
        EXPECT_EQ(ChartCode([&] { background.ReadTemplateCommon(c.pszLine); }), c.nCode) << c.pszLine;
        EXPECT_EQ(background.GetRect()->m_dLeft, -1.0) << c.pszLine;  // nothing stored
    }
}

TEST(ChartComponent, StoredVersionIsAnInvertedRange)
{
    DEDizedComponent component;
    component.SetIndexStep(4);
    component.SetGroupStep(3);
    component.SetDataWindow(1, 2, 3, 4);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { component.Serialize(ar); });
    const Bytes style = StoreBytes([&](CArchive& ar) { DEDizedStyle(DEDizedStyle::kindComponent).Serialize(ar); });
    const size_t nVersion = style.size() + 4 * 8 + 4;  // after the style and the rectangle
    double dMaximum = 0;
    double dMinimum = 0;
    std::memcpy(&dMaximum, &bytes[nVersion], 8);
    std::memcpy(&dMinimum, &bytes[nVersion + 8], 8);
    EXPECT_EQ(dMaximum, 0.0);
    EXPECT_EQ(dMinimum, 3.0);

    ProbeComponent loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetArchiveVersion(), 3);
    EXPECT_EQ(loaded.GetIndexStep(), 4);
    EXPECT_EQ(loaded.GetGroupStep(), 3);
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { loaded.Serialize(ar); }), bytes);

    // a range that is not inverted: version -1, and the steps are not read
    Bytes old = bytes;
    const double dZero = 0.0;
    std::memcpy(&old[nVersion + 8], &dZero, 8);
    ProbeComponent fromOld;
    LoadBytes(old, [&](CArchive& ar) { fromOld.Serialize(ar); });
    EXPECT_EQ(fromOld.GetArchiveVersion(), -1);
    EXPECT_EQ(fromOld.GetIndexStep(), 1);
    EXPECT_EQ(fromOld.GetGroupStep(), 1);
    int nBounds[4];
    fromOld.GetDataWindow(nBounds[0], nBounds[1], nBounds[2], nBounds[3]);
    EXPECT_EQ(nBounds[3], 4);
}

TEST_F(ChartTest, ACompoundDrawsItsChildrenInOrder)
{
    DEDized chart;
    chart.SetBuffered(0);
    SRGCompoundComponent* pCompound = new SRGCompoundComponent;
    pCompound->SetRectFromRECT(CRect(10, 10, 90, 70));
    pCompound->GetStyle()->m_nStyle = 0x001;  // raised border: width 1
    chart.AddComponent(pCompound);
    std::vector<ProbeComponent*> log;
    std::vector<ProbeComponent*> children;
    for (COLORREF crPaint : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
        ProbeComponent* pChild = new ProbeComponent(crPaint, chartTypeComponent, &log);
        pChild->SetRectFromRECT(CRect(20, 20, 40, 40));
        pCompound->AddChild(pChild);
        children.push_back(pChild);
    }
    DibCanvas canvas(100, 80);
    chart.Draw(&canvas.dc, nullptr);
    EXPECT_EQ(log, children);
    EXPECT_EQ(canvas.At(30, 30), RGB(0, 0, 255));  // the later child on top
    EXPECT_EQ(pCompound->GetInnerArea(), CRect(16, 16, 84, 64));  // border 1 and margins of 5

    // not in full: only the children marked for redraw
    log.clear();
    children[1]->MarkForRedraw();
    pCompound->SetFullRedraw(0);
    pCompound->DrawChildren(&canvas.dc, nullptr);
    EXPECT_EQ(log, std::vector<ProbeComponent*>{children[1]});

    // marking the compound marks its children
    pCompound->MarkForRedraw();
    EXPECT_EQ(children[0]->NeedsRedraw(), 1);
}

TEST(ChartComponent, ACompoundArchiveReplacesItsChildren)
{
    SRGCompoundComponent stored;
    stored.AddChild(new DEDizedBackground);
    stored.AddChild(new SRGCompoundComponent);
    stored.SetSetting(3, 77);
    const Bytes bytes = StoreBytes([&](CArchive& ar) { stored.Serialize(ar); });

    SRGCompoundComponent loaded;
    loaded.AddChild(new DEDizedComponent);
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    CObList* pChildren = loaded.GetChildren();
    ASSERT_EQ(pChildren->GetCount(), 2);
    EXPECT_TRUE(pChildren->GetHead()->IsKindOf(RUNTIME_CLASS(DEDizedBackground)));
    EXPECT_TRUE(pChildren->GetTail()->IsKindOf(RUNTIME_CLASS(SRGCompoundComponent)));
    EXPECT_EQ(static_cast<DEDizedComponent*>(pChildren->GetHead())->IsCompoundChild(), 1);
    EXPECT_EQ(loaded.GetSetting(3), 77);
    ExpectInvalidArg([&] { loaded.GetSetting(10); }, "10");
}
