// The cut and paste module (see GXCutPasteImp.h).
#include "grid/ops/GXCutPasteImp.h"

#include "core/CArchive.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXState.h"
#include "grid/ops/GXCellBlocks.h"
#include "win/CSharedFile.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdint>

namespace {

// The registered id of "GX_DIRECTCOPY" (0xFFFF until first used).
UINT g_nDirectCopyFormat = 0xFFFF;

UINT DirectCopyFormat()
{
    if (g_nDirectCopyFormat == 0xFFFF)
        g_nDirectCopyFormat = ::RegisterClipboardFormatA("GX_DIRECTCOPY");
    return g_nDirectCopyFormat;
}

// What a "GX_DIRECTCOPY" block holds for a grid: the low 32 bits of its
// parameter object's address.
DWORD DirectCopyMark(CGXGridCore* pGrid)
{
    return DWORD(reinterpret_cast<uintptr_t>(pGrid->GetParam()) & 0xFFFFFFFFu);
}

HWND OwnerOf(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GridWnd();
    return pWnd != nullptr ? pWnd->m_hWnd : nullptr;
}

// Another window has the clipboard open.
BOOL IsClipboardBusy(CGXGridCore* pGrid)
{
    const HWND hOpen = ::GetOpenClipboardWindow();
    return hOpen != nullptr && hOpen != OwnerOf(pGrid);
}

// Opens the clipboard on the grid window unless the grid has it open already;
// closes what it opened.
class ClipboardScope {
public:
    explicit ClipboardScope(CGXGridCore* pGrid)
    {
        const HWND hOwner = OwnerOf(pGrid);
        m_bOpen = hOwner != nullptr && ::GetOpenClipboardWindow() == hOwner;
        if (!m_bOpen)
            m_bOpen = m_bOpened = ::OpenClipboard(hOwner);
    }
    ~ClipboardScope()
    {
        if (m_bOpened)
            ::CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen = FALSE;
    BOOL m_bOpened = FALSE;
};

// Opens, empties and closes the clipboard. FALSE when another window holds it
// or it stays full.
BOOL EmptyClipboard(CGXGridCore* pGrid)
{
    if (IsClipboardBusy(pGrid))
        return FALSE;
    ClipboardScope clipboard(pGrid);
    return clipboard.IsOpen() && ::EmptyClipboard();
}

// Hands hData to the clipboard as nFormat; a block the clipboard does not take
// is freed.
BOOL SetClipboardBlock(CGXGridCore* pGrid, UINT nFormat, HGLOBAL hData)
{
    if (hData == nullptr)
        return FALSE;
    ClipboardScope clipboard(pGrid);
    if (clipboard.IsOpen() && ::SetClipboardData(nFormat, hData) != nullptr)
        return TRUE;
    ::GlobalFree(hData);
    return FALSE;
}

// The first row (column) a clipboard block may start at.
ROWCOL FirstRow(CGXGridCore* pGrid)
{
    return (pGrid->m_nClipboardFlags & CGXGridCore::gxClipRowHeaders) != 0 ? 0 : pGrid->GetHeaderRows() + 1;
}
ROWCOL FirstCol(CGXGridCore* pGrid)
{
    return (pGrid->m_nClipboardFlags & CGXGridCore::gxClipColHeaders) != 0 ? 0 : pGrid->GetHeaderCols() + 1;
}

// Fits the ranges to the cells a clipboard block may hold (unchanged when both
// header options are set).
void FitRanges(CGXGridCore* pGrid, CGXRangeList& list)
{
    const UINT nHeaders = CGXGridCore::gxClipRowHeaders | CGXGridCore::gxClipColHeaders;
    if ((pGrid->m_nClipboardFlags & nHeaders) != nHeaders)
        GXFitRanges(list, FirstRow(pGrid), FirstCol(pGrid), pGrid->GetRowCount(), pGrid->GetColCount());
}

// A paste inside the grid is waiting: a cut to move in direct-move mode, a copy
// in direct-copy mode.
BOOL IsDirectPastePossible(CGXGridParam* pParam)
{
    return !pParam->GetClipboardSourceList().IsEmpty() &&
           (pParam->GetDirectMoveMode() ? pParam->GetCutPending()
                                        : pParam->GetDirectCopyMode() && !pParam->GetCutPending());
}

// The clipboard holds a "GX_DIRECTCOPY" block of this grid. The clipboard is
// open.
BOOL HoldsOwnDirectCopy(CGXGridCore* pGrid)
{
    HANDLE hData = ::GetClipboardData(DirectCopyFormat());
    if (hData == nullptr || ::GlobalSize(hData) < sizeof(DWORD))
        return FALSE;
    const DWORD* pMark = static_cast<const DWORD*>(::GlobalLock(hData));
    const BOOL bOwn = pMark != nullptr && *pMark == DirectCopyMark(pGrid);
    ::GlobalUnlock(hData);
    return bOwn;
}

}  // namespace

CGXAbstractGridCutPasteImp* GXCreateCutPasteImp()
{
    return new CGXGridCutPasteImp;
}

BOOL CGXGridCutPasteImp::CanCopy(CGXGridCore* pGrid)
{
    if (IsClipboardBusy(pGrid))
        return FALSE;
    CGXRangeList list;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pGrid->CopySelection(list, FALSE) || (pControl != nullptr && pControl->CanCopy());
}

BOOL CGXGridCutPasteImp::Copy(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !EmptyClipboard(pGrid))
        return FALSE;
    CGXRangeList& source = pParam->GetClipboardSourceList();
    pGrid->CopySelection(source, FALSE);
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    BOOL bCopied = FALSE;
    if ((source.IsEmpty() || pGrid->IsActiveCurrentCell()) && pControl != nullptr && pControl->Copy()) {
        bCopied = TRUE;
    } else if (!source.IsEmpty() || pGrid->CopySelection(source, TRUE)) {
        CGXLongOperation operation;
        FitRanges(pGrid, source);
        bCopied = pGrid->CopyRange(source);
    }
    if (pParam->GetCutPending()) {
        // the cells marked for a move are not moved any more
        pParam->SetCutPending(FALSE);
        pGrid->Redraw(2, TRUE);
    }
    return bCopied;
}

