// CGXGridCore: the keyboard, the mouse and the focus of the grid window (see GXCore.h). The window
// forms hand their messages to these operations.
#include "grid/engine/GXCore.h"

#include "grid/engine/GXCellTipHandler.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXState.h"
#include "win/Win.h"

#include <algorithm>

namespace {

enum { kLeft = 0, kRight = 1, kMiddle = 2 };

// The operations of a control that take a press, a release and a double click of a button.
struct ButtonRoutes {
    BOOL (CGXControl::*pfnDown)(UINT, CPoint);
    BOOL (CGXControl::*pfnUp)(UINT, CPoint);
    BOOL (CGXControl::*pfnDblClk)(UINT, CPoint);
    UINT nOtherButtons;  // the buttons whose press cancels this one's
};

const ButtonRoutes& RoutesOf(int nButton)
{
    static const ButtonRoutes routes[] = {
        {&CGXControl::OnLButtonDown, &CGXControl::OnLButtonUp, &CGXControl::OnLButtonDblClk, MK_RBUTTON | MK_MBUTTON},
        {&CGXControl::OnRButtonDown, &CGXControl::OnRButtonUp, &CGXControl::OnRButtonDblClk, MK_LBUTTON | MK_MBUTTON},
        {&CGXControl::OnMButtonDown, &CGXControl::OnMButtonUp, &CGXControl::OnMButtonDblClk, MK_LBUTTON | MK_RBUTTON},
    };
    return routes[nButton];
}

BOOL IsCellHit(int nHit)
{
    return nHit == CGXGridCore::gxHitCell || nHit == CGXGridCore::gxHitHeader ||
           nHit == CGXGridCore::gxHitSelectionFrame;
}

BOOL IsBoundaryHit(int nHit)
{
    return nHit == CGXGridCore::gxHitColBoundary || nHit == CGXGridCore::gxHitRowBoundary ||
           nHit == CGXGridCore::gxHitHiddenCol || nHit == CGXGridCore::gxHitHiddenRow;
}

}  // namespace

// ---- keys ----------------------------------------------------------------------------------------------

BOOL CGXGridCore::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd != nullptr && ::GetCapture() == pWnd->m_hWnd) {
        // a mouse action runs: Escape ends it, every other key waits
        if (nMessage == WM_KEYDOWN && nChar == VK_ESCAPE)
            pWnd->SendMessage(WM_CANCELMODE);
        return TRUE;
    }
    ROWCOL nRow, nCol;
    if (pSender == m_pGridWnd && GetCurrentCell(nRow, nCol)) {
        if (CGXControl* pControl = GetCurrentCellControl()) {
            if (!pControl->IsAttachedTo(nRow, nCol))
                pControl->Init(nRow, nCol);
            if (pControl->ProcessKeyMessage(nMessage, nChar, nRepCnt, nFlags)) {
                ScrollCellInView(nRow, nCol, 2);
                if (pWnd != nullptr)
                    pWnd->UpdateWindow();
                return TRUE;
            }
        }
    }
    switch (nMessage) {
    case WM_KEYDOWN:
        return OnGridKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return OnGridKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR: {
        CString strChar;
        if (ComposeMultiByteChar(nChar, strChar, m_bPendingLeadByte, m_chLeadByte))
            return strChar.IsEmpty() ? TRUE : OnGridDoubleByteChar(strChar, nRepCnt, nFlags);
        return OnGridChar(nChar, nRepCnt, nFlags);
    }
    case WM_DEADCHAR:
        return OnGridDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return OnGridSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return OnGridSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return OnGridSysDeadChar(nChar, nRepCnt, nFlags);
    default:
        return FALSE;
    }
}

void CGXGridCore::DiscardCurrentCellEdit()
{
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCellControl();
    if (pControl == nullptr || !GetCurrentCell(nRow, nCol))
        return;
    if (pControl->OnCancelEditing()) {
        pControl->Init(nRow, nCol);
        pControl->Refresh();
        pControl->OnCanceledEditing();
    } else {
        pControl->Refresh();
    }
    ScrollCellInView(nRow, nCol);
}

