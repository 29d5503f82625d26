// Covered cells: a block of cells shown, edited and selected as one, anchored at its top-left cell.
// The coverings live in the parameter object (the covered-ranges list and the covered-cell pool, an
// index from a cell to its covering). Attaching the module installs the process-wide covered-cell
// pool module, lets the parameter object make its shared object and attaches the engine's spanned-cell
// drawing module. The grid reaches the first five operations through its forwarders
// (UpdateCoveredCellsRowCol through SetCoveredCellsRange, ExpandCoveredRange through
// GetCoveredCellsInRange) and calls OnRemoveRows/-Cols before it removes rows or columns.
//
// The module keeps no state. A covering is refused when it meets another covering (the one anchored at
// its own top-left cell it replaces, so an anchor can be covered again with a smaller block), when a
// bound is above 0x7FFFFFFE, and while the read-only guard holds a locked or read-only grid. Changes are
// recorded for undo (CGXSetCoveredCellsCmd) and handed to the other views (the covered-cells hint).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;
class CGXCoveredCellPool;

class CGXAbstractGridCoveredCellsImp : public CObject {
public:
    // Makes (nRow, nCol)..(nToRow, nToCol) one covering (the one cell: removes the covering anchored
    // there), undoable. TRUE when stored.
    virtual BOOL SetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                       UINT nFlags, int nCommandType) = 0;
    // The covering that holds (nRow, nCol), copied into range: &range, or null when the cell is in none.
    virtual CGXCellRange* GetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) = 0;
    // The storing step, without redraw or undo (bSet FALSE: uncovers). TRUE when stored.
    virtual BOOL StoreCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                         BOOL bSet) = 0;
    // The screen step.
    virtual void UpdateCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                          ROWCOL nToCol, UINT nFlags, BOOL bCreateHint) = 0;
    // Widens range until it cuts no covering.
    virtual void ExpandCoveredRange(CGXGridCore* pGrid, CGXCellRange& range) = 0;
    // Adjust the coverings before rows (columns) nFrom..nTo are removed. TRUE when done.
    virtual BOOL OnRemoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, BOOL bSkip) = 0;
    virtual BOOL OnRemoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, BOOL bSkip) = 0;
};

// The process-wide maker of covered-cell pools.
class CGXAbstractCoveredCellPoolImp : public CObject {
public:
    // A new empty pool.
    virtual CGXCoveredCellPool* CreatePool() = 0;
    // Fills pool from the covered-ranges list (CGXCellRange pointers).
    virtual void RebuildPool(CGXCoveredCellPool* pPool, CPtrList& coveredRanges) = 0;
};

CGXAbstractGridCoveredCellsImp* GXCreateCoveredCellsImp();
CGXAbstractCoveredCellPoolImp* GXCreateCoveredCellPoolImp();
