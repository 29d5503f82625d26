// The grid's older way of painting a paint matrix (GXPaintMatrix.h): cells row by row, each row
// clipped to itself, then the column and row lines; and the backgrounds of a matrix joined into as
// few rectangles as possible. A grid draws the older way once the parameter's old-drawing switch or
// its own flag (CGXGridCore::m_bOldDrawing) is set; otherwise the module leaves the paint to the grid.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CDC;
class CGXGridCore;
struct CellPaintMatrix;

class CGXAbstractGridOldDrawingImp : public CObject {
public:
    // Draws the whole matrix when the old drawing is asked for. TRUE when it did (the core then draws
    // nothing of it).
    virtual BOOL DrawMatrixCells(CGXGridCore* pGrid, CDC* pDC, CellPaintMatrix& matrix) = 0;
    // Draws the matrix's backgrounds in the older style.
    virtual void DrawMatrixBackground(CGXGridCore* pGrid, CellPaintMatrix& matrix) = 0;
};

class CGXGridOldDrawingImp : public CGXAbstractGridOldDrawingImp {
public:
    // FALSE (nothing drawn) unless pGrid's old-drawing flag or its parameter's old-drawing switch is
    // set; the flag is set then. Fills the backgrounds: with the switch every cell not spanned fills
    // its own and the area beyond the last row and column is filled as the grid's own paint does;
    // without it through CGXGridCore::DrawOldStyleGrid (nothing of either when the parameter asks for
    // no backgrounds). Then each row's cells (CGXGridCore::DrawMatrixCell) with the clip region
    // narrowed to the row and restored after it, except on a metafile DC without an attribute DC and,
    // while the library's m_bNoRowClipWithAttribDC is set, on a DC with one; the column lines of every
    // column and the row lines of every row; the current cell's frame; the marked cells when the
    // matrix marks. TRUE.
    BOOL DrawMatrixCells(CGXGridCore* pGrid, CDC* pDC, CellPaintMatrix& matrix) override;
    // Takes the standard style's interior (on a monochrome matrix white on black when its grey level
    // is above 63, else black on white); nothing more while the parameter's old-drawing switch is set.
    // Else, when not printing, fills the area beyond the grid's last column and row
    // (CGXGridCore::FillBeyondMatrix); fills the cells' area with the standard interior; then joins
    // the cells that fill their own background (flag 0x20, not spanned, 0x40) into blocks: along a
    // row over the cells with the same interior record, then down whole rows while each cell of the
    // block's columns has no style or the same interior with 0x20, and none is spanned. A block of
    // more than one cell is filled once and its cells lose 0x20, so they do not fill it again; a lone
    // cell keeps 0x20.
    void DrawMatrixBackground(CGXGridCore* pGrid, CellPaintMatrix& matrix) override;
};

// Makes a CGXGridOldDrawingImp.
CGXAbstractGridOldDrawingImp* GXCreateOldDrawingImp();
