// The per-grid operation modules: optional behaviour of a grid (printing, sorting, covered, merged and
// floating cells, undo commands, update hints, find and replace, user selection, dragging and
// resizing, clipboard, clearing) kept in stateless objects that the grid core reaches through one
// pointer each. A null pointer means the feature is absent: the core's operation that needs the module
// does nothing and answers 0 (FALSE).
//
// The control factory's InitializeGridComponents runs the core's attach steps right after a grid is
// built. Each attach step makes its module through the creator of GridLibraryState::m_gridModuleCreators
// when the grid has none yet, stores it and hands it to CGXGridCore::AddAutoDeleteObject. The creators
// are null until the grid operations provide their modules, so until then every pointer stays null.
// The spanned-cell drawing, content-size and row-moving modules are attached by other modules' steps,
// not by the factory.
//
// Each class lists the operations the engine reaches, now or from its row, column, mouse and key
// handling, in the order the grid operations define them (the grid operations add the others). Every
// operation but the command creators takes the grid first. The core reaches most of them through a
// virtual operation of its own of the same name (GXCore.h), so that a derived grid can change one
// without touching the module; the arguments pass through unchanged.
//
// Command types (nCommandType) of undoable operations: 0 a normal operation (records an undo command),
// 1 a rollback (records nothing), 2 undo, 3 redo. Commands and formula undo information are the grid
// operations' objects; the engine carries them as CObject pointers.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

class CArchive;
class CCmdUI;
class CDC;
class CFile;
class CPrintInfo;
class CGXCellRange;
class CGXControl;
class CGXGridCore;
class CGXPluginComponent;
class CGXProperties;
class CGXRangeList;
class CGXSortInfoArray;
class CGXStyle;
class CGXStylesMap;
class CGXStylePtrArray;
struct CellPaintMatrix;

// Printing a grid's pages.
class CGXAbstractGridPrintImp : public CObject {
public:
    // Printing starts, a page is printed, printing ends.
    virtual void OnGridBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnGridPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnGridEndPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo) = 0;
};

// Sorting rows by key columns and columns by key rows. A sort decides the new order; the data object
// reorders its cells (the rows' operations, then their column twins).
class CGXAbstractGridSortImp : public CObject {
public:
    // Orders the records of rows (one per row to sort) in place by keys.
    virtual void QuickSortKeys(CGXGridCore* pGrid, CGXSortInfoArray& keys, CPtrArray& rows) = 0;
    // Sorts the rows of range by keys. TRUE when sorted.
    virtual BOOL SortRows(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags) = 0;
    // Moves the rows of range into the order awOrder gives (entry i: the old index of the row that goes
    // to position i), recording an undo command. TRUE when moved.
    virtual BOOL MoveDataRows(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags,
                              int nCommandType) = 0;
    // The data step of MoveDataRows. TRUE when the data object moved the rows.
    virtual BOOL StoreMoveDataRows(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder) = 0;
    // The screen step of MoveDataRows.
    virtual void UpdateMoveDataRows(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint) = 0;
    // The key texts of row nRow, one per key.
    virtual void GetSortKeysRow(CGXGridCore* pGrid, ROWCOL nRow, CGXSortInfoArray& keys, CStringArray& texts) = 0;
    virtual BOOL SortCols(CGXGridCore* pGrid, CGXCellRange range, CGXSortInfoArray& keys, UINT nFlags) = 0;
    virtual BOOL MoveDataCols(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder, UINT nFlags,
                              int nCommandType) = 0;
    virtual BOOL StoreMoveDataCols(CGXGridCore* pGrid, const CGXCellRange& range, CDWordArray& awOrder) = 0;
    virtual void UpdateMoveDataCols(CGXGridCore* pGrid, const CGXCellRange& range, UINT nFlags, BOOL bCreateHint) = 0;
    virtual void GetSortKeysCol(CGXGridCore* pGrid, ROWCOL nCol, CGXSortInfoArray& keys, CStringArray& texts) = 0;
    // A double click on a header cell that is not the current cell: TRUE when it sorted.
    virtual BOOL OnClickedHeaderSort(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) = 0;
};

// The grid's older way of painting a paint matrix.
class CGXAbstractGridOldDrawingImp : public CObject {
public:
    // Draws the whole matrix itself. TRUE when it did (the core then draws nothing of it).
    virtual BOOL DrawMatrixCells(CGXGridCore* pGrid, CDC* pDC, CellPaintMatrix& matrix) = 0;
    // Draws the backgrounds of a matrix in the older style.
    virtual void DrawMatrixBackground(CGXGridCore* pGrid, CellPaintMatrix& matrix) = 0;
};

