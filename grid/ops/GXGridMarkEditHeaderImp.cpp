// CGXGridMarkEditHeaderImp and CGXGridFreezeMenuHelperImp (see GXGridMarkEditHeaderImp.h).
#include "grid/ops/GXGridMarkEditHeaderImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXResource.h"
#include "win/CWinApp.h"
#include "win/Win.h"

#include <algorithm>

CGXAbstractGridMarkEditHeaderImp* GXCreateMarkEditHeaderImp()
{
    return new CGXGridMarkEditHeaderImp;
}

CGXAbstractGridFreezeMenuHelperImp* GXCreateFreezeMenuHelperImp()
{
    return new CGXGridFreezeMenuHelperImp;
}

// ---- header marks ------------------------------------------------------------------------------------

namespace {

// Invalidates a header rectangle larger than one pixel each way.
void InvalidateHeader(CGXGridCore* pGrid, const CRect& rect, UINT nFlags)
{
    CWnd* pWnd = pGrid->GridWnd();
    if ((nFlags & 7) == 0 || pWnd == nullptr || pWnd->m_hWnd == nullptr || rect.Width() <= 1 || rect.Height() <= 1)
        return;
    pWnd->InvalidateRect(&rect);
}

}  // namespace

void CGXGridMarkEditHeaderImp::RedrawHeaderMarks(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, int nWhich, UINT nFlags)
{
    const CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->IsUpdateLocked() || pParam == nullptr || pParam->GetProperties() == nullptr)
        return;
    const CGXProperties* pProperties = pParam->GetProperties();
    const ROWCOL nTop = pGrid->GetTopRow(), nLeft = pGrid->GetLeftCol();
    const BOOL bRowInRange = pGrid->IsFrozenRow(nRow) || (nRow >= nTop && nRow <= pGrid->GetRowCount());
    const BOOL bColInRange = pGrid->IsFrozenCol(nCol) || (nCol >= nLeft && nCol <= pGrid->GetColCount());
    const ROWCOL nLastRow = pGrid->GetLastVisibleRow(), nLastCol = pGrid->GetLastVisibleCol();
    if (!(bRowInRange || bColInRange) || (nRow > nLastRow && nCol > nLastCol))
        return;
    if ((nWhich == 0 || nWhich == 2) && pProperties->GetMarkRowHeader() &&
        (pGrid->IsFrozenRow(nRow) || (nRow >= nTop && nRow <= nLastRow)))
        InvalidateHeader(pGrid, pGrid->CalcRangeRect(nRow, 0, nRow, pGrid->GetHeaderCols()), nFlags);
    if ((nWhich == 0 || nWhich == 1) && pProperties->GetMarkColHeader() &&
        (pGrid->IsFrozenCol(nCol) || (nCol >= nLeft && nCol <= nLastCol)))
        InvalidateHeader(pGrid, pGrid->CalcRangeRect(0, nCol, pGrid->GetHeaderRows(), nCol), nFlags);
}

BOOL CGXGridMarkEditHeaderImp::IsHeaderMarked(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, UINT)
{
    CGXGridCore* pGrid = pControl->Grid();
    const CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || pParam->GetProperties() == nullptr)
        return FALSE;
    const CGXProperties* pProperties = pParam->GetProperties();
    // the header cell's whole extent
    CGXCellRange extent(nRow, nCol, nRow, nCol);
    CGXCellRange covered;
    if (pGrid->GetCoveredCellsRowCol(nRow, nCol, covered) && covered.IsValid())
        extent = covered;
    const BOOL bRowHeader = nRow != 0 && nCol <= pGrid->GetHeaderCols();
    const BOOL bColHeader = nCol != 0 && nRow <= pGrid->GetHeaderRows();

    ROWCOL nCurrentRow, nCurrentCol;
    if (pGrid->GetCurrentCell(nCurrentRow, nCurrentCol) && nCurrentRow > pGrid->GetHeaderRows() &&
        nCurrentCol > pGrid->GetHeaderCols()) {
        if (bRowHeader && !pParam->TestSelectionFlags(3) && pProperties->GetMarkRowHeader() &&
            nCurrentRow >= extent.top && nCurrentRow <= extent.bottom)
            return TRUE;
        if (bColHeader && pProperties->GetMarkColHeader() && nCurrentCol >= extent.left && nCurrentCol <= extent.right)
            return TRUE;
    }
    int nKind = 0;
    ROWCOL nIndex = 0;
    if (pGrid->IsUserResizing(nKind, nIndex)) {
        if (nKind == 2 && bColHeader && !pParam->TestColSizingFlags(16) && nIndex >= extent.left && nIndex <= extent.right)
            return TRUE;
        if (nKind == 1 && bRowHeader && !pParam->TestRowSizingFlags(16) && nIndex >= extent.top && nIndex <= extent.bottom)
            return TRUE;
    }
    return FALSE;
}

// ---- freezing -------------------------------------------------------------------------------------------

