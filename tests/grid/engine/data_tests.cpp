// The cell data store: counts that follow what is stored, addressing of cells and base styles, merge
// modes, row and column insertion, removal and moves, copies and number recognition.
#include "wine_gtest.h"

#include "grid/engine/GXData.h"

#include "Throws.h"
#include "grid_test_support.h"

#include <functional>
#include <string>

namespace {

CGXStyle ValueStyle(const char* pszValue)
{
    CGXStyle style;
    style.SetValue(pszValue);
    return style;
}

// Stores "r<row>" in column 1 and as the row's base style for rows 1..nRows.
void FillRows(CGXData& data, ROWCOL nRows)
{
    for (ROWCOL r = 1; r <= nRows; ++r) {
        const CGXStyle style = ValueStyle(("r" + std::to_string(r)).c_str());
        data.StoreCellStyle(r, 1, &style, CGXStyle::gxOverride, CGXData::gxCellStyle);
        data.StoreCellStyle(r, 0, &style, CGXStyle::gxOverride, CGXData::gxBaseStyle);
    }
}

// Stores "c<col>" in row 1 and as the column's base style for columns 1..nCols.
void FillCols(CGXData& data, ROWCOL nCols)
{
    for (ROWCOL c = 1; c <= nCols; ++c) {
        const CGXStyle style = ValueStyle(("c" + std::to_string(c)).c_str());
        data.StoreCellStyle(1, c, &style, CGXStyle::gxOverride, CGXData::gxCellStyle);
        data.StoreCellStyle(0, c, &style, CGXStyle::gxOverride, CGXData::gxBaseStyle);
    }
}

// "r1 r4 ..." of the cells of column 1 (rows) and, separately checked, of the row base styles.
std::string RowValues(const CGXData& data, ROWCOL nRows, int nKind)
{
    std::string s;
    for (ROWCOL r = 1; r <= nRows; ++r)
        s += std::string(r > 1 ? " " : "") + StoredValue(data, r, nKind == CGXData::gxBaseStyle ? 0 : 1, nKind).GetString();
    return s;
}

std::string ColValues(const CGXData& data, ROWCOL nCols, int nKind)
{
    std::string s;
    for (ROWCOL c = 1; c <= nCols; ++c)
        s += std::string(c > 1 ? " " : "") + StoredValue(data, nKind == CGXData::gxBaseStyle ? 0 : 1, c, nKind).GetString();
    return s;
}

}  // namespace

TEST(Data, StoringGrowsTheCountsEvenForANullStyle)
{
    const CGXStyle value = ValueStyle("x");
    for (const CGXStyle* pStyle : {static_cast<const CGXStyle*>(nullptr), &value}) {
        SCOPED_TRACE(pStyle != nullptr ? "a style" : "null");
        CGXData data;
        EXPECT_TRUE(data.StoreCellStyle(100, 3, pStyle, CGXStyle::gxOverride, CGXData::gxCellStyle));
        EXPECT_EQ(data.GetRowCount(), 100u);
        EXPECT_EQ(data.GetColCount(), 3u);
        EXPECT_EQ(StoredValue(data, 100, 3), pStyle != nullptr ? "x" : "-");
    }
}

TEST(Data, ReadsFindOnlyWhatWasStored)
{
    CGXData data;
    const CGXStyle value = ValueStyle("x");
    data.StoreCellStyle(5, 5, &value, CGXStyle::gxOverride, CGXData::gxCellStyle);
    CGXStyle out;
    EXPECT_FALSE(data.GetCellStyle(2, 2, out, CGXStyle::gxCopy, CGXData::gxCellStyle));  // inside, never stored
    EXPECT_FALSE(data.GetCellStyle(6, 1, out, CGXStyle::gxCopy, CGXData::gxCellStyle));  // beyond the counts
    EXPECT_FALSE(data.GetCellStyle(5, 5, out, CGXStyle::gxCopy, CGXData::gxBaseStyle));  // no row base style
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_EQ(StoredValue(data, 5, 5), "x");

    // row 0 with kind -1 addresses the column's base style, any other row the row's
    const CGXStyle col = ValueStyle("col"), row = ValueStyle("row");
    data.StoreCellStyle(0, 4, &col, CGXStyle::gxOverride, CGXData::gxBaseStyle);
    data.StoreCellStyle(4, 0, &row, CGXStyle::gxOverride, CGXData::gxBaseStyle);
    EXPECT_EQ(StoredValue(data, 0, 4, CGXData::gxBaseStyle), "col");
    EXPECT_EQ(StoredValue(data, 4, 0, CGXData::gxBaseStyle), "row");
    EXPECT_EQ(StoredValue(data, 4, 4, CGXData::gxBaseStyle), "row");

    // nothing can be stored where no array reaches; reading there finds nothing
    EXPECT_TRUE(Throws<CMemoryException>(
        [&] { data.StoreCellStyle(0x80000000u, 1, &value, CGXStyle::gxOverride, CGXData::gxCellStyle); }));
    EXPECT_FALSE(data.GetCellStyle(0x80000000u, 1, out, CGXStyle::gxCopy, CGXData::gxCellStyle));
}

