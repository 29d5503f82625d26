// Sorting rows by key columns and columns by key rows. A sort orders the records, reorders the stored
// cells through the data object (CGXData::ReorderRowsAfterSort and the sort-move module) and records
// the reverse move. The grid's QuickSortKeys, SortRows, MoveDataRows, StoreMoveDataRows,
// UpdateSortRows and GetSortKeysRow (and the column twins) forward to it; a double click on a header
// cell reaches OnClickedHeaderSort.
// The module is CGXGridSortImp (GXGridSortImp.h).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CGXGridCore;
class CGXSortInfoArray;

class CGXAbstractGridSortImp : public CObject {
public:
    // Orders the row records of rows (one per row to sort) in place by keys.
    virtual void SortRowRecords(CGXGridCore* pGrid, CGXSortInfoArray& keys, CPtrArray& rows) = 0;
    // Sorts the rows of range by keys. TRUE when sorted.
    virtual BOOL SortRows(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags) = 0;
    // Moves the rows of range into the order awOrder gives (entry i: the old offset of the row that goes
    // to position i), recording the reverse move. TRUE when moved.
    virtual BOOL MoveRowsAfterSort(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags,
                                   int nCommandType) = 0;
    // The data step (CGXData::ReorderRowsAfterSort).
    virtual BOOL StoreSortRows(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder) = 0;
    // The screen step, with a hint to the other views.
    virtual void UpdateSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint) = 0;
    // The key texts of row nRow, one per key.
    virtual void GetSortRowKeyTexts(CGXGridCore* pGrid, ROWCOL nRow, CGXSortInfoArray& keys, CStringArray& texts) = 0;
    virtual BOOL SortCols(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags) = 0;
    virtual BOOL MoveColsAfterSort(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags,
                                   int nCommandType) = 0;
    virtual BOOL StoreSortCols(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder) = 0;
    virtual void UpdateSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint) = 0;
    virtual void GetSortColKeyTexts(CGXGridCore* pGrid, ROWCOL nCol, CGXSortInfoArray& keys, CStringArray& texts) = 0;
    // A double click on the header cell (nRow, nCol) that did not become current. TRUE when it sorted.
    virtual BOOL OnClickedHeaderSort(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) = 0;
};

// Makes a CGXGridSortImp.
CGXAbstractGridSortImp* GXCreateSortImp();
