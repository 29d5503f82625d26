// The start-up: the main window of a first run, a stored maximised window, the command line, the
// Polish resources and a main frame that cannot be loaded.
#include "AppTestSupport.h"

#include "app/ZQDockingWndCrit.h"
#include "app/ZQSplashWnd.h"
#include "grid/engine/GXControlFactory.h"
#include "grid/engine/GXState.h"
#include "res/resource.h"

#include <string>
#include <vector>

namespace {

std::string MenuText(HMENU hMenu, UINT nPos)
{
    char text[128] = {};
    ::GetMenuStringA(hMenu, nPos, text, sizeof text, MF_BYPOSITION);
    return text;
}

// A dialog made from template nID over the main window: its caption and the entries of its combo box
// nCombo, joined by '|'.
std::string DialogTexts(UINT nID, int nCombo)
{
    CDialog dialog;
    if (!dialog.Create(nID, AfxGetMainWnd()))
        return "<no dialog>";
    char caption[64] = {};
    ::GetWindowTextA(dialog.m_hWnd, caption, sizeof caption);
    std::string texts = caption;
    const HWND hCombo = ::GetDlgItem(dialog.m_hWnd, nCombo);
    const int count = int(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char item[64] = {};
        ::SendMessageA(hCombo, CB_GETLBTEXT, i, LPARAM(item));
        texts += std::string("|") + item;
    }
    dialog.DestroyWindow();
    return texts;
}

class Startup : public AppFixture {
protected:
    CMDIFrameWnd* MainFrame() { return dynamic_cast<CMDIFrameWnd*>(app.m_pMainWnd); }
    void SetCommandLine(const char* text)
    {
        m_cmdLine = text;
        app.m_lpCmdLine = &m_cmdLine[0];
    }

