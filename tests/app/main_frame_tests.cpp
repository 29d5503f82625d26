// The main window: its bars and panes as it makes them, the View commands that show and hide them
// with their check marks on the menu and the tool bar, the panes' sizes after being hidden and shown,
// the tool bar's command states, and a frame whose bar cannot be made.
// the standard headers before windows.h, which defines min and max as macros
#include <string>
#include <vector>

#include "PaneTestSupport.h"

#include "app/ZQMainFrm.h"
#include "model/solve/Solver.h"
#include "res/resource.h"

namespace {

class MainFrame : public StartedAppFixture {
protected:
    CZQMainFrm& Frame() { return *app.GetMainFrame(); }
    void Command(UINT nID) { Frame().SendMessage(WM_COMMAND, nID); }
    // The frame's idle work: its delayed layout and the bars' command states.
    void Idle()
    {
        PumpWaitingMessages();
        app.OnIdle(0);
        app.OnIdle(1);
    }
    // The titles of the left dock bar's visible panes from top to bottom, each under the one before
    // and 200 wide, joined by " | ".
    std::string PaneColumn()
    {
        std::string column;
        int nTop = -1;
        for (SECControlBar* pPane : {static_cast<SECControlBar*>(&Frame().m_wndAlternatives),
                                     static_cast<SECControlBar*>(&Frame().m_wndReference),
                                     static_cast<SECControlBar*>(&Frame().m_wndCriteria)}) {
            if (!pPane->IsWindowVisible())
                continue;
            const CRect rect = ChildRect(Frame(), *pPane);
            if (pPane->GetParent()->GetDlgCtrlID() != AFX_IDW_DOCKBAR_LEFT || rect.top <= nTop || rect.Width() != 200)
                return "<out of the column: " + WindowText(pPane->m_hWnd) + ">";
            nTop = rect.bottom;
            column += (column.empty() ? "" : " | ") + WindowText(pPane->m_hWnd);
        }
        return column;
    }
    // The tool bar's button of command nID as the idle update left it: "grey", "enabled", with
    // ", checked" while checked.
    std::string ToolBarState(UINT nID)
    {
        SECCustomToolBar& bar = Frame().m_wndToolBar;
        for (int i = 0; i < bar.GetBtnCount(); ++i) {
            if (bar.GetBtn(i)->m_nID != nID)
                continue;
            const UINT nStyle = bar.GetButtonStyle(i);
            return std::string(nStyle & TBBS_DISABLED ? "grey" : "enabled") + (nStyle & TBBS_CHECKED ? ", checked" : "");
        }
        return "<no button>";
    }
};

TEST_F(MainFrame, MakesItsBarsAndDocksThePanesLeftInAColumn)
{
    CZQMainFrm& frame = Frame();
    EXPECT_TRUE(frame.IsWorkbookMode());
    EXPECT_FALSE(frame.GetStyle() & FWS_ADDTOTITLE);
    EXPECT_EQ(WindowText(frame.m_hWnd), "Ondrix - [untitled]");
    EXPECT_EQ(::GetMenu(frame.m_hWnd), nullptr) << "the menu bar shows the menus";

    // the tool bar: 18 buttons in six groups, with tool tips, fly-by prompts and dynamic size
    SECCustomToolBar& toolBar = frame.m_wndToolBar;
    EXPECT_EQ(frame.GetControlBar(0xE800), &toolBar);
    EXPECT_EQ(toolBar.GetStyle() & 0xFFFF0000, DWORD(0x50000000));
    EXPECT_EQ(toolBar.GetBarStyle() & (CBRS_ALIGN_ANY | 0x34), DWORD(CBRS_ALIGN_TOP | 0x34));
    EXPECT_EQ(toolBar.GetExBarStyle() & 0x0300, DWORD(0x0300));
    const UINT buttons[] = {ID_ZQ_NEW,  ID_FILE_OPEN,          ID_ZQ_SAVE,          0, ID_EDIT_CUT,
                            ID_EDIT_COPY, ID_EDIT_PASTE,       0,                   ID_FILE_PRINT, 0,
                            ID_ZQ_SOLVE, ID_ZQ_PRESERVE_KENDALL, ID_ZQ_VIEW_EVALUATIONS, ID_ZQ_VIEW_MATRIX,
                            ID_ZQ_VIEW_RANKING_LIST, ID_ZQ_VIEW_GRAPHS, 0, ID_ZQ_VIEW_ALTERNATIVES,
                            ID_ZQ_VIEW_REFERENCE, ID_ZQ_VIEW_CRITERIA, 0, ID_HELP, ID_APP_ABOUT};
    ASSERT_EQ(toolBar.GetBtnCount(), int(sizeof buttons / sizeof buttons[0]));
    for (int i = 0; i < toolBar.GetBtnCount(); ++i)
        EXPECT_EQ(toolBar.GetBtn(i)->m_nID, buttons[i]) << "button " << i;

    // the status bar: one indicator, "_"
    SECStatusBar& statusBar = frame.m_wndStatusBar;
    EXPECT_EQ(frame.GetControlBar(0xE801), &statusBar);
    EXPECT_EQ(statusBar.GetStyle() & 0xFFFF0000, DWORD(0x50000000));
    EXPECT_TRUE(statusBar.GetBarStyle() & CBRS_ALIGN_BOTTOM);
    EXPECT_EQ(statusBar.CommandToIndex(IDS_ZQ_STATUS_INDICATOR), 0);
    EXPECT_EQ(statusBar.CommandToIndex(0), -1);
    char text[16] = {};
    statusBar.SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "_");

