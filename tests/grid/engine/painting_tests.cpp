// Grid painting, read back from memory DCs: grid lines, the frozen edge, header interiors, the area
// beyond the cells, line-after mode, marked cells, the cell texts; direct and buffered paints alike;
// paints that draw nothing; the GDI and style caches; the paint matrix's row after its last row.
#include "library_test_support.h"

#include "fake_modules.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXPaintMatrix.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kWidth = 400;
const int kHeight = 300;

// A grid of 3 by 3 cells (CreatePaintedGrid).
class PaintedGrid : public ::testing::Test {
protected:
    void SetUp() override { CreatePaintedGrid(grid, 3, 3); }
    // The properties' colour nIndex as GDI draws it.
    COLORREF Color(int nIndex) { return GXResolveColor(grid.GetParam()->GetProperties()->GetColor(nIndex)); }
    // Paints the grid into a new canvas.
    std::unique_ptr<DibCanvas> Paint()
    {
        auto pCanvas = std::make_unique<DibCanvas>(kWidth, kHeight);
        grid.OnGridDraw(&pCanvas->dc);
        return pCanvas;
    }

    CTestGridWnd grid;
};

// A style that counts its deletions.
class CountedStyle : public CGXStyle {
public:
    explicit CountedStyle(int& rn) : m_rn(rn) {}
    ~CountedStyle() override { ++m_rn; }

private:
    int& m_rn;
};

// An old-drawing module that notes the row after each matrix it is shown and leaves the drawing to the
// grid.
struct MatrixWatcher : FakeOldDrawingImp {
    std::vector<ROWCOL> rowsAfter;
    BOOL DrawMatrixCells(CGXGridCore*, CDC*, CellPaintMatrix& m) override
    {
        rowsAfter.push_back(m.anRows[m.nRows]);
        return FALSE;
    }
};

}  // namespace

TEST_F(PaintedGrid, LinesHeadersAndTheAreaBeyondTheCells)
{
    grid.GetParam()->GetProperties()->SetColor(CGXProperties::gxBackgroundColor, RGB(1, 2, 3));
    grid.GetParam()->SetFrozenCols(1);
    const auto canvas = Paint();
    const COLORREF clrLines = Color(CGXProperties::gxGridLineColor);
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
    // column 2's left line, row 2's top line and the inside of cell (2, 2)
    EXPECT_EQ(canvas->At(90, 50), clrLines);
    EXPECT_EQ(canvas->At(110, 40), clrLines);
    EXPECT_EQ(canvas->At(130, 55), clrWindow);
    // the frozen column's right edge, on its last pixel
    EXPECT_EQ(canvas->At(89, 50), Color(CGXProperties::gxFixedLineColor));
    // the inside of a row header and of a column header, away from their texts
    EXPECT_EQ(canvas->At(37, 37), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas->At(142, 17), ::GetSysColor(COLOR_BTNFACE));
    // right of the last column (a line closes it) and below the last row
    EXPECT_EQ(canvas->At(190, 50), clrLines);
    EXPECT_EQ(canvas->At(250, 50), RGB(1, 2, 3));
    EXPECT_EQ(canvas->At(100, 150), RGB(1, 2, 3));
    EXPECT_EQ(canvas->At(300, 200), RGB(1, 2, 3)) << "beyond both the last row and the last column";
}

TEST_F(PaintedGrid, LineAfterModeDrawsLinesOnTheLastPixel)
{
    grid.GetParam()->SetLineOffset(TRUE);
    const auto canvas = Paint();
    const COLORREF clrLines = Color(CGXProperties::gxGridLineColor);
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(canvas->At(89, 50), clrLines) << "column 1's last pixel";
    EXPECT_EQ(canvas->At(90, 50), clrWindow);
    EXPECT_EQ(canvas->At(110, 59), clrLines) << "row 2's last pixel";
    EXPECT_EQ(canvas->At(110, 40), clrWindow);
}

