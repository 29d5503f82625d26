// DEDizedDisplay: the radar and polar displays, their frames (rings and spokes) and their scales (the
// labels round the circle and the value scale up from the centre).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/ChartGeometry.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/axes/SRGDecimalScale.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

const double kFullTurn = 6.2831852;
const double kQuarterTurn = 1.5707963;
// The polar frame and scales: 16 spokes and angle labels 22.5 degrees apart.
const int kPolarSpokes = 16;
const double kPolarStep = 0.392699075;
// The point mode (bits 8-15 of a data style word): markers only, lines only.
const int kPointModeMask = 0xFF00;
const int kMarkersOnly = 0x200;
const int kLinesOnly = 0x400;
// Bits 4-7 of a label block's kind word: single or repeated overlap avoidance.
const int kPlacementSingle = 0x90;
const int kPlacementRepeated = 0xa0;

bool Missing(DEDizedData* pItem)
{
    return pItem == nullptr || pItem->IsNull();
}

CPoint OnCircle(int cx, int cy, double dAngle, double dDistance)
{
    return CPoint(int(cx + std::cos(dAngle) * dDistance + 0.5), int(cy + std::sin(dAngle) * dDistance + 0.5));
}

// Selects the pen and brush for the scope's lifetime.
class SelectScope {
public:
    SelectScope(CDC* pDC, HGDIOBJ hPen, HGDIOBJ hBrush) : m_pDC(pDC)
    {
        m_hOldPen = ::SelectObject(pDC->m_hDC, hPen);
        m_hOldBrush = ::SelectObject(pDC->m_hDC, hBrush);
    }
    ~SelectScope()
    {
        ::SelectObject(m_pDC->m_hDC, m_hOldBrush);
        ::SelectObject(m_pDC->m_hDC, m_hOldPen);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    CDC* m_pDC;
    HGDIOBJ m_hOldPen;
    HGDIOBJ m_hOldBrush;
};

CString RadarLabelText(DEDizedDisplay* pDisplay, int k)
{
    DEDized* pChart = pDisplay->GetChart();
    return pChart->GetItemAnnotation(pDisplay->GetFirstGroup(), pDisplay->GetFirstIndex() + k, pDisplay->GetChartMode());
}

CString PolarLabelText(DEDizedDisplay* /*pDisplay*/, int k)
{
    CString text;
    text.Format("%3.1f", k * 22.5);
    return text;
}

// The magnitude at the centre of a polar display: the view's minimum, on a logarithmic axis its log10
// (-3 for a minimum that is not positive).
double PolarBaseline(const CScale& view, bool bLog)
{
    if (!bLog)
        return view.m_dMinimum;
    return view.m_dMinimum > 0.0 ? std::log10(view.m_dMinimum) : -3.0;
}

} // namespace

DEDizedDisplay::Circle DEDizedDisplay::GetCircle() const
{
    const double dSide = (std::min)(m_rcPlot.Width(), m_rcPlot.Height());
    return {m_rcPlot.left + m_rcPlot.Width() / 2, m_rcPlot.top + m_rcPlot.Height() / 2, 0.4 * dSide, 0.425 * dSide};
}

bool DEDizedDisplay::PolarValuesAt(double x, double y, double& rdAngle, double& rdMagnitude) const
{
    const Circle circle = GetCircle();
    if (circle.dRadius < 1.0)
        return false;
    // DrawPolarChart turned round: the same baseline and pixels per unit, on the range it last drew
    const bool bLog = HasFlag(flagLogarithmic);
    const CScale drawn = GetLastYRange();
    if (drawn.IsReset())
        return false;
    const double dBaseline = PolarBaseline(drawn, bLog);
    const double dx = x - circle.cx;
    const double dy = y - circle.cy;
    rdMagnitude = dBaseline + std::hypot(dx, dy) * GetValueSpan() / circle.dRadius;
    if (bLog)
        rdMagnitude = std::pow(10.0, rdMagnitude);
    rdAngle = std::fmod(std::atan2(dy, dx) * kChartDegreesPerRadian + 90.0 + 360.0, 360.0);
    return true;
}

