// CZQGridDoc: the evaluations grid document (see ZQGridDoc.h).
#include "app/ZQGridDoc.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CZQGridDoc, CDocument)

CZQGridDoc::CZQGridDoc() = default;

CZQGridDoc::~CZQGridDoc() = default;

BOOL CZQGridDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CString title;
    AfxLoadString(IDS_ZQ_EVALUATIONS_TITLE, title);
    SetTitle(title);
    return TRUE;
}
