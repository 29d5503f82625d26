// DEDizedDisplay: the standard axes (scales and frame), the depth frame, the XY axes and the pie labels.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/ChartGeometry.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/axes/SRGDateScale.h"
#include "chart/engine/axes/SRGGridLines.h"
#include "chart/engine/axes/SRGIndexScale.h"

namespace {

// How often the bottom labels are measured again on a plot that the labels of the side made narrower.
const int kBottomRefits = 4;

// Bits 4-7 of a label block's kind word: single or repeated overlap avoidance.
const int kPlacementSingle = 0x90;
const int kPlacementRepeated = 0xa0;

bool IsRightValueAxis(int nAxisType)
{
    return nAxisType == 0x0c || nAxisType == 0x0d || nAxisType == 0x13 || nAxisType == 0x15;
}

// Selects pen and brush into a DC for the scope's lifetime.
class PenBrushScope {
public:
    PenBrushScope(CDC* pDC, CPen* pPen, CGdiObject* pBrush) : m_pDC(pDC)
    {
        m_pOldPen = pPen != nullptr ? pDC->SelectObject(pPen) : nullptr;
        m_pOldBrush = pBrush != nullptr ? pDC->SelectObject(pBrush) : nullptr;
    }
    ~PenBrushScope()
    {
        if (m_pOldBrush != nullptr)
            m_pDC->SelectObject(m_pOldBrush);
        if (m_pOldPen != nullptr)
            m_pDC->SelectObject(m_pOldPen);
    }
    PenBrushScope(const PenBrushScope&) = delete;
    PenBrushScope& operator=(const PenBrushScope&) = delete;

private:
    CDC* m_pDC;
    CPen* m_pOldPen;
    CGdiObject* m_pOldBrush;
};

const CPoint& NextPoint(CPtrList& list, POSITION& pos)
{
    return *static_cast<CPoint*>(list.GetNext(pos));
}

} // namespace

// ---- scales -----------------------------------------------------------------------------------------------------

void DEDizedDisplay::PrepareScales(bool bXValues)
{
    const int nAxisType = GetAxisType();
    const bool bYLog = HasFlag(flagLogarithmic);
    AfxAllocating([&] {
        if (m_pXScale == nullptr) {
            const int nGraphType = GetGraphType();
            const bool bDual = nGraphType >= GT_XY_ITEM_PAIRS_DUAL && nGraphType <= GT_XY_GROUP_PAIRS_DUAL;
            if (!bXValues)
                m_pXScale = new SRGIndexScale;
            else if (bDual ? HasOption(optionLogX) : bYLog)
                m_pXScale = new SRGLogScale;
            else if (nAxisType == 0x1a)
                m_pXScale = new SRGDateScale;
            else
                m_pXScale = new SRGDecimalScale;
        }
        if (m_pYScale == nullptr) {
            const bool bDate = bXValues ? nAxisType == 0x1b : nAxisType >= 0x12 && nAxisType <= 0x15;
            if (bYLog)
                m_pYScale = new SRGLogScale;
            else if (bDate)
                m_pYScale = new SRGDateScale;
            else
                m_pYScale = new SRGDecimalScale;
        }
    });
    AttachScales(m_xTicks, m_yTicks);
}

void DEDizedDisplay::AttachScales(CPtrList& rXScaleTicks, CPtrList& rYScaleTicks)
{
    const bool bWindow = HasOption(optionWindowScales);
    auto attach = [&](DEDizedLabelBlock* pScale, CPtrList* pTicks) {
        pScale->SetChart(m_pChart);
        if (bWindow)
            pScale->SetDataWindow(m_nFirstIndex, m_nFirstGroup, m_nLastIndex, m_nLastGroup);
        else
            pScale->SetDataWindow(-1, -1, -1, -1);
        pScale->SetRecordedAnchors(pTicks);
        pScale->SetAnchorRecording(1);
        pScale->SetFont(m_nFontSize, m_nFontFlags, m_strFace);
        pScale->SetTextColour(GetTextColour());
    };
    attach(m_pXScale, &rXScaleTicks);
    attach(m_pYScale, &rYScaleTicks);
}

