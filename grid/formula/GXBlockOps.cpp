// Structural changes of a sheet: block clear, move and copy, row and column insert, remove and move,
// reordering after a sort, and putting saved cells back.
#include "grid/formula/GXBlockOps.h"

#include "grid/formula/GXCellPool.h"
#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineState.h"

#include "core/CException.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

namespace {

// Keeps the pools locked and marks the sheet dirty while an operation runs; with bStructure also the
// engine's structural-change flag.
class OperationScope {
public:
    OperationScope(SheetHandle h, EngineSheet& sheet, bool bStructure)
        : m_lock(h), m_bOldStructure(EngineState().m_bStructureChanging), m_bStructure(bStructure)
    {
        sheet.bDirty = true;
        if (bStructure)
            EngineState().m_bStructureChanging = true;
    }
    ~OperationScope()
    {
        if (m_bStructure)
            EngineState().m_bStructureChanging = m_bOldStructure;
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    EnginePoolLock m_lock;
    bool m_bOldStructure;
    bool m_bStructure;
};

void CheckBlock(const char* pszFunction, const CellRangeRef& ref)
{
    if (!ref.IsValid())
        AfxThrowInvalidArgFormat("%s: the block (rows %d to %d, columns %d to %d) is not on the sheet", pszFunction,
                                 ref.Top(), ref.Bottom(), ref.Left(), ref.Right());
}

void CheckPosition(const char* pszFunction, int32_t nRow, int32_t nCol)
{
    if (!EngineIsValidPosition(nRow, nCol))
        AfxThrowInvalidArgFormat("%s: row %d, column %d is off the sheet", pszFunction, nRow, nCol);
}

void CheckLine(const char* pszFunction, bool bRows, int32_t n)
{
    if (bRows ? n < 1 || n > kEngineMaxRow : n < 0 || n > kEngineMaxCol)
        AfxThrowInvalidArgFormat("%s: %s %d is off the sheet", pszFunction, bRows ? "row" : "column", n);
}

CellRangeRef Block(int32_t nTop, int32_t nLeft, int32_t nBottom, int32_t nRight)
{
    return EngineMakeReference(nTop, nLeft, nBottom, nRight, 0);
}

// The block of whole rows (bRows) or columns nFirst..nLast.
CellRangeRef Lines(bool bRows, int32_t nFirst, int32_t nLast)
{
    return bRows ? Block(nFirst, 0, nLast, kEngineMaxCol) : Block(1, nFirst, kEngineMaxRow, nLast);
}

bool Inside(const CellRangeRef& block, int32_t nRow, int32_t nCol)
{
    return nRow >= block.Top() && nRow <= block.Bottom() && nCol >= block.Left() && nCol <= block.Right();
}

bool InsideRef(const CellRangeRef& outer, const CellRangeRef& inner)
{
    return Inside(outer, inner.Top(), inner.Left()) && Inside(outer, inner.Bottom(), inner.Right());
}

std::vector<EngineCell*> CellsIn(SheetHandle h, const CellRangeRef& block, uint32_t nPoolMask)
{
    std::vector<EngineCell*> cells;
    EngineRangeCells walk(h, block, nPoolMask);
    while (EngineCell* pCell = walk.Next())
        AfxAllocating([&] { cells.push_back(pCell); });
    return cells;
}

// The linked cells of the general and formula pools that hold a formula.
std::vector<EngineCell*> FormulaCells(EngineSheet& sheet)
{
    std::vector<EngineCell*> cells;
    for (int32_t nPool : {kGeneralPool, kFormulaPool}) {
        EnginePoolCells walk(sheet.pools[nPool]);
        while (EngineCell* pCell = walk.Next()) {
            if (pCell->IsLinked() && pCell->pFormula != nullptr)
                AfxAllocating([&] { cells.push_back(pCell); });
        }
    }
    return cells;
}

void Record(EngineSheet& sheet, EngineCell* pSaved)
{
    pSaved->pNext = sheet.pRecordedCells;
    sheet.pRecordedCells = pSaved;
}

// Records a copy of pCell as it is now.
void RecordCopy(EngineSheet& sheet, const EngineCell* pCell)
{
    Record(sheet, EngineCopyCell(nullptr, pCell));
}

// An unlinked cell the operation drops: moved into a saved cell of the recorded list when the sheet
// records undo (with bForceRecord too), else freed.
void Drop(EngineSheet& sheet, EngineCell* pCell, bool bForceRecord = false)
{
    if (!sheet.bRecordUndo && !bForceRecord) {
        EngineFreeCell(pCell);
        return;
    }
    EngineCell* pSaved = nullptr;
    try {
        pSaved = EngineAllocCell(nullptr);
    } catch (CException*) {
        EngineFreeCell(pCell);
        throw;
    }
    const uint32_t nOwnFlags = pSaved->nFlags & kCellSlotMask;
    pSaved->nRow = pCell->nRow;
    pSaved->nCol = pCell->nCol;
    std::memcpy(&pSaved->value, &pCell->value, sizeof pCell->value);
    pSaved->pFormula = pCell->pFormula;
    pSaved->nGeneration = pCell->nGeneration;
    pSaved->nFlags = (pCell->nFlags & ~(kCellSlotMask | kCellLinked)) | nOwnFlags;
    pSaved->pStyle = pCell->pStyle;
    // the contents now belong to the saved cell: the pool cell goes empty
    std::memset(&pCell->value, 0, sizeof pCell->value);
    pCell->SetValueKind(kValueEmpty);
    pCell->pFormula = nullptr;
    pCell->pStyle = nullptr;
    EngineReleaseCellSlot(pCell);
    Record(sheet, pSaved);
}

// Unlinks pCell and, with the placeholder switch on, leaves a changed placeholder in its place.
void UnlinkLeavingPlaceholder(SheetHandle h, EngineSheet& sheet, EngineCell* pCell)
{
    EngineUnlinkCell(h, pCell);
    if (sheet.bPlaceholders && pCell->Type() != kCellPlaceholder) {
        if (EngineCell* pMarker = EnginePlaceholder(h, pCell->nRow, pCell->nCol))
            pMarker->nFlags |= kCellChanged;
    }
}

// Links pCell at (nRow, nCol), removing the cell there (dropped as by the operation); a place off the
// sheet drops pCell itself.
void Place(SheetHandle h, EngineSheet& sheet, EngineCell* pCell, int32_t nRow, int32_t nCol)
{
    if (!EngineIsValidPosition(nRow, nCol)) {
        Drop(sheet, pCell);
        return;
    }
    if (EngineCell* pThere = EngineFindCell(h, nRow, nCol)) {
        EngineUnlinkCell(h, pThere);
        Drop(sheet, pThere);
    }
    pCell->nRow = nRow;
    pCell->nCol = nCol;
    EngineLinkCell(h, pCell);
}

// Gives each cell and range item of pFormula to adjust(ref), which returns whether it changed the
// reference. A changed reference is normalised, or becomes the broken-reference operator when it
// left the sheet. Returns whether anything changed.
template <class Adjust>
bool AdjustReferences(CompiledFormula* pFormula, Adjust adjust)
{
    bool bChanged = false;
    for (int16_t i = 0; pFormula != nullptr && i < pFormula->nItems; i++) {
        FormulaItem& item = pFormula->pItems[i];
        if (item.nKind != kItemCell && item.nKind != kItemRange)
            continue;
        if (item.u.ref.IsBroken() || !adjust(item.u.ref))
            continue;
        bChanged = true;
        if (item.u.ref.IsValid()) {
            EngineNormalizeReference(&item.u.ref);
        } else {
            item.nKind = kItemOperator;
            item.u.nOperator = kOpBrokenRef;
        }
    }
    return bChanged;
}

// True when some cell or range reference of pFormula satisfies test.
template <class Test>
bool AnyReference(const CompiledFormula* pFormula, Test test)
{
    for (int16_t i = 0; pFormula != nullptr && i < pFormula->nItems; i++) {
        const FormulaItem& item = pFormula->pItems[i];
        if ((item.nKind == kItemCell || item.nKind == kItemRange) && !item.u.ref.IsBroken() && test(item.u.ref))
            return true;
    }
    return false;
}

// Rewrites the references of every formula cell by adjust (see AdjustReferences); with recording on,
// a copy of each cell whose formula changes, or whose references satisfy alsoRecord, is recorded
// first. Changed formulas are flagged for recalculation and their cells as changed.
template <class Adjust, class AlsoRecord>
void RewriteFormulas(EngineSheet& sheet, const std::vector<EngineCell*>& cells, Adjust adjust, AlsoRecord alsoRecord)
{
    for (EngineCell* pCell : cells) {
        CompiledFormula* pFormula = pCell->pFormula;
        bool bRewrites = false;
        AnyReference(pFormula, [&](const CellRangeRef& ref) {
            CellRangeRef probe = ref;
            bRewrites = adjust(probe);
            return bRewrites;
        });
        const bool bMeets = !bRewrites && AnyReference(pFormula, alsoRecord);
        if (!bRewrites && !bMeets)
            continue;
        if (sheet.bRecordUndo)
            RecordCopy(sheet, pCell);
        pCell->nFlags |= kCellChanged;
        if (bRewrites) {
            AdjustReferences(pFormula, adjust);
            pCell->nFlags |= kCellNeedsRecalc;
            pCell->nFlags &= ~kCellEvaluated;
        }
    }
}

void ShiftRef(CellRangeRef& ref, int32_t nRows, int32_t nCols)
{
    ref.SetTop(ref.Top() + nRows);
    ref.SetBottom(ref.Bottom() + nRows);
    ref.SetLeft(ref.Left() + nCols);
    ref.SetRight(ref.Right() + nCols);
}

// Moves the corners of the named ranges of sheet by move(row, col) -> whether it moved them.
template <class MoveCorner>
void MoveNames(EngineSheet& sheet, MoveCorner moveCorner)
{
    for (RangeName* pName = sheet.pNames; pName != nullptr; pName = pName->pNext) {
        CellRangeRef& ref = pName->ref;
        int32_t nTop = ref.Top(), nLeft = ref.Left(), nBottom = ref.Bottom(), nRight = ref.Right();
        const bool bFirst = moveCorner(nTop, nLeft);
        const bool bSecond = moveCorner(nBottom, nRight);
        if (!bFirst && !bSecond)
            continue;
        ref.SetTop(nTop);
        ref.SetLeft(nLeft);
        ref.SetBottom(nBottom);
        ref.SetRight(nRight);
        EngineNormalizeReference(&ref);
        sheet.bDirty = true;
    }
}

CellPool* PoolFor(EngineSheet& sheet, uint32_t nType)
{
    return &sheet.pools[nType == kCellPlaceholder ? kPlaceholderPool
                         : nType == kCellFormula  ? kFormulaPool
                                                  : kGeneralPool];
}

void ClearBlock(SheetHandle h, EngineSheet& sheet, const CellRangeRef& block, bool bForceRecord)
{
    if (!sheet.bAreaValid ||
        !EngineReferencesIntersect(block, Block(sheet.nTop, sheet.nLeft, sheet.nBottom, sheet.nRight)))
        return;
    for (EngineCell* pCell : CellsIn(h, block, kGeneralPoolBit | kFormulaPoolBit)) {
        UnlinkLeavingPlaceholder(h, sheet, pCell);
        Drop(sheet, pCell, bForceRecord);
    }
    EngineAddRecalcRange(h, block);
    if (sheet.bRecordUndo || bForceRecord) {
        sheet.recordedRange = block;
        sheet.bRangeRecorded = true;
    }
}

// The row (column) a line moved by a move of lines nFirst..nLast to nDest goes to.
int32_t MovedLine(int32_t n, int32_t nFirst, int32_t nLast, int32_t nDest)
{
    const int32_t nLength = nLast - nFirst + 1;
    if (n >= nFirst && n <= nLast)
        return n + (nDest - nFirst);
    if (nDest < nFirst && n >= nDest && n <= nFirst - 1)
        return n + nLength;
    if (nDest > nFirst && n >= nLast + 1 && n <= nDest + (nLast - nFirst))
        return n - nLength;
    return n;
}

}  // namespace

CellRangeRef EngineDestinationBlock(const CellRangeRef& source, int32_t nDestRow, int32_t nDestCol)
{
    return Block(nDestRow, nDestCol, std::min(nDestRow + source.Bottom() - source.Top(), kEngineMaxRow),
                 std::min(nDestCol + source.Right() - source.Left(), kEngineMaxCol));
}

void EngineClearBlock(SheetHandle h, const CellRangeRef& block)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineClearBlock");
    CheckBlock("EngineClearBlock", block);
    const OperationScope scope(h, sheet, false);
    ClearBlock(h, sheet, block, false);
}

