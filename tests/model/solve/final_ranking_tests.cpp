// The utilities of the final ranking, the ranking chart's rows and the results text, on Solvers whose
// value functions are written by hand.
#include "FakeShell.h"
#include "FileTestSupport.h"
#include "TableText.h"

#include "core/CException.h"
#include "model/solve/AlternativeUtility.h"
#include "model/solve/ProjectFinalRanking.h"
#include "model/solve/Solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

typedef std::vector<std::string> Calls;

const char* const kDegenerate = "ShowMessage(Internal error: gi_h1 == gi_h, Ondrix, 0)";

CriterionRecord Criterion(int32_t direction, std::vector<double> breakpoints, std::vector<double> values)
{
    CriterionRecord criterion;
    criterion.name = "k";
    criterion.direction = direction;
    criterion.segments = int32_t(breakpoints.size()) - 1;
    criterion.breakpoints = std::move(breakpoints);
    criterion.values = std::move(values);
    return criterion;
}

TEST(MarginalValue, ReadsTheValueFunction)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CriterionRecord gain = Criterion(1, {1, 2, 3}, {0.1, 0.3, 0.5});
    const CriterionRecord cost = Criterion(-1, {5, 3, 1}, {0.1, 0.3, 0.5});
    const struct {
        const char* what;
        CriterionRecord criterion;
        double g;
        double u;
    } cases[] = {
        {"gain at the first breakpoint", gain, 1, 0.1},
        {"gain between two breakpoints", gain, 1.5, 0.2},
        {"gain at an inner breakpoint", gain, 2, 0.3},
        {"gain at the top breakpoint", gain, 3, 0.5},
        {"gain past the top", gain, 4, 0.5},
        {"gain on the worse side of the first breakpoint", gain, 0, 0.1},
        {"cost at the first breakpoint", cost, 5, 0.1},
        {"cost between two breakpoints", cost, 4, 0.2},
        {"cost at the best breakpoint", cost, 1, 0.5},
        {"cost on the worse side of the first breakpoint", cost, 6, 0.1},
        {"cost past the best", cost, 0, 0.5},
        {"ordinal (direction -1) as a cost", Criterion(-1, {3, 2, 1}, {0, 0.2, 0.4}), 1.5, 0.3},
        {"clamped above 1", Criterion(1, {0, 1, 2}, {0, 0.8, 1.6}), 1.5, 1.0},
        {"clamped below 0", Criterion(1, {0, 1, 2}, {0, -0.5, -1.0}), 1.5, 0.0},
        {"the last value clamped", Criterion(1, {0, 1}, {0, 1.2}), 5, 1.0},
        {"not a number becomes 0", Criterion(1, {0, 1, 2}, {0, nan, 1}), 0.5, 0.0},
        {"one breakpoint", Criterion(1, {4}, {0}), 4, 0.0},
        // the segment's range is past the largest double, the evaluation's distance from its start is not
        {"the middle of a segment across every double", Criterion(1, {-1e308, 1e308}, {0, 1}), 0, 0.5},
        {"a cost segment across every double", Criterion(-1, {1e308, -1e308}, {0.2, 0.6}), 0, 0.4},
    };
    for (const auto& c : cases) {
        bool degenerate = true;
        EXPECT_NEAR(MarginalValue(c.criterion, c.g, &degenerate), c.u, 1e-12) << c.what;
        EXPECT_FALSE(degenerate) << c.what;
    }
}

TEST(MarginalValue, EqualBreakpointsHaveNoSlope)
{
    const struct {
        CriterionRecord criterion;
        double g;
        bool degenerate;
        double u;
    } cases[] = {
        {Criterion(1, {1, 1, 3}, {0.1, 0.2, 0.5}), 1, true, 0.0},
        {Criterion(1, {1, 1, 3}, {0.1, 0.2, 0.5}), 2, false, 0.35},
        {Criterion(-1, {3, 2, 2}, {0, 0.4, 0.6}), 2, true, 0.0},
        {Criterion(-1, {3, 2, 2}, {0, 0.4, 0.6}), 2.5, false, 0.2},
    };
    for (const auto& c : cases) {
        bool degenerate = !c.degenerate;
        EXPECT_NEAR(MarginalValue(c.criterion, c.g, &degenerate), c.u, 1e-12) << c.g;
        EXPECT_EQ(degenerate, c.degenerate) << c.g;
    }
}

TEST(MarginalValue, RefusesAnUnreadableFunction)
{
    for (const CriterionRecord& criterion :
         {Criterion(1, {1, 2, 3}, {0, 0.5}), Criterion(1, {}, {}), Criterion(1, {1, 2}, {0, 0.1, 0.2})}) {
        try {
            MarginalValue(criterion, 1, nullptr);
            ADD_FAILURE() << "no exception";
        } catch (CInvalidArgException* e) {
            EXPECT_NE(std::string(e->m_strDetail.GetString()).find("criterion k has"), std::string::npos);
            e->Delete();
        }
    }
}

