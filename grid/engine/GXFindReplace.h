// GridFindReplaceState: the find and replace state every grid shares with the find and replace
// module: the open dialog and the grid that owns it, the texts and the options. One object exists for
// the process, built before the program's main function runs.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CWnd;
class CGXGridCore;
class CGXStyle;

struct GridFindReplaceState {
    // The open find or replace dialog (null when none), whether it is the find-only one, the grid
    // window that owns it, and the grid whose search it drives (its notifications go there; null when
    // that grid's window went).
    CWnd* m_pFindReplaceDlg = nullptr;
    BOOL m_bFindOnly = FALSE;
    CWnd* m_pActiveWnd = nullptr;
    CGXGridCore* m_pGrid = nullptr;
    // The text to find, the same prepared for comparing (PrepareSearchText) and the replacement.
    CString m_strFind;
    CString m_strSearch;
    CString m_strReplace;
    // Match case (off); the direction and the search going on (both on); the next Replace All comes
    // from the dialog and forms one undo block (off).
    BOOL m_bCase = FALSE;
    BOOL m_bDown = TRUE;
    BOOL m_bNext = TRUE;
    BOOL m_bReplaceAllBlock = FALSE;
    // The composed style of the cell being scanned, lent to its control while the scan asks it (null:
    // the control composes the style itself).
    const CGXStyle* m_pStyle = nullptr;

    // Copies the find text into the search text, upper-cased unless match case is on.
    void PrepareSearchText();
};

// The process-wide state.
GridFindReplaceState& GXGetFindReplaceState();
