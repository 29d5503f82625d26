// CGXGridExcelLikeFillImp (see GXGridExcelLikeFillImp.h).
#include "grid/ops/GXGridExcelLikeFillImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXStyle.h"
#include "grid/ops/GXGridExcelLikeFrameImp.h"
#include "win/CDC.h"
#include "win/CWnd.h"
#include "win/CWindowDC.h"

#include <algorithm>

CGXAbstractGridExcelLikeFillImp* GXCreateExcelLikeFillImp()
{
    return new CGXGridExcelLikeFillImp;
}

namespace {

UINT FillFlags(CGXGridCore* pGrid)
{
    return pGrid->GetParam() != nullptr ? UINT(pGrid->GetParam()->GetDisplayOptions().bExcelLikeFill) : 0;
}

BOOL SameBlock(const CGXCellRange& a, const CGXCellRange& b)
{
    return a.IsValid() == b.IsValid() &&
           (!a.IsValid() || (a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right));
}

// Where point lies in the cell under it: in its lower (bRows) or right half.
BOOL InFarHalf(CGXGridCore* pGrid, BOOL bRows, ROWCOL nRow, ROWCOL nCol, CPoint point)
{
    const CRect cell = pGrid->CalcRangeRect(nRow, nCol, nRow, nCol);
    return bRows ? point.y > cell.top + cell.Height() / 2 : point.x > cell.left + cell.Width() / 2;
}

}  // namespace

int CGXGridExcelLikeFillImp::FillDirection(const CRect& rect, CPoint point)
{
    const LONG x = point.x, y = point.y, L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const LONG cx = L + (R - L) / 2, cy = T + (B - T) / 2;
    // later rules override earlier ones
    int nDir = gxFillInside;
    if (y < T)
        nDir = x > cx ? ((T - y) <= (x - R) ? gxFillRight : gxFillUp) : ((T - y) <= (L - x) ? gxFillLeft : gxFillUp);
    if (y > B)
        nDir = x > cx ? ((y - B) <= (x - R) ? gxFillRight : gxFillDown) : ((y - B) > (L - x) ? gxFillDown : gxFillLeft);
    if (x > R)
        nDir = y > cy ? ((x - R) > (y - B) ? gxFillRight : gxFillDown) : ((x - R) > (T - y) ? gxFillRight : gxFillUp);
    if (x < L)
        nDir = y > cy ? ((L - x) <= (y - B) ? gxFillDown : gxFillLeft) : ((L - x) > (T - y) ? gxFillLeft : gxFillUp);
    return nDir;
}

void CGXGridExcelLikeFillImp::StartFill(CGXGridCore* pGrid, UINT nFlags, CPoint point, int, ROWCOL& nRow, ROWCOL& nCol)
{
    if (pGrid->GetParam() == nullptr)
        return;
    const CGXRangeList& list = pGrid->GetParam()->GetRangeList1();
    const POSITION pos = list.FindRange(nRow, nCol);
    if (pos == nullptr || nRow < pGrid->GetTopRow() || nCol < pGrid->GetLeftCol())
        return;
    const CGXCellRange range = *list.GetRangeAt(pos);
    if (!range.IsCells() || !pGrid->CanStartFill(range, nFlags, point))
        return;
    pGrid->TransferCurrentCell();
    pGrid->m_bFilling = TRUE;
    m_source = range;
    m_rectFrame.SetRectEmpty();
    m_target = CGXCellRange();
}

