#include "model/solve/ZQInconsistencies.h"

#include "core/CException.h"

#include <algorithm>
#include <cstdio>

namespace {

// A trial that reaches the chosen row's right-hand side up to rounding is a solution.
constexpr double kTargetSlack = 1e-9;

bool Contains(const std::vector<int32_t>& set, int32_t member)
{
    return std::find(set.begin(), set.end(), member) != set.end();
}

// True when every member of part is in whole.
bool ContainsAll(const std::vector<int32_t>& whole, const std::vector<int32_t>& part)
{
    for (int32_t member : part) {
        if (!Contains(whole, member))
            return false;
    }
    return true;
}

void PrintSet(const char* heading, const std::vector<int32_t>& set)
{
    std::printf("%s", heading);
    for (int32_t member : set)
        std::printf("%d ", member);
    std::printf("\n");
}

std::vector<double> Negated(const std::vector<double>& row)
{
    std::vector<double> negated = row;
    for (double& value : negated)
        value = -value;
    return negated;
}

} // namespace

ZQInconsistencies::ZQInconsistencies() : maxSetSize(3)
{
}

ZQInconsistencies::~ZQInconsistencies() = default;

int ZQInconsistencies::ChooseConstraint()
{
    const char* const op = "ZQInconsistencies::ChooseConstraint";
    if (base.rows.size() != base.rowSenses.size())
        AfxThrowInvalidArgFormat("%s: the base program has %d rows and %d senses", op, int(base.rows.size()),
                                 int(base.rowSenses.size()));
    for (size_t i = 0; i < base.rows.size(); ++i) {
        if (base.rows[i].size() != base.objective.size() + 1)
            AfxThrowInvalidArgFormat("%s: row %d of the base program has %d elements, %d expected", op, int(i),
                                     int(base.rows[i].size()), int(base.objective.size()) + 1);
    }
    working = LpProblem();
    inequalityRows.clear();
    inequalityTriples.clear();
    fixedRows.clear();
    if (base.rows.size() < 2)
        return 0;

    // Fixed in every trial: the normalisation row, and every error at 0.
    fixedRows.push_back(base.rows.back());
    std::vector<double> errors = base.objective;
    errors.push_back(0.0);
    fixedRows.push_back(errors);

    // Every reference row in "at least" form; an equality becomes two such rows.
    const size_t referenceRows = base.rows.size() - 1;
    for (size_t i = 0; i < referenceRows; ++i) {
        const ConstraintTriple triple = i < base.constraintList.size() ? base.constraintList[i] : ConstraintTriple();
        const std::vector<double>& row = base.rows[i];
        switch (base.rowSenses[i]) {
        case -1:
            inequalityRows.push_back(Negated(row));
            inequalityTriples.push_back(triple);
            break;
        case 1:
            inequalityRows.push_back(row);
            inequalityTriples.push_back(triple);
            break;
        default:
            inequalityRows.push_back(row);
            inequalityTriples.push_back(triple);
            inequalityRows.push_back(Negated(row));
            inequalityTriples.push_back(triple);
            break;
        }
    }

    // The chosen constraint: the first row whose left-hand side can be maximised while all the others hold exactly.
    for (size_t h = 0; h < inequalityRows.size(); ++h) {
        LpProblem u;
        u.sense = 1;
        u.objective.assign(inequalityRows[h].begin(), inequalityRows[h].end() - 1);
        for (size_t i = 0; i < inequalityRows.size(); ++i) {
            if (i == h)
                continue;
            u.rows.push_back(inequalityRows[i]);
            u.rowSenses.push_back(1);
            u.constraintList.push_back(inequalityTriples[i]);
        }
        for (const std::vector<double>& row : fixedRows) {
            u.rows.push_back(row);
            u.rowSenses.push_back(0);
        }
        u.Solve();
        if (u.infeasible)
            continue;
        targetRhs = inequalityRows[h].back();
        chosen = inequalityTriples[h];
        working = std::move(u);
        maxSetSize = 3;
        inequalityRows = working.rows;
        inequalityTriples = working.constraintList;
        return 1;
    }
    return 0;
}

void ZQInconsistencies::EnumerateAlternatives()
{
    candidates.clear();
    solutions.clear();
    if (working.rows.size() < 2)
        return;
    const int32_t removable = int32_t(working.rows.size()) - 2;
    working.Solve();

    for (int32_t c = 0; c < removable; ++c) {
        candidates.push_back(std::vector<int32_t>{c});
        PrintSet("added candidate: ", candidates.back());
    }

    // The list grows while it is read: index, not iterator.
    for (size_t current = 0; current < candidates.size(); ++current) {
        const std::vector<int32_t> set = candidates[current];
        if (int32_t(set.size()) > maxSetSize)
            break;

        mask.assign(working.rows.size(), 1);
        for (int32_t member : set)
            mask[size_t(member)] = 0;
        trial = std::make_unique<LpProblem>();
        trial->sense = 1;
        trial->objective = working.objective;
        for (size_t i = 0; i < working.rows.size(); ++i) {
            if (!mask[i])
                continue;
            trial->rows.push_back(working.rows[i]);
            trial->rowSenses.push_back(working.rowSenses[i]);
        }
        std::printf("-->\n");
        trial->Solve();

        // An infeasible or failed trial reads 0.0, which must not pass for reaching the target.
        if (!trial->infeasible && (trial->unbounded || trial->objectiveValue >= targetRhs - kTargetSlack)) {
            solutions.push_back(set);
            PrintSet("solution found: ", set);
            continue;
        }

        for (int32_t row = 0; row < removable; ++row) {
            if (Contains(set, row))
                continue;
            std::vector<int32_t> extension = set;
            extension.push_back(row);
            bool skip = false;
            for (const std::vector<int32_t>& solution : solutions)
                skip = skip || ContainsAll(extension, solution);
            for (size_t later = current + 1; later < candidates.size() && !skip; ++later)
                skip = ContainsAll(extension, candidates[later]);
            if (skip)
                continue;
            candidates.push_back(extension);
            PrintSet("added candidate': ", extension);
        }
    }
}
