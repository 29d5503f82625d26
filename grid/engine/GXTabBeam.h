// CGXTabBeam: the strip along the bottom of a tab window (GXTabWnd.h) that shows one tab per sheet,
// with scroll buttons at its left end. CGXTabInfo is one tab.
//
// Geometry: the scroll buttons take the left end (button area: beam height times the number of
// buttons, each button beam height wide). The visible tabs follow from the first visible one, each
// starting where the one before ends less the margin: a tab of label width w at x is a trapezoid whose
// top runs from x to x + w + 2 margins and whose bottom from x + margin to x + w + margin, with its
// label centred between x + margin and x + margin + w. A point belongs to the tab whose x it lies at or
// after, up to the next tab's x. A measured tab is as wide as its label in the bold font plus the margin
// (7); an unmeasured one is 60.
//
// Painting (off-screen, then one copy): the buttons, the beam in COLOR_SCROLLBAR with a black line
// along its top, the visible tabs from right to left but the active one, then the active one. A tab is
// filled in COLOR_WINDOW when active or selected, else in COLOR_BTNFACE (or its own colours when its
// flag bits ask for them), framed in black, its slanted right edge in COLOR_BTNSHADOW; the active tab
// has no line on top, so it joins the sheet above, and its label is bold. The labels are in
// COLOR_WINDOWTEXT, "Arial" (the default GUI face on double-byte systems) beam height - 2 high. A
// button is framed in COLOR_WINDOWFRAME and lit with the button highlight and shadow (sunken while
// pressed, then its arrow one pixel further right and down); its arrow is black, or 0x606060 when it
// cannot scroll: fewer than two tabs, first and previous at the first tab, next and last when no tab
// passes the beam's right end. Scrolling never goes past the point where the last tabs fill the beam.
// Colours, fonts and the height (SM_CYHSCROLL) are read again on WM_SYSCOLORCHANGE and
// WM_SETTINGCHANGE.
//
// Mouse: a press on a scroll button scrolls at once and captures the mouse; while it is held over the
// button the scroll repeats, first 200 ms after the press, then each time 20 ms sooner than the last,
// down to 100 ms (timed by the tick count of the services seam); other messages are dispatched as usual
// meanwhile, and the release ends it. A press on a tab asks the notify window (null: the parent) with
// gxTabMsgCanActivate whether it may switch; allowed, the tab becomes active (the selected marks are
// cleared unless it is itself selected), is scrolled into view, and gxTabMsgActivate is posted. With
// Ctrl the press toggles the tab's selected mark instead, with Shift it marks every tab from the active
// one to it. A double click on the active tab posts gxTabMsgRename. A scroll of the beam sends
// gxTabMsgRenameCancel. Every message carries the tab's index as wParam.
//
// A beam made by the program (Create) belongs to it; one the window procedure of the "CGXTabBeam"
// class made for a dialog template deletes itself with its window.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include <vector>

// The messages between the beam, the tab window, the rename edit and the sheets (wParam: the tab).
enum {
    gxTabMsgActivate = 0x785,       // beam to tab window (posted): activate the tab
    gxTabMsgRename = 0x786,         // beam to tab window (posted): rename the active tab
    gxTabMsgCanActivate = 0x787,    // beam to tab window: may the beam switch to the tab? nonzero refuses
    gxTabMsgAdded = 0x78F,          // tab window to sheet: the sheet was added as the tab
    gxTabMsgCanRename = 0x790,      // tab window to sheet: may the tab get a new label? 0 refuses
    gxTabMsgRenamed = 0x791,        // tab window to sheet: the tab's label changed
    gxTabMsgCanSwitch = 0x792,      // tab window to sheets: 0 may the active one be left, 1 may the new
                                    // one be entered? nonzero refuses
    gxTabMsgRenameDone = 0x799,     // rename edit to tab window: the new label was accepted
    gxTabMsgRenameCancel = 0x79A,   // rename edit or beam to tab window: renaming ends without change
    gxTabMsgResizing = 0x7CB        // tab window to active sheet: 1 before and 0 after it resizes
};

class CGXTabInfo : public CObject {
public:
    // Flag bits: use the tab's own colours while inactive, while active or selected.
    enum { gxOwnInactive = 1, gxOwnActive = 2 };

    CGXTabInfo();
    ~CGXTabInfo() override;

    int m_nWidth;          // of the label area, pixels
    CString m_strLabel;
    BOOL m_bSelected;      // marked by Ctrl or Shift
    CWnd* m_pView;         // the sheet
    BOOL m_bOwnsView;      // the sheet goes with the tab
    DWORD m_dwSpare;
    SCROLLINFO m_siVert;   // the sheet's scroll state while it is hidden
    int m_nVertPos;
    SCROLLINFO m_siHorz;
    int m_nHorzPos;
    COLORREF m_clrBack;
    COLORREF m_clrText;
    CBrush m_brBack;
    UINT m_nFlags;
};

class CGXTabBeam : public CWnd {
    DECLARE_DYNCREATE(CGXTabBeam)
    DECLARE_MESSAGE_MAP()
public:
    // The scroll kinds (ScrollTabs) and the buttons that ask for them.
    enum { gxScrollFirst = 0, gxScrollPrev = 1, gxScrollNext = 2, gxScrollLast = 3 };

