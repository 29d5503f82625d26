// Copying the project into a Solver: records, the matrices R and C, credibility and the refusals.
#include "SolverFixture.h"

#include <functional>

namespace {

TEST_F(SolverFixture, RecordsOfARankedPairOnGainAndCost)
{
    RankedPairOnGainAndCost();
    project.DeltaThreshold = 0.03;
    project.EpsilonThreshold = 0.025;
    ASSERT_EQ(Prepare(), 1);
    const Solver& solver = *project.ProjectSolver;
    const ProblemModel& model = solver.model;

    ASSERT_EQ(model.alternatives.size(), 3u);
    const struct {
        const char* name;
        std::vector<double> evaluations;
        int referenceIndex;
        int credibility;
    } alternatives[] = {{"x", {3, 5}, 0, 1}, {"y", {1, 3}, 1, 1}, {"z", {2, 1}, -1, -1}};
    for (int a = 0; a < 3; ++a) {
        const AlternativeRecord& record = *model.alternatives[size_t(a)];
        SCOPED_TRACE(alternatives[a].name);
        EXPECT_EQ(record.index, a);
        EXPECT_EQ(record.name, alternatives[a].name);
        EXPECT_EQ(record.evaluations, alternatives[a].evaluations);
        EXPECT_EQ(record.referenceIndex, alternatives[a].referenceIndex);
        EXPECT_EQ(record.credibility, alternatives[a].credibility);
    }
    ASSERT_EQ(model.criteria.size(), 2u);
    EXPECT_EQ(model.criteria[0]->name, "g");
    EXPECT_EQ(model.criteria[0]->direction, 1);
    EXPECT_EQ(model.criteria[1]->name, "c");
    EXPECT_EQ(model.criteria[1]->index, 1);
    EXPECT_EQ(model.criteria[1]->direction, -1);
    EXPECT_EQ(model.criteria[1]->segments, 2);
    EXPECT_TRUE(model.criteria[1]->breakpoints.empty());  // the ranges come next

    EXPECT_EQ(model.reference.first, (SolverMatrix{{0, 1}, {0, 0}}));
    EXPECT_EQ(model.reference.second, (SolverMatrix{{2, 1}, {2, 2}}));
    EXPECT_EQ(solver.threshold1, 0.03);
    EXPECT_EQ(solver.threshold2, 0.025);
    EXPECT_EQ(solver.delta, 0.01);  // the solve sets it
}

TEST(PrepareSolverTest, RefusesWhatItCannotSolve)
{
    const struct {
        const char* what;
        std::function<void(SolverProject&)> change;
        bool consumesCredibility;  // the refusal comes after the credibility choice was applied
    } cases[] = {
        {"no Solver", [](SolverProject&) {}, false},
        {"two alternatives",
         [](SolverProject& s) {
             s.project.AlternativesTable.pop_back();
             s.project.EvaluationsTable.pop_back();
         },
         false},
        {"one criterion",
         [](SolverProject& s) {
             s.project.CriteriaTable.pop_back();
             for (ZQRow& row : s.project.EvaluationsTable)
                 row.pop_back();
         },
         false},
        {"ordinal cell off its scale",
         [](SolverProject& s) {
             s.Criterion("o", "rank");
             s.project.AddScaleValue("o", "good", 1);
             s.project.AddScaleValue("o", "bad", 2);
             s.project.EvaluationsTable[1].push_back("good");
             s.project.EvaluationsTable[2].push_back("bad");
             s.project.EvaluationsTable[3].push_back("Good");
         },
         false},
        {"segments 0", [](SolverProject& s) { s.project.CriteriaTable[1][3] = "0"; }, false},
        {"segments not a number", [](SolverProject& s) { s.project.CriteriaTable[0][3] = "two"; }, false},
        {"every reference alternative in one rank",
         [](SolverProject& s) {
             s.project.AlternativesTable[1][2] = "1";
             s.Tree({{"x", "y"}});
         },
         true},
        {"two alternatives of one name",
         [](SolverProject& s) {
             s.project.AlternativesTable[2][0] = "x";
             s.project.EvaluationsTable[3][0] = "x";
         },
         false},
        {"two criteria of one name",
         [](SolverProject& s) {
             s.project.CriteriaTable[1][0] = "g";
             s.project.EvaluationsTable[0][2] = "g";
         },
         false},
        {"alternative missing from the evaluations", [](SolverProject& s) { s.project.EvaluationsTable[3][0] = "w"; },
         false},
        {"criterion missing from the header", [](SolverProject& s) { s.project.EvaluationsTable[0][2] = "d"; },
         false},
        {"infinite evaluation", [](SolverProject& s) { s.project.EvaluationsTable[2][1] = "1e999"; }, false},
        {"NaN evaluation", [](SolverProject& s) { s.project.EvaluationsTable[2][1] = "nan"; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SolverProject s;
        s.RankedPairOnGainAndCost();
        c.change(s);
        s.project.CredibilityList = {"x"};
        s.project.CredibilityDefined = 1;
        if (std::string(c.what) == "no Solver") {
            EXPECT_EQ(s.project.PrepareSolver(), 0);
        } else {
            EXPECT_EQ(s.Prepare(), 0);
            for (const auto& record : s.project.ProjectSolver->model.alternatives)
                EXPECT_NE(record, nullptr);
            for (const auto& record : s.project.ProjectSolver->model.criteria)
                EXPECT_NE(record, nullptr);
        }
        EXPECT_EQ(s.project.CredibilityDefined, c.consumesCredibility ? 0 : 1);
        EXPECT_EQ(s.project.CredibilityList.empty(), c.consumesCredibility);
    }
}

TEST_F(SolverFixture, CredibilityChoiceAppliesToOneSolve)
{
    RankedPairOnGainAndCost();
    Alternative("w", {"4", "2"}, "3");
    Tree({{"x"}, {"y"}, {"w"}});
    project.CredibilityList = {"x", "w", "z"};
    project.CredibilityDefined = 1;
    ASSERT_EQ(Prepare(), 1);
    std::vector<int> credibility;
    for (const auto& record : project.ProjectSolver->model.alternatives)
        credibility.push_back(record->credibility);
    EXPECT_EQ(credibility, (std::vector<int>{1, 0, -1, 1}));
    EXPECT_TRUE(project.CredibilityList.empty());
    EXPECT_EQ(project.CredibilityDefined, 0);

    // The next solve, without a new choice, trusts every reference alternative.
    ASSERT_EQ(Prepare(), 1);
    credibility.clear();
    for (const auto& record : project.ProjectSolver->model.alternatives)
        credibility.push_back(record->credibility);
    EXPECT_EQ(credibility, (std::vector<int>{1, 1, -1, 1}));
}

TEST(PrepareSolverTest, ReferenceAndChainMatrices)
{
    // a, b, c ranked (reference indices 0, 1, 2), d unranked.
    const SolverMatrix tiedThenOne = {{2, 0.5, 2}, {2, 2, 1}, {2, 2, 2}};
    const struct {
        const char* what;
        const char* ranks[3];
        std::function<void(SolverProject&)> tree;
        SolverMatrix r;
        SolverMatrix c;
    } cases[] = {
        {"a b tied, then c", {"1", "1", "2"}, [](SolverProject& s) { s.Tree({{"a", "b"}, {"c"}}); },
         {{0, 0.5, 1}, {0.5, 0, 1}, {0, 0, 0}}, tiedThenOne},
        {"tree order against the rank numbers", {"2", "1", "3"},
         [](SolverProject& s) { s.Tree({{"a"}, {"b"}, {"c"}}); }, {{0, 0, 1}, {1, 0, 1}, {0, 0, 0}},
         {{2, 1, 2}, {2, 2, 1}, {2, 2, 2}}},
        {"empty rank nodes", {"1", "1", "2"}, [](SolverProject& s) { s.Tree({{}, {"a", "b"}, {}, {}, {"c"}}); },
         {{0, 0.5, 1}, {0.5, 0, 1}, {0, 0, 0}}, tiedThenOne},
        {"tree entries that are no reference alternative", {"1", "1", "2"},
         [](SolverProject& s) { s.Tree({{"d", "a", "ghost", "b"}, {"ghost", "d"}, {"d", "c", "d"}}); },
         {{0, 0.5, 1}, {0.5, 0, 1}, {0, 0, 0}}, tiedThenOne},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SolverProject s;
        s.Criterion("g", "gain");
        s.Criterion("h", "cost");
        s.Alternative("a", {"1", "2"}, c.ranks[0]);
        s.Alternative("b", {"2", "1"}, c.ranks[1]);
        s.Alternative("c", {"3", "3"}, c.ranks[2]);
        s.Alternative("d", {"4", "4"});
        c.tree(s);
        ASSERT_EQ(s.Prepare(), 1);
        EXPECT_EQ(s.project.ProjectSolver->model.reference.first, c.r);
        EXPECT_EQ(s.project.ProjectSolver->model.reference.second, c.c);
    }
}

TEST_F(SolverFixture, EvaluationLookUp)
{
    RankedPairOnGainAndCost();
    Criterion("o", "rank");
    project.AddScaleValue("o", "good", 1);
    project.AddScaleValue("o", "fair", 2);
    project.AddScaleValue("o", "bad", 3);
    project.EvaluationsTable[1].push_back("fair");
    project.EvaluationsTable[2].push_back("bad");
    project.EvaluationsTable[3].push_back("fine");
    project.EvaluationsTable[1][1] = "2.5 km";
    const struct {
        const char* alternative;
        const char* criterion;
        double value;
    } cases[] = {
        {"x", "g", 2.5},     // the leading number of the cell
        {"y", "c", 3.0},
        {"x", "o", 2.0},     // the position of the scale value
        {"y", "o", 3.0},
        {"z", "o", 0.0},     // not a value of the scale
        {"w", "g", 0.0},     // unknown alternative: the header cell "g"
        {"x", "none", 0.0},  // unknown criterion: the name cell "x"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alternative << " on " << c.criterion);
        EXPECT_EQ(project.GetEvaluationValue(c.alternative, c.criterion), c.value);
    }
}

} // namespace
