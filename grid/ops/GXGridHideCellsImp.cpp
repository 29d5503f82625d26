// CGXGridHideCellsImp (see GXGridHideCellsImp.h).
#include "grid/ops/GXGridHideCellsImp.h"

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXLongOperation.h"
#include "grid/engine/GXProperties.h"
#include "grid/ops/GXCommandFactory.h"

#include <algorithm>
#include <memory>

CGXAbstractGridHideCellsImp* GXCreateHideCellsImp()
{
    return new CGXGridHideCellsImp;
}

namespace {

uint64_t BitCount(const std::vector<BYTE>& bits)
{
    return uint64_t(bits.size()) * 8;
}

BOOL ReadBit(const std::vector<BYTE>& bits, uint64_t n)
{
    return n < BitCount(bits) && (bits[size_t(n / 8)] >> (n % 8) & 1) != 0;
}

void WriteBit(std::vector<BYTE>& bits, uint64_t n, BOOL bSet)
{
    if (n >= BitCount(bits)) {
        if (!bSet)
            return;
        AfxAllocating([&] { bits.resize(size_t(n / 8) + 1, 0); });
    }
    const BYTE mask = BYTE(1u << (n % 8));
    bits[size_t(n / 8)] = BYTE(bSet ? bits[size_t(n / 8)] | mask : bits[size_t(n / 8)] & ~mask);
}

// Drops the zero bytes at the end (a bit there reads 0 anyway).
void Trim(std::vector<BYTE>& bits)
{
    while (!bits.empty() && bits.back() == 0)
        bits.pop_back();
}

// The parameter's array of the rows (bRow) or columns; null without a parameter object.
std::vector<BYTE>* HiddenBits(CGXGridCore* pGrid, BOOL bRow)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return nullptr;
    return bRow ? &pParam->GetHiddenRows() : &pParam->GetHiddenCols();
}

BOOL IsHidden(CGXGridCore* pGrid, BOOL bRow, ROWCOL n)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    if (!pGrid->IsPrinting()) {
        // the header lines show in the first pane of their splitter row (column) only
        const int nPane = bRow ? pGrid->GetSplitterRow() : pGrid->GetSplitterCol();
        if (pGrid->GetSplitterWnd() != nullptr && nPane > 0 && n <= (bRow ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols()))
            return TRUE;
    } else if (n == 0) {
        if (const CGXProperties* pProperties = pParam->GetProperties();
            pProperties != nullptr && !(bRow ? pProperties->GetPrintRowHeaders() : pProperties->GetPrintColHeaders()))
            return TRUE;
    }
    return ReadBit(bRow ? pParam->GetHiddenRows() : pParam->GetHiddenCols(), n);
}

BOOL HideLines(CGXGridCore* pGrid, BOOL bRow, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide, UINT nFlags,
               int nCommandType)
{
    if (nTo == 0)
        nTo = nFrom;
    if (nTo < nFrom)
        AfxThrowInvalidArgFormat("CGXGridCore::Hide%s: the last %lu is before the first %lu", bRow ? "Rows" : "Cols",
                                 static_cast<unsigned long>(nTo), static_cast<unsigned long>(nFrom));
    std::vector<BYTE>* pBits = HiddenBits(pGrid, bRow);
    if (pBits == nullptr)
        return FALSE;
    const uint64_t nCount = uint64_t(nTo - nFrom) + 1;
    std::unique_ptr<int[]> anOldSizes, anOldHidden;
    AfxAllocating([&] {
        anOldSizes.reset(new int[nCount]);
        anOldHidden.reset(new int[nCount]);
    });
    bRow ? pGrid->GetRowHeights(nFrom, nTo, anOldSizes.get()) : pGrid->GetColWidths(nFrom, nTo, anOldSizes.get());

    BOOL bChanged = FALSE;
    {
        CGXLongOperation operation;
        for (uint64_t i = 0; i < nCount; ++i) {
            const ROWCOL n = nFrom + ROWCOL(i);
            anOldHidden[i] = ReadBit(*pBits, n);
            const BOOL bNew = anHide != nullptr ? anHide[i] != 0 : bHide;
            bRow ? pGrid->StoreHideRow(n, bNew) : pGrid->StoreHideCol(n, bNew);
            bChanged |= (ReadBit(*pBits, n) != 0) != (anOldHidden[i] != 0);
            if (operation.StepProgress(i + 1, nCount)) {
                // the lines done so far stay changed: they are shown and recorded below
                nTo = n;
                break;
            }
        }
    }
    if (!bChanged)
        return FALSE;

    const CGXCellRange lines = bRow ? CGXCellRange().SetRows(nFrom, nTo) : CGXCellRange().SetCols(nFrom, nTo);
    pGrid->DelayFloatCells(lines);
    pGrid->DelayMergeCells(lines);
    if (bRow)
        pGrid->OnRowHeightChanged(nFrom, nTo, anOldSizes.get(), nFlags, TRUE);
    else
        pGrid->OnColWidthChanged(nFrom, nTo, anOldSizes.get(), nFlags, TRUE);

    CGXAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
    if (pFactory != nullptr && nCommandType != CGXGridCore::gxRollback && pGrid->GetParam()->IsEnableUndo()) {
        CGXCommand* pCommand = bRow ? pFactory->CreateHideRowsCmd(nFrom, nTo, anOldHidden.get())
                                    : pFactory->CreateHideColsCmd(nFrom, nTo, anOldHidden.get());
        anOldHidden.release();
        pGrid->AddCommand(pCommand, nCommandType);
        if (nCommandType == CGXGridCore::gxUndo || nCommandType == CGXGridCore::gxRedo)
            pGrid->MoveCurrentCellAfterUndo(bRow ? nFrom : pGrid->GetTopRow(), bRow ? pGrid->GetLeftCol() : nFrom, 0);
    }
    return TRUE;
}

}  // namespace

