// The two families of pairwise programs of a solve: built anew one by one, or cut into pieces that
// warm-start within themselves and run on several threads.
#include "model/solve/Solver.h"

#include "model/solve/ParallelPieces.h"

#include <cmath>
#include <limits>

namespace {

// The order in which a piece visits the other alternatives: a walk from alternative 0 that goes on
// each time to the nearest alternative not yet visited (by the sum of absolute differences of their
// coefficients on the step columns; the lowest index among equally near ones). Neighbours on the walk
// give neighbouring objectives, so each warm-started program starts close to its optimum.
std::vector<size_t> NeighbourWalk(const std::vector<std::vector<double>>& coefficients)
{
    const size_t n = coefficients.size();
    std::vector<size_t> walk;
    if (n == 0)
        return walk;
    std::vector<bool> visited(n, false);
    size_t current = 0;
    for (;;) {
        walk.push_back(current);
        visited[current] = true;
        if (walk.size() == n)
            return walk;
        size_t nearest = n;
        double nearestDistance = std::numeric_limits<double>::infinity();
        for (size_t candidate = 0; candidate < n; ++candidate) {
            if (visited[candidate])
                continue;
            double distance = 0.0;
            for (size_t i = 0; i < coefficients[current].size(); ++i)
                distance += std::fabs(coefficients[current][i] - coefficients[candidate][i]);
            if (nearest == n || distance < nearestDistance) {
                nearest = candidate;
                nearestDistance = distance;
            }
        }
        current = nearest;
    }
}

} // namespace

void Solver::SolvePairFamilies(SolverMatrix& strong, SolverMatrix& weak)
{
    const size_t n = model.alternatives.size();
    SolverMatrix optima[2] = {SolverMatrix(n, std::vector<double>(n, 0.0)), SolverMatrix(n, std::vector<double>(n, 0.0))};
    auto build = [this](bool isWeak, size_t l, size_t m) {
        ResetLps();
        if (isWeak)
            BuildWeakPairLp(int32_t(l), int32_t(m));
        else
            BuildPairLp(int32_t(l), int32_t(m));
    };

    if (pairwiseMethod == PairwiseMethod::BuildAnew) {
        for (bool isWeak : {false, true}) {
            for (size_t l = 0; l < n; ++l) {
                for (size_t m = 0; m < n; ++m) {
                    if (m == l)
                        continue;
                    build(isWeak, l, m);
                    LpProblem& lp = isWeak ? baseLp : pairLp;
                    if (beforePairwiseSolve)
                        beforePairwiseSolve(isWeak, int32_t(l), int32_t(m), lp);
                    optima[isWeak][l][m] = lp.Solve();
                }
            }
        }
    } else if (n >= 2) {
        // The rows of every program of a family are those of its first pair's; only the objective
        // U(l) - U(m) changes from pair to pair. The pieces read these and write only their own row
        // of optima (and the piece of l = n - 1 the family's last program).
        build(false, 0, 1);
        const LpProblem strongRows = pairLp;
        build(true, 0, 1);
        const LpProblem weakRows = baseLp;
        std::vector<std::vector<double>> coefficients;
        coefficients.reserve(n);
        for (size_t a = 0; a < n; ++a)
            coefficients.push_back(AlternativeCoefficients(int32_t(a)));
        const std::vector<size_t> walk = NeighbourWalk(coefficients);
        std::vector<size_t> place(n);
        for (size_t k = 0; k < n; ++k)
            place[walk[k]] = k;
        const size_t errors = size_t(ErrorColumnCount());
        LpProblem last[2];

        // Pieces 0 .. n - 1: the strong programs of l = piece; n .. 2n - 1: the weak ones of l = piece - n.
        RunPiecesInOrder(2 * n, threadCount, [&](size_t piece) {
            const bool isWeak = piece >= n;
            const size_t l = piece % n;
            LpProblem lp = isWeak ? weakRows : strongRows;
            LpFamily family;
            family.Load(lp);
            std::vector<double>& row = optima[isWeak][l];
            for (size_t k = 1; k < n; ++k) {
                const size_t m = walk[(place[l] + k) % n];
                lp.objective.assign(errors, 0.0);
                for (size_t i = 0; i < coefficients[l].size(); ++i)
                    lp.objective.push_back(coefficients[l][i] - coefficients[m][i]);
                if (beforePairwiseSolve)
                    beforePairwiseSolve(isWeak, int32_t(l), int32_t(m), lp);
                row[m] = family.Solve(lp);
                if (l == n - 1 && m == n - 2)
                    last[isWeak] = lp;
            }
        });
        pairLp = std::move(last[0]);
        baseLp = std::move(last[1]);
    }
    strong = std::move(optima[0]);
    weak = std::move(optima[1]);
}
