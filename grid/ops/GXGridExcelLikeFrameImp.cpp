// CGXGridExcelLikeFrameImp (see GXGridExcelLikeFrameImp.h).
#include "grid/ops/GXGridExcelLikeFrameImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "win/CDC.h"
#include "win/CWnd.h"
#include "win/CWindowDC.h"

#include <memory>
#include <vector>

CGXAbstractGridExcelLikeFrameImp* GXCreateExcelLikeFrameImp()
{
    return new CGXGridExcelLikeFrameImp;
}

namespace {

// What the line positions are measured from along one axis.
struct Axis {
    LONG nGridStart, nGridEnd, nBoundary;  // the grid rectangle, the end of the frozen lines
    ROWCOL nFrozen, nFirstScrolled;
    int nLimit;
    CGXGridCore* pGrid;
    BOOL bRows;

    Axis(CGXGridCore* g, BOOL b) : pGrid(g), bRows(b)
    {
        const CRect rectGrid = g->GetGridRect();
        nGridStart = b ? rectGrid.top : rectGrid.left;
        nGridEnd = b ? rectGrid.bottom : rectGrid.right;
        nLimit = 2 * int(nGridEnd - nGridStart) + 8;
        nFrozen = b ? g->GetFrozenRows() : g->GetFrozenCols();
        nFirstScrolled = b ? g->GetTopRow() : g->GetLeftCol();
        nBoundary = nGridStart + Sum(0, nFrozen);
    }
    LONG Sum(ROWCOL a, ROWCOL b) const
    {
        if (b < a)
            return 0;
        return LONG(bRows ? pGrid->SumRowHeights(a, b, nLimit) : pGrid->SumColWidths(a, b, nLimit));
    }
    // The start of line n.
    LONG Start(ROWCOL n) const
    {
        if (n <= nFrozen)
            return nGridStart + (n > 0 ? Sum(0, n - 1) : 0);
        return n >= nFirstScrolled ? nBoundary + Sum(nFirstScrolled, n - 1) : nBoundary - Sum(n, nFirstScrolled - 1);
    }
    LONG End(ROWCOL n) const { return n <= nFrozen ? nGridStart + Sum(0, n) : Start(n + 1); }
};

// The stretch of a frame along one axis inside one pane: the frame's start and end (the end one past
// the range), the pane's clip, whether the frame's start side lies in the pane and whether the part
// holds the range's first and last line.
struct AxisPart {
    LONG nStart, nEnd, nClipStart, nClipEnd;
    BOOL bStartVisible, bHoldsFirst, bHoldsLast;
};

// The parts of lines nFirst..nLast (rows with bRows, else columns) in the frozen pane and in the
// scrolled pane, as far as they reach them.
std::vector<AxisPart> AxisParts(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast)
{
    const Axis a(pGrid, bRows);
    // a side that goes on into the next pane lies beyond the clip, so its lines are not seen
    const LONG nBeyond = 3;
    std::vector<AxisPart> parts;
    if (nFirst <= a.nFrozen) {
        const BOOL bEnds = nLast <= a.nFrozen;
        parts.push_back({a.Start(nFirst), bEnds ? a.End(nLast) : a.nBoundary + nBeyond, a.nGridStart, a.nBoundary, TRUE,
                         TRUE, bEnds});
    }
    if (nLast > a.nFrozen && nLast >= a.nFirstScrolled) {
        const BOOL bStarts = nFirst > a.nFrozen;
        parts.push_back({bStarts ? a.Start(nFirst) : a.nBoundary, a.End(nLast), a.nBoundary, a.nGridEnd, bStarts,
                         bStarts, TRUE});
    }
    return parts;
}

// Inverts rect, cut to rectClip unless that is empty.
void InvertClipped(CDC* pDC, CRect rect, const CRect& rectClip)
{
    if (!rectClip.IsRectEmpty() && !rect.IntersectRect(rect, rectClip))
        return;
    if (!rect.IsRectEmpty())
        pDC->InvertRect(&rect);
}

CGXRangeList& Selection(CGXGridCore* pGrid)
{
    return pGrid->GetParam()->GetRangeList1();
}

BOOL FrameOn(CGXGridCore* pGrid)
{
    return pGrid->GetParam() != nullptr && pGrid->GetParam()->GetDisplayOptions().bExcelLikeFrame;
}

}  // namespace

LONG GXLineStart(CGXGridCore* pGrid, BOOL bRows, ROWCOL n)
{
    return Axis(pGrid, bRows).Start(n);
}

