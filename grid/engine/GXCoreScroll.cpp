// CGXGridCore: scroll bars, scrolling by rows and columns, bringing a cell into view and starting
// automatic scrolling (see GXCore.h). The twins of both directions are operations of GXLineAxis.
#include "grid/engine/GXLineAxis.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXFlagScope.h"
#include "grid/engine/GXProperties.h"
#include "win/CScrollBar.h"
#include "win/Win.h"

#include <algorithm>
#include <vector>

// ---- GXLineAxis: scrolling -------------------------------------------------------------------------------

ROWCOL GXLineAxis::LargestFirstScrolled() const
{
    const ROWCOL nFirst = Frozen() + 1, nCount = Count();
    if (nCount <= nFirst)
        return nFirst;
    // from the last line backwards while the lines still fit beside the header and frozen ones
    const int nAvailable = Extent(g.GetGridRect()) - Sum(0, Frozen(), 0);
    int nSum = 0;
    for (ROWCOL n = nCount;; --n) {
        nSum += Size(n);
        if (nSum > nAvailable)
            return std::min(n + 1, nCount);
        if (n == nFirst)
            return nFirst;
    }
}

BOOL GXLineAxis::ApplyScrollBar(DWORD dwMode, ROWCOL nLargest) const
{
    CWnd* pWnd = g.GridHwndWnd();
    const BOOL bShown = (pWnd->GetStyle() & BarStyle()) != 0;
    const ROWCOL nFirst = Frozen() + 1;
    const DWORD dwShow = dwMode & ~DWORD(CGXGridCore::gxScrollKeepEnd);
    BOOL bHide = dwShow == CGXGridCore::gxScrollNone;
    if (!bHide && !(dwShow & CGXGridCore::gxScrollAlways) && (dwShow & CGXGridCore::gxScrollAuto))
        bHide = nFirst >= ScreenFirst() && nFirst >= nLargest;  // everything fits
    if (bHide) {
        if (bShown)
            g.ShowScrollBar(Bar(), FALSE);
        return bShown;
    }
    g.SetScrollRange(Bar(), int(nFirst), int(nLargest), FALSE);
    if (!(dwShow & (CGXGridCore::gxScrollAlways | CGXGridCore::gxScrollAuto))) {
        // kept up to date, never shown or hidden here
        g.SetScrollPos(Bar(), int(ScreenFirst()), TRUE);
        return FALSE;
    }
    g.SetScrollPos(Bar(), int(ScreenFirst()), FALSE);
    if (!bShown)
        g.ShowScrollBar(Bar(), TRUE);
    return !bShown;
}

