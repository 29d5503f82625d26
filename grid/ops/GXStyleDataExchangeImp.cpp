// The clipboard style module (see GXStyleDataExchangeImp.h).
#include "grid/ops/GXStyleDataExchangeImp.h"

#include "core/CArchive.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStyleSerializeImp.h"
#include "grid/ops/GXCellBlocks.h"
#include "win/Win.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The most rows or columns a block may have, and the most cells.
constexpr uint64_t kMaxLines = 0x7FFF;
constexpr uint64_t kMaxCells = 0x3FFFFFFE;

// A block read from an archive: its size and one style (or null) per cell, rows
// outer.
struct StyleBlock {
    ROWCOL nRows = 0;
    ROWCOL nCols = 0;
    std::vector<std::unique_ptr<CObject>> styles;
};

// Reads a whole block; anything else throws CArchiveException* (badIndex for
// wrong counts) and leaves nothing behind.
void ReadBlock(CArchive& ar, StyleBlock& block)
{
    uint32_t nRows = 0, nCols = 0;
    ar >> nRows >> nCols;
    if (nRows == 0 || nCols == 0 || nRows > kMaxLines || nCols > kMaxLines)
        AfxThrowArchiveException(CArchiveException::badIndex);
    block.nRows = nRows;
    block.nCols = nCols;
    std::unique_ptr<CObject> pArray(ar.ReadOwnedObject(RUNTIME_CLASS(CObArray), [&](CObject&) {
        const uint32_t nCount = ar.ReadCount();
        if (uint64_t(nCount) != uint64_t(nRows) * nCols)
            AfxThrowArchiveException(CArchiveException::badIndex);
        block.styles.reserve(nCount);
        for (uint32_t n = 0; n < nCount; ++n)
            block.styles.emplace_back(ar.ReadOwnedObject(RUNTIME_CLASS(CGXStyle)));
    }));
    if (pArray == nullptr)
        AfxThrowArchiveException(CArchiveException::badIndex);
}

// The styles of block that fall into the cells range target (whose top-left is
// the block's), rows outer; the array does not own them.
void StylesOfTarget(const StyleBlock& block, const CGXCellRange& target, CObArray& array)
{
    for (ROWCOL nRow = 0; nRow < target.GetHeight(); ++nRow)
        for (ROWCOL nCol = 0; nCol < target.GetWidth(); ++nCol)
            array.Add(block.styles[size_t(nRow) * block.nCols + nCol].get());
}

}  // namespace

CGXAbstractGridStyleDataExchangeImp* GXCreateStyleDataExchangeImp()
{
    return new CGXGridStyleDataExchangeImp;
}

BOOL CGXGridStyleDataExchangeImp::CopyCellsToArchive(CGXGridCore* pGrid, CArchive& ar, const CGXRangeList& selList,
                                                     BOOL bFull)
{
    CGXGridParam* pParam = pGrid->GetParam();
    GXCellBlocks blocks;
    if (pParam == nullptr || !blocks.Compute(pGrid, selList))
        return FALSE;
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_COPYINGINTERNAL));
    CGXArchiveStylesMap stylesMap(ar, pParam->GetStylesMap());

    const uint64_t nCells = blocks.nRows * blocks.nCols;
    CObArray array;
    auto recycle = [&] {
        for (int32_t i = 0; i < array.GetSize(); ++i)
            if (array[i] != nullptr)
                pGrid->RecycleStyle(static_cast<CGXStyle*>(array[i]));
        array.RemoveAll();
    };
    BOOL bAborted = FALSE;
    try {
        ar << uint32_t(blocks.nRows) << uint32_t(blocks.nCols);
        if (nCells > kMaxCells || blocks.nRows > kMaxLines || blocks.nCols > kMaxLines)
            AfxThrowMemoryException();
        array.SetSize(int32_t(nCells));
        uint64_t nIndex = 0;
        for (uint64_t nRow = 0; nRow < blocks.nRows && !bAborted; ++nRow) {
            for (uint64_t nCol = 0; nCol < blocks.nCols && !bAborted; ++nCol, ++nIndex) {
                CGXStyle* pStyle = pGrid->CreateStyle();
                if (pGrid->GetClipboardStyleRowCol(blocks.RowAt(nRow), blocks.ColAt(nCol), *pStyle, bFull))
                    array.SetAt(int32_t(nIndex), pStyle);
                else
                    pGrid->RecycleStyle(pStyle);
                bAborted = operation.StepProgress(nIndex + 1, nCells);
            }
        }
        if (!bAborted) {
            BOOL bAbortedNow = FALSE;
            operation.DoMessages(bAbortedNow);
            bAborted = bAbortedNow;
        }
        if (!bAborted)
            ar << &array;
    } catch (CMemoryException* e) {
        e->Delete();
        recycle();
        AfxMessageBox(GX_IDS_RANGETOOBIG, MB_OK);
        return FALSE;
    } catch (CException* e) {
        e->Delete();
        recycle();
        return FALSE;
    }
    recycle();
    pGrid->m_nLastCopiedRows = ROWCOL(blocks.nRows);
    pGrid->m_nLastCopiedCols = ROWCOL(blocks.nCols);
    return !bAborted;
}

