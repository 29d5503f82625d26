// CGXPushbutton: a cell that is one push button (52514 "Pushbutton"): an in-cell button
// (CGXButton) filling the cell, captioned with the cell's ChoicesList in the cell's TextColor (grey
// when a face colour is set and the cell is disabled), in the face colour of user attribute 52569
// "Pushbutton face color" when the style has one. A click or Space on it reaches the
// grid's button hook (CGXGridCore::OnClickedButton) with the cell; the cell's value never changes. It
// shows no current-cell frame: its button shows the focus look in the current cell instead.
#pragma once

#include "grid/engine/GXControl.h"

class CGXButton;

class CGXPushbutton : public CGXControl {
    GX_DECLARE_CONTROL(CGXPushbutton)
public:
    explicit CGXPushbutton(CGXGridCore* pGrid);

    // The base Init; the button is redrawn.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The caption's extent in the style's font plus 8 by 4, through AddBorders.
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                   BOOL bVertical) override;
    // Nothing.
    void DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGXStyle& style) override;
    // The style's 3D frame and the button; nothing in a rectangle 1 pixel wide or high or less.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // The button is the focus child, fills rect and shows the cell's ChoicesList.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGXButton* GetButton() const { return m_pButton; }

private:
    CGXButton* m_pButton;  // owned by the child list
};
