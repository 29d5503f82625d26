// The utility of an alternative in the final ranking: the sum over the criteria of the marginal value
// of its evaluation, read off the piecewise-linear value function of each criterion.
//
// The solve fills utilities only for the reference alternatives; the ranking chart and the results
// text rank every alternative, so they compute the utilities again from the criteria's breakpoints
// and values (which the marginal value chart may have edited since).
#pragma once

#include "core/CString.h"
#include "model/solve/SolverRecords.h"

#include <cstddef>

class CZQShellServices;
class Solver;

// Returns true when the value function of `criterion` can be read: at least one breakpoint, and as
// many breakpoints and values as the criterion's segments plus one.
bool HasReadableValueFunction(const CriterionRecord& criterion);

// Returns the value at x of the segment from (from, valueFrom) to (to, valueTo): valueFrom plus the
// share of the segment's range that x covers times the change of value. Taken from the segment's own
// breakpoint, so that evaluations far from 0 and close together keep the value between them (a slope
// times x, less the same near the breakpoint, would cancel most of it); a range past the largest
// double is measured in halves. A segment of no range (from == to) gives valueFrom.
double InterpolateOnSegment(double x, double from, double to, double valueFrom, double valueTo);

// Returns the marginal value of evaluation g on `criterion` (its value function readable): the first
// segment j holding g (for a gain criterion, direction 1, x[j] <= g < x[j + 1]; for any other the
// breakpoints run downwards and x[j] >= g > x[j + 1]) gives the linear interpolation of the values at
// its ends; a g on the worse side of the first breakpoint takes the first value; any other g (at or
// past the last breakpoint) the last value. The result is clamped to [0, 1], and a result that is not
// a number becomes 0. A segment whose two breakpoints are equal and equal to g holds g but has no
// slope: the marginal value is 0 and *degenerate (when given) is set to true; otherwise it is set
// to false.
double MarginalValue(const CriterionRecord& criterion, double g, bool* degenerate);

// Returns the utility of alternative a (an index of the Solver's model): the sum of the marginal
// values of its evaluations over the criteria, in order. For every degenerate segment met the shell
// shows "Internal error: gi_h1 == gi_h" (caption "Ondrix", OK button) and the sum goes on. Throws
// CInvalidArgException* naming a when it is not an alternative of the model, or naming the criterion
// whose value function cannot be read or that a's evaluations do not reach.
double AlternativeUtility(const Solver& solver, size_t a, CZQShellServices& shell);

// Empties rows and, for a Solver with results whose every criterion's value function can be read,
// appends [name, utility formatted with "%g"] for each alternative of its model, in order. Returns
// false, leaving rows empty and showing nothing, for a Solver without results, a criterion whose
// breakpoint or value count is not its segments plus one, or an alternative with fewer evaluations
// than criteria; true otherwise.
bool BuildUtilityRows(const Solver& solver, CZQShellServices& shell, std::vector<std::vector<CString>>& rows);
