// The solve of a consistent reference ranking: relations, graph texts and their rendering through the
// shell, the Kendall-preserving value functions and utilities, Kendall's coefficient and the check of
// edited value functions.
#include "SolverFixture.h"

#include "TableText.h"
#include "core/CException.h"
#include "model/solve/KendallTau.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << what << " [" << i << "]";
}

typedef SolverFixture SolveTest;

TEST_F(SolveTest, RankedPairOnTwoGains)
{
    RankedPairOnTwoGains();
    Solver& solver = Solved();
    EXPECT_EQ(solver.inconsistent, 0);
    EXPECT_TRUE(solver.inconsistencyLines.empty());

    const TextTable relation{{"", "?", "P"}, {"?", "", "P"}, {"P-", "P-", ""}};
    EXPECT_EQ(Text(solver.strongRelation), relation);
    EXPECT_EQ(Text(solver.weakRelation), relation);
    EXPECT_EQ(Text(solver.completeRelation), (TextTable{{"", "I", "P"}, {"I", "", "I"}, {"P-", "I", ""}}));
    ASSERT_EQ(solver.model.excludedNames.size(), 1u);
    EXPECT_EQ(S(solver.model.excludedNames[0]), "b");

    const std::string partial =
        "digraph G { a [label=\"a\", color=forestgreen, fontsize=10]; b [label=\"b\", fontsize=10, color=black]; "
        "c [label=\"c\", color=forestgreen, fontsize=10]; a -> c [style=dashed,color=blue]; "
        "b -> c [style=dashed,color=blue]; a -> c [color=forestgreen, style=bold]; "
        "b -> c [color=forestgreen, style=bold]; }";
    const std::string weak = "digraph G {a [label=\"a\", fontsize=10]; c [label=\"c\", fontsize=10]; a -> c; } ";
    EXPECT_EQ(S(solver.partialGraphText), partial);
    EXPECT_EQ(shell.Renders(), (std::vector<std::string>{"RenderDotToGif(" + partial + ", /tmp\\graph_part.gif)",
                                                       "RenderDotToGif(" + weak + ", /tmp\\graph_weak.gif)"}));

    ExpectValues(solver.model.criteria[0]->values, {0.0, 1.0 / 3}, "g1");
    ExpectValues(solver.model.criteria[1]->values, {0.0, 1.0 / 3, 2.0 / 3}, "g2");
    ExpectValues(solver.kendallUtilities, {2.0 / 3, -1.0, 1.0 / 3}, "utilities");
    EXPECT_NEAR(solver.model.alternatives[0]->utility, 0.666667, 1e-6);
    EXPECT_EQ(solver.model.alternatives[1]->utility, -1.0);
    EXPECT_NEAR(solver.model.alternatives[2]->utility, 0.333333, 1e-6);
    EXPECT_EQ(solver.kendall.first, (SolverMatrix{{0.0, 1.0}, {0.0, 0.0}}));
    EXPECT_EQ(solver.kendall.value, 1.0);
}

struct GainAndCostSolve : SolveTest {
    void SetUp() override { RankedPairOnGainAndCost(); }
    const TextTable relation{{"", "P", "?"}, {"P-", "", "P-"}, {"?", "P", ""}};
};

