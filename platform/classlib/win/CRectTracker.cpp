#include "win/CRectTracker.h"

#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/CWnd.h"
#include "win/MouseLoop.h"
#include "win/WinServices.h"

namespace {

const int kDefaultHandleSize = 6;

// The rectangle with left <= right and top <= bottom.
CRect Normalized(const CRect& rect)
{
    CRect normal = rect;
    normal.NormalizeRect();
    return normal;
}

} // namespace

CRectTracker::CRectTracker() : CRectTracker(nullptr, 0) {}

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle)
    : m_nStyle(nStyle), m_rect(), m_nHandleSize(kDefaultHandleSize), m_bAllowInvert(FALSE), m_rectLast(),
      m_sizeLast(0, 0), m_bFinalErase(FALSE)
{
    if (lpSrcRect != nullptr)
        m_rect = *lpSrcRect;
}

CRectTracker::~CRectTracker() = default;

UINT CRectTracker::GetHandleMask() const
{
    const CRect rect = Normalized(m_rect);
    UINT nMask = 0x0F; // the corners
    if (rect.Width() >= 3 * m_nHandleSize)
        nMask |= (1u << hitTop) | (1u << hitBottom);
    if (rect.Height() >= 3 * m_nHandleSize)
        nMask |= (1u << hitLeft) | (1u << hitRight);
    return nMask;
}

CRect CRectTracker::GetHandleRect(int nHandle) const
{
    const CRect rect = Normalized(m_rect);
    const int s = m_nHandleSize;
    const int xMid = (rect.left + rect.right - s) / 2;
    const int yMid = (rect.top + rect.bottom - s) / 2;
    // outside handles lie beyond the edges, inside ones within them
    const bool bOutside = (m_nStyle & resizeOutside) != 0;
    const int xLeft = bOutside ? rect.left - s : rect.left;
    const int xRight = bOutside ? rect.right : rect.right - s;
    const int yTop = bOutside ? rect.top - s : rect.top;
    const int yBottom = bOutside ? rect.bottom : rect.bottom - s;
    static const struct {
        int x; // 0 left, 1 middle, 2 right
        int y; // 0 top, 1 middle, 2 bottom
    } places[8] = {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {0, 1}};
    const int x = places[nHandle].x == 0 ? xLeft : places[nHandle].x == 1 ? xMid : xRight;
    const int y = places[nHandle].y == 0 ? yTop : places[nHandle].y == 1 ? yMid : yBottom;
    return CRect(x, y, x + s, y + s);
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    AfxRequirePointer(lpTrueRect, "CRectTracker::GetTrueRect", "lpTrueRect");
    CRect rect = Normalized(m_rect);
    int nOutside = 0;
    if (m_nStyle & hatchedBorder)
        nOutside = m_nHandleSize - 1;
    if ((m_nStyle & resizeOutside) && m_nHandleSize > nOutside)
        nOutside = m_nHandleSize;
    rect.InflateRect(nOutside, nOutside);
    *lpTrueRect = rect;
}

int CRectTracker::HitTest(CPoint point) const
{
    if (m_nStyle & (resizeInside | resizeOutside)) {
        const UINT nMask = GetHandleMask();
        for (int nHandle = 0; nHandle < 8; ++nHandle)
            if ((nMask & (1u << nHandle)) && GetHandleRect(nHandle).PtInRect(point))
                return nHandle;
    }
    return Normalized(m_rect).PtInRect(point) ? hitMiddle : hitNothing;
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    AfxRequirePointer(pWnd, "CRectTracker::SetCursor", "pWnd");
    if (nHitTest != HTCLIENT)
        return FALSE;
    POINT point = {};
    if (!AfxGetServices()->GetCursorPos(&point))
        return FALSE;
    pWnd->ScreenToClient(&point);
    const int nHit = HitTest(point);
    if (nHit == hitNothing)
        return FALSE;
    static const LPCSTR cursors[9] = {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS,
                                      IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZEALL};
    ::SetCursor(::LoadCursorA(nullptr, cursors[nHit]));
    return TRUE;
}

