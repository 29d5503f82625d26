// Row and column operations, each case run for the rows and for the columns: counts, inserting,
// removing and moving with their undo commands and the current cell, the read-only refusal, frozen and
// header lines and the top row and left column.
#include "input_test_support.h"

#include "grid/engine/GXStyle.h"

#include <algorithm>
#include <string>
#include <vector>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)

namespace {

// What a factory recorded: the commands made, the commands added and the current-cell moves after undo.
std::vector<std::string> Recorded(const FakeCommandFactory& factory)
{
    std::vector<std::string> recorded;
    for (const std::string& call : factory.calls)
        if (call.rfind("Create", 0) == 0 || call.rfind("AddCommand", 0) == 0 || call.rfind("SetCurrentCellAfterUndo", 0) == 0)
            recorded.push_back(call);
    return recorded;
}

BOOL Called(const ModuleLog& module, const std::string& call)
{
    return std::find(module.calls.begin(), module.calls.end(), call) != module.calls.end();
}

// A row operation or its column twin on a grid, and a line's cell: (line, 1) for rows, (1, line) for
// columns.
struct Twins {
    CInputGridWnd& g;
    BOOL bRow;

    const char* Name() const { return bRow ? "rows" : "columns"; }
    // The command and hint names of the axis ("Rows" or "Cols" in place of "*").
    std::string Op(const char* psz) const
    {
        std::string s = psz;
        s.replace(s.find('*'), 1, bRow ? "Rows" : "Cols");
        return s;
    }
    ROWCOL Count() { return bRow ? g.GetRowCount() : g.GetColCount(); }
    ROWCOL Other() { return bRow ? g.GetColCount() : g.GetRowCount(); }
    BOOL SetCount(ROWCOL n) { return bRow ? g.SetRowCount(n) : g.SetColCount(n); }
    BOOL Insert(ROWCOL nFirst, ROWCOL nCount, int nType = 0, const int* anSizes = nullptr,
                const CObArray* pCells = nullptr, const CObArray* pBase = nullptr)
    {
        return bRow ? g.InsertRows(nFirst, nCount, anSizes, pCells, pBase, Other() + 1, 2, nType)
                    : g.InsertCols(nFirst, nCount, anSizes, pCells, pBase, Other() + 1, 2, nType);
    }
    BOOL Remove(ROWCOL nFrom, ROWCOL nTo, int nType = 0)
    {
        return bRow ? g.RemoveRows(nFrom, nTo, 2, nType) : g.RemoveCols(nFrom, nTo, 2, nType);
    }
    BOOL Move(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT nFlags = 2)
    {
        return bRow ? g.MoveRows(nFrom, nTo, nDest, nFlags) : g.MoveCols(nFrom, nTo, nDest, nFlags);
    }
    BOOL SetFrozen(ROWCOL n) { return bRow ? g.SetFrozenRows(n, 0) : g.SetFrozenCols(n, 0); }
    ROWCOL Frozen() { return bRow ? g.GetFrozenRows() : g.GetFrozenCols(); }
    BOOL& FrozenOff() { return bRow ? g.m_bFrozenRowsOff : g.m_bFrozenColsOff; }
    BOOL SetFirst(ROWCOL n, UINT nFlags = 0) { return bRow ? g.SetTopRow(n, nFlags) : g.SetLeftCol(n, nFlags); }
    ROWCOL First() { return bRow ? g.GetTopRow() : g.GetLeftCol(); }
    int Size(ROWCOL n) { return bRow ? g.GetRowHeight(n) : g.GetColWidth(n); }
    void StoreValue(ROWCOL n, const char* pszValue)
    {
        CGXStyle style;
        style.SetValue(pszValue);
        g.StoreStyleRowCol(bRow ? n : 1, bRow ? 1 : n, &style, CGXStyle::gxOverride);
    }
    CString Value(ROWCOL n) { return StoredValue(*g.GetParam()->GetData(), bRow ? n : 1, bRow ? 1 : n); }
    BOOL SetCurrent(ROWCOL n, UINT nFlags = 0) { return g.SetCurrentCell(bRow ? n : 2, bRow ? 2 : n, nFlags); }
    // The current cell's line ("none" without one).
    std::string CurrentLine()
    {
        ROWCOL nRow, nCol;
        return g.GetCurrentCell(nRow, nCol) ? std::to_string(bRow ? nRow : nCol) : "none";
    }
};

const BOOL kAxes[] = {TRUE, FALSE};

// A command factory that refuses to save the styles of removed lines, or saves an array of n styles
// (rows first) per removed line.
struct SavingFactory : FakeCommandFactory {
    BOOL SaveRowStylesForUndo(CGXGridCore*, ROWCOL&, ROWCOL& nRows, ROWCOL& nCols, CObArray*& pCells,
                              CObArray*& pBase, BOOL) override
    {
        return Save(nRows, nRows, nCols, pCells, pBase);
    }
    BOOL SaveColStylesForUndo(CGXGridCore*, ROWCOL&, ROWCOL& nCols, ROWCOL& nRows, CObArray*& pCells,
                              CObArray*& pBase, BOOL) override
    {
        return Save(nCols, nRows, nCols, pCells, pBase);
    }
    BOOL Save(ROWCOL nLines, ROWCOL nRows, ROWCOL nCols, CObArray*& pCells, CObArray*& pBase)
    {
        calls.push_back("SaveStylesForUndo");
        if (bRefuse)
            return FALSE;
        pBase = new CObArray;
        pBase->SetSize(int32_t(nLines));
        pCells = new CObArray;
        pCells->SetSize(int32_t(nRows * nCols));
        return TRUE;
    }
    BOOL bRefuse = FALSE;
};

}  // namespace

