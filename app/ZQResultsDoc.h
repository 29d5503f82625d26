// CZQResultsDoc: the document of the final-ranking list window. It holds no data. Its template (266)
// belongs to the document manager but has no file-new name, so no command of the program makes such
// a document; the ranking itself is shown by the ranking chart and written by the results text.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQResultsDoc : public CDocument {
    DECLARE_DYNCREATE(CZQResultsDoc)
public:
    CZQResultsDoc();
    ~CZQResultsDoc() override;

    // The base's new document; then the string-table title "Final Ranking (list)". Returns FALSE when
    // the base refuses.
    BOOL OnNewDocument() override;
};
