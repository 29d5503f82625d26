// CZQResultsView: the final-ranking list view (see ZQResultsView.h).
#include "app/ZQResultsView.h"

#include "app/ZQApp.h"
#include "res/resource.h"

namespace {

const COLORREF kImageMask = RGB(192, 192, 192);

CZQApp* App()
{
    return dynamic_cast<CZQApp*>(AfxGetApp());
}

} // namespace

IMPLEMENT_DYNCREATE(CZQResultsView, CListView)

BEGIN_MESSAGE_MAP(CZQResultsView, CListView)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZQResultsView::CZQResultsView() = default;

CZQResultsView::~CZQResultsView() = default;

void CZQResultsView::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    ModifyStyle(0, LVS_REPORT, SWP_FRAMECHANGED);
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    if (m_imageList.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 1)) {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_ZQ_ITEMS))
            m_imageList.Add(&bitmap, kImageMask);
        list.SetImageList(&m_imageList, LVSIL_SMALL);
    }

    const struct {
        UINT nHeading;
        int nWidth;
    } columns[] = {{IDS_ZQ_RANK, 50}, {IDS_ZQ_ALTERNATIVE_COLUMN, 150}, {IDS_ZQ_UTILITY_COLUMN, 100}};
    for (int i = 0; i < int(sizeof columns / sizeof columns[0]); ++i) {
        CString heading;
        AfxLoadString(columns[i].nHeading, heading);
        list.InsertColumn(i, heading, LVCFMT_LEFT, columns[i].nWidth);
    }

    if (CZQApp* pApp = App())
        pApp->m_nRankingListOpen = 1;
}

void CZQResultsView::OnDraw(CDC*) {}

void CZQResultsView::OnDestroy()
{
    if (CZQApp* pApp = App())
        pApp->m_nRankingListOpen = 0;
    CListView::OnDestroy();
}