TEST(RowsAndColumns, CountsInsertAfterTheLastAndRemoveTheTail)
{
    for (const BOOL bRow : kAxes) {
        CInputGridWnd grid;
        grid.CreateInputGrid(5, 5);
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
        t.StoreValue(5, "last");
        EXPECT_TRUE(t.SetCount(5));
        EXPECT_TRUE(factory.calls.empty()) << "the same count changes nothing";
        EXPECT_TRUE(t.SetCount(8));
        EXPECT_EQ(t.Count(), 8u);
        EXPECT_EQ(t.Value(5), "last");
        CGXGridCore* pCore = &grid;
        EXPECT_EQ(Recorded(factory),
                  std::vector<std::string>({Call(t.Op("CreateRemove*Cmd").c_str(), 6, 8), Call("AddCommand", pCore, 0)}));
        factory.calls.clear();
        EXPECT_TRUE(t.SetCount(4));
        EXPECT_EQ(t.Count(), 4u);
        EXPECT_EQ(t.Value(5), "-");
        ASSERT_EQ(Recorded(factory).size(), 2u);
        EXPECT_EQ(Recorded(factory)[0].rfind(Call(t.Op("CreateInsert*Cmd").c_str(), 5, 4, 6), 0), 0u)
            << Recorded(factory)[0];
    }
}

TEST(RowsAndColumns, ALockedGridRefusesEveryStore)
{
    for (const BOOL bRow : kAxes) {
        CInputGridWnd grid;
        grid.CreateInputGrid(5, 5);
        grid.AttachMoveRowsColsImp();
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
        t.StoreValue(2, "two");
        ASSERT_TRUE(grid.GetParam()->GetReadOnlyGuard());
        grid.SetReadOnly(TRUE);
        EXPECT_FALSE(bRow ? grid.StoreInsertRows(1, 2) : grid.StoreInsertCols(1, 2));
        EXPECT_FALSE(bRow ? grid.StoreRemoveRows(1, 1) : grid.StoreRemoveCols(1, 1));
        EXPECT_FALSE(bRow ? grid.StoreMoveRows(1, 1, 3) : grid.StoreMoveCols(1, 1, 3));
        EXPECT_FALSE(bRow ? grid.StoreRowCount(9) : grid.StoreColCount(9));
        EXPECT_FALSE(bRow ? grid.StoreFrozenRows(1, 0) : grid.StoreFrozenCols(1, 0));
        EXPECT_FALSE(t.Insert(1, 2));
        EXPECT_FALSE(t.Remove(1, 1));
        EXPECT_FALSE(t.Move(1, 1, 3));
        EXPECT_FALSE(t.SetCount(9));
        EXPECT_FALSE(t.SetFrozen(1));
        EXPECT_EQ(t.Count(), 5u);
        EXPECT_EQ(t.Value(2), "two");
        EXPECT_EQ(t.Frozen(), 0u);
        EXPECT_TRUE(Recorded(factory).empty());
        CGXGridCore* pCore = &grid;
        EXPECT_EQ(std::count(factory.calls.begin(), factory.calls.end(), Call("DeleteEngineUndoInfo", pCore)), 4)
            << "insert, remove, move and the count discard what the engine prepared";
    }
}

