// The user's selection of cells, rows and columns with the mouse and the keys. The grid calls
// StartSelection, TrackSelection and EndSelection from its button and mouse-move handling and reaches
// the others through its forwarders of the same names (OnClickedHeaderCell reaches
// ToggleHeaderSelection). Around each change the module asks CGXGridCore::ApproveSelectionChange and
// tells CGXGridCore::AfterSelectionChange.
//
// The module: CGXGridUserSelectRangeImp (GXGridUserSelectRangeImp.h), made by GXCreateUserSelectRangeImp.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CGXGridCore;

class CGXAbstractGridUserSelectRangeImp : public CObject {
public:
    // A key move of the current cell (gxUp .. gxLastCell, nCount times), extending the selection while
    // Shift is held. TRUE when the current cell moved.
    virtual BOOL MoveCurrentCellSelecting(CGXGridCore* pGrid, int nDirection, UINT nCount) = 0;
    // A selection starts at a left press on (nRow, nCol) (nHit is not used), follows the mouse while the
    // button is held (TRUE when it did; nRow and nCol may be changed) and ends at the release.
    virtual void StartSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                                ROWCOL& nCol) = 0;
    virtual BOOL TrackSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) = 0;
    virtual void EndSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    // Adds range to (bSelect) or takes it out of the selection, redrawing what changed with bUpdate.
    virtual void SelectRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bSelect, BOOL bUpdate) = 0;
    // Adds range (bAdd) or excludes it from the selection. TRUE when the selection changed.
    virtual BOOL AddOrExcludeRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAdd) = 0;
    // Redraws what differs between range and the previous selection pOldList.
    virtual void RedrawSelectionDifference(CGXGridCore* pGrid, const CGXCellRange& range,
                                           const CGXRangeList* pOldList, BOOL bCreateHint) = 0;
    // Sets the range at pos of the selection to the corners; pos null (or zeros) empties the selection.
    virtual void SetRangeAtPosition(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                    ROWCOL nRight) = 0;
    // Redraws the change of the range at pos to the corners.
    virtual void RedrawRangeChange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                   ROWCOL nRight, BOOL bCreateHint) = 0;
    // Redraws the whole selection.
    virtual void RedrawSelection(CGXGridCore* pGrid, BOOL bCreateHint) = 0;
    // A click released inside the cell (nRow, nCol) of a control at (x, y). TRUE when taken.
    virtual BOOL ToggleHeaderSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, int x, int y) = 0;
};

CGXAbstractGridUserSelectRangeImp* GXCreateUserSelectRangeImp();
