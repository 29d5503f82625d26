// The data copy/move module (see GXDataCopyMoveCellsImp.h).
#include "grid/ops/GXDataCopyMoveCellsImp.h"

#include "grid/engine/GXData.h"
#include "grid/engine/GXStyle.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CGXDataUndoMoveCellsInfo, CObject)

namespace {

// Row and column numbers from this one on are beyond any array (the cell data's limit).
const ROWCOL kBeyondArrays = 0x7FFFFFFF;

// range as a cells range: whole rows, columns or the table stand for their cells up to the counts.
CGXCellRange CellsOf(const CGXData& data, const CGXCellRange& range)
{
    CGXCellRange cells(range);
    cells.ExpandToCells(0, 0, data.GetRowCount(), data.GetColCount());
    return cells;
}

// The block of range's size at (nRow, nCol) must lie within the arrays' reach; refused before anything
// changes, as the cell data refuses such a store.
void CheckTarget(const CGXCellRange& range, ROWCOL nRow, ROWCOL nCol)
{
    const uint64_t nLastRow = uint64_t(nRow) + (range.bottom - range.top);
    const uint64_t nLastCol = uint64_t(nCol) + (range.right - range.left);
    if (nLastRow >= kBeyondArrays || nLastCol >= kBeyondArrays || range.bottom >= kBeyondArrays ||
        range.right >= kBeyondArrays)
        AfxThrowMemoryException();
}

// The style at column nCol of pRow (null: none there).
CGXStyle* StyleAt(const CGXStylePtrArray* pRow, ROWCOL nCol)
{
    return pRow != nullptr ? pRow->GetStyle(int32_t(nCol)) : nullptr;
}

// Takes the style at (nRow, nCol) out of the cell array: its entry becomes null, nothing is deleted.
CGXStyle* TakeStyle(CGXData& data, ROWCOL nRow, ROWCOL nCol)
{
    CGXStylePtrArray* pRow = data.GetCellStyles().GetRow(int32_t(nRow));
    CGXStyle* pStyle = StyleAt(pRow, nCol);
    if (pStyle != nullptr)
        pRow->SetAt(int32_t(nCol), nullptr);
    return pStyle;
}

// Puts pStyle (owned from now on; not null) at (nRow, nCol): the cell array grows to the row count + 1
// entries (or to the row), the row array to the column count + 1 (or to the column); a style stored
// there is deleted.
void PutStyle(CGXData& data, ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle)
{
    CGXStylePtrArrayPtrArray& cells = data.GetCellStyles();
    if (int32_t(nRow) >= cells.GetSize())
        cells.SetSize(int32_t(std::max<uint64_t>(uint64_t(data.GetRowCount()) + 1, uint64_t(nRow) + 1)));
    CGXStylePtrArray* pRow = cells.EnsureRow(int32_t(nRow));
    if (int32_t(nCol) >= pRow->GetSize())
        pRow->SetSize(int32_t(std::max<uint64_t>(uint64_t(data.GetColCount()) + 1, uint64_t(nCol) + 1)));
    pRow->SetStyle(int32_t(nCol), pStyle);
}

// The order that reads every source line before a target line overwrites it: from the far end when
// the target lies after the source.
std::vector<ROWCOL> WalkOrder(ROWCOL nFirst, ROWCOL nLast, BOOL bBackwards)
{
    std::vector<ROWCOL> order;
    order.reserve(nLast - nFirst + 1);
    for (uint64_t n = nFirst; n <= nLast; ++n)
        order.push_back(ROWCOL(n));
    if (bBackwards)
        std::reverse(order.begin(), order.end());
    return order;
}

}  // namespace

CGXDataUndoMoveCellsInfo::~CGXDataUndoMoveCellsInfo()
{
    while (SavedCell* pCell = m_pHead) {
        m_pHead = pCell->pNext;
        delete pCell->pStyle;
        delete pCell;
    }
}

CGXAbstractDataCopyMoveCellsImp* GXCreateDataCopyMoveCellsImp()
{
    return new CGXDataCopyMoveCellsImp;
}