TEST(RowsAndColumns, InsertMovesTheCurrentCellAndRecordsTheRemoval)
{
    for (const BOOL bRow : kAxes) {
        CInputGridWnd grid;
        grid.CreateInputGrid(6, 6);
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
        CGXGridCore* pCore = &grid;
        ASSERT_TRUE(t.SetCurrent(3));
        t.StoreValue(3, "three");

        EXPECT_TRUE(t.Insert(5, 2)) << "after the current cell";
        EXPECT_EQ(t.CurrentLine(), "3");
        EXPECT_TRUE(t.Insert(3, 2)) << "at the current cell";
        EXPECT_EQ(t.CurrentLine(), "5");
        EXPECT_EQ(t.Value(5), "three");
        ROWCOL nInitRow, nInitCol;
        grid.GetInitCell(nInitRow, nInitCol);
        EXPECT_EQ(bRow ? nInitRow : nInitCol, 5u) << "the control is initialised again on the moved cell";
        EXPECT_EQ(Recorded(factory),
                  std::vector<std::string>({Call(t.Op("CreateRemove*Cmd").c_str(), 5, 6), Call("AddCommand", pCore, 0),
                                            Call(t.Op("CreateRemove*Cmd").c_str(), 3, 4), Call("AddCommand", pCore, 0)}));

        // a rollback records nothing; an undo moves the current cell to the inserted lines
        factory.calls.clear();
        EXPECT_TRUE(t.Insert(1, 1, CGXGridCore::gxRollback));
        EXPECT_TRUE(Recorded(factory).empty());
        EXPECT_TRUE(t.Insert(1, 1, CGXGridCore::gxUndo));
        ASSERT_EQ(Recorded(factory).size(), 3u);
        EXPECT_EQ(Recorded(factory)[2], Call("SetCurrentCellAfterUndo", pCore, bRow ? 1u : grid.GetTopRow(),
                                             bRow ? grid.GetLeftCol() : 1u, 0u));

        // what an undo of a removal gives back: sizes, line base styles and cells from line 0 of the
        // other axis
        const int anSizes[] = {33, 44};
        CGXStyle base, cell;
        base.SetValue("base");
        cell.SetValue("cell");
        CObArray baseStyles, cellStyles;
        baseStyles.Add(&base);
        baseStyles.Add(nullptr);
        cellStyles.SetSize(int32_t(2 * (t.Other() + 1)));
        // first inserted line, cell 1 of the other axis; rows outer, so for columns row 1 comes after the
        // two inserted columns of row 0
        cellStyles.SetAt(bRow ? 1 : 2, &cell);
        EXPECT_TRUE(t.Insert(2, 2, CGXGridCore::gxRollback, anSizes, &cellStyles, &baseStyles));
        EXPECT_EQ(t.Size(2), 33);
        EXPECT_EQ(t.Size(3), 44);
        EXPECT_EQ(t.Value(2), "cell");
        EXPECT_EQ(StoredValue(*grid.GetParam()->GetData(), bRow ? 2 : 0, bRow ? 0 : 2, CGXData::gxBaseStyle), "base");
    }
}

