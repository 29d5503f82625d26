// CGXCalcSizeImp: measures the preferred size of a cell's content. Attached by
// CGXGridCore::AttachCalcSizeImp.
//
// The text measured is the cell's stored value (with the parameter's stored-values size option) or
// the text its control shows. A bitmap cell (a text naming a DIB of the pool) of any control but the
// static text measures its bitmap. Otherwise the text is laid out in the style's font in the
// control's text rectangle of the cell (widened to its covered span), with the style's alignment, no
// prefix and word breaking; the line height is the font's height plus its external leading:
// - bHeightOnly: the text rectangle's width, and the lines (wrapped with WrapText, at most 32; else
//   one) times the line height, plus one;
// - else, with WrapText and when the wrapped lines fit the cell's height: the widest wrapped line and
//   the lines' heights; otherwise the widest of the text's own lines (split at its line breaks) and
//   their heights.
// An empty text measures one line (the font's height plus external leading, plus one) by the font's
// widest character. Every size is grown by what the grid draws around the cell (the control's
// AddBorders).
#pragma once

#include "grid/engine/GXGridModules.h"

class CGXCalcSizeImp : public CGXAbstractCalcSizeImp {
public:
    CSize CalcSize(CGXGridCore* pGrid, CDC* pDC, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                   const CGXStyle& style, const CGXStyle* pStandardStyle, BOOL bHeightOnly) override;
};
