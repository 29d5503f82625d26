// CGXGridOptimizedUpdateImp (see GXGridOptimizedUpdateImp.h).
#include "grid/ops/GXGridOptimizedUpdateImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "win/CWnd.h"

#include <algorithm>

CGXAbstractGridOptimizedUpdateImp* GXCreateOptimizedUpdateImp()
{
    return new CGXGridOptimizedUpdateImp;
}

namespace {

// The rows (bRow) or the columns of a grid as the module sees them, so that each operation is written
// once for both: the lines, the client positions along the axis and the window's strips across it.
class Axis {
public:
    Axis(CGXGridCore* pGrid, BOOL bRow) : g(pGrid), m_bRow(bRow), m_rectGrid(pGrid->GetGridRect()) {}

    ROWCOL Count() const { return m_bRow ? g->GetRowCount() : g->GetColCount(); }
    ROWCOL OtherCount() const { return m_bRow ? g->GetColCount() : g->GetRowCount(); }
    ROWCOL Frozen() const { return m_bRow ? g->GetFrozenRows() : g->GetFrozenCols(); }
    ROWCOL Headers() const { return m_bRow ? g->GetHeaderRows() : g->GetHeaderCols(); }
    BOOL IsFrozen(ROWCOL n) const { return m_bRow ? g->IsFrozenRow(n) : g->IsFrozenCol(n); }
    int Size(ROWCOL n) const { return m_bRow ? g->GetRowHeight(n) : g->GetColWidth(n); }
    // The first scrolled line (the printed one while printing).
    ROWCOL First() const { return m_bRow ? g->GetTopRow() : g->GetLeftCol(); }
    ROWCOL LastVisible() const { return m_bRow ? g->GetLastVisibleRow() : g->GetLastVisibleCol(); }
    // Moves the first scrolled line without scrolling the window.
    void SetFirst(ROWCOL n) const
    {
        if (g->IsPrinting())
            m_bRow ? g->SetTopRow(n, 0, FALSE) : g->SetLeftCol(n, 0, FALSE);
        else
            m_bRow ? g->SetTopRowValue(n) : g->SetLeftColValue(n);
    }
    // Line n lies before the first scrolled line and is not frozen (no header line is).
    BOOL IsScrolledOut(ROWCOL n) const { return n > Frozen() && n < First(); }
    BOOL RedrawFollowing() const
    {
        const CGXGridParam::ViewOptions& options = g->GetParam()->GetViewOptions();
        return m_bRow ? options.bRedrawFollowingRows : options.bRedrawFollowingCols;
    }

    // Positions along the axis: the grid rectangle's ends, where the scrolled lines start, and where
    // a line that is not scrolled out starts (summed no further than the window).
    LONG Start() const { return m_bRow ? m_rectGrid.top : m_rectGrid.left; }
    LONG End() const { return m_bRow ? m_rectGrid.bottom : m_rectGrid.right; }
    LONG ScrolledStart() const
    {
        return Start() + (m_bRow ? g->SumRowHeights(0, Frozen()) : g->SumColWidths(0, Frozen()));
    }
    LONG StartOf(ROWCOL n) const
    {
        if (n <= Frozen())
            return Start() + (n == 0 ? 0 : m_bRow ? g->SumRowHeights(0, n - 1) : g->SumColWidths(0, n - 1));
        return ScrolledStart() + Sum(First(), n);
    }
    // The sizes of lines nFrom up to (not with) nEnd, stopping once they pass the window's end.
    int Sum(ROWCOL nFrom, ROWCOL nEnd) const
    {
        if (nEnd <= nFrom)
            return 0;
        const int nLimit = End() - Start();
        return m_bRow ? g->SumRowHeights(nFrom, nEnd - 1, nLimit) : g->SumColWidths(nFrom, nEnd - 1, nLimit);
    }
    // Where the line under position nPos starts (nPos itself beyond the last line).
    LONG LineStartAt(LONG nPos) const
    {
        int nStart = nPos;
        const int nIndex = m_bRow ? g->CalcClientRowFromY(nPos, &nStart) : g->CalcClientColFromX(nPos, &nStart);
        return nIndex < 0 ? nPos : nStart;
    }

