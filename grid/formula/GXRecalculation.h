// Recalculation of a sheet's formula cells: which cells a pass must compute, computing each after the
// formula cells it refers to, finding circular references, iterating over them, and counting the
// constraints that do not hold.
//
// A pass flags the formula cells that must be recalculated: every one while the recalculation list
// is empty, else those inside a listed range or referring (directly or through a name) to a cell of
// one. With the "every formula" method the pass then evaluates each formula cell with its
// precedents; with the "as needed" method cells are evaluated when their value is asked for
// (EngineEvaluateWithPrecedents). Each pass that found work raises the sheet's generation, and every
// computed cell takes the generation as its stamp, so that a later evaluation sees which precedents
// changed since.
//
// Precedents are walked from an explicit work list, not by recursion, so a dependency chain of any
// length evaluates without exhausting the stack. A precedent met while it is being evaluated closes a
// circular reference: every cell of that loop is flagged as part of a cycle and the sheet's
// cycle-found flag is set.
#pragma once

#include "grid/formula/GXEngineSheet.h"

// True when pCell must be recalculated: the recalculation list of sheet h is empty, or the cell lies
// in one of its ranges, or a cell or range reference of its formula (direct or through a name) meets
// one of them.
bool EngineMustRecalculate(SheetHandle h, const EngineCell* pCell);

// Evaluates pCell of sheet h after the formula cells it refers to outside its constraint (a cell
// already evaluated in this pass is left alone). A cell is computed when it is flagged as needing
// recalculation or one of its precedents carries a newer generation stamp; it then loses that flag
// and takes the sheet's generation as its stamp. Null does nothing.
void EngineEvaluateWithPrecedents(SheetHandle h, EngineCell* pCell);

// One recalculation pass over sheet h (see the top of this file). With constraint checking on, it
// then checks the constraint of every linked cell whose value is not an error and returns how many do
// not hold; one violation writes "There is 1 constraint violation!" into the message slot, more
// "There are <n> constraint violations!", when the slot is armed. Returns 0 when checking is off.
int32_t EngineRecalcPass(SheetHandle h);

// Recalculates sheet h. In manual mode it only empties the recalculation list. Otherwise one pass
// runs; when it found a circular reference, up to the iteration limit further passes follow,
// stopping early when constraint checking is on and a pass counts no violation. The recalculation
// list is emptied at the end.
void EngineRecalculate(SheetHandle h);

// Recalculates sheet h as in automatic mode whatever its mode, and leaves the mode as it was.
void EngineForceRecalculate(SheetHandle h);

// Recalculates sheet h, with its pools locked, by the method "every formula" whatever its method, and
// leaves the method as it was.
void EngineRecalculateEveryFormula(SheetHandle h);
