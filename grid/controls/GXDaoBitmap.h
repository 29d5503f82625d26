// CGXDaoBitmap: a cell that shows a picture (20128 "Dao bitmap control"): the Windows bitmap file
// held as a byte-array VARIANT in the cell's user attribute 52794 "Dao bitmap user attribute"
// (CGXOleVarUserAttribute), drawn at its natural size, placed by the cell's alignment and clipped to
// the cell. A cell without such a bitmap draws exactly as a static text cell.
//
// Does not do: a data-bound grid that supplies and caches the pictures of its rows does not exist
// here; the bitmap is made from the attribute at each draw and freed after it.
#pragma once

#include "grid/controls/GXStatic.h"

class CGXDaoBitmap : public CGXStatic {
    GX_DECLARE_CONTROL(CGXDaoBitmap)
public:
    explicit CGXDaoBitmap(CGXGridCore* pGrid);

    // The bitmap of attribute 52794 when it holds one, else the static text.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
};
