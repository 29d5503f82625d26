// CGXGridCore: row heights and column widths, display indexes, pixel rectangles, the hit test and the
// cursor (see GXCore.h).
#include "grid/engine/GXCore.h"

#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "win/Win.h"

#include <algorithm>
#include <memory>

namespace {

// pixels <-> stored: the quotient 1000 / character size, in integers and at least 1.
int SizeQuotient(int nCharSize)
{
    return std::max(1, 1000 / std::max(1, nCharSize));
}

// The process-wide cursor last loaded from the resources: its id, its handle, and whether it was made
// from the resources (a system cursor is shared and never destroyed).
struct LoadedCursor {
    UINT nID = 0;
    HCURSOR hCursor = nullptr;
    BOOL bOwned = FALSE;
};
LoadedCursor& GetLoadedCursor()
{
    static LoadedCursor cursor;
    return cursor;
}

// A whole row (bRow) or column of the selection holds nIndex.
BOOL IsWholeLineSelected(const CGXRangeList& selection, ROWCOL nIndex, BOOL bRow)
{
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CGXCellRange* pRange = selection.GetRangeAt(pos);
        selection.GetNext(pos);
        if (!pRange->IsValid())
            continue;
        if (pRange->IsTable())
            return TRUE;
        if (bRow && pRange->IsRows() && nIndex >= pRange->top && nIndex <= pRange->bottom)
            return TRUE;
        if (!bRow && pRange->IsCols() && nIndex >= pRange->left && nIndex <= pRange->right)
            return TRUE;
    }
    return FALSE;
}

}  // namespace

// ---- stored sizes -----------------------------------------------------------------------------------

int CGXGridCore::StoredToPixels(LONG nStored, BOOL bRow)
{
    return int(nStored / SizeQuotient(bRow ? GetFontHeight() : GetFontWidth()));
}

LONG CGXGridCore::PixelsToStored(int nPixels, BOOL bRow)
{
    return LONG(nPixels) * SizeQuotient(bRow ? GetFontHeight() : GetFontWidth());
}

int CGXGridCore::GetRowHeight(ROWCOL nRow)
{
    if (m_pParam == nullptr || IsRowHidden(nRow))
        return 0;
    LONG nStored = 0;
    int nHeight = m_pParam->GetRowHeights().Lookup(nRow, nStored) ? StoredToPixels(nStored, TRUE)
                                                                   : GetDefaultRowHeight();
    const ROWCOL nFrozen = GetFrozenRows();
    if (m_bLimitRowHeight && nRow > nFrozen && m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr &&
        m_pGridWnd->IsWindowVisible()) {
        // no row is taller than what the window shows below the frozen rows (but never vanishes)
        const int nMax = GetGridRect().Height() - SumRowHeights(0, nFrozen);
        nHeight = std::min(nHeight, std::max(nMax, 1));
    }
    return nHeight;
}

int CGXGridCore::GetColWidth(ROWCOL nCol)
{
    if (m_pParam == nullptr || IsColHidden(nCol))
        return 0;
    LONG nStored = 0;
    int nWidth = m_pParam->GetColWidths().Lookup(nCol, nStored) ? StoredToPixels(nStored, FALSE)
                                                                 : GetDefaultColWidth();
    const ROWCOL nFrozen = GetFrozenCols();
    if (m_bLimitColWidth && nCol > nFrozen && m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr &&
        m_pGridWnd->IsWindowVisible()) {
        const int nMax = GetGridRect().Width() - SumColWidths(0, nFrozen);
        nWidth = std::min(nWidth, std::max(nMax, 1));
    }
    return nWidth;
}

int CGXGridCore::GetDefaultRowHeight()
{
    return m_pParam != nullptr ? StoredToPixels(m_pParam->GetDefaultRowHeight(), TRUE) : 0;
}

int CGXGridCore::GetDefaultColWidth()
{
    return m_pParam != nullptr ? StoredToPixels(m_pParam->GetDefaultColWidth(), FALSE) : 0;
}

