// The docking frames' shared parts: docking between hooks and by layout, floating within the work area,
// the plug-in's first look, the drawn caption's switch, the menu bar in help mode, the frames' dock
// states and owned windows.
#include <algorithm>

#include "frames/SECFrameDocking.h"

#include "frames/SECBmpMenuPlugIn.h"
#include "frames/SECBtnCaption.h"
#include "frames/SECCustomToolBar.h"
#include "frames/SECDockState.h"
#include "frames/SECMenuBar.h"
#include "frames/SECMenuBarFeature.h"
#include "frames/SECTBMenuBtn.h"
#include "frames/SECToolBarManager.h"
#include "frames/SECToolkit.h"
#include "win/ArgCheck.h"
#include "win/CMiniFrameWnd.h"

namespace {

// How far inside the work area a floated bar stays.
const int kWorkAreaInset = 10;

// The help contexts of the maximised child's caption boxes: the system commands' prompt ids (minimise
// 0xEF02, close 0xEF06, restore 0xEF12) as commands.
const DWORD kHelpMinimize = HID_BASE_COMMAND + 0xEF02;
const DWORD kHelpRestore = HID_BASE_COMMAND + 0xEF12;
const DWORD kHelpClose = HID_BASE_COMMAND + 0xEF06;

} // namespace

SECControlBar* SECSizableBar(CControlBar* pBar)
{
    SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar);
    return pSEC != nullptr && (pSEC->GetExBarStyle() & SEC_CBRS_EX_FIXEDSIZE) == 0 ? pSEC : nullptr;
}

void SECDockControlBarWithHooks(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "DockControlBar", "pBar");
    SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar);
    if (pSEC != nullptr)
        pSEC->OnBarBeginDock();
    pFrame->CFrameWnd::DockControlBar(pBar, nDockBarID, lpRect);
    if (pSEC != nullptr)
        pSEC->OnBarEndDock();
}

void SECDockControlBarWithLayout(CFrameWnd* pFrame, CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID,
                                 float fPctWidth, int nThickness)
{
    AfxRequirePointer(pBar, "DockControlBarWithLayout", "pBar");
    UINT nID = nDockBarID;
    for (UINT nSide : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT}) {
        const CControlBar* pSide = pFrame->GetControlBar(nSide);
        if (nID == 0 && pSide != nullptr && (pBar->GetEnabledAlignment() & pSide->GetBarStyle() & CBRS_ALIGN_ANY) != 0)
            nID = nSide;
    }
    CControlBar* pDock = nID != 0 ? pFrame->GetControlBar(nID) : nullptr;
    CDockBar* pDockBar = pDock != nullptr && pDock->IsKindOf(RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(pDock) : nullptr;
    if (pDockBar == nullptr)
        AfxThrowInvalidArgFormat("DockControlBarWithLayout: no dock bar 0x%04X for a bar allowed at 0x%04X", nDockBarID,
                                 pBar->GetEnabledAlignment());

    if (SECControlBar* pSizable = SECSizableBar(pBar))
        pSizable->m_fPctWidth = fPctWidth;
    DWORD dwMode = LM_COMMIT | LM_LENGTHY; // a floating height unless docked at an edge
    if (nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM)
        dwMode = LM_COMMIT | LM_HORZ | LM_HORZDOCK | LM_LENGTHY;
    else if (nID == AFX_IDW_DOCKBAR_LEFT || nID == AFX_IDW_DOCKBAR_RIGHT)
        dwMode = LM_COMMIT | LM_VERTDOCK;
    pBar->CalcDynamicLayout(nThickness, dwMode);

    if (SECDockBar* pSECDockBar = dynamic_cast<SECDockBar*>(pDockBar))
        pSECDockBar->DockControlBarWithLayout(pBar, pos);
    else
        pDockBar->DockControlBar(pBar);
}

