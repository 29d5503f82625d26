// DEDizedComponent: the drawing of data points: lines, markers, widgets, bar symbols, line ends and
// value labels.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/ChartGeometry.h"
#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedData.h"
#include "chart/engine/SRGCompiledPolygon.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"

namespace {

const int kPaletteCount = 16;

// Standard sizes: the half size of markers, the size of widgets and line ends, the depth of bars and
// bands, the distance of a value label from its point (pixels on the screen).
const int kMarkerHalfSize = 5;
const int kSymbolSize = 10;
const int kDepth = 10;
const int kLabelOffset = 10;

// Solid line kinds and the pen styles of the dashed ones (line kinds 5 to 8).
const int kDashStyles[4] = {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};

// The compass direction of a label position: 0 west, 1 north-west, 2 north, 3 north-east, 4 east,
// 5 south-east, 6 south, 7 south-west; any other value none.
CSize CompassDirection(int nPosition)
{
    static const int kDirections[8][2] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}};
    if (nPosition < 0 || nPosition > 7)
        return CSize(0, 0);
    return CSize(kDirections[nPosition][0], kDirections[nPosition][1]);
}

// Holds a pen and a brush selected into a DC and the background mode transparent for its lifetime.
class DrawingTools {
public:
    DrawingTools(CDC* pDC, CPen* pPen, CBrush* pBrush) : m_pDC(pDC)
    {
        m_pOldPen = pPen != nullptr ? pDC->SelectObject(pPen) : nullptr;
        m_pOldBrush = pBrush != nullptr ? pDC->SelectObject(pBrush) : nullptr;
        m_nOldMode = pDC->SetBkMode(TRANSPARENT);
    }
    ~DrawingTools()
    {
        m_pDC->SetBkMode(m_nOldMode);
        if (m_pOldBrush != nullptr)
            m_pDC->SelectObject(m_pOldBrush);
        if (m_pOldPen != nullptr)
            m_pDC->SelectObject(m_pOldPen);
    }
    DrawingTools(const DrawingTools&) = delete;
    DrawingTools& operator=(const DrawingTools&) = delete;

private:
    CDC* m_pDC;
    CPen* m_pOldPen;
    CBrush* m_pOldBrush;
    int m_nOldMode;
};

// The part of a "start|end" widget name: nPart 1 before the '|', 2 after it, 0 up to it (the whole
// name when it has none).
CString NamePart(const CString& name, int nPart)
{
    const int nBar = name.Find('|');
    if (nPart == 0)
        return nBar < 0 ? name : name.Left(nBar);
    if (nBar < 0)
        return CString();
    return nPart == 1 ? name.Left(nBar) : name.Mid(nBar + 1);
}

} // namespace

DEDizedLabel* DEDizedComponent::CreateLabel()
{
    DEDizedLabel* pLabel = nullptr;
    AfxAllocating([&] { pLabel = new DEDizedLabel; });
    return pLabel;
}

void DEDizedComponent::DrawDataPoint(int x1, int y1, int x2, int y2, DEDizedStyle* pStyle, int nDrawMode,
                                     DEDizedData* pItem)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::DrawDataPoint", "the style");
    switch (const int nMarker = pStyle->GetMarkerKind()) {
    case 0:
        return;
    case 1:
    case 3:
    case 18: {
        DrawLine(x1, y1, x2, y2, pStyle, m_nPaletteIndex, 0);
        // the item goes with the point its widget marks (the second one when both have one)
        if (nDrawMode == 0)
            DrawWidget(x1, y1, pStyle, pItem);
        if (nDrawMode == 2)
            DrawWidget(x1, y1, pStyle, nullptr);
        if (nDrawMode == 1 || nDrawMode == 2)
            DrawWidget(x2, y2, pStyle, pItem);
        const double dAngle =
            x1 == x2 && y1 == y2 ? 0.0 : -std::atan2(double(y2 - y1), double(x2 - x1)) * kChartDegreesPerRadian;
        DrawLineEnd(x1, y1, pStyle, 1, dAngle);
        DrawLineEnd(x2, y2, pStyle, 2, dAngle);
        return;
    }
    case 2:
        DrawWidget(x2, y2, pStyle, pItem);
        return;
    case 4:
    case 11:
        DrawLine(x1, y1, x2, y2, pStyle, m_nPaletteIndex, 0);
        if (pItem != nullptr)
            DrawValueLabel(x2, y2, pItem);
        return;
    default:
        DrawLine(x1, y1, x2, y2, pStyle, m_nPaletteIndex, 0);
        if (nMarker >= 12 && nMarker <= 14)
            DrawMarker(x2, y2, pStyle, pItem);
        else
            CustomMarker(x2, y2, pStyle, pItem);
        return;
    }
}

