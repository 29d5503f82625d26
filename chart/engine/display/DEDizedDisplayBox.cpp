// DEDizedDisplay: the perspective displays (columns and bands of the groups one behind the other in an
// oblique box), the box frame and the box scales.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/engine/display/DEDizedDisplay.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/axes/SRGIndexScale.h"
#include "chart/engine/display/DisplayDrawing.h"

namespace {

// The receding edges of the box run up at 45 degrees and are drawn at half their length: each pixel of
// depth moves a point this far right (left in the mirrored box) and up.
const double kSlant = 0.35355339059327373;
// The share of the front width that the columns and the depth take.
const double kColumnShare = 0.6;
const double kDepthShare = 0.4;
// A column or band takes the middle of its group's depth.
const double kSlotFront = 0.2;
const double kSlotBack = 0.8;
// Bits 4-7 of a label block's kind word: single or repeated overlap avoidance.
const int kPlacementSingle = 0x90;
const int kPlacementRepeated = 0xa0;

bool IsMirroredBox(int nAxisType)
{
    return nAxisType == 0x04 || nAxisType == 0x06;
}

// pt moved back by the share f of the box's depth.
POINT Back(int x, int y, double f, const DEDizedDisplay::Box& box)
{
    return {int(x + f * box.dx + (box.dx < 0 ? -0.5 : 0.5)), int(y - f * box.dy - 0.5)};
}

} // namespace

DEDizedDisplay::Box DEDizedDisplay::GetBoxGeometry()
{
    const CRect plot = m_rcPlot;
    const int nItems = (std::max)(1, m_nIndexCount);
    const int nGroups = (std::max)(1, m_nGroupCount);
    const double dScale = GetDeviceScaleX();
    double dStep = 0.0;
    double dDepth = 0.0;
    if (HasFlag(flagOwnDepth) && m_style.m_dLimit3 > 0.0) {
        // the style's depth while the box still fits
        dStep = m_style.m_dLimit3 * dScale;
        dDepth = dStep * nGroups;
        if (dDepth * kSlant * 2.0 >= plot.Width() || dDepth * kSlant * 2.0 >= plot.Height())
            dStep = 0.0;
    }
    if (dStep == 0.0) {
        dDepth = kDepthShare * plot.Width() / (1.0 + kDepthShare * kSlant);
        dStep = dDepth / nGroups;
    }
    const int nOffset = int(dDepth * kSlant + 0.5);
    Box box;
    box.dy = nOffset;
    if (IsMirroredBox(GetAxisType())) {
        box.front = CRect(plot.left + nOffset, plot.top + nOffset, plot.right, plot.bottom);
        box.dx = -nOffset;
    } else {
        box.front = CRect(plot.left, plot.top + nOffset, plot.right - nOffset, plot.bottom);
        box.dx = nOffset;
    }
    box.dStep = dStep;
    box.dColumn = kColumnShare * box.front.Width() / nItems;
    if (HasFlag(flagOwnDepth)) {
        const double dOwn = GetBarWidth() * dScale;
        if (dOwn > 0.0 && box.front.Width() * kColumnShare >= dOwn * nItems)
            box.dColumn = dOwn;
    }
    return box;
}

void DEDizedDisplay::ListBoxGroups(std::vector<int>& rGroups)
{
    std::vector<double> totals;
    if (!SizeWorkArray(rGroups, size_t((std::max)(0, m_nGroupCount))) || !SizeWorkArray(totals, rGroups.size())) {
        rGroups.clear();
        return;
    }
    for (int g = 0; g < m_nGroupCount; ++g) {
        rGroups[g] = m_nWindowFirstGroup + g;
        if (m_pChart != nullptr)
            totals[g] = m_pChart->GetRangeSum(rGroups[g], m_nWindowFirstIndex, rGroups[g], m_nWindowLastIndex);
    }
    if (!HasFlag(flagKeepGroupOrder)) {
        // the largest group furthest back, so that the smaller stand in front of it
        std::stable_sort(rGroups.begin(), rGroups.end(), [&](int a, int b) {
            return totals[a - m_nWindowFirstGroup] > totals[b - m_nWindowFirstGroup];
        });
    }
}

