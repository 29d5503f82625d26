// The formula engine's error codes and their English texts.
//
// Every failure of the formula engine (scanner, parser, evaluator) is an integer code. The text table
// has one row for every code from 0 to 381, including codes that only a worksheet-function library
// or another host would raise; the rows without a text share one empty text. Messages put a code's
// text into "ERROR: %s (Pos %d)" or "ERROR: %s %s ".
#pragma once

#include <cstdint>

// The codes the engine itself raises; every other code is known only by its text.
enum EngineErrorCode : int32_t {
    GX_ERR_UNKNOWN = 0,
    GX_ERR_OUT_OF_MEMORY = 5,
    // evaluator
    GX_ERR_NOT_FINITE = 40,             // a number constant that is not finite
    GX_ERR_BLANK_CELL = 60,             // an empty cell read while blank cells do not count as zero
    GX_ERR_DIVIDE_BY_ZERO = 70,         // also the failures of the power operator
    GX_ERR_BROKEN_REFERENCE = 89,
    GX_ERR_JOIN_OPERAND = 91,           // 90 to 96 name the operator whose operand cannot be read
    GX_ERR_OFFSET_OUTSIDE = 110,
    GX_ERR_MODULO_BY_ZERO = 122,
    GX_ERR_NON_NUMERIC = 128,
    GX_ERR_OPERAND_HOLDS_ERROR = 133,
    GX_ERR_LARGER_THAN_32_BITS = 136,
    GX_ERR_JOIN_TYPES = 140,
    GX_ERR_RANGE_OPERANDS = 141,
    GX_ERR_RESULT_IS_RANGE = 149,
    GX_ERR_STRING_TOO_LONG = 150,
    // scanner and parser
    GX_ERR_INVALID_CHARACTER = 223,
    GX_ERR_UNEXPECTED = 225,
    GX_ERR_CELL_OUT_OF_RANGE = 226,
    GX_ERR_UNDEFINED_FUNCTION = 227,
    GX_ERR_TOO_MANY_ARGUMENTS = 229,
    GX_ERR_TOO_FEW_ARGUMENTS = 230,
    GX_ERR_EXPECTED_TOKEN = 231,        // plus the type of the token expected
    GX_ERR_EXPECTED_OPERAND = 274,
    GX_ERR_EXPECTED_RANGE_END = 275,
    GX_ERR_INVALID_OPERATOR = 278,
    GX_ERR_TOKEN_OVERFLOW = 280,        // also too many items, or expressions nested too deep
    GX_ERR_UNDEFINED_NAME = 281,        // also a number constant that is not finite
    GX_ERR_UNRESOLVED_NAME = 283,
    GX_ERR_UNCONSUMED = 284             // an item that cannot be evaluated
};

// The number of rows of the text table (codes 0 to 381).
constexpr int32_t kEngineErrorCount = 382;

// Returns the text of error code nCode: the text of row 0, "unknown error", for a code below 0 or
// above 381, and the empty text for a code whose row has none. The result points into a constant
// table that lives as long as the program: never free or change it.
const char* EngineErrorText(int32_t nCode);
