// The main window's placement in the settings (see ZQWindowPlacement.h).
#include "app/ZQWindowPlacement.h"

#include "win/Win.h"

const char* const ZQ_SETTINGS_SECTION = "Settings";

namespace {

const char* const kLeft = "horizontal position";
const char* const kTop = "vertical position";
const char* const kWidth = "width";
const char* const kHeight = "height";
const char* const kMaximized = "window maximized";

const int kFirstRunWidth = 800;
const int kFirstRunHeight = 570;

int ReadInt(CWinApp& app, const char* pszEntry, int nDefault)
{
    return int(app.GetProfileInt(ZQ_SETTINGS_SECTION, pszEntry, nDefault));
}

} // namespace

BOOL ZQRestoreWindowPlacement(CWinApp& app, CWnd& frame)
{
    const int x = ReadInt(app, kLeft, -1);
    const int y = ReadInt(app, kTop, -1);
    const int cx = ReadInt(app, kWidth, -1);
    const int cy = ReadInt(app, kHeight, -1);
    if (x < 0 || y < 0 || cx <= 0 || cy <= 0) {
        app.WriteProfileInt(ZQ_SETTINGS_SECTION, kLeft, 0);
        app.WriteProfileInt(ZQ_SETTINGS_SECTION, kTop, 0);
        app.WriteProfileInt(ZQ_SETTINGS_SECTION, kWidth, kFirstRunWidth);
        app.WriteProfileInt(ZQ_SETTINGS_SECTION, kHeight, kFirstRunHeight);
        app.WriteProfileInt(ZQ_SETTINGS_SECTION, kMaximized, 0);
        frame.SetWindowPos(nullptr, 0, 0, kFirstRunWidth, kFirstRunHeight, SWP_NOZORDER | SWP_SHOWWINDOW);
        frame.CenterWindow();
        return FALSE;
    }
    if (ReadInt(app, kMaximized, 0) == 1) {
        // the stored rectangle becomes the normal placement that Restore returns to
        frame.SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    frame.SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_SHOWWINDOW);
    return FALSE;
}

void ZQSaveWindowPlacement(CWinApp& app, CWnd& frame)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!frame.GetWindowPlacement(&placement))
        return;
    const RECT& r = placement.rcNormalPosition;
    app.WriteProfileInt(ZQ_SETTINGS_SECTION, kMaximized, placement.showCmd == SW_SHOWMAXIMIZED ? 1 : 0);
    app.WriteProfileInt(ZQ_SETTINGS_SECTION, kLeft, r.left);
    app.WriteProfileInt(ZQ_SETTINGS_SECTION, kTop, r.top);
    app.WriteProfileInt(ZQ_SETTINGS_SECTION, kWidth, r.right - r.left);
    app.WriteProfileInt(ZQ_SETTINGS_SECTION, kHeight, r.bottom - r.top);
}

int ZQMaximizedShowCommand(int nCmdShow)
{
    // adding the maximise bits to any other command (SW_SHOWDEFAULT | 3 is SW_FORCEMINIMIZE, SW_SHOW | 3
    // SW_SHOWMINNOACTIVE) would not maximise
    switch (nCmdShow) {
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        return nCmdShow;
    default:
        return SW_SHOWMAXIMIZED;
    }
}
