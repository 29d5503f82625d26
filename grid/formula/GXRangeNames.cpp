// Named ranges: defining, finding and deleting names, and rewriting the formulas that use a deleted one.
#include "grid/formula/GXRangeNames.h"

#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"

#include "core/CException.h"
#include "core/CString.h"

namespace {

bool IsValidName(const CString& name)
{
    if (name.IsEmpty())
        return false;
    if (!EngineIsNameStart(name[0]))
        return false;
    for (int i = 1; i < name.GetLength(); i++) {
        if (!EngineIsNameChar(name[i]))
            return false;
    }
    return true;
}

// The name as kept: pszName cut to 31 characters.
CString KeptName(const char* pszName)
{
    return CString(pszName).Left(kEngineMaxName);
}

// The record before pName in the sheet's list (null when pName is the head).
RangeName* Predecessor(EngineSheet& sheet, const RangeName* pName)
{
    RangeName* pPrev = nullptr;
    for (RangeName* p = sheet.pNames; p != pName; p = p->pNext)
        pPrev = p;
    return pPrev;
}

bool NamesItem(const FormulaItem& item, const RangeName* pName)
{
    return (item.nKind == kItemNamedCell || item.nKind == kItemNamedRange) && item.u.pName == pName;
}

bool RefersTo(const CompiledFormula* pFormula, const RangeName* pName)
{
    for (int16_t i = 0; pFormula != nullptr && i < pFormula->nItems; i++) {
        if (NamesItem(pFormula->pItems[i], pName))
            return true;
    }
    return false;
}

// Turns the items of pFormula that refer to pName into plain references.
void UnnameItems(CompiledFormula* pFormula, const RangeName* pName)
{
    for (int16_t i = 0; pFormula != nullptr && i < pFormula->nItems; i++) {
        FormulaItem& item = pFormula->pItems[i];
        if (NamesItem(item, pName)) {
            item.nKind = item.nKind == kItemNamedCell ? kItemCell : kItemRange;
            item.u.ref = pName->ref;
        }
    }
}

}  // namespace

bool EngineDefineName(SheetHandle h, const char* pszName, const CellRangeRef& ref)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineDefineName");
    const CString name = KeptName(pszName);
    if (!IsValidName(name) || !ref.IsValid())
        return false;
    if (RangeName* pExisting = EngineFindName(h, name)) {
        pExisting->ref = ref;
    } else {
        RangeName* pNew = static_cast<RangeName*>(EngineAlloc(sizeof(RangeName)));
        try {
            pNew->pszName = EngineStrDup(name);
        } catch (CException*) {
            EngineFree(pNew);
            throw;
        }
        pNew->ref = ref;
        RangeName** ppLast = &sheet.pNames;
        while (*ppLast != nullptr)
            ppLast = &(*ppLast)->pNext;
        *ppLast = pNew;
    }
    sheet.bDirty = true;
    return true;
}

RangeName* EngineFindName(SheetHandle h, const char* pszName)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineFindName");
    const CString name = KeptName(pszName);
    for (RangeName* p = sheet.pNames; p != nullptr; p = p->pNext) {
        if (name.CompareNoCase(p->pszName) == 0)
            return p;
    }
    return nullptr;
}

bool EngineDeleteName(SheetHandle h, const char* pszName)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineDeleteName");
    RangeName* pName = EngineFindName(h, pszName);
    if (pName == nullptr)
        return false;

    // the formulas of the sheet's cells: saved for undo first, then rewritten and queued
    for (int32_t nPool : {kGeneralPool, kFormulaPool}) {
        EnginePoolCells walk(sheet.pools[nPool]);
        while (EngineCell* pCell = walk.Next()) {
            if (!RefersTo(pCell->pFormula, pName))
                continue;
            if (sheet.bRecordUndo) {
                EngineCell* pSaved = EngineCopyCell(nullptr, pCell);
                pSaved->pNext = sheet.pRecordedCells;
                sheet.pRecordedCells = pSaved;
            }
            UnnameItems(pCell->pFormula, pName);
            EngineAddRecalcRange(h, EngineMakeReference(pCell->nRow, pCell->nCol, pCell->nRow, pCell->nCol,
                                                        CellRangeRef::kSingleCell));
        }
    }
    if (!sheet.bRecordUndo) {
        // the record is freed below: saved cells must not keep pointing at it
        for (EngineCell* pSaved = sheet.pRecordedCells; pSaved != nullptr; pSaved = pSaved->pNext)
            UnnameItems(pSaved->pFormula, pName);
    }

    RangeName* pPrev = Predecessor(sheet, pName);
    (pPrev != nullptr ? pPrev->pNext : sheet.pNames) = pName->pNext;
    pName->pNext = nullptr;
    if (sheet.bRecordUndo) {
        EngineFreeNameList(sheet.pSavedName);
        sheet.pSavedName = pName;
    } else {
        EngineFreeNameList(pName);
    }
    sheet.bDirty = true;
    return true;
}

void EngineFreeNameList(RangeName* pFirst)
{
    while (pFirst != nullptr) {
        RangeName* pNext = pFirst->pNext;
        EngineFree(pFirst->pszName);
        EngineFree(pFirst);
        pFirst = pNext;
    }
}
