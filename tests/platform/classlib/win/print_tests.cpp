// The print loop on a printer-like DC, the preparation of the printer, and the print preview in the
// main frame.
#include "FakeServices.h"
#include "TestSupport.h"

#include <string>
#include <vector>

namespace {

// A bar of fixed thickness (tool bar and status bar of the test frame).
class CThinBar : public CControlBar {
public:
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        const CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
        return CSize(size.cx, 20);
    }
};

class CReportDoc : public CDocument {
};

// A document of m_nPages pages. It notes its printing steps, together with the document calls the
// printer-like DC recorded since its last note, in one log.
class CPagesView : public CView {
    DECLARE_DYNCREATE(CPagesView)
    DECLARE_MESSAGE_MAP()
public:
    UINT m_nPages = 3;
    UINT m_nFirstPreviewPage = 1; // what OnBeginPrinting leaves as the current page
    UINT m_nStopAt = 0;           // OnPrepareDC clears m_bContinuePrinting on this page
    UINT m_nThrowAt = 0;          // OnPrint throws on this page
    bool m_bGridPreparation = false; // the grid view's preparation of the print dialog
    bool m_bPrintToFile = false;     // "print to file" chosen in the dialog
    bool m_bUnknownLength = false;   // the view never sets its last page and prepares as the base does
    bool m_bLengthAfterFirstPage = false; // it knows its m_nPages only once page 1 is printed
    std::string jobName;             // the print job's name when not empty (else the base's)
    std::vector<std::string> log;
    std::vector<std::string>* pEndLog = nullptr; // notes OnEndPrinting too, and outlives the view
    // what the last page drawn saw
    BOOL bPrinting = FALSE;
    int nLogPixelsX = 0;
    CSize extent, extentOnPrinter, extentOutput;
    BOOL bMainEnabledWhilePrinting = TRUE;

    void OnDraw(CDC*) override {}

    void Note(CDC* pDC, const std::string& what)
    {
        if (auto* pPrinter = dynamic_cast<CFakePrinterDC*>(pDC)) {
            for (size_t i = m_nDocCallsNoted; i < pPrinter->DocCalls().size(); ++i)
                log.push_back(pPrinter->DocCalls()[i]);
            m_nDocCallsNoted = pPrinter->DocCalls().size();
        }
        if (!what.empty())
            log.push_back(what);
    }

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        log.push_back("OnPreparePrinting");
        if (m_bGridPreparation) {
            pInfo->SetMaxPage(0xFFFF);
            pInfo->m_pPD->m_pd.Flags &= ~DWORD(PD_NOSELECTION);
            pInfo->m_pPD->m_pd.hInstance = AfxGetResourceHandle();
        }
        if (m_bPrintToFile)
            pInfo->m_pPD->m_pd.Flags |= PD_PRINTTOFILE; // the dialog leaves the user's choice
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_nDocCallsNoted = 0;
        m_bFirstPagePrinted = false;
        Note(pDC, "OnBeginPrinting");
        if (!m_bUnknownLength)
            pInfo->SetMaxPage(m_nPages);
        pInfo->m_nCurPage = m_nFirstPreviewPage;
        CString count;
        count.Format(" / %u", m_nPages);
        pInfo->m_strPageDesc += count;
    }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        if (pInfo == nullptr)
            return;
        Note(pDC, "OnPrepareDC " + std::to_string(pInfo->m_nCurPage));
        if (pInfo->m_nCurPage == m_nStopAt)
            pInfo->m_bContinuePrinting = FALSE;
        if (m_bUnknownLength)
            CView::OnPrepareDC(pDC, pInfo);
        if (m_bLengthAfterFirstPage && m_bFirstPagePrinted && pInfo->m_nCurPage > 1)
            pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= m_nPages;
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        Note(pDC, "OnPrint " + std::to_string(pInfo->m_nCurPage));
        m_bFirstPagePrinted = m_bFirstPagePrinted || pInfo->m_nCurPage == 1;
        bMainEnabledWhilePrinting = AfxGetMainWnd()->IsWindowEnabled();
        if (pInfo->m_nCurPage == m_nThrowAt)
            AfxThrowInvalidArgException("the page cannot be printed");
        bPrinting = pDC->IsPrinting();
        nLogPixelsX = pDC->GetDeviceCaps(LOGPIXELSX);
        // the top-left quarter of the page black, then a text measured as it prints
        const CRect& page = pInfo->m_rectDraw;
        pDC->FillSolidRect(page.left, page.top, page.Width() / 2, page.Height() / 2, RGB(0, 0, 0));
        CFont font;
        font.CreateFont(-60, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        CFont* pOld = pDC->SelectObject(&font);
        pDC->SetBkMode(TRANSPARENT);
        pDC->TextOut(page.Width() / 2, page.Height() / 2, "Preview");
        pDC->TextOut(page.Width() / 10, page.Height() * 3 / 4, ("Page " + std::to_string(pInfo->m_nCurPage)).c_str());
        extent = pDC->GetTextExtent("Preview");
        extentOutput = pDC->GetOutputTextExtent("Preview");
        CDC* pPrinter = CDC::FromHandle(pDC->m_hAttribDC);
        CFont* pOldOnPrinter = pPrinter->SelectObject(&font);
        extentOnPrinter = pPrinter->GetTextExtent("Preview");
        pPrinter->SelectObject(pOldOnPrinter);
        pDC->SelectObject(pOld);
    }
    void OnEndPrinting(CDC* pDC, CPrintInfo*) override
    {
        Note(pDC, "OnEndPrinting");
        if (pEndLog != nullptr)
            pEndLog->push_back("OnEndPrinting");
    }
    CString GetPrintJobName() override { return jobName.empty() ? CView::GetPrintJobName() : CString(jobName.c_str()); }

