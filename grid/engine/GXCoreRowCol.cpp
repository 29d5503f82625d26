// CGXGridCore: the row and column operations (counts, inserting, removing, moving, frozen and header
// lines, the top row and left column; see GXCore.h). Each row operation and its column twin is one
// operation of GXLineAxis.
#include "grid/engine/GXLineAxis.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXSpanCellPool.h"
#include "win/Win.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace {

// The saved state of a removal for its undo command, freed unless a command took it.
struct RemovedLines {
    std::unique_ptr<int[]> anSizes;
    CObArray* pBaseStyles = nullptr;
    CObArray* pCellStyles = nullptr;
    ~RemovedLines()
    {
        DeleteStyleArray(pBaseStyles);
        DeleteStyleArray(pCellStyles);
    }
};

void CheckOrder(const char* pszOperation, ROWCOL nFrom, ROWCOL nTo)
{
    if (nTo < nFrom)
        AfxThrowInvalidArgFormat("CGXGridCore::%s: the last %lu is before the first %lu", pszOperation,
                                 static_cast<unsigned long>(nTo), static_cast<unsigned long>(nFrom));
}

}  // namespace

// ---- the steps the operations share --------------------------------------------------------------------

template <class F>
BOOL GXLineAxis::StoreWithEngineUndo(int nCommandType, F store) const
{
    // formula undo information is made only when the operation records an undo command
    const BOOL bOld = g.SetEngineUndoOption(g.m_pParam != nullptr && g.m_pParam->IsEnableUndo() &&
                                            nCommandType != CGXGridCore::gxRollback);
    BOOL bStored;
    try {
        bStored = store();
    } catch (...) {
        g.SetEngineUndoOption(bOld);
        throw;
    }
    g.SetEngineUndoOption(bOld);
    if (!bStored)
        g.DiscardFormulaUndoInfo();
    return bStored;
}

void GXLineAxis::DelaySpans(ROWCOL nFrom, ROWCOL nTo) const
{
    // the spans' pools come with the span modules; the modules evaluate the lines again
    const CGXCellRange lines = Lines(nFrom, nTo);
    if (g.m_pParam->GetMergeCellsMode() & 3)
        g.DelayMergeCells(lines);
    if (!m_bRow && g.m_pParam->GetFloatCellsMode() != 0)
        g.DelayFloatCells(lines);
}

void GXLineAxis::ShiftSpans(ShiftKind kind, ROWCOL nFirst, ROWCOL nSecond, ROWCOL nDest) const
{
    CGXGridParam& param = *g.m_pParam;
    // both kinds of pool insert and remove alike; a move is the kind's own
    auto shift = [&](auto* pPool, auto move) {
        if (pPool == nullptr)
            return;
        if (kind == gxShiftInsert)
            m_bRow ? pPool->InsertRows(nFirst, nSecond) : pPool->InsertCols(nFirst, nSecond);
        else if (kind == gxShiftRemove)
            m_bRow ? pPool->RemoveRows(nFirst, nSecond) : pPool->RemoveCols(nFirst, nSecond);
        else
            move(*pPool);
    };
    for (int n = 0; n < CGXGridParam::gxSpanPoolCount; ++n)
        shift(param.GetSpanPool(CGXGridParam::SpanPool(n)), [&](CGXSpanCellPool& pool) {
            m_bRow ? pool.MoveRows(nFirst, nSecond, nDest) : pool.MoveCols(nFirst, nSecond, nDest);
        });
    for (int n = 0; n < CGXGridParam::gxDelayedPoolCount; ++n)
        shift(param.GetDelayedRangePool(CGXGridParam::DelayedRangePool(n)), [&](CGXDelayedRangePool& pool) {
            m_bRow ? pool.MarkRowsFrom(std::min(nFirst, nDest)) : pool.MarkColsFrom(std::min(nFirst, nDest));
        });
    CGXRangeList& covered = param.GetCoveredRanges();
    if (covered.IsEmpty())
        return;
    if (kind == gxShiftInsert)
        m_bRow ? covered.InsertRows(nFirst, nSecond) : covered.InsertCols(nFirst, nSecond);
    else if (kind == gxShiftRemove)
        m_bRow ? covered.RemoveRows(nFirst, nSecond, GX_MAXROWCOL) : covered.RemoveCols(nFirst, nSecond, GX_MAXROWCOL);
    else
        m_bRow ? covered.MoveRows(nFirst, nSecond, nDest, GX_MAXROWCOL)
               : covered.MoveCols(nFirst, nSecond, nDest, GX_MAXROWCOL);
    // coverings the removal left a single cell or nothing are gone
    for (POSITION pos = covered.GetHeadPosition(); pos != nullptr;) {
        const POSITION at = pos;
        CGXCellRange* pRange = static_cast<CGXCellRange*>(covered.GetNext(pos));
        if (!pRange->IsValid() || (pRange->top == pRange->bottom && pRange->left == pRange->right)) {
            delete pRange;
            covered.RemoveAt(at);
        }
    }
    CGXAbstractCoveredCellPoolImp* pImp = g.m_pAppData->m_pCoveredCellPoolImp;
    if (CGXCoveredCellPool* pPool = param.GetCoveredCellPool(); pPool != nullptr && pImp != nullptr)
        pImp->RebuildPool(pPool, covered);
}

// ---- counts ------------------------------------------------------------------------------------------

