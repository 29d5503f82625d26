// CGXGridCore: the attach steps of the per-grid operation modules, the operations that forward to
// them, the formula hooks of the cell data and the other small services among them (see GXCore.h and
// GXGridModules.h).
#include "grid/engine/GXCore.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXData.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXMoveRowsColsImp.h"
#include "grid/engine/GXPlugin.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyleCompareImp.h"
#include "win/Win.h"

#include <utility>

namespace {

// The forwarding rule: pModule's operation pfn with the grid first and the arguments unchanged, or the
// neutral answer (0, FALSE, null, an empty range, nothing) without the module.
template <class M, class R, class... P, class... A>
R Forward(M* pModule, R (M::*pfn)(CGXGridCore*, P...), CGXGridCore* pGrid, A&&... args)
{
    if (pModule == nullptr)
        return R();
    return (pModule->*pfn)(pGrid, std::forward<A>(args)...);
}

}  // namespace

void CGXGridCore::AttachFindReplaceImp()
{
    AttachModule(m_pFindReplaceImp, m_pAppData->m_gridModuleCreators.pfnFindReplace);
}

void CGXGridCore::AttachHideCellsImp()
{
    AttachModule(m_pHideCellsImp, m_pAppData->m_gridModuleCreators.pfnHideCells);
}

void CGXGridCore::AttachAutoScrollPlugin()
{
    auto pfnCreate = m_pAppData->m_gridModuleCreators.pfnAutoScrollPlugin;
    if (m_pAutoScrollPlugin != nullptr || pfnCreate == nullptr)
        return;
    CGXPluginComponent* pPlugin = pfnCreate(this);
    if (pPlugin == nullptr)
        return;
    // the plug-in list does not own its plug-ins: the grid frees the one it made itself
    try {
        m_ownedList.AddTail(pPlugin);
    } catch (CException*) {
        delete pPlugin;
        throw;
    }
    m_pAutoScrollPlugin = pPlugin;
    AddPlugin(pPlugin);
}

void CGXGridCore::AttachResizeToFitImp()
{
    AttachModule(m_pResizeToFitImp, m_pAppData->m_gridModuleCreators.pfnResizeToFit);
    // it measures the cells' contents
    if (m_pResizeToFitImp != nullptr)
        AttachCalcSizeImp();
}

void CGXGridCore::AttachUpdateHintImp()
{
    AttachModule(m_pUpdateHintImp, m_pAppData->m_gridModuleCreators.pfnUpdateHint);
}

void CGXGridCore::AttachCommandFactory()
{
    AttachModule(m_pCommandFactory, m_pAppData->m_gridModuleCreators.pfnCommandFactory);
}

void CGXGridCore::AttachSortImp()
{
    AttachModule(m_pSortImp, m_pAppData->m_gridModuleCreators.pfnSort);
    // the data object reorders its cells through the sort-move module
    if (m_pSortImp != nullptr)
        InstallGlobalSortMoveDataImp();
}

void CGXGridCore::AttachOldDrawingImp()
{
    AttachModule(m_pOldDrawingImp, m_pAppData->m_gridModuleCreators.pfnOldDrawing);
}

void CGXGridCore::AttachCoveredCellsImp()
{
    AttachModule(m_pCoveredCellsImp, m_pAppData->m_gridModuleCreators.pfnCoveredCells);
    if (m_pCoveredCellsImp != nullptr) {
        InstallGlobalCoveredCellPoolImp();
        if (m_pParam != nullptr)
            m_pParam->EnsureSharedObject();
        AttachDrawSpannedCellsImp();
    }
}

void CGXGridCore::AttachMergeCellsImp()
{
    AttachModule(m_pMergeCellsImp, m_pAppData->m_gridModuleCreators.pfnMergeCells);
    if (m_pMergeCellsImp != nullptr) {
        // the spans live in pools; equal neighbours are found by the style subset comparison
        InstallGlobalSpanCellPoolImp();
        InstallGlobalDelayedRangePoolImp();
        InstallGlobalStyleCompareSubsetImp();
        AttachDrawSpannedCellsImp();
    }
}

void CGXGridCore::AttachFloatCellsImp()
{
    AttachModule(m_pFloatCellsImp, m_pAppData->m_gridModuleCreators.pfnFloatCells);
    if (m_pFloatCellsImp != nullptr) {
        // a floating text is measured to find how far it spills
        InstallGlobalSpanCellPoolImp();
        InstallGlobalDelayedRangePoolImp();
        AttachDrawSpannedCellsImp();
        AttachCalcSizeImp();
    }
}

void CGXGridCore::AttachPrintImp()
{
    AttachModule(m_pPrintImp, m_pAppData->m_gridModuleCreators.pfnPrint);
}

void CGXGridCore::AttachUserSelectRangeImp()
{
    AttachModule(m_pUserSelectRangeImp, m_pAppData->m_gridModuleCreators.pfnUserSelectRange);
}

void CGXGridCore::AttachExcelLikeFrameImp()
{
    AttachModule(m_pExcelLikeFrameImp, m_pAppData->m_gridModuleCreators.pfnExcelLikeFrame);
    // the frame surrounds the user's selection
    if (m_pExcelLikeFrameImp != nullptr)
        AttachUserSelectRangeImp();
}

void CGXGridCore::AttachUserDragSelectRangeImp()
{
    AttachModule(m_pUserDragSelectRangeImp, m_pAppData->m_gridModuleCreators.pfnUserDragSelectRange);
    // what is dragged is the user's selection, and the drop moves rows or columns
    if (m_pUserDragSelectRangeImp != nullptr) {
        AttachUserSelectRangeImp();
        AttachMoveRowsColsImp();
    }
}

void CGXGridCore::AttachUserResizeCellsImp()
{
    AttachModule(m_pUserResizeCellsImp, m_pAppData->m_gridModuleCreators.pfnUserResizeCells);
}

void CGXGridCore::AttachOptimizedUpdateImp()
{
    AttachModule(m_pOptimizedUpdateImp, m_pAppData->m_gridModuleCreators.pfnOptimizedUpdate);
}

