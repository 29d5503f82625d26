// CGXCurrencyEdit: the keys, typed characters and clicks of the currency cell, from its own window and
// from the grid, and the window's other messages (see GXCurrencyEdit.h).
#include "grid/controls/GXCurrencyEdit.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

BEGIN_MESSAGE_MAP(CGXCurrencyEdit, CGXBCurrencyEdit)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KEYUP()
    ON_WM_SYSCHAR()
    ON_WM_SYSKEYUP()
    ON_WM_SYSKEYDOWN()
    ON_MESSAGE(WM_LBUTTONDOWN, OnWindowLButtonDown)
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(GX_WM_CALCULATOR_RESULT, OnCalculatorResult)
    ON_WM_CONTEXTMENU()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CGXCurrencyEdit::FlipSign(const CString& strValue)
{
    double dValue;
    BOOL bNegative;
    if (!m_pFormat->Parse(strValue, dValue, bNegative))
        return FALSE;
    if (IsReadOnlyCell())
        return TRUE;
    m_dValue = dValue;
    m_bNegative = !bNegative;
    CString strText;
    m_pFormat->FormatValue(m_dValue, strText, m_bNegative);
    SetTextNoParse(strText);
    return TRUE;
}

// ---- keys the grid offers --------------------------------------------------------------------------

BOOL CGXCurrencyEdit::OnGridKeyDown(UINT nChar, UINT, UINT)
{
    if (m_hWnd == nullptr || IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar) {
    case VK_SPACE: {
        // the stored amount: its point is the format's decimal separator
        CString strValue = m_pGrid->GetValueRowCol(m_nRow, m_nCol);
        const int nPoint = strValue.Find('.');
        if (nPoint >= 0 && m_pFormat->m_chDecimal != 0)
            strValue.SetAt(nPoint, m_pFormat->m_chDecimal);
        FlipSign(strValue);
        return TRUE;
    }
    case VK_END:
    case VK_HOME:
        if (!OnStartEditing())
            return FALSE;
        if (!m_bInit)
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
            Refresh();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGXCurrencyEdit::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (nChar >= 32 && nChar != 127 && !m_bActive) {
        if (IsReadOnlyCell() || !OnStartEditing())
            return FALSE;
        // the window takes the character once it is shown and focused
        SetActive(TRUE);
        PostMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
        Refresh();
    }
    return CGXStatic::OnGridChar(nChar, nRepCnt, nFlags);
}

BOOL CGXCurrencyEdit::OnGridDoubleByteChar(const CString&, UINT, UINT)
{
    return TRUE;
}

BOOL CGXCurrencyEdit::OnGridSysKeyDown(UINT nChar, UINT, UINT)
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (nChar == VK_UP) {
        const FlagScope focusGuard(m_pGrid->m_bFocusChange, TRUE);
        SetFocus();
    } else if (nChar == VK_DOWN && OnStartEditing()) {
        SetActive(TRUE);
        if (!m_bInit)
            Init(m_nRow, m_nCol);
        Refresh();
        m_pGrid->RedrawRowCol(m_nRow, m_nCol, m_nRow, m_nCol, 2);
        if (m_nBitmapId != 0)
            OpenCalculator();
    }
    return FALSE;
}

// ---- keys in the window ------------------------------------------------------------------------------

UINT CGXCurrencyEdit::OnGetDlgCode()
{
    return CGXBCurrencyEdit::OnGetDlgCode() | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGXCurrencyEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bInit)
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (IsKeyDown(VK_CONTROL)) {
        CGXBCurrencyEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    BOOL bToGrid = FALSE;
    switch (nChar) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        bToGrid = TRUE;
        break;
    case VK_SPACE:
        FlipSign(GetText());
        return;
    case VK_LEFT:
        bToGrid = m_nCaret == 0;
        break;
    case VK_RIGHT:
        bToGrid = m_nCaret >= GetText().GetLength();
        break;
    case VK_INSERT:
        if (IsKeyDown(VK_SHIFT)) {
            CGXControl::Paste();
            return;
        }
        break;
    case VK_DELETE:
        SetModify(TRUE);
        if (IsKeyDown(VK_SHIFT))
            OnEditCut();
        else
            DeleteChar();
        return;
    default:
        bToGrid = nChar >= VK_F1 && nChar <= VK_F24;
        break;
    }
    if (bToGrid)
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        CGXBCurrencyEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXCurrencyEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bInit || !m_bActive || IsReadOnlyCell() || nChar == VK_BACK)
        return;
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (IsKeyDown(VK_CONTROL) || nChar == '\r' || nChar == '\n')
        return;
    CGXBCurrencyEdit::OnChar(nChar, nRepCnt, nFlags);
    m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
}

