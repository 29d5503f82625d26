// CControlBar: the base of the bars a frame lays out along its edges (tool bars, status bars, dock
// bars, the toolkit's sizable bars).
//
// Bar style. The CBRS_* bits below are kept in the bar's own style word (GetBarStyle), not in the
// window style: Create takes them out of the window style it is given (dwStyle & CBRS_ALL) and
// makes the window with the rest. Every CBRS_* bit lies inside CBRS_ALL (0x0040FFFF). The
// application's bars decode as follows: 0x1414 left-aligned, right border, tooltips, dynamic size;
// 0x2800 top-aligned, bottom border; 0x8200 bottom-aligned, top border; 0x2804 top-aligned, bottom
// border, dynamic size.
//
// Layout. The frame's RecalcLayout sends every child WM_SIZEPARENT (win/CWnd.h, RepositionBars). A
// visible bar asks CalcDynamicLayout(-1, mode) for its size, where mode is LM_STRETCH when the layout
// stretches bars, plus LM_HORZ | LM_MRUWIDTH for a floating bar with CBRS_SIZE_DYNAMIC, else LM_HORZ |
// LM_HORZDOCK for a bar aligned top or bottom, else LM_VERTDOCK. The size is cut to the room left; a
// top (bottom, left, right) bar takes that much off the top (bottom, left, right) of the layout's
// rectangle, adds it to the total size, and moves itself there through the layout's deferred moves.
// A bar without an alignment bit takes nothing. The base CalcDynamicLayout answers CalcFixedLayout(
// stretch, horizontal), whose base answers 32767 along a stretched edge and 0 otherwise.
//
// Delayed show and hide: DelayShow records the wish (IsVisible answers it at once); the bar is shown
// or hidden by the next WM_SIZEPARENT, that is by the frame's next layout (ShowControlBar with delay
// asks for one on idle).
//
// Borders: CalcInsideRect takes off 2 pixels for each CBRS_BORDER_* side, then the bar's border
// widths (left/right 6, top/bottom 2 unless SetBorders changes them; for a vertical bar the widths
// turn with it), then 7 pixels of gripper at the start (left for a horizontal bar, top for a vertical
// one) when CBRS_GRIPPER is set and the bar is not floating. WM_NCCALCSIZE keeps exactly that as the
// non-client area; WM_NCPAINT draws it: DrawBorders (each bordered side a 2-pixel band: a
// button-shadow line outside, then a button-highlight line with CBRS_BORDER_3D or a button-face line
// without), then WM_ERASEBKGND on the rest of the non-client area, then the gripper (a raised line).
// WM_PAINT calls DoPaint with a paint DC; the base draws nothing there.
//
// Commands. A bar passes WM_COMMAND, WM_NOTIFY and the owner-draw messages it does not handle on to
// its owner (SetOwner, else its parent). On idle (WM_IDLEUPDATECMDUI) a visible bar calls
// OnUpdateCmdUI with its owner frame (else its parent frame) and the "disable when no handler" flag,
// so its items are updated through that frame's command routing.
//
// A bar whose parent is a frame enters that frame's bar list when its window is made (the frame
// becomes its dock site) and leaves it when the window goes. With SetAutoDelete(TRUE) the object
// deletes itself after its window is gone (for bars made with new).
//
// Docking (win/CDockBar.h, win/CDockContext.h, CFrameWnd's docking members). EnableDocking names the
// alignments the bar may dock at and gives it a dock context. Once a dock bar holds the bar
// (GetDockBar), a press of the left button in the bar starts the dock context's drag and a double
// click toggles between docked and floating. A bar whose window goes leaves its dock bar (no place is
// kept for it); the dock context goes with the object.
//
// Tooltips and prompts of items. A bar's items (its child windows, or what a derived bar's
// OnToolHitTest names under the mouse) show tooltips only while CBRS_TOOLTIPS is set. With CBRS_FLYBY,
// a mouse move over the bar that reaches PreTranslateMessage names the item under the mouse, and when
// it is a command other than the one shown, the bar sends its owner WM_SETMESSAGESTRING with it, so
// that the frame's status line shows the command's prompt; when the mouse is over no item, or leaves
// the bar (WM_MOUSELEAVE, asked for with TrackMouseEvent), the owner gets the idle prompt
// AFX_IDS_IDLEMESSAGE instead. Without CBRS_FLYBY nothing is sent.
#pragma once

#include "win/CWnd.h"

#include <vector>

class CControlBarInfo;
class CDockBar;
class CDockContext;

