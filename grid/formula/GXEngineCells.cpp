// The cell store: hash chains, occupancy and used area, constants, values, placeholders, copies and
// the walk over a block.
#include "grid/formula/GXEngineCells.h"

#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaEvaluator.h"
#include "grid/formula/GXFormulaParser.h"
#include "grid/formula/GXTextEscapes.h"

#include "core/CException.h"

#include <cstring>
#include <utility>

namespace {

// The linked cell of sheet at (nRow, nCol), a position on the sheet, or null.
EngineCell* FindInSheet(const EngineSheet& sheet, int32_t nRow, int32_t nCol)
{
    for (EngineCell* pCell = sheet.pBuckets[EngineCellBucket(nRow, nCol)]; pCell != nullptr; pCell = pCell->pNext) {
        if (pCell->nRow == nRow && pCell->nCol == nCol)
            return pCell;
    }
    return nullptr;
}

// The capacity an occupancy array of nCapacity entries grows to so that it holds nNeeded entries.
int32_t GrownCapacity(int32_t nCapacity, int32_t nNeeded)
{
    const int32_t nStep = nCapacity < 32 ? 4 : nCapacity >= 8200 ? 1024 : nCapacity / 8;
    return nCapacity + nStep > nNeeded ? nCapacity + nStep : nNeeded;
}

// Makes pCounts hold at least nNeeded entries (new ones 0).
void ReserveCounts(uint32_t*& pCounts, int32_t& nCapacity, int32_t nNeeded)
{
    if (nNeeded <= nCapacity)
        return;
    const int32_t nNewCapacity = GrownCapacity(nCapacity, nNeeded);
    uint32_t* pNew = nullptr;
    AfxAllocating([&] { pNew = new uint32_t[size_t(nNewCapacity)](); });
    if (nCapacity > 0)
        std::memcpy(pNew, pCounts, sizeof(uint32_t) * size_t(nCapacity));
    delete[] pCounts;
    pCounts = pNew;
    nCapacity = nNewCapacity;
}

// The first index from nFrom stepping by nStep (towards nTo, inclusive) whose count is not 0; -1 when
// none.
int32_t NextOccupied(const uint32_t* pCounts, int32_t nFrom, int32_t nTo, int32_t nStep)
{
    for (int32_t i = nFrom; nStep > 0 ? i <= nTo : i >= nTo; i += nStep) {
        if (pCounts[i] != 0)
            return i;
    }
    return -1;
}

// Frees the long or error text a value holds (the value kind is left for the caller to set).
void FreeValueText(EngineCell& cell)
{
    if (cell.ValueKind() == kValueLongText)
        EngineFree(cell.value.pszLong);
    else if (cell.ValueKind() == kValueError)
        EngineFree(cell.value.error.pszText);
    std::memset(&cell.value, 0, sizeof cell.value);
}

// Removes the cell at (nRow, nCol), if any, and returns its own style, which the caller now owns.
CObject* RemoveKeepingStyle(SheetHandle h, int32_t nRow, int32_t nCol)
{
    EngineCell* pOld = EngineFindCell(h, nRow, nCol);
    if (pOld == nullptr)
        return nullptr;
    CObject* pStyle = pOld->pStyle;
    pOld->pStyle = nullptr;
    EngineRemoveCell(h, pOld);
    return pStyle;
}

// Makes a cell of pool nPool and type nType at (nRow, nCol) in place of the cell there, with that
// cell's style, lets setValue give it its contents, and links it.
template <class SetValue>
EngineCell* StoreCell(SheetHandle h, const char* pszFunction, int32_t nRow, int32_t nCol, int32_t nPool, uint32_t nType,
                      SetValue setValue)
{
    EngineSheet& sheet = EngineSheetOf(h, pszFunction);
    if (!EngineIsValidPosition(nRow, nCol))
        return nullptr;
    EngineCell* pCell = EngineAllocCell(&sheet.pools[nPool]);
    try {
        pCell->nRow = nRow;
        pCell->nCol = nCol;
        pCell->SetType(nType);
        setValue(pCell);
        pCell->pStyle = RemoveKeepingStyle(h, nRow, nCol);
        EngineLinkCell(h, pCell);
    } catch (CException*) {
        EngineFreeCell(pCell);
        throw;
    }
    return pCell;
}

// True when formula refers to cells (directly, through a name or by an offset) or calls a function:
// its value then changes with the sheet.
bool DependsOnSheet(const CompiledFormula& formula)
{
    for (int16_t i = 0; i < formula.nItems; i++) {
        switch (formula.pItems[i].nKind) {
        case kItemCell:
        case kItemRange:
        case kItemNamedCell:
        case kItemNamedRange:
        case kItemFunction:
        case kItemOffset: return true;
        default: break;
        }
    }
    return false;
}

// True when formula is one number written in decimal and nothing else.
bool IsNumberConstant(const CompiledFormula& formula)
{
    return formula.nItems == 1 && formula.nValueRoot == 0 && formula.pItems[0].nKind == kItemNumber &&
           (formula.pItems[0].nFlags & kItemHex) == 0 && formula.nConstraintRoot < 0 && formula.nDependencies < 0 &&
           formula.pszComment == nullptr;
}

}  // namespace

