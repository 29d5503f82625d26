// CGXGridExcelLikeFrameImp: the thick double frame with a small square knob around the last selected
// range (the interface in GXExcelLikeFrameImp.h), shown while the parameter's Excel-like frame option
// is on. Everything is drawn by inverting pixels, so drawing a frame twice erases it and nothing is
// ever repainted for it. The knob sits at the bottom-right corner of a range of cells, the bottom-left
// of whole rows (kind 2) and the top-right of whole columns (kind 7).
//
// The grid window is split into four panes by the frozen rows and columns; each pane draws the part of
// the frame that lies in it, clipped to it, and a side where the range goes on into the neighbouring
// pane is drawn open, so that no line appears at a pane boundary. Only the part that holds the knob's
// corner draws the knob. The line-offset option moves the frame one pixel up and left, onto the grid
// lines.
//
// State lives in the grid (GXCore.h): the framed range (plain cells), its knob kind, whether the frame
// is on the screen and whether it is hidden.
#pragma once

#include "grid/ops/GXExcelLikeFrameImp.h"

// The client coordinate where line n (a row with bRows, else a column) starts and where it ends: frozen
// lines where they are shown, scrolled lines from the first scrolled one on, and lines scrolled out
// before it at negative offsets from the frozen lines' end. Sums stop a few screens away.
LONG GXLineStart(CGXGridCore* pGrid, BOOL bRows, ROWCOL n);
LONG GXLineEnd(CGXGridCore* pGrid, BOOL bRows, ROWCOL n);

class CGXGridExcelLikeFrameImp : public CGXAbstractGridExcelLikeFrameImp {
public:
    // Knob kinds: a cells range, whole rows, whole columns; and no knob, for the parts of a frame
    // split by the panes that do not hold the knob's corner.
    enum { gxKnobCells = 0, gxKnobRows = 2, gxKnobCols = 7, gxKnobNone = -1 };

    void DrawFramePart(CGXGridCore* pGrid, CDC* pDC, const CRect& rectClip, const CRect& rectFrame,
                       BOOL bTopVisible, BOOL bLeftVisible, int nKnob, BOOL bKnobOnly) override;
    void DrawFrame(CGXGridCore* pGrid, CDC* pDC, const CGXCellRange& range, int nKnob, BOOL bKnobOnly) override;
    void UpdateFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bErase, const CGXCellRange* pRange) override;
    void RedrawFrameKnob(CGXGridCore* pGrid) override;
    BOOL HideFrame(CGXGridCore* pGrid, BOOL bHide, BOOL bCreateHint) override;
};
