#include <algorithm>

#include "frames/SECToolBarRectTracker.h"

#include "frames/SECCustomToolBar.h"
#include "frames/SECToolkit.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/WinServices.h"


SECToolBarRectTracker::SECToolBarRectTracker(LPCRECT lpRect) : CRectTracker(lpRect, hatchedBorder) {}

BOOL SECToolBarRectTracker::TrackOverDesktop(CWnd* pWnd, CPoint point)
{
    AfxRequirePointer(pWnd, "SECToolBarRectTracker::TrackOverDesktop", "pWnd");
    m_rect.NormalizeRect();
    UpdateCursor();
    const BOOL bDropped = TrackHandle(hitMiddle, pWnd, point, nullptr);
    m_pDesktopDC.reset();
    ::SetCursor(SECGetDrawValues().hcurArrow);
    return bDropped;
}

void SECToolBarRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    (void)pWndClipTo;
    (void)pDC;
    if (m_bFinalErase && m_sizeLast.cx == 0)
        return; // nothing was drawn
    // the desktop's DC locks the windows' updates: taken once the window tracking has painted
    if (m_pDesktopDC == nullptr)
        m_pDesktopDC.reset(new CAfxDesktopDC);
    if (m_pDesktopDC->m_hDC == nullptr)
        return;
    CRect rect = *lpRect;
    rect.NormalizeRect();
    pWnd->ClientToScreen(rect);
    const int nBorder = m_bFinalErase ? 0 : (std::max)(1, m_nHandleSize - 1);
    const CSize size(nBorder, nBorder);
    m_pDesktopDC->DrawDragRect(rect, size, &m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}

void SECToolBarRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    CRectTracker::AdjustRect(nHandle, lpRect);
    UpdateCursor();
}

void SECToolBarRectTracker::UpdateCursor()
{
    HCURSOR hCursor = SECGetDrawValues().hcurArrow;
    if (AfxGetServices()->GetKeyState(VK_CONTROL) < 0) {
        const LPCSTR lpszName = MAKEINTRESOURCEA(SEC_IDC_COPYBUTTON);
        if (HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */))
            if (HCURSOR hCopy = ::LoadCursorA(hInst, lpszName))
                hCursor = hCopy;
    }
    ::SetCursor(hCursor);
}
