// Recalculation: precedents before the cells that use them, circular references and iteration, the
// two methods and manual mode, the recalculation list and generation stamps, constraint counts, and a
// dependency chain far longer than any stack.
#include "FormulaFixture.h"

#include "grid/formula/GXRecalculation.h"

#include <string>

namespace {

class Recalc : public FormulaTest {
protected:
    void SetUp() override
    {
        FormulaTest::SetUp();
        EngineSetOption(m_h, kOptionRecalcMethod, 1);
    }

    EngineCell* Formula(const char* pszCell, const char* pszText)
    {
        const CellRangeRef ref = Ref(pszCell);
        EngineCell* pCell = EngineStoreFormula(m_h, ref.Top(), ref.Left(), pszText);
        EXPECT_NE(pCell, nullptr) << pszText;
        return pCell;
    }
    void Number(const char* pszCell, double dValue)
    {
        const CellRangeRef ref = Ref(pszCell);
        EngineStoreNumber(m_h, ref.Top(), ref.Left(), dValue);
    }
};

}  // namespace

TEST_F(Recalc, PrecedentsComeFirst)
{
    // stored so that the pass meets each cell before the cell it refers to
    EngineCell* pA1 = Formula("A1", "=B1*2");
    EngineCell* pB1 = Formula("B1", "=C1+1");
    EngineCell* pC1 = Formula("C1", "=D1");
    Number("D1", 4);
    // the constraint's references are no precedents: this is no cycle
    EngineCell* pE1 = Formula("E1", "=1;F1>0");
    EngineCell* pF1 = Formula("F1", "=E1");
    EngineRecalculate(m_h);
    EXPECT_EQ(ValueOf(pA1), "n:10");
    EXPECT_EQ(ValueOf(pB1), "n:5");
    EXPECT_EQ(ValueOf(pC1), "n:4");
    EXPECT_EQ(ValueOf(pF1), "n:1");
    EXPECT_FALSE(Sheet().bCycleFound);
    for (EngineCell* pCell : {pA1, pB1, pC1, pE1, pF1}) {
        EXPECT_EQ(pCell->nFlags & (kCellInProgress | kCellNeedsRecalc | kCellInCycle), 0u);
        EXPECT_EQ(pCell->nGeneration, 1u);
    }
    EXPECT_EQ(Sheet().nRecalcFlags, 0u);
}

TEST_F(Recalc, CircularReferencesAreMarkedAndIterated)
{
    EngineSetOption(m_h, kOptionBlankAsZero, 1);
    EngineCell* pA1 = Formula("A1", "=B1+1");
    EngineCell* pB1 = Formula("B1", "=A1+1");
    EngineCell* pC1 = Formula("C1", "=A1*10");  // uses the loop, is not part of it
    EngineCell* pD1 = Formula("D1", "=D1+1");
    EngineRecalculate(m_h);
    EXPECT_TRUE(Sheet().bCycleFound);
    EXPECT_NE(pA1->nFlags & kCellInCycle, 0u);
    EXPECT_NE(pB1->nFlags & kCellInCycle, 0u);
    EXPECT_EQ(pC1->nFlags & kCellInCycle, 0u);
    EXPECT_NE(pD1->nFlags & kCellInCycle, 0u);
    EXPECT_EQ(Sheet().nGeneration, 1u) << "no further pass with an iteration limit of 0";
    EXPECT_EQ(ValueOf(pB1), "n:1");
    EXPECT_EQ(ValueOf(pA1), "n:2");
    EXPECT_EQ(ValueOf(pC1), "n:20");

    EngineSetOption(m_h, kOptionIterationLimit, 5);
    EngineRecalculate(m_h);
    EXPECT_EQ(Sheet().nGeneration, 7u) << "one pass and five further ones";
    EXPECT_EQ(ValueOf(pB1), "n:13");
    EXPECT_EQ(ValueOf(pA1), "n:14");
    EXPECT_EQ(ValueOf(pD1), "n:7");

    // with constraint checking on, a pass that counts no violation ends the iteration
    EngineSetOption(m_h, kOptionConstraintCheck, 1);
    EngineRecalculate(m_h);
    EXPECT_EQ(Sheet().nGeneration, 8u);
}

TEST_F(Recalc, EveryFormulaOrOnDemand)
{
    Number("A1", 5);
    EngineCell* pB1 = Formula("B1", "=A1*2");
    EngineSetOption(m_h, kOptionRecalcMethod, 0);
    EngineRecalculate(m_h);
    EXPECT_EQ(ValueOf(pB1), "empty");
    EXPECT_NE(pB1->nFlags & kCellNeedsRecalc, 0u);
    EngineEvaluateWithPrecedents(m_h, pB1);
    EXPECT_EQ(ValueOf(pB1), "n:10");
    EXPECT_EQ(pB1->nFlags & kCellNeedsRecalc, 0u);
    EXPECT_NE(pB1->nFlags & kCellEvaluated, 0u);
    Number("A1", 6);
    EngineEvaluateWithPrecedents(m_h, pB1);
    EXPECT_EQ(ValueOf(pB1), "n:10") << "evaluated in this pass already";

    EngineSetOption(m_h, kOptionRecalcMethod, 1);
    EngineRecalculate(m_h);
    EXPECT_EQ(ValueOf(pB1), "n:12");
}

