// CGXGridCore: copies and tests of the selection that the range-selection module and derived grids
// use (see GXCore.h).
#include "grid/engine/GXCore.h"

#include "grid/engine/GXGridParam.h"

BOOL CGXGridCore::CopySelection(CGXRangeList& list, BOOL bAddCurrentCell)
{
    list.DeleteAll();
    if (m_pParam != nullptr) {
        const CGXRangeList& selection = m_pParam->GetRangeList1();
        for (POSITION pos = selection.GetHeadPosition(); pos != nullptr; selection.GetNext(pos))
            if (selection.GetRangeAt(pos)->IsValid())
                list.AddRange(*selection.GetRangeAt(pos));
    }
    ROWCOL nRow, nCol;
    if (list.IsEmpty() && bAddCurrentCell && GetCurrentCell(nRow, nCol))
        list.AddRange(CGXCellRange(nRow, nCol, nRow, nCol));
    return !list.IsEmpty();
}

BOOL CGXGridCore::IsCellInSelectionList(ROWCOL nRow, ROWCOL nCol, const CGXRangeList& list)
{
    return list.IsCellInList(nRow, nCol);
}
