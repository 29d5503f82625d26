// CompiledFormula and FormulaItem: a formula as the parser leaves it, a flat array of items whose
// links (item indexes) form the expression trees of the value, the constraint and the dependency list.
//
// The engine's cells own their compiled formula; copying or freeing a cell copies or frees it here.
// The item array, the texts of string and name-text items and the comment are tracked allocations
// (GXEngineMemory.h). Named-cell and named-range items point at the sheet's RangeName records, which
// the formula does not own; function-call items point at the function table's descriptors.
#pragma once

#include "grid/formula/GXCellRangeRef.h"

#include <cstdint>

struct RangeName;
struct GXFunctionDesc;

// Item kinds.
enum : uint8_t {
    kItemOperator = 0,    // links: left and right operand (unary: right only); payload: operator code
    kItemNumber = 1,      // payload: the number
    kItemString = 2,      // payload: owned text, escapes decoded
    kItemCell = 3,        // payload: the reference
    kItemRange = 4,       // payload: the reference
    kItemNameText = 5,    // payload: owned text of a name not resolved yet
    kItemNamedCell = 6,   // payload: the RangeName (a single cell)
    kItemNamedRange = 7,  // payload: the RangeName, null when the name is undefined
    kItemFunction = 8,    // second link: the first argument link; payload: the function descriptor
    kItemArgument = 9,    // first link: the argument's expression; second link: the next argument link;
                          // payload: the type code of the argument's parameter
    kItemOffset = 10,     // payload: item indexes of the column and row offset expressions (-1: none)
    kItemBranches = 11    // first link: the "then" expression; second link: the "else" expression
};

// Operator codes of operator items. A unary operator (plus, negate, not, bitwise not, percent) holds
// its operand in the second link; the conditional holds the condition in the first and a branches
// item in the second; the broken reference (a reference moved off the sheet) has no operand.
enum : int32_t {
    kOpAdd = 0,
    kOpSubtract = 1,
    kOpPlus = 2,
    kOpNegate = 3,
    kOpMultiply = 4,
    kOpDivide = 5,
    kOpPower = 6,
    kOpModulo = 7,
    kOpAnd = 8,
    kOpOr = 9,
    kOpNot = 10,
    kOpJoin = 11,  // joins two strings, or the bitwise and of two numbers
    kOpBitOr = 12,
    kOpBitXor = 13,
    kOpBitNot = 14,
    kOpShiftLeft = 15,
    kOpShiftRight = 16,
    kOpEqual = 17,
    kOpNotEqual = 18,
    kOpLess = 19,
    kOpGreater = 20,
    kOpLessEqual = 21,
    kOpGreaterEqual = 22,
    kOpConditional = 23,
    kOpRange = 24,  // a range from two cells known only when evaluated
    kOpPercent = 25,
    kOpBrokenRef = 26,
    kOperatorCount = 27
};

// Item flags.
enum : uint8_t {
    kItemParenthesised = 1u << 0,  // written in parentheses
    kItemHex = 1u << 1,            // a number written in hex
    kItemByReference = 1u << 2,    // an argument passed by reference
    kItemXValueArg = 1u << 4       // the first argument of the function named "XVALUE"
};

struct FormulaItem {
    uint8_t nKind;
    uint8_t nFlags;
    int16_t nLink1;  // -1: none
    int16_t nLink2;  // -1: none
    union {
        int32_t nOperator;
        double dNumber;
        char* pszText;
        CellRangeRef ref;
        RangeName* pName;
        const GXFunctionDesc* pFunction;
        int32_t nParamType;
        struct {
            int16_t nColumn;
            int16_t nRow;
        } offset;
    } u;
};
static_assert(sizeof(FormulaItem) == 24, "a formula item takes 24 bytes");

struct CompiledFormula {
    int16_t nValueRoot;       // root item of the value expression, -1: none
    int16_t nConstraintRoot;  // root item of the constraint expression, -1: none
    int16_t nDependencies;    // first item of the dependency list, -1: none
    int16_t nItems;
    FormulaItem* pItems;      // nItems items (tracked)
    char* pszComment;         // tracked text, or null
};

// True for the items whose text the formula owns (strings and name texts).
inline bool EngineItemOwnsText(const FormulaItem& item)
{
    return item.nKind == kItemString || item.nKind == kItemNameText;
}

// Returns a tracked copy of *pFormula with its own item array, item texts and comment (references
// to names and function descriptors are shared). Null gives null. Throws CMemoryException* when the
// memory cannot be had (nothing is left allocated then).
CompiledFormula* EngineCopyFormula(const CompiledFormula* pFormula);

// Frees a formula made by the parser or by EngineCopyFormula, with its item array, item texts and
// comment. Null does nothing.
void EngineFreeFormula(CompiledFormula* pFormula);
