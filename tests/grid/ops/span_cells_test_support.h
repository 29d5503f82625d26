// Support of the tests of merged and floating cells: an edit-cell grid window (see EditGridFixture)
// made once the grid operations' modules are registered, so that it has the span modules, with
// styles stored without evaluating or redrawing them (so a test evaluates them itself) and the spans that
// hold a cell read as text.
#pragma once

#include "control_test_support.h"
#include "undo_test_support.h"

#include "grid/ops/GXFloatCellsImp.h"
#include "grid/ops/GXMergeCellsImp.h"

#include <string>

// Registers the operations' modules before the fixture's grid is made.
struct GridOperationsRegistered {
    GridOperationsRegistered() { UseGridOperations(); }
};

struct SpanGridFixture : GridOperationsRegistered {

    // Stores style into the cells of a block (nMode as for SetStyleRange), queueing them as a change
    // does but neither evaluating their spans nor redrawing them.
    void Apply(const CGXCellRange& range, const CGXStyle& style, int nMode = CGXStyle::gxOverride)
    {
        for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow)
            for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol)
                f.grid.StoreStyleRowCol(nRow, nCol, &style, nMode);
        f.grid.FreeObjectCache();
    }
    void Apply(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) { Apply(CGXCellRange(nRow, nCol, nRow, nCol), style); }

    // A span as "top,left-bottom,right"; "-" for none.
    static std::string Text(BOOL bFound, const CGXCellRange& r)
    {
        if (!bFound)
            return "-";
        return std::to_string(r.top) + "," + std::to_string(r.left) + "-" + std::to_string(r.bottom) + "," +
               std::to_string(r.right);
    }
    std::string Merged(ROWCOL nRow, ROWCOL nCol, int nDirection = -1)
    {
        CGXCellRange r;
        return Text(f.grid.GetMergedCellsRowCol(nRow, nCol, r, nDirection), r);
    }
    std::string Floated(ROWCOL nRow, ROWCOL nCol)
    {
        CGXCellRange r;
        return Text(f.grid.GetFloatedCellsRowCol(nRow, nCol, r), r);
    }

    CGXAbstractGridMergeCellsImp& Merge() { return *f.grid.m_pMergeCellsImp; }
    CGXAbstractGridFloatCellsImp& Float() { return *f.grid.m_pFloatCellsImp; }

    EditGridFixture f;
};
