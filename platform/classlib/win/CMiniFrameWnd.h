// CMiniFrameWnd: a small floating frame (a popup with a tool window's small caption) owned by a frame;
// CMiniDockFrameWnd: the one that holds a floating dock bar, in which control bars float.
//
// Mini frame styles (the MFS_* bits ride in the low word of the window style, which the system leaves to
// the window class):
// - MFS_SYNCACTIVE: the caption looks active while the frame or its owner frame is active. A top-level
//   frame tells the windows it owns when its own caption changes (WM_FLOATSTATUS with FS_ACTIVATE or
//   FS_DEACTIVATE); a mini frame with the style follows and answers TRUE. The other way round, while
//   such a mini frame is the active window its owner frame's caption stays active (the owner's
//   stay-active state, win/CFrameWnd.h): the mini frame sets the state when it turns active and drops
//   it when the activation goes to a window that is neither the owner nor another such mini frame of
//   the owner. A frame shown while its owner
//   is the active window shows an active caption from the start. Told that its owner turned active, a
//   visible mini frame also brings itself back to the top once the activation is over (it posts
//   itself WM_FLOATSTATUS 0x0100): measured under this Wine (8.0) without a window manager, a click
//   that activates the owner raises the owner's X window over the windows it owns, and Wine then takes
//   that order, so floating frames went under their frame.
// - MFS_THICKFRAME: a sizing border (WS_THICKFRAME); MFS_4THICKFRAME: a thin frame that is not sized.
// - MFS_MOVEFRAME: a press on the border moves the frame as a press on the caption does.
// - MFS_BLOCKSYSMENU: the caption's system-menu box acts as caption (the system menu still opens from
//   the caption's context click and from the keyboard).
// - MFS_SNAPTOBARS: the frame takes the size of the bars it holds (a floating frame of docking bars).
//
// A mini frame that hides (closed, or its bars hidden) while it is the active window or holds the
// keyboard focus gives both back to its owner frame: the system leaves a hidden active window active,
// and keys would then go to the controls of a frame that does not show.
//
// CMiniDockFrameWnd::Create(frame, float style) makes the frame (caption, system menu, synchronised
// activation, thin frame, blocked system-menu box, snap to bars, and the move frame for bars without
// CBRS_SIZE_DYNAMIC) owned by the frame, with the floating dock bar (id AFX_IDW_DOCKBAR_FLOAT) as its
// client: aligned left when the float style names a left or right alignment, else top, with
// CBRS_FLOAT_MULTI when the style has it. The system menu keeps "Move" and "Close", which reads "&Hide"
// (AFX_IDS_HIDE), and loses size, minimise, maximise and restore.
//
// RecalcLayout sizes the frame around its dock bar's layout, takes the dock bar's window text as title,
// and shows the frame (without activating it) while the dock bar holds a visible bar, hiding it
// otherwise. WM_CLOSE hides the bars through their frame (ShowControlBar), so the frame hides; a frame
// whose dock bar holds no bar is destroyed instead. A press on the caption of a frame that holds one bar
// starts that bar's dock-context drag; a double click there toggles its docking.
#pragma once

#include "win/CDockBar.h"
#include "win/CFrameWnd.h"

// Mini frame styles (window style, low word).
#define MFS_SYNCACTIVE   0x00000100
#define MFS_4THICKFRAME  0x00000200
#define MFS_THICKFRAME   0x00000400
#define MFS_MOVEFRAME    0x00000800
#define MFS_BLOCKSYSMENU 0x00001000
#define MFS_SNAPTOBARS   0x00000080

// WM_FLOATSTATUS (wParam): the owner frame's caption turns active / inactive.
#define FS_ACTIVATE   0x0004
#define FS_DEACTIVATE 0x0008

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;

    // Makes the frame, a tool window (small caption): dwStyle the window style with MFS_* bits (WS_POPUP
    // is added; MFS_THICKFRAME adds WS_THICKFRAME), rect in screen coordinates, owned by pParentWnd (may
    // be null); lpszClassName null: a class with double clicks and the button-face background. FALSE
    // when no window was made (the object has then deleted itself).
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = nullptr);

protected:
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);

    // Called as the frame hides and once it is hidden: while the frame is the active window or holds the keyboard
    // focus, its owner (when it shows and is enabled) becomes the active window and the focus goes to
    // a visible enabled window of the owner's (the owner itself, which hands it to its active view,
    // when the activation left it elsewhere).
    void GiveBackActivation();

    BOOL m_bOwnerActive; // the owner frame's caption is active (MFS_SYNCACTIVE)
};

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CMiniDockFrameWnd();
    ~CMiniDockFrameWnd() override;

    // Makes the floating frame for bars floating with dwBarStyle (see the top of this file), owned by
    // pParent (not null). FALSE when it could not be made (the object has then deleted itself).
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // The floating dock bar (a derived frame may hold another kind).
    virtual CDockBar* GetDockBar();

    void RecalcLayout(BOOL bNotify = TRUE) override;

    // The frame's system menu as Create leaves it (see the top of this file).
    void PrepareSystemMenu();

    // The one bar of a frame that holds exactly one; null otherwise.
    CControlBar* GetSingleBar();

protected:
    // Makes the floating dock bar (a derived frame's kind) with the style and id given.
    virtual BOOL CreateDockBar(DWORD dwStyle, UINT nID);

    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);

    CDockBar m_wndDockBar;     // the floating dock bar
    BOOL m_bInRecalcLayout;    // sizing the frame lays it out again: not twice at once
};
