// The column layout and the builders of the ordinal regression linear programs.
#include "model/solve/Solver.h"

#include "core/CException.h"

namespace {

// Throws unless matrix is size x size.
void CheckSquare(const SolverMatrix& matrix, int32_t size, const char* what, const char* operation)
{
    bool square = matrix.size() == size_t(size);
    for (const std::vector<double>& row : matrix)
        square = square && row.size() == size_t(size);
    if (!square)
        AfxThrowInvalidArgFormat("%s: the matrix %s has %d rows, %d x %d expected", operation, what,
                                 int(matrix.size()), size, size);
}

// Throws unless every row has width elements and there is one sense per row.
void CheckRows(const std::vector<std::vector<double>>& rows, const std::vector<int32_t>& senses, size_t width,
               const char* what, const char* operation)
{
    if (senses.size() != rows.size())
        AfxThrowInvalidArgFormat("%s: %s has %d rows and %d senses", operation, what, int(rows.size()),
                                 int(senses.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].size() != width)
            AfxThrowInvalidArgFormat("%s: row %d of %s has %d elements, %d expected", operation, int(i), what,
                                     int(rows[i].size()), int(width));
    }
}

// The number of steps of a criterion: one fewer than its breakpoints, none without two of them.
int32_t StepsOf(const CriterionRecord& criterion)
{
    const size_t points = criterion.breakpoints.size();
    return points >= 2 ? int32_t(points - 1) : 0;
}

} // namespace

int32_t Solver::ReferenceCount() const
{
    int32_t count = 0;
    for (const auto& alternative : model.alternatives) {
        if (alternative->referenceIndex >= count)
            count = alternative->referenceIndex + 1;
    }
    return count;
}

int32_t Solver::ErrorColumnCount() const
{
    return 2 * ReferenceCount();
}

int32_t Solver::StepColumnCount() const
{
    int32_t count = 0;
    for (const auto& criterion : model.criteria)
        count += StepsOf(*criterion);
    return count;
}

int32_t Solver::StepColumn(int32_t k, int32_t l) const
{
    const char* const op = "Solver::StepColumn";
    if (k < 0 || size_t(k) >= model.criteria.size())
        AfxThrowInvalidArgFormat("%s: criterion index %d outside 0..%d", op, k, int(model.criteria.size()) - 1);
    const int32_t steps = StepsOf(*model.criteria[size_t(k)]);
    if (l < 0 || l >= steps)
        AfxThrowInvalidArgFormat("%s: segment %d outside 0..%d of criterion %d", op, l, steps - 1, k);
    int32_t column = ErrorColumnCount();
    for (int32_t i = 0; i < k; ++i)
        column += StepsOf(*model.criteria[size_t(i)]);
    return column + l;
}

std::vector<int32_t> Solver::ReferenceAlternatives() const
{
    std::vector<int32_t> behind(size_t(ReferenceCount()), -1);
    for (size_t a = 0; a < model.alternatives.size(); ++a) {
        const int32_t r = model.alternatives[a]->referenceIndex;
        if (r >= 0)
            behind[size_t(r)] = int32_t(a);
    }
    for (size_t r = 0; r < behind.size(); ++r) {
        if (behind[r] < 0)
            AfxThrowInvalidArgFormat("Solver::ReferenceAlternatives: no alternative has the reference index %d",
                                     int(r));
    }
    return behind;
}

int32_t Solver::ReferenceAlternative(int32_t r) const
{
    const std::vector<int32_t> behind = ReferenceAlternatives();
    if (r < 0 || size_t(r) >= behind.size())
        AfxThrowInvalidArgFormat("Solver::ReferenceAlternative: reference index %d outside 0..%d", r,
                                 int(behind.size()) - 1);
    return behind[size_t(r)];
}