    // No tabs; the colours and fonts of the system.
    CGXTabBeam();
    // Deletes the tabs (and the sheets they own).
    ~CGXTabBeam() override;

    // Makes the beam as a child of pParent with control id nID. FALSE when no window was made.
    virtual BOOL Create(CWnd* pParent, UINT nID, const RECT& rect, DWORD dwStyle = WS_CHILD | WS_VISIBLE);

    // ---- tabs ------------------------------------------------------------------------------------
    // A new tab with the beam's colours, before the active tab with bBeforeActive (and an active tab),
    // else last; nWidth < 0 measures it. The first tab becomes active. Returns its index.
    virtual int InsertTab(BOOL bBeforeActive, const char* pszLabel, CWnd* pView, BOOL bOwnsView = FALSE,
                          int nWidth = -1, DWORD dwSpare = 0);
    // Deletes tab nIndex (out of range: CInvalidArgException*) and a sheet it owns; deleting the
    // active tab makes tab 0 active and scrolls to the start.
    virtual void DeleteTab(int nIndex);
    // The label of tab nIndex, measured again; with bNotify the sheet receives gxTabMsgRenamed.
    virtual void SetTabLabel(int nIndex, const char* pszLabel, BOOL bNotify);
    // The tab of pView, -1 when none.
    int FindTab(const CWnd* pView) const;
    int GetTabCount() const { return int(m_tabs.size()); }
    // Tab nIndex (out of range: CInvalidArgException*).
    CGXTabInfo& GetTab(int nIndex) const;
    // The active tab (-1: none); making one active repaints the beam.
    int GetActiveTab() const { return m_nActive; }
    void SetActiveTab(int nIndex);
    int GetFirstVisibleTab() const { return m_nFirst; }

    // ---- geometry ----------------------------------------------------------------------------------
    // The x where tab nIndex starts (see the top of this file).
    int GetTabLeft(int nIndex) const;
    // The visible tab at x, -1 over the buttons or beyond the last tab.
    int TabFromPoint(int x) const;
    // The last tab that starts inside the beam.
    int GetLastVisibleTab() const;
    // Scrolls by kind (gxScrollFirst .. gxScrollLast); a scroll that moved repaints and sends
    // gxTabMsgRenameCancel. TRUE when it moved.
    virtual BOOL ScrollTabs(int nKind);
    // Scrolls so that tab nIndex shows whole (as far as scrolling allows).
    void ScrollToTab(int nIndex);
    // Whether a button of kind nKind can scroll.
    BOOL CanScroll(int nKind) const;
    // Measures tab nIndex: its label's extent in the bold font plus the margin. Returns the width.
    int MeasureTab(int nIndex);
    int GetBeamHeight() const { return m_nHeight; }
    int GetMargin() const { return m_nMargin; }
    int GetButtonAreaWidth() const { return m_bShowButtons ? m_nButtonAreaWidth : 0; }
    // The number of scroll buttons: 2 (previous, next) or 4 (first, previous, next, last).
    void SetButtonCount(int nButtons);
    CFont& GetNormalFont() { return m_fontNormal; }
    CFont& GetBoldFont() { return m_fontBold; }

    // The window told of the beam's events (null: the parent).
    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    CWnd* GetNotifyWnd() const;

    // Draws the beam into pDC over rect (0, 0, width, height).
    virtual void DrawBeam(CDC* pDC, const CRect& rect);
    // Reads the colours, fonts and height again.
    void RefreshSettings();

protected:
    // The kind of the scroll button under x, -1 when none.
    int ButtonFromPoint(CPoint point) const;
    CRect GetButtonRect(int nButton) const;
    int ButtonKind(int nButton) const;
    // Holds button nButton pressed: scrolls and repeats until the mouse button is released.
    void TrackButton(int nButton);
    // The largest first visible tab: from it the last tabs fill the beam.
    int GetLargestFirstTab() const;
    // The client width.
    int GetBeamWidth() const;
    void DrawButton(CDC* pDC, int nButton, BOOL bPressed);
    void DrawArrow(CDC* pDC, const CRect& rect, int nKind, COLORREF color);
    void DrawTab(CDC* pDC, int nIndex, int x);
    void RepaintNow();
    // Deletes the sheet a tab owns.
    static void DeleteOwnedView(CGXTabInfo& tab);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnDestroy();
    void PostNcDestroy() override;

    CFont m_fontBold;
    CFont m_fontNormal;
    COLORREF m_clrActiveText;
    COLORREF m_clrText;
    COLORREF m_clrBack;        // of the tabs not active
    COLORREF m_clrActiveBack;
    COLORREF m_clrBeamBack;
    CBrush m_brBack;
    CBrush m_brActiveBack;
    CBrush m_brBlack;
    CPen m_penShadow;
    std::vector<CGXTabInfo*> m_tabs;  // owned
    int m_nActive;
    int m_nFirst;
    int m_nMargin;
    int m_nButtonAreaWidth;
    int m_nHeight;
    int m_nButtonWidth;
    BOOL m_bShowButtons;
    int m_nButtons;
    HCURSOR m_hcurArrow;
    int m_nPressedButton;  // -1: none
    BOOL m_bPressed;       // the held button shows pressed (the mouse is over it)
    CWnd* m_pNotifyWnd;
    BOOL m_bMadeByProgram;  // Create made it: the program deletes it
};
