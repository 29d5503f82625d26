// Merged cells: the per-grid module (see GXMergeCellsImp.h).
#include "grid/ops/GXMergeCellsImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXSpanCellPool.h"
#include "grid/ops/GXSpanEvaluation.h"
#include "grid/ops/GXUpdateHintImp.h"

#include <algorithm>
#include <cstring>

namespace {

// Mode bits beside the evaluation kind (bits 0-1).
const WORD kNoVertical = 4;
const WORD kNoHorizontal = 8;
// MergeCell flags of a style.
const UINT kMergeHorz = 1;
const UINT kMergeVert = 2;
const UINT kMergeValuesOnly = 4;

// One cell of a pair along a direction: the line is the row of a horizontal pair (direction 0) and the
// column of a vertical one (direction 1); the position runs along it.
struct Axis {
    int nDirection;
    ROWCOL Row(ROWCOL nLine, ROWCOL nPos) const { return nDirection == 0 ? nLine : nPos; }
    ROWCOL Col(ROWCOL nLine, ROWCOL nPos) const { return nDirection == 0 ? nPos : nLine; }
    ROWCOL First(const CGXCellRange& r) const { return nDirection == 0 ? r.left : r.top; }
    ROWCOL Last(const CGXCellRange& r) const { return nDirection == 0 ? r.right : r.bottom; }
};

class CGXGridMergeCellsImp : public CGXAbstractGridMergeCellsImp {
public:
    void SetMergeCellsMode(CGXGridCore* pGrid, int nMode, BOOL bRedraw) override;
    void DelayMergeCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nMaxRow, ROWCOL nMaxCol) override;
    BOOL EvalMergeCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked, CGXCellRange* pChanged,
                        BOOL bUseGridStyles) override;
    CGXCellRange* GetMergedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range,
                                       int nDirection) override;
    BOOL CanMergeCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      int nDirection) override;
    BOOL CanMergeStyles(CGXGridCore* pGrid, const CGXStyle& style1, const CGXStyle& style2) override;
    BOOL SetMergedCellsRowCol(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                              ROWCOL nToCol, UINT nFlags) override;
    void RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags,
                           BOOL bCreateHint) override;
    void ExpandMergedRange(CGXGridCore* pGrid, CGXCellRange& range) override;

private:
    BOOL EvalCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged, BOOL bUseGridStyles);
    // Merges or splits the neighbours a (before) and b on nLine. TRUE when a span changed.
    BOOL MergePair(CGXGridCore* pGrid, const Axis& axis, ROWCOL nLine, ROWCOL a, ROWCOL b, CGXCellRange* pChanged,
                   BOOL bUseGridStyles);
    // The pairs from the last stored span's edge on, towards the start (bBackward) or the end, while
    // they change something.
    BOOL ContinueChain(CGXGridCore* pGrid, const Axis& axis, ROWCOL nLine, BOOL bBackward, ROWCOL nEnd,
                       CGXCellRange* pChanged, BOOL bUseGridStyles);

    // The span SetMergedCellsRowCol stored last, read by the evaluation to go on along a chain.
    CGXCellRange m_lastSpan;
    CGXSpanStyleCache m_styles;
};

WORD RawMode(CGXGridCore* pGrid)
{
    return pGrid->GetParam() != nullptr ? pGrid->GetParam()->GetMergeCellsMode() : 0;
}

CGXSpanCellPool* Pool(CGXGridCore* pGrid, int nDirection)
{
    return pGrid->GetParam()->GetSpanPool(nDirection == 0 ? CGXGridParam::gxMergeHorzPool
                                                          : CGXGridParam::gxMergeVertPool);
}

// range as cells within rows 0..row count and columns 0..column count; FALSE when nothing is left.
BOOL ToCells(CGXGridCore* pGrid, CGXCellRange& range)
{
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    if (!range.IsValid())
        return FALSE;
    range.ExpandToCells(0, 0, nRows, nCols);
    range.bottom = std::min(range.bottom, nRows);
    range.right = std::min(range.right, nCols);
    return range.top <= range.bottom && range.left <= range.right;
}

