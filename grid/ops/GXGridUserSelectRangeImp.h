// CGXGridUserSelectRangeImp: the user range selection (the interface in GXUserSelectRangeImp.h). It
// turns clicks, drags and Shift or Ctrl arrow keys into the selection, the parameter object's first
// range list that every view of the grid shares, and marks exactly the cells whose selected state
// changed by inverting them on the screen (never by repainting).
//
// State lives in the grid (GXCore.h): the position of the range being built (CGXGridCore::
// m_posSelecting), the anchor where it started, the last tracked cell and the selecting bit of the
// mouse-action word. Around each change made for the user the grid is asked (ApproveSelectionChange;
// FALSE skips that change) and told (AfterSelectionChange), with the flag pairs 1, 0 for the press and
// the drag (and the keys' clearing), 0, 1 for a key change and 0, 0 at the release; a selection starts
// only where ApproveCellSelection agrees.
//
// Options: the parameter's selection-behaviour word (1 row headers, 2 column headers, 4 the corner
// cell selects and deselects the table, 8 the cell area, 16 Ctrl adds a range, 32 Shift extends the
// last range, 64 Shift+arrows extend; none of the low eight bits: the mouse selects nothing), the
// allowed-selection word (1 row-list mode, one row: every selection is the current cell's whole row;
// 2 row-list mode, many rows: selections are whole rows, Shift and Ctrl follow the keys; either mode
// stores whole rows) and the single-click option. Header lines are rows 0..header rows and columns
// 0..header columns.
//
// The marking is inverted only while the parameter marks selected cells, as a paint would draw it,
// and not under the grid's update lock. A range position that another view's change removed from the
// shared list counts as no range being built.
#pragma once

#include "grid/ops/GXUserSelectRangeImp.h"

class CGXGridUserSelectRangeImp : public CGXAbstractGridUserSelectRangeImp {
public:
    // Without Shift (key state and behaviour bit 64): the current cell moves and the range being built
    // is forgotten; the move's answer. With Shift: the range from the anchor follows the current cell
    // (FALSE without a current cell, when a hook refuses or the cell cannot move). In the row-list
    // modes the current cell's rows are selected (FALSE only without a current cell or on a refusal).
    BOOL MoveCurrentCellSelecting(CGXGridCore* pGrid, int nDirection, UINT nCount) override;
    // The press on (nRow, nCol): the corner cell selects or deselects the table; otherwise the
    // selection is emptied (neither Shift nor Ctrl), Shift spans the last range from the anchor to the
    // cell, and a new range starts at the cell: at once for a header (whole columns or rows) and in the
    // row-list modes, at the first move for a cell.
    void StartSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                        ROWCOL& nCol) override;
    // The range being built reaches from the anchor to (nRow, nCol), which a drag from a cell raises
    // past the header lines (written back). FALSE when no mouse selection is under way.
    BOOL TrackSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) override;
    // A click that never left its cell: with Ctrl at the press the cell alone is the range built,
    // else the selection is emptied (kept with the single-click option).
    void EndSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags) override;
    void SelectRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bSelect, BOOL bUpdate) override;
    // Adding appends a copy. Excluding takes every listed range that meets range (both seen as cells,
    // whole lines from 1 to the counts) out of the list and appends what is left of it as up to four
    // strips: above, below (whole rows when range and the listed range are), left and right (whole
    // columns likewise). TRUE.
    BOOL AddOrExcludeRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAdd) override;
    // Inverts the visible cells (of range with its headers) whose state in pOldList differs from the
    // selection's; afterwards the last listed range is the range being built.
    void RedrawSelectionDifference(CGXGridCore* pGrid, const CGXCellRange& range, const CGXRangeList* pOldList,
                                   BOOL bCreateHint) override;
    // No position: the selection is unmarked and emptied. Else the range at pos becomes the corners
    // (0 sides: whole rows, whole columns, the table; whole rows in the row-list modes), the change
    // inverted first.
    void SetRangeAtPosition(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                            ROWCOL nRight) override;
    // Inverts the visible cells whose state changes when the range at pos becomes the corners.
    void RedrawRangeChange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                           ROWCOL nRight, BOOL bCreateHint) override;
    // Inverts every visible selected cell, headers included.
    void RedrawSelection(CGXGridCore* pGrid, BOOL bCreateHint) override;
    // A Ctrl+click on a header of a row (column) that a whole-rows (whole-columns) or table range
    // selects deselects that row (column). FALSE without Ctrl or such a range.
    BOOL ToggleHeaderSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, int x, int y) override;
};
