// CMDIChildWnd: creation through the MDI client, the template's shared menu and accelerators,
// activation and the caption.
#include "win/CMDIChildWnd.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDocTemplate.h"
#include "win/CDocument.h"
#include "win/CMDIFrameWnd.h"
#include "win/CView.h"
#include "win/CWinApp.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_MDIACTIVATE()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

CMDIChildWnd::~CMDIChildWnd() = default;

// ---- creation ---------------------------------------------------------------------------------------------

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd == nullptr || !pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            AfxThrowInvalidArgException("CMDIChildWnd::Create: no MDI frame given and the main window is not one");
        pParentWnd = static_cast<CMDIFrameWnd*>(pMainWnd);
    }
    if (pParentWnd->m_hWndMDIClient == nullptr)
        AfxThrowInvalidArgFormat("CMDIChildWnd::Create: MDI frame %p has no MDI client", pParentWnd->m_hWnd);

    CREATESTRUCTA cs = {};
    cs.style = LONG(dwStyle | WS_CHILD);
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (rect.left == CW_USEDEFAULT) {
        cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    } else {
        cs.x = rect.left;
        cs.y = rect.top;
        cs.cx = rect.right - rect.left;
        cs.cy = rect.bottom - rect.top;
    }
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    m_frameState.strTitle = lpszWindowName != nullptr ? lpszWindowName : "";

    // made hidden and plain; shown below as asked
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = DWORD(cs.style) & ~DWORD(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);

    const HWND hWndClient = pParentWnd->m_hWndMDIClient;
    const HWND hWnd = AfxCreateHooked(this, [&] {
        return reinterpret_cast<HWND>(::SendMessageA(hWndClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    });
    if (hWnd == nullptr)
        return FALSE;
    if (cs.style & WS_VISIBLE) {
        ::BringWindowToTop(hWnd);
        if (cs.style & WS_MINIMIZE)
            ShowWindow(SW_SHOWMINIMIZED);
        else if (cs.style & WS_MAXIMIZE)
            ShowWindow(SW_SHOWMAXIMIZED);
        else
            ShowWindow(SW_SHOWNORMAL);
        pParentWnd->MDIActivate(this);
        ::SendMessageA(hWndClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CMDIFrameWnd* pMDIFrame = nullptr;
    if (pParentWnd != nullptr) {
        if (!pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            AfxThrowInvalidArgFormat("CMDIChildWnd::LoadFrame: parent %p is not an MDI frame", pParentWnd->m_hWnd);
        pMDIFrame = static_cast<CMDIFrameWnd*>(pParentWnd);
    }
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        const CMultiDocTemplate* pTemplate = static_cast<const CMultiDocTemplate*>(pContext->m_pNewDocTemplate);
        m_childState.hMenuShared = pTemplate->m_hMenuShared;
        m_frameState.hAccelTable = pTemplate->m_hAccelTable;
    }
    m_frameState.nIDHelp = nIDResource;
    if (!Create(FrameClassFor(nIDResource), TitleFor(nIDResource), dwDefaultStyle, rectDefault, pMDIFrame, pContext))
        return FALSE;
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // through the MDI client, so that it activates another child and mends its window menu
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr || pFrame->m_hWndMDIClient == nullptr)
        return CFrameWnd::DestroyWindow();
    MDIDestroy(); // the object may be gone now
    return TRUE;
}

// ---- the MDI frame ------------------------------------------------------------------------------------

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    const HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pWnd = hWndClient != nullptr ? FromHandlePermanent(::GetParent(hWndClient)) : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pWnd) : nullptr;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

HMENU CMDIChildWnd::GetSharedMenu() const
{
    return m_childState.hMenuShared;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1 && pFrame != nullptr) {
        // a new child follows the active one into the maximised state
        BOOL bMaximized = FALSE;
        pFrame->MDIGetActive(&bMaximized);
        const DWORD dwStyle = GetStyle();
        if (bMaximized || (dwStyle & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (dwStyle & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrame != nullptr && pFrame->m_hWndMDIClient != nullptr) {
        MDIActivate();
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

// ---- activation, menus, caption -----------------------------------------------------------------------

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    (void)pDeactivateWnd;
    CView* pActiveView = GetActiveView();
    if (!bActivate && pActiveView != nullptr)
        pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
    // the last child going leaves the document out of the frame's caption
    OnUpdateFrameTitle(bActivate || pActivateWnd != nullptr);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (bActivate && pActiveView != nullptr && pFrame != nullptr && ::GetActiveWindow() == pFrame->m_hWnd)
        pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    if (pFrame != nullptr)
        pFrame->DrawMenuBar();
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr || pFrame->m_hWndMDIClient == nullptr)
        return;
    if (hMenuAlt == nullptr && bActivate) {
        if (CDocument* pDocument = GetActiveDocument())
            hMenuAlt = pDocument->GetDefaultMenu();
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = m_childState.hMenuShared;
    if (hMenuAlt != nullptr && bActivate)
        AfxMDISetMenuBar(pFrame->m_hWndMDIClient, hMenuAlt);
    else if (hMenuAlt != nullptr && !bActivate && pActivateWnd == nullptr)
        AfxMDISetMenuBar(pFrame->m_hWndMDIClient, pFrame->GetDefaultMenu()); // the last child goes
    else
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (GetStyle() & FWS_ADDTOTITLE) {
        CDocument* pDocument = GetActiveDocument();
        AfxSetWindowTextIfChanged(this, bAddToTitle && pDocument != nullptr ? pDocument->GetTitle()
                                                                           : m_frameState.strTitle);
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr && pFrame->MDIGetActive() != this)
        MDIActivate();
    return nResult;
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CMDIChildWnd::PreTranslateMessage", "pMsg");
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // the child has no menu: its commands are sent to the MDI frame, which routes them back here
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && pFrame != nullptr &&
           TranslateFrameAccelerator(pFrame->m_hWnd, GetDefaultAccelerator(), pMsg);
}
