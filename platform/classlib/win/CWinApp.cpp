#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "win/CWinApp.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CDocManager.h"
#include "win/CFrameWnd.h"
#include "win/CGdiObject.h"
#include "win/CImageList.h"
#include "win/CMenu.h"
#include "win/HostPath.h"
#include "win/CWnd.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = nullptr;

// The arguments of the process's command line: what follows the program's name, as path text (UTF-8,
// see HostPath.h), so that a file named there keeps the letters the code page lacks.
// FALSE (and empty) when the command line has no UTF-8 form.
bool ArgumentsOfCommandLine(CString& rArguments)
{
    rArguments.Empty();
    CString line;
    if (!AfxPathFromWide(::GetCommandLineW(), line))
        return false;
    const char* p = line.GetString();
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    rArguments = p;
    return true;
}

// The executable's file name without folder and extension.
CString ExecutableName()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    CString name = path;
    const int nSep = name.ReverseFind('\\');
    if (nSep >= 0)
        name = name.Mid(nSep + 1);
    const int nDot = name.ReverseFind('.');
    if (nDot > 0)
        name = name.Left(nDot);
    return name;
}

// An INI file keeps binary values as text: each byte as two letters 'A' + nibble.
CString EncodeBinary(const BYTE* pData, UINT nBytes)
{
    CString text;
    for (UINT i = 0; i < nBytes; ++i) {
        text += char('A' + (pData[i] >> 4));
        text += char('A' + (pData[i] & 0x0F));
    }
    return text;
}

bool DecodeBinary(const CString& text, std::vector<BYTE>& data)
{
    if (text.GetLength() % 2 != 0)
        return false;
    data.clear();
    for (int i = 0; i < text.GetLength(); i += 2) {
        const int hi = text[i] - 'A';
        const int lo = text[i + 1] - 'A';
        if (hi < 0 || hi > 15 || lo < 0 || lo > 15)
            return false;
        data.push_back(BYTE(hi << 4 | lo));
    }
    return true;
}

// Sets value lpszEntry of hKey to nBytes of pData, of type dwType, and closes the key. FALSE for a
// null key or when the registry refuses.
BOOL SetValueAndClose(HKEY hKey, LPCSTR lpszEntry, DWORD dwType, const void* pData, DWORD nBytes)
{
    if (hKey == nullptr)
        return FALSE;
    const LONG lResult = ::RegSetValueExA(hKey, lpszEntry, 0, dwType, static_cast<const BYTE*>(pData), nBytes);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

// Reads value lpszEntry of hKey into data when its type is one of types, and closes the key. FALSE
// for a null key, a missing value, another type or a failed read.
bool QueryValueAndClose(HKEY hKey, LPCSTR lpszEntry, std::initializer_list<DWORD> types, std::vector<BYTE>& data)
{
    if (hKey == nullptr)
        return false;
    DWORD dwType = 0;
    DWORD dwSize = 0;
    LONG lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize);
    const bool bTypeWanted = std::find(types.begin(), types.end(), dwType) != types.end();
    if (lResult == ERROR_SUCCESS && bTypeWanted) {
        data.assign(dwSize, 0);
        lResult = ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, data.data(), &dwSize);
        data.resize(dwSize);
    }
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS && bTypeWanted;
}

// Whether msg is Alt+F4 pressed in a tree view (as the keyboard sends it: a system key with Alt held).
bool IsAltF4InTreeView(const MSG& msg)
{
    if (!AfxIsAltF4(&msg))
        return false;
    char szClass[32] = {};
    return ::GetClassNameA(msg.hwnd, szClass, sizeof szClass) != 0 && ::lstrcmpiA(szClass, WC_TREEVIEWA) == 0;
}

} // namespace

// ---- CWinThread ---------------------------------------------------------------------------------------

CWinThread::CWinThread() : m_pMainWnd(nullptr), m_msgCur()
{
}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance()
{
    return TRUE;
}

