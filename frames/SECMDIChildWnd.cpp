// SECMDIChildWnd: loading for the frame's menu-bar mode, the frame's bar host, and the menus a child
// shows through the frame's menu bar.
#include "frames/SECMDIChildWnd.h"

#include "frames/SECMDIFrameWnd.h"
#include "win/ArgCheck.h"
#include "win/CDocTemplate.h"
#include "win/CWinApp.h"

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(SECMDIChildWnd, CMDIChildWnd)
    ON_WM_MOUSEACTIVATE()
    ON_WM_CHILDACTIVATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

SECMDIChildWnd::SECMDIChildWnd() : m_nIDMenu(0), m_bUsesMenuBar(FALSE), m_hMenuAlt(nullptr) {}

SECMDIChildWnd::~SECMDIChildWnd() = default;

SECMDIFrameWnd* SECMDIChildWnd::GetSECFrame() const
{
    return dynamic_cast<SECMDIFrameWnd*>(GetMDIFrame());
}

BOOL SECMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CWnd* pParent = pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        AfxThrowInvalidArgFormat("SECMDIChildWnd::LoadFrame: parent %p is not an MDI frame",
                                 pParent != nullptr ? pParent->m_hWnd : nullptr);
    CMDIFrameWnd* pMDIFrame = static_cast<CMDIFrameWnd*>(pParent);
    const SECMDIFrameWnd* pSECFrame = dynamic_cast<const SECMDIFrameWnd*>(pMDIFrame);
    m_bUsesMenuBar = pSECFrame != nullptr && pSECFrame->GetMenuBar() != nullptr;

    const CMultiDocTemplate* pTemplate =
        pContext != nullptr ? dynamic_cast<const CMultiDocTemplate*>(pContext->m_pNewDocTemplate) : nullptr;
    if (pTemplate != nullptr) {
        m_frameState.hAccelTable = pTemplate->m_hAccelTable;
        if (m_bUsesMenuBar)
            m_nIDMenu = pTemplate->m_nIDResource;
        else
            m_childState.hMenuShared = pTemplate->m_hMenuShared;
    } else if (m_bUsesMenuBar) {
        m_nIDMenu = nIDResource;
    }
    SetHelpID(nIDResource);
    if (!Create(FrameClassFor(nIDResource), TitleFor(nIDResource), dwDefaultStyle | WS_CHILD, rectDefault, pMDIFrame,
                pContext))
        return FALSE;
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int SECMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    SECMDIFrameWnd* pFrame = GetSECFrame();
    if (pFrame != nullptr)
        pFrame->DeactivateBarHost();
    const int nResult = CMDIChildWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (pFrame != nullptr && m_bUsesMenuBar)
        pFrame->ShowMenu(m_nIDMenu);
    return nResult;
}

void SECMDIChildWnd::OnChildActivate()
{
    if (SECMDIFrameWnd* pFrame = GetSECFrame())
        pFrame->DeactivateBarHost();
    CMDIChildWnd::OnChildActivate();
}

void SECMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    SECMDIFrameWnd* pFrame = GetSECFrame();
    if (pFrame == nullptr || !m_bUsesMenuBar)
        return;
    if (bActivate)
        pFrame->ShowMenu(m_nIDMenu);
    else if (pActivateWnd == nullptr)
        pFrame->ShowMenu(UINT(-1)); // the last child went
}

void SECMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    SECMDIFrameWnd* pFrame = GetSECFrame();
    if (pFrame != nullptr && m_bUsesMenuBar && bActivate && hMenuAlt == nullptr) {
        // the menu bar shows the menus: the frame's window keeps none
        if (::GetMenu(pFrame->m_hWnd) != nullptr) {
            ::SetMenu(pFrame->m_hWnd, nullptr);
            pFrame->DrawMenuBar();
        }
        pFrame->SyncMDIWindowMenu();
        return;
    }
    CMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
}

void SECMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    if (nType == SIZE_RESTORED || nType == SIZE_MINIMIZED || nType == SIZE_MAXIMIZED) {
        if (SECMDIFrameWnd* pFrame = GetSECFrame())
            pFrame->UpdateMenuBarButtons();
    }
    CMDIChildWnd::OnSize(nType, cx, cy);
}