TEST(Data, MergeModesOfStoringAndReading)
{
    CGXData data;
    CGXStyle first;
    first.SetValue("v").SetWrapText(TRUE);
    // mode 3 (exclude) into nothing stores nothing, at a cell and at a base style
    data.StoreCellStyle(1, 1, &first, CGXStyle::gxExclude, CGXData::gxCellStyle);
    data.StoreCellStyle(1, 0, &first, CGXStyle::gxExclude, CGXData::gxBaseStyle);
    CGXStyle out;
    EXPECT_FALSE(data.GetCellStyle(1, 1, out, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_FALSE(data.GetCellStyle(1, 0, out, CGXStyle::gxCopy, CGXData::gxBaseStyle));

    data.StoreCellStyle(1, 1, &first, CGXStyle::gxOverride, CGXData::gxCellStyle);
    CGXStyle second;
    second.SetValue("w").SetReadOnly(TRUE);
    data.StoreCellStyle(1, 1, &second, CGXStyle::gxApplyNew, CGXData::gxCellStyle);  // keeps "v", adds ReadOnly
    CGXStyle wrapOnly;
    wrapOnly.SetWrapText(FALSE);
    data.StoreCellStyle(1, 1, &wrapOnly, CGXStyle::gxExclude, CGXData::gxCellStyle);  // drops WrapText

    CGXStyle stored;
    ASSERT_TRUE(data.GetCellStyle(1, 1, stored, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_STREQ(stored.GetValueRef(), "v");
    EXPECT_TRUE(stored.GetIncludeReadOnly());
    EXPECT_FALSE(stored.GetIncludeWrapText());

    // reading in mode 1 merges into what the caller has; mode 2 replaces it
    CGXStyle caller;
    caller.SetValue("mine").SetMaxLength(3);
    ASSERT_TRUE(data.GetCellStyle(1, 1, caller, CGXStyle::gxApplyNew, CGXData::gxCellStyle));
    EXPECT_STREQ(caller.GetValueRef(), "mine");
    EXPECT_TRUE(caller.GetIncludeReadOnly());
    ASSERT_TRUE(data.GetCellStyle(1, 1, caller, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_STREQ(caller.GetValueRef(), "v");
    EXPECT_FALSE(caller.GetIncludeMaxLength());

    // a null style deletes what is stored
    data.StoreCellStyle(1, 1, nullptr, CGXStyle::gxOverride, CGXData::gxCellStyle);
    EXPECT_EQ(StoredValue(data, 1, 1), "-");
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { data.StoreCellStyle(1, 1, &first, 4, CGXData::gxCellStyle); }));
}

TEST(Data, CuttingTheRowCountDeletesTheRowsBeyond)
{
    CGXData data;
    FillRows(data, 10);
    ASSERT_EQ(data.GetRowCount(), 10u);
    data.SetRowCount(4);
    EXPECT_EQ(data.GetRowCount(), 4u);
    data.SetRowCount(10);  // the rows come back empty
    EXPECT_EQ(RowValues(data, 10, CGXData::gxCellStyle), "r1 r2 r3 r4 - - - - - -");
    EXPECT_EQ(RowValues(data, 10, CGXData::gxBaseStyle), "r1 r2 r3 r4 - - - - - -");

    CGXData cols;
    FillCols(cols, 6);
    cols.SetColCount(2);
    cols.SetColCount(6);
    EXPECT_EQ(ColValues(cols, 6, CGXData::gxCellStyle), "c1 c2 - - - -");
    EXPECT_EQ(ColValues(cols, 6, CGXData::gxBaseStyle), "c1 c2 - - - -");
}

TEST(Data, RemovingRowsBeyondTheCountKeepsTheRowsBefore)
{
    // removing rows 8..20 of 10 rows leaves 7 rows (not 10 - 13 clipped to 0)
    CGXData data;
    FillRows(data, 10);
    data.RemoveRows(8, 20);
    EXPECT_EQ(data.GetRowCount(), 7u);
    EXPECT_EQ(RowValues(data, 7, CGXData::gxCellStyle), "r1 r2 r3 r4 r5 r6 r7");
    data.RemoveRows(9, 9);  // beyond the count: nothing
    EXPECT_EQ(data.GetRowCount(), 7u);
    data.RemoveRows(2, 3);
    EXPECT_EQ(data.GetRowCount(), 5u);
    EXPECT_EQ(RowValues(data, 5, CGXData::gxCellStyle), "r1 r4 r5 r6 r7");
}

TEST(Data, InsertingRowsAndColumnsShiftsWhatLiesBehind)
{
    CGXData rows;
    FillRows(rows, 4);
    rows.InsertRows(2, 2);
    EXPECT_EQ(rows.GetRowCount(), 6u);
    EXPECT_EQ(RowValues(rows, 6, CGXData::gxCellStyle), "r1 - - r2 r3 r4");
    EXPECT_EQ(RowValues(rows, 6, CGXData::gxBaseStyle), "r1 - - r2 r3 r4");

    CGXData cols;
    FillCols(cols, 4);
    cols.InsertCols(4, 1);
    cols.InsertCols(50, 3);  // beyond what is stored: only the count grows
    EXPECT_EQ(cols.GetColCount(), 8u);
    EXPECT_EQ(ColValues(cols, 5, CGXData::gxCellStyle), "c1 c2 c3 - c4");
    EXPECT_EQ(ColValues(cols, 5, CGXData::gxBaseStyle), "c1 c2 c3 - c4");
}

TEST(Data, MovingABlockOfRowsOrColumns)
{
    struct Case {
        ROWCOL from, to, dest;
        const char* expected;
    } cases[] = {
        {2, 3, 6, "r1 r4 r5 r6 r7 r2 r3"},  // down: the rows behind close up
        {5, 6, 2, "r1 r5 r6 r2 r3 r4 r7"},  // up
        {3, 3, 3, "r1 r2 r3 r4 r5 r6 r7"},  // onto itself: nothing
        {2, 5, 3, "r1 r6 r2 r3 r4 r5 r7"},  // into its own range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " to " << c.dest);
        CGXData rows;
        FillRows(rows, 7);
        rows.MoveRows(c.from, c.to, c.dest);
        EXPECT_EQ(rows.GetRowCount(), 7u);
        EXPECT_EQ(RowValues(rows, 7, CGXData::gxCellStyle), c.expected);
        EXPECT_EQ(RowValues(rows, 7, CGXData::gxBaseStyle), c.expected);

        std::string expectedCols = c.expected;
        for (char& ch : expectedCols)
            if (ch == 'r')
                ch = 'c';
        CGXData cols;
        FillCols(cols, 7);
        cols.MoveCols(c.from, c.to, c.dest);
        EXPECT_EQ(ColValues(cols, 7, CGXData::gxCellStyle), expectedCols);
        EXPECT_EQ(ColValues(cols, 7, CGXData::gxBaseStyle), expectedCols);
    }
}

TEST(Data, CopiesAreDeep)
{
    CGXData source;
    FillRows(source, 3);
    CGXData copy;
    FillCols(copy, 5);
    copy.CopyFrom(source);
    EXPECT_EQ(copy.GetRowCount(), 3u);
    EXPECT_EQ(copy.GetColCount(), 1u);
    EXPECT_EQ(StoredValue(copy, 1, 3), "-");  // what the copy held before is gone
    const CGXStyle changed = ValueStyle("changed");
    source.StoreCellStyle(2, 1, &changed, CGXStyle::gxOverride, CGXData::gxCellStyle);
    EXPECT_EQ(RowValues(copy, 3, CGXData::gxCellStyle), "r1 r2 r3");
    copy.CopyFrom(copy);
    EXPECT_EQ(RowValues(copy, 3, CGXData::gxBaseStyle), "r1 r2 r3");
}

TEST(Data, NumberRecognitionNeedsTheNumberFormattingModule)
{
    // the values the number parser reads are stored as numbers (the grid operations' format tests);
    // without its module the parser reads nothing
    ASSERT_EQ(GXGetLibraryState()->m_pNumberFormattingImp, nullptr);
    NumberRecognition option(TRUE);
    CGXData data;
    const CGXStyle value = ValueStyle("12.5");
    data.StoreCellStyle(1, 1, &value, CGXStyle::gxOverride, CGXData::gxCellValue);
    CGXStyle stored;
    ASSERT_TRUE(data.GetCellStyle(1, 1, stored, CGXStyle::gxCopy, CGXData::gxCellStyle));
    EXPECT_EQ(stored.GetValueType(), CGXStyle::gxValueText);
}

TEST(Data, OperationsOfOtherModulesAnswerFalseWithoutThem)
{
    CGXData data;
    CObject* pUndo = nullptr;
    EXPECT_FALSE(data.CopyCells(CGXCellRange(1, 1, 2, 2), 5, 5));
    EXPECT_FALSE(data.MoveCells(CGXCellRange(1, 1, 2, 2), 5, 5, pUndo));
    EXPECT_FALSE(data.IsFormulaCell(1, 1));
    CString text;
    EXPECT_FALSE(data.GetEngineMessageText(text));
    EXPECT_EQ(data.DetachUndoInfo(), nullptr);
}
