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
    GX_ERR_INVALID_CHARACTER = 223,
    GX_ERR_TOKEN_OVERFLOW = 280
};

// The number of rows of the text table (codes 0 to 381).
constexpr int32_t kEngineErrorCount = 382;

// Returns the text of error code nCode: the text of row 0, "unknown error", for a code below 0 or
// above 381, and the empty text for a code whose row has none. The result points into a constant
// table that lives as long as the program: never free or change it.
const char* EngineErrorText(int32_t nCode);
