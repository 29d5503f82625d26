#include "model/solve/AlternativeUtility.h"

#include "core/CException.h"
#include "model/ZQShellServices.h"
#include "model/solve/Solver.h"

#include <cmath>

namespace {

// Clamps a marginal value to [0, 1]; not a number gives 0.
double Clamped(double u)
{
    if (std::isnan(u))
        return 0.0;
    return u < 0.0 ? 0.0 : (u > 1.0 ? 1.0 : u);
}

} // namespace

double InterpolateOnSegment(double x, double from, double to, double valueFrom, double valueTo)
{
    if (from == to)
        return valueFrom;
    // the range (or the distance) overflowing to infinity makes a share of 0 (or not a number), not the
    // share of the range: both are measured in halves then
    const double range = to - from, distance = x - from;
    const double share = std::isfinite(range) && std::isfinite(distance)
                             ? distance / range
                             : (x / 2 - from / 2) / (to / 2 - from / 2);
    return valueFrom + share * (valueTo - valueFrom);
}

bool HasReadableValueFunction(const CriterionRecord& criterion)
{
    if (criterion.segments < 0 || criterion.breakpoints.empty())
        return false;
    const size_t points = size_t(criterion.segments) + 1;
    return criterion.breakpoints.size() == points && criterion.values.size() == points;
}

double MarginalValue(const CriterionRecord& criterion, double g, bool* degenerate)
{
    if (degenerate != nullptr)
        *degenerate = false;
    if (!HasReadableValueFunction(criterion))
        AfxThrowInvalidArgFormat("MarginalValue: criterion %s has %d breakpoints and %d values for %d segments",
                                 criterion.name, int(criterion.breakpoints.size()), int(criterion.values.size()),
                                 criterion.segments);
    const std::vector<double>& x = criterion.breakpoints;
    const std::vector<double>& y = criterion.values;
    const bool gain = criterion.direction == 1;

    for (size_t j = 0; j + 1 < x.size(); ++j) {
        if (x[j + 1] == x[j]) {
            // Equal breakpoints: the segment holds only their own value, and has no slope there.
            if (g == x[j]) {
                if (degenerate != nullptr)
                    *degenerate = true;
                return 0.0;
            }
            continue;
        }
        const bool holds = gain ? (x[j] <= g && g < x[j + 1]) : (x[j] >= g && g > x[j + 1]);
        if (holds)
            return Clamped(InterpolateOnSegment(g, x[j], x[j + 1], y[j], y[j + 1]));
    }
    // Before the worst breakpoint the function stays at its first value, past the best at its last.
    const bool worse = gain ? g < x.front() : g > x.front();
    return Clamped(worse ? y.front() : y.back());
}

double AlternativeUtility(const Solver& solver, size_t a, CZQShellServices& shell)
{
    const ProblemModel& model = solver.model;
    if (a >= model.alternatives.size() || !model.alternatives[a])
        AfxThrowInvalidArgFormat("AlternativeUtility: alternative index %d outside 0..%d", int(a),
                                 int(model.alternatives.size()) - 1);
    const AlternativeRecord& alternative = *model.alternatives[a];
    double utility = 0.0;
    for (size_t k = 0; k < model.criteria.size(); ++k) {
        if (!model.criteria[k] || k >= alternative.evaluations.size())
            AfxThrowInvalidArgFormat("AlternativeUtility: alternative %s has no evaluation on criterion %d",
                                     alternative.name, int(k));
        bool degenerate = false;
        const double u = MarginalValue(*model.criteria[k], alternative.evaluations[k], &degenerate);
        if (degenerate)
            shell.ShowMessage("Internal error: gi_h1 == gi_h", "Ondrix", ZQ_MB_OK);
        utility += u;
    }
    return utility;
}

bool BuildUtilityRows(const Solver& solver, CZQShellServices& shell, std::vector<std::vector<CString>>& rows)
{
    rows.clear();
    if (!solver.HasResults())
        return false;
    for (const auto& criterion : solver.model.criteria) {
        if (!criterion || !HasReadableValueFunction(*criterion))
            return false;
    }
    for (const auto& alternative : solver.model.alternatives) {
        if (!alternative || alternative->evaluations.size() < solver.model.criteria.size())
            return false;
    }
    for (size_t a = 0; a < solver.model.alternatives.size(); ++a) {
        CString utility;
        utility.Format("%g", AlternativeUtility(solver, a, shell));
        rows.push_back(std::vector<CString>{solver.model.alternatives[a]->name, utility});
    }
    return true;
}