BOOL CGXGridCore::OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bCtrl = IsKeyDown(VK_CONTROL), bShift = IsKeyDown(VK_SHIFT), bAlt = IsKeyDown(VK_MENU);
    const UINT nRepeat = std::max(nRepCnt, 1u);
    CGXGridParam::CurrentCellOptions* pOptions = m_pParam != nullptr ? &m_pParam->GetCurrentCellOptions() : nullptr;
    ROWCOL nRow, nCol;
    const BOOL bCurrent = GetCurrentCell(nRow, nCol);
    CGXControl* pControl = bCurrent ? GetCurrentCellControl() : nullptr;
    BOOL bHandled = TRUE;
    BOOL bMoved = FALSE;
    switch (nChar) {
    case VK_BACK:
        bHandled = bCtrl && Redo();
        break;
    case VK_TAB:
        TransferCurrentCell(TRUE, 1, TRUE);
        bMoved = MoveCurrentCell(bShift ? gxLeft : gxRight, 1, 1);
        break;
    case VK_ESCAPE:
        if (pOptions != nullptr && pOptions->bCopyMarquee) {
            pOptions->bCopyMarquee = FALSE;
            Redraw();
        }
        DiscardCurrentCellEdit();
        if (pOptions != nullptr && !pOptions->bSelectionFollowsCell)
            SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        bMoved = MoveCurrentCellEx(nChar == VK_PRIOR ? gxPageUp : gxPageDown, nRepeat);
        break;
    case VK_HOME:
    case VK_END:
        if (!bCtrl)
            return FALSE;
        bMoved = MoveCurrentCellEx(nChar == VK_HOME ? gxFirstCell : gxLastCell, 1);
        break;
    case VK_LEFT:
        bMoved = MoveCurrentCellEx(bCtrl ? gxFirstCol : gxLeft, nRepeat);
        break;
    case VK_UP:
        bMoved = MoveCurrentCellEx(bCtrl ? gxFirstRow : gxUp, nRepeat);
        break;
    case VK_RIGHT:
        bMoved = MoveCurrentCellEx(bCtrl ? gxLastCol : gxRight, nRepeat);
        break;
    case VK_DOWN:
        bMoved = MoveCurrentCellEx(bCtrl ? gxLastRow : gxDown, nRepeat);
        break;
    case VK_INSERT:
        if (bCtrl && CanCopy())
            Copy();
        else if (bShift && CanPaste())
            Paste();
        else
            bHandled = FALSE;
        break;
    case VK_DELETE:
        if (bShift) {
            bHandled = CanCut() && Cut();
        } else if (pControl != nullptr && !pControl->IsActive() && CanClear() && pControl->OnEndEditing()) {
            Clear(bCtrl);
        } else {
            bHandled = FALSE;
        }
        break;
    case VK_F2:
        if (pControl == nullptr) {
            return OnGridKeyDown(VK_RETURN, nRepCnt, nFlags);
        } else if (!pControl->IsActive()) {
            TransferCurrentCell(FALSE);
            if (!pControl->IsReadOnlyCell() && pControl->OnStartEditing()) {
                pControl->SetActive(TRUE);
                pControl->Refresh();
            }
        } else {
            TransferCurrentCell(TRUE);
        }
        break;
    case VK_RETURN:
        if (bCtrl || bShift || bAlt)
            return FALSE;
        TransferCurrentCell(TRUE);
        if (pOptions != nullptr && pOptions->nEnterDirection >= gxUp && pOptions->nEnterDirection <= gxRight)
            bMoved = MoveCurrentCell(pOptions->nEnterDirection, 1, 1);
        break;
    default:
        return FALSE;
    }
    if (GridHwndWnd() != nullptr)
        m_pGridWnd->UpdateWindow();
    // a held key goes on moving through automatic scrolling
    if (m_bKeyRepeatAutoScroll && bMoved && !m_bWarningShown && !m_bAutoScrollRunning) {
        StartAutoScroll(FALSE, FALSE, FALSE);
        m_nAutoScrollKey = nChar;
        m_nAutoScrollKeyFlags = nFlags;
    }
    return bHandled;
}

BOOL CGXGridCore::OnGridChar(UINT nChar, UINT, UINT)
{
    switch (nChar) {
    case 3:  // Ctrl+C
        if (CanCopy())
            Copy();
        return TRUE;
    case 22:  // Ctrl+V
        if (CanPaste())
            Paste();
        return TRUE;
    case 24:  // Ctrl+X
        if (CanCut())
            Cut();
        return TRUE;
    case 18:  // Ctrl+R
        Redo();
        return TRUE;
    case 26:  // Ctrl+Z
        Undo();
        return TRUE;
    case '\t':
    case '\r':
    case 127:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGXGridCore::OnGridSysKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_BACK)
        return FALSE;
    Undo();
    return TRUE;
}

