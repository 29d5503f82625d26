// Sorting rows and columns as the user meets it: detect keys that sort numbers, dates or texts, equal
// keys keeping their order, double clicks on headers, a cancel while the keys are read, and the undo
// of a sort; the choice-list cell sorting by what it shows.
#include "control_test_support.h"
#include "sizing_test_support.h"
#include "undo_test_support.h"

#include "grid/engine/GXSortInfoArray.h"

namespace {

// An edit-cell grid of 6 rows by 4 columns (see EditGridFixture) with the grid operations' modules.
struct SortFixture {
    SortFixture() { UseGridOperations(); }
    // Gives the rows 1..n the values of column nCol (n: the count of values; the grid keeps n rows).
    void Fill(ROWCOL nCol, std::initializer_list<const char*> values)
    {
        f.grid.SetRowCount(ROWCOL(values.size()));
        ROWCOL nRow = 1;
        for (const char* psz : values)
            f.SetValue(nRow++, nCol, psz);
    }
    // The values of column nCol, rows 1..row count, as "a,b,c".
    std::string Column(ROWCOL nCol)
    {
        std::string text;
        for (ROWCOL nRow = 1; nRow <= f.grid.GetRowCount(); ++nRow)
            text += (nRow > 1 ? "," : "") + f.Stored(nRow, nCol);
        return text;
    }
    // The values of row nRow, columns 1..column count.
    std::string Row(ROWCOL nRow)
    {
        std::string text;
        for (ROWCOL nCol = 1; nCol <= f.grid.GetColCount(); ++nCol)
            text += (nCol > 1 ? "," : "") + f.Stored(nRow, nCol);
        return text;
    }
    // Sorts the whole table's rows by one key.
    BOOL SortRowsBy(ROWCOL nCol, int nKind, BOOL bDescending = FALSE)
    {
        CGXSortInfoArray keys;
        keys.SetSize(1);
        keys[0].nKey = int32_t(nCol);
        keys[0].nKind = nKind;
        keys[0].bDescending = bDescending;
        return f.grid.SortRows(CGXCellRange().SetTable(), keys);
    }
    // A double click on the header cell (nRow, nCol), as the mouse sends it.
    void DoubleClick(ROWCOL nRow, ROWCOL nCol)
    {
        const CPoint point = f.grid.CalcCellRect(nRow, nCol).CenterPoint();
        const LPARAM lParam = MAKELPARAM(point.x, point.y);
        f.grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lParam);
        f.grid.SendMessage(WM_LBUTTONUP, 0, lParam);
    }
    EditGridFixture f;
};

}  // namespace

TEST(Sort, ADetectKeySortsNumbersDatesOrTextsAsTheValuesAllow)
{
    struct Case {
        std::initializer_list<const char*> values;
        const char* pszSorted;
    };
    const Case cases[] = {
        // numbers, the empty value counting as 0
        {{"10", "9", ""}, ",9,10"},
        // a letter among them: texts
        {{"10", "9", "a"}, "10,9,a"},
        // a minus sign in front is a sign
        {{"3", "-12", "-1"}, "-12,-1,3"},
        // one inside is not: the texts' order puts 10 before 3
        {{"3", "1-2", "10"}, nullptr},
        // dates in either order of day and month
        {{"1/2/2004", "12/1/2003", ""}, ",12/1/2003,1/2/2004"},
    };
    for (const Case& c : cases) {
        SortFixture s;
        s.Fill(1, c.values);
        ASSERT_TRUE(s.SortRowsBy(1, 3));
        const std::string sorted = s.Column(1);
        if (c.pszSorted != nullptr)
            EXPECT_EQ(sorted, c.pszSorted);
        else
            EXPECT_LT(sorted.find("10"), sorted.find("3")) << sorted;
    }
}

