// DEDizedDisplay: the bubble and vector displays.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/ChartGeometry.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

// Bit 25 of the second word: the ranges take in the markers' extent in data units.
const int kOptionMarkerExtent = 0x2000000;
// The point mode (bits 8-15 of a data style word) of square bubbles, whose area follows the size.
const int kPointModeMask = 0xFF00;
const int kSquareBubble = 0x500;
const int kCircleSymbol = 0x1100;
// The marker kind of the working style of a vector: its line with the style's line ends.
const int kVectorMarker = 0x1200;
const double kInversePi = 0.31830989161357204;
const double kSmallestSize = 2.220446e-15;
const double kSmallestMagnitude = 2.220446e-14;
const double kDefaultMarkerSize = 20.0;

// The radius of a bubble of size dSize (taken as its absolute value): the size itself, or for
// GT_BUBBLE_AREA the root of size / pi (of the size for square bubbles), so that the area follows it.
double BubbleRadius(double dSize, bool bArea, DEDizedStyle* pStyle)
{
    dSize = std::fabs(dSize);
    if (!bArea)
        return dSize;
    return (pStyle->m_nLineKind & kPointModeMask) == kSquareBubble ? std::sqrt(dSize) : std::sqrt(dSize * kInversePi);
}

// The vector of dMagnitude at dAngle degrees (0 up, 90 right) in data units, y upwards.
void VectorDelta(double dAngle, double dMagnitude, double& rdx, double& rdy)
{
    const double a = (90.0 - dAngle) * kChartRadiansPerDegree;
    rdx = std::cos(a) * dMagnitude;
    rdy = std::sin(a) * dMagnitude;
}

bool Missing(DEDizedData* pItem)
{
    return pItem == nullptr || pItem->IsNull();
}

} // namespace

void DEDizedDisplay::BubbleScan()
{
    ScanSets(3);
}

void DEDizedDisplay::VectorScan()
{
    ScanSets(4);
}

void DEDizedDisplay::ScanSets(int nSetSize)
{
    if (m_nGroupCount < nSetSize)
        ThrowChartException(21);
    if (HasFlag(flagLogarithmic))
        ThrowChartException(22);
    bool bYFixed = false;
    bool bXFixed = false;
    StartTwoAxisScan(bYFixed, bXFixed);
    if ((bYFixed && bXFixed) || m_pChart == nullptr)
        return;
    const int nType = GetGraphType();
    const bool bExtent = HasOption(kOptionMarkerExtent) && !HasFlag(flagOwnDepth);
    const int nSets = m_nGroupCount / nSetSize;
    for (int s = 0; s < nSets; ++s) {
        const int nGroup = m_nWindowFirstGroup + s * nSetSize;
        int nLast = m_nWindowLastIndex;
        for (int n = 0; n < nSetSize; ++n)
            nLast = (std::min)(nLast, GetGroupItemCount(nGroup + n) - 1);
        for (int k = m_nWindowFirstIndex; k <= nLast; ++k) {
            DEDizedData* items[4] = {};
            bool bComplete = true;
            for (int n = 0; n < nSetSize; ++n) {
                items[n] = m_pChart->GetDataItem(k, nGroup + n);
                bComplete = bComplete && !Missing(items[n]);
            }
            if (!bComplete)
                continue;
            const double x = items[0]->GetValue(0);
            const double y = items[1]->GetValue(0);
            double x1 = x, x2 = x, y1 = y, y2 = y;
            if (nType == GT_VECTOR_SEGMENT) {
                x2 = items[2]->GetValue(0);
                y2 = items[3]->GetValue(0);
            } else if (bExtent) {
                if (nSetSize == 3) {
                    const double r = BubbleRadius(items[2]->GetValue(0), nType == GT_BUBBLE_AREA, items[0]->GetStyle());
                    x1 = x - r, x2 = x + r, y1 = y - r, y2 = y + r;
                } else {
                    double dx = 0.0;
                    double dy = 0.0;
                    VectorDelta(items[2]->GetValue(0), std::fabs(items[3]->GetValue(0)), dx, dy);
                    if (nType == GT_VECTOR_B)
                        x1 = x - dx / 2, x2 = x + dx / 2, y1 = y - dy / 2, y2 = y + dy / 2;
                    else
                        x2 = x + dx, y2 = y + dy;
                }
            }
            const double dXLow = (std::min)(x1, x2), dXHigh = (std::max)(x1, x2);
            const double dYLow = (std::min)(y1, y2), dYHigh = (std::max)(y1, y2);
            // against a fixed axis only the sets that reach into its window count for the other
            if (bYFixed && (dYHigh < m_dFixedYMin || dYLow > m_dFixedYMax))
                continue;
            if (bXFixed && (dXHigh < m_dFixedXMin || dXLow > m_dFixedXMax))
                continue;
            if (!bXFixed) {
                m_xData.Include(dXLow);
                m_xData.Include(dXHigh);
            }
            if (!bYFixed) {
                m_yData.Include(dYLow);
                m_yData.Include(dYHigh);
            }
        }
    }
    if (!bYFixed)
        ApplyFixedRange(m_yData, m_dFixedYMin, m_dFixedYMax);
    if (!bXFixed)
        ApplyFixedRange(m_xData, m_dFixedXMin, m_dFixedXMax);
}

