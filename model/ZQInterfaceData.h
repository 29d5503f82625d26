// CZQInterfaceData: the project, the one store of the decision problem that the user edits.
//
// The application object holds exactly one for the whole run; every view, pane and dialog reads and
// edits it through the application. All values are kept as text (CString) in four tables; numbers are
// converted where they are used, always in the C numeric locale. The project reaches the windows only
// through the shell services (CZQShellServices) set with SetShell.
//
// Names are compared exactly, byte for byte and case-sensitively. Every editing operation sets the
// application's modified flag; loads and saves clear it.
//
// The members live beside the part of the model they serve, in the files named Project*.cpp: the
// tables and the editing here in model/ZQInterfaceData.cpp; the file readers and writers in
// model/files/ (ProjectCsv.cpp, ProjectXml.cpp, ProjectZek.cpp); the preparation of a solve, the
// solve driver with the result windows, and the final ranking with the results text in model/solve/
// (ProjectPrepareSolver.cpp, ProjectSolveDriver.cpp, ProjectFinalRanking.cpp).
//
// A Solver without results (a refused preparation, an inconsistent reference ranking, a base program
// that could not be solved) stays the project's Solver until the next solve, but nothing here reads
// results from it: no value functions, no ranking rows, no results text.
#pragma once

#include "core/CString.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CZQInterfaceData;
class CZQShellServices;
class Solver;

// One row of a project table, and a table.
typedef std::vector<CString> ZQRow;
typedef std::vector<ZQRow> ZQTable;

// Cell i of a project table row, or an empty string when the row is shorter: the tables are public
// and edited by the windows too, so no operation trusts a row's length.
const CString& ProjectCell(const ZQRow& row, size_t i);
// Row i of a project table, or an empty row when the table is shorter.
const ZQRow& ProjectRow(const ZQTable& table, size_t i);
// Returns true when two rows of `table` begin with the same `keyColumns` cells: the same name, or for
// scale values (keyColumns 2) the same criterion and value. A cell missing from a short row reads as
// empty. keyForm, when given, turns every key cell into the form in which a file keeps it (folded,
// upper-cased) before the keys are compared. The CSV file can hold such tables; the XML reader and
// writer and the sibling-format writer refuse them, and so does the preparation of a solve, which
// would take the first row of a name for both.
bool HasDuplicateKey(const ZQTable& table, size_t keyColumns = 1, CString (*keyForm)(const CString&) = nullptr);

// The rows of a project table by name (the first cell, empty for an empty row), found without
// scanning the table: for the operations that pair every row of one table with the rows of the same
// name in another. Building it takes one pass over the table; it keeps its own copy of the names,
// so it stays valid when the table's cells change, but not when rows are added or removed.
class ZQNameIndex {
public:
    enum : size_t { npos = size_t(-1) };

    // Indexes the rows firstRow .. table.size() - 1 of table (firstRow 1 leaves out the header row of
    // the evaluations table).
    explicit ZQNameIndex(const ZQTable& table, size_t firstRow = 0);
    // (the keys are views of m_names, which a copy or a move would not carry along)
    ZQNameIndex(const ZQNameIndex&) = delete;
    ZQNameIndex& operator=(const ZQNameIndex&) = delete;
    // Returns the first indexed row named `name`, in table order; npos when there is none.
    size_t First(const CString& name) const;
    // Returns the indexed row after `row` (a row First or Next returned) with the same name; npos
    // when there is none.
    size_t Next(size_t row) const;
    // Returns the last indexed row named `name`; npos when there is none.
    size_t Last(const CString& name) const;

private:
    struct Rows {
        size_t first;
        size_t last;
    };
    std::string m_names;  // every indexed name, one after the other
    std::unordered_map<std::string_view, Rows> m_rows;
    std::vector<size_t> m_next;  // per table row: the next row of the same name
};

// The numbers that the evaluation cells of one criterion stand for (see
// CZQInterfaceData::EvaluationNumber), with the criterion's kind and scale looked up once: for the
// writers, which convert every cell of a column.
class ZQCriterionNumbers {
public:
    // Reads the kind and, for an ordinal criterion, the scale of `criterion` in project as they
    // stand now.
    ZQCriterionNumbers(const CZQInterfaceData& project, const CString& criterion);
    // Returns the number `cell` stands for: under an ordinal criterion the position of the first
    // scale row of that value (0 when there is none), otherwise the cell's leading decimal number (0
    // when it does not begin with one).
    double Number(const CString& cell) const;

private:
    bool m_ordinal = false;
    std::unordered_map<std::string, double> m_positions;
};
// Returns the first row (from 1, after the header) of the evaluations table `evaluations` whose name
// cell is `name`; 0 when there is none.
size_t EvaluationRowOf(const ZQTable& evaluations, const CString& name);
// Returns the first column (from 1, after the names) of the evaluations table `evaluations` whose
// header cell is `name`; 0 when there is none. Column 0 is never found, so an empty name never
// selects the alternatives' names.
size_t EvaluationColumnOf(const ZQTable& evaluations, const CString& name);

