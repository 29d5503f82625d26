// CGXGridMarkEditHeaderImp and CGXGridFreezeMenuHelperImp: the header-marking module and the freeze
// commands' module (the interfaces in GXMarkEditHeaderImp.h).
//
// Header marks: with the properties' row-header (column-header) marking on, the header cells of the
// current cell's row (column) are drawn marked, and so is the header of a column (row) the user
// resizes while its sizing word's bit 16 is clear. RedrawHeaderMarks invalidates those header cells
// when the current cell leaves or reaches them; nothing while the grid's update lock is held. In the
// row-list selection modes row headers are not marked (the whole row shows as selected).
//
// Freezing: Freeze Columns takes the one run of whole columns the selection holds, moves it to the
// first column after the header columns and freezes it; the parameter remembers where it came from,
// so Unfreeze Columns moves it back. Both are one undo block named "Freeze Columns" and redraw the
// grid once at the end. Rows alike ("Freeze Rows"), except that unfreezing rows first sets the frozen
// count to 0 and then moves the rows back, as two undo steps and without the lock.
#pragma once

#include "grid/ops/GXMarkEditHeaderImp.h"

class CGXGridMarkEditHeaderImp : public CGXAbstractGridMarkEditHeaderImp {
public:
    void RedrawHeaderMarks(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich, UINT nFlags) override;
    BOOL IsHeaderMarked(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, UINT nFlags) override;
};

class CGXGridFreezeMenuHelperImp : public CGXAbstractGridFreezeMenuHelperImp {
public:
    // One run of whole columns (rows) is selected and none is frozen.
    BOOL CanFreezeCols(CGXGridCore* pGrid) override;
    // Columns (rows) are frozen.
    BOOL CanUnfreezeCols(CGXGridCore* pGrid) override;
    void FreezeCols(CGXGridCore* pGrid) override;
    void UnfreezeCols(CGXGridCore* pGrid) override;
    BOOL CanFreezeRows(CGXGridCore* pGrid) override;
    BOOL CanUnfreezeRows(CGXGridCore* pGrid) override;
    void FreezeRows(CGXGridCore* pGrid) override;
    void UnfreezeRows(CGXGridCore* pGrid) override;
};