BOOL GXLineAxis::SetCount(ROWCOL nCount, UINT nFlags) const
{
    const ROWCOL nOld = Count();
    if (nCount == nOld)
        return TRUE;
    if (nCount < nOld)
        return m_bRow ? g.RemoveRows(nCount + 1, nOld, nFlags) : g.RemoveCols(nCount + 1, nOld, nFlags);
    return m_bRow ? g.InsertRows(nOld + 1, nCount - nOld, nullptr, nullptr, nullptr, OtherCount(), nFlags)
                  : g.InsertCols(nOld + 1, nCount - nOld, nullptr, nullptr, nullptr, OtherCount(), nFlags);
}

BOOL GXLineAxis::StoreCount(ROWCOL nCount) const
{
    CGXData* pData = g.IsStoreRefused() ? nullptr : g.m_pParam->GetData();
    if (pData == nullptr || !(m_bRow ? pData->SetRowCount(nCount) : pData->SetColCount(nCount)))
        return FALSE;
    g.SetModifiedFlag(TRUE);
    return TRUE;
}

void GXLineAxis::UpdateChangedCount(ROWCOL nOldCount, UINT nFlags, BOOL bCreateHint) const
{
    g.ResetLastVisible();
    g.HideCellTip();
    if (g.m_bCurrentValid && CurrentLine() > Count())
        g.ResetCurrentCell(FALSE);
    if (g.m_pParam != nullptr && !g.m_pParam->IsLockRedraw() && (nFlags & 7) != 0) {
        g.UpdateScrollbars(FALSE);
        // what follows the shorter of the two counts changed, where the window shows it
        const ROWCOL nKept = std::min(nOldCount, Count());
        if (CWnd* pWnd = g.GridHwndWnd(); pWnd != nullptr && nKept <= LastVisible() + 1) {
            const CRect rect = After(std::max(ToDisplay(nKept), 0));
            pWnd->InvalidateRect(&rect);
            if (nFlags & 2)
                pWnd->UpdateWindow();
        }
    }
    if (CGXAbstractGridUpdateHintImp* pHint = g.HintModule(bCreateHint)) {
        if (m_bRow)
            pHint->OnRowCountChanged(&g, nOldCount, nFlags & 7);
        else
            pHint->OnColCountChanged(&g, nOldCount, nFlags & 7);
    }
}

// ---- inserting -----------------------------------------------------------------------------------------

BOOL GXLineAxis::Insert(ROWCOL nFirst, ROWCOL nCount, const int* anSizes, const CObArray* pCellStyles,
                        const CObArray* pBaseStyles, ROWCOL nOtherCount, UINT nFlags, int nCommandType) const
{
    if (nCount == 0 || !g.TransferCurrentCell(TRUE))
        return FALSE;
    CGXLongOperation operation;
    const uint64_t nCells = uint64_t(nCount) * nOtherCount;
    // formula undo information rides behind the cells of the array
    CObject* pFormulaInfo = nullptr;
    if (pCellStyles != nullptr && uint64_t(pCellStyles->GetSize()) > nCells) {
        pFormulaInfo = pCellStyles->GetAt(int32_t(nCells));
        g.ApplyFormulaUndoInfo(pFormulaInfo, nCommandType == CGXGridCore::gxUndo, 1);
    }
    if (!StoreWithEngineUndo(nCommandType, [&] {
            return m_bRow ? g.StoreInsertRows(nFirst, nCount) : g.StoreInsertCols(nFirst, nCount);
        }))
        return FALSE;
    if (pFormulaInfo != nullptr)
        g.ApplyFormulaUndoInfo(pFormulaInfo, nCommandType == CGXGridCore::gxUndo, 2);
    for (ROWCOL i = 0; anSizes != nullptr && i < nCount; ++i)
        m_bRow ? g.StoreRowHeight(nFirst + i, anSizes[i]) : g.StoreColWidth(nFirst + i, anSizes[i]);
    if (pCellStyles != nullptr) {
        // rows outer: an inserted row's cells, or a row's cells of the inserted columns
        const ROWCOL nOuter = m_bRow ? nCount : nOtherCount, nInner = m_bRow ? nOtherCount : nCount;
        const uint64_t nSize = uint64_t(pCellStyles->GetSize());
        uint64_t nIndex = 0;
        for (ROWCOL i = 0; i < nOuter && nIndex < nSize; ++i) {
            for (ROWCOL j = 0; j < nInner && nIndex < nSize; ++j, ++nIndex) {
                if (const auto* pStyle = static_cast<const CGXStyle*>(pCellStyles->GetAt(int32_t(nIndex))))
                    g.StoreStyleRowCol(m_bRow ? nFirst + i : i, m_bRow ? j : nFirst + j, pStyle, CGXStyle::gxCopy,
                                       g.m_nStyleKind);
                operation.StepProgress(nIndex, nCells);
            }
        }
    }
    for (ROWCOL i = 0; pBaseStyles != nullptr && i < nCount && int32_t(i) < pBaseStyles->GetSize(); ++i) {
        if (const auto* pStyle = static_cast<const CGXStyle*>(pBaseStyles->GetAt(int32_t(i))))
            g.StoreStyleRowCol(m_bRow ? nFirst + i : 0, m_bRow ? 0 : nFirst + i, pStyle, CGXStyle::gxCopy,
                               CGXData::gxBaseStyle);
    }
    if (m_bRow)
        g.UpdateInsertRows(nFirst, nCount, nFlags, TRUE);
    else
        g.UpdateInsertCols(nFirst, nCount, nFlags, TRUE);
    if (g.IsUndoRecorded(nCommandType)) {
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        const ROWCOL nLast = nFirst + nCount - 1;
        Record(m_bRow ? pFactory->CreateRemoveRowsCmd(nFirst, nLast)
                      : pFactory->CreateRemoveColsCmd(nFirst, nLast),
               nCommandType, nFirst);
    }
    if (pFormulaInfo != nullptr)
        g.RecalcAndShowErrors(TRUE, nullptr, TRUE);
    return TRUE;
}