TEST(RowsAndColumns, RemoveRecordsTheInsertionAndGivesUpTheCurrentCellWithoutStoring)
{
    for (const BOOL bRow : kAxes) {
        CInputGridWnd grid;
        grid.CreateInputGrid(6, 6);
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        SavingFactory factory;
        WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
        CGXGridCore* pCore = &grid;
        t.StoreValue(5, "five");

        // the current cell after the block moves up with its line
        ASSERT_TRUE(t.SetCurrent(5));
        EXPECT_TRUE(t.Remove(2, 3));
        EXPECT_EQ(t.CurrentLine(), "3");
        EXPECT_EQ(t.Value(3), "five");
        EXPECT_EQ(t.Count(), 4u);
        const std::string sizes = " sizes " + std::to_string(t.Size(1)) + " " + std::to_string(t.Size(1));
        EXPECT_EQ(Recorded(factory),
                  std::vector<std::string>({Call(t.Op("CreateInsert*Cmd").c_str(), 2, 2, 7) + sizes +
                                                " base 2 cells " + std::to_string(2 * 7),
                                            Call("AddCommand", pCore, 0)}))
            << "the heights and styles of the removed lines";
        EXPECT_TRUE(Called(factory, Call("BeginTrans", pCore, bRow ? "Removing rows ..." : "Removing columns ...")));
        EXPECT_TRUE(Called(factory, Call("CommitTrans", pCore)));

        // the lines holding the current cell: no current cell, its edit not stored
        grid.m_pControl->SetModify(TRUE);
        factory.calls.clear();
        EXPECT_TRUE(t.Remove(3, 4, CGXGridCore::gxRollback));
        EXPECT_EQ(t.CurrentLine(), "none");
        EXPECT_EQ(grid.m_pControl->m_nStores, 0);
        EXPECT_FALSE(grid.m_pControl->IsInit());
        EXPECT_TRUE(Recorded(factory).empty()) << "a rollback records nothing";

        // refusing the undo copy: nothing changes
        factory.bRefuse = TRUE;
        factory.calls.clear();
        EXPECT_FALSE(t.Remove(1, 1));
        EXPECT_EQ(t.Count(), 2u);
        EXPECT_EQ(factory.calls, std::vector<std::string>({"SaveStylesForUndo"}));
    }
}

TEST(RowsAndColumns, MoveRecordsTheMoveBackAndTheCurrentCellFollows)
{
    for (const BOOL bRow : kAxes) {
        CInputGridWnd grid;
        grid.CreateInputGrid(8, 8);
        grid.AttachMoveRowsColsImp();
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
        CGXGridCore* pCore = &grid;
        t.StoreValue(3, "three");
        t.StoreValue(5, "five");

        EXPECT_FALSE(t.Move(3, 4, 3)) << "to its own first line";
        EXPECT_TRUE(Recorded(factory).empty());

        ASSERT_TRUE(t.SetCurrent(4));
        EXPECT_TRUE(t.Move(3, 4, 6));
        EXPECT_EQ(t.Value(6), "three");
        EXPECT_EQ(t.Value(3), "five") << "the lines between close up";
        EXPECT_EQ(t.CurrentLine(), "7") << "the current line moves with its block";
        EXPECT_EQ(Recorded(factory),
                  std::vector<std::string>({Call(t.Op("CreateMove*Cmd").c_str(), 6, 7, 3), Call("AddCommand", pCore, 0)}));
        // a line between the block and its destination shifts by the block's size
        ASSERT_TRUE(t.SetCurrent(3));
        EXPECT_TRUE(t.Move(6, 7, 2));
        EXPECT_EQ(t.CurrentLine(), "5");
        EXPECT_EQ(t.Value(2), "three");
    }
}

TEST(RowsAndColumns, MovingWithNumberedHeadersRedrawsTheHeadersFromTheLowerLineDown)
{
    CInputGridWnd grid;
    grid.CreateInputGrid(12, 4);
    grid.AttachMoveRowsColsImp();
    grid.Show();
    ASSERT_TRUE(grid.GetParam()->GetNumberedRowHeaders());
    ASSERT_TRUE(grid.MoveRows(2, 2, 3, 4));
    // the moved band (rows 2 and 3) and the row headers below it wait for the next paint
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(grid.m_hWnd, HRGN(region.m_hObject), FALSE);
    const CRect header = grid.CalcCellRect(5, 0), cell = grid.CalcCellRect(5, 2), band = grid.CalcCellRect(3, 2);
    EXPECT_TRUE(region.PtInRegion(header.CenterPoint())) << "the header of row 5";
    EXPECT_TRUE(region.PtInRegion(band.CenterPoint())) << "a cell of the moved band";
    EXPECT_FALSE(region.PtInRegion(cell.CenterPoint())) << "a cell below the band keeps its place";
    grid.ValidateRect(nullptr);
    grid.GetParam()->SetNumberedRowHeaders(FALSE);
    ASSERT_TRUE(grid.MoveRows(2, 2, 3, 4));
    ::GetUpdateRgn(grid.m_hWnd, HRGN(region.m_hObject), FALSE);
    EXPECT_FALSE(region.PtInRegion(header.CenterPoint()));
}

