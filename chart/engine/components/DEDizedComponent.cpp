// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>

#include "chart/engine/components/DEDizedComponent.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/components/DEDizedLabel.h"

IMPLEMENT_SERIAL(DEDizedComponent, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

const COLORREF kPalette[16] = {0x0000FF, 0x008000, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x000080, 0x008080,
                               0x800000, 0x800080, 0x0080FF, 0x80FF00, 0xFF0080, 0xFF8000, 0x8000FF, 0x00FF80};

// Hatch styles by bits 4-6 of a palette brush code (0 is not a hatch).
const int kHatches[8] = {-1, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS, HS_FDIAGONAL, HS_HORIZONTAL, HS_VERTICAL,
                         HS_DIAGCROSS};

// Pen styles by bits 3-5 of a palette pen code.
const int kPenStyles[8] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_SOLID, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};

// Pixels per millimetre and dpi, as the stored drawings were made.
const double kMillimetres = 0.03937007933143675;

} // namespace

DEDizedComponent::DEDizedComponent()
    : m_nBrushCode(-1),
      m_nPenCode(-1),
      m_nPenWidth(-1),
      m_bVisible(1),
      m_bLayoutDirty(1),
      m_bFullRedraw(0),
      m_nMode(1),
      m_nFirstIndex(-1),
      m_nFirstGroup(-1),
      m_nLastIndex(-1),
      m_nLastGroup(-1),
      m_nWindowExtra(0),
      m_nIndexStep(1),
      m_nGroupStep(1),
      m_dMargin(5.0),
      m_dVerticalMargin(5.0),
      m_dHorizontalMargin(5.0),
      m_pPalettePen(nullptr),
      m_nPaletteIndex(0),
      m_style(DEDizedStyle::kindComponent),
      m_bDrawing(0),
      m_pWnd(nullptr),
      m_pDC(nullptr),
      m_pChart(nullptr),
      m_nTypeId(chartTypeComponent),
      m_bCompoundChild(0),
      m_bImageLoaded(0),
      m_nScreenDpiX(0),
      m_nScreenDpiY(0),
      m_pLabel(nullptr)
{
}

DEDizedComponent::~DEDizedComponent()
{
    AfxDeleteOwnedObjects(m_ownPolygons);
    delete m_pLabel;
}

void DEDizedComponent::Serialize(CArchive& ar)
{
    m_style.Serialize(ar);
    m_rect.Serialize(ar);
    if (ar.IsStoring()) {
        // the version travels as an inverted range: its minimum above its maximum
        m_versionScale = CScale();
        m_versionScale.m_dMinimum = GetVersion();
        m_versionScale.m_dMaximum = 0.0;
        m_versionScale.Serialize(ar);
        ar << m_nFirstIndex << m_nFirstGroup << m_nLastIndex << m_nLastGroup << m_nWindowExtra;
        ar << m_dMargin << m_dVerticalMargin << m_dHorizontalMargin << m_nTypeId;
        ar << m_nIndexStep << m_nGroupStep;
        return;
    }
    const int nVersion = ReadVersion(ar);
    ar >> m_nFirstIndex >> m_nFirstGroup >> m_nLastIndex >> m_nLastGroup >> m_nWindowExtra;
    ar >> m_dMargin >> m_dVerticalMargin >> m_dHorizontalMargin >> m_nTypeId;
    if (nVersion >= 2)
        ar >> m_nIndexStep >> m_nGroupStep;
    m_bLayoutDirty = 1;
}

int DEDizedComponent::ReadVersion(CArchive& ar)
{
    m_versionScale.Serialize(ar);
    return GetArchiveVersion();
}

int DEDizedComponent::GetArchiveVersion() const
{
    return m_versionScale.m_dMinimum > m_versionScale.m_dMaximum ? int(m_versionScale.m_dMinimum) : -1;
}

int DEDizedComponent::GetVersion() const
{
    return 3;
}

void DEDizedComponent::CustomBorder()
{
}

void DEDizedComponent::CustomShadow()
{
}

void DEDizedComponent::LayoutHook()
{
}

void DEDizedComponent::DrawContent()
{
}

COLORREF DEDizedComponent::GetPaletteColour(int nIndex)
{
    return kPalette[nIndex & 15];
}

void DEDizedComponent::SetBrushCode(int nCode, int nCount)
{
    if (nCode == m_nBrushCode)
        return;
    m_paletteBrush.DeleteObject();
    m_nBrushCode = nCode;
    BOOL bMade = FALSE;
    if (nCount == 16) {
        const int nHatch = kHatches[(nCode >> 4) & 7];
        if (nCode > 15 && nHatch >= 0)
            bMade = m_paletteBrush.CreateHatchBrush(nHatch, GetPaletteColour(nCode));
        else
            bMade = m_paletteBrush.CreateSolidBrush(GetPaletteColour(nCode));
    } else {
        // a code (or count) of 0 would divide by zero: it gives colour 0
        const double dColour =
            nCode != 0 && nCount != 0 ? (double(nCount) / nCode) * (16777215.0 / nCount) : 0.0;
        bMade = m_paletteBrush.CreateSolidBrush(COLORREF(int(dColour)));
    }
    if (!bMade) {
        m_nBrushCode = -1;
        AfxThrowResourceException();
    }
}