    std::string m_cmdLine;
};

TEST_F(Startup, AFirstRunOpensTheEmptyMainWindowCentredAndStoresItsPlacement)
{
    SetCommandLine("");
    ASSERT_TRUE(app.InitInstance());
    CMDIFrameWnd* pFrame = MainFrame();
    ASSERT_NE(pFrame, nullptr);
    const HWND hWnd = pFrame->m_hWnd;

    char title[64] = {};
    ::GetWindowTextA(hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Ondrix - [untitled]");
    const CRect rect = WindowRect(hWnd);
    const CRect area = WorkArea();
    EXPECT_EQ(rect, CRect(CPoint((area.left + area.right) / 2 - 400, (area.top + area.bottom) / 2 - 285), CSize(800, 570)));
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_FALSE(::IsZoomed(hWnd));
    EXPECT_EQ(SettingInt("width"), 800);
    EXPECT_EQ(SettingInt("height"), 570);
    EXPECT_EQ(SettingInt("window maximized"), 0);

    const HMENU hMenu = MainMenu(pFrame);
    ASSERT_NE(hMenu, nullptr);
    EXPECT_EQ(DialogTexts(IDD_ZQ_OPTIONS, 0), "Options");
    EXPECT_EQ(DialogTexts(IDD_ZQ_OPTIONS_FILES, IDC_ZQ_OUTPUT_DECIMAL), "Files|.  (dot)|,  (comma)");
    EXPECT_EQ(DialogTexts(IDD_ZQ_CRITERION_GENERAL, IDC_ZQ_SEGMENTS), "General|1|2|3|4|5|6|7|8|9|10");
    const char* const popups[] = {"&File", "&Edit", "&View", "&Calculate", "&Window"};
    ASSERT_EQ(::GetMenuItemCount(hMenu), 5);
    for (UINT i = 0; i < 5; ++i)
        EXPECT_EQ(MenuText(hMenu, i), popups[i]);

    // no document window, and the framework's file-new finds no template to make one
    EXPECT_EQ(pFrame->MDIGetActive(), nullptr);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW);
    PumpWaitingMessages();
    EXPECT_EQ(pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_STREQ(app.m_pszRegistryKey, "Havrel");
}

TEST_F(Startup, AStoredMaximisedWindowOpensMaximised)
{
    app.SetRegistryKey("Havrel");
    WriteSettingInt("horizontal position", 20);
    WriteSettingInt("vertical position", 30);
    WriteSettingInt("width", 500);
    WriteSettingInt("height", 400);
    WriteSettingInt("window maximized", 1);
    SetCommandLine("");
    app.m_nCmdShow = SW_SHOWNORMAL;
    ASSERT_TRUE(app.InitInstance());
    const HWND hWnd = app.m_pMainWnd->m_hWnd;
    EXPECT_TRUE(::IsZoomed(hWnd));
    ::ShowWindow(hWnd, SW_RESTORE);
    EXPECT_EQ(WindowRect(hWnd), CRect(20, 30, 520, 430));
}

TEST_F(Startup, ClosingTheMainWindowWhileMaximisedStoresItsRestoredRectangle)
{
    SetCommandLine("");
    ASSERT_TRUE(app.InitInstance());
    CWnd* pFrame = app.m_pMainWnd;
    pFrame->SetWindowPos(nullptr, 30, 40, 600, 450, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
    pFrame->DestroyWindow();
    PumpWaitingMessages();
    EXPECT_EQ(SettingInt("window maximized"), 1);
    EXPECT_EQ(SettingInt("horizontal position"), 30);
    EXPECT_EQ(SettingInt("vertical position"), 40);
    EXPECT_EQ(SettingInt("width"), 600);
    EXPECT_EQ(SettingInt("height"), 450);
}

TEST_F(Startup, AFileOnTheCommandLineThatCannotBeReadDoesNotEndTheStart)
{
    CFakeServices fake;
    fake.ExpectMessageBox(IDOK, "Can't read file!");
    SetCommandLine("\"C:\\projects\\cars.zex\"");
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_STREQ(app.m_strFilePath, "untitled");
    char title[64] = {};
    ::GetWindowTextA(app.m_pMainWnd->m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "Ondrix - [untitled]");
}

TEST_F(Startup, TheSplashShowsOverTheMainWindowBeingMadeUntilItsTimer)
{
    SetCommandLine("");
    CZQSplashWnd::EnableSplashScreen(TRUE);
    ASSERT_TRUE(app.InitInstance());
    CZQSplashWnd* pSplash = CZQSplashWnd::GetSplashWnd();
    ASSERT_NE(pSplash, nullptr);
    const HWND hSplash = pSplash->m_hWnd;
    EXPECT_EQ(::GetWindow(hSplash, GW_OWNER), app.m_pMainWnd->m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(hSplash));
    pSplash->SendMessage(WM_TIMER, CZQSplashWnd::TIMER_ID);
    EXPECT_FALSE(::IsWindow(hSplash));
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), nullptr);
}

TEST_F(Startup, AnAutomationStartShowsNoSplash)
{
    SetCommandLine("/Automation");
    CZQSplashWnd::EnableSplashScreen(TRUE);
    ASSERT_TRUE(app.InitInstance());
    CZQSplashWnd::ShowSplashScreen(app.m_pMainWnd);
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), nullptr);
}

TEST_F(Startup, LanguageOneTakesMenusAndTextsFromThePolishLibrary)
{
    CFakeServices fake; // nothing may be reported
    app.SetRegistryKey("Havrel");
    WriteSettingInt("language", 1);
    SetCommandLine("");
    ASSERT_TRUE(app.InitInstance());
    ASSERT_NE(AfxGetResourceHandle(), AfxGetInstanceHandle()) << "the library did not load";

    const HMENU hMenu = MainMenu(app.m_pMainWnd);
    EXPECT_EQ(MenuText(hMenu, 0), "&Plik");
    EXPECT_EQ(MenuText(hMenu, 3), "&Obliczenia");
    EXPECT_EQ(MenuText(::GetSubMenu(hMenu, 0), 0), "&Nowy\tCtrl+N");
    // the library's texts are Windows-1250: its Polish letters reach the menu as such
    WCHAR wide[64] = {};
    ::GetMenuStringW(::GetSubMenu(hMenu, 2), 4, wide, 64, MF_BYPOSITION);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(wide)), u"&Zbi\u00F3r referencyjny\tAlt+2");
    EXPECT_EQ(DialogTexts(IDD_ZQ_OPTIONS, 0), "Opcje");
    EXPECT_EQ(DialogTexts(IDD_ZQ_OPTIONS_FILES, IDC_ZQ_OUTPUT_DECIMAL), "Pliki|.  (kropka)|,  (przecinek)");
    EXPECT_STREQ(app.LoadText(ZQText::Gain), "Zysk");
    EXPECT_STREQ(app.LoadText(ZQText::Cost), "Koszt");
    // what the library leaves out comes from the program
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDB_ZQ_SPLASH), (LPCSTR)RT_BITMAP), AfxGetInstanceHandle());
    EXPECT_EQ(SettingInt("language"), 1);
}