void DEDizedDisplay::FallBackToColumns()
{
    SetGraphType(GT_VBAR);
    SetAxisType(AXIS_STANDARD);
    MarkStyleChanged();
    m_style.m_nOptions = (m_style.m_nOptions & ~0xFF) | 1;
}

// ---- drawing ----------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawFace(const POINT* pPoints, int nCount, int nItem, int nGroup, DEDizedStyle* pStyle, int nRop)
{
    m_pChart->AddPolygonFeedback(pPoints, nCount, nItem, nGroup);
    FillPolygon(pPoints, nCount, pStyle, 0);
    FramePolygon(pPoints, nCount, pStyle, 0);
    if (nRop != 0)
        ShadePolygon(pPoints, nCount, IDB_CHART_BAR_TOP, nRop);
}

void DEDizedDisplay::DrawPerspectiveBars()
{
    if (!CanDrawData())
        return;
    if (m_yData.m_dMinimum < 0.0) {
        // negative columns do not stand in the box: plain columns from the next draw on
        FallBackToColumns();
        return;
    }
    const Box box = GetBoxGeometry();
    std::vector<int> groups;
    ListBoxGroups(groups);
    const int nGroups = int(groups.size());
    const bool bShade = HasFlag(flagPatternFaces);
    const double dRoom = double(box.front.Width()) / m_nIndexCount;
    for (int p = 0; p < nGroups; ++p) {
        const int nGroup = groups[p];
        // the first group drawn stands furthest back
        const int nSlot = nGroups - 1 - p;
        const double f0 = (nSlot + kSlotFront) / nGroups;
        const double f1 = (nSlot + kSlotBack) / nGroups;
        m_nPaletteIndex = nGroup;
        for (int j = 0; j < m_nIndexCount; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            DEDizedStyle* pStyle = GetValueStyle(pItem, nGroup, kLineKindByte);
            const int x0 = box.front.left + int(dRoom * (j + 0.5) - box.dColumn / 2.0 + 0.5);
            const int x1 = x0 + int(box.dColumn + 0.5);
            const int yb = box.front.bottom;
            const int yt = (std::min)(yb, ValueY(AxisValue(pItem), box.front));
            // the side turned to the viewer: right, or left in the mirrored box
            const int xs = box.dx >= 0 ? x1 : x0;
            const POINT side[4] = {Back(xs, yt, f0, box), Back(xs, yt, f1, box), Back(xs, yb, f1, box), Back(xs, yb, f0, box)};
            const POINT front[4] = {Back(x0, yt, f0, box), Back(x1, yt, f0, box), Back(x1, yb, f0, box), Back(x0, yb, f0, box)};
            const POINT top[4] = {Back(x0, yt, f0, box), Back(x1, yt, f0, box), Back(x1, yt, f1, box), Back(x0, yt, f1, box)};
            DrawFace(side, 4, nItem, nGroup, pStyle, bShade ? R2_MASKPEN : 0);
            DrawFace(front, 4, nItem, nGroup, pStyle, 0);
            DrawFace(top, 4, nItem, nGroup, pStyle, bShade ? R2_MERGEPEN : 0);
        }
    }
}