void CGXGridCore::AttachMarkEditHeaderImp()
{
    AttachModule(m_pMarkEditHeaderImp, m_pAppData->m_gridModuleCreators.pfnMarkEditHeader);
}

void CGXGridCore::AttachFreezeMenuHelperImp()
{
    AttachModule(m_pFreezeMenuHelperImp, m_pAppData->m_gridModuleCreators.pfnFreezeMenuHelper);
    // freezing moves the frozen rows or columns to the front
    if (m_pFreezeMenuHelperImp != nullptr)
        AttachMoveRowsColsImp();
}

void CGXGridCore::AttachDirectCopyMoveCellsImp()
{
    AttachModule(m_pDirectCopyMoveCellsImp, m_pAppData->m_gridModuleCreators.pfnDirectCopyMoveCells);
    // the data object copies and moves its cells through the data copy/move module
    if (m_pDirectCopyMoveCellsImp != nullptr)
        InstallGlobalDataCopyMoveCellsImp();
}

void CGXGridCore::AttachTextDataExchangeImp()
{
    AttachModule(m_pTextDataExchangeImp, m_pAppData->m_gridModuleCreators.pfnTextDataExchange);
}

void CGXGridCore::AttachStyleDataExchangeImp()
{
    AttachModule(m_pStyleDataExchangeImp, m_pAppData->m_gridModuleCreators.pfnStyleDataExchange);
}

void CGXGridCore::AttachCutPasteImp()
{
    AttachModule(m_pCutPasteImp, m_pAppData->m_gridModuleCreators.pfnCutPaste);
}

void CGXGridCore::AttachClearCellsImp()
{
    AttachModule(m_pClearCellsImp, m_pAppData->m_gridModuleCreators.pfnClearCells);
}

void CGXGridCore::AttachExcelLikeFillImp()
{
    AttachModule(m_pExcelLikeFillImp, m_pAppData->m_gridModuleCreators.pfnExcelLikeFill);
    // the fill handle sits on the selection frame
    if (m_pExcelLikeFillImp != nullptr)
        AttachExcelLikeFrameImp();
}

void CGXGridCore::AttachMoveRowsColsImp()
{
    AttachModule(m_pMoveRowsColsImp, +[]() -> CGXAbstractGridMoveRowsColsImp* { return new CGXGridMoveRowsColsImp; });
}

// ---- moving rows and columns ---------------------------------------------------------------------------

BOOL CGXGridCore::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType)
{
    return Forward(m_pMoveRowsColsImp, &CGXAbstractGridMoveRowsColsImp::MoveRows, this, nFrom, nTo, nDest, nFlags,
                   nCommandType);
}

BOOL CGXGridCore::MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, int nCommandType)
{
    return Forward(m_pMoveRowsColsImp, &CGXAbstractGridMoveRowsColsImp::MoveCols, this, nFrom, nTo, nDest, nFlags,
                   nCommandType);
}

BOOL CGXGridCore::StoreMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed)
{
    return Forward(m_pMoveRowsColsImp, &CGXAbstractGridMoveRowsColsImp::StoreMoveRows, this, nFrom, nTo, nDest,
                   bProcessed);
}

BOOL CGXGridCore::StoreMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed)
{
    return Forward(m_pMoveRowsColsImp, &CGXAbstractGridMoveRowsColsImp::StoreMoveCols, this, nFrom, nTo, nDest,
                   bProcessed);
}

void CGXGridCore::UpdateMoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, BOOL bCreateHint)
{
    Forward(m_pMoveRowsColsImp, &CGXAbstractGridMoveRowsColsImp::UpdateMoveRows, this, nFrom, nTo, nDest, nFlags,
            bCreateHint);
}

void CGXGridCore::UpdateMoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags, BOOL bCreateHint)
{
    Forward(m_pMoveRowsColsImp, &CGXAbstractGridMoveRowsColsImp::UpdateMoveCols, this, nFrom, nTo, nDest, nFlags,
            bCreateHint);
}

// ---- sorting ----------------------------------------------------------------------------------------

void CGXGridCore::QuickSortKeys(CGXSortInfoArray& keys, CPtrArray& rows)
{
    Forward(m_pSortImp, &CGXAbstractGridSortImp::SortRowRecords, this, keys, rows);
}

BOOL CGXGridCore::SortRows(CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags)
{
    return Forward(m_pSortImp, &CGXAbstractGridSortImp::SortRows, this, range, keys, nFlags);
}

BOOL CGXGridCore::SortCols(CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags)
{
    return Forward(m_pSortImp, &CGXAbstractGridSortImp::SortCols, this, range, keys, nFlags);
}

BOOL CGXGridCore::MoveDataRows(const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags, int nCommandType)
{
    return Forward(m_pSortImp, &CGXAbstractGridSortImp::MoveRowsAfterSort, this, range, awOrder, nFlags, nCommandType);
}

BOOL CGXGridCore::StoreMoveDataRows(const CGXCellRange& range, CDWordArray& awOrder)
{
    return Forward(m_pSortImp, &CGXAbstractGridSortImp::StoreSortRows, this, range, awOrder);
}

void CGXGridCore::UpdateMoveDataRows(const CGXCellRange& range, UINT nFlags, BOOL bCreateHint)
{
    Forward(m_pSortImp, &CGXAbstractGridSortImp::UpdateSortRows, this, range, nFlags, bCreateHint);
}

void CGXGridCore::GetSortKeysRow(ROWCOL nRow, CGXSortInfoArray& keys, CStringArray& texts)
{
    Forward(m_pSortImp, &CGXAbstractGridSortImp::GetSortRowKeyTexts, this, nRow, keys, texts);
}

BOOL CGXGridCore::MoveDataCols(const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags, int nCommandType)
{
    return Forward(m_pSortImp, &CGXAbstractGridSortImp::MoveColsAfterSort, this, range, awOrder, nFlags, nCommandType);
}