// ---- the bit arrays -------------------------------------------------------------------------------------

BOOL CGXGridHideCellsImp::SetHiddenBit(std::vector<BYTE>& bits, ROWCOL nBit, BOOL bSet)
{
    WriteBit(bits, nBit, bSet);
    Trim(bits);
    return TRUE;
}

BOOL CGXGridHideCellsImp::GetHiddenBit(const std::vector<BYTE>& bits, ROWCOL nBit)
{
    return ReadBit(bits, nBit);
}

void CGXGridHideCellsImp::DeleteHiddenBits(std::vector<BYTE>& bits, ROWCOL nFirst, ROWCOL nLast)
{
    const uint64_t nTotal = BitCount(bits);
    if (nLast < nFirst || nFirst >= nTotal)
        return;
    const uint64_t nCount = uint64_t(nLast - nFirst) + 1;
    for (uint64_t n = nFirst; n < nTotal; ++n)
        WriteBit(bits, n, n + nCount < nTotal && ReadBit(bits, n + nCount));
    Trim(bits);
}

void CGXGridHideCellsImp::InsertHiddenBits(std::vector<BYTE>& bits, ROWCOL nPos, ROWCOL nCount)
{
    const uint64_t nTotal = BitCount(bits);
    if (nCount == 0 || nPos >= nTotal)
        return;
    // from the end down, so that no bit is read after it was overwritten
    for (uint64_t n = nTotal; n-- > nPos;) {
        const BOOL bSet = ReadBit(bits, n);
        WriteBit(bits, n, FALSE);
        WriteBit(bits, n + nCount, bSet);
    }
    Trim(bits);
}

void CGXGridHideCellsImp::MoveHiddenBits(std::vector<BYTE>& bits, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    if (nDest == nFirst || nLast < nFirst)
        return;
    const ROWCOL nCount = nLast - nFirst + 1;
    std::vector<BOOL> run;
    for (uint64_t n = nFirst; n <= nLast && n < BitCount(bits); ++n)
        run.push_back(ReadBit(bits, n));
    DeleteHiddenBits(bits, nFirst, nLast);
    InsertHiddenBits(bits, nDest, nCount);
    for (size_t i = 0; i < run.size(); ++i)
        if (run[i])
            WriteBit(bits, nDest + uint64_t(i), TRUE);
    Trim(bits);
}

// ---- the marks follow the lines ----------------------------------------------------------------------

void CGXGridHideCellsImp::RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, TRUE))
        DeleteHiddenBits(*pBits, nFrom, nTo);
}

void CGXGridHideCellsImp::RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, FALSE))
        DeleteHiddenBits(*pBits, nFrom, nTo);
}

void CGXGridHideCellsImp::InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, TRUE))
        InsertHiddenBits(*pBits, nFirst, nCount);
}

void CGXGridHideCellsImp::InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, FALSE))
        InsertHiddenBits(*pBits, nFirst, nCount);
}

void CGXGridHideCellsImp::MoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, TRUE))
        MoveHiddenBits(*pBits, nFrom, nTo, nDest);
}

void CGXGridHideCellsImp::MoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, FALSE))
        MoveHiddenBits(*pBits, nFrom, nTo, nDest);
}

// ---- hiding and showing ----------------------------------------------------------------------------

BOOL CGXGridHideCellsImp::HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide,
                                   UINT nFlags, int nCommandType)
{
    return HideLines(pGrid, TRUE, nFrom, nTo, bHide, anHide, nFlags, nCommandType);
}

BOOL CGXGridHideCellsImp::HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, const int* anHide,
                                   UINT nFlags, int nCommandType)
{
    return HideLines(pGrid, FALSE, nFrom, nTo, bHide, anHide, nFlags, nCommandType);
}

BOOL CGXGridHideCellsImp::IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow)
{
    return IsHidden(pGrid, TRUE, nRow);
}

BOOL CGXGridHideCellsImp::IsColHidden(CGXGridCore* pGrid, ROWCOL nCol)
{
    return IsHidden(pGrid, FALSE, nCol);
}

BOOL CGXGridHideCellsImp::StoreRowHidden(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, TRUE))
        SetHiddenBit(*pBits, nRow, bHide);
    return TRUE;
}

BOOL CGXGridHideCellsImp::StoreColHidden(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide)
{
    if (std::vector<BYTE>* pBits = HiddenBits(pGrid, FALSE))
        SetHiddenBit(*pBits, nCol, bHide);
    return TRUE;
}