BOOL CGXGridCutPasteImp::CopyRange(CGXGridCore* pGrid, const CGXRangeList& selList)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    CGXLongOperation operation;
    const UINT nFlags = pGrid->m_nClipboardFlags;
    BOOL bCopied = FALSE;
    if ((nFlags & CGXGridCore::gxClipText) != 0)
        bCopied |= pGrid->CopyTextToClipboard(selList);
    if ((nFlags & CGXGridCore::gxClipStyles) != 0)
        bCopied |= pGrid->CopyCellsToClipboard(selList, (nFlags & CGXGridCore::gxClipFullStyles) != 0);
    if (pParam->GetDirectCopyMode() || pParam->GetDirectMoveMode()) {
        HGLOBAL hMark = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, sizeof(DWORD));
        if (DWORD* pMark = hMark != nullptr ? static_cast<DWORD*>(::GlobalLock(hMark)) : nullptr) {
            *pMark = DirectCopyMark(pGrid);
            ::GlobalUnlock(hMark);
        }
        SetClipboardBlock(pGrid, DirectCopyFormat(), hMark);
    }
    return bCopied;
}

BOOL CGXGridCutPasteImp::CopyTextToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList)
{
    CSharedFile file;
    try {
        if (!pGrid->CopyTextToFile(file, selList))
            return FALSE;
        // CF_TEXT ends at its NUL
        file.Write("", 1);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return SetClipboardBlock(pGrid, CF_TEXT, file.Detach());
}

BOOL CGXGridCutPasteImp::CopyCellsToClipboard(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bFull)
{
    CSharedFile file;
    try {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        if (!pGrid->CopyCellsToArchive(ar, selList, bFull))
            return FALSE;
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return SetClipboardBlock(pGrid, GXGetLibraryState()->m_nClipboardFormat, file.Detach());
}

BOOL CGXGridCutPasteImp::CanCut(CGXGridCore* pGrid)
{
    if (IsClipboardBusy(pGrid) || pGrid->IsReadOnly())
        return FALSE;
    CGXRangeList list;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pGrid->CopySelection(list, FALSE) || (pControl != nullptr && pControl->CanCut());
}

BOOL CGXGridCutPasteImp::Cut(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !EmptyClipboard(pGrid))
        return FALSE;
    CGXLongOperation operation;
    CGXRangeList& source = pParam->GetClipboardSourceList();
    pGrid->CopySelection(source, FALSE);
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if ((source.IsEmpty() || pGrid->IsActiveCurrentCell()) && pControl != nullptr && pControl->Cut())
        return TRUE;
    if (pParam->GetDirectMoveMode()) {
        // the cells stay until the paste that moves them
        pGrid->Copy();
        pParam->SetCutPending(TRUE);
        pGrid->Redraw(2, TRUE);
        return TRUE;
    }
    if (!pGrid->CopySelection(source, TRUE))
        return FALSE;
    FitRanges(pGrid, source);
    return pGrid->CutRange(source, (pGrid->m_nClipboardFlags & CGXGridCore::gxClipStyles) != 0);
}

BOOL CGXGridCutPasteImp::CutRange(CGXGridCore* pGrid, const CGXRangeList& selList, BOOL bStyles)
{
    pGrid->BeginTrans(GXLoadText(GX_IDS_CUTDATA));
    const BOOL bCut = pGrid->CopyRange(selList) && pGrid->ClearCells(selList, bStyles);
    pGrid->CommitTrans();
    return bCut;
}

BOOL CGXGridCutPasteImp::CanPaste(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || (pGrid->IsReadOnly() && pParam->GetReadOnlyGuard()))
        return FALSE;
    if (IsDirectPastePossible(pParam))
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return (pControl != nullptr && pControl->CanPaste()) || pGrid->IsPasteFormatAvailable();
}