BOOL CGXGridCore::StoreMoveDataCols(const CGXCellRange& range, CDWordArray& awOrder)
{
    return Forward(m_pSortImp, &CGXAbstractGridSortImp::StoreSortCols, this, range, awOrder);
}

void CGXGridCore::UpdateMoveDataCols(const CGXCellRange& range, UINT nFlags, BOOL bCreateHint)
{
    Forward(m_pSortImp, &CGXAbstractGridSortImp::UpdateSortCols, this, range, nFlags, bCreateHint);
}

void CGXGridCore::GetSortKeysCol(ROWCOL nCol, CGXSortInfoArray& keys, CStringArray& texts)
{
    Forward(m_pSortImp, &CGXAbstractGridSortImp::GetSortColKeyTexts, this, nCol, keys, texts);
}

// ---- hidden rows and columns, resizing to fit ------------------------------------------------------------

BOOL CGXGridCore::HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
                           int nCommandType)
{
    return Forward(m_pHideCellsImp, &CGXAbstractGridHideCellsImp::HideRows, this, nFrom, nTo, bHide, anHide, nFlags,
                   nCommandType);
}

BOOL CGXGridCore::HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
                           int nCommandType)
{
    return Forward(m_pHideCellsImp, &CGXAbstractGridHideCellsImp::HideCols, this, nFrom, nTo, bHide, anHide, nFlags,
                   nCommandType);
}

BOOL CGXGridCore::IsRowHidden(ROWCOL nRow)
{
    return Forward(m_pHideCellsImp, &CGXAbstractGridHideCellsImp::IsRowHidden, this, nRow);
}

BOOL CGXGridCore::IsColHidden(ROWCOL nCol)
{
    return Forward(m_pHideCellsImp, &CGXAbstractGridHideCellsImp::IsColHidden, this, nCol);
}

BOOL CGXGridCore::StoreHideRow(ROWCOL nRow, BOOL bHide)
{
    return Forward(m_pHideCellsImp, &CGXAbstractGridHideCellsImp::StoreRowHidden, this, nRow, bHide);
}

BOOL CGXGridCore::StoreHideCol(ROWCOL nCol, BOOL bHide)
{
    return Forward(m_pHideCellsImp, &CGXAbstractGridHideCellsImp::StoreColHidden, this, nCol, bHide);
}

BOOL CGXGridCore::ResizeColWidthsToFit(CGXCellRange range, BOOL bIncludeCovered, UINT nFlags)
{
    return Forward(m_pResizeToFitImp, &CGXAbstractGridResizeToFitImp::ResizeColWidthsToFit, this, range,
                   bIncludeCovered, nFlags);
}

BOOL CGXGridCore::ResizeRowHeightsToFit(CGXCellRange range, BOOL bIncludeCovered, UINT nFlags)
{
    return Forward(m_pResizeToFitImp, &CGXAbstractGridResizeToFitImp::ResizeRowHeightsToFit, this, range,
                   bIncludeCovered, nFlags);
}

// ---- covered, floated and merged cells ---------------------------------------------------------------

BOOL CGXGridCore::SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags,
                                        int nCommandType)
{
    return Forward(m_pCoveredCellsImp, &CGXAbstractGridCoveredCellsImp::SetCoveredCellsRowCol, this, nTop, nLeft,
                   nBottom, nRight, nFlags, nCommandType);
}

BOOL CGXGridCore::GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range)
{
    return Forward(m_pCoveredCellsImp, &CGXAbstractGridCoveredCellsImp::GetCoveredCellsRowCol, this, nRow, nCol,
                   range) != nullptr;
}

BOOL CGXGridCore::StoreCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet)
{
    return Forward(m_pCoveredCellsImp, &CGXAbstractGridCoveredCellsImp::StoreCoveredCellsRowCol, this, nTop, nLeft,
                   nBottom, nRight, bSet);
}

void CGXGridCore::UpdateCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT nFlags,
                                           BOOL bCreateHint)
{
    Forward(m_pCoveredCellsImp, &CGXAbstractGridCoveredCellsImp::UpdateCoveredCellsRowCol, this, nTop, nLeft, nBottom,
            nRight, nFlags, bCreateHint);
}

CGXCellRange CGXGridCore::GetCoveredCellsInRange(const CGXCellRange& range)
{
    // the range widened until it cuts no covering; without the module no range
    if (m_pCoveredCellsImp == nullptr)
        return CGXCellRange();
    CGXCellRange widened(range);
    m_pCoveredCellsImp->ExpandCoveredRange(this, widened);
    return widened;
}

void CGXGridCore::DelayFloatCells(const CGXCellRange& range, ROWCOL nMaxCol)
{
    Forward(m_pFloatCellsImp, &CGXAbstractGridFloatCellsImp::DelayFloatCells, this, range, nMaxCol);
}

BOOL CGXGridCore::EvalFloatCells(const CGXCellRange& range, BOOL bAlreadyLocked, CGXCellRange* pChanged,
                                 BOOL bUseGridStyles)
{
    return Forward(m_pFloatCellsImp, &CGXAbstractGridFloatCellsImp::EvalFloatCells, this, range, bAlreadyLocked,
                   pChanged, bUseGridStyles);
}

BOOL CGXGridCore::GetFloatedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range)
{
    return Forward(m_pFloatCellsImp, &CGXAbstractGridFloatCellsImp::GetFloatedCellsRowCol, this, nRow, nCol,
                   range) != nullptr;
}

BOOL CGXGridCore::CanFloatCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloat)
{
    return Forward(m_pFloatCellsImp, &CGXAbstractGridFloatCellsImp::CanFloatCell, this, pControl, nRow, nCol, style,
                   bFloat);
}

BOOL CGXGridCore::SetFloatedCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags)
{
    return Forward(m_pFloatCellsImp, &CGXAbstractGridFloatCellsImp::SetFloatedCellsRowCol, this, nRow, nCol, nToRow,
                   nToCol, nFlags);
}

