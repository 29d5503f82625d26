// The system's common dialogs through the services seam: what each is given and how its answer comes
// back; the application's printer and its set-up command; the printer-like DC; the reports of the find
// and replace dialog; the host path of a dialog's path.
#include "FakeServices.h"

#include "TestSupport.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class CommonDialogs : public ::testing::Test {
protected:
    CWinApp app{"Ondrix"};
    CFakeServices fake;

    const CFakeServices::Call& LastCall() const { return fake.Calls().back(); }
};

TEST_F(CommonDialogs, FileDialogGivesItsSettingsAndReadsTheChosenPath)
{
    CFileDialog save(FALSE, "TXT", "Results.txt", 0, "Text file (*.txt)|*.txt||");
    fake.ExpectFileDialog(IDOK, "C:\\r\\a.txt");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(LastCall().kind, "GetSaveFileName");
    EXPECT_EQ(LastCall().filter, (std::vector<std::string>{"Text file (*.txt)", "*.txt"}));
    EXPECT_EQ(LastCall().defExt, "TXT");
    EXPECT_EQ(LastCall().text, "Results.txt");
    EXPECT_EQ(LastCall().dwFlags, DWORD(OFN_EXPLORER)) << "no flags of the caller's";
    EXPECT_STREQ(save.GetPathName(), "C:\\r\\a.txt");
    EXPECT_STREQ(save.GetFileExt(), "txt");

    fake.ExpectFileDialog(IDCANCEL);
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    // a name typed without an extension gets the default one, a name with one keeps its own
    const struct {
        const char* typed;
        const char* chosen;
    } names[] = {{"C:\\r.d\\results", "C:\\r.d\\results.TXT"}, {"C:\\r\\results.csv", "C:\\r\\results.csv"}};
    for (const auto& c : names) {
        fake.ExpectFileDialog(IDOK, c.typed);
        save.DoModal();
        EXPECT_STREQ(save.GetPathName(), c.chosen);
    }

    CFileDialog open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                     "All supported files|*.zex;*.csv;*.zek|Ondrix XML files (*.zex)|*.zex||");
    fake.ExpectFileDialog(IDCANCEL);
    open.DoModal();
    EXPECT_EQ(LastCall().kind, "GetOpenFileName");
    EXPECT_EQ(LastCall().filter,
              (std::vector<std::string>{"All supported files", "*.zex;*.csv;*.zek", "Ondrix XML files (*.zex)", "*.zex"}));
    EXPECT_EQ(LastCall().defExt, "");
    EXPECT_EQ(LastCall().dwFlags, DWORD(OFN_HIDEREADONLY | OFN_EXPLORER));

    CFileDialog polygon(TRUE, ".PLY", nullptr, 0, "Polygon file|*.PLY||");
    fake.ExpectFileDialog(IDCANCEL);
    polygon.DoModal();
    EXPECT_EQ(LastCall().defExt, "PLY") << "the dot is not part of the extension";

    struct Case {
        const char* path;
        const char* ext;
    };
    const Case extensions[] = {{"C:\\r.d\\noext", ""}, {"Z:\\tmp\\archive.tar.GZ", "GZ"}, {"C:\\r\\.hidden", "hidden"}};
    for (const Case& c : extensions) {
        fake.ExpectFileDialog(IDOK, c.path);
        open.DoModal();
        EXPECT_STREQ(open.GetFileExt(), c.ext) << c.path;
    }
}

TEST_F(CommonDialogs, PathLongerThanTheBufferIsRefusedNotCutShort)
{
    CFileDialog save(FALSE, "TXT", "Results.txt", 0, "Text file (*.txt)|*.txt||");
    const std::string longPath = "C:\\" + std::string(300, 'x') + ".txt";
    fake.ExpectFileDialog(IDOK, longPath.c_str());
    fake.ExpectMessageBox(IDOK, "longer than 259 characters");
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    EXPECT_STREQ(save.GetPathName(), "Results.txt") << "the name field starts over";

    // the path that fits exactly is taken whole
    const std::string fitting = "C:\\" + std::string(252, 'y') + ".txt";
    ASSERT_EQ(fitting.size(), 259u);
    fake.ExpectFileDialog(IDOK, fitting.c_str());
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(std::string(save.GetPathName()), fitting);
}

