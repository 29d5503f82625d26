// CFindReplaceDialog: the system's modeless Find or Replace dialog.
//
// Made on the heap with new and shown by Create; it deletes itself when its window is gone (the
// system destroys the window after the user closed it). While it is open it reports to its owner with
// the registered message FINDMSGSTRINGA ("commdlg_FindReplace", see RegisterWindowMessageA); the
// owner's handler (ON_REGISTERED_MESSAGE) finds the dialog with GetNotifier(lParam) and asks what
// happened: FindNext, ReplaceCurrent, ReplaceAll, or IsTerminating (the last report: the dialog goes,
// the owner must forget it). The texts and options the user chose are read with GetFindString,
// GetReplaceString, SearchDown and MatchCase.
//
// The find and replace texts hold at most 255 bytes; longer initial texts are cut to that.
//
// Not done yet: hooks and templates.
#pragma once

#include "win/CCommonDialog.h"

class CFindReplaceDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFindReplaceDialog)
public:
    CFindReplaceDialog();
    ~CFindReplaceDialog() override;

    // Shows the dialog: Find only (bFindDialogOnly) or Find and Replace, starting with the texts given
    // (null: empty) and the FR_* flags (FR_DOWN, FR_MATCHCASE, FR_HIDEWHOLEWORD...). It reports to
    // pParentWnd (null: the main window). FALSE when it could not be shown (no owner window, or the
    // system refused); the object is then not deleted by itself.
    BOOL Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith = nullptr, DWORD dwFlags = FR_DOWN,
                CWnd* pParentWnd = nullptr);

    // The dialog that sent a FINDMSGSTRINGA message (its lParam); null for a null lParam.
    static CFindReplaceDialog* GetNotifier(LPARAM lParam);

    CString GetFindString() const { return m_fr.lpstrFindWhat; }
    CString GetReplaceString() const { return m_fr.lpstrReplaceWith; }
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
    BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

    FINDREPLACEA m_fr;

protected:
    // Deletes the object.
    void PostNcDestroy() override;

private:
    char m_szFindWhat[256];
    char m_szReplaceWith[256];
};
