// The linear program wrapper: senses, statuses, sparse storage and the records it refuses.
#include "model/solve/LpProblem.h"

#include <glpk.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A program over two columns x, y with the given rows and senses.
LpProblem Program(int sense, std::vector<double> objective, std::vector<std::vector<double>> rows,
                  std::vector<int32_t> senses)
{
    LpProblem lp;
    lp.sense = sense;
    lp.objective = std::move(objective);
    lp.rows = std::move(rows);
    lp.rowSenses = std::move(senses);
    return lp;
}

TEST(LpProblemTest, MaximisesXPlusYUnderOneRow)
{
    LpProblem lp = Program(1, {1, 1}, {{1, 1, 1}}, {-1});
    EXPECT_DOUBLE_EQ(lp.Solve(), 1.0);
    EXPECT_DOUBLE_EQ(lp.objectiveValue, 1.0);
    ASSERT_EQ(lp.columnValues.size(), 2u);
    EXPECT_DOUBLE_EQ(lp.columnValues[0] + lp.columnValues[1], 1.0);
    EXPECT_EQ(lp.infeasible, 0);
    EXPECT_EQ(lp.unbounded, 0);
    EXPECT_EQ(lp.failed, 0);
}

TEST(LpProblemTest, EverySenseButOneMinimises)
{
    // x + y >= 1: the minimum is 1, a maximum would be unbounded.
    for (int sense : {0, -1, 2}) {
        SCOPED_TRACE(sense);
        LpProblem lp = Program(sense, {1, 1}, {{1, 1, 1}}, {1});
        EXPECT_DOUBLE_EQ(lp.Solve(), 1.0);
        EXPECT_EQ(lp.unbounded, 0);
    }
    LpProblem lp = Program(1, {1, 1}, {{1, 1, 1}}, {1});
    lp.Solve();
    EXPECT_EQ(lp.unbounded, 1);
    EXPECT_EQ(lp.infeasible, 0);
    EXPECT_EQ(lp.failed, 0);
}

TEST(LpProblemTest, RowSensesBoundTheRow)
{
    const struct {
        int32_t rowSense;
        double max;  // of x subject to x + y (sense) 3 and x <= 5
    } cases[] = {{-1, 3.0}, {0, 3.0}, {7, 3.0}, {1, 5.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rowSense);
        LpProblem lp = Program(1, {1, 0}, {{1, 1, 3}, {1, 0, 5}}, {c.rowSense, -1});
        EXPECT_DOUBLE_EQ(lp.Solve(), c.max);
    }
}

TEST(LpProblemTest, InfeasibleReadsZeroAndIsNoFailure)
{
    // x >= 2 and x <= 1, maximising x
    LpProblem lp = Program(1, {1, 0}, {{1, 0, 2}, {1, 0, 1}}, {1, -1});
    lp.objectiveValue = 42.0;
    EXPECT_EQ(lp.Solve(), 0.0);
    EXPECT_EQ(lp.objectiveValue, 0.0);
    EXPECT_EQ(lp.infeasible, 1);
    EXPECT_EQ(lp.unbounded, 0);
    EXPECT_EQ(lp.failed, 0);
    EXPECT_EQ(lp.columnValues.size(), 2u);
}

TEST(LpProblemTest, AllZeroRowStillCounts)
{
    // An all-zero first row must keep its place: the next row stays row 2 with its own bound.
    LpProblem feasible = Program(1, {1, 0}, {{0, 0, 0}, {1, 0, 3}}, {0, -1});
    EXPECT_DOUBLE_EQ(feasible.Solve(), 3.0);
    EXPECT_EQ(feasible.infeasible, 0);
    // 0 >= 1 has no solution: the row reached the library although it gave no non-zero.
    LpProblem infeasible = Program(1, {1, 0}, {{0, 0, 1}, {1, 0, 3}}, {1, -1});
    EXPECT_EQ(infeasible.Solve(), 0.0);
    EXPECT_EQ(infeasible.infeasible, 1);
}

