// DEDizedDisplay: the line chart.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"

IMPLEMENT_SERIAL(DEDizedDisplay, SRGDisplayBase, VERSIONABLE_SCHEMA | 1)

DEDizedDisplay::DEDizedDisplay()
{
    // a pie of fixed size, and tilted pies seen from half-way up, unless the style says otherwise
    SetPieRadius(100.0);
    SetPieTilt(45.0);
}

void DEDizedDisplay::DrawLineChart()
{
    if (m_nGroupCount <= 0 || m_nIndexCount <= 0 || !(m_yData.GetRange() > kTinyRange) || m_pChart == nullptr) {
        DrawPlaceholder();
        return;
    }
    const bool bLog = HasFlag(flagLogarithmic);
    const bool bFixedInUse = HasFlag(flagFixedRange) && !HasFlag(flagCombineFixed) && m_dFixedYMax > m_dFixedYMin;
    if (bLog && (!(m_yData.m_dMinimum > 0.0) || (bFixedInUse && !(m_dFixedYMin > 0.0)))) {
        // no logarithm of the range's start: nothing to map the values onto
        DrawPlaceholder();
        return;
    }
    int left = m_rcPlot.left;
    int top = m_rcPlot.top;
    int right = m_rcPlot.right;
    const int bottom = m_rcPlot.bottom;
    if (ChartAxisShrinksForDepth(GetAxisType())) {
        const CSize depth = GetDepthPixels();
        right -= depth.cx;
        top += depth.cy;
    }
    if (m_dYRangeWidth == 0.0)
        m_dYRangeWidth = 1.0;
    const double dYScale = (bottom - top) / m_dYRangeWidth;
    const int nSteps = m_nIndexCount < 2 ? 1 : m_nIndexCount - 1;
    const double dXStep = double(right - left) / nSteps;
    const double dYMin = bLog ? std::log10(m_yData.m_dMinimum) : m_yData.m_dMinimum;
    const int nGraphType = GetGraphType();
    const int nPlotWidth = m_rcPlot.Width();

    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        m_nPaletteIndex = nGroup;
        bool bNewLine = true;
        int n = GetGroupItemCount(nGroup) - m_nWindowFirstIndex;
        n = (std::min)(n, m_nWindowLastIndex - m_nWindowFirstIndex + 1);
        int nStride = 1;
        if (HasOption(optionThinOut) && nPlotWidth > 0)
            nStride = (std::max)(1, n / nPlotWidth);
        CPoint previous;
        for (int i = 0; i < n; i += nStride) {
            const int nItem = m_nWindowFirstIndex + i;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull()) {
                if (HasFlag(flagBreakLines))
                    bNewLine = true;
                continue;
            }
            const double v = pItem->GetValue(bLog ? 1 : 0);
            const CPoint point(left + int(i * dXStep + 0.5), int(bottom - (v - dYMin) * dYScale + 0.5));
            m_pChart->AddMarkerFeedback(point.x, point.y, nItem, nGroup);
            DEDizedStyle* pStyle = pItem->GetStyle();
            if (nGraphType == GT_LINE_LABELLED) {
                if (!bNewLine) {
                    // a solid line takes the palette colour of its group
                    const int nLineKind = pStyle->m_nLineKind;
                    if ((nLineKind & 0xF) == 2)
                        pStyle->m_nLineKind = (nLineKind & ~0xF) | 1;
                    try {
                        DrawLine(previous.x, previous.y, point.x, point.y, pStyle, m_nPaletteIndex, 0);
                        DrawValueLabel(point.x, point.y, pItem);
                    } catch (...) {
                        pStyle->m_nLineKind = nLineKind;
                        throw;
                    }
                    pStyle->m_nLineKind = nLineKind;
                } else {
                    DrawValueLabel(point.x, point.y, pItem);
                }
            } else if (pStyle->GetMarkerKind() != 0) {
                const CPoint from = bNewLine ? point : previous;
                DrawDataPoint(from.x, from.y, point.x, point.y, pStyle, 1, pItem);
            }
            previous = point;
            bNewLine = false;
        }
    }
}
