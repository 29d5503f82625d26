// CGXHeader: the cell control of the row and column headers (control id 52520 "Header"; the
// "Row Header" and "Column Header" base styles name it). A header is drawn as a raised button that
// looks pressed while it is marked (the mark-edit-header module marks the headers of the current
// cell's row and column). With the parameter's selection-header option a header whose whole row or
// column is selected counts as marked too, the pressed look is the opposite of the mark and marked
// headers are bold (unmarked ones normal). Without the three-dimensional header option, or for a
// style with a 3D frame of its own, headers get no frame and a pressed one only moves its text. While
// printing, a header gets one-pixel black lines on the sides whose printed grid lines are on
// (horizontal lines: top and bottom, vertical lines: left and right).
//
// The current-cell frame of a header is a focus rectangle. A header has no window and edits nothing.
#pragma once

#include "grid/controls/GXStatic.h"

class CGXHeader : public CGXStatic {
    GX_DECLARE_CONTROL(CGXHeader)
public:
    // A header control of pGrid (not null, else CInvalidArgException*).
    explicit CGXHeader(CGXGridCore* pGrid);

    // DrawFocusRect of rect.
    void DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGXStyle& style) override;
    // The header drawing (see the top of this file); nothing for a text rectangle one pixel wide or
    // high.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The base answer; with the selection-header option also TRUE for the header of a wholly selected
    // column (a header row's cell) or row (any other header cell).
    BOOL MarkEditHeader(ROWCOL nRow, ROWCOL nCol, UINT nFlags) override;

private:
    // The frame of a header on the screen in rect (see the top of this file).
    void DrawScreenFrame(CDC* pDC, const CRect& rect, BOOL bPressed, BOOL bSelectionHeaders);
};
