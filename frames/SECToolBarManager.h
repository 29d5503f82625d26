// SECToolBarManager: the coordinator of a frame's tool bars (SECCustomToolBar and the menu bar). The
// program makes one for a frame and sets it as the frame's control-bar manager (SetControlBarManager of
// the docking frames) before it makes its bars; a tool bar made in such a frame joins it (or is given
// it with SECCustomToolBar::SetManager). The application makes none: each of its bars keeps its own
// images.
//
// A bar that belongs to the manager takes the manager's button-class tables, image manager (one
// SECBmpMgr shared by all of them, so that a command shows the same image everywhere) and off-screen
// drawing context in place of its own, and the manager answers for it as the saved layouts' type
// provider (frames/SECDockState.h): its records carry the bar's title and buttons
// (frames/SECCustomToolBarInfoEx.h), and a user tool bar that a layout names and the frame lacks is
// made again.
//
// Settings that every bar follows: tooltips (CBRS_TOOLTIPS in each bar's style), the cool look (the
// toolkit style bits SEC_TBSTYLE_FLAT | SEC_CBRS_EX_GRIPPER), large buttons (the shared image manager
// switches to its large images and every bar sizes its buttons again); fly-by prompts (CBRS_FLYBY) are
// given to the user tool bars it makes.
//
// Default buttons: the buttons each bar id starts with and that "Reset" brings back (SetDefaultButtons).
//
// User tool bars (CreateUserToolBar) take the first id from 0xE820 to 0xE8FE that no bar of the frame
// uses (none free: no bar), are made of the manager's tool-bar class (SECCustomToolBar unless set), titled
// as given or "ToolBar<n>" (string IDS_SEC_TOOLBARNAME, n = id - 0xE81F), with the cool look when it is
// on, window style 0x50002804 plus the fly-by and tooltip bits that are on; they may dock anywhere,
// follow the manager's customise mode and delete themselves when their windows go.
//
// Notifications: every change of a bar (SEC_BARNOTIFY_*) is sent as the registered message
// "WM_BARNOTIFY" (wParam the bar id, lParam the code) to each window of the notify list that still
// exists.
//
// Customise mode (EnterCustomizeMode, ExitCustomizeMode): every enabled child window of the frame that
// is not a control bar is disabled while it lasts (leaving it enables those still there), and every bar
// is in customise mode with the customise window given: a press on a button drags it between bars
// (SECCustomToolBar.h). The manager knows the one bar holding the customise selection: a selection in
// another bar clears it.
//
// While a bar sends a button's command, GetPressedBtnRect gives the button's screen rectangle, so that
// the command can place what it opens beside the button.
#pragma once

#include "frames/SECDockState.h"

#include <map>
#include <memory>
#include <vector>

class CFrameWnd;
class SECBmpMgr;
class SECBtnDrawContext;
class SECCustomToolBar;
struct SECBtnClassEntry;

// The codes of "WM_BARNOTIFY".
#define SEC_BARNOTIFY_SHOWN     0
#define SEC_BARNOTIFY_HIDDEN    1
#define SEC_BARNOTIFY_CREATED   2
#define SEC_BARNOTIFY_DESTROYED 3
#define SEC_BARNOTIFY_SELECTION 4 // the customise selection changed

// The ids of the tool bars a user makes, and of the menu bar.
#define SEC_IDW_FIRST_USERBAR 0xE820
#define SEC_IDW_LAST_USERBAR  0xE8FE
#define SEC_IDW_MENUBAR       0xE8FF

// The type id the manager gives its tool bars in saved layouts.
#define SEC_TYPEID_TOOLBAR 1

class SECToolBarManager : public SECControlBarManager {
    DECLARE_DYNAMIC(SECToolBarManager)
public:
    // The manager of pFrame's tool bars (not null), with an image manager of its own.
    explicit SECToolBarManager(CFrameWnd* pFrame);
    ~SECToolBarManager() override;
    SECToolBarManager(const SECToolBarManager&) = delete;
    SECToolBarManager& operator=(const SECToolBarManager&) = delete;

    CFrameWnd* GetFrame() const { return m_pFrame; }
    // The tool bars that belong to the manager and have their windows, in the order they joined.
    std::vector<SECCustomToolBar*> GetToolBars() const;
    // The manager's bar with id nID; null when none.
    SECCustomToolBar* GetToolBar(UINT nID) const;

    // ---- what the bars share -------------------------------------------------------------------------

    SECBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    // Loads a tool-bar resource into the shared image manager (SECBmpMgr::LoadToolBarResource).
    BOOL LoadToolBarResource(UINT nIDResource, UINT nIDLargeResource = 0);
    // The button-class tables the bars use (may be null).
    void SetBtnClassTables(const SECBtnClassEntry* pTable1, const SECBtnClassEntry* pTable2);
    const SECBtnClassEntry* GetBtnClassTable1() const { return m_pBtnTable1; }
    const SECBtnClassEntry* GetBtnClassTable2() const { return m_pBtnTable2; }
    // The shared drawing context, made on first use.
    SECBtnDrawContext& GetDrawContext();
    // The class new tool bars are made of (SECCustomToolBar or derived, creatable; else
    // CInvalidArgException).
    void SetToolBarClass(CRuntimeClass* pClass);

    // ---- default buttons -----------------------------------------------------------------------------

    // The buttons bar nBarID starts with (lpIDs[0 .. nCount), 0 for separators); a negative count or a
    // null array with a positive count is refused with CInvalidArgException.
    void SetDefaultButtons(UINT nBarID, const UINT* lpIDs, int nCount);
    // The default buttons of bar nBarID. FALSE (ids empty) when none were set.
    BOOL GetDefaultButtons(UINT nBarID, std::vector<UINT>& ids) const;

