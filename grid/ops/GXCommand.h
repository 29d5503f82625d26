// CGXCommand: the base of the undo and redo commands. A command keeps what a grid operation needs to
// reverse one change; the command factory (GXCommandFactory.h) makes it, records it on the parameter
// object's undo or redo list and runs it. The command classes are in GXCommands.h.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CGXGridCore;

// The base has no run-time class record of its own (the engine, which knows only this header, uses
// it without the grid operations' code): each command class's record names CObject as its base.
class CGXCommand : public CObject {
public:
    // Deletes the engine undo information the command owns.
    ~CGXCommand() override { delete m_pUndoInfo; }

    // Runs the reverse operation on pGrid with command type nCommandType (0 a user's change, 1 a
    // rollback, 2 undo, 3 redo). TRUE when the grid operation succeeded.
    virtual BOOL Execute(CGXGridCore* pGrid, int nCommandType) = 0;
    // The text the Undo and Redo menu items show for the command: what the user did that the command
    // takes back.
    virtual const char* GetName() = 0;

    // The grid's current cell when the command was recorded (filled by the factory's AddCommand).
    ROWCOL m_nRow = 0;
    ROWCOL m_nCol = 0;
    BOOL m_bCurrentCell = FALSE;
    // The formula engine's undo information (owned; null when the data object keeps none).
    CObject* m_pUndoInfo = nullptr;
};
