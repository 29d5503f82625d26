// DEDizedTitle and DEDizedTitleResizeable: text in a rectangle, and the title whose frame hugs it.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/engine/components/DEDizedTitle.h"

#include "chart/engine/DEDized.h"
#include "chart/engine/DEDizedException.h"
#include "chart/engine/template/ChartTemplateScanner.h"
#include "core/CStdioFile.h"
#include "win/ArgCheck.h"
#include "win/CWnd.h"

IMPLEMENT_SERIAL(DEDizedTitle, DEDizedComponent, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(DEDizedTitleResizeable, DEDizedTitle, VERSIONABLE_SCHEMA | 1)

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

} // namespace

// ---- font scope ------------------------------------------------------------------------------------------

ChartFontScope::ChartFontScope(CDC* pDC, HFONT hFont) : m_pDC(nullptr), m_pOld(nullptr)
{
    if (pDC == nullptr || hFont == nullptr)
        return;
    m_pDC = pDC;
    m_pOld = pDC->SelectObject(CFont::FromHandle(hFont));
}

ChartFontScope::~ChartFontScope()
{
    if (m_pDC != nullptr && m_pOld != nullptr)
        m_pDC->SelectObject(m_pOld);
}

// ---- DEDizedTitle ----------------------------------------------------------------------------------------

DEDizedTitle::DEDizedTitle()
    : m_nAlignment(alignCentre),
      m_hFont(nullptr),
      m_crText(kBlack),
      m_bFontDirty(1),
      m_nFontSize(10),
      m_nFontFlags(0),
      m_strFace("Arial"),
      m_bOwnText(0)
{
    m_nTypeId = chartTypeTitle;
}

void DEDizedTitle::Serialize(CArchive& ar)
{
    DEDizedComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nAlignment << m_crText << m_nFontSize << m_nFontFlags << m_strText << m_strFace << m_bOwnText;
        return;
    }
    ar >> m_nAlignment >> m_crText >> m_nFontSize >> m_nFontFlags >> m_strText >> m_strFace;
    m_bFontDirty = 1;
    if (GetArchiveVersion() >= 3)
        ar >> m_bOwnText;
}

std::vector<CString> DEDizedTitle::SplitLines(const char* lpszText)
{
    std::vector<CString> lines;
    const CString text(lpszText);
    int nStart = 0;
    while (nStart < text.GetLength()) {
        int nEnd = text.Find('\n', nStart);
        if (nEnd < 0)
            nEnd = text.GetLength();
        AfxAllocating([&] { lines.push_back(text.Mid(nStart, nEnd - nStart)); });
        nStart = nEnd + 1;
    }
    return lines;
}

int DEDizedTitle::CountLines(const char* lpszText)
{
    return int(SplitLines(lpszText).size());
}

void DEDizedTitle::LayoutHook()
{
    if (!m_bOwnText && m_pChart != nullptr)
        m_strText = m_pChart->GetChartAnnotation(GetMode());
}

void DEDizedTitle::PrepareFont()
{
    const bool bPrinting = m_pDC != nullptr && m_pDC->IsPrinting();
    if (bPrinting || m_bLayoutDirty || (m_nFontFlags & fontAutoSize))
        m_bFontDirty = 1;
    if (!m_bFontDirty)
        return;
    BuildFont();
    if (!bPrinting)
        m_bFontDirty = 0;
}

void DEDizedTitle::BuildFont()
{
    if (m_pChart == nullptr)
        return;
    m_hFont = m_pChart->GetFont(m_strFace, GetFontSize(), m_nFontFlags, 0, m_pDC);
}

CRect DEDizedTitle::MoveIntoDrawingArea(CRect rect) const
{
    const CRect area = m_pChart != nullptr ? m_pChart->GetDrawingRect() : CRect();
    if (rect.right > area.right) {
        rect.OffsetRect(area.right - rect.right, 0);
        rect.left = (std::max)(int(rect.left), 0);
    }
    if (rect.left < 0) {
        rect.OffsetRect(-rect.left, 0);
        rect.right = (std::min)(rect.right, area.right);
    }
    if (rect.bottom > area.bottom) {
        rect.OffsetRect(0, area.bottom - rect.bottom);
        rect.top = (std::max)(int(rect.top), 0);
    }
    if (rect.top < 0) {
        rect.OffsetRect(0, -rect.top);
        rect.bottom = (std::min)(rect.bottom, area.bottom);
    }
    rect.OffsetRect(-area.left, -area.top);
    return rect;
}