int CWinThread::ExitInstance()
{
    return int(m_msgCur.wParam);
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CWinThread::PreTranslateMessage", "pMsg");
    if (pMsg->hwnd == nullptr)
        return FALSE; // thread messages: none handled here
    if (pMsg->wParam == 'A' && CFrameWnd::IsEditControlKey(pMsg)) {
        ::SendMessageA(pMsg->hwnd, EM_SETSEL, 0, -1);
        return TRUE;
    }
    if (pMsg->wParam == VK_BACK && CFrameWnd::IsEditControlKey(pMsg)) {
        ::SendMessageA(pMsg->hwnd, EM_UNDO, 0, 0);
        return TRUE;
    }
    if (IsAltF4InTreeView(*pMsg)) {
        // what the system's default does with the key, which Wine's tree view keeps from it
        ::PostMessageA(::GetAncestor(pMsg->hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    }
    if (pMsg->message == WM_MOUSEWHEEL)
        AimWheelAtPointer(pMsg);
    CWnd* pMainWnd = GetMainWnd();
    const HWND hWndMain = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    bool bReachesMain = false;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr && !bReachesMain; hWnd = ::GetParent(hWnd))
        bReachesMain = hWnd == hWndMain;
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // a message for a window the walk does not lead to the main window from (a window of its own):
    // the main window still gets to translate it (its accelerators)
    if (hWndMain != nullptr && !bReachesMain)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

void CWinThread::AimWheelAtPointer(MSG* pMsg)
{
    // a window that holds the mouse (a drag) keeps the wheel
    if (::GetCapture() != nullptr)
        return;
    const POINT pt = {short(LOWORD(pMsg->lParam)), short(HIWORD(pMsg->lParam))};
    const HWND hUnder = ::WindowFromPoint(pt);
    if (hUnder != nullptr && hUnder != pMsg->hwnd && ::GetWindowThreadProcessId(hUnder, nullptr) == ::GetCurrentThreadId())
        pMsg->hwnd = hUnder;
}

BOOL CWinThread::PumpMessage()
{
    const BOOL bGot = ::GetMessageA(&m_msgCur, nullptr, 0, 0);
    if (bGot == 0 || bGot == -1)
        return FALSE;
    const BOOL bUsed = AfxCallProtected(FALSE, [this] { return PreTranslateMessage(&m_msgCur); });
    if (!bUsed) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        const bool bRepeat = pMsg->message == m_threadState.nLastMessage && pMsg->pt.x == m_threadState.ptLastMouse.x &&
                             pMsg->pt.y == m_threadState.ptLastMouse.y;
        m_threadState.ptLastMouse = pMsg->pt;
        m_threadState.nLastMessage = pMsg->message;
        return bRepeat ? FALSE : TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* the system timer (caret blinking) */;
}

namespace {

struct IdleTargets {
    HWND hWndMain;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectOwnedWindows(HWND hWnd, LPARAM lParam)
{
    IdleTargets* pTargets = reinterpret_cast<IdleTargets*>(lParam);
    if (hWnd != pTargets->hWndMain && ::GetWindow(hWnd, GW_OWNER) == pTargets->hWndMain && ::IsWindowVisible(hWnd))
        pTargets->windows.push_back(hWnd);
    return TRUE;
}

void SendIdleUpdate(HWND hWnd)
{
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        AfxCallWndProc(pWnd, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    if (::IsWindow(hWnd))
        CWnd::SendMessageToDescendants(hWnd, WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

} // namespace

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMainWnd = GetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr) {
            IdleTargets targets = {pMainWnd->m_hWnd, {}};
            ::EnumThreadWindows(::GetCurrentThreadId(), &CollectOwnedWindows, reinterpret_cast<LPARAM>(&targets));
            SendIdleUpdate(pMainWnd->m_hWnd);
            for (HWND hWnd : targets.windows)
                if (::IsWindow(hWnd))
                    SendIdleUpdate(hWnd);
        }
        return TRUE;
    }
    if (lCount == 1) {
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CMenu::DeleteTempMap();
        CImageList::DeleteTempMap();
    }
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            const LONG lCount = lIdleCount++;
            if (!AfxCallProtected(FALSE, [this, lCount] { return OnIdle(lCount); }))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

// ---- CWinApp --------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(nullptr), m_pszExeName(nullptr), m_pszRegistryKey(nullptr), m_pszProfileName(nullptr),
      m_hInstance(::GetModuleHandleA(nullptr)), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_nWaitCursorCount(0), m_pRecentFileList(nullptr), m_pDocManager(nullptr), m_hDevMode(nullptr),
      m_hDevNames(nullptr)
{
    if (g_pApp != nullptr)
        AfxThrowInvalidArgFormat("CWinApp: an application object (%s) already exists", g_pApp->m_pszAppName);
    g_pApp = this;

    m_appState.strExeName = ExecutableName();
    if (lpszAppName != nullptr && *lpszAppName != '\0')
        m_appState.strAppName = lpszAppName;
    else if (!AfxLoadString(AFX_IDS_APP_TITLE, m_appState.strAppName))
        m_appState.strAppName = m_appState.strExeName;
    m_appState.strProfileName = m_appState.strAppName + ".INI";
    ArgumentsOfCommandLine(m_appState.strCmdLine);
    m_pszAppName = m_appState.strAppName;
    m_pszExeName = m_appState.strExeName;
    m_pszProfileName = m_appState.strProfileName;
    m_lpCmdLine = const_cast<LPSTR>(m_appState.strCmdLine.GetString());
}

CWinApp::~CWinApp()
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    delete m_pDocManager;
    m_pDocManager = nullptr;
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

LPCSTR AfxGetAppName()
{
    return g_pApp != nullptr ? g_pApp->m_pszAppName : "";
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->GetMainWnd() : nullptr;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

// ---- settings -------------------------------------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    if (lpszRegistryKey == nullptr || *lpszRegistryKey == '\0')
        AfxThrowInvalidArgException("CWinApp::SetRegistryKey: the key name is empty");
    m_appState.strRegistryKey = lpszRegistryKey;
    m_appState.strProfileName = m_appState.strAppName;
    m_pszRegistryKey = m_appState.strRegistryKey;
    m_pszProfileName = m_appState.strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    if (!AfxLoadString(nIDRegistryKey, key))
        AfxThrowInvalidArgFormat("CWinApp::SetRegistryKey: no string %u", nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr)
        return nullptr;
    CString path;
    path.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                          &hKey, &dwDisposition) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    AfxRequirePointer(lpszSection, "CWinApp::GetSectionKey", "lpszSection");
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dwDisposition = 0;
    if (::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                          &hSectionKey, &dwDisposition) != ERROR_SUCCESS)
        hSectionKey = nullptr;
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    AfxRequirePointer(lpszSection, "CWinApp::GetProfileInt", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::GetProfileInt", "lpszEntry");
    if (m_pszRegistryKey == nullptr) {
        // read as text: GetPrivateProfileInt would turn a negative value into 0
        const CString text = GetProfileString(lpszSection, lpszEntry);
        const char* p = text.GetString();
        while (*p == ' ' || *p == '\t')
            ++p;
        char* end = nullptr;
        const long value = strtol(p, &end, 10);
        if (end == p || value < INT_MIN || value > INT_MAX)
            return UINT(nDefault);
        return UINT(int(value));
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return UINT(nDefault);
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwSize = sizeof dwValue;
    const LONG lResult =
        ::RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwSize);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS || dwType != REG_DWORD || dwSize != sizeof dwValue)
        return UINT(nDefault);
    return UINT(dwValue);
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    AfxRequirePointer(lpszSection, "CWinApp::WriteProfileInt", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::WriteProfileInt", "lpszEntry");
    if (m_pszRegistryKey == nullptr) {
        CString text;
        text.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    const DWORD dwValue = DWORD(nValue);
    return SetValueAndClose(GetSectionKey(lpszSection), lpszEntry, REG_DWORD, &dwValue, sizeof dwValue);
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    AfxRequirePointer(lpszSection, "CWinApp::GetProfileString", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::GetProfileString", "lpszEntry");
    const CString strDefault = lpszDefault != nullptr ? lpszDefault : "";
    if (m_pszRegistryKey == nullptr) {
        std::vector<char> buffer(4096);
        for (;;) {
            const DWORD n = ::GetPrivateProfileStringA(lpszSection, lpszEntry, strDefault, buffer.data(),
                                                       DWORD(buffer.size()), m_pszProfileName);
            if (n < buffer.size() - 1)
                return CString(buffer.data(), int(n));
            buffer.resize(buffer.size() * 2);
        }
    }
    std::vector<BYTE> data;
    if (!QueryValueAndClose(GetSectionKey(lpszSection), lpszEntry, {REG_SZ, REG_EXPAND_SZ}, data))
        return strDefault;
    data.push_back(0);
    return CString(reinterpret_cast<const char*>(data.data())); // up to the terminating 0
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    AfxRequirePointer(lpszSection, "CWinApp::WriteProfileString", "lpszSection");
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == nullptr) {
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == nullptr)
            return FALSE;
        const BOOL bDeleted = DelRegTree(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return bDeleted;
    }
    if (lpszValue != nullptr)
        return SetValueAndClose(GetSectionKey(lpszSection), lpszEntry, REG_SZ, lpszValue, DWORD(strlen(lpszValue) + 1));
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    const LONG lResult = ::RegDeleteValueA(hKey, lpszEntry);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
}

namespace {

// The wide text of the program's 8-bit text lpszText (a section or entry name).
std::vector<WCHAR> WideOfName(LPCSTR lpszText)
{
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, nullptr, 0);
    std::vector<WCHAR> wide(size_t(nWide > 0 ? nWide : 1), 0);
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, wide.data(), nWide);
    return wide;
}

} // namespace

CString CWinApp::GetProfilePath(LPCSTR lpszSection, LPCSTR lpszEntry)
{
    AfxRequirePointer(lpszSection, "CWinApp::GetProfilePath", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::GetProfilePath", "lpszEntry");
    const std::vector<WCHAR> entry = WideOfName(lpszEntry);
    std::vector<WCHAR> text(4096, 0);
    if (m_pszRegistryKey == nullptr) {
        const std::vector<WCHAR> section = WideOfName(lpszSection);
        const std::vector<WCHAR> file = WideOfName(m_pszProfileName);
        for (;;) {
            const DWORD n = ::GetPrivateProfileStringW(section.data(), entry.data(), L"", text.data(),
                                                       DWORD(text.size()), file.data());
            if (n < text.size() - 1)
                break;
            text.assign(text.size() * 2, 0);
        }
    } else {
        HKEY hKey = GetSectionKey(lpszSection);
        if (hKey == nullptr)
            return CString();
        DWORD dwType = 0;
        DWORD dwSize = 0;
        LONG lResult = ::RegQueryValueExW(hKey, entry.data(), nullptr, &dwType, nullptr, &dwSize);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ)) {
            text.assign(dwSize / sizeof(WCHAR) + 1, 0);
            lResult = ::RegQueryValueExW(hKey, entry.data(), nullptr, &dwType, reinterpret_cast<BYTE*>(text.data()),
                                         &dwSize);
        }
        ::RegCloseKey(hKey);
        if (lResult != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
            return CString();
    }
    CString path;
    AfxPathFromWide(text.data(), path); // a value with no UTF-8 form counts as missing
    return path;
}

BOOL CWinApp::WriteProfilePath(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszPath)
{
    AfxRequirePointer(lpszSection, "CWinApp::WriteProfilePath", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::WriteProfilePath", "lpszEntry");
    std::vector<WCHAR> path;
    if (!AfxPathToWide(lpszPath, path))
        return FALSE;
    const std::vector<WCHAR> entry = WideOfName(lpszEntry);
    if (m_pszRegistryKey == nullptr) {
        const std::vector<WCHAR> section = WideOfName(lpszSection);
        const std::vector<WCHAR> file = WideOfName(m_pszProfileName);
        return ::WritePrivateProfileStringW(section.data(), entry.data(), path.data(), file.data());
    }
    HKEY hKey = GetSectionKey(lpszSection);
    if (hKey == nullptr)
        return FALSE;
    const LONG lResult = ::RegSetValueExW(hKey, entry.data(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.data()),
                                          DWORD(path.size() * sizeof(WCHAR)));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    AfxRequirePointer(lpszSection, "CWinApp::GetProfileBinary", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::GetProfileBinary", "lpszEntry");
    AfxRequirePointer(ppData, "CWinApp::GetProfileBinary", "ppData");
    AfxRequirePointer(pBytes, "CWinApp::GetProfileBinary", "pBytes");
    *ppData = nullptr;
    *pBytes = 0;
    std::vector<BYTE> data;
    if (m_pszRegistryKey == nullptr) {
        const CString text = GetProfileString(lpszSection, lpszEntry);
        if (text.IsEmpty() || !DecodeBinary(text, data))
            return FALSE;
    } else if (!QueryValueAndClose(GetSectionKey(lpszSection), lpszEntry, {REG_BINARY}, data)) {
        return FALSE;
    }
    *ppData = new BYTE[data.empty() ? 1 : data.size()];
    if (!data.empty())
        memcpy(*ppData, data.data(), data.size());
    *pBytes = UINT(data.size());
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    AfxRequirePointer(lpszSection, "CWinApp::WriteProfileBinary", "lpszSection");
    AfxRequirePointer(lpszEntry, "CWinApp::WriteProfileBinary", "lpszEntry");
    if (nBytes > 0)
        AfxRequirePointer(pData, "CWinApp::WriteProfileBinary", "pData");
    if (m_pszRegistryKey == nullptr)
        return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes));
    const BYTE empty = 0;
    return SetValueAndClose(GetSectionKey(lpszSection), lpszEntry, REG_BINARY, nBytes > 0 ? pData : &empty, nBytes);
}

BOOL CWinApp::DelRegTree(HKEY hParentKey, LPCSTR lpszKeyName)
{
    AfxRequirePointer(lpszKeyName, "CWinApp::DelRegTree", "lpszKeyName");
    HKEY hKey = nullptr;
    LONG lResult = ::RegOpenKeyExA(hParentKey, lpszKeyName, 0, KEY_READ | KEY_WRITE, &hKey);
    if (lResult == ERROR_FILE_NOT_FOUND)
        return TRUE; // nothing to delete
    if (lResult != ERROR_SUCCESS)
        return FALSE;
    // delete the sub-keys first, always the first one left, since the indices shift
    for (;;) {
        char name[256];
        DWORD dwLength = sizeof name;
        if (::RegEnumKeyExA(hKey, 0, name, &dwLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (!DelRegTree(hKey, name))
            break;
    }
    ::RegCloseKey(hKey);
    return ::RegDeleteKeyA(hParentKey, lpszKeyName) == ERROR_SUCCESS;
}

// ---- recent files ---------------------------------------------------------------------------------------

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU > 16)
        AfxThrowInvalidArgFormat("CWinApp::LoadStdProfileSettings: %u recent files, at most 16", nMaxMRU);
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d", int(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

// ---- documents ---------------------------------------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    AfxRequirePointer(pTemplate, "CWinApp::AddDocTemplate", "pTemplate");
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPos) const
{
    AfxRequirePointer(m_pDocManager, "CWinApp::GetNextDocTemplate", "the document manager (no template added)");
    return m_pDocManager->GetNextDocTemplate(rPos);
}

int CWinApp::GetOpenDocumentCount() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::SaveAllModified()
{
    return TRUE;
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    const int nIndex = int(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetCount())
        return FALSE;
    const CString path = (*m_pRecentFileList)[nIndex];
    if (OpenDocumentFile(path) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::OnAppExit()
{
    CWnd* pMainWnd = GetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
        pMainWnd->SendMessage(WM_CLOSE);
    else
        ::PostQuitMessage(0);
}

// ---- command line ----------------------------------------------------------------------------------------

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    CStringArray args;
    CCommandLineInfo::SplitCommandLine(m_lpCmdLine, args);
    for (int i = 0; i < args.GetSize(); ++i) {
        const CString& arg = args[i];
        const BOOL bLast = i == args.GetSize() - 1;
        if (arg.GetLength() > 1 && (arg[0] == '/' || arg[0] == '-'))
            rCmdInfo.ParseParam(arg.Mid(1), TRUE, bLast);
        else
            rCmdInfo.ParseParam(arg, FALSE, bLast);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr);
        return TRUE;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

// ---- wait cursor -----------------------------------------------------------------------------------------

void CWinApp::DoWaitCursor(int nCode)
{
    const HCURSOR hcurWait = ::LoadCursorA(nullptr, IDC_WAIT);
    if (nCode > 0) {
        const HCURSOR hcurPrevious = ::SetCursor(hcurWait);
        if (m_nWaitCursorCount++ == 0)
            m_appState.hcurWaitRestore = hcurPrevious;
    } else if (nCode < 0) {
        if (m_nWaitCursorCount == 0)
            return;
        if (--m_nWaitCursorCount == 0) {
            ::SetCursor(m_appState.hcurWaitRestore);
            m_appState.hcurWaitRestore = nullptr;
        }
    } else if (m_nWaitCursorCount > 0) {
        ::SetCursor(hcurWait);
    }
}

CWaitCursor::CWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}

// ---- entry ---------------------------------------------------------------------------------------------------

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    if (hInstance != nullptr)
        pApp->m_hInstance = hInstance;
    // the system's Unicode command line holds what lpCmdLine holds, with every letter of a file's name
    CString strArguments;
    if (!ArgumentsOfCommandLine(strArguments) && lpCmdLine != nullptr)
        strArguments = lpCmdLine;
    pApp->m_appState.strCmdLine = strArguments;
    pApp->m_lpCmdLine = const_cast<LPSTR>(pApp->m_appState.strCmdLine.GetString());
    pApp->m_nCmdShow = nCmdShow;
    if (!AfxCallProtected(FALSE, [pApp] { return pApp->InitInstance(); })) {
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return AfxCallProtected(-1, [pApp] { return pApp->ExitInstance(); });
    }
    return pApp->Run();
}