BOOL GXLineAxis::Scroll(BOOL bBack, ROWCOL nCount) const
{
    g.ResetLastVisible();
    const ROWCOL nFirstScrollable = Frozen() + 1, nOld = ScreenFirst();
    if (nCount == 0 || g.m_pParam == nullptr)
        return FALSE;
    // the scroll area: the grid beyond the header and frozen lines
    CRect area = g.GetGridRect();
    StartRef(area) = std::min(End(area), Start(area) + Sum(0, Frozen(), 0));
    const int nAreaSize = Extent(area);
    ROWCOL nNew;
    int nDistance = 0;
    if (bBack) {
        if (nOld <= nFirstScrollable)
            return FALSE;
        nNew = nOld - nFirstScrollable > nCount ? nOld - nCount : nFirstScrollable;
        // hidden lines right before the new first one come into view with it
        while (nNew > nFirstScrollable && Size(nNew - 1) == 0)
            --nNew;
        for (ROWCOL n = nNew; n < nOld && nDistance < nAreaSize; ++n)
            nDistance += Size(n);
    } else {
        // never beyond the line that still shows the last one
        const ROWCOL nLargest = LargestFirstScrolled();
        if (nLargest <= nOld)
            return FALSE;
        nNew = nLargest - nOld > nCount ? nOld + nCount : nLargest;
        while (nNew < nLargest && Size(nNew) == 0)
            ++nNew;
        for (ROWCOL n = nOld; n < nNew && nDistance < nAreaSize; ++n)
            nDistance += Size(n);
    }
    if (!(m_bRow ? g.OnTopRowChange(nNew) : g.OnLeftColChange(nNew)))
        return FALSE;

    const FlagScope scrolling(g.m_bScrolling, TRUE);
    g.HideCellTip();
    // a covered span across the frozen edge is torn by the scroll: its parts are drawn again
    std::vector<CRect> torn;
    auto collectTorn = [&] {
        if (Frozen() == 0 || g.m_pCoveredCellsImp == nullptr)
            return;
        const CGXCellRange covered = g.GetCoveredCellsInRange(Lines(Frozen(), Frozen() + 1));
        if (covered.IsValid() && covered.IsCells())
            torn.push_back(g.CalcRangeRect(covered.top, covered.left, covered.bottom, covered.right));
    };
    collectTorn();
    // the lines leaving and coming keep their composed styles through the repaint
    ROWCOL* anKeep = m_bRow ? g.m_anKeepRows : g.m_anKeepCols;
    anKeep[0] = nOld;
    anKeep[1] = LastVisible();
    ScreenFirst() = nNew;
    g.ResetLastVisible();
    collectTorn();

    if (CWnd* pWnd = g.GridHwndWnd()) {
        if (nDistance < nAreaSize) {
            const int nDelta = bBack ? nDistance : -nDistance;
            g.ScrollGridWindow(m_bRow ? 0 : nDelta, m_bRow ? nDelta : 0, area, area);
        } else {
            pWnd->InvalidateRect(&area);
        }
        for (const CRect& rect : torn)
            pWnd->InvalidateRect(&rect);
        // a line drawn on a line's first pixel moved with it: the edge of the area is drawn again
        const CGXProperties* pProp = g.m_pParam->GetProperties();
        const BOOL bLines = pProp != nullptr && (m_bRow ? pProp->GetDisplayHorzLines() : pProp->GetDisplayVertLines());
        if (bLines && !g.m_pParam->GetLineOffset()) {
            CRect strip = area;
            EndRef(strip) = std::min(End(area), Start(area) + (bBack ? nDistance + 1 : 1));
            pWnd->InvalidateRect(&strip);
        }
        if (!m_bRow) {
            // an editing control that left the scroll area is hidden
            CGXControl* pControl = g.GetCurrentCellControl();
            const ROWCOL nCol = g.m_nCurrentCol;
            if (pControl != nullptr && pControl->IsActive() && !g.IsFrozenCol(nCol) &&
                (nCol < nNew || nCol > LastVisible()))
                pControl->Hide();
        }
        pWnd->UpdateWindow();
    }
    g.SetScrollPos(Bar(), int(nNew), TRUE);
    if (bBack && (ScrollMode() & CGXGridCore::gxScrollAuto) && nNew == nFirstScrollable)
        g.UpdateScrollbars();
    m_bRow ? g.OnTopRowChanged() : g.OnLeftColChanged();
    anKeep[0] = anKeep[1] = 0;
    return TRUE;
}

BOOL GXLineAxis::ScrollInView(ROWCOL nFirst, ROWCOL nLast, UINT nFlags) const
{
    const ROWCOL nFrozen = Frozen();
    // a span reaching from the frozen lines into the scrolled ones shows from the first scrolled one
    if (nFirst <= nFrozen && nLast > nFrozen)
        nFirst = nFrozen + 1;
    if (nFirst <= nFrozen)
        return FALSE;
    const ROWCOL nOld = ScreenFirst();
    if (nFirst < nOld) {
        SetFirstScrolled(nFirst, nFlags, TRUE);
        return ScreenFirst() != nOld;
    }
    const CRect rectGrid = g.GetGridRect();
    const int nAvailable = Extent(rectGrid);
    const BOOL bCut =
        nLast > LastVisible() || Start(rectGrid) + SumDisplay(0, ToDisplay(nLast), nAvailable) > End(rectGrid);
    if (!bCut)
        return FALSE;
    // the smallest first line that shows nLast whole beside the header and frozen lines
    int nSum = Size(nLast) + Sum(0, nFrozen, 0);
    ROWCOL nTop = nLast;
    while (nTop > nFrozen + 1 && nSum + Size(nTop - 1) <= nAvailable)
        nSum += Size(--nTop);
    SetFirstScrolled(std::min(nTop, LargestFirstScrolled()), nFlags, TRUE);
    if ((nFlags & 6) && g.GridHwndWnd() != nullptr)
        g.GridHwndWnd()->UpdateWindow();
    return ScreenFirst() != nOld;
}

