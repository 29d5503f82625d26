// Helpers of the chart view tests (see ChartViewTestSupport.h).
#include "wine_gtest.h"

#include <algorithm>

#include "ChartViewTestSupport.h"

#include "chart/engine/components/DEDizedBackground.h"

IMPLEMENT_DYNCREATE(TestChartView, DEDizedView)

DEDizedDisplay* AddValueDisplay(DEDized& chart, const CRect& plot, int nGraphType)
{
    DEDizedDisplay* pDisplay = new DEDizedDisplay;
    pDisplay->SetGraphType(nGraphType);
    pDisplay->SetAxisType(AXIS_STANDARD);
    pDisplay->SetFlags(pDisplay->GetFlags() | SRGDisplayBase::flagFixedRange | SRGDisplayBase::flagNoAxes |
                       SRGDisplayBase::flagOutsideLayout);
    pDisplay->SetFixedMin(0.0);
    pDisplay->SetFixedMax(1.04);
    pDisplay->SetPlotRect(plot.left, plot.top, plot.right, plot.bottom, 0);
    chart.AddComponent(pDisplay);
    return pDisplay;
}

void SetGroupValues(DEDized& chart, int nGroup, const std::vector<double>& values)
{
    for (size_t i = 0; i < values.size(); ++i)
        chart.SetValue(int(i), nGroup, values[i], 1);
}

void AddBackground(DEDized& chart, COLORREF crFill)
{
    DEDizedBackground* pBackground = new DEDizedBackground;
    pBackground->SetMeasurement(3);
    pBackground->SetRectValues(0.0, 0.0, 100.0, 100.0);
    pBackground->GetStyle()->m_nStyle = 0x100;  // filled with fill colour 1
    pBackground->GetStyle()->m_crFill1 = crFill;
    chart.AddComponent(pBackground);
}

void ChartFrameTest::SetUp()
{
    DEDized::ResetDrawingGuard();
    pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Chart", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 520, 400)));
    hWndFrame = pFrame->m_hWnd;
    app.m_pMainWnd = pFrame;
    document.m_bAutoDelete = FALSE; // a member of the fixture
    server.m_bAutoDelete = FALSE;
    document.SetServer(&server);
    server.AddClient(&document);
}

void ChartFrameTest::TearDown()
{
    app.m_pMainWnd = nullptr;
    if (::IsWindow(hWndFrame))
        ::DestroyWindow(hWndFrame);
    EXPECT_FALSE(DEDized::IsAnyChartDrawing());
    DEDized::ResetDrawingGuard();
}

CView* ChartFrameTest::MakeView(CRuntimeClass* pViewClass)
{
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = &document;
    pShownView = static_cast<CView*>(pFrame->CreateView(&context));
    if (pShownView == nullptr)
        return nullptr;
    pFrame->SetActiveView(pShownView);
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
    return pShownView;
}

void ChartFrameTest::Paint()
{
    pShownView->Invalidate(FALSE);
    pShownView->UpdateWindow();
}

void ChartFrameTest::Mouse(UINT message, int x, int y, WPARAM wParam)
{
    pShownView->SendMessage(message, wParam, MAKELPARAM(x, y));
}

CPoint ChartFrameTest::Screen(int x, int y) const
{
    CPoint point(x, y);
    pShownView->ClientToScreen(&point);
    return point;
}

CSize ChartFrameTest::ClientSize() const
{
    CRect client;
    pShownView->GetClientRect(&client);
    return client.Size();
}

void ChartViewTest::SetUp()
{
    ChartFrameTest::SetUp();
    pView = static_cast<TestChartView*>(MakeView(RUNTIME_CLASS(TestChartView)));
    ASSERT_NE(pView, nullptr);
}

DEDizedDisplay* ChartViewTest::MakeValueChart()
{
    DEDizedDisplay* pDisplay = AddValueDisplay(Chart());
    SetGroupValues(Chart(), 0, {0.0, 0.25, 0.5});
    Paint();
    return pDisplay;
}

void ChartViewTest::DrawDirect(DibCanvas& canvas)
{
    const int bBuffered = Chart().IsBuffered();
    Chart().SetBuffered(0);
    Chart().Draw(&canvas.dc, pView);
    Chart().SetBuffered(bBuffered);
}

std::vector<uint32_t> BitmapPixels(HBITMAP hBitmap, int& rnWidth, int& rnHeight)
{
    BITMAP info = {};
    rnWidth = rnHeight = 0;
    if (hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof info, &info) == 0)
        return {};
    rnWidth = info.bmWidth;
    rnHeight = info.bmHeight;
    std::vector<uint32_t> pixels(size_t(rnWidth) * size_t(rnHeight));
    BITMAPINFO header = TopDown32BitInfo(rnWidth, rnHeight);
    HDC hDC = ::GetDC(nullptr);
    const int nRows = ::GetDIBits(hDC, hBitmap, 0, UINT(rnHeight), pixels.data(), &header, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    if (nRows != rnHeight)
        return {};
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

std::vector<uint32_t> CanvasPixels(const DibCanvas& canvas)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const COLORREF c = canvas.At(x, y);
            pixels.push_back(uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c));
        }
    return pixels;
}

int LargestChannelDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    if (a.size() != b.size() || a.empty())
        return 256;
    int nLargest = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = int((a[i] >> shift) & 0xFF) - int((b[i] >> shift) & 0xFF);
            nLargest = (std::max)(nLargest, d < 0 ? -d : d);
        }
    return nLargest;
}
