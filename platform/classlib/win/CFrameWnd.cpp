// CFrameWnd: loading, the client view, layout of the bars, the active view and command routing,
// automatic menu enabling, the status text and the caption.
#include "win/CFrameWnd.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/ArgCheck.h"
#include "win/CControlBar.h"
#include "win/CDC.h"
#include "win/CDocument.h"
#include "win/CMenu.h"
#include "win/CPreviewView.h"
#include "win/CView.h"
#include "win/CWinApp.h"
#include "win/WinServices.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
    ON_MESSAGE(WM_EXITHELPMODE, OnExitHelpMode)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
{
    // the first idle shows the idle prompt
    m_frameState.nIDTracking = AFX_IDS_IDLEMESSAGE;
}

CFrameWnd::~CFrameWnd()
{
    // a frame deleted before its window (not the way frames should go): its bars, destroyed with the
    // window afterwards, must not reach for the bar list that goes now
    for (POSITION pos = m_frameState.listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_frameState.listControlBars.GetNext(pos));
        if (pBar->GetDockSite() == this)
            pBar->SetDockSite(nullptr);
    }
    m_frameState.listControlBars.RemoveAll();
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

// ---- creation -------------------------------------------------------------------------------------------

LPCSTR CFrameWnd::FrameClassFor(UINT nIDResource)
{
    HICON hIcon = nullptr;
    if (nIDResource != 0) {
        const LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
        if (HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */))
            hIcon = ::LoadIconA(hInst, lpszName);
    }
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
}

CString CFrameWnd::TitleFor(UINT nIDResource)
{
    CString strFull;
    AfxLoadString(nIDResource, strFull);
    CString strTitle;
    AfxExtractSubString(strTitle, strFull, 0);
    return strTitle;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = FrameClassFor(0);
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        const HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, MAKEINTRESOURCEA(4) /* RT_MENU */);
        hMenu = hInst != nullptr ? ::LoadMenuA(hInst, lpszMenuName) : nullptr;
        if (hMenu == nullptr) {
            PostNcDestroy(); // a frame without its menu is not made; the object goes as after a failed creation
            return FALSE;
        }
    }
    m_frameState.strTitle = lpszWindowName != nullptr ? lpszWindowName : "";
    m_frameState.hMenuDefault = hMenu;

    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (rect.left == CW_USEDEFAULT)
        x = y = cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, hMenu, pContext)) {
        // the object is gone; a menu the window did not take along is destroyed here
        if (hMenu != nullptr && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_frameState.nIDHelp = nIDResource;
    if (!Create(FrameClassFor(nIDResource), TitleFor(nIDResource), dwDefaultStyle, rectDefault, pParentWnd,
                MAKEINTRESOURCEA(nIDResource), 0, pContext))
        return FALSE;
    if (m_frameState.hAccelTable == nullptr)
        LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName)
{
    AfxRequirePointer(lpszResourceName, "CFrameWnd::LoadAccelTable", "lpszResourceName");
    if (m_frameState.hAccelTable != nullptr)
        return FALSE;
    const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */);
    if (hInst == nullptr)
        return FALSE;
    m_frameState.hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
    return m_frameState.hAccelTable != nullptr;
}

