// The process-wide data copy/move module: the storage work behind copying and moving a block of
// cells of a cell data store (CGXData::CopyCells and MoveCells forward to it).
//
// Does not do yet: the module (CGXDataCopyMoveCellsImp) comes with its own work; its creator
// (GXCreateDataCopyMoveCellsImp) plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXData;

class CGXAbstractDataCopyMoveCellsImp : public CObject {
public:
    // Copies the stored styles of range to the block at (nDestRow, nDestCol). TRUE.
    virtual BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    // Moves them. With bCreateUndoInfo, rpUndoInfo receives a CGXDataUndoMoveCellsInfo of what the move
    // overwrote; a given one (an undo) is put back afterwards. TRUE.
    virtual BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& rpUndoInfo, BOOL bCreateUndoInfo) = 0;
};

CGXAbstractDataCopyMoveCellsImp* GXCreateDataCopyMoveCellsImp();
