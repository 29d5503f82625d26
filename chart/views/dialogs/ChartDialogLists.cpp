#include "chart/views/dialogs/ChartDialogLists.h"

void FillComboFromList(CWnd& rDialog, int nIDC, UINT nIDS)
{
    const HWND hWndCombo = ::GetDlgItem(rDialog.m_hWnd, nIDC);
    if (hWndCombo == nullptr)
        return;
    CString list;
    AfxLoadString(nIDS, list);
    CString entry;
    for (int i = 0; AfxExtractSubString(entry, list, i); ++i)
        ::SendMessageA(hWndCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.GetString()));
}