    // The grid rectangle between nFrom and nTo along the axis.
    CRect Strip(LONG nFrom, LONG nTo) const
    {
        CRect rect = m_rectGrid;
        (m_bRow ? rect.top : rect.left) = std::max(nFrom, Start());
        (m_bRow ? rect.bottom : rect.right) = std::min(nTo, End());
        return rect;
    }
    CRect Grid() const { return m_rectGrid; }
    CWnd* Window() const
    {
        CWnd* pWnd = g->GridWnd();
        return pWnd != nullptr && pWnd->m_hWnd != nullptr ? pWnd : nullptr;
    }
    void Invalidate(const CRect& rect) const
    {
        if (CWnd* pWnd = Window(); pWnd != nullptr && !rect.IsRectEmpty())
            pWnd->InvalidateRect(&rect);
    }
    void UpdateWindow() const
    {
        if (CWnd* pWnd = Window())
            pWnd->UpdateWindow();
    }
    // Scrolls the strip from nFrom to the window's end by nDelta along the axis.
    void ScrollFrom(LONG nFrom, int nDelta) const
    {
        const CRect rect = Strip(nFrom, End());
        g->ScrollGridWindow(m_bRow ? 0 : nDelta, m_bRow ? nDelta : 0, rect, m_rectGrid);
    }
    // Lines nFrom..nTo drawn again with nFlags.
    void RedrawLines(ROWCOL nFrom, ROWCOL nTo, UINT nFlags) const
    {
        g->RedrawRange(m_bRow ? CGXCellRange().SetRows(nFrom, nTo) : CGXCellRange().SetCols(nFrom, nTo), nFlags);
    }

    // The changes that only a full redraw shows: one starting at a frozen line, or while floating or
    // merged cells are on (their spans move).
    BOOL NeedsFullRedraw(ROWCOL nFirst) const
    {
        const CGXGridParam* pParam = g->GetParam();
        return IsFrozen(nFirst) || pParam->GetFloatCellsMode() != 0 || (pParam->GetMergeCellsMode() & 3) != 0;
    }
    // A covered block reaches across the start or the end of lines nFrom..nTo.
    BOOL IsCrossedByCovering(ROWCOL nFrom, ROWCOL nTo) const
    {
        const CGXCellRange lines =
            m_bRow ? CGXCellRange(nFrom, 0, nTo, OtherCount()) : CGXCellRange(0, nFrom, OtherCount(), nTo);
        const CGXCellRange widened = g->GetCoveredCellsInRange(lines);
        if (!widened.IsValid())
            return FALSE;
        return m_bRow ? widened.top < nFrom || widened.bottom > nTo : widened.left < nFrom || widened.right > nTo;
    }
    // Every covered block in view that holds line n - 1 (the line before a removal at n) and so may
    // have lost lines is drawn again.
    void InvalidateCoveringsBefore(ROWCOL n) const
    {
        if (n == 0 || g->m_pCoveredCellsImp == nullptr)
            return;
        const int nLastIndex = m_bRow ? g->ColToDisplayIndex(g->GetLastVisibleCol())
                                      : g->RowToDisplayIndex(g->GetLastVisibleRow());
        for (int i = 0; i <= nLastIndex; ++i) {
            const ROWCOL nOther = m_bRow ? g->DisplayIndexToCol(i) : g->DisplayIndexToRow(i);
            CGXCellRange covered;
            if (m_bRow ? g->GetCoveredCellsRowCol(n - 1, nOther, covered) : g->GetCoveredCellsRowCol(nOther, n - 1, covered))
                Invalidate(g->CalcRangeRect(covered.top, covered.left, covered.bottom, covered.right));
        }
    }
    // A splitter pane whose header lines have no size shows none of them.
    BOOL HidesHeaders() const
    {
        if (g->GetSplitterWnd() == nullptr || g->IsPrinting())
            return FALSE;
        for (ROWCOL n = 0; n <= Headers(); ++n)
            if (Size(n) != 0)
                return FALSE;
        return TRUE;
    }
    // The current cell lies in lines nFrom..nTo with an active control: the control is refreshed in
    // its cell's new size.
    void RefreshActiveControlIn(ROWCOL nFrom, ROWCOL nTo) const
    {
        ROWCOL nRow, nCol;
        if (!g->GetCurrentCell(nRow, nCol))
            return;
        const ROWCOL n = m_bRow ? nRow : nCol;
        CGXControl* pControl = g->GetCurrentCellControl();
        if (n >= nFrom && n <= nTo && pControl != nullptr && pControl->IsActive())
            pControl->Refresh();
    }