void DEDizedComponent::DrawLine(int x1, int y1, int x2, int y2, DEDizedStyle* pStyle, int nPaletteCode,
                                int nLineKind)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::DrawLine", "the style");
    if (!IsDrawing() || m_pDC == nullptr)
        return;
    if (pStyle->GetMarkerKind() == 11) {
        // a band: the segment and its copy moved back by the depth, filled in the palette colour
        const double dDepth = m_style.HasOwnSizes() ? m_style.GetDepth() : kDepth;
        const int dx = int(GetDeviceScaleX() * dDepth + 0.5);
        const int dy = int(GetDeviceScaleY() * dDepth + 0.5);
        const POINT band[5] = {{x1, y1}, {x2, y2}, {x2 + dx, y2 - dy}, {x1 + dx, y1 - dy}, {x1, y1}};
        DEDizedStyle fill(*pStyle);
        fill.m_crFill1 = GetPaletteColour(nPaletteCode);
        FillPolygon(band, 5, &fill, 32);
        return;
    }
    if (nLineKind == 0)
        nLineKind = pStyle->GetLineKind();
    const int nWidth = pStyle->GetEdgeWidth();
    CPen* pPen = nullptr;
    CPen pattern;
    switch (nLineKind) {
    case 0:
        return;
    case 1:
        SetPenCode(nPaletteCode, nWidth, kPaletteCount);
        pPen = m_pPalettePen;
        break;
    case 2:
    case 4:
        pPen = GetPen(PS_SOLID, nWidth, pStyle->GetEdgeColour());
        break;
    case 3: {
        CBitmap bitmap;
        if (!bitmap.LoadBitmap(pStyle->GetEdgeBitmapName()))
            return;
        LOGBRUSH brush = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap.m_hObject)};
        if (!pattern.CreatePen(PS_GEOMETRIC, (std::max)(nWidth, 1), &brush))
            return;
        pPen = &pattern;
        break;
    }
    case 5:
    case 6:
    case 7:
    case 8:
        pPen = GetPen(kDashStyles[nLineKind - 5], nWidth, pStyle->GetEdgeColour());
        break;
    default:
        pPen = GetDefaultPen();
        break;
    }
    if (pPen == nullptr)
        return;
    DrawingTools tools(m_pDC, pPen, nullptr);
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
}

void DEDizedComponent::DrawMarker(int x, int y, DEDizedStyle* pStyle, DEDizedData* pItem)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::DrawMarker", "the style");
    const int nMarker = pStyle->GetMarkerKind();
    if (nMarker == 0 || !IsDrawing() || m_pDC == nullptr)
        return;
    const int g = GetMarkerHalfSize(pStyle);
    CPen* pPen = nullptr;
    CBrush* pBrush = nullptr;
    CBrush solid;
    if (pStyle->GetDataFillKind() == 1) {
        SetBrushCode(m_nPaletteIndex, kPaletteCount);
        SetPenCode(m_nPaletteIndex, 1, kPaletteCount);
        pBrush = &m_paletteBrush;
        pPen = m_pPalettePen;
    } else {
        pPen = GetPen(PS_SOLID, 1, pStyle->m_crFill1);
        if (!solid.CreateSolidBrush(pStyle->m_crFill1))
            AfxThrowResourceException();
        pBrush = &solid;
    }
    {
        DrawingTools tools(m_pDC, pPen, pBrush);
        if (nMarker == 13) {
            m_pDC->Rectangle(x - g, y - g, x + g + 1, y + g + 1);
        } else if (nMarker == 14) {
            const POINT diamond[4] = {{x, y - g}, {x + g, y}, {x, y + g}, {x - g, y}};
            m_pDC->Polygon(diamond, 4);
        } else {
            m_pDC->Ellipse(x - g, y - g, x + g + 1, y + g + 1);
        }
    }
    if (pItem != nullptr)
        DrawValueLabel(x, y, pItem);
}

