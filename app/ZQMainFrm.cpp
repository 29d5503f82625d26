// CZQMainFrm: the main window (see ZQMainFrm.h).
#include "app/ZQMainFrm.h"

#include "app/ZQSplashWnd.h"
#include "app/ZQWindowPlacement.h"
#include "res/resource.h"

namespace {

const DWORD kToolBarToolkitStyle = 0x0300;
const DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM; // 0x50002800
const DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP; // 0x50008200
const UINT kMenuBarId = 0xE8FF;
const DWORD kMenuBarStyle = kToolBarStyle | CBRS_SIZE_DYNAMIC; // 0x50002804
const UINT kFirstPaneId = 100;
const DWORD kPaneStyle = 0x50001414;
const DWORD kPaneToolkitStyle = 0x0F10;
const int kPaneWidth = 200;

const UINT kIndicators[] = {IDS_ZQ_STATUS_INDICATOR};

} // namespace

IMPLEMENT_DYNAMIC(CZQMainFrm, SECWorkbook)

BEGIN_MESSAGE_MAP(CZQMainFrm, SECWorkbook)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_ZQ_ADD_RANK_END_KEY, OnAddRankAtEnd)
    ON_COMMAND(ID_ZQ_ADD_CRITERION, OnAddCriterion)
    ON_COMMAND_RANGE(ID_ZQ_VIEW_ALTERNATIVES, ID_ZQ_VIEW_CRITERIA, OnTogglePane)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ZQ_VIEW_ALTERNATIVES, ID_ZQ_VIEW_CRITERIA, OnUpdateTogglePane)
END_MESSAGE_MAP()

CZQMainFrm::CZQMainFrm() : m_pMenuBar(new SECMDIMenuBar)
{
    // the menu bar shows the frame's menus from LoadFrame on: it must be known before
    SetMenuBar(m_pMenuBar);
    EnableBitmapMenus(TRUE, TRUE);
}

CZQMainFrm::~CZQMainFrm()
{
    SetMenuBar(nullptr);
    delete m_pMenuBar;
    m_pMenuBar = nullptr;
}

BOOL CZQMainFrm::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!SECWorkbook::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~LONG(FWS_ADDTOTITLE);
    return TRUE;
}

void CZQMainFrm::SetStatusText(const CString&) {}

BOOL CZQMainFrm::CreatePane(SECControlBar& pane, UINT nIDTitle, float fPctWidth)
{
    CString title;
    AfxLoadString(nIDTitle, title);
    if (!pane.Create(this, title, kPaneStyle, kPaneToolkitStyle, NextFreeBarId(this, kFirstPaneId)))
        return FALSE;
    pane.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBarAt(&pane, AFX_IDW_DOCKBAR_LEFT, 0, 0, fPctWidth, kPaneWidth);
    return TRUE;
}

int CZQMainFrm::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    CZQSplashWnd::ShowSplashScreen(this);
    if (SECWorkbook::OnCreate(lpCreateStruct) == -1)
        return -1;

    if (!m_wndToolBar.CreateEx(kToolBarToolkitStyle, this, kToolBarStyle, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, int(sizeof kIndicators / sizeof kIndicators[0])))
        return -1;

    EnableDocking(CBRS_ALIGN_ANY);

    if (!m_pMenuBar->CreateEx(kToolBarToolkitStyle, this, kMenuBarStyle, kMenuBarId) ||
        !m_pMenuBar->SetMenuResources(1, IDR_MAINFRAME) || !SetMenuBitmapsFromToolBar(IDR_MAINFRAME))
        return -1;
    m_pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(m_pMenuBar);

    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);

    SetWorkbookMode(TRUE);

    // each pane goes to the top of the row, so the last made stands first
    if (!CreatePane(m_wndCriteria, IDS_ZQ_CRITERIA_WINDOW, 0.1f) ||
        !CreatePane(m_wndReference, IDS_ZQ_REFERENCE_WINDOW, 0.5f) ||
        !CreatePane(m_wndAlternatives, IDS_ZQ_ALTERNATIVES_WINDOW, 0.4f))
        return -1;

    EnableToolTips(TRUE);
    SetStatusText(CString());
    return 0;
}

void CZQMainFrm::OnDestroy()
{
    if (CWinApp* pApp = AfxGetApp())
        ZQSaveWindowPlacement(*pApp, *this);
    SECWorkbook::OnDestroy();
}

void CZQMainFrm::OnAddRankAtEnd()
{
    m_wndReference.OnAddRankAtEnd();
}

void CZQMainFrm::OnAddCriterion()
{
    m_wndCriteria.OnAddCriterion();
}

SECControlBar* CZQMainFrm::PaneOf(UINT nID)
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

void CZQMainFrm::OnTogglePane(UINT nID)
{
    SECControlBar* pPane = PaneOf(nID);
    ShowControlBar(pPane, !pPane->IsVisible(), TRUE);
}

void CZQMainFrm::OnUpdateTogglePane(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(PaneOf(pCmdUI->m_nID)->IsVisible() ? 1 : 0);
}
