// DEDizedDisplay: the bar displays: bars side by side, overlapped bars and the bar-line display.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

// A value style whose whole data style word is 0 stands for its group's.
const int kWholeStyleWord = ~0;

bool HorizontalDepthAxis(int nAxisType)
{
    return nAxisType == 0x10 || nAxisType == 0x16;
}

} // namespace

void DEDizedDisplay::ThreeDScan()
{
    DefaultScan();
}

void DEDizedDisplay::DrawVerticalBars()
{
    DrawSideBySide(true);
}

void DEDizedDisplay::DrawHorizontalBars()
{
    DrawSideBySide(false);
}

void DEDizedDisplay::DrawOverlapColumns()
{
    DrawOverlapped(true);
}

void DEDizedDisplay::DrawOverlapBars()
{
    DrawOverlapped(false);
}

void DEDizedDisplay::DrawSideBySide(bool bVertical)
{
    if (!CanDrawData())
        return;
    const int nGraphType = GetGraphType();
    const bool bDepth = bVertical ? nGraphType == GT_VBAR_3D || ChartAxisShrinksForDepth(GetAxisType())
                                  : nGraphType == GT_HBAR_3D || HorizontalDepthAxis(GetAxisType());
    const CRect r = GetDataRect(bDepth);
    const int nKind = bDepth ? symbolWithDepth : 0;
    // the value axis runs up (columns) or right (bars); the categories across it
    const double dValueExtent = bVertical ? r.Height() : r.Width();
    const double dCategoryExtent = bVertical ? r.Width() : r.Height();
    const double dScale = dValueExtent / GetValueSpan();
    const double dBase = GetBaseOffset(dValueExtent, dScale);
    const int nBase = bVertical ? ToPixel(r.bottom - dBase + 0.5) : ToPixel(r.left + dBase + 0.5);
    const double c = dCategoryExtent / m_nIndexCount;
    const double w = GetBarSize(dCategoryExtent / (double(m_nGroupCount) * m_nIndexCount),
                                GetBarWidth() * (bVertical ? GetDeviceScaleX() : GetDeviceScaleY()));
    const double o = c * 0.5 - m_nGroupCount * w * 0.5;
    for (int i = 0; i < m_nIndexCount; ++i) {
        const int nItem = m_nWindowFirstIndex + i;
        for (int j = 0; j < m_nGroupCount; ++j) {
            const int nGroup = m_nWindowFirstGroup + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            m_nPaletteIndex = nGroup;
            const double v = AxisValue(pItem);
            CRect bar;
            if (bVertical) {
                const int nLeft = ToPixel(o + w * j + c * i + r.left);
                bar.SetRect(nLeft, ValueY(v, r), ToPixel(nLeft + w), nBase);
            } else {
                // item 0 at the bottom
                const int g = ToPixel(r.bottom - c * i - o - w * j);
                bar.SetRect(nBase, ToPixel(g - w), ValueX(v, r), g);
            }
            DrawBar(bar, nItem, nGroup, GetValueStyle(pItem, nGroup, kWholeStyleWord), nKind, pItem);
        }
    }
}

