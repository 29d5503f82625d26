// CGXGridUpdateHintImp: the update-hint module (the interface and its senders in GXUpdateHintImp.h).
// Several views of one document show one grid through one shared parameter object; when one of them
// changes what the others show, the grid operation that did it calls a sender here, which packs the
// operation's arguments into a CGXGridHint (GXGridHint.h) and hands it to the document's other views
// (CGXGridCore::UpdateAllViews with the grid window as sender). Each receiving view's ApplyHint
// replays the screen side of the same operation with hint creation off, so that a hint never echoes.
//
// Senders send only while the grid's document link, its hint switch, is on and it has a document;
// they answer TRUE when they sent. The scroll hints (kinds 25, 26) are sent only from a pane of a
// splitter with more than one column (row) and name the pane they are for, the sender's neighbour in
// its splitter row (column), which alone takes them; the zoom hints (19, 20) reach the panes of the sender's splitter, or every view
// with the parameter's zoom-all-views option. The grid engine's own kinds are built and replayed as
// GXGridHint.h describes.
//
// Field use of the kinds this module adds to the grid engine's (the ref field is m_pData):
//   13 RedrawRangeChange: ref the list position, row1, col1, row2, col2
//   14 RedrawSelection: nothing
//   18 SetCoveredCellsRange: row1, col1, row2, col2, flags (replayed as UpdateCoveredCellsRowCol)
//   19 OnZoomChanged: value the previous zoom, flags, ref the sender's splitter
//   20 SetZoomValue: value the zoom, ref the sender's splitter
//   21 RefreshCurrentCell: value (replayed as RefreshCurrentCellControl)
//   22 UpdateNameText: nothing; the receiver hands its window and the parameter's title to the library's
//      naming callback
//   23 RedrawSelectionDifference: range, ref the previous range list
//   28 RedrawFloatedCells, 29 RedrawMergedCells: row1, col1, row2, col2, flags
//   30 HideExcelLikeFrame: flags the hide flag
//   31 UpdateSortRows, 32 UpdateSortCols: range, flags (replayed as UpdateMoveDataRows, -Cols)
//   37 UpdateReadOnly: nothing (the lock switch lives in the shared parameter object)
#pragma once

#include "grid/ops/GXUpdateHintImp.h"

class CGXGridUpdateHintImp : public CGXAbstractGridUpdateHintImp {
public:
    // The kinds of the grid operations' own notifications.
    enum {
        gxHintRangeChange = 13, gxHintSelection = 14, gxHintCoveredCells = 18, gxHintZoomChanged = 19,
        gxHintZoom = 20, gxHintRefreshCurrentCell = 21, gxHintNameText = 22, gxHintSelectionDifference = 23,
        gxHintFloatedCells = 28, gxHintMergedCells = 29, gxHintExcelLikeFrame = 30, gxHintSortRows = 31,
        gxHintSortCols = 32, gxHintReadOnly = 37
    };

    // 0 when pGrid has no parameter object or pHint is not a CGXGridHint; the hint's identity when
    // it is meant for another grid; kind - 1 for an unknown kind and for a zoom hint this view does
    // not follow; else the replayed operation's answer (TRUE for an operation without one; FALSE for
    // a scroll hint this pane does not take).
    BOOL ApplyHint(CGXGridCore* pGrid, CObject* pHint) override;
    BOOL RedrawAll(CGXGridCore* pGrid, UINT nFlags) override;
    BOOL RedrawRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                     UINT nFlags) override;
    BOOL OnRowCountChanged(CGXGridCore* pGrid, ROWCOL nOldCount, UINT nFlags) override;
    BOOL OnColCountChanged(CGXGridCore* pGrid, ROWCOL nOldCount, UINT nFlags) override;
    BOOL OnRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                             UINT nFlags) override;
    BOOL OnColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                            UINT nFlags) override;
    BOOL OnColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    BOOL OnRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) override;
    BOOL OnColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes, UINT nFlags) override;
    BOOL OnRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes, UINT nFlags) override;
    BOOL OnColsMoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags) override;
    BOOL OnRowsMoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags) override;
    BOOL RedrawRangeChange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                           ROWCOL nRight) override;
    BOOL RedrawSelection(CGXGridCore* pGrid) override;
    BOOL OnFrozenRowsChanged(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags) override;
    BOOL OnFrozenColsChanged(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags) override;
    BOOL OnStyleRangeChanged(CGXGridCore* pGrid, const CGXCellRange& range, const CGXStyle* pStyle, int nMode,
                             int nKind, UINT nFlags) override;
    BOOL SetCoveredCellsRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                              UINT nFlags) override;
    BOOL OnZoomChanged(CGXGridCore* pGrid, int nOldZoom, UINT nFlags) override;
    BOOL SetZoomValue(CGXGridCore* pGrid, int nZoom) override;
    BOOL RefreshCurrentCell(CGXGridCore* pGrid, BOOL bValue) override;
    BOOL UpdateNameText(CGXGridCore* pGrid) override;
    BOOL RedrawSelectionDifference(CGXGridCore* pGrid, const CGXCellRange& range,
                                   const CGXRangeList* pOldList) override;
    // The views' answers ANDed (TRUE when no view refused, also when nothing was sent).
    BOOL EndCurrentCellEdit(CGXGridCore* pGrid, BOOL bSave, UINT nFlags) override;
    // Only from a pane of a splitter with more than one column (SetTopRow) or row (SetLeftCol); FALSE
    // when nothing was sent.
    BOOL SetTopRow(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags) override;
    BOOL SetLeftCol(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags) override;
    // After the grid scrolled in nDirection (gxUp .. gxRight): the current top row (up, down) or left
    // column (left, right) with flags 2, as SetTopRow and SetLeftCol send them.
    // Answers: nDirection - 4 for another direction, 0 outside a splitter, the splitter's column
    // (row) count when it has only one, else whether it sent.
    BOOL ScrollCells(CGXGridCore* pGrid, int nDirection, ROWCOL nCount) override;
    BOOL SetCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags) override;
    BOOL RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                            UINT nFlags) override;
    BOOL RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                           UINT nFlags) override;
    BOOL HideExcelLikeFrame(CGXGridCore* pGrid, BOOL bHide) override;
    BOOL UpdateSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags) override;
    BOOL UpdateSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags) override;
    BOOL OnPropertiesChanged(CGXGridCore* pGrid, UINT nFlags) override;
    BOOL OnStylesMapChanged(CGXGridCore* pGrid, UINT nFlags) override;
    BOOL OnBaseStyleChanged(CGXGridCore* pGrid, WORD nId, UINT nFlags) override;
    BOOL RecalcAndRedraw(CGXGridCore* pGrid, const char* pszText) override;
    BOOL UpdateReadOnly(CGXGridCore* pGrid) override;
};
