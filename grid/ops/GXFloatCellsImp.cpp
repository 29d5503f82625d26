// Floating cells: the per-grid module (see GXFloatCellsImp.h).
#include "grid/ops/GXFloatCellsImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXSpanCellPool.h"
#include "grid/ops/GXSpanEvaluation.h"
#include "grid/ops/GXUpdateHintImp.h"

#include <algorithm>

namespace {

class CGXGridFloatCellsImp : public CGXAbstractGridFloatCellsImp {
public:
    void SetFloatCellsMode(CGXGridCore* pGrid, int nMode, BOOL bRedraw) override;
    void DelayFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nMaxCol) override;
    BOOL EvalFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked, CGXCellRange* pChanged,
                        BOOL bUseGridStyles) override;
    CGXCellRange* GetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override;
    BOOL CanFloatStaticCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            BOOL bFloat) override;
    BOOL CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      BOOL bFloat) override;
    BOOL SetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                               UINT nFlags) override;
    void RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags,
                            BOOL bCreateHint) override;
    void ExpandFloatedRange(CGXGridCore* pGrid, CGXCellRange& range) override;
    BOOL EvalFloatCellsDirect(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                              CGXCellRange* pChanged, BOOL bUseGridStyles) override;
    BOOL EvalFloatCellsDelayed(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                               CGXCellRange* pChanged, BOOL bUseGridStyles) override;
    BOOL EvalFloatCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                       BOOL bUseGridStyles) override;
    BOOL FloatCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                   BOOL bUseGridStyles) override;
    BOOL StoreFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                           BOOL bSet) override;

private:
    // The style of a cell as the evaluation sees it (the current cell with its edited value), and
    // its control.
    const CGXStyle& CellStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bUseGridStyles,
                              CGXControl*& pControl);

    CGXSpanStyleCache m_styles;
};

// range as cells within the rows and columns that are no headers; FALSE when nothing is left. bRaise:
// a cells range starting in the headers starts after them.
BOOL ToCells(CGXGridCore* pGrid, CGXCellRange& range, BOOL bRaise)
{
    if (!range.IsValid())
        return FALSE;
    const ROWCOL nFirstRow = pGrid->GetHeaderRows() + 1, nFirstCol = pGrid->GetHeaderCols() + 1;
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    range.ExpandToCells(nFirstRow, nFirstCol, nRows, nCols);
    if (bRaise) {
        range.top = std::max(range.top, nFirstRow);
        range.left = std::max(range.left, nFirstCol);
    }
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    return range.top <= range.bottom && range.left <= range.right;
}

void CGXGridFloatCellsImp::SetFloatCellsMode(CGXGridCore* pGrid, int nMode, BOOL bRedraw)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    if (WORD(nMode) != pParam->GetFloatCellsMode()) {
        pParam->SetFloatCellsMode(WORD(nMode));
        // the spans are worked out again from nothing
        pParam->SetSpanPool(CGXGridParam::gxFloatPool, nullptr);
        pParam->SetDelayedRangePool(CGXGridParam::gxFloatDelayed, nullptr);
        pParam->MatchSpanPoolsToModes();
        if (pGrid->GetFloatCellsMode() == 1)
            DelayFloatCells(pGrid, CGXCellRange().SetTable(), ROWCOL(-1));
    }
    if (bRedraw)
        pGrid->Redraw(2, TRUE);
}

void CGXGridFloatCellsImp::DelayFloatCells(CGXGridCore* pGrid, const CGXCellRange& rangeIn, ROWCOL nMaxCol)
{
    CGXCellRange range = rangeIn;
    if (pGrid->GetFloatCellsMode() != 1 || !ToCells(pGrid, range, TRUE))
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    auto queue = [&](CGXDelayedRangePool* pPool) {
        if (pPool == nullptr)
            return;
        pPool->AddRange(range);
        if (nMaxCol != ROWCOL(-1))
            pPool->ClampCols(nMaxCol);
    };
    if (!pGrid->IsPrinting())
        queue(pParam->GetDelayedRangePool(CGXGridParam::gxFloatDelayed));
    queue(pParam->GetDelayedRangePool(CGXGridParam::gxPrintFloatDelayed));
}

