// Shared by the tests of the parser, evaluator, recalculation and printer: a formula as a compact
// tree text (independent of the printer), the outcome of a parse or of a stored formula as one text,
// and the round trip of parse, print and parse again.
#pragma once

#include "EngineFixture.h"

#include "grid/formula/GXFormulaEvaluator.h"
#include "grid/formula/GXFormulaFunctions.h"
#include "grid/formula/GXFormulaParser.h"
#include "grid/formula/GXFormulaPrinter.h"
#include "grid/formula/GXRangeNames.h"

#include <cstdio>
#include <cstring>
#include <string>

// A function table over an array of descriptors; a descriptor's name is matched with its leading
// '@', if any, left out.
class ArrayFunctionTable : public GXFunctionTable {
public:
    template <size_t N>
    explicit ArrayFunctionTable(const GXFunctionDesc (&functions)[N]) : m_pFunctions(functions), m_nFunctions(N)
    {
    }
    const GXFunctionDesc* Lookup(const char* pszUpperName) const override
    {
        for (size_t i = 0; i < m_nFunctions; i++) {
            const char* pszName = m_pFunctions[i].pszName;
            if (std::strcmp(pszName[0] == '@' ? pszName + 1 : pszName, pszUpperName) == 0)
                return &m_pFunctions[i];
        }
        return nullptr;
    }

private:
    const GXFunctionDesc* m_pFunctions;
    size_t m_nFunctions;
};

// The tree under item i: "(op left right)" for operators ("neg", "pos", "pct" for the unary ones,
// "?" with condition, then and else), numbers as "%.15g" with "h" after a hex one, strings in single
// quotes, references as their text, "n:" and "N:" before a named cell and range, functions as
// "NAME(arg,...)" with ":t<type>", "&" (by reference) and "x" (XVALUE) after each argument, offsets as
// "#{column,row}" with "-" for none; an item written in parentheses is put in square brackets.
inline std::string Tree(const CompiledFormula& formula, int16_t i)
{
    if (i < 0 || i >= formula.nItems)
        return "-";
    static const char* const kNames[kOperatorCount] = {"+",  "-",  "pos", "neg", "*",  "/",  "**", "%",  "&&",
                                                       "||", "!",  "&",   "|",   "^",  "~",  "<<", ">>", "==",
                                                       "!=", "<",  ">",   "<=",  ">=", "?",  ":",  "pct", "??"};
    const FormulaItem& item = formula.pItems[i];
    std::string text;
    char szNumber[40];
    switch (item.nKind) {
    case kItemOperator: {
        const int32_t nOp = item.u.nOperator;
        if (nOp == kOpBrokenRef)
            text = "??";
        else if (nOp == kOpConditional)
            text = "(? " + Tree(formula, item.nLink1) + " " + Tree(formula, formula.pItems[item.nLink2].nLink1) + " " +
                   Tree(formula, formula.pItems[item.nLink2].nLink2) + ")";
        else if (item.nLink1 < 0)
            text = std::string("(") + kNames[nOp] + " " + Tree(formula, item.nLink2) + ")";
        else
            text = std::string("(") + kNames[nOp] + " " + Tree(formula, item.nLink1) + " " +
                   Tree(formula, item.nLink2) + ")";
        break;
    }
    case kItemNumber:
        std::snprintf(szNumber, sizeof szNumber, "%.15g", item.u.dNumber);
        text = std::string(szNumber) + ((item.nFlags & kItemHex) ? "h" : "");
        break;
    case kItemString: text = "'" + std::string(item.u.pszText) + "'"; break;
    case kItemCell:
    case kItemRange: text = EngineReferenceText(item.u.ref); break;
    case kItemNamedCell: text = std::string("n:") + item.u.pName->pszName; break;
    case kItemNamedRange: text = std::string("N:") + item.u.pName->pszName; break;
    case kItemFunction: {
        text = std::string(item.u.pFunction->pszName) + "(";
        for (int16_t nLink = item.nLink2; nLink >= 0; nLink = formula.pItems[nLink].nLink2) {
            const FormulaItem& arg = formula.pItems[nLink];
            if (nLink != item.nLink2)
                text += ",";
            text += Tree(formula, arg.nLink1) + ":t" + std::to_string(arg.u.nParamType);
            if (arg.nFlags & kItemByReference)
                text += "&";
            if (arg.nFlags & kItemXValueArg)
                text += "x";
        }
        text += ")";
        break;
    }
    case kItemOffset:
        text = "#{" + Tree(formula, item.u.offset.nColumn) + "," + Tree(formula, item.u.offset.nRow) + "}";
        break;
    default: text = "kind" + std::to_string(item.nKind); break;
    }
    return (item.nFlags & kItemParenthesised) ? "[" + text + "]" : text;
}