BOOL CGXGridExcelLikeFillImp::TrackFill(CGXGridCore* pGrid, CPoint point, int, ROWCOL& nRow, ROWCOL& nCol)
{
    if (!pGrid->m_bFilling)
        return FALSE;
    const CGXCellRange& s = m_source;
    // the source's rectangle, its parts scrolled out before the first scrolled lines included
    const CRect rect(GXLineStart(pGrid, FALSE, s.left), GXLineStart(pGrid, TRUE, s.top), GXLineEnd(pGrid, FALSE, s.right),
                     GXLineEnd(pGrid, TRUE, s.bottom));
    CGXCellRange target = s;
    switch (FillDirection(rect, point)) {
    case gxFillUp:
        target.top = std::min(nRow + (InFarHalf(pGrid, TRUE, nRow, nCol, point) ? 1 : 0), s.bottom);
        break;
    case gxFillLeft:
        target.left = std::min(nCol + (InFarHalf(pGrid, FALSE, nRow, nCol, point) ? 1 : 0), s.right);
        break;
    case gxFillDown:
        target.bottom = std::max(InFarHalf(pGrid, TRUE, nRow, nCol, point) ? nRow : nRow - 1, s.top);
        break;
    case gxFillRight:
        target.right = std::max(InFarHalf(pGrid, FALSE, nRow, nCol, point) ? nCol : nCol - 1, s.left);
        break;
    default:
        // inside: the side the pointer is nearer to shrinks
        if (LONG(s.right) - LONG(nCol) < LONG(s.bottom) - LONG(nRow))
            target.bottom = std::max(nRow, s.top);
        else
            target.right = std::max(nCol, s.left);
        break;
    }
    DrawFillFrame(pGrid, target, TRUE, TRUE);
    return FALSE;
}

void CGXGridExcelLikeFillImp::EndFill(CGXGridCore* pGrid)
{
    if (!pGrid->m_bFilling)
        return;
    const CGXCellRange target = m_target;
    HideFillFrame(pGrid);
    pGrid->m_bFilling = FALSE;
    if (!target.IsValid())
        return;
    pGrid->SetRangeAtPosition(nullptr, 0, 0, 0, 0);
    pGrid->FillRange(target, m_source);
    SelectFillRange(pGrid, target);
}

void CGXGridExcelLikeFillImp::HideFillFrame(CGXGridCore* pGrid)
{
    DrawFillFrame(pGrid, CGXCellRange(), TRUE, FALSE);
}

void CGXGridExcelLikeFillImp::DrawFillFrame(CGXGridCore* pGrid, const CGXCellRange& target, BOOL bEraseOld,
                                            BOOL bDrawNew)
{
    if (bEraseOld && bDrawNew && SameBlock(target, m_target))
        return;
    if (bDrawNew && (FillFlags(pGrid) == 0 || !target.IsValid() || !pGrid->CanFillRange(target, m_source)))
        bDrawNew = FALSE;
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return;
    CClientDC dc(pWnd);
    pGrid->OnGridPrepareDC(&dc);
    const CRect rectGrid = pGrid->GetGridRect();
    dc.IntersectClipRect(&rectGrid);
    auto drawDouble = [&](CRect rect) {
        dc.DrawFocusRect(&rect);
        rect.DeflateRect(1, 1);
        dc.DrawFocusRect(&rect);
    };
    if (bEraseOld) {
        if (!m_rectFrame.IsRectEmpty())
            drawDouble(m_rectFrame);
        m_rectFrame.SetRectEmpty();
        m_target = CGXCellRange();
    }
    if (!bDrawNew)
        return;
    m_target = target;
    // the frame runs along the visible rows and columns of the target
    CGXCellRange shown = target;
    if (shown.top > pGrid->GetFrozenRows())
        shown.top = std::max(shown.top, pGrid->GetTopRow());
    if (shown.left > pGrid->GetFrozenCols())
        shown.left = std::max(shown.left, pGrid->GetLeftCol());
    shown.bottom = std::min(shown.bottom, pGrid->GetLastVisibleRow());
    shown.right = std::min(shown.right, pGrid->GetLastVisibleCol());
    if (shown.bottom < shown.top || shown.right < shown.left)
        return;
    CRect rect = pGrid->CalcRangeRect(shown.top, shown.left, shown.bottom, shown.right);
    // an edge on a 3D header line moves off it, so that the line stays whole
    const CGXProperties* pProperties = pGrid->GetParam()->GetProperties();
    if (pProperties != nullptr && pProperties->GetDisplay3dHeader()) {
        const LONG nMove = pGrid->GetParam()->GetLineOffset() ? -1 : 1;
        if (rect.top == GXLineEnd(pGrid, TRUE, pGrid->GetHeaderRows()))
            rect.top += nMove;
        if (rect.left == GXLineEnd(pGrid, FALSE, pGrid->GetHeaderCols()))
            rect.left += nMove;
    }
    if (rect.IsRectEmpty())
        return;
    drawDouble(rect);
    m_rectFrame = rect;
}