BOOL CGXGridStyleDataExchangeImp::GetStyleForCopy(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, CGXStyle& style,
                                                  BOOL bFull)
{
    if (bFull) {
        pGrid->ComposeStyleRowCol(nRow, nCol, &style);
        return TRUE;
    }
    const int nKind = (pGrid->m_nClipboardFlags & CGXGridCore::gxClipStyleKind) != 0 ? pGrid->m_nStyleKind : 0;
    return pGrid->GetStyleRowCol(nRow, nCol, style, CGXStyle::gxCopy, nKind);
}

BOOL CGXGridStyleDataExchangeImp::PasteCellsFromArchive(CGXGridCore* pGrid, CArchive& ar, const CGXCellRange& range,
                                                        BOOL bNoSizeCheck)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !range.IsValid())
        return FALSE;
    StyleBlock block;
    {
        CGXArchiveStylesMap stylesMap(ar, pParam->GetStylesMap());
        try {
            ReadBlock(ar, block);
        } catch (CException* e) {
            e->Delete();
            return FALSE;
        }
    }
    CGXCellRange target(range.top, range.left, range.top + (block.nRows - 1), range.left + (block.nCols - 1));
    if (!bNoSizeCheck && (target.bottom != range.bottom || target.right != range.right) && !pGrid->AskContinue())
        return FALSE;

    pGrid->BeginTrans(GXLoadText(GX_IDS_PASTE));
    CGXLongOperation operation;
    operation.SetStatusText(GXLoadText(GX_IDS_PASTINGDATA));
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    const GXRollbackPossible rollbackPossible;
    pGrid->TransferCurrentCell(TRUE, 2, TRUE);

    BOOL bPasted = FALSE;
    try {
        const UINT nFlags = pGrid->m_nClipboardFlags;
        if (target.bottom > pGrid->GetRowCount() && (nFlags & CGXGridCore::gxClipNoNewRows) == 0)
            pGrid->SetRowCount(target.bottom, 2);
        if (target.right > pGrid->GetColCount() && (nFlags & CGXGridCore::gxClipNoNewCols) == 0)
            pGrid->SetColCount(target.right, 2);
        target.bottom = std::min(target.bottom, pGrid->GetRowCount());
        target.right = std::min(target.right, pGrid->GetColCount());
        if (target.top <= target.bottom && target.left <= target.right) {
            CObArray array;
            StylesOfTarget(block, target, array);
            bPasted = pGrid->SetStyleRange(target, nullptr, CGXStyle::gxCopy, pGrid->m_nStyleKind, &array, 2,
                                           CGXGridCore::gxDo);
        }
    } catch (...) {
        pGrid->Rollback();
        throw;
    }
    if (!bPasted || settings.m_bRollbackRequested)
        pGrid->Rollback();
    else
        pGrid->CommitTrans();
    return bPasted;
}
