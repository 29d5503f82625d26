// The project side of a solve: replacing and running the Solver, reporting what went wrong, copying
// the value functions out, and opening and refreshing the result windows.
#include "model/ZQInterfaceData.h"

#include "core/CException.h"
#include "model/ZQShellServices.h"
#include "model/solve/AlternativeUtility.h"
#include "model/solve/LpProblem.h"
#include "model/solve/ParallelPieces.h"
#include "model/solve/Solver.h"

#include <memory>

namespace {

const char* const kReferenceSetInconsistent =
    "Your reference set is inconsistent\nFollowing constraint(s) cause inconstency:\n";
const char* const kReferenceRankingInconsistent =
    "Your reference ranking is inconsistent\nOne of the following constraints should be removed to make "
    "the problem consistent:\n";

// Shows the wait cursor for its lifetime, so that the arrow comes back whatever ends the solve.
class WaitCursor {
public:
    explicit WaitCursor(CZQShellServices& shell) : m_shell(shell) { m_shell.BeginWaitCursor(); }
    ~WaitCursor() { m_shell.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    CZQShellServices& m_shell;
};

// Opens a window of template `which` when none is open, and tiles.
void OpenResultWindow(CZQShellServices& shell, ZQDocument which)
{
    if (shell.HasOpenDocument(which))
        return;
    shell.OpenNewDocument(which);
    shell.TileWindowsHorizontally();
}

} // namespace

int CZQInterfaceData::RunSolve(CZQShellServices& shell, const char* inconsistencyHeading)
{
    auto refuse = [&shell] {
        shell.ShowMessage(shell.LoadText(ZQText::IncorrectInputData), "Ondrix", ZQ_MB_OK | ZQ_MB_ICONWARNING);
        return 0;
    };

    auto solving = std::make_unique<Solver>();
    if (!PrepareSolver(*solving)) {
        ProjectSolver = std::move(solving);
        return refuse();
    }

    // The long part runs on a Solver that no window reads meanwhile: the project keeps the Solver of
    // the last solve, whose results the windows go on showing while the shell keeps them painted.
    int result = 0;
    shell.RunLongWork([&solving, &result] {
        // The shell may have run the work on a thread of its own, whose environment of the
        // linear-programming library would outlive it: no problem object outlives the solve, so the
        // thread's use of the library ends with the work, however it ends (on the calling thread the
        // library makes a new environment when it is next used).
        const LpThreadEnd end;
        try {
            solving->model.ComputeCriterionRanges();
            result = solving->Solve();
        } catch (CInvalidArgException* e) {
            // The records the preparation made cannot be solved: as refused as a preparation that
            // said so.
            e->Delete();
            result = -1;
        }
    });
    ProjectSolver = std::move(solving);
    Solver& solver = *ProjectSolver;
    // The preparation has consumed the credibility choice.
    CredibilityList.clear();

    if (result == 1)
        return 1;
    if (result == 0 && solver.inconsistent) {
        CString text = inconsistencyHeading;
        for (const CString& line : solver.inconsistencyLines)
            text += line + "\n";
        shell.ShowMessage(text, "Inconsistencies", ZQ_MB_OK);
        return 0;
    }
    // The base program itself could not be solved: no result to show, the input is at fault.
    return refuse();
}

void CZQInterfaceData::ShowKendall(CZQShellServices& shell)
{
    CString text;
    text.Format("%.3f", ProjectSolver ? ProjectSolver->shownKendall : 0.0);
    shell.SetStatusText(text);
}

int CZQInterfaceData::SolveProblem()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::SolveProblem");
    WaitCursor wait(shell);
    const int result = RunSolve(shell, kReferenceSetInconsistent);
    if (result != 0 && TakeValueFunctions() == 1) {
        FillValueBounds(shell.GetPreserveKendall());
        shell.SetResultsAvailable(1);
        ProjectSolver->shownKendall = ProjectSolver->kendall.value;
        ShowKendall(shell);
        OpenComparisonMatrixWindow();
        RefreshComparisonMatrixWindow();
        OpenRankingChartWindow();
        RefreshRankingChart();
        OpenGraphsWindow();
        RefreshGraphsWindow();
    }
    return result;
}

void CZQInterfaceData::AutoSolve()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::AutoSolve");
    if (SolvedValueFunctions.size() < 2 || !CanSolve())
        return;
    WaitCursor wait(shell);
    if (RunSolve(shell, kReferenceRankingInconsistent) != 0 && TakeValueFunctions() == 1) {
        FillValueBounds(shell.GetPreserveKendall());
        ProjectSolver->shownKendall = ProjectSolver->kendall.value;
        ShowKendall(shell);
        RefreshComparisonMatrixWindow();
        RefreshRankingChart();
        RefreshGraphsWindow();
    }
}