CRect DEDizedDisplay::LayOutScale(SRGDecimalScale* pScale, bool bMeasure)
{
    pScale->BeginDrawing(m_pDC, m_pWnd);
    CRect box;
    try {
        pScale->BuildLabels();
        if (bMeasure)
            box = pScale->MeasureLabels();
    } catch (...) {
        pScale->EndDrawing();
        throw;
    }
    pScale->EndDrawing();
    if (!bMeasure) {
        pScale->Draw(m_pDC, m_pWnd);
        box = pScale->GetBoundingRect();
    }
    return box;
}

void DEDizedDisplay::SetValueScaleLimits(SRGDecimalScale* pScale, bool bPercent)
{
    double dStep = m_extraValues[1];
    if (!m_extraTexts[1].IsEmpty())
        pScale->SetFormat(m_extraTexts[1]);
    if (bPercent) {
        pScale->SetMinimum(0.0);
        pScale->SetMaximum(100.0);
        if (dStep == 0.0)
            dStep = 5.0;
    } else {
        pScale->SetMinimum(m_yData.m_dMinimum);
        pScale->SetMaximum(m_yData.m_dMaximum);
    }
    pScale->SetStep(dStep);
}

void DEDizedDisplay::BuildScalePasses(bool bXValues, int nNoXScale)
{
    SRGDecimalScale* pX = HasFlag(nNoXScale) ? nullptr : dynamic_cast<SRGDecimalScale*>(m_pXScale);
    SRGDecimalScale* pY = HasFlag(flagNoYScale) ? nullptr : dynamic_cast<SRGDecimalScale*>(m_pYScale);
    const int nAxisType = GetAxisType();
    const int nGraphType = GetGraphType();
    if (pX != nullptr) {
        pX->SetStep(m_extraValues[0]);
        if (bXValues) {
            pX->SetMinimum(m_xView.m_dMinimum);
            pX->SetMaximum(m_xView.m_dMaximum);
        }
    }
    if (pY != nullptr) {
        const bool bPercent = nGraphType == GT_STACKED_VBAR_100 || nGraphType == GT_GROUP_STACKED_VBAR_100;
        SetValueScaleLimits(pY, !bXValues && bPercent);
        if (bXValues) {
            pY->SetMinimum(m_yView.m_dMinimum);
            pY->SetMaximum(m_yView.m_dMaximum);
        }
    }
    const CSize depth =
        !bXValues && (nGraphType == GT_VBAR_3D || ChartAxisShrinksForDepth(nAxisType)) ? GetDepthPixels() : CSize(0, 0);
    LayOutAxes(pX, pY, !bXValues && IsRightValueAxis(nAxisType), depth);
}

