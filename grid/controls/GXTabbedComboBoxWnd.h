// CGXTabbedComboBoxWnd: a multi-column combo cell on a real combo box. Each line of the style's
// ChoicesList is a row whose fields are separated by tabs; the cell stores the field of the key
// column (user attribute 51028 "TabList: Key Column", 0 by default) of the chosen row and shows the
// field of the text column (51029 "TabList: Text Column", 0 by default). The factory makes it for
// control ids 52539 "Tabbed MFC ComboBox" (editable) and 52540 "Tabbed MFC DropDownList" (choice only,
// the list opened by a click on the cell); the evaluations grid edits its ordinal criteria with 52540.
//
// The other attributes, read at each Init: 51030 "TabList: Show all columns" (on when absent): the
// open list shows every column side by side with grey lines between them, else only the text column;
// 51031 "TabList: Display Column Titles": the first line is a title row, shown in a window of column
// titles at the open list (CGXTabbedLBoxHeader) and never chosen; 51032 "TabList: Column Widths":
// pixel widths of the columns in order, numbers separated by anything (a text that does not begin with
// a digit is not used); 51033 "TabList: Sort Columns" (-1 when absent): the rows sorted by that column
// (0: by the whole row), ignoring case, before they are listed. At most 10 columns are measured and
// sized; a column without an explicit width takes its widest field plus 4 pixels (0 when hidden), a
// title counting with the raised frame it is drawn in.
//
// The items of the list are the rows, each preceded by its text column's field and a tab when the
// text column is above 0 (GXTabbedRow.h). Values: a value selects the row whose key field equals it
// (with case); a row's key is the value, its text-column field the text shown; a typed or pasted text
// must equal a row's text-column field (with case), which stores that row's key, or it is refused;
// an active cell whose text names no item keeps the current cell. The editable form's field shows an
// item's first field only and completes typed text from the first item that continues it (a
// character no item continues is refused).
//
// The open list (laid out while it asks the grid for its colours): at least as wide as the columns
// and the vertical scroll bar, moved left to end at the combo's right edge when it would pass the
// screen's, with the title window above it (a list that opens below the combo moves down to make
// room). Its items are drawn in the window colours, the selection field in the cell's. Escape with
// the list open or closed discards the choice (when the grid lets the edit be cancelled): the cell
// shows its stored value again and the grid takes the focus back.
#pragma once

#include "grid/controls/GXComboBoxWnd.h"
#include "grid/controls/GXTabbedLBoxHeader.h"

#include <vector>

class CGXStylesMap;

// The editable form's edit field: a text set into it shows up to its first tab only, and typed text
// is completed from the list.
class CGXTabbedCBEditWnd : public CGXComboEditPart {
    DECLARE_MESSAGE_MAP()
public:
    explicit CGXTabbedCBEditWnd(CGXComboBoxWnd* pCombo) : CGXComboEditPart(pCombo) {}

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
};

class CGXTabbedComboBoxWnd : public CGXComboBoxWnd {
    DECLARE_DYNAMIC(CGXTabbedComboBoxWnd)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXTabbedComboBoxWnd)
