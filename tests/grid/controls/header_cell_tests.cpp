// The header cell: raised and pressed headers with the marking of the edited cell's row and column,
// flat headers, the selection-header look and printed headers, read back from memory DCs.
#include "control_test_support.h"

#include "grid/controls/GXHeader.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXState.h"

#include <climits>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kDarkGrey = RGB(128, 128, 128);

// A header-marking module that marks the headers of row 3 and column 2.
struct MarkingRow3Col2 : FakeMarkEditHeaderImp {
    BOOL IsHeaderMarked(CGXControl*, ROWCOL nRow, ROWCOL nCol, UINT) override
    {
        return (nCol == 0 && nRow == 3) || (nRow == 0 && nCol == 2);
    }
};

// A grid of 5 rows by 5 columns whose headers read "WW" and are drawn by a CGXHeader, with the
// marking module above.
struct HeaderFixture {
    HeaderFixture() : pHeader(new CGXHeader(&grid)), marking(grid.m_pMarkEditHeaderImp, &mark)
    {
        grid.CreateGrid(5, 5);
        grid.RegisterControl(GX_IDS_CTRL_HEADER, pHeader);
        grid.SetDrawCellBackground(TRUE);
        for (ROWCOL i = 1; i <= 5; ++i) {
            grid.SetStyleRange(CGXCellRange(0, i, 0, i), &CGXStyle().SetValue("WW"), CGXStyle::gxOverride, 0, nullptr,
                               2, CGXGridCore::gxRollback);
            grid.SetStyleRange(CGXCellRange(i, 0, i, 0), &CGXStyle().SetValue("WW"), CGXStyle::gxOverride, 0, nullptr,
                               2, CGXGridCore::gxRollback);
        }
    }
    CGXGridParam& Param() { return *grid.GetParam(); }
    // The header (nRow, nCol) drawn alone on a canvas of its own size, at (0, 0), while printing on
    // pPrinterDC when one is given.
    std::unique_ptr<DibCanvas> Draw(ROWCOL nRow, ROWCOL nCol, CDC* pPrinterDC = nullptr)
    {
        const CRect cell = grid.CalcCellRect(nRow, nCol);
        rect = CRect(0, 0, cell.Width(), cell.Height());
        auto pCanvas = std::make_unique<DibCanvas>(rect.Width(), rect.Height());
        if (pPrinterDC != nullptr)
            grid.SetPrinting(pPrinterDC, FALSE);
        const CGXComposedStyle style(&grid, nRow, nCol);
        EXPECT_EQ(style.Get().GetControl(), UINT(GX_IDS_CTRL_HEADER));
        pHeader->Draw(&pCanvas->dc, rect, nRow, nCol, style.Get(), nullptr);
        frame = pHeader->CGXControl::GetCellRect(nRow, nCol, &rect, &style.Get());
        if (pPrinterDC != nullptr)
            grid.SetPrinting(nullptr);
        return pCanvas;
    }

    CTestGridWnd grid;
    CGXHeader* pHeader;  // owned by the grid
    MarkingRow3Col2 mark;
    WithModule<CGXAbstractGridMarkEditHeaderImp> marking;
    CRect rect;   // of the last Draw
    CRect frame;  // the header's frame rectangle in it
};

// Whether every pixel of a row (or column) of the frame's edge has colour.
BOOL EdgeIs(const DibCanvas& canvas, const CRect& frame, char edge, COLORREF colour)
{
    const BOOL bRow = edge == 't' || edge == 'b';
    const int nFixed = edge == 't' ? frame.top : edge == 'b' ? frame.bottom - 1 : edge == 'l' ? frame.left : frame.right - 1;
    // the corners belong to both edges; only the inner part is checked
    for (int i = (bRow ? frame.left : frame.top) + 1; i < (bRow ? frame.right : frame.bottom) - 1; ++i)
        if ((bRow ? canvas.At(i, nFixed) : canvas.At(nFixed, i)) != colour)
            return FALSE;
    return TRUE;
}

// The top-left corner of the black pixels inside the frame (its edges left out), and how dark the
// text is there (the sum of each pixel's darkness below the header's face).
struct Ink {
    CPoint topLeft;
    int nCount;
};
Ink TextInk(const DibCanvas& canvas, const CRect& frame)
{
    Ink ink = {CPoint(INT_MAX, INT_MAX), 0};
    for (int y = frame.top + 2; y < frame.bottom - 2; ++y)
        for (int x = frame.left + 2; x < frame.right - 2; ++x)
        {
            const COLORREF colour = canvas.At(x, y);
            const int nDarkness = 3 * 0xC0 - GetRValue(colour) - GetGValue(colour) - GetBValue(colour);
            if (nDarkness > 0)
                ink.nCount += nDarkness;
            if (colour == kBlack) {
                ink.topLeft.x = std::min(ink.topLeft.x, LONG(x));
                ink.topLeft.y = std::min(ink.topLeft.y, LONG(y));
            }
        }
    return ink;
}