void DEDizedDisplay::DrawPerspectiveAreas()
{
    if (!CanDrawData())
        return;
    if (m_yData.m_dMinimum < 0.0 || m_nIndexCount < 2)
        FallBackToColumns();
    const Box box = GetBoxGeometry();
    std::vector<int> groups;
    ListBoxGroups(groups);
    const int nGroups = int(groups.size());
    const bool bFlat = GetGraphType() == GT_3D_AREA_FLAT;
    const bool bShade = HasFlag(flagPatternFaces);
    const double dRoom = double(box.front.Width()) / m_nIndexCount;
    std::vector<POINT> points;
    std::vector<int> itemsOf;
    for (int p = 0; p < nGroups; ++p) {
        const int nGroup = groups[p];
        const int nSlot = nGroups - 1 - p;
        // a flat band is a ribbon in the middle of its depth
        const double f0 = (nSlot + (bFlat ? 0.5 : kSlotFront)) / nGroups;
        const double f1 = (nSlot + (bFlat ? 0.5 : kSlotBack)) / nGroups;
        m_nPaletteIndex = nGroup;
        DEDizedStyle* pStyle = GetGroupStyle(nGroup);
        if (pStyle == nullptr)
            continue;
        points.clear();
        itemsOf.clear();
        for (int j = 0; j < m_nIndexCount; ++j) {
            const int nItem = m_nWindowFirstIndex + j;
            DEDizedData* pItem = m_pChart->GetDataItem(nItem, nGroup);
            if (pItem == nullptr || pItem->IsNull())
                continue;
            const int x = box.front.left + int(dRoom * (j + 0.5) + 0.5);
            const int y = (std::min)(int(box.front.bottom), ValueY(AxisValue(pItem), box.front));
            AfxAllocating([&] {
                points.push_back({x, y});
                itemsOf.push_back(nItem);
            });
        }
        if (points.empty())
            continue;
        if (!bFlat) {
            // the top of the band, strip by strip, behind its front
            for (size_t k = 0; k + 1 < points.size(); ++k) {
                const POINT a = points[k];
                const POINT b = points[k + 1];
                const POINT top[4] = {Back(a.x, a.y, f0, box), Back(b.x, b.y, f0, box), Back(b.x, b.y, f1, box),
                                      Back(a.x, a.y, f1, box)};
                DrawFace(top, 4, itemsOf[k], nGroup, pStyle, bShade ? R2_MERGEPEN : 0);
            }
        }
        std::vector<POINT> front;
        if (!SizeWorkArray(front, points.size() + 2))
            continue;
        for (size_t k = 0; k < points.size(); ++k)
            front[k] = Back(points[k].x, points[k].y, f0, box);
        front[points.size()] = Back(points.back().x, box.front.bottom, f0, box);
        front[points.size() + 1] = Back(points.front().x, box.front.bottom, f0, box);
        DrawFace(front.data(), int(front.size()), itemsOf.front(), nGroup, pStyle, 0);
    }
}

// ---- frame ------------------------------------------------------------------------------------------------------

void DEDizedDisplay::DrawBoxFrame()
{
    if (m_pChart == nullptr || m_pDC == nullptr)
        return;
    const int nAxisType = GetAxisType();
    const Box box = GetBoxGeometry();
    const CRect& f = box.front;
    const CRect back(f.left + box.dx, f.top - box.dy, f.right + box.dx, f.bottom - box.dy);
    const bool bMirrored = IsMirroredBox(nAxisType);
    // the side wall stands at the box's far edge from the viewer: left, or right when mirrored
    const int nSide = bMirrored ? f.right : f.left;
    const POINT sideWall[5] = {{nSide, f.bottom}, {nSide, f.top}, {nSide + box.dx, back.top}, {nSide + box.dx, back.bottom},
                               {nSide, f.bottom}};
    const POINT floor[5] = {{f.left, f.bottom}, {f.right, f.bottom}, {back.right, back.bottom}, {back.left, back.bottom},
                            {f.left, f.bottom}};
    CPen* pFrame = GetPen(PS_SOLID, 1, m_style.m_crFill2);
    CPen* pGrid = GetPen(PS_SOLID, 1, m_style.m_crColor);
    if (pFrame == nullptr || pGrid == nullptr)
        return;
    CPen* pOldPen = m_pDC->SelectObject(pFrame);
    if (nAxisType == 0x04 || nAxisType == 0x05) {
        // the open box: its side wall's outline alone
        m_pDC->Polyline(sideWall, 5);
        m_pDC->SelectObject(pOldPen);
        return;
    }
    CBrush fill;
    const bool bFill = HasFlag(flagFillPlot) && fill.CreateSolidBrush(m_style.m_crFill1);
    CGdiObject* pOldBrush =
        m_pDC->SelectObject(bFill ? static_cast<CGdiObject*>(&fill) : CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH))));
    m_pDC->Rectangle(back.left, back.top, back.right + 1, back.bottom + 1);
    m_pDC->SelectObject(pOldBrush);
    m_pDC->Polyline(sideWall, 5);
    m_pDC->Polyline(floor, 5);

    const int nTick = int(GetMarginPixels());
    if (!HasFlag(flagNoYTicks)) {
        m_pChart->PushClip();
        m_pChart->ClipToRect(m_rcPlot.left - nTick - 1, m_rcPlot.top - nTick - 1, m_rcPlot.right + nTick + 1,
                             m_rcPlot.bottom + nTick + 1, RGN_COPY);
        for (POSITION pos = m_yTicks.GetHeadPosition(); pos != nullptr;) {
            const CPoint& p = *static_cast<CPoint*>(m_yTicks.GetNext(pos));
            m_pDC->MoveTo(p.x + nTick, p.y);
            m_pDC->LineTo(p.x - nTick, p.y);
        }
        m_pChart->PopClip();
    }
    m_pDC->SelectObject(pGrid);
    const int nFar = bMirrored ? back.left : back.right;
    if (!HasFlag(flagNoHorizontalGrid)) {
        for (POSITION pos = m_yTicks.GetHeadPosition(); pos != nullptr;) {
            const CPoint& p = *static_cast<CPoint*>(m_yTicks.GetNext(pos));
            const POINT line[3] = {{nSide, p.y}, {nSide + box.dx, p.y - box.dy}, {nFar, p.y - box.dy}};
            m_pDC->Polyline(line, 3);
        }
    }
    if (!HasFlag(flagNoVerticalGrid)) {
        for (POSITION pos = m_xTicks.GetHeadPosition(); pos != nullptr;) {
            const CPoint& p = *static_cast<CPoint*>(m_xTicks.GetNext(pos));
            const POINT line[3] = {{p.x, f.bottom}, {p.x + box.dx, back.bottom}, {p.x + box.dx, back.top}};
            m_pDC->Polyline(line, 3);
        }
    }
    if (!HasFlag(flagNoDepthGrid)) {
        // across the floor at each group's depth, from beside its label to the side wall and up it
        for (POSITION pos = m_depthTicks.GetHeadPosition(); pos != nullptr;) {
            const CPoint& p = *static_cast<CPoint*>(m_depthTicks.GetNext(pos));
            const double dShare = box.dy > 0 ? double(f.bottom - p.y) / box.dy : 0.0;
            const int nWallX = int(nSide + dShare * box.dx + (box.dx < 0 ? -0.5 : 0.5));
            const int nWallTop = int(f.top - dShare * box.dy - 0.5);
            const POINT line[3] = {{bMirrored ? p.x + 10 : p.x - 10, p.y}, {nWallX, p.y}, {nWallX, nWallTop}};
            m_pDC->Polyline(line, 3);
        }
    }
    m_pDC->SelectObject(pOldPen);
}