void DEDizedDisplay::LayOutAxes(SRGDecimalScale* pBottom, SRGDecimalScale* pSide, bool bRight, CSize depth)
{
    const int nGap = int(GetMarginPixels() * 1.25);
    const bool bFixed = HasFlag(flagPlotFixed);
    auto placement = [](SRGDecimalScale* pScale, bool bRepeated) {
        int& nKind = pScale->GetStyle()->m_nKind;
        nKind = (nKind & ~0xF0) | (bRepeated ? kPlacementRepeated : kPlacementSingle);
    };
    // the room the labels along the bottom may take beside the plot: what the plot had at first
    const int nFirstLeft = m_rcPlot.left;
    const int nFirstRight = m_rcPlot.right;
    auto layOutBottom = [&](bool bMeasure) {
        pBottom->SetStart(m_rcPlot.left, m_rcPlot.bottom);
        pBottom->SetEnd(m_rcPlot.right - depth.cx, m_rcPlot.bottom);
        const CRect box = LayOutScale(pBottom, bMeasure);
        // labels standing out beyond the first room take it from the plot
        bool bMoved = false;
        if (bMeasure && !bFixed && !box.IsRectEmpty()) {
            if (box.right > nFirstRight) {
                m_rcPlot.right -= box.right - nFirstRight;
                bMoved = true;
            }
            if (box.left < nFirstLeft) {
                m_rcPlot.left += nFirstLeft - box.left;
                bMoved = true;
            }
        }
        return std::make_pair(box, bMoved);
    };
    for (int nPass = 0; nPass < 2; ++nPass) {
        const bool bMeasure = nPass == 0;
        if (pBottom != nullptr) {
            placement(pBottom, HasFlag(flagXLabelPlacement));
            pBottom->SetLabelGap(nGap);
            pBottom->SetLabelSide(0);
            if (!HasOption(optionXLabelAngle)) {
                pBottom->GetStyle()->m_nFlags |= SRGDecimalScale::flagOwnOrientation;
                pBottom->GetStyle()->SetTextAngle(0.0);
                pBottom->SetLabelAlignment(2);
            }
            const CRect box = layOutBottom(bMeasure).first;
            if (bMeasure && !bFixed && !box.IsRectEmpty()) {
                const int nRise = box.Height() + int(GetHorizontalMarginPixels());
                if (nRise < m_rcPlot.Height())
                    m_rcPlot.bottom -= nRise;
            }
        }
        if (pSide != nullptr) {
            placement(pSide, HasFlag(flagYLabelPlacement));
            if (bRight) {
                pSide->SetStart(m_rcPlot.right, m_rcPlot.bottom - depth.cy);
                pSide->SetEnd(m_rcPlot.right, m_rcPlot.top);
                pSide->SetLabelSide(1);
            } else {
                pSide->SetStart(m_rcPlot.left, m_rcPlot.bottom);
                pSide->SetEnd(m_rcPlot.left, m_rcPlot.top + depth.cy);
                pSide->SetLabelSide(0);
            }
            pSide->SetAscending();
            pSide->SetLabelGap(nGap);
            const CRect box = LayOutScale(pSide, bMeasure);
            if (bMeasure && !bFixed && !box.IsRectEmpty()) {
                if (bRight && box.right > m_rcPlot.right)
                    m_rcPlot.right -= box.right - m_rcPlot.right;
                else if (!bRight && box.left < m_rcPlot.left)
                    m_rcPlot.left += m_rcPlot.left - box.left;
                if (box.top < m_rcPlot.top)
                    m_rcPlot.top += m_rcPlot.top - box.top;
            }
        }
        // The bottom labels were measured along the first, longer axis: on the axis now left to them
        // they may be others (fewer, one at the far end) and stand out further. They are measured
        // again until they keep to the first room, so that the drawing pass finds them inside it.
        for (int nRefit = 0; bMeasure && !bFixed && pBottom != nullptr && nRefit < kBottomRefits; ++nRefit) {
            if (!layOutBottom(true).second)
                break;
        }
    }
}

void DEDizedDisplay::BuildScales()
{
    if (!(m_yData.GetRange() > kTinyRange) || m_style.GetValueLabelKind() == 0)
        return;
    PrepareScales(false);
    if (SRGIndexScale* pIndex = dynamic_cast<SRGIndexScale*>(m_pXScale))
        pIndex->SetOnPoints(ChartIsLineLikeType(GetGraphType()) ? 1 : 0);
    BuildScalePasses(false);
}

void DEDizedDisplay::BuildXYScales()
{
    if (!(m_yData.GetRange() > kTinyRange) || m_style.GetValueLabelKind() == 0)
        return;
    PrepareScales(true);
    BuildScalePasses(true);
}

