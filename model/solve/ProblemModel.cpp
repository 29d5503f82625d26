#include "model/solve/ProblemModel.h"

#include "core/CException.h"

#include <algorithm>
#include <cmath>

namespace {

// Evaluation of alternative a on criterion k; throws naming the short alternative.
double EvaluationOf(const AlternativeRecord& a, size_t k, const char* operation)
{
    if (k >= a.evaluations.size())
        AfxThrowInvalidArgFormat("%s: alternative %d (\"%s\") has %d evaluations, criterion %d asked", operation,
                                 a.index, a.name, int(a.evaluations.size()), int(k));
    return a.evaluations[k];
}

} // namespace

void ProblemModel::ComputeCriterionRanges()
{
    const char* const op = "ProblemModel::ComputeCriterionRanges";
    for (size_t k = 0; k < criteria.size(); ++k) {
        CriterionRecord& criterion = *criteria[k];
        std::vector<double> values;
        values.reserve(alternatives.size());
        for (const auto& alternative : alternatives) {
            const double value = EvaluationOf(*alternative, k, op);
            // Sorting is undefined on a NaN: refuse it rather than read past the vector.
            if (!std::isfinite(value))
                AfxThrowInvalidArgFormat("%s: alternative \"%s\" has the evaluation %g on criterion \"%s\"", op,
                                         alternative->name, value, criterion.name);
            values.push_back(value);
        }

        if (values.empty()) {
            criterion.worst = criterion.best = 0.0;
            criterion.breakpoints.clear();
            criterion.segments = 0;
            continue;
        }

        double worst = values[0];
        double best = values[0];
        for (size_t a = 1; a < values.size(); ++a) {
            if (values[a] > best)
                best = values[a];
            if (values[a] < worst)
                worst = values[a];
        }
        if (criterion.direction == -1)
            std::swap(worst, best);
        criterion.worst = worst;
        criterion.best = best;

        std::vector<double> points = values;
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
        if (criterion.direction == -1) {
            std::reverse(points.begin(), points.end());
            if (worst > points.front())
                points.insert(points.begin(), worst);
            if (best < points.back())
                points.push_back(best);
        } else {
            if (worst < points.front())
                points.insert(points.begin(), worst);
            if (best > points.back())
                points.push_back(best);
        }
        criterion.breakpoints = points;
        criterion.segments = int32_t(points.size()) - 1;
    }
}

int32_t ProblemModel::FindSegment(int32_t k, int32_t a) const
{
    const char* const op = "ProblemModel::FindSegment";
    if (k < 0 || size_t(k) >= criteria.size())
        AfxThrowInvalidArgFormat("%s: criterion index %d outside 0..%d", op, k, int(criteria.size()) - 1);
    if (a < 0 || size_t(a) >= alternatives.size())
        AfxThrowInvalidArgFormat("%s: alternative index %d outside 0..%d", op, a, int(alternatives.size()) - 1);
    const CriterionRecord& criterion = *criteria[size_t(k)];
    const double x = EvaluationOf(*alternatives[size_t(a)], size_t(k), op);
    const std::vector<double>& p = criterion.breakpoints;
    const int32_t count = int32_t(p.size());

    if (criterion.direction != 1 && criterion.direction != -1)
        return -1;
    if (x == criterion.best)
        return count - 2;
    // Below here the scan never passes the last segment, whatever the evaluations hold.
    if (count < 2)
        return -1;
    int32_t s = 0;
    if (criterion.direction == 1) {
        if (x < p[0])
            return -1;
        while (s + 2 < count && p[size_t(s) + 1] <= x)
            ++s;
    } else {
        if (p[0] < x)
            return -1;
        while (s + 2 < count && p[size_t(s) + 1] >= x)
            ++s;
    }
    return s;
}