BOOL CGXDataCopyMoveCellsImp::CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol)
{
    const CGXCellRange source = CellsOf(data, range);
    CheckTarget(source, nDestRow, nDestCol);
    CGXStylePtrArrayPtrArray& cells = data.GetCellStyles();
    // an overlapping copy is walked away from the overlap, so each source cell is read before its
    // place is written
    const std::vector<ROWCOL> rows = WalkOrder(source.top, source.bottom, nDestRow > source.top);
    const std::vector<ROWCOL> cols = WalkOrder(source.left, source.right, nDestCol > source.left);
    for (ROWCOL nRow : rows) {
        const ROWCOL nTargetRow = nDestRow + (nRow - source.top);
        const CGXStylePtrArray* pSourceRow = cells.GetRow(int32_t(nRow));
        const BOOL bHolds =
            std::any_of(cols.begin(), cols.end(), [&](ROWCOL nCol) { return StyleAt(pSourceRow, nCol) != nullptr; });
        CGXStylePtrArray* pTargetRow = cells.GetRow(int32_t(nTargetRow));
        if (!bHolds && pTargetRow == nullptr)
            continue;  // nothing to copy and nothing to clear
        for (ROWCOL nCol : cols) {
            const ROWCOL nTargetCol = nDestCol + (nCol - source.left);
            const CGXStyle* pSource = StyleAt(pSourceRow, nCol);
            if (pSource != nullptr)
                PutStyle(data, nTargetRow, nTargetCol, pSource->Clone());
            else if (pTargetRow != nullptr && int32_t(nTargetCol) < pTargetRow->GetSize())
                pTargetRow->SetStyle(int32_t(nTargetCol), nullptr);
            pTargetRow = cells.GetRow(int32_t(nTargetRow));
        }
    }
    return TRUE;
}

BOOL CGXDataCopyMoveCellsImp::MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                                        CObject*& rpUndoInfo, BOOL bCreateUndoInfo)
{
    const CGXCellRange source = CellsOf(data, range);
    CheckTarget(source, nDestRow, nDestCol);
    auto* pGiven = dynamic_cast<CGXDataUndoMoveCellsInfo*>(rpUndoInfo);

    // First the source's styles leave their cells, each noted with where it came from and goes
    struct Taken {
        ROWCOL nRow, nCol, nTargetRow, nTargetCol;
        CGXStyle* pStyle;
    };
    std::vector<Taken> taken;
    try {
        for (uint64_t nRow = source.top; nRow <= source.bottom; ++nRow) {
            const CGXStylePtrArray* pRow = data.GetCellStyles().GetRow(int32_t(nRow));
            for (uint64_t nCol = source.left; pRow != nullptr && nCol <= source.right && nCol < uint64_t(pRow->GetSize());
                 ++nCol) {
                CGXStyle* pStyle = StyleAt(pRow, ROWCOL(nCol));
                if (pStyle == nullptr)
                    continue;
                AfxAllocating([&] {
                    taken.push_back({ROWCOL(nRow), ROWCOL(nCol), ROWCOL(nDestRow + (nRow - source.top)),
                                     ROWCOL(nDestCol + (nCol - source.left)), pStyle});
                });
                TakeStyle(data, ROWCOL(nRow), ROWCOL(nCol));
            }
        }
    } catch (...) {
        for (const Taken& t : taken)
            PutStyle(data, t.nRow, t.nCol, t.pStyle);
        throw;
    }

    // then the target block is emptied: what it held is kept for the undo or deleted
    CGXDataUndoMoveCellsInfo::SavedCell* pSaved = nullptr;
    const uint64_t nLastCol = uint64_t(nDestCol) + (source.right - source.left);
    for (uint64_t nRow = nDestRow; nRow <= uint64_t(nDestRow) + (source.bottom - source.top); ++nRow) {
        const CGXStylePtrArray* pRow = data.GetCellStyles().GetRow(int32_t(nRow));
        for (uint64_t nCol = nDestCol; pRow != nullptr && nCol <= nLastCol && nCol < uint64_t(pRow->GetSize()); ++nCol) {
            CGXStyle* pStyle = TakeStyle(data, ROWCOL(nRow), ROWCOL(nCol));
            if (pStyle == nullptr)
                continue;
            if (bCreateUndoInfo)
                pSaved = new CGXDataUndoMoveCellsInfo::SavedCell{pSaved, ROWCOL(nRow), ROWCOL(nCol), pStyle};
            else
                delete pStyle;
        }
    }

    // the taken styles go to their target cells
    for (const Taken& t : taken)
        PutStyle(data, t.nTargetRow, t.nTargetCol, t.pStyle);

    // an undo's record puts back what the first move overwrote
    if (pGiven != nullptr) {
        while (CGXDataUndoMoveCellsInfo::SavedCell* pCell = pGiven->m_pHead) {
            pGiven->m_pHead = pCell->pNext;
            PutStyle(data, pCell->nRow, pCell->nCol, pCell->pStyle);
            delete pCell;
        }
    }

    // and the new record keeps what this move overwrote
    if (bCreateUndoInfo) {
        if (rpUndoInfo == nullptr)
            rpUndoInfo = pGiven = new CGXDataUndoMoveCellsInfo;
        if (pGiven != nullptr) {
            pGiven->m_pHead = pSaved;
        } else {
            // a record of another kind cannot take it
            CGXDataUndoMoveCellsInfo orphan;
            orphan.m_pHead = pSaved;
        }
    }
    return TRUE;
}
