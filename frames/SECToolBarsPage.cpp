#include "frames/SECToolBarsPage.h"

#include "frames/SECCustomToolBar.h"
#include "frames/SECMenuBar.h"
#include "frames/SECToolBarManager.h"
#include "frames/SECToolkit.h"
#include "frames/SECToolkitRes.h"
#include "win/AfxResource.h"
#include "win/CFrameWnd.h"
#include "win/DataExchange.h"

IMPLEMENT_DYNAMIC(SECNewToolBar, CDialog)
IMPLEMENT_DYNAMIC(SECToolBarsPage, CPropertyPage)
IMPLEMENT_DYNAMIC(SECToolBarButtonsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(SECNewToolBar, CDialog)
    ON_EN_CHANGE(IDC_SEC_NEWBARNAME, OnNameChange)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(SECToolBarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_SEC_BARLIST, OnSelChange)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_SEC_BARLIST, OnCheckChange)
    ON_EN_CHANGE(IDC_SEC_BARNAME, OnNameChange)
    ON_BN_CLICKED(IDC_SEC_NEWBAR, OnNewBar)
    ON_BN_CLICKED(IDC_SEC_CUSTOMIZE, OnCustomize)
    ON_BN_CLICKED(IDC_SEC_RESETBAR, OnResetBar)
    ON_BN_CLICKED(IDC_SEC_TOOLTIPS, OnToolTips)
    ON_BN_CLICKED(IDC_SEC_COOLLOOK, OnCoolLook)
    ON_BN_CLICKED(IDC_SEC_LARGEBTNS, OnLargeBtns)
    ON_REGISTERED_MESSAGE(g_nMsgBarNotify, OnBarNotify)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// The distance of a new tool bar from the top-left of the frame's top dock bar.
const int kNewBarOffset = 5;

BOOL IsUserBar(UINT nID)
{
    return nID >= SEC_IDW_FIRST_USERBAR && nID <= SEC_IDW_LAST_USERBAR;
}

// The text of edit nID of pDlg cut to SEC_MAX_TOOLBARNAME characters (the edit too, when it was
// longer).
CString CutName(CWnd* pDlg, int nID)
{
    CString strName;
    pDlg->GetDlgItemText(nID, strName);
    if (strName.GetLength() > SEC_MAX_TOOLBARNAME) {
        strName = strName.Left(SEC_MAX_TOOLBARNAME);
        pDlg->SetDlgItemText(nID, strName);
    }
    return strName;
}

} // namespace

// ---- SECNewToolBar ------------------------------------------------------------------------------------------

SECNewToolBar::SECNewToolBar(CWnd* pParentWnd) : CDialog(IDD_SEC_NEWTOOLBAR, pParentWnd) {}

void SECNewToolBar::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SEC_NEWBARNAME, m_strName);
}

BOOL SECNewToolBar::OnInitDialog()
{
    const BOOL bResult = CDialog::OnInitDialog();
    OnNameChange();
    return bResult;
}

void SECNewToolBar::OnNameChange()
{
    const CString strName = CutName(this, IDC_SEC_NEWBARNAME);
    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->EnableWindow(!strName.IsEmpty());
}

// ---- SECToolBarsPage ---------------------------------------------------------------------------------------

SECToolBarsPage::SECToolBarsPage(SECToolBarManager* pManager)
    : CPropertyPage(IDD_SEC_TOOLBARSPAGE), m_pManager(pManager), m_bShowingName(FALSE)
{
}

BOOL SECToolBarsPage::OnInitDialog()
{
    const BOOL bResult = CPropertyPage::OnInitDialog();
    AfxRequirePointer(m_pManager, "SECToolBarsPage::OnInitDialog", "the tool-bar manager");
    m_list.SubclassDlgItem(IDC_SEC_BARLIST, this);
    for (SECCustomToolBar* pBar : m_pManager->GetToolBars())
        InsertEntry(pBar);
    CheckDlgButton(IDC_SEC_TOOLTIPS, m_pManager->ToolTipsEnabled() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SEC_COOLLOOK, m_pManager->CoolLookEnabled() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SEC_LARGEBTNS, m_pManager->LargeBtnsEnabled() ? BST_CHECKED : BST_UNCHECKED);
    SelectEntry(m_list.GetCount() > 0 ? 0 : -1);
    m_pManager->AddNotify(this);
    m_pManager->EnterCustomizeMode(GetParent());
    return bResult;
}

void SECToolBarsPage::OnDestroy()
{
    if (m_pManager != nullptr) {
        m_pManager->ExitCustomizeMode();
        m_pManager->RemoveNotify(this);
    }
    CPropertyPage::OnDestroy();
}

// ---- the list ----------------------------------------------------------------------------------------------

int SECToolBarsPage::FindEntry(UINT nBarID) const
{
    for (int i = 0; i < m_list.GetCount(); i++)
        if (UINT(m_list.GetItemData(i)) == nBarID)
            return i;
    return -1;
}

