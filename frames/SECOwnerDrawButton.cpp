#include "frames/SECOwnerDrawButton.h"

#include "frames/SECMaskBlt.h"
#include "frames/SECToolkit.h"
#include "win/CWindowDC.h"

IMPLEMENT_DYNAMIC(SECOwnerDrawButton, CButton)

BEGIN_MESSAGE_MAP(SECOwnerDrawButton, CButton)
    ON_WM_GETDLGCODE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
END_MESSAGE_MAP()

namespace {

// The button type bits of a button style.
const DWORD kTypeMask = 0x0F;

DWORD OwnerDrawStyle(DWORD dwStyle)
{
    return (dwStyle & ~kTypeMask) | BS_OWNERDRAW;
}

} // namespace

SECOwnerDrawButton::SECOwnerDrawButton()
{
    SECRefreshSysColors();
}

SECOwnerDrawButton::~SECOwnerDrawButton() = default;

BOOL SECOwnerDrawButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                                DWORD dwBtnFlags)
{
    m_odState.dwBtnFlags = dwBtnFlags;
    return CButton::Create(lpszCaption, OwnerDrawStyle(dwStyle), rect, pParentWnd, nID);
}

BOOL SECOwnerDrawButton::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = OwnerDrawStyle(cs.style);
    return CButton::PreCreateWindow(cs);
}

void SECOwnerDrawButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    // taken when the window is, so that a button made before the toolkit's start-up looks right
    m_odState.bNewLook = SECGetDrawValues().bWin4;
    const DWORD dwStyle = GetStyle();
    if (dwStyle != OwnerDrawStyle(dwStyle))
        ::SetWindowLongA(m_hWnd, GWL_STYLE, LONG(OwnerDrawStyle(dwStyle)));
}

void SECOwnerDrawButton::SetFlat(BOOL bFlat)
{
    m_odState.bFlat = bFlat;
    if (m_hWnd != nullptr)
        Invalidate();
}

LRESULT SECOwnerDrawButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    // the system's handling would put the new button type in place of BS_OWNERDRAW
    const DWORD dwOld = GetStyle();
    const DWORD dwNew = OwnerDrawStyle((dwOld & ~0xFFFFu) | (DWORD(wParam) & 0xFFFFu));
    if (dwNew != dwOld) {
        ::SetWindowLongA(m_hWnd, GWL_STYLE, LONG(dwNew));
        if (lParam)
            Invalidate();
    }
    return 0;
}

// ---- drawing -------------------------------------------------------------------------------------------

void SECOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (!m_odState.bDrawAllowed)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (!(lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        if (lpDIS->itemAction & ODA_FOCUS)
            DrawFocus(pDC, lpDIS);
        return;
    }
    const CRect rcItem(lpDIS->rcItem);
    const int cx = rcItem.Width();
    const int cy = rcItem.Height();

    // compose in a memory bitmap at (0, 0); without one, straight into the item DC with its origin
    // moved to the item's corner
    CDC dcMem;
    CBitmap bmMem;
    CBitmap* pOldBitmap = nullptr;
    CDC* pDrawDC = pDC;
    POINT ptOldOrg = {};
    if (dcMem.CreateCompatibleDC(pDC) && bmMem.CreateCompatibleBitmap(pDC, cx, cy)) {
        pOldBitmap = dcMem.SelectObject(&bmMem);
        pDrawDC = &dcMem;
    } else {
        ::SetViewportOrgEx(pDC->m_hDC, rcItem.left, rcItem.top, &ptOldOrg);
    }

    PrepareDraw(pDC, pDrawDC);
    const CRect rcContent = DrawFrame(pDrawDC, CRect(0, 0, cx, cy), lpDIS->itemState);
    DrawContent(pDrawDC, lpDIS, rcContent);
    if (lpDIS->itemState & ODS_DISABLED)
        DrawDisabled(pDrawDC, cx, cy);
    if (pDrawDC == &dcMem) {
        pDC->BitBlt(rcItem.left, rcItem.top, cx, cy, &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    } else {
        ::SetViewportOrgEx(pDC->m_hDC, ptOldOrg.x, ptOldOrg.y, nullptr);
    }
    FinishDraw(pDC, pDrawDC);

    if (lpDIS->itemState & ODS_FOCUS)
        DrawFocus(pDC, lpDIS);
}

void SECOwnerDrawButton::Clicked()
{
}

void SECOwnerDrawButton::PrepareDraw(CDC*, CDC*)
{
}

void SECOwnerDrawButton::FinishDraw(CDC*, CDC*)
{
}

CRect SECOwnerDrawButton::DrawFrame(CDC* pDC, const CRect& rcItem, UINT nItemState)
{
    const SECDrawValues& v = SECGetDrawValues();
    pDC->FillSolidRect(rcItem, v.clrBtnFace);
    const BOOL bPressed = (nItemState & ODS_SELECTED) != 0;
    CRect rect = rcItem;
    if (m_odState.bNewLook) {
        if (bPressed) {
            pDC->Draw3dRect(rect, v.clrWindowFrame, v.clrBtnHilite);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, v.clrBtnShadow, v.clrBtnFace);
        } else if (!m_odState.bFlat) {
            pDC->Draw3dRect(rect, v.clrBtnHilite, v.clrWindowFrame);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, v.clrBtnFace, v.clrBtnShadow);
        }
    } else {
        // a window-frame rectangle, then two frames sunk while pressed, raised otherwise
        const COLORREF clrTopLeft = bPressed ? v.clrBtnShadow : v.clrBtnHilite;
        const COLORREF clrBottomRight = bPressed ? v.clrBtnHilite : v.clrBtnShadow;
        pDC->Draw3dRect(rect, v.clrWindowFrame, v.clrWindowFrame);
        for (int i = 0; i < 2; i++) {
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, clrTopLeft, clrBottomRight);
        }
    }
    // the content loses a pixel at right and bottom, and moves by (1, 1) while pressed
    CRect rcContent(rcItem.left, rcItem.top, rcItem.right - 1, rcItem.bottom - 1);
    if (bPressed)
        rcContent.OffsetRect(1, 1);
    return rcContent;
}