private:
    size_t m_nDocCallsNoted = 0;
    bool m_bFirstPagePrinted = false;
};
IMPLEMENT_DYNCREATE(CPagesView, CView)
BEGIN_MESSAGE_MAP(CPagesView, CView)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// The main frame: a tool bar, a status bar and the view of a document titled "Quarterly report".
class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "Ondrix", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 520)));
        hWndFrame = pFrame->m_hWnd;
        app.m_pMainWnd = pFrame;
        ASSERT_TRUE(toolBar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(), pFrame,
                                   AFX_IDW_TOOLBAR));
        ASSERT_TRUE(statusBar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM, CRect(), pFrame,
                                     AFX_IDW_STATUS_BAR));
        document.m_bAutoDelete = FALSE; // a member of the fixture
        document.SetTitle("Quarterly report");
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
        context.m_pCurrentDoc = &document;
        pView = static_cast<CPagesView*>(pFrame->CreateView(&context));
        ASSERT_NE(pView, nullptr);
        pFrame->SetActiveView(pView);
        pFrame->RecalcLayout();
        pFrame->UpdateWindow();
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
    }

    void Command(UINT nID) { pFrame->SendMessage(WM_COMMAND, nID, 0); }
    CFakePrinterDC& PrinterDC() { return *fake.PrinterDCs().back(); }
    // The print dialogs shown (not the questions for the default printer).
    std::vector<CFakeServices::Call> ShownPrintDialogs() const
    {
        std::vector<CFakeServices::Call> shown;
        for (const auto& call : fake.CallsOf("PrintDlg"))
            if ((call.dwFlags & PD_RETURNDEFAULT) == 0)
                shown.push_back(call);
        return shown;
    }
    CString StatusText() const
    {
        CString text;
        statusBar.GetWindowText(text);
        return text;
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    FakePrinter printer{"Office printer", 850, 1100, 200, 200};
    CFrameWnd* pFrame = nullptr;
    HWND hWndFrame = nullptr;
    CThinBar toolBar;
    CThinBar statusBar;
    CReportDoc document;
    CPagesView* pView = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(PrintTest, EachPageIsPreparedStartedPrintedAndEndedInOrderInOneDocument)
{
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT);
    pView->Note(&PrinterDC(), "");
    EXPECT_EQ(pView->log, (Log{"OnPreparePrinting", "OnBeginPrinting", "StartDoc Quarterly report", "OnPrepareDC 1",
                               "StartPage", "OnPrint 1", "EndPage", "OnPrepareDC 2", "StartPage", "OnPrint 2",
                               "EndPage", "OnPrepareDC 3", "StartPage", "OnPrint 3", "EndPage", "EndDoc",
                               "OnEndPrinting"}));
    EXPECT_FALSE(pView->bMainEnabledWhilePrinting);
    EXPECT_TRUE(pFrame->IsWindowEnabled());
    EXPECT_TRUE(pView->bPrinting);
    EXPECT_EQ(pView->nLogPixelsX, 200);
    // the page was drawn on the printer: its top-left quarter is black
    EXPECT_EQ(PrinterDC().PixelAt(10, 10), RGB(0, 0, 0));
    EXPECT_EQ(PrinterDC().PixelAt(840, 10), kWhite);
    // the print dialog was run on the application's printer for the whole document
    const auto dialogs = ShownPrintDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].dwFlags & (PD_RETURNDC | PD_NOSELECTION | PD_PRINTSETUP), DWORD(PD_RETURNDC | PD_NOSELECTION));
    EXPECT_EQ(DeviceNameOf(app.m_hDevNames), "Office printer");
}

