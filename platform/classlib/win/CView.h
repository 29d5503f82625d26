// CView: the window that shows a document inside a frame.
//
// A view is made by its frame from the CCreateContext (CFrameWnd::CreateView) and joins the context's
// document when its window is created; it leaves the document when it is deleted. Views live on the
// heap: the object deletes itself after its window is gone.
//
// Updates: WM_INITIALUPDATE (sent by the frame's InitialUpdateFrame) calls OnInitialUpdate, whose base
// calls OnUpdate(null, 0, null); OnUpdate's base invalidates the window. WM_PAINT prepares a paint DC
// with OnPrepareDC and draws with OnDraw.
//
// Activation: a click in a view that is not its frame's active view makes it active (the frame's
// SetActiveView); OnActivateView(TRUE) gives the view the focus while its top-level window is
// active. A view being destroyed stops being its frame's active view.
//
// Commands routed to a view go to its table, then to its document.
//
// A view made with WS_BORDER gets the client edge instead.
//
// Not done yet: printing and print preview (OnPreparePrinting, OnPrint...), splitter panes.
#pragma once

#include "win/CWnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;

// The style CreateView gives a view.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
    DECLARE_MESSAGE_MAP()
public:
    ~CView() override;

    // The view's document (null when it has none).
    CDocument* GetDocument() const;

    // Called once the frame is made, before the view is first shown. Base: OnUpdate(null, 0, null).
    virtual void OnInitialUpdate();
    // The document changed: pSender the view that made the change (or null), lHint and pHint what
    // changed (the document's own code). Base: invalidates the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // Draws the document into pDC (prepared by OnPrepareDC).
    virtual void OnDraw(CDC* pDC) = 0;
    // Prepares pDC before OnDraw (pInfo: the printing state, null on the screen). Base: nothing.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The view becomes active (bActivate, pActivateView == this) or stops being so. Base: an
    // activated view takes the focus when its top-level window is active.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    // The view's frame was activated (nState WA_*). Base: nothing.
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // The view's table, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CView();

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Deletes the object.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    struct CViewState {
        CDocument* pDocument = nullptr; // the document shown
    } m_viewState;

    friend class CDocument;
};
