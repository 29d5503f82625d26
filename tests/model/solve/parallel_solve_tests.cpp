// A solve whose pairwise families run on several threads gives, to the last bit, what it gives on one
// thread, prints the same lines, and ends as it does on one thread when a piece of its work fails.
#include "GeneratedProblem.h"
#include "SolveOutcome.h"
#include "StandardOutputCapture.h"

#include "core/CException.h"

#include <limits>
#include <new>
#include <string>

namespace {

const uint64_t kSeed = 20240607;
const int32_t kThreadCounts[] = {2, 3, 4, 8};

// n generated alternatives, and copies of the first two under names of their own outside the
// reference ranking, so that some alternatives tie on every criterion.
void GeneratedWithTies(SolverProject& p, int n)
{
    p.shell.referenceTree = GenerateConsistentProblem(p.project, n, kSeed + uint64_t(n));
    for (int i = 1; i <= 2; ++i) {
        ZQRow evaluations = p.project.EvaluationsTable[size_t(i)];
        evaluations[0] = "copy of " + evaluations[0];
        p.project.EvaluationsTable.push_back(evaluations);
        p.project.AlternativesTable.push_back(ZQRow{evaluations[0], "", ""});
    }
}

// The solve of `problem` with its pairwise families on `threads` threads.
SolveOutcome SolveOn(const SolveCase& problem, int32_t threads)
{
    return SolveCaseWith(problem, PairwiseMethod::Family, threads);
}

// Exactly equal, doubles included.
void ExpectSame(const SolveOutcome& a, const SolveOutcome& b)
{
    EXPECT_EQ(a.result, b.result);
    EXPECT_EQ(a.strongOptima, b.strongOptima);
    EXPECT_EQ(a.weakOptima, b.weakOptima);
    EXPECT_EQ(a.strong, b.strong);
    EXPECT_EQ(a.weak, b.weak);
    EXPECT_EQ(a.complete, b.complete);
    EXPECT_EQ(a.renders, b.renders);
    EXPECT_EQ(a.excluded, b.excluded);
    EXPECT_EQ(a.values, b.values);
    EXPECT_EQ(a.utilities, b.utilities);
    EXPECT_EQ(a.kendall.first, b.kendall.first);
    EXPECT_EQ(a.kendall.value, b.kendall.value);
    EXPECT_EQ(a.resultsText, b.resultsText);
    EXPECT_TRUE(a.output == b.output) << "the solves printed different lines";
}

TEST(ParallelSolve, GivesWhatOneThreadGivesToTheLastBit)
{
    const SolveCase problems[] = {
        {"ranked pair on a gain and a cost, y of low credibility",
         [](SolverProject& p) {
             p.RankedPairOnGainAndCost();
             p.project.CredibilityList = {"x"};
             p.project.CredibilityDefined = 1;
         }},
        {"20 generated alternatives and two ties", [](SolverProject& p) { GeneratedWithTies(p, 20); }},
        {"30 generated alternatives and two ties", [](SolverProject& p) { GeneratedWithTies(p, 30); }},
        {"weak programs unbounded (the base rows without their normalisation)",
         [](SolverProject& p) { p.RankedPairOnGainAndCost(); },
         [](Solver& solver) {
             solver.savedBaseRows.pop_back();
             solver.savedBaseSenses.pop_back();
             LpProblem& lp = solver.baseLp;
             solver.BuildWeakPairLp(0, 1);  // x over y, ahead of it on g
             lp.Solve();
             EXPECT_EQ(lp.unbounded, 1);
         }},
        {"one program refused (a weak pair's objective not a number)", [](SolverProject& p) { GeneratedWithTies(p, 20); },
         nullptr,
         [](bool weak, int32_t a, int32_t b, LpProblem& program) {
             if (weak && a == 3 && b == 1)
                 program.objective.back() = std::numeric_limits<double>::quiet_NaN();
         }},
    };
    for (const SolveCase& problem : problems) {
        SCOPED_TRACE(problem.name);
        const SolveOutcome one = SolveOn(problem, 1);
        ASSERT_EQ(one.result, 1);
        EXPECT_FALSE(one.resultsText.empty());
        for (int32_t threads : kThreadCounts) {
            SCOPED_TRACE(testing::Message() << threads << " threads");
            ExpectSame(SolveOn(problem, threads), one);
        }
    }
}

TEST(ParallelSolve, PrintsTheLibrarysLinesOfEveryProgramWhole)
{
    // Every program's lines, whole: the one-thread solve prints the base program, the 2 x 22 x 21
    // pairwise programs and the Kendall-preserving one.
    const SolveOutcome one = SolveOn({"", [](SolverProject& p) { GeneratedWithTies(p, 20); }}, 1);
    size_t programs = 0;
    for (size_t at = 0; (at = one.output.find("GLPK Simplex Optimizer", at)) != std::string::npos; ++at)
        ++programs;
    EXPECT_EQ(programs, 2u + 2u * 22u * 21u);
    size_t optimal = 0;
    for (size_t at = 0; (at = one.output.find("\nOPTIMAL LP SOLUTION FOUND\n", at)) != std::string::npos; ++at)
        ++optimal;
    EXPECT_EQ(optimal, programs);
}

// How a solve ended that threw.
struct Failure {
    std::string thrown;  // the exception's class, "std::bad_alloc", or "nothing"
    std::string message;
    std::string output;
    bool leftResults = false;  // any result written: a flag, a matrix, a graph text or a render
};

Failure FailOn(const PairwiseSeam& seam, int32_t threads)
{
    SolverProject p;
    GeneratedWithTies(p, 20);
    Solver& solver = p.Ready();
    solver.threadCount = threads;
    solver.beforePairwiseSolve = seam;
    Failure f;
    StandardOutputCapture output;
    try {
        solver.Solve();
        f.thrown = "nothing";
    } catch (CException* e) {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof text);
        f.thrown = e->GetRuntimeClass()->m_lpszClassName;
        f.message = text;
        e->Delete();
    } catch (const std::bad_alloc&) {
        f.thrown = "std::bad_alloc";
    }
    f.output = output.Finish();
    f.leftResults = solver.HasResults() || !solver.strongOptima.empty() || !solver.weakOptima.empty() ||
                    !solver.strongRelation.empty() || !solver.weakRelation.empty() ||
                    !solver.partialGraphText.IsEmpty() || !p.shell.Renders().empty();
    return f;
}

