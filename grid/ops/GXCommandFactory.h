// The command factory: the grid's undo and redo module. It makes the undo commands (GXCommand.h),
// keeps them on the parameter object's undo and redo lists, groups them into transactions, runs undo
// and redo, builds the Edit menu's Undo and Redo texts and saves the styles of rows and columns about
// to be removed. A grid reaches it through CGXGridCore::m_pCommandFactory; without one every undo
// operation of the grid does nothing and the Undo and Redo items are disabled.
//
// The lists live in the grid's parameter object (shared by the views of one grid), newest at the
// head; what the factory keeps per grid (the block being run, a deferred move of the current cell,
// the transaction's name, the menu formats) lives in the grid. The factory itself has no fields.
//
// Recording: a grid operation that changed something makes its reverse command through a creator
// and hands it to AddCommand with its command type: type 0 (a user's change) empties the redo list
// and goes to the undo list, 3 (redo) to the undo list, 1 and 2 (rollback, undo) to the redo list.
// While a transaction is open or a block runs, the command goes into the block at the head of that
// list instead; otherwise a list longer than the parameter's maximum loses its oldest command first.
// Undo and Redo take the head of their list and run it with type 2 or 3; a command that fails goes
// back to the head, so the user can try again.
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
    // the user refused the undo-buffer question. The column twin: the nCols columns from nFirst, the
    // cell styles of rows 0 to nRows - 1, rows outer.
    virtual BOOL SaveRowStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nRows, ROWCOL& nCols,
                                      CObArray*& pCellStyles, CObArray*& pRowStyles, BOOL bLongOperation) = 0;
    virtual BOOL SaveColStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCols, ROWCOL& nRows,
                                      CObArray*& pCellStyles, CObArray*& pColStyles, BOOL bLongOperation) = 0;
};

