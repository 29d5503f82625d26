// The table of the grid operations' creators (see GXOperations.h): one row per module, null until the
// module lands. A module replaces the null of its own row by its creator (declared in the header named
// on the row) and changes no other line.
#include "grid/ops/GXOperations.h"

#include "grid/engine/GXState.h"

namespace {

// The per-grid modules, in the order of the attach steps.
GXGridModuleCreators GridCreators()
{
    GXGridModuleCreators c;
    // find and replace (GXFindReplaceImp.h)
    c.pfnFindReplace = GXCreateFindReplaceImp;
    // hidden rows and columns (GXHideCellsImp.h)
    c.pfnHideCells = GXCreateHideCellsImp;
    // the auto-scroll plug-in (GXAutoScrollPlugin.h)
    c.pfnAutoScrollPlugin = GXCreateAutoScrollPlugin;
    // resizing to fit the contents (GXResizeToFitImp.h)
    c.pfnResizeToFit = GXCreateResizeToFitImp;
    // update hints between views (GXUpdateHintImp.h)
    c.pfnUpdateHint = GXCreateUpdateHintImp;
    // undo and redo (GXCommandFactory.h)
    c.pfnCommandFactory = GXCreateCommandFactory;
    // sorting (GXSortImp.h)
    c.pfnSort = GXCreateSortImp;
    // old-style drawing (GXOldDrawingImp.h)
    c.pfnOldDrawing = GXCreateOldDrawingImp;
    // covered cells (GXCoveredCellsImp.h)
    c.pfnCoveredCells = GXCreateCoveredCellsImp;
    // merged cells (GXMergeCellsImp.h)
    c.pfnMergeCells = GXCreateMergeCellsImp;
    // floating cells (GXFloatCellsImp.h)
    c.pfnFloatCells = GXCreateFloatCellsImp;
    // printing (GXPrintImp.h)
    c.pfnPrint = GXCreatePrintImp;
    // user range selection (GXUserSelectRangeImp.h)
    c.pfnUserSelectRange = GXCreateUserSelectRangeImp;
    // the selection frame (GXExcelLikeFrameImp.h)
    c.pfnExcelLikeFrame = GXCreateExcelLikeFrameImp;
    // drag-moving rows and columns (GXUserDragSelectRangeImp.h)
    c.pfnUserDragSelectRange = GXCreateUserDragSelectRangeImp;
    // user resizing (GXUserResizeCellsImp.h)
    c.pfnUserResizeCells = GXCreateUserResizeCellsImp;
    // optimized screen update (GXOptimizedUpdateImp.h)
    c.pfnOptimizedUpdate = GXCreateOptimizedUpdateImp;
    // header marking (GXMarkEditHeaderImp.h)
    c.pfnMarkEditHeader = GXCreateMarkEditHeaderImp;
    // the freeze commands (GXMarkEditHeaderImp.h)
    c.pfnFreezeMenuHelper = GXCreateFreezeMenuHelperImp;
    // copying and moving blocks (GXDirectCopyMoveCellsImp.h)
    c.pfnDirectCopyMoveCells = GXCreateDirectCopyMoveCellsImp;
    // clipboard text (GXTextDataExchangeImp.h)
    c.pfnTextDataExchange = GXCreateTextDataExchangeImp;
    // clipboard styles (GXStyleDataExchangeImp.h)
    c.pfnStyleDataExchange = GXCreateStyleDataExchangeImp;
    // cut, copy and paste (GXCutPasteImp.h)
    c.pfnCutPaste = GXCreateCutPasteImp;
    // clearing cells (GXClearCellsImp.h)
    c.pfnClearCells = GXCreateClearCellsImp;
    // filling (GXExcelLikeFillImp.h)
    c.pfnExcelLikeFill = GXCreateExcelLikeFillImp;
    return c;
}

// The process-wide modules, in the order of their installers.
GXLibraryModuleCreators LibraryCreators()
{
    GXLibraryModuleCreators c;
    // printer settings (GXPrintDeviceImp.h)
    c.pfnPrintDevice = GXCreatePrintDeviceImp;
    // rotated text (GXDrawRotatedTextImp.h)
    c.pfnDrawRotatedText = GXCreateDrawRotatedTextImp;
    // number formatting (GXNumberFormattingImp.h)
    c.pfnNumberFormatting = GXCreateNumberFormattingImp;
    // date and time on the OLE services (GXDateTimeImp.h)
    c.pfnOleDateTime = GXCreateOleDateTimeImp;
    // date and time from the locale (GXDateTimeImp.h)
    c.pfnNoOleDateTime = GXCreateNoOleDateTimeImp;
    // reordering after a sort (GXSortMoveDataImp.h)
    c.pfnSortMoveData = GXCreateSortMoveDataImp;
    // copying and moving stored cells (GXDataCopyMoveCellsImp.h)
    c.pfnDataCopyMoveCells = GXCreateDataCopyMoveCellsImp;
    // long operations (GXLongOperationImp.h)
    c.pfnLongOperation = GXCreateLongOperationImp;
    // covered-cell pools (GXCoveredCellsImp.h)
    c.pfnCoveredCellPool = GXCreateCoveredCellPoolImp;
    // span-cell pools (GXSpanCellPoolImp.h)
    c.pfnSpanCellPool = GXCreateSpanCellPoolImp;
    // delayed-range pools (GXSpanCellPoolImp.h)
    c.pfnDelayedRangePool = GXCreateDelayedRangePoolImp;
    return c;
}

}  // namespace

void GXRegisterGridOperations()
{
    GridLibraryState* pState = GXGetLibraryState();
    pState->m_gridModuleCreators = GridCreators();
    pState->m_moduleCreators = LibraryCreators();
}
