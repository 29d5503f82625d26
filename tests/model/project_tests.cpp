// The project's tables and editing operations, and the calls they make on the shell.
#include "FakeShell.h"
#include "TableText.h"

#include "core/CException.h"
#include "model/solve/Solver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

typedef std::vector<std::string> Calls;

struct ProjectTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};
};

TEST_F(ProjectTest, NewProjectThenTwoCriteriaAndAnAlternative)
{
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{""}}));
    EXPECT_TRUE(project.AlternativesTable.empty());
    EXPECT_TRUE(project.CriteriaTable.empty());
    EXPECT_TRUE(project.ScaleValuesTable.empty());
    EXPECT_EQ(project.DeltaThreshold, 0.02);
    EXPECT_EQ(project.EpsilonThreshold, 0.019);
    EXPECT_TRUE(project.CredibilityList.empty());
    EXPECT_EQ(project.CredibilityDefined, 0);
    EXPECT_EQ(project.ProjectSolver, nullptr);
    EXPECT_TRUE(project.ValueFunctions.empty());
    EXPECT_TRUE(project.SolvedValueFunctions.empty());

    project.AddCriterion("c1", "", ZQ_KIND_GAIN, 2);
    project.AddCriterion("c2", "", ZQ_KIND_ORDINAL, 3);
    project.AddAlternative("a");

    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "c1", "c2"}, {"a", "0", ""}}));
    EXPECT_EQ(Text(project.CriteriaTable), (TextTable{{"c1", "", "gain", "2"}, {"c2", "", "rank", "3"}}));
    EXPECT_EQ(Text(project.AlternativesTable), (TextTable{{"a", "", ""}}));
    EXPECT_EQ(shell.modified, 1);
}

TEST_F(ProjectTest, KindCodeGivesKindWordCellAndKindBack)
{
    const struct {
        int code;
        const char* word;
        const char* cell;  // the new cell of an existing alternative
        int kind;          // GetCriterionKind afterwards
    } cases[] = {
        {ZQ_KIND_GAIN, "gain", "0", 1},
        {ZQ_KIND_COST, "cost", "0", -1},
        {ZQ_KIND_ORDINAL, "rank", "", 2},
        {0, "", "0", 0},
        {5, "", "0", 0},
    };
    for (const auto& c : cases) {
        CZQInterfaceData p;
        FakeShell s(&p);
        p.AddAlternative("a");
        p.AddCriterion("c", "described", c.code, 4);
        SCOPED_TRACE(c.code);
        EXPECT_EQ(Text(p.CriteriaTable), (TextTable{{"c", "described", c.word, "4"}}));
        EXPECT_EQ(Text(p.EvaluationsTable), (TextTable{{"", "c"}, {"a", c.cell}}));
        EXPECT_EQ(p.GetCriterionKind("c"), c.kind);
        EXPECT_EQ(p.GetCriterionKind("C"), 0);  // names are case-sensitive
    }
    EXPECT_EQ(project.GetCriterionKind("unknown"), 0);
}

TEST_F(ProjectTest, RemoveCriterionTakesItsColumnEverywhereAndKeepsItsScale)
{
    project.AddCriterion("c1", "", ZQ_KIND_GAIN, 2);
    project.AddCriterion("c2", "", ZQ_KIND_ORDINAL, 1);
    project.AddCriterion("c3", "", ZQ_KIND_COST, 2);
    project.AddScaleValue("c2", "low", 1);
    project.AddScaleValue("c2", "high", 2);
    project.AddAlternative("a");
    project.AddAlternative("b");
    project.EvaluationsTable[1] = ZQRow{"a", "1", "low", "3"};
    project.EvaluationsTable[2] = ZQRow{"b", "4", "high", "6"};
    shell.modified = 0;

    project.RemoveCriterion("c2");

    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "c1", "c3"}, {"a", "1", "3"}, {"b", "4", "6"}}));
    EXPECT_EQ(Text(project.CriteriaTable), (TextTable{{"c1", "", "gain", "2"}, {"c3", "", "cost", "2"}}));
    EXPECT_EQ(Text(project.ScaleValuesTable), (TextTable{{"c2", "low", "1"}, {"c2", "high", "2"}}));
    EXPECT_EQ(shell.modified, 1);
}

TEST_F(ProjectTest, RemovingACriterionNeverTakesTheNamesColumn)
{
    // A criterion with an empty name shares its header text with the names column.
    project.AddCriterion("", "", ZQ_KIND_GAIN, 2);
    project.AddCriterion("c", "", ZQ_KIND_GAIN, 2);
    project.AddAlternative("a");
    project.EvaluationsTable[1] = ZQRow{"a", "1", "2"};

    project.RemoveCriterion("");
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "c"}, {"a", "2"}}));

    project.RemoveCriterion("");  // no criterion of that name is left
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "c"}, {"a", "2"}}));
}

TEST_F(ProjectTest, RemoveScaleValuesTakesOnlyThatCriterionAndAlwaysMarksModified)
{
    project.AddScaleValue("q", "bad", 1);
    project.AddScaleValue("r", "x", 1);
    project.AddScaleValue("q", "good", 2);
    shell.modified = 0;

    project.RemoveScaleValues("q");
    EXPECT_EQ(Text(project.ScaleValuesTable), (TextTable{{"r", "x", "1"}}));
    EXPECT_EQ(shell.modified, 1);

    shell.modified = 0;
    project.RemoveScaleValues("unknown");
    EXPECT_EQ(Text(project.ScaleValuesTable), (TextTable{{"r", "x", "1"}}));
    EXPECT_EQ(shell.modified, 1);
}

