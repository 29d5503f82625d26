// SECMDIFrameWnd: loading in menu-bar mode, the dock bars, docking by row and fraction, floating in
// floating frames and in the main window, bar hosts' activation, menus kept by id, routing through
// the active bar host and the plug-ins, and the drawn caption.
#include <algorithm>

#include "frames/SECMDIFrameWnd.h"

#include "frames/SECBmpMenuPlugIn.h"
#include "frames/SECControlBarHost.h"
#include "frames/SECDocTemplateUtils.h"
#include "frames/SECDockState.h"
#include "frames/SECFrameDocking.h"
#include "frames/SECMDIChildWnd.h"
#include "frames/SECMenuBar.h"
#include "frames/SECMiniDockFrameWnd.h"
#include "frames/SECToolkit.h"
#include "frames/SECToolkitRes.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDocTemplate.h"
#include "win/CDocument.h"
#include "win/CMDIChildWnd.h"
#include "win/CMenu.h"
#include "win/CMiniFrameWnd.h"
#include "win/CView.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(SECMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECMDIFrameWnd, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(SEC_WM_BARCONTEXTMENU, OnBarContextMenu)
    ON_REGISTERED_MESSAGE(g_nMsgSecGetMenu, OnSecGetMenu)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    SEC_ON_WORKSPACE_COMMANDS()
END_MESSAGE_MAP()

namespace {

// The cascade of bars floated in the main window.
const int kCascadeStart = 30;
const int kCascadeStepX = 20;
const int kCascadeStepY = 23;
const int kCascadeMargin = 30;

// The style of a bar host (the class library's add-to-title bit is added).
const DWORD kBarHostStyle =
    WS_CHILD | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Refuses (CInvalidArgException) a class that is null, not creatable or not derived from pBase.
void RequireCreatable(CRuntimeClass* pClass, CRuntimeClass* pBase, const char* lpszWhere)
{
    AfxRequirePointer(pClass, lpszWhere, "pClass");
    if (!pClass->IsDerivedFrom(pBase) || !pClass->IsCreatable())
        AfxThrowInvalidArgFormat("%s: class %s is not a creatable %s", lpszWhere, pClass->m_lpszClassName,
                                 pBase->m_lpszClassName);
}

// The dock bar of a bar host.
SECDockBar* HostDockBarOf(CFrameWnd* pHost)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetDlgItem(pHost->m_hWnd, AFX_IDW_DOCKBAR_FLOAT));
    SECDockBar* pDockBar = dynamic_cast<SECDockBar*>(pWnd);
    if (pDockBar == nullptr)
        AfxThrowInvalidArgFormat("SECMDIFrameWnd: bar host %p has no toolkit dock bar 0x%04X", pHost->m_hWnd,
                                 AFX_IDW_DOCKBAR_FLOAT);
    return pDockBar;
}

} // namespace

SECMDIFrameWnd::SECMDIFrameWnd()
    : m_pDockBarClass(RUNTIME_CLASS(SECDockBar)), m_pBarHostClass(RUNTIME_CLASS(SECControlBarMDIChildWnd)),
      m_pActiveBarHost(nullptr),
      m_ptCascade(kCascadeStart, kCascadeStart), m_dwDockExtra(0), m_bInActivate(FALSE), m_bSwitching(FALSE),
      m_rectLastClient(0, 0, 0, 0), m_pMenuBar(nullptr), m_pPlugIn(nullptr), m_pExtraPlugIn(nullptr),
      m_bBitmapMenus(FALSE), m_bBitmapMenusSecond(FALSE), m_hMenuOwn(nullptr), m_nIDMenu(0), m_nIDMenuOwn(0),
      m_pControlBarManager(nullptr)
{
}

SECMDIFrameWnd::~SECMDIFrameWnd()
{
    delete m_pPlugIn;
    delete m_pExtraPlugIn;
    if (m_hMenuOwn != nullptr)
        ::DestroyMenu(m_hMenuOwn);
    for (const auto& entry : m_menus)
        ::DestroyMenu(entry.second);
    SECDeleteOwnedWindows(m_ownedWindows);
}

// ---- creation -------------------------------------------------------------------------------------------