CRect DEDizedTitle::GetInnerDeviceRect()
{
    CRect rect = GetDeviceRect();
    GetInnerRect(rect);
    return rect;
}

void DEDizedTitle::DrawContent()
{
    if (!m_bVisible)
        return;
    LayoutHook();
    PrepareFont();
    ChartFontScope font(m_pDC, m_hFont);
    const COLORREF crOld = m_pDC->SetTextColor(GetTextColour());
    const int nOldMode = m_pDC->SetBkMode(TRANSPARENT);
    DrawTextBlock(m_strText, GetInnerDeviceRect());
    m_pDC->SetBkMode(nOldMode);
    m_pDC->SetTextColor(crOld);
}

void DEDizedTitle::DrawLine3D(int x, int y, const CString& line, COLORREF crColour)
{
    const int d = (m_nFontFlags & fontEmbossed) ? 1 : (m_nFontFlags & fontEngraved) ? -1 : 0;
    if (d != 0) {
        const int dx = d * int(GetDeviceScaleX() + 0.5);
        const int dy = d * int(GetDeviceScaleY() + 0.5);
        m_pDC->SetTextColor(kWhite);
        m_pDC->TextOut(x + dx, y + dy, line);
        m_pDC->SetTextColor(kBlack);
        m_pDC->TextOut(x - dx, y - dy, line);
    }
    m_pDC->SetTextColor(crColour);
    m_pDC->TextOut(x, y, line);
}

void DEDizedTitle::DrawTextBlock(const char* lpszText, const RECT& rect)
{
    if (lpszText == nullptr || *lpszText == '\0' || m_pDC == nullptr)
        return;
    const std::vector<CString> lines = SplitLines(lpszText);
    const int nLineHeight = m_pDC->GetTextExtent(CString(lpszText)).cy;
    const int nBlockHeight = int(lines.size()) * nLineHeight;
    int y = (rect.bottom - rect.top - nBlockHeight) / 2 + rect.top - 1;
    const COLORREF crText = GetTextColour();
    const COLORREF crOld = m_pDC->GetTextColor();
    const UINT nOldAlign = m_pDC->GetTextAlign();
    for (const CString& line : lines) {
        int x = rect.left;
        UINT nAlign = TA_LEFT | TA_TOP;
        if (m_nAlignment == alignRight) {
            x = rect.right;
            nAlign = TA_RIGHT | TA_TOP;
        } else if (m_nAlignment == alignCentre) {
            x = (rect.left + rect.right) / 2;
            nAlign = TA_CENTER | TA_TOP;
        }
        m_pDC->SetTextAlign(nAlign);
        DrawLine3D(x, y, line, crText);
        y += nLineHeight;
    }
    m_pDC->SetTextAlign(nOldAlign);
    m_pDC->SetTextColor(crOld);
}

void DEDizedTitle::DrawTextBlockCopy(CString text, CRect rect)
{
    DrawTextBlock(text, rect);
}

CSize DEDizedTitle::MeasureText(const char* lpszText)
{
    if (m_pDC == nullptr || lpszText == nullptr || *lpszText == '\0')
        return CSize(0, 0);
    const std::vector<CString> lines = SplitLines(lpszText);
    int nWidth = 0;
    for (const CString& line : lines)
        nWidth = (std::max)(nWidth, int(m_pDC->GetTextExtent(line).cx));
    return CSize(nWidth, int(lines.size()) * m_pDC->GetTextExtent(CString(lpszText)).cy);
}

int DEDizedTitle::FitFontSize()
{
    if (m_pDC == nullptr || m_pChart == nullptr)
        return m_nFontSize;
    const CRect inner = GetInnerDeviceRect();
    const int nHeight = FitTextToBox(m_strText, m_strFace, m_nFontFlags, inner.Width(), inner.Height());
    return nHeight != 0 ? nHeight : -20;
}

