// SECMenuBarMessages: the keyboard and popup behaviour of a window menu, rebuilt for a menu bar
// (frames/SECMenuBar.h): Alt and F10, mnemonics, the arrow keys between menus, Escape and the system
// menu. SECMenuBarFeature is the frame plug-in that carries it: a bitmap-menu plug-in
// (frames/SECBmpMenuPlugIn.h) that also hears the menu bar's notifications and the frame's keys. The
// docking MDI frame makes it when its menu bar is an SECMenuBar.
//
// Popups. A menu button's drop-down (SEC_TBN_DROPDOWN) names its menu: a menu resource id and a
// position (the frame answers the popup to "WM_SECGETMENU"), 0 and -1 for the frame's system menu
// (given SC_CLOSE as default item when it has none), or a menu handle and -1 for the maximised child's
// icon. No menu, or the open popup's title clicked again (SEC_TBN_TRACKAGAIN), closes the open popup,
// if any (WM_CANCELMODE to the frame).
// While a popup is open another request closes it and waits as the one pending request (a later one
// replaces it). Otherwise the popup opens, the menu's button shown pressed: tracked for the frame with
// the right button at the button's bottom-left on the screen, the button excluded, while the
// message-filter hook (WH_MSGFILTER) runs; the system menu at a SM_CXSIZE by SM_CYSIZE box inside the
// frame's window corner (SM_CXFRAME, SM_CYFRAME), its command, if any, posted to the frame as
// WM_SYSCOMMAND. After the popup closes the pending request is handled the same way, else the bar's
// tracking ends.
//
// The maximised child's system menu (the icon's) is tracked for its command, which is sent on to the
// child as WM_SYSCOMMAND: measured under this Wine (8.0), a system menu tracked for the frame posts its
// command to the frame as WM_SYSCOMMAND, so "Close" there would close the main window.
//
// Tracking. SEC_TBN_TRACKSTART makes this object the active one and installs the keyboard (WH_KEYBOARD)
// and mouse (WH_MOUSE) hooks of the thread, once; SEC_TBN_TRACKEND removes them. While the bar tracks
// without a popup, the keyboard hook takes every key: Return and Down end tracking and drop the
// tracked button down (the system menu when none is tracked), Escape ends tracking, Left and Right
// prod to the previous or next menu, Alt and F10 pass, any other key acts as the mnemonic of its
// character (SC_KEYMENU below); key releases but Alt's are swallowed too. What opens a popup is posted
// to the frame (a prod, or SC_KEYMENU): a popup's loop run inside the hook would take the same key
// again (measured under this Wine: Down then selected the popup's second item). The mouse hook moves the
// tracking onto the menu button under a mouse move to a new place, and a button press ends tracking.
// The first mouse move after a hook is installed only records the place.
//
// Message filter (MSGF_MENU, while a popup is open): with the system menu open, a click or double
// click in the frame's caption icon (the window's corner, inside its sizing border when it has one,
// SM_CXSIZE by SM_CYSIZE) closes the popup and is swallowed (a double click posts the system menu's
// default command); Left and Right prod to the previous or next menu; Alt marks Alt consumed; a mouse
// move to a new place or a left press over the open popup's bar goes to the bar's tracking filter
// (SECCustomToolBar::FilterTrackingMouse: onto another title opens that one, a click on the open one
// closes it), swallowed when the bar takes it.
//
// Prod: posted to the frame ("WM_SEC_MENUPROD"); unless an item was selected meanwhile (a submenu took
// the key), keyboard mode is set and the next or previous trackable button from the tracked one
// (-1: the system menu's place) is tracked when the bar tracks without a popup, else dropped down, the
// system menu when there is none.
//
// Frame keys (PreTranslateMessage, before the frame's own): Alt with a key (0-57, 65-122) that is the
// "&" mnemonic of a window inside the active view is left to the view; Alt or F10 pressed while
// tracking ends it and marks Alt consumed; Alt or F10 released (swallowed) starts tracking on the
// first menu, or ends it, unless Alt was consumed; Alt with a menu's mnemonic drops that menu down in
// keyboard mode (another key is left alone); Alt with space opens the system menu in keyboard mode.
// A menu bar that does not show (a print preview hides it with its dock bar) takes none of these keys
// and drops no menu down.
// Sent to the frame: WM_SYSCOMMAND SC_KEYMENU drops the menu of the key's mnemonic down in keyboard mode
// (space and '-': the system menu; none from a menu bar that does not show) and is swallowed either
// way; 0xF093 (a click on the caption icon) opens the system menu and is swallowed; WM_NCACTIVATE that deactivates ends tracking; WM_MENUSELECT
// notes a selection; WM_INITMENUPOPUP in keyboard mode posts WM_KEYDOWN VK_DOWN to the frame (the
// first item is selected) and leaves keyboard mode. Key states come from the services seam.
//
// Measured under this Wine (8.0): the message-filter hook runs with MSGF_MENU while a popup tracks;
// WM_CANCELMODE sent to the popup's owner closes it.
//
// Every hook procedure runs inside the exception barrier of window procedures.
#pragma once