namespace {

// The client pixels of rect, row by row.
std::vector<COLORREF> PixelsOf(CWnd& wnd, const CRect& rect)
{
    CClientDC dc(&wnd);
    std::vector<COLORREF> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    return pixels;
}

}  // namespace

TEST(RowsAndColumns, AMoveInViewScrollsTheBandAndPaintsOnlyWhereTheBlockLands)
{
    for (const BOOL bRow : kAxes) {
        CInputGridWnd grid;
        grid.CreateInputGrid(12, 6);
        grid.AttachMoveRowsColsImp();
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        // headers that do not count the lines, so that only the band changes
        grid.GetParam()->SetNumberedRowHeaders(FALSE);
        grid.GetParam()->SetLetteredColHeaders(FALSE);
        grid.StoreDefaultColWidth(45);  // every column in view
        for (ROWCOL n = 1; n <= 6; ++n)
            t.StoreValue(n, ("line " + std::to_string(n)).c_str());
        grid.Show();

        ASSERT_TRUE(t.Move(2, 3, 5, 0));
        auto cellOf = [&](ROWCOL n) { return bRow ? grid.CalcCellRect(n, 1) : grid.CalcCellRect(1, n); };
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(grid.m_hWnd, HRGN(region.m_hObject), FALSE);
        EXPECT_TRUE(region.PtInRegion(cellOf(5).CenterPoint())) << "where the block lands";
        EXPECT_TRUE(region.PtInRegion(cellOf(6).CenterPoint()));
        EXPECT_FALSE(region.PtInRegion(cellOf(2).CenterPoint())) << "a passed line comes by the scroll";
        EXPECT_FALSE(region.PtInRegion(cellOf(4).CenterPoint()));

        // what the scroll and the paint leave is what a whole new paint draws
        grid.UpdateWindow();
        const std::vector<CRect> cells = {cellOf(2), cellOf(4), cellOf(5), cellOf(6)};
        std::vector<std::vector<COLORREF>> scrolled;
        for (const CRect& cell : cells)
            scrolled.push_back(PixelsOf(grid, cell));
        grid.Invalidate();
        grid.UpdateWindow();
        for (size_t i = 0; i < cells.size(); ++i)
            EXPECT_EQ(scrolled[i], PixelsOf(grid, cells[i])) << "cell " << i;
        EXPECT_EQ(t.Value(2), "line 4");
    }
}

TEST(RowsAndColumns, ABrowsingGridCountsItsRecordsFromZeroAfterTheHeaderRows)
{
    // a grid that shows its records in reverse order
    class CReversedGrid : public CInputGridWnd {
    public:
        ROWCOL GetBrowseRowNumber(ROWCOL nRow) override { return nRow == 0 ? 0 : GetRowCount() + 1 - nRow; }
    };
    CInputGridWnd grid;
    grid.CreateInputGrid(100000, 2);
    struct Case {
        ROWCOL nHeaderRows, nHeaderCols, nRow;
        LONG nExpected;
    };
    const Case cases[] = {
        {0, 0, 1, 0},           {0, 0, 5, 4},         {0, 0, 0, -1},
        {0, 0, 70000, 69999},  // no row number is cut to 16 bits
        {2, 0, 3, 0},           {2, 0, 0, -3},        {0, 3, 3, 2},  // header columns are no records
    };
    for (const Case& c : cases) {
        grid.GetParam()->SetHeaderRows(c.nHeaderRows);
        grid.GetParam()->SetHeaderCols(c.nHeaderCols);
        EXPECT_EQ(grid.GetDataRowIndex(c.nRow), c.nExpected)
            << "row " << c.nRow << " with " << c.nHeaderRows << " header rows, " << c.nHeaderCols << " columns";
    }
    CReversedGrid reversed;
    reversed.CreateInputGrid(10, 2);
    EXPECT_EQ(reversed.GetDataRowIndex(1), 9);
    EXPECT_EQ(reversed.GetDataRowIndex(10), 0);
}

