// CGXGridUpdateHintImp (see GXGridUpdateHintImp.h).
#include "grid/ops/GXGridUpdateHintImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridHint.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXState.h"
#include "win/CSplitterWnd.h"

CGXAbstractGridUpdateHintImp* GXCreateUpdateHintImp()
{
    return new CGXGridUpdateHintImp;
}

namespace {

// Hints go to the document's other views while the grid's hint switch is on and it has a document.
BOOL HintsOn(CGXGridCore* pGrid)
{
    return pGrid->GetDocumentLink() && pGrid->GetGridDoc() != nullptr;
}

// Builds the hint nKind of pGrid, lets fill set its fields and hands it to the document's other views.
// FALSE when hints are off (nothing sent).
template <class F>
BOOL Send(CGXGridCore* pGrid, int nKind, F fill)
{
    if (!HintsOn(pGrid))
        return FALSE;
    CGXGridHint hint(nKind, pGrid->m_nGridId);
    fill(hint);
    pGrid->UpdateAllViews(pGrid->GridWnd(), 0, &hint);
    return TRUE;
}

// A hint of lines: rows (bRows) or columns n1, n2 and n3 (first, last, destination or old counts),
// the data and the flags.
BOOL SendLines(CGXGridCore* pGrid, int nKind, BOOL bRows, ROWCOL n1, ROWCOL n2, ROWCOL n3, const void* pData,
               UINT nFlags)
{
    return Send(pGrid, nKind, [&](CGXGridHint& h) {
        (bRows ? h.m_nRow1 : h.m_nCol1) = n1;
        (bRows ? h.m_nRow2 : h.m_nCol2) = n2;
        (bRows ? h.m_nRow3 : h.m_nCol3) = n3;
        h.m_pData = pData;
        h.m_nFlags = nFlags;
    });
}

// The four corners and the flags of a range hint.
void SetCorners(CGXGridHint& h, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags)
{
    h.m_nRow1 = nTop;
    h.m_nCol1 = nLeft;
    h.m_nRow2 = nBottom;
    h.m_nCol2 = nRight;
    h.m_nFlags = nFlags;
}

// The splitter pGrid is a pane of, null when none.
CSplitterWnd* SplitterOf(CGXGridCore* pGrid)
{
    return dynamic_cast<CSplitterWnd*>(pGrid->GetSplitterWnd());
}

// The scroll hint of a new top row (bRows) or left column, from a pane of a splitter with more than
// one column (row), names the pane that shares it: the other column of the sender's splitter row (the
// other row of its splitter column). Nothing is sent when that pane lies outside the splitter.
BOOL SendScroll(CGXGridCore* pGrid, BOOL bRows, ROWCOL n, UINT nFlags)
{
    CSplitterWnd* pSplitter = SplitterOf(pGrid);
    if (pSplitter == nullptr || (bRows ? pSplitter->GetColumnCount() : pSplitter->GetRowCount()) <= 1)
        return FALSE;
    const int nRow = bRows ? pGrid->GetSplitterRow() : 1 - pGrid->GetSplitterRow();
    const int nCol = bRows ? 1 - pGrid->GetSplitterCol() : pGrid->GetSplitterCol();
    if (nRow < 0 || nRow >= pSplitter->GetRowCount() || nCol < 0 || nCol >= pSplitter->GetColumnCount())
        return FALSE;
    return SendLines(pGrid, bRows ? CGXGridHint::gxHintTopRow : CGXGridHint::gxHintLeftCol, bRows, n, 0, 0,
                     pSplitter->GetPane(nRow, nCol), nFlags);
}

// A zoom hint is taken by every view with the zoom-all-views option, else by the panes of the
// sender's splitter.
BOOL FollowsZoom(CGXGridCore* pGrid, const CGXGridHint& h)
{
    return pGrid->GetParam()->GetViewOptions().bZoomAllViews || pGrid->GetSplitterWnd() == h.m_pData;
}

}  // namespace

