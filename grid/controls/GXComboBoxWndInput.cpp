// CGXComboBoxWnd: the keys, typed characters and clicks of the combo window cell, from its own window
// and from the grid, the combo's notifications and find and replace in the cell (see
// GXComboBoxWnd.h).
#include "grid/controls/GXComboBoxWnd.h"

#include "grid/controls/GXButton.h"
#include "grid/engine/GXTextSearch.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <algorithm>
#include <memory>

BOOL CGXComboBoxWnd::IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

// ---- the edit field ----------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CGXComboEditPart, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CGXComboEditPart::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_pCombo->FilterKeyDown(nChar, nRepCnt, nFlags))
        Default();
}

void CGXComboEditPart::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->m_hWnd : nullptr;
    if (hNew != m_pCombo->m_hWnd && !::IsChild(m_pCombo->m_hWnd, hNew))
        m_pCombo->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(hNew));
}

// ---- keys in the combo -------------------------------------------------------------------------------

BOOL CGXComboBoxWnd::FilterKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2);
    auto toGrid = [&] { return m_pGrid->ProcessKeys(this, WM_KEYDOWN, nChar, nRepCnt, nFlags); };
    if (IsKeyDown(VK_CONTROL))
        return toGrid();
    const BOOL bDropped = GetDroppedState();
    switch (nChar) {
    case VK_TAB:
    case VK_ESCAPE:
        return toGrid();
    case VK_RETURN:
        if (!bDropped)
            return toGrid();
        ShowDropDown(FALSE);
        return TRUE;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        return !m_bWantArrowKeys && !bDropped && toGrid();
    case VK_LEFT:
    case VK_RIGHT: {
        if (m_bWantArrowKeys || bDropped)
            return FALSE;
        if (IsDropDownList())
            return toGrid();
        // the editable form leaves the cell only from the end of its text the arrow points to
        int nStart, nEnd;
        GetEditSelection(nStart, nEnd);
        const BOOL bAtEdge = nChar == VK_LEFT ? nStart == 0 : nEnd >= GetWindowTextLength();
        return bAtEdge && toGrid();
    }
    case VK_F4:
        // the list's key: it opens the list, and an open list stays (the system's combo would close it)
        if (toGrid())
            return TRUE;
        if (!bDropped)
            ShowDropDown(TRUE);
        return TRUE;
    default:
        return nChar >= VK_F1 && nChar <= VK_F24 && toGrid();
    }
}

BOOL CGXComboBoxWnd::PreTranslateMessage(MSG* pMsg)
{
    // the edit field filters its own keys; the drop-down list's keys come to the combo
    if (pMsg->message == WM_KEYDOWN && m_hWnd != nullptr && pMsg->hwnd == m_hWnd && m_bActive &&
        FilterKeyDown(UINT(pMsg->wParam), LOWORD(pMsg->lParam), HIWORD(pMsg->lParam)))
        return TRUE;
    // Alt+Down opens the list, also one that a click has just opened (the system's combo would close
    // it again): the key gives the list of the current cell however the cell became current
    if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_DOWN && m_hWnd != nullptr && m_bActive &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        if (!GetDroppedState())
            ShowDropDown(TRUE);
        return TRUE;
    }
    return CComboBox::PreTranslateMessage(pMsg);
}

// ---- keys the grid offers ----------------------------------------------------------------------------

BOOL CGXComboBoxWnd::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // F4, the list's key, as Alt+Down
    if (m_hWnd != nullptr && nChar == VK_F4 && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_MENU))
        return OpenListFromGrid();
    if (m_hWnd == nullptr || (nChar != VK_END && nChar != VK_HOME) || IsKeyDown(VK_CONTROL))
        return CGXStatic::OnGridKeyDown(nChar, nRepCnt, nFlags);
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    const int nPos = nChar == VK_END ? GetWindowTextLength() : 0;
    SetEditSelection(nPos, nPos);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    return TRUE;
}

BOOL CGXComboBoxWnd::OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || nChar != VK_DOWN)
        return CGXStatic::OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    return OpenListFromGrid();
}

BOOL CGXComboBoxWnd::OpenListFromGrid()
{
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, 2))
        Refresh();
    GridWnd()->UpdateWindow();
    ShowDropDown(TRUE);
    return TRUE;
}

BOOL CGXComboBoxWnd::OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_hWnd == nullptr || nChar < 32 || nChar == 127)
        return CGXStatic::OnGridChar(nChar, nRepCnt, nFlags);
    const char ch = char(BYTE(nChar));
    return OnGridDoubleByteChar(CString(&ch, 1), nRepCnt, nFlags);
}