TEST_F(CommonDialogs, ColourDialogStartsAtItsColourAndKeepsItOnCancel)
{
    CColorDialog chosen(0xC000, CC_RGBINIT | CC_FULLOPEN);
    fake.ExpectColorDialog(IDOK, 0xFF);
    EXPECT_EQ(chosen.DoModal(), IDOK);
    EXPECT_EQ(LastCall().dwFlags, 3u);
    EXPECT_EQ(LastCall().color, 0xC000u);
    EXPECT_EQ(chosen.GetColor(), 0xFFu);

    CColorDialog cancelled(0xC000, CC_RGBINIT | CC_FULLOPEN);
    fake.ExpectColorDialog(IDCANCEL);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetColor(), 0xC000u);

    CColorDialog plain(0x123456);
    fake.ExpectColorDialog(IDCANCEL);
    plain.DoModal();
    EXPECT_EQ(LastCall().dwFlags, DWORD(CC_RGBINIT)) << "the dialog always starts at the colour given";
}

TEST_F(CommonDialogs, FontDialogAnswersSizeInTenthsWeightEffectsAndColour)
{
    CFontDialog dialog(nullptr, CF_SCREENFONTS | CF_EFFECTS);
    LOGFONTA answer = {};
    answer.lfWeight = FW_BOLD;
    answer.lfItalic = TRUE;
    ::lstrcpynA(answer.lfFaceName, "Liberation Serif", LF_FACESIZE);
    fake.ExpectFontDialog(IDOK, answer, 120, RGB(255, 0, 0));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(LastCall().dwFlags, DWORD(CF_SCREENFONTS | CF_EFFECTS));
    EXPECT_EQ(dialog.GetSize(), 120);
    EXPECT_EQ(dialog.GetWeight(), 700);
    EXPECT_TRUE(dialog.IsItalic());
    EXPECT_FALSE(dialog.IsUnderline());
    EXPECT_FALSE(dialog.IsStrikeOut());
    EXPECT_EQ(dialog.GetColor(), 0x0000FFu);
    EXPECT_STREQ(dialog.GetFaceName(), "Liberation Serif");

    LOGFONTA start = {};
    ::lstrcpynA(start.lfFaceName, "Liberation Mono", LF_FACESIZE);
    CFontDialog fromFont(&start, CF_SCREENFONTS | CF_EFFECTS);
    fake.ExpectFontDialog(IDCANCEL);
    EXPECT_EQ(fromFont.DoModal(), IDCANCEL);
    EXPECT_EQ(LastCall().text, "Liberation Mono");
    EXPECT_TRUE(LastCall().dwFlags & CF_INITTOLOGFONTSTRUCT);
}