int32_t EngineCellBucket(int32_t nRow, int32_t nCol)
{
    const uint32_t nKey = uint32_t(nRow) + uint32_t(nCol) * uint32_t(kEngineMaxRow);
    return int32_t(nKey % uint32_t(EngineSheet::kBuckets));
}

EngineCell* EngineFindCell(SheetHandle h, int32_t nRow, int32_t nCol, int32_t* pBucket)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineFindCell");
    if (!EngineIsValidPosition(nRow, nCol)) {
        if (pBucket != nullptr)
            *pBucket = -1;
        return nullptr;
    }
    if (pBucket != nullptr)
        *pBucket = EngineCellBucket(nRow, nCol);
    return FindInSheet(sheet, nRow, nCol);
}

void EngineLinkCell(SheetHandle h, EngineCell* pCell)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineLinkCell");
    if (pCell == nullptr)
        AfxThrowInvalidArgException("EngineLinkCell: no cell");
    if (pCell->IsLinked())
        AfxThrowInvalidArgFormat("EngineLinkCell: the cell at row %d, column %d is linked already", pCell->nRow,
                                 pCell->nCol);
    const int32_t nRow = pCell->nRow;
    const int32_t nCol = pCell->nCol;
    if (!EngineIsValidPosition(nRow, nCol))
        AfxThrowInvalidArgFormat("EngineLinkCell: row %d, column %d is off the sheet", nRow, nCol);
    int32_t nBucket = 0;
    if (EngineFindCell(h, nRow, nCol, &nBucket) != nullptr)
        AfxThrowInvalidArgFormat("EngineLinkCell: row %d, column %d holds a cell already", nRow, nCol);

    ReserveCounts(sheet.pRowCounts, sheet.nRowCapacity, nRow + 1);
    ReserveCounts(sheet.pColCounts, sheet.nColCapacity, nCol + 1);
    pCell->pNext = sheet.pBuckets[nBucket];
    sheet.pBuckets[nBucket] = pCell;
    pCell->nFlags |= kCellLinked;
    sheet.pRowCounts[nRow]++;
    sheet.pColCounts[nCol]++;
    sheet.nCellCount++;
    if (!sheet.bAreaValid) {
        sheet.nTop = sheet.nBottom = nRow;
        sheet.nLeft = sheet.nRight = nCol;
        sheet.bAreaValid = true;
    } else {
        if (nRow < sheet.nTop)
            sheet.nTop = nRow;
        if (nRow > sheet.nBottom)
            sheet.nBottom = nRow;
        if (nCol < sheet.nLeft)
            sheet.nLeft = nCol;
        if (nCol > sheet.nRight)
            sheet.nRight = nCol;
    }
    sheet.bDirty = true;
}

