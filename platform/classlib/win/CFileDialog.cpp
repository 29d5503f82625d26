#include "win/CFileDialog.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/HostPath.h"
#include "win/WinServices.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

// The program's 8-bit text of nBytes bytes (NULs included) in the ANSI code page, as wide characters.
std::vector<WCHAR> WideOfText(const char* pText, int nBytes)
{
    std::vector<WCHAR> wide;
    if (nBytes <= 0)
        return wide;
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, pText, nBytes, nullptr, 0);
    wide.resize(size_t(nWide > 0 ? nWide : 0));
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, pText, nBytes, wide.data(), nWide);
    return wide;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName()
{
    if (!AfxPathToWide(lpszFileName != nullptr ? lpszFileName : "", m_initialName))
        AfxThrowInvalidArgFormat("CFileDialog: the initial name \"%s\" is not UTF-8 path text", lpszFileName);
    if (m_initialName.size() > sizeof m_szFileName / sizeof m_szFileName[0])
        AfxThrowInvalidArgFormat("CFileDialog: the initial name \"%s\" is longer than %d characters", lpszFileName,
                                 int(sizeof m_szFileName / sizeof m_szFileName[0]) - 1);
    if (lpszDefExt != nullptr) {
        const char* pszExt = lpszDefExt[0] == '.' ? lpszDefExt + 1 : lpszDefExt;
        m_defExt = WideOfText(pszExt, int(strlen(pszExt)) + 1);
    }
    if (lpszFilter != nullptr) {
        std::vector<char> filter;
        for (const char* p = lpszFilter; *p != '\0'; ++p)
            filter.push_back(*p == '|' ? '\0' : *p);
        // the list ends with an empty name
        while (filter.size() < 2 || filter[filter.size() - 1] != '\0' || filter[filter.size() - 2] != '\0')
            filter.push_back('\0');
        m_filter = WideOfText(filter.data(), int(filter.size()));
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.data();
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.data();
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName / sizeof m_szFileName[0];
    memcpy(m_szFileName, m_initialName.data(), m_initialName.size() * sizeof(WCHAR));
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::Refuse(UINT nIDPrompt, LPCSTR lpsz1)
{
    memcpy(m_szFileName, m_initialName.data(), m_initialName.size() * sizeof(WCHAR));
    LPCSTR rglpsz[] = {lpsz1};
    CString text;
    AfxFormatStrings(text, AfxLoadLibraryString(nIDPrompt), rglpsz, 1);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    return IDCANCEL;
}

INT_PTR CFileDialog::DoModal()
{
    const int nMaxFile = int(sizeof m_szFileName / sizeof m_szFileName[0]);
    m_ofn.hwndOwner = GetOwnerHandle();
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = DWORD(nMaxFile);
    CWinServices* pServices = AfxGetServices();
    if (pServices->GetFileName(&m_ofn, m_bOpenFileDialog)) {
        // a name that UTF-8 cannot hold would be read or written under another one
        CString strPath;
        if (!AfxPathFromWide(m_szFileName, strPath))
            return Refuse(AFX_IDP_PATH_NOT_HELD, nullptr);
        return IDOK;
    }
    if (pServices->CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        // the buffer now holds the size the path needs: the name field starts over with the initial name
        CString strMax;
        strMax.Format("%d", nMaxFile - 1);
        return Refuse(AFX_IDP_PATH_TOO_LONG, strMax);
    }
    return IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    CString strPath;
    AfxPathFromWide(m_szFileName, strPath);
    return strPath;
}

CString CFileDialog::GetFileExt() const
{
    // the extension of the last part of the path only: a folder's dot is no extension
    const CString strPath = GetPathName();
    const char* pszPath = strPath.GetString();
    const char* pszName = pszPath;
    for (const char* p = pszPath; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            pszName = p + 1;
    const char* pszDot = strrchr(pszName, '.');
    return pszDot != nullptr ? CString(pszDot + 1) : CString();
}
