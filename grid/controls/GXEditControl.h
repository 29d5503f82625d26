// CGXEditControl: the grid's default cell control (control id 52512 "Edit Control", and every id the
// factory does not know). While its cell is not edited it draws as static text; when its cell is the
// active current cell it shows a real edit window of the grid library's class "GXEDIT" over the cell,
// formatted like the cell, and runs the editing cycle with the grid: activation by a click, a typed
// character, End, Home, Delete or the grid's options; typed keys and characters, caret and selection;
// the keys that leave the cell; the clipboard; find and replace in the cell; the cell's maximum length
// and read-only state; the store of the edited text into the cell when the current cell moves.
//
// One object serves every cell of a grid that uses its id: the window is made on the first Init,
// moved over the active cell, hidden (moved to an empty rectangle) when the current cell moves, and
// made again whenever the window style the cell needs changes (multi-line when a wrapping cell is
// taller than one and a third lines, the alignment, Enter wanted, right-to-left reading), keeping its
// text, selection, modified flag, read-only state and limit; the new window takes the focus when the
// old one had it.
//
// Keys in the active window (the window has the focus): Enter reaches the grid unless the cell allows
// Enter; Left and Right at the ends of the text, Up on the first and Down on the last line, Tab,
// Escape, Page Up, Page Down, F1 to F24 and every key with Ctrl reach the grid (CGXGridCore::
// ProcessKeys), which moves the current cell; Shift+Insert pastes and Shift+Delete with a selection
// cuts; every other key stays in the window. A typed character is checked before it is inserted: the
// text it would make (the selection replaced) must fit the window's limit and pass ValidateString,
// else it is dropped (OnInvalidInput is told the refused character). Keys the grid offers while the
// window does not have the focus: a typed character activates the cell and replaces its text; End and
// Home activate it with the caret at the end or start; Delete empties it (unless the grid clears cells
// on Delete itself).
//
// A process-wide flag notes an input-method composition in progress; nothing is drawn meanwhile.
//
// Does not do yet: a press inside the selected text starts no drag (the grid has no drag-and-drop of
// cell contents): the grid's selection-click hook is told and the caret goes where the user clicked.
#pragma once

#include "grid/controls/GXStatic.h"
#include "win/CEdit.h"
#include "win/CGdiObject.h"

class CGXEditControl : public CEdit, public CGXStatic {
    DECLARE_DYNAMIC(CGXEditControl)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXEditControl)
