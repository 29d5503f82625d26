// CGXGridCore: the attach steps of the per-grid operation modules (see GXGridModules.h).
#include "grid/engine/GXCore.h"

#include "grid/engine/GXPlugin.h"
#include "grid/engine/GXState.h"

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
}

void CGXGridCore::AttachOldDrawingImp()
{
    AttachModule(m_pOldDrawingImp, m_pAppData->m_gridModuleCreators.pfnOldDrawing);
}

void CGXGridCore::AttachCoveredCellsImp()
{
    AttachModule(m_pCoveredCellsImp, m_pAppData->m_gridModuleCreators.pfnCoveredCells);
}

void CGXGridCore::AttachMergeCellsImp()
{
    AttachModule(m_pMergeCellsImp, m_pAppData->m_gridModuleCreators.pfnMergeCells);
}

void CGXGridCore::AttachFloatCellsImp()
{
    AttachModule(m_pFloatCellsImp, m_pAppData->m_gridModuleCreators.pfnFloatCells);
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
}

void CGXGridCore::AttachUserDragSelectRangeImp()
{
    AttachModule(m_pUserDragSelectRangeImp, m_pAppData->m_gridModuleCreators.pfnUserDragSelectRange);
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
}

void CGXGridCore::AttachDirectCopyMoveCellsImp()
{
    AttachModule(m_pDirectCopyMoveCellsImp, m_pAppData->m_gridModuleCreators.pfnDirectCopyMoveCells);
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
}