BOOL CGXGridCore::OnGridKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridDoubleByteChar(const CString&, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridSysKeyUp(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridSysChar(UINT, UINT, UINT)
{
    return FALSE;
}

BOOL CGXGridCore::OnGridSysDeadChar(UINT, UINT, UINT)
{
    return FALSE;
}

// ---- mouse -------------------------------------------------------------------------------------------

BOOL CGXGridCore::BeginButtonPress(UINT nFlags, UINT nOtherButtons, CPoint point, int& nHit, ROWCOL& nRow,
                                   ROWCOL& nCol)
{
    CWnd* pWnd = GridHwndWnd();
    if (!m_bInitDone || pWnd == nullptr)
        return FALSE;
    m_bHasFocus = TRUE;
    m_nMouseFlags = nFlags;
    if (::GetCapture() == pWnd->m_hWnd || (nFlags & nOtherButtons) != 0) {
        pWnd->SendMessage(WM_CANCELMODE);
        OnGridCancelMode();
        return FALSE;
    }
    pWnd->UpdateWindow();
    nRow = nCol = 0;
    CRect rect;
    nHit = HitTest(point, nRow, nCol, rect);
    return TRUE;
}

UINT CGXGridCore::NoteButtonPress(ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    m_nDownRow = nRow;
    m_nDownCol = nCol;
    m_bButtonDown = TRUE;
    m_nMouseAction = (nFlags & MK_CONTROL) ? UINT(gxHitStateCtrl) : 0;
    CGXCellRange covered;
    if (GetCoveredCellsRowCol(nRow, nCol, covered) && covered.IsValid()) {
        nRow = covered.top;
        nCol = covered.left;
    }
    CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
    if (pControl != nullptr && pControl->IsInit())
        m_nMouseAction |= gxHitStateOnCurrent;
    return gxHitStateDown | gxHitStateOverDown | m_nMouseAction;
}

void CGXGridCore::CaptureMouse(ROWCOL nRow, ROWCOL nCol)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || ::GetCapture() == pWnd->m_hWnd)
        return;
    if (m_bAutoScroll)
        StartAutoScroll(FALSE, nRow != 0 && !IsFrozenRow(nRow), nCol != 0 && !IsFrozenCol(nCol));
    pWnd->SetCapture();
}

UINT CGXGridCore::CellUnderMouse(CPoint& point, ROWCOL& nRow, ROWCOL& nCol)
{
    // a point outside the grid counts as the cell at its edge
    CRect rectGrid = GetGridRect();
    rectGrid.DeflateRect(m_nFrameHeight, m_nFrameHeight);
    point.x = std::max(rectGrid.left, std::min(point.x, rectGrid.right - 1));
    point.y = std::max(rectGrid.top, std::min(point.y, rectGrid.bottom - 1));
    CRect rect;
    nRow = nCol = 0;
    HitTest(point, nRow, nCol, rect);
    nRow = std::min(std::max<ROWCOL>(nRow, 1), std::max<ROWCOL>(GetRowCount(), 1));
    nCol = std::min(std::max<ROWCOL>(nCol, 1), std::max<ROWCOL>(GetColCount(), 1));
    if (nRow == m_nDownRow && nCol == m_nDownCol)
        return gxHitStateOverDown;
    if (nRow == m_nLastRow && nCol == m_nLastCol)
        return gxHitStateOverLast;
    return 0;
}

