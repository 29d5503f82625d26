// Cell tips: measuring and the tip object of the text-showing controls (see GXCellTip.h).
#include "grid/engine/GXCellTip.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXTipWnd.h"
#include "win/Win.h"

#include <algorithm>
#include <cstring>

namespace {

// The bitmap control's class: its text refers to a picture the grid supplies, never to a bitmap of
// the pool, so it is a text like any other.
const GXControlClass kBitmapControlClass = {"CGXDaoBitmap", nullptr};

// The grid window, null when the grid has no window yet.
CWnd* GridWindow(CGXControl* pControl)
{
    CWnd* pWnd = pControl->Grid()->GridWnd();
    return pWnd != nullptr && pWnd->m_hWnd != nullptr ? pWnd : nullptr;
}

// rect (client coordinates of the grid window) in screen coordinates.
CRect ToScreen(CGXControl* pControl, CRect rect)
{
    if (CWnd* pWnd = GridWindow(pControl))
        pWnd->ClientToScreen(&rect);
    return rect;
}

// The grid window's client area in screen coordinates.
CRect ClientAreaOnScreen(CGXControl* pControl)
{
    CRect rect(0, 0, 0, 0);
    if (CWnd* pWnd = GridWindow(pControl)) {
        pWnd->GetClientRect(&rect);
        pWnd->ClientToScreen(&rect);
    }
    return rect;
}

BOOL IsBitmapControl(CGXControl* pControl)
{
    return pControl->IsKindOf(&kBitmapControlClass);
}

// The style is centred across (down).
BOOL CentredAcross(const CGXStyle& style)
{
    return style.GetIncludeHorizontalAlignment() && style.GetHorizontalAlignment() == DT_CENTER;
}

BOOL CentredDown(const CGXStyle& style)
{
    return style.GetIncludeVerticalAlignment() && style.GetVerticalAlignment() == DT_VCENTER;
}

}  // namespace

// ---- measuring --------------------------------------------------------------------------------------

CString GetCellTipText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CString strText;
    pControl->GetControlText(strText, nRow, nCol, nullptr, style);
    return strText;
}

CRect GetCellTipInnerRect(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CRect rect = ToScreen(pControl, pControl->Grid()->CalcCellRect(nRow, nCol));
    if (style.GetIncludeBorders()) {
        auto width = [&](int nSide) {
            return style.GetIncludeBorders(nSide) ? int(style.GetBorders(nSide).GetWidth()) : -1;
        };
        // a side without a border keeps its edge
        if (int n = width(0); n >= 0)
            rect.left += n;
        if (int n = width(1); n >= 0)
            rect.right -= n - 1;
        if (int n = width(2); n >= 0)
            rect.top += n;
        if (int n = width(3); n >= 0)
            rect.bottom -= n - 1;
    }
    return rect;
}

CRect GetCellTipTextRect(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const CRect rectCell = pControl->Grid()->CalcCellRect(nRow, nCol);
    return ToScreen(pControl, pControl->GetCellRect(nRow, nCol, &rectCell, &style));
}

CRect GetCellTipVisibleRect(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = pControl->Grid();
    CRect rect;
    const CRect rectCell = pGrid->CalcCellRect(nRow, nCol);
    const CRect rectGrid = pGrid->GetGridRect();
    if (!rect.IntersectRect(&rectCell, &rectGrid))
        return CRect(0, 0, 0, 0);
    return ToScreen(pControl, rect);
}

CSize GetCellTipTextExtent(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const char* pszText)
{
    if (!style.GetIncludeFont())
        return CSize(0, 0);
    const CString strText = pszText != nullptr ? CString(pszText) : GetCellTipText(pControl, nRow, nCol, style);
    CGXGridCore* pGrid = pControl->Grid();
    CDC* pDC = pGrid->GetClientDC();
    CFont* pOldFont = pGrid->SelectFont(pDC, style.GetFontRef());
    const CSize size = pDC->GetTextExtent(strText);
    pDC->SelectObject(pOldFont);
    pGrid->ReleaseClientDC();
    return size;
}