COLORREF Highlight()
{
    return GXGetSysColors()->GetSysColor(COLOR_BTNHIGHLIGHT);
}

}  // namespace

TEST(HeaderCell, TheEditedCellsHeadersLookPressedTheOthersRaised)
{
    HeaderFixture f;
    struct Case {
        ROWCOL nRow, nCol;
        BOOL bPressed;
    };
    const Case cases[] = {{0, 2, TRUE}, {3, 0, TRUE}, {0, 1, FALSE}, {2, 0, FALSE}};
    Ink raisedText = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "header " << c.nRow << "," << c.nCol);
        const auto pCanvas = f.Draw(c.nRow, c.nCol);
        EXPECT_TRUE(EdgeIs(*pCanvas, f.frame, 'b', kBlack));
        EXPECT_TRUE(EdgeIs(*pCanvas, f.frame, 'r', kBlack));
        EXPECT_EQ(EdgeIs(*pCanvas, f.frame, 't', Highlight()), !c.bPressed);
        EXPECT_EQ(EdgeIs(*pCanvas, f.frame, 'l', Highlight()), !c.bPressed);
        if (c.nRow == 0 && !c.bPressed)
            raisedText = TextInk(*pCanvas, f.frame);
    }
    // the same text of a column header, pressed: one pixel right and down
    const auto pPressed = f.Draw(0, 2);
    const Ink pressedText = TextInk(*pPressed, f.frame);
    ASSERT_GT(raisedText.nCount, 0);
    EXPECT_EQ(pressedText.topLeft, raisedText.topLeft + CPoint(1, 1));
}

TEST(HeaderCell, WithoutThreeDimensionalHeadersOnlyTheMarkedTextMoves)
{
    HeaderFixture f;
    f.Param().GetProperties()->SetDisplay3dHeader(FALSE);
    const auto pRaised = f.Draw(0, 1);
    const Ink raised = TextInk(*pRaised, f.frame);
    const auto pMarked = f.Draw(0, 2);
    const Ink marked = TextInk(*pMarked, f.frame);
    for (const DibCanvas* pCanvas : {pRaised.get(), pMarked.get()}) {
        EXPECT_FALSE(EdgeIs(*pCanvas, f.frame, 't', Highlight()));
        EXPECT_FALSE(EdgeIs(*pCanvas, f.frame, 'b', kBlack));
    }
    ASSERT_GT(raised.nCount, 0);
    EXPECT_EQ(marked.topLeft, raised.topLeft + CPoint(1, 1));
}

TEST(HeaderCell, WithSelectionHeadersAWhollySelectedColumnsHeaderIsBoldAndRaised)
{
    HeaderFixture f;
    f.Param().GetControlOptions().bSelectionHeaders = TRUE;
    CGXCellRange columns;
    columns.SetCols(4, 4);
    f.Param().GetRangeList1().AddRange(columns);
    EXPECT_TRUE(f.pHeader->MarkEditHeader(0, 4, 0));
    EXPECT_FALSE(f.pHeader->MarkEditHeader(0, 3, 0));
    EXPECT_FALSE(f.pHeader->MarkEditHeader(4, 0, 0)) << "a row header heads its row";

    const auto pSelected = f.Draw(0, 4);
    EXPECT_TRUE(EdgeIs(*pSelected, f.frame, 't', Highlight())) << "raised";
    EXPECT_TRUE(EdgeIs(*pSelected, f.frame, 'b', kBlack));
    const Ink bold = TextInk(*pSelected, f.frame);
    const auto pPlain = f.Draw(0, 3);
    EXPECT_TRUE(EdgeIs(*pPlain, f.frame, 'b', kDarkGrey)) << "pressed, in the lighter shadow";
    EXPECT_FALSE(EdgeIs(*pPlain, f.frame, 't', Highlight()));
    const Ink normal = TextInk(*pPlain, f.frame);
    EXPECT_GT(bold.nCount, normal.nCount) << "bold text";
    // the edited cell's headers, now marked, look raised too
    const auto pMarked = f.Draw(0, 2);
    EXPECT_TRUE(EdgeIs(*pMarked, f.frame, 't', Highlight()));
}

TEST(HeaderCell, PrintedHeadersGetBlackLinesWherePrintedGridLinesAreAsked)
{
    HeaderFixture f;
    CGXProperties& properties = *f.Param().GetProperties();
    properties.SetBlackWhite(FALSE);
    properties.SetPrintHorzLines(TRUE);
    properties.SetPrintVertLines(FALSE);
    DibCanvas printer(10, 10);
    const auto pCanvas = f.Draw(0, 1, &printer.dc);
    EXPECT_TRUE(EdgeIs(*pCanvas, f.frame, 't', kBlack));
    EXPECT_TRUE(EdgeIs(*pCanvas, f.frame, 'b', kBlack));
    EXPECT_FALSE(EdgeIs(*pCanvas, f.frame, 'l', kBlack));
    EXPECT_FALSE(EdgeIs(*pCanvas, f.frame, 'r', kBlack));
}
