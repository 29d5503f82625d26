// CGXGridResizeToFitImp (see GXGridResizeToFitImp.h).
#include "grid/ops/GXGridResizeToFitImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "win/CWindowDC.h"
#include "win/CWnd.h"
#include "win/Win.h"

#include <algorithm>

CGXAbstractGridResizeToFitImp* GXCreateResizeToFitImp()
{
    return new CGXGridResizeToFitImp;
}

namespace {

// The visible extent of the grid along the axis: the grid rectangle's; when that is empty, the client
// area's of the grid window's parent, else of its top child window, else a large one.
int AvailableExtent(CGXGridCore* pGrid, BOOL bRow)
{
    CRect rect = pGrid->GetGridRect();
    if (rect.IsRectEmpty()) {
        CWnd* pWnd = pGrid->GridWnd();
        HWND hOther = pWnd != nullptr && pWnd->m_hWnd != nullptr ? ::GetParent(pWnd->m_hWnd) : nullptr;
        if (hOther == nullptr && pWnd != nullptr && pWnd->m_hWnd != nullptr)
            hOther = ::GetTopWindow(pWnd->m_hWnd);
        if (hOther == nullptr)
            return 0x7fff;
        ::GetClientRect(hOther, &rect);
    }
    return bRow ? rect.Height() : rect.Width();
}

BOOL FitLines(CGXGridCore* pGrid, BOOL bRow, CGXCellRange range, BOOL bIncludeCovered, UINT nFlags)
{
    if (pGrid->GetParam() == nullptr)
        return FALSE;
    auto size = [&](ROWCOL n) { return bRow ? pGrid->GetRowHeight(n) : pGrid->GetColWidth(n); };
    auto sum = [&](ROWCOL a, ROWCOL b) { return bRow ? pGrid->SumRowHeights(a, b) : pGrid->SumColWidths(a, b); };

    CWnd* pWnd = pGrid->GridWnd();
    CClientDC dc(pWnd != nullptr && pWnd->m_hWnd != nullptr ? pWnd : nullptr);
    pGrid->OnGridPrepareDC(&dc);
    const CGXStyle& standard = pGrid->GetStandardStyle();
    CFont* pOldFont = pGrid->SelectStyleFont(&dc, standard);

    range.ExpandToCells(0, 0, pGrid->GetRowCount(), pGrid->GetColCount());
    pGrid->EvalFloatCells(range);
    pGrid->EvalMergeCells(range);

    CString strText;
    AfxLoadString(bRow ? GX_IDS_RESIZEROWS : GX_IDS_RESIZECOLS, strText);
    CGXLongOperation operation;
    operation.SetStatusText(strText);
    pGrid->BeginTrans(strText);

    const int nAvailable = AvailableExtent(pGrid, bRow);
    const ROWCOL nFrozen = bRow ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols();
    const ROWCOL nFirst = bRow ? range.top : range.left, nLast = bRow ? range.bottom : range.right;
    const ROWCOL nOtherFirst = bRow ? range.left : range.top, nOtherLast = bRow ? range.right : range.bottom;
    const uint64_t nCells = uint64_t(nLast - nFirst + 1) * (nOtherLast - nOtherFirst + 1);
    uint64_t nDone = 0;
    BOOL bAborted = FALSE;
    for (ROWCOL n = nFirst; n <= nLast && !bAborted; ++n) {
        int nMax = nAvailable - 1;
        if (n > 0)
            nMax -= (bRow ? pGrid->IsFrozenRow(n) : pGrid->IsFrozenCol(n)) ? sum(0, n - 1) : sum(0, nFrozen);
        nMax = std::max(nMax, 0);

        int nNeeded = 0;
        for (ROWCOL m = nOtherFirst; m <= nOtherLast; ++m) {
            const ROWCOL nRow = bRow ? n : m, nCol = bRow ? m : n;
            CGXCellRange covered;
            const BOOL bCovered = pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) && covered.IsValid();
            int nOthersInBlock = 0;
            BOOL bMeasure;
            if (bCovered) {
                bMeasure = bIncludeCovered && covered.top == nRow && covered.left == nCol &&
                           covered.bottom <= range.bottom && covered.right <= range.right;
                const ROWCOL nBlockLast = bRow ? covered.bottom : covered.right;
                if (bMeasure && nBlockLast > n)
                    nOthersInBlock = sum(n + 1, nBlockLast);
            } else {
                bMeasure = (bRow ? pGrid->GetColWidth(nCol) : pGrid->GetRowHeight(nRow)) > 0;
            }
            if (bMeasure) {
                CGXComposedStyle style(pGrid, nRow, nCol);
                if (CGXControl* pControl = pGrid->GetRegisteredControl(style.Get().GetControl())) {
                    // the current cell is measured with the text being edited in it
                    pControl->GetValueIntoStyle(nRow, nCol, style.Get());
                    const CSize needed = pControl->CalcSize(&dc, nRow, nCol, style.Get(), &standard, bRow);
                    nNeeded = std::max(nNeeded, int(bRow ? needed.cy : needed.cx) - nOthersInBlock);
                }
            }
            if (operation.StepProgress(++nDone, nCells)) {
                bAborted = TRUE;
                break;
            }
        }
        if (bAborted)
            break;
        const int nNew = std::min(nNeeded, nMax), nCurrent = size(n);
        const BOOL bApply = (nFlags & 8) ? nNew > nCurrent : nNew > 0 && nNew != nCurrent;
        if (bApply)
            bRow ? pGrid->SetRowHeight(n, n, nNew, nullptr, nFlags & 7) : pGrid->SetColWidth(n, n, nNew, nullptr, nFlags & 7);
        if (n == nLast)
            break;
    }

    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    if (bAborted) {
        pGrid->Rollback();
        return FALSE;
    }
    pGrid->CommitTrans();
    return TRUE;
}

}  // namespace

BOOL CGXGridResizeToFitImp::ResizeRowHeightsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered,
                                                  UINT nFlags)
{
    return FitLines(pGrid, TRUE, range, bIncludeCovered, nFlags);
}

BOOL CGXGridResizeToFitImp::ResizeColWidthsToFit(CGXGridCore* pGrid, CGXCellRange range, BOOL bIncludeCovered,
                                                 UINT nFlags)
{
    return FitLines(pGrid, FALSE, range, bIncludeCovered, nFlags);
}