TEST_F(ProjectTest, RemoveAlternativeTakesTheFirstOfThatNameAndAnAbsentNameOnlyMarksModified)
{
    project.AddCriterion("c", "", ZQ_KIND_GAIN, 2);
    project.AddAlternative("a");
    project.AddAlternative("b");
    project.AddAlternative("a");
    project.AlternativesTable[0][1] = "first";
    project.EvaluationsTable[1][1] = "1";
    project.EvaluationsTable[3][1] = "3";

    project.RemoveAlternative("a");
    EXPECT_EQ(Text(project.AlternativesTable), (TextTable{{"b", "", ""}, {"a", "", ""}}));
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "c"}, {"b", "0"}, {"a", "3"}}));

    const TextTable alternatives = Text(project.AlternativesTable);
    const TextTable evaluations = Text(project.EvaluationsTable);
    shell.modified = 0;
    shell.ClearCalls();
    project.RemoveAlternative("A");
    EXPECT_EQ(Text(project.AlternativesTable), alternatives);
    EXPECT_EQ(Text(project.EvaluationsTable), evaluations);
    EXPECT_EQ(shell.Actions(), (Calls{"SetModified(1)"}));
}

TEST_F(ProjectTest, GridIsStoredBeforeAndReloadedAfterTheEditsThatNeedIt)
{
    const struct {
        const char* name;
        std::function<void(CZQInterfaceData&)> edit;
        bool usesGrid;
    } cases[] = {
        {"AddAlternative", [](CZQInterfaceData& p) { p.AddAlternative("new"); }, true},
        {"RemoveAlternative", [](CZQInterfaceData& p) { p.RemoveAlternative("a"); }, true},
        {"RemoveCriterion", [](CZQInterfaceData& p) { p.RemoveCriterion("c"); }, true},
        {"AddCriterion", [](CZQInterfaceData& p) { p.AddCriterion("d", "", ZQ_KIND_GAIN, 2); }, false},
    };
    for (const auto& c : cases) {
        for (const bool open : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (open ? " with the grid open" : " with the grid closed"));
            CZQInterfaceData p;
            FakeShell s(&p);
            p.AddCriterion("c", "", ZQ_KIND_GAIN, 2);
            p.AddAlternative("a");
            s.evaluationsOpen = open;
            s.ClearCalls();
            c.edit(p);
            const Calls expected = open && c.usesGrid ? Calls{"StoreToModel()", "LoadFromModel()", "SetModified(1)"}
                                                      : Calls{"SetModified(1)"};
            EXPECT_EQ(s.Actions(), expected);
        }
    }
}

TEST_F(ProjectTest, PendingGridEditSurvivesAddingAnAlternative)
{
    project.AddCriterion("c", "", ZQ_KIND_GAIN, 2);
    project.AddAlternative("a");
    shell.evaluationsOpen = true;
    project.RefreshEvaluationsGrid();
    shell.grid[1][1] = "7";  // typed into the grid, not yet in the project

    project.AddAlternative("b");

    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "c"}, {"a", "7"}, {"b", "0"}}));
    EXPECT_EQ(Text(shell.grid), Text(project.EvaluationsTable));
}

TEST_F(ProjectTest, UnknownFileTypeReadsAndWritesNothing)
{
    project.AddCriterion("c", "", ZQ_KIND_GAIN, 2);
    project.AddAlternative("a");
    const TextTable evaluations = Text(project.EvaluationsTable);
    const TextTable criteria = Text(project.CriteriaTable);
    const std::string path = ::testing::TempDir() + "ondrix_unknown_type.zex";
    std::remove(path.c_str());
    shell.ClearCalls();

    for (const int type : {3, -1}) {
        EXPECT_EQ(project.OpenProject(path.c_str(), type, '.', ';'), 0) << type;
        EXPECT_EQ(project.SaveProject(path.c_str(), type, '.', ';'), 0) << type;
    }

    EXPECT_EQ(Text(project.EvaluationsTable), evaluations);
    EXPECT_EQ(Text(project.CriteriaTable), criteria);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(std::fopen(path.c_str(), "rb"), nullptr);
}

TEST(ProjectWithoutShell, EditRefusedBeforeAnyChange)
{
    CZQInterfaceData project;
    try {
        project.AddCriterion("c", "", ZQ_KIND_GAIN, 2);
        FAIL() << "no exception";
    } catch (CInvalidArgException* e) {
        EXPECT_NE(e->m_strDetail.Find("AddCriterion"), -1) << e->m_strDetail.GetString();
        e->Delete();
    }
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{""}}));
    EXPECT_TRUE(project.CriteriaTable.empty());
    EXPECT_TRUE(project.CanSolve() == false);  // reading needs no shell
}

TEST_F(ProjectTest, ClearProjectRestoresTheConstructedTablesAndDropsTheSolve)
{
    project.AddCriterion("c", "", ZQ_KIND_ORDINAL, 1);
    project.AddScaleValue("c", "v", 1);
    project.AddAlternative("a");
    project.ProjectSolver.reset(new Solver);
    project.ValueFunctions.assign(2, std::vector<ValuePoint>(2));
    project.SolvedValueFunctions.assign(2, std::vector<ValuePoint>(2));

    project.ClearProject();

    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{""}}));
    EXPECT_TRUE(project.AlternativesTable.empty());
    EXPECT_TRUE(project.CriteriaTable.empty());
    EXPECT_TRUE(project.ScaleValuesTable.empty());
    EXPECT_EQ(project.ProjectSolver, nullptr);
    EXPECT_TRUE(project.ValueFunctions.empty());
    EXPECT_TRUE(project.SolvedValueFunctions.empty());

    // and the project is usable again
    project.AddCriterion("d", "", ZQ_KIND_GAIN, 2);
    project.AddAlternative("b");
    EXPECT_EQ(Text(project.EvaluationsTable), (TextTable{{"", "d"}, {"b", "0"}}));
}

} // namespace
