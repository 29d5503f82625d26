// CGXGridMoveRowsColsImp: the grid engine's module that moves rows and columns. The grid reaches it
// through its move-rows-and-columns pointer (CGXGridCore::MoveRows, StoreMoveRows, UpdateMoveRows and
// the column twins forward to it); CGXGridCore::AttachMoveRowsColsImp makes it, and the drag-moving
// module attaches it when it is attached itself. It keeps no state: every step works on the grid.
//
// - MoveRows: the current cell's edit is stored first (FALSE when that fails); for a normal operation
//   an undo transaction is opened; every covering the move cuts through is removed (a normal move
//   records how to restore it) and the whole grid is drawn again; the store and update steps run; a
//   command that moves the block back (from the destination) is recorded and the transaction
//   committed, or rolled back on failure.
// - StoreMoveRows: a destination equal to the first row changes nothing (FALSE); else the data object
//   moves the rows, the document is marked modified and the hidden rows, row heights and both range
//   lists follow; merged (and, for columns, floating) spans from the lower line on are evaluated again.
// - UpdateMoveRows: the current cell follows its row; the whole grid is redrawn when the move touches a
//   frozen row, with flag 1, or with floating or merged cells on; otherwise a band that stays in view
//   is scrolled by the block's size (ScrollWindowEx, which leaves only the block's new place to paint)
//   and one that does not is redrawn; with numbered row headers the headers from the lower line
//   downwards are redrawn; a hint goes on with bCreateHint.
#pragma once

#include "grid/engine/GXGridModules.h"

class CGXGridMoveRowsColsImp : public CGXAbstractGridMoveRowsColsImp {
public:
    BOOL StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) override;
    void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                        BOOL bCreateHint) override;
    BOOL StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) override;
    void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                        BOOL bCreateHint) override;
    BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                  int nCommandType) override;
    BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                  int nCommandType) override;
};