void CGXGridMergeCellsImp::SetMergeCellsMode(CGXGridCore* pGrid, int nMode, BOOL bRedraw)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return;
    if (WORD(nMode) != pParam->GetMergeCellsMode()) {
        pParam->SetMergeCellsMode(WORD(nMode));
        // the spans are worked out again from nothing
        pParam->SetDelayedRangePool(CGXGridParam::gxMergeDelayed, nullptr);
        pParam->SetSpanPool(CGXGridParam::gxMergeHorzPool, nullptr);
        pParam->SetSpanPool(CGXGridParam::gxMergeVertPool, nullptr);
        pParam->MatchSpanPoolsToModes();
        if (pGrid->GetMergeCellsMode() == 1)
            DelayMergeCells(pGrid, CGXCellRange().SetTable(), ROWCOL(-1), ROWCOL(-1));
    }
    if (bRedraw)
        pGrid->Redraw(2, TRUE);
}

void CGXGridMergeCellsImp::DelayMergeCells(CGXGridCore* pGrid, const CGXCellRange& rangeIn, ROWCOL nMaxRow,
                                           ROWCOL nMaxCol)
{
    if (pGrid->GetMergeCellsMode() != 1)
        return;
    CGXDelayedRangePool* pPool = pGrid->GetParam()->GetDelayedRangePool(CGXGridParam::gxMergeDelayed);
    CGXCellRange range = rangeIn;
    if (pPool == nullptr || !range.IsValid())
        return;
    const ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    range.ExpandToCells(0, 0, nRows, nCols);
    // a span may reach over hidden lines: the queue takes them with it
    while (range.top > 0 && pGrid->IsRowHidden(range.top))
        --range.top;
    while (range.bottom < nRows && pGrid->IsRowHidden(range.bottom))
        ++range.bottom;
    while (range.left > 0 && pGrid->IsColHidden(range.left))
        --range.left;
    while (range.right < nCols && pGrid->IsColHidden(range.right))
        ++range.right;
    pPool->AddRange(range);
    if (nMaxRow != ROWCOL(-1))
        pPool->ClampRows(nMaxRow);
    if (nMaxCol != ROWCOL(-1))
        pPool->ClampCols(nMaxCol);
}

BOOL CGXGridMergeCellsImp::EvalMergeCells(CGXGridCore* pGrid, const CGXCellRange& rangeIn, BOOL bAlreadyLocked,
                                          CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    const WORD wKind = pGrid->GetMergeCellsMode();
    CGXCellRange range = rangeIn;
    if (pGrid->m_nLockMergeEval != 0 || wKind == 0 || !ToCells(pGrid, range))
        return FALSE;
    CGXSpanStyleCache::Scope scope(m_styles);
    BOOL bChanged = FALSE;
    if (wKind == 2) {
        CGXSpanRedrawLock lock(pGrid->GetParam(), bAlreadyLocked);
        for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
            if (pGrid->IsRowHidden(nRow))
                continue;
            for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol)
                if (!pGrid->IsColHidden(nCol))
                    bChanged |= EvalCell(pGrid, nRow, nCol, pChanged, bUseGridStyles);
            m_styles.Empty();
        }
        return bChanged;
    }
    // delayed: only the queued cells, hidden ones included (their spans reach over them)
    CGXDelayedRangePool* pPool = pGrid->GetParam()->GetDelayedRangePool(CGXGridParam::gxMergeDelayed);
    CDWordArray firstCols, lastCols;
    if (pPool == nullptr || !pPool->GetPendingColumns(range, firstCols, lastCols))
        return FALSE;
    pPool->RemoveDone();
    CGXSpanRedrawLock lock(pGrid->GetParam(), bAlreadyLocked);
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        const int32_t k = int32_t(nRow - range.top);
        if (firstCols[k] == DWORD(-1))
            continue;
        for (ROWCOL nCol = firstCols[k]; nCol <= lastCols[k]; ++nCol)
            bChanged |= EvalCell(pGrid, nRow, nCol, pChanged, bUseGridStyles);
        m_styles.Empty();
    }
    return bChanged;
}

