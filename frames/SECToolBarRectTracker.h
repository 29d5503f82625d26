// SECToolBarRectTracker: the frame that follows the mouse while a tool-bar button is dragged between
// bars (frames/SECCustomToolBar.h). It is the class library's rectangle tracker with a hatched border
// whose whole rectangle moves with the mouse; the window it tracks for holds the mouse, and the frame
// is drawn over the desktop (so it shows across windows) as a drag rectangle as wide as the handle
// size less one (at least 1 pixel). While Ctrl is down (the services' key state, read at each move)
// the mouse shows the copy cursor SEC_IDC_COPYBUTTON, otherwise the arrow.
#pragma once

#include <memory>

// the library's windows first: they take in the standard headers before windows.h
#include "win/MouseLoop.h"
#include "win/CRectTracker.h"

class SECToolBarRectTracker : public CRectTracker {
public:
    // lpRect: the button's rectangle in the client coordinates of the window that will track.
    explicit SECToolBarRectTracker(LPCRECT lpRect);

    // Moves the rectangle with the mouse from point (pWnd's client coordinates; pWnd not null, with a
    // window): TRUE with m_rect where the left button was released, FALSE (m_rect as it was) when the
    // drag was given up (Escape, the right button, a lost capture). The cursor is the arrow afterwards.
    BOOL TrackOverDesktop(CWnd* pWnd, CPoint point);

    // The frame on the desktop (see the top of this file); the last call of a track erases it (a
    // border of 0).
    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override;
    // Shows the cursor for the Ctrl key's state.
    void AdjustRect(int nHandle, LPRECT lpRect) override;

protected:
    // The copy cursor while Ctrl is down, else the arrow.
    virtual void UpdateCursor();

    std::unique_ptr<CAfxDesktopDC> m_pDesktopDC; // while a track runs
};
