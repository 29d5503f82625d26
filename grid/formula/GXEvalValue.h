// EvalValue: what evaluating a formula item gives, and what a worksheet function takes and returns.
//
// A string value owns its text, a tracked allocation (GXEngineMemory.h): whoever holds the value frees
// it with EngineFreeEvalValue. The other kinds own nothing.
#pragma once

#include "grid/formula/GXCellRangeRef.h"

#include <cstdint>

struct FormulaItem;

// Kinds of an EvalValue.
enum : int32_t {
    kEvalNumber = 0,
    kEvalString = 1,        // owned text
    kEvalRange = 2,         // a block of cells
    kEvalCell = 3,          // one cell, read when the value is dereferenced
    kEvalByReference = 4,   // an argument passed unevaluated: the formula's items and its expression
    kEvalNotAvailable = 5,
    kEvalError = 6          // an error code and a second value of the error's own
};

struct EvalValue {
    int32_t nKind;
    union {
        double dNumber;
        char* pszText;
        CellRangeRef ref;
        struct {
            const FormulaItem* pItems;
            int16_t nItem;
        } arg;
        struct {
            int32_t nCode;
            int32_t nValue;
        } error;
    } u;
};
static_assert(sizeof(EvalValue) == 24, "an evaluation value takes 24 bytes");

// Frees the text of a string value and leaves the number 0 in its place; other kinds only become 0.
// Null does nothing.
void EngineFreeEvalValue(EvalValue* pValue);