TEST_F(PaintedGrid, SelectedCellsAndTheCurrentCellAreMarked)
{
    grid.GetParam()->GetRangeList1().AddRange(CGXCellRange(2, 2, 2, 3));
    ASSERT_TRUE(grid.SetCurrentCell(2, 3, 0));
    const auto canvas = Paint();
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
    const COLORREF clrInverted = clrWindow ^ 0xFFFFFF;
    EXPECT_EQ(canvas->At(115, 50), clrInverted) << "a selected cell is inverted";
    EXPECT_EQ(canvas->At(165, 50), clrWindow) << "the current cell keeps its inside";
    EXPECT_EQ(canvas->At(142, 48), clrInverted) << "and gets a frame";
    EXPECT_EQ(canvas->At(115, 70), clrWindow) << "not selected";
}

TEST_F(PaintedGrid, CellTextsAreDrawnInTheirCells)
{
    grid.ApplyValueToRange(CGXCellRange(2, 3, 2, 3), "x7");
    CRecordingDC dc;
    grid.OnGridDraw(&dc);
    const struct {
        const char* pszText;
        CRect rect;
    } cells[] = {{"A", CRect(40, 0, 90, 20)},   {"C", CRect(140, 0, 190, 20)}, {"1", CRect(0, 20, 40, 40)},
                 {"3", CRect(0, 60, 40, 80)}, {"x7", CRect(140, 40, 190, 60)}};
    for (const auto& c : cells) {
        const auto it = std::find_if(dc.m_texts.begin(), dc.m_texts.end(),
                                     [&](const CRecordingDC::Text& t) { return t.text == c.pszText; });
        ASSERT_NE(it, dc.m_texts.end()) << c.pszText;
        EXPECT_TRUE(c.rect.PtInRect(CPoint(it->x, it->y))) << c.pszText << " at " << it->x << "," << it->y;
    }
    // the column headers are centred, in their own font
    const auto a = std::find_if(dc.m_texts.begin(), dc.m_texts.end(), [](const CRecordingDC::Text& t) { return t.text == "A"; });
    CFont* pOld = dc.SelectObject(grid.LookupFont(grid.LookupStyleRowCol(0, 1)->GetFontRef()));
    const int nWidth = dc.Width("A");
    dc.SelectObject(pOld);
    EXPECT_NEAR(a->x + nWidth / 2, 65, 2);
}

TEST_F(PaintedGrid, DirectAndBufferedPaintsGiveTheSamePixels)
{
    grid.GetParam()->GetRangeList1().AddRange(CGXCellRange(1, 1, 2, 2));
    grid.ApplyValueToRange(CGXCellRange(1, 1, 3, 3), "text");
    const auto direct = Paint();
    EXPECT_EQ(grid.SetBufferedPaint(1), 0);
    const auto buffered = Paint();
    int nDifferent = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            nDifferent += direct->At(x, y) != buffered->At(x, y);
    EXPECT_EQ(nDifferent, 0);
}

