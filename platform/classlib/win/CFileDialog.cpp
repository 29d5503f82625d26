#include "win/CFileDialog.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/WinServices.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName()
{
    m_strInitialName = lpszFileName != nullptr ? lpszFileName : "";
    if (m_strInitialName.GetLength() >= int(sizeof m_szFileName))
        AfxThrowInvalidArgFormat("CFileDialog: the initial name \"%s\" is longer than %d characters",
                                 m_strInitialName.GetString(), int(sizeof m_szFileName) - 1);
    if (lpszDefExt != nullptr)
        m_strDefExt = lpszDefExt[0] == '.' ? lpszDefExt + 1 : lpszDefExt;
    if (lpszFilter != nullptr) {
        for (const char* p = lpszFilter; *p != '\0'; ++p)
            m_filter.push_back(*p == '|' ? '\0' : *p);
        // the list ends with an empty name
        while (m_filter.size() < 2 || m_filter[m_filter.size() - 1] != '\0' || m_filter[m_filter.size() - 2] != '\0')
            m_filter.push_back('\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.lpstrDefExt = lpszDefExt != nullptr ? m_strDefExt.GetString() : nullptr;
    m_ofn.lpstrFilter = lpszFilter != nullptr ? m_filter.data() : nullptr;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    memcpy(m_szFileName, m_strInitialName.GetString(), size_t(m_strInitialName.GetLength()) + 1);
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = GetOwnerHandle();
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    CWinServices* pServices = AfxGetServices();
    if (pServices->GetFileName(&m_ofn, m_bOpenFileDialog))
        return IDOK;
    if (pServices->CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        // the buffer now holds the size the path needs: the name field starts over with the initial name
        memcpy(m_szFileName, m_strInitialName.GetString(), size_t(m_strInitialName.GetLength()) + 1);
        CString strMax;
        strMax.Format("%d", int(sizeof m_szFileName) - 1);
        LPCSTR rglpsz[] = {strMax};
        CString text;
        AfxFormatStrings(text, AfxLoadLibraryString(AFX_IDP_PATH_TOO_LONG), rglpsz, 1);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
    return IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_szFileName;
}

CString CFileDialog::GetFileExt() const
{
    // the extension of the last part of the path only: a folder's dot is no extension
    const char* pszName = m_szFileName;
    for (const char* p = m_szFileName; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            pszName = p + 1;
    const char* pszDot = strrchr(pszName, '.');
    return pszDot != nullptr ? CString(pszDot + 1) : CString();
}
