// Printing a grid view: the pages counted on a printer-like DC, the page order, the page the preview
// opens at, the printed page's place, frame and continue flag, a grid that grows while it prints, the
// header and footer with their tokens, and the whole print loop.
#include "view_test_support.h"

#include "Throws.h"

#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/ops/GXPrintImp.h"
#include "win/AfxRes.h"
#include "win/CPreviewView.h"
#include "win/CPrintInfo.h"
#include "win/CTime.h"

#include <algorithm>
#include <string>
#include <vector>

GX_IMPLEMENT_CONTROL(CTestControl, CGXControl)
IMPLEMENT_DYNCREATE(CTestGridView, CGXGridView)

namespace {

// A grid view that notes what each printed page draws: the print top row and left column, the last
// display row and column, and the rectangle the page takes.
class CPrintView : public CTestGridView {
    DECLARE_DYNCREATE(CPrintView)
public:
    struct Page {
        ROWCOL nTopRow, nLeftCol;
        int nLastRow, nLastCol;
        CRect rect;
    };
    void DrawCellMatrix(int nFirstRow, int nFirstCol, int nLastRow, int nLastCol, CDC* pDC) override
    {
        if (IsPrinting())
            m_pages.push_back(Page{GetTopRow(), GetLeftCol(), nLastRow, nLastCol, GetGridRect()});
        if (IsPrinting() && m_bFailDrawing)
            AfxThrowMemoryException();
        CTestGridView::DrawCellMatrix(nFirstRow, nFirstCol, nLastRow, nLastCol, pDC);
    }
    int GetColWidth(ROWCOL nCol) override
    {
        if (IsPrinting() && m_bFailMeasuring)
            AfxThrowResourceException();
        return CTestGridView::GetColWidth(nCol);
    }
    std::vector<Page> m_pages;
    // While set, drawing a printed page runs out of memory; measuring a column for the pages fails.
    BOOL m_bFailDrawing = FALSE;
    BOOL m_bFailMeasuring = FALSE;
};
IMPLEMENT_DYNCREATE(CPrintView, CTestGridView)

std::vector<DWORD> Values(const CDWordArray& a)
{
    std::vector<DWORD> v;
    for (int32_t i = 0; i < a.GetSize(); ++i)
        v.push_back(a[i]);
    return v;
}

using Starts = std::vector<DWORD>;

class GridPrintTest : public ::testing::Test {
protected:
    void Open(ROWCOL nRows, ROWCOL nCols)
    {
        fake.SetTickCount(0);
        pDocument = std::make_unique<CGridDocument>(nRows, nCols);
        pDocument->SetTitle("Evaluations");
        pFrame = MakeGridFrame(pDocument.get(), 500, 300, 0, 0, RUNTIME_CLASS(CPrintView));
        ASSERT_NE(pFrame, nullptr);
        app.m_pMainWnd = pFrame;
        pView = dynamic_cast<CPrintView*>(pFrame->GetActiveView());
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
    }
    CGXProperties& Properties() { return *pView->GetParam()->GetProperties(); }

