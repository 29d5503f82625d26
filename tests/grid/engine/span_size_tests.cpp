// Spanned cells drawn as one cell (across the frozen edge, and from a first cell scrolled out of view),
// the content size of cells, the drag line window and the growth of the sort-key array.
#include "input_test_support.h"

#include "grid/engine/GXCalcSizeImp.h"
#include "grid/engine/GXColor.h"
#include "grid/engine/GXDragLineWnd.h"
#include "grid/engine/GXDrawSpannedCellsImp.h"
#include "grid/engine/GXSortInfoArray.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

// A grid of 6 by 4 cells (CreatePaintedGrid), with the spanned-cell module and a covered-cells module
// holding one span.
class SpannedGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreatePaintedGrid(grid, 6, 4);
        grid.m_pCoveredCellsImp = &covered;
        grid.AttachDrawSpannedCellsImp();
    }
    void TearDown() override { grid.m_pCoveredCellsImp = nullptr; }

    // The texts drawn with text pszText.
    static std::vector<CRecordingDC::Text> Drawn(const CRecordingDC& dc, const char* pszText)
    {
        std::vector<CRecordingDC::Text> texts;
        std::copy_if(dc.m_texts.begin(), dc.m_texts.end(), std::back_inserter(texts),
                     [&](const CRecordingDC::Text& t) { return t.text == pszText; });
        return texts;
    }
    COLORREF GridLineColor()
    {
        return GXResolveColor(grid.GetParam()->GetProperties()->GetColor(CGXProperties::gxGridLineColor));
    }

    CTestGridWnd grid;
    OneSpanCoveredCells covered{CGXCellRange()};
};

// The composed style and control of a cell, and the content size the module measures for it.
CSize ContentSize(CTestGridWnd& grid, ROWCOL nRow, ROWCOL nCol, BOOL bHeightOnly, CDC& dc)
{
    const CGXComposedStyle style(&grid, nRow, nCol);
    return grid.m_pCalcSizeImp->CalcSize(&grid, &dc, grid.GetControl(nRow, nCol), nRow, nCol, style.Get(),
                                         &grid.GetStandardStyle(), bHeightOnly);
}

}  // namespace

TEST_F(SpannedGrid, ASpanCutByTheFrozenEdgeIsDrawnInEachPartOverTheWholeSpan)
{
    covered.span = CGXCellRange(1, 1, 1, 3);
    grid.SetFrozenCols(1, 0);
    grid.SetStyleRange(CGXCellRange(1, 1, 1, 1),
                       &CGXStyle().SetValue("Wide").SetHorizontalAlignment(DT_CENTER), CGXStyle::gxOverride);
    CRecordingDC dc;
    grid.OnGridDraw(&dc);
    const std::vector<CRecordingDC::Text> texts = Drawn(dc, "Wide");
    ASSERT_EQ(texts.size(), 2u) << "once in the frozen column, once in the scrolled ones";
    EXPECT_EQ(texts[0].x, texts[1].x) << "both laid out over the same span";
    CFont* pOld = dc.SelectObject(grid.LookupFont(grid.LookupStyleRowCol(1, 1)->GetFontRef()));
    const int nWidth = dc.Width("Wide");
    dc.SelectObject(pOld);
    EXPECT_NEAR(texts[0].x + nWidth / 2, (40 + 190) / 2, 2) << "centred over columns 1 to 3";

    DibCanvas canvas(400, 300);
    grid.OnGridDraw(&canvas.dc);
    EXPECT_EQ(canvas.At(140, 30), kWhite) << "no grid line inside the span";
    EXPECT_EQ(canvas.At(140, 50), GridLineColor()) << "the line between columns 2 and 3 below it";
}

TEST_F(SpannedGrid, ASpanWhoseFirstCellIsScrolledOutIsDrawnFromItsFirstVisibleCell)
{
    covered.span = CGXCellRange(2, 1, 5, 1);
    grid.SetStyleRange(CGXCellRange(2, 1, 2, 1), &CGXStyle().SetValue("Tall"), CGXStyle::gxOverride);
    grid.SetTopRow(3, 0);
    ASSERT_EQ(grid.GetTopRow(), 3u);
    CRecordingDC dc;
    grid.OnGridDraw(&dc);
    const std::vector<CRecordingDC::Text> texts = Drawn(dc, "Tall");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_LT(texts[0].y, 20) << "laid out from the span's first row, above the visible rows";

    DibCanvas canvas(400, 300);
    grid.OnGridDraw(&canvas.dc);
    EXPECT_EQ(canvas.At(65, 40), kWhite) << "no line between the span's visible rows";
    EXPECT_EQ(canvas.At(115, 40), GridLineColor()) << "the line between rows 3 and 4 beside it";
}

