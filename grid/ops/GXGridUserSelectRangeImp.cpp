// CGXGridUserSelectRangeImp (see GXGridUserSelectRangeImp.h).
#include "grid/ops/GXGridUserSelectRangeImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

#include <algorithm>

CGXAbstractGridUserSelectRangeImp* GXCreateUserSelectRangeImp()
{
    return new CGXGridUserSelectRangeImp;
}

namespace {

// The flag pairs the hooks get: a press or a drag (and the keys' clearing), a key change, a release.
constexpr BOOL kMouse[2] = {TRUE, FALSE};
constexpr BOOL kKeys[2] = {FALSE, TRUE};
constexpr BOOL kRelease[2] = {FALSE, FALSE};

enum RowListMode { kNoRowList, kOneRow, kManyRows };

RowListMode RowList(CGXGridCore* pGrid)
{
    const CGXGridParam* pParam = pGrid->GetParam();
    if (pParam->TestSelectionFlags(2))
        return kManyRows;
    return pParam->TestSelectionFlags(1) ? kOneRow : kNoRowList;
}

// The mouse selects at all.
BOOL MouseSelects(CGXGridCore* pGrid)
{
    return (pGrid->GetParam()->GetSelectModeFlags() & 0xFF) != 0;
}

CGXRangeList& Selection(CGXGridCore* pGrid)
{
    return pGrid->GetParam()->GetRangeList1();
}

BOOL IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

// The range being built, null when none is or when its position left the list (a view sharing the
// list emptied it).
POSITION Building(CGXGridCore* pGrid)
{
    const CGXRangeList& list = Selection(pGrid);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos))
        if (pos == pGrid->m_posSelecting)
            return pos;
    pGrid->m_posSelecting = nullptr;
    return nullptr;
}

// The range the corners make: ordered; whole rows in the row-list modes or for left 0, whole columns
// for top 0, the table for both.
CGXCellRange CornersToRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    if (RowList(pGrid) != kNoRowList)
        nLeft = nRight = 0;
    CGXCellRange range(nTop, nLeft, nBottom, nRight);
    if (range.top == 0 && range.left == 0)
        range.SetTable();
    else if (range.top == 0)
        range.SetCols(range.left, range.right);
    else if (range.left == 0)
        range.SetRows(range.top, range.bottom);
    return range;
}

// The selection emptied with the grid's consent (flags). FALSE when it refused.
BOOL ClearSelection(CGXGridCore* pGrid, const BOOL (&flags)[2])
{
    if (!pGrid->ApproveSelectionChange(nullptr, flags[0], flags[1]))
        return FALSE;
    pGrid->SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    pGrid->AfterSelectionChange(nullptr, flags[0], flags[1]);
    return TRUE;
}

// The range at pos set to the corners with the grid's consent (flags). FALSE when it refused.
BOOL ChangeRange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                 const BOOL (&flags)[2])
{
    const CGXCellRange range = CornersToRange(pGrid, nTop, nLeft, nBottom, nRight);
    if (!pGrid->ApproveSelectionChange(&range, flags[0], flags[1]))
        return FALSE;
    pGrid->SetRangeAtPosition(pos, nTop, nLeft, nBottom, nRight);
    pGrid->AfterSelectionChange(&range, flags[0], flags[1]);
    return TRUE;
}

// A new empty range appended as the range being built, started at (nRow, nCol).
POSITION StartRange(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    pGrid->m_posSelecting = Selection(pGrid).AddRange(CGXCellRange());
    pGrid->m_nAnchorRow = nRow;
    pGrid->m_nAnchorCol = nCol;
    return pGrid->m_posSelecting;
}

const CGXCellRange* RangeAt(CGXGridCore* pGrid, POSITION pos)
{
    return pos != nullptr ? Selection(pGrid).GetRangeAt(pos) : nullptr;
}

// The mouse selection is under way.
BOOL IsSelecting(CGXGridCore* pGrid)
{
    return (pGrid->GetMouseAction() & CGXGridCore::gxMouseSelecting) != 0;
}

void SetSelecting(CGXGridCore* pGrid, BOOL bSelecting)
{
    const UINT nAction = pGrid->GetMouseAction() & ~UINT(CGXGridCore::gxMouseSelecting);
    pGrid->SetMouseAction(bSelecting ? nAction | CGXGridCore::gxMouseSelecting : nAction);
}

