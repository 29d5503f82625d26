// CZQUncertaintyDlg: the credibility dialog (see ZQUncertaintyDlg.h).
#include "app/ZQUncertaintyDlg.h"

#include "res/resource.h"

#include <algorithm>

namespace {

// Moves the selected entry of from to the end of to; its text, or nothing (FALSE) without a selection.
BOOL MoveSelected(CListBox& from, CListBox& to, CString& text)
{
    const int nSelected = from.GetCurSel();
    if (nSelected < 0)
        return FALSE;
    from.GetText(nSelected, text);
    from.DeleteString(UINT(nSelected));
    to.AddString(text);
    return TRUE;
}

} // namespace

BEGIN_MESSAGE_MAP(CZQUncertaintyDlg, CDialog)
    ON_BN_CLICKED(IDC_ZQ_TO_LOW, OnToLow)
    ON_BN_CLICKED(IDC_ZQ_TO_HIGH, OnToHigh)
END_MESSAGE_MAP()

CZQUncertaintyDlg::CZQUncertaintyDlg(CWnd* pParentWnd) : CDialog(IDD_ZQ_CREDIBILITY, pParentWnd) {}

CZQUncertaintyDlg::~CZQUncertaintyDlg() = default;

BOOL CZQUncertaintyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndLow.SubclassDlgItem(IDC_ZQ_LOW_CREDIBILITY, this);
    m_wndHigh.SubclassDlgItem(IDC_ZQ_HIGH_CREDIBILITY, this);
    m_result = m_input;
    for (const CString& name : m_result)
        m_wndHigh.AddString(name);
    return TRUE;
}

void CZQUncertaintyDlg::OnToLow()
{
    CString name;
    if (MoveSelected(m_wndHigh, m_wndLow, name))
        m_result.erase(std::remove(m_result.begin(), m_result.end(), name), m_result.end());
}

void CZQUncertaintyDlg::OnToHigh()
{
    CString name;
    if (MoveSelected(m_wndLow, m_wndHigh, name))
        m_result.push_back(name);
}
