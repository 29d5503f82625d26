// The solve driver: what the shell sees of a solve (messages, flags, status text, result windows),
// the value functions it copies out, and what is left after a refused or inconsistent solve.
#include "FileTestSupport.h"
#include "SolverFixture.h"
#include "TableText.h"

#include "core/CException.h"
#include "model/solve/LpProblem.h"

#include <glpk.h>

#include <atomic>
#include <exception>
#include <functional>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

const char* const kRefused = "ShowMessage(Error! Incorrect input data!, Ondrix, 48)";

// The value functions as (x, y) pairs per criterion.
std::vector<std::vector<std::pair<double, double>>> Points(const std::vector<std::vector<ValuePoint>>& functions)
{
    std::vector<std::vector<std::pair<double, double>>> points;
    for (const auto& function : functions) {
        points.emplace_back();
        for (const ValuePoint& point : function)
            points.back().emplace_back(point.x, point.y);
    }
    return points;
}

struct SolveDriverTest : SolverFixture {
    ScratchDir dir;
};

// The ranked pair on a gain and a cost solved through the driver: the flag, the status text, the
// windows in order, the value functions, the ranking rows and the results text.
void ExpectGainAndCostSolved(CZQInterfaceData& project, FakeShell& shell, const ScratchDir& dir)
{
    EXPECT_EQ(shell.ActionsBesideRenders(),
              (Calls{"BeginWaitCursor()", "SetResultsAvailable(1)", "SetStatusText(1.000)",
                     "OpenNewDocument(ComparisonMatrix)", "TileWindowsHorizontally()", "LoadMatrix()",
                     "OpenNewDocument(RankingChart)", "TileWindowsHorizontally()", "SetStatusText(1.000)",
                     "RedrawRankingChart()", "OpenNewDocument(PreferenceGraphs)", "TileWindowsHorizontally()",
                     "RefreshGraphPage()", "EndWaitCursor()"}));
    EXPECT_EQ(shell.resultsAvailable, 1);
    EXPECT_EQ(shell.waitCursorDepth, 0);
    ASSERT_TRUE(project.ProjectSolver);
    EXPECT_EQ(project.ProjectSolver->shownKendall, 1.0);

    const std::vector<std::vector<std::pair<double, double>>> functions{{{1, 0}, {2, .25}, {3, .5}},
                                                                        {{5, 0}, {3, .25}, {1, .5}}};
    EXPECT_EQ(Points(project.ValueFunctions), functions);
    EXPECT_EQ(Points(project.SolvedValueFunctions), functions);
    EXPECT_EQ(Text(project.RankingRows), (TextTable{{"y", "0.250000"}, {"x", "0.500000"}, {"z", "0.750000"}}));
    EXPECT_TRUE(project.CredibilityList.empty());
    EXPECT_EQ(project.CredibilityDefined, 0);

    const std::string path = dir.File("results.txt");
    ASSERT_EQ(project.WriteResultsText(path.c_str(), '.'), 1);
    EXPECT_EQ(ReadFileBytes(path), "z\t0.75\nx\t0.5\ny\t0.25\n");
    ASSERT_EQ(project.WriteResultsText(path.c_str(), ','), 1);
    EXPECT_EQ(ReadFileBytes(path), "z\t0,75\nx\t0,5\ny\t0,25\n");
}

TEST_F(SolveDriverTest, RankedPairOnGainAndCostEndToEnd)
{
    RankedPairOnGainAndCost();
    project.CredibilityList = {"x", "y"};
    project.CredibilityDefined = 1;
    shell.modified = 1;
    ASSERT_EQ(project.SolveProblem(), 1);
    EXPECT_EQ(shell.modified, 1);
    ExpectGainAndCostSolved(project, shell, dir);
    EXPECT_EQ(shell.modified, 1);
    // the solve fills the bounds of every breakpoint of both functions
    ASSERT_EQ(project.ValueBoundsTable.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        ASSERT_EQ(project.ValueBoundsTable[k].size(), project.ValueFunctions[k].size());
        for (size_t b = 0; b < project.ValueFunctions[k].size(); ++b) {
            const ValueBoundPoint& bound = project.ValueBoundsTable[k][b];
            EXPECT_EQ(bound.x, project.ValueFunctions[k][b].x);
            EXPECT_LE(bound.lower, project.ValueFunctions[k][b].y);
            EXPECT_GE(bound.upper, project.ValueFunctions[k][b].y);
            if (b > 0) {
                EXPECT_GT(bound.upper - bound.lower, 0.0);
            }
        }
    }
}