BOOL CGXGridCore::OnGridLButtonDown(UINT nFlags, CPoint point)
{
    try {
        int nHit;
        ROWCOL nRow, nCol;
        if (!BeginButtonPress(nFlags, RoutesOf(kLeft).nOtherButtons, point, nHit, nRow, nCol))
            return TRUE;
        if (nHit == gxHitFillHandle) {
            m_nDownRow = nRow;
            m_nDownCol = nCol;
            m_bButtonDown = TRUE;
            if (m_pExcelLikeFillImp != nullptr && m_pParam->GetDisplayOptions().bExcelLikeFill)
                m_pExcelLikeFillImp->StartFill(this, nFlags, point, nHit, nRow, nCol);
            CaptureMouse(nRow, nCol);
        } else if (IsCellHit(nHit)) {
            // a press on the selection's frame counts as one on its cell: the module that could
            // take it is never attached here
            if (!(nRow == 0 && nCol == 0) && m_pUserDragSelectRangeImp != nullptr &&
                m_pUserDragSelectRangeImp->OnDragButtonDown(this, point, nFlags, nHit, nRow, nCol))
                return TRUE;
            const UINT nHitState = NoteButtonPress(nRow, nCol, nFlags);
            if (m_pUserSelectRangeImp != nullptr)
                m_pUserSelectRangeImp->StartSelection(this, point, nFlags, nHit, nRow, nCol);
            m_nLastRow = nRow;
            m_nLastCol = nCol;
            if (OnLButtonHitRowCol(m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, nHitState))
                CaptureMouse(nRow, nCol);
            else
                m_pGridWnd->SendMessage(WM_CANCELMODE);
        } else if (IsBoundaryHit(nHit) && m_pUserResizeCellsImp != nullptr) {
            m_pUserResizeCellsImp->OnResizeButtonDown(this, point, nFlags, nHit, nRow, nCol);
        }
    } catch (CException* e) {
        e->Delete();
        if (GridHwndWnd() != nullptr)
            m_pGridWnd->SendMessage(WM_CANCELMODE);
    }
    return TRUE;
}

BOOL CGXGridCore::OnGridLButtonUp(UINT nFlags, CPoint point)
{
    m_bAutoScrollStop = TRUE;
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || ::GetCapture() != pWnd->m_hWnd)
        return TRUE;
    ROWCOL nRow, nCol;
    const UINT nOver = CellUnderMouse(point, nRow, nCol);
    if (m_pUserDragSelectRangeImp != nullptr && m_pUserDragSelectRangeImp->OnDragButtonUp(this, point))
        return TRUE;
    if (m_bButtonDown) {
        ::ReleaseCapture();
        if (m_pExcelLikeFillImp != nullptr && m_pParam->GetDisplayOptions().bExcelLikeFill)
            m_pExcelLikeFillImp->EndFill(this);
        if (m_pUserSelectRangeImp != nullptr)
            m_pUserSelectRangeImp->EndSelection(this, point, nFlags);
        OnLButtonHitRowCol(m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, gxHitStateUp | nOver | m_nMouseAction);
        m_bButtonDown = FALSE;
        m_nMouseAction = 0;
    } else if (m_pUserResizeCellsImp != nullptr) {
        m_pUserResizeCellsImp->OnResizeButtonUp(this, point);
    }
    return TRUE;
}

BOOL CGXGridCore::OnGridLButtonDblClk(UINT nFlags, CPoint point)
{
    int nHit;
    ROWCOL nRow, nCol;
    if (!BeginButtonPress(nFlags, RoutesOf(kLeft).nOtherButtons, point, nHit, nRow, nCol))
        return TRUE;
    if (IsCellHit(nHit)) {
        CGXCellRange covered;
        if (GetCoveredCellsRowCol(nRow, nCol, covered) && covered.IsValid()) {
            nRow = covered.top;
            nCol = covered.left;
        }
        CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
        if (pControl == nullptr || !pControl->IsInit())
            SetCurrentCell(nRow, nCol, gxUpdateNow | gxScrollInView);
        pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
        // a header cell may become current, and its control does not take double clicks: the sort
        // module is asked whenever the control left the click
        const BOOL bTaken = (pControl != nullptr && pControl->OnLButtonDblClk(nFlags, point)) ||
                            (m_pSortImp != nullptr && m_pSortImp->OnClickedHeaderSort(this, nRow, nCol, nFlags, point));
        if (!bTaken)
            OnGridLButtonDown(nFlags, point);
    } else if (IsBoundaryHit(nHit) && m_pUserResizeCellsImp != nullptr) {
        m_pUserResizeCellsImp->OnResizeDoubleClick(this, point, nFlags, nHit, nRow, nCol);
    }
    return TRUE;
}

