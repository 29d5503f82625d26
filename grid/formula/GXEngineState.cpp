// The engine state, the sheet table, and the per-sheet options, message slot and recalculation list.
#include "grid/formula/GXEngineState.h"

#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXFormulaScanner.h"
#include "grid/formula/GXRangeNames.h"

#include "core/CException.h"

#include <cstdio>
#include <cstring>

namespace {

GX_ENGINE_STATE* g_pEngineState = nullptr;

// Frees every cell of the sheet's pools and their blocks. The pools are locked first so that freeing
// a cell moves no block during the walk.
void FreePools(EngineSheet& sheet)
{
    for (CellPool& pool : sheet.pools) {
        pool.bLocked = true;
        EnginePoolCells walk(pool);
        while (EngineCell* pCell = walk.Next()) {
            pCell->nFlags &= ~kCellLinked;
            EngineFreeCell(pCell);
        }
        for (PoolBlock* pBlock = pool.pHead; pBlock != nullptr;) {
            PoolBlock* pNext = pBlock->pNext;
            delete pBlock;
            pBlock = pNext;
        }
        pool = CellPool();
    }
}

int32_t* OptionField(EngineSheet& sheet, EngineOption nOption, const char* pszFunction)
{
    switch (nOption) {
    case kOptionRecalcMode: return &sheet.nRecalcMode;
    case kOptionRecalcMethod: return &sheet.nRecalcMethod;
    case kOptionConstraintCheck: return &sheet.nConstraintCheck;
    case kOptionIterationLimit: return &sheet.nIterationLimit;
    case kOptionBlankAsZero: return &sheet.nBlankAsZero;
    }
    AfxThrowInvalidArgFormat("%s: unknown option %d", pszFunction, int32_t(nOption));
}

}  // namespace

GXFunctionTable::~GXFunctionTable() = default;

IMPLEMENT_DYNAMIC(GX_ENGINE_STATE, CObject)

GX_ENGINE_STATE::GX_ENGINE_STATE()
    : m_bAltSyntax(false), m_bLowerCaseFunctions(false), m_bAtPrefix(false), m_bParseFailed(false),
      m_nLastError(0), m_nLastErrorPos(0), m_szColumnLetters(), m_szReferenceText(), m_bStructureChanging(false),
      m_pFunctions(nullptr), m_pfnCloneStyle(nullptr)
{
}

GX_ENGINE_STATE::~GX_ENGINE_STATE()
{
    delete m_pFunctions;
}

GX_ENGINE_STATE& EngineState()
{
    if (g_pEngineState == nullptr)
        AfxAllocating([] { g_pEngineState = new GX_ENGINE_STATE; });
    return *g_pEngineState;
}

void EngineResetProcessState()
{
    if (g_pEngineState != nullptr) {
        for (size_t i = 0; i < g_pEngineState->m_sheets.size(); i++) {
            if (g_pEngineState->m_sheets[i] != nullptr)
                EngineReleaseSheet(SheetHandle(i + 1));
        }
        delete g_pEngineState;
        g_pEngineState = nullptr;
    }
    EngineFreeTrackedBlocks();
    ScanResetState();
}

void EngineInstallFunctionTable(GXFunctionTable* pTable)
{
    GX_ENGINE_STATE& state = EngineState();
    if (state.m_pFunctions != pTable) {
        delete state.m_pFunctions;
        state.m_pFunctions = pTable;
    }
}

void EngineSetStyleCloner(EngineStyleCloner pfnClone)
{
    EngineState().m_pfnCloneStyle = pfnClone;
}

SheetHandle EngineCreateSheet()
{
    GX_ENGINE_STATE& state = EngineState();
    size_t nSlot = 0;
    while (nSlot < state.m_sheets.size() && state.m_sheets[nSlot] != nullptr)
        nSlot++;
    if (nSlot == state.m_sheets.size())
        AfxAllocating([&] { state.m_sheets.push_back(nullptr); });
    AfxAllocating([&] { state.m_sheets[nSlot] = new EngineSheet(); });
    return SheetHandle(nSlot + 1);
}

void EngineReleaseSheet(SheetHandle h)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineReleaseSheet");
    EngineEmptyRecalcList(h);
    EngineFreeCellList(sheet.pRecordedCells);
    FreePools(sheet);
    EngineFreeNameList(sheet.pNames);
    EngineFreeNameList(sheet.pSavedName);
    delete[] sheet.pRowCounts;
    delete[] sheet.pColCounts;
    delete &sheet;
    EngineState().m_sheets[size_t(h - 1)] = nullptr;
}

EngineSheet* EngineGetSheet(SheetHandle h)
{
    if (g_pEngineState == nullptr || h < 1 || size_t(h) > g_pEngineState->m_sheets.size())
        return nullptr;
    return g_pEngineState->m_sheets[size_t(h - 1)];
}

EngineSheet& EngineSheetOf(SheetHandle h, const char* pszFunction)
{
    EngineSheet* pSheet = EngineGetSheet(h);
    if (pSheet == nullptr)
        AfxThrowInvalidArgFormat("%s: no sheet has the handle %d", pszFunction, h);
    return *pSheet;
}

bool EngineSetOption(SheetHandle h, EngineOption nOption, int32_t nValue)
{
    int32_t* pField = OptionField(EngineSheetOf(h, "EngineSetOption"), nOption, "EngineSetOption");
    const int32_t nMax = nOption == kOptionIterationLimit ? 100 : 1;
    if (nValue < 0 || nValue > nMax)
        return false;
    *pField = nValue;
    return true;
}

int32_t EngineGetOption(SheetHandle h, EngineOption nOption)
{
    return *OptionField(EngineSheetOf(h, "EngineGetOption"), nOption, "EngineGetOption");
}

void EngineArmMessage(SheetHandle h)
{
    EngineSheetOf(h, "EngineArmMessage").bMessageArmed = true;
}

bool EnginePutMessage(SheetHandle h, const char* pszText)
{
    EngineSheet& sheet = EngineSheetOf(h, "EnginePutMessage");
    if (!sheet.bMessageArmed)
        return false;
    std::snprintf(sheet.szMessage, sizeof sheet.szMessage, "%s", pszText != nullptr ? pszText : "");
    sheet.bMessageArmed = false;
    return true;
}

void EngineAddRecalcRange(SheetHandle h, const CellRangeRef& ref)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineAddRecalcRange");
    for (const RecalcEntry* pEntry = sheet.pRecalcList; pEntry != nullptr; pEntry = pEntry->pNext) {
        if (EngineReferencesEqual(pEntry->ref, ref))
            return;
    }
    RecalcEntry* pEntry = nullptr;
    AfxAllocating([&] { pEntry = new RecalcEntry{sheet.pRecalcList, ref}; });
    sheet.pRecalcList = pEntry;
}

void EngineEmptyRecalcList(SheetHandle h)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineEmptyRecalcList");
    while (sheet.pRecalcList != nullptr) {
        RecalcEntry* pNext = sheet.pRecalcList->pNext;
        delete sheet.pRecalcList;
        sheet.pRecalcList = pNext;
    }
}