// The grid's two selection-drawing flags, set while it lives and cleared when it goes.
class SelectionDrawing {
public:
    explicit SelectionDrawing(CGXGridCore* pGrid) : m_pGrid(pGrid)
    {
        pGrid->m_bDrawingSelection = pGrid->m_bInvertingSelection = TRUE;
    }
    ~SelectionDrawing() { m_pGrid->m_bDrawingSelection = m_pGrid->m_bInvertingSelection = FALSE; }
    SelectionDrawing(const SelectionDrawing&) = delete;
    SelectionDrawing& operator=(const SelectionDrawing&) = delete;

private:
    CGXGridCore* m_pGrid;
};

// Inverts the marking of the visible cells of area (a cells range; rows and columns visited in display
// order, the frozen ones and those from the top row and left column to the last visible ones) for which
// changed(row, col) holds, on a client DC of the grid window clipped to the grid rectangle. frame(dc)
// runs first with that DC (null without a window). Nothing is inverted while the parameter does not
// mark selected cells, as a paint would not mark them either. The current cell is not inverted but
// left to the next paint: a paint draws its frame over its marking, which inverting would break.
template <class Changed, class Frame>
void InvertCells(CGXGridCore* pGrid, const CGXCellRange& area, Changed changed, Frame frame)
{
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr) {
        frame(static_cast<CDC*>(nullptr));
        return;
    }
    const SelectionDrawing drawing(pGrid);
    CClientDC dc(pWnd);
    pGrid->OnGridPrepareDC(&dc);
    const CRect rectGrid = pGrid->GetGridRect();
    dc.IntersectClipRect(&rectGrid);
    frame(&dc);
    if (!pGrid->GetParam()->GetMarkSelection() || !area.IsValid())
        return;
    const int nLastRow = pGrid->RowToDisplayIndex(pGrid->GetLastVisibleRow());
    const int nLastCol = pGrid->ColToDisplayIndex(pGrid->GetLastVisibleCol());
    for (int i = 0; i <= nLastRow; ++i) {
        const ROWCOL nRow = pGrid->DisplayIndexToRow(i);
        if (nRow < area.top || nRow > area.bottom)
            continue;
        BOOL bFirst = TRUE;
        for (int j = 0; j <= nLastCol; ++j) {
            const ROWCOL nCol = pGrid->DisplayIndexToCol(j);
            if (nCol < area.left || nCol > area.right)
                continue;
            const CRect rect = bFirst ? pGrid->StartCellRectScan(i, j) : pGrid->NextCellRectScan(i, j);
            bFirst = FALSE;
            if (rect.IsRectEmpty() || !changed(nRow, nCol))
                continue;
            if (pGrid->IsCurrentCell(nRow, nCol))
                pWnd->InvalidateRect(&rect);
            else
                pGrid->MarkCell(&dc, nRow, nCol, rect);
        }
    }
}

