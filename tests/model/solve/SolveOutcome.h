// The tests that compare ways of solving the pairwise programs (built anew, warm-started pieces, on one
// thread or more): a problem to solve, and everything a solve of it leaves.
#pragma once

#include "SolverFixture.h"

#include <functional>
#include <string>
#include <vector>

typedef std::function<void(bool weak, int32_t a, int32_t b, LpProblem& program)> PairwiseSeam;

// A problem to solve: how to fill the project, what to change in the Solver between its base program
// and the rest of the solve, and the test seam of its pairwise programs (the last two optional).
struct SolveCase {
    const char* name;
    std::function<void(SolverProject&)> fill;
    std::function<void(Solver&)> afterBase;
    PairwiseSeam seam;
};

// Everything a solve leaves that a window, a file or the terminal shows.
struct SolveOutcome {
    int32_t result = 0;
    SolverMatrix strongOptima, weakOptima;
    RelationMatrix strong, weak, complete;
    std::vector<std::string> renders;  // the dot texts and paths handed to the renderer
    std::vector<CString> excluded;
    std::vector<std::vector<double>> values;
    std::vector<double> utilities;
    KendallRecord kendall;
    std::string resultsText;  // empty when it could not be written
    std::string output;       // what the solve printed
};

// Solves the case as the solve driver does, its pairwise programs solved by `method` on `threads`
// threads, and returns what the solve left.
SolveOutcome SolveCaseWith(const SolveCase& problem, PairwiseMethod method, int32_t threads);
