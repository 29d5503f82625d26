// CGXEditControl: the keys, typed characters and clicks of the edit cell, from its own window and
// from the grid, and the edit window's other messages (see GXEditControl.h).
#include "grid/controls/GXEditControl.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

BEGIN_MESSAGE_MAP(CGXEditControl, CEdit)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_SYSCHAR()
    ON_WM_ERASEBKGND()
    ON_WM_SHOWWINDOW()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_LBUTTONDOWN, OnWindowLButtonDown)
    ON_WM_STYLECHANGED()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
    ON_MESSAGE(WM_IME_ENDCOMPOSITION, OnImeEndComposition)
END_MESSAGE_MAP()

// ---- keys the grid offers --------------------------------------------------------------------------

BOOL CGXEditControl::OnGridKeyDown(UINT nChar, UINT, UINT)
{
    if (m_hWnd == nullptr || IsKeyDown(VK_CONTROL))
        return FALSE;
    switch (nChar) {
    case VK_END:
    case VK_HOME:
        if (!OnStartEditing())
            return FALSE;
        if (!m_bInit)
            Init(m_nRow, m_nCol);
        SetActive(TRUE);
        SetCaret(nChar == VK_END ? GetWindowTextLength() : 0);
        break;
    case VK_DELETE: {
        const CGXGridParam* pParam = m_pGrid->GetParam();
        if ((pParam != nullptr && pParam->GetControlOptions().bDeleteClears) || IsReadOnlyCell() ||
            IsKeyDown(VK_SHIFT) || !OnEndEditing() || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetModify(TRUE);
        SetValue("");
        break;
    }
    default:
        return FALSE;
    }
    UpdateEditStyle();
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    return TRUE;
}

BOOL CGXEditControl::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || nChar < 32 || nChar == 127)
        return FALSE;
    const char ch = char(BYTE(nChar));
    return OnGridDoubleByteChar(CString(&ch, 1), nRepCnt, nFlags);
}

BOOL CGXEditControl::OnGridDoubleByteChar(const CString& strChar, UINT, UINT)
{
    if (m_hWnd == nullptr || IsReadOnlyCell())
        return FALSE;
    if (!m_bActive) {
        // the first character typed starts the edit and replaces the old text
        if (!ValidateString(strChar) || !OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        SetValue(strChar);
        SetCaret(strChar.GetLength());
        Refresh();
        return TRUE;
    }
    if (ValidateString(TextWithSelectionReplaced(strChar))) {
        int nStart, nEnd;
        GetSel(nStart, nEnd);
        {
            const FlagScope storing(m_bStoring, TRUE);
            StoreTextInCell(strChar);
        }
        SetCaret(nStart + strChar.GetLength());
    }
    return TRUE;
}

// ---- keys in the edit window -----------------------------------------------------------------------

UINT CGXEditControl::OnGetDlgCode()
{
    return CEdit::OnGetDlgCode() | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CGXEditControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bActive) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_CONTROL || nChar == VK_SHIFT) {
        Default();
        return;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (IsKeyDown(VK_CONTROL)) {
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
        return;
    }
    CString strText;
    GetWindowText(strText);
    const int nLength = strText.GetLength();
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    const BOOL bRightToLeft = (GetExStyle() & WS_EX_RTLREADING) != 0;
    const BOOL bShift = IsKeyDown(VK_SHIFT);
    BOOL bKeep = TRUE;
    switch (nChar) {
    case VK_RETURN:
        bKeep = (CWnd::GetStyle() & ES_WANTRETURN) != 0;
        break;
    case VK_LEFT:
        bKeep = bRightToLeft ? nStart < nLength : nEnd > 0;
        break;
    case VK_RIGHT:
        bKeep = bRightToLeft ? nEnd > 0 : nStart < nLength;
        break;
    case VK_UP:
        bKeep = LineFromChar(nStart) > 0;
        break;
    case VK_DOWN:
        bKeep = LineFromChar(nEnd) < GetLineCount() - 1;
        break;
    case VK_INSERT:
        if (bShift) {
            CGXControl::Paste();
            return;
        }
        break;
    case VK_DELETE:
        if (bShift && nStart != nEnd) {
            EmptyClipboard();
            CGXControl::Cut();
            return;
        }
        break;
    case VK_TAB:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        bKeep = FALSE;
        break;
    default:
        bKeep = nChar < VK_F1 || nChar > VK_F24;
        break;
    }
    if (bKeep)
        Default();
    else
        m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags);
}

