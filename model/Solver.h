// Solver: the record of one solve, created anew by the project for every solve and owned by it.
//
// Not here yet: its fields, the copy of the project into it, the linear programs, the relations and
// the inconsistency search. Until then the project can only hold, replace and delete one.
#pragma once

class Solver {
public:
    Solver() = default;
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;
};
