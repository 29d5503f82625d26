// DEDizedLabel: text at an anchor, in an outline.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/engine/components/DEDizedLabel.h"

#include "chart/engine/ChartGeometry.h"
#include "chart/engine/DEDized.h"
#include "chart/engine/SRGCompiledPolygon.h"
#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/template/ChartTemplateScanner.h"
#include "core/CStdioFile.h"
#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(DEDizedLabel, DEDizedTitle, VERSIONABLE_SCHEMA | 1)

namespace {

// Pixels per millimetre and dpi, exact.
const double kMillimetres = 0.03937007874015748;
const double kSqrt2 = 1.41421356237;

int Round(double dValue)
{
    return int(dValue + 0.5);
}

// The box's offset from the anchor for an anchor position (w and h the text block's size).
CPoint AnchorShift(int nPosition, int w, int h)
{
    const int hw = w / 2;
    const int hh = h / 2;
    switch (nPosition) {
    case 0:
        return CPoint(hw, 0);
    case 1:
        return CPoint(hw, hh);
    case 2:
        return CPoint(0, hh);
    case 3:
        return CPoint(-hw, hh);
    case 4:
        return CPoint(-hw, 0);
    case 5:
        return CPoint(-hw, -hh);
    case 6:
        return CPoint(0, -hh);
    case 7:
        return CPoint(hw, -hh);
    default:
        return CPoint(0, 0);
    }
}

} // namespace

DEDizedLabel::DEDizedLabel()
    : m_dAnchorX(0.0),
      m_dAnchorY(0.0),
      m_ptAnchor(0, 0),
      m_dCosine(1.0),
      m_dSine(0.0),
      m_bAxisDirection(1),
      m_bAnglePreset(1),
      m_nAnchorPosition(1),
      m_pBlock(nullptr),
      m_bInBlock(0),
      m_bOwnStyle(1),
      m_dTextX(0.0),
      m_dTextY(0.0)
{
    m_nTypeId = chartTypeLabel;
    m_nAlignment = alignLeft;
}

void DEDizedLabel::Serialize(CArchive& ar)
{
    DEDizedTitle::Serialize(ar);
    m_texts.Serialize(ar);
    int nReserved = 0;
    int x = m_ptAnchor.x;
    int y = m_ptAnchor.y;
    if (ar.IsStoring()) {
        ar << m_bInBlock << m_bAnglePreset << nReserved << m_bOwnStyle << m_bAxisDirection;
        ar << m_dSine << m_dCosine << m_dAnchorY << m_dAnchorX << m_nAnchorPosition << x << y;
        return;
    }
    ar >> m_bInBlock >> m_bAnglePreset >> nReserved >> m_bOwnStyle >> m_bAxisDirection;
    ar >> m_dSine >> m_dCosine >> m_dAnchorY >> m_dAnchorX >> m_nAnchorPosition >> x >> y;
    m_ptAnchor.SetPoint(x, y);
}

double DEDizedLabel::GetVerticalMarginPixels()
{
    return m_dVerticalMargin;
}

double DEDizedLabel::GetHorizontalMarginPixels()
{
    return m_dHorizontalMargin;
}

double DEDizedLabel::GetMarginPixels()
{
    return m_dMargin;
}

int DEDizedLabel::IsDrawing() const
{
    return m_pBlock != nullptr ? m_pBlock->IsDrawing() : DEDizedTitle::IsDrawing();
}

DEDizedStyle* DEDizedLabel::GetStyle()
{
    return UsesBlockStyle() ? m_pBlock->GetStyle() : &m_style;
}

COLORREF DEDizedLabel::GetTextColour()
{
    return UsesBlockStyle() ? m_pBlock->GetTextColour() : m_crText;
}

int DEDizedLabel::GetDefaultFontSize()
{
    return 12;
}

int DEDizedLabel::GetFontSizePixels()
{
    if (UsesBlockStyle())
        return m_pBlock->GetFontSizePixels();
    return m_rect.GetMeasurement() == DEDizedRect::measurePixels ? m_nFontSize : Round(m_dMargin);
}

void DEDizedLabel::SetFontSize(double dSize)
{
    if (m_rect.GetMeasurement() == DEDizedRect::measurePixels)
        m_nFontSize = int(dSize);
    else
        m_dMargin = dSize;
    m_bFontDirty = 1;
}

int DEDizedLabel::FitFontSize()
{
    return GetFontSizePixels();
}

