// Helpers of the chart view tests: a frame showing a chart document in a DEDizedView, the value chart
// of one line display over three points, a server document that records what it is sent, and pixel
// reads of bitmaps. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FakeServices.h"
#include "ScratchFile.h"
#include "TestSupport.h"

#include <windows.h>

#include "chart/engine/DEDized.h"
#include "chart/engine/display/DEDizedDisplay.h"
#include "chart/engine/display/DEDizedPosition.h"
#include "chart/views/CGraphDoc.h"
#include "chart/views/ChartViewResource.h"
#include "chart/views/DEDizedView.h"

// The plot of the three-point value chart.
const CRect kValuePlot(10, 20, 410, 228);

// A view whose protected steps the tests call, and which can spoil the bitmaps it renders.
class TestChartView : public DEDizedView {
    DECLARE_DYNCREATE(TestChartView)
public:
    using DEDizedView::OnBeginPrinting;
    using DEDizedView::OnEndPrinting;

    void RenderToBitmap(CDC* pDC, CBitmap* pBitmap) override
    {
        DEDizedView::RenderToBitmap(pDC, pBitmap);
        hLastBitmap = static_cast<HBITMAP>(pBitmap->m_hObject);
        if (bSpoilBitmaps)
            pBitmap->DeleteObject();
    }

    HBITMAP hLastBitmap = nullptr;  // the bitmap of the last rendering
    bool bSpoilBitmaps = false;     // delete each bitmap once rendered
};

// A document that records the data commands it is sent (a copy of each record).
class RecordingDoc : public CGraphDoc {
public:
    struct Received {
        int nType;
        SECDataRecord record;
    };
    int DataCommand(int nType, LPARAM lArg) override
    {
        Received received{nType, {}};
        if (lArg != 0)
            std::memcpy(&received.record, reinterpret_cast<const void*>(lArg), sizeof received.record);
        received.record.szText[sizeof received.record.szText - 1] = '\0';
        log.push_back(received);
        return 1;
    }
    std::vector<Received> log;
};

// Adds a line display (graph type 0x01) to the chart, drawn without axes into the plot rectangle,
// with the fixed value range [0, 1.04] of the value charts, and stores the values as group nGroup.
DEDizedDisplay* AddValueDisplay(DEDized& chart, const CRect& plot = kValuePlot, int nGraphType = GT_LINE);
void SetGroupValues(DEDized& chart, int nGroup, const std::vector<double>& values);
// Adds a background filling the whole drawing area with crFill.
void AddBackground(DEDized& chart, COLORREF crFill);

// A frame of 520 by 400 pixels for a view of the document; the document has the recording server. The
// services are the fake's.
class ChartFrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    DEDized& Chart() { return *document.GetChart(); }
    // Makes a view of pViewClass on the document in the frame, the frame's active view, which the
    // helpers below work on.
    CView* MakeView(CRuntimeClass* pViewClass);
    // Paints the view now (the chart registers its hit regions).
    void Paint();
    // The mouse messages the window would get at the client point.
    void Mouse(UINT message, int x, int y, WPARAM wParam = 0);
    // The client point as a screen point.
    CPoint Screen(int x, int y) const;
    // The size of the client area.
    CSize ClientSize() const;

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;
    CGraphDoc document;
    RecordingDoc server;
    CView* pShownView = nullptr;
};

// The frame showing the document in a TestChartView.
class ChartViewTest : public ChartFrameTest {
protected:
    void SetUp() override;

    // The three-point value chart: one display, group 0 holding 0, 0.25 and 0.5; the view painted.
    DEDizedDisplay* MakeValueChart();
    // A direct drawing of the chart into a canvas of the client's size, as the view paints it.
    void DrawDirect(DibCanvas& canvas);

    TestChartView* pView = nullptr;
};

// The pixels of a bitmap as 0x00RRGGBB, top row first (empty when it cannot be read).
std::vector<uint32_t> BitmapPixels(HBITMAP hBitmap, int& rnWidth, int& rnHeight);
// The pixels of a canvas the same way.
std::vector<uint32_t> CanvasPixels(const DibCanvas& canvas);
// The largest difference of a colour channel between two pictures of equal size (256 for unequal
// sizes).
int LargestChannelDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);
