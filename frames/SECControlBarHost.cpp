// The MDI children that host bars floating in the main window: the dock bar they hold, their size,
// closing, title and visibility, and their activation as the main frame's bar host.
#include "frames/SECControlBarHost.h"

#include "frames/SECToolkit.h"
#include "win/CDockContext.h"
#include "win/WndInternal.h"

// ---- what the hosts share -------------------------------------------------------------------------------

SECBarHostSupport::SECBarHostSupport(CMDIChildWnd* pHost) : m_wndDockBar(TRUE, TRUE), m_bTakesIcon(FALSE), m_pHost(pHost)
{
}

SECMDIFrameWnd* SECBarHostSupport::GetMainFrame() const
{
    return dynamic_cast<SECMDIFrameWnd*>(m_pHost->GetMDIFrame());
}

BOOL SECBarHostSupport::CreateDockBar()
{
    if (!m_wndDockBar.Create(m_pHost, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    // the bars it holds belong to the main frame
    if (SECMDIFrameWnd* pFrame = GetMainFrame()) {
        m_pHost->RemoveControlBar(&m_wndDockBar);
        m_wndDockBar.SetDockSite(pFrame);
        pFrame->AddControlBar(&m_wndDockBar);
    }
    return TRUE;
}

CControlBar* SECBarHostSupport::GetSingleBar() const
{
    if (m_wndDockBar.GetDockedCount() != 1)
        return nullptr;
    for (const CDockBar::Entry& e : m_wndDockBar.m_arrBars)
        if (e.IsBar())
            return e.pBar;
    return nullptr;
}

HICON SECBarHostSupport::GetFirstBarIcon() const
{
    for (const CDockBar::Entry& e : m_wndDockBar.m_arrBars) {
        if (!e.IsBar())
            continue;
        if (HICON hIcon = reinterpret_cast<HICON>(e.pBar->SendMessage(WM_GETICON, ICON_BIG)))
            return hIcon;
    }
    return nullptr;
}

void SECBarHostSupport::Activate()
{
    if (SECMDIFrameWnd* pFrame = GetMainFrame())
        pFrame->ActivateBarHost(m_pHost);
}

void SECBarHostSupport::OnSize(int cx, int cy)
{
    CControlBar* pBar = GetSingleBar();
    if (pBar == nullptr || cx <= 0 || cy <= 0)
        return;
    const SECDrawValues& v = SECGetDrawValues();
    pBar->CalcDynamicLayout(cx + 2 * v.cxBorder2, LM_HORZ | LM_COMMIT);
    pBar->CalcDynamicLayout(cy + 2 * v.cyBorder2, LM_HORZ | LM_LENGTHY | LM_COMMIT);
}

BOOL SECBarHostSupport::OnClose()
{
    CControlBar* pBar = GetSingleBar();
    SECMDIFrameWnd* pFrame = GetMainFrame();
    if (pBar == nullptr || pFrame == nullptr)
        return FALSE;
    m_pHost->MDIRestore();
    pFrame->ShowControlBar(pBar, FALSE, FALSE);
    return TRUE;
}

void SECBarHostSupport::AfterLayout()
{
    CString strTitle;
    m_wndDockBar.GetWindowText(strTitle);
    AfxSetWindowTextIfChanged(m_pHost, strTitle);
    if (m_bTakesIcon && m_pHost->GetIcon(TRUE) == nullptr) {
        HICON hIcon = GetFirstBarIcon();
        m_pHost->SetIcon(hIcon != nullptr ? hIcon : ::LoadIconA(nullptr, IDI_APPLICATION), TRUE);
    }
    if (m_wndDockBar.GetDockedVisibleCount() > 0) {
        if (!m_pHost->IsWindowVisible())
            m_pHost->ShowWindow(SW_SHOWNOACTIVATE);
    } else if (m_pHost->IsWindowVisible()) {
        if (SECMDIFrameWnd* pFrame = GetMainFrame())
            pFrame->ForgetBarHost(m_pHost);
        m_pHost->ShowWindow(SW_HIDE);
    }
}

void SECBarHostSupport::OnWindowPosChanged()
{
    CControlBar* pBar = GetSingleBar();
    if (pBar == nullptr || pBar->GetDockContext() == nullptr)
        return;
    CRect rect;
    m_pHost->GetWindowRect(rect);
    pBar->GetDockContext()->m_ptMRUFloatPos = rect.TopLeft();
}

void SECBarHostSupport::OnShowWindow()
{
    if (CMDIFrameWnd* pFrame = m_pHost->GetMDIFrame())
        if (pFrame->m_hWndMDIClient != nullptr)
            ::PostMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

void SECBarHostSupport::OnDestroy()
{
    if (SECMDIFrameWnd* pFrame = GetMainFrame())
        pFrame->ForgetBarHost(m_pHost);
}

// ---- the two hosts ---------------------------------------------------------------------------------------

// The handlers both hosts have, each passing to SECBarHostSupport (m_host) and its base.
#define SEC_IMPLEMENT_BAR_HOST(theClass, baseClass)                                                           \
    BOOL theClass::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext)                             \
    {                                                                                                         \
        (void)lpcs;                                                                                           \
        (void)pContext;                                                                                       \
        return m_host.CreateDockBar();                                                                        \
    }                                                                                                         \
    int theClass::OnCreate(LPCREATESTRUCTA lpCreateStruct)                                                    \
    {                                                                                                         \
        if (baseClass::OnCreate(lpCreateStruct) == -1)                                                        \
            return -1;                                                                                        \
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);                                                 \
        return 0;                                                                                             \
    }                                                                                                         \
    void theClass::OnSize(UINT nType, int cx, int cy)                                                         \
    {                                                                                                         \
        m_host.OnSize(cx, cy);                                                                                \
        baseClass::OnSize(nType, cx, cy);                                                                     \
    }                                                                                                         \
    void theClass::OnClose()                                                                                  \
    {                                                                                                         \
        if (!m_host.OnClose())                                                                                \
            baseClass::OnClose();                                                                             \
    }                                                                                                         \
    void theClass::OnDestroy()                                                                                \
    {                                                                                                         \
        m_host.OnDestroy();                                                                                   \
        baseClass::OnDestroy();                                                                               \
    }                                                                                                         \
    void theClass::OnWindowPosChanged(WINDOWPOS* lpwndpos)                                                    \
    {                                                                                                         \
        baseClass::OnWindowPosChanged(lpwndpos);                                                              \
        m_host.OnWindowPosChanged();                                                                          \
    }                                                                                                         \
    void theClass::OnShowWindow(BOOL bShow, UINT nStatus)                                                     \
    {                                                                                                         \
        baseClass::OnShowWindow(bShow, nStatus);                                                              \
        m_host.OnShowWindow();                                                                                \
    }                                                                                                         \
    int theClass::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)                             \
    {                                                                                                         \
        /* the window's default answer, without the MDI client's activation */                                \
        const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);                           \
        m_host.Activate();                                                                                    \
        return nResult;                                                                                       \
    }                                                                                                         \
    void theClass::OnChildActivate()                                                                          \
    {                                                                                                         \
        m_host.Activate();                                                                                    \
    }                                                                                                         \
    void theClass::OnSetFocus(CWnd* pOldWnd)                                                                  \
    {                                                                                                         \
        /* the system's MDI child would make itself the client's active child */                             \
        (void)pOldWnd;                                                                                        \
        m_host.Activate();                                                                                    \
    }                                                                                                         \
    void theClass::RecalcLayout(BOOL bNotify)                                                                 \
    {                                                                                                         \
        baseClass::RecalcLayout(bNotify);                                                                     \
        if (m_hWnd != nullptr)                                                                                \
            m_host.AfterLayout();                                                                             \
    }

