// The clear-cells module (see GXClearCellsImp.h).
#include "grid/ops/GXClearCellsImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXCellBlocks.h"

namespace {

// The style mode of SetStyleRange that removes the stored styles.
constexpr int kRemoveStyles = 4;

}  // namespace

CGXAbstractGridClearCellsImp* GXCreateClearCellsImp()
{
    return new CGXGridClearCellsImp;
}

BOOL CGXGridClearCellsImp::CanClear(CGXGridCore* pGrid)
{
    CGXRangeList list;
    return !pGrid->IsReadOnly() && pGrid->CopySelection(list, TRUE);
}

BOOL CGXGridClearCellsImp::Clear(CGXGridCore* pGrid, BOOL bStyles)
{
    CGXLongOperation operation;
    CGXRangeList list;
    pGrid->CopySelection(list, TRUE);
    return pGrid->ClearCells(list, bStyles);
}

BOOL CGXGridClearCellsImp::ClearCells(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles)
{
    const CString strName = GXLoadText(GX_IDS_CLEARCELLS);
    pGrid->BeginTrans(strName);
    CGXLongOperation operation;
    operation.SetStatusText(strName);
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    const GXRollbackPossible rollbackPossible;

    CGXRangeList ranges;
    for (POSITION pos = selList.GetHeadPosition(); pos != nullptr; selList.GetNext(pos))
        ranges.AddRange(*selList.GetRangeAt(pos));
    GXFitRanges(ranges, pGrid->GetHeaderRows() + 1, pGrid->GetHeaderCols() + 1, pGrid->GetRowCount(),
                pGrid->GetColCount());
    GXCellBlocks blocks;
    blocks.Compute(pGrid, ranges);
    const uint64_t nTotal = blocks.nRows * blocks.nCols;

    BOOL bEnded = FALSE, bAborted = FALSE;
    uint64_t nDone = 0;
    // one cell of values: an empty text where the control shows one
    auto clearValue = [&](ROWCOL nRow, ROWCOL nCol) {
        CGXStyle* pStyle = pGrid->CreateStyle();
        pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
        const CString strText = GXCellControlText(pGrid, nRow, nCol, *pStyle);
        const BOOL bStored = strText.IsEmpty() || pGrid->SetControlTextRowCol(nRow, nCol, "", 1, pStyle);
        pGrid->RecycleStyle(pStyle);
        if (!bStored) {
            bEnded = TRUE;
            return false;
        }
        if (operation.StepProgress(++nDone, nTotal)) {
            bEnded = bAborted = TRUE;
            return false;
        }
        return true;
    };
    try {
        for (int32_t r = 0; r < blocks.rowStarts.GetSize() && !bEnded; ++r) {
            for (int32_t c = 0; c < blocks.colStarts.GetSize() && !bEnded; ++c) {
                const CGXCellRange block(blocks.rowStarts[r], blocks.colStarts[c], blocks.rowEnds[r],
                                         blocks.colEnds[c]);
                // the block is registered whole; its cells do not register themselves again
                if (!pGrid->m_bLockAddRecalcRange)
                    pGrid->AddRecalcRange(block);
                const FlagScope lockRecalc(pGrid->m_bLockAddRecalcRange, TRUE);
                // only the cells of the block that lie in a given range
                for (POSITION pos = ranges.GetHeadPosition(); pos != nullptr && !bEnded; ranges.GetNext(pos)) {
                    CGXCellRange part;
                    if (!part.IntersectRange(block, *ranges.GetRangeAt(pos)))
                        continue;
                    if (!bStyles) {
                        GXForEachCell(part, clearValue);
                        continue;
                    }
                    // a refused store (the undo-buffer question cancelled, a locked grid) ends the clear
                    if (!pGrid->SetStyleRange(part, nullptr, kRemoveStyles, 0, nullptr, 2, CGXGridCore::gxDo)) {
                        bEnded = TRUE;
                        break;
                    }
                    nDone += uint64_t(part.GetHeight()) * part.GetWidth();
                    if (operation.StepProgress(nDone, nTotal))
                        bEnded = bAborted = TRUE;
                }
            }
        }
    } catch (...) {
        pGrid->Rollback();
        throw;
    }
    if (bEnded) {
        if (bAborted && settings.m_bRollbackRequested)
            pGrid->Rollback();
        else
            pGrid->CommitTrans();
        return FALSE;
    }
    pGrid->CommitTrans();
    pGrid->RecalcAndShowErrors(TRUE, nullptr, TRUE);
    return TRUE;
}