    // the menu bar above the tool bar, showing menu 128
    ASSERT_NE(frame.m_pMenuBar, nullptr);
    EXPECT_EQ(frame.GetControlBar(0xE8FF), frame.m_pMenuBar);
    EXPECT_EQ(frame.GetMenuBar(), frame.m_pMenuBar);
    EXPECT_EQ(frame.m_pMenuBar->GetStyle() & 0xFFFF0000, DWORD(0x50000000));
    EXPECT_EQ(frame.m_pMenuBar->GetCurrentMenu(), UINT(IDR_MAINFRAME));
    EXPECT_EQ(frame.m_pMenuBar->GetTitles(),
              (std::vector<CString>{"&File", "&Edit", "&View", "&Calculate", "&Window"}));
    EXPECT_LE(ChildRect(frame, *frame.m_pMenuBar).bottom, ChildRect(frame, toolBar).top);

    // the panes, made criteria first, in the left dock bar's one row: alternatives 0.4 of it, then
    // the reference ranking and the criteria sharing what the first two left
    struct Pane {
        SECControlBar* pPane;
        UINT nID;
        const char* title;
        float fShare;
    };
    const Pane panes[] = {{&frame.m_wndAlternatives, 102, "Alternatives Window", 0.4f},
                          {&frame.m_wndReference, 101, "Reference Set Window", 0.3f},
                          {&frame.m_wndCriteria, 100, "Criteria Window", 0.3f}};
    int nTop = ChildRect(frame, toolBar).bottom;
    for (const Pane& p : panes) {
        SCOPED_TRACE(p.title);
        EXPECT_EQ(frame.GetControlBar(p.nID), p.pPane);
        EXPECT_EQ(WindowText(p.pPane->m_hWnd), p.title);
        // the dock bar adds every border to what the pane was made with
        EXPECT_EQ(((p.pPane->GetStyle() & 0xFFFF0000) | p.pPane->GetBarStyle()) & ~DWORD(CBRS_BORDER_ANY),
                  DWORD(0x50001414) & ~DWORD(CBRS_BORDER_ANY));
        EXPECT_EQ(p.pPane->GetExBarStyle(), DWORD(0x0F10));
        ASSERT_NE(p.pPane->GetParent(), nullptr);
        EXPECT_EQ(p.pPane->GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
        EXPECT_NEAR(p.pPane->m_fPctWidth, p.fShare, 1e-4);
        EXPECT_EQ(p.pPane->m_szDockVert.cx, 200);
        const CRect rect = ChildRect(frame, *p.pPane);
        EXPECT_EQ(rect.Width(), 200);
        EXPECT_GT(rect.top, nTop) << "below the bar above it";
        nTop = rect.bottom;
    }
}

TEST_F(MainFrame, TheViewCommandsHideAndShowThePanesAndBarsWithTheirChecks)
{
    struct Case {
        UINT nID;
        CControlBar* pBar;
        bool bPane; // a pane: it goes at the next layout, and its command has a tool-bar button
    };
    const Case cases[] = {{ID_ZQ_VIEW_ALTERNATIVES, &Frame().m_wndAlternatives, true},
                          {ID_ZQ_VIEW_REFERENCE, &Frame().m_wndReference, true},
                          {ID_ZQ_VIEW_CRITERIA, &Frame().m_wndCriteria, true},
                          {ID_VIEW_TOOLBAR, &Frame().m_wndToolBar, false},
                          {ID_VIEW_STATUS_BAR, &Frame().m_wndStatusBar, false}};
    Idle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        const CRect rect = ChildRect(Frame(), *c.pBar);
        EXPECT_EQ(MainMenuState(&Frame(), c.nID), (ItemState{true, true}));
        if (c.bPane)
            EXPECT_EQ(ToolBarState(c.nID), "enabled, checked");

        Command(c.nID);
        EXPECT_EQ(MainMenuState(&Frame(), c.nID), (ItemState{true, false}));
        if (c.bPane)
            EXPECT_TRUE(c.pBar->IsWindowVisible()) << "a pane goes at the next layout";
        Idle();
        EXPECT_FALSE(c.pBar->IsWindowVisible());
        if (c.bPane)
            EXPECT_EQ(ToolBarState(c.nID), "enabled");

        // back in its place: a bar where it was, a pane in its place in the column (the column's
        // shares are worked out again with it)
        Command(c.nID);
        Idle();
        EXPECT_TRUE(c.pBar->IsWindowVisible());
        if (c.bPane)
            EXPECT_EQ(PaneColumn(), "Alternatives Window | Reference Set Window | Criteria Window");
        else
            EXPECT_EQ(ChildRect(Frame(), *c.pBar), rect);
        EXPECT_EQ(MainMenuState(&Frame(), c.nID), (ItemState{true, true}));
    }

