// CZQPaneList: the report list of the alternatives and the criteria pane. Its last column fills the
// width of the client area that the other columns leave, so that the list shows a horizontal scroll bar
// only when those columns alone are wider than the list: the column is fitted again whenever the
// client area changes size (the pane resized, the vertical scroll bar coming or going).
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQPaneList : public CListCtrl {
    DECLARE_DYNAMIC(CZQPaneList)
    DECLARE_MESSAGE_MAP()
public:
    CZQPaneList();
    ~CZQPaneList() override;

    // Gives the last column the client area's width less the other columns' widths (none when they
    // are wider); nothing without a window or a column.
    void FitLastColumn();

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);

    BOOL m_bFitting; // FitLastColumn runs (a width set may change the scroll bars and the size again)
};