BOOL CGXGridCore::StoreDefaultRowHeight(int nHeight)
{
    if (nHeight <= 0 || m_pParam == nullptr)
        return FALSE;
    m_pParam->SetDefaultRowHeight(PixelsToStored(nHeight, TRUE));
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CGXGridCore::StoreDefaultColWidth(int nWidth)
{
    if (nWidth <= 0 || m_pParam == nullptr)
        return FALSE;
    m_pParam->SetDefaultColWidth(PixelsToStored(nWidth, FALSE));
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CGXGridCore::StoreColWidth(ROWCOL nCol, int nWidth)
{
    if (m_pParam == nullptr)
        return FALSE;
    if (nWidth < 0)
        m_pParam->GetColWidths().RemoveKey(nCol);
    else
        m_pParam->GetColWidths().SetAt(nCol, PixelsToStored(nWidth, FALSE));
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CGXGridCore::StoreRowHeight(ROWCOL nRow, int nHeight)
{
    if (m_pParam == nullptr)
        return FALSE;
    if (nHeight < 0)
        m_pParam->GetRowHeights().RemoveKey(nRow);
    else
        m_pParam->GetRowHeights().SetAt(nRow, PixelsToStored(nHeight, TRUE));
    SetModifiedFlag(TRUE);
    return TRUE;
}

void CGXGridCore::GetRowHeights(ROWCOL nFirst, ROWCOL nLast, int* an)
{
    for (ROWCOL n = nFirst; n <= nLast; ++n) {
        an[n - nFirst] = GetRowHeight(n);
        if (n == nLast)
            break;
    }
}

void CGXGridCore::GetColWidths(ROWCOL nFirst, ROWCOL nLast, int* an)
{
    for (ROWCOL n = nFirst; n <= nLast; ++n) {
        an[n - nFirst] = GetColWidth(n);
        if (n == nLast)
            break;
    }
}

// ---- setting sizes with undo ---------------------------------------------------------------------------

void CGXGridCore::RecordSizeCommand(CObject* pCommand, int nCommandType, ROWCOL nFirst, BOOL bRow)
{
    AddCommand(pCommand, nCommandType);
    if (nCommandType == gxUndo || nCommandType == gxRedo)
        MoveCurrentCellAfterUndo(bRow ? nFirst : GetTopRow(), bRow ? GetLeftCol() : nFirst, 0);
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFirst, ROWCOL nLast, int nHeight, const int* anHeights, UINT nFlags,
                               int nCommandType)
{
    if (nLast == 0)
        nLast = nFirst;
    if (nLast < nFirst)
        AfxThrowInvalidArgFormat("CGXGridCore::SetRowHeight: last row %lu is before the first %lu",
                                 static_cast<unsigned long>(nLast), static_cast<unsigned long>(nFirst));
    const uint64_t nCount = uint64_t(nLast - nFirst) + 1;
    std::unique_ptr<int[]> anOld;
    AfxAllocating([&] { anOld.reset(new int[nCount]); });
    GetRowHeights(nFirst, nLast, anOld.get());
    BOOL bChanged = FALSE;
    {
        CGXLongOperation operation;
        for (uint64_t i = 0; i < nCount; ++i) {
            const int nNew = anHeights != nullptr ? anHeights[i] : nHeight;
            StoreRowHeight(nFirst + ROWCOL(i), nNew);
            bChanged |= GetRowHeight(nFirst + ROWCOL(i)) != anOld[i];
            operation.StepProgress(i, nCount);
        }
    }
    if (!bChanged)
        return FALSE;
    DelayFloatCells(CGXCellRange().SetRows(nFirst, nLast));
    OnRowHeightChanged(nFirst, nLast, anOld.get(), nFlags, TRUE);
    if (IsUndoRecorded(nCommandType)) {
        CObject* pCommand = m_pCommandFactory->CreateSetRowHeightCmd(nFirst, nLast, anOld.get(), nCommandType);
        anOld.release();
        RecordSizeCommand(pCommand, nCommandType, nFirst, TRUE);
    }
    return TRUE;
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFirst, ROWCOL nLast, int nWidth, const int* anWidths, UINT nFlags,
                              int nCommandType)
{
    if (nLast == 0)
        nLast = nFirst;
    if (nLast < nFirst)
        AfxThrowInvalidArgFormat("CGXGridCore::SetColWidth: last column %lu is before the first %lu",
                                 static_cast<unsigned long>(nLast), static_cast<unsigned long>(nFirst));
    const uint64_t nCount = uint64_t(nLast - nFirst) + 1;
    std::unique_ptr<int[]> anOld;
    AfxAllocating([&] { anOld.reset(new int[nCount]); });
    GetColWidths(nFirst, nLast, anOld.get());
    BOOL bChanged = FALSE;
    {
        CGXLongOperation operation;
        for (uint64_t i = 0; i < nCount; ++i) {
            const int nNew = anWidths != nullptr ? anWidths[i] : nWidth;
            StoreColWidth(nFirst + ROWCOL(i), nNew);
            bChanged |= GetColWidth(nFirst + ROWCOL(i)) != anOld[i];
            operation.StepProgress(i, nCount);
        }
    }
    if (!bChanged)
        return FALSE;
    DelayFloatCells(CGXCellRange().SetCols(nFirst, nLast));
    OnColWidthChanged(nFirst, nLast, anOld.get(), nFlags, TRUE);
    if (IsUndoRecorded(nCommandType)) {
        CObject* pCommand = m_pCommandFactory->CreateSetColWidthCmd(nFirst, nLast, anOld.get(), nCommandType);
        anOld.release();
        RecordSizeCommand(pCommand, nCommandType, nFirst, FALSE);
    }
    return TRUE;
}

BOOL CGXGridCore::SetDefaultRowHeight(int nHeight, UINT nFlags, int nCommandType)
{
    const int nOld = GetDefaultRowHeight();
    if (!StoreDefaultRowHeight(nHeight))
        return FALSE;
    const CGXCellRange table = CGXCellRange().SetTable();
    DelayFloatCells(table);
    DelayMergeCells(table);
    OnRowHeightChanged(0, GetRowCount(), nullptr, nFlags, TRUE);
    if (IsUndoRecorded(nCommandType))
        RecordSizeCommand(m_pCommandFactory->CreateSetDefaultRowHeightCmd(nOld, nCommandType), nCommandType, 0, TRUE);
    return TRUE;
}

BOOL CGXGridCore::SetDefaultColWidth(int nWidth, UINT nFlags, int nCommandType)
{
    const int nOld = GetDefaultColWidth();
    if (!StoreDefaultColWidth(nWidth))
        return FALSE;
    const CGXCellRange table = CGXCellRange().SetTable();
    DelayFloatCells(table);
    DelayMergeCells(table);
    OnColWidthChanged(0, GetColCount(), nullptr, nFlags, TRUE);
    if (IsUndoRecorded(nCommandType))
        RecordSizeCommand(m_pCommandFactory->CreateSetDefaultColWidthCmd(nOld, nCommandType), nCommandType, 0, FALSE);
    return TRUE;
}

void CGXGridCore::OnRowHeightChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes, UINT nFlags,
                                     BOOL bCreateHint)
{
    ResetLastVisible();
    ROWCOL nRow, nCol;
    // a replayed hint leaves the current cell alone: the sending view stored it
    if (bCreateHint && GetCurrentCell(nRow, nCol) && nRow >= nFirst && nRow <= nLast)
        TransferCurrentCell(TRUE);
    if (m_pParam != nullptr && !m_pParam->IsLockRedraw()) {
        if (m_pOptimizedUpdateImp != nullptr)
            m_pOptimizedUpdateImp->UpdateRowHeightsChanged(this, nFirst, nLast, anOldSizes, nFlags);
        else
            Redraw(nFlags, FALSE);
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->OnRowHeightChanged(this, nFirst, nLast, anOldSizes, nFlags);
}

void CGXGridCore::OnColWidthChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes, UINT nFlags,
                                    BOOL bCreateHint)
{
    ResetLastVisible();
    ROWCOL nRow, nCol;
    if (bCreateHint && GetCurrentCell(nRow, nCol) && nCol >= nFirst && nCol <= nLast)
        TransferCurrentCell(TRUE);
    if (m_pParam != nullptr && !m_pParam->IsLockRedraw()) {
        if (m_pOptimizedUpdateImp != nullptr)
            m_pOptimizedUpdateImp->UpdateColWidthsChanged(this, nFirst, nLast, anOldSizes, nFlags);
        else
            Redraw(nFlags, FALSE);
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->OnColWidthChanged(this, nFirst, nLast, anOldSizes, nFlags);
}

BOOL CGXGridCore::CanResizeRow(ROWCOL)
{
    return m_pUserResizeCellsImp != nullptr;
}

BOOL CGXGridCore::CanResizeCol(ROWCOL)
{
    return m_pUserResizeCellsImp != nullptr;
}

// ---- sums ---------------------------------------------------------------------------------------------

int CGXGridCore::SumRowHeights(ROWCOL nFirst, ROWCOL nLast, int nLimit)
{
    int nSum = 0;
    for (ROWCOL n = nFirst; n <= nLast && !(nLimit > 0 && nSum > nLimit); ++n) {
        nSum += GetRowHeight(n);
        if (n == nLast)
            break;
    }
    return nSum;
}

int CGXGridCore::SumColWidths(ROWCOL nFirst, ROWCOL nLast, int nLimit)
{
    int nSum = 0;
    for (ROWCOL n = nFirst; n <= nLast && !(nLimit > 0 && nSum > nLimit); ++n) {
        nSum += GetColWidth(n);
        if (n == nLast)
            break;
    }
    return nSum;
}

int CGXGridCore::SumDisplayRowHeights(int nFirst, int nLast, int nLimit)
{
    int nSum = 0;
    for (int i = std::max(nFirst, 0); i <= nLast && !(nLimit > 0 && nSum > nLimit); ++i)
        nSum += GetRowHeight(DisplayIndexToRow(i));
    return nSum;
}

int CGXGridCore::SumDisplayColWidths(int nFirst, int nLast, int nLimit)
{
    int nSum = 0;
    for (int i = std::max(nFirst, 0); i <= nLast && !(nLimit > 0 && nSum > nLimit); ++i)
        nSum += GetColWidth(DisplayIndexToCol(i));
    return nSum;
}

// ---- display indexes ----------------------------------------------------------------------------------

int CGXGridCore::RowToDisplayIndex(ROWCOL nRow)
{
    if (nRow == ROWCOL(-1))
        return -1;
    const ROWCOL nFrozen = GetFrozenRows();
    const ROWCOL nTop = GetTopRow();
    if (nRow <= nFrozen)
        return int(nRow);
    if (nRow < nTop)
        return 0;
    return int(nRow - nTop + nFrozen + 1);
}

int CGXGridCore::ColToDisplayIndex(ROWCOL nCol)
{
    if (nCol == ROWCOL(-1))
        return -1;
    const ROWCOL nFrozen = GetFrozenCols();
    const ROWCOL nLeft = GetLeftCol();
    if (nCol <= nFrozen)
        return int(nCol);
    if (nCol < nLeft)
        return 0;
    return int(nCol - nLeft + nFrozen + 1);
}

ROWCOL CGXGridCore::DisplayIndexToRow(int nIndex)
{
    if (nIndex < 0)
        return ROWCOL(-1);
    const ROWCOL nFrozen = GetFrozenRows();
    if (ROWCOL(nIndex) <= nFrozen)
        return ROWCOL(nIndex);
    return GetTopRow() + (ROWCOL(nIndex) - nFrozen - 1);
}

ROWCOL CGXGridCore::DisplayIndexToCol(int nIndex)
{
    if (nIndex < 0)
        return ROWCOL(-1);
    const ROWCOL nFrozen = GetFrozenCols();
    if (ROWCOL(nIndex) <= nFrozen)
        return ROWCOL(nIndex);
    return GetLeftCol() + (ROWCOL(nIndex) - nFrozen - 1);
}

// ---- pixels and indexes -------------------------------------------------------------------------------

int CGXGridCore::CalcClientRowFromY(int y, int* pTop)
{
    const ROWCOL nCount = GetRowCount();
    int yTop = GetGridRect().top;
    for (int i = 0;; ++i) {
        const ROWCOL nRow = DisplayIndexToRow(i);
        if (nRow > nCount)
            return -1;
        const int nHeight = GetRowHeight(nRow);
        if (y < yTop + nHeight) {
            if (pTop != nullptr)
                *pTop = yTop;
            return i;
        }
        yTop += nHeight;
    }
}

int CGXGridCore::CalcClientColFromX(int x, int* pLeft)
{
    const ROWCOL nCount = GetColCount();
    int xLeft = GetGridRect().left;
    for (int i = 0;; ++i) {
        const ROWCOL nCol = DisplayIndexToCol(i);
        if (nCol > nCount)
            return -1;
        const int nWidth = GetColWidth(nCol);
        if (x < xLeft + nWidth) {
            if (pLeft != nullptr)
                *pLeft = xLeft;
            return i;
        }
        xLeft += nWidth;
    }
}

ROWCOL CGXGridCore::CalcBottomRowFromRectEx(const CRect& rect, BOOL& bBeyond)
{
    const int nIndex = CalcClientRowFromY(rect.bottom - 1);
    bBeyond = nIndex < 0;
    return bBeyond ? GetRowCount() : DisplayIndexToRow(nIndex);
}

ROWCOL CGXGridCore::CalcRightColFromRectEx(const CRect& rect, BOOL& bBeyond)
{
    const int nIndex = CalcClientColFromX(rect.right - 1);
    bBeyond = nIndex < 0;
    return bBeyond ? GetColCount() : DisplayIndexToCol(nIndex);
}

ROWCOL CGXGridCore::CalcBottomRowFromRect(const CRect& rect)
{
    BOOL bBeyond;
    return CalcBottomRowFromRectEx(rect, bBeyond);
}

ROWCOL CGXGridCore::CalcRightColFromRect(const CRect& rect)
{
    BOOL bBeyond;
    return CalcRightColFromRectEx(rect, bBeyond);
}

void CGXGridCore::CalcBottomRightRowColFromRect(const CRect& rect, ROWCOL& nRow, ROWCOL& nCol)
{
    nRow = CalcBottomRowFromRect(rect);
    nCol = CalcRightColFromRect(rect);
}

ROWCOL CGXGridCore::GetLastVisibleRow()
{
    if (m_nLastVisibleRow == ROWCOL(-1) || IsPrinting()) {
        const CRect rect = GetGridRect();
        const ROWCOL nCount = GetRowCount();
        ROWCOL nLast = 0;
        int y = rect.top;
        for (int i = 0; y < rect.bottom; ++i) {
            const ROWCOL nRow = DisplayIndexToRow(i);
            if (nRow > nCount)
                break;
            nLast = nRow;
            y += GetRowHeight(nRow);
        }
        if (IsPrinting())
            return nLast;
        m_nLastVisibleRow = nLast;
    }
    return m_nLastVisibleRow;
}

ROWCOL CGXGridCore::GetLastVisibleCol()
{
    if (m_nLastVisibleCol == ROWCOL(-1) || IsPrinting()) {
        const CRect rect = GetGridRect();
        const ROWCOL nCount = GetColCount();
        ROWCOL nLast = 0;
        int x = rect.left;
        for (int i = 0; x < rect.right; ++i) {
            const ROWCOL nCol = DisplayIndexToCol(i);
            if (nCol > nCount)
                break;
            nLast = nCol;
            x += GetColWidth(nCol);
        }
        if (IsPrinting())
            return nLast;
        m_nLastVisibleCol = nLast;
    }
    return m_nLastVisibleCol;
}

void CGXGridCore::ResetLastVisible()
{
    m_nLastVisibleRow = m_nLastVisibleCol = ROWCOL(-1);
}

CRect CGXGridCore::CalcRectRightOfCol(int nCol)
{
    CRect rect = GetGridRect();
    rect.left = std::min(rect.right, rect.left + SumDisplayColWidths(0, nCol));
    return rect;
}

CRect CGXGridCore::CalcRectBelowRow(int nRow)
{
    CRect rect = GetGridRect();
    rect.top = std::min(rect.bottom, rect.top + SumDisplayRowHeights(0, nRow));
    return rect;
}

CRect CGXGridCore::CalcRangeRect(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bNoClip)
{
    if (nTop > nBottom)
        std::swap(nTop, nBottom);
    if (nLeft > nRight)
        std::swap(nLeft, nRight);
    const CRect rectGrid = GetGridRect();
    const int nLimitX = bNoClip ? 0 : rectGrid.Width() * 2;
    const int nLimitY = bNoClip ? 0 : rectGrid.Height() * 2;
    const ROWCOL nFrozenRows = GetFrozenRows(), nFrozenCols = GetFrozenCols();
    const ROWCOL nTopRow = GetTopRow(), nLeftCol = GetLeftCol();
    const CRect empty(0, 0, 0, 0);
    // a range lying wholly in the scrolled-out part shows nowhere
    if ((nLeft > nFrozenCols && nRight < nLeftCol) || (nTop > nFrozenRows && nBottom < nTopRow))
        return empty;
    const int nFirstCol = nLeft > nFrozenCols && nLeft < nLeftCol ? int(nFrozenCols) + 1 : ColToDisplayIndex(nLeft);
    const int nFirstRow = nTop > nFrozenRows && nTop < nTopRow ? int(nFrozenRows) + 1 : RowToDisplayIndex(nTop);
    if (!IsPrinting() && ((m_nLastVisibleRow != ROWCOL(-1) && nTop > m_nLastVisibleRow) ||
                          (m_nLastVisibleCol != ROWCOL(-1) && nLeft > m_nLastVisibleCol)))
        return empty;
    const int nLastCol = nRight > nFrozenCols && nRight < nLeftCol ? int(nFrozenCols) : ColToDisplayIndex(nRight);
    const int nLastRow = nBottom > nFrozenRows && nBottom < nTopRow ? int(nFrozenRows) : RowToDisplayIndex(nBottom);
    CRect rect;
    rect.left = rectGrid.left + SumDisplayColWidths(0, nFirstCol - 1, nLimitX);
    rect.top = rectGrid.top + SumDisplayRowHeights(0, nFirstRow - 1, nLimitY);
    rect.right = rect.left + SumDisplayColWidths(nFirstCol, nLastCol, nLimitX);
    rect.bottom = rect.top + SumDisplayRowHeights(nFirstRow, nLastRow, nLimitY);
    return rect;
}

CRect CGXGridCore::CalcCellRect(ROWCOL nRow, ROWCOL nCol)
{
    CGXCellRange covered;
    if (GetCoveredCellsRowCol(nRow, nCol, covered))
        return CalcRangeRect(covered.top, covered.left, covered.bottom, covered.right);
    return CalcRangeRect(nRow, nCol, nRow, nCol);
}

CRect CGXGridCore::CalcSpannedRangeRect(const CGXCellRange& range)
{
    CGXCellRange r = range;
    if (m_pMergeCellsImp != nullptr)
        m_pMergeCellsImp->ExpandMergedRange(this, r);
    if (m_pFloatCellsImp != nullptr)
        m_pFloatCellsImp->ExpandFloatedRange(this, r);
    const CGXCellRange covered = GetCoveredCellsInRange(r);
    if (covered.IsValid())
        r.UnionRange(r, covered);
    return CalcRangeRect(r.top, r.left, r.bottom, r.right);
}

CRect CGXGridCore::StartCellRectScan(int nRowIndex, int nColIndex)
{
    const CRect rectGrid = GetGridRect();
    m_nScanRow = nRowIndex;
    m_nScanCol = nColIndex;
    m_yScan = rectGrid.top + SumDisplayRowHeights(0, nRowIndex - 1);
    m_xScan = rectGrid.left + SumDisplayColWidths(0, nColIndex - 1);
    return CRect(m_xScan, m_yScan, m_xScan + GetColWidth(DisplayIndexToCol(nColIndex)),
                 m_yScan + GetRowHeight(DisplayIndexToRow(nRowIndex)));
}

CRect CGXGridCore::NextCellRectScan(int nRowIndex, int nColIndex)
{
    if (nRowIndex < m_nScanRow || nColIndex < m_nScanCol)
        return StartCellRectScan(nRowIndex, nColIndex);
    m_yScan += SumDisplayRowHeights(m_nScanRow, nRowIndex - 1);
    m_xScan += SumDisplayColWidths(m_nScanCol, nColIndex - 1);
    m_nScanRow = nRowIndex;
    m_nScanCol = nColIndex;
    return CRect(m_xScan, m_yScan, m_xScan + GetColWidth(DisplayIndexToCol(nColIndex)),
                 m_yScan + GetRowHeight(DisplayIndexToRow(nRowIndex)));
}

// ---- hit test ------------------------------------------------------------------------------------

int CGXGridCore::HitTest(CPoint point, ROWCOL& nRow, ROWCOL& nCol, CRect& rectCell)
{
    point.x = std::max(point.x, LONG(0));
    point.y = std::max(point.y, LONG(0));
    const CRect rectGrid = GetGridRect();
    if (m_pParam == nullptr || !rectGrid.PtInRect(point))
        return gxHitNothing;
    int yTop = 0, xLeft = 0;
    const int nRowIndex = CalcClientRowFromY(point.y, &yTop);
    const int nColIndex = CalcClientColFromX(point.x, &xLeft);
    ROWCOL nHitRow = DisplayIndexToRow(nRowIndex);
    ROWCOL nHitCol = DisplayIndexToCol(nColIndex);
    const BOOL bCell = nRowIndex >= 0 && nColIndex >= 0;
    CRect rect(0, 0, 0, 0);
    if (bCell)
        rect.SetRect(xLeft, yTop, xLeft + GetColWidth(nHitCol), yTop + GetRowHeight(nHitRow));
    const int nHalf = m_nHitTolerance / 2;
    const int nQuarter = m_nHitTolerance / 4;
    const ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    int nHit = gxHitNothing;

    // the boundary after the column under the point, or before it (then the nearest visible column
    // to the left, or the hidden one right there)
    const BOOL bRowIsHeader = nRowIndex >= 0 && nHitRow <= nHeaderRows;
    if (nColIndex >= 0 && m_pParam->TestColSizingFlags(3) && (bRowIsHeader || m_pParam->TestColSizingFlags(4))) {
        const int nRight = xLeft + GetColWidth(nHitCol);
        if (nRight - point.x <= nHalf) {
            if (!(nHitCol <= nHeaderCols && m_pParam->TestColSizingFlags(8)))
                nHit = gxHitColBoundary;
        } else if (point.x - xLeft < nHalf && nColIndex > 0) {
            const ROWCOL nLeftCol = DisplayIndexToCol(nColIndex - 1);
            if (nLeftCol > nHeaderCols || !m_pParam->TestColSizingFlags(8)) {
                if (point.x - xLeft <= nQuarter || GetColWidth(nLeftCol) > 0) {
                    int i = nColIndex - 1;
                    while (i > 0 && GetColWidth(DisplayIndexToCol(i)) == 0)
                        --i;
                    nHitCol = DisplayIndexToCol(i);
                    nHit = gxHitColBoundary;
                } else {
                    nHitCol = nLeftCol;
                    nHit = gxHitHiddenCol;
                }
            }
        }
    }
    const BOOL bColIsHeader = nColIndex >= 0 && nHitCol <= nHeaderCols;
    if (nHit == gxHitNothing && nRowIndex >= 0 && m_pParam->TestRowSizingFlags(3) &&
        (bColIsHeader || m_pParam->TestRowSizingFlags(4))) {
        const int nBottom = yTop + GetRowHeight(nHitRow);
        if (nBottom - point.y <= nHalf) {
            if (!(nHitRow <= nHeaderRows && m_pParam->TestRowSizingFlags(8)))
                nHit = gxHitRowBoundary;
        } else if (point.y - yTop < nHalf && nRowIndex > 0) {
            const ROWCOL nAbove = DisplayIndexToRow(nRowIndex - 1);
            if (nAbove > nHeaderRows || !m_pParam->TestRowSizingFlags(8)) {
                if (point.y - yTop <= nQuarter || GetRowHeight(nAbove) > 0) {
                    int i = nRowIndex - 1;
                    while (i > 0 && GetRowHeight(DisplayIndexToRow(i)) == 0)
                        --i;
                    nHitRow = DisplayIndexToRow(i);
                    nHit = gxHitRowBoundary;
                } else {
                    nHitRow = nAbove;
                    nHit = gxHitHiddenRow;
                }
            }
        }
    }
    if (nHit == gxHitNothing && bCell) {
        nHit = HitTestSelectionFrame(nHitRow, nHitCol, point, rect);
        if (nHit == gxHitNothing)
            nHit = nHitRow > nHeaderRows && nHitCol > nHeaderCols ? gxHitCell : gxHitHeader;
    }
    // below the last row (right of the last column) the out-value is one beyond the count
    if (nRowIndex < 0)
        nHitRow = point.y > nHalf + 1 ? GetRowCount() + 1 : 0;
    if (nColIndex < 0)
        nHitCol = point.x > nHalf + 1 ? GetColCount() + 1 : 0;
    nRow = nHitRow;
    nCol = nHitCol;
    rectCell = rect;
    return nHit;
}

int CGXGridCore::HitTestSelectionFrame(ROWCOL nRow, ROWCOL nCol, CPoint point, const CRect& rectCell)
{
    if (m_pParam == nullptr || (!m_bHitTestSelEdge && !m_pParam->GetDisplayOptions().bExcelLikeFill))
        return gxHitNothing;
    const int nEdge = 4;
    const BOOL bNearLeft = point.x - rectCell.left < nEdge;
    const BOOL bNearTop = point.y - rectCell.top < nEdge;
    const BOOL bNearRight = rectCell.right - point.x <= nEdge;
    const BOOL bNearBottom = rectCell.bottom - point.y <= nEdge;
    const CGXRangeList& selection = m_pParam->GetRangeList1();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CGXCellRange* pRange = selection.GetRangeAt(pos);
        selection.GetNext(pos);
        if (pRange->IsValid() && pRange->IsTable())
            return nRow == 0 && nCol == 0 && (bNearLeft || bNearTop) ? gxHitSelectionFrame : gxHitNothing;
    }
    CGXCellRange range;
    if (IsCurrentCell(nRow, nCol)) {
        if (!GetCoveredCellsRowCol(nRow, nCol, range))
            range.SetCells(nRow, nCol, nRow, nCol);
    } else {
        const POSITION pos = selection.FindRange(nRow, nCol);
        if (pos == nullptr)
            return gxHitNothing;
        range = *selection.GetRangeAt(pos);
    }
    // a range of rows has no left and right side, a range of columns no top and bottom
    const BOOL bLeft = bNearLeft && !range.IsRows() && nCol == range.left;
    const BOOL bRight = bNearRight && !range.IsRows() && nCol == range.right;
    const BOOL bTop = bNearTop && !range.IsCols() && nRow == range.top;
    const BOOL bBottom = bNearBottom && !range.IsCols() && nRow == range.bottom;
    if (m_pParam->GetDisplayOptions().bExcelLikeFill && bRight && bBottom)
        return gxHitFillHandle;
    return bLeft || bRight || bTop || bBottom ? gxHitSelectionFrame : gxHitNothing;
}

// ---- cursor ----------------------------------------------------------------------------------------

void CGXGridCore::OnGridSetCursor(CPoint point)
{
    if (m_nCursorOverride != 0) {
        SetGridCursor(m_nCursorOverride, nullptr);
        return;
    }
    if (m_pParam == nullptr)
        return;
    if (m_pParam->GetDisplayOptions().bOnlyInActiveView) {
        if (CView* pView = dynamic_cast<CView*>(m_pGridWnd)) {
            CFrameWnd* pFrame = pView->GetParentFrame();
            CWnd* pFocus = CWnd::GetFocus();
            const BOOL bActive = pFrame != nullptr && pFocus != nullptr &&
                                 (pFocus == pFrame || pFrame->IsChild(pFocus)) && pFrame->GetActiveView() == pView;
            if (!bActive) {
                SetGridCursor(0, nullptr);
                return;
            }
        }
    }
    ROWCOL nRow = 0, nCol = 0;
    CRect rect;
    const CGXGridParam::DisplayOptions& options = m_pParam->GetDisplayOptions();
    switch (HitTest(point, nRow, nCol, rect)) {
    case gxHitColBoundary:
        if (m_pParam->TestColSizingFlags(3) && CanResizeCol(nCol)) {
            SetGridCursor(GX_IDC_COLSIZE, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
            return;
        }
        break;
    case gxHitRowBoundary:
        if (m_pParam->TestRowSizingFlags(3) && CanResizeRow(nRow)) {
            SetGridCursor(GX_IDC_ROWSIZE, reinterpret_cast<LPCSTR>(IDC_SIZENS));
            return;
        }
        break;
    case gxHitSelectionFrame:
        SetGridCursor(GX_IDC_SELMOVE, nullptr);
        return;
    case gxHitFillHandle:
        SetGridCursor(GX_IDC_FILLHANDLE, nullptr);
        return;
    case gxHitHiddenCol:
        SetGridCursor(GX_IDC_COLHIDDEN, nullptr);
        return;
    case gxHitHiddenRow:
        SetGridCursor(GX_IDC_ROWHIDDEN, nullptr);
        return;
    case gxHitHeader:
        if (nCol == 0 && nRow > 0) {
            if (options.bDragSelectedRows && IsWholeLineSelected(m_pParam->GetRangeList1(), nRow, TRUE))
                break;
            if (m_pParam->TestSelectModeFlags(1)) {
                SetGridCursor(GX_IDC_SELROW, nullptr);
                return;
            }
        } else if (nRow == 0 && nCol > 0) {
            if (options.bDragSelectedCols && IsWholeLineSelected(m_pParam->GetRangeList1(), nCol, FALSE))
                break;
            if (m_pParam->TestSelectModeFlags(2)) {
                SetGridCursor(GX_IDC_SELCOL, nullptr);
                return;
            }
        }
        break;
    default:
        break;
    }
    SetGridCursor(0, nullptr);
}

void CGXGridCore::SetGridCursor(UINT nID, LPCSTR lpszSystem)
{
    if (nID == 0) {
        ::SetCursor(m_hcurArrow);
        return;
    }
    LoadedCursor& cached = GetLoadedCursor();
    if (nID != cached.nID || cached.hCursor == nullptr) {
        HCURSOR hCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID));
        BOOL bOwned = hCursor != nullptr;
        if (hCursor == nullptr)
            hCursor = ::LoadCursorA(nullptr, lpszSystem != nullptr ? lpszSystem : reinterpret_cast<LPCSTR>(IDC_ARROW));
        const LoadedCursor previous = cached;
        cached = {nID, hCursor, bOwned};
        if (previous.bOwned && previous.hCursor != nullptr && previous.hCursor != hCursor)
            ::DestroyCursor(previous.hCursor);
    }
    ::SetCursor(cached.hCursor);
}

void CGXGridCore::SetCursorOverride(UINT nID)
{
    m_nCursorOverride = nID;
    if (nID != 0)
        SetGridCursor(nID, nullptr);
}
