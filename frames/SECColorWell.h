// SECColorWell: a grid of colour cells (4 columns, 5 rows) to pick a colour from, with an optional
// "&Other..." button under it that opens the system's colour dialog; SECPopupColorWell: the same grid
// in a popup window that a well button drops (SECWellButton.h).
//
// Colours: the 20 cells take the first 20 entries of the stock default palette (the system's 20
// standard colours; SECStandardColors when the palette yields fewer).
// One more entry, the custom colour (black at start), shows in a custom cell under the last column once
// a colour outside the cells is set while the well has its "&Other..." button.
//
// Geometry: a cell is the pixels of 10 by 10 dialog units of the dialog the well stands in (the parent
// or an ancestor that is a CDialog), else the system's dialog base units * 10 / 4 by * 10 / 8; a
// position given in dialog units is turned into pixels the same way. The
// margins are 2, or 4 with the SEC_CWS_3DBORDER window style, plus 1 with a focus frame (popups). Cell
// (column, row) lies at (column * (cell width + 2), row * (cell height + 2)) from the margins' corner.
// The window is 2 * margin x + 4 * (cell width + 2) - 2 wide and 2 * margin y + 5 * (cell height + 2) - 2
// high, plus cell height + 8 with the "&Other..." button: an etched line (shadow, white) just under
// the grid, then, 5 pixels lower than a sixth row would stand, the button (string IDS_SEC_OTHERCOLOR,
// id ID_SEC_OTHERCOLOR, the parent's font) across the well and the custom cell in the last column; the
// first time the custom cell shows, the button loses a cell width + 2 at its right.
//
// Painting (through a memory bitmap; DoPaint draws into any DC): the face colour; the focus frame in
// the window-frame colour while a popup has the focus; the 3-D border (3-D light and 3-D dark shadow
// outside, highlight and shadow inside); each cell sunken two pixels deep (shadow and highlight, then
// 3-D dark shadow and 3-D light) and filled with its colour, the selected one framed black (one pixel
// outside the cell), white and black instead; the etched line; the custom cell while it shows. With the
// realise-palette flag the colours are drawn through the well's palette realised into the DC.
//
// Selecting: SetColor selects the cell of exactly that colour; another colour goes into the custom
// entry, and with the "&Other..." button the custom cell shows and is selected, else no cell is
// selected (GetColor then answers the custom entry). A press sets the focus and selects the cell under
// it (SelectChosen); with mouse tracking, moving over another cell selects it (SelectMouseMove); keys
// select with SelectKey. A well tells its parent of every selection with SEC_WM_COLORSELECTED (its id,
// the colour).
//
// Keys (WM_GETDLGCODE: arrows and characters, and Tab while the "&Other..." button exists): Tab goes to
// the "&Other..." button, Shift+Tab to the dialog's previous item; Left and Right move by one cell,
// wrapping to the previous or next row and, past the last cell, to the custom cell when it shows and
// on to the first cell (and back); Up and Down move by one row, through the custom cell in the last
// column when it shows, and around. Arriving by Shift+Tab from elsewhere, the focus goes on to the
// "&Other..." button. The "&Other..." button runs the colour dialog at the current colour with the
// well's dialog flags and custom colours; after OK the colour is set and the parent told.
//
// SECPopupColorWell (CreatePopup): made at the bottom-left of the button's rectangle, above the button
// when it would pass the screen's bottom, and with its right edge at the button's right when it would
// pass the screen's right; a WS_POPUP window with SEC_CWS_3DBORDER and a focus frame, of a window class
// with CS_SAVEBITS. It takes the focus and the mouse capture and follows the mouse over the cells.
// Choosing a cell (click, Enter, Space) selects it, sends SEC_WM_COLORSELECTED (0, the colour) to the
// window to notify and closes the popup; moving over the cells tells no one. The "&Other..." button
// (click or Space) posts SEC_WM_OTHERCOLOR to the window to notify and closes the popup. Escape, the
// focus leaving the popup (for a window other than its own button), or a press outside both the popup
// and the window to notify close it without a choice; such a press is posted on as WM_LBUTTONDOWN to
// the window under it; a press on the window to notify is ignored. The "&Other..." button of a popup
// gives Tab and the arrows back to the well and Escape closes the popup. Closing releases the capture
// and destroys the window; the object stays for the next CreatePopup.
#pragma once

