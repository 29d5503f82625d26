// SECStatusBar: the frame's status bar, a toolkit bar whose window is the system's status-bar control.
// It holds panes (an id, a text width, a style and a text), lays them out, keeps their texts and
// updates them on idle through SECStatusCmdUI.
//
// Creation: the bar style is the style given & CBRS_ALL, less every border bit and the 3-D border for a
// bottom bar that names only the top border (the system draws that edge itself); the control's style is
// the given style's high bits except 0x400000, plus CCS_NOPARENTALIGN, CCS_NOMOVEY, CCS_NORESIZE and
// CCS_NODIVIDER, plus SBARS_SIZEGRIP when the parent has a sizing border, plus the control style given.
// Borders: 2 at the top, none elsewhere.
//
// Panes (SetIndicators): a pane with a non-zero id shows the string of that id (two spaces when there
// is none) and is as wide as that text in the bar's font; a pane with id 0 is a quarter of the screen
// wide and, as the first pane, stretches without borders over what the others leave. Layout
// (UpdateAllPanes): the inside rectangle is the window less the bar's borders, and less the grip
// (2 * SM_CXBORDER + the control's horizontal border + SM_CXVSCROLL) while the bar has one and its
// parent is not maximised; from x = the control's horizontal border each pane takes its text width + 6,
// the stretching panes share the width left over (the last one takes the remainder of the division),
// and the control's spacing follows each pane. Texts not yet sent ("waiting") go to the control on the
// next layout with texts or paint; a disabled pane shows no text, its stored text comes back when it
// is enabled; a text equal to the one shown is not sent again.
//
// Size (CalcFixedLayout): 32767 wide and as high as the font's character height less its internal
// leading less 1, plus twice (SM_CYBORDER + the control's vertical border), plus the bar's top and
// bottom borders, at least the minimum height (SB_SETMINHEIGHT); a vertical bar is 0 by 0.
//
// Window text: WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH act on the pane with id 0, so the frame's
// prompts (WM_SETMESSAGESTRING) land there; without such a pane WM_SETTEXT answers -1 and nothing
// changes. WM_GETTEXT copies at most the buffer size less one characters and a terminating zero (none
// into a buffer of size 0).
//
// Command update: each pane is updated through an SECStatusCmdUI with its id and index: the bar's own
// update handler when it has one, else the frame's, without disabling a pane for want of a handler.
// Enable clears or sets the disabled style, SetCheck sets or clears the pop-out style, SetText sets the
// pane's text.
//
// The size grip keeps its HTBOTTOMRIGHT hit; everything else of the bar is client area. A pane's text
// goes to the control with the low word of the pane's style as its drawing type, as it stands (no
// borders, pop-out, owner-drawn). Owner-drawn panes (SBT_OWNERDRAW in the style) are drawn by DrawItem
// when the control asks its parent, which passes the request back to the bar.
#pragma once

#include "frames/SECControlBar.h"

#include <vector>

// Pane styles (the low 16 bits go to the control as its drawing type).
#define SBPS_NORMAL    0x0000
#define SBPS_NOBORDERS 0x0100    // SBT_NOBORDERS
#define SBPS_POPOUT    0x0200    // SBT_POPOUT
#define SBPS_DISABLED  0x04000000 // shows no text
#define SBPS_STRETCH   0x08000000 // takes a share of the width the other panes leave

class SECStatusBar : public SECControlBar {
    DECLARE_DYNAMIC(SECStatusBar)
    DECLARE_MESSAGE_MAP()
public:
    SECStatusBar();
    ~SECStatusBar() override;

    // CreateEx with no control style.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    // Makes the bar window (see the top of this file): dwCtrlStyle extra styles of the control
    // (SBARS_*), dwStyle the window style with the CBRS_* bits, nID the bar's id. FALSE when no window
    // was made.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM,
                          UINT nID = AFX_IDW_STATUS_BAR);

    // Replaces the panes by one per id of lpIDArray (nIDCount of them; see the top of this file), then
    // lays them out and sends every text. FALSE when memory ran out. The bar needs its window; a
    // negative count or a null array with a positive count are refused with CInvalidArgException.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    // The index of the first pane with id nID; -1 when none has it.
    int CommandToIndex(UINT nID) const;
    // Sets pane nIndex's text (null: empty): with bUpdate the control shows it now, else it waits for
    // the next layout or paint. TRUE at once when the pane waits for nothing and the text is the same.
    // FALSE when memory ran out. A bad index is refused with CInvalidArgException, as in the calls
    // below.
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    // Sets pane nIndex's style (SBPS_*): a change of the stretch bit lays the panes out again; a change
    // sends the text again.
    void SetPaneStyle(int nIndex, UINT nStyle);
    UINT GetPaneStyle(int nIndex) const;
    // Lays the panes out (bUpdateRects) and sends the waiting texts (bUpdateText).
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Draws an owner-drawn pane. Nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    // A pane: a plain record of the bar's element array (its text is kept beside the array).
    struct Pane {
        UINT nID;   // 0 for a pane without a string
        int cxText; // text width in pixels
        UINT nStyle; // SBPS_*
        UINT nFlags; // PaneWaiting
    };
    enum PaneFlags : UINT { PaneWaiting = 1 }; // the text has not gone to the control yet

    Pane& GetPane(int nIndex, const char* lpszWhere);
    const Pane& GetPane(int nIndex, const char* lpszWhere) const;
    // Sends pane nIndex's text to the control (none while the pane is disabled).
    void SendPaneText(int nIndex);
    // The font the control draws with.
    HFONT GetPaneFont() const;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);

    int m_nMinHeight;                 // SB_SETMINHEIGHT's height (0 at start)
    std::vector<CString> m_paneTexts; // the panes' texts, beside the element array
};

// The command update of a status-bar pane (m_pOther is the bar, m_nIndex the pane).
class SECStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCSTR lpszText) override;
};
