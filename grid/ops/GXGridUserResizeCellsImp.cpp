// CGXGridUserResizeCellsImp (see GXGridUserResizeCellsImp.h).
#include "grid/ops/GXGridUserResizeCellsImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDragLineWnd.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "win/CDC.h"
#include "win/CWinApp.h"
#include "win/Win.h"

#include <algorithm>
#include <utility>
#include <vector>

CGXAbstractGridUserResizeCellsImp* GXCreateUserResizeCellsImp()
{
    return new CGXGridUserResizeCellsImp;
}

namespace {

// The rows (bRow) or the columns of a grid as the module uses them, so that each step is written once.
class Lines {
public:
    Lines(CGXGridCore* pGrid, BOOL bRow) : g(pGrid), m_bRow(bRow) {}

    BOOL TestSizing(WORD nMask) const
    {
        return m_bRow ? g->GetParam()->TestRowSizingFlags(nMask) : g->GetParam()->TestColSizingFlags(nMask);
    }
    ROWCOL Count() const { return m_bRow ? g->GetRowCount() : g->GetColCount(); }
    ROWCOL Headers() const { return m_bRow ? g->GetHeaderRows() : g->GetHeaderCols(); }
    int Size(ROWCOL n) const { return m_bRow ? g->GetRowHeight(n) : g->GetColWidth(n); }
    int MinSize() const { return m_bRow ? g->GetParam()->GetMinRowHeight() : g->GetParam()->GetMinColWidth(); }
    BOOL IsHidden(ROWCOL n) const { return m_bRow ? g->IsRowHidden(n) : g->IsColHidden(n); }
    void StoreHidden(ROWCOL n, BOOL bHide) const { m_bRow ? g->StoreHideRow(n, bHide) : g->StoreHideCol(n, bHide); }
    void StoreSize(ROWCOL n, int nSize) const { m_bRow ? g->StoreRowHeight(n, nSize) : g->StoreColWidth(n, nSize); }
    CGXMapDWordToLong& StoredSizes() const
    {
        return m_bRow ? g->GetParam()->GetRowHeights() : g->GetParam()->GetColWidths();
    }
    BOOL CanResize(ROWCOL n) const { return m_bRow ? g->CanResizeRow(n) : g->CanResizeCol(n); }
    BOOL ApproveStart(ROWCOL n) const { return m_bRow ? g->ApproveRowResizeStart(n) : g->ApproveColResizeStart(n); }
    BOOL ApproveTracking(ROWCOL n, int nSize) const
    {
        return m_bRow ? g->ApproveRowHeightTracking(n, nSize) : g->ApproveColWidthTracking(n, nSize);
    }
    BOOL ApproveEnd(ROWCOL n, int nSize) const
    {
        return m_bRow ? g->ApproveRowHeightEnd(n, nSize) : g->ApproveColWidthEnd(n, nSize);
    }
    BOOL SetSize(ROWCOL nFirst, ROWCOL nLast, int nSize, UINT nFlags) const
    {
        return m_bRow ? g->SetRowHeight(nFirst, nLast, nSize, nullptr, nFlags)
                      : g->SetColWidth(nFirst, nLast, nSize, nullptr, nFlags);
    }
    BOOL SetDefault(int nSize, UINT nFlags) const
    {
        return m_bRow ? g->SetDefaultRowHeight(nSize, nFlags) : g->SetDefaultColWidth(nSize, nFlags);
    }
    BOOL Hide(ROWCOL nFirst, ROWCOL nLast, BOOL bHide, UINT nFlags) const
    {
        return m_bRow ? g->HideRows(nFirst, nLast, bHide, nullptr, nFlags) : g->HideCols(nFirst, nLast, bHide, nullptr, nFlags);
    }
    // The line's size changed on the screen only (no hint: the other views see the final change).
    void ShowSizeChanged(ROWCOL n, int nOldSize, UINT nFlags) const
    {
        m_bRow ? g->OnRowHeightChanged(n, n, &nOldSize, nFlags, FALSE) : g->OnColWidthChanged(n, n, &nOldSize, nFlags, FALSE);
    }
    // The position of a line rectangle along the axis.
    LONG Pos(const CRect& r) const { return m_bRow ? r.top : r.left; }
    // The rectangle r moved to nPos along the axis, one pixel thick.
    CRect At(CRect r, LONG nPos) const
    {
        (m_bRow ? r.top : r.left) = nPos;
        (m_bRow ? r.bottom : r.right) = nPos + 1;
        return r;
    }
    // The selected runs of whole lines, in the selection's order (a run from 0 begins at 1), and
    // whether line n lies in one of them or the selection begins with the whole table.
    std::vector<std::pair<ROWCOL, ROWCOL>> SelectedRuns() const
    {
        std::vector<std::pair<ROWCOL, ROWCOL>> runs;
        const CGXRangeList& list = g->GetParam()->GetRangeList1();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos)) {
            const CGXCellRange* pRange = list.GetRangeAt(pos);
            if (pRange->IsValid() && !pRange->IsTable() && (m_bRow ? pRange->IsRows() : pRange->IsCols()))
                runs.emplace_back(std::max<ROWCOL>(m_bRow ? pRange->top : pRange->left, 1),
                                  m_bRow ? pRange->bottom : pRange->right);
        }
        return runs;
    }
    BOOL InSelectedRun(ROWCOL n) const
    {
        for (const auto& run : SelectedRuns())
            if (n >= run.first && n <= run.second)
                return TRUE;
        return FALSE;
    }
    BOOL TableSelected() const
    {
        const CGXRangeList& list = g->GetParam()->GetRangeList1();
        return !list.IsEmpty() && list.GetRangeAt(list.GetHeadPosition())->IsTable();
    }
    // The name of the undo block of a size change.
    CString SizeChangeName() const
    {
        CString strName;
        AfxLoadString(m_bRow ? GX_IDS_CMD_ROWHEIGHTS : GX_IDS_CMD_COLWIDTHS, strName);
        return strName;
    }

    CGXGridCore* g;
    BOOL m_bRow;
};

