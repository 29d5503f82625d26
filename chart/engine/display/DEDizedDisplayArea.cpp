// DEDizedDisplay: the area and step displays.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

// The point mode (bits 8-15 of the line-kind word): what a step point draws.
const int kPointModeMask = 0xFF00;
const int kMarkersOnly = 0x200;
const int kLinesOnly = 0x400;

} // namespace

void DEDizedDisplay::DrawAreaChart()
{
    if (!CanDrawData())
        return;
    const CRect r = m_rcPlot;
    std::vector<int> order;
    std::vector<double> means;
    std::vector<POINT> points;
    if (!SizeWorkArray(order, size_t(m_nGroupCount)) || !SizeWorkArray(means, size_t(m_nGroupCount)) ||
        !SizeWorkArray(points, size_t(m_nIndexCount) + 3))
        return;
    for (int g = 0; g < m_nGroupCount; ++g) {
        order[g] = m_nWindowFirstGroup + g;
        means[g] = m_pChart->GetRangeMean(m_nWindowFirstIndex, m_nWindowLastIndex, order[g]);
    }
    if (!HasFlag(flagKeepGroupOrder)) {
        // the largest areas first, so that the smaller lie on top of them
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return means[a - m_nWindowFirstGroup] > means[b - m_nWindowFirstGroup];
        });
    }
    // the areas close on the bottom edge, or on the 0 line when the range spans 0
    int nBase = r.bottom;
    if (!HasFlag(flagLogarithmic) && m_yData.m_dMinimum < 0.0 && m_yData.m_dMaximum > 0.0)
        nBase = ToPixel(r.bottom + m_yData.m_dMinimum * r.Height() / GetValueSpan() + 0.5);
    for (int nGroup : order) {
        m_nPaletteIndex = nGroup;
        points.clear();
        for (int j = 0; j < m_nIndexCount; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            const POINT point = {ItemX(j, r), ValueY(AxisValue(pItem), r)};
            m_pChart->AddMarkerFeedback(point.x, point.y, nItem, nGroup);
            points.push_back(point);
        }
        DEDizedStyle* pStyle = GetGroupStyle(nGroup);
        if (points.empty() || pStyle == nullptr)
            continue;
        const POINT first = points.front();
        points.push_back({points.back().x, nBase});
        points.push_back({first.x, nBase});
        points.push_back(first);
        FillPolygon(points.data(), int(points.size()), pStyle, 0);
        if (pStyle->GetLineKind() != 0)
            FramePolygon(points.data(), int(points.size()), pStyle, 0);
    }
}

void DEDizedDisplay::DrawStepChart()
{
    if (!CanDrawData())
        return;
    const CRect r = m_rcPlot;
    const bool bMarkers = GetGraphType() != GT_STEP_B;
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        m_nPaletteIndex = nGroup;
        bool bFirst = true;
        CPoint previous;
        for (int j = 0; j < m_nIndexCount; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            DEDizedStyle* pStyle = GetValueStyle(pItem, nGroup, kLineKindByte);
            const CPoint point(ItemX(j, r), ValueY(AxisValue(pItem), r));
            m_pChart->AddMarkerFeedback(point.x, point.y, nItem, nGroup);
            const int nMode = pStyle->m_nLineKind & kPointModeMask;
            if (nMode == kMarkersOnly) {
                DrawWidget(point.x, point.y, pStyle, pItem);
            } else if (nMode != 0) {
                if (nMode != kLinesOnly && bMarkers)
                    DrawWidget(point.x, point.y, pStyle, pItem);
                if (!bFirst) {
                    // across at the previous level, then up or down to this one
                    DrawLine(previous.x, previous.y, point.x, previous.y, pStyle, m_nPaletteIndex, kSolidLine);
                    DrawLine(point.x, previous.y, point.x, point.y, pStyle, m_nPaletteIndex, kSolidLine);
                }
            }
            previous = point;
            bFirst = false;
        }
    }
}
