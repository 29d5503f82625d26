// CGXGridSortImp: the sort module (the interface in GXSortImp.h). Rows and columns are sorted by the
// same code: every operation of one kind forwards to one routine that takes the kind as a flag.
//
// A sort reads the texts of its keys once per line inside a long operation the user may cancel, turns
// detect keys (kind 3) into date, numeric or text keys from the values read, converts numeric and date
// keys once into doubles, orders the line records (equal keys keep their order) and hands the order to
// the grid's MoveDataRows (MoveDataCols), which reorders the stored cells through the data object and
// records the reverse order as the undo command. A cancel or a lack of memory leaves every line where
// it was. The last line sorted by and its order stay in the parameter's sort options, so that a second
// double click on the same header sorts the other way.
//
// A cell with a choice list sorts by the text its control shows (the entry, not a stored index or
// key); other cells by their control's value text (GetStyleValueText). A non-empty text of an explicit
// numeric key that is no number counts as 0, as an unreadable date does under a date key.
#pragma once

#include "grid/ops/GXSortImp.h"

#include <vector>

// The record of one line being sorted: the key texts (emptied once a key is converted), the converted
// values (one per key), the line's offset from the range's first line before sorting, and the keys.
struct CGXSortLineRecord {
    CStringArray texts;
    std::vector<double> values;
    DWORD nIndex = 0;
    CGXSortInfoArray* pKeys = nullptr;
};

class CGXGridSortImp : public CGXAbstractGridSortImp {
public:
    // rows: CGXSortLineRecord pointers, all with the same keys.
    void SortRowRecords(CGXGridCore* pGrid, CGXSortInfoArray& keys, CPtrArray& rows) override;
    // Keys: each index must be a column (row) of the grid and each kind 0..3, else
    // CInvalidArgException* naming the bad value; no keys sort nothing. FALSE when nothing moved.
    BOOL SortRows(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags) override;
    BOOL MoveRowsAfterSort(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags,
                           int nCommandType) override;
    BOOL StoreSortRows(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder) override;
    void UpdateSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint) override;
    void GetSortRowKeyTexts(CGXGridCore* pGrid, ROWCOL nRow, CGXSortInfoArray& keys, CStringArray& texts) override;
    BOOL SortCols(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags) override;
    BOOL MoveColsAfterSort(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags,
                           int nCommandType) override;
    BOOL StoreSortCols(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder) override;
    void UpdateSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint) override;
    void GetSortColKeyTexts(CGXGridCore* pGrid, ROWCOL nCol, CGXSortInfoArray& keys, CStringArray& texts) override;
    // A row header sorts the columns by that row, a column header the rows by that column, when the
    // parameter's sort options allow it; the same header twice in a row sorts descending the second time.
    BOOL OnClickedHeaderSort(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) override;
};
