// SECMDIFrameWnd: the toolkit's MDI main frame. It docks bars in the toolkit's dock bars (rows with
// fractions and splitters, frames/SECDockBar.h), floats them in the toolkit's floating frames or as MDI
// children of its own client ("Float In Main Window"), shows its menus in a menu bar instead of a window
// menu when one is set (menu-bar mode), and passes its messages to a frame plug-in first.
//
// Docking. EnableDocking makes, for each of top, bottom, left and right that is asked and missing, a dock
// bar of the dock bar class (SECDockBar unless set before) with the class library's ids and styles (the
// border bit of its inner side); floating frames are SECMiniDockFrameWnd unless a class was set.
// DockControlBar runs the bar's docking hooks around the class library's docking (an SECDockBar
// places the bar by its rows). DockControlBarAt / DockControlBarWithLayout dock by row and position:
// the bar takes the fraction (a sizable SECControlBar only) and commits the thickness as its height
// docked at the top or bottom (0xE81B, 0xE81E), its width docked at the left or right (0xE81C,
// 0xE81D), else its floating height. FloatControlBar keeps the bar's window at least 10 pixels inside
// the desktop's work area; a bar alone in a floating frame of the same alignment only moves its frame;
// otherwise the bar floats between its floating hooks in a new floating frame, which gets a sizing
// border (WS_THICKFRAME and MFS_THICKFRAME, not MFS_4THICKFRAME) for a sizable bar (an SECControlBar
// without SEC_CBRS_EX_FIXEDSIZE).
//
// Floating in the main window (FloatControlBarInMainWindow, between the bar's main-window hooks): a
// negative x or y takes the next cascade position, which starts at (30, 30) and moves by (20, 23),
// each coordinate going back to 30 once it passes the MDI client's width (height) less 30; else the
// screen point is mapped into the MDI client. x is kept within [0, client width], y within [0, client
// height - 30]. A bar alone in a host only moves its host; otherwise a host of the host class
// (SECControlBarMDIChildWnd unless set; frames/SECControlBarHost.h) is made, the bar docks into the
// host's dock bar, and the host is placed there with a client the bar's floating size less twice the
// toolkit border, shown without activation, with the bar's large icon.
//
// Bar hosts are MDI children the MDI client never activates: the frame keeps one of them as its active
// bar host. Activating a host makes the previous host's caption inactive, makes the MDI client's active
// child look and act inactive (WM_NCACTIVATE and WM_MDIACTIVATE to that child, naming the host as the
// window gaining activation), shows the host's caption active, moves the focus into the host unless it
// is there, updates the title and, in menu-bar mode, shows the frame's own menu. Deactivating gives the
// MDI client's active child its activation back. While a host is active it is the active frame and
// sees commands first; frame activation activates it again, and WM_ACTIVATEAPP posts the child's
// deactivation again after the system's own caption changes.
//
// Menus. WM_SECGETMENU (wParam a menu resource id, lParam a position) answers the popup at that position
// of the menu kept for the id (null when none): the frame's own for its id, else the shared menu of the
// document template of that id, else a menu the frame loaded for the id before (loading it now when the
// resource exists); the host icon id IDR_SEC_BARHOST gives the frame's own. In menu-bar mode (a menu
// bar set before LoadFrame) the frame's window has no menu: LoadFrame keeps the id's menu, the menu bar
// shows the menus, and the popup of the shown menu that holds the Window commands is the MDI client's
// window menu. 0x38FF from a bar's context menu greys "Allow Docking" for a bar floating in the main
// window and appends "Float In Main Window" (checked while it floats there) after a separator for bars
// with SEC_CBRS_EX_MDIFLOAT.
//
// Routing. Commands go to the active bar host (else the active MDI child), then to the extra command
// plug-in (which ends the routing when it handles the command), then the class library's frame routing.
// Window messages go first to the frame plug-in (frames/SECWndPlugIn.h: its exit-default flag, or a
// WM_HELP it handled, keeps the frame out and its answer is returned); messages before translation too.
// With bitmap menus on, WM_INITMENUPOPUP counts as a system menu's also while the bitmap-menu plug-in
// says it tracks one, and the plug-in initialises the popup after the frame's own handling.
// The workspace commands 43007-43009, 43012-43014 and 43031-43039 have handlers that do nothing and
// update handlers that leave the items as they are.
//
// Title (FWS_ADDTOTITLE): with the document asked for, the active frame's (bar host's or child's)
// document, else the frame's own, unless the active child is maximised; otherwise the active frame's
// window text.
//
// Measured under this Wine (8.0): an MDI frame without a window menu whose child is maximised keeps no
// menu; the child keeps its caption, which lies above the client where it is not seen, so its system
// menu and boxes show nowhere (a menu-bar frame's menu bar has to show them); the system appends
// " - [<child text>]" to the frame's caption.
//
// WM_SYSCOLORCHANGE refreshes the toolkit's drawing values before the class library passes it on. The
// drawn caption (frames/SECFrameCaption.h) is off unless EnableCustomCaption switches it on.
//
// Context help (ID_CONTEXT_HELP): the class library's help mode (win/CFrameWnd.h) in which the menu bar
// answers presses on it: a menu button drops its menu down (help mode goes on in it), the maximised
// child's caption boxes give the help of minimise (0x1EF02), restore (0x1EF12) and close (0x1EF06).
//
// Saved layouts: SaveBarState and LoadBarState keep the layout in the profile through an SECDockState
// (frames/SECDockState.h) with the frame's control-bar manager as type provider; GetDockState and
// SetDockState read and apply one in any form. Bars made while loading go into the owned-window list and
// are deleted with the frame; bars that floated in the main window get bar hosts again with their
// window placements.
//
// Tool-bar manager (a control-bar manager that is an SECToolBarManager, frames/SECToolBarManager.h): the
// bitmap-menu plug-in shows the manager's images; while the manager customises, the frame swallows the
// system close command before translation, answers WM_NCHITTEST with HTERROR (it takes no clicks), a
// dialog's WM_ENTERIDLE carries out a pending layout and updates the frame, and WM_NCACTIVATE and
// WM_ENABLE drop the class library's stay-active state (win/CFrameWnd.h), so that a floating tool bar
// clicked while the customise sheet is open does not make the frame look active.
//
// Border space of an in-place object: a request or setting of no border space keeps the menu bar shown
// through its next delayed hide (SECMenuBar::KeepVisibleOnce); the class library's negotiation follows.
#pragma once

