// CGXListBox: a cell that shows the style's ChoicesList as lines inside the cell and stores the chosen
// line's text as its value (control id 52522 "Listbox"). Inactive cells draw the lines themselves,
// each one text line high, 2 pixels in, aligned as the style says, the line equal to the Value (with
// case) inverted; a cell too small for every line starts further down so that the Value's line is the
// last one shown. The active current cell shows a real list box (class "GXLISTBOX") over the cell,
// its line equal to the value (without case) selected, else the first that begins with it.
//
// A click on a line of an inactive cell (with the grid's activation by click) activates the cell and
// chooses that line; a key the grid hands an inactive cell activates it. In the active list Up, Down,
// Page Up, Page Down, Home, End and letters move in the list; Tab, Enter, Escape, Left, Right, Delete,
// F1 to F24 and keys with Ctrl go to the grid, which moves the current cell. Only a change of the
// list's selection by the user marks the cell modified, so merely visiting a cell never rewrites its
// value; Store then writes the selected line (an empty text when none is selected).
#pragma once

#include "grid/engine/GXControl.h"
#include "win/CGdiObject.h"
#include "win/CListBox.h"

// Selects pList's entry equal to pszText (without case), else the first that begins with it; LB_ERR
// when none matches (the selection then stays as it was).
int GXSelectListEntry(CListBox* pList, const char* pszText);

class CGXListBox : public CListBox, public CGXControl {
    DECLARE_DYNAMIC(CGXListBox)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXListBox)
public:
    // A list box cell of pGrid (not null, else CInvalidArgException*) with control id nID (also the
    // window's id). The window is made by the first Init.
    CGXListBox(CGXGridCore* pGrid, UINT nID);
    // Destroys the window (the grid's focus guard on meanwhile) and the font.
    ~CGXListBox() override;

    // ---- the cell control ------------------------------------------------------------------------
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    // Active only with a window; becoming active fetches the cached style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base Init, the window made when there is none, inactive, not modified.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // A read-only cell is initialised again (the edit discarded). Switches inactive; a modified cell
    // stores the selected line ("" when none) through CGXGridCore::ApplyValueToRange. The store's
    // answer; TRUE when nothing was stored.
    BOOL Store() override;
    // The inherited rectangle with a margin m (2, or half the system frame width when that is 3 or
    // more): left + m, right - m / 2.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // m + m / 2 more in width, then the grid's borders.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // The widest line + 4 by the sum of the line heights, with the borders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The active current cell: the window formatted, filled and shown over the cell with the focus
    // when the grid had it. Other cells: the lines (see the top of this file).
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Active: the selected line (empty when none); else the inherited text.
    void GetCurrentText(CString& strResult) override;
    // When initialised: activates; a text ValidateString accepts selects its line, modified, the grid
    // told.
    void SetValue(const char* pszValue) override;
    // Hides the caret and the window (moved to an empty rectangle).
    void Hide() override;
    // A click on an inactive cell (with activation by click) activates it and chooses the line under
    // the point. TRUE.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // The same for a double click with activation by double click; else the inherited handling.
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // A key the grid hands an inactive cell activates it when OnStartEditing agrees. TRUE for
    // WM_KEYDOWN, FALSE otherwise.
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // LBN_SELCHANGE of its own window on an editable cell: modified and the grid told.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // ---- the window --------------------------------------------------------------------------------
    // The lines of the cell's ChoicesList, the value's line selected (see the top of this file).
    virtual void FillList();
    // Makes the window: class "GXLISTBOX", an empty rectangle in the grid window, WS_VSCROLL,
    // WS_HSCROLL and LBS_NOTIFY, the control id. FALSE when no window was made.
    virtual BOOL CreateListWindow();

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    // The margin of GetCellRect.
    static int Margin();
    // Offers a key message to the grid; FALSE when the grid leaves it to the list.
    BOOL OfferToGrid(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags);
    // Activates when OnStartEditing agrees, the window placed at once; FALSE when refused.
    BOOL ActivateAndShow();
    // A press and a release posted to the window at point (grid coordinates).
    void PostClick(CPoint point);

    CFont m_font;
    UINT m_nID;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    COLORREF m_clrHighlightText;
    COLORREF m_clrBack = RGB(255, 255, 255);
};