// ---- the core's operations ---------------------------------------------------------------------------

BOOL CGXGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT nFlags, BOOL bSpans)
{
    CGXCellRange range(nRow, nCol, nRow, nCol), span;
    if ((GetCoveredCellsRowCol(nRow, nCol, span) && span.IsValid()) ||
        (bSpans && GetMergedCellsRowCol(nRow, nCol, span, -1) && span.IsValid()))
        range = span;
    const BOOL bRows = GXLineAxis(*this, TRUE).ScrollInView(range.top, range.bottom, nFlags);
    const BOOL bCols = GXLineAxis(*this, FALSE).ScrollInView(range.left, range.right, nFlags);
    return bRows || bCols;
}

BOOL CGXGridCore::DoScroll(int nDirection, ROWCOL nCount)
{
    switch (nDirection) {
    case gxUp:
    case gxDown:
        return GXLineAxis(*this, TRUE).Scroll(nDirection == gxUp, nCount);
    case gxLeft:
    case gxRight:
        return GXLineAxis(*this, FALSE).Scroll(nDirection == gxLeft, nCount);
    default:
        AfxThrowInvalidArgFormat("CGXGridCore::DoScroll: direction %d is not 1 to 4", nDirection);
    }
}

BOOL CGXGridCore::OnScrollBySteps(int nDirection, ROWCOL nCount)
{
    if (!DoScroll(nDirection, nCount))
        return FALSE;
    if (CGXAbstractGridUpdateHintImp* pHint = HintModule(TRUE))
        pHint->ScrollCells(this, nDirection, nCount);
    return TRUE;
}

