// The formula evaluator: a recursive walk over the items of one expression tree. Errors are thrown as
// EvalError and caught where the evaluation started; values hold their texts in Value objects, so
// whatever an abandoned evaluation took is freed as the stack unwinds.
#include "grid/formula/GXFormulaEvaluator.h"

#include "grid/formula/GXEngineCells.h"
#include "grid/formula/GXEngineMemory.h"
#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaErrors.h"
#include "grid/formula/GXFormulaFunctions.h"

#include "core/CException.h"
#include "core/CString.h"
#include "core/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The codes of an operand that a comparison cannot read, by operator from equal to greater or equal.
constexpr int32_t kCompareOperandErrors[] = {94, 90, 93, 96, 92, 95};

struct EvalError {
    int32_t nCode;
    int32_t nValue;
};

[[noreturn]] void Raise(int32_t nCode, int32_t nValue = 0)
{
    throw EvalError{nCode, nValue};
}

// The evaluation that runs now, linked to the one it interrupted.
struct Evaluation {
    SheetHandle h;
    const EngineSheet* pSheet;
    int32_t nRow;
    int32_t nCol;
    const CompiledFormula* pFormula;
    Evaluation* pOuter;
};

Evaluation* g_pRunning = nullptr;

// An EvalValue that frees its text when it goes.
class Value {
public:
    Value() : m_v() {}
    explicit Value(const EvalValue& v) : m_v(v) {}  // takes the text over
    Value(Value&& other) noexcept : m_v(other.m_v) { other.m_v = EvalValue(); }
    Value& operator=(Value&& other) noexcept
    {
        if (this != &other) {
            EngineFreeEvalValue(&m_v);
            m_v = other.m_v;
            other.m_v = EvalValue();
        }
        return *this;
    }
    ~Value() { EngineFreeEvalValue(&m_v); }

    static Value Number(double dValue)
    {
        Value value;
        value.m_v.u.dNumber = dValue;
        return value;
    }
    static Value Text(const char* pszText, size_t nLength)
    {
        char* pszCopy = static_cast<char*>(EngineAlloc(nLength + 1));
        std::memcpy(pszCopy, pszText, nLength);
        Value value;
        value.m_v.nKind = kEvalString;
        value.m_v.u.pszText = pszCopy;
        return value;
    }
    static Value Reference(int32_t nKind, const CellRangeRef& ref)
    {
        Value value;
        value.m_v.nKind = nKind;
        value.m_v.u.ref = ref;
        return value;
    }
    static Value Error(int32_t nCode)
    {
        Value value;
        value.m_v.nKind = kEvalError;
        value.m_v.u.error.nCode = nCode;
        return value;
    }
    static Value NotAvailable()
    {
        Value value;
        value.m_v.nKind = kEvalNotAvailable;
        return value;
    }

    int32_t Kind() const { return m_v.nKind; }
    const EvalValue& Get() const { return m_v; }
    double Number() const { return m_v.u.dNumber; }
    const char* Text() const { return m_v.u.pszText; }
    const CellRangeRef& Ref() const { return m_v.u.ref; }
    // Raises the error this error value holds.
    [[noreturn]] void RaiseError() const { Raise(m_v.u.error.nCode, m_v.u.error.nValue); }
    // Hands the value and its text to the caller.
    EvalValue Release()
    {
        const EvalValue v = m_v;
        m_v = EvalValue();
        return v;
    }

private:
    EvalValue m_v;
};

bool IsBlank(const EngineCell* pCell)
{
    return pCell == nullptr || pCell->Type() == kCellPlaceholder || pCell->ValueKind() == kValueEmpty;
}

// The length of psz without its trailing white space.
size_t TrimmedLength(const char* psz)
{
    size_t n = std::strlen(psz);
    while (n > 0 && std::strchr(" \t\n\r\v\f", psz[n - 1]) != nullptr)
        n--;
    return n;
}

// Compares two texts by their bytes, trailing white space left out: below 0, 0 or above 0.
int CompareTexts(const char* pszA, const char* pszB)
{
    const size_t nA = TrimmedLength(pszA);
    const size_t nB = TrimmedLength(pszB);
    const int nOrder = std::memcmp(pszA, pszB, nA < nB ? nA : nB);
    if (nOrder != 0)
        return nOrder;
    return nA < nB ? -1 : nA > nB ? 1 : 0;
}