CPoint GetCellTipTextOrigin(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const CRect rect = GetCellTipTextRect(pControl, nRow, nCol, style);
    const UINT nHorz = style.GetIncludeHorizontalAlignment() ? style.GetHorizontalAlignment() : 0;
    const UINT nVert = style.GetIncludeVerticalAlignment() ? style.GetVerticalAlignment() : 0;
    const BOOL bAcross = nHorz == DT_CENTER || nHorz == DT_RIGHT;
    const BOOL bDown = nVert == DT_VCENTER || nVert == DT_BOTTOM;
    if (!bAcross && !bDown)
        return rect.TopLeft();

    CString strText = GetCellTipText(pControl, nRow, nCol, style);
    CSize size = GetCellTipTextExtent(pControl, nRow, nCol, style, strText);
    if (bAcross) {
        // shortened as the cell shows a text that is too wide
        const BOOL bDots = style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE) &&
                           style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetLongValue() ==
                               CGXDrawingAndFormatting::gxDotEllipsis;
        int nDots = 3;
        CString strShown = strText;
        while (size.cx > rect.right - rect.left + 1 && strShown.GetLength() >= 2 && nDots > 0) {
            // characters go first; with one left, the dots
            if (strText.GetLength() >= 2)
                strText = strText.Left(strText.GetLength() - 1);
            if (strText.GetLength() == 1)
                --nDots;
            strShown = bDots ? strText + CString('.', nDots) : strText;
            size = GetCellTipTextExtent(pControl, nRow, nCol, style, strShown);
        }
    }
    CPoint point = rect.TopLeft();
    if (nHorz == DT_RIGHT)
        point.x = std::max(rect.right - size.cx + 1, rect.left);
    else if (nHorz == DT_CENTER)
        point.x = rect.left + std::max((rect.right - size.cx - rect.left + 1) / 2, LONG(0));
    if (nVert == DT_BOTTOM)
        point.y = std::max(rect.bottom - size.cy, rect.top);
    else if (nVert == DT_VCENTER)
        point.y = rect.top + std::max((rect.bottom - size.cy - rect.top) / 2, LONG(0));
    return point;
}

HGLOBAL GetCellTipBitmap(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CSize* pSize)
{
    HGLOBAL hDIB = GetDIBPool()->LookupDIB(GetCellTipText(pControl, nRow, nCol, style));
    if (pSize != nullptr) {
        *pSize = CSize(0, 0);
        if (hDIB != nullptr) {
            // read through a DIB that does not own the block: the pool keeps it
            CGXDIB dib;
            dib.Attach(hDIB);
            *pSize = CSize(dib.GetWidth(), dib.GetHeight());
            dib.Detach();
        }
    }
    return hDIB;
}

CPoint GetCellTipBitmapOrigin(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CSize size;
    if (GetCellTipBitmap(pControl, nRow, nCol, style, &size) == nullptr)
        return CPoint(0, 0);
    const CRect rect = GetCellTipInnerRect(pControl, nRow, nCol, style);
    const UINT nHorz = style.GetIncludeHorizontalAlignment() ? style.GetHorizontalAlignment() : 0;
    const UINT nVert = style.GetIncludeVerticalAlignment() ? style.GetVerticalAlignment() : 0;
    CPoint point = rect.TopLeft();
    if (size.cx < rect.Width()) {
        if (nHorz == DT_CENTER)
            point.x = rect.left + (rect.Width() - size.cx) / 2;
        else if (nHorz == DT_RIGHT)
            point.x = rect.right - size.cx - 1;
    }
    if (size.cy < rect.Height()) {
        if (nVert == DT_VCENTER)
            point.y = rect.top + (rect.Height() - size.cy) / 2;
        else if (nVert == DT_BOTTOM)
            point.y = rect.bottom - size.cy - 1;
    }
    return point;
}

UINT GetCellTipPlacement(CGXControl* pControl, const CRect& rect)
{
    const CRect rectClient = ClientAreaOnScreen(pControl);
    UINT nBits = 0;
    if (rect.left < rectClient.left || rect.right > rectClient.right)
        nBits |= gxTipOutClientX;
    if (rect.top < rectClient.top || rect.bottom > rectClient.bottom)
        nBits |= gxTipOutClientY;
    if (rect.left < 0 || rect.right > ::GetSystemMetrics(SM_CXSCREEN))
        nBits |= gxTipOutScreenX;
    if (rect.top < 0 || rect.bottom > ::GetSystemMetrics(SM_CYSCREEN))
        nBits |= gxTipOutScreenY;
    return nBits;
}

