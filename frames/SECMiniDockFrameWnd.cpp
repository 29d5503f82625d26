// SECMiniDockFrameWnd: the floating frame around an SECDockBar, brought to the top when pressed, and
// resizing its bar from its sizing border.
#include "frames/SECMiniDockFrameWnd.h"

#include "frames/SECDockContext.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(SECMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(SECMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_PARENTNOTIFY()
    ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

SECMiniDockFrameWnd::SECMiniDockFrameWnd() : m_wndSECDockBar(TRUE, FALSE) {}

SECMiniDockFrameWnd::~SECMiniDockFrameWnd() = default;

CDockBar* SECMiniDockFrameWnd::GetDockBar()
{
    return &m_wndSECDockBar;
}

BOOL SECMiniDockFrameWnd::CreateDockBar(DWORD dwStyle, UINT nID)
{
    return m_wndSECDockBar.Create(this, dwStyle, 0, nID);
}

void SECMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    BringWindowToTop();
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT) {
        for (const CDockBar::Entry& e : m_wndSECDockBar.m_arrBars) {
            if (!e.IsBar())
                continue;
            if (SECDockContext* pContext = dynamic_cast<SECDockContext*>(e.pBar->GetDockContext())) {
                pContext->StartResize(int(nHitTest), point);
                return;
            }
            break;
        }
    }
    // the caption's drag may dock the bar and so destroy this frame: nothing of it is touched afterwards
    CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void SECMiniDockFrameWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if (LOWORD(message) == WM_LBUTTONDOWN || LOWORD(message) == WM_RBUTTONDOWN || LOWORD(message) == WM_MBUTTONDOWN)
        BringWindowToTop();
    CMiniDockFrameWnd::OnParentNotify(message, lParam);
}

void SECMiniDockFrameWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // the window's size before, the client area the system gives the size asked for
    const CRect rectOldWindow = bCalcValidRects ? CRect(lpncsp->rgrc[1]) : CRect();
    const CSize sizeAsked = bCalcValidRects ? CRect(lpncsp->rgrc[0]).Size() : CSize();
    CMiniDockFrameWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    const DWORD dwStyle = GetStyle();
    if (!bCalcValidRects || m_bInRecalcLayout || (dwStyle & MFS_4THICKFRAME) || (dwStyle & MFS_SNAPTOBARS) == 0 ||
        sizeAsked == rectOldWindow.Size())
        return;
    CControlBar* pBar = GetSingleBar();
    SECDockContext* pContext = pBar != nullptr ? dynamic_cast<SECDockContext*>(pBar->GetDockContext()) : nullptr;
    if (pContext == nullptr || pBar->m_hWnd == nullptr)
        return;
    // the bar grows or shrinks by what the client area does
    CRect rectClient;
    GetClientRect(rectClient);
    const CSize sizeBar = pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    const CSize sizeNew = sizeBar + (CRect(lpncsp->rgrc[0]).Size() - rectClient.Size());
    const int cx = (std::min)((std::max)(int(sizeNew.cx), int(pContext->m_sizeMinFloat.cx)), int(pContext->m_sizeMaxFloat.cx));
    const int cy = (std::min)((std::max)(int(sizeNew.cy), int(pContext->m_sizeMinFloat.cy)), int(pContext->m_sizeMaxFloat.cy));
    pBar->CalcDynamicLayout(cx, LM_HORZ | LM_COMMIT);
    pBar->CalcDynamicLayout(cy, LM_HORZ | LM_LENGTHY | LM_COMMIT);
}
