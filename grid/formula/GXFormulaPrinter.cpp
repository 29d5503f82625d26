// The formula printer: a walk over the expression trees writing into one buffer of 512 characters.
#include "grid/formula/GXFormulaPrinter.h"

#include "grid/formula/GXEngineState.h"
#include "grid/formula/GXFormulaFunctions.h"
#include "grid/formula/GXRangeNames.h"
#include "grid/formula/GXTextEscapes.h"

#include <cmath>
#include <cstring>

namespace {

// Operator texts by code, in the engine's own syntax and in the alternative one.
constexpr const char* kOperatorTexts[kOperatorCount] = {
    "+", "-", "+", "-", "*", "/", "**", "%", "&&", "||", "!", "&", "|", "^",
    "~", "<<", ">>", "==", "!=", "<", ">", "<=", ">=", "?", ":", "%", "??"};
constexpr const char* kAltOperatorTexts[kOperatorCount] = {
    "+", "-", "+", "-", "*", "/", "^", "%", "#AND#", "#OR#", "#NOT#", "&", "|", "/*XOR*/",
    "~", "<<", ">>", "=", "<>", "<", ">", "<=", ">=", "?", ":", "%", "ERR"};

// The low 32 bits of the integer part of d (0 for a value no integer holds).
uint32_t Bits32(double d)
{
    return std::isfinite(d) && std::fabs(d) < 9.2e18 ? uint32_t(int64_t(d)) : 0u;
}

class Printer {
public:
    Printer(const CompiledFormula& formula, const GX_ENGINE_STATE& state)
        : m_formula(formula), m_bAlt(state.m_bAltSyntax), m_bLower(state.m_bLowerCaseFunctions),
          m_bAt(state.m_bAtPrefix)
    {
    }

    void Put(const char* psz)
    {
        while (*psz != 0 && m_nLength < kFormulaMaxText)
            m_szText[m_nLength++] = *psz++;
    }
    void Item(int16_t nItem);
    // Whether nItem indexes an item.
    bool Valid(int16_t nItem) const { return nItem >= 0 && nItem < m_formula.nItems; }
    CString Text() const { return CString(m_szText, m_nLength); }

private:
    void Operator(const FormulaItem& item);
    void Function(const FormulaItem& item);