void DEDizedLabel::BuildFont()
{
    if (m_pChart == nullptr)
        return;
    m_hFont = m_pChart->GetFont(m_strFace, GetFontSizePixels(), m_nFontFlags, int(GetTextAngle()), m_pDC);
}

HFONT DEDizedLabel::GetFont()
{
    if (UsesBlockStyle())
        return m_pBlock->GetFont();
    if (m_bFontDirty || m_hFont == nullptr) {
        BuildFont();
        if (m_pDC == nullptr || !m_pDC->IsPrinting())
            m_bFontDirty = 0;
    }
    return m_hFont;
}

void DEDizedLabel::SetLogFont(const LOGFONT* pLogFont)
{
    DEDizedTitle::SetLogFont(pLogFont);
    GetStyle()->SetTextAngle(pLogFont->lfEscapement * 0.1);
}

void DEDizedLabel::SetAnchorX(double dX)
{
    m_dAnchorX = dX;
}

void DEDizedLabel::SetAnchorY(double dY)
{
    m_dAnchorY = dY;
}

void DEDizedLabel::SetAnchor(double dX, double dY)
{
    m_dAnchorX = dX;
    m_dAnchorY = dY;
}

void DEDizedLabel::PlaceAt(int x, int y)
{
    SetAnchor(x, y);
    m_ptAnchor.SetPoint(x, y);
}

CString DEDizedLabel::GetText(int nMode)
{
    return m_texts.GetAnnotation(nMode);
}

void DEDizedLabel::SetText(int nMode, const char* lpszText)
{
    m_texts.SetAnnotation(nMode, lpszText != nullptr ? lpszText : "");
}

void DEDizedLabel::SetAnchorPosition(int nPosition)
{
    m_nAnchorPosition = nPosition;
}

void DEDizedLabel::SetDirection(double dCosine, double dSine)
{
    m_dCosine = dCosine;
    m_dSine = dSine;
    m_bAxisDirection = dCosine == 0.0 || dSine == 0.0;
}