BOOL GXLineAxis::StoreInsert(ROWCOL nFirst, ROWCOL nCount, BOOL bProcessed) const
{
    if (g.IsStoreRefused())
        return FALSE;
    CGXData* pData = g.m_pParam->GetData();
    const BOOL bInserted =
        pData != nullptr && (m_bRow ? pData->InsertRows(nFirst, nCount) : pData->InsertCols(nFirst, nCount));
    if (!bInserted && !bProcessed)
        return FALSE;
    g.SetModifiedFlag(TRUE);
    if (CGXAbstractGridHideCellsImp* pHide = g.m_pHideCellsImp)
        m_bRow ? pHide->InsertHiddenRows(&g, nFirst, nCount) : pHide->InsertHiddenCols(&g, nFirst, nCount);
    StoredSizes().InsertKeys(nFirst, nCount);
    for (CGXRangeList* pList : {&g.m_pParam->GetRangeList1(), &g.m_pParam->GetRangeList2()})
        m_bRow ? pList->InsertRows(nFirst, nCount) : pList->InsertCols(nFirst, nCount);
    ShiftSpans(gxShiftInsert, nFirst, nCount);
    DelaySpans(nFirst, std::max(Count(), nFirst));
    return TRUE;
}

void GXLineAxis::UpdateInsert(ROWCOL nFirst, ROWCOL nCount, UINT nFlags, BOOL bCreateHint) const
{
    g.ResetLastVisible();
    g.HideCellTip();
    if (g.m_bCurrentValid && CurrentLine() >= nFirst)
        MoveCurrentLine(CurrentLine() + nCount);
    if (ScreenFirst() == Frozen())
        ++ScreenFirst();
    if (g.m_pParam != nullptr && !g.m_pParam->IsLockRedraw()) {
        if (CGXAbstractGridOptimizedUpdateImp* pUpdate = g.m_pOptimizedUpdateImp)
            m_bRow ? pUpdate->UpdateRowsInserted(&g, nFirst, nCount, nFlags)
                   : pUpdate->UpdateColsInserted(&g, nFirst, nCount, nFlags);
        else
            g.Redraw(nFlags, FALSE);
        if (nFlags & 6)
            g.UpdateScrollbars(FALSE);
    }
    if (CGXAbstractGridUpdateHintImp* pHint = g.HintModule(bCreateHint))
        m_bRow ? pHint->OnRowsInserted(&g, nFirst, nCount, nFlags & 7)
               : pHint->OnColsInserted(&g, nFirst, nCount, nFlags & 7);
}

// ---- removing ------------------------------------------------------------------------------------------

BOOL GXLineAxis::Remove(ROWCOL nFrom, ROWCOL nTo, UINT nFlags, int nCommandType) const
{
    CheckOrder(m_bRow ? "RemoveRows" : "RemoveCols", nFrom, nTo);
    if (g.m_pParam == nullptr || !g.TransferCurrentCell(TRUE))
        return FALSE;
    const CString* astrTexts = g.m_pAppData->m_astrTexts;
    CGXLongOperation operation;
    operation.SetStatusText(astrTexts[GridLibraryState::gxGeneratingUndo], FALSE);

    // the lines' styles for the command that inserts them again
    RemovedLines saved;
    const ROWCOL nCount = nTo - nFrom + 1;
    ROWCOL nSavedLines = nCount, nSavedOther = OtherCount() + 1;
    const BOOL bRecord = g.IsUndoRecorded(nCommandType);
    if (bRecord) {
        ROWCOL& rnRows = m_bRow ? nSavedLines : nSavedOther;
        ROWCOL& rnCols = m_bRow ? nSavedOther : nSavedLines;
        ROWCOL nFirst = nFrom;
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        if (!(m_bRow ? pFactory->SaveRowStylesForUndo(&g, nFirst, rnRows, rnCols, saved.pCellStyles, saved.pBaseStyles, TRUE)
                     : pFactory->SaveColStylesForUndo(&g, nFirst, rnCols, rnRows, saved.pCellStyles, saved.pBaseStyles,
                                                      TRUE)))
            return FALSE;
    }
    const BOOL bTransaction = nCommandType == CGXGridCore::gxDo;
    if (bTransaction) {
        g.BeginTrans(astrTexts[m_bRow ? GridLibraryState::gxRemovingRows : GridLibraryState::gxRemovingCols]);
        if (CGXAbstractGridCoveredCellsImp* pCovered = g.m_pCoveredCellsImp)
            m_bRow ? pCovered->OnRemoveRows(&g, nFrom, nTo, nFlags, FALSE)
                   : pCovered->OnRemoveCols(&g, nFrom, nTo, nFlags, FALSE);
    }
    operation.SetStatusText(astrTexts[m_bRow ? GridLibraryState::gxRemovingRows : GridLibraryState::gxRemovingCols],
                            FALSE);
    // the old sizes let the screen update move what follows, and the command restore them
    const BOOL bFollowing = nFlags == 2 && !g.m_pParam->IsLockRedraw() && nTo < Count();
    if (bFollowing || saved.pBaseStyles != nullptr || saved.pCellStyles != nullptr) {
        AfxAllocating([&] { saved.anSizes.reset(new int[nCount]); });
        GetSizes(nFrom, nTo, saved.anSizes.get());
    }
    if (!StoreWithEngineUndo(nCommandType, [&] {
            return m_bRow ? g.StoreRemoveRows(nFrom, nTo) : g.StoreRemoveCols(nFrom, nTo);
        })) {
        if (bTransaction)
            g.Rollback();
        return FALSE;
    }
    if (m_bRow)
        g.UpdateRemoveRows(nFrom, nTo, saved.anSizes.get(), nFlags, TRUE);
    else
        g.UpdateRemoveCols(nFrom, nTo, saved.anSizes.get(), nFlags, TRUE);
    if (bRecord) {
        // pending formula undo information rides behind the saved cells
        if (CObject* pInfo = g.DetachFormulaUndoInfo()) {
            const int32_t nBehind = int32_t(uint64_t(nSavedLines) * nSavedOther);
            if (saved.pCellStyles != nullptr)
                AfxAllocating([&] { saved.pCellStyles->SetAtGrow(nBehind, pInfo); });
            else
                delete pInfo;
        }
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        CGXCommand* pCommand =
            m_bRow ? pFactory->CreateInsertRowsCmd(nFrom, nCount, saved.anSizes.get(), saved.pCellStyles,
                                                   saved.pBaseStyles, nSavedOther)
                   : pFactory->CreateInsertColsCmd(nFrom, nCount, saved.anSizes.get(), saved.pCellStyles,
                                                   saved.pBaseStyles, nSavedOther);
        // the command owns them now
        saved.anSizes.release();
        saved.pBaseStyles = saved.pCellStyles = nullptr;
        Record(pCommand, nCommandType, nFrom);
    } else {
        g.DiscardFormulaUndoInfo();
    }
    if (bTransaction)
        g.CommitTrans();
    g.SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    g.RecalcAndShowErrors(TRUE, nullptr, TRUE);
    return TRUE;
}

