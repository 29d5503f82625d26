// CGXGridOptimizedUpdateImp: the optimized-update module (the interface in GXOptimizedUpdateImp.h).
// After rows or columns were inserted, removed or resized, the grid asks it instead of redrawing
// everything: the part of the window that only moved is scrolled with the system's window scrolling
// (child windows move with it) and only the strips that really changed are invalidated. Every
// operation runs after the data changed; the column operations mirror the row operations.
//
// The whole grid is redrawn (CGXGridCore::Redraw with the flags) instead when the first line changed
// is frozen, while floating or merged cells are on, for a removal with flags exactly 1, and for a size
// change across which a covered block reaches.
//
// Flags (the grid's redraw flags; the low three bits count): 1 invalidates instead of scrolling; 2 or
// 4 scroll; 2 also paints at once. With the parameter's redraw-following-rows (columns) option the
// lines after an insertion or removal are redrawn as well (their headers may number them).
//
// A splitter pane whose header lines have no size (a derived view may hide them) takes a change of
// only those lines without drawing anything.
#pragma once

#include "grid/ops/GXOptimizedUpdateImp.h"

class CGXGridOptimizedUpdateImp : public CGXAbstractGridOptimizedUpdateImp {
public:
    // nCount lines were inserted before nFirst. Insertion above the top row moves the top row down by
    // nCount (the same lines stay in view); one in view scrolls what follows down by the inserted
    // lines' size and invalidates them, or invalidates everything from them on when they reach the
    // window's end or the last line.
    void UpdateRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    void UpdateColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    // Lines nFrom..nTo were removed; anOldSizes (null: not known) holds their sizes. No lines left: the
    // top row becomes 1; fewer lines than the top row: it becomes the last one; a removal wholly above
    // the top row moves it up by the lines removed; a removal in view scrolls what followed up by the
    // removed lines' visible size (without sizes, or when they filled the view, everything from the
    // removal on is invalidated). A covered block that holds the line before the removal is drawn
    // again.
    void UpdateRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                           UINT nFlags) override;
    void UpdateColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                           UINT nFlags) override;
    // Lines nFrom..nTo (nTo 0: nFrom) changed from anOldSizes (null: not known). Lines scrolled out of
    // view draw nothing; otherwise what follows the changed lines scrolls by the difference and the
    // changed lines are invalidated (without old sizes, or when the first changed line is scrolled
    // out, everything below it). An active control of the current cell in them is refreshed.
    void UpdateRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                 UINT nFlags) override;
    void UpdateColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                UINT nFlags) override;
};
