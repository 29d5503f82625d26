// CGXGridHideCellsImp: the hide-cells module (the interface in GXHideCellsImp.h). The hidden marks
// are the parameter object's two bit arrays (GXGridParam.h), shared by the views of the grid; a
// hidden row (column) has size 0.
//
// HideRows (HideCols) stores each line's new state inside a long operation the user may abort; what
// changed up to an abort is redrawn and recorded as one undo command all the same, so that nothing
// changes without its undo. The command keeps every line's earlier state, so undoing restores lines
// that were already hidden as hidden. After an undo or redo of either, the current cell goes to the
// first line changed (rows: that row in the left column; columns: the top row in that column).
//
// IsRowHidden also hides the header rows of a splitter pane below the first pane row (they show in the
// pane above), and row 0 while printing when the print settings leave the row headers out; IsColHidden
// likewise with the panes right of the first pane column and the print setting of the column headers.
#pragma once

#include "grid/ops/GXHideCellsImp.h"

#include <vector>

class CGXGridHideCellsImp : public CGXAbstractGridHideCellsImp {
public:
    void RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) override;
    void RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) override;
    void InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) override;
    void InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) override;
    void MoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    void MoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
                  int nCommandType) override;
    BOOL IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow) override;
    BOOL StoreRowHidden(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) override;
    BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
                  int nCommandType) override;
    BOOL IsColHidden(CGXGridCore* pGrid, ROWCOL nCol) override;
    BOOL StoreColHidden(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) override;

    // The bit-array operations on one of the parameter's arrays (bit i: byte i / 8, bit i % 8).
    // SetHiddenBit grows the array to reach the bit (TRUE); GetHiddenBit reads 0 beyond the end;
    // DeleteHiddenBits removes bits nFirst..nLast (later bits move down); InsertHiddenBits inserts
    // nCount 0 bits at nPos (later bits move up); MoveHiddenBits moves bits nFirst..nLast so that they
    // start at nDest afterwards (the bits between close up). The array never keeps zero bytes at its
    // end, so that inserting before the last hidden line is the only thing that grows it.
    static BOOL SetHiddenBit(std::vector<BYTE>& bits, ROWCOL nBit, BOOL bSet);
    static BOOL GetHiddenBit(const std::vector<BYTE>& bits, ROWCOL nBit);
    static void DeleteHiddenBits(std::vector<BYTE>& bits, ROWCOL nFirst, ROWCOL nLast);
    static void InsertHiddenBits(std::vector<BYTE>& bits, ROWCOL nPos, ROWCOL nCount);
    static void MoveHiddenBits(std::vector<BYTE>& bits, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
};
