// The windows while the Solve command works: painted, their timers going, under the wait cursor; the
// result windows showing the last results all the while; and what the user does meanwhile (keys,
// a command, Alt+F4, the close box) dropped, not carried out once the solve has ended.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultWindowTestSupport.h"
#include "TestSupport.h"

#include "app/ZQChartDoc.h"
#include "app/ZQGridView.h"
#include "frames/SECMenuBarFeature.h"
#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

// The pixels of a window's client area as they stand in its window's surface, row after row.
struct Shot {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<COLORREF> pixels;

    explicit Shot(HWND hWnd)
    {
        CRect client;
        ::GetClientRect(hWnd, &client);
        nWidth = client.Width();
        nHeight = client.Height();
        DibCanvas canvas((std::max)(nWidth, 1), (std::max)(nHeight, 1));
        const HDC hdc = ::GetDC(hWnd);
        ::BitBlt(canvas.dc.m_hDC, 0, 0, nWidth, nHeight, hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdc);
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x)
                pixels.push_back(canvas.At(x, y));
    }
    // The number of pixels of colour.
    int Count(COLORREF color) const { return int(std::count(pixels.begin(), pixels.end(), color)); }
    bool operator==(const Shot& other) const
    {
        return nWidth == other.nWidth && nHeight == other.nHeight && pixels == other.pixels;
    }
};

// What the windows' thread did while the solve's long work ran, seen from a timer of its own: the
// watched windows (the documents' place and the views of the result windows open) painted, the wait
// cursor shown, and, when asked for, the result windows' pixels once painted.
std::atomic<int> g_nTicks{0};
std::atomic<bool> g_bPainted{false};
std::atomic<bool> g_bWaitCursor{false};
std::atomic<bool> g_bShotsTaken{false};
bool g_bShotsWanted = false;
std::vector<HWND> g_watched;
std::vector<HWND> g_results;
std::vector<Shot> g_shots;

VOID CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_nTicks;
    bool bPainted = true;
    for (HWND hWnd : g_watched)
        bPainted = bPainted && !::GetUpdateRect(hWnd, nullptr, FALSE);
    if (bPainted)
        g_bPainted = true;
    if (AfxGetApp()->m_nWaitCursorCount > 0)
        g_bWaitCursor = true;
    if (bPainted && g_bShotsWanted && !g_bShotsTaken) {
        g_shots.clear();
        for (HWND hWnd : g_results)
            g_shots.emplace_back(hWnd);
        g_bShotsTaken = true;
    }
}

