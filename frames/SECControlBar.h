// SECControlBar: the toolkit's sizable bar. The application's panes, and the toolkit's tool bars and
// status bar, derive from it. It keeps, beside the class library's bar style, a toolkit bar style word
// (SEC_CBRS_EX_* below), remembers its most recently used size for each way of docking, draws a
// gripper with a hide box and an expand arrow, offers a context menu and can lay its child windows out
// in proportion to its size.
//
// Window. The whole window is the client area: the bar draws its borders and gripper itself, around
// the inside rectangle (GetInsideRect) where its children belong. A bar counts as docked when its bar
// style has an alignment bit and no CBRS_FLOATING.
//
// Geometry (SECGripperInfo gives the numbers; a pane's gripper is 17 pixels across, inset 3):
// - Inside rectangle: the client rectangle less, while the gripper (SEC_CBRS_EX_GRIPPER) shows (the bar
//   is not floating), the gripper across the left side of a bar aligned top or bottom, else across the
//   top, and the inset at both ends along it; otherwise, with SEC_CBRS_EX_MARGINS, the inner margins
//   (10 on every side) all round.
// - Gripper: that strip less the inset at both ends. The hide box (SEC_CBRS_EX_HIDEBUTTON) and then
//   the expand arrow (SEC_CBRS_EX_EXPANDBUTTON) sit at its right end (a gripper across the top) or top
//   end (across the left side), each a square of the gripper's size less its two outer gaps plus 4
//   (11), 2 pixels inside the gripper's edge; each takes its size plus 2 off the gripper. Two raised
//   lines fill the rest, at the offsets the gripper info gives (4 and 8, 3 pixels thick). The hide box
//   is drawn as a caption close box, the arrow as a scroll arrow (one pixel larger to the left and top):
//   along a horizontal row pointing left while the bar may expand and right when it is expanded, along a
//   vertical row up and down; inactive while the bar cannot expand; pushed while pressed.
// - Child area (WM_SIZE): with the gripper shown, the client less the gripper and the inset on the
//   other three sides (a bar aligned top: from (17, 3), 20 narrower and 6 lower); otherwise, with
//   SEC_CBRS_EX_MARGINS, the client less the margins. With SEC_CBRS_EX_PROPLAYOUT every child recorded
//   (see below) moves to its recorded rectangle scaled by the child area's size over the client size
//   recorded, placed at the child area's top-left; with SEC_CBRS_EX_STRETCHCHILD instead, the first
//   child takes the child area. Moves keep the z-order, activate nothing and skip redrawing while the
//   toolkit's no-redraw switch is on (g_bSECNoRedraw).
// - Proportional-layout record: the client rectangle and every child's rectangle, taken when the bar
//   is made with SEC_CBRS_EX_PROPLAYOUT and whenever that bit is switched on; a record taken while the
//   client was empty (a bar made with an empty rectangle) is taken again at the first WM_SIZE with a
//   positive size instead of scaling by zero.
// - CalcInsideRect (the class library's layout): without SEC_CBRS_EX_OWNBORDERS the class library's
//   rule; with it one pixel per CBRS_BORDER_* side, then the class library's border widths, except
//   that the gripper's side loses the gripper's size while the gripper shows.
//
// Drawing (DoPaint, colours from the toolkit's drawing values): DrawBorders, then DrawGripper. Borders
// (when the bar style names any CBRS_BORDER_* side): with SEC_CBRS_EX_OWNBORDERS each bordered side
// only shrinks by one pixel; otherwise an outer line on each bordered side (button shadow with
// SEC_CBRS_EX_INFIXEDROW, else button face), with CBRS_BORDER_3D an inner line (highlight with that bit,
// else face), full length on a bar aligned top or bottom, else 2 pixels short at the start and 3 at the
// end; then each bordered side shrinks by the toolkit's border width (2). WM_ERASEBKGND fills the
// strips between the client and the inside rectangle with the button face colour (with
// SEC_CBRS_EX_MARGINS), then erases as the window class does. After the borders and the gripper, the
// window m_pWndRepaintAfterBorders names (null: none) is repainted at once, with its children: one whose
// drawing the bar's borders cover; the bar itself or a window that holds it is never repainted so,
// which would paint the bar again without end.
//
// Layout: CalcFixedLayout answers the most recently used horizontal-dock size for a horizontal bar,
// the vertical-dock size otherwise. CalcDynamicLayout with LM_COMMIT first stores the length (times
// the row fraction, to the nearest pixel, when LM_STRETCH is given) as the width, or with LM_LENGTHY the height, of the
// horizontal-dock (LM_HORZDOCK), vertical-dock (LM_VERTDOCK) or floating size; a floating width also
// becomes the class library's most recently used width. It answers CalcFixedLayout for the docked
// modes and the floating size otherwise. The three sizes are set to the toolkit's default (300 by
// 180) when the window is made.
// With SEC_LM_MINSIZE, CalcDynamicLayout commits nothing and answers the least size at which the bar,
// docked as it is, still shows what it holds, for the dock bar's rows (measured, never a fixed count):
// - across (cx), the client less the inside rectangle (the gripper, the inset or the margins): along
//   a row of a top or bottom dock bar the children stretch with the bar's width;
// - down (cy), the same frame plus, without SEC_CBRS_EX_PROPLAYOUT (whose children scale with the
//   bar), the visible children as they stand from the top of the inside rectangle (or from the highest
//   child when that is higher, as just after the bar changed sides): a list view, tree view or list box
//   down to one line of it (its frame, a report list's header, its first line, and the horizontal
//   scroll bar it shows at that height: when its columns are wider than what it shows of them beside a
//   vertical scroll bar, or, for a tree or list box, when it shows one now); the child that
//   SEC_CBRS_EX_STRETCHCHILD stretches, when it is no list, down to its top; any other child down to
//   its bottom. So a pane with a caption, a row of controls and a list under them keeps the caption,
//   the row and the list's first line.
//
// Mouse: a press inside the hide box of a docked bar (MayHide) or inside the expand arrow of a docked
// bar that can expand (MayExpand) shows it pushed and captures the mouse; releasing inside the pushed
// hide box sends ID_SEC_HIDE to the bar, which hides it through its frame's ShowControlBar without
// delay and gives the focus to the frame's active frame; releasing inside the pushed arrow asks the
// SECDockBar to expand the bar in its row (while m_bExpandable) or contract the row; releasing
// elsewhere draws the box normal again. A press elsewhere in a docked bar, or in one floating in a
// CMiniDockFrameWnd, starts the dock context's drag; a double click there toggles docking; a double
// click on a box is ignored. The arrow's state follows the dock bar: m_bExpandable while the bar is not
// expanded, m_bCanExpand while it is not alone in its row.
//
// Docking: EnableDocking makes an SECDockContext. The bar's row fraction is kept in m_fSavedPctWidth
// while it floats after a double click or in the main window (ID_SEC_FLOATINMAINWINDOW toggles that
// through the dock context).
//
// Tooltips (CBRS_TOOLTIPS): the class library's tools of child windows first; else, on a docked bar,
// tool 1024 over the hide box ("Hide docked window") and tool 2048 over the arrow ("Expand docked
// window" while the bar may expand, else "Contract docked window").
//
// Context menu (SEC_CBRS_EX_CONTEXTMENU): "Allow Docking" (ID_SEC_ALLOWDOCKING, checked while some
// alignment is allowed) and "Hide" (ID_SEC_HIDE); then OnExtendContextMenu; then SEC_WM_BARCONTEXTMENU
// goes to the dock site with the bar and the menu; tracked with the right button at the mouse, or,
// opened from the keyboard, at a quarter of the client width and 10 pixels down. "Allow Docking" with
// some alignment allowed remembers the alignments and allows none; without, it allows the remembered
// ones again; a docked bar first floats through its dock context.
//
// Notification hooks: the docking frame calls the Begin and End hooks around docking the bar, floating
// it in a floating frame and floating it in the main window; each Begin hook calls its middle hook
// (OnBarDock, OnBarFloat, OnBarMDIFloat). All do nothing here; derived bars override them.
//
// Saved layouts (frames/SECDockState.h): GetBarInfo fills the class library's record and, for an
// SECControlBarInfo, the three sizes, the remembered and the allowed alignments, the fraction, the bar
// and toolkit styles, the type id (from m_pTypeIDProvider, 0 without one), the dock context's
// previous-floating flag, the class name and the window text, then GetBarInfoEx; SetBarInfo the reverse
// (SetBarInfoEx when the record has an extension record), then the class library's position and
// visibility. SetExBarStyle gives a bar floating in a floating frame a sizing border while it is sizable
// (no SEC_CBRS_EX_FIXEDSIZE) and the thin frame otherwise.
#pragma once

