// Hidden rows and columns: the hidden marks of the parameter object, undoable hiding and showing, and
// the marks following inserted, removed and moved rows and columns.
// The module: CGXGridHideCellsImp (GXGridHideCellsImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

class CGXAbstractGridHideCellsImp : public CObject {
public:
    // The marks follow rows (columns) removed, inserted (nCount at nFirst) and moved (nFrom..nTo to
    // nDest).
    virtual void RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual void InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual void MoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual void MoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    // Hides (bHide) or shows rows nFrom..nTo (nTo 0: nFrom alone; each its entry of anHide when given),
    // undoable. TRUE when something changed.
    virtual BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
                          int nCommandType) = 0;
    virtual BOOL IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow) = 0;
    // The storing step, without undo or redraw. TRUE.
    virtual BOOL StoreRowHidden(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) = 0;
    virtual BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
                          int nCommandType) = 0;
    virtual BOOL IsColHidden(CGXGridCore* pGrid, ROWCOL nCol) = 0;
    virtual BOOL StoreColHidden(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) = 0;
};

CGXAbstractGridHideCellsImp* GXCreateHideCellsImp();
