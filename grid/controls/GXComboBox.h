// CGXComboBox: the edit cell (GXEditControl.h) with a drop-down list of the style's ChoicesList. The
// factory makes it for six control ids, each with its option bits (the control id is also the id of
// the list window):
//   52517 "ComboBox, no text-fit" 2, 52525 "ComboBox, zero-based" 4, 52526 "ComboBox, one-based" 8,
//   52527 "ComboBox, text-fit" 1, 52531 "Combo, disp.choice, 1-base" 0x18, 52532 "Combo, disp.choice,
//   0-base" 0x14.
// Option bits: 1 text-fit (the text stored is the entry it begins), 2 free text, 4 and 8 the zero- or
// one-based index of the entry stored as decimal text, 0x10 display choice (with index storage the
// cell shows the entry while it stores the index). Matching takes the entry equal to the text (without
// case), else the first that begins with it.
//
// Typing happens in the edit window. A drop-down button (CGXComboBoxButton) in the 15 pixels kept at
// the cell's right, Alt+Down on the cell or in the edit window open a pop-up (CGXGridCombo, a topmost
// tool window on the desktop) under the cell holding a list (CGXComboListBox, a stand-alone window of
// the system's "COMBOLBOX" class). The list is as wide as the cell, as tall as the grid parameter's
// drop-down height but no taller than its entries and half an item, moved above the cell when it would
// pass the screen's bottom and left to end at the cell's right edge when it would pass the right edge,
// in the cell's TextColor on its Interior. In the open list: moving the selection takes the entry into the cell at once; Enter or a click keeps
// it and closes; Escape, Alt+Down or the focus leaving for another program closes and drops the edit
// (the control is switched inactive); Tab closes and moves on. The grid's mouse activation, the edit
// window getting the focus, scrolling the grid, Reset, SetActive(FALSE) and destruction close it.
//
// Private messages between the list and the control (the control's window): GX_WM_COMBO_CHOOSE, the
// choice made; GX_WM_COMBO_CLOSEUP, the list closes (lParam TRUE keeps the choice); GX_WM_COMBO_SELCHANGE;
// GX_WM_COMBO_KILLFOCUS, the list lost the focus.
//
// The check-list and tabbed combos (GXCheckListComboBox.h, GXTabbedComboBox.h) derive from it.
#pragma once

#include "grid/controls/GXButton.h"
#include "grid/controls/GXEditControl.h"
#include "win/CListBox.h"

class CGXComboBox;

#define GX_WM_COMBO_CHOOSE 0x7AD
#define GX_WM_COMBO_CLOSEUP 0x7B8
#define GX_WM_COMBO_SELCHANGE 0x7C3
#define GX_WM_COMBO_KILLFOCUS 0x7C4

// Fills pList's client area with the brush its parent answers to WM_CTLCOLORLISTBOX. FALSE when the
// parent answers none (nothing filled).
BOOL GXEraseWithParentListBrush(CWnd* pList, CDC* pDC);

// The drop-down button of the combo cell: drawn in the current cell, and in other cells with the
// combo's m_bButtonInEveryCell.
class CGXComboBoxButton : public CGXButton {
public:
    explicit CGXComboBoxButton(CGXControl* pControl);
    void Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle& style) override;
    void DrawButton(CDC* pDC, BOOL bFocusCell) override;
};

// The list of the open pop-up. Keys and clicks end in messages to its owner (the combo's window): see
// the top of this file.
class CGXComboListBox : public CListBox {
    DECLARE_DYNAMIC(CGXComboListBox)
    DECLARE_MESSAGE_MAP()
public:
    explicit CGXComboListBox(CWnd* pOwner) : m_pOwnerWnd(pOwner) {}

    BOOL m_bKeyboardUsed = FALSE;
    BOOL m_bMousePressed = FALSE;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    // Sends nMessage (lParam) to the owner window.
    void Notify(UINT nMessage, LPARAM lParam = 0);

    CWnd* m_pOwnerWnd;
    int m_nKeyDownCount = 0;
    int m_nStartSel = -1;
};

