// CZQEditCtrl: the name box of the alternatives pane and of the scale-values page (see ZQEditCtrl.h).
#include "app/ZQEditCtrl.h"

#include "win/ArgCheck.h"

namespace {

// The longest name the box gives.
const int kMaxName = 1024;

} // namespace

CZQEditCtrlOwner::~CZQEditCtrlOwner() = default;

IMPLEMENT_DYNAMIC(CZQEditCtrl, CEdit)

BEGIN_MESSAGE_MAP(CZQEditCtrl, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
END_MESSAGE_MAP()

CZQEditCtrl::CZQEditCtrl() : m_pOwner(nullptr) {}

CZQEditCtrl::~CZQEditCtrl() = default;

BOOL CZQEditCtrl::CreateNameBox(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CZQEditCtrlOwner* pOwner)
{
    AfxRequirePointer(pOwner, "CZQEditCtrl::CreateNameBox", "pOwner");
    m_pOwner = pOwner;
    return CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

CString CZQEditCtrl::GetName() const
{
    char buffer[kMaxName + 1] = {};
    GetWindowText(buffer, sizeof buffer);
    return buffer;
}

void CZQEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    if (m_pOwner != nullptr)
        m_pOwner->OnNameBoxKey(nChar);
}

UINT CZQEditCtrl::OnGetDlgCode()
{
    return CEdit::OnGetDlgCode() | DLGC_WANTALLKEYS;
}

void CZQEditCtrl::OnChange()
{
    if (m_pOwner != nullptr)
        m_pOwner->OnNameBoxChange();
}
