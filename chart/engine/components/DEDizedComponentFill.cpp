// DEDizedComponent: fills of polygons and regions (solid, palette, gradients) and their edges. The
// bitmap and image fills are in DEDizedComponentImageFill.cpp.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>

#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/DEDized.h"
#include "win/ArgCheck.h"

namespace {

// Palette fills and edges use the chart's palette of 16 colours.
const int kPaletteCount = 16;

// Degrees to radians as the angled gradients were always laid (a little below pi / 180).
const double kRadiansPerDegree = 0.017453292222222222;

// Saves the clip region of the DC drawn into on the chart's clip stack and restores it when the
// fill ends, also when it throws.
class ClipScope {
public:
    explicit ClipScope(DEDized* pChart) : m_pChart(pChart)
    {
        if (m_pChart != nullptr)
            m_pChart->PushClip();
    }
    ~ClipScope()
    {
        if (m_pChart != nullptr)
            m_pChart->PopClip();
    }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    DEDized* m_pChart;
};

// Regions are in logical coordinates, clip regions in device ones. The DCs a chart draws into map
// one to the other by an offset: a band of a printed page moves its window origin.
CPoint DeviceOffset(CDC* pDC)
{
    POINT origin = {0, 0};
    pDC->LPtoDP(&origin);
    return origin;
}

// Narrows the clip of pDC to pRegion.
void ClipToRegion(CDC* pDC, CRgn* pRegion)
{
    CRgn device;
    if (!device.CreateRectRgn(0, 0, 0, 0) || device.CopyRgn(pRegion) == ERROR)
        AfxThrowResourceException();
    const CPoint offset = DeviceOffset(pDC);
    device.OffsetRgn(offset.x, offset.y);
    pDC->SelectClipRgn(&device, RGN_AND);
}

// The clip region of pDC in logical coordinates, made in rRegion. FALSE when the DC has none.
BOOL GetLogicalClip(CDC* pDC, CRgn& rRegion)
{
    if (!rRegion.CreateRectRgn(0, 0, 0, 0))
        AfxThrowResourceException();
    if (::GetClipRgn(pDC->m_hDC, static_cast<HRGN>(rRegion.m_hObject)) != 1)
        return FALSE;
    const CPoint offset = DeviceOffset(pDC);
    rRegion.OffsetRgn(-offset.x, -offset.y);
    return TRUE;
}

// Fills rect with a solid brush of crColour.
void FillSolid(CDC* pDC, const CRect& rect, COLORREF crColour)
{
    CBrush brush;
    if (!brush.CreateSolidBrush(crColour))
        AfxThrowResourceException();
    pDC->FillRect(&rect, &brush);
}

// A colour taken apart into red, green and blue, stepped along a gradient.
struct Channels {
    explicit Channels(COLORREF crColour)
        : value{double(GetRValue(crColour)), double(GetGValue(crColour)), double(GetBValue(crColour))}
    {
    }

    // The colour, each channel truncated.
    COLORREF Colour() const
    {
        BYTE bytes[3];
        for (int i = 0; i < 3; ++i)
            bytes[i] = BYTE((std::min)(255.0, (std::max)(0.0, value[i])));
        return RGB(bytes[0], bytes[1], bytes[2]);
    }

    double value[3];
};

// The step of each channel from crFrom to crTo over dLength, and the largest of them in rdSteepest.
Channels GradientStep(COLORREF crFrom, COLORREF crTo, double dLength, double& rdSteepest)
{
    Channels step(crTo);
    const Channels from(crFrom);
    rdSteepest = 0.0;
    for (int i = 0; i < 3; ++i) {
        step.value[i] = (step.value[i] - from.value[i]) / dLength;
        rdSteepest = (std::max)(rdSteepest, std::fabs(step.value[i]));
    }
    return step;
}

} // namespace

void DEDizedComponent::FillPolygon(const POINT* pPoints, int nCount, DEDizedStyle* pStyle, int nCode)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::FillPolygon", "the style");
    if (nCount < 1 || m_pDC == nullptr)
        return;
    AfxRequirePointer(pPoints, "DEDizedComponent::FillPolygon", "the point array");
    if (nCode == 0)
        nCode = pStyle->GetFillCode();
    if (nCode == 0)
        return;
    ClipScope clip(m_pChart);
    if (nCode == 1 || nCode == 16 || nCode == 32 || nCode == 256) {
        CBrush solid;
        CBrush* pBrush = &solid;
        if (nCode == 1 || nCode == 16) {
            SetBrushCode(m_nPaletteIndex, kPaletteCount);
            pBrush = &m_paletteBrush;
        } else if (!solid.CreateSolidBrush(pStyle->m_crFill1)) {
            AfxThrowResourceException();
        }
        CGdiObject* pOldPen = m_pDC->SelectStockObject(NULL_PEN);
        CBrush* pOldBrush = m_pDC->SelectObject(pBrush);
        m_pDC->Polygon(pPoints, nCount);
        m_pDC->SelectObject(pOldBrush);
        m_pDC->SelectObject(pOldPen);
        return;
    }
    if (m_pChart != nullptr)
        m_pChart->ClipToPolygon(pPoints, nCount, RGN_AND);
    if (nCode == 192 || nCode == 3072) {
        CRgn region;
        CustomFill(GetLogicalClip(m_pDC, region) ? &region : nullptr, pStyle, pStyle->m_crFill1, nCode);
        return;
    }
    FillArea(GetPointsBox(pPoints, nCount), nullptr, pStyle, pStyle->m_crFill1, nCode);
}

