// Structural changes: references follow inserted, removed, copied and moved rows, columns and blocks;
// cells move with them; named ranges follow; undo recording keeps what an operation drops; saved
// cells go back; sorting reorders cells and single-cell references.
#include "FormulaFixture.h"

#include "grid/formula/GXBlockOps.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class BlockOps : public FormulaTest {
protected:
    // A fresh sheet in place of the current one.
    void Renew()
    {
        EngineReleaseSheet(m_h);
        m_h = EngineCreateSheet();
    }

    EngineCell* At(const char* pszRef)
    {
        const CellRangeRef ref = Ref(pszRef);
        return Cell(ref.Top(), ref.Left());
    }

    void Put(const char* pszRef, const char* pszFormula)
    {
        const CellRangeRef ref = Ref(pszRef);
        ASSERT_NE(EngineStoreFormula(m_h, ref.Top(), ref.Left(), pszFormula), nullptr) << pszFormula;
    }

    void PutNumber(const char* pszRef, double d)
    {
        const CellRangeRef ref = Ref(pszRef);
        EngineStoreNumber(m_h, ref.Top(), ref.Left(), d);
    }

    // The printed formula at pszRef, "number <n>" for a number, or "none".
    std::string At_(const char* pszRef)
    {
        const EngineCell* pCell = At(pszRef);
        if (pCell == nullptr)
            return "none";
        if (pCell->pFormula == nullptr)
            return ValueOf(pCell);
        return S(EnginePrintFormula(pCell->pFormula));
    }

    // The recorded cells as "<ref> <formula or value>", newest first.
    std::vector<std::string> Recorded()
    {
        std::vector<std::string> texts;
        for (const EngineCell* p = Sheet().pRecordedCells; p != nullptr; p = p->pNext) {
            std::string text = EngineReferenceText(EngineMakeReference(p->nRow, p->nCol, p->nRow, p->nCol,
                                                                       CellRangeRef::kSingleCell));
            text += " " + (p->pFormula != nullptr ? S(EnginePrintFormula(p->pFormula)) : ValueOf(p));
            texts.push_back(text);
        }
        return texts;
    }
};

}  // namespace

TEST_F(BlockOps, ReferencesFollowTheChange)
{
    struct Case {
        const char* pszFormula;
        const char* pszCell;  // where the formula is put
        std::function<void(SheetHandle)> change;
        const char* pszAfterCell;  // where it is afterwards
        const char* pszExpected;
    };
    const Case cases[] = {
        {"=A5", "C1", [](SheetHandle h) { EngineInsertRows(h, 3, 2); }, "C1", "=A7"},
        {"=A5", "C1", [](SheetHandle h) { EngineInsertRows(h, 6, 2); }, "C1", "=A5"},
        {"=A5..B6", "C1", [](SheetHandle h) { EngineInsertRows(h, 2, 1); }, "C1", "=A6..B7"},
        {"=A5", "C9", [](SheetHandle h) { EngineInsertRows(h, 3, 2); }, "C11", "=A7"},
        {"=$A$5", "C1", [](SheetHandle h) { EngineCopyBlock(h, Ref("C1"), 2, 3); }, "D2", "=$A$5"},
        {"=A5", "C1", [](SheetHandle h) { EngineCopyBlock(h, Ref("C1"), 2, 3); }, "D2", "=B6"},
        {"=A$5", "C1", [](SheetHandle h) { EngineCopyBlock(h, Ref("C1"), 2, 3); }, "D2", "=B$5"},
        {"=$A5..B$6", "C1", [](SheetHandle h) { EngineCopyBlock(h, Ref("C1"), 2, 3); }, "D2", "=$A6..C$6"},
        {"=A10", "C1", [](SheetHandle h) { EngineRemoveRows(h, 2, 2); }, "C1", "=A8"},
        {"=A2", "C1", [](SheetHandle h) { EngineRemoveRows(h, 2, 2); }, "C1", "=A2"},
        {"=A5", "C1", [](SheetHandle h) { EngineMoveRowsOrCols(h, true, 5, 5, 2); }, "C1", "=A2"},
        {"=A2", "C1", [](SheetHandle h) { EngineMoveRowsOrCols(h, true, 5, 5, 2); }, "C1", "=A3"},
        {"=A3", "C1", [](SheetHandle h) { EngineMoveRowsOrCols(h, true, 2, 2, 5); }, "C1", "=A2"},
        {"=A7", "C1", [](SheetHandle h) { EngineMoveRowsOrCols(h, true, 2, 2, 5); }, "C1", "=A7"},
        {"=E1", "A2", [](SheetHandle h) { EngineInsertCols(h, 2, 2); }, "A2", "=G1"},
        {"=E1", "A2", [](SheetHandle h) { EngineRemoveCols(h, 1, 3); }, "A2", "=B1"},
        {"=A1", "C1", [](SheetHandle h) { EngineMoveBlock(h, Ref("A1..B2"), 4, 1, false); }, "C1", "=B4"},
        {"=A1..C1", "D9", [](SheetHandle h) { EngineMoveBlock(h, Ref("A1..B2"), 4, 1, false); }, "D9", "=A1..C1"},
        {"=A8388607", "C1", [](SheetHandle h) { EngineInsertRows(h, 2, 1); }, "C1", "=??"},
        {"=FAN1", "A1", [](SheetHandle h) { EngineInsertCols(h, 1, 1); }, "A1", "=??"},
        {"=A5", "C1", [](SheetHandle h) { EngineInsertRows(h, 2, kEngineMaxRow); }, "C1", "=??"},
    };
    for (const Case& c : cases) {
        Renew();
        PutNumber("A2", 2);  // rows moved with nothing in them leave every reference alone
        Put(c.pszCell, c.pszFormula);
        c.change(m_h);
        EXPECT_EQ(At_(c.pszAfterCell), c.pszExpected) << c.pszFormula << " in " << c.pszCell;
        if (std::string(c.pszExpected) == "=??") {
            EngineCell* pCell = At(c.pszAfterCell);
            EngineComputeCell(m_h, pCell);
            EXPECT_EQ(ValueOf(pCell), "e:89") << c.pszFormula;
        }
    }
}