CCreateContext* CFrameWnd::ContextOf(LPCREATESTRUCTA lpcs)
{
    if (lpcs == nullptr || lpcs->lpCreateParams == nullptr)
        return nullptr;
    if (lpcs->dwExStyle & WS_EX_MDICHILD) {
        // an MDI child gets its creation parameter inside the MDICREATESTRUCT
        const MDICREATESTRUCTA* pMDI = static_cast<const MDICREATESTRUCTA*>(lpcs->lpCreateParams);
        return reinterpret_cast<CCreateContext*>(pMDI->lParam);
    }
    return static_cast<CCreateContext*>(lpcs->lpCreateParams);
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, ContextOf(lpCreateStruct)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext)
{
    (void)lpcs;
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    AfxRequirePointer(pContext, "CFrameWnd::CreateView", "pContext");
    CRuntimeClass* pClass = pContext->m_pNewViewClass;
    AfxRequirePointer(pClass, "CFrameWnd::CreateView", "pContext->m_pNewViewClass");
    if (!pClass->IsDerivedFrom(RUNTIME_CLASS(CWnd)) || !pClass->IsCreatable())
        AfxThrowInvalidArgFormat("CFrameWnd::CreateView: class %s is not a creatable window class",
                                 pClass->m_lpszClassName);
    CWnd* pView = static_cast<CWnd*>(pClass->CreateObject());
    // a view that cannot be made deletes itself (CView::PostNcDestroy)
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    (void)pDoc;
    CView* pView = nullptr;
    if (GetActiveView() == nullptr) {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != nullptr)
            pView->OnActivateFrame(WA_INACTIVE, this);
        ActivateFrame(-1);
        if (pView != nullptr && GetActiveView() == pView)
            pView->OnActivateView(TRUE, pView, pView);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    const bool bToTop = nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
                        nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE;
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (bToTop)
        ::BringWindowToTop(::GetLastActivePopup(m_hWnd));
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

// ---- views and documents ------------------------------------------------------------------------------

CView* CFrameWnd::GetActiveView() const
{
    return m_frameState.pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_frameState.pViewActive;
    if (pViewNew == pViewOld)
        return;
    // while the old view hears of it, no view is active
    m_frameState.pViewActive = nullptr;
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_frameState.pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

// ---- title and menu ------------------------------------------------------------------------------------

CString CFrameWnd::GetTitle() const
{
    return m_frameState.strTitle;
}

void CFrameWnd::SetTitle(LPCSTR lpszTitle)
{
    m_frameState.strTitle = lpszTitle != nullptr ? lpszTitle : "";
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString text = m_frameState.strTitle;
    if (lpszDocName != nullptr && *lpszDocName != '\0') {
        if (!text.IsEmpty())
            text += " - ";
        text += lpszDocName;
    }
    AfxSetWindowTextIfChanged(this, text);
}

void CFrameWnd::DelayUpdateFrameTitle()
{
    m_frameState.nIdleFlags |= idleTitle;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == nullptr)
        hMenuAlt = m_frameState.hMenuDefault;
    if ((GetStyle() & WS_CHILD) == 0 && ::GetMenu(m_hWnd) != hMenuAlt) {
        ::SetMenu(m_hWnd, hMenuAlt);
        DrawMenuBar();
    }
}

HMENU CFrameWnd::GetDefaultMenu() const
{
    return m_frameState.hMenuDefault;
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr) {
        if (HACCEL hAccel = pDocument->GetDefaultAccelerator())
            return hAccel;
    }
    return m_frameState.hAccelTable;
}

// ---- layout and bars --------------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    (void)bNotify;
    if (m_frameState.bInRecalcLayout || m_hWnd == nullptr)
        return;
    const CAfxFlagScope guard(m_frameState.bInRecalcLayout);
    m_frameState.nIdleFlags &= ~UINT(idleLayout);
    if (m_frameState.rectBorder.IsRectNull()) {
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    } else {
        CRect rectBorder = m_frameState.rectBorder;
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, rectBorder);
    }
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    if (nBorderCmd != borderGet && nBorderCmd != borderRequest && nBorderCmd != borderSet)
        AfxThrowInvalidArgFormat("CFrameWnd::NegotiateBorderSpace: unknown command %u", nBorderCmd);
    // what the bars leave of the client area
    CRect rectFree(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, rectFree, nullptr, TRUE);
    if (nBorderCmd == borderGet) {
        AfxRequirePointer(lpRectBorder, "CFrameWnd::NegotiateBorderSpace", "lpRectBorder (needed by borderGet)");
        *lpRectBorder = rectFree;
        return TRUE;
    }
    const CRect rectWanted = lpRectBorder != nullptr ? CRect(*lpRectBorder) : CRect(0, 0, 0, 0);
    const BOOL bFits = rectWanted.left >= 0 && rectWanted.top >= 0 && rectWanted.right >= 0 && rectWanted.bottom >= 0 &&
                       rectWanted.left + rectWanted.right <= rectFree.Width() &&
                       rectWanted.top + rectWanted.bottom <= rectFree.Height();
    if (nBorderCmd == borderRequest || !bFits)
        return bFits || rectWanted.IsRectNull();
    if (rectWanted != m_frameState.rectBorder) {
        m_frameState.rectBorder = rectWanted;
        RecalcLayout();
    }
    return TRUE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    (void)bNotify;
    m_frameState.nIdleFlags |= idleLayout;
}