// A point of a piecewise-linear marginal value function: breakpoint x and value y.
struct ValuePoint {
    double x = 0.0;
    double y = 0.0;
};

// A breakpoint record of the marginal value chart: breakpoint x and the highest and lowest value the
// function may take there.
struct ValueBoundPoint {
    double x = 0.0;
    double upper = 0.0;
    double lower = 0.0;
};

// Criterion kind codes.
enum : int {
    ZQ_KIND_OTHER = 0,
    ZQ_KIND_GAIN = 1,
    ZQ_KIND_COST = -1,
    ZQ_KIND_ORDINAL = 2
};

// Project file types of OpenProject and SaveProject.
enum : int {
    ZQ_FILE_CSV = 0,
    ZQ_FILE_XML = 1,
    ZQ_FILE_ZEK = 2
};

class CZQInterfaceData {
public:
    // A new project: every table empty except EvaluationsTable, which holds one row of one empty
    // cell; thresholds 0.02 and 0.019; no credibility choice, no Solver, no value functions.
    CZQInterfaceData();
    // Deletes the Solver (if any) and every collection.
    virtual ~CZQInterfaceData();

    CZQInterfaceData(const CZQInterfaceData&) = delete;
    CZQInterfaceData& operator=(const CZQInterfaceData&) = delete;

    // Sets the shell services every operation that touches the application goes through (null
    // detaches them; such operations then throw CInvalidArgException*). The project does not own them.
    void SetShell(CZQShellServices* shell);
    // Returns the shell services set with SetShell, or null.
    CZQShellServices* GetShell() const { return m_shell; }

    // ---- Editing ----

    // Adds the alternative `name`: stores the evaluations grid, appends an evaluations row (the name,
    // then an empty cell under each ordinal criterion column and "0" under every other) and the
    // alternatives row [name, "", ""], reloads the grid and sets the modified flag. Duplicates are the
    // caller's concern.
    void AddAlternative(CString name);
    // Removes the alternative `name`: stores the grid, erases the first alternatives row and the first
    // evaluations row (after the header) of that name, reloads the grid and sets the modified flag. An
    // absent name changes only the flag.
    void RemoveAlternative(CString name);
    // Adds a criterion: appends `name` to the header and one cell to every alternative's evaluations
    // row (empty when kind is ZQ_KIND_ORDINAL, else "0"), and the criteria row [name, description,
    // kind word, segments as "%d"], the kind word being "gain" (1), "cost" (-1), "rank" (2) or empty
    // for any other code. Sets the modified flag; neither stores nor reloads the grid.
    void AddCriterion(CString name, CString description, int kind, int segments);
    // Removes the criterion `name`: stores the grid, erases its first criteria row and the evaluations
    // column under the first header cell of that name (columns from 1 on), header included, reloads
    // the grid and sets the modified flag. Its scale values stay (see RemoveScaleValues).
    void RemoveCriterion(CString name);
    // Appends the scale value [criterion, value, position as "%d"] and sets the modified flag.
    void AddScaleValue(CString criterion, CString value, int position);
    // Erases every scale value of `criterion` and sets the modified flag (also when there was none).
    void RemoveScaleValues(CString criterion);
    // Returns the kind code of the first criterion called `name`: 2 "rank", 1 "gain", -1 "cost", 0 for
    // any other kind word or an unknown name.
    int GetCriterionKind(CString name) const;

    // ---- The evaluations grid and the panes ----

    // When the evaluations grid is open, has its view reload itself from the project; else nothing.
    void RefreshEvaluationsGrid();
    // When the evaluations grid is open, has its view copy every cell into EvaluationsTable; else nothing.
    void StoreEvaluationsGrid();
    // Rebuilds the alternatives list, the criteria list and the reference tree from the project. The
    // tree is rebuilt through AddSelectedToRank, one call per ranked alternative in the list's order;
    // the rank cells are left as they were, the credibility list ends empty and the modified flag set.
    void RefillPanes();
    // Opens a new evaluations grid window and tiles the document windows horizontally.
    void OpenEvaluationsWindow();
    // The project's part of resetting: empties the four tables to their constructed state, deletes the
    // Solver and empties both value-function collections. The application's ResetProject calls it.
    void ClearProject();

