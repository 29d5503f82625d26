// The application benchmark: the program's own paths timed under the display, beside the model
// alone in the same run.
//
//   ondrix_app_bench [--detail] [--repeat R] [open N[/R] ...] [solve N ...]
//
// Defaults: open 100 1000 1000/1000 10000 10000/1000 75000, solve 100 200. Every project has 12
// criteria and is generated from a fixed seed (GeneratedProblem.h), then saved as a project XML file
// in a scratch folder under the Windows temporary folder, removed at the end.
//
// - open N/R: the file benchmark's project (GenerateLargeProject: every fourth criterion ordinal) of
//   N alternatives of which R (default 20) are ranked, two to a rank. The model alone is
//   its reset and OpenProject with the benchmarks' lean shell (BenchShell); the program is
//   CZQApp::OpenProjectFile, as the recent-file list and the command line open a file, until the
//   panes are filled and every waiting message (the panes' painting) has been handled. The program's
//   project is reset before, so that neither the time nor the memory counts the project opened
//   earlier. A second line gives the peak resident memory of the process during each open (the
//   memory freed before handed back to the system first), the program's and the model's alone.
// - solve N: the solve benchmark's consistent problem (GenerateConsistentProblem) of N alternatives,
//   N / 5 of them ranked in N / 10 ranks, opened in the program first. The model alone is a new Solver
//   prepared from the same project read by the model alone and solved on every core; the program is
//   the Solve command (F5) until the three result windows are open and painted. Then the resident
//   memory of the process, and the comparison matrix closed and opened again with its View command
//   (Alt+5) until painted.
//
// --detail adds, per step of the program, the seconds spent in each service the model called on the
// application (the panes' lists and tree, the result windows). --repeat R runs every step R times
// (a solve on the project opened afresh each time, the model alone before the program) and shows
// the least seconds of each: on a machine shared with other work the times vary from run to run.
//
// A line per step: the seconds of the program, of the model alone and their ratio. The program's
// settings go to its own registry key (the executable's name). The linear-programming library's
// progress lines, which both solves write, are sent to /dev/null.
#include <windows.h>

#include "BenchShell.h"
#include "GeneratedProblem.h"
#include "PeakMemory.h"

#include "app/ZQApp.h"
#include "app/ZQSplashWnd.h"
#include "core/CException.h"
#include "model/solve/Solver.h"
#include "res/resource.h"
#include "win/HostPath.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const uint64_t kSeed = 20240611;
const int kCriteria = 12;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Sends standard output to /dev/null for its lifetime.
class QuietStdout {
public:
    QuietStdout()
    {
        std::fflush(stdout);
        m_saved = ::dup(1);
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) {
            ::dup2(null, 1);
            ::close(null);
        }
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        if (m_saved >= 0) {
            ::dup2(m_saved, 1);
            ::close(m_saved);
        }
    }
    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

private:
    int m_saved = -1;
};

// The application with every service the model calls on it timed, when detail is on.
class TimedApp : public CZQApp {
public:
    bool detail = false;
    std::map<std::string, std::pair<int, double>> spent;
    // when a solve was last done (its results taken: the results-available flag set)
    double solved = 0.0;

    void SetResultsAvailable(int flag) override
    {
        solved = Now();
        CZQApp::SetResultsAvailable(flag);
    }

    void Print(const char* heading)
    {
        if (!detail)
            return;
        std::printf("    %s:\n", heading);
        for (const auto& entry : spent)
            std::printf("      %-28s %8d calls %9.3f s\n", entry.first.c_str(), entry.second.first, entry.second.second);
        spent.clear();
    }

#define TIMED(call, name)                                                                                              \
    if (!detail)                                                                                                       \
        return call;                                                                                                   \
    struct Timer {                                                                                                     \
        std::pair<int, double>& slot;                                                                                  \
        double start;                                                                                                  \
        ~Timer()                                                                                                       \
        {                                                                                                              \
            ++slot.first;                                                                                              \
            slot.second += Now() - start;                                                                              \
        }                                                                                                              \
    } timer{spent[name], Now()};                                                                                       \
    return call;