BOOL CFrameWnd::IsLayoutPending() const
{
    return (m_frameState.nIdleFlags & idleLayout) != 0;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    AfxRequirePointer(pBar, "CFrameWnd::AddControlBar", "pBar");
    if (m_frameState.listControlBars.Find(pBar) == nullptr)
        m_frameState.listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_frameState.listControlBars.Find(pBar);
    if (pos != nullptr)
        m_frameState.listControlBars.RemoveAt(pos);
}

const CPtrList& CFrameWnd::GetControlBarList() const
{
    return m_frameState.listControlBars;
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_frameState.listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_frameState.listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr && UINT(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    AfxRequirePointer(pBar, "CFrameWnd::ShowControlBar", "pBar");
    CFrameWnd* pLayoutFrame = pBar->GetDockingFrame();
    if (pLayoutFrame == nullptr)
        pLayoutFrame = this;
    // idle lays out only the windows that show: a bar in a hidden floating frame is shown at once, or
    // the frame would never come back
    if (bDelay && (pLayoutFrame == this || pLayoutFrame->IsWindowVisible())) {
        pBar->DelayShow(bShow);
        pLayoutFrame->DelayRecalcLayout();
        return;
    }
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    pBar->DelayShow(bShow); // cancels an earlier delayed wish
    pLayoutFrame->RecalcLayout(FALSE);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(pBar->IsVisible() ? 1 : 0);
}

// ---- status text -------------------------------------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    // the library's own prompts (the idle prompt) have an English text when the program has none
    const CString strFull = AfxLoadLibraryString(nID);
    AfxExtractSubString(rMessage, strFull, 0);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText != nullptr ? lpszText : ""));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID, 0);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    const UINT nIDLast = m_frameState.nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr) {
        CString strMessage;
        if (lParam != 0)
            strMessage = reinterpret_cast<LPCSTR>(lParam);
        else if (wParam != 0)
            GetMessageString(UINT(wParam), strMessage);
        pMessageBar->SetWindowText(strMessage);
    } else if (CFrameWnd* pParentFrame = GetParentFrame()) {
        // a frame inside another (an MDI child) shows its prompts on the outer frame's status bar
        pParentFrame->SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
    }
    m_frameState.nIDLastMessage = UINT(wParam);
    m_frameState.nIDTracking = UINT(wParam);
    return LRESULT(nIDLast);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    Default();
    if (nFlags == 0xFFFF && hSysMenu == nullptr)
        m_frameState.nIDTracking = AFX_IDS_IDLEMESSAGE; // the menu closed
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_frameState.nIDTracking = 0;
    else
        m_frameState.nIDTracking = nItemID;
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    (void)pWho;
    Default();
    if (nWhy == MSGF_MENU && m_frameState.nIDTracking != m_frameState.nIDLastMessage)
        SetMessageText(m_frameState.nIDTracking);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (m_frameState.nIdleFlags & idleTitle) {
        m_frameState.nIdleFlags &= ~UINT(idleTitle);
        OnUpdateFrameTitle(TRUE);
    }
    if (m_frameState.nIdleFlags & idleLayout) {
        RecalcLayout();
        UpdateWindow();
    }
    if (m_frameState.nIDTracking != m_frameState.nIDLastMessage)
        SetMessageText(m_frameState.nIDTracking);
    return 0;
}