// The application whose solve, once its long work is done, runs inputMeanwhile, if any (on the work's
// thread, as the user's input comes while the solve works) and then waits until the windows' thread
// has been seen painting the documents' place and the result windows (all made to need it first),
// its timer has ticked and, when asked for, the result windows' pixels are taken, or 5 s.
class WatchedApp : public CZQApp {
public:
    void RunLongWork(const std::function<void()>& work) override
    {
        nestedWork = nestedWork || inWork;
        inWork = true;
        ++nLongWorks;
        g_nTicks = 0;
        g_bPainted = g_bWaitCursor = g_bShotsTaken = false;
        g_watched = {static_cast<CMDIFrameWnd*>(m_pMainWnd)->m_hWndMDIClient};
        g_results = ResultWindows();
        g_watched.insert(g_watched.end(), g_results.begin(), g_results.end());
        ::RedrawWindow(g_watched.front(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, WatchTick);
        const std::function<void()> input = inputMeanwhile;
        try {
            CZQApp::RunLongWork([&work, &input] {
                work();
                if (input)
                    input();
                for (int n = 0; n < 500 && !(g_bPainted && g_nTicks >= 2 && (!g_bShotsWanted || g_bShotsTaken)); ++n)
                    ::Sleep(10);
            });
        } catch (...) {
            ::KillTimer(nullptr, nTimer);
            inWork = false;
            throw;
        }
        ::KillTimer(nullptr, nTimer);
        ticks.push_back(g_nTicks);
        painted.push_back(g_bPainted);
        waitCursor.push_back(g_bWaitCursor);
        inWork = false;
    }

    // The windows that show the results: the ranking chart's and the matrix's views and the page
    // viewer of the graph view, those open.
    std::vector<HWND> ResultWindows() const
    {
        std::vector<HWND> windows;
        for (ZQDocument which : {ZQDocument::RankingChart, ZQDocument::ComparisonMatrix, ZQDocument::PreferenceGraphs}) {
            if (CView* pView = FirstViewOf(which))
                windows.push_back(which == ZQDocument::PreferenceGraphs ? ::GetWindow(pView->m_hWnd, GW_CHILD) : pView->m_hWnd);
        }
        return windows;
    }

    std::function<void()> inputMeanwhile;
    bool inWork = false;
    bool nestedWork = false;
    int nLongWorks = 0;
    std::vector<int> ticks;
    std::vector<bool> painted, waitCursor;
};

class SolvePaints : public AppFixtureOf<WatchedApp> {
protected:
    void SetUp() override
    {
        AnswerGridInput(fake);
        AppFixtureOf<WatchedApp>::SetUp();
        char temp[MAX_PATH] = {};
        const DWORD n = ::GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
        savedTemp = n > 0 && n < MAX_PATH ? temp : "";
        ::SetEnvironmentVariableA("TEMP", folder.Path().c_str());
        app.m_lpCmdLine = commandLine;
        app.m_nCmdShow = SW_SHOWNOACTIVATE;
        ASSERT_TRUE(app.InitInstance());
        g_bShotsWanted = false;
        folder.Copy(kRankedTriple, "triple.zex");
        ASSERT_EQ(app.OpenProjectFile(folder.Path("triple.zex").c_str()), 1);
        Pump();
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr) {
            app.m_nModified = 0;
            app.m_pMainWnd->SendMessage(WM_CLOSE);
        }
        AppFixtureOf<WatchedApp>::TearDown();
        ::SetEnvironmentVariableA("TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
    }
    // Every waiting message handled as the application's message loop handles it (the frames'
    // accelerators first).
    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && app.PumpMessage()) {
        }
    }
    // F5 as the frame's accelerator gives it.
    void SolveCommand() { app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ZQ_SOLVE, 1)); }
    // The result windows as they stand, each repainted whole first.
    std::vector<Shot> ResultShots()
    {
        std::vector<Shot> shots;
        for (HWND hWnd : app.ResultWindows()) {
            ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            shots.emplace_back(hWnd);
        }
        return shots;
    }

    CFakeServices fake;
    AppFolder folder;
    std::string savedTemp;
    char commandLine[1] = "";
};

