// CRecentFileList: the most recently used files, newest first, kept in the application's profile and
// shown in a menu in place of the item with the list's first command id.
//
// Paths are path text (UTF-8, see HostPath.h): the profile and the menu keep them in Unicode, so a
// name keeps the letters the code page lacks; a value stored as a string of the code page reads as
// the same name. Paths are made full (GetFullPathName) and compared without regard to case: adding a path that is
// already there moves it to the top. The list holds at most GetSize() paths; the oldest drops out.
// Stored in the profile section given at construction with keys made from the entry format
// ("File%d", numbered from 1); writing replaces the whole section.
//
// In a menu the entries appear as "&1 name", "&2 name", ... with command ids m_nStart, m_nStart + 1,
// ...; a name longer than the display length keeps its root and its last parts with "..." between.
// An empty list shows the menu item's original text, disabled.
#pragma once

#include "core/Core.h"

#include <windows.h>

class CCmdUI;

class CRecentFileList {
public:
    // nStart: command id of the first entry; lpszSection, lpszEntryFormat: where it is stored
    // ("Recent File List", "File%d"); nSize: number of entries (1..16, else CInvalidArgException);
    // nMaxDispLen: longest name shown in the menu.
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize, int nMaxDispLen = 30);
    virtual ~CRecentFileList();
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    // The number of places (not the number of paths held).
    int GetSize() const { return m_arrNames.GetSize(); }
    // The number of paths held (the first empty place ends them).
    int GetCount() const;
    // The path at nIndex (0 newest; empty past the paths). nIndex outside 0..GetSize()-1 refused
    // with CInvalidArgException.
    const CString& operator[](int nIndex) const;

    // Puts the path at the top (see the top of this file). Empty or null paths are ignored.
    virtual void Add(LPCSTR lpszPathName);
    // Removes the entry at nIndex; the later ones move up. nIndex outside the places refused.
    virtual void Remove(int nIndex);
    // Reads the list from the application's profile (no application: nothing).
    virtual void ReadList();
    // Writes the list to the application's profile (no application: nothing).
    virtual void WriteList();
    // Shows the list in pCmdUI's menu at pCmdUI's item (see the top of this file).
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    // The menu name of entry nIndex in strName. FALSE for an empty place.
    virtual BOOL GetDisplayName(CString& strName, int nIndex) const;

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // the menu item's text before the list replaced it

protected:
    CStringArray m_arrNames;
};