TEST(LpProblemTest, DenseProgramOverAThousandNonZeros)
{
    // 40 rows: sum of all x + x_i <= 41. Adding them gives 41 * sum <= 40 * 41, reached at x = 1.
    const int n = 40;
    LpProblem lp;
    lp.sense = 1;
    lp.objective.assign(n, 1.0);
    for (int i = 0; i < n; ++i) {
        std::vector<double> row(n, 1.0);
        row[size_t(i)] = 2.0;
        row.push_back(41.0);
        lp.rows.push_back(row);
        lp.rowSenses.push_back(-1);
    }
    EXPECT_NEAR(lp.Solve(), 40.0, 1e-9);
    EXPECT_EQ(lp.infeasible, 0);
    EXPECT_EQ(lp.failed, 0);
    for (double x : lp.columnValues)
        EXPECT_NEAR(x, 1.0, 1e-9);
}

TEST(LpProblemTest, ObjectiveLongerThanTheRowsLeavesZeroValues)
{
    LpProblem lp = Program(1, {1, 1, 5}, {{1, 1, 1}}, {-1});
    EXPECT_DOUBLE_EQ(lp.Solve(), 1.0);
    ASSERT_EQ(lp.columnValues.size(), 3u);
    EXPECT_EQ(lp.columnValues[2], 0.0);
}

