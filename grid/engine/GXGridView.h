// CGXGridView: the grid as a document view. The view is the grid core's window: it hands the window's
// messages and commands to the core (GXGridWindowForm.h) and prints through the class library's print
// loop and preview. The application's evaluations grid and comparison matrix derive from it.
//
// First update (OnInitialUpdate): the core's view-context flag becomes 1 and the document the view's;
// a parent splitter with the dynamic-split style is kept; both scroll bars get mode 10 (12 inside such
// a splitter or a window of the splitter classes registered with the library); the core initialises;
// CGXView's first update runs; the view takes the parameter object's print device (none until the
// grid's print device exists); a splitter pane takes its place, and a pane below the first row or
// right of the first column starts at the top row and left column of its neighbouring grid pane;
// then UpdateScrollbars(TRUE, FALSE).
//
// Commands: Copy, Cut and Paste and their update handlers follow the core's answers; Undo and Redo
// go to the command factory (disabled without one); Find, Replace and Repeat go to the find-replace
// module (Repeat beeps when it finds nothing, or without the module); Print and Print Preview run the
// class library's print loop, the core taking part through OnBeginPrinting, OnPrint, OnEndPrinting.
// Preparing printing asks the print dialog for pages 1 to 0xFFFF and allows the selection.
//
// Painting a view whose grid is not initialised raises CNotSupportedException* (the window's exception
// barrier validates it, so it is not asked again).
//
// Derived views: the grid's messages go to the core's OnGrid... handlers before the message map, which
// sees a message only when the core leaves it to the default processing (WM_DESTROY always, after the
// find dialog was closed; the commands always). Override the core's handlers to change the grid's.
#pragma once

#include "grid/engine/GXCore.h"
#include "grid/engine/GXView.h"

class CGXGridView : public CGXView, public CGXGridCore {
    DECLARE_DYNCREATE(CGXGridView)
    DECLARE_MESSAGE_MAP()
public:
    CGXGridView();
    ~CGXGridView() override;

    // The grid's scroll-bar operations act on the view's window.
    void ShowScrollBar(int nBar, BOOL bShow = TRUE) override;
    using CGXGridCore::GetScrollPos;
    using CGXGridCore::GetScrollRange;
    using CGXGridCore::SetScrollPos;
    using CGXGridCore::SetScrollRange;

    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC* pDC) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditPaste();
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnEditFind();
    afx_msg void OnEditReplace();
    afx_msg void OnEditRepeat();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);

private:
    // The splitter pane's place and, below the first row or right of the first column, the top row
    // and left column of the neighbouring pane (step 7 of the first update).
    void JoinSplitter(CWnd* pSplitter);
};
