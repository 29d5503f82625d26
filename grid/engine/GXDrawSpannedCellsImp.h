// CGXDrawSpannedCellsImp: lets a block of cells (a covered, merged or floated span) be prepared and drawn
// as one cell inside a paint matrix (GXPaintMatrix.h). Attached by CGXGridCore::AttachDrawSpannedCellsImp.
//
// Prepare: a cell in a span (the covered span, else, unless the current cell's active control is
// there, the merged span, else the floated span) marks the part of the span that lies on the same side
// of the frozen rows and columns and inside the matrix: every cell gets the span's style (its top-left
// cell's) and gxSpanned (with gxCoveredSpan for a covered span), all but the first gxSpanFollower; grid
// lines only along the span's outer edge; the frozen-edge flags where the span ends on the last frozen
// column or row without a border there. The current cell with an active control is left alone.
//
// Draw: a follower draws nothing. The first visible cell of a part draws the span over the whole
// span's rectangle (the part's rectangle widened by the span's rows and columns outside it), clipped to
// the part, so that the content is laid out as if the span were whole; then its borders and, for the
// current cell whose control is not active, the current-cell frame.
#pragma once

#include "grid/engine/GXGridModules.h"

class CGXDrawSpannedCellsImp : public CGXAbstractDrawSpannedCellsImp {
public:
    BOOL PrepareSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& matrix, int nRowIndex, int nColIndex) override;
    BOOL DrawSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& matrix, int nRowIndex, int nColIndex) override;
    // range (the whole table when it names no rows or columns) within each of the four areas (frozen
    // rows and columns, frozen rows only, frozen columns only, the scrolled area up to the last visible
    // cell) has its merged, then its floated spans evaluated. TRUE when any evaluation answered TRUE.
    BOOL EvalVisibleSpans(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nFrozenRows, ROWCOL nFrozenCols,
                          ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow, ROWCOL nLastCol, BOOL bAlreadyLocked,
                          CGXCellRange* pChanged, BOOL bUseGridStyles) override;
};
