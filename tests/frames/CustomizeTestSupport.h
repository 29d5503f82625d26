// Helpers of the customising tests: a tool-bar manager of the command frame with the application's
// images, bars that belong to it, a window that records "WM_BARNOTIFY", and button drags run from
// posted mouse messages.
#pragma once

#include "ToolBarTestSupport.h"

#include "frames/SECToolBarManager.h"

#include <memory>
#include <string>
#include <utility>

// A hidden window that records the registered messages it is sent: "WM_BARNOTIFY" as (bar id, code),
// "WM_TOOLBARSTYLECHANGING" as (what, state).
class CBarNotifyRecorder : public CWnd {
public:
    BOOL CreateRecorder() { return CreateEx(0, nullptr, "bar notes", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == g_nMsgBarNotify)
            notes.push_back({UINT(wParam), int(lParam)});
        if (message == g_nMsgToolBarStyleChanging)
            styles.push_back({UINT(wParam), int(lParam)});
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<std::pair<UINT, int>> notes;
    std::vector<std::pair<UINT, int>> styles;
};

// The window text of pWnd.
inline std::string WindowText(const CWnd* pWnd)
{
    CString text;
    pWnd->GetWindowText(text);
    return text.GetString();
}

// A shown command frame with the toolkit's dock bars and a tool-bar manager holding the application's
// images.
class ManagerTest : public ToolBarTest {
protected:
    void SetUp() override
    {
        ToolBarTest::SetUp();
        pManager.reset(new SECToolBarManager(pFrame));
        ASSERT_TRUE(pManager->LoadToolBarResource(IDR_APP_TOOLBAR));
    }
    void TearDown() override
    {
        ToolBarTest::TearDown();
        pManager.reset();
    }

    // A flat tool bar of the manager with the buttons of ids (0: separators), deleting itself with its
    // window; docked at the top unless bDock is FALSE.
    SECCustomToolBar* MakeManagedBar(const std::vector<UINT>& ids, UINT nID = AFX_IDW_TOOLBAR, BOOL bDock = TRUE,
                                     SECCustomToolBar* pBar = nullptr)
    {
        if (pBar == nullptr)
            pBar = new SECCustomToolBar;
        pBar->SetAutoDelete(TRUE);
        pBar->SetManager(pManager.get());
        if (!pBar->CreateEx(kAppToolBarStyle, pFrame, kAppBarStyle | CBRS_SIZE_DYNAMIC, nID)) {
            ADD_FAILURE() << "the tool bar was not made";
            return nullptr;
        }
        pBar->SetButtons(ids.data(), int(ids.size()));
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        if (bDock) {
            pFrame->DockControlBar(pBar);
            pFrame->RecalcLayout();
        }
        return pBar;
    }

    // A shown toolkit frame of class FRAME with a tool-bar manager of its own as its control-bar
    // manager (kept in pManagerOut); the command frame stays the main window.
    template <class FRAME>
    FRAME* MakeManagedFrame(std::unique_ptr<SECToolBarManager>& pManagerOut)
    {
        FRAME* pNewFrame = MakeFrame<FRAME>();
        app.m_pMainWnd = pFrame;
        if (pNewFrame == nullptr)
            return nullptr;
        pManagerOut.reset(new SECToolBarManager(pNewFrame));
        pNewFrame->SetControlBarManager(pManagerOut.get());
        return pNewFrame;
    }

    // Drags button nIndex of pBar to the screen points given (ending as PostDrag ends) by a press on its
    // middle.
    static void DragButton(SECCustomToolBar* pBar, int nIndex, std::initializer_list<POINT> points,
                           UINT nEndMessage = WM_LBUTTONUP, WPARAM wEndParam = 0)
    {
        PostDrag(*pBar, points, nEndMessage, wEndParam);
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pBar, nIndex)));
    }
    // Drags button nIndex of pBar by offset.
    static void NudgeButton(SECCustomToolBar* pBar, int nIndex, CSize offset)
    {
        DragButton(pBar, nIndex, {MiddleOnScreen(pBar, nIndex) + offset});
    }

    std::unique_ptr<SECToolBarManager> pManager;
};
