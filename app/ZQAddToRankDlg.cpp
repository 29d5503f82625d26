// CZQAddToRankDlg: the rank dialog of "Add to Other..." (see ZQAddToRankDlg.h).
#include "app/ZQAddToRankDlg.h"

#include "res/resource.h"

CZQAddToRankDlg::CZQAddToRankDlg(int nRanks, CWnd* pParentWnd)
    : CDialog(IDD_ZQ_ADD_TO_RANK, pParentWnd), m_nRank(0), m_nRanks(nRanks < 0 ? 0 : nRanks)
{
}

CZQAddToRankDlg::~CZQAddToRankDlg() = default;

BOOL CZQAddToRankDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndRanks.SubclassDlgItem(IDC_ZQ_RANK_NUMBER, this);
    for (int nRank = 1; nRank <= m_nRanks + 1; ++nRank) {
        CString text;
        text.Format("%d", nRank);
        m_wndRanks.AddString(text);
    }
    m_wndRanks.SetCurSel(0);
    return TRUE;
}

void CZQAddToRankDlg::OnOK()
{
    m_nRank = m_wndRanks.GetCurSel() + 1;
    CDialog::OnOK();
}