// ---- frames -----------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawTicks(CPtrList& rList, int nDirection)
{
    SRGTickMarks ticks;
    ticks.SetChart(m_pChart);
    ticks.SetPositions(&rList);
    // the margin in screen pixels: the tick marks scale their length to a printer themselves
    double dLength = GetMarginPixels();
    if (m_pDC != nullptr && m_pDC->IsPrinting())
        dLength /= (std::max)(GetDeviceScaleX(), GetDeviceScaleY());
    ticks.SetMajorLength(int(dLength));
    ticks.SetMinorCount(0);
    ticks.SetColour(m_style.m_crFill2);
    ticks.SetPenValues(GetFrameWidth(), GetFrameWidth());
    ticks.SetDirection(nDirection);
    ticks.Draw(m_pDC, m_pWnd);
}

void DEDizedDisplay::DrawFrame()
{
    const CRect& plot = m_rcPlot;
    if (HasFlag(flagFillPlot)) {
        CBrush brush;
        if (brush.CreateSolidBrush(m_style.m_crFill1)) {
            PenBrushScope scope(m_pDC, CPen::FromHandle(static_cast<HPEN>(::GetStockObject(NULL_PEN))), &brush);
            m_pDC->Rectangle(plot.left, plot.top, plot.right + 1, plot.bottom + 1);
        }
    }
    // value ticks point away from the plot on either side, category ticks down
    if (!HasFlag(flagNoYTicks) && !m_yTicks.IsEmpty())
        DrawTicks(m_yTicks, IsRightValueAxis(GetAxisType()) ? 1 : 0);
    if (!HasFlag(flagNoXTicks) && !m_xTicks.IsEmpty())
        DrawTicks(m_xTicks, 1);
    if (CPen* pGrid = GetPen(PS_SOLID, 1, m_style.m_crColor)) {
        PenBrushScope scope(m_pDC, pGrid, nullptr);
        if (!HasFlag(flagNoHorizontalGrid)) {
            for (POSITION pos = m_yTicks.GetHeadPosition(); pos != nullptr;) {
                const CPoint& p = NextPoint(m_yTicks, pos);
                m_pDC->MoveTo(plot.left, p.y);
                m_pDC->LineTo(plot.right, p.y);
            }
        }
        if (!HasFlag(flagNoVerticalGrid)) {
            for (POSITION pos = m_xTicks.GetHeadPosition(); pos != nullptr;) {
                const CPoint& p = NextPoint(m_xTicks, pos);
                m_pDC->MoveTo(p.x, plot.bottom);
                m_pDC->LineTo(p.x, plot.top);
            }
        }
    }
    if (CPen* pFrame = GetPen(PS_SOLID, GetFrameWidth(), m_style.m_crFill2)) {
        PenBrushScope scope(m_pDC, pFrame, nullptr);
        m_pDC->MoveTo(plot.left, plot.top);
        m_pDC->LineTo(plot.right, plot.top);
        m_pDC->LineTo(plot.right, plot.bottom);
        m_pDC->LineTo(plot.left, plot.bottom);
        m_pDC->LineTo(plot.left, plot.top);
    }
}

void DEDizedDisplay::DrawFrameTransposed()
{
    DrawFrame();
}

void DEDizedDisplay::DrawXYFrame()
{
    if (m_yData.GetRange() > kTinyRange && m_xData.GetRange() > kTinyRange)
        DrawFrame();
}