TEST(RowsAndColumns, FrozenLinesAndTheFirstScrolledLine)
{
    struct Case {
        ROWCOL nFrozen;
        ROWCOL nAsked;
        ROWCOL nExpected;
        const char* pszWhy;
    };
    const Case cases[] = {
        {0, 0, 1, "line 0 gives the first line"},
        {0, 99, 20, "beyond the count gives the last line"},
        {0, 7, 7, "a line within the count stays"},
        {2, 1, 3, "inside the frozen lines gives the first line after them"},
        {2, 0, 3, "line 0 with frozen lines"},
    };
    for (const BOOL bRow : kAxes) {
        for (const Case& c : cases) {
            CInputGridWnd grid;
            grid.CreateInputGrid(20, 20);
            Twins t{grid, bRow};
            SCOPED_TRACE(std::string(t.Name()) + ": " + c.pszWhy);
            if (c.nFrozen != 0) {
                ASSERT_TRUE(t.SetFrozen(c.nFrozen));
            }
            EXPECT_TRUE(t.SetFirst(c.nAsked));
            EXPECT_EQ(t.First(), c.nExpected);
        }

        CInputGridWnd grid;
        grid.CreateInputGrid(20, 20);
        Twins t{grid, bRow};
        SCOPED_TRACE(t.Name());
        FakeCommandFactory factory;
        WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
        ASSERT_TRUE(t.SetFirst(2));
        ASSERT_TRUE(t.SetFrozen(2));
        EXPECT_EQ(t.First(), 3u) << "the first scrolled line comes after the frozen ones";
        EXPECT_EQ(Recorded(factory), std::vector<std::string>({Call(t.Op("CreateSetFrozen*Cmd").c_str(), 0, 0),
                                                               Call("AddCommand", static_cast<CGXGridCore*>(&grid), 0)}));
        EXPECT_TRUE(bRow ? grid.IsFrozenRow(2) : grid.IsFrozenCol(2));
        EXPECT_FALSE(bRow ? grid.IsFrozenRow(0) : grid.IsFrozenCol(0));

        // while printing only the print line changes
        CDC printer;
        printer.CreateCompatibleDC(nullptr);
        grid.SetPrinting(&printer);
        EXPECT_TRUE(t.SetFirst(9));
        EXPECT_EQ(t.First(), 9u);
        // the frozen-lines-off switch counts while printing only with the print-frozen switch
        t.FrozenOff() = TRUE;
        EXPECT_EQ(t.Frozen(), 2u);
        grid.m_bPrintFrozen = TRUE;
        EXPECT_EQ(t.Frozen(), 0u);
        grid.SetPrinting(nullptr);
        EXPECT_EQ(t.First(), 3u);
        EXPECT_EQ(t.Frozen(), 0u);
        t.FrozenOff() = FALSE;
        EXPECT_EQ(t.Frozen(), 2u);
    }
}

TEST(RowsAndColumns, HintsGoToTheOtherViewsOfADocument)
{
    CDocument document;
    CInputGridWnd grid;
    grid.CreateInputGrid(6, 6);
    FakeUpdateHintImp hints;
    WithModule<CGXAbstractGridUpdateHintImp> withHints(grid.m_pUpdateHintImp, &hints);
    CGXGridCore* pCore = &grid;
    grid.InsertRows(2, 1);
    EXPECT_TRUE(hints.calls.empty()) << "a grid without a document sends nothing";
    grid.SetDocument(&document);
    grid.InsertCols(2, 3, nullptr, nullptr, nullptr, 0, 6);
    grid.SetTopRow(3, 1);
    EXPECT_EQ(hints.calls, std::vector<std::string>({Call("OnColsInserted", pCore, 2, 3, 6u), Call("SetTopRow", pCore, 3, 1u)}))
        << "with the redraw flags' low three bits";
}