void DEDizedLabel::SetDirectionPreset(int nPreset)
{
    static const int kDirections[4][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
    if (nPreset < 0 || nPreset > 3) {
        m_bAxisDirection = 0;
        return;
    }
    m_dCosine = kDirections[nPreset][0];
    m_dSine = kDirections[nPreset][1];
    m_bAxisDirection = 1;
}

void DEDizedLabel::SetAnglePreset(int nPreset)
{
    if (nPreset < 0 || nPreset > 3) {
        m_bAnglePreset = 0;
        return;
    }
    GetStyle()->SetTextAngle(90.0 * nPreset);
    m_bAnglePreset = 1;
    m_bFontDirty = 1;
}

void DEDizedLabel::SetBlock(DEDizedLabelBlock* pBlock, int bInBlock, int bOwnStyle)
{
    m_pBlock = pBlock;
    m_bInBlock = bInBlock;
    m_bOwnStyle = bOwnStyle;
}

void DEDizedLabel::ApplyValueStyle(const DEDizedStyle& style)
{
    static const int kPositions[8] = {4, 5, 6, 7, 0, 1, 2, 3};
    static const int kSizes[3] = {10, 8, 12};
    const int nAngle = style.GetLabelAngleCode();
    m_style.SetTextAngle(nAngle >= 1 && nAngle <= 7 ? 45.0 * nAngle : 0.0);
    const int nPosition = style.GetLabelPosition();
    m_nAnchorPosition = nPosition < 8 ? kPositions[nPosition] : positionCentre;
    m_style.m_crFill1 = style.m_crFill1;
    m_style.m_nStyle = style.m_nStyle;
    m_style.m_nKind = (m_style.m_nKind & ~0xF0000) | (style.m_nKind & 0xF0000);
    const int nSize = style.GetLabelFontSizeCode();
    SetFontSize(nSize < 3 ? kSizes[nSize] : GetDefaultFontSize());
}

CPoint DEDizedLabel::GetAnchorOffset() const
{
    if (m_pBlock != nullptr || m_pChart == nullptr || !m_pChart->GetFixedRectFlag() || IsCompoundChild())
        return CPoint(0, 0);
    return m_pChart->GetDrawingRect().TopLeft();
}

CPoint DEDizedLabel::GetAnchorPixels()
{
    if (!IsDrawing() || m_pDC == nullptr)
        return m_ptAnchor;
    const CSize dpi = ChartDeviceDpi(m_pDC);
    CPoint anchor;
    switch (m_rect.GetMeasurement()) {
    case DEDizedRect::measureMillimetres:
        anchor.SetPoint(int(dpi.cx * m_dAnchorX * kMillimetres + 0.5), int(dpi.cy * m_dAnchorY * kMillimetres + 0.5));
        break;
    case DEDizedRect::measureInches:
        anchor.SetPoint(int(dpi.cx * m_dAnchorX + 0.5), int(dpi.cy * m_dAnchorY + 0.5));
        break;
    case DEDizedRect::measurePerCent: {
        const CSize size = m_pChart != nullptr ? m_pChart->GetDrawingRect().Size() : CSize(0, 0);
        anchor.SetPoint(int(size.cx * m_dAnchorX * 0.01 + 0.5), int(size.cy * m_dAnchorY * 0.01 + 0.5));
        break;
    }
    default:
        anchor.SetPoint(int(m_dAnchorX + 0.5), int(m_dAnchorY));
        break;
    }
    m_ptAnchor = anchor + GetAnchorOffset();
    return m_ptAnchor;
}

void DEDizedLabel::MoveAnchorPixels(int dx, int dy)
{
    m_ptAnchor.Offset(dx, dy);
    OffsetPoints(m_outline.data(), int(m_outline.size()), dx, dy);
    m_dTextX += dx;
    m_dTextY += dy;
    // the values move by the same distance in their own units
    double fx = 1.0;
    double fy = 1.0;
    const CSize dpi = ChartDeviceDpi(m_pDC);
    switch (m_rect.GetMeasurement()) {
    case DEDizedRect::measureMillimetres:
        fx = dpi.cx * kMillimetres;
        fy = dpi.cy * kMillimetres;
        break;
    case DEDizedRect::measureInches:
        fx = dpi.cx;
        fy = dpi.cy;
        break;
    case DEDizedRect::measurePerCent: {
        const CSize size = m_pChart != nullptr ? m_pChart->GetDrawingRect().Size() : CSize(0, 0);
        fx = size.cx * 0.01;
        fy = size.cy * 0.01;
        break;
    }
    default:
        break;
    }
    if (fx != 0.0)
        m_dAnchorX += dx / fx;
    if (fy != 0.0)
        m_dAnchorY += dy / fy;
}

void DEDizedLabel::ClearOutline()
{
    m_outline.clear();
}

int DEDizedLabel::BuildOutline()
{
    ClearOutline();
    if (m_pChart == nullptr || m_pDC == nullptr)
        return 0;
    const int nShape = GetStyle()->GetLabelShape();
    const char* lpszShape = nShape == 3   ? "_PV_STOCK_SHAPE_CIRCLE"
                            : nShape == 4 ? "_PV_STOCK_SHAPE_FLASH"
                                          : "_PV_STOCK_SHAPE_BOX";
    const double dScale = nShape == 3 || nShape == 4 ? kSqrt2 : 1.0;
    SRGCompiledPolygon* pShape = nullptr;
    if (!m_pChart->GetPolygon(lpszShape, nullptr, pShape, 0.0))
        return 0;
    const CString text = GetText(GetMode());
    CSize extent;
    int nLineHeight = 0;
    {
        ChartFontScope font(m_pDC, GetFont());
        extent = MeasureText(text);
        nLineHeight = text.IsEmpty() ? 0 : int(m_pDC->GetTextExtent(text).cy);
    }
    const double dInflate = nLineHeight / 6.0;
    const CPoint shift = AnchorShift(m_nAnchorPosition, extent.cx, extent.cy);
    const CRect box(Round(-extent.cx / 2.0 * dScale - dInflate) + shift.x,
                    Round(-extent.cy / 2.0 * dScale - dInflate) + shift.y,
                    Round(extent.cx / 2.0 * dScale + dInflate) + shift.x,
                    Round(extent.cy / 2.0 * dScale + dInflate) + shift.y);
    const POINT* pPoints = pShape->FitToRect(box);
    AfxAllocating([&] { m_outline.assign(pPoints, pPoints + pShape->GetCount()); });

    // the box and the text block in it turn about the anchor
    const CPoint anchor = GetAnchorPixels();
    const double dAngle = GetTextAngle();
    const double dRadians = dAngle * kChartRadiansPerDegree;
    const double c = std::cos(dRadians);
    const double s = std::sin(dRadians);
    auto turn = [&](double x, double y, double& rx, double& ry) {
        rx = c * x + s * y;
        ry = c * y - s * x;
    };
    for (POINT& point : m_outline) {
        if (dAngle != 0.0) {
            double x = 0.0;
            double y = 0.0;
            turn(point.x, point.y, x, y);
            point.x = std::lround(x);
            point.y = std::lround(y);
        }
        point.x += anchor.x;
        point.y += anchor.y;
    }
    turn(shift.x - extent.cx / 2, shift.y - extent.cy / 2, m_dTextX, m_dTextY);
    m_dTextX += anchor.x;
    m_dTextY += anchor.y;
    return int(m_outline.size());
}

CSize DEDizedLabel::GetOutlineExtent()
{
    return GetPointsExtent(m_outline.data(), int(m_outline.size()));
}

BOOL DEDizedLabel::GetOutlineRegion(CRgn& rRegion)
{
    if (m_outline.empty())
        return FALSE;
    return rRegion.CreatePolygonRgn(m_outline.data(), int(m_outline.size()), ALTERNATE);
}

void DEDizedLabel::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDizedLabel::Draw", "pDC");
    if (m_pBlock == nullptr && (pDC->IsPrinting() || m_bLayoutDirty || (m_nFontFlags & fontAutoSize)))
        m_bFontDirty = 1;
    DEDizedTitle::Draw(pDC, pWnd);
}