TEST_F(GainAndCostSolve, AllOfHighCredibility)
{
    Solver& solver = Solved();
    EXPECT_EQ(Text(solver.strongRelation), relation);
    EXPECT_EQ(Text(solver.weakRelation), relation);
    EXPECT_EQ(Text(solver.completeRelation), (TextTable{{"", "P", "I"}, {"P-", "", "I"}, {"I", "I", ""}}));
    ASSERT_EQ(solver.model.excludedNames.size(), 1u);
    EXPECT_EQ(S(solver.model.excludedNames[0]), "z");

    const std::string partial =
        "digraph G { x [label=\"x\", color=forestgreen, fontsize=10]; y [label=\"y\", color=forestgreen, fontsize=10]; "
        "z [label=\"z\", fontsize=10, color=black]; x -> y [style=dashed,color=blue]; z -> y [style=dashed,color=blue]; "
        "x -> y [color=forestgreen, style=bold]; z -> y [color=forestgreen, style=bold]; }";
    const std::string weak = "digraph G {x [label=\"x\", fontsize=10]; y [label=\"y\", fontsize=10]; x -> y; } ";
    EXPECT_EQ(shell.Renders(), (std::vector<std::string>{"RenderDotToGif(" + partial + ", /tmp\\graph_part.gif)",
                                                       "RenderDotToGif(" + weak + ", /tmp\\graph_weak.gif)"}));

    ExpectValues(solver.model.criteria[0]->values, {0.0, 0.25, 0.5}, "g");
    ExpectValues(solver.model.criteria[1]->values, {0.0, 0.25, 0.5}, "c");
    ExpectValues(solver.kendallUtilities, {0.5, 0.25, -1.0}, "utilities");
    EXPECT_EQ(solver.model.alternatives[2]->utility, -1.0);
    EXPECT_EQ(solver.kendall.value, 1.0);
}

TEST_F(GainAndCostSolve, ALowCredibilityAlternativeForOneSolve)
{
    project.CredibilityList = {"x"};
    project.CredibilityDefined = 1;
    Solver& solver = Solved();
    EXPECT_EQ(Text(solver.strongRelation), (TextTable{{"", "?", "?"}, {"?", "", "P-"}, {"?", "P", ""}}));
    EXPECT_EQ(Text(solver.weakRelation), relation);
    EXPECT_EQ(Text(solver.completeRelation), (TextTable{{"", "P", "I"}, {"P-", "", "I"}, {"I", "I", ""}}));
    EXPECT_EQ(S(solver.partialGraphText),
              "digraph G { x [label=\"x\", color=forestgreen, fontsize=10]; y [label=\"y\", fontsize=10, color=blue]; "
              "z [label=\"z\", fontsize=10, color=black]; x -> y [style=solid,color=black]; "
              "z -> y [style=solid,color=black]; z -> y [color=forestgreen, style=bold]; }");

    // The next solve, without a new choice, holds every reference alternative of high credibility.
    shell.ClearCalls();
    Solver& again = Solved();
    EXPECT_EQ(Text(again.strongRelation), relation);
    EXPECT_NE(S(again.partialGraphText).find("y [label=\"y\", color=forestgreen, fontsize=10]; "), std::string::npos);
}

TEST_F(GainAndCostSolve, NoRenderWithoutATemporaryDirectory)
{
    shell.tempDirectory = "";
    Solver& solver = Solved();
    EXPECT_TRUE(shell.Renders().empty());
    EXPECT_FALSE(solver.partialGraphText.IsEmpty());
}

