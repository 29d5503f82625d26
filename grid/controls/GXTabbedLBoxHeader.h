// CGXTabbedLBoxHeader: the row of column titles a tabbed combo cell shows above or below its open
// list. The combo makes the window on first use (the library's generic window class, a child of the
// desktop, a tool window) and places it at the list; the window borrows the combo's font, text column,
// column count and column edges, and shows the title text: every field of it in its column with
// show-all (the leading display field skipped when the text column is above 0), else the first field
// across the window. Each field gets a raised frame; a text is centred, a bitmap centred one pixel
// inside the frame; the window is filled with the button-face colour and the texts drawn in the
// button-text colour.
#pragma once

#include "win/CWnd.h"

class CFont;

class CGXTabbedLBoxHeader : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CGXTabbedLBoxHeader() = default;

    // What the titles are drawn with (the edges and the font are borrowed, not copied).
    void SetLayout(BOOL bShowAllCols, int nTextCol, int nColCount, const int* anEdges, CFont* pFont);
    void SetTitleText(const CString& strTitle) { m_strTitle = strTitle; }
    const CString& GetTitleText() const { return m_strTitle; }

protected:
    afx_msg void OnPaint();

    BOOL m_bShowAllCols = TRUE;
    int m_nTextCol = 0;
    int m_nColCount = 0;
    const int* m_anEdges = nullptr;
    CFont* m_pFont = nullptr;
    CString m_strTitle;
};