void CGXGridCore::RedrawFloatedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags,
                                     BOOL bCreateHint)
{
    Forward(m_pFloatCellsImp, &CGXAbstractGridFloatCellsImp::RedrawFloatedCells, this, nRow, nCol, nToRow, nToCol,
            nFlags, bCreateHint);
}

void CGXGridCore::DelayMergeCells(const CGXCellRange& range, ROWCOL nMaxRow, ROWCOL nMaxCol)
{
    Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::DelayMergeCells, this, range, nMaxRow, nMaxCol);
}

BOOL CGXGridCore::EvalMergeCells(const CGXCellRange& range, BOOL bAlreadyLocked, CGXCellRange* pChanged,
                                 BOOL bUseGridStyles)
{
    return Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::EvalMergeCells, this, range, bAlreadyLocked,
                   pChanged, bUseGridStyles);
}

BOOL CGXGridCore::GetMergedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range, int nDirection)
{
    return Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::GetMergedCellsRowCol, this, nRow, nCol, range,
                   nDirection) != nullptr;
}

BOOL CGXGridCore::CanMergeCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, int nDirection)
{
    return Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::CanMergeCell, this, pControl, nRow, nCol, style,
                   nDirection);
}

BOOL CGXGridCore::CanMergeStyles(const CGXStyle& style1, const CGXStyle& style2)
{
    return Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::CanMergeStyles, this, style1, style2);
}

BOOL CGXGridCore::SetMergedCellsRowCol(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                       UINT nFlags)
{
    return Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::SetMergedCellsRowCol, this, nDirection, nRow,
                   nCol, nToRow, nToCol, nFlags);
}

void CGXGridCore::RedrawMergedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT nFlags,
                                    BOOL bCreateHint)
{
    Forward(m_pMergeCellsImp, &CGXAbstractGridMergeCellsImp::RedrawMergedCells, this, nRow, nCol, nToRow, nToCol,
            nFlags, bCreateHint);
}

WORD CGXGridCore::GetMergeCellsMode() const
{
    const WORD wMode = m_pParam != nullptr ? WORD(m_pParam->GetMergeCellsMode() & 3) : 0;
    return wMode == 3 ? 0 : wMode;
}

WORD CGXGridCore::GetFloatCellsMode() const
{
    const WORD wMode = m_pParam != nullptr ? m_pParam->GetFloatCellsMode() : 0;
    return wMode == 1 || wMode == 2 ? wMode : 0;
}

CGXSpanCellPool* CGXGridCore::GetFloatCellsPool() const
{
    return m_pParam == nullptr ? nullptr
                               : m_pParam->GetSpanPool(IsPrinting() ? CGXGridParam::gxPrintFloatPool
                                                                    : CGXGridParam::gxFloatPool);
}

BOOL CGXGridCore::GetSpannedCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range)
{
    return GetCoveredCellsRowCol(nRow, nCol, range) || GetMergedCellsRowCol(nRow, nCol, range, -1) ||
           GetFloatedCellsRowCol(nRow, nCol, range);
}

BOOL CGXGridCore::EvalVisibleSpans(const CGXCellRange& range, ROWCOL nFrozenRows, ROWCOL nFrozenCols,
                                   ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow, ROWCOL nLastCol,
                                   BOOL bAlreadyLocked, CGXCellRange* pChanged, BOOL bUseGridStyles)
{
    return Forward(m_pDrawSpannedCellsImp, &CGXAbstractDrawSpannedCellsImp::EvalVisibleSpans, this, range,
                   nFrozenRows, nFrozenCols, nTopRow, nLeftCol, nLastRow, nLastCol, bAlreadyLocked, pChanged,
                   bUseGridStyles);
}

BOOL CGXGridCore::DrawVisibleSpannedCells(const CGXCellRange& range, BOOL bAlreadyLocked, CGXCellRange* pChanged,
                                          BOOL bUseGridStyles)
{
    return EvalVisibleSpans(range, GetFrozenRows(), GetFrozenCols(), GetTopRow(), GetLeftCol(), GetLastVisibleRow(),
                            GetLastVisibleCol(), bAlreadyLocked, pChanged, bUseGridStyles);
}

// ---- freeze commands ------------------------------------------------------------------------------

BOOL CGXGridCore::CanFreezeCols()
{
    return Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::CanFreezeCols, this);
}

BOOL CGXGridCore::CanUnfreezeCols()
{
    return Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::CanUnfreezeCols, this);
}

void CGXGridCore::FreezeCols()
{
    Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::FreezeCols, this);
}

void CGXGridCore::UnfreezeCols()
{
    Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::UnfreezeCols, this);
}

BOOL CGXGridCore::CanFreezeRows()
{
    return Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::CanFreezeRows, this);
}

BOOL CGXGridCore::CanUnfreezeRows()
{
    return Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::CanUnfreezeRows, this);
}

void CGXGridCore::FreezeRows()
{
    Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::FreezeRows, this);
}

void CGXGridCore::UnfreezeRows()
{
    Forward(m_pFreezeMenuHelperImp, &CGXAbstractGridFreezeMenuHelperImp::UnfreezeRows, this);
}

// ---- undo and redo ----------------------------------------------------------------------------------

BOOL CGXGridCore::Undo()
{
    return Forward(m_pCommandFactory, &CGXAbstractCommandFactory::Undo, this);
}

BOOL CGXGridCore::Redo()
{
    return Forward(m_pCommandFactory, &CGXAbstractCommandFactory::Redo, this);
}

void CGXGridCore::BeginTrans(const char* pszName)
{
    Forward(m_pCommandFactory, &CGXAbstractCommandFactory::BeginTrans, this, pszName);
}

void CGXGridCore::CommitTrans()
{
    Forward(m_pCommandFactory, &CGXAbstractCommandFactory::CommitTrans, this);
}

void CGXGridCore::Rollback()
{
    Forward(m_pCommandFactory, &CGXAbstractCommandFactory::Rollback, this);
}

void CGXGridCore::AddCommand(CGXCommand* pCommand, int nCommandType)
{
    if (m_pCommandFactory == nullptr) {
        // nobody takes the command: it must not be lost
        delete pCommand;
        return;
    }
    m_pCommandFactory->AddCommand(this, pCommand, nCommandType);
}

