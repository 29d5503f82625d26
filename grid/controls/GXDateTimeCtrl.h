// CGXDateTimeCtrl: the cell control for dates and times (control ids 52543 "Date Time Control with
// popup calendar" and 52544 "Date time control without calendar"). One object is at once the
// date/time window (CGXBDateTimeCtrl), moved over the current cell to edit it field by field, and a
// static cell (CGXStatic) through which the grid talks to it. Two hidden windows of its own
// (CGXCaptiveDateTimeCtrl) measure, format and search values of any cell and draw the cells that are
// not being edited.
//
// Values are OLE date numbers written with "%.13g". Text becomes a date by the text-to-date rule:
// the user locale's date parser (unless numbers are forced by the user attribute 52571), else a
// number other than 0 as the date number, else today at midnight when the format shows a date and
// 30 December 1899 00:00 when it shows only a time.
//
// The cell's style gives: 51034 the fields that cannot be edited (decimal mask: 1 year, 2 month, 4 day,
// 8 hour, 16 minute, 32 second), 51035 and 51036 the allowed minimum and maximum (date text, or a
// date number; empty: the whole range), 51037 the range mode (0 none, 1 time, 2 date, 3 both), 51038
// the format type (0 time, 1 short date, 2 long date, 3 custom, 4 short date and time; above 4 counts
// as 4), 51039 the custom pattern, 51044 fast input (absent: on), 52571 numbers forced.
//
// Editing starts with a click on a field (the field under the pointer takes the focus; a click on
// the button or the arrows presses them), a typed character (the first field starts typing), End,
// Home, Alt+Down (the calendar opens) or the grid's activation; Delete on an inactive cell empties it.
// While active, Enter, Escape, Page Up, Page Down, F1 to F24, Tab (unless Tab moves between the fields)
// and every key with Ctrl reach the grid; Ctrl+C, Ctrl+V and Ctrl+X copy, paste and cut the cell.
//
// The editing window is redrawn in place after each change (hiding it would take the focus from it
// while the user types).
#pragma once

#include "grid/controls/GXBDateTimeCtrl.h"
#include "grid/controls/GXStatic.h"
#include "win/CGdiObject.h"

#include <climits>

class CGXStylesMap;

// A hidden date/time window: it holds a value and a format for the cell and lays nothing out.
class CGXCaptiveDateTimeCtrl : public CGXBDateTimeCtrl {
    DECLARE_DYNAMIC(CGXCaptiveDateTimeCtrl)
public:
    // Nothing: the cell places the gadgets where it needs them.
    void LayoutGadgets() override;

    // Numbers are forced for the value being measured or drawn.
    BOOL m_bForceNumber = FALSE;
};

class CGXDateTimeCtrl : public CGXBDateTimeCtrl, public CGXStatic {
    DECLARE_DYNAMIC(CGXDateTimeCtrl)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXDateTimeCtrl)
