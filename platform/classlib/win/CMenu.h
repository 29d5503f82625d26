// CMenu: a menu handle with the Win32 menu calls.
//
// Ownership: the object owns a menu it created, loaded or attached; DestroyMenu and the destructor
// destroy it (with its popups). A menu that a window or a parent menu still uses must be detached
// first. Creating, loading or attaching into an object that already holds a menu is refused with
// CInvalidArgException*, because the old menu would leak.
//
// FromHandle, GetSubMenu and GetSystemMenu return the object holding the handle or a temporary
// wrapper that does not own it and is freed by DeleteTempMap (called by the application on idle).
//
// Items are addressed by command id (MF_BYCOMMAND, the default) or by position from 0
// (MF_BYPOSITION); the nFlags of each call say which, as in Win32. Results are Win32's: the previous
// state for Enable/CheckMenuItem (0xFFFFFFFF when the item does not exist), FALSE for a failed
// change.
//
// Menus are loaded from the current resource handle, then from the program (win/ResourceSource.h).
// Popup tracking goes through the window layer's test seam (CMenuTrack.cpp).
#pragma once

#include <windows.h>

#include "core/Core.h"

class CBitmap;
class CWnd;

class CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu();
    // Destroys the menu the object holds.
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu;  // null when the object holds none

    // The menu handle (null when none).
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }
    // Menus are equal when they hold the same handle.
    bool operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }
    bool operator!=(const CMenu& menu) const { return m_hMenu != menu.m_hMenu; }

    // The CMenu holding hMenu, else a temporary wrapper; null for null.
    static CMenu* FromHandle(HMENU hMenu);
    // Frees the temporary wrappers. Called on idle.
    static void DeleteTempMap();
    // The number of temporary wrappers alive (for tests of the idle clean-up).
    static size_t GetTempCount();

    // Takes ownership of hMenu. FALSE for null (see the file comment for a held menu).
    BOOL Attach(HMENU hMenu);
    // Gives the menu up without destroying it. Returns it (null when none).
    HMENU Detach();

    // An empty menu bar / popup menu. FALSE on failure.
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // Loads the menu resource (current resource handle first, then the program). FALSE when neither
    // has it.
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource);
    // A menu from a menu template in memory (not null: CInvalidArgException*).
    BOOL LoadMenuIndirect(const void* lpMenuTemplate);
    // Destroys the menu and its popups. FALSE when the object holds none.
    BOOL DestroyMenu();

    // ---- queries ----------------------------------------------------------------------------

    // The number of items; -1 when the object holds no valid menu.
    int GetMenuItemCount() const;
    // The command id of the item at nPos; 0xFFFFFFFF for a popup or no item, 0 for a separator.
    UINT GetMenuItemID(int nPos) const;
    // The MF_* state of the item (with MF_POPUP items: the item count in the high byte); 0xFFFFFFFF
    // when there is no such item.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // Copies the item's text into lpString (nMaxCount bytes with the terminating 0; lpString not null
    // when nMaxCount > 0) / into rString. A text that does not fit is cut, and always terminated
    // (Wine's GetMenuStringA leaves a cut text unterminated). Returns the length copied (0 for none
    // or no item).
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // GetMenuItemInfoA / SetMenuItemInfoA (lpMenuItemInfo not null; its cbSize set by the caller).
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE) const;
    BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE);
    // The popup at position nPos (holder or temporary wrapper); null when that item has no popup.
    CMenu* GetSubMenu(int nPos) const;
    // The default item's id (or position with fByPos); 0xFFFFFFFF when there is none.
    UINT GetMenuDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;

    // ---- changes ----------------------------------------------------------------------------

    // Enables, greys or disables (MF_ENABLED, MF_GRAYED, MF_DISABLED, with MF_BYCOMMAND or
    // MF_BYPOSITION) / checks or unchecks (MF_CHECKED, MF_UNCHECKED) an item. Returns the previous
    // state (MF_GRAYED|MF_DISABLED bits / MF_CHECKED), 0xFFFFFFFF when there is no such item.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    // Checks nIDItem as the radio choice of nIDFirst..nIDLast and unchecks the others.
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    // Appends / inserts before nPosition / changes an item: nFlags MF_STRING, MF_POPUP (nIDNewItem is
    // then the popup's HMENU, which the menu takes over), MF_SEPARATOR, MF_OWNERDRAW (lpszNewItem is
    // then the item data) with the state flags.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    // The same with a bitmap item (MF_BITMAP is added); pBmp not null (CInvalidArgException*).
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
    // InsertMenuItemA (lpMenuItemInfo not null).
    BOOL InsertMenuItem(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE);
    // Removes an item; DeleteMenu also destroys its popup, RemoveMenu leaves the popup to the caller.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    // The check-mark bitmaps of an item (either may be null: none).
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked, const CBitmap* pBmpChecked);
    // Makes the item the default (bold) one; uItem 0xFFFFFFFF: no default.
    BOOL SetMenuDefaultItem(UINT uItem, BOOL fByPos = FALSE);

    // ---- popup tracking (through the services seam, see WinServices.h; defined with CWnd) ---------

    // Shows the menu as a popup at (x, y) (screen) for pWnd, which receives its WM_COMMAND (with
    // TPM_RETURNCMD the command is returned instead, 0 for none). lpRect is not used. Returns what
    // TrackPopupMenu returns.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
    BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);

    // The window's system menu (holder or temporary wrapper). With bRevert the menu is reset to the
    // system's and null returned. Null when the window has none.
    static CMenu* GetSystemMenu(HWND hWnd, BOOL bRevert);
};