TEST(LpProblemTest, RecordsTheLibraryCannotTakeAreRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        LpProblem lp;
    } cases[] = {
        {"no rows", Program(1, {1, 1}, {}, {})},
        {"no columns", Program(1, {1, 1}, {{1}, {2}}, {0, 0})},
        {"empty row", Program(1, {1, 1}, {{}}, {0})},
        {"rows of two lengths", Program(1, {1, 1}, {{1, 1, 1}, {1, 1}}, {-1, -1})},
        {"objective too short", Program(1, {1}, {{1, 1, 1}}, {-1})},
        {"a sense missing", Program(1, {1, 1}, {{1, 1, 1}, {1, 0, 1}}, {-1})},
        {"NaN coefficient", Program(1, {1, 1}, {{nan, 1, 1}}, {-1})},
        {"infinite bound", Program(1, {1, 1}, {{1, 1, inf}}, {-1})},
        {"NaN objective", Program(1, {nan, 1}, {{1, 1, 1}}, {-1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LpProblem lp = c.lp;
        lp.objectiveValue = 7.0;
        lp.unbounded = 1;
        EXPECT_EQ(lp.Solve(), 0.0);
        EXPECT_EQ(lp.objectiveValue, 0.0);
        EXPECT_EQ(lp.infeasible, 1);
        EXPECT_EQ(lp.failed, 1);
        EXPECT_EQ(lp.unbounded, 0);
        EXPECT_EQ(lp.columnValues, std::vector<double>(lp.objective.size(), 0.0));
    }
}

TEST(LpProblemTest, RunsWithoutADefiniteStatusFail)
{
    const struct {
        int simplexReturn;
        int status;
        LpOutcome outcome;
    } cases[] = {
        {0, GLP_OPT, LpOutcome::Optimal},
        {0, GLP_NOFEAS, LpOutcome::Infeasible},
        {0, GLP_INFEAS, LpOutcome::Infeasible},
        {0, GLP_UNBND, LpOutcome::Unbounded},
        {0, GLP_UNDEF, LpOutcome::Failed},
        {0, GLP_FEAS, LpOutcome::Failed},
        {GLP_EITLIM, GLP_FEAS, LpOutcome::Failed},
        {GLP_ESING, GLP_UNDEF, LpOutcome::Failed},
        {GLP_EFAIL, GLP_OPT, LpOutcome::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.simplexReturn << " / " << c.status);
        EXPECT_EQ(ClassifySimplexRun(c.simplexReturn, c.status), c.outcome);
    }
}

TEST(LpFamilyTest, EachObjectiveSolvesAsTheSameProgramBuiltAnew)
{
    // x - y <= 1 and x + 2y >= 1 over x, y >= 0; the objectives in turn, each from the last basis.
    const std::vector<std::vector<double>> rows{{1, -1, 1}, {1, 2, 1}};
    const std::vector<int32_t> senses{-1, 1};
    const struct {
        int sense;
        std::vector<double> objective;
    } objectives[] = {
        {-1, {1, 1}},   // minimum 0.5
        {1, {1, -1}},   // maximum 1
        {1, {1, 1}},    // unbounded
        {1, {-1, -1}},  // maximum -0.5, after the unbounded run
        {0, {0, 1}},    // minimum 0 at x = 1
        {1, {2, -3}},
    };
    LpFamily family;
    ASSERT_TRUE(family.Load(Program(1, {0, 0}, rows, senses)));
    for (const auto& o : objectives) {
        SCOPED_TRACE(testing::Message() << o.sense << ": " << o.objective[0] << ", " << o.objective[1]);
        LpProblem anew = Program(o.sense, o.objective, rows, senses);
        anew.Solve();
        LpProblem warm = Program(o.sense, o.objective, rows, senses);
        EXPECT_NEAR(family.Solve(warm), anew.objectiveValue, 1e-12);
        EXPECT_NEAR(warm.objectiveValue, anew.objectiveValue, 1e-12);
        EXPECT_EQ(warm.unbounded, anew.unbounded);
        EXPECT_EQ(warm.infeasible, anew.infeasible);
        EXPECT_EQ(warm.failed, 0);
        ASSERT_EQ(warm.columnValues.size(), 2u);
        if (!anew.unbounded) {
            EXPECT_NEAR(o.objective[0] * warm.columnValues[0] + o.objective[1] * warm.columnValues[1],
                        anew.objectiveValue, 1e-12);
        }
    }

    // Rows without a feasible point stay infeasible, run after run.
    ASSERT_TRUE(family.Load(Program(1, {0, 0}, {{1, 1, -1}}, {-1})));
    for (int run = 0; run < 2; ++run) {
        LpProblem lp = Program(1, {1, 0}, {{1, 1, -1}}, {-1});
        lp.objectiveValue = 3.0;
        EXPECT_EQ(family.Solve(lp), 0.0);
        EXPECT_EQ(lp.infeasible, 1);
        EXPECT_EQ(lp.failed, 0);
    }
}

TEST(LpFamilyTest, RefusesWhatItWasNotLoadedFor)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    LpFamily family;
    LpProblem before = Program(1, {1, 1}, {{1, 1, 1}}, {-1});
    EXPECT_EQ(family.Solve(before), 0.0);
    EXPECT_EQ(before.failed, 1);

    EXPECT_FALSE(family.Load(Program(1, {1, 1}, {}, {})));
    ASSERT_TRUE(family.Load(Program(1, {0, 0}, {{1, 1, 1}}, {-1})));
    const struct {
        const char* what;
        LpProblem lp;
    } cases[] = {
        {"another row count", Program(1, {1, 1}, {{1, 1, 1}, {1, 0, 1}}, {-1, -1})},
        {"another width", Program(1, {1, 1, 1}, {{1, 1, 1, 1}}, {-1})},
        {"objective too short", Program(1, {1}, {{1, 1, 1}}, {-1})},
        {"NaN objective", Program(1, {nan, 1}, {{1, 1, 1}}, {-1})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LpProblem lp = c.lp;
        lp.objectiveValue = 5.0;
        EXPECT_EQ(family.Solve(lp), 0.0);
        EXPECT_EQ(lp.failed, 1);
        EXPECT_EQ(lp.infeasible, 1);
        EXPECT_EQ(lp.columnValues, std::vector<double>(lp.objective.size(), 0.0));
    }
    // A refused load leaves no rows behind.
    EXPECT_FALSE(family.Load(Program(1, {1, 1}, {{1, nan, 1}}, {-1})));
    LpProblem after = Program(1, {1, 1}, {{1, 1, 1}}, {-1});
    family.Solve(after);
    EXPECT_EQ(after.failed, 1);
}

} // namespace