BOOL CGXGridCutPasteImp::IsClipboardDataAvailable(CGXGridCore* /*pGrid*/)
{
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT) ||
           ::IsClipboardFormatAvailable(GXGetLibraryState()->m_nClipboardFormat);
}

BOOL CGXGridCutPasteImp::Paste(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pGrid->CanPaste())
        return FALSE;
    // the source list stays for a direct paste: the selection goes into a list of
    // its own
    CGXRangeList list;
    pGrid->CopySelection(list, TRUE);
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->CanPaste() && pControl->Paste())
        return TRUE;
    if (list.GetCount() > 1) {
        AfxMessageBox(GX_IDS_MULTIAREAPASTE, MB_OK);
        return FALSE;
    }
    FitRanges(pGrid, list);
    if (list.IsEmpty())
        return FALSE;
    const CGXCellRange destination = *list.GetRangeAt(list.GetHeadPosition());

    if (!pParam->GetClipboardSourceList().IsEmpty()) {
        BOOL bDirect = pParam->GetDirectMoveMode() && pParam->GetCutPending();
        if (!bDirect && pParam->GetDirectCopyMode() && !pParam->GetCutPending()) {
            ClipboardScope clipboard(pGrid);
            bDirect = clipboard.IsOpen() && HoldsOwnDirectCopy(pGrid);
        }
        if (bDirect)
            return pGrid->PasteCellsFromClipboard(destination);
    }
    ClipboardScope clipboard(pGrid);
    return clipboard.IsOpen() && pGrid->PasteFromClipboard(destination);
}