BOOL GXLineAxis::StoreRemove(ROWCOL nFrom, ROWCOL nTo, BOOL bProcessed) const
{
    CheckOrder(m_bRow ? "StoreRemoveRows" : "StoreRemoveCols", nFrom, nTo);
    if (g.IsStoreRefused())
        return FALSE;
    CGXData* pData = g.m_pParam->GetData();
    const BOOL bRemoved =
        pData != nullptr && (m_bRow ? pData->RemoveRows(nFrom, nTo) : pData->RemoveCols(nFrom, nTo));
    if (!bRemoved && !bProcessed)
        return FALSE;
    g.SetModifiedFlag(TRUE);
    if (CGXAbstractGridHideCellsImp* pHide = g.m_pHideCellsImp)
        m_bRow ? pHide->RemoveHiddenRows(&g, nFrom, nTo) : pHide->RemoveHiddenCols(&g, nFrom, nTo);
    StoredSizes().RemoveKeys(nFrom, nTo);
    for (CGXRangeList* pList : {&g.m_pParam->GetRangeList1(), &g.m_pParam->GetRangeList2()})
        m_bRow ? pList->RemoveRows(nFrom, nTo, Count()) : pList->RemoveCols(nFrom, nTo, Count());
    ShiftSpans(gxShiftRemove, nFrom, nTo);
    DelaySpans(nFrom, std::max(Count(), nFrom));
    return TRUE;
}

void GXLineAxis::UpdateRemove(ROWCOL nFrom, ROWCOL nTo, const int* anSizes, UINT nFlags, BOOL bCreateHint) const
{
    g.ResetLastVisible();
    g.HideCellTip();
    if (g.m_bCurrentValid && CurrentLine() >= nFrom) {
        if (CurrentLine() <= nTo) {
            // the current cell went with its line: given up without storing
            g.m_bCurrentValid = FALSE;
            if (CGXControl* pControl = g.FindAttachedControl(g.m_nCurrentRow, g.m_nCurrentCol))
                pControl->Reset();
            g.m_pCurrentControl = nullptr;
        } else {
            MoveCurrentLine(CurrentLine() - (nTo - nFrom + 1));
        }
    }
    if (g.m_pParam != nullptr && !g.m_pParam->IsLockRedraw()) {
        if (CGXAbstractGridOptimizedUpdateImp* pUpdate = g.m_pOptimizedUpdateImp)
            m_bRow ? pUpdate->UpdateRowsRemoved(&g, nFrom, nTo, anSizes, nFlags)
                   : pUpdate->UpdateColsRemoved(&g, nFrom, nTo, anSizes, nFlags);
        else
            g.Redraw(nFlags, FALSE);
        if (nFlags != 0)
            g.UpdateScrollbars((nFlags & 2) == 0);
    }
    if (CGXAbstractGridUpdateHintImp* pHint = g.HintModule(bCreateHint))
        m_bRow ? pHint->OnRowsRemoved(&g, nFrom, nTo, anSizes, nFlags & 7)
               : pHint->OnColsRemoved(&g, nFrom, nTo, anSizes, nFlags & 7);
}

// ---- moving ------------------------------------------------------------------------------------------