void EngineUnlinkCell(SheetHandle h, EngineCell* pCell)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineUnlinkCell");
    if (pCell == nullptr || !pCell->IsLinked())
        AfxThrowInvalidArgException("EngineUnlinkCell: the cell is not linked");
    const int32_t nRow = pCell->nRow;
    const int32_t nCol = pCell->nCol;
    EngineCell** ppLink = &sheet.pBuckets[EngineCellBucket(nRow, nCol)];
    while (*ppLink != nullptr && *ppLink != pCell)
        ppLink = &(*ppLink)->pNext;
    if (*ppLink == nullptr)
        AfxThrowInvalidArgFormat("EngineUnlinkCell: the cell at row %d, column %d is not in this sheet", nRow, nCol);
    *ppLink = pCell->pNext;
    pCell->pNext = nullptr;
    pCell->nFlags &= ~kCellLinked;
    sheet.pRowCounts[nRow]--;
    sheet.pColCounts[nCol]--;
    sheet.nCellCount--;
    sheet.bDirty = true;

    if (sheet.nCellCount == 0) {
        sheet.bAreaValid = false;
        sheet.nTop = sheet.nBottom = sheet.nLeft = sheet.nRight = 0;
        return;
    }
    if (sheet.pRowCounts[nRow] == 0) {
        if (nRow == sheet.nTop)
            sheet.nTop = NextOccupied(sheet.pRowCounts, nRow + 1, sheet.nBottom, 1);
        else if (nRow == sheet.nBottom)
            sheet.nBottom = NextOccupied(sheet.pRowCounts, nRow - 1, sheet.nTop, -1);
    }
    if (sheet.pColCounts[nCol] == 0) {
        if (nCol == sheet.nLeft)
            sheet.nLeft = NextOccupied(sheet.pColCounts, nCol + 1, sheet.nRight, 1);
        else if (nCol == sheet.nRight)
            sheet.nRight = NextOccupied(sheet.pColCounts, nCol - 1, sheet.nLeft, -1);
    }
}

void EngineRemoveCell(SheetHandle h, EngineCell* pCell)
{
    if (pCell == nullptr)
        return;
    if (pCell->IsLinked())
        EngineUnlinkCell(h, pCell);
    EngineFreeCell(pCell);
}

void EngineFreeCell(EngineCell* pCell)
{
    if (pCell == nullptr)
        return;
    delete pCell->pStyle;
    pCell->pStyle = nullptr;
    EngineFreeFormula(pCell->pFormula);
    pCell->pFormula = nullptr;
    FreeValueText(*pCell);
    EngineReleaseCellSlot(pCell);
}

void EngineFreeCellList(EngineCell* pFirst)
{
    while (pFirst != nullptr) {
        EngineCell* pNext = pFirst->pNext;
        EngineFreeCell(pFirst);
        pFirst = pNext;
    }
}

EngineCell* EngineStoreNumber(SheetHandle h, int32_t nRow, int32_t nCol, double dValue)
{
    return StoreCell(h, "EngineStoreNumber", nRow, nCol, kGeneralPool, kCellNumber,
                     [&](EngineCell* pCell) { EngineSetCellNumber(pCell, dValue); });
}

EngineCell* EngineStoreText(SheetHandle h, int32_t nRow, int32_t nCol, const char* pszText)
{
    const bool bRaw = EngineSheetOf(h, "EngineStoreText").bRawText;
    return StoreCell(h, "EngineStoreText", nRow, nCol, kGeneralPool, kCellText, [&](EngineCell* pCell) {
        EngineSetCellText(pCell, bRaw ? CString(pszText) : EngineDecodeEscapes(pszText));
    });
}

EngineCell* EngineStoreFormula(SheetHandle h, int32_t nRow, int32_t nCol, const char* pszText,
                               const EngineTypedValue* pValue)
{
    const EngineSheet& sheet = EngineSheetOf(h, "EngineStoreFormula");
    if (!EngineIsValidPosition(nRow, nCol))
        return nullptr;
    CompiledFormula* pFormula = EngineParseFormula(h, pszText);
    if (pFormula == nullptr)
        return nullptr;
    if (IsNumberConstant(*pFormula)) {
        const double dValue = pFormula->pItems[0].u.dNumber;
        EngineFreeFormula(pFormula);
        return EngineStoreNumber(h, nRow, nCol, dValue);
    }
    const bool bFormulaCell = DependsOnSheet(*pFormula);
    bool bHeld = false;  // whether the cell holds the formula, which then goes with it
    EngineCell* pCell = nullptr;
    try {
        pCell = StoreCell(h, "EngineStoreFormula", nRow, nCol, bFormulaCell ? kFormulaPool : kGeneralPool,
                          bFormulaCell ? kCellFormula : kCellConstFormula, [&](EngineCell* pNew) {
                              pNew->pFormula = pFormula;
                              bHeld = true;
                              pNew->nGeneration = sheet.nGeneration;
                              if (pValue != nullptr) {
                                  EngineSetCellValue(pNew, *pValue);
                                  pNew->nFlags |= kCellEvaluated | kCellChanged;
                              }
                          });
    } catch (CException*) {
        if (!bHeld)
            EngineFreeFormula(pFormula);
        throw;
    }
    if (!bFormulaCell && pValue == nullptr)
        EngineComputeCell(h, pCell);
    return pCell;
}

