#include "SolveOutcome.h"

#include "FileTestSupport.h"
#include "StandardOutputCapture.h"

SolveOutcome SolveCaseWith(const SolveCase& problem, PairwiseMethod method, int32_t threads)
{
    SolverProject p;
    problem.fill(p);
    Solver& solver = p.Ready();
    solver.pairwiseMethod = method;
    solver.threadCount = threads;
    solver.beforePairwiseSolve = problem.seam;
    SolveOutcome o;
    StandardOutputCapture output;
    solver.SolveBaseProgram();
    if (problem.afterBase)
        problem.afterBase(solver);
    o.result = solver.SolveFromBase();
    o.output = output.Finish();
    o.strongOptima = solver.strongOptima;
    o.weakOptima = solver.weakOptima;
    o.strong = solver.strongRelation;
    o.weak = solver.weakRelation;
    o.complete = solver.completeRelation;
    o.renders = p.shell.Renders();
    o.excluded = solver.model.excludedNames;
    for (const auto& criterion : solver.model.criteria)
        o.values.push_back(criterion->values);
    for (const auto& alternative : solver.model.alternatives)
        o.utilities.push_back(alternative->utility);
    o.kendall = solver.kendall;
    ScratchDir scratch;
    if (p.project.WriteResultsText(scratch.File("results.txt").c_str(), '.') == 1)
        o.resultsText = ReadFileBytes(scratch.File("results.txt"));
    return o;
}