TEST_F(SolveDriverTest, RankedPairOnGainAndCostFromItsXmlFile)
{
    RankedPairOnGainAndCost();
    std::string file;
    ASSERT_EQ(project.WriteXmlBytes(&file), 1);

    CZQInterfaceData copy;
    FakeShell copyShell(&copy);
    ASSERT_EQ(copy.ReadXmlBytes(file), 1);
    ASSERT_EQ(copyShell.RankNames(1), Calls{"x"});
    ASSERT_EQ(copyShell.RankNames(2), Calls{"y"});
    copyShell.ClearCalls();
    ASSERT_EQ(copy.SolveProblem(), 1);
    ExpectGainAndCostSolved(copy, copyShell, dir);
    EXPECT_EQ(copyShell.modified, 0);
}

TEST_F(SolveDriverTest, ASecondSolveRefreshesTheOpenWindowsWithoutOpeningMore)
{
    RankedPairOnGainAndCost();
    ASSERT_EQ(project.SolveProblem(), 1);
    shell.ClearCalls();
    ASSERT_EQ(project.SolveProblem(), 1);
    EXPECT_EQ(shell.ActionsBesideRenders(),
              (Calls{"BeginWaitCursor()", "SetResultsAvailable(1)", "SetStatusText(1.000)", "LoadMatrix()",
                     "SetStatusText(1.000)", "RedrawRankingChart()", "RefreshGraphPage()", "EndWaitCursor()"}));
}

TEST_F(SolveDriverTest, RefusedPreparationLeavesAnUnsolvedSolverThatReadsAsNoResults)
{
    RankedPairOnGainAndCost();
    ASSERT_EQ(project.SolveProblem(), 1);
    const auto functions = Points(project.ValueFunctions);
    const std::string path = dir.File("results.txt");
    WriteFileBytes(path, "earlier results\n");

    project.CriteriaTable[1][3] = "0";  // c with no segment
    project.CredibilityList = {"x"};
    project.CredibilityDefined = 1;
    shell.ClearCalls();
    EXPECT_EQ(project.SolveProblem(), 0);
    EXPECT_EQ(shell.ActionsBesideRenders(), (Calls{"BeginWaitCursor()", kRefused, "EndWaitCursor()"}));

    // The new, unsolved Solver stays; nothing reads results from it.
    ASSERT_TRUE(project.ProjectSolver);
    EXPECT_FALSE(project.ProjectSolver->HasResults());
    EXPECT_EQ(Points(project.ValueFunctions), functions);
    EXPECT_EQ(project.TakeValueFunctions(), 0);
    EXPECT_EQ(Points(project.SolvedValueFunctions), functions);
    EXPECT_EQ(project.ProjectSolver->CheckValueFunctions(0), 0);
    EXPECT_EQ(project.WriteResultsText(path.c_str(), '.'), 0);
    EXPECT_EQ(ReadFileBytes(path), "earlier results\n");
    EXPECT_EQ(project.WriteResultsText(dir.File("new.txt").c_str(), '.'), 0);
    EXPECT_FALSE(PathExists(dir.File("new.txt")));

    shell.ClearCalls();
    project.RefreshRankingChart();
    EXPECT_TRUE(project.RankingRows.empty());
    EXPECT_EQ(shell.ActionsBesideRenders(), Calls{"RedrawRankingChart()"});

    // The value functions of the earlier solve are still there, so an edit of the ranking solves again.
    shell.ClearCalls();
    project.AutoSolve();
    EXPECT_EQ(shell.ActionsBesideRenders(), (Calls{"BeginWaitCursor()", kRefused, "EndWaitCursor()"}));

    // A preparation refused before it reached the credibility choice keeps that choice for the next solve.
    EXPECT_EQ(project.CredibilityList.size(), 1u);
}

