// The application object: settings in the registry (and an INI file), the resource handle, recent
// files, the command line, the wait cursor and the application's name.
#include "FakeServices.h"

#include "win_test_resources.h"

#include <string>
#include <vector>

namespace {

// ---- settings -----------------------------------------------------------------------------------------

const char* const kTestApp = "OndrixProfileTest";

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveTestKey();
        app.SetRegistryKey("Havrel");
    }
    void TearDown() override { RemoveTestKey(); }

    static void RemoveTestKey()
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Havrel", 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
            CWinApp::DelRegTree(hKey, kTestApp);
            ::RegCloseKey(hKey);
        }
    }

    // The raw value under HKCU\Software\Havrel\<app>\<section>: its type and bytes; type 0 when missing.
    static DWORD RawValue(const char* pszSection, const char* pszEntry, std::vector<BYTE>& data)
    {
        const std::string path = std::string("Software\\Havrel\\") + kTestApp + "\\" + pszSection;
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return 0;
        DWORD dwType = 0;
        DWORD dwSize = 256;
        data.assign(dwSize, 0);
        if (::RegQueryValueExA(hKey, pszEntry, nullptr, &dwType, data.data(), &dwSize) != ERROR_SUCCESS)
            dwType = 0;
        data.resize(dwSize);
        ::RegCloseKey(hKey);
        return dwType;
    }

    CWinApp app{kTestApp};
};

