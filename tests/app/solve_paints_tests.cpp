// The windows while the Solve command works: painted, their timers going, under the wait cursor, and
// no command carried out before the solve ends (one asked for meanwhile waits for it).
// the standard headers before windows.h, which defines min and max as macros
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultWindowTestSupport.h"

#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

// What the windows' thread did while the solve's long work ran, seen from a timer of its own.
std::atomic<int> g_nTicks{0};
std::atomic<bool> g_bPainted{false};
std::atomic<bool> g_bWaitCursor{false};
HWND g_hWatched = nullptr;

VOID CALLBACK WatchTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_nTicks;
    if (!::GetUpdateRect(g_hWatched, nullptr, FALSE))
        g_bPainted = true;
    if (AfxGetApp()->m_nWaitCursorCount > 0)
        g_bWaitCursor = true;
}

// The application whose solve, once its long work is done, waits until the windows' thread has been
// seen painting the documents' place (made to need it first) and its timer has ticked, or 5 s. The
// first solve asks for another one, as F5 pressed meanwhile would.
class WatchedApp : public CZQApp {
public:
    void RunLongWork(const std::function<void()>& work) override
    {
        nestedWork = nestedWork || inWork;
        inWork = true;
        ++nLongWorks;
        g_nTicks = 0;
        g_bPainted = g_bWaitCursor = false;
        g_hWatched = static_cast<CMDIFrameWnd*>(m_pMainWnd)->m_hWndMDIClient;
        ::RedrawWindow(g_hWatched, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, WatchTick);
        if (nLongWorks == 1)
            m_pMainWnd->PostMessage(WM_COMMAND, ID_ZQ_SOLVE);
        try {
            CZQApp::RunLongWork([&work] {
                work();
                for (int n = 0; n < 500 && !(g_bPainted && g_nTicks >= 2); ++n)
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
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    CFakeServices fake;
    AppFolder folder;
    std::string savedTemp;
    char commandLine[1] = "";
};

TEST_F(SolvePaints, WhileItSolvesTheWindowsArePaintedAndTickButTheNextSolveWaits)
{
    folder.Copy(kRankedTriple, "triple.zex");
    ASSERT_EQ(app.OpenProjectFile(folder.Path("triple.zex").c_str()), 1);
    Pump();
    app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_ZQ_SOLVE, 1));
    // the solve asked for meanwhile has waited for the command's end
    EXPECT_EQ(app.nLongWorks, 1);
    ASSERT_TRUE(app.m_Project.ProjectSolver && app.m_Project.ProjectSolver->HasResults());
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
    Pump();
    EXPECT_EQ(app.nLongWorks, 2);
    EXPECT_FALSE(app.nestedWork);
    ASSERT_EQ(app.ticks.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_GE(app.ticks[k], 2);
        EXPECT_TRUE(app.painted[k]);
        EXPECT_TRUE(app.waitCursor[k]);
    }
    EXPECT_TRUE(app.m_Project.ProjectSolver->HasResults());
}

} // namespace
