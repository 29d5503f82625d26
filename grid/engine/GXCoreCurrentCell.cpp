// CGXGridCore: the current cell: which cell it is, making another cell current through the controls'
// consent, storing and discarding edits, finding the next enabled cell and moving the current cell by
// direction, the warning text (see GXCore.h).
#include "grid/engine/GXLineAxis.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "win/Win.h"

#include <algorithm>

namespace {

// The kinds of a current-cell move that the header marks follow: another column of the same row,
// another row of the same column, the same cell, anything else.
enum { kMoveOther = 0, kMoveSameRow = 1, kMoveSameCol = 2, kMoveSameCell = -1 };

}  // namespace

// ---- which cell ----------------------------------------------------------------------------------------

BOOL CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting)
{
    if (!m_bCurrentValid)
        return FALSE;
    if (m_nCurrentRow > GetRowCount() || m_nCurrentCol > GetColCount()) {
        m_bCurrentValid = FALSE;
        return FALSE;
    }
    if (!bIgnorePrinting && IsPrinting())
        return FALSE;
    nRow = m_nCurrentRow;
    nCol = m_nCurrentCol;
    return TRUE;
}

BOOL CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol, BOOL bIgnorePrinting)
{
    ROWCOL nCurRow, nCurCol;
    return GetCurrentCell(nCurRow, nCurCol, bIgnorePrinting) && (nRow == ROWCOL(-1) || nRow == nCurRow) &&
           (nCol == ROWCOL(-1) || nCol == nCurCol);
}

BOOL CGXGridCore::IsActiveCurrentCell()
{
    CGXControl* pControl = IsPrinting() ? nullptr : GetCurrentCellControl();
    return pControl != nullptr && pControl->IsActive();
}

CGXControl* CGXGridCore::GetCurrentCellControl()
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol, TRUE))
        return nullptr;
    if (m_pCurrentControl == nullptr)
        m_pCurrentControl = GetControl(nRow, nCol);
    return m_pCurrentControl;
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pCurrentControl != nullptr && IsCurrentCell(nRow, nCol, TRUE))
        return m_pCurrentControl;
    const CGXComposedStyle style(this, nRow, nCol);
    return GetRegisteredControl(style.Get().GetIncludeControl() ? style.Get().GetControl() : 0);
}

BOOL CGXGridCore::HoldsWindow(const CWnd* pWnd) const
{
    return pWnd != nullptr && GridHwndWnd() != nullptr && (pWnd == m_pGridWnd || m_pGridWnd->IsChild(pWnd));
}

CGXControl* CGXGridCore::FindAttachedControl(ROWCOL nRow, ROWCOL nCol) const
{
    if (m_pCurrentControl != nullptr && m_pCurrentControl->IsAttachedTo(nRow, nCol))
        return m_pCurrentControl;
    for (const auto& entry : m_controls)
        if (entry.second->IsAttachedTo(nRow, nCol))
            return entry.second;
    return nullptr;
}

BOOL CGXGridCore::IsCellInSelection(ROWCOL nRow, ROWCOL nCol)
{
    return m_pParam != nullptr && m_pParam->GetRangeList1().IsCellInList(nRow, nCol);
}

// ---- making a cell current -----------------------------------------------------------------------------

BOOL CGXGridCore::CanSelectCurrentCell(BOOL bNew, ROWCOL nRow, ROWCOL nCol, ROWCOL, ROWCOL)
{
    if (!bNew) {
        // the old cell's edit must pass before the cell is left
        SetWarningText(nullptr);
        CGXControl* pControl = GetCurrentCellControl();
        return pControl == nullptr || !pControl->GetModify() || pControl->ValidateInput();
    }
    if (nRow > GetRowCount() || nCol > GetColCount())
        return FALSE;
    const CGXComposedStyle style(this, nRow, nCol);
    return !style.Get().GetIncludeEnabled() || style.Get().GetEnabled();
}

