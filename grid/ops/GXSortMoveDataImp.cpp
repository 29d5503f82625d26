// The sort-move module (see GXSortMoveDataImp.h).
#include "grid/ops/GXSortMoveDataImp.h"

#include "grid/engine/GXData.h"

#include <algorithm>
#include <vector>

namespace {

// TRUE when map holds every offset 0..size-1 once and the block from nFirst fits the arrays' reach.
BOOL IsOrder(const CDWordArray& awMap, ROWCOL nFirst)
{
    const int32_t n = awMap.GetSize();
    if (uint64_t(nFirst) + uint64_t(n) > 0x7FFFFFFF)
        return FALSE;
    std::vector<bool> seen(size_t(n), false);
    for (int32_t i = 0; i < n; ++i) {
        const DWORD nOffset = awMap.GetAt(i);
        if (nOffset >= DWORD(n) || seen[nOffset])
            return FALSE;
        seen[nOffset] = true;
    }
    return TRUE;
}

// Puts entry nFirst + map[i] of array at nFirst + i. An array shorter than the block grows to hold it
// and is then cut back to its last entry that received something, never below its old length.
void Reorder(CPtrArray& array, ROWCOL nFirst, const CDWordArray& awMap)
{
    const int32_t n = awMap.GetSize();
    const int32_t nOldSize = array.GetSize();
    std::vector<void*> moved(size_t(n), nullptr);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t nFrom = int32_t(nFirst + awMap.GetAt(i));
        if (nFrom < nOldSize)
            moved[size_t(i)] = array.GetAt(nFrom);
    }
    const int32_t nEnd = int32_t(nFirst) + n;
    if (nOldSize >= nEnd) {
        for (int32_t i = 0; i < n; ++i)
            array.SetAt(int32_t(nFirst) + i, moved[size_t(i)]);
        return;
    }
    array.SetSize(nEnd);
    int32_t nUsed = nOldSize;
    for (int32_t i = 0; i < n; ++i) {
        array.SetAt(int32_t(nFirst) + i, moved[size_t(i)]);
        if (moved[size_t(i)] != nullptr)
            nUsed = std::max(nUsed, int32_t(nFirst) + i + 1);
    }
    array.SetSize(nUsed);
}

}  // namespace

CGXAbstractGridSortMoveDataImp* GXCreateSortMoveDataImp()
{
    return new CGXGridSortMoveDataImp;
}

BOOL CGXGridSortMoveDataImp::ReorderRowsAfterSort(CGXData& data, const CGXCellRange& range, CDWordArray& awMoveMap)
{
    if (!IsOrder(awMoveMap, range.top))
        return FALSE;
    Reorder(data.GetCellStyles(), range.top, awMoveMap);
    Reorder(data.GetRowBaseStyles(), range.top, awMoveMap);
    return TRUE;
}

BOOL CGXGridSortMoveDataImp::ReorderColsAfterSort(CGXData& data, const CGXCellRange& range, CDWordArray& awMoveMap)
{
    if (!IsOrder(awMoveMap, range.left))
        return FALSE;
    CGXStylePtrArrayPtrArray& cells = data.GetCellStyles();
    for (int32_t nRow = 0; nRow < cells.GetSize(); ++nRow)
        if (CGXStylePtrArray* pRow = cells.GetRow(nRow))
            Reorder(*pRow, range.left, awMoveMap);
    Reorder(data.GetColBaseStyles(), range.left, awMoveMap);
    return TRUE;
}
