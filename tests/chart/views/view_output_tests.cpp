// The chart view's output: Copy, the BMP and JPEG exports, printing at a page size, the page set-up
// dialog, the edit dialog, the palette and the background.
#include "wine_gtest.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ChartViewTestSupport.h"

#include "chart/engine/components/DEDizedTitle.h"
#include "chart/views/dialogs/DEDizedEditDialog.h"
#include "chart/views/dialogs/SRGWizSheet.h"
#include "chart/views/image/SECDib.h"
#include "chart/views/image/SECJpeg.h"

namespace {

const COLORREF kFill = RGB(200, 40, 60);

class ChartViewOutput : public ChartViewTest {
protected:
    // A filled background under the three-point chart's line.
    void MakeFilledChart()
    {
        AddBackground(Chart(), kFill);
        MakeValueChart();
    }
    // The pixels a direct drawing of the chart gives in the client's size.
    std::vector<uint32_t> DirectPixels()
    {
        const CSize size = ClientSize();
        DibCanvas canvas(size.cx, size.cy);
        DrawDirect(canvas);
        return CanvasPixels(canvas);
    }
    // The pixels of an image file as the image class reads it back.
    std::vector<uint32_t> FilePixels(SECImage& image, const std::string& path)
    {
        if (!image.LoadImage(path.c_str()))
            return {};
        CClientDC dc(pView);
        std::unique_ptr<CBitmap> pBitmap(image.MakeBitmap(&dc));
        int nWidth = 0, nHeight = 0;
        return pBitmap ? BitmapPixels(static_cast<HBITMAP>(pBitmap->m_hObject), nWidth, nHeight)
                       : std::vector<uint32_t>();
    }
    void Command(UINT nID) { pView->SendMessage(WM_COMMAND, nID, 0); }
    // Runs the export command nID, its save dialog choosing file; returns the dialog's call after
    // checking the options every export asks for: a new file may be named, an existing one only
    // after the overwrite question.
    CFakeServices::Call Export(UINT nID, const ScratchFile& file)
    {
        fake.ExpectFileDialog(IDOK, file.windows.c_str());
        Command(nID);
        const auto calls = fake.CallsOf("GetSaveFileName");
        EXPECT_EQ(calls.size(), 1u);
        if (calls.empty())
            return CFakeServices::Call();
        const DWORD dwAsked = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        EXPECT_EQ(calls[0].dwFlags & dwAsked, dwAsked);
        EXPECT_EQ(calls[0].dwFlags & OFN_FILEMUSTEXIST, DWORD(0));
        return calls[0];
    }
};

// The mean difference of the colour channels of two pictures of equal size.
double MeanChannelDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    double dSum = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            dSum += std::abs(int((a[i] >> shift) & 0xFF) - int((b[i] >> shift) & 0xFF));
    return a.empty() ? 0.0 : dSum / double(3 * a.size());
}

} // namespace

TEST_F(ChartViewOutput, CopyPutsABitmapOfTheClientAreaOnTheClipboard)
{
    MakeFilledChart();
    Command(ID_EDIT_COPY);
    ASSERT_TRUE(::OpenClipboard(pView->m_hWnd));
    HBITMAP hBitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    int nWidth = 0, nHeight = 0;
    const std::vector<uint32_t> pixels = BitmapPixels(hBitmap, nWidth, nHeight);
    ::CloseClipboard();
    EXPECT_EQ(CSize(nWidth, nHeight), ClientSize());
    EXPECT_EQ(LargestChannelDifference(pixels, DirectPixels()), 0);
    // the chart draws into the window as before
    EXPECT_FALSE(Chart().GetFixedRectFlag());
    EXPECT_TRUE(Chart().IsBuffered());
}

TEST_F(ChartViewOutput, WithTheClipboardHeldElsewhereNothingChangesAndTheBitmapIsFreed)
{
    MakeFilledChart();
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "Other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(::OpenClipboard(other.m_hWnd));
    ::EmptyClipboard();
    Command(ID_EDIT_COPY);
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_BITMAP));
    ::CloseClipboard();
    ASSERT_NE(pView->hLastBitmap, nullptr);
    EXPECT_EQ(::GetObjectType(pView->hLastBitmap), DWORD(0));
    other.DestroyWindow();
}