    CGXGridCore* g;

private:
    BOOL m_bRow;
    CRect m_rectGrid;
};

void Inserted(const Axis& a, ROWCOL nFirst, ROWCOL nCount, UINT nFlags)
{
    if (a.NeedsFullRedraw(nFirst)) {
        a.g->Redraw(nFlags, FALSE);
        return;
    }
    const ROWCOL nTop = a.First();
    if (nFirst < nTop) {
        // the lines in view keep their place
        a.SetFirst(nTop + nCount);
    } else if (LONG y = a.StartOf(nFirst); y < a.End()) {
        const int h = a.Sum(nFirst, nFirst + nCount);
        if ((nFlags & 1) || y + h >= a.End() || nFirst + nCount >= a.Count()) {
            CRect rect = a.Strip(y, a.End());
            rect.InflateRect(1, 1);
            a.Invalidate(rect);
        } else if (nFlags & 6) {
            a.ScrollFrom(y, h);
            a.Invalidate(a.Strip(y, y + h));
        }
    }
    if (nFlags & 2)
        a.UpdateWindow();
    if (a.RedrawFollowing())
        a.RedrawLines(nFirst + nCount, a.Count(), nFlags);
}

void Removed(const Axis& a, ROWCOL nFrom, ROWCOL nTo, const int* anSizes, UINT nFlags)
{
    if (a.NeedsFullRedraw(nFrom) || nFlags == 1) {
        a.g->Redraw(nFlags, FALSE);
        return;
    }
    const ROWCOL nCount = a.Count(), nTop = a.First();
    if (nCount == 0 || nCount < nTop) {
        a.SetFirst(std::max<ROWCOL>(nCount, 1));
        if (nFlags != 0)
            a.Invalidate(a.Grid());
    } else if (nTo < nTop) {
        // the lines in view keep their place
        a.SetFirst(nTop - (nTo - nFrom + 1));
    } else if (const BOOL bFromAbove = nFrom < nTop; !bFromAbove && a.StartOf(nFrom) >= a.End()) {
        // removed beyond the view: only the last line, when it now ends the grid in view, changes
        if (const ROWCOL nLast = a.LastVisible(); nLast == nCount) {
            const LONG nStart = a.StartOf(nLast);
            a.Invalidate(a.Strip(nStart, nStart + a.Size(nLast)));
        }
    } else {
        // the removed lines that were in view, from the top row or from the first removed one
        const LONG y = bFromAbove ? a.ScrolledStart() : a.StartOf(nFrom);
        if (bFromAbove)
            a.SetFirst(std::max<ROWCOL>(nFrom, 1));
        const int nVisible = a.End() - y;
        int nSum = 0;
        if (anSizes != nullptr)
            for (ROWCOL n = std::max(nFrom, nTop); n <= nTo && nSum <= nVisible; ++n)
                nSum += anSizes[n - nFrom];
        if ((nFlags & 1) || anSizes == nullptr || nSum > nVisible) {
            a.Invalidate(a.Strip(y, a.End()));
        } else if (nFlags & 6) {
            a.ScrollFrom(y, -nSum);
            a.Invalidate(a.Strip(a.LineStartAt(a.End() - nSum), a.End()));
            a.UpdateWindow();
        }
    }
    a.InvalidateCoveringsBefore(nFrom);
    if (nFlags & 2)
        a.UpdateWindow();
    if (a.RedrawFollowing())
        a.RedrawLines(nFrom, a.Count(), nFlags);
}

void SizesChanged(const Axis& a, ROWCOL nFrom, ROWCOL nTo, const int* anOldSizes, UINT nFlags)
{
    if (nTo == 0)
        nTo = nFrom;
    if (a.NeedsFullRedraw(nFrom) || a.IsCrossedByCovering(nFrom, nTo)) {
        a.g->Redraw(nFlags, FALSE);
        return;
    }
    if (nFrom <= a.Headers() && a.HidesHeaders()) {
        if (nTo <= a.Headers()) {
            if (nFlags & 2) {
                a.UpdateWindow();
                a.g->UpdateScrollbars();
            }
            return;
        }
        // the hidden header lines' old sizes say nothing about the screen
        anOldSizes = nullptr;
    }
    a.RefreshActiveControlIn(nFrom, nTo);
    const BOOL bFirstVisible = !a.IsScrolledOut(nFrom);
    // nothing in view changed: all the lines are scrolled out, or they lie beyond the view
    if ((!bFirstVisible && a.IsScrolledOut(nTo)) || (bFirstVisible && a.StartOf(nFrom) >= a.End()))
        return;
    const LONG y = bFirstVisible ? a.StartOf(nFrom) : a.ScrolledStart();
    if ((nFlags & 1) || anOldSizes == nullptr || !bFirstVisible) {
        a.Invalidate(a.Strip(y, a.End()));
    } else {
        // the changed lines in view, before and now
        const int nVisible = a.End() - y;
        int nOld = 0, nNew = 0;
        for (ROWCOL n = nFrom; n <= nTo && nOld < nVisible; ++n) {
            if (a.IsScrolledOut(n))
                continue;
            nOld += anOldSizes[n - nFrom];
            nNew += a.Size(n);
        }
        if (nFlags != 0 && nOld < nVisible)
            a.ScrollFrom(y + nOld, nNew - nOld);
        if (nNew < nOld && (nFlags & 6)) {
            a.Invalidate(a.Strip(a.End() - (nOld - nNew), a.End()));
            a.UpdateWindow();
        }
        a.Invalidate(a.Strip(y, y + nNew));
    }
    if (nFlags & 2) {
        a.UpdateWindow();
        a.g->UpdateScrollbars();
    }
}

}  // namespace

