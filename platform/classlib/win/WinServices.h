// CWinServices: the one object through which the class library does everything that would block a
// test or depend on the user's hands: message boxes, popup menus, modal dialogs and property sheets,
// the system's common dialogs (files, colours, fonts, printers, find and replace), printer device
// contexts, the key state, the tick count, beeps, the cursor position and the window under it, and
// the help viewer, the OLE Insert Object dialog.
//
// The library calls AfxGetServices()->... for these; the installed object is, in production, the
// library's own CWinServices, which calls the real Win32 function. A test installs a derived object
// (AfxSetServices) that records each call and answers from a script, and puts the production object
// back when it ends. Program code that needs one of these calls goes through the same object
// (AfxMessageBox does), so that its tests can answer them too.
//
// Exceptions that a window procedure catches are shown through AfxMessageBox, so through this
// object as well (see CWnd.h, "exception barrier").
#pragma once

#include "core/Core.h"

#include <windows.h>

class CDialog;
class CPropertySheet;
struct tagOLEUIINSERTOBJECTA;

class CWinServices {
public:
    virtual ~CWinServices();

    // MessageBoxA: hWndOwner may be null; nType the MB_ style. Returns the button (IDOK, IDYES...).
    // Afterwards the window that was active is active again and its control that had the focus has
    // it again.
    virtual int MessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
    // TrackPopupMenuEx: shows hMenu at (x, y) (screen) for hWnd. With TPM_RETURNCMD returns the chosen
    // command (0 for none); otherwise nonzero on success and the command is posted to hWnd as
    // WM_COMMAND.
    virtual BOOL TrackPopupMenu(HMENU hMenu, UINT nFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm);
    // Runs pDialog modally and returns its result (what EndDialog was given, or -1 when the dialog
    // could not be created). Production: CDialog::RunModalLoop.
    virtual INT_PTR DoModal(CDialog* pDialog);
    // Runs pSheet modally and returns its result (IDOK, IDCANCEL or what EndDialog was given; -1 when
    // the sheet could not be made). Production: CPropertySheet::RunModalLoop.
    virtual INT_PTR DoModal(CPropertySheet* pSheet);

    // The system's common dialogs: each behaves as the Win32 call it stands for (comdlg32, the "A"
    // form) and returns its result; CommDlgExtendedError tells why the last of them answered FALSE
    // (0: the user cancelled). While one of the modal ones shows, Escape and Alt+F4 end it whatever
    // control has the focus, as in the library's dialogs (CDialog::PreTranslateCloseKey, through a
    // message filter of the thread).
    // GetOpenFileNameW (bOpenFileDialog TRUE) or GetSaveFileNameW: the Unicode dialog, so that a name
    // keeps the letters the code page lacks.
    virtual BOOL GetFileName(OPENFILENAMEW* pofn, BOOL bOpenFileDialog);
    virtual BOOL ChooseColor(CHOOSECOLORA* pcc);
    virtual BOOL ChooseFont(CHOOSEFONTA* pcf);
    // PrintDlgA: the print or printer set-up dialog, or with PD_RETURNDEFAULT the default printer
    // without showing anything (FALSE when there is none: Wine has no printer).
    virtual BOOL PrintDlg(PRINTDLGA* ppd);
    // FindTextA (bFindDialogOnly TRUE) or ReplaceTextA: the modeless dialog's window, null on failure.
    // The dialog reports to pfr->hwndOwner with the registered message FINDMSGSTRINGA.
    virtual HWND FindReplace(FINDREPLACEA* pfr, BOOL bFindDialogOnly);
    virtual DWORD CommDlgExtendedError();
    // CreateDCA for a printer: a device context the caller deletes, or null.
    virtual HDC CreatePrinterDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                                const DEVMODEA* lpInitData);

    // GetKeyState: high bit set while the key is down, low bit the toggle state.
    virtual SHORT GetKeyState(int nVirtKey);
    // GetTickCount: milliseconds since start-up.
    virtual DWORD GetTickCount();
    // MessageBeep(uType). Returns TRUE.
    virtual BOOL MessageBeep(UINT uType);
    // GetCursorPos: the cursor in screen coordinates. Returns TRUE on success.
    virtual BOOL GetCursorPos(LPPOINT lpPoint);
    // WindowFromPoint: the window at the screen point, or null.
    virtual HWND WindowFromPoint(POINT point);
    // OleUIInsertObjectA of the OLE user-interface library (oledlg, loaded when first needed): the
    // Insert Object dialog filled from and into *pio. Returns its result (OLEUI_OK, OLEUI_CANCEL or an
    // error code; OLEUI_ERR_STANDARDMIN when the library or its function cannot be found).
    virtual UINT InsertObjectDialog(tagOLEUIINSERTOBJECTA* pio);
    // WinHelpA: opens help file lpszHelp for hWndMain with command uCommand (HELP_CONTEXT...) and its
    // data. Returns TRUE on success.
    virtual BOOL WinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
};

// The installed services object (the production one unless a test installed its own).
CWinServices* AfxGetServices();
// Installs pServices (null: the production object). Returns the previous one. The caller keeps
// ownership and must restore the previous object before it destroys its own.
CWinServices* AfxSetServices(CWinServices* pServices);

// A message box through the services object, captioned with the application's name (AfxGetAppName),
// owned by the active window's top-level window (or the main window). nType: MB_ style (MB_OK when
// it names no buttons). Returns the button.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with the text of string resource nIDPrompt (current resource handle, then the program).
// A missing string shows an empty text.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