// ---- drawing ----------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawRing(const std::vector<POINT>& points, const std::vector<DEDizedData*>& items,
                              const std::vector<char>& markers, DEDizedStyle* pFillStyle, bool bFilled)
{
    if (points.size() < 2)
        return;
    if (bFilled && pFillStyle != nullptr) {
        FillPolygon(points.data(), int(points.size()), pFillStyle, 0);
        FramePolygon(points.data(), int(points.size()), pFillStyle, 0);
        return;
    }
    for (size_t k = 0; k < points.size(); ++k) {
        DEDizedStyle* pStyle = items[k]->GetStyle();
        const int nMode = pStyle->m_nLineKind & kPointModeMask;
        if (nMode == 0)
            continue;
        if (markers[k] && nMode != kLinesOnly)
            DrawWidget(points[k].x, points[k].y, pStyle, items[k]);
        if (k >= 1 && nMode != kMarkersOnly)
            DrawLine(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y, pStyle, m_nPaletteIndex, 0);
    }
}

void DEDizedDisplay::DrawRadarChart()
{
    if (!CanDrawData())
        return;
    const Circle circle = GetCircle();
    if (circle.dRadius < 1.0)
        return;
    const int nItems = m_nIndexCount;
    if (nItems < 3)
        ThrowChartException(21);
    const bool bLog = HasFlag(flagLogarithmic);
    const double dScale = circle.dRadius / GetValueSpan();
    const double dMinimum = GetValueBase();
    const bool bFilled = GetGraphType() == GT_RADAR_FILLED;
    std::vector<POINT> points;
    std::vector<DEDizedData*> items;
    std::vector<char> markers;
    for (int g = 0; g < m_nGroupCount; ++g) {
        const int nGroup = m_nWindowFirstGroup + g;
        m_nPaletteIndex = nGroup;
        const int n = (std::min)(GetGroupItemCount(nGroup) - m_nWindowFirstIndex, nItems);
        points.clear();
        items.clear();
        markers.clear();
        for (int k = 0; k < n; ++k) {
            const int nItem = m_nWindowFirstIndex + k;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (Missing(pItem))
                continue;
            const double dDistance = dScale * (pItem->GetValue(bLog ? 1 : 0) - dMinimum);
            const CPoint point = OnCircle(circle.cx, circle.cy, k * kFullTurn / nItems - kQuarterTurn, dDistance);
            m_pChart->AddMarkerFeedback(point.x, point.y, nItem, nGroup);
            AfxAllocating([&] {
                points.push_back(point);
                items.push_back(pItem);
                markers.push_back(1);
            });
        }
        if (points.empty())
            continue;
        // the ring closes on its first point, without a second marker there
        AfxAllocating([&] {
            points.push_back(points.front());
            items.push_back(items.front());
            markers.push_back(0);
        });
        DrawRing(points, items, markers, GetGroupStyle(nGroup), bFilled);
    }
}

void DEDizedDisplay::DrawPolarChart()
{
    if (m_pChart == nullptr || m_nGroupCount <= 0 || m_nIndexCount <= 0 || !(m_yView.GetRange() > kTinyRange)) {
        DrawPlaceholder();
        return;
    }
    const Circle circle = GetCircle();
    if (circle.dRadius < 1.0)
        return;
    if (m_nGroupCount % 2 != 0)
        ThrowChartException(21);
    const bool bLog = HasFlag(flagLogarithmic);
    const double dBaseline = PolarBaseline(m_yView, bLog);
    const double dScale = circle.dRadius / GetValueSpan();
    int nLow = 0;
    int nHigh = 0;
    GetPixelLimits(nLow, nHigh);
    const bool bFilled = GetGraphType() == GT_POLAR_FILLED;
    std::vector<POINT> points;
    std::vector<DEDizedData*> items;
    std::vector<char> markers;
    for (int j = 0; j + 1 < m_nGroupCount; j += 2) {
        const int nGroup = m_nWindowFirstGroup + j;
        m_nPaletteIndex = j / 2;
        const int n = (std::min)((std::min)(GetGroupItemCount(nGroup), GetGroupItemCount(nGroup + 1)) - m_nWindowFirstIndex,
                                 m_nIndexCount);
        points.clear();
        items.clear();
        markers.clear();
        for (int k = 0; k < n; ++k) {
            const int nItem = m_nWindowFirstIndex + k;
            DEDizedData* pAngle = m_pChart->GetDataItem(nItem, nGroup);
            DEDizedData* pMagnitude = m_pChart->GetDataItem(nItem, nGroup + 1);
            if (Missing(pAngle) || Missing(pMagnitude))
                continue;
            const double dAngle = pAngle->GetValue(0) * kChartRadiansPerDegree - kQuarterTurn;
            const double m = pMagnitude->GetValue(bLog ? 1 : 0);
            CPoint point(circle.cx, circle.cy);
            // a magnitude below the axis stands at the centre: it joins the line but has no marker
            const bool bShown = m >= dBaseline;
            if (bShown) {
                const double d = dScale * (m - dBaseline);
                point.x = ClampPixel(circle.cx + std::cos(dAngle) * d + 0.5, nLow, nHigh);
                point.y = ClampPixel(circle.cy + std::sin(dAngle) * d + 0.5, nLow, nHigh);
                m_pChart->AddMarkerFeedback(point.x, point.y, nItem, nGroup);
            }
            AfxAllocating([&] {
                points.push_back(point);
                items.push_back(pAngle);
                markers.push_back(bShown ? 1 : 0);
            });
        }
        if (points.empty())
            continue;
        AfxAllocating([&] {
            points.push_back(points.front());
            items.push_back(items.front());
            markers.push_back(0);
        });
        if (bFilled)
            DrawRing(points, items, markers, GetGroupStyle(nGroup), true);
        DrawRing(points, items, markers, nullptr, false);
    }
}

