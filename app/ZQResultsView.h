// CZQResultsView: the view of the final-ranking list window, a report list with the columns "Rank",
// "Alternative" and "Utility" (all left-aligned, 50, 150 and 100 pixels wide, headings from the string
// table), full-row selection and the small item images of bitmap 252. No code of the program fills
// its rows: the window shows the headings over an empty list.
//
// The view keeps the application's ranking-list-open flag: set when it is first shown, cleared when
// its window goes.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CZQResultsView : public CListView {
    DECLARE_DYNCREATE(CZQResultsView)
    DECLARE_MESSAGE_MAP()
public:
    CZQResultsView();
    ~CZQResultsView() override;

    // The base's initial update; then the report style (the frame redrawn, the window neither moved
    // nor sized), full-row selection, the image list (bitmap 252, mask 0xC0C0C0, room for 4, growing
    // by 1) as the small images, the three columns and the ranking-list-open flag.
    void OnInitialUpdate() override;
    // Nothing: the list control paints itself.
    void OnDraw(CDC* pDC) override;

protected:
    // Clears the ranking-list-open flag, then the framework's handling.
    afx_msg void OnDestroy();

    CImageList m_imageList; // the small images, 16 by 16 with a mask
};
