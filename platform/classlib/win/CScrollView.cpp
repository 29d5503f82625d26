// CScrollView: scroll sizes in a mapping mode, the scroll bars, scrolling and the viewport origin.
#include <algorithm>
#include <cstdlib>

#include "win/CScrollView.h"

#include "win/ArgCheck.h"
#include "win/CDC.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const CSize CScrollView::sizeDefault(0, 0);

namespace {

bool IsSupportedMapMode(int nMapMode)
{
    switch (nMapMode) {
    case MM_TEXT:
    case MM_LOMETRIC:
    case MM_HIMETRIC:
    case MM_LOENGLISH:
    case MM_HIENGLISH:
    case MM_TWIPS:
        return true;
    default:
        return false;
    }
}

// Converts points between logical and device units in nMapMode on a screen DC (origin 0, 0).
void ConvertPoint(int nMapMode, POINT& pt, bool bToDevice)
{
    if (nMapMode == MM_TEXT)
        return;
    const HDC hdc = ::GetDC(nullptr);
    ::SetMapMode(hdc, nMapMode);
    if (bToDevice)
        ::LPtoDP(hdc, &pt, 1);
    else
        ::DPtoLP(hdc, &pt, 1);
    ::ReleaseDC(nullptr, hdc);
}

} // namespace

CScrollView::CScrollView() = default;

CScrollView::~CScrollView() = default;

CSize CScrollView::ToDevice(SIZE sizeLogical) const
{
    POINT pt = {sizeLogical.cx, sizeLogical.cy};
    ConvertPoint(m_scrollState.nMapMode, pt, true);
    return CSize(std::abs(pt.x), std::abs(pt.y));
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    if (!IsSupportedMapMode(nMapMode))
        AfxThrowInvalidArgFormat("CScrollView::SetScrollSizes: mapping mode %d is not supported", nMapMode);
    if (sizeTotal.cx < 0 || sizeTotal.cy < 0 || sizePage.cx < 0 || sizePage.cy < 0 || sizeLine.cx < 0 ||
        sizeLine.cy < 0)
        AfxThrowInvalidArgFormat("CScrollView::SetScrollSizes: negative size (total %d x %d, page %d x %d, line %d x %d)",
                                 sizeTotal.cx, sizeTotal.cy, sizePage.cx, sizePage.cy, sizeLine.cx, sizeLine.cy);
    const int nOldMapMode = m_scrollState.nMapMode;
    m_scrollState.nMapMode = nMapMode;
    m_scrollState.totalLog = sizeTotal;
    m_scrollState.totalDev = ToDevice(sizeTotal);
    m_scrollState.pageDev = ToDevice(sizePage);
    m_scrollState.lineDev = ToDevice(sizeLine);
    CSize& page = m_scrollState.pageDev;
    CSize& line = m_scrollState.lineDev;
    if (page.cx == 0)
        page.cx = m_scrollState.totalDev.cx / 10;
    if (page.cy == 0)
        page.cy = m_scrollState.totalDev.cy / 10;
    if (line.cx == 0)
        line.cx = page.cx / 10;
    if (line.cy == 0)
        line.cy = page.cy / 10;
    if (m_hWnd != nullptr) {
        UpdateBars();
        if (nOldMapMode != nMapMode)
            Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_scrollState.nMapMode;
    sizeTotal = m_scrollState.totalDev;
    sizePage = m_scrollState.pageDev;
    sizeLine = m_scrollState.lineDev;
}

CSize CScrollView::GetTotalSize() const
{
    return m_scrollState.totalLog;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    if (m_hWnd == nullptr)
        return CPoint(0, 0);
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    POINT pt = GetDeviceScrollPosition();
    ConvertPoint(m_scrollState.nMapMode, pt, false);
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    ConvertPoint(m_scrollState.nMapMode, pt, true);
    ScrollToDevicePosition(pt);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev)
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    const CPoint ptMax((std::max)(0, m_scrollState.totalDev.cx - rectClient.Width()),
                       (std::max)(0, m_scrollState.totalDev.cy - rectClient.Height()));
    const CPoint ptNew((std::max)(0, (std::min)(int(ptDev.x), ptMax.x)), (std::max)(0, (std::min)(int(ptDev.y), ptMax.y)));
    const CPoint ptOld = GetDeviceScrollPosition();
    if (ptNew.x == ptOld.x && ptNew.y == ptOld.y)
        return;
    SetScrollPos(SB_HORZ, ptNew.x);
    SetScrollPos(SB_VERT, ptNew.y);
    ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
}