    void ResetProject() override { TIMED(CZQApp::ResetProject(), "ResetProject") }
    void DeleteAllAlternativeItems() override { TIMED(CZQApp::DeleteAllAlternativeItems(), "DeleteAllAlternativeItems") }
    void InsertAlternativeItem(const CString& name) override
    {
        TIMED(CZQApp::InsertAlternativeItem(name), "InsertAlternativeItem")
    }
    int GetAlternativeItemCount() override { TIMED(CZQApp::GetAlternativeItemCount(), "GetAlternativeItemCount") }
    CString GetAlternativeItemText(int item) override
    {
        TIMED(CZQApp::GetAlternativeItemText(item), "GetAlternativeItemText")
    }
    void SetAlternativeItemSelected(int item, bool selected) override
    {
        TIMED(CZQApp::SetAlternativeItemSelected(item, selected), "SetAlternativeItemSelected")
    }
    void DeleteAllCriterionItems() override { TIMED(CZQApp::DeleteAllCriterionItems(), "DeleteAllCriterionItems") }
    void InsertCriterionItem(const CString& name, const CString& kind) override
    {
        TIMED(CZQApp::InsertCriterionItem(name, kind), "InsertCriterionItem")
    }
    void AddSelectedToRank(int rank) override { TIMED(CZQApp::AddSelectedToRank(rank), "AddSelectedToRank") }
    std::vector<CZQRankNode> GetReferenceTree() override { TIMED(CZQApp::GetReferenceTree(), "GetReferenceTree") }
    void OpenNewDocument(ZQDocument which) override
    {
        static const char* const names[] = {"OpenNewDocument (grid)", "OpenNewDocument (matrix)",
                                            "OpenNewDocument (ranking)", "OpenNewDocument (graphs)"};
        TIMED(CZQApp::OpenNewDocument(which), names[int(which)])
    }
    void TileWindowsHorizontally() override { TIMED(CZQApp::TileWindowsHorizontally(), "TileWindowsHorizontally") }
    void LoadMatrix() override { TIMED(CZQApp::LoadMatrix(), "LoadMatrix") }
    void RefreshGraphPage() override { TIMED(CZQApp::RefreshGraphPage(), "RefreshGraphPage") }
    void RedrawRankingChart() override { TIMED(CZQApp::RedrawRankingChart(), "RedrawRankingChart") }
    int RenderDotToGif(const CString& dot, const CString& path) override
    {
        TIMED(CZQApp::RenderDotToGif(dot, path), "RenderDotToGif")
    }
#undef TIMED
};

// Handles every waiting message; returns the seconds it took.
double Pump()
{
    const double start = Now();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return Now() - start;
}

// A scratch folder under the Windows temporary folder, removed with its files at the end.
class Scratch {
public:
    Scratch()
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "ondrix_app_bench_" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~Scratch()
    {
        for (const std::string& file : m_files)
            ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(m_path.c_str());
    }
    // Generates the large project of n alternatives and `ranked` ranked, saves it; its Windows path.
    std::string Project(int n, int ranked)
    {
        CZQInterfaceData project;
        BenchShell shell(&project);
        GenerateLargeProject(project, n, kCriteria, ranked, kSeed + uint64_t(n));
        return Save(project, "project_" + std::to_string(n) + "_" + std::to_string(ranked));
    }
    // Generates the consistent problem of n alternatives, saves it; its Windows path.
    std::string Problem(int n)
    {
        CZQInterfaceData project;
        BenchShell shell(&project);
        GenerateConsistentProblem(project, n, kSeed + uint64_t(n), kCriteria);
        return Save(project, "problem_" + std::to_string(n));
    }

private:
    std::string Save(CZQInterfaceData& project, const std::string& name)
    {
        const std::string path = m_path + "\\" + name + ".zex";
        CString host;
        if (!AfxGetHostPath(path.c_str(), host))
            AfxThrowInvalidArgFormat("no host path for %s", path.c_str());
        if (!project.SaveProject(host, ZQ_FILE_XML, '.', ';'))
            AfxThrowInvalidArgFormat("cannot save %s", path.c_str());
        m_files.push_back(path);
        return path;
    }

    std::string m_path;
    std::vector<std::string> m_files;
};

CString HostPathOf(const std::string& path)
{
    CString host;
    AfxGetHostPath(path.c_str(), host);
    return host;
}

void PrintLine(const char* step, int n, int ranked, double program, double model)
{
    std::printf("%-14s %7d %7d | %9.3f %9.3f %8.2fx\n", step, n, ranked, program, model,
                model > 0.0 ? program / model : 0.0);
    std::fflush(stdout);
}