void EngineMoveBlock(SheetHandle h, const CellRangeRef& source, int32_t nDestRow, int32_t nDestCol, bool bKeepNames)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineMoveBlock");
    CheckBlock("EngineMoveBlock", source);
    CheckPosition("EngineMoveBlock", nDestRow, nDestCol);
    const OperationScope scope(h, sheet, false);
    const int32_t nRows = nDestRow - source.Top();
    const int32_t nCols = nDestCol - source.Left();
    const CellRangeRef dest = EngineDestinationBlock(source, nDestRow, nDestCol);

    if (!bKeepNames) {
        MoveNames(sheet, [&](int32_t& nRow, int32_t& nCol) {
            if (!Inside(source, nRow, nCol))
                return false;
            nRow = std::clamp(nRow + nRows, 1, kEngineMaxRow);
            nCol = std::min(nCol + nCols, kEngineMaxCol);
            return true;
        });
    }

    const std::vector<EngineCell*> moving = CellsIn(h, source, kAllPoolBits);
    std::vector<EngineCell*> overwritten = CellsIn(h, dest, kAllPoolBits);
    overwritten.erase(std::remove_if(overwritten.begin(), overwritten.end(),
                                     [&](const EngineCell* p) { return Inside(source, p->nRow, p->nCol); }),
                      overwritten.end());
    for (EngineCell* pCell : overwritten)
        EngineUnlinkCell(h, pCell);

    RewriteFormulas(
        sheet, FormulaCells(sheet),
        [&](CellRangeRef& ref) {
            if (!InsideRef(source, ref))
                return false;
            ShiftRef(ref, nRows, nCols);
            return true;
        },
        [&](const CellRangeRef& ref) {
            return Inside(dest, ref.Top(), ref.Left()) || Inside(dest, ref.Bottom(), ref.Right());
        });

    for (EngineCell* pCell : moving) {
        if (Inside(dest, pCell->nRow, pCell->nCol))
            EngineUnlinkCell(h, pCell);
        else
            UnlinkLeavingPlaceholder(h, sheet, pCell);
    }
    for (EngineCell* pCell : overwritten)
        Drop(sheet, pCell);
    for (EngineCell* pCell : moving)
        Place(h, sheet, pCell, pCell->nRow + nRows, pCell->nCol + nCols);
}