// The whole formula: the value tree, then " ; " and the constraint, " \ " and the dependencies
// separated by ", ", and " // " and the comment, for those it has.
inline std::string Dump(const CompiledFormula& formula)
{
    std::string text = Tree(formula, formula.nValueRoot);
    if (formula.nConstraintRoot >= 0)
        text += " ; " + Tree(formula, formula.nConstraintRoot);
    for (int16_t i = formula.nDependencies; i >= 0; i = formula.pItems[i].nLink2)
        text += (i == formula.nDependencies ? " \\ " : ", ") + Tree(formula, i);
    if (formula.pszComment != nullptr)
        text += std::string(" // ") + formula.pszComment;
    return text;
}

inline std::string S(const CString& text)
{
    return std::string(text.GetString(), size_t(text.GetLength()));
}

class FormulaTest : public EngineTest {
protected:
    // The dump of pszText parsed for this sheet, or "error <code>@<position>".
    std::string Parse(const char* pszText)
    {
        CompiledFormula* pFormula = EngineParseFormula(m_h, pszText);
        const GX_ENGINE_STATE& state = EngineState();
        if (pFormula == nullptr) {
            EXPECT_TRUE(state.m_bParseFailed);
            return "error " + std::to_string(state.m_nLastError) + "@" + std::to_string(state.m_nLastErrorPos);
        }
        EXPECT_FALSE(state.m_bParseFailed);
        const std::string dump = Dump(*pFormula);
        EngineFreeFormula(pFormula);
        return dump;
    }

    // pszText printed after it was parsed ("error" when it does not parse).
    std::string Print(const char* pszText)
    {
        CompiledFormula* pFormula = EngineParseFormula(m_h, pszText);
        if (pFormula == nullptr)
            return "error";
        const std::string printed = S(EnginePrintFormula(pFormula));
        EngineFreeFormula(pFormula);
        return printed;
    }

    // When pszText parses: its printed text parses to the same items and prints the same again. The
    // alternative syntax is written for other programs: only the engine's own goes round.
    void ExpectRoundTrip(const char* pszText)
    {
        if (EngineState().m_bAltSyntax)
            return;
        CompiledFormula* pFirst = EngineParseFormula(m_h, pszText);
        if (pFirst == nullptr)
            return;
        const std::string printed = S(EnginePrintFormula(pFirst));
        CompiledFormula* pSecond = EngineParseFormula(m_h, printed.c_str());
        EXPECT_NE(pSecond, nullptr) << pszText << " printed as " << printed;
        if (pSecond != nullptr) {
            EXPECT_EQ(Dump(*pSecond), Dump(*pFirst)) << pszText << " printed as " << printed;
            EXPECT_EQ(S(EnginePrintFormula(pSecond)), printed) << pszText;
            EngineFreeFormula(pSecond);
        }
        EngineFreeFormula(pFirst);
    }

    struct Case {
        const char* pszText;
        const char* pszExpected;
    };
    // Expects outcome(text) to give each case's expected text, and each text to go round.
    template <class Outcome>
    void CheckCases(std::initializer_list<Case> cases, Outcome outcome)
    {
        for (const Case& c : cases) {
            EXPECT_EQ(outcome(c.pszText), c.pszExpected) << c.pszText;
            ExpectRoundTrip(c.pszText);
        }
    }

    // The value of pCell: "n:<%.15g>", "s:<text>", "e:<code>", "na" or "empty".
    static std::string ValueOf(const EngineCell* pCell)
    {
        char szNumber[40];
        switch (pCell->ValueKind()) {
        case kValueNumber:
            std::snprintf(szNumber, sizeof szNumber, "%.15g", pCell->value.dNumber);
            return std::string("n:") + szNumber;
        case kValueLongText:
        case kValueShortText: return std::string("s:") + EngineCellText(pCell);
        case kValueError: return "e:" + std::to_string(pCell->value.error.nCode);
        case kValueNotAvailable: return "na";
        default: return "empty";
        }
    }

    // Stores pszText at (nRow, nCol), computes it and gives its value (see ValueOf), or "parse error
    // <code>" when it does not parse.
    std::string Compute(int32_t nRow, int32_t nCol, const char* pszText)
    {
        EngineCell* pCell = EngineStoreFormula(m_h, nRow, nCol, pszText);
        if (pCell == nullptr)
            return "parse error " + std::to_string(EngineState().m_nLastError);
        EngineComputeCell(m_h, pCell);
        return ValueOf(pCell);
    }

    EngineCell* Cell(int32_t nRow, int32_t nCol) { return EngineFindCell(m_h, nRow, nCol); }

    static CellRangeRef Ref(const char* psz)
    {
        CellRangeRef ref = {};
        EXPECT_TRUE(EngineParseReference(psz, &ref)) << psz;
        return ref;
    }
};
