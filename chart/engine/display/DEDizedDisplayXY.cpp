// DEDizedDisplay: the XY displays (value pairs on two value axes) and what they share with the bubble
// and vector displays: the view ranges laid onto the plot and the limits of the drawing surface.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

bool IsDualXY(int nGraphType)
{
    return nGraphType >= GT_XY_ITEM_PAIRS_DUAL && nGraphType <= GT_XY_GROUP_PAIRS_DUAL;
}

bool Missing(DEDizedData* pItem)
{
    return pItem == nullptr || pItem->IsNull();
}

} // namespace

bool DEDizedDisplay::IsLogXAxis() const
{
    return IsDualXY(GetGraphType()) ? HasOption(optionLogX) : HasFlag(flagLogarithmic);
}

void DEDizedDisplay::ListXYPairs(std::vector<XYPair>& rPairs)
{
    rPairs.clear();
    if (m_pChart == nullptr)
        return;
    const int nType = GetGraphType();
    const bool bByIndex = nType == GT_XY_ITEM_PAIRS_BY_INDEX || nType == GT_XY_ITEM_PAIRS_BY_INDEX_DUAL;
    const bool bGroupPairs = nType == GT_XY_GROUP_PAIRS || nType == GT_XY_GROUP_PAIRS_DUAL;
    const int nPaired = bGroupPairs ? m_nGroupCount : bByIndex ? m_nIndexCount : m_nIndexCount * m_nGroupCount;
    if (nPaired % 2 != 0)
        ThrowChartException(23);
    // the last item of the window that group g has
    auto lastItem = [&](int g) { return (std::min)(GetGroupItemCount(g) - 1, m_nWindowLastIndex); };
    auto add = [&](int nSeries, int nXItem, int nXGroup, int nYItem, int nYGroup) {
        AfxAllocating([&] { rPairs.push_back({nSeries, nXItem, nXGroup, nYItem, nYGroup}); });
    };
    if (bGroupPairs) {
        for (int g = 0; g + 1 < m_nGroupCount; g += 2) {
            const int nGroup = m_nWindowFirstGroup + g;
            const int nLast = (std::min)(lastItem(nGroup), lastItem(nGroup + 1));
            for (int k = m_nWindowFirstIndex; k <= nLast; ++k)
                add(g / 2 + m_nWindowFirstGroup, k, nGroup, k, nGroup + 1);
        }
    } else if (bByIndex) {
        for (int k = 0; k + 1 < m_nIndexCount; k += 2) {
            const int nItem = m_nWindowFirstIndex + k;
            for (int g = 0; g < m_nGroupCount; ++g) {
                const int nGroup = m_nWindowFirstGroup + g;
                if (nItem + 1 <= lastItem(nGroup))
                    add(k / 2 + m_nWindowFirstIndex, nItem, nGroup, nItem + 1, nGroup);
            }
        }
    } else {
        for (int g = 0; g < m_nGroupCount; ++g) {
            const int nGroup = m_nWindowFirstGroup + g;
            for (int k = m_nWindowFirstIndex; k + 1 <= lastItem(nGroup); k += 2)
                add(nGroup, k, nGroup, k + 1, nGroup);
        }
    }
}

void DEDizedDisplay::StartTwoAxisScan(bool& rbYFixed, bool& rbXFixed)
{
    m_yData = CScale();
    m_xData = CScale();
    const bool bFixedOnly = HasFlag(flagFixedRange) && !HasFlag(flagCombineFixed);
    rbYFixed = bFixedOnly && m_dFixedYMax > m_dFixedYMin;
    rbXFixed = bFixedOnly && m_dFixedXMax > m_dFixedXMin;
    if (rbYFixed)
        ApplyFixedRange(m_yData, m_dFixedYMin, m_dFixedYMax);
    if (rbXFixed)
        ApplyFixedRange(m_xData, m_dFixedXMin, m_dFixedXMax);
}

void DEDizedDisplay::XYScan()
{
    bool bYFixed = false;
    bool bXFixed = false;
    StartTwoAxisScan(bYFixed, bXFixed);
    if (bYFixed && bXFixed)
        return;
    std::vector<XYPair> pairs;
    ListXYPairs(pairs);
    for (const XYPair& pair : pairs) {
        DEDizedData* pX = m_pChart->GetDataItem(pair.nXItem, pair.nXGroup);
        DEDizedData* pY = m_pChart->GetDataItem(pair.nYItem, pair.nYGroup);
        if (Missing(pX) && Missing(pY))
            continue;
        if (Missing(pX) || Missing(pY))
            ThrowChartException(7);
        const double x = pX->GetValue(0);
        const double y = pY->GetValue(0);
        // against a fixed axis only the points inside its window count for the other
        if (!bXFixed && (!bYFixed || (y >= m_dFixedYMin && y <= m_dFixedYMax)))
            m_xData.Include(x);
        if (!bYFixed && (!bXFixed || (x >= m_dFixedXMin && x <= m_dFixedXMax)))
            m_yData.Include(y);
    }
    if (!bYFixed)
        ApplyFixedRange(m_yData, m_dFixedYMin, m_dFixedYMax);
    if (!bXFixed)
        ApplyFixedRange(m_xData, m_dFixedXMin, m_dFixedXMax);
}