// Covered cells: a block of cells shown as one.
class CGXAbstractGridCoveredCellsImp : public CObject {
public:
    // Covers (nTop, nLeft)..(nBottom, nRight) (the one cell: removes the covering anchored there), undoable.
    virtual BOOL SetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                       UINT nFlags, int nCommandType) = 0;
    // The covered range that holds (nRow, nCol) in range. TRUE when the cell is covered.
    virtual BOOL GetCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) = 0;
    // The storing step (bSet FALSE: uncovers). TRUE when stored.
    virtual BOOL StoreCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                         BOOL bSet) = 0;
    // The screen step.
    virtual void UpdateCoveredCellsRowCol(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                          ROWCOL nRight, UINT nFlags, BOOL bCreateHint) = 0;
    // The union of the covered ranges inside range (an invalid range when there is none).
    virtual CGXCellRange GetCoveredCellsInRange(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    // Adjust the covered ranges before rows (columns) nFrom..nTo are removed, inside an undo transaction
    // for command type 0. TRUE when done.
    virtual BOOL OnRemoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, int nCommandType) = 0;
    virtual BOOL OnRemoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, UINT& nFlags, int nCommandType) = 0;
};

// Spanned cells (covered, merged, floated) prepared and drawn as one cell inside a paint matrix.
class CGXAbstractDrawSpannedCellsImp : public CObject {
public:
    // Takes the cell at matrix row nRowIndex, column nColIndex when it lies in a span: marks the span's
    // cells. TRUE when taken.
    virtual BOOL PrepareSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& matrix, int nRowIndex, int nColIndex) = 0;
    // Draws the cell when it belongs to a span. TRUE when handled.
    virtual BOOL DrawSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& matrix, int nRowIndex, int nColIndex) = 0;
    // Evaluates the merged and floated spans of range inside the visible areas. TRUE when a span changed.
    virtual BOOL EvalVisibleSpans(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nFrozenRows,
                                  ROWCOL nFrozenCols, ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow, ROWCOL nLastCol,
                                  BOOL bAlreadyLocked, CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
};

// Floating cells: a text spilling into the empty cells beside it.
class CGXAbstractGridFloatCellsImp : public CObject {
public:
    // Records range for a new evaluation; nMaxCol (-1: none) limits the recorded ranges.
    virtual void DelayFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nMaxCol) = 0;
    // Evaluates the floating of range; pChanged (may be null) receives the union of the spans that
    // changed. TRUE when any changed.
    virtual BOOL EvalFloatCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
    // The floated span that holds (nRow, nCol) in range. TRUE when there is one.
    virtual BOOL GetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range) = 0;
    // Whether the cell may spill (bFloat) or be spilled over.
    virtual BOOL CanFloatCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, BOOL bFloat) = 0;
    // Stores one span.
    virtual BOOL SetFloatedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                       UINT nFlags) = 0;
    // Redraws a span.
    virtual void RedrawFloatedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                    UINT nFlags, BOOL bCreateHint) = 0;
    // Widens range so that it cuts no floated span.
    virtual void ExpandFloatedRange(CGXGridCore* pGrid, CGXCellRange& range) = 0;
};

// Merged cells: neighbours of equal value shown as one.
class CGXAbstractGridMergeCellsImp : public CObject {
public:
    // Records range for a new evaluation; nMaxRow and nMaxCol (-1: none) limit the recorded ranges.
    virtual void DelayMergeCells(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL nMaxRow, ROWCOL nMaxCol) = 0;
    // As CGXAbstractGridFloatCellsImp::EvalFloatCells.
    virtual BOOL EvalMergeCells(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bAlreadyLocked,
                                CGXCellRange* pChanged, BOOL bUseGridStyles) = 0;
    // The merged span that holds (nRow, nCol) in range; nDirection 0 horizontal, 1 vertical, -1 either.
    // TRUE when there is one.
    virtual BOOL GetMergedCellsRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& range,
                                      int nDirection) = 0;
    // Whether the cell may be merged in nDirection.
    virtual BOOL CanMergeCell(CGXGridCore* pGrid, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, int nDirection) = 0;
    // Whether two cells' values merge.
    virtual BOOL CanMergeStyles(CGXGridCore* pGrid, const CGXStyle& style1, const CGXStyle& style2) = 0;
    // Stores one span.
    virtual BOOL SetMergedCellsRowCol(CGXGridCore* pGrid, int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow,
                                      ROWCOL nToCol, UINT nFlags) = 0;
    // Redraws a span.
    virtual void RedrawMergedCells(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                   UINT nFlags, BOOL bCreateHint) = 0;
    // Widens range so that it cuts no merged span.
    virtual void ExpandMergedRange(CGXGridCore* pGrid, CGXCellRange& range) = 0;
};

