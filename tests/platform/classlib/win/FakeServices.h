// The services object of the tests: it records every call of the class library's seams (message
// boxes, popup menus, modal dialogs, key state, tick count, beeps, cursor position and the window
// under it) and answers from a script. A call that the script does not answer fails the test (and gets
// a harmless answer: IDCANCEL, 0, FALSE), and so does a scripted answer that is never used.
//
//   CFakeServices fake;                       // installed for its lifetime
//   fake.ExpectMessageBox(IDOK, "between");   // the next message box must contain "between"
//   fake.ExpectModal([](CDialog& dlg) {       // the next DoModal runs this on the live dialog
//       dlg.SetDlgItemText(IDC_VALUE, "0.25");
//       ClickButton(dlg, IDOK);
//   });
//   fake.SetKeyState(VK_CONTROL, SHORT(0x8000)); // answers GetKeyState(VK_CONTROL) from now on
//   fake.ExpectPopupMenu(ID_CHOICE, [](HMENU hMenu) { // the next popup chooses ID_CHOICE; the script
//       EXPECT_EQ(::GetMenuItemCount(hMenu), 2);       // looks at it while it is "open"
//   });
//
// Link the library classlib_win_fake_services; include "wine_gtest.h" first in the test source.
#pragma once

#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <windows.h>

#include "win/Win.h"

class CFakeServices : public CWinServices {
public:
    // One recorded call: its kind ("MessageBox", "TrackPopupMenu", "DoModal", "GetKeyState",
    // "GetTickCount", "MessageBeep", "GetCursorPos", "WindowFromPoint") and what it was given.
    struct Call {
        std::string kind;
        std::string text;    // message box text
        std::string caption; // message box caption
        UINT nType = 0;      // message box style, beep type, popup flags, key
        HWND hWnd = nullptr; // message box owner, popup window
        HMENU hMenu = nullptr; // popup menu
        POINT pt = {};         // popup position (screen)
        RECT rcExclude = {};   // popup's excluded rectangle (empty when none was given)
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
    // The next beep.
    void ExpectBeep();
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
    SHORT GetKeyState(int nVirtKey) override;
    DWORD GetTickCount() override;
    BOOL MessageBeep(UINT uType) override;
    BOOL GetCursorPos(LPPOINT lpPoint) override;
    HWND WindowFromPoint(POINT point) override;

private:
    struct MessageBoxAnswer {
        int nAnswer;
        std::string textPart;
    };
    struct PopupAnswer {
        UINT nCommand;
        std::function<void(HMENU)> whileOpen;
    };
    CWinServices* m_pPrevious;
    std::vector<Call> m_calls;
    std::deque<MessageBoxAnswer> m_messageBoxes;
    std::deque<PopupAnswer> m_popupCommands;
    std::deque<std::function<void(CDialog&)>> m_modalScripts;
    int m_nBeeps = 0;
    std::map<int, SHORT> m_keyStates;
    bool m_bTickSet = false;
    DWORD m_dwTicks = 0;
    bool m_bCursorSet = false;
    POINT m_ptCursor = {};
    HWND m_hWndUnderCursor = nullptr;
};

// Clicks button nID of the dialog as the user would (WM_COMMAND with BN_CLICKED from the button).
void ClickButton(CWnd& dialog, int nID);
// Dispatches the messages waiting in the thread's queue (WM_QUIT is left out and reported as
// returned TRUE). Runs for at least nMilliseconds.
BOOL PumpWaitingMessages(DWORD nMilliseconds = 0);
