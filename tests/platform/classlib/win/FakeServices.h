// The services object of the tests: it records every call of the class library's seams (message
// boxes, popup menus, modal dialogs and property sheets, common dialogs, printer DCs, key state, tick
// count, beeps, cursor position and the window under it, the help viewer) and answers from a script. A call that the
// script does not answer fails the test (and gets a harmless answer: IDCANCEL, 0, FALSE), and so does a
// scripted answer that is never used.
//
//   CFakeServices fake;                       // installed for its lifetime
//   fake.ExpectMessageBox(IDOK, "between");   // the next message box must contain "between"
//   fake.ExpectModal([](CDialog& dlg) {       // the next DoModal runs this on the live dialog
//       dlg.SetDlgItemText(IDC_VALUE, "0.25");
//       ClickButton(dlg, IDOK);
//   });
//   fake.ExpectFileDialog(IDOK, "C:\\r\\a.txt"); // the next file dialog chooses that path
//   fake.SetKeyState(VK_CONTROL, SHORT(0x8000)); // answers GetKeyState(VK_CONTROL) from now on
//   fake.ExpectWinHelp(HELP_CONTEXT, 0x20080);   // the next help call must ask for that context
//   fake.ExpectPopupMenu(ID_CHOICE, [](HMENU hMenu) { // the next popup chooses ID_CHOICE; the script
//       EXPECT_EQ(::GetMenuItemCount(hMenu), 2);       // looks at it while it is "open"
//   });
//
// Common dialogs answer as the system's would, writing the answer into the Win32 record they were
// given. Printers: the fake knows the printers it was told about (SetDefaultPrinter, ExpectPrintDialog);
// like Wine it has no default printer until told. A printer DC asked for one of them is a new
// CFakePrinterDC that the fake keeps (PrinterDCs). The find and replace dialog has no real window: a
// hidden stand-in window takes its place, and the test delivers the dialog's reports
// (DeliverFindReplace); WM_CLOSE sent to it ends it with the terminating report, as the system's does.
//
// Link the library classlib_win_fake_services; include "wine_gtest.h" first in the test source.
#pragma once

#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "win/Win.h"
#include "FakePrinterDC.h"

// A printer the fake knows: its name and its page in pixels at its resolution.
struct FakePrinter {
    std::string name = "Fake Printer";
    int nPageWidth = 850;
    int nPageHeight = 1100;
    int nDpiX = 100;
    int nDpiY = 100;
};

class CFakeServices : public CWinServices {
public:
    // One recorded call: its kind ("MessageBox", "TrackPopupMenu", "DoModal", "DoModalSheet",
    // "GetOpenFileName", "GetSaveFileName", "ChooseColor", "ChooseFont", "PrintDlg", "FindText",
    // "ReplaceText", "CreatePrinterDC", "GetKeyState", "GetTickCount", "MessageBeep", "GetCursorPos",
    // "WindowFromPoint", "WinHelp", "InsertObject") and what it was given.
    struct Call {
        std::string kind;
        std::string text;    // message box text; file dialog: initial name (UTF-8); find text; print dialog and
                             // printer DC: the printer's name (empty: none); help: the help file
        std::string caption; // message box caption; replace text; Insert Object dialog caption
        UINT nType = 0;      // message box style, beep type, popup flags, key, help command
        HWND hWnd = nullptr; // message box and common dialog owner, popup window
        HMENU hMenu = nullptr; // popup menu
        POINT pt = {};         // popup position (screen)
        RECT rcExclude = {};   // popup's excluded rectangle (empty when none was given)
        DWORD dwFlags = 0;   // common dialogs: the flags given (OFN_*, CC_*, CF_*, PD_*, FR_*, IOF_*)
        UINT nMinPage = 0;   // print dialog: the document's first and last page given
        UINT nMaxPage = 0;
        COLORREF color = 0;  // colour and font dialogs: the colour given
        std::string defExt;  // file dialog: the default extension
        std::vector<std::string> filter; // file dialog: the filter's texts in order (name, patterns, ...)
        ULONG_PTR dwData = 0; // help: the command's data (the help context)
    };

    // Installs itself as the library's services object; the destructor puts the previous one back and
    // fails the test for every scripted answer left unused.
    CFakeServices();
    ~CFakeServices() override;
    CFakeServices(const CFakeServices&) = delete;
    CFakeServices& operator=(const CFakeServices&) = delete;

