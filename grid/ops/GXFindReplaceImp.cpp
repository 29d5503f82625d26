// The find and replace module (see GXFindReplaceImp.h).
#include "grid/ops/GXFindReplaceImp.h"

#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXTextSearch.h"
#include "grid/ops/GXCellBlocks.h"
#include "win/CFindReplaceDialog.h"

#include <algorithm>
#include <memory>

namespace {

// Rows between two looks at the progress and the user's abort.
constexpr ROWCOL kRowsPerStep = 100;
// SetCurrentCell flags: a found cell is scrolled into view and shown at once; the cell the dialog
// starts from also leaves the focus where it is.
constexpr UINT kFoundCellFlags = CGXGridCore::gxScrollInView | CGXGridCore::gxUpdateNow;
constexpr UINT kStartCellFlags = kFoundCellFlags | CGXGridCore::gxKeepFocus;

BOOL HasCells(CGXGridCore* pGrid)
{
    return pGrid->GetRowCount() > 0 && pGrid->GetColCount() > 0;
}

// Keeps the texts and options of a search in the record.
void StoreSearch(GridFindReplaceState& state, const char* pszFind, BOOL bDown, BOOL bMatchCase)
{
    state.m_strFind = pszFind != nullptr ? pszFind : "";
    state.m_bDown = bDown;
    state.m_bCase = bMatchCase;
    state.PrepareSearchText();
}

// The composed style of a cell, lent to its control through the record while the control runs.
class LentStyle {
public:
    LentStyle(CGXGridCore* pGrid, GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
        : m_state(state), m_composed(pGrid, nRow, nCol), m_pOld(state.m_pStyle)
    {
        m_state.m_pStyle = &m_composed.Get();
    }
    ~LentStyle() { m_state.m_pStyle = m_pOld; }
    LentStyle(const LentStyle&) = delete;
    LentStyle& operator=(const LentStyle&) = delete;
    const CGXStyle& Get() const { return m_composed.Get(); }

private:
    GridFindReplaceState& m_state;
    CGXComposedStyle m_composed;
    const CGXStyle* m_pOld;
};

// The style a control searches a cell with: the one the record lends, else the cell's composed one.
class SearchStyle {
public:
    SearchStyle(CGXGridCore* pGrid, const GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
    {
        if (state.m_pStyle == nullptr)
            m_pComposed.reset(new CGXComposedStyle(pGrid, nRow, nCol));
        m_pStyle = state.m_pStyle != nullptr ? state.m_pStyle : &m_pComposed->Get();
    }
    const CGXStyle& Get() const { return *m_pStyle; }

private:
    std::unique_ptr<CGXComposedStyle> m_pComposed;
    const CGXStyle* m_pStyle;
};

// The text the control shows for the cell.
CString DisplayText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CString strText;
    if (!pControl->GetControlText(strText, nRow, nCol, nullptr, style))
        strText.Empty();
    return strText;
}

}  // namespace

CGXAbstractGridFindReplaceImp* GXCreateFindReplaceImp()
{
    return new CGXGridFindReplaceImp;
}

void CGXGridFindReplaceImp::ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly)
{
    if (!HasCells(pGrid))
        return;
    GridFindReplaceState& state = GXGetFindReplaceState();
    state.m_pGrid = pGrid;
    ROWCOL nRow, nCol;
    if (!pGrid->GetCurrentCell(nRow, nCol)) {
        nRow = std::min(pGrid->GetTopRow(), pGrid->GetRowCount());
        nCol = std::min(pGrid->GetLeftCol(), pGrid->GetColCount());
        pGrid->SetCurrentCell(nRow, nCol, kStartCellFlags);
    } else {
        pGrid->ScrollCellInView(nRow, nCol, CGXGridCore::gxUpdateNow);
    }
    CString strFind;
    if (CGXControl* pControl = pGrid->GetCurrentCell(nRow, nCol) ? pGrid->GetCurrentCellControl() : nullptr)
        pControl->GetCurrentText(strFind);
    if (strFind.IsEmpty())
        strFind = state.m_strFind;

    if (state.m_pFindReplaceDlg != nullptr) {
        if (state.m_bFindOnly == bFindOnly) {
            state.m_pFindReplaceDlg->SetActiveWindow();
            state.m_pFindReplaceDlg->ShowWindow(SW_SHOW);
            return;
        }
        // the system's dialog reports its end to its owner, which forgets it
        CWnd* pOld = state.m_pFindReplaceDlg;
        state.m_pFindReplaceDlg = nullptr;
        pOld->SendMessage(WM_CLOSE);
    }
    DWORD dwFlags = FR_HIDEWHOLEWORD;
    if (state.m_bDown)
        dwFlags |= FR_DOWN;
    if (state.m_bCase)
        dwFlags |= FR_MATCHCASE;
    CFindReplaceDialog* pDialog = new CFindReplaceDialog;
    if (!pDialog->Create(bFindOnly, strFind, state.m_strReplace, dwFlags, pGrid->GridWnd())) {
        delete pDialog;
        return;
    }
    state.m_pFindReplaceDlg = pDialog;
    state.m_bFindOnly = bFindOnly;
    state.m_pActiveWnd = pGrid->GridWnd();
}

