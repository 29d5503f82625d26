#include "GeneratedProblem.h"

#include "core/CException.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// splitmix64: small, fast and the same everywhere (the standard distributions are not).
class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    uint64_t Next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number in 0 .. bound - 1 (bound small: the bias does not matter here).
    int Below(int bound) { return int(Next() % uint64_t(bound)); }
    // A number in [low, high).
    double Between(double low, double high) { return low + (high - low) * double(Next() >> 11) / 9007199254740992.0; }

private:
    uint64_t m_state;
};

} // namespace

std::vector<CZQRankNode> GenerateConsistentProblem(CZQInterfaceData& project, int n, uint64_t seed, int criteria)
{
    if (n < 10 || n > 100000)
        AfxThrowInvalidArgFormat("GenerateConsistentProblem: n = %d outside 10..100000", n);
    if (criteria < 1 || criteria > 1000)
        AfxThrowInvalidArgFormat("GenerateConsistentProblem: criteria = %d outside 1..1000", criteria);
    if (!project.CriteriaTable.empty() || !project.AlternativesTable.empty() || project.EvaluationsTable.size() != 1)
        AfxThrowInvalidArgFormat("GenerateConsistentProblem: the project already holds %d criteria and %d alternatives",
                                 int(project.CriteriaTable.size()), int(project.AlternativesTable.size()));

    Random random(seed);
    const size_t m = size_t(criteria);
    const size_t gains = (3 * m + 4) / 5;
    std::vector<bool> gain(m);

    // The hidden value function: per criterion a weight and the power its normalised evaluation is
    // raised to (concave, linear or convex).
    std::vector<double> weight(m), power(m);
    static const double powers[] = {0.5, 1.0, 2.0};
    for (size_t k = 0; k < m; ++k) {
        weight[k] = random.Between(0.5, 1.5);
        power[k] = powers[random.Below(3)];
        gain[k] = k < gains;
        CString name;
        name.Format(gain[k] ? "g%d" : "c%d", int(gain[k] ? k + 1 : k - gains + 1));
        project.CriteriaTable.push_back(ZQRow{name, "", gain[k] ? "gain" : "cost", "3"});
        project.EvaluationsTable[0].push_back(name);
    }

    std::vector<double> hidden(size_t(n), 0.0);
    for (int i = 0; i < n; ++i) {
        CString name;
        name.Format("a%d", i + 1);
        ZQRow row{name};
        for (size_t k = 0; k < m; ++k) {
            const int value = random.Below(100);
            CString cell;
            cell.Format("%d", value);
            row.push_back(cell);
            const double share = gain[k] ? value / 99.0 : 1.0 - value / 99.0;
            hidden[size_t(i)] += weight[k] * std::pow(share, power[k]);
        }
        project.EvaluationsTable.push_back(row);
        project.AlternativesTable.push_back(ZQRow{name, "", ""});
    }

    // n / 5 reference alternatives drawn at random, best first by the hidden value, two to a rank.
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    const int references = n / 5;
    for (int i = 0; i < references; ++i)
        std::swap(order[size_t(i)], order[size_t(i + random.Below(n - i))]);
    order.resize(size_t(references));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return hidden[size_t(a)] > hidden[size_t(b)]; });

    const int ranks = n / 10;
    std::vector<CZQRankNode> tree(static_cast<size_t>(ranks));
    for (int i = 0; i < references; ++i) {
        const int rank = std::min(i / 2, ranks - 1);
        ZQRow& alternative = project.AlternativesTable[size_t(order[size_t(i)])];
        alternative[2].Format("%d", rank + 1);
        tree[size_t(rank)].Alternatives.push_back(alternative[0]);
    }
    return tree;
}

void GenerateLargeProject(CZQInterfaceData& project, int alternatives, int criteria, int ranked, uint64_t seed)
{
    const int most = 10000000;
    if (alternatives < 1 || alternatives > most || criteria < 1 || criteria > most || ranked < 0 ||
        ranked > alternatives)
        AfxThrowInvalidArgFormat("GenerateLargeProject: %d alternatives, %d criteria and %d ranked, not 1..%d, "
                                 "1..%d and 0..alternatives",
                                 alternatives, criteria, ranked, most, most);
    if (!project.CriteriaTable.empty() || !project.AlternativesTable.empty() || project.EvaluationsTable.size() != 1)
        AfxThrowInvalidArgFormat("GenerateLargeProject: the project already holds %d criteria and %d alternatives",
                                 int(project.CriteriaTable.size()), int(project.AlternativesTable.size()));

    static const char* const scale[] = {"very low", "low", "medium", "high", "very high"};
    const int scaleSize = int(sizeof scale / sizeof scale[0]);
    std::vector<bool> ordinal(size_t(criteria), false);
    for (int k = 0; k < criteria; ++k) {
        CString name;
        name.Format("criterion %d", k + 1);
        ordinal[size_t(k)] = k % 4 == 3;
        if (ordinal[size_t(k)]) {
            for (int v = 0; v < scaleSize; ++v) {
                CString position;
                position.Format("%d", v + 1);
                project.ScaleValuesTable.push_back(ZQRow{name, scale[v], position});
            }
            project.CriteriaTable.push_back(ZQRow{name, "", "rank", "4"});
        } else {
            project.CriteriaTable.push_back(ZQRow{name, "", k % 2 == 0 ? "gain" : "cost", "3"});
        }
        project.EvaluationsTable[0].push_back(name);
    }

    Random random(seed);
    project.AlternativesTable.reserve(size_t(alternatives));
    project.EvaluationsTable.reserve(size_t(alternatives) + 1);
    for (int i = 0; i < alternatives; ++i) {
        CString name, information;
        name.Format("alternative %07d", i + 1);
        if (i % 10 == 0)
            information.Format("note on alternative %d", i + 1);
        project.AlternativesTable.push_back(ZQRow{name, information, ""});
        ZQRow row;
        row.reserve(size_t(criteria) + 1);
        row.push_back(name);
        for (int k = 0; k < criteria; ++k) {
            CString cell;
            if (ordinal[size_t(k)])
                cell = scale[random.Below(scaleSize)];
            else
                cell.Format("%g", random.Below(100000) / 100.0);
            row.push_back(cell);
        }
        project.EvaluationsTable.push_back(std::move(row));
    }
    for (int j = 0; j < ranked; ++j) {
        const size_t i = size_t((long long)j * alternatives / ranked);
        project.AlternativesTable[i][2].Format("%d", j / 2 + 1);
    }
}
