// Named ranges: one record per name whatever its case, the rules of a valid name, finding, and
// deleting a name that formulas use.
#include "EngineFixture.h"

#include "grid/formula/GXRangeNames.h"

#include <string>
#include <vector>

namespace {

CellRangeRef Ref(const char* psz)
{
    CellRangeRef ref = {};
    EXPECT_TRUE(EngineParseReference(psz, &ref)) << psz;
    return ref;
}

std::vector<std::string> Names(const EngineSheet& sheet)
{
    std::vector<std::string> names;
    for (const RangeName* p = sheet.pNames; p != nullptr; p = p->pNext)
        names.push_back(std::string(p->pszName) + "=" + EngineReferenceText(p->ref));
    return names;
}

}  // namespace

using RangeNames = EngineTest;

TEST_F(RangeNames, OneRecordPerNameWhateverItsCase)
{
    EXPECT_TRUE(EngineDefineName(m_h, "Sales", Ref("A1")));
    EXPECT_TRUE(Sheet().bDirty);
    EXPECT_TRUE(EngineDefineName(m_h, "Costs", Ref("C1..C9")));
    EXPECT_TRUE(EngineDefineName(m_h, "SALES", Ref("B2..C3")));
    EXPECT_EQ(Names(Sheet()), (std::vector<std::string>{"Sales=B2..C3", "Costs=C1..C9"}));
    RangeName* pSales = EngineFindName(m_h, "sAlEs");
    ASSERT_NE(pSales, nullptr);
    EXPECT_STREQ(pSales->pszName, "Sales");
    EXPECT_EQ(EngineFindName(m_h, "Sale"), nullptr);
    EXPECT_EQ(EngineFindName(m_h, nullptr), nullptr);
}

TEST_F(RangeNames, NameRules)
{
    const struct {
        const char* pszName;
        bool bDefined;
    } cases[] = {
        {"_x", true},     {"$x", true},   {"a.b_c$1", true}, {"Total2", true}, {"1abc", false},
        {".x", false},    {"a b", false}, {"a-b", false},    {"", false},      {nullptr, false},
        {"na\xe9ve", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EngineDefineName(m_h, c.pszName, Ref("A1")), c.bDefined) << (c.pszName ? c.pszName : "(null)");
        EXPECT_EQ(EngineFindName(m_h, c.pszName) != nullptr, c.bDefined);
    }

    // a long name is cut to 31 characters, and found by its long or its cut form
    const std::string longName = "Quarterly_revenue_of_the_northern_region";
    EXPECT_TRUE(EngineDefineName(m_h, longName.c_str(), Ref("B2")));
    const RangeName* pLong = EngineFindName(m_h, longName.c_str());
    ASSERT_NE(pLong, nullptr);
    EXPECT_EQ(std::string(pLong->pszName), longName.substr(0, 31));
    EXPECT_EQ(EngineFindName(m_h, longName.substr(0, 31).c_str()), pLong);
    // a name valid only past its 31st character is refused like any bad name
    EXPECT_FALSE(EngineDefineName(m_h, (std::string(30, 'a') + "-b").c_str(), Ref("A1")));

    const size_t nBefore = Names(Sheet()).size();
    EXPECT_FALSE(EngineDefineName(m_h, "Broken", EngineMakeReference(0, 0, 0, 0, 0)));
    EXPECT_EQ(Names(Sheet()).size(), nBefore) << "an invalid reference is not defined";
}

TEST_F(RangeNames, DeletingANameRewritesTheFormulasThatUseIt)
{
    ASSERT_TRUE(EngineDefineName(m_h, "Rate", Ref("$B$1")));
    ASSERT_TRUE(EngineDefineName(m_h, "Table", Ref("A1..C9")));
    RangeName* pRate = EngineFindName(m_h, "Rate");
    RangeName* pTable = EngineFindName(m_h, "Table");
    EngineCell* pUser = LinkFormulaCell(4, 4, MakeFormula({NameItem(kItemNamedCell, pRate), NameItem(kItemNamedRange, pTable),
                                                           NameItem(kItemNamedCell, pRate)}));
    EngineCell* pOther = LinkFormulaCell(5, 5, MakeFormula({NameItem(kItemNamedRange, pTable)}));

    EXPECT_FALSE(EngineDeleteName(m_h, "Missing"));
    Sheet().bDirty = false;
    EXPECT_TRUE(EngineDeleteName(m_h, "RATE"));
    EXPECT_TRUE(Sheet().bDirty);
    EXPECT_EQ(Names(Sheet()), (std::vector<std::string>{"Table=A1..C9"}));
    const FormulaItem* pItems = pUser->pFormula->pItems;
    EXPECT_EQ(pItems[0].nKind, kItemCell);
    EXPECT_STREQ(EngineReferenceText(pItems[0].u.ref), "$B$1");
    EXPECT_EQ(pItems[1].nKind, kItemNamedRange) << "another name's item stays";
    EXPECT_EQ(pItems[2].nKind, kItemCell);
    EXPECT_EQ(pOther->pFormula->pItems[0].nKind, kItemNamedRange);
    // only the rewritten cell is queued, once
    ASSERT_NE(Sheet().pRecalcList, nullptr);
    EXPECT_STREQ(EngineReferenceText(Sheet().pRecalcList->ref), "E4");
    EXPECT_EQ(Sheet().pRecalcList->pNext, nullptr);
    EXPECT_EQ(Sheet().pSavedName, nullptr) << "without undo recording the record is freed";
    EXPECT_EQ(Sheet().pRecordedCells, nullptr);

    // recording undo: the cell is saved as it was, and the record is kept as the saved name
    Sheet().bRecordUndo = true;
    EXPECT_TRUE(EngineDeleteName(m_h, "table"));
    EXPECT_EQ(Sheet().pNames, nullptr);
    EXPECT_EQ(Sheet().pSavedName, pTable);
    EXPECT_EQ(pOther->pFormula->pItems[0].nKind, kItemRange);
    EXPECT_STREQ(EngineReferenceText(pOther->pFormula->pItems[0].u.ref), "A1..C9");
    int nSaved = 0;
    for (const EngineCell* pSaved = Sheet().pRecordedCells; pSaved != nullptr; pSaved = pSaved->pNext) {
        nSaved++;
        EXPECT_EQ(pSaved->Slot(), kStandaloneSlot);
        bool bNamesTable = false;
        for (int16_t i = 0; i < pSaved->pFormula->nItems; i++)
            bNamesTable |= pSaved->pFormula->pItems[i].u.pName == pTable;
        EXPECT_TRUE(bNamesTable) << "saved before the rewrite";
    }
    EXPECT_EQ(nSaved, 2);
}
