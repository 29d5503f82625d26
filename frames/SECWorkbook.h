// SECWorkbook: the MDI frame that shows its MDI children as a row of tabs below the MDI client, like the
// sheets of a workbook; SECWorksheet: the MDI child that is such a tab (with a 16 by 16 icon and its
// document's title); SECWorkbookClient: the MDI client's subclass that insets the client by margins and
// tells the frame when the MDI menu or the active child changed.
//
// Workbook mode (SetWorkbookMode, off at start): the client's margins are 13 left, right and top and 33
// at the bottom (0 when off), where the tab strip lies; the dock bars follow (g_bSECWorkbookTabs, the
// top and left dock bars a toolkit border thicker); the frame lays out and repaints.
//
// Tabs. Sheets join in LoadFrame and leave at WM_DESTROY; a sheet's tab position is its index in the
// frame's array. Tab width: min((MDI client window width + 5) / number of sheets, 90), recomputed when a
// sheet joins or leaves and when a layout changes the client rectangle; without sheets the previous width
// stays. A hidden sheet has no tab and leaves no gap. With C the MDI client's window rectangle in frame
// client coordinates, w the tab width, p the sheet's index, h the hidden sheets before it and a 1 for
// the active or pressed sheet (else 0), the tab is the polygon P0 (X, Y), P1 (X, Y + 21), P2 (X + 2,
// Y + 23 + 2a), P3 (P2.x + w - 4 + 4a, P2.y), P4 (P3.x + 2, P1.y), P5 (P4.x, Y), with X = (p - h) w +
// C.left - 2a and Y = C.bottom + 4: the active or pressed tab is 2 pixels wider on each side and 2
// pixels taller.
//
// Drawing (WM_PAINT, tab strip on and MDI client not empty): every visible sheet's tab in array order,
// then the client outline (a 3-D frame around the client whose outer lines lie on the tabs' top, and an
// etched line along the top margin), then the active sheet's tab again on top. A tab: its polygon filled
// with the button face colour, the left side in the highlight colour, the lower and right edges in the
// shadow colour one pixel inside a black outline. Its label: the icon at (P2.x + 1, Y + 4), the text in
// the tab font (the default GUI font), centred in the label rectangle (from P2.x + icon size + 3, 16
// with an icon, to P4.x - 2, from Y to P3.y); while the text is wider than that and at least 4
// characters long its last character is dropped and its last three become "...". WM_ERASEBKGND fills
// what the bars leave of the client area, less the MDI client, with the button face colour, with an
// etched edge where that area does not reach the client area's bottom or right; while the tab strip
// shows, the tabs themselves are left out of that fill (the paint fills them) unless the fill-tab-area
// flag (SetFillTabArea, off at start) asks for the whole tab area, tabs included.
//
// Mouse: a press on the tab of a visible sheet other than the active one (first in array order) marks
// it pressed, repaints at once and activates it (WM_MOUSEACTIVATE to the sheet); a release clears every
// pressed mark. Tooltips: over a tab whose label does not fit, the tooltip (made with the first sheet)
// shows the label as tool index + 1 over the tab's bounding box; over one that fits there is none.
//
// Changes of the active child: the client passes WM_MDISETMENU on (not the form with both parameters -1)
// and then sends SEC_WM_MDIMENUCHANGED to the frame, which repaints the tab of the child that was active
// and the one of the new active child and repaints now unless the new one is maximised. A sheet
// activated without a shared menu in menu-bar mode sends SEC_WM_NOSHAREDMENU to the client, which
// reports the change the same way.
//
// Hosts of bars floated in the main window are SECControlBarWorksheets (tabs too, showing the bar's
// large icon).
#pragma once

#include "frames/SECMDIChildWnd.h"
#include "frames/SECMDIFrameWnd.h"
#include "win/CToolTipCtrl.h"

#include <vector>

class SECWorksheet;

// Sent to the workbook by its client: the MDI menu or the active child changed.
#define SEC_WM_MDIMENUCHANGED 0x084D
// Sent to the client by a sheet activated without a shared menu in menu-bar mode (wParam and lParam -1).
#define SEC_WM_NOSHAREDMENU 0x084E

class SECWorkbookClient : public CWnd {
    DECLARE_DYNAMIC(SECWorkbookClient)
    DECLARE_MESSAGE_MAP()
public:
    SECWorkbookClient();
    ~SECWorkbookClient() override;

    // The margins the client is inset by in its frame's layout.
    void SetMargins(int nLeft, int nRight, int nTop, int nBottom);
    void GetMargins(int& nLeft, int& nRight, int& nTop, int& nBottom) const;
    // The client's window rectangle for the room lpClientRect: inset by the margins.
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder) override;

protected:
    afx_msg LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNoSharedMenu(WPARAM wParam, LPARAM lParam);

    int m_nLeft;
    int m_nRight;
    int m_nTop;
    int m_nBottom;
};

class SECWorkbook : public SECMDIFrameWnd {
    DECLARE_DYNCREATE(SECWorkbook)
    DECLARE_MESSAGE_MAP()
public:
    // The tab geometry (see the top of this file).
    enum Measures {
        tabHeight = 23, tabSlant = 2, activeWidening = 4, activeExtraHeight = 2, maxTabWidth = 90,
        tabIconSize = 16, marginSide = 13, marginBottom = 33
    };

