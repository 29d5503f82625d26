// Four edit cells that are the edit cell (CGXEditControl) with one change each. None lets its text
// float over the neighbouring cells.
//
// CGXPasswordControl (52537 "Password Edit") hides what is typed: the inactive cell shows one
// password character ('*') per character of its value, the active window is always a single-line
// ES_PASSWORD field holding the real text, and Copy and Cut put nothing on the clipboard (they report
// success, so the grid does not copy the cell instead). A press in the window gets the edit window's
// own handling only.
//
// CGXVScrollEdit (52521 "Edit Control, Scrollbar") gives a wrapping cell a vertical scroll bar: its
// window is multi-line with WS_VSCROLL, and the text rectangle leaves room for the bar (SM_CXVSCROLL).
//
// CGXHotSpotEdit (52518 "Hotspot Edit") carries a small button (CGXHotSpotButton) in the top right
// corner of the cell, 13 pixels square, clipped to the cell; a click on it reaches the grid's button
// hook (CGXGridCore::OnClickedButton) with the cell and does nothing else.
//
// CGXSpinEdit (52519 "Spin Edit") carries an up and a down arrow (CGXUpArrowButton,
// CGXDownArrowButton) in a column of 14 pixels at the right; each click (repeated while held) steps
// the cell's whole-number value by 1 within the bounds of user attributes 51014 "SpinBound: Min.
// Value" and 51015 "SpinBound: Max. Value" (empty: no bound); 51016 "SpinBound: Wrap Value" non-zero
// lets the value wrap from one bound to the other, and 51021 "SpinEdit: start value" is the value an
// empty cell takes at the first click. The attributes are read at every press in the cell. A step at
// the limit of a 32-bit number stays there; the text "abc" reads as 0. A read-only cell keeps its
// value (the click still activates it and reaches the grid's hook).
#pragma once

#include "grid/controls/GXEditControl.h"

class CGXHotSpotButton;
class CGXUpArrowButton;
class CGXDownArrowButton;

// The hot-spot button's side.
constexpr int GXHotSpotSize = 13;
// The hot-spot button in a cell's rectangle rect: from (right - 14, top) to (right - 1, top + 13),
// clipped to rect, one pixel lower when the clipped button is less high than rect less one pixel.
CRect GXHotSpotButtonRect(const CRect& rect);

// An edit cell that keeps a column of nWidth pixels at its right for its buttons: the static-text
// rectangle and the preferred size leave them room, and the text never floats.
template <int nWidth>
class GXButtonColumnEdit : public CGXEditControl {
public:
    using CGXEditControl::CGXEditControl;
    static constexpr int gxColumnWidth = nWidth;

    // The static-text rectangle with nWidth pixels less on the right.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override
    {
        CRect rect = CGXStatic::GetCellRect(nRow, nCol, pRect, pStyle);
        rect.right -= nWidth;
        return rect;
    }
    // nWidth pixels more width, then the static-text borders.
    CSize AddBorders(CSize size, const CGXStyle& style) override
    {
        return CGXStatic::AddBorders(CSize(size.cx + nWidth, size.cy), style);
    }
    // FALSE.
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGXStyle&, BOOL) override { return FALSE; }
};

class CGXPasswordControl : public CGXEditControl {
    DECLARE_DYNAMIC(CGXPasswordControl)
    DECLARE_MESSAGE_MAP()
    GX_DECLARE_CONTROL(CGXPasswordControl)
public:
    // A password cell of pGrid; nID is its control id and window id.
    CGXPasswordControl(CGXGridCore* pGrid, UINT nID);

    // FALSE.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell) override;
    // The real (unmasked) text in the window, with its password character set.
    void SetCurrentText(const char* pszText) override;
    // The edit cell's text; while masking is on (always, outside SetCurrentText) every character of it
    // becomes the password character.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, const char* pszValue,
                        const CGXStyle& style) override;
    // Nothing is copied or cut; TRUE.
    BOOL Copy() override;
    BOOL Cut() override;
    // The edit cell's style without ES_MULTILINE, with ES_PASSWORD.
    DWORD CalcEditStyle(CRect& rectFormat, int nLineHeight) override;

protected:
    afx_msg LRESULT OnPasswordLButtonDown(WPARAM wParam, LPARAM lParam);

    BOOL m_bMaskDisplay = TRUE;
    char m_chPassword = '*';
};

class CGXVScrollEdit : public CGXEditControl {
    DECLARE_DYNAMIC(CGXVScrollEdit)
    GX_DECLARE_CONTROL(CGXVScrollEdit)
public:
    CGXVScrollEdit(CGXGridCore* pGrid, UINT nID);

    // The static-text rectangle less the system's scroll-bar width while the scroll bar is on.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRect = nullptr, const CGXStyle* pStyle = nullptr) override;
    // FALSE.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatCell) override;
    // The scroll bar on, then the edit cell's rule.
    DWORD CalcEditStyle(CRect& rectFormat, int nLineHeight) override;
};

class CGXHotSpotEdit : public GXButtonColumnEdit<GXHotSpotSize> {
    DECLARE_DYNAMIC(CGXHotSpotEdit)
    GX_DECLARE_CONTROL(CGXHotSpotEdit)
public:
    CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID);

    // The edit cell's Init; the button is redrawn.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The button at GXHotSpotButtonRect.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGXHotSpotButton* GetButton() const { return m_pButton; }

private:
    CGXHotSpotButton* m_pButton;  // owned by the child list
};

class CGXSpinEdit : public GXButtonColumnEdit<14> {
    DECLARE_DYNAMIC(CGXSpinEdit)
    GX_DECLARE_CONTROL(CGXSpinEdit)
public:
    CGXSpinEdit(CGXGridCore* pGrid, UINT nID);

    // The edit cell's Init; both buttons are redrawn and the style fetched.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Reads the spin attributes of the cell, then the base press handling (the arrows).
    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    // Steps the value (see the top of this file), then the grid's button hook.
    void OnClickedButton(CGXChild* pChild) override;
    // The arrow column from (right - 15, top + 1) to (right - 1, bottom - 1), clipped to rect: the up
    // arrow its upper half (height / 2), the down arrow the rest.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    // The value after one step up (bUp) or down from the text pszText under the bounds last read.
    LONG StepValue(const char* pszText, BOOL bUp) const;
    // Reads the four spin attributes of style into the bounds.
    void ReadSpinAttributes(const CGXStyle& style);

    CGXUpArrowButton* GetUpButton() const { return m_pUpButton; }
    CGXDownArrowButton* GetDownButton() const { return m_pDownButton; }

private:
    CGXUpArrowButton* m_pUpButton;      // owned by the child list
    CGXDownArrowButton* m_pDownButton;  // owned by the child list
    BOOL m_bWrap = FALSE;
    LONG m_nMinBound = 0;
    LONG m_nMaxBound = 0;
    BOOL m_bMinBound = FALSE;
    BOOL m_bMaxBound = FALSE;
    BOOL m_bStartValue = FALSE;
    LONG m_nStartValue = 0;
};
