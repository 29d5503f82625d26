// The messages of the grid window that both window forms (CGXGridView, CGXGridWnd) hand to their
// core in the same way. Internal to the engine.
#pragma once

#include <windows.h>

#include <functional>

class CGXGridCore;
class CWnd;

// The private messages of the grid's controls and tab windows.
enum {
    GX_WM_CANRENAME = 0x790,       // may the grid be renamed? (the parameter's option)
    GX_WM_RENAMED = 0x791,         // the title belonging to wParam becomes the grid's
    GX_WM_VALIDATE = 0x792,        // nonzero when the current cell may not be left
    GX_WM_MOVECELL = 0x7A3,        // moves the current cell (wParam the kind, lParam the count)
    GX_WM_SUSPENDRESIZE = 0x7CB    // wParam 1 suspends resizing, 0 ends it and repaints
};

// Hands message to grid, the core of the window wnd: the plug-ins see it first, then the core's
// handler; callDefault runs the window form's default processing (its window base's WindowProc).
// bWindowForm: wnd is a CGXGridWnd (button presses and the move message take the focus first, the
// dialog code is the core's). TRUE with rResult when the message was handled here.
BOOL GXDispatchGridMessage(CGXGridCore& grid, CWnd& wnd, BOOL bWindowForm, UINT nMessage, WPARAM wParam,
                           LPARAM lParam, LRESULT& rResult, const std::function<LRESULT()>& callDefault);
