// Kendall's coefficient between two preference matrices of the reference alternatives, and the model
// preference matrix it compares with the reference one.
//
// A preference matrix over B alternatives holds 1.0 at [i][j] when i is preferred to j, 0.5 when the
// two are indifferent, 0.0 when j is preferred and on the diagonal.
#pragma once

#include "model/solve/SolverRecords.h"

#include <vector>

// The slack with which utilities are compared against the preference threshold: a difference of
// exactly delta that the linear program produced must not turn into a tie by rounding.
constexpr double kUtilitySlack = 1e-9;

// Returns 1 - 2 S / (m (m - 1)) with m = A.size() and S the sum of |A[i][j] - B.first[i][j]| over all
// i, j < m: 1 when the matrices agree, -1 when every pair is reversed. With fewer than two
// alternatives there is no pair and the result is 1. Throws CInvalidArgException* when A is not
// square or B.first is not m x m.
double KendallTau(const SolverMatrix& A, const KendallRecord& B);

// Returns the B x B model preference matrix of the utilities U (one per reference alternative, in
// reference order) with threshold delta: for i != j, 1.0 when U[i] >= U[j] + delta, 0.0 when
// U[i] <= U[j] - delta, else 0.5, each bound taken with kUtilitySlack in favour of the preference; 0.0
// on the diagonal.
SolverMatrix ModelPreferenceMatrix(const std::vector<double>& utilities, double delta);

// KendallTau(ModelPreferenceMatrix(utilities, delta), B), to the last bit, without making the matrix:
// for the checks of value functions, many thousand after a solve. Throws as KendallTau.
double KendallTauOfUtilities(const std::vector<double>& utilities, double delta, const KendallRecord& B);
