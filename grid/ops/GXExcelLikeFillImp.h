// Filling cells by dragging the fill handle of the selection frame. Attaching it also attaches the
// selection frame (and so the user range selection).
//
// The module is CGXGridExcelLikeFillImp (GXGridExcelLikeFillImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CGXGridCore;

class CGXAbstractGridExcelLikeFillImp : public CObject {
public:
    // Starts at a left press on the fill handle of (nRow, nCol) (the press's flags and point).
    virtual void StartFill(CGXGridCore* pGrid, UINT nFlags, CPoint point, int nSpare, ROWCOL& nRow, ROWCOL& nCol) = 0;
    // Follows a move with the button held. 0.
    virtual BOOL TrackFill(CGXGridCore* pGrid, CPoint point, int nSpare, ROWCOL& nRow, ROWCOL& nCol) = 0;
    // Ends at the release.
    virtual void EndFill(CGXGridCore* pGrid) = 0;
    // Takes the fill frame off the screen (before the window scrolls).
    virtual void HideFillFrame(CGXGridCore* pGrid) = 0;
    // Erases the old and draws the new frame of the target block.
    virtual void DrawFillFrame(CGXGridCore* pGrid, const CGXCellRange& target, BOOL bEraseOld, BOOL bDrawNew) = 0;
    // Fills target from the cells of source. TRUE when filled.
    virtual BOOL FillRange(CGXGridCore* pGrid, const CGXCellRange& source, const CGXCellRange& target) = 0;
    // Selects the filled block. TRUE when selected.
    virtual BOOL SelectFillRange(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
};

CGXAbstractGridExcelLikeFillImp* GXCreateExcelLikeFillImp();
