// CGXTabWnd: a window that holds several sheets (views) in one place and shows one at a time, with a
// tab beam (GXTabBeam.h) along its bottom edge. It owns the horizontal and vertical scroll bars and
// hands them to the active sheet (GetScrollBarCtrl: a sheet asks its tab window for them), keeps each
// sheet's scroll state while it is hidden, lets the user size the beam against the horizontal scroll
// bar with a splitter box, and lets the user rename a sheet by double-clicking its tab
// (CGXEditLabelPopup). CGXTabWndInterface gives other parts the tab labels.
//
// Children: the horizontal scroll bar (AFX_IDW_HSCROLL_FIRST), the vertical one
// (AFX_IDW_VSCROLL_FIRST), a size box (AFX_IDW_SIZE_BOX; only when a scroll bar is shown and the parent
// is a frame window) and the beam (id 0xEA01, made from the beam's run-time class). Bars not shown are
// hidden. Any child that cannot be made destroys the tab window and Create answers FALSE.
//
// Layout (each size change): the client area less the beam strip at the bottom (SM_CYHSCROLL + 2
// high) and the vertical bar on the right holds the active sheet, inset by one pixel. The strip holds
// from the left the beam (the whole width without a horizontal bar), the splitter box (6 pixels) and
// the horizontal bar; the size box fills the corner when both bars show: a size grip, enabled only
// when the tab window's bottom-right corner is that of the client area of the window that sizes it
// (itself with a thick frame, else its parent) and that window has a thick frame and is not maximised.
// Children move together and only when their place changed; a bar under 2 pixels either way is
// hidden. The active sheet hears gxTabMsgResizing (1, then 0) around the layout and WM_SIZE after it.
//
// The beam starts at half the client width (also while the width is still 0) and keeps its share on
// a resize: width x 100 becomes new width x (old - e) / old width + e, e = (button area - 20) x 100.
// It never goes below the button area plus 20 pixels nor beyond the client width less twice the beam
// height. Over the splitter box the cursor is the grid's split cursor (30980), else IDC_SIZEWE.
//
// Switching sheets (a tab pressed, gxTabMsgActivate, ActivateTab): the active sheet is asked whether it
// may be left (gxTabMsgCanSwitch 0) and the new one whether it may be entered (1); a nonzero answer
// keeps the active sheet, its tab and its focus. Else the active sheet's scroll state goes into its tab
// and the sheet is hidden; the new tab is scrolled into view and made active; the new sheet is shown,
// gets the focus (and, for a view, becomes its frame's active view), its scroll state comes back into
// the bars (a bar without range is disabled), and the layout is made again. Scroll messages of the
// bars end a rename and go on to the active sheet unchanged.
//
// Painting: the splitter box as five lines (black, highlight, face, shadow, black); the erased
// background is only the corner beside the strip; with the client-edge style a button edge is drawn
// around the tab window in its parent, 2 pixels outside it on the left and top, 3 on the right and
// bottom.
//
// Renaming (gxTabMsgRename): refused while an edit is open or when the sheet answers 0 to
// gxTabMsgCanRename. The edit (id 23001, the beam's normal font, the label) is 15 times the width of
// "W" wide, starts at the tab's left (moved left to stay inside, never left of 0), stands above the
// beam (top: the sheet area's height less twice the text height plus SM_CYDLGFRAME, never below 0;
// height: the text height plus four times SM_CYDLGFRAME). Enter accepts (gxTabMsgRenameDone: the
// label changes, the tab is measured again, the sheet hears gxTabMsgRenamed), Escape, a lost focus or a
// scroll of the beam cancel (gxTabMsgRenameCancel).
//
// A tab window registers its class with the library state (AddParentClass), so that a grid view finds
// the tab window it lives in. One the program makes (Create) belongs to it; one the window procedure of
// the "CGXTabWnd" class made for a dialog template makes its children when its window is created and
// deletes itself with its window.
#pragma once

#include <windows.h>

#include "grid/engine/GXTabBeam.h"
#include "win/Win.h"

class CGXTabWnd;

// The ids of the beam and of the rename edit.
#define GX_IDW_TABBEAM 0xEA01
#define GX_IDC_EDITLABEL 23001

class CGXEditLabelPopup : public CEdit {
    DECLARE_DYNAMIC(CGXEditLabelPopup)
    DECLARE_MESSAGE_MAP()
public:
    // An edit that reports to pNotify (not null).
    explicit CGXEditLabelPopup(CWnd* pNotify);

protected:
    // Sends nMessage to the notify window once.
    void Finish(UINT nMessage);

    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    void PostNcDestroy() override;

    CWnd* m_pNotify;
    BOOL m_bFinished;
};

class CGXTabWnd : public CWnd {
    DECLARE_DYNCREATE(CGXTabWnd)
    DECLARE_MESSAGE_MAP()
public:
    // No window yet; registers the class with the library state and makes the tab-label interface.
    CGXTabWnd();
    // Destroys the window (its children with it) and deletes the beam with its tabs.
    ~CGXTabWnd() override;

