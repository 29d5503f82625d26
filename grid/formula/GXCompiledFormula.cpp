// Copying and freeing compiled formulas.
#include "grid/formula/GXCompiledFormula.h"

#include "grid/formula/GXEngineMemory.h"

#include "core/CException.h"

#include <cstring>

CompiledFormula* EngineCopyFormula(const CompiledFormula* pFormula)
{
    if (pFormula == nullptr)
        return nullptr;
    CompiledFormula* pCopy = static_cast<CompiledFormula*>(EngineAlloc(sizeof(CompiledFormula)));
    *pCopy = *pFormula;
    pCopy->pItems = nullptr;
    pCopy->pszComment = nullptr;
    pCopy->nItems = 0;
    try {
        if (pFormula->nItems > 0) {
            const size_t nBytes = sizeof(FormulaItem) * size_t(pFormula->nItems);
            pCopy->pItems = static_cast<FormulaItem*>(EngineAlloc(nBytes));
            std::memcpy(pCopy->pItems, pFormula->pItems, nBytes);
            // the copy owns no text until each one is duplicated, so a failure halfway frees only its own
            for (int16_t i = 0; i < pFormula->nItems; i++) {
                if (EngineItemOwnsText(pCopy->pItems[i]))
                    pCopy->pItems[i].u.pszText = nullptr;
            }
            pCopy->nItems = pFormula->nItems;
            for (int16_t i = 0; i < pFormula->nItems; i++) {
                if (EngineItemOwnsText(pFormula->pItems[i]) && pFormula->pItems[i].u.pszText != nullptr)
                    pCopy->pItems[i].u.pszText = EngineStrDup(pFormula->pItems[i].u.pszText);
            }
        }
        if (pFormula->pszComment != nullptr)
            pCopy->pszComment = EngineStrDup(pFormula->pszComment);
    } catch (CException*) {
        EngineFreeFormula(pCopy);
        throw;
    }
    return pCopy;
}

void EngineFreeFormula(CompiledFormula* pFormula)
{
    if (pFormula == nullptr)
        return;
    for (int16_t i = 0; i < pFormula->nItems; i++) {
        if (EngineItemOwnsText(pFormula->pItems[i]))
            EngineFree(pFormula->pItems[i].u.pszText);
    }
    EngineFree(pFormula->pItems);
    EngineFree(pFormula->pszComment);
    EngineFree(pFormula);
}