// The result of comparison nOperator between a and b.
template <class T>
bool Compare(int32_t nOperator, T a, T b)
{
    switch (nOperator) {
    case kOpEqual: return a == b;
    case kOpNotEqual: return a != b;
    case kOpLess: return a < b;
    case kOpGreater: return a > b;
    case kOpLessEqual: return a <= b;
    default: return a >= b;
    }
}

class Evaluator {
public:
    explicit Evaluator(const Evaluation& evaluation) : m_ev(evaluation), m_items(evaluation.pFormula->pItems) {}

    Value Eval(int16_t nItem);
    // Makes v the value a cell stores: dereferenced, a range or an unread reference being error 149.
    Value Result(Value v);

private:
    bool Dereference(Value& v);
    Value Operand(Value v, int32_t nUnreadable);
    double Number(const Value& v);
    int32_t Integer(const Value& v);
    Value Operator(const FormulaItem& item);
    Value Join(const FormulaItem& item);
    Value Comparison(int32_t nOperator, const FormulaItem& item);
    Value Call(const FormulaItem& item);
    Value Offset(const FormulaItem& item);
    const EngineCell* CellAt(const CellRangeRef& ref) const { return EngineFindCell(m_ev.h, ref.Top(), ref.Left()); }
    bool BlankAsZero() const { return m_ev.pSheet->nBlankAsZero != 0; }

    const Evaluation& m_ev;
    const FormulaItem* m_items;
    int32_t m_nDepth = 0;
};

Value Evaluator::Eval(int16_t nItem)
{
    // a link outside the formula, or a tree deeper than its items (links that loop), is not evaluated
    if (nItem < 0 || nItem >= m_ev.pFormula->nItems || m_nDepth >= m_ev.pFormula->nItems)
        Raise(GX_ERR_UNCONSUMED);
    struct Depth {
        int32_t& n;
        explicit Depth(int32_t& nDepth) : n(nDepth) { n++; }
        ~Depth() { n--; }
    } depth(m_nDepth);

    const FormulaItem& item = m_items[nItem];
    switch (item.nKind) {
    case kItemOperator: return Operator(item);
    case kItemNumber:
        return std::isfinite(item.u.dNumber) ? Value::Number(item.u.dNumber) : Value::Error(GX_ERR_NOT_FINITE);
    case kItemString: return Value::Text(item.u.pszText, std::strlen(item.u.pszText));
    case kItemCell:
    case kItemRange:
        if (!item.u.ref.IsValid())
            Raise(GX_ERR_BROKEN_REFERENCE);
        return Value::Reference(item.nKind == kItemCell ? kEvalCell : kEvalRange, item.u.ref);
    case kItemNamedCell:
    case kItemNamedRange: {
        if (item.u.pName == nullptr)
            Raise(GX_ERR_UNRESOLVED_NAME);
        const CellRangeRef& ref = item.u.pName->ref;
        return Value::Reference(ref.IsOneCell() ? kEvalCell : kEvalRange, ref);
    }
    case kItemNameText: Raise(GX_ERR_UNRESOLVED_NAME);
    case kItemFunction: return Call(item);
    case kItemOffset: return Offset(item);
    default: Raise(GX_ERR_UNCONSUMED);
    }
}

Value Evaluator::Result(Value v)
{
    if (!Dereference(v))
        Raise(GX_ERR_RESULT_IS_RANGE);
    return v;
}

// Reads a cell reference as the cell's value; raises the code of an error value. Returns false for
// what does not dereference (a range, an argument passed by reference).
bool Evaluator::Dereference(Value& v)
{
    switch (v.Kind()) {
    case kEvalCell: {
        const EngineCell* pCell = CellAt(v.Ref());
        if (IsBlank(pCell)) {
            v = BlankAsZero() ? Value::Number(0) : Value::Error(GX_ERR_BLANK_CELL);
            return true;
        }
        switch (pCell->ValueKind()) {
        case kValueNumber: v = Value::Number(pCell->value.dNumber); break;
        case kValueNotAvailable: v = Value::NotAvailable(); break;
        case kValueError: Raise(GX_ERR_OPERAND_HOLDS_ERROR);
        default: {
            const char* pszText = EngineCellText(pCell);
            v = Value::Text(pszText, std::strlen(pszText));
            break;
        }
        }
        return true;
    }
    case kEvalError: v.RaiseError();
    case kEvalRange:
    case kEvalByReference: return false;
    default: return true;
    }
}

