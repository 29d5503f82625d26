// CWnd: a window of the program, or a wrapper of someone else's.
//
// Handle maps. A CWnd that the program created (Create, CreateEx) or attached (Attach, SubclassWindow)
// is entered in the permanent map: FromHandle and FromHandlePermanent find it, and its messages go
// through its table. FromHandle of any other handle makes a temporary wrapper, a plain CWnd whatever
// the window's class (a foreign tree control is recognised by its class name, not by its C++ class),
// which is freed when the application goes idle (CWinThread::OnIdle, count 1): do not keep its pointer.
// A plug-in object may set m_hWnd to a window it does not own without entering any map; such an
// object is never found by FromHandle and its destructor leaves the window alone.
//
// Creation. CreateEx enters the object in the map before the window gets its first message, so
// WM_NCCREATE and WM_CREATE reach the object's table; the window procedure is the library's (the
// class's own procedure, if any, is kept and called by DefWindowProc). Windows of any class can be
// made this way, the system's controls included. Failure (the class is unknown, a handler refused
// WM_CREATE) returns FALSE and leaves the object without a window.
//
// A window class with a procedure of its own that makes the window's object on the first message
// (a class usable in dialog templates) attaches the object (Attach), sets AfxWndProc as the window's
// procedure (SetWindowLongPtrA) and hands the message on with AfxCallWndProc; DefWindowProc is then
// DefWindowProcA. (SubclassWindow would keep the class's procedure as the default one.)
//
// Messages: WindowProc → OnWndMsg → (commands: OnCommand/OnNotify; owner-draw, colour and scroll
// messages from a child: reflected to the child first) → the table → DefWindowProc. Default() calls
// DefWindowProc with the message being handled. Reflection: the parent offers WM_DRAWITEM,
// WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM, WM_CTLCOLOR*, WM_HSCROLL/WM_VSCROLL from a scroll
// control, WM_CHARTOITEM/WM_VKEYTOITEM, a drag list's registered message, control notifications
// (WM_COMMAND) and WM_NOTIFY to the permanent CWnd of the child control first (OnChildNotify); when it
// takes the message the parent's own table is not asked. The child sees the message in its table as
// WM_REFLECT_BASE + message (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT, ON_WM_CTLCOLOR_REFLECT); the
// owner-draw classes (CButton, CListBox, CComboBox) call their DrawItem/MeasureItem/CompareItem/
// DeleteItem instead. A reflected colour handler that returns no brush leaves the message to the
// parent. The colour messages of the parts of a composite control go to the composite control's object:
// the edit field of a combo box, and its dropped list (Wine sends WM_CTLCOLORLISTBOX to the combo box's
// parent with the handle of the list, a popup of the desktop).
//
// Menu and accelerator commands whose update handler disables them are dropped (not executed).
//
// Destruction: WM_NCDESTROY takes the object out of the map after its handlers ran, then calls
// PostNcDestroy (self-deleting classes delete themselves there). Deleting a CWnd that still owns its
// window destroys the window.
//
// Exception barrier. Every message the library dispatches runs inside a barrier: a CException* (or
// std::bad_alloc, another std::exception, anything) thrown by a handler is caught there and never
// unwinds through Wine. WM_NCCREATE then answers FALSE and WM_CREATE -1, so creation fails; WM_PAINT
// validates the window, so that it is not asked to paint again at once; neither is shown to the user.
// Any other message shows the exception's message through AfxMessageBox (so through the services
// seam), except CUserException (the user has already been told), and answers 0. AfxCallProtected
// gives hooks and timer callbacks the same barrier.
//
// Owner: SetOwner names the window that receives a bar's or control's reports; without one the parent
// is the owner. Tooltips: EnableToolTips makes the thread's tooltip control follow the mouse over this
// window through PreTranslateMessage; OnToolHitTest (virtual) names the tool under the mouse: by default
// the child window there, by its control id, with the callback text; a window whose table has no
// TTN_NEEDTEXT entry answers with the text after '\n' in the string resource of that id (nothing when
// the string has no '\n'). Of the windows a mouse message passes on its way out to the main window,
// the innermost with tooltips on that names a tool shows its tip; the ones around it leave it.
//
// Measured under this Wine (8.0): NMHDR is 24 bytes, TOOLINFOA 72, NMTTDISPINFOA 136, TBBUTTON 32,
// NMTOOLBARA 96, LOGFONTA 60; GetVersion reports 6.1; creating the thread's first top-level window also
// creates an "IME" window of the system, after the window being created (creation hooks skip it);
// RegisterWindowMessageA works in the initialisers of static objects, before main; wrc compiles
// dialog-initialisation data written as DLGINIT (type 240) into the words it lists.
//
// Not done yet: OLE control containers, dynamic data exchange, window-less timers (a
// timer without a window is raw Win32: wrap its callback in AfxCallProtected).
#pragma once