    // The next message box answers nAnswer; with pszTextPart, its text must contain that part.
    void ExpectMessageBox(int nAnswer, const char* pszTextPart = nullptr);
    // The next popup menu chooses nCommand (0: none): returned with TPM_RETURNCMD, else posted to
    // the window as WM_COMMAND. whileOpen (may be empty) runs with the menu before the choice.
    void ExpectPopupMenu(UINT nCommand, std::function<void(HMENU)> whileOpen = {});
    // The next modal dialog: the window is made (OnInitDialog runs), the script acts on it; the
    // dialog must have ended when the script returns.
    void ExpectModal(std::function<void(CDialog&)> script);
    // The next modal property sheet, as ExpectModal does for dialogs.
    void ExpectModalSheet(std::function<void(CPropertySheet&)> script);
    // The next file dialog answers nAnswer: IDOK choosing pszPath, or IDCANCEL. As the system's dialog
    // does with a typed name, a path whose file name has no extension gets the dialog's default
    // extension; a path longer than the dialog's buffer is refused (FNERR_BUFFERTOOSMALL).
    // pszPath is path text (UTF-8); the fake answers it to the dialog in Unicode, as the system does.
    void ExpectFileDialog(int nAnswer, const char* pszPath = nullptr);
    // The same with a path given as the system's Unicode text (which may hold what UTF-8 cannot).
    void ExpectFileDialogWide(int nAnswer, const std::vector<WCHAR>& path);
    // The next colour dialog: IDOK choosing color, or IDCANCEL.
    void ExpectColorDialog(int nAnswer, COLORREF color = 0);
    // The next font dialog: IDOK choosing the font lf, nPointSize (tenths of a point) and color, or
    // IDCANCEL.
    void ExpectFontDialog(int nAnswer, const LOGFONTA& lf = LOGFONTA(), int nPointSize = 0, COLORREF color = 0);
    // The next print or printer set-up dialog: IDOK choosing printer (null: keeping the printer it was
    // given), or IDCANCEL.
    void ExpectPrintDialog(int nAnswer, const FakePrinter* pPrinter = nullptr);
    // The system's default printer from now on (null: none).
    void SetDefaultPrinter(const FakePrinter* pPrinter);
    // Reports of the open find and replace dialog to its owner, as the system's dialog sends them:
    // dwFlags (FR_FINDNEXT, FR_REPLACE, FR_REPLACEALL or FR_DIALOGTERM, with FR_DOWN and FR_MATCHCASE as
    // the user left them) and, when given, the texts the user typed. FR_DIALOGTERM then closes it.
    void DeliverFindReplace(DWORD dwFlags, const char* pszFind = nullptr, const char* pszReplace = nullptr);
    // The printer DCs made so far, oldest first (the fake owns them).
    const std::vector<std::unique_ptr<CFakePrinterDC>>& PrinterDCs() const { return m_printerDCs; }
    // The next Insert Object dialog answers nResult (OLEUI_OK, OLEUI_CANCEL or an error code); it
    // creates no object.
    void ExpectInsertObjectDialog(UINT nResult);
    // The next beep.
    void ExpectBeep();
    // The next call of the help viewer: it must ask for uCommand with dwData (nothing is opened).
    void ExpectWinHelp(UINT uCommand, ULONG_PTR dwData);
    // Standing answers for the queries.
    void SetKeyState(int nVirtKey, SHORT nState);
    void SetTickCount(DWORD dwTicks);
    void SetCursorPos(POINT point, HWND hWndUnder);

    // Every call so far, in order.
    const std::vector<Call>& Calls() const { return m_calls; }
    // The calls of one kind.
    std::vector<Call> CallsOf(const std::string& kind) const;

    int MessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) override;
    BOOL TrackPopupMenu(HMENU hMenu, UINT nFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm) override;
    INT_PTR DoModal(CDialog* pDialog) override;
    INT_PTR DoModal(CPropertySheet* pSheet) override;
    BOOL GetFileName(OPENFILENAMEW* pofn, BOOL bOpenFileDialog) override;
    BOOL ChooseColor(CHOOSECOLORA* pcc) override;
    BOOL ChooseFont(CHOOSEFONTA* pcf) override;
    BOOL PrintDlg(PRINTDLGA* ppd) override;
    HWND FindReplace(FINDREPLACEA* pfr, BOOL bFindDialogOnly) override;
    DWORD CommDlgExtendedError() override;
    HDC CreatePrinterDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                        const DEVMODEA* lpInitData) override;
    SHORT GetKeyState(int nVirtKey) override;
    DWORD GetTickCount() override;
    BOOL MessageBeep(UINT uType) override;
    BOOL GetCursorPos(LPPOINT lpPoint) override;
    HWND WindowFromPoint(POINT point) override;
    BOOL WinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) override;
    UINT InsertObjectDialog(tagOLEUIINSERTOBJECTA* pio) override;