void EngineCopyBlock(SheetHandle h, const CellRangeRef& source, int32_t nDestRow, int32_t nDestCol)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineCopyBlock");
    CheckBlock("EngineCopyBlock", source);
    CheckPosition("EngineCopyBlock", nDestRow, nDestCol);
    const OperationScope scope(h, sheet, false);
    const int32_t nRows = nDestRow - source.Top();
    const int32_t nCols = nDestCol - source.Left();
    const CellRangeRef dest = EngineDestinationBlock(source, nDestRow, nDestCol);

    std::vector<EngineCell*> copies;
    try {
        for (const EngineCell* pCell : CellsIn(h, source, kAllPoolBits)) {
            if (!EngineIsValidPosition(pCell->nRow + nRows, pCell->nCol + nCols))
                continue;  // would land off the sheet
            AfxAllocating([&] { copies.reserve(copies.size() + 1); });
            EngineCell* pCopy = EngineCopyCell(PoolFor(sheet, pCell->Type()), pCell);
            copies.push_back(pCopy);
            pCopy->nRow += nRows;
            pCopy->nCol += nCols;
            pCopy->nFlags |= kCellChanged;
            const bool bMoved = AdjustReferences(pCopy->pFormula, [&](CellRangeRef& ref) {
                const uint32_t n = ref.nColumns;
                ref.SetTop(ref.Top() + ((n & CellRangeRef::kAbsRow1) ? 0 : nRows));
                ref.SetLeft(ref.Left() + ((n & CellRangeRef::kAbsCol1) ? 0 : nCols));
                ref.SetBottom(ref.Bottom() + ((n & CellRangeRef::kAbsRow2) ? 0 : nRows));
                ref.SetRight(ref.Right() + ((n & CellRangeRef::kAbsCol2) ? 0 : nCols));
                return true;
            });
            if (bMoved || pCopy->Type() == kCellFormula) {
                pCopy->nFlags |= kCellNeedsRecalc;
                pCopy->nFlags &= ~kCellEvaluated;
            }
        }
    } catch (CException*) {
        for (EngineCell* pCopy : copies)
            EngineFreeCell(pCopy);
        throw;
    }

    for (EngineCell* pCell : CellsIn(h, dest, kAllPoolBits)) {
        EngineUnlinkCell(h, pCell);
        Drop(sheet, pCell);
    }
    for (EngineCell* pCopy : copies)
        Place(h, sheet, pCopy, pCopy->nRow, pCopy->nCol);
    if (sheet.bRecordUndo) {
        sheet.recordedRange = dest;
        sheet.bRangeRecorded = true;
    }
}