// v dereferenced for an operator that takes strings and numbers: nUnreadable when it cannot be, the
// error's own code when it is an error.
Value Evaluator::Operand(Value v, int32_t nUnreadable)
{
    if (!Dereference(v))
        Raise(nUnreadable);
    if (v.Kind() == kEvalError)
        v.RaiseError();
    return v;
}

double Evaluator::Number(const Value& v)
{
    switch (v.Kind()) {
    case kEvalNumber: return v.Number();
    case kEvalString:
        if (v.Text()[0] == 0 && BlankAsZero())
            return 0;
        Raise(GX_ERR_NON_NUMERIC);
    case kEvalCell: {
        if (IsBlank(CellAt(v.Ref()))) {
            if (BlankAsZero())
                return 0;
            Raise(GX_ERR_NON_NUMERIC);
        }
        Value cell = Value::Reference(kEvalCell, v.Ref());
        Dereference(cell);
        return Number(cell);
    }
    case kEvalError: v.RaiseError();
    default: Raise(GX_ERR_NON_NUMERIC);
    }
}

int32_t Evaluator::Integer(const Value& v)
{
    const double dValue = Number(v);
    // written so that a value that is not a number fails too
    if (!(dValue > -2147483649.0 && dValue < 4294967296.0))
        Raise(GX_ERR_LARGER_THAN_32_BITS);
    return int32_t(uint32_t(int64_t(dValue)));
}

Value Evaluator::Operator(const FormulaItem& item)
{
    const int32_t nOperator = item.u.nOperator;
    switch (nOperator) {
    case kOpAdd:
    case kOpSubtract:
    case kOpMultiply:
    case kOpDivide:
    case kOpPower: {
        const double a = Number(Eval(item.nLink1));
        const double b = Number(Eval(item.nLink2));
        switch (nOperator) {
        case kOpAdd: return Value::Number(a + b);
        case kOpSubtract: return Value::Number(a - b);
        case kOpMultiply: return Value::Number(a * b);
        case kOpDivide:
            if (b == 0)
                Raise(GX_ERR_DIVIDE_BY_ZERO);
            return Value::Number(a / b);
        default: {
            errno = 0;
            const double dResult = std::pow(a, b);
            if (errno != 0 || !std::isfinite(dResult))
                Raise(GX_ERR_DIVIDE_BY_ZERO);
            return Value::Number(dResult);
        }
        }
    }
    case kOpPlus: return Value::Number(Number(Eval(item.nLink2)));
    case kOpNegate: return Value::Number(-Number(Eval(item.nLink2)));
    case kOpPercent: return Value::Number(Number(Eval(item.nLink2)) * 0.01);
    case kOpNot: return Value::Number(Number(Eval(item.nLink2)) == 0 ? 1 : 0);
    case kOpAnd:
        if (Number(Eval(item.nLink1)) == 0)
            return Value::Number(0);
        return Value::Number(Number(Eval(item.nLink2)) != 0 ? 1 : 0);
    case kOpOr:
        if (Number(Eval(item.nLink1)) != 0)
            return Value::Number(1);
        return Value::Number(Number(Eval(item.nLink2)) != 0 ? 1 : 0);
    case kOpModulo:
    case kOpBitOr:
    case kOpBitXor:
    case kOpShiftLeft:
    case kOpShiftRight: {
        const int32_t a = Integer(Eval(item.nLink1));
        const int32_t b = Integer(Eval(item.nLink2));
        switch (nOperator) {
        case kOpModulo:
            if (b == 0)
                Raise(GX_ERR_MODULO_BY_ZERO);
            return Value::Number(double(int64_t(a) % int64_t(b)));  // 64 bits: -2147483648 % -1 is 0
        case kOpBitOr: return Value::Number(a | b);
        case kOpBitXor: return Value::Number(a ^ b);
        case kOpShiftLeft: return Value::Number(int32_t(uint32_t(a) << (b & 31)));
        default: return Value::Number(a >> (b & 31));
        }
    }
    case kOpBitNot: return Value::Number(~Integer(Eval(item.nLink2)));
    case kOpJoin: return Join(item);
    case kOpEqual:
    case kOpNotEqual:
    case kOpLess:
    case kOpGreater:
    case kOpLessEqual:
    case kOpGreaterEqual: return Comparison(nOperator, item);
    case kOpConditional: {
        const bool bThen = Number(Eval(item.nLink1)) != 0;
        const int16_t nBranches = item.nLink2;
        if (nBranches < 0 || nBranches >= m_ev.pFormula->nItems || m_items[nBranches].nKind != kItemBranches)
            Raise(GX_ERR_UNCONSUMED);
        return Eval(bThen ? m_items[nBranches].nLink1 : m_items[nBranches].nLink2);
    }
    case kOpRange: {
        const Value a = Eval(item.nLink1);
        const Value b = Eval(item.nLink2);
        if (a.Kind() != kEvalCell || b.Kind() != kEvalCell)
            Raise(GX_ERR_RANGE_OPERANDS);
        return Value::Reference(kEvalRange, EngineRangeBetween(a.Ref(), b.Ref()));
    }
    case kOpBrokenRef: return Value::Error(GX_ERR_BROKEN_REFERENCE);
    default: Raise(GX_ERR_INVALID_OPERATOR);
    }
}