namespace {

// The one run of whole columns (bRow: rows) the selection holds, in rFirst..rLast; FALSE when the
// selection holds anything else or more.
BOOL SingleSelectedRun(CGXGridCore* pGrid, BOOL bRow, ROWCOL& rFirst, ROWCOL& rLast)
{
    const CGXRangeList& list = pGrid->GetParam()->GetRangeList1();
    if (list.GetCount() != 1)
        return FALSE;
    const CGXCellRange* pRange = list.GetRangeAt(list.GetHeadPosition());
    if (!pRange->IsValid() || !(bRow ? pRange->IsRows() : pRange->IsCols()))
        return FALSE;
    rFirst = bRow ? pRange->top : pRange->left;
    rLast = bRow ? pRange->bottom : pRange->right;
    return TRUE;
}

BOOL CanFreeze(CGXGridCore* pGrid, BOOL bRow)
{
    ROWCOL nFirst, nLast;
    return pGrid->GetParam() != nullptr && (bRow ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols()) == 0 &&
           SingleSelectedRun(pGrid, bRow, nFirst, nLast);
}

BOOL CanUnfreeze(CGXGridCore* pGrid, BOOL bRow)
{
    return pGrid->GetParam() != nullptr && (bRow ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols()) > 0;
}

CString BlockName(BOOL bRow)
{
    CString strName;
    AfxLoadString(bRow ? GX_IDS_FREEZEROWS : GX_IDS_FREEZECOLS, strName);
    return strName;
}

// Holds the parameter's redraw lock for its life (the previous state back afterwards).
class RedrawLock {
public:
    explicit RedrawLock(CGXGridParam* pParam) : m_pParam(pParam), m_bWas(pParam->IsLockRedraw())
    {
        pParam->SetLockRedraw(TRUE);
    }
    ~RedrawLock() { m_pParam->SetLockRedraw(m_bWas); }
    RedrawLock(const RedrawLock&) = delete;
    RedrawLock& operator=(const RedrawLock&) = delete;

private:
    CGXGridParam* m_pParam;
    BOOL m_bWas;
};

void Freeze(CGXGridCore* pGrid, BOOL bRow)
{
    if (!(bRow ? pGrid->CanFreezeRows() : pGrid->CanFreezeCols()))
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    const ROWCOL nHeaders = bRow ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols();
    ROWCOL nFirst = 0, nLast = 0;
    SingleSelectedRun(pGrid, bRow, nFirst, nLast);
    nFirst = std::max(nFirst, nHeaders + 1);
    if (nLast < nFirst)
        return;
    const ROWCOL nCount = nLast - nFirst + 1;
    CWaitCursor wait;
    pGrid->BeginTrans(BlockName(bRow));
    {
        RedrawLock lock(pParam);
        pGrid->SetRangeAtPosition(nullptr, 0, 0, 0, 0);
        if (nFirst != nHeaders + 1)
            bRow ? pGrid->MoveRows(nFirst, nLast, nHeaders + 1, 2) : pGrid->MoveCols(nFirst, nLast, nHeaders + 1, 2);
        CGXGridParam::FreezeRecord& record = bRow ? pParam->GetRowFreezeRecord() : pParam->GetColFreezeRecord();
        record.nFirst = nHeaders + 1;
        record.nCount = nCount;
        record.nFrom = nFirst;
        bRow ? pGrid->SetFrozenRows(nHeaders + nCount, nHeaders, 2) : pGrid->SetFrozenCols(nHeaders + nCount, nHeaders, 2);
    }
    pGrid->Redraw(2, TRUE);
    pGrid->CommitTrans();
}

}  // namespace

BOOL CGXGridFreezeMenuHelperImp::CanFreezeCols(CGXGridCore* pGrid)
{
    return CanFreeze(pGrid, FALSE);
}

BOOL CGXGridFreezeMenuHelperImp::CanUnfreezeCols(CGXGridCore* pGrid)
{
    return CanUnfreeze(pGrid, FALSE);
}

BOOL CGXGridFreezeMenuHelperImp::CanFreezeRows(CGXGridCore* pGrid)
{
    return CanFreeze(pGrid, TRUE);
}

BOOL CGXGridFreezeMenuHelperImp::CanUnfreezeRows(CGXGridCore* pGrid)
{
    return CanUnfreeze(pGrid, TRUE);
}

void CGXGridFreezeMenuHelperImp::FreezeCols(CGXGridCore* pGrid)
{
    Freeze(pGrid, FALSE);
}

void CGXGridFreezeMenuHelperImp::FreezeRows(CGXGridCore* pGrid)
{
    Freeze(pGrid, TRUE);
}

void CGXGridFreezeMenuHelperImp::UnfreezeCols(CGXGridCore* pGrid)
{
    if (!pGrid->CanUnfreezeCols())
        return;
    CGXGridParam* pParam = pGrid->GetParam();
    const CGXGridParam::FreezeRecord& record = pParam->GetColFreezeRecord();
    const ROWCOL nHeaders = pGrid->GetHeaderCols();
    pGrid->BeginTrans(BlockName(FALSE));
    {
        RedrawLock lock(pParam);
        if (record.nCount > 0 && record.nFirst != record.nFrom)
            pGrid->MoveCols(record.nFirst, record.nFirst + record.nCount - 1, record.nFrom, 2);
        pGrid->SetFrozenCols(nHeaders, nHeaders, 2);
    }
    pGrid->Redraw(2, TRUE);
    pGrid->CommitTrans();
}

void CGXGridFreezeMenuHelperImp::UnfreezeRows(CGXGridCore* pGrid)
{
    if (!pGrid->CanUnfreezeRows())
        return;
    const CGXGridParam::FreezeRecord& record = pGrid->GetParam()->GetRowFreezeRecord();
    const ROWCOL nHeaders = pGrid->GetHeaderRows();
    pGrid->SetFrozenRows(nHeaders, nHeaders, 2);
    if (record.nCount > 0 && record.nFirst != record.nFrom)
        pGrid->MoveRows(record.nFirst, record.nFirst + record.nCount - 1, record.nFrom, 2);
}
