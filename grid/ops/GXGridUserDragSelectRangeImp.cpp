// CGXGridUserDragSelectRangeImp (see GXGridUserDragSelectRangeImp.h).
#include "grid/ops/GXGridUserDragSelectRangeImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXDragLineWnd.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"

#include <algorithm>

CGXAbstractGridUserDragSelectRangeImp* GXCreateUserDragSelectRangeImp()
{
    return new CGXGridUserDragSelectRangeImp;
}

namespace {

enum { kDragNone = 0, kDragCols = 1, kDragRows = 2 };

CGXRangeList& Selection(CGXGridCore* pGrid)
{
    return pGrid->GetParam()->GetRangeList1();
}

// The range being dragged, null when its position left the selection.
const CGXCellRange* DraggedRange(CGXGridCore* pGrid)
{
    CGXRangeList& list = Selection(pGrid);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos))
        if (pos == pGrid->m_posSelDragRange)
            return list.GetRangeAt(pos);
    return nullptr;
}

// The dragged lines' first and last, and the target, along the drag's direction.
void DragLines(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL& nFirst, ROWCOL& nLast, ROWCOL& nTarget)
{
    const BOOL bRows = pGrid->m_nSelDragType == kDragRows;
    nFirst = bRows ? range.top : range.left;
    nLast = bRows ? range.bottom : range.right;
    nTarget = bRows ? pGrid->m_nSelDragRow : pGrid->m_nSelDragCol;
}

BOOL ApproveDrop(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nTarget)
{
    return pGrid->m_nSelDragType == kDragRows ? pGrid->ApproveDropRows(nFirst, nLast, nTarget)
                                              : pGrid->ApproveDropCols(nFirst, nLast, nTarget);
}

// The target line under point along the drag's direction: the line there (at least the first
// scrollable display index), or the count + 1 beyond the last line.
ROWCOL TargetAt(CGXGridCore* pGrid, CPoint point)
{
    if (pGrid->m_nSelDragType == kDragRows) {
        const int nIndex = pGrid->CalcClientRowFromY(point.y);
        return nIndex < 0 ? pGrid->GetRowCount() + 1 : pGrid->DisplayIndexToRow(std::max(nIndex, 1));
    }
    const int nIndex = pGrid->CalcClientColFromX(point.x);
    return nIndex < 0 ? pGrid->GetColCount() + 1 : pGrid->DisplayIndexToCol(std::max(nIndex, 1));
}

// A whole-rows (bRows) or whole-columns range of list holds line n.
BOOL HasWholeLine(const CGXRangeList& list, BOOL bRows, ROWCOL n)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos)) {
        const CGXCellRange& r = *list.GetRangeAt(pos);
        if (r.IsValid() && (bRows ? r.IsRows() && n >= r.top && n <= r.bottom : r.IsCols() && n >= r.left && n <= r.right))
            return TRUE;
    }
    return FALSE;
}

void DestroyDropLine(CGXGridCore* pGrid)
{
    if (pGrid->m_pSelDragLineWnd != nullptr && pGrid->m_pSelDragLineWnd->m_hWnd != nullptr)
        pGrid->m_pSelDragLineWnd->DestroyWindow();
}

void HideDropLine(CGXGridCore* pGrid)
{
    if (pGrid->m_pSelDragLineWnd != nullptr && pGrid->m_pSelDragLineWnd->m_hWnd != nullptr)
        pGrid->m_pSelDragLineWnd->ShowWindow(SW_HIDE);
}

// Places the drop line on the boundary before line nTarget and shows it; the window is made on first
// use.
void ShowDropLine(CGXGridCore* pGrid, ROWCOL nTarget)
{
    CWnd* pGridWnd = pGrid->GridWnd();
    if (pGridWnd == nullptr || pGridWnd->m_hWnd == nullptr)
        return;
    if (pGrid->m_pSelDragLineWnd == nullptr) {
        auto* pLine = new CGXDragLineWnd(pGrid);
        pGrid->AddAutoDeleteObject(pLine);
        pGrid->m_pSelDragLineWnd = pLine;
    }
    auto* pLine = static_cast<CGXDragLineWnd*>(pGrid->m_pSelDragLineWnd);
    if (pLine->m_hWnd == nullptr) {
        if (CGXProperties* pProperties = pGrid->GetParam()->GetProperties())
            pLine->m_pen.SetColor(pProperties->GetColor(CGXProperties::gxDraggingLineColor));
        if (!pLine->CreateLineWnd(pGridWnd))
            return;
    }
    const BOOL bRows = pGrid->m_nSelDragType == kDragRows;
    // the boundary after the line before the target; one scrolled out lies at the scrolled area's edge
    int nIndex = bRows ? pGrid->RowToDisplayIndex(nTarget - 1) : pGrid->ColToDisplayIndex(nTarget - 1);
    if (nIndex == 0 && nTarget - 1 != 0)
        nIndex = bRows ? pGrid->RowToDisplayIndex(pGrid->GetTopRow()) - 1
                       : pGrid->ColToDisplayIndex(pGrid->GetLeftCol()) - 1;
    CRect rect;
    pGrid->CalcTrackingLineRect(rect, bRows ? CGXGridCore::gxRowLine : CGXGridCore::gxColLine, nIndex);
    pLine->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), FALSE);
    pLine->ShowWindow(SW_SHOWNA);
    pLine->UpdateWindow();
}

