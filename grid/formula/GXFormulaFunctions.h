// What a host's worksheet-function table (GXFunctionTable, GXEngineState.h) hands the engine: one
// descriptor per function, with its parameters and its entry point, and how the evaluator calls it.
//
// The parser looks a function up by its upper-case name and matches the arguments against the
// parameters in order: an optional parameter may be left out; from the first repeating parameter on,
// the parameters of the descriptor's tail repeat over all remaining arguments. Each argument takes its
// parameter's type code and its by-reference flag.
//
// The evaluator evaluates every argument in order, except by-reference ones, which the entry point
// receives unevaluated (kEvalByReference). An argument of type code 0, 1 or 2 arrives as a number:
// it is dereferenced and a string read as a number in the C locale; an error value raises its own
// code, and any other value is error 128.
// Arguments of other type codes arrive as they were evaluated (a string, a cell or a range, ...).
// The engine itself never installs a table, so without a host every function call is error 227.
#pragma once

#include "grid/formula/GXEngineSheet.h"
#include "grid/formula/GXEvalValue.h"

#include <cstdint>

// Parameter flags: bit 0 passes the argument by reference; bits 1-2 say how often it stands.
enum : uint8_t {
    kParamByReference = 1u << 0,
    kParamCountMask = 3u << 1,
    kParamRepeats = 2u << 1,
    kParamOptional = 3u << 1
};

// The most arguments a call may have.
constexpr int32_t kFunctionMaxArgs = 100;

struct GXFunctionParam {
    uint8_t nType;   // 0, 1, 2: a number; any other code is the host's
    uint8_t nFlags;
};

// The call an entry point serves: the sheet and the cell being evaluated, and the arguments (owned
// by the evaluator, valid during the call only).
struct GXFunctionCall {
    SheetHandle h;
    int32_t nRow;
    int32_t nCol;
    int32_t nArgs;
    const EvalValue* pArgs;
};

// An entry point writes its result into *pResult, which comes in as "not available". A string
// result is copied by the evaluator: the text stays the entry point's own. An entry point reports a
// failure with EngineRaiseError.
typedef void (*GXFunctionEntry)(const GXFunctionCall& call, EvalValue* pResult);

struct GXFunctionDesc {
    const char* pszName;            // upper case; a name beginning with '@' prints as it stands
    GXFunctionEntry pfnEntry;       // null: the function has no entry point and gives "not available"
    int32_t nParams;
    const GXFunctionParam* pParams;
};

// Ends the evaluation that runs now with error nCode (and a value of the error's own): the formula
// being evaluated gives an error value of that code. For entry points; called while no evaluation
// runs it throws CInvalidArgException*.
[[noreturn]] void EngineRaiseError(int32_t nCode, int32_t nValue = 0);
