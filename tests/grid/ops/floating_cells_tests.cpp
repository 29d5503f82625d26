// Floating cells: how far a text spills by its measured width, what stops it (a value, the frozen
// edge, rotation, headers), the edited text of the current cell, a neighbour typed into, the print
// pool; and covered, merged and floated cells drawn as one cell.
#include "span_cells_test_support.h"

#include "grid/engine/GXColor.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXProperties.h"
#include "grid/ops/GXSpanCellPool.h"

#include <algorithm>
#include <vector>

namespace {

const char kLong[] = "A text much too long for its column";
const ROWCOL kRow = 2;

// A grid of 6 rows by 8 columns whose cells float and may be spilled over, in mode 2; column 3
// holds a long text, columns 3 to 7 are a third of its measured width wide (and a pixel more), so
// it needs exactly three of them.
class FloatingCells : public ::testing::Test, public SpanGridFixture {
protected:
    void SetUp() override
    {
        f.grid.GetParam()->GetData()->SetColCount(8);
        Float().SetFloatCellsMode(&f.grid, 2, FALSE);
        Apply(CGXCellRange(1, 1, 6, 8), CGXStyle().SetFloatCell(TRUE).SetFloodCell(TRUE));
        Apply(kRow, 3, CGXStyle().SetValue(kLong));
        m_nWidth = Measured(kRow, 3, kLong);
        f.grid.SetColWidth(3, 7, m_nWidth / 3 + 1, nullptr, 0, CGXGridCore::gxRollback);
    }
    // The width the cell's control measures for it showing pszValue.
    int Measured(ROWCOL nRow, ROWCOL nCol, const char* pszValue)
    {
        CGXStyle style(CGXComposedStyle(&f.grid, nRow, nCol).Get());
        style.SetValue(pszValue);
        CGXControl* pControl = f.grid.GetRegisteredControl(style.GetControl());
        const int nWidth =
            pControl->CalcSize(f.grid.GetClientDC(), nRow, nCol, style, &f.grid.GetStandardStyle(), FALSE).cx;
        f.grid.ReleaseClientDC();
        return nWidth;
    }
    // The last column a text of nWidth pixels from column nCol needs (the columns after it empty).
    ROWCOL NeededEnd(ROWCOL nCol, int nWidth)
    {
        for (; nCol < f.grid.GetColCount() && f.grid.GetColWidth(nCol) < nWidth; ++nCol)
            nWidth -= f.grid.GetColWidth(nCol);
        return nCol;
    }
    BOOL EvalRow(ROWCOL nRow) { return f.grid.EvalFloatCells(CGXCellRange(nRow, 1, nRow, 8)); }

    int m_nWidth = 0;
};

}  // namespace

TEST_F(FloatingCells, ALongTextSpillsAsFarAsItsWidthNeedsUntilAValue)
{
    ASSERT_EQ(NeededEnd(3, m_nWidth), 5u) << "the columns were made for three";
    EXPECT_TRUE(EvalRow(kRow));
    EXPECT_EQ(Floated(kRow, 4), "2,3-2,5");
    EXPECT_EQ(Floated(kRow, 6), "-") << "no further than needed";

    Apply(kRow, 5, CGXStyle().SetValue("x"));
    EvalRow(kRow);
    EXPECT_EQ(Floated(kRow, 3), "2,3-2,4") << "a value in column 5 stops it";

    // the spill follows the columns' widths
    Apply(kRow, 5, CGXStyle().SetValue(""));
    f.grid.SetColWidth(3, 3, m_nWidth, nullptr, 0, CGXGridCore::gxRollback);
    EvalRow(kRow);
    EXPECT_EQ(Floated(kRow, 3), "-") << "column 3 is wide enough";
}

TEST_F(FloatingCells, TheGridsNoRedrawFlagLeavesAStoredSpanUndrawn)
{
    const auto waiting = [&] {
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        return ::GetUpdateRgn(f.grid.m_hWnd, HRGN(region.m_hObject), FALSE) > NULLREGION;
    };
    f.grid.UpdateWindow();
    f.grid.m_bNoSpanRedraw = TRUE;
    EXPECT_TRUE(f.grid.SetFloatedCellsRowCol(kRow, 3, kRow, 5, 1));
    EXPECT_EQ(Floated(kRow, 4), "2,3-2,5");
    EXPECT_FALSE(waiting());
    f.grid.m_bNoSpanRedraw = FALSE;
    EXPECT_TRUE(f.grid.SetFloatedCellsRowCol(kRow, 3, kRow, 4, 1));
    EXPECT_TRUE(waiting());
}

