// Keys pressed as the program's message loop takes them, and the walk of a dialog's tab order, for the
// tests of the dialog manager's keys (the class library's and the program's dialogs). The keys move the
// real focus, so a test program that uses them runs alone.
//
//   KeyPresser keys(app, fake);          // Ctrl, Shift and Alt up for the system and the fake
//   keys.Press(VK_TAB, KeyPresser::Shift); // Shift+Tab to the window with the focus
//   TabWalk walk = WalkTabOrder(keys, hWndStart); // Tab round the dialog, then Shift+Tab round
#pragma once

#include "FakeServices.h"

// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

class KeyPresser {
public:
    enum Modifier { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };

    KeyPresser(CWinApp& app, CFakeServices& fake) : m_app(app), m_fake(fake)
    {
        ::GetKeyboardState(m_keysBefore);
        Hold(None);
    }
    ~KeyPresser()
    {
        Hold(None);
        ::SetKeyboardState(m_keysBefore);
    }
    KeyPresser(const KeyPresser&) = delete;
    KeyPresser& operator=(const KeyPresser&) = delete;

    // Presses and releases nKey in the window with the focus, with the modifiers held (for the
    // system's key state and for the library's services): the application translates the press first
    // (its windows from the focus up: dialogs give it to the dialog manager, frames to their
    // accelerators); what it leaves is translated and sent to the window. The messages this posts
    // (typed characters among them) go the same way before the release.
    void Press(UINT nKey, int nModifiers = None)
    {
        Hold(nModifiers);
        // Alt without Ctrl makes a system key, as on the desktop
        const bool bSystem = (nModifiers & Alt) && !(nModifiers & Ctrl);
        const LPARAM lScan = LPARAM(::MapVirtualKeyA(nKey, MAPVK_VK_TO_VSC)) << 16;
        const LPARAM lContext = (nModifiers & Alt) ? LPARAM(1) << 29 : 0;
        Offer(bSystem ? WM_SYSKEYDOWN : WM_KEYDOWN, nKey, lScan | lContext | 1);
        Pump();
        Offer(bSystem ? WM_SYSKEYUP : WM_KEYUP, nKey, lScan | lContext | (LPARAM(3) << 30) | 1);
        Pump();
        Hold(None);
    }

    // Dispatches what is waiting in the thread's queue as the message loop would.
    void Pump()
    {
        MSG msg;
        for (int i = 0; i < 200 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
            Deliver(msg);
    }

private:
    void Offer(UINT nMessage, UINT nKey, LPARAM lParam)
    {
        MSG msg = {};
        msg.hwnd = ::GetFocus();
        msg.message = nMessage;
        msg.wParam = nKey;
        msg.lParam = lParam;
        msg.time = ::GetTickCount();
        if (msg.hwnd != nullptr)
            Deliver(msg);
    }
    void Deliver(MSG& msg)
    {
        if (!m_app.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    void Hold(int nModifiers)
    {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        const struct {
            int nKey;
            bool bDown;
        } keys[] = {{VK_SHIFT, (nModifiers & Shift) != 0},  {VK_LSHIFT, (nModifiers & Shift) != 0},
                    {VK_CONTROL, (nModifiers & Ctrl) != 0}, {VK_LCONTROL, (nModifiers & Ctrl) != 0},
                    {VK_MENU, (nModifiers & Alt) != 0},     {VK_LMENU, (nModifiers & Alt) != 0}};
        for (const auto& key : keys) {
            state[key.nKey] = key.bDown ? 0x80 : 0;
            m_fake.SetKeyState(key.nKey, key.bDown ? SHORT(0x8000) : SHORT(0));
        }
        ::SetKeyboardState(state);
    }

    CWinApp& m_app;
    CFakeServices& m_fake;
    BYTE m_keysBefore[256] = {};
};

// A window as a failure names it: its class, control id and text.
inline std::string DescribeWindow(HWND hWnd)
{
    if (hWnd == nullptr)
        return "(no focus)";
    char name[64] = {}, text[64] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    ::GetWindowTextA(hWnd, text, sizeof text);
    return std::string(name) + " " + std::to_string(::GetDlgCtrlID(hWnd)) + " \"" + text + "\"";
}

// A window's text.
inline std::string WindowTextOf(HWND hWnd)
{
    const int nLength = ::GetWindowTextLengthA(hWnd);
    std::string text(size_t(nLength) + 1, '\0');
    text.resize(size_t(::GetWindowTextA(hWnd, &text[0], nLength + 1)));
    return text;
}

inline std::string DescribeWindows(const std::vector<HWND>& windows)
{
    std::string text;
    for (HWND hWnd : windows)
        text += (text.empty() ? "" : ", ") + DescribeWindow(hWnd);
    return text;
}

// The focus windows of a walk with Tab from a start and of a walk with Shift+Tab from the same start,
// each from the start until the focus came to a window a second time (the start again, when the walk
// went round) or to none, that window included.
struct TabWalk {
    std::vector<HWND> forward;
    std::vector<HWND> backward;

    // Whether the forward walk came back to its start.
    bool WentRound() const { return forward.size() > 1 && forward.back() == forward.front(); }
    // The backward walk read from its end: the forward walk's order when both visit the same windows in
    // opposite orders.
    std::vector<HWND> BackwardReversed() const { return std::vector<HWND>(backward.rbegin(), backward.rend()); }
};

// Presses Tab (nModifiers: also Shift for Shift+Tab) with the focus on hWndStart again and again and
// notes where the focus goes, until it comes to a window a second time or to none.
inline std::vector<HWND> WalkWithKey(KeyPresser& keys, HWND hWndStart, int nModifiers)
{
    ::SetFocus(hWndStart);
    std::vector<HWND> order = {::GetFocus()};
    for (int i = 0; i < 64; ++i) {
        keys.Press(VK_TAB, nModifiers);
        const HWND hWnd = ::GetFocus();
        const bool bAgain = hWnd == nullptr || std::find(order.begin(), order.end(), hWnd) != order.end();
        order.push_back(hWnd);
        if (bAgain)
            break;
    }
    return order;
}

// Tab round from hWndStart, then Shift+Tab round from it.
inline TabWalk WalkTabOrder(KeyPresser& keys, HWND hWndStart)
{
    TabWalk walk;
    walk.forward = WalkWithKey(keys, hWndStart, KeyPresser::None);
    walk.backward = WalkWithKey(keys, hWndStart, KeyPresser::Shift);
    return walk;
}

// The buttons a user presses (push buttons, owner-drawn ones among them) inside hWnd, at any depth,
// that are visible and enabled: each must be in the tab order.
inline std::vector<HWND> PushButtonsIn(HWND hWnd)
{
    std::vector<HWND> buttons;
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char name[32] = {};
        ::GetClassNameA(hChild, name, sizeof name);
        const LONG lType = ::GetWindowLongA(hChild, GWL_STYLE) & BS_TYPEMASK;
        if (::lstrcmpiA(name, "Button") == 0 &&
            (lType == BS_PUSHBUTTON || lType == BS_DEFPUSHBUTTON || lType == BS_OWNERDRAW) &&
            ::IsWindowVisible(hChild) && ::IsWindowEnabled(hChild))
            buttons.push_back(hChild);
        const std::vector<HWND> inner = PushButtonsIn(hChild);
        buttons.insert(buttons.end(), inner.begin(), inner.end());
    }
    return buttons;
}
