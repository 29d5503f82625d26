#include "model/solve/Solver.h"

Solver::Solver() : delta(0.01), threshold1(0.01), threshold2(0.02)
{
}

void Solver::ResetLps()
{
    kendallValues.clear();
    kendallUtilities.clear();
    for (LpProblem* lp : {&baseLp, &pairLp}) {
        lp->objective.clear();
        lp->rows.clear();
        lp->rowSenses.clear();
        lp->columnValues.clear();
    }
}
