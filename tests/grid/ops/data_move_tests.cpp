// The stored-data moves: copying and moving blocks of stored cell styles (and moving them back with
// what the move overwrote), and putting stored rows and columns into a sorted order.
#include "undo_test_support.h"

#include "grid/ops/GXDataCopyMoveCellsImp.h"

#include <map>
#include <utility>

namespace {

using Cell = std::pair<ROWCOL, ROWCOL>;

// A cell store of 12 rows by 8 columns; the modules of the grid operations installed.
class DataMoveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGridOperations();
        data.SetRowCount(12);
        data.SetColCount(8);
    }
    void Put(ROWCOL nRow, ROWCOL nCol, const char* pszValue, int nKind = CGXData::gxCellStyle)
    {
        CGXStyle style;
        style.SetValue(pszValue);
        data.StoreCellStyle(nRow, nCol, &style, CGXStyle::gxCopy, nKind);
    }
    // Every stored cell value, by cell.
    std::map<Cell, std::string> Values() const
    {
        std::map<Cell, std::string> values;
        const CGXStylePtrArrayPtrArray& cells = data.GetCellStyles();
        for (int32_t r = 0; r < cells.GetSize(); ++r)
            for (int32_t c = 0; cells.GetRow(r) != nullptr && c < cells.GetRow(r)->GetSize(); ++c)
                if (const CGXStyle* pStyle = cells.GetRow(r)->GetStyle(c))
                    values[{ROWCOL(r), ROWCOL(c)}] = pStyle->GetValueRef().GetString();
        return values;
    }
    const CGXStyle* StyleAt(ROWCOL nRow, ROWCOL nCol) const
    {
        const CGXStylePtrArray* pRow = data.GetCellStyles().GetRow(int32_t(nRow));
        return pRow != nullptr ? pRow->GetStyle(int32_t(nCol)) : nullptr;
    }
    // Fills rows 1..3, columns 1..3 with "11" .. "33".
    void FillBlock()
    {
        for (ROWCOL r = 1; r <= 3; ++r)
            for (ROWCOL c = 1; c <= 3; ++c)
                Put(r, c, (std::to_string(r) + std::to_string(c)).c_str());
    }

    CGXData data;
};

CDWordArray Map(std::initializer_list<DWORD> entries)
{
    CDWordArray map;
    for (DWORD n : entries)
        map.Add(n);
    return map;
}

}  // namespace

TEST_F(DataMoveTest, MovingOntoStyledCellsAndBackWithTheRecordRestoresBothBlocks)
{
    struct Case {
        ROWCOL nDestRow, nDestCol;
    };
    // apart, and overlapping the source on each side
    const Case cases[] = {{5, 5}, {2, 2}, {1, 2}, {0, 0}, {3, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "to " << c.nDestRow << "," << c.nDestCol);
        data.DeleteAllStyles();
        FillBlock();
        for (ROWCOL r = 0; r <= 7; ++r)
            for (ROWCOL col = 0; col <= 7; ++col)
                if (!CGXCellRange(1, 1, 3, 3).IsCellInRange(r, col) && (r + col) % 2 == 0)
                    Put(r, col, "t");
        const std::map<Cell, std::string> before = Values();
        const CGXStyle* pCorner = StyleAt(1, 1);

        CObject* pInfo = nullptr;
        ASSERT_TRUE(data.MoveCells(CGXCellRange(1, 1, 3, 3), c.nDestRow, c.nDestCol, pInfo, TRUE));
        ASSERT_NE(dynamic_cast<CGXDataUndoMoveCellsInfo*>(pInfo), nullptr);
        EXPECT_EQ(StyleAt(c.nDestRow, c.nDestCol), pCorner) << "the style itself moves";
        for (ROWCOL r = 0; r < 3; ++r)
            for (ROWCOL col = 0; col < 3; ++col)
                EXPECT_EQ(data.GetCellStyles().GetRow(int32_t(c.nDestRow + r))->GetStyle(int32_t(c.nDestCol + col))
                              ->GetValueRef(),
                          CString(before.at({1 + r, 1 + col}).c_str()));

        ASSERT_TRUE(data.MoveCells(CGXCellRange(c.nDestRow, c.nDestCol, c.nDestRow + 2, c.nDestCol + 2), 1, 1, pInfo,
                                   TRUE));
        EXPECT_EQ(Values(), before);
        EXPECT_EQ(StyleAt(1, 1), pCorner);
        delete pInfo;
    }
}

TEST_F(DataMoveTest, AMoveWithoutRecordDeletesWhatItOverwrites)
{
    Put(1, 1, "a");
    Put(4, 4, "old");
    CObject* pInfo = nullptr;
    ASSERT_TRUE(data.MoveCells(CGXCellRange(1, 1, 1, 1), 4, 4, pInfo, FALSE));
    EXPECT_EQ(pInfo, nullptr);
    EXPECT_EQ(Values(), (std::map<Cell, std::string>{{{4, 4}, "a"}}));
}

TEST_F(DataMoveTest, ACopyGivesEveryTargetTheSourceCellsStyleOrNone)
{
    Put(1, 1, "a");
    Put(1, 3, "c");
    Put(6, 1, "p");
    Put(6, 2, "q");
    ASSERT_TRUE(data.CopyCells(CGXCellRange(1, 1, 1, 3), 6, 1));
    EXPECT_EQ(Values(), (std::map<Cell, std::string>{{{1, 1}, "a"}, {{1, 3}, "c"}, {{6, 1}, "a"}, {{6, 3}, "c"}}));
    EXPECT_NE(StyleAt(6, 1), StyleAt(1, 1)) << "a copy";
}