void DEDizedComponent::FillRegion(CRgn* pRegion, DEDizedStyle* pStyle, COLORREF crColour, int nCode)
{
    AfxRequirePointer(pRegion, "DEDizedComponent::FillRegion", "the region");
    AfxRequirePointer(pStyle, "DEDizedComponent::FillRegion", "the style");
    FillArea(CRect(0, 0, 0, 0), pRegion, pStyle, crColour, nCode);
}

void DEDizedComponent::CustomFill(CRgn* /*pRegion*/, DEDizedStyle* /*pStyle*/, COLORREF /*crColour*/, int /*nCode*/)
{
}

void DEDizedComponent::FillArea(CRect rect, CRgn* pRegion, DEDizedStyle* pStyle, COLORREF crColour, int nCode)
{
    if (m_pDC == nullptr)
        return;
    if (nCode == 0)
        nCode = pStyle->GetFillCode();
    ClipScope clip(pRegion != nullptr ? m_pChart : nullptr);
    if (pRegion != nullptr) {
        ClipToRegion(m_pDC, pRegion);
        if (rect.IsRectEmpty())
            pRegion->GetRgnBox(&rect);
    }
    if (rect.IsRectEmpty())
        return;
    // solid and palette fills take the right and bottom edge in as well
    const CRect inclusive(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    switch (nCode) {
    case 0:
        break;
    case 16:
        SetBrushCode(m_nPaletteIndex, kPaletteCount);
        m_pDC->FillRect(&inclusive, &m_paletteBrush);
        break;
    case 32:
    case 256:
        FillSolid(m_pDC, inclusive, pStyle->m_crFill1);
        break;
    case 48:
    case 512:
        FillStraightGradient(rect, pStyle->m_crFill1, pStyle->m_crFill2, true);
        break;
    case 64:
    case 768:
        FillStraightGradient(rect, pStyle->m_crFill1, pStyle->m_crFill2, false);
        break;
    case 80:
    case 1024:
        FillAngledGradient(rect, pStyle->m_crFill1, pStyle->m_crFill2, pStyle->m_dGradientAngle);
        break;
    case 96:
    case 1280:
        FillResourceBitmap(rect, pStyle);
        break;
    case 112:
    case 1536:
        FillImageFile(rect, pStyle);
        break;
    default:
        CustomFill(pRegion, pStyle, crColour, nCode);
        break;
    }
}

void DEDizedComponent::FillStraightGradient(const CRect& rect, COLORREF crFrom, COLORREF crTo, bool bVertical)
{
    const int nLength = bVertical ? rect.Height() : rect.Width();
    double dSteepest = 0.0;
    const Channels step = GradientStep(crFrom, crTo, nLength, dSteepest);
    // as many rows per colour as the steepest channel allows without repeating a colour, three times
    int nRows = nLength;
    if (dSteepest >= 1.0 / nLength)
        nRows = (std::max)(1, int(std::floor(1.0 / dSteepest)));
    const int nBand = (std::max)(3, 3 * nRows);
    Channels colour(crFrom);
    const int nEnd = bVertical ? rect.bottom : rect.right;
    for (int nPos = bVertical ? rect.top : rect.left; nPos <= nEnd; nPos += nBand) {
        const CRect band = bVertical ? CRect(rect.left, nPos, rect.right, nPos + nBand)
                                     : CRect(nPos, rect.top, nPos + nBand, rect.bottom);
        FillSolid(m_pDC, band, colour.Colour());
        for (int i = 0; i < 3; ++i)
            colour.value[i] += step.value[i] * nBand;
    }
}

void DEDizedComponent::FillAngledGradient(const CRect& rect, COLORREF crFrom, COLORREF crTo, double dAngle)
{
    const double dDegrees = std::fabs(std::fmod(dAngle, 90.0));
    if (dDegrees < 5.0) {
        FillStraightGradient(rect, crFrom, crTo, false);
        return;
    }
    if (dDegrees > 85.0) {
        FillStraightGradient(rect, crFrom, crTo, true);
        return;
    }
    const double t = dDegrees * kRadiansPerDegree;
    const double w = rect.Width();
    const double h = rect.Height();
    const double dDiagonal = std::sqrt(w * w + h * h);
    const double dLength = std::cos(t - std::asin(h / dDiagonal)) * dDiagonal * 1.2;
    // bands too thin to show across the rectangle: a straight gradient
    if (w * std::cos(t) < 1.1) {
        FillStraightGradient(rect, crFrom, crTo, true);
        return;
    }
    if (h * std::sin(t) < 1.1) {
        FillStraightGradient(rect, crFrom, crTo, false);
        return;
    }
    double dSteepest = 0.0;
    const Channels step = GradientStep(crFrom, crTo, dLength, dSteepest);
    if (2.0 / dLength > dSteepest) {
        FillSolid(m_pDC, rect, crFrom);
        return;
    }
    const double s = 2.0 * (std::max)(1.0, 1.0 / dSteepest);
    const int dy = int(std::floor(s / std::sin(t) + 0.5));
    const int dx = int(std::floor(s / std::cos(t) + 0.5));
    Channels colour(crFrom);
    for (int nBand = 0;; ++nBand) {
        CBrush brush;
        if (!brush.CreateSolidBrush(colour.Colour()))
            AfxThrowResourceException();
        // a staircase of cells from the band's start on the left edge up and to the right
        for (int k = 0;; ++k) {
            const int x = rect.left + k * dx;
            const int y = rect.top + (nBand - k) * dy;
            if (x >= rect.right || y + dy <= rect.top)
                break;
            if (y < rect.bottom) {
                const CRect cell(x, y, x + dx, y + dy);
                m_pDC->FillRect(&cell, &brush);
            }
        }
        for (int i = 0; i < 3; ++i)
            colour.value[i] += s * step.value[i];
        if ((nBand + 1) * s >= dLength)
            break;
    }
}

void DEDizedComponent::FramePolygon(const POINT* pPoints, int nCount, DEDizedStyle* pStyle, int nKind)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::FramePolygon", "the style");
    if (nCount < 1 || m_pDC == nullptr)
        return;
    AfxRequirePointer(pPoints, "DEDizedComponent::FramePolygon", "the point array");
    if (nKind == 0)
        nKind = pStyle->GetEdgeKind();
    const int nWidth = pStyle->GetEdgeWidth();
    CPen* pPen = nullptr;
    switch (nKind) {
    case 0:
        return;
    case 1:
        SetPenCode(m_nPaletteIndex, nWidth, kPaletteCount);
        pPen = m_pPalettePen;
        break;
    case 2:
        pPen = GetPen(PS_SOLID, nWidth, RGB(0, 0, 0));
        break;
    case 4:
        pPen = GetPen(PS_SOLID, nWidth, pStyle->GetEdgeColour());
        break;
    default: {
        ClipScope clip(m_pChart);
        if (m_pChart != nullptr)
            m_pChart->ClipToPolygon(pPoints, nCount, RGN_AND);
        CRgn region;
        if (GetLogicalClip(m_pDC, region))
            FrameRegion(&region, pStyle, 0, nKind);
        return;
    }
    }
    if (pPen == nullptr)
        return;
    CPen* pOldPen = m_pDC->SelectObject(pPen);
    m_pDC->Polyline(pPoints, nCount);
    m_pDC->SelectObject(pOldPen);
}

