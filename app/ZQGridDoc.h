// CZQGridDoc: the document of the evaluations grid window. It holds no data: its view mirrors the
// project's evaluations table.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQGridDoc : public CDocument {
    DECLARE_DYNCREATE(CZQGridDoc)
public:
    CZQGridDoc();
    ~CZQGridDoc() override;

    // The base's new document; then the string-table title "Evaluations of Alternatives". Returns FALSE
    // when the base refuses.
    BOOL OnNewDocument() override;
};