TEST_F(PaintedGrid, PaintsThatDrawNothingLeaveTheCaches)
{
    grid.FreeObjectCache();
    grid.LookupStyleRowCol(1, 1);
    grid.LookupBrush(CGXCellBrush(CGXCellBrush::gxSolid, RGB(0, 0, 255)));
    size_t nCached = grid.GetCachedObjectCount();
    ASSERT_EQ(nCached, 2u);
    const auto untouched = [&](DibCanvas& canvas) {
        for (int y = 0; y < kHeight; y += 7)
            for (int x = 0; x < kWidth; x += 7)
                if (canvas.At(x, y) != kWhite)
                    return false;
        return grid.GetCachedObjectCount() == nCached;
    };
    {
        DibCanvas canvas(kWidth, kHeight);
        CRgn empty;
        empty.CreateRectRgn(0, 0, 0, 0);
        canvas.dc.SelectClipRgn(&empty);
        grid.OnGridDraw(&canvas.dc);
        EXPECT_TRUE(untouched(canvas)) << "an empty clip box";
    }
    {
        grid.GetParam()->SetLockRedraw(TRUE);
        DibCanvas canvas(kWidth, kHeight);
        grid.OnGridDraw(&canvas.dc);
        EXPECT_TRUE(untouched(canvas)) << "redraw locked";
        grid.GetParam()->SetLockRedraw(FALSE);
    }
    {
        // a clip box that misses the grid rectangle leaves a buffered paint nothing to draw
        grid.SetBufferedPaint(1);
        const CRect rectSmall(0, 0, 100, 100);
        grid.SetGridRect(TRUE, &rectSmall);
        DibCanvas canvas(kWidth, kHeight);
        canvas.dc.IntersectClipRect(200, 200, 300, 300);
        grid.OnGridDraw(&canvas.dc);
        EXPECT_TRUE(untouched(canvas)) << "a buffered clip of no width";
    }
    {
        CDC printer;
        printer.CreateCompatibleDC(nullptr);
        grid.SetPrinting(&printer, TRUE);
        nCached = grid.GetCachedObjectCount();  // the printer's font was measured
        DibCanvas canvas(kWidth, kHeight);
        grid.OnGridDraw(&canvas.dc);
        EXPECT_TRUE(grid.m_bPrintPaintRequested);
        grid.SetPrinting(nullptr);
        EXPECT_TRUE(untouched(canvas)) << "printing only notes the request";
    }
}

TEST_F(PaintedGrid, GdiObjectsAreCachedByTheirRecordUntilAFlush)
{
    grid.FreeObjectCache();
    const CGXFont font = CGXFont().SetSize(12).SetFaceName("Arial");
    const CGXCellBrush brush(CGXCellBrush::gxSolid, RGB(10, 20, 30));
    const CGXCellPen pen(CGXCellPen::gxDash, 2, RGB(40, 50, 60));
    CFont* pFont = grid.LookupFont(font);
    CBrush* pBrush = grid.LookupBrush(brush);
    CPen* pPen = grid.LookupPen(pen);
    ASSERT_NE(pFont->m_hObject, nullptr);
    ASSERT_NE(pBrush->m_hObject, nullptr);
    ASSERT_NE(pPen->m_hObject, nullptr);
    EXPECT_EQ(grid.LookupFont(CGXFont(font)), pFont);
    EXPECT_EQ(grid.LookupBrush(CGXCellBrush(brush)), pBrush);
    EXPECT_EQ(grid.LookupPen(CGXCellPen(pen)), pPen);
    EXPECT_NE(grid.LookupBrush(CGXCellBrush(CGXCellBrush::gxSolid, RGB(10, 20, 31))), pBrush);
    EXPECT_EQ(grid.GetCachedObjectCount(), 4u);
    grid.FreeObjectCache();
    EXPECT_EQ(grid.GetCachedObjectCount(), 0u);
}

TEST_F(PaintedGrid, RecycledStylesBeyond500AreDeleted)
{
    while (grid.GetRecycledStyleCount() <= 500)
        grid.RecycleStyle(new CGXStyle);
    int nDeleted = 0;
    grid.RecycleStyle(new CountedStyle(nDeleted));
    EXPECT_EQ(nDeleted, 1);
    EXPECT_EQ(grid.GetRecycledStyleCount(), 501u);
}

TEST_F(PaintedGrid, TheRowAfterTheMatrixIsZeroAtTheRowCount)
{
    grid.GetParam()->GetData()->SetRowCount(5);
    MatrixWatcher watcher;
    WithModule<CGXAbstractGridOldDrawingImp> installed(grid.m_pOldDrawingImp, &watcher);
    DibCanvas canvas(kWidth, kHeight);
    for (int nLastRow : {3, 4, 5})
        grid.DrawCellMatrix(0, 0, nLastRow, 2, &canvas.dc);
    EXPECT_EQ(watcher.rowsAfter, (std::vector<ROWCOL>{4, 0, 0}));
}