ROWCOL GXLineAxis::MovedLine(ROWCOL n, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) const
{
    const ROWCOL nCount = nTo - nFrom + 1;
    if (n >= nFrom && n <= nTo)
        return n - nFrom + nDest;
    if (nDest > nFrom && n > nTo && n < nDest + nCount)
        return n - nCount;
    if (nDest < nFrom && n >= nDest && n < nFrom)
        return n + nCount;
    return n;
}

void GXLineAxis::MoveCurrentLine(ROWCOL nNew) const
{
    CGXControl* pControl = g.FindAttachedControl(g.m_nCurrentRow, g.m_nCurrentCol);
    CurrentLine() = nNew;
    if (pControl != nullptr)
        pControl->Init(g.m_nCurrentRow, g.m_nCurrentCol);
}

BOOL GXLineAxis::Move(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType) const
{
    CheckOrder(m_bRow ? "MoveRows" : "MoveCols", nFrom, nTo);
    if (!g.TransferCurrentCell(TRUE))
        return FALSE;
    const BOOL bTransaction = nCommandType == CGXGridCore::gxDo;
    if (bTransaction)
        g.BeginTrans(g.m_pAppData->m_astrTexts[m_bRow ? GridLibraryState::gxMoveRows : GridLibraryState::gxMoveCols]);
    // a covering the move cuts through is gone afterwards: the whole grid is drawn again
    if (nDest != nFrom && UncoverCutCoverings(nFrom, nTo, nDest, nCommandType))
        nFlags |= 1;
    if (!StoreWithEngineUndo(nCommandType, [&] {
            return m_bRow ? g.StoreMoveRows(nFrom, nTo, nDest) : g.StoreMoveCols(nFrom, nTo, nDest);
        })) {
        if (bTransaction)
            g.Rollback();
        return FALSE;
    }
    if (m_bRow)
        g.UpdateMoveRows(nFrom, nTo, nDest, nFlags, TRUE);
    else
        g.UpdateMoveCols(nFrom, nTo, nDest, nFlags, TRUE);
    if (g.IsUndoRecorded(nCommandType)) {
        // the command moves the block back from where it went
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        const ROWCOL nDestLast = nDest + (nTo - nFrom);
        Record(m_bRow ? pFactory->CreateMoveRowsCmd(nDest, nDestLast, nFrom)
                      : pFactory->CreateMoveColsCmd(nDest, nDestLast, nFrom),
               nCommandType, nDest);
    }
    if (bTransaction)
        g.CommitTrans();
    return TRUE;
}

BOOL GXLineAxis::UncoverCutCoverings(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, int nCommandType) const
{
    // the lines that change place: the block and the lines it passes, which shift by its size
    const ROWCOL nLast = nDest + (nTo - nFrom);
    const ROWCOL nFirstMoved = std::min(nFrom, nDest), nLastMoved = std::max(nTo, nLast);
    const ROWCOL nPassedFirst = nDest > nFrom ? nTo + 1 : nDest, nPassedLast = nDest > nFrom ? nLast : nFrom - 1;
    std::vector<CGXCellRange> cut;
    const CGXRangeList& covered = g.m_pParam->GetCoveredRanges();
    for (POSITION pos = covered.GetHeadPosition(); pos != nullptr;) {
        const CGXCellRange& c = *static_cast<const CGXCellRange*>(covered.GetNext(pos));
        const ROWCOL n1 = m_bRow ? c.top : c.left, n2 = m_bRow ? c.bottom : c.right;
        // a covering stays whole outside the moved lines, inside the block, inside the passed lines
        // or around all of them
        if (n2 < nFirstMoved || n1 > nLastMoved || (n1 >= nFrom && n2 <= nTo) ||
            (n1 >= nPassedFirst && n2 <= nPassedLast) || (n1 <= nFirstMoved && n2 >= nLastMoved))
            continue;
        cut.push_back(c);
    }
    // uncovering records the command that restores the covering, inside the move's undo block (a
    // replayed move records nothing: its block restores the coverings itself)
    const int nUncoverType = nCommandType == CGXGridCore::gxDo ? CGXGridCore::gxDo : CGXGridCore::gxRollback;
    for (const CGXCellRange& c : cut)
        g.SetCoveredCellsRowCol(c.top, c.left, c.top, c.left, 0, nUncoverType);
    return !cut.empty();
}

BOOL GXLineAxis::StoreMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) const
{
    CheckOrder(m_bRow ? "StoreMoveRows" : "StoreMoveCols", nFrom, nTo);
    if (nDest == nFrom || g.IsStoreRefused())
        return FALSE;
    CGXData* pData = g.m_pParam->GetData();
    const BOOL bMoved =
        pData != nullptr && (m_bRow ? pData->MoveRows(nFrom, nTo, nDest) : pData->MoveCols(nFrom, nTo, nDest));
    if (!bMoved && !bProcessed)
        return FALSE;
    g.SetModifiedFlag(TRUE);
    if (CGXAbstractGridHideCellsImp* pHide = g.m_pHideCellsImp)
        m_bRow ? pHide->MoveHiddenRows(&g, nFrom, nTo, nDest) : pHide->MoveHiddenCols(&g, nFrom, nTo, nDest);
    StoredSizes().MoveKeys(nFrom, nTo, nDest);
    for (CGXRangeList* pList : {&g.m_pParam->GetRangeList1(), &g.m_pParam->GetRangeList2()})
        m_bRow ? pList->MoveRows(nFrom, nTo, nDest, Count()) : pList->MoveCols(nFrom, nTo, nDest, Count());
    ShiftSpans(gxShiftMove, nFrom, nTo, nDest);
    const ROWCOL nLower = std::min(nFrom, nDest);
    DelaySpans(nLower, std::max(Count(), nLower));
    return TRUE;
}