void DEDizedComponent::FrameRegion(CRgn* pRegion, DEDizedStyle* pStyle, COLORREF /*crColour*/, int nKind)
{
    AfxRequirePointer(pStyle, "DEDizedComponent::FrameRegion", "the style");
    CRect box;
    if (pRegion == nullptr || pRegion->m_hObject == nullptr || m_pDC == nullptr || nKind == 0 ||
        pRegion->GetRgnBox(&box) <= NULLREGION)
        return;
    ClipScope clip(m_pChart);
    ClipToRegion(m_pDC, pRegion);
    const int nWidth = pStyle->GetEdgeWidth();
    CBrush brush;
    switch (nKind) {
    case 3: {
        CBitmap pattern;
        if (!pattern.LoadBitmap(pStyle->GetEdgeBitmapName()) || !brush.CreatePatternBrush(&pattern))
            return;
        m_pDC->FrameRgn(pRegion, &brush, nWidth, nWidth);
        break;
    }
    case 4:
        if (!brush.CreateSolidBrush(pStyle->GetEdgeColour()))
            AfxThrowResourceException();
        m_pDC->FrameRgn(pRegion, &brush, nWidth, nWidth);
        break;
    default:
        m_pDC->FrameRgn(pRegion, CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))), 1, 1);
        break;
    }
}
