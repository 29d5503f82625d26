// The formula evaluator: the value of a compiled formula for a cell, storing it into the cell, and
// checking the cell's constraint.
//
// An error ends the evaluation of that formula only: it leaves as a C++ exception that the
// evaluation's entry catches, and the formula gives an error value of its code. Every text taken on
// the way is owned by a value that frees it, so an abandoned evaluation leaks nothing; evaluations
// nest (a worksheet function may evaluate again), each one restoring the state of the one it
// interrupted. A memory shortage during an evaluation gives error 5.
//
// Operands are read as the operators need them:
// - dereferencing a cell reference reads the cell: its number, a copy of its text, "not available",
//   error 133 raised for a cell holding an error, and for a missing or empty cell the number 0 when
//   blank cells count as zero, else an error value of code 60; ranges do not dereference;
// - a number operand takes numbers, dereferenced cells, and an empty text (or empty cell) as 0 when
//   blank cells count as zero; anything else is error 128, an error value raises its own code;
// - an integer operand is a number from -2147483648 to 4294967295, truncated and taken as 32 bits
//   (error 136 outside that, or for a number that is not finite).
// Strings compare by their bytes once trailing white space is left out, and a string is less than
// any number.
#pragma once

#include "grid/formula/GXCompiledFormula.h"
#include "grid/formula/GXEngineSheet.h"
#include "grid/formula/GXEvalValue.h"

// Evaluates item nRoot of pFormula for the cell at (nRow, nCol) of sheet h. Returns the value as the
// item gives it (a cell reference is not dereferenced; free a string with EngineFreeEvalValue); a
// raised error gives kEvalError with its code and value, and the code is also left in the engine
// state as the last error. An unknown sheet or a null formula throws CInvalidArgException*.
EvalValue EngineEvaluate(SheetHandle h, int32_t nRow, int32_t nCol, const CompiledFormula* pFormula, int16_t nRoot);

// Evaluates the value expression of pCell's formula and stores the result as the cell's value: a
// number, a text, "not available", an error (a range or a reference that cannot be read is error
// 149), or empty. The value is stored only when it differs from the old one (numbers by value, texts
// by their characters, errors by code and text), and then the cell is flagged as changed; a new error
// writes "Cell <column><row>: ERROR: <own text> <error text> " into the sheet's message slot when it
// is armed. Returns false, doing nothing, when the cell has no formula.
bool EngineComputeCell(SheetHandle h, EngineCell* pCell);

// Evaluates the constraint expression of pCell's formula: a number result of 0 flags the cell as
// violating its constraint, anything else clears the flag, and a change of the flag flags the cell as
// changed. Returns true when the constraint holds or the cell has none.
bool EngineCheckConstraint(SheetHandle h, EngineCell* pCell);