BOOL CGXGridMergeCellsImp::EvalCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                                    BOOL bUseGridStyles)
{
    const WORD wMode = RawMode(pGrid);
    BOOL bChanged = FALSE;
    // along the row, then down the column; vertical pairs always read the grid's styles (the cache
    // holds one row), and a vertical chain goes on upward only
    for (int d = 0; d < 2; ++d) {
        if (wMode & (d == 0 ? kNoHorizontal : kNoVertical))
            continue;
        const Axis axis{d};
        const ROWCOL nLine = d == 0 ? nRow : nCol, nPos = d == 0 ? nCol : nRow;
        const ROWCOL nCount = d == 0 ? pGrid->GetColCount() : pGrid->GetRowCount();
        const BOOL bStyles = d == 0 ? bUseGridStyles : TRUE;
        // with mode bit 0 the neighbour is the next line that is not hidden
        auto hidden = [&](ROWCOL n) {
            return (wMode & 1) && (d == 0 ? pGrid->IsColHidden(n) : pGrid->IsRowHidden(n));
        };
        m_lastSpan = CGXCellRange();
        if (nPos > 0 && nPos <= nCount) {
            ROWCOL nBefore = nPos - 1;
            while (nBefore > 0 && hidden(nBefore))
                --nBefore;
            if (MergePair(pGrid, axis, nLine, nBefore, nPos, pChanged, bStyles)) {
                bChanged = TRUE;
                ContinueChain(pGrid, axis, nLine, TRUE, 0, pChanged, bStyles);
            }
        }
        m_lastSpan = CGXCellRange();
        if (nPos < nCount) {
            ROWCOL nAfter = nPos + 1;
            while (nAfter < nCount && hidden(nAfter))
                ++nAfter;
            if (MergePair(pGrid, axis, nLine, nPos, nAfter, pChanged, bStyles)) {
                bChanged = TRUE;
                if (d == 0)
                    ContinueChain(pGrid, axis, nLine, FALSE, nCount, pChanged, bStyles);
            }
        }
    }
    return bChanged;
}

BOOL CGXGridMergeCellsImp::ContinueChain(CGXGridCore* pGrid, const Axis& axis, ROWCOL nLine, BOOL bBackward,
                                         ROWCOL nEnd, CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    BOOL bChanged = FALSE;
    while (m_lastSpan.IsValid()) {
        const ROWCOL d = bBackward ? axis.First(m_lastSpan) : axis.Last(m_lastSpan);
        if (bBackward ? d == nEnd : d >= nEnd)
            break;
        m_lastSpan = CGXCellRange();
        const ROWCOL a = bBackward ? d - 1 : d, b = bBackward ? d : d + 1;
        if (!MergePair(pGrid, axis, nLine, a, b, pChanged, bUseGridStyles))
            break;
        bChanged = TRUE;
        // a chain only goes on when the new span reaches beyond the pair
        if (m_lastSpan.IsValid() && (bBackward ? axis.First(m_lastSpan) >= d : axis.Last(m_lastSpan) <= d))
            break;
    }
    return bChanged;
}