TEST_F(BlockOps, CellsMoveAndReadTheirNewNeighbours)
{
    PutNumber("A2", 2);
    PutNumber("A3", 3);
    PutNumber("A10", 10);
    Put("C1", "=A10+A2");
    EngineRemoveRows(m_h, 2, 2);
    EXPECT_EQ(At_("A2"), "none");
    EXPECT_EQ(At_("A8"), "n:10");
    EXPECT_EQ(At_("C1"), "=A8+A2");
    // the removed cells are kept for undo even though the switch is off
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"A3 n:3", "A2 n:2"}));
    EXPECT_TRUE(Sheet().bRangeRecorded);
    EXPECT_EQ(std::string(EngineReferenceText(Sheet().recordedRange)), "A2..FAN3");

    PutNumber("A2", 7);
    EngineComputeCell(m_h, At("C1"));
    EXPECT_EQ(ValueOf(At("C1")), "n:17");
    // a copy that would land off the sheet is dropped
    EngineCopyBlock(m_h, Ref("A2..A8"), kEngineMaxRow - 1, 0);
    EXPECT_EQ(At_("A8388606"), "n:7");
    EXPECT_EQ(Cell(kEngineMaxRow, 0), nullptr);
}

TEST_F(BlockOps, NamedRangesFollowUnlessKept)
{
    EngineDefineName(m_h, "Price", Ref("B5"));
    EngineDefineName(m_h, "Table", Ref("A2..C8"));
    EngineInsertRows(m_h, 3, 2);
    EXPECT_EQ(std::string(EngineReferenceText(EngineFindName(m_h, "Price")->ref)), "B7");
    EXPECT_EQ(std::string(EngineReferenceText(EngineFindName(m_h, "Table")->ref)), "A2..C10");
    EngineMoveBlock(m_h, Ref("B7"), 1, 5, true);
    EXPECT_EQ(std::string(EngineReferenceText(EngineFindName(m_h, "Price")->ref)), "B7");
    EngineMoveBlock(m_h, Ref("B7"), 1, 5, false);
    EXPECT_EQ(std::string(EngineReferenceText(EngineFindName(m_h, "Price")->ref)), "F1");
    EngineMoveRowsOrCols(m_h, false, 5, 5, 0);
    EXPECT_EQ(std::string(EngineReferenceText(EngineFindName(m_h, "Price")->ref)), "A1");
}

