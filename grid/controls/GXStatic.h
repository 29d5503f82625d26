// CGXStatic: the cell control that shows a cell's value as text and never edits it (control id 52513
// "Static Text"), and the base of every text-showing control: while not being edited they all draw
// like it. It keeps no state of its own.
//
// Text margin: the text rectangle is the base control's cell rectangle moved in by a margin m on the
// left, by m + 1 on the right of a right-aligned cell and by m / 2 on the right of any other; m is
// half the frame metric SM_CXFRAME when that is 3 or more, else 2, read at each use.
//
// Drawing goes through the drawing-and-formatting service (CGXDrawingAndFormatting::DrawCellText,
// GXDrawing.h) with this control.
#pragma once

#include "grid/engine/GXControl.h"

// The text margin for a frame metric nFrameMetric: nFrameMetric / 2 when that is 3 or more, else 2.
int GXStaticTextMargin(int nFrameMetric);

class CGXStatic : public CGXControl {
    GX_DECLARE_CONTROL(CGXStatic)
public:
    // A static cell of pGrid (not null, else CInvalidArgException*).
    explicit CGXStatic(CGXGridCore* pGrid);

    // The text rectangle (see the top of this file); pStyle null: the cell's own style decides the
    // right margin.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // size with 2m + 1 added to its width, then the grid's borders.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // The grid's content-size module's answer; 0 by 0 without it.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The float module's answer for a static cell; FALSE without it.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell) override;
    // The cell as static text (CGXDrawingAndFormatting::DrawCellText).
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;

    // The text margin of the system's current frame metric.
    static int GetTextMargin();

protected:
    // The caret position under point (grid-window coordinates) in strText laid out in the text
    // rectangle of the control's cell with its style's font, alignment and wrapping (bRtlReading:
    // read right to left); -1 when point is on no character or the control has no cell.
    int HitTestCellText(const CString& strText, CPoint point, BOOL bRtlReading = FALSE);
};