Value Evaluator::Join(const FormulaItem& item)
{
    const Value a = Operand(Eval(item.nLink1), GX_ERR_JOIN_OPERAND);
    const Value b = Operand(Eval(item.nLink2), GX_ERR_JOIN_OPERAND);
    if (a.Kind() == kEvalNumber && b.Kind() == kEvalNumber)
        return Value::Number(Integer(a) & Integer(b));
    if (a.Kind() != kEvalString || b.Kind() != kEvalString)
        Raise(GX_ERR_JOIN_TYPES);
    const size_t nA = std::strlen(a.Text());
    const size_t nB = std::strlen(b.Text());
    if (nA + nB > size_t(kEngineMaxText))
        Raise(GX_ERR_STRING_TOO_LONG);
    char szJoined[kEngineMaxText + 1];
    std::memcpy(szJoined, a.Text(), nA);
    std::memcpy(szJoined + nA, b.Text(), nB);
    return Value::Text(szJoined, nA + nB);
}

Value Evaluator::Comparison(int32_t nOperator, const FormulaItem& item)
{
    const int32_t nUnreadable = kCompareOperandErrors[nOperator - kOpEqual];
    const Value a = Operand(Eval(item.nLink1), nUnreadable);
    const Value b = Operand(Eval(item.nLink2), nUnreadable);
    bool bResult = false;
    if (a.Kind() == kEvalNumber && b.Kind() == kEvalNumber)
        bResult = Compare(nOperator, a.Number(), b.Number());
    else if (a.Kind() == kEvalString && b.Kind() == kEvalString)
        bResult = Compare(nOperator, CompareTexts(a.Text(), b.Text()), 0);
    else if (a.Kind() == kEvalString && b.Kind() == kEvalNumber)
        bResult = Compare(nOperator, -1, 0);  // a string is less than any number
    else if (a.Kind() == kEvalNumber && b.Kind() == kEvalString)
        bResult = Compare(nOperator, 1, 0);
    else
        Raise(nUnreadable);
    return Value::Number(bResult ? 1 : 0);
}