#include "win/CCmdTarget.h"
#include "win/CRect.h"

#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <new>

class CDC;
class CFont;
class CMenu;
class CScrollBar;
class CCreateContext;
class CFrameWnd;

// Layout record of WM_SIZEPARENT (lParam): each bar takes its part at its edge of rect, grows
// sizeTotal, and moves itself with DeferWindowPos into hDWP (null: only compute).
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;      // deferred moves, or null when only the sizes are asked
    RECT rect;      // what is left of the parent's client area
    SIZE sizeTotal; // the space taken by the bars so far
    BOOL bStretch;  // bars stretch along their edge to the parent's size
};

// Moves hWnd to lpRect (parent client coordinates) through the layout's deferred moves; nothing when
// the layout only computes or the window is already there.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
    DECLARE_MESSAGE_MAP()
public:
    CWnd();
    // Destroys the window when this object still owns it.
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd; // the window, or null

    // ---- handle maps ------------------------------------------------------------------------

    // The permanent object of hWnd, else a temporary wrapper (freed on idle). Null for null.
    static CWnd* FromHandle(HWND hWnd);
    // The permanent object of hWnd; null when the program has none (no wrapper is made).
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Frees the temporary wrappers (the idle handler calls it).
    static void DeleteTempMap();
    // The number of temporary wrappers alive (for tests of the idle clean-up).
    static size_t GetTempCount();

    // Enters the object in the map for hWnd (the object does not take the window procedure).
    // FALSE for a null handle; refuses (CInvalidArgException) when the object already has a window
    // or hWnd already has a permanent object.
    BOOL Attach(HWND hWndNew);
    // Leaves the map and gives the handle up without destroying it. Returns it.
    HWND Detach();
    // The window (null when none). Unlike the historical form, not to be called on a null pointer.
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Takes hWnd over: attaches it and routes its messages through this object's table; the
    // window's own procedure still runs through Default/DefWindowProc. FALSE when hWnd is null or
    // not a window.
    BOOL SubclassWindow(HWND hWnd);
    // SubclassWindow of pParent's child with control id nID. FALSE when there is none.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Gives the window its own procedure back and detaches it. Returns the handle.
    HWND UnsubclassWindow();

    // ---- creation and destruction -----------------------------------------------------------

    // Creates the window (see the top of this file). lpszClassName null: the library's plain window
    // class. x, y, nWidth, nHeight: as CreateWindowEx. hWndParent: parent or owner. nIDorHMenu: a
    // child's control id or a top-level window's menu. Returns FALSE when no window was made.
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x,
                          int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    // The same with a rectangle in the parent's client coordinates and a control id.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // A child window (WS_CHILD added) with control id nID; pContext is passed as the creation
    // parameter.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, CCreateContext* pContext = nullptr);
    // Lets a derived class change the creation record before the window is made. FALSE cancels.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // Called after SubclassWindow or creation has taken the window, before it is used.
    virtual void PreSubclassWindow();
    // Destroys the window (children first). Returns FALSE when there is none.
    virtual BOOL DestroyWindow();
    // Called after the window is gone and the object left the map; self-deleting classes delete
    // themselves here. Does nothing here.
    virtual void PostNcDestroy();

    // ---- messages ----------------------------------------------------------------------------

    // Handles one message: OnWndMsg, else DefWindowProc. Returns the message's result.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches one message as described at the top of this file. Returns TRUE when something
    // handled it (*pResult, which may be null, receives the result).
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's default handling: its original procedure when subclassed, else DefWindowProcA.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc with the message now being handled by this window.
    LRESULT Default();
    // The message the innermost window procedure of the library is handling (all zero outside one):
    // handlers shared by several commands read the command's id from it.
    static const MSG* GetCurrentMessage();
    // WM_COMMAND: reflects a control notification to the control, then OnCmdMsg. TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Whether the menu or accelerator command nID (not 0) would run now: no update handler, routed as
    // the command is (OnCmdMsg), disables it.
    BOOL IsCommandEnabled(UINT nID);
    // WM_NOTIFY: reflects to the control, then OnCmdMsg, then the tooltip text default. TRUE when
    // handled (*pResult holds the answer).
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called on the child control for a message its parent received (see reflection above).
    // Returns TRUE when the child took it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // OnChildNotify's default: offers the message to this window's table as a reflected message.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Offers a parent's message to the permanent object of hWndChild. FALSE when there is none or it
    // declined.
    static BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Filters a message before it is translated and dispatched (the message loop calls the windows
    // from the target up through its parents). TRUE: the message was used and is not dispatched.
    // Here: the tooltip relay when tooltips are on.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Calls PreTranslateMessage of the permanent objects from pMsg->hwnd up through its parents,
    // stopping after hWndStop. TRUE when one of them used the message.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // Sends the message to every child (and, with bDeep, their children). bOnlyPerm: only to
    // children with a permanent object, through their WindowProc directly.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE) const;
    static void SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                         BOOL bOnlyPerm);

    // Frames answer TRUE (CFrameWnd overrides it).
    virtual BOOL IsFrameWnd() const;

    // Asks the help viewer (through the services object) for command nCmd with dwData, for this
    // window's top-level window, in the help file named after the executable (its extension ".hlp").
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // ---- layout ------------------------------------------------------------------------------

    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2 };
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };

    // Lays the children with ids nIDFirst..nIDLast out in the client area (lpRectClient, or the whole
    // client rectangle) by sending each WM_SIZEPARENT with the layout record, then gives what is left to
    // the child nIDLeftOver (through its CalcWindowRect). nFlag: reposDefault moves the windows;
    // reposQuery moves nothing and returns in lpRectParam what would be left (with bStretch FALSE:
    // the bars' total size as a rectangle at 0, 0); reposExtra first takes lpRectParam's left, top,
    // right and bottom off the client area as extra borders.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    // Turns a client rectangle into the window rectangle for this window's styles (adjustBorder
    // leaves a client edge inside the rectangle; adjustOutside also adds visible scroll bars).
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

    // ---- owner, parent, relatives -------------------------------------------------------------

    // The owner: set by SetOwner, else the parent. Null for a top-level window without either.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    // The ancestor that has no parent (this window when it is top-level).
    CWnd* GetTopLevelParent() const;
    // The window's owner/parent chain up to the first window without either.
    CWnd* GetTopLevelOwner() const;
    // The nearest ancestor (parent, its parent, ...) that is a frame of the library (IsFrameWnd);
    // null when there is none. The window itself does not count.
    CFrameWnd* GetParentFrame() const;
    // The outermost frame of the window's parent chain: this window when it is a frame without a
    // parent frame, else the last frame found going up; null when neither is a frame.
    CFrameWnd* GetTopLevelFrame() const;
    // The first descendant (children first, then their children, in z-order) with control id nID;
    // bOnlyPerm: only windows with a permanent object count. Null when none.
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags = CWP_ALL) const;
    BOOL IsChild(const CWnd* pWnd) const;
    // The window to own a modal dialog or message box started for pParentWnd: its top-level
    // window; when pParentWnd is null, the main window's last active popup (a modal dialog shown over
    // it), else the main window. *pWndTop (may be null) receives that window, the one to disable.
    static CWnd* GetSafeOwner(CWnd* pParentWnd, HWND* pWndTop = nullptr);

    // ---- styles --------------------------------------------------------------------------------

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Removes then adds style bits. nFlags non-zero: SetWindowPos with nFlags | SWP_NOSIZE |
    // SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE afterwards. Returns FALSE when nothing changed.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // Fills the child controls from a dialog-initialisation resource (RT_DLGINIT, type 240) named
    // lpszResourceName in the current resource handle (then the program): strings added to combo
    // and list boxes. TRUE when the resource is absent or was applied; FALSE when it is malformed.
    BOOL ExecuteDlgInit(LPCSTR lpszResourceName);
    BOOL ExecuteDlgInit(const void* lpResource, DWORD dwSize);

    // ---- tooltips ------------------------------------------------------------------------------

    // Switches the tooltip relay for this window on or off. Returns the previous state.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // Names the tool at point (client coordinates) in *pTI (hwnd, uId, uFlags, rect, lpszText, which
    // the tooltip control copies). Returns the tool's id, or -1 for none. See the top of this file.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    // Relays a mouse message to the thread's tooltip control, changing the tool when the hit changed.
    void FilterToolTipMessage(MSG* pMsg);
    // Hides the tooltip shown now, if any.
    static void CancelToolTips(BOOL bKeys = FALSE);
    // The thread's tooltip control window (null before any EnableToolTips).
    static HWND GetThreadToolTip();

    // ---- thin wrappers of the Win32 window calls ----------------------------------------------
    // Each calls the Win32 function of its name (the "A" form) for m_hWnd with the same arguments and
    // returns its result; a CWnd* result is FromHandle's (maybe a temporary wrapper), a CWnd* argument
    // stands for its m_hWnd (null for a null pointer). Only the exceptions are described.

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // pWndInsertAfter: a window, or &wndTop, &wndBottom, &wndTopMost, &wndNoTopMost (null: top).
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(HRGN hRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();
    static CWnd* GetDesktopWindow();
    static CWnd* FindWindow(LPCSTR lpszClassName, LPCSTR lpszWindowName);
    // The window under the point (screen), through the services seam.
    static CWnd* WindowFromPoint(POINT point);
    void BringWindowToTop();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    // A message box owned by this window, through the services seam. lpszCaption null: the
    // application's name.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Dialog items
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Drawing: a wrapper of the window's client (GetDC) or whole-window (GetWindowDC) DC that
    // ReleaseDC gives back; the CDC is a temporary wrapper.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);

    // Menus
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // Scrolling
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, HRGN hrgnUpdate, LPRECT lpRectUpdate,
                       UINT flags);
    // The scroll-bar control that serves this window for nBar (splitter windows give one); null:
    // the window's own scroll bar.
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