TEST_F(ChartViewOutput, TheBmpExportAsksForANewFileAndWritesTheViewsPixels)
{
    MakeFilledChart();
    ScratchFile file("export.bmp");
    const CFakeServices::Call call = Export(ID_CHART_EXPORT_BMP, file);
    EXPECT_EQ(call.defExt, "bmp");
    EXPECT_EQ(call.filter, (std::vector<std::string>{"Dib bitmap files(*.bmp)", "*.bmp", "All files(*.*)", "*.*"}));
    SECDib image;
    EXPECT_EQ(LargestChannelDifference(FilePixels(image, file.host), DirectPixels()), 0);
}

TEST_F(ChartViewOutput, TheJpegExportWritesTheViewsPixelsWithinTheCodecsError)
{
    MakeFilledChart();
    ScratchFile file("export.jpg");
    const CFakeServices::Call call = Export(ID_CHART_EXPORT_JPEG, file);
    EXPECT_EQ(call.defExt, "jpg");
    EXPECT_EQ(call.filter, (std::vector<std::string>{"Jpeg files(*.jpg)", "*.jpg", "All files(*.*)", "*.*"}));
    SECJpeg image;
    const std::vector<uint32_t> pixels = FilePixels(image, file.host);
    const std::vector<uint32_t> direct = DirectPixels();
    ASSERT_EQ(pixels.size(), direct.size());
    EXPECT_LT(MeanChannelDifference(pixels, direct), 3.0);
    // the fill far from the line comes back nearly as it was
    const size_t nAt = size_t(ClientSize().cx) * 300 + 480;
    EXPECT_LT(LargestChannelDifference({pixels[nAt]}, {direct[nAt]}), 8);
}

TEST_F(ChartViewOutput, ExportFailuresAreReportedAndACancelledDialogDoesNothing)
{
    MakeFilledChart();
    ScratchFile file("failed.bmp");
    fake.ExpectFileDialog(IDCANCEL);
    Command(ID_CHART_EXPORT_BMP);
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());

    pView->bSpoilBitmaps = true;
    fake.ExpectMessageBox(IDOK, "Create Image form bitmap failed.");
    EXPECT_FALSE(pView->SaveAsBmp(file.windows.c_str()));
    fake.ExpectMessageBox(IDOK, "Can't create jpeg image.");
    EXPECT_FALSE(pView->SaveAsJpeg(file.windows.c_str()));
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Create Image form bitmap failed.");
    EXPECT_EQ(boxes[1].text, "Can't create jpeg image.");

    // a file that cannot be written is not reported as written
    pView->bSpoilBitmaps = false;
    fake.ExpectMessageBox(IDOK, "could not be written");
    EXPECT_FALSE(pView->SaveAsBmp("Z:\\ondrix_no_such_folder\\chart.bmp"));
}

TEST_F(ChartViewOutput, WithoutAPageSizeTheChartPrintsAtThePrintersPage)
{
    MakeFilledChart();
    FakePrinter printer{"Office printer", 600, 800, 100, 100};
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT);
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    const CFakePrinterDC& page = *fake.PrinterDCs().back();
    EXPECT_EQ(page.PixelAt(5, 5), kFill);
    EXPECT_EQ(page.PixelAt(590, 790), kFill);
    // one page: the chart never says how many it has
    EXPECT_EQ(std::count(page.DocCalls().begin(), page.DocCalls().end(), "StartPage"), 1);
}

TEST_F(ChartViewOutput, WithAPageSizeTheChartPrintsIntoItsPlacedRectangleAndTheWindowGetsItBack)
{
    MakeFilledChart();
    pView->m_bUsePageSize = 1;
    pView->m_nPaperIndex = 0;   // 320 x 240
    pView->m_nVertical = 2;     // bottom
    pView->m_nHorizontal = 0;   // left
    FakePrinter printer{"Office printer", 600, 800, 100, 100};
    fake.ExpectPrintDialog(IDOK, &printer);
    Command(ID_FILE_PRINT);
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    const CFakePrinterDC& page = *fake.PrinterDCs().back();
    EXPECT_EQ(page.PixelAt(5, 795), kFill);
    EXPECT_EQ(page.PixelAt(315, 565), kFill);
    EXPECT_EQ(page.PixelAt(325, 795), kWhite);
    EXPECT_EQ(page.PixelAt(5, 555), kWhite);
    // the end of the job takes the fixed rectangle away and repaints
    EXPECT_FALSE(Chart().GetFixedRectFlag());
    EXPECT_EQ(Chart().GetFixedRectAlignment(), 0);
    CRect update;
    EXPECT_TRUE(pView->GetUpdateRect(&update));
}