#include "frames/SECToolkitRes.h"
#include "win/CControlBar.h"

#include <vector>

class CMenu;
class SECControlBarInfo;
class SECControlBarManager;

// Bits of the toolkit bar style word (the application's panes use 0x0F10).
#define SEC_CBRS_EX_CONTEXTMENU  0x0001 // the bar shows its context menu on WM_CONTEXTMENU
#define SEC_CBRS_EX_PROPLAYOUT   0x0002 // children keep their proportions when the bar is sized
#define SEC_CBRS_EX_FIXEDSIZE    0x0004 // laid out by its fixed size, like a tool bar, never by a fraction
#define SEC_CBRS_EX_INFIXEDROW   0x0008 // set by the dock bar while the bar sits in a row of fixed-size bars
#define SEC_CBRS_EX_MARGINS      0x0010 // the inner margins apply
#define SEC_CBRS_EX_MDIFLOAT     0x0020 // the frame may offer "Float In Main Window"
#define SEC_CBRS_EX_STRETCHCHILD 0x0040 // the first child is stretched over the inside area
#define SEC_CBRS_EX_FULLROW      0x0080 // the bar takes a dock-bar row of its own
#define SEC_CBRS_EX_OWNBORDERS   0x0100 // the bar draws its own border lines (see CalcInsideRect)
#define SEC_CBRS_EX_GRIPPER      0x0200 // a gripper while docked
#define SEC_CBRS_EX_HIDEBUTTON   0x0400 // a hide box on the gripper
#define SEC_CBRS_EX_EXPANDBUTTON 0x0800 // an expand arrow on the gripper