void GXLineAxis::UpdateMove(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, BOOL bCreateHint) const
{
    g.ResetLastVisible();
    g.HideCellTip();
    if (g.m_bCurrentValid) {
        const ROWCOL nNew = MovedLine(CurrentLine(), nFrom, nTo, nDest);
        if (nNew != CurrentLine())
            MoveCurrentLine(nNew);
    }
    CWnd* pWnd = g.GridHwndWnd();
    if (g.m_pParam != nullptr && !g.m_pParam->IsLockRedraw() && pWnd != nullptr) {
        const ROWCOL nLower = std::min(nFrom, nDest);
        const ROWCOL nUpper = std::max(nTo, nDest + (nTo - nFrom));
        if ((nFlags & 1) || nLower <= Frozen() || g.m_pParam->GetFloatCellsMode() != 0 ||
            (g.m_pParam->GetMergeCellsMode() & 3)) {
            g.Redraw(nFlags, FALSE);
        } else {
            // the band the lines moved in; every other line keeps its place
            const CRect rectBand = m_bRow ? g.CalcRangeRect(nLower, 0, nUpper, OtherCount(), TRUE)
                                          : g.CalcRangeRect(0, nLower, OtherCount(), nUpper, TRUE);
            CRect rect = g.GetGridRect();
            StartRef(rect) = std::max(Start(rect), Start(rectBand));
            EndRef(rect) = std::min(End(rect), End(rectBand));
            if (nLower >= ScreenFirst() && nUpper <= LastFullyVisible() && !rect.IsRectEmpty())
                ScrollMovedBand(rect, nFrom, nTo, nDest);
            else if (!rect.IsRectEmpty())
                pWnd->InvalidateRect(&rect);
            if (nFlags & 2)
                pWnd->UpdateWindow();
            g.UpdateScrollbars();
            // numbered headers count from the lower line on
            if (Numbered()) {
                if (m_bRow)
                    g.RedrawRowCol(nLower, 0, Count(), 0, nFlags, FALSE);
                else
                    g.RedrawRowCol(0, nLower, 0, Count(), nFlags, FALSE);
            }
        }
    }
    if (CGXAbstractGridUpdateHintImp* pHint = g.HintModule(bCreateHint))
        m_bRow ? pHint->OnRowsMoved(&g, nFrom, nTo, nDest, nFlags & 7)
               : pHint->OnColsMoved(&g, nFrom, nTo, nDest, nFlags & 7);
}

void GXLineAxis::ScrollMovedBand(const CRect& rectBand, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) const
{
    // the lines the block passed shift by the block's size; the place the block lands in is what the
    // scroll uncovers, and only that is painted again
    const ROWCOL nCount = nTo - nFrom + 1;
    const CRect rectBlock = m_bRow ? g.CalcRangeRect(nDest, 0, nDest + nCount - 1, OtherCount(), TRUE)
                                   : g.CalcRangeRect(0, nDest, OtherCount(), nDest + nCount - 1, TRUE);
    const int nShift = Extent(rectBlock) * (nDest > nFrom ? -1 : 1);
    CWnd* pWnd = g.m_pGridWnd;
    // what was waiting to be painted moves with the pixels
    CRgn rgnPending;
    rgnPending.CreateRectRgn(0, 0, 0, 0);
    const BOOL bPending = ::GetUpdateRgn(pWnd->m_hWnd, HRGN(rgnPending.m_hObject), FALSE) > NULLREGION;
    pWnd->ScrollWindowEx(m_bRow ? 0 : nShift, m_bRow ? nShift : 0, &rectBand, &rectBand, nullptr, nullptr,
                         SW_INVALIDATE | SW_SCROLLCHILDREN);
    if (bPending) {
        rgnPending.OffsetRgn(m_bRow ? 0 : nShift, m_bRow ? nShift : 0);
        CRgn rgnBand;
        rgnBand.CreateRectRgnIndirect(&rectBand);
        rgnPending.CombineRgn(&rgnPending, &rgnBand, RGN_AND);
        pWnd->InvalidateRgn(HRGN(rgnPending.m_hObject));
    }
}

// ---- frozen and header lines ----------------------------------------------------------------------------

BOOL GXLineAxis::SetFrozen(ROWCOL nFrozen, ROWCOL nHeaders, UINT nFlags, int nCommandType) const
{
    if (g.m_pParam == nullptr)
        return FALSE;
    const ROWCOL nOldFrozen = StoredFrozen(), nOldHeaders = StoredHeaders();
    if (!(m_bRow ? g.StoreFrozenRows(nFrozen, nHeaders) : g.StoreFrozenCols(nFrozen, nHeaders)))
        return FALSE;
    if (m_bRow)
        g.UpdateFrozenRows(nOldFrozen, nOldHeaders, nFlags, TRUE);
    else
        g.UpdateFrozenCols(nOldFrozen, nOldHeaders, nFlags, TRUE);
    if (g.IsUndoRecorded(nCommandType)) {
        CGXAbstractCommandFactory* pFactory = g.m_pCommandFactory;
        g.AddCommand(m_bRow ? pFactory->CreateSetFrozenRowsCmd(nOldFrozen, nOldHeaders)
                            : pFactory->CreateSetFrozenColsCmd(nOldFrozen, nOldHeaders),
                     nCommandType);
    }
    return TRUE;
}