// Redraws the current cell (its frame follows the grid's hide flag).
void RedrawCurrentCell(CGXGridCore* pGrid)
{
    ROWCOL nRow, nCol;
    if (pGrid->GetCurrentCell(nRow, nCol))
        pGrid->RedrawRowCol(nRow, nCol, nRow, nCol, 1, FALSE);
}

// While lines are dragged the drop line alone marks the drag: the selection frame (with its fill knob)
// and the current cell's frame are taken off the screen, each unless something else hid it already.
void SuppressFrames(CGXGridCore* pGrid)
{
    if (!pGrid->m_bSelDragHidesFrame)
        pGrid->m_bSelDragHidesFrame = !pGrid->HideExcelLikeFrame(TRUE, FALSE);
    if (!pGrid->m_bSelDragHidesCurrentCell && !pGrid->m_bHideCurrentCell) {
        pGrid->m_bSelDragHidesCurrentCell = pGrid->m_bHideCurrentCell = TRUE;
        RedrawCurrentCell(pGrid);
    }
}

// Brings back what SuppressFrames took away.
void RestoreFrames(CGXGridCore* pGrid)
{
    if (pGrid->m_bSelDragHidesFrame) {
        pGrid->m_bSelDragHidesFrame = FALSE;
        pGrid->HideExcelLikeFrame(FALSE, FALSE);
    }
    if (pGrid->m_bSelDragHidesCurrentCell) {
        pGrid->m_bSelDragHidesCurrentCell = pGrid->m_bHideCurrentCell = FALSE;
        RedrawCurrentCell(pGrid);
    }
}

}  // namespace

BOOL CGXGridUserDragSelectRangeImp::OnDragButtonDown(CGXGridCore* pGrid, CPoint&, UINT&, int&, ROWCOL& nRow,
                                                     ROWCOL& nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const CGXRangeList& list = pParam->GetRangeList1();
    if (!list.IsCellInList(nRow, nCol) || list.IsCellInList(0, 0))
        return FALSE;
    const BOOL bCols = nRow <= pGrid->GetHeaderRows() && pParam->GetDisplayOptions().bDragSelectedCols &&
                       HasWholeLine(list, FALSE, nCol);
    const BOOL bRows = !bCols && nCol <= pGrid->GetHeaderCols() && pParam->GetDisplayOptions().bDragSelectedRows &&
                       HasWholeLine(list, TRUE, nRow);
    if (!bCols && !bRows)
        return FALSE;
    pGrid->m_bSelDragPending = TRUE;
    if (!pGrid->StartSelDrag(bRows ? nRow : 0, bRows ? 0 : nCol)) {
        pGrid->m_nSelDragType = kDragNone;
        if (pGrid->GridWnd() != nullptr)
            pGrid->GridWnd()->SendMessage(WM_CANCELMODE);
        return FALSE;
    }
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd != nullptr && ::GetCapture() != pWnd->m_hWnd) {
        if (pGrid->m_bAutoScroll)
            pGrid->StartAutoScroll(FALSE, bRows && !pGrid->IsFrozenRow(nRow), bCols && !pGrid->IsFrozenCol(nCol));
        pWnd->SetCapture();
    }
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::OnDragMouseMove(CGXGridCore* pGrid, CPoint point)
{
    if (!pGrid->m_bSelDragPending || pGrid->m_nSelDragType == kDragNone)
        return FALSE;
    const ROWCOL nTarget = TargetAt(pGrid, point);
    if (pGrid->m_nSelDragType == kDragRows)
        pGrid->DragSelectionTo(nTarget, 0);
    else
        pGrid->DragSelectionTo(0, nTarget);
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::OnDragButtonUp(CGXGridCore* pGrid, CPoint point)
{
    if (!pGrid->m_bSelDragPending || pGrid->m_nSelDragType == kDragNone)
        return FALSE;
    ::ReleaseCapture();
    const ROWCOL nTarget = TargetAt(pGrid, point);
    if (pGrid->m_nSelDragType == kDragRows)
        pGrid->DropSelection(nTarget, 0);
    else
        pGrid->DropSelection(0, nTarget);
    pGrid->m_bSelDragPending = FALSE;
    return TRUE;
}

BOOL CGXGridUserDragSelectRangeImp::StartDragSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    if (pGrid->GetParam() == nullptr)
        return FALSE;
    pGrid->m_nSelDragRow = std::max<ROWCOL>(nRow, 1);
    pGrid->m_nSelDragCol = std::max<ROWCOL>(nCol, 1);
    const CGXRangeList& list = Selection(pGrid);
    const POSITION pos = list.FindRange(nRow, nCol);
    if (pos == nullptr)
        return FALSE;
    const CGXCellRange& range = *list.GetRangeAt(pos);
    BOOL bApproved;
    if (nRow != 0) {
        pGrid->m_nSelDragType = kDragRows;
        bApproved = pGrid->ApproveDragRows(range.top, range.bottom);
    } else if (nCol != 0) {
        pGrid->m_nSelDragType = kDragCols;
        bApproved = pGrid->ApproveDragCols(range.left, range.right);
    } else {
        return FALSE;
    }
    if (bApproved) {
        pGrid->m_posSelDragRange = pos;
        pGrid->SetGridCursor(GX_IDC_SELMOVE);
        SuppressFrames(pGrid);
    }
    return bApproved;
}

