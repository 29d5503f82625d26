// Old-style drawing, read back from memory DCs: the grid's own paint while neither the parameter's
// switch nor the grid's flag asks for it; with either, the cells row by row with each row clipped,
// then the column and row lines, showing what the usual paint shows; the backgrounds joined into
// blocks of one interior, the area beyond the last column and row, monochrome brushes.
#include "input_test_support.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXPaintMatrix.h"
#include "grid/ops/GXOldDrawingImp.h"

#include <memory>
#include <string>
#include <vector>

namespace {

const int kWidth = 400;
const int kHeight = 300;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kMarker = RGB(1, 2, 3);

// A grid that notes the steps of its paint matrices (cells as "cell i,j", lines as "col j" and
// "row i", "marked") and, when asked, lets one cell overflow its row.
class COldDrawnGrid : public CTestGridWnd {
public:
    void DrawMatrixCell(CellPaintMatrix& m, int i, int j) override
    {
        m_steps.push_back("cell " + std::to_string(i) + "," + std::to_string(j));
        CTestGridWnd::DrawMatrixCell(m, i, j);
        if (i == m_nOverflowRow && j == m_nOverflowCol) {
            CRect rect = m.CellRect(i, j);
            rect.InflateRect(0, 8);
            m.pDC->FillSolidRect(&rect, kRed);
        }
    }
    void DrawColumnLines(CellPaintMatrix& m, int j) override
    {
        m_steps.push_back("col " + std::to_string(j));
        CTestGridWnd::DrawColumnLines(m, j);
    }
    void DrawRowLines(CellPaintMatrix& m, int i) override
    {
        m_steps.push_back("row " + std::to_string(i));
        CTestGridWnd::DrawRowLines(m, i);
    }
    void DrawMatrixMarkedCells(CellPaintMatrix& m) override
    {
        m_steps.push_back("marked");
        CTestGridWnd::DrawMatrixMarkedCells(m);
    }

    std::vector<std::string> m_steps;
    int m_nOverflowRow = -1;
    int m_nOverflowCol = -1;
};

// A grid of 3 by 3 cells (CreatePaintedGrid: the cells end at x 190 and y 80) with the old-drawing
// module, the properties' background colour the marker.
class OldDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreatePaintedGrid(grid, 3, 3);
        grid.m_pOldDrawingImp = &module;
        grid.GetParam()->GetProperties()->SetColor(CGXProperties::gxBackgroundColor, kMarker);
    }
    void TearDown() override { grid.m_pOldDrawingImp = nullptr; }

    // Paints the grid into a new canvas, red before the paint so that nothing left undrawn passes
    // for the white of a cell.
    std::unique_ptr<DibCanvas> Paint()
    {
        auto pCanvas = std::make_unique<DibCanvas>(kWidth, kHeight);
        pCanvas->dc.FillSolidRect(0, 0, kWidth, kHeight, kRed);
        grid.m_steps.clear();
        grid.OnGridDraw(&pCanvas->dc);
        return pCanvas;
    }
    // The first pixel where two canvases differ, or "" when none does.
    static std::string FirstDifference(const DibCanvas& a, const DibCanvas& b)
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (a.At(x, y) != b.At(x, y))
                    return std::to_string(x) + "," + std::to_string(y);
        return "";
    }
    // A matrix over the grid's cells rows 1 to nRows and columns 1 to nCols, each cell of style
    // aStyles[i * nCols + j] (null: none) and flags 0x20 where it has one, drawn into pDC.
    CellPaintMatrix Matrix(CDC* pDC, int nRows, int nCols, const std::vector<const CGXStyle*>& apStyles)
    {
        CellPaintMatrix m;
        m.nRows = nRows;
        m.nCols = nCols;
        m.pDC = pDC;
        m.xOrigin = 40;
        m.yOrigin = 20;
        for (int i = 0; i < nRows; ++i) {
            m.anRows.push_back(ROWCOL(i + 1));
            m.anTops.push_back(20 + 20 * i);
            m.anHeights.push_back(20);
        }
        m.anRows.push_back(ROWCOL(nRows + 1) < grid.GetRowCount() ? ROWCOL(nRows + 1) : 0);
        for (int j = 0; j < nCols; ++j) {
            m.anCols.push_back(ROWCOL(j + 1));
            m.anLefts.push_back(40 + 50 * j);
            m.anWidths.push_back(50);
        }
        m.anCols.push_back(ROWCOL(nCols + 1) < grid.GetColCount() ? ROWCOL(nCols + 1) : 0);
        m.nLastRow = nRows;
        m.nLastCol = nCols;
        m.apStyles = apStyles;
        for (const CGXStyle* pStyle : apStyles)
            m.anFlags.push_back(pStyle != nullptr ? CellPaintMatrix::gxOwnBackground : 0);
        return m;
    }
    // A style whose interior is solid clr.
    static std::unique_ptr<CGXStyle> Interior(COLORREF clr)
    {
        auto pStyle = std::make_unique<CGXStyle>();
        pStyle->SetInterior(CGXCellBrush().SetColor(clr));
        return pStyle;
    }
    static BOOL OwnBackground(const CellPaintMatrix& m, int i, int j)
    {
        return (m.anFlags[m.Index(i, j)] & CellPaintMatrix::gxOwnBackground) != 0;
    }

    COldDrawnGrid grid;
    CGXGridOldDrawingImp module;
};

}  // namespace

