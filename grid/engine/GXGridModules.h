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
// The interfaces of the grid operations' modules live with the grid operations (grid/ops, one header
// per module, each operation named and ordered as its module defines it); this header includes them
// and declares the engine's own modules: spanned-cell drawing, content size and row-and-column moves,
// which other modules' attach steps attach, and two that this program never attaches. Every operation
// but the command creators takes the grid first (or the control it serves). The core reaches most of
// them through a virtual operation of its own (GXCore.h), so that a derived grid can change one
// without touching the module; the arguments pass through unchanged, and the core operation keeps
// the engine's name where the module names the operation otherwise (GetCopyTextRowCol reaches
// GetCellText, for instance).
//
// Command types (nCommandType) of undoable operations: 0 a normal operation (records an undo command),
// 1 a rollback (records nothing), 2 undo, 3 redo. Commands (CGXCommand) belong to the command factory;
// formula undo information is carried as a CObject pointer.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

#include "grid/ops/GXAutoScrollPlugin.h"
#include "grid/ops/GXClearCellsImp.h"
#include "grid/ops/GXCommandFactory.h"
#include "grid/ops/GXCoveredCellsImp.h"
#include "grid/ops/GXCutPasteImp.h"
#include "grid/ops/GXDirectCopyMoveCellsImp.h"
#include "grid/ops/GXExcelLikeFillImp.h"
#include "grid/ops/GXExcelLikeFrameImp.h"
#include "grid/ops/GXFindReplaceImp.h"
#include "grid/ops/GXFloatCellsImp.h"
#include "grid/ops/GXHideCellsImp.h"
#include "grid/ops/GXMarkEditHeaderImp.h"
#include "grid/ops/GXMergeCellsImp.h"
#include "grid/ops/GXOldDrawingImp.h"
#include "grid/ops/GXOptimizedUpdateImp.h"
#include "grid/ops/GXPrintImp.h"
#include "grid/ops/GXResizeToFitImp.h"
#include "grid/ops/GXSortImp.h"
#include "grid/ops/GXStyleDataExchangeImp.h"
#include "grid/ops/GXTextDataExchangeImp.h"
#include "grid/ops/GXUpdateHintImp.h"
#include "grid/ops/GXUserDragSelectRangeImp.h"
#include "grid/ops/GXUserResizeCellsImp.h"
#include "grid/ops/GXUserSelectRangeImp.h"

class CArchive;
class CCmdUI;
class CDC;
class CFile;
class CPrintInfo;
class CGXCellRange;
class CGXControl;
class CGXGridCore;
class CGXPluginComponent;
class CGXProperties;
class CGXRangeList;
class CGXSortInfoArray;
class CGXStyle;
class CGXStylesMap;
class CGXStylePtrArray;
struct CellPaintMatrix;

// Spanned cells (covered, merged, floated) prepared and drawn as one cell inside a paint matrix.
class CGXAbstractDrawSpannedCellsImp : public CObject {
public:
    // Takes the cell at matrix row nRowIndex, column nColIndex when it lies in a span: marks the span's
    // cells. TRUE when taken.
    virtual BOOL PrepareSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& matrix, int nRowIndex, int nColIndex) = 0;
    // Draws the cell when it belongs to a span. TRUE when handled.
    virtual BOOL DrawSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& matrix, int nRowIndex, int nColIndex) = 0;
    // Evaluates the merged and floated spans of range inside the visible areas. TRUE when a span changed.
    virtual BOOL EvalVisibleSpans(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nFrozenRows,
                                  ROWCOL nFrozenCols, ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow, ROWCOL nLastCol,
                                  BOOL bAlreadyLocked, CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
};

// Measures the preferred size of a cell's content.
class CGXAbstractCalcSizeImp : public CObject {
public:
    virtual CSize CalcSize(CGXGridCore* pGrid, CDC* pDC, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                           const CGXStyle& style, const CGXStyle* pStandardStyle, BOOL bHeightOnly) = 0;
};

// Storing and updating moves of rows and columns.
class CGXAbstractGridMoveRowsColsImp : public CObject {
public:
    // The data step: rows nFrom..nTo so that nFrom ends at nDest. TRUE when moved (or bProcessed).
    virtual BOOL StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) = 0;
    // The screen step.
    virtual void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                BOOL bCreateHint) = 0;
    virtual BOOL StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) = 0;
    virtual void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                BOOL bCreateHint) = 0;
    // The whole undoable move. TRUE when moved.
    virtual BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                          int nCommandType) = 0;
    virtual BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                          int nCommandType) = 0;
};

// Named ranges of the formula engine (never attached in this program).
class CGXAbstractGridRangeNameImp : public CObject {
public:
    virtual BOOL SetRangeName(CGXGridCore* pGrid, const char* pszName, const CGXCellRange& range, CObject* pUndoInfo,
                              UINT nFlags, int nCommandType) = 0;
    virtual BOOL GetRangeName(CGXGridCore* pGrid, const char* pszName, CGXCellRange& range) = 0;
    virtual BOOL DeleteRangeName(CGXGridCore* pGrid, const char* pszName, UINT nFlags, int nCommandType) = 0;
};

// A further optional module (never attached in this program): told when a paint starts and when the
// user clicks into the selected text of an editing cell.
class CGXAbstractGridOptionalImp : public CObject {
public:
    virtual void OnGridDrawStart(CGXGridCore* pGrid, DWORD dw1, DWORD dw2, DWORD dw3, DWORD dw4) = 0;
    virtual void OnEditSelectionClick(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
};

// The creators of the per-grid modules, one per attach step (null, or a creator that answers null: the
// step makes nothing). The auto-scroll plug-in is made for its grid. The grid operations register
// theirs (GXRegisterGridOperations, grid/ops/GXOperations.h).
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