    // ---- Solvability ----

    // Returns true when the project can be solved: at least 3 alternatives and 2 criteria, no empty
    // evaluation, no constant criterion (an ordinal column with a single value, a numeric one whose
    // numbers are all equal) and two reference alternatives of different ranks. Changes nothing.
    bool CanSolve() const;

    // ---- Preparing a solve ----

    // Copies the project into its Solver, which the caller has just created, and hands it the shell
    // services (the solve renders the preference graphs through them): one alternative record per
    // alternative (evaluations, reference index, credibility), one criterion record per criterion
    // (direction, number of segments), the reference preference matrix R from the rank numbers, the
    // chain matrix C from the reference tree of the shell's reference pane, and both thresholds; then
    // empties the credibility choice, which applies to one solve. Returns 1 on success, 0 when there
    // is no Solver, fewer than 3 alternatives or 2 criteria, two alternatives or two criteria of one
    // name, an alternative or criterion missing from the evaluations table, an evaluation that is not
    // a finite number, an ordinal evaluation that is not a value of its scale, a criterion with fewer
    // than 1 segment, or no strictly preferred pair of reference alternatives. The credibility choice
    // is consumed only when every check but the last passed. Records made before a failure stay in
    // the Solver. Throws CInvalidArgException* when no shell services are set.
    int PrepareSolver();
    // The same into solver, a Solver the caller has just created and the project does not hold.
    int PrepareSolver(Solver& solver);
    // Returns the evaluation of `alternative` on `criterion` as a number: the leading decimal number
    // of the cell in the alternative's evaluations row under the criterion's header column, for an
    // ordinal criterion of the position of the cell's scale value (0 when the cell is not a value of
    // its scale). An unknown alternative selects the header row, an unknown criterion the name column,
    // as the cell then read says (0 for a text that does not begin with a number).
    double GetEvaluationValue(CString alternative, CString criterion) const;
    // Returns the number the evaluation cell `cell` of `criterion` stands for: under an ordinal
    // criterion the position of that value in the criterion's scale (0 when it is not a value of the
    // scale), under any other the cell's leading decimal number (0 when it does not begin with one).
    // ZQCriterionNumbers does the same for many cells of one criterion.
    double EvaluationNumber(CString criterion, const CString& cell) const;

    // ---- The solve driver and the result windows ----

    // Solves the project (the Solve Problem command): shows the wait cursor, replaces the Solver by a
    // new one, prepares it (PrepareSolver), computes the criterion ranges and solves it, then empties
    // the credibility list. A refused preparation, or a base program that could not be solved, shows
    // "Error! Incorrect input data!" (caption "Ondrix", warning icon); an inconsistent reference
    // ranking shows "Your reference set is inconsistent\nFollowing constraint(s) cause inconstency:\n"
    // and each line of the Solver's report followed by a line feed (caption "Inconsistencies"); in
    // both cases the new Solver stays and the value functions and windows are left as they were. On
    // success: takes the value functions and fills the bounds table (FillValueBounds, with the shell's
    // preserve-Kendall flag), sets the results-available flag, shows Kendall's
    // coefficient ("%.3f") as status text and opens and refreshes, in this order, the comparison
    // matrix, the ranking chart and the preference graphs. Never touches the modified flag. Returns 1
    // on success, 0 otherwise. Throws CInvalidArgException* when no shell services are set.
    int SolveProblem();
    // Solves again after an edit of the reference ranking: does nothing unless an earlier solve
    // produced value functions (SolvedValueFunctions holds at least two criteria) and CanSolve holds.
    // Then as SolveProblem, with the inconsistency text "Your reference ranking is inconsistent\nOne
    // of the following constraints should be removed to make the problem consistent:\n" and, on
    // success, the value functions and the bounds table taken as there and only the refreshes of the
    // open comparison matrix, ranking chart and graphs (no window
    // is opened, the results-available flag is not touched). Throws CInvalidArgException* when no
    // shell services are set.
    void AutoSolve();
    // Copies the Solver's marginal value functions into ValueFunctions and SolvedValueFunctions: per
    // criterion one point (breakpoint, value) per breakpoint. Returns 1; returns 0 and changes nothing
    // when there is no Solver or it has no results.
    int TakeValueFunctions();
    // Fills ValueBoundsTable from the Solver's value functions: per criterion, per breakpoint in
    // breakpoint order, the breakpoint, the highest and the lowest value the breakpoint can take
    // while every other breakpoint stays as it is (a top point moving the other criteria's tops the
    // other way, as a drag does): Solver::NearestAdmissibleValue towards 1 and towards 0 with
    // requireNoWorse = preserveKendall. A criterion's first breakpoint gets 0 and 0. The Solver's
    // values, shownKendall and rechecked utilities are as they were afterwards. Without a Solver with
    // results the table is emptied. Returns the number of criteria filled.
    int FillValueBounds(int preserveKendall);
    // Rebuilds the ranking chart: without a Solver nothing. Otherwise shows Kendall's coefficient as
    // status text and, when a ranking chart is open, fills RankingRows with [name, utility] per
    // alternative, sorts them (BuildFinalRanking) and redraws the chart. A Solver without results
    // shows no coefficient and leaves RankingRows empty (an open chart is redrawn empty); value
    // functions whose breakpoint or value count is not the criterion's segments plus one leave
    // RankingRows empty without a sort or a redraw. Returns 0. Throws CInvalidArgException* when no
    // shell services are set.
    int RefreshRankingChart();
    // With a Solver and no comparison matrix open: opens one and tiles the windows horizontally.
    void OpenComparisonMatrixWindow();
    // With a Solver and a comparison matrix open: has its view reload the matrix from the Solver.
    void RefreshComparisonMatrixWindow();
    // With a Solver and no ranking chart open: opens one and tiles the windows horizontally.
    void OpenRankingChartWindow();
    // With a Solver and no preference-graphs window open: opens one and tiles the windows horizontally.
    void OpenGraphsWindow();
    // With a Solver and a preference-graphs window open: has its view rewrite and show the graph page.
    void RefreshGraphsWindow();

