// Copying and moving blocks of cells inside a grid, undoable. Attaching it also installs the
// process-wide data copy/move module (GXDataCopyMoveCellsImp.h), which does the storage work.
//
// Does not do yet: the module (CGXGridDirectCopyMoveCellsImp) comes with its own work; its creator
// (GXCreateDirectCopyMoveCellsImp) plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

class CGXAbstractGridDirectCopyMoveCellsImp : public CObject {
public:
    // Copies the cells of range to the block at (nDestRow, nDestCol). TRUE when copied.
    virtual BOOL CopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, UINT nFlags) = 0;
    // The data step of CopyCells (CGXData::CopyCells; TRUE without a data object).
    virtual BOOL StoreCopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    // Moves them; rpUndoInfo receives (or gives back, for an undo) what the move overwrote.
    virtual BOOL MoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& rpUndoInfo, UINT nFlags, int nCommandType) = 0;
    // The data step of MoveCells (CGXData::MoveCells; TRUE without a data object).
    virtual BOOL StoreMoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                                CObject*& rpUndoInfo, BOOL bCreateUndoInfo, int nCommandType) = 0;
};

CGXAbstractGridDirectCopyMoveCellsImp* GXCreateDirectCopyMoveCellsImp();
