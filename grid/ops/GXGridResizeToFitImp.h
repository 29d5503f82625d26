// CGXGridResizeToFitImp: the fit-to-contents module (the interface in GXResizeToFitImp.h). Each row
// (column) of a range gets the height (width) its cells' controls ask for (CGXControl::CalcSize in the
// standard style's font), through the grid's undoable size operations, as one undo block ("Resizing
// Rows" or "Resizing Columns", also the long operation's status text).
//
// The current cell is measured with the text being edited in it (CGXControl::GetValueIntoStyle).
// A measured size of 0 leaves the line alone; no line grows beyond the grid's visible extent less the
// lines before it (the frozen ones for a scrolled line); the extent is the grid rectangle's, or, while
// that is empty, the client area's of the grid window's parent, else of its top child window. Flag 8
// lets lines only grow. A covered cell
// is measured once, at its top-left cell, and only when bIncludeCovered is set and its whole block lies
// in the range; the lines of the block after the first take their share, so the first line needs only
// the rest. An uncovered cell counts only while the line across it is visible. The user may abort: every
// size changed in the call is rolled back and the answer is FALSE.
#pragma once

#include "grid/ops/GXResizeToFitImp.h"

class CGXGridResizeToFitImp : public CGXAbstractGridResizeToFitImp {
public:
    BOOL ResizeRowHeightsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags) override;
    BOOL ResizeColWidthsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags) override;
};