TEST_F(FloatingCells, TextTypedIntoASpilledOverCellShortensItsLeftNeighbour)
{
    EvalRow(kRow);
    ASSERT_EQ(Floated(kRow, 3), "2,3-2,5");
    Apply(kRow, 4, CGXStyle().SetValue("b"));
    EXPECT_TRUE(f.grid.EvalFloatCells(CGXCellRange(kRow, 4, kRow, 4)));
    EXPECT_EQ(Floated(kRow, 3), "-");
    EXPECT_EQ(Floated(kRow, 4), "-") << "a short text stays in its cell";
}

TEST_F(FloatingCells, WhatNeitherFloatsNorIsSpilledOver)
{
    // the first column after the frozen ones is never spilled over
    f.grid.SetFrozenCols(3, 0, 0);
    EvalRow(kRow);
    EXPECT_EQ(Floated(kRow, 3), "-");
    f.grid.SetFrozenCols(0, 0, 0);
    EvalRow(kRow);
    EXPECT_EQ(Floated(kRow, 3), "2,3-2,5");

    // rotated static text does not float, level static text does
    const CGXStyle staticText = CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetValue(kLong);
    Apply(4, 3, staticText);
    Apply(5, 3, CGXStyle(staticText).ChangeFont(CGXFont().SetOrientation(900), CGXStyle::gxOverride));
    f.grid.EvalFloatCells(CGXCellRange(4, 3, 5, 3));
    EXPECT_EQ(Floated(4, 3), "4,3-4,5");
    EXPECT_EQ(Floated(5, 3), "-");

    // header cells are never evaluated
    Apply(CGXCellRange(0, 1, 0, 1), CGXStyle().SetValue(kLong).SetFloatCell(TRUE));
    EXPECT_FALSE(Float().EvalFloatCell(&f.grid, 0, 1, nullptr, TRUE));
    EXPECT_FALSE(f.grid.EvalFloatCells(CGXCellRange(0, 1, 0, 8)));
    EXPECT_EQ(Floated(0, 1), "-");

    // nor does anything while the evaluation lock is set
    Apply(6, 3, CGXStyle().SetValue(kLong));
    f.grid.m_nLockFloatEval = 1;
    EXPECT_FALSE(EvalRow(6));
    f.grid.m_nLockFloatEval = 0;
    EXPECT_EQ(Floated(6, 3), "-");
}

TEST_F(FloatingCells, TheCurrentCellFloatsByItsEditedText)
{
    Apply(kRow, 3, CGXStyle().SetValue("a"));
    f.Activate(kRow, 3);
    f.Type(kLong);
    ASSERT_EQ(f.Stored(kRow, 3), "a");
    EvalRow(kRow);
    EXPECT_EQ(Floated(kRow, 3), "2,3-2," + std::to_string(NeededEnd(3, Measured(kRow, 3, kLong))));
}

TEST_F(FloatingCells, WhileTheGridPrintsSpansGoToThePrintPool)
{
    CGXGridParam* pParam = f.grid.GetParam();
    pParam->SetSpanPool(CGXGridParam::gxPrintFloatPool, new CGXSpanCellPool);
    DibCanvas printer(100, 100);
    f.grid.SetPrinting(&printer.dc, FALSE);
    EXPECT_EQ(f.grid.GetFloatCellsPool(), pParam->GetSpanPool(CGXGridParam::gxPrintFloatPool));
    f.grid.m_nLockFloatEval = 0;
    EvalRow(kRow);
    CGXCellRange span(kRow, 3, kRow, 3);
    EXPECT_TRUE(pParam->GetSpanPool(CGXGridParam::gxPrintFloatPool)->GetSpan(kRow, 3, span));
    f.grid.SetPrinting(nullptr);
    EXPECT_EQ(f.grid.GetFloatCellsPool(), pParam->GetSpanPool(CGXGridParam::gxFloatPool));
    EXPECT_EQ(Floated(kRow, 3), "-") << "the screen pool was left alone";
}

