// Solver: the record of one solve, created anew by the project for every solve and owned by it.
//
// CZQInterfaceData::PrepareSolver copies the project into it and ProblemModel::ComputeCriterionRanges
// sets the breakpoints; the builders below then write the linear programs of the ordinal regression.
// Every program shares one column layout, all columns non-negative:
//   - per reference alternative r = 0 .. B - 1 two error columns: 2r sigma+(r), 2r + 1 sigma-(r);
//   - per criterion k and segment l (worst to best) the step w(k, l) = u_k(p[l + 1]) - u_k(p[l]) of the
//     marginal value function, so u_k(worst) = 0 and u_k at breakpoint i is the sum of the first i steps;
//   - in the Kendall-preserving program only, one more column epsilon.
// U(a) is the interpolated value of alternative a summed over the criteria, written on the step
// columns; a reference row for the reference alternatives (p, q) reads U'(p) - U'(q) with
// U'(r) = U(r) + sigma+(r) - sigma-(r). A criterion on which every alternative has the same evaluation
// has one breakpoint, no step column and so a zero marginal value.
//
// Solve then decides whether the reference ranking can be represented exactly; when it can, it fills
// the pairwise optima, the three relations, the two preference graphs (rendered through the shell
// services into GIF files in the TEMP directory), the marginal value functions, the utilities and
// Kendall's coefficient; when it cannot, it fills the inconsistency report (ZQInconsistencies).
#pragma once

#include "core/CString.h"
#include "model/solve/LpProblem.h"
#include "model/solve/ProblemModel.h"
#include "model/solve/SolverRecords.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CZQShellServices;
class ZQInconsistencies;

// How a solve computes the pairwise optima. Within one family of pairwise programs (the strong pairs,
// the weak pairs) the rows never change from one pair to the next, only the objective does.
enum class PairwiseMethod : int32_t {
    // The fast path. Each family is cut into pieces by rows of pairs: the piece of alternative l
    // solves the programs (l, m) for every other m on one problem object of its own (LpFamily), each
    // re-run from the optimal basis of the one before it, taking m in the order of a walk from
    // neighbour to neighbour through the alternatives (the next program's objective is then close to
    // the last one's, and few pivots lead from one optimum to the next). The pieces run on
    // threadCount threads; they do not depend on one another, so the results are the same, to the
    // last bit, whatever the number of threads.
    Family = 0,
    // Every pairwise program built and solved anew, one after another (BuildPairLp, BuildWeakPairLp,
    // LpProblem::Solve).
    BuildAnew = 1
};

class Solver {
public:
    // Thresholds 0.01 (delta, threshold1) and 0.02 (threshold2); every other member empty or 0.
    Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Empties kendallValues, kendallUtilities, and the objective, rows, senses and column values of
    // baseLp and pairLp; their constraint lists stay.
    void ResetLps();

    // Returns true when the last Solve found the reference ranking consistent and filled every result
    // (relations, graph texts, value functions, utilities, Kendall's coefficient). A Solver whose
    // preparation was refused, whose solve found an inconsistency or could not solve its base
    // program, or that was never solved has no results, and every reader of results treats it so.
    bool HasResults() const { return resultsReady != 0; }

    // ---- The column layout ----

    // Returns B, the number of reference alternatives (one more than the largest referenceIndex).
    int32_t ReferenceCount() const;
    // Returns 2B, the number of error columns (the step columns follow them).
    int32_t ErrorColumnCount() const;
    // Returns S, the number of step columns: the sum of the criteria's segments.
    int32_t StepColumnCount() const;
    // Returns the column of step w(k, l). Throws CInvalidArgException* naming k or l when criterion k
    // or its segment l does not exist.
    int32_t StepColumn(int32_t k, int32_t l) const;
    // Returns the alternative index behind reference index r (the last alternative in alternatives
    // order whose referenceIndex is r). Throws CInvalidArgException* naming r when no alternative has it.
    int32_t ReferenceAlternative(int32_t r) const;
    // Returns U(a) over the step columns (S entries): per criterion k with s = FindSegment(k, a), 1.0
    // on every step before s, the interpolation share of a's evaluation on step s, 0.0 after it; all
    // 0.0 on a criterion where a has no segment. Throws CInvalidArgException* naming a when it is not
    // an alternative index.
    std::vector<double> AlternativeCoefficients(int32_t a) const;

