// Update hints between the views of one document: each sending operation below packs the arguments of
// a grid operation into a CGXGridHint (GXGridHint.h) and hands it to the document's other views
// (CGXGridCore::UpdateAllViews); ApplyHint, reached through CGXGridCore::OnGridUpdate, replays a
// received hint with hint creation off. The senders follow the hint kinds, each named after the grid
// operation whose change it tells.
//
// The module: CGXGridUpdateHintImp (GXGridUpdateHintImp.h), made by GXCreateUpdateHintImp.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;
class CGXStyle;

class CGXAbstractGridUpdateHintImp : public CObject {
public:
    // Replays a received hint on pGrid. 0 for a null or foreign object; the hint's identity when it is
    // meant for another grid; else the replayed operation's answer.
    virtual BOOL ApplyHint(CGXGridCore* pGrid, CObject* pHint) = 0;
    // The senders, in the order of the hint kinds; each returns the broadcast's answer.
    virtual BOOL RedrawAll(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual BOOL RedrawRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                             UINT nFlags) = 0;
    virtual BOOL OnRowCountChanged(CGXGridCore* pGrid, ROWCOL nOldCount, UINT nFlags) = 0;
    virtual BOOL OnColCountChanged(CGXGridCore* pGrid, ROWCOL nOldCount, UINT nFlags) = 0;
    virtual BOOL OnRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                     UINT nFlags) = 0;
    virtual BOOL OnColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                    UINT nFlags) = 0;
    virtual BOOL OnColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual BOOL OnRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual BOOL OnColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes, UINT nFlags) = 0;
    virtual BOOL OnRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes, UINT nFlags) = 0;
    virtual BOOL OnColsMoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags) = 0;
    virtual BOOL OnRowsMoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags) = 0;
    virtual BOOL RedrawRangeChange(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                   ROWCOL nRight) = 0;
    virtual BOOL RedrawSelection(CGXGridCore* pGrid) = 0;
    virtual BOOL OnFrozenRowsChanged(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags) = 0;
    virtual BOOL OnFrozenColsChanged(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags) = 0;
    virtual BOOL OnStyleRangeChanged(CGXGridCore* pGrid, const CGXCellRange& range, const CGXStyle* pStyle,
                                     int nMode, int nKind, UINT nFlags) = 0;
    virtual BOOL SetCoveredCellsRange(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                      UINT nFlags) = 0;
    virtual BOOL OnZoomChanged(CGXGridCore* pGrid, int nOldZoom, UINT nFlags) = 0;
    virtual BOOL SetZoomValue(CGXGridCore* pGrid, int nZoom) = 0;
    virtual BOOL RefreshCurrentCell(CGXGridCore* pGrid, BOOL bValue) = 0;
    virtual BOOL UpdateNameText(CGXGridCore* pGrid) = 0;
    virtual BOOL RedrawSelectionDifference(CGXGridCore* pGrid, const CGXCellRange& range,
                                           const CGXRangeList* pOldList) = 0;
    // The other views store (bSave) or discard their edits; their answers combined.
    virtual BOOL EndCurrentCellEdit(CGXGridCore* pGrid, BOOL bSave, UINT nFlags) = 0;
    // To the neighbouring pane of a splitter only.
    virtual BOOL SetTopRow(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags) = 0;
    virtual BOOL SetLeftCol(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags) = 0;
    virtual BOOL ScrollCells(CGXGridCore* pGrid, int nDirection, ROWCOL nCount) = 0;
    virtual BOOL SetCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags) = 0;
    virtual BOOL RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                    UINT nFlags) = 0;
    virtual BOOL RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                   UINT nFlags) = 0;
    virtual BOOL HideExcelLikeFrame(CGXGridCore* pGrid, BOOL bHide) = 0;
    virtual BOOL UpdateSortRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags) = 0;
    virtual BOOL UpdateSortCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags) = 0;
    virtual BOOL OnPropertiesChanged(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual BOOL OnStylesMapChanged(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual BOOL OnBaseStyleChanged(CGXGridCore* pGrid, WORD nId, UINT nFlags) = 0;
    virtual BOOL RecalcAndRedraw(CGXGridCore* pGrid, const char* pszText) = 0;
    // The parameter object's lock switch changed: the other views reset their active current-cell
    // controls too (CGXGridCore::UpdateReadOnly).
    virtual BOOL UpdateReadOnly(CGXGridCore* pGrid) = 0;
};

CGXAbstractGridUpdateHintImp* GXCreateUpdateHintImp();
