// Covered cells: the covered-cell pool, its process-wide module and the per-grid module (see
// GXCoveredCellsImp.h and GXCoveredCellPool.h).
#include "grid/ops/GXCoveredCellsImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXCommandFactory.h"
#include "grid/ops/GXCoveredCellPool.h"
#include "grid/ops/GXUpdateHintImp.h"

#include <algorithm>
#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CGXCoveredCellPool, CObject)

namespace {

const ROWCOL kMaxIndex = 0x7FFFFFFE;

POSITION EntryAt(const CPtrArray* pArray, ROWCOL nCol)
{
    return pArray != nullptr && nCol < ROWCOL(pArray->GetSize()) ? static_cast<POSITION>(pArray->GetAt(int32_t(nCol)))
                                                                 : nullptr;
}

}  // namespace

// ---- CGXCoveredCellPool -----------------------------------------------------------------------------

POSITION CGXCoveredCellPool::GetCell(ROWCOL nRow, ROWCOL nCol) const
{
    if (nRow >= ROWCOL(m_apRows.GetSize()))
        return nullptr;
    return EntryAt(m_apRows.GetArrayAt(int32_t(nRow)), nCol);
}

BOOL CGXCoveredCellPool::SetRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos)
{
    if ((nTop == nBottom && nLeft == nRight) || nBottom > kMaxIndex || nRight > kMaxIndex || nTop > nBottom ||
        nLeft > nRight)
        return FALSE;
    auto rowArray = [&](ROWCOL nRow) {
        return nRow < ROWCOL(m_apRows.GetSize()) ? m_apRows.GetArrayAt(int32_t(nRow)) : nullptr;
    };
    if (pos != nullptr) {
        // every row is checked before any is written, so a refusal leaves the pool as it was
        for (ROWCOL nRow = nTop; nRow <= nBottom; ++nRow) {
            const POSITION at = EntryAt(rowArray(nRow), nLeft);
            if (at != nullptr && at != pos)
                return FALSE;
        }
    }
    BOOL bAny = FALSE;
    for (ROWCOL nRow = nTop; nRow <= nBottom; ++nRow) {
        CPtrArray* pArray = rowArray(nRow);
        if (pos == nullptr) {
            const POSITION first = EntryAt(pArray, nLeft);
            if (first == nullptr)
                continue;
            for (ROWCOL c = nLeft; c < ROWCOL(pArray->GetSize()) && pArray->GetAt(int32_t(c)) == first; ++c)
                pArray->SetAt(int32_t(c), nullptr);
            bAny = TRUE;
            continue;
        }
        if (pArray == nullptr) {
            std::unique_ptr<CPtrArray> pNew(new CPtrArray);
            m_apRows.SetAtGrow(int32_t(nRow), pNew.get());
            pArray = pNew.release();
        }
        if (ROWCOL(pArray->GetSize()) <= nRight)
            pArray->SetSize(int32_t(nRight) + 1);
        for (ROWCOL c = nLeft; c <= nRight; ++c)
            pArray->SetAt(int32_t(c), pos);
        // a shorter covering replaces a longer one
        for (ROWCOL c = nRight + 1; c < ROWCOL(pArray->GetSize()) && pArray->GetAt(int32_t(c)) == pos; ++c)
            pArray->SetAt(int32_t(c), nullptr);
        bAny = TRUE;
    }
    return bAny;
}

void CGXCoveredCellPool::DeleteAll()
{
    for (int32_t i = 0; i < m_apRows.GetSize(); ++i)
        delete m_apRows.GetArrayAt(i);
    m_apRows.RemoveAll();
}

namespace {

// ---- CGXCoveredCellPoolImp ------------------------------------------------------------------------------

class CGXCoveredCellPoolImp : public CGXAbstractCoveredCellPoolImp {
public:
    CGXCoveredCellPool* CreatePool() override { return new CGXCoveredCellPool; }
    void RebuildPool(CGXCoveredCellPool* pPool, CPtrList& coveredRanges) override
    {
        pPool->DeleteAll();
        for (POSITION pos = coveredRanges.GetHeadPosition(); pos != nullptr;) {
            const POSITION at = pos;
            const auto* pRange = static_cast<const CGXCellRange*>(coveredRanges.GetNext(pos));
            pPool->SetRange(pRange->top, pRange->left, pRange->bottom, pRange->right, at);
        }
    }
};

// ---- CGXGridCoveredCellsImp ---------------------------------------------------------------------------

class CGXGridCoveredCellsImp : public CGXAbstractGridCoveredCellsImp {
public:
    BOOL SetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                               UINT nFlags, int nCommandType) override;
    CGXCellRange* GetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) override;
    BOOL StoreCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                 BOOL bSet) override;
    void UpdateCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                  UINT nFlags, BOOL bCreateHint) override;
    void ExpandCoveredRange(CGXGridCore* pGrid, CGXCellRange& range) override;
    BOOL OnRemoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, BOOL bSkip) override
    {
        return OnRemoveLines(pGrid, TRUE, nFrom, nTo, nFlags, bSkip);
    }
    BOOL OnRemoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, BOOL bSkip) override
    {
        return OnRemoveLines(pGrid, FALSE, nFrom, nTo, nFlags, bSkip);
    }

