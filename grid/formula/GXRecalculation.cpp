// Recalculation: the precedents of a cell, the evaluation of a cell after its precedents from an
// explicit stack, passes, iteration and the constraint count.
#include "grid/formula/GXRecalculation.h"

#include "grid/formula/GXCellPool.h"
#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaEvaluator.h"

#include "core/CException.h"
#include "core/CString.h"

#include <utility>
#include <vector>

namespace {

// Flags in inItems the items of formula's tree under nRoot.
void MarkTree(const CompiledFormula& formula, int16_t nRoot, std::vector<bool>& inItems)
{
    AfxAllocating([&] { inItems.assign(size_t(formula.nItems), false); });
    std::vector<int16_t> pending;
    AfxAllocating([&] { pending.push_back(nRoot); });
    while (!pending.empty()) {
        const int16_t i = pending.back();
        pending.pop_back();
        if (i < 0 || i >= formula.nItems || inItems[size_t(i)])
            continue;
        inItems[size_t(i)] = true;
        const FormulaItem& item = formula.pItems[i];
        AfxAllocating([&] {
            pending.push_back(item.nLink1);
            pending.push_back(item.nLink2);
            if (item.nKind == kItemOffset) {
                pending.push_back(item.u.offset.nColumn);
                pending.push_back(item.u.offset.nRow);
            }
        });
    }
}

// Calls visit(ref) for every cell and range reference of formula that is not broken, named ones
// through their name's reference; with bSkipConstraint the constraint expression's items are left
// out.
template <class Visit>
void ForEachReference(const CompiledFormula& formula, bool bSkipConstraint, Visit visit)
{
    std::vector<bool> inConstraint;
    if (bSkipConstraint && formula.nConstraintRoot >= 0)
        MarkTree(formula, formula.nConstraintRoot, inConstraint);
    for (int16_t i = 0; i < formula.nItems; i++) {
        if (size_t(i) < inConstraint.size() && inConstraint[size_t(i)])
            continue;
        const FormulaItem& item = formula.pItems[i];
        const CellRangeRef* pRef = nullptr;
        if (item.nKind == kItemCell || item.nKind == kItemRange)
            pRef = &item.u.ref;
        else if ((item.nKind == kItemNamedCell || item.nKind == kItemNamedRange) && item.u.pName != nullptr)
            pRef = &item.u.pName->ref;
        if (pRef != nullptr && pRef->IsValid())
            visit(*pRef);
    }
}

// The cells with a formula that pCell's formula refers to outside its constraint: the cell of a
// single-cell reference, the formula cells of a range.
std::vector<EngineCell*> Precedents(SheetHandle h, const EngineCell& cell)
{
    std::vector<EngineCell*> precedents;
    if (cell.pFormula == nullptr)
        return precedents;
    ForEachReference(*cell.pFormula, true, [&](const CellRangeRef& ref) {
        if (ref.IsOneCell()) {
            EngineCell* pCell = EngineFindCell(h, ref.Top(), ref.Left());
            if (pCell != nullptr && pCell->pFormula != nullptr)
                AfxAllocating([&] { precedents.push_back(pCell); });
            return;
        }
        EngineRangeCells walk(h, ref, kFormulaPoolBit);
        while (EngineCell* pCell = walk.Next()) {
            if (pCell->pFormula != nullptr)
                AfxAllocating([&] { precedents.push_back(pCell); });
        }
    });
    return precedents;
}

// A cell on the way of an evaluation with precedents.
struct Frame {
    EngineCell* pCell;
    std::vector<EngineCell*> precedents;
    size_t nNext;            // the next precedent to look at
    EngineCell* pWaiting;    // the precedent being evaluated above this frame, or null
    bool bCompute;
};

}  // namespace

bool EngineMustRecalculate(SheetHandle h, const EngineCell* pCell)
{
    const EngineSheet& sheet = EngineSheetOf(h, "EngineMustRecalculate");
    if (pCell == nullptr)
        AfxThrowInvalidArgException("EngineMustRecalculate: no cell");
    if (sheet.pRecalcList == nullptr)
        return true;
    const auto listed = [&sheet](const CellRangeRef& ref) {
        for (const RecalcEntry* pEntry = sheet.pRecalcList; pEntry != nullptr; pEntry = pEntry->pNext) {
            if (EngineReferencesIntersect(pEntry->ref, ref))
                return true;
        }
        return false;
    };
    if (listed(EngineMakeReference(pCell->nRow, pCell->nCol, pCell->nRow, pCell->nCol, CellRangeRef::kSingleCell)))
        return true;
    bool bMeets = false;
    if (pCell->pFormula != nullptr)
        ForEachReference(*pCell->pFormula, false, [&](const CellRangeRef& ref) { bMeets = bMeets || listed(ref); });
    return bMeets;
}

