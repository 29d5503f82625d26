// CFrameWnd: a window that holds control bars along its edges and a client window (a view, or the
// MDI client) in the rest, and that routes commands to its active view.
//
// Loading. LoadFrame(nID) takes from the one resource id: the menu (required: without it the frame
// is not made), the title (the string's text up to the first '\n'), the icon of the window class
// (when the id has one) and the accelerator table (when there is one). Everything comes from the
// current resource handle, then the program. Frames live on the heap: the object deletes itself
// after its window is gone (PostNcDestroy).
//
// Client. WM_CREATE calls OnCreateClient with the CCreateContext given to LoadFrame (for an MDI child
// it arrives inside the MDICREATESTRUCT); with a view class in it CreateView makes the view with
// control id AFX_IDW_PANE_FIRST (0xE900). Without a context the frame sends WM_INITIALUPDATE to its
// descendants after creation. InitialUpdateFrame makes the pane view active, sends WM_INITIALUPDATE,
// shows the frame and updates its title.
//
// Layout. RecalcLayout: RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST) over the client area: every
// bar takes its part through WM_SIZEPARENT, the pane window gets the rest (its CalcWindowRect).
// WM_SIZE lays out at once; DelayRecalcLayout asks for a layout on the next idle (WM_IDLEUPDATECMDUI),
// which is how ShowControlBar(bar, show, TRUE) takes effect. Bars made under the frame are in its bar
// list (GetControlBar by id); the View menu's 59392/59393 (ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR) show
// or hide the bar of that id and are checked while it is visible.
//
// Status text. WM_SETMESSAGESTRING (wParam a string id, or 0 and lParam a text) shows at once, as
// WM_SETTEXT to the status bar (the descendant with id AFX_IDW_STATUS_BAR; a frame without one passes
// the message to its parent frame), the text of GetMessageString (the string's text up to '\n'), or
// the text given. The frame also keeps the id that the status line should show when the program is
// idle: WM_MENUSELECT sets it to the selected item's id (0 for popups and separators) and, when the
// menu closes, to the idle prompt AFX_IDS_IDLEMESSAGE (0xE001); WM_ENTERIDLE of a menu and the idle
// update show it when it differs from what is shown.
//
// Menus. WM_INITMENUPOPUP updates every item of the popup (not of the system menu) through a CCmdUI
// routed like a command: an item whose update handler sets its state gets it; an item with neither an
// update nor a command handler is disabled, except ids from 0xF000 (system and MDI window entries);
// an item that opens a popup is updated as its popup's first item but never disabled.
//
// Routing (OnCmdMsg): the active view (which asks its document, which asks its template), then the
// frame's own table, then the application. Accelerators: PreTranslateMessage translates key messages
// with the active document's accelerators, else the frame's. The keys with which an edit control cuts,
// copies, pastes, undoes and selects all (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+Z, Ctrl+A, Shift+Delete,
// Ctrl+Insert, Shift+Insert, and Alt+Backspace, the other undo key) are no accelerators while they
// are pressed in an edit control (window class "Edit", a combo box's edit field among them) or a rich
// edit control ("RichEdit..."): they go to the control, as in every desktop program. Windows of other classes, made from the edit class or
// not, leave them to the accelerators.
//
// Title: with FWS_ADDTOTITLE, OnUpdateFrameTitle makes the caption "<title> - <document title>" for
// the active document (the title alone without one).
//
// Closing (WM_CLOSE): the main window first asks the application (CWinApp::SaveAllModified; FALSE
// keeps it open), then closes every document and goes.
//
// Print preview (win/CPreviewView.h): while a frame shows one (GetPreviewView), WM_CLOSE (its close
// box, Alt+F4, the system menu's Close) ends the preview and the frame stays; a menu item, accelerator
// or tool bar command that is not the preview's own ends it first and then runs as usual, unless it is
// grey (disabled by its update handler, or handled by nobody), when nothing happens; the frame going
// ends the preview before its windows go.
//
// Top-level frames pass WM_SYSCOLORCHANGE and WM_SETTINGCHANGE on to all their descendants.
//
// Docking (win/CDockBar.h, win/CMiniFrameWnd.h, win/CDockContext.h). EnableDocking gives the frame
// its dock bars; DockControlBar, ReDockControlBar and FloatControlBar move bars between them and
// floating frames (the dock context ends its drags with them; toolkit frames override them). CanDock
// names the dock bar a dragged rectangle would dock at: the first of the frame's docked dock bars
// (top, bottom, left, right) whose alignment is asked and whose window rectangle meets the rectangle
// (an empty dock bar counts as one pixel thick along its edge). A top-level frame tells the
// windows it owns when its caption turns active or inactive (WM_FLOATSTATUS), so that floating frames
// look active with it.
//
// Stay-active state: while one of the frame's floating frames (a CMiniFrameWnd with MFS_SYNCACTIVE that
// the frame owns) is the active window, the frame's caption stays active, as if the floating frame were
// part of it. The floating frame sets the state when it turns active and drops it when the activation
// goes to a window that is neither the frame nor another such floating frame of it; the frame drops it
// when it turns active itself. A frame that is not the active window shows its caption anew at once.
//
// Border space (NegotiateBorderSpace, for an in-place object that puts its own tools along the edges of
// the frame's client window): borderGet gives the rectangle the bars leave; borderRequest answers
// whether border widths (a rectangle of left, top, right and bottom widths; null: none) fit in it;
// borderSet keeps such widths (null: none) when they fit and lays the frame out, the client window
// then standing inside them. A frame's layout always leaves the kept widths free.
//
// Saved layouts (win/CDockState.h): GetDockState and SetDockState read the frame's bars into a dock
// state and apply one to them; SaveBarState and LoadBarState keep it in the profile.
//
// Help mode (OnContextHelp, which a frame maps to ID_CONTEXT_HELP when it offers context help): the
// mouse is captured with the help cursor in the library's modal mouse loop until a press: the window
// under it (the services' WindowFromPoint) names the help context (HelpHitTest), help mode ends and the
// help viewer is asked for it (CWnd::WinHelp with HELP_CONTEXT). A hit on a non-client part gives
// HID_BASE_NCAREAS + its hit-test code; a hit in a client area asks the window and then its parents
// with WM_HELPHITTEST (wParam 0, lParam the point in that window's client coordinates) and takes the
// first answer that is not 0 (a frame answers HID_BASE_RESOURCE + its help id when it has one); failing
// that, the frame's own help id. A press outside the program's windows, Escape, the right button,
// WM_EXITHELPMODE or the loss of the capture end help mode without help. A command that reaches the
// frame while it is in help mode (a menu item chosen) asks for HID_BASE_COMMAND + its id instead of
// running. WM_COMMANDHELP (lParam a help context, or 0) asks for that context, else for the prompt of
// the menu item being selected, else the frame's help id. The help id is the resource id of LoadFrame.
//
// Not done yet: saving documents when the frame closes (modified documents close without a question).
#pragma once