Value Evaluator::Call(const FormulaItem& item)
{
    const GXFunctionDesc* pFunction = item.u.pFunction;
    if (pFunction == nullptr)
        Raise(GX_ERR_UNDEFINED_FUNCTION);
    std::vector<Value> args;
    for (int16_t nLink = item.nLink2; nLink >= 0; nLink = m_items[nLink].nLink2) {
        if (nLink >= m_ev.pFormula->nItems || m_items[nLink].nKind != kItemArgument)
            Raise(GX_ERR_UNCONSUMED);
        if (args.size() == size_t(kFunctionMaxArgs))
            Raise(GX_ERR_TOO_MANY_ARGUMENTS);
        const FormulaItem& arg = m_items[nLink];
        if (arg.nFlags & kItemByReference) {
            EvalValue byReference = {};
            byReference.nKind = kEvalByReference;
            byReference.u.arg.pItems = m_items;
            byReference.u.arg.nItem = arg.nLink1;
            AfxAllocating([&] { args.emplace_back(byReference); });
            continue;
        }
        Value v = Eval(arg.nLink1);
        if (arg.u.nParamType >= 0 && arg.u.nParamType <= 2) {
            if (!Dereference(v))
                Raise(GX_ERR_NON_NUMERIC);
            if (v.Kind() == kEvalString)
                v = Value::Number(AfxStrToDouble(v.Text()));
            else if (v.Kind() == kEvalError)
                v.RaiseError();
            else if (v.Kind() != kEvalNumber)
                Raise(GX_ERR_NON_NUMERIC);
        }
        AfxAllocating([&] { args.push_back(std::move(v)); });
    }

    std::vector<EvalValue> argv;
    AfxAllocating([&] { argv.reserve(args.size()); });
    for (const Value& arg : args)
        argv.push_back(arg.Get());
    const GXFunctionCall call = {m_ev.h, m_ev.nRow, m_ev.nCol, int32_t(argv.size()), argv.data()};
    EvalValue result = {};
    result.nKind = kEvalNotAvailable;
    if (pFunction->pfnEntry != nullptr)
        pFunction->pfnEntry(call, &result);
    if (result.nKind == kEvalString) {
        const char* pszText = result.u.pszText != nullptr ? result.u.pszText : "";
        return Value::Text(pszText, std::strlen(pszText));
    }
    if (result.nKind < kEvalNumber || result.nKind > kEvalError)
        Raise(GX_ERR_UNCONSUMED);
    return Value(result);
}

Value Evaluator::Offset(const FormulaItem& item)
{
    // computed in doubles so that no offset overflows; a value that is not a number fails the test
    const auto offset = [this](int16_t nExpression) {
        return nExpression >= 0 ? std::trunc(Number(Eval(nExpression))) : 0.0;
    };
    const double dCol = m_ev.nCol + offset(item.u.offset.nColumn);
    const double dRow = m_ev.nRow + offset(item.u.offset.nRow);
    if (!(dRow >= 1 && dRow <= kEngineMaxRow && dCol >= 0 && dCol <= kEngineMaxCol))
        Raise(GX_ERR_OFFSET_OUTSIDE);
    const int32_t nRow = int32_t(dRow);
    const int32_t nCol = int32_t(dCol);
    return Value::Reference(kEvalCell, EngineMakeReference(nRow, nCol, nRow, nCol, CellRangeRef::kSingleCell));
}

// Evaluates item nRoot of formula for (nRow, nCol); with bResult the value as a cell stores it.
EvalValue Run(SheetHandle h, int32_t nRow, int32_t nCol, const CompiledFormula& formula, int16_t nRoot, bool bResult)
{
    Evaluation evaluation = {h, &EngineSheetOf(h, "EngineEvaluate"), nRow, nCol, &formula, g_pRunning};
    g_pRunning = &evaluation;
    struct Restore {
        Evaluation& ev;
        ~Restore() { g_pRunning = ev.pOuter; }
    } restore{evaluation};

    int32_t nCode = 0;
    int32_t nValue = 0;
    try {
        Evaluator evaluator(evaluation);
        Value v = evaluator.Eval(nRoot);
        if (bResult)
            v = evaluator.Result(std::move(v));
        return v.Release();
    } catch (const EvalError& error) {
        nCode = error.nCode;
        nValue = error.nValue;
    } catch (CMemoryException* e) {
        e->Delete();
        nCode = GX_ERR_OUT_OF_MEMORY;
    }
    EngineState().m_nLastError = nCode;
    EvalValue error = {};
    error.nKind = kEvalError;
    error.u.error.nCode = nCode;
    error.u.error.nValue = nValue;
    return error;
}

