// Floating cells: a text spilling into the empty cells to its right, evaluated into the parameter
// object's float pools (screen and print). Attaching the module installs the process-wide span-cell
// and delayed-range pool modules and attaches the engine's spanned-cell drawing and content-size
// modules.
//
// The float mode (the parameter's word): 1 delayed (changed ranges are queued and evaluated when
// drawn), 2 on display (the drawn cells are evaluated at every paint); 0 and other values off, with no
// pools. A cell floats when its style sets FloatCell and its control agrees (an edit or static cell
// with a value; rotated static text never); it spills over a neighbour whose style sets FloodCell and
// whose control agrees (an empty edit or static cell), never over the first column after the frozen
// ones, and as far as the width its control measures on the grid's client DC needs. Covered and
// merged cells neither float nor are spilled over. The current cell floats by its edited text. While
// the grid prints, spans go to the print pool (CGXGridCore::GetFloatCellsPool). Evaluation does nothing
// while the grid's m_nLockFloatEval is set; header cells are never evaluated.
//
// Storing a span redraws it unless the grid's no-redraw flag (m_bNoSpanRedraw) or the parameter's
// redraw lock is set.
//
// Does not do yet: the per-row cache of measured widths beside the style cache (nothing would read
// it: each width is measured once per evaluation).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXControl;
class CGXGridCore;
class CGXStyle;

class CGXAbstractGridFloatCellsImp : public CObject {
public:
    // The parameter's float mode (0 off, 1 delayed, 2 on display), redrawing with bRedraw.
    virtual void SetFloatCellsMode(CGXGridCore* pGrid, int nMode, BOOL bRedraw) = 0;
    // Queues range for a new evaluation; nMaxCol (-1: none) clamps the queue.
    virtual void DelayFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nMaxCol) = 0;
    // Evaluates range; pChanged (may be null) receives the union of the spans that changed. TRUE when
    // any changed.
    virtual BOOL EvalFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
    // The floated span holding (nRow, nCol), copied into range: &range, or null.
    virtual CGXCellRange* GetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol,
                                                CGXCellRange& range) = 0;
    // The static cell's answer (only style and bFloat count).
    virtual BOOL CanFloatStaticCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                    BOOL bFloat) = 0;
    // bFloat: whether the cell may spill; else whether it may be spilled over.
    virtual BOOL CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, BOOL bFloat) = 0;
    virtual BOOL SetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                       UINT nFlags) = 0;
    virtual void RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                    UINT nFlags, BOOL bCreateHint) = 0;
    // Widens range until it cuts no floated span.
    virtual void ExpandFloatedRange(CGXGridCore* pGrid, CGXCellRange& range) = 0;
    // The steps of EvalFloatCells: at once, through the queue, one cell, one cell's span, the store.
    virtual BOOL EvalFloatCellsDirect(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                      CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
    virtual BOOL EvalFloatCellsDelayed(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                       CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
    virtual BOOL EvalFloatCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                               BOOL bUseGridStyles) = 0;
    virtual BOOL FloatCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange* pChanged,
                           BOOL bUseGridStyles) = 0;
    virtual BOOL StoreFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                   BOOL bSet) = 0;
};

CGXAbstractGridFloatCellsImp* GXCreateFloatCellsImp();