BOOL CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    if (m_bBusy || m_pParam == nullptr)
        return FALSE;
    // a cell beyond the counts keeps the old one, except (-1, -1): the old cell is stored and left, and
    // no cell is current afterwards
    const BOOL bGiveUp = nRow == ROWCOL(-1) && nCol == ROWCOL(-1);
    if (!bGiveUp && (nRow > GetRowCount() || nCol > GetColCount()))
        return FALSE;
    CGXCellRange covered;
    if (!bGiveUp && GetCoveredCellsRowCol(nRow, nCol, covered) && covered.IsValid()) {
        nRow = covered.top;
        nCol = covered.left;
    }
    ROWCOL nOldRow = 0, nOldCol = 0;
    const BOOL bOld = GetCurrentCell(nOldRow, nOldCol, TRUE);
    CGXControl* pOld = bOld ? GetCurrentCellControl() : nullptr;
    int nKind = kMoveOther;
    if (pOld != nullptr && nOldRow > GetHeaderRows() && nOldCol > GetHeaderCols()) {
        if (nOldRow == nRow && nOldCol == nCol)
            nKind = kMoveSameCell;
        else if (nOldRow == nRow)
            nKind = kMoveSameRow;
        else if (nOldCol == nCol)
            nKind = kMoveSameCol;
    }
    const BOOL bSameCell = bOld && nOldRow == nRow && nOldCol == nCol;

    if (pOld != nullptr) {
        // the old cell's control lets it go: its edit passes, is stored and may end
        const BOOL bWasActive = pOld->IsActive();
        const BOOL bWasModified = pOld->GetModify();
        CString strText;
        if (pOld->IsInit())
            pOld->GetCurrentText(strText);
        CWnd* pFocus = bWasActive ? CWnd::GetFocus() : nullptr;
        BOOL bLeave, bStored = FALSE;
        {
            const FlagScope busy(m_bBusy, TRUE);
            if (bWasActive && pFocus != m_pGridWnd && HoldsWindow(pFocus))
                RemoveWaitingKeys();
            m_bFocusLost = FALSE;
            bLeave = CanSelectCurrentCell(FALSE, nRow, nCol, nOldRow, nOldCol);
            if (bLeave && pOld->GetModify()) {
                bStored = TRUE;
                bLeave = pOld->Store();
            }
            if (bLeave && pOld->IsInit())
                bLeave = pOld->OnValidateCell();
            // a store that lost the focus to a message box has warned the user already
            if (m_bFocusLost)
                m_bWarningShown = TRUE;
        }
        if (!bLeave) {
            // the old cell stays current with its edit
            if (pFocus != nullptr && pFocus->m_hWnd != nullptr && pFocus->IsWindowVisible()) {
                pFocus->SetFocus();
                m_bHasFocus = HoldsWindow(pFocus);
            }
            ShowWarningText();
            m_bCurrentValid = TRUE;
            pOld->Init(nOldRow, nOldCol);
            if (bWasActive)
                pOld->SetActive(TRUE);
            if (bWasModified) {
                pOld->SetModify(TRUE);
                pOld->SetCurrentText(strText);
            }
            pOld->Refresh();
            return FALSE;
        }
        if (!bSameCell) {
            m_bCurrentValid = FALSE;
            pOld->Hide();
            pOld->SetActive(FALSE);
            if (pOld->OnLeftCell(nRow, nCol)) {
                if (bStored)
                    RedrawRowCol(nOldRow, nOldCol, nOldRow, nOldCol, nFlags, FALSE);
                else
                    pOld->Refresh();
            }
            ShowWarningText();
            RedrawHeaderMarks(nOldRow, nOldCol, nKind, nFlags);
            pOld->Reset();
            m_pCurrentControl = nullptr;
            if ((nFlags & (gxUpdateNow | gxUpdateNow2)) && GridHwndWnd() != nullptr)
                m_pGridWnd->UpdateWindow();
        }
    }

    if (bGiveUp)
        return FALSE;
    if (bSameCell && pOld != nullptr && pOld->IsActive()) {
        // the same cell while editing: only brought into view
        if (!ScrollCellInView(nRow, nCol, nFlags))
            pOld->Refresh();
        return TRUE;
    }
    if (!CanSelectCurrentCell(TRUE, nRow, nCol, nOldRow, nOldCol)) {
        // the old cell becomes current again when it may
        if (bOld && !bSameCell && CanSelectCurrentCell(TRUE, nOldRow, nOldCol, nOldRow, nOldCol)) {
            m_nCurrentRow = nOldRow;
            m_nCurrentCol = nOldCol;
            m_bCurrentValid = TRUE;
            RedrawHeaderMarks(nOldRow, nOldCol, kMoveOther, gxUpdateNow);
            if (CGXControl* pControl = GetCurrentCellControl()) {
                pControl->Init(nOldRow, nOldCol);
                pControl->Refresh();
            }
        }
        return FALSE;
    }

    CGXControl* pNew = GetControl(nRow, nCol);
    const CGXGridParam::CurrentCellOptions& options = m_pParam->GetCurrentCellOptions();
    if (options.bLockActivation) {
        m_nCurrentRow = nRow;
        m_nCurrentCol = nCol;
        m_bCurrentValid = TRUE;
        m_pCurrentControl = pNew;
        if (pNew != nullptr)
            pNew->Init(nRow, nCol);
    } else {
        const BOOL bSelected = IsCellInSelection(nRow, nCol);
        if (!(nFlags & gxKeepFocus) && GridHwndWnd() != nullptr && m_pGridWnd->IsWindowVisible()) {
            const FlagScope focusChange(m_bFocusChange, TRUE);
            m_pGridWnd->SetFocus();
        }
        m_nCurrentRow = nRow;
        m_nCurrentCol = nCol;
        m_bCurrentValid = TRUE;
        m_pCurrentControl = pNew;
        if (pNew != nullptr) {
            pNew->Init(nRow, nCol);
            if (nFlags & gxActivate)
                pNew->SetActive(TRUE);
            if (options.nNoHighlight == 1) {
                // left undrawn until the next paint
            } else if (pNew->GetWndPtr() != nullptr || m_bSuppressTracking || pNew->IsActive() ||
                       nKind == kMoveSameCell || m_pParam->GetActivateCellFlags() == 4) {
                pNew->Refresh();
            } else if (GridHwndWnd() != nullptr && m_pGridWnd->IsWindowVisible()) {
                // the new cell's mark and frame are drawn at once
                CClientDC dc(m_pGridWnd);
                const CRect rectGrid = GetGridRect();
                dc.IntersectClipRect(&rectGrid);
                const CRect rect = CalcCellRect(nRow, nCol);
                // a selected cell shows its marking whole until it becomes current, which marks it
                // differently: the old marking is taken off first
                if (bSelected && m_pParam->GetMarkSelection()) {
                    dc.InvertRect(&rect);
                    MarkCell(&dc, nRow, nCol, rect);
                }
                const CGXComposedStyle style(this, nRow, nCol);
                pNew->DrawCurrentCellFrame(&dc, SubtractBorders(rect, style.Get()), style.Get());
            }
        }
        if (nFlags & gxScrollInView)
            ScrollCellInView(nRow, nCol, nFlags);
        if ((nFlags & (gxUpdateNow | gxUpdateNow2)) && GridHwndWnd() != nullptr)
            m_pGridWnd->UpdateWindow();
        if (nKind != kMoveSameCell)
            RedrawHeaderMarks(nRow, nCol, nKind, nFlags);
    }
    if (options.bCurrentCellHints && !(nFlags & gxNoHint) && m_bDocLink) {
        if (CGXAbstractGridUpdateHintImp* pHint = HintModule(TRUE))
            pHint->SetCurrentCell(this, nRow, nCol, nFlags);
    }
    if (options.bSelectionFollowsCell && !(nFlags & gxKeepSelection) && !IsCellInSelection(nRow, nCol)) {
        SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        if (nRow > GetHeaderRows() && nCol > GetHeaderCols())
            SelectRange(CGXCellRange(nRow, nCol, nRow, nCol), TRUE, TRUE);
    }
    OnCurrentCellChanged(nRow, nCol);
    return TRUE;
}