CWnd* WindowOf(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GridWnd();
    return pWnd != nullptr && pWnd->m_hWnd != nullptr ? pWnd : nullptr;
}

}  // namespace

CGXGridUserResizeCellsImp::CGXGridUserResizeCellsImp() = default;

CGXGridUserResizeCellsImp::~CGXGridUserResizeCellsImp()
{
    if (m_pDragLine != nullptr && m_pDragLine->m_hWnd != nullptr)
        m_pDragLine->DestroyWindow();
}

// ---- the mouse ----------------------------------------------------------------------------------------

BOOL CGXGridUserResizeCellsImp::OnResizeButtonDown(CGXGridCore* pGrid, CPoint, UINT, int nHit, ROWCOL nRow,
                                                   ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    int nType;
    if ((nHit == CGXGridCore::gxHitColBoundary || nHit == CGXGridCore::gxHitHiddenCol) && pParam->TestColSizingFlags(3))
        nType = 2;
    else if ((nHit == CGXGridCore::gxHitRowBoundary || nHit == CGXGridCore::gxHitHiddenRow) &&
             pParam->TestRowSizingFlags(3))
        nType = 1;
    else
        return FALSE;
    if (pGrid->StartResizeTracking(nRow, nCol, nType)) {
        if (CWnd* pWnd = WindowOf(pGrid); pWnd != nullptr && ::GetCapture() != pWnd->m_hWnd)
            pWnd->SetCapture();
    }
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::OnResizeMouseMove(CGXGridCore* pGrid, CPoint point)
{
    if (!m_bTracking)
        return FALSE;
    pGrid->MoveResizeTracking(m_bRow ? m_nLine : 0, m_bRow ? 0 : m_nLine, m_bRow ? 1 : 2, TrackedSize(point));
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::OnResizeButtonUp(CGXGridCore* pGrid, CPoint point)
{
    if (!m_bTracking)
        return FALSE;
    pGrid->EndResizeTracking(m_bRow ? m_nLine : 0, m_bRow ? 0 : m_nLine, m_bRow ? 1 : 2, TrackedSize(point));
    if (CWnd* pWnd = WindowOf(pGrid); pWnd != nullptr && ::GetCapture() == pWnd->m_hWnd)
        ::ReleaseCapture();
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::OnResizeDoubleClick(CGXGridCore* pGrid, CPoint, UINT, int nHit, ROWCOL nRow,
                                                    ROWCOL nCol)
{
    BOOL bRow;
    if (nHit == CGXGridCore::gxHitColBoundary || nHit == CGXGridCore::gxHitHiddenCol)
        bRow = FALSE;
    else if (nHit == CGXGridCore::gxHitRowBoundary || nHit == CGXGridCore::gxHitHiddenRow)
        bRow = TRUE;
    else
        return FALSE;
    const Lines lines(pGrid, bRow);
    const ROWCOL nLine = bRow ? nRow : nCol;
    if (!lines.TestSizing(3) || !lines.CanResize(nLine))
        return FALSE;
    // sizing one line sets every line's size: a double click has nothing to reset
    if (lines.TestSizing(1) && nLine != 0)
        return FALSE;

    const ROWCOL nCount = lines.Count();
    if (lines.IsHidden(nLine) || (nLine < nCount && lines.IsHidden(nLine + 1))) {
        // the run of hidden lines at the boundary comes back in one change
        ROWCOL nFirst = lines.IsHidden(nLine) ? nLine : nLine + 1, nLast = nFirst;
        while (nFirst > 1 && lines.IsHidden(nFirst - 1) && lines.CanResize(nFirst - 1))
            --nFirst;
        while (nLast < nCount && lines.IsHidden(nLast + 1) && lines.CanResize(nLast + 1))
            ++nLast;
        lines.Hide(nFirst, nLast, FALSE, 2);
        return TRUE;
    }
    if (nLine == 0 || lines.TableSelected() || !lines.InSelectedRun(nLine)) {
        lines.SetSize(nLine, nLine, -1, 2);
        return TRUE;
    }
    // every selected run, the last first: its hidden lines shown, the others at the default size
    CWaitCursor wait;
    const auto runs = lines.SelectedRuns();
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        ROWCOL nEnd = it->second;
        while (nEnd >= it->first) {
            const BOOL bHidden = lines.IsHidden(nEnd);
            ROWCOL nStart = nEnd;
            while (nStart > it->first && lines.IsHidden(nStart - 1) == bHidden)
                --nStart;
            bHidden ? lines.Hide(nStart, nEnd, FALSE, 2) : lines.SetSize(nStart, nEnd, -1, 2);
            if (nStart == it->first)
                break;
            nEnd = nStart - 1;
        }
    }
    return TRUE;
}

// ---- tracking -----------------------------------------------------------------------------------------

BOOL CGXGridUserResizeCellsImp::StartResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || m_bTracking || (nType != 1 && nType != 2))
        return FALSE;
    const BOOL bRow = nType == 1;
    const Lines lines(pGrid, bRow);
    const ROWCOL nLine = bRow ? nRow : nCol;
    if ((nLine <= lines.Headers() && lines.TestSizing(8)) || !lines.CanResize(nLine) || !lines.ApproveStart(nLine))
        return FALSE;
    (bRow ? nCol : nRow) = 0;

    m_rectCell = pGrid->CalcCellRect(nRow, nCol);
    if (pParam->GetLineOffset())
        m_rectCell.OffsetRect(-1, -1);
    m_bRow = bRow;
    m_nLine = nLine;
    m_nFixedEdge = lines.Pos(m_rectCell);

    // the switches
    const CGXProperties* pProperties = pParam->GetProperties();
    const BOOL bGridLines =
        pProperties != nullptr &&
        (pGrid->IsPrinting() ? (bRow ? pProperties->GetPrintHorzLines() : pProperties->GetPrintVertLines())
                             : (bRow ? pProperties->GetDisplayHorzLines() : pProperties->GetDisplayVertLines()));
    m_bLive = lines.TestSizing(256);
    m_bHeaderPreview = lines.TestSizing(128) && !m_bLive;
    m_bLineWnd = bGridLines && !lines.TestSizing(32) && !m_bLive;
    m_bInvert = !lines.TestSizing(64) && !m_bLive;
    m_bMarkHeader = !lines.TestSizing(16) && !m_bLive;

    m_nInitialSize = lines.Size(nLine);
    m_bHadEntry = lines.StoredSizes().Lookup(nLine, m_nEntry);
    m_bWasHidden = lines.IsHidden(nLine);

    // the lines run across the grid, from beyond the header lines with the header preview, to the end
    // of the last visible line of the other axis
    const CRect rectGrid = pGrid->GetGridRect();
    CRect across = rectGrid;
    if (bRow) {
        if (m_bHeaderPreview)
            across.left += pGrid->SumColWidths(0, pGrid->GetHeaderCols());
        across.right = std::min<LONG>(rectGrid.right, rectGrid.left + pGrid->SumDisplayColWidths(
                                                          0, pGrid->ColToDisplayIndex(pGrid->GetLastVisibleCol())));
    } else {
        if (m_bHeaderPreview)
            across.top += pGrid->SumRowHeights(0, pGrid->GetHeaderRows());
        across.bottom = std::min<LONG>(rectGrid.bottom, rectGrid.top + pGrid->SumDisplayRowHeights(
                                                            0, pGrid->RowToDisplayIndex(pGrid->GetLastVisibleRow())));
    }
    m_rectStart = lines.At(across, m_nFixedEdge);
    m_rectInitial = lines.At(across, bRow ? m_rectCell.bottom : m_rectCell.right);
    m_rectMoving = m_rectInitial;

    if (m_bLineWnd) {
        CWnd* pWnd = WindowOf(pGrid);
        if (m_pDragLine == nullptr && pWnd != nullptr) {
            std::unique_ptr<CGXDragLineWnd> pLine(new CGXDragLineWnd(pGrid));
            pLine->m_nKind = bRow ? CGXGridCore::gxRowLine : CGXGridCore::gxColLine;
            pLine->m_nIndex = bRow ? pGrid->RowToDisplayIndex(nLine) : pGrid->ColToDisplayIndex(nLine);
            pLine->m_nFlags = CGXGridCore::gxLineDragging;
            if (pLine->CreateLineWnd(pWnd))
                m_pDragLine = std::move(pLine);
        }
        if (m_pDragLine != nullptr) {
            m_pDragLine->MoveWindow(&m_rectMoving);
            m_pDragLine->ShowWindow(SW_SHOWNA);
        }
    }
    m_bMoved = FALSE;
    m_bTracking = TRUE;
    pGrid->SetUserResizing(TRUE, nType, nLine);
    if (m_bMarkHeader)
        if (CWnd* pWnd = WindowOf(pGrid))
            pWnd->InvalidateRect(&m_rectCell);
    return TRUE;
}

