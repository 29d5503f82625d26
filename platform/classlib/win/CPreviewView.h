// CPreviewView: the print preview. It takes the main frame's place for its pane and shows one or two
// pages of a view as they will print, with a bar of its own above them.
//
// Opening (CView::OnFilePrintPreview, through Open): the view prepares the job (OnPreparePrinting with
// m_bPreview set; the printer is the application's, see CView::DoPreparePrinting) and OnBeginPrinting
// runs with a CPreviewDC; then the main frame hides its control bars (the status bar stays; a bar
// docked in one of its dock bars goes and comes back with its dock bar, so that it keeps its place and
// share of its row), its pane window (the view, or the MDI client) is hidden and renamed
// AFX_IDW_PANE_SAVE, the preview bar (AFX_IDW_PREVIEW_BAR: Print..., Next Page, Prev Page, Two Page /
// One Page, Zoom In, Zoom Out, Close) and the preview view (AFX_IDW_PANE_FIRST, the frame's active
// view) take their places. The preview opens at the m_nCurPage that OnBeginPrinting left (kept within
// GetMinPage..GetMaxPage).
//
// Drawing: on a grey ground each page is a white sheet (with a shadow) with the printer's page
// proportions; for each page the view's OnPrepareDC and OnPrint run on a CPreviewDC (screen output,
// printer attribute DC: IsPrinting, measures and GetDeviceCaps from the printer, the page scaled into
// the sheet) with m_nCurPage and m_rectDraw (first the page in printer pixels, then in the DC's
// logical units, as the print loop gives them). The preview has the pages that print: the print loop's
// steps run once, in its order and where nobody sees them, on each page up to the one asked for, and the
// first page for which OnPrepareDC clears m_bContinuePrinting (as the loop checks it: set at the first
// page, then as the page before left it) becomes the job's last page (SetMaxPage): no sheet stands for a
// page after it and Next Page turns grey on it. Zoomed out (at first) the pages fit the window; zoomed
// in one page shows at its size on paper, with scroll bars. The status bar shows m_strPageDesc with the
// first page's number (a view that appended " / %u"-style text shows "Page 4 / 6").
//
// Commands: AFX_ID_PREVIEW_NEXT / PREV move by the pages shown (disabled at the ends),
// AFX_ID_PREVIEW_NUMPAGE switches between one and two pages, AFX_ID_PREVIEW_ZOOMIN / ZOOMOUT, and
// AFX_ID_PREVIEW_PRINT closes the preview and sends ID_FILE_PRINT to the view, AFX_ID_PREVIEW_CLOSE
// closes it: the view's OnEndPrintPreview (base: OnEndPrinting, then Close), which gives the frame its
// pane, its bars and its active view back and destroys the preview and its bar.
//
// While the preview shows, it is the frame's one mode (the frame's GetPreviewView answers it):
// - Keys pressed in its windows (its pages, its bar) are its own before the frame's accelerators and
//   menus see them: Escape closes it; Alt with the underlined letter of one of its bar's buttons
//   presses the first enabled button of that letter; Tab and Shift+Tab move the focus from its pages
//   along its bar's enabled buttons and back, Return presses the button with the focus. The menus are
//   not there: the menu keys (Alt, F10, Alt with a letter that is no accelerator) do nothing; Alt+Space
//   opens the system menu.
// - A command from outside the preview (a menu item, an accelerator, a tool bar button, whatever the
//   frame receives that is not one of the preview's own commands) ends the preview first and then runs
//   as usual; a grey one (disabled, or handled by nobody) does nothing. Print Preview itself closes the
//   preview shown before it opens one, and Open on a frame that shows a preview ends that one first: a
//   frame never shows two.
// - Closing the frame (its close box, Alt+F4, the system menu's Close) closes the preview only; the
//   previewed view going (its document or its frame closed) ends the preview first, with the view's
//   end step; the frame going ends it before its windows go.
// - The MDI frame's keys for its children (Ctrl+F4, Ctrl+F6) do nothing: the children are hidden.
// Ending gives the keyboard focus, when the preview held it, to the active view of the frame's active
// frame.
//
// The captions and the page text are the library's texts (AFX_IDS_PREVIEW_*, AfxResource.h), so a
// translation's resource library gives them in its language; a caption's "&" letter is the one Alt
// presses.
//
// Not done yet: a middle zoom step, zooming at a clicked point.
#pragma once