public:
    // The window style bits of the edit window (see CalcEditStyle).
    enum : DWORD {
        gxEditBaseStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP,
        gxEditStyles = ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL
    };

    // An edit cell of pGrid (not null, else CInvalidArgException*); nID is its control id and the
    // child id of its window. The window is made by the first Init.
    CGXEditControl(CGXGridCore* pGrid, UINT nID);
    // Destroys the window (the grid's focus guard on meanwhile) and the cell font.
    ~CGXEditControl() override;

    // ---- the cell control ------------------------------------------------------------------------
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    // Becoming active with a window drops and fetches the cached style again; without a window the
    // control stays inactive. With a window the floating of the cell's text is evaluated again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    // The window's modified flag (FALSE without a window).
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base Init, the window made when there is none, the stored value shown (SetCurrentText) and
    // selected whole, not modified; auto-size read from the style.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // With a cached style, modified and a value: deactivates, drops the style and stores the text
    // through CGXGridCore::ApplyValueToRange (mode 0, the grid's style kind, flags 1); that answer.
    // Otherwise TRUE.
    BOOL Store() override;
    // The grid's answer; when it lets the cell go, the cell's floating is marked for evaluation.
    BOOL OnValidateCell() override;
    // bFloatCell: whether the Value is not empty (the text may spill); else whether it is empty.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell) override;
    // The active current cell (not printing): the window formatted and shown over the cell; any other
    // cell as static text; nothing while an input-method composition runs.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Active: the window text; initialised: the formatted Value; else empty.
    void GetCurrentText(CString& strResult) override;
    // When initialised with a window: activates; a text ValidateString accepts goes into the window,
    // modified, and the grid is told (OnModifyCell).
    void SetValue(const char* pszValue) override;
    // When initialised: the current text, TRUE.
    BOOL GetValue(CString& strResult) override;
    // Shows pszText (formatted; with the edit-stored-values option the text itself, null meaning the
    // stored value) in the window.
    void SetCurrentText(const char* pszText) override;
    // A visible window is hidden (moved to an empty rectangle) with the grid's focus guard on.
    void Hide() override;
    // A click in the cell (grid coordinates): the caret goes to the character under the point (the
    // whole text is selected when there is none), activating first as the grid's activation flags
    // ask. TRUE.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // A double click activates as the grid's activation flags ask, the caret at the character hit.
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // End, Home and Delete offered by the grid (see the top of this file).
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A printable character offered by the grid: OnGridDoubleByteChar with its text; FALSE without a
    // window and for characters below 32 and 127.
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Typed text offered by the grid: refused on a read-only cell; an inactive cell is activated with
    // the text as its value; an active one inserts it when the resulting text passes ValidateString.
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    // Searching the active cell's window text (from one character after the selection start unless
    // bCurrentPos) or another cell's formatted text, which becomes the current, active cell when a
    // match is selected. FALSE for an empty find text.
    BOOL FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect) override;
    // Every match after the selection start (active cell) or in the whole text (another cell)
    // replaced, stored through CGXGridCore::SetControlTextRowCol (mode 2); an active cell's window
    // then shows the stored text. FALSE when nothing was replaced or stored, and for an empty find
    // text.
    BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // Inactive: the base (stored through the grid); active and writable: replaces the window's
    // selection, modified; TRUE.
    BOOL StoreTextInCell(const char* pszText) override;
    // Active: the selected part of the window text, TRUE when it is not empty (else the whole text);
    // inactive: the current text, FALSE.
    BOOL GetSelectedText(CString& strResult) override;
    // EN_CHANGE of the active window: the grid is told, the floating evaluated again and, with
    // auto-size, the cell's row or column fitted. Also the window's own WM_COMMAND handling.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // ValidateString of the text a paste would make (the selection replaced).
    BOOL ValidatePasteText(const CString& strText) override;

    // ---- the window --------------------------------------------------------------------------------
    // Decides a typed character (WM_CHAR of the active window; see the top of this file): TRUE when
    // the window's default handling takes it; FALSE when it is consumed, the text to insert (possibly
    // none) kept in m_strTyped.
    virtual BOOL PrepareTypedChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Makes the window: class "GXEDIT", no title, dwStyle plus WS_CHILD, rect in the grid window, the
    // control id as child id, WS_EX_RTLREADING when right-to-left reading is on. FALSE when no window
    // was made.
    virtual BOOL CreateEditWindow(DWORD dwStyle, const CRect& rect);
    // The window style the text and the cell need: gxEditBaseStyle with gxEditStyles, ES_WANTRETURN
    // when Enter is allowed and the alignment bits; multi-line when the cell wraps and has a scroll
    // bar (then WS_VSCROLL) or its client height exceeds nLineHeight plus a third of it; otherwise
    // ES_AUTOHSCROLL, and left-aligned while the text is wider than the client width less the widest
    // character. rectFormat: the client rectangle, at least one line high. Refreshes the line height
    // and widest character from the window's font.
    virtual DWORD CalcEditStyle(CRect& rectFormat, int nLineHeight);
    // Re-creates the window when the style it needs changed, else sets the formatting rectangle;
    // keeps the caret's line in view. TRUE when the window was made again. Nothing without a window
    // or while it is being made again.
    BOOL UpdateEditStyle();
    // The last line the client rectangle rect shows.
    int GetLastVisibleLine(const CRect& rect);
    // The index of the character under point (grid-window coordinates) of the window text laid out in
    // the cell as static text; -1 when none is hit.
    int CalcCaretPosFromPoint(CPoint point);

    // An input-method composition is in progress (process-wide).
    static BOOL IsImeComposition();

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnWindowLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);

    // The style's AutoSize (read at Init and at each active draw).
    BOOL m_bAutoSize = FALSE;
    // The style's VerticalScrollbar.
    BOOL m_bScrollBar = FALSE;
    // Set by a derived control: the window ignores the cell's horizontal alignment.
    void* m_pSuppressAlignment = nullptr;
    UINT m_nID;
    BOOL m_bActive = FALSE;
    // The style's font at the grid's zoom, made at each active draw.
    CFont m_font;
    // The style the window was last made with.
    DWORD m_dwLastStyle = 0;
    // 0 left, 1 centre, 2 right.
    int m_nHorzAlign = 0;
    BOOL m_bRecreating = FALSE;
    int m_nLineHeight = 0;
    int m_nMaxCharWidth = 0;
    BOOL m_bAllowEnter = FALSE;
    BOOL m_bWrapText = FALSE;
    BOOL m_bRightToLeft = FALSE;
    // The text of the character being typed, between its check and its insertion.
    CString m_strTyped;
    // Typed text is being inserted.
    BOOL m_bStoring = FALSE;
    // The style's MaxLength (0: no limit).
    UINT m_nMaxLength = 0;
    // The last text change altered the floating of cell texts.
    BOOL m_bFloatChange = FALSE;

private:
    // The control's cell as a one-cell range.
    CGXCellRange CellRange() const;
    // Marks the cell's floating for evaluation and evaluates it; TRUE when the floating changed.
    BOOL EvaluateFloating();
    // The window is the active current cell's (FindText, ReplaceSel work on its text).
    BOOL IsEditing(ROWCOL nRow, ROWCOL nCol) const;
    // The window text with the selection replaced by pszText.
    CString TextWithSelectionReplaced(const char* pszText) const;
    // The caret at nPos (a selection of nothing), scrolled into view.
    void SetCaret(int nPos);
    // The style FindText and ReplaceSel use for another cell: the state's lent style, else one
    // composed for the cell and held by rpComposed.
    const CGXStyle& SearchStyle(const GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                                std::unique_ptr<CGXComposedStyle>& rpComposed);
    // TRUE while the key is down (the key-state seam).
    static BOOL IsKeyDown(int nVirtKey);
    // Empties the clipboard of the grid window.
    void EmptyClipboard();

    static BOOL s_bImeComposition;
};

