// CGXGridUserResizeCellsImp: the user-resize module (the interface in GXUserResizeCellsImp.h). A press
// on a row or column boundary starts tracking; the moves show the new boundary; the release applies
// the new size through the grid's undoable size operations; a double click on a boundary shows the
// hidden lines next to it again or gives the line its default size back.
//
// The parameter's row-sizing and column-sizing words decide (bit 1: sizing one line sets the default
// size; 2: lines one by one; 8: header lines stay; 16 clear: the header of the line being sized is
// marked; 32 clear: with grid lines shown the moving line is a CGXDragLineWnd; 64 clear: it is
// inverted on the screen; 128: the header lines are drawn at the tracked size; 256: live sizing, the
// line itself follows the mouse and none of 16 to 128 applies). A press is taken only with bit 1 or 2.
//
// The release (or, on a selected whole line, every selected run, last run first) makes one undoable
// change: a size below 1 hides the line; a hidden line given a size is first shown again through
// HideRows / HideCols inside the same undo block, so that one Undo hides it again. Live sizing stores
// each tracked size directly and puts the first one back before recording the last.
//
// The tracking state lives here, one module per grid; the grid is told that a resize runs
// (CGXGridCore::SetUserResizing) for the header marks and its cancel mode.
#pragma once

#include "grid/ops/GXUserResizeCellsImp.h"

#include <memory>

class CGXDragLineWnd;

class CGXGridUserResizeCellsImp : public CGXAbstractGridUserResizeCellsImp {
public:
    CGXGridUserResizeCellsImp();
    ~CGXGridUserResizeCellsImp() override;

    BOOL OnResizeMouseMove(CGXGridCore* pGrid, CPoint point) override;
    BOOL OnResizeButtonDown(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHit, ROWCOL nRow,
                            ROWCOL nCol) override;
    BOOL OnResizeButtonUp(CGXGridCore* pGrid, CPoint point) override;
    BOOL OnResizeDoubleClick(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHit, ROWCOL nRow,
                             ROWCOL nCol) override;
    BOOL StartResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType) override;
    void MoveResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType, CSize size) override;
    void CancelResizeTracking(CGXGridCore* pGrid) override;
    void EndResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType, CSize size) override;

    // What a drag shows, for those who look at it: the moving line's rectangle (one pixel across) and
    // the line window (null unless one is shown).
    const CRect& GetMovingLine() const { return m_rectMoving; }
    CGXDragLineWnd* GetDragLineWnd() const { return m_pDragLine.get(); }
    BOOL IsTracking() const { return m_bTracking; }

private:
    // The size pair a mouse position gives: from the fixed edge along the axis, 0 across it.
    CSize TrackedSize(CPoint point) const;
    // The tracked line's size, hidden state and stored entry put back as they were at the start.
    void RestoreInitial(CGXGridCore* pGrid);
    // The moving line inverted on the screen.
    void InvertLine(CGXGridCore* pGrid, const CRect& rect);
    // The header lines' part of the grid beyond the fixed edge, drawn (bUpdate) or only invalidated.
    void RedrawHeaderPart(CGXGridCore* pGrid, BOOL bUpdate);
    // Applies the size the release left (see the top of this file).
    void ApplySize(CGXGridCore* pGrid, int nSize, UINT nFlags);

    BOOL m_bTracking = FALSE;
    BOOL m_bMoved = FALSE;
    BOOL m_bRow = FALSE;       // rows (type 1) or columns (type 2)
    ROWCOL m_nLine = 0;        // the row or column being sized
    LONG m_nFixedEdge = 0;     // where its size is measured from
    CRect m_rectCell;
    CRect m_rectStart;         // the fixed line
    CRect m_rectInitial;       // the moving line where it started
    CRect m_rectMoving;        // and where it is
    int m_nInitialSize = 0;
    BOOL m_bHadEntry = FALSE;  // the size map held an entry for the line (m_nEntry)
    LONG m_nEntry = 0;
    BOOL m_bWasHidden = FALSE;
    BOOL m_bLive = FALSE;
    BOOL m_bHeaderPreview = FALSE;
    BOOL m_bLineWnd = FALSE;
    BOOL m_bInvert = FALSE;
    BOOL m_bMarkHeader = FALSE;
    std::unique_ptr<CGXDragLineWnd> m_pDragLine;
};
