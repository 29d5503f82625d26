// CGXGridHint and its receiving rule (see GXGridHint.h).
#include "grid/engine/GXGridHint.h"

#include "grid/engine/GXCore.h"
#include "win/CSplitterWnd.h"

IMPLEMENT_DYNAMIC(CGXGridHint, CObject)

CGXGridHint::CGXGridHint(int nId, int nViewId)
    : m_nId(nId), m_pStyle(nullptr), m_nMode(0), m_nRow1(0), m_nRow2(0), m_nRow3(0), m_nCol1(0), m_nCol2(0),
      m_nCol3(0), m_nValue(0), m_nCount(0), m_pData(nullptr), m_nFlags(0), m_nViewId(nViewId)
{
}

namespace {

// Whether pGrid is pTarget, a pane of a splitter with more than one column (bRows) or row, whose own
// place lies inside the splitter.
BOOL IsTargetPane(CGXGridCore* pGrid, const void* pTarget, BOOL bRows)
{
    auto* pSplitter = dynamic_cast<CSplitterWnd*>(pGrid->GetSplitterWnd());
    if (pSplitter == nullptr || pTarget == nullptr ||
        (bRows ? pSplitter->GetColumnCount() : pSplitter->GetRowCount()) <= 1)
        return FALSE;
    const int nRow = pGrid->GetSplitterRow(), nCol = pGrid->GetSplitterCol();
    if (nRow < 0 || nRow >= pSplitter->GetRowCount() || nCol < 0 || nCol >= pSplitter->GetColumnCount())
        return FALSE;
    return pSplitter->GetPane(nRow, nCol) == pTarget;
}

}  // namespace

BOOL GXApplyGridHint(CGXGridCore* pGrid, CObject* pObject)
{
    auto* pHint = dynamic_cast<CGXGridHint*>(pObject);
    if (pGrid == nullptr || pHint == nullptr || (pHint->m_nViewId != -1 && pHint->m_nViewId != pGrid->m_nGridId))
        return FALSE;
    CGXGridHint& h = *pHint;
    const int* anSizes = static_cast<const int*>(h.m_pData);
    switch (h.m_nId) {
    case CGXGridHint::gxHintRedraw:
        pGrid->Redraw(h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintRedrawRowCol:
        pGrid->RedrawRowCol(h.m_nRow1, h.m_nCol1, h.m_nRow2, h.m_nCol2, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintRowCount:
        pGrid->UpdateChangedRowCount(h.m_nRow1, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintColCount:
        pGrid->UpdateChangedColCount(h.m_nCol1, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintRowHeights:
        pGrid->OnRowHeightChanged(h.m_nRow1, h.m_nRow2, anSizes, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintColWidths:
        pGrid->OnColWidthChanged(h.m_nCol1, h.m_nCol2, anSizes, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintInsertCols:
        pGrid->UpdateInsertCols(h.m_nCol1, ROWCOL(h.m_nCount), h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintInsertRows:
        pGrid->UpdateInsertRows(h.m_nRow1, ROWCOL(h.m_nCount), h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintRemoveCols:
        pGrid->UpdateRemoveCols(h.m_nCol1, h.m_nCol2, anSizes, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintRemoveRows:
        pGrid->UpdateRemoveRows(h.m_nRow1, h.m_nRow2, anSizes, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintMoveCols:
        pGrid->UpdateMoveCols(h.m_nCol1, h.m_nCol2, h.m_nCol3, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintMoveRows:
        pGrid->UpdateMoveRows(h.m_nRow1, h.m_nRow2, h.m_nRow3, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintFrozenRows:
        pGrid->UpdateFrozenRows(h.m_nRow1, h.m_nRow2, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintFrozenCols:
        pGrid->UpdateFrozenCols(h.m_nCol1, h.m_nCol2, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintStyleRange:
        pGrid->OnChangedStyleRange(h.m_range, h.m_pStyle, h.m_nMode, h.m_nValue, h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintTransferCurrentCell: {
        const BOOL bResult = pGrid->TransferCurrentCell(BOOL(h.m_nValue), h.m_nFlags, FALSE);
        h.m_nCount &= bResult;
        return bResult;
    }
    case CGXGridHint::gxHintTopRow:
        // scroll positions are shared only with the neighbouring pane of a splitter
        return IsTargetPane(pGrid, h.m_pData, TRUE) && pGrid->SetTopRow(h.m_nRow1, h.m_nFlags, FALSE);
    case CGXGridHint::gxHintLeftCol:
        return IsTargetPane(pGrid, h.m_pData, FALSE) && pGrid->SetLeftCol(h.m_nCol1, h.m_nFlags, FALSE);
    case CGXGridHint::gxHintCurrentCell:
        return pGrid->SetCurrentCell(h.m_nRow1, h.m_nCol1, h.m_nFlags | CGXGridCore::gxNoHint);
    case CGXGridHint::gxHintProperties:
        pGrid->OnChangedProperties(h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintStylesMap:
        pGrid->OnChangedStylesMap(h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintBaseStyle:
        pGrid->OnChangedBaseStyle(WORD(h.m_nCount & 0xFFFF), h.m_nFlags, FALSE);
        return TRUE;
    case CGXGridHint::gxHintRecalc:
        return pGrid->RecalcAndShowErrors(FALSE, nullptr, FALSE);
    default:
        return FALSE;
    }
}