void DEDizedDisplay::DrawCross(int x, int y, int nItem, int nGroup)
{
    const int dx = int(4.0 * GetDeviceScaleX());
    const int dy = int(4.0 * GetDeviceScaleY());
    const POINT ends[4] = {{x - dx, y - dy}, {x + dx, y + dy}, {x - dx, y + dy}, {x + dx, y - dy}};
    bool bInside = false;
    for (const POINT& end : ends)
        bInside = bInside || m_rcPlot.PtInRect(end);
    if (!bInside)
        return;
    if (CPen* pPen = GetDefaultPen()) {
        CPen* pOld = m_pDC->SelectObject(pPen);
        m_pDC->MoveTo(ends[0]);
        m_pDC->LineTo(ends[1]);
        m_pDC->MoveTo(ends[2]);
        m_pDC->LineTo(ends[3]);
        m_pDC->SelectObject(pOld);
    }
    m_pChart->AddMarkerFeedback(x, y, nItem, nGroup);
}

void DEDizedDisplay::DrawBubbles()
{
    if (m_pChart == nullptr || !(m_xView.GetRange() > kTinyRange) || !(m_yView.GetRange() > kTinyRange)) {
        DrawPlaceholder();
        return;
    }
    const ViewMapping map = GetViewMapping();
    const double dScaleX = GetDeviceScaleX();
    const double dScaleY = GetDeviceScaleY();
    const double dMarkerFactor = (std::min)(dScaleX, dScaleY);
    const bool bArea = GetGraphType() == GT_BUBBLE_AREA;
    const bool bPixels = HasFlag(flagOwnDepth);
    const double dMaxMarker = GetBarWidth() > 0.0 ? GetBarWidth() : kDefaultMarkerSize;

    struct Record {
        double dSize;
        int nItem;
        int nGroup;
    };
    std::vector<Record> records;
    double dLargest = 0.0;
    for (int s = 0; s + 3 <= m_nGroupCount; s += 3) {
        const int nGroup = m_nWindowFirstGroup + s;
        for (int k = m_nWindowFirstIndex; k <= m_nWindowLastIndex; ++k) {
            DEDizedData* pSize = m_pChart->GetDataItem(k, nGroup + 2);
            const double dSize = Missing(pSize) ? 0.0 : std::fabs(pSize->GetValue(0));
            dLargest = (std::max)(dLargest, dSize);
            AfxAllocating([&] { records.push_back({dSize, k, nGroup}); });
        }
    }
    // the larger bubbles first, so that the smaller stay visible on top of them
    std::stable_sort(records.begin(), records.end(), [](const Record& a, const Record& b) { return a.dSize > b.dSize; });

    for (size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        DEDizedData* pX = m_pChart->GetDataItem(record.nItem, record.nGroup);
        DEDizedData* pY = m_pChart->GetDataItem(record.nItem, record.nGroup + 1);
        DEDizedData* pSize = m_pChart->GetDataItem(record.nItem, record.nGroup + 2);
        if (Missing(pX) || Missing(pY) || Missing(pSize))
            continue;
        const int x = ToPixel(m_rcPlot.left + (pX->GetValue(0) - map.dXMin) * map.dXScale + 0.5);
        const int y = ToPixel(m_rcPlot.bottom - (pY->GetValue(0) - map.dYMin) * map.dYScale + 0.5);
        m_nPaletteIndex = int(r);
        DEDizedStyle* pStyle = pX->GetStyle();
        const double dRadius = BubbleRadius(record.dSize, bArea, pStyle);
        double rx = 0.0;
        double ry = 0.0;
        bool bBubble = false;
        if (bPixels) {
            const double dLargestRadius = BubbleRadius(dLargest, bArea, pStyle);
            rx = ry = dLargestRadius > 0.0 ? dRadius / dLargestRadius * dMaxMarker * dMarkerFactor : 0.0;
            bBubble = record.dSize > kSmallestSize && rx >= 1.0;
        } else {
            rx = dRadius * map.dXScale;
            ry = dRadius * map.dYScale;
            bBubble = rx >= dScaleX && ry >= dScaleY;
        }
        if (!bBubble) {
            DrawCross(x, y, record.nItem, record.nGroup);
            continue;
        }
        const CRect box(ToPixel(x - rx), ToPixel(y - ry), ToPixel(x + rx), ToPixel(y + ry));
        CRect common;
        if (!common.IntersectRect(box, m_rcPlot))
            continue;
        const int nShape = (pStyle->m_nLineKind & kPointModeMask) == kSquareBubble ? kSquareBubble : kCircleSymbol;
        DrawBar(box, record.nItem, record.nGroup, pStyle, nShape, pX);
    }
}

