// Grid coordinates: stored sizes and the character size they follow, sums, the cut of a row taller than
// the window, range rectangles, the hit test and the cursor it chooses.
#include "library_test_support.h"

#include "fake_modules.h"

#include "grid/engine/GXResource.h"

#include <string>
#include <vector>

namespace {

// A grid that notes the cursors it is asked to show.
class CCursorGrid : public CTestGridWnd {
public:
    void SetGridCursor(UINT nID, LPCSTR lpszSystem) override
    {
        m_nCursor = nID;
        m_lpszSystem = lpszSystem;
    }
    UINT m_nCursor = 99;
    LPCSTR m_lpszSystem = nullptr;
};

// Hides column 3 and row 3.
struct HideThird : FakeHideCellsImp {
    BOOL IsRowHidden(CGXGridCore*, ROWCOL nRow) override { return nRow == 3; }
    BOOL IsColHidden(CGXGridCore*, ROWCOL nCol) override { return nCol == 3; }
};

// A grid of 20 by 20 cells (CreatePaintedGrid).
void MakeRegularGrid(CTestGridWnd& grid)
{
    CreatePaintedGrid(grid, 20, 20);
}

// The character size is measured from "Standard"'s font; a "Standard" without a font gives 10 by 15.
void RemoveStandardFont(CTestGridWnd& grid)
{
    grid.SetParam(nullptr, TRUE);
    auto* pStylesMap = new CGXStylesMap;
    pStylesMap->CreateStandardStyles();
    const CGXStyle* pStandard = nullptr;
    pStylesMap->LookupStyle(pStylesMap->GetStandardStyle(), pStandard);
    auto* pEditable = const_cast<CGXStyle*>(pStandard);
    pEditable->SetIncludeMask(pEditable->GetIncludeMask() & ~DWORD(CGXStyle::incFont));
    grid.GetParam()->SetStylesMap(pStylesMap, TRUE);
}

}  // namespace

TEST(Coordinates, SizesAreStoredInCharacterUnits)
{
    CTestGridWnd grid;
    RemoveStandardFont(grid);
    grid.CreateGrid(10, 10);
    EXPECT_EQ(grid.GetFontHeight(), 15);
    EXPECT_EQ(grid.GetFontWidth(), 10);
    ASSERT_TRUE(grid.StoreRowHeight(5, 20));
    LONG nStored = 0;
    ASSERT_TRUE(grid.GetParam()->GetRowHeights().Lookup(5, nStored));
    EXPECT_EQ(nStored, 1320) << "20 times 1000 / 15";
    EXPECT_EQ(grid.GetRowHeight(5), 20);
    grid.StoreColWidth(4, 33);
    EXPECT_EQ(grid.GetColWidth(4), 33);
    grid.StoreRowHeight(5, -1);
    EXPECT_EQ(grid.GetRowHeight(5), grid.GetDefaultRowHeight()) << "a negative size gives the default back";
    EXPECT_FALSE(grid.StoreDefaultRowHeight(0));
    EXPECT_FALSE(grid.StoreDefaultColWidth(-5));

    // a character size of 0 (not measured yet) or beyond 1000 pixels still keeps sizes
    CTestGridWnd unmeasured;
    unmeasured.SetParam(nullptr, TRUE);
    ASSERT_EQ(unmeasured.GetFontHeight(), 0);
    unmeasured.StoreRowHeight(1, 20);
    EXPECT_EQ(unmeasured.GetRowHeight(1), 20);
    CTestGridWnd huge;
    huge.CreateGrid(2, 2);
    CGXStyle big;
    big.ChangeFont(CGXFont().SetSize(255), CGXStyle::gxOverride);
    huge.ChangeBaseStyle(huge.GetParam()->GetStylesMap()->GetStandardStyle(), big, CGXStyle::gxOverride);
    huge.StoreZoom(400);
    huge.Initialize();  // measures the character size again
    ASSERT_GT(huge.GetFontHeight(), 1000);
    huge.StoreRowHeight(1, 30);
    EXPECT_EQ(huge.GetRowHeight(1), 30);
}

TEST(Coordinates, SettingSizesReportsAndRecordsTheOldOnes)
{
    CTestGridWnd grid;
    MakeRegularGrid(grid);
    FakeCommandFactory factory;
    FakeOptimizedUpdateImp update;
    WithModule<CGXAbstractCommandFactory> withFactory(grid.m_pCommandFactory, &factory);
    WithModule<CGXAbstractGridOptimizedUpdateImp> withUpdate(grid.m_pOptimizedUpdateImp, &update);
    CGXGridCore* pCore = &grid;
    EXPECT_FALSE(grid.SetRowHeight(2, 4, 20)) << "nothing changes";
    EXPECT_TRUE(factory.calls.empty());
    const int anHeights[] = {30, 20, 40};
    EXPECT_TRUE(grid.SetRowHeight(2, 4, 0, anHeights));
    EXPECT_EQ(grid.GetRowHeight(2), 30);
    EXPECT_EQ(grid.GetRowHeight(4), 40);
    ASSERT_EQ(update.calls.size(), 1u);
    EXPECT_EQ(update.calls[0].rfind("UpdateRowHeightsChanged(" + ArgText(pCore) + ",2,4,", 0), 0u);
    EXPECT_EQ(factory.calls, std::vector<std::string>({Call("CreateSetRowHeightCmd", 2, 4), Call("AddCommand", pCore, 0)}));
    EXPECT_TRUE(grid.SetColWidth(3, 0, 70, nullptr, 2, CGXGridCore::gxRollback));
    EXPECT_EQ(grid.GetColWidth(3), 70);
    EXPECT_EQ(factory.calls.size(), 2u) << "a rollback records nothing";
    EXPECT_FALSE(grid.SetDefaultRowHeight(0));
    EXPECT_TRUE(grid.SetDefaultColWidth(60));
    EXPECT_EQ(grid.GetColWidth(5), 60);
    EXPECT_EQ(factory.calls[2], Call("CreateSetDefaultColWidthCmd", 50));
}