BOOL CGXGridFloatCellsImp::EvalFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                          CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    if (pGrid->m_nLockFloatEval != 0)
        return FALSE;
    switch (pGrid->GetFloatCellsMode()) {
    case 1:
        return EvalFloatCellsDelayed(pGrid, range, bAlreadyLocked, pChanged, bUseGridStyles);
    case 2:
        return EvalFloatCellsDirect(pGrid, range, bAlreadyLocked, pChanged, bUseGridStyles);
    default:
        return FALSE;
    }
}

BOOL CGXGridFloatCellsImp::EvalFloatCellsDirect(CGXGridCore* pGrid, const CGXCellRange& rangeIn, BOOL bAlreadyLocked,
                                                CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    CGXCellRange range = rangeIn;
    if (!ToCells(pGrid, range, FALSE))
        return FALSE;
    CGXSpanStyleCache::Scope scope(m_styles);
    CGXSpanRedrawLock lock(pGrid->GetParam(), bAlreadyLocked);
    BOOL bChanged = FALSE;
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        if (pGrid->IsRowHidden(nRow))
            continue;
        for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol)
            if (!pGrid->IsColHidden(nCol))
                bChanged |= EvalFloatCell(pGrid, nRow, nCol, pChanged, bUseGridStyles);
        m_styles.Empty();
    }
    pGrid->ReleaseClientDC();
    return bChanged;
}

BOOL CGXGridFloatCellsImp::EvalFloatCellsDelayed(CGXGridCore* pGrid, const CGXCellRange& rangeIn,
                                                 BOOL bAlreadyLocked, CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    CGXCellRange range = rangeIn;
    CGXDelayedRangePool* pPool = pGrid->GetParam()->GetDelayedRangePool(
        pGrid->IsPrinting() ? CGXGridParam::gxPrintFloatDelayed : CGXGridParam::gxFloatDelayed);
    CDWordArray firstCols, lastCols;
    if (!ToCells(pGrid, range, TRUE) || pPool == nullptr || !pPool->GetPendingColumns(range, firstCols, lastCols))
        return FALSE;
    pPool->RemoveDone();
    CGXSpanStyleCache::Scope scope(m_styles);
    CGXSpanRedrawLock lock(pGrid->GetParam(), bAlreadyLocked);
    BOOL bChanged = FALSE;
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        const int32_t k = int32_t(nRow - range.top);
        if (firstCols[k] == DWORD(-1) || pGrid->IsRowHidden(nRow))
            continue;
        for (ROWCOL nCol = firstCols[k]; nCol <= lastCols[k]; ++nCol)
            if (!pGrid->IsColHidden(nCol))
                bChanged |= EvalFloatCell(pGrid, nRow, nCol, pChanged, bUseGridStyles);
        m_styles.Empty();
    }
    pGrid->ReleaseClientDC();
    return bChanged;
}

const CGXStyle& CGXGridFloatCellsImp::CellStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bUseGridStyles,
                                                CGXControl*& pControl)
{
    const BOOL bCurrent = pGrid->IsCurrentCell(nRow, nCol);
    const CGXStyle* pStyle = nullptr;
    if (!bUseGridStyles || bCurrent) {
        CGXStyle& style = m_styles.Get(pGrid, nRow, nCol);
        pControl = pGrid->GetRegisteredControl(style.GetControl());
        // the current cell floats by the text being edited
        if (bCurrent && pControl != nullptr)
            pControl->GetValueIntoStyle(nRow, nCol, style);
        return style;
    }
    pStyle = pGrid->LookupStyleRowCol(nRow, nCol);
    pControl = pGrid->GetRegisteredControl(pStyle->GetControl());
    return *pStyle;
}