TEST_F(PrintTest, AViewMayNameItsPrintJobItself)
{
    pView->jobName = "Chart preview";
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT);
    EXPECT_EQ(PrinterDC().DocCalls().front(), "StartDoc Chart preview");
}

TEST_F(PrintTest, AViewThatNeverSaysItsLengthPrintsOnePage)
{
    pView->m_bUnknownLength = true;
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT);
    pView->Note(&PrinterDC(), "");
    EXPECT_EQ(pView->log, (Log{"OnPreparePrinting", "OnBeginPrinting", "StartDoc Quarterly report", "OnPrepareDC 1",
                               "StartPage", "OnPrint 1", "EndPage", "OnPrepareDC 2", "EndDoc", "OnEndPrinting"}));
}

TEST_F(PrintTest, AViewEndsTheJobEarlyByClearingContinueOrByThrowing)
{
    struct {
        const char* what;
        UINT nStopAt, nThrowAt;
        Log tail; // after page 1
        size_t nReports;
    } cases[] = {
        {"continue cleared on page 3", 3, 0,
         {"OnPrepareDC 2", "StartPage", "OnPrint 2", "EndPage", "OnPrepareDC 3", "EndDoc", "OnEndPrinting"}, 0},
        {"page 2 throws", 0, 2, {"OnPrepareDC 2", "StartPage", "OnPrint 2", "AbortDoc", "OnEndPrinting"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        pView->log.clear();
        pView->m_nStopAt = c.nStopAt;
        pView->m_nThrowAt = c.nThrowAt;
        fake.ExpectPrintDialog(IDOK, &printer);
        if (c.nReports != 0)
            fake.ExpectMessageBox(IDOK, "the page cannot be printed");
        Command(ID_FILE_PRINT);
        pView->Note(&PrinterDC(), "");
        Log expected{"OnPreparePrinting", "OnBeginPrinting", "StartDoc Quarterly report", "OnPrepareDC 1", "StartPage",
                     "OnPrint 1", "EndPage"};
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(pView->log, expected);
        EXPECT_TRUE(pFrame->IsWindowEnabled());
        EXPECT_EQ(fake.CallsOf("MessageBox").size(), c.nReports);
    }
}

TEST_F(PrintTest, DirectPrintingUsesTheStoredPrinterAndRefusesWithoutOne)
{
    // no stored printer and no default one: the message, and nothing printed
    fake.ExpectMessageBox(IDOK, "printer could not be opened");
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(fake.PrinterDCs().empty());
    EXPECT_EQ(pView->log, Log{"OnPreparePrinting"});
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);

    // printer set-up stores a printer; direct printing then prints on it without a dialog
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT_SETUP);
    pView->log.clear();
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(ShownPrintDialogs().size(), 1u); // the set-up's
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    EXPECT_EQ(PrinterDC().DocCalls().front(), "StartDoc Quarterly report");
    EXPECT_EQ(PrinterDC().DocCalls().back(), "EndDoc");
}

