// The two ways of solving the pairwise programs of a solve, warm-started per family and built anew,
// give the same optima, relations and graph texts.
#include "GeneratedProblem.h"
#include "SolveOutcome.h"

#include <set>
#include <string>

namespace {

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
    const SolveCase problems[] = {
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
        const SolveOutcome family = SolveCaseWith(problem, PairwiseMethod::Family, 0);
        const SolveOutcome anew = SolveCaseWith(problem, PairwiseMethod::BuildAnew, 0);
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
        EXPECT_EQ(family.kendall.value, anew.kendall.value);
    }
}

TEST(PairwiseFamilies, TheGeneratedProblemHasEveryKindOfRelation)
{
    // So that the comparison above covers more than one relation text.
    const SolveOutcome outcome = SolveCaseWith(
        {"", [](SolverProject& p) { p.shell.referenceTree = GenerateConsistentProblem(p.project, 30, 20240607 + 30); }},
        PairwiseMethod::Family, 0);
    ASSERT_EQ(outcome.result, 1);
    std::set<std::string> texts;
    for (const auto& row : outcome.strong) {
        for (const CString& text : row)
            texts.insert(text.GetString());
    }
    EXPECT_TRUE(texts.count("P") && texts.count("P-") && texts.count("?")) << texts.size();
    EXPECT_EQ(outcome.kendall.value, 1.0);
}

} // namespace