BOOL CGXGridCore::UpdateScrollbars(BOOL bQuiet, BOOL bOnlyWhenCountsChanged)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || m_bUpdatingScrollbars || m_bLockScrollbars || m_pParam == nullptr ||
        m_pParam->IsLockRedraw() || !pWnd->IsWindowVisible())
        return TRUE;
    if (IsPrinting()) {
        ShowScrollBar(SB_BOTH, FALSE);
        return TRUE;
    }
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    if ((m_dwVScrollMode == gxScrollNone && m_dwHScrollMode == gxScrollNone) || rectClient.IsRectEmpty())
        return TRUE;
    const ROWCOL nRows = m_dwVScrollMode != gxScrollNone ? GetRowCount() : 0;
    const ROWCOL nCols = m_dwHScrollMode != gxScrollNone ? GetColCount() : 0;
    if (bOnlyWhenCountsChanged && nRows == m_nVScrollCount && nCols == m_nHScrollCount)
        return TRUE;
    ResetLastVisible();
    const GXLineAxis rows(*this, TRUE), cols(*this, FALSE);
    const ROWCOL nLargestRow = rows.LargestFirstScrolled(), nLargestCol = cols.LargestFirstScrolled();
    // no empty space after the last line while the end is kept in view
    if ((m_dwVScrollMode & gxScrollKeepEnd) && m_nTopRow > nLargestRow && m_nTopRow > GetFrozenRows() + 1) {
        SetTopRow(nLargestRow, 2);
        pWnd->UpdateWindow();
    }
    if ((m_dwHScrollMode & gxScrollKeepEnd) && m_nLeftCol > nLargestCol && m_nLeftCol > GetFrozenCols() + 1) {
        SetLeftCol(nLargestCol, 2);
        pWnd->UpdateWindow();
    }
    BOOL bVChanged, bHChanged;
    {
        // showing or hiding a bar resizes the window, which asks for another update
        const FlagScope updating(m_bUpdatingScrollbars, TRUE);
        bVChanged = rows.ApplyScrollBar(m_dwVScrollMode, nLargestRow);
        bHChanged = cols.ApplyScrollBar(m_dwHScrollMode, nLargestCol);
        // a bar that came or went changed the window under the ranges measured before: measure again
        // until neither bar comes or goes (a second bar may follow the first)
        BOOL bChanged = bVChanged || bHChanged;
        for (int nPass = 0; bChanged && nPass < 2; ++nPass) {
            ResetLastVisible();
            const BOOL bV = rows.ApplyScrollBar(m_dwVScrollMode, rows.LargestFirstScrolled());
            const BOOL bH = cols.ApplyScrollBar(m_dwHScrollMode, cols.LargestFirstScrolled());
            bVChanged |= bV;
            bHChanged |= bH;
            bChanged = bV || bH;
        }
    }
    if (!bQuiet) {
        pWnd->UpdateWindow();
        // the strip where a bar came or went is drawn again
        if (bVChanged) {
            CRect rect;
            pWnd->GetClientRect(&rect);
            rect.left = std::max(rect.left, rect.right - 2 * ::GetSystemMetrics(SM_CXVSCROLL));
            pWnd->InvalidateRect(&rect);
            pWnd->UpdateWindow();
        }
        if (bHChanged) {
            CRect rect;
            pWnd->GetClientRect(&rect);
            rect.top = std::max(rect.top, rect.bottom - 2 * ::GetSystemMetrics(SM_CYHSCROLL));
            pWnd->InvalidateRect(&rect);
            pWnd->UpdateWindow();
        }
    }
    const FlagScope updating(m_bUpdatingScrollbars, TRUE);
    SetScrollPos(SB_VERT, int(m_nTopRow), TRUE);
    SetScrollPos(SB_HORZ, int(m_nLeftCol), TRUE);
    m_nVScrollCount = nRows;
    m_nHScrollCount = nCols;
    return TRUE;
}

void CGXGridCore::SetScrollBarMode(int nBar, DWORD dwMode, BOOL bApply)
{
    if (nBar == SB_VERT || nBar == SB_BOTH)
        m_dwVScrollMode = dwMode;
    if (nBar == SB_HORZ || nBar == SB_BOTH)
        m_dwHScrollMode = dwMode;
    if (!bApply)
        return;
    if (dwMode == gxScrollNone)
        ShowScrollBar(nBar, FALSE);
    else if (dwMode & gxScrollAlways)
        ShowScrollBar(nBar, TRUE);
    else if (dwMode & gxScrollAuto)
        UpdateScrollbars(TRUE, FALSE);
}

int CGXGridCore::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || GetScrollBarMode(nBar) == gxScrollNone)
        return 0;
    const int nScale = GetScrollScale(nBar);
    const int nUnits = nPos < nScale ? 0 : nPos / nScale;
    if (CScrollBar* pBar = pWnd->GetScrollBarCtrl(nBar))
        return pBar->SetScrollPos(nUnits, bRedraw) * nScale;
    return pWnd->SetScrollPos(nBar, nUnits, bRedraw) * nScale;
}

void CGXGridCore::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    CWnd* pWnd = GridHwndWnd();
    const DWORD dwMode = GetScrollBarMode(nBar);
    if (pWnd == nullptr || dwMode == gxScrollNone)
        return;
    // a scroll bar counts in 16 bits: each unit stands for several lines of a large grid
    int& rnScale = nBar == SB_HORZ ? m_nHScrollScale : m_nVScrollScale;
    rnScale = nMaxPos / 32767 + 1;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    if (dwMode & gxScrollKeepEnd) {
        // a proportional thumb: the page shows the lines after the largest first one
        const int nCount = int(nBar == SB_HORZ ? GetColCount() : GetRowCount());
        si.nPage = UINT(std::max(0, nCount - nMaxPos + 1) / rnScale);
        nMaxPos = nCount;
    }
    // both ends in bar units, so that the first line is the bar's start
    nMinPos /= rnScale;
    nMaxPos /= rnScale;
    if (nMaxPos < nMinPos) {
        nMinPos = nMaxPos;
        si.nPage = 1;
    }
    si.nMin = nMinPos;
    si.nMax = nMaxPos;
    // a splitter pane uses the splitter's shared bar
    if (CScrollBar* pBar = pWnd->GetScrollBarCtrl(nBar))
        pBar->SetScrollInfo(&si, bRedraw);
    else if (!pWnd->SetScrollInfo(nBar, &si, bRedraw))
        pWnd->SetScrollRange(nBar, nMinPos, nMaxPos, bRedraw);
    m_bLayoutChanged = TRUE;
}