#include "frames/SECBmpMenuPlugIn.h"
#include "frames/SECCustomToolBar.h"

class SECMenuBar;

class SECMenuBarMessages {
public:
    SECMenuBarMessages();
    // Removes the hooks when this object is the active one.
    virtual ~SECMenuBarMessages();

    // The menu bar whose buttons drop the popups down (may be null: nothing is done).
    virtual void SetMenuBar(SECMenuBar* pMenuBar) { m_pMenuBar = pMenuBar; }
    SECMenuBar* GetMenuBar() const { return m_pMenuBar; }

    // ---- what the frame passes on ---------------------------------------------------------------------

    // The bar's notifications: tracking starts / ends, a drop-down (see the top of this file).
    virtual void OnTrackStart();
    virtual void OnTrackEnd();
    virtual void OnDropDown(const SECTBNOTIFY& notify);
    // The frame's key messages before translation. TRUE swallows the message.
    virtual BOOL FilterFrameKey(const MSG& msg);
    // WM_SYSCOMMAND sent to the frame. TRUE swallows it.
    virtual BOOL FilterSysCommand(UINT nID, LPARAM lParam);
    // WM_INITMENUPOPUP sent to the frame.
    virtual void OnFramePopup();
    // The prod posted to the frame: a move (kProdMove) or a drop-down the keyboard hook asked for
    // (kProdDropDown).
    enum { kProdMove = 0, kProdDropDown = 1 };
    virtual void OnMenuProd(WPARAM nKind);

    // ---- actions ------------------------------------------------------------------------------------

    // Drops the menu button at nIndex down (bKeyboard: keyboard mode).
    virtual void DropDownButton(int nIndex, BOOL bKeyboard);
    // Opens the frame's system menu through the bar (bKeyboard: keyboard mode).
    virtual void OpenSystemMenu(BOOL bKeyboard);
    // Posts a prod to the next (bNext) or previous menu.
    virtual void Prod(BOOL bNext);

    // ---- the hooks ----------------------------------------------------------------------------------

    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MsgFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    // What they do for the active object: a key (vk, the key message's lParam) while tracking without
    // a popup, a mouse message at the screen point, a message of the menu's loop. TRUE swallows it.
    virtual BOOL FilterTrackingKey(UINT nVirtKey, LPARAM lParam);
    virtual void FilterTrackingMouse(UINT message, POINT point);
    virtual BOOL FilterMenuMessage(const MSG& msg);

    // The object tracking or showing a popup (null: none).
    static SECMenuBarMessages* GetActive();
    // TRUE while a popup of a menu bar is open / while it is the frame's system menu.
    static BOOL IsPopupOpen();
    static BOOL IsSysMenuOpen();
    // TRUE while the keyboard and mouse hooks / the message-filter hook are installed.
    static BOOL AreTrackingHooksInstalled();
    static BOOL IsMsgFilterInstalled();

    BOOL m_bKeyboardMode; // the popup about to open was asked for from the keyboard
    BOOL m_bAltConsumed;  // the next Alt release neither starts nor ends tracking
    BOOL m_bMenuSelected; // an item was selected since the last prod
    BOOL m_bProdNext;     // the direction of the last prod
    int m_nDropDownPosted; // the button the keyboard hook asked to drop down (-1: the system menu)

protected:
    // The frame (its window).
    virtual HWND GetFrameHwnd() const = 0;
    // TRUE when Alt with nKey is the mnemonic of a window inside the frame's active view.
    BOOL IsViewMnemonic(UINT nKey) const;
    // Shows the popup of request (see the top of this file).
    void TrackPopup(const SECTBNOTIFY& request, HMENU hMenu, BOOL bSysMenu, HWND hWndChild);
    // A drop-down request of the bar for the frame's system menu.
    SECTBNOTIFY SystemMenuRequest() const;

    SECMenuBar* m_pMenuBar;
};

class SECMenuBarFeature : public SECBmpMenuPlugIn, public SECMenuBarMessages {
    DECLARE_DYNAMIC(SECMenuBarFeature)
    DECLARE_MESSAGE_MAP()
public:
    explicit SECMenuBarFeature(BOOL bCheckMark = TRUE);

    // The frame's keys (FilterFrameKey).
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // TRUE while the frame's system menu is open.
    BOOL IsSysMenuPopup() const override;

protected:
    HWND GetFrameHwnd() const override { return m_hWnd; }

    afx_msg BOOL OnBarNotify(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnMenuProdMessage(WPARAM wParam, LPARAM lParam);
};