// The model alone: the reset and the read of the file with the lean shell. Returns the seconds.
double ModelOpen(CZQInterfaceData& project, BenchShell& shell, const std::string& path)
{
    const CString host = HostPathOf(path);
    const double start = Now();
    shell.ResetProject();
    if (!project.OpenProject(host, ZQ_FILE_XML, '.', ';'))
        AfxThrowInvalidArgFormat("the model cannot read %s", path.c_str());
    return Now() - start;
}

bool Open(TimedApp& app, Scratch& scratch, int n, int ranked, int repeat)
{
    const std::string path = scratch.Project(n, ranked);
    double model = 0.0, program = 0.0, read = 0.0, modelPeak = 0.0, programPeak = 0.0, programBase = 0.0;
    bool ok = true;
    for (int r = 0; r < repeat; ++r) {
        double modelOnce = 0.0;
        {
            CZQInterfaceData project;
            BenchShell shell(&project);
            ResetPeakResident();
            modelOnce = ModelOpen(project, shell, path);
            modelPeak = std::max(modelPeak, PeakResidentMegabytes());
        }

        // a modified project would ask to be saved first
        app.m_nModified = 0;
        app.spent.clear();
        app.ResetProject();
        ResetPeakResident();
        programBase = std::max(programBase, ResidentMegabytes());
        const double start = Now();
        const int opened = app.OpenProjectFile(path.c_str());
        const double readOnce = Now() - start;
        Pump();
        const double programOnce = Now() - start;
        programPeak = std::max(programPeak, PeakResidentMegabytes());
        ok = ok && opened == 1 && int(app.m_Project.AlternativesTable.size()) == n;
        if (r == 0 || modelOnce < model)
            model = modelOnce;
        if (r == 0 || programOnce < program) {
            program = programOnce;
            read = readOnce;
        }
    }
    PrintLine("open", n, ranked, program, model);
    std::printf("%-14s %7d %7d | %9.1f %9.1f MB peak resident (the program from %.1f MB)\n", "open memory", n, ranked,
                programPeak, modelPeak, programBase);
    if (app.detail)
        std::printf("    (%.3f s in the command, %.3f s painting after it)\n", read, program - read);
    app.Print("services (the last time)");
    return ok;
}

// The model alone: a new Solver prepared from the project at path read by the model alone, its ranges
// computed and solved. Returns the seconds of the ranges and the solve, or a negative number (said on
// standard output) when the problem could not be solved.
double ModelSolve(int n, const std::string& path)
{
    CZQInterfaceData project;
    BenchShell shell(&project);
    ModelOpen(project, shell, path);
    project.ProjectSolver = std::make_unique<Solver>();
    if (project.PrepareSolver() != 1) {
        std::printf("solve %d: the model refuses the generated project\n", n);
        std::fflush(stdout);
        return -1.0;
    }
    Solver& solver = *project.ProjectSolver;
    int result = 0;
    double seconds = 0.0;
    {
        QuietStdout quiet;
        const double start = Now();
        solver.model.ComputeCriterionRanges();
        result = solver.Solve();
        seconds = Now() - start;
    }
    if (result != 1) {
        std::printf("solve %d: the generated reference ranking is not consistent\n", n);
        std::fflush(stdout);
        return -1.0;
    }
    return seconds;
}