BOOL CGXGridFloatCellsImp::EvalFloatCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                                         BOOL bUseGridStyles)
{
    if (pGrid->GetFloatCellsMode() == 0 || nRow <= pGrid->GetHeaderRows() || nCol <= pGrid->GetHeaderCols())
        return FALSE;
    CGXSpanStyleCache::Scope scope(m_styles);
    CGXControl* pControl = nullptr;
    const CGXStyle& style = CellStyle(pGrid, nRow, nCol, bUseGridStyles, pControl);
    const BOOL bFloats = CanFloatCell(pGrid, pControl, nRow, nCol, style, TRUE);
    // the left neighbour, or the anchor of the span that reaches it, may spill further or less now
    ROWCOL nLeft = nCol - 1;
    CGXCellRange span;
    if (GetFloatedCellsRowCol(pGrid, nRow, nLeft, span))
        nLeft = span.left;
    BOOL bChanged = FALSE;
    if (bFloats) {
        bChanged |= FloatCell(pGrid, nRow, nLeft, pChanged, bUseGridStyles);
        bChanged |= FloatCell(pGrid, nRow, nCol, pChanged, bUseGridStyles);
    } else {
        bChanged |= FloatCell(pGrid, nRow, nCol, pChanged, bUseGridStyles);
        bChanged |= FloatCell(pGrid, nRow, nLeft, pChanged, bUseGridStyles);
    }
    return bChanged;
}

BOOL CGXGridFloatCellsImp::FloatCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                                     BOOL bUseGridStyles)
{
    if (pGrid->GetFloatCellsMode() == 0 || nRow <= pGrid->GetHeaderRows() || nCol <= pGrid->GetHeaderCols())
        return FALSE;
    CGXSpanStyleCache::Scope scope(m_styles);
    CGXCellRange span;
    ROWCOL nAnchor = nCol, nOldEnd = nCol;
    if (GetFloatedCellsRowCol(pGrid, nRow, nCol, span)) {
        nAnchor = span.left;
        nOldEnd = span.right;
    }
    CGXControl* pControl = nullptr;
    const CGXStyle& style = CellStyle(pGrid, nRow, nAnchor, bUseGridStyles, pControl);
    ROWCOL nNewEnd = nAnchor;
    if (CanFloatCell(pGrid, pControl, nRow, nAnchor, style, TRUE)) {
        CDC* pDC = pGrid->GetClientDC();
        int nRemaining =
            pControl->CalcSize(pDC, nRow, nAnchor, style, &pGrid->GetStandardStyle(), FALSE).cx;
        const ROWCOL nCols = pGrid->GetColCount();
        ROWCOL d = 0;
        while (nAnchor + d < nCols) {
            const int nWidth = pGrid->GetColWidth(nAnchor + d);
            if (nWidth >= nRemaining)
                break;
            CGXControl* pNextControl = nullptr;
            const CGXStyle& next = CellStyle(pGrid, nRow, nAnchor + d + 1, bUseGridStyles, pNextControl);
            if (!CanFloatCell(pGrid, pNextControl, nRow, nAnchor + d + 1, next, FALSE))
                break;
            nRemaining -= nWidth;
            ++d;
        }
        nNewEnd = nAnchor + d;
    }
    if (nNewEnd == nOldEnd)
        return FALSE;
    const BOOL bStored = SetFloatedCellsRowCol(pGrid, nRow, nAnchor, nRow, nNewEnd, 1);
    if (bStored && pChanged != nullptr) {
        if (!pChanged->IsValid())
            *pChanged = CGXCellRange(nRow, nAnchor, nRow, nAnchor);
        pChanged->UnionRange(*pChanged, CGXCellRange(nRow, nAnchor, nRow, std::max(nOldEnd, nNewEnd)));
    }
    return bStored;
}