void CGXEditControl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pGrid->ProcessKeys(this, WM_KEYUP, nChar, nRepCnt, nFlags))
        return;
    Default();
    if (nChar != VK_SHIFT && nChar != VK_END && nChar != VK_HOME && nChar != VK_UP && nChar != VK_DOWN)
        UpdateEditStyle();
}

void CGXEditControl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYDOWN, nChar, nRepCnt, nFlags))
        Default();
}

void CGXEditControl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSKEYUP, nChar, nRepCnt, nFlags))
        Default();
}

void CGXEditControl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pGrid->ProcessKeys(this, WM_SYSCHAR, nChar, nRepCnt, nFlags))
        Default();
}

// ---- typing ----------------------------------------------------------------------------------------

BOOL CGXEditControl::PrepareTypedChar(UINT nChar, UINT nRepCnt, UINT)
{
    // synthesised characters (no repeat count) are not typing, except Backspace and pen input
    if (!m_bInit || !m_bActive || IsReadOnlyCell() || (CWnd::GetStyle() & ES_READONLY) ||
        (nChar != VK_BACK && nRepCnt == 0 && !::GetSystemMetrics(SM_PENWINDOWS))) {
        m_strTyped.Empty();
        return FALSE;
    }
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    if (!m_bStoring)
        m_strTyped.Empty();
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    if (bCtrl && (nChar == 3 || nChar == 24)) {  // Ctrl+C, Ctrl+X
        EmptyClipboard();
        if (nChar == 3)
            CGXControl::Copy();
        else
            CGXControl::Cut();
        return FALSE;
    }
    if (bCtrl && nChar == 22) {  // Ctrl+V
        CGXControl::Paste();
        return FALSE;
    }
    if (nChar == '\r') {
        if (!(CWnd::GetStyle() & ES_WANTRETURN))
            return FALSE;
        m_strTyped = "\r\n";
    } else if (nChar == '\n') {  // Ctrl+Enter
        if (!m_bWrapText)
            return FALSE;
        m_strTyped = "\r\n";
    } else if (bCtrl) {
        return TRUE;
    } else if (m_bPendingLeadByte || ::IsDBCSLeadByte(BYTE(nChar))) {
        // a double-byte character comes as its lead and trail byte, one message each; a Korean input
        // method composes its own
        if (!m_bPendingLeadByte && PRIMARYLANGID(LANGIDFROMLCID(::GetThreadLocale())) == LANG_KOREAN)
            return TRUE;
        CString strPair;
        ComposeMultiByteChar(nChar, strPair, m_bPendingLeadByte, m_chLeadByte);
        if (strPair.IsEmpty())
            return FALSE;
        m_strTyped = strPair;
    } else if (nChar < 32) {
        return TRUE;
    } else {
        const char ch = char(BYTE(nChar));
        m_strTyped = CString(&ch, 1);
    }
    // the text the character would make must fit and pass
    const CString strCandidate = TextWithSelectionReplaced(m_strTyped);
    if (UINT(strCandidate.GetLength()) > GetLimitText()) {
        m_strTyped.Empty();
    } else if (!ValidateString(strCandidate)) {
        OnInvalidInput(m_strTyped);
        m_strTyped.Empty();
    }
    return FALSE;
}

void CGXEditControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bFloatChange = FALSE;
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    if (PrepareTypedChar(nChar, nRepCnt, nFlags)) {
        Default();
        m_pGrid->ProcessKeys(this, WM_CHAR, nChar, nRepCnt, nFlags);
    } else if (!m_strTyped.IsEmpty()) {
        const CString strTyped = m_strTyped;
        {
            const FlagScope storing(m_bStoring, TRUE);
            StoreTextInCell(strTyped);
        }
        // when the text changed its neighbours' floating, the grid shows that first
        if (m_bFloatChange) {
            SetCaret(0);
            if (CWnd* pGridWnd = GridWnd())
                pGridWnd->UpdateWindow();
        }
        SetCaret(nStart + strTyped.GetLength());
    }
    m_bFloatChange = FALSE;
}

// ---- clicks ----------------------------------------------------------------------------------------

