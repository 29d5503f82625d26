// CGXLongOperation: the front end of a grid operation that may take long (pasting, clearing, sorting,
// saving undo information, printing). The operation keeps one on the stack for its duration; every
// call forwards to the process-wide long-operation module (GridLibraryState::m_pLongOperationImp),
// which shows the status text and progress, keeps the application responsive and lets the user abort.
// Without the module the objects only count the nesting level (GXLongOperationSettings::m_nLevel)
// and show nothing.
//
// GXLongOperationSettings are the process-wide settings and state the module reads and writes; this
// file only gives them their start values. The library's start-up fills the four texts.
#pragma once

#include <windows.h>

#include "core/Core.h"

struct GXLongOperationSettings {
    // "Do you want to abort the operation?", "Processing...", "Done.", "Press ESC to cancel".
    CString m_strAbortQuestion;
    CString m_strProcessing;
    CString m_strDone;
    CString m_strPressEsc;
    int m_nPercent = -1;       // the percentage shown (-1: none)
    int m_nPercentLevel = -1;  // the nesting level that may show it (-1: any)
    BOOL m_bAbortAllowed = TRUE;
    BOOL m_bAskBeforeAbort = TRUE;
    BOOL m_bShowProgress = TRUE;
    DWORD m_nFirstWait = 750;       // milliseconds before the first progress is shown
    DWORD m_nUpdateInterval = 1500;  // milliseconds between later updates
    BOOL m_bPumping = FALSE;
    BOOL m_bEscapePressed = FALSE;
    BOOL m_bRollbackPossible = FALSE;
    BOOL m_bRollbackRequested = FALSE;
    int m_nLevel = 0;  // the open long operations
    char m_szStatusLine[256] = {};
    char m_szSpinner[64] = {};
    int m_nSpinner = 0;
    CString m_strStatusText;
    HWND m_hWndStatus = nullptr;
};

// The process-wide settings, made on first use.
GXLongOperationSettings& GXGetLongOperationSettings();

class CGXLongOperation {
public:
    // Starts: the module's Start, or the nesting level grows by one.
    CGXLongOperation();
    // Ends: the module's End, or the nesting level shrinks by one.
    ~CGXLongOperation();
    CGXLongOperation(const CGXLongOperation&) = delete;
    CGXLongOperation& operator=(const CGXLongOperation&) = delete;

    // The module's FreeStatusText; nothing without it.
    void FreeStatusText();
    // The module's SetStatusText (bCopy: the module keeps a copy); FALSE without it.
    BOOL SetStatusText(const char* pszText, BOOL bCopy = TRUE);
    // bAborted FALSE, then the module's DoMessages (which may set it); FALSE without the module.
    BOOL DoMessages(BOOL& bAborted);
    // The module's UpdateProgress; FALSE without it.
    BOOL UpdateProgress();
    // The module's PumpMessages; nothing without it.
    void PumpMessages();
    // One step of a loop over nTotal items, nDone of them done: once the wait time has passed since
    // the operation started, the percentage (nDone * 100 / nTotal, at most 100) is published when the
    // nesting level allows it, then DoMessages runs. TRUE when the user aborted.
    BOOL StepProgress(uint64_t nDone, uint64_t nTotal);
    // The same step without the abort check: the percentage is published and UpdateProgress runs.
    void ShowProgress(uint64_t nDone, uint64_t nTotal);

    // What the module keeps per operation: the ticks of its start and of its last update, its status
    // text, and whether it shows "Done." at the end and its status text.
    DWORD m_dwStartTicks = 0;
    DWORD m_dwLastTicks = 0;
    const char* m_pszStatusText = nullptr;
    BOOL m_bShowDone = FALSE;
    BOOL m_bShowStatus = FALSE;

private:
    // Once the wait time has passed since the start: publishes the percentage where the nesting level
    // lets it, and answers TRUE.
    BOOL PublishPercent(uint64_t nDone, uint64_t nTotal);
};