BOOL CGXGridFindReplaceImp::FindText(CGXGridCore* pGrid, const char* pszText, BOOL bDown, BOOL bMatchCase)
{
    if (!HasCells(pGrid) || pszText == nullptr || *pszText == '\0')
        return FALSE;
    StoreSearch(GXGetFindReplaceState(), pszText, bDown, bMatchCase);
    return pGrid->FindNextText(TRUE);
}

BOOL CGXGridFindReplaceImp::FindTextInCell(CGXControl* pControl, GridFindReplaceState& state, ROWCOL nRow,
                                           ROWCOL nCol, BOOL bAtCurrentCell, BOOL bSelect)
{
    CGXGridCore* pGrid = pControl->Grid();
    if (!bAtCurrentCell && pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    const SearchStyle style(pGrid, state, nRow, nCol);
    if (GXFindInText(DisplayText(pControl, nRow, nCol, style.Get()), state, 0) < 0)
        return FALSE;
    if (bSelect)
        pGrid->SetCurrentCell(nRow, nCol, kFoundCellFlags);
    return TRUE;
}

BOOL CGXGridFindReplaceImp::FindTextInCells(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect)
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    if (state.m_strFind.IsEmpty())
        return FALSE;
    const ROWCOL nRowCount = pGrid->GetRowCount();
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_SEARCHINGVALUES));
    const ROWCOL nTotal = state.m_bDown ? (nRow < nRowCount ? nRowCount - nRow : 0) : (nRow > 1 ? nRow - 1 : 0);
    for (ROWCOL nDone = 0; nDone < nTotal; ++nDone) {
        if (nDone > 0 && nDone % kRowsPerStep == 0 && operation.StepProgress(nDone, nTotal))
            return FALSE;
        const ROWCOL nScan = state.m_bDown ? nRow + 1 + nDone : nRow - 1 - nDone;
        const LentStyle style(pGrid, state, nScan, nCol);
        if (!style.Get().GetEnabled())
            continue;
        CGXControl* pControl = pGrid->GetControl(nScan, nCol);
        if (pControl != nullptr && pControl->FindText(state, nScan, nCol, TRUE, bSelect)) {
            nRow = nScan;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CGXGridFindReplaceImp::FindNext(CGXGridCore* pGrid, BOOL bSelect)
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    ROWCOL nRow, nCol;
    if (state.m_strFind.IsEmpty() || !pGrid->GetCurrentCell(nRow, nCol))
        return FALSE;
    CGXLongOperation operation;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->FindText(state, nRow, nCol, FALSE, bSelect))
        return TRUE;
    if (pGrid->FindTextInCells(nRow, nCol, bSelect))
        return TRUE;
    pGrid->OnTextNotFound(state.m_strFind);
    return FALSE;
}

void CGXGridFindReplaceImp::ReplaceSelection(CGXGridCore* pGrid, const char* pszFind, BOOL bDown, BOOL bMatchCase,
                                             const char* pszReplace)
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    ROWCOL nRow, nCol;
    if (!HasCells(pGrid) || pszFind == nullptr || *pszFind == '\0' || !pGrid->GetCurrentCell(nRow, nCol))
        return;
    StoreSearch(state, pszFind, bDown, bMatchCase);
    state.m_strReplace = pszReplace != nullptr ? pszReplace : "";
    CGXLongOperation operation;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl == nullptr || !pControl->FindText(state, nRow, nCol, TRUE, TRUE)) {
        // FindNext tells the user itself when nothing is left
        pGrid->FindNextText(TRUE);
        return;
    }
    pControl->ReplaceSel(state, nRow, nCol);
    if (pControl->FindText(state, nRow, nCol, FALSE, TRUE) || pGrid->FindTextInCells(nRow, nCol, TRUE))
        return;
    pGrid->OnTextNotFound(state.m_strFind);
}

