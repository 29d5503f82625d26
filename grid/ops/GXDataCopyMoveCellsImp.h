// The process-wide data copy/move module: the storage work behind copying and moving a block of
// cells of a cell data store (CGXData::CopyCells and MoveCells forward to it). It rearranges the
// CGXStyle objects of the store's cell array (one row array per row, each possibly missing or shorter
// than the column count); the counts stay.
//
// A move can keep what it overwrote (CGXDataUndoMoveCellsInfo); moving the block back with that
// record restores both blocks exactly: the move takes the moved styles home and puts the overwritten
// ones back.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXData;
class CGXStyle;

class CGXAbstractDataCopyMoveCellsImp : public CObject {
public:
    // Copies the stored styles of range to the block at (nDestRow, nDestCol). TRUE.
    virtual BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    // Moves them. With bCreateUndoInfo, rpUndoInfo receives a CGXDataUndoMoveCellsInfo of what the move
    // overwrote; a given one (an undo) is put back afterwards. TRUE.
    virtual BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& rpUndoInfo, BOOL bCreateUndoInfo) = 0;
};

// What a move overwrote: the styles it took out of the target block with their cells (owned).
class CGXDataUndoMoveCellsInfo : public CObject {
    DECLARE_DYNAMIC(CGXDataUndoMoveCellsInfo)
public:
    struct SavedCell {
        SavedCell* pNext;
        ROWCOL nRow;
        ROWCOL nCol;
        CGXStyle* pStyle;
    };
    CGXDataUndoMoveCellsInfo() = default;
    // Deletes every saved style and cell.
    ~CGXDataUndoMoveCellsInfo() override;
    CGXDataUndoMoveCellsInfo(const CGXDataUndoMoveCellsInfo&) = delete;
    CGXDataUndoMoveCellsInfo& operator=(const CGXDataUndoMoveCellsInfo&) = delete;

    // The saved cells, newest first (null: none).
    SavedCell* m_pHead = nullptr;
};

class CGXDataCopyMoveCellsImp : public CGXAbstractDataCopyMoveCellsImp {
public:
    // Each target cell gets a copy of its source cell's style, or loses its own when the source holds
    // none; the source is read as it was before the copy, so blocks may overlap. Rows beyond the cell
    // array are made only where the source row holds a style. A range of whole rows, columns or the
    // table stands for its cells up to the counts.
    BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) override;
    // The source styles go to the target cells; what the target held is deleted, or with
    // bCreateUndoInfo kept in rpUndoInfo (made when null). A CGXDataUndoMoveCellsInfo given in
    // rpUndoInfo (the move back of an undo) has its styles put back at their cells and is emptied.
    BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                   CObject*& rpUndoInfo, BOOL bCreateUndoInfo) override;
};

// Makes a CGXDataCopyMoveCellsImp.
CGXAbstractDataCopyMoveCellsImp* GXCreateDataCopyMoveCellsImp();