TEST_F(ChartViewOutput, ThePageTableGivesDevicePixelsAndThePlacementCodes)
{
    MakeValueChart();
    struct Case {
        int nPaper;
        CSize size;
    };
    for (const Case& c : {Case{0, CSize(320, 240)}, Case{3, CSize(1024, 768)}, Case{4, CSize(2480, 3507)},
                          Case{5, CSize(3507, 2480)}, Case{6, CSize(1762, 2480)}, Case{7, CSize(2480, 1762)},
                          Case{8, CSize(2550, 3300)}, Case{9, CSize(3300, 2550)}, Case{10, CSize(0, 0)}})
        EXPECT_EQ(DEDizedView::PaperSize(c.nPaper, 300, 300), c.size) << c.nPaper;

    CFakePrinterDC printer(2480, 3508, 300, 300);
    CPrintInfo info;
    pView->m_bUsePageSize = 1;
    pView->m_nPaperIndex = 4;
    pView->OnBeginPrinting(&printer, &info);
    EXPECT_TRUE(Chart().GetFixedRectFlag());
    EXPECT_EQ(Chart().GetFixedRect(), CRect(0, 0, 2480, 3507));
    EXPECT_EQ(Chart().GetFixedRectAlignment(), 0x22);
    pView->OnEndPrinting(&printer, &info);
    EXPECT_FALSE(Chart().GetFixedRectFlag());
    EXPECT_EQ(Chart().GetFixedRectAlignment(), 0);

    // without the flag the chart keeps what it had
    pView->m_bUsePageSize = 0;
    pView->OnBeginPrinting(&printer, &info);
    EXPECT_FALSE(Chart().GetFixedRectFlag());
}

TEST_F(ChartViewOutput, ThePageSetupDialogShowsAndReturnsTheFourValues)
{
    MakeValueChart();
    pView->m_nPaperIndex = 3;
    fake.ExpectModal([](CDialog& dialog) {
        EXPECT_EQ(dialog.SendDlgItemMessage(IDC_CHART_PAPER, CB_GETCOUNT), 10);
        EXPECT_EQ(dialog.SendDlgItemMessage(IDC_CHART_PAPER, CB_GETCURSEL), 3);
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_CHART_USE_PAGE_SIZE), UINT(BST_UNCHECKED));
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_CHART_VERTICAL_FIRST + 1), UINT(BST_CHECKED));
        EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_CHART_HORIZONTAL_FIRST + 1), UINT(BST_CHECKED));
        // without the fixed size the paper and the placement cannot be chosen
        for (int nID : {IDC_CHART_PAPER, IDC_CHART_VERTICAL_FIRST, IDC_CHART_HORIZONTAL_FIRST + 2})
            EXPECT_FALSE(dialog.GetDlgItem(nID)->IsWindowEnabled()) << nID;
        dialog.CheckDlgButton(IDC_CHART_USE_PAGE_SIZE, BST_CHECKED);
        ClickButton(dialog, IDC_CHART_USE_PAGE_SIZE);
        for (int nID : {IDC_CHART_PAPER, IDC_CHART_VERTICAL_FIRST, IDC_CHART_HORIZONTAL_FIRST + 2})
            EXPECT_TRUE(dialog.GetDlgItem(nID)->IsWindowEnabled()) << nID;
        dialog.SendDlgItemMessage(IDC_CHART_PAPER, CB_SETCURSEL, 8);
        dialog.CheckRadioButton(IDC_CHART_VERTICAL_FIRST, IDC_CHART_VERTICAL_FIRST + 2, IDC_CHART_VERTICAL_FIRST + 2);
        dialog.CheckRadioButton(IDC_CHART_HORIZONTAL_FIRST, IDC_CHART_HORIZONTAL_FIRST + 2, IDC_CHART_HORIZONTAL_FIRST);
        ClickButton(dialog, IDOK);
    });
    Command(ID_CHART_PAGE_SETUP);
    EXPECT_EQ(pView->m_bUsePageSize, 1);
    EXPECT_EQ(pView->m_nPaperIndex, 8);
    EXPECT_EQ(pView->m_nVertical, 2);
    EXPECT_EQ(pView->m_nHorizontal, 0);

    fake.ExpectModal([](CDialog& dialog) {
        EXPECT_TRUE(dialog.GetDlgItem(IDC_CHART_PAPER)->IsWindowEnabled());
        dialog.SendDlgItemMessage(IDC_CHART_PAPER, CB_SETCURSEL, 1);
        ClickButton(dialog, IDCANCEL);
    });
    Command(ID_CHART_PAGE_SETUP);
    EXPECT_EQ(pView->m_nPaperIndex, 8);
}

