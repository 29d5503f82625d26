// The process-wide sort-move module: puts the stored styles of a cell data store into the row or
// column order a sort computed (CGXData::ReorderRowsAfterSort and ReorderColsAfterSort forward to it),
// or back into the order before the sort (the undo of a sort).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXData;

class CGXAbstractGridSortMoveDataImp : public CObject {
public:
    // Reorders the rows (columns) from range's first row (column) on: entry i of awMoveMap is the
    // offset of the row that moves to position first + i. TRUE.
    virtual BOOL ReorderRowsAfterSort(CGXData& data, const CGXCellRange& range, CDWordArray& awMoveMap) = 0;
    virtual BOOL ReorderColsAfterSort(CGXData& data, const CGXCellRange& range, CDWordArray& awMoveMap) = 0;
};

// Entries only change place: nothing is copied or deleted, every style keeps its owner. A map that is
// not an order of 0..n-1 (an entry repeated or out of range) would give one style two owners: it is
// refused (FALSE) before anything moves.
class CGXGridSortMoveDataImp : public CGXAbstractGridSortMoveDataImp {
public:
    // The cell rows and the row base styles. An array too short for the block grows only as far as
    // its last entry that received something (never below its old length).
    BOOL ReorderRowsAfterSort(CGXData& data, const CGXCellRange& range, CDWordArray& awMoveMap) override;
    // The cells of every row array (row 0 included) and the column base styles, likewise.
    BOOL ReorderColsAfterSort(CGXData& data, const CGXCellRange& range, CDWordArray& awMoveMap) override;
};

// Makes a CGXGridSortMoveDataImp.
CGXAbstractGridSortMoveDataImp* GXCreateSortMoveDataImp();