TEST_F(SpannedGrid, AnEmptyCellMeasuresOneLineAndWrappedTextAtMost32)
{
    grid.AttachCalcSizeImp();
    const CGXStyle* pStyle = grid.LookupStyleRowCol(1, 1);  // valid until the next store
    CRecordingDC dc;
    CFont* pOld = dc.SelectObject(grid.LookupFont(pStyle->GetFontRef()));
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    const int nLine = tm.tmHeight + tm.tmExternalLeading;
    const CSize borders = grid.GetControl(1, 1)->AddBorders(CSize(0, 0), *pStyle);

    EXPECT_EQ(ContentSize(grid, 1, 1, FALSE, dc), CSize(tm.tmMaxCharWidth, nLine + 1) + borders);

    std::string strLines;
    for (int i = 0; i < 40; ++i)
        strLines += "x\n";
    grid.SetStyleRange(CGXCellRange(2, 1, 2, 1), &CGXStyle().SetValue(strLines.c_str()).SetWrapText(TRUE), CGXStyle::gxOverride);
    EXPECT_EQ(ContentSize(grid, 2, 1, TRUE, dc).cy, nLine * 32 + 1 + borders.cy);
    grid.SetStyleRange(CGXCellRange(3, 1, 3, 1), &CGXStyle().SetValue("one line"), CGXStyle::gxOverride);
    EXPECT_EQ(ContentSize(grid, 3, 1, TRUE, dc).cy, nLine + 1 + borders.cy) << "without WrapText one line";
    const CSize text = ContentSize(grid, 3, 1, FALSE, dc);
    dc.SelectObject(grid.LookupFont(grid.LookupStyleRowCol(3, 1)->GetFontRef()));
    EXPECT_EQ(text, CSize(dc.Width("one line"), nLine) + borders);
}

TEST(DragLine, TheLineWindowIsAHiddenChildOfOnePixel)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXDragLineWnd line(&grid);
    ASSERT_TRUE(line.CreateLineWnd(&grid));
    EXPECT_EQ(line.GetStyle() & (WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CAPTION), DWORD(WS_CHILD));
    CRect rect;
    line.GetWindowRect(&rect);
    grid.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 1, 1));
}

TEST(SortKeys, TheArrayGrowsByItsStepOrAnEighthAndZeroesNewKeys)
{
    CGXSortInfoArray keys;
    struct Step {
        int nSize;
        int nGrowBy;
        int nCapacity;
    };
    const Step steps[] = {
        {3, -1, 4},         // an eighth of 3 is below 4
        {5, -1, 8},         // 4 + 4
        {9, 10, 18},        // the step given
        {12, -1, 18},       // within the capacity
        {0, -1, 0},         // freed
        {16000, 0, 16000},  // no step: 2000, at most 1024, below the count
        {17000, -1, 17024}, // 16000 + 1024
    };
    for (const Step& s : steps) {
        keys.SetSize(s.nSize, s.nGrowBy);
        EXPECT_EQ(keys.GetSize(), s.nSize);
        EXPECT_EQ(keys.GetCapacity(), s.nCapacity) << "size " << s.nSize;
    }

    keys.SetSize(3);
    keys[2].nKey = 7;
    keys[2].bDescending = 1;
    keys.SetSize(2);
    keys.SetSize(3);
    EXPECT_EQ(keys[2].nKey, 0) << "a record that comes back is zeroed";
    EXPECT_EQ(keys[2].bDescending, 0);
    EXPECT_TRUE(Throws<CInvalidArgException>([&] { keys[3]; }));
    EXPECT_TRUE(Throws<CMemoryException>([&] { keys.SetSize(INT_MAX / 28 + 1); }))
        << "a block beyond 2^31 bytes is refused, not wrapped";
    EXPECT_EQ(keys.GetSize(), 3) << "and the array is left as it was";
}