TEST_F(DataMoveTest, ACopyBeyondTheCellArrayMakesOnlyTheRowsThatReceiveStyles)
{
    Put(1, 1, "a");
    Put(3, 1, "c");
    ASSERT_EQ(data.GetCellStyles().GetSize(), 4);
    ASSERT_TRUE(data.CopyCells(CGXCellRange(1, 1, 3, 2), 7, 1));
    EXPECT_EQ(Values(), (std::map<Cell, std::string>{{{1, 1}, "a"}, {{3, 1}, "c"}, {{7, 1}, "a"}, {{9, 1}, "c"}}));
    EXPECT_EQ(data.GetCellStyles().GetRow(8), nullptr);
}

TEST_F(DataMoveTest, AnOverlappingCopyReadsTheSourceAsItWasBefore)
{
    const std::pair<int, int> shifts[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, -1}, {2, -1}};
    for (const auto& [dr, dc] : shifts) {
        SCOPED_TRACE(::testing::Message() << "shift " << dr << "," << dc);
        data.DeleteAllStyles();
        FillBlock();
        const std::map<Cell, std::string> before = Values();
        ASSERT_TRUE(data.CopyCells(CGXCellRange(1, 1, 3, 3), ROWCOL(1 + dr), ROWCOL(1 + dc)));
        std::map<Cell, std::string> expected = before;
        for (const auto& [cell, value] : before)
            expected[{ROWCOL(int(cell.first) + dr), ROWCOL(int(cell.second) + dc)}] = value;
        EXPECT_EQ(Values(), expected);
    }
}

TEST_F(DataMoveTest, ReorderingRowsMovesTheirCellsAndBaseStyles)
{
    for (ROWCOL r : {5, 6, 7}) {
        Put(r, 1, ("r" + std::to_string(r)).c_str());
        Put(r, 0, ("b" + std::to_string(r)).c_str(), CGXData::gxBaseStyle);
    }
    CDWordArray map = Map({2, 0, 1});
    ASSERT_TRUE(data.ReorderRowsAfterSort(CGXCellRange(5, 1, 7, 1), map));
    EXPECT_EQ(Values(), (std::map<Cell, std::string>{{{5, 1}, "r7"}, {{6, 1}, "r5"}, {{7, 1}, "r6"}}));
    for (const auto& [nRow, pszBase] : {std::pair<ROWCOL, const char*>{5, "b7"}, {6, "b5"}, {7, "b6"}})
        EXPECT_EQ(StoredValue(data, nRow, 0, CGXData::gxBaseStyle), pszBase);
}

TEST_F(DataMoveTest, ABlockPastTheEndOfTheCellArrayLeavesNoTrailingEmptyRows)
{
    struct Case {
        std::initializer_list<DWORD> map;
        int32_t nSize;  // the cell array's length afterwards
    };
    // rows 4 and 5 hold styles; the block is rows 4..7
    const Case cases[] = {{{1, 0, 3, 2}, 6}, {{2, 3, 0, 1}, 8}, {{2, 0, 3, 1}, 8}, {{0, 2, 1, 3}, 7}};
    for (const Case& c : cases) {
        data.GetCellStyles().DeleteAll();
        Put(4, 1, "four");
        Put(5, 1, "five");
        ASSERT_EQ(data.GetCellStyles().GetSize(), 6);
        CDWordArray map = Map(c.map);
        ASSERT_TRUE(data.ReorderRowsAfterSort(CGXCellRange(4, 1, 7, 1), map));
        EXPECT_EQ(data.GetCellStyles().GetSize(), c.nSize);
        EXPECT_EQ(Values().size(), 2u);
    }
}

TEST_F(DataMoveTest, ReorderingColumnsMovesTheHeaderRowAndTheColumnBaseStyles)
{
    Put(0, 1, "A");
    Put(0, 2, "B");
    Put(3, 2, "b3");
    Put(0, 1, "base A", CGXData::gxBaseStyle);
    CDWordArray map = Map({1, 0});
    ASSERT_TRUE(data.ReorderColsAfterSort(CGXCellRange(1, 1, 5, 2), map));
    EXPECT_EQ(Values(), (std::map<Cell, std::string>{{{0, 1}, "B"}, {{0, 2}, "A"}, {{3, 1}, "b3"}}));
    EXPECT_EQ(StoredValue(data, 0, 2, CGXData::gxBaseStyle), "base A");
    EXPECT_EQ(StoredValue(data, 0, 1, CGXData::gxBaseStyle), "-");
}

TEST_F(DataMoveTest, AMapThatIsNoOrderIsRefusedBeforeAnythingMoves)
{
    FillBlock();
    const std::map<Cell, std::string> before = Values();
    for (std::initializer_list<DWORD> entries : {std::initializer_list<DWORD>{0, 0, 1}, {0, 1, 3}, {2, 2, 2}}) {
        CDWordArray map = Map(entries);
        EXPECT_FALSE(data.ReorderRowsAfterSort(CGXCellRange(1, 1, 3, 3), map));
        EXPECT_FALSE(data.ReorderColsAfterSort(CGXCellRange(1, 1, 3, 3), map));
        EXPECT_EQ(Values(), before);
    }
}
