// The direct copy/move module (see GXDirectCopyMoveCellsImp.h).
#include "grid/ops/GXDirectCopyMoveCellsImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/ops/GXCellBlocks.h"
#include "grid/ops/GXCommandFactory.h"
#include "win/Win.h"

namespace {

// The most cells, rows and columns whose old styles a copy saves for undo.
constexpr uint64_t kMaxUndoCells = 0x7FFFFFFE;
constexpr ROWCOL kMaxUndoLines = 0x7FFF;

// The grid's data object (null without one).
CGXData* DataOf(CGXGridCore* pGrid)
{
    return pGrid->GetParam() != nullptr ? pGrid->GetParam()->GetData() : nullptr;
}

// The cells range range stands for, and the block of its size at (nRow, nCol).
CGXCellRange CellsOf(CGXGridCore* pGrid, CGXCellRange range)
{
    return range.ExpandToCells(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
}
CGXCellRange TargetOf(const CGXCellRange& cells, ROWCOL nRow, ROWCOL nCol)
{
    return CGXCellRange(nRow, nCol, nRow + (cells.bottom - cells.top), nCol + (cells.right - cells.left));
}

BOOL IsUndoOn(CGXGridCore* pGrid)
{
    return pGrid->m_pCommandFactory != nullptr && pGrid->GetParam() != nullptr && pGrid->GetParam()->IsEnableUndo();
}

}  // namespace

CGXAbstractGridDirectCopyMoveCellsImp* GXCreateDirectCopyMoveCellsImp()
{
    return new CGXGridDirectCopyMoveCellsImp;
}

BOOL CGXGridDirectCopyMoveCellsImp::CopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                                              UINT nFlags)
{
    if (pGrid->IsReadOnly() || !range.IsValid())
        return FALSE;
    const CGXCellRange source = CellsOf(pGrid, range);
    const CGXCellRange target = TargetOf(source, nDestRow, nDestCol);
    const CString strName = GXLoadText(GX_IDS_COPY);
    pGrid->BeginTrans(strName);
    CGXLongOperation operation;
    operation.SetStatusText(strName);
    const GXRollbackPossible rollbackPossible;

    CObArray* pOldStyles = nullptr;
    const BOOL bUndo = IsUndoOn(pGrid);
    if (bUndo) {
        const BOOL bTooLarge = uint64_t(target.GetHeight()) * target.GetWidth() > kMaxUndoCells ||
                               target.GetHeight() > kMaxUndoLines || target.GetWidth() > kMaxUndoLines;
        if (bTooLarge) {
            if (AfxMessageBox(GX_IDS_UNDOTOOLARGE, MB_OKCANCEL) != IDOK) {
                pGrid->Rollback();
                return FALSE;
            }
        } else {
            try {
                pOldStyles = pGrid->CreateStyleArray(target, pGrid->m_nStyleKind, &operation);
            } catch (CException* e) {
                // an abort or no memory for the old styles: nothing was copied
                e->Delete();
                pGrid->Rollback();
                return FALSE;
            }
        }
    }

    pGrid->FreeObjectCache();
    pGrid->AddRecalcRange(target);
    const BOOL bOldEngineOption = pGrid->SetEngineUndoOption(bUndo);
    BOOL bCopied = FALSE;
    try {
        bCopied = pGrid->StoreCopyCells(source, nDestRow, nDestCol);
    } catch (...) {
        pGrid->SetEngineUndoOption(bOldEngineOption);
        DeleteStyleArray(pOldStyles);
        pGrid->DiscardFormulaUndoInfo();
        pGrid->Rollback();
        throw;
    }
    pGrid->SetEngineUndoOption(bOldEngineOption);

    if (bCopied) {
        pGrid->DelayFloatCells(target);
        pGrid->DelayMergeCells(target);
        pGrid->SetModifiedFlag(TRUE);
        CObject* pFormulaInfo = pGrid->DetachFormulaUndoInfo();
        if (pOldStyles != nullptr) {
            // formula undo information rides behind the cells
            if (pFormulaInfo != nullptr)
                pOldStyles->Add(pFormulaInfo);
            pGrid->AddCommand(pGrid->m_pCommandFactory->CreateSetStyleRangeCmd(target, pGrid->m_nStyleKind, pOldStyles),
                              CGXGridCore::gxDo);
        } else {
            delete pFormulaInfo;
        }
        pGrid->CommitTrans();
    } else {
        DeleteStyleArray(pOldStyles);
        pGrid->DiscardFormulaUndoInfo();
        pGrid->Rollback();
    }
    pGrid->Recalc(FALSE);
    pGrid->Redraw(nFlags, TRUE);
    return bCopied;
}

BOOL CGXGridDirectCopyMoveCellsImp::StoreCopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow,
                                                   ROWCOL nDestCol)
{
    CGXData* pData = DataOf(pGrid);
    return pData == nullptr || pData->CopyCells(range, nDestRow, nDestCol);
}

BOOL CGXGridDirectCopyMoveCellsImp::MoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                                              CObject*& rpUndoInfo, UINT nFlags, int nCommandType)
{
    if (pGrid->IsReadOnly() || DataOf(pGrid) == nullptr || !range.IsValid())
        return FALSE;
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_MOVE), TRUE);
    const CGXCellRange source = CellsOf(pGrid, range);
    const CGXCellRange target = TargetOf(source, nDestRow, nDestCol);
    pGrid->AddRecalcRange(target);
    pGrid->AddRecalcRange(source);

    const BOOL bUndo = IsUndoOn(pGrid) && nCommandType != CGXGridCore::gxRollback;
    const BOOL bMoved = pGrid->StoreMoveCells(source, nDestRow, nDestCol, rpUndoInfo, bUndo, nCommandType);
    if (bMoved) {
        for (const CGXCellRange& changed : {target, source}) {
            pGrid->DelayFloatCells(changed);
            pGrid->DelayMergeCells(changed);
        }
        pGrid->SetModifiedFlag(TRUE);
        if (bUndo) {
            // the command owns what the move overwrote from now on
            pGrid->AddCommand(pGrid->m_pCommandFactory->CreateMoveCellsCmd(source, nDestRow, nDestCol, rpUndoInfo),
                              nCommandType);
            rpUndoInfo = nullptr;
        }
    }
    pGrid->Recalc(FALSE);
    pGrid->Redraw(nFlags, TRUE);
    return bMoved;
}

BOOL CGXGridDirectCopyMoveCellsImp::StoreMoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow,
                                                   ROWCOL nDestCol, CObject*& rpUndoInfo, BOOL bCreateUndoInfo,
                                                   int /*nCommandType*/)
{
    CGXData* pData = DataOf(pGrid);
    return pData == nullptr || pData->MoveCells(range, nDestRow, nDestCol, rpUndoInfo, bCreateUndoInfo);
}
