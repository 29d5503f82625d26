// CDialog: a dialog box from a template of the current resource handle (then the program), modal or
// modeless.
//
// Modal: DoModal hands the dialog to the services object (WinServices.h), whose production form is
// RunModalLoop: the dialog window is made (OnInitDialog runs), its owner's top-level window is
// disabled, the dialog is shown and the library's own loop dispatches messages (through the
// application's PreTranslateMessage, so the dialog's keyboard handling works) until EndDialog; WM_QUIT
// ends the dialog with -1 and is posted again for the outer loop. Then the owner is enabled again (and
// made the active window when the dialog was active as it ended, since hiding it left none), the
// control of the owner that had the focus before gets it back, the window is destroyed, and the
// EndDialog value returned. A test's services object does the same steps itself without the loop:
// StartModal, act on the live dialog (click its buttons), IsModalEnded / GetModalResult, FinishModal.
//
// Modeless: Create makes the window, shown when the template says WS_VISIBLE; DestroyWindow ends it.
//
// OnInitDialog fills the controls (dialog-initialisation data, then UpdateData(FALSE)); OnOK takes the
// data back (UpdateData(TRUE)) and ends the dialog with IDOK only when all of it was valid; OnCancel
// ends it with IDCANCEL. UpdateData runs DoDataExchange (see DataExchange.h): a refused value has
// already been shown to the user and focused, and UpdateData answers FALSE.
//
// Keyboard: PreTranslateMessage gives the dialog's key messages to the system's dialog manager
// (IsDialogMessage): Tab and Shift+Tab, the arrows within a group, Enter, Escape and mnemonics. A
// dialog that is a control parent inside another dialog (a property page, a child dialog made from a
// DS_CONTROL template: WS_CHILD with WS_EX_CONTROLPARENT) has no tab order of its own: its controls
// are part of the order of the outermost such dialog, its tab root (GetTabRoot), whose dialog manager
// walks into it. Such a dialog leaves its key messages to a tab root of the library (a CDialog or
// CPropertySheet, whose PreTranslateMessage comes next on the way up), and a request to move the
// focus that reaches it (WM_NEXTDLGCTL: NextDlgCtrl, PrevDlgCtrl, GotoDlgCtrl, and a multi-line edit
// box's Tab) is passed to the tab root. So Tab and Shift+Tab, whoever handles them, visit the same
// controls of the page and of the dialog around it in opposite orders.
//
// Escape and Alt+F4 end every dialog and sheet whatever control has the focus (PreTranslateCloseKey):
// Escape is the dialog's Cancel also in a control that asks for the key for itself (a multi-line edit
// box, which left to itself closes only the page it stands on, or a box that takes every key), unless
// the key has a meaning there (a combo box whose list is open closes the list, a label being edited
// in a list or tree gives up the edit); Enter in a multi-line box still makes a new line. Alt+F4 asks
// the dialog to close (WM_SYSCOMMAND SC_CLOSE, what the system's default does with the key) also from
// a control that keeps the key from that default, as Wine's combo and list boxes do. The system's
// common dialogs (files, printers, colours, fonts), which run their own loop, get both keys through a
// message filter that the services object (WinServices.h) sets while one shows.
//
// Not done yet: OLE controls of the template (a dialog calls no control-container hook,
// win/ControlContainer.h), help buttons, dialog bars (the toolkit's SECDialogBar serves).
#pragma once

#include "win/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
    DECLARE_MESSAGE_MAP()
public:
    CDialog();
    // nIDTemplate / lpszTemplateName: the dialog template; pParentWnd: the owner (null: the
    // application's main window).
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: makes the dialog window from the template. FALSE when the template is missing or the
    // window could not be made.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    // Modeless from a template in memory.
    BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally through the services object. Returns the EndDialog value, or -1 when
    // the dialog could not be made.
    virtual INT_PTR DoModal();
    // The production modal run (see the top of this file).
    INT_PTR RunModalLoop();

    // The steps of a modal run: StartModal makes the window (hidden; OnInitDialog ran) and returns
    // FALSE when it could not; FinishModal destroys it. IsModalEnded tells whether EndDialog was called,
    // GetModalResult gives its value (-1 before).
    BOOL StartModal();
    BOOL IsModalEnded() const;
    INT_PTR GetModalResult() const;
    void FinishModal();

    // Ends the dialog with nResult: a modal one leaves its loop (hidden at once), a modeless one is
    // hidden (destroy it with DestroyWindow).
    void EndDialog(int nResult);

    // Called when the window and its controls exist. Returns TRUE to let the system focus the first
    // control, FALSE when it set the focus itself.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Moves data between the controls and the members: bSaveAndValidate TRUE reads and checks them,
    // FALSE fills the controls. FALSE when a value was refused (already shown and focused).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The exchange of this dialog's controls (DDX_/DDV_ calls). Nothing here.
    virtual void DoDataExchange(CDataExchange* pDX);

    // Dialog units to pixels for this dialog's font.
    void MapDialogRect(LPRECT lpRect) const;
    // Moves the focus to pWndCtrl / the next / the previous control.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    // The default push button.
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    // Keyboard messages for the dialog go through the dialog manager (tab, arrows, Enter, Escape); a
    // dialog inside its tab root leaves them to the tab root (see the top of this file).
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The dialog whose tab order the controls of dialog hWnd belong to: hWnd itself, or, while hWnd is
    // a child control parent (WS_CHILD with WS_EX_CONTROLPARENT) whose parent is a dialog, that
    // parent's tab root. Null for a null hWnd.
    static HWND GetTabRoot(HWND hWnd);
    // Escape or Alt+F4 (see the top of this file) pressed in hWndDialog or a window inside it: the
    // dialog is cancelled or asked to close. Returns TRUE when pMsg was such a key and was used; FALSE
    // for any other message, which goes on its way. hWndDialog: the top-level dialog (a tab root).
    static BOOL PreTranslateCloseKey(HWND hWndDialog, MSG* pMsg);

    LPCSTR m_lpszTemplateName; // MAKEINTRESOURCE(id) or a name
    CWnd* m_pParentWnd;        // the owner given at construction or Create

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    // WM_NEXTDLGCTL: passed to the tab root when it is another dialog, else the dialog manager's.
    afx_msg LRESULT HandleNextDlgCtl(WPARAM wParam, LPARAM lParam);

    // The window from a template (lpTemplate, of module hInst) owned by hWndOwner.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATEA lpTemplate, HWND hWndOwner, HINSTANCE hInst);
    // The template of m_lpszTemplateName from the resource handle or the program; null when missing.
    LPCDLGTEMPLATEA LoadTemplate(HINSTANCE* phInst) const;

private:
    // Makes lpszTemplateName the template: a resource id as it stands, a name copied into the state.
    void SetTemplateName(LPCSTR lpszTemplateName);

protected:
    struct CDialogState {
        CString strTemplateName;      // keeps a named template's name alive
        BOOL bModal = FALSE;          // made by StartModal
        BOOL bEnded = FALSE;          // EndDialog was called
        INT_PTR nModalResult = -1;    // its value
    } m_dlgState;
};
