// SECFrameWnd: loading with or without a menu, docking and floating, the own menu, routing through the
// plug-ins, help mode with the menu bar, saved layouts and the drawn caption.
#include "frames/SECFrameWnd.h"

#include "frames/SECDockState.h"
#include "frames/SECFrameDocking.h"
#include "frames/SECMDIFrameWnd.h"
#include "frames/SECMiniDockFrameWnd.h"
#include "frames/SECToolkit.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"

IMPLEMENT_DYNCREATE(SECFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(SECFrameWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_REGISTERED_MESSAGE(g_nMsgSecGetMenu, OnSecGetMenu)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    SEC_ON_WORKSPACE_COMMANDS()
END_MESSAGE_MAP()

namespace {

// The menu resource nID from the current resource handle, then the program; null when there is none.
HMENU LoadMenuResource(UINT nID)
{
    const LPCSTR lpszName = MAKEINTRESOURCEA(nID);
    const HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(4) /* RT_MENU */);
    return hInst != nullptr ? ::LoadMenuA(hInst, lpszName) : nullptr;
}

} // namespace

SECFrameWnd::SECFrameWnd()
    : m_pControlBarManager(nullptr), m_rectLastClient(0, 0, 0, 0), m_pPlugIn(nullptr), m_bBitmapMenus(FALSE),
      m_pMenuBar(nullptr), m_hMenuOwn(nullptr), m_nIDMenu(0), m_pExtraPlugIn(nullptr), m_dwDockExtra(0)
{
}

SECFrameWnd::~SECFrameWnd()
{
    delete m_pPlugIn;
    delete m_pExtraPlugIn;
    if (m_hMenuOwn != nullptr)
        ::DestroyMenu(m_hMenuOwn);
    SECDeleteOwnedWindows(m_ownedWindows);
}

// ---- creation -------------------------------------------------------------------------------------------

BOOL SECFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDMenu = nIDResource;
    SetHelpID(nIDResource);
    LPCSTR lpszMenu = nullptr;
    if (m_pMenuBar != nullptr) {
        // menu-bar mode: the window has no menu; the menu bar shows the one kept here
        if (m_hMenuOwn == nullptr)
            m_hMenuOwn = LoadMenuResource(nIDResource);
    } else if (HMENU hMenu = LoadMenuResource(nIDResource)) {
        // a menu only when the id has one
        ::DestroyMenu(hMenu);
        lpszMenu = MAKEINTRESOURCEA(nIDResource);
    }
    if (!Create(FrameClassFor(nIDResource), TitleFor(nIDResource), dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0,
                pContext))
        return FALSE; // the object is gone, and the kept menu with it
    if (m_frameState.hAccelTable == nullptr)
        LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    if (m_pMenuBar != nullptr)
        m_pMenuBar->SwitchMenu(nIDResource);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int SECFrameWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pPlugIn = CreateFramePlugIn();
    if (m_pPlugIn != nullptr)
        m_pPlugIn->PlugInTo(this);
    m_pExtraPlugIn = CreateExtraPlugIn();
    if (m_pExtraPlugIn != nullptr)
        m_pExtraPlugIn->PlugInTo(this);
    return 0;
}

SECWndPlugIn* SECFrameWnd::CreateFramePlugIn()
{
    return SECCreateFramePlugIn(m_pMenuBar, m_bBitmapMenus, m_pControlBarManager);
}

SECWndPlugIn* SECFrameWnd::CreateExtraPlugIn()
{
    return nullptr;
}

void SECFrameWnd::OnDestroy()
{
    // the plug-ins go before the window
    delete m_pPlugIn;
    m_pPlugIn = nullptr;
    delete m_pExtraPlugIn;
    m_pExtraPlugIn = nullptr;
    CFrameWnd::OnDestroy();
}

// ---- docking ------------------------------------------------------------------------------------------

CDockBar* SECFrameWnd::CreateDockBarObject()
{
    SECDockBar* pDockBar = new SECDockBar;
    pDockBar->m_dwExtra = m_dwDockExtra;
    return pDockBar;
}

void SECFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwExtra)
{
    if (GetFloatingFrameClass() == nullptr)
        SetFloatingFrameClass(RUNTIME_CLASS(SECMiniDockFrameWnd));
    m_dwDockExtra = dwExtra;
    CFrameWnd::EnableDocking(dwDockStyle);
}

void SECFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    SECDockControlBarWithHooks(this, pBar, nDockBarID, lpRect);
}

void SECFrameWnd::DockControlBarWithLayout(CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID, float fPctWidth,
                                           int nThickness)
{
    SECDockControlBarWithLayout(this, pBar, pos, nDockBarID, fPctWidth, nThickness);
}

void SECFrameWnd::DockControlBarAt(CControlBar* pBar, UINT nDockBarID, int nPos, int nDockRow, float fPctWidth,
                                   int nThickness)
{
    SECDockPos pos;
    pos.nDockRow = nDockRow;
    pos.nPos = nPos;
    DockControlBarWithLayout(pBar, pos, nDockBarID, fPctWidth, nThickness);
}

void SECFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    SECFloatControlBar(this, pBar, point, dwStyle);
}

// ---- saved layouts --------------------------------------------------------------------------------------

CDockState* SECFrameWnd::CreateDockState()
{
    return new SECDockState(m_pControlBarManager);
}

