// CGXBDropEdit: the edit window with a push button in its frame (see GXBDropEdit.h).
#include "grid/controls/GXBDropEdit.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXState.h"
#include "win/CWindowDC.h"

#include <algorithm>

namespace {

COLORREF SysColor(int nIndex)
{
    return GXGetSysColors()->GetSysColor(nIndex);
}

}  // namespace

IMPLEMENT_DYNAMIC(CGXBDropEdit, CEdit)

BEGIN_MESSAGE_MAP(CGXBDropEdit, CEdit)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()

CGXBDropEdit::CGXBDropEdit() = default;

CGXBDropEdit::~CGXBDropEdit() = default;

BOOL CGXBDropEdit::HitTestButton(CPoint point, BOOL bClientCoords)
{
    if (bClientCoords)
        ClientToScreen(&point);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&point);
    return m_rcButton.PtInRect(point);
}

void CGXBDropEdit::OnButtonClicked()
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), LPARAM(m_hWnd));
}

void CGXBDropEdit::DrawButton(CDC* pDC, const CRect& rect)
{
    const BOOL bPressed = (m_wState & gxPressed) != 0;
    CRect rectFace(rect);
    if (bPressed) {
        pDC->Draw3dRect(&rectFace, SysColor(COLOR_BTNSHADOW), SysColor(COLOR_BTNSHADOW));
        rectFace.DeflateRect(1, 1);
    } else {
        pDC->Draw3dRect(&rectFace, SysColor(COLOR_BTNFACE), SysColor(COLOR_WINDOWFRAME));
        rectFace.DeflateRect(1, 1);
        pDC->Draw3dRect(&rectFace, SysColor(COLOR_BTNHIGHLIGHT), SysColor(COLOR_BTNSHADOW));
        rectFace.DeflateRect(1, 1);
    }
    pDC->FillSolidRect(&rectFace, SysColor(COLOR_BTNFACE));
    if (m_bitmap.m_hObject == nullptr)
        return;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    CDC dcBitmap;
    if (!dcBitmap.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = dcBitmap.SelectObject(&m_bitmap);
    const int nShift = bPressed ? 1 : 0;
    pDC->BitBlt(rect.left + m_wPadLeft + nShift, rect.top + (rect.Height() - bm.bmHeight) / 2 + nShift, bm.bmWidth,
                bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
    dcBitmap.SelectObject(pOld);
}

BOOL CGXBDropEdit::SetBitmap(UINT nID)
{
    m_bitmap.DeleteObject();
    m_rcButton.SetRectEmpty();
    m_nBitmapId = nID;
    if (nID != 0 && !LoadSysColorBitmap(m_bitmap, MAKEINTRESOURCEA(nID)))
        m_nBitmapId = 0;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void CGXBDropEdit::InvalidateButton()
{
    if (m_hWnd == nullptr || m_rcButton.IsRectEmpty())
        return;
    // the button lies in this window's frame: its rectangle in client coordinates, with the frame
    CRect rect(m_rcButton);
    if (CWnd* pParent = GetParent())
        pParent->MapWindowPoints(this, &rect);
    else
        ScreenToClient(&rect);
    RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

int CGXBDropEdit::GetButtonWidth() const
{
    if (m_bitmap.m_hObject == nullptr)
        return 0;
    BITMAP bm;
    m_bitmap.GetBitmap(&bm);
    return m_wPadLeft + m_wPadRight + bm.bmWidth + 4;
}

CRect CGXBDropEdit::GetButtonRectInWindow() const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectWindow);
    CRect rect(m_rcButton);
    rect.OffsetRect(-rectWindow.left, -rectWindow.top);
    return rect;
}

void CGXBDropEdit::SetPressed(BOOL bPressed)
{
    const BOOL bWasPressed = (m_wState & gxPressed) != 0;
    if (bool(bPressed) == bool(bWasPressed))
        return;
    m_wState = WORD(bPressed ? m_wState | gxPressed : m_wState & ~gxPressed);
    InvalidateButton();
}

void CGXBDropEdit::PaintButton()
{
    const CRect rect = GetButtonRectInWindow();
    if (rect.IsRectEmpty())
        return;
    CWindowDC dc(this);
    const BOOL bDisabled = !IsWindowEnabled();
    CDC dcMem;
    CBitmap bitmap;
    if (dcMem.CreateCompatibleDC(&dc) && bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height())) {
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        const CRect rectLocal(0, 0, rect.Width(), rect.Height());
        DrawButton(&dcMem, rectLocal);
        if (bDisabled)
            DrawDisabled(&dcMem, CRect(2, 2, rect.Width() - 2, rect.Height() - 2));
        dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
    } else {
        DrawButton(&dc, rect);
        if (bDisabled)
            DrawDisabled(&dc, CRect(rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2));
    }
}

void CGXBDropEdit::DrawDisabled(CDC* pDC, const CRect& rect)
{
    const int nWidth = rect.Width(), nHeight = rect.Height();
    if (nWidth <= 0 || nHeight <= 0)
        return;
    // a mask white where the face and the highlight show, black where the image is drawn
    CDC dcMask;
    CBitmap mask;
    if (!dcMask.CreateCompatibleDC(pDC) || !mask.CreateBitmap(nWidth, nHeight, 1, 1, nullptr))
        return;
    CBitmap* pOldMask = dcMask.SelectObject(&mask);
    const COLORREF clrOldBk = pDC->SetBkColor(SysColor(COLOR_BTNFACE));
    dcMask.BitBlt(0, 0, nWidth, nHeight, pDC, rect.left, rect.top, SRCCOPY);
    pDC->SetBkColor(SysColor(COLOR_BTNHIGHLIGHT));
    dcMask.BitBlt(0, 0, nWidth, nHeight, pDC, rect.left, rect.top, SRCPAINT);
    // the black of the mask painted in the highlight one pixel off, then in the shadow: embossed
    const DWORD dwPatternWhereMaskBlack = 0xB8074A;
    pDC->SetBkColor(RGB(255, 255, 255));
    const COLORREF clrOldText = pDC->SetTextColor(RGB(0, 0, 0));
    CBrush brushHighlight(SysColor(COLOR_BTNHIGHLIGHT)), brushShadow(SysColor(COLOR_BTNSHADOW));
    CBrush* pOldBrush = pDC->SelectObject(&brushHighlight);
    pDC->BitBlt(rect.left + 1, rect.top + 1, nWidth - 1, nHeight - 1, &dcMask, 0, 0, dwPatternWhereMaskBlack);
    pDC->SelectObject(&brushShadow);
    pDC->BitBlt(rect.left, rect.top, nWidth, nHeight, &dcMask, 0, 0, dwPatternWhereMaskBlack);
    pDC->SelectObject(pOldBrush);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBk);
    dcMask.SelectObject(pOldMask);
}