BOOL CGXComboBoxWnd::OnGridDoubleByteChar(const CString& strChar, UINT, UINT)
{
    if (m_hWnd == nullptr || IsReadOnlyCell())
        return FALSE;
    if (m_bActive) {
        int nStart, nEnd;
        GetEditSelection(nStart, nEnd);
        StoreTextInCell(strChar);
        const int nCaret = nStart + strChar.GetLength();
        SetEditSelection(nCaret, nCaret);
        return TRUE;
    }
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    if (IsDropDownList()) {
        // the next entry that begins with the text, from the top again after the last
        const int nFound = FindString(GetCurSel(), strChar);
        if (nFound != CB_ERR)
            SetCurSel(nFound);
    } else {
        SetWindowText(strChar);
        SetEditSelection(strChar.GetLength(), strChar.GetLength());
    }
    SetModify(TRUE);
    OnModifyCell();
    Refresh();
    return TRUE;
}

// ---- clicks ------------------------------------------------------------------------------------------

BOOL CGXComboBoxWnd::ActivateAndShow()
{
    if (m_bActive)
        return TRUE;
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    return TRUE;
}

void CGXComboBoxWnd::PostDropClick(CPoint point)
{
    if (CWnd* pGridWnd = GridWnd())
        pGridWnd->UpdateWindow();
    PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

CPoint CGXComboBoxWnd::ButtonClickPoint()
{
    const CRect rectCell = GetCellRect(m_nRow, m_nCol);
    const CRect rectButton = m_pButton != nullptr ? m_pButton->GetRect() : rectCell;
    return CPoint(rectButton.left - rectCell.left + 5, rectButton.top - rectCell.top + 5);
}

BOOL CGXComboBoxWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_RBUTTON) && (ActivationFlags() & 7) != 0 && m_hWnd != nullptr && ActivateAndShow() &&
        IsDropDownList() && m_bDropOnClick && !GetDroppedState())
        PostDropClick(CPoint(0, 0));
    return CGXStatic::OnLButtonUp(nFlags, point);
}

BOOL CGXComboBoxWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_bActive && (ActivationFlags() & 8) != 0 && m_hWnd != nullptr && ActivateAndShow() &&
        IsDropDownList() && m_bDropOnClick && !GetDroppedState())
        PostDropClick(CPoint(0, 0));
    return CGXStatic::OnLButtonDblClk(nFlags, point);
}

void CGXComboBoxWnd::OnClickedButton(CGXChild* pChild)
{
    // an active drop-down list opened its list with the click on the cell already
    if (m_hWnd != nullptr && !(m_bActive && IsDropDownList() && m_bDropOnClick)) {
        if (!ActivateAndShow())
            return;
        if (m_bDropOnClick && !GetDroppedState())
            PostDropClick(ButtonClickPoint());
    }
    CGXStatic::OnClickedButton(pChild);
}

// ---- notifications -----------------------------------------------------------------------------------

BOOL CGXComboBoxWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // the combo's own WM_COMMAND, from its edit field, stays the window's
    if (m_hWnd != nullptr && HWND(lParam) != m_hWnd)
        return CComboBox::OnCommand(wParam, lParam);
    if (m_hWnd == nullptr || !m_bActive)
        return CGXStatic::OnCommand(wParam, lParam);
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
        if (IsReadOnlyCell()) {
            RestoreSavedChoice();
        } else {
            SetModify(TRUE);
            OnModifyCell();
        }
        break;
    case CBN_DROPDOWN:
        m_pGrid->m_bListDropped = TRUE;
        SaveChoice();
        break;
    case CBN_CLOSEUP:
        m_pGrid->m_bListDropped = FALSE;
        if (IsReadOnlyCell())
            RestoreSavedChoice();
        else if (GetModify())
            OnModifyCell();
        break;
    default:
        break;
    }
    return CGXStatic::OnCommand(wParam, lParam);
}

// ---- find, replace and paste -------------------------------------------------------------------------

