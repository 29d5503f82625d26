// DEDizedDisplay: the stacked displays: stacked bars by item and by group (plain and per cent) and the
// stacked area, with their range scans.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

// A per cent bar whose values sum to no more than this is left out.
const double kTinySum = 1.110223e-14;

bool IsPercentStacked(int nGraphType)
{
    return nGraphType >= GT_STACKED_VBAR_100 && nGraphType <= GT_GROUP_STACKED_HBAR_100;
}

} // namespace

// ---- scans --------------------------------------------------------------------------------------------------

void DEDizedDisplay::RunningSumScan()
{
    ScanRunningSums(false, false);
}

void DEDizedDisplay::StackedBarScan()
{
    ScanRunningSums(false, true);
}

void DEDizedDisplay::StackedGroupScan()
{
    ScanRunningSums(true, true);
}

void DEDizedDisplay::ScanRunningSums(bool bByGroup, bool bFallBack)
{
    m_yData = CScale();
    if (m_pChart == nullptr)
        return;
    const int nCategories = bByGroup ? m_nGroupCount : m_nIndexCount;
    const int nSeries = bByGroup ? m_nIndexCount : m_nGroupCount;
    for (int k = 0; k < nCategories; ++k) {
        double dSum = 0.0;
        for (int s = 0; s < nSeries; ++s) {
            const int nItem = m_nWindowFirstIndex + (bByGroup ? s : k);
            const int nGroup = m_nWindowFirstGroup + (bByGroup ? k : s);
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            const double v = pItem->GetValue(0);
            if (bFallBack && v < 0.0) {
                // negative values do not stack: the display shows columns from now on
                SetGraphType(GT_VBAR);
                SetAxisType(AXIS_STANDARD);
                MarkStyleChanged();
                m_yData = CScale();
                DefaultScan();
                return;
            }
            dSum += v;
            m_yData.Include(dSum);
        }
    }
    if (bFallBack && IsPercentStacked(GetGraphType())) {
        m_dFixedYMin = 0.0;
        m_dFixedYMax = 100.0;
        m_style.m_nFlags |= flagCombineFixed;
        m_yData = CScale();
        m_yData.Include(100.0);
        m_yData.Include(0.0);
        return;
    }
    ApplyFixedRange();
}

// ---- stacked bars -------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawStackedBars()
{
    DrawStacked(false);
}

void DEDizedDisplay::DrawStackedByGroup()
{
    DrawStacked(true);
}