void SECFrameWnd::GetDockState(CDockState& state)
{
    SECPrepareDockState(state, m_pControlBarManager, m_ownedWindows);
    CFrameWnd::GetDockState(state);
}

void SECFrameWnd::SetDockState(CDockState& state)
{
    SECPrepareDockState(state, m_pControlBarManager, m_ownedWindows);
    CFrameWnd::SetDockState(state);
}

// ---- menus ------------------------------------------------------------------------------------------------

void SECFrameWnd::EnableBitmapMenus(BOOL bEnable, BOOL bSecond)
{
    (void)bSecond;
    m_bBitmapMenus = bEnable;
}

HMENU SECFrameWnd::GetShownMenu() const
{
    return m_pMenuBar != nullptr ? m_hMenuOwn : ::GetMenu(m_hWnd);
}

HMENU SECFrameWnd::FindMenu(UINT nID)
{
    if (nID != m_nIDMenu)
        return nullptr;
    return m_pMenuBar != nullptr ? m_hMenuOwn : GetDefaultMenu();
}

LRESULT SECFrameWnd::OnSecGetMenu(WPARAM wParam, LPARAM lParam)
{
    const HMENU hMenu = FindMenu(UINT(wParam));
    return hMenu != nullptr ? reinterpret_cast<LRESULT>(::GetSubMenu(hMenu, int(lParam))) : 0;
}

void SECFrameWnd::OnWorkspaceCommand(UINT nID)
{
    (void)nID;
}

void SECFrameWnd::OnUpdateWorkspaceCommand(CCmdUI* pCmdUI)
{
    (void)pCmdUI;
}

// ---- frame behaviour ----------------------------------------------------------------------------------

BOOL SECFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    SECWndPlugIn* pExtraPlugIn = m_pExtraPlugIn;
    if (pExtraPlugIn == nullptr) {
        // a frame inside another toolkit frame uses that frame's extra plug-in
        CFrameWnd* pTop = GetTopLevelFrame();
        if (const SECMDIFrameWnd* pMDI = dynamic_cast<const SECMDIFrameWnd*>(pTop))
            pExtraPlugIn = pMDI->GetExtraPlugIn();
        else if (const SECFrameWnd* pSDI = dynamic_cast<const SECFrameWnd*>(pTop))
            pExtraPlugIn = pSDI->GetExtraPlugIn();
    }
    if (pExtraPlugIn != nullptr && pExtraPlugIn->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "SECFrameWnd::PreTranslateMessage", "pMsg");
    if (m_pPlugIn != nullptr && m_pPlugIn->IsEnabled() && m_pPlugIn->PreTranslateMessage(pMsg))
        return TRUE;
    if (SECSwallowsWhileCustomizing(m_pControlBarManager, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT SECFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (SECPlugInTakesMessage(m_pPlugIn, message, wParam, lParam, lResult))
        return lResult;
    if (message == WM_INITMENUPOPUP)
        return SECInitMenuPopup(m_pPlugIn, m_bBitmapMenus, wParam, lParam,
                                [&](LPARAM lParamPopup) { return CFrameWnd::WindowProc(message, wParam, lParamPopup); });
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void SECFrameWnd::RecalcLayout(BOOL bNotify)
{
    SECRecalcDockingLayout(this, m_rectLastClient, [&] { CFrameWnd::RecalcLayout(bNotify); });
}

DWORD SECFrameWnd::HelpHitTest(CPoint ptScreen)
{
    const DWORD dwContext = SECMenuBarHelpHitTest(m_pMenuBar, ptScreen);
    return dwContext != 0 ? dwContext : CFrameWnd::HelpHitTest(ptScreen);
}

void SECFrameWnd::OnSysColorChange()
{
    SECRefreshSysColors();
    CFrameWnd::OnSysColorChange();
}

LRESULT SECFrameWnd::OnNcHitTest(CPoint point)
{
    // the frame takes no clicks while the tool-bar manager customises
    if (SECIsCustomizing(m_pControlBarManager))
        return HTERROR;
    return CFrameWnd::OnNcHitTest(point);
}

void SECFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    SECLayoutWhileCustomizing(this, m_pControlBarManager, nWhy);
    CFrameWnd::OnEnterIdle(nWhy, pWho);
}

// ---- custom caption ---------------------------------------------------------------------------------

void SECFrameWnd::EnableCustomCaption(BOOL bEnable, int nAlign)
{
    SECEnableCustomCaption(m_caption, this, bEnable, nAlign);
}

BOOL SECFrameWnd::OnNcActivate(BOOL bActive)
{
    bActive = SECNcActivateWhileCustomizing(this, m_pControlBarManager, bActive);
    m_caption.SetActive(bActive || IsStayActive());
    return SECWithDrawnCaption(m_caption, this, [&] { return CFrameWnd::OnNcActivate(bActive); });
}

void SECFrameWnd::OnEnable(BOOL bEnable)
{
    SECEnableWhileCustomizing(this, m_pControlBarManager);
    CFrameWnd::OnEnable(bEnable);
}

void SECFrameWnd::OnNcPaint()
{
    // the borders as the system draws them, then the caption over the system's
    Default();
    if (m_caption.IsOn())
        m_caption.DrawCaption(this);
}

LRESULT SECFrameWnd::OnSetText(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return SECWithDrawnCaption(m_caption, this, [&] { return Default(); });
}
