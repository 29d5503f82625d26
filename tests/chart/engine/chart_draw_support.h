// Helpers of the chart drawing tests: a component that records its drawing and paints its area, a
// fixture that clears the process-wide drawing guard around each test, pixel comparisons of canvases
// and the text a component writes as its template line. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/components/DEDizedComponent.h"
#include "core/CStdioFile.h"

// A component that counts its draws, appends itself to a shared log, runs a test's action while it
// draws and paints its device rectangle in its colour (none with CLR_INVALID).
class ProbeComponent : public DEDizedComponent {
public:
    explicit ProbeComponent(COLORREF crPaint = CLR_INVALID, int nTypeId = chartTypeComponent,
                            std::vector<ProbeComponent*>* pLog = nullptr)
        : m_crPaint(crPaint), m_pLog(pLog)
    {
        m_nTypeId = nTypeId;
    }

    void DrawContent() override
    {
        ++m_nDraws;
        if (m_pLog != nullptr)
            m_pLog->push_back(this);
        if (m_onDraw)
            m_onDraw(*this, *m_pDC);
        if (m_crPaint != CLR_INVALID)
            m_pDC->FillSolidRect(GetDeviceRect(), m_crPaint);
    }

    using DEDizedComponent::GetArchiveVersion;

    COLORREF m_crPaint;
    std::vector<ProbeComponent*>* m_pLog;
    int m_nDraws = 0;
    std::function<void(ProbeComponent&, CDC&)> m_onDraw;
};

// Adds a probe placed at rect (pixels) to the chart; returns it (the chart owns it).
inline ProbeComponent* AddProbe(DEDized& chart, const RECT& rect, COLORREF crPaint = CLR_INVALID,
                                int nTypeId = chartTypeComponent)
{
    ProbeComponent* pProbe = new ProbeComponent(crPaint, nTypeId);
    pProbe->SetRectFromRECT(rect);
    chart.AddComponent(pProbe);
    return pProbe;
}

// Every chart test starts and ends with the drawing guard clear.
class ChartTest : public ::testing::Test {
protected:
    void SetUp() override { DEDized::ResetDrawingGuard(); }
    void TearDown() override
    {
        EXPECT_FALSE(DEDized::IsAnyChartDrawing());
        DEDized::ResetDrawingGuard();
    }
};

// The number of pixels of the area (left, top) to (right, bottom) that differ between two canvases.
inline int CountDifferentPixels(const DibCanvas& a, const DibCanvas& b, int nLeft, int nTop, int nRight, int nBottom)
{
    int nDifferent = 0;
    for (int y = nTop; y < nBottom; ++y)
        for (int x = nLeft; x < nRight; ++x)
            nDifferent += a.At(x, y) != b.At(x, y);
    return nDifferent;
}

// What write() writes into a text file, read back whole.
inline std::string WrittenText(const std::function<void(CStdioFile&)>& write)
{
    char szPath[80];
    std::snprintf(szPath, sizeof szPath, "/tmp/ondrix_chart_text_%lu.txt", (unsigned long)GetCurrentProcessId());
    {
        CStdioFile file(szPath, CFile::modeCreate | CFile::modeWrite);
        write(file);
    }
    std::string text;
    if (FILE* f = std::fopen(szPath, "rb")) {
        char buf[512];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            text.append(buf, n);
        std::fclose(f);
    }
    std::remove(szPath);
    return text;
}