TEST_F(CommonDialogs, PrintSetupReplacesTheApplicationsPrinter)
{
    const FakePrinter laser = {"Office Laser", 2480, 3508, 300, 300};
    fake.ExpectPrintDialog(IDOK, &laser);
    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_PRINT_SETUP, CN_COMMAND, nullptr, nullptr));
    const auto dialogs = fake.CallsOf("PrintDlg");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_TRUE(dialogs[0].dwFlags & PD_RETURNDEFAULT) << "the default printer was asked first (there is none)";
    const DWORD setupFlags = PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
    EXPECT_EQ(dialogs[1].dwFlags & setupFlags, setupFlags);
    EXPECT_EQ(DeviceNameOf(app.m_hDevNames), "Office Laser");
    EXPECT_NE(app.m_hDevMode, nullptr);

    // the printer's DC is the printer-like DC, also when a screen DC measures on it
    CPrintDialog print(FALSE);
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&print.m_pd));
    const HDC hDC = print.CreatePrinterDC();
    ASSERT_NE(hDC, nullptr);
    ASSERT_EQ(fake.PrinterDCs().size(), 1u);
    CDC* pPrinter = CDC::FromHandle(hDC);
    EXPECT_EQ(pPrinter, fake.PrinterDCs()[0].get());
    EXPECT_TRUE(pPrinter->IsPrinting());
    EXPECT_EQ(pPrinter->GetDeviceCaps(LOGPIXELSX), 300);
    EXPECT_EQ(pPrinter->GetDeviceCaps(HORZRES), 2480);
    CWindowDC screen(nullptr);
    screen.SetAttribDC(hDC);
    EXPECT_EQ(screen.GetDeviceCaps(LOGPIXELSY), 300) << "the screen DC measures on the printer";
    screen.SetAttribDC(screen.m_hDC);
    // the printing loop's calls reach the printer-like DC through any CDC pointer to it
    EXPECT_GT(pPrinter->StartDoc("Ranking"), 0);
    pPrinter->StartPage();
    pPrinter->FillSolidRect(CRect(10, 10, 20, 20), RGB(0, 0, 255));
    pPrinter->EndPage();
    pPrinter->EndDoc();
    EXPECT_EQ(fake.PrinterDCs()[0]->DocCalls(), (std::vector<std::string>{"StartDoc Ranking", "StartPage", "EndPage", "EndDoc"}));
    EXPECT_EQ(fake.PrinterDCs()[0]->PixelAt(15, 15), RGB(0, 0, 255)) << "drawn on the page";

    // cancelling the set-up keeps the printer
    const HGLOBAL hDevNamesBefore = app.m_hDevNames;
    fake.ExpectPrintDialog(IDCANCEL);
    app.OnCmdMsg(ID_FILE_PRINT_SETUP, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(fake.CallsOf("PrintDlg").back().text, "Office Laser") << "the dialog started on the printer";
    EXPECT_EQ(app.m_hDevNames, hDevNamesBefore);
    print.m_pd.hDevMode = print.m_pd.hDevNames = nullptr; // the application's
}

TEST_F(CommonDialogs, DefaultsWithoutAPrinterChangeNothing)
{
    CPrintDialog dialog(TRUE);
    EXPECT_FALSE(dialog.GetDefaults());
    EXPECT_EQ(dialog.m_pd.hDevMode, nullptr);
    EXPECT_EQ(dialog.m_pd.hDevNames, nullptr);
    PRINTDLGA pd = {};
    EXPECT_FALSE(app.GetPrinterDeviceDefaults(&pd));
    EXPECT_EQ(app.m_hDevNames, nullptr);
    EXPECT_EQ(dialog.CreatePrinterDC(), nullptr) << "no printer, no DC";

    const FakePrinter printer;
    fake.SetDefaultPrinter(&printer);
    ASSERT_TRUE(dialog.GetDefaults());
    EXPECT_EQ(std::string(dialog.GetDeviceName()), printer.name);
    ExpectInvalidArg([&] { dialog.GetDefaults(); }, "already holds a printer");
    ::GlobalFree(dialog.m_pd.hDevMode);
    ::GlobalFree(dialog.m_pd.hDevNames);
}

// ---- find and replace ---------------------------------------------------------------------------------

const UINT g_nFindMessage = ::RegisterWindowMessageA(FINDMSGSTRINGA);

class CFindOwner : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    struct Report {
        CFindReplaceDialog* pNotifier;
        BOOL bFindNext;
        BOOL bReplaceAll;
        BOOL bTerminating;
        BOOL bDown;
        std::string find;
        std::string replace;
    };
    std::vector<Report> reports;

protected:
    afx_msg LRESULT OnFindReplace(WPARAM, LPARAM lParam)
    {
        CFindReplaceDialog* pDialog = CFindReplaceDialog::GetNotifier(lParam);
        reports.push_back({pDialog, pDialog->FindNext(), pDialog->ReplaceAll(), pDialog->IsTerminating(),
                           pDialog->SearchDown(), pDialog->GetFindString().GetString(),
                           pDialog->GetReplaceString().GetString()});
        return 0;
    }
};

BEGIN_MESSAGE_MAP(CFindOwner, CWnd)
    ON_REGISTERED_MESSAGE(g_nFindMessage, OnFindReplace)
END_MESSAGE_MAP()

class CNotedFindDialog : public CFindReplaceDialog {
public:
    explicit CNotedFindDialog(bool& rbDeleted) : m_rbDeleted(rbDeleted) {}
    ~CNotedFindDialog() override { m_rbDeleted = true; }

private:
    bool& m_rbDeleted;
};

