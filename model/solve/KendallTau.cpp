#include "model/solve/KendallTau.h"

#include "core/CException.h"

#include <cmath>
#include <cstdint>

namespace {

// Throws unless the reference matrix of B is m x m and, when A is given, A is too (its rows checked
// beside the reference's, row by row).
void CheckShapes(const SolverMatrix* A, const KendallRecord& B, size_t m)
{
    const SolverMatrix& reference = B.first;
    if (reference.size() != m)
        AfxThrowInvalidArgFormat("KendallTau: the reference matrix has %d rows, %d expected", int(reference.size()),
                                 int(m));
    for (size_t i = 0; i < m; ++i) {
        if (A != nullptr && (*A)[i].size() != m)
            AfxThrowInvalidArgFormat("KendallTau: row %d of the model matrix has %d entries, %d expected", int(i),
                                     int((*A)[i].size()), int(m));
        if (reference[i].size() != m)
            AfxThrowInvalidArgFormat("KendallTau: row %d of the reference matrix has %d entries, %d expected", int(i),
                                     int(reference[i].size()), int(m));
    }
}

// The coefficient of the sum S of the m x m differences.
double Coefficient(double sum, size_t m)
{
    const uint32_t pairs = uint32_t(m) * uint32_t(m - 1);
    return 1.0 - sum * 0.5 * 4.0 / double(pairs);
}

// The entry [i][j] (i != j) of the model preference matrix for the utility difference U[i] - U[j].
double Preference(double difference, double delta)
{
    if (difference >= delta - kUtilitySlack)
        return 1.0;
    if (difference <= -delta + kUtilitySlack)
        return 0.0;
    return 0.5;
}

} // namespace

double KendallTau(const SolverMatrix& A, const KendallRecord& B)
{
    const size_t m = A.size();
    const SolverMatrix& reference = B.first;
    CheckShapes(&A, B, m);
    if (m < 2)
        return 1.0;

    double sum = 0.0;
    for (size_t i = 0; i < m; ++i) {
        for (size_t j = 0; j < m; ++j)
            sum += std::fabs(A[i][j] - reference[i][j]);
    }
    return Coefficient(sum, m);
}

double KendallTauOfUtilities(const std::vector<double>& utilities, double delta, const KendallRecord& B)
{
    const size_t m = utilities.size();
    CheckShapes(nullptr, B, m);
    if (m < 2)
        return 1.0;
    const SolverMatrix& reference = B.first;
    double sum = 0.0;
    for (size_t i = 0; i < m; ++i) {
        for (size_t j = 0; j < m; ++j) {
            const double entry = i == j ? 0.0 : Preference(utilities[i] - utilities[j], delta);
            sum += std::fabs(entry - reference[i][j]);
        }
    }
    return Coefficient(sum, m);
}

SolverMatrix ModelPreferenceMatrix(const std::vector<double>& utilities, double delta)
{
    const size_t count = utilities.size();
    SolverMatrix matrix(count, std::vector<double>(count, 0.0));
    for (size_t i = 0; i < count; ++i) {
        for (size_t j = 0; j < count; ++j) {
            if (i != j)
                matrix[i][j] = Preference(utilities[i] - utilities[j], delta);
        }
    }
    return matrix;
}
