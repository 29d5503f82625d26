// Clipboard style exchange: cells as an archive of styles, the grid's private clipboard format
// "Grid Styles %08x" (the grid's CopyCellsToArchive, GetClipboardStyleRowCol and PasteCellsFromArchive
// forward to it).
//
// Does not do yet: the module (CGXGridStyleDataExchangeImp) comes with its own work; its creator
// (GXCreateStyleDataExchangeImp) plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CArchive;
class CGXGridCore;
class CGXStyle;

class CGXAbstractGridStyleDataExchangeImp : public CObject {
public:
    // Writes the cells of the ranges (bFull: composed styles) to a storing archive.
    virtual BOOL CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& selList, BOOL bFull) = 0;
    // The style of a cell as it is copied.
    virtual BOOL GetStyleForCopy(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bFull) = 0;
    // Reads a block from a loading archive into the cells from range's top-left cell on.
    virtual BOOL PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar, const CGXCellRange& range,
                                       BOOL bNoSizeCheck) = 0;
};

CGXAbstractGridStyleDataExchangeImp* GXCreateStyleDataExchangeImp();
