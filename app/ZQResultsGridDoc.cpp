// CZQResultsGridDoc: the comparison matrix document (see ZQResultsGridDoc.h).
#include "app/ZQResultsGridDoc.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CZQResultsGridDoc, CDocument)

CZQResultsGridDoc::CZQResultsGridDoc() = default;

CZQResultsGridDoc::~CZQResultsGridDoc() = default;

BOOL CZQResultsGridDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CString title;
    AfxLoadString(IDS_ZQ_MATRIX_TITLE, title);
    SetTitle(title);
    return TRUE;
}