UINT NeedTextTip(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const CGXFont& font = style.GetFontRef();
    if (style.GetIncludeFont() && font.GetIncludeOrientation() && font.GetOrientation() > 0)
        return 0;
    const CRect rectText = GetCellTipTextRect(pControl, nRow, nCol, style);
    const CPoint origin = GetCellTipTextOrigin(pControl, nRow, nCol, style);
    const CSize size = GetCellTipTextExtent(pControl, nRow, nCol, style);
    UINT nBits = 0;
    if (origin.x + size.cx > rectText.right + 1)
        nBits |= gxTipWider;
    if (origin.y + size.cy > rectText.bottom + 1)
        nBits |= gxTipTaller;
    const CRect rectShown(origin.x, origin.y, std::min(origin.x + size.cx, rectText.right),
                          std::min(origin.y + size.cy, rectText.bottom));
    return nBits | GetCellTipPlacement(pControl, rectShown);
}

UINT NeedBitmapTip(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CSize size;
    if (GetCellTipBitmap(pControl, nRow, nCol, style, &size) == nullptr)
        return 0;
    const CRect rectInner = GetCellTipInnerRect(pControl, nRow, nCol, style);
    UINT nBits = 0;
    if (size.cx > rectInner.Width())
        nBits |= gxTipWider;
    if (size.cy > rectInner.Height())
        nBits |= gxTipTaller;
    const CPoint origin = GetCellTipBitmapOrigin(pControl, nRow, nCol, style);
    return nBits | GetCellTipPlacement(pControl, CRect(origin, size));
}

BOOL IsCellTipBitmapText(CGXControl* pControl, const char* pszText)
{
    return std::strncmp(pszText, "#BMP", 4) == 0 && !IsBitmapControl(pControl);
}

// ---- tip objects ------------------------------------------------------------------------------------

CGXCellTipBase::~CGXCellTipBase() = default;

CGXCellTipStatic::CGXCellTipStatic(CGXControl* pControl) : m_pControl(pControl) {}

UINT CGXCellTipStatic::NeedShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_pControl == nullptr)
        return 0;
    const CString strText = GetCellTipText(m_pControl, nRow, nCol, style);
    if (strText.IsEmpty())
        return 0;
    if (IsCellTipBitmapText(m_pControl, strText))
        return NeedBitmapTip(m_pControl, nRow, nCol, style);
    if (style.GetIncludeWrapText() && style.GetWrapText())
        return 0;
    return NeedTextTip(m_pControl, nRow, nCol, style);
}

int CGXCellTipStatic::GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_pControl == nullptr)
        return gxTextTip;
    return IsCellTipBitmapText(m_pControl, GetCellTipText(m_pControl, nRow, nCol, style)) ? gxBitmapTip : gxTextTip;
}

void CGXCellTipStatic::ShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd)
{
    if (m_pControl == nullptr || pTipWnd == nullptr)
        return;
    if (pTipWnd->GetKind() == gxBitmapTip)
        ShowBitmapTip(nRow, nCol, style, pTipWnd);
    else
        ShowTextTip(nRow, nCol, style, pTipWnd);
}