// range as cells with the header lines: whole lines from 0 to the counts.
CGXCellRange WithHeaders(CGXGridCore* pGrid, const CGXCellRange& range)
{
    CGXCellRange cells(range);
    return cells.ExpandToCells(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
}

// The press on (nRow, nCol) (see StartSelection).
void PressSelection(CGXGridCore* pGrid, CPoint point, UINT nFlags, ROWCOL nRow, ROWCOL nCol)
{
    const CGXGridParam* pParam = pGrid->GetParam();
    CGXRangeList& list = Selection(pGrid);
    if (nRow == 0 && nCol == 0) {
        if (pParam->TestSelectModeFlags(4) && pGrid->ApproveCellSelection(0, 0, nFlags, point.x, point.y)) {
            CGXCellRange table;
            table.SetTable();
            pGrid->SelectRange(table, !list.IsCellInList(0, 0), TRUE);
        }
        return;
    }
    const ROWCOL nHeaderRows = pGrid->GetHeaderRows(), nHeaderCols = pGrid->GetHeaderCols();
    const BOOL bRowHeader = nRow > nHeaderRows && nCol <= nHeaderCols;
    const BOOL bColHeader = nRow <= nHeaderRows && nCol > nHeaderCols;
    const BOOL bCellArea = nRow > nHeaderRows && nCol > nHeaderCols;
    const RowListMode mode = RowList(pGrid);
    BOOL bShift = (nFlags & MK_SHIFT) != 0, bCtrl = (nFlags & MK_CONTROL) != 0;
    if (mode == kNoRowList) {
        bShift = bShift && pParam->TestSelectModeFlags(32);
        bCtrl = bCtrl && pParam->TestSelectModeFlags(16);
    } else if (mode == kOneRow) {
        bShift = bCtrl = FALSE;
    }
    if (!MouseSelects(pGrid) || !pGrid->ApproveCellSelection(nRow, nCol, nFlags, point.x, point.y))
        return;

    if (!bShift && !bCtrl) {
        ClearSelection(pGrid, kMouse);
    } else if (!bShift) {
        // the old current cell stays marked beside the new one
        ROWCOL nCurrentRow, nCurrentCol;
        if (list.IsEmpty() && mode == kNoRowList && pGrid->GetCurrentCell(nCurrentRow, nCurrentCol) &&
            (nCurrentRow != nRow || nCurrentCol != nCol)) {
            const CGXCellRange cell(nCurrentRow, nCurrentCol, nCurrentRow, nCurrentCol);
            if (pGrid->ApproveSelectionChange(&cell, kMouse[0], kMouse[1])) {
                pGrid->SelectRange(cell, TRUE, TRUE);
                pGrid->AfterSelectionChange(&cell, kMouse[0], kMouse[1]);
            }
        }
    }
    if (!((bRowHeader && pParam->TestSelectModeFlags(1)) || (bColHeader && pParam->TestSelectModeFlags(2)) ||
          (bCellArea && pParam->TestSelectModeFlags(8))))
        return;

    if (bShift) {
        POSITION pos = list.GetTailPosition();
        if (pos == nullptr) {
            ROWCOL nAnchorRow, nAnchorCol;
            if (!pGrid->GetCurrentCell(nAnchorRow, nAnchorCol))
                nAnchorRow = nAnchorCol = 1;
            pos = StartRange(pGrid, nAnchorRow, nAnchorCol);
        }
        pGrid->m_posSelecting = pos;
        ChangeRange(pGrid, pos, pGrid->m_nAnchorRow, pGrid->m_nAnchorCol, nRow, nCol, kMouse);
        SetSelecting(pGrid, TRUE);
        return;
    }
    const POSITION pos = StartRange(pGrid, nRow, nCol);
    SetSelecting(pGrid, TRUE);
    if (mode == kOneRow)
        ChangeRange(pGrid, pos, nRow, 0, nRow, 0, kMouse);
    else if (nRow <= nHeaderRows)
        ChangeRange(pGrid, pos, 0, nCol, 0, nCol, kMouse);
    else if (nCol <= nHeaderCols)
        ChangeRange(pGrid, pos, nRow, 0, nRow, 0, kMouse);
    else if (mode == kManyRows)
        ChangeRange(pGrid, pos, nRow, nCol, nRow, nCol, kMouse);
    // a cell range waits for the first move
}

}  // namespace

// ---- the mouse -------------------------------------------------------------------------------------------

void CGXGridUserSelectRangeImp::StartSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int&, ROWCOL& nRow,
                                               ROWCOL& nCol)
{
    PressSelection(pGrid, point, nFlags, nRow, nCol);
}

BOOL CGXGridUserSelectRangeImp::TrackSelection(CGXGridCore* pGrid, CPoint&, UINT&, ROWCOL& nRow, ROWCOL& nCol)
{
    if (!MouseSelects(pGrid) || !IsSelecting(pGrid))
        return FALSE;
    const ROWCOL nAnchorRow = pGrid->m_nAnchorRow, nAnchorCol = pGrid->m_nAnchorCol;
    const ROWCOL nHeaderRows = pGrid->GetHeaderRows(), nHeaderCols = pGrid->GetHeaderCols();
    ROWCOL t, l, b, r;
    if (RowList(pGrid) == kOneRow) {
        t = b = nRow;
        l = r = 0;
    } else if (nAnchorRow <= nHeaderRows) {
        t = b = 0;
        l = nAnchorCol;
        r = nCol;
    } else if (nAnchorCol <= nHeaderCols) {
        t = nAnchorRow;
        b = nRow;
        l = r = 0;
    } else {
        // a drag from a cell never selects header cells
        nRow = std::max(nRow, nHeaderRows + 1);
        nCol = std::max(nCol, nHeaderCols + 1);
        t = nAnchorRow;
        l = nAnchorCol;
        b = nRow;
        r = nCol;
    }
    if (const POSITION pos = Building(pGrid))
        ChangeRange(pGrid, pos, t, l, b, r, kMouse);
    return TRUE;
}

