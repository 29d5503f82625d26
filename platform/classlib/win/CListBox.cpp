#include "win/CListBox.h"

#include "win/WndInternal.h"

#include <vector>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

void AfxGetListItemText(HWND hWnd, UINT msgTextLen, UINT msgText, int nIndex, CString& rString)
{
    rString.Empty();
    const int nLength = int(::SendMessageA(hWnd, msgTextLen, WPARAM(nIndex), 0));
    if (nLength == LB_ERR)
        return;
    std::vector<char> buffer(size_t(nLength) + 1, '\0');
    const int n = int(::SendMessageA(hWnd, msgText, WPARAM(nIndex), reinterpret_cast<LPARAM>(buffer.data())));
    if (n > 0)
        rString = CString(buffer.data(), n < nLength ? n : nLength);
}

CListBox::CListBox() = default;

CListBox::~CListBox() = default;

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::AddString(LPCSTR lpszItem)
{
    return int(::SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return int(::SendMessageA(m_hWnd, LB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::DeleteString(UINT nIndex)
{
    return int(::SendMessageA(m_hWnd, LB_DELETESTRING, nIndex, 0));
}

void CListBox::ResetContent()
{
    ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::GetCount() const
{
    return int(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    AfxGetListItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

int CListBox::GetTextLen(int nIndex) const
{
    return int(::SendMessageA(m_hWnd, LB_GETTEXTLEN, WPARAM(nIndex), 0));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return DWORD_PTR(::SendMessageA(m_hWnd, LB_GETITEMDATA, WPARAM(nIndex), 0));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return int(::SendMessageA(m_hWnd, LB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
}

void* CListBox::GetItemDataPtr(int nIndex) const
{
    return reinterpret_cast<void*>(GetItemData(nIndex));
}

int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, DWORD_PTR(pData));
}

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return int(::SendMessageA(m_hWnd, LB_FINDSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return int(::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, WPARAM(nIndexStart), reinterpret_cast<LPARAM>(lpszFind)));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return int(::SendMessageA(m_hWnd, LB_SELECTSTRING, WPARAM(nStartAfter), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::GetCurSel() const
{
    return int(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int nSelect)
{
    return int(::SendMessageA(m_hWnd, LB_SETCURSEL, WPARAM(nSelect), 0));
}

int CListBox::GetSel(int nIndex) const
{
    return int(::SendMessageA(m_hWnd, LB_GETSEL, WPARAM(nIndex), 0));
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return int(::SendMessageA(m_hWnd, LB_SETSEL, bSelect, LPARAM(nIndex)));
}

int CListBox::GetSelCount() const
{
    return int(::SendMessageA(m_hWnd, LB_GETSELCOUNT, 0, 0));
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return int(::SendMessageA(m_hWnd, LB_GETSELITEMS, WPARAM(nMaxItems), reinterpret_cast<LPARAM>(rgIndex)));
}

int CListBox::GetTopIndex() const
{
    return int(::SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
}

int CListBox::SetTopIndex(int nIndex)
{
    return int(::SendMessageA(m_hWnd, LB_SETTOPINDEX, WPARAM(nIndex), 0));
}

int CListBox::GetCaretIndex() const
{
    return int(::SendMessageA(m_hWnd, LB_GETCARETINDEX, 0, 0));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return int(::SendMessageA(m_hWnd, LB_GETITEMRECT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpRect)));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return int(::SendMessageA(m_hWnd, LB_GETITEMHEIGHT, WPARAM(nIndex), 0));
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return int(::SendMessageA(m_hWnd, LB_SETITEMHEIGHT, WPARAM(nIndex), LPARAM(cyItemHeight)));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    const DWORD dw = DWORD(::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dw) != 0;
    return LOWORD(dw);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
    m_listState.bBaseItemCall = TRUE;
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    m_listState.bBaseItemCall = TRUE;
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    m_listState.bBaseItemCall = TRUE;
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT)
{
    m_listState.bBaseItemCall = TRUE;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (AfxReflectOwnerDrawItem(*this, m_listState.bBaseItemCall, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