TEST(Sort, EqualKeysKeepTheirOrderAndTheOtherCellsMoveWithTheirRow)
{
    SortFixture s;
    s.Fill(1, {"b", "A", "b", "a", "B"});
    s.Fill(2, {"1", "2", "3", "4", "5"});
    ASSERT_TRUE(s.SortRowsBy(1, 1));
    EXPECT_EQ(s.Column(1), "A,a,b,b,B") << "texts without case";
    EXPECT_EQ(s.Column(2), "2,4,1,3,5");
    ASSERT_TRUE(s.SortRowsBy(1, 1, TRUE));
    EXPECT_EQ(s.Column(2), "1,3,5,2,4") << "descending keeps equal rows in their order too";
    EXPECT_EQ(s.f.grid.GetParam()->GetSortOptions().nLastSortedCol, 1);
    EXPECT_FALSE(s.f.grid.GetParam()->GetSortOptions().bLastAscending);

    // an explicit numeric key gives a text that is no number the value 0
    s.Fill(3, {"5", "x", "-1", "2", "0.5"});
    ASSERT_TRUE(s.SortRowsBy(3, 0));
    EXPECT_EQ(s.Column(3), "-1,x,0.5,2,5");
}

TEST(Sort, UndoPutsTheRowsBackAndRedoSortsThemAgain)
{
    SortFixture s;
    s.Fill(1, {"3", "1", "2"});
    s.Fill(2, {"c", "a", "b"});
    const int nCommands = int(s.f.grid.GetParam()->GetUndoList().GetCount());
    ASSERT_TRUE(s.SortRowsBy(1, 3));
    EXPECT_EQ(s.Column(2), "a,b,c");
    EXPECT_EQ(s.f.grid.GetParam()->GetUndoList().GetCount(), nCommands + 1);
    EXPECT_EQ(LastUndoName(s.f.grid), "Sort Rows");
    ASSERT_TRUE(s.f.grid.Undo());
    EXPECT_EQ(s.Column(1), "3,1,2");
    EXPECT_EQ(s.Column(2), "c,a,b");
    ASSERT_TRUE(s.f.grid.Redo());
    EXPECT_EQ(s.Column(2), "a,b,c");
    ASSERT_TRUE(s.f.grid.Undo());
    EXPECT_EQ(s.Column(2), "c,a,b");
}

TEST(Sort, HeaderDoubleClicksSortAscendingThenDescendingAndAnotherHeaderAscending)
{
    SortFixture s;
    s.Fill(1, {"2", "3", "1"});
    s.Fill(2, {"b", "a", "c"});
    s.DoubleClick(0, 1);
    EXPECT_EQ(s.Column(1), "2,3,1") << "the switch is off by default";

    s.f.grid.GetParam()->GetSortOptions().bSortOnColHeader = TRUE;
    s.DoubleClick(0, 1);
    EXPECT_EQ(s.Column(1), "1,2,3");
    s.DoubleClick(0, 1);
    EXPECT_EQ(s.Column(1), "3,2,1");
    s.DoubleClick(0, 2);
    EXPECT_EQ(s.Column(2), "a,b,c");
    s.DoubleClick(0, 1);
    EXPECT_EQ(s.Column(1), "1,2,3") << "after another column the first starts ascending again";

    // a row header sorts the columns by that row
    s.f.grid.GetParam()->GetSortOptions().bSortOnRowHeader = TRUE;
    s.f.grid.SetColCount(3);
    s.f.SetValue(1, 3, "0");
    s.DoubleClick(1, 0);
    EXPECT_EQ(s.Row(1), "0,1,c");
    EXPECT_EQ(s.f.grid.GetParam()->GetSortOptions().nLastSortedRow, 1);
    EXPECT_EQ(s.f.grid.GetParam()->GetSortOptions().nLastSortedCol, -1);
    s.DoubleClick(1, 0);
    EXPECT_EQ(s.Row(1), "c,1,0");
    EXPECT_EQ(LastUndoName(s.f.grid), "Sort Columns");
}

