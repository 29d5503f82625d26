#include "win/HostPath.h"

#include <cstring>

BOOL AfxPathToWide(LPCSTR lpszPath, std::vector<WCHAR>& rWide)
{
    rWide.clear();
    if (lpszPath == nullptr)
        return FALSE;
    if (*lpszPath == '\0') {
        rWide.push_back(0);
        return TRUE;
    }
    const int nWide = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, lpszPath, -1, nullptr, 0);
    if (nWide <= 0)
        return FALSE;
    rWide.resize(size_t(nWide));
    if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, lpszPath, -1, rWide.data(), nWide) != nWide) {
        rWide.clear();
        return FALSE;
    }
    return TRUE;
}

BOOL AfxPathFromWide(LPCWSTR lpszWide, CString& rPath)
{
    rPath.Empty();
    if (lpszWide == nullptr)
        return FALSE;
    if (*lpszWide == 0)
        return TRUE;
    const int nBytes = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lpszWide, -1, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return FALSE;
    std::vector<char> bytes(static_cast<size_t>(nBytes));
    if (::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lpszWide, -1, bytes.data(), nBytes, nullptr, nullptr) !=
        nBytes)
        return FALSE;
    rPath = bytes.data();
    return TRUE;
}

CString AfxPathForDisplay(LPCSTR lpszPath)
{
    std::vector<WCHAR> wide;
    if (!AfxPathToWide(lpszPath, wide))
        return lpszPath != nullptr ? CString(lpszPath) : CString();
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return CString();
    std::vector<char> bytes(static_cast<size_t>(nBytes));
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, bytes.data(), nBytes, nullptr, nullptr);
    return bytes.data();
}

CString AfxPathFromCodePage(LPCSTR lpszAnsi)
{
    if (lpszAnsi == nullptr || *lpszAnsi == '\0')
        return CString();
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpszAnsi, -1, nullptr, 0);
    if (nWide <= 0)
        return CString();
    std::vector<WCHAR> wide(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(CP_ACP, 0, lpszAnsi, -1, wide.data(), nWide);
    CString path;
    AfxPathFromWide(wide.data(), path);
    return path;
}

BOOL AfxPathToCodePage(LPCSTR lpszPath, CString& rAnsi)
{
    rAnsi.Empty();
    std::vector<WCHAR> wide;
    if (!AfxPathToWide(lpszPath, wide))
        return FALSE;
    if (wide[0] == 0)
        return TRUE;
    BOOL bLost = FALSE;
    const int nBytes =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), -1, nullptr, 0, nullptr, &bLost);
    if (nBytes <= 0 || bLost)
        return FALSE;
    std::vector<char> bytes(static_cast<size_t>(nBytes));
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), -1, bytes.data(), nBytes, nullptr, &bLost);
    if (bLost)
        return FALSE;
    // a letter that maps to a pair of bytes and back to another letter is lost too
    std::vector<WCHAR> back(wide.size() + 1, 0);
    if (::MultiByteToWideChar(CP_ACP, 0, bytes.data(), -1, back.data(), int(back.size())) != int(wide.size()) ||
        memcmp(back.data(), wide.data(), wide.size() * sizeof(WCHAR)) != 0)
        return FALSE;
    rAnsi = bytes.data();
    return TRUE;
}

BOOL AfxSetWindowPathText(HWND hWnd, LPCSTR lpszText)
{
    std::vector<WCHAR> wide;
    if (!::IsWindow(hWnd) || !AfxPathToWide(lpszText, wide))
        return FALSE;
    // the window procedure is an ANSI one: a WM_SETTEXT sent to it would reach it in the code page,
    // so the system's own handling keeps the caption in Unicode
    return ::DefWindowProcW(hWnd, WM_SETTEXT, 0, LPARAM(wide.data())) != 0;
}

BOOL AfxGetHostPath(LPCSTR lpszPath, CString& rHostPath)
{
    rHostPath.Empty();
    std::vector<WCHAR> wide;
    if (lpszPath == nullptr || *lpszPath == '\0' || !AfxPathToWide(lpszPath, wide))
        return FALSE;

    // the folder must exist on the Windows side: Wine converts a drive it does not have as well
    size_t nAfterSlash = 0;
    for (size_t i = 0; wide[i] != 0; ++i)
        if (wide[i] == L'\\' || wide[i] == L'/')
            nAfterSlash = i + 1;
    if (nAfterSlash > 0) {
        std::vector<WCHAR> folder(wide.begin(), wide.begin() + std::ptrdiff_t(nAfterSlash));
        folder.push_back(0);
        const DWORD dwAttributes = ::GetFileAttributesW(folder.data());
        if (dwAttributes == INVALID_FILE_ATTRIBUTES || !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return FALSE;
    }

    char* pszHost = wine_get_unix_file_name(wide.data());
    if (pszHost == nullptr)
        return FALSE;
    rHostPath = pszHost;
    ::HeapFree(::GetProcessHeap(), 0, pszHost);
    return TRUE;
}
