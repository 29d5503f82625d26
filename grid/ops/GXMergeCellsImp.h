// Merged cells: neighbours of equal value shown as one cell, evaluated from the cells' MergeCell
// attribute into the parameter object's span pools. Attaching the module installs the process-wide
// span-cell and delayed-range pool modules and the style subset comparison, and attaches the engine's
// spanned-cell drawing module.
//
// The merge mode (the parameter's word): bits 0-1 the evaluation (1 delayed: changed ranges are
// queued and evaluated when drawn; 2 on display: the drawn cells are evaluated at every paint; 0 and
// the undefined 3 off, with no pools), bit 2 no vertical and bit 3 no horizontal merging. With bit 0
// a hidden cell merges with anything, so a span reaches over hidden rows and columns. A cell's
// MergeCell flags: 1 along its row, 2 along its column, 4 compare the values only (else the whole
// styles must be equal). Covered cells and empty values never merge. Evaluation does nothing while the
// grid's m_nLockMergeEval is set. The module keeps, per grid, the span stored last (an evaluation goes
// on along a chain from it) and the composed styles of the row being evaluated.
//
// Storing a span redraws it unless the grid's no-redraw flag (m_bNoSpanRedraw) or the parameter's
// redraw lock is set; a store that fails (memory) changes nothing, is not counted as a change and
// ends the chain of pairs there.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXControl;
class CGXGridCore;
class CGXStyle;

class CGXAbstractGridMergeCellsImp : public CObject {
public:
    // The parameter's merge mode (0 off, 1 delayed, 2 on display), redrawing with bRedraw.
    virtual void SetMergeCellsMode(CGXGridCore* pGrid, int nMode, BOOL bRedraw) = 0;
    // Queues range for a new evaluation; nMaxRow and nMaxCol (-1: none) clamp the queue.
    virtual void DelayMergeCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nMaxRow, ROWCOL nMaxCol) = 0;
    // Evaluates range; pChanged (may be null) receives the union of the spans that changed. TRUE when
    // any changed.
    virtual BOOL EvalMergeCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
    // The merged span holding (nRow, nCol) in nDirection (0 horizontal, 1 vertical, -1 either), copied
    // into range: &range, or null.
    virtual CGXCellRange* GetMergedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range,
                                               int nDirection) = 0;
    virtual BOOL CanMergeCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, int nDirection) = 0;
    virtual BOOL CanMergeStyles(CGXGridCore* pGrid, const CGXStyle& style1, const CGXStyle& style2) = 0;
    // Stores one span (the one cell: dissolves the span anchored there).
    virtual BOOL SetMergedCellsRowCol(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                      ROWCOL nToCol, UINT nFlags) = 0;
    virtual void RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                   UINT nFlags, BOOL bCreateHint) = 0;
    // Widens range until it cuts no merged span.
    virtual void ExpandMergedRange(CGXGridCore* pGrid, CGXCellRange& range) = 0;
};

CGXAbstractGridMergeCellsImp* GXCreateMergeCellsImp();
