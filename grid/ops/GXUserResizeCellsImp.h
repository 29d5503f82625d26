// Resizing rows and columns by dragging their boundaries. The grid calls the mouse operations from its
// own mouse handling and reaches the tracking operations through StartResizeTracking,
// MoveResizeTracking, EndResizeTracking and CancelResizeTracking; the module asks the grid's approval
// hooks (CanResizeRow/-Col, ApproveRow/ColResizeStart, ApproveRowHeight/ColWidthTracking and -End).
//
// The module: CGXGridUserResizeCellsImp (GXGridUserResizeCellsImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CGXGridCore;

class CGXAbstractGridUserResizeCellsImp : public CObject {
public:
    // A move without a button (TRUE while tracking), a press or a double click on a boundary (hit code
    // nHit; TRUE when handled), the release (TRUE while tracking).
    virtual BOOL OnResizeMouseMove(CGXGridCore* pGrid, CPoint point) = 0;
    virtual BOOL OnResizeButtonDown(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHit, ROWCOL nRow,
                                    ROWCOL nCol) = 0;
    virtual BOOL OnResizeButtonUp(CGXGridCore* pGrid, CPoint point) = 0;
    virtual BOOL OnResizeDoubleClick(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHit, ROWCOL nRow,
                                     ROWCOL nCol) = 0;
    // Tracking the boundary of row nRow or column nCol (nType: bit 1 rows, bit 2 columns): starts (TRUE
    // when it did), follows the new size, cancels, ends with the new size.
    virtual BOOL StartResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType) = 0;
    virtual void MoveResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType, CSize size) = 0;
    virtual void CancelResizeTracking(CGXGridCore* pGrid) = 0;
    virtual void EndResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType, CSize size) = 0;
};

CGXAbstractGridUserResizeCellsImp* GXCreateUserResizeCellsImp();
