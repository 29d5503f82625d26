// CZQDEDizedDisplay: the marginal value chart's display (see ZQDEDizedDisplay.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQDEDizedDisplay.h"

#include "app/ZQApp.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"

namespace {

const COLORREF kDefaultBarColour = RGB(0, 192, 0);
// The bar's width and how far it starts left of its point.
const int kBarWidth = 10;
const int kBarOffset = 5;

} // namespace

IMPLEMENT_SERIAL(CZQDEDizedDisplay, DEDizedDisplay, VERSIONABLE_SCHEMA | 1)

CZQDEDizedDisplay::CZQDEDizedDisplay() = default;

CZQDEDizedDisplay::~CZQDEDizedDisplay() = default;

COLORREF CZQDEDizedDisplay::BarColour()
{
    const CZQApp* pApp = ZQGetApp();
    return pApp != nullptr ? pApp->m_crChartBars : kDefaultBarColour;
}

void CZQDEDizedDisplay::DrawLineChart()
{
    // the fixed value range is always wide: the spread of the values themselves decides
    CScale values;
    if (m_pChart != nullptr)
        m_pChart->GetDataRange(values, 0);
    if (m_pChart == nullptr || m_nGroupCount <= 0 || m_nIndexCount <= 0 || values.IsReset() ||
        !(values.GetRange() > kTinyRange)) {
        DrawPlaceholder();
        return;
    }
    // The first and the last breakpoint stand on the plot's left and right edges, and a value of 0 on
    // its bottom: their markers and bars reach past the plot by half their width, which the chart's
    // clip to the plot would cut off. They are clipped to the plot grown by that reach instead.
    const int nReach = PointReach() + 1;
    const CRect rect = GetDataRect(ChartAxisShrinksForDepth(GetAxisType()));
    m_pChart->PushClip();
    try {
        m_pChart->ClipToRect(rect.left - nReach, rect.top - nReach, rect.right + nReach + 1, rect.bottom + nReach + 1,
                             RGN_COPY);
        DrawRangeBars();
        DEDizedDisplay::DrawLineChart();
    } catch (...) {
        m_pChart->PopClip();
        throw;
    }
    m_pChart->PopClip();
}

int CZQDEDizedDisplay::PointReach()
{
    int nReach = kBarOffset;
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        const int n = GetGroupItemCount(nGroup);
        for (int i = (std::max)(m_nWindowFirstIndex, 0); i < n && i <= m_nWindowLastIndex; ++i) {
            DEDizedData* pItem = m_pChart->GetDataItem(i, nGroup);
            if (pItem != nullptr && !pItem->IsNull() && pItem->GetStyle()->GetMarkerKind() != 0)
                nReach = (std::max)(nReach, GetMarkerHalfSize(pItem->GetStyle()));
        }
    }
    return nReach;
}

void CZQDEDizedDisplay::DrawRangeBars()
{
    if (m_pDC == nullptr || HasFlag(flagLogarithmic))
        return;
    const CRect rect = GetDataRect(ChartAxisShrinksForDepth(GetAxisType()));
    const COLORREF crBar = BarColour();
    // the fill takes the DC's background colour: the text drawn after the data keeps its own
    const COLORREF crBackground = m_pDC->GetBkColor();
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        const int n = (std::min)(GetGroupItemCount(nGroup) - m_nWindowFirstIndex,
                                 m_nWindowLastIndex - m_nWindowFirstIndex + 1);
        for (int i = 0; i < n; ++i) {
            DEDizedData* pItem = m_pChart->GetDataItem(m_nWindowFirstIndex + i, nGroup);
            if (pItem == nullptr || pItem->IsNull() || pItem->GetStyle()->GetMarkerKind() == 0)
                continue;
            const CScale range = pItem->GetRange();
            const int yTop = ValueY(range.m_dMaximum, rect);
            const int yBottom = ValueY(range.m_dMinimum, rect);
            if (yTop >= yBottom)
                continue;
            const int x = ItemX(i, rect);
            m_pDC->FillSolidRect(x - kBarOffset, yTop, kBarWidth, yBottom - yTop + 1, crBar);
        }
    }
    m_pDC->SetBkColor(crBackground);
}
