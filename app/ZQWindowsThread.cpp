// Long work without a frozen window (see ZQWindowsThread.h).
// the standard headers before windows.h, which defines min and max as macros
#include <exception>
#include <functional>
#include <memory>
#include <set>

#include "app/ZQWindowsThread.h"

namespace {

const char* const kCallWindowClass = "OndrixWindowsThreadCall";
const UINT kRunCall = WM_APP + 1;
const DWORD kPaintInterval = 50;

// The thread of the running work (0: none) and the window through which it hands calls over.
DWORD g_dwWorkThread = 0;
HWND g_hCallWindow = nullptr;

// Work run on another thread than the one that asked for it (the work's thread, or the windows'
// thread for a call handed over), and what it threw: nothing unwinds through the system, the error
// goes back to the thread that asked.
struct HandedWork {
    const std::function<void()>* work;
    std::exception_ptr error;

    void Run()
    {
        try {
            (*work)();
        } catch (...) {
            error = std::current_exception();
        }
    }
};

LRESULT CALLBACK CallWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kRunCall)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    reinterpret_cast<HandedWork*>(lParam)->Run();
    return 0;
}

// The spans of work whose input is dropped (CZQDroppedInput): how many are open, whether their input
// is still to be dropped (not ended early), and the hidden window that marks them meanwhile.
int g_nDroppedSpans = 0;
bool g_bDropping = false;
HWND g_hMarkWindow = nullptr;

HWND CreateCallWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CallWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kCallWindowClass;
    // a class registered before answers ERROR_CLASS_ALREADY_EXISTS, which is as good
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, kCallWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

DWORD WINAPI WorkThread(LPVOID pParam)
{
    static_cast<HandedWork*>(pParam)->Run();
    return 0;
}

// Handles the messages other threads sent to the calling thread's windows.
void HandleSentMessages()
{
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// The keys and mouse buttons whose press was dropped and whose release has not come yet. Their
// release is dropped too when it comes, after the work as well, and so are a held key's repeats:
// a lone release is carried out as if pressed before (an Alt's release arms the menu bar, a
// button's release ends a drag that never began).
std::set<UINT> g_heldKeys; // virtual keys
UINT g_nHeldButtons = 0;   // 1 the left button, 2 the right, 4 the middle, 8 an X button
HHOOK g_hReleaseHook = nullptr;

// The button of a mouse message (0: none) and whether the message presses it.
UINT ButtonOf(UINT message, bool& bPress)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
        return bPress = true, 1;
    case WM_LBUTTONUP: case WM_NCLBUTTONUP:
        return bPress = false, 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
        return bPress = true, 2;
    case WM_RBUTTONUP: case WM_NCRBUTTONUP:
        return bPress = false, 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        return bPress = true, 4;
    case WM_MBUTTONUP: case WM_NCMBUTTONUP:
        return bPress = false, 4;
    case WM_XBUTTONDOWN: case WM_XBUTTONDBLCLK: case WM_NCXBUTTONDOWN: case WM_NCXBUTTONDBLCLK:
        return bPress = true, 8;
    case WM_XBUTTONUP: case WM_NCXBUTTONUP:
        return bPress = false, 8;
    default:
        return 0;
    }
}

