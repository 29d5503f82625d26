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
// Printing. A view prints when its table maps ID_FILE_PRINT and ID_FILE_PRINT_DIRECT to OnFilePrint
// (CView maps neither itself). OnFilePrint runs the print loop:
//  1. OnPreparePrinting (its DoPreparePrinting shows the print dialog through the services object, or
//     for ID_FILE_PRINT_DIRECT takes the application's printer without a dialog); FALSE ends here.
//  2. With "print to file" chosen, a file dialog asks for the output file; cancelling ends here.
//  3. OnBeginPrinting; the abort procedure is set and the main window disabled; StartDoc with the
//     name GetPrintJobName gives (base: the document's title, the frame's for a view without one).
//  4. For each page of the range (all pages, or the range chosen, within GetMinPage..GetMaxPage as
//     they stand after OnBeginPrinting): m_rectDraw = the page in device units, OnPrepareDC (which
//     may clear m_bContinuePrinting: the loop then ends before this page), m_rectDraw in logical
//     units, StartPage, OnPrint, EndPage.
//  5. EndDoc (AbortDoc when StartPage or EndPage failed), the main window enabled, OnEndPrinting.
// An exception from steps 3 to 5 ends the job with AbortDoc (when the document was started);
// OnEndPrinting still runs, the main window is enabled again and the exception is reported once
// through the services object. The printer DC is the one the dialog or the application's printer gave
// (CDC::FromHandle, so a DC object that stands for a printer answers itself); it is deleted with the
// CPrintInfo. Without a DC for the printer the message AFX_IDP_FAILED_TO_CREATE_DC is shown and
// nothing is printed.
//
// Print preview (ID_FILE_PRINT_PREVIEW mapped to OnFilePrintPreview): see CPreviewView.h. The view's
// printing steps run with m_bPreview set; OnEndPrintPreview ends it. A view destroyed while a preview
// shows it ends the preview first.
//
// Splitters: a view that is a pane of a CSplitterWnd uses the splitter's shared scroll bars for the
// directions it has no bar of its own (GetScrollBarCtrl). The next and previous pane commands
// (ID_NEXT_PANE, ID_PREV_PANE) have no handler: they stay disabled and do nothing.
#pragma once

#include "win/CWnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;
class CPreviewView;
class CSplitterWnd;

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
    // Prepares pDC before OnDraw (pInfo: the printing state, null on the screen). Base: a job whose
    // document never set its last page (GetMaxPage still 0xFFFF) ends after the first page.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The view becomes active (bActivate, pActivateView == this) or stops being so. Base: an
    // activated view takes the focus when its top-level window is active.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    // The view's frame was activated (nState WA_*). Base: nothing.
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // The view's table, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The splitter whose pane pWnd is (its parent), or null.
    static CSplitterWnd* GetParentSplitter(const CWnd* pWnd);
    // None for a direction the view has a bar of its own for (WS_HSCROLL / WS_VSCROLL); otherwise the
    // shared bar of its splitter (AFX_IDW_HSCROLL_FIRST / AFX_IDW_VSCROLL_FIRST), null without one.
    CScrollBar* GetScrollBarCtrl(int nBar) const override;

protected:
    CView();

    // ---- printing (see the top of this file) -------------------------------------------------------

    // Prepares the job: the page range and the dialog's settings in pInfo. FALSE cancels the job. Base:
    // DoPreparePrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // Gets pInfo a printer DC (pInfo->m_pPD->m_pd.hDC): for a preview or direct printing from the
    // application's printer, otherwise from the print dialog run on the application's printer
    // (CWinApp::DoPrintDialog). FALSE when the dialog was cancelled or no DC could be made (the
    // latter after the message AFX_IDP_FAILED_TO_CREATE_DC).
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // Before the first page / after the last (pDC the printer DC, or the preview's DC). Base: nothing.
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Prints page pInfo->m_nCurPage into pInfo->m_rectDraw. Base: OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    // The document name the print loop gives StartDoc. Base: the document's title, else the parent
    // frame's, else empty.
    virtual CString GetPrintJobName();
    // The preview pView closes: base OnEndPrinting, then the frame gets its view and bars back (the
    // preview view is destroyed).
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

    // The print loop (ID_FILE_PRINT; ID_FILE_PRINT_DIRECT prints without the dialog).
    afx_msg void OnFilePrint();
    // Opens the print preview in the main frame.
    afx_msg void OnFilePrintPreview();

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
    friend class CPreviewView;
};