TEST_F(CommonDialogs, FindDialogReportsToItsOwnerAndDeletesItselfWhenClosed)
{
    CFindOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "grid", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    bool bDeleted = false;
    CNotedFindDialog* pDialog = new CNotedFindDialog(bDeleted);
    ASSERT_TRUE(pDialog->Create(FALSE, "price", "cost", FR_HIDEWHOLEWORD | FR_DOWN, &owner));
    EXPECT_EQ(LastCall().kind, "ReplaceText");
    EXPECT_EQ(LastCall().dwFlags, DWORD(FR_HIDEWHOLEWORD | FR_DOWN));
    EXPECT_EQ(LastCall().text, "price");
    EXPECT_EQ(LastCall().caption, "cost");
    EXPECT_EQ(LastCall().hWnd, owner.m_hWnd);

    fake.DeliverFindReplace(FR_FINDNEXT | FR_DOWN, "pri");
    fake.DeliverFindReplace(FR_REPLACEALL, nullptr, "value");
    ASSERT_EQ(owner.reports.size(), 2u);
    EXPECT_EQ(owner.reports[0].pNotifier, pDialog);
    EXPECT_TRUE(owner.reports[0].bFindNext);
    EXPECT_TRUE(owner.reports[0].bDown);
    EXPECT_EQ(owner.reports[0].find, "pri");
    EXPECT_FALSE(owner.reports[1].bFindNext);
    EXPECT_TRUE(owner.reports[1].bReplaceAll);
    EXPECT_FALSE(owner.reports[1].bDown);
    EXPECT_EQ(owner.reports[1].replace, "value");
    EXPECT_FALSE(bDeleted);

    fake.DeliverFindReplace(FR_DIALOGTERM);
    ASSERT_EQ(owner.reports.size(), 3u);
    EXPECT_TRUE(owner.reports[2].bTerminating);
    EXPECT_TRUE(bDeleted) << "the dialog went with its window";
    owner.DestroyWindow();
}

TEST_F(CommonDialogs, FindDialogWithoutAnOwnerWindowIsNotShown)
{
    CFindReplaceDialog dialog;
    EXPECT_FALSE(dialog.Create(TRUE, "x"));
    EXPECT_TRUE(fake.CallsOf("FindText").empty());
}

// ---- host paths ---------------------------------------------------------------------------------------

TEST(HostPath, PathOnThePrefixDriveIsTheHostFileOfThatDrive)
{
    const char* pszWindowsPath = "C:\\ondrix_host_path_test.txt";
    const HANDLE hFile = ::CreateFileA(pszWindowsPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    DWORD dwWritten = 0;
    ::WriteFile(hFile, "written by Win32", 16, &dwWritten, nullptr);
    ::CloseHandle(hFile);

    CString hostPath;
    ASSERT_TRUE(AfxGetHostPath(pszWindowsPath, hostPath));
    const char* pszPrefix = getenv("WINEPREFIX");
    if (pszPrefix != nullptr) {
        EXPECT_EQ(std::string(hostPath).rfind(pszPrefix, 0), 0u) << hostPath.GetString();
    }
    // the core's file class reads the same file by the host path
    CFile file(hostPath, CFile::modeRead);
    char text[32] = {};
    EXPECT_EQ(file.Read(text, sizeof text), 16u);
    EXPECT_STREQ(text, "written by Win32");
    file.Close();
    ::DeleteFileA(pszWindowsPath);

    EXPECT_TRUE(AfxGetHostPath("C:\\not yet written.txt", hostPath)) << "a file to be saved";
}

TEST(HostPath, PathThatMapsNowhereIsRefused)
{
    const char* refused[] = {nullptr, "", "Q:\\on a drive the prefix lacks.txt", "C:\\no such folder\\x.txt"};
    for (const char* pszPath : refused) {
        CString hostPath = "stale";
        EXPECT_FALSE(AfxGetHostPath(pszPath, hostPath)) << (pszPath != nullptr ? pszPath : "(null)");
        EXPECT_TRUE(hostPath.IsEmpty());
    }
}

} // namespace