public:
    // A date/time cell of pGrid (not null, else CInvalidArgException*) with control id nCtrlId; its
    // windows are made by CreateChildWindows.
    CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nCtrlId);
    // Destroys the hidden windows, then the editing window (the grid's focus guard on meanwhile).
    ~CGXDateTimeCtrl() override;

    // Makes the editing window (child id the control id, dwStyle: WS_CHILD, gxSpinArrows, and
    // gxDropDownButton for the calendar) at an empty rectangle and the two hidden windows (the next two
    // ids) off-screen, all children of the grid window. FALSE when any cannot be made.
    BOOL CreateChildWindows(DWORD dwStyle);

    // ---- the cell control ------------------------------------------------------------------------
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    // The base; the windows made when missing; the style's fixed fields, format, forced numbers,
    // value (text-to-date rule), range and mode (the value clamped into it, not modified) and fast
    // input; activated when the grid activates current cells and editing may start; not modified.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Cached style, modified and a value: deactivates and stores it (CGXGridCore::ApplyValueToRange,
    // mode 0, the grid's style kind, flags 1); that answer. Otherwise TRUE.
    BOOL Store() override;
    // A field being typed loses the focus first (its digits committed); then the base.
    BOOL ValidateInput() override;
    // The base; when editing may start, a field that takes the focus is the focused one (the first
    // when none is) and the only one highlighted.
    BOOL OnStartEditing() override;
    // The base's rectangle, the control's own (not the static text's).
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // The static cell's borders with 5 pixels more width.
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // The Value formatted through the measuring window: the gadgets' widths added up, or the largest
    // of the font's line and the gadgets' heights; then AddBorders. Empty for an unreadable value.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The active current cell (not printing): the editing window shown over the cell in the style's
    // font and colours. Any other cell: drawn by hand through the drawing window (see DrawGadgets).
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Initialised and modified: the value in the locale's text, as display text; else the base.
    void GetCurrentText(CString& strResult) override;
    // Initialised with a window: activates; an empty text sets date number 0, a date text that
    // ValidateString accepts sets that date (modified either way); the grid is told.
    void SetValue(const char* pszValue) override;
    // Not initialised: FALSE; not modified: the base; else "%.13g" of the date number (or the
    // locale's "%#c" text when values are not stored as numbers). TRUE.
    BOOL GetValue(CString& strResult) override;
    // The text-to-date rule into the window; the grid is told.
    void SetCurrentText(const char* pszText) override;
    // The value (pszValue, else the style's) read as a date (the parser unless numbers are forced, else
    // a number other than 0) in the style's format: the gadgets' texts joined. FALSE (empty) for an
    // empty or unreadable value.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue, const CGXStyle& style) override;
    // Typed or pasted text: a date other than number 0 becomes its "%.13g"; other text is split into
    // parts (SplitText) and each field of the style's format, in order, takes the next part (a number
    // field its number, a name field the first name the part begins), the result as "%.13g". FALSE
    // when the text has no parts. An empty text stays empty.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The base; when that succeeds on the current cell in mode 0 or 1: a new Value while not modified
    // initialises the control again; a change of 51034, 51038 or 51039 re-applies the format.
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                          const CGXStyle* pCurrentStyle = nullptr) override;
    // A visible window is hidden at (10000, 10000) with no size, the grid's focus guard on.
    void Hide() override;
    // A click in the cell activates it at the point when the grid activates cells by mouse; the base.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // An inactive cell is activated at the point (forced); the base.
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // End, Home and Delete on an inactive cell (see the top of this file); other keys, and any with
    // Ctrl, the base.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Control characters to the base; others as one-character text.
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Active: TRUE. Read-only or refused: FALSE. Otherwise activates with the first field focused and
    // posts a one-character text to the window, so that typing starts there.
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    // Alt+Down: activates and opens the calendar (with the button); other keys the base.
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // The current cell's one-cell range through the grid.
    BOOL Copy() override;
    // Writable, initialised and active: the clipboard's text stored (StoreTextInCell).
    BOOL Paste() override;
    BOOL CanPaste() override;
    // The style's Value; a date text becomes its date number ("%f").
    void GetStyleValueText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CString& strResult) override;
    // Compares the find text with each field in turn: a number field when the text starts with a
    // digit and reads as its value, a name field when its name begins with the text. In the active
    // cell the search goes on after the last hit; another cell's Value is formatted through the
    // measuring window and a hit makes that cell current and active with the field highlighted.
    BOOL FindText(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos, BOOL bSelect) override;
    // As FindText (read-only cells refuse); a hit stores the replacement text as the cell's value.
    BOOL ReplaceSel(GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // When initialised, the base.
    BOOL StoreTextInCell(const char* pszText) override;
    // Active: the focused field's text ("%d" of a number, a name); FALSE when no field is focused.
    BOOL GetSelectedText(CString& strResult) override;

    // ---- the window ----------------------------------------------------------------------------------
    // Refuses the change of a read-only cell; else the control is modified. The search starts afresh.
    BOOL OnChanging(const COleDateTime& newValue) override;
    // Redraws the window and, when modified, tells the grid.
    void OnChanged() override;
    // Puts the window over the cell, makes the field under point (grid coordinates) the focused one
    // (only when forced or the cell has a Value), activates and sends the click to the window.
    // FALSE when nothing was activated.
    virtual BOOL ActivateAtPoint(UINT nFlags, CPoint point, BOOL bForce);
    // The five drawings of the drawing window's gadgets in an inactive cell.
    virtual void DrawSpinGadget(CDC* pDC, CGXBDTSpinGadget* pGadget);
    virtual void DrawNumericGadget(CDC* pDC, CGXBDTNumericGadget* pGadget);
    virtual void DrawListGadget(CDC* pDC, CGXBDTListGadget* pGadget);
    virtual void DrawStaticGadget(CDC* pDC, CGXBDTStaticGadget* pGadget);
    virtual void DrawButtonGadget(CDC* pDC, CGXBDTButtonGadget* pGadget);
    // Sets pWnd's format from the style: type 3, or 51038 empty with 51039 set, the custom pattern;
    // both empty the short date; else the type (above 4 counts as 4). Whether the format shows a date.
    virtual BOOL ApplyStyleFormat(CGXBDateTimeCtrl* pWnd, const CGXStyle& style);
    // Splits free text at blanks, line breaks and the separators. Whether any part was found.
    virtual BOOL SplitText(const CString& strText, CStringArray& parts);

    // The text-to-date rule (see the top of this file).
    static COleDateTime TextToDate(const CString& strText, BOOL bForceNumber, BOOL bHasDatePart);

    // The registrations of the style dialog (see the top of this file).
    static void RegisterUserAttributes(CGXStylesMap& stylesMap);

    BOOL m_bStoreAsNumber = TRUE;
    BOOL m_bForceNumber = FALSE;
    BOOL m_bSpinAlways = FALSE;
    BOOL m_bButtonAlways = FALSE;
    BOOL m_bHasDatePart = FALSE;
    BOOL m_bTabInCell = FALSE;
    CString m_strSeparators = ",";

    CGXCaptiveDateTimeCtrl& MeasureWnd() { return m_wndMeasure; }
    CGXCaptiveDateTimeCtrl& DrawWnd() { return m_wndDraw; }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnCellLButtonUp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

private:
    // The control's cell as a one-cell range.
    CGXCellRange CellRange() const;
    // Stores an empty value in the cell, deactivated and not modified.
    void StoreEmpty();
    // pWnd takes the style's format and fixed fields and the value (pszValue, else the style's) by the
    // text-to-date rule, or (bStrict) only a readable value; FALSE when bStrict and it is not.
    BOOL LoadValue(CGXCaptiveDateTimeCtrl& wnd, const CGXStyle& style, const char* pszValue, BOOL bStrict);
    // The text of gadget pGadget as the cell shows it (numbers padded as the field asks, names, text).
    static CString GadgetText(const CGXBDTGadget* pGadget);
    // The first field from nStart of pWnd that the find text matches; -1 when none.
    int FindField(const CGXBDateTimeCtrl& wnd, const CString& strFind, BOOL bCase, int nStart) const;
    // Highlights only field nIndex (-1: none) of the editing window, which becomes the focused one.
    void HighlightField(int nIndex);
    // The first (bLast: last) field that takes the focus; -1 when none.
    int EdgeField(BOOL bLast) const;
    // Whether the key is down (the key-state seam).
    static BOOL IsKeyDown(int nVirtKey);
    // The style FindText and ReplaceSel use for another cell.
    const CGXStyle& SearchStyle(const GridFindReplaceState& state, ROWCOL nRow, ROWCOL nCol,
                                std::unique_ptr<CGXComposedStyle>& rpComposed);
    // Starts a new search.
    void ResetSearch();

    UINT m_nCtrlId;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    // The last hit of FindText.
    ROWCOL m_nFindRow = ROWCOL(INT_MAX);
    ROWCOL m_nFindCol = ROWCOL(INT_MAX);
    CString m_strFindText;
    int m_nFindGadget = 0;
    BOOL m_bFound = FALSE;
    CGXCaptiveDateTimeCtrl m_wndMeasure;
    CGXCaptiveDateTimeCtrl m_wndDraw;
    CFont m_font;
};
