// CGXGridExcelLikeFillImp: extending a selected block by dragging the fill handle of its frame (the
// interface in GXExcelLikeFillImp.h). While the mouse moves a double dotted frame shows the target
// block: the source grown (or shrunk) towards the pointer along one direction, chosen by the side of
// the source's rectangle the pointer is farthest out on. At the release the new rows (columns) repeat
// the source's rows (columns) in turn, or the rows (columns) given up are cleared, all as one undo
// step "Block"; then the target is selected.
//
// The parameter's fill word (DisplayOptions::bExcelLikeFill) says what is repeated: bit 0 values (the
// text the cells show), bit 1 styles (the composed styles, which win when both are set); with neither
// nothing fills. Whole rows, whole columns and the table do not fill, nor blocks pressed in the frozen
// or header lines; the grid may refuse a start (CanStartFill) or a target (CanFillRange).
//
// The module keeps the drag's source, the target shown and its frame rectangle (one module per grid);
// the grid keeps the filling flag (GXCore.h).
#pragma once

#include "grid/ops/GXExcelLikeFillImp.h"

class CGXGridExcelLikeFillImp : public CGXAbstractGridExcelLikeFillImp {
public:
    // The bits of the fill word.
    enum { gxFillValues = 1, gxFillStyles = 2 };
    // The directions a target grows in.
    enum { gxFillInside = 0, gxFillUp, gxFillDown, gxFillLeft, gxFillRight };
    // The direction of point from the source rectangle rect.
    static int FillDirection(const CRect& rect, CPoint point);

    void StartFill(CGXGridCore* pGrid, UINT nFlags, CPoint point, int nSpare, ROWCOL& nRow, ROWCOL& nCol) override;
    BOOL TrackFill(CGXGridCore* pGrid, CPoint point, int nSpare, ROWCOL& nRow, ROWCOL& nCol) override;
    void EndFill(CGXGridCore* pGrid) override;
    void HideFillFrame(CGXGridCore* pGrid) override;
    void DrawFillFrame(CGXGridCore* pGrid, const CGXCellRange& target, BOOL bEraseOld, BOOL bDrawNew) override;
    BOOL FillRange(CGXGridCore* pGrid, const CGXCellRange& source, const CGXCellRange& target) override;
    BOOL SelectFillRange(CGXGridCore* pGrid, const CGXCellRange& range) override;

    CGXCellRange m_source;  // the selected block at the start
    CRect m_rectFrame;      // the frame drawn last, empty when none is shown
    CGXCellRange m_target;  // the block the frame shows
};
