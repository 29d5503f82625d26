// Helpers of the tool-bar tests: a frame that handles some commands and records what its bars tell it,
// and the application's tool bar docked at its top.
#pragma once

#include "DockingTestSupport.h"

#include "frames/SECCustomToolBar.h"
#include "frames/SECTBMenuBtn.h"

#include "toolbar_test_resources.h"

#include <map>
#include <set>
#include <vector>

// The application's tool bar: flat with a gripper, child, visible, aligned top, bottom border; then
// tooltips, flyby prompts and dynamic size.
const DWORD kAppToolBarStyle = 0x0300;
const DWORD kAppBarStyle = 0x50002800;
const DWORD kAppBarStyleAdded = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
// Its commands in order, 0 for the separators.
const UINT kAppButtons[] = {ID_NEW,    ID_OPEN,  ID_SAVE,    0,         ID_CUT,    ID_COPY,       ID_PASTE, 0,
                            ID_PRINT,  0,        ID_SOLVE,   ID_KENDALL, ID_GRID,  ID_MATRIX,     ID_RANKING,
                            ID_GRAPHS, 0,        ID_PANE_ALT, ID_PANE_REF, ID_PANE_CRIT, 0,         ID_TB_HELP,
                            ID_ABOUT};

// The geometry of 16 by 15 images: buttons, separators, the gap under a row ending at a separator, the
// tool bar's gripper and borders (the flat look adds one pixel per bordered side).
const CSize kBtn(23, 22);
const int kSep = 8;
const int kSepGap = 5;
const int kGripper = 11;
const int kSideBorder = 6;
const int kEndBorder = 3;

// A frame that handles the commands in `handled` (recording each with the tool bars' in-command flag
// and running onCommand),
// answers the command update of the commands in `checks` with that check state, and records the
// prompts and tool-bar notifications it is sent.
class CCommandFrame : public CMDIFrameWnd {
public:
    struct Command {
        UINT nID;
        BOOL bInCommand;
    };

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == int(CN_COMMAND) && handled.count(nID) != 0) {
            if (pHandlerInfo != nullptr) {
                pHandlerInfo->pTarget = this;
                return TRUE;
            }
            commands.push_back({nID, SECCustomToolBar::IsInCommand()});
            if (onCommand)
                onCommand();
            return TRUE;
        }
        if (nCode == int(CN_UPDATE_COMMAND_UI) && checks.count(nID) != 0 && pHandlerInfo == nullptr) {
            static_cast<CCmdUI*>(pExtra)->SetCheck(checks[nID]);
            return TRUE;
        }
        return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING)
            prompts.push_back(UINT(wParam));
        if (message == WM_NOTIFY) {
            const int nCode = int(reinterpret_cast<const NMHDR*>(lParam)->code);
            if ((nCode >= SEC_TBN_TRACKEND && nCode <= SEC_TBN_DROPDOWN) || nCode == int(TBN_DROPDOWN))
                notes.push_back(*reinterpret_cast<const SECTBNOTIFY*>(lParam));
        }
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }

    std::set<UINT> handled;
    std::map<UINT, int> checks;
    std::vector<Command> commands;
    std::vector<UINT> prompts;      // WM_SETMESSAGESTRING's string ids
    std::vector<SECTBNOTIFY> notes; // the tool bars' notifications
    std::function<void()> onCommand; // runs while a handled command is being handled (may be empty)
};

// A shown command frame with the toolkit's dock bars (Ctrl, Shift and Alt up).
class ToolBarTest : public DockingTest {
protected:
    void SetUp() override
    {
        SECStartToolkit();
        pCmdFrame = MakeFrame<CCommandFrame>();
        ASSERT_NE(pCmdFrame, nullptr);
        pFrame = pCmdFrame;
        hWndFrame = pFrame->m_hWnd;
        EnableToolkitDocking(pFrame);
        for (int nKey : {VK_CONTROL, VK_SHIFT, VK_MENU})
            fake.SetKeyState(nKey, 0);
    }

    // A tool bar of the frame made as the application makes its own (deleting itself with its window);
    // with bDock allowed to dock anywhere and docked at the top.
    SECCustomToolBar* MakeAppBar(BOOL bDock = TRUE, UINT nID = AFX_IDW_TOOLBAR)
    {
        SECCustomToolBar* pBar = new SECCustomToolBar;
        pBar->SetAutoDelete(TRUE);
        if (!pBar->CreateEx(kAppToolBarStyle, pFrame, kAppBarStyle, nID) || !pBar->LoadToolBar(IDR_APP_TOOLBAR)) {
            ADD_FAILURE() << "the tool bar was not made";
            return nullptr;
        }
        pBar->SetBarStyle(pBar->GetBarStyle() | kAppBarStyleAdded);
        if (bDock) {
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(pBar);
            pFrame->RecalcLayout();
        }
        return pBar;
    }
    // A flat tool bar of the frame with the buttons of ids (0: separators), not docked.
    SECCustomToolBar* MakeBar(const std::vector<UINT>& ids, DWORD dwStyle = kAppBarStyle | CBRS_SIZE_DYNAMIC,
                              UINT nID = AFX_IDW_TOOLBAR)
    {
        SECCustomToolBar* pBar = new SECCustomToolBar;
        pBar->SetAutoDelete(TRUE);
        if (!pBar->CreateEx(kAppToolBarStyle, pFrame, dwStyle, nID)) {
            ADD_FAILURE() << "the tool bar was not made";
            return nullptr;
        }
        pBar->SetButtons(ids.data(), int(ids.size()));
        return pBar;
    }
    // The command ids of pBar's buttons in order (0 for separators).
    static std::vector<UINT> Ids(const SECCustomToolBar* pBar)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < pBar->GetBtnCount(); i++)
            ids.push_back(pBar->GetBtn(i)->m_nID);
        return ids;
    }
    // The middle of button nIndex in its bar's client area / on the screen.
    static CPoint Middle(const SECCustomToolBar* pBar, int nIndex) { return pBar->GetItemRect(nIndex).CenterPoint(); }
    static CPoint MiddleOnScreen(const SECCustomToolBar* pBar, int nIndex)
    {
        CPoint pt = Middle(pBar, nIndex);
        pBar->ClientToScreen(&pt);
        return pt;
    }
    static LPARAM At(CPoint pt) { return MAKELPARAM(WORD(short(pt.x)), WORD(short(pt.y))); }

    CCommandFrame* pCmdFrame = nullptr;
};