TEST(Coordinates, SumsStopOnceTheyPassTheLimit)
{
    CTestGridWnd grid;
    MakeRegularGrid(grid);
    EXPECT_EQ(grid.SumRowHeights(1, 10), 200);
    EXPECT_EQ(grid.SumRowHeights(1, 10, 30), 40);
    EXPECT_EQ(grid.SumColWidths(1, 4, 120), 150);
    EXPECT_EQ(grid.SumDisplayRowHeights(0, 2), 60);
}

TEST(Coordinates, ARowTallerThanTheWindowIsCutOnlyWhileTheWindowShows)
{
    CTestGridWnd grid;
    grid.CreateGrid(5, 5);
    grid.StoreRowHeight(3, 5000);
    EXPECT_EQ(grid.GetRowHeight(3), 5000) << "hidden window";
    grid.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_EQ(grid.GetRowHeight(3), grid.GetGridRect().Height() - grid.GetRowHeight(0));
    grid.m_bLimitRowHeight = FALSE;
    EXPECT_EQ(grid.GetRowHeight(3), 5000);
    grid.ShowWindow(SW_HIDE);
}

TEST(Coordinates, RangeRectangles)
{
    CTestGridWnd grid;
    MakeRegularGrid(grid);
    EXPECT_EQ(grid.CalcCellRect(2, 3), CRect(40 + 100, 20 + 20, 40 + 150, 20 + 40));
    EXPECT_EQ(grid.CalcRangeRect(3, 2, 1, 1), CRect(40, 20, 140, 80)) << "corners in any order";

    // frozen column 1, scrolled to column 5: columns 2 to 4 are out of sight
    grid.GetParam()->SetFrozenCols(1);
    grid.SetLeftColValue(5);
    EXPECT_EQ(grid.CalcRangeRect(1, 2, 1, 4), CRect(0, 0, 0, 0));
    EXPECT_EQ(grid.CalcRangeRect(1, 2, 1, 5).left, 90) << "a corner scrolled out starts at the left column";
    EXPECT_EQ(grid.ColToDisplayIndex(5), 2);
    EXPECT_EQ(grid.DisplayIndexToCol(2), 5u);
    EXPECT_EQ(grid.ColToDisplayIndex(3), 0) << "scrolled out";

    // far ranges are summed only twice the window's size, unless bNoClip
    EXPECT_LE(grid.CalcRangeRect(1, 5, 100, 5).bottom, 20 + 2 * 300 + 20);
    EXPECT_EQ(grid.CalcRangeRect(1, 5, 100, 5, TRUE).bottom, 20 + 100 * 20);
}

TEST(Coordinates, HitTestCodes)
{
    CTestGridWnd grid;
    MakeRegularGrid(grid);
    HideThird hide;
    WithModule<CGXAbstractGridHideCellsImp> installed(grid.m_pHideCellsImp, &hide);
    ASSERT_EQ(grid.m_nHitTolerance, 8);
    // column 2's right edge is the left edge of column 4 (3 is hidden): x = 40 + 2 * 50
    const int xEdge = 140;
    const struct {
        CPoint pt;
        int nHit;
        ROWCOL nRow;
        ROWCOL nCol;
    } cases[] = {
        {{xEdge - 3, 10}, CGXGridCore::gxHitColBoundary, 0, 2},
        {{xEdge + 3, 10}, CGXGridCore::gxHitHiddenCol, 0, 3},
        {{xEdge + 1, 10}, CGXGridCore::gxHitColBoundary, 0, 2},
        {{xEdge - 20, 10}, CGXGridCore::gxHitHeader, 0, 2},
        {{xEdge - 20, 50}, CGXGridCore::gxHitCell, 2, 2},
        {{20, 59 - 1}, CGXGridCore::gxHitRowBoundary, 2, 0},
        {{20, 60 + 3}, CGXGridCore::gxHitHiddenRow, 3, 0},
        {{20, 60 + 1}, CGXGridCore::gxHitRowBoundary, 2, 0},
        {{xEdge - 3, 50}, CGXGridCore::gxHitCell, 2, 2},  // only headers resize by default
    };
    for (const auto& c : cases) {
        ROWCOL nRow = 77, nCol = 77;
        CRect rect;
        EXPECT_EQ(grid.HitTest(c.pt, nRow, nCol, rect), c.nHit) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(nRow, c.nRow) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(nCol, c.nCol) << c.pt.x << "," << c.pt.y;
    }
    // outside the grid rectangle: 0, and the out-values are left alone
    ROWCOL nRow = 77, nCol = 77;
    CRect rect(1, 2, 3, 4);
    EXPECT_EQ(grid.HitTest(CPoint(450, 10), nRow, nCol, rect), CGXGridCore::gxHitNothing);
    EXPECT_EQ(nRow, 77u);
    EXPECT_EQ(nCol, 77u);
    EXPECT_EQ(rect, CRect(1, 2, 3, 4));
    // with column sizing allowed beyond the headers, body cells have boundaries too
    grid.GetParam()->SetColSizingFlags(WORD(grid.GetParam()->GetColSizingFlags() | 4));
    EXPECT_EQ(grid.HitTest(CPoint(xEdge - 3, 50), nRow, nCol, rect), CGXGridCore::gxHitColBoundary);
}

