#include "win/CListView.h"

#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(CListView, CView)

BEGIN_MESSAGE_MAP(CListView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CListView::CListView() = default;

CListView::~CListView()
{
    m_listCtrl.m_hWnd = nullptr;
}

CListCtrl& CListView::GetListCtrl() const
{
    m_listCtrl.m_hWnd = m_hWnd;
    return m_listCtrl;
}

void CListView::OnDraw(CDC*)
{
}

BOOL CListView::PreCreateWindow(CREATESTRUCTA& cs)
{
    AfxInitCommonControls();
    cs.lpszClass = WC_LISTVIEWA;
    return CView::PreCreateWindow(cs);
}

void CListView::OnPaint()
{
    Default();
}