bool IsKeyPress(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

bool IsKeyRelease(UINT message)
{
    return message == WM_KEYUP || message == WM_SYSKEYUP;
}

// True when the message releases a key or button held since its press was dropped, or repeats such
// a key. A press of one that is not a repeat tells that its release went elsewhere (to another
// program's window): it is held no more, and the press stands.
bool IsHeldRelease(const MSG& msg)
{
    bool bPress = false;
    if (const UINT nButton = ButtonOf(msg.message, bPress)) {
        if ((g_nHeldButtons & nButton) == 0)
            return false;
        if (bPress)
            g_nHeldButtons &= ~nButton;
        return !bPress;
    }
    const UINT nKey = UINT(msg.wParam);
    if (!(IsKeyRelease(msg.message) || IsKeyPress(msg.message)) || g_heldKeys.count(nKey) == 0)
        return false;
    const bool bRepeat = (msg.lParam & (LPARAM(1) << 30)) != 0;
    if (IsKeyPress(msg.message) && !bRepeat) {
        g_heldKeys.erase(nKey);
        return false;
    }
    return true;
}

// Whether a button was released whose press came before the work: the window that took the press may
// hold the mouse (a drag), and the release that would have ended it is dropped.
bool g_bReleaseOfEarlierPress = false;

// Notes a message of the user's input that is dropped: a press to be held until its release.
void NoteDropped(UINT message, WPARAM wParam)
{
    bool bPress = false;
    if (const UINT nButton = ButtonOf(message, bPress)) {
        if (!bPress && (g_nHeldButtons & nButton) == 0)
            g_bReleaseOfEarlierPress = true;
        g_nHeldButtons = bPress ? g_nHeldButtons | nButton : g_nHeldButtons & ~nButton;
    }
    else if (IsKeyPress(message))
        g_heldKeys.insert(UINT(wParam));
    else if (IsKeyRelease(message))
        g_heldKeys.erase(UINT(wParam));
}

// Removes the hook of the held releases once no press waits for its release.
void UnhookWhenNothingHeld()
{
    if (g_hReleaseHook != nullptr && g_heldKeys.empty() && g_nHeldButtons == 0) {
        ::UnhookWindowsHookEx(g_hReleaseHook);
        g_hReleaseHook = nullptr;
    }
}

// The hook of the messages taken from the queue: the release of a held key or button (and a held
// key's repeat) becomes WM_NULL, which nothing handles. The hook goes with the last such release.
LRESULT CALLBACK DropHeldRelease(int nCode, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE) {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        if (IsHeldRelease(*pMsg)) {
            if (!IsKeyPress(pMsg->message))
                NoteDropped(pMsg->message, pMsg->wParam);
            pMsg->message = WM_NULL;
        }
        UnhookWhenNothingHeld();
    }
    return lResult;
}

// The mouse messages the system takes from the queue while ZQDropWaitingInput runs, and their count:
// a hook that answers nonzero makes the system drop the message before it activates a window, sends
// WM_SETCURSOR or hands it on.
int g_nMiceDropped = 0;

LRESULT CALLBACK DropMouseMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode < 0)
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    NoteDropped(UINT(wParam), 0);
    ++g_nMiceDropped;
    return 1;
}

// Handles the timers' messages waiting for the calling thread.
void HandleTimers()
{
    // a timer that comes due again while its message is handled must not hold the caller here
    const int kMostTimers = 64;
    MSG msg;
    for (int n = 0; n < kMostTimers && ::PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE); ++n)
        ::DispatchMessageA(&msg);
}

} // namespace