// Undo and redo: makes the command objects, keeps them on the parameter object's lists, runs them.
class CGXAbstractCommandFactory : public CObject {
public:
    // The creators of the commands that undo a change (each returns a new command; the saved arrays
    // and objects it is given become the command's).
    // Row heights nFrom..nTo had the sizes anOldSizes (new int[], one per row).
    virtual CObject* CreateSetRowHeightCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldSizes, int nCommandType) = 0;
    // The default row height was nOldSize.
    virtual CObject* CreateSetDefaultRowHeightCmd(int nOldSize, int nCommandType) = 0;
    virtual CObject* CreateSetColWidthCmd(ROWCOL nFrom, ROWCOL nTo, int* anOldSizes, int nCommandType) = 0;
    virtual CObject* CreateSetDefaultColWidthCmd(int nOldSize, int nCommandType) = 0;
    // Moves rows (columns) nFrom..nTo back to nDest.
    virtual CObject* CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, int nCommandType) = 0;
    virtual CObject* CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, int nCommandType) = 0;
    // Removes the inserted rows (columns) nFrom..nTo.
    virtual CObject* CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, int nCommandType) = 0;
    virtual CObject* CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo, int nCommandType) = 0;
    // Inserts nCount rows at nRow again with their heights, base styles and cell styles (nColCount
    // columns each, from column 0); the arrays (each may be null) become the command's. The column
    // twin: widths, column base styles, cell styles of nRowCount rows each.
    virtual CObject* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pBaseStyles,
                                         CObArray* pCellStyles, ROWCOL nColCount, int nCommandType) = 0;
    virtual CObject* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pBaseStyles,
                                         CObArray* pCellStyles, ROWCOL nRowCount, int nCommandType) = 0;
    // Gives range its old covering back.
    virtual CObject* CreateSetCoveredCellsCmd(const CGXCellRange& range, const CGXCellRange& oldCovered) = 0;
    // Gives the cells (nKind 0) or base styles (-1) of range their saved styles (one per cell, rows outer;
    // null where nothing was stored).
    virtual CObject* CreateSetStyleRangeCmd(const CGXCellRange& range, int nKind, CObArray* pOldStyles) = 0;
    // Gives the frozen and header rows (columns) their old counts.
    virtual CObject* CreateSetFrozenRowsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) = 0;
    virtual CObject* CreateSetFrozenColsCmd(ROWCOL nOldFrozen, ROWCOL nOldHeader) = 0;
    // Puts the old styles map, properties or base style (nId, saved with its name) back.
    virtual CObject* CreateChangeStylesMapCmd(CGXStylesMap* pOldStylesMap) = 0;
    virtual CObject* CreateChangePropertiesCmd(CGXProperties* pOldProperties) = 0;
    virtual CObject* CreateChangeBaseStyleCmd(WORD nId, CGXStyle* pOldStyle, const char* pszName) = 0;
    // Passes bGenerate to the formula engine's undo option. Returns the previous option.
    virtual BOOL SetEngineUndoOption(CGXGridCore* pGrid, BOOL bGenerate) = 0;
    // Returns and forgets the pending formula undo information (null when none).
    virtual CObject* DetachFormulaUndoInfo(CGXGridCore* pGrid) = 0;
    // Applies formula undo information (nPhase 1 or 2). TRUE when applied.
    virtual BOOL ApplyFormulaUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bUndo, int nPhase) = 0;
    // Discards the pending formula undo information.
    virtual void DiscardFormulaUndoInfo(CGXGridCore* pGrid) = 0;
    // Runs a command (read-only guard off). TRUE when it succeeded.
    virtual BOOL ExecuteCommand(CGXGridCore* pGrid, CObject* pCommand, int nCommandType) = 0;
    // Records pCommand (owned from now on) on the undo or redo list as nCommandType says.
    virtual void AddCommand(CGXGridCore* pGrid, CObject* pCommand, int nCommandType) = 0;
    // Deletes the newest command of the list nCommandType addresses.
    virtual void RemoveLastCommand(CGXGridCore* pGrid, int nCommandType) = 0;
    virtual BOOL Undo(CGXGridCore* pGrid) = 0;
    virtual BOOL Redo(CGXGridCore* pGrid) = 0;
    // Opens (named pszName), commits and rolls back a transaction.
    virtual void BeginTrans(CGXGridCore* pGrid, const char* pszName) = 0;
    virtual void CommitTrans(CGXGridCore* pGrid) = 0;
    virtual void Rollback(CGXGridCore* pGrid) = 0;
    // After an undo or redo: moves the current cell to (nRow, nCol) (nFlags nonzero) or scrolls it into view.
    virtual void MoveCurrentCellAfterUndo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags) = 0;
    // The texts and enabled states of the Undo and Redo commands. Return the enabled state.
    virtual BOOL GetUndoMenuText(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    virtual BOOL GetRedoMenuText(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    // Saves the styles of rows or columns about to be removed (range's kind says which). FALSE when the
    // user refused the undo-size question.
    virtual BOOL SaveRangeStylesForUndo(CGXGridCore* pGrid, const CGXCellRange& range, ROWCOL& nRowCount,
                                        ROWCOL& nColCount, CObArray*& pBaseStyles, CObArray*& pCellStyles,
                                        BOOL bLongOperation) = 0;
};

// Measures the preferred size of a cell's content.
class CGXAbstractCalcSizeImp : public CObject {
public:
    virtual CSize CalcSize(CGXGridCore* pGrid, CDC* pDC, CGXControl* pControl, ROWCOL nRow, ROWCOL nCol,
                           const CGXStyle& style, const CGXStyle* pStandardStyle, BOOL bHeightOnly) = 0;
};

// Tells the other views of a document what a grid changed. The first operation receives a hint; each
// other builds one and hands it to the document's views.
class CGXAbstractGridUpdateHintImp : public CObject {
public:
    // Replays a received hint on pGrid. Returns the replayed operation's answer.
    virtual BOOL OnGridUpdate(CGXGridCore* pGrid, CObject* pHint) = 0;
    // Cells redrawn, the whole grid redrawn, formulas recalculated (with the engine's message).
    virtual void RedrawRowCol(CGXGridCore* pGrid, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                              UINT nFlags) = 0;
    virtual void Redraw(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual void RecalcAndShowErrors(CGXGridCore* pGrid, const char* pszText) = 0;
    // A style range, the properties, the styles map or a base style changed.
    virtual void OnChangedStyleRange(CGXGridCore* pGrid, const CGXCellRange& range, const CGXStyle* pStyle, int nMode,
                                     int nKind, UINT nFlags) = 0;
    virtual void OnChangedProperties(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual void OnChangedStylesMap(CGXGridCore* pGrid, UINT nFlags) = 0;
    virtual void OnChangedBaseStyle(CGXGridCore* pGrid, WORD nId, UINT nFlags) = 0;
    // Row heights or column widths nFirst..nLast changed from anOldSizes.
    virtual void OnRowHeightChanged(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes,
                                    UINT nFlags) = 0;
    virtual void OnColWidthChanged(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, const int* anOldSizes,
                                   UINT nFlags) = 0;
    // The row (column) count changed from nFirst on.
    virtual void UpdateChangedRowCount(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags) = 0;
    virtual void UpdateChangedColCount(CGXGridCore* pGrid, ROWCOL nFirst, UINT nFlags) = 0;
    // Rows (columns) were inserted, removed (with their old sizes) or moved.
    virtual void UpdateInsertRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual void UpdateInsertCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual void UpdateRemoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                  UINT nFlags) = 0;
    virtual void UpdateRemoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                  UINT nFlags) = 0;
    virtual void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags) = 0;
    virtual void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags) = 0;
    // The frozen and header rows (columns) changed from the old counts.
    virtual void UpdateFrozenRows(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags) = 0;
    virtual void UpdateFrozenCols(CGXGridCore* pGrid, ROWCOL nOldFrozen, ROWCOL nOldHeaders, UINT nFlags) = 0;
    // The top row (left column) became nRow (nCol); the grid scrolled by nCount in nDirection.
    virtual void SetTopRow(CGXGridCore* pGrid, ROWCOL nRow, UINT nFlags) = 0;
    virtual void SetLeftCol(CGXGridCore* pGrid, ROWCOL nCol, UINT nFlags) = 0;
    virtual void OnScrollBySteps(CGXGridCore* pGrid, int nDirection, ROWCOL nCount) = 0;
    // The current cell moved; its edit was stored (bSave) or discarded. TransferCurrentCell answers
    // FALSE when another view could not store.
    virtual void SetCurrentCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags) = 0;
    virtual BOOL TransferCurrentCell(CGXGridCore* pGrid, BOOL bSave, UINT nFlags) = 0;
    // The parameter object's title changed.
    virtual void OnGridRenamed(CGXGridCore* pGrid) = 0;
};

