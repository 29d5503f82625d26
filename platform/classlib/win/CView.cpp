// CView: joining the document, painting through OnPrepareDC and OnDraw, activation within the frame
// and command routing to the document.
#include "win/CView.h"

#include "win/CPrintInfo.h"

#include "win/ArgCheck.h"
#include "win/CCreateContext.h"
#include "win/CDocument.h"
#include "win/CFrameWnd.h"
#include "win/CPreviewView.h"
#include "win/CWindowDC.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView()
{
    if (m_viewState.pDocument != nullptr)
        m_viewState.pDocument->RemoveView(this);
}

CDocument* CView::GetDocument() const
{
    return m_viewState.pDocument;
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~LONG(WS_BORDER);
    }
    return CWnd::PreCreateWindow(cs);
}

void CView::PostNcDestroy()
{
    delete this;
}

int CView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    // a view that goes while a print preview shows it ends the preview first, with its end step
    CPreviewView::EndPreviewOf(this);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr);
    CWnd::OnDestroy();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    (void)pSender;
    (void)lHint;
    (void)pHint;
    Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    AfxRequirePointer(pDC, "CView::OnPrepareDC", "pDC");
    // a document that never said how long it is has one page
    if (pInfo != nullptr && pInfo->GetMaxPage() == 0xFFFF && pInfo->m_nCurPage > 1)
        pInfo->m_bContinuePrinting = FALSE;
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    (void)pActivateView;
    (void)pDeactiveView;
    if (!bActivate || m_hWnd == nullptr)
        return;
    // a view out of sight (behind a print preview, in a hidden window) leaves the keyboard to what shows
    CWnd* pTop = GetTopLevelParent();
    if (pTop != nullptr)
        AfxFocusVisibleWithin(pTop->m_hWnd, m_hWnd);
}

void CView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd)
{
    (void)nState;
    (void)pFrameWnd;
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr) {
        const HWND hWndFocus = ::GetFocus();
        if (pFrame->GetActiveView() == this && m_hWnd != hWndFocus && !::IsChild(m_hWnd, hWndFocus))
            OnActivateView(TRUE, this, this); // active already: take the focus back
        else
            pFrame->SetActiveView(this);
    }
    return nResult;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_viewState.pDocument != nullptr && m_viewState.pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