int DEDizedComponent::GetMarkerHalfSize(DEDizedStyle* pStyle)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::GetMarkerHalfSize", "the style");
    double dHalf = pStyle->HasOwnSizes() ? pStyle->GetSymbolWidth() : kMarkerHalfSize;
    dHalf = (std::max)(dHalf, 2.0);
    if (m_pDC != nullptr && m_pDC->IsPrinting())
        dHalf *= GetDeviceScaleX();
    return int(dHalf);
}

void DEDizedComponent::CustomMarker(int /*x*/, int /*y*/, DEDizedStyle* /*pStyle*/, DEDizedData* /*pItem*/)
{
}

void DEDizedComponent::DrawWidget(int x, int y, DEDizedStyle* pStyle, DEDizedData* pItem)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::DrawWidget", "the style");
    if (!IsDrawing() || m_pDC == nullptr || m_pChart == nullptr)
        return;
    CString name;
    switch (const int nMarker = pStyle->GetMarkerKind()) {
    case 0:
        return;
    case 1:
    case 2:
    case 3:
        if (nMarker != 1)
            name = NamePart(pStyle->GetWidgetName(), 0);
        if (name.IsEmpty())
            AfxLoadString(IDS_CHART_WIDGET_FIRST + (m_nPaletteIndex & 7), name);
        break;
    default:
        if (nMarker >= 12 && nMarker <= 14) {
            DrawMarker(x, y, pStyle, pItem);
            return;
        }
        name = pStyle->GetWidgetName();
        break;
    }
    SRGCompiledPolygon* pPolygon = nullptr;
    if (!name.IsEmpty() && m_pChart->GetPolygon(name, "WIGETS", pPolygon, 0.0)) {
        const double dWidth = kSymbolSize * (pStyle->HasOwnSizes() ? pStyle->GetSymbolWidth() : GetDeviceScaleX());
        const double dHeight = kSymbolSize * (pStyle->HasOwnSizes() ? pStyle->GetSymbolHeight() : GetDeviceScaleY());
        const int nLeft = x - int(dWidth / 2);
        const int nTop = y - int(dHeight / 2);
        const POINT* pPoints = pPolygon->FitToRect(CRect(nLeft, nTop, nLeft + int(dWidth), nTop + int(dHeight)));
        FillPolygon(pPoints, pPolygon->GetCount(), pStyle, 0);
        FramePolygon(pPoints, pPolygon->GetCount(), pStyle, 0);
    }
    if (pItem != nullptr)
        DrawValueLabel(x, y, pItem);
}

void DEDizedComponent::DrawLineEnd(int x, int y, DEDizedStyle* pStyle, int nEnd, double dAngle)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::DrawLineEnd", "the style");
    if (nEnd == 0 || !IsDrawing() || m_pDC == nullptr || m_pChart == nullptr)
        return;
    const CString name = NamePart(pStyle->GetWidgetName(), nEnd);
    SRGCompiledPolygon* pPolygon = nullptr;
    if (name.IsEmpty() || !m_pChart->GetPolygon(name, "LINE_ENDS", pPolygon, dAngle))
        return;
    const double dScale = (pStyle->HasOwnSizes() ? pStyle->GetSymbolWidth() : kSymbolSize) * GetDeviceScaleX();
    pPolygon->SetFirstScale(dScale);
    pPolygon->SetSecondScale(dScale);
    const POINT* pPoints = pPolygon->Place(x, y);
    FillPolygon(pPoints, pPolygon->GetCount(), pStyle, 0);
    FramePolygon(pPoints, pPolygon->GetCount(), pStyle, 0);
}