void CGXGridUserResizeCellsImp::MoveResizeTracking(CGXGridCore* pGrid, ROWCOL, ROWCOL, int, CSize size)
{
    if (!m_bTracking)
        return;
    const Lines lines(pGrid, m_bRow);
    const int nSize = std::max<int>(m_bRow ? size.cy : size.cx, lines.MinSize());
    if (!lines.ApproveTracking(m_nLine, nSize))
        return;
    m_bMoved = TRUE;

    const LONG nPos = std::max<LONG>(m_nFixedEdge + nSize, m_nFixedEdge);
    const CRect rectGrid = pGrid->GetGridRect();
    const LONG nFarEdge = m_bRow ? rectGrid.bottom : rectGrid.right;
    const CRect rectNew = nPos < nFarEdge - 1 ? lines.At(m_rectInitial, nPos) : m_rectInitial;
    if (rectNew != m_rectMoving) {
        if (m_bInvert) {
            if (m_rectMoving != m_rectInitial)
                InvertLine(pGrid, m_rectMoving);
            if (rectNew != m_rectInitial)
                InvertLine(pGrid, rectNew);
        }
        m_rectMoving = rectNew;
        if (m_pDragLine != nullptr && m_pDragLine->m_hWnd != nullptr)
            m_pDragLine->MoveWindow(&m_rectMoving);
    }

    const int nNewSize = m_nInitialSize + (lines.Pos(m_rectMoving) - lines.Pos(m_rectInitial));
    if (m_bLive) {
        const int nOldMode = pGrid->SetBufferedPaint(1);
        const int nOldSize = lines.Size(m_nLine);
        lines.StoreSize(m_nLine, nNewSize);
        if (nNewSize > 0 && lines.IsHidden(m_nLine))
            lines.StoreHidden(m_nLine, FALSE);
        if (lines.Size(m_nLine) != nOldSize)
            lines.ShowSizeChanged(m_nLine, nOldSize, 2);
        pGrid->SetBufferedPaint(nOldMode);
    } else if (m_bHeaderPreview) {
        const int nOldMode = pGrid->SetBufferedPaint(1);
        lines.StoreSize(m_nLine, nNewSize);
        if (nNewSize > 0 && lines.IsHidden(m_nLine))
            lines.StoreHidden(m_nLine, FALSE);
        RedrawHeaderPart(pGrid, TRUE);
        RestoreInitial(pGrid);
        pGrid->SetBufferedPaint(nOldMode);
    }
}

