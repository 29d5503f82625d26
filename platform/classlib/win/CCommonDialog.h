// CCommonDialog: the base of the wrappers of the system's common dialogs (files, colours, fonts,
// printers, find and replace). None of them has a template of the program: each fills the Win32
// record of its dialog (public, so callers may set any field the wrapper does not) and runs it through
// the services object (WinServices.h), so that tests answer it from a script. DoModal answers IDOK
// when the user accepted and IDCANCEL otherwise.
#pragma once

#include "win/CDialog.h"

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    // pParentWnd: the window the dialog belongs to (null: the application's main window).
    explicit CCommonDialog(CWnd* pParentWnd);
    ~CCommonDialog() override;

protected:
    // The window to own the system's dialog: the top-level window of the parent given at construction
    // (see CWnd::GetSafeOwner); null when there is none.
    HWND GetOwnerHandle() const;
};
