#include "AppTestSupport.h"

#include "app/ZQSplashWnd.h"

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