// Resizing rows and columns to the size of their contents.
class CGXAbstractGridResizeToFitImp : public CObject {
public:
    // TRUE when done, FALSE when aborted.
    virtual BOOL ResizeColWidthsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags) = 0;
    virtual BOOL ResizeRowHeightsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags) = 0;
};

// Hidden rows and columns.
class CGXAbstractGridHideCellsImp : public CObject {
public:
    // The hidden marks follow rows (columns) removed, inserted (nCount at nFirst) and moved (nFrom..nTo
    // so that nFrom ends at nDest).
    virtual void RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual void InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) = 0;
    virtual void MoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual void MoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    // Hides (bHide) or shows rows nFrom..nTo (each its entry of pHide when given), undoable. TRUE when
    // something changed.
    virtual BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const CByteArray* pHide,
                          UINT nFlags, int nCommandType) = 0;
    virtual BOOL IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow) = 0;
    // The storing step, without undo or redraw. TRUE.
    virtual BOOL StoreHideRow(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) = 0;
    virtual BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const CByteArray* pHide,
                          UINT nFlags, int nCommandType) = 0;
    virtual BOOL IsColHidden(CGXGridCore* pGrid, ROWCOL nCol) = 0;
    virtual BOOL StoreHideCol(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) = 0;
};

