// SECMiniDockFrameWnd: the toolkit's floating frame. It is the class library's floating frame
// (win/CMiniFrameWnd.h: styles, system menu with "&Hide", title from its dock bar, sized around its
// bars, WM_CLOSE hiding the bars, caption press and double click) holding an SECDockBar (floating,
// not a bar host's) instead of the class library's dock bar, so that its sizable bars keep their
// committed floating sizes.
//
// A press on its non-client area brings it to the top first; a press on a sizing border (hit codes
// HTLEFT to HTBOTTOMRIGHT) starts its first bar's dock-context resize (SECDockContext::StartResize). A
// press of a button inside it (WM_PARENTNOTIFY) brings it to the top too.
//
// Sizing from outside (a frame with MFS_SNAPTOBARS and a sizing border, that is without
// MFS_4THICKFRAME, whose window is given a new size): the non-client size calculation lays its one
// sizable bar out for the client size asked for, at the place asked for, the bar committing the new
// floating size within its dock context's limits; the frame's layout then sizes the frame to the bar.
// A frame of several bars, or a change of the frame's borders alone, leaves the bars as they are.
#pragma once

#include "frames/SECDockBar.h"
#include "win/CMiniFrameWnd.h"

class SECMiniDockFrameWnd : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(SECMiniDockFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    SECMiniDockFrameWnd();
    ~SECMiniDockFrameWnd() override;

    CDockBar* GetDockBar() override;

protected:
    BOOL CreateDockBar(DWORD dwStyle, UINT nID) override;

    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);

    SECDockBar m_wndSECDockBar; // the floating dock bar
};