namespace {

void InsertLines(SheetHandle h, const char* pszFunction, bool bRows, int32_t nAt, int32_t nCount)
{
    EngineSheet& sheet = EngineSheetOf(h, pszFunction);
    CheckLine(pszFunction, bRows, nAt);
    if (nCount <= 0)
        return;
    const OperationScope scope(h, sheet, true);
    const int32_t nMax = bRows ? kEngineMaxRow : kEngineMaxCol;
    const CellRangeRef band = Lines(bRows, nAt, nMax);
    if (nCount <= nMax - nAt) {
        EngineMoveBlock(h, band, bRows ? nAt + nCount : 1, bRows ? 0 : nAt + nCount, false);
        return;
    }
    // everything from nAt on leaves the sheet: its cells go, references into it break
    MoveNames(sheet, [&](int32_t& nRow, int32_t& nCol) {
        int32_t& n = bRows ? nRow : nCol;
        if (n < nAt)
            return false;
        n = nMax;
        return true;
    });
    RewriteFormulas(
        sheet, FormulaCells(sheet),
        [&](CellRangeRef& ref) {
            if (!InsideRef(band, ref))
                return false;
            bRows ? ShiftRef(ref, nMax, 0) : ShiftRef(ref, 0, nMax);
            return true;
        },
        [](const CellRangeRef&) { return false; });
    for (EngineCell* pCell : CellsIn(h, band, kAllPoolBits)) {
        EngineUnlinkCell(h, pCell);
        Drop(sheet, pCell);
    }
}

void RemoveLines(SheetHandle h, const char* pszFunction, bool bRows, int32_t nAt, int32_t nCount)
{
    EngineSheet& sheet = EngineSheetOf(h, pszFunction);
    CheckLine(pszFunction, bRows, nAt);
    if (nCount <= 0)
        return;
    const int32_t nMax = bRows ? kEngineMaxRow : kEngineMaxCol;
    const int32_t nBehind = nCount > nMax - nAt ? nMax + 1 : nAt + nCount;
    const OperationScope scope(h, sheet, true);
    ClearBlock(h, sheet, Lines(bRows, nAt, nBehind - 1 > nMax ? nMax : nBehind - 1), true);
    if (nBehind <= nMax)
        EngineMoveBlock(h, Lines(bRows, nBehind, nMax), bRows ? nAt : 1, bRows ? 0 : nAt, false);
}

}  // namespace