// Finding and replacing cell texts through the shared find and replace dialog (GXFindReplace.h).
class CGXAbstractGridFindReplaceImp : public CObject {
public:
    // Opens the find (bFind) or the replace dialog for the grid.
    virtual void OnShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFind) = 0;
    // Finds the next occurrence of the find text (bNext: onwards). TRUE when found.
    virtual BOOL FindNextText(CGXGridCore* pGrid, BOOL bNext) = 0;
    // The dialog's notification (the registered "commdlg_FindReplace" message).
    virtual void OnFindReplace(CGXGridCore* pGrid, FINDREPLACEA* pFindReplace) = 0;
};

// The user's selection of cells, rows and columns with the mouse and the keys.
class CGXAbstractGridUserSelectRangeImp : public CObject {
public:
    // A key move of the current cell (gxUp .. gxLastCell, nCount times), extending the selection while
    // Shift is held. TRUE when the current cell moved.
    virtual BOOL MoveCurrentCellSelecting(CGXGridCore* pGrid, int nDirection, UINT nCount) = 0;
    // A selection starts at a left press on (nRow, nCol), follows the mouse while the button is held
    // (TRUE when it did; nRow and nCol may be changed) and ends at the release.
    virtual void StartSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                                ROWCOL& nCol) = 0;
    virtual BOOL TrackSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, ROWCOL& nRow, ROWCOL& nCol) = 0;
    virtual void EndSelection(CGXGridCore* pGrid, CPoint& point, UINT& nFlags) = 0;
    // Adds range to (bSelect) or takes it out of the selection, redrawing what changed with bUpdate.
    virtual void SelectRange(CGXGridCore* pGrid, const CGXCellRange& range, BOOL bSelect, BOOL bUpdate) = 0;
    // Sets the range at pos of the selection to the corners; pos null empties the selection.
    virtual void SetRangeAtPosition(CGXGridCore* pGrid, POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                    ROWCOL nRight) = 0;
    // A click released on (nRow, nCol), a cell other than the current one. TRUE when taken.
    virtual BOOL ToggleHeaderSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags, int x, int y) = 0;
};