    // ---- The linear programs (each replaces its target record's whole content; none solves) ----

    // Fills baseLp (minimise the sum of the errors): one indifference row U'(p) - U'(q) = 0 per entry
    // 0.5 of the chain matrix C, then one strict row U'(p) - U'(q) >= delta per entry 1.0, each listed
    // as (p, q, kind) in constraintList, then the normalisation row (the steps add up to 1). Throws
    // CInvalidArgException* when R or C is not B x B.
    void BuildBaseLp();
    // Fills pairLp (maximise U(a) - U(b)) for alternatives a and b (alternative indices) over the
    // reference rows of R whose two reference alternatives both have credibility 1: an indifference
    // row per unordered pair of equal rank, a strict row per ordered pair; then the normalisation row
    // and the error-budget row (errors at most baseErrorSum). No constraint is listed. Throws
    // CInvalidArgException* naming a or b when it is not an alternative index.
    void BuildPairLp(int32_t a, int32_t b);
    // Fills baseLp (maximise U(a) - U(b)) from savedBaseRows and savedBaseSenses, then the
    // error-budget row. Throws CInvalidArgException* naming a or b when it is not an alternative index,
    // or when a saved row is not one element per column plus the right-hand side or lacks its sense.
    void BuildWeakPairLp(int32_t a, int32_t b);
    // Fills kendallLp (maximise epsilon): baseLp's current rows with a 0.0 for epsilon inserted before
    // the right-hand side, one row epsilon <= w(k, l) per step, and one row holding every error at 0.
    // Throws CInvalidArgException* when a row of baseLp is not one element per column plus the
    // right-hand side or lacks its sense.
    void BuildKendallLp();

    // ---- The solve (on a prepared Solver whose criterion ranges are computed) ----

    // Solves the base program (delta = threshold1 first). When its optimum baseErrorSum is positive
    // (any positive value) the reference ranking is inconsistent: inconsistent = 1, inconsistencyLines
    // gets the chosen constraint ("p >> q" or "p I q") and one line per alternative set of constraints
    // (each text followed by three blanks), or stays empty when no single constraint can be removed;
    // returns 0. When the base program could not be solved at all (the library failed, or it has no
    // feasible point, as with no step column) nothing more is done and 0 is returned with inconsistent
    // = 0. Otherwise solves both families of pairwise programs as pairwiseMethod says (an exception
    // thrown while solving them leaves every result as it was), fills strongOptima, strongRelation,
    // weakOptima, weakRelation, partialGraphText, completeRelation and model.excludedNames, renders
    // the two graphs through `shell` to TEMP + "\graph_part.gif" and TEMP + "\graph_weak.gif" (TEMP
    // from the shell's GetTempDirectory; no render without a shell or with an empty directory; the
    // render results are ignored), runs SolveKendallPreserving and returns 1. Throws
    // CInvalidArgException* when the Solver was not prepared consistently (see the builders).
    int32_t Solve();
    // The two halves of Solve, in this order. SolveBaseProgram: ResetLps, delta = threshold1, builds
    // baseLp, saves its rows and senses into savedBaseRows and savedBaseSenses, solves it into
    // baseErrorSum and clears inconsistent, inconsistencyLines and resultsReady.
    void SolveBaseProgram();
    // SolveFromBase: everything Solve does after that, deciding on baseLp's flags and baseErrorSum as
    // they stand; returns Solve's result and sets resultsReady when it returns 1.
    int32_t SolveFromBase();
    // Solves the Kendall-preserving program on baseLp's current rows and sets kendallValues (per
    // criterion the marginal values at its breakpoints, from 0.0), kendallUtilities (-1.0 outside the
    // reference ranking), the kendall record (the model preference matrix of the reference
    // alternatives with threshold delta, and its coefficient against R), every criterion's values and
    // every alternative's utility. Throws CInvalidArgException* as BuildKendallLp.
    void SolveKendallPreserving();
    // Checks the criteria's value functions (their `values`): each must hold one value per breakpoint,
    // start at 0.0, never decrease and stay within [0, 1], and the values at the best breakpoints must
    // add up to 1 within 1e-6. Then recomputes every reference alternative's recheckedUtility from
    // them, sets delta = threshold1 and computes Kendall's coefficient of the resulting model
    // preference matrix against R. With requireNoWorse nonzero a coefficient below kendall.value
    // fails. Returns 1 and sets shownKendall to the coefficient on success; returns 0 (shownKendall
    // unchanged) on any failure, and at once on a Solver without results (HasResults).
    int32_t CheckValueFunctions(int32_t requireNoWorse);
    // Moves the value of breakpoint `breakpoint` of criterion `criterion` from where it stands towards
    // `target` as far as CheckValueFunctions(requireNoWorse) admits it. The criteria's values on entry
    // are taken as the accepted functions. When the breakpoint is the criterion's last (its top point)
    // and there are n > 1 criteria, every other criterion's top value moves by (old - new) / (n - 1)
    // with it, keeping the sum of the tops. The target itself is tried first; when it is refused, 50
    // halvings between the last admitted value and the last refused one follow, each admitted trial
    // becoming the accepted functions. Returns the last admitted value; the criteria's values then hold
    // the accepted functions. shownKendall is that of the last admitted trial (unchanged when none
    // was). Throws CInvalidArgException* naming the bad criterion or breakpoint index.
    double NearestAdmissibleValue(size_t criterion, size_t breakpoint, double target, int32_t requireNoWorse);
    // The number of halvings of NearestAdmissibleValue.
    static constexpr int kValueHalvings = 50;
    // A Solver holding what CheckValueFunctions and NearestAdmissibleValue read of this one and
    // nothing more: whether it has results, the thresholds, delta, Kendall's coefficient and
    // shownKendall, R, and copies of the criteria's and the alternatives' records without their
    // names. Those two answer on it as they answer on this Solver, and change only the copy: searches
    // may run on copies side by side while this Solver is left alone.
    std::unique_ptr<Solver> ValueCheckCopy() const;