#include "win/CControlBar.h"
#include "win/CCreateContext.h"
#include "win/CWnd.h"

class CDockBar;
class CDockState;
class CMiniDockFrameWnd;
class CDocument;
class CPreviewView;
class CView;

// Frame style: the frame's caption shows the active document's title (see above).
#define FWS_ADDTOTITLE 0x00008000

// Help contexts: a command's id, a frame's resource id and a non-client hit-test code are put above
// these bases (see help mode above).
#define HID_BASE_COMMAND  0x00010000
#define HID_BASE_RESOURCE 0x00020000
#define HID_BASE_NCAREAS  0x00040000
// HelpHitTest: the hit opened something (a menu) in which help mode goes on.
#define AFX_HELP_CONTINUE 0xFFFFFFFF

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // The rectangle CW_USEDEFAULT, 0, 0, 0 that lets the system place a new frame.
    static const CRect rectDefault;

    // ---- creation ----------------------------------------------------------------------------------

    // Makes the frame window: lpszClassName null registers a frame class; lpszMenuName (null: no
    // menu) is loaded from the resource handle and must exist; pParentWnd its parent or owner;
    // pContext passed to OnCreateClient. FALSE when no window was made (the object has then deleted
    // itself).
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Loads the frame from resource nIDResource (see the top of this file) with dwDefaultStyle.
    // FALSE when the frame could not be made (the object has then deleted itself).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // Loads the accelerator table named lpszResourceName as the frame's. FALSE when there is none or
    // the frame already has one.
    BOOL LoadAccelTable(LPCSTR lpszResourceName);
    // Makes the client windows at WM_CREATE. Base: the context's view, if any. FALSE fails creation.
    virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);
    // Makes a window of pContext->m_pNewViewClass (a CWnd class) as a visible child with id nID, in
    // the context. Returns it, or null when it could not be made.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // The first update of a new frame (see the top of this file); bMakeVisible FALSE leaves it hidden.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Shows the frame (nCmdShow -1: normal, or restored when minimised) and brings it to the top.
    virtual void ActivateFrame(int nCmdShow = -1);

    // TRUE: frames answer so (GetParentFrame finds them).
    BOOL IsFrameWnd() const override;

    // ---- views and documents -----------------------------------------------------------------------

    // The active view (null when none).
    CView* GetActiveView() const;
    // The print preview the frame shows (null when none; see win/CPreviewView.h).
    CPreviewView* GetPreviewView() const { return m_frameState.pPreview; }
    // Makes pViewNew the active view; bNotify: both views hear OnActivateView.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // The frame whose view is active: this frame (an MDI frame answers its active child).
    virtual CFrameWnd* GetActiveFrame();
    // The document of the active view (null when none).
    virtual CDocument* GetActiveDocument();

    // ---- title and menu ----------------------------------------------------------------------------

    // The frame's own title (from LoadFrame, or SetTitle).
    CString GetTitle() const;
    void SetTitle(LPCSTR lpszTitle);
    // Updates the caption (see the top of this file); bAddToTitle FALSE leaves the document out.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // Sets the caption for a document named lpszDocName (null: the title alone).
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    // The caption is updated on the next idle.
    void DelayUpdateFrameTitle();
    // Puts hMenuAlt (null: the frame's own menu) on the frame.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    // The menu the frame was made with (null when none).
    HMENU GetDefaultMenu() const;
    // The accelerators in force: the active document's, else the frame's (null when none).
    virtual HACCEL GetDefaultAccelerator();

    // ---- layout and bars ---------------------------------------------------------------------------

    // Lays the bars and the pane out now (see the top of this file); bNotify is kept for derived
    // frames.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Lays out on the next idle.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // TRUE while a layout is asked for and not yet done.
    BOOL IsLayoutPending() const;
    // The border-space negotiation of an in-place object (see the top of this file): nBorderCmd
    // borderGet (lpRectBorder, not null, receives the rectangle the bars leave, in client coordinates;
    // TRUE), borderRequest (TRUE when the widths in lpRectBorder fit; null asks for none: TRUE) or
    // borderSet (keeps the widths when they fit, null for none, and lays out when they changed; FALSE
    // when they do not fit). Another command is refused with CInvalidArgException.
    enum BorderCmd { borderGet = 1, borderRequest = 2, borderSet = 3 };
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    // The border widths kept by borderSet (all 0: none).
    CRect GetBorderSpace() const { return m_frameState.rectBorder; }
    // The stay-active state (see the top of this file). SetStayActive with bShow shows the caption of a
    // frame that is not the active window anew (active while the state holds).
    BOOL IsStayActive() const { return m_frameState.bStayActive; }
    void SetStayActive(BOOL bStayActive, BOOL bShow = TRUE);
    // The bar list: AddControlBar/RemoveControlBar keep it (the bars do it themselves).
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // The bars in the order they were made.
    const CPtrList& GetControlBarList() const;
    // The bar of the list with control id nID; null when none.
    CControlBar* GetControlBar(UINT nID);
    // Shows or hides pBar (not null); bDelay: at the next idle layout, else now, with a layout of the
    // frame that lays the bar out (a floating bar's frame then shows or hides with its bars). A bar
    // whose floating frame is hidden is shown or hidden now whatever bDelay asks: idle lays out only
    // the windows that show.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);

    // ---- docking -----------------------------------------------------------------------------------

    // Makes a dock bar (CreateDockBarObject's, deleting itself with its window) along each edge that dwDockStyle
    // names (CBRS_ALIGN_* and CBRS_FLOAT_MULTI; other bits are refused with CInvalidArgException) and
    // the frame lacks, in the order top, bottom, left, right, with the ids AFX_IDW_DOCKBAR_TOP...,
    // visible, with the border bit of its inner side, laid out on the next idle. Floating frames are
    // CMiniDockFrameWnd unless a class was set. Throws CResourceException when a dock bar cannot be made.
    void EnableDocking(DWORD dwDockStyle);
    // The class of the floating frames CreateFloatingFrame makes (CMiniDockFrameWnd or derived); null
    // until set or EnableDocking.
    CRuntimeClass* GetFloatingFrameClass() const;
    void SetFloatingFrameClass(CRuntimeClass* pClass);
    // Docks pBar (not null) at the frame's dock bar nDockBarID (0: the first one, in the order top,
    // bottom, left, right, at whose alignment pBar may dock); lpRect: where it was dropped (screen), or
    // null. A dock bar that is missing or not the frame's is refused with CInvalidArgException.
    virtual void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    // Docks pBar back into pDockBar (null: the frame's dock bar that keeps its place, else as
    // DockControlBar) through its ReDockControlBar.
    virtual void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar = nullptr, LPCRECT lpRect = nullptr);
    // Floats pBar in a floating frame whose top-left corner goes to point (screen), its dock bar aligned
    // by dwStyle (CBRS_ALIGN_* with CBRS_FLOAT_MULTI). A CBRS_SIZE_DYNAMIC bar floats with
    // CBRS_SIZE_DYNAMIC and the top alignment. A bar that already floats alone in a frame of that
    // alignment only has its frame moved. The frame shows (without activation) while the bar is
    // visible.
    virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Makes a floating frame of the floating-frame class for bars floating with dwStyle, owned by this
    // frame. Throws CResourceException when it cannot be made.
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The object of a dock bar EnableDocking makes (its window is made afterwards): a CDockBar here;
    // docking frames make their own kind. Null when none could be made.
    virtual CDockBar* CreateDockBarObject();
    // The alignment (CBRS_ALIGN_*) of the dock bar rect (screen) would dock at among those dwDockStyle
    // names (see the top of this file), with the dock bar in *ppDockBar (may be null); 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    // The frame's docked dock bar that keeps a placeholder of nID; null when none.
    CDockBar* FindPlaceholderDockBar(UINT nID);

    // ---- saved layouts (win/CDockState.h) ---------------------------------------------------------

    // Reads the frame's bars into state / applies state to them (the state's GetState / SetState).
    virtual void GetDockState(CDockState& state);
    virtual void SetDockState(CDockState& state);
    // The layout in the profile under lpszProfileName: GetDockState then its profile form; the profile
    // form then SetDockState, with a state of CreateDockState's kind.
    virtual void SaveBarState(LPCSTR lpszProfileName);
    virtual void LoadBarState(LPCSTR lpszProfileName);
    // A new dock state for SaveBarState and LoadBarState (the caller owns it): a CDockState here.
    virtual CDockState* CreateDockState();

    // ---- status text -------------------------------------------------------------------------------

    // The status bar the frame writes to: its descendant with id AFX_IDW_STATUS_BAR (null when none).
    virtual CWnd* GetMessageBar();
    // The prompt of command nID: the string's text before '\n' (empty when there is none).
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // Shows the text / the prompt of nID now (through WM_SETMESSAGESTRING).
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    // ---- help (see the top of this file) -------------------------------------------------------------

    // The frame's help id (LoadFrame's resource id; 0: none).
    UINT GetHelpID() const { return m_frameState.nIDHelp; }
    void SetHelpID(UINT nIDHelp) { m_frameState.nIDHelp = nIDHelp; }
    BOOL IsInHelpMode() const { return m_frameState.bHelpMode; }
    // The help context of a press at ptScreen in help mode: 0 when no window of the program is there,
    // AFX_HELP_CONTINUE when the press opened something in which help mode goes on.
    virtual DWORD HelpHitTest(CPoint ptScreen);
    // Ends help mode (the capture is released; nothing is asked of the help viewer).
    void ExitHelpMode();

    // ---- messages ----------------------------------------------------------------------------------

    // In help mode a command asks for its help instead; while a print preview shows, a command that is
    // not the preview's ends it first (see the top of this file); otherwise CWnd's.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Routes a command: active view, the frame's table, the application (see the top of this file).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Tooltips, then accelerators for key messages.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Whether pMsg (not null) is a key that an edit control takes for itself, pressed in one (see the top
    // of this file): frames translate no accelerator for it.
    static BOOL IsEditControlKey(const MSG* pMsg);