void EngineEvaluateWithPrecedents(SheetHandle h, EngineCell* pCell)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineEvaluateWithPrecedents");
    if (pCell == nullptr || (pCell->nFlags & kCellEvaluated) != 0)
        return;

    std::vector<Frame> stack;
    const auto enter = [&](EngineCell* pNext) {
        AfxAllocating([&] { stack.push_back(Frame{pNext, Precedents(h, *pNext), 0, nullptr, false}); });
        pNext->nFlags |= kCellEvaluated | kCellInProgress;
        stack.back().bCompute = (pNext->nFlags & kCellNeedsRecalc) != 0;
    };
    // what a precedent tells the cell that refers to it
    const auto learn = [&sheet](Frame& frame, const EngineCell* pPrecedent) {
        if (pPrecedent->nFlags & kCellInCycle)
            sheet.bCycleFound = true;
        if (pPrecedent->nGeneration > frame.pCell->nGeneration)
            frame.bCompute = true;
    };

    try {
        enter(pCell);
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.pWaiting != nullptr) {
                learn(frame, frame.pWaiting);
                frame.pWaiting = nullptr;
            }
            if (frame.nNext < frame.precedents.size()) {
                EngineCell* pPrecedent = frame.precedents[frame.nNext++];
                if (pPrecedent->nFlags & kCellInProgress) {
                    // the loop runs from the precedent up the stack to this cell
                    for (size_t i = stack.size(); i-- > 0;) {
                        stack[i].pCell->nFlags |= kCellInCycle;
                        if (stack[i].pCell == pPrecedent)
                            break;
                    }
                    learn(frame, pPrecedent);
                } else if ((pPrecedent->nFlags & kCellEvaluated) == 0) {
                    frame.pWaiting = pPrecedent;
                    enter(pPrecedent);  // frame is not used after this
                } else {
                    learn(frame, pPrecedent);
                }
                continue;
            }
            if (frame.bCompute) {
                EngineComputeCell(h, frame.pCell);
                frame.pCell->nFlags &= ~kCellNeedsRecalc;
                frame.pCell->nGeneration = sheet.nGeneration;
            }
            frame.pCell->nFlags &= ~kCellInProgress;
            stack.pop_back();
        }
    } catch (...) {
        for (Frame& frame : stack)
            frame.pCell->nFlags &= ~kCellInProgress;
        throw;
    }
}

int32_t EngineRecalcPass(SheetHandle h)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineRecalcPass");
    bool bWork = false;
    {
        EnginePoolCells walk(sheet.pools[kFormulaPool]);
        while (EngineCell* pCell = walk.Next()) {
            if (!pCell->IsLinked())
                continue;
            pCell->nFlags &= ~(kCellEvaluated | kCellInProgress | kCellInCycle);
            if (EngineMustRecalculate(h, pCell)) {
                pCell->nFlags |= kCellNeedsRecalc;
                bWork = true;
            }
        }
    }

    const EnginePoolLock lock(h);
    if (bWork)
        sheet.nGeneration++;
    if (sheet.nRecalcMethod == 1) {
        EnginePoolCells walk(sheet.pools[kFormulaPool]);
        while (EngineCell* pCell = walk.Next()) {
            if (pCell->IsLinked())
                EngineEvaluateWithPrecedents(h, pCell);
        }
    }
    if (sheet.nConstraintCheck == 0)
        return 0;

    int32_t nViolations = 0;
    for (int32_t nPool : {kGeneralPool, kFormulaPool}) {
        EnginePoolCells walk(sheet.pools[nPool]);
        while (EngineCell* pCell = walk.Next()) {
            if (pCell->IsLinked() && pCell->ValueKind() != kValueError && !EngineCheckConstraint(h, pCell))
                nViolations++;
        }
    }
    if (nViolations == 1) {
        EnginePutMessage(h, "There is 1 constraint violation!");
    } else if (nViolations > 1) {
        CString message;
        message.Format("There are %d constraint violations!", nViolations);
        EnginePutMessage(h, message);
    }
    return nViolations;
}

void EngineRecalculate(SheetHandle h)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineRecalculate");
    if (sheet.nRecalcMode == 1) {
        EngineEmptyRecalcList(h);
        return;
    }
    sheet.nRecalcFlags |= kRecalcRunning;
    sheet.bCycleFound = false;
    int32_t nViolations = EngineRecalcPass(h);
    if (sheet.bCycleFound) {
        sheet.nRecalcFlags |= kRecalcIterating;
        for (int32_t i = 0; i < sheet.nIterationLimit; i++) {
            if (sheet.nConstraintCheck != 0 && nViolations == 0)
                break;
            nViolations = EngineRecalcPass(h);
        }
    }
    EngineEmptyRecalcList(h);
    sheet.nRecalcFlags = 0;
}

namespace {

// Puts an option of a sheet back as it was when it goes.
class KeepOption {
public:
    explicit KeepOption(int32_t& nOption) : m_nOption(nOption), m_nOld(nOption) {}
    ~KeepOption() { m_nOption = m_nOld; }
    KeepOption(const KeepOption&) = delete;
    KeepOption& operator=(const KeepOption&) = delete;

private:
    int32_t& m_nOption;
    int32_t m_nOld;
};

}  // namespace

void EngineForceRecalculate(SheetHandle h)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineForceRecalculate");
    const KeepOption keep(sheet.nRecalcMode);
    sheet.nRecalcMode = 0;
    sheet.nRecalcFlags |= kRecalcForced;
    EngineRecalculate(h);
}

void EngineRecalculateEveryFormula(SheetHandle h)
{
    EngineSheet& sheet = EngineSheetOf(h, "EngineRecalculateEveryFormula");
    const KeepOption keep(sheet.nRecalcMethod);
    sheet.nRecalcMethod = 1;
    const EnginePoolLock lock(h);
    EngineRecalculate(h);
}
