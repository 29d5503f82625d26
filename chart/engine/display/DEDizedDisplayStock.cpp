// DEDizedDisplay: the range displays: high-low columns and bands, floating bars and the stock displays.
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

// Fill kinds of a data style (bits 4-7 of its line-kind word).
const int kFillMask = 0xF0;
const int kFillPalette = 0x10;
const int kFillSolid = 0x20;
const int kFillTwoColours = 0x30;
const int kFillBitmap = 0x60;

// The light and dark colours of the candles of a stock set, by (first group + set) mod 8.
const COLORREF kCandleLight[8] = {0xff0000, 0x80ff00, 0xc0c0ff, 0x00ffff, 0xffff00, 0xff00ff, 0x8000ff, 0x00ff80};
const COLORREF kCandleDark[8] = {0x800000, 0x008000, 0x0000ff, 0x008080, 0xff8000, 0x800080, 0x000080, 0x0080ff};

int FillKind(const DEDizedStyle& style)
{
    return style.m_nLineKind & kFillMask;
}

void SetFillKind(DEDizedStyle& style, int nFill)
{
    style.m_nLineKind = (style.m_nLineKind & ~kFillMask) | nFill;
}

// The low and high of a value: its own range, or the value itself when it has none.
void GetLowHigh(DEDizedData* pItem, double& rdLow, double& rdHigh)
{
    const CScale range = pItem->GetRange();
    if (range.IsReset()) {
        rdLow = rdHigh = pItem->GetValue(0);
        return;
    }
    rdLow = range.m_dMinimum;
    rdHigh = range.m_dMaximum;
}

// A low or high on the value axis: log10 on a logarithmic one (-99 for a value not above 0, as the
// values themselves).
double AxisOf(double dValue, bool bLog)
{
    return bLog ? (dValue > 0.0 ? std::log10(dValue) : -99.0) : dValue;
}

bool IsPresent(DEDizedData* pItem)
{
    return pItem != nullptr && !pItem->IsNull();
}

} // namespace

// ---- high-low -------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawHighLow()
{
    if (GetGraphType() == GT_HILO_BAND)
        DrawHighLowBands();
    else
        DrawHighLowColumns();
}

void DEDizedDisplay::DrawHighLowColumns()
{
    if (!CanDrawData())
        return;
    const CRect r = m_rcPlot;
    const bool bLog = HasFlag(flagLogarithmic);
    const double dItemWidth = double(r.Width()) / m_nIndexCount;
    const double w = GetBarSize(dItemWidth / m_nGroupCount, GetBarWidth() * GetDeviceScaleX());
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        DEDizedStyle* pGroupStyle = GetGroupStyle(nGroup);
        if (pGroupStyle == nullptr)
            continue;
        // the two blocks: coloured by the group's second colours, or the palette colours 2g and 2g + 1
        DEDizedStyle lower(*pGroupStyle);
        DEDizedStyle upper(*pGroupStyle);
        const bool bSolid = FillKind(*pGroupStyle) == kFillSolid;
        if (bSolid) {
            upper.m_crFill1 = pGroupStyle->m_crFill2;
        } else {
            SetFillKind(lower, kFillPalette);
            SetFillKind(upper, kFillPalette);
        }
        for (int j = 0; j < m_nIndexCount; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (!IsPresent(pItem))
                continue;
            double dLow = 0.0;
            double dHigh = 0.0;
            GetLowHigh(pItem, dLow, dHigh);
            const double dLeft = r.left + dItemWidth * j + dItemWidth * 0.5 - m_nGroupCount * w * 0.5 + w * g;
            const int nLeft = ToPixel(dLeft);
            const int nRight = ToPixel(dLeft + w);
            const int yLow = ValueY(AxisOf(dLow, bLog), r);
            const int yValue = ValueY(AxisValue(pItem), r);
            const int yHigh = ValueY(AxisOf(dHigh, bLog), r);
            m_nPaletteIndex = 2 * nGroup;
            DrawSymbol(nLeft, yValue, nRight, yLow, nItem, nGroup, &lower, 0, nullptr);
            m_nPaletteIndex = 2 * nGroup + 1;
            DrawSymbol(nLeft, yHigh, nRight, yValue, nItem, nGroup, &upper, 0, nullptr);
            m_nPaletteIndex = nGroup;
            const int x = ToPixel(dLeft + w * 0.5);
            m_pChart->AddMarkerFeedback(x, yValue, nItem, nGroup);
            DrawWidget(x, yValue, GetValueStyle(pItem, nGroup, kLineKindByte), pItem);
        }
    }
}

