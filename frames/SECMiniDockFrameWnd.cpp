// SECMiniDockFrameWnd: the floating frame around an SECDockBar, brought to the top when pressed, and
// resizing its bar from its sizing border.
#include "frames/SECMiniDockFrameWnd.h"

#include "frames/SECDockContext.h"

IMPLEMENT_DYNCREATE(SECMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(SECMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_PARENTNOTIFY()
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
