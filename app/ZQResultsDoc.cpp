// CZQResultsDoc: the final-ranking list document (see ZQResultsDoc.h).
#include "app/ZQResultsDoc.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CZQResultsDoc, CDocument)

CZQResultsDoc::CZQResultsDoc() = default;

CZQResultsDoc::~CZQResultsDoc() = default;

BOOL CZQResultsDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CString title;
    AfxLoadString(IDS_ZQ_RANKING_LIST_TITLE, title);
    SetTitle(title);
    return TRUE;
}
