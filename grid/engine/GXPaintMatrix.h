// CellPaintMatrix: the block of visible cells that one paint of a grid draws (CGXGridCore::DrawCellMatrix
// makes one on its stack), with the place of every row and column and, per cell, its composed style
// and a flag word. The spanned-cell and old-drawing modules read and mark it.
//
// Indexes: row index i runs 0..nRows-1 over the display rows nFirstRow..nLastRow, column index j likewise;
// cell (i, j) is at i * nCols + j.
#pragma once

#include <windows.h>

#include "grid/engine/GXCellPen.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

#include <vector>

class CDC;
class CGXControl;
class CGXStyle;

struct CellPaintMatrix {
    // Cell flag bits.
    enum : WORD {
        gxBorderLeft = 0x01, gxBorderRight = 0x02, gxBorderTop = 0x04, gxBorderBottom = 0x08,
        gxMarked = 0x10,          // the cell is selected and marking is on
        gxOwnBackground = 0x20,   // the cell's control fills its background itself
        gxSpanned = 0x40,         // a span covers the cell; the spanned-cell module draws it
        gxCoveredSpan = 0x80,     // the span is a covered one
        gxSpanFollower = 0x100,   // a cell of a span but its first visible one, which draws the span
        gxHorzLine = 0x200,       // draw the cell's horizontal grid line
        gxVertLine = 0x400,       // draw the cell's vertical grid line
        gxLastFrozenCol = 0x800,  // the cell lies in the last frozen column
        gxLastFrozenRow = 0x1000  // the cell lies in the last frozen row
    };

    int nRows = 0;
    int nCols = 0;
    ROWCOL nTopRow = 0;   // the first scrolled row and column (the print ones while printing)
    ROWCOL nLeftCol = 0;
    ROWCOL nFrozenCols = 0;
    ROWCOL nFrozenRows = 0;
    ROWCOL nHeaderCols = 0;
    ROWCOL nHeaderRows = 0;
    CRect rectCell;  // the cell being drawn
    int xOrigin = 0;  // left of the first column, top of the first row
    int yOrigin = 0;
    std::vector<int> anHeights;  // per row index
    std::vector<int> anTops;
    std::vector<int> anWidths;  // per column index
    std::vector<int> anLefts;
    // Per index the row (column) number, and one more entry: the row (column) after the block, or 0
    // when that would be the row (column) count or beyond.
    std::vector<ROWCOL> anRows;
    std::vector<ROWCOL> anCols;
    std::vector<const CGXStyle*> apStyles;  // per cell, not owned (the grid's style cache)
    std::vector<WORD> anFlags;              // per cell
    CGXControl* pCurrentControl = nullptr;  // the current cell's control when it lies in the block
    CRect rectCurrentCell;                  // and its inner rectangle
    CGXCellPen penRun[2];                   // the pens of the grid-line runs being joined
    BOOL bColor = TRUE;                     // off while printing in black and white
    COLORREF clrBackground = RGB(255, 255, 255);
    BOOL bMarking = FALSE;  // selected cells are marked
    int nFirstRow = 0;  // display indexes of the block
    int nFirstCol = 0;
    int nLastRow = 0;
    int nLastCol = 0;
    CDC* pDC = nullptr;
    CRect rectClip;

    int Index(int i, int j) const { return i * nCols + j; }
    // The rectangle of cell (i, j).
    CRect CellRect(int i, int j) const
    {
        return CRect(anLefts[j], anTops[i], anLefts[j] + anWidths[j], anTops[i] + anHeights[i]);
    }
};
