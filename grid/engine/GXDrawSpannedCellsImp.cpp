// CGXDrawSpannedCellsImp: spanned cells in a paint matrix (see GXDrawSpannedCellsImp.h).
#include "grid/engine/GXDrawSpannedCellsImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXPaintMatrix.h"
#include "grid/engine/GXStyle.h"
#include "win/CDC.h"

#include <algorithm>

void CGXGridCore::AttachDrawSpannedCellsImp()
{
    AttachModule(m_pDrawSpannedCellsImp, +[]() -> CGXAbstractDrawSpannedCellsImp* { return new CGXDrawSpannedCellsImp; });
}

namespace {

// The span that holds (nRow, nCol): covered, merged (unless the current cell's active control is
// there) or floated; one cell is no span. bCovered: the span is a covered one.
BOOL FindSpan(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXCellRange& span, BOOL& bCovered)
{
    bCovered = pGrid->GetCoveredCellsRowCol(nRow, nCol, span) && span.IsValid();
    const BOOL bFound =
        bCovered ||
        (!(pGrid->IsActiveCurrentCell() && pGrid->IsCurrentCell(nRow, nCol)) &&
         pGrid->GetMergedCellsRowCol(nRow, nCol, span, -1) && span.IsValid()) ||
        (pGrid->GetFloatedCellsRowCol(nRow, nCol, span) && span.IsValid());
    return bFound && (span.top != span.bottom || span.left != span.right);
}

// The lines n1..n2 of a span clipped to the side of the frozen boundary nFrozen that nLine lies on.
void ClipToFrozenSide(ROWCOL nLine, ROWCOL nFrozen, ROWCOL& n1, ROWCOL& n2)
{
    if (nLine <= nFrozen)
        n2 = std::min(n2, nFrozen);
    else
        n1 = std::max(n1, nFrozen + 1);
}

// The last matrix index from nFirst on whose line lies in n1..n2.
int LastIndexIn(const std::vector<ROWCOL>& anLines, int nCount, int nFirst, ROWCOL n1, ROWCOL n2)
{
    int nLast = nFirst;
    while (nLast + 1 < nCount && anLines[nLast + 1] >= n1 && anLines[nLast + 1] <= n2)
        ++nLast;
    return nLast;
}

}  // namespace

BOOL CGXDrawSpannedCellsImp::PrepareSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& m, int i, int j)
{
    const ROWCOL nRow = m.anRows[i], nCol = m.anCols[j];
    CGXCellRange span;
    BOOL bCovered = FALSE;
    if (!FindSpan(pGrid, nRow, nCol, span, bCovered))
        return FALSE;
    const CGXStyle* pStyle = pGrid->LookupStyleRowCol(span.top, span.left);
    ROWCOL nTop = span.top, nBottom = span.bottom, nLeft = span.left, nRight = span.right;
    ClipToFrozenSide(nRow, m.nFrozenRows, nTop, nBottom);
    ClipToFrozenSide(nCol, m.nFrozenCols, nLeft, nRight);
    const BOOL bLineAfter = pGrid->GetParam()->GetLineOffset();
    const int nVertSide = bLineAfter ? CGXStyle::gxBorderRight : CGXStyle::gxBorderLeft;
    const int nHorzSide = bLineAfter ? CGXStyle::gxBorderBottom : CGXStyle::gxBorderTop;
    const ROWCOL nVertEdge = bLineAfter ? span.right : span.left, nHorzEdge = bLineAfter ? span.bottom : span.top;
    const BOOL bVertLine = !pStyle->GetIncludeBorders(nVertSide);
    const BOOL bHorzLine = !pStyle->GetIncludeBorders(nHorzSide);
    const BOOL bFrozenCol = span.right == m.nFrozenCols && span.right > m.nHeaderCols &&
                            !pStyle->GetIncludeBorders(CGXStyle::gxBorderRight);
    const BOOL bFrozenRow = span.bottom == m.nFrozenRows && span.bottom > m.nHeaderRows &&
                            !pStyle->GetIncludeBorders(CGXStyle::gxBorderBottom);
    const BOOL bBackground = !pGrid->GetParam()->GetDisplayOptions().bNoBackground;

    const int iLast = LastIndexIn(m.anRows, m.nRows, i, nTop, nBottom);
    const int jLast = LastIndexIn(m.anCols, m.nCols, j, nLeft, nRight);
    for (int k = i; k <= iLast; ++k) {
        for (int l = j; l <= jLast; ++l) {
            const ROWCOL r = m.anRows[k], c = m.anCols[l];
            if (pGrid->IsActiveCurrentCell() && pGrid->IsCurrentCell(r, c))
                continue;
            WORD nFlags = CellPaintMatrix::gxSpanned;
            if (bCovered)
                nFlags |= CellPaintMatrix::gxCoveredSpan;
            if (k != i || l != j)
                nFlags |= CellPaintMatrix::gxSpanFollower;
            else if (bBackground)
                nFlags |= CellPaintMatrix::gxOwnBackground;
            if (c == nVertEdge && bVertLine)
                nFlags |= CellPaintMatrix::gxVertLine;
            if (r == nHorzEdge && bHorzLine)
                nFlags |= CellPaintMatrix::gxHorzLine;
            if (c == span.right && bFrozenCol)
                nFlags |= CellPaintMatrix::gxLastFrozenCol;
            if (r == span.bottom && bFrozenRow)
                nFlags |= CellPaintMatrix::gxLastFrozenRow;
            const int n = m.Index(k, l);
            m.anFlags[n] = nFlags;
            m.apStyles[n] = pStyle;
        }
    }
    return TRUE;
}

