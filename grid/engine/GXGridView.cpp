// CGXGridView: the grid as a document view (see GXGridView.h).
#include "grid/engine/GXGridView.h"

#include "grid/engine/GXFindReplace.h"
#include "grid/engine/GXGridParam.h"
#include "grid/engine/GXGridWindowForm.h"
#include "grid/engine/GXState.h"
#include "win/CDC.h"
#include "win/CPrintDialog.h"
#include "win/CPrintInfo.h"
#include "win/CSplitterWnd.h"
#include "win/CWindowDC.h"
#include "win/Win.h"

IMPLEMENT_DYNCREATE(CGXGridView, CGXView)

BEGIN_MESSAGE_MAP(CGXGridView, CGXView)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
    ON_COMMAND(ID_EDIT_FIND, OnEditFind)
    ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
    ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
END_MESSAGE_MAP()

namespace {

// Set while a grid view is being activated, so that the activation of another one it causes is left
// alone.
BOOL s_bActivating = FALSE;

// The parent splitter of pWnd whose style allows dynamic splitting; null when there is none.
CSplitterWnd* FindDynamicSplitter(CWnd* pWnd)
{
    CSplitterWnd* pSplitter = CView::GetParentSplitter(pWnd);
    return pSplitter != nullptr && (pSplitter->GetStyle() & SPLS_DYNAMIC_SPLIT) ? pSplitter : nullptr;
}

}  // namespace

CGXGridView::CGXGridView() : CGXGridCore(nullptr, nullptr, FALSE)
{
    SetGridWnd(this);
}

CGXGridView::~CGXGridView() = default;

void CGXGridView::ShowScrollBar(int nBar, BOOL bShow)
{
    if (m_hWnd != nullptr)
        CWnd::ShowScrollBar(UINT(nBar), bShow);
}

CScrollBar* CGXGridView::GetScrollBarCtrl(int nBar) const
{
    if (CScrollBar* pBar = const_cast<CGXGridView*>(this)->GetGridScrollBarCtrl(nBar))
        return pBar;
    return CGXView::GetScrollBarCtrl(nBar);
}

void CGXGridView::OnInitialUpdate()
{
    SetGridWnd(this);
    m_bIsViewContext = TRUE;
    m_pGridDoc = GetDocument();
    CSplitterWnd* pSplitter = FindDynamicSplitter(this);
    m_pSplitterWnd = pSplitter;
    const BOOL bShared = pSplitter != nullptr || m_pAppData->FindRegisteredParent(this) != nullptr;
    SetScrollBarMode(SB_BOTH, bShared ? gxScrollKeepEnd | gxScrollKeep : gxScrollKeepEnd | gxScrollAuto);
    Initialize();
    CGXView::OnInitialUpdate();
    if (GetPrintDevice() == nullptr && m_pParam->GetPrintDevice() != nullptr)
        SetPrintDevice(m_pParam->GetPrintDevice(), FALSE);
    if (pSplitter != nullptr)
        JoinSplitter(pSplitter);
    UpdateScrollbars(TRUE, FALSE);
}

void CGXGridView::JoinSplitter(CWnd* pSplitterWnd)
{
    CSplitterWnd* pSplitter = static_cast<CSplitterWnd*>(pSplitterWnd);
    int nRow = 0, nCol = 0;
    if (!pSplitter->IsChildPane(this, &nRow, &nCol))
        return;
    SetSplitterPane(pSplitter, nRow, nCol, nRow == 0, nCol == 0);
    // the neighbour whose scroll position this pane shares
    auto neighbour = [&](int row, int col) { return dynamic_cast<CGXGridView*>(pSplitter->GetPane(row, col)); };
    if (nRow > 0) {
        if (CGXGridView* pTop = neighbour(0, nCol)) {
            SetTopRow(pTop->GetTopRow(), 0, FALSE);
            SetLeftCol(pTop->GetLeftCol(), 0, FALSE);
            pTop->ForgetLastSize();
        }
    }
    if (nCol > 0) {
        if (CGXGridView* pStart = neighbour(nRow, 0)) {
            SetTopRow(pStart->GetTopRow(), 0, FALSE);
            if (nRow == 0)
                SetLeftCol(pStart->GetLeftCol(), 0, FALSE);
            pStart->ForgetLastSize();
        }
    }
}