void DEDizedLabel::DrawBackground()
{
    // the first step of each drawing: the outline for the present anchor, text and font
    if (GetText(GetMode()).IsEmpty())
        ClearOutline();
    else
        BuildOutline();
    if (!m_outline.empty())
        FillPolygon(m_outline.data(), int(m_outline.size()), GetStyle(), 0);
}

void DEDizedLabel::DrawBorder()
{
    if (!m_outline.empty())
        FramePolygon(m_outline.data(), int(m_outline.size()), GetStyle(), 0);
}

void DEDizedLabel::DrawShadow()
{
}

void DEDizedLabel::DrawContent()
{
    const CString text = GetText(GetMode());
    if (!m_bVisible || text.IsEmpty() || m_pDC == nullptr)
        return;
    ChartFontScope font(m_pDC, GetFont());
    const int nOldMode = m_pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = m_pDC->GetTextColor();
    const UINT nOldAlign = m_pDC->GetTextAlign();
    const std::vector<CString> lines = SplitLines(text);
    const int nLineHeight = m_pDC->GetTextExtent(text).cy;
    const int nWidth = MeasureText(text).cx;
    const double dRadians = GetTextAngle() * kChartRadiansPerDegree;
    double x = m_dTextX;
    double y = m_dTextY;
    UINT nAlign = TA_LEFT | TA_TOP;
    if (m_nAlignment == alignRight || m_nAlignment == alignCentre) {
        const double dPart = m_nAlignment == alignRight ? 1.0 : 0.5;
        x += std::cos(dRadians) * nWidth * dPart;
        y -= std::sin(dRadians) * nWidth * dPart;
        nAlign = (m_nAlignment == alignRight ? TA_RIGHT : TA_CENTER) | TA_TOP;
    }
    m_pDC->SetTextAlign(nAlign);
    // each line stands one line height further, at right angles to the text
    const double dNextX = std::cos(dRadians - 90.0 * kChartRadiansPerDegree) * nLineHeight;
    const double dNextY = -std::sin(dRadians - 90.0 * kChartRadiansPerDegree) * nLineHeight;
    const COLORREF crText = GetTextColour();
    for (const CString& line : lines) {
        DrawLine3D(Round(x), Round(y), line, crText);
        x += dNextX;
        y += dNextY;
    }
    m_pDC->SetTextAlign(nOldAlign);
    m_pDC->SetTextColor(crOld);
    m_pDC->SetBkMode(nOldMode);
}

const char* DEDizedLabel::ReadTemplateClassPart(const char* lpszText)
{
    const char* p = DEDizedTitle::ReadTemplateClassPart(lpszText);
    ChartTemplateLabel part;
    if (!ChartTemplateScanLabel(p, part, &p))
        return p;
    SetAnchor(part.anchorX, part.anchorY);
    m_dCosine = part.cosine;
    m_dSine = part.sine;
    GetStyle()->SetTextAngle(part.angle);
    m_nAnchorPosition = part.position;
    m_bInBlock = part.inBlock;
    return p;
}

void DEDizedLabel::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("label ");
}

void DEDizedLabel::WriteTemplateExtra(CStdioFile& writer)
{
    CString text;
    text.Format(" %g %g %g %g %g %d %d", m_dAnchorX, m_dAnchorY, m_dCosine, m_dSine, GetTextAngle(),
                m_nAnchorPosition, m_bInBlock);
    writer.WriteString(text + kChartTemplateLineEnd);
    m_texts.WriteTemplate(writer);
}
