// GX_ENGINE_STATE: the formula engine's process-wide state, and the table of sheets in it.
//
// The state is made on first use and holds the printer's style switches, what the last parse left
// (failure flag, error code and position), the buffers of the column-letter and reference texts
// (GXCellRangeRef.h), the structural-change flag, the sheet table and what a host installs: the
// worksheet-function table and the function that clones a cell's own style.
//
// The engine's cells own their style as a CObject (the grid's CGXStyle): the engine deletes it
// through its virtual destructor, and copies it through the cloner the host installs. The engine has
// no function table of its own: until a host installs one, every function call is undefined.
//
// EngineResetProcessState puts the whole engine back as it was before first use: every sheet is
// released, the state and what was installed into it are destroyed, the tracked blocks still listed
// are freed and the scanner's state is dropped. Tests call it between cases.
#pragma once

#include "grid/formula/GXEngineSheet.h"

#include "core/CObject.h"

#include <vector>

struct GXFunctionDesc;

// The worksheet-function table a host may install (its descriptors: GXFormulaFunctions.h).
class GXFunctionTable {
public:
    virtual ~GXFunctionTable();
    // Returns the descriptor of the function named pszUpperName (upper case), or null when the table
    // has no such function.
    virtual const GXFunctionDesc* Lookup(const char* pszUpperName) const = 0;
};

// Returns a new copy of a cell's own style.
typedef CObject* (*EngineStyleCloner)(const CObject& style);

class GX_ENGINE_STATE : public CObject {
    DECLARE_DYNAMIC(GX_ENGINE_STATE)
public:
    GX_ENGINE_STATE();
    ~GX_ENGINE_STATE() override;
    GX_ENGINE_STATE(const GX_ENGINE_STATE&) = delete;
    GX_ENGINE_STATE& operator=(const GX_ENGINE_STATE&) = delete;

    // Printer switches: the alternative syntax ("^", "#AND#", "#OR#", "#NOT#", "=", "<>", "ERR"),
    // lower-case function names, and "@" in front of function names.
    bool m_bAltSyntax;
    bool m_bLowerCaseFunctions;
    bool m_bAtPrefix;
    // What the last parse left: whether it failed, the error code and the error position
    // (characters from the start of the formula).
    bool m_bParseFailed;
    int32_t m_nLastError;
    int32_t m_nLastErrorPos;
    // Results of EngineColumnLetters and EngineReferenceText.
    char m_szColumnLetters[30];
    char m_szReferenceText[64];
    // Set while rows or columns are inserted, removed or moved.
    bool m_bStructureChanging;
    // The sheet table: handle h names m_sheets[h - 1]; a released sheet leaves a null slot.
    std::vector<EngineSheet*> m_sheets;
    // Installed by a host, or null.
    GXFunctionTable* m_pFunctions;   // owned
    EngineStyleCloner m_pfnCloneStyle;
};

// Returns the engine state, making it on first use.
GX_ENGINE_STATE& EngineState();

// Puts the engine back as before first use (see the top of this file). Nothing that points into the
// engine (sheets, cells, formulas, tokens) may be used afterwards.
void EngineResetProcessState();

// Installs the worksheet-function table, which the state then owns (the previous one is deleted);
// null removes it.
void EngineInstallFunctionTable(GXFunctionTable* pTable);

// Installs the function that copies a cell's own style (null removes it).
void EngineSetStyleCloner(EngineStyleCloner pfnClone);

// Makes a sheet record (zero-filled) in the first free slot of the sheet table, or a new slot at its
// end, and returns its handle (1 or more). Throws CMemoryException* when the memory cannot be had.
SheetHandle EngineCreateSheet();

// Frees sheet h with its recalculation list, occupancy arrays, every cell of its three pools, its
// saved cells, its named ranges and its record, and empties its slot. An unknown handle throws
// CInvalidArgException*.
void EngineReleaseSheet(SheetHandle h);

// Returns the record of sheet h, or null when no sheet has that handle.
EngineSheet* EngineGetSheet(SheetHandle h);

// Returns the record of sheet h; an unknown handle throws CInvalidArgException* naming pszFunction
// and h. For the engine's own operations.
EngineSheet& EngineSheetOf(SheetHandle h, const char* pszFunction);
