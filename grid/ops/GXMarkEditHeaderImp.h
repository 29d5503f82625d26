// Header marking and the freeze commands: the marks on the headers of the edited cell
// (CGXGridCore::RedrawHeaderMarks, CGXControl::MarkEditHeader) and the Freeze and Unfreeze commands of
// rows and columns (the grid's forwarders of the same names).
//
// The modules: CGXGridMarkEditHeaderImp and CGXGridFreezeMenuHelperImp (GXGridMarkEditHeaderImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXControl;
class CGXGridCore;

class CGXAbstractGridMarkEditHeaderImp : public CObject {
public:
    // Redraws the header marks of (nRow, nCol): nWhich 0 both, 1 the column header, 2 the row header.
    virtual void RedrawHeaderMarks(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich, UINT nFlags) = 0;
    // Whether the header cell (nRow, nCol) that pControl draws is marked.
    virtual BOOL IsHeaderMarked(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, UINT nFlags) = 0;
};

class CGXAbstractGridFreezeMenuHelperImp : public CObject {
public:
    virtual BOOL CanFreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual void FreezeCols(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanFreezeRows(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeRows(CGXGridCore* pGrid) = 0;
    virtual void FreezeRows(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeRows(CGXGridCore* pGrid) = 0;
};

CGXAbstractGridMarkEditHeaderImp* GXCreateMarkEditHeaderImp();
CGXAbstractGridFreezeMenuHelperImp* GXCreateFreezeMenuHelperImp();
