// CZQAboutDlg: the plain about window (see ZQAboutDlg.h).
#include "app/ZQAboutDlg.h"

#include "res/resource.h"

CZQAboutDlg::CZQAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ZQ_ABOUT_PLAIN, pParentWnd) {}

CZQAboutDlg::~CZQAboutDlg() = default;

INT_PTR CZQAboutDlg::Run(CWnd* pParentWnd)
{
    CZQAboutDlg dlg(pParentWnd);
    return dlg.DoModal();
}

void CZQAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZQ_ANIMATION, m_Animation);
}

BOOL CZQAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_Animation.Open(IDR_ZQ_ABOUT_CLIP))
        m_Animation.Play(0, UINT(-1), UINT(-1));
    return TRUE;
}
