// The two ways of solving the pairwise programs of a solve, warm-started per family and built anew,
// give the same optima, relations and graph texts.
#include "GeneratedProblem.h"
#include "SolverFixture.h"
#include "StandardOutputCapture.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

struct Outcome {
    int32_t result = 0;
    SolverMatrix strongOptima, weakOptima;
    RelationMatrix strong, weak, complete;
    std::vector<std::string> renders;  // the dot texts and paths handed to the renderer
    std::vector<CString> excluded;
    std::vector<std::vector<double>> values;
    double kendall = 0.0;
};

// Builds a project with `fill`, solves it with `method` as the driver does, and keeps what it gave.
Outcome SolveWith(const std::function<void(SolverProject&)>& fill, PairwiseMethod method)
{
    SolverProject p;
    fill(p);
    p.project.ProjectSolver = std::make_unique<Solver>();
    Outcome outcome;
    if (p.project.PrepareSolver() != 1) {
        ADD_FAILURE() << "the preparation was refused";
        return outcome;
    }
    Solver& solver = *p.project.ProjectSolver;
    solver.model.ComputeCriterionRanges();
    solver.pairwiseMethod = method;
    {
        StandardOutputCapture progressLines;  // the library's, kept out of the test log
        outcome.result = solver.Solve();
    }
    outcome.strongOptima = solver.strongOptima;
    outcome.weakOptima = solver.weakOptima;
    outcome.strong = solver.strongRelation;
    outcome.weak = solver.weakRelation;
    outcome.complete = solver.completeRelation;
    outcome.renders = p.shell.Renders();
    outcome.excluded = solver.model.excludedNames;
    for (const auto& criterion : solver.model.criteria)
        outcome.values.push_back(criterion->values);
    outcome.kendall = solver.kendall.value;
    return outcome;
}

void ExpectNear(const SolverMatrix& a, const SolverMatrix& b, const char* what)
{
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].size(), b[i].size()) << what;
        for (size_t j = 0; j < a[i].size(); ++j)
            EXPECT_NEAR(a[i][j], b[i][j], 1e-9) << what << " [" << i << "][" << j << "]";
    }
}

TEST(PairwiseFamilies, GiveWhatProgramsBuiltAnewGive)
{
    const struct {
        const char* name;
        std::function<void(SolverProject&)> fill;
    } problems[] = {
        {"ranked pair on two gains", [](SolverProject& p) { p.RankedPairOnTwoGains(); }},
        {"ranked pair on a gain and a cost", [](SolverProject& p) { p.RankedPairOnGainAndCost(); }},
        {"ranked pair on a gain and a cost, y of low credibility",
         [](SolverProject& p) {
             p.RankedPairOnGainAndCost();
             p.project.CredibilityList = {"x"};
             p.project.CredibilityDefined = 1;
         }},
        {"30 generated alternatives",
         [](SolverProject& p) { p.shell.referenceTree = GenerateConsistentProblem(p.project, 30, 20240607 + 30); }},
    };
    for (const auto& problem : problems) {
        SCOPED_TRACE(problem.name);
        const Outcome family = SolveWith(problem.fill, PairwiseMethod::Family);
        const Outcome anew = SolveWith(problem.fill, PairwiseMethod::BuildAnew);
        ASSERT_EQ(family.result, 1);
        ASSERT_EQ(anew.result, 1);
        ExpectNear(family.strongOptima, anew.strongOptima, "strong optima");
        ExpectNear(family.weakOptima, anew.weakOptima, "weak optima");
        EXPECT_EQ(family.strong, anew.strong);
        EXPECT_EQ(family.weak, anew.weak);
        EXPECT_EQ(family.complete, anew.complete);
        ASSERT_EQ(family.renders.size(), 2u);
        EXPECT_EQ(family.renders, anew.renders);
        EXPECT_EQ(family.excluded, anew.excluded);
        ExpectNear(family.values, anew.values, "value functions");
        EXPECT_EQ(family.kendall, anew.kendall);
    }
}

TEST(PairwiseFamilies, TheGeneratedProblemHasEveryKindOfRelation)
{
    // So that the comparison above covers more than one relation text.
    const Outcome outcome = SolveWith(
        [](SolverProject& p) { p.shell.referenceTree = GenerateConsistentProblem(p.project, 30, 20240607 + 30); },
        PairwiseMethod::Family);
    ASSERT_EQ(outcome.result, 1);
    std::set<std::string> texts;
    for (const auto& row : outcome.strong) {
        for (const CString& text : row)
            texts.insert(text.GetString());
    }
    EXPECT_TRUE(texts.count("P") && texts.count("P-") && texts.count("?")) << texts.size();
    EXPECT_EQ(outcome.kendall, 1.0);
}

} // namespace
