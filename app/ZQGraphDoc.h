// CZQGraphDoc: the document of the preference-graphs window. It holds no data: the page its view shows
// is written from the project's Solver. The application keeps its template apart from the document
// manager, so only the project opens such a document (after a solve).
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQGraphDoc : public CDocument {
    DECLARE_DYNCREATE(CZQGraphDoc)
public:
    CZQGraphDoc();
    ~CZQGraphDoc() override;

    // The base's new document; then the title "Resulting preference graphs worked out with ZEK KTR".
    // Returns FALSE when the base refuses.
    BOOL OnNewDocument() override;
};