void DEDizedDisplay::DrawVectors()
{
    if (m_pChart == nullptr || !(m_xView.GetRange() > kTinyRange) || !(m_yView.GetRange() > kTinyRange)) {
        DrawPlaceholder();
        return;
    }
    const int nType = GetGraphType();
    const ViewMapping map = GetViewMapping();
    const double dScaleX = GetDeviceScaleX();
    const double dScaleY = GetDeviceScaleY();
    const bool bPixels = HasFlag(flagOwnDepth);
    const double dMaxMarker = GetBarWidth() > 0.0 ? GetBarWidth() : kDefaultMarkerSize;
    int nLow = 0;
    int nHigh = 0;
    GetPixelLimits(nLow, nHigh);
    auto pixelX = [&](double v) { return ClampPixel(m_rcPlot.left + (v - map.dXMin) * map.dXScale + 0.5, nLow, nHigh); };
    auto pixelY = [&](double v) { return ClampPixel(m_rcPlot.bottom - (v - map.dYMin) * map.dYScale + 0.5, nLow, nHigh); };
    auto readSet = [&](int nGroup, int k, DEDizedData* items[4]) {
        for (int n = 0; n < 4; ++n) {
            items[n] = m_pChart->GetDataItem(k, nGroup + n);
            if (Missing(items[n]))
                return false;
        }
        return true;
    };
    double dLargest = 0.0;
    for (int q = 0; q + 4 <= m_nGroupCount; q += 4) {
        for (int k = m_nWindowFirstIndex; k <= m_nWindowLastIndex; ++k) {
            DEDizedData* items[4];
            if (readSet(m_nWindowFirstGroup + q, k, items))
                dLargest = (std::max)(dLargest, std::fabs(items[3]->GetValue(0)));
        }
    }
    for (int q = 0; q + 4 <= m_nGroupCount; q += 4) {
        const int nGroup = m_nWindowFirstGroup + q;
        for (int k = m_nWindowFirstIndex; k <= m_nWindowLastIndex; ++k) {
            DEDizedData* items[4];
            if (!readSet(nGroup, k, items))
                continue;
            const CPoint anchor(pixelX(items[0]->GetValue(0)), pixelY(items[1]->GetValue(0)));
            m_nPaletteIndex = q / 4 * m_nIndexCount + (k - m_nWindowFirstIndex);
            CPoint from = anchor;
            CPoint to = anchor;
            if (nType == GT_VECTOR_SEGMENT) {
                to = CPoint(pixelX(items[2]->GetValue(0)), pixelY(items[3]->GetValue(0)));
            } else {
                const double dMagnitude = std::fabs(items[3]->GetValue(0));
                if (!(dMagnitude > kSmallestMagnitude)) {
                    DrawCross(anchor.x, anchor.y, k, nGroup);
                    continue;
                }
                double dx = 0.0;
                double dy = 0.0;
                if (bPixels) {
                    VectorDelta(items[2]->GetValue(0), dMagnitude / dLargest * dMaxMarker, dx, dy);
                    dx *= dScaleX;
                    dy *= dScaleY;
                } else {
                    VectorDelta(items[2]->GetValue(0), dMagnitude, dx, dy);
                    dx *= map.dXScale;
                    dy *= map.dYScale;
                }
                // screen y runs down
                if (nType == GT_VECTOR_B) {
                    from = CPoint(ClampPixel(anchor.x - dx / 2 + 0.5, nLow, nHigh), ClampPixel(anchor.y + dy / 2 + 0.5, nLow, nHigh));
                    to = CPoint(ClampPixel(anchor.x + dx / 2 + 0.5, nLow, nHigh), ClampPixel(anchor.y - dy / 2 + 0.5, nLow, nHigh));
                } else {
                    to = CPoint(ClampPixel(anchor.x + dx + 0.5, nLow, nHigh), ClampPixel(anchor.y - dy + 0.5, nLow, nHigh));
                }
            }
            const double dLength = std::hypot(double(to.x - from.x), double(to.y - from.y));
            if (dLength < 3.0 * dScaleX) {
                DrawCross(anchor.x, anchor.y, k, nGroup);
                continue;
            }
            DEDizedStyle* pStyle = items[0]->GetStyle();
            m_pChart->AddMarkerFeedback(anchor.x, anchor.y, k, nGroup);
            DrawMarker(anchor.x, anchor.y, pStyle, nullptr);
            m_pChart->AddMarkerFeedback(to.x, to.y, k, nGroup + 2);
            DEDizedStyle segment;
            segment = *pStyle;
            segment.m_nLineKind = (segment.m_nLineKind & ~kPointModeMask) | kVectorMarker;
            DrawDataPoint(from.x, from.y, to.x, to.y, &segment, 8, nullptr);
        }
    }
}