void CGXGridUserResizeCellsImp::EndResizeTracking(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nType, CSize size)
{
    if (!m_bTracking)
        return;
    const Lines lines(pGrid, m_bRow);
    if (m_bMoved)
        MoveResizeTracking(pGrid, nRow, nCol, nType, size);
    if (m_pDragLine != nullptr) {
        if (m_pDragLine->m_hWnd != nullptr)
            m_pDragLine->DestroyWindow();
        m_pDragLine.reset();
    }
    m_bTracking = FALSE;
    pGrid->SetUserResizing(FALSE);
    if (m_bInvert && m_rectMoving != m_rectInitial)
        InvertLine(pGrid, m_rectMoving);

    // the final change is recorded from the size the line had at the start
    if (m_bLive || m_bHeaderPreview)
        RestoreInitial(pGrid);
    const UINT nFlags = m_bLive ? 1 : 2;
    const int nDelta = lines.Pos(m_rectMoving) - lines.Pos(m_rectInitial);
    const int nNewSize = std::max(m_nInitialSize + nDelta, lines.MinSize());
    if (m_bMoved && std::abs(nDelta) > 1 && lines.ApproveEnd(m_nLine, nNewSize)) {
        ApplySize(pGrid, nNewSize, nFlags);
    } else {
        if (CWnd* pWnd = WindowOf(pGrid))
            pWnd->InvalidateRect(&m_rectCell);
        lines.ShowSizeChanged(m_nLine, lines.Size(m_nLine), nFlags);
    }
    // the screen's header part showed the preview, not what the update above scrolled from
    if (m_bHeaderPreview)
        RedrawHeaderPart(pGrid, FALSE);

    if (CWnd* pWnd = WindowOf(pGrid))
        pWnd->UpdateWindow();
    if (m_bRow)
        pGrid->ScrollCellInView(m_nLine, pGrid->GetLeftCol(), 2);
    else
        pGrid->ScrollCellInView(pGrid->GetTopRow(), m_nLine, 2);
    pGrid->UpdateScrollbars();
    if (pGrid->HasFocus() && pGrid->IsActiveCurrentCell())
        pGrid->RefreshCurrentCellControl();
}