int CZQInterfaceData::TakeValueFunctions()
{
    if (!ProjectSolver || !ProjectSolver->HasResults())
        return 0;
    // Built aside and stored whole: a criterion whose values do not match its breakpoints leaves the
    // collections as they were.
    std::vector<std::vector<ValuePoint>> functions;
    for (const auto& criterion : ProjectSolver->model.criteria) {
        if (!criterion || criterion->values.size() != criterion->breakpoints.size())
            return 0;
        std::vector<ValuePoint> points;
        for (size_t l = 0; l < criterion->breakpoints.size(); ++l)
            points.push_back(ValuePoint{criterion->breakpoints[l], criterion->values[l]});
        functions.push_back(std::move(points));
    }
    ValueFunctions = functions;
    SolvedValueFunctions = std::move(functions);
    return 1;
}

int CZQInterfaceData::FillValueBounds(int preserveKendall)
{
    ValueBoundsTable.clear();
    if (!ProjectSolver || !ProjectSolver->HasResults())
        return 0;
    const Solver& solver = *ProjectSolver;

    std::vector<std::vector<ValueBoundPoint>> table;
    // the breakpoints searched: every one but the first of each function, which is fixed at 0
    std::vector<std::pair<size_t, size_t>> searched;
    for (size_t c = 0; c < solver.model.criteria.size(); ++c) {
        const CriterionRecord& criterion = *solver.model.criteria[c];
        std::vector<ValueBoundPoint> points;
        for (size_t b = 0; b < criterion.breakpoints.size() && b < criterion.values.size(); ++b) {
            ValueBoundPoint point;
            point.x = criterion.breakpoints[b];
            points.push_back(point);
            if (b > 0)
                searched.emplace_back(c, b);
        }
        table.push_back(std::move(points));
    }
    // Every search starts from the solved functions (a drag end's search is what each one is), so
    // they do not depend on one another: they run side by side, each on a copy of the Solver's
    // functions, and the Solver itself is left as it was.
    RunPiecesInOrder(searched.size(), 0, [&](size_t piece) {
        const size_t c = searched[piece].first, b = searched[piece].second;
        ValueBoundPoint& point = table[c][b];
        point.upper = solver.ValueCheckCopy()->NearestAdmissibleValue(c, b, 1.0, preserveKendall);
        point.lower = solver.ValueCheckCopy()->NearestAdmissibleValue(c, b, 0.0, preserveKendall);
    });
    ValueBoundsTable = std::move(table);
    return int(ValueBoundsTable.size());
}

int CZQInterfaceData::RefreshRankingChart()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::RefreshRankingChart");
    if (!ProjectSolver)
        return 0;
    const Solver& solver = *ProjectSolver;
    if (!solver.HasResults()) {
        // No coefficient to show and no utility to rank; an open chart shows that.
        RankingRows.clear();
        if (shell.HasOpenDocument(ZQDocument::RankingChart))
            shell.RedrawRankingChart();
        return 0;
    }
    ShowKendall(shell);
    if (!shell.HasOpenDocument(ZQDocument::RankingChart))
        return 0;
    if (!BuildUtilityRows(solver, shell, RankingRows))
        return 0;
    BuildFinalRanking();
    shell.RedrawRankingChart();
    return 0;
}

void CZQInterfaceData::OpenComparisonMatrixWindow()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::OpenComparisonMatrixWindow");
    if (ProjectSolver)
        OpenResultWindow(shell, ZQDocument::ComparisonMatrix);
}

void CZQInterfaceData::RefreshComparisonMatrixWindow()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::RefreshComparisonMatrixWindow");
    if (ProjectSolver && shell.HasOpenDocument(ZQDocument::ComparisonMatrix))
        shell.LoadMatrix();
}

void CZQInterfaceData::OpenRankingChartWindow()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::OpenRankingChartWindow");
    if (ProjectSolver)
        OpenResultWindow(shell, ZQDocument::RankingChart);
}

void CZQInterfaceData::OpenGraphsWindow()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::OpenGraphsWindow");
    if (ProjectSolver)
        OpenResultWindow(shell, ZQDocument::PreferenceGraphs);
}

void CZQInterfaceData::RefreshGraphsWindow()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::RefreshGraphsWindow");
    if (ProjectSolver && shell.HasOpenDocument(ZQDocument::PreferenceGraphs))
        shell.RefreshGraphPage();
}