BOOL SECMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDMenu = m_nIDMenuOwn = nIDResource;
    SetHelpID(nIDResource);
    if (m_pMenuBar == nullptr)
        return CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);

    // menu-bar mode: the window has no menu; the menu bar shows the one kept here
    const LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    if (m_hMenuOwn == nullptr) {
        const HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(4) /* RT_MENU */);
        m_hMenuOwn = hInst != nullptr ? ::LoadMenuA(hInst, lpszName) : nullptr;
    }
    if (!Create(FrameClassFor(nIDResource), TitleFor(nIDResource), dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0,
                pContext))
        return FALSE; // the object is gone, and the kept menu with it
    if (m_frameState.hAccelTable == nullptr)
        LoadAccelTable(lpszName);
    ShowMenu(nIDResource);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL SECMDIFrameWnd::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext)
{
    if (m_pMenuBar == nullptr)
        return CMDIFrameWnd::OnCreateClient(lpcs, pContext);
    return CreateClient(lpcs, CMenu::FromHandle(GetWindowMenuPopup(m_hMenuOwn)));
}

int SECMDIFrameWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pPlugIn = CreateFramePlugIn();
    if (m_pPlugIn != nullptr)
        m_pPlugIn->PlugInTo(this);
    m_pExtraPlugIn = CreateExtraPlugIn();
    if (m_pExtraPlugIn != nullptr)
        m_pExtraPlugIn->PlugInTo(this);
    return 0;
}

SECWndPlugIn* SECMDIFrameWnd::CreateFramePlugIn()
{
    return SECCreateFramePlugIn(m_pMenuBar, m_bBitmapMenus, m_pControlBarManager);
}

SECWndPlugIn* SECMDIFrameWnd::CreateExtraPlugIn()
{
    return nullptr;
}

void SECMDIFrameWnd::OnDestroy()
{
    // the plug-ins go before the window; a close the user cancelled keeps them
    delete m_pPlugIn;
    m_pPlugIn = nullptr;
    delete m_pExtraPlugIn;
    m_pExtraPlugIn = nullptr;
    m_pActiveBarHost = nullptr;
    CMDIFrameWnd::OnDestroy();
}

// ---- docking ------------------------------------------------------------------------------------------

void SECMDIFrameWnd::SetDockBarClass(CRuntimeClass* pClass)
{
    RequireCreatable(pClass, RUNTIME_CLASS(SECDockBar), "SECMDIFrameWnd::SetDockBarClass");
    m_pDockBarClass = pClass;
}

void SECMDIFrameWnd::SetBarHostClass(CRuntimeClass* pClass)
{
    RequireCreatable(pClass, RUNTIME_CLASS(CMDIChildWnd), "SECMDIFrameWnd::SetBarHostClass");
    m_pBarHostClass = pClass;
}

CDockBar* SECMDIFrameWnd::CreateDockBarObject()
{
    SECDockBar* pDockBar = static_cast<SECDockBar*>(m_pDockBarClass->CreateObject());
    if (pDockBar != nullptr)
        pDockBar->m_dwExtra = m_dwDockExtra;
    return pDockBar;
}

void SECMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwExtra)
{
    if (GetFloatingFrameClass() == nullptr)
        SetFloatingFrameClass(RUNTIME_CLASS(SECMiniDockFrameWnd));
    m_dwDockExtra = dwExtra;
    CMDIFrameWnd::EnableDocking(dwDockStyle);
}

void SECMDIFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    SECDockControlBarWithHooks(this, pBar, nDockBarID, lpRect);
}

void SECMDIFrameWnd::DockControlBarWithLayout(CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID,
                                              float fPctWidth, int nThickness)
{
    SECDockControlBarWithLayout(this, pBar, pos, nDockBarID, fPctWidth, nThickness);
}

void SECMDIFrameWnd::DockControlBarAt(CControlBar* pBar, UINT nDockBarID, int nPos, int nDockRow, float fPctWidth,
                                      int nThickness)
{
    SECDockPos pos;
    pos.nDockRow = nDockRow;
    pos.nPos = nPos;
    DockControlBarWithLayout(pBar, pos, nDockBarID, fPctWidth, nThickness);
}

void SECMDIFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    SECFloatControlBar(this, pBar, point, dwStyle);
}

// ---- floating in the main window ------------------------------------------------------------------------

