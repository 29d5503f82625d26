#include "win/CCommonDialog.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
}

CCommonDialog::~CCommonDialog() = default;

HWND CCommonDialog::GetOwnerHandle() const
{
    HWND hWndTop = nullptr;
    GetSafeOwner(m_pParentWnd, &hWndTop);
    return hWndTop;
}