void DEDizedDisplay::DrawStacked(bool bByGroup)
{
    if (!CanDrawData())
        return;
    const int nGraphType = GetGraphType();
    const bool bVertical = nGraphType == GT_STACKED_VBAR || nGraphType == GT_STACKED_VBAR_100 ||
                           nGraphType == GT_GROUP_STACKED_VBAR || nGraphType == GT_GROUP_STACKED_VBAR_100;
    const bool bPercent = IsPercentStacked(nGraphType);
    const int nAxisType = GetAxisType();
    const bool bDepth = bVertical ? ChartAxisShrinksForDepth(nAxisType) : nAxisType == 0x10 || nAxisType == 0x16;
    const CRect r = GetDataRect(bDepth);
    const int nKind = bDepth ? symbolWithDepth : 0;
    const bool bLog = HasFlag(flagLogarithmic);
    const double dValueExtent = bVertical ? r.Height() : r.Width();
    const double dPerUnit = bPercent ? dValueExtent * 0.01 : dValueExtent / GetValueSpan();
    const double dBaseline = GetValueBase();
    const int nCategories = bByGroup ? m_nGroupCount : m_nIndexCount;
    const int nSeries = bByGroup ? m_nIndexCount : m_nGroupCount;
    const double dSlot = (bVertical ? r.Width() : r.Height()) / double(nCategories);
    // columns are as wide as the style's bar width on the device, bars as thick as its thickness
    const double dWidth = GetBarSize(dSlot, bVertical ? GetBarWidth() * GetDeviceScaleX() : GetBarThickness());
    auto itemOf = [&](int k, int s) { return m_nWindowFirstIndex + (bByGroup ? s : k); };
    auto groupOf = [&](int k, int s) { return m_nWindowFirstGroup + (bByGroup ? k : s); };

    for (int k = 0; k < nCategories; ++k) {
        double dFactor = 1.0;
        if (bPercent) {
            double dSum = 0.0;
            for (int s = 0; s < nSeries; ++s) {
                DEDizedData* pItem = m_pChart->GetDataItem(itemOf(k, s), groupOf(k, s));
                if (pItem != nullptr && !pItem->IsNull())
                    dSum += pItem->GetValue(0);
            }
            if (!(dSum > kTinySum))
                continue;
            dFactor = 100.0 / dSum;
        }
        CRect bar;
        if (bVertical) {
            bar.left = ToPixel(r.left + dSlot * k + dSlot * 0.5 - dWidth * 0.5);
            bar.right = ToPixel(bar.left + dWidth);
        } else {
            // categories run upward from the bottom
            bar.bottom = ToPixel(r.bottom - dSlot * k - dSlot * 0.5 + dWidth * 0.5);
            bar.top = ToPixel(bar.bottom - dWidth);
        }
        double dTotal = 0.0;
        int nEnd = bVertical ? r.bottom : r.left;
        for (int s = 0; s < nSeries; ++s) {
            const int nItem = itemOf(k, s);
            const int nGroup = groupOf(k, s);
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            dTotal += pItem->GetValue(0);
            // on a logarithmic axis a total not above 0 stands at the start of the axis
            const double dLevel = bLog ? (dTotal > 0.0 ? std::log10(dTotal) : dBaseline) : dTotal;
            const double dPosition = (dLevel - dBaseline) * dPerUnit * dFactor;
            const int nNext = bVertical ? ToPixel(r.bottom - dPosition + 0.5) : ToPixel(dPosition + r.left + 0.5);
            if (bVertical) {
                bar.top = nNext;
                bar.bottom = nEnd;
            } else {
                bar.left = nEnd;
                bar.right = nNext;
            }
            m_nPaletteIndex = bByGroup ? nItem : nGroup;
            DEDizedStyle* pStyle = pItem->GetStyle();
            if ((pStyle->m_nLineKind & kLineKindByte) == 0) {
                DEDizedStyle* pOwner = bByGroup ? &m_style : GetGroupStyle(nGroup);
                if (pOwner != nullptr)
                    pStyle = pOwner;
            }
            DrawBar(bar, nItem, nGroup, pStyle, nKind, pItem);
            nEnd = nNext;
        }
    }
}

// ---- stacked area -------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawStackedArea()
{
    if (!CanDrawData())
        return;
    const CRect r = m_rcPlot;
    const bool bLog = HasFlag(flagLogarithmic);
    const double dPerUnit = r.Height() / GetValueSpan();
    const double dBaseline = GetValueBase();
    // the level of a running total above the start of the value axis; on a logarithmic axis a total
    // below the axis' minimum stands at its start
    auto level = [&](double dTotal) {
        if (!bLog)
            return dTotal - dBaseline;
        return dTotal > 0.0 && dTotal >= m_yData.m_dMinimum ? std::log10(dTotal) - dBaseline : 0.0;
    };
    std::vector<double> totals;
    std::vector<POINT> points;
    if (!SizeWorkArray(totals, size_t(m_nIndexCount), 0.0) ||
        !SizeWorkArray(points, 2 * size_t(m_nIndexCount) + 1, POINT{0, 0}))
        return;
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        m_nPaletteIndex = nGroup;
        const int n = (std::min)(GetGroupItemCount(nGroup) - m_nWindowFirstIndex, m_nIndexCount);
        if (n <= 0)
            continue;
        for (int j = 0; j < n; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            const double v = pItem == nullptr || pItem->IsNull() ? (bLog ? 1.0 : 0.0) : pItem->GetValue(0);
            const int x = ItemX(j, r);
            const int yUpper = ToPixel(r.bottom - level(totals[j] + v) * dPerUnit + 0.5);
            const int yLower = ToPixel(r.bottom - level(totals[j]) * dPerUnit + 0.5);
            // the upper edge forward, the lower edge back
            points[j] = {x, yUpper};
            points[2 * n - 1 - j] = {x, yLower};
            m_pChart->AddMarkerFeedback(x, yUpper, nItem, nGroup);
            totals[j] += v;
        }
        points[2 * n] = points[0];
        if (DEDizedStyle* pStyle = GetGroupStyle(nGroup))
            FillPolygon(points.data(), 2 * n + 1, pStyle, 0);
    }
}
