// A project written straight into its tables, with the reference tree of a recording shell, for the
// tests of the solver's preparation and linear programs.
#pragma once

#include "FakeShell.h"

#include "model/solve/Solver.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct SolverProject {
    CZQInterfaceData project;
    FakeShell shell{&project};

    // Adds a criterion row [name, "", kind word, segments] and its header cell.
    void Criterion(const char* name, const char* kindWord, const char* segments = "2")
    {
        project.CriteriaTable.push_back(ZQRow{name, "", kindWord, segments});
        project.EvaluationsTable[0].push_back(name);
    }
    // Adds an alternative row [name, "", rank] and its evaluations row.
    void Alternative(const char* name, std::initializer_list<const char*> cells, const char* rank = "")
    {
        project.AlternativesTable.push_back(ZQRow{name, "", rank});
        ZQRow row{name};
        for (const char* cell : cells)
            row.push_back(cell);
        project.EvaluationsTable.push_back(row);
    }
    // Replaces the reference tree: one list of names per rank node.
    void Tree(std::initializer_list<std::initializer_list<const char*>> nodes)
    {
        shell.referenceTree.clear();
        for (const auto& node : nodes) {
            CZQRankNode rank;
            for (const char* name : node)
                rank.Alternatives.push_back(name);
            shell.referenceTree.push_back(rank);
        }
    }
    // A ranked pair on a gain and a cost criterion: g (gain) and c (cost), x = (3, 5) rank 1,
    // y = (1, 3) rank 2, z = (2, 1) unranked, tree [x], [y].
    void RankedPairOnGainAndCost()
    {
        Criterion("g", "gain");
        Criterion("c", "cost");
        Alternative("x", {"3", "5"}, "1");
        Alternative("y", {"1", "3"}, "2");
        Alternative("z", {"2", "1"});
        Tree({{"x"}, {"y"}});
    }
    // A ranked pair on two gain criteria: g1, g2 gain; a = (1, 3) rank 1, b = (2, 2) unranked,
    // c = (2, 1) rank 2, tree [a], [c].
    void RankedPairOnTwoGains()
    {
        Criterion("g1", "gain");
        Criterion("g2", "gain");
        Alternative("a", {"1", "3"}, "1");
        Alternative("b", {"2", "2"});
        Alternative("c", {"2", "1"}, "2");
        Tree({{"a"}, {"c"}});
    }
    // Every criterion constant (g1, g2 gain, a = b = c = (1, 1)), a ranked above b, c unranked: no
    // step column, so the value functions cannot add up to 1.
    void ConstantCriteria()
    {
        Criterion("g1", "gain");
        Criterion("g2", "gain");
        Alternative("a", {"1", "1"}, "1");
        Alternative("b", {"1", "1"}, "2");
        Alternative("c", {"1", "1"});
        Tree({{"a"}, {"b"}});
    }
    // a >> b >> c between alternatives of equal evaluations (1, 1), d = (2, 2) unranked: inconsistent,
    // and removing either constraint leaves the other, so no single one is to blame.
    void ChainOfEqualAlternatives()
    {
        Criterion("g1", "gain");
        Criterion("g2", "gain");
        Alternative("a", {"1", "1"}, "1");
        Alternative("b", {"1", "1"}, "2");
        Alternative("c", {"1", "1"}, "3");
        Alternative("d", {"2", "2"});
        Tree({{"a"}, {"b"}, {"c"}});
    }
    // Four alternatives on two gain criteria, g1 and g2: a = (1, 1), b = (2, 1), c = (2, 0),
    // d = (1, 0), ranked consistently b, a, c, d, each in a rank of its own.
    void FourAlternatives()
    {
        Criterion("g1", "gain");
        Criterion("g2", "gain");
        Alternative("a", {"1", "1"}, "2");
        Alternative("b", {"2", "1"}, "1");
        Alternative("c", {"2", "0"}, "3");
        Alternative("d", {"1", "0"}, "4");
        Tree({{"b"}, {"a"}, {"c"}, {"d"}});
    }
    // Ranks the four alternatives a I b, then c, then d: inconsistent, since a I b needs g1 to count
    // for nothing between 1 and 2 and c >> d needs it to count.
    void RankWithAnInconsistentIndifference()
    {
        for (ZQRow& row : project.AlternativesTable)
            row[2] = row[0] == "a" || row[0] == "b" ? "1" : row[0] == "c" ? "2" : "3";
        Tree({{"a", "b"}, {"c"}, {"d"}});
    }
    // A new Solver in the project, prepared; returns PrepareSolver's result.
    int Prepare()
    {
        project.ProjectSolver = std::make_unique<Solver>();
        return project.PrepareSolver();
    }
    // Prepares (expecting success), computes the ranges and sets delta as a solve starts; returns the
    // Solver.
    Solver& Ready()
    {
        EXPECT_EQ(Prepare(), 1);
        Solver& solver = *project.ProjectSolver;
        solver.model.ComputeCriterionRanges();
        solver.delta = solver.threshold1;
        return solver;
    }
    // Ready, then solved as the solve driver does, expecting Solve to return `expected`; returns the
    // Solver.
    Solver& Solved(int expected = 1)
    {
        Solver& solver = Ready();
        EXPECT_EQ(solver.Solve(), expected);
        return solver;
    }
    // The index of the alternative called name.
    int Index(const char* name) const
    {
        const auto& alternatives = project.ProjectSolver->model.alternatives;
        for (size_t a = 0; a < alternatives.size(); ++a) {
            if (alternatives[a]->name == name)
                return int(a);
        }
        ADD_FAILURE() << "no alternative " << name;
        return -1;
    }
    // The reference index of the alternative called name.
    int Ref(const char* name) const { return project.ProjectSolver->model.alternatives[size_t(Index(name))]->referenceIndex; }
};

struct SolverFixture : ::testing::Test, SolverProject {
};
