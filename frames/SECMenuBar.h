// SECMenuBar: the frame's menus shown as a dockable tool bar of text buttons (SECTBMenuBtn) that drop
// the popups down; SECMDIMenuBar adds the icon and the minimise, restore and close boxes of a maximised
// MDI child. The keyboard and popups are the frame plug-in's (frames/SECMenuBarFeature.h). The main
// frame makes one SECMDIMenuBar with CreateEx(0x300, frame, 0x50002804, 0xE8FF), gives it menu 128
// (SetMenuResources(1, 128)) and sets it as its menu bar before LoadFrame (frames/SECMDIFrameWnd.h).
//
// Buttons. SetMenuResources reads the top-level titles of each menu resource given (a menu that cannot
// be read adds nothing) and makes one button per title, in order: an SECTBMenuBtn with command id the
// running number over all menus from 0, style SEC_TBBS_NODISABLE | SEC_TBBS_VCENTER, knowing its menu
// resource, its popup's position there, its title and its menu's bit in the mask (1 for the first menu
// read, 2 for the second, 4...). The buttons size themselves from the menu font (the non-client
// metrics' lfMenuFont in the program's code page, SECMenuLogFont; made again on WM_SETTINGCHANGE, when
// every button is sized again and the frame lays out).
//
// Menus shown. ShowMenus hides (TBBS_HIDDEN) every menu button whose menu's bit is not in the mask;
// SwitchMenu shows one menu resource's buttons and lays the frame out (on a workbook with its tab strip
// on, at the next idle). The bar-host icon IDR_SEC_BARHOST, which has no menu, stands for the
// application's default menu (SECDocTemplateUtils::GetDefaultMenuID: its main frame's).
//
// Creation adds the full-row style (SEC_TBSTYLE_FULLROW) to the toolkit style and CBRS_HIDE_INPLACE to
// the window style. A floating menu bar's floating frame loses its system menu (no close box). The
// one-shot keep-visible flag (KeepVisibleOnce; the frame sets it when an in-place object asks for no
// border space) makes the next delayed hide do nothing.
//
// SECMDIMenuBar. Its buttons are the font's height (|lfHeight|, of the system font when the bar has
// none) + 12 high. It owns two more buttons: the maximised child's icon (SECCapMenuBtn, first) and its
// caption boxes (SECBtnCaption, last), command id 0x80000000, which setting and removing the buttons
// keep. UpdateMDIButtons shows them while the active MDI child of the top-level frame is maximised and
// has WS_SYSMENU (its small icon: WM_GETICON small, else big, else its class's small icon; its caption
// bits), else hides them. A press while tracking that comes less than the double-click time after the
// press still being handled is ignored (the services' tick count); a double click on the icon sends
// the default item of the child's system menu to the child as WM_SYSCOMMAND, then starts the bar's
// drag; elsewhere a double click is a press.
//
// With a tool-bar manager (frames/SECToolBarManager.h) the menu bar keeps its menu buttons' table of
// its own (the manager's tables serve for the other buttons), ResetButtons takes the manager's default
// buttons for the bar's id when it has them, and a bar of an SECMDIMenuBar whose buttons were dropped,
// loaded or saved keeps its icon first and its caption boxes last (neither is saved).
#pragma once

// the tool bar (and the class library under it) before the buttons, which take in windows.h first
#include "frames/SECCustomToolBar.h"

#include "frames/SECBtnCaption.h"
#include "frames/SECFrameMenuBar.h"
#include "frames/SECTBMenuBtn.h"
#include "win/CGdiObject.h"

#include <map>
#include <vector>

// The command id of the maximised child's icon and caption boxes.
#define SEC_ID_MDIBUTTONS 0x80000000

class SECMenuBar : public SECCustomToolBar, public SECFrameMenuBar {
    DECLARE_DYNCREATE(SECMenuBar)
    DECLARE_MESSAGE_MAP()
public:
    // Without a window; the menu font is made now.
    SECMenuBar();
    ~SECMenuBar() override;

    // The tool bar's creation (SECCustomToolBar::CreateEx) with the full-row style and
    // CBRS_HIDE_INPLACE added. FALSE when no window was made.
    BOOL CreateEx(DWORD dwToolBarStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCSTR lpszTitle = nullptr) override;
    using SECCustomToolBar::CreateEx;