BOOL SECMDIFrameWnd::IsFloatingInMainWindow(const CControlBar* pBar) const
{
    const SECDockBar* pDockBar = pBar != nullptr ? dynamic_cast<const SECDockBar*>(pBar->GetDockBar()) : nullptr;
    return pDockBar != nullptr && pDockBar->m_bMDIChild;
}

void SECMDIFrameWnd::SetSwitching(BOOL bSwitching)
{
    m_bSwitching = bSwitching;
}

CMDIChildWnd* SECMDIFrameWnd::CreateBarHost()
{
    CMDIChildWnd* pHost = static_cast<CMDIChildWnd*>(m_pBarHostClass->CreateObject());
    if (pHost == nullptr)
        AfxThrowResourceException();
    // a host that could not be made has deleted itself
    if (!pHost->LoadFrame(IDR_SEC_BARHOST, kBarHostStyle | FWS_ADDTOTITLE, this, nullptr))
        AfxThrowResourceException();
    return pHost;
}

void SECMDIFrameWnd::FloatControlBarInMainWindow(CControlBar* pBar, int x, int y, DWORD dwStyle)
{
    AfxRequirePointer(pBar, "SECMDIFrameWnd::FloatControlBarInMainWindow", "pBar");
    (void)dwStyle; // a host holds its bar in a dock bar of its own alignment
    if (m_hWndMDIClient == nullptr)
        AfxThrowInvalidArgFormat("SECMDIFrameWnd::FloatControlBarInMainWindow: frame %p has no MDI client", m_hWnd);
    SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar);
    if (pSEC != nullptr)
        pSEC->OnBarBeginMDIFloat();

    CRect rectClient;
    ::GetClientRect(m_hWndMDIClient, &rectClient);
    CPoint pt(x, y);
    if (x < 0 || y < 0) {
        pt = m_ptCascade;
        m_ptCascade.Offset(kCascadeStepX, kCascadeStepY);
        if (m_ptCascade.x > rectClient.Width() - kCascadeMargin)
            m_ptCascade.x = kCascadeStart;
        if (m_ptCascade.y > rectClient.Height() - kCascadeMargin)
            m_ptCascade.y = kCascadeStart;
    } else {
        ::ScreenToClient(m_hWndMDIClient, &pt);
    }
    pt.x = (std::max)(LONG(0), (std::min)(pt.x, LONG(rectClient.Width())));
    pt.y = (std::max)(LONG(0), (std::min)(pt.y, LONG(rectClient.Height() - kCascadeMargin)));

    CDockBar* pDockBar = pBar->GetDockBar();
    if (IsFloatingInMainWindow(pBar) && pDockBar->GetDockedCount() == 1) {
        CFrameWnd* pHost = pDockBar->GetParentFrame();
        pHost->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pHost->RecalcLayout();
    } else {
        CMDIChildWnd* pHost = CreateBarHost();
        HostDockBarOf(pHost)->DockControlBar(pBar);
        SECPlaceBarHost(pHost, pBar, pt);
    }
    // the bar left its place in this frame's layout
    DelayRecalcLayout();
    if (pSEC != nullptr)
        pSEC->OnBarEndMDIFloat();
}

// ---- bar hosts ------------------------------------------------------------------------------------------

void SECMDIFrameWnd::SetClientChildActive(BOOL bActive, HWND hWndOther, BOOL bPost)
{
    if (m_hWndMDIClient == nullptr)
        return;
    const HWND hWndChild = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    if (hWndChild == nullptr)
        return;
    // as the child hears activation changes: wParam the window losing it, lParam the one gaining it
    const WPARAM wParam = reinterpret_cast<WPARAM>(bActive ? hWndOther : hWndChild);
    const LPARAM lParam = reinterpret_cast<LPARAM>(bActive ? hWndChild : hWndOther);
    for (const UINT message : {UINT(WM_NCACTIVATE), UINT(WM_MDIACTIVATE)}) {
        const WPARAM w = message == WM_NCACTIVATE ? WPARAM(bActive) : wParam;
        const LPARAM l = message == WM_NCACTIVATE ? 0 : lParam;
        if (bPost)
            ::PostMessageA(hWndChild, message, w, l);
        else
            ::SendMessageA(hWndChild, message, w, l);
    }
}