// ---- menus --------------------------------------------------------------------------------------------

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    (void)nIndex;
    Default();
    if (bSysMenu || pPopupMenu == nullptr || pPopupMenu->m_hMenu == nullptr)
        return;
    const HMENU hMenu = pPopupMenu->m_hMenu;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    // the count is read again after every item: an update handler may insert or remove items (the
    // recent-file list) and moves m_nIndex past what it inserted
    for (UINT nPos = 0; int(nPos) < ::GetMenuItemCount(hMenu); nPos = state.m_nIndex + 1) {
        state.m_nIndex = nPos;
        state.m_nIndexMax = UINT(::GetMenuItemCount(hMenu));
        state.m_nID = ::GetMenuItemID(hMenu, int(nPos));
        state.m_pSubMenu = nullptr;
        if (state.m_nID == 0 || state.m_nID == UINT(-1))
            continue; // a separator, or an item that opens a popup (it keeps its state)
        // system commands and the MDI window entries have no handlers and stay enabled
        state.DoUpdate(this, state.m_nID < 0xF000);
    }
}

// ---- routing and translation ---------------------------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CFrameWnd::PreTranslateMessage", "pMsg");
    // keys that reach the frame itself (no window has the focus) are a print preview's first
    if (pMsg->hwnd == m_hWnd && GetPreviewView() != nullptr && GetPreviewView()->TranslatePreviewKey(pMsg))
        return TRUE;
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
           TranslateFrameAccelerator(m_hWnd, GetDefaultAccelerator(), pMsg);
}

BOOL CFrameWnd::IsEditControlKey(const MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CFrameWnd::IsEditControlKey", "pMsg");
    if ((pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN) || pMsg->hwnd == nullptr)
        return FALSE;
    const UINT nKey = UINT(pMsg->wParam);
    const bool bLetter = nKey == 'X' || nKey == 'C' || nKey == 'V' || nKey == 'Z' || nKey == 'A';
    // Alt+Backspace, the other undo key, comes as a system key
    if (pMsg->message == WM_SYSKEYDOWN ? nKey != VK_BACK : !bLetter && nKey != VK_INSERT && nKey != VK_DELETE)
        return FALSE;
    char szClass[16] = {};
    if (::GetClassNameA(pMsg->hwnd, szClass, sizeof szClass) == 0)
        return FALSE;
    char szPrefix[9] = {};
    ::lstrcpynA(szPrefix, szClass, sizeof szPrefix);
    if (::lstrcmpiA(szClass, "Edit") != 0 && ::lstrcmpiA(szPrefix, "RichEdit") != 0)
        return FALSE;
    CWinServices* pServices = AfxGetServices();
    const bool bCtrl = pServices->GetKeyState(VK_CONTROL) < 0;
    const bool bShift = pServices->GetKeyState(VK_SHIFT) < 0;
    const bool bAlt = pServices->GetKeyState(VK_MENU) < 0;
    if (nKey == VK_BACK)
        return bAlt && !bCtrl && !bShift;
    if (bAlt)
        return FALSE;
    if (bLetter)
        return bCtrl && !bShift;
    // Ctrl+Insert copies and Shift+Insert pastes; Shift+Delete cuts
    return nKey == VK_INSERT ? bCtrl != bShift : bShift && !bCtrl;
}

BOOL CFrameWnd::TranslateFrameAccelerator(HWND hWnd, HACCEL hAccel, MSG* pMsg)
{
    return hAccel != nullptr && !IsEditControlKey(pMsg) && ::TranslateAcceleratorA(hWnd, hAccel, pMsg);
}

// ---- window messages -------------------------------------------------------------------------------

