#include "chart/views/dialogs/SRGComboBox.h"

IMPLEMENT_DYNAMIC(SRGComboBox, CComboBox)

SRGComboBox::SRGComboBox() = default;

int SRGComboBox::RenameEntry(int nIndex, LPCSTR lpszText)
{
    if (lpszText == nullptr || nIndex < 0 || nIndex >= GetCount() || FindStringExact(-1, lpszText) != CB_ERR)
        return 0;
    const DWORD_PTR dwData = GetItemData(nIndex);
    const bool bSelected = GetCurSel() == nIndex;
    DeleteString(UINT(nIndex));
    if (InsertString(nIndex, lpszText) < 0)
        return 0;
    SetItemData(nIndex, dwData);
    if (bSelected)
        SetCurSel(nIndex);
    return 1;
}

void SRGComboBox::MoveEntry(int nFrom, int nTo)
{
    const int nCount = GetCount();
    if (nFrom == nTo || nFrom < 0 || nFrom >= nCount || nTo < 0 || nTo > nCount)
        return;
    CString text;
    GetLBText(nFrom, text);
    const DWORD_PTR dwData = GetItemData(nFrom);
    const bool bSelected = GetCurSel() == nFrom;
    DeleteString(UINT(nFrom));
    // the entries above the one moved shift up by one once it is gone
    const int nAt = InsertString(nFrom < nTo ? nTo - 1 : nTo, text);
    if (nAt < 0)
        return;
    SetItemData(nAt, dwData);
    if (bSelected)
        SetCurSel(nAt);
}

void SRGComboBox::ReplaceData(DWORD_PTR dwOld, DWORD_PTR dwNew)
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        if (GetItemData(i) == dwOld)
            SetItemData(i, dwNew);
}

int SRGComboBox::SelectByKey(int nKey)
{
    const int nCount = GetCount();
    int nFound = -1;
    for (int i = 0; i < nCount && nFound < 0; ++i) {
        const DWORD_PTR dwData = GetItemData(i);
        if (dwData != 0 && *reinterpret_cast<const int*>(dwData) == nKey)
            nFound = i;
    }
    return SelectOrFirst(nFound);
}

void SRGComboBox::DeleteByData(DWORD_PTR dwData)
{
    const int nIndex = FindData(dwData);
    if (nIndex >= 0)
        DeleteString(UINT(nIndex));
}

DWORD_PTR SRGComboBox::GetSelectedData()
{
    const int nSelected = GetCurSel();
    return nSelected == CB_ERR ? DWORD_PTR(-1) : GetItemData(nSelected);
}

int SRGComboBox::AddEntry(LPCSTR lpszText, DWORD_PTR dwData)
{
    const int nIndex = AddString(lpszText);
    if (nIndex >= 0)
        SetItemData(nIndex, dwData);
    return nIndex;
}

int SRGComboBox::SelectByData(DWORD_PTR dwData)
{
    return SelectOrFirst(FindData(dwData));
}

int SRGComboBox::FindData(DWORD_PTR dwData) const
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        if (GetItemData(i) == dwData)
            return i;
    return -1;
}

int SRGComboBox::SelectOrFirst(int nIndex)
{
    if (m_hWnd == nullptr || GetCount() <= 0)
        return -1;
    return SetCurSel(nIndex >= 0 ? nIndex : 0);
}
