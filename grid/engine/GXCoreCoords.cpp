// CGXGridCore: row heights and column widths, display indexes, pixel rectangles, the hit test and the
// cursor (see GXCore.h). Every row operation and its column twin is written once, in GXLineAxis.
#include "grid/engine/GXLineAxis.h"

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

// ---- GXLineAxis: sizes, display indexes and the hit test ----------------------------------------------

int GXLineAxis::StoredToPixels(LONG nStored) const
{
    return int(nStored / SizeQuotient(CharSize()));
}

LONG GXLineAxis::PixelsToStored(int nPixels) const
{
    return LONG(nPixels) * SizeQuotient(CharSize());
}

int GXLineAxis::BaseSize(ROWCOL n) const
{
    if (g.m_pParam == nullptr || Hidden(n))
        return 0;
    LONG nStored = 0;
    int nSize = StoredSizes().Lookup(n, nStored) ? StoredToPixels(nStored) : DefaultSize();
    const ROWCOL nFrozen = Frozen();
    CWnd* pWnd = g.m_pGridWnd;
    if (Limited() && n > nFrozen && pWnd != nullptr && pWnd->m_hWnd != nullptr && pWnd->IsWindowVisible()) {
        // no line is larger than what the window shows beyond the frozen ones (but none vanishes)
        const int nMax = Extent(g.GetGridRect()) - Sum(0, nFrozen, 0);
        nSize = std::min(nSize, std::max(nMax, 1));
    }
    return nSize;
}

int GXLineAxis::BaseDefaultSize() const
{
    return g.m_pParam != nullptr ? StoredToPixels(m_bRow ? g.m_pParam->GetDefaultRowHeight()
                                                         : g.m_pParam->GetDefaultColWidth())
                                 : 0;
}

