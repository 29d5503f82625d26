// The per-grid operation modules: optional behaviour of a grid (printing, sorting, covered, merged and
// floating cells, undo commands, update hints, find and replace, user selection, dragging and
// resizing, clipboard, clearing) kept in stateless objects that the grid core reaches through one
// pointer each. A null pointer means the feature is absent: the core's operation that needs the module
// does nothing and answers 0 (FALSE).
//
// The control factory's InitializeGridComponents runs the core's attach steps right after a grid is
// built. Each attach step makes its module through the creator of GridLibraryState::m_gridModuleCreators
// when the grid has none yet, stores it and hands it to CGXGridCore::AddAutoDeleteObject. The creators
// are null until the grid operations provide their modules, so until then every pointer stays null.
// The spanned-cell drawing, content-size and row-moving modules are attached by other modules' steps,
// not by the factory.
//
// Each class lists the operations the engine calls so far, in the order the grid operations define
// them; the grid operations complete them.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CDC;
class CGXCellRange;
class CGXGridCore;
class CGXPluginComponent;
class CGXRangeList;

class CGXAbstractGridPrintImp : public CObject {};
class CGXAbstractGridSortImp : public CObject {};
class CGXAbstractGridOldDrawingImp : public CObject {};

// Covered cells: a block of cells shown as one.
class CGXAbstractGridCoveredCellsImp : public CObject {
public:
    // The covered range that holds (nRow, nCol) in range. TRUE when the cell is covered.
    virtual BOOL GetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) = 0;
};

class CGXAbstractDrawSpannedCellsImp : public CObject {};
class CGXAbstractGridFloatCellsImp : public CObject {};
class CGXAbstractGridMergeCellsImp : public CObject {};
class CGXAbstractCommandFactory : public CObject {};
class CGXAbstractCalcSizeImp : public CObject {};
class CGXAbstractGridUpdateHintImp : public CObject {};
class CGXAbstractGridResizeToFitImp : public CObject {};
class CGXAbstractGridHideCellsImp : public CObject {};
class CGXAbstractGridFindReplaceImp : public CObject {};
class CGXAbstractGridUserSelectRangeImp : public CObject {};

// The Excel-like frame around the selected range.
class CGXAbstractGridExcelLikeFrameImp : public CObject {
public:
    // Hides (bHide) or shows the frame. Returns whether it was hidden before.
    virtual BOOL HideFrame(CGXGridCore* pGrid, BOOL bHide, BOOL bFlag) = 0;
};

class CGXAbstractGridExcelLikeFillImp : public CObject {};
class CGXAbstractGridUserDragSelectRangeImp : public CObject {};
class CGXAbstractGridMoveRowsColsImp : public CObject {};
class CGXAbstractGridUserResizeCellsImp : public CObject {};
class CGXAbstractGridOptimizedUpdateImp : public CObject {};
class CGXAbstractGridMarkEditHeaderImp : public CObject {};
class CGXAbstractGridFreezeMenuHelperImp : public CObject {};
class CGXAbstractGridDirectCopyMoveCellsImp : public CObject {};
class CGXAbstractGridTextDataExchangeImp : public CObject {};
class CGXAbstractGridStyleDataExchangeImp : public CObject {};

// Cut, copy and paste of cells.
class CGXAbstractGridCutPasteImp : public CObject {
public:
    // Copies the cells of the ranges to the clipboard. TRUE when copied.
    virtual BOOL CopyRange(CGXGridCore* pGrid, const CGXRangeList& selList) = 0;
};

// Clearing cells.
class CGXAbstractGridClearCellsImp : public CObject {
public:
    // Clears the cells of the ranges (bStyleOnly as the module reads it). TRUE when anything changed.
    virtual BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyleOnly) = 0;
};

// The creators of the per-grid modules, one per attach step (null: the step makes nothing). The
// auto-scroll plug-in is made for its grid.
struct GXGridModuleCreators {
    CGXAbstractGridFindReplaceImp* (*pfnFindReplace)() = nullptr;
    CGXAbstractGridHideCellsImp* (*pfnHideCells)() = nullptr;
    CGXPluginComponent* (*pfnAutoScrollPlugin)(CGXGridCore* pGrid) = nullptr;
    CGXAbstractGridResizeToFitImp* (*pfnResizeToFit)() = nullptr;
    CGXAbstractGridUpdateHintImp* (*pfnUpdateHint)() = nullptr;
    CGXAbstractCommandFactory* (*pfnCommandFactory)() = nullptr;
    CGXAbstractGridSortImp* (*pfnSort)() = nullptr;
    CGXAbstractGridOldDrawingImp* (*pfnOldDrawing)() = nullptr;
    CGXAbstractGridCoveredCellsImp* (*pfnCoveredCells)() = nullptr;
    CGXAbstractGridMergeCellsImp* (*pfnMergeCells)() = nullptr;
    CGXAbstractGridFloatCellsImp* (*pfnFloatCells)() = nullptr;
    CGXAbstractGridPrintImp* (*pfnPrint)() = nullptr;
    CGXAbstractGridUserSelectRangeImp* (*pfnUserSelectRange)() = nullptr;
    CGXAbstractGridExcelLikeFrameImp* (*pfnExcelLikeFrame)() = nullptr;
    CGXAbstractGridUserDragSelectRangeImp* (*pfnUserDragSelectRange)() = nullptr;
    CGXAbstractGridUserResizeCellsImp* (*pfnUserResizeCells)() = nullptr;
    CGXAbstractGridOptimizedUpdateImp* (*pfnOptimizedUpdate)() = nullptr;
    CGXAbstractGridMarkEditHeaderImp* (*pfnMarkEditHeader)() = nullptr;
    CGXAbstractGridFreezeMenuHelperImp* (*pfnFreezeMenuHelper)() = nullptr;
    CGXAbstractGridDirectCopyMoveCellsImp* (*pfnDirectCopyMoveCells)() = nullptr;
    CGXAbstractGridTextDataExchangeImp* (*pfnTextDataExchange)() = nullptr;
    CGXAbstractGridStyleDataExchangeImp* (*pfnStyleDataExchange)() = nullptr;
    CGXAbstractGridCutPasteImp* (*pfnCutPaste)() = nullptr;
    CGXAbstractGridClearCellsImp* (*pfnClearCells)() = nullptr;
    CGXAbstractGridExcelLikeFillImp* (*pfnExcelLikeFill)() = nullptr;
};
