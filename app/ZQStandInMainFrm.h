// CZQStandInMainFrm: the main window until the workbook frame, with its tool bar, menu bar, status bar
// and docking, comes. It is an MDI frame of the class library loaded from resource 128 (menu,
// accelerators, icon) that holds the three panes as the workbook frame will: made in its WM_CREATE
// in the order criteria, reference ranking, alternatives, each with the first free bar id from 100,
// its title ("Criteria Window", "Reference Set Window", "Alternatives Window"), window style
// 0x50001414 and toolkit style 0xF10. Without dock bars it stands them in a column 200 pixels wide at
// its left, alternatives, reference ranking and criteria from top to bottom, the panes that show
// sharing its height equally; the MDI client takes the rest. The View commands 32775, 32776 and 32777
// show or hide their pane at the next layout, checked while it shows (a pane hidden by its gripper's
// hide box comes back so). It passes Ctrl+A (32787) to the criteria pane and Ctrl+Alt+A (32794) to
// the reference pane, whether or not the pane shows, and writes the window's placement when it goes.
#pragma once

#include <windows.h>

#include "app/ZQDockingWndAlt.h"
#include "app/ZQDockingWndCrit.h"
#include "app/ZQDockingWndRef.h"
#include "win/Win.h"

class CZQStandInMainFrm : public CMDIFrameWnd {
    DECLARE_MESSAGE_MAP()
public:
    CZQStandInMainFrm();
    ~CZQStandInMainFrm() override;

    // The panes in their column, the MDI client beside them.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    CZQDockingWndAlt m_wndAlternatives;
    CZQDockingWndRef m_wndReference;
    CZQDockingWndCrit m_wndCriteria;

protected:
    // Makes pPane a pane of this frame titled with string nIDTitle. FALSE when it could not be made.
    BOOL CreatePane(SECControlBar& pane, UINT nIDTitle);
    // The pane of View command nID (32775 to 32777).
    SECControlBar* PaneOf(UINT nID);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnAddRankAtEnd();
    afx_msg void OnAddCriterion();
    afx_msg void OnTogglePane(UINT nID);
    afx_msg void OnUpdateTogglePane(CCmdUI* pCmdUI);
};