void CGXCellTipStatic::ShowTextTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd)
{
    auto* pTextTip = static_cast<CGXTextTipWnd*>(pTipWnd);
    pTextTip->SetTipText(GetCellTipText(m_pControl, nRow, nCol, style));
    CGXFont font = style.GetFontRef();
    if (font.GetIncludeSize())
        font.SetSize(font.SizeToPoints() * pTipWnd->GetZoom() / 100);
    pTextTip->SetTipFont(font);

    const CRect rectVisible = GetCellTipVisibleRect(m_pControl, nRow, nCol);
    CSize size = GetCellTipTextExtent(m_pControl, nRow, nCol, style);
    size.cx += 6;
    size.cy += 2;
    const CPoint origin = GetCellTipTextOrigin(m_pControl, nRow, nCol, style);
    const UINT nNeed = NeedShowTip(nRow, nCol, style);
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);

    // one axis of the tip: its start and length
    auto place = [](BOOL bOutScreen, BOOL bOutClient, LONG nVisibleStart, LONG nVisibleLength, LONG nOrigin,
                    LONG nText, LONG nScreen, LONG& nStart, LONG& nLength) {
        if (bOutScreen)
            nLength = nText;
        else if (bOutClient)
            nLength = nOrigin + nText - nVisibleStart;
        else
            nLength = std::max(nOrigin + nText - nVisibleStart, std::min(nVisibleLength, nScreen - nVisibleStart));
        nStart = nVisibleStart;
        if (bOutScreen)
            nStart = nVisibleStart + nLength > nScreen ? nScreen : 0;
        nStart = std::max(LONG(0), std::min(nStart, nScreen - nLength));
    };
    CRect rectTip;
    LONG nLeft, nWidth, nTop, nHeight;
    place((nNeed & gxTipOutScreenX) != 0, (nNeed & gxTipOutClientX) != 0 && !CentredAcross(style), rectVisible.left,
          rectVisible.Width(), origin.x, size.cx, cxScreen, nLeft, nWidth);
    place((nNeed & gxTipOutScreenY) != 0, (nNeed & gxTipOutClientY) != 0 && !CentredDown(style), rectVisible.top,
          rectVisible.Height(), origin.y, size.cy, cyScreen, nTop, nHeight);
    rectTip.SetRect(nLeft, nTop, nLeft + nWidth, nTop + nHeight);
    pTipWnd->PlaceTip(rectTip);

    // the text at its origin in the tip, kept on the screen
    CPoint point;
    point.x = (nNeed & gxTipOutScreenX) ? 2 : std::min(origin.x, LONG(cxScreen - nWidth + 2)) - nLeft;
    point.y = (nNeed & gxTipOutScreenY) ? 2 : std::min(origin.y, LONG(cyScreen - nHeight + 2)) - nTop;
    if (style.GetIncludeVerticalAlignment() && style.GetVerticalAlignment() == DT_BOTTOM)
        point.y = std::max(point.y - 1, LONG(0));
    pTextTip->SetTipTextRect(CRect(point.x, point.y, nWidth, nHeight));
}

void CGXCellTipStatic::ShowBitmapTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXTipWnd* pTipWnd)
{
    auto* pBitmapTip = static_cast<CGXBitmapTipWnd*>(pTipWnd);
    CSize size;
    HGLOBAL hDIB = GetCellTipBitmap(m_pControl, nRow, nCol, style, &size);
    pBitmapTip->SetTipBitmap(hDIB);
    if (hDIB == nullptr)
        return;
    const CRect rectCell = GetCellTipVisibleRect(m_pControl, nRow, nCol);
    const LONG nWidth = std::max(size.cx + 1, LONG(rectCell.Width()));
    const LONG nHeight = std::max(size.cy + 1, LONG(rectCell.Height()));
    LONG nLeft = std::min(rectCell.left, LONG(::GetSystemMetrics(SM_CXFULLSCREEN)) - nWidth);
    LONG nTop = std::min(rectCell.top, LONG(::GetSystemMetrics(SM_CYFULLSCREEN)) - nHeight);
    if (style.GetIncludeVerticalAlignment() && style.GetVerticalAlignment() == DT_BOTTOM &&
        size.cy > rectCell.Height())
        nTop = rectCell.bottom - nHeight;
    pTipWnd->PlaceTip(nLeft, nTop, nLeft + nWidth, nTop + nHeight);

    // the bitmap keeps its place in the cell, within the tip
    const CPoint origin = GetCellTipBitmapOrigin(m_pControl, nRow, nCol, style);
    const LONG x = std::clamp(origin.x - nLeft, LONG(0), nWidth - size.cx);
    const LONG y = std::clamp(origin.y - nTop, LONG(0), nHeight - size.cy);
    pBitmapTip->SetTipBitmapRect(CRect(x, y, x + size.cx, y + size.cy));
}
