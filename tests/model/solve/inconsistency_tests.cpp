// The inconsistency search and the report a solve makes of it.
#include "SolverFixture.h"
#include "StandardOutputCapture.h"

#include "model/solve/ZQInconsistencies.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace {

std::vector<std::string> Lines(const Solver& solver)
{
    std::vector<std::string> lines;
    for (const CString& line : solver.inconsistencyLines)
        lines.emplace_back(line.GetString(), size_t(line.GetLength()));
    return lines;
}

struct InconsistencyTest : SolverFixture {
    // Prepares, computes the ranges and solves, expecting an inconsistency; returns the Solver.
    Solver& Inconsistent()
    {
        Solver& solver = Solved(0);
        EXPECT_EQ(solver.inconsistent, 1);
        return solver;
    }
};

TEST_F(InconsistencyTest, OneIndifferenceToBlame)
{
    FourAlternatives();
    RankWithAnInconsistentIndifference();
    Solver& solver = Inconsistent();
    EXPECT_NEAR(solver.baseErrorSum, 0.02, 1e-12);
    EXPECT_EQ(Lines(solver), (std::vector<std::string>{"a I b", "c >> d   "}));
    // Nothing of a consistent solve was filled, and nothing rendered.
    EXPECT_TRUE(solver.strongRelation.empty());
    EXPECT_TRUE(solver.partialGraphText.IsEmpty());
    EXPECT_EQ(shell.Renders(), std::vector<std::string>{});
}

TEST_F(InconsistencyTest, ASolutionOfTwoConstraints)
{
    Criterion("g1", "gain");
    Criterion("g2", "gain");
    Alternative("a", {"2", "0"}, "1");
    Alternative("b", {"1", "0"}, "2");
    Alternative("c", {"2", "0"}, "2");
    Alternative("d", {"1", "0"}, "2");
    Alternative("e", {"1", "1"});
    Tree({{"a"}, {"b", "c", "d"}});
    Solver& solver = Inconsistent();
    EXPECT_EQ(Lines(solver), (std::vector<std::string>{"a >> b", "c I d   b I c   "}));
}

TEST_F(InconsistencyTest, TheSmallestErrorCounts)
{
    // The library's feasibility tolerance hides so small an error in any program built here: the
    // optimum is given to the second half of the solve instead.
    RankedPairOnGainAndCost();
    Solver& solver = Ready();
    solver.SolveBaseProgram();
    ASSERT_EQ(solver.baseErrorSum, 0.0);
    solver.baseErrorSum = 1e-12;
    EXPECT_EQ(solver.SolveFromBase(), 0);
    EXPECT_EQ(solver.inconsistent, 1);
    EXPECT_EQ(Lines(solver), (std::vector<std::string>{"x >> y"}));
    EXPECT_TRUE(solver.strongRelation.empty());
}

TEST_F(InconsistencyTest, NoSingleConstraintToRemove)
{
    // a >> b and b >> c between alternatives of equal evaluations: removing either leaves the other.
    ChainOfEqualAlternatives();
    Solver& solver = Inconsistent();
    EXPECT_TRUE(solver.inconsistencyLines.empty());
}

TEST_F(InconsistencyTest, NoSetOfFourIsTried)
{
    // The inconsistent indifference with three more alternatives ranked below, consistently: six
    // removable rows, of which only c >> d is a solution, so the sets without it grow past three.
    FourAlternatives();
    RankWithAnInconsistentIndifference();
    Alternative("e", {"0", "0"}, "4");
    Alternative("f", {"0", "-1"}, "5");
    Alternative("g", {"-1", "-1"}, "6");
    Tree({{"a", "b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}});
    Solver& solver = Ready();
    solver.BuildBaseLp();
    solver.baseLp.Solve();
    ASSERT_GT(solver.baseLp.objectiveValue, 0.0);

    ZQInconsistencies search;
    search.base = solver.baseLp;
    ASSERT_EQ(search.ChooseConstraint(), 1);
    EXPECT_EQ(search.chosen, (ConstraintTriple{0, 1, 0}));
    EXPECT_EQ(search.working.rows.size(), 8u);  // 6 removable rows, the normalisation and error rows

    StandardOutputCapture capture;
    search.EnumerateAlternatives();
    const std::string trace = capture.Finish();

    size_t upToThree = 0;
    bool four = false;
    for (const std::vector<int32_t>& set : search.candidates) {
        upToThree += set.size() <= 3;
        four = four || set.size() == 4;
    }
    EXPECT_TRUE(four) << "sets of four are added as candidates";
    size_t tried = 0;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);)
        tried += line == "-->";
    EXPECT_EQ(tried, upToThree);
    ASSERT_NE(search.trial, nullptr);
    EXPECT_GE(search.trial->rows.size(), search.working.rows.size() - 3);

    EXPECT_EQ(search.solutions, (std::vector<std::vector<int32_t>>{{2}}));
    // No superset of the solution was added.
    for (const std::vector<int32_t>& set : search.candidates) {
        if (set.size() > 1) {
            EXPECT_EQ(std::find(set.begin(), set.end(), 2), set.end());
        }
    }
    EXPECT_NE(trace.find("added candidate: 0 \n"), std::string::npos);
    EXPECT_NE(trace.find("added candidate': 1 0 \n"), std::string::npos);
    EXPECT_NE(trace.find("solution found: 2 \n"), std::string::npos);
}

} // namespace