void SECOwnerDrawButton::DrawDisabled(CDC* pDC, int cx, int cy)
{
    if (cx <= 4 || cy <= 4)
        return;
    CDC dcMask;
    CBitmap bmMask;
    if (!dcMask.CreateCompatibleDC(pDC) || !bmMask.CreateBitmap(cx, cy, 1, 1, nullptr))
        return;
    CBitmap* pOldMask = dcMask.SelectObject(&bmMask);
    SECMakeFaceMask(*pDC, dcMask, CRect(0, 0, cx, cy), TRUE);
    const SECDrawValues& v = SECGetDrawValues();
    CBrush brHilite(v.clrBtnHilite);
    CBrush brShadow(v.clrBtnShadow);
    SECPaintThroughMask(*pDC, 2, 2, cx - 4, cy - 4, dcMask, 1, 1, brHilite, SEC_ROP_PSDPxax);
    SECPaintThroughMask(*pDC, 1, 1, cx - 3, cy - 3, dcMask, 1, 1, brShadow, SEC_ROP_PSDPxax);
    dcMask.SelectObject(pOldMask);
}

void SECOwnerDrawButton::DrawFocusRect(CDC* pDC, const CRect& rect)
{
    pDC->DrawFocusRect(rect);
}

void SECOwnerDrawButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDIS)
{
    CRect rect(lpDIS->rcItem);
    const int nInset = m_odState.bNewLook ? 1 : 2;
    rect.DeflateRect(nInset, nInset);
    if (lpDIS->itemState & ODS_SELECTED) {
        rect.OffsetRect(1, 1);
    } else {
        rect.right--;
        rect.bottom--;
    }
    rect.DeflateRect(1, 1);
    DrawFocusRect(pDC, rect);
}

void SECOwnerDrawButton::DrawContent(CDC*, LPDRAWITEMSTRUCT, const CRect&)
{
}

// ---- mouse and keys ------------------------------------------------------------------------------------

UINT SECOwnerDrawButton::OnGetDlgCode()
{
    UINT nCode = DLGC_BUTTON;
    if ((m_odState.dwBtnFlags & SEC_ODBTN_DEFAULT) && CWnd::GetFocus() == this)
        nCode |= DLGC_DEFPUSHBUTTON;
    return nCode;
}

void SECOwnerDrawButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(rcClient);
    const BOOL bClick = (GetState() & BST_PUSHED) && CWnd::GetCapture() == this && rcClient.PtInRect(point);
    CButton::OnLButtonUp(nFlags, point);
    if (bClick)
        Clicked();
}

void SECOwnerDrawButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CButton::OnKeyUp(nChar, nRepCnt, nFlags);
    if (nChar == VK_SPACE)
        Clicked();
}

void SECOwnerDrawButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    if (!m_odState.bFlat || (nFlags & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) || (GetState() & BST_PUSHED))
        return;
    CRect rcClient;
    GetClientRect(rcClient);
    if (rcClient.PtInRect(point)) {
        if (CWnd::GetCapture() != this)
            SetCapture();
        DrawHoverFrame(TRUE);
    } else if (CWnd::GetCapture() == this) {
        DrawHoverFrame(FALSE);
        ::ReleaseCapture();
    }
}

void SECOwnerDrawButton::DrawHoverFrame(BOOL bRaised)
{
    const SECDrawValues& v = SECGetDrawValues();
    CRect rcClient;
    GetClientRect(rcClient);
    CClientDC dc(this);
    if (bRaised)
        dc.Draw3dRect(rcClient, v.clrBtnHilite, v.clrBtnShadow);
    else
        dc.Draw3dRect(rcClient, v.clrBtnFace, v.clrBtnFace);
}

void SECOwnerDrawButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    SECRefreshSysColors();
    Invalidate();
}