// A mode bit of CalcDynamicLayout beside the class library's LM_* bits: the bar's least size (see the
// top of this file); nothing is committed.
#define SEC_LM_MINSIZE 0x8000

// The geometry of a gripper and the tooltips of its buttons.
class SECGripperInfo : public CObject {
    DECLARE_DYNAMIC(SECGripperInfo)
public:
    // Five widths across a vertical gripper (gap, first line, space, second line, gap: 4, 3, 1, 3, 6),
    // the same five heights across a horizontal one, the inset along it (3), and the three tooltips
    // loaded from the toolkit's string table.
    SECGripperInfo();

    int m_cxVert[5];
    int m_cyHorz[5];
    int m_nInset;
    CString m_strHideTip;
    CString m_strExpandTip;
    CString m_strContractTip;

    // The width of a vertical gripper / the height of a horizontal one: the sum of its five values.
    virtual int GetVertGripperWidth() const;
    virtual int GetHorzGripperHeight() const;
};

class SECControlBar : public CControlBar {
    DECLARE_DYNCREATE(SECControlBar)
    DECLARE_MESSAGE_MAP()
public:
    SECControlBar();
    ~SECControlBar() override;

    // ---- creation --------------------------------------------------------------------------------

    // CreateEx with no class name (the class library's bar class) and an empty rectangle.
    virtual BOOL Create(CWnd* pParentWnd, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                        CCreateContext* pContext = nullptr);
    // Makes the bar window: lpszClassName null for the class library's bar class; dwStyle the window
    // style with the CBRS_* bits (the bar style is dwStyle & CBRS_ALL); dwExStyle the toolkit bar style;
    // rect in pParentWnd's client coordinates. Takes the proportional-layout record (with
    // SEC_CBRS_EX_PROPLAYOUT), sets the three most recently used sizes to the toolkit's default and
    // switches tooltips on. FALSE when no window was made.
    virtual BOOL CreateEx(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                          const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext = nullptr);