void CGXGridCore::RemoveLastCommand(int nCommandType)
{
    Forward(m_pCommandFactory, &CGXAbstractCommandFactory::RemoveCommand, this, nCommandType);
}

BOOL CGXGridCore::GetUndoMenuText(CCmdUI* pCmdUI)
{
    if (m_pCommandFactory != nullptr)
        return m_pCommandFactory->OnUpdateEditUndo(this, pCmdUI);
    // without a factory there is nothing to undo
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
    return FALSE;
}

BOOL CGXGridCore::GetRedoMenuText(CCmdUI* pCmdUI)
{
    if (m_pCommandFactory != nullptr)
        return m_pCommandFactory->OnUpdateEditRedo(this, pCmdUI);
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
    return FALSE;
}

BOOL CGXGridCore::SetEngineUndoOption(BOOL bGenerate)
{
    return Forward(m_pCommandFactory, &CGXAbstractCommandFactory::SetEngineUndoMode, this, bGenerate);
}

CObject* CGXGridCore::DetachFormulaUndoInfo()
{
    return Forward(m_pCommandFactory, &CGXAbstractCommandFactory::DetachEngineUndoInfo, this);
}

BOOL CGXGridCore::ApplyFormulaUndoInfo(CObject* pInfo, BOOL bUndo, int nPhase)
{
    return Forward(m_pCommandFactory, &CGXAbstractCommandFactory::ApplyEngineUndoInfo, this, pInfo, bUndo, nPhase);
}

void CGXGridCore::DiscardFormulaUndoInfo()
{
    Forward(m_pCommandFactory, &CGXAbstractCommandFactory::DeleteEngineUndoInfo, this);
}

BOOL CGXGridCore::ExecuteCommand(CGXCommand* pCommand, int nCommandType)
{
    // the factory takes the command before the grid
    return m_pCommandFactory != nullptr && m_pCommandFactory->ExecuteCommand(pCommand, this, nCommandType);
}

void CGXGridCore::MoveCurrentCellAfterUndo(ROWCOL nRow, ROWCOL nCol, UINT nFlags)
{
    Forward(m_pCommandFactory, &CGXAbstractCommandFactory::SetCurrentCellAfterUndo, this, nRow, nCol, nFlags);
}

// ---- cut, copy, paste and clear ---------------------------------------------------------------------

BOOL CGXGridCore::CanCopy()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CanCopy, this);
}

BOOL CGXGridCore::Copy()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::Copy, this);
}

BOOL CGXGridCore::CopyRange(const CGXRangeList& selList)
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CopyRange, this, selList);
}

BOOL CGXGridCore::CopyRange(const CGXCellRange& range)
{
    CGXRangeList list;
    list.AddRange(range);
    return CopyRange(list);
}

BOOL CGXGridCore::CopyTextToClipboard(const CGXRangeList& selList)
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CopyTextToClipboard, this, selList);
}

BOOL CGXGridCore::CopyCellsToClipboard(const CGXRangeList& selList, BOOL bFull)
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CopyCellsToClipboard, this, selList, bFull);
}

BOOL CGXGridCore::CanCut()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CanCut, this);
}

BOOL CGXGridCore::Cut()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::Cut, this);
}

BOOL CGXGridCore::CutRange(const CGXRangeList& selList, BOOL bStyles)
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CutRange, this, selList, bStyles);
}

BOOL CGXGridCore::CutRange(const CGXCellRange& range, BOOL bStyles)
{
    CGXRangeList list;
    list.AddRange(range);
    return CutRange(list, bStyles);
}

BOOL CGXGridCore::CanPaste()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::CanPaste, this);
}

BOOL CGXGridCore::IsPasteFormatAvailable()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::IsClipboardDataAvailable, this);
}

BOOL CGXGridCore::Paste()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::Paste, this);
}

BOOL CGXGridCore::PasteCellsFromClipboard(const CGXCellRange& range)
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::PasteFromDirectSource, this, range);
}

BOOL CGXGridCore::PasteFromClipboard(const CGXCellRange& range)
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::PasteFromClipboard, this, range);
}

BOOL CGXGridCore::AskContinue()
{
    return Forward(m_pCutPasteImp, &CGXAbstractGridCutPasteImp::ConfirmPasteSize, this);
}

BOOL CGXGridCore::CanClear()
{
    return Forward(m_pClearCellsImp, &CGXAbstractGridClearCellsImp::CanClear, this);
}

BOOL CGXGridCore::Clear(BOOL bStyleOnly)
{
    return Forward(m_pClearCellsImp, &CGXAbstractGridClearCellsImp::Clear, this, bStyleOnly);
}

BOOL CGXGridCore::ClearCells(const CGXRangeList& selList, BOOL bStyleOnly)
{
    return Forward(m_pClearCellsImp, &CGXAbstractGridClearCellsImp::ClearCells, this, selList, bStyleOnly);
}

BOOL CGXGridCore::FillRange(const CGXCellRange& target, const CGXCellRange& source)
{
    return Forward(m_pExcelLikeFillImp, &CGXAbstractGridExcelLikeFillImp::FillRange, this, source, target);
}

// ---- cells as text and as styles, copying and moving blocks ----------------------------------------

BOOL CGXGridCore::CopyTextToFile(CFile& file, const CGXRangeList& selList)
{
    return Forward(m_pTextDataExchangeImp, &CGXAbstractGridTextDataExchangeImp::CopyTextToFile, this, file, selList);
}

void CGXGridCore::GetCopyTextRowCol(ROWCOL nRow, ROWCOL nCol, CString& strText)
{
    // the module takes the out text first; an empty text without it
    if (m_pTextDataExchangeImp == nullptr)
        strText.Empty();
    else
        m_pTextDataExchangeImp->GetCellText(strText, this, nRow, nCol);
}

