// The sheet table, the options, the message slot, the recalculation list, and what releasing a sheet
// and resetting the engine free.
#include "EngineFixture.h"

#include "grid/formula/GXFormulaScanner.h"
#include "grid/formula/GXRangeNames.h"

#include <string>

using Sheets = EngineTest;

TEST_F(Sheets, HandlesReuseTheFirstFreeSlot)
{
    EXPECT_EQ(m_h, 1);
    const SheetHandle h2 = EngineCreateSheet();
    const SheetHandle h3 = EngineCreateSheet();
    EXPECT_EQ(h2, 2);
    EXPECT_EQ(h3, 3);
    EngineReleaseSheet(h2);
    EXPECT_EQ(EngineGetSheet(h2), nullptr);
    EXPECT_NE(RefusalOf([&] { EngineReleaseSheet(h2); }).find("handle 2"), std::string::npos);
    EXPECT_EQ(EngineCreateSheet(), 2);
    EXPECT_EQ(EngineGetSheet(0), nullptr);
    EXPECT_EQ(EngineGetSheet(4), nullptr);

    const EngineSheet& fresh = *EngineGetSheet(h3);
    EXPECT_EQ(fresh.nCellCount, 0);
    EXPECT_FALSE(fresh.bAreaValid);
    EXPECT_FALSE(fresh.bMessageArmed);
    for (EngineOption option : {kOptionRecalcMode, kOptionRecalcMethod, kOptionConstraintCheck, kOptionIterationLimit,
                                kOptionBlankAsZero})
        EXPECT_EQ(EngineGetOption(h3, option), 0);
}

TEST_F(Sheets, OptionsRefuseValuesOutsideTheirRange)
{
    const struct {
        EngineOption nOption;
        int32_t nMax;
    } options[] = {{kOptionRecalcMode, 1},
                   {kOptionRecalcMethod, 1},
                   {kOptionConstraintCheck, 1},
                   {kOptionIterationLimit, 100},
                   {kOptionBlankAsZero, 1}};
    for (const auto& o : options) {
        for (int32_t nValue : {0, o.nMax}) {
            EXPECT_TRUE(EngineSetOption(m_h, o.nOption, nValue)) << o.nOption;
            EXPECT_EQ(EngineGetOption(m_h, o.nOption), nValue);
        }
        for (int32_t nValue : {-1, o.nMax + 1}) {
            EXPECT_FALSE(EngineSetOption(m_h, o.nOption, nValue)) << o.nOption << " " << nValue;
            EXPECT_EQ(EngineGetOption(m_h, o.nOption), o.nMax) << "unchanged";
        }
    }
    EXPECT_EQ(Sheet().nIterationLimit, 100);
    EXPECT_NE(RefusalOf([&] { EngineSetOption(m_h, EngineOption(9), 0); }).find("option 9"), std::string::npos);
}

TEST_F(Sheets, MessageSlotKeepsTheFirstMessage)
{
    EXPECT_FALSE(EnginePutMessage(m_h, "before arming"));
    EXPECT_STREQ(Sheet().szMessage, "");
    EngineArmMessage(m_h);
    EXPECT_TRUE(EnginePutMessage(m_h, "Cell A1: first"));
    EXPECT_FALSE(Sheet().bMessageArmed);
    EXPECT_FALSE(EnginePutMessage(m_h, "Cell B1: second"));
    EXPECT_STREQ(Sheet().szMessage, "Cell A1: first");

    EngineArmMessage(m_h);
    EXPECT_TRUE(EnginePutMessage(m_h, std::string(300, 'm').c_str()));
    EXPECT_EQ(std::string(Sheet().szMessage), std::string(255, 'm')) << "cut to the buffer";
}

TEST_F(Sheets, RecalcListHoldsEachBlockOnce)
{
    CellRangeRef a, b;
    ASSERT_TRUE(EngineParseReference("A1..B2", &a));
    ASSERT_TRUE(EngineParseReference("$B$2:A1", &b));
    EngineAddRecalcRange(m_h, a);
    EngineAddRecalcRange(m_h, b);
    ASSERT_NE(Sheet().pRecalcList, nullptr);
    EXPECT_EQ(Sheet().pRecalcList->pNext, nullptr);
    ASSERT_TRUE(EngineParseReference("C3", &b));
    EngineAddRecalcRange(m_h, b);
    EXPECT_NE(Sheet().pRecalcList->pNext, nullptr);
    EngineEmptyRecalcList(m_h);
    EXPECT_EQ(Sheet().pRecalcList, nullptr);
}