ROWCOL GXLineAxis::GetFrozen() const
{
    if (g.m_pParam == nullptr)
        return 0;
    // the switch counts while printing only when the print-frozen switch says so
    if (FrozenOff() && (!g.IsPrinting() || g.m_bPrintFrozen))
        return 0;
    return StoredFrozen();
}

BOOL GXLineAxis::StoreFrozen(ROWCOL nFrozen, ROWCOL nHeaders) const
{
    if (g.IsStoreRefused())
        return FALSE;
    if (m_bRow) {
        g.m_pParam->SetFrozenRows(nFrozen);
        g.m_pParam->SetHeaderRows(nHeaders);
    } else {
        g.m_pParam->SetFrozenCols(nFrozen);
        g.m_pParam->SetHeaderCols(nHeaders);
    }
    g.SetModifiedFlag(TRUE);
    return TRUE;
}

void GXLineAxis::UpdateFrozen(ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags, BOOL bCreateHint) const
{
    ScreenFirst() = std::max(ScreenFirst(), StoredFrozen() + 1);
    g.ResetLastVisible();
    g.RefreshCurrentCellControl();
    DelaySpans(std::min(nOldFrozen, StoredFrozen()), std::max(nOldFrozen, StoredFrozen()));
    if (!g.m_pParam->IsLockRedraw())
        g.Redraw(nFlags, FALSE);
    if (CGXAbstractGridUpdateHintImp* pHint = g.HintModule(bCreateHint))
        m_bRow ? pHint->OnFrozenRowsChanged(&g, nOldFrozen, nOldHeaders, nFlags & 7)
               : pHint->OnFrozenColsChanged(&g, nOldFrozen, nOldHeaders, nFlags & 7);
}

// ---- the first scrolled line ---------------------------------------------------------------------------

BOOL GXLineAxis::SetFirstScrolled(ROWCOL n, UINT nFlags, BOOL bCreateHint) const
{
    const ROWCOL nCount = Count();
    n = n == 0 || nCount == 0 ? 1 : std::min(n, nCount);
    g.ResetLastVisible();
    if (g.IsPrinting()) {
        PrintFirst() = n;
        return TRUE;
    }
    n = std::max(n, Frozen() + 1);
    const BOOL bLocked = g.m_pParam != nullptr && g.m_pParam->IsLockRedraw();
    if (!bLocked && (nFlags & 6)) {
        // the window scrolls by the difference
        const ROWCOL nOld = ScreenFirst();
        if (n < nOld)
            g.DoScroll(BackDirection(), nOld - n);
        else if (n > nOld)
            g.DoScroll(ForwardDirection(), n - nOld);
        if ((nFlags & 2) && g.GridHwndWnd() != nullptr)
            g.GridHwndWnd()->UpdateWindow();
    } else {
        if (!(m_bRow ? g.OnTopRowChange(n) : g.OnLeftColChange(n)))
            return FALSE;
        ScreenFirst() = n;
        g.HideCellTip();
        if (!bLocked) {
            g.UpdateScrollbars();
            if ((nFlags & 1) && g.GridHwndWnd() != nullptr) {
                const CRect rect = g.GetGridRect();
                g.GridHwndWnd()->InvalidateRect(&rect);
            }
        }
        m_bRow ? g.OnTopRowChanged() : g.OnLeftColChanged();
    }
    if (CGXAbstractGridUpdateHintImp* pHint = g.HintModule(bCreateHint))
        m_bRow ? pHint->SetTopRow(&g, n, nFlags & 7) : pHint->SetLeftCol(&g, n, nFlags & 7);
    return TRUE;
}

// ---- the core's operations ---------------------------------------------------------------------------

BOOL CGXGridCore::SetRowCount(ROWCOL nCount, UINT nFlags)
{
    return GXLineAxis(*this, TRUE).SetCount(nCount, nFlags);
}

BOOL CGXGridCore::SetColCount(ROWCOL nCount, UINT nFlags)
{
    return GXLineAxis(*this, FALSE).SetCount(nCount, nFlags);
}

BOOL CGXGridCore::StoreRowCount(ROWCOL nCount)
{
    return GXLineAxis(*this, TRUE).StoreCount(nCount);
}

BOOL CGXGridCore::StoreColCount(ROWCOL nCount)
{
    return GXLineAxis(*this, FALSE).StoreCount(nCount);
}

void CGXGridCore::UpdateChangedRowCount(ROWCOL nOldCount, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, TRUE).UpdateChangedCount(nOldCount, nFlags, bCreateHint);
}

void CGXGridCore::UpdateChangedColCount(ROWCOL nOldCount, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, FALSE).UpdateChangedCount(nOldCount, nFlags, bCreateHint);
}

BOOL CGXGridCore::InsertRows(ROWCOL nFirst, ROWCOL nCount, const int* anSizes, const CObArray* pCellStyles,
                             const CObArray* pBaseStyles, ROWCOL nOtherCount, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, TRUE).Insert(nFirst, nCount, anSizes, pCellStyles, pBaseStyles, nOtherCount, nFlags,
                                          nCommandType);
}