TEST_F(GainAndCostSolve, ValueFunctionCheck)
{
    Solver& solver = Solved();
    ASSERT_EQ(solver.CheckValueFunctions(1), 1);
    EXPECT_EQ(solver.shownKendall, 1.0);
    EXPECT_NEAR(solver.model.alternatives[0]->recheckedUtility, 0.5, 1e-9);

    struct Case {
        const char* what;
        std::vector<double> g, c;
        int32_t requireNoWorse;
        int32_t result;
    };
    const Case cases[] = {
        {"decreasing", {0.0, 0.5, 0.25}, {0.0, 0.25, 0.75}, 0, 0},
        {"not starting at 0", {0.1, 0.25, 0.5}, {0.0, 0.25, 0.5}, 0, 0},
        {"best values adding up to 1.01", {0.0, 0.25, 0.51}, {0.0, 0.25, 0.5}, 0, 0},
        {"a value missing", {0.0, 0.5}, {0.0, 0.25, 0.5}, 0, 0},
        {"not a number", {0.0, std::nan(""), 0.5}, {0.0, 0.25, 0.5}, 0, 0},
        {"y above x, worse than the solve", {0.0, 0.0, 0.0}, {0.0, 0.5, 1.0}, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        solver.model.criteria[0]->values = c.g;
        solver.model.criteria[1]->values = c.c;
        solver.shownKendall = 0.25;
        EXPECT_EQ(solver.CheckValueFunctions(c.requireNoWorse), c.result);
        EXPECT_EQ(solver.shownKendall, 0.25);
    }
    // Without requireNoWorse the reversed functions are admissible and show their coefficient.
    EXPECT_EQ(solver.CheckValueFunctions(0), 1);
    EXPECT_EQ(solver.shownKendall, -1.0);
}

TEST_F(SolveTest, ABaseProgramWithoutAFeasiblePointIsNotConsistent)
{
    // Every criterion constant: no step column, so the value functions cannot add up to 1.
    ConstantCriteria();
    Solver& solver = Solved(0);
    EXPECT_EQ(solver.inconsistent, 0);
    EXPECT_TRUE(solver.inconsistencyLines.empty());
    EXPECT_TRUE(solver.strongRelation.empty());
    EXPECT_TRUE(shell.Renders().empty());
}

// Two evaluations closer together than the smallest normal double: the slope between them overflows,
// yet the reference alternatives' utilities, and Kendall's coefficient with them, come out as they do
// for a range of normal size, in the solve and in the check of the value functions.
TEST(KendallOfASolve, ARangeBelowTheSmallestNormalNumberKeepsTheCoefficient)
{
    for (const char* narrow : {"1e-310", "4.9e-324", "1e-308"}) {
        SCOPED_TRACE(narrow);
        SolverProject p;
        p.Criterion("tiny", "gain");
        p.Criterion("g", "gain");
        p.Alternative("first", {narrow, "2"}, "1");
        p.Alternative("second", {"0", "1"}, "2");
        p.Alternative("other", {"0", "3"});
        p.Tree({{"first"}, {"second"}});
        Solver& solver = p.Solved();
        ASSERT_TRUE(std::isfinite(solver.kendallUtilities[0]));
        EXPECT_GE(solver.kendallUtilities[0], solver.kendallUtilities[1] + solver.delta - 1e-9);
        EXPECT_EQ(solver.kendall.first, (SolverMatrix{{0.0, 1.0}, {0.0, 0.0}}));
        EXPECT_EQ(solver.kendall.value, 1.0);
        solver.shownKendall = 0.0;
        EXPECT_EQ(solver.CheckValueFunctions(1), 1);
        EXPECT_EQ(solver.shownKendall, 1.0);
    }
}

// Evaluations far from 0 and close together: the marginal value at an evaluation is interpolated from
// the segment's own breakpoint, so the few units between the evaluations are not lost against the size
// of the evaluations themselves. The utilities are the values at the evaluations' breakpoints, and
// Kendall's coefficient stays 1 in the solve and in the check of the value functions.
TEST(KendallOfASolve, LargeEvaluationsCloseTogetherKeepTheirUtilities)
{
    struct Case {
        double base, step;
    };
    const Case cases[] = {{1e15, 1}, {1e16, 2}, {1e17, 16}, {1e20, 16384}, {1e100, 1e85}};
    for (const Case& c : cases) {
        auto text = [](double x) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.17g", x);
            return std::string(buffer);
        };
        const std::string best = text(c.base + 2 * c.step), middle = text(c.base + c.step), worst = text(c.base);
        SCOPED_TRACE(best + " " + middle + " " + worst);
        SolverProject p;
        p.Criterion("g1", "gain");
        p.Criterion("g2", "gain");
        p.Alternative("a", {best.c_str(), "1"}, "1");
        p.Alternative("b", {middle.c_str(), "1"}, "2");
        p.Alternative("c", {worst.c_str(), "1"}, "3");
        p.Alternative("d", {middle.c_str(), "2"});
        p.Tree({{"a"}, {"b"}, {"c"}});
        Solver& solver = p.Solved();
        // the evaluations lie on g1's breakpoints, and g2's of a, b and c on its first
        const std::vector<double>& g1 = solver.model.criteria[0]->values;
        ExpectValues(solver.kendallUtilities, {g1[2], g1[1], 0.0, -1.0}, "utilities");
        EXPECT_EQ(solver.kendall.value, 1.0);
        solver.shownKendall = 0.0;
        EXPECT_EQ(solver.CheckValueFunctions(1), 1);
        EXPECT_EQ(solver.shownKendall, 1.0);
    }
}