// ---- scales -----------------------------------------------------------------------------------------------------

void DEDizedDisplay::BuildBoxScales()
{
    if (m_pChart == nullptr || m_nGroupCount <= 0 || m_nIndexCount <= 0 || !(m_yData.GetRange() > kTinyRange) ||
        m_style.GetValueLabelKind() == 0)
        return;
    // negative values end the building here: the drawing turns the display into plain columns
    if (m_yData.m_dMinimum < 0.0)
        return;
    const bool bMirrored = IsMirroredBox(GetAxisType());
    const bool bLog = HasFlag(flagLogarithmic);
    AfxAllocating([&] {
        if (m_pYScale != nullptr && m_pYScale->IsKindOf(RUNTIME_CLASS(SRGLogScale)) != bLog) {
            delete m_pYScale;
            m_pYScale = nullptr;
        }
        if (m_pYScale == nullptr)
            m_pYScale = bLog ? new SRGLogScale : new SRGDecimalScale;
        if (m_pXScale != nullptr && !m_pXScale->IsKindOf(RUNTIME_CLASS(SRGIndexScale))) {
            delete m_pXScale;
            m_pXScale = nullptr;
        }
        if (m_pXScale == nullptr)
            m_pXScale = new SRGIndexScale;
        if (m_pLabelBlock == nullptr)
            m_pLabelBlock = new DEDizedLabelBlock;
    });
    AttachScales(m_xTicks, m_yTicks);
    SRGDecimalScale* pValues = HasFlag(flagNoYScale) ? nullptr : static_cast<SRGDecimalScale*>(m_pYScale);
    SRGIndexScale* pCategories = HasFlag(flagNoXScale) ? nullptr : static_cast<SRGIndexScale*>(m_pXScale);
    DEDizedLabelBlock* pGroups = HasFlag(flagNoGroupLabels) ? nullptr : m_pLabelBlock;
    auto placement = [](DEDizedLabelBlock* pBlock, bool bRepeated) {
        int& nKind = pBlock->GetStyle()->m_nKind;
        nKind = (nKind & ~0xF0) | (bRepeated ? kPlacementRepeated : kPlacementSingle);
    };
    if (pGroups != nullptr) {
        pGroups->SetChart(m_pChart);
        pGroups->SetFont(m_nFontSize, m_nFontFlags, m_strFace);
        pGroups->SetTextColour(GetTextColour());
        pGroups->RemoveAllLabels();
        std::vector<int> order;
        ListBoxGroups(order);
        const int nMode = GetChartMode();
        // front to back: the group drawn last stands in front
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            pGroups->AddLabel(m_pChart->GetGroupAnnotation(*it, nMode));
        pGroups->SetAngle(bMirrored ? 90.0 : 270.0);
        if (bMirrored)
            pGroups->SetAnchorPosition(4);
    }
    const int nGap = int(GetMarginPixels() * 1.25);
    const bool bFixed = HasFlag(flagPlotFixed);
    for (int nPass = 0; nPass < 2; ++nPass) {
        const bool bMeasure = nPass == 0;
        const Box box = GetBoxGeometry();
        int nRise = 0;
        if (pValues != nullptr) {
            placement(pValues, HasFlag(flagYLabelPlacement));
            const int x = bMirrored ? box.front.right : box.front.left;
            pValues->SetStart(x, box.front.bottom);
            pValues->SetEnd(x, box.front.top);
            pValues->SetLabelSide(bMirrored ? 1 : 0);
            pValues->SetAscending();
            pValues->SetLabelGap(nGap);
            SetValueScaleLimits(pValues, false);
            const CRect labels = LayOutScale(pValues, bMeasure);
            if (bMeasure && !bFixed && !labels.IsRectEmpty()) {
                if (bMirrored)
                    m_rcPlot.right -= (std::max)(0, int(labels.right) - box.front.right);
                else
                    m_rcPlot.left += (std::max)(0, box.front.left - int(labels.left));
                if (labels.top < m_rcPlot.top)
                    m_rcPlot.top += m_rcPlot.top - labels.top;
            }
        }
        if (pCategories != nullptr) {
            placement(pCategories, HasFlag(flagXLabelPlacement));
            pCategories->SetOnPoints(0);
            pCategories->SetStep(m_extraValues[0]);
            pCategories->SetStart(box.front.left, box.front.bottom);
            pCategories->SetEnd(box.front.right, box.front.bottom);
            pCategories->SetLabelGap(nGap);
            pCategories->SetLabelSide(0);
            if (!HasOption(optionXLabelAngle)) {
                pCategories->GetStyle()->m_nFlags |= SRGDecimalScale::flagOwnOrientation;
                pCategories->GetStyle()->SetTextAngle(0.0);
                pCategories->SetLabelAlignment(2);
            }
            const CRect labels = LayOutScale(pCategories, bMeasure);
            if (!labels.IsRectEmpty())
                nRise = (std::max)(nRise, int(labels.Height()) + int(GetHorizontalMarginPixels()));
        }
        if (pGroups != nullptr) {
            // along the floor's open edge, 5 pixels below it, half a group's depth in from the front corner
            const int nCorner = bMirrored ? box.front.left : box.front.right;
            const int nCount = pGroups->GetLabelCount();
            EmptyList(m_depthTicks);
            for (int i = 0; i < nCount; ++i) {
                const POINT tick = Back(nCorner, box.front.bottom, (i + 0.5) / nCount, box);
                pGroups->GetLabel(i)->PlaceAt(tick.x, tick.y + 5);
                AfxAllocating([&] { m_depthTicks.AddTail(new CPoint(tick)); });
            }
            CRect labels;
            if (bMeasure) {
                pGroups->BeginDrawing(m_pDC, m_pWnd);
                try {
                    labels = pGroups->MeasureLabels();
                } catch (...) {
                    pGroups->EndDrawing();
                    throw;
                }
                pGroups->EndDrawing();
                if (!labels.IsRectEmpty())
                    nRise = (std::max)(nRise, int(labels.bottom) - box.front.bottom);
            } else {
                pGroups->Draw(m_pDC, m_pWnd);
            }
        }
        if (bMeasure && !bFixed && nRise > 0 && nRise < m_rcPlot.Height())
            m_rcPlot.bottom -= nRise;
    }
}
