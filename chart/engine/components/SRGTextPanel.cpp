// SRGTextPanel: a body of text with a heading beside it.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>

#include "chart/engine/components/SRGTextPanel.h"

#include "chart/engine/DEDized.h"
#include "core/CStdioFile.h"
#include "win/ArgCheck.h"

IMPLEMENT_SERIAL(SRGTextPanel, DEDizedTitle, VERSIONABLE_SCHEMA | 1)

namespace {

bool IsSide(int nPosition)
{
    return nPosition == SRGTextPanel::headingLeft || nPosition == SRGTextPanel::headingRight;
}

} // namespace

SRGTextPanel::SRGTextPanel()
    : m_headingStyle(DEDizedStyle::kindComponent),
      m_rcHeading(0, 0, 0, 0),
      m_rcBody(0, 0, 0, 0),
      m_bComputing(0),
      m_crBody(RGB(0, 0, 0)),
      m_crHeading(RGB(0, 0, 0)),
      m_nOrientation(0),
      m_hHeadingFont(nullptr),
      m_nBodySize(10),
      m_nBodyFlags(0),
      m_strBodyFace("Arial"),
      m_nHeadingSize(10),
      m_nHeadingFlags(0),
      m_strHeadingFace("Arial"),
      m_bHeadingShown(1),
      m_bBodySizing(1),
      m_nHeadingPosition(headingTop),
      m_nBodyAlignment(alignLeft),
      m_nHeadingAlignment(alignCentre)
{
    m_nTypeId = chartTypeTextPanel;
}

int SRGTextPanel::GetVersion() const
{
    return 3;
}

void SRGTextPanel::Serialize(CArchive& ar)
{
    DEDizedTitle::Serialize(ar);
    m_headingStyle.Serialize(ar);
    m_headingTexts.Serialize(ar);
    m_bodyTexts.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bComputing << m_bHeadingShown << m_bBodySizing << m_crBody << m_crHeading << m_nOrientation;
        ar << m_nHeadingSize << m_nBodySize << m_nHeadingFlags << m_nBodyFlags << m_strHeadingFace << m_strBodyFace;
        ar << m_nHeadingPosition << m_nHeadingAlignment << m_nBodyAlignment;
        return;
    }
    int bComputing = 0;
    ar >> bComputing >> m_bHeadingShown >> m_bBodySizing >> m_crBody >> m_crHeading >> m_nOrientation;
    ar >> m_nHeadingSize >> m_nBodySize >> m_nHeadingFlags >> m_nBodyFlags >> m_strHeadingFace >> m_strBodyFace;
    const int nVersion = GetArchiveVersion();
    if (nVersion >= 2)
        ar >> m_nHeadingPosition;
    if (nVersion >= 3)
        ar >> m_nHeadingAlignment >> m_nBodyAlignment;
}

// ---- texts, fonts and colours -------------------------------------------------------------------------

CString SRGTextPanel::GetHeadingText(int nMode)
{
    return m_headingTexts.GetAnnotation(nMode);
}

void SRGTextPanel::SetHeadingText(int nMode, const char* lpszText)
{
    m_headingTexts.SetAnnotation(nMode, lpszText);
}

CString SRGTextPanel::GetBodyText(int nMode)
{
    return m_bodyTexts.GetAnnotation(nMode);
}

void SRGTextPanel::SetBodyText(int nMode, const char* lpszText)
{
    m_bodyTexts.SetAnnotation(nMode, lpszText);
}

void SRGTextPanel::SetHeadingPosition(int nPosition)
{
    m_nHeadingPosition = nPosition;
}

int SRGTextPanel::GetHeadingPosition() const
{
    return m_nHeadingPosition;
}

void SRGTextPanel::SetHeadingColour(COLORREF crColour)
{
    m_crHeading = crColour;
}

void SRGTextPanel::SetBodyColour(COLORREF crColour)
{
    m_crBody = crColour;
}

COLORREF SRGTextPanel::GetHeadingColour() const
{
    return m_crHeading;
}

COLORREF SRGTextPanel::GetBodyColour() const
{
    return m_crBody;
}

DEDizedStyle* SRGTextPanel::GetHeadingStyle()
{
    return &m_headingStyle;
}

void SRGTextPanel::SetBodyFontSize(int nSize)
{
    m_nBodySize = nSize;
}

int SRGTextPanel::GetBodyFontSize() const
{
    return m_nBodySize;
}

void SRGTextPanel::SetHeadingFontSize(int nSize)
{
    m_nHeadingSize = nSize;
}

int SRGTextPanel::GetHeadingFontSize() const
{
    return m_nHeadingSize;
}