TEST_F(SolveDriverTest, AFailedBaseProgramIsAnIncorrectInput)
{
    // Every criterion constant: the value functions cannot add up to 1.
    ConstantCriteria();
    EXPECT_EQ(project.SolveProblem(), 0);
    EXPECT_EQ(shell.ActionsBesideRenders(), (Calls{"BeginWaitCursor()", kRefused, "EndWaitCursor()"}));
    EXPECT_EQ(shell.resultsAvailable, 0);
    EXPECT_FALSE(project.ProjectSolver->HasResults());
    EXPECT_TRUE(project.ValueFunctions.empty());
}

TEST_F(SolveDriverTest, AutoSolveNeedsAnEarlierSolve)
{
    RankedPairOnGainAndCost();
    ASSERT_TRUE(project.CanSolve());
    project.AutoSolve();
    EXPECT_TRUE(shell.ActionsBesideRenders().empty());
    EXPECT_FALSE(project.ProjectSolver);

    ASSERT_EQ(project.SolveProblem(), 1);
    shell.openDocuments.clear();  // the user closed every result window
    shell.ClearCalls();
    project.AutoSolve();
    // The coefficient is shown, and shown again by the ranking chart's refresh; nothing is opened.
    EXPECT_EQ(shell.ActionsBesideRenders(),
              (Calls{"BeginWaitCursor()", "SetStatusText(1.000)", "SetStatusText(1.000)", "EndWaitCursor()"}));
    EXPECT_TRUE(project.ProjectSolver->HasResults());

    // Nor does it run while the project cannot be solved.
    project.EvaluationsTable[3][1] = "";
    shell.ClearCalls();
    project.AutoSolve();
    EXPECT_TRUE(shell.ActionsBesideRenders().empty());
}

TEST_F(SolveDriverTest, InconsistentReferenceRankingThroughBothCallers)
{
    FourAlternatives();
    ASSERT_EQ(project.SolveProblem(), 1);
    const auto functions = Points(project.ValueFunctions);
    const TextTable rows = Text(project.RankingRows);
    RankWithAnInconsistentIndifference();

    const std::string lines = "a I b\nc >> d   \n";
    shell.ClearCalls();
    EXPECT_EQ(project.SolveProblem(), 0);
    EXPECT_EQ(shell.ActionsBesideRenders(),
              (Calls{"BeginWaitCursor()",
                     "ShowMessage(Your reference set is inconsistent\nFollowing constraint(s) cause "
                     "inconstency:\n" + lines + ", Inconsistencies, 0)",
                     "EndWaitCursor()"}));

    shell.ClearCalls();
    project.AutoSolve();
    EXPECT_EQ(shell.ActionsBesideRenders(),
              (Calls{"BeginWaitCursor()",
                     "ShowMessage(Your reference ranking is inconsistent\nOne of the following "
                     "constraints should be removed to make the problem consistent:\n" + lines +
                         ", Inconsistencies, 0)",
                     "EndWaitCursor()"}));

    EXPECT_EQ(Points(project.ValueFunctions), functions);
    EXPECT_EQ(Points(project.SolvedValueFunctions), functions);
    EXPECT_EQ(Text(project.RankingRows), rows);
    EXPECT_FALSE(project.ProjectSolver->HasResults());
    EXPECT_EQ(project.WriteResultsText(dir.File("r.txt").c_str(), '.'), 0);
}

TEST_F(SolveDriverTest, AnEmptyInconsistencyReportShowsTheHeadingAlone)
{
    // a >> b >> c between alternatives of equal evaluations: no single constraint is to blame.
    ChainOfEqualAlternatives();
    EXPECT_EQ(project.SolveProblem(), 0);
    EXPECT_EQ(shell.ActionsBesideRenders(),
              (Calls{"BeginWaitCursor()",
                     "ShowMessage(Your reference set is inconsistent\nFollowing constraint(s) cause "
                     "inconstency:\n, Inconsistencies, 0)",
                     "EndWaitCursor()"}));
}

TEST_F(SolveDriverTest, ResultWindowsNeedASolver)
{
    project.OpenComparisonMatrixWindow();
    project.RefreshComparisonMatrixWindow();
    project.OpenRankingChartWindow();
    project.OpenGraphsWindow();
    project.RefreshGraphsWindow();
    EXPECT_EQ(project.RefreshRankingChart(), 0);
    EXPECT_EQ(project.TakeValueFunctions(), 0);
    EXPECT_TRUE(shell.ActionsBesideRenders().empty());

    // An open window is not opened twice; one closed is not refreshed.
    project.ProjectSolver = std::make_unique<Solver>();
    shell.openDocuments = {ZQDocument::RankingChart};
    project.OpenRankingChartWindow();
    project.OpenGraphsWindow();
    project.RefreshComparisonMatrixWindow();
    EXPECT_EQ(shell.ActionsBesideRenders(), (Calls{"OpenNewDocument(PreferenceGraphs)", "TileWindowsHorizontally()"}));
}

