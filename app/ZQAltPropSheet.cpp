// CZQAltPropSheet and CZQAltPropPage1: an alternative's name and description (see ZQAltPropSheet.h).
#include "app/ZQAltPropSheet.h"

#include "app/ZQApp.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CZQAltPropPage1, CPropertyPage)

CZQAltPropPage1::CZQAltPropPage1() : CPropertyPage(IDD_ZQ_ALTERNATIVE_GENERAL)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

CZQAltPropPage1::~CZQAltPropPage1() = default;

void CZQAltPropPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ZQ_ALTERNATIVE_NAME, m_strName);
    DDX_Text(pDX, IDC_ZQ_ALTERNATIVE_TEXT, m_strDescription);
}

BOOL CZQAltPropPage1::OnInitDialog()
{
    m_strStartName = m_strName;
    return CPropertyPage::OnInitDialog();
}

BOOL CZQAltPropPage1::OnKillActive()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (m_strName == m_strStartName)
        return TRUE;
    CString refusal;
    if (m_strName.IsEmpty()) {
        refusal = "Alternative name cannot be empty!";
    } else if (const CZQApp* pApp = ZQGetApp()) {
        for (const ZQRow& row : pApp->m_Project.AlternativesTable) {
            if (ProjectCell(row, 0) == m_strName) {
                refusal = "Alternative '" + m_strName + "' already exists!";
                break;
            }
        }
    }
    if (refusal.IsEmpty())
        return TRUE;
    ZQMessageBox(this, refusal, MB_OK | MB_ICONINFORMATION);
    m_strName = m_strStartName;
    UpdateData(FALSE);
    return FALSE;
}

IMPLEMENT_DYNAMIC(CZQAltPropSheet, CPropertySheet)

CZQAltPropSheet::CZQAltPropSheet(CWnd* pParentWnd) : CPropertySheet(IDS_ZQ_ALTERNATIVE_SHEET, pParentWnd)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_psh.dwFlags &= ~PSH_HASHELP;
    AddPage(&m_page1);
}

CZQAltPropSheet::~CZQAltPropSheet() = default;