void CGXCurrencyEdit::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXCurrencyEdit::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSCHAR, nChar, nRepCnt, nFlags))
        Default();
}

void CGXCurrencyEdit::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXCurrencyEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        CGXBCurrencyEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

// ---- clicks ----------------------------------------------------------------------------------------

int CGXCurrencyEdit::CalcCaretPosFromPoint(CPoint point)
{
    return m_hWnd != nullptr ? HitTestCellText(GetText(), point) : -1;
}

BOOL CGXCurrencyEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_hWnd == nullptr)
        return CGXStatic::OnLButtonUp(nFlags, point);
    const int nPos = CalcCaretPosFromPoint(point);
    const WORD wActivate = ActivationFlags();
    if (((wActivate & kActivateOnTextClick) && nPos >= 0) || (wActivate & kActivateOnClick)) {
        if (!m_bActive && OnStartEditing())
            SetActive(TRUE);
        if (m_bActive) {
            // beside the text the whole amount is taken
            if (nPos >= 0)
                CGXBCurrencyEdit::SetSel(nPos, nPos);
            else
                CGXBCurrencyEdit::SetSel(0, -1);
        }
    }
    if (m_bActive && ::GetFocus() != m_hWnd)
        Refresh();
    CGXStatic::OnLButtonUp(nFlags, point);
    return TRUE;
}

BOOL CGXCurrencyEdit::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_hWnd == nullptr || m_bActive || !(ActivationFlags() & kActivateOnDblClk) || !OnStartEditing())
        return CGXStatic::OnLButtonDblClk(nFlags, point);
    SetActive(TRUE);
    Refresh();
    CGXStatic::OnLButtonDblClk(nFlags, point);
    return TRUE;
}

LRESULT CGXCurrencyEdit::OnWindowLButtonDown(WPARAM wParam, LPARAM lParam)
{
    int nOldStart, nOldEnd;
    const BOOL bHadSelection = GetSelRange(nOldStart, nOldEnd);
    const CPoint point(short(LOWORD(lParam)), short(HIWORD(lParam)));
    CGXBCurrencyEdit::OnLButtonDown(UINT(wParam), point);
    const int nCaret = m_nCaret;
    // a press inside the selected text belongs to the selection: the grid is told with the selection
    // as it was, then the caret goes where the user pressed
    if (bHadSelection && nCaret >= nOldStart && nCaret < nOldEnd) {
        CGXBCurrencyEdit::SetSel(nOldStart, nOldEnd);
        m_pGrid->OnEditSelectionClick(m_nRow, m_nCol);
        if (m_bInit && m_bActive && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            CGXBCurrencyEdit::SetSel(nCaret, nCaret);
    }
    return 0;
}

// ---- the window's other messages --------------------------------------------------------------------

void CGXCurrencyEdit::OnKillFocus(CWnd* pNewWnd)
{
    CGXBCurrencyEdit::OnKillFocus(pNewWnd);
    ForwardKillFocus(pNewWnd);
}

LRESULT CGXCurrencyEdit::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const BOOL bUserChange = !m_bParseOnSetText && !m_bUpdating;
    const LRESULT lResult = CGXBCurrencyEdit::OnSetText(wParam, lParam);
    if (bUserChange) {
        SetModify(TRUE);
        OnModifyCell();
    }
    return lResult;
}

LRESULT CGXCurrencyEdit::OnCalculatorResult(WPARAM, LPARAM lParam)
{
    if (IsReadOnlyCell())
        return TRUE;
    return SendMessage(WM_SETTEXT, 0, lParam);
}

void CGXCurrencyEdit::OnContextMenu(CWnd*, CPoint) {}

BOOL CGXCurrencyEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
