// Clipboard style exchange: cells as an archive of styles, the grid's private clipboard format
// "Grid Styles %08x" (the grid's CopyCellsToArchive, GetClipboardStyleRowCol and PasteCellsFromArchive
// forward to it).
//
// The archive: the block's row count and column count (DWORDs), then one CObArray written as an
// object whose elements are the cells' styles in row-major order (null for a cell without one). While
// it is written or read the archive names the grid's styles map as the one the styles' base styles
// live in. Any program may register the format's name, so an archive is read and checked whole (at
// most 0x7FFF rows and columns, as many elements as cells, each null or a style) before anything is
// pasted.
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

class CGXGridStyleDataExchangeImp : public CGXAbstractGridStyleDataExchangeImp {
public:
    // The merged rows and columns of the ranges (up to the counts), inside a long operation that
    // Escape may abort. A block of more than 0x7FFF rows or columns shows "Range too big." and
    // answers FALSE. Sets the grid's last copied block size. TRUE when written.
    BOOL CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& selList, BOOL bFull) override;
    // bFull: the composed style, TRUE; else the stored style (of the grid's style kind with
    // gxClipStyleKind), TRUE when one is stored.
    BOOL GetStyleForCopy(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bFull) override;
    // The block goes to range's top-left cell with its own size; unless bNoSizeCheck, a block that
    // does not end at range's bottom-right is pasted only when AskContinue agrees. Rows and columns
    // beyond the counts are added unless gxClipNoNewRows / gxClipNoNewCols, else the block is cut.
    // One undo step "Paste." inside a long operation that may roll back. FALSE for an archive that
    // is not such a block (nothing changes), a refused question or a failed store.
    BOOL PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar, const CGXCellRange& range,
                               BOOL bNoSizeCheck) override;
};

// Makes a CGXGridStyleDataExchangeImp.
CGXAbstractGridStyleDataExchangeImp* GXCreateStyleDataExchangeImp();
