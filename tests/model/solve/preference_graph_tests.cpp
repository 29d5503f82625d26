// The relation rules, the class merge, the layering and the dot texts of the preference graphs.
#include "model/solve/PreferenceGraph.h"

#include "TableText.h"
#include "core/CException.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The texts [0][1] and [1][0] that two alternatives get from the optima a = [0][1], b = [1][0].
std::pair<std::string, std::string> PairTexts(RelationMatrix (*rule)(const SolverMatrix&, double), double a, double b)
{
    const RelationMatrix relation = rule(SolverMatrix{{0.0, a}, {b, 0.0}}, 0.019);
    EXPECT_EQ(S(relation[0][0]), "");
    EXPECT_EQ(S(relation[1][1]), "");
    return {S(relation[0][1]), S(relation[1][0])};
}

TEST(RelationRules, StrongAndWeakTextsFromTheOptima)
{
    struct Case {
        double a, b;
        const char* lm;
        const char* ml;
    };
    const Case cases[] = {
        {0.5, 0.48, "?", "?"},        {0.0, 0.0, "I", "I"},        {0.0189, -0.0189, "I", "I"},
        {0.019, 0.0, "P", "P-"},      {0.98, -0.019, "P", "P-"},  {0.0, 0.49, "P-", "P"},
        {0.019, 0.019, "?", "?"},     {-0.019, 0.0, "", ""},      {-0.5, -0.5, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "optima " << c.a << ", " << c.b);
        EXPECT_EQ(PairTexts(RelationFromOptima, c.a, c.b), std::make_pair(std::string(c.lm), std::string(c.ml)));
    }
}

TEST(RelationRules, CompleteRelationFromTheWeakOptima)
{
    struct Case {
        double x, y;
        const char* ab;
        const char* ba;
    };
    const Case cases[] = {
        {-0.019, 0.0, "P-", "P"}, {-0.0189, 0.0, "I", "I"}, {0.0, -0.019, "P", "P-"},
        {0.5, 0.3, "I", "I"},     {-0.02, -0.02, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "optima " << c.x << ", " << c.y);
        EXPECT_EQ(PairTexts(CompleteRelationFromOptima, c.x, c.y),
                  std::make_pair(std::string(c.ab), std::string(c.ba)));
    }
}

TEST(RelationRules, RefuseAMatrixThatIsNotSquare)
{
    const SolverMatrix ragged{{0.0, 1.0}, {0.0}};
    EXPECT_NE(RefusalOf([&] { RelationFromOptima(ragged, 0.019); }).find("row 1 has 1 entries"), std::string::npos);
    EXPECT_NE(RefusalOf([&] { CompleteRelationFromOptima(ragged, 0.019); }).find("row 1"), std::string::npos);
}

// A model of alternatives with names and credibilities only.
struct NamedModel {
    ProblemModel model;
    std::vector<CString> names;
    void Add(const char* name, int credibility)
    {
        auto record = std::make_unique<AlternativeRecord>();
        record->name = name;
        record->credibility = credibility;
        record->referenceIndex = credibility >= 0 ? int32_t(names.size()) : -1;
        model.alternatives.push_back(std::move(record));
        names.push_back(name);
    }
};

