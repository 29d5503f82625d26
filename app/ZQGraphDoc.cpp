// CZQGraphDoc: the preference-graphs document (see ZQGraphDoc.h).
#include "app/ZQGraphDoc.h"

IMPLEMENT_DYNCREATE(CZQGraphDoc, CDocument)

CZQGraphDoc::CZQGraphDoc() = default;

CZQGraphDoc::~CZQGraphDoc() = default;

BOOL CZQGraphDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    // the same in every language: the title is not a string-table text
    SetTitle("Resulting preference graphs worked out with ZEK KTR");
    return TRUE;
}
