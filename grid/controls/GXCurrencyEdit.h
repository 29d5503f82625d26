// CGXCurrencyEdit: the cell control of currency amounts (control id 52545 "Currency control"). While
// its cell is not edited it draws as static text the cell's value formatted as an amount; when its
// cell is the active current cell a currency edit window (CGXBCurrencyEdit) lies over the cell, in
// the cell's font and colours, with the calculator's drop button when the cell asks for it. Stored
// values are plain numbers: the amount printed with its fractional digits and a point ("1234.50");
// the formatting lives only in the control. The editing cycle is the edit cell's: activation by a
// click, a typed character, End, Home, Alt+Down or the grid's options; keys offered to the grid; the
// store of the edited amount when the current cell moves; find and replace.
//
// The format comes from the user's locale and the cell's user attributes:
//   51046 "Currency: Attributes": four characters: leading zero ("0"/"1"), separator line ("0"/"1"),
//         fill character (a digit other than "0" is refused), calculator button ("0" off); a
//         non-empty text of another length counts as "11 1";
//   51047, 51048 "Currency: Positive Format", "Currency: Negative Format": the pattern rows;
//   51049 "Currency: Number of decimals": the integer part's width; 51050 "Currency: Number of
//         fractional digits ": the fraction's digits;
//   51054 "Currency: Monetary Symbol. ": the symbol ("0..." no symbol);
//   51045 "Currency: Separators": thousands ("0" none) and decimal separator; another length counts
//         as ",".
// Values of other cells are formatted through a second currency window that is never shown (the
// formatter, a CGXCaptiveCurEdit).
//
// Keys while the window has the focus: Tab, Enter, Escape, Page Up, Page Down, F1 to F24, Up and Down
// reach the grid, and so do Left at the start and Right at the end of the text; Space flips the sign;
// Shift+Insert pastes; Delete deletes (Shift+Delete cuts); every other key, and every key with Ctrl,
// stays in the window. The calculator's result (GX_WM_CALCULATOR_RESULT) is taken like a typed text,
// except in a read-only cell.
#pragma once

#include "grid/controls/GXBCurrencyEdit.h"
#include "grid/controls/GXStatic.h"

class CGXStylesMap;

// The formatter of a currency cell: a currency window that differs only in its class.
class CGXCaptiveCurEdit : public CGXBCurrencyEdit {
    DECLARE_DYNAMIC(CGXCaptiveCurEdit)
public:
    CGXCaptiveCurEdit();
    ~CGXCaptiveCurEdit() override;
};

class CGXCurrencyEdit : public CGXBCurrencyEdit, public CGXStatic {
    DECLARE_DYNAMIC(CGXCurrencyEdit)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXCurrencyEdit)
public:
    // A currency cell of pGrid (not null, else CInvalidArgException*); nID is its child id (its
    // formatter's is nID + 4).
    CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID);
    // Destroys the formatter's window and the main window (the grid's focus guard on meanwhile).
    ~CGXCurrencyEdit() override;

    // A format of the user's locale, with this window's shift-entry and pad-before-grouping switches,
    // changed by every attribute of style that has a value; pTarget takes it (SetFormat).
    virtual void ApplyStyleAttributes(CGXBCurrencyEdit* pTarget, const CGXStyle& style);
    // Registers the window class "CGXBCurrencyEdit" (once) and makes the main window and, unless it
    // exists, the formatter's: children of the grid's window with an empty rectangle and dwStyle
    // without the multi-line, case, password, scrolling and Enter styles. TRUE when both exist.
    virtual BOOL CreateWindows(DWORD dwStyle);
    // The user attributes of the style dialog: 51046 (edited through a masked edit "##AAAA#"), 51047
    // and 51048 (through combo boxes of their choices), 51049, 51050, 51054 and 51045.
    static void RegisterUserAttributes(CGXStylesMap& stylesMap);

    // ---- the cell control ------------------------------------------------------------------------
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    // Active only with a window.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base Init, the windows made when there are none, the cell's format and value shown, its
    // alignment taken, the caret at 0; activated when the grid activates cells at once; not modified.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // With a cached style and modified: deactivates and stores GetValue through
    // CGXGridCore::ApplyValueToRange; that answer. Otherwise TRUE.
    BOOL Store() override;
    // The active current cell (not printing): the window formatted and shown over the cell, in the
    // cell's TextColor on its Interior; any other cell as static text of its formatted value.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Active: the window text; initialised: the cell's formatted value; else empty.
    void GetCurrentText(CString& strResult) override;
    // When initialised with a window: activates; a text ValidateString accepts is read into the
    // window, modified, and the grid told.
    void SetValue(const char* pszValue) override;
    // When initialised: the amount as a plain value text ("%.<fractional digits>f", a point); TRUE.
    BOOL GetValue(CString& strResult) override;
    void SetCurrentText(const char* pszText) override;
    // With pszValue: read into the main window (its first "." taken as the decimal separator) and
    // given back with that separator; FALSE when it does not read. Without: the style's Value
    // formatted by the formatter (a value that does not read is shown as it is); FALSE for none.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // A display text read with the cell's format into a plain value text; an empty text stays empty;
    // FALSE when it does not read.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The base store; on the current cell a new Value of an unmodified cell or a new control resets
    // the control, and a change of the currency attributes reaches the window.
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                          const CGXStyle* pCurrentStyle = nullptr) override;
    // A visible window is hidden (moved to an empty rectangle) with the grid's focus guard on.
    void Hide() override;
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // Space (the stored amount's sign flipped), End and Home (activation) while the window does not
    // have the focus.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A printable character on an inactive cell activates it and goes to the window.
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Double-byte text is swallowed: TRUE.
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    // Alt+Up focuses the window; Alt+Down activates the cell and opens the calculator when the cell
    // shows its button. FALSE.
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // The style's Value as a plain value text, read with the cell's format.
    void GetStyleValueText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CString& strResult) override;
    BOOL FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect) override;
    BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // Active: the text typed into the window's selection, modified; inactive: the base.
    BOOL StoreTextInCell(const char* pszText) override;
    BOOL GetSelectedText(CString& strResult) override;
    // EN_CHANGE of the active window tells the grid; then the window's command handling.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // The control's cell as a one-cell range.
    CGXCellRange CellRange() const;
    // The window is the active current cell's (nRow, nCol).
    BOOL IsEditing(ROWCOL nRow, ROWCOL nCol) const;
    // The plain value text of a signed amount in format.
    static CString ValueText(const Format& format, double dValue);
    // Formats the formatter with style's attributes and takes pszValue into it (its first "." as the
    // decimal separator); TRUE when it read.
    BOOL FormatterTakes(const CGXStyle& style, const char* pszValue);
    // The window's text with the stored sign of the cell flipped; FALSE when the value does not read.
    BOOL FlipSign(const CString& strValue);
    // The caret's place under point (grid-window coordinates) in the cell's text; -1 when none.
    int CalcCaretPosFromPoint(CPoint point);

    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnWindowLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalculatorResult(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    UINT m_nID;
    BOOL m_bActive = FALSE;
    // The style's font at the grid's zoom, made at each active draw.
    CFont m_font;
    int m_nLineHeight = 0;
    int m_nMaxCharWidth = 0;
    // The control puts text into its window itself: not a change of the user's.
    BOOL m_bUpdating = FALSE;
    BOOL m_bModified = FALSE;
    CGXCaptiveCurEdit m_wndFormatter;
};