// The grid's command factory (see the top of this file).
class CGXCommandFactory : public CGXAbstractCommandFactory {
public:
    CGXCommand* CreateBlockCmd(const char* pszName) override;
    CGXCommand* CreateSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anHeights) override;
    CGXCommand* CreateHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, int* anHidden) override;
    CGXCommand* CreateSetDefaultRowHeightCmd(int nHeight) override;
    CGXCommand* CreateSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anWidths) override;
    CGXCommand* CreateHideColsCmd(ROWCOL nFirst, ROWCOL nLast, int* anHidden) override;
    CGXCommand* CreateSetDefaultColWidthCmd(int nWidth) override;
    CGXCommand* CreateMoveRowsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    CGXCommand* CreateMoveColsCmd(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) override;
    CGXCommand* CreateRemoveRowsCmd(ROWCOL nFrom, ROWCOL nTo) override;
    CGXCommand* CreateRemoveColsCmd(ROWCOL nFrom, ROWCOL nTo) override;
    CGXCommand* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellStyles,
                                    CObArray* pRowStyles, ROWCOL nColCount) override;
    CGXCommand* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellStyles,
                                    CObArray* pColStyles, ROWCOL nRowCount) override;
    CGXCommand* CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) override;
    CGXCommand* CreateSetStyleRangeCmd(const CGXCellRange& range, int nKind, CObArray* pStyles) override;
    CGXCommand* CreateSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeaders) override;
    CGXCommand* CreateSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeaders) override;
    CGXCommand* CreateMoveDataRowsCmd(const CGXCellRange& range, CDWordArray* pMoveMap) override;
    CGXCommand* CreateMoveDataColsCmd(const CGXCellRange& range, CDWordArray* pMoveMap) override;
    CGXCommand* CreateChangeStylesMapCmd(const CGXStylesMap& stylesMap) override;
    CGXCommand* CreateChangePropertiesCmd(const CGXProperties& properties) override;
    CGXCommand* CreateChangeBaseStyleCmd(WORD nId, const CGXStyle& style, const char* pszName) override;
    CGXCommand* CreateMoveCellsCmd(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                   CObject* pUndoInfo) override;
    CGXCommand* CreateSetRangeNameCmd(const char* pszName, BOOL bHadOldRange, const CGXCellRange& oldRange) override;
    CGXCommand* CreateDeleteRangeNameCmd(const char* pszName, const CGXCellRange& range, CObject* pUndoInfo) override;

    // 0 (null) without a data object; Apply also without information.
    BOOL SetEngineUndoMode(CGXGridCore* pGrid, BOOL bValue) override;
    CObject* DetachEngineUndoInfo(CGXGridCore* pGrid) override;
    BOOL ApplyEngineUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bValue, int nFlag) override;
    void DeleteEngineUndoInfo(CGXGridCore* pGrid) override;

    // The read-only guard is off while the command runs, so that undo may change read-only cells; the
    // command's engine information is applied first.
    BOOL ExecuteCommand(CGXCommand* pCommand, CGXGridCore* pGrid, int nCommandType) override;
    // Stores the grid's current cell in the command. A library exception (no memory) drops the
    // command silently. Without a parameter object the command is deleted.
    void AddCommand(CGXGridCore* pGrid, CGXCommand* pCommand, int nCommandType) override;
    void RemoveCommand(CGXGridCore* pGrid, int nCommandType) override;
    // With an active current cell the first Undo only discards its edit when it was modified (FALSE
    // when the control refuses to give it up). Both recalculate and update the scroll bars after
    // running a command, also after a failure; Redo first discards the current cell's edit and
    // afterwards moves the current cell where it was when the command was recorded.
    BOOL Undo(CGXGridCore* pGrid) override;
    BOOL Redo(CGXGridCore* pGrid) override;
    // Nothing with undo off. The outermost BeginTrans opens a block named pszName ("Block" without a
    // name) at the head of the undo list; the outermost CommitTrans drops it when it stayed empty,
    // the outermost Rollback runs it as a rollback (recording nothing) and deletes it.
    void BeginTrans(CGXGridCore* pGrid, const char* pszName) override;
    void CommitTrans(CGXGridCore* pGrid) override;
    void Rollback(CGXGridCore* pGrid) override;
    // While a block runs the move is only remembered. Then the window is updated at once.
    void SetCurrentCellAfterUndo(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT nFlags) override;
    // In a menu the item reads its format with %1 replaced by what Undo (Redo) would take back:
    // "Current Cell" for a modified edit of the current cell (Undo only), else the name of the head
    // command. The format is taken once per grid: the command's string after its second line feed,
    // else the menu item's text, else "Undo %1" ("Redo %1"). A null pCmdUI only gets the answer.
    BOOL OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI) override;
    BOOL OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI) override;
    // Too many rows or columns (more than 32767 each, or 2147483647 cells) ask string 20082: Cancel
    // answers FALSE, OK TRUE with nothing saved (also when memory runs out). The user's abort of
    // bLongOperation's progress answers FALSE with nothing saved.
    BOOL SaveRowStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nRows, ROWCOL& nCols,
                              CObArray*& pCellStyles, CObArray*& pRowStyles, BOOL bLongOperation) override;
    BOOL SaveColStylesForUndo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCols, ROWCOL& nRows,
                              CObArray*& pCellStyles, CObArray*& pColStyles, BOOL bLongOperation) override;

private:
    // The list a command of nCommandType goes to, or the command list of the block at its head while a
    // transaction is open or a block runs (bInBlock then TRUE).
    static CObList& TargetList(CGXGridCore* pGrid, int nCommandType, BOOL& bInBlock);
    // Runs the head of list with nCommandType (2 or 3): deleted when it succeeded (a redo first moves
    // the current cell to the command's), else back at the head; then the grid recalculates and
    // updates its scroll bars. Returns the command's answer, FALSE for an empty list.
    static BOOL RunHead(CGXGridCore* pGrid, CObList& list, int nCommandType);
    // The menu texts, written once for Undo and Redo.
    static BOOL UpdateEditItem(CGXGridCore* pGrid, CCmdUI* pCmdUI, BOOL bUndo);
    // The savers, written once for rows and columns.
    static BOOL SaveLineStylesForUndo(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLines, ROWCOL nOther,
                               CObArray*& pCellStyles, CObArray*& pBaseStyles, BOOL bLongOperation);
};

// Makes a CGXCommandFactory.
CGXAbstractCommandFactory* GXCreateCommandFactory();