void CGXGridFindReplaceImp::ReplaceAll(CGXGridCore* pGrid, const char* pszFind, const char* pszReplace,
                                       BOOL bMatchCase)
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    // the block is only for the Replace All the dialog asked for
    const BOOL bBlock = state.m_bReplaceAllBlock;
    state.m_bReplaceAllBlock = FALSE;
    ROWCOL nCurRow, nCol;
    if (!HasCells(pGrid) || pszFind == nullptr || *pszFind == '\0' || !pGrid->GetCurrentCell(nCurRow, nCol))
        return;
    StoreSearch(state, pszFind, TRUE, bMatchCase);
    state.m_strReplace = pszReplace != nullptr ? pszReplace : "";
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_REPLACINGVALUES));
    if (bBlock)
        pGrid->BeginTrans(GXLoadText(GX_IDS_REPLACEALL));
    const ROWCOL nRowCount = pGrid->GetRowCount();
    const ROWCOL nTotal = nCurRow <= nRowCount ? nRowCount - nCurRow + 1 : 0;
    BOOL bReplaced = FALSE, bAborted = FALSE;
    try {
        for (ROWCOL nDone = 0; nDone < nTotal && !bAborted; ++nDone) {
            if (nDone > 0 && nDone % kRowsPerStep == 0 && operation.StepProgress(nDone, nTotal)) {
                bAborted = TRUE;
                break;
            }
            const ROWCOL nRow = nCurRow + nDone;
            const LentStyle style(pGrid, state, nRow, nCol);
            if (!style.Get().GetEnabled())
                continue;
            CGXControl* pControl = pGrid->GetControl(nRow, nCol);
            if (pControl != nullptr && pControl->ReplaceSel(state, nRow, nCol))
                bReplaced = TRUE;
        }
    } catch (...) {
        if (bBlock)
            pGrid->Rollback();
        throw;
    }
    if (!bAborted && !bReplaced)
        pGrid->OnTextNotFound(state.m_strFind);
    if (bBlock) {
        if (bAborted)
            pGrid->Rollback();
        else
            pGrid->CommitTrans();
    }
    pGrid->RecalcAndShowErrors(TRUE, nullptr, TRUE);
    // outside the dialog's block the caller learns of the abort; what was replaced stays, each cell an
    // undo step of its own, and the grid shows it recalculated
    if (bAborted && !bBlock)
        AfxThrowUserException();
}

void CGXGridFindReplaceImp::OnFindReplaceMessage(CGXGridCore* pGrid, FINDREPLACEA* pFindReplace)
{
    GridFindReplaceState& state = GXGetFindReplaceState();
    if (state.m_pGrid != nullptr && state.m_pGrid != pGrid) {
        state.m_pGrid->OnFindReplaceMessage(pFindReplace);
        return;
    }
    const CFindReplaceDialog* pDialog = CFindReplaceDialog::GetNotifier(reinterpret_cast<LPARAM>(pFindReplace));
    if (pDialog == nullptr)
        return;
    if (pDialog->IsTerminating()) {
        if (state.m_pFindReplaceDlg == pDialog)
            state.m_pFindReplaceDlg = nullptr;
        return;
    }
    const CString strFind = pDialog->GetFindString(), strReplace = pDialog->GetReplaceString();
    if (pDialog->FindNext()) {
        pGrid->FindText(strFind, pDialog->SearchDown(), pDialog->MatchCase());
    } else if (pDialog->ReplaceCurrent()) {
        pGrid->ReplaceSelection(strFind, pDialog->SearchDown(), pDialog->MatchCase(), strReplace);
    } else if (pDialog->ReplaceAll()) {
        state.m_bReplaceAllBlock = TRUE;
        pGrid->ReplaceAll(strFind, strReplace, pDialog->MatchCase());
    }
}

BOOL CGXGridFindReplaceImp::ReplaceInCell(CGXControl* pControl, GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridCore* pGrid = pControl->Grid();
    const SearchStyle style(pGrid, state, nRow, nCol);
    CString strResult;
    return GXReplaceAllInText(DisplayText(pControl, nRow, nCol, style.Get()), state, 0, strResult) &&
           pGrid->SetControlTextRowCol(nRow, nCol, strResult, CGXGridCore::gxUpdateNow, &style.Get());
}
