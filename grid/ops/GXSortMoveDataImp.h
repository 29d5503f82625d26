// The process-wide sort-move module: puts the stored styles of a cell data store into the row or
// column order a sort computed (CGXData::ReorderRowsAfterSort and ReorderColsAfterSort forward to it).
//
// Does not do yet: the module (CGXGridSortMoveDataImp) comes with its own work; its creator
// (GXCreateSortMoveDataImp) plugs into the table of GXOperations.cpp when it lands.
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

CGXAbstractGridSortMoveDataImp* GXCreateSortMoveDataImp();
