// CGXDateTimeCtrl: the keys, characters and clicks of the date/time cell, from its own window and from
// the grid, and the window's other messages (see GXDateTimeCtrl.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>

#include "grid/controls/GXDateTimeCtrl.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"
#include "win/Win.h"

namespace {

void EmptyClipboardOf(CWnd* pWnd)
{
    if (::OpenClipboard(pWnd != nullptr ? pWnd->m_hWnd : nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CGXDateTimeCtrl, CGXBDateTimeCtrl)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KEYUP()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSCHAR()
    ON_WM_SYSKEYUP()
    ON_MESSAGE(WM_LBUTTONUP, OnCellLButtonUp)
    ON_WM_KILLFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

// ---- clicks ------------------------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::ActivateAtPoint(UINT nFlags, CPoint point, BOOL bForce)
{
    if (m_hWnd == nullptr || !m_bInit)
        return FALSE;
    const CGXStyle& style = CGXControl::GetStyle();
    if (!bForce && (!style.GetIncludeValue() || style.GetValueRef().IsEmpty()))
        return FALSE;
    const CRect rectWindow = GetCellRect(m_nRow, m_nCol);
    MoveWindow(&rectWindow, FALSE);
    LayoutGadgets();
    const CPoint ptWindow(point.x - rectWindow.left, point.y - rectWindow.top);
    const int nHit = HitTestGadget(ptWindow);
    if (const CGXBDTGadget* pHit = GetGadget(nHit))
        if (pHit->GetStyle() & CGXBDTGadget::gxFocusable)
            m_nFocus = nHit;
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    // the window shows before the click reaches the field, the button or the arrows under it
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    const LPARAM lParam = MAKELPARAM(ptWindow.x, ptWindow.y);
    SendMessage(WM_LBUTTONDOWN, nFlags | MK_LBUTTON, lParam);
    SendMessage(WM_LBUTTONUP, nFlags & ~MK_LBUTTON, lParam);
    return TRUE;
}

BOOL CGXDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_hWnd != nullptr && GetGadgetCount() > 0 && m_bInit && GetCellRect(m_nRow, m_nCol).PtInRect(point)) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        if (!m_bActive && (ActivationFlags() & (kActivateOnTextClick | kActivateOnClick)))
            ActivateAtPoint(nFlags, point, FALSE);
    }
    CGXStatic::OnLButtonUp(nFlags, point);
    return TRUE;
}

BOOL CGXDateTimeCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_bActive)
        ActivateAtPoint(nFlags, point, TRUE);
    return CGXStatic::OnLButtonDblClk(nFlags, point);
}

LRESULT CGXDateTimeCtrl::OnCellLButtonUp(WPARAM wParam, LPARAM lParam)
{
    {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        OnWndLButtonUp(wParam, lParam);
    }
    if (GetModify())
        OnModifyCell();
    return 0;
}

// ---- keys the grid offers ----------------------------------------------------------------------------

BOOL CGXDateTimeCtrl::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || m_bActive || IsKeyDown(VK_CONTROL))
        return CGXStatic::OnGridKeyDown(nChar, nRepCnt, nFlags);
    switch (nChar) {
    case VK_END:
    case VK_HOME: {
        if (!OnStartEditing())
            return FALSE;
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
        if (!m_bInit)
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        Refresh();
        HighlightField(EdgeField(nChar == VK_END));
        return TRUE;
    }
    case VK_DELETE:
        if (IsKeyDown(VK_SHIFT) || m_pGrid->IsReadOnly() || IsReadOnlyCell() || !OnEndEditing() || !OnStartEditing())
            return FALSE;
        StoreEmpty();
        return TRUE;
    default:
        return CGXStatic::OnGridKeyDown(nChar, nRepCnt, nFlags);
    }
}

BOOL CGXDateTimeCtrl::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar < 32 || nChar == 127)
        return CGXStatic::OnGridChar(nChar, nRepCnt, nFlags);
    const char ch = char(BYTE(nChar));
    return OnGridDoubleByteChar(CString(&ch, 1), nRepCnt, nFlags);
}

BOOL CGXDateTimeCtrl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT)
{
    if (m_bActive)
        return TRUE;
    if (m_hWnd == nullptr || IsReadOnlyCell() || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    HighlightField(EdgeField(FALSE));
    // the character starts the typing in the first field
    if (strChar.GetLength() == 1)
        PostMessage(WM_CHAR, BYTE(strChar[0]), 1);
    return TRUE;
}

BOOL CGXDateTimeCtrl::OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_DOWN || m_hWnd == nullptr || GetGadgetCount() == 0)
        return CGXStatic::OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    if (!m_bActive) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    Refresh();
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    if (CWnd::GetStyle() & gxDropDownButton)
        DropDownCalendar();
    return TRUE;
}

// ---- the window's keys -------------------------------------------------------------------------------

void CGXDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bActive) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (IsKeyDown(VK_CONTROL)) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    BOOL bToGrid = FALSE;
    switch (nChar) {
    case VK_TAB:
        bToGrid = !m_bTabInCell || (IsKeyDown(VK_SHIFT) ? IsFirstField() : IsLastField());
        break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        bToGrid = TRUE;
        break;
    case VK_DELETE:
        StoreEmpty();
        return;
    default:
        bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
        break;
    }
    if (bToGrid)
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        CGXBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXDateTimeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || IsReadOnlyCell() || nChar == VK_BACK)
        return;
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    if (bCtrl && (nChar == 3 || nChar == 24)) {  // Ctrl+C, Ctrl+X
        EmptyClipboardOf(GridWnd());
        if (nChar == 3)
            Copy();
        else
            Cut();
        return;
    }
    if (bCtrl && nChar == 22) {  // Ctrl+V
        Paste();
        return;
    }
    if (nChar == '\r' || nChar == '\n')
        return;
    SetModify(TRUE);
    CGXBDateTimeCtrl::OnChar(nChar, nRepCnt, nFlags);
    OnModifyCell();
    m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

void CGXDateTimeCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        Default();
    if (GetModify())
        OnModifyCell();
}

void CGXDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && (CWnd::GetStyle() & gxDropDownButton)) {
        DropDownCalendar();
        return;
    }
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        CGXBDateTimeCtrl::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXDateTimeCtrl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSCHAR, nChar, nRepCnt, nFlags))
        Default();
}

void CGXDateTimeCtrl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYUP, nChar, nRepCnt, nFlags))
        Default();
}

// ---- the window's other messages ---------------------------------------------------------------------

void CGXDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CGXBDateTimeCtrl::OnKillFocus(pNewWnd);
    ForwardKillFocus(pNewWnd);
}

void CGXDateTimeCtrl::OnSetFocus(CWnd* pOldWnd)
{
    m_nScroll = 0;
    CGXBDateTimeCtrl::OnSetFocus(pOldWnd);
}

BOOL CGXDateTimeCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    if (m_pStyle != nullptr && m_pStyle->GetIncludeInterior())
        m_pGrid->FillRectWithBrush(pDC, rect, m_pStyle->GetInterior());
    return TRUE;
}