    const CompiledFormula& m_formula;
    const bool m_bAlt;
    const bool m_bLower;
    const bool m_bAt;
    char m_szText[kFormulaMaxText + 1] = {};
    int32_t m_nLength = 0;
    int32_t m_nDepth = 0;
};

void Printer::Item(int16_t nItem)
{
    // a tree deeper than its items has links that loop: nothing more of it is printed
    if (!Valid(nItem) || m_nDepth >= m_formula.nItems)
        return;
    m_nDepth++;
    const FormulaItem& item = m_formula.pItems[nItem];
    if (item.nFlags & kItemParenthesised)
        Put("(");
    switch (item.nKind) {
    case kItemOperator: Operator(item); break;
    case kItemNumber: {
        CString number;
        if ((item.nFlags & kItemHex) && !m_bAlt)
            number.Format("0x%X", Bits32(item.u.dNumber));
        else
            number.Format("%.14g", item.u.dNumber);
        Put(number);
        break;
    }
    case kItemString:
        Put("\"");
        Put(EngineEncodeEscapes(item.u.pszText, true));
        Put("\"");
        break;
    case kItemCell:
    case kItemRange: {
        const char* pszRef = EngineReferenceText(item.u.ref);
        Put(pszRef != nullptr ? pszRef : (m_bAlt ? kAltOperatorTexts : kOperatorTexts)[kOpBrokenRef]);
        break;
    }
    case kItemNameText: Put(item.u.pszText); break;
    case kItemNamedCell:
    case kItemNamedRange:
        if (item.u.pName != nullptr)
            Put(item.u.pName->pszName);
        break;
    case kItemFunction: Function(item); break;
    case kItemOffset:
        Put("#");
        if (Valid(item.u.offset.nColumn)) {
            Put("{");
            Item(item.u.offset.nColumn);
            if (Valid(item.u.offset.nRow)) {
                Put(",");
                Item(item.u.offset.nRow);
            }
            Put("}");
        }
        break;
    case kItemBranches:
        Item(item.nLink1);
        Put(":");
        Item(item.nLink2);
        break;
    default: break;
    }
    if (item.nFlags & kItemParenthesised)
        Put(")");
    m_nDepth--;
}

void Printer::Operator(const FormulaItem& item)
{
    const int32_t nOperator = item.u.nOperator;
    if (nOperator < 0 || nOperator >= kOperatorCount)
        return;
    const char* pszText = (m_bAlt ? kAltOperatorTexts : kOperatorTexts)[nOperator];
    switch (nOperator) {
    case kOpPlus:
    case kOpNegate:
    case kOpNot:
    case kOpBitNot:
        Put(pszText);
        Item(item.nLink2);
        break;
    case kOpPercent:
        Item(item.nLink2);
        Put(pszText);
        break;
    case kOpBrokenRef: Put(pszText); break;
    case kOpConditional: {
        Item(item.nLink1);
        Put(pszText);
        const int32_t nThen = m_nLength;
        Item(item.nLink2);
        if (nThen < m_nLength && m_szText[nThen] == '?') {
            // "?" and the error literal after it would scan as "??" and "?"
            const int32_t nMoved = m_nLength < kFormulaMaxText ? m_nLength - nThen : m_nLength - nThen - 1;
            std::memmove(m_szText + nThen + 1, m_szText + nThen, size_t(nMoved));
            m_szText[nThen] = ' ';
            m_nLength = nThen + 1 + nMoved;
        }
        break;
    }
    default:
        Item(item.nLink1);
        Put(pszText);
        Item(item.nLink2);
        break;
    }
}

void Printer::Function(const FormulaItem& item)
{
    CString name = item.u.pFunction != nullptr && item.u.pFunction->pszName != nullptr ? item.u.pFunction->pszName : "";
    if (m_bAt && name.Left(1) != "@")
        Put("@");
    if (m_bLower)
        name.MakeLower();
    Put(name);
    if (!Valid(item.nLink2)) {
        if (!m_bAt)
            Put("()");
        return;
    }
    Put("(");
    int16_t nLink = item.nLink2;
    for (int32_t nArg = 0; Valid(nLink) && nArg < m_formula.nItems; nArg++, nLink = m_formula.pItems[nLink].nLink2) {
        if (nArg > 0)
            Put(",");
        Item(m_formula.pItems[nLink].nLink1);
    }
    Put(")");
}

}  // namespace

CString EnginePrintFormula(const CompiledFormula* pFormula)
{
    if (pFormula == nullptr || pFormula->nValueRoot < 0)
        return CString();
    const GX_ENGINE_STATE& state = EngineState();
    Printer printer(*pFormula, state);
    printer.Put("=");
    printer.Item(pFormula->nValueRoot);
    if (pFormula->nConstraintRoot >= 0) {
        printer.Put(";");
        printer.Item(pFormula->nConstraintRoot);
    }
    if (!state.m_bAltSyntax) {
        if (printer.Valid(pFormula->nDependencies)) {
            printer.Put("\\");
            int16_t nItem = pFormula->nDependencies;
            // counted, so that a list whose links loop ends
            for (int32_t n = 0; printer.Valid(nItem) && n < pFormula->nItems; n++) {
                if (n > 0)
                    printer.Put(",");
                printer.Item(nItem);
                nItem = pFormula->pItems[nItem].nLink2;
            }
        }
        if (pFormula->pszComment != nullptr) {
            printer.Put("//");
            printer.Put(pFormula->pszComment);
        }
    }
    return printer.Text();
}