struct RankingTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};
    ScratchDir dir;

    RankingTest()
    {
        project.ProjectSolver = std::make_unique<Solver>();
        solver().resultsReady = 1;
        solver().shownKendall = 0.5;
        shell.openDocuments.insert(ZQDocument::RankingChart);
    }
    Solver& solver() { return *project.ProjectSolver; }
    void AddCriterion(const CriterionRecord& criterion)
    {
        solver().model.criteria.push_back(std::make_unique<CriterionRecord>(criterion));
    }
    void AddAlternative(const char* name, std::vector<double> evaluations)
    {
        auto alternative = std::make_unique<AlternativeRecord>();
        alternative->name = name;
        alternative->evaluations = std::move(evaluations);
        solver().model.alternatives.push_back(std::move(alternative));
    }
    // One gain criterion whose marginal value is the evaluation itself, and the alternatives on it.
    void Utilities(std::initializer_list<std::pair<const char*, double>> alternatives)
    {
        AddCriterion(Criterion(1, {0, 1}, {0, 1}));
        for (const auto& alternative : alternatives)
            AddAlternative(alternative.first, {alternative.second});
    }
    std::string Write(int precision, char decimal)
    {
        shell.resultsUtilityPrecision = precision;
        const std::string path = dir.File("results.txt");
        EXPECT_EQ(project.WriteResultsText(path.c_str(), decimal), 1);
        return ReadFileBytes(path);
    }
};

TEST_F(RankingTest, MarginalValuesAreClampedBeforeTheSum)
{
    AddCriterion(Criterion(1, {0, 1, 2}, {0, 0.7, 1.4}));
    AddCriterion(Criterion(-1, {2, 1, 0}, {0, -0.3, 0.2}));
    AddAlternative("over", {2, 1});    // 1.4 -> 1, -0.3 -> 0
    AddAlternative("inner", {0.5, 0});  // 0.35 + 0.2
    project.RefreshRankingChart();
    EXPECT_EQ(Text(project.RankingRows), (TextTable{{"inner", "0.550000"}, {"over", "1.000000"}}));
    EXPECT_EQ(shell.Actions(), (Calls{"SetStatusText(0.500)", "RedrawRankingChart()"}));
}

TEST_F(RankingTest, ACountMismatchStopsTheRowsWithoutSortOrRedraw)
{
    AddCriterion(Criterion(1, {0, 1}, {0, 1}));
    AddCriterion(Criterion(1, {0, 1, 2}, {0, 0.5, 1}));
    AddAlternative("a", {1, 1});
    AddAlternative("b", {0, 2});
    project.RankingRows = {{"stale", "1"}};

    for (auto& change : std::vector<void (*)(CriterionRecord&)>{
             [](CriterionRecord& k) { k.values.pop_back(); }, [](CriterionRecord& k) { k.breakpoints.push_back(3); },
             [](CriterionRecord& k) { k.segments = 1; }}) {
        CriterionRecord saved = *solver().model.criteria[1];
        change(*solver().model.criteria[1]);
        shell.ClearCalls();
        project.RefreshRankingChart();
        EXPECT_TRUE(project.RankingRows.empty());
        EXPECT_EQ(shell.Actions(), Calls{"SetStatusText(0.500)"});
        EXPECT_EQ(project.WriteResultsText(dir.File("r.txt").c_str(), '.'), 0);
        EXPECT_FALSE(PathExists(dir.File("r.txt")));
        *solver().model.criteria[1] = saved;
    }
}

TEST_F(RankingTest, EqualBreakpointsShowTheInternalErrorAndCountNothing)
{
    AddCriterion(Criterion(1, {0, 0, 2}, {0, 0.2, 0.6}));
    AddCriterion(Criterion(1, {0, 1}, {0, 0.4}));
    AddAlternative("a", {0, 1});  // the degenerate segment: 0 + 0.4
    AddAlternative("b", {1, 0});  // 0.4 + 0
    AddAlternative("c", {0, 0});  // degenerate again: 0
    project.RefreshRankingChart();
    EXPECT_EQ(shell.Actions(), (Calls{"SetStatusText(0.500)", kDegenerate, kDegenerate, "RedrawRankingChart()"}));
    EXPECT_EQ(Text(project.RankingRows), (TextTable{{"c", "0.000000"}, {"a", "0.400000"}, {"b", "0.400000"}}));

    shell.ClearCalls();
    EXPECT_EQ(Write(6, '.'), "b\t0.4\na\t0.4\nc\t0\n");
    EXPECT_EQ(shell.Actions(), (Calls{kDegenerate, kDegenerate}));
}