BOOL CGXGridCore::OtherButtonDown(int nButton, UINT nFlags, CPoint point)
{
    int nHit;
    ROWCOL nRow, nCol;
    if (!BeginButtonPress(nFlags, RoutesOf(nButton).nOtherButtons, point, nHit, nRow, nCol) || !IsCellHit(nHit))
        return TRUE;
    const UINT nHitState = NoteButtonPress(nRow, nCol, nFlags);
    m_nLastRow = nRow;
    m_nLastCol = nCol;
    if (ButtonHitRowCol(nButton, m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, nHitState))
        CaptureMouse(nRow, nCol);
    return TRUE;
}

BOOL CGXGridCore::OtherButtonUp(int nButton, UINT nFlags, CPoint point)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || !m_bInitDone)
        return TRUE;
    if (::GetCapture() == pWnd->m_hWnd)
        ::ReleaseCapture();
    if (!m_bButtonDown)
        return TRUE;
    ROWCOL nRow, nCol;
    const UINT nOver = CellUnderMouse(point, nRow, nCol);
    ButtonHitRowCol(nButton, m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, gxHitStateUp | nOver | m_nMouseAction);
    m_bButtonDown = FALSE;
    m_nMouseAction = 0;
    return TRUE;
}

BOOL CGXGridCore::OtherButtonDblClk(int nButton, UINT nFlags, CPoint point)
{
    int nHit;
    ROWCOL nRow, nCol;
    if (!BeginButtonPress(nFlags, RoutesOf(nButton).nOtherButtons, point, nHit, nRow, nCol) || !IsCellHit(nHit))
        return TRUE;
    if (!IsCurrentCell(nRow, nCol))
        SetCurrentCell(nRow, nCol, gxUpdateNow | gxScrollInView);
    // the base grid takes no double click of these buttons on a cell that is not current
    CGXControl* pControl = IsCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
    if (pControl == nullptr || !(pControl->*RoutesOf(nButton).pfnDblClk)(nFlags, point))
        OtherButtonDown(nButton, nFlags, point);
    return TRUE;
}

BOOL CGXGridCore::OnGridRButtonDown(UINT nFlags, CPoint point)
{
    return OtherButtonDown(kRight, nFlags, point);
}

BOOL CGXGridCore::OnGridRButtonUp(UINT nFlags, CPoint point)
{
    return OtherButtonUp(kRight, nFlags, point);
}

BOOL CGXGridCore::OnGridRButtonDblClk(UINT nFlags, CPoint point)
{
    return OtherButtonDblClk(kRight, nFlags, point);
}

BOOL CGXGridCore::OnGridMButtonDown(UINT nFlags, CPoint point)
{
    return OtherButtonDown(kMiddle, nFlags, point);
}

BOOL CGXGridCore::OnGridMButtonUp(UINT nFlags, CPoint point)
{
    return OtherButtonUp(kMiddle, nFlags, point);
}

BOOL CGXGridCore::OnGridMButtonDblClk(UINT nFlags, CPoint point)
{
    return OtherButtonDblClk(kMiddle, nFlags, point);
}

BOOL CGXGridCore::OnGridMouseMove(UINT nFlags, CPoint point)
{
    CWnd* pWnd = GridHwndWnd();
    if (!m_bInitDone || pWnd == nullptr)
        return FALSE;
    if (m_bCellTips && m_pCellTipHandler != nullptr && ::GetCapture() != pWnd->m_hWnd)
        m_pCellTipHandler->OnMouseMove(nFlags, point);
    const CPoint pointGiven = point;
    ROWCOL nRow, nCol;
    const UINT nOver = CellUnderMouse(point, nRow, nCol);
    if (m_pUserDragSelectRangeImp != nullptr && m_pUserDragSelectRangeImp->OnDragMouseMove(this, point))
        return TRUE;
    if (m_bButtonDown && ::GetCapture() == pWnd->m_hWnd) {
        // the hook of the button that went down
        const UINT nHitState = gxHitStateMove | nOver | m_nMouseAction;
        if (m_nMouseFlags & MK_LBUTTON)
            OnLButtonHitRowCol(m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, nHitState);
        else if (m_nMouseFlags & MK_RBUTTON)
            OnRButtonHitRowCol(m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, nHitState);
        else if (m_nMouseFlags & MK_MBUTTON)
            OnMButtonHitRowCol(m_nDownRow, m_nDownCol, nRow, nCol, point, nFlags, nHitState);
        const BOOL bFilled = m_pExcelLikeFillImp != nullptr && m_pParam->GetDisplayOptions().bExcelLikeFill &&
                             m_pExcelLikeFillImp->TrackFill(this, point, 0, nRow, nCol);
        if (!bFilled && (nRow != m_nLastRow || nCol != m_nLastCol)) {
            if (m_pUserSelectRangeImp != nullptr)
                m_pUserSelectRangeImp->TrackSelection(this, point, nFlags, nRow, nCol);
            m_nLastRow = nRow;
            m_nLastCol = nCol;
        }
        return TRUE;
    }
    if (m_pUserResizeCellsImp != nullptr && m_pUserResizeCellsImp->OnResizeMouseMove(this, point))
        return TRUE;
    CGXControl* pControl = nullptr;
    if (m_bControlMouse && GetGridRect().PtInRect(pointGiven)) {
        CRect rect;
        if (IsCellHit(HitTest(pointGiven, nRow, nCol, rect)))
            pControl = GetControl(nRow, nCol);
    }
    if (pControl == nullptr || !pControl->OnMouseOverCell(nRow, nCol, nFlags, pointGiven))
        OnGridSetCursor(pointGiven);
    return TRUE;
}