BOOL CGXGridCore::PasteTextFromBuffer(const char* pszBuffer, DWORD nSize, const CGXCellRange& range)
{
    return Forward(m_pTextDataExchangeImp, &CGXAbstractGridTextDataExchangeImp::PasteTextFromBuffer, this, pszBuffer,
                   nSize, range);
}

BOOL CGXGridCore::PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags, const CGXStyle* pStyle)
{
    return Forward(m_pTextDataExchangeImp, &CGXAbstractGridTextDataExchangeImp::SetCellText, this, nRow, nCol,
                   pszText, nFlags, pStyle);
}

BOOL CGXGridCore::CalcBufferDimension(const char* pszBuffer, DWORD nSize, ROWCOL& nRows, ROWCOL& nCols)
{
    return Forward(m_pTextDataExchangeImp, &CGXAbstractGridTextDataExchangeImp::CalcBufferDimension, this, pszBuffer,
                   nSize, nRows, nCols);
}

BOOL CGXGridCore::CopyCellsToArchive(CArchive& ar, const CGXRangeList& selList, BOOL bFull)
{
    return Forward(m_pStyleDataExchangeImp, &CGXAbstractGridStyleDataExchangeImp::CopyCellsToArchive, this, ar,
                   selList, bFull);
}

BOOL CGXGridCore::GetClipboardStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bFull)
{
    return Forward(m_pStyleDataExchangeImp, &CGXAbstractGridStyleDataExchangeImp::GetStyleForCopy, this, nRow,
                   nCol, style, bFull);
}

BOOL CGXGridCore::PasteCellsFromArchive(CArchive& ar, const CGXCellRange& range, BOOL bNoSizeCheck)
{
    return Forward(m_pStyleDataExchangeImp, &CGXAbstractGridStyleDataExchangeImp::PasteCellsFromArchive, this, ar,
                   range, bNoSizeCheck);
}

BOOL CGXGridCore::CopyCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, UINT nFlags)
{
    return Forward(m_pDirectCopyMoveCellsImp, &CGXAbstractGridDirectCopyMoveCellsImp::CopyCells, this, range, nDestRow,
                   nDestCol, nFlags);
}

BOOL CGXGridCore::StoreCopyCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol)
{
    return Forward(m_pDirectCopyMoveCellsImp, &CGXAbstractGridDirectCopyMoveCellsImp::StoreCopyCells, this, range,
                   nDestRow, nDestCol);
}

BOOL CGXGridCore::MoveCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo, UINT nFlags,
                            int nCommandType)
{
    return Forward(m_pDirectCopyMoveCellsImp, &CGXAbstractGridDirectCopyMoveCellsImp::MoveCells, this, range, nDestRow,
                   nDestCol, rpUndoInfo, nFlags, nCommandType);
}

BOOL CGXGridCore::StoreMoveCells(CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                                 BOOL bCreateUndoInfo, int nCommandType)
{
    return Forward(m_pDirectCopyMoveCellsImp, &CGXAbstractGridDirectCopyMoveCellsImp::StoreMoveCells, this, range,
                   nDestRow, nDestCol, rpUndoInfo, bCreateUndoInfo, nCommandType);
}

// ---- the selection and user resizing --------------------------------------------------------------------

void CGXGridCore::SelectRange(const CGXCellRange& range, BOOL bSelect, BOOL bUpdate)
{
    Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::SelectRange, this, range, bSelect, bUpdate);
}

void CGXGridCore::SetRangeAtPosition(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
{
    Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::SetRangeAtPosition, this, pos, nTop, nLeft,
            nBottom, nRight);
}

BOOL CGXGridCore::AddOrExcludeRange(const CGXCellRange& range, BOOL bAdd)
{
    return Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::AddOrExcludeRange, this, range, bAdd);
}

void CGXGridCore::RedrawSelectionDifference(const CGXCellRange& range, const CGXRangeList* pOldList,
                                            BOOL bCreateHint)
{
    Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::RedrawSelectionDifference, this, range,
            pOldList, bCreateHint);
}

void CGXGridCore::RedrawRangeChange(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                    BOOL bCreateHint)
{
    Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::RedrawRangeChange, this, pos, nTop, nLeft,
            nBottom, nRight, bCreateHint);
}

void CGXGridCore::RedrawSelection(BOOL bCreateHint)
{
    Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::RedrawSelection, this, bCreateHint);
}

BOOL CGXGridCore::OnClickedHeaderCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point)
{
    return Forward(m_pUserSelectRangeImp, &CGXAbstractGridUserSelectRangeImp::ToggleHeaderSelection, this, nRow, nCol,
                   nFlags, int(point.x), int(point.y));
}

BOOL CGXGridCore::StartResizeTracking(ROWCOL nRow, ROWCOL nCol, int nType)
{
    return Forward(m_pUserResizeCellsImp, &CGXAbstractGridUserResizeCellsImp::StartResizeTracking, this, nRow, nCol,
                   nType);
}

void CGXGridCore::MoveResizeTracking(ROWCOL nRow, ROWCOL nCol, int nType, CSize size)
{
    Forward(m_pUserResizeCellsImp, &CGXAbstractGridUserResizeCellsImp::MoveResizeTracking, this, nRow, nCol, nType,
            size);
}

void CGXGridCore::EndResizeTracking(ROWCOL nRow, ROWCOL nCol, int nType, CSize size)
{
    Forward(m_pUserResizeCellsImp, &CGXAbstractGridUserResizeCellsImp::EndResizeTracking, this, nRow, nCol, nType,
            size);
}

void CGXGridCore::CancelResizeTracking()
{
    Forward(m_pUserResizeCellsImp, &CGXAbstractGridUserResizeCellsImp::CancelResizeTracking, this);
}

