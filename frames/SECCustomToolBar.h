// SECCustomToolBar: the toolkit's tool bar. It is not the system's tool-bar control: it is a sizable
// bar (SECControlBar) holding an array of button objects (SECStdBtn and its family) that it lays out,
// draws, hit-tests and drives itself, with the images of an SECBmpMgr. The main frame makes one with
// CreateEx(0x300, frame, 0x50002800, 0xE800) and fills it with LoadToolBar(128).
//
// Toolkit style word (the sizable bar's, SEC_CBRS_EX_*; creation always adds SEC_CBRS_EX_FIXEDSIZE, so
// dock bars lay the bar out by its own size): SEC_TBSTYLE_FLAT (0x100) the flat look, in which buttons
// are raised only while hot, pressed or checked, and the bar draws one-pixel borders; with it
// SEC_TBSTYLE_TRANSPARENT (0x1000) transparent buttons over an unpainted background;
// SEC_TBSTYLE_FULLROW (0x80) a bar as wide as its owner's client area (as high as the frame's left or
// right dock bar when docked at a side). The gripper (SEC_CBRS_EX_GRIPPER) is 11 pixels across here
// (2, 3, 1, 3, 2) with no inset; the top and bottom borders are 3.
//
// Sizes: a button is the image size + 7 each way (23 by 22 for 16 by 15 images); a separator is 8 wide
// and a button high; a row that ends at a separator has 5 pixels (separator width * 2 / 3) below it.
//
// Layout (CalcDynamicLayout, LM_* modes). Hidden buttons take no place. Rows: WrapButtons walks the
// buttons summing widths; where the sum would pass the limit + 2 the row ends at the last separator
// before that point (the separator is not drawn and not counted, the row has the gap below it), or, with
// no separator, before the button that passed it (a button alone in its row stays there however wide).
// A horizontal layout wraps at the larger of its length and the widest button. The fit-to-height layout
// (LM_LENGTHY) starts from count * button width / (length / button height) wide (one row when the
// length is below one button height), at least the narrowest button, then narrows one button width at
// a time while the rows still fit the length (stopping at an exact fit) or widens one button width at a
// time until they fit or make one row. With more than one row BalanceRows moves the last group (the
// buttons after the row's last inner separator, else its last button) of the widest row to the start
// of the next while every later row stays narrower than that widest width, letting later rows pass
// their own last groups on to make room, and stops when that cannot be done or the widest row is the
// last. TBBS_WRAPPED marks the last button of every row but the last.
// The length: with LM_STRETCH times the row fraction; CBRS_SIZE_FIXED: 0x7FFF. A CBRS_SIZE_DYNAMIC bar
// wraps at the most recently used width with LM_MRUWIDTH, or with length -1 while floating; at 0x7FFF
// (horizontal) or 0 (vertical: one button per row) with length -1 otherwise; with a length, at the
// length less the borders (LM_LENGTHY: the fit-to-height layout for the height less the borders). Other
// bars wrap at 0x7FFF horizontally and 0 vertically. Buttons go left to right from the inside
// rectangle's top-left (GetBorders, the gripper, the border lines), rows one under the other;
// SEC_TBBS_VCENTER buttons are centred in their row; in a full-row bar a caption group ending the bar
// goes to the far edge less 2. The size is the rows' plus the borders (an empty bar: one button), 2
// smaller each way when floating. A committed layout (LM_COMMIT) places the buttons and keeps the size
// for its kind (docked horizontally, vertically, or floating, where the wrap width also becomes the
// most recently used width unless LM_LENGTHY); a layout that is not committed answers the size kept for
// its kind. A kind's size is worked out again (and the buttons placed when it is the bar's present
// kind) when it is asked for after the bar was made, its buttons, styles or image manager changed.
//
// Re-bars. A bar whose owner is a re-bar (the system's re-bar control, window class "ReBarWindow32")
// is laid out afresh whenever its size is asked for; as a full-row bar it takes the re-bar's client
// width less 12; and after each layout the re-bar's band that holds the bar's window gets the bar's
// height as its minimum child height (and, for a full-row bar, its width as its minimum child width)
// through RB_GETBANDCOUNT, RB_GETBANDINFO and RB_SETBANDINFO.
//
// Mouse. A press on an enabled button (not while a command is being sent) updates its command state
// and presses it; while pressed the bar holds the capture, the button shows pressed only while the
// mouse is over it, and the owner's status line shows its prompt (WM_SETMESSAGESTRING); the release
// there sends WM_COMMAND to the owner with the process-wide in-command flag (IsInCommand) set around
// it, and the idle prompt comes back. A press elsewhere or on a disabled button drags the bar (the
// sizable bar's handling); a double click on an enabled button is a press, elsewhere it toggles
// docking. WM_CANCELMODE ends tracking and lets a pressed button go.
//
// Hot tracking (flat look, while the program has an active window, no window holds the capture, no
// command is being sent, no button is pressed and no button is tracked): the button under the cursor
// (the services' GetCursorPos and WindowFromPoint, then HitTest) is hot (SEC_TBBS_HOT) unless it is a
// separator or disabled; while one is, timer SEC_TIMER_HOTTRACK checks again every 100 ms.
//
// Tracking mode (the menu bar's keyboard and popups): SetTrackedButton marks one button (SEC_TBBS_HOT),
// notifies the owner SEC_TBN_TRACKSTART and clears the status line; EndTracking notifies
// SEC_TBN_TRACKEND and restores the idle prompt. A button that stops being tracked loses its pressed
// look too (a menu button is pressed while its popup is open). Trackable buttons are menu and icon menu buttons that
// are not hidden. A button's drop-down (BeginDropDownTracking) tracks it and notifies
// SEC_TBN_DROPDOWN; while its popup is open FilterTrackingMouse moves the tracking to the menu button
// under the mouse and drops it down, and a click on the tracked button notifies SEC_TBN_TRACKAGAIN.
// Notifications are WM_NOTIFY with an SECTBNOTIFY record (SECStdBtn.h): the bar's own (tracking start
// and end) carry index -1, a button's its index.
//
// Command update (on idle, OnUpdateCmdUI): every button that is not a separator gets an
// SECCustomToolCmdUI run through the frame's routing, disabled when no handler exists unless it has
// SEC_TBBS_NODISABLE. UpdateButton updates one button the same way against the bar's idle-update
// target, the owner frame (else the parent frame): that frame routes to its active child first, so a
// command the main frame handles is not disabled while a document window is active.
//
// Tooltips: the button under the mouse is the tool (its command id, the callback text: the text
// after '\n' of the command's string).
//
// Drawing: the sizable bar's borders (in the flat look one-pixel button-shadow lines on the CBRS_BORDER_*
// sides, the left one highlight with CBRS_BORDER_3D, and without a dock context a shadow line with a
// highlight line under it along the top) and gripper, then every visible button through the bar's
// drawing context. On WM_SYSCOLORCHANGE the dither brush is made again and the images reloaded.
//
// Removing: RemoveButton also removes a separator it leaves first, last or next to another; the
// separators of the button's row take the height of the row's tallest remaining button (5 when none is
// left); a user tool bar (ids 0xE820 to 0xE8FE) left empty destroys its window.
//
// Tool-bar manager (frames/SECToolBarManager.h). A bar made in a frame whose control-bar manager is an
// SECToolBarManager belongs to it (or is given one with SetManager before it is made): it takes the
// manager's button-class tables, image manager and drawing context, and tells the manager when it is
// made, shown, hidden or destroyed and when its customise selection changes. A released check box
// gives its state to the same command's buttons in every bar of the manager.
//
// Customising (with a manager: in customise mode, or with Alt held). A press on a button that may be
// dragged makes it the customise selection (in customise mode; a selected button is drawn with a drag
// frame, and a selection in one bar clears the one in another) and drags it: a hatched frame of the
// button's size follows the mouse (SECToolBarRectTracker), with the copy cursor while Ctrl is held.
// Escape or the right button give up and change nothing. The drop goes to the manager's bar the
// frame overlaps most, else to the tool bar under one of its corners (a floating frame's bar too),
// when that bar accepts it (AcceptsDrops; a bar with SEC_TBSTYLE_OWNBUTTONS takes no button of
// another bar, and no bar takes a button it would make of another class, such as a menu title); with
// Ctrl the button is copied there, else moved (DropButton). Dropped elsewhere over the main frame,
// nothing happens; outside it, with Ctrl a new user tool bar floats there holding a copy (its frame
// placed so that the button stays where it was dropped: the frame's top-left is the drop point less
// a tool window's frame and less the bar's border and the toolkit border), without Ctrl the button
// leaves its bar.
// DropButton (rectangle in the target's client coordinates, the rectangle the buttons are laid out
// in being the client less CalcInsideRect's borders): a frame wholly above that rectangle puts the
// button first, followed by a separator; wholly below, last after a separator. Otherwise the row is
// the first whose bottom reaches the frame's vertical middle and the button goes after the last button
// of that row that starts at or left of the frame's left edge (at the row's start when none does). A
// move within the bar that still overlaps the button's own place only regroups it: under 2 pixels
// sideways nothing; to the right a button that begins its group joins the next one (the separator
// after it goes, when it is alone in its group), otherwise a separator goes before it; to the left the
// separator before it goes, otherwise one goes after it unless it ends its group. A move to its own
// place does nothing, and the only button of a bar is not moved within it. Every other move, the new
// first or last group included, takes the button out of its old place (a user tool bar left empty by
// that goes). A separator at the insertion point that the frame covers entirely is removed. The
// button dropped is the customise selection in customise mode.
// While floating in customise mode a delayed hide happens at once (WM_NODELAYHIDE), since no idle
// layout runs while the customise sheet is open.
//
// Saved bars: GetBarInfoEx fills the record's SECCustomToolBarInfoEx (frames/SECCustomToolBarInfoEx.h)
// with the window text and the buttons (ids, 0 for separators, and their data), when the record's type
// id asks for one (a bar of a tool-bar manager); SetBarInfoEx makes the buttons again from it and takes
// its title when not empty.
#pragma once