void CGXGridUserDragSelectRangeImp::DragSelectionTo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    nRow = std::max<ROWCOL>(nRow, 1);
    nCol = std::max<ROWCOL>(nCol, 1);
    const BOOL bRows = pGrid->m_nSelDragType == kDragRows;
    if (pGrid->m_nSelDragType == kDragNone || (bRows ? nRow == pGrid->m_nSelDragRow : nCol == pGrid->m_nSelDragCol))
        return;
    HideDropLine(pGrid);
    pGrid->m_nSelDragRow = nRow;
    pGrid->m_nSelDragCol = nCol;
    const CGXCellRange* pRange = DraggedRange(pGrid);
    ROWCOL nFirst, nLast, nTarget;
    if (pRange == nullptr)
        return;
    DragLines(pGrid, *pRange, nFirst, nLast, nTarget);
    if (!ApproveDrop(pGrid, nFirst, nLast, nTarget)) {
        pGrid->SetGridCursor(GX_IDC_NODROP);
        return;
    }
    pGrid->SetGridCursor(GX_IDC_SELMOVE);
    if (pGrid->GridWnd() != nullptr)
        pGrid->GridWnd()->UpdateWindow();
    ShowDropLine(pGrid, nTarget);
}

BOOL CGXGridUserDragSelectRangeImp::DropSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    RestoreFrames(pGrid);
    pGrid->SetGridCursor(0);
    const BOOL bRows = pGrid->m_nSelDragType == kDragRows;
    if (pGrid->m_nSelDragType == kDragNone || (bRows ? nRow : nCol) == 0)
        return FALSE;
    DestroyDropLine(pGrid);
    pGrid->m_nSelDragRow = nRow;
    pGrid->m_nSelDragCol = nCol;
    const CGXCellRange* pRange = DraggedRange(pGrid);
    if (pRange == nullptr)
        return FALSE;
    const CGXCellRange range = *pRange;
    ROWCOL nFirst, nLast, nTarget;
    DragLines(pGrid, range, nFirst, nLast, nTarget);
    if (!ApproveDrop(pGrid, nFirst, nLast, nTarget) ||
        !(bRows ? pGrid->ApproveMoveRows(nFirst, nLast, nTarget) : pGrid->ApproveMoveCols(nFirst, nLast, nTarget)))
        return FALSE;
    nTarget = std::max<ROWCOL>(nTarget, 1);
    // a drop onto the dragged lines or right after them leaves everything where it is
    if ((nTarget >= nFirst && nTarget <= nLast) || (nTarget - 1 >= nFirst && nTarget - 1 <= nLast))
        return FALSE;
    const ROWCOL nDest = nLast < nTarget ? nTarget - (nLast - nFirst + 1) : nTarget;
    return bRows ? pGrid->MoveRows(nFirst, nLast, nDest, 2) : pGrid->MoveCols(nFirst, nLast, nDest, 2);
}

void CGXGridUserDragSelectRangeImp::CancelDragSelection(CGXGridCore* pGrid)
{
    RestoreFrames(pGrid);
    DestroyDropLine(pGrid);
    pGrid->SetGridCursor(0);
    pGrid->m_bSelDragPending = FALSE;
}
