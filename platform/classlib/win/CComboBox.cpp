#include "win/CComboBox.h"

#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::CComboBox() = default;

CComboBox::~CComboBox() = default;

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::AddString(LPCSTR lpszString)
{
    return int(::SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return int(::SendMessageA(m_hWnd, CB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::DeleteString(UINT nIndex)
{
    return int(::SendMessageA(m_hWnd, CB_DELETESTRING, nIndex, 0));
}

void CComboBox::ResetContent()
{
    ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int CComboBox::GetCount() const
{
    return int(::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    AfxGetListItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return int(::SendMessageA(m_hWnd, CB_GETLBTEXTLEN, WPARAM(nIndex), 0));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return DWORD_PTR(::SendMessageA(m_hWnd, CB_GETITEMDATA, WPARAM(nIndex), 0));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return int(::SendMessageA(m_hWnd, CB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
}

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return int(::SendMessageA(m_hWnd, CB_FINDSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return int(::SendMessageA(m_hWnd, CB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return int(::SendMessageA(m_hWnd, CB_SELECTSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::GetCurSel() const
{
    return int(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
}

int CComboBox::SetCurSel(int nSelect)
{
    return int(::SendMessageA(m_hWnd, CB_SETCURSEL, WPARAM(nSelect), 0));
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, bShowIt, 0);
}

BOOL CComboBox::GetDroppedState() const
{
    return BOOL(::SendMessageA(m_hWnd, CB_GETDROPPEDSTATE, 0, 0));
}

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    ::SendMessageA(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}

int CComboBox::SetDroppedWidth(UINT nWidth)
{
    return int(::SendMessageA(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0));
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    return BOOL(::SendMessageA(m_hWnd, CB_LIMITTEXT, WPARAM(nMaxChars), 0));
}

DWORD CComboBox::GetEditSel() const
{
    return DWORD(::SendMessageA(m_hWnd, CB_GETEDITSEL, 0, 0));
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return BOOL(::SendMessageA(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)));
}

int CComboBox::GetItemHeight(int nIndex) const
{
    return int(::SendMessageA(m_hWnd, CB_GETITEMHEIGHT, WPARAM(nIndex), 0));
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return int(::SendMessageA(m_hWnd, CB_SETITEMHEIGHT, WPARAM(nIndex), LPARAM(cyItemHeight)));
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
    m_comboState.bBaseItemCall = TRUE;
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    m_comboState.bBaseItemCall = TRUE;
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    m_comboState.bBaseItemCall = TRUE;
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT)
{
    m_comboState.bBaseItemCall = TRUE;
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (AfxReflectOwnerDrawItem(*this, m_comboState.bBaseItemCall, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