// ---- messages --------------------------------------------------------------------------------------

void CGXBDropEdit::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    Default();
    if (m_bitmap.m_hObject == nullptr || lpncsp == nullptr)
        return;
    // the strip at the button's edge leaves the client area
    RECT& rc = lpncsp->rgrc[0];
    const int nWidth = std::min(GetButtonWidth(), std::max(0, int(rc.right - rc.left)));
    if (m_wState & gxButtonRight) {
        m_rcButton.SetRect(rc.right - nWidth, rc.top, rc.right, rc.bottom);
        rc.right -= nWidth;
    } else {
        m_rcButton.SetRect(rc.left, rc.top, rc.left + nWidth, rc.bottom);
        rc.left += nWidth;
    }
}

void CGXBDropEdit::OnNcPaint()
{
    Default();
    if (m_bitmap.m_hObject != nullptr)
        PaintButton();
}

LRESULT CGXBDropEdit::OnNcHitTest(CPoint point)
{
    const LRESULT lHit = Default();
    if (lHit == HTNOWHERE && HitTestButton(point, FALSE))
        return HTBORDER;
    return lHit;
}

void CGXBDropEdit::OnNcLButtonDown(UINT, CPoint point)
{
    if ((m_wState & gxPressed) || !HitTestButton(point, FALSE)) {
        Default();
        return;
    }
    m_wState |= gxPressed | gxTracking;
    InvalidateButton();
    UpdateWindow();
    SetCapture();
}

void CGXBDropEdit::OnMouseMove(UINT, CPoint point)
{
    if (m_wState & gxTracking)
        SetPressed(HitTestButton(point, TRUE));
    else
        Default();
}

void CGXBDropEdit::OnLButtonUp(UINT, CPoint point)
{
    if (!(m_wState & gxTracking)) {
        Default();
        return;
    }
    ::ReleaseCapture();
    m_wState &= WORD(~gxTracking);
    SetPressed(FALSE);
    if (HitTestButton(point, TRUE))
        OnButtonClicked();
}

void CGXBDropEdit::OnCancelMode()
{
    if (m_wState & gxTracking) {
        ::ReleaseCapture();
        m_wState &= WORD(~gxTracking);
        SetPressed(FALSE);
    }
    Default();
}

void CGXBDropEdit::OnEnable(BOOL)
{
    InvalidateButton();
    Default();
}

void CGXBDropEdit::OnSysColorChange()
{
    GXGetSysColors()->Refresh();
    if (m_bitmap.m_hObject != nullptr) {
        m_bitmap.DeleteObject();
        LoadSysColorBitmap(m_bitmap, MAKEINTRESOURCEA(m_nBitmapId));
        InvalidateButton();
    }
    Default();
}

void CGXBDropEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_F4)
        OnButtonClicked();
    else
        Default();
}

void CGXBDropEdit::OnSysKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_DOWN)
        OnButtonClicked();
    else
        Default();
}