void DEDizedDisplay::DrawHighLowBands()
{
    if (!CanDrawData())
        return;
    const CRect r = m_rcPlot;
    const bool bLog = HasFlag(flagLogarithmic);
    std::vector<POINT> lows;
    std::vector<POINT> values;
    std::vector<POINT> highs;
    std::vector<POINT> band;
    if (!SizeWorkArray(lows, size_t(m_nIndexCount)) || !SizeWorkArray(values, size_t(m_nIndexCount)) ||
        !SizeWorkArray(highs, size_t(m_nIndexCount)) || !SizeWorkArray(band, 2 * size_t(m_nIndexCount) + 1))
        return;
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        DEDizedStyle* pGroupStyle = GetGroupStyle(nGroup);
        if (pGroupStyle == nullptr)
            continue;
        lows.clear();
        values.clear();
        highs.clear();
        for (int j = 0; j < m_nIndexCount; ++j) {
            DEDizedData* pItem = m_pChart->GetDataItem(m_nWindowFirstIndex + j, nGroup);
            if (!IsPresent(pItem))
                continue;
            double dLow = 0.0;
            double dHigh = 0.0;
            GetLowHigh(pItem, dLow, dHigh);
            const int x = ItemX(j, r);
            lows.push_back({x, ValueY(AxisOf(dLow, bLog), r)});
            values.push_back({x, ValueY(AxisValue(pItem), r)});
            highs.push_back({x, ValueY(AxisOf(dHigh, bLog), r)});
        }
        if (values.empty())
            continue;
        // the lower band from the lows forward and back along the values, the upper one from the values
        // forward and back along the highs; each in the group's second colour, picture or a palette colour
        const int nFill = FillKind(*pGroupStyle);
        for (int nBand = 0; nBand < 2; ++nBand) {
            DEDizedStyle style(*pGroupStyle);
            if (nFill == kFillSolid) {
                if (nBand == 1)
                    style.m_crFill1 = pGroupStyle->m_crFill2;
            } else if (nFill == kFillBitmap) {
                if (nBand == 1)
                    style.SetImageFile(pGroupStyle->m_strText2);
            } else {
                SetFillKind(style, kFillPalette);
            }
            const std::vector<POINT>& forward = nBand == 0 ? lows : values;
            const std::vector<POINT>& back = nBand == 0 ? values : highs;
            band.assign(forward.begin(), forward.end());
            band.insert(band.end(), back.rbegin(), back.rend());
            band.push_back(band.front());
            m_nPaletteIndex = 2 * nGroup + nBand;
            FillPolygon(band.data(), int(band.size()), &style, 0);
            FramePolygon(band.data(), int(band.size()), &style, 0);
        }
    }
}

// ---- floating bars --------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawFloatingBars()
{
    if (!CanDrawData())
        return;
    const int nPairs = m_nGroupCount / 2;
    if (nPairs < 1) {
        // a start group without its end group makes no bar
        DrawPlaceholder();
        return;
    }
    const CRect r = m_rcPlot;
    const double dSlot = double(r.Height()) / nPairs;
    double dThickness = dSlot * kBarShare;
    if (HasFlag(flagOwnDepth) && GetBarWidth() * GetDeviceScaleY() <= dSlot)
        dThickness = GetBarWidth() * GetDeviceScaleY();
    for (int p = 0; p < nPairs; ++p) {
        const int nStartGroup = m_nWindowFirstGroup + 2 * p;
        const int nEndGroup = nStartGroup + 1;
        // rows from the bottom up
        const int nTop = ToPixel(r.bottom - (dSlot * p + dSlot * 0.5) - dThickness * 0.5);
        const int nBottom = ToPixel(nTop + dThickness);
        for (int j = 0; j < m_nIndexCount; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pStart = m_pChart->GetDataItem(nItem, nStartGroup);
            DEDizedData* pEnd = m_pChart->GetDataItem(nItem, nEndGroup);
            // an end that is not there would stretch the bar to 0
            if (!IsPresent(pStart) || !IsPresent(pEnd))
                continue;
            m_nPaletteIndex = p + m_nWindowFirstGroup / 2;
            const double dStart = AxisValue(pStart);
            const double dEnd = AxisValue(pEnd);
            auto clamp = [&](int x) { return (std::max)(int(r.left), (std::min)(int(r.right), x)); };
            const int xStart = clamp(ValueX(dStart, r));
            const int xEnd = clamp(ValueX(dEnd, r));
            const int nLeft = (std::min)(xStart, xEnd);
            const int nRight = (std::max)(xStart, xEnd);
            const int nMiddle = (nLeft + nRight) / 2;
            // each half names the group of the end it holds
            const int nLeftGroup = dStart <= dEnd ? nStartGroup : nEndGroup;
            const int nRightGroup = dStart <= dEnd ? nEndGroup : nStartGroup;
            m_pChart->AddRectFeedbackEx(CRect(nLeft, nTop, nMiddle, nBottom), nItem, nLeftGroup);
            m_pChart->AddRectFeedbackEx(CRect(nMiddle, nTop, nRight, nBottom), nItem, nRightGroup);
            DEDizedStyle* pStyle = GetValueStyle(pStart, nStartGroup, kLineKindByte);
            DrawSymbol(nLeft, nTop, nRight, nBottom, nItem, nStartGroup, pStyle, 0, pStart);
        }
    }
}