int CGXGridCore::GetScrollPos(int nBar)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || GetScrollBarMode(nBar) == gxScrollNone)
        return 0;
    CScrollBar* pBar = pWnd->GetScrollBarCtrl(nBar);
    return (pBar != nullptr ? pBar->GetScrollPos() : pWnd->GetScrollPos(nBar)) * GetScrollScale(nBar);
}

void CGXGridCore::GetScrollRange(int nBar, int& nMinPos, int& nMaxPos)
{
    nMinPos = nMaxPos = 0;
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr || GetScrollBarMode(nBar) == gxScrollNone)
        return;
    if (CScrollBar* pBar = pWnd->GetScrollBarCtrl(nBar))
        pBar->GetScrollRange(&nMinPos, &nMaxPos);
    else
        pWnd->GetScrollRange(nBar, &nMinPos, &nMaxPos);
    nMinPos *= GetScrollScale(nBar);
    nMaxPos *= GetScrollScale(nBar);
}

void CGXGridCore::ShowScrollBar(int nBar, BOOL bShow)
{
    if (CWnd* pWnd = GridHwndWnd())
        pWnd->ShowScrollBar(UINT(nBar), bShow);
}

BOOL CGXGridCore::LockScrollbars(BOOL bLock)
{
    const BOOL bOld = m_bLockScrollbars;
    m_bLockScrollbars = bLock;
    if (!bLock && bOld)
        UpdateScrollbars(FALSE, TRUE);
    return bOld;
}

void CGXGridCore::ScrollGridWindow(int dx, int dy, const CRect& rectScroll, const CRect& rectClip)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr)
        return;
    if ((dx != 0 || dy != 0) && m_pExcelLikeFillImp != nullptr && m_pParam != nullptr &&
        m_pParam->GetDisplayOptions().bExcelLikeFill)
        m_pExcelLikeFillImp->HideFillFrame(this);
    pWnd->ScrollWindowEx(dx, dy, &rectScroll, &rectClip, nullptr, nullptr,
                         SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void CGXGridCore::StartAutoScroll(BOOL bCapture, BOOL bVertical, BOOL bHorizontal)
{
    CWnd* pWnd = GridHwndWnd();
    if (pWnd == nullptr)
        return;
    m_bAutoScrollVert = bVertical;
    m_bAutoScrollHorz = bHorizontal;
    m_nAutoScrollStep = 0;
    m_bAutoScrollStop = FALSE;
    m_bAutoScrollStartPending = TRUE;
    if (bCapture)
        pWnd->SetCapture();
    m_nAutoScrollTimer = pWnd->SetTimer(gxAutoScrollTimer, 10);
    m_bAutoScrollRunning = m_nAutoScrollTimer != 0;
    m_bAutoScrollStartPending = m_bAutoScrollRunning;
    // the first step runs at once, not after the first period
    if (m_bAutoScrollRunning)
        pWnd->PostMessage(WM_TIMER, gxAutoScrollTimer, 0);
}

void CGXGridCore::EndAutoScroll()
{
    if (m_nAutoScrollTimer != 0 && GridHwndWnd() != nullptr)
        GridHwndWnd()->KillTimer(m_nAutoScrollTimer);
    m_nAutoScrollTimer = 0;
    m_bAutoScrollRunning = FALSE;
}
