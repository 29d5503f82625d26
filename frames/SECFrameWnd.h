// SECFrameWnd: the toolkit's single-document frame, the twin of the docking MDI frame
// (frames/SECMDIFrameWnd.h) for a frame without MDI children. It docks bars in the toolkit's dock bars,
// floats them in the toolkit's floating frames, shows its menu in a menu bar when one is set, passes its
// messages to a frame plug-in first, can draw its own caption, offers context help and saves and loads
// its docking layout. There is no floating in the main window, no bar host and no cascade.
//
// Loading (LoadFrame): the resource id is the help id and the menu id; the title is the first line of
// the id's string; in menu-bar mode (a menu bar set before) the window has no menu and the id's menu is
// loaded, kept and shown by the menu bar; otherwise the id's menu goes on the window only when the
// resource exists, so that an id without a menu makes a frame without one instead of failing. The
// accelerators of the id are loaded when none are set; without a create context the frame's descendants
// get WM_INITIALUPDATE.
//
// Docking: EnableDocking makes the missing dock bars as SECDockBars (not floating, not a host's) with the
// class library's ids and styles and sets SECMiniDockFrameWnd as the floating frames' class unless one
// was set; DockControlBar runs the bar's docking hooks around the class library's docking; docking by
// row and fraction and floating (kept 10 pixels inside the work area, a sizable bar's frame with a
// sizing border) are the MDI frame's.
//
// Menus: WM_SECGETMENU (wParam a menu id, lParam a position) answers the popup at that position of the
// frame's own menu for the frame's own id, none for any other.
//
// Routing: a command goes first to the extra command plug-in (the top-level toolkit frame's when this
// frame has none), whose handling ends the routing, then to the class library's routing. Window
// messages and messages before translation pass through the frame plug-in first (frames/SECWndPlugIn.h).
// The frame plug-in is the MDI frame's (SECCreateFramePlugIn, frames/SECFrameDocking.h): the menu bar's
// plug-in with a menu bar, else the bitmap-menu plug-in with bitmap menus on, showing the tool-bar
// manager's images when there is one; with bitmap menus the popups are initialised as the MDI frame's.
// The workspace commands 43007-43009, 43012-43014 and 43031-43039 reach handlers that do nothing.
//
// Context help (ID_CONTEXT_HELP): the class library's help mode (win/CFrameWnd.h) in which the menu bar
// answers presses on it: a menu button drops its menu down, the maximised child's caption boxes give the
// help of minimise, restore and close.
//
// Saved layouts: SaveBarState and LoadBarState keep the layout in the profile through an SECDockState
// (frames/SECDockState.h) with the frame's control-bar manager as type provider; bars made while loading
// go into the owned-window list and are deleted with the frame.
//
// WM_SYSCOLORCHANGE refreshes the toolkit's drawing values first. The drawn caption
// (frames/SECFrameCaption.h) is off unless EnableCustomCaption switches it on.
//
// While the tool-bar manager (frames/SECToolBarManager.h) customises, the frame swallows the system close
// command before translation, takes no clicks (WM_NCHITTEST answers HTERROR), a dialog's
// WM_ENTERIDLE carries out a pending layout, and WM_NCACTIVATE and WM_ENABLE drop the stay-active
// state, as the MDI frame does.
#pragma once

#include "frames/SECControlBar.h"
#include "frames/SECDockBar.h"
#include "frames/SECFrameCaption.h"
#include "frames/SECFrameMenuBar.h"
#include "frames/SECWndPlugIn.h"
#include "win/CFrameWnd.h"

#include <vector>

class SECControlBarManager;

class SECFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(SECFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    SECFrameWnd();
    // Destroys the kept menu, the plug-ins and the windows made while a layout was loaded.
    ~SECFrameWnd() override;

    // See the top of this file. FALSE when the frame could not be made (the object has then deleted
    // itself).
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    // ---- docking -------------------------------------------------------------------------------------

    // dwDockStyle: CBRS_ALIGN_* and CBRS_FLOAT_MULTI (other bits are refused with CInvalidArgException);
    // dwExtra is kept by the dock bars. Throws CResourceException when a dock bar cannot be made.
    void EnableDocking(DWORD dwDockStyle, DWORD dwExtra = 0);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr) override;
    // Docks pBar (not null) at dock bar nDockBarID (0: the first that pBar allows) by the layout record
    // pos with the fraction and the thickness given (frames/SECMDIFrameWnd.h).
    virtual void DockControlBarWithLayout(CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID, float fPctWidth,
                                          int nThickness);
    // DockControlBarWithLayout with the record (nDockRow, nPos, no flags).
    void DockControlBarAt(CControlBar* pBar, UINT nDockBarID, int nPos, int nDockRow, float fPctWidth, int nThickness);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;

    // ---- saved layouts -------------------------------------------------------------------------------

    // The control-bar manager, the saved layouts' type provider (null: none; not owned).
    SECControlBarManager* GetControlBarManager() const { return m_pControlBarManager; }
    void SetControlBarManager(SECControlBarManager* pManager) { m_pControlBarManager = pManager; }
    // The windows made while a layout was loaded (deleted with the frame).
    const std::vector<CWnd*>& GetOwnedWindows() const { return m_ownedWindows; }
    // An SECDockState with the frame's manager and owned-window list.
    CDockState* CreateDockState() override;
    void GetDockState(CDockState& state) override;
    void SetDockState(CDockState& state) override;

    // ---- menus and plug-ins --------------------------------------------------------------------------

    // The menu bar that shows the frame's menu (null: none, the window has a menu). Set it before
    // LoadFrame; the frame does not own it.
    void SetMenuBar(SECFrameMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    virtual SECFrameMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // Keeps the bitmap-menu flag for the frame plug-in (the second flag is not kept). Set it before
    // LoadFrame.
    virtual void EnableBitmapMenus(BOOL bEnable = TRUE, BOOL bSecond = TRUE);
    BOOL GetBitmapMenus() const { return m_bBitmapMenus; }
    // The menu shown: the own menu in menu-bar mode, else the window's menu.
    virtual HMENU GetShownMenu() const;
    // The frame's own menu for its own id (nID), else null.
    virtual HMENU FindMenu(UINT nID);
    UINT GetMenuID() const { return m_nIDMenu; }
    SECWndPlugIn* GetFramePlugIn() const { return m_pPlugIn; }
    SECWndPlugIn* GetExtraPlugIn() const { return m_pExtraPlugIn; }

    // ---- frame behaviour -----------------------------------------------------------------------------

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The class library's layout; the whole window is redrawn after the first one, otherwise the dock
    // bars first redraw what their last layout left pending.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The menu bar's answer (see the top of this file), else the class library's.
    DWORD HelpHitTest(CPoint ptScreen) override;

    // Switches the drawn caption on (needs version 4 or later) or off; nAlign 0 left, 1 centred, 2 right.
    void EnableCustomCaption(BOOL bEnable, int nAlign = 0);
    BOOL IsCustomCaption() const { return m_caption.IsOn(); }

protected:
    // The frame plug-in WM_CREATE attaches (see the top of this file).
    virtual SECWndPlugIn* CreateFramePlugIn();
    // The extra command plug-in WM_CREATE attaches. None here.
    virtual SECWndPlugIn* CreateExtraPlugIn();
    // A new SECDockBar keeping EnableDocking's extra value.
    CDockBar* CreateDockBarObject() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSecGetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWorkspaceCommand(UINT nID);
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);

    std::vector<CWnd*> m_ownedWindows;
    SECControlBarManager* m_pControlBarManager;
    CRect m_rectLastClient;    // the client rectangle of the last layout
    SECFrameCaption m_caption;
    SECWndPlugIn* m_pPlugIn;       // owned
    BOOL m_bBitmapMenus;
    SECFrameMenuBar* m_pMenuBar;
    HMENU m_hMenuOwn;          // the frame's own menu in menu-bar mode (owned)
    UINT m_nIDMenu;            // the frame's menu resource
    SECWndPlugIn* m_pExtraPlugIn;  // owned
    DWORD m_dwDockExtra;       // EnableDocking's extra value for the dock bars
};