void EngineInsertRows(SheetHandle h, int32_t nRow, int32_t nCount)
{
    InsertLines(h, "EngineInsertRows", true, nRow, nCount);
}

void EngineInsertCols(SheetHandle h, int32_t nCol, int32_t nCount)
{
    InsertLines(h, "EngineInsertCols", false, nCol, nCount);
}

void EngineRemoveRows(SheetHandle h, int32_t nRow, int32_t nCount)
{
    RemoveLines(h, "EngineRemoveRows", true, nRow, nCount);
}

void EngineRemoveCols(SheetHandle h, int32_t nCol, int32_t nCount)
{
    RemoveLines(h, "EngineRemoveCols", false, nCol, nCount);
}

void EngineMoveRowsOrCols(SheetHandle h, bool bRows, int32_t nFirst, int32_t nLast, int32_t nDest)
{
    static const char* const kFunction = "EngineMoveRowsOrCols";
    EngineSheet& sheet = EngineSheetOf(h, kFunction);
    CheckLine(kFunction, bRows, nFirst);
    CheckLine(kFunction, bRows, nLast);
    CheckLine(kFunction, bRows, nDest);
    if (nFirst > nLast)
        AfxThrowInvalidArgFormat("%s: first line %d lies behind last line %d", kFunction, nFirst, nLast);
    const int32_t nMax = bRows ? kEngineMaxRow : kEngineMaxCol;
    if (nDest + (nLast - nFirst) > nMax)
        AfxThrowInvalidArgFormat("%s: lines %d to %d moved to %d leave the sheet", kFunction, nFirst, nLast, nDest);
    if (nDest == nFirst)
        return;
    const OperationScope scope(h, sheet, true);
    const int32_t nBandFirst = std::min(nFirst, nDest);
    const int32_t nBandLast = std::max(nLast, nLast + nDest - nFirst);
    const auto inBand = [&](int32_t n) { return n >= nBandFirst && n <= nBandLast; };
    const auto moved = [&](int32_t n) { return MovedLine(n, nFirst, nLast, nDest); };

    MoveNames(sheet, [&](int32_t& nRow, int32_t& nCol) {
        int32_t& n = bRows ? nRow : nCol;
        if (!inBand(n))
            return false;
        n = moved(n);
        return true;
    });
    const CellRangeRef band = Lines(bRows, nBandFirst, nBandLast);
    if (!sheet.bAreaValid || !EngineReferencesIntersect(band, Block(sheet.nTop, sheet.nLeft, sheet.nBottom, sheet.nRight)))
        return;

    // a reference follows its first corner; the second keeps the distance
    RewriteFormulas(
        sheet, FormulaCells(sheet),
        [&](CellRangeRef& ref) {
            const int32_t n1 = bRows ? ref.Top() : ref.Left();
            const int32_t n2 = bRows ? ref.Bottom() : ref.Right();
            if (!inBand(n1) && !inBand(n2))
                return false;
            const int32_t nBy = moved(n1) - n1;
            if (nBy == 0)
                return false;
            bRows ? ShiftRef(ref, nBy, 0) : ShiftRef(ref, 0, nBy);
            return true;
        },
        [](const CellRangeRef&) { return false; });

    const std::vector<EngineCell*> cells = CellsIn(h, band, kGeneralPoolBit | kFormulaPoolBit);
    for (EngineCell* pCell : cells)
        EngineUnlinkCell(h, pCell);
    for (EngineCell* pCell : cells) {
        if (bRows)
            Place(h, sheet, pCell, moved(pCell->nRow), pCell->nCol);
        else
            Place(h, sheet, pCell, pCell->nRow, moved(pCell->nCol));
    }
}