TEST_F(PrintTest, PrintingToAFileAsksForItsNameAndCancellingThatPrintsNothing)
{
    pView->m_bPrintToFile = true;
    fake.ExpectPrintDialog(IDOK, &printer);
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_FILE_PRINT);
    const auto files = fake.CallsOf("GetSaveFileName");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].defExt, "prn");
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    EXPECT_TRUE(PrinterDC().DocCalls().empty());
    EXPECT_EQ(pView->log, Log{"OnPreparePrinting"});
}

TEST_F(PrintTest, TheGridsPreparationReachesThePrintDialogAndCancelPrintsNothing)
{
    pView->m_bGridPreparation = true;
    fake.ExpectPrintDialog(IDCANCEL);
    Command(ID_FILE_PRINT);
    const auto dialogs = ShownPrintDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].nMaxPage, 0xFFFFu);
    EXPECT_EQ(dialogs[0].nMinPage, 1u);
    EXPECT_EQ(dialogs[0].dwFlags & PD_NOSELECTION, 0u);
    EXPECT_EQ(pView->log, Log{"OnPreparePrinting"});
    EXPECT_TRUE(fake.PrinterDCs().empty());
}

// ---- print preview ---------------------------------------------------------------------------------

class PreviewTest : public PrintTest {
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        fake.SetDefaultPrinter(&printer);
    }
    CPreviewView* Preview() const { return dynamic_cast<CPreviewView*>(pFrame->GetActiveView()); }
    // The colour of a pixel of the preview's window as the screen shows it.
    COLORREF ScreenPixel(CPoint pt)
    {
        Preview()->UpdateWindow();
        CClientDC dc(Preview());
        return dc.GetPixel(pt.x, pt.y);
    }
};