BOOL CGXGridCore::TransferCurrentCell(BOOL bSave, UINT nFlags, BOOL bCreateHint)
{
    BOOL bResult = TRUE;
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl != nullptr && GetCurrentCell(nRow, nCol, TRUE)) {
        if (bSave) {
            if (pControl->IsActive())
                bResult = SetCurrentCell(nRow, nCol, nFlags);
        } else if (pControl->OnCancelEditing() && pControl->IsActive()) {
            pControl->Init(nRow, nCol);
            pControl->Refresh();
            pControl->OnCanceledEditing();
        }
    }
    if (!m_bInMove)
        m_pCurrentControl = nullptr;
    if (m_bDocLink) {
        // a view that cannot store its edit makes the whole transfer fail
        CGXAbstractGridUpdateHintImp* pHint = HintModule(bCreateHint);
        if (pHint != nullptr && !pHint->EndCurrentCellEdit(this, bSave, nFlags))
            bResult = FALSE;
    }
    return bResult;
}

void CGXGridCore::ResetCurrentCell(BOOL bStore)
{
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol, TRUE))
        return;
    if (bStore)
        TransferCurrentCell(TRUE);
    m_bCurrentValid = FALSE;
    if (CGXControl* pControl = FindAttachedControl(nRow, nCol))
        pControl->Reset();
    m_pCurrentControl = nullptr;
    RedrawRowCol(nRow, nCol, nRow, nCol, 2, FALSE);
}