TEST(ClassMerge, ThreeMutuallyIndifferentAlternatives)
{
    NamedModel m;
    m.Add("a", 1);
    m.Add("b", 1);
    m.Add("c", 1);
    m.Add("d", 1);
    // a, b, c indifferent; a is preferred to d, so the merged node takes that preference.
    const RelationMatrix relation{{"", "I", "I", "P"}, {"I", "", "I", "?"}, {"I", "I", "", "?"}, {"P-", "?", "?", ""}};
    const PreferenceClasses classes = MergeIndifferenceClasses(relation, m.names);

    ASSERT_EQ(classes.names.size(), 2u);
    EXPECT_EQ(S(classes.names[0]), "c I  I b I a");
    EXPECT_EQ(S(classes.names[1]), "d");
    EXPECT_EQ(classes.members[0], (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(S(NodeLabel(classes.names[0])), "c ,  , b , a");
    EXPECT_EQ(S(NodeIdentifier(classes.names[0])), "c_I__I_b_I_a");
    EXPECT_EQ(classes.relation, (RelationMatrix{{"", "P"}, {"?", ""}}));
    EXPECT_EQ(S(WeakNodeDeclaration(classes, 0, m.model)),
              "c_I__I_b_I_a [label=\"c ,  , b , a\", fontsize=10, color=black]");
}

TEST(ClassMerge, NodeColoursFollowCredibility)
{
    struct Case {
        int first, second;  // credibilities of b and a, -2 for a node of a alone
        const char* declaration;
    };
    const Case cases[] = {
        {1, 1, "b_I_a [label=\"b , a\", color=forestgreen, fontsize=10]"},
        {0, 0, "b_I_a [label=\"b , a\", fontsize=10, color=blue]"},
        {1, 0, "b_I_a [label=\"b , a\", fontsize=10, color=black]"},
        {-1, 1, "b_I_a [label=\"b , a\", fontsize=10, color=black]"},
        {-2, 1, "a [label=\"a\", color=forestgreen, fontsize=10]"},
        {-2, 0, "a [label=\"a\", fontsize=10, color=blue]"},
        {-2, -1, "a [label=\"a\", fontsize=10, color=black]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "credibilities of b " << c.first << " and a " << c.second);
        NamedModel m;
        m.Add("a", c.second);
        if (c.first != -2)
            m.Add("b", c.first);
        const size_t n = m.names.size();
        RelationMatrix relation(n, std::vector<CString>(n));
        if (n == 2)
            relation[0][1] = relation[1][0] = "I";
        const PreferenceClasses classes = MergeIndifferenceClasses(relation, m.names);
        ASSERT_EQ(classes.names.size(), 1u);
        EXPECT_EQ(S(WeakNodeDeclaration(classes, 0, m.model)), c.declaration);
    }
}

TEST(ClassMerge, AnAlternativeWhoseNameHoldsACommaKeepsItsColour)
{
    NamedModel m;
    m.Add("Fiat, red", 1);
    const PreferenceClasses classes = MergeIndifferenceClasses(RelationMatrix{{""}}, m.names);
    EXPECT_EQ(S(WeakNodeDeclaration(classes, 0, m.model)),
              "\"Fiat,_red\" [label=\"Fiat, red\", color=forestgreen, fontsize=10]");
}

TEST(DotText, IdentifiersAreQuotedUnlessPlain)
{
    struct Case {
        const char* identifier;
        const char* written;
    };
    const Case cases[] = {
        {"a", "a"},
        {"c_I__I_b_I_a", "c_I__I_b_I_a"},
        {"_x9", "_x9"},
        {"12", "12"},
        {"1.5", "1.5"},
        {"1a", "\"1a\""},
        {"Fiat-126p", "\"Fiat-126p\""},
        {"1.2.3", "\"1.2.3\""},
        {"node", "\"node\""},
        {"Digraph", "\"Digraph\""},
        {"", "\"\""},
        {"say_\"hi\"\\", "\"say_\\\"hi\\\"\\\\\""},
        {"\xb3\xf3\x64\xbc", "\"\xb3\xf3\x64\xbc\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        EXPECT_EQ(S(DotId(c.identifier)), c.written);
    }
}

TEST(Layering, ACycleOfPreferencesEndsTheLayering)
{
    // 3 is preferred to 0; 0, 1 and 2 prefer each other in a cycle.
    const RelationMatrix relation{
        {"", "P", "P-", "P-"}, {"P-", "", "P", ""}, {"P", "P-", "", ""}, {"P", "", "", ""}};
    EXPECT_EQ(PreferenceLayers(relation, true), (std::vector<std::vector<int32_t>>{{3}, {0, 1, 2}}));
    EXPECT_EQ(PreferenceLayers(relation, false), (std::vector<std::vector<int32_t>>{{0, 1, 2, 3}}));

    PreferenceClasses classes;
    classes.names = {"a", "b", "c", "d"};
    classes.relation = relation;
    std::set<CString> edges;
    AddLayerEdges(classes, "; ", edges);
    EXPECT_EQ(edges, (std::set<CString>{"d -> a; "}));
}

TEST(Layering, EdgesJoinConsecutiveLayersOnly)
{
    // a P b P c, and a P c: only the edges between consecutive layers are drawn, from both ends.
    // d is preferred to c alone, so from the bottom it stands beside b.
    PreferenceClasses classes;
    classes.names = {"a", "b", "c", "d"};
    classes.relation = {{"", "P", "P", ""}, {"P-", "", "P", ""}, {"P-", "P-", "", "P-"}, {"", "", "P", ""}};
    EXPECT_EQ(PreferenceLayers(classes.relation, true), (std::vector<std::vector<int32_t>>{{0, 3}, {1}, {2}}));
    EXPECT_EQ(PreferenceLayers(classes.relation, false), (std::vector<std::vector<int32_t>>{{2}, {1, 3}, {0}}));
    std::set<CString> edges;
    AddLayerEdges(classes, "; ", edges);
    EXPECT_EQ(edges, (std::set<CString>{"a -> b; ", "b -> c; ", "d -> c; "}));
}

} // namespace