// The pop-up that holds the list: a topmost tool window without title on the desktop.
class CGXGridCombo : public CWnd {
    DECLARE_DYNAMIC(CGXGridCombo)
    DECLARE_MESSAGE_MAP()
public:
    // A pop-up for pOwner (the combo's window), not created yet.
    explicit CGXGridCombo(CWnd* pOwner) : m_pOwner(pOwner) {}
    // Deletes the list (its window goes with the pop-up's).
    ~CGXGridCombo() override;

    // Creates the window at (rect.left - 1, rect.top), rect's width + 1 and height, visible, the
    // library's pop-up flag set meanwhile. FALSE when no window was made.
    BOOL CreatePopup(const CRect& rect);
    // The list's text and background colours from now on (WM_CTLCOLOR answers them).
    void SetColors(COLORREF clrText, COLORREF clrBack);
    // The background brush the pop-up gives its list (null without colours).
    HBRUSH ListBrush() const { return m_bCustomColors ? HBRUSH(m_brush.m_hObject) : nullptr; }

    CListBox* m_pListBox = nullptr;  // owned

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    CWnd* m_pOwner;
    BOOL m_bCustomColors = FALSE;
    CBrush m_brush;
    COLORREF m_clrText = 0;
    COLORREF m_clrBack = 0;
};

class CGXComboBox : public CGXEditControl {
    DECLARE_DYNAMIC(CGXComboBox)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXComboBox)