void DEDizedDisplay::DrawDepthFrame()
{
    if (m_pChart == nullptr)
        return;
    const CSize depth = GetDepthPixels();
    const int dx = depth.cx;
    const int dy = depth.cy;
    const int left = m_rcPlot.left;
    const int top = m_rcPlot.top;
    const int bottom = m_rcPlot.bottom;
    const int r = m_rcPlot.right - dx;
    const int m = int(GetMarginPixels());
    const bool bMirrored = GetAxisType() == 0x0d || GetAxisType() == 0x15;
    m_pChart->PushClip();
    try {
        m_pChart->ClipToRect(left - m - 1, top - 1, r + m + 1 + dx, bottom + m + 1, RGN_COPY);
        if (HasFlag(flagFillPlot)) {
            const POINT box[7] = {{left, bottom}, {left, top + dy}, {left + dx, top}, {r + dx, top},
                                  {r + dx, bottom - dy}, {r, bottom}, {left, bottom}};
            CBrush brush;
            if (brush.CreateSolidBrush(m_style.m_crFill1)) {
                PenBrushScope scope(m_pDC, CPen::FromHandle(static_cast<HPEN>(::GetStockObject(NULL_PEN))), &brush);
                m_pDC->Polygon(box, 7);
            }
        }
        CPen* pFrame = GetPen(PS_SOLID, GetFrameWidth(), m_style.m_crFill2);
        CPen* pGrid = GetPen(PS_SOLID, 1, m_style.m_crColor);
        if (pFrame != nullptr) {
            PenBrushScope scope(m_pDC, pFrame, nullptr);
            if (!HasFlag(flagNoYTicks)) {
                for (POSITION pos = m_yTicks.GetHeadPosition(); pos != nullptr;) {
                    const CPoint& p = NextPoint(m_yTicks, pos);
                    m_pDC->MoveTo(p.x, p.y);
                    m_pDC->LineTo(bMirrored ? p.x + m : p.x - m, p.y);
                }
            }
            if (!HasFlag(flagNoXTicks)) {
                for (POSITION pos = m_xTicks.GetHeadPosition(); pos != nullptr;) {
                    const CPoint& p = NextPoint(m_xTicks, pos);
                    m_pDC->MoveTo(p.x, bottom);
                    m_pDC->LineTo(p.x, bottom + m);
                }
            }
        }
        if (pGrid != nullptr) {
            PenBrushScope scope(m_pDC, pGrid, nullptr);
            if (!HasFlag(flagNoHorizontalGrid)) {
                for (POSITION pos = m_yTicks.GetHeadPosition(); pos != nullptr;) {
                    const CPoint& p = NextPoint(m_yTicks, pos);
                    if (bMirrored) {
                        // the ticks stand on the back right edge: forward to the front, across the back
                        const POINT line[3] = {{r, p.y + dy}, {r + dx, p.y}, {left + dx, p.y}};
                        m_pDC->Polyline(line, 3);
                    } else {
                        const POINT line[3] = {{left, p.y}, {left + dx, p.y - dy}, {r + dx, p.y - dy}};
                        m_pDC->Polyline(line, 3);
                    }
                }
            }
            if (!HasFlag(flagNoVerticalGrid)) {
                for (POSITION pos = m_xTicks.GetHeadPosition(); pos != nullptr;) {
                    const CPoint& p = NextPoint(m_xTicks, pos);
                    const POINT line[3] = {{p.x, bottom}, {p.x + dx, bottom - dy}, {p.x + dx, top}};
                    m_pDC->Polyline(line, 3);
                }
            }
        }
        if (pFrame != nullptr) {
            PenBrushScope scope(m_pDC, pFrame, CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH))));
            m_pDC->Rectangle(left + dx, top, r + dx + 1, bottom - dy + 1);
            const POINT side[5] = {{left, top + dy}, {left + dx, top}, {left + dx, bottom - dy}, {left, bottom}, {left, top + dy}};
            const POINT floor[5] = {{left, bottom}, {left + dx, bottom - dy}, {r + dx, bottom - dy}, {r, bottom}, {left, bottom}};
            m_pDC->Polyline(side, 5);
            m_pDC->Polyline(floor, 5);
        }
    } catch (...) {
        m_pChart->PopClip();
        throw;
    }
    m_pChart->PopClip();
}

// ---- pie labels -------------------------------------------------------------------------------------------------