    // Begins a job on dc as the print loop does (the page count and the first page left in info).
    void Begin(CPrintInfo& info) { pView->OnGridBeginPrinting(&dc, &info); }
    // Prints page nPage as the print loop does: the DC prepared, the page in logical units.
    void PrintPage(CPrintInfo& info, UINT nPage)
    {
        info.m_nCurPage = nPage;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        pView->PrepareGridDC(&dc, TRUE);
        dc.DPtoLP(&info.m_rectDraw);
        pView->OnGridPrint(&dc, &info);
    }
    // The page's room across (down) in logical units: the page less the margins.
    int Room(BOOL bAcross)
    {
        CPrintInfo info;
        Begin(info);
        const CRect rect = info.m_rectDraw;
        pView->OnGridEndPrinting(&dc, &info);
        return bAcross ? rect.Width() : rect.Height();
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CFakePrinterDC dc{850, 1100, 100, 100};
    std::unique_ptr<CGridDocument> pDocument;
    CGridFrame* pFrame = nullptr;
    CPrintView* pView = nullptr;
};

TEST_F(GridPrintTest, ANarrowGridIsOnePageAndAWideColumnGetsAPageOfItsOwn)
{
    Open(5, 3);
    CPrintInfo info;
    Begin(info);
    EXPECT_EQ(Values(Properties().GetColPageBreaks()), (Starts{1, 4}));
    EXPECT_EQ(Values(Properties().GetRowPageBreaks()), (Starts{1, 6}));
    EXPECT_EQ(info.GetMaxPage(), 1u);
    EXPECT_EQ(info.m_strPageDesc, "Page %u / 1");
    pView->OnGridEndPrinting(&dc, &info);

    // column 2 alone is wider than the page: the pages begin at 1, 2 and 3
    pView->SetColCount(4);
    pView->SetColWidth(2, 2, Room(TRUE) + 50);
    CPrintInfo wide;
    Begin(wide);
    EXPECT_EQ(Values(Properties().GetColPageBreaks()), (Starts{1, 2, 3, 5}));
    EXPECT_EQ(wide.GetMaxPage(), 3u);
    pView->OnGridEndPrinting(&dc, &wide);
}

TEST_F(GridPrintTest, PagesCountColumnPagesTimesRowPagesAndTheOrderChoosesRowsOrColumnsFirst)
{
    Open(6, 4);
    // two columns and two rows fill a page
    const int nWidth = Room(TRUE) / 2 - pView->GetColWidth(0);
    const int nHeight = Room(FALSE) / 2 - pView->GetRowHeight(0);
    pView->SetColWidth(1, 4, nWidth);
    pView->SetRowHeight(1, 6, nHeight);
    for (int nOrder : {0, 1}) {
        SCOPED_TRACE(nOrder);
        Properties().SetPageOrder(nOrder);
        pView->m_pages.clear();
        CPrintInfo info;
        Begin(info);
        EXPECT_EQ(Values(Properties().GetColPageBreaks()), (Starts{1, 3, 5}));
        EXPECT_EQ(Values(Properties().GetRowPageBreaks()), (Starts{1, 3, 5, 7}));
        ASSERT_EQ(info.GetMaxPage(), 6u);
        std::vector<BOOL> continues;
        for (UINT nPage = 1; nPage <= 6; ++nPage) {
            PrintPage(info, nPage);
            continues.push_back(info.m_bContinuePrinting);
        }
        pView->OnGridEndPrinting(&dc, &info);
        ASSERT_EQ(pView->m_pages.size(), 6u);
        std::vector<std::pair<ROWCOL, ROWCOL>> corners;
        for (const auto& page : pView->m_pages)
            corners.emplace_back(page.nTopRow, page.nLeftCol);
        if (nOrder == 1)  // down the rows first
            EXPECT_EQ(corners, (std::vector<std::pair<ROWCOL, ROWCOL>>{{1, 1}, {3, 1}, {5, 1}, {1, 3}, {3, 3}, {5, 3}}));
        else
            EXPECT_EQ(corners, (std::vector<std::pair<ROWCOL, ROWCOL>>{{1, 1}, {1, 3}, {3, 1}, {3, 3}, {5, 1}, {5, 3}}));
        EXPECT_EQ(continues, (std::vector<BOOL>{TRUE, TRUE, TRUE, TRUE, TRUE, FALSE}));
    }
}

TEST_F(GridPrintTest, ThePreviewOpensAtThePageHoldingTheScreensTopLeftCell)
{
    Open(6, 4);
    pView->SetColWidth(1, 4, Room(TRUE) / 2 - pView->GetColWidth(0));
    pView->SetRowHeight(1, 6, Room(FALSE) / 2 - pView->GetRowHeight(0));
    pView->SetTopRow(3);
    pView->SetLeftCol(4);
    ASSERT_EQ(pView->GetTopRow(), 3u);
    ASSERT_EQ(pView->GetLeftCol(), 4u);
    // the screen's corner is on row page 2 (of 3) and column page 2 (of 2)
    for (auto [nOrder, nPage] : {std::pair<int, UINT>{0, 4}, {1, 5}}) {
        Properties().SetPageOrder(nOrder);
        CPrintInfo info;
        info.m_bPreview = TRUE;
        Begin(info);
        EXPECT_EQ(info.m_nCurPage, nPage) << "page order " << nOrder;
        pView->OnGridEndPrinting(&dc, &info);
    }
}

TEST_F(GridPrintTest, APageIsCentredAcrossNotDownAndFramedJustOutside)
{
    Open(3, 2);
    CPrintInfo info;
    Begin(info);
    const CRect room = info.m_rectDraw;
    PrintPage(info, 1);
    ASSERT_EQ(pView->m_pages.size(), 1u);
    const CRect rect = pView->m_pages[0].rect;
    const int nWidth = pView->GetColWidth(0) + pView->GetColWidth(1) + pView->GetColWidth(2);
    const int nHeight = pView->GetRowHeight(0) + pView->GetRowHeight(1) + pView->GetRowHeight(2) + pView->GetRowHeight(3);
    EXPECT_EQ(rect, CRect(room.left + (room.Width() - nWidth) / 2, room.top,
                          room.left + (room.Width() - nWidth) / 2 + nWidth, room.top + nHeight));

    // the frame: 2 units just outside each side, white beyond it
    const auto pixel = [&](int x, int y) {
        CPoint pt(x, y);
        dc.LPtoDP(&pt);
        return dc.PixelAt(pt.x, pt.y);
    };
    const int xMid = rect.CenterPoint().x, yMid = rect.CenterPoint().y;
    EXPECT_EQ(pixel(rect.left - 1, yMid), RGB(0, 0, 0));
    EXPECT_EQ(pixel(rect.right + 1, yMid), RGB(0, 0, 0));
    EXPECT_EQ(pixel(xMid, rect.top - 1), RGB(0, 0, 0));
    EXPECT_EQ(pixel(xMid, rect.bottom + 1), RGB(0, 0, 0));
    EXPECT_EQ(pixel(rect.left - 4, yMid), RGB(255, 255, 255));
    EXPECT_EQ(pixel(xMid, rect.bottom + 4), RGB(255, 255, 255));
    pView->OnGridEndPrinting(&dc, &info);
}

TEST_F(GridPrintTest, RowsAddedWhilePrintingExtendTheRowPages)
{
    Open(3, 2);
    const int nRows = Room(FALSE) / pView->GetRowHeight(1) * 2;
    CPrintInfo info;
    Begin(info);
    ASSERT_EQ(info.GetMaxPage(), 1u);
    pView->SetRowCount(ROWCOL(nRows));
    PrintPage(info, 1);
    EXPECT_GE(info.GetMaxPage(), 2u);
    EXPECT_TRUE(info.m_bContinuePrinting);
    EXPECT_EQ(pView->m_pages.back().nTopRow, 1u);
    const Starts rows = Values(Properties().GetRowPageBreaks());
    EXPECT_EQ(rows.size(), info.GetMaxPage() + 1);
    EXPECT_EQ(rows.back(), DWORD(nRows + 1));
    pView->OnGridEndPrinting(&dc, &info);
}


// ---- header and footer ------------------------------------------------------------------------

// The darkest pixels of dc's page within rect (logical units) counted.
int DarkPixels(CFakePrinterDC& dc, CRect rect)
{
    dc.LPtoDP(reinterpret_cast<LPPOINT>(&rect), 2);
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (GetRValue(dc.PixelAt(x, y)) < 128)
                ++n;
    return n;
}

TEST_F(GridPrintTest, TheDefaultHeaderPrintsTheTitleInItsCentre)
{
    Open(3, 2);
    pView->GetParam()->SetTitle("Evaluations of Alternatives");
    CPrintInfo info;
    Begin(info);
    PrintPage(info, 1);
    const CRect room = info.m_rectDraw;
    int nDistHeader, nDistFooter;
    Properties().GetDistances(nDistHeader, nDistFooter);
    const int nThird = room.Width() / 3;
    EXPECT_GT(DarkPixels(dc, CRect(room.left + nThird, nDistHeader, room.right - nThird, room.top)), 0);
    EXPECT_EQ(DarkPixels(dc, CRect(room.left, nDistHeader, room.left + nThird / 2, room.top)), 0);
    EXPECT_EQ(Properties().GetHeaderFooterText(TRUE, 1, 1), "\tEvaluations of Alternatives\t");
    pView->OnGridEndPrinting(&dc, &info);
}

TEST_F(GridPrintTest, TheFooterNumbersThePageOfThePagesFromTheFirstPageNumber)
{
    Open(4, 1);
    pView->SetRowHeight(1, 4, Room(FALSE) - pView->GetRowHeight(0));
    CGXAbstractGridPrintImp* pImp = pView->m_pPrintImp;
    ASSERT_NE(pImp, nullptr);
    for (auto [nFirst, pszText] : {std::pair<int, const char*>{-1, "2/4"}, {10, "11/4"}}) {
        Properties().SetFirstPage(nFirst);
        CPrintInfo info;
        Begin(info);
        ASSERT_EQ(info.GetMaxPage(), 4u);
        PrintPage(info, 2);
        EXPECT_EQ(pImp->SubstituteTokens(Properties(), "$P/$N"), pszText);
        pView->OnGridEndPrinting(&dc, &info);
    }
    EXPECT_EQ(Properties().GetHeaderFooterText(FALSE, 2, 5).Right(4), "\t2/5");
}

TEST_F(GridPrintTest, HeaderAndFooterLinesGoThroughTheDrawingServiceLikeCellTexts)
{
    // the library's drawing service, noting the texts it draws
    struct CNotingDrawing : CGXDrawingAndFormatting {
        struct Line {
            std::string text;
            UINT nFormat;
        };
        std::vector<Line> lines;
        void DrawTextWrapped(CDC* pDC, const char* pszText, int nLength, const CRect& rect, UINT nFormat,
                             const CRect* pClipRect) override
        {
            lines.push_back({std::string(pszText, size_t(nLength)), nFormat});
            CGXDrawingAndFormatting::DrawTextWrapped(pDC, pszText, nLength, rect, nFormat, pClipRect);
        }
    } drawing;
    Open(4, 1);
    pView->GetParam()->SetTitle("Matrix");
    pView->SetRowHeight(1, 4, Room(FALSE) - pView->GetRowHeight(0));
    GridLibraryState* pState = GXGetLibraryState();
    GetDrawingAndFormatting();
    WithModule<CGXDrawingAndFormatting> noting(pState->m_pDrawingAndFormatting, &drawing);
    CPrintInfo info;
    Begin(info);
    PrintPage(info, 2);
    const auto find = [&](const std::string& text) {
        return std::find_if(drawing.lines.begin(), drawing.lines.end(),
                            [&](const CNotingDrawing::Line& line) { return line.text == text; });
    };
    const auto title = find("Matrix"), pageNumber = find("2/4");
    ASSERT_NE(title, drawing.lines.end()) << "the header's centre";
    EXPECT_EQ(title->nFormat & (DT_CENTER | DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX), UINT(DT_CENTER | DT_SINGLELINE | DT_NOPREFIX));
    ASSERT_NE(pageNumber, drawing.lines.end()) << "the footer's right";
    EXPECT_EQ(pageNumber->nFormat & (DT_CENTER | DT_RIGHT), UINT(DT_RIGHT));
    // and it is printed: the footer's right quarter below the grid has ink
    CRect page(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.DPtoLP(&page);
    const CRect room = info.m_rectDraw;
    EXPECT_GT(DarkPixels(dc, CRect(room.right - room.Width() / 4, room.bottom, room.right, page.bottom)), 0);
    pView->OnGridEndPrinting(&dc, &info);
}

TEST_F(GridPrintTest, AnExceptionWhilePrintingLeavesPrintingAndGivesTheFontBack)
{
    Open(3, 2);
    HGDIOBJ hFontBefore = ::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT);
    pView->m_bFailMeasuring = TRUE;
    CPrintInfo failedInfo;
    EXPECT_TRUE(Throws<CResourceException>([&] { Begin(failedInfo); })) << "passed on to the print loop";
    EXPECT_FALSE(pView->IsPrinting());
    EXPECT_EQ(::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT), hFontBefore);

