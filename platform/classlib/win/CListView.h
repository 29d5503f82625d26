// CListView: a view whose window is a list-view control ("SysListView32"), for documents shown as a
// list. GetListCtrl gives the control's operations (CListCtrl) on the view's own window.
//
// The control paints itself: WM_PAINT goes to it, not to OnDraw (which draws nothing here), so a
// derived view fills the control (columns, items) and leaves drawing alone. The control's
// notifications reach the view through reflection (ON_NOTIFY_REFLECT). The view's style is set as for
// any view (WS_BORDER becomes the client edge); the list's own styles (LVS_REPORT...) are given at
// creation through PreCreateWindow or afterwards with ModifyStyle.
//
// Not done yet: printing the list.
#pragma once

#include "win/CListCtrl.h"
#include "win/CView.h"

class CListView : public CView {
    DECLARE_DYNCREATE(CListView)
    DECLARE_MESSAGE_MAP()
public:
    CListView();
    ~CListView() override;

    // The control's operations on this view's window (the same object for the life of the view).
    CListCtrl& GetListCtrl() const;
    // Draws nothing: the control paints itself.
    void OnDraw(CDC* pDC) override;

protected:
    // The window class is the list-view control's.
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    afx_msg void OnPaint();

private:
    // Borrows the view's window (never in the handle map, never destroys it).
    mutable CListCtrl m_listCtrl;
};
