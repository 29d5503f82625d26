#include <algorithm>

#include "frames/SECBitmapButton.h"

#include "frames/SECSysColorBitmap.h"
#include "win/ArgCheck.h"
#include "win/CWindowDC.h"

IMPLEMENT_DYNAMIC(SECBitmapButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECBitmapButton, SECOwnerDrawButton)
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

SECBitmapButton::SECBitmapButton() = default;

SECBitmapButton::~SECBitmapButton()
{
    if (m_bmpState.hBitmap != nullptr)
        ::DeleteObject(m_bmpState.hBitmap);
}

void SECBitmapButton::CheckAlignment(int nAlign, const char* lpszWhere)
{
    if (nAlign < AlignLeft || nAlign > AlignOnly)
        AfxThrowInvalidArgFormat("%s: alignment %d is not 0 to 4", lpszWhere, nAlign);
}

BOOL SECBitmapButton::LoadBitmapResource(LPCSTR lpszBitmap)
{
    HBITMAP hBitmap = SECLoadSysColorBitmap(lpszBitmap);
    if (hBitmap == nullptr)
        return FALSE;
    if (m_bmpState.hBitmap != nullptr)
        ::DeleteObject(m_bmpState.hBitmap);
    m_bmpState.hBitmap = hBitmap;
    if (IS_INTRESOURCE(lpszBitmap)) {
        m_bmpState.nIDBitmap = UINT(reinterpret_cast<UINT_PTR>(lpszBitmap));
        m_bmpState.strBitmap.Empty();
    } else {
        m_bmpState.nIDBitmap = 0;
        m_bmpState.strBitmap = lpszBitmap;
    }
    return TRUE;
}

BOOL SECBitmapButton::AttachButton(int nID, int nAlign, LPCSTR lpszBitmap, CWnd* pParent, DWORD dwBtnFlags)
{
    AfxRequirePointer(pParent, "SECBitmapButton::AttachButton", "pParent");
    CheckAlignment(nAlign, "SECBitmapButton::AttachButton");
    if (pParent->GetDlgItem(nID) == nullptr || !LoadBitmapResource(lpszBitmap))
        return FALSE;
    if (!SubclassDlgItem(UINT(nID), pParent))
        return FALSE;
    m_bmpState.nAlign = nAlign;
    SetButtonFlags(dwBtnFlags);
    Layout();
    Invalidate();
    return TRUE;
}

BOOL SECBitmapButton::Create(LPCSTR lpszCaption, DWORD dwStyle, LPCSTR lpszBitmap, const RECT& rect,
                             CWnd* pParentWnd, UINT nID, int nAlign, DWORD dwBtnFlags)
{
    CheckAlignment(nAlign, "SECBitmapButton::Create");
    if (!LoadBitmapResource(lpszBitmap))
        return FALSE;
    m_bmpState.nAlign = nAlign;
    if (!SECOwnerDrawButton::Create(lpszCaption, dwStyle, rect, pParentWnd, nID, dwBtnFlags))
        return FALSE;
    Layout();
    return TRUE;
}

BOOL SECBitmapButton::SetBitmap(LPCSTR lpszBitmap)
{
    if (!LoadBitmapResource(lpszBitmap))
        return FALSE;
    if (m_hWnd != nullptr) {
        Layout();
        Invalidate();
    }
    return TRUE;
}

void SECBitmapButton::SetAlignment(int nAlign)
{
    CheckAlignment(nAlign, "SECBitmapButton::SetAlignment");
    m_bmpState.nAlign = nAlign;
    if (m_hWnd != nullptr) {
        Layout();
        Invalidate();
    }
}

void SECBitmapButton::SetMargins(int cx, int cy)
{
    m_bmpState.cxMargin = cx;
    m_bmpState.cyMargin = cy;
    if (m_hWnd != nullptr) {
        Layout();
        Invalidate();
    }
}

