// CGXComboBoxWnd: a cell edited through a real combo box ("GXCOMBOBOX", a child window of the grid).
// The factory makes it for control ids 52528 "MFC ComboBox" (editable: CBS_DROPDOWN | WS_VSCROLL |
// CBS_AUTOHSCROLL) and 52529 "MFC DropDownList" (choice only: CBS_DROPDOWNLIST | WS_VSCROLL), with the
// control id as the window's id; it is the base of the tabbed combo cell (GXTabbedComboBoxWnd.h).
//
// One window serves every cell of the control: it is moved over the current cell and shown while the
// control is active, closed and hidden otherwise. Other cells draw as static text; the current cell
// (and, with m_bButtonInEveryCell, every cell) shows an in-cell drop-down button (CGXComboBoxWndButton)
// in the 15 pixels kept free at the cell's right; inactive cells keep a 2-pixel margin on the left.
//
// Choices: the style's ChoicesList, one entry per line (CR LF, LF or a lone CR ends a line; an empty
// line between two others is an empty entry; a line end at the very end adds none), filled into the
// window at each Init. The cell stores the chosen text, or with m_nIndexValue 0 or 1 the chosen
// entry's zero- or one-based index as decimal text; with m_bDispChoice such a cell shows the entry's
// text and typed text is turned into its index. A value selects the entry equal to it (without case),
// else the first that begins with it.
//
// Keys while the combo has the focus (the key filter, FilterKeyDown): every key first scrolls the cell
// into view; keys with Ctrl, Tab, Escape and F1-F24 go to the grid (CGXGridCore::ProcessKeys), a key
// the grid leaves reaching the combo (F4 the grid leaves opens the list, below); Enter closes an open list (swallowed) or
// goes to the grid; Up, Down, Page Up and Page Down stay in the combo with m_bWantArrowKeys or an open
// list, else go to the grid; Left and Right likewise, except that the editable form keeps them unless
// the caret is at the start (Left) or the end (Right) of the text; every other key stays. Keys the grid
// offers while the grid has the focus: End and Home activate the cell with the caret at the end or
// start, Alt+Down activates it and opens the list, a typed character activates it and (the list form)
// selects the next entry beginning with it, wrapping to the top, or (the editable form) replaces the
// text; an active cell takes typed text into its selection. A click that activates a drop-down-list
// cell, and a click on the button, open the list (m_bDropOnClick): the combo is sent a press and a
// release at the button. Alt+Down and F4 are the list's keys, whether the grid or the combo has the
// focus: they open the list of the current cell and leave an open list open (the system's combo would
// close it, so that a key pressed after the click that opened the list showed none).
//
// The combo's notifications (WM_COMMAND through the grid): a change of the selection or the text
// marks the cell modified and tells the grid (OnModifyCell); on a read-only cell the text or choice
// held when the list opened comes back instead. While the list is open the grid's m_bListDropped is
// set. Store writes the value with CGXGridCore::ApplyValueToRange when the cell was modified; a
// read-only cell discards the edit.
//
// The window stands 3 pixels above and below the cell (the frame allowance) and the list opens by
// clicks posted to the combo.
//
// Does not do yet: the older systems' behaviour (a frame allowance of 2, the list opened when the
// combo next receives the focus).
#pragma once

#include "grid/controls/GXStatic.h"
#include "win/CComboBox.h"
#include "win/CEdit.h"
#include "win/CGdiObject.h"

class CGXComboBoxWnd;
class CGXComboBoxWndButton;

// The combo's own edit field, subclassed: its key presses pass the combo's key filter first, and a
// focus that leaves the combo altogether is reported to the combo.
class CGXComboEditPart : public CEdit {
    DECLARE_MESSAGE_MAP()
public:
    explicit CGXComboEditPart(CGXComboBoxWnd* pCombo) : m_pCombo(pCombo) {}

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    CGXComboBoxWnd* m_pCombo;
};

class CGXComboBoxWnd : public CComboBox, public CGXStatic {
    DECLARE_DYNAMIC(CGXComboBoxWnd)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXComboBoxWnd)