TEST_F(Sheets, ReleaseFreesEverythingTheSheetHolds)
{
    EngineSetStyleCloner(CloneTestStyle);
    EngineStoreText(m_h, 1, 1, "a long text value here")->pStyle = new TestStyle(1);
    EngineStoreNumber(m_h, 2, 1, 2.0);
    EngineSetCellError(EngineStoreNumber(m_h, 3, 1, 0), 70, "own error text");
    EnginePlaceholder(m_h, 4, 1);
    EngineCell* pFormula = LinkFormulaCell(5, 1, MakeFormula({StringItem("x")}, "comment"));
    for (int32_t i = 0; i < 50; i++)
        EngineStoreNumber(m_h, 10 + i, 2, i);
    EngineDefineName(m_h, "Kept", EngineMakeReference(1, 1, 1, 1, CellRangeRef::kSingleCell));
    EngineDefineName(m_h, "Gone", EngineMakeReference(1, 1, 1, 1, CellRangeRef::kSingleCell));
    Sheet().bRecordUndo = true;
    EngineDeleteName(m_h, "Gone");
    Sheet().pRecordedCells = EngineCopyCell(nullptr, pFormula);
    EngineAddRecalcRange(m_h, EngineMakeReference(1, 1, 2, 2, 0));
    EXPECT_GT(EngineTrackedBlockCount(), 0);

    EngineReleaseSheet(m_h);
    EXPECT_EQ(EngineGetSheet(m_h), nullptr);
    EXPECT_EQ(EngineTrackedBlockCount(), 0);
    EXPECT_EQ(TestStyle::s_nLive, 0);
}

namespace {

class CountingTable : public GXFunctionTable {
public:
    explicit CountingTable(int* pDestroyed) : m_pDestroyed(pDestroyed) {}
    ~CountingTable() override { (*m_pDestroyed)++; }
    const GXFunctionDesc* Lookup(const char*) const override { return nullptr; }
    int* m_pDestroyed;
};

}  // namespace

TEST(EngineState, ResetFreesAbandonedWorkAndWhatWasInstalled)
{
    EngineResetProcessState();
    // blocks that nothing points at any more, as an abandoned evaluation leaves them
    EngineAlloc(100);
    EngineStrDup("orphan text");
    const SheetHandle h = EngineCreateSheet();
    EngineStoreText(h, 1, 1, "a text on the heap of the sheet");
    int nDestroyed = 0;
    EngineInstallFunctionTable(new CountingTable(&nDestroyed));
    EngineInstallFunctionTable(new CountingTable(&nDestroyed));
    EXPECT_EQ(nDestroyed, 1) << "installing a table deletes the one before";
    EngineState().m_bAltSyntax = true;
    ScanSetInput("A1+B2");
    ScanNextToken();

    EngineResetProcessState();
    EXPECT_EQ(EngineTrackedBlockCount(), 0);
    EXPECT_EQ(nDestroyed, 2);
    EXPECT_EQ(EngineGetSheet(h), nullptr);
    EXPECT_FALSE(EngineState().m_bAltSyntax);
    EXPECT_EQ(ScanState().m_nReadPos, 0);
    EXPECT_EQ(EngineCreateSheet(), 1);
    EngineResetProcessState();
}

TEST(EngineState, TrackedBlocks)
{
    EngineResetProcessState();
    char* pszText = EngineStrDup("abcdef", 3);
    EXPECT_STREQ(pszText, "abc");
    EXPECT_STREQ(EngineStrDup(nullptr), "");
    void* pBlock = EngineAlloc(0);
    EXPECT_EQ(EngineTrackedBlockCount(), 3);
    EngineFree(pszText);
    EngineFree(pBlock);
    EngineFree(nullptr);
    EXPECT_EQ(EngineTrackedBlockCount(), 1);
    EngineFreeTrackedBlocks();
    EXPECT_EQ(EngineTrackedBlockCount(), 0);
}
