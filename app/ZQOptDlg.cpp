// CZQOptDlg: the Options dialog (see ZQOptDlg.h).
#include "app/ZQOptDlg.h"

#include "res/resource.h"

namespace {

const double kLowestThreshold = 0.0;
const double kHighestThreshold = 0.5;

} // namespace

CZQOptDlg::CZQOptDlg(CWnd* pParentWnd) : CDialog(IDD_ZQ_OPTIONS, pParentWnd), m_dDelta(0.0), m_dEpsilon(0.0) {}

CZQOptDlg::~CZQOptDlg() = default;

void CZQOptDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ZQ_DELTA, m_dDelta);
    DDV_MinMaxDouble(pDX, m_dDelta, kLowestThreshold, kHighestThreshold);
    DDX_Text(pDX, IDC_ZQ_EPSILON, m_dEpsilon);
    DDV_MinMaxDouble(pDX, m_dEpsilon, kLowestThreshold, kHighestThreshold);
}