    // ---- toolkit bar style -------------------------------------------------------------------------

    DWORD GetExBarStyle() const { return m_dwExStyle; }
    // Sets the toolkit bar style: switching SEC_CBRS_EX_PROPLAYOUT on takes a new proportional-layout
    // record, switching it off drops the record; with bRedraw a change recalculates the window's frame.
    virtual void SetExBarStyle(DWORD dwExStyle, BOOL bRedraw = TRUE);
    // SetExBarStyle((old & ~dwRemove) | dwAdd, bRedraw).
    virtual void ModifyExBarStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    // Gives the floating frame of a bar floating alone in one the border its toolkit style asks for (see
    // the top of this file).
    void UpdateFloatingFrameBorder();

    // ---- geometry and layout -----------------------------------------------------------------------

    // TRUE while the bar style has an alignment bit and no CBRS_FLOATING.
    BOOL IsDocked() const;
    // The rectangle the bar's children belong in (client coordinates; see the top of this file).
    virtual void GetInsideRect(CRect& rect) const;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;

    // ---- drawing -----------------------------------------------------------------------------------

    void DrawBorders(CDC* pDC, CRect& rect) override;
    // Draws the toolkit's gripper with its buttons in rect (the client rectangle) while it shows; a
    // bar without SEC_CBRS_EX_GRIPPER draws the class library's gripper.
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    // Borders, then gripper, over the client rectangle.
    void DoPaint(CDC* pDC) override;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

    // ---- saved layouts (see the top of this file) --------------------------------------------------

    void GetBarInfo(CControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrame) override;
    // The last step of GetBarInfo, and SetBarInfo's step for a record with an extension record.
    // Nothing here.
    virtual void GetBarInfoEx(SECControlBarInfo* pInfo);
    virtual void SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrame);
    // The object asked for the type id a saved layout keeps with the bar (null: none, the id is 0).
    SECControlBarManager* m_pTypeIDProvider;

    // ---- notification hooks (see the top of this file) -------------------------------------------

    virtual void OnBarBeginDock();
    virtual void OnBarDock();
    virtual void OnBarEndDock();
    virtual void OnBarBeginFloat();
    virtual void OnBarFloat();
    virtual void OnBarEndFloat();
    virtual void OnBarBeginMDIFloat();
    virtual void OnBarMDIFloat();
    virtual void OnBarEndMDIFloat();

    // ---- state the dock bar and the dock context keep --------------------------------------------

    CSize m_szDockHorz;         // most recently used size docked at the top or bottom (set when made)
    CSize m_szDockVert;         // ... docked at the left or right
    CSize m_szFloat;            // ... floating
    DWORD m_dwMRUDockingState;  // the alignments "Allow Docking" last switched off (0 at start)
    float m_fPctWidth;          // the bar's share of its dock-bar row (1.0 at start)
    float m_fSavedPctWidth;     // the share kept while the bar floats (1.0 at start)
    CRect m_rcMargins;          // the inner margins (10 on every side)
    SECGripperInfo m_gripperInfo;
    BOOL m_bCanExpand;          // FALSE while the bar is alone in its row (TRUE at start)
    BOOL m_bExpandable;         // TRUE: the next click on the arrow expands (TRUE at start)
    BOOL m_bRowHorz;            // the bar's row is horizontal (TRUE at start)
    CWnd* m_pWndRepaintAfterBorders; // repainted after the borders are drawn (null: none)

