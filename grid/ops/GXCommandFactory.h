// The command factory: the grid's undo and redo module. It makes the undo commands (GXCommand.h),
// keeps them on the parameter object's undo and redo lists, groups them into transactions, runs undo
// and redo, builds the Edit menu's Undo and Redo texts and saves the styles of rows and columns about
// to be removed. A grid reaches it through CGXGridCore::m_pCommandFactory; without one every undo
// operation of the grid does nothing and the Undo and Redo items are disabled.
//
// Does not do yet: the module (CGXCommandFactory) comes with its own work; its creator
// (GXCreateCommandFactory) plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "grid/ops/GXCommand.h"

class CCmdUI;
class CGXGridCore;
class CGXProperties;
class CGXStyle;
class CGXStylesMap;

class CGXAbstractCommandFactory : public CObject {
public:
    // ---- the creators, one per command class: each takes what its command saves, in the command's
    // order, and returns the new command; the arrays, maps and undo information it is given become the
    // command's; a styles map, properties or style given by reference are copied.
    virtual CGXCommand* CreateBlockCmd(const char* pszName) = 0;
    // anHeights: the rows' heights before the change (new int[], one per row).
    virtual CGXCommand* CreateSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anHeights) = 0;
    // anHidden: the rows' hidden flags before the change (new int[], one per row).
    virtual CGXCommand* CreateHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, int* anHidden) = 0;
    virtual CGXCommand* CreateSetDefaultRowHeightCmd(int nHeight) = 0;
    virtual CGXCommand* CreateSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anWidths) = 0;
    virtual CGXCommand* CreateHideColsCmd(ROWCOL nFirst, ROWCOL nLast, int* anHidden) = 0;
    virtual CGXCommand* CreateSetDefaultColWidthCmd(int nWidth) = 0;
    // Moves rows (columns) nFrom..nTo to nDest.
    virtual CGXCommand* CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual CGXCommand* CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    // Removes rows (columns) nFrom..nTo.
    virtual CGXCommand* CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual CGXCommand* CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) = 0;
    // Inserts nCount rows at nRow with their heights, cell styles (nColCount per row, rows outer) and
    // row base styles (each may be null); the column twin likewise.
    virtual CGXCommand* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellStyles,
                                            CObArray* pRowStyles, ROWCOL nColCount) = 0;
    virtual CGXCommand* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellStyles,
                                            CObArray* pColStyles, ROWCOL nRowCount) = 0;
    virtual CGXCommand* CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) = 0;
    // Gives the cells (nKind 0) or base styles (-1) of range the saved styles (rows outer).
    virtual CGXCommand* CreateSetStyleRangeCmd(const CGXCellRange& range, int nKind, CObArray* pStyles) = 0;
    virtual CGXCommand* CreateSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeaders) = 0;
    virtual CGXCommand* CreateSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeaders) = 0;
    // Puts the rows (columns) of a sorted range back through the move map.
    virtual CGXCommand* CreateMoveDataRowsCmd(const CGXCellRange& range, CDWordArray* pMoveMap) = 0;
    virtual CGXCommand* CreateMoveDataColsCmd(const CGXCellRange& range, CDWordArray* pMoveMap) = 0;
    virtual CGXCommand* CreateChangeStylesMapCmd(const CGXStylesMap& stylesMap) = 0;
    virtual CGXCommand* CreateChangePropertiesCmd(const CGXProperties& properties) = 0;
    virtual CGXCommand* CreateChangeBaseStyleCmd(WORD nId, const CGXStyle& style, const char* pszName) = 0;
    // Moves the block at (nDestRow, nDestCol) back to range; pUndoInfo: what the data move overwrote.
    virtual CGXCommand* CreateMoveCellsCmd(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                           CObject* pUndoInfo) = 0;
    virtual CGXCommand* CreateSetRangeNameCmd(const char* pszName, BOOL bHadOldRange, const CGXCellRange& oldRange) = 0;
    virtual CGXCommand* CreateDeleteRangeNameCmd(const char* pszName, const CGXCellRange& range,
                                                 CObject* pUndoInfo) = 0;

    // ---- the formula engine's undo information, through the grid's data object (0 without one)
    // The engine's undo mode becomes bValue. Returns the previous mode.
    virtual BOOL SetEngineUndoMode(CGXGridCore* pGrid, BOOL bValue) = 0;
    // Takes the pending undo information from the data object (null when none).
    virtual CObject* DetachEngineUndoInfo(CGXGridCore* pGrid) = 0;
    // Hands pInfo back to the data object. TRUE when applied.
    virtual BOOL ApplyEngineUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bValue, int nFlag) = 0;
    // Detaches the pending undo information and deletes it.
    virtual void DeleteEngineUndoInfo(CGXGridCore* pGrid) = 0;

    // ---- the lists
    // Runs pCommand on pGrid (the read-only guard off meanwhile). Returns the command's answer.
    virtual BOOL ExecuteCommand(CGXCommand* pCommand, CGXGridCore* pGrid, int nCommandType) = 0;
    // Records pCommand (owned from now on) on the list nCommandType addresses.
    virtual void AddCommand(CGXGridCore* pGrid, CGXCommand* pCommand, int nCommandType) = 0;
    // Deletes the newest command of that list.
    virtual void RemoveCommand(CGXGridCore* pGrid, int nCommandType) = 0;
    virtual BOOL Undo(CGXGridCore* pGrid) = 0;
    virtual BOOL Redo(CGXGridCore* pGrid) = 0;
    // Opens (named pszName), commits and rolls back a transaction; transactions nest by a counter.
    virtual void BeginTrans(CGXGridCore* pGrid, const char* pszName) = 0;
    virtual void CommitTrans(CGXGridCore* pGrid) = 0;
    virtual void Rollback(CGXGridCore* pGrid) = 0;
    // After an undo or redo: moves the current cell to (nRow, nCol) (nFlags nonzero) or scrolls it into
    // view.
    virtual void SetCurrentCellAfterUndo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags) = 0;
    // Set the text and enabled state of the Undo and Redo commands. Return the enabled state.
    virtual BOOL OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    virtual BOOL OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI) = 0;
    // Save the cell styles (nCols per row from column 0, rows outer) and the row base styles of the
    // nRows rows from nFirst before they are removed, as the row undo-contents word asks. FALSE when
    // the user refused the undo-buffer question. The column twin: nCols columns, nRows per column.
    virtual BOOL SaveRowStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nRows, ROWCOL& nCols,
                                      CObArray*& pCellStyles, CObArray*& pRowStyles, BOOL bLongOperation) = 0;
    virtual BOOL SaveColStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCols, ROWCOL& nRows,
                                      CObArray*& pCellStyles, CObArray*& pColStyles, BOOL bLongOperation) = 0;
};

// The module's creator (null until the module exists).
CGXAbstractCommandFactory* GXCreateCommandFactory();
