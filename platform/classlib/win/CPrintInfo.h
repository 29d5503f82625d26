// CPrintInfo: the state of one print or preview job, shared by the print loop and the view's
// printing steps (see CView.h).
//
// The pages: m_pPD's record holds the lowest and highest page of the document (nMinPage 1 and
// nMaxPage 0xFFFF until the view says otherwise with SetMinPage / SetMaxPage) and the range the user
// chose (nFromPage, nToPage). m_nCurPage is the page being printed or shown; a view's OnPrepareDC may
// clear m_bContinuePrinting to end the job after the previous page (for documents whose length shows
// only while printing). m_rectDraw is the page's printable area: in device units when OnPrepareDC runs,
// in the DC's logical units when OnPrint runs. m_strPageDesc, "Page %u" (the library text
// AFX_IDS_PREVIEW_PAGEDESC, in the program's language), is the text the preview shows
// with the page number filled in (a view may append to it, for instance " / 6").
#pragma once

#include "win/CPrintDialog.h"

class CPrintInfo {
public:
    // A job with the print dialog the loop shows (PD_ALLPAGES, PD_USEDEVMODECOPIES, PD_NOSELECTION),
    // pages 1 to 0xFFFF, current page 1.
    CPrintInfo();
    // Deletes the dialog and, with it, the printer DC it still holds.
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // The document's first and last page (the dialog's nMinPage and nMaxPage).
    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = WORD(nMinPage); }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = WORD(nMaxPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range the user chose (the dialog's nFromPage and nToPage).
    UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
    UINT GetToPage() const { return m_pPD->m_pd.nToPage; }

    CPrintDialog* m_pPD;      // the print dialog and, after preparation, the printer DC (m_pd.hDC)
    BOOL m_bDirect;           // printing without the dialog (ID_FILE_PRINT_DIRECT)
    BOOL m_bPreview;          // the job is a print preview
    BOOL m_bContinuePrinting; // cleared by the view: the document has no more pages
    UINT m_nCurPage;          // the page being printed or shown
    UINT m_nNumPreviewPages;  // pages the preview shows side by side (1 or 2)
    CString m_strPageDesc;    // the preview's page text, a format with one %u
    CRect m_rectDraw;         // the page's printable area (see the top of this file)
};
