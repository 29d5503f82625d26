// The linear programs of the ordinal regression: the base program of a ranked pair, the pairwise
// programs, the Kendall-preserving program and the coefficients of the alternatives.
#include "SolverFixture.h"

#include "core/CException.h"

#include <functional>
#include <set>
#include <utility>

namespace {

typedef std::vector<std::vector<double>> Rows;
typedef std::pair<int, int> Pair;

// The reference pair (p, q) a reference row compares: +1 on sigma+(p), -1 on sigma+(q).
Pair PairOf(const std::vector<double>& row, int references)
{
    Pair pair(-1, -1);
    for (int r = 0; r < references; ++r) {
        if (row[size_t(2 * r)] == 1.0)
            pair.first = r;
        if (row[size_t(2 * r)] == -1.0)
            pair.second = r;
    }
    return pair;
}

TEST_F(SolverFixture, BaseProgramOfARankedPairOnGainAndCost)
{
    RankedPairOnGainAndCost();
    Solver& solver = Ready();
    ASSERT_EQ(solver.model.criteria[0]->breakpoints, (std::vector<double>{1, 2, 3}));
    ASSERT_EQ(solver.model.criteria[1]->breakpoints, (std::vector<double>{5, 3, 1}));

    solver.BuildBaseLp();
    const LpProblem& lp = solver.baseLp;
    EXPECT_EQ(lp.sense, -1);
    EXPECT_EQ(lp.objective, (std::vector<double>{1, 1, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(lp.rows, (Rows{{1, -1, -1, 1, 1, 1, -1, 0, 0.02}, {0, 0, 0, 0, 1, 1, 1, 1, 1}}));
    EXPECT_EQ(lp.rowSenses, (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(lp.constraintList, (std::vector<ConstraintTriple>{{0, 1, 1}}));

    // x over y can be represented exactly.
    LpProblem copy = lp;
    EXPECT_EQ(copy.Solve(), 0.0);
    EXPECT_EQ(copy.infeasible, 0);
}

TEST_F(SolverFixture, BestAndWorstValuesOnTheSteps)
{
    RankedPairOnGainAndCost();
    Solver& solver = Ready();
    // steps w(g, 0), w(g, 1), w(c, 0), w(c, 1)
    EXPECT_EQ(solver.AlternativeCoefficients(Index("x")), (std::vector<double>{1, 1, 0, 0}));  // g best, c worst
    EXPECT_EQ(solver.AlternativeCoefficients(Index("y")), (std::vector<double>{0, 0, 1, 0}));  // g worst
    EXPECT_EQ(solver.AlternativeCoefficients(Index("z")), (std::vector<double>{1, 0, 1, 1}));  // c best
    EXPECT_EQ(solver.StepColumn(1, 0), 6);
}

TEST_F(SolverFixture, IndifferenceRowFollowsTheTreeOrder)
{
    Criterion("g", "gain");
    Criterion("c", "cost");
    Alternative("a", {"1", "4"}, "1");
    Alternative("b", {"2", "3"}, "1");
    Alternative("c", {"3", "1"}, "2");
    Tree({{"b", "a"}, {"c"}});
    Solver& solver = Ready();
    solver.BuildBaseLp();
    // b (reference index 1) stands before a (0) in the tree; a (the last of rank 1) before c.
    EXPECT_EQ(solver.baseLp.constraintList, (std::vector<ConstraintTriple>{{1, 0, 0}, {0, 2, 1}}));
    ASSERT_EQ(solver.baseLp.rows.size(), 3u);
    EXPECT_EQ(PairOf(solver.baseLp.rows[0], 3), Pair(1, 0));
    EXPECT_EQ(solver.baseLp.rowSenses, (std::vector<int32_t>{0, 1, 0}));
}

struct PairProgramTest : SolverFixture {
    // a and b tied at rank 1, then c, then d; e unranked.
    void SetUp() override
    {
        Criterion("g", "gain");
        Criterion("h", "cost");
        Alternative("a", {"1", "2"}, "1");
        Alternative("b", {"2", "1"}, "1");
        Alternative("c", {"3", "3"}, "2");
        Alternative("d", {"4", "5"}, "3");
        Alternative("e", {"5", "4"});
        Tree({{"a", "b"}, {"c"}, {"d"}});
    }
    // The pairs of pairLp's reference rows (all but the last two rows), by sense.
    std::pair<std::vector<Pair>, std::vector<Pair>> ReferencePairs(const Solver& solver)
    {
        std::pair<std::vector<Pair>, std::vector<Pair>> pairs;
        const LpProblem& lp = solver.pairLp;
        for (size_t i = 0; i + 2 < lp.rows.size(); ++i) {
            if (lp.rowSenses[i] == 0) {
                EXPECT_EQ(lp.rows[i].back(), 0.0);
                pairs.first.push_back(PairOf(lp.rows[i], 4));
            } else {
                EXPECT_EQ(lp.rowSenses[i], 1);
                EXPECT_EQ(lp.rows[i].back(), solver.delta);
                pairs.second.push_back(PairOf(lp.rows[i], 4));
            }
        }
        return pairs;
    }
};

TEST_F(PairProgramTest, EveryOrderedPairWhenAllAreCredible)
{
    Solver& solver = Ready();
    solver.baseErrorSum = 0.25;
    solver.BuildPairLp(Index("e"), Index("a"));
    const LpProblem& lp = solver.pairLp;
    EXPECT_EQ(lp.sense, 1);
    EXPECT_TRUE(lp.constraintList.empty());
    const auto pairs = ReferencePairs(solver);
    EXPECT_EQ(pairs.first, (std::vector<Pair>{{0, 1}}));
    EXPECT_EQ(pairs.second, (std::vector<Pair>{{0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}));

    // Objective U(e) - U(a) on the steps; normalisation and error budget close the program.
    const std::vector<double> ue = solver.AlternativeCoefficients(Index("e"));
    const std::vector<double> ua = solver.AlternativeCoefficients(Index("a"));
    std::vector<double> objective(8, 0.0);
    for (size_t i = 0; i < ue.size(); ++i)
        objective.push_back(ue[i] - ua[i]);
    EXPECT_EQ(lp.objective, objective);
    ASSERT_EQ(lp.rows.size(), 8u);
    const size_t steps = ue.size();
    std::vector<double> normalisation(8, 0.0), budget(8, 1.0);
    normalisation.insert(normalisation.end(), steps, 1.0);
    normalisation.push_back(1.0);
    budget.insert(budget.end(), steps, 0.0);
    budget.push_back(0.25);
    EXPECT_EQ(lp.rows[6], normalisation);
    EXPECT_EQ(lp.rows[7], budget);
    EXPECT_EQ(lp.rowSenses[6], 0);
    EXPECT_EQ(lp.rowSenses[7], -1);
}

TEST_F(PairProgramTest, LowCredibilityAlternativeTakesPartInNoRow)
{
    project.CredibilityList = {"a", "c", "d"};
    project.CredibilityDefined = 1;
    Solver& solver = Ready();
    solver.BuildPairLp(Index("a"), Index("b"));
    const auto pairs = ReferencePairs(solver);
    EXPECT_TRUE(pairs.first.empty());
    EXPECT_EQ(pairs.second, (std::vector<Pair>{{0, 2}, {0, 3}, {2, 3}}));
    for (size_t i = 0; i + 2 < solver.pairLp.rows.size(); ++i) {
        EXPECT_EQ(solver.pairLp.rows[i][2], 0.0);
        EXPECT_EQ(solver.pairLp.rows[i][3], 0.0);
    }
}

TEST_F(SolverFixture, WeakPairProgramIsTheSavedBasePlusTheErrorBudget)
{
    RankedPairOnGainAndCost();
    Solver& solver = Ready();
    solver.BuildBaseLp();
    solver.savedBaseRows = solver.baseLp.rows;
    solver.savedBaseSenses = solver.baseLp.rowSenses;
    solver.baseErrorSum = 0.5;
    solver.baseLp.objectiveValue = 3.0;
    solver.baseLp.infeasible = 1;
    solver.baseLp.columnValues = {1, 2};

    solver.BuildWeakPairLp(Index("z"), Index("x"));
    const LpProblem& lp = solver.baseLp;
    EXPECT_EQ(lp.sense, 1);
    EXPECT_EQ(lp.objective, (std::vector<double>{0, 0, 0, 0, 0, -1, 1, 1}));  // U(z) - U(x)
    EXPECT_EQ(lp.rows, (Rows{{1, -1, -1, 1, 1, 1, -1, 0, 0.02},
                             {0, 0, 0, 0, 1, 1, 1, 1, 1},
                             {1, 1, 1, 1, 0, 0, 0, 0, 0.5}}));
    EXPECT_EQ(lp.rowSenses, (std::vector<int32_t>{1, 0, -1}));
    EXPECT_TRUE(lp.constraintList.empty());
    EXPECT_TRUE(lp.columnValues.empty());
    EXPECT_EQ(lp.objectiveValue, 0.0);
    EXPECT_EQ(lp.infeasible, 0);
}

TEST_F(SolverFixture, KendallProgramMaximisesTheSmallestStep)
{
    RankedPairOnGainAndCost();
    Solver& solver = Ready();
    solver.BuildBaseLp();
    solver.BuildKendallLp();
    const LpProblem& lp = solver.kendallLp;
    EXPECT_EQ(lp.sense, 1);
    EXPECT_EQ(lp.objective, (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(lp.rows, (Rows{{1, -1, -1, 1, 1, 1, -1, 0, 0, 0.02},
                             {0, 0, 0, 0, 1, 1, 1, 1, 0, 1},
                             {0, 0, 0, 0, -1, 0, 0, 0, 1, 0},
                             {0, 0, 0, 0, 0, -1, 0, 0, 1, 0},
                             {0, 0, 0, 0, 0, 0, -1, 0, 1, 0},
                             {0, 0, 0, 0, 0, 0, 0, -1, 1, 0},
                             {1, 1, 1, 1, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(lp.rowSenses, (std::vector<int32_t>{1, 0, -1, -1, -1, -1, -1}));
    // Four equal steps of 0.25 keep x 0.25 above y.
    LpProblem copy = lp;
    EXPECT_NEAR(copy.Solve(), 0.25, 1e-12);
}

TEST_F(SolverFixture, ConstantCriterionHasNoStepAndStaysInItsVectors)
{
    RankedPairOnGainAndCost();
    Criterion("k", "gain");
    for (size_t r = 1; r < project.EvaluationsTable.size(); ++r)
        project.EvaluationsTable[r].push_back("5");
    Solver& solver = Ready();
    EXPECT_EQ(solver.model.criteria[2]->segments, 0);
    EXPECT_EQ(solver.StepColumnCount(), 4);
    EXPECT_EQ(solver.AlternativeCoefficients(Index("z")), (std::vector<double>{1, 0, 1, 1}));

    solver.BuildBaseLp();
    EXPECT_EQ(solver.baseLp.rows, (Rows{{1, -1, -1, 1, 1, 1, -1, 0, 0.02}, {0, 0, 0, 0, 1, 1, 1, 1, 1}}));
    solver.savedBaseRows = solver.baseLp.rows;
    solver.savedBaseSenses = solver.baseLp.rowSenses;
    solver.baseErrorSum = solver.baseLp.Solve();
    EXPECT_EQ(solver.baseErrorSum, 0.0);
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) {
            if (a == b)
                continue;
            solver.BuildPairLp(a, b);
            solver.pairLp.Solve();
            EXPECT_EQ(solver.pairLp.failed, 0);
            solver.BuildWeakPairLp(a, b);
            solver.baseLp.Solve();
            EXPECT_EQ(solver.baseLp.failed, 0);
        }
    }
    solver.BuildKendallLp();
    EXPECT_EQ(solver.kendallLp.rows.size(), 3u + 4u + 1u);
    solver.kendallLp.Solve();
    EXPECT_EQ(solver.kendallLp.infeasible, 0);
}

TEST_F(SolverFixture, BuildersNameWhatTheyCannotTake)
{
    RankedPairOnGainAndCost();
    Solver& solver = Ready();
    const struct {
        const char* what;
        std::function<void()> call;
        const char* named;
    } cases[] = {
        {"first alternative", [&] { solver.BuildPairLp(3, 0); }, "a = 3"},
        {"second alternative", [&] { solver.BuildWeakPairLp(0, -1); }, "b = -1"},
        {"step of a criterion", [&] { solver.StepColumn(0, 2); }, "segment 2"},
        {"chain matrix of another size",
         [&] {
             solver.model.reference.second.pop_back();
             solver.BuildBaseLp();
         },
         "matrix C"},
        {"saved rows of another width",
         [&] {
             solver.savedBaseRows = {{1, 2}};
             solver.savedBaseSenses = {0};
             solver.BuildWeakPairLp(0, 1);
         },
         "row 0 of savedBaseRows"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (CInvalidArgException* e) {
            EXPECT_NE(e->m_strDetail.Find(c.named), -1) << e->m_strDetail.GetString();
            e->Delete();
        }
    }
}

} // namespace
