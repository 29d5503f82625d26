// The formula printer: writes a compiled formula back as formula text, for a cell's edit text and for
// archives, keeping the parentheses the user wrote and adding none.
//
// It follows the printer switches of the engine state (GXEngineState.h):
// - the alternative syntax writes power as "^", and "#AND#", or "#OR#", not "#NOT#", equal "=", not
//   equal "<>", exclusive or "/*XOR*/", the broken reference "ERR", numbers written in hex in decimal,
//   and leaves out the dependency list and the comment;
// - lower-case function names, and "@" in front of function names (a function without arguments
//   then prints without "()").
//
// Two things differ from writing every operator with its own text, so that what is printed reads
// back as the same formula: a range formed when evaluated (a cell and a name or a function) is written
// with ':', since after ".." the name would scan together with the cell as one name; and a
// conditional's "?" before the error literal "??" is followed by a blank, since "???" scans as "??"
// and "?".
//
// The text is at most 511 characters: a longer one is cut there (and then no longer parses).
#pragma once

#include "grid/formula/GXCompiledFormula.h"

#include "core/CString.h"

// The longest printed formula.
constexpr int32_t kFormulaMaxText = 511;

// Returns the text of pFormula: empty when it is null or has no value expression; else "=" and the
// value expression, then ";" and the constraint when there is one, then (unless in the alternative
// syntax) a backslash and the dependency list, and "//" and the comment.
CString EnginePrintFormula(const CompiledFormula* pFormula);