public:
    // A tabbed combo cell of pGrid (not null, else CInvalidArgException*): no drop on click (52540
    // sets it), text search on.
    explicit CGXTabbedComboBoxWnd(CGXGridCore* pGrid);
    ~CGXTabbedComboBoxWnd() override;

    // The window with dwStyle plus CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS, CBS_NOINTEGRALHEIGHT and
    // WS_VSCROLL; the edit field of the editable form becomes a CGXTabbedCBEditWnd. FALSE when no
    // window was made.
    BOOL CreateComboWindow(DWORD dwStyle, UINT nID) override;

    // ---- the cell control ------------------------------------------------------------------------
    // The base control's Init, the attributes read, the list filled, the stored value selected, not
    // modified, read-only as the cell is.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // An active, modified cell whose text names no item fails; then the base checks.
    BOOL ValidateInput() override;
    // The widest and tallest text-column field of the data rows, one line at least, with the borders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The active current cell: the window over the cell and the grid lines above and left of it, the
    // list's colours from the cell, the drop part of at most 8 items below; once skipped after a click
    // on the button opened the list. Other cells: a display text naming a bitmap draws the bitmap,
    // anything else static text.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The editable form's text (else the selected item's whole text); the drop-down list's selected
    // item's first field.
    void GetCurrentText(CString& strResult) override;
    // The key field of the first item that begins with the current text (without case); "" for an
    // empty text; FALSE when no item matches.
    BOOL GetValue(CString& strResult) override;
    // Selects the row whose key field equals pszText; none selects nothing.
    void SetCurrentText(const char* pszText) override;
    // The text-column field of the row whose key field equals the value; FALSE when none (or no
    // choice list). The columns and titles are read from style.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // A text equal to a row's text-column field becomes that row's key; FALSE for any other text (an
    // empty text stays empty).
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The base store; a change of the current cell's choices, columns, control or (unmodified) value
    // starts the control again there.
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                          const CGXStyle* pCurrentStyle = nullptr) override;
    // The title window goes with the combo.
    void Hide() override;
    // With drop on click, a click on the cell activates it and opens the list.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // Without drop on click, the button activates the cell and opens the list; then the grid is told.
    void OnClickedButton(CGXChild* pChild) override;
    // The list opening or closing forgets the list's place; closing hides the titles.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Lays the open list out (see the top of this file) while it asks for its colours; the answer is
    // left to the grid (FALSE).
    BOOL OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor, HBRUSH& hbr) override;
    // TRUE for an empty text, or when some data row's text-column field begins with it (without case).
    BOOL ValidateString(const CString& strText) override;

    // ---- the window --------------------------------------------------------------------------------
    // Items: the selection field shows the first field, the list every column (one with show-all
    // off); selected items in the highlight colours.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // An item is at least as tall as the bitmaps it shows.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // -1: items are never sorted by the combo.
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;
    // Escape discards the choice (see the top of this file); other keys as the base.
    BOOL FilterKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;

    // The window disabled with its edit field enabled but read-only (so its text can still be
    // selected), or both writable again.
    void SetReadOnlyState(BOOL bReadOnly);

    // Registers 51028 and 51029 without a style, 51030 and 51031 as centred 3D check boxes and 51033
    // without a style; a registered id keeps its first registration.
    static void RegisterUserAttributes(CGXStylesMap& stylesMap);

    // The layout of the list (after Init): the columns' right edges, the column count less one, the
    // width of the open list and the title window.
    const std::vector<int>& GetColumnEdges() const { return m_anEdges; }
    int GetColumnCount() const { return m_nColCount; }
    int GetTotalWidth() const { return m_nTotalWidth; }
    CGXTabbedLBoxHeader& GetTitleWindow() { return m_wndTitle; }

    // ---- options (read from the style at each Init) ----------------------------------------------
    int m_nKeyCol = 0;
    int m_nTextCol = 0;
    BOOL m_bShowAllCols = TRUE;
    BOOL m_bDispTitles = FALSE;
    int m_nSortCol = -1;
    CString m_strColWidths;
    // The lines between the columns.
    COLORREF m_clrGridLine = RGB(192, 192, 192);

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    // The attributes of style into the options.
    void ReadAttributes(const CGXStyle& style);
    // Fills the list from style's choices (see the top of this file) and sizes the columns.
    void FillList(const CGXStyle& style);
    // The inactive drawing.
    void DrawInactiveCell(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle);
    // Places the title window at the list (rectList, screen coordinates), moving the list below it
    // when the list opens below the combo.
    void ShowTitles(CRect& rectList);
    void HideTitles();

    // The selection field's colours: the cell's interior and text colour at each activation (the
    // open list's items are drawn in the window colours).
    COLORREF m_clrListBack = RGB(255, 255, 255);
    COLORREF m_clrListText = RGB(0, 0, 0);
    // Where the open list was last put (screen coordinates; empty when it opens or closes).
    CRect m_rectListCache;
    int m_nTotalWidth = 0;
    int m_nColCount = 0;
    std::vector<int> m_anEdges;
    // The choices as listed (sorted when asked), for finding rows by their index.
    CString m_strChoices;
    CGXTabbedLBoxHeader m_wndTitle;
    // A click on the button opened the list: the next draw of the active cell does nothing.
    BOOL m_bSkipNextDraw = FALSE;
    // The text of the item being added, measured before the combo knows it.
    CString m_strItemAdding;
};
