// CGXChild: the root of the in-cell gadgets (see GXChild.h).
#include "grid/engine/GXChild.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXState.h"
#include "win/Win.h"

CGXChild::CGXChild(CGXControl* pControl) : m_pControl(pControl), m_rect(0, 0, 0, 0) {}

CGXChild::~CGXChild() = default;

void CGXChild::SetRect(const CRect& rect)
{
    m_rect = rect;
}

CRect CGXChild::GetRect() const
{
    return m_rect;
}

BOOL CGXChild::PtInRect(CPoint point) const
{
    return m_rect.PtInRect(point);
}

BOOL CGXChild::HasFocus() const
{
    return m_pControl != nullptr && m_pControl->GetFocusChild() == this;
}

void CGXChild::Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle&)
{
    DrawButton(pDC, bFocusCell);
}

void CGXChild::Refresh()
{
    CWnd* pWnd = m_pControl != nullptr ? m_pControl->GridWnd() : nullptr;
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr)
        pWnd->InvalidateRect(&m_rect, TRUE);
}

BOOL CGXChild::OnMouseMove(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnLButtonDown(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnLButtonUp(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnLButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnRButtonDown(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnRButtonUp(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnRButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnMButtonDown(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnMButtonUp(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnMButtonDblClk(UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::OnMouseOverCell(ROWCOL, ROWCOL, UINT, CPoint)
{
    return FALSE;
}

BOOL CGXChild::ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nMessage) {
    case WM_KEYDOWN:
        return OnKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return OnKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR: {
        CString strChar;
        if (!ComposeMultiByteChar(nChar, strChar, m_bPendingLeadByte, m_chLeadByte))
            return OnChar(nChar, nRepCnt, nFlags);
        return m_bPendingLeadByte || OnDoubleByteChar(strChar, nRepCnt, nFlags);
    }
    case WM_DEADCHAR:
        return OnDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return OnSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return OnSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return OnSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return OnSysDeadChar(nChar, nRepCnt, nFlags);
    default:
        return FALSE;
    }
}

BOOL CGXChild::OnKeyDown(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnDoubleByteChar(const CString&, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnSysKeyDown(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnSysKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnSysChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXChild::OnSysDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

void CGXChild::SetText(const char* pszText)
{
    m_strText = pszText != nullptr ? pszText : "";
}

CString CGXChild::GetText() const
{
    return m_strText;
}

void CGXChild::OnGridWinIniChange(LPCSTR) {}

void CGXChild::OnGridSysColorChange() {}

void CGXChild::OnGridCancelMode() {}