#include "frames/SECControlBar.h"
#include "frames/SECStdBtn.h"

#include <memory>
#include <vector>

class SECBmpMgr;
class SECBtnDrawContext;
class SECCustomToolBar;
class SECToolBarManager;

// A bar that takes the whole row of its owner (the menu bar).
#define SEC_TBSTYLE_FULLROW 0x0080
// A bar that takes no button dragged from another bar (the bit is the sizable bar's
// SEC_CBRS_EX_CONTEXTMENU too).
#define SEC_TBSTYLE_OWNBUTTONS 0x0001

// The bar's timer of hot tracking.
#define SEC_TIMER_HOTTRACK 0xE002

// Notification codes of the bar and its buttons.
#define SEC_TBN_DROPDOWN   (-2120) // a button's drop-down begins: arguments the menu and the popup's position
#define SEC_TBN_TRACKAGAIN (-2121) // the tracked button was clicked again while its popup is open
#define SEC_TBN_TRACKSTART (-2122) // a button is tracked (sent by the bar, index -1)
#define SEC_TBN_TRACKEND   (-2123) // tracking ended (sent by the bar, index -1)

// An entry of a button-class table: the buttons of command nID are made of pClass, with style nStyle,
// and get the five words of creation data (SECStdBtn::Init). A table ends with an entry whose pClass is
// null.
struct SECBtnClassEntry {
    CRuntimeClass* pClass;
    UINT nID;
    UINT nStyle;
    UINT_PTR data[5];
};

