// Floating cells: a text spilling into the empty cells to its right, evaluated into the parameter
// object's float pools (screen and print). Attaching the module installs the process-wide span-cell
// and delayed-range pool modules and attaches the engine's spanned-cell drawing and content-size
// modules.
//
// Does not do yet: the module (CGXGridFloatCellsImp) comes with its own work; its creator
// (GXCreateFloatCellsImp) plugs into the table of GXOperations.cpp when it lands.
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
