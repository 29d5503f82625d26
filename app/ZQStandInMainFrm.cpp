// CZQStandInMainFrm: the main window standing in for the workbook frame (see ZQStandInMainFrm.h).
#include "app/ZQStandInMainFrm.h"

#include "app/ZQWindowPlacement.h"
#include "res/resource.h"

#include <vector>

namespace {

const UINT kFirstPaneId = 100;
const DWORD kPaneStyle = 0x50001414;
const DWORD kPaneToolkitStyle = 0x0F10;
const int kColumnWidth = 200;

} // namespace

BEGIN_MESSAGE_MAP(CZQStandInMainFrm, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_ZQ_ADD_RANK_END_KEY, OnAddRankAtEnd)
    ON_COMMAND(ID_ZQ_ADD_CRITERION, OnAddCriterion)
    ON_COMMAND_RANGE(ID_ZQ_VIEW_ALTERNATIVES, ID_ZQ_VIEW_CRITERIA, OnTogglePane)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ZQ_VIEW_ALTERNATIVES, ID_ZQ_VIEW_CRITERIA, OnUpdateTogglePane)
END_MESSAGE_MAP()

CZQStandInMainFrm::CZQStandInMainFrm() = default;

CZQStandInMainFrm::~CZQStandInMainFrm() = default;

BOOL CZQStandInMainFrm::CreatePane(SECControlBar& pane, UINT nIDTitle)
{
    CString title;
    AfxLoadString(nIDTitle, title);
    if (!pane.Create(this, title, kPaneStyle, kPaneToolkitStyle, NextFreeBarId(this, kFirstPaneId)))
        return FALSE;
    pane.EnableDocking(CBRS_ALIGN_ANY);
    return TRUE;
}

int CZQStandInMainFrm::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreatePane(m_wndCriteria, IDS_ZQ_CRITERIA_WINDOW) || !CreatePane(m_wndReference, IDS_ZQ_REFERENCE_WINDOW) ||
        !CreatePane(m_wndAlternatives, IDS_ZQ_ALTERNATIVES_WINDOW))
        return -1;
    RecalcLayout();
    return 0;
}

void CZQStandInMainFrm::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr)
        return;
    m_frameState.nIdleFlags &= ~UINT(idleLayout);
    CRect rect;
    GetClientRect(rect);
    std::vector<SECControlBar*> shown;
    for (SECControlBar* pPane : {static_cast<SECControlBar*>(&m_wndAlternatives),
                                 static_cast<SECControlBar*>(&m_wndReference),
                                 static_cast<SECControlBar*>(&m_wndCriteria)}) {
        if (pPane->m_hWnd == nullptr)
            continue;
        // a show or hide asked for with delay is carried out here, as the bars' own layout would
        const BOOL bShow = pPane->IsVisible();
        pPane->SetWindowPos(nullptr, 0, 0, 0, 0,
                            SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                                (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        pPane->DelayShow(bShow);
        if (bShow)
            shown.push_back(pPane);
    }
    const int nPanes = int(shown.size());
    int nTop = rect.top;
    for (int i = 0; i < nPanes; ++i) {
        const int nBottom = rect.top + rect.Height() * (i + 1) / nPanes;
        shown[size_t(i)]->SetWindowPos(nullptr, rect.left, nTop, kColumnWidth, nBottom - nTop,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
        nTop = nBottom;
    }
    if (nPanes > 0)
        rect.left += kColumnWidth;
    // the bars of the frame's own (none yet) and the MDI client share what the panes leave
    RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST, reposDefault, nullptr, rect);
}

void CZQStandInMainFrm::OnDestroy()
{
    if (CWinApp* pApp = AfxGetApp())
        ZQSaveWindowPlacement(*pApp, *this);
    CMDIFrameWnd::OnDestroy();
}

void CZQStandInMainFrm::OnAddRankAtEnd()
{
    m_wndReference.OnAddRankAtEnd();
}

void CZQStandInMainFrm::OnAddCriterion()
{
    m_wndCriteria.OnAddCriterion();
}

SECControlBar* CZQStandInMainFrm::PaneOf(UINT nID)
{
    switch (nID) {
    case ID_ZQ_VIEW_ALTERNATIVES:
        return &m_wndAlternatives;
    case ID_ZQ_VIEW_REFERENCE:
        return &m_wndReference;
    default:
        return &m_wndCriteria;
    }
}

void CZQStandInMainFrm::OnTogglePane(UINT nID)
{
    SECControlBar* pPane = PaneOf(nID);
    ShowControlBar(pPane, !pPane->IsVisible(), TRUE);
}

void CZQStandInMainFrm::OnUpdateTogglePane(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(PaneOf(pCmdUI->m_nID)->IsVisible() ? 1 : 0);
}
