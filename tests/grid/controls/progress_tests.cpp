// The progress bar cell: the bar's end, the caption formats honoured and refused, the caption drawn
// once on a preview that does not print and under the print option, and values held within the bounds
// when stored.
#include "cell_test_support.h"

#include "grid/controls/GXProgressCtrl.h"
#include "grid/engine/GXState.h"
#include "win/CPreviewDC.h"

namespace {

CGXStyle Bounds(const char* pszLower, const char* pszUpper)
{
    CGXStyle style;
    style.SetUserAttribute(GX_IDS_UA_PROGRESS_LOW, pszLower).SetUserAttribute(GX_IDS_UA_PROGRESS_HIGH, pszUpper);
    style.SetTextColor(RGB(0, 0, 255)).SetInterior(CGXCellBrush(BS_SOLID, RGB(255, 255, 0)));
    return style;
}

}  // namespace

TEST(ProgressCtrl, TheBarEndsAtTheValuesPixel)
{
    struct Case {
        const char* pszLower;
        const char* pszUpper;
        const char* pszValue;
        int nBar;  // the bar's width in a 101-pixel cell
    };
    const Case cases[] = {
        {"0", "100", "50", 50}, {"0", "100", "-5", 0},  {"0", "100", "100", 101}, {"0", "100", "150", 101},
        {"7", "7", "7", 0},     {"7", "7", "8", 101},   {"7", "7", "3", 0},      {"", "", "", 0},
    };
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXProgressCtrl progress(&grid);
    for (const Case& c : cases) {
        CGXStyle style = Bounds(c.pszLower, c.pszUpper);
        style.SetValue(c.pszValue);
        CRect rect(10, 10, 111, 40);
        const CRect probe = progress.GetCellRect(1, 1, &rect, &style);
        rect.right += 101 - probe.Width();
        const CRect rectCell = progress.GetCellRect(1, 1, &rect, &style);
        ASSERT_EQ(rectCell.Width(), 101);
        DibCanvas canvas(200, 60);
        progress.Draw(&canvas.dc, rect, 1, 1, style, nullptr);
        const int y = rectCell.CenterPoint().y;
        EXPECT_EQ(CountColour(canvas, CRect(rectCell.left, y, rectCell.right, y + 1), RGB(0, 0, 255)), c.nBar)
            << c.pszLower << ".." << c.pszUpper << " value " << c.pszValue;
        if (c.nBar > 0 && c.nBar < 101) {
            EXPECT_EQ(canvas.At(rectCell.left + c.nBar - 1, y), RGB(0, 0, 255));
            EXPECT_EQ(canvas.At(rectCell.left + c.nBar, y), RGB(255, 255, 0));
        }
    }
}

TEST(ProgressCtrl, CaptionsHonourOnlyOneIntegerConversion)
{
    const struct {
        const char* pszFormat;
        const char* pszText;
    } cases[] = {
        {"%ld%%", "50%"}, {"%d", "50"},   {"%+5i", "  +50"}, {"%lu done", "50 done"}, {"%s", "%s"},
        {"%d %d", "%d %d"}, {"%5.2d", "%5.2d"}, {"%*d", "%*d"}, {"%n", "%n"}, {"%", "%"},
        {"%99999d", "%99999d"}, {"100%%", "100%"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CGXProgressCtrl::FormatCaption(c.pszFormat, 50), c.pszText) << c.pszFormat;
}

TEST(ProgressCtrl, DrawsACaptionOnlyWhenItFits)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXProgressCtrl progress(&grid);
    for (const char* pszCaption : {"%ld%%", "%s", "a caption far wider than the cell is %d"}) {
        CGXStyle style = Bounds("0", "100");
        style.SetValue("50").SetUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK, pszCaption);
        CRecordingDC dc;
        progress.Draw(&dc, CRect(0, 0, 120, 30), 1, 1, style, nullptr);
        std::vector<std::string> texts;
        for (const CRecordingDC::Text& t : dc.m_texts)
            texts.push_back(t.text);
        if (std::string(pszCaption) == "%ld%%")
            EXPECT_EQ(texts, std::vector<std::string>({"50%", "50%"}));  // over the background and the bar
        else if (std::string(pszCaption) == "%s")
            EXPECT_EQ(texts, std::vector<std::string>({"%s", "%s"}));
        else
            EXPECT_TRUE(texts.empty());
    }
}

TEST(ProgressCtrl, StoredValuesStayWithinTheBounds)
{
    CellGridFixture f(GX_IDS_CTRL_PROGRESS, Bounds("0", "100"));
    const struct {
        const char* pszValue;
        const char* pszStored;
    } cases[] = {{"-5", "0"}, {"150", "100"}, {"42", "42"}};
    for (const auto& c : cases) {
        f.SetValue(2, 2, c.pszValue);
        EXPECT_EQ(f.Stored(2, 2), c.pszStored) << c.pszValue;
    }
    // the style's own bounds win over the cell's
    f.ApplyStyle(3, 2, Bounds("0", "1000").SetValue("150"));
    EXPECT_EQ(f.Stored(3, 2), "150");
}

namespace {

// A print-preview DC over two memory canvases that notes the texts it draws.
class CRecordingPreviewDC : public CPreviewDC {
public:
    CRecordingPreviewDC() : m_screen(200, 60), m_printer(200, 60)
    {
        SetPage(m_screen.dc.m_hDC, &m_printer.dc, CRect(0, 0, 200, 60));
    }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                    LPINT lpDxWidths) override
    {
        m_texts.push_back(std::string(lpszString, nCount));
        return CPreviewDC::ExtTextOut(x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
    }
    DibCanvas m_screen;
    DibCanvas m_printer;
    std::vector<std::string> m_texts;
};

}  // namespace

TEST(ProgressCtrl, APreviewThatDoesNotPrintAndThePrintOptionDrawTheCaptionOnce)
{
    CTestGridWnd grid;
    grid.CreateGrid(3, 3);
    CGXProgressCtrl progress(&grid);
    CGXStyle style = Bounds("0", "100");
    style.SetValue("50").SetUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK, "%ld%%");
    const CRect rect(0, 0, 120, 30);
    GridLibraryState& state = *GXGetLibraryState();
    struct Case {
        BOOL bGridPrints;
        BOOL bOption;
        size_t nDrawings;
    };
    const Case cases[] = {{FALSE, FALSE, 2}, {FALSE, TRUE, 2}, {TRUE, FALSE, 2}, {TRUE, TRUE, 1}};
    for (const Case& c : cases) {
        CRecordingDC dc;
        state.m_bPrintCaptionOnce = c.bOption;
        if (c.bGridPrints)
            grid.SetPrinting(&dc, FALSE);
        progress.Draw(&dc, rect, 1, 1, style, nullptr);
        grid.SetPrinting(nullptr);
        state.m_bPrintCaptionOnce = FALSE;
        EXPECT_EQ(dc.m_texts.size(), c.nDrawings) << "printing " << c.bGridPrints << ", option " << c.bOption;
    }

    // a preview DC says it prints: both drawings; one that does not: only the first
    for (BOOL bPrinting : {TRUE, FALSE}) {
        CRecordingPreviewDC preview;
        preview.m_bPrinting = bPrinting;
        progress.Draw(&preview, rect, 1, 1, style, nullptr);
        EXPECT_EQ(preview.m_texts, std::vector<std::string>(bPrinting ? 2 : 1, "50%")) << "preview printing " << bPrinting;
    }
}