void CGXGridCore::RefreshCurrentCellControl()
{
    if (CGXControl* pControl = GetCurrentCellControl())
        pControl->Refresh();
}

void CGXGridCore::OnCurrentCellChanged(ROWCOL nRow, ROWCOL nCol)
{
    NotifyFocusHooks();
    if (nRow != m_nNotifiedRow || nCol != m_nNotifiedCol)
        OnMovedCurrentCell(nRow, nCol);
    m_nNotifiedRow = nRow;
    m_nNotifiedCol = nCol;
}

void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) {}

void CGXGridCore::NotifyFocusHooks()
{
    for (CGXGridFocusHook* pHook : m_pAppData->m_apFocusHooks)
        if (pHook != nullptr)
            pHook->OnGridFocus(this);
}

// ---- moving the current cell ---------------------------------------------------------------------------

BOOL CGXGridCore::FindNextEnabledCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol)
{
    if (nDirection < gxUp || nDirection > gxRight)
        AfxThrowInvalidArgFormat("CGXGridCore::FindNextEnabledCell: direction %d is not 1 to 4", nDirection);
    const BOOL bRows = nDirection == gxUp || nDirection == gxDown;
    const BOOL bBack = nDirection == gxUp || nDirection == gxLeft;
    ROWCOL& rnLine = bRows ? nRow : nCol;
    const ROWCOL nCount = bRows ? GetRowCount() : GetColCount();
    for (;;) {
        CGXCellRange covered;
        const BOOL bTopLeft = !GetCoveredCellsRowCol(nRow, nCol, covered) || !covered.IsValid() ||
                              (covered.top == nRow && covered.left == nCol);
        if (nRow <= GetRowCount() && nCol <= GetColCount() && GetRowHeight(nRow) > 0 && GetColWidth(nCol) > 0 &&
            bTopLeft) {
            const CGXComposedStyle style(this, nRow, nCol);
            if (!style.Get().GetIncludeEnabled() || style.Get().GetEnabled())
                return TRUE;
        }
        if (bBack ? rnLine <= 1 : rnLine >= nCount)
            return FALSE;
        bBack ? --rnLine : ++rnLine;
    }
}