TEST(KendallTau, CoefficientOfTwoPreferenceMatrices)
{
    const SolverMatrix strict3{{0, 1, 1}, {0, 0, 1}, {0, 0, 0}};
    struct Case {
        const char* what;
        SolverMatrix model, reference;
        double tau;
    };
    const Case cases[] = {
        {"identical", strict3, strict3, 1.0},
        {"one discordant pair", {{0, 0, 1}, {1, 0, 1}, {0, 0, 0}}, strict3, 1.0 / 3},
        {"all tied against strict", {{0, 0.5}, {0.5, 0}}, {{0, 1}, {0, 0}}, 0.0},
        {"every pair reversed", {{0, 0}, {1, 0}}, {{0, 1}, {0, 0}}, -1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KendallRecord reference;
        reference.first = c.reference;
        EXPECT_NEAR(KendallTau(c.model, reference), c.tau, 1e-12);
    }
    KendallRecord small;
    small.first = {{0, 1}, {0, 0}};
    EXPECT_NE(RefusalOf([&] { KendallTau(strict3, small); }).find("reference matrix has 2 rows, 3 expected"),
              std::string::npos);
}

TEST(KendallTau, ModelMatrixKeepsADifferenceOfExactlyDelta)
{
    // 0.35 - 0.33 is a little below 0.02 in binary arithmetic.
    EXPECT_EQ(ModelPreferenceMatrix({0.35, 0.33, 0.34}, 0.02),
              (SolverMatrix{{0.0, 1.0, 0.5}, {0.0, 0.0, 0.5}, {0.5, 0.5, 0.0}}));
}

// The coefficient worked out straight from the utilities is the one of their matrix, to the last bit,
// at and around the threshold and for every kind of pair.
TEST(KendallTau, FromUtilitiesAsFromTheirMatrix)
{
    KendallRecord reference;
    reference.first = {{0, 1, 1, 0.5}, {0, 0, 1, 0}, {0, 0, 0, 0}, {0.5, 1, 1, 0}};
    const std::vector<std::vector<double>> cases = {
        {0.35, 0.33, 0.34, 0.1}, {0.9, 0.5, 0.1, 0.9}, {0.1, 0.2, 0.3, 0.4}, {0.5, 0.5, 0.5, 0.5},
        {0.52, 0.5, 0.48, 0.5 + 1e-10}};
    for (const std::vector<double>& u : cases) {
        const double fromMatrix = KendallTau(ModelPreferenceMatrix(u, 0.02), reference);
        EXPECT_EQ(KendallTauOfUtilities(u, 0.02, reference), fromMatrix) << u[0] << " " << u[1];
    }
    KendallRecord one;
    one.first = {{0}};
    EXPECT_EQ(KendallTauOfUtilities({0.4}, 0.02, one), 1.0);
    EXPECT_NE(RefusalOf([&] { KendallTauOfUtilities({0.1, 0.2, 0.3}, 0.02, one); })
                  .find("reference matrix has 1 rows, 3 expected"),
              std::string::npos);
}

} // namespace