// ---- stock ------------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawStockChart()
{
    if (!CanDrawData())
        return;
    if (m_nGroupCount < 4 || m_nGroupCount % 4 != 0)
        ThrowChartException(21);
    const int nGraphType = GetGraphType();
    const int nSets = m_nGroupCount / 4;
    const CRect r = m_rcPlot;
    const double dItemWidth = double(r.Width()) / m_nIndexCount;
    const double w = GetBarSize(dItemWidth / nSets, GetBarWidth() * GetDeviceScaleX());
    for (int j = 0; j < m_nIndexCount; ++j) {
        const int nItem = m_nWindowFirstIndex + j;
        for (int s = 0; s < nSets; ++s) {
            // high, low, open, close
            const int nHigh = m_nWindowFirstGroup + 4 * s;
            DEDizedData* pValues[4];
            bool bComplete = true;
            for (int k = 0; k < 4; ++k) {
                pValues[k] = m_pChart->GetDataItem(nItem, nHigh + k);
                bComplete = bComplete && IsPresent(pValues[k]);
            }
            // a candle needs its four values: one that is not there would stand at 0
            if (!bComplete)
                continue;
            DEDizedStyle* pStyle = GetValueStyle(pValues[0], nHigh, kLineKindByte);
            const double dLeft = r.left + dItemWidth * j + dItemWidth * 0.5 - nSets * w * 0.5 + w * s;
            const int nLeft = ToPixel(dLeft);
            const int nRight = ToPixel(dLeft + w);
            const int x = ToPixel(dLeft + w * 0.5);
            const double dOpen = pValues[2]->GetValue(0);
            const double dClose = pValues[3]->GetValue(0);
            int y[4];
            for (int k = 0; k < 4; ++k)
                y[k] = ValueY(AxisValue(pValues[k]), r);
            for (const int k : {0, 2, 1, 3})
                m_pChart->AddMarkerFeedback(x, y[k], nItem, nHigh + k);
            const int nColours = (m_nWindowFirstGroup + s) % 8;
            m_nPaletteIndex = m_nWindowFirstGroup + s;
            DrawLine(x, y[0], x, y[1], pStyle, m_nPaletteIndex, kSolidLine);
            if (nGraphType == GT_STOCK_TICKS) {
                DrawLine(nLeft, y[2], x, y[2], pStyle, m_nPaletteIndex, kSolidLine);
                DrawLine(x, y[3], nRight, y[3], pStyle, m_nPaletteIndex, kSolidLine);
                continue;
            }
            DEDizedStyle body(*pStyle);
            if (FillKind(*pStyle) == kFillPalette) {
                const COLORREF crLight = kCandleLight[nColours];
                const COLORREF crDark = kCandleDark[nColours];
                if (nGraphType == GT_STOCK_BAR || dOpen == dClose) {
                    SetFillKind(body, kFillSolid);
                    body.m_crFill1 = nGraphType == GT_STOCK_BAR && dOpen < dClose ? crLight : crDark;
                } else {
                    // a falling candle dark over light, a rising one light over dark
                    SetFillKind(body, kFillTwoColours);
                    body.m_crFill1 = dClose < dOpen ? crDark : crLight;
                    body.m_crFill2 = dClose < dOpen ? crLight : crDark;
                }
            }
            DrawSymbol(nLeft, y[2], nRight, y[3], nItem, nHigh + 2, &body, 0, nullptr);
        }
    }
}