TEST_F(ChartViewOutput, EditOpensTheEditDialogOnTheChartAndRepaintsAfterIt)
{
    MakeValueChart();
    for (int nResult : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(nResult);
        pView->ValidateRect(nullptr);
        // nothing is marked yet, so that the marks below are the view's
        Chart().MarkForRedraw();
        DibCanvas canvas(10, 10);
        Chart().Draw(&canvas.dc, nullptr);
        fake.ExpectModal([&](CDialog& dialog) {
            DEDizedEditDialog* pEdit = dynamic_cast<DEDizedEditDialog*>(&dialog);
            ASSERT_NE(pEdit, nullptr);
            EXPECT_EQ(pEdit->GetChart(), &Chart());
            ClickButton(dialog, nResult);
        });
        pView->SendMessage(WM_COMMAND, ID_CHART_EDIT, 0);
        CRect update;
        EXPECT_TRUE(pView->GetUpdateRect(&update));
        CObList* pComponents = Chart().GetComponentList();
        EXPECT_NE(static_cast<DEDizedComponent*>(pComponents->GetHead())->NeedsRedraw(), 0);
    }
}

TEST_F(ChartViewOutput, ATrueColourScreenGetsNoPaletteAndTheBackgroundIsNotErased)
{
    MakeValueChart();
    EXPECT_EQ(pView->GetPalette().m_hObject, nullptr);
    EXPECT_EQ(pView->SendMessage(WM_QUERYNEWPALETTE), 0);
    pView->SendMessage(WM_PALETTECHANGED, WPARAM(pFrame->m_hWnd));

    CClientDC dc(pView);
    dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(0, 128, 255));
    EXPECT_EQ(pView->SendMessage(WM_ERASEBKGND, WPARAM(dc.m_hDC)), TRUE);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(0, 128, 255));
}

TEST_F(ChartViewOutput, TheWizardRunsOnTheChartAndAfterOkItsComponentsAreTheCharts)
{
    MakeValueChart();
    for (const int nResult : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(nResult);
        pView->ValidateRect(nullptr);
        fake.ExpectModalSheet([&](CPropertySheet& sheet) {
            SRGWizSheet* pWizard = dynamic_cast<SRGWizSheet*>(&sheet);
            ASSERT_NE(pWizard, nullptr);
            CString caption;
            sheet.GetWindowText(caption);
            EXPECT_EQ(caption, CString("Chart Wizard"));
            EXPECT_EQ(pWizard->GetChart(), &Chart());
            // the chart has a component: the four pages, and the caller's data
            EXPECT_FALSE(pWizard->IsWizardMode());
            EXPECT_DOUBLE_EQ(pWizard->GetWorkingChart()->GetValue(2, 0), 0.5);
            pWizard->GetWorkingChart()->AddComponent(new DEDizedTitle);
            ClickButton(sheet, nResult);
        });
        pView->SendMessage(WM_COMMAND, ID_CHART_WIZARD, 0);
        const std::vector<std::string> expected = nResult == IDOK
                                                      ? std::vector<std::string>{"DEDizedDisplay", "DEDizedTitle"}
                                                      : std::vector<std::string>{"DEDizedDisplay"};
        std::vector<std::string> classes;
        CObList* pComponents = Chart().GetComponentList();
        for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;)
            classes.push_back(pComponents->GetNext(pos)->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(classes, expected);
        // the data stays the chart's
        EXPECT_DOUBLE_EQ(Chart().GetValue(2, 0), 0.5);
        CRect update;
        EXPECT_EQ(pView->GetUpdateRect(&update) != 0, nResult == IDOK);
    }
}
