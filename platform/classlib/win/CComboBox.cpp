#include "win/CComboBox.h"

#include <vector>

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
    rString.Empty();
    const int nLength = GetLBTextLen(nIndex);
    if (nLength == CB_ERR)
        return;
    std::vector<char> buffer(size_t(nLength) + 1, '\0');
    const int n = int(::SendMessageA(m_hWnd, CB_GETLBTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(buffer.data())));
    if (n > 0)
        rString = CString(buffer.data(), n < nLength ? n : nLength);
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
    LRESULT lResult = TRUE;
    m_comboState.bBaseItemCall = FALSE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (m_comboState.bBaseItemCall)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
