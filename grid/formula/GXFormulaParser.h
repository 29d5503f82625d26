// The formula parser: turns a formula text into a CompiledFormula by recursive descent over the
// scanner's tokens, one function per precedence level, binary operators grouping to the left.
//
//   formula     "=" expression [";" expression] ["\" dependency {"," dependency}] [comment] end
//   dependency  cell [(":" | ".." | ".") cell] | name
//   expression  or ["?" expression ":" expression]
//   or ||, and &&, bit-or |, bit-xor ^, bit-and &, equality (= == != <>), relational (< > <= >=),
//   shift (<< >>), additive (+ -), multiplicative (* / %), each over the next level
//   unary       [+ | - | ! | ~] power          (one prefix operator at most)
//   power       postfix {"**" postfix}
//   postfix     primary ["%"]                  (percent when no operand follows the "%", else modulo)
//   primary     "#" ["{" expression ["," expression] "}"] | "(" expression ")" | cell [range-tail]
//               | name "(" arguments ")" | name | function ["(" arguments ")"] | string | number
//               | hex number | "??"
//   range-tail  (":" | ".." | ".") (cell | name | name "(" arguments ")" | function "(" arguments ")")
//
// Cell names must read as references (else error 226); names resolve against the sheet's named
// ranges (281 when undefined) and functions against the installed function table (227 when missing;
// 229 and 230 for argument counts that do not match its parameters). A range tail between two cells
// makes one range item; any other range tail an operator item that forms the range when evaluated.
//
// A formula holds at most 200 items, and expressions nest at most 200 deep (parentheses, arguments,
// offsets and branches); beyond either the parse fails with 280, so no text can exhaust the stack.
#pragma once

#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineSheet.h"

// The most items a formula holds, and the deepest expressions nest.
constexpr int32_t kFormulaMaxItems = 200;
constexpr int32_t kFormulaMaxNesting = 200;

// Parses pszText (null: "") for sheet h. Returns a new formula (free it with EngineFreeFormula), or
// null when the text does not parse. Either way the engine state receives the failure flag, the error
// code (0 after a success) and the position of the token where the error was found. An unknown sheet
// throws CInvalidArgException*.
CompiledFormula* EngineParseFormula(SheetHandle h, const char* pszText);