// The bounds table of the value charts, on the gain-and-cost pair with functions set by hand:
// g (gain, breakpoints 1, 2, 3) 0, 0.2, 0.5 and c (cost, breakpoints 5, 3, 1) 0, 0.3, 0.5. x = (3, 5)
// is worth g's top alone, y = (1, 3) c's middle value; x ranked above y keeps Kendall's coefficient
// at 1 while U(x) >= U(y) + 0.02.
TEST_F(GainAndCostSolve, ValueBoundsTableHoldsTheRangeOfEveryBreakpoint)
{
    Solver& solver = Solved();
    solver.model.criteria[0]->values = {0.0, 0.2, 0.5};
    solver.model.criteria[1]->values = {0.0, 0.3, 0.5};
    ASSERT_EQ(solver.CheckValueFunctions(1), 1);
    ASSERT_EQ(solver.kendall.value, 1.0);
    solver.shownKendall = 0.75;

    struct Case {
        const char* what;
        int preserveKendall;
        std::vector<double> gUpper, gLower, cUpper, cLower;
    };
    const Case cases[] = {
        // a middle point between its neighbours; a top point between its own middle point and the
        // other top's middle point (the other top moving the other way)
        {"without Kendall's coefficient", 0, {0.0, 0.5, 0.7}, {0.0, 0.0, 0.2}, {0.0, 0.5, 0.8}, {0.0, 0.0, 0.3}},
        // U(x) - U(y) >= 0.02 holds g's top at 0.32 and above, c's middle at 0.48 and below, and
        // c's top at 0.68 and below (g's top goes down as it goes up)
        {"preserving it", 1, {0.0, 0.5, 0.7}, {0.0, 0.0, 0.32}, {0.0, 0.48, 0.68}, {0.0, 0.0, 0.3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(project.FillValueBounds(c.preserveKendall), 2);
        ASSERT_EQ(project.ValueBoundsTable.size(), 2u);
        const std::vector<ValueBoundPoint>& g = project.ValueBoundsTable[0];
        const std::vector<ValueBoundPoint>& cost = project.ValueBoundsTable[1];
        ASSERT_EQ(g.size(), 3u);
        ASSERT_EQ(cost.size(), 3u);
        for (size_t b = 0; b < 3; ++b) {
            SCOPED_TRACE("breakpoint " + std::to_string(b));
            EXPECT_EQ(g[b].x, double(b + 1));
            EXPECT_EQ(cost[b].x, double(5 - 2 * b));
            EXPECT_NEAR(g[b].upper, c.gUpper[b], 1e-9);
            EXPECT_NEAR(g[b].lower, c.gLower[b], 1e-9);
            EXPECT_NEAR(cost[b].upper, c.cUpper[b], 1e-9);
            EXPECT_NEAR(cost[b].lower, c.cLower[b], 1e-9);
        }
        // the first breakpoint is fixed at 0 exactly
        EXPECT_EQ(g[0].upper, 0.0);
        EXPECT_EQ(cost[0].lower, 0.0);
        // the functions and the coefficient shown are as they were
        EXPECT_EQ(solver.model.criteria[0]->values, (std::vector<double>{0.0, 0.2, 0.5}));
        EXPECT_EQ(solver.model.criteria[1]->values, (std::vector<double>{0.0, 0.3, 0.5}));
        EXPECT_EQ(solver.shownKendall, 0.75);
    }

    // a project without results has no table
    project.ProjectSolver = std::make_unique<Solver>();
    EXPECT_EQ(project.FillValueBounds(1), 0);
    EXPECT_TRUE(project.ValueBoundsTable.empty());
}

TEST_F(GainAndCostSolve, TheNearestAdmissibleValueMovesTheOtherTopAndKeepsTheAcceptedFunctions)
{
    Solver& solver = Solved();
    solver.model.criteria[0]->values = {0.0, 0.2, 0.5};
    solver.model.criteria[1]->values = {0.0, 0.3, 0.5};
    // g's top taken to 0.6 is admitted at once: c's top goes to 0.4
    EXPECT_EQ(solver.NearestAdmissibleValue(0, 2, 0.6, 1), 0.6);
    EXPECT_NEAR(solver.model.criteria[1]->values[2], 0.4, 1e-12);
    // taken to 0.9 it stops where c's top meets c's middle value: 0.7, c's top 0.3
    EXPECT_NEAR(solver.NearestAdmissibleValue(0, 2, 0.9, 1), 0.7, 1e-9);
    EXPECT_NEAR(solver.model.criteria[1]->values[2], 0.3, 1e-9);
    EXPECT_EQ(solver.CheckValueFunctions(1), 1);
    const std::pair<size_t, size_t> bad[] = {{2, 0}, {0, 3}};
    for (const auto& [criterion, breakpoint] : bad) {
        try {
            solver.NearestAdmissibleValue(criterion, breakpoint, 0.5, 1);
            ADD_FAILURE() << "no exception for " << criterion << ", " << breakpoint;
        } catch (CInvalidArgException* e) {
            EXPECT_NE(std::string(e->m_strDetail.GetString()).find(criterion == 2 ? "criterion 2 of 2" : "breakpoint 3 of 3"),
                      std::string::npos);
            e->Delete();
        }
    }
}