TEST_F(PreviewTest, OpensAtThePageBeginPrintingLeftAndDrawsItScaledAsItPrints)
{
    pView->m_nPages = 6;
    pView->m_nFirstPreviewPage = 4;
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetPrintView(), pView);
    EXPECT_EQ(pPreview->GetCurrentPage(), 4u);
    EXPECT_EQ(StatusText(), "Page 4 / 6");
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());

    // the preview holds the frame's pane; the tool bar gives way to the preview's bar
    EXPECT_EQ(pPreview->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_FALSE(pView->IsWindowVisible());
    EXPECT_FALSE(toolBar.IsWindowVisible());
    EXPECT_TRUE(statusBar.IsWindowVisible());
    ASSERT_NE(pPreview->GetPreviewBar(), nullptr);
    EXPECT_TRUE(pPreview->GetPreviewBar()->IsWindowVisible());

    // drawn as printing, measured on the printer, scaled into the sheet
    const CRect sheet = pPreview->GetPageRect(0);
    ASSERT_GT(sheet.Width(), 50);
    EXPECT_EQ(ScreenPixel(sheet.TopLeft() + CPoint(sheet.Width() / 4, sheet.Height() / 4)), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(sheet.TopLeft() + CPoint(sheet.Width() * 3 / 4, sheet.Height() / 8)), kWhite);
    EXPECT_TRUE(pView->bPrinting);
    EXPECT_EQ(pView->nLogPixelsX, 200);
    EXPECT_EQ(pView->extent, pView->extentOnPrinter);
    EXPECT_LT(pView->extentOutput.cx, pView->extent.cx); // the screen's sheet is smaller than the paper
    // the sheet has the paper's proportions
    EXPECT_NEAR(double(sheet.Height()) / sheet.Width(), 1100.0 / 850.0, 0.02);

    // Print... closes the preview and prints from the view (here cancelled in the print dialog)
    fake.ExpectPrintDialog(IDCANCEL);
    Command(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_EQ(ShownPrintDialogs().size(), 1u);
}

TEST_F(PreviewTest, PagesTurnWithinTheDocumentAndCloseGivesTheFrameBack)
{
    pView->m_nPages = 3;
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(pPreview, nullptr);
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    EXPECT_EQ(StatusText(), "Page 2 / 3");
    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(pPreview->GetPagesShown(), 2);
    EXPECT_GT(pPreview->GetPageRect(1).left, pPreview->GetPageRect(0).right);
    Command(AFX_ID_PREVIEW_NEXT); // pages 2 and 3 are the last ones: refused while disabled
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    Command(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
    Command(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_TRUE(pPreview->IsZoomedIn());
    // the page at its size on paper: 1100 dots at 200 per inch
    CClientDC dcScreen(pPreview);
    EXPECT_NEAR(pPreview->GetPageRect(0).Height(), 1100 * dcScreen.GetDeviceCaps(LOGPIXELSY) / 200, 1);

    // the bar's Close button, as the user presses it
    pView->log.clear();
    CWnd* pClose = pPreview->GetPreviewBar()->GetDlgItem(AFX_ID_PREVIEW_CLOSE);
    ASSERT_NE(pClose, nullptr);
    pClose->SendMessage(BM_CLICK, 0, 0);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_EQ(pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_TRUE(toolBar.IsWindowVisible());
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(pFrame->GetDescendantWindow(AFX_IDW_PANE_SAVE), nullptr);
    EXPECT_EQ(pView->log, Log{"OnEndPrinting"});
    // the view fills the frame between its bars again
    CRect rectView, rectClient;
    pView->GetWindowRect(&rectView);
    pFrame->ScreenToClient(&rectView);
    pFrame->GetClientRect(&rectClient);
    EXPECT_EQ(rectView, CRect(0, 20, rectClient.right, rectClient.bottom - 20));
}

TEST_F(PreviewTest, ThePreviewShowsThePagesThatPrintAndNoMore)
{
    struct {
        const char* what;
        bool bUnknownLength, bLengthAfterFirstPage;
        UINT nStopAt;
        UINT nLastPrinted;
    } cases[] = {
        {"a view that never says its length", true, false, 0, 1},
        {"a view that clears continue on page 3 of 6", false, false, 3, 2},
        {"a view that knows its 3 pages once page 1 is printed", true, true, 0, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        pView->m_bUnknownLength = c.bUnknownLength;
        pView->m_bLengthAfterFirstPage = c.bLengthAfterFirstPage;
        pView->m_nStopAt = c.nStopAt;
        pView->m_nPages = c.nStopAt != 0 ? 6 : 3;
        Command(ID_FILE_PRINT_PREVIEW);
        CPreviewView* pPreview = Preview();
        ASSERT_NE(pPreview, nullptr);
        // Next Page as often as the user likes: refused once the last page printed is shown
        for (int i = 0; i < 8; i++)
            Command(AFX_ID_PREVIEW_NEXT);
        EXPECT_EQ(pPreview->GetCurrentPage(), c.nLastPrinted);
        // two pages from the last one: no second sheet beside it
        Command(AFX_ID_PREVIEW_NUMPAGE);
        ASSERT_EQ(pPreview->GetPagesShown(), 2);
        const CRect first = pPreview->GetPageRect(0), second = pPreview->GetPageRect(1);
        EXPECT_EQ(ScreenPixel(first.TopLeft() + CPoint(first.Width() * 3 / 4, first.Height() / 8)), kWhite);
        EXPECT_NE(ScreenPixel(second.TopLeft() + CPoint(second.Width() * 3 / 4, second.Height() / 8)), kWhite);
        Command(AFX_ID_PREVIEW_CLOSE);
        ASSERT_EQ(pFrame->GetActiveView(), pView);
    }
}

TEST_F(PreviewTest, WithoutAPrinterThePreviewDoesNotOpen)
{
    fake.SetDefaultPrinter(nullptr);
    fake.ExpectMessageBox(IDOK, "printer could not be opened");
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_TRUE(toolBar.IsWindowVisible());
}

// An application with a command of its own (File New), noting whether a preview showed when it ran;
// its update handler enables it as bNewEnabled says.
class CCommandApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    CCommandApp() : CWinApp("Ondrix") {}
    BOOL bNewEnabled = TRUE;
    std::vector<std::string> log;

protected:
    void OnNew()
    {
        const CFrameWnd* pMain = static_cast<CFrameWnd*>(m_pMainWnd);
        log.push_back(pMain->GetPreviewView() != nullptr ? "new, the preview showing" : "new");
    }
    void OnUpdateNew(CCmdUI* pCmdUI) { pCmdUI->Enable(bNewEnabled); }
};
BEGIN_MESSAGE_MAP(CCommandApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnNew)
    ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateNew)
END_MESSAGE_MAP()

// The MDI main frame with one document window, its view of three pages and the default printer.
class MdiPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.SetDefaultPrinter(&printer);
        pMain = new CMDIFrameWnd;
        ASSERT_TRUE(pMain->Create(nullptr, "Ondrix", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 480)));
        hWndMain = pMain->m_hWnd;
        app.m_pMainWnd = pMain;
        document.m_bAutoDelete = FALSE;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
        context.m_pCurrentDoc = &document;
        pChild = new CMDIChildWnd;
        ASSERT_TRUE(pChild->Create(nullptr, "report", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                   CFrameWnd::rectDefault, pMain, &context));
        pChild->InitialUpdateFrame(&document, TRUE);
        pView = static_cast<CPagesView*>(pChild->GetActiveView());
        ASSERT_NE(pView, nullptr);
        ::SetActiveWindow(hWndMain);
    }
    void TearDown() override
    {
        app.m_pMainWnd = nullptr;
        if (::IsWindow(hWndMain))
            ::DestroyWindow(hWndMain);
    }

    CPreviewView* OpenPreview()
    {
        pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
        return pMain->GetPreviewView();
    }
    void Command(UINT nID) { pMain->SendMessage(WM_COMMAND, nID, 0); }
    // The preview bars the main frame holds.
    int PreviewBars() const
    {
        int n = 0;
        for (HWND hWnd = ::GetWindow(hWndMain, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            n += ::GetDlgCtrlID(hWnd) == AFX_IDW_PREVIEW_BAR ? 1 : 0;
        return n;
    }
    // The frame is as before the preview: its MDI client back, the view's end step run.
    void ExpectPreviewEnded()
    {
        EXPECT_EQ(pMain->GetPreviewView(), nullptr);
        EXPECT_EQ(PreviewBars(), 0);
        EXPECT_TRUE(::IsWindowVisible(pMain->m_hWndMDIClient));
        EXPECT_EQ(::GetDlgCtrlID(pMain->m_hWndMDIClient), AFX_IDW_PANE_FIRST);
    }
    // A key message to hWnd as the program's message loop offers it to the application. TRUE when it
    // was taken.
    BOOL Translate(HWND hWnd, UINT message, UINT nKey)
    {
        const LPARAM lParam = message == WM_SYSKEYDOWN || message == WM_SYSCHAR ? LPARAM(1) << 29 : 0;
        MSG msg = {hWnd, message, nKey, lParam | 1, 0, {0, 0}};
        return app.PreTranslateMessage(&msg);
    }

    CCommandApp app;
    CFakeServices fake;
    FakePrinter printer;
    CMDIFrameWnd* pMain = nullptr;
    HWND hWndMain = nullptr;
    CReportDoc document;
    CMDIChildWnd* pChild = nullptr;
    CPagesView* pView = nullptr;
};

TEST_F(MdiPreviewTest, TheMainFramesClientGivesWayAndComesBack)
{
    auto* pPreview = OpenPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pMain->GetActiveView(), pPreview);
    EXPECT_FALSE(::IsWindowVisible(pMain->m_hWndMDIClient));
    EXPECT_EQ(::GetDlgCtrlID(pMain->m_hWndMDIClient), AFX_IDW_PANE_SAVE);
    // the preview's commands reach it through the main frame, past the active child's view
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(pMain->GetActiveView(), nullptr);
    ExpectPreviewEnded();
    EXPECT_EQ(pView->log.back(), "OnEndPrinting");
    // the keyboard goes back to the document
    EXPECT_EQ(::GetFocus(), pView->m_hWnd);
}

TEST_F(MdiPreviewTest, ACommandFromOutsideThePreviewEndsItFirstUnlessItIsRefused)
{
    ASSERT_NE(OpenPreview(), nullptr);
    // grey: disabled, or handled by nobody
    app.bNewEnabled = FALSE;
    Command(ID_FILE_NEW);
    Command(ID_FILE_SAVE);
    EXPECT_TRUE(app.log.empty());
    EXPECT_NE(pMain->GetPreviewView(), nullptr);

    app.bNewEnabled = TRUE;
    Command(ID_FILE_NEW);
    EXPECT_EQ(app.log, std::vector<std::string>{"new"});
    ExpectPreviewEnded();
    EXPECT_EQ(pView->log.back(), "OnEndPrinting");
}

TEST_F(MdiPreviewTest, AFrameNeverShowsTwoPreviews)
{
    ASSERT_NE(OpenPreview(), nullptr);
    // Print Preview through the frame (a menu or an accelerator): the preview shown ends, a new one opens
    pView->log.clear();
    Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_NE(pMain->GetPreviewView(), nullptr);
    EXPECT_EQ(PreviewBars(), 1);
    ASSERT_FALSE(pView->log.empty());
    EXPECT_EQ(pView->log.front(), "OnEndPrinting");
    // and straight from the view
    CPreviewView::Open(pView);
    EXPECT_EQ(PreviewBars(), 1);
    EXPECT_EQ(pMain->GetActiveView(), pMain->GetPreviewView());
    Command(AFX_ID_PREVIEW_CLOSE);
    ExpectPreviewEnded();
}

TEST_F(MdiPreviewTest, ClosingTheMainFrameClosesThePreviewOnly)
{
    ASSERT_NE(OpenPreview(), nullptr);
    pMain->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(::IsWindow(hWndMain));
    ExpectPreviewEnded();
    EXPECT_TRUE(::IsWindow(pChild->m_hWnd));
}

TEST_F(MdiPreviewTest, TheViewPreviewedGoingEndsThePreviewFirst)
{
    ASSERT_NE(OpenPreview(), nullptr);
    pChild->SendMessage(WM_CLOSE);
    ExpectPreviewEnded();
    EXPECT_EQ(pMain->MDIGetActive(), nullptr);

    // the main frame itself destroyed while a preview shows: the view's end step still runs
    pChild = new CMDIChildWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
    context.m_pCurrentDoc = &document;
    ASSERT_TRUE(pChild->Create(nullptr, "report", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                               CFrameWnd::rectDefault, pMain, &context));
    pChild->InitialUpdateFrame(&document, TRUE);
    pView = static_cast<CPagesView*>(pChild->GetActiveView());
    std::vector<std::string> ended;
    pView->pEndLog = &ended;
    ASSERT_NE(OpenPreview(), nullptr);
    app.m_pMainWnd = nullptr;
    ::DestroyWindow(hWndMain);
    EXPECT_FALSE(::IsWindow(hWndMain));
    EXPECT_EQ(ended, std::vector<std::string>{"OnEndPrinting"});
}

TEST_F(MdiPreviewTest, ThePreviewsKeysComeBeforeTheFramesAndItsMenus)
{
    fake.SetKeyState(VK_CONTROL, 0);
    fake.SetKeyState(VK_SHIFT, 0);
    CPreviewView* pPreview = OpenPreview();
    ASSERT_NE(pPreview, nullptr);
    const HWND hWndPreview = pPreview->m_hWnd;
    // Alt with a button's letter presses it: Next Page, then Prev Page
    EXPECT_TRUE(Translate(hWndPreview, WM_SYSKEYDOWN, 'N'));
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    EXPECT_TRUE(Translate(hWndPreview, WM_SYSKEYDOWN, 'V'));
    EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
    // the menu keys have no menu to open; Alt+F4 goes on to the frame, Alt+Space to the system menu
    EXPECT_TRUE(Translate(hWndPreview, WM_SYSKEYDOWN, VK_MENU));
    EXPECT_TRUE(Translate(hWndPreview, WM_SYSKEYUP, VK_MENU));
    EXPECT_TRUE(Translate(hWndPreview, WM_SYSKEYDOWN, VK_F10));
    EXPECT_TRUE(Translate(hWndPreview, WM_SYSCHAR, 'f'));
    EXPECT_FALSE(Translate(hWndPreview, WM_SYSKEYDOWN, 'F'));
    EXPECT_FALSE(Translate(hWndPreview, WM_SYSKEYDOWN, VK_F4));
    EXPECT_FALSE(Translate(hWndPreview, WM_SYSCHAR, ' '));

    // Tab goes along the enabled buttons (Print..., Next Page, Two Page, Zoom In, Close) and back
    CWnd* pBar = pPreview->GetPreviewBar();
    ASSERT_NE(pBar, nullptr);
    ::SetFocus(hWndPreview);
    ASSERT_EQ(::GetFocus(), hWndPreview);
    EXPECT_TRUE(Translate(hWndPreview, WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_PRINT));
    EXPECT_TRUE(Translate(::GetFocus(), WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_NEXT));
    // Return presses the button with the focus; it turns grey on the last page and leaves the keyboard
    // to the preview
    EXPECT_TRUE(Translate(::GetFocus(), WM_KEYDOWN, VK_RETURN));
    EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
    EXPECT_TRUE(Translate(::GetFocus(), WM_KEYDOWN, VK_RETURN));
    EXPECT_EQ(pPreview->GetCurrentPage(), 3u);
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ(::GetFocus(), hWndPreview);
    {
        fake.SetKeyState(VK_SHIFT, SHORT(0x8000));
        EXPECT_TRUE(Translate(hWndPreview, WM_KEYDOWN, VK_TAB));
        fake.SetKeyState(VK_SHIFT, 0);
    }
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_CLOSE));

    // Escape closes it, from its bar as from its pages; so does Alt+C, and Escape sent to the frame
    // while no window has the focus
    EXPECT_TRUE(Translate(::GetFocus(), WM_KEYDOWN, VK_ESCAPE));
    ExpectPreviewEnded();
    ASSERT_NE(OpenPreview(), nullptr);
    EXPECT_TRUE(Translate(pMain->GetPreviewView()->m_hWnd, WM_SYSKEYDOWN, 'C'));
    ExpectPreviewEnded();
    ASSERT_NE(OpenPreview(), nullptr);
    ::SetFocus(nullptr);
    EXPECT_TRUE(Translate(hWndMain, WM_KEYDOWN, VK_ESCAPE));
    ExpectPreviewEnded();
}

} // namespace