int SECToolBarsPage::InsertEntry(SECCustomToolBar* pBar, int nIndex)
{
    const UINT nID = UINT(pBar->GetDlgCtrlID());
    if (nIndex < 0) {
        nIndex = 0;
        while (nIndex < m_list.GetCount() && UINT(m_list.GetItemData(nIndex)) < nID)
            nIndex++;
    }
    CString strTitle;
    pBar->GetWindowText(strTitle);
    nIndex = m_list.InsertString(nIndex, strTitle);
    m_list.SetItemData(nIndex, nID);
    m_list.SetCheck(nIndex, pBar->IsVisible() || nID == SEC_IDW_MENUBAR ? 1 : 0);
    return nIndex;
}

SECCustomToolBar* SECToolBarsPage::GetSelectedBar() const
{
    const int nIndex = m_list.GetCurSel();
    return nIndex >= 0 ? m_pManager->GetToolBar(UINT(m_list.GetItemData(nIndex))) : nullptr;
}

void SECToolBarsPage::SelectEntry(int nIndex)
{
    m_list.SetCurSel(nIndex);
    OnSelChange();
}

void SECToolBarsPage::OnSelChange()
{
    SECCustomToolBar* pBar = GetSelectedBar();
    const BOOL bUserBar = pBar != nullptr && IsUserBar(UINT(pBar->GetDlgCtrlID()));
    CString strTitle;
    if (pBar != nullptr)
        pBar->GetWindowText(strTitle);
    m_bShowingName = TRUE;
    SetDlgItemText(IDC_SEC_BARNAME, strTitle);
    m_bShowingName = FALSE;
    for (int nID : {IDC_SEC_BARNAME, IDC_SEC_NAMELABEL})
        if (CWnd* pItem = GetDlgItem(nID))
            pItem->EnableWindow(bUserBar);
    CString strButton;
    AfxLoadString(bUserBar ? IDS_SEC_DELETE : IDS_SEC_RESET, strButton);
    SetDlgItemText(IDC_SEC_RESETBAR, strButton);
    if (CWnd* pReset = GetDlgItem(IDC_SEC_RESETBAR))
        pReset->EnableWindow(pBar != nullptr);
}

void SECToolBarsPage::OnCheckChange()
{
    // the list tells a change of some entry (not always the selected one): every bar follows its entry
    CFrameWnd* pFrame = m_pManager->GetFrame();
    BOOL bChanged = FALSE;
    for (int i = 0; i < m_list.GetCount(); i++) {
        const UINT nID = UINT(m_list.GetItemData(i));
        SECCustomToolBar* pBar = m_pManager->GetToolBar(nID);
        if (pBar == nullptr)
            continue;
        if (nID == SEC_IDW_MENUBAR) {
            // the frame's menus are never hidden
            m_list.SetCheck(i, 1);
            continue;
        }
        const BOOL bShow = m_list.GetCheck(i) != 0;
        if (bShow != pBar->IsVisible()) {
            pFrame->ShowControlBar(pBar, bShow, FALSE);
            bChanged = TRUE;
        }
    }
    if (bChanged)
        pFrame->RecalcLayout();
}

void SECToolBarsPage::OnNameChange()
{
    if (m_bShowingName)
        return;
    SECCustomToolBar* pBar = GetSelectedBar();
    const CString strName = CutName(this, IDC_SEC_BARNAME);
    if (pBar == nullptr || !IsUserBar(UINT(pBar->GetDlgCtrlID())))
        return;
    pBar->SetWindowText(strName);
    if (pBar->IsFloating())
        if (CFrameWnd* pFloatingFrame = pBar->GetParentFrame())
            pFloatingFrame->SetWindowText(strName);
    // the entry comes back under its new text, as it was
    const int nIndex = m_list.GetCurSel();
    const int nCheck = m_list.GetCheck(nIndex);
    m_list.DeleteString(UINT(nIndex));
    InsertEntry(pBar, nIndex);
    m_list.SetCheck(nIndex, nCheck);
    m_list.SetCurSel(nIndex);
}

// ---- the buttons -------------------------------------------------------------------------------------------

void SECToolBarsPage::OnResetBar()
{
    SECCustomToolBar* pBar = GetSelectedBar();
    if (pBar == nullptr)
        return;
    const UINT nID = UINT(pBar->GetDlgCtrlID());
    if (SECMenuBar* pMenuBar = dynamic_cast<SECMenuBar*>(pBar)) {
        pMenuBar->ResetButtons();
    } else if (IsUserBar(nID)) {
        pBar->DestroyWindow(); // the list hears of it from the manager
    } else {
        std::vector<UINT> ids;
        if (m_pManager->GetDefaultButtons(nID, ids)) {
            pBar->SetButtons(ids.data(), int(ids.size()));
            if (CFrameWnd* pFrame = pBar->GetDockingFrame())
                pFrame->RecalcLayout();
        }
    }
}

