// CMDIFrameWnd: the MDI client, the window menu, routing through the active child, the Window
// commands and the system's MDI keys.
#include "win/CMDIFrameWnd.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDocument.h"
#include "win/CMDIChildWnd.h"
#include "win/CMenu.h"
#include "win/CPreviewView.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr)
{
}

CMDIFrameWnd::~CMDIFrameWnd() = default;

// ---- the MDI client -------------------------------------------------------------------------------------

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr || !::IsMenu(hMenuBar))
        return nullptr;
    const int nCount = ::GetMenuItemCount(hMenuBar);
    for (int i = 0; i < nCount; ++i) {
        const HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        const int nItems = ::GetMenuItemCount(hPopup);
        for (int j = 0; j < nItems; ++j) {
            const UINT nID = ::GetMenuItemID(hPopup, j);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_NEW + 0x0F)
                return hPopup;
        }
    }
    return nullptr;
}

void AfxMDISetMenuBar(HWND hWndMDIClient, HMENU hMenuBar)
{
    ::SendMessageA(hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuBar),
                   reinterpret_cast<LPARAM>(CMDIFrameWnd::GetWindowMenuPopup(hMenuBar)));
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext)
{
    (void)pContext;
    HMENU hMenu = GetDefaultMenu();
    if (hMenu == nullptr)
        hMenu = ::GetMenu(m_hWnd);
    return CreateClient(lpcs, CMenu::FromHandle(GetWindowMenuPopup(hMenu)));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCTA lpCreateStruct, CMenu* pWindowMenu)
{
    (void)lpCreateStruct;
    if (m_hWndMDIClient != nullptr)
        AfxThrowInvalidArgFormat("CMDIFrameWnd::CreateClient: the frame already has MDI client %p", m_hWndMDIClient);
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL |
                          MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(UINT_PTR(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    (void)cx;
    (void)cy;
    // not DefFrameProc: it would stretch the MDI client over the bars
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnDestroy()
{
    // a print preview ends while the children it hid, the view it shows among them, still stand
    if (CPreviewView* pPreview = GetPreviewView())
        pPreview->EndPreview();
    // MDI children still open go first, through their client: Wine's MDI client frees its list of
    // children when it is destroyed, and a child destroyed after it would read that freed list.
    if (m_hWndMDIClient != nullptr) {
        std::vector<HWND> children;
        for (HWND hWnd = ::GetWindow(m_hWndMDIClient, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
            children.push_back(hWnd);
        for (HWND hWnd : children) {
            if (::IsWindow(hWnd) && ::GetParent(hWnd) == m_hWndMDIClient)
                ::SendMessageA(m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWnd), 0);
        }
    }
    CFrameWnd::OnDestroy();
    // the children go after this; they must not put menus on a frame that is going
    m_hWndMDIClient = nullptr;
}

// ---- children ---------------------------------------------------------------------------------------------

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWndActive = nullptr;
    if (m_hWndMDIClient != nullptr)
        hWndActive = reinterpret_cast<HWND>(
            ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    if (pbMaximized != nullptr)
        *pbMaximized = hWndActive != nullptr && bMaximized;
    CWnd* pWnd = FromHandlePermanent(hWndActive);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(pWnd) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    AfxRequirePointer(pWndActivate, "CMDIFrameWnd::MDIActivate", "pWndActivate");
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    AfxRequirePointer(pWnd, "CMDIFrameWnd::MDIMaximize", "pWnd");
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    AfxRequirePointer(pWnd, "CMDIFrameWnd::MDIRestore", "pWnd");
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, WPARAM(nType), 0);
}

void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, WPARAM(nType), 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    const HMENU hOld = reinterpret_cast<HMENU>(::SendMessageA(
        m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(pFrameMenu != nullptr ? pFrameMenu->m_hMenu : nullptr),
        reinterpret_cast<LPARAM>(pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr)));
    return CMenu::FromHandle(hOld);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    const BOOL bChild = m_hWndMDIClient != nullptr && ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0) != 0;
    pCmdUI->Enable(bChild);
}

// ---- frame behaviour ----------------------------------------------------------------------------------

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != nullptr ? static_cast<CFrameWnd*>(pActiveChild) : this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActiveChild = MDIGetActive(&bMaximized);
    if (bAddToTitle && pActiveChild != nullptr && !bMaximized) {
        CDocument* pDocument = GetActiveDocument();
        if (pDocument == nullptr)
            pDocument = pActiveChild->GetActiveDocument();
        if (pDocument != nullptr) {
            UpdateFrameTitleForDocument(pDocument->GetTitle());
            return;
        }
    }
    const CString strChild = pActiveChild != nullptr ? pActiveChild->GetTitle() : CString();
    UpdateFrameTitleForDocument(strChild.IsEmpty() ? nullptr : strChild.GetString());
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr) {
        pActiveChild->OnUpdateFrameMenu(TRUE, pActiveChild, hMenuAlt);
        return;
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = GetDefaultMenu();
    if (m_hWndMDIClient != nullptr) {
        AfxMDISetMenuBar(m_hWndMDIClient, hMenuAlt);
        DrawMenuBar();
    }
}

HACCEL CMDIFrameWnd::GetDefaultAccelerator()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr) {
        if (HACCEL hAccel = pActiveChild->GetDefaultAccelerator())
            return hAccel;
    }
    return m_frameState.hAccelTable;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CMDIFrameWnd::PreTranslateMessage", "pMsg");
    // keys that reach the frame itself (no window has the focus) are a print preview's first
    if (pMsg->hwnd == m_hWnd && GetPreviewView() != nullptr && GetPreviewView()->TranslatePreviewKey(pMsg))
        return TRUE;
    // the active child translates its own keys first, unless the message came through it already
    // (the application offers a message to the windows from its target up)
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr && pMsg->hwnd != pActiveChild->m_hWnd && !::IsChild(pActiveChild->m_hWnd, pMsg->hwnd) &&
        pActiveChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        if (TranslateFrameAccelerator(m_hWnd, m_frameState.hAccelTable, pMsg))
            return TRUE;
        // not while a print preview hides the children
        if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && m_hWndMDIClient != nullptr &&
            GetPreviewView() == nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return FALSE;
}