DEDizedDisplay::ViewMapping DEDizedDisplay::GetViewMapping() const
{
    return MapViews(m_xView, m_yView);
}

DEDizedDisplay::ViewMapping DEDizedDisplay::MapViews(const CScale& xView, const CScale& yView) const
{
    ViewMapping map;
    map.bXLog = IsLogXAxis();
    map.bYLog = HasFlag(flagLogarithmic);
    auto axis = [](const CScale& view, bool bLog, int nPixels, double& rdMin, double& rdScale) {
        double dMin = view.m_dMinimum;
        double dWidth = view.GetRange();
        if (bLog) {
            if (dMin == 0.0)
                dMin = 0.001;
            rdMin = std::log10(dMin);
            dWidth = std::log10(view.m_dMaximum) - rdMin;
        } else {
            rdMin = dMin;
        }
        rdScale = dWidth > 0.0 && std::isfinite(dWidth) ? nPixels / dWidth : 0.0;
    };
    axis(xView, map.bXLog, m_rcPlot.Width(), map.dXMin, map.dXScale);
    axis(yView, map.bYLog, m_rcPlot.Height(), map.dYMin, map.dYScale);
    return map;
}

bool DEDizedDisplay::ValuesAt(double x, double y, double& rdX, double& rdY) const
{
    // the ranges of the last drawing: a view range the drawing took from the data is cleared after it
    const ViewMapping map = MapViews(GetLastXRange(), GetLastYRange());
    if (!(map.dXScale > 0.0) || !(map.dYScale > 0.0))
        return false;
    rdX = map.dXMin + (x - m_rcPlot.left) / map.dXScale;
    rdY = map.dYMin + (m_rcPlot.bottom - y) / map.dYScale;
    if (map.bXLog)
        rdX = std::pow(10.0, rdX);
    if (map.bYLog)
        rdY = std::pow(10.0, rdY);
    return true;
}

void DEDizedDisplay::GetPixelLimits(int& rnLow, int& rnHigh)
{
    const int nDpi = m_pDC != nullptr ? m_pDC->GetDeviceCaps(LOGPIXELSX) : 96;
    rnLow = nDpi / 2 - 32768;
    rnHigh = 32767 - nDpi / 2;
}

int DEDizedDisplay::ClampPixel(double dValue, int nLow, int nHigh)
{
    if (!(dValue >= nLow))
        return nLow;
    if (dValue > nHigh)
        return nHigh;
    return int(dValue);
}

void DEDizedDisplay::DrawXYGraph()
{
    if (m_pChart == nullptr || !(m_yData.GetRange() > kTinyRange) || !(m_xData.GetRange() > kTinyRange) ||
        m_nGroupCount <= 0 || m_nIndexCount <= 0) {
        DrawPlaceholder();
        return;
    }
    std::vector<XYPair> pairs;
    ListXYPairs(pairs);
    const ViewMapping map = GetViewMapping();
    int nLow = 0;
    int nHigh = 0;
    GetPixelLimits(nLow, nHigh);
    const int nLeft = m_rcPlot.left;
    const int nBottom = m_rcPlot.bottom;
    bool bNewLine = true;
    CPoint previous;
    for (size_t n = 0; n < pairs.size(); ++n) {
        const XYPair& pair = pairs[n];
        if (n == 0 || pair.nSeries != pairs[n - 1].nSeries)
            bNewLine = true;
        m_nPaletteIndex = pair.nSeries;
        DEDizedData* pX = m_pChart->GetDataItem(pair.nXItem, pair.nXGroup);
        DEDizedData* pY = m_pChart->GetDataItem(pair.nYItem, pair.nYGroup);
        if (Missing(pX) && Missing(pY)) {
            if (HasFlag(flagBreakLines))
                bNewLine = true;
            continue;
        }
        if (Missing(pX) || Missing(pY))
            ThrowChartException(7);
        const double x = pX->GetValue(map.bXLog ? 1 : 0);
        const double y = pY->GetValue(map.bYLog ? 1 : 0);
        // a point far outside a zoomed view stops at the surface's edge, so lines keep their direction
        const CPoint point(ClampPixel(nLeft + (x - map.dXMin) * map.dXScale + 0.5, nLow, nHigh),
                           ClampPixel(nBottom - (y - map.dYMin) * map.dYScale + 0.5, nLow, nHigh));
        m_pChart->AddMarkerFeedback(point.x, point.y, pair.nXItem, pair.nXGroup);
        DrawValueLabel(point.x, point.y, pX);
        DEDizedStyle* pStyle = pX->GetStyle();
        if (bNewLine)
            DrawWidget(point.x, point.y, pStyle, nullptr);
        else
            DrawDataPoint(previous.x, previous.y, point.x, point.y, pStyle, 1, nullptr);
        previous = point;
        bNewLine = false;
    }
}