void SRGTextPanel::SetBodyFlags(int nFlags)
{
    m_nBodyFlags = nFlags;
}

int SRGTextPanel::GetBodyFlags() const
{
    return m_nBodyFlags;
}

void SRGTextPanel::SetHeadingFlags(int nFlags)
{
    m_nHeadingFlags = nFlags;
}

int SRGTextPanel::GetHeadingFlags() const
{
    return m_nHeadingFlags;
}

void SRGTextPanel::SetBodyFace(const char* lpszFace)
{
    m_strBodyFace = lpszFace != nullptr ? lpszFace : "";
}

CString SRGTextPanel::GetBodyFace() const
{
    return m_strBodyFace;
}

void SRGTextPanel::SetHeadingFace(const char* lpszFace)
{
    m_strHeadingFace = lpszFace != nullptr ? lpszFace : "";
}

CString SRGTextPanel::GetHeadingFace() const
{
    return m_strHeadingFace;
}

int SRGTextPanel::GetHeadingShown() const
{
    return m_bHeadingShown;
}

void SRGTextPanel::SetHeadingShown(int bShown)
{
    m_bHeadingShown = bShown;
}

void SRGTextPanel::SetBodySizing(int bSizing)
{
    m_bBodySizing = bSizing;
}

int SRGTextPanel::GetBodySizing() const
{
    return m_bBodySizing;
}

void SRGTextPanel::SetHeadingAlignment(int nAlignment)
{
    m_nHeadingAlignment = nAlignment;
}

int SRGTextPanel::GetHeadingAlignment() const
{
    return m_nHeadingAlignment;
}

void SRGTextPanel::SetBodyAlignment(int nAlignment)
{
    m_nBodyAlignment = nAlignment;
}

int SRGTextPanel::GetBodyAlignment() const
{
    return m_nBodyAlignment;
}

bool SRGTextPanel::HasHeading()
{
    return m_bHeadingShown && !GetHeadingText(GetMode()).IsEmpty();
}

void SRGTextPanel::PrepareBodyFont()
{
    m_nFontSize = m_nBodySize;
    m_nFontFlags = m_nBodyFlags;
    m_strFace = m_strBodyFace;
    m_crText = m_crBody;
    BuildFont();
}

int SRGTextPanel::FitFontSize()
{
    if (m_pDC == nullptr || m_pChart == nullptr)
        return m_nFontSize;
    const CRect inner = GetInnerDeviceRect();
    const int nHeight = FitTextToBox(GetBodyText(GetMode()), m_strFace, m_nFontFlags, inner.Width(), inner.Height());
    return nHeight != 0 ? nHeight : -20;
}

void SRGTextPanel::BuildHeadingFont()
{
    if (m_pChart == nullptr)
        return;
    int nSize = m_nHeadingSize;
    if ((m_nHeadingFlags & fontAutoSize) && m_pDC != nullptr) {
        // a fifth of the inner rectangle across the heading's lines
        const CRect inner = GetInnerDeviceRect();
        const CString text = GetHeadingText(GetMode());
        nSize = IsSide(m_nHeadingPosition)
                    ? FitTextToBox(text, m_strHeadingFace, m_nHeadingFlags, inner.Height(), inner.Width() / 5)
                    : FitTextToBox(text, m_strHeadingFace, m_nHeadingFlags, inner.Width(), inner.Height() / 5);
        if (nSize == 0)
            nSize = -10;
    }
    m_hHeadingFont = m_pChart->GetFont(m_strHeadingFace, nSize, m_nHeadingFlags, m_nOrientation / 10, m_pDC);
}

// ---- layout ------------------------------------------------------------------------------------------

CRect SRGTextPanel::GetHeadingRect()
{
    m_nOrientation = m_nHeadingPosition == headingLeft ? 900 : m_nHeadingPosition == headingRight ? 2700 : 0;
    BuildHeadingFont();
    CSize text;
    {
        ChartFontScope font(m_pDC, m_hHeadingFont);
        text = MeasureText(GetHeadingText(GetMode()));
    }
    const CSize dpi = ChartDeviceDpi(m_pDC);
    const double x = double(dpi.cy) / dpi.cx;
    const CRect& body = m_rcBody;
    switch (m_nHeadingPosition) {
    case headingLeft:
        return CRect(body.left, body.top, body.left + int(text.cy / x), body.top + int(x * text.cx));
    case headingRight:
        return CRect(body.right - int(text.cy / x), body.top, body.right, body.top + int(x * text.cx));
    case headingBottom:
        return CRect(body.left, body.bottom - text.cy, body.left + text.cx, body.bottom);
    default:
        return CRect(body.left, body.top, body.left + text.cx, body.top + text.cy);
    }
}