EngineCell* EnginePlaceholder(SheetHandle h, int32_t nRow, int32_t nCol)
{
    EngineSheet& sheet = EngineSheetOf(h, "EnginePlaceholder");
    if (!EngineIsValidPosition(nRow, nCol) || EngineFindCell(h, nRow, nCol) != nullptr)
        return nullptr;
    EngineCell* pCell = EngineAllocCell(&sheet.pools[kPlaceholderPool]);
    pCell->nRow = nRow;
    pCell->nCol = nCol;
    pCell->SetType(kCellPlaceholder);
    EngineLinkCell(h, pCell);
    return pCell;
}

EngineCell* EngineCopyCell(CellPool* pPool, const EngineCell* pCell)
{
    if (pCell == nullptr)
        AfxThrowInvalidArgException("EngineCopyCell: no cell");
    const EngineStyleCloner pfnClone = EngineState().m_pfnCloneStyle;
    if (pCell->pStyle != nullptr && pfnClone == nullptr)
        AfxThrowInvalidArgFormat("EngineCopyCell: the cell at row %d, column %d has a style and no style cloner "
                                 "is installed", pCell->nRow, pCell->nCol);
    EngineCell* pCopy = EngineAllocCell(pPool);
    const uint32_t nOwnFlags = pCopy->nFlags & kCellSlotMask;
    try {
        pCopy->nRow = pCell->nRow;
        pCopy->nCol = pCell->nCol;
        pCopy->nGeneration = pCell->nGeneration;
        pCopy->nFlags = (pCell->nFlags & ~(kCellSlotMask | kCellLinked)) | nOwnFlags;
        pCopy->SetValueKind(kValueEmpty);
        switch (pCell->ValueKind()) {
        case kValueNumber: EngineSetCellNumber(pCopy, pCell->value.dNumber); break;
        case kValueLongText:
        case kValueShortText: EngineSetCellText(pCopy, EngineCellText(pCell)); break;
        case kValueError: EngineSetCellError(pCopy, pCell->value.error.nCode, pCell->value.error.pszText); break;
        default: EngineSetCellKind(pCopy, pCell->ValueKind()); break;
        }
        pCopy->pFormula = EngineCopyFormula(pCell->pFormula);
        if (pCell->pStyle != nullptr)
            pCopy->pStyle = pfnClone(*pCell->pStyle);
    } catch (CException*) {
        EngineFreeCell(pCopy);
        throw;
    }
    return pCopy;
}

void EngineSetCellNumber(EngineCell* pCell, double dValue)
{
    FreeValueText(*pCell);
    pCell->value.dNumber = dValue;
    pCell->SetValueKind(kValueNumber);
}

void EngineSetCellText(EngineCell* pCell, const char* pszText)
{
    if (pszText == nullptr)
        pszText = "";
    const size_t nLength = std::strlen(pszText);
    // the new text is made before the old one goes: pszText may be the cell's own
    char* pszLong = nLength > size_t(kEngineShortText) ? EngineStrDup(pszText, kEngineMaxText) : nullptr;
    char szShort[kEngineShortText + 1] = {};
    if (pszLong == nullptr)
        std::memcpy(szShort, pszText, nLength);
    FreeValueText(*pCell);
    if (pszLong != nullptr) {
        pCell->value.pszLong = pszLong;
        pCell->SetValueKind(kValueLongText);
    } else {
        std::memcpy(pCell->value.szShort, szShort, sizeof szShort);
        pCell->SetValueKind(kValueShortText);
    }
}