TEST_F(FloatingCells, ModesThatAreNoneMakeNoPools)
{
    Float().SetFloatCellsMode(&f.grid, 5, FALSE);
    EXPECT_EQ(f.grid.GetFloatCellsMode(), 0);
    EXPECT_EQ(f.grid.GetParam()->GetSpanPool(CGXGridParam::gxFloatPool), nullptr);
    EXPECT_FALSE(EvalRow(kRow));
    Float().SetFloatCellsMode(&f.grid, 1, FALSE);
    EXPECT_NE(f.grid.GetParam()->GetDelayedRangePool(CGXGridParam::gxFloatDelayed), nullptr);
    EXPECT_TRUE(EvalRow(kRow)) << "the whole table was queued";
    EXPECT_EQ(Floated(kRow, 3), "2,3-2,5");
}

// ---- drawing -------------------------------------------------------------------------------------------

namespace {

// The x positions at which pszText was drawn.
std::vector<int> DrawnAt(const CRecordingDC& dc, const char* pszText)
{
    std::vector<int> xs;
    for (const CRecordingDC::Text& t : dc.m_texts)
        if (t.text == pszText)
            xs.push_back(t.x);
    return xs;
}

}  // namespace

TEST_F(FloatingCells, CoveredMergedAndFloatedCellsAreDrawnAsOneCell)
{
    EvalRow(kRow);
    Apply(CGXCellRange(4, 1, 4, 3), CGXStyle().SetValue("Covered").SetHorizontalAlignment(DT_CENTER));
    ASSERT_TRUE(f.grid.SetCoveredCellsRowCol(4, 1, 4, 3));
    f.grid.SetFrozenCols(1, 0, 0);
    Merge().SetMergeCellsMode(&f.grid, 2, FALSE);
    Apply(CGXCellRange(5, 2, 5, 4),
          CGXStyle().SetValue("Merged").SetMergeCell(1).SetFloatCell(FALSE).SetHorizontalAlignment(DT_CENTER));

    CRecordingDC dc;
    f.grid.OnGridDraw(&dc);
    auto textWidth = [&](ROWCOL nRow, ROWCOL nCol, const char* psz) {
        CFont* pOld = dc.SelectObject(f.grid.LookupFont(f.grid.LookupStyleRowCol(nRow, nCol)->GetFontRef()));
        const int n = dc.Width(psz);
        dc.SelectObject(pOld);
        return n;
    };
    // the covering is cut by the frozen edge: each part lays the text out over the whole block
    const std::vector<int> covered = DrawnAt(dc, "Covered");
    ASSERT_EQ(covered.size(), 2u);
    EXPECT_EQ(covered[0], covered[1]);
    const CRect block = f.grid.CalcRangeRect(4, 1, 4, 3);
    EXPECT_NEAR(covered[0] + textWidth(4, 1, "Covered") / 2, block.CenterPoint().x, 2);

    const std::vector<int> merged = DrawnAt(dc, "Merged");
    ASSERT_EQ(merged.size(), 1u) << "once for the three cells";
    EXPECT_NEAR(merged[0] + textWidth(5, 2, "Merged") / 2, f.grid.CalcRangeRect(5, 2, 5, 4).CenterPoint().x, 2);

    ASSERT_EQ(DrawnAt(dc, kLong).size(), 1u);

    // no grid line inside the spans, where the rows below have one
    const CRect rect = f.grid.GetGridRect();
    DibCanvas canvas(rect.right, rect.bottom);
    f.grid.OnGridDraw(&canvas.dc);
    const COLORREF line = GXResolveColor(f.grid.GetParam()->GetProperties()->GetColor(CGXProperties::gxGridLineColor));
    auto lineAt = [&](ROWCOL nRow, ROWCOL nCol) {
        // the column's edge lines of the row, near its bottom where no text reaches
        const CRect cell = f.grid.CalcRangeRect(nRow, nCol, nRow, nCol);
        for (int x = cell.right - 2; x <= cell.right + 1; ++x)
            if (canvas.At(x, cell.bottom - 3) == line)
                return true;
        return false;
    };
    ASSERT_TRUE(lineAt(6, 3)) << "a row without spans";
    EXPECT_FALSE(lineAt(kRow, 3)) << "the floated text";
    EXPECT_FALSE(lineAt(4, 2)) << "the covering";
    EXPECT_FALSE(lineAt(5, 2)) << "the merged cells";
    EXPECT_TRUE(lineAt(5, 4)) << "the merged span's own edge";
}