void DEDizedComponent::DrawSymbol(int x1, int y1, int x2, int y2, int /*nIndex*/, int /*nGroup*/,
                                  DEDizedStyle* pStyle, int nKind, DEDizedData* pItem)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::DrawSymbol", "the style");
    // the displays pass kinds in their place of a data style word (0x600 is kind 6)
    if (nKind > 0xFF)
        nKind = (nKind >> 8) & 0xFF;
    if (nKind == 0)
        nKind = pStyle->GetMarkerKind();
    if (nKind == 0 || !IsDrawing() || m_pDC == nullptr)
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    DEDizedStyle selected;
    if (pStyle->GetSelection() != 0) {
        selected = *pStyle;
        SelectStyle(&selected);
        pStyle = &selected;
    }
    const int nEdge = pStyle->GetLineKind() == 1 ? 2 : 0;
    auto drawPolygon = [&](const POINT* pPoints, int nCount) {
        FillPolygon(pPoints, nCount, pStyle, 0);
        FramePolygon(pPoints, nCount, pStyle, nEdge);
    };
    const CRect box(x1, y1, x2, y2);
    switch (nKind) {
    case 6: {
        const double dDepth = pStyle->HasOwnSizes() ? pStyle->GetDepth() : kDepth;
        const int dx = int(GetDeviceScaleX() * dDepth + 0.5);
        const int dy = int(GetDeviceScaleY() * dDepth + 0.5);
        const POINT top[5] = {{x1, y1}, {x2, y1}, {x2 + dx, y1 - dy}, {x1 + dx, y1 - dy}, {x1, y1}};
        const POINT side[5] = {{x2, y1}, {x2 + dx, y1 - dy}, {x2 + dx, y2 - dy}, {x2, y2}, {x2, y1}};
        const POINT front[5] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
        const bool bShaded = (m_style.m_nFlags & DEDizedStyle::flagShadedFaces) != 0;
        FillPolygon(top, 5, pStyle, 0);
        if (bShaded)
            ShadePolygon(top, 5, IDB_CHART_BAR_TOP, R2_MERGEPEN);
        FramePolygon(top, 5, pStyle, nEdge);
        FillPolygon(side, 5, pStyle, 0);
        if (bShaded)
            ShadePolygon(side, 5, IDB_CHART_BAR_SIDE, R2_MASKPEN);
        FramePolygon(side, 5, pStyle, nEdge);
        drawPolygon(front, 5);
        break;
    }
    case 7:
        break;
    case 10:
    case 17: {
        SRGCompiledPolygon* pPolygon = nullptr;
        if (nKind == 17) {
            if (m_pChart == nullptr || !m_pChart->GetPolygon("_PV_STOCK_SHAPE_CIRCLE", nullptr, pPolygon, 0.0))
                break;
        } else {
            const CString& name = pStyle->GetWidgetName();
            for (POSITION pos = m_ownPolygons.GetHeadPosition(); pos != nullptr && pPolygon == nullptr;) {
                SRGCompiledPolygon* pOwn = static_cast<SRGCompiledPolygon*>(m_ownPolygons.GetNext(pos));
                if (pOwn->GetName() == name)
                    pPolygon = pOwn;
            }
            if (pPolygon == nullptr &&
                (name.IsEmpty() || m_pChart == nullptr || !m_pChart->GetPolygon(name, "POLYGON", pPolygon, 0.0)))
                break;
        }
        drawPolygon(pPolygon->FitToRect(box), pPolygon->GetCount());
        break;
    }
    case 19:
        DrawLine((x1 + x2) / 2, y2, (x1 + x2) / 2, y1, pStyle, m_nPaletteIndex, 0);
        break;
    case 20:
        DrawLine(x2, (y1 + y2) / 2, x1, (y1 + y2) / 2, pStyle, m_nPaletteIndex, 0);
        break;
    default: {
        const POINT rectangle[5] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
        drawPolygon(rectangle, 5);
        break;
    }
    }
    if (pItem != nullptr) {
        // the label stands at the box's point on the side of its position (the centre for none)
        const CSize side = CompassDirection(pItem->GetStyle()->GetLabelPosition());
        const CPoint centre = box.CenterPoint();
        DrawValueLabel(centre.x + side.cx * box.Width() / 2, centre.y + side.cy * box.Height() / 2, pItem);
    }
}

void DEDizedComponent::ShadePolygon(const POINT* pPoints, int nCount, UINT nBitmap, int nRop)
{
    CBitmap pattern;
    CBrush brush;
    if (!pattern.LoadBitmap(nBitmap) || !brush.CreatePatternBrush(&pattern))
        return;
    CGdiObject* pOldPen = m_pDC->SelectStockObject(NULL_PEN);
    CBrush* pOldBrush = m_pDC->SelectObject(&brush);
    const int nOldRop = m_pDC->SetROP2(nRop);
    m_pDC->Polygon(pPoints, nCount);
    m_pDC->SetROP2(nOldRop);
    m_pDC->SelectObject(pOldBrush);
    m_pDC->SelectObject(pOldPen);
}

