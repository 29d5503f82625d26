// The date/time window's messages: painting, focus, keys, characters, the mouse, settings and the
// calendar's answers (see GXBDateTimeCtrl.h).
#include "grid/controls/GXBDateTimeCtrl.h"

#include "grid/controls/GXBCalendar.h"
#include "grid/engine/GXState.h"
#include "win/CDC.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

namespace {

BOOL IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CGXBDateTimeCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_LBUTTONDOWN, OnWndLButtonDown)
    ON_MESSAGE(WM_LBUTTONUP, OnWndLButtonUp)
    ON_MESSAGE(WM_MOUSEMOVE, OnWndMouseMove)
    ON_WM_CANCELMODE()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_WM_DESTROY()
    ON_WM_ENABLE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_MESSAGE(CGXBCalendar::gxDateChosen, OnCalendarChosen)
    ON_MESSAGE(CGXBCalendar::gxCancelled, OnCalendarCancelled)
END_MESSAGE_MAP()

// ---- painting ----------------------------------------------------------------------------------------

BOOL CGXBDateTimeCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, IsWindowEnabled() ? m_crBack : ::GetSysColor(m_nDisabledColorIndex));
    return TRUE;
}

void CGXBDateTimeCtrl::OnPaint()
{
    CPaintDC dc(this);
    m_crBackground = IsWindowEnabled() ? m_crBack : ::GetSysColor(m_nDisabledColorIndex);
    CRect rectBox;
    dc.GetClipBox(&rectBox);
    CRect rectClient;
    GetClientRect(&rectClient);
    CDC dcMemory;
    CBitmap bitmap;
    if (rectClient.IsRectEmpty() || !dcMemory.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, rectClient.Width(), rectClient.Height())) {
        Draw(&dc);
        return;
    }
    // the screen inside the update box is the memory's start, so that parts not drawn stay
    CBitmap* pOldBitmap = dcMemory.SelectObject(&bitmap);
    dcMemory.BitBlt(rectBox.left, rectBox.top, rectBox.Width(), rectBox.Height(), &dc, rectBox.left, rectBox.top,
                    SRCCOPY);
    dcMemory.IntersectClipRect(&rectBox);
    Draw(&dcMemory);
    dc.BitBlt(rectBox.left, rectBox.top, rectBox.Width(), rectBox.Height(), &dcMemory, rectBox.left, rectBox.top,
              SRCCOPY);
    dcMemory.SelectObject(pOldBitmap);
}

BOOL CGXBDateTimeCtrl::DrawsOwnEdge() const
{
    return (GetExStyle() & WS_EX_CLIENTEDGE) && LOBYTE(LOWORD(::GetVersion())) <= 3;
}

void CGXBDateTimeCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (DrawsOwnEdge())
        ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGXBDateTimeCtrl::OnNcPaint()
{
    CWnd::OnNcPaint();
    if (!DrawsOwnEdge())
        return;
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    dc.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
}

void CGXBDateTimeCtrl::OnEnable(BOOL)
{
    Invalidate();
}

// ---- focus -------------------------------------------------------------------------------------------

void CGXBDateTimeCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (GetGadgetCount() <= m_nFixedGadgets)
        return;
    // arriving by Tab takes the first field, by Shift+Tab the last
    if (IsKeyDown(VK_TAB)) {
        const BOOL bBack = IsKeyDown(VK_SHIFT);
        for (int n = 0; n < GetGadgetCount() - m_nFixedGadgets; ++n) {
            const int i = bBack ? GetGadgetCount() - 1 - n : m_nFixedGadgets + n;
            if (GetGadget(i)->GetStyle() & CGXBDTGadget::gxFocusable) {
                m_nFocus = i;
                break;
            }
        }
    }
    EnsureFocusField();
    if (CGXBDTGadget* pFocus = GetFocusedField()) {
        pFocus->SetFocus(TRUE);
        ScrollToGadget(m_nFocus);
    }
}

void CGXBDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (CGXBDTGadget* pFocus = GetFocusedField())
        pFocus->SetFocus(FALSE);
}

// ---- keys and characters -----------------------------------------------------------------------------

