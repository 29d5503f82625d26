// PageSetup and CSelectQuery: the chart view's small dialogs (see ChartViewDialogs.h).
#include "chart/views/ChartViewDialogs.h"

#include "chart/views/ChartViewResource.h"

IMPLEMENT_DYNAMIC(PageSetup, CDialog)

BEGIN_MESSAGE_MAP(PageSetup, CDialog)
    ON_BN_CLICKED(IDC_CHART_USE_PAGE_SIZE, OnUsePageSize)
END_MESSAGE_MAP()

PageSetup::PageSetup(CWnd* pParent)
    : CDialog(IDD_CHART_PAGE_SETUP, pParent), m_nPaperIndex(0), m_bUsePageSize(0), m_nVertical(1), m_nHorizontal(1)
{
}

BOOL PageSetup::OnInitDialog()
{
    // the paper names before the base's data exchange selects one of them
    CComboBox* pPaper = static_cast<CComboBox*>(GetDlgItem(IDC_CHART_PAPER));
    if (pPaper != nullptr) {
        for (int i = 0; i < kPaperCount; ++i) {
            CString name;
            AfxLoadString(IDS_CHART_PAPER_FIRST + i, name);
            pPaper->AddString(name);
        }
    }
    const BOOL bResult = CDialog::OnInitDialog();
    EnablePlacement();
    return bResult;
}

void PageSetup::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_CHART_PAPER, m_nPaperIndex);
    DDX_Check(pDX, IDC_CHART_USE_PAGE_SIZE, m_bUsePageSize);
    DDX_Radio(pDX, IDC_CHART_VERTICAL_FIRST, m_nVertical);
    DDX_Radio(pDX, IDC_CHART_HORIZONTAL_FIRST, m_nHorizontal);
}

void PageSetup::EnablePlacement()
{
    const BOOL bEnable = IsDlgButtonChecked(IDC_CHART_USE_PAGE_SIZE) == BST_CHECKED;
    for (int nID = IDC_CHART_VERTICAL_FIRST; nID < IDC_CHART_VERTICAL_FIRST + 6; ++nID) {
        if (CWnd* pButton = GetDlgItem(nID))
            pButton->EnableWindow(bEnable);
    }
    if (CWnd* pPaper = GetDlgItem(IDC_CHART_PAPER))
        pPaper->EnableWindow(bEnable);
}

void PageSetup::OnUsePageSize()
{
    EnablePlacement();
}

IMPLEMENT_DYNAMIC(CSelectQuery, CDialog)

CSelectQuery::CSelectQuery(CWnd* pParent) : CDialog(IDD_CHART_SELECT_QUERY, pParent), m_nChoice(2) {}

void CSelectQuery::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_CHART_QUERY_FIRST, m_nChoice);
}
