// The editor window of an active cell that is only partly in view beside the frozen rows or columns.
#pragma once

#include "grid/engine/GXControl.h"

class CGXGridCore;

// The active cell nRow, nCol (rect in the grid window) is drawn with pDC while its editor is shown:
// when the cell starts above the first scrolled row or left of the first scrolled column (it reaches
// under the frozen rows or columns), only the part of the editor under pDC's clip box is painted
// again; the rest is validated and the editor's caret hidden. Does nothing for other cells.
void GXRepaintPartlyHiddenEditor(CGXGridCore* pGrid, CWnd& editor, CDC* pDC, const CRect& rect, ROWCOL nRow,
                                 ROWCOL nCol);