// The Excel-like frame around the selected range.
class CGXAbstractGridExcelLikeFrameImp : public CObject {
public:
    // Erases (bErase) or draws the frame of the ranges of pList (null: the selection).
    virtual void UpdateFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bErase, const CGXRangeList* pList) = 0;
    // Hides (bHide) or shows the frame. Returns whether it was hidden before.
    virtual BOOL HideFrame(CGXGridCore* pGrid, BOOL bHide, BOOL bFlag) = 0;
};

// Filling cells by dragging the fill handle of the selection.
class CGXAbstractGridExcelLikeFillImp : public CObject {
public:
    // Starts at a left press on the fill handle of (nRow, nCol).
    virtual void StartFill(CGXGridCore* pGrid, UINT nFlags, CPoint point, int nHit, ROWCOL& nRow, ROWCOL& nCol) = 0;
    // May take a move with the button held (TRUE when taken).
    virtual BOOL TrackFill(CGXGridCore* pGrid, CPoint point, int nSpare, ROWCOL& nRow, ROWCOL& nCol) = 0;
    // Ends at the release.
    virtual void EndFill(CGXGridCore* pGrid) = 0;
    // Takes the fill frame off the screen (before the window scrolls).
    virtual void HideFillFrame(CGXGridCore* pGrid) = 0;
};

// Dragging the selected rows or columns to another place.
class CGXAbstractGridUserDragSelectRangeImp : public CObject {
public:
    // May take a left press (before the selection does; TRUE when a drag begins), the moves while
    // dragging and the release (TRUE while dragging).
    virtual BOOL OnDragButtonDown(CGXGridCore* pGrid, CPoint& point, UINT& nFlags, int& nHit, ROWCOL& nRow,
                                  ROWCOL& nCol) = 0;
    virtual BOOL OnDragMouseMove(CGXGridCore* pGrid, CPoint point) = 0;
    virtual BOOL OnDragButtonUp(CGXGridCore* pGrid, CPoint point) = 0;
    // Starts dragging the selected range that holds (nRow, nCol). TRUE when started.
    virtual BOOL StartSelDrag(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    // Shows the drag at a target cell; drops there (TRUE when moved).
    virtual void DragSelectionTo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    virtual BOOL DropSelection(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
    // Removes the drag feedback and releases the mouse.
    virtual void EndSelDrag(CGXGridCore* pGrid) = 0;
};

// Storing and updating moves of rows and columns.
class CGXAbstractGridMoveRowsColsImp : public CObject {
public:
    // The data step: rows nFrom..nTo so that nFrom ends at nDest. TRUE when moved (or bProcessed).
    virtual BOOL StoreMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) = 0;
    // The screen step.
    virtual void UpdateMoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                BOOL bCreateHint) = 0;
    virtual BOOL StoreMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, BOOL bProcessed) = 0;
    virtual void UpdateMoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                                BOOL bCreateHint) = 0;
    // The whole undoable move. TRUE when moved.
    virtual BOOL MoveRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                          int nCommandType) = 0;
    virtual BOOL MoveCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags,
                          int nCommandType) = 0;
};

// Resizing rows and columns by dragging their boundaries.
class CGXAbstractGridUserResizeCellsImp : public CObject {
public:
    // May take a move without a button (TRUE while tracking), a press or a double click on a boundary
    // (hit code nHit; TRUE when handled), the release (TRUE while tracking).
    virtual BOOL OnResizeMouseMove(CGXGridCore* pGrid, CPoint point) = 0;
    virtual BOOL OnResizeButtonDown(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHit, ROWCOL nRow,
                                    ROWCOL nCol) = 0;
    virtual BOOL OnResizeButtonUp(CGXGridCore* pGrid, CPoint point) = 0;
    virtual BOOL OnResizeDoubleClick(CGXGridCore* pGrid, CPoint point, UINT nFlags, int nHit, ROWCOL nRow,
                                     ROWCOL nCol) = 0;
    // Cancels a resize in progress.
    virtual void CancelResizeTracking(CGXGridCore* pGrid) = 0;
};

// Redrawing only what moved after rows or columns were inserted, removed or resized.
class CGXAbstractGridOptimizedUpdateImp : public CObject {
public:
    // Rows (columns) were inserted at nFirst, or nFrom..nTo removed (anOldSizes their sizes, may be
    // null).
    virtual void UpdateRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual void UpdateColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags) = 0;
    virtual void UpdateRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                   UINT nFlags) = 0;
    virtual void UpdateColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                   UINT nFlags) = 0;
    // Row heights (column widths) nFrom..nTo changed from anOldSizes.
    virtual void UpdateRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                         UINT nFlags) = 0;
    virtual void UpdateColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes,
                                        UINT nFlags) = 0;
};

