// Structural changes of a sheet: clearing, moving and copying blocks of cells, inserting, removing and
// moving rows and columns, and reordering them after a sort. Each moves the cells and rewrites the cell
// and range references of every formula so that they keep pointing at the same data; and putting
// saved cells back, for undo.
//
// Every operation runs with the pools locked and sets the sheet's dirty flag; those on rows and
// columns also set the engine's structural-change flag while they run. A reference whose adjusted form
// lies off the sheet becomes the broken-reference operator: it prints as "??" and evaluates to error
// 89. Every rewritten formula is flagged as needing recalculation.
//
// Undo: while the sheet's undo switch is on, the cells an operation removes or overwrites are kept in
// the sheet's recorded cell list (newest first) instead of being freed, and so is a copy of each
// formula cell, as it was, whose references the operation rewrites or whose references meet the
// destination. Copies and clears also record their block as the sheet's recorded range.
//
// Rows are engine rows (1 to 8388607), columns engine columns (0 to 4095). Arguments outside these
// bounds throw CInvalidArgException* naming the value, before anything changes.
#pragma once

#include "grid/formula/GXEngineSheet.h"

#include <vector>

// The block that source covers once its top-left cell lies at (nDestRow, nDestCol), clamped to the
// sheet.
CellRangeRef EngineDestinationBlock(const CellRangeRef& source, int32_t nDestRow, int32_t nDestCol);

// Removes the cells of the general and formula pools inside block from sheet h: with the placeholder
// switch on a placeholder flagged as changed takes each one's place. The block is added to the
// recalculation list. Nothing when the block does not meet the sheet's used area.
void EngineClearBlock(SheetHandle h, const CellRangeRef& block);

// Moves the cells of source so that its top-left cell lands at (nDestRow, nDestCol); the destination
// block is clamped to the sheet. Unless bKeepNames is set, named ranges with a corner in source have
// that corner moved along. References lying entirely inside source move with it; a reference that
// only meets the destination stays (its cell is recorded and flagged as changed). Cells in the
// destination are overwritten; cells whose new place is off the sheet are dropped. With the
// placeholder switch on, places of source outside the destination get a changed placeholder.
void EngineMoveBlock(SheetHandle h, const CellRangeRef& source, int32_t nDestRow, int32_t nDestCol,
                     bool bKeepNames);

// Copies the cells of source (every pool; styles and formulas copied) so that its top-left cell lands
// at (nDestRow, nDestCol). In the copies every coordinate of a reference that is not absolute moves
// by the offset. The cells of the destination block are removed first; copies that would land off the
// sheet are dropped. The copied formulas are flagged for recalculation.
void EngineCopyBlock(SheetHandle h, const CellRangeRef& source, int32_t nDestRow, int32_t nDestCol);

// Inserts nCount empty rows (columns) before nRow (nCol): everything from there on moves down
// (right), named ranges with it. A count of 0 or less does nothing.
void EngineInsertRows(SheetHandle h, int32_t nRow, int32_t nCount);
void EngineInsertCols(SheetHandle h, int32_t nCol, int32_t nCount);

// Removes nCount rows (columns) from nRow (nCol) on: their cells are cleared with undo recording on
// whatever the switch, then everything behind them moves up (left). References into the removed
// rows stay as they were. A count of 0 or less does nothing.
void EngineRemoveRows(SheetHandle h, int32_t nRow, int32_t nCount);
void EngineRemoveCols(SheetHandle h, int32_t nCol, int32_t nCount);

// Moves rows (bRows) or columns nFirst..nLast so that nFirst ends up at nDest; the lines between
// close up. Cells, references with a corner in the lines concerned and named ranges follow.
// nFirst > nLast throws CInvalidArgException*.
void EngineMoveRowsOrCols(SheetHandle h, bool bRows, int32_t nFirst, int32_t nLast, int32_t nDest);

// Reorders the rows (bRows) or columns of block after a sort: entry i of moveMap is the offset (from
// the block's first line) of the line that moves to the block's i-th line. With bWholeLines the
// whole lines move, else only the cells inside the block. The cells of the general and formula
// pools move, and every single-cell reference (a cell, or a range one line thick along the sorted
// direction) into the moved cells follows its cell. A map that is not an order of 0..n-1, or that
// reaches past the sheet, throws CInvalidArgException* before anything moves.
void EngineReorderAfterSort(SheetHandle h, bool bRows, const CellRangeRef& block, bool bWholeLines,
                            const std::vector<int32_t>& moveMap);

// Puts copies of the saved cells of the list pSaved (chained through pNext, newest first) back into
// sheet h at their places, each replacing the cell there (kept in the recorded list while the sheet
// records undo, else freed). Where the list holds a place more than once, its oldest cell wins.
// Restored cells are flagged as changed and their formulas for recalculation.
void EngineRestoreCells(SheetHandle h, const EngineCell* pSaved);
