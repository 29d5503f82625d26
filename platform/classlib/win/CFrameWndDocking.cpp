// CFrameWnd's docking: its dock bars, docking, re-docking and floating bars, the dock bar a dragged
// rectangle meets, and the caption state its floating frames follow.
#include <vector>

#include "win/CFrameWnd.h"

#include "win/ArgCheck.h"
#include "win/CDockBar.h"
#include "win/CMiniFrameWnd.h"


namespace {

// The frame's dock bars: alignment, id and the border of the inner side, in the order they are made
// and looked through.
const struct {
    DWORD dwAlign;
    UINT nID;
    DWORD dwBorder;
} kDockBars[4] = {
    {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP, CBRS_BORDER_BOTTOM},
    {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM, CBRS_BORDER_TOP},
    {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT, CBRS_BORDER_RIGHT},
    {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT, CBRS_BORDER_LEFT},
};

// The frame's docked dock bar of control id nID; null when it has none.
CDockBar* DockedDockBar(CFrameWnd* pFrame, UINT nID)
{
    CControlBar* pBar = pFrame->GetControlBar(nID);
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CDockBar)))
        return nullptr;
    CDockBar* pDockBar = static_cast<CDockBar*>(pBar);
    return pDockBar->m_bFloating ? nullptr : pDockBar;
}

struct OwnedWindows {
    HWND hWndOwner;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectOwned(HWND hWnd, LPARAM lParam)
{
    OwnedWindows* pOwned = reinterpret_cast<OwnedWindows*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) == pOwned->hWndOwner)
        pOwned->windows.push_back(hWnd);
    return TRUE;
}

} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (dwDockStyle & ~DWORD(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI))
        AfxThrowInvalidArgFormat(
            "CFrameWnd::EnableDocking: dock style 0x%08X has bits other than CBRS_ALIGN_ANY and CBRS_FLOAT_MULTI",
            dwDockStyle);
    if (m_frameState.pFloatingFrameClass == nullptr)
        m_frameState.pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const auto& side : kDockBars) {
        if ((dwDockStyle & side.dwAlign) == 0 || GetControlBar(side.nID) != nullptr)
            continue;
        CDockBar* pDockBar = CreateDockBarObject();
        if (pDockBar == nullptr)
            AfxThrowResourceException();
        if (!pDockBar->Create(this,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | side.dwAlign | side.dwBorder,
                              side.nID)) {
            delete pDockBar;
            AfxThrowResourceException();
        }
        pDockBar->SetAutoDelete(TRUE);
    }
    DelayRecalcLayout();
}

CDockBar* CFrameWnd::CreateDockBarObject()
{
    return new CDockBar;
}

CRuntimeClass* CFrameWnd::GetFloatingFrameClass() const
{
    return m_frameState.pFloatingFrameClass;
}

void CFrameWnd::SetFloatingFrameClass(CRuntimeClass* pClass)
{
    if (pClass != nullptr && !pClass->IsDerivedFrom(RUNTIME_CLASS(CMiniDockFrameWnd)))
        AfxThrowInvalidArgFormat("CFrameWnd::SetFloatingFrameClass: class %s is not a CMiniDockFrameWnd",
                                 pClass->m_lpszClassName);
    m_frameState.pFloatingFrameClass = pClass;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "CFrameWnd::DockControlBar", "pBar");
    CDockBar* pDockBar = nullptr;
    if (nDockBarID != 0) {
        pDockBar = DockedDockBar(this, nDockBarID);
    } else {
        for (const auto& side : kDockBars) {
            CDockBar* pSide = DockedDockBar(this, side.nID);
            if (pSide != nullptr && (pBar->GetEnabledAlignment() & side.dwAlign) != 0) {
                pDockBar = pSide;
                break;
            }
        }
    }
    if (pDockBar == nullptr)
        AfxThrowInvalidArgFormat("CFrameWnd::DockControlBar: no dock bar 0x%04X for a bar allowed at 0x%04X",
                                 nDockBarID, pBar->GetEnabledAlignment());
    pDockBar->DockControlBar(pBar, lpRect);
}

