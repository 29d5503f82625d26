// Helpers of the chart drawing tests: a component that records its drawing and paints its area, a
// fixture that clears the process-wide drawing guard around each test, pixel comparisons of canvases
// and the text a component writes as its template line. Include "wine_gtest.h" first.
#pragma once

// the standard headers before windows.h, which defines min and max as macros
#include <cstdio>
#include <cstring>
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

// A DC over a canvas that records each line of text written through it (position, text, text
// alignment, colour and font) and writes it as usual.
class TextRecorder : public CDC {
public:
    struct Line {
        int x;
        int y;
        std::string text;
        UINT nAlign;
        COLORREF crColour;
        LOGFONT font;
    };

    explicit TextRecorder(DibCanvas& canvas) { Attach(canvas.dc.m_hDC); }
    ~TextRecorder() override { Detach(); }

    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override
    {
        Line line{x, y, std::string(lpszString, size_t(nCount)), GetTextAlign(), GetTextColor(), {}};
        ::GetObjectA(::GetCurrentObject(m_hDC, OBJ_FONT), sizeof line.font, &line.font);
        lines.push_back(line);
        return CDC::TextOut(x, y, lpszString, nCount);
    }

    std::vector<Line> lines;
};

// The extent of lpszText in the chart's cached font of that face, size and flags (at orientation 0).
inline CSize ChartTextExtent(DEDized& chart, CDC& dc, const char* lpszFace, int nSize, int nFlags, const char* lpszText)
{
    CFont* pOld = dc.SelectObject(CFont::FromHandle(chart.GetFont(lpszFace, nSize, nFlags, 0, &dc)));
    const CSize extent = dc.GetTextExtent(lpszText, int(std::strlen(lpszText)));
    dc.SelectObject(pOld);
    return extent;
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