BOOL CGXGridMergeCellsImp::MergePair(CGXGridCore* pGrid, const Axis& axis, ROWCOL nLine, ROWCOL a, ROWCOL b,
                                     CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    const int d = axis.nDirection;
    const ROWCOL nRowA = axis.Row(nLine, a), nColA = axis.Col(nLine, a);
    const ROWCOL nRowB = axis.Row(nLine, b), nColB = axis.Col(nLine, b);
    CGXCellRange spanA(nRowA, nColA, nRowA, nColA), spanB(nRowB, nColB, nRowB, nColB);
    const BOOL bHadA = GetMergedCellsRowCol(pGrid, nRowA, nColA, spanA, d) != nullptr;
    const BOOL bHadB = GetMergedCellsRowCol(pGrid, nRowB, nColB, spanB, d) != nullptr;

    const WORD wMode = RawMode(pGrid);
    if (d == 0 && (wMode & 1) && (pGrid->IsRowHidden(nLine) || pGrid->IsColHidden(b)))
        return TRUE;  // a hidden cell is passed over: the chain goes on beyond it

    auto style = [&](ROWCOL nRow, ROWCOL nCol) -> const CGXStyle& {
        return bUseGridStyles || d == 1 ? *pGrid->LookupStyleRowCol(nRow, nCol) : m_styles.Get(pGrid, nRow, nCol);
    };
    const CGXStyle& styleA = style(nRowA, nColA);
    const CGXStyle& styleB = style(nRowB, nColB);
    CGXControl* pControlA = pGrid->GetRegisteredControl(styleA.GetControl());
    CGXControl* pControlB = pGrid->GetRegisteredControl(styleB.GetControl());

    // a store that fails (memory) changes nothing and ends the chain there
    BOOL bFailed = FALSE;
    auto checked = [&](BOOL bStored) {
        bFailed = bFailed || !bStored;
        return bStored;
    };
    auto dissolve = [&](const CGXCellRange& span) {
        return checked(SetMergedCellsRowCol(pGrid, d, span.top, span.left, span.top, span.left, 2));
    };
    // span from position p to q along the line, keeping its extent across it
    auto store = [&](const CGXCellRange& span, ROWCOL p, ROWCOL q) {
        return checked(d == 0 ? SetMergedCellsRowCol(pGrid, d, span.top, p, span.bottom, q, 2)
                              : SetMergedCellsRowCol(pGrid, d, p, span.left, q, span.right, 2));
    };
    BOOL bChanged = FALSE;
    if (CanMergeCell(pGrid, pControlA, nRowA, nColA, styleA, d) &&
        CanMergeCell(pGrid, pControlB, nRowB, nColB, styleB, d) && CanMergeStyles(pGrid, styleA, styleB)) {
        if (axis.Last(spanA) == axis.Last(spanB))
            return FALSE;
        if (bHadB)
            bChanged |= dissolve(spanB);
        bChanged |= store(spanA, axis.First(spanA), axis.Last(spanB));
    } else {
        if (bHadA && axis.Last(spanA) >= b) {
            bChanged |= dissolve(spanA);
            if (axis.First(spanA) < a)
                bChanged |= store(spanA, axis.First(spanA), a);
        }
        if (bHadB && axis.First(spanB) <= a) {
            if (axis.Last(spanB) != axis.Last(spanA))
                bChanged |= dissolve(spanB);
            if (b < axis.Last(spanB))
                bChanged |= store(spanB, b, axis.Last(spanB));
        }
    }
    if (bFailed)
        m_lastSpan = CGXCellRange();
    if (bChanged && pChanged != nullptr) {
        if (!pChanged->IsValid())
            *pChanged = CGXCellRange(nRowB, nColB, nRowB, nColB);
        pChanged->top = std::min(pChanged->top, spanA.top);
        pChanged->left = std::min(pChanged->left, spanA.left);
        pChanged->bottom = std::max(pChanged->bottom, spanB.bottom);
        pChanged->right = std::max(pChanged->right, spanB.right);
    }
    return bChanged;
}

CGXCellRange* CGXGridMergeCellsImp::GetMergedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                         CGXCellRange& range, int nDirection)
{
    if (pGrid->GetMergeCellsMode() == 0)
        return nullptr;
    range = CGXCellRange(nRow, nCol, nRow, nCol);
    BOOL bFound = FALSE;
    for (int d = 0; d < 2; ++d) {
        CGXSpanCellPool* pPool = Pool(pGrid, d);
        if ((nDirection == -1 || nDirection == d) && pPool != nullptr)
            bFound |= pPool->GetSpan(nRow, nCol, range);
    }
    return bFound ? &range : nullptr;
}

BOOL CGXGridMergeCellsImp::CanMergeCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                                        const CGXStyle& style, int nDirection)
{
    if (pGrid->GetMergeCellsMode() == 0)
        return FALSE;
    const WORD wMode = RawMode(pGrid);
    if ((wMode & 1) && (pGrid->IsRowHidden(nRow) || pGrid->IsColHidden(nCol)))
        return TRUE;
    if (!style.GetIncludeMergeCell())
        return FALSE;
    const UINT nMerge = style.GetMergeCell();
    const BOOL bAllowed = (nDirection == 0 && (nMerge & kMergeHorz) && !(wMode & kNoHorizontal)) ||
                          (nDirection == 1 && (nMerge & kMergeVert) && !(wMode & kNoVertical));
    CGXCellRange covered;
    if (!bAllowed || pGrid->GetCoveredCellsRowCol(nRow, nCol, covered))
        return FALSE;
    return pControl != nullptr ? pControl->HasValueText(nRow, nCol, style)
                               : style.GetIncludeValue() && !style.GetValueRef().IsEmpty();
}