int DEDizedTitle::FitTextToBox(const char* lpszText, const char* lpszFace, int nFlags, int nWidth, int nHeight)
{
    if (m_pDC == nullptr || m_pChart == nullptr)
        return 0;
    const int nBase = ::MulDiv(10, ChartDeviceDpi(m_pDC).cy, 72);
    CSize text;
    {
        ChartFontScope font(m_pDC, m_pChart->GetFont(lpszFace, -nBase, nFlags, 0, m_pDC));
        text = MeasureText(lpszText);
    }
    if (text.cx <= 0 || text.cy <= 0)
        return 0;
    const double g = (std::min)(double(nHeight) / text.cy, double(nWidth) / text.cx);
    const double dFloor = 3.0 * GetDeviceScaleY();
    return nBase * g >= dFloor ? -int(nBase * g) : -int(dFloor);
}

int DEDizedTitle::GetFontSize()
{
    return (m_nFontFlags & fontAutoSize) ? FitFontSize() : m_nFontSize;
}

void DEDizedTitle::SetLogFont(const LOGFONT* pLogFont)
{
    AfxRequirePointer(pLogFont, "DEDizedTitle::SetLogFont", "the LOGFONT");
    if (pLogFont->lfFaceName[0] != '\0')
        m_strFace = CString(pLogFont->lfFaceName, int(strnlen(pLogFont->lfFaceName, LF_FACESIZE)));
    if (pLogFont->lfHeight != 0)
        m_nFontSize = -std::abs(int(pLogFont->lfHeight));
    int nFlags = m_nFontFlags & ~0x7F;
    if (pLogFont->lfWeight > 500)
        nFlags |= fontBold;
    if (pLogFont->lfItalic)
        nFlags |= fontItalic;
    if (pLogFont->lfUnderline)
        nFlags |= fontUnderline;
    if (pLogFont->lfStrikeOut)
        nFlags |= fontStrikeOut;
    m_nFontFlags = nFlags;
    m_bFontDirty = 1;
}

void DEDizedTitle::SetFontDirty(int bDirty)
{
    m_bFontDirty = bDirty;
}

COLORREF DEDizedTitle::GetTextColour()
{
    return m_crText;
}

void DEDizedTitle::SetFace(const char* lpszFace)
{
    m_strFace = lpszFace != nullptr ? lpszFace : "";
    m_bFontDirty = 1;
}

void DEDizedTitle::SetFace(const CString& face)
{
    SetFace(face.GetString());
}

CString DEDizedTitle::GetFace() const
{
    return m_strFace;
}

void DEDizedTitle::SetFont(int nSize, int nFlags, const char* lpszFace)
{
    m_nFontSize = nSize;
    m_nFontFlags = nFlags;
    SetFace(lpszFace);
}

void DEDizedTitle::SetFontFlags(int nFlags)
{
    m_nFontFlags = nFlags;
    m_bFontDirty = 1;
}

void DEDizedTitle::SetText(const char* lpszText, int nAlignment)
{
    m_strText = lpszText != nullptr && *lpszText != '\0' ? lpszText : " ";
    m_nAlignment = nAlignment;
}

void DEDizedTitle::SetTextColour(COLORREF crColour)
{
    m_crText = crColour;
}

const char* DEDizedTitle::ReadTemplateClassPart(const char* lpszText)
{
    AfxRequirePointer(lpszText, "DEDizedTitle::ReadTemplateClassPart", "the text");
    ChartTemplateText part;
    const char* p = lpszText;
    if (const int nCode = ChartTemplateScanText(lpszText, part, &p))
        ThrowChartException(nCode);
    SetText(" ", part.alignment);
    SetTextColour(RGB(part.colour[0] & 0xFF, part.colour[1] & 0xFF, part.colour[2] & 0xFF));
    SetFont(part.size, part.flags, part.face.c_str());
    return p;
}

void DEDizedTitle::WriteTemplateKeyword(CStdioFile& writer)
{
    writer.WriteString("title ");
}

void DEDizedTitle::WriteTemplateClassPart(CStdioFile& writer)
{
    writer.WriteString(TemplateTextPart(m_crText, m_strFace, m_nFontSize, m_nFontFlags, m_nAlignment));
}

CString DEDizedTitle::TemplateTextPart(COLORREF crColour, const CString& face, int nSize, int nFlags, int nAlignment)
{
    CString text;
    text.Format("%d %d %d \"%s\" %d %d %d ", GetRValue(crColour), GetGValue(crColour), GetBValue(crColour),
                face.GetString(), nSize, nFlags, nAlignment);
    return text;
}