TEST_F(BlockOps, RecordingKeepsWhatTheOperationDrops)
{
    Sheet().bRecordUndo = true;
    PutNumber("A1", 1);
    PutNumber("D4", 4);  // overwritten by the move
    Put("E9", "=A1*2");  // rewritten: its reference moves with A1
    Put("F9", "=D4");    // meets the destination: recorded, left alone
    EngineMoveBlock(m_h, Ref("A1"), 4, 3, false);
    EXPECT_EQ(At_("D4"), "n:1");
    EXPECT_EQ(At_("E9"), "=D4*2");
    EXPECT_EQ(At_("F9"), "=D4");
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"D4 n:4", "F9 =D4", "E9 =A1*2"}));

    // putting the saved cells back restores them as they were
    EngineCell* pSaved = Sheet().pRecordedCells;
    Sheet().pRecordedCells = nullptr;
    Sheet().bRecordUndo = false;
    EngineMoveBlock(m_h, Ref("D4"), 1, 0, false);
    EngineRestoreCells(m_h, pSaved);
    EngineFreeCellList(pSaved);
    EXPECT_EQ(At_("A1"), "n:1");
    EXPECT_EQ(At_("D4"), "n:4");
    EXPECT_EQ(At_("E9"), "=A1*2");
    EXPECT_EQ(At_("F9"), "=D4");
    EXPECT_EQ(Sheet().pRecordedCells, nullptr);
}

TEST_F(BlockOps, RestoringKeepsTheOldestCellOfAPlaceAndRecordsWhatItReplaces)
{
    PutNumber("B2", 1);
    Sheet().bRecordUndo = true;
    EngineClearBlock(m_h, Ref("B2"));  // saves 1
    PutNumber("B2", 2);
    EngineClearBlock(m_h, Ref("B2"));  // saves 2, newer
    PutNumber("B2", 3);
    EngineCell* pSaved = Sheet().pRecordedCells;
    Sheet().pRecordedCells = nullptr;
    EngineRestoreCells(m_h, pSaved);
    EngineFreeCellList(pSaved);
    EXPECT_EQ(At_("B2"), "n:1");
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"B2 n:3"}));
}

TEST_F(BlockOps, PlaceholdersMarkVacatedPlaces)
{
    Sheet().bPlaceholders = true;
    PutNumber("A1", 1);
    PutNumber("A2", 2);
    EngineMoveBlock(m_h, Ref("A1..A2"), 2, 0, false);
    EXPECT_EQ(At("A1")->Type(), kCellPlaceholder);
    EXPECT_NE(At("A1")->nFlags & kCellChanged, 0u);
    EXPECT_EQ(At_("A3"), "n:2");
    EngineClearBlock(m_h, Ref("A2..A3"));
    EXPECT_EQ(At("A3")->Type(), kCellPlaceholder);
}

TEST_F(BlockOps, ReorderAfterSortMovesCellsAndSingleCellReferences)
{
    PutNumber("A1", 10);
    PutNumber("A2", 20);
    PutNumber("A3", 30);
    Put("C5", "=A1+A3..B3+A1..A3");
    // the line at offset 2 comes first, then 0, then 1
    EngineReorderAfterSort(m_h, true, Ref("A1..B3"), false, {2, 0, 1});
    EXPECT_EQ(At_("A1"), "n:30");
    EXPECT_EQ(At_("A2"), "n:10");
    EXPECT_EQ(At_("A3"), "n:20");
    EXPECT_EQ(At_("C5"), "=A2+A1..B1+A1..A3");
    EngineComputeCell(m_h, At("C5"));

    EXPECT_EQ(RefusalOf([&] { EngineReorderAfterSort(m_h, true, Ref("A1..B3"), false, {0, 0, 1}); }),
              "EngineReorderAfterSort: entry 1 of the move map (0) does not make an order");
    EXPECT_EQ(At_("A1"), "n:30");
}

TEST_F(BlockOps, BadArgumentsAreRefused)
{
    EXPECT_EQ(RefusalOf([&] { EngineInsertRows(m_h, 0, 1); }), "EngineInsertRows: row 0 is off the sheet");
    EXPECT_EQ(RefusalOf([&] { EngineRemoveCols(m_h, 4096, 1); }), "EngineRemoveCols: column 4096 is off the sheet");
    EXPECT_EQ(RefusalOf([&] { EngineMoveBlock(m_h, Ref("A1"), 0, 0, false); }),
              "EngineMoveBlock: row 0, column 0 is off the sheet");
    EXPECT_EQ(RefusalOf([&] { EngineMoveRowsOrCols(m_h, true, 5, 4, 1); }),
              "EngineMoveRowsOrCols: first line 5 lies behind last line 4");
    EXPECT_EQ(RefusalOf([&] { EngineMoveRowsOrCols(m_h, true, 1, 2, kEngineMaxRow); }),
              "EngineMoveRowsOrCols: lines 1 to 2 moved to 8388607 leave the sheet");
}