    // Makes the buttons of nCount menu resources, whose ids follow as UINTs (see the top of this file);
    // the mask shown stays. FALSE, with no buttons, when none of them could be read; a negative count
    // is refused with CInvalidArgException.
    BOOL SetMenuResources(int nCount, ...);
    // Hides the menu buttons whose menu's bit is not in nMask (-1: shows all); bRedraw lays the frame
    // out and repaints the bar.
    virtual void ShowMenus(int nMask, BOOL bRedraw = TRUE);
    // Shows the buttons of menu resource nIDMenu and lays the frame out. FALSE when the bar has no
    // such menu.
    BOOL SwitchMenu(UINT nIDMenu) override;
    // The first visible menu button whose mnemonic is cKey (upper case); -1 when none. 0 matches none.
    int FindMnemonic(char cKey) const;
    // Makes the buttons again (the tool-bar manager's default buttons for the bar's id when it has
    // them, else those of the menus read), shows the mask, and unless bNoRelayout lays the frame out.
    virtual void ResetButtons(BOOL bNoRelayout = FALSE);
    // The tool bar's insertion; the mask then applies to the new button too.
    BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator = FALSE, BOOL bNoRelayout = FALSE) override;
    // The tool bar's; then the mask applies to the buttons loaded.
    void SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame) override;
    // A delayed hide does nothing while the keep-visible flag is set, and clears it.
    void DelayShow(BOOL bShow) override;
    // Sets the one-shot keep-visible flag.
    void KeepVisibleOnce() { m_bKeepVisible = TRUE; }
    BOOL IsKeepVisible() const { return m_bKeepVisible; }

    int GetMask() const { return m_nMask; }
    UINT GetCurrentMenu() const { return m_nCurrentMenu; }
    // The titles of all menus read, in button order.
    const std::vector<CString>& GetTitles() const { return m_titles; }
    CControlBar* GetMenuBarWnd() override { return this; }

protected:
    // The menu buttons' entry for nID, else the tool bar's.
    const SECBtnClassEntry* FindClassEntry(UINT nID) const override;
    // Lays the frame out now, or on a workbook with its tab strip on at the next idle, and repaints.
    void RelayoutFrame();
    void OnBarEndFloat() override;

    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);

    std::map<UINT, UINT> m_menuBits;      // menu resource id -> its bit
    std::vector<CString> m_titles;        // all titles, in button order
    std::vector<SECBtnClassEntry> m_table; // one entry per title, then the null entry
    int m_nMask;                          // the menus shown (-1 at start: all)
    UINT m_nCurrentMenu;                  // the menu resource shown (0: none yet)
    BOOL m_bKeepVisible;
    CFont m_fontMenu;
};

class SECMDIMenuBar : public SECMenuBar {
    DECLARE_DYNCREATE(SECMDIMenuBar)
    DECLARE_MESSAGE_MAP()
public:
    SECMDIMenuBar();
    // The child's buttons are the bar's own: they leave the array before the bar deletes its buttons.
    ~SECMDIMenuBar() override;

    // See the top of this file. TRUE when a button was shown, hidden or changed.
    BOOL UpdateMDIButtons(BOOL bForceHide) override;
    // The base's, then UpdateMDIButtons.
    void ShowMenus(int nMask, BOOL bRedraw = TRUE) override;
    // The base's; then the icon goes first and the caption boxes last, brought up to date.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount) override;
    // Deletes every button but the child's, which stay.
    void RemoveAllButtons() override;
    // The child's buttons cannot be removed (FALSE).
    BOOL RemoveButton(int nIndex, BOOL bNoRelayout = FALSE) override;
    // The font's height + 12.
    int GetBtnHeight() const override;
    // A menu button is the bar's button height high.
    SECStdBtn* CreateButton(UINT nID) override;

    SECCapMenuBtn& GetIconButton() { return m_btnIcon; }
    SECBtnCaption& GetCaptionButtons() { return m_btnCaption; }
    void ResizeButtons() override;
    // The child's buttons are not saved; loading keeps them first and last.
    void GetBarInfoEx(SECControlBarInfo* pInfo) override;
    void SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame) override;

protected:
    // The icon goes back first and the caption boxes last, keeping the customise selection.
    void OnButtonsDropped(SECStdBtn* pBtn) override;
    // Takes the child's buttons out of the array (not deleted).
    void TakeOutChildButtons();
    // Puts the icon first and the caption boxes last.
    void PlaceChildButtons();
    // Shows or hides pBtn; TRUE when that changed it.
    BOOL ShowChildButton(SECStdBtn* pBtn, BOOL bShow);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

    SECCapMenuBtn m_btnIcon;
    SECBtnCaption m_btnCaption;
    DWORD m_dwPressTick; // the tick count of the press being handled (0 outside)
};