    // the gripper's hide box hides at once, and the check follows
    Frame().m_wndCriteria.SendMessage(WM_COMMAND, ID_SEC_HIDE);
    EXPECT_FALSE(Frame().m_wndCriteria.IsWindowVisible());
    EXPECT_EQ(MainMenuState(&Frame(), ID_ZQ_VIEW_CRITERIA), (ItemState{true, false}));
}

TEST_F(MainFrame, ThePanesHiddenAndShownAgainHaveTheirSizesBackWhateverTheOrder)
{
    CZQMainFrm& frame = Frame();
    SECControlBar* const panes[3] = {&frame.m_wndAlternatives, &frame.m_wndReference, &frame.m_wndCriteria};
    const UINT commands[3] = {ID_ZQ_VIEW_ALTERNATIVES, ID_ZQ_VIEW_REFERENCE, ID_ZQ_VIEW_CRITERIA};
    // where a pane stands and how large it is: "left,top widthxheight"
    auto place = [&frame](SECControlBar* pPane) {
        const CRect rect = ChildRect(frame, *pPane);
        return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.Width()) + "x" +
               std::to_string(rect.Height());
    };
    Idle();
    const std::string before[3] = {place(panes[0]), place(panes[1]), place(panes[2])};
    // hidden and shown from the View menu (each at the next layout), or hidden by the gripper's box at
    // once and shown from the menu
    const struct {
        std::vector<int> hide;
        std::vector<int> show;
        bool bHideBox;
    } cases[] = {
        {{0, 1, 2}, {0, 1, 2}, false}, {{0, 1, 2}, {2, 1, 0}, false}, {{2, 0, 1}, {1, 2, 0}, false},
        {{1, 2}, {1, 2}, false},       {{0}, {0}, false},             {{0, 1, 2}, {1, 0, 2}, true},
        {{2, 1}, {1, 2}, true},
    };
    for (const auto& c : cases) {
        for (int i : c.hide) {
            if (c.bHideBox)
                panes[i]->SendMessage(WM_COMMAND, ID_SEC_HIDE);
            else
                Command(commands[i]);
            Idle();
            EXPECT_FALSE(panes[i]->IsWindowVisible());
        }
        for (int i : c.show) {
            Command(commands[i]);
            Idle();
        }
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(panes[i]->IsWindowVisible());
            EXPECT_EQ(place(panes[i]), before[i]) << WindowText(panes[i]->m_hWnd);
        }
    }
}