BOOL GXLineAxis::StoreDefault(int nSize) const
{
    if (nSize <= 0 || g.m_pParam == nullptr)
        return FALSE;
    if (m_bRow)
        g.m_pParam->SetDefaultRowHeight(PixelsToStored(nSize));
    else
        g.m_pParam->SetDefaultColWidth(PixelsToStored(nSize));
    g.SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL GXLineAxis::StoreSize(ROWCOL n, int nSize) const
{
    if (g.m_pParam == nullptr)
        return FALSE;
    if (nSize < 0)
        StoredSizes().RemoveKey(n);
    else
        StoredSizes().SetAt(n, PixelsToStored(nSize));
    g.SetModifiedFlag(TRUE);
    return TRUE;
}

void GXLineAxis::GetSizes(ROWCOL nFirst, ROWCOL nLast, int* an) const
{
    for (ROWCOL n = nFirst; n <= nLast; ++n) {
        an[n - nFirst] = Size(n);
        if (n == nLast)
            break;
    }
}

int GXLineAxis::Sum(ROWCOL nFirst, ROWCOL nLast, int nLimit) const
{
    int nSum = 0;
    for (ROWCOL n = nFirst; n <= nLast && !(nLimit > 0 && nSum > nLimit); ++n) {
        nSum += Size(n);
        if (n == nLast)
            break;
    }
    return nSum;
}

int GXLineAxis::SumDisplay(int nFirst, int nLast, int nLimit) const
{
    int nSum = 0;
    for (int i = std::max(nFirst, 0); i <= nLast && !(nLimit > 0 && nSum > nLimit); ++i)
        nSum += Size(FromDisplay(i));
    return nSum;
}

BOOL GXLineAxis::SetSizes(ROWCOL nFirst, ROWCOL nLast, int nSize, const int* anSizes, UINT nFlags,
                          int nCommandType) const
{
    if (nLast == 0)
        nLast = nFirst;
    if (nLast < nFirst)
        AfxThrowInvalidArgFormat("CGXGridCore::Set%s: the last %lu is before the first %lu",
                                 m_bRow ? "RowHeight" : "ColWidth", static_cast<unsigned long>(nLast),
                                 static_cast<unsigned long>(nFirst));
    const uint64_t nCount = uint64_t(nLast - nFirst) + 1;
    std::unique_ptr<int[]> anOld;
    AfxAllocating([&] { anOld.reset(new int[nCount]); });
    GetSizes(nFirst, nLast, anOld.get());
    BOOL bChanged = FALSE;
    {
        CGXLongOperation operation;
        for (uint64_t i = 0; i < nCount; ++i) {
            const ROWCOL n = nFirst + ROWCOL(i);
            m_bRow ? g.StoreRowHeight(n, anSizes != nullptr ? anSizes[i] : nSize)
                   : g.StoreColWidth(n, anSizes != nullptr ? anSizes[i] : nSize);
            bChanged |= Size(n) != anOld[i];
            operation.StepProgress(i, nCount);
        }
    }
    if (!bChanged)
        return FALSE;
    g.DelayFloatCells(m_bRow ? CGXCellRange().SetRows(nFirst, nLast) : CGXCellRange().SetCols(nFirst, nLast));
    if (m_bRow)
        g.OnRowHeightChanged(nFirst, nLast, anOld.get(), nFlags, TRUE);
    else
        g.OnColWidthChanged(nFirst, nLast, anOld.get(), nFlags, TRUE);
    if (g.IsUndoRecorded(nCommandType)) {
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        CGXCommand* pCommand = m_bRow ? pFactory->CreateSetRowHeightCmd(nFirst, nLast, anOld.get())
                                   : pFactory->CreateSetColWidthCmd(nFirst, nLast, anOld.get());
        anOld.release();
        Record(pCommand, nCommandType, nFirst);
    }
    return TRUE;
}

BOOL GXLineAxis::SetDefault(int nSize, UINT nFlags, int nCommandType) const
{
    const int nOld = DefaultSize();
    if (!(m_bRow ? g.StoreDefaultRowHeight(nSize) : g.StoreDefaultColWidth(nSize)))
        return FALSE;
    const CGXCellRange table = CGXCellRange().SetTable();
    g.DelayFloatCells(table);
    g.DelayMergeCells(table);
    if (m_bRow)
        g.OnRowHeightChanged(0, Count(), nullptr, nFlags, TRUE);
    else
        g.OnColWidthChanged(0, Count(), nullptr, nFlags, TRUE);
    if (g.IsUndoRecorded(nCommandType)) {
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        Record(m_bRow ? pFactory->CreateSetDefaultRowHeightCmd(nOld)
                      : pFactory->CreateSetDefaultColWidthCmd(nOld),
               nCommandType, 0);
    }
    return TRUE;
}

void GXLineAxis::Record(CGXCommand* pCommand, int nCommandType, ROWCOL nFirst) const
{
    g.AddCommand(pCommand, nCommandType);
    if (nCommandType == CGXGridCore::gxUndo || nCommandType == CGXGridCore::gxRedo)
        g.MoveCurrentCellAfterUndo(m_bRow ? nFirst : g.GetTopRow(), m_bRow ? g.GetLeftCol() : nFirst, 0);
}

void GXLineAxis::OnSizesChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOld, UINT nFlags,
                                BOOL bCreateHint) const
{
    g.ResetLastVisible();
    ROWCOL nRow, nCol;
    // a replayed hint leaves the current cell alone: the sending view stored it
    if (bCreateHint && g.GetCurrentCell(nRow, nCol) && (m_bRow ? nRow : nCol) >= nFirst &&
        (m_bRow ? nRow : nCol) <= nLast)
        g.TransferCurrentCell(TRUE);
    if (g.m_pParam != nullptr && !g.m_pParam->IsLockRedraw()) {
        if (CGXAbstractGridOptimizedUpdateImp* pUpdate = g.m_pOptimizedUpdateImp) {
            if (m_bRow)
                pUpdate->UpdateRowHeightsChanged(&g, nFirst, nLast, anOld, nFlags);
            else
                pUpdate->UpdateColWidthsChanged(&g, nFirst, nLast, anOld, nFlags);
        } else {
            g.Redraw(nFlags, FALSE);
        }
    }
    if (bCreateHint && g.m_pUpdateHintImp != nullptr && g.m_pGridDoc != nullptr) {
        if (m_bRow)
            g.m_pUpdateHintImp->OnRowHeightsChanged(&g, nFirst, nLast, anOld, nFlags);
        else
            g.m_pUpdateHintImp->OnColWidthsChanged(&g, nFirst, nLast, anOld, nFlags);
    }
}

int GXLineAxis::ToDisplay(ROWCOL n) const
{
    if (n == ROWCOL(-1))
        return -1;
    const ROWCOL nFrozen = Frozen(), nFirst = FirstScrolled();
    if (n <= nFrozen)
        return int(n);
    if (n < nFirst)
        return 0;
    return int(n - nFirst + nFrozen + 1);
}

ROWCOL GXLineAxis::FromDisplay(int nIndex) const
{
    if (nIndex < 0)
        return ROWCOL(-1);
    const ROWCOL nFrozen = Frozen();
    if (ROWCOL(nIndex) <= nFrozen)
        return ROWCOL(nIndex);
    return FirstScrolled() + (ROWCOL(nIndex) - nFrozen - 1);
}