void DEDizedDisplay::DrawOverlapped(bool bVertical)
{
    if (!CanDrawData())
        return;
    const bool bDepth = bVertical ? ChartAxisShrinksForDepth(GetAxisType()) : HorizontalDepthAxis(GetAxisType());
    const CRect r = GetDataRect(bDepth);
    const int nKind = bDepth ? symbolWithDepth : 0;
    const double dValueExtent = bVertical ? r.Height() : r.Width();
    const double dCategoryExtent = bVertical ? r.Width() : r.Height();
    const double dScale = dValueExtent / GetValueSpan();
    // the base line in value units above the minimum: the value 0, or an end of the axis
    const double dBase = dScale > 0.0 ? GetBaseOffset(dValueExtent, dScale) / dScale : 0.0;
    const double dMinimum = GetValueBase();
    const double c = dCategoryExtent / m_nIndexCount;
    const double w = GetBarSize(c, GetBarWidth() * (bVertical ? GetDeviceScaleX() : GetDeviceScaleY()));
    // a value above the minimum and its group (-1 for the base line)
    struct Level {
        double dValue;
        int nGroup;
    };
    std::vector<Level> levels;
    if (!SizeWorkArray(levels, size_t(m_nGroupCount) + 1))
        return;
    for (int i = 0; i < m_nIndexCount; ++i) {
        const int nItem = m_nWindowFirstIndex + i;
        levels.clear();
        levels.push_back({dBase, -1});
        for (int j = 0; j < m_nGroupCount; ++j) {
            const int nGroup = m_nWindowFirstGroup + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            // a missing value takes no part: counted as the minimum it would paint a stretch that is
            // not there
            if (pItem != nullptr && !pItem->IsNull())
                levels.push_back({AxisValue(pItem) - dMinimum, nGroup});
        }
        std::stable_sort(levels.begin(), levels.end(),
                         [](const Level& a, const Level& b) { return a.dValue < b.dValue; });
        for (size_t k = 0; k + 1 < levels.size(); ++k) {
            const Level& lower = levels[k];
            const Level& upper = levels[k + 1];
            // below the base line a stretch belongs to its lower end, above it to its upper end
            const int nGroup = upper.dValue <= dBase ? lower.nGroup : upper.nGroup;
            if (nGroup < 0 || !(upper.dValue > lower.dValue))
                continue;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            m_nPaletteIndex = nGroup;
            CRect bar;
            if (bVertical) {
                const int nLeft = ToPixel(r.left + c * i + c * 0.5 - w * 0.5);
                bar.SetRect(nLeft, ToPixel(r.bottom - dScale * upper.dValue + 0.5), ToPixel(nLeft + w),
                            ToPixel(r.bottom - dScale * lower.dValue + 0.5));
            } else {
                // item 0 at the bottom
                const int g = ToPixel(r.bottom - c * i - c * 0.5 + w * 0.5);
                bar.SetRect(ToPixel(r.left + dScale * lower.dValue + 0.5), ToPixel(g - w),
                            ToPixel(r.left + dScale * upper.dValue + 0.5), g);
            }
            DrawBar(bar, nItem, nGroup, GetValueStyle(pItem, nGroup, kWholeStyleWord), nKind, pItem);
        }
    }
}

void DEDizedDisplay::DrawBarLine()
{
    if (!CanDrawData())
        return;
    const CRect r = m_rcPlot;
    const double c = double(r.Width()) / m_nIndexCount;
    const double w = GetBarSize(c, GetBarWidth() * GetDeviceScaleX());
    // columns stand on the bottom edge, or on the pixel of 0 when the range spans it
    const bool bSpansZero = !HasFlag(flagLogarithmic) && m_yData.m_dMinimum < 0.0 && m_yData.m_dMaximum > 0.0;
    const int nBase = bSpansZero ? ValueY(0.0, r) : r.bottom;
    for (int j = 0; j < m_nGroupCount; ++j) {
        const int nGroup = m_nWindowFirstGroup + j;
        m_nPaletteIndex = nGroup;
        bool bFirst = true;
        CPoint previous;
        for (int i = 0; i < m_nIndexCount; ++i) {
            const int nItem = m_nWindowFirstIndex + i;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            DEDizedStyle* pStyle = GetValueStyle(pItem, nGroup, kWholeStyleWord);
            const double dCentre = r.left + c * i + c * 0.5;
            const CPoint point(ToPixel(dCentre + 0.5), ValueY(AxisValue(pItem), r));
            switch (pStyle->GetMarkerKind()) {
            case 2:
            case 3:
            case 4:
            case 11:
                if (!bFirst)
                    DrawLine(previous.x, previous.y, point.x, point.y, pStyle, m_nPaletteIndex, 0);
                m_pChart->AddMarkerFeedback(point.x, point.y, nItem, nGroup);
                DrawWidget(point.x, point.y, pStyle, pItem);
                previous = point;
                bFirst = false;
                break;
            case 5:
            case 6:
            case 10: {
                const int nLeft = ToPixel(dCentre - w * 0.5);
                DrawBar(CRect(nLeft, point.y, ToPixel(nLeft + w), nBase), nItem, nGroup, pStyle, 0, pItem);
                break;
            }
            default:
                break;
            }
        }
    }
}