TEST_F(Profile, ValuesRoundTripThroughTheRegistryAtTheApplicationsPath)
{
    ASSERT_TRUE(app.WriteProfileInt("Settings", "width", 800));
    ASSERT_TRUE(app.WriteProfileInt("Settings", "horizontal position", -5));
    ASSERT_TRUE(app.WriteProfileString("Settings", "input csv decimal symbol", ",;"));
    BYTE bytes[] = {0, 1, 0x7F, 0xFF};
    ASSERT_TRUE(app.WriteProfileBinary("Bars", "layout", bytes, sizeof bytes));

    EXPECT_EQ(app.GetProfileInt("Settings", "width", -1), 800u);
    EXPECT_EQ(int(app.GetProfileInt("Settings", "horizontal position", 0)), -5);
    EXPECT_STREQ(app.GetProfileString("Settings", "input csv decimal symbol"), ",;");
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Bars", "layout", &pData, &nBytes));
    EXPECT_EQ(std::vector<BYTE>(pData, pData + nBytes), std::vector<BYTE>(bytes, bytes + sizeof bytes));
    delete[] pData;

    std::vector<BYTE> raw;
    ASSERT_EQ(RawValue("Settings", "width", raw), DWORD(REG_DWORD));
    EXPECT_EQ(raw, (std::vector<BYTE>{0x20, 0x03, 0, 0}));
    ASSERT_EQ(RawValue("Settings", "input csv decimal symbol", raw), DWORD(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<const char*>(raw.data()), ",;");
    EXPECT_EQ(RawValue("Bars", "layout", raw), DWORD(REG_BINARY));
}

TEST_F(Profile, MissingValuesGiveTheDefaults)
{
    EXPECT_EQ(int(app.GetProfileInt("Settings", "width", -1)), -1);
    EXPECT_STREQ(app.GetProfileString("Settings", "name", "untitled"), "untitled");
    EXPECT_STREQ(app.GetProfileString("Settings", "name"), "");
    LPBYTE pData = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 1;
    EXPECT_FALSE(app.GetProfileBinary("Settings", "layout", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(nBytes, 0u);
    // a value of another type is not an integer
    app.WriteProfileString("Settings", "height", "570");
    EXPECT_EQ(int(app.GetProfileInt("Settings", "height", -1)), -1);
}

TEST_F(Profile, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    app.WriteProfileString("Settings", "a", "1");
    app.WriteProfileString("Settings", "b", "2");
    app.WriteProfileInt("Settings\\Nested", "c", 3);
    EXPECT_TRUE(app.WriteProfileString("Settings", "a", nullptr));
    EXPECT_STREQ(app.GetProfileString("Settings", "a", "gone"), "gone");
    EXPECT_STREQ(app.GetProfileString("Settings", "b"), "2");
    EXPECT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    std::vector<BYTE> raw;
    EXPECT_EQ(RawValue("Settings", "b", raw), 0u);
    EXPECT_EQ(RawValue("Settings\\Nested", "c", raw), 0u);
}

TEST(ProfileWithoutRegistryKey, ValuesGoToTheIniFile)
{
    CWinApp app("OndrixIniTest");
    EXPECT_STREQ(app.m_pszProfileName, "OndrixIniTest.INI");
    ASSERT_TRUE(app.WriteProfileInt("Grid", "rows", 12));
    ASSERT_TRUE(app.WriteProfileString("Grid", "font", "Arial,10"));
    BYTE bytes[] = {0xAB, 0x01};
    ASSERT_TRUE(app.WriteProfileBinary("Grid", "blob", bytes, sizeof bytes));
    EXPECT_EQ(app.GetProfileInt("Grid", "rows", 0), 12u);
    EXPECT_STREQ(app.GetProfileString("Grid", "font"), "Arial,10");
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Grid", "blob", &pData, &nBytes));
    EXPECT_EQ(std::vector<BYTE>(pData, pData + nBytes), (std::vector<BYTE>{0xAB, 0x01}));
    delete[] pData;
    EXPECT_EQ(int(app.GetProfileInt("Grid", "missing", -3)), -3);
    app.WriteProfileInt("Grid", "negative", -7);
    EXPECT_EQ(int(app.GetProfileInt("Grid", "negative", 0)), -7);
    app.WriteProfileString("Grid", "word", "wide");
    EXPECT_EQ(int(app.GetProfileInt("Grid", "word", -3)), -3) << "not a number";
    app.WriteProfileString("Grid", nullptr, nullptr);
    EXPECT_EQ(app.GetProfileInt("Grid", "rows", 0), 0u);
}

// ---- resource handle -----------------------------------------------------------------------------------

class ResourceHandleSwitch : public ::testing::Test {
protected:
    void SetUp() override
    {
        // built beside this program, found there by its plain name
        m_hLibrary = ::LoadLibraryA("win_test_library.dll");
        ASSERT_NE(m_hLibrary, nullptr) << "the resource library did not load";
    }
    void TearDown() override
    {
        AfxSetResourceHandle(nullptr);
        ::FreeLibrary(m_hLibrary);
    }

    static std::string Text(UINT nID)
    {
        CString text;
        AfxLoadString(nID, text);
        return text.GetString();
    }

    CWinApp app{"Ondrix"};
    HINSTANCE m_hLibrary = nullptr;
};

TEST_F(ResourceHandleSwitch, StringsComeFromTheLibraryWhileItIsCurrentAndFromTheProgramAfter)
{
    EXPECT_EQ(Text(IDS_LIBRARY_ONLY), "");
    AfxSetResourceHandle(m_hLibrary);
    EXPECT_EQ(AfxGetResourceHandle(), m_hLibrary);
    EXPECT_EQ(Text(IDS_LIBRARY_ONLY), "text only the library has");
    EXPECT_EQ(Text(IDS_IN_BOTH), "library's text of a string both have");
    EXPECT_EQ(Text(IDS_PROGRAM_ONLY), "program's own text") << "a partial library falls back to the program";

    AfxSetResourceHandle(AfxGetInstanceHandle());
    EXPECT_EQ(Text(IDS_IN_BOTH), "program's text of a string both have");
    CString missing = "left over";
    EXPECT_FALSE(AfxLoadString(IDS_LIBRARY_ONLY, missing));
    EXPECT_STREQ(missing, "");
}

TEST_F(ResourceHandleSwitch, LoadingIntoABufferCutsTheText)
{
    char buffer[8];
    EXPECT_EQ(AfxLoadString(IDS_PROGRAM_ONLY, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "program");
    EXPECT_EQ(AfxLoadString(9999, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    try {
        AfxLoadString(IDS_PROGRAM_ONLY, buffer, 0);
        ADD_FAILURE() << "a buffer of 0 bytes was accepted";
    } catch (CInvalidArgException* e) {
        EXPECT_NE(e->m_strDetail.Find("2001"), -1) << e->m_strDetail.GetString();
        e->Delete();
    }
}

TEST(StringHelpers, PlaceholdersAndSubStrings)
{
    CWinApp app("Ondrix");
    CString text;
    AfxFormatString2(text, IDS_RANGE_FORMAT, "1", "10");
    EXPECT_STREQ(text, "From 1 to 10, 1 again; 100%");
    LPCSTR one[] = {"x"};
    AfxFormatStrings(text, "%1-%2-%%", one, 1);
    EXPECT_STREQ(text, "x--%%") << "a missing string leaves nothing";

    struct Case {
        const char* full;
        int index;
        BOOL found;
        const char* part;
    };
    const Case cases[] = {
        {"Prompt\nTip", 0, TRUE, "Prompt"}, {"Prompt\nTip", 1, TRUE, "Tip"}, {"Prompt\nTip", 2, FALSE, ""},
        {"Prompt", 1, FALSE, ""},           {"\nTip", 0, TRUE, ""},          {"a\n\nc", 2, TRUE, "c"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfxExtractSubString(text, c.full, c.index), c.found) << c.full << " " << c.index;
        EXPECT_STREQ(text, c.part);
    }
}

// ---- recent files -----------------------------------------------------------------------------------------

class RecentFiles : public Profile {
protected:
    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        for (int i = 0; i < app.m_pRecentFileList->GetCount(); ++i)
            entries.push_back((*app.m_pRecentFileList)[i].GetString());
        return entries;
    }
};

TEST_F(RecentFiles, NewestFirstWithoutCaseDuplicatesAndKeptInTheProfile)
{
    app.LoadStdProfileSettings(3);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    EXPECT_EQ(app.m_pRecentFileList->GetSize(), 3);
    for (const char* path : {"C:\\a\\one.zex", "C:\\b\\two.zex", "c:\\A\\ONE.ZEX", "C:\\c\\three.csv", "C:\\d\\four.zek"})
        app.AddToRecentFileList(path);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\d\\four.zek", "C:\\c\\three.csv", "c:\\A\\ONE.ZEX"}));

    app.SaveStdProfileSettings();
    std::vector<BYTE> raw;
    ASSERT_EQ(RawValue("Recent File List", "File1", raw), DWORD(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<const char*>(raw.data()), "C:\\d\\four.zek");
    app.LoadStdProfileSettings(3);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\d\\four.zek", "C:\\c\\three.csv", "c:\\A\\ONE.ZEX"}));
}

TEST_F(RecentFiles, TheMenuShowsTheEntriesInPlaceOfItsItem)
{
    app.LoadStdProfileSettings(4);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_FILE_OPEN, "&Open...");
    menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");

    auto update = [&]() {
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndex = 1;
        state.m_nIndexMax = UINT(menu.GetMenuItemCount());
        state.m_nID = ID_FILE_MRU_FILE1;
        state.DoUpdate(&app, TRUE);
        return state.m_nIndex;
    };
    EXPECT_EQ(update(), 1u);
    CString text;
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Recent File");
    EXPECT_NE(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED, 0u) << "an empty list is disabled";

    app.AddToRecentFileList("C:\\x.zex");
    app.AddToRecentFileList("C:\\Documents\\Decisions\\Very long folder name\\project.zex");
    EXPECT_EQ(update(), 2u) << "the walk goes on after the entries";
    ASSERT_EQ(menu.GetMenuItemCount(), 5);
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&1 C:\\...\\project.zex");
    EXPECT_EQ(menu.GetMenuItemID(1), UINT(ID_FILE_MRU_FILE1));
    menu.GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&2 C:\\x.zex");
    EXPECT_EQ(menu.GetMenuItemID(2), UINT(ID_FILE_MRU_FILE1 + 1));
    EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(RecentFiles, NamesKeepEveryLetterInTheProfileAndTheMenu)
{
    const char* const pszPolish = "C:\\ondrix\\Łódź żółw ęą.zex";
    app.LoadStdProfileSettings(4);
    app.AddToRecentFileList(pszPolish);
    app.AddToRecentFileList("C:\\ONDRIX\\ŁÓDŹ ŻÓŁW ĘĄ.ZEX"); // the same file, its letters compared without case
    EXPECT_EQ(Entries(), std::vector<std::string>{"C:\\ONDRIX\\ŁÓDŹ ŻÓŁW ĘĄ.ZEX"});
    app.AddToRecentFileList(pszPolish);
    app.SaveStdProfileSettings();

    // the registry keeps the name in Unicode, every letter of it
    const std::string key = std::string("Software\\Havrel\\") + kTestApp + "\\Recent File List";
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &hKey), ERROR_SUCCESS);
    WCHAR stored[MAX_PATH] = {};
    DWORD dwSize = sizeof stored;
    ASSERT_EQ(::RegQueryValueExW(hKey, L"File1", nullptr, nullptr, reinterpret_cast<BYTE*>(stored), &dwSize),
              ERROR_SUCCESS);
    char utf8[MAX_PATH * 4] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, stored, -1, utf8, sizeof utf8, nullptr, nullptr);
    EXPECT_STREQ(utf8, pszPolish);
    // a value stored as a string of the code page ("café" in Windows-1252 and -1250 alike) reads as that name
    const char szCodePage[] = "C:\\r\\caf\xE9.zex";
    ::RegSetValueExA(hKey, "File2", 0, REG_SZ, reinterpret_cast<const BYTE*>(szCodePage), sizeof szCodePage);
    ::RegCloseKey(hKey);
    app.LoadStdProfileSettings(4);
    EXPECT_EQ(Entries(), (std::vector<std::string>{pszPolish, "C:\\r\\café.zex"}));

    // the menu shows the name whole, counting letters, not bytes
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndex = 0;
    state.m_nIndexMax = UINT(menu.GetMenuItemCount());
    state.m_nID = ID_FILE_MRU_FILE1;
    state.DoUpdate(&app, TRUE);
    WCHAR item[MAX_PATH] = {};
    ::GetMenuStringW(menu.m_hMenu, 0, item, MAX_PATH, MF_BYPOSITION);
    ::WideCharToMultiByte(CP_UTF8, 0, item, -1, utf8, sizeof utf8, nullptr, nullptr);
    EXPECT_STREQ(utf8, "&1 C:\\ondrix\\Łódź żółw ęą.zex");
}

TEST_F(RecentFiles, AnEntryThatCannotBeOpenedLeavesTheList)
{
    app.LoadStdProfileSettings(4);
    app.AddToRecentFileList("C:\\gone.zex");
    app.AddToRecentFileList("C:\\kept.zex");
    // the application opens nothing here: entry 2 fails and goes
    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_MRU_FILE1 + 1, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(Entries(), std::vector<std::string>{"C:\\kept.zex"});
    EXPECT_FALSE(app.OnCmdMsg(ID_FILE_MRU_FILE1 + 3, CN_COMMAND, nullptr, nullptr)) << "no such entry";
}

// ---- command line ----------------------------------------------------------------------------------------

TEST(CommandLine, ArgumentsSplitByTheWindowsRules)
{
    struct Case {
        const char* line;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"", {}},
        {"  a  b ", {"a", "b"}},
        {"\"a b\" c", {"a b", "c"}},
        {"C:\\dir\\file.zex", {"C:\\dir\\file.zex"}},
        {"\"a\\\"b\"", {"a\"b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"\"\"", {""}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
    };
    for (const Case& c : cases) {
        CStringArray args;
        CCommandLineInfo::SplitCommandLine(c.line, args);
        std::vector<std::string> got;
        for (int i = 0; i < args.GetSize(); ++i)
            got.push_back(args[i].GetString());
        EXPECT_EQ(got, c.args) << c.line;
    }
}

class CFileNewApp : public CWinApp {
public:
    CFileNewApp() : CWinApp("Ondrix") {}
    int fileNews = 0;

protected:
    void OnFileNew() { ++fileNews; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFileNewApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

TEST(CommandLine, ParsedIntoTheShellCommand)
{
    struct Case {
        const char* line;
        int nCommand;
        const char* file;
        BOOL bSplash;
    };
    const Case cases[] = {
        {"", CCommandLineInfo::FileNew, "", TRUE},
        {"project.zex", CCommandLineInfo::FileOpen, "project.zex", TRUE},
        {"/Embedding", CCommandLineInfo::FileNew, "", FALSE},
        {"-automation \"my project.zex\"", CCommandLineInfo::FileOpen, "my project.zex", FALSE},
        {"/unknown first.zex second.zex", CCommandLineInfo::FileOpen, "first.zex", TRUE},
    };
    CFileNewApp app;
    for (const Case& c : cases) {
        app.m_lpCmdLine = const_cast<LPSTR>(c.line);
        CCommandLineInfo info;
        app.ParseCommandLine(info);
        EXPECT_EQ(info.m_nShellCommand, c.nCommand) << c.line;
        EXPECT_STREQ(info.m_strFileName, c.file) << c.line;
        EXPECT_EQ(info.m_bShowSplash, c.bSplash) << c.line;
    }

    CCommandLineInfo newInfo;
    EXPECT_TRUE(app.ProcessShellCommand(newInfo));
    EXPECT_EQ(app.fileNews, 1) << "file-new is the application's ID_FILE_NEW";
    CCommandLineInfo openInfo;
    openInfo.ParseParam("project.zex", FALSE, TRUE);
    EXPECT_FALSE(app.ProcessShellCommand(openInfo)) << "no document could be opened";
}

// ---- wait cursor, name, message boxes --------------------------------------------------------------------

TEST(WaitCursor, NestsAndRestoresTheCursorAfterTheLastEnd)
{
    CWinApp app("Ondrix");
    const HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hWait = ::LoadCursorA(nullptr, IDC_WAIT);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(::GetCursor(), hWait);
        {
            CWaitCursor inner;
            EXPECT_EQ(app.m_nWaitCursorCount, 2);
        }
        EXPECT_EQ(::GetCursor(), hWait) << "still inside the outer one";
        ::SetCursor(hArrow);
        outer.Restore();
        EXPECT_EQ(::GetCursor(), hWait);
        // a window asked for its cursor keeps the wait cursor
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "busy", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
        ::SetCursor(hArrow);
        EXPECT_EQ(wnd.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(::GetCursor(), hWait);
    }
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
    EXPECT_EQ(::GetCursor(), hArrow);
    app.EndWaitCursor();
    EXPECT_EQ(app.m_nWaitCursorCount, 0) << "an end without a begin does nothing";
}

TEST(ApplicationObject, NameCaptionsMessageBoxesAndOnlyOneLives)
{
    CWinApp app;
    EXPECT_STREQ(app.m_pszAppName, "classlib_win_app_tests") << "the executable's name without a title string";
    EXPECT_STREQ(app.m_pszExeName, "classlib_win_app_tests");
    EXPECT_EQ(AfxGetApp(), &app);

    CFakeServices fake;
    fake.ExpectMessageBox(IDYES, "program's own text");
    EXPECT_EQ(AfxMessageBox(IDS_PROGRAM_ONLY, MB_YESNO), IDYES);
    const auto boxes = fake.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "classlib_win_app_tests");
    EXPECT_EQ(boxes[0].nType, UINT(MB_YESNO));

    try {
        CWinApp second("second");
        ADD_FAILURE() << "a second application object was accepted";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_EQ(AfxGetApp(), &app);
}

} // namespace
