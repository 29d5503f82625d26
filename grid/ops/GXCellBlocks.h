// The blocks the clipboard and clearing operations work on: a range list fitted
// to the cells an operation may touch, and its rows and columns merged into
// sorted, disjoint intervals whose cross product is what several selected areas
// stand for.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

#include <cstdint>

class CGXGridCore;
class CGXStyle;

// The merged row and column intervals of a range list (starts and ends
// inclusive, each list sorted).
struct GXCellBlocks {
    CDWordArray rowStarts, rowEnds, colStarts, colEnds;
    // The rows (columns) the intervals hold together.
    uint64_t nRows = 0;
    uint64_t nCols = 0;

    // Fills the intervals of list's valid ranges, cut to rows 0..nLastRow and
    // columns 0..nLastCol (whole rows, columns and the table reach to them). TRUE
    // when some cell remains.
    BOOL Compute(const CGXRangeList& list, ROWCOL nLastRow, ROWCOL nLastCol);
    // The same with the grid's row and column counts as the limits.
    BOOL Compute(CGXGridCore* pGrid, const CGXRangeList& list);
    // The row (column) of offset nOffset into the merged rows (columns).
    ROWCOL RowAt(uint64_t nOffset) const { return At(rowStarts, rowEnds, nOffset); }
    ROWCOL ColAt(uint64_t nOffset) const { return At(colStarts, colEnds, nOffset); }

private:
    static ROWCOL At(const CDWordArray& starts, const CDWordArray& ends, uint64_t nOffset);
};

// Turns every range of list into the cells range it covers within rows
// nFirstRow..nLastRow and columns nFirstCol..nLastCol; ranges outside them are
// removed.
void GXFitRanges(CGXRangeList& list, ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol);

// Calls fn(nRow, nCol) for every cell of range, rows outer, while it answers
// TRUE. Returns FALSE when fn stopped the walk.
template <class Fn>
BOOL GXForEachCell(const CGXCellRange& range, Fn fn)
{
    for (ROWCOL nRow = range.top; nRow <= range.bottom && nRow >= range.top; ++nRow)
        for (ROWCOL nCol = range.left; nCol <= range.right && nCol >= range.left; ++nCol)
            if (!fn(nRow, nCol))
                return FALSE;
    return TRUE;
}

// The text of string resource nId (empty when missing).
CString GXLoadText(UINT nId);

// The text a cell shows for its composed style: its control's text, the style's Value without one.
CString GXCellControlText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);

// Lets the long operations offer a roll-back while it lives; the earlier setting comes back after.
class GXRollbackPossible {
public:
    GXRollbackPossible();
    ~GXRollbackPossible();
    GXRollbackPossible(const GXRollbackPossible&) = delete;
    GXRollbackPossible& operator=(const GXRollbackPossible&) = delete;

private:
    BOOL m_bOld;
};