void CGXGridUserResizeCellsImp::CancelResizeTracking(CGXGridCore* pGrid)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    pGrid->SetUserResizing(FALSE);
    if (m_pDragLine != nullptr) {
        if (m_pDragLine->m_hWnd != nullptr)
            m_pDragLine->DestroyWindow();
        m_pDragLine.reset();
    }
    if (m_bInvert && m_rectMoving != m_rectInitial)
        InvertLine(pGrid, m_rectMoving);
    const Lines lines(pGrid, m_bRow);
    if (m_bLive) {
        const int nOldSize = lines.Size(m_nLine);
        RestoreInitial(pGrid);
        lines.ShowSizeChanged(m_nLine, nOldSize, 2);
    } else if (m_bHeaderPreview) {
        RestoreInitial(pGrid);
        RedrawHeaderPart(pGrid, FALSE);
    }
    if (m_bMarkHeader)
        if (CWnd* pWnd = WindowOf(pGrid))
            pWnd->InvalidateRect(&m_rectCell);
}

// ---- helpers ----------------------------------------------------------------------------------------

CSize CGXGridUserResizeCellsImp::TrackedSize(CPoint point) const
{
    return m_bRow ? CSize(0, point.y - m_nFixedEdge) : CSize(point.x - m_nFixedEdge, 0);
}

