// ProblemModel: the decision problem as one solve sees it, a member of the Solver.
//
// It owns the criterion and alternative records that CZQInterfaceData::PrepareSolver creates, holds
// the reference preference matrix R and the chain matrix C of the reference ranking, and derives each
// criterion's breakpoints, the grid every linear program of the solve is written on.
#pragma once

#include "model/solve/SolverRecords.h"

#include <cstdint>
#include <memory>
#include <vector>

class ProblemModel {
public:
    ProblemModel() = default;
    ProblemModel(const ProblemModel&) = delete;
    ProblemModel& operator=(const ProblemModel&) = delete;

    // For every criterion: worst and best over all alternatives' evaluations, the breakpoints (the
    // distinct evaluations, worst to best, replacing any earlier ones) and segments = breakpoints - 1.
    // A criterion on which every alternative has the same evaluation gets one breakpoint and 0
    // segments; with no alternatives a criterion gets no breakpoint and 0 segments. Throws
    // CInvalidArgException* naming the alternative whose evaluations are fewer than the criteria, or
    // whose evaluation is not a finite number.
    void ComputeCriterionRanges();

    // Returns the segment s of alternative a's evaluation x on criterion k: the s with x within
    // [breakpoints[s], breakpoints[s + 1]], the best value in the last segment (number of breakpoints
    // - 2). Returns -1 when x lies before the first breakpoint, for a criterion without a segment (one
    // breakpoint), and for a direction other than 1 and -1; -2 when there is no breakpoint and x is the
    // best value. The result is never a segment the criterion does not have. Throws
    // CInvalidArgException* naming k or a when either is not an index of the model.
    int32_t FindSegment(int32_t k, int32_t a) const;

    // The criteria in the project's criteria order.
    std::vector<std::unique_ptr<CriterionRecord>> criteria;
    // The alternatives in the project's alternatives order.
    std::vector<std::unique_ptr<AlternativeRecord>> alternatives;
    // first: R, second: C (B x B over reference indices); third and value stay empty.
    KendallRecord reference;
    // Node identifiers of the alternatives the weak graph leaves out, filled by the solve.
    std::vector<CString> excludedNames;
};