void SRGTextPanel::LayOut()
{
    const int nBorder = GetBorderWidth();
    const int nMarginX = int(GetHorizontalMarginPixels());
    const int nMarginY = int(GetVerticalMarginPixels());
    CRect start = GetDeviceRect();
    start.NormalizeRect();
    start.DeflateRect(nBorder, nBorder);
    m_rcBody = start;
    m_rcHeading.SetRectEmpty();
    if (m_bBodySizing) {
        PrepareBodyFont();
        CSize text;
        {
            ChartFontScope font(m_pDC, m_hFont);
            text = MeasureText(GetBodyText(GetMode()));
        }
        m_rcBody = CRect(start.left, start.top, start.left + text.cx + 2 * nMarginX, start.top + text.cy + 2 * nMarginY);
    }
    if (!HasHeading())
        return;

    const bool bSide = IsSide(m_nHeadingPosition);
    const CRect extent = GetHeadingRect();
    const int nWidth = extent.Width() + (bSide ? nMarginX : 2 * nMarginX);
    const int nHeight = extent.Height() + (bSide ? 2 * nMarginY : nMarginY);
    CRect& body = m_rcBody;
    CRect& heading = m_rcHeading;
    if (!m_bBodySizing) {
        // the heading takes its band inside the body, as long as the body's edge
        switch (m_nHeadingPosition) {
        case headingLeft:
            heading.SetRect(body.left, body.top, body.left + nWidth, body.bottom);
            body.left = heading.right;
            break;
        case headingRight:
            heading.SetRect(body.right - nWidth, body.top, body.right, body.bottom);
            body.right = heading.left;
            break;
        case headingBottom:
            heading.SetRect(body.left, body.bottom - nHeight, body.right, body.bottom);
            body.bottom = heading.top;
            break;
        default:
            heading.SetRect(body.left, body.top, body.right, body.top + nHeight);
            body.top = heading.bottom;
            break;
        }
        return;
    }
    switch (m_nHeadingPosition) {
    case headingLeft:
        heading.SetRect(start.left, start.top, start.left + nWidth, start.top + nHeight);
        body.OffsetRect(heading.right - body.left, 0);
        break;
    case headingRight:
        heading.SetRect(body.right, body.top, body.right + nWidth, body.top + nHeight);
        break;
    case headingBottom:
        heading.SetRect(body.left, body.bottom, body.left + nWidth, body.bottom + nHeight);
        break;
    default:
        heading.SetRect(start.left, start.top, start.left + nWidth, start.top + nHeight);
        body.OffsetRect(0, heading.bottom - body.top);
        break;
    }
    // the shorter of the two reaches as far as the longer along their shared edge
    if (bSide)
        heading.bottom = body.bottom = (std::max)(heading.bottom, body.bottom);
    else
        heading.right = body.right = (std::max)(heading.right, body.right);
}

// ---- drawing -----------------------------------------------------------------------------------------

void SRGTextPanel::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "SRGTextPanel::Draw", "pDC");
    m_savedRect = m_rect;
    if (m_pChart != nullptr)
        m_pChart->PushClip();
    pDC->SelectClipRgn(nullptr);
    BeginDrawing(pDC, pWnd);
    try {
        m_bComputing = 1;
        LayOut();
        m_bComputing = 0;
        CRect whole = m_rcBody;
        if (!m_rcHeading.IsRectEmpty())
            whole.UnionRect(whole, m_rcHeading);
        whole.InflateRect(GetBorderWidth(), GetBorderWidth());
        if (m_pChart != nullptr)
            whole.OffsetRect(-m_pChart->GetDrawingRect().TopLeft());
        m_rect.SetFromPixels(whole, pDC);
        DrawBackground();
        DrawBorder();
        DrawShadow();
        DrawContent();
    } catch (...) {
        m_bComputing = 0;
        m_rect = m_savedRect;
        FinishDraw();
        throw;
    }
    m_rect = m_savedRect;
    FinishDraw();
}

void SRGTextPanel::DrawBackground()
{
    auto fill = [this](const CRect& rect, DEDizedStyle* pStyle) {
        const POINT corners[5] = {{rect.left, rect.top},
                                  {rect.right, rect.top},
                                  {rect.right, rect.bottom},
                                  {rect.left, rect.bottom},
                                  {rect.left, rect.top}};
        FillPolygon(corners, 5, pStyle, 0);
    };
    fill(m_rcBody, &m_style);
    if (!m_rcHeading.IsRectEmpty())
        fill(m_rcHeading, &m_headingStyle);
}

