// The rule that enables solving: enough alternatives and criteria, every evaluation filled, no
// constant criterion, and two reference alternatives of different ranks.
#include "FakeShell.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Three alternatives on two gain criteria with different values, a in rank 1 and b in rank 2: solvable.
void BuildSolvable(CZQInterfaceData& p)
{
    p.AddCriterion("g1", "", ZQ_KIND_GAIN, 2);
    p.AddCriterion("g2", "", ZQ_KIND_GAIN, 2);
    p.AddAlternative("a");
    p.AddAlternative("b");
    p.AddAlternative("c");
    p.EvaluationsTable[1] = ZQRow{"a", "1", "3"};
    p.EvaluationsTable[2] = ZQRow{"b", "2", "2"};
    p.EvaluationsTable[3] = ZQRow{"c", "3", "1"};
    p.AlternativesTable[0][2] = "1";
    p.AlternativesTable[1][2] = "2";
}

// Makes g2 ordinal with the given cells for a, b and c.
std::function<void(CZQInterfaceData&)> OrdinalG2(const char* a, const char* b, const char* c)
{
    return [=](CZQInterfaceData& p) {
        p.CriteriaTable[1][2] = "rank";
        p.EvaluationsTable[1][2] = a;
        p.EvaluationsTable[2][2] = b;
        p.EvaluationsTable[3][2] = c;
    };
}

// Gives g1 the cells a, b and c.
std::function<void(CZQInterfaceData&)> G1(const char* a, const char* b, const char* c)
{
    return [=](CZQInterfaceData& p) {
        p.EvaluationsTable[1][1] = a;
        p.EvaluationsTable[2][1] = b;
        p.EvaluationsTable[3][1] = c;
    };
}

// Gives a, b and c the rank cells.
std::function<void(CZQInterfaceData&)> Ranks(const char* a, const char* b, const char* c)
{
    return [=](CZQInterfaceData& p) {
        p.AlternativesTable[0][2] = a;
        p.AlternativesTable[1][2] = b;
        p.AlternativesTable[2][2] = c;
    };
}

TEST(CanSolve, TableOfCases)
{
    const struct {
        const char* name;
        std::function<void(CZQInterfaceData&)> change;
        bool expected;
    } cases[] = {
        {"the solvable project", [](CZQInterfaceData&) {}, true},
        {"two alternatives", [](CZQInterfaceData& p) { p.RemoveAlternative("c"); }, false},
        {"one criterion", [](CZQInterfaceData& p) { p.RemoveCriterion("g2"); }, false},
        {"an empty cell", [](CZQInterfaceData& p) { p.EvaluationsTable[2][2] = ""; }, false},
        {"a row missing a cell", [](CZQInterfaceData& p) { p.EvaluationsTable[3].pop_back(); }, false},
        {"gain column 1, 1.0, 1e0 is constant", G1("1", "1.0", "1e0"), false},
        {"cost column of equal numbers is constant",
         [](CZQInterfaceData& p) {
             p.CriteriaTable[0][2] = "cost";
             G1("5", "5", "5.00")(p);
         },
         false},
        {"gain column differing in the last row", G1("2", "2", "2.5"), true},
        {"ordinal a, b, a", OrdinalG2("a", "b", "a"), true},
        {"ordinal a, a, a", OrdinalG2("a", "a", "a"), false},
        {"ordinal a, a, b", OrdinalG2("a", "a", "b"), true},
        {"ordinal 1, 1.0, 1e0 differ as texts", OrdinalG2("1", "1.0", "1e0"), true},
        {"every reference alternative in rank 1", Ranks("1", "1", "1"), false},
        {"ranks 1 and 2", Ranks("1", "2", ""), true},
        {"a later rank differs from the first", Ranks("3", "3", "1"), true},
        {"one rank of 1 or more, the others 0 and negative", Ranks("0", "2", "-1"), false},
        {"no reference alternative", Ranks("", "", ""), false},
    };
    for (const auto& c : cases) {
        CZQInterfaceData p;
        FakeShell shell(&p);
        BuildSolvable(p);
        c.change(p);
        EXPECT_EQ(p.CanSolve(), c.expected) << c.name;
    }
}

} // namespace