BOOL CGXGridCutPasteImp::PasteFromDirectSource(CGXGridCore* pGrid, const CGXCellRange& range)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !IsDirectPastePossible(pParam))
        return TRUE;
    CGXRangeList& source = pParam->GetClipboardSourceList();
    GXCellBlocks blocks;
    blocks.Compute(pGrid, source);
    const BOOL bMove = pParam->GetCutPending();
    const CString strName = GXLoadText(bMove ? GX_IDS_MOVE : GX_IDS_COPY);
    CGXLongOperation operation;
    operation.SetStatusText(strName);
    const BOOL bSeveral = source.GetCount() > 1;
    if (bSeveral)
        pGrid->BeginTrans(strName);
    const BOOL bLock = bSeveral || bMove;
    const BOOL bOldLock = pParam->IsLockRedraw();
    if (bLock)
        pParam->SetLockRedraw(TRUE);

    BOOL bPasted = TRUE, bOutOfMemory = FALSE, bCurrentCell = FALSE;
    ROWCOL nCurrentRow = 0, nCurrentCol = 0;
    const BOOL bHasCurrent = pGrid->GetCurrentCell(nCurrentRow, nCurrentCol);
    try {
        ROWCOL nDestRow = range.top;
        for (int32_t r = 0; r < blocks.rowStarts.GetSize() && bPasted; ++r) {
            ROWCOL nDestCol = range.left;
            for (int32_t c = 0; c < blocks.colStarts.GetSize() && bPasted; ++c) {
                const CGXCellRange block(blocks.rowStarts[r], blocks.colStarts[c], blocks.rowEnds[r],
                                         blocks.colEnds[c]);
                if (bMove) {
                    CObject* pUndoInfo = nullptr;
                    bPasted = pGrid->MoveCells(block, nDestRow, nDestCol, pUndoInfo, 2, CGXGridCore::gxDo);
                    delete pUndoInfo;
                } else {
                    bPasted = pGrid->CopyCells(block, nDestRow, nDestCol, 2);
                }
                const CGXCellRange target(nDestRow, nDestCol, nDestRow + (block.bottom - block.top),
                                          nDestCol + (block.right - block.left));
                bCurrentCell |= bHasCurrent && target.IsCellInRange(nCurrentRow, nCurrentCol);
                nDestCol += block.GetWidth();
            }
            nDestRow += blocks.rowEnds[r] - blocks.rowStarts[r] + 1;
        }
    } catch (CMemoryException* e) {
        e->Delete();
        bPasted = FALSE;
        bOutOfMemory = TRUE;
    }
    if (bSeveral) {
        if (bPasted)
            pGrid->CommitTrans();
        else
            pGrid->Rollback();
    }
    pParam->SetCutPending(FALSE);
    source.DeleteAll();
    if (bLock) {
        pParam->SetLockRedraw(bOldLock);
        pGrid->Recalc(FALSE);
        pGrid->Redraw(2, TRUE);
    }
    if (bCurrentCell)
        pGrid->SetCurrentCell(nCurrentRow, nCurrentCol, 10);
    if (bOutOfMemory)
        AfxMessageBox(GX_IDS_RANGETOOBIG, MB_OK);
    return bPasted;
}

BOOL CGXGridCutPasteImp::PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range)
{
    if (!range.IsValid())
        return FALSE;
    CGXCellRange target = range;
    target.top = std::max(range.top, FirstRow(pGrid));
    target.left = std::max(range.left, FirstCol(pGrid));
    target.bottom = std::max(target.bottom, target.top);
    target.right = std::max(target.right, target.left);

    const UINT nFlags = pGrid->m_nClipboardFlags;
    const UINT nPrivate = GXGetLibraryState()->m_nClipboardFormat;
    if ((nFlags & CGXGridCore::gxClipStyles) != 0 && ::IsClipboardFormatAvailable(nPrivate)) {
        HANDLE hData = ::GetClipboardData(nPrivate);
        if (hData == nullptr)
            return FALSE;
        // the file reads the clipboard's block and gives it back untouched
        CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, 4096);
        BOOL bPasted = FALSE;
        try {
            file.SetHandle(hData, FALSE);
            CArchive ar(&file, CArchive::load, 4096);
            bPasted = pGrid->PasteCellsFromArchive(ar, target, (nFlags & CGXGridCore::gxClipCheckSize) == 0);
        } catch (CException* e) {
            e->Delete();
        }
        file.Detach();
        return bPasted;
    }
    if ((nFlags & CGXGridCore::gxClipText) == 0)
        return FALSE;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData == nullptr)
        hData = ::GetClipboardData(CF_OEMTEXT);
    const char* pszText = hData != nullptr ? static_cast<const char*>(::GlobalLock(hData)) : nullptr;
    if (pszText == nullptr)
        return FALSE;
    BOOL bPasted = FALSE;
    try {
        bPasted = pGrid->PasteTextFromBuffer(pszText, DWORD(::GlobalSize(hData)), target);
    } catch (...) {
        ::GlobalUnlock(hData);
        throw;
    }
    ::GlobalUnlock(hData);
    return bPasted;
}

BOOL CGXGridCutPasteImp::ConfirmPasteSize(CGXGridCore* /*pGrid*/)
{
    return AfxMessageBox(GX_IDS_CLIPBOARDSIZE, MB_OKCANCEL) == IDOK;
}