// Stores v as pCell's value; returns false when the cell held that value already.
bool StoreResult(EngineCell& cell, const EvalValue& v)
{
    const uint32_t nOldKind = cell.ValueKind();
    switch (v.nKind) {
    case kEvalNumber:
        if (nOldKind == kValueNumber && cell.value.dNumber == v.u.dNumber)
            return false;
        EngineSetCellNumber(&cell, v.u.dNumber);
        return true;
    case kEvalString: {
        const bool bOldText = nOldKind == kValueLongText || nOldKind == kValueShortText;
        // a cell keeps at most 511 characters: compare what it would keep
        if (bOldText && std::strncmp(EngineCellText(&cell), v.u.pszText, size_t(kEngineMaxText)) == 0)
            return false;
        EngineSetCellText(&cell, v.u.pszText);
        return true;
    }
    case kEvalError:
        // the engine's errors have no text of their own
        if (nOldKind == kValueError && cell.value.error.nCode == v.u.error.nCode && cell.value.error.pszText == nullptr)
            return false;
        EngineSetCellError(&cell, v.u.error.nCode, nullptr);
        return true;
    default: {
        const uint32_t nKind = v.nKind == kEvalNotAvailable ? kValueNotAvailable : kValueEmpty;
        if (nOldKind == nKind)
            return false;
        EngineSetCellKind(&cell, nKind);
        return true;
    }
    }
}

}  // namespace

void EngineFreeEvalValue(EvalValue* pValue)
{
    if (pValue == nullptr)
        return;
    if (pValue->nKind == kEvalString)
        EngineFree(pValue->u.pszText);
    *pValue = EvalValue();
}

void EngineRaiseError(int32_t nCode, int32_t nValue)
{
    if (g_pRunning == nullptr)
        AfxThrowInvalidArgFormat("EngineRaiseError: error %d raised while no formula is evaluated", nCode);
    Raise(nCode, nValue);
}

EvalValue EngineEvaluate(SheetHandle h, int32_t nRow, int32_t nCol, const CompiledFormula* pFormula, int16_t nRoot)
{
    if (pFormula == nullptr)
        AfxThrowInvalidArgException("EngineEvaluate: no formula");
    return Run(h, nRow, nCol, *pFormula, nRoot, false);
}

bool EngineComputeCell(SheetHandle h, EngineCell* pCell)
{
    EngineSheetOf(h, "EngineComputeCell");
    if (pCell == nullptr)
        AfxThrowInvalidArgException("EngineComputeCell: no cell");
    if (pCell->pFormula == nullptr || pCell->pFormula->nValueRoot < 0)
        return false;
    Value result(Run(h, pCell->nRow, pCell->nCol, *pCell->pFormula, pCell->pFormula->nValueRoot, true));
    if (!StoreResult(*pCell, result.Get()))
        return true;
    pCell->nFlags |= kCellChanged;
    if (result.Kind() == kEvalError) {
        const char* pszLetters = EngineColumnLetters(pCell->nCol);
        const int32_t nCode = result.Get().u.error.nCode;
        CString message;
        message.Format("Cell %s%d: ERROR: %s %s ", pszLetters != nullptr ? pszLetters : "", pCell->nRow, "",
                       EngineErrorText(nCode));
        EnginePutMessage(h, message);
    }
    return true;
}

bool EngineCheckConstraint(SheetHandle h, EngineCell* pCell)
{
    EngineSheetOf(h, "EngineCheckConstraint");
    if (pCell == nullptr)
        AfxThrowInvalidArgException("EngineCheckConstraint: no cell");
    if (pCell->pFormula == nullptr || pCell->pFormula->nConstraintRoot < 0)
        return true;
    const Value result(Run(h, pCell->nRow, pCell->nCol, *pCell->pFormula, pCell->pFormula->nConstraintRoot, true));
    const bool bViolated = result.Kind() == kEvalNumber && result.Number() == 0;
    if (bViolated != ((pCell->nFlags & kCellConstraintViolated) != 0)) {
        pCell->nFlags ^= kCellConstraintViolated;
        pCell->nFlags |= kCellChanged;
    }
    return !bViolated;
}