#include "win/CButton.h"
#include "win/CGdiObject.h"

#include <memory>

// Messages between a well and the window it reports to.
#define SEC_WM_COLORSELECTED 0x0465 // a colour was selected: wParam the sender's id (0 from a popup), lParam the colour
#define SEC_WM_OTHERCOLOR    0x0466 // a popup asks its well button to run the colour dialog

// Window style of a colour well: a 3-D border and margins of 4.
#define SEC_CWS_3DBORDER 0x0001

// The system's 20 standard colours, the stock default palette's entries in order.
extern const COLORREF SECStandardColors[20];

// Runs the system's colour dialog owned by pOwner, starting at clr, with the CC_* flags dwFlags and
// the sixteen custom colours pCustColors (null: the program's shared set, kept for the run). TRUE after
// OK, with clr the chosen colour; FALSE after a cancel, clr unchanged.
BOOL SECChooseColor(CWnd* pOwner, COLORREF& clr, DWORD dwFlags, COLORREF* pCustColors);

class SECColorWell : public CWnd {
    DECLARE_DYNAMIC(SECColorWell)
    DECLARE_MESSAGE_MAP()
public:
    // Why a cell was selected.
    enum SelectReason { SelectKey = 0, SelectMouseMove = 1, SelectChosen = 2 };

    SECColorWell();
    ~SECColorWell() override;

    // Makes the well as a child of pParent at rect's top-left (in dialog units with bDialogUnits, else
    // pixels; its size follows from the geometry above) with window style dwStyle (WS_*,
    // SEC_CWS_3DBORDER), control id nID and, with bShowOther, the "&Other..." button. FALSE when no
    // window was made. A null parent is refused with CInvalidArgException.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, BOOL bShowOther = TRUE,
                BOOL bDialogUnits = FALSE);

    // Selects the colour (see the top of this file) and repaints.
    void SetColor(COLORREF clr);
    // The selected cell's colour, the custom entry when no cell is selected.
    COLORREF GetColor() const;
    // Moving the mouse over the cells selects them (FALSE at start).
    void SetTrackMouse(BOOL bTrack) { m_wellState.bTrackMouse = bTrack; }
    // Draws the colours through the well's palette (FALSE at start).
    void SetRealizePalette(BOOL bRealize);
    // The colour dialog's flags (CC_RGBINIT | CC_FULLOPEN at start) and custom colours (null: the
    // program's shared set).
    void SetColorDialogFlags(DWORD dwFlags) { m_wellState.dwDialogFlags = dwFlags; }
    DWORD GetColorDialogFlags() const { return m_wellState.dwDialogFlags; }
    void SetCustomColors(COLORREF* pCustColors) { m_wellState.pCustColors = pCustColors; }
    COLORREF* GetCustomColors() const { return m_wellState.pCustColors; }

    // The selected cell: row * 4 + column, CustomCell() for the custom cell, -1 for none.
    int GetSelectedCell() const { return m_wellState.nSelected; }
    int CustomCell() const { return m_wellState.nColumns * m_wellState.nRows; }
    BOOL IsCustomCellShown() const { return m_wellState.bCustomShown; }
    // A cell's size and rectangle (client coordinates) in the present geometry.
    CSize GetCellSize() const { return m_wellState.sizeCell; }
    CRect GetCellRect(int nCell) const;
    // The "&Other..." button (null without one).
    CButton* GetOtherButton() const { return m_pOtherButton.get(); }

    // Paints the well into pDC at (0, 0) (see the top of this file).
    virtual void DoPaint(CDC* pDC);

