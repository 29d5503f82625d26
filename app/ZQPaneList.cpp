// CZQPaneList: the panes' report list whose fill column takes its spare width (see ZQPaneList.h).
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/ZQPaneList.h"

#include "win/ArgCheck.h"

namespace {

// What a column needs beyond its text's width: the list's margins on both sides of a cell's text, and
// the header's of a heading, fit in this.
const int kTextMargins = 12;

int ColumnCount(const CListCtrl& list)
{
    const HWND hHeader =
        list.m_hWnd != nullptr ? reinterpret_cast<HWND>(::SendMessageA(list.m_hWnd, LVM_GETHEADER, 0, 0)) : nullptr;
    return hHeader != nullptr ? int(::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CZQPaneList, CListCtrl)

BEGIN_MESSAGE_MAP(CZQPaneList, CListCtrl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CZQPaneList::CZQPaneList() : m_nFillColumn(-1), m_nFillLeastWidth(0), m_bFitting(FALSE) {}

CZQPaneList::~CZQPaneList() = default;

void CZQPaneList::SetFillColumn(int nColumn, int nLeastWidth)
{
    const int nColumns = ColumnCount(*this);
    if (nColumn < -1 || nColumn >= nColumns)
        AfxThrowInvalidArgFormat("CZQPaneList::SetFillColumn: column %d of %d", nColumn, nColumns);
    if (nLeastWidth < 0)
        AfxThrowInvalidArgFormat("CZQPaneList::SetFillColumn: least width %d", nLeastWidth);
    m_nFillColumn = nColumn;
    m_nFillLeastWidth = nLeastWidth;
    FitFillColumn();
}

void CZQPaneList::FitFillColumn()
{
    const int nColumns = ColumnCount(*this);
    if (nColumns <= 0 || m_bFitting)
        return;
    const int nFill = m_nFillColumn >= 0 && m_nFillColumn < nColumns ? m_nFillColumn : nColumns - 1;
    m_bFitting = TRUE;
    CRect client;
    GetClientRect(&client);
    int nOthers = 0;
    for (int i = 0; i < nColumns; ++i)
        if (i != nFill)
            nOthers += GetColumnWidth(i);
    const int cx = (std::max)(m_nFillLeastWidth, client.Width() - nOthers);
    if (GetColumnWidth(nFill) != cx)
        SetColumnWidth(nFill, cx);
    m_bFitting = FALSE;
}

int CZQPaneList::TextColumnWidth(const CString* pTexts, int nTexts) const
{
    if (nTexts < 0 || (nTexts > 0 && pTexts == nullptr))
        AfxThrowInvalidArgFormat("CZQPaneList::TextColumnWidth: %d texts at %p", nTexts, pTexts);
    int cxWidest = 0;
    for (int i = 0; i < nTexts; ++i)
        cxWidest = (std::max)(cxWidest, int(::SendMessageA(m_hWnd, LVM_GETSTRINGWIDTHA, 0,
                                                           reinterpret_cast<LPARAM>(LPCSTR(pTexts[i])))));
    return cxWidest + kTextMargins;
}

void CZQPaneList::OnSize(UINT nType, int cx, int cy)
{
    CListCtrl::OnSize(nType, cx, cy);
    FitFillColumn();
}