void CGXGridOptimizedUpdateImp::UpdateRowsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags)
{
    Inserted(Axis(pGrid, TRUE), nFirst, nCount, nFlags);
}

void CGXGridOptimizedUpdateImp::UpdateColsInserted(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount, UINT nFlags)
{
    Inserted(Axis(pGrid, FALSE), nFirst, nCount, nFlags);
}

void CGXGridOptimizedUpdateImp::UpdateRowsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                  const int* anOldSizes, UINT nFlags)
{
    Removed(Axis(pGrid, TRUE), nFrom, nTo, anOldSizes, nFlags);
}

void CGXGridOptimizedUpdateImp::UpdateColsRemoved(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                  const int* anOldSizes, UINT nFlags)
{
    Removed(Axis(pGrid, FALSE), nFrom, nTo, anOldSizes, nFlags);
}

void CGXGridOptimizedUpdateImp::UpdateRowHeightsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                        const int* anOldSizes, UINT nFlags)
{
    SizesChanged(Axis(pGrid, TRUE), nFrom, nTo, anOldSizes, nFlags);
}

void CGXGridOptimizedUpdateImp::UpdateColWidthsChanged(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo,
                                                       const int* anOldSizes, UINT nFlags)
{
    SizesChanged(Axis(pGrid, FALSE), nFrom, nTo, anOldSizes, nFlags);
}
