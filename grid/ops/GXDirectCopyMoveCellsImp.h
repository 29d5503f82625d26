// Copying and moving blocks of cells inside a grid, undoable. Attaching it also installs the
// process-wide data copy/move module (GXDataCopyMoveCellsImp.h), which does the storage work.
// The target block always has the source's size, its top-left at (nDestRow, nDestCol).
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

class CGXGridDirectCopyMoveCellsImp : public CGXAbstractGridDirectCopyMoveCellsImp {
public:
    // FALSE for a read-only grid. One undo step "Copy" that gives the target its old styles back
    // (null entries leave cells empty again); a target too large for that (more than 0x7FFF rows or
    // columns) asks string 20082 first: Cancel copies nothing, OK copies without undo. A failed store
    // takes the step back. Redraws with nFlags. The store's answer.
    BOOL CopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, UINT nFlags) override;
    BOOL StoreCopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol) override;
    // FALSE for a read-only grid or one without data. Unless nCommandType is a rollback and with undo
    // on, records a move back (CGXMoveCellsCmd) that owns what the move overwrote. Redraws with
    // nFlags. The store's answer.
    BOOL MoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& rpUndoInfo,
                   UINT nFlags, int nCommandType) override;
    BOOL StoreMoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                        CObject*& rpUndoInfo, BOOL bCreateUndoInfo, int nCommandType) override;
};

// Makes a CGXGridDirectCopyMoveCellsImp.
CGXAbstractGridDirectCopyMoveCellsImp* GXCreateDirectCopyMoveCellsImp();
