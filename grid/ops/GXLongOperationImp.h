// The process-wide long-operation module: status text, progress percentage and abort by Escape of
// the long grid operations (CGXLongOperation forwards every operation to it). Each operation is given
// the long-operation object it serves.
//
// The module keeps its state in the process-wide long-operation settings (GXLongOperationSettings):
// the nesting level, the percentage and the level that may show it, the Escape, pumping, abort and
// roll-back flags, the status window (the application's main window when it is a frame) and the
// timing; beside them, its own copy of each level's text and whether the user's Escape was answered
// in the operation. Nothing shows for the first 750 ms of an operation; then, every 1500 ms, the status bar
// shows the operation's text with its percentage (" %3d%%. ") or a turning spinner, and pending
// messages are handled while the user's input (keys, mouse, commands) is thrown away; Escape asks
// whether to abort. When the outermost operation ends after that, the status bar shows "Done.".
#pragma once

#include <windows.h>

#include "core/Core.h"

class CGXLongOperation;

class CGXAbstractLongOperationImp : public CObject {
public:
    // A long operation starts: raises the nesting level.
    virtual void Start(CGXLongOperation& operation) = 0;
    // It ends: lowers the nesting level.
    virtual void End(CGXLongOperation& operation) = 0;
    // Frees the status text owned at the operation's level.
    virtual void FreeStatusText(CGXLongOperation& operation) = 0;
    // Sets the status text (with bCopy a private copy). Returns the module's answer.
    virtual BOOL SetStatusText(CGXLongOperation& operation, const char* pszText, BOOL bCopy) = 0;
    // Shows the progress, processes messages and sets bAborted when the user chose to stop. Returns
    // whether anything was done.
    virtual BOOL DoMessages(CGXLongOperation& operation, BOOL& bAborted) = 0;
    // Shows the progress after the wait time. Returns whether to go on.
    virtual BOOL UpdateProgress(CGXLongOperation& operation) = 0;
    // Processes pending messages.
    virtual void PumpMessages(CGXLongOperation& operation) = 0;
};

class CGXLongOperationImp : public CGXAbstractLongOperationImp {
public:
    // The outermost operation starts with "Processing..." and a fresh state (no percentage, Escape not
    // pressed, abort allowed, no roll-back); a nested one shows the enclosing operation's text. Every
    // operation notes its start tick and shows its status and, at the end, "Done.".
    void Start(CGXLongOperation& operation) override;
    // Frees the level's text. The outermost operation's end after pumping puts the cursor back and
    // sends "Done." to the status window (when the operation shows it).
    void End(CGXLongOperation& operation) override;
    void FreeStatusText(CGXLongOperation& operation) override;
    // The operation's level shows pszText from now on, unless the percentage belongs to a shallower
    // operation (then nothing changes and the answer is FALSE). The module always keeps its own copy:
    // the caller's text may be gone by the next update. bCopy is accepted for the interface's sake.
    BOOL SetStatusText(CGXLongOperation& operation, const char* pszText, BOOL bCopy) override;
    // As UpdateProgress, the status line also saying "Press ESC to cancel" while the user may abort.
    // After Escape it asks, once per operation, "Do you want to abort the operation?": Abort, Retry
    // (stop and roll back) and Ignore when the operation can roll back, else Yes and No; bAborted
    // tells to stop. FALSE before the wait time.
    BOOL DoMessages(CGXLongOperation& operation, BOOL& bAborted) override;
    // FALSE before the wait time (750 ms from the start until pumping began, then 1500 ms from the last
    // update); else shows the status line, pumps messages, notes the tick and answers TRUE.
    BOOL UpdateProgress(CGXLongOperation& operation) override;
    // Starts the wait cursor once; handles the waiting messages, dropping keys (Escape and Ctrl+Break
    // noted), mouse messages and commands; a WM_QUIT is posted again and ends the pumping; then the
    // application's idle work runs.
    void PumpMessages(CGXLongOperation& operation) override;

private:
    // The common part of UpdateProgress and DoMessages: FALSE before the wait time; else shows the
    // status line (with the Escape prompt when bEscPrompt), pumps messages and notes the tick.
    BOOL Progress(CGXLongOperation& operation, BOOL bEscPrompt);
};

// Makes a CGXLongOperationImp.
CGXAbstractLongOperationImp* GXCreateLongOperationImp();