// ---- DEDizedTitleResizeable ------------------------------------------------------------------------------

DEDizedTitleResizeable::DEDizedTitleResizeable() : m_bComputing(0), m_bAutoResize(1)
{
}

void DEDizedTitleResizeable::Serialize(CArchive& ar)
{
    DEDizedTitle::Serialize(ar);
    if (ar.IsStoring())
        ar << m_bAutoResize;
    else if (GetArchiveVersion() >= 4)
        ar >> m_bAutoResize;
}

int DEDizedTitleResizeable::GetVersion() const
{
    return 4;
}

void DEDizedTitleResizeable::SetAutoResize(int bAutoResize)
{
    m_bAutoResize = bAutoResize;
}

int DEDizedTitleResizeable::GetAutoResize() const
{
    return m_bAutoResize;
}

void DEDizedTitleResizeable::Draw(CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDizedTitleResizeable::Draw", "pDC");
    m_savedRect = m_rect;
    try {
        if (m_bAutoResize) {
            BeginDrawing(pDC, pWnd);
            m_bComputing = 1;
            DrawContent();
            m_bComputing = 0;
            EndDrawing();
            m_rect = m_fittedRect;
        }
        DEDizedTitle::Draw(pDC, pWnd);
    } catch (...) {
        m_bComputing = 0;
        EndDrawing();
        m_rect = m_savedRect;
        throw;
    }
    m_rect = m_savedRect;
}

void DEDizedTitleResizeable::DrawContent()
{
    if (!m_bComputing || !m_bAutoResize) {
        DEDizedTitle::DrawContent();
        return;
    }
    LayoutHook();
    PrepareFont();
    CSize text;
    {
        ChartFontScope font(m_pDC, m_hFont);
        text = MeasureText(m_strText);
    }
    const CRect inner = GetInnerDeviceRect();
    const CPoint centre = inner.CenterPoint();
    CRect fitted(centre.x - text.cx / 2, centre.y - text.cy / 2, 0, 0);
    fitted.right = fitted.left + text.cx;
    fitted.bottom = fitted.top + text.cy;
    const int nBorder = GetBorderWidth();
    fitted.InflateRect(nBorder + int(GetHorizontalMarginPixels()), nBorder + int(GetVerticalMarginPixels()));

    m_fittedRect = m_rect;
    m_fittedRect.SetFromPixels(MoveIntoDrawingArea(fitted), m_pDC);
    const DEDizedRect& stored = m_savedRect;
    if (stored.m_dLeft == -1.0) {
        m_fittedRect.m_dRight -= m_fittedRect.m_dLeft;
        m_fittedRect.m_dLeft = -1.0;
    }
    if (stored.m_dTop == -1.0) {
        m_fittedRect.m_dBottom -= m_fittedRect.m_dTop;
        m_fittedRect.m_dTop = -1.0;
    }
    if (stored.m_dRight == -1.0)
        m_fittedRect.m_dRight = -1.0;
    if (stored.m_dBottom == -1.0)
        m_fittedRect.m_dBottom = -1.0;
    m_rect = m_fittedRect;
}

void DEDizedTitleResizeable::GetFittedRect(DEDizedRect& result, CDC* pDC, CWnd* pWnd)
{
    AfxRequirePointer(pDC, "DEDizedTitleResizeable::GetFittedRect", "pDC");
    if (!m_bAutoResize || m_pChart == nullptr) {
        result = m_rect;
        return;
    }
    CRect area = m_pChart->GetDrawingRect();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->GetClientRect(&area);
    const CRect oldDrawing = m_pChart->GetDrawingRect();
    const CRect oldFixed = m_pChart->GetFixedRect();
    const int bOldFixed = m_pChart->GetFixedRectFlag();
    m_savedRect = m_rect;
    auto restore = [&] {
        m_bComputing = 0;
        EndDrawing();
        m_rect = m_savedRect;
        m_pChart->SetDrawingRect(oldDrawing);
        m_pChart->SetFixedRect(oldFixed);
        m_pChart->SetFixedRectFlag(bOldFixed);
    };
    m_pChart->SetDrawingRect(area);
    m_pChart->SetFixedRect(area);
    m_pChart->SetFixedRectFlag(1);
    try {
        BeginDrawing(pDC, pWnd);
        m_bComputing = 1;
        DrawContent();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    result = m_fittedRect;
}