BOOL CGXGridCore::IsKeyDown(int nVirtKey)
{
    return (AfxGetServices()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

// ---- dragging, printing, header marks, range names ---------------------------------------------------

BOOL CGXGridCore::StartSelDrag(ROWCOL nRow, ROWCOL nCol)
{
    return Forward(m_pUserDragSelectRangeImp, &CGXAbstractGridUserDragSelectRangeImp::StartDragSelection, this, nRow, nCol);
}

void CGXGridCore::DragSelectionTo(ROWCOL nRow, ROWCOL nCol)
{
    Forward(m_pUserDragSelectRangeImp, &CGXAbstractGridUserDragSelectRangeImp::DragSelectionTo, this, nRow, nCol);
}

BOOL CGXGridCore::DropSelection(ROWCOL nRow, ROWCOL nCol)
{
    return Forward(m_pUserDragSelectRangeImp, &CGXAbstractGridUserDragSelectRangeImp::DropSelection, this, nRow, nCol);
}

void CGXGridCore::EndSelDrag()
{
    Forward(m_pUserDragSelectRangeImp, &CGXAbstractGridUserDragSelectRangeImp::CancelDragSelection, this);
}

void CGXGridCore::DrawFramePart(CDC* pDC, const CRect& rectClip, const CRect& rectFrame, BOOL bTopVisible,
                                BOOL bLeftVisible, int nKnob, BOOL bKnobOnly)
{
    Forward(m_pExcelLikeFrameImp, &CGXAbstractGridExcelLikeFrameImp::DrawFramePart, this, pDC, rectClip, rectFrame,
            bTopVisible, bLeftVisible, nKnob, bKnobOnly);
}

void CGXGridCore::DrawExcelLikeFrame(CDC* pDC, const CGXCellRange& range, int nKnob, BOOL bKnobOnly)
{
    Forward(m_pExcelLikeFrameImp, &CGXAbstractGridExcelLikeFrameImp::DrawFrame, this, pDC, range, nKnob, bKnobOnly);
}

void CGXGridCore::UpdateExcelLikeFrame(CDC* pDC, BOOL bErase, const CGXCellRange* pRange)
{
    Forward(m_pExcelLikeFrameImp, &CGXAbstractGridExcelLikeFrameImp::UpdateFrame, this, pDC, bErase, pRange);
}

void CGXGridCore::ShowFindReplaceDialog(BOOL bFindOnly)
{
    Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::ShowFindReplaceDialog, this, bFindOnly);
}

BOOL CGXGridCore::FindText(const char* pszText, BOOL bDown, BOOL bMatchCase)
{
    return Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::FindText, this, pszText, bDown, bMatchCase);
}

BOOL CGXGridCore::FindTextInCells(ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect)
{
    return Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::FindTextInCells, this, nRow, nCol, bSelect);
}

BOOL CGXGridCore::FindNextText(BOOL bNext)
{
    return Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::FindNext, this, bNext);
}

void CGXGridCore::ReplaceSelection(const char* pszFind, BOOL bDown, BOOL bMatchCase, const char* pszReplace)
{
    Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::ReplaceSelection, this, pszFind, bDown, bMatchCase,
            pszReplace);
}

void CGXGridCore::ReplaceAll(const char* pszFind, const char* pszReplace, BOOL bMatchCase)
{
    Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::ReplaceAll, this, pszFind, pszReplace, bMatchCase);
}

void CGXGridCore::OnFindReplaceMessage(FINDREPLACEA* pFindReplace)
{
    Forward(m_pFindReplaceImp, &CGXAbstractGridFindReplaceImp::OnFindReplaceMessage, this, pFindReplace);
}

// ---- approval hooks ------------------------------------------------------------------------------------

BOOL CGXGridCore::ApproveDragRows(ROWCOL, ROWCOL)
{
    return !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT);
}

BOOL CGXGridCore::ApproveDragCols(ROWCOL, ROWCOL)
{
    return !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT);
}

