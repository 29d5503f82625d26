#include "win/HostPath.h"

#include <vector>

BOOL AfxGetHostPath(LPCSTR lpszPath, CString& rHostPath)
{
    rHostPath.Empty();
    if (lpszPath == nullptr || *lpszPath == '\0')
        return FALSE;

    // the folder must exist on the Windows side: Wine converts a drive it does not have as well
    int nLastSlash = -1;
    for (int i = 0; lpszPath[i] != '\0'; ++i)
        if (lpszPath[i] == '\\' || lpszPath[i] == '/')
            nLastSlash = i;
    if (nLastSlash >= 0) {
        const CString folder = CString(lpszPath).Left(nLastSlash + 1);
        const DWORD dwAttributes = ::GetFileAttributesA(folder);
        if (dwAttributes == INVALID_FILE_ATTRIBUTES || !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return FALSE;
    }

    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, nullptr, 0);
    if (nWide <= 0)
        return FALSE;
    std::vector<WCHAR> wide(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, wide.data(), nWide);
    char* pszHost = wine_get_unix_file_name(wide.data());
    if (pszHost == nullptr)
        return FALSE;
    rHostPath = pszHost;
    ::HeapFree(::GetProcessHeap(), 0, pszHost);
    return TRUE;
}