int ZQDropWaitingInput()
{
    // the message ranges of the user's input: keys, mouse messages of the client area (buttons,
    // wheels, moves), of the non-client area, and the commands and system commands posted
    const UINT kInput[][2] = {{WM_KEYFIRST, WM_KEYLAST},
                              {WM_MOUSEFIRST, WM_MOUSEHWHEEL},
                              {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
                              {WM_COMMAND, WM_SYSCOMMAND}};
    // input that keeps coming (a held key's repeats) must not hold the caller here
    const int kMostDropped = 4096;
    const DWORD dwThread = ::GetCurrentThreadId();
    if (g_hReleaseHook == nullptr)
        g_hReleaseHook = ::SetWindowsHookExA(WH_GETMESSAGE, DropHeldRelease, nullptr, dwThread);
    const HHOOK hHook = ::SetWindowsHookExA(WH_MOUSE, DropMouseMessage, nullptr, dwThread);
    g_nMiceDropped = 0;
    int nDropped = 0;
    MSG msg;
    for (const auto& range : kInput) {
        while (nDropped < kMostDropped && ::PeekMessageA(&msg, nullptr, range[0], range[1], PM_REMOVE)) {
            NoteDropped(msg.message, msg.wParam);
            ++nDropped;
        }
    }
    if (hHook != nullptr)
        ::UnhookWindowsHookEx(hHook);
    // the releases to come are watched only while a press waits for its release
    UnhookWhenNothingHeld();
    // a drag whose ending release was dropped ends here: no window keeps the mouse with the button up
    if (g_bReleaseOfEarlierPress) {
        g_bReleaseOfEarlierPress = false;
        if (const HWND hCapture = ::GetCapture()) {
            ::SendMessageA(hCapture, WM_CANCELMODE, 0, 0);
            if (::GetCapture() == hCapture)
                ::ReleaseCapture();
        }
    }
    return nDropped + g_nMiceDropped;
}

int ZQPaintWaitingWindows()
{
    HandleSentMessages();
    // a window that never validates itself must not hold the caller here
    const int kMostPaints = 256;
    int nPainted = 0;
    MSG msg;
    while (nPainted < kMostPaints && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        ::DispatchMessageA(&msg);
        ++nPainted;
    }
    return nPainted;
}

CZQPaintPacer::CZQPaintPacer() : m_dwLast(::GetTickCount()) {}

void CZQPaintPacer::Step()
{
    const DWORD dwNow = ::GetTickCount();
    if (dwNow - m_dwLast < kPaintInterval)
        return;
    ZQPaintWaitingWindows();
    m_dwLast = ::GetTickCount();
}

CZQDroppedInput::CZQDroppedInput()
{
    ++g_nDroppedSpans;
    if (!g_bDropping) {
        g_bDropping = true;
        g_hMarkWindow = CreateCallWindow();
    }
}

CZQDroppedInput::~CZQDroppedInput()
{
    if (--g_nDroppedSpans == 0)
        ZQEndDroppedInput();
}

void ZQEndDroppedInput()
{
    if (!g_bDropping)
        return;
    g_bDropping = false;
    ZQDropWaitingInput();
    if (g_hMarkWindow != nullptr)
        ::DestroyWindow(g_hMarkWindow);
    g_hMarkWindow = nullptr;
}

void ZQRunWhilePainting(const std::function<void()>& work, ZQWhileWorking handled)
{
    const bool bDropInput = handled == ZQWhileWorking::PaintAndTimersDroppingInput;
    // the input made meanwhile is dropped once the work has ended (or the span that holds this work
    // has), wherever the work ran; work nested in the work's thread leaves that to the outer work
    std::unique_ptr<CZQDroppedInput> drop(bDropInput && !ZQOnWorkThread() ? new CZQDroppedInput : nullptr);
    if (g_dwWorkThread != 0) {
        work();
        return;
    }
    const HWND hCallWindow = CreateCallWindow();
    HandedWork job = {&work, nullptr};
    DWORD dwThread = 0;
    const HANDLE hThread = hCallWindow != nullptr ? ::CreateThread(nullptr, 0, WorkThread, &job, CREATE_SUSPENDED, &dwThread)
                                                  : nullptr;
    if (hThread == nullptr) {
        if (hCallWindow != nullptr)
            ::DestroyWindow(hCallWindow);
        work();
        return;
    }
    g_dwWorkThread = dwThread;
    g_hCallWindow = hCallWindow;
    ::ResumeThread(hThread);

    if (bDropInput)
        ZQDropWaitingInput();
    ZQPaintWaitingWindows();
    DWORD dwLastPaint = ::GetTickCount();
    for (;;) {
        const DWORD dwWait = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, kPaintInterval, QS_SENDMESSAGE);
        if (dwWait == WAIT_OBJECT_0)
            break;
        HandleSentMessages();
        if (bDropInput) {
            ZQDropWaitingInput();
            HandleTimers();
        }
        if (::GetTickCount() - dwLastPaint >= kPaintInterval) {
            ZQPaintWaitingWindows();
            dwLastPaint = ::GetTickCount();
        }
    }
    ::CloseHandle(hThread);
    g_dwWorkThread = 0;
    g_hCallWindow = nullptr;
    ::DestroyWindow(hCallWindow);
    // what came in since the last look, up to the work's end
    if (bDropInput)
        ZQDropWaitingInput();
    drop.reset();
    if (job.error)
        std::rethrow_exception(job.error);
}

void ZQOnWindowsThread(const std::function<void()>& call)
{
    if (!ZQOnWorkThread()) {
        call();
        return;
    }
    HandedWork handed = {&call, nullptr};
    ::SendMessageA(g_hCallWindow, kRunCall, 0, reinterpret_cast<LPARAM>(&handed));
    if (handed.error)
        std::rethrow_exception(handed.error);
}

bool ZQOnWorkThread()
{
    return g_dwWorkThread != 0 && ::GetCurrentThreadId() == g_dwWorkThread;
}
