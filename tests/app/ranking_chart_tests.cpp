// The ranking chart: the window a solve opens, its geometry drawn into memory for the worked project
// and for the edge cases, the colours of reference and other alternatives, no rows without a Solver
// with results, the scroll sizes and steps, printing on a printer-like DC and the preview, and the open flag.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultWindowTestSupport.h"

#include "app/ZQRankingChartView.h"
#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// One drawn row: its name, its top y, its bar length L and its colour.
struct Row {
    const char* name;
    int y;
    int L;
    COLORREF color;
};

class RankingChart : public ResultWindowFixture {
protected:
    CZQRankingChartView* View()
    {
        return dynamic_cast<CZQRankingChartView*>(app.FirstViewOf(ZQDocument::RankingChart));
    }

    // The chart drawn as the screen draws it, into a canvas, with the view's client area nWidth wide,
    // once it has taken the project's ranking as it stands (as the project's refresh has it do).
    void DrawInto(Canvas& canvas, int nWidth)
    {
        View()->Redraw();
        SetClientSize(View(), nWidth, 300);
        CRect client;
        View()->GetClientRect(&client);
        ASSERT_EQ(client.right, nWidth);
        View()->OnDraw(&canvas.DC());
    }

    // The size of text in the screen's 11-point "Courier", measured on dc.
    static CSize ScreenTextSize(CDC& dc, const char* text)
    {
        CFont font;
        font.CreatePointFont(110, "Courier", &dc);
        CFont* pOld = dc.SelectObject(&font);
        const CSize size = dc.GetTextExtent(text);
        dc.SelectObject(pOld);
        return size;
    }

    // The width of the names' column on the screen: 9 a character of the longest name, but no less
    // than the widest name and a gap of 5.
    static int ScreenNameColumn(CDC& dc, const std::vector<const char*>& names)
    {
        int nWidth = 0;
        for (const char* name : names)
            nWidth = (std::max)({nWidth, 9 * int(std::strlen(name)), int(ScreenTextSize(dc, name).cx) + 5});
        return nWidth;
    }

    // The rows as they must stand on the canvas, with bars from x0 and boxes u wide.
    static void ExpectChart(Canvas& canvas, int x0, int u, const std::vector<Row>& rows)
    {
        for (const Row& row : rows) {
            const int y = row.y;
            SCOPED_TRACE(std::string(row.name) + " at y " + std::to_string(y));
            // the name, clear of the boxes
            const CSize name = ScreenTextSize(canvas.DC(), row.name);
            EXPECT_TRUE(canvas.Inked(CRect(10, y, 10 + name.cx, y + name.cy)));
            EXPECT_FALSE(canvas.Inked(CRect(x0 - 4, y, x0, y + name.cy))) << "a gap before the boxes";
            // the ten boxes
            for (int i = 0; i < 10; ++i) {
                const int x = x0 + u * i;
                EXPECT_EQ(canvas.Pixel(x + u / 2, y - 5), kBlack) << "top of box " << i;
                EXPECT_EQ(canvas.Pixel(x + u / 2, y + 15), kBlack) << "bottom of box " << i;
                EXPECT_EQ(canvas.Pixel(x, y + 13), kBlack) << "left of box " << i;
                EXPECT_EQ(canvas.Pixel(x + u / 2, y + 13), kWhite) << "inside box " << i;
            }
            EXPECT_EQ(canvas.Pixel(x0 + 10 * u, y + 13), kBlack) << "right of the last box";
            EXPECT_EQ(canvas.Pixel(x0 + 10 * u + 1, y + 13), kWhite) << "after the last box";
            // the bar, (x0, y) to (x0 + L + 1, y + 11)
            EXPECT_EQ(canvas.Pixel(x0, y), row.color);
            EXPECT_EQ(canvas.Pixel(x0 + row.L, y + 10), row.color);
            EXPECT_EQ(canvas.Pixel(x0 + row.L + 1, y + 5), (row.L + 1) % u == 0 ? kBlack : kWhite);
            EXPECT_NE(canvas.Pixel(x0 + row.L, y + 11), row.color);
        }
    }
};

