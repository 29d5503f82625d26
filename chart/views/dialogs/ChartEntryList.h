// The entry operations that the chart dialogs' data-carrying lists share (SRGComboBox over a combo box,
// SRGDragListBox over a list box): every entry is a text with a data value, and these functions find,
// move, rename and re-key entries keeping each text with its data. TList is CComboBox or CListBox.
#pragma once

#include "win/Win.h"

#include <windows.h>

namespace ChartEntryList {

inline void Text(const CComboBox& list, int nIndex, CString& rText)
{
    list.GetLBText(nIndex, rText);
}

inline void Text(const CListBox& list, int nIndex, CString& rText)
{
    list.GetText(nIndex, rText);
}

// The index of the first entry whose data is dwData; -1 when none has it.
template <class TList>
int FindData(const TList& list, DWORD_PTR dwData)
{
    const int nCount = list.GetCount();
    for (int i = 0; i < nCount; ++i)
        if (list.GetItemData(i) == dwData)
            return i;
    return -1;
}

// Every entry whose data is dwOld gets dwNew.
template <class TList>
void ReplaceData(TList& list, DWORD_PTR dwOld, DWORD_PTR dwNew)
{
    const int nCount = list.GetCount();
    for (int i = 0; i < nCount; ++i)
        if (list.GetItemData(i) == dwOld)
            list.SetItemData(i, dwNew);
}

// Replaces the text of entry nIndex, keeping its data and its selection. FALSE (nothing changed) when
// nIndex is not an entry or an entry has the text already (compared without case).
template <class TList>
BOOL Rename(TList& list, int nIndex, LPCSTR lpszText)
{
    if (lpszText == nullptr || nIndex < 0 || nIndex >= list.GetCount() || list.FindStringExact(-1, lpszText) >= 0)
        return FALSE;
    const DWORD_PTR dwData = list.GetItemData(nIndex);
    const bool bSelected = list.GetCurSel() == nIndex;
    list.DeleteString(UINT(nIndex));
    if (list.InsertString(nIndex, lpszText) < 0)
        return FALSE;
    list.SetItemData(nIndex, dwData);
    if (bSelected)
        list.SetCurSel(nIndex);
    return TRUE;
}

// Moves entry nFrom with its data so that it lands before the entry that was at nTo (at the end for nTo
// equal to the count). Returns where it landed; -1 (nothing moved) when nFrom equals nTo or either lies
// outside the entries. The moved entry stays selected when it was.
template <class TList>
int Move(TList& list, int nFrom, int nTo)
{
    const int nCount = list.GetCount();
    if (nFrom == nTo || nFrom < 0 || nFrom >= nCount || nTo < 0 || nTo > nCount)
        return -1;
    CString text;
    Text(list, nFrom, text);
    const DWORD_PTR dwData = list.GetItemData(nFrom);
    const bool bSelected = list.GetCurSel() == nFrom;
    list.DeleteString(UINT(nFrom));
    // the entries above the one moved shift up by one once it is gone
    const int nAt = list.InsertString(nFrom < nTo ? nTo - 1 : nTo, text);
    if (nAt < 0)
        return -1;
    list.SetItemData(nAt, dwData);
    if (bSelected)
        list.SetCurSel(nAt);
    return nAt;
}

// Appends an entry. Returns its index, or a negative error code (the data then not set).
template <class TList>
int Add(TList& list, LPCSTR lpszText, DWORD_PTR dwData)
{
    const int nIndex = list.AddString(lpszText);
    if (nIndex >= 0)
        list.SetItemData(nIndex, dwData);
    return nIndex;
}

// Deletes the first entry whose data is dwData (nothing when none has it).
template <class TList>
void DeleteByData(TList& list, DWORD_PTR dwData)
{
    const int nIndex = FindData(list, dwData);
    if (nIndex >= 0)
        list.DeleteString(UINT(nIndex));
}

// The data of the selected entry; DWORD_PTR(-1) when nothing is selected.
template <class TList>
DWORD_PTR SelectedData(const TList& list)
{
    const int nSelected = list.GetCurSel();
    return nSelected < 0 ? DWORD_PTR(-1) : list.GetItemData(nSelected);
}

} // namespace ChartEntryList
