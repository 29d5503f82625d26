// LpProblem: one linear program of the solver, held as dense rows, and its solution.
//
// A builder fills the record; Solve hands it to the linear-programming library (the only code of the
// program that calls it), runs the primal simplex method with the library's default settings and
// reads back the status, the optimum and the column values. Every column is a non-negative variable.
// The library writes its progress lines to standard output.
//
// The library ends the process on arguments it cannot take, so Solve checks the record first and
// refuses one the library could not take (no rows, no columns, rows of different lengths, too short
// an objective, a sense per row missing, a value that is not a finite number): such a record, like
// a simplex run that ends in no definite status, reads as infeasible with objective 0.0 and sets
// `failed`, so that a caller can tell it from a program that truly has no feasible point.
//
// LpFamily solves many programs that share their rows and differ only in the objective (the pairwise
// programs of a solve) on one problem object of the library, each run starting from the basis the
// previous one ended in.
//
// Threads: where the library keeps one environment per thread (LpLibraryAllowsThreads), each thread
// may solve programs of its own at the same time, each on problem objects it made itself. A worker
// thread ends its use of the library with LpEndThread; LpOutputCapture collects one thread's
// progress lines so that they can be printed later in an order of the caller's choosing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// How a simplex run ended.
enum class LpOutcome {
    Optimal,
    Infeasible,
    Unbounded,
    Failed  // the run stopped without an optimal, infeasible or unbounded status
};

// One reference-ranking row of the base program: the two reference indices it compares and its kind.
struct ConstraintTriple {
    int32_t first = 0;
    int32_t second = 0;
    int32_t kind = 0;  // 0 indifference (first I second), 1 strict preference (first >> second)
};
inline bool operator==(const ConstraintTriple& a, const ConstraintTriple& b)
{
    return a.first == b.first && a.second == b.second && a.kind == b.kind;
}

// Classifies one simplex run from the library's return code (0 when the method ended normally) and
// the solution status it then reports (the library's status codes). Returns the outcome; any code
// other than a normal end with an optimal, infeasible or unbounded status is Failed.
LpOutcome ClassifySimplexRun(int simplexReturn, int solutionStatus);

class LpProblem {
public:
    // An empty record: every vector empty, sense 0 (minimise), both flags 0.
    LpProblem() = default;

    // Solves the program held in the record and fills objectiveValue, columnValues, unbounded,
    // infeasible and failed. Returns objectiveValue: the optimum, the library's value for an
    // unbounded program, 0.0 for an infeasible, failed or refused one. columnValues ends with one
    // entry per objective coefficient (0.0 past the columns, and everywhere for a failed or refused
    // program). Never ends the process and never throws for a bad record: it refuses it.
    double Solve();

    // 1 maximise, any other value minimise (the builders use 1 and -1).
    int32_t sense = 0;
    // One coefficient per column.
    std::vector<double> objective;
    // Dense rows: one coefficient per column, then the right-hand side as the last element.
    std::vector<std::vector<double>> rows;
    // Per row: 1 at least the right-hand side, -1 at most, any other value (0) equal to it.
    std::vector<int32_t> rowSenses;
    // The optimum after Solve (0.0 when infeasible).
    double objectiveValue = 0.0;
    // The primal column values after Solve, one per objective coefficient.
    std::vector<double> columnValues;
    // 1 when the library reported an unbounded program.
    int32_t unbounded = 0;
    // 1 when the library reported no feasible solution, and when the run failed or was refused.
    int32_t infeasible = 0;
    // 1 when the record was refused or the simplex run ended without a definite status; infeasible is
    // then 1 too.
    int32_t failed = 0;
    // Per reference-ranking row of the base program, in row order. Filled by the base builder only.
    std::vector<ConstraintTriple> constraintList;
};

// LpFamily: a family of linear programs that share their rows and row senses and differ only in their
// objective (and its direction), solved on one problem object of the library.
//
// Load hands the rows over once. Each Solve then changes only the objective and re-runs the primal
// simplex method (presolver off) from the basis the previous run ended in: the rows are unchanged,
// so that basis is still feasible and a neighbouring objective is reached in a few pivots instead of
// a whole solve from the first basis. A run that cannot use the basis it starts from, and a run that
// finds the program unbounded (whose reported objective depends on where the method started), are
// repeated from the first basis, as LpProblem::Solve runs them. The results are read exactly as
// LpProblem::Solve reads them; only the optimal vertex may differ where a program has several.
class LpFamily {
public:
    // No rows loaded: every Solve refuses its record until Load succeeds.
    LpFamily();
    // Deletes the problem object.
    ~LpFamily();
    LpFamily(const LpFamily&) = delete;
    LpFamily& operator=(const LpFamily&) = delete;

    // Loads the rows and row senses of `program` (its objective and sense are not read; the objective
    // only has to be long enough, as for LpProblem::Solve), replacing any rows loaded before. Returns
    // false, leaving the family without rows, when LpProblem::Solve would refuse the record.
    bool Load(const LpProblem& program);

    // Solves `lp` on the loaded rows: lp.sense and lp.objective give the objective; lp.rows and
    // lp.rowSenses are not read again, the caller keeps them equal to the loaded ones (only their
    // counts are checked). Fills objectiveValue, columnValues, unbounded, infeasible and failed as
    // LpProblem::Solve does and returns objectiveValue. Refuses (infeasible and failed, 0.0) when no
    // rows are loaded, when lp's row count or width differs from the loaded rows, and when the
    // objective is too short or holds a value that is not a finite number.
    double Solve(LpProblem& lp);

private:
    struct Problem;
    std::unique_ptr<Problem> m_problem;
};

// Returns true when the library keeps its environment per thread, so that several threads may each
// solve programs of their own at the same time; false when it keeps one for the whole process (only
// one thread may then call it).
bool LpLibraryAllowsThreads();

// Ends the calling thread's use of the library, freeing the environment the library made for it. For
// the last step of a worker thread that solved programs, once every problem object it made (every
// LpFamily it used) is gone; never for a thread that goes on using the library.
void LpEndThread();

// LpThreadEnd: ends the calling thread's use of the library (LpEndThread) when it goes out of scope,
// however the scope is left (an exception too). Made at the start of a worker thread's use of the
// library, before the first problem object, so that it outlives them all.
class LpThreadEnd {
public:
    LpThreadEnd() = default;
    ~LpThreadEnd() { LpEndThread(); }
    LpThreadEnd(const LpThreadEnd&) = delete;
    LpThreadEnd& operator=(const LpThreadEnd&) = delete;
};

// LpOutputCapture: for its lifetime, the progress lines the library writes on the calling thread are
// appended to a text instead of going to standard output. One capture per thread at a time; when it
// ends the library writes to standard output again.
class LpOutputCapture {
public:
    // Starts capturing the calling thread's output into text (which must outlive the capture).
    explicit LpOutputCapture(std::string& text);
    // Ends the capture.
    ~LpOutputCapture();
    LpOutputCapture(const LpOutputCapture&) = delete;
    LpOutputCapture& operator=(const LpOutputCapture&) = delete;

    // Returns true when some output could not be kept (the text could not grow): the text then lacks
    // lines the library wrote.
    bool LostOutput() const { return m_lost; }

private:
    static int Append(void* capture, const char* output);

    std::string& m_text;
    bool m_lost = false;
};