void SECMDIFrameWnd::ActivateBarHost(CMDIChildWnd* pHost)
{
    AfxRequirePointer(pHost, "SECMDIFrameWnd::ActivateBarHost", "pHost");
    // moving the focus into the host comes back here through the host
    if (m_bInActivate)
        return;
    const CAfxFlagScope guard(m_bInActivate);
    CMDIChildWnd* pPrevious = m_pActiveBarHost;
    if (pPrevious != nullptr && pPrevious != pHost)
        pPrevious->SendMessage(WM_NCACTIVATE, FALSE);
    m_pActiveBarHost = pHost;
    SetClientChildActive(FALSE, pHost->m_hWnd);
    pHost->SendMessage(WM_NCACTIVATE, TRUE);
    const HWND hWndFocus = ::GetFocus();
    if (hWndFocus != pHost->m_hWnd && !::IsChild(pHost->m_hWnd, hWndFocus)) {
        CView* pView = pHost->GetActiveView();
        if (pView != nullptr)
            pView->SetFocus();
        else
            pHost->SetFocus();
    }
    OnUpdateFrameTitle(TRUE);
    if (m_pMenuBar != nullptr) {
        CDocTemplate* pTemplate = SECDocTemplateUtils::TemplateOfFrame(pHost);
        ShowMenu(pTemplate != nullptr ? pTemplate->m_nIDResource : UINT(-1));
    }
}

void SECMDIFrameWnd::DeactivateBarHost()
{
    CMDIChildWnd* pHost = m_pActiveBarHost;
    if (pHost == nullptr)
        return;
    m_pActiveBarHost = nullptr;
    if (pHost->m_hWnd != nullptr)
        pHost->SendMessage(WM_NCACTIVATE, FALSE);
    SetClientChildActive(TRUE, pHost->m_hWnd);
}

void SECMDIFrameWnd::ForgetBarHost(CMDIChildWnd* pHost)
{
    if (m_pActiveBarHost == pHost)
        DeactivateBarHost();
}

void SECMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CMDIChildWnd* pHost = m_pActiveBarHost;
    if (nState == WA_INACTIVE || pHost == nullptr || m_bInActivate)
        return;
    ActivateBarHost(pHost);
    const CAfxFlagScope guard(m_bInActivate);
    pHost->BringWindowToTop();
}

void SECMDIFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CMDIFrameWnd::OnActivateApp(bActive, dwThreadID);
    // the system shows the client's active child active again with the application: the host keeps it
    if (m_pActiveBarHost != nullptr)
        SetClientChildActive(FALSE, m_pActiveBarHost->m_hWnd, TRUE);
}

// ---- menus --------------------------------------------------------------------------------------------

void SECMDIFrameWnd::EnableBitmapMenus(BOOL bEnable, BOOL bSecond)
{
    m_bBitmapMenus = bEnable;
    m_bBitmapMenusSecond = bSecond;
}

BOOL SECMDIFrameWnd::SetMenuBitmapsFromToolBar(UINT nIDToolBar)
{
    SECBmpMenuPlugIn* pBmpMenus = dynamic_cast<SECBmpMenuPlugIn*>(m_pPlugIn);
    return pBmpMenus != nullptr && pBmpMenus->LoadToolBarImages(nIDToolBar);
}

HMENU SECMDIFrameWnd::GetOwnMenu() const
{
    return m_pMenuBar != nullptr ? m_hMenuOwn : GetDefaultMenu();
}

HMENU SECMDIFrameWnd::GetShownMenu() const
{
    return m_pMenuBar != nullptr ? m_hMenuOwn : ::GetMenu(m_hWnd);
}

HMENU SECMDIFrameWnd::FindMenu(UINT nID)
{
    if (nID == m_nIDMenuOwn && GetOwnMenu() != nullptr)
        return GetOwnMenu();
    SECDocTemplateUtils templates;
    templates.KeepResourceID(nID);
    for (CDocTemplate* pTemplate : templates.GetTemplates()) {
        const CMultiDocTemplate* pMulti = dynamic_cast<const CMultiDocTemplate*>(pTemplate);
        if (pMulti != nullptr && pMulti->m_hMenuShared != nullptr)
            return pMulti->m_hMenuShared;
    }
    auto it = m_menus.find(nID);
    if (it != m_menus.end())
        return it->second;
    const LPCSTR lpszName = MAKEINTRESOURCEA(nID);
    const HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(4) /* RT_MENU */);
    if (HMENU hMenu = hInst != nullptr ? ::LoadMenuA(hInst, lpszName) : nullptr) {
        m_menus[nID] = hMenu;
        return hMenu;
    }
    return nID == IDR_SEC_BARHOST ? GetOwnMenu() : nullptr;
}

