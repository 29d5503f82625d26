// Finding and replacing cell texts through the shared find and replace dialog and its record
// (GridFindReplaceState, GXFindReplace.h). The grid reaches it through ShowFindReplaceDialog,
// FindText, FindTextInCells, FindNextText, ReplaceSelection, ReplaceAll and OnFindReplaceMessage; a
// cell control through FindText and ReplaceSel.
//
// Does not do yet: the module (CGXGridFindReplaceImp) comes with its own work; its creator
// (GXCreateFindReplaceImp) plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "core/Core.h"

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

CGXAbstractGridFindReplaceImp* GXCreateFindReplaceImp();
