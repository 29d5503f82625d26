// the standard headers before windows.h, which defines min and max as macros
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "AppTestSupport.h"

#include "app/ZQSplashWnd.h"
#include "win/AfxRes.h"
#include "win/CPreviewView.h"
#include "frames/SECMDIFrameWnd.h"

namespace {

std::string AppKeyPath()
{
    return std::string("Software\\Havrel\\") + AfxGetApp()->m_pszAppName;
}

HKEY OpenSettings(REGSAM access)
{
    HKEY hKey = nullptr;
    const std::string path = AppKeyPath() + "\\Settings";
    if (access == KEY_READ)
        ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &hKey);
    else
        ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr, &hKey, nullptr);
    return hKey;
}

} // namespace

void RemoveAppSettings()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Havrel", 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
        CWinApp::DelRegTree(hKey, AfxGetApp()->m_pszAppName);
        ::RegCloseKey(hKey);
    }
}

void WriteSettingInt(const char* name, int value)
{
    HKEY hKey = OpenSettings(KEY_WRITE);
    ASSERT_NE(hKey, nullptr);
    const DWORD dw = DWORD(value);
    ::RegSetValueExA(hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dw), sizeof dw);
    ::RegCloseKey(hKey);
}

void WriteSettingString(const char* name, const char* value)
{
    HKEY hKey = OpenSettings(KEY_WRITE);
    ASSERT_NE(hKey, nullptr);
    ::RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), DWORD(strlen(value) + 1));
    ::RegCloseKey(hKey);
}