TEST_F(Startup, ThePolishCriteriaPaneGivesItsKindsTheWidthOfTheLongestPolishText)
{
    CFakeServices fake;
    app.SetRegistryKey("Havrel");
    WriteSettingInt("language", 1);
    SetCommandLine("");
    ASSERT_TRUE(app.InitInstance());
    CZQDockingWndCrit* pCriteria = app.GetCriteriaPane();
    ASSERT_NE(pCriteria, nullptr);
    CString heading;
    AfxLoadString(IDS_ZQ_TYPE_COLUMN, heading);
    EXPECT_STREQ(heading, "Typ");
    // "Porządkowe", the longest, in the library's code page
    EXPECT_EQ(app.LoadText(ZQText::Ordinal).GetLength(), 10);
    const std::vector<std::string> texts = {Str(heading), Str(app.LoadText(ZQText::Gain)),
                                            Str(app.LoadText(ZQText::Cost)), Str(app.LoadText(ZQText::Ordinal))};
    CListCtrl& list = pCriteria->m_wndList;
    EXPECT_GE(list.GetColumnWidth(1), ListNeededWidth(list.m_hWnd, texts));
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(list.GetColumnWidth(0), client.Width() - list.GetColumnWidth(1));
}

TEST_F(Startup, WithoutThePolishLibraryTheProgramsResourcesStayAndNothingIsReported)
{
    CFakeServices fake;
    const HINSTANCE hBefore = AfxGetResourceHandle();
    EXPECT_FALSE(app.LoadLanguageLibrary("NoSuchTranslation.dll"));
    EXPECT_EQ(AfxGetResourceHandle(), hBefore);
    EXPECT_STREQ(app.LoadText(ZQText::Gain), "Gain");
    EXPECT_STREQ(app.LoadText(ZQText::IncorrectInputData), "Error! Incorrect input data!");
    EXPECT_STREQ(app.LoadText(ZQText::CantWriteFile), "Can't write file!");
}

// An application whose grid library start-up can be asked for again.
class CAppStartingTheGridAgain : public CZQApp {
public:
    using CZQApp::StartGridLibrary;
};

typedef AppFixtureOf<CAppStartingTheGridAgain> GridStartup;

TEST_F(GridStartup, TheGridLibraryStartsOnceWithTheOperationsAndCellControls)
{
    char empty[] = "";
    app.m_lpCmdLine = empty;
    ASSERT_TRUE(app.InitInstance());
    GridLibraryState* pState = GXGetLibraryState();
    EXPECT_TRUE(pState->m_bInitialized);
    const CGXControlFactory* pFactory = GXGetControlFactory();
    ASSERT_NE(pFactory, nullptr);
    // the operations' creators were known when the library installed its modules, and the cell
    // controls came to the factory it made
    EXPECT_NE(pState->m_pSortMoveDataImp, nullptr);
    EXPECT_NE(pFactory->FindControlMaker("CGXEditControl"), nullptr);
    app.StartGridLibrary();
    EXPECT_EQ(GXGetControlFactory(), pFactory) << "started again";
}

// An application whose main frame cannot be loaded.
class CAppWithoutFrame : public CZQApp {
protected:
    CFrameWnd* LoadMainFrame() override { return nullptr; }
};

TEST(StartupFailure, AMainFrameThatFailsToLoadEndsTheStartWithoutAMessage)
{
    CFakeServices fake; // a message box would fail the test
    CAppWithoutFrame app;
    RemoveAppSettings();
    char empty[] = "";
    app.m_lpCmdLine = empty;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    RemoveAppSettings();
}

} // namespace