    // ---- settings every bar follows (see the top of this file) -------------------------------------

    void EnableToolTips(BOOL bEnable);
    BOOL ToolTipsEnabled() const { return m_bToolTips; }
    void EnableFlyBy(BOOL bEnable) { m_bFlyBy = bEnable; }
    BOOL FlyByEnabled() const { return m_bFlyBy; }
    void EnableCoolLook(BOOL bEnable);
    BOOL CoolLookEnabled() const { return m_bCoolLook; }
    void EnableLargeBtns(BOOL bEnable);
    BOOL LargeBtnsEnabled() const { return m_bLargeBtns; }
    // Sets (bOn) or clears the toolkit style bits dwBits in every bar; with SEC_TBSTYLE_FLAT among them
    // the bars repaint; the frame lays out.
    void SetToolBarStyleBits(DWORD dwBits, BOOL bOn);

    // ---- buttons across the bars ---------------------------------------------------------------------

    // Every button of command nID in every bar takes the bits nBits of nMask into its style
    // (SECStdBtn::Inform).
    void InformBtns(UINT nID, UINT nBits, UINT nMask);
    // The bar whose window overlaps rect (screen) the most; null when none does.
    SECCustomToolBar* FindBarUnder(const CRect& rect) const;
    // The button rectangle (screen) a bar records while it sends a button's command.
    void SetPressedBtnRect(const CRect& rect);
    void ClearPressedBtnRect();
    // TRUE, with the rectangle, while a button's command is being sent.
    BOOL GetPressedBtnRect(CRect& rect) const;

    // ---- user tool bars ------------------------------------------------------------------------------

    // Makes a user tool bar (see the top of this file) titled lpszTitle (null: "ToolBar<n>"). Null when
    // no id is free or the window could not be made.
    SECCustomToolBar* CreateUserToolBar(LPCSTR lpszTitle = nullptr);

    // ---- notifications -------------------------------------------------------------------------------

    void AddNotify(CWnd* pWnd);
    void RemoveNotify(CWnd* pWnd);
    // Sends "WM_BARNOTIFY" (nBarID, nCode) to the notify list (see the top of this file).
    void NotifyBarChange(UINT nBarID, int nCode);

    // ---- customise mode ------------------------------------------------------------------------------

    // See the top of this file. pCustomizeWnd (not null): the window customising (the customise sheet).
    void EnterCustomizeMode(CWnd* pCustomizeWnd);
    void ExitCustomizeMode();
    BOOL InCustomizeMode() const { return m_bCustomizing; }
    // Gives every bar the customise window pWnd (null: none).
    void SetCustomizeWnd(CWnd* pWnd);
    CWnd* GetCustomizeWnd() const { return m_pCustomizeWnd; }
    // pBar now holds the customise selection (null: no bar does); the bar that held it before loses
    // its selection.
    void SetSelectedBar(SECCustomToolBar* pBar);
    SECCustomToolBar* GetSelectedBar() const { return m_pSelectedBar; }
    // The bars that joined the manager (SECCustomToolBar::SetManager keeps this list).
    void AddBar(SECCustomToolBar* pBar);
    void RemoveBar(SECCustomToolBar* pBar);

    // ---- saved layouts (the type provider) -----------------------------------------------------------

    // SEC_TYPEID_TOOLBAR for the manager's tool bars, else 0.
    UINT GetBarTypeID(CControlBar* pBar) override;
    // A user tool bar of the record's id and title, when the id is a user tool bar's; else none.
    CControlBar* CreateBar(SECControlBarInfo* pInfo, CFrameWnd* pFrame) override;
    // An SECCustomToolBarInfoEx for SEC_TYPEID_TOOLBAR, else none.
    SECControlBarInfoEx* CreateInfoEx(SECControlBarInfo* pInfo) override;

protected:
    // Makes a user tool bar with id nID (see the top of this file); null when it could not be made.
    virtual SECCustomToolBar* MakeUserToolBar(UINT nID, LPCSTR lpszTitle);
    // Lays the frame out.
    void RecalcFrameLayout();

    CFrameWnd* m_pFrame;
    std::vector<SECCustomToolBar*> m_bars; // the bars that joined (not owned)
    std::map<UINT, std::vector<UINT>> m_defaultButtons; // by bar id
    BOOL m_bToolTips;
    BOOL m_bFlyBy;
    BOOL m_bCoolLook;
    BOOL m_bLargeBtns;
    const SECBtnClassEntry* m_pBtnTable1;
    const SECBtnClassEntry* m_pBtnTable2;
    SECBmpMgr* m_pBmpMgr; // one reference held
    std::unique_ptr<SECBtnDrawContext> m_pDrawContext;
    SECCustomToolBar* m_pSelectedBar;
    CWnd* m_pCustomizeWnd;
    BOOL m_bCustomizing;
    std::vector<HWND> m_notify;   // the windows told of changes
    std::vector<HWND> m_disabled; // the windows customise mode disabled
    CRuntimeClass* m_pToolBarClass;
    CRect m_rectPressed;          // the button whose command is being sent (screen)
    int m_nPressed;               // commands being sent with a rectangle (nested)
};

// The tool-bar manager of the frame pWnd belongs to (the top-level toolkit frame's control-bar manager,
// when it is an SECToolBarManager); null when none.
SECToolBarManager* SECFindToolBarManager(const CWnd* pWnd);
