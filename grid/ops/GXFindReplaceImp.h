// Finding and replacing cell texts through the shared find and replace dialog and its record
// (GridFindReplaceState, GXFindReplace.h). The grid reaches it through ShowFindReplaceDialog,
// FindText, FindTextInCells, FindNextText, ReplaceSelection, ReplaceAll and OnFindReplaceMessage; a
// cell control through FindText and ReplaceSel.
//
// A search walks the current column from the current cell down (or up), one row at a time; the
// current cell itself is only searched by its own control, from after what it has selected. Cells
// whose style is disabled are never asked. An empty find text is refused before any scan: a replace
// loop that steps by its length would never end.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXControl;
class CGXGridCore;
struct GridFindReplaceState;

class CGXAbstractGridFindReplaceImp : public CObject {
public:
    // Opens the find (bFindOnly) or the replace dialog for the grid.
    virtual void ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly) = 0;
    // Finds pszText from the current cell on. TRUE when found.
    virtual BOOL FindText(CGXGridCore* pGrid, const char* pszText, BOOL bDown, BOOL bMatchCase) = 0;
    // Searches the cell (nRow, nCol) of pControl. TRUE when found there.
    virtual BOOL FindTextInCell(CGXControl* pControl, GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                                BOOL bAtCurrentCell, BOOL bSelect) = 0;
    // Searches the cells from (nRow, nCol) on; the found cell comes back there. TRUE when found.
    virtual BOOL FindTextInCells(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect) = 0;
    // Finds the next occurrence of the find text. TRUE when found.
    virtual BOOL FindNext(CGXGridCore* pGrid, BOOL bSelect) = 0;
    virtual void ReplaceSelection(CGXGridCore* pGrid, const char* pszFind, BOOL bDown, BOOL bMatchCase,
                                  const char* pszReplace) = 0;
    virtual void ReplaceAll(CGXGridCore* pGrid, const char* pszFind, const char* pszReplace, BOOL bMatchCase) = 0;
    // The dialog's notification (the registered "commdlg_FindReplace" message).
    virtual void OnFindReplaceMessage(CGXGridCore* pGrid, FINDREPLACEA* pFindReplace) = 0;
    // Replaces the found text in the cell of pControl. TRUE when replaced.
    virtual BOOL ReplaceInCell(CGXControl* pControl, GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) = 0;
};

class CGXGridFindReplaceImp : public CGXAbstractGridFindReplaceImp {
public:
    // Only for a grid with rows and columns. The grid becomes the record's grid; without a current
    // cell the cell at (top row, left column) becomes current (flags 42), else the current cell is
    // scrolled into view. The dialog starts with the current cell's text (the last find text when
    // that is empty), the replace text and the record's direction and case (the whole-word option
    // hidden). A dialog of the same kind that is open comes to the front; one of the other kind is
    // closed first. No dialog is kept when the system cannot make one.
    void ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly) override;
    // Keeps the text and the options in the record and finds the next match (FindNextText). FALSE for
    // an empty text or a grid without rows or columns.
    BOOL FindText(CGXGridCore* pGrid, const char* pszText, BOOL bDown, BOOL bMatchCase) override;
    // The cell's display text (with the record's lent style, else its composed one) holds the find
    // text; never the current cell unless bAtCurrentCell. With bSelect a match becomes the current
    // cell (flags 10).
    BOOL FindTextInCell(CGXControl* pControl, GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                        BOOL bAtCurrentCell, BOOL bSelect) override;
    // Scans column nCol from the row after nRow (before it when searching up) to the last row (to row
    // 1), under "Searching values ..." with the percentage every 100 rows once the wait time has passed;
    // each enabled cell's control is asked with its composed style lent through the record. The first
    // match ends the scan (nRow is its row); an abort by the user ends it with FALSE.
    BOOL FindTextInCells(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect) override;
    // Needs a current cell: its control searches on from its position, then FindTextInCells; nothing
    // found: OnTextNotFound. TRUE when found.
    BOOL FindNext(CGXGridCore* pGrid, BOOL bSelect) override;
    // Replaces the match at the current cell and finds the next one; without a match there it only
    // finds the next one. Nothing found: OnTextNotFound. Nothing for an empty find text.
    void ReplaceSelection(CGXGridCore* pGrid, const char* pszFind, BOOL bDown, BOOL bMatchCase,
                          const char* pszReplace) override;
    // Replaces every match from the current row down the current column under "Replacing values ...",
    // one undo block "Replace All" when the dialog asked for it (rolled back after an abort). No match:
    // OnTextNotFound. The grid recalculates afterwards, after an abort too; an abort outside the
    // dialog's block then throws CUserException* (the cells replaced before it stay, each its own undo
    // step). Nothing for an empty find text.
    void ReplaceAll(CGXGridCore* pGrid, const char* pszFind, const char* pszReplace, BOOL bMatchCase) override;
    // Passes a notification for another grid to the record's grid; a terminating one forgets the
    // dialog; Find Next, Replace and Replace All run with the dialog's texts and options.
    void OnFindReplaceMessage(CGXGridCore* pGrid, FINDREPLACEA* pFindReplace) override;
    // Every match in the cell's text replaced (left to right), stored through the grid (flags 2).
    // TRUE when something was replaced and stored.
    BOOL ReplaceInCell(CGXControl* pControl, GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
};

// Makes a CGXGridFindReplaceImp.
CGXAbstractGridFindReplaceImp* GXCreateFindReplaceImp();