LONG GXLineEnd(CGXGridCore* pGrid, BOOL bRows, ROWCOL n)
{
    return Axis(pGrid, bRows).End(n);
}

void CGXGridExcelLikeFrameImp::DrawFramePart(CGXGridCore* pGrid, CDC* pDC, const CRect& rectClip,
                                             const CRect& rectFrame, BOOL bTopVisible, BOOL bLeftVisible, int nKnob,
                                             BOOL bKnobOnly)
{
    if (pDC == nullptr)
        return;
    const BOOL bOffset = pGrid->GetParam() != nullptr && pGrid->GetParam()->GetLineOffset();
    CRect frame = rectFrame;
    if (bOffset)
        frame.OffsetRect(-1, -1);
    const LONG L = frame.left, T = frame.top, R = frame.right, B = frame.bottom;
    std::vector<CRect> pieces;
    if (!bKnobOnly) {
        // the pieces never overlap, so each pixel is inverted once
        if (bTopVisible) {
            pieces.emplace_back(L - 1, T - 1, R + 2, bOffset ? T + 1 : T);
            pieces.emplace_back(L + 2, T + 2, R - 2, T + 3);
        } else if (bLeftVisible && T < B) {
            pieces.emplace_back(L + 2, T, L + 3, T + 3);
            pieces.emplace_back(R - 2, T, R - 1, T + 1);
        }
        if (bLeftVisible) {
            pieces.emplace_back(L - 1, bOffset ? T + 1 : T, bOffset ? L + 1 : L, B + 2);
            pieces.emplace_back(L + 2, T + 3, L + 3, B - 2);
        } else if (bTopVisible && L < R) {
            pieces.emplace_back(L, B - 2, L + 2, B - 1);
            pieces.emplace_back(L, T + 2, L + 2, T + 3);
        }
        if (bOffset) {
            pieces.emplace_back(L + 1, B + 1, R + 1, B + 2);
            pieces.emplace_back(R + 1, T + 1, R + 2, B + 2);
        } else {
            pieces.emplace_back(L, B, R, B + 2);
            pieces.emplace_back(R, T, R + 2, B + 2);
        }
        pieces.emplace_back(L + 2, B - 2, R - 2, B - 1);
        pieces.emplace_back(R - 2, bTopVisible ? T + 2 : T + 1, R - 1, B - 1);
    }
    switch (nKnob) {
    case gxKnobNone:
        break;
    case gxKnobRows:
        pieces.emplace_back(L + 2, B - 1, L + 7, B + 2);
        pieces.emplace_back(L + 3, B - 3, L + 7, B - 2);
        pieces.emplace_back(L + 1, B - 2, L + 6, B + 3);
        pieces.emplace_back(L + 1, B + 2, L + 2, B + 3);
        break;
    case gxKnobCols:
        pieces.emplace_back(R - 1, T + 2, R + 2, T + 7);
        pieces.emplace_back(R - 3, T + 3, R - 2, T + 7);
        pieces.emplace_back(R - 2, T + 1, R + 3, T + 6);
        pieces.emplace_back(R + 2, T + 1, R + 3, T + 2);
        break;
    default:
        pieces.emplace_back(R - 1, B - 2, R + 2, B + 3);
        pieces.emplace_back(R - 2, B - 1, R + 3, B + 2);
        pieces.emplace_back(R + 2, B + 2, R + 3, B + 3);
        break;
    }
    for (const CRect& piece : pieces)
        InvertClipped(pDC, piece, rectClip);
}

void CGXGridExcelLikeFrameImp::DrawFrame(CGXGridCore* pGrid, CDC* pDC, const CGXCellRange& range, int nKnob,
                                         BOOL bKnobOnly)
{
    if (pDC == nullptr || !range.IsValid() || pGrid->IsUpdateLocked())
        return;
    for (const AxisPart& rows : AxisParts(pGrid, TRUE, range.top, range.bottom))
        for (const AxisPart& cols : AxisParts(pGrid, FALSE, range.left, range.right)) {
            const BOOL bHoldsKnob = nKnob == gxKnobRows   ? rows.bHoldsLast && cols.bHoldsFirst
                                    : nKnob == gxKnobCols ? rows.bHoldsFirst && cols.bHoldsLast
                                                          : rows.bHoldsLast && cols.bHoldsLast;
            if (bKnobOnly && !bHoldsKnob)
                continue;
            const CRect rectClip(cols.nClipStart, rows.nClipStart, cols.nClipEnd, rows.nClipEnd);
            if (rectClip.IsRectEmpty())
                continue;
            pGrid->DrawFramePart(pDC, rectClip, CRect(cols.nStart, rows.nStart, cols.nEnd, rows.nEnd),
                                 rows.bStartVisible, cols.bStartVisible, bHoldsKnob ? nKnob : int(gxKnobNone),
                                 bKnobOnly);
        }
}

