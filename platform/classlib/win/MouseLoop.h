// AfxRunMouseLoop: the library's modal mouse loop, the one pattern of every drag the user makes with
// a mouse button held down (tracker rectangles, and the drags of bars, splitters and values that build
// on it).
//
// The loop takes the mouse capture for pWnd and takes the thread's messages one by one, waiting for
// them, and hands each to the step function, which answers what to do with it:
// - afxLoopContinue: the step used the message;
// - afxLoopDispatch: not the loop's message; it is dispatched as usual (painting, timers...);
// - afxLoopDone or afxLoopCancel: the loop ends, accepted or given up.
// The loop also ends, given up, when pWnd no longer holds the capture (another window took it, the
// window went) and on WM_QUIT, which it posts again for the outer loop. The step runs inside the
// exception barrier of window procedures: an exception is reported (through the services object) and
// gives the loop up. The capture is released when the loop ends, whatever ended it.
//
// Because the loop reads the queue, it also runs from messages posted before it starts: a test posts
// the mouse moves and the button's release, then starts the drag.
//
// CAfxDesktopDC is the DC on which a drag shows its feedback across windows (the frame drawn by
// CDC::DrawDragRect in screen coordinates): the desktop's window DC, with window updates locked on the
// desktop while it lives (Wine locks them only in part).
#pragma once

#include "win/CWnd.h"
#include "win/CDC.h"

enum AfxLoopStep { afxLoopContinue, afxLoopDispatch, afxLoopDone, afxLoopCancel };

// Runs the loop on pWnd (not null, with a window) with pfnStep(pContext, message) as the step. Returns
// TRUE when a step answered afxLoopDone, FALSE when the loop was given up.
BOOL AfxRunMouseLoop(CWnd* pWnd, AfxLoopStep (*pfnStep)(void* pContext, const MSG& msg), void* pContext);

// The same with any callable step(const MSG&) -> AfxLoopStep (a lambda).
template <class TStep>
BOOL AfxRunMouseLoop(CWnd* pWnd, TStep step)
{
    return AfxRunMouseLoop(
        pWnd, [](void* pContext, const MSG& msg) { return (*static_cast<TStep*>(pContext))(msg); }, &step);
}

// The step of a drag that follows the mouse: a mouse move calls onMove(the mouse in screen coordinates)
// and goes on; the left button's release calls it and ends the drag; Escape and the right button give
// it up; other keys are taken; every other message is dispatched.
template <class TMove>
AfxLoopStep AfxFollowMouseStep(const MSG& msg, TMove onMove)
{
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        POINT pt = {short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam))};
        ::ClientToScreen(msg.hwnd, &pt);
        onMove(CPoint(pt));
        return msg.message == WM_LBUTTONUP ? afxLoopDone : afxLoopContinue;
    }
    case WM_KEYDOWN:
        return msg.wParam == VK_ESCAPE ? afxLoopCancel : afxLoopContinue;
    case WM_KEYUP:
        return afxLoopContinue;
    case WM_RBUTTONDOWN:
        return afxLoopCancel;
    default:
        return afxLoopDispatch;
    }
}

class CAfxDesktopDC : public CDC {
public:
    // Locks window updates on the desktop and takes its DC (m_hDC null when the system gave none).
    CAfxDesktopDC();
    // Gives the DC back and unlocks window updates.
    ~CAfxDesktopDC() override;
    CAfxDesktopDC(const CAfxDesktopDC&) = delete;
    CAfxDesktopDC& operator=(const CAfxDesktopDC&) = delete;

private:
    BOOL m_bLocked;
};