BOOL CGXGridCore::InsertCols(ROWCOL nFirst, ROWCOL nCount, const int* anSizes, const CObArray* pCellStyles,
                             const CObArray* pBaseStyles, ROWCOL nOtherCount, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, FALSE).Insert(nFirst, nCount, anSizes, pCellStyles, pBaseStyles, nOtherCount, nFlags,
                                           nCommandType);
}

BOOL CGXGridCore::StoreInsertRows(ROWCOL nFirst, ROWCOL nCount, BOOL bProcessed)
{
    return GXLineAxis(*this, TRUE).StoreInsert(nFirst, nCount, bProcessed);
}

BOOL CGXGridCore::StoreInsertCols(ROWCOL nFirst, ROWCOL nCount, BOOL bProcessed)
{
    return GXLineAxis(*this, FALSE).StoreInsert(nFirst, nCount, bProcessed);
}

void CGXGridCore::UpdateInsertRows(ROWCOL nFirst, ROWCOL nCount, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, TRUE).UpdateInsert(nFirst, nCount, nFlags, bCreateHint);
}

void CGXGridCore::UpdateInsertCols(ROWCOL nFirst, ROWCOL nCount, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, FALSE).UpdateInsert(nFirst, nCount, nFlags, bCreateHint);
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, TRUE).Remove(nFrom, nTo, nFlags, nCommandType);
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, FALSE).Remove(nFrom, nTo, nFlags, nCommandType);
}

BOOL CGXGridCore::StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo, BOOL bProcessed)
{
    return GXLineAxis(*this, TRUE).StoreRemove(nFrom, nTo, bProcessed);
}

BOOL CGXGridCore::StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo, BOOL bProcessed)
{
    return GXLineAxis(*this, FALSE).StoreRemove(nFrom, nTo, bProcessed);
}

void CGXGridCore::UpdateRemoveRows(ROWCOL nFrom, ROWCOL nTo, const int* anSizes, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, TRUE).UpdateRemove(nFrom, nTo, anSizes, nFlags, bCreateHint);
}

void CGXGridCore::UpdateRemoveCols(ROWCOL nFrom, ROWCOL nTo, const int* anSizes, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, FALSE).UpdateRemove(nFrom, nTo, anSizes, nFlags, bCreateHint);
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeaders, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, TRUE).SetFrozen(nFrozen, nHeaders, nFlags, nCommandType);
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeaders, UINT nFlags, int nCommandType)
{
    return GXLineAxis(*this, FALSE).SetFrozen(nFrozen, nHeaders, nFlags, nCommandType);
}

ROWCOL CGXGridCore::GetFrozenRows()
{
    return GXLineAxis(*this, TRUE).GetFrozen();
}

ROWCOL CGXGridCore::GetFrozenCols()
{
    return GXLineAxis(*this, FALSE).GetFrozen();
}

ROWCOL CGXGridCore::GetHeaderRows()
{
    return m_pParam != nullptr ? m_pParam->GetHeaderRows() : 0;
}

ROWCOL CGXGridCore::GetHeaderCols()
{
    return m_pParam != nullptr ? m_pParam->GetHeaderCols() : 0;
}

LONG CGXGridCore::GetDataRowIndex(ROWCOL nRow)
{
    // in 64 bits: row numbers reach beyond a LONG only past what the cell data can hold
    const int64_t nIndex = int64_t(GetBrowseRowNumber(nRow)) - int64_t(GetHeaderRows()) - 1;
    return LONG(std::clamp<int64_t>(nIndex, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

ROWCOL CGXGridCore::GetBrowseRowNumber(ROWCOL nRow)
{
    return nRow;
}

BOOL CGXGridCore::StoreFrozenRows(ROWCOL nFrozen, ROWCOL nHeaders)
{
    return GXLineAxis(*this, TRUE).StoreFrozen(nFrozen, nHeaders);
}

BOOL CGXGridCore::StoreFrozenCols(ROWCOL nFrozen, ROWCOL nHeaders)
{
    return GXLineAxis(*this, FALSE).StoreFrozen(nFrozen, nHeaders);
}

void CGXGridCore::UpdateFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, TRUE).UpdateFrozen(nOldFrozen, nOldHeaders, nFlags, bCreateHint);
}

void CGXGridCore::UpdateFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags, BOOL bCreateHint)
{
    GXLineAxis(*this, FALSE).UpdateFrozen(nOldFrozen, nOldHeaders, nFlags, bCreateHint);
}

BOOL CGXGridCore::IsFrozenRow(ROWCOL nRow)
{
    return nRow != 0 && nRow <= GetFrozenRows();
}

BOOL CGXGridCore::IsFrozenCol(ROWCOL nCol)
{
    return nCol != 0 && nCol <= GetFrozenCols();
}

BOOL CGXGridCore::SetTopRow(ROWCOL nRow, UINT nFlags, BOOL bCreateHint)
{
    return GXLineAxis(*this, TRUE).SetFirstScrolled(nRow, nFlags, bCreateHint);
}

BOOL CGXGridCore::SetLeftCol(ROWCOL nCol, UINT nFlags, BOOL bCreateHint)
{
    return GXLineAxis(*this, FALSE).SetFirstScrolled(nCol, nFlags, bCreateHint);
}

BOOL CGXGridCore::OnTopRowChange(ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::OnLeftColChange(ROWCOL)
{
    return TRUE;
}

void CGXGridCore::OnTopRowChanged() {}

void CGXGridCore::OnLeftColChanged() {}
