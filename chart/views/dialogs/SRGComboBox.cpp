#include "chart/views/dialogs/SRGComboBox.h"

#include "chart/views/dialogs/ChartEntryList.h"

IMPLEMENT_DYNAMIC(SRGComboBox, CComboBox)

SRGComboBox::SRGComboBox() = default;

int SRGComboBox::RenameEntry(int nIndex, LPCSTR lpszText)
{
    return ChartEntryList::Rename(*this, nIndex, lpszText) ? 1 : 0;
}

void SRGComboBox::MoveEntry(int nFrom, int nTo)
{
    ChartEntryList::Move(*this, nFrom, nTo);
}

void SRGComboBox::ReplaceData(DWORD_PTR dwOld, DWORD_PTR dwNew)
{
    ChartEntryList::ReplaceData(*this, dwOld, dwNew);
}

int SRGComboBox::SelectByKey(int nKey)
{
    const int nCount = GetCount();
    int nFound = -1;
    for (int i = 0; i < nCount && nFound < 0; ++i) {
        const DWORD_PTR dwData = GetItemData(i);
        if (dwData != 0 && dwData != DWORD_PTR(CB_ERR) && *reinterpret_cast<const int*>(dwData) == nKey)
            nFound = i;
    }
    return SelectOrFirst(nFound);
}

void SRGComboBox::DeleteByData(DWORD_PTR dwData)
{
    ChartEntryList::DeleteByData(*this, dwData);
}

DWORD_PTR SRGComboBox::GetSelectedData()
{
    return ChartEntryList::SelectedData(*this);
}

int SRGComboBox::AddEntry(LPCSTR lpszText, DWORD_PTR dwData)
{
    return ChartEntryList::Add(*this, lpszText, dwData);
}

int SRGComboBox::SelectByData(DWORD_PTR dwData)
{
    return SelectOrFirst(ChartEntryList::FindData(*this, dwData));
}

int SRGComboBox::SelectOrFirst(int nIndex)
{
    if (m_hWnd == nullptr || GetCount() <= 0)
        return -1;
    return SetCurSel(nIndex >= 0 ? nIndex : 0);
}
