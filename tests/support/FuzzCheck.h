// The property check of every fuzz target.
#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run with a message when a property of the code under test does not hold.
inline void FuzzCheck(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "ondrix fuzz: property broken: %s\n", what);
        std::abort();
    }
}