protected:
    // Translates the key message pMsg with hAccel for hWnd (TranslateAcceleratorA), unless hAccel is null
    // or pMsg is an edit control's key (IsEditControlKey). TRUE when it became a command.
    static BOOL TranslateFrameAccelerator(HWND hWnd, HACCEL hAccel, MSG* pMsg);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Deletes the object.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // Help mode (ID_CONTEXT_HELP, for frames that map it) and its messages.
    afx_msg void OnContextHelp();
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnExitHelpMode(WPARAM wParam, LPARAM lParam);

    // The context a frame is created with, from WM_CREATE's creation parameter.
    static CCreateContext* ContextOf(LPCREATESTRUCTA lpcs);
    // The window class for a frame with icon nIDResource (when there is one).
    static LPCSTR FrameClassFor(UINT nIDResource);
    // The title of a frame loaded from nIDResource: the string's text up to the first '\n' (empty
    // when there is no string).
    static CString TitleFor(UINT nIDResource);

    enum IdleFlags : UINT { idleLayout = 1, idleTitle = 2 };

    struct CFrameWndState {
        CString strTitle;               // the frame's own title
        HMENU hMenuDefault = nullptr;   // the menu it was made with
        HACCEL hAccelTable = nullptr;   // its accelerators (a loaded resource: never destroyed)
        CView* pViewActive = nullptr;   // the active view
        CPtrList listControlBars;       // its bars
        UINT nIdleFlags = 0;            // idleLayout, idleTitle
        BOOL bInRecalcLayout = FALSE;   // guards RecalcLayout against re-entry
        UINT nIDTracking = 0;           // the prompt the status line should show
        UINT nIDLastMessage = 0;        // the prompt it shows (0: a text, or nothing)
        CRuntimeClass* pFloatingFrameClass = nullptr; // the floating frames' class
        UINT nIDHelp = 0;               // the help id
        BOOL bHelpMode = FALSE;         // in help mode
        BOOL bStayActive = FALSE;       // a floating frame of this one is the active window
        CRect rectBorder{0, 0, 0, 0};   // border widths an in-place object keeps (borderSet)
        CPreviewView* pPreview = nullptr; // the print preview shown (its Open and Close keep it)
    } m_frameState;

    friend class CPreviewView;
};
