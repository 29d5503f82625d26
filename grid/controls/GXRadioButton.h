// The radio button cells: a group of buttons in one cell, one per non-empty line of the cell's
// ChoicesList (empty lines do not count), whose Value is the zero-based index of the chosen button
// (decimal text; empty or an index matching no button chooses none).
//
// CGXRadioButton (52515 "Radio Buttons" flat, 52524 "Radio Buttons, 3d-Effect") lists the buttons one
// under another, each button at the cell's left edge and its label 18 pixels in, and stores a choice
// at once: a click on a button or on its label's measured extent (a click beside the text chooses
// nothing) or Space, which chooses the button after the chosen one (the first after the last, and
// after none). A click that hits a button reaches the grid's button hook even when it chose nothing
// new. Read-only cells keep their value.
//
// CGXRadioButtonEx (20137 "Radio Buttons, with active state", 20136 "Radio Buttons, 3d-Effect and
// active state") holds the choice back until the current cell moves on (Store); Delete empties the
// pending value. User attribute 51057 "RadioButton: Alignment" "1" lays its buttons out in one row,
// 52568 "RadioButton: Text Alignment" "1" puts each label right of its button (else left of it). A
// click anywhere in its covered block counts as on the block's top-left cell.
//
// Images: the three-dimensional look copies 14 x 13 images from the second row of bitmap 20019 (x = 0
// unselected, x = 14 selected), kept in the library's bitmap pool; the flat look draws a circle and
// dot. A line is the font's height with external leading, at least 12 pixels.
#pragma once

#include "grid/controls/GXModifyState.h"
#include "grid/engine/GXControl.h"

#include <vector>

class CGXRadioButton : public CGXControl {
    GX_DECLARE_CONTROL(CGXRadioButton)
public:
    // One button of a laid-out group: the area a click chooses it by (its button), its label's
    // measured extent and where the button is drawn.
    struct Item {
        CString strLabel;
        CRect rectButton;
        CRect rectLabel;
        CPoint ptButton;
    };

    CGXRadioButton(CGXGridCore* pGrid, BOOL b3d = FALSE);

    // widest label + 22 by the lines + 4, through AddBorders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // A release in the cell chooses the button hit (see the top of this file).
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // Space chooses the next button. TRUE when taken.
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;

    // The non-empty lines of a choice list (cut at every CR and LF).
    static std::vector<CString> SplitChoices(const CString& strChoices);
    // The chosen index of style: its Value as a number when not empty, else -1.
    static int ChosenIndex(const CGXStyle& style);
    // The line height of the font selected in pDC (at least 12).
    static int LineHeight(CDC* pDC);
    // The buttons of style laid out in rect with the font selected in pDC.
    virtual std::vector<Item> Layout(CDC* pDC, const CRect& rect, const CGXStyle& style);
    // The index of the button point hits in the attached cell (-1: none).
    int HitIndex(CPoint point);

    int GetButtonCount() const { return m_nCount; }

protected:
    // Draws one button at pt (selected with bSelected).
    void DrawRadioButton(CDC* pDC, CPoint pt, BOOL bSelected);
    // Draws the buttons and labels of style in rect.
    void DrawButtons(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // The index after the chosen one of the attached cell's style, wrapping to 0.
    int NextIndex();

    int m_nCount = 0;
    BOOL m_b3d;
};

class CGXRadioButtonEx : public GXModifyState<CGXRadioButton> {
    GX_DECLARE_CONTROL(CGXRadioButtonEx)
public:
    CGXRadioButtonEx(CGXGridCore* pGrid, BOOL b3d = FALSE);

    // The items summed in the layout's direction, plus 4 each way, through AddBorders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // Its own active cell from the cached style (the pending choice).
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // A hit activates the control and makes its index the pending choice; the grid's hook is told.
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // Space chooses the next button, Delete (while active) none.
    BOOL ProcessKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // TRUE.
    BOOL IsCoveredCellUnit() override;
    // The layout of the attributes 51057 and 52568.
    std::vector<Item> Layout(CDC* pDC, const CRect& rect, const CGXStyle& style) override;

private:
    // nIndex becomes the pending choice (activating first); nothing when it is already chosen.
    void ChoosePending(int nIndex);
};
