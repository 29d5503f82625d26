// Clearing cells: the values (and with bStyles the styles) of the selection or of given ranges.
//
// Does not do yet: the module (CGXGridClearCellsImp) comes with its own work; its creator
// (GXCreateClearCellsImp) plugs into the table of GXOperations.cpp when it lands.
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

CGXAbstractGridClearCellsImp* GXCreateClearCellsImp();