#include "frames/SECControlBar.h"
#include "frames/SECDockBar.h"
#include "frames/SECDockContext.h"
#include "frames/SECFrameCaption.h"
#include "frames/SECFrameMenuBar.h"
#include "frames/SECWndPlugIn.h"
#include "win/CMDIFrameWnd.h"

#include <map>
#include <vector>

class CMDIChildWnd;
class SECControlBarManager;

class SECMDIFrameWnd : public CMDIFrameWnd, public SECMainWindowDocking {
    DECLARE_DYNCREATE(SECMDIFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    SECMDIFrameWnd();
    // Destroys the kept menus and the plug-ins.
    ~SECMDIFrameWnd() override;

    // ---- creation ------------------------------------------------------------------------------------

    // Loads the frame from resource nIDResource (see the top of this file for menu-bar mode): title,
    // menu (none on the window in menu-bar mode), accelerators, icon. FALSE when the frame could not be
    // made (the object has then deleted itself).
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    // Makes the MDI client with the window menu of the frame's own menu.
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;

    // ---- docking -------------------------------------------------------------------------------------

    // See the top of this file. dwDockStyle: CBRS_ALIGN_* and CBRS_FLOAT_MULTI (other bits are refused
    // with CInvalidArgException); dwExtra is kept by the dock bars. Throws CResourceException when a dock
    // bar cannot be made.
    void EnableDocking(DWORD dwDockStyle, DWORD dwExtra = 0);
    // The class of the dock bars EnableDocking makes (SECDockBar or derived; else CInvalidArgException).
    void SetDockBarClass(CRuntimeClass* pClass);
    CRuntimeClass* GetDockBarClass() const { return m_pDockBarClass; }
    // The class of the hosts of bars floating in the main window (CMDIChildWnd or derived, holding a
    // floating dock bar with id AFX_IDW_DOCKBAR_FLOAT; else CInvalidArgException).
    void SetBarHostClass(CRuntimeClass* pClass);
    CRuntimeClass* GetBarHostClass() const { return m_pBarHostClass; }

    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr) override;
    // Docks pBar (not null) at dock bar nDockBarID (0: the first, top, bottom, left, right, whose
    // alignment pBar allows) by the layout record pos with the fraction and thickness given (see the
    // top of this file). A missing dock bar is refused with CInvalidArgException.
    virtual void DockControlBarWithLayout(CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID, float fPctWidth,
                                          int nThickness);
    // DockControlBarWithLayout with the record (nDockRow, nPos, no flags).
    virtual void DockControlBarAt(CControlBar* pBar, UINT nDockBarID, int nPos, int nDockRow, float fPctWidth,
                                  int nThickness);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;