protected:
    // Sets the geometry for a well standing in pParent: cell size and margins.
    void ComputeGeometry(CWnd* pParent, DWORD dwStyle);
    // rect in dialog units turned into pixels for a well standing in pParent (see the top of this file).
    static CRect DialogUnitsToPixels(CWnd* pParent, CRect rect);
    // The window's size in the present geometry.
    CSize CalcSize() const;
    // Makes the window (shared by Create and CreatePopup).
    BOOL CreateWell(LPCSTR lpszClass, DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID);
    // The "&Other..." button's rectangle in the present geometry.
    CRect GetOtherButtonRect() const;
    // The cell at point (client coordinates); -1 for none.
    int CellFromPoint(CPoint point) const;
    // The colour of entry nIndex of the palette / sets it.
    COLORREF GetEntry(int nIndex) const;
    void SetEntry(int nIndex, COLORREF clr);
    // Shows the custom cell, shortening the "&Other..." button the first time.
    void ShowCustomCell();
    // Selects nCell for nReason, repaints and reports it (NotifySelection).
    virtual void SelectCell(int nCell, int nReason);
    // Tells the parent of the selection: SEC_WM_COLORSELECTED (the well's id, the colour).
    virtual void NotifySelection(int nReason);
    // The cell an arrow key moves to from the selected one.
    int CellAfterKey(UINT nChar) const;
    // "&Other...": the colour dialog.
    virtual void OnOtherColor();
    // Keys and focus of the "&Other..." button. TRUE when the well took the key. Nothing here.
    virtual BOOL OnOtherButtonKey(UINT nChar);
    virtual void OnOtherButtonKillFocus(CWnd* pNewWnd);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSysColorChange();

    friend class SECWellOtherButton;

    struct WellState {
        int nColumns = 4;
        int nRows = 5;
        CSize sizeCell;               // of the present geometry
        int cxMargin = 2;
        int cyMargin = 2;
        int nSelected = -1;           // see GetSelectedCell
        BOOL bFocusFrame = FALSE;     // a frame shows the focus (popups)
        BOOL bTrackMouse = FALSE;
        BOOL bShowOther = TRUE;
        BOOL bCustomShown = FALSE;
        BOOL bRealizePalette = FALSE;
        DWORD dwDialogFlags = CC_RGBINIT | CC_FULLOPEN;
        COLORREF* pCustColors = nullptr;
    } m_wellState;
    CPalette m_palette;                     // the cells' colours and the custom one
    CBrush m_brFace;                        // the face colour
    std::unique_ptr<CButton> m_pOtherButton; // "&Other...", while the well has one
};

class SECPopupColorWell : public SECColorWell {
    DECLARE_DYNAMIC(SECPopupColorWell)
    DECLARE_MESSAGE_MAP()
public:
    SECPopupColorWell();
    ~SECPopupColorWell() override;

    // Makes the popup for the button whose window rectangle (screen coordinates) is rcButton, with
    // the extra window style dwStyle (WS_VISIBLE to show it), owned by pParent (whose dialog gives the
    // cell size), with the "&Other..." button when bShowOther (see the top of this file). A window made
    // before is destroyed first and the well starts afresh. FALSE when no window was made. A null
    // parent is refused with CInvalidArgException.
    BOOL CreatePopup(DWORD dwStyle, const RECT& rcButton, CWnd* pParent, BOOL bShowOther = TRUE);
    // The window the popup reports to (the well button).
    void SetNotifyWindow(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    CWnd* GetNotifyWindow() const { return m_pNotifyWnd; }
    // TRUE while the popup is open.
    BOOL IsActive() const { return m_bActive; }
    // Releases the capture and destroys the window, once.
    void Close();

protected:
    void NotifySelection(int nReason) override;
    void OnOtherColor() override;
    BOOL OnOtherButtonKey(UINT nChar) override;
    void OnOtherButtonKillFocus(CWnd* pNewWnd) override;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    CWnd* m_pNotifyWnd; // not owned
    BOOL m_bActive;
};