TEST_F(RankingChart, ASolveOpensItTitledAndFlaggedAndItsRowsShowTheWorkedProject)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(Str(View()->GetDocument()->GetTitle()), "Final Ranking worked out with ZEK MD");
    EXPECT_EQ(app.m_nRankingChartOpen, 1);

    // Drawn 419 pixels wide: the names' column N, bars from x0 = N + 10, boxes u wide; z (outside the
    // reference ranking, 0.75) at the top, then x (0.5) and y (0.25) in red.
    Canvas canvas(500, 200);
    DrawInto(canvas, 419);
    const int N = ScreenNameColumn(canvas.DC(), {"x", "y", "z"});
    const int x0 = N + 10, u = (419 - x0) / 11;
    for (int k = 0; k <= 5; ++k) {
        char label[8];
        snprintf(label, sizeof label, "%.1f", 0.2 * k);
        const CSize size = ScreenTextSize(canvas.DC(), label);
        const int x = N + 2 * u * k;
        EXPECT_TRUE(canvas.Inked(CRect(x, 5, x + size.cx, 5 + size.cy))) << label;
    }
    EXPECT_FALSE(canvas.Inked(CRect(0, 0, 500, 5))) << "nothing above the labels";
    ExpectChart(canvas, x0, u,
                {{"z", 30, int(0.75 * u * 10), kBlue}, {"x", 50, int(0.5 * u * 10), kRed}, {"y", 70, int(0.25 * u * 10), kRed}});
    EXPECT_FALSE(canvas.Inked(CRect(0, 90, 500, 200))) << "nothing below the last row";
    EXPECT_EQ(View()->GetTotalSize(), CSize(x0 + 200, 110));
}

TEST_F(RankingChart, FullAndEmptyBarsUnknownNamesAndANarrowWindow)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    // the last row on top: "nobody" (no Solver record) in blue, then y and x of the reference ranking
    app.m_Project.RankingRows = {{"x", "1.000000"}, {"y", "0.000000"}, {"nobody", "0.500000"}};
    Canvas measure(10, 10);
    const int x0 = ScreenNameColumn(measure.DC(), {"x", "y", "nobody"}) + 10;
    {
        Canvas canvas(500, 200);
        DrawInto(canvas, 419);
        const int u = (419 - x0) / 11;
        ExpectChart(canvas, x0, u, {{"nobody", 30, 5 * u, kBlue}, {"y", 50, 0, kRed}, {"x", 70, 10 * u, kRed}});
    }
    // narrower than x0 + 200: the boxes keep 200 / 11 pixels
    {
        Canvas canvas(500, 200);
        DrawInto(canvas, 100);
        ExpectChart(canvas, x0, 18, {{"nobody", 30, 90, kBlue}, {"y", 50, 0, kRed}, {"x", 70, 180, kRed}});
    }
    EXPECT_EQ(View()->GetTotalSize(), CSize(x0 + 200, 3 * 20 + 50));
}

TEST_F(RankingChart, NothingIsDrawnWithoutRowsOrWithoutASolverWithResults)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    const ZQTable solved = app.m_Project.RankingRows;

    app.m_Project.RankingRows.clear();
    Canvas empty(500, 200);
    DrawInto(empty, 419);
    EXPECT_TRUE(empty.Blank());

    // a Solver that was never solved (as a refused or inconsistent solve leaves) ranks nothing
    app.m_Project.RankingRows = solved;
    app.m_Project.ProjectSolver = std::make_unique<Solver>();
    Canvas unsolved(500, 200);
    DrawInto(unsolved, 419);
    EXPECT_TRUE(unsolved.Blank());
    app.m_Project.ProjectSolver.reset();
    Canvas none(500, 200);
    DrawInto(none, 419);
    EXPECT_TRUE(none.Blank());
    // the refresh of a project without results empties the rows and redraws the open chart
    app.m_Project.ProjectSolver = std::make_unique<Solver>();
    app.m_Project.RefreshRankingChart();
    EXPECT_TRUE(app.m_Project.RankingRows.empty());
}

