// CGXCheckBox: a check box with an optional caption (the cell's ChoicesList) drawn in a cell (52516
// "Checkbox, 1/0" flat, 52523 "Checkbox, 3d-Effect"). The value is a text: the box is checked when the
// Value equals user attribute 51019 "Checkbox: Checked Value" (empty: "1"), unchecked when it equals
// 51020 "Checkbox: Unchecked Value" (empty: "0") or the cell is not tri-state, indeterminate
// otherwise (exact comparisons). A click on the box (press and release both on it) or Space toggles
// the value and stores it at once: checked to unchecked, unchecked to empty in a tri-state cell, any
// other value to checked; then the grid's button hook is told. Read-only cells and cells where
// editing may not start keep their value. A text entered for a tri-state cell that matches neither
// text (ignoring case) is stored empty.
//
// The images are 13 x 13, five to a bitmap strip (unchecked, checked, their grey forms, indeterminate;
// GXResource.h), loaded on first use and recoloured: black to the window-text colour, pure red to the
// window colour, pure green to the window-frame colour, light grey to the button face; the print
// images (the flat strip) get black and white instead. Disabled boxes, and the box pressed in the
// current cell, draw the grey images. The box is placed by the style's alignment 3 pixels in from the
// cell's edge (centred or right-aligned with its caption when they fit) and squeezed into a cell too
// small for it.
//
// CGXCheckBoxEx (20130 "Checkbox with modify state", 20131 "3D Checkbox with modify state") holds the
// toggled value back until the current cell moves on (Store); Delete makes the pending value empty.
// Its class record's base is CGXControl's, so it is not a kind of CGXCheckBox for IsKindOf.
#pragma once

#include "grid/controls/GXModifyState.h"
#include "grid/engine/GXControl.h"

class CGXCheckBox : public CGXControl {
    GX_DECLARE_CONTROL(CGXCheckBox)
public:
    // State bits of GetState.
    enum { gxFocus = 1, gxGrey = 2, gxChecked = 4, gxUnchecked = 8 };
    // The box's side.
    enum { gxBoxSize = 13 };

    // A check box of pGrid, three-dimensional with b3d; nScreenBitmapId and nPrintBitmapId choose the
    // image strips (0: the library's for the look; GXResource.h).
    CGXCheckBox(CGXGridCore* pGrid, BOOL b3d = FALSE, UINT nScreenBitmapId = 0, UINT nPrintBitmapId = 0);
    // Frees both image blocks.
    ~CGXCheckBox() override;

    // (13 + text width + 6) by max(17, text height), through AddBorders; see the .cpp.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // The box and its caption.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Tri-state cells: a text equal to neither value text (without case) becomes empty. TRUE.
    BOOL ConvertTextToValue(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) override;
    // The pressed look follows the mouse over the box while the button is held.
    BOOL OnMouseMove(UINT nFlags, CPoint point) override;
    // FALSE on a read-only cell; else a press on the box presses it. TRUE.
    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    // A release on the box (pressed there) toggles.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // Space (a WM_CHAR nothing else took) toggles. TRUE.
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Toggles and stores the value (see the top of this file), then the grid's button hook.
    void OnClickedButton(CGXChild* pChild) override;
    // The images are loaded and recoloured again.
    void OnGridSysColorChange() override;
    // A pressed box lets go.
    void OnGridCancelMode() override;

    // The state bits of (nRow, nCol) drawn with style.
    virtual UINT GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // The box image for nState placed in rect (CalcBoxRect).
    virtual void DrawCheckBox(CDC* pDC, const CRect& rect, UINT nState, UINT nAlign, const char* pszCaption);
    // Where the box goes in rect with the caption and the alignment flags (DT_CENTER/DT_RIGHT,
    // DT_VCENTER/DT_BOTTOM), clipped to rect.
    virtual CRect CalcBoxRect(CDC* pDC, const CRect& rect, const char* pszCaption, UINT nAlign);
    // The colour a palette entry of the images becomes on the screen or, with bPrinting, on paper.
    virtual COLORREF MapImageColor(COLORREF color, BOOL bPrinting);
    // Loads both strips and recolours them; FALSE when the screen strip is missing.
    virtual BOOL LoadImages();

    // The checked and unchecked texts of style.
    static CString CheckedText(const CGXStyle& style);
    static CString UncheckedText(const CGXStyle& style);
    // The value after a toggle of strValue in a cell of style.
    static CString ToggledValue(const CString& strValue, const CGXStyle& style);

    UINT GetScreenBitmapId() const { return m_nScreenBitmapId; }
    BOOL IsPressed() const { return m_bPressed; }

protected:
    // The alignment flags of style.
    static UINT AlignmentFlags(const CGXStyle& style);
    // The box of the attached cell as drawn (the cached style's font and alignment).
    CRect AttachedBoxRect();
    // The press handling on the attached cell's box.
    BOOL PressBox(CPoint point);
    // Frees both image blocks.
    void FreeImages();

    BOOL m_b3d;
    HGLOBAL m_hScreenImages = nullptr;
    HGLOBAL m_hPrintImages = nullptr;
    UINT m_nScreenBitmapId;
    UINT m_nPrintBitmapId;
    int m_nCheckBoxSize = gxBoxSize;
    BOOL m_bPressed = FALSE;
    CRect m_rectBox;
};

class CGXCheckBoxEx : public GXModifyState<CGXCheckBox> {
    GX_DECLARE_CONTROL(CGXCheckBoxEx)
public:
    CGXCheckBoxEx(CGXGridCore* pGrid, BOOL b3d = FALSE, UINT nScreenBitmapId = 0, UINT nPrintBitmapId = 0);

    // Its own active cell from the cached style (the pending value).
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // Space toggles, Delete (while active) empties the pending value. TRUE when taken.
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Activates when needed, toggles the pending value, then the grid's button hook.
    void OnClickedButton(CGXChild* pChild) override;
};
