// CGXGridHint: what a grid tells the other views of its document about a change it made, so that
// they do the same screen work without changing the shared data again. The update-hint module builds
// one on the stack for each sending operation, hands it to the document's views and lets it go; a
// receiving view replays it with GXApplyGridHint.
//
// Ids and fields (the sending core operation; the receiver calls the same operation with the fields
// and bCreateHint FALSE):
//   1 Redraw (flags)                      2 RedrawRowCol (row1, col1, row2, col2, flags)
//   3 UpdateChangedRowCount (row1, flags) 4 UpdateChangedColCount (col1, flags)
//   5 OnRowHeightChanged (row1, row2, old sizes in pData, flags)   6 OnColWidthChanged (columns)
//   7 UpdateInsertCols (col1, count, flags)                         8 UpdateInsertRows (rows)
//   9 UpdateRemoveCols (col1, col2, old sizes in pData, flags)     10 UpdateRemoveRows (rows)
//  11 UpdateMoveCols (col1, col2, col3, flags)                     12 UpdateMoveRows (rows)
//  15 UpdateFrozenRows (old frozen row1, old headers row2, flags)  16 UpdateFrozenCols (columns)
//  17 OnChangedStyleRange (range, style, mode, kind in value, flags)
//  24 TransferCurrentCell (bSave in value, flags); the answer is ANDed into count (preset 1)
//  25 SetTopRow (row1, flags), 26 SetLeftCol (col1, flags): pData is the pane meant, the sender's
//     neighbour in its splitter row (25) or column (26); only that pane acts
//  27 SetCurrentCell (row1, col1, flags; the receiver adds the no-hint flag)
//  33 OnChangedProperties (flags)  34 OnChangedStylesMap (flags)  35 OnChangedBaseStyle (count's low
//     16 bits the base-style id, flags)  36 the formula recalculation (pData the message text)
// The other ids (13, 14, 18 to 23, 28 to 32) carry the notifications of the grid operations' own
// modules (covered cells, zoom, hidden cells, print settings, selection), which replay them themselves.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;
class CGXStyle;

class CGXGridHint : public CObject {
    DECLARE_DYNAMIC(CGXGridHint)
public:
    enum {
        gxHintRedraw = 1, gxHintRedrawRowCol = 2, gxHintRowCount = 3, gxHintColCount = 4, gxHintRowHeights = 5,
        gxHintColWidths = 6, gxHintInsertCols = 7, gxHintInsertRows = 8, gxHintRemoveCols = 9,
        gxHintRemoveRows = 10, gxHintMoveCols = 11, gxHintMoveRows = 12, gxHintFrozenRows = 15,
        gxHintFrozenCols = 16, gxHintStyleRange = 17, gxHintTransferCurrentCell = 24, gxHintTopRow = 25,
        gxHintLeftCol = 26, gxHintCurrentCell = 27, gxHintProperties = 33, gxHintStylesMap = 34,
        gxHintBaseStyle = 35, gxHintRecalc = 36
    };

    // A hint nId from the grid of identity nViewId (-1: for every grid); the range empty, the rows,
    // columns, value, count, data and flags 0.
    CGXGridHint(int nId, int nViewId);

    int m_nId;
    CGXCellRange m_range;
    const CGXStyle* m_pStyle;
    int m_nMode;
    ROWCOL m_nRow1, m_nRow2, m_nRow3;
    ROWCOL m_nCol1, m_nCol2, m_nCol3;
    int m_nValue;
    int m_nCount;
    const void* m_pData;
    UINT m_nFlags;
    int m_nViewId;
};

// The receiving rule: pHint (any object) is replayed on pGrid when it is a CGXGridHint whose
// identity is -1 or pGrid's own (m_nGridId): the operation its id names runs with bCreateHint FALSE.
// Returns the operation's answer (TRUE for those without one); FALSE when nothing was replayed (not
// a hint, another grid's, an id of the operations' modules, a splitter hint for another pane).
BOOL GXApplyGridHint(CGXGridCore* pGrid, CObject* pHint);
