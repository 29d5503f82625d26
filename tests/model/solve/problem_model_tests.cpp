// Breakpoints of the criteria and the segment look-up.
#include "SolverFixture.h"

#include "core/CException.h"

#include <functional>
#include <limits>

namespace {

// A model of one criterion with the given direction over one alternative per evaluation.
void OneCriterion(ProblemModel& model, int direction, const std::vector<double>& evaluations)
{
    auto criterion = std::make_unique<CriterionRecord>();
    criterion->name = "k";
    criterion->direction = direction;
    criterion->segments = 5;
    criterion->breakpoints = {99.0};  // left over: the ranges replace it
    model.criteria.push_back(std::move(criterion));
    for (double value : evaluations) {
        auto alternative = std::make_unique<AlternativeRecord>();
        alternative->index = int32_t(model.alternatives.size());
        alternative->evaluations = {value};
        model.alternatives.push_back(std::move(alternative));
    }
}

TEST(ProblemModelTest, BreakpointsAndSegments)
{
    const struct {
        const char* what;
        int direction;
        std::vector<double> evaluations;
        std::vector<double> breakpoints;
        double worst;
        double best;
        std::vector<int> segmentOf;  // FindSegment per alternative
    } cases[] = {
        {"cost", -1, {5, 3, 3, 1}, {5, 3, 1}, 5, 1, {0, 1, 1, 1}},
        {"gain", 1, {2, 7, 4, 4, 3}, {2, 3, 4, 7}, 2, 7, {0, 2, 2, 2, 1}},
        {"constant gain", 1, {3, 3, 3}, {3}, 3, 3, {-1, -1, -1}},
        {"constant cost", -1, {-2, -2, -2}, {-2}, -2, -2, {-1, -1, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProblemModel model;
        OneCriterion(model, c.direction, c.evaluations);
        model.ComputeCriterionRanges();
        const CriterionRecord& criterion = *model.criteria[0];
        EXPECT_EQ(criterion.breakpoints, c.breakpoints);
        EXPECT_EQ(criterion.segments, int(c.breakpoints.size()) - 1);
        EXPECT_EQ(criterion.worst, c.worst);
        EXPECT_EQ(criterion.best, c.best);
        std::vector<int> segmentOf;
        for (size_t a = 0; a < c.evaluations.size(); ++a)
            segmentOf.push_back(model.FindSegment(0, int32_t(a)));
        EXPECT_EQ(segmentOf, c.segmentOf);
    }
}

TEST(ProblemModelTest, SegmentLookUpStaysInsideTheBreakpoints)
{
    // Evaluations changed after the ranges were computed: outside the range, or past the last
    // breakpoint without being the best value.
    ProblemModel model;
    OneCriterion(model, 1, {1, 2, 3});
    model.ComputeCriterionRanges();
    model.alternatives[0]->evaluations[0] = 0.5;
    model.alternatives[1]->evaluations[0] = 9.0;
    EXPECT_EQ(model.FindSegment(0, 0), -1);
    EXPECT_EQ(model.FindSegment(0, 1), 1);
    model.criteria[0]->breakpoints.clear();
    EXPECT_EQ(model.FindSegment(0, 2), -2);  // no breakpoint, the best value
    EXPECT_EQ(model.FindSegment(0, 0), -1);
}

TEST_F(SolverFixture, OrdinalPositionsRunDownwards)
{
    Criterion("g", "gain");
    Criterion("o", "rank");
    project.AddScaleValue("o", "good", 1);
    project.AddScaleValue("o", "fair", 2);
    project.AddScaleValue("o", "bad", 3);
    Alternative("x", {"1", "fair"}, "1");
    Alternative("y", {"2", "bad"}, "2");
    Alternative("z", {"3", "good"});
    Tree({{"x"}, {"y"}});
    ASSERT_EQ(Prepare(), 1);
    ProblemModel& model = project.ProjectSolver->model;
    model.ComputeCriterionRanges();
    const CriterionRecord& ordinal = *model.criteria[1];
    EXPECT_EQ(ordinal.direction, -1);
    EXPECT_EQ(ordinal.breakpoints, (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(ordinal.worst, 3);
    EXPECT_EQ(ordinal.best, 1);
    EXPECT_EQ(model.FindSegment(1, 0), 1);  // fair
    EXPECT_EQ(model.FindSegment(1, 1), 0);  // bad, the worst
    EXPECT_EQ(model.FindSegment(1, 2), 1);  // good, the best, in the last segment
}

TEST(ProblemModelTest, BadInputIsNamed)
{
    const struct {
        const char* what;
        std::function<void(ProblemModel&)> call;
        const char* named;
    } cases[] = {
        {"negative criterion", [](ProblemModel& m) { m.FindSegment(-1, 0); }, "criterion index -1"},
        {"criterion past the end", [](ProblemModel& m) { m.FindSegment(1, 0); }, "criterion index 1"},
        {"alternative past the end", [](ProblemModel& m) { m.FindSegment(0, 3); }, "alternative index 3"},
        {"short evaluations",
         [](ProblemModel& m) {
             m.alternatives[1]->evaluations.clear();
             m.ComputeCriterionRanges();
         },
         "has 0 evaluations"},
        {"NaN evaluation",
         [](ProblemModel& m) {
             m.alternatives[2]->evaluations[0] = std::numeric_limits<double>::quiet_NaN();
             m.ComputeCriterionRanges();
         },
         "evaluation nan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProblemModel model;
        OneCriterion(model, 1, {1, 2, 3});
        try {
            c.call(model);
            ADD_FAILURE() << "no exception";
        } catch (CInvalidArgException* e) {
            EXPECT_NE(e->m_strDetail.Find(c.named), -1) << e->m_strDetail.GetString();
            e->Delete();
        }
    }
}

} // namespace