BOOL CGXGridFloatCellsImp::CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                        const CGXStyle& style, BOOL bFloat)
{
    CGXCellRange span;
    if (pGrid->GetFloatCellsMode() == 0 || pControl == nullptr || pGrid->GetCoveredCellsRowCol(nRow, nCol, span) ||
        pGrid->GetMergedCellsRowCol(nRow, nCol, span, -1))
        return FALSE;
    if (bFloat) {
        if (!style.GetIncludeFloatCell() || !style.GetFloatCell())
            return FALSE;
    } else {
        // the first scrolled column is never spilled over: its text would vanish under a frozen one
        if (nCol == pGrid->GetFrozenCols() + 1 || !style.GetIncludeFloodCell() || !style.GetFloodCell())
            return FALSE;
    }
    return pControl->CanFloatCell(nRow, nCol, style, bFloat);
}

BOOL CGXGridFloatCellsImp::CanFloatStaticCell(CGXControl*, ROWCOL, ROWCOL, const CGXStyle& style, BOOL bFloat)
{
    const BOOL bEmpty = !style.GetIncludeValue() || style.GetValueRef().IsEmpty();
    if (!bFloat)
        return bEmpty;
    // rotated text never floats
    if (style.GetIncludeFont() && style.GetFontRef().GetIncludeOrientation() &&
        style.GetFontRef().GetOrientation() != 0)
        return FALSE;
    return !bEmpty;
}

BOOL CGXGridFloatCellsImp::SetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                                 ROWCOL nToCol, UINT nFlags)
{
    CGXCellRange old;
    ROWCOL nOldBottom = nRow, nOldRight = nCol;
    if (GetFloatedCellsRowCol(pGrid, nRow, nCol, old)) {
        nOldBottom = old.bottom;
        nOldRight = old.right;
    }
    if (!StoreFloatedCells(pGrid, nRow, nCol, nToRow, nToCol, nToRow != nRow || nToCol != nCol))
        return FALSE;
    if (!pGrid->m_bNoSpanRedraw)
        RedrawFloatedCells(pGrid, nRow, nCol, nOldBottom, nOldRight, nFlags, TRUE);
    return TRUE;
}

void CGXGridFloatCellsImp::RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                              ROWCOL nToCol, UINT nFlags, BOOL bCreateHint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && !pParam->IsLockRedraw()) {
        // the old extent (given) and the new one are both redrawn
        CGXCellRange span;
        if (GetFloatedCellsRowCol(pGrid, nRow, nCol, span)) {
            nToRow = std::max(nToRow, span.bottom);
            nToCol = std::max(nToCol, span.right);
        }
        pGrid->RedrawRange(CGXCellRange(nRow, nCol, nToRow, nToCol), nFlags);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr && pGrid->GetDocumentLink())
        pGrid->m_pUpdateHintImp->RedrawFloatedCells(pGrid, nRow, nCol, nToRow, nToCol, nFlags);
}

BOOL CGXGridFloatCellsImp::StoreFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                             ROWCOL nToCol, BOOL bSet)
{
    CGXSpanCellPool* pPool = pGrid->GetFloatCellsMode() != 0 ? pGrid->GetFloatCellsPool() : nullptr;
    return pPool != nullptr && pPool->SetRange(nRow, nCol, nToRow, nToCol, bSet);
}

CGXCellRange* CGXGridFloatCellsImp::GetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                          CGXCellRange& range)
{
    range = CGXCellRange(nRow, nCol, nRow, nCol);
    CGXSpanCellPool* pPool = pGrid->GetFloatCellsMode() != 0 ? pGrid->GetFloatCellsPool() : nullptr;
    return pPool != nullptr && pPool->GetSpan(nRow, nCol, range) ? &range : nullptr;
}

void CGXGridFloatCellsImp::ExpandFloatedRange(CGXGridCore* pGrid, CGXCellRange& range)
{
    if (pGrid->GetFloatCellsMode() == 0 || !range.IsValid() || !range.IsCells())
        return;
    // the bounds are read at every step: a span joined grows the scan
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol) {
            CGXCellRange span;
            if (!GetFloatedCellsRowCol(pGrid, nRow, nCol, span))
                continue;
            range.UnionRange(range, span);
            nCol = span.right;
        }
    }
}

}  // namespace

CGXAbstractGridFloatCellsImp* GXCreateFloatCellsImp()
{
    return new CGXGridFloatCellsImp;
}