std::vector<double> Solver::AlternativeCoefficients(int32_t a) const
{
    if (a < 0 || size_t(a) >= model.alternatives.size())
        AfxThrowInvalidArgFormat("Solver::AlternativeCoefficients: alternative index %d outside 0..%d", a,
                                 int(model.alternatives.size()) - 1);
    std::vector<double> coefficients(size_t(StepColumnCount()), 0.0);
    size_t offset = 0;
    for (size_t k = 0; k < model.criteria.size(); ++k) {
        const CriterionRecord& criterion = *model.criteria[k];
        const int32_t steps = StepsOf(criterion);
        if (steps == 0)
            continue;  // a constant criterion: no step, no value
        const int32_t s = model.FindSegment(int32_t(k), a);
        if (s >= 0 && s < steps) {
            for (int32_t l = 0; l < s; ++l)
                coefficients[offset + size_t(l)] = 1.0;
            const std::vector<double>& p = criterion.breakpoints;
            const double x = model.alternatives[size_t(a)]->evaluations[k];
            coefficients[offset + size_t(s)] = 1.0 - (p[size_t(s) + 1] - x) / (p[size_t(s) + 1] - p[size_t(s)]);
        }
        offset += size_t(steps);
    }
    return coefficients;
}

std::vector<double> Solver::ReferenceRow(int32_t p, int32_t q,
                                         const std::vector<std::vector<double>>& coefficients) const
{
    const size_t errors = size_t(ErrorColumnCount());
    const size_t steps = size_t(StepColumnCount());
    std::vector<double> row(errors + steps + 1, 0.0);
    row[2 * size_t(p)] += 1.0;
    row[2 * size_t(p) + 1] -= 1.0;
    row[2 * size_t(q)] -= 1.0;
    row[2 * size_t(q) + 1] += 1.0;
    for (size_t i = 0; i < steps; ++i)
        row[errors + i] = coefficients[size_t(p)][i] - coefficients[size_t(q)][i];
    return row;
}

std::vector<double> Solver::PairObjective(int32_t a, int32_t b, const char* operation) const
{
    const int32_t n = int32_t(model.alternatives.size());
    if (a < 0 || a >= n)
        AfxThrowInvalidArgFormat("%s: alternative index a = %d outside 0..%d", operation, a, n - 1);
    if (b < 0 || b >= n)
        AfxThrowInvalidArgFormat("%s: alternative index b = %d outside 0..%d", operation, b, n - 1);
    const std::vector<double> ua = AlternativeCoefficients(a);
    const std::vector<double> ub = AlternativeCoefficients(b);
    std::vector<double> objective(size_t(ErrorColumnCount()), 0.0);
    for (size_t i = 0; i < ua.size(); ++i)
        objective.push_back(ua[i] - ub[i]);
    return objective;
}

std::vector<double> Solver::ErrorBudgetRow() const
{
    const size_t errors = size_t(ErrorColumnCount());
    std::vector<double> row(errors + size_t(StepColumnCount()) + 1, 0.0);
    for (size_t i = 0; i < errors; ++i)
        row[i] = 1.0;
    row.back() = baseErrorSum;
    return row;
}

std::vector<double> Solver::NormalisationRow() const
{
    const size_t errors = size_t(ErrorColumnCount());
    std::vector<double> row(errors + size_t(StepColumnCount()) + 1, 0.0);
    for (size_t i = errors; i + 1 < row.size(); ++i)
        row[i] = 1.0;
    row.back() = 1.0;
    return row;
}

void Solver::BuildBaseLp()
{
    const char* const op = "Solver::BuildBaseLp";
    const int32_t count = ReferenceCount();
    const std::vector<int32_t> behind = ReferenceAlternatives();
    const SolverMatrix& chain = model.reference.second;
    CheckSquare(chain, count, "C", op);
    std::vector<std::vector<double>> coefficients;
    for (int32_t alternative : behind)
        coefficients.push_back(AlternativeCoefficients(alternative));

    baseLp = LpProblem();
    baseLp.sense = -1;
    baseLp.objective.assign(size_t(ErrorColumnCount()), 1.0);
    baseLp.objective.resize(size_t(ErrorColumnCount() + StepColumnCount()), 0.0);

    // Indifference rows first, then the strict ones, each in row-major order of C.
    for (int32_t kind = 0; kind <= 1; ++kind) {
        const double entry = kind == 0 ? 0.5 : 1.0;
        for (int32_t p = 0; p < count; ++p) {
            for (int32_t q = 0; q < count; ++q) {
                if (chain[size_t(p)][size_t(q)] != entry)
                    continue;
                std::vector<double> row = ReferenceRow(p, q, coefficients);
                row.back() = kind == 0 ? 0.0 : delta;
                baseLp.rows.push_back(row);
                baseLp.rowSenses.push_back(kind);
                baseLp.constraintList.push_back(ConstraintTriple{p, q, kind});
            }
        }
    }
    baseLp.rows.push_back(NormalisationRow());
    baseLp.rowSenses.push_back(0);
}

