// Generated decision problems for the solve benchmark and the tests that compare the two ways of
// solving the pairwise programs.
//
// A problem is drawn from a fixed seed with a small generator of its own, so the same seed gives the
// same problem on every machine and library. Its reference ranking follows a hidden additive value
// function, so that a solve finds it consistent.
#pragma once

#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"

#include <cstdint>
#include <vector>

// Fills `project`, whose tables must be as constructed (no criterion, no alternative), with n
// alternatives "a1" .. "an" and five criteria, "g1" to "g3" of kind gain and "c1", "c2" of kind cost
// (3 segments each), each evaluation a whole number from 0 to 99. n / 5 alternatives, drawn at random,
// form the reference ranking: ordered by a hidden additive value function (weighted powers of the
// evaluations), two at a time share a rank, in n / 10 ranks. Writes the tables directly (no shell
// call) and returns the reference tree the shell must answer: the rank nodes in order, each with its
// alternatives' names. Throws CInvalidArgException* when n is below 10 or above 100000, or when the
// project already holds criteria or alternatives.
std::vector<CZQRankNode> GenerateConsistentProblem(CZQInterfaceData& project, int n, uint64_t seed);
