// CZQRankingChartDoc: the document of the ranking chart window. It holds no data: the view draws the
// project's ranking rows.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQRankingChartDoc : public CDocument {
    DECLARE_DYNCREATE(CZQRankingChartDoc)
public:
    CZQRankingChartDoc();
    ~CZQRankingChartDoc() override;

    // The base's new document; then the string-table title "Final Ranking worked out with ZEK MD".
    // Returns FALSE when the base refuses.
    BOOL OnNewDocument() override;
};