bool SolveAndReopen(TimedApp& app, Scratch& scratch, int n, int repeat)
{
    const int ranked = n / 5;
    const std::string path = scratch.Problem(n);
    CWnd* pMain = app.m_pMainWnd;
    double model = 0.0, program = 0.0, command = 0.0, solving = 0.0;
    for (int r = 0; r < repeat; ++r) {
        // the project opened afresh: no result window is open
        app.m_nModified = 0;
        if (app.OpenProjectFile(path.c_str()) != 1 || int(app.m_Project.AlternativesTable.size()) != n) {
            std::printf("solve %d: the program cannot open the generated project\n", n);
            std::fflush(stdout);
            return false;
        }
        Pump();
        const double modelOnce = ModelSolve(n, path);
        if (modelOnce < 0.0)
            return false;

        app.spent.clear();
        double start = 0.0, commandOnce = 0.0, programOnce = 0.0;
        {
            QuietStdout quiet;
            start = Now();
            pMain->SendMessage(WM_COMMAND, ID_ZQ_SOLVE);
            commandOnce = Now() - start;
            Pump();
            programOnce = Now() - start;
        }
        if (r == 0 || modelOnce < model)
            model = modelOnce;
        if (r == 0 || programOnce < program) {
            program = programOnce;
            command = commandOnce;
            solving = app.solved - start;
        }
    }
    PrintLine("solve (F5)", n, ranked, program, model);
    if (app.detail)
        std::printf("    (%.3f s solving in the program, then %.3f s in the command, %.3f s painting after it)\n",
                    solving, command - solving, program - command);
    app.Print("services (the last time)");
    std::printf("%-14s %7d %7s | %9.1f MB resident\n", "after F5", n, "", ResidentMegabytes());

    double reopen = 0.0;
    for (int r = 0; r < repeat; ++r) {
        pMain->SendMessage(WM_COMMAND, ID_ZQ_VIEW_MATRIX);
        Pump();
        app.spent.clear();
        const double start = Now();
        pMain->SendMessage(WM_COMMAND, ID_ZQ_VIEW_MATRIX);
        Pump();
        if (r == 0 || Now() - start < reopen)
            reopen = Now() - start;
    }
    std::printf("%-14s %7d %7s | %9.3f\n", "matrix reopen", n, "", reopen);
    app.Print("services (the last time)");
    std::fflush(stdout);
    return app.m_nMatrixOpen == 1 && app.m_Project.ProjectSolver && app.m_Project.ProjectSolver->HasResults();
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::pair<int, int>> opens;
    std::vector<int> solves;
    bool detail = false;
    int repeat = 1;
    const char* step = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* slash = std::strchr(argv[i], '/');
        const int n = std::atoi(argv[i]);
        const int ranked = slash != nullptr ? std::atoi(slash + 1) : 20;
        if (std::strcmp(argv[i], "--detail") == 0) {
            detail = true;
        } else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc && std::atoi(argv[i + 1]) >= 1) {
            repeat = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "open") == 0 || std::strcmp(argv[i], "solve") == 0) {
            step = argv[i];
        } else if (step != nullptr && step[0] == 'o' && n >= 20 && ranked >= 0 && ranked <= n) {
            opens.emplace_back(n, ranked);
        } else if (step != nullptr && step[0] == 's' && n >= 20 && slash == nullptr) {
            solves.push_back(n);
        } else {
            std::fprintf(stderr, "ondrix_app_bench: '%s' is not --detail, --repeat R, open, solve, a size of at least "
                                 "20 or, after open, a size and a number of ranked alternatives (N/R)\n", argv[i]);
            return 2;
        }
    }
    if (opens.empty() && solves.empty()) {
        opens = {{100, 20}, {1000, 20}, {1000, 1000}, {10000, 20}, {10000, 1000}, {75000, 20}};
        solves = {100, 200};
    }

    CZQSplashWnd::EnableSplashScreen(FALSE);
    TimedApp app;
    app.detail = detail;
    char commandLine[1] = "";
    app.m_lpCmdLine = commandLine;
    app.m_nCmdShow = SW_SHOWNOACTIVATE;
    if (!app.InitInstance()) {
        std::fprintf(stderr, "ondrix_app_bench: the program did not start\n");
        return 1;
    }
    Pump();

    int status = 0;
    std::printf("Application benchmark: %d criteria, seed %llu + n; seconds of the program and of the model alone\n",
                kCriteria, static_cast<unsigned long long>(kSeed));
    std::printf("%-14s %7s %7s | %9s %9s %9s\n", "step", "n", "ranked", "program", "model", "ratio");
    try {
        Scratch scratch;
        for (const auto& open : opens) {
            if (!Open(app, scratch, open.first, open.second, repeat))
                status = 1;
        }
        for (int n : solves) {
            if (!SolveAndReopen(app, scratch, n, repeat))
                status = 1;
        }
        app.m_nModified = 0;
        app.ResetProject();
    } catch (CException* e) {
        char message[512] = "";
        e->GetErrorMessage(message, sizeof message);
        e->Delete();
        std::fprintf(stderr, "ondrix_app_bench: %s\n", message);
        status = 1;
    }
    app.m_pMainWnd->DestroyWindow();
    app.m_pMainWnd = nullptr;
    Pump();
    return status;
}