    pView->m_bFailMeasuring = FALSE;
    CPrintInfo info;
    Begin(info);
    pView->m_bFailDrawing = TRUE;
    EXPECT_TRUE(Throws<CMemoryException>([&] { PrintPage(info, 1); }));
    EXPECT_FALSE(pView->IsPrinting());
    EXPECT_EQ(::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT), hFontBefore);
    pView->m_bFailDrawing = FALSE;
    PrintPage(info, 1);
    EXPECT_FALSE(pView->IsPrinting()) << "a page prints again afterwards";
    pView->OnGridEndPrinting(&dc, &info);
}

TEST_F(GridPrintTest, TokensMatchWithoutCaseAndTheDateTakesAFormatInBraces)
{
    Open(1, 1);
    CGXAbstractGridPrintImp* pImp = pView->m_pPrintImp;
    ASSERT_NE(pImp, nullptr);
    pView->GetParam()->SetTitle("Matrix");
    CPrintInfo info;
    Begin(info);
    PrintPage(info, 1);
    pView->OnGridEndPrinting(&dc, &info);
    const CTime now = CTime::GetCurrentTime();
    const struct {
        const char* pszText;
        CString strExpected;
    } cases[] = {
        {"$d{%Y}", now.Format("%Y")},
        {"$D{%Q}", ""},
        {"($r) $f", "(Matrix) Evaluations"},
        {"$x {%Y}", "$x {%Y}"},
        {"$a", "Ondrix"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pImp->SubstituteTokens(Properties(), c.pszText), c.strExpected) << c.pszText;
    // "$D" alone: date and time; the seconds may turn between the two readings
    const CString strDate = pImp->SubstituteTokens(Properties(), "$D");
    EXPECT_FALSE(strDate.IsEmpty());
    EXPECT_EQ(strDate.Left(8), CTime::GetCurrentTime().Format("%c").Left(8));
    CString strRest = "{%m}tail";
    EXPECT_EQ(pImp->GetTokenArgument(Properties(), strRest), "%m");
    EXPECT_EQ(strRest, "tail");
}

TEST_F(GridPrintTest, TheFooterIsAsHighAsItsTallestColumnOfLines)
{
    Open(1, 1);
    CGXStylesMap* pMap = pView->GetParam()->GetStylesMap();
    const CGXStyle* pStandard = nullptr;
    ASSERT_TRUE(pMap->LookupStyle(pMap->GetStandardStyle(), pStandard));
    const auto heightOfX = [&](const CGXFont& font) {
        LOGFONTA lf;
        font.GetZoomedLogFont(lf, 100);
        CFont f;
        f.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(&f);
        const int n = dc.GetTextExtent("X", 1).cy;
        dc.SelectObject(pOld);
        return n;
    };
    const int nStandard = heightOfX(pStandard->GetFontRef());
    EXPECT_EQ(Properties().GetHeaderFooterHeight(&dc, FALSE, pMap), nStandard);
    CGXStyle big;
    big.SetValue("second line").ChangeFont(CGXFont().SetSize(20), CGXStyle::gxOverride);
    Properties().GetDataFooter().StoreCellStyle(2, 1, &big, CGXStyle::gxOverride, CGXData::gxCellStyle);
    CGXStyle completed(big);
    completed.ChangeStyle(*pStandard, CGXStyle::gxApplyNew);
    EXPECT_EQ(Properties().GetHeaderFooterHeight(&dc, FALSE, pMap), nStandard + heightOfX(completed.GetFontRef()));
}

// ---- the print loop and the preview --------------------------------------------------------------

TEST_F(GridPrintTest, ThePrintCommandPrintsEveryPageAndThePreviewShowsThePageCount)
{
    Open(4, 1);
    pView->SetRowHeight(1, 4, Room(FALSE) / 2 - pView->GetRowHeight(0));
    FakePrinter printer{"Office printer", 850, 1100, 100, 100};
    fake.ExpectPrintDialog(IDOK, &printer);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    ASSERT_FALSE(fake.PrinterDCs().empty());
    const std::vector<std::string>& calls = fake.PrinterDCs().back()->DocCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "StartPage"), 2);
    EXPECT_EQ(pView->m_pages.size(), 2u);
    EXPECT_EQ(pView->GetParam()->GetSpanPool(CGXGridParam::gxPrintFloatPool), nullptr);

    fake.SetDefaultPrinter(&printer);
    pView->m_pages.clear();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    auto* pPreview = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetPrintInfo()->m_strPageDesc, "Page %u / 2");
    pPreview->UpdateWindow();
    EXPECT_FALSE(pView->m_pages.empty()) << "the preview draws the page as it prints";
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE, 0);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
}

}  // namespace
