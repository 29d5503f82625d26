// The process-wide long-operation module: status text, progress percentage and abort by Escape of
// the long grid operations (CGXLongOperation forwards every operation to it). Each operation is given
// the long-operation object it serves.
//
// Does not do yet: the module (CGXLongOperationImp) comes with its own work; its creator
// (GXCreateLongOperationImp) plugs into the table of GXOperations.cpp when it lands.
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

CGXAbstractLongOperationImp* GXCreateLongOperationImp();
