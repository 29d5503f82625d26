// Dragging the selected rows or columns to another place. Attaching it also attaches the user range
// selection and the engine's row-and-column move module (CGXGridCore::AttachMoveRowsColsImp). The
// module asks the grid's ApproveDragRows/-Cols, ApproveDropRows/-Cols and ApproveMoveRows/-Cols.
//
// The module is CGXGridUserDragSelectRangeImp (GXGridUserDragSelectRangeImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CGXGridCore;

class CGXAbstractGridUserDragSelectRangeImp : public CObject {
public:
    // A left press (before the selection sees it; TRUE when a drag begins), the moves while dragging
    // and the release (TRUE while dragging).
    virtual BOOL OnDragButtonDown(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                                  ROWCOL& nCol) = 0;
    virtual BOOL OnDragMouseMove(CGXGridCore* pGrid, CPoint point) = 0;
    virtual BOOL OnDragButtonUp(CGXGridCore* pGrid, CPoint point) = 0;
    // Starts dragging the selected range that holds (nRow, nCol). TRUE when started.
    virtual BOOL StartDragSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    // Shows the drag at a target cell; drops there (TRUE when moved).
    virtual void DragSelectionTo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL DropSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    // Removes the drag feedback and releases the mouse.
    virtual void CancelDragSelection(CGXGridCore* pGrid) = 0;
};

CGXAbstractGridUserDragSelectRangeImp* GXCreateUserDragSelectRangeImp();
