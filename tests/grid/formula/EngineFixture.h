// Shared set-up of the formula engine's tests: a fresh sheet per test, a style class that counts its
// live objects, a cloner for it, and hand-built compiled formulas (the parser is not needed to show
// how the cell store copies, frees and rewrites them).
//
// Each test ends by releasing its sheet and checking that no tracked block is left, then resets the
// engine's process-wide state.
#pragma once

#include <gtest/gtest.h>

#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"

#include "RefusalOf.h"

#include <initializer_list>

// A cell style stand-in: the engine only deletes and clones it.
class TestStyle : public CObject {
public:
    explicit TestStyle(int nId) : m_nId(nId) { s_nLive++; }
    ~TestStyle() override { s_nLive--; }
    int m_nId;
    static inline int s_nLive = 0;
};

inline CObject* CloneTestStyle(const CObject& style)
{
    return new TestStyle(static_cast<const TestStyle&>(style).m_nId);
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestStyle::s_nLive = 0;
        m_h = EngineCreateSheet();
    }

    void TearDown() override
    {
        if (EngineGetSheet(m_h) != nullptr)
            EngineReleaseSheet(m_h);
        EXPECT_EQ(EngineTrackedBlockCount(), 0) << "tracked blocks left after the sheet was released";
        EXPECT_EQ(TestStyle::s_nLive, 0) << "styles left after the sheet was released";
        EngineResetProcessState();
    }

    EngineSheet& Sheet() { return *EngineGetSheet(m_h); }

    // A formula of the given items (kinds with their payloads filled by the caller), no roots.
    static CompiledFormula* MakeFormula(std::initializer_list<FormulaItem> items, const char* pszComment = nullptr)
    {
        CompiledFormula* pFormula = static_cast<CompiledFormula*>(EngineAlloc(sizeof(CompiledFormula)));
        pFormula->nValueRoot = pFormula->nConstraintRoot = pFormula->nDependencies = -1;
        pFormula->nItems = int16_t(items.size());
        pFormula->pItems = static_cast<FormulaItem*>(EngineAlloc(sizeof(FormulaItem) * items.size()));
        int i = 0;
        for (const FormulaItem& item : items)
            pFormula->pItems[i++] = item;
        pFormula->pszComment = pszComment != nullptr ? EngineStrDup(pszComment) : nullptr;
        return pFormula;
    }

    static FormulaItem StringItem(const char* pszText)
    {
        FormulaItem item = {};
        item.nKind = kItemString;
        item.nLink1 = item.nLink2 = -1;
        item.u.pszText = EngineStrDup(pszText);
        return item;
    }

    static FormulaItem NameItem(uint8_t nKind, RangeName* pName)
    {
        FormulaItem item = {};
        item.nKind = nKind;
        item.nLink1 = item.nLink2 = -1;
        item.u.pName = pName;
        return item;
    }

    // Links a formula cell (type 3, formula pool) holding pFormula at (nRow, nCol).
    EngineCell* LinkFormulaCell(int32_t nRow, int32_t nCol, CompiledFormula* pFormula)
    {
        EngineCell* pCell = EngineAllocCell(&Sheet().pools[kFormulaPool]);
        pCell->nRow = nRow;
        pCell->nCol = nCol;
        pCell->SetType(kCellFormula);
        pCell->pFormula = pFormula;
        EngineLinkCell(m_h, pCell);
        return pCell;
    }

    SheetHandle m_h = 0;
};
