// Hidden rows and columns: the bit arrays, the marks following inserted, removed and moved lines,
// hiding with undo, the header lines of splitter panes and printing, and an abort half-way.
#include "sizing_test_support.h"

#include "grid/ops/GXGridHideCellsImp.h"

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

class HideCellsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // the long operations read the clock: far beyond their first wait
        fake.SetTickCount(100000);
        grid.Make(50, 40);
        ASSERT_NE(grid.m_pHideCellsImp, nullptr);
        grid.AttachMoveRowsColsImp();
    }
    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CSizingGrid grid;
};

// The bits set in an array, as "1 5".
std::string Bits(const std::vector<BYTE>& bits)
{
    std::string text;
    for (ROWCOL n = 0; n < bits.size() * 8; ++n)
        if (CGXGridHideCellsImp::GetHiddenBit(bits, n))
            text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}

}  // namespace

TEST(HiddenBits, InsertRemoveAndMoveKeepTheBitsWithTheirLines)
{
    using Imp = CGXGridHideCellsImp;
    struct Case {
        const char* pszWhat;
        void (*pfnChange)(std::vector<BYTE>&);
        const char* pszBits;
    };
    // bits 1, 5 and 9 set before each change
    const Case cases[] = {
        {"insert 3 at 2", [](std::vector<BYTE>& b) { Imp::InsertHiddenBits(b, 2, 3); }, "1 8 12"},
        {"insert past the end", [](std::vector<BYTE>& b) { Imp::InsertHiddenBits(b, 40, 3); }, "1 5 9"},
        {"remove 2..5", [](std::vector<BYTE>& b) { Imp::DeleteHiddenBits(b, 2, 5); }, "1 5"},
        {"remove past the end", [](std::vector<BYTE>& b) { Imp::DeleteHiddenBits(b, 30, 40); }, "1 5 9"},
        {"move 5..6 to 1", [](std::vector<BYTE>& b) { Imp::MoveHiddenBits(b, 5, 6, 1); }, "1 3 9"},
        {"move 1..2 to 8", [](std::vector<BYTE>& b) { Imp::MoveHiddenBits(b, 1, 2, 8); }, "3 7 8"},
        {"move 9 to 20", [](std::vector<BYTE>& b) { Imp::MoveHiddenBits(b, 9, 9, 20); }, "1 5 20"},
        {"move to itself", [](std::vector<BYTE>& b) { Imp::MoveHiddenBits(b, 5, 6, 5); }, "1 5 9"},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> bits;
        for (ROWCOL n : {1u, 5u, 9u})
            EXPECT_TRUE(Imp::SetHiddenBit(bits, n, TRUE));
        c.pfnChange(bits);
        EXPECT_EQ(Bits(bits), c.pszBits) << c.pszWhat;
    }
    std::vector<BYTE> bits;
    Imp::SetHiddenBit(bits, 3, TRUE);
    EXPECT_EQ(bits.size(), 1u);
    EXPECT_FALSE(Imp::GetHiddenBit(bits, 1000000)) << "a bit past the array reads as not hidden";
    Imp::SetHiddenBit(bits, 3, FALSE);
    EXPECT_TRUE(bits.empty()) << "clearing the last bit leaves no bytes behind";
}

TEST_F(HideCellsTest, MarksFollowInsertedRemovedAndMovedRows)
{
    ASSERT_TRUE(grid.HideRows(5, 5));
    EXPECT_EQ(grid.GetRowHeight(5), 0);
    ASSERT_TRUE(grid.InsertRows(2, 3));
    EXPECT_EQ(grid.HiddenRows(50), "8");
    ASSERT_TRUE(grid.RemoveRows(1, 2));
    EXPECT_EQ(grid.HiddenRows(50), "6");
    ASSERT_TRUE(grid.MoveRows(6, 6, 1));
    EXPECT_EQ(grid.HiddenRows(50), "1");
    ASSERT_TRUE(grid.HideCols(4, 5));
    ASSERT_TRUE(grid.MoveCols(1, 2, 6));
    EXPECT_EQ(grid.HiddenCols(40), "2 3");
}

