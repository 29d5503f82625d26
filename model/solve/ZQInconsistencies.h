// ZQInconsistencies: finds the reference-ranking constraints to blame when the base program cannot
// represent the reference ranking without errors.
//
// The search first chooses one constraint whose removal lets every other one hold exactly, then
// enumerates, breadth first, sets of up to maxSetSize other constraints whose removal would serve
// instead. Both stages write trace lines to standard output ("added candidate: ", "-->",
// "solution found: ", "added candidate': "), as does the linear-programming library.
//
// Every base constraint is first written in "at least" form (an equality becomes two rows). A set T
// of rows is a solution when, without T, the chosen row's left-hand side can reach its right-hand side
// while every error is 0. An extension of a set is skipped when it contains a solution found so far
// or a candidate that stands after the set being extended (that candidate will be extended itself), so
// every set is tried once and no superset of a solution is tried.
#pragma once

#include "model/solve/LpProblem.h"

#include <cstdint>
#include <memory>
#include <vector>

class ZQInconsistencies {
public:
    // Everything empty; maxSetSize 3.
    ZQInconsistencies();
    virtual ~ZQInconsistencies();
    ZQInconsistencies(const ZQInconsistencies&) = delete;
    ZQInconsistencies& operator=(const ZQInconsistencies&) = delete;

    // First stage, on `base` (the base program as built: its reference rows, then the normalisation
    // row as the last row). Writes every reference row in "at least" form into inequalityRows and,
    // for h = 0, 1, ..., solves the program that maximises row h's left-hand side over all other
    // inequality rows, the normalisation row and every error at 0; the first such program with a
    // feasible point becomes `working`, row h's triple `chosen` and its right-hand side targetRhs.
    // Returns 1 when a constraint was chosen, 0 when none can be removed alone (or base holds no
    // reference row); working stays empty then. Throws CInvalidArgException* when base's rows and
    // senses differ in number or a row's length differs from the objective's plus 1.
    int ChooseConstraint();

    // Second stage, after a constraint was chosen: every set of up to maxSetSize of working's
    // constraint rows (all rows but the last two) is tried breadth first, singletons first, and those
    // whose removal lets the chosen row reach targetRhs (up to a rounding slack of 1e-9), or leaves it
    // unbounded, are added to solutions in the order found. Does nothing when no constraint was chosen.
    void EnumerateAlternatives();

    // The base program, copied in by the solve.
    LpProblem base;
    // The program of the chosen constraint: maximise its left-hand side over the other inequality rows
    // (each listed with its triple in constraintList) and the two fixed rows.
    LpProblem working;
    // The program of the last set tried.
    std::unique_ptr<LpProblem> trial;
    // The right-hand side of the chosen row.
    double targetRhs = 0.0;
    // The sets of working rows to try, in the order added, and the sets found to be solutions.
    std::vector<std::vector<int32_t>> candidates;
    std::vector<std::vector<int32_t>> solutions;
    // Per working row, 1 when the set being tried keeps it.
    std::vector<int32_t> mask;
    // The largest set tried.
    int32_t maxSetSize;
    // Every base constraint in "at least" form (coefficients, right-hand side) with its triple; after
    // the first stage, working's rows.
    std::vector<std::vector<double>> inequalityRows;
    std::vector<ConstraintTriple> inequalityTriples;
    // The normalisation row and the error-sum row (1.0 on every error column, right-hand side 0.0).
    std::vector<std::vector<double>> fixedRows;
    // The triple of the chosen constraint.
    ConstraintTriple chosen;
};
