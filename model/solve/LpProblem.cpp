#include "model/solve/LpProblem.h"

#include <glpk.h>

#include <cmath>
#include <cstdio>

namespace {

// True when lp's objective holds a finite coefficient for each of the first `columns` columns.
bool HasUsableObjective(const LpProblem& lp, size_t columns)
{
    if (lp.objective.size() < columns)
        return false;
    for (size_t j = 0; j < columns; ++j) {
        if (!std::isfinite(lp.objective[j]))
            return false;
    }
    return true;
}

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
    if (lp.rowSenses.size() < lp.rows.size() || !HasUsableObjective(lp, columns))
        return false;
    for (const std::vector<double>& row : lp.rows) {
        if (row.size() != width)
            return false;
        for (double value : row) {
            if (!std::isfinite(value))
                return false;
        }
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

namespace {

// Marks lp as refused: infeasible and failed with objective 0.0 and zero column values.
double Refuse(LpProblem& lp)
{
    lp.unbounded = 0;
    lp.infeasible = 1;
    lp.failed = 1;
    lp.objectiveValue = 0.0;
    lp.columnValues.assign(lp.objective.size(), 0.0);
    return lp.objectiveValue;
}

// The order in which the non-zeros are handed to the library.
enum class NonZeroOrder {
    // Row by row, each row in column order: the order a program built anew is handed over in.
    ByRows,
    // Column by column, each column in row order. The library keeps its elements in the order they
    // come and walks them column by column in every simplex run to set up its working form: with the
    // elements of a column side by side in memory that set-up runs several times faster on programs
    // of a few hundred dense rows, where it costs more than the pivots of a warm-started run.
    ByColumns
};

// Hands the rows, senses and columns of a record that CanHandOver accepted to the problem object,
// the non-zeros in the given order.
void LoadRows(glp_prob* lp, const LpProblem& program, NonZeroOrder order)
{
    const int rowCount = int(program.rows.size());
    const int columnCount = int(program.rows[0].size() - 1);

    char name[16];
    glp_add_rows(lp, rowCount);
    for (int i = 1; i <= rowCount; ++i) {
        NumberName(name, i);
        glp_set_row_name(lp, i, name);
        const double rhs = program.rows[size_t(i - 1)].back();
        switch (program.rowSenses[size_t(i - 1)]) {
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
    }

    // The library's sparse form, numbered from 1 (entry 0 unused), sized to this program.
    size_t nonZeros = 0;
    for (const std::vector<double>& row : program.rows) {
        for (int j = 0; j < columnCount; ++j)
            nonZeros += row[size_t(j)] != 0.0;
    }
    std::vector<int> rowIndex(nonZeros + 1, 0);
    std::vector<int> columnIndex(nonZeros + 1, 0);
    std::vector<double> values(nonZeros + 1, 0.0);
    size_t k = 0;
    auto add = [&](int i, int j) {
        const double value = program.rows[size_t(i - 1)][size_t(j - 1)];
        if (value == 0.0)
            return;
        ++k;
        rowIndex[k] = i;
        columnIndex[k] = j;
        values[k] = value;
    };
    if (order == NonZeroOrder::ByRows) {
        for (int i = 1; i <= rowCount; ++i) {
            for (int j = 1; j <= columnCount; ++j)
                add(i, j);
        }
    } else {
        for (int j = 1; j <= columnCount; ++j) {
            for (int i = 1; i <= rowCount; ++i)
                add(i, j);
        }
    }
    glp_load_matrix(lp, int(nonZeros), rowIndex.data(), columnIndex.data(), values.data());
}

// Sets the objective direction and the coefficients of the problem object's columnCount columns.
void SetObjective(glp_prob* lp, const LpProblem& program, int columnCount)
{
    glp_set_obj_dir(lp, program.sense == 1 ? GLP_MAX : GLP_MIN);
    for (int j = 1; j <= columnCount; ++j)
        glp_set_obj_coef(lp, j, program.objective[size_t(j - 1)]);
}

// Runs the primal simplex method with the library's default settings (presolver off) from the
// problem object's current basis.
int RunSimplex(glp_prob* lp)
{
    glp_smcp parameters;
    glp_init_smcp(&parameters);
    return glp_simplex(lp, &parameters);
}

// Reads the run that returned simplexReturn into program: flags, optimum and column values.
double ReadRun(glp_prob* lp, int simplexReturn, LpProblem& program)
{
    const LpOutcome outcome = ClassifySimplexRun(simplexReturn, glp_get_status(lp));
    if (outcome == LpOutcome::Failed)
        return Refuse(program);

    program.unbounded = outcome == LpOutcome::Unbounded;
    program.infeasible = outcome == LpOutcome::Infeasible;
    program.failed = 0;
    program.columnValues.assign(program.objective.size(), 0.0);
    const int columnCount = glp_get_num_cols(lp);
    for (int j = 1; j <= columnCount && size_t(j) <= program.columnValues.size(); ++j)
        program.columnValues[size_t(j - 1)] = glp_get_col_prim(lp, j);
    program.objectiveValue = program.infeasible ? 0.0 : glp_get_obj_val(lp);
    return program.objectiveValue;
}

} // namespace

double LpProblem::Solve()
{
    if (!CanHandOver(*this))
        return Refuse(*this);

    ProblemObject problem;
    glp_set_prob_name(problem.lp, "LP_problem");
    LoadRows(problem.lp, *this, NonZeroOrder::ByRows);
    SetObjective(problem.lp, *this, int(rows[0].size() - 1));
    return ReadRun(problem.lp, RunSimplex(problem.lp), *this);
}

struct LpFamily::Problem {
    ProblemObject object;
    size_t rowCount = 0;
    size_t width = 0;  // columns plus the right-hand side
};

LpFamily::LpFamily() = default;

LpFamily::~LpFamily() = default;

bool LpFamily::Load(const LpProblem& program)
{
    m_problem.reset();
    if (!CanHandOver(program))
        return false;
    auto problem = std::make_unique<Problem>();
    glp_set_prob_name(problem->object.lp, "LP_problem");
    LoadRows(problem->object.lp, program, NonZeroOrder::ByColumns);
    problem->rowCount = program.rows.size();
    problem->width = program.rows[0].size();
    m_problem = std::move(problem);
    return true;
}

double LpFamily::Solve(LpProblem& lp)
{
    if (!m_problem || lp.rows.size() != m_problem->rowCount || lp.rowSenses.size() < m_problem->rowCount)
        return Refuse(lp);
    const size_t columns = m_problem->width - 1;
    if (lp.rows[0].size() != m_problem->width || !HasUsableObjective(lp, columns))
        return Refuse(lp);

    glp_prob* problem = m_problem->object.lp;
    SetObjective(problem, lp, int(columns));
    int simplexReturn = RunSimplex(problem);
    // Run again from the first basis, as a program built anew starts, when the basis the last run
    // left could not be used, and when the program is unbounded: the objective then reported is the
    // one of the vertex where the method stopped, which depends on where it started.
    if (simplexReturn != 0 || glp_get_status(problem) == GLP_UNBND) {
        glp_std_basis(problem);
        simplexReturn = RunSimplex(problem);
    }
    return ReadRun(problem, simplexReturn, lp);
}

bool LpLibraryAllowsThreads()
{
    // The library names the storage class of its per-thread environment, or answers null when it was
    // built with one environment for the process.
    return glp_config("TLS") != nullptr;
}

void LpEndThread()
{
    glp_free_env();
}

LpOutputCapture::LpOutputCapture(std::string& text) : m_text(text)
{
    glp_term_hook(Append, this);
}

LpOutputCapture::~LpOutputCapture()
{
    glp_term_hook(nullptr, nullptr);
}

int LpOutputCapture::Append(void* capture, const char* output)
{
    // The library's terminal hook: nothing may unwind through the library, so a text that cannot
    // grow is only noted. Returning nonzero keeps the output from standard output.
    auto* self = static_cast<LpOutputCapture*>(capture);
    try {
        self->m_text.append(output);
    } catch (...) {
        self->m_lost = true;
    }
    return 1;
}