BOOL CGXGridExcelLikeFillImp::FillRange(CGXGridCore* pGrid, const CGXCellRange& source, const CGXCellRange& target)
{
    const UINT nFlags = FillFlags(pGrid);
    if (SameBlock(source, target) || (nFlags & (gxFillValues | gxFillStyles)) == 0)
        return FALSE;
    const BOOL bStyles = (nFlags & gxFillStyles) != 0;
    // every change below lands in one undo step named "Block"; the clearing of a shrunk block opens a
    // transaction of its own, which then only nests in this one
    pGrid->BeginTrans(nullptr);
    struct TransScope {
        CGXGridCore* pGrid;
        ~TransScope() { pGrid->CommitTrans(); }
    } scope{pGrid};
    const ROWCOL nSourceRows = source.GetHeight(), nSourceCols = source.GetWidth();
    if (target.GetHeight() < nSourceRows) {
        CGXRangeList list;
        list.AddRange(CGXCellRange(target.bottom + 1, target.left, source.bottom, target.right));
        pGrid->ClearCells(list, bStyles);
        return TRUE;
    }
    if (target.GetWidth() < nSourceCols) {
        CGXRangeList list;
        list.AddRange(CGXCellRange(target.top, target.right + 1, source.bottom, source.right));
        pGrid->ClearCells(list, bStyles);
        return TRUE;
    }
    // the new rows (columns) take the source's rows (columns) in turn from its first one
    const BOOL bRows = target.GetWidth() == nSourceCols;
    ROWCOL nFirst, nLast;
    if (bRows) {
        nFirst = target.bottom > source.bottom ? source.bottom + 1 : target.top;
        nLast = target.bottom > source.bottom ? target.bottom : source.top - 1;
    } else {
        nFirst = target.right > source.right ? source.right + 1 : target.left;
        nLast = target.right > source.right ? target.right : source.left - 1;
    }
    CGXStyle* pStyle = pGrid->CreateStyle();
    try {
        ROWCOL k = 0;
        for (ROWCOL n = nFirst; n <= nLast && n >= nFirst; ++n, ++k) {
            const ROWCOL nFrom = (bRows ? source.top : source.left) + k % (bRows ? nSourceRows : nSourceCols);
            const ROWCOL nOther = bRows ? source.GetWidth() : source.GetHeight();
            for (ROWCOL j = 0; j < nOther; ++j) {
                const ROWCOL nRow = bRows ? n : target.top + j, nCol = bRows ? target.left + j : n;
                const ROWCOL nSrcRow = bRows ? nFrom : source.top + j, nSrcCol = bRows ? source.left + j : nFrom;
                if (bStyles) {
                    pGrid->ComposeStyleRowCol(nSrcRow, nSrcCol, pStyle, FALSE);
                    pGrid->SetStyleRange(CGXCellRange(nRow, nCol, nRow, nCol), pStyle, CGXStyle::gxOverride, 0,
                                         nullptr, 2, CGXGridCore::gxDo);
                    pStyle->Free();
                } else {
                    CString strText;
                    pGrid->GetCopyTextRowCol(nSrcRow, nSrcCol, strText);
                    pGrid->SetControlTextRowCol(nRow, nCol, strText, 2, nullptr);
                }
            }
        }
    } catch (...) {
        pGrid->RecycleStyle(pStyle);
        throw;
    }
    pGrid->RecycleStyle(pStyle);
    return TRUE;
}

BOOL CGXGridExcelLikeFillImp::SelectFillRange(CGXGridCore* pGrid, const CGXCellRange& range)
{
    if (pGrid->GetParam() == nullptr)
        return FALSE;
    const POSITION pos = pGrid->GetParam()->GetRangeList1().AddRange(CGXCellRange());
    pGrid->SetRangeAtPosition(pos, range.top, range.left, range.bottom, range.right);
    return TRUE;
}
