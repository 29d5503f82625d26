// Refilling the panes after a read: the lists from the tables, and the reference tree rebuilt rank by
// rank through the alternatives pane, in the order its sorted list shows the alternatives.
#include "FakeShell.h"
#include "TableText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

typedef std::vector<std::string> Names;

struct RefillPanesTest : ::testing::Test {
    CZQInterfaceData project;
    FakeShell shell{&project};

    void SetUp() override
    {
        project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
        project.AddCriterion("c", "", ZQ_KIND_COST, 2);
        project.AddCriterion("o", "", ZQ_KIND_ORDINAL, 1);
        project.AddCriterion("x", "", 0, 2);
        // table order differs from the list's sorted order: alpha, bravo, Charlie, delta, echo
        const char* const rows[][2] = {{"delta", "2"}, {"alpha", "0"}, {"Charlie", "1"}, {"bravo", "3"}, {"echo", "1"}};
        for (const auto& row : rows) {
            project.AddAlternative(row[0]);
            project.AlternativesTable.back()[2] = row[1];
        }
        project.CredibilityList.push_back("Charlie");
        project.CredibilityDefined = 1;
        shell.modified = 0;
        shell.ClearCalls();
    }
};

TEST_F(RefillPanesTest, RebuildsListsAndTreeInListOrderAndKeepsTheRankCells)
{
    const TextTable alternatives = Text(project.AlternativesTable);

    project.RefillPanes();

    const Names expected = {
        "DeleteAllAlternativeItems()",
        "InsertAlternativeItem(delta)",
        "InsertAlternativeItem(alpha)",
        "InsertAlternativeItem(Charlie)",
        "InsertAlternativeItem(bravo)",
        "InsertAlternativeItem(echo)",
        "DeleteAllCriterionItems()",
        "InsertCriterionItem(g, Gain)",
        "InsertCriterionItem(c, Cost)",
        "InsertCriterionItem(o, Ordinal)",
        "InsertCriterionItem(x, )",
        "SetAlternativeItemSelected(0, 0)",
        "SetAlternativeItemSelected(1, 0)",
        "SetAlternativeItemSelected(2, 0)",
        "SetAlternativeItemSelected(3, 0)",
        "SetAlternativeItemSelected(4, 0)",
        // alpha (rank 0): selected and deselected, not ranked
        "SetAlternativeItemSelected(0, 1)",
        "SetAlternativeItemSelected(0, 0)",
        "SetAlternativeItemSelected(1, 1)",  // bravo
        "AddSelectedToRank(3)",
        "SetAlternativeItemSelected(1, 0)",
        "SetAlternativeItemSelected(2, 1)",  // Charlie
        "AddSelectedToRank(1)",
        "SetAlternativeItemSelected(2, 0)",
        "SetAlternativeItemSelected(3, 1)",  // delta
        "AddSelectedToRank(2)",
        "SetAlternativeItemSelected(3, 0)",
        "SetAlternativeItemSelected(4, 1)",  // echo
        "AddSelectedToRank(1)",
        "SetAlternativeItemSelected(4, 0)",
    };
    EXPECT_EQ(shell.Actions(), expected);

    EXPECT_EQ(Text(project.AlternativesTable), alternatives);
    ASSERT_EQ(shell.referenceTree.size(), 3u);
    EXPECT_EQ(shell.RankNames(1), (Names{"Charlie", "echo"}));
    EXPECT_EQ(shell.RankNames(2), (Names{"delta"}));
    EXPECT_EQ(shell.RankNames(3), (Names{"bravo"}));
    for (const FakeShell::ListItem& item : shell.alternativeItems) {
        EXPECT_FALSE(item.selected) << item.text.GetString();
        EXPECT_EQ(item.image, item.text == "alpha" ? 0 : 3) << item.text.GetString();
    }
    // the pane's rank operation consumed the credibility choice and marked the project modified
    EXPECT_TRUE(project.CredibilityList.empty());
    EXPECT_EQ(project.CredibilityDefined, 0);
    EXPECT_EQ(shell.modified, 1);
}

TEST_F(RefillPanesTest, RefillReplacesTheListItemsAndCreatesEmptyRanksOnTheWay)
{
    project.RefillPanes();
    // a read after a reset: new tables, the tree emptied by the reset, the lists still as they were
    project.ClearProject();
    shell.referenceTree.clear();
    project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
    project.AddAlternative("zulu");
    project.AlternativesTable.back()[2] = "2";

    project.RefillPanes();

    ASSERT_EQ(shell.alternativeItems.size(), 1u);
    EXPECT_EQ(shell.alternativeItems[0].text, "zulu");
    ASSERT_EQ(shell.criterionItems.size(), 1u);
    EXPECT_EQ(shell.criterionItems[0].text, "g");
    ASSERT_EQ(shell.referenceTree.size(), 2u);  // rank 1 is made empty on the way to rank 2
    EXPECT_EQ(shell.RankNames(1), Names{});
    EXPECT_EQ(shell.RankNames(2), (Names{"zulu"}));
    EXPECT_EQ(Text(project.AlternativesTable), (TextTable{{"zulu", "", "2"}}));
}

// Every list item meets every alternatives row of its name, so two alternatives of one name (which
// the CSV file can hold) are both placed, each by its own rank.
TEST(RefillPanes, EachItemMeetsEveryRowOfItsName)
{
    CZQInterfaceData project;
    FakeShell shell(&project);
    project.AddCriterion("g", "", ZQ_KIND_GAIN, 2);
    for (const char* rank : {"2", "", "1"}) {
        project.AddAlternative("twin");
        project.AlternativesTable.back()[2] = rank;
    }
    shell.ClearCalls();

    project.RefillPanes();

    Names expected;
    for (const char* item : {"0", "1", "2"}) {
        for (const char* rank : {"2", "", "1"}) {
            expected.push_back(std::string("SetAlternativeItemSelected(") + item + ", 1)");
            if (*rank != '\0')
                expected.push_back(std::string("AddSelectedToRank(") + rank + ")");
            expected.push_back(std::string("SetAlternativeItemSelected(") + item + ", 0)");
        }
    }
    const Names actions = shell.Actions();
    ASSERT_GE(actions.size(), expected.size());
    EXPECT_EQ(Names(actions.end() - std::ptrdiff_t(expected.size()), actions.end()), expected);
    EXPECT_EQ(Text(project.AlternativesTable), (TextTable{{"twin", "", "2"}, {"twin", "", ""}, {"twin", "", "1"}}));
}

} // namespace