BOOL CGXDrawSpannedCellsImp::DrawSpannedCell(CGXGridCore* pGrid, CellPaintMatrix& m, int i, int j)
{
    const int n = m.Index(i, j);
    const ROWCOL nRow = m.anRows[i], nCol = m.anCols[j];
    if (!(m.anFlags[n] & CellPaintMatrix::gxSpanned) || m.apStyles[n] == nullptr)
        return FALSE;
    const CGXStyle& style = *m.apStyles[n];
    if (m.anFlags[n] & CellPaintMatrix::gxSpanFollower) {
        // the span is drawn from its first visible cell; a current follower still gets its frame
        CGXControl* pControl = pGrid->IsCurrentCell(nRow, nCol) ? pGrid->GetCurrentCellControl() : nullptr;
        if (pControl != nullptr && !pControl->IsActive()) {
            m.pCurrentControl = pControl;
            m.rectCurrentCell = pGrid->SubtractBorders(m.CellRect(i, j), style, TRUE);
        }
        return TRUE;
    }
    CGXCellRange span;
    BOOL bCovered = FALSE;
    if (!FindSpan(pGrid, nRow, nCol, span, bCovered))
        return FALSE;
    ROWCOL nTop = span.top, nBottom = span.bottom, nLeft = span.left, nRight = span.right;
    ClipToFrozenSide(nRow, m.nFrozenRows, nTop, nBottom);
    ClipToFrozenSide(nCol, m.nFrozenCols, nLeft, nRight);
    const int iLast = LastIndexIn(m.anRows, m.nRows, i, nTop, nBottom);
    const int jLast = LastIndexIn(m.anCols, m.nCols, j, nLeft, nRight);
    const CRect rectVisible(m.anLefts[j], m.anTops[i], m.anLefts[jLast] + m.anWidths[jLast],
                            m.anTops[iLast] + m.anHeights[iLast]);
    if (rectVisible.IsRectEmpty())
        return TRUE;
    // the whole span's rectangle: the rows and columns outside the visible part added
    CRect rectSpan = rectVisible;
    if (nRow > span.top)
        rectSpan.top -= pGrid->SumRowHeights(span.top, nRow - 1);
    if (m.anRows[iLast] < span.bottom)
        rectSpan.bottom += pGrid->SumRowHeights(m.anRows[iLast] + 1, span.bottom);
    if (nCol > span.left)
        rectSpan.left -= pGrid->SumColWidths(span.left, nCol - 1);
    if (m.anCols[jLast] < span.right)
        rectSpan.right += pGrid->SumColWidths(m.anCols[jLast] + 1, span.right);

    CDC* pDC = m.pDC;
    const int nSaved = pDC->SaveDC();
    const BOOL bOldBackground = pGrid->GetDrawCellBackground();
    CGXControl* const pOldCurrent = m.pCurrentControl;
    const CRect rectOldCurrent = m.rectCurrentCell;
    try {
        pDC->IntersectClipRect(&rectVisible);
        pGrid->SetDrawCellBackground((m.anFlags[n] & CellPaintMatrix::gxOwnBackground) != 0);
        m.rectCell = rectSpan;
        pGrid->DrawCell(pDC, span.top, span.left, rectSpan, style);
        // the frame of a current span is drawn here, inside the part, not over the other parts
        m.pCurrentControl = pOldCurrent;
        m.rectCurrentCell = rectOldCurrent;
        pGrid->DrawCellBorders(pDC, rectSpan, style);
        CGXControl* pControl = pGrid->IsCurrentCell(span.top, span.left) ? pGrid->GetCurrentCellControl() : nullptr;
        if (pControl != nullptr && !pControl->IsActive())
            pControl->DrawCurrentCellFrame(pDC, pGrid->SubtractBorders(rectSpan, style, TRUE), style);
    } catch (...) {
        pDC->RestoreDC(nSaved);
        pGrid->SetDrawCellBackground(bOldBackground);
        m.pCurrentControl = pOldCurrent;
        m.rectCurrentCell = rectOldCurrent;
        throw;
    }
    pDC->RestoreDC(nSaved);
    pGrid->SetDrawCellBackground(bOldBackground);
    return TRUE;
}

BOOL CGXDrawSpannedCellsImp::EvalVisibleSpans(CGXGridCore* pGrid, const CGXCellRange& rangeIn, ROWCOL nFrozenRows,
                                              ROWCOL nFrozenCols, ROWCOL nTopRow, ROWCOL nLeftCol, ROWCOL nLastRow,
                                              ROWCOL nLastCol, BOOL bAlreadyLocked, CGXCellRange* pChanged,
                                              BOOL bUseGridStyles)
{
    CGXCellRange range = rangeIn;
    if (!range.IsValid() || !range.IsCells())
        range = CGXCellRange(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
    const ROWCOL anRowFrom[2] = {0, nTopRow}, anRowTo[2] = {nFrozenRows, nLastRow};
    const ROWCOL anColFrom[2] = {0, nLeftCol}, anColTo[2] = {nFrozenCols, nLastCol};
    BOOL bResult = FALSE;
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            if (anRowFrom[r] > anRowTo[r] || anColFrom[c] > anColTo[c])
                continue;
            CGXCellRange area;
            if (!area.IntersectRange(range, CGXCellRange(anRowFrom[r], anColFrom[c], anRowTo[r], anColTo[c])))
                continue;
            bResult |= pGrid->EvalMergeCells(area, bAlreadyLocked, pChanged, bUseGridStyles);
            bResult |= pGrid->EvalFloatCells(area, bAlreadyLocked, pChanged, bUseGridStyles);
        }
    }
    return bResult;
}