// Marking the headers of the edited cell.
class CGXAbstractGridMarkEditHeaderImp : public CObject {
public:
    // Redraws the header marks of (nRow, nCol): nWhich 0 both, 1 the column header, 2 the row header.
    virtual void RedrawHeaderMarks(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich, UINT nFlags) = 0;
};

// The freeze commands.
class CGXAbstractGridFreezeMenuHelperImp : public CObject {
public:
    virtual BOOL CanFreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual void FreezeCols(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeCols(CGXGridCore* pGrid) = 0;
    virtual BOOL CanFreezeRows(CGXGridCore* pGrid) = 0;
    virtual BOOL CanUnfreezeRows(CGXGridCore* pGrid) = 0;
    virtual void FreezeRows(CGXGridCore* pGrid) = 0;
    virtual void UnfreezeRows(CGXGridCore* pGrid) = 0;
};

// Copying and moving blocks of cells inside a grid.
class CGXAbstractGridDirectCopyMoveCellsImp : public CObject {
public:
    // Copies the cells of range to the block at (nDestRow, nDestCol). TRUE when copied.
    virtual BOOL CopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                           UINT nFlags) = 0;
    // The data step of CopyCells.
    virtual BOOL StoreCopyCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol) = 0;
    // Moves them, with the formula engine's undo information in rpUndoInfo.
    virtual BOOL MoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                           CObject*& rpUndoInfo, UINT nFlags, int nCommandType) = 0;
    virtual BOOL StoreMoveCells(CGXGridCore* pGrid, CGXCellRange range, ROWCOL nDestRow, ROWCOL nDestCol,
                                CObject*& rpUndoInfo, BOOL bCreateUndoInfo, int nCommandType) = 0;
};

// Cells as text: to a file, from a buffer.
class CGXAbstractGridTextDataExchangeImp : public CObject {
public:
    virtual BOOL CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& selList) = 0;
    // The text of a cell as it is copied.
    virtual void GetCopyTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CString& strText) = 0;
    // Pastes nSize bytes of text at range.
    virtual BOOL PasteTextFromBuffer(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize,
                                     const CGXCellRange& range) = 0;
    // Stores a pasted text in a cell.
    virtual BOOL PasteTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags,
                                 const CGXStyle* pStyle) = 0;
    // The rows and columns a text of nSize bytes fills.
    virtual BOOL CalcBufferDimension(CGXGridCore* pGrid, const char* pszBuffer, DWORD nSize, ROWCOL& nRows,
                                     ROWCOL& nCols) = 0;
};

// Cells as styles in an archive (the private clipboard format).
class CGXAbstractGridStyleDataExchangeImp : public CObject {
public:
    virtual BOOL CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& selList, BOOL bFull) = 0;
    // The style of a cell as it is copied.
    virtual BOOL GetClipboardStyleRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style,
                                         BOOL bFull) = 0;
    virtual BOOL PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar, const CGXCellRange& range,
                                       BOOL bNoSizeCheck) = 0;
};

// Cut, copy and paste of cells. Each answers TRUE when it did (or may do) its work.
class CGXAbstractGridCutPasteImp : public CObject {
public:
    virtual BOOL CanCopy(CGXGridCore* pGrid) = 0;
    virtual BOOL Copy(CGXGridCore* pGrid) = 0;
    // Copies the cells of the ranges to the clipboard.
    virtual BOOL CopyRange(CGXGridCore* pGrid, const CGXRangeList& selList) = 0;
    virtual BOOL CopyTextToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList) = 0;
    virtual BOOL CopyCellsToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bFull) = 0;
    virtual BOOL CanCut(CGXGridCore* pGrid) = 0;
    virtual BOOL Cut(CGXGridCore* pGrid) = 0;
    virtual BOOL CutRange(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles) = 0;
    virtual BOOL CanPaste(CGXGridCore* pGrid) = 0;
    // The clipboard holds CF_TEXT, CF_OEMTEXT or the grid's own format.
    virtual BOOL IsPasteFormatAvailable(CGXGridCore* pGrid) = 0;
    virtual BOOL Paste(CGXGridCore* pGrid) = 0;
    virtual BOOL PasteCellsFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    virtual BOOL PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range) = 0;
    // Asks the library's question with OK and Cancel: TRUE for OK.
    virtual BOOL AskContinue(CGXGridCore* pGrid) = 0;
};