void CGXGridUserSelectRangeImp::EndSelection(CGXGridCore* pGrid, CPoint&, UINT&)
{
    const ROWCOL nAnchorRow = pGrid->m_nAnchorRow, nAnchorCol = pGrid->m_nAnchorCol;
    if (!MouseSelects(pGrid) || !IsSelecting(pGrid) || (nAnchorRow == 0 && nAnchorCol == 0)) {
        SetSelecting(pGrid, FALSE);
        return;
    }
    ROWCOL nLastRow, nLastCol;
    pGrid->GetLastTrackedCell(nLastRow, nLastCol);
    const POSITION pos = Building(pGrid);
    if (RowList(pGrid) == kNoRowList && nLastRow == nAnchorRow && nLastCol == nAnchorCol && nAnchorRow != 0 &&
        nAnchorCol != 0) {
        // a click that never left its cell
        if (pGrid->GetMouseAction() & CGXGridCore::gxHitStateCtrl) {
            if (pos != nullptr)
                ChangeRange(pGrid, pos, nAnchorRow, nAnchorCol, nAnchorRow, nAnchorCol, kRelease);
        } else if (!pGrid->GetParam()->GetViewOptions().bSingleClick) {
            pGrid->SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        }
    } else {
        pGrid->AfterSelectionChange(RangeAt(pGrid, pos), kRelease[0], kRelease[1]);
    }
    SetSelecting(pGrid, FALSE);
}

BOOL CGXGridUserSelectRangeImp::ToggleHeaderSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT, int, int)
{
    if (!IsKeyDown(VK_CONTROL))
        return FALSE;
    const CGXRangeList& list = Selection(pGrid);
    const POSITION posBuilding = Building(pGrid);
    CGXCellRange lines;
    if (nCol <= pGrid->GetHeaderCols() && list.IsCellInList(nRow, nCol, posBuilding))
        lines.SetRows(nRow, nRow);
    else if (nRow <= pGrid->GetHeaderRows() && list.IsCellInList(nRow, nCol, posBuilding))
        lines.SetCols(nCol, nCol);
    else
        return FALSE;
    pGrid->m_posSelecting = nullptr;
    pGrid->SelectRange(lines, FALSE, TRUE);
    return TRUE;
}

// ---- the keys --------------------------------------------------------------------------------------------

BOOL CGXGridUserSelectRangeImp::MoveCurrentCellSelecting(CGXGridCore* pGrid, int nDirection, UINT nCount)
{
    const BOOL bExtend = IsKeyDown(VK_SHIFT) && pGrid->GetParam()->TestSelectModeFlags(64);
    const RowListMode mode = RowList(pGrid);
    if (mode == kNoRowList && !bExtend) {
        const BOOL bMoved = pGrid->MoveCurrentCell(nDirection, nCount, 1);
        pGrid->m_posSelecting = nullptr;
        return bMoved;
    }
    ROWCOL nRow, nCol;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    POSITION pos = Building(pGrid);
    if (pos == nullptr || (mode == kManyRows && !bExtend)) {
        if (mode == kNoRowList && !pGrid->ApproveCellSelection(nRow, nCol, 0, 0, 0))
            return FALSE;
        if (!ClearSelection(pGrid, kMouse))
            return FALSE;
        pos = StartRange(pGrid, nRow, nCol);
    }
    if (!pGrid->ApproveSelectionChange(RangeAt(pGrid, pos), kKeys[0], kKeys[1]))
        return FALSE;
    const BOOL bMoved = pGrid->MoveCurrentCell(nDirection, nCount, mode == kNoRowList ? 0 : 1);
    if (mode == kNoRowList && !bMoved)
        return FALSE;
    pGrid->GetCurrentCell(nRow, nCol);
    if (mode == kNoRowList)
        pGrid->SetRangeAtPosition(pos, pGrid->m_nAnchorRow, pGrid->m_nAnchorCol, nRow, nCol);
    else  // whole rows from the anchor's row while extending, else the new current row alone
        pGrid->SetRangeAtPosition(pos, mode == kManyRows && bExtend ? pGrid->m_nAnchorRow : nRow, 0, nRow, 0);
    pGrid->SetLastTrackedCell(nRow, nCol);
    pGrid->AfterSelectionChange(RangeAt(pGrid, pos), kKeys[0], kKeys[1]);
    if (mode == kOneRow || (mode == kManyRows && !bExtend)) {
        pGrid->m_nAnchorRow = nRow;
        pGrid->m_nAnchorCol = nCol;
    }
    return TRUE;
}

