// The plain records of one solve: a criterion, an alternative and a Kendall record.
//
// The project copies itself into them (CZQInterfaceData::PrepareSolver); the problem model owns the
// criterion and alternative records, the solver and the problem model each hold a Kendall record.
#pragma once

#include "core/CString.h"

#include <cstdint>
#include <vector>

// A square matrix of doubles, a vector of rows.
typedef std::vector<std::vector<double>> SolverMatrix;

// An n x n matrix of relation texts, row = first alternative: "P" (the row alternative is preferred),
// "P-" (the column alternative is), "I" (indifferent), "?" (either may be preferred) or empty.
typedef std::vector<std::vector<CString>> RelationMatrix;

// One criterion of the solve.
struct CriterionRecord {
    // Position in the project's criteria table.
    int32_t index = 0;
    CString name;
    // 1 for a criterion whose kind word is exactly "gain", -1 for every other kind ("cost", "rank").
    int32_t direction = 1;
    // The worst and best evaluation over all alternatives (minimum and maximum for direction 1, the
    // other way round for -1).
    double worst = 0.0;
    double best = 0.0;
    // The distinct evaluations of all alternatives, worst to best.
    std::vector<double> breakpoints;
    // The marginal value at each breakpoint (index 0 the worst), filled by the solve.
    std::vector<double> values;
    // The project's number of segments, then (number of breakpoints - 1) once the ranges are computed.
    int32_t segments = 0;
};

// One alternative of the solve.
struct AlternativeRecord {
    // Position in the project's alternatives table.
    int32_t index = 0;
    CString name;
    // One per criterion in criteria order; an ordinal evaluation is its scale position (1 the best).
    std::vector<double> evaluations;
    // Position among the reference alternatives (alternatives-table order, from 0), -1 outside the
    // reference ranking.
    int32_t referenceIndex = -1;
    // -1 outside the reference ranking, 1 a reference alternative of high credibility, 0 of low.
    int32_t credibility = -1;
    // The overall value from the solve, and as recomputed by the value-function check.
    double utility = 0.0;
    double recheckedUtility = 0.0;
};

// Three matrices and a value. In the problem model: first the reference preference matrix R, second
// the chain matrix C (both B x B over reference indices). In the solver: first the model preference
// matrix M of the reference alternatives, value the Kendall coefficient of the last solve. Copying
// copies everything.
struct KendallRecord {
    SolverMatrix first;
    SolverMatrix second;
    SolverMatrix third;
    double value = 0.0;
};