#include "win/CScrollView.h"

#include <vector>

class CPreviewDC;
class CPrintInfo;
class CControlBar;

class CPreviewView : public CScrollView {
    DECLARE_DYNCREATE(CPreviewView)
    DECLARE_MESSAGE_MAP()
public:
    CPreviewView();
    // Deletes the job (and with it the printer DC).
    ~CPreviewView() override;

    // Opens the preview of pPrintView (not null) in the main frame (see the top of this file). FALSE
    // when it was not opened (the preparation failed or was refused; the frame is unchanged).
    static BOOL Open(CView* pPrintView);

    // The view previewed, its job, the preview's bar and the main frame.
    CView* GetPrintView() const { return m_previewState.pPrintView; }
    CPrintInfo* GetPrintInfo() const { return m_previewState.pInfo; }
    CControlBar* GetPreviewBar() const { return m_previewState.pBar; }
    // The first page shown and how many are shown (1 or 2).
    UINT GetCurrentPage() const { return m_previewState.nCurrentPage; }
    int GetPagesShown() const { return m_previewState.nPages; }
    BOOL IsZoomedIn() const { return m_previewState.bZoomedIn; }
    // The sheet of the nIndex-th page shown (0 or 1), in client coordinates.
    CRect GetPageRect(int nIndex) const;
    // Shows nPage first (kept within the job's pages) and updates the status text.
    void SetCurrentPage(UINT nPage);

    // Gives the frame its pane, bars and active view back and destroys the preview (the object is gone
    // afterwards). Called by CView::OnEndPrintPreview.
    void Close();
    // Ends the preview as its Close button does: the view's OnEndPrintPreview, which closes it (the
    // object is gone afterwards).
    void EndPreview();
    // Ends the preview that the main frame shows of pView (not null), if it shows one.
    static void EndPreviewOf(CView* pView);
    // Whether nID is one of the preview's own commands (AFX_ID_PREVIEW_*).
    static BOOL IsPreviewCommand(UINT nID);

    // The preview's keys (see the top of this file), for key messages to the preview, to its bar's
    // windows and to the frame itself (when no window has the focus). TRUE when the message was the
    // preview's (the object may be gone then).
    BOOL TranslatePreviewKey(MSG* pMsg);
    // The preview's keys, then the base's.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnDraw(CDC* pDC) override;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);

private:
    // The printer's DC of the job.
    CDC* PrinterDC() const;
    // Whether the job prints page nPage: within its pages, and the print loop's steps on the pages up to
    // it (each run once, kept) leave it going; the first page the view refuses becomes its last page.
    BOOL HasPage(UINT nPage);
    // Lays the sheets out for the window's size and zoom (scroll sizes included).
    void LayOutPages();
    // Shows the first page's description in the frame's status bar.
    void ShowPageDescription();
    // The preview's windows that the keyboard reaches, in Tab order: the preview, then its bar's
    // enabled buttons.
    std::vector<HWND> KeyboardStops() const;
    // The enabled button of the preview's bar whose underlined letter is nKey ('A'..'Z', '0'..'9');
    // null when none.
    HWND ButtonOfMnemonic(UINT nKey) const;
    // Sends the frame the command of the bar's button hWndButton, as a click on it does.
    void PressButton(HWND hWndButton);

    struct CPreviewViewState {
        CView* pPrintView = nullptr;      // the view previewed
        CPrintInfo* pInfo = nullptr;      // its job (owned)
        CFrameWnd* pFrame = nullptr;      // the main frame the preview took over
        CControlBar* pBar = nullptr;      // the preview's bar
        HWND hWndPaneSaved = nullptr;     // the frame's pane window, hidden
        CView* pViewActiveSaved = nullptr; // the frame's active view before
        CPtrList barsHidden;              // the frame's bars the preview hid
        UINT nCurrentPage = 1;
        int nPages = 1;
        BOOL bZoomedIn = FALSE;
        CRect rectPages[2];               // the sheets, in scroll (document) coordinates
        BOOL bInLayout = FALSE;           // guards the layout against the WM_SIZE it causes
        UINT nLastPageSeen = 0;           // the pages the print loop's steps have gone through
        BOOL bContinueSeen = TRUE;        // the continue flag the last of them left
        BOOL bPrintViewGoing = FALSE;     // ended because the view previewed is being destroyed
    } m_previewState;
};