TEST_F(HideCellsTest, HidingRecordsEachLinesOwnEarlierStateAndNothingWhenNothingChanged)
{
    ASSERT_TRUE(grid.HideRows(3, 3));
    const int nCommands = grid.UndoCount();
    EXPECT_FALSE(grid.HideRows(3, 3)) << "already hidden";
    EXPECT_EQ(grid.UndoCount(), nCommands) << "and nothing recorded";

    grid.m_sizeCalls.clear();
    ASSERT_TRUE(grid.HideRows(2, 4));
    EXPECT_EQ(grid.HiddenRows(6), "2 3 4");
    EXPECT_EQ(grid.m_sizeCalls, std::vector<std::string>{"rows 2-4"});
    EXPECT_EQ(grid.LastUndoName(), "Hide Rows");
    ASSERT_TRUE(grid.Undo());
    EXPECT_EQ(grid.HiddenRows(6), "3") << "row 3 was hidden before";
    ASSERT_TRUE(grid.Redo());
    EXPECT_EQ(grid.HiddenRows(6), "2 3 4");

    // showing through the per-line states
    const int anStates[] = {0, 1, 0};
    ASSERT_TRUE(grid.HideRows(2, 4, TRUE, anStates));
    EXPECT_EQ(grid.HiddenRows(6), "3");
}

TEST_F(HideCellsTest, HeaderLinesHideInLaterSplitterPanesAndRowZeroWhilePrintingWithoutRowHeaders)
{
    CWnd splitter;
    grid.GetParam()->SetHeaderRows(1);
    grid.SetSplitterPane(&splitter, 1, 0, FALSE, TRUE);
    EXPECT_TRUE(grid.IsRowHidden(0));
    EXPECT_TRUE(grid.IsRowHidden(1)) << "a header row";
    EXPECT_FALSE(grid.IsRowHidden(2));
    EXPECT_FALSE(grid.IsColHidden(0)) << "the pane is in the first pane column";
    grid.SetSplitterPane(&splitter, 0, 1, TRUE, FALSE);
    EXPECT_FALSE(grid.IsRowHidden(0));
    EXPECT_TRUE(grid.IsColHidden(0));
    grid.SetSplitterPane(nullptr, 0, 0, TRUE, TRUE);

    CClientDC dc(&grid);
    grid.GetParam()->GetProperties()->SetPrintRowHeaders(FALSE);
    grid.SetPrinting(&dc);
    EXPECT_TRUE(grid.IsRowHidden(0));
    EXPECT_FALSE(grid.IsColHidden(0));
    grid.GetParam()->GetProperties()->SetPrintRowHeaders(TRUE);
    EXPECT_FALSE(grid.IsRowHidden(0));
    grid.SetPrinting(nullptr);
}

TEST_F(HideCellsTest, UndoingAColumnHideBringsItsColumnIntoViewInTheTopRow)
{
    ASSERT_TRUE(grid.HideCols(30, 30));
    grid.SetTopRow(1);
    grid.SetLeftCol(1);
    ASSERT_TRUE(grid.Undo());
    EXPECT_FALSE(grid.IsColHidden(30));
    EXPECT_EQ(grid.GetTopRow(), 1u) << "the column number is not taken for a row";
    EXPECT_GT(grid.GetLeftCol(), 1u);
    EXPECT_LE(grid.GetLeftCol(), 30u);
    EXPECT_GE(grid.GetLastVisibleCol(), 30u);
}

TEST_F(HideCellsTest, AnAbortKeepsTheRowsDoneShownAndUndoable)
{
    for (BOOL bRows : {TRUE, FALSE}) {
        AbortAtRound module(2);
        WithModule<CGXAbstractLongOperationImp> installed(GXGetLibraryState()->m_pLongOperationImp, &module);
        grid.m_sizeCalls.clear();
        const int nCommands = grid.UndoCount();
        EXPECT_TRUE(bRows ? grid.HideRows(1, 5) : grid.HideCols(1, 5));
        EXPECT_EQ(bRows ? grid.HiddenRows(6) : grid.HiddenCols(6), "1 2");
        EXPECT_EQ(grid.m_sizeCalls, std::vector<std::string>{bRows ? "rows 1-2" : "cols 1-2"}) << "what changed is redrawn";
        EXPECT_EQ(grid.UndoCount(), nCommands + 1);
        ASSERT_TRUE(grid.Undo());
        EXPECT_EQ(bRows ? grid.HiddenRows(6) : grid.HiddenCols(6), "");
    }
}
