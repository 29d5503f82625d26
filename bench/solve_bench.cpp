// The solve benchmark: solves generated consistent problems of growing size both ways the pairwise
// programs can be solved (every program built anew, and the warm-started pieces of the families on
// one thread and on more) and prints, per size, the number of linear programs, and for each way the
// total solve time, the time per program and how many times faster it is than building anew and
// than the warm-started pieces on one thread.
//
//   ondrix_solve_bench [--threads N,N...] [n ...]
//
// Defaults: 20 50 100 150 alternatives; 2, 4 and the machine's hardware concurrency threads beside
// the one-thread solve, which every other is compared with. Every problem has 5 criteria and n / 5
// reference alternatives in n / 10 ranks, drawn from a fixed seed. The library's progress lines are
// sent to /dev/null while solving; the report goes to standard output. The graphs are not rendered:
// the shell keeps the dot texts it is asked to render, to compare them.
//
// A solve on more threads says "equal" when everything it produced is identical to the one-thread
// solve, to the last bit: the result, both families' optima, the three relations (and so the
// comparison matrix), both graph texts, the excluded names, the value functions, the utilities (and
// so the final ranking and the results text) and the Kendall record. Building anew takes
// other pivots, so it says "same relations" when its relations and graph texts are identical and its
// optima within 1e-9. The program ends with status 1 when any solve says neither.
#include "BenchShell.h"
#include "BenchMain.h"
#include "GeneratedProblem.h"

#include "core/CException.h"
#include "model/solve/Solver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <thread>
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

// What one solve produced, and how long it took.
struct Run {
    double seconds = 0.0;
    int result = 0;
    SolverMatrix strongOptima, weakOptima;
    RelationMatrix strong, weak, complete;
    std::vector<CString> graphs, excluded;
    std::vector<std::vector<double>> values;
    std::vector<double> utilities;
    KendallRecord kendall;
};

// Generates the problem of size n and solves it with `method` on `threads` threads; the solve alone
// is timed.
Run SolveOnce(int n, PairwiseMethod method, int threads)
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
    solver.threadCount = threads;
    {
        QuietStdout quiet;
        const auto start = std::chrono::steady_clock::now();
        run.result = solver.Solve();
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    run.strongOptima = solver.strongOptima;
    run.weakOptima = solver.weakOptima;
    run.strong = solver.strongRelation;
    run.weak = solver.weakRelation;
    run.complete = solver.completeRelation;
    run.graphs = shell.renders;
    run.excluded = solver.model.excludedNames;
    for (const auto& criterion : solver.model.criteria)
        run.values.push_back(criterion->values);
    for (const auto& alternative : solver.model.alternatives)
        run.utilities.push_back(alternative->utility);
    run.kendall = solver.kendall;
    return run;
}

bool SameRelations(const Run& a, const Run& b)
{
    return a.result == 1 && b.result == 1 && a.strong == b.strong && a.weak == b.weak && a.complete == b.complete &&
           a.graphs == b.graphs && a.excluded == b.excluded;
}

bool Near(const SolverMatrix& a, const SolverMatrix& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size())
            return false;
        for (size_t j = 0; j < a[i].size(); ++j) {
            if (!(std::fabs(a[i][j] - b[i][j]) <= 1e-9))
                return false;
        }
    }
    return true;
}

// Identical to the last bit (no result here can be a NaN, which would never compare equal).
bool Identical(const Run& a, const Run& b)
{
    return SameRelations(a, b) && a.strongOptima == b.strongOptima && a.weakOptima == b.weakOptima &&
           a.values == b.values && a.utilities == b.utilities && a.kendall.first == b.kendall.first &&
           a.kendall.value == b.kendall.value;
}

// Reads "N,N,..." into counts of at least 1; false when it is anything else.
bool ParseThreads(const char* text, std::vector<int>& threads)
{
    threads.clear();
    for (const char* p = text; *p != '\0';) {
        char* end = nullptr;
        const long count = std::strtol(p, &end, 10);
        if (end == p || count < 1 || count > 1024)
            return false;
        threads.push_back(int(count));
        p = *end == ',' ? end + 1 : end;
        if (*end != ',' && *end != '\0')
            return false;
    }
    return !threads.empty();
}

void PrintRow(const char* way, int threads, const Run& run, double programs, const Run& anew, const Run& one,
              const char* verdict)
{
    std::printf("%6s %-12s %7d | %9.3f %9.4f | %7.2fx %7.2fx | %s\n", "", way, threads, run.seconds,
                1000.0 * run.seconds / programs, anew.seconds / run.seconds, one.seconds / run.seconds, verdict);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    std::vector<int> threads;
    // "--threads N,N..." may stand anywhere; what remains names the sizes
    std::vector<char*> rest = {argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--threads") == 0) {
            if (i + 1 >= argc || !ParseThreads(argv[i + 1], threads)) {
                std::fprintf(stderr, "ondrix_solve_bench: --threads takes thread counts such as 2,4,8, not '%s'\n",
                             i + 1 < argc ? argv[i + 1] : "");
                return 2;
            }
            ++i;
            continue;
        }
        rest.push_back(argv[i]);
    }
    if (!BenchSizes(int(rest.size()), rest.data(), "ondrix_solve_bench", 10, {20, 50, 100, 150}, &sizes))
        return 2;
    const int machine = int(std::thread::hardware_concurrency());
    if (threads.empty())
        threads = {2, 4, std::max(machine, 1)};
    std::sort(threads.begin(), threads.end());
    threads.erase(std::unique(threads.begin(), threads.end()), threads.end());
    threads.erase(std::remove(threads.begin(), threads.end(), 1), threads.end());

    std::printf("Solve benchmark: 5 criteria, n/5 reference alternatives in n/10 ranks, seed %llu + n; "
                "hardware concurrency %d\n",
                static_cast<unsigned long long>(kSeed), machine);
    std::printf("%6s %-12s %7s | %9s %9s | %8s %8s | %s\n", "n", "pairwise", "threads", "solve s", "ms/LP",
                "vs anew", "vs 1 th.", "results");
    int status = 0;
    for (int n : sizes) {
        try {
            // Base, the strong and the weak pairs, and the Kendall-preserving program.
            const double programs = 2.0 + 2.0 * n * (n - 1.0);
            std::printf("%6d %.0f linear programs\n", n, programs);
            const Run anew = SolveOnce(n, PairwiseMethod::BuildAnew, 1);
            const Run one = SolveOnce(n, PairwiseMethod::Family, 1);
            const bool consistent = anew.result == 1 && one.result == 1;
            const bool anewSame = consistent && SameRelations(anew, one) && Near(anew.strongOptima, one.strongOptima) &&
                                  Near(anew.weakOptima, one.weakOptima);
            PrintRow("built anew", 1, anew, programs, anew, one,
                     !consistent ? "NOT CONSISTENT" : anewSame ? "same relations" : "DIFFERENT");
            PrintRow("warm pieces", 1, one, programs, anew, one, consistent ? "(the reference)" : "NOT CONSISTENT");
            status |= anewSame ? 0 : 1;
            for (int count : threads) {
                const Run parallel = SolveOnce(n, PairwiseMethod::Family, count);
                const bool equal = consistent && Identical(parallel, one);
                PrintRow("warm pieces", count, parallel, programs, anew, one, equal ? "equal" : "DIFFERENT");
                status |= equal ? 0 : 1;
            }
        } catch (CException* e) {
            BenchReportFailure("ondrix_solve_bench", n, e);
            status = 1;
        }
    }
    return status;
}
