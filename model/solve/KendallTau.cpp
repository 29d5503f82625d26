#include "model/solve/KendallTau.h"

#include "core/CException.h"

#include <cmath>
#include <cstdint>

double KendallTau(const SolverMatrix& A, KendallRecord B)
{
    const size_t m = A.size();
    const SolverMatrix& reference = B.first;
    if (reference.size() != m)
        AfxThrowInvalidArgFormat("KendallTau: the reference matrix has %d rows, %d expected", int(reference.size()),
                                 int(m));
    for (size_t i = 0; i < m; ++i) {
        if (A[i].size() != m)
            AfxThrowInvalidArgFormat("KendallTau: row %d of the model matrix has %d entries, %d expected", int(i),
                                     int(A[i].size()), int(m));
        if (reference[i].size() != m)
            AfxThrowInvalidArgFormat("KendallTau: row %d of the reference matrix has %d entries, %d expected", int(i),
                                     int(reference[i].size()), int(m));
    }
    if (m < 2)
        return 1.0;

    double sum = 0.0;
    for (size_t i = 0; i < m; ++i) {
        for (size_t j = 0; j < m; ++j)
            sum += std::fabs(A[i][j] - reference[i][j]);
    }
    const uint32_t pairs = uint32_t(m) * uint32_t(m - 1);
    return 1.0 - sum * 0.5 * 4.0 / double(pairs);
}

SolverMatrix ModelPreferenceMatrix(const std::vector<double>& utilities, double delta)
{
    const size_t count = utilities.size();
    SolverMatrix matrix(count, std::vector<double>(count, 0.0));
    for (size_t i = 0; i < count; ++i) {
        for (size_t j = 0; j < count; ++j) {
            if (i == j)
                continue;
            const double difference = utilities[i] - utilities[j];
            if (difference >= delta - kUtilitySlack)
                matrix[i][j] = 1.0;
            else if (difference <= -delta + kUtilitySlack)
                matrix[i][j] = 0.0;
            else
                matrix[i][j] = 0.5;
        }
    }
    return matrix;
}
