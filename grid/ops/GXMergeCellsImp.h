// Merged cells: neighbours of equal value shown as one cell, evaluated from the cells' MergeCell
// attribute into the parameter object's span pools. Attaching the module installs the process-wide
// span-cell and delayed-range pool modules and the style subset comparison, and attaches the engine's
// spanned-cell drawing module.
//
// Does not do yet: the module (CGXGridMergeCellsImp) comes with its own work; its creator
// (GXCreateMergeCellsImp) plugs into the table of GXOperations.cpp when it lands.
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