BOOL CGXGridUpdateHintImp::ApplyHint(CGXGridCore* pGrid, CObject* pObject)
{
    auto* pHint = dynamic_cast<CGXGridHint*>(pObject);
    if (pGrid->GetParam() == nullptr || pHint == nullptr)
        return 0;
    if (pHint->m_nViewId != -1 && pHint->m_nViewId != pGrid->m_nGridId)
        return pHint->m_nViewId;
    const CGXGridHint& h = *pHint;
    switch (h.m_nId) {
    case gxHintRangeChange:
        pGrid->RedrawRangeChange(POSITION(const_cast<void*>(h.m_pData)), h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2,
                                 FALSE);
        return TRUE;
    case gxHintSelection:
        pGrid->RedrawSelection(FALSE);
        return TRUE;
    case gxHintCoveredCells:
        pGrid->UpdateCoveredCellsRowCol(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
        return TRUE;
    case gxHintZoomChanged:
        if (!FollowsZoom(pGrid, h))
            break;
        pGrid->OnZoomChanged(h.m_nValue, h.m_nFlags, FALSE);
        return TRUE;
    case gxHintZoom:
        if (!FollowsZoom(pGrid, h))
            break;
        pGrid->SetZoomValue(h.m_nValue, FALSE);
        return TRUE;
    case gxHintRefreshCurrentCell:
        pGrid->RefreshCurrentCellControl();
        return TRUE;
    case gxHintNameText:
        if (CGXGridNamingCallback* pNaming = GXGetLibraryState()->m_pNamingCallback) {
            const CString& strTitle = pGrid->GetParam()->GetTitle();
            pNaming->OnGridTitle(pGrid->GridWnd(), strTitle, !strTitle.IsEmpty());
        }
        return TRUE;
    case gxHintSelectionDifference:
        pGrid->RedrawSelectionDifference(h.m_range, static_cast<const CGXRangeList*>(h.m_pData), FALSE);
        return TRUE;
    case gxHintFloatedCells:
        pGrid->RedrawFloatedCells(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
        return TRUE;
    case gxHintMergedCells:
        pGrid->RedrawMergedCells(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
        return TRUE;
    case gxHintExcelLikeFrame:
        return pGrid->HideExcelLikeFrame(BOOL(h.m_nFlags), FALSE);
    case gxHintSortRows:
        pGrid->UpdateMoveDataRows(h.m_range, h.m_nFlags, FALSE);
        return TRUE;
    case gxHintSortCols:
        pGrid->UpdateMoveDataCols(h.m_range, h.m_nFlags, FALSE);
        return TRUE;
    case gxHintReadOnly:
        pGrid->UpdateReadOnly(FALSE);
        return TRUE;
    case CGXGridHint::gxHintRedraw:
    case CGXGridHint::gxHintRedrawRowCol:
    case CGXGridHint::gxHintRowCount:
    case CGXGridHint::gxHintColCount:
    case CGXGridHint::gxHintRowHeights:
    case CGXGridHint::gxHintColWidths:
    case CGXGridHint::gxHintInsertCols:
    case CGXGridHint::gxHintInsertRows:
    case CGXGridHint::gxHintRemoveCols:
    case CGXGridHint::gxHintRemoveRows:
    case CGXGridHint::gxHintMoveCols:
    case CGXGridHint::gxHintMoveRows:
    case CGXGridHint::gxHintFrozenRows:
    case CGXGridHint::gxHintFrozenCols:
    case CGXGridHint::gxHintStyleRange:
    case CGXGridHint::gxHintTransferCurrentCell:
    case CGXGridHint::gxHintTopRow:
    case CGXGridHint::gxHintLeftCol:
    case CGXGridHint::gxHintCurrentCell:
    case CGXGridHint::gxHintProperties:
    case CGXGridHint::gxHintStylesMap:
    case CGXGridHint::gxHintBaseStyle:
    case CGXGridHint::gxHintRecalc:
        // the engine's own operations replay by the engine's rule
        return GXApplyGridHint(pGrid, pHint);
    default:
        break;
    }
    return h.m_nId - 1;
}

BOOL CGXGridUpdateHintImp::RedrawAll(CGXGridCore* pGrid, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintRedraw, [&](CGXGridHint& h) { h.m_nFlags = nFlags; });
}

BOOL CGXGridUpdateHintImp::RedrawRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                       UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintRedrawRowCol,
                [&](CGXGridHint& h) { SetCorners(h, nTop, nLeft, nBottom, nRight, nFlags); });
}

BOOL CGXGridUpdateHintImp::OnRowCountChanged(CGXGridCore* pGrid, ROWCOL nOldCount, UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintRowCount, TRUE, nOldCount, 0, 0, nullptr, nFlags);
}

BOOL CGXGridUpdateHintImp::OnColCountChanged(CGXGridCore* pGrid, ROWCOL nOldCount, UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintColCount, FALSE, nOldCount, 0, 0, nullptr, nFlags);
}