// Another program's window, taking the activation from the frame for a while.
class OtherWindow {
public:
    OtherWindow()
        : m_hWnd(::CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 0, 200, 100,
                                   nullptr, nullptr, nullptr, nullptr))
    {
        ::SetActiveWindow(m_hWnd);
    }
    ~OtherWindow() { ::DestroyWindow(m_hWnd); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

private:
    HWND m_hWnd;
};

TEST_F(MdiPreviewTest, TheActivatedFrameGivesTheKeyboardToThePreviewNotToTheViewItHides)
{
    CPreviewView* pPreview = OpenPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(::GetFocus(), pPreview->m_hWnd);
    {
        const OtherWindow other;
        EXPECT_NE(::GetActiveWindow(), hWndMain);
    }
    ::SetActiveWindow(hWndMain);
    EXPECT_EQ(::GetFocus(), pPreview->m_hWnd);
    // the hidden document window activated again, or its frame given the focus, keep it there too
    pChild->MDIActivate();
    EXPECT_EQ(::GetFocus(), pPreview->m_hWnd);
    pChild->SetFocus();
    EXPECT_EQ(::GetFocus(), pPreview->m_hWnd);
    Command(AFX_ID_PREVIEW_CLOSE);
    ExpectPreviewEnded();
    EXPECT_EQ(::GetFocus(), pView->m_hWnd);
}

TEST_F(PrintTest, AFrameWhoseActiveViewIsHiddenKeepsTheKeyboardItself)
{
    ::SetActiveWindow(hWndFrame);
    pView->ShowWindow(SW_HIDE);
    {
        const OtherWindow other;
    }
    ::SetActiveWindow(hWndFrame);
    EXPECT_EQ(::GetFocus(), hWndFrame);
    // shown again, the view takes the keyboard with the next activation
    pView->ShowWindow(SW_SHOW);
    {
        const OtherWindow other;
    }
    ::SetActiveWindow(hWndFrame);
    EXPECT_EQ(::GetFocus(), pView->m_hWnd);
}