// ---- the selection's operations ----------------------------------------------------------------------

void CGXGridUserSelectRangeImp::SelectRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bSelect,
                                            BOOL bUpdate)
{
    CGXRangeList before;
    pGrid->CopySelection(before, FALSE);
    if (!pGrid->AddOrExcludeRange(range, bSelect))
        return;
    // the marking first: the grid's hook may repaint cells (the base grid the range's headers), which
    // then draws the new state instead of having it inverted once more
    if (bUpdate)
        pGrid->RedrawSelectionDifference(range, &before, TRUE);
    pGrid->AfterSelectionChange(&range, kRelease[0], kRelease[1]);
}

BOOL CGXGridUserSelectRangeImp::AddOrExcludeRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAdd)
{
    CGXRangeList& list = Selection(pGrid);
    if (bAdd) {
        list.AddRange(range);
        return TRUE;
    }
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    CGXCellRange excluded(range);
    excluded.ExpandToCells(1, 1, nRows, nCols);
    // the strips are appended behind the ranges that were listed, which alone are looked at
    POSITION pos = list.GetHeadPosition();
    for (INT_PTR nLeft = list.GetCount(); nLeft > 0 && pos != nullptr; --nLeft) {
        const POSITION posListed = pos;
        CGXCellRange* pListed = list.GetRangeAt(pos);
        list.GetNext(pos);
        CGXCellRange listed(*pListed), cut;
        listed.ExpandToCells(1, 1, nRows, nCols);
        if (!pListed->IsValid() || !excluded.IsValid() || !cut.IntersectRange(listed, excluded))
            continue;
        const BOOL bRowStrips = range.IsRows() && (pListed->IsRows() || pListed->IsTable());
        const BOOL bColStrips = range.IsCols() && (pListed->IsCols() || pListed->IsTable());
        list.RemoveAt(posListed);
        delete pListed;
        auto rows = [&](ROWCOL nTop, ROWCOL nBottom) {
            list.AddRange(bRowStrips ? CGXCellRange().SetRows(nTop, nBottom)
                                     : CGXCellRange(nTop, listed.left, nBottom, listed.right));
        };
        auto cols = [&](ROWCOL nLeftCol, ROWCOL nRightCol) {
            list.AddRange(bColStrips ? CGXCellRange().SetCols(nLeftCol, nRightCol)
                                     : CGXCellRange(listed.top, nLeftCol, listed.bottom, nRightCol));
        };
        if (cut.top > listed.top)
            rows(listed.top, cut.top - 1);
        if (cut.bottom < listed.bottom)
            rows(cut.bottom + 1, listed.bottom);
        if (cut.left > listed.left)
            cols(listed.left, cut.left - 1);
        if (cut.right < listed.right)
            cols(cut.right + 1, listed.right);
    }
    return TRUE;
}

void CGXGridUserSelectRangeImp::SetRangeAtPosition(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                                   ROWCOL nBottom, ROWCOL nRight)
{
    CGXRangeList& list = Selection(pGrid);
    if (pos == nullptr) {
        if (!list.IsEmpty())
            pGrid->RedrawSelection(TRUE);
        list.DeleteAll();
        pGrid->m_posSelecting = nullptr;
        return;
    }
    if (RowList(pGrid) != kNoRowList)
        nLeft = nRight = 0;
    // a paint still pending would draw the new marking, which the inverting below then undoes
    if (CWnd* pWnd = pGrid->GridWnd(); pWnd != nullptr && pWnd->m_hWnd != nullptr)
        pWnd->UpdateWindow();
    const CGXCellRange range = CornersToRange(pGrid, nTop, nLeft, nBottom, nRight);
    pGrid->RedrawRangeChange(pos, std::min(nTop, nBottom), std::min(nLeft, nRight), std::max(nTop, nBottom),
                             std::max(nLeft, nRight), TRUE);
    *list.GetRangeAt(pos) = range;
}

