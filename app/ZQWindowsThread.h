// Long work without a frozen window: the program has one thread for its windows, and a project file
// read or a solve on it would leave the window unpainted until it ends. These helpers let the
// windows' thread keep its windows painted while work runs (and, for a solve, their timers going),
// and nothing else, so that no command ever runs on a project that is half read, written or solved:
// the user's input is dropped as it comes (a file read or write, a solve), so that nothing the user
// did meanwhile is carried out later, on windows and a project that have changed under it.
//
// Does not yet: show progress, or let the user cancel the work.
#pragma once

#include <windows.h>

#include <functional>

// Handles the paint messages waiting for the calling thread's windows, and the messages other threads
// send to them, and nothing else. Returns the number of paint messages handled.
int ZQPaintWaitingWindows();

// Paints the waiting windows (ZQPaintWaitingWindows) at most every 50 ms: for a loop of window work
// on the windows' thread, which calls Step after each piece.
class CZQPaintPacer {
public:
    CZQPaintPacer();
    // Paints when 50 ms have passed since the last paint (or the pacer's start).
    void Step();

private:
    DWORD m_dwLast;
};

// Drops the user's input waiting for the calling thread: its key messages (the menu keys and Alt+F4
// among them), its mouse messages of the client and the non-client areas (a caption's drag, its close
// box) and the commands and system commands posted to its windows. The mouse messages the system has
// for the thread are dropped before any window sees them: a click activates no window and sets no
// cursor. The paint, timer and other posted messages stay. A key or button whose press was dropped
// has its release dropped too when it comes, later as well, and a held key its repeats: a lone
// release would act as if pressed before (an Alt's release arms the menu bar). Returns the number of
// messages dropped now.
int ZQDropWaitingInput();

// What the windows' thread handles while work runs, beside the paint messages and the messages
// other threads send: nothing more (the user's input waits for the message loop), or the timers'
// messages too (a tool bar's hot button, a tip or the splash go on and end on time; no timer of the
// program starts a command) while the user's input is dropped (ZQDropWaitingInput) as it comes and
// once more when the work has ended.
enum class ZQWhileWorking { Paint, PaintAndTimersDroppingInput };

// A span of the windows' thread's work whose user input is dropped, from its start to its end: the
// long work it runs (ZQRunWhilePainting with ZQWhileWorking::PaintAndTimersDroppingInput) and the
// window work before and after it (the panes filled after a file's read, the result windows refreshed
// after a solve). Spans nest; while one is open a hidden window of the class
// "OndrixWindowsThreadCall" stays, which tells the tests that input is dropped. When the outermost
// ends (or ZQEndDroppedInput is called), the input waiting is dropped (ZQDropWaitingInput) and the
// window goes. A window that holds the mouse for a press made before the span, whose release was
// dropped, is told to cancel its mode and loses the capture.
class CZQDroppedInput {
public:
    CZQDroppedInput();
    ~CZQDroppedInput();
    CZQDroppedInput(const CZQDroppedInput&) = delete;
    CZQDroppedInput& operator=(const CZQDroppedInput&) = delete;
};

// Ends the open spans of dropped input now (their objects then do nothing more at their end):
// before a message box that the work shows, whose answer must be typed when it is seen. Does nothing
// when no span is open.
void ZQEndDroppedInput();

// Runs work on a thread of its own, while the calling thread (the windows' thread) keeps its windows
// painted (with `handled` ZQWhileWorking::PaintAndTimersDroppingInput, its timers going too and the
// user's input dropped) and carries out the calls that work makes through ZQOnWindowsThread. Returns
// when work has ended; what work threw is thrown again here, on the calling thread. work must not
// touch a window itself. When no thread can be started, or work of ZQRunWhilePainting already runs,
// work runs on the calling thread (input made meanwhile is then dropped when it ends, with `handled`
// ZQWhileWorking::PaintAndTimersDroppingInput).
void ZQRunWhilePainting(const std::function<void()>& work, ZQWhileWorking handled = ZQWhileWorking::Paint);

// Runs call on the windows' thread: at once when the calling thread is that thread or no work of
// ZQRunWhilePainting is running, else by handing it to the waiting windows' thread and waiting for
// it. What call throws is thrown again to the caller.
void ZQOnWindowsThread(const std::function<void()>& call);

// True when the calling thread is the thread of ZQRunWhilePainting's work.
bool ZQOnWorkThread();
