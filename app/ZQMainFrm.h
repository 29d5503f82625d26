// CZQMainFrm: Ondrix's main window, a workbook frame whose document windows are worksheets with tabs.
// It holds the three panes (alternatives, reference ranking, criteria), the tool bar, the status bar
// and the menu bar, makes and docks them when its window is made, shows and hides the panes from the
// View menu, passes two keyboard commands to the panes and writes the window's placement to the
// settings when it goes.
//
// Made in WM_CREATE, in this order (a bar or pane that cannot be made makes the frame fail):
// - the splash picture, owned by the frame;
// - the tool bar 0xE800 (window style 0x50002800) with the buttons of tool-bar resource 128;
// - the status bar 0xE801 (0x50008200) with one indicator, string 57665 ("_");
// - docking on every side;
// - the menu bar 0xE8FF (0x50002804) showing menu 128, the menu pictures taken from the tool bar's,
//   docked at the top; then the tool bar, with tool tips, fly-by prompts and dynamic size, below it;
// - the worksheet tabs switched on;
// - the panes criteria, reference ranking and alternatives, each with the first free bar id from 100,
//   its title ("Criteria Window", "Reference Set Window", "Alternatives Window"), window style
//   0x50001414 and toolkit style 0xF10, docked at the top of the left dock bar's first row with the
//   shares 0.1, 0.5 and 0.4 and the width 200: so alternatives, reference ranking and criteria stand
//   from top to bottom.
//
// The frame never writes document titles into its own title (PreCreateWindow takes FWS_ADDTOTITLE
// away): the application sets it to the project's file. The status bar shows no texts of the
// project's: SetStatusText discards them.
//
// View: 32775, 32776 and 32777 show or hide their pane at the next layout (a hidden pane comes back in
// its dock place), checked while it shows; 59392 and 59393 (the class library's) show or hide the tool
// bar and the status bar. Ctrl+A (32787) goes to the criteria pane and Ctrl+Alt+A (32794) to the
// reference pane, whether or not the pane shows.
#pragma once

#include <windows.h>

#include "app/ZQDockingWndAlt.h"
#include "app/ZQDockingWndCrit.h"
#include "app/ZQDockingWndRef.h"
#include "frames/SECCustomToolBar.h"
#include "frames/SECMenuBar.h"
#include "frames/SECStatusBar.h"
#include "frames/SECWorkbook.h"

class CZQMainFrm : public SECWorkbook {
    DECLARE_DYNAMIC(CZQMainFrm)
    DECLARE_MESSAGE_MAP()
public:
    // Makes the menu bar (not its window) and sets it as the frame's menu bar, and switches bitmap
    // menus on.
    CZQMainFrm();
    // Deletes the menu bar before the members go.
    ~CZQMainFrm() override;

    // The base's window style without FWS_ADDTOTITLE.
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // Takes a text for the status bar (the Kendall coefficient, or empty) and shows nothing: the bar
    // keeps its one indicator.
    void SetStatusText(const CString& text);

    CZQDockingWndAlt m_wndAlternatives;
    CZQDockingWndRef m_wndReference;
    CZQDockingWndCrit m_wndCriteria;
    SECCustomToolBar m_wndToolBar;
    SECStatusBar m_wndStatusBar;
    SECMDIMenuBar* m_pMenuBar; // owned

protected:
    // Makes pane a pane of this frame titled with string nIDTitle and docks it at the top of the left
    // dock bar's first row with the share fPctWidth. FALSE when it could not be made. Tests replace it
    // to see a failure.
    virtual BOOL CreatePane(SECControlBar& pane, UINT nIDTitle, float fPctWidth);
    // The pane of View command nID (32775 to 32777).
    SECControlBar* PaneOf(UINT nID);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnAddRankAtEnd();
    afx_msg void OnAddCriterion();
    afx_msg void OnTogglePane(UINT nID);
    afx_msg void OnUpdateTogglePane(CCmdUI* pCmdUI);
};
