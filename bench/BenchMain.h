// What the benchmarks' main functions share: the problem sizes (numbers of alternatives) taken from
// the command line, and the report of a size that failed.
#pragma once

#include "core/CException.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

// Fills *sizes with the numbers named on the command line (argv[1] on), or with `defaults` when none
// is named. Returns false, having said on standard error which argument is not a number of at least
// `least`, when one is not.
inline bool BenchSizes(int argc, char** argv, const char* program, int least, const std::vector<int>& defaults,
                       std::vector<int>* sizes)
{
    sizes->clear();
    for (int i = 1; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        if (n < least) {
            std::fprintf(stderr, "%s: size '%s' is not a number of at least %d alternatives\n", program, argv[i],
                         least);
            return false;
        }
        sizes->push_back(n);
    }
    if (sizes->empty())
        *sizes = defaults;
    return true;
}

// Says on standard error that size n failed with e, and deletes e.
inline void BenchReportFailure(const char* program, int n, CException* e)
{
    char message[512] = "";
    e->GetErrorMessage(message, sizeof message);
    e->Delete();
    std::fprintf(stderr, "%s: n = %d: %s\n", program, n, message);
}