int GXLineAxis::IndexAt(int nPos, int* pStart) const
{
    const ROWCOL nCount = Count();
    int nStart = Start(g.GetGridRect());
    for (int i = 0;; ++i) {
        const ROWCOL n = FromDisplay(i);
        if (n > nCount)
            return -1;
        const int nSize = Size(n);
        if (nPos < nStart + nSize) {
            if (pStart != nullptr)
                *pStart = nStart;
            return i;
        }
        nStart += nSize;
    }
}

ROWCOL GXLineAxis::LineAtEnd(const CRect& rect, BOOL& bBeyond) const
{
    const int nIndex = IndexAt(End(rect) - 1, nullptr);
    bBeyond = nIndex < 0;
    return bBeyond ? Count() : FromDisplay(nIndex);
}

ROWCOL GXLineAxis::LastVisible() const
{
    ROWCOL& rnCache = LastVisibleCache();
    if (rnCache != ROWCOL(-1) && !g.IsPrinting())
        return rnCache;
    const CRect rect = g.GetGridRect();
    const ROWCOL nCount = Count();
    ROWCOL nLast = 0;
    int nPos = Start(rect);
    for (int i = 0; nPos < End(rect); ++i) {
        const ROWCOL n = FromDisplay(i);
        if (n > nCount)
            break;
        nLast = n;
        nPos += Size(n);
    }
    if (!g.IsPrinting())
        rnCache = nLast;
    return nLast;
}

ROWCOL GXLineAxis::LastFullyVisible() const
{
    const ROWCOL nLast = LastVisible();
    const CRect rect = g.GetGridRect();
    if (nLast <= FirstScrolled() || Start(rect) + SumDisplay(0, ToDisplay(nLast), 0) <= End(rect))
        return nLast;
    return nLast - 1;
}

BOOL GXLineAxis::Span(ROWCOL nFrom, ROWCOL nTo, int nLimit, LONG& nStart, LONG& nEnd) const
{
    const ROWCOL nFrozen = Frozen(), nFirst = FirstScrolled();
    if (nFrom > nFrozen && nTo < nFirst)
        return FALSE;
    const ROWCOL nCache = LastVisibleCache();
    if (!g.IsPrinting() && nCache != ROWCOL(-1) && nFrom > nCache)
        return FALSE;
    // a corner scrolled out counts as the first scrolled line, a far one as the last frozen line
    const int nFromIndex = nFrom > nFrozen && nFrom < nFirst ? int(nFrozen) + 1 : ToDisplay(nFrom);
    const int nToIndex = nTo > nFrozen && nTo < nFirst ? int(nFrozen) : ToDisplay(nTo);
    nStart = Start(g.GetGridRect()) + SumDisplay(0, nFromIndex - 1, nLimit);
    nEnd = nStart + SumDisplay(nFromIndex, nToIndex, nLimit);
    return TRUE;
}

int GXLineAxis::BoundaryHit(int nPos, int nIndex, int nStart, BOOL bOtherIsHeader, ROWCOL& rnLine) const
{
    if (nIndex < 0 || !TestSizing(3) || !(bOtherIsHeader || TestSizing(4)))
        return CGXGridCore::gxHitNothing;
    const int nHalf = g.m_nHitTolerance / 2, nQuarter = g.m_nHitTolerance / 4;
    const int nBoundary = m_bRow ? CGXGridCore::gxHitRowBoundary : CGXGridCore::gxHitColBoundary;
    const int nHidden = m_bRow ? CGXGridCore::gxHitHiddenRow : CGXGridCore::gxHitHiddenCol;
    const ROWCOL nLine = FromDisplay(nIndex);
    if (nStart + Size(nLine) - nPos <= nHalf) {
        if (nLine <= Headers() && TestSizing(8))
            return CGXGridCore::gxHitNothing;
        rnLine = nLine;
        return nBoundary;
    }
    if (nPos - nStart >= nHalf || nIndex == 0)
        return CGXGridCore::gxHitNothing;
    // the boundary before the line: the nearest visible line before it, or the hidden one there
    const ROWCOL nBefore = FromDisplay(nIndex - 1);
    if (nBefore <= Headers() && TestSizing(8))
        return CGXGridCore::gxHitNothing;
    if (nPos - nStart > nQuarter && Size(nBefore) == 0) {
        rnLine = nBefore;
        return nHidden;
    }
    int i = nIndex - 1;
    while (i > 0 && Size(FromDisplay(i)) == 0)
        --i;
    rnLine = FromDisplay(i);
    return nBoundary;
}

// ---- sizes ------------------------------------------------------------------------------------------

int CGXGridCore::GetRowHeight(ROWCOL nRow)
{
    return GXLineAxis(*this, TRUE).BaseSize(nRow);
}