public:
    enum : UINT {
        gxComboTextFit = 1,
        gxComboFreeText = 2,
        gxComboZeroBased = 4,
        gxComboOneBased = 8,
        gxComboDispChoice = 0x10
    };

    // A combo cell of pGrid (not null, else CInvalidArgException*) with control id nEditID, list id
    // nListBoxID and option bits nFlags (see the top of this file). The window is made by the first Init.
    CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID, UINT nFlags);
    // Closes an open list first.
    ~CGXComboBox() override;

    // ---- the cell control ------------------------------------------------------------------------
    // Switching off closes an open list.
    void SetActive(BOOL bActive) override;
    // The edit's Init; the button's face is drawn again.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Closes the list, then the inherited Reset.
    void Reset() override;
    // The inherited rectangle less 15 pixels on the right, where the button's room is kept (always in
    // the current cell).
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // 15 pixels more in width, then the grid's borders.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // One text line (with external leading and 1); the widest entry; plus the borders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // With m_bLiveValue the active current cell is drawn with the control's current value; otherwise the
    // edit cell's drawing.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The edit text converted as the option bits say (ConvertText). FALSE when not initialised.
    BOOL GetValue(CString& strResult) override;
    // Display choice: the entry the value's index names (empty value: empty, FALSE); then the
    // inherited formatting.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // strText converted as GetValue converts the edit text, with pStyle or the cell's style. TRUE.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The grid's mouse activation while the list is open closes it keeping the choice; nResult 2, TRUE.
    BOOL OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT nMessage, int& nResult) override;
    // With m_bLiveValue, '(' sets the value to the first entry beginning with it; else the edit's.
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Alt+Down activates the cell and opens the list.
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Active: replaces the edit selection, modified, the grid told; inactive: the inherited store.
    BOOL StoreTextInCell(const char* pszText) override;
    // The button: activates the cell and opens or closes the list.
    void OnClickedButton(CGXChild* pChild) override;
    // A scroll of the grid closes the list first.
    UINT OnGridScroll(UINT nMessage) override;
    // The button at the cell's right edge (16 pixels wide, 1-pixel insets); with m_bSizeToText one text
    // line high placed by the vertical alignment.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    // Text-fit and display choice accept only a text that begins an entry (or an empty one).
    BOOL ValidateString(const CString& strText) override;

    // ---- the window --------------------------------------------------------------------------------
    // The pop-up at rect (screen), or null.
    virtual CGXGridCombo* CreatePopup(const CRect& rect);
    // The list in pParent's client rectangle narrowed by 1 pixel left and right, id nID.
    virtual CListBox* CreateListBox(CWnd* pParent, UINT nID);
    // Opens (bShow) or closes the list.
    virtual void DropDown(BOOL bShow);
    virtual BOOL IsDroppedDown() const;
    // Takes the list's selection into the cell as the option bits say.
    virtual void TakeListSelection(CListBox* pList);
    // The entries of the style's ChoicesList into pList and the current text's entry selected.
    virtual void FillList(CListBox* pList);
    // The drop rectangle for rectCell (screen): the cell's width from its bottom, the grid parameter's
    // drop-down height tall.
    virtual void CalcDropRect(CRect& rectDrop, const CRect& rectCell);
    // Destroys pPopup (window, object) and the list font.
    virtual void DestroyPopup(CGXGridCombo* pPopup);

    // The list of the open pop-up (null while closed).
    CListBox* GetListBox() const { return m_pDropDownWnd != nullptr ? m_pDropDownWnd->m_pListBox : nullptr; }
    CGXGridCombo* GetPopup() const { return m_pDropDownWnd; }

    // ---- options ---------------------------------------------------------------------------------
    BOOL m_bFillChoiceList = TRUE;
    // Where the button's room is kept: with the first off in every cell; on, only in the current cell
    // unless the button is drawn in every cell.
    BOOL m_bButtonRoomOnlyInCurrentCell = FALSE;
    BOOL m_bButtonInEveryCell = FALSE;
    UINT m_nOptions;
    // The drop-down list's window style; zero gives WS_VSCROLL | LBS_NOTIFY.
    DWORD m_dwListBoxStyle = 0;
    BOOL m_bLiveValue = FALSE;
    BOOL m_bSizeToText = TRUE;
    int m_nExtraFrame = 1;

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnListChoose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListCloseUp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListKillFocus(WPARAM wParam, LPARAM lParam);

    // text converted for storage with style (see GetValue).
    CString ConvertText(const CString& strText, const CGXStyle& style);
    // The list style the list is created with.
    DWORD ListStyle() const { return m_dwListBoxStyle != 0 ? m_dwListBoxStyle : WS_VSCROLL | LBS_NOTIFY; }
    // Closes an open list: the grid's list-dropped flag cleared, the pop-up destroyed.
    void ClosePopup();
    // The first steps of DropDown: the grid's list-dropped flag set, the pop-up and its list made, the
    // list's font and colours set from the cell's style and the list filled. rectCell receives the
    // cell's rectangle and rectScreen the desktop's (screen coordinates). Null when nothing was made.
    CListBox* OpenList(CRect& rectCell, CRect& rectScreen);
    // Cuts rectDrop to pList's entries and half an item, moves it left to end at the cell's right edge
    // when it passes the screen's right edge, and above the cell when it would pass the screen's bottom
    // with nExtraHeight more below it. TRUE when it was moved above.
    BOOL FitDropRect(CRect& rectDrop, const CRect& rectCell, const CRect& rectScreen, CListBox* pList,
                     int nExtraHeight);
    // The pop-up shown topmost at rectDrop with pList filling it and the focus; the first entry
    // selected when none is, the selected one scrolled to the top.
    void ShowList(CListBox* pList, const CRect& rectDrop);
    // The last step of DropDown: the drop rectangle (CalcDropRect) fitted and clipped to the screen,
    // the list shown there.
    virtual void PlaceList(CListBox* pList, const CRect& rectCell, const CRect& rectScreen);
    // The text height of style's font at the grid's zoom; 0 without a DC.
    int StyleTextHeight(const CGXStyle& style);
    // Activates the cell when OnStartEditing agrees (refreshed); FALSE when refused.
    BOOL ActivateForList();
    // Whether the focus is in the pop-up.
    BOOL FocusInPopup() const;

    CGXComboBoxButton* m_pButton = nullptr;  // owned by the child list
    UINT m_nListBoxID;
    CGXGridCombo* m_pDropDownWnd = nullptr;
    CFont m_fontList;
};