    // ---- floating in the main window ----------------------------------------------------------------

    void FloatControlBarInMainWindow(CControlBar* pBar, int x, int y, DWORD dwStyle) override;
    BOOL IsFloatingInMainWindow(const CControlBar* pBar) const override;
    void SetSwitching(BOOL bSwitching) override;
    BOOL IsSwitching() const { return m_bSwitching; }
    // Makes a host of the host class, loaded from IDR_SEC_BARHOST as a hidden child of the MDI client.
    // Throws CResourceException when it cannot be made.
    virtual CMDIChildWnd* CreateBarHost();
    // See the top of this file. pHost not null.
    virtual void ActivateBarHost(CMDIChildWnd* pHost);
    virtual void DeactivateBarHost();
    // The active bar host (null when none).
    CMDIChildWnd* GetActiveBarHost() const { return m_pActiveBarHost; }
    // pHost is going: it is no longer the active one.
    void ForgetBarHost(CMDIChildWnd* pHost);

    // ---- menus and plug-ins --------------------------------------------------------------------------

    // The menu bar that shows the frame's menus (null: none, the window has a menu). Set it before
    // LoadFrame; the frame does not own it.
    void SetMenuBar(SECFrameMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    virtual SECFrameMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // Keeps the bitmap-menu flags for the frame plug-in (the second is kept, not read). Set them before
    // LoadFrame.
    virtual void EnableBitmapMenus(BOOL bEnable = TRUE, BOOL bSecond = TRUE);
    BOOL GetBitmapMenus() const { return m_bBitmapMenus; }
    // Gives the bitmap-menu plug-in the images of tool-bar resource nIDToolBar. FALSE without such a
    // plug-in or when the resource cannot be loaded.
    BOOL SetMenuBitmapsFromToolBar(UINT nIDToolBar);
    // The menu the frame was loaded with (kept in menu-bar mode, else the window's default menu).
    HMENU GetOwnMenu() const;
    // The menu shown: the own menu in menu-bar mode, else the window's menu.
    virtual HMENU GetShownMenu() const;
    // The menu kept for menu resource nID (see the top of this file); null when none.
    virtual HMENU FindMenu(UINT nID);
    // Shows menu resource nID (UINT(-1): the frame's own) in the menu bar and gives the MDI client its
    // window menu.
    virtual void ShowMenu(UINT nID);
    // The menu resource id shown now / the frame's own.
    UINT GetMenuID() const { return m_nIDMenu; }
    UINT GetOwnMenuID() const { return m_nIDMenuOwn; }
    // Gives the MDI client the Window popup of the shown menu while the window has no menu.
    virtual void SyncMDIWindowMenu();
    // Brings the menu bar's maximised-child buttons up to date; repaints the bar and lays its frame out
    // when they changed.
    virtual void UpdateMenuBarButtons();
    // The border-space negotiation of an in-place object: the menu bar's part (see the top of this
    // file), then the class library's.
    BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    // The frame plug-in (null when none) and the extra command plug-in (null when none).
    SECWndPlugIn* GetFramePlugIn() const { return m_pPlugIn; }
    SECWndPlugIn* GetExtraPlugIn() const { return m_pExtraPlugIn; }

    // ---- frame behaviour -----------------------------------------------------------------------------

    // The active bar host, else the class library's answer.
    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The class library's layout; the whole window is redrawn after the first one, otherwise the dock
    // bars first redraw what their last layout left pending.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The menu bar's answer in help mode (see the top of this file), else the class library's.
    DWORD HelpHitTest(CPoint ptScreen) override;

    // ---- saved layouts (see the top of this file) ------------------------------------------------------

    // The control-bar manager, the saved layouts' type provider (null: none; not owned).
    SECControlBarManager* GetControlBarManager() const { return m_pControlBarManager; }
    void SetControlBarManager(SECControlBarManager* pManager) { m_pControlBarManager = pManager; }
    // The windows made while a layout was loaded (deleted with the frame).
    const std::vector<CWnd*>& GetOwnedWindows() const { return m_ownedWindows; }
    // An SECDockState with the frame's manager and owned-window list.
    CDockState* CreateDockState() override;
    void GetDockState(CDockState& state) override;
    void SetDockState(CDockState& state) override;

    // ---- custom caption (frames/SECFrameCaption.h) ---------------------------------------------------

    // Switches the drawn caption on (needs version 4 or later) or off; nAlign 0 left, 1 centred, 2 right.
    void EnableCustomCaption(BOOL bEnable, int nAlign = 0);
    BOOL IsCustomCaption() const { return m_caption.IsOn(); }

protected:
    // The frame plug-in WM_CREATE attaches (SECCreateFramePlugIn, frames/SECFrameDocking.h).
    virtual SECWndPlugIn* CreateFramePlugIn();
    // The extra command plug-in WM_CREATE attaches. None here.
    virtual SECWndPlugIn* CreateExtraPlugIn();
    // A new dock bar of the dock bar class, keeping EnableDocking's extra value.
    CDockBar* CreateDockBarObject() override;
    // Makes the MDI client's active child look and act active (bActive) or inactive, naming
    // hWndOther as the window losing or gaining activation; bPost: posted, not sent.
    void SetClientChildActive(BOOL bActive, HWND hWndOther, BOOL bPost = FALSE);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSecGetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWorkspaceCommand(UINT nID);
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);

    CRuntimeClass* m_pDockBarClass;
    CRuntimeClass* m_pBarHostClass;
    CMDIChildWnd* m_pActiveBarHost;
    CPoint m_ptCascade;
    DWORD m_dwDockExtra;       // EnableDocking's extra value for the dock bars
    BOOL m_bInActivate;        // guards frame activation against re-entry
    BOOL m_bSwitching;         // a bar moves into or out of the main window
    CRect m_rectLastClient;    // the client rectangle of the last layout
    SECFrameMenuBar* m_pMenuBar;
    SECWndPlugIn* m_pPlugIn;       // owned
    SECWndPlugIn* m_pExtraPlugIn;  // owned
    BOOL m_bBitmapMenus;
    BOOL m_bBitmapMenusSecond;
    HMENU m_hMenuOwn;          // the frame's own menu in menu-bar mode (owned)
    UINT m_nIDMenu;            // the menu resource shown
    UINT m_nIDMenuOwn;         // the frame's own menu resource
    std::map<UINT, HMENU> m_menus; // menus loaded by id (owned)
    SECFrameCaption m_caption;
    SECControlBarManager* m_pControlBarManager;
    std::vector<CWnd*> m_ownedWindows; // made while a layout was loaded (owned)
};