void DEDizedDisplay::PolarScan()
{
    m_yData = CScale();
    const bool bFixed = HasFlag(flagFixedRange) && !HasFlag(flagCombineFixed) && m_dFixedYMax > m_dFixedYMin;
    if (!bFixed && m_pChart != nullptr) {
        for (int g = 1; g < m_nGroupCount; g += 2) {
            const int nGroup = m_nWindowFirstGroup + g;
            const int nLast = (std::min)(GetGroupItemCount(nGroup) - 1, m_nWindowLastIndex);
            for (int k = m_nWindowFirstIndex; k <= nLast; ++k) {
                DEDizedData* pItem = m_pChart->GetDataItem(k, nGroup);
                if (!Missing(pItem))
                    m_yData.Include(pItem->GetValue(0));
            }
        }
    }
    ApplyFixedRange();
}

// ---- frames -----------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawCircleFrame(int nSpokes, double dStep)
{
    const Circle circle = GetCircle();
    if (circle.dRadius < 1.0 || m_pDC == nullptr)
        return;
    CPen* pGrid = GetPen(PS_SOLID, 1, m_style.m_crColor);
    if (pGrid == nullptr)
        return;
    SelectScope scope(m_pDC, pGrid->m_hObject, ::GetStockObject(NULL_BRUSH));
    if (!HasFlag(flagNoHorizontalGrid)) {
        for (POSITION pos = m_yTicks.GetHeadPosition(); pos != nullptr;) {
            const CPoint& tick = *static_cast<CPoint*>(m_yTicks.GetNext(pos));
            const int r = std::abs(circle.cy - tick.y);
            m_pDC->Ellipse(circle.cx - r, circle.cy - r, circle.cx + r + 1, circle.cy + r + 1);
        }
    }
    if (!HasFlag(flagNoVerticalGrid)) {
        for (int k = 0; k < nSpokes; ++k) {
            m_pDC->MoveTo(circle.cx, circle.cy);
            m_pDC->LineTo(OnCircle(circle.cx, circle.cy, k * dStep - kQuarterTurn, circle.dRadius));
        }
    }
}

void DEDizedDisplay::DrawRadarFrame()
{
    if (m_nIndexCount >= 3)
        DrawCircleFrame(m_nIndexCount, kFullTurn / m_nIndexCount);
}

void DEDizedDisplay::DrawPolarFrame()
{
    DrawCircleFrame(kPolarSpokes, kPolarStep);
}

// ---- scales -----------------------------------------------------------------------------------------------------