// Clearing cells.
class CGXAbstractGridClearCellsImp : public CObject {
public:
    virtual BOOL CanClear(CGXGridCore* pGrid) = 0;
    // Clears the selection (bStyleOnly as the module reads it).
    virtual BOOL Clear(CGXGridCore* pGrid, BOOL bStyleOnly) = 0;
    // Clears the cells of the ranges. TRUE when anything changed.
    virtual BOOL ClearCells(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyleOnly) = 0;
};

// Named ranges of the formula engine (never attached in this program).
class CGXAbstractGridRangeNameImp : public CObject {
public:
    virtual BOOL SetRangeName(CGXGridCore* pGrid, const char* pszName, const CGXCellRange& range, CObject* pUndoInfo,
                              UINT nFlags, int nCommandType) = 0;
    virtual BOOL GetRangeName(CGXGridCore* pGrid, const char* pszName, CGXCellRange& range) = 0;
    virtual BOOL DeleteRangeName(CGXGridCore* pGrid, const char* pszName, UINT nFlags, int nCommandType) = 0;
};

// A further optional module (never attached in this program): told when a paint starts and when the
// user clicks into the selected text of an editing cell.
class CGXAbstractGridOptionalImp : public CObject {
public:
    virtual void OnGridDrawStart(CGXGridCore* pGrid, DWORD dw1, DWORD dw2, DWORD dw3, DWORD dw4) = 0;
    virtual void OnEditSelectionClick(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) = 0;
};

// The creators of the per-grid modules, one per attach step (null: the step makes nothing). The
// auto-scroll plug-in is made for its grid.
struct GXGridModuleCreators {
    CGXAbstractGridFindReplaceImp* (*pfnFindReplace)() = nullptr;
    CGXAbstractGridHideCellsImp* (*pfnHideCells)() = nullptr;
    CGXPluginComponent* (*pfnAutoScrollPlugin)(CGXGridCore* pGrid) = nullptr;
    CGXAbstractGridResizeToFitImp* (*pfnResizeToFit)() = nullptr;
    CGXAbstractGridUpdateHintImp* (*pfnUpdateHint)() = nullptr;
    CGXAbstractCommandFactory* (*pfnCommandFactory)() = nullptr;
    CGXAbstractGridSortImp* (*pfnSort)() = nullptr;
    CGXAbstractGridOldDrawingImp* (*pfnOldDrawing)() = nullptr;
    CGXAbstractGridCoveredCellsImp* (*pfnCoveredCells)() = nullptr;
    CGXAbstractGridMergeCellsImp* (*pfnMergeCells)() = nullptr;
    CGXAbstractGridFloatCellsImp* (*pfnFloatCells)() = nullptr;
    CGXAbstractGridPrintImp* (*pfnPrint)() = nullptr;
    CGXAbstractGridUserSelectRangeImp* (*pfnUserSelectRange)() = nullptr;
    CGXAbstractGridExcelLikeFrameImp* (*pfnExcelLikeFrame)() = nullptr;
    CGXAbstractGridUserDragSelectRangeImp* (*pfnUserDragSelectRange)() = nullptr;
    CGXAbstractGridUserResizeCellsImp* (*pfnUserResizeCells)() = nullptr;
    CGXAbstractGridOptimizedUpdateImp* (*pfnOptimizedUpdate)() = nullptr;
    CGXAbstractGridMarkEditHeaderImp* (*pfnMarkEditHeader)() = nullptr;
    CGXAbstractGridFreezeMenuHelperImp* (*pfnFreezeMenuHelper)() = nullptr;
    CGXAbstractGridDirectCopyMoveCellsImp* (*pfnDirectCopyMoveCells)() = nullptr;
    CGXAbstractGridTextDataExchangeImp* (*pfnTextDataExchange)() = nullptr;
    CGXAbstractGridStyleDataExchangeImp* (*pfnStyleDataExchange)() = nullptr;
    CGXAbstractGridCutPasteImp* (*pfnCutPaste)() = nullptr;
    CGXAbstractGridClearCellsImp* (*pfnClearCells)() = nullptr;
    CGXAbstractGridExcelLikeFillImp* (*pfnExcelLikeFill)() = nullptr;
};
