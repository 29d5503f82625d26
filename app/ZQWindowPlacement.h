// The main window's placement in the settings: where it is restored at start-up and written back
// when the main frame is destroyed.
//
// Values, in the application's "Settings" section: "horizontal position", "vertical position",
// "width", "height" (pixels, the window's normal, not maximised, rectangle) and "window maximized"
// (0 or 1).
#pragma once

#include <windows.h>

class CWinApp;
class CWnd;

// The registry section of the application's settings, the placement's included.
extern const char* const ZQ_SETTINGS_SECTION;

// Places the top-level window pFrame as app's settings say, and tells whether to show it maximised.
// A missing or invalid placement (a negative position, a width or height of 0 or less) is a first
// run: 0, 0, 800, 570 and "window maximized" 0 are written at once and the window is sized 800 by
// 570 and centred on the screen, shown; returns FALSE. A valid placement moves and sizes the
// window to the stored rectangle: shown, unless "window maximized" reads 1, in which case the
// window stays hidden with that rectangle as its normal placement and TRUE is returned, so that
// the caller shows it maximised and Restore brings the stored rectangle back.
BOOL ZQRestoreWindowPlacement(CWinApp& app, CWnd& frame);

// Writes pFrame's placement to app's settings: "window maximized" 1 when it is maximised, else 0,
// then the normal rectangle's left, top, width and height.
void ZQSaveWindowPlacement(CWinApp& app, CWnd& frame);

// The show command for a window whose stored placement is maximised, given the start's nCmdShow:
// SW_SHOWMAXIMIZED, except that a start asking for a minimised window (SW_MINIMIZE,
// SW_SHOWMINNOACTIVE, SW_FORCEMINIMIZE) keeps its command.
int ZQMaximizedShowCommand(int nCmdShow);