TEST_F(Recalc, ManualModeAndForcedRecalculation)
{
    Number("A1", 5);
    EngineCell* pB1 = Formula("B1", "=A1*2");
    EngineSetOption(m_h, kOptionRecalcMode, 1);
    EngineAddRecalcRange(m_h, Ref("A1"));
    EngineRecalculate(m_h);
    EXPECT_EQ(Sheet().pRecalcList, nullptr);
    EXPECT_EQ(ValueOf(pB1), "empty");
    EXPECT_EQ(Sheet().nGeneration, 0u);

    EngineForceRecalculate(m_h);
    EXPECT_EQ(ValueOf(pB1), "n:10");
    EXPECT_EQ(EngineGetOption(m_h, kOptionRecalcMode), 1);
    EXPECT_EQ(Sheet().nRecalcFlags, 0u);
}

TEST_F(Recalc, TheRecalculationListLimitsThePass)
{
    Number("A1", 1);
    Number("C5", 1);
    EngineCell* pB1 = Formula("B1", "=A1+1");
    EngineCell* pD5 = Formula("D5", "=C5+1");
    EngineCell* pF1 = Formula("F1", "=B1+1");  // refers to a cell the list does not name
    EngineRecalculate(m_h);
    EXPECT_EQ(ValueOf(pF1), "n:3");
    EXPECT_EQ(Sheet().nGeneration, 1u);

    Number("A1", 10);
    Number("C5", 10);
    EngineAddRecalcRange(m_h, Ref("A1..A3"));
    EXPECT_TRUE(EngineMustRecalculate(m_h, pB1));
    EXPECT_FALSE(EngineMustRecalculate(m_h, pD5));
    EXPECT_FALSE(EngineMustRecalculate(m_h, pF1));
    EngineRecalculate(m_h);
    EXPECT_EQ(Sheet().pRecalcList, nullptr);
    EXPECT_EQ(ValueOf(pB1), "n:11");
    EXPECT_EQ(ValueOf(pD5), "n:2") << "not marked";
    EXPECT_EQ(ValueOf(pF1), "n:12") << "its precedent has a newer stamp";

    // a listed cell is recalculated; a list that meets no formula is no work
    EngineAddRecalcRange(m_h, Ref("D5"));
    EngineRecalculate(m_h);
    EXPECT_EQ(ValueOf(pD5), "n:11");
    EXPECT_EQ(Sheet().nGeneration, 3u);
    EngineAddRecalcRange(m_h, Ref("Z100..Z200"));
    EngineRecalculate(m_h);
    EXPECT_EQ(Sheet().nGeneration, 3u);

    // through a name
    EngineCell* pG1 = Formula("G1", "=1");
    EngineDefineName(m_h, "Source", Ref("Z7"));
    EngineCell* pH1 = Formula("H1", "=Source+1");
    EngineAddRecalcRange(m_h, Ref("Z1..Z9"));
    EXPECT_TRUE(EngineMustRecalculate(m_h, pH1));
    EXPECT_FALSE(EngineMustRecalculate(m_h, pG1));
    EngineEmptyRecalcList(m_h);
}

TEST_F(Recalc, ConstraintViolationsAreCounted)
{
    EngineCell* pA1 = Formula("A1", "=1;0");
    Formula("A2", "=1;1");
    Formula("A3", "=1/0;0");  // an error value is not counted
    EXPECT_EQ(EngineRecalcPass(m_h), 0) << "checking is off";

    EngineSetOption(m_h, kOptionConstraintCheck, 1);
    EngineArmMessage(m_h);
    EXPECT_EQ(EngineRecalcPass(m_h), 1);
    EXPECT_STREQ(Sheet().szMessage, "There is 1 constraint violation!");
    EXPECT_NE(pA1->nFlags & kCellConstraintViolated, 0u);
    EXPECT_NE(pA1->nFlags & kCellChanged, 0u);
    EXPECT_FALSE(EngineCheckConstraint(m_h, pA1));

    EngineCell* pB1 = Formula("B1", "=2;A2>1");
    EngineArmMessage(m_h);
    EXPECT_EQ(EngineRecalcPass(m_h), 2);
    EXPECT_STREQ(Sheet().szMessage, "There are 2 constraint violations!");

    EngineStoreNumber(m_h, 2, 0, 5);
    pB1->nFlags &= ~kCellChanged;
    EXPECT_TRUE(EngineCheckConstraint(m_h, pB1));
    EXPECT_EQ(pB1->nFlags & kCellConstraintViolated, 0u);
    EXPECT_NE(pB1->nFlags & kCellChanged, 0u) << "the flag changed";
}

TEST_F(Recalc, AChainLongerThanAnyStack)
{
    const int32_t nRows = 100000;
    for (int32_t nRow = 1; nRow < nRows; nRow++)
        ASSERT_NE(EngineStoreFormula(m_h, nRow, 0, ("=A" + std::to_string(nRow + 1) + "+1").c_str()), nullptr);
    EngineStoreNumber(m_h, nRows, 0, 0);
    EngineRecalculate(m_h);
    EXPECT_EQ(ValueOf(Cell(1, 0)), "n:" + std::to_string(nRows - 1));
    EXPECT_EQ(ValueOf(Cell(nRows / 2, 0)), "n:" + std::to_string(nRows / 2));
    EXPECT_FALSE(Sheet().bCycleFound);
}