protected:
    // The queries of the gripper's buttons. Both answer TRUE here.
    virtual BOOL MayHide() const;
    virtual BOOL MayExpand() const;
    // Lets a derived bar add items to its context menu. Nothing here.
    virtual void OnExtendContextMenu(CMenu* pMenu);
    // An SECDockContext.
    CDockContext* CreateDockContext() override;
    // TRUE while the bar is docked or floats in a floating frame (where presses drag it).
    BOOL IsDraggable() const;

    // The gripper's rectangle for the client rectangle rect, before the buttons take their part.
    CRect CalcGripperRect(const CRect& rect) const;
    // The five values across the gripper the bar shows (one down the left side: the vertical
    // gripper's widths) and their sum.
    const int* GripperAcross() const;
    int GripperThickness() const;
    // The side of the gripper's square buttons.
    int GetGripperButtonSize() const;
    // The hide box / the expand arrow at the end of rectGripper, which loses the button's part.
    virtual CRect PlaceHideButton(CRect& rectGripper) const;
    virtual CRect PlaceExpandButton(CRect& rectGripper) const;
    virtual void DrawHideButton(CDC* pDC);
    virtual void DrawExpandButton(CDC* pDC);
    // Brings the row flag in line with the bar's alignment; the dock bar decides the other two flags.
    virtual void UpdateExpandState();

    // Takes the proportional-layout record of the client and the children as they are now.
    void RecordLayout();
    // The inside rectangle of the client rectangle rectClient (see the top of this file).
    CRect InsideOf(const CRect& rectClient) const;
    // The child area of WM_SIZE for a client of cx by cy (see the top of this file).
    CRect CalcChildArea(int cx, int cy) const;
    // CalcDynamicLayout's answer for SEC_LM_MINSIZE (see the top of this file).
    CSize CalcMinSize() const;
    // The frame that shows and hides the bar: its dock site, else its parent frame.
    CFrameWnd* GetBarFrame() const;
    // For WM_WINDOWPOSCHANGING: a bar with CBRS_SIZE_DYNAMIC that takes another size is repainted whole
    // (what it holds is laid out anew).
    void InvalidateIfResized(const WINDOWPOS* lpWndPos);

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    afx_msg void OnHide();
    afx_msg void OnAllowDocking();
    afx_msg void OnFloatInMainWindow();

    DWORD m_dwExStyle;       // the toolkit bar style
    CRect m_rectHideBtn;     // the hide box, empty while not shown (client coordinates)
    CRect m_rectExpandBtn;   // the expand arrow, likewise
    BOOL m_bHidePressed;
    BOOL m_bExpandPressed;

    // The proportional-layout record: the client rectangle, then each child with its rectangle.
    struct LayoutEntry {
        HWND hWnd;
        CRect rect;
    };
    std::vector<LayoutEntry> m_layout;

private:
    // The hide box and the expand arrow for the client rectangle rectClient (empty when not shown);
    // returns what the buttons leave of the gripper for its lines (empty while no gripper shows).
    CRect CalcGripperButtons(const CRect& rectClient, CRect& rectHide, CRect& rectExpand) const;
    // CalcGripperButtons into the bar's button rectangles, then the expand state; for the client
    // rectangle rectClient, or the current one.
    CRect LayoutGripper(const CRect& rectClient);
    CRect LayoutGripper();
    // Draws the button rectangle rect again now (pushed or normal by its flag).
    void RedrawButton(const CRect& rect);
    // Lets go of a pushed button, drawn normal again.
    void ReleasePressedButtons();
};

// The smallest control id from nStart up that no control bar of pFrame uses; 0 when the 1000 ids
// from nStart are all taken.
UINT NextFreeBarId(CFrameWnd* pFrame, UINT nStart);