public:
    // A combo cell of pGrid (not null, else CInvalidArgException*); its window is made by
    // CreateComboWindow.
    explicit CGXComboBoxWnd(CGXGridCore* pGrid);
    // Destroys the window (the grid's focus guard on meanwhile) and the edit part.
    ~CGXComboBoxWnd() override;

    // Makes the drop-down button (a child of the control) and the window: class "GXCOMBOBOX", an empty
    // rectangle in the grid window, dwStyle plus WS_CHILD, id nID; the combo's edit field, when it has
    // one, is subclassed; text search stays on unless the style is owner-drawn. FALSE when no window
    // was made.
    virtual BOOL CreateComboWindow(DWORD dwStyle, UINT nID);

    // ---- the cell control ------------------------------------------------------------------------
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    // Active only with a window; becoming active fetches the cached style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base Init, the list filled from the style (m_bFillChoiceList), the stored value shown,
    // inactive (unless the grid activates current cells at once), not modified.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // A read-only cell is initialised again (the edit discarded); a modified cell stores GetValue
    // through CGXGridCore::ApplyValueToRange (mode 0, the grid's style kind, flags 1). The store's
    // answer; TRUE when nothing was stored.
    BOOL Store() override;
    // The base control's rectangle; the active current cell keeps all of it; the current cell while
    // inactive (and every cell with the button in every cell) loses 15 pixels on the right; inactive
    // cells gain a 2-pixel margin on the left.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // 19 pixels more in width (the button and the margins), then the grid's borders.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // Owner-drawn: 0 by 0. Otherwise the larger of the content-size module's answer and the widest
    // entry (bVertical: one line) with the borders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // FALSE: a combo cell's text never floats.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell) override;
    // The active current cell: the window formatted, moved over the cell (the frame allowance above
    // and below, the drop part of at most 8 entries below) and shown, with the focus when the grid had
    // it. Other cells: an owner-drawn combo's item (DrawItem), else static text.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Initialised: the editable window's text when there is one, else the selected entry's text.
    void GetCurrentText(CString& strResult) override;
    // Activates; a text ValidateString accepts goes into the window (editable) or selects its entry;
    // modified, and the grid told.
    void SetValue(const char* pszValue) override;
    // Text storage: the current text; index storage: the selected index plus the base ("" for none).
    BOOL GetValue(CString& strResult) override;
    // Selects the value's entry (text or index); a value that selects nothing shows as it is in the
    // editable form and leaves the list form's selection alone.
    void SetCurrentText(const char* pszText) override;
    // With m_bDispChoice and index storage: the entry the value's index names; then formatted.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // A drop-down-list cell ignores an empty text (TRUE, nothing stored).
    BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const char* pszText, UINT nFlags = 2,
                        const CGXStyle* pOldStyle = nullptr) override;
    // With the list filled and m_bDispChoice or index storage: the entry the text names (equal, else
    // beginning with it), or its index plus the base; "" when none matches. TRUE.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // Index storage with m_bDispChoice: only a text that names an entry.
    BOOL ValidateString(const CString& strText) override;
    // Closes the list, hides the window (the focus back to the grid window when the combo had it).
    void Hide() override;
    // Clicks: see the top of this file.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnClickedButton(CGXChild* pChild) override;
    // Keys the grid offers: see the top of this file.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    // Find and replace in the cell's text (with text search only). Replacing stores through
    // CGXGridCore::ApplyValueToRange (flags 2); an empty find text is refused (FALSE).
    BOOL FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect) override;
    BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // Paste and typing into an active cell: the text replaces the selection (SetValue) and is
    // selected. Inactive: the base store. With text search and a writable cell only.
    BOOL StoreTextInCell(const char* pszText) override;
    // Active: the selected text (index storage without m_bDispChoice: the value); inactive: the
    // cell's display text. TRUE.
    BOOL GetSelectedText(CString& strResult) override;
    // The combo's notifications while active (see the top of this file); also the window's own
    // WM_COMMAND handling.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // WM_KEYDOWN of the combo passes the key filter first; TRUE swallows it. Alt+Down in the combo or
    // its edit field opens the list, or leaves it open, and is swallowed.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Places the button at the cell's right edge (see LayoutButton).
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    // ---- the window --------------------------------------------------------------------------------
    // The window rectangle for a cell rectangle (the same here).
    virtual void CellToWindowRect(CRect& rect);
    // The key filter (see the top of this file): TRUE when the key was used and must not reach the
    // combo.
    virtual BOOL FilterKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    // The form of the window: the drop-down list (no edit field) and owner-drawn.
    BOOL IsDropDownList() const { return (m_dwComboStyle & 3) == CBS_DROPDOWNLIST; }
    BOOL IsOwnerDrawn() const { return (m_dwComboStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
    CGXComboBoxWndButton* GetButton() const { return m_pButton; }

    // ---- options ---------------------------------------------------------------------------------
    // Vertical frame allowance in pixels above and below the window.
    int m_nExtraFrame = 3;
    // Init refills the list from the style's ChoicesList.
    BOOL m_bFillChoiceList = TRUE;
    // Up, Down, Page Up and Page Down stay in the combo.
    BOOL m_bWantArrowKeys = FALSE;
    // The window and the button take the text height plus 2, placed by the vertical alignment.
    BOOL m_bSizeToText = FALSE;
    // -1: the cell stores the chosen text; 0 or 1: the zero- or one-based index.
    int m_nIndexValue = -1;
    // With index storage: cells show the entry's text and typed text becomes its index.
    BOOL m_bDispChoice = FALSE;
    // A click that activates a drop-down-list cell, or a click on the button, opens the list.
    BOOL m_bDropOnClick = TRUE;
    // Where the button's room is kept.
    BOOL m_bButtonInEveryCell = FALSE;
    BOOL m_bButtonOnlyInCurrentCell = TRUE;
    // A window taller than the cell shrinks its item height instead of growing past the cell.
    BOOL m_bShrinkToCell = FALSE;
    // Find, replace and pasting in place work (not for owner-drawn styles).
    BOOL m_bTextSearch = TRUE;
    // Owner-drawn inactive cells get a one-pixel frame and their item 2 pixels inside it.
    BOOL m_bDrawFrame = TRUE;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    // Makes the button (once) and the window (see CreateComboWindow). FALSE when no window was made.
    BOOL CreateComboAndButton(DWORD dwStyle, UINT nID);
    // Subclasses the combo's edit field, when it has one, with pEditPart (owned from now on; deleted
    // when there is no edit field).
    void AttachEditPart(CGXComboEditPart* pEditPart);
    // The inactive drawing: an owner-drawn combo's item (DrawItem) with the children, else static text.
    void DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle* pStandardStyle);
    // Activates the control unless OnStartEditing refuses (FALSE); a newly active cell is refreshed
    // and the grid window drawn at once, so the window stands over the cell.
    BOOL ActivateAndShow();
    // Alt+Down or F4 while the grid has the focus: activates the cell (unless OnStartEditing refuses:
    // FALSE), shows it and opens the list. TRUE.
    BOOL OpenListFromGrid();
    // Opens the list by a press and a release posted to the combo at point (its client
    // coordinates); the grid window is drawn first.
    void PostDropClick(CPoint point);
    // The button's place relative to the cell, plus (5, 5): where a posted click opens the list.
    CPoint ButtonClickPoint();
    // The text height of style's font at the grid's zoom (pDC null: a client DC of the grid), cached
    // until the next Init.
    int MeasureTextHeight(CDC* pDC, const CGXStyle& style);
    // The text height of m_font in pDC, cached.
    int MeasureWithCellFont(CDC* pDC);
    // The font of style at the grid's zoom into m_font (upright); returns the previous font handle,
    // for the caller to delete once the window uses the new one.
    HGDIOBJ RecreateFont(const CGXStyle& style);
    // rectCell cut to one text line of nTextHeight (at most the cell less the frame allowance above
    // and below) placed by style's vertical alignment, with the allowance around it.
    CRect PlaceOneLine(const CRect& rectCell, const CGXStyle& style, int nTextHeight) const;
    // Fits rectWnd, the active cell's window rectangle, to one line of nTextHeight when sized to text
    // (placed by style's vertical alignment), adds the frame allowance above and below (or, shrunk to
    // the cell, takes it from the item height instead) and keeps the grid from painting under it.
    // Returns the selection field's item height.
    int FitWindowToCell(CRect& rectWnd, const CGXStyle& style, int nTextHeight);
    // The number of entries of the window (0 without one).
    int EntryCount() const;
    // The window's entries from a choice list (emptied first).
    void FillEntries(const CString& strChoices);
    // Selects the entry equal to pszText (without case), else the first that begins with it. FALSE
    // when none matches.
    BOOL SelectEntry(const char* pszText);
    // The edit selection: the window's while the editable window shows, else the one kept.
    void GetEditSelection(int& nStart, int& nEnd);
    // Keeps the edit selection and gives it to the editable window.
    void SetEditSelection(int nStart, int nEnd);
    // Keeps / restores the text and choice (a read-only cell's change is undone to them).
    void SaveChoice();
    void RestoreSavedChoice();
    // After the window was shown over the cell: only the part of the combo inside pDC's clip box is
    // painted again.
    void RepaintInsideClip(CDC* pDC);
    // The control's cell as a one-cell range.
    CGXCellRange CellRange() const;
    // Whether the grid's window has the focus / the combo or its edit field has it.
    BOOL GridHasFocus() const;
    BOOL ComboHasFocus() const;
    // TRUE while the key is down (the key-state seam).
    static BOOL IsKeyDown(int nVirtKey);

    DWORD m_dwComboStyle = 0;
    CGXComboEditPart* m_pEditPart = nullptr;  // owned; null for the drop-down list
    CGXComboBoxWndButton* m_pButton = nullptr;  // owned by the child list
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    // The cell's font at the grid's zoom, given to the window at each active draw.
    CFont m_font;
    // The edit selection kept while the window is hidden (the drop-down list has no edit field).
    int m_nEditSelStart = 0;
    int m_nEditSelEnd = -1;
    // The text height of the cell's font (0: not measured since Init).
    int m_nTextHeight = 0;
    // The text and choice at Init and when the list opened.
    CString m_strSavedText;
    int m_nSavedSel = -1;
};
