// CGXTabbedComboBox: the multi-column combo cell on the drawn drop-down combo (GXComboBox.h, free text)
// instead of a real combo box (control id 52541 "Tabbed ComboBox"; the factory also makes it for 52539
// and 52540 on the older systems). Each line of the style's ChoicesList is a row of tab-separated
// fields; the cell stores the key column's field of the chosen row and its edit shows the text
// column's field. The columns, titles, widths and sorting come from the attributes 51028 to 51033 as
// for the tabbed combo window cell (GXTabbedComboBoxWnd.h); the open list (CGXTabbedComboLBox) draws
// every row in columns under an optional title window (CGXTabbedLBoxHeader), at least as wide as the
// columns, above the cell (titles on top) when it would pass the screen's bottom, below it otherwise
// (titles first).
//
// Cells that share one ChoicesList give it the same positive number in 51055 "TabList: Unique
// choicelist id": the lookups from key to row and from text to row then go through maps the grid
// parameter keeps once per id (built on first use, freed when a style change touches the list, its
// columns or the id, which advances the parameter's stamp). Without an id (0 or below) the choice list
// is scanned. The list's content is kept between drop-downs and refilled only when the cell's id
// differs from the last fill's or the stamp moved on (or the cell has no id); the pop-up, the list and
// the title window are made once and kept, hidden, until the control goes.
//
// Typing completes: after each character the edit shows the text-column field of the row the typed
// text names (with an id, the row the text map holds for it; without, the row equal to it, else the
// first that begins with it without case) with the completed tail selected. A text that begins a row
// is accepted, and with an id remembered in the text map as naming that row. The value is the key of
// the row whose text field equals the edit text; a text naming no row cannot be stored.
//
// Every cell but the one being edited shows its display text (the text-column field of the row its
// value names); a display text that names a bitmap of the pool is drawn as that bitmap, placed by the
// style's alignment, as the tabbed combo window cell does.
#pragma once

#include "grid/controls/GXComboBox.h"
#include "grid/controls/GXTabbedLBoxHeader.h"
#include "grid/controls/GXTabbedRow.h"

class CGXStylesMap;
class CGXTabbedComboBox;

// The list of the tabbed combo: rows drawn in columns.
class CGXTabbedComboLBox : public CGXComboListBox {
public:
    explicit CGXTabbedComboLBox(CGXTabbedComboBox* pCombo);

    // The row in columns (one column without show-all), highlighted when selected, else in the combo's
    // list colours; the focus rectangle on the focus action.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // The combo's item height, raised for the bitmaps the row shows.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // -1: the list never sorts.
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;

protected:
    CGXTabbedComboBox* m_pCombo;
};

class CGXTabbedComboBox : public CGXComboBox {
    DECLARE_DYNAMIC(CGXTabbedComboBox)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXTabbedComboBox)
public:
    // A tabbed combo of pGrid (not null, else CInvalidArgException*) with control id nEditID and list id
    // nListBoxID: free text, the button one cell high.
    CGXTabbedComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID);
    // Closes the list, then destroys the kept pop-up and the title window.
    ~CGXTabbedComboBox() override;

    // ---- the cell control ------------------------------------------------------------------------
    // The combo's Init, the attributes read, the value shown, not modified, the list to be filled again;
    // activated when the grid activates current cells at once; the edit read-only while the grid is
    // locked or the cell is read-only.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // An active, modified cell whose text names no row fails; then the inherited check.
    BOOL ValidateInput() override;
    // The widest and tallest text-column field, one line at least, with the borders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The current cell takes the list colours from its style; the active one measures the item height.
    // Other cells whose display text names a bitmap show the bitmap; the rest draw as the drop-down combo.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The key of the row whose text field equals the edit text; "" for an empty text; FALSE when no row
    // matches or the control is not initialised.
    BOOL GetValue(CString& strResult) override;
    // The edit shows the text field of the row whose key is pszText (selected); none empties it.
    void SetCurrentText(const char* pszText) override;
    // The text field of the row whose key is the value (given, else the style's); FALSE and empty when
    // none.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // The key of the row whose text field equals strText; an empty text stays empty (TRUE); FALSE when
    // none or without a ChoicesList.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The inherited store; a change of the current cell's list, columns or id frees that id's maps and
    // starts the control again, as does a change of its control or (unmodified) value.
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int nMode, int nKind,
                          const CGXStyle* pCurrentStyle = nullptr) override;
    // The inherited handling; a typed character on an editable cell then completes the text.
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // TRUE for an empty text or with the fill switch off; else TRUE when a row's text field begins with
    // the text (without case), which with an id is remembered in the text map.
    BOOL ValidateString(const CString& strText) override;

    // ---- the window --------------------------------------------------------------------------------
    // Made once, then the kept one.
    CGXGridCombo* CreatePopup(const CRect& rect) override;
    CListBox* CreateListBox(CWnd* pParent, UINT nID) override;
    // Places the open list with the titles (see the top of this file).
    void PlaceList(CListBox* pList, const CRect& rectCell, const CRect& rectScreen) override;
    // The selected row's display field into the edit, active and modified.
    void TakeListSelection(CListBox* pList) override;
    // Refills the list when stale (see the top of this file), sorting the cached style's ChoicesList
    // once; then selects the item equal to the edit text, else the first beginning with it.
    void FillList(CListBox* pList) override;
    // From the cell's left to max(its right, left + the columns' width), below it, the grid parameter's
    // drop-down height tall.
    void CalcDropRect(CRect& rectDrop, const CRect& rectCell) override;
    // Only hides the pop-up and the titles, and clears the list's keyboard and mouse flags.
    void DestroyPopup(CGXGridCombo* pPopup) override;
    // Completes the edit text from the rows (see the top of this file).
    virtual void AutoComplete();

    // Registers the attributes of the tabbed combo window cell and 51055.
    static void RegisterUserAttributes(CGXStylesMap& stylesMap);

    // The layout read at Init and measured at the last fill; the list's colours and item height.
    const GXTabbedLayout& GetLayout() const { return m_layout; }
    COLORREF m_clrGridLine = RGB(192, 192, 192);
    COLORREF m_clrListBack = RGB(255, 255, 255);
    COLORREF m_clrListText = RGB(0, 0, 0);
    int m_nItemHeight = 10;
    BOOL m_bAutoComplete = TRUE;
    CGXTabbedLBoxHeader& GetTitleWindow() { return m_wndTitle; }

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    // The cell's unique choice-list id (51055; 0 when absent).
    static int UniqueId(const CGXStyle& style);
    // The row of style whose field nField equals pszField (exact, with case), through the id's map
    // (bText: the text map) when the style has an id. FALSE when none.
    BOOL FindRow(const CGXStyle& style, const char* pszField, BOOL bText, CString& strRow);
    // The map of style's id, built on first use; null without an id or grid parameter.
    CMapStringToString* SharedMap(const CGXStyle& style, BOOL bText);

    GXTabbedLayout m_layout;
    int m_nFilledId = 0;
    int m_nFilledStamp = -1;
    BOOL m_bListFilled = FALSE;
    CGXTabbedLBoxHeader m_wndTitle;
    CGXGridCombo* m_pKeptPopup = nullptr;
    CGXTabbedComboLBox* m_pKeptList = nullptr;  // owned by the kept pop-up
};
