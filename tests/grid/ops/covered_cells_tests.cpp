// Covered cells: storing, replacing and removing coverings and their refusals, the cell index, the
// current cell moved to the anchor, undo, removed rows under coverings, and a covering drawn as one
// cell.
#include "undo_test_support.h"

#include <memory>
#include <string>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

class CCoverGrid : public CInputGridWnd {
public:
    // The covering of a cell as "top,left-bottom,right"; "-" for none.
    std::string Covering(ROWCOL nRow, ROWCOL nCol)
    {
        CGXCellRange r;
        if (!GetCoveredCellsRowCol(nRow, nCol, r))
            return "-";
        return std::to_string(r.top) + "," + std::to_string(r.left) + "-" + std::to_string(r.bottom) + "," +
               std::to_string(r.right);
    }
    std::string Current()
    {
        ROWCOL nRow = 0, nCol = 0;
        GetCurrentCell(nRow, nCol);
        return std::to_string(nRow) + "," + std::to_string(nCol);
    }
};

class CoveredCells : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGridOperations();
        services.SetTickCount(0);
        ReleaseModifierKeys(services);
        // made once the operations' creators are registered
        grid = std::make_unique<CCoverGrid>();
        grid->CreateInputGrid(12, 8);
        grid->SetCurrentCell(1, 1);
    }
    CFakeServices services;
    std::unique_ptr<CCoverGrid> grid;
};

}  // namespace

TEST_F(CoveredCells, CoveringsAreStoredReplacedRemovedOrRefused)
{
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(2, 2, 2, 2)) << "a single cell with no covering there";
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(2, 2, 4, 4));
    EXPECT_EQ(grid->Covering(3, 4), "2,2-4,4");
    EXPECT_EQ(grid->Covering(4, 5), "-");
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(2, 2, 4, 4)) << "the same block again";

    // a block that touches a cell of another covering is refused, also on the anchor's row
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(4, 4, 5, 5));
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(2, 1, 2, 3));
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(1, 1, 6, 6));
    EXPECT_EQ(grid->Covering(1, 1), "-");

    // the anchor covered again with a smaller block: the dropped cells belong to none
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(2, 2, 3, 3));
    EXPECT_EQ(grid->Covering(3, 3), "2,2-3,3");
    EXPECT_EQ(grid->Covering(4, 4), "-");
    EXPECT_EQ(grid->Covering(2, 4), "-");
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(4, 4, 5, 5)) << "room for a neighbour now";

    // negative rows and columns are no covering
    CGXCellRange r;
    EXPECT_FALSE(grid->GetCoveredCellsRowCol(ROWCOL(-1), 2, r));
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(ROWCOL(-2), 1, 3, 3));

    // the anchor alone removes the covering
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(2, 2, 2, 2));
    EXPECT_EQ(grid->Covering(3, 3), "-");
    EXPECT_EQ(grid->Covering(5, 5), "4,4-5,5");
    EXPECT_FALSE(grid->SetCoveredCellsRowCol(5, 5, 5, 5)) << "not its anchor";

    // a widened range cuts no covering
    const CGXCellRange widened = grid->GetCoveredCellsInRange(CGXCellRange(3, 3, 4, 4));
    EXPECT_EQ(widened.bottom, 5u);
    EXPECT_EQ(widened.right, 5u);
    EXPECT_EQ(widened.top, 3u);
}

TEST_F(CoveredCells, TheCurrentCellInsideACoveringGoesToItsAnchor)
{
    grid->SetCurrentCell(3, 3);
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(2, 2, 4, 4));
    EXPECT_EQ(grid->Current(), "2,2");
}

TEST_F(CoveredCells, UndoRestoresTheCoveringThatWasChanged)
{
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(1, 2, 2, 3));
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(1, 2, 3, 4));
    EXPECT_TRUE(grid->Undo());
    EXPECT_EQ(grid->Covering(2, 3), "1,2-2,3");
    EXPECT_EQ(grid->Covering(3, 4), "-");
    EXPECT_TRUE(grid->Undo());
    EXPECT_EQ(grid->Covering(1, 2), "-");
    EXPECT_TRUE(grid->Redo());
    EXPECT_EQ(grid->Covering(2, 3), "1,2-2,3");
}

TEST_F(CoveredCells, RemovedRowsCutShiftOrDeleteCoveringsInOneUndoBlock)
{
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(3, 1, 6, 2));
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(6, 3, 8, 4));
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(2, 5, 9, 6));
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(10, 1, 11, 2));
    const INT_PTR nUndo = grid->GetParam()->GetUndoList().GetCount();
    ASSERT_TRUE(grid->RemoveRows(5, 7));
    EXPECT_EQ(grid->Covering(3, 1), "3,1-4,2");
    EXPECT_EQ(grid->Covering(6, 3), "-");
    EXPECT_EQ(grid->Covering(5, 3), "-");
    EXPECT_EQ(grid->Covering(2, 5), "2,5-6,6") << "reached across the removed rows";
    EXPECT_EQ(grid->Covering(7, 1), "7,1-8,2") << "moved up";
    EXPECT_EQ(grid->GetParam()->GetUndoList().GetCount(), nUndo + 1);
    EXPECT_STREQ(static_cast<CGXCommand*>(grid->GetParam()->GetUndoList().GetHead())->GetName(),
                 "Removing rows ...");

    EXPECT_TRUE(grid->Undo());
    EXPECT_EQ(grid->Covering(4, 2), "3,1-6,2");
    EXPECT_EQ(grid->Covering(8, 4), "6,3-8,4");
    EXPECT_EQ(grid->Covering(9, 6), "2,5-9,6");
    EXPECT_EQ(grid->Covering(11, 2), "10,1-11,2");
}

TEST_F(CoveredCells, InsertedColumnsMoveTheCoverings)
{
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(2, 3, 3, 4));
    ASSERT_TRUE(grid->InsertCols(2, 2));
    EXPECT_EQ(grid->Covering(3, 6), "2,5-3,6");
    EXPECT_EQ(grid->Covering(2, 3), "-");
}

TEST_F(CoveredCells, RowsMovedThroughACoveringComeBackWithItOnUndo)
{
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(3, 1, 6, 2));  // cut by the move
    ASSERT_TRUE(grid->SetCoveredCellsRowCol(8, 4, 9, 5));  // among the rows the block passes
    grid->AttachMoveRowsColsImp();
    const INT_PTR nUndo = grid->GetParam()->GetUndoList().GetCount();
    ASSERT_TRUE(grid->MoveRows(5, 7, 9));
    EXPECT_EQ(grid->GetParam()->GetUndoList().GetCount(), nUndo + 1) << "one undo block";
    EXPECT_EQ(grid->Covering(5, 4), "5,4-6,5");
    for (ROWCOL nRow = 3; nRow <= 11; ++nRow)
        for (ROWCOL nCol = 1; nCol <= 2; ++nCol)
            EXPECT_EQ(grid->Covering(nRow, nCol), "-") << "the covering the move cut is gone: " << nRow << "," << nCol;

    EXPECT_TRUE(grid->Undo());
    EXPECT_EQ(grid->Covering(4, 2), "3,1-6,2");
    EXPECT_EQ(grid->Covering(9, 5), "8,4-9,5");
    EXPECT_EQ(grid->Covering(7, 1), "-");
    EXPECT_TRUE(grid->Redo());
    EXPECT_EQ(grid->Covering(5, 4), "5,4-6,5");
    EXPECT_EQ(grid->Covering(3, 1), "-");
    EXPECT_TRUE(grid->Undo());
    EXPECT_EQ(grid->Covering(6, 1), "3,1-6,2");
}