private:
    BOOL OnRemoveLines(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, BOOL bSkip);
};

// The parameter's covered-cell pool, made and filled from the list when it has none yet (null without
// a parameter object or the process-wide pool module).
CGXCoveredCellPool* CoveredPool(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    if (CGXCoveredCellPool* pPool = pParam->GetCoveredCellPool())
        return pPool;
    CGXAbstractCoveredCellPoolImp* pImp = GXGetLibraryState()->m_pCoveredCellPoolImp;
    if (pImp == nullptr)
        return nullptr;
    pParam->SetCoveredCellPool(pImp->CreatePool());
    pImp->RebuildPool(pParam->GetCoveredCellPool(), pParam->GetCoveredRanges());
    return pParam->GetCoveredCellPool();
}

CGXCellRange* CGXGridCoveredCellsImp::GetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                            CGXCellRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (nRow > kMaxIndex || nCol > kMaxIndex || pParam == nullptr || pParam->GetCoveredRanges().IsEmpty())
        return nullptr;
    CGXCoveredCellPool* pPool = CoveredPool(pGrid);
    const POSITION pos = pPool != nullptr ? pPool->GetCell(nRow, nCol) : nullptr;
    if (pos == nullptr)
        return nullptr;
    range = *pParam->GetCoveredRanges().GetRangeAt(pos);
    return &range;
}

BOOL CGXGridCoveredCellsImp::StoreCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                                     ROWCOL nToCol, BOOL bSet)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || nRow > kMaxIndex || nCol > kMaxIndex || nToRow > kMaxIndex || nToCol > kMaxIndex)
        return FALSE;
    if (pParam->GetReadOnlyGuard()) {
        const CGXStyle& standard = pGrid->GetStandardStyle();
        if (pGrid->IsReadOnly() || (standard.GetIncludeReadOnly() && standard.GetReadOnly()))
            return FALSE;
    }
    CGXCoveredCellPool* pPool = CoveredPool(pGrid);
    if (pPool == nullptr)
        return FALSE;
    CGXRangeList& list = pParam->GetCoveredRanges();
    const POSITION pos = pPool->GetCell(nRow, nCol);
    CGXCellRange* pOld = pos != nullptr ? list.GetRangeAt(pos) : nullptr;
    const BOOL bAnchored = pOld != nullptr && pOld->top == nRow && pOld->left == nCol;
    try {
        if (!bSet) {
            if (!bAnchored)
                return FALSE;
            pPool->SetRange(pOld->top, pOld->left, pOld->bottom, pOld->right, nullptr);
            list.RemoveAt(pos);
            delete pOld;
            return TRUE;
        }
        const CGXCellRange block(nRow, nCol, nToRow, nToCol);
        if (block.top != nRow || block.left != nCol)
            return FALSE;  // the anchor is the block's top-left cell
        // the block may meet no other covering (the one anchored at its own top-left it replaces)
        for (POSITION p = list.GetHeadPosition(); p != nullptr;) {
            const POSITION at = p;
            const CGXCellRange* pRange = static_cast<const CGXCellRange*>(list.GetNext(p));
            CGXCellRange meet;
            if (!(bAnchored && at == pos) && meet.IntersectRange(*pRange, block))
                return FALSE;
        }
        if (bAnchored) {
            if (pOld->bottom == nToRow && pOld->right == nToCol)
                return FALSE;
            // the cells the smaller block drops belong to no covering any more
            pPool->SetRange(pOld->top, pOld->left, pOld->bottom, pOld->right, nullptr);
            *pOld = block;
            return pPool->SetRange(nRow, nCol, nToRow, nToCol, pos);
        }
        const POSITION added = list.AddRange(block);
        if (!pPool->SetRange(nRow, nCol, nToRow, nToCol, added)) {
            delete list.GetRangeAt(added);
            list.RemoveAt(added);
            return FALSE;
        }
        return TRUE;
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
}

BOOL CGXGridCoveredCellsImp::SetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                                   ROWCOL nToCol, UINT nFlags, int nCommandType)
{
    CGXCellRange old;
    ROWCOL nOldBottom = nRow, nOldRight = nCol;
    if (pGrid->GetCoveredCellsRowCol(nRow, nCol, old)) {
        nOldBottom = old.bottom;
        nOldRight = old.right;
    }
    if (!pGrid->StoreCoveredCellsRowCol(nRow, nCol, nToRow, nToCol, nToRow != nRow || nToCol != nCol))
        return FALSE;
    CGXCellRange affected(nRow, nCol, std::max(nToRow, nOldBottom), std::max(nToCol, nOldRight));
    // covered cells neither float nor merge: their neighbourhood is worked out again at once
    pGrid->DelayFloatCells(affected, ROWCOL(-1));
    pGrid->DelayMergeCells(affected, ROWCOL(-1), ROWCOL(-1));
    CGXCellRange changed;
    pGrid->EvalMergeCells(affected, FALSE, &changed);
    pGrid->EvalFloatCells(affected, FALSE, &changed);
    if (changed.IsValid())
        affected.UnionRange(affected, changed);
    pGrid->UpdateCoveredCellsRowCol(affected.top, affected.left, affected.bottom, affected.right, nFlags, TRUE);

    CGXAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
    if (pFactory != nullptr && nCommandType != CGXGridCore::gxRollback && pGrid->GetParam()->IsEnableUndo()) {
        pGrid->AddCommand(pFactory->CreateSetCoveredCellsCmd(nRow, nCol, nOldBottom, nOldRight), nCommandType);
        if (nCommandType == CGXGridCore::gxUndo || nCommandType == CGXGridCore::gxRedo)
            pFactory->SetCurrentCellAfterUndo(pGrid, nRow, nCol, 1);
    }
    return TRUE;
}