// ---- marking -----------------------------------------------------------------------------------------------

void CGXGridUserSelectRangeImp::RedrawSelectionDifference(CGXGridCore* pGrid, const CGXCellRange& range,
                                                          const CGXRangeList* pOldList, BOOL bCreateHint)
{
    CGXRangeList& list = Selection(pGrid);
    const CGXCellRange* pLast = list.IsEmpty() ? nullptr : list.GetRangeAt(list.GetTailPosition());
    if (pGrid->IsUpdateLocked()) {
        // the frame only takes the last range, to be drawn later
        pGrid->UpdateExcelLikeFrame(nullptr, FALSE, pLast);
    } else {
        CGXCellRange area = WithHeaders(pGrid, range);
        // a table selected before marked the headers, which are visited again
        if (pOldList != nullptr && !pOldList->IsEmpty() && pOldList->GetRangeAt(pOldList->GetHeadPosition())->IsTable())
            area.top = area.left = 0;
        InvertCells(
            pGrid, area,
            [&](ROWCOL nRow, ROWCOL nCol) {
                const BOOL bBefore = pOldList != nullptr && pGrid->IsCellInSelectionList(nRow, nCol, *pOldList);
                return bBefore != pGrid->IsCellInSelectionList(nRow, nCol, list);
            },
            [&](CDC* pDC) { pGrid->UpdateExcelLikeFrame(pDC, TRUE, pLast); });
    }
    if (pLast == nullptr) {
        pGrid->m_posSelecting = nullptr;
    } else {
        pGrid->m_posSelecting = list.GetTailPosition();
        pGrid->m_nAnchorRow = pLast->top;
        pGrid->m_nAnchorCol = pLast->left;
        pGrid->SetLastTrackedCell(pLast->top, pLast->left);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->RedrawSelectionDifference(pGrid, range, pOldList);
}

void CGXGridUserSelectRangeImp::RedrawRangeChange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                                  ROWCOL nBottom, ROWCOL nRight, BOOL bCreateHint)
{
    if (pGrid->IsUpdateLocked())
        return;
    const CGXRangeList& list = Selection(pGrid);
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    const ROWCOL t = std::min(nTop, nBottom), b = std::max(nTop, nBottom);
    const ROWCOL l = std::min(nLeft, nRight), r = std::max(nLeft, nRight);
    // a zero side reaches over the whole rows or columns, headers included
    const CGXCellRange newArea(t, l, t == 0 ? nRows : b, l == 0 ? nCols : r);
    CGXCellRange area = newArea;
    if (const CGXCellRange* pOld = RangeAt(pGrid, pos); pOld != nullptr && pOld->IsValid())
        area.UnionRange(WithHeaders(pGrid, *pOld), newArea);
    const CGXCellRange corners(t, l, b, r);
    InvertCells(
        pGrid, area,
        [&](ROWCOL nRow, ROWCOL nCol) {
            const BOOL bAfter = newArea.IsCellInRange(nRow, nCol) || list.IsCellInList(nRow, nCol, pos);
            return bAfter != pGrid->IsCellInSelectionList(nRow, nCol, list);
        },
        [&](CDC* pDC) { pGrid->UpdateExcelLikeFrame(pDC, TRUE, &corners); });
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->RedrawRangeChange(pGrid, pos, nTop, nLeft, nBottom, nRight);
}

void CGXGridUserSelectRangeImp::RedrawSelection(CGXGridCore* pGrid, BOOL bCreateHint)
{
    const CGXRangeList& list = Selection(pGrid);
    InvertCells(
        pGrid, CGXCellRange(0, 0, pGrid->GetRowCount(), pGrid->GetColCount()),
        [&](ROWCOL nRow, ROWCOL nCol) { return pGrid->IsCellInSelectionList(nRow, nCol, list); },
        [&](CDC* pDC) { pGrid->UpdateExcelLikeFrame(pDC, TRUE, nullptr); });
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->RedrawSelection(pGrid);
}