int CGXGridCore::GetColWidth(ROWCOL nCol)
{
    return GXLineAxis(*this, FALSE).BaseSize(nCol);
}

int CGXGridCore::GetDefaultRowHeight()
{
    return GXLineAxis(*this, TRUE).BaseDefaultSize();
}

int CGXGridCore::GetDefaultColWidth()
{
    return GXLineAxis(*this, FALSE).BaseDefaultSize();
}

BOOL CGXGridCore::StoreDefaultRowHeight(int nHeight)
{
    return GXLineAxis(*this, TRUE).StoreDefault(nHeight);
}

BOOL CGXGridCore::StoreDefaultColWidth(int nWidth)
{
    return GXLineAxis(*this, FALSE).StoreDefault(nWidth);
}

BOOL CGXGridCore::StoreColWidth(ROWCOL nCol, int nWidth)
{
    return GXLineAxis(*this, FALSE).StoreSize(nCol, nWidth);
}

BOOL CGXGridCore::StoreRowHeight(ROWCOL nRow, int nHeight)
{
    return GXLineAxis(*this, TRUE).StoreSize(nRow, nHeight);
}

void CGXGridCore::GetRowHeights(ROWCOL nFirst, ROWCOL nLast, int* an)
{
    GXLineAxis(*this, TRUE).GetSizes(nFirst, nLast, an);
}

void CGXGridCore::GetColWidths(ROWCOL nFirst, ROWCOL nLast, int* an)
{
    GXLineAxis(*this, FALSE).GetSizes(nFirst, nLast, an);
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFirst, ROWCOL nLast, int nHeight, const int* anHeights, UINT nFlags,
                               int nCommandType)
{
    return GXLineAxis(*this, TRUE).SetSizes(nFirst, nLast, nHeight, anHeights, nFlags, nCommandType);
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFirst, ROWCOL nLast, int nWidth, const int* anWidths, UINT nFlags,
                              int nCommandType)
{
    return GXLineAxis(*this, FALSE).SetSizes(nFirst, nLast, nWidth, anWidths, nFlags, nCommandType);
}

BOOL CGXGridCore::SetDefaultRowHeight(int nHeight, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, TRUE).SetDefault(nHeight, nFlags, nCommandType);
}

BOOL CGXGridCore::SetDefaultColWidth(int nWidth, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, FALSE).SetDefault(nWidth, nFlags, nCommandType);
}

void CGXGridCore::OnRowHeightChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes, UINT nFlags,
                                     BOOL bCreateHint)
{
    GXLineAxis(*this, TRUE).OnSizesChanged(nFirst, nLast, anOldSizes, nFlags, bCreateHint);
}

void CGXGridCore::OnColWidthChanged(ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes, UINT nFlags,
                                    BOOL bCreateHint)
{
    GXLineAxis(*this, FALSE).OnSizesChanged(nFirst, nLast, anOldSizes, nFlags, bCreateHint);
}

BOOL CGXGridCore::CanResizeRow(ROWCOL)
{
    return m_pUserResizeCellsImp != nullptr;
}

BOOL CGXGridCore::CanResizeCol(ROWCOL)
{
    return m_pUserResizeCellsImp != nullptr;
}

int CGXGridCore::SumRowHeights(ROWCOL nFirst, ROWCOL nLast, int nLimit)
{
    return GXLineAxis(*this, TRUE).Sum(nFirst, nLast, nLimit);
}

int CGXGridCore::SumColWidths(ROWCOL nFirst, ROWCOL nLast, int nLimit)
{
    return GXLineAxis(*this, FALSE).Sum(nFirst, nLast, nLimit);
}

int CGXGridCore::SumDisplayRowHeights(int nFirst, int nLast, int nLimit)
{
    return GXLineAxis(*this, TRUE).SumDisplay(nFirst, nLast, nLimit);
}

int CGXGridCore::SumDisplayColWidths(int nFirst, int nLast, int nLimit)
{
    return GXLineAxis(*this, FALSE).SumDisplay(nFirst, nLast, nLimit);
}

// ---- display indexes and pixels ---------------------------------------------------------------------

int CGXGridCore::RowToDisplayIndex(ROWCOL nRow)
{
    return GXLineAxis(*this, TRUE).ToDisplay(nRow);
}

int CGXGridCore::ColToDisplayIndex(ROWCOL nCol)
{
    return GXLineAxis(*this, FALSE).ToDisplay(nCol);
}

ROWCOL CGXGridCore::DisplayIndexToRow(int nIndex)
{
    return GXLineAxis(*this, TRUE).FromDisplay(nIndex);
}