LRESULT SECMDIFrameWnd::OnSecGetMenu(WPARAM wParam, LPARAM lParam)
{
    const HMENU hMenu = FindMenu(UINT(wParam));
    return hMenu != nullptr ? reinterpret_cast<LRESULT>(::GetSubMenu(hMenu, int(lParam))) : 0;
}

void SECMDIFrameWnd::ShowMenu(UINT nID)
{
    if (nID == UINT(-1))
        nID = m_nIDMenuOwn;
    m_nIDMenu = nID;
    if (m_pMenuBar != nullptr)
        m_pMenuBar->SwitchMenu(nID);
    SyncMDIWindowMenu();
}

void SECMDIFrameWnd::SyncMDIWindowMenu()
{
    if (m_hWndMDIClient == nullptr || ::GetMenu(m_hWnd) != nullptr)
        return;
    const HMENU hWindowMenu = GetWindowMenuPopup(FindMenu(m_nIDMenu));
    if (hWindowMenu != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(hWindowMenu));
}

BOOL SECMDIFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    SECMenuBar* pMenuBar = dynamic_cast<SECMenuBar*>(m_pMenuBar);
    if (nBorderCmd != borderGet && pMenuBar != nullptr && lpRectBorder != nullptr && ::IsRectEmpty(lpRectBorder))
        pMenuBar->KeepVisibleOnce();
    return CMDIFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
}

void SECMDIFrameWnd::UpdateMenuBarButtons()
{
    if (m_pMenuBar == nullptr || !m_pMenuBar->UpdateMDIButtons(FALSE))
        return;
    CControlBar* pBar = m_pMenuBar->GetMenuBarWnd();
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return;
    pBar->Invalidate();
    if (CFrameWnd* pFrame = pBar->GetDockingFrame())
        pFrame->RecalcLayout();
}

LRESULT SECMDIFrameWnd::OnBarContextMenu(WPARAM wParam, LPARAM lParam)
{
    CControlBar* pBar = reinterpret_cast<CControlBar*>(wParam);
    CMenu* pMenu = reinterpret_cast<CMenu*>(lParam);
    if (pBar == nullptr || pMenu == nullptr)
        return 0;
    const BOOL bInMainWindow = IsFloatingInMainWindow(pBar);
    if (bInMainWindow)
        pMenu->EnableMenuItem(ID_SEC_ALLOWDOCKING, MF_BYCOMMAND | MF_GRAYED);
    SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar);
    if (pSEC != nullptr && (pSEC->GetExBarStyle() & SEC_CBRS_EX_MDIFLOAT)) {
        CString strText;
        AfxLoadString(ID_SEC_FLOATINMAINWINDOW, strText);
        pMenu->AppendMenu(MF_SEPARATOR);
        pMenu->AppendMenu(MF_STRING | (bInMainWindow ? MF_CHECKED : MF_UNCHECKED), ID_SEC_FLOATINMAINWINDOW, strText);
    }
    return 0;
}

void SECMDIFrameWnd::OnWorkspaceCommand(UINT nID)
{
    (void)nID;
}

void SECMDIFrameWnd::OnUpdateWorkspaceCommand(CCmdUI* pCmdUI)
{
    (void)pCmdUI;
}

// ---- frame behaviour ----------------------------------------------------------------------------------

CFrameWnd* SECMDIFrameWnd::GetActiveFrame()
{
    if (m_pActiveBarHost != nullptr)
        return m_pActiveBarHost;
    return CMDIFrameWnd::GetActiveFrame();
}

