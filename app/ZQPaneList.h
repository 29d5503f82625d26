// CZQPaneList: the report list of the alternatives and the criteria pane. One of its columns, the fill
// column (the last unless SetFillColumn names another), takes the width of the client area that the
// other columns leave, but never less than its least width; the other columns keep their widths. So the
// list shows a horizontal scroll bar only when the other columns and the fill column's least width are
// wider than the list. The fill column is fitted again whenever the client area changes size (the pane
// resized, the vertical scroll bar coming or going).
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQPaneList : public CListCtrl {
    DECLARE_DYNAMIC(CZQPaneList)
    DECLARE_MESSAGE_MAP()
public:
    CZQPaneList();
    ~CZQPaneList() override;

    // Makes column nColumn (-1: the last) the fill column, never narrower than nLeastWidth pixels, and
    // fits it. A column the list does not have (yet) is refused with CInvalidArgException, and so is a
    // negative least width.
    void SetFillColumn(int nColumn, int nLeastWidth = 0);
    // Gives the fill column the client area's width less the other columns' widths, at least its
    // least width; nothing without a window or a column.
    void FitFillColumn();
    // The width a column needs to show each of the nTexts texts of pTexts whole in the list's font, as
    // the list draws the texts of its cells and headings (their margins included). At least 0.
    int TextColumnWidth(const CString* pTexts, int nTexts) const;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);

    int m_nFillColumn;     // -1: the last
    int m_nFillLeastWidth; // the fill column's least width
    BOOL m_bFitting;       // FitFillColumn runs (a width set may change the scroll bars and the size again)
};