TEST(Coordinates, EachHitPicksItsCursor)
{
    CCursorGrid grid;
    MakeRegularGrid(grid);
    HideThird hide;
    FakeUserResizeCellsImp resize;
    WithModule<CGXAbstractGridHideCellsImp> hideInstalled(grid.m_pHideCellsImp, &hide);
    const struct {
        CPoint pt;
        UINT nCursor;
        LPCSTR lpszSystem;
    } cases[] = {
        {{137, 10}, GX_IDC_COLSIZE, reinterpret_cast<LPCSTR>(IDC_SIZEWE)},
        {{20, 58}, GX_IDC_ROWSIZE, reinterpret_cast<LPCSTR>(IDC_SIZENS)},
        {{143, 10}, GX_IDC_COLHIDDEN, nullptr},
        {{20, 63}, GX_IDC_ROWHIDDEN, nullptr},
        {{70, 10}, GX_IDC_SELCOL, nullptr},
        {{20, 30}, GX_IDC_SELROW, nullptr},
        {{70, 30}, 0, nullptr},
    };
    {
        WithModule<CGXAbstractGridUserResizeCellsImp> resizeInstalled(grid.m_pUserResizeCellsImp, &resize);
        for (const auto& c : cases) {
            grid.OnGridSetCursor(c.pt);
            EXPECT_EQ(grid.m_nCursor, c.nCursor) << c.pt.x << "," << c.pt.y;
            EXPECT_EQ(grid.m_lpszSystem, c.lpszSystem) << c.pt.x << "," << c.pt.y;
        }
    }
    grid.OnGridSetCursor(CPoint(137, 10));
    EXPECT_EQ(grid.m_nCursor, 0u) << "no boundary cursor while the columns cannot be resized";

    // a selected whole column under the mouse can be dragged: the standard cursor
    grid.GetParam()->GetRangeList1().AddRange(CGXCellRange().SetCols(1, 1));
    grid.OnGridSetCursor(CPoint(70, 10));
    EXPECT_EQ(grid.m_nCursor, 0u);

    // the selection's frame and its fill handle
    grid.GetParam()->GetRangeList1().DeleteAll();
    grid.GetParam()->GetRangeList1().AddRange(CGXCellRange(2, 2, 4, 4));
    grid.m_bHitTestSelEdge = TRUE;
    grid.OnGridSetCursor(CPoint(91, 50));
    EXPECT_EQ(grid.m_nCursor, UINT(GX_IDC_SELMOVE)) << "the left side of the range";
    grid.OnGridSetCursor(CPoint(110, 50));
    EXPECT_EQ(grid.m_nCursor, 0u) << "inside the range";
    grid.GetParam()->GetDisplayOptions().bExcelLikeFill = TRUE;
    // column 4's cell (4, 4): its right and bottom edges are the range's
    grid.OnGridSetCursor(CPoint(40 + 150 - 2, 20 + 60 - 2));
    EXPECT_EQ(grid.m_nCursor, UINT(GX_IDC_FILLHANDLE));

    // an override wins over the hit test
    grid.SetCursorOverride(GX_IDC_SELROW);
    grid.OnGridSetCursor(CPoint(70, 30));
    EXPECT_EQ(grid.m_nCursor, UINT(GX_IDC_SELROW));
}

TEST(Coordinates, CursorsComeFromTheResourcesOrTheSystem)
{
    CTestGridWnd grid;
    grid.CreateGrid(2, 2);
    grid.SetGridCursor(GX_IDC_COLSIZE, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
    const HCURSOR hResource = ::GetCursor();
    EXPECT_NE(hResource, nullptr);
    EXPECT_NE(hResource, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE)));
    grid.SetGridCursor(GX_IDC_COLSIZE, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
    EXPECT_EQ(::GetCursor(), hResource) << "the last cursor is kept";
    grid.SetGridCursor(12345, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE))) << "no such resource";
    grid.SetGridCursor(0);
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}