BOOL CGXEditControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_hWnd == nullptr)
        return CGXStatic::OnLButtonUp(nFlags, point);
    const int nPos = CalcCaretPosFromPoint(point);
    const WORD wActivate = ActivationFlags();
    if (((wActivate & kActivateOnTextClick) && nPos >= 0) || (wActivate & kActivateOnClick)) {
        if (!m_bActive && OnStartEditing())
            SetActive(TRUE);
        if (m_bActive) {
            // beside the text the whole text is taken
            if (nPos >= 0)
                SetCaret(nPos);
            else
                SetSel(0, -1);
        }
    }
    if (m_bActive && ::GetFocus() != m_hWnd)
        Refresh();
    CGXStatic::OnLButtonUp(nFlags, point);
    return TRUE;
}

BOOL CGXEditControl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_hWnd == nullptr || m_bActive || !(ActivationFlags() & kActivateOnDblClk) || !OnStartEditing())
        return CGXStatic::OnLButtonDblClk(nFlags, point);
    const int nPos = CalcCaretPosFromPoint(point);
    SetActive(TRUE);
    if (nPos >= 0)
        SetCaret(nPos);
    else
        SetSel(0, -1);
    Refresh();
    CGXStatic::OnLButtonDblClk(nFlags, point);
    return TRUE;
}

LRESULT CGXEditControl::OnWindowLButtonDown(WPARAM, LPARAM)
{
    int nOldStart, nOldEnd;
    GetSel(nOldStart, nOldEnd);
    Default();
    if (!IsWindowVisible()) {
        SetActive(TRUE);
        Refresh();
    }
    int nStart, nEnd;
    GetSel(nStart, nEnd);
    // a press inside the selected text belongs to the selection: the grid is told with the
    // selection as it was, then the caret goes where the user pressed
    if (nOldStart != nOldEnd && nStart == nEnd && nStart >= nOldStart && nStart < nOldEnd) {
        SetSel(nOldStart, nOldEnd, TRUE);
        m_pGrid->OnEditSelectionClick(m_nRow, m_nCol);
        if (m_bInit && m_bActive && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            SetSel(nStart, nEnd);
    }
    return 0;
}

// ---- the window's other messages --------------------------------------------------------------------

BOOL CGXEditControl::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    if (m_pStyle != nullptr && m_pStyle->GetIncludeInterior())
        m_pGrid->FillRectWithBrush(pDC, rect, m_pStyle->GetInterior());
    return TRUE;
}

void CGXEditControl::OnShowWindow(BOOL bShow, UINT)
{
    if (bShow)
        UpdateEditStyle();
    Default();
}

void CGXEditControl::OnSetFocus(CWnd*)
{
    Default();
    UpdateEditStyle();
}

void CGXEditControl::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    ForwardKillFocus(pNewWnd);
}

void CGXEditControl::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    Default();
    if (!m_bActive || !m_bInit || lpStyleStruct == nullptr)
        return;
    const DWORD dwOld = lpStyleStruct->styleOld, dwNew = lpStyleStruct->styleNew;
    CGXStyle* pStyle = m_pGrid->CreateStyle();
    BOOL bChanged = TRUE;
    if (nStyleType == GWL_STYLE && !(dwOld & ES_RIGHT) && (dwNew & ES_RIGHT))
        pStyle->SetHorizontalAlignment(DT_RIGHT);
    else if (nStyleType == GWL_STYLE && (dwOld & (ES_RIGHT | ES_CENTER)) && !(dwNew & (ES_RIGHT | ES_CENTER)))
        pStyle->SetHorizontalAlignment(DT_LEFT);
    else if (nStyleType == GWL_EXSTYLE && ((dwOld ^ dwNew) & WS_EX_RTLREADING))
        pStyle->SetUserAttribute(GX_IDS_UA_RTLREADING, (dwNew & WS_EX_RTLREADING) ? "1" : "0");
    else
        bChanged = FALSE;
    if (bChanged)
        StoreStyleRowCol(m_nRow, m_nCol, pStyle, CGXStyle::gxOverride, 0, &CGXControl::GetStyle());
    m_pGrid->RecycleStyle(pStyle);
}

void CGXEditControl::OnContextMenu(CWnd*, CPoint) {}

LRESULT CGXEditControl::OnImeStartComposition(WPARAM, LPARAM)
{
    s_bImeComposition = TRUE;
    return Default();
}

LRESULT CGXEditControl::OnImeEndComposition(WPARAM, LPARAM)
{
    s_bImeComposition = FALSE;
    return Default();
}