BOOL CGXGridUpdateHintImp::OnRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                               UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintRowHeights, TRUE, nFrom, nTo, 0, anOldSizes, nFlags);
}

BOOL CGXGridUpdateHintImp::OnColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                              UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintColWidths, FALSE, nFrom, nTo, 0, anOldSizes, nFlags);
}

BOOL CGXGridUpdateHintImp::OnColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintInsertCols, [&](CGXGridHint& h) {
        h.m_nCol1 = nFirst;
        h.m_nCount = int(nCount);
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::OnRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintInsertRows, [&](CGXGridHint& h) {
        h.m_nRow1 = nFirst;
        h.m_nCount = int(nCount);
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::OnColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                         UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintRemoveCols, FALSE, nFrom, nTo, 0, anOldSizes, nFlags);
}

BOOL CGXGridUpdateHintImp::OnRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                         UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintRemoveRows, TRUE, nFrom, nTo, 0, anOldSizes, nFlags);
}

BOOL CGXGridUpdateHintImp::OnColsMoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintMoveCols, FALSE, nFrom, nTo, nDest, nullptr, nFlags);
}

BOOL CGXGridUpdateHintImp::OnRowsMoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintMoveRows, TRUE, nFrom, nTo, nDest, nullptr, nFlags);
}

BOOL CGXGridUpdateHintImp::RedrawRangeChange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft,
                                             ROWCOL nBottom, ROWCOL nRight)
{
    return Send(pGrid, gxHintRangeChange, [&](CGXGridHint& h) {
        SetCorners(h, nTop, nLeft, nBottom, nRight, 0);
        h.m_pData = pos;
    });
}

BOOL CGXGridUpdateHintImp::RedrawSelection(CGXGridCore* pGrid)
{
    return Send(pGrid, gxHintSelection, [](CGXGridHint&) {});
}

BOOL CGXGridUpdateHintImp::OnFrozenRowsChanged(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders,
                                               UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintFrozenRows, TRUE, nOldFrozen, nOldHeaders, 0, nullptr, nFlags);
}

BOOL CGXGridUpdateHintImp::OnFrozenColsChanged(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders,
                                               UINT nFlags)
{
    return SendLines(pGrid, CGXGridHint::gxHintFrozenCols, FALSE, nOldFrozen, nOldHeaders, 0, nullptr, nFlags);
}