TEST_F(OldDrawing, WithoutTheSwitchOrTheFlagTheGridPaintsAsUsual)
{
    DibCanvas canvas(kWidth, kHeight), untouched(kWidth, kHeight);
    canvas.dc.FillSolidRect(0, 0, kWidth, kHeight, kMarker);
    untouched.dc.FillSolidRect(0, 0, kWidth, kHeight, kMarker);
    auto pGreen = Interior(RGB(0, 160, 0));
    CellPaintMatrix m = Matrix(&canvas.dc, 2, 2, {pGreen.get(), pGreen.get(), pGreen.get(), pGreen.get()});
    EXPECT_FALSE(module.DrawMatrixCells(&grid, &canvas.dc, m));
    EXPECT_EQ(FirstDifference(canvas, untouched), "") << "nothing drawn";
    EXPECT_FALSE(grid.m_bOldDrawing);
    EXPECT_TRUE(grid.m_steps.empty());

    // a whole paint takes the grid's own way: each row's lines follow its cells
    const auto withModule = Paint();
    EXPECT_EQ(grid.m_steps[4], "row 0");
    grid.m_pOldDrawingImp = nullptr;
    EXPECT_EQ(FirstDifference(*withModule, *Paint()), "");
}

TEST_F(OldDrawing, TheSwitchOrTheFlagDrawsRowByRowThenTheLinesAndLooksTheSame)
{
    // a block of one colour, a lone cell of another, a selection and the current cell
    CGXStyle green, blue;
    green.SetInterior(CGXCellBrush().SetColor(RGB(0, 160, 0)));
    blue.SetInterior(CGXCellBrush().SetColor(RGB(0, 0, 200)));
    grid.SetStyleRange(CGXCellRange(1, 1, 2, 2), &green, CGXStyle::gxOverride);
    grid.SetStyleRange(CGXCellRange(3, 3, 3, 3), &blue, CGXStyle::gxOverride);
    grid.GetParam()->GetRangeList1().AddRange(CGXCellRange(3, 1, 3, 2));
    ASSERT_TRUE(grid.SetCurrentCell(2, 3, 0));
    const auto usual = Paint();

    const struct {
        BOOL bSwitch;
        BOOL bFlag;
    } cases[] = {{TRUE, FALSE}, {FALSE, TRUE}};
    for (const auto& c : cases) {
        grid.GetParam()->SetOldDrawing(c.bSwitch);
        grid.m_bOldDrawing = c.bFlag;
        const auto old = Paint();
        EXPECT_TRUE(grid.m_bOldDrawing) << "switch " << c.bSwitch;
        // the display rows 0 to 3 and columns 0 to 3: sixteen cells, then the lines, then the marks
        std::vector<std::string> expected;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                expected.push_back("cell " + std::to_string(i) + "," + std::to_string(j));
        for (int j = 0; j < 4; ++j)
            expected.push_back("col " + std::to_string(j));
        for (int i = 0; i < 4; ++i)
            expected.push_back("row " + std::to_string(i));
        expected.push_back("marked");
        EXPECT_EQ(grid.m_steps, expected) << "switch " << c.bSwitch;
        EXPECT_EQ(FirstDifference(*usual, *old), "") << "switch " << c.bSwitch;
    }
}

TEST_F(OldDrawing, EachRowIsClippedToItselfUnlessTheLibraryTurnsItOff)
{
    grid.m_bOldDrawing = TRUE;
    grid.m_nOverflowRow = 2;
    grid.m_nOverflowCol = 2;
    // cell (2, 2) lies at (90, 40)-(140, 60); its fill reaches 8 pixels into the rows above and below
    auto canvas = Paint();
    EXPECT_EQ(canvas->At(115, 50), kRed);
    EXPECT_NE(canvas->At(115, 35), kRed) << "the row above keeps its cell";
    CRect rectClip;
    canvas->dc.GetClipBox(&rectClip);
    EXPECT_EQ(rectClip, CRect(0, 0, kWidth, kHeight)) << "the clip region is back after the paint";

    GXGetLibraryState()->m_bNoRowClipWithAttribDC = TRUE;
    canvas = Paint();
    GXGetLibraryState()->m_bNoRowClipWithAttribDC = FALSE;
    EXPECT_EQ(canvas->At(115, 35), kRed) << "not clipped";
}