void CScrollView::UpdateBars()
{
    if (m_scrollState.bInUpdateBars || m_hWnd == nullptr || m_scrollState.nMapMode == 0)
        return;
    const CAfxFlagScope guard(m_scrollState.bInUpdateBars);

    // the client area as it would be without scroll bars
    CRect rectClient;
    GetClientRect(rectClient);
    CSize sizeClient = rectClient.Size();
    const DWORD dwStyle = GetStyle();
    const int cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    if (dwStyle & WS_VSCROLL)
        sizeClient.cx += cxVScroll;
    if (dwStyle & WS_HSCROLL)
        sizeClient.cy += cyHScroll;

    // a bar is needed when the drawing is larger; one bar's room may make the other needed
    const CSize& total = m_scrollState.totalDev;
    BOOL bNeedH = total.cx > sizeClient.cx;
    BOOL bNeedV = total.cy > sizeClient.cy;
    if (bNeedH && !bNeedV)
        bNeedV = total.cy > sizeClient.cy - cyHScroll;
    if (bNeedV && !bNeedH)
        bNeedH = total.cx > sizeClient.cx - cxVScroll;
    const CSize sizeView(sizeClient.cx - (bNeedV ? cxVScroll : 0), sizeClient.cy - (bNeedH ? cyHScroll : 0));

    // the position stays within the drawing
    const CPoint ptOld = GetDeviceScrollPosition();
    const CPoint ptNew(bNeedH ? (std::max)(0, (std::min)(ptOld.x, total.cx - sizeView.cx)) : 0,
                       bNeedV ? (std::max)(0, (std::min)(ptOld.y, total.cy - sizeView.cy)) : 0);

    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = bNeedH ? total.cx - 1 : 0;
    info.nPage = bNeedH ? UINT(sizeView.cx) : 0;
    info.nPos = ptNew.x;
    SetScrollInfo(SB_HORZ, &info, TRUE);
    ShowScrollBar(SB_HORZ, bNeedH);
    info.nMax = bNeedV ? total.cy - 1 : 0;
    info.nPage = bNeedV ? UINT(sizeView.cy) : 0;
    info.nPos = ptNew.y;
    SetScrollInfo(SB_VERT, &info, TRUE);
    ShowScrollBar(SB_VERT, bNeedV);

    if (ptNew.x != ptOld.x || ptNew.y != ptOld.y)
        ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    AfxRequirePointer(pDC, "CScrollView::OnPrepareDC", "pDC");
    if (m_scrollState.nMapMode != 0) {
        pDC->SetMapMode(m_scrollState.nMapMode);
        CPoint ptOrigin(0, 0);
        if (!pDC->IsPrinting()) {
            const CPoint ptScroll = GetDeviceScrollPosition();
            ptOrigin = CPoint(-ptScroll.x, -ptScroll.y);
        }
        pDC->SetViewportOrg(ptOrigin);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnScroll(int nBar, UINT nSBCode)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(nBar, &info, SIF_ALL))
        return;
    const int nMaxPos = (std::max)(0, info.nMax - (std::max)(int(info.nPage) - 1, 0));
    const bool bHorz = nBar == SB_HORZ;
    const int nLine = bHorz ? m_scrollState.lineDev.cx : m_scrollState.lineDev.cy;
    const int nPage = bHorz ? m_scrollState.pageDev.cx : m_scrollState.pageDev.cy;
    int nPos = info.nPos;
    switch (nSBCode) {
    case SB_TOP: nPos = 0; break;
    case SB_BOTTOM: nPos = nMaxPos; break;
    case SB_LINEUP: nPos -= nLine; break;
    case SB_LINEDOWN: nPos += nLine; break;
    case SB_PAGEUP: nPos -= nPage; break;
    case SB_PAGEDOWN: nPos += nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nPos = info.nTrackPos; break;
    default: return;
    }
    nPos = (std::max)(0, (std::min)(nPos, nMaxPos));
    CPoint pt = GetDeviceScrollPosition();
    (bHorz ? pt.x : pt.y) = nPos;
    ScrollToDevicePosition(pt);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    (void)nPos;
    if (pScrollBar != nullptr) {
        CView::OnHScroll(nSBCode, nPos, pScrollBar); // a scroll-bar control of the view, not the view's own bar
        return;
    }
    OnScroll(SB_HORZ, nSBCode);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    (void)nPos;
    if (pScrollBar != nullptr) {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScroll(SB_VERT, nSBCode);
}

BOOL CScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const DWORD dwStyle = GetStyle();
    const bool bHorz = !(dwStyle & WS_VSCROLL);
    if (bHorz && !(dwStyle & WS_HSCROLL))
        return CView::OnMouseWheel(nFlags, zDelta, pt);
    BOOL bPages = FALSE;
    const int nSteps = m_scrollState.wheel.Add(zDelta, bPages);
    if (nSteps == 0)
        return TRUE;
    const CSize& step = bPages ? m_scrollState.pageDev : m_scrollState.lineDev;
    const CPoint ptOld = GetDeviceScrollPosition();
    CPoint ptNew = ptOld;
    (bHorz ? ptNew.x : ptNew.y) += nSteps * (bHorz ? step.cx : step.cy);
    ScrollToDevicePosition(ptNew);
    return GetDeviceScrollPosition() != ptOld;
}