ROWCOL CGXGridCore::DisplayIndexToCol(int nIndex)
{
    return GXLineAxis(*this, FALSE).FromDisplay(nIndex);
}

int CGXGridCore::CalcClientRowFromY(int y, int* pTop)
{
    return GXLineAxis(*this, TRUE).IndexAt(y, pTop);
}

int CGXGridCore::CalcClientColFromX(int x, int* pLeft)
{
    return GXLineAxis(*this, FALSE).IndexAt(x, pLeft);
}

ROWCOL CGXGridCore::CalcBottomRowFromRectEx(const CRect& rect, BOOL& bBeyond)
{
    return GXLineAxis(*this, TRUE).LineAtEnd(rect, bBeyond);
}

ROWCOL CGXGridCore::CalcRightColFromRectEx(const CRect& rect, BOOL& bBeyond)
{
    return GXLineAxis(*this, FALSE).LineAtEnd(rect, bBeyond);
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
    return GXLineAxis(*this, TRUE).LastVisible();
}

ROWCOL CGXGridCore::GetLastVisibleCol()
{
    return GXLineAxis(*this, FALSE).LastVisible();
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
    const CRect rectGrid = GetGridRect();
    // unless bNoClip, the sums stop beyond twice the grid rectangle
    CRect rect;
    if (!GXLineAxis(*this, TRUE).Span(std::min(nTop, nBottom), std::max(nTop, nBottom),
                                      bNoClip ? 0 : rectGrid.Height() * 2, rect.top, rect.bottom) ||
        !GXLineAxis(*this, FALSE).Span(std::min(nLeft, nRight), std::max(nLeft, nRight),
                                       bNoClip ? 0 : rectGrid.Width() * 2, rect.left, rect.right))
        return CRect(0, 0, 0, 0);
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
    if (m_pParam == nullptr || !GetGridRect().PtInRect(point))
        return gxHitNothing;
    const GXLineAxis rows(*this, TRUE), cols(*this, FALSE);
    int yTop = 0, xLeft = 0;
    const int nRowIndex = rows.IndexAt(point.y, &yTop);
    const int nColIndex = cols.IndexAt(point.x, &xLeft);
    ROWCOL nHitRow = rows.FromDisplay(nRowIndex);
    ROWCOL nHitCol = cols.FromDisplay(nColIndex);
    const BOOL bCell = nRowIndex >= 0 && nColIndex >= 0;
    CRect rect(0, 0, 0, 0);
    if (bCell)
        rect.SetRect(xLeft, yTop, xLeft + GetColWidth(nHitCol), yTop + GetRowHeight(nHitRow));
    const ROWCOL nHeaderRows = GetHeaderRows(), nHeaderCols = GetHeaderCols();
    // the boundaries of the column under the point, else of its row
    int nHit = cols.BoundaryHit(point.x, nColIndex, xLeft, nRowIndex >= 0 && nHitRow <= nHeaderRows, nHitCol);
    if (nHit == gxHitNothing)
        nHit = rows.BoundaryHit(point.y, nRowIndex, yTop, nColIndex >= 0 && nHitCol <= nHeaderCols, nHitRow);
    if (nHit == gxHitNothing && bCell) {
        nHit = HitTestSelectionFrame(nHitRow, nHitCol, point, rect);
        if (nHit == gxHitNothing)
            nHit = nHitRow > nHeaderRows && nHitCol > nHeaderCols ? gxHitCell : gxHitHeader;
    }
    // below the last row (right of the last column) the out-value is one beyond the count
    const int nHalf = m_nHitTolerance / 2;
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
    const CGXGridParam::DisplayOptions& options = m_pParam->GetDisplayOptions();
    if (options.bOnlyInActiveView) {
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
    case gxHitHeader: {
        // a selected whole row or column under the mouse may be dragged: the standard cursor
        const BOOL bRowHeader = nCol == 0 && nRow > 0;
        const BOOL bColHeader = nRow == 0 && nCol > 0;
        if (bRowHeader && !(options.bDragSelectedRows && IsWholeLineSelected(m_pParam->GetRangeList1(), nRow, TRUE)) &&
            m_pParam->TestSelectModeFlags(1)) {
            SetGridCursor(GX_IDC_SELROW, nullptr);
            return;
        }
        if (bColHeader && !(options.bDragSelectedCols && IsWholeLineSelected(m_pParam->GetRangeList1(), nCol, FALSE)) &&
            m_pParam->TestSelectModeFlags(2)) {
            SetGridCursor(GX_IDC_SELCOL, nullptr);
            return;
        }
        break;
    }
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
        const BOOL bOwned = hCursor != nullptr;
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