void SECFloatControlBar(CFrameWnd* pFrame, CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    AfxRequirePointer(pBar, "FloatControlBar", "pBar");
    // the bar's window stays at least a little inside the work area on every side
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    point.x = (std::max)((std::min)(point.x, rectWork.right - kWorkAreaInset), rectWork.left + kWorkAreaInset - rectBar.Width());
    point.y = (std::max)((std::min)(point.y, rectWork.bottom - kWorkAreaInset), rectWork.top + kWorkAreaInset - rectBar.Height());

    CDockBar* pDockBar = pBar->GetDockBar();
    CFrameWnd* pOldFrame = pDockBar != nullptr ? pDockBar->GetParentFrame() : nullptr;
    if (pOldFrame != nullptr && pOldFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) && pDockBar->GetDockedCount() == 1 &&
        (pDockBar->GetBarStyle() & CBRS_ALIGN_ANY) == (dwStyle & CBRS_ALIGN_ANY)) {
        pOldFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pOldFrame->RecalcLayout();
        return;
    }

    SECControlBar* pSEC = dynamic_cast<SECControlBar*>(pBar);
    if (pSEC != nullptr)
        pSEC->OnBarBeginFloat();
    if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~DWORD(CBRS_ALIGN_ANY)) | CBRS_ALIGN_TOP;
    }
    CMiniDockFrameWnd* pFloating = pFrame->CreateFloatingFrame(dwStyle);
    pFloating->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFloating->GetDockBar()->DockControlBar(pBar);
    if (pSEC != nullptr)
        pSEC->UpdateFloatingFrameBorder(); // a sizing border for a sizable bar
    pFloating->RecalcLayout(); // shows the frame while the bar is visible
    if (pSEC != nullptr)
        pSEC->OnBarEndFloat();
}

void SECPlaceBarHost(CFrameWnd* pHost, CControlBar* pBar, CPoint pt)
{
    pHost->SetIcon(reinterpret_cast<HICON>(pBar->SendMessage(WM_GETICON, ICON_BIG)), TRUE);
    // the host's client holds the bar without its toolkit borders
    const SECDrawValues& v = SECGetDrawValues();
    const CSize sizeBar = pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    CRect rectHost(0, 0, (std::max)(0, int(sizeBar.cx) - 2 * v.cxBorder2), (std::max)(0, int(sizeBar.cy) - 2 * v.cyBorder2));
    ::AdjustWindowRectEx(&rectHost, pHost->GetStyle(), FALSE, pHost->GetExStyle());
    pHost->SetWindowPos(&CWnd::wndTop, pt.x, pt.y, rectHost.Width(), rectHost.Height(), SWP_NOACTIVATE);
    pHost->RecalcLayout();
}

SECWndPlugIn* SECCreateFramePlugIn(SECFrameMenuBar* pMenuBar, BOOL bBitmapMenus, SECControlBarManager* pManager)
{
    SECBmpMenuPlugIn* pPlugIn = nullptr;
    if (SECMenuBar* pBar = dynamic_cast<SECMenuBar*>(pMenuBar)) {
        SECMenuBarFeature* pFeature = new SECMenuBarFeature;
        pFeature->SetMenuBar(pBar);
        pPlugIn = pFeature;
    } else if (bBitmapMenus) {
        pPlugIn = new SECBmpMenuPlugIn;
    }
    SECToolBarManager* pToolBarManager = dynamic_cast<SECToolBarManager*>(pManager);
    if (pPlugIn != nullptr && bBitmapMenus && pToolBarManager != nullptr)
        pPlugIn->SetBmpMgr(pToolBarManager->GetBmpMgr());
    return pPlugIn;
}

LRESULT SECInitMenuPopup(SECWndPlugIn* pPlugIn, BOOL bBitmapMenus, WPARAM wParam, LPARAM lParam,
                         LRESULT (*pfnDefault)(void* pContext, LPARAM lParam), void* pContext)
{
    SECBmpMenuPlugIn* pBmpMenus = bBitmapMenus ? dynamic_cast<SECBmpMenuPlugIn*>(pPlugIn) : nullptr;
    if (pBmpMenus == nullptr || !pBmpMenus->IsEnabled())
        return pfnDefault(pContext, lParam);
    // a system menu the plug-in tracks as a popup is initialised as the system menu it is; the
    // plug-in takes the items after the frame's command update has set their texts and states
    const BOOL bSysMenu = HIWORD(lParam) != 0 || pBmpMenus->IsSysMenuPopup();
    const LRESULT lResult = pfnDefault(pContext, MAKELPARAM(LOWORD(lParam), bSysMenu));
    pBmpMenus->InitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), bSysMenu);
    return lResult;
}

