// Helpers of the toolkit's docking tests: a frame docking through the toolkit's dock bars as the
// docking frame will, and the application's panes docked at a row and position with a fraction and a
// thickness.
#pragma once

#include "DockBarTestSupport.h"
#include "ToolkitTestSupport.h"

#include "frames/SECControlBar.h"
#include "frames/SECDockBar.h"
#include "frames/SECDockContext.h"
#include "frames/SECMiniDockFrameWnd.h"

#include <string>

// The application's panes: child, visible, aligned left, right border, tooltips, dynamic size; own
// borders, margins, gripper, hide box and expand arrow.
const DWORD kPaneStyle = 0x50001414;
const DWORD kPaneExStyle = 0x0F10;
// The thickness the application gives its panes.
const int kPaneThickness = 200;

// A shown frame with the toolkit's four dock bars (as the docking frame makes them: visible, aligned,
// with the border of their inner side) and the toolkit's floating frames; Ctrl and Shift are up.
class DockingTest : public ToolkitFrameTest {
protected:
    void SetUp() override
    {
        ToolkitFrameTest::SetUp();
        EnableToolkitDocking(pFrame);
        fake.SetKeyState(VK_CONTROL, 0);
        fake.SetKeyState(VK_SHIFT, 0);
    }

    // Gives pDockSite the four dock bars and the floating frames of the toolkit.
    static void EnableToolkitDocking(CFrameWnd* pDockSite)
    {
        const struct {
            DWORD dwAlign;
            UINT nID;
            DWORD dwBorder;
        } sides[] = {
            {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP, CBRS_BORDER_BOTTOM},
            {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM, CBRS_BORDER_TOP},
            {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT, CBRS_BORDER_RIGHT},
            {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT, CBRS_BORDER_LEFT},
        };
        for (const auto& side : sides) {
            SECDockBar* pDockBar = new SECDockBar;
            ASSERT_TRUE(pDockBar->Create(pDockSite, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                                        side.dwAlign | side.dwBorder,
                                         0, side.nID));
            pDockBar->SetAutoDelete(TRUE);
        }
        pDockSite->SetFloatingFrameClass(RUNTIME_CLASS(SECMiniDockFrameWnd));
        pDockSite->RecalcLayout();
    }

    SECDockBar* DockBar(UINT nID) { return static_cast<SECDockBar*>(pFrame->GetControlBar(nID)); }

    // A pane of the frame (deleting itself with its window), allowed to dock anywhere.
    SECControlBar* MakePane(UINT nID, DWORD dwExStyle = kPaneExStyle, DWORD dwStyle = kPaneStyle)
    {
        SECControlBar* pPane = new SECControlBar;
        pPane->SetAutoDelete(TRUE);
        const std::string title = "Pane " + std::to_string(nID);
        if (!pPane->Create(pFrame, title.c_str(), dwStyle, dwExStyle, nID)) {
            ADD_FAILURE() << "the pane was not made";
            return nullptr;
        }
        pPane->EnableDocking(CBRS_ALIGN_ANY);
        return pPane;
    }
    // Docks pPane in dock bar nDockBarID at row nRow, position nPos, with the fraction and the
    // thickness given, as the docking frame's DockControlBarAt does.
    void DockPaneAt(SECControlBar* pPane, UINT nDockBarID, int nRow, int nPos, float fPct,
                    int nThickness = kPaneThickness)
    {
        pPane->m_fPctWidth = fPct;
        const BOOL bHorz = nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
        pPane->CalcDynamicLayout(nThickness, LM_COMMIT | (bHorz ? (LM_HORZDOCK | LM_LENGTHY) : LM_VERTDOCK));
        DockBar(nDockBarID)->DockControlBarAt(pPane, nRow, nPos);
    }
    // The application's three panes, docked as its main frame docks them: each at the front of the
    // left dock bar's first row, with 0.1, 0.5 and 0.4. They stand third, second, first.
    void DockThreePanes()
    {
        const float fractions[3] = {0.1f, 0.5f, 0.4f};
        for (int i = 0; i < 3; i++) {
            panes[i] = MakePane(100 + i);
            ASSERT_NE(panes[i], nullptr);
            DockPaneAt(panes[i], AFX_IDW_DOCKBAR_LEFT, 0, 0, fractions[i]);
        }
        pFrame->RecalcLayout();
    }
    // The frame's client area in screen coordinates.
    CRect ClientOnScreen()
    {
        CRect rect;
        pFrame->GetClientRect(rect);
        pFrame->ClientToScreen(rect);
        return rect;
    }

    SECControlBar* panes[3] = {};
};