void CGXGridUserResizeCellsImp::RestoreInitial(CGXGridCore* pGrid)
{
    const Lines lines(pGrid, m_bRow);
    if (m_bHadEntry)
        lines.StoredSizes().SetAt(m_nLine, m_nEntry);
    else
        lines.StoredSizes().RemoveKey(m_nLine);
    if (lines.IsHidden(m_nLine) != m_bWasHidden)
        lines.StoreHidden(m_nLine, m_bWasHidden);
    pGrid->ResetLastVisible();
}

void CGXGridUserResizeCellsImp::InvertLine(CGXGridCore* pGrid, const CRect& rect)
{
    if (CWnd* pWnd = WindowOf(pGrid)) {
        CClientDC dc(pWnd);
        dc.InvertRect(&rect);
    }
}

void CGXGridUserResizeCellsImp::RedrawHeaderPart(CGXGridCore* pGrid, BOOL bUpdate)
{
    CWnd* pWnd = WindowOf(pGrid);
    if (pWnd == nullptr)
        return;
    pGrid->ResetLastVisible();
    CRect rect = pGrid->GetGridRect();
    if (m_bRow) {
        rect.top = m_nFixedEdge;
        rect.right = rect.left + pGrid->SumColWidths(0, pGrid->GetHeaderCols());
    } else {
        rect.left = m_nFixedEdge;
        rect.bottom = rect.top + pGrid->SumRowHeights(0, pGrid->GetHeaderRows());
    }
    pWnd->InvalidateRect(&rect);
    if (bUpdate)
        pWnd->UpdateWindow();
}

void CGXGridUserResizeCellsImp::ApplySize(CGXGridCore* pGrid, int nSize, UINT nFlags)
{
    const Lines lines(pGrid, m_bRow);
    if (lines.TestSizing(1) && m_nLine != 0) {
        lines.SetDefault(nSize, nFlags);
    } else if (!lines.InSelectedRun(m_nLine) && !lines.TableSelected()) {
        if (nSize < 1) {
            lines.Hide(m_nLine, m_nLine, TRUE, nFlags);
        } else if (lines.IsHidden(m_nLine)) {
            // shown and sized in one undo step: undoing it hides the line again
            pGrid->BeginTrans(lines.SizeChangeName());
            lines.Hide(m_nLine, m_nLine, FALSE, nFlags);
            lines.SetSize(m_nLine, m_nLine, nSize, nFlags);
            pGrid->CommitTrans();
        } else {
            lines.SetSize(m_nLine, m_nLine, nSize, nFlags);
        }
    } else if (lines.TableSelected()) {
        lines.SetDefault(nSize, nFlags);
    } else {
        CWaitCursor wait;
        const auto runs = lines.SelectedRuns();
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
            nSize < 1 ? lines.Hide(it->first, it->second, TRUE, nFlags)
                      : lines.SetSize(it->first, it->second, nSize, nFlags);
    }
}