void CFrameWnd::OnDestroy()
{
    // the preview ends while the windows it hid are still there to be given back
    if (m_frameState.pPreview != nullptr)
        m_frameState.pPreview->EndPreview();
    // the menu the frame was made with is the one destroyed with it (not a template's shared menu)
    if ((GetStyle() & WS_CHILD) == 0 && m_frameState.hMenuDefault != nullptr &&
        ::GetMenu(m_hWnd) != m_frameState.hMenuDefault)
        ::SetMenu(m_hWnd, m_frameState.hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    // closing the frame while it shows a print preview closes the preview
    if (m_frameState.pPreview != nullptr) {
        m_frameState.pPreview->EndPreview();
        return;
    }
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        if (!pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        // closing the documents may have destroyed this frame (it showed one of them)
        if (pApp->m_pMainWnd != this)
            return;
        pDocument = GetActiveDocument();
    }
    if (pDocument != nullptr && pDocument->m_bAutoDelete) {
        // the document's last frame: closing the document closes the frame
        bool bOtherFrame = false;
        for (POSITION pos = pDocument->GetFirstViewPosition(); pos != nullptr && !bOtherFrame;) {
            CView* pView = pDocument->GetNextView(pos);
            bOtherFrame = pView->GetParentFrame() != this;
        }
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_frameState.pViewActive != nullptr)
        return TRUE; // the view paints all it covers
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_frameState.pViewActive != nullptr && m_frameState.pViewActive->m_hWnd != nullptr)
        AfxFocusVisibleWithin(::GetAncestor(m_hWnd, GA_ROOT), m_frameState.pViewActive->m_hWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // active itself: no floating frame keeps its caption active any more
    if (nState != WA_INACTIVE)
        m_frameState.bStayActive = FALSE;
    // a preview stands in for the views it hides (an MDI frame's active child's among them)
    CFrameWnd* pActiveFrame = GetActiveFrame();
    CView* pView = m_frameState.pPreview != nullptr ? m_frameState.pPreview
                   : pActiveFrame != nullptr        ? pActiveFrame->GetActiveView()
                                                    : nullptr;
    if (pView == nullptr) {
        // no view to take the keyboard: the frame keeps it rather than a window out of sight
        if (nState != WA_INACTIVE && !bMinimized && (GetStyle() & WS_CHILD) == 0)
            AfxFocusVisibleWithin(m_hWnd, ::GetFocus());
        return;
    }
    if (nState != WA_INACTIVE && !bMinimized)
        pView->OnActivateView(TRUE, pView, pView);
    pView->OnActivateFrame(nState, this);
}

HWND AfxFocusVisibleWithin(HWND hWndTop, HWND hWndWanted)
{
    if (hWndTop == nullptr || ::GetActiveWindow() != hWndTop)
        return nullptr;
    const CWnd* pTop = CWnd::FromHandlePermanent(hWndTop);
    const CPreviewView* pPreview =
        pTop != nullptr && pTop->IsFrameWnd() ? static_cast<const CFrameWnd*>(pTop)->GetPreviewView() : nullptr;
    const HWND hWndPreview = pPreview != nullptr && pPreview->m_hWnd != nullptr ? pPreview->m_hWnd : nullptr;
    const HWND hWndBar = pPreview != nullptr && pPreview->GetPreviewBar() != nullptr ? pPreview->GetPreviewBar()->m_hWnd
                                                                                     : nullptr;
    auto takes = [&](HWND hWnd) {
        if (hWnd == nullptr || !::IsWindow(hWnd))
            return false;
        if (hWnd == hWndTop)
            return true;
        if (!::IsChild(hWndTop, hWnd) || !::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd))
            return false;
        return hWndPreview == nullptr || hWnd == hWndPreview || ::IsChild(hWndPreview, hWnd) ||
               (hWndBar != nullptr && ::IsChild(hWndBar, hWnd));
    };
    const HWND hWndTo = takes(hWndWanted) ? hWndWanted : takes(hWndPreview) ? hWndPreview : hWndTop;
    if (::GetFocus() != hWndTo)
        ::SetFocus(hWndTo);
    return ::GetFocus();
}

void CFrameWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    if ((GetStyle() & WS_CHILD) == 0)
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, FALSE);
}

void CFrameWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if ((GetStyle() & WS_CHILD) == 0)
        SendMessageToDescendants(WM_SETTINGCHANGE, uFlags, reinterpret_cast<LPARAM>(lpszSection), TRUE, FALSE);
}