TEST(ParallelSolve, AFailingPieceEndsTheSolveAsOnOneThread)
{
    const struct {
        const char* name;
        PairwiseSeam seam;
        const char* thrown;
        const char* message;
    } cases[] = {
        {"exceptions in a strong and in a weak piece: the strong pieces come first",
         [](bool weak, int32_t a, int32_t b, LpProblem&) {
             if (!weak && a == 7 && b == 3)
                 AfxThrowInvalidArgFormat("the strong pair %d, %d failed", a, b);
             if (weak && a == 2 && b == 5)
                 AfxThrowInvalidArgFormat("the weak pair %d, %d failed", a, b);
         },
         "CInvalidArgException", "Invalid argument: the strong pair 7, 3 failed."},
        {"an allocation failure of the class library in a weak piece",
         [](bool weak, int32_t a, int32_t b, LpProblem&) {
             if (weak && a == 4 && b == 9)
                 AfxThrowMemoryException();
         },
         "CMemoryException", "Out of memory."},
        {"an allocation failure of the standard library in the last piece",
         [](bool weak, int32_t a, int32_t, LpProblem&) {
             if (weak && a == 21)
                 throw std::bad_alloc();
         },
         "std::bad_alloc", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Failure one = FailOn(c.seam, 1);
        EXPECT_EQ(one.thrown, c.thrown);
        EXPECT_EQ(one.message, c.message);
        EXPECT_FALSE(one.leftResults);
        for (int32_t threads : kThreadCounts) {
            SCOPED_TRACE(testing::Message() << threads << " threads");
            const Failure many = FailOn(c.seam, threads);
            EXPECT_EQ(many.thrown, one.thrown);
            EXPECT_EQ(many.message, one.message);
            EXPECT_FALSE(many.leftResults);
            EXPECT_TRUE(many.output == one.output) << "the solves printed different lines";
        }
    }
}

} // namespace