UINT CGXBDateTimeCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGXBDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (GetGadgetCount() == 0) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    switch (nChar) {
    case VK_LEFT:
        PrevField();
        break;
    case VK_RIGHT:
        NextField();
        break;
    case VK_TAB:
        if (IsKeyDown(VK_SHIFT))
            PrevField();
        else
            NextField();
        break;
    case VK_F4:
        if (CWnd::GetStyle() & gxDropDownButton)
            DropDownCalendar();
        break;
    default:
        if (CGXBDTGadget* pFocus = GetFocusedField())
            pFocus->OnKeyDown(nChar);
        break;
    }
}

void CGXBDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && (CWnd::GetStyle() & gxDropDownButton))
        DropDownCalendar();
    else
        CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBDateTimeCtrl::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar == '\t')
        return;
    CGXBDTGadget* pFocus = GetFocusedField();
    if (pFocus == nullptr)
        return;
    // typing the separator that follows the field moves on to the next one
    if (const CGXBDTStaticGadget* pNext = dynamic_cast<const CGXBDTStaticGadget*>(GetGadget(m_nFocus + 1))) {
        CString strText = pNext->GetText();
        strText.Trim();
        if ((strText.IsEmpty() && nChar == ' ') || (strText.GetLength() == 1 && BYTE(strText[0]) == BYTE(nChar))) {
            NextField();
            return;
        }
    }
    pFocus->OnChar(nChar);
}

// ---- mouse -------------------------------------------------------------------------------------------

LRESULT CGXBDateTimeCtrl::OnWndLButtonDown(WPARAM wParam, LPARAM lParam)
{
    const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    const int nHit = HitTestGadget(point);
    CGXBDTGadget* pGadget = GetGadget(nHit);
    if (pGadget == nullptr)
        return 0;
    const BOOL bFocusable = (pGadget->GetStyle() & CGXBDTGadget::gxFocusable) != 0;
    if (::GetFocus() != m_hWnd) {
        if (bFocusable)
            m_nFocus = nHit;
        SetFocus();
    } else if (bFocusable && nHit != m_nFocus) {
        SetFocusGadget(nHit);
    }
    if (pGadget->GetStyle() & CGXBDTGadget::gxMouse)
        pGadget->OnLButtonDown(UINT(wParam), GadgetPoint(pGadget, point));
    return 0;
}

LRESULT CGXBDateTimeCtrl::OnWndLButtonUp(WPARAM wParam, LPARAM lParam)
{
    if (m_pCaptureGadget != nullptr)
        m_pCaptureGadget->OnLButtonUp(UINT(wParam), GadgetPoint(m_pCaptureGadget,
                                                                CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)))));
    return 0;
}

LRESULT CGXBDateTimeCtrl::OnWndMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (m_pCaptureGadget != nullptr)
        m_pCaptureGadget->OnMouseMove(UINT(wParam), GadgetPoint(m_pCaptureGadget,
                                                                CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)))));
    return 0;
}

void CGXBDateTimeCtrl::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (m_pCaptureGadget != nullptr)
        m_pCaptureGadget->OnCancelMode();
}

// ---- settings ----------------------------------------------------------------------------------------

void CGXBDateTimeCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutGadgets();
}

LRESULT CGXBDateTimeCtrl::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = wParam != 0 ? HFONT(wParam) : HFONT(::GetStockObject(SYSTEM_FONT));
    LayoutGadgets();
    if (LOWORD(lParam))
        Invalidate();
    return 0;
}

LRESULT CGXBDateTimeCtrl::OnGetFont(WPARAM, LPARAM)
{
    return LRESULT(m_hFont);
}

void CGXBDateTimeCtrl::OnSysColorChange()
{
    GXGetSysColors()->Refresh();
    for (int i = 0; i < GetGadgetCount(); ++i)
        GetGadget(i)->OnSysColorChange();
    Invalidate();
}

void CGXBDateTimeCtrl::OnSettingChange(UINT, LPCSTR)
{
    // the locale's patterns and names may have changed
    ParseFormat();
    LayoutGadgets();
}

void CGXBDateTimeCtrl::OnDestroy()
{
    ResetState();
    CWnd::OnDestroy();
}