TEST_F(RankingTest, NoChartOpenNoRows)
{
    Utilities({{"a", 0.5}});
    shell.openDocuments.clear();
    project.RankingRows = {{"kept", "1"}};
    project.RefreshRankingChart();
    EXPECT_EQ(Text(project.RankingRows), (TextTable{{"kept", "1"}}));
    EXPECT_EQ(shell.Actions(), Calls{"SetStatusText(0.500)"});
}

TEST_F(RankingTest, ResultsTextWithTwoDecimals)
{
    Utilities({{"first", 0.4567}, {"second", 0.8123}});
    EXPECT_EQ(Write(2, '.'), "second\t0.81\nfirst\t0.46\n");
    EXPECT_EQ(Text(project.ResultRows), (TextTable{{"first", "0.46"}, {"second", "0.81"}}));
    EXPECT_EQ(Write(2, ','), "second\t0,81\nfirst\t0,46\n");
}

TEST_F(RankingTest, PrecisionSettings)
{
    Utilities({{"a", 0.0123456789}, {"b", 1.0}});
    const struct {
        int precision;
        const char* text;
    } cases[] = {{0, "b\t1\na\t0.012346\n"}, {7, "b\t1\na\t0.012346\n"}, {6, "b\t1\na\t0.012346\n"},
                 {-1, "b\t1\na\t0.012346\n"}, {1, "b\t1\na\t0\n"}, {3, "b\t1\na\t0.012\n"},
                 {5, "b\t1\na\t0.01235\n"}};
    for (const auto& c : cases)
        EXPECT_EQ(Write(c.precision, '.'), c.text) << c.precision;
}

TEST_F(RankingTest, NamesAreWrittenAsTheyStandAndTiesKeepTheSolversOrder)
{
    Utilities({{"100% %s %d", 0.5}, {"t1", 0.25}, {"t2", 0.25}, {"t3", 0.25}, {"top", 0.75}});
    EXPECT_EQ(Write(6, '.'), "top\t0.75\n100% %s %d\t0.5\nt3\t0.25\nt2\t0.25\nt1\t0.25\n");
    EXPECT_EQ(Text(project.ResultRows), (TextTable{{"t1", "0.250000"},
                                                   {"t2", "0.250000"},
                                                   {"t3", "0.250000"},
                                                   {"100% %s %d", "0.500000"},
                                                   {"top", "0.750000"}}));
    project.RefreshRankingChart();
    EXPECT_EQ(project.RankingRows[0][0], "t1");
    EXPECT_EQ(project.RankingRows[2][0], "t3");
}

TEST_F(RankingTest, ResultsTextRefusals)
{
    Utilities({{"a", 0.5}});
    const std::string path = dir.File("results.txt");
    WriteFileBytes(path, "kept\n");

    EXPECT_EQ(project.WriteResultsText(dir.File("missing/results.txt").c_str(), '.'), 0);
    EXPECT_EQ(project.WriteResultsText("", '.'), 0);
    for (char symbol : {'\0', '\n', '\r', '\t'}) {
        try {
            project.WriteResultsText(path.c_str(), symbol);
            ADD_FAILURE() << "no exception for " << int(symbol);
        } catch (CInvalidArgException* e) {
            EXPECT_NE(std::string(e->m_strDetail.GetString()).find("decimal symbol " + std::to_string(int(symbol))),
                      std::string::npos);
            e->Delete();
        }
    }
    solver().resultsReady = 0;
    EXPECT_EQ(project.WriteResultsText(path.c_str(), '.'), 0);
    project.ProjectSolver.reset();
    EXPECT_EQ(project.WriteResultsText(path.c_str(), '.'), 0);
    EXPECT_EQ(ReadFileBytes(path), "kept\n");
    EXPECT_EQ(dir.Entries(), Calls{"results.txt"});
}

TEST(FinalRanking, SortTreatsRowsSafely)
{
    // Text that is not a number, a missing cell and "nan" all sort without breaking the order.
    std::vector<std::vector<CString>> rows{{"b", "0.5"}, {"nan", "nan"}, {"short"}, {"a", "0.25"}, {"word", "x"}};
    SortUtilityRows(rows, "%f");
    TextTable text;
    for (const auto& row : rows)
        text.push_back({row[0].GetString(), row[1].GetString()});
    EXPECT_EQ(text, (TextTable{{"nan", "nan"}, {"short", "0.000000"}, {"word", "0.000000"}, {"a", "0.250000"},
                               {"b", "0.500000"}}));
    EXPECT_FALSE(CompareUtility({"x", std::nan("")}, {"y", std::nan("")}));
    EXPECT_TRUE(CompareUtility({"x", std::nan("")}, {"y", -1.0}));
    EXPECT_FALSE(CompareUtility({"x", -1.0}, {"y", std::nan("")}));
}

} // namespace