void EngineReorderAfterSort(SheetHandle h, bool bRows, const CellRangeRef& block, bool bWholeLines,
                            const std::vector<int32_t>& moveMap)
{
    static const char* const kFunction = "EngineReorderAfterSort";
    EngineSheet& sheet = EngineSheetOf(h, kFunction);
    CheckBlock(kFunction, block);
    const int32_t nFirst = bRows ? block.Top() : block.Left();
    const int32_t nCount = int32_t(moveMap.size());
    const int32_t nMax = bRows ? kEngineMaxRow : kEngineMaxCol;
    if (nCount > nMax - nFirst + 1)
        AfxThrowInvalidArgFormat("%s: %d lines from %d reach past the sheet", kFunction, nCount, nFirst);
    std::vector<int32_t> inverse;
    AfxAllocating([&] { inverse.assign(moveMap.size(), -1); });
    for (int32_t i = 0; i < nCount; i++) {
        const int32_t nFrom = moveMap[size_t(i)];
        if (nFrom < 0 || nFrom >= nCount || inverse[size_t(nFrom)] >= 0)
            AfxThrowInvalidArgFormat("%s: entry %d of the move map (%d) does not make an order", kFunction, i, nFrom);
        inverse[size_t(nFrom)] = i;
    }
    if (nCount == 0)
        return;
    const OperationScope scope(h, sheet, false);
    const int32_t nLast = nFirst + nCount - 1;
    // the sorted cells: the lines, and unless whole lines move, the block across them
    CellRangeRef sorted = bRows ? Block(nFirst, block.Left(), nLast, block.Right())
                                : Block(block.Top(), nFirst, block.Bottom(), nLast);
    if (bWholeLines)
        sorted = Lines(bRows, nFirst, nLast);
    const auto newLine = [&](int32_t n) { return nFirst + inverse[size_t(n - nFirst)]; };

    const std::vector<EngineCell*> cells = CellsIn(h, sorted, kGeneralPoolBit | kFormulaPoolBit);
    RewriteFormulas(
        sheet, FormulaCells(sheet),
        [&](CellRangeRef& ref) {
            const bool bOneLine = bRows ? ref.Top() == ref.Bottom() : ref.Left() == ref.Right();
            if (!bOneLine || !InsideRef(sorted, ref))
                return false;
            const int32_t n = bRows ? ref.Top() : ref.Left();
            const int32_t nBy = newLine(n) - n;
            if (nBy == 0)
                return false;
            bRows ? ShiftRef(ref, nBy, 0) : ShiftRef(ref, 0, nBy);
            return true;
        },
        [](const CellRangeRef&) { return false; });
    for (EngineCell* pCell : cells)
        EngineUnlinkCell(h, pCell);
    for (EngineCell* pCell : cells) {
        if (bRows)
            Place(h, sheet, pCell, newLine(pCell->nRow), pCell->nCol);
        else
            Place(h, sheet, pCell, pCell->nRow, newLine(pCell->nCol));
    }
}

void EngineRestoreCells(SheetHandle h, const EngineCell* pSaved)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineRestoreCells");
    std::vector<const EngineCell*> saved;
    for (const EngineCell* p = pSaved; p != nullptr; p = p->pNext)
        AfxAllocating([&] { saved.push_back(p); });
    const OperationScope scope(h, sheet, false);
    std::set<std::pair<int32_t, int32_t>> restored;
    // oldest first: a later (newer) saved cell of the same place is left out
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        const EngineCell* pCell = *it;
        bool bNew = false;
        AfxAllocating([&] { bNew = restored.insert({pCell->nRow, pCell->nCol}).second; });
        if (!bNew || !EngineIsValidPosition(pCell->nRow, pCell->nCol))
            continue;
        EngineCell* pCopy = EngineCopyCell(PoolFor(sheet, pCell->Type()), pCell);
        pCopy->nFlags |= kCellChanged;
        if (pCopy->Type() == kCellFormula)
            pCopy->nFlags = (pCopy->nFlags | kCellNeedsRecalc) & ~kCellEvaluated;
        Place(h, sheet, pCopy, pCell->nRow, pCell->nCol);
    }
}