TEST_F(RankingChart, AnArrowClickScrollsOneRowAPageClickTheRowsTheWindowShowsAndTheWheelThreeRows)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    app.m_Project.RankingRows.clear();
    for (int i = 0; i < 40; ++i)
        app.m_Project.RankingRows.push_back({CString("alternative") + char('A' + i % 26), "0.5"});
    Canvas canvas(500, 300);
    DrawInto(canvas, 419);
    SetClientSize(View(), 419, 290);
    View()->OnDraw(&canvas.DC());
    CRect client;
    View()->GetClientRect(&client);
    ASSERT_EQ(client.Height(), 290);
    int nMapMode = 0;
    SIZE total, page, line;
    View()->GetDeviceScrollSizes(nMapMode, total, page, line);
    EXPECT_EQ(line.cy, 20) << "one row";
    EXPECT_EQ(page.cy, 280) << "the whole rows the window shows";

    View()->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(View()->GetScrollPosition(), CPoint(0, 20));
    View()->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(View()->GetScrollPosition(), CPoint(0, 20 + 280));
    View()->SendMessage(WM_VSCROLL, SB_TOP);
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    View()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, short(-WHEEL_DELTA)), 0);
    EXPECT_EQ(View()->GetScrollPosition(), CPoint(0, 20 * int(nLines)));
}

TEST_F(RankingChart, ARedrawPaintsAtOnce)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    View()->Invalidate();
    app.RedrawRankingChart();
    EXPECT_FALSE(::GetUpdateRect(View()->m_hWnd, nullptr, FALSE));
}

TEST(RankingChartFont, ThePrintedSizeFollowsThePageWidth)
{
    const std::pair<int, int> cases[] = {{850, 142}, {1100, 109}, {120780, 1}, {0, 110}, {-40, 110}};
    for (const auto& c : cases)
        EXPECT_EQ(CZQRankingChartView::PrintFontSize(c.first), c.second) << c.first;
}

// The width of the printed names' column (N, the bars starting at N + 10): 9 a character, or the
// widest of the names in the printed font of nSize tenths of a point and 5, measured on a printer's DC
// prepared as the view prepares it.
int PrintedNameColumn(CDC& printer, int nSize, const std::vector<const char*>& names)
{
    CFont font;
    font.CreatePointFont(nSize, "Arial", &printer);
    CFont* pOld = printer.SelectObject(&font);
    int nWidth = 9 * 1;
    for (const char* name : names)
        nWidth = (std::max)(nWidth, int(printer.GetTextExtent(name).cx) + 5);
    printer.SelectObject(pOld);
    return nWidth;
}

// True when the page holds anything but white in the rectangle.
bool Inked(const CFakePrinterDC& page, const CRect& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (page.PixelAt(x, y) != kWhite)
                return true;
    return false;
}