void DEDizedComponent::SetPenCode(int nCode, int nWidth, int /*nCount*/)
{
    if (nCode == m_nPenCode && nWidth == m_nPenWidth)
        return;
    m_pPalettePen = GetPen(kPenStyles[(nCode >> 3) & 7], nWidth, GetPaletteColour(nCode));
    m_nPenCode = nCode;
    m_nPenWidth = nWidth;
}

double DEDizedComponent::MarginPixels(double dValue, bool bVertical)
{
    if (!IsDrawing())
        return dValue;
    switch (m_rect.GetMeasurement()) {
    case DEDizedRect::measureMillimetres: {
        const CSize dpi = ChartDeviceDpi(m_pDC);
        return (bVertical ? dpi.cy : dpi.cx) * dValue * kMillimetres;
    }
    case DEDizedRect::measureInches: {
        const CSize dpi = ChartDeviceDpi(m_pDC);
        return (bVertical ? dpi.cy : dpi.cx) * dValue;
    }
    case DEDizedRect::measurePerCent: {
        const CSize size = m_pChart != nullptr ? m_pChart->GetDrawingRect().Size() : CSize(0, 0);
        return (bVertical ? size.cy : size.cx) * dValue * 0.01;
    }
    default:
        if (m_pDC != nullptr && m_pDC->IsPrinting())
            return dValue * (std::max)(GetDeviceScaleX(), GetDeviceScaleY());
        return dValue;
    }
}

double DEDizedComponent::GetVerticalMarginPixels()
{
    return MarginPixels(m_dVerticalMargin, true);
}

double DEDizedComponent::GetHorizontalMarginPixels()
{
    return MarginPixels(m_dHorizontalMargin, false);
}

double DEDizedComponent::GetMarginPixels()
{
    return MarginPixels(m_dMargin, false);
}

void DEDizedComponent::SetDefaultMargins()
{
    double dMargin = 5.0;
    switch (m_rect.GetMeasurement()) {
    case DEDizedRect::measureMillimetres:
        dMargin = 2.5;
        break;
    case DEDizedRect::measureInches:
        dMargin = 0.1;
        break;
    case DEDizedRect::measurePerCent:
        dMargin = 1.25;
        break;
    default:
        break;
    }
    m_dMargin = dMargin;
    m_dVerticalMargin = m_dHorizontalMargin = 2.0 * dMargin;
}

void DEDizedComponent::SetIndexStep(int nStep)
{
    m_nIndexStep = nStep;
}

int DEDizedComponent::GetIndexStep() const
{
    return m_nIndexStep;
}

void DEDizedComponent::SetGroupStep(int nStep)
{
    m_nGroupStep = nStep;
}

int DEDizedComponent::GetGroupStep() const
{
    return m_nGroupStep;
}

void DEDizedComponent::GetDataWindow(int& nFirstIndex, int& nFirstGroup, int& nLastIndex, int& nLastGroup) const
{
    nFirstIndex = m_nFirstIndex;
    nFirstGroup = m_nFirstGroup;
    nLastIndex = m_nLastIndex;
    nLastGroup = m_nLastGroup;
}

void DEDizedComponent::SetDataWindow(int nFirstIndex, int nFirstGroup, int nLastIndex, int nLastGroup)
{
    m_nFirstIndex = nFirstIndex;
    m_nFirstGroup = nFirstGroup;
    m_nLastIndex = nLastIndex;
    m_nLastGroup = nLastGroup;
    MarkForRedraw();
}

int DEDizedComponent::IsInDataWindow(int nIndex, int nGroup) const
{
    const bool bIndex = (m_nFirstIndex == -1 && m_nFirstIndex == m_nLastIndex) ||
                        (nIndex >= m_nFirstIndex && nIndex <= m_nLastIndex);
    const bool bGroup = m_nLastGroup == -1 || (nGroup >= m_nFirstGroup && nGroup <= m_nLastGroup);
    return bIndex && bGroup;
}

void DEDizedComponent::SetChart(DEDized* pChart)
{
    m_pChart = pChart;
    m_rect.SetChart(pChart);
    SetMode(-1);
}

void DEDizedComponent::SetImageName(const char* lpszName)
{
    m_style.SetImageFile(lpszName);
}

void DEDizedComponent::SetGradientAngle(int nDegrees)
{
    m_style.m_dGradientAngle = nDegrees;
}

void DEDizedComponent::SetColours(COLORREF crColour1, COLORREF crColour2)
{
    m_style.m_crFill1 = crColour1;
    m_style.m_crFill2 = crColour2;
}

void DEDizedComponent::SetRect(const DEDizedRect& rect)
{
    m_rect.SetValues(rect.m_dLeft, rect.m_dTop, rect.m_dRight, rect.m_dBottom);
}

