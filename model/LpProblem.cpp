#include "model/LpProblem.h"

#include <glpk.h>

#include <cmath>
#include <cstdio>

namespace {

// True when the library can take the record as it stands: at least one row and one column, every row
// of the same length, a sense per row, an objective coefficient per column and only finite numbers.
bool CanHandOver(const LpProblem& lp)
{
    if (lp.rows.empty() || lp.rows[0].size() < 2)
        return false;
    const size_t width = lp.rows[0].size();
    const size_t columns = width - 1;
    // The library numbers rows and columns with int.
    if (lp.rows.size() > 100000000u || columns > 100000000u)
        return false;
    if (lp.rowSenses.size() < lp.rows.size() || lp.objective.size() < columns)
        return false;
    for (const std::vector<double>& row : lp.rows) {
        if (row.size() != width)
            return false;
        for (double value : row) {
            if (!std::isfinite(value))
                return false;
        }
    }
    for (size_t j = 0; j < columns; ++j) {
        if (!std::isfinite(lp.objective[j]))
            return false;
    }
    return true;
}

// The decimal text of a 1-based row or column number, its name in the library's problem object.
void NumberName(char (&buffer)[16], int number)
{
    std::snprintf(buffer, sizeof buffer, "%d", number);
}

// RAII owner of the library's problem object: nothing survives a call, whatever happens in it.
struct ProblemObject {
    glp_prob* lp = glp_create_prob();
    ProblemObject() = default;
    ProblemObject(const ProblemObject&) = delete;
    ProblemObject& operator=(const ProblemObject&) = delete;
    ~ProblemObject() { glp_delete_prob(lp); }
};

} // namespace

LpOutcome ClassifySimplexRun(int simplexReturn, int solutionStatus)
{
    if (simplexReturn != 0)
        return LpOutcome::Failed;
    switch (solutionStatus) {
    case GLP_OPT:
        return LpOutcome::Optimal;
    case GLP_NOFEAS:
    case GLP_INFEAS:
        return LpOutcome::Infeasible;
    case GLP_UNBND:
        return LpOutcome::Unbounded;
    default:
        // GLP_UNDEF, or a merely feasible point: not an optimum.
        return LpOutcome::Failed;
    }
}

double LpProblem::Solve()
{
    unbounded = 0;
    infeasible = 0;
    failed = 0;
    objectiveValue = 0.0;

    if (!CanHandOver(*this)) {
        infeasible = 1;
        failed = 1;
        columnValues.assign(objective.size(), 0.0);
        return objectiveValue;
    }

    const int rowCount = int(rows.size());
    const int columnCount = int(rows[0].size() - 1);

    ProblemObject problem;
    glp_prob* lp = problem.lp;
    glp_set_prob_name(lp, "LP_problem");
    glp_set_obj_dir(lp, sense == 1 ? GLP_MAX : GLP_MIN);

    char name[16];
    glp_add_rows(lp, rowCount);
    for (int i = 1; i <= rowCount; ++i) {
        NumberName(name, i);
        glp_set_row_name(lp, i, name);
        const double rhs = rows[size_t(i - 1)].back();
        switch (rowSenses[size_t(i - 1)]) {
        case 1:
            glp_set_row_bnds(lp, i, GLP_LO, rhs, 0.0);
            break;
        case -1:
            glp_set_row_bnds(lp, i, GLP_UP, 0.0, rhs);
            break;
        default:
            glp_set_row_bnds(lp, i, GLP_FX, rhs, rhs);
            break;
        }
    }

    glp_add_cols(lp, columnCount);
    for (int j = 1; j <= columnCount; ++j) {
        NumberName(name, j);
        glp_set_col_name(lp, j, name);
        glp_set_col_bnds(lp, j, GLP_LO, 0.0, 0.0);
        glp_set_obj_coef(lp, j, objective[size_t(j - 1)]);
    }

    // The library's sparse form, numbered from 1 (entry 0 unused), sized to this program.
    size_t nonZeros = 0;
    for (const std::vector<double>& row : rows) {
        for (int j = 0; j < columnCount; ++j)
            nonZeros += row[size_t(j)] != 0.0;
    }
    std::vector<int> rowIndex(nonZeros + 1, 0);
    std::vector<int> columnIndex(nonZeros + 1, 0);
    std::vector<double> values(nonZeros + 1, 0.0);
    size_t k = 0;
    for (int i = 1; i <= rowCount; ++i) {
        const std::vector<double>& row = rows[size_t(i - 1)];
        for (int j = 1; j <= columnCount; ++j) {
            const double value = row[size_t(j - 1)];
            if (value == 0.0)
                continue;
            ++k;
            rowIndex[k] = i;
            columnIndex[k] = j;
            values[k] = value;
        }
    }
    glp_load_matrix(lp, int(nonZeros), rowIndex.data(), columnIndex.data(), values.data());

    glp_smcp parameters;
    glp_init_smcp(&parameters);
    const int simplexReturn = glp_simplex(lp, &parameters);
    const LpOutcome outcome = ClassifySimplexRun(simplexReturn, glp_get_status(lp));

    columnValues.assign(objective.size(), 0.0);
    switch (outcome) {
    case LpOutcome::Failed:
        infeasible = 1;
        failed = 1;
        return objectiveValue;
    case LpOutcome::Infeasible:
        infeasible = 1;
        break;
    case LpOutcome::Unbounded:
        unbounded = 1;
        break;
    case LpOutcome::Optimal:
        break;
    }
    objectiveValue = glp_get_obj_val(lp);
    for (int j = 1; j <= columnCount; ++j)
        columnValues[size_t(j - 1)] = glp_get_col_prim(lp, j);
    if (infeasible)
        objectiveValue = 0.0;
    return objectiveValue;
}
