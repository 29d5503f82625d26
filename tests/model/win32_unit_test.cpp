// The model's headers in a Win32 translation unit: they compile beside windows.h, the Win32 macros
// (MessageBox, GetTempPath, LoadString) leave the shell members alone, the message-box values match,
// a project edited through the shell behaves as natively, and the native libraries (linear
// programming, the Graphviz renderer) run inside the Win32 process, the linear programs of a solve
// on threads of their own too.
#include "wine_gtest.h"
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "FakeShell.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"
#include "model/solve/AlternativeUtility.h"
#include "model/solve/KendallTau.h"
#include "model/solve/LpProblem.h"
#include "model/solve/PreferenceGraph.h"
#include "model/solve/ProjectFinalRanking.h"
#include "model/solve/Solver.h"
#include "model/solve/ZQInconsistencies.h"
#include "native/GraphvizRenderer.h"

static_assert(ZQ_MB_OK == MB_OK, "message-box style values are the Win32 ones");
static_assert(ZQ_MB_ICONWARNING == MB_ICONWARNING, "message-box style values are the Win32 ones");
static_assert(ZQ_IDOK == IDOK, "button answers are the Win32 ones");

TEST(ModelInWin32Unit, ProjectAndShellWork)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    project.AddCriterion("c1", "", ZQ_KIND_GAIN, 2);
    project.AddCriterion("c2", "", ZQ_KIND_ORDINAL, 3);
    project.AddAlternative("a");
    ASSERT_EQ(project.EvaluationsTable.size(), 2u);
    EXPECT_STREQ(project.EvaluationsTable[1][1], "0");
    EXPECT_EQ(project.GetCriterionKind("c2"), 2);
    EXPECT_FALSE(project.CanSolve());

    CZQShellServices& services = shell;
    EXPECT_EQ(services.ShowMessage("text", "Ondrix", MB_OK | MB_ICONWARNING), IDOK);
    EXPECT_STREQ(services.GetTempDirectory(), "/tmp");
    EXPECT_STREQ(services.LoadText(ZQText::Ordinal), "Ordinal");
    ASSERT_FALSE(shell.calls.empty());
    EXPECT_EQ(shell.calls.back(), "?LoadText(Ordinal)");
}

TEST(ModelInWin32Unit, LinearProgramSolves)
{
    LpProblem lp;
    lp.sense = 1;
    lp.objective = {1, 1};
    lp.rows = {{1, 1, 1}};
    lp.rowSenses = {-1};
    EXPECT_DOUBLE_EQ(lp.Solve(), 1.0);
    EXPECT_EQ(lp.failed, 0);

    Solver solver;
    EXPECT_EQ(solver.threshold2, 0.02);
    EXPECT_EQ(solver.baseLp.Solve(), 0.0);  // an empty record is refused, not handed over
    EXPECT_EQ(solver.baseLp.failed, 1);
}

TEST(ModelInWin32Unit, PairwiseProgramsSolveOnThreads)
{
    // A gain and a cost criterion, x = (3, 5) ranked above y = (1, 3), z = (2, 1) unranked.
    auto solve = [](int32_t threads, Solver& solved) {
        CZQInterfaceData project;
        FakeShell shell(&project);
        project.CriteriaTable = {ZQRow{"g", "", "gain", "2"}, ZQRow{"c", "", "cost", "2"}};
        project.EvaluationsTable = {ZQRow{"", "g", "c"}, ZQRow{"x", "3", "5"}, ZQRow{"y", "1", "3"}, ZQRow{"z", "2", "1"}};
        project.AlternativesTable = {ZQRow{"x", "", "1"}, ZQRow{"y", "", "2"}, ZQRow{"z", "", ""}};
        shell.referenceTree = {CZQRankNode{{"x"}}, CZQRankNode{{"y"}}};
        project.ProjectSolver = std::make_unique<Solver>();
        ASSERT_EQ(project.PrepareSolver(), 1);
        Solver& solver = *project.ProjectSolver;
        solver.model.ComputeCriterionRanges();
        solver.threadCount = threads;
        ASSERT_EQ(solver.Solve(), 1);
        solved.strongOptima = solver.strongOptima;
        solved.weakOptima = solver.weakOptima;
        solved.partialGraphText = solver.partialGraphText;
    };
    Solver one, four;
    solve(1, one);
    solve(4, four);
    EXPECT_EQ(four.strongOptima, one.strongOptima);
    EXPECT_EQ(four.weakOptima, one.weakOptima);
    EXPECT_STREQ(four.partialGraphText, one.partialGraphText);
    EXPECT_NE(std::string(one.partialGraphText).find("x -> y"), std::string::npos);
}

TEST(ModelInWin32Unit, GraphRendererWritesAGif)
{
    char path[64];
    snprintf(path, sizeof path, "/tmp/ondrix_win32_%lu.gif", (unsigned long)GetCurrentProcessId());
    ASSERT_EQ(RenderDotToGifFile("digraph G { a -> b; }", path), GRAPH_RENDER_OK);
    FILE* file = fopen(path, "rb");
    ASSERT_NE(file, nullptr);
    char magic[4] = {};
    EXPECT_EQ(fread(magic, 1, 3, file), 3u);
    fclose(file);
    remove(path);
    EXPECT_STREQ(magic, "GIF");
}