    // ---- The final ranking and the results text ----

    // Sorts RankingRows by ascending utility (equal utilities keep their order) and rewrites each
    // utility with "%f".
    void BuildFinalRanking();
    // Sorts ResultRows as BuildFinalRanking does and rewrites each utility with the precision setting
    // "results utility precision": 1 to 5 decimals as set, 6 for any other value.
    void FormatUtilities();
    // Writes the results text to path (a host path), safely (a temporary file renamed over it): per
    // alternative from the highest utility to the lowest, its name as it stands, a tab, the utility
    // rounded to the precision setting and written with 7 significant digits ('.' replaced by
    // decimalSymbol), a line feed. Rebuilds ResultRows on the way. Returns 1 when the file was
    // written; 0, writing nothing, without a Solver, for a Solver without results, for value
    // functions whose counts do not match their criterion's segments, for an empty path and when the
    // file cannot be written (an existing file is then left as it was). Throws CInvalidArgException*
    // when decimalSymbol is 0, a tab or a line end, or when no shell services are set.
    int WriteResultsText(CString path, char decimalSymbol);

    // ---- Project files ----

    // Reads the project file at path (a host path) by type: ZQ_FILE_CSV with the decimal symbol and
    // list separator, ZQ_FILE_XML, ZQ_FILE_ZEK. Returns nonzero on success, 0 on failure and for any
    // other type (the project is then untouched).
    int OpenProject(CString path, int fileType, char decimalSymbol, char listSeparator);
    // Writes the project to path by type, as OpenProject reads it. Returns nonzero on success, 0 on
    // failure and for any other type (nothing is written then).
    int SaveProject(CString path, int fileType, char decimalSymbol, char listSeparator);
    // The save of the Save and Save As commands: SaveProject, and when it fails (the file cannot be
    // written, or the format cannot hold the project) the message "Can't write file!" (caption
    // "Ondrix", warning icon) through the shell. Returns SaveProject's result. Throws
    // CInvalidArgException* when no shell services are set.
    int SaveProjectOrWarn(CString path, int fileType, char decimalSymbol, char listSeparator);

