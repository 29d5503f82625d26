// CSplitterWnd: a static arrangement of panes, their ids and layout, and the shared scroll bars.
#include "win/CSplitterWnd.h"

#include "win/ArgCheck.h"
#include "win/CCreateContext.h"
#include "win/CFrameWnd.h"
#include "win/CView.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() : m_nRows(0), m_nCols(0), m_bHasHScroll(FALSE), m_bHasVScroll(FALSE)
{
    for (int i = 0; i < kMaxPanes; ++i)
        m_cyRows[i] = m_cxCols[i] = -1;
}

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    AfxRequirePointer(pParentWnd, "CSplitterWnd::CreateStatic", "pParentWnd");
    if (nRows < 1 || nRows > kMaxPanes || nCols < 1 || nCols > kMaxPanes)
        AfxThrowInvalidArgFormat("CSplitterWnd::CreateStatic: %d rows by %d columns (1 to 16 each)", nRows, nCols);
    m_nRows = nRows;
    m_nCols = nCols;
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    const DWORD dwWndStyle = (dwStyle & ~DWORD(WS_HSCROLL | WS_VSCROLL)) | WS_CHILD | WS_CLIPCHILDREN;
    const LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!Create(lpszClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID, nullptr))
        return FALSE;
    if (m_bHasHScroll)
        m_wndHScroll.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, AFX_IDW_HSCROLL_FIRST);
    if (m_bHasVScroll)
        m_wndVScroll.Create(WS_VISIBLE | SBS_VERT, CRect(0, 0, 0, 0), this, AFX_IDW_VSCROLL_FIRST);
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    AfxRequirePointer(pViewClass, "CSplitterWnd::CreateView", "pViewClass");
    if (GetPane(row, col) != nullptr)
        AfxThrowInvalidArgFormat("CSplitterWnd::CreateView: pane (%d, %d) has a view already", row, col);
    if (!pViewClass->IsDerivedFrom(RUNTIME_CLASS(CWnd)) || !pViewClass->IsCreatable())
        AfxThrowInvalidArgFormat("CSplitterWnd::CreateView: class %s is not a creatable window class",
                                 pViewClass->m_lpszClassName);
    if (m_cyRows[row] < 0)
        m_cyRows[row] = sizeInit.cy;
    if (m_cxCols[col] < 0)
        m_cxCols[col] = sizeInit.cx;
    CWnd* pView = static_cast<CWnd*>(pViewClass->CreateObject());
    // a view that cannot be made deletes itself (CView::PostNcDestroy)
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW & ~DWORD(WS_BORDER), CRect(0, 0, 0, 0), this,
                       UINT(IdFromRowCol(row, col)), pContext))
        return FALSE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == nullptr && pView->IsKindOf(RUNTIME_CLASS(CView)))
        pFrame->SetActiveView(static_cast<CView*>(pView), FALSE);
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols)
        AfxThrowInvalidArgFormat("CSplitterWnd::GetPane: pane (%d, %d) outside %d rows by %d columns", row, col,
                                 m_nRows, m_nCols);
    return GetDlgItem(IdFromRowCol(row, col));
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + row * 16 + col;
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    const int nID = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    const int row = nID / 16, col = nID % 16;
    if (nID < 0 || row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow != nullptr)
        *pRow = row;
    if (pCol != nullptr)
        *pCol = col;
    return TRUE;
}

CScrollBar* CSplitterWnd::GetSharedScrollBar(int nBar) const
{
    const CScrollBar& bar = nBar == SB_HORZ ? m_wndHScroll : m_wndVScroll;
    return bar.m_hWnd != nullptr ? const_cast<CScrollBar*>(&bar) : nullptr;
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect rect;
    GetClientRect(&rect);
    const int cxBar = m_bHasVScroll ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int cyBar = m_bHasHScroll ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
    CRect rectPanes(rect.left, rect.top, rect.right - cxBar, rect.bottom - cyBar);
    if (m_wndHScroll.m_hWnd != nullptr)
        m_wndHScroll.MoveWindow(rectPanes.left, rectPanes.bottom, rectPanes.Width(), cyBar);
    if (m_wndVScroll.m_hWnd != nullptr)
        m_wndVScroll.MoveWindow(rectPanes.right, rectPanes.top, cxBar, rectPanes.Height());
    int y = rectPanes.top;
    for (int row = 0; row < m_nRows; ++row) {
        const int cy = row == m_nRows - 1 || m_cyRows[row] < 0 ? rectPanes.bottom - y
                       : m_cyRows[row] < rectPanes.bottom - y ? m_cyRows[row]
                                                              : rectPanes.bottom - y;
        int x = rectPanes.left;
        for (int col = 0; col < m_nCols; ++col) {
            const int cx = col == m_nCols - 1 || m_cxCols[col] < 0 ? rectPanes.right - x
                           : m_cxCols[col] < rectPanes.right - x ? m_cxCols[col]
                                                                 : rectPanes.right - x;
            if (CWnd* pPane = GetDlgItem(IdFromRowCol(row, col)))
                pPane->MoveWindow(x, y, cx > 0 ? cx : 0, cy > 0 ? cy : 0);
            x += cx > 0 ? cx : 0;
        }
        y += cy > 0 ? cy : 0;
    }
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

// ---- the views' side --------------------------------------------------------------------------------

CSplitterWnd* CView::GetParentSplitter(const CWnd* pWnd)
{
    CWnd* pParent = pWnd != nullptr ? pWnd->GetParent() : nullptr;
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) ? static_cast<CSplitterWnd*>(pParent)
                                                                                 : nullptr;
}

CScrollBar* CView::GetScrollBarCtrl(int nBar) const
{
    const DWORD dwOwn = nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    if (GetStyle() & dwOwn)
        return nullptr;
    CSplitterWnd* pSplitter = GetParentSplitter(this);
    return pSplitter != nullptr ? pSplitter->GetSharedScrollBar(nBar) : nullptr;
}