// The command update of one button of a tool bar (m_pOther the bar, m_nIndex the button, m_nIndexMax
// the number of buttons).
class SECCustomToolCmdUI : public CCmdUI {
public:
    // Sets or clears TBBS_DISABLED.
    void Enable(BOOL bOn = TRUE) override;
    // TBBS_CHECKBOX with TBBS_CHECKED for 1 or TBBS_INDETERMINATE for 2 (neither for 0); other values
    // are refused with CInvalidArgException.
    void SetCheck(int nCheck = 1) override;
    // Buttons show no text: nothing.
    void SetText(LPCSTR lpszText) override;

private:
    // Sets the button's style to (style & ~nRemove) | nAdd.
    void ChangeStyle(UINT nRemove, UINT nAdd);
};

class SECCustomToolBar : public SECControlBar, public SECBtnHost {
    DECLARE_DYNCREATE(SECCustomToolBar)
    DECLARE_MESSAGE_MAP()
public:
    typedef std::vector<SECStdBtn*> SECBtnArray;

    // One row of a layout: the index (in the buttons laid out) of its last button, whether it ends at a
    // separator, its width (without that separator) and its height (its tallest button that is not a
    // separator).
    struct Row {
        int nLast;
        BOOL bSepWrap;
        int cx;
        int cy;
    };
    typedef std::vector<Row> RowArray;