private:
    struct MessageBoxAnswer {
        int nAnswer;
        std::string textPart;
    };
    struct PopupAnswer {
        UINT nCommand;
        std::function<void(HMENU)> whileOpen;
    };
    // A modal dialog's or sheet's script (one of the two is set).
    struct ModalScript {
        std::function<void(CDialog&)> dialog;
        std::function<void(CPropertySheet&)> sheet;
    };
    // A common dialog's answer (the fields its kind uses).
    struct DialogAnswer {
        std::string kind;
        int nAnswer;
        std::string path;
        std::vector<WCHAR> widePath; // when not empty, answered instead of path
        COLORREF color;
        LOGFONTA lf;
        int nPointSize;
        bool bPrinter;
        FakePrinter printer;
    };
    Call& Record(const char* pszKind);
    // A modal run of a dialog or sheet (a call of kind pszKind) with the next script, the one in
    // *pScript of the script queue's front, acting on the live window.
    template <class TModal>
    INT_PTR RunModalScript(TModal& modal, const char* pszKind, std::function<void(TModal&)> ModalScript::*pScript);
    // The next scripted answer of kind pszKind; false (and a failure) when the script has none.
    bool NextAnswer(const char* pszKind, DialogAnswer& rAnswer);
    // The printer named pszName among those the fake knows; null when unknown.
    const FakePrinter* FindPrinter(const char* pszName) const;
    // Gives ppd new DEVNAMES and DEVMODE blocks for printer, freeing those it held.
    void SetPrinterBlocks(PRINTDLGA* ppd, const FakePrinter& printer);

    CWinServices* m_pPrevious;
    std::vector<Call> m_calls;
    std::deque<MessageBoxAnswer> m_messageBoxes;
    std::deque<PopupAnswer> m_popupCommands;
    std::deque<ModalScript> m_modalScripts;
    std::deque<DialogAnswer> m_dialogAnswers;
    DWORD m_dwCommDlgError = 0;
    std::vector<FakePrinter> m_printers; // every printer the fake was told about
    bool m_bDefaultPrinter = false;
    FakePrinter m_defaultPrinter;
    std::vector<std::unique_ptr<CFakePrinterDC>> m_printerDCs;
    FINDREPLACEA* m_pFindReplace = nullptr; // the open find dialog's record
    HWND m_hWndFindStandIn = nullptr;      // and its stand-in window
    int m_nBeeps = 0;
    std::deque<std::pair<UINT, ULONG_PTR>> m_helpCalls; // the help viewer's expected calls
    std::map<int, SHORT> m_keyStates;
    bool m_bTickSet = false;
    DWORD m_dwTicks = 0;
    bool m_bCursorSet = false;
    POINT m_ptCursor = {};
    HWND m_hWndUnderCursor = nullptr;
};

// The device (printer) name in a DEVNAMES block; empty without one.
std::string DeviceNameOf(HGLOBAL hDevNames);
// Clicks button nID of the dialog as the user would (WM_COMMAND with BN_CLICKED from the button).
void ClickButton(CWnd& dialog, int nID);
// Posts to wnd, as the user's mouse would while it holds the capture, a mouse move to each of the
// screen points, then nEndMessage (WM_LBUTTONUP or WM_RBUTTONDOWN at the last point, or a key message
// with wEndParam the key), so that a modal mouse loop started afterwards runs through them.
void PostDrag(CWnd& wnd, std::initializer_list<POINT> points, UINT nEndMessage = WM_LBUTTONUP, WPARAM wEndParam = 0);
// Dispatches the messages waiting in the thread's queue (WM_QUIT is left out and reported as
// returned TRUE). Runs for at least nMilliseconds.
BOOL PumpWaitingMessages(DWORD nMilliseconds = 0);
