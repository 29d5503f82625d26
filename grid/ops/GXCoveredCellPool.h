// CGXCoveredCellPool: the index from a cell to the covering that holds it, kept by the parameter object
// beside its covered-ranges list. Row r holds, per column, null or the list position (POSITION) of the
// covering of (r, c). A covering of one cell is never stored. Not stored in archives: the
// covered-cell pool module rebuilds it from the list (GXCoveredCellsImp.h).
//
// The grid engine reaches the class through its virtual operations only.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXCollMap.h"
#include "grid/engine/GXRange.h"

class CGXCoveredCellPool : public CObject {
    DECLARE_DYNCREATE(CGXCoveredCellPool)
public:
    CGXCoveredCellPool() = default;
    CGXCoveredCellPool(const CGXCoveredCellPool&) = delete;

    // The position of the covering that holds (nRow, nCol); null for a cell in none.
    virtual POSITION GetCell(ROWCOL nRow, ROWCOL nCol) const;
    // Registers pos over (nTop, nLeft)-(nBottom, nRight), clearing the tail of a longer covering it
    // replaces; pos null clears the covering found at nLeft in each row. FALSE for a single cell, for
    // bounds above 0x7FFFFFFE, or when a row meets another covering at nLeft (then nothing is written:
    // every row is checked first). TRUE when any row was written.
    virtual BOOL SetRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, POSITION pos);
    // Forgets every covering.
    virtual void DeleteAll();

    CGXPtrArrayPtrArray m_apRows;
};