BOOL CGXGridCore::ApproveDropRows(ROWCOL, ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveDropCols(ROWCOL, ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveMoveRows(ROWCOL, ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveMoveCols(ROWCOL, ROWCOL, ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveRowResizeStart(ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveColResizeStart(ROWCOL)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveRowHeightTracking(ROWCOL, int)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveColWidthTracking(ROWCOL, int)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveRowHeightEnd(ROWCOL, int)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveColWidthEnd(ROWCOL, int)
{
    return TRUE;
}

BOOL CGXGridCore::CanStartFill(const CGXCellRange&, UINT, CPoint)
{
    return TRUE;
}

BOOL CGXGridCore::CanFillRange(const CGXCellRange&, const CGXCellRange&)
{
    return TRUE;
}

BOOL CGXGridCore::ApproveSelectionChange(const CGXCellRange*, BOOL, BOOL)
{
    return TRUE;
}

void CGXGridCore::AfterSelectionChange(const CGXCellRange* pRange, BOOL, BOOL)
{
    const CGXProperties* pProperties = m_pParam != nullptr ? m_pParam->GetProperties() : nullptr;
    if (pRange == nullptr || !pRange->IsValid() || pProperties == nullptr)
        return;
    // the marked headers follow the selection
    if (pProperties->GetMarkRowHeader())
        RedrawRowCol(pRange->top, 0, pRange->bottom, GetHeaderCols(), 2, FALSE);
    if (pProperties->GetMarkColHeader())
        RedrawRowCol(0, pRange->left, GetHeaderRows(), pRange->right, 2, FALSE);
}

BOOL CGXGridCore::ApproveCellSelection(ROWCOL, ROWCOL, UINT, int, int)
{
    return TRUE;
}

void CGXGridCore::OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    Forward(m_pPrintImp, &CGXAbstractGridPrintImp::OnBeginPrinting, this, pDC, pInfo);
}

void CGXGridCore::OnGridPrint(CDC* pDC, CPrintInfo* pInfo)
{
    Forward(m_pPrintImp, &CGXAbstractGridPrintImp::OnPrintPage, this, pDC, pInfo);
}

void CGXGridCore::OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    Forward(m_pPrintImp, &CGXAbstractGridPrintImp::OnEndPrinting, this, pDC, pInfo);
}

void CGXGridCore::RedrawHeaderMarks(ROWCOL nRow, ROWCOL nCol, int nWhich, UINT nFlags)
{
    Forward(m_pMarkEditHeaderImp, &CGXAbstractGridMarkEditHeaderImp::RedrawHeaderMarks, this, nRow, nCol, nWhich,
            nFlags);
}

BOOL CGXGridCore::SetRangeName(const char* pszName, const CGXCellRange& range, CObject* pUndoInfo, UINT nFlags,
                               int nCommandType)
{
    return Forward(m_pRangeNameImp, &CGXAbstractGridRangeNameImp::SetRangeName, this, pszName, range, pUndoInfo, nFlags,
                   nCommandType);
}

BOOL CGXGridCore::GetRangeName(const char* pszName, CGXCellRange& range)
{
    return Forward(m_pRangeNameImp, &CGXAbstractGridRangeNameImp::GetRangeName, this, pszName, range);
}

BOOL CGXGridCore::DeleteRangeName(const char* pszName, UINT nFlags, int nCommandType)
{
    return Forward(m_pRangeNameImp, &CGXAbstractGridRangeNameImp::DeleteRangeName, this, pszName, nFlags,
                   nCommandType);
}

void CGXGridCore::OnEditSelectionClick(ROWCOL nRow, ROWCOL nCol)
{
    Forward(m_pOptionalImp, &CGXAbstractGridOptionalImp::OnEditSelectionClick, this, nRow, nCol);
}

BOOL CGXGridCore::HideExcelLikeFrame(BOOL bHide, BOOL bFlag)
{
    return Forward(m_pExcelLikeFrameImp, &CGXAbstractGridExcelLikeFrameImp::HideFrame, this, bHide, bFlag);
}

CGXGridCore::ExcelLikeFrameHider::ExcelLikeFrameHider(CGXGridCore* pGrid)
    : m_pGrid(pGrid), m_bWasHidden(pGrid->HideExcelLikeFrame(TRUE))
{
}

CGXGridCore::ExcelLikeFrameHider::~ExcelLikeFrameHider()
{
    m_pGrid->HideExcelLikeFrame(m_bWasHidden);
}

// ---- views -----------------------------------------------------------------------------------------

void CGXGridCore::UpdateAllViews(CWnd* pSender, LPARAM lHint, CObject* pHint)
{
    if (m_pGridDoc != nullptr)
        m_pGridDoc->UpdateAllViews(dynamic_cast<CView*>(pSender), lHint, pHint);
}

BOOL CGXGridCore::OnGridUpdate(CObject* pHint)
{
    return Forward(m_pUpdateHintImp, &CGXAbstractGridUpdateHintImp::ApplyHint, this, pHint);
}

// ---- formula hooks of the cell data ------------------------------------------------------------------

BOOL CGXGridCore::IsFormulaCellRowCol(ROWCOL nRow, ROWCOL nCol)
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    if (pData == nullptr)
        return FALSE;
    CGXCellRange covered;
    if (GetCoveredCellsRowCol(nRow, nCol, covered)) {
        nRow = covered.top;
        nCol = covered.left;
    }
    return pData->IsFormulaCell(nRow, nCol);
}

void CGXGridCore::SetCellEngineFlag(ROWCOL nRow, ROWCOL nCol, BOOL bFlag)
{
    if (CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr)
        pData->SetCellEngineFlag(nRow, nCol, bFlag);
}

void CGXGridCore::AddRecalcRange(const CGXCellRange& range)
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    if (pData != nullptr && !m_bInsideStyleSetter && !m_bLockAddRecalcRange)
        pData->AddRecalcRange(range);
}

void CGXGridCore::Recalc(BOOL bForce)
{
    if (CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr)
        pData->Recalc(bForce);
}

void CGXGridCore::ResetEngineError()
{
    if (CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr)
        pData->ResetEngineError();
}

BOOL CGXGridCore::GetEngineMessageText(CString& strText)
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    return pData != nullptr && pData->GetEngineMessageText(strText);
}

BOOL CGXGridCore::RecalcAndShowErrors(BOOL bResetFirst, CString* pstrText, BOOL bCreateHint)
{
    CGXData* pData = m_pParam != nullptr ? m_pParam->GetData() : nullptr;
    if (pData == nullptr || GetRowCount() == 0 || GetColCount() == 0)
        return FALSE;
    pData->ClearEngineError();
    IsFormulaCellRowCol(1, 1);
    if (pData->HasEngineError())
        return FALSE;
    if (bResetFirst) {
        ResetEngineError();
        Recalc(FALSE);
    }
    {
        // only the formula cells change on the screen; the GDI objects stay for the paints it makes
        const BOOL bOldKeep = m_bKeepGdiObjects;
        m_bKeepGdiObjects = TRUE;
        try {
            if (m_pGridWnd != nullptr && m_pGridWnd->m_hWnd != nullptr)
                m_pGridWnd->UpdateWindow();
            m_bRecalcRedraw = TRUE;
            Redraw(2, FALSE);
            m_bRecalcRedraw = FALSE;
        } catch (...) {
            m_bKeepGdiObjects = bOldKeep;
            m_bRecalcRedraw = FALSE;
            throw;
        }
        m_bKeepGdiObjects = bOldKeep;
    }
    BOOL bResult = TRUE;
    CString strMessage;
    if (bCreateHint && m_pUpdateHintImp != nullptr && m_pGridDoc != nullptr)
        m_pUpdateHintImp->RecalcAndRedraw(this, nullptr);
    if (bResetFirst && GetEngineMessageText(strMessage) && !strMessage.IsEmpty()) {
        if (pstrText != nullptr)
            *pstrText = strMessage;
        else
            AfxMessageBox(strMessage, MB_OK);
        ResetEngineError();
        bResult = FALSE;
    }
    for (const CGXCellRange& range : m_recalcDrawnCells)
        SetCellEngineFlag(range.top, range.left, FALSE);
    m_recalcDrawnCells.clear();
    return bResult;
}

// ---- the current cell's text ----------------------------------------------------------------------

void CGXGridCore::GetCurrentCellText(CString& strText)
{
    strText.Empty();
    if (CGXControl* pControl = IsCurrentCell() ? GetCurrentCellControl() : nullptr)
        pControl->GetSelectedText(strText);
}