void EngineSetCellError(EngineCell* pCell, int32_t nCode, const char* pszText)
{
    char* pszOwn = pszText != nullptr ? EngineStrDup(pszText) : nullptr;
    FreeValueText(*pCell);
    pCell->value.error.nCode = nCode;
    pCell->value.error.pszText = pszOwn;
    pCell->SetValueKind(kValueError);
}

void EngineSetCellKind(EngineCell* pCell, uint32_t nKind)
{
    if (nKind != kValueEmpty && nKind != kValueNotAvailable)
        AfxThrowInvalidArgFormat("EngineSetCellKind: value kind %u carries contents", nKind);
    FreeValueText(*pCell);
    pCell->SetValueKind(nKind);
}

void EngineSetCellValue(EngineCell* pCell, const EngineTypedValue& value)
{
    switch (value.nKind) {
    case kValueNumber: EngineSetCellNumber(pCell, value.dNumber); break;
    case kValueLongText:
    case kValueShortText: EngineSetCellText(pCell, value.pszText); break;
    case kValueError: EngineSetCellError(pCell, value.nErrorCode, value.pszText); break;
    default: EngineSetCellKind(pCell, value.nKind); break;
    }
}

const char* EngineCellText(const EngineCell* pCell)
{
    if (pCell->ValueKind() == kValueLongText)
        return pCell->value.pszLong;
    if (pCell->ValueKind() == kValueShortText)
        return pCell->value.szShort;
    return "";
}

EngineRangeCells::EngineRangeCells(SheetHandle h, const CellRangeRef& ref, uint32_t nPoolMask)
    : m_pSheet(&EngineSheetOf(h, "EngineRangeCells")), m_nPoolMask(nPoolMask & kAllPoolBits),
      m_nTop(ref.Top()), m_nLeft(ref.Left()), m_nBottom(ref.Bottom()), m_nRight(ref.Right()),
      m_bByPositions(false), m_bDone(!ref.IsValid()), m_nRow(0), m_nCol(0), m_nPool(-1),
      m_poolWalk(m_pSheet->pools[0])
{
    if (m_nTop > m_nBottom)
        std::swap(m_nTop, m_nBottom);
    if (m_nLeft > m_nRight)
        std::swap(m_nLeft, m_nRight);
    int64_t nPoolCells = 0;
    for (int32_t i = 0; i < kPoolCount; i++) {
        if (m_nPoolMask & (1u << i))
            nPoolCells += m_pSheet->pools[i].nCells;
    }
    const int64_t nPositions = int64_t(m_nBottom - m_nTop + 1) * int64_t(m_nRight - m_nLeft + 1);
    m_bByPositions = nPositions < nPoolCells;
    m_nRow = m_nTop;
    m_nCol = m_nLeft;
}

bool EngineRangeCells::Selected(const EngineCell* pCell) const
{
    const CellPool* pPool = EngineCellPool(pCell);
    for (int32_t i = 0; i < kPoolCount; i++) {
        if (pPool == &m_pSheet->pools[i])
            return (m_nPoolMask & (1u << i)) != 0;
    }
    return false;
}

EngineCell* EngineRangeCells::Next()
{
    if (m_bDone)
        return nullptr;
    if (m_bByPositions) {
        while (m_nCol <= m_nRight) {
            const int32_t nRow = m_nRow;
            const int32_t nCol = m_nCol;
            if (++m_nRow > m_nBottom) {
                m_nRow = m_nTop;
                m_nCol++;
            }
            EngineCell* pCell = FindInSheet(*m_pSheet, nRow, nCol);
            if (pCell != nullptr && Selected(pCell))
                return pCell;
        }
    } else {
        for (;;) {
            EngineCell* pCell = m_nPool >= 0 ? m_poolWalk.Next() : nullptr;
            if (pCell == nullptr) {
                do
                    m_nPool++;
                while (m_nPool < kPoolCount && (m_nPoolMask & (1u << m_nPool)) == 0);
                if (m_nPool >= kPoolCount)
                    break;
                m_poolWalk = EnginePoolCells(m_pSheet->pools[m_nPool]);
                continue;
            }
            if (pCell->IsLinked() && pCell->nRow >= m_nTop && pCell->nRow <= m_nBottom && pCell->nCol >= m_nLeft &&
                pCell->nCol <= m_nRight)
                return pCell;
        }
    }
    m_bDone = true;
    return nullptr;
}