TEST_F(OldDrawing, BackgroundsOfOneInteriorAreJoinedIntoBlocks)
{
    DibCanvas canvas(kWidth, kHeight);
    canvas.dc.FillSolidRect(0, 0, kWidth, kHeight, kRed);
    const COLORREF clrGreen = RGB(0, 160, 0), clrBlue = RGB(0, 0, 200);
    auto pGreen = Interior(clrGreen);
    auto pBlue = Interior(clrBlue);
    auto pPlain = std::make_unique<CGXStyle>();
    CGXStyle* g = pGreen.get();
    // rows 1 to 3, columns 1 to 3: a green block of two by two under which a plain cell stops it; a
    // blue cell; a spanned green cell beside the block, which joins none; a green cell alone
    CellPaintMatrix m = Matrix(&canvas.dc, 3, 3, {g, g, pBlue.get(), g, g, g, pPlain.get(), nullptr, g});
    m.anFlags[m.Index(1, 2)] |= CellPaintMatrix::gxSpanned;
    m.anFlags[m.Index(2, 0)] = 0;  // the plain cell leaves its background to the grid
    grid.DrawOldStyleGrid(m);

    const COLORREF clrStandard = GXResolveColor(grid.GetStandardStyle().GetInterior().GetColor());
    for (CPoint pt : {CPoint(45, 25), CPoint(135, 55), CPoint(90, 40)})
        EXPECT_EQ(canvas.At(pt.x, pt.y), clrGreen) << pt.x << "," << pt.y;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            EXPECT_FALSE(OwnBackground(m, i, j)) << "block cell " << i << "," << j << " fills it no more";
    // the others keep their flags and show the standard interior until they fill themselves
    EXPECT_TRUE(OwnBackground(m, 0, 2));
    EXPECT_EQ(canvas.At(165, 30), clrStandard);
    EXPECT_TRUE(OwnBackground(m, 1, 2));
    EXPECT_EQ(canvas.At(165, 50), clrStandard);
    EXPECT_TRUE(OwnBackground(m, 2, 2));
    EXPECT_EQ(canvas.At(165, 70), clrStandard);
    // beyond the grid's last column and row: the properties' background colour
    EXPECT_EQ(canvas.At(250, 50), kMarker);
    EXPECT_EQ(canvas.At(100, 150), kMarker);
    EXPECT_EQ(canvas.At(300, 200), kMarker);

    // printing leaves what lies beyond to the page (which takes the window's size)
    grid.MoveWindow(0, 0, kWidth + 100, kHeight + 100);
    DibCanvas page(kWidth, kHeight);
    page.dc.FillSolidRect(0, 0, kWidth, kHeight, kRed);
    m = Matrix(&page.dc, 3, 3, {g, g, pBlue.get(), g, g, g, pPlain.get(), nullptr, g});
    grid.SetPrinting(&page.dc);
    grid.DrawOldStyleGrid(m);
    grid.SetPrinting(nullptr);
    EXPECT_EQ(page.At(45, 25), clrGreen);
    EXPECT_EQ(page.At(250, 50), kRed);
    EXPECT_EQ(page.At(100, 150), kRed);
}

TEST_F(OldDrawing, AnUnstyledCellBelowACellJoinsItsBlock)
{
    DibCanvas canvas(kWidth, kHeight);
    const COLORREF clrGreen = RGB(0, 160, 0);
    auto pGreen = Interior(clrGreen);
    CellPaintMatrix m = Matrix(&canvas.dc, 2, 1, {pGreen.get(), nullptr});
    grid.DrawOldStyleGrid(m);
    EXPECT_EQ(canvas.At(60, 50), clrGreen);
    EXPECT_FALSE(OwnBackground(m, 0, 0));
}

TEST_F(OldDrawing, MonochromeMatricesFillLightBrushesWhiteAndDarkOnesBlack)
{
    const struct {
        BYTE nGrey;
        COLORREF expected;
    } cases[] = {{64, RGB(255, 255, 255)}, {200, RGB(255, 255, 255)}, {63, RGB(0, 0, 0)}, {0, RGB(0, 0, 0)}};
    for (const auto& c : cases) {
        DibCanvas canvas(kWidth, kHeight);
        auto pGrey = Interior(RGB(c.nGrey, c.nGrey, c.nGrey));
        CellPaintMatrix m = Matrix(&canvas.dc, 1, 2, {pGrey.get(), pGrey.get()});
        m.bColor = FALSE;
        grid.DrawOldStyleGrid(m);
        EXPECT_EQ(canvas.At(90, 30), c.expected) << "grey " << int(c.nGrey);
        EXPECT_FALSE(OwnBackground(m, 0, 1)) << "grey " << int(c.nGrey);
    }
}

TEST_F(OldDrawing, WithTheSwitchTheBackgroundStepOnlyTakesTheBrush)
{
    grid.GetParam()->SetOldDrawing(TRUE);
    DibCanvas canvas(kWidth, kHeight);
    canvas.dc.FillSolidRect(0, 0, kWidth, kHeight, kRed);
    auto pGreen = Interior(RGB(0, 160, 0));
    CellPaintMatrix m = Matrix(&canvas.dc, 1, 2, {pGreen.get(), pGreen.get()});
    grid.DrawOldStyleGrid(m);
    EXPECT_EQ(canvas.At(90, 30), kRed);
    EXPECT_EQ(canvas.At(300, 200), kRed);
    EXPECT_TRUE(OwnBackground(m, 0, 0));
    EXPECT_TRUE(OwnBackground(m, 0, 1));
}
