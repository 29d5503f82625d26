// The grid's older way of painting a paint matrix: cells row by row with per-row clipping and the
// backgrounds joined into few rectangles.
//
// Does not do yet: the module (CGXGridOldDrawingImp) comes with its own work; its creator
// (GXCreateOldDrawingImp) plugs into the table of GXOperations.cpp when it lands.
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

CGXAbstractGridOldDrawingImp* GXCreateOldDrawingImp();