void DEDizedDisplay::BuildCircleScales(int nLabels, double dStep, double dLabelRadius, const CScale& range,
                                       CString (*textOf)(DEDizedDisplay* pDisplay, int k))
{
    const Circle circle = GetCircle();
    if (m_pChart == nullptr || m_pDC == nullptr || circle.dLabelRadius < 1.0)
        return;
    const int nDiscRadius = int(circle.dRadius + 0.5);
    if (HasFlag(flagFillPlot)) {
        CBrush brush;
        if (brush.CreateSolidBrush(m_style.m_crFill1)) {
            SelectScope scope(m_pDC, ::GetStockObject(NULL_PEN), brush.m_hObject);
            m_pDC->Ellipse(circle.cx - nDiscRadius, circle.cy - nDiscRadius, circle.cx + nDiscRadius + 1,
                           circle.cy + nDiscRadius + 1);
        }
    }
    AfxAllocating([&] {
        if (m_pLabelBlock == nullptr)
            m_pLabelBlock = new DEDizedLabelBlock;
        if (m_pYScale == nullptr) {
            if (HasFlag(flagLogarithmic))
                m_pYScale = new SRGLogScale;
            else
                m_pYScale = new SRGDecimalScale;
        }
    });
    const bool bWindow = HasOption(optionWindowScales);
    for (DEDizedLabelBlock* pBlock : {m_pLabelBlock, m_pYScale}) {
        pBlock->SetChart(m_pChart);
        if (bWindow)
            pBlock->SetDataWindow(m_nFirstIndex, m_nFirstGroup, m_nLastIndex, m_nLastGroup);
        else
            pBlock->SetDataWindow(-1, -1, -1, -1);
        pBlock->SetFont(m_nFontSize, m_nFontFlags, m_strFace);
        pBlock->SetTextColour(GetTextColour());
    }
    int& nKind = m_pLabelBlock->GetStyle()->m_nKind;
    nKind = (nKind & ~0xF0) | (HasFlag(flagFillPlot) ? kPlacementRepeated : kPlacementSingle);

    if (!HasFlag(flagNoXScale)) {
        const int nMode = GetChartMode();
        for (int k = 0; k < nLabels; ++k) {
            const double dAngle = k * dStep - kQuarterTurn;
            double dDegrees = std::fmod(dAngle * kChartDegreesPerRadian, 360.0);
            if (dDegrees < 0.0)
                dDegrees += 360.0;
            DEDizedLabel* pLabel = m_pLabelBlock->GetLabel(k);
            if (pLabel == nullptr)
                pLabel = m_pLabelBlock->AddLabel("");
            pLabel->SetText(nMode, textOf(this, k));
            pLabel->PlaceAt(int(circle.cx + std::cos(dAngle) * dLabelRadius), int(circle.cy + std::sin(dAngle) * dLabelRadius));
            pLabel->SetAnchorPosition(int(dDegrees / 45.0) & 7);
            // crowded labels move away from the centre
            pLabel->SetDirection(std::cos(dAngle), std::sin(dAngle));
        }
        while (m_pLabelBlock->GetLabelCount() > nLabels)
            m_pLabelBlock->RemoveLastLabel();
        m_pLabelBlock->Draw(m_pDC, m_pWnd);
    }

    if (!HasFlag(flagNoYScale)) {
        SRGDecimalScale* pScale = static_cast<SRGDecimalScale*>(m_pYScale);
        int& nScaleKind = pScale->GetStyle()->m_nKind;
        nScaleKind = (nScaleKind & ~0xF0) | (HasFlag(flagPatternFaces) ? kPlacementRepeated : kPlacementSingle);
        pScale->SetRecordedAnchors(&m_yTicks);
        pScale->SetAnchorRecording(1);
        pScale->SetStart(circle.cx, circle.cy);
        pScale->SetEnd(circle.cx, circle.cy - nDiscRadius);
        pScale->SetAscending();
        pScale->SetLabelSide(0);
        pScale->SetLabelGap(int(GetMarginPixels() * 1.25));
        if (!m_extraTexts[1].IsEmpty())
            pScale->SetFormat(m_extraTexts[1]);
        pScale->SetStep(m_extraValues[1]);
        pScale->SetMinimum(range.m_dMinimum);
        pScale->SetMaximum(range.m_dMaximum);
        // the figures up the radius stand a quarter taller than the display's text round the circle
        const int nTextHeight =
            m_nFontSize >= 0 ? ::MulDiv(m_nFontSize, ChartDeviceDpi(m_pDC).cy, 72) : -m_nFontSize;
        pScale->SetFont(-int(1.25 * nTextHeight), m_nFontFlags, m_strFace);
        LayOutScale(pScale, false);
    }
}

void DEDizedDisplay::BuildRadarScales()
{
    if (!(m_yData.GetRange() > kTinyRange) || m_style.GetValueLabelKind() == 0 || m_nIndexCount <= 0)
        return;
    BuildCircleScales(m_nIndexCount, kFullTurn / m_nIndexCount, GetCircle().dLabelRadius, m_yData, RadarLabelText);
}

void DEDizedDisplay::BuildPolarScales()
{
    if (!(m_yView.GetRange() > kTinyRange) || m_style.GetValueLabelKind() == 0)
        return;
    BuildCircleScales(kPolarSpokes, kPolarStep, int(GetCircle().dLabelRadius + 0.5), m_yView, PolarLabelText);
}
