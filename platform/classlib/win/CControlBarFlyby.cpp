// CControlBar: the prompts a bar with CBRS_FLYBY shows on its frame's status line while the mouse is
// over its items, and the tooltips of its items.
#include "win/CControlBar.h"

#include "win/AfxRes.h"
#include "win/ArgCheck.h"

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CControlBar::PreTranslateMessage", "pMsg");
    const BOOL bOverBar = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
    if (pMsg->message == WM_MOUSEMOVE && bOverBar && (m_barState.dwStyle & CBRS_FLYBY)) {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        const INT_PTR nHit = OnToolHitTest(point, nullptr);
        const UINT nID = nHit > 0 ? UINT(nHit) : 0;
        if (nID != m_barState.nFlybyID) {
            if (m_barState.nFlybyID == 0) {
                // the prompt goes when the mouse leaves the bar
                TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
                ::TrackMouseEvent(&tme);
            }
            m_barState.nFlybyID = nID;
            if (CWnd* pOwner = GetOwner())
                pOwner->SendMessage(WM_SETMESSAGESTRING, nID != 0 ? nID : AFX_IDS_IDLEMESSAGE);
        }
    }
    // the items' tooltips only with CBRS_TOOLTIPS
    if ((m_barState.dwStyle & CBRS_TOOLTIPS) == 0)
        return FALSE;
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CControlBar::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (m_barState.nFlybyID != 0) {
        m_barState.nFlybyID = 0;
        if (CWnd* pOwner = GetOwner())
            pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
    return 0;
}