void CRectTracker::Draw(CDC* pDC) const
{
    AfxRequirePointer(pDC, "CRectTracker::Draw", "pDC");
    const CRect rect = Normalized(m_rect);
    const HDC hDC = pDC->m_hDC;
    const int nSavedDC = ::SaveDC(hDC);
    ::SetBkMode(hDC, TRANSPARENT);
    if (m_nStyle & (solidLine | dottedLine)) {
        const HPEN hPen = ::CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        ::SelectObject(hDC, hPen);
        ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(hDC, rect.left, rect.top, rect.right, rect.bottom);
        ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
        ::DeleteObject(hPen);
    }
    if (m_nStyle & (hatchedBorder | hatchInside)) {
        const HBRUSH hHatch = ::CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0));
        if (m_nStyle & hatchInside)
            ::FillRect(hDC, &rect, hHatch);
        if (m_nStyle & hatchedBorder) {
            const int w = m_nHandleSize - 1;
            const RECT bands[4] = {{rect.left - w, rect.top - w, rect.right + w, rect.top},
                                   {rect.left - w, rect.bottom, rect.right + w, rect.bottom + w},
                                   {rect.left - w, rect.top, rect.left, rect.bottom},
                                   {rect.right, rect.top, rect.right + w, rect.bottom}};
            for (const RECT& band : bands)
                ::FillRect(hDC, &band, hHatch);
        }
        ::DeleteObject(hHatch);
    }
    if (m_nStyle & (resizeInside | resizeOutside)) {
        const UINT nMask = GetHandleMask();
        for (int nHandle = 0; nHandle < 8; ++nHandle)
            if (nMask & (1u << nHandle)) {
                const CRect handle = GetHandleRect(nHandle);
                ::FillRect(hDC, &handle, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
            }
    }
    ::RestoreDC(hDC, nSavedDC);
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    m_rect.NormalizeRect();
    const int nHandle = HitTest(point);
    if (nHandle == hitNothing)
        return FALSE;
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(nHandle, pWnd, point, pWndClipTo);
}

BOOL CRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(hitBottomRight, pWnd, point, nullptr);
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    AfxRequirePointer(pWnd, "CRectTracker::TrackHandle", "pWnd");
    if (nHandle < hitTopLeft || nHandle > hitMiddle)
        AfxThrowInvalidArgFormat("CRectTracker::TrackHandle: handle %d outside 0..8", nHandle);
    m_rect.NormalizeRect();
    const CRect rectSave = m_rect;
    const CSize sizeRect = m_rect.Size();

    // the sides that follow the mouse, and the mouse's offset from them at the press
    static const struct {
        int x; // 0 none, 1 left, 2 right
        int y; // 0 none, 1 top, 2 bottom
    } moving[9] = {{1, 1}, {2, 1}, {2, 2}, {1, 2}, {0, 1}, {2, 0}, {0, 2}, {1, 0}, {1, 1}};
    LONG* px = moving[nHandle].x == 1 ? &m_rect.left : moving[nHandle].x == 2 ? &m_rect.right : nullptr;
    LONG* py = moving[nHandle].y == 1 ? &m_rect.top : moving[nHandle].y == 2 ? &m_rect.bottom : nullptr;
    const int xDiff = px != nullptr ? point.x - *px : 0;
    const int yDiff = py != nullptr ? point.y - *py : 0;

    // pending paint would wipe the feedback
    pWnd->UpdateWindow();
    CWnd* pDrawWnd = pWndClipTo != nullptr ? pWndClipTo : pWnd;
    CDC* pDC = pDrawWnd->GetDC();
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bFinalErase = FALSE;

    const BOOL bAccepted = AfxRunMouseLoop(pWnd, [&](const MSG& msg) {
        return AfxFollowMouseStep(msg, [&](CPoint ptMouse) {
            pWnd->ScreenToClient(&ptMouse);
            const CRect rectOld = m_rect;
            if (px != nullptr)
                *px = ptMouse.x - xDiff;
            if (py != nullptr)
                *py = ptMouse.y - yDiff;
            if (nHandle == hitMiddle) {
                m_rect.right = m_rect.left + sizeRect.cx;
                m_rect.bottom = m_rect.top + sizeRect.cy;
            } else if (!m_bAllowInvert) {
                if (px == &m_rect.left && m_rect.left > m_rect.right)
                    m_rect.left = m_rect.right;
                if (px == &m_rect.right && m_rect.right < m_rect.left)
                    m_rect.right = m_rect.left;
                if (py == &m_rect.top && m_rect.top > m_rect.bottom)
                    m_rect.top = m_rect.bottom;
                if (py == &m_rect.bottom && m_rect.bottom < m_rect.top)
                    m_rect.bottom = m_rect.top;
            }
            AdjustRect(nHandle, &m_rect);
            if (m_rect != rectOld) {
                DrawTrackerRect(&m_rect, pWndClipTo, pDC, pWnd);
                OnChangedRect(rectOld);
            }
        });
    });

    m_bFinalErase = TRUE;
    DrawTrackerRect(&m_rect, pWndClipTo, pDC, pWnd);
    m_bFinalErase = FALSE;
    pDrawWnd->ReleaseDC(pDC);

    if (!bAccepted) {
        if (m_rect != rectSave) {
            const CRect rectOld = m_rect;
            m_rect = rectSave;
            OnChangedRect(rectOld);
        }
        return FALSE;
    }
    m_rect.NormalizeRect();
    return TRUE;
}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRect rect = Normalized(*lpRect);
    if (pWndClipTo != nullptr && pWndClipTo != pWnd) {
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
    }
    const CSize size = m_bFinalErase ? CSize(0, 0) : CSize(1, 1);
    pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}

void CRectTracker::AdjustRect(int, LPRECT)
{
}

void CRectTracker::OnChangedRect(const CRect&)
{
}
