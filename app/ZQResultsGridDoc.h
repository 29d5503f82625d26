// CZQResultsGridDoc: the document of the alternatives comparison matrix window. It holds no data:
// its view shows the Solver of the last solve.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQResultsGridDoc : public CDocument {
    DECLARE_DYNCREATE(CZQResultsGridDoc)
public:
    CZQResultsGridDoc();
    ~CZQResultsGridDoc() override;

    // The base's new document; then the string-table title "Alternatives comparison matrix". Returns
    // FALSE when the base refuses.
    BOOL OnNewDocument() override;
};