BOOL CGXGridMergeCellsImp::CanMergeStyles(CGXGridCore*, const CGXStyle& style1, const CGXStyle& style2)
{
    if (!style1.GetIncludeMergeCell() || !style2.GetIncludeMergeCell())
        return FALSE;
    if ((style1.GetMergeCell() & kMergeValuesOnly) && (style2.GetMergeCell() & kMergeValuesOnly))
        return std::strcmp(style1.GetValueRef().GetString(), style2.GetValueRef().GetString()) == 0;
    return style1.IsSubSet(style2) && style2.IsSubSet(style1);
}

BOOL CGXGridMergeCellsImp::SetMergedCellsRowCol(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol,
                                                ROWCOL nToRow, ROWCOL nToCol, UINT nFlags)
{
    if (pGrid->GetMergeCellsMode() == 0 || (nDirection != 0 && nDirection != 1))
        return FALSE;
    CGXSpanCellPool* pPool = Pool(pGrid, nDirection);
    CGXCellRange old;
    ROWCOL nOldBottom = nRow, nOldRight = nCol;
    if (GetMergedCellsRowCol(pGrid, nRow, nCol, old, nDirection)) {
        nOldBottom = old.bottom;
        nOldRight = old.right;
    }
    if (pPool == nullptr || !pPool->SetRange(nRow, nCol, nToRow, nToCol, nToRow != nRow || nToCol != nCol))
        return FALSE;
    m_lastSpan = CGXCellRange(nRow, nCol, nToRow, nToCol);
    // merged cells do not float: their neighbourhood floats anew
    const CGXCellRange affected(nRow, nCol, std::max(nToRow, nOldBottom), std::max(nToCol, nOldRight));
    pGrid->DelayFloatCells(affected, ROWCOL(-1));
    if (!pGrid->m_bNoSpanRedraw)
        RedrawMergedCells(pGrid, nRow, nCol, affected.bottom, affected.right, nFlags, TRUE);
    return TRUE;
}

void CGXGridMergeCellsImp::RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                             ROWCOL nToCol, UINT nFlags, BOOL bCreateHint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && !pParam->IsLockRedraw()) {
        CGXCellRange span;
        if (GetMergedCellsRowCol(pGrid, nRow, nCol, span, -1)) {
            nToRow = std::max(nToRow, span.bottom);
            nToCol = std::max(nToCol, span.right);
        }
        pGrid->RedrawRange(CGXCellRange(nRow, nCol, nToRow, nToCol), nFlags);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr && pGrid->GetDocumentLink())
        pGrid->m_pUpdateHintImp->RedrawMergedCells(pGrid, nRow, nCol, nToRow, nToCol, nFlags);
}

void CGXGridMergeCellsImp::ExpandMergedRange(CGXGridCore* pGrid, CGXCellRange& range)
{
    if (pGrid->GetMergeCellsMode() == 0 || !range.IsValid() || !range.IsCells())
        return;
    // the bounds are read at every step: a span joined grows the scan
    for (int d = 0; d < 2; ++d) {
        const Axis axis{d};
        ROWCOL& nLineFirst = d == 0 ? range.top : range.left;
        ROWCOL& nLineLast = d == 0 ? range.bottom : range.right;
        ROWCOL& nPosFirst = d == 0 ? range.left : range.top;
        ROWCOL& nPosLast = d == 0 ? range.right : range.bottom;
        for (ROWCOL nLine = nLineFirst; nLine <= nLineLast; ++nLine) {
            for (ROWCOL nPos = nPosFirst; nPos <= nPosLast; ++nPos) {
                CGXCellRange span;
                if (!GetMergedCellsRowCol(pGrid, axis.Row(nLine, nPos), axis.Col(nLine, nPos), span, d))
                    continue;
                range.UnionRange(range, span);
                nPos = axis.Last(span);
            }
        }
    }
}

}  // namespace

CGXAbstractGridMergeCellsImp* GXCreateMergeCellsImp()
{
    return new CGXGridMergeCellsImp;
}