    // Makes the tab window (class "GxMdiFrame") as a child of pParent: WS_HSCROLL and WS_VSCROLL in
    // dwStyle say which scroll bars show (the window itself gets neither). FALSE, with no window left,
    // when the window or one of its children cannot be made.
    virtual BOOL Create(CWnd* pParent, DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                        UINT nID = AFX_IDW_PANE_FIRST);
    // Adds pView (made a child of the tab window) as a sheet labelled pszLabel: placed in the sheet
    // area, its own scroll bars hidden and their state kept in its tab; the first sheet becomes active
    // and visible (not asked), the others stay hidden. The sheet hears gxTabMsgAdded. A tab window
    // laid out so before it has a window makes its window first, in pView's place: a child of pView's
    // parent (none: CInvalidArgException*) with both scroll bars and the pane id AFX_IDW_PANE_FIRST,
    // shown when pView was (a window that cannot be made: CResourceException*).
    virtual void AttachWnd(CWnd* pView, const char* pszLabel);
    // Switches to pView (see the top of this file). TRUE when pView is the active sheet afterwards.
    virtual BOOL ActivateTab(CWnd* pView);
    // Lays the children out (see the top of this file).
    virtual void RecalcLayout();

    CGXTabBeam& GetBeam() const { return *m_pBeam; }
    CWnd* GetActiveView() const { return m_pActiveView; }
    // The tab window's bar for nBar (SB_HORZ, SB_VERT) when it shows; null otherwise.
    CScrollBar* GetScrollBarCtrl(int nBar) const override;
    // The beam's width and the splitter box (client coordinates).
    int GetBeamWidth() const { return m_nBeamWidth; }
    CRect GetSplitterRect() const;
    // The open rename edit, null when none.
    CGXEditLabelPopup* GetEditLabel() const { return m_pEditLabel; }

    // The run-time class the beam is made from (a CGXTabBeam; set before Create).
    CRuntimeClass* m_pBeamClass;

protected:
    // The beam's width: clamped, kept as its share and laid out again.
    void SetBeamWidth(int nWidth);
    // The beam's width for the current client width (see the top of this file).
    void UpdateBeamShare(int cxClient);
    int ClampBeamWidth(int nWidth, int cxClient) const;
    // The sheet area (the client area less the strip and the vertical bar).
    CRect GetViewArea() const;
    // The scroll state of the bars into tab, and back.
    void SaveScrollState(CGXTabInfo& tab);
    void RestoreScrollState(const CGXTabInfo& tab);
    // Makes the children (from WM_CREATE). FALSE when one cannot be made.
    BOOL CreateChildren();
    // Makes the tab window in pView's place (see AttachWnd).
    void CreateInPlaceOf(CWnd* pView);
    // Renaming: start, accept, cancel.
    void StartRename(int nTab);
    void EndRename(BOOL bAccept);
    // The window whose thick frame sizes the tab window.
    CWnd* GetSizingWnd() const;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnNcPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg LRESULT OnScrollMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnActivateMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRenameMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRenameDone(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRenameCancel(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

    BOOL m_bShowHScroll;
    BOOL m_bShowVScroll;
    CGXTabBeam* m_pBeam;  // owned
    CWnd* m_pActiveView;
    int m_nBeamWidth;
    int m_cxBeamClient;   // the client width the beam's share was computed for (0: none yet)
    int m_nSplitterWidth;
    int m_cxVScroll;
    int m_cyHScroll;
    int m_nBeamHeight;
    BOOL m_bDragging;
    int m_nDragOffset;    // where in the splitter box the drag took it
    CGXEditLabelPopup* m_pEditLabel;
    int m_nRenameTab;
    CBrush m_brFace;
    LONGLONG m_nBeamShare;  // the beam's width x 100
    BOOL m_bMadeByProgram;  // Create made it: the program deletes it
    CScrollBar m_wndHScroll;
    CScrollBar m_wndVScroll;
    CScrollBar m_wndSizeBox;
};

// The process-wide access to tab labels (the library state's first owned object).
class CGXTabWndInterface : public CObject {
public:
    // The label of the tab that shows pWnd in its tab window (pWnd's parent): read into strLabel, or
    // with bSet set from it (the sheet is not told). FALSE (strLabel emptied when read) when pWnd lies in
    // no tab window or has no tab.
    virtual BOOL TabLabel(CWnd* pWnd, CString& strLabel, BOOL bSet);
    // The label of tab nIndex of the tab window pWnd lies in. FALSE (empty) when there is none.
    virtual BOOL TabLabelAt(CWnd* pWnd, int nIndex, CString& strLabel);
};

// The library state's tab-label interface, made on first use.
CGXTabWndInterface* GXGetTabWndInterface();