void CGXGridView::OnUpdate(CView*, LPARAM, CObject* pHint)
{
    OnGridUpdate(pHint);
}

void CGXGridView::OnDraw(CDC* pDC)
{
    OnGridDraw(pDC);
}

void CGXGridView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    PrepareGridDC(pDC, pInfo != nullptr || pDC->IsPrinting());
}

void CGXGridView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    // a cell opening its pop-up moves the activation away for a moment: the grid keeps its state
    if (bActivate != HasFocus() && !s_bActivating && GXGetLibraryState()->GetGlobalWord() == 0) {
        const BOOL bWas = s_bActivating;
        s_bActivating = TRUE;
        try {
            OnActivateGrid(bActivate);
        } catch (...) {
            s_bActivating = bWas;
            throw;
        }
        s_bActivating = bWas;
    }
    CGXView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

BOOL CGXGridView::PreTranslateMessage(MSG* pMsg)
{
    return OnGridPreTranslateMessage(pMsg) || CGXView::PreTranslateMessage(pMsg);
}

BOOL CGXGridView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return OnGridCommand(wParam, lParam) || CGXView::OnCommand(wParam, lParam);
}

LRESULT CGXGridView::WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_PAINT) {
        if (!IsInitialized())
            AfxThrowNotSupportedException();
        CPaintDC dc(this);
        OnPrepareDC(&dc);
        OnDraw(&dc);
        return 0;
    }
    LRESULT lResult = 0;
    if (GXDispatchGridMessage(*this, *this, FALSE, nMessage, wParam, lParam, lResult,
                              [&] { return CGXView::WindowProc(nMessage, wParam, lParam); }))
        return lResult;
    return CGXView::WindowProc(nMessage, wParam, lParam);
}

// ---- printing ----------------------------------------------------------------------------------------

BOOL CGXGridView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(0xFFFF);
    pInfo->m_pPD->m_pd.Flags &= ~DWORD(PD_NOSELECTION);
    pInfo->m_pPD->m_pd.hInstance = AfxGetResourceHandle();
    return CGXView::OnPreparePrinting(pInfo);
}

void CGXGridView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridBeginPrinting(pDC, pInfo);
}

void CGXGridView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridPrint(pDC, pInfo);
}

void CGXGridView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo)
{
    OnGridEndPrinting(pDC, pInfo);
}

// ---- commands ----------------------------------------------------------------------------------------

void CGXGridView::OnEditCopy()
{
    Copy();
}

void CGXGridView::OnEditCut()
{
    Cut();
}

void CGXGridView::OnEditPaste()
{
    Paste();
}

void CGXGridView::OnEditUndo()
{
    Undo();
}

void CGXGridView::OnEditRedo()
{
    Redo();
}

void CGXGridView::OnEditFind()
{
    OnShowFindReplaceDialog(TRUE);
}

void CGXGridView::OnEditReplace()
{
    OnShowFindReplaceDialog(FALSE);
}

void CGXGridView::OnEditRepeat()
{
    if (!FindNextText(TRUE))
        OnTextNotFound(GXGetFindReplaceState().m_strFind);
}

void CGXGridView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCopy());
}

void CGXGridView::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanCut());
}

void CGXGridView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPaste());
}

void CGXGridView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    // the command factory sets the text and the state; without one the command is disabled
    pCmdUI->Enable(GetUndoMenuText(pCmdUI));
}

void CGXGridView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetRedoMenuText(pCmdUI));
}