std::vector<std::string> SettingNames()
{
    std::vector<std::string> names;
    HKEY hKey = OpenSettings(KEY_READ);
    if (hKey == nullptr)
        return names;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD cch = sizeof name;
        if (::RegEnumValueA(hKey, i, name, &cch, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.push_back(name);
    }
    ::RegCloseKey(hKey);
    return names;
}

int SettingInt(const char* name, int nMissing)
{
    HKEY hKey = OpenSettings(KEY_READ);
    if (hKey == nullptr)
        return nMissing;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG rc = ::RegQueryValueExA(hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS && type == REG_DWORD ? int(value) : nMissing;
}

std::string SettingString(const char* name)
{
    HKEY hKey = OpenSettings(KEY_READ);
    if (hKey == nullptr)
        return "<missing>";
    DWORD type = 0;
    char value[256] = {};
    DWORD size = sizeof value - 1;
    const LONG rc = ::RegQueryValueExA(hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(value) : "<missing>";
}

void BeginAppTest()
{
    RemoveAppSettings();
    CZQSplashWnd::EnableSplashScreen(FALSE);
}

void EndAppTest(CWinApp& app)
{
    if (app.m_pMainWnd != nullptr && app.m_pMainWnd->m_hWnd != nullptr)
        app.m_pMainWnd->DestroyWindow();
    app.m_pMainWnd = nullptr;
    PumpWaitingMessages();
    RemoveAppSettings();
    CZQSplashWnd::EnableSplashScreen(TRUE);
}

void AnswerGridInput(CFakeServices& fake)
{
    fake.SetTickCount(0);
    for (int nKey : {VK_CONTROL, VK_SHIFT, VK_MENU})
        fake.SetKeyState(nKey, 0);
}

void PrintDirectAndPreview(CFakeServices& fake, CWnd* pMainWnd, CWnd* pView, const FakePrinter& printer)
{
    const size_t nJobs = fake.PrinterDCs().size();
    fake.ExpectPrintDialog(IDOK, &printer);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    fake.SetDefaultPrinter(&printer);
    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(fake.PrinterDCs().size(), nJobs + 2);
    for (size_t i = nJobs; i < nJobs + 2; ++i)
        EXPECT_EQ(fake.PrinterDCs()[i]->DocCalls(),
                  (std::vector<std::string>{fake.PrinterDCs()[i]->DocCalls().front(), "StartPage", "EndPage", "EndDoc"}));

    pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    auto* pMain = dynamic_cast<CFrameWnd*>(pMainWnd);
    ASSERT_NE(pMain, nullptr);
    EXPECT_NE(dynamic_cast<CPreviewView*>(pMain->GetActiveView()), nullptr);
    pMain->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(dynamic_cast<CPreviewView*>(pMain->GetActiveView()), nullptr);
    EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

void StartedAppFixture::SetUp()
{
    AppFixture::SetUp();
    app.m_lpCmdLine = commandLine;
    app.m_nCmdShow = SW_SHOWNOACTIVATE;
    ASSERT_TRUE(app.InitInstance());
}

void StartedAppFixture::TearDown()
{
    if (app.m_pMainWnd != nullptr)
        app.m_pMainWnd->SendMessage(WM_CLOSE);
    AppFixture::TearDown();
}

AppFolder::AppFolder()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "ondrix_app_" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

AppFolder::~AppFolder()
{
    WIN32_FIND_DATAA found;
    const HANDLE hFind = ::FindFirstFileA(Path("*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA(Path(found.cFileName).c_str());
        } while (::FindNextFileA(hFind, &found));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(m_path.c_str());
}

void AppFolder::Copy(const std::string& relative, const std::string& name) const
{
    const char* root = std::getenv("ONDRIX_TEST_DATA");
    ASSERT_NE(root, nullptr) << "ONDRIX_TEST_DATA is not set";
    std::ifstream in(std::string(root) + "/" + relative, std::ios::binary);
    ASSERT_TRUE(in.good()) << relative;
    CString host;
    ASSERT_TRUE(AfxGetHostPath(Path(name).c_str(), host));
    std::ofstream(host.GetString(), std::ios::binary) << in.rdbuf();
}

std::string AppFolder::Read(const std::string& name) const
{
    CString host;
    if (!AfxGetHostPath(Path(name).c_str(), host))
        return "<none>";
    std::ifstream in(host.GetString(), std::ios::binary);
    if (!in.good())
        return "<none>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Str(const CString& text)
{
    return std::string(text.GetString(), size_t(text.GetLength()));
}

std::string TableTexts(const ZQTable& table)
{
    std::string texts;
    for (size_t r = 0; r < table.size(); ++r) {
        for (size_t c = 0; c < table[r].size(); ++c)
            texts += (c > 0 ? "|" : r > 0 ? "/" : "") + Str(table[r][c]);
    }
    return texts;
}

std::ostream& operator<<(std::ostream& out, const ItemState& state)
{
    return out << (state.enabled ? "enabled" : "grey") << (state.checked ? ", checked" : "");
}

HMENU MainMenu(CWnd* pMainWnd)
{
    // the menu bar shows the workbook's menus: its window has none
    if (const SECMDIFrameWnd* pFrame = dynamic_cast<const SECMDIFrameWnd*>(pMainWnd))
        return pFrame->GetShownMenu();
    return ::GetMenu(pMainWnd->m_hWnd);
}

ItemState MainMenuState(CWnd* pMainWnd, UINT nID)
{
    const HMENU hMenu = MainMenu(pMainWnd);
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        const HMENU hPopup = ::GetSubMenu(hMenu, i);
        if (::GetMenuState(hPopup, nID, MF_BYCOMMAND) == UINT(-1))
            continue;
        pMainWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(i, FALSE));
        const UINT state = ::GetMenuState(hPopup, nID, MF_BYCOMMAND);
        return {(state & (MF_GRAYED | MF_DISABLED)) == 0, (state & MF_CHECKED) != 0};
    }
    ADD_FAILURE() << "no menu item " << nID;
    return {false, false};
}

CRect WindowRect(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, rect);
    return rect;
}

CRect WorkArea()
{
    CRect rect;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, static_cast<RECT*>(rect), 0);
    return rect;
}

int ListNeededWidth(HWND hWndList, const std::vector<std::string>& texts)
{
    // a report list of three columns in the list's font, texts in the middle one (which is not the
    // last: the last would be stretched to the list's width)
    const HWND hProbe = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 600, 200,
                                          ::GetParent(hWndList), nullptr, nullptr, nullptr);
    if (hProbe == nullptr || texts.empty()) {
        ADD_FAILURE() << "no list to measure in";
        return 0;
    }
    ::SendMessageA(hProbe, WM_SETFONT, ::SendMessageA(hWndList, WM_GETFONT, 0, 0), FALSE);
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 10;
        column.pszText = const_cast<LPSTR>(i == 1 ? texts[0].c_str() : "");
        ::SendMessageA(hProbe, LVM_INSERTCOLUMNA, WPARAM(i), reinterpret_cast<LPARAM>(&column));
    }
    for (size_t k = 1; k < texts.size(); ++k) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = int(k);
        item.pszText = const_cast<LPSTR>("");
        const int nItem = int(::SendMessageA(hProbe, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        item.iItem = nItem;
        item.iSubItem = 1;
        item.pszText = const_cast<LPSTR>(texts[k].c_str());
        ::SendMessageA(hProbe, LVM_SETITEMTEXTA, WPARAM(nItem), reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageA(hProbe, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    const int cx = int(::SendMessageA(hProbe, LVM_GETCOLUMNWIDTH, 1, 0));
    ::DestroyWindow(hProbe);
    return cx;
}