BOOL CGXGridCore::OnLButtonHitRowCol(ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                                     UINT nFlags, UINT nHitState)
{
    return ButtonHitRowCol(kLeft, nDownRow, nDownCol, nRow, nCol, point, nFlags, nHitState);
}

BOOL CGXGridCore::OnRButtonHitRowCol(ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                                     UINT nFlags, UINT nHitState)
{
    return ButtonHitRowCol(kRight, nDownRow, nDownCol, nRow, nCol, point, nFlags, nHitState);
}

BOOL CGXGridCore::OnMButtonHitRowCol(ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol, CPoint point,
                                     UINT nFlags, UINT nHitState)
{
    return ButtonHitRowCol(kMiddle, nDownRow, nDownCol, nRow, nCol, point, nFlags, nHitState);
}

void CGXGridCore::MapToCoveredUnit(ROWCOL& nRow, ROWCOL& nCol)
{
    CGXCellRange covered;
    if (!GetCoveredCellsRowCol(nRow, nCol, covered) || !covered.IsValid())
        return;
    CGXControl* pControl = IsCurrentCell(covered.top, covered.left) ? GetCurrentCellControl() : nullptr;
    if (pControl != nullptr && pControl->IsCoveredCellUnit()) {
        nRow = covered.top;
        nCol = covered.left;
    }
}

BOOL CGXGridCore::ButtonHitRowCol(int nButton, ROWCOL nDownRow, ROWCOL nDownCol, ROWCOL nRow, ROWCOL nCol,
                                  CPoint point, UINT nFlags, UINT nHitState)
{
    const ButtonRoutes& routes = RoutesOf(nButton);
    CGXCellRange covered;
    if (GetCoveredCellsRowCol(nDownRow, nDownCol, covered) && covered.IsValid()) {
        nDownRow = covered.top;
        nDownCol = covered.left;
    }
    auto initialisedControl = [this](ROWCOL r, ROWCOL c) -> CGXControl* {
        CGXControl* pControl = IsCurrentCell(r, c) ? GetCurrentCellControl() : nullptr;
        return pControl != nullptr && pControl->IsInit() ? pControl : nullptr;
    };
    if (nHitState & gxHitStateDown) {
        // the left button leaves an editing current cell alone unless the selection follows it
        const BOOL bKeep = (nHitState & gxHitStateOnCurrent) &&
                           (nButton != kLeft || !m_pParam->GetCurrentCellOptions().bSelectionFollowsCell);
        if (!bKeep) {
            m_bWarningShown = FALSE;
            SetCurrentCell(nDownRow, nDownCol, (nHitState & gxHitStateCtrl) ? 0x84 : 0x04);
            if (m_bWarningShown || nDownRow > GetRowCount() || nDownCol > GetColCount())
                return FALSE;
        }
        if (CGXControl* pControl = initialisedControl(nDownRow, nDownCol))
            (pControl->*routes.pfnDown)(nFlags, point);
        m_bLeftDownCell = FALSE;
    } else if (nHitState & gxHitStateUp) {
        MapToCoveredUnit(nRow, nCol);
        if (CGXControl* pControl = initialisedControl(nRow, nCol))
            (pControl->*routes.pfnUp)(nFlags, point);
        else if (nButton == kLeft)
            OnClickedHeaderCell(nRow, nCol, nFlags, point);
        if (!m_bLeftDownCell && IsCurrentCell(nDownRow, nDownCol)) {
            if (ScrollCellInView(nDownRow, nDownCol, 2))
                RefreshCurrentCellControl();
        } else if (m_pParam->TestSelectionFlags(3) && !SetCurrentCell(nRow, nCol, 0x04)) {
            return FALSE;
        }
    } else if (nHitState & gxHitStateMove) {
        MapToCoveredUnit(nRow, nCol);
        if (CGXControl* pControl = initialisedControl(nRow, nCol))
            pControl->OnMouseMove(nFlags, point);
        if (nRow != nDownRow || nCol != nDownCol)
            m_bLeftDownCell = TRUE;
    }
    return TRUE;
}

