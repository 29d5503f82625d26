// CZQGraphView: the view of the preference-graphs window. It writes the page "graph.htm" into the
// TEMP directory, beside the two graph images the solve renders there ("graph_part.gif" and
// "graph_weak.gif"), and shows it in the page viewer (platform/pageview/PageView.h), a child window
// that fills the view where a web browser control would stand.
//
// The first page (OnInitialUpdate) holds the two headings, the two images and the first legend; each
// refresh (RefreshGraphPage, after a solve or a change of the value functions) writes the whole page
// with the legends of both graphs and the Solver's list of other alternatives. Both pages are written
// byte for byte as FirstPageText and RefreshedPageText give them, with LF line ends. A page that cannot
// be written (no TEMP directory, or one that cannot be written) is skipped without a message, and the
// view then shows an empty page.
//
// While the application opens the result windows of one command (CZQApp::IsOpeningResultWindows),
// the pages are written at once but shown once, when the command has opened them all
// (ShowWrittenPage): the last page written, laid out for the window's last size, with the images the
// solve renders meanwhile.
//
// The view keeps the application's graphs-open flag: set when it is first shown, cleared when its
// window goes.
//
// Print (ID_FILE_PRINT) prints the page the viewer shows, laid out anew for the printer's width and
// resolution (images wider than the paper made smaller) and cut between lines into as many pages as
// its height needs.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include <vector>

class CZQGraphView : public CView {
    DECLARE_DYNCREATE(CZQGraphView)
    DECLARE_MESSAGE_MAP()
public:
    CZQGraphView();
    ~CZQGraphView() override;

    // The base's initial update; sets the graphs-open flag, writes the first page and shows it.
    void OnInitialUpdate() override;
    // Nothing: the page viewer paints the page.
    void OnDraw(CDC* pDC) override;

    // Writes the refreshed page with the project's Solver's other alternatives (none without a Solver)
    // and shows it. Returns TRUE when the page was written and read back for showing; FALSE when it
    // could not be (the view is empty then).
    BOOL RefreshGraphPage();
    // Shows the page file lpszPath (a Windows path; null: an empty page). Returns TRUE when it was read.
    BOOL Navigate(LPCSTR lpszPath);
    // Shows the page written last and not shown yet (see the top of this file), once the renders that
    // are running have written their images; nothing when none waits. Returns TRUE when a page was
    // read.
    BOOL ShowWrittenPage();

    // The first page.
    static CString FirstPageText();
    // The refreshed page, naming otherAlternatives (the Solver's list, in its order) after the legend
    // of the second graph, separated by ", ".
    static CString RefreshedPageText(const std::vector<CString>& otherAlternatives);
    // The page's path: the application's TEMP directory, "\" and "graph.htm"; empty when there is no
    // TEMP directory.
    static CString PagePath();

protected:
    // Writes text into the page file and shows it, or leaves it to ShowWrittenPage while the result
    // windows of a command open; an empty page when it cannot be written. Returns TRUE when the page
    // was written and, shown now, read.
    BOOL ShowPage(const CString& text);

    // Printing: the print dialog; the number of sheets unknown until the first is drawn; each printed
    // page draws its sheet of the page, and the job ends after the last.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    HWND m_hWndPage;        // the page viewer
    int m_nSheets;          // the sheets the page takes on the printer, once the first is drawn; -1 before
    bool m_bPageWaiting;    // a page written is still to be shown (ShowWrittenPage)
    CString m_strPageWaiting; // ... from this file; empty: the empty page
};