// A shell that runs the solve's long work on a thread of its own while its own thread goes on reading
// the project as painted windows do meanwhile; under the thread checker a touch of what they read
// from the work is a reported race.
struct AsideShell : FakeShell {
    using FakeShell::FakeShell;

    void RunLongWork(const std::function<void()>& work) override
    {
        ++longWorks;
        solversSeenMeanwhile.clear();
        if (failInstead)
            AfxThrowInvalidArgFormat("no thread for the work");
        std::atomic<bool> done{false};
        std::exception_ptr error;
        std::thread worker([&] {
            workThread = std::this_thread::get_id();
            try {
                work();
            } catch (...) {
                error = std::current_exception();
            }
            done = true;
        });
        while (!done) {
            const Solver* pSolver = project->ProjectSolver.get();
            solversSeenMeanwhile.insert(pSolver);
            if (pSolver != nullptr && pSolver->HasResults() && !pSolver->model.alternatives.empty())
                readMeanwhile += pSolver->model.alternatives[0]->name.GetLength() + pSolver->model.criteria.size();
            readMeanwhile += project->RankingRows.size() + project->ValueFunctions.size() +
                             project->ValueBoundsTable.size() + project->EvaluationsTable.size();
        }
        worker.join();
        if (error)
            std::rethrow_exception(error);
    }
    int RenderDotToGif(const CString& dot, const CString& path) override
    {
        renderThreads.push_back(std::this_thread::get_id());
        return FakeShell::RenderDotToGif(dot, path);
    }
    int ShowMessage(const CString& text, const CString& caption, unsigned style) override
    {
        messageThreads.push_back(std::this_thread::get_id());
        return FakeShell::ShowMessage(text, caption, style);
    }

    bool failInstead = false;
    int longWorks = 0;
    std::thread::id workThread;
    std::vector<std::thread::id> renderThreads, messageThreads;
    // the Solvers the project held while the last work ran
    std::set<const Solver*> solversSeenMeanwhile;
    size_t readMeanwhile = 0;
};

