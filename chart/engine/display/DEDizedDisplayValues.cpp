// DEDizedDisplay: what the bar, stacked, pie, area, step, range and stock routines share: the checks
// before drawing, the mapping of values to pixels, bar sizes, value styles and bar hit regions.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedDataList.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/display/DisplayDrawing.h"

bool DEDizedDisplay::CanDrawData()
{
    if (m_pChart == nullptr || m_nGroupCount <= 0 || m_nIndexCount <= 0 || !(m_yData.GetRange() > kTinyRange)) {
        DrawPlaceholder();
        return false;
    }
    return true;
}

double DEDizedDisplay::GetValueBase() const
{
    if (!HasFlag(flagLogarithmic))
        return m_yData.m_dMinimum;
    return m_yData.m_dMinimum > 0.0 ? std::log10(m_yData.m_dMinimum) : -3.0;
}

double DEDizedDisplay::AxisValue(DEDizedData* pItem) const
{
    return pItem->GetValue(HasFlag(flagLogarithmic) ? 1 : 0);
}

double DEDizedDisplay::GetValueSpan() const
{
    return m_dYRangeWidth != 0.0 ? m_dYRangeWidth : 1.0;
}

CRect DEDizedDisplay::GetDataRect(bool bDepth)
{
    CRect rect = m_rcPlot;
    if (bDepth) {
        const CSize depth = GetDepthPixels();
        rect.right -= depth.cx;
        rect.top += depth.cy;
    }
    return rect;
}

int DEDizedDisplay::ValueY(double dValue, const CRect& rect) const
{
    return ToPixel(rect.bottom - (dValue - GetValueBase()) * (rect.Height() / GetValueSpan()) + 0.5);
}

int DEDizedDisplay::ValueX(double dValue, const CRect& rect) const
{
    return ToPixel(rect.left + (dValue - GetValueBase()) * (rect.Width() / GetValueSpan()) + 0.5);
}

int DEDizedDisplay::ItemX(int j, const CRect& rect) const
{
    const int d = m_nIndexCount < 2 ? 1 : m_nIndexCount - 1;
    return rect.left + ToPixel(double(j) * rect.Width() / d + 0.5);
}

double DEDizedDisplay::GetBaseOffset(double dExtent, double dScale) const
{
    if (HasFlag(flagLogarithmic))
        return 0.0;
    if (!(m_yData.m_dMaximum > 0.0))
        return dExtent;
    return m_yData.m_dMaximum * m_yData.m_dMinimum >= 0.0 ? 0.0 : -(m_yData.m_dMinimum * dScale);
}

double DEDizedDisplay::GetBarSize(double dRoom, double dOwn) const
{
    return HasFlag(flagOwnDepth) ? (std::min)(dOwn, dRoom) : dRoom * kBarShare;
}

DEDizedStyle* DEDizedDisplay::GetGroupStyle(int nGroup)
{
    DEDizedDataList* pGroup = nullptr;
    if (m_pChart != nullptr)
        AbsorbMissingData([&] { pGroup = m_pChart->GetGroup(nGroup, 0); });
    return pGroup != nullptr ? pGroup->GetStyle() : nullptr;
}

DEDizedStyle* DEDizedDisplay::GetValueStyle(DEDizedData* pItem, int nGroup, int nMask)
{
    DEDizedStyle* pStyle = pItem->GetStyle();
    if ((pStyle->m_nLineKind & nMask) == 0) {
        if (DEDizedStyle* pGroupStyle = GetGroupStyle(nGroup))
            return pGroupStyle;
    }
    return pStyle;
}

void DEDizedDisplay::DrawBar(const CRect& rect, int nItem, int nGroup, DEDizedStyle* pStyle, int nKind,
                             DEDizedData* pItem)
{
    m_pChart->AddRectFeedbackEx(rect, nItem, nGroup);
    DrawSymbol(rect.left, rect.top, rect.right, rect.bottom, nItem, nGroup, pStyle, nKind, pItem);
}
