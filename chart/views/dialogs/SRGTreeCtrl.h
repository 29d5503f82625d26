// SRGTreeCtrl: the tree of the chart edit dialog. It remembers where the mouse was last (in screen
// coordinates, where the dialog opens its context menu) and which item the last press of the left or
// right button hit (the current item the dialog's commands act on; null when the press hit no item).
#pragma once

#include "win/Win.h"

#include <windows.h>

class SRGTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(SRGTreeCtrl)
    DECLARE_MESSAGE_MAP()
public:
    SRGTreeCtrl();

    CPoint GetLastCursorPos() const { return m_ptCursor; }
    HTREEITEM GetCurrentItem() const { return m_hCurrent; }
    // Makes hItem the current item (null: none); the dialog keeps it valid across a rebuilt tree.
    void SetCurrentItem(HTREEITEM hItem) { m_hCurrent = hItem; }

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    // Both buttons: the current item is the one under the point.
    afx_msg void OnButtonDown(UINT nFlags, CPoint point);

    CPoint m_ptCursor;
    HTREEITEM m_hCurrent;
};
