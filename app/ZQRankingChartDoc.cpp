// CZQRankingChartDoc: the ranking chart document (see ZQRankingChartDoc.h).
#include "app/ZQRankingChartDoc.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CZQRankingChartDoc, CDocument)

CZQRankingChartDoc::CZQRankingChartDoc() = default;

CZQRankingChartDoc::~CZQRankingChartDoc() = default;

BOOL CZQRankingChartDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CString title;
    AfxLoadString(IDS_ZQ_RANKING_CHART_TITLE, title);
    SetTitle(title);
    return TRUE;
}