void DEDizedComponent::DrawValueLabel(int x, int y, DEDizedData* pItem)
{
    if (!IsDrawing() || m_pDC == nullptr || m_pChart == nullptr || pItem == nullptr)
        return;
    DEDizedStyle* pStyle = pItem->GetStyle();
    CString text;
    switch (pStyle->GetValueLabelKind()) {
    case 0x20:
        text.Format("%g", pItem->GetValue());
        break;
    case 0x50:
        text.Format("%s", pItem->GetAnnotation(GetMode()).GetString());
        break;
    case 0x60:
        text.Format("%s (%g)", pItem->GetAnnotation(GetMode()).GetString(), pItem->GetValue());
        break;
    default:
        return;
    }
    if (m_pLabel == nullptr)
        m_pLabel = CreateLabel();
    DEDizedLabel* pLabel = m_pLabel;
    pLabel->SetChart(m_pChart);
    pLabel->ApplyValueStyle(*pStyle);
    pLabel->SetText(GetMode(), text);
    const double dOffset = m_pDC->IsPrinting() ? kLabelOffset * GetDeviceScaleX() : kLabelOffset;
    const double dOffsetY = m_pDC->IsPrinting() ? kLabelOffset * GetDeviceScaleY() : kLabelOffset;
    const CSize side = CompassDirection(pStyle->GetLabelPosition());
    const CPoint anchor(x + int(side.cx * dOffset), y + int(side.cy * dOffsetY));

    switch ((m_pChart->GetChartStyle()->m_nKind >> 28) & 3) {
    case 2: {
        // the chart owns it now and removes it at its next pass; the next value label is a new one
        m_pLabel = nullptr;
        pLabel->SetName(DEDized::kTemporaryTagName);
        const CPoint offset = pLabel->GetAnchorOffset();
        pLabel->PlaceAt(anchor.x - offset.x, anchor.y - offset.y);
        m_pChart->AddComponent(pLabel);
        break;
    }
    case 3: {
        DEDizedLabelBlock* pBlock = static_cast<DEDizedLabelBlock*>(m_pChart->FindComponentByName(DEDized::kTagBlockName));
        if (pBlock == nullptr) {
            AfxAllocating([&] { pBlock = new DEDizedLabelBlock; });
            pBlock->SetName(DEDized::kTagBlockName);
            DEDizedStyle* pBlockStyle = pBlock->GetStyle();
            pBlockStyle->m_nKind = (pBlockStyle->m_nKind & ~0xF0) | (DEDizedLabelBlock::avoidRepeated << 4);
            pBlockStyle->m_nFlags |= m_style.m_nFlags & DEDizedStyle::flagLeaderLines;
            pBlock->SetAutoResize(1);
            m_pChart->AddComponent(pBlock);
        }
        m_pLabel = nullptr;
        pBlock->AddExistingLabel(pLabel, 1);
        pLabel->PlaceAt(anchor.x, anchor.y);
        break;
    }
    default: {
        const CPoint offset = pLabel->GetAnchorOffset();
        pLabel->PlaceAt(anchor.x - offset.x, anchor.y - offset.y);
        pLabel->Draw(m_pDC, m_pWnd);
        break;
    }
    }
}

void DEDizedComponent::RotatePoint(int& x, int& y, double dAngle, int bRadians)
{
    const double dRadians = bRadians ? dAngle : dAngle * kChartRadiansPerDegree;
    const double s = std::sin(dRadians);
    const double c = std::cos(dRadians);
    const int xTurned = int(y * s + x * c + 0.5);
    y = int(y * c - x * s + 0.5);
    x = xTurned;
}

void DEDizedComponent::HighlightStyle(DEDizedStyle* pStyle)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::HighlightStyle", "the style");
    pStyle->m_crColor ^= 0xFFFFFF;
    pStyle->m_nExtra = 3;
    pStyle->m_nLineKind = (pStyle->m_nLineKind & ~0xF) | 2;
}

void DEDizedComponent::MarkStyle(DEDizedStyle* pStyle)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::MarkStyle", "the style");
    pStyle->m_nFlags |= DEDizedStyle::flagOwnSizes;
    pStyle->m_dLimit1 = pStyle->m_dLimit2 = 3.0;
}

void DEDizedComponent::SelectStyle(DEDizedStyle* pStyle)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::SelectStyle", "the style");
    pStyle->m_nExtra = 3;
    pStyle->m_crColor = RGB(255, 0, 0);
    pStyle->m_nLineKind = (pStyle->m_nLineKind & ~0xF) | 2;
}