BOOL CGXGridCore::MoveCurrentCell(int nDirection, UINT nCount, UINT nFlags)
{
    if (nDirection < gxUp || nDirection > gxLastCell)
        AfxThrowInvalidArgFormat("CGXGridCore::MoveCurrentCell: direction %d is not 1 to 12", nDirection);
    if (m_pParam == nullptr)
        return FALSE;
    nCount = std::max(nCount, 1u);
    const FlagScope inMove(m_bInMove, TRUE);
    ROWCOL nRow, nCol;
    if (!GetCurrentCell(nRow, nCol)) {
        nRow = std::min(m_nCurrentRow, GetRowCount());
        nCol = std::min(m_nCurrentCol, GetColCount());
    }
    const ROWCOL nStartRow = nRow, nStartCol = nCol;
    const GXLineAxis rows(*this, TRUE), cols(*this, FALSE);
    // lines to scroll after the move (towards line 1 or away from it)
    int nScrollDirection = 0;
    ROWCOL nScroll = 0;
    BOOL bFound = FALSE;
    switch (nDirection) {
    case gxUp:
    case gxLeft:
    case gxDown:
    case gxRight: {
        const BOOL bRows = nDirection == gxUp || nDirection == gxDown;
        const BOOL bBack = nDirection == gxUp || nDirection == gxLeft;
        const GXLineAxis& axis = bRows ? rows : cols;
        for (UINT i = 0; i < nCount; ++i) {
            ROWCOL nNextRow = nRow, nNextCol = nCol;
            ROWCOL& rnNext = bRows ? nNextRow : nNextCol;
            const ROWCOL nFrozen = axis.Frozen(), nFirst = axis.FirstScrolled();
            CGXCellRange covered;
            if (!bBack) {
                // a covered span is left whole; from the frozen lines on at the first scrolled one
                ROWCOL nLast = rnNext;
                if (GetCoveredCellsRowCol(nRow, nCol, covered) && covered.IsValid())
                    nLast = bRows ? covered.bottom : covered.right;
                rnNext = nLast + 1;
                if (nLast <= nFrozen && rnNext > nFrozen && rnNext < nFirst)
                    rnNext = nFirst;
            } else {
                if (rnNext <= 1)
                    break;
                --rnNext;
                // from the first scrolled line on at the last frozen one, unless the grid scrolls at
                // its edge
                if (rnNext + 1 == nFirst && nFrozen > 0 && rnNext > nFrozen &&
                    !m_pParam->GetCurrentCellOptions().bScrollAtEdge)
                    rnNext = nFrozen;
            }
            if (rnNext > axis.Count() || !FindNextEnabledCell(nDirection, nNextRow, nNextCol))
                break;
            nRow = nNextRow;
            nCol = nNextCol;
            bFound = TRUE;
        }
        // a cell found before the first scrolled line scrolls into view by the lines between
        const ROWCOL nLine = bRows ? nRow : nCol;
        if (bFound && bBack && nLine > axis.Frozen() && nLine < axis.FirstScrolled()) {
            nScrollDirection = nDirection;
            nScroll = axis.FirstScrolled() - nLine;
        }
        break;
    }
    case gxPageDown: {
        // a page is the rows from the top row to the last one shown whole
        const ROWCOL nTop = rows.FirstScrolled();
        const ROWCOL nPage = std::max<ROWCOL>(rows.LastFullyVisible() > nTop ? rows.LastFullyVisible() - nTop : 0, 1);
        nRow = std::min(nRow + nPage, GetRowCount());
        bFound = FindNextEnabledCell(gxDown, nRow, nCol) || FindNextEnabledCell(gxUp, nRow, nCol);
        nScrollDirection = gxDown;
        nScroll = nPage;
        break;
    }
    case gxPageUp: {
        // as many rows before the top row as fill the height below the frozen rows
        const ROWCOL nTop = rows.FirstScrolled();
        const int nAvailable = GetGridRect().Height() - rows.Sum(0, rows.Frozen(), 0);
        ROWCOL nPage = 0;
        for (int nSum = 0; nTop > nPage + 1 && nSum + GetRowHeight(nTop - nPage - 1) <= nAvailable; ++nPage)
            nSum += GetRowHeight(nTop - nPage - 1);
        nPage = std::max<ROWCOL>(nPage, 1);
        nRow = nRow > nPage ? nRow - nPage : 1;
        bFound = FindNextEnabledCell(gxUp, nRow, nCol);
        if (!bFound) {
            nRow = rows.Frozen() + 1;
            bFound = FindNextEnabledCell(gxDown, nRow, nCol);
        }
        nScrollDirection = gxUp;
        nScroll = nPage;
        break;
    }
    case gxFirstRow:
        nRow = rows.Frozen() + 1;
        bFound = FindNextEnabledCell(gxDown, nRow, nCol);
        break;
    case gxLastRow:
        nRow = GetRowCount();
        bFound = FindNextEnabledCell(gxUp, nRow, nCol);
        break;
    case gxFirstCol:
        SetLeftCol(1);
        nCol = cols.Frozen() + 1;
        bFound = FindNextEnabledCell(gxRight, nRow, nCol);
        break;
    case gxLastCol:
        nCol = GetColCount();
        bFound = FindNextEnabledCell(gxLeft, nRow, nCol);
        break;
    case gxFirstCell:
        nRow = GetHeaderRows() + 1;
        nCol = GetHeaderCols() + 1;
        bFound = FindNextEnabledCell(gxDown, nRow, nCol) && FindNextEnabledCell(gxRight, nRow, nCol);
        break;
    case gxLastCell:
        nRow = GetRowCount();
        nCol = GetColCount();
        bFound = FindNextEnabledCell(gxUp, nRow, nCol) && FindNextEnabledCell(gxLeft, nRow, nCol);
        break;
    }

    BOOL bMoved = FALSE;
    if (bFound && (nRow != nStartRow || nCol != nStartCol) && nRow > GetHeaderRows() && nCol > GetHeaderCols()) {
        UINT nMoveFlags = gxUpdateNow | gxScrollInView | gxKeepSelection;
        if (m_pParam->GetCurrentCellOptions().bSelectionFollowsCell && (nFlags & 1)) {
            if (!IsCellInSelection(nRow, nCol))
                SetRangeAtPosition(nullptr, 0, 0, 0, 0);
            nMoveFlags = gxUpdateNow | gxScrollInView;
        }
        // the lines counted for scrolling bring the cell into view themselves
        if (nScroll > 0)
            nMoveFlags &= ~UINT(gxScrollInView);
        bMoved = SetCurrentCell(nRow, nCol, nMoveFlags);
        if (bMoved && nScroll > 0)
            OnScrollBySteps(nScrollDirection, nScroll);
    }
    m_bSuppressTracking = FALSE;
    return bMoved;
}