TEST(Sort, ACancelWhileTheKeysAreReadLeavesTheGridAsItWas)
{
    SortFixture s;
    StatusFrame status;
    s.Fill(1, {"3", "1", "2", "0"});
    const int nCommands = int(s.f.grid.GetParam()->GetUndoList().GetCount());
    // the long operation reads the clock: far beyond its first wait
    s.f.fake.SetTickCount(100000);
    AbortAtRound module(2);
    WithModule<CGXAbstractLongOperationImp> installed(GXGetLibraryState()->m_pLongOperationImp, &module);
    EXPECT_FALSE(s.SortRowsBy(1, 3));
    EXPECT_EQ(module.strStatus, "Canceled");
    EXPECT_EQ(s.Column(1), "3,1,2,0");
    EXPECT_EQ(s.f.grid.GetParam()->GetUndoList().GetCount(), nCommands);
}

TEST(Sort, MemoryRunningOutWhileTheKeysAreReadSaysSoAndMovesNothing)
{
    // the long operation's module runs out of memory at its second round
    struct OutOfMemoryAtRound : AbortAtRound {
        using AbortAtRound::AbortAtRound;
        BOOL DoMessages(CGXLongOperation& operation, BOOL& bAborted) override
        {
            AbortAtRound::DoMessages(operation, bAborted);
            if (nRounds == nAbortAt)
                AfxThrowMemoryException();
            return TRUE;
        }
    };
    SortFixture s;
    s.Fill(1, {"3", "1", "2", "0"});
    const int nCommands = int(s.f.grid.GetParam()->GetUndoList().GetCount());
    s.f.fake.SetTickCount(100000);
    OutOfMemoryAtRound module(2);
    WithModule<CGXAbstractLongOperationImp> installed(GXGetLibraryState()->m_pLongOperationImp, &module);
    s.f.fake.ExpectMessageBox(IDOK, "Not enough memory");
    EXPECT_FALSE(s.SortRowsBy(1, 3));
    EXPECT_EQ(s.Column(1), "3,1,2,0");
    EXPECT_EQ(s.f.grid.GetParam()->GetUndoList().GetCount(), nCommands);
    EXPECT_EQ(s.f.fake.CallsOf("MessageBox").size(), 1u);
}

TEST(Sort, NothingMovesInAOneRowGridOrForBadKeys)
{
    SortFixture s;
    s.Fill(1, {"x"});
    const int nCommands = int(s.f.grid.GetParam()->GetUndoList().GetCount());
    EXPECT_FALSE(s.SortRowsBy(1, 3));
    EXPECT_EQ(s.f.grid.GetParam()->GetUndoList().GetCount(), nCommands);

    s.Fill(1, {"2", "1"});
    for (auto [nCol, nKind] : {std::pair{9, 3}, std::pair{-1, 3}, std::pair{1, 4}}) {
        try {
            s.SortRowsBy(ROWCOL(nCol), nKind);
            ADD_FAILURE() << "key " << nCol << " of kind " << nKind << " was taken";
        } catch (CInvalidArgException* e) {
            e->Delete();
        }
    }
    EXPECT_EQ(s.Column(1), "2,1");
}

TEST(Sort, AChoiceListCellSortsByTheEntryItShows)
{
    SortFixture s;
    s.Fill(1, {"0", "1", "2"});
    // the cells store the entry's index and show the entry
    s.f.grid.SetStyleRange(CGXCellRange().SetCols(1, 1),
                           &CGXStyle().SetControl(GX_IDS_CTRL_ZEROBASED_EX).SetChoiceList("pear\napple\ncherry"),
                           CGXStyle::gxOverride, 0, nullptr, 2, CGXGridCore::gxRollback);
    ASSERT_TRUE(s.SortRowsBy(1, 3));
    EXPECT_EQ(s.Column(1), "1,2,0");
}