#define SEC_BAR_HOST_MESSAGES()                                                                               \
    ON_WM_CREATE()                                                                                            \
    ON_WM_SIZE()                                                                                              \
    ON_WM_CLOSE()                                                                                             \
    ON_WM_DESTROY()                                                                                           \
    ON_WM_WINDOWPOSCHANGED()                                                                                  \
    ON_WM_SHOWWINDOW()                                                                                        \
    ON_WM_MOUSEACTIVATE()                                                                                     \
    ON_WM_CHILDACTIVATE()                                                                                     \
    ON_WM_SETFOCUS()

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECControlBarMDIChildWnd, SECMDIChildWnd)
    SEC_BAR_HOST_MESSAGES()
END_MESSAGE_MAP()

SECControlBarMDIChildWnd::SECControlBarMDIChildWnd() : m_host(this) {}

SECControlBarMDIChildWnd::~SECControlBarMDIChildWnd() = default;

SEC_IMPLEMENT_BAR_HOST(SECControlBarMDIChildWnd, SECMDIChildWnd)

void SECControlBarMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    // the host keeps its bar's title; the main frame's caption follows
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

IMPLEMENT_DYNCREATE(SECControlBarWorksheet, SECWorksheet)

BEGIN_MESSAGE_MAP(SECControlBarWorksheet, SECWorksheet)
    SEC_BAR_HOST_MESSAGES()
END_MESSAGE_MAP()

SECControlBarWorksheet::SECControlBarWorksheet() : m_host(this)
{
    m_host.m_bTakesIcon = TRUE;
}

SECControlBarWorksheet::~SECControlBarWorksheet() = default;

SEC_IMPLEMENT_BAR_HOST(SECControlBarWorksheet, SECWorksheet)

BOOL SECControlBarWorksheet::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                       CCreateContext* pContext)
{
    if (!SECWorksheet::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // the tab shows the bar's icon, not the host's resource
    if (m_hTabIcon != nullptr) {
        ::DestroyIcon(m_hTabIcon);
        m_hTabIcon = nullptr;
    }
    return TRUE;
}

void SECControlBarWorksheet::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (SECWorkbook* pWorkbook = GetWorkbook())
        pWorkbook->InvalidateTab(this);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}
