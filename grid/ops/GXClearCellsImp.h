// Clearing cells: the values (and with bStyles the styles) of the selection or of given ranges.
// Headers are never cleared, and of several selected areas only their own cells are: the blocks of
// their merged rows and columns are cut to the areas, so A1 with C3 leaves C1 and A3 alone.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

class CGXAbstractGridClearCellsImp : public CObject {
public:
    // FALSE for a read-only grid; else whether there is a selection or a current cell.
    virtual BOOL CanClear(CGXGridCore* pGrid) = 0;
    // Clears the selection with the current cell.
    virtual BOOL Clear(CGXGridCore* pGrid, BOOL bStyles) = 0;
    // Clears the cells of the ranges. TRUE when anything changed.
    virtual BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles) = 0;
};

class CGXGridClearCellsImp : public CGXAbstractGridClearCellsImp {
public:
    BOOL CanClear(CGXGridCore* pGrid) override;
    // Inside a long operation, ClearCells of the selection with the current cell.
    BOOL Clear(CGXGridCore* pGrid, BOOL bStyles) override;
    // One undo step "Clear Cells" inside a long operation that may roll back. bStyles: the stored
    // styles are removed; else each cell whose control shows a text is given an empty one (cells
    // already empty are not written). Each block of the merged rows and columns is registered for
    // recalculation whole (unless the grid's recalculation-range lock is set), and the lock is held
    // while its cells are cleared. A refused store (a cell's control, the undo-buffer question
    // cancelled, a locked grid) or an abort ends it with FALSE; what was cleared stays unless the
    // user chose to roll back. TRUE otherwise.
    BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles) override;
};

// Makes a CGXGridClearCellsImp.
CGXAbstractGridClearCellsImp* GXCreateClearCellsImp();