void SRGTextPanel::DrawContent()
{
    if (!m_bVisible || m_bComputing || m_pDC == nullptr)
        return;
    const int nMarginX = int(GetHorizontalMarginPixels());
    const int nMarginY = int(GetVerticalMarginPixels());
    const int nMode = GetMode();
    const int nOldMode = m_pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = m_pDC->GetTextColor();
    PrepareBodyFont();
    {
        ChartFontScope font(m_pDC, m_hFont);
        CRect body = m_rcBody;
        body.DeflateRect(nMarginX, nMarginY);
        DrawTextBlock(GetBodyText(nMode), body);
    }
    if (!m_rcHeading.IsRectEmpty()) {
        BuildHeadingFont();
        ChartFontScope font(m_pDC, m_hHeadingFont);
        m_pDC->SetTextColor(m_crHeading);
        CRect heading = m_rcHeading;
        if (IsSide(m_nHeadingPosition))
            heading.DeflateRect(nMarginX / 2, nMarginY);
        else
            heading.DeflateRect(nMarginX, nMarginY / 2);
        DrawBodyLines(GetHeadingText(nMode), heading);
    }
    m_pDC->SetTextColor(crOld);
    m_pDC->SetBkMode(nOldMode);
}

void SRGTextPanel::DrawTextBlock(const char* lpszText, const RECT& rect)
{
    const int nAlignment = m_nAlignment;
    m_nAlignment = m_nBodyAlignment;
    try {
        DEDizedTitle::DrawTextBlock(lpszText, rect);
    } catch (...) {
        m_nAlignment = nAlignment;
        throw;
    }
    m_nAlignment = nAlignment;
}

void SRGTextPanel::DrawBodyLines(const char* lpszText, const RECT& rect)
{
    if (lpszText == nullptr || *lpszText == '\0' || m_pDC == nullptr)
        return;
    const std::vector<CString> lines = SplitLines(lpszText);
    const int nLineHeight = m_pDC->GetTextExtent(CString(lpszText)).cy;
    const int nBlockHeight = int(lines.size()) * nLineHeight;
    const COLORREF crText = m_pDC->GetTextColor();
    const UINT nOldAlign = m_pDC->GetTextAlign();
    // along a line: where it stands by the heading alignment, from its start edge to its end edge
    auto along = [this](int nStart, int nEnd, int& rPos) -> UINT {
        switch (m_nHeadingAlignment) {
        case alignRight:
            rPos = nEnd;
            return TA_RIGHT;
        case alignCentre:
            rPos = (nStart + nEnd) / 2;
            return TA_CENTER;
        default:
            rPos = nStart;
            return TA_LEFT;
        }
    };
    int nAcross = 0;
    int nStep = nLineHeight;
    switch (m_nHeadingPosition) {
    case headingLeft:
        nAcross = (rect.right + rect.left - nBlockHeight) / 2;
        break;
    case headingRight:
        // read downwards: the first line at the right of the block
        nAcross = (rect.right + rect.left + nBlockHeight) / 2;
        nStep = -nLineHeight;
        break;
    default:
        nAcross = (rect.bottom + rect.top - nBlockHeight) / 2;
        break;
    }
    for (const CString& line : lines) {
        int x = nAcross;
        int y = nAcross;
        UINT nAlign = 0;
        if (m_nHeadingPosition == headingLeft)
            nAlign = along(rect.bottom, rect.top, y);
        else if (m_nHeadingPosition == headingRight)
            nAlign = along(rect.top, rect.bottom, y);
        else
            nAlign = along(rect.left, rect.right, x);
        m_pDC->SetTextAlign(nAlign | TA_TOP);
        DrawLine3D(x, y, line, crText);
        nAcross += nStep;
    }
    m_pDC->SetTextAlign(nOldAlign);
}

// ---- template text -----------------------------------------------------------------------------------

const char* SRGTextPanel::ReadTemplateClassPart(const char* lpszText)
{
    const char* p = DEDizedTitle::ReadTemplateClassPart(lpszText);
    m_crBody = m_crText;
    m_strBodyFace = m_strFace;
    m_nBodySize = m_nFontSize;
    m_nBodyFlags = m_nFontFlags;
    m_nBodyAlignment = m_nAlignment;
    return p;
}

void SRGTextPanel::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("textpanel ");
}

void SRGTextPanel::WriteTemplateClassPart(CStdioFile& writer)
{
    writer.WriteString(TemplateTextPart(m_crBody, m_strBodyFace, m_nBodySize, m_nBodyFlags, m_nBodyAlignment) +
                       TemplateTextPart(m_crHeading, m_strHeadingFace, m_nHeadingSize, m_nHeadingFlags,
                                  m_nHeadingAlignment));
}