void SECToolBarsPage::OnNewBar()
{
    CWnd* pSheet = GetParent();
    SECNewToolBar dlg(pSheet);
    m_pManager->ExitCustomizeMode();
    const BOOL bMade = dlg.DoModal() == IDOK;
    m_pManager->EnterCustomizeMode(pSheet);
    if (!bMade)
        return;
    SECCustomToolBar* pBar = m_pManager->CreateUserToolBar(dlg.m_strName);
    if (pBar == nullptr)
        return;
    CFrameWnd* pFrame = m_pManager->GetFrame();
    CRect rect;
    if (CControlBar* pTop = pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)) {
        pTop->GetWindowRect(rect);
    } else {
        pFrame->GetClientRect(rect);
        pFrame->ClientToScreen(rect);
    }
    pFrame->FloatControlBar(pBar, rect.TopLeft() + CSize(kNewBarOffset, kNewBarOffset), CBRS_ALIGN_TOP);
    EndSheetToCustomize();
}

void SECToolBarsPage::OnCustomize()
{
    EndSheetToCustomize();
}

void SECToolBarsPage::EndSheetToCustomize()
{
    if (CPropertySheet* pSheet = dynamic_cast<CPropertySheet*>(GetParent()))
        pSheet->EndDialog(IDC_SEC_CUSTOMIZE);
}

void SECToolBarsPage::TellStyleChanging(WPARAM nWhat, BOOL bOn)
{
    CPropertySheet* pSheet = dynamic_cast<CPropertySheet*>(GetParent());
    if (pSheet == nullptr)
        return;
    for (int i = 0; i < pSheet->GetPageCount(); i++) {
        CPropertyPage* pPage = pSheet->GetPage(i);
        if (pPage != this && pPage->m_hWnd != nullptr)
            pPage->SendMessage(g_nMsgToolBarStyleChanging, nWhat, bOn);
    }
}

void SECToolBarsPage::OnToolTips()
{
    m_pManager->EnableToolTips(IsDlgButtonChecked(IDC_SEC_TOOLTIPS) == BST_CHECKED);
}

void SECToolBarsPage::OnCoolLook()
{
    const BOOL bOn = IsDlgButtonChecked(IDC_SEC_COOLLOOK) == BST_CHECKED;
    m_pManager->EnableCoolLook(bOn);
    TellStyleChanging(SEC_STYLECHANGING_COOLLOOK, bOn);
}

void SECToolBarsPage::OnLargeBtns()
{
    const BOOL bOn = IsDlgButtonChecked(IDC_SEC_LARGEBTNS) == BST_CHECKED;
    m_pManager->EnableLargeBtns(bOn);
    TellStyleChanging(SEC_STYLECHANGING_LARGEBTNS, bOn);
}

// ---- the manager's news ------------------------------------------------------------------------------------

LRESULT SECToolBarsPage::OnBarNotify(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = UINT(wParam);
    const int nIndex = FindEntry(nID);
    switch (int(lParam)) {
    case SEC_BARNOTIFY_SHOWN:
    case SEC_BARNOTIFY_HIDDEN:
        if (nIndex >= 0 && nID != SEC_IDW_MENUBAR)
            m_list.SetCheck(nIndex, lParam == SEC_BARNOTIFY_SHOWN ? 1 : 0);
        break;
    case SEC_BARNOTIFY_CREATED:
        if (SECCustomToolBar* pBar = m_pManager->GetToolBar(nID))
            if (nIndex < 0) {
                const int nNew = InsertEntry(pBar);
                m_list.SetCheck(nNew, 1);
            }
        break;
    case SEC_BARNOTIFY_DESTROYED:
        if (nIndex >= 0) {
            const BOOL bSelected = m_list.GetCurSel() == nIndex;
            m_list.DeleteString(UINT(nIndex));
            if (bSelected)
                SelectEntry(nIndex < m_list.GetCount() ? nIndex : m_list.GetCount() - 1);
        }
        break;
    default:
        break;
    }
    return 0;
}

// ---- SECToolBarButtonsPage ---------------------------------------------------------------------------------

SECToolBarButtonsPage::SECToolBarButtonsPage(SECToolBarManager* pManager)
    : CPropertyPage(IDD_SEC_BUTTONSPAGE), m_pManager(pManager)
{
}

BOOL SECToolBarButtonsPage::OnInitDialog()
{
    const BOOL bResult = CPropertyPage::OnInitDialog();
    m_group.SubclassDlgItem(IDC_SEC_BUTTONGROUP, this);
    m_list.SubclassDlgItem(IDC_SEC_BARLIST, this);
    m_text.SubclassDlgItem(IDC_SEC_BUTTONTEXT, this);
    return bResult;
}