void Solver::BuildPairLp(int32_t a, int32_t b)
{
    const char* const op = "Solver::BuildPairLp";
    std::vector<double> objective = PairObjective(a, b, op);
    const int32_t count = ReferenceCount();
    const std::vector<int32_t> behind = ReferenceAlternatives();
    const SolverMatrix& preference = model.reference.first;
    CheckSquare(preference, count, "R", op);
    std::vector<std::vector<double>> coefficients;
    std::vector<bool> credible;
    for (int32_t alternative : behind) {
        coefficients.push_back(AlternativeCoefficients(alternative));
        credible.push_back(model.alternatives[size_t(alternative)]->credibility == 1);
    }

    pairLp = LpProblem();
    pairLp.sense = 1;
    pairLp.objective = std::move(objective);

    // Indifference over the upper triangle (each unordered pair once), then every strict pair.
    for (int32_t p = 0; p < count; ++p) {
        for (int32_t q = p; q < count; ++q) {
            if (preference[size_t(p)][size_t(q)] != 0.5 || !credible[size_t(p)] || !credible[size_t(q)])
                continue;
            std::vector<double> row = ReferenceRow(p, q, coefficients);
            row.back() = 0.0;
            pairLp.rows.push_back(row);
            pairLp.rowSenses.push_back(0);
        }
    }
    for (int32_t p = 0; p < count; ++p) {
        for (int32_t q = 0; q < count; ++q) {
            if (preference[size_t(p)][size_t(q)] != 1.0 || !credible[size_t(p)] || !credible[size_t(q)])
                continue;
            std::vector<double> row = ReferenceRow(p, q, coefficients);
            row.back() = delta;
            pairLp.rows.push_back(row);
            pairLp.rowSenses.push_back(1);
        }
    }
    pairLp.rows.push_back(NormalisationRow());
    pairLp.rowSenses.push_back(0);
    pairLp.rows.push_back(ErrorBudgetRow());
    pairLp.rowSenses.push_back(-1);
}

void Solver::BuildWeakPairLp(int32_t a, int32_t b)
{
    const char* const op = "Solver::BuildWeakPairLp";
    std::vector<double> objective = PairObjective(a, b, op);
    CheckRows(savedBaseRows, savedBaseSenses, size_t(ErrorColumnCount() + StepColumnCount()) + 1, "savedBaseRows", op);

    baseLp = LpProblem();
    baseLp.sense = 1;
    baseLp.objective = std::move(objective);
    baseLp.rows = savedBaseRows;
    baseLp.rowSenses = savedBaseSenses;
    baseLp.rows.push_back(ErrorBudgetRow());
    baseLp.rowSenses.push_back(-1);
}

void Solver::BuildKendallLp()
{
    const char* const op = "Solver::BuildKendallLp";
    const size_t errors = size_t(ErrorColumnCount());
    const size_t steps = size_t(StepColumnCount());
    const size_t epsilon = errors + steps;
    CheckRows(baseLp.rows, baseLp.rowSenses, epsilon + 1, "baseLp", op);

    kendallLp = LpProblem();
    kendallLp.sense = 1;
    kendallLp.objective.assign(epsilon + 1, 0.0);
    kendallLp.objective[epsilon] = 1.0;

    for (const std::vector<double>& base : baseLp.rows) {
        std::vector<double> row = base;
        row.insert(row.end() - 1, 0.0);
        kendallLp.rows.push_back(row);
    }
    kendallLp.rowSenses = baseLp.rowSenses;

    // epsilon <= w(k, l) for every step.
    for (size_t c = errors; c < epsilon; ++c) {
        std::vector<double> row(epsilon + 2, 0.0);
        row[c] = -1.0;
        row[epsilon] = 1.0;
        kendallLp.rows.push_back(row);
        kendallLp.rowSenses.push_back(-1);
    }
    // Every error at 0: the reference ranking is represented exactly.
    std::vector<double> row(epsilon + 2, 0.0);
    for (size_t c = 0; c < errors; ++c)
        row[c] = 1.0;
    kendallLp.rows.push_back(row);
    kendallLp.rowSenses.push_back(-1);
}