TEST_F(SolvePaints, WhileItSolvesTheWindowsArePaintedAndTickAndWhatTheUserDoesIsDropped)
{
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_VIEW_EVALUATIONS);
    auto* pGrid = dynamic_cast<CZQGridView*>(app.FirstViewOf(ZQDocument::EvaluationsGrid));
    ASSERT_NE(pGrid, nullptr);
    Pump();
    const std::string evaluations = TableTexts(app.m_Project.EvaluationsTable);
    const CString firstValue = pGrid->GetValueRowCol(1, 1);
    const HWND hMain = app.m_pMainWnd->m_hWnd, hGrid = pGrid->m_hWnd;
    // while the solve works: F5, Ctrl+N's command, "77" typed into the grid, Alt+F4 and the close box
    app.inputMeanwhile = [hMain, hGrid] {
        ::PostMessageA(hMain, WM_KEYDOWN, VK_F5, 1);
        ::PostMessageA(hMain, WM_COMMAND, ID_ZQ_NEW, 0);
        for (int n = 0; n < 2; ++n) {
            ::PostMessageA(hGrid, WM_KEYDOWN, '7', 1);
            ::PostMessageA(hGrid, WM_CHAR, '7', 1);
        }
        ::PostMessageA(hMain, WM_SYSKEYDOWN, VK_F4, LPARAM(KF_ALTDOWN) << 16 | 1);
        ::PostMessageA(hMain, WM_SYSCOMMAND, SC_CLOSE, 0);
    };

    SolveCommand();
    EXPECT_EQ(app.nLongWorks, 1);
    ASSERT_TRUE(app.m_Project.ProjectSolver && app.m_Project.ProjectSolver->HasResults());
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
    Pump();
    // none of it is carried out once the solve has ended: no other solve, the project neither new nor
    // changed, the grid as it was, the main window open
    EXPECT_EQ(app.nLongWorks, 1);
    EXPECT_FALSE(app.nestedWork);
    ASSERT_TRUE(app.m_pMainWnd != nullptr && ::IsWindow(hMain));
    EXPECT_EQ(TableTexts(app.m_Project.EvaluationsTable), evaluations);
    EXPECT_EQ(app.m_nModified, 0);
    ASSERT_EQ(app.FirstViewOf(ZQDocument::EvaluationsGrid), pGrid);
    EXPECT_FALSE(pGrid->IsActiveCurrentCell());
    EXPECT_EQ(Str(pGrid->GetValueRowCol(1, 1)), Str(firstValue));
    EXPECT_TRUE(app.m_Project.ProjectSolver->HasResults());

    ASSERT_EQ(app.ticks.size(), 1u);
    EXPECT_GE(app.ticks[0], 2);
    EXPECT_TRUE(app.painted[0]);
    EXPECT_TRUE(app.waitCursor[0]);

    // Alt and a button on a value chart pressed while the next solve works and released after it:
    // the releases are dropped too (Alt's would arm the menu bar, the button's end a drag)
    app.m_pMainWnd->SendMessage(WM_COMMAND, ID_ZQ_VIEW_CHARTS);
    POSITION pos = app.m_pChartsTemplate->GetFirstDocPosition();
    ASSERT_NE(pos, nullptr);
    CDocument* pChart = app.m_pChartsTemplate->GetNextDoc(pos);
    pos = pChart->GetFirstViewPosition();
    const HWND hChart = pChart->GetNextView(pos)->m_hWnd;
    Pump();
    app.m_nFunctionsEdited = 0;
    app.inputMeanwhile = [hMain, hChart] {
        ::PostMessageA(hMain, WM_SYSKEYDOWN, VK_MENU, LPARAM(KF_ALTDOWN) << 16 | 1);
        ::PostMessageA(hChart, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    };
    SolveCommand();
    app.inputMeanwhile = nullptr;
    EXPECT_EQ(app.nLongWorks, 2);
    ::PostMessageA(hMain, WM_SYSKEYUP, VK_MENU, LPARAM(KF_UP | KF_REPEAT) << 16 | 1);
    ::PostMessageA(hChart, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_FALSE(SECMenuBarMessages::AreTrackingHooksInstalled());
    EXPECT_EQ(app.m_nFunctionsEdited, 0);
    // pressed again after the solve, they are carried out
    ::PostMessageA(hChart, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageA(hChart, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump();
    EXPECT_EQ(app.m_nFunctionsEdited, 1);
}

TEST_F(SolvePaints, WhileItSolvesAgainTheResultWindowsShowTheLastResults)
{
    SolveCommand();
    Pump();
    ASSERT_EQ(app.ResultWindows().size(), 3u);
    const std::vector<Shot> before = ResultShots();
    // the ranking: x and y of the reference ranking in red, z in blue; the matrix's and the page's text
    EXPECT_GT(before[0].Count(RGB(255, 0, 0)), 0);
    EXPECT_GT(before[0].Count(RGB(0, 0, 255)), 0);
    EXPECT_GT(before[1].Count(RGB(0, 0, 0)), 0);
    EXPECT_GT(before[2].Count(RGB(0, 0, 0)), 0);

    // painted while the next solve works: as they were
    g_bShotsWanted = true;
    SolveCommand();
    g_bShotsWanted = false;
    ASSERT_EQ(app.nLongWorks, 2);
    EXPECT_TRUE(app.painted[1]);
    ASSERT_TRUE(g_bShotsTaken);
    ASSERT_EQ(g_shots.size(), 3u);
    const char* const names[] = {"ranking chart", "comparison matrix", "graph page"};
    for (size_t k = 0; k < 3; ++k)
        EXPECT_TRUE(g_shots[k] == before[k]) << names[k];
    Pump();
    const std::vector<Shot> after = ResultShots();
    for (size_t k = 0; k < 3; ++k)
        EXPECT_TRUE(after[k] == before[k]) << names[k] << ": the same results again";

    // a solve whose preparation is refused (a criterion of no segment) has no results to show: the
    // windows keep the last ones
    app.m_Project.CriteriaTable[1][3] = "0";
    fake.ExpectMessageBox(IDOK, "Incorrect input data");
    SolveCommand();
    Pump();
    ASSERT_FALSE(app.m_Project.ProjectSolver->HasResults());
    const std::vector<Shot> refused = ResultShots();
    ASSERT_EQ(refused.size(), 3u);
    for (size_t k = 0; k < 3; ++k)
        EXPECT_TRUE(refused[k] == before[k]) << names[k] << " after a refused solve";
}

// ---- the span of dropped input --------------------------------------------------------------------

// The hidden window that tells the tests that input is dropped, when one stands.
bool WorkMarked()
{
    return ::FindWindowExA(HWND_MESSAGE, nullptr, "OndrixWindowsThreadCall", nullptr) != nullptr;
}

// The messages waiting for hWnd in the range first..last.
int Waiting(HWND hWnd, UINT first, UINT last)
{
    int n = 0;
    MSG msg;
    while (::PeekMessageA(&msg, hWnd, first, last, PM_REMOVE))
        ++n;
    return n;
}

// A window that notes WM_CANCELMODE.
int g_nCancelModes = 0;
LRESULT CALLBACK NoteCancelMode(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CANCELMODE)
        ++g_nCancelModes;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(DroppedInput, TheMarkStandsFromTheSpansStartToItsEndWhereTheInputWaitingIsDropped)
{
    const HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_FALSE(WorkMarked());
    {
        const CZQDroppedInput span;
        EXPECT_TRUE(WorkMarked());
        // long work inside, and the window work after it (a refill): the mark stays until the end
        ZQRunWhilePainting([] { ::Sleep(20); }, ZQWhileWorking::PaintAndTimersDroppingInput);
        EXPECT_TRUE(WorkMarked());
        {
            const CZQDroppedInput nested;
        }
        EXPECT_TRUE(WorkMarked());
        ::PostMessageA(hWnd, WM_KEYDOWN, 'N', 1);
        ::PostMessageA(hWnd, WM_COMMAND, 1, 0);
        ::PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    EXPECT_FALSE(WorkMarked());
    EXPECT_EQ(Waiting(hWnd, 0, 0), 0);

    // a message box shown meanwhile ends it early: what is typed from then on is the box's
    {
        const CZQDroppedInput span;
        ::PostMessageA(hWnd, WM_KEYDOWN, 'N', 1);
        ZQEndDroppedInput();
        EXPECT_FALSE(WorkMarked());
        EXPECT_EQ(Waiting(hWnd, 0, 0), 0);
        ::PostMessageA(hWnd, WM_KEYDOWN, VK_RETURN, 1);
    }
    EXPECT_EQ(Waiting(hWnd, WM_KEYDOWN, WM_KEYDOWN), 1);
    // the release of the dropped press is dropped when it comes, and only it
    ::PostMessageA(hWnd, WM_KEYUP, 'N', LPARAM(KF_UP | KF_REPEAT) << 16 | 1);
    ::PostMessageA(hWnd, WM_KEYUP, VK_RETURN, LPARAM(KF_UP | KF_REPEAT) << 16 | 1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, hWnd, WM_NULL, WM_KEYUP, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_NULL));
    ASSERT_TRUE(::PeekMessageA(&msg, hWnd, WM_NULL, WM_KEYUP, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_KEYUP));
    ::DestroyWindow(hWnd);
}

TEST(DroppedInput, AWindowHoldingTheMouseForAPressMadeBeforeLosesItWhenTheReleaseIsDropped)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = NoteCancelMode;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndrixTestCaptureHolder";
    ::RegisterClassA(&wc);
    const HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                        wc.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    // a drag begun before the work (its press handled), its release coming while the work runs
    ::SetCapture(hWnd);
    ASSERT_EQ(::GetCapture(), hWnd);
    g_nCancelModes = 0;
    ZQRunWhilePainting([hWnd] { ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); },
                       ZQWhileWorking::PaintAndTimersDroppingInput);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(g_nCancelModes, 1);
    // a press and its release both made during the work take no capture from anyone
    ::SetCapture(hWnd);
    ZQRunWhilePainting(
        [hWnd] {
            ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        },
        ZQWhileWorking::PaintAndTimersDroppingInput);
    EXPECT_EQ(::GetCapture(), hWnd);
    ::ReleaseCapture();
    ::DestroyWindow(hWnd);
}

} // namespace
