// The blocks of the clipboard and clearing operations (see GXCellBlocks.h).
#include "grid/ops/GXCellBlocks.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXStyle.h"
#include "win/AfxResource.h"

#include <algorithm>

namespace {

// Cuts the intervals to 0..nLast and returns the number of lines they hold.
uint64_t CutIntervals(CDWordArray& starts, CDWordArray& ends, ROWCOL nLast)
{
    uint64_t nLines = 0;
    int32_t nKept = 0;
    for (int32_t i = 0; i < starts.GetSize(); ++i) {
        if (starts[i] > nLast)
            continue;
        const ROWCOL nEnd = std::min<ROWCOL>(ends[i], nLast);
        starts.SetAt(nKept, starts[i]);
        ends.SetAt(nKept, nEnd);
        nLines += uint64_t(nEnd - starts[nKept]) + 1;
        ++nKept;
    }
    starts.SetSize(nKept);
    ends.SetSize(nKept);
    return nLines;
}

}  // namespace

BOOL GXCellBlocks::Compute(const CGXRangeList& list, ROWCOL nLastRow, ROWCOL nLastCol)
{
    list.GetRowArray(nLastRow, rowStarts, rowEnds, FALSE);
    list.GetColArray(nLastCol, colStarts, colEnds, FALSE);
    nRows = CutIntervals(rowStarts, rowEnds, nLastRow);
    nCols = CutIntervals(colStarts, colEnds, nLastCol);
    return nRows > 0 && nCols > 0;
}

BOOL GXCellBlocks::Compute(CGXGridCore* pGrid, const CGXRangeList& list)
{
    return Compute(list, pGrid->GetRowCount(), pGrid->GetColCount());
}

ROWCOL GXCellBlocks::At(const CDWordArray& starts, const CDWordArray& ends, uint64_t nOffset)
{
    for (int32_t i = 0; i < starts.GetSize(); ++i) {
        const uint64_t nLength = uint64_t(ends[i] - starts[i]) + 1;
        if (nOffset < nLength)
            return ROWCOL(starts[i] + nOffset);
        nOffset -= nLength;
    }
    return ROWCOL(-1);
}

void GXFitRanges(CGXRangeList& list, ROWCOL nFirstRow, ROWCOL nFirstCol, ROWCOL nLastRow, ROWCOL nLastCol)
{
    if (nLastRow < nFirstRow || nLastCol < nFirstCol) {
        list.DeleteAll();
        return;
    }
    const CGXCellRange area(nFirstRow, nFirstCol, nLastRow, nLastCol);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos)) {
        CGXCellRange* pRange = list.GetRangeAt(pos);
        if (pRange->IsValid()) {
            pRange->ExpandToCells(nFirstRow, nFirstCol, nLastRow, nLastCol);
            pRange->IntersectRange(*pRange, area);
        }
    }
    list.RemoveInvalid();
}

CString GXLoadText(UINT nId)
{
    CString strText;
    AfxLoadString(nId, strText);
    return strText;
}

CString GXCellControlText(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CGXControl* pControl = style.GetIncludeControl() ? pGrid->GetRegisteredControl(style.GetControl()) : nullptr;
    if (pControl == nullptr)
        return style.GetValueRef();
    CString strText;
    pControl->GetControlText(strText, nRow, nCol, nullptr, style);
    return strText;
}

GXRollbackPossible::GXRollbackPossible() : m_bOld(GXGetLongOperationSettings().m_bRollbackPossible)
{
    GXGetLongOperationSettings().m_bRollbackPossible = TRUE;
}

GXRollbackPossible::~GXRollbackPossible()
{
    GXGetLongOperationSettings().m_bRollbackPossible = m_bOld;
}