    // The format readers and writers. Each returns nonzero on success and 0 on failure. Each comes in
    // two forms: over the file at path (a host path), and over the file's bytes in memory, which the
    // path form reads or writes in one go. The readers expect a project the caller has reset; on
    // success they refill the panes, empty the credibility list and clear the modified flag; a file
    // that cannot be read fails with the project untouched. A writer's bytes form fills *bytes with
    // the whole file (CInvalidArgException* when bytes is null) and touches neither the disk nor the
    // modified flag; the path form saves those bytes safely (temporary file, then rename), so a
    // failed or refused save leaves an existing file as it was, and clears the modified flag on
    // success.
    //
    // Csv: the delimited text form (model/files/ProjectCsv.h); decimalSymbol replaces '.' in the
    // numbers, listSeparator separates the cells (CInvalidArgException* for a line end or 0). A read
    // fails before any table changes; a save is refused when the project has no criterion, a name is
    // empty, a name or number holds the separator or a line end, or the decimal symbol is one that
    // IsCsvDecimalSymbol refuses.
    int ReadCsv(CString path, char decimalSymbol, char listSeparator);
    int ReadCsvBytes(std::string_view bytes, char decimalSymbol, char listSeparator);
    int WriteCsv(CString path, char decimalSymbol, char listSeparator);
    int WriteCsvBytes(std::string* bytes, char decimalSymbol, char listSeparator);
    // Xml: the project XML file (model/files/ProjectXml.h). A file that does not parse leaves the
    // project as it was; one whose content is refused (a duplicate name, a criterion of a kind other
    // than gain, cost or ranked scale) resets it. A save is refused when the file could not be read
    // back to the project: an empty alternative or criterion name, two alternatives, two criteria or
    // two values of one ordinal scale whose names are equal once the reader has folded their bytes of
    // 0x80 or more, a criterion of a reserved name (IsReservedCriterionName), or a text holding a
    // control byte that XML cannot carry.
    int ReadXml(CString path);
    int ReadXmlBytes(std::string_view bytes);
    int WriteXml(CString path);
    int WriteXmlBytes(std::string* bytes);
    // True when no criterion may bear name: the XML reader would take its values for another
    // attribute's (the information attribute of the shell, compared as the reader sees both names,
    // bytes of 0x80 or more folded). Throws CInvalidArgException* when no shell services are set.
    bool IsReservedCriterionName(CString name) const;
    // Zek: the sibling program's binary file (model/files/ProjectZek.h). A read that fails after the
    // header leaves an empty project. A save is refused for the projects CZQOldZekFile::Write refuses
    // (among them two alternatives of one name and two criteria whose names differ only in case).
    int ReadZekFile(CString path);
    int ReadZekBytes(std::string_view bytes);
    int WriteZekFile(CString path);
    int WriteZekBytes(std::string* bytes);

    // ---- The tables, read and written directly by the views, panes and dialogs ----

    // Rows [name, information text, reference rank ("%d", 1 or more) or "" outside the ranking].
    ZQTable AlternativesTable;
    // Rows [name, description, kind word "gain", "cost" or "rank", number of segments "%d"].
    ZQTable CriteriaTable;
    // Rows [criterion name, scale value, position "%d" from 1]; one criterion's rows in scale order.
    ZQTable ScaleValuesTable;
    // Row 0: "" then the criterion names in column order; then per alternative its name and one
    // evaluation per criterion column (a number as text, or an ordinal scale value).
    ZQTable EvaluationsTable;
    // The zero-discrimination thresholds of the Options dialog ("delta", "epsilon").
    double DeltaThreshold;
    double EpsilonThreshold;
    // Reference alternatives chosen as of high credibility, for the next solve only; the flag is 1 once
    // the credibility dialog defined the list.
    std::vector<CString> CredibilityList;
    int CredibilityDefined;
    // The Solver of the last solve, null when none.
    std::unique_ptr<Solver> ProjectSolver;
    // Per criterion of the last solve, the marginal value function: ValueFunctions is the one the
    // chart editing changes, SolvedValueFunctions the record of the solve (a solve has produced value
    // functions when it holds at least two criteria).
    std::vector<std::vector<ValuePoint>> ValueFunctions;
    std::vector<std::vector<ValuePoint>> SolvedValueFunctions;
    // Rows [alternative name, utility text] of the results text and of the ranking chart.
    ZQTable ResultRows;
    ZQTable RankingRows;
    // Per criterion, the bounds the marginal value chart draws at each breakpoint.
    std::vector<std::vector<ValueBoundPoint>> ValueBoundsTable;

private:
    // The shell services; throws CInvalidArgException* naming `operation` when none are set.
    CZQShellServices& Shell(const char* operation) const;
    // Sets the application's modified flag to 1 (for `operation`).
    void MarkModified(const char* operation);
    // The common part of SolveProblem and AutoSolve: a new Solver, prepared, then ranged and solved
    // as the shell's long work (RunLongWork) while the project holds the Solver of the last solve,
    // which the windows go on showing; the new one replaces it when the work has ended (an exception
    // out of the work leaves the last one). A refused preparation makes the new, unsolved Solver the
    // project's at once. The failures are reported with inconsistencyHeading for an inconsistent
    // ranking. Returns Solve's result.
    int RunSolve(CZQShellServices& shell, const char* inconsistencyHeading);
    // Shows the Solver's Kendall coefficient as status text.
    void ShowKendall(CZQShellServices& shell);

    CZQShellServices* m_shell = nullptr;
};