void CGXGridCoveredCellsImp::UpdateCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                                      ROWCOL nToCol, UINT nFlags, BOOL bCreateHint)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && !pParam->IsLockRedraw()) {
        CGXCellRange covering;
        if (pGrid->GetCoveredCellsRowCol(nRow, nCol, covering)) {
            nToRow = std::max(nToRow, covering.bottom);
            nToCol = std::max(nToCol, covering.right);
            // a current cell inside the covering goes to its anchor
            ROWCOL nCurRow, nCurCol;
            if (pGrid->GetCurrentCell(nCurRow, nCurCol, TRUE) && covering.IsCellInRange(nCurRow, nCurCol) &&
                (nCurRow != nRow || nCurCol != nCol))
                pGrid->SetCurrentCell(nRow, nCol, nFlags | 8);
        }
        pGrid->RedrawRange(CGXCellRange(nRow, nCol, nToRow, nToCol), nFlags);
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr && pGrid->GetDocumentLink())
        pGrid->m_pUpdateHintImp->SetCoveredCellsRange(pGrid, nRow, nCol, nToRow, nToCol, nFlags);
}

void CGXGridCoveredCellsImp::ExpandCoveredRange(CGXGridCore* pGrid, CGXCellRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !range.IsValid())
        return;
    // every covering the range meets joins it, until none is cut (a joined covering may reach others)
    const CGXRangeList& list = pParam->GetCoveredRanges();
    for (BOOL bGrew = TRUE; bGrew;) {
        bGrew = FALSE;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const CGXCellRange& covering = *static_cast<const CGXCellRange*>(list.GetNext(pos));
            CGXCellRange meet, joined;
            if (!meet.IntersectRange(range, covering))
                continue;
            joined.UnionRange(range, covering);
            if (joined.top != range.top || joined.left != range.left || joined.bottom != range.bottom ||
                joined.right != range.right || joined.rtType != range.rtType) {
                range = joined;
                bGrew = TRUE;
            }
        }
    }
}

BOOL CGXGridCoveredCellsImp::OnRemoveLines(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags,
                                           BOOL bSkip)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (bSkip || pParam == nullptr || pParam->GetCoveredRanges().IsEmpty())
        return FALSE;
    // the coverings change while they are walked: work on a copy
    std::vector<CGXCellRange> coverings;
    const CGXRangeList& list = pParam->GetCoveredRanges();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        coverings.push_back(*static_cast<const CGXCellRange*>(list.GetNext(pos)));

    const BOOL bOldLock = pParam->IsLockRedraw();
    pParam->SetLockRedraw(TRUE);
    const CString* astrTexts = GXGetLibraryState()->m_astrTexts;
    pGrid->BeginTrans(astrTexts[bRows ? GridLibraryState::gxRemovingRows : GridLibraryState::gxRemovingCols]);
    BOOL bChanged = FALSE;
    try {
        for (const CGXCellRange& c : coverings) {
            const ROWCOL nFirst = bRows ? c.top : c.left, nLast = bRows ? c.bottom : c.right;
            if (nFirst >= nFrom && nFirst <= nTo) {
                bChanged |= pGrid->SetCoveredCellsRowCol(c.top, c.left, c.top, c.left, nFlags, CGXGridCore::gxDo);
            } else if (nFirst < nFrom && nLast >= nFrom && nLast <= nTo) {
                // cut back to the lines above the removed ones
                bChanged |= pGrid->SetCoveredCellsRowCol(c.top, c.left, c.top, c.left, nFlags, CGXGridCore::gxDo);
                pGrid->SetCoveredCellsRowCol(c.top, c.left, bRows ? nFrom - 1 : c.bottom, bRows ? c.right : nFrom - 1,
                                             nFlags, CGXGridCore::gxDo);
            }
        }
    } catch (...) {
        pParam->SetLockRedraw(bOldLock);
        pGrid->CommitTrans();
        throw;
    }
    pGrid->CommitTrans();
    pParam->SetLockRedraw(bOldLock);
    if (bChanged)
        nFlags = 1;
    return bChanged;
}

}  // namespace

CGXAbstractGridCoveredCellsImp* GXCreateCoveredCellsImp()
{
    return new CGXGridCoveredCellsImp;
}

CGXAbstractCoveredCellPoolImp* GXCreateCoveredCellPoolImp()
{
    return new CGXCoveredCellPoolImp;
}
