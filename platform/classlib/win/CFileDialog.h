// CFileDialog: the system's dialog that chooses a file to open or a name to save under.
//
// The filter is given as "name|pattern|name|pattern||" (each pattern may list several, separated by
// ';'), the default extension without its dot (a leading dot is dropped, so ".PLY" means "PLY"), the
// initial name as the text the name field starts with. The flags (OFN_*) are the caller's;
// OFN_EXPLORER is always added, so the dialog has the system's current look.
//
// The dialog is the system's Unicode one: the initial name and the chosen path are path text (UTF-8,
// see HostPath.h), so a name keeps every letter whatever the ANSI code page; the filter and the default
// extension are the program's 8-bit texts. The chosen path is a Windows path of the dialog's own (for
// Wine, "Z:\..." or a drive of the prefix); convert it with AfxGetHostPath (HostPath.h) before handing
// it to the core's file classes or the model. A chosen path longer than the dialog's buffer (MAX_PATH -
// 1 characters) is refused: the library's message AFX_IDP_PATH_TOO_LONG is shown, DoModal answers
// IDCANCEL and the name field keeps the initial name; a path is never cut short. A chosen name that
// has no UTF-8 form is refused the same way with AFX_IDP_PATH_NOT_HELD, before the caller closes or
// writes anything.
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
    // the buffer, or that is not path text, is refused with CInvalidArgException. dwFlags: OFN_*. lpszFilter: see above (null: no
    // filter). pParentWnd: the owner's window (null: the main window).
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    // Shows the dialog. IDOK when a file was chosen (GetPathName gives it), else IDCANCEL.
    INT_PTR DoModal() override;

    // The chosen path (before DoModal, and after a refused answer: the initial name) as path text,
    // and the extension of its last part (the file name) without the dot (empty when it has none).
    CString GetPathName() const;
    CString GetFileExt() const;

    OPENFILENAMEW m_ofn;

private:
    // Refuses the answer with the library's message nIDPrompt (its %1 is lpsz1): the name field starts
    // over with the initial name. Returns IDCANCEL.
    INT_PTR Refuse(UINT nIDPrompt, LPCSTR lpsz1);

    BOOL m_bOpenFileDialog;
    std::vector<WCHAR> m_filter; // NUL-separated, ending with two NULs, as the system reads it
    std::vector<WCHAR> m_defExt;
    std::vector<WCHAR> m_initialName;
    WCHAR m_szFileName[MAX_PATH];
};
