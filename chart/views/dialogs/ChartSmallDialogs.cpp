#include "chart/views/dialogs/ChartSmallDialogs.h"

#include "chart/views/dialogs/ChartDialogLists.h"
#include "chart/views/dialogs/ChartDialogResource.h"

IMPLEMENT_DYNAMIC(DEDizedAnnotationEdit, CDialog)
IMPLEMENT_DYNAMIC(SRGComponentChoice, CDialog)
IMPLEMENT_DYNAMIC(DEDizedItemEdit, CDialog)
IMPLEMENT_DYNAMIC(DEDizedValueEdit, CDialog)

DEDizedAnnotationEdit::DEDizedAnnotationEdit(CWnd* pParent)
    : CDialog(IDD_CHART_ANNOTATION_EDIT, pParent), m_nIndex(0)
{
}

void DEDizedAnnotationEdit::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHART_ANNOTATION_TEXT, m_strText);
    DDX_Text(pDX, IDC_CHART_ANNOTATION_INDEX, m_nIndex);
    DDV_MinMaxInt(pDX, m_nIndex, 1, 99);
}

SRGComponentChoice::SRGComponentChoice(CWnd* pParent) : CDialog(IDD_CHART_COMPONENT_CHOICE, pParent), m_nIndex(0) {}

BOOL SRGComponentChoice::OnInitDialog()
{
    FillComboFromList(*this, IDC_CHART_COMPONENT_KIND, IDS_CHART_LIST_COMPONENT_KINDS);
    const BOOL bResult = CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_CHART_COMPONENT_KIND, CB_SETCURSEL, WPARAM(m_nIndex));
    return bResult;
}

void SRGComponentChoice::OnOK()
{
    m_nIndex = int(SendDlgItemMessage(IDC_CHART_COMPONENT_KIND, CB_GETCURSEL));
    EndDialog(IDOK);
}

DEDizedItemEdit::DEDizedItemEdit(CWnd* pParent)
    : CDialog(IDD_CHART_ITEM_EDIT, pParent), m_bBuffered(0), m_bHitRegions(0)
{
}

void DEDizedItemEdit::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHART_ITEM_BUFFERED, m_bBuffered);
    DDX_Check(pDX, IDC_CHART_ITEM_HIT_REGIONS, m_bHitRegions);
}

DEDizedValueEdit::DEDizedValueEdit(CWnd* pParent) : CDialog(IDD_CHART_VALUE_EDIT, pParent), m_dValue(0.0) {}

void DEDizedValueEdit::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CHART_VALUE, m_dValue);
}
