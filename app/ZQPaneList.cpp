// CZQPaneList: the panes' report list whose last column fills its width (see ZQPaneList.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQPaneList.h"

IMPLEMENT_DYNAMIC(CZQPaneList, CListCtrl)

BEGIN_MESSAGE_MAP(CZQPaneList, CListCtrl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CZQPaneList::CZQPaneList() : m_bFitting(FALSE) {}

CZQPaneList::~CZQPaneList() = default;

void CZQPaneList::FitLastColumn()
{
    const HWND hHeader = m_hWnd != nullptr ? reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)) : nullptr;
    const int nColumns = hHeader != nullptr ? int(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
    if (nColumns <= 0 || m_bFitting)
        return;
    m_bFitting = TRUE;
    CRect client;
    GetClientRect(&client);
    int nOthers = 0;
    for (int i = 0; i < nColumns - 1; ++i)
        nOthers += GetColumnWidth(i);
    const int cx = (std::max)(0, client.Width() - nOthers);
    if (GetColumnWidth(nColumns - 1) != cx)
        SetColumnWidth(nColumns - 1, cx);
    m_bFitting = FALSE;
}

void CZQPaneList::OnSize(UINT nType, int cx, int cy)
{
    CListCtrl::OnSize(nType, cx, cy);
    FitLastColumn();
}
