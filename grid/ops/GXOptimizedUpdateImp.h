// Redrawing only what moved after rows or columns were inserted, removed or resized (the grid's
// OnRowsInserted, OnRowsRemoved, OnRowHeightsChanged and their column twins use it when attached).
//
// The module: CGXGridOptimizedUpdateImp (GXGridOptimizedUpdateImp.h), made by GXCreateOptimizedUpdateImp.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

class CGXAbstractGridOptimizedUpdateImp : public CObject {
public:
    // Rows (columns) were inserted at nFirst, or nFrom..nTo removed (anOldSizes their sizes, may be
    // null), or resized from anOldSizes (nTo 0: nFrom alone).
    virtual void UpdateRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual void UpdateColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual void UpdateRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                   UINT nFlags) = 0;
    virtual void UpdateColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                   UINT nFlags) = 0;
    virtual void UpdateRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                         UINT nFlags) = 0;
    virtual void UpdateColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                        UINT nFlags) = 0;
};

CGXAbstractGridOptimizedUpdateImp* GXCreateOptimizedUpdateImp();
