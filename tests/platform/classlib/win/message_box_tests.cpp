// The real message box of the production services: its text shows whole, however a word wider than a
// line (a long path) would break, with the buttons below it and everything inside the box; a text too
// long for the screen leaves the box on the screen; another dialog opened while the box shows keeps its
// own layout; the window active before the box has the keyboard back after it.
#include "TestSupport.h"

#include "win/WinServices.h"

#include <string>
#include <vector>

namespace {

const char kCaption[] = "Message box test";

// What the box showed: its client rectangle, its text's and buttons' places there, and the ink of
// the text as its static control draws it at its width, unclipped.
struct Seen {
    bool bFound = false;
    CRect window; // on the screen
    CRect client;
    CRect text;
    CRect ink;
    std::vector<CRect> buttons;
};
Seen g_seen;

CRect ClientPlaceOf(HWND hChild, HWND hParent)
{
    CRect rect;
    ::GetWindowRect(hChild, &rect);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The ink of hText's text drawn as a left-aligned static control draws it (word breaks, tabs, no
// prefix when its style says so) in its font and client width, without clipping, relative to its
// client area's top-left corner.
CRect InkOf(HWND hText)
{
    CRect client;
    ::GetClientRect(hText, &client);
    char text[1024] = {};
    ::GetWindowTextA(hText, text, sizeof text);
    const UINT nFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP |
                         ((::GetWindowLongA(hText, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    DibCanvas canvas(client.Width() + 100, client.Height() + 100);
    canvas.dc.SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(hText, WM_GETFONT, 0, 0))));
    ::SetTextColor(canvas.dc.m_hDC, RGB(0, 0, 0));
    ::SetBkMode(canvas.dc.m_hDC, TRANSPARENT);
    RECT rect = {0, 0, client.Width(), client.Height()};
    ::DrawTextA(canvas.dc.m_hDC, text, -1, &rect, nFormat);
    CRect ink(0, 0, 0, 0);
    for (int y = 0; y < canvas.Height(); y++)
        for (int x = 0; x < canvas.Width(); x++)
            if (canvas.At(x, y) != kWhite)
                ink |= CRect(x, y, x + 1, y + 1);
    return ink;
}

// Reads the open box, then closes it (a thread timer: the box's modal loop runs it).
void CALLBACK LookAndClose(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hBox = ::FindWindowA("#32770", kCaption);
    if (hBox == nullptr)
        return;
    ::KillTimer(nullptr, nTimer);
    Seen& seen = g_seen;
    seen = Seen();
    seen.bFound = true;
    ::GetWindowRect(hBox, &seen.window);
    ::GetClientRect(hBox, &seen.client);
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char name[32] = {};
        ::GetClassNameA(hChild, name, sizeof name);
        if (::lstrcmpiA(name, "Button") == 0)
            seen.buttons.push_back(ClientPlaceOf(hChild, hBox));
    }
    if (HWND hText = ::GetDlgItem(hBox, 0xFFFF)) {
        seen.text = ClientPlaceOf(hText, hBox);
        seen.ink = InkOf(hText);
    }
    ::PostMessageA(hBox, WM_COMMAND, IDCANCEL, 0);
}

TEST(MessageBoxText, EveryLengthOfAPathShowsTheWholeQuestionAboveTheButtons)
{
    CWinServices services;
    const std::string path = "Z:\\home\\ola\\projects\\decisions\\cars\\2024\\spring\\shortlist\\final_round\\drafts\\";
    for (size_t n = 4; n <= path.size(); n++) {
        const std::string text = "Do you want to save file '" + path.substr(0, n) + "plan.zex'?";
        ::SetTimer(nullptr, 0, 10, LookAndClose);
        EXPECT_EQ(services.MessageBox(nullptr, text.c_str(), kCaption, MB_YESNOCANCEL | MB_ICONQUESTION), IDCANCEL);
        const Seen& seen = g_seen;
        ASSERT_TRUE(seen.bFound) << text;
        EXPECT_LE(seen.ink.right, seen.text.Width()) << "clipped at the right: " << text;
        EXPECT_LE(seen.ink.bottom, seen.text.Height()) << "clipped below: " << text;
        EXPECT_TRUE((seen.client & seen.text) == seen.text) << "the text outside the box: " << text;
        ASSERT_EQ(seen.buttons.size(), 3u) << text;
        for (const CRect& button : seen.buttons) {
            EXPECT_GE(button.top, seen.text.bottom) << "a button over the text: " << text;
            EXPECT_TRUE((seen.client & button) == button) << "a button outside the box: " << text;
        }
    }
}

TEST(MessageBoxText, ATextTallerThanTheScreenLeavesTheBoxAndItsButtonsOnTheScreen)
{
    CWinServices services;
    std::string text;
    for (int nLine = 1; nLine <= 150; nLine++)
        text += "Alternative " + std::to_string(nLine) + " is dominated by an alternative of its rank.\n";
    ::SetTimer(nullptr, 0, 10, LookAndClose);
    g_seen = Seen();
    EXPECT_EQ(services.MessageBox(nullptr, text.c_str(), kCaption, MB_OKCANCEL), IDCANCEL);
    const Seen& seen = g_seen;
    ASSERT_TRUE(seen.bFound);
    EXPECT_TRUE((seen.client & seen.text) == seen.text) << "the text outside the box";
    ASSERT_EQ(seen.buttons.size(), 2u);
    for (const CRect& button : seen.buttons) {
        EXPECT_GE(button.top, seen.text.bottom) << "a button over the text";
        EXPECT_TRUE((seen.client & button) == button) << "a button outside the box";
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromPoint(CPoint(0, 0), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const CRect work(monitor.rcWork);
    EXPECT_TRUE((seen.window & work) == seen.window) << "the box " << seen.window << " passes the screen " << work;
}

// Where a dialog with a label of the message box text's id (a label written with the id -1) has its
// label and button, and its size on the screen.
struct Layout {
    CRect dialog;
    CRect label;
    CRect button;
};
Layout g_layout;

INT_PTR CALLBACK LabelledDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

void MakeLabelledDialog()
{
    const HWND hDialog =
        ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(120), nullptr, LabelledDialogProc, 0);
    ASSERT_NE(hDialog, nullptr);
    ::GetWindowRect(hDialog, &g_layout.dialog);
    g_layout.label = ClientPlaceOf(::GetDlgItem(hDialog, 0xFFFF), hDialog);
    g_layout.button = ClientPlaceOf(::GetDlgItem(hDialog, IDOK), hDialog);
    ::DestroyWindow(hDialog);
}

// Makes the labelled dialog while the box shows, then closes the box.
void CALLBACK MakeLabelledDialogAndClose(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    const HWND hBox = ::FindWindowA("#32770", kCaption);
    if (hBox == nullptr)
        return;
    ::KillTimer(nullptr, nTimer);
    MakeLabelledDialog();
    ::PostMessageA(hBox, WM_COMMAND, IDCANCEL, 0);
}

TEST(MessageBoxText, ADialogOpenedWhileTheBoxShowsKeepsItsLayout)
{
    MakeLabelledDialog();
    const Layout alone = g_layout;
    g_layout = Layout();
    CWinServices services;
    ::SetTimer(nullptr, 0, 10, MakeLabelledDialogAndClose);
    EXPECT_EQ(services.MessageBox(nullptr, "Do you want to save the project?", kCaption, MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(g_layout.label, alone.label);
    EXPECT_EQ(g_layout.button, alone.button);
    EXPECT_EQ(g_layout.dialog.Size(), alone.dialog.Size());
}

// Closes the open box (a thread timer: the box's modal loop runs it).
void CALLBACK Close(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (HWND hBox = ::FindWindowA("#32770", kCaption)) {
        ::KillTimer(nullptr, nTimer);
        ::PostMessageA(hBox, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST(MessageBoxFocus, TheWindowActiveBeforeTheBoxHasTheKeyboardBackAfterIt)
{
    // (a task-modal box has no owner for the system to give the activation back to: no window stayed
    // active, and the keys went nowhere)
    CWinServices services;
    const HWND hWndTop = ::CreateWindowExA(0, "Static", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                           nullptr, nullptr, nullptr, nullptr);
    const HWND hWndEdit = ::CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, hWndTop, nullptr,
                                            nullptr, nullptr);
    ASSERT_NE(hWndEdit, nullptr);
    const struct {
        const char* pszWhat;
        HWND hWndOwner;
        UINT nMode;
    } cases[] = {{"without owner, task-modal", nullptr, MB_TASKMODAL},
                 {"without owner", nullptr, MB_APPLMODAL},
                 {"owned by the window", hWndTop, MB_APPLMODAL}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        ::SetForegroundWindow(hWndTop);
        ::SetActiveWindow(hWndTop);
        ::SetFocus(hWndEdit);
        ASSERT_EQ(::GetFocus(), hWndEdit);
        ::SetTimer(nullptr, 0, 10, Close);
        services.MessageBox(c.hWndOwner, "Please enter a number.", kCaption, MB_OK | c.nMode);
        EXPECT_EQ(::GetActiveWindow(), hWndTop);
        EXPECT_EQ(::GetFocus(), hWndEdit);
    }
    ::DestroyWindow(hWndTop);
}

} // namespace