BOOL CGXGridUpdateHintImp::OnStyleRangeChanged(CGXGridCore* pGrid, const CGXCellRange& range, const CGXStyle* pStyle,
                                               int nMode, int nKind, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintStyleRange, [&](CGXGridHint& h) {
        h.m_range = range;
        h.m_pStyle = pStyle;
        h.m_nMode = nMode;
        h.m_nValue = nKind;
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::SetCoveredCellsRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                                ROWCOL nRight, UINT nFlags)
{
    return Send(pGrid, gxHintCoveredCells, [&](CGXGridHint& h) { SetCorners(h, nTop, nLeft, nBottom, nRight, nFlags); });
}

BOOL CGXGridUpdateHintImp::OnZoomChanged(CGXGridCore* pGrid, int nOldZoom, UINT nFlags)
{
    return Send(pGrid, gxHintZoomChanged, [&](CGXGridHint& h) {
        h.m_nValue = nOldZoom;
        h.m_nFlags = nFlags;
        h.m_pData = pGrid->GetSplitterWnd();
    });
}

BOOL CGXGridUpdateHintImp::SetZoomValue(CGXGridCore* pGrid, int nZoom)
{
    return Send(pGrid, gxHintZoom, [&](CGXGridHint& h) {
        h.m_nValue = nZoom;
        h.m_pData = pGrid->GetSplitterWnd();
    });
}

BOOL CGXGridUpdateHintImp::RefreshCurrentCell(CGXGridCore* pGrid, BOOL bValue)
{
    return Send(pGrid, gxHintRefreshCurrentCell, [&](CGXGridHint& h) { h.m_nValue = bValue; });
}

BOOL CGXGridUpdateHintImp::UpdateNameText(CGXGridCore* pGrid)
{
    return Send(pGrid, gxHintNameText, [](CGXGridHint&) {});
}

BOOL CGXGridUpdateHintImp::RedrawSelectionDifference(CGXGridCore* pGrid, const CGXCellRange& range,
                                                     const CGXRangeList* pOldList)
{
    return Send(pGrid, gxHintSelectionDifference, [&](CGXGridHint& h) {
        h.m_range = range;
        h.m_pData = pOldList;
    });
}

BOOL CGXGridUpdateHintImp::EndCurrentCellEdit(CGXGridCore* pGrid, BOOL bSave, UINT nFlags)
{
    if (!HintsOn(pGrid))
        return TRUE;
    // each view ANDs its answer into the count while the hint travels
    CGXGridHint hint(CGXGridHint::gxHintTransferCurrentCell, pGrid->m_nGridId);
    hint.m_nValue = bSave;
    hint.m_nFlags = nFlags;
    hint.m_nCount = TRUE;
    pGrid->UpdateAllViews(pGrid->GridWnd(), 0, &hint);
    return hint.m_nCount;
}

BOOL CGXGridUpdateHintImp::SetTopRow(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags)
{
    return SendScroll(pGrid, TRUE, nRow, nFlags);
}

BOOL CGXGridUpdateHintImp::SetLeftCol(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags)
{
    return SendScroll(pGrid, FALSE, nCol, nFlags);
}

BOOL CGXGridUpdateHintImp::ScrollCells(CGXGridCore* pGrid, int nDirection, ROWCOL)
{
    if (nDirection < CGXGridCore::gxUp || nDirection > CGXGridCore::gxRight)
        return nDirection - 4;
    CSplitterWnd* pSplitter = SplitterOf(pGrid);
    if (pSplitter == nullptr)
        return 0;
    const BOOL bRows = nDirection == CGXGridCore::gxUp || nDirection == CGXGridCore::gxDown;
    const int nPanes = bRows ? pSplitter->GetColumnCount() : pSplitter->GetRowCount();
    if (nPanes <= 1)
        return nPanes;
    return SendScroll(pGrid, bRows, bRows ? pGrid->GetTopRow() : pGrid->GetLeftCol(), 2);
}

BOOL CGXGridUpdateHintImp::SetCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintCurrentCell, [&](CGXGridHint& h) {
        h.m_nRow1 = nRow;
        h.m_nCol1 = nCol;
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                              ROWCOL nToCol, UINT nFlags)
{
    return Send(pGrid, gxHintFloatedCells, [&](CGXGridHint& h) { SetCorners(h, nRow, nCol, nToRow, nToCol, nFlags); });
}

BOOL CGXGridUpdateHintImp::RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                             ROWCOL nToCol, UINT nFlags)
{
    return Send(pGrid, gxHintMergedCells, [&](CGXGridHint& h) { SetCorners(h, nRow, nCol, nToRow, nToCol, nFlags); });
}

BOOL CGXGridUpdateHintImp::HideExcelLikeFrame(CGXGridCore* pGrid, BOOL bHide)
{
    return Send(pGrid, gxHintExcelLikeFrame, [&](CGXGridHint& h) { h.m_nFlags = UINT(bHide); });
}

BOOL CGXGridUpdateHintImp::UpdateSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags)
{
    return Send(pGrid, gxHintSortRows, [&](CGXGridHint& h) {
        h.m_range = range;
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::UpdateSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags)
{
    return Send(pGrid, gxHintSortCols, [&](CGXGridHint& h) {
        h.m_range = range;
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::OnPropertiesChanged(CGXGridCore* pGrid, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintProperties, [&](CGXGridHint& h) { h.m_nFlags = nFlags; });
}

BOOL CGXGridUpdateHintImp::OnStylesMapChanged(CGXGridCore* pGrid, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintStylesMap, [&](CGXGridHint& h) { h.m_nFlags = nFlags; });
}

BOOL CGXGridUpdateHintImp::OnBaseStyleChanged(CGXGridCore* pGrid, WORD nId, UINT nFlags)
{
    return Send(pGrid, CGXGridHint::gxHintBaseStyle, [&](CGXGridHint& h) {
        h.m_nCount = nId;
        h.m_nFlags = nFlags;
    });
}

BOOL CGXGridUpdateHintImp::RecalcAndRedraw(CGXGridCore* pGrid, const char* pszText)
{
    return Send(pGrid, CGXGridHint::gxHintRecalc, [&](CGXGridHint& h) { h.m_pData = pszText; });
}

BOOL CGXGridUpdateHintImp::UpdateReadOnly(CGXGridCore* pGrid)
{
    return Send(pGrid, gxHintReadOnly, [](CGXGridHint&) {});
}