BOOL SECIsCustomizing(SECControlBarManager* pManager)
{
    const SECToolBarManager* pToolBarManager = dynamic_cast<const SECToolBarManager*>(pManager);
    return pToolBarManager != nullptr && pToolBarManager->InCustomizeMode();
}

BOOL SECSwallowsWhileCustomizing(SECControlBarManager* pManager, const MSG* pMsg)
{
    return pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_CLOSE && SECIsCustomizing(pManager);
}

void SECLayoutWhileCustomizing(CFrameWnd* pFrame, SECControlBarManager* pManager, UINT nWhy)
{
    if (nWhy != MSGF_DIALOGBOX || !SECIsCustomizing(pManager) || !pFrame->IsLayoutPending())
        return;
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
}

BOOL SECNcActivateWhileCustomizing(CFrameWnd* pFrame, SECControlBarManager* pManager, BOOL bActive)
{
    if (!SECIsCustomizing(pManager))
        return bActive;
    pFrame->SetStayActive(FALSE, FALSE);
    return bActive && ::GetActiveWindow() == pFrame->m_hWnd;
}

void SECEnableWhileCustomizing(CFrameWnd* pFrame, SECControlBarManager* pManager)
{
    if (SECIsCustomizing(pManager))
        pFrame->SetStayActive(FALSE);
}

BOOL SECPlugInTakesMessage(SECWndPlugIn* pPlugIn, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    lResult = 0;
    if (pPlugIn == nullptr || !pPlugIn->IsEnabled())
        return FALSE;
    const BOOL bHandled = pPlugIn->OnWndMsg(message, wParam, lParam, &lResult);
    return pPlugIn->m_bExitDefault || (message == WM_HELP && bHandled);
}

void SECEnableCustomCaption(SECFrameCaption& caption, CWnd* pWnd, BOOL bEnable, int nAlign)
{
    caption.Enable(bEnable, nAlign);
    caption.SetActive(pWnd->m_hWnd != nullptr && ::GetActiveWindow() == pWnd->m_hWnd);
    if (pWnd->m_hWnd != nullptr)
        pWnd->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

DWORD SECMenuBarHelpHitTest(SECFrameMenuBar* pMenuBar, CPoint ptScreen)
{
    SECCustomToolBar* pBar =
        pMenuBar != nullptr ? dynamic_cast<SECCustomToolBar*>(pMenuBar->GetMenuBarWnd()) : nullptr;
    if (pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsWindowVisible())
        return 0;
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    if (!rectBar.PtInRect(ptScreen))
        return 0;
    CPoint point = ptScreen;
    pBar->ScreenToClient(&point);
    const int nIndex = pBar->HitTest(point);
    SECStdBtn* pBtn = nIndex >= 0 ? pBar->GetBtn(nIndex) : nullptr;
    if (SECTBMenuBtn* pMenuBtn = dynamic_cast<SECTBMenuBtn*>(pBtn)) {
        pMenuBtn->DropDown();
        return AFX_HELP_CONTINUE;
    }
    if (SECBtnCaption* pCaption = dynamic_cast<SECBtnCaption*>(pBtn)) {
        switch (pCaption->HitTest(point)) {
        case SECBtnCaption::PartMinimize: return kHelpMinimize;
        case SECBtnCaption::PartRestore: return kHelpRestore;
        case SECBtnCaption::PartClose: return kHelpClose;
        default: break;
        }
    }
    return 0;
}

void SECPrepareDockState(CDockState& state, SECControlBarManager* pManager, std::vector<CWnd*>& ownedWindows)
{
    SECDockState* pState = dynamic_cast<SECDockState*>(&state);
    if (pState == nullptr)
        return;
    if (pState->m_pTypeProvider == nullptr)
        pState->m_pTypeProvider = pManager;
    pState->m_pOwnedWindows = &ownedWindows;
}

void SECDeleteOwnedWindows(std::vector<CWnd*>& ownedWindows)
{
    for (CWnd* pWnd : ownedWindows) {
        if (pWnd->m_hWnd != nullptr)
            pWnd->DestroyWindow();
        delete pWnd;
    }
    ownedWindows.clear();
}
