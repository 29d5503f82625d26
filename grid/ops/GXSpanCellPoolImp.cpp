// The process-wide span-cell and delayed-range pool modules (see GXSpanCellPoolImp.h).
#include "grid/ops/GXSpanCellPoolImp.h"

#include "grid/ops/GXSpanCellPool.h"

#include <memory>

namespace {

template <class Pool>
Pool* CreateCopyOf(const Pool& src)
{
    std::unique_ptr<Pool> pPool(new Pool);
    pPool->CopyFrom(src);
    return pPool.release();
}

class CGXSpanCellPoolImp : public CGXAbstractSpanCellPoolImp {
public:
    CGXSpanCellPool* CreateCopy(const CGXSpanCellPool& src) override { return CreateCopyOf(src); }
    CGXSpanCellPool* CreatePool() override { return new CGXSpanCellPool; }
    void CopyPool(CGXSpanCellPool& dest, const CGXSpanCellPool& src) override { dest.CopyFrom(src); }
    BOOL InsertRows(CGXSpanCellPool* pPool, ROWCOL nFirst, ROWCOL nCount) override
    {
        return pPool != nullptr && pPool->InsertRows(nFirst, nCount);
    }
    BOOL RemoveRows(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo) override
    {
        return pPool != nullptr && pPool->RemoveRows(nFrom, nTo);
    }
    BOOL MoveRows(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override
    {
        return pPool != nullptr && pPool->MoveRows(nFrom, nTo, nDest);
    }
    BOOL InsertCols(CGXSpanCellPool* pPool, ROWCOL nFirst, ROWCOL nCount) override
    {
        return pPool != nullptr && pPool->InsertCols(nFirst, nCount);
    }
    BOOL RemoveCols(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo) override
    {
        return pPool != nullptr && pPool->RemoveCols(nFrom, nTo);
    }
    BOOL MoveCols(CGXSpanCellPool* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override
    {
        return pPool != nullptr && pPool->MoveCols(nFrom, nTo, nDest);
    }
    CGXSpanCellPool* ReadPool(CArchive& ar) override 
    {
        return static_cast<CGXSpanCellPool*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGXSpanCellPool)));
    }
};

class CGXDelayedRangePoolImp : public CGXAbstractDelayedRangePoolImp {
public:
    CGXDelayedRangePool* CreateCopy(const CGXDelayedRangePool& src) override { return CreateCopyOf(src); }
    CGXDelayedRangePool* CreatePool() override { return new CGXDelayedRangePool; }
    void CopyPool(CGXDelayedRangePool& dest, const CGXDelayedRangePool& src) override { dest.CopyFrom(src); }
    CGXDelayedRangePool* ReadPool(CArchive& ar) override 
    {
        return static_cast<CGXDelayedRangePool*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGXDelayedRangePool)));
    }
};

}  // namespace

CGXAbstractSpanCellPoolImp* GXCreateSpanCellPoolImp()
{
    return new CGXSpanCellPoolImp;
}

CGXAbstractDelayedRangePoolImp* GXCreateDelayedRangePoolImp()
{
    return new CGXDelayedRangePoolImp;
}