CString DEDizedDisplay::PieLabelText(int nKind, double dValue, double dPercent, const char* lpszAnnotation)
{
    CString text;
    switch (nKind) {
    case 0x00:
        break;
    case 0x20:
        text.Format("%f", dValue);
        break;
    case 0x30:
        text.Format("%.2f%%", dPercent);
        break;
    case 0x50:
        text = lpszAnnotation;
        break;
    case 0x60:
        text.Format("%s (%f)", lpszAnnotation, dValue);
        break;
    case 0x70:
        text.Format("%s=%f (%.2f%%)", lpszAnnotation, dValue, dPercent);
        break;
    case 0x80:
        text.Format("%s (%.2f%%)", lpszAnnotation, dPercent);
        break;
    default:
        text.Format("%g (%.2f%%)", dValue, dPercent);
        break;
    }
    return text;
}

double DEDizedDisplay::PiePullOut(int nKindWord)
{
    switch (nKindWord & 0xF00) {
    case 0x100:
    case 0x300:
        return 1.1;
    case 0x200:
        return 1.05;
    case 0x400:
        return 1.2;
    default:
        return 1.0;
    }
}

int DEDizedDisplay::PieLabelOctant(double dDegrees)
{
    double d = std::fmod(dDegrees + 22.5, 360.0);
    if (d < 0.0)
        d += 360.0;
    return int(d / 45.0) & 7;
}

void DEDizedDisplay::BuildPieLabels()
{
    if (m_pChart == nullptr || m_style.GetValueLabelKind() == 0)
        return;
    if (m_pLabelBlock != nullptr)
        m_pLabelBlock->RemoveAllLabels();
    const double dTotal =
        m_pChart->GetRangeSum(m_nWindowFirstGroup, m_nWindowFirstIndex, m_nWindowLastGroup, m_nWindowLastIndex);
    if (!(std::fabs(dTotal) > kTinyRange))
        return;
    if (m_pLabelBlock == nullptr) {
        AfxAllocating([&] { m_pLabelBlock = new DEDizedLabelBlock; });
        m_pLabelBlock->SetAvoidOverlap(0);
    }
    m_pLabelBlock->SetChart(m_pChart);
    m_pLabelBlock->SetFont(m_nFontSize, m_nFontFlags, m_strFace);
    m_pLabelBlock->SetTextColour(GetTextColour());
    const double dRadius = 0.3 * (std::min)(m_rcPlot.Width(), m_rcPlot.Height());
    // a tilted pie is an ellipse: its labels follow it
    const double dRadiusY =
        GetGraphType() == GT_PIE_3D ? dRadius * std::sin(GetPieTilt() * kChartRadiansPerDegree) : dRadius;
    const double dGap = GetMarginPixels() * 1.25 + 3.0;
    const double cx = m_rcPlot.left + m_rcPlot.Width() / 2;
    const double cy = m_rcPlot.top + m_rcPlot.Height() / 2;
    const int nMode = GetChartMode();
    std::vector<PieSlice> slices;
    ListPieSlices(dTotal, slices);
    for (const PieSlice& slice : slices) {
        const double dValue = slice.pItem->GetValue(0);
        const double dMiddle = slice.dStart + slice.dAngle / 2.0;
        const int nKindWord = slice.pItem->GetStyle()->m_nKind;
        const CString text =
            PieLabelText(nKindWord & 0xF0, dValue, 100.0 / dTotal * dValue, slice.pItem->GetAnnotation(nMode));
        const double dPull = PiePullOut(nKindWord);
        DEDizedLabel* pLabel = m_pLabelBlock->AddLabel(text);
        pLabel->PlaceAt(int(cx + std::cos(dMiddle) * (dRadius * dPull + dGap) + 0.5),
                        int(cy + std::sin(dMiddle) * (dRadiusY * dPull + dGap) + 0.5));
        pLabel->SetAnchorPosition(PieLabelOctant(dMiddle * kChartDegreesPerRadian));
    }
    m_pLabelBlock->Draw(m_pDC, m_pWnd);
}