BOOL CGXGridCore::MoveCurrentCellEx(int nDirection, UINT nCount)
{
    if (m_pUserSelectRangeImp != nullptr)
        return m_pUserSelectRangeImp->MoveCurrentCellSelecting(this, nDirection, nCount);
    m_posSelecting = nullptr;
    return MoveCurrentCell(nDirection, nCount, 1);
}

// ---- the warning text ---------------------------------------------------------------------------------

void CGXGridCore::SetWarningText(const char* pszWarning)
{
    m_strWarningText = pszWarning != nullptr ? pszWarning : "";
}

void CGXGridCore::ShowWarningText()
{
    if (!m_strWarningText.IsEmpty()) {
        const FlagScope busy(m_bBusy, TRUE);
        RemoveWaitingKeys();
        ROWCOL nRow, nCol;
        if (GetCurrentCell(nRow, nCol))
            ScrollCellInView(nRow, nCol);
        CWnd* pFocus = CWnd::GetFocus();
        m_bWarningBoxShowing = TRUE;
        AfxMessageBox(m_strWarningText, MB_OK);
        m_bWarningBoxShowing = FALSE;
        m_bWarningShown = TRUE;
        if (pFocus != nullptr && pFocus->m_hWnd != nullptr && ::IsWindow(pFocus->m_hWnd))
            pFocus->SetFocus();
        m_bHasFocus = HoldsWindow(pFocus);
    }
    m_strWarningText.Empty();
}

void CGXGridCore::RemoveWaitingKeys()
{
    const HWND hWndFocus = ::GetFocus();
    MSG msg;
    while (hWndFocus != nullptr && ::PeekMessageA(&msg, hWndFocus, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}