    // The optimum of the base program (the sum of the errors); the error budget of the pairwise programs.
    double baseErrorSum = 0.0;
    // n x n: the largest U(a) - U(b) over the base constraints, and over the credibility-filtered ones.
    SolverMatrix weakOptima;
    SolverMatrix strongOptima;
    // n x n relation texts derived from weakOptima and strongOptima, and the third relation.
    RelationMatrix weakRelation;
    RelationMatrix strongRelation;
    RelationMatrix completeRelation;
    // The Graphviz text of the graph rendered to "graph_part.gif".
    CString partialGraphText;
    ProblemModel model;
    // The base program, also reused for the pairwise programs of the weak relation.
    LpProblem baseLp;
    // The Kendall-preserving program.
    LpProblem kendallLp;
    // The pairwise programs of the strong relation.
    LpProblem pairLp;
    // The Kendall coefficient shown to the user.
    double shownKendall = 0.0;
    // The model preference matrix M (first) and the Kendall coefficient (value) of the solve.
    KendallRecord kendall;
    // Per criterion the marginal values at the breakpoints from the Kendall-preserving program.
    std::vector<std::vector<double>> kendallValues;
    // Per alternative its utility from the Kendall-preserving program.
    std::vector<double> kendallUtilities;
    // The right-hand side of every strict row and the tolerance of the model preference matrix;
    // threshold1 at the start of every solve.
    double delta;
    // The project's DeltaThreshold and EpsilonThreshold, copied by PrepareSolver.
    double threshold1;
    double threshold2;
    // The constraint descriptions reported for an inconsistent reference ranking.
    std::vector<CString> inconsistencyLines;
    // 1 when the last solve found the reference ranking inconsistent.
    int32_t inconsistent = 0;
    // The base program's rows and senses as built.
    std::vector<std::vector<double>> savedBaseRows;
    std::vector<int32_t> savedBaseSenses;
    // The shell services the graphs are rendered through (set by CZQInterfaceData::PrepareSolver; not
    // owned). Null: the graph texts are built but not rendered.
    CZQShellServices* shell = nullptr;
    // How the pairwise optima are computed; both ways give the same optima (within the library's
    // tolerances), relations and graph texts.
    PairwiseMethod pairwiseMethod = PairwiseMethod::Family;
    // The number of threads the pieces of the pairwise families run on (PairwiseMethod::Family): 0 the
    // machine's hardware concurrency. Never more than there are pieces, and one where the
    // linear-programming library cannot be used from several threads (RunPiecesInOrder).
    int32_t threadCount = 0;
    // Test seam: when set, called just before each pairwise program is solved, with the family (weak
    // true for the base constraints, false for the credibility-filtered ones), the pair (a, b) and the
    // program as it will be solved, on whichever thread solves it. It may change the program's
    // objective or throw, to stand for a program or a piece of work that fails.
    std::function<void(bool weak, int32_t a, int32_t b, LpProblem& program)> beforePairwiseSolve;
    // 1 once a solve found the reference ranking consistent and filled its results (see HasResults).
    int32_t resultsReady = 0;

private:
    // What the checks of the value functions work out from the breakpoints and the evaluations alone,
    // which do not change while NearestAdmissibleValue tries values: per alternative its segment on
    // each criterion (taken the first time a check meets the alternative), and the alternative behind
    // each reference index (taken the first time a check needs them).
    // When the plan serves the trials of one breakpoint, only its value and, for a top point, the
    // other criteria's top values change from check to check: the test of every other value is
    // taken once.
    struct ValueCheckPlan {
        std::vector<std::vector<int32_t>> segments;
        std::vector<int32_t> references;
        bool referencesTaken = false;
        bool trials = false;  // the checks try values of breakpoint `breakpoint` of `criterion`
        size_t criterion = 0;
        size_t breakpoint = 0;
        bool top = false;
        std::vector<char> othersInOrder;  // per criterion: its values that do not change pass the test
        std::vector<double> utilities;    // room for the utilities, per alternative and per reference index
        std::vector<double> byReference;
    };
    // CheckValueFunctions over the plan of the checks before it (one plan for checks that change
    // nothing but values).
    int32_t CheckValueFunctions(int32_t requireNoWorse, ValueCheckPlan& plan);
    // True when value i (< v.size()) of v lies within [0, 1] and not below the value before it (the
    // first value: 0).
    static bool ValueAfterPrevious(const std::vector<double>& v, size_t i);
    // True when value i of v lies within [0, 1], not below the value before it (the first value: 0)
    // and not above the value after it.
    static bool ValueInOrder(const std::vector<double>& v, size_t i);
    // The interpolated marginal value at x of the function with breakpoints p and values v on segment
    // s, added to *utility; nothing (false) for a segment the function does not have.
    static bool AddMarginalValue(const std::vector<double>& p, const std::vector<double>& v, int32_t s, double x,
                                 double* utility);
    // The sum over the criteria of alternative a's interpolated marginal value, values[k] holding the
    // values at criterion k's breakpoints; a criterion where a has no segment adds nothing.
    double InterpolatedUtility(int32_t a, const std::vector<std::vector<double>>& values) const;
    // The model preference matrix of per-alternative utilities, over the reference alternatives.
    SolverMatrix ReferencePreferenceOf(const std::vector<double>& utilities) const;
    // The inconsistency report of a finished search.
    std::vector<CString> InconsistencyReport(const ZQInconsistencies& search) const;
    // Has the shell render text into TEMP + "\" + fileName.
    void RenderGraph(const CString& text, const char* fileName);
    // Fills strong and weak with the n x n optima of the two families of pairwise programs (BuildPairLp
    // into pairLp and BuildWeakPairLp into baseLp), 0.0 on the diagonal, solved as pairwiseMethod
    // says. Either way each family's record ends holding the program of the last pair (n - 1, n - 2)
    // as solved, as a solve leaves it. Throws what solving a program threw, leaving strong and weak
    // as they were.
    void SolvePairFamilies(SolverMatrix& strong, SolverMatrix& weak);

    // The reference row U'(p) - U'(q) of reference indices p and q, without its right-hand side set.
    // coefficients holds U per reference index.
    std::vector<double> ReferenceRow(int32_t p, int32_t q, const std::vector<std::vector<double>>& coefficients) const;
    // Per reference index, the alternative behind it; throws when one has none.
    std::vector<int32_t> ReferenceAlternatives() const;
    // The objective U(a) - U(b) on the step columns, 0.0 on the error columns.
    std::vector<double> PairObjective(int32_t a, int32_t b, const char* operation) const;
    // The error-budget row: 1.0 on the error columns, right-hand side baseErrorSum.
    std::vector<double> ErrorBudgetRow() const;
    // The normalisation row: 1.0 on the step columns, right-hand side 1.0.
    std::vector<double> NormalisationRow() const;
};