CSize SECBitmapButton::GetBitmapSize() const
{
    BITMAP bm = {};
    if (m_bmpState.hBitmap == nullptr || ::GetObjectA(m_bmpState.hBitmap, sizeof(bm), &bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

HFONT SECBitmapButton::GetTextFont() const
{
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return hFont != nullptr ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

CSize SECBitmapButton::GetTextExtent() const
{
    CString strText;
    GetWindowText(strText);
    CClientDC dc(const_cast<SECBitmapButton*>(this));
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, GetTextFont());
    CRect rect(0, 0, 0, 0);
    dc.DrawText(strText, rect, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(dc.m_hDC, hOldFont);
    return rect.Size();
}

void SECBitmapButton::Layout()
{
    CRect rcClient;
    GetClientRect(rcClient);
    CRect rc = rcClient;
    rc.right -= 3;
    rc.bottom -= 3;
    const CSize size = GetBitmapSize();
    const int mx = m_bmpState.cxMargin;
    const int my = m_bmpState.cyMargin;
    CRect& rcBitmap = m_bmpState.rcBitmap;
    CRect& rcText = m_bmpState.rcText;
    int x = rc.left + (rc.Width() - size.cx) / 2; // centred
    int y = rc.top + (rc.Height() - size.cy) / 2;
    switch (m_bmpState.nAlign) {
    case AlignLeft:
        x = rc.left + mx;
        rcText.SetRect(x + size.cx + 1, rc.top, rc.right, rc.bottom);
        break;
    case AlignRight:
        x = rc.right - size.cx - mx;
        rcText.SetRect(rc.left, rc.top, x - 1, rc.bottom);
        break;
    case AlignTop:
        y = rc.top + my;
        rcText.SetRect(rc.left, y + size.cy + 1, rc.right, rc.bottom);
        break;
    case AlignBottom:
        y = rc.bottom - size.cy - my;
        rcText.SetRect(rc.left, rc.top, rc.right, y - 1);
        break;
    default:
        rcText.SetRectEmpty();
        break;
    }
    rcBitmap.SetRect(x, y, x + size.cx, y + size.cy);
    rcBitmap.IntersectRect(rcBitmap, rcClient);
    rcText.IntersectRect(rcText, rcClient);
}

void SECBitmapButton::SizeToContent()
{
    const CSize bitmap = GetBitmapSize();
    CSize content = bitmap;
    if (m_bmpState.nAlign != AlignOnly) {
        const CSize text = GetTextExtent();
        if (m_bmpState.nAlign == AlignLeft || m_bmpState.nAlign == AlignRight)
            content = CSize(bitmap.cx + text.cx + 5, (std::max)(bitmap.cy, text.cy));
        else
            content = CSize((std::max)(bitmap.cx, text.cx), bitmap.cy + text.cy + 5);
    }
    SetWindowPos(nullptr, 0, 0, content.cx + 2 * m_bmpState.cxMargin + 3, content.cy + 2 * m_bmpState.cyMargin + 3,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECBitmapButton::DrawContent(CDC* pDC, LPDRAWITEMSTRUCT, const CRect& rcContent)
{
    const CPoint offset = rcContent.TopLeft();
    if (m_bmpState.hBitmap != nullptr && !m_bmpState.rcBitmap.IsRectEmpty()) {
        CDC dcBitmap;
        if (dcBitmap.CreateCompatibleDC(pDC)) {
            HGDIOBJ hOld = ::SelectObject(dcBitmap.m_hDC, m_bmpState.hBitmap);
            const CRect& rc = m_bmpState.rcBitmap;
            pDC->BitBlt(rc.left + offset.x, rc.top + offset.y, rc.Width(), rc.Height(), &dcBitmap, 0, 0, SRCCOPY);
            ::SelectObject(dcBitmap.m_hDC, hOld);
        }
    }
    if (m_bmpState.nAlign == AlignOnly)
        return;
    CString strText;
    GetWindowText(strText);
    CRect rcText = m_bmpState.rcText;
    rcText.OffsetRect(offset);
    HGDIOBJ hOldFont = ::SelectObject(pDC->m_hDC, GetTextFont());
    const COLORREF clrOldText = pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, rcText, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    ::SelectObject(pDC->m_hDC, hOldFont);
}

void SECBitmapButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS)
{
    CRect rect;
    if (m_bmpState.nAlign == AlignOnly) {
        rect = m_bmpState.rcBitmap;
        rect.InflateRect(3, 3);
    } else {
        const CSize text = GetTextExtent();
        const CRect& rc = m_bmpState.rcText;
        const int x = rc.left + (rc.Width() - text.cx) / 2;
        const int y = rc.top + (rc.Height() - text.cy) / 2;
        rect.SetRect(x, y, x + text.cx, y + text.cy);
        rect.InflateRect(1, 1);
    }
    if (lpDIS->itemState & ODS_SELECTED)
        rect.OffsetRect(1, 1);
    rect.OffsetRect(lpDIS->rcItem.left, lpDIS->rcItem.top);
    DrawFocusRect(pDC, rect);
}

void SECBitmapButton::OnSize(UINT nType, int cx, int cy)
{
    SECOwnerDrawButton::OnSize(nType, cx, cy);
    Layout();
}

void SECBitmapButton::OnSysColorChange()
{
    SECOwnerDrawButton::OnSysColorChange();
    // the colours are mapped while loading
    const CString strName = m_bmpState.strBitmap;
    LoadBitmapResource(strName.IsEmpty() ? MAKEINTRESOURCEA(m_bmpState.nIDBitmap) : strName.GetString());
}

void SECBitmapButton::OnDestroy()
{
    if (m_bmpState.hBitmap != nullptr) {
        ::DeleteObject(m_bmpState.hBitmap);
        m_bmpState.hBitmap = nullptr;
    }
    SECOwnerDrawButton::OnDestroy();
}
