#include "win/CRecentFileList.h"

#include "win/ArgCheck.h"
#include "win/CCmdTarget.h"
#include "win/CMenu.h"
#include "win/CWinApp.h"
#include "win/HostPath.h"

#include <vector>

namespace {

CString FullPath(LPCSTR lpszPathName)
{
    std::vector<WCHAR> wide;
    if (!AfxPathToWide(lpszPathName, wide))
        return lpszPathName;
    WCHAR buffer[MAX_PATH * 2];
    const DWORD n = ::GetFullPathNameW(wide.data(), MAX_PATH * 2, buffer, nullptr);
    CString path;
    if (n == 0 || n >= MAX_PATH * 2 || !AfxPathFromWide(buffer, path))
        return lpszPathName;
    return path;
}

// Whether the path texts are the same path, letters compared without regard to case.
bool SamePath(LPCSTR lpszOne, LPCSTR lpszOther)
{
    std::vector<WCHAR> one, other;
    if (!AfxPathToWide(lpszOne, one) || !AfxPathToWide(lpszOther, other))
        return ::lstrcmpiA(lpszOne, lpszOther) == 0;
    return ::lstrcmpiW(one.data(), other.data()) == 0;
}

// The characters of path text (its bytes that do not continue a letter's UTF-8 form).
int CharCount(const CString& text)
{
    int n = 0;
    for (int i = 0; i < text.GetLength(); ++i)
        n += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return n;
}

// The path cut to nMax characters: its first part (the drive), "...", and as many of its last parts as
// fit; the file name alone when even that does not fit.
CString AbbreviatePath(const CString& path, int nMax)
{
    if (CharCount(path) <= nMax)
        return path;
    CStringArray parts;
    int nStart = 0;
    for (int nSep; (nSep = path.Find('\\', nStart)) >= 0; nStart = nSep + 1)
        parts.Add(path.Mid(nStart, nSep - nStart));
    parts.Add(path.Mid(nStart));
    const int nParts = parts.GetSize();
    if (nParts < 3)
        return parts[nParts - 1];
    const CString head = parts[0] + "\\...\\";
    CString tail = parts[nParts - 1];
    if (CharCount(head) + CharCount(tail) > nMax)
        return tail;
    for (int k = nParts - 2; k >= 1; --k) {
        const CString candidate = parts[k] + "\\" + tail;
        if (CharCount(head) + CharCount(candidate) > nMax)
            break;
        tail = candidate;
    }
    return head + tail;
}

} // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize, int nMaxDispLen)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen)
{
    if (nSize < 1 || nSize > 16)
        AfxThrowInvalidArgFormat("CRecentFileList: size %d is not between 1 and 16", nSize);
    m_arrNames.SetSize(nSize);
}

CRecentFileList::~CRecentFileList() = default;

int CRecentFileList::GetCount() const
{
    int n = 0;
    while (n < GetSize() && !m_arrNames[n].IsEmpty())
        ++n;
    return n;
}

const CString& CRecentFileList::operator[](int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        AfxThrowInvalidArgFormat("CRecentFileList: index %d outside 0..%d", nIndex, GetSize() - 1);
    return m_arrNames[nIndex];
}

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == '\0')
        return;
    const CString path = FullPath(lpszPathName);
    // the place it comes from: its old entry, else the last place
    int nFrom = GetSize() - 1;
    for (int i = 0; i < GetSize(); ++i) {
        if (!m_arrNames[i].IsEmpty() && SamePath(m_arrNames[i], path)) {
            nFrom = i;
            break;
        }
    }
    for (int i = nFrom; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = path;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        AfxThrowInvalidArgFormat("CRecentFileList::Remove: index %d outside 0..%d", nIndex, GetSize() - 1);
    for (int i = nIndex; i < GetSize() - 1; ++i)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[GetSize() - 1].Empty();
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    int nTo = 0;
    for (int i = 0; i < GetSize(); ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        const CString path = pApp->GetProfilePath(m_strSectionName, entry);
        if (!path.IsEmpty())
            m_arrNames[nTo++] = path; // gaps in the stored keys close up
    }
    for (int i = nTo; i < GetSize(); ++i)
        m_arrNames[i].Empty();
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < GetSize() && !m_arrNames[i].IsEmpty(); ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfilePath(m_strSectionName, entry, m_arrNames[i]);
    }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex) const
{
    strName.Empty();
    if (nIndex < 0 || nIndex >= GetSize() || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    strName = AbbreviatePath(m_arrNames[nIndex], m_nMaxDisplayLength);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    AfxRequirePointer(pCmdUI, "CRecentFileList::UpdateMenu", "pCmdUI");
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr)
        return;
    const HMENU hMenu = pMenu->m_hMenu;
    if (m_strOriginal.IsEmpty()) {
        char text[256] = {};
        ::GetMenuStringA(hMenu, pCmdUI->m_nIndex, text, sizeof text, MF_BYPOSITION);
        m_strOriginal = text;
    }
    // take the entries shown before out (the first one stays as the anchor)
    for (int i = 1; i < 16; ++i)
        ::DeleteMenu(hMenu, m_nStart + UINT(i), MF_BYCOMMAND);

    const int nCount = GetCount();
    if (nCount == 0) {
        pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    const UINT nPosition = pCmdUI->m_nIndex;
    for (int i = 0; i < nCount; ++i) {
        CString name;
        GetDisplayName(name, i);
        name.Replace("&", "&&");
        CString text;
        text.Format("&%d %s", (i + 1) % 10, name.GetString());
        // the menu keeps the name in Unicode, every letter of it
        std::vector<WCHAR> wide;
        if (!AfxPathToWide(text, wide))
            wide = std::vector<WCHAR>{L'?', 0};
        if (i == 0) {
            ::ModifyMenuW(hMenu, nPosition, MF_BYPOSITION | MF_STRING, m_nStart, wide.data());
        } else {
            ::InsertMenuW(hMenu, nPosition + UINT(i), MF_BYPOSITION | MF_STRING, m_nStart + UINT(i), wide.data());
        }
    }
    ::EnableMenuItem(hMenu, nPosition, MF_BYPOSITION | MF_ENABLED);
    // the caller's walk goes on after the entries
    pCmdUI->m_nIndex += UINT(nCount - 1);
    pCmdUI->m_nIndexMax += UINT(nCount - 1);
    pCmdUI->m_bEnableChanged = TRUE;
}
