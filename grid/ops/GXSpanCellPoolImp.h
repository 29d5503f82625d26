// The process-wide makers of the span-cell pools (the extent of every merged or floated span) and of
// the delayed-range pools (the ranges still to evaluate) that the parameter object keeps. The pools
// themselves: GXSpanCellPool.h.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXSpanCellPool;
class CGXDelayedRangePool;

class CGXAbstractSpanCellPoolImp : public CObject {
public:
    // A new pool copying src; a new empty pool; dest made a copy of src.
    virtual CGXSpanCellPool* CreateCopy(const CGXSpanCellPool& src) = 0;
    virtual CGXSpanCellPool* CreatePool() = 0;
    virtual void CopyPool(CGXSpanCellPool& dest, const CGXSpanCellPool& src) = 0;
    // The pool's spans follow inserted, removed and moved rows and columns (nothing for a null pool).
    // FALSE when the pool holds nothing or an index is refused.
    virtual BOOL InsertRows(CGXSpanCellPool* pPool, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual BOOL RemoveRows(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual BOOL MoveRows(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual BOOL InsertCols(CGXSpanCellPool* pPool, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual BOOL RemoveCols(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual BOOL MoveCols(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    // A pool read from ar as a tagged object (null for a null reference); CArchiveException badClass
    // for an object of another class.
    virtual CGXSpanCellPool* ReadPool(CArchive& ar) = 0;
};

class CGXAbstractDelayedRangePoolImp : public CObject {
public:
    virtual CGXDelayedRangePool* CreateCopy(const CGXDelayedRangePool& src) = 0;
    virtual CGXDelayedRangePool* CreatePool() = 0;
    virtual void CopyPool(CGXDelayedRangePool& dest, const CGXDelayedRangePool& src) = 0;
    virtual CGXDelayedRangePool* ReadPool(CArchive& ar) = 0;
};

CGXAbstractSpanCellPoolImp* GXCreateSpanCellPoolImp();
CGXAbstractDelayedRangePoolImp* GXCreateDelayedRangePoolImp();