BOOL CGXGridCore::OnGridCancelMode()
{
    int nKind;
    ROWCOL nIndex;
    if (IsUserResizing(nKind, nIndex))
        CancelResizeTracking();
    if (m_bButtonDown) {
        SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        // in the row-list modes the current cell goes with the selection
        if (m_pParam != nullptr && m_pParam->TestSelectionFlags(3))
            SetCurrentCell(ROWCOL(-1), ROWCOL(-1));
        m_bButtonDown = FALSE;
        m_nMouseAction = 0;
    }
    if (m_pUserDragSelectRangeImp != nullptr)
        EndSelDrag();
    if (m_pParam != nullptr)
        m_pParam->GetCurrentCellOptions().bCopyMarquee = FALSE;
    m_nCursorOverride = 0;
    if (GridHwndWnd() != nullptr && ::GetCapture() == m_pGridWnd->m_hWnd)
        ::ReleaseCapture();
    if (CGXControl* pControl = GetCurrentCellControl())
        pControl->OnGridCancelMode();
    return TRUE;
}

// ---- focus -------------------------------------------------------------------------------------------

void CGXGridCore::OnGridSetFocus(CWnd* pOldWnd)
{
    if (m_bFocusChange)
        return;
    // a focus coming from inside the grid window does not activate the grid again
    if (pOldWnd == m_pGridWnd || !HoldsWindow(pOldWnd))
        OnActivateGrid(TRUE);
    m_hWndPrevFocus = pOldWnd != nullptr ? pOldWnd->m_hWnd : nullptr;
}

void CGXGridCore::OnGridKillFocus(CWnd* pNewWnd)
{
    m_bFocusLost = TRUE;
    // a cell opening its pop-up keeps its control active
    if (m_bFocusChange || GridHwndWnd() == nullptr || m_pAppData->GetGlobalWord() != 0)
        return;
    if (!HoldsWindow(pNewWnd))
        OnActivateGrid(FALSE);
}

void CGXGridCore::OnActivateGrid(BOOL bActive)
{
    if (GridHwndWnd() != nullptr)
        m_pGridWnd->SendMessage(WM_CANCELMODE);
    if (bActive)
        m_pAppData->m_pActiveGrid = this;
    if (m_bBusy || !m_bInitDone)
        return;
    m_bHasFocus = bActive;
    ROWCOL nRow, nCol;
    CGXControl* pControl = GetCurrentCell(nRow, nCol) ? GetCurrentCellControl() : nullptr;
    if (pControl != nullptr) {
        if (bActive) {
            if ((m_pParam->GetActivateCellFlags() & 4) && !pControl->IsActive() && pControl->OnStartEditing())
                pControl->SetActive(TRUE);
            pControl->Refresh();
        } else if (pControl->IsInit()) {
            // the edit is kept in the cell while the grid is away
            if (CanSelectCurrentCell(FALSE, nRow, nCol, nRow, nCol) && pControl->GetModify())
                pControl->Store();
            pControl->OnValidateCell();
            pControl->Refresh();
        } else {
            RedrawRowCol(nRow, nCol, nRow, nCol);
        }
    }
    if (bActive) {
        ComputeCharSize(nullptr, m_dxChar, m_dyChar);
        UpdateScrollbars(TRUE, FALSE);
    }
    // the next resize repaints the whole window
    ForgetLastSize();
    if (bActive)
        NotifyFocusHooks();
}