void CGXGridExcelLikeFrameImp::UpdateFrame(CGXGridCore* pGrid, CDC* pDC, BOOL bErase, const CGXCellRange* pRange)
{
    if (!FrameOn(pGrid) || pGrid->m_bExcelLikeFrameHidden)
        return;
    if (bErase && pDC != nullptr && pGrid->m_bExcelLikeFrameShown) {
        pGrid->DrawExcelLikeFrame(pDC, pGrid->m_rangeExcelLikeFrame, pGrid->m_nExcelLikeFrameKnob, FALSE);
        pGrid->m_bExcelLikeFrameShown = FALSE;
    }
    CGXCellRange range;
    if (pRange != nullptr) {
        range = *pRange;
    } else if (!bErase) {
        // the frame follows the selection's last range, none without a selection
        const CGXRangeList& list = Selection(pGrid);
        if (list.IsEmpty())
            pGrid->m_rangeExcelLikeFrame = CGXCellRange();
        else
            range = *list.GetRangeAt(list.GetTailPosition());
    }
    if (!range.IsValid())
        return;
    pGrid->m_nExcelLikeFrameKnob = range.IsCols() ? gxKnobCols : range.IsRows() ? gxKnobRows : gxKnobCells;
    const ROWCOL nFirstRow = pGrid->GetHeaderRows() + 1, nFirstCol = pGrid->GetHeaderCols() + 1;
    range.ExpandToCells(nFirstRow, nFirstCol, pGrid->GetRowCount(), pGrid->GetColCount());
    if (!range.IntersectRange(range, CGXCellRange(nFirstRow, nFirstCol, pGrid->GetRowCount(), pGrid->GetColCount())))
        range = CGXCellRange();
    pGrid->m_rangeExcelLikeFrame = range;
    if (pDC != nullptr && range.IsValid()) {
        pGrid->DrawExcelLikeFrame(pDC, range, pGrid->m_nExcelLikeFrameKnob, FALSE);
        pGrid->m_bExcelLikeFrameShown = TRUE;
    }
}

void CGXGridExcelLikeFrameImp::RedrawFrameKnob(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GridWnd();
    if (pGrid->m_nExcelLikeFrameKnob == gxKnobCells || !pGrid->m_bExcelLikeFrameShown || pWnd == nullptr ||
        pWnd->m_hWnd == nullptr)
        return;
    CClientDC dc(pWnd);
    pGrid->OnGridPrepareDC(&dc);
    pGrid->DrawExcelLikeFrame(&dc, pGrid->m_rangeExcelLikeFrame, pGrid->m_nExcelLikeFrameKnob, TRUE);
}

BOOL CGXGridExcelLikeFrameImp::HideFrame(CGXGridCore* pGrid, BOOL bHide, BOOL bCreateHint)
{
    if (!FrameOn(pGrid))
        return FALSE;
    const BOOL bWasHidden = pGrid->m_bExcelLikeFrameHidden;
    if (bool(bHide) != bool(bWasHidden)) {
        CWnd* pWnd = pGrid->GridWnd();
        std::unique_ptr<CClientDC> pDC;
        if (!pGrid->IsUpdateLocked() && pWnd != nullptr && pWnd->m_hWnd != nullptr && pWnd->IsWindowVisible()) {
            pDC = std::make_unique<CClientDC>(pWnd);
            pGrid->OnGridPrepareDC(pDC.get());
        }
        pGrid->m_bExcelLikeFrameHidden = FALSE;
        if (bHide) {
            UpdateFrame(pGrid, pDC.get(), TRUE, nullptr);
        } else {
            const CGXRangeList& list = Selection(pGrid);
            if (!list.IsEmpty())
                UpdateFrame(pGrid, pDC.get(), FALSE, list.GetRangeAt(list.GetTailPosition()));
        }
        pGrid->m_bExcelLikeFrameHidden = bHide;
    }
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr)
        pGrid->m_pUpdateHintImp->HideExcelLikeFrame(pGrid, bHide);
    return bWasHidden;
}