TEST_F(RankingChart, PrintsOnOnePageAsTheScreenShowsItAcrossThePageAndPreviews)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    const HDC hScreen = ::GetDC(nullptr);
    const int nScreenDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    const int nScreenDpiX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    ::ReleaseDC(nullptr, hScreen);
    ASSERT_EQ(nScreenDpi, nScreenDpiX);

    // A printer of twice the screen's resolution, 8 by 10 inches: one unit of the chart is two of its
    // pixels, and the page 8 by 10 screen inches.
    const int nDpi = 2 * nScreenDpi;
    const FakePrinter printer{"Ranking printer", 8 * nDpi, 10 * nDpi, nDpi, nDpi};
    fake.ExpectPrintDialog(IDOK, &printer);
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    const CFakePrinterDC& page = *fake.PrinterDCs().back();
    EXPECT_EQ(page.DocCalls(), (std::vector<std::string>{"StartDoc Final Ranking worked out with ZEK MD", "StartPage",
                                                         "EndPage", "EndDoc"}));
    const int W = 8 * nScreenDpi;
    EXPECT_EQ(View()->m_rectPrint, CRect(0, 0, W, 10 * nScreenDpi));
    EXPECT_EQ(CZQRankingChartView::PrintFontSize(W), 120780 / W);

    // the printed names, of another font than the screen's, keep a column of their own width
    CFakePrinterDC samePrinter(8 * nDpi, 10 * nDpi, nDpi, nDpi);
    CPrintInfo info;
    info.m_rectDraw.SetRect(0, 0, 8 * nDpi, 10 * nDpi);
    View()->OnPrepareDC(&samePrinter, &info);
    const int x0 = PrintedNameColumn(samePrinter, 120780 / W, {"x", "y", "z"}) + 10;
    EXPECT_GT(x0, 19);
    const int u = (W - x0) / 11;
    // in the printer's pixels: z (0.75) on the top row from y = 30, x (0.5, red) 20 below it; the
    // boxes reach across the page
    auto at = [](int n) { return 2 * n; };
    EXPECT_TRUE(Inked(page, CRect(at(10), at(30), at(x0) - 1, at(45)))) << "z's name";
    EXPECT_EQ(page.PixelAt(at(x0) + 1, at(30) + 1), kBlue);
    EXPECT_EQ(page.PixelAt(at(x0 + int(0.75 * 10 * u)) + 1, at(40)), kBlue);
    EXPECT_EQ(page.PixelAt(at(x0 + int(0.75 * 10 * u) + 1) + 1, at(35)), kWhite);
    EXPECT_EQ(page.PixelAt(at(x0) + 1, at(50) + 1), kRed) << "x's bar";
    EXPECT_EQ(page.PixelAt(at(x0 + 10 * u) + 1, at(43)), kBlack) << "the right of the last box";
    EXPECT_GT(x0 + 10 * u, W * 5 / 6);

    // the printed names: "Arial" of 120780 / W tenths of a point on the printer
    auto expectFont = [](CDC& printerDC, const CFont& font, int nSize) {
        CFont expected;
        ASSERT_TRUE(expected.CreatePointFont(nSize, "Arial", &printerDC));
        LOGFONT actual = {}, wanted = {};
        font.GetLogFont(&actual);
        expected.GetLogFont(&wanted);
        EXPECT_EQ(actual.lfHeight, wanted.lfHeight) << nSize;
        EXPECT_STREQ(actual.lfFaceName, "Arial");
    };
    expectFont(samePrinter, View()->m_font, 120780 / W);

    // A page too short for the rows (110 units, 115 pixels at 100 dots per inch): the rows fill its
    // height, the units as much smaller across, and the last row's bar stands on the page.
    const FakePrinter shortPage{"Short page", 850, 100, 100, 100};
    fake.ExpectPrintDialog(IDOK, &shortPage);
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    ASSERT_EQ(fake.PrinterDCs().size(), 2u);
    EXPECT_EQ(View()->m_rectPrint, CRect(0, 0, 850 * 110 / 100, 110));
    const CFakePrinterDC& shortPrinted = *fake.PrinterDCs().back();
    bool bRedOnLastRow = false;
    for (int x = 0; x < 850 && !bRedOnLastRow; ++x)
        bRedOnLastRow = shortPrinted.PixelAt(x, (70 + 5) * 100 / 110) == kRed;
    EXPECT_TRUE(bRedOnLastRow) << "y's bar";

    // a page of no width prints in the printer's pixels with the screen's size of names, and boxes of
    // the least width
    CFakePrinterDC noWidth(850, 1100, 100, 100);
    info.m_rectDraw.SetRectEmpty();
    View()->OnPrepareDC(&noWidth, &info);
    EXPECT_EQ(View()->m_rectPrint, CRect(0, 0, 0, 0));
    noWidth.StartPage();
    View()->OnDraw(&noWidth);
    expectFont(noWidth, View()->m_font, 110);
    const int x0NoWidth = PrintedNameColumn(noWidth, 110, {"x", "y", "z"}) + 10;
    EXPECT_EQ(noWidth.PixelAt(x0NoWidth + 135, 35), kBlue) << "0.75 of 10 boxes of 18";
    EXPECT_EQ(noWidth.PixelAt(x0NoWidth + 136, 35), kWhite);

    // print without the dialog, on the default printer
    fake.SetDefaultPrinter(&printer);
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(fake.PrinterDCs().size(), 3u);
    EXPECT_EQ(fake.PrinterDCs().back()->DocCalls().size(), 4u);

    // the preview takes the main window's place until it is closed
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CFrameWnd* pMain = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
    ASSERT_NE(pMain, nullptr);
    EXPECT_NE(dynamic_cast<CPreviewView*>(pMain->GetActiveView()), nullptr);
    pMain->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(dynamic_cast<CPreviewView*>(pMain->GetActiveView()), nullptr);
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

TEST_F(RankingChart, ClosingTheWindowClearsTheFlagAndTheRefreshReachesNothing)
{
    OpenAndSolve();
    ASSERT_NE(View(), nullptr);
    View()->GetParentFrame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_nRankingChartOpen, 0);
    EXPECT_FALSE(app.HasOpenDocument(ZQDocument::RankingChart));
    app.m_Project.RefreshRankingChart();
    app.RedrawRankingChart();
    EXPECT_EQ(View(), nullptr);

    // the next solve opens it again
    Shortcut(ID_ZQ_SOLVE);
    EXPECT_NE(View(), nullptr);
    EXPECT_EQ(app.m_nRankingChartOpen, 1);
}

} // namespace
