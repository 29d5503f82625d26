// CGXGridUserDragSelectRangeImp: moving whole selected rows or columns by dragging one of their headers
// (the interface in GXUserDragSelectRangeImp.h). A press on the header of a row (column) that a
// whole-rows (whole-columns) range of the selection covers starts a drag, unless the selection is the
// table, the parameter forbids dragging rows (columns) or the grid refuses (ApproveDragRows/-Cols: by
// default while Ctrl or Shift is down). While dragging, the drop line sits on the boundary before the
// target row (column) and the cursor shows whether a drop there is allowed (ApproveDropRows/-Cols);
// the release moves the dragged lines before the target through the grid's undoable MoveRows/-Cols.
// Dropping on a line of the range or the line after it moves nothing; below the last row (right of
// the last column) the target is the count + 1. While the drag runs, the selection frame and the
// current cell's frame are off the screen, so that the drop line alone marks it; the drop (before the
// lines move) and the cancel bring them back.
//
// State lives in the grid (GXCore.h): the pending flag, the drag kind, the target, the dragged
// range's position in the selection, the drop line window and the two flags of the frames the drag
// took off the screen.
#pragma once

#include "grid/ops/GXUserDragSelectRangeImp.h"

class CGXGridUserDragSelectRangeImp : public CGXAbstractGridUserDragSelectRangeImp {
public:
    BOOL OnDragButtonDown(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                          ROWCOL& nCol) override;
    BOOL OnDragMouseMove(CGXGridCore* pGrid, CPoint point) override;
    BOOL OnDragButtonUp(CGXGridCore* pGrid, CPoint point) override;
    BOOL StartDragSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    void DragSelectionTo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    BOOL DropSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    void CancelDragSelection(CGXGridCore* pGrid) override;
};