TEST_F(SolveDriverTest, TheLongWorkSolvesANewSolverWhileTheProjectKeepsTheLastOne)
{
    RankedPairOnGainAndCost();
    AsideShell aside(&project);
    aside.referenceTree = shell.referenceTree;
    ASSERT_EQ(project.SolveProblem(), 1);
    EXPECT_EQ(aside.longWorks, 1);
    EXPECT_EQ(aside.solversSeenMeanwhile, std::set<const Solver*>{nullptr});
    // the graphs render from the work; everything else the shell sees comes as from a solve at once
    EXPECT_EQ(aside.renderThreads, (std::vector<std::thread::id>(2, aside.workThread)));
    EXPECT_NE(aside.workThread, std::this_thread::get_id());
    ExpectGainAndCostSolved(project, aside, dir);

    // the next solve: the windows meanwhile read the last one's results, until the new Solver
    // replaces it
    const Solver* pLast = project.ProjectSolver.get();
    ASSERT_EQ(project.SolveProblem(), 1);
    EXPECT_EQ(aside.solversSeenMeanwhile, std::set<const Solver*>{pLast});
    EXPECT_NE(project.ProjectSolver.get(), pLast);
    EXPECT_TRUE(project.ProjectSolver->HasResults());

    // an inconsistent ranking is reported after the work, from the calling thread
    project.ClearProject();
    FourAlternatives();
    aside.referenceTree = shell.referenceTree;
    ASSERT_EQ(project.SolveProblem(), 1);
    RankWithAnInconsistentIndifference();
    aside.referenceTree = shell.referenceTree;
    pLast = project.ProjectSolver.get();
    EXPECT_EQ(project.SolveProblem(), 0);
    EXPECT_EQ(aside.messageThreads, std::vector<std::thread::id>{std::this_thread::get_id()});
    EXPECT_EQ(aside.solversSeenMeanwhile, std::set<const Solver*>{pLast});

    // work that cannot be run leaves the project the Solver it held
    pLast = project.ProjectSolver.get();
    aside.failInstead = true;
    try {
        project.SolveProblem();
        ADD_FAILURE() << "no exception";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_EQ(project.ProjectSolver.get(), pLast);
}

// A shell that runs the solve's long work on a thread of its own and, once the work has ended there,
// notes whether the thread's environment of the linear-programming library was left behind; its
// renders (made from the work, once the linear programs are solved) throw as told.
struct LibraryThreadShell : FakeShell {
    using FakeShell::FakeShell;
    enum class Throw { Nothing, InvalidArgument, ClassLibraryOutOfMemory, OutOfMemory };

    void RunLongWork(const std::function<void()>& work) override
    {
        std::exception_ptr error;
        std::thread worker([&] {
            try {
                work();
            } catch (...) {
                error = std::current_exception();
            }
            // the library answers 0 when it had an environment to free, 1 when there was none
            environmentLeft = glp_free_env() == 0;
        });
        worker.join();
        if (error)
            std::rethrow_exception(error);
    }
    int RenderDotToGif(const CString& dot, const CString& path) override
    {
        switch (renders) {
        case Throw::InvalidArgument:
            AfxThrowInvalidArgFormat("a render refused");
        case Throw::ClassLibraryOutOfMemory:
            AfxThrowMemoryException();
        case Throw::OutOfMemory:
            throw std::bad_alloc();
        case Throw::Nothing:
            break;
        }
        return FakeShell::RenderDotToGif(dot, path);
    }

    Throw renders = Throw::Nothing;
    bool environmentLeft = true;
};

TEST_F(SolveDriverTest, TheWorkEndsItsThreadsUseOfTheLibraryHoweverItEnds)
{
    if (!LpLibraryAllowsThreads())
        GTEST_SKIP() << "the library keeps one environment for the process";
    RankedPairOnGainAndCost();
    LibraryThreadShell library(&project);
    library.referenceTree = shell.referenceTree;
    ASSERT_EQ(project.SolveProblem(), 1);
    EXPECT_FALSE(library.environmentLeft) << "solved";

    // a failure in the work: refused, or an exception out of the solve that leaves the project the
    // Solver it held
    const struct {
        const char* name;
        LibraryThreadShell::Throw renders;
    } cases[] = {{"invalid argument", LibraryThreadShell::Throw::InvalidArgument},
                 {"out of memory in the class library", LibraryThreadShell::Throw::ClassLibraryOutOfMemory},
                 {"out of memory", LibraryThreadShell::Throw::OutOfMemory}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Solver* pLast = project.ProjectSolver.get();
        library.renders = c.renders;
        library.environmentLeft = true;
        library.ClearCalls();
        try {
            EXPECT_EQ(project.SolveProblem(), 0);
            EXPECT_EQ(library.ActionsBesideRenders(), (Calls{"BeginWaitCursor()", kRefused, "EndWaitCursor()"}));
        } catch (CMemoryException* e) {
            EXPECT_EQ(c.renders, LibraryThreadShell::Throw::ClassLibraryOutOfMemory);
            e->Delete();
            EXPECT_EQ(project.ProjectSolver.get(), pLast);
        } catch (const std::bad_alloc&) {
            EXPECT_EQ(c.renders, LibraryThreadShell::Throw::OutOfMemory);
            EXPECT_EQ(project.ProjectSolver.get(), pLast);
        }
        EXPECT_FALSE(library.environmentLeft);
        EXPECT_EQ(library.waitCursorDepth, 0);
    }
}

TEST_F(SolveDriverTest, WithoutShellServicesTheDriverRefuses)
{
    RankedPairOnGainAndCost();
    project.SetShell(nullptr);
    for (auto call : {&CZQInterfaceData::SolveProblem, &CZQInterfaceData::RefreshRankingChart}) {
        try {
            (project.*call)();
            ADD_FAILURE() << "no exception";
        } catch (CInvalidArgException* e) {
            EXPECT_NE(std::string(e->m_strDetail.GetString()).find("shell is null"), std::string::npos);
            e->Delete();
        }
    }
    project.SetShell(&shell);
}

} // namespace