BOOL SECMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CFrameWnd* pActive = m_pActiveBarHost != nullptr ? static_cast<CFrameWnd*>(m_pActiveBarHost) : MDIGetActive();
    if (pActive != nullptr && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pExtraPlugIn != nullptr && m_pExtraPlugIn->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "SECMDIFrameWnd::PreTranslateMessage", "pMsg");
    if (m_pPlugIn != nullptr && m_pPlugIn->IsEnabled() && m_pPlugIn->PreTranslateMessage(pMsg))
        return TRUE;
    if (SECSwallowsWhileCustomizing(m_pControlBarManager, pMsg))
        return TRUE;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT SECMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (SECPlugInTakesMessage(m_pPlugIn, message, wParam, lParam, lResult))
        return lResult;
    if (message == WM_INITMENUPOPUP)
        return SECInitMenuPopup(m_pPlugIn, m_bBitmapMenus, wParam, lParam,
                                [&](LPARAM lParamPopup) { return CMDIFrameWnd::WindowProc(message, wParam, lParamPopup); });
    return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}

void SECMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CFrameWnd* pActive = GetActiveFrame();
    const BOOL bChild = pActive != nullptr && pActive != this;
    if (bAddToTitle && !(bChild && pActive->IsZoomed())) {
        CDocument* pDocument = bChild ? pActive->GetActiveDocument() : nullptr;
        if (pDocument == nullptr)
            pDocument = GetActiveDocument();
        if (pDocument != nullptr) {
            UpdateFrameTitleForDocument(pDocument->GetTitle());
            return;
        }
    }
    CString strChild;
    if (bChild)
        pActive->GetWindowText(strChild);
    UpdateFrameTitleForDocument(strChild.IsEmpty() ? nullptr : strChild.GetString());
}

void SECMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    SECRecalcDockingLayout(this, m_rectLastClient, [&] { CMDIFrameWnd::RecalcLayout(bNotify); });
}

DWORD SECMDIFrameWnd::HelpHitTest(CPoint ptScreen)
{
    const DWORD dwContext = SECMenuBarHelpHitTest(m_pMenuBar, ptScreen);
    return dwContext != 0 ? dwContext : CMDIFrameWnd::HelpHitTest(ptScreen);
}

void SECMDIFrameWnd::OnSysColorChange()
{
    SECRefreshSysColors();
    CMDIFrameWnd::OnSysColorChange();
}

LRESULT SECMDIFrameWnd::OnNcHitTest(CPoint point)
{
    // the frame takes no clicks while the tool-bar manager customises
    if (SECIsCustomizing(m_pControlBarManager))
        return HTERROR;
    return CMDIFrameWnd::OnNcHitTest(point);
}

void SECMDIFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    SECLayoutWhileCustomizing(this, m_pControlBarManager, nWhy);
    CMDIFrameWnd::OnEnterIdle(nWhy, pWho);
}

// ---- custom caption ---------------------------------------------------------------------------------

void SECMDIFrameWnd::EnableCustomCaption(BOOL bEnable, int nAlign)
{
    SECEnableCustomCaption(m_caption, this, bEnable, nAlign);
}

BOOL SECMDIFrameWnd::OnNcActivate(BOOL bActive)
{
    bActive = SECNcActivateWhileCustomizing(this, m_pControlBarManager, bActive);
    m_caption.SetActive(bActive || IsStayActive());
    return SECWithDrawnCaption(m_caption, this, [&] { return CMDIFrameWnd::OnNcActivate(bActive); });
}

void SECMDIFrameWnd::OnEnable(BOOL bEnable)
{
    SECEnableWhileCustomizing(this, m_pControlBarManager);
    CMDIFrameWnd::OnEnable(bEnable);
}

void SECMDIFrameWnd::OnNcPaint()
{
    // the borders as the system draws them, then the caption over the system's
    Default();
    if (m_caption.IsOn())
        m_caption.DrawCaption(this);
}

LRESULT SECMDIFrameWnd::OnSetText(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return SECWithDrawnCaption(m_caption, this, [&] { return Default(); });
}

// ---- saved layouts ----------------------------------------------------------------------------------

CDockState* SECMDIFrameWnd::CreateDockState()
{
    return new SECDockState(m_pControlBarManager);
}

void SECMDIFrameWnd::GetDockState(CDockState& state)
{
    SECPrepareDockState(state, m_pControlBarManager, m_ownedWindows);
    CMDIFrameWnd::GetDockState(state);
}

void SECMDIFrameWnd::SetDockState(CDockState& state)
{
    SECPrepareDockState(state, m_pControlBarManager, m_ownedWindows);
    CMDIFrameWnd::SetDockState(state);
}