TEST_F(MainFrame, AHiddenPaneStillTakesItsShortcut)
{
    Command(ID_ZQ_VIEW_REFERENCE);
    Idle();
    ASSERT_FALSE(Frame().m_wndReference.IsWindowVisible());
    Frame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_ZQ_ADD_RANK_END_KEY, 1));
    EXPECT_EQ(Frame().m_wndReference.GetRankCount(), 1);
}

TEST_F(MainFrame, TheToolBarFollowsTheCommandsStates)
{
    Idle();
    struct Case {
        UINT nID;
        const char* state;
    };
    const Case fresh[] = {{ID_ZQ_NEW, "enabled"},
                          {ID_FILE_OPEN, "enabled"},
                          {ID_ZQ_SAVE, "grey"},
                          {ID_ZQ_SOLVE, "grey"},
                          {ID_ZQ_PRESERVE_KENDALL, "enabled, checked"},
                          {ID_ZQ_VIEW_EVALUATIONS, "enabled"},
                          {ID_ZQ_VIEW_MATRIX, "grey"},
                          {ID_ZQ_VIEW_RANKING_LIST, "grey"},
                          {ID_ZQ_VIEW_GRAPHS, "grey"},
                          {ID_HELP, "grey"}};
    for (const Case& c : fresh)
        EXPECT_EQ(ToolBarState(c.nID), c.state) << c.nID;

    app.m_nModified = 1;
    app.m_nPreserveKendall = 0;
    Idle();
    EXPECT_EQ(ToolBarState(ID_ZQ_SAVE), "enabled");
    EXPECT_EQ(ToolBarState(ID_ZQ_PRESERVE_KENDALL), "enabled");
    app.m_nModified = 0;
}

// A main frame whose reference pane cannot be made; it tells its window.
class CFrameWithoutReferencePane : public CZQMainFrm {
public:
    explicit CFrameWithoutReferencePane(HWND& hWnd) : m_hWndMade(hWnd) {}

protected:
    BOOL CreatePane(SECControlBar& pane, UINT nIDTitle, float fPctWidth) override
    {
        m_hWndMade = m_hWnd;
        return &pane != &m_wndReference && CZQMainFrm::CreatePane(pane, nIDTitle, fPctWidth);
    }

    HWND& m_hWndMade;
};

typedef AppFixture MainFrameFailure;

TEST_F(MainFrameFailure, APaneThatCannotBeMadeFailsTheFrameWithoutAMessage)
{
    CFakeServices fake; // a message box would fail the test
    HWND hWnd = nullptr;
    CZQMainFrm* pFrame = new CFrameWithoutReferencePane(hWnd);
    EXPECT_FALSE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    ASSERT_NE(hWnd, nullptr) << "the panes were not reached";
    EXPECT_FALSE(::IsWindow(hWnd)) << "the frame went with its window";
}

} // namespace

TEST_F(MainFrame, ThePrintButtonFollowsTheActiveWindow)
{
    Idle();
    EXPECT_EQ(ToolBarState(ID_FILE_PRINT), "grey");
    app.m_Project.ProjectSolver = std::make_unique<Solver>();
    app.m_Project.OpenGraphsWindow();
    Idle();
    EXPECT_EQ(ToolBarState(ID_FILE_PRINT), "enabled");
}