void DEDizedComponent::SetRectValues(double dLeft, double dTop, double dRight, double dBottom)
{
    m_rect.SetValues(dLeft, dTop, dRight, dBottom);
}

void DEDizedComponent::SetRectFromRECT(const RECT& rect)
{
    m_rect.SetFromRECT(rect);
}

DEDizedRect* DEDizedComponent::GetRect()
{
    return &m_rect;
}

void DEDizedComponent::SetMeasurement(int nMeasurement)
{
    m_rect.SetMeasurement(nMeasurement);
    SetDefaultMargins();
}

void DEDizedComponent::SetMode(int nMode)
{
    m_nMode = nMode == -1 ? GetMode() : nMode;
}

int DEDizedComponent::GetMode() const
{
    return m_pChart != nullptr ? m_pChart->GetMode() : m_nMode;
}

int DEDizedComponent::GetChartMode() const
{
    return m_pChart != nullptr ? m_pChart->GetMode() : 0;
}

void DEDizedComponent::BeginDrawing(CDC* pDC, CWnd* pWnd)
{
    m_pDC = pDC;
    m_pWnd = pWnd;
    m_bDrawing = 1;
}

void DEDizedComponent::EndDrawing()
{
    // the DC and window may not outlive the pass (a buffered chart draws into a DC of its own)
    m_bDrawing = 0;
    m_pDC = nullptr;
    m_pWnd = nullptr;
}

int DEDizedComponent::IsDrawing() const
{
    return m_bDrawing;
}

int DEDizedComponent::GetBorderWidth() const
{
    const int nKind = m_style.m_nStyle & styleBorderMask;
    if (nKind & styleBorderCustom)
        return GetCustomBorderWidth();
    switch (nKind) {
    case 0:
        return 0;
    case 3:
        return 2;
    case 4:
    case 5:
        return 3;
    case 6:
        return 6;
    default:
        return 1;
    }
}

int DEDizedComponent::GetCustomBorderWidth() const
{
    return 6;
}

void DEDizedComponent::GetInnerRect(RECT& rect)
{
    const int nBorder = GetBorderWidth();
    const int dx = int(nBorder + GetHorizontalMarginPixels());
    const int dy = int(nBorder + GetVerticalMarginPixels());
    ::InflateRect(&rect, -dx, -dy);
}

double DEDizedComponent::GetDeviceScaleY()
{
    if (m_pDC == nullptr)
        return 1.0;
    if (m_nScreenDpiY <= 0)
        m_nScreenDpiY = ChartDeviceDpi(nullptr).cy;
    return double(m_pDC->GetDeviceCaps(LOGPIXELSY)) / m_nScreenDpiY;
}

double DEDizedComponent::GetDeviceScaleX()
{
    if (m_pDC == nullptr)
        return 1.0;
    if (m_nScreenDpiX <= 0)
        m_nScreenDpiX = ChartDeviceDpi(nullptr).cx;
    return double(m_pDC->GetDeviceCaps(LOGPIXELSX)) / m_nScreenDpiX;
}

void DEDizedComponent::OffsetPoints(POINT* pPoints, int nCount, int dx, int dy)
{
    for (int i = 0; i < nCount; ++i) {
        pPoints[i].x += dx;
        pPoints[i].y += dy;
    }
}

CSize DEDizedComponent::GetPointsExtent(const POINT* pPoints, int nCount) const
{
    return GetPointsBox(pPoints, nCount).Size();
}

CRect DEDizedComponent::GetPointsBox(const POINT* pPoints, int nCount)
{
    if (nCount <= 0)
        return CRect(0, 0, 0, 0);
    CRect box(pPoints[0], pPoints[0]);
    for (int i = 1; i < nCount; ++i) {
        box.left = (std::min)(box.left, pPoints[i].x);
        box.right = (std::max)(box.right, pPoints[i].x);
        box.top = (std::min)(box.top, pPoints[i].y);
        box.bottom = (std::max)(box.bottom, pPoints[i].y);
    }
    return box;
}

CRect DEDizedComponent::GetDeviceRect() const
{
    CRect rect;
    m_rect.GetDeviceRect(rect, m_pDC, m_pWnd);
    return rect;
}

void DEDizedComponent::MarkForRedraw()
{
    m_bLayoutDirty = 1;
}

CPen* DEDizedComponent::GetPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return m_pChart != nullptr ? m_pChart->GetPen(nPenStyle, nWidth, crColor) : nullptr;
}

CPen* DEDizedComponent::GetDefaultPen()
{
    return GetPen(PS_SOLID, 1, RGB(0, 0, 0));
}

SRGCompiledPolygon* DEDizedComponent::GetChartPolygon(const char* lpszName, const char* lpszResourceType)
{
    return m_pChart != nullptr ? m_pChart->LoadPolygonFile(lpszName, lpszResourceType) : nullptr;
}

int DEDizedComponent::IsCompound() const
{
    return 0;
}
