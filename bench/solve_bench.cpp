// The solve benchmark: solves generated consistent problems of growing size both ways the pairwise
// programs can be solved (each family warm-started on one problem object, or every program built
// anew) and prints, per size, the number of linear programs, the total solve time and the time per
// program of each way, and their ratio.
//
//   ondrix_solve_bench [n ...]      (default: 20 50 100 150 alternatives)
//
// Every problem has 5 criteria and n / 5 reference alternatives in n / 10 ranks, drawn from a fixed
// seed. The library's progress lines are sent to /dev/null while solving; the report goes to
// standard output. The graphs are not rendered (the shell names no TEMP directory).
#include "BenchShell.h"
#include "BenchMain.h"
#include "GeneratedProblem.h"

#include "core/CException.h"
#include "model/solve/Solver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

const uint64_t kSeed = 20240607;

// Sends standard output to /dev/null for its lifetime.
class QuietStdout {
public:
    QuietStdout()
    {
        std::fflush(stdout);
        m_saved = dup(1);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, 1);
            close(null);
        }
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        if (m_saved >= 0) {
            dup2(m_saved, 1);
            close(m_saved);
        }
    }
    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

private:
    int m_saved = -1;
};

struct Run {
    int result = 0;
    double seconds = 0.0;
    RelationMatrix strong, weak, complete;
    CString partialGraph;
};

// Generates the problem of size n and solves it with `method`; the solve alone is timed.
Run SolveOnce(int n, PairwiseMethod method)
{
    CZQInterfaceData project;
    BenchShell shell(&project, GenerateConsistentProblem(project, n, kSeed + uint64_t(n)));
    project.ProjectSolver = std::make_unique<Solver>();
    Run run;
    if (project.PrepareSolver() != 1)
        return run;
    Solver& solver = *project.ProjectSolver;
    solver.model.ComputeCriterionRanges();
    solver.pairwiseMethod = method;
    {
        QuietStdout quiet;
        const auto start = std::chrono::steady_clock::now();
        run.result = solver.Solve();
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    run.strong = solver.strongRelation;
    run.weak = solver.weakRelation;
    run.complete = solver.completeRelation;
    run.partialGraph = solver.partialGraphText;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    if (!BenchSizes(argc, argv, "ondrix_solve_bench", 10, {20, 50, 100, 150}, &sizes))
        return 2;

    std::printf("Solve benchmark: 5 criteria, n/5 reference alternatives in n/10 ranks, seed %llu + n\n",
                static_cast<unsigned long long>(kSeed));
    std::printf("%6s %9s | %12s %12s | %12s %12s | %7s %s\n", "n", "programs", "family s", "family ms/LP",
                "anew s", "anew ms/LP", "ratio", "results");
    int status = 0;
    for (int n : sizes) {
        try {
            const Run family = SolveOnce(n, PairwiseMethod::Family);
            const Run anew = SolveOnce(n, PairwiseMethod::BuildAnew);
            // Base, the strong and the weak pairs, and the Kendall-preserving program.
            const double programs = 2.0 + 2.0 * n * (n - 1.0);
            const bool same = family.result == 1 && anew.result == 1 && family.strong == anew.strong &&
                              family.weak == anew.weak && family.complete == anew.complete &&
                              family.partialGraph == anew.partialGraph;
            std::printf("%6d %9.0f | %12.3f %12.4f | %12.3f %12.4f | %6.2fx %s\n", n, programs, family.seconds,
                        1000.0 * family.seconds / programs, anew.seconds, 1000.0 * anew.seconds / programs,
                        anew.seconds / family.seconds,
                        family.result != 1 || anew.result != 1 ? "NOT CONSISTENT" : same ? "equal" : "DIFFERENT");
            std::fflush(stdout);
            if (!same)
                status = 1;
        } catch (CException* e) {
            BenchReportFailure("ondrix_solve_bench", n, e);
            status = 1;
        }
    }
    return status;
}