    SECWorkbook();
    ~SECWorkbook() override;

    // ---- mode and sheets --------------------------------------------------------------------------

    virtual void SetWorkbookMode(BOOL bOn);
    BOOL IsWorkbookMode() const { return m_bTabStrip; }
    // Joins / removes pSheet (not null); see the top of this file.
    virtual void AddSheet(SECWorksheet* pSheet);
    virtual void RemoveSheet(SECWorksheet* pSheet);
    const std::vector<SECWorksheet*>& GetSheets() const { return m_sheets; }
    // The client's subclass (null until the client exists).
    SECWorkbookClient* GetWorkbookClient() const { return m_pClient; }
    int GetTabWidth() const { return m_nTabWidth; }
    // The background fill takes in the tabs too (see the top of this file; FALSE at start).
    void SetFillTabArea(BOOL bFill) { m_bFillTabArea = bFill; }
    BOOL IsFillTabArea() const { return m_bFillTabArea; }

    // ---- tabs ---------------------------------------------------------------------------------------

    // TRUE: a press on pSheet's tab may activate it.
    virtual BOOL MayActivateTab(SECWorksheet* pSheet);
    // pSheet's tab polygon (7 points, frame client coordinates).
    virtual void GetTabPolygon(const SECWorksheet* pSheet, POINT points[7]) const;
    // The text of pSheet's tab: its active document's title, else its window text.
    virtual CString GetTabLabel(SECWorksheet* pSheet);
    // The rectangle of pSheet's label.
    virtual CRect GetLabelRect(SECWorksheet* pSheet);
    // TRUE when pSheet's label is not wider than its label rectangle.
    virtual BOOL LabelFits(SECWorksheet* pSheet);
    // pSheet's tab icon: its icon while icons show, else null.
    virtual HICON GetTabIcon(const SECWorksheet* pSheet) const;
    // Gives pSheet (not null, else CInvalidArgException) the tab icon hIcon (the sheet owns it).
    virtual void SetTabIcon(SECWorksheet* pSheet, HICON hIcon, BOOL bRedraw = TRUE);
    // Repaints pSheet's tab, or from it to the strip's end.
    void InvalidateTab(SECWorksheet* pSheet, BOOL bToEnd = FALSE);
    // The tool at point (frame client coordinates): index + 1 of the sheet whose label does not fit,
    // with the tab's bounding box and its label; -1 when there is none.
    INT_PTR TabToolHitTest(CPoint point, CRect& rectTool, CString& strText);
    // The tab tooltip (null until the first sheet joined).
    CToolTipCtrl* GetTabToolTip() const { return m_pToolTip; }
    // The tab font (a stock font).
    HFONT GetTabFont() const { return m_hTabFont; }

    void FloatControlBarInMainWindow(CControlBar* pBar, int x, int y, DWORD dwStyle) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void DrawTab(CDC* pDC, SECWorksheet* pSheet);
    virtual void DrawTabLabel(CDC* pDC, SECWorksheet* pSheet);
    virtual void DrawClientOutline(CDC* pDC);
    // The label text shortened to fit nWidth pixels in pDC's font (see the top of this file).
    static CString FitLabel(CDC* pDC, CString strLabel, int nWidth);
    // Gives the client the margins of the mode.
    void ApplyMargins();
    // The MDI client's window rectangle in frame client coordinates.
    CRect GetClientArea() const;
    // The strip below the client where the tabs lie.
    CRect GetTabStripRect() const;
    // The tab's bounding box when drawn widest (active).
    CRect GetTabBounds(const SECWorksheet* pSheet) const;
    // The number of hidden sheets before index nIndex.
    int HiddenBefore(int nIndex) const;
    // Recomputes the tab width; FALSE when it stayed.
    BOOL RecalcTabWidth();
    // TRUE when pSheet's tab holds point.
    BOOL TabContains(const SECWorksheet* pSheet, CPoint point) const;
    // The first visible sheet (bSkipActive: other than the active one) whose tab holds point; null when
    // none.
    SECWorksheet* SheetAt(CPoint point, BOOL bSkipActive);

    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMDIMenuChanged(WPARAM wParam, LPARAM lParam);

    std::vector<SECWorksheet*> m_sheets;
    BOOL m_bTabStrip;
    BOOL m_bShowIcons;
    BOOL m_bFillTabArea;
    HFONT m_hTabFont;          // the default GUI font, else the system font
    SECWorkbookClient* m_pClient; // owned
    CPen m_penHilite;
    CPen m_penBlack;
    CPen m_penShadow;
    int m_nTabWidth;
    CRect m_rectLastClientArea;
    int m_nActiveTab;
    CToolTipCtrl* m_pToolTip;  // owned
    INT_PTR m_nLastTool;       // the tool the tooltip has (-1: none)
};

class SECWorksheet : public SECMDIChildWnd {
    DECLARE_DYNCREATE(SECWorksheet)
    DECLARE_MESSAGE_MAP()
public:
    SECWorksheet();
    ~SECWorksheet() override;

    // The child's loading, then it joins its workbook and loads the 16 by 16 icon of nIDResource.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) override;

    // The workbook the sheet is in; null when in another kind of frame.
    SECWorkbook* GetWorkbook() const;

    HICON m_hTabIcon;  // owned
    int m_nTabPos;     // the index in the workbook's array (-1: none)
    BOOL m_bPressed;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
};