BOOL CGXComboBoxWnd::FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect)
{
    if (!m_bTextSearch || state.m_strFind.IsEmpty())
        return FALSE;
    if (m_bActive && m_hWnd != nullptr && IsAttachedTo(nRow, nCol)) {
        CString strText;
        GetCurrentText(strText);
        int nStart, nEnd;
        GetEditSelection(nStart, nEnd);
        nStart = std::max(nStart, 0);
        // a search that goes on passes the match it stands on
        if (!bCurrentPos && nStart < strText.GetLength())
            nStart += GXCharLength(strText, nStart);
        const int nFound = GXFindInText(strText, state, nStart);
        if (nFound < 0)
            return FALSE;
        if (bSelect) {
            m_pGrid->ScrollCellInView(nRow, nCol, 2);
            SetEditSelection(nFound, nFound + state.m_strFind.GetLength());
        }
        return TRUE;
    }
    CString strText;
    {
        std::unique_ptr<CGXComposedStyle> pComposed;
        const CGXStyle* pStyle = state.m_pStyle;
        if (pStyle == nullptr) {
            pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
            pStyle = &pComposed->Get();
        }
        if (!GetControlText(strText, nRow, nCol, nullptr, *pStyle))
            return FALSE;
    }
    const int nFound = GXFindInText(strText, state, 0);
    if (nFound < 0)
        return FALSE;
    if (bSelect) {
        m_pGrid->ScrollCellInView(nRow, nCol, 2);
        m_pGrid->SetCurrentCell(nRow, nCol, CGXGridCore::gxUpdateNow2 | CGXGridCore::gxKeepFocus);
        if (IsAttachedTo(nRow, nCol)) {
            SetActive(TRUE);
            SetEditSelection(nFound, nFound + state.m_strFind.GetLength());
            Refresh();
        }
    }
    return TRUE;
}

BOOL CGXComboBoxWnd::ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    if (!m_bTextSearch || state.m_strFind.IsEmpty())
        return FALSE;
    const BOOL bEditing = m_bActive && m_hWnd != nullptr && IsAttachedTo(nRow, nCol);
    CString strText;
    int nFrom = 0;
    if (bEditing) {
        GetCurrentText(strText);
        int nEnd;
        GetEditSelection(nFrom, nEnd);
        nFrom = std::max(nFrom, 0);
    } else {
        std::unique_ptr<CGXComposedStyle> pComposed;
        const CGXStyle* pStyle = state.m_pStyle;
        if (pStyle == nullptr) {
            pComposed = std::make_unique<CGXComposedStyle>(m_pGrid, nRow, nCol);
            pStyle = &pComposed->Get();
        }
        if (!GetControlText(strText, nRow, nCol, nullptr, *pStyle))
            strText.Empty();
    }
    CString strResult;
    if (!GXReplaceAllInText(strText, state, nFrom, strResult))
        return FALSE;
    if (!m_pGrid->ApplyValueToRange(CGXCellRange(nRow, nCol, nRow, nCol), strResult, CGXStyle::gxOverride,
                                    m_pGrid->m_nStyleKind, 2))
        return FALSE;
    // the window shows what the cell now holds, so leaving it does not store the old text again
    if (bEditing && IsAttachedTo(nRow, nCol)) {
        SetCurrentText(strResult);
        SetModify(FALSE);
    }
    return TRUE;
}

BOOL CGXComboBoxWnd::StoreTextInCell(const char* pszText)
{
    if (!m_bTextSearch || IsReadOnlyCell())
        return FALSE;
    if (!m_bActive || m_hWnd == nullptr)
        return CGXStatic::StoreTextInCell(pszText);
    CString strText;
    GetCurrentText(strText);
    int nStart, nEnd;
    GetEditSelection(nStart, nEnd);
    nStart = std::min(std::max(nStart, 0), strText.GetLength());
    const CString strInsert(pszText != nullptr ? pszText : "");
    CString strNew = strText.Left(nStart) + strInsert;
    if (nEnd >= 0 && nEnd <= strText.GetLength())
        strNew += strText.Mid(nEnd);
    SetValue(strNew);
    SetEditSelection(nStart, nStart + strInsert.GetLength());
    return TRUE;
}

BOOL CGXComboBoxWnd::GetSelectedText(CString& strResult)
{
    if (!m_bActive || m_hWnd == nullptr) {
        if (!GetControlText(strResult, m_nRow, m_nCol, nullptr, CGXControl::GetStyle()))
            strResult.Empty();
        return TRUE;
    }
    if (m_nIndexValue >= 0 && !m_bDispChoice) {
        const int nSel = GetCurSel();
        strResult.Empty();
        if (nSel >= 0)
            strResult.Format("%d", nSel + m_nIndexValue);
        return TRUE;
    }
    CString strText;
    GetCurrentText(strText);
    int nStart, nEnd;
    GetEditSelection(nStart, nEnd);
    nStart = std::min(std::max(nStart, 0), strText.GetLength());
    strResult = nEnd > nStart && nEnd <= strText.GetLength() ? strText.Mid(nStart, nEnd - nStart) : strText.Mid(nStart);
    return TRUE;
}