// Bar style bits (kept in the bar's style word, see above).
#define CBRS_FLOATING      0x00000001 // the bar floats (in a floating frame)
#define CBRS_SIZE_FIXED    0x00000002 // the bar's length never changes
#define CBRS_SIZE_DYNAMIC  0x00000004 // the bar can be sized when floating (CalcDynamicLayout)
#define CBRS_TOOLTIPS      0x00000010 // its items show tooltips
#define CBRS_FLYBY         0x00000020 // its items' prompts show while the mouse is over them
#define CBRS_FLOAT_MULTI   0x00000040 // its floating frame may hold other bars
#define CBRS_BORDER_3D     0x00000080 // the borders are drawn etched
#define CBRS_BORDER_LEFT   0x00000100
#define CBRS_BORDER_TOP    0x00000200
#define CBRS_BORDER_RIGHT  0x00000400
#define CBRS_BORDER_BOTTOM 0x00000800
#define CBRS_BORDER_ANY    0x00000F00
#define CBRS_ALIGN_LEFT    0x00001000
#define CBRS_ALIGN_TOP     0x00002000
#define CBRS_ALIGN_RIGHT   0x00004000
#define CBRS_ALIGN_BOTTOM  0x00008000
#define CBRS_ALIGN_ANY     0x0000F000
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY    (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_GRIPPER       0x00400000 // a gripper at the bar's start while docked
#define CBRS_ALL           0x0040FFFF // every bar style bit

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH  0x01 // stretch to the frame's size along the docked edge
#define LM_HORZ     0x02 // horizontal (else vertical)
#define LM_MRUWIDTH 0x04 // the most recently used width (floating bars)
#define LM_HORZDOCK 0x08 // docked at the top or bottom
#define LM_VERTDOCK 0x10 // docked at the left or right
#define LM_LENGTHY  0x20 // the length given is the height (else the width)
#define LM_COMMIT   0x40 // remember the size as the most recently used one

// Registers (once) the library's bar window class "AfxControlBar42s" (double clicks, arrow cursor,
// button-face background). Returns its name. Throws CResourceException* when it cannot be registered.
LPCSTR AfxRegisterControlBarClass();

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
    DECLARE_MESSAGE_MAP()
public:
    ~CControlBar() override;

    // Creates the bar window: the bar style is dwStyle & CBRS_ALL, the window style dwStyle without
    // those bits, plus WS_CHILD. lpszClassName null: "AfxControlBar42s". pParentWnd (not null) is
    // normally a frame. FALSE when no window was made.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;

    // ---- style -------------------------------------------------------------------------------------

    // The bar style (CBRS_*).
    DWORD GetBarStyle() const;
    // Sets the bar style (bits outside CBRS_ALL are refused with CInvalidArgException); calls
    // OnBarStyleChange when it changed.
    void SetBarStyle(DWORD dwStyle);
    // The alignments the bar may dock at (CBRS_ALIGN_*), kept for the docking code; 0 at start.
    DWORD GetEnabledAlignment() const;
    void SetEnabledAlignment(DWORD dwDockStyle);
    // The frame the bar belongs to (set when the window is made under a frame; docking code may set
    // another). Null when none.
    CFrameWnd* GetDockSite() const;
    void SetDockSite(CFrameWnd* pDockSite);
    // The frame that lays the bar out: its parent frame, else the dock site.
    CFrameWnd* GetDockingFrame() const;
    // TRUE while the bar floats (CBRS_FLOATING in the bar style).
    virtual BOOL IsFloating() const;
    // The widest the bar was when it last floated (32767 until set).
    int GetMRUWidth() const;
    void SetMRUWidth(int nWidth);

    // The border widths inside the bar's edges (each 0 or more, else CInvalidArgException).
    void SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom);
    void SetBorders(LPCRECT lpRect);
    // left, top, right, bottom: the border widths.
    CRect GetBorders() const;
    // With TRUE the object deletes itself after its window is gone.
    void SetAutoDelete(BOOL bAutoDelete);
    BOOL IsAutoDelete() const;

    // ---- visibility --------------------------------------------------------------------------------

    // TRUE when the bar is or will be visible (a delayed show or hide counts as done).
    BOOL IsVisible() const;
    // Shows or hides the bar at the next layout (see the top of this file). A wish that matches the
    // present state cancels any earlier one. Virtual, for bars that refuse a wish.
    virtual void DelayShow(BOOL bShow);
    // Takes the pending delayed show or hide for a layout that carries it out: returns SWP_SHOWWINDOW
    // or SWP_HIDEWINDOW (0 when the window already is as wished) and forgets the wish.
    UINT TakeDelayedShow();

    // ---- docking -----------------------------------------------------------------------------------

    // Allows docking at the alignments dwDockStyle (CBRS_ALIGN_* and CBRS_FLOAT_MULTI; other bits are
    // refused with CInvalidArgException), makes the dock context (CreateDockContext) on first use and
    // makes the parent the owner when the bar has none.
    void EnableDocking(DWORD dwDockStyle);
    // The dock bar that holds the bar; null while none does. Dock bars keep it.
    CDockBar* GetDockBar() const;
    void SetDockBar(CDockBar* pDockBar);
    // The dock context; null before EnableDocking.
    CDockContext* GetDockContext() const;

    // ---- layout ------------------------------------------------------------------------------------

    // The bar's size when docked: bStretch along the whole edge, bHorz horizontal. Base: 32767 along
    // a stretched edge, 0 otherwise.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The bar's size for nLength (-1: its own choice) in the LM_* mode dwMode. Base:
    // CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZ).
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Takes the bar's borders (and gripper) off rect, a rectangle of the bar's window (see the top of
    // this file); bHorz: the bar lies horizontally.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // ---- drawing -----------------------------------------------------------------------------------

    // Draws the CBRS_BORDER_* bands at the edges of rect (coordinates of pDC) and takes them off rect.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    // Draws the gripper at the start of rect (nothing unless CBRS_GRIPPER and docked).
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    // Paints the client area (WM_PAINT). Base: nothing.
    virtual void DoPaint(CDC* pDC);

    // ---- saved layouts (win/CDockState.h) ---------------------------------------------------------

    // Fills the record pInfo (not null) from the bar: id, visibility, floating, orientation, position
    // in its parent, most recently used width and its dock context's most recently used places.
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    // Applies pInfo (not null) to the bar in pFrame: the most recently used width and places, the
    // position (unless (-1, -1)), and the visibility at the next layout (DelayShow).
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrame);

    // ---- command update ----------------------------------------------------------------------------

    // Updates the bar's items through pTarget's routing; bDisableIfNoHndler: the idle flag (items
    // without any handler are disabled). Base: nothing (the bar has no items).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    // ---- element array (the items of derived bars: panes, buttons) --------------------------------

    // The number of elements.
    int GetCount() const;

    // Owner messages: see the top of this file.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Flyby prompts, then the tooltips of the items while CBRS_TOOLTIPS is set (see the top of this
    // file).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CControlBar();

    // Replaces the elements by nElements zero-filled ones of cbElement bytes each. The elements are
    // plain records: a derived bar whose elements own something releases it first. Negative sizes are
    // refused with CInvalidArgException. Returns TRUE.
    BOOL AllocElements(int nElements, int cbElement);
    // The first element (null when there are none).
    void* GetElementData();

    // Called by SetBarStyle after the style changed. Base: nothing.
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // Makes the dock context EnableDocking gives the bar (the bar deletes it). Base: a CDockContext.
    virtual CDockContext* CreateDockContext();
    // Moves the bar to rect (its parent's client coordinates) among the deferred moves of the frame's
    // real layout lpLayout, as WM_SIZEPARENT places it. Base: AfxRepositionWindow (nothing when the bar
    // is there already).
    virtual void RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect);

    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // Start the dock context's drag / toggle docking while a dock bar holds the bar.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    // The mouse left the bar: the idle prompt replaces a flyby prompt.
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    // Hidden (its hide box, a View item or key, its dock bar emptied) while the keyboard was in it: the
    // focus goes to the active view of its top-level frame, or wherever that frame can take it, never
    // staying on a window out of sight.
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);

    enum StateFlags : UINT { delayHide = 1, delayShow = 2 };

    struct CControlBarState {
        DWORD dwStyle = 0;             // bar style (CBRS_*)
        DWORD dwDockStyle = 0;         // alignments allowed for docking
        CFrameWnd* pDockSite = nullptr; // the frame whose bar list holds the bar
        CDockBar* pDockBar = nullptr;   // the dock bar holding the bar
        CDockContext* pDockContext = nullptr; // owned
        int cxLeftBorder = 6;
        int cxRightBorder = 6;
        int cyTopBorder = 2;
        int cyBottomBorder = 2;
        int nMRUWidth = 32767;
        BOOL bAutoDelete = FALSE;
        UINT nStateFlags = 0;          // delayHide, delayShow
        std::vector<BYTE> elements;    // the element array
        int nCount = 0;                // its number of elements
        UINT nFlybyID = 0;             // the command whose flyby prompt shows (0: none)
    } m_barState;
};