    // Made without a window, with an image manager of its own.
    SECCustomToolBar();
    ~SECCustomToolBar() override;

    // ---- creation ----------------------------------------------------------------------------------

    // CreateEx with tool-bar style 0.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCSTR lpszTitle = nullptr);
    // Makes the bar window in pParentWnd: dwToolBarStyle the toolkit style word (SEC_TBSTYLE_*, plus
    // SEC_CBRS_EX_GRIPPER...), dwStyle the window style with the CBRS_* bits, nID its id, lpszTitle its
    // title (may be null). FALSE when no window was made.
    virtual BOOL CreateEx(DWORD dwToolBarStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCSTR lpszTitle = nullptr);
    // The sizable bar's creation (and so its Create) makes a tool bar the same way; the window style
    // gains CBRS_HIDE_INPLACE (0x8) and the toolkit style SEC_CBRS_EX_FIXEDSIZE.
    BOOL CreateEx(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                  const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext = nullptr) override;
    using SECControlBar::Create;

    // Sets the toolkit style word (SEC_CBRS_EX_FIXEDSIZE stays); a change lays the bar out again.
    void SetExBarStyle(DWORD dwExStyle, BOOL bRedraw = TRUE) override;

    // ---- content -----------------------------------------------------------------------------------

    // Loads the tool-bar resource (name or MAKEINTRESOURCE id) and its bitmap into the image manager,
    // then makes the buttons of its id list (SetButtons). FALSE, leaving the bar as it was, when the
    // resource or its bitmap cannot be loaded.
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource);
    // Replaces the buttons by one per id (0: a separator, unless a button-class table names id 0) of
    // lpIDArray[0 .. nIDCount); null or a count of 0 only empties the bar; a negative count is refused
    // with CInvalidArgException. Clears the customise selection. Returns TRUE.
    virtual BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    // Makes the button of command nID: of the last entry for nID in the second button-class table,
    // else the first, with its style and creation data; else a plain SECStdBtn. It gets the image of its
    // command (menu buttons none) and the bar's orientation. Null when the entry's class cannot be
    // made or is no SECStdBtn.
    virtual SECStdBtn* CreateButton(UINT nID);
    // A separator: id 0, the separator width, a button high.
    virtual SECStdBtn* CreateSeparator();
    // Inserts a button of command nID (bSeparator: a separator) at nIndex (cut to [0, count]); the
    // separators of its row and the new button take the row's tallest height; the most recently used
    // width grows by the button; the customise selection and the hot button move with the buttons
    // after it; the button's command state is updated; unless bNoRelayout the frame lays out and the bar
    // repaints. FALSE when no button could be made.
    virtual BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator = FALSE, BOOL bNoRelayout = FALSE);
    // Removes and deletes the button at nIndex (see the top of this file). With bNoRelayout returns
    // whether buttons remain; otherwise destroys an emptied user tool bar (FALSE), else lays the frame
    // out, repaints and returns whether buttons remain. FALSE for an index out of range.
    virtual BOOL RemoveButton(int nIndex, BOOL bNoRelayout = FALSE);
    // Deletes every button.
    virtual void RemoveAllButtons();

    int GetBtnCount() const { return int(m_btns.size()); }
    // The button at nIndex; null out of range.
    SECStdBtn* GetBtn(int nIndex) const;
    // The style of the button at nIndex; 0 out of range.
    UINT GetButtonStyle(int nIndex) const;
    // Sets the style of the button at nIndex, repainting it when it changed (a change of TBBS_HIDDEN
    // lays the bar out again). Nothing out of range.
    void SetButtonStyle(int nIndex, UINT nStyle);
    // The rectangle of the button at nIndex in the bar's client area; empty out of range.
    CRect GetItemRect(int nIndex) const;

    // Shares pBmpMgr (not null) instead of the bar's image manager: a reference is taken on it and the
    // old one's is given up.
    void SetBmpMgr(SECBmpMgr* pBmpMgr);
    // The button-class tables (may be null) that CreateButton consults.
    void SetBtnClassTables(const SECBtnClassEntry* pTable1, const SECBtnClassEntry* pTable2);
    // The font of button texts (null: the default GUI font).
    void SetBtnFont(HFONT hFont);
    // Customise mode while pCustomizeWnd is not null; a change clears the customise selection and
    // repaints.
    void SetCustomizeMode(CWnd* pCustomizeWnd);
    // The button selected for customising (-1: none) (see the top of this file). The manager is told.
    void SelectCustomizeButton(int nIndex);
    int GetCustomizeButton() const { return m_nCustomizeSel; }
    // Makes every button compute its size again (after the image size changed) and lays out anew.
    virtual void ResizeButtons();
    // The separator width (8) and height (a button's).
    int GetSepWidth() const { return m_nSepWidth; }
    int GetSepHeight() const { return GetBtnHeight(); }
    BOOL IsFlatLook() const { return (m_dwExStyle & SEC_TBSTYLE_FLAT) != 0; }
    // TRUE while a tool bar sends a button's command or drop-down notification.
    static BOOL IsInCommand();

    // ---- tool-bar manager and customising (see the top of this file) -------------------------------

    // Joins pManager (null: none): the manager's tables, images and drawing context, customise mode,
    // and the manager as type provider. Set it before the window is made to have the manager told.
    void SetManager(SECToolBarManager* pManager);
    SECToolBarManager* GetManager() const { return m_pManager; }
    // Drags the button at nIndex from point (client coordinates) and drops it.
    virtual void DragButton(int nIndex, CPoint point);
    // Puts a copy (bCopy) of pBtn (a button of a tool bar), or the button itself, where rect (client
    // coordinates) was dropped. TRUE when the buttons changed.
    virtual BOOL DropButton(const CRect& rect, SECStdBtn* pBtn, BOOL bCopy);
    // Whether the bar takes dropped buttons at all (TRUE).
    virtual BOOL AcceptsDrops() const { return TRUE; }
    // Whether the bar takes pBtn dragged from pSrcBar: AcceptsDrops, SEC_TBSTYLE_OWNBUTTONS, and the
    // class it would make for the command (see the top of this file).
    BOOL AcceptsDrop(const SECCustomToolBar* pSrcBar, const SECStdBtn* pBtn) const;
    // TRUE while Ctrl is down (the services' key state).
    virtual BOOL IsCtrlDown() const;
    // A floating bar hides at once in customise mode (see the top of this file).
    void DelayShow(BOOL bShow) override;

    // ---- saved bars --------------------------------------------------------------------------------

    void GetBarInfoEx(SECControlBarInfo* pInfo) override;
    void SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame) override;

    // ---- layout ------------------------------------------------------------------------------------

    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // CalcDynamicLayout(-1, ...) docked horizontally or vertically.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The index of the button under point (client coordinates), its rectangle in *pRect (may be null);
    // -1 over a separator, a hidden button or no button.
    virtual int HitTest(CPoint point, CRect* pRect = nullptr) const;

    // ---- tracking mode -----------------------------------------------------------------------------

    // Tracks the button at nIndex (-1: none) (see the top of this file).
    virtual void SetTrackedButton(int nIndex);
    // Ends tracking (see the top of this file).
    virtual void EndTracking();
    // Ends tracking when it is on.
    virtual void CancelTracking();
    BOOL IsTracking() const { return m_bTracking; }
    int GetTrackedButton() const { return m_nTrackedBtn; }
    // The first / last trackable button; -1 when none.
    virtual int FirstTrackableButton() const;
    virtual int LastTrackableButton() const;
    // The next (bNext) or previous trackable button from nFrom (-1: from the start or the end); -1
    // when none is left.
    virtual int NextTrackableButton(int nFrom, BOOL bNext) const;
    // TRUE for a button that tracking may move to.
    BOOL IsTrackable(int nIndex) const;
    // A mouse message (screen point in msg.pt) seen while a popup of the bar is open (see the top of
    // this file). TRUE when the bar took it.
    virtual BOOL FilterTrackingMouse(const MSG& msg);

    // ---- command update ----------------------------------------------------------------------------

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Updates the command state of the button at nIndex now (see the top of this file).
    virtual void UpdateButton(int nIndex);

    // ---- drawing and tooltips ----------------------------------------------------------------------

    void DoPaint(CDC* pDC) override;
    void DrawBorders(CDC* pDC, CRect& rect) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

    // ---- what the buttons ask of the bar (SECBtnHost) ----------------------------------------------

    CWnd* GetBarWnd() const override;
    SECBmpMgr* GetBmpMgr() const override { return m_pBmpMgr; }
    int GetImgWidth() const override;
    int GetImgHeight() const override;
    int GetBtnWidth() const override { return GetImgWidth() + 7; }
    int GetBtnHeight() const override { return GetImgHeight() + 7; }
    DWORD GetToolBarStyle() const override { return m_dwExStyle; }
    HFONT GetBtnFont() const override { return m_hFont; }
    BOOL InCustomizeMode() const override { return m_pCustomizeWnd != nullptr; }
    int GetBtnIndex(const SECStdBtn* pBtn) const override;
    void RaiseMaxBtnWidth(int cx) override;
    void SetInCommand(BOOL bInCommand) override;
    void RefreshHotBtn() override { UpdateHotButton(); }
    void BeginDropDownTracking(SECStdBtn* pBtn, UINT_PTR nMenu, int nPos) override;
    void InformBtns(UINT nID, UINT nBits, UINT nMask) override;

