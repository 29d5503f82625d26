// CFileDialog: the system's dialog that chooses a file to open or a name to save under.
//
// The filter is given as "name|pattern|name|pattern||" (each pattern may list several, separated by
// ';'), the default extension without its dot (a leading dot is dropped, so ".PLY" means "PLY"), the
// initial name as the text the name field starts with. The flags (OFN_*) are the caller's;
// OFN_EXPLORER is always added, so the dialog has the system's current look.
//
// The chosen path is a Windows path of the dialog's own (for Wine, "Z:\..." or a drive of the prefix);
// convert it with AfxGetHostPath (HostPath.h) before handing it to the core's file classes or the model.
// A chosen path longer than the dialog's buffer (MAX_PATH - 1 characters) is refused: the library's
// message AFX_IDP_PATH_TOO_LONG is shown, DoModal answers IDCANCEL and the name field keeps the
// initial name; a path is never cut short.
//
// Not done yet: multiple selection, the read-only check box's answer, hooks and templates.
#pragma once

#include "win/CCommonDialog.h"

#include <vector>

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // bOpenFileDialog: an Open dialog (TRUE) or a Save As dialog. lpszDefExt: appended to a name typed
    // without an extension (null: none). lpszFileName: the initial name (null: none); one longer than
    // the buffer is refused with CInvalidArgException. dwFlags: OFN_*. lpszFilter: see above (null: no
    // filter). pParentWnd: the owner's window (null: the main window).
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    // Shows the dialog. IDOK when a file was chosen (GetPathName gives it), else IDCANCEL.
    INT_PTR DoModal() override;

    // The chosen path, and the extension of its last part (the file name) without the dot (empty when
    // it has none).
    CString GetPathName() const;
    CString GetFileExt() const;

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    std::vector<char> m_filter; // NUL-separated, ending with two NULs, as the system reads it
    CString m_strDefExt;
    CString m_strInitialName;
    char m_szFileName[MAX_PATH];
};