protected:
    // The default handlers: each passes the message to Default(). Derived handlers call them to get
    // the standard behaviour.
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnWinIniChange(LPCSTR lpszSection);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnChildActivate();
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg BOOL OnHelpInfo(HELPINFO* lpHelpInfo);

    // Per-window state of the library.
    struct CWndState {
        WNDPROC pfnSuper = nullptr; // the window's procedure before the library took it, if any
        HWND hWndOwner = nullptr;   // owner set by SetOwner (null: the parent)
        BOOL bToolTips = FALSE;     // EnableToolTips is on
    } m_wndState;

private:
    // The objects standing for HWND_TOP, HWND_BOTTOM... in SetWindowPos.
    explicit CWnd(HWND hWndSpecial);

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend struct AfxWndInternals;
    friend void AfxCreateFailed(CWnd*, BOOL, HWND);

    // Called by the library after WM_NCDESTROY: leaves the map and calls PostNcDestroy.
    void FinishNcDestroy();
};

// The library's window procedure (every window of a permanent CWnd runs it).
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Calls pWnd->WindowProc inside the exception barrier (see the top of this file).
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Runs fn() inside the exception barrier of window procedures: an exception is reported (as for a
// message other than WM_CREATE/WM_PAINT) and onError is returned instead. For hooks and timer
// callbacks.
template <class R, class F>
R AfxCallProtected(R onError, F&& fn);

// Reports an exception caught by a barrier through AfxMessageBox (CUserException: nothing) and
// releases it.
void AfxReportBarrierException(CException* e);
void AfxReportBarrierException(const char* lpszWhat);

template <class R, class F>
R AfxCallProtected(R onError, F&& fn)
{
    try {
        return fn();
    } catch (CException* e) {
        AfxReportBarrierException(e);
    } catch (const std::bad_alloc&) {
        AfxReportBarrierException(static_cast<const char*>(nullptr));
    } catch (const std::exception& e) {
        AfxReportBarrierException(e.what());
    } catch (...) {
        AfxReportBarrierException("An unexpected error occurred.");
    }
    return onError;
}

// Registers (once) a window class of the library named after its attributes, like
// "Afx:<instance>:<class style>:<cursor>:<brush>:<icon>" in hex, with DefWindowProcA as procedure
// (windows made by CreateEx run the library's procedure anyway). Returns the class name, valid for
// the life of the process. Throws CResourceException* when the class cannot be registered.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
// Registers lpWndClass unless a class of that name is registered for its instance. TRUE on success.
BOOL AfxRegisterClass(WNDCLASSA* lpWndClass);

#include "win/WindowMessageMap.h"