protected:
    // The three kinds of layout, each with its kept size.
    enum LayoutKind { kindHorz = 0, kindVert = 1, kindFloat = 2 };
    // A computed layout: the rows, where each laid-out button goes, the size and the wrap width.
    struct Layout {
        SECBtnArray btns;
        RowArray rows;
        std::vector<CPoint> positions;
        CSize size;
        int nWrapWidth = 0;
    };

    // Splits btns into rows at nWidth (see the top of this file).
    virtual void WrapButtons(const SECBtnArray& btns, int nWidth, RowArray& rows) const;
    // The rows of btns for nLength: horizontal, or (bVert) the fit-to-height layout; balanced. Returns
    // the width wrapped at.
    virtual int CalcLayout(const SECBtnArray& btns, int nLength, BOOL bVert, RowArray& rows) const;
    // Evens out rows (see the top of this file).
    virtual void BalanceRows(const SECBtnArray& btns, RowArray& rows) const;
    // The size of rows (without the bar's borders).
    CSize SizeOfRows(const RowArray& rows) const;
    // Lays out the visible buttons for nLength in mode dwMode (see the top of this file).
    Layout ComputeLayout(int nLength, DWORD dwMode) const;
    // Gives the buttons of layout their places and wrapped flags.
    void ApplyLayout(const Layout& layout);
    // The kind of a layout mode, and the bar's present kind.
    static LayoutKind KindOf(DWORD dwMode);
    LayoutKind GetPresentKind() const;
    // Every kind must be laid out again.
    void SetLayoutsDirty();
    // The last entry for nID in the second button-class table, else the first (the manager's tables
    // with a manager); null when none.
    virtual const SECBtnClassEntry* FindClassEntry(UINT nID) const;
    // The class CreateButton makes for nID.
    CRuntimeClass* ButtonClassOf(UINT nID) const;
    // Removes the button at nIndex and what RemoveButton removes with it, without a layout; the
    // indices that went, highest first.
    std::vector<int> RemoveEntries(int nIndex);
    // The index DropButton inserts at for rect (see the top of this file).
    int DropIndex(const CRect& rect) const;
    // Regroups the button at nIndex moved nShift pixels sideways (see the top of this file). TRUE when
    // the buttons changed.
    BOOL RegroupButton(int nIndex, int nShift);
    // The buttons changed by a drop: pBtn (may be null) becomes the customise selection in customise
    // mode, and the bar lays out.
    virtual void OnButtonsDropped(SECStdBtn* pBtn);
    // Tells the manager (when there is one) of a change (SEC_BARNOTIFY_*).
    void NotifyManager(int nCode);
    // TRUE when a press on a button drags it: the bar has a manager and is in customise mode, or Alt is
    // held.
    BOOL PressDragsButton() const;
    // A full-row bar takes its owner's width again at the next layout (not while a dock context drags).
    virtual void StretchToParent();
    // The full length of a full-row bar: the owner's client width, or docked at a side, the height of
    // the frame's left or right dock bar.
    int GetFullRowLength(BOOL bHorz) const;
    // TRUE when the bar's owner is a re-bar control (see the top of this file).
    BOOL IsOwnerReBar() const;
    // Gives the owning re-bar's band that holds the bar's window the bar's size as its minimum child
    // size (see the top of this file); nothing when the owner is no re-bar or no band holds the bar.
    virtual void UpdateReBarBand(CSize size);

    // A row of the buttons as laid out (by TBBS_WRAPPED): its first and last index and the bottom of its
    // visible buttons (INT_MIN when none is visible).
    struct RowSpan {
        int nFirst;
        int nLast;
        int nBottom;
    };
    std::vector<RowSpan> GetRowSpans() const;
    // The first and last index of the row (by TBBS_WRAPPED) holding the button at nIndex.
    void GetRowRange(int nIndex, int& nFirst, int& nLast) const;
    // The tallest button that is not a separator among [nFirst, nLast]; 0 when none.
    int TallestInRange(int nFirst, int nLast) const;
    // Sets the height of the separators among [nFirst, nLast].
    void SetSeparatorHeights(int nFirst, int nLast, int cy);
    // Lays the frame out and repaints.
    void Relayout();
    // The frame (the owner frame, else the parent frame) whose routing updates the buttons.
    CFrameWnd* GetUpdateTarget() const;
    // Sends the owner the status prompt nID (0: clears the line).
    void SetStatusPrompt(UINT nID);
    // Sends the owner a notification of the bar (index -1).
    void NotifyOwner(int nCode);
    // Makes the button at nIndex hot (-1: none), starting or stopping the hot-tracking timer.
    void SetHotButton(int nIndex);
    // Finds the hot button again (see the top of this file).
    void UpdateHotButton();
    // The tracked button loses its tracked and pressed look; none is tracked.
    void ReleaseTrackedButton();
    // Lets a pressed button go (its press cancelled, the idle prompt back).
    void CancelPressedButton();
    // The bar's drawing context, made on first use.
    SECBtnDrawContext& GetDrawContext();
    // Presses the button at nIndex (see the top of this file).
    void PressButton(int nIndex, CPoint point);

    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSysColorChange();
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnNoDelayHide(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAddButtons(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteButton(WPARAM wParam, LPARAM lParam);

    SECToolBarManager* m_pManager; // null: none
    SECBmpMgr* m_pBmpMgr;       // one reference held
    int m_nSepWidth;            // 8
    int m_nCustomizeSel;        // the button selected for customising (-1: none)
    int m_nHotBtn;              // the hot button (-1: none)
    int m_nTrackedBtn;          // the tracked button (-1: none)
    int m_nPressedBtn;          // the button pressed with the mouse (-1: none)
    CWnd* m_pCustomizeWnd;      // not null in customise mode
    std::unique_ptr<SECBtnDrawContext> m_pDrawContext; // the bar's own (a manager's bar uses the manager's)
    UINT m_nOrientation;        // the bar style's CBRS_ALIGN_LEFT or CBRS_ALIGN_RIGHT, handed to buttons
    BOOL m_bDirty[3];           // by LayoutKind: laid out again when asked
    CSize m_sizeLayout[3];      // the committed size by LayoutKind
    HFONT m_hFont;              // the default GUI font unless set
    const SECBtnClassEntry* m_pBtnTable1; // the bar's own (a manager's bar uses the manager's)
    const SECBtnClassEntry* m_pBtnTable2;
    BOOL m_bTracking;
    int m_nMaxBtnWidth;         // the widest button the size computations saw
    SECBtnArray m_btns;         // owned
};
