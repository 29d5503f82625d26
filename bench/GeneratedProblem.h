// Generated decision problems and projects: for the solve benchmark and the tests that compare the two
// ways of solving the pairwise programs, and for the file benchmark and the tests that read and write
// large project files.
//
// A problem is drawn from a fixed seed with a small generator of its own, so the same seed gives the
// same problem on every machine and library. The reference ranking of a problem to solve follows a
// hidden additive value function, so that a solve finds it consistent.
#pragma once

#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"

#include <cstdint>
#include <vector>

// Fills `project`, whose tables must be as constructed (no criterion, no alternative), with n
// alternatives "a1" .. "an" and `criteria` criteria (3 segments each): "g1", "g2" ... of kind gain,
// three in five of them (rounded up), then "c1", "c2" ... of kind cost, so five criteria are "g1" to
// "g3", "c1" and "c2". Each evaluation is a whole number from 0 to 99. n / 5 alternatives, drawn at
// random, form the reference ranking: ordered by a hidden additive value function (weighted powers of
// the evaluations), two at a time share a rank, in n / 10 ranks. Writes the tables directly (no shell
// call) and returns the reference tree the shell must answer: the rank nodes in order, each with its
// alternatives' names. Throws CInvalidArgException* when n is below 10 or above 100000, criteria
// below 1 or above 1000, or when the project already holds criteria or alternatives.
std::vector<CZQRankNode> GenerateConsistentProblem(CZQInterfaceData& project, int n, uint64_t seed,
                                                   int criteria = 5);

// Fills `project`, whose tables must be as constructed, with a large project of every kind of content
// the project files carry: `alternatives` alternatives "alternative 0000001", "alternative 0000002"
// and so on (in ascending order, as a sorted list takes them) and `criteria` criteria "criterion 1"
// and so on, every fourth of them ordinal on the scale "very low" .. "very high" (4 segments) and the
// others gain and cost in turn (3 segments). A numeric evaluation is a number from 0 to 999.99 with
// at most two decimals, written as every format reads it back ("%g"); an ordinal one is a value of
// the scale. Every tenth alternative has an information text, and `ranked` alternatives spread over
// the table stand in the reference ranking, two to a rank. Writes the tables directly (no shell
// call). Throws CInvalidArgException* when a count is below 1 (ranked below 0, or above
// alternatives) or above 10000000, or when the project already holds criteria or alternatives.
void GenerateLargeProject(CZQInterfaceData& project, int alternatives, int criteria, int ranked, uint64_t seed);