CDockBar* CFrameWnd::FindPlaceholderDockBar(UINT nID)
{
    for (const auto& side : kDockBars) {
        CDockBar* pDockBar = DockedDockBar(this, side.nID);
        if (pDockBar != nullptr && pDockBar->FindPlaceholder(nID) >= 0)
            return pDockBar;
    }
    return nullptr;
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    AfxRequirePointer(pBar, "CFrameWnd::ReDockControlBar", "pBar");
    if (pDockBar == nullptr && pBar->m_hWnd != nullptr)
        pDockBar = FindPlaceholderDockBar(UINT(pBar->GetDlgCtrlID()));
    if (pDockBar == nullptr) {
        DockControlBar(pBar, 0, lpRect);
        return;
    }
    pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass = m_frameState.pFloatingFrameClass;
    if (pClass == nullptr)
        pClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    CMiniDockFrameWnd* pFrame = static_cast<CMiniDockFrameWnd*>(pClass->CreateObject());
    if (pFrame == nullptr)
        AfxThrowResourceException();
    // a frame that could not be made has deleted itself
    if (!pFrame->Create(this, dwStyle))
        AfxThrowResourceException();
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    AfxRequirePointer(pBar, "CFrameWnd::FloatControlBar", "pBar");
    if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~DWORD(CBRS_ALIGN_ANY)) | CBRS_ALIGN_TOP;
    }
    CDockBar* pDockBar = pBar->GetDockBar();
    if (pDockBar != nullptr && pDockBar->m_bFloating && pDockBar->GetDockedCount() == 1 &&
        (pDockBar->GetBarStyle() & CBRS_ALIGN_ANY) == (dwStyle & CBRS_ALIGN_ANY)) {
        // already alone in such a frame: the frame moves
        if (CFrameWnd* pFrame = pDockBar->GetParentFrame()) {
            pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFrame->RecalcLayout();
        }
        return;
    }
    CMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle);
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->GetDockBar()->DockControlBar(pBar);
    pFrame->RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    if (ppDockBar != nullptr)
        *ppDockBar = nullptr;
    for (const auto& side : kDockBars) {
        if ((dwDockStyle & side.dwAlign) == 0)
            continue;
        CDockBar* pDockBar = DockedDockBar(this, side.nID);
        if (pDockBar == nullptr || !pDockBar->IsWindowVisible())
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(rectBar);
        // an empty dock bar is the line along its edge
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        CRect rectCommon;
        if (rectCommon.IntersectRect(rectBar, rect)) {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return side.dwAlign;
        }
    }
    return 0;
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    // while a floating frame of this one is active the caption stays active
    const BOOL bShown = bActive || m_frameState.bStayActive;
    if ((GetStyle() & WS_CHILD) == 0) {
        OwnedWindows owned = {m_hWnd, {}};
        ::EnumThreadWindows(::GetCurrentThreadId(), &CollectOwned, reinterpret_cast<LPARAM>(&owned));
        for (HWND hWnd : owned.windows)
            if (::IsWindow(hWnd))
                ::SendMessageA(hWnd, WM_FLOATSTATUS, bShown ? FS_ACTIVATE : FS_DEACTIVATE, 0);
    }
    return BOOL(DefWindowProc(WM_NCACTIVATE, bShown, 0));
}

void CFrameWnd::SetStayActive(BOOL bStayActive, BOOL bShow)
{
    bStayActive = bStayActive != FALSE;
    if (m_frameState.bStayActive == bStayActive)
        return;
    m_frameState.bStayActive = bStayActive;
    // the active window shows an active caption anyway
    if (bShow && m_hWnd != nullptr && ::GetActiveWindow() != m_hWnd)
        SendMessage(WM_NCACTIVATE, bStayActive);
}
