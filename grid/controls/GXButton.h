// The in-cell buttons: small faces a cell control draws inside its cell and reports clicks from
// (CGXControl::OnClickedButton). They are gadgets (CGXChild), not windows: the control lays them out,
// draws them and hands them the mouse and the keys of its cell.
//
// CGXButton presses like a push button: a left press holds it down and follows the mouse (pressed
// while the pointer is over the face), the release over the face reports the click; Space down and
// up while it is the focus child does the same from the keyboard; the grid's cancel-mode notice lets
// it go. Every change of the pressed state invalidates the face unless the redraw switch is off.
// CGXArrowButton repeats instead: one click at the press, then, while the held face keeps receiving
// mouse moves, one after 500 ms and then every 150 ms, each interval 5 ms shorter down to 50 ms; its
// release reports nothing.
//
// Faces (pixels; the face is the button's rectangle). A face is sunken while its cell is the current
// cell, the button is its control's focus child and is pressed, raised otherwise. The plain face
// fills with the button-face colour and shows the caption in the DC's text colour (the push-button
// cell sets its TextColor); with user attribute 52569 "Pushbutton face color" (a decimal COLORREF) in
// the style it fills with that colour and a disabled style greys the caption. The drop-down face
// shows the grid's shared arrow bitmap centred in the face less two pixels at top and bottom; the
// hot-spot face a glyph when 12 or more pixels high; the arrow faces a triangle of four rows (8 or
// more high) or three rows (5 to 7 high), nothing below 5. The hot-spot and arrow faces appear only
// in the current cell; the drop-down face of a combo window cell in the current cell while the combo
// is not active, and in other cells with the combo's button-in-every-cell switch.
//
// The drop-down button of the drawn combo cell (CGXComboBoxButton), which reads that cell's own
// button-in-every-cell switch, stands with its cell in GXComboBox.h.
#pragma once

#include "grid/engine/GXChild.h"

class CGXButton : public CGXChild {
public:
    // A button of pControl, not pressed, not tracking, redrawing on every change.
    explicit CGXButton(CGXControl* pControl);

    // With user attribute 52569 in style: the face in that colour, its caption grey when style's
    // Enabled is included and FALSE; otherwise DrawButton.
    void Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle& style) override;
    // The plain face in the button-face colour with the caption in the DC's text colour.
    void DrawButton(CDC* pDC, BOOL bFocusCell) override;

    // The press, the mouse followed and the release (see the top of this file). TRUE.
    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    // Space down presses, Space up on a pressed button clicks (TRUE); other keys FALSE.
    BOOL OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A pressed or tracking button lets go and is redrawn.
    void OnGridCancelMode() override;

    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsTracking() const { return m_bTracking; }
    // Whether changes of the pressed state invalidate the face (on at construction).
    void SetRedrawOnChange(BOOL bRedraw) { m_bRedrawOnChange = bRedraw; }

protected:
    // The face's state: 0, 1 in the current cell as the focus child, 5 when also pressed.
    int FaceState(BOOL bFocusCell) const;
    // The face filled with clrFace, its raised or sunken edge and the caption (in the DC's text colour,
    // grey with bGreyCaption).
    void DrawFace(CDC* pDC, BOOL bFocusCell, COLORREF clrFace, BOOL bGreyCaption);
    // The face filled with the button-face colour in its raised or sunken edge; TRUE when sunken.
    BOOL DrawPlainFace(CDC* pDC, BOOL bFocusCell);
    // Invalidates the face when the redraw switch is on.
    void RedrawOnChange();
    // The control is told that the button was clicked.
    void ReportClick();

    BOOL m_bPressed = FALSE;
    BOOL m_bTracking = FALSE;
    BOOL m_bRedrawOnChange = TRUE;
};

// The drop-down button of the combo box window cell (CGXComboBoxWnd).
class CGXComboBoxWndButton : public CGXButton {
public:
    explicit CGXComboBoxWndButton(CGXControl* pControl);

    // The drop-down face (see the top of this file), greyed when style's Enabled is included and FALSE.
    void Draw(CDC* pDC, BOOL bFocusCell, const CGXStyle& style) override;
    // Draw with an empty style.
    void DrawButton(CDC* pDC, BOOL bFocusCell) override;
};

// The hot-spot button.
class CGXHotSpotButton : public CGXButton {
public:
    explicit CGXHotSpotButton(CGXControl* pControl);
    void DrawButton(CDC* pDC, BOOL bFocusCell) override;
};

// A button that repeats its click while it is held (see the top of this file). The tick count comes
// through the services seam.
class CGXArrowButton : public CGXButton {
public:
    explicit CGXArrowButton(CGXControl* pControl);

    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;

protected:
    // The triangle pointing up (bUp) or down into the face.
    void DrawArrowFace(CDC* pDC, BOOL bFocusCell, BOOL bUp);

    DWORD m_dwLastReport = 0;
    DWORD m_dwRepeatDelay = 0;
};

class CGXUpArrowButton : public CGXArrowButton {
public:
    explicit CGXUpArrowButton(CGXControl* pControl);
    void DrawButton(CDC* pDC, BOOL bFocusCell) override;
};

class CGXDownArrowButton : public CGXArrowButton {
public:
    explicit CGXDownArrowButton(CGXControl* pControl);
    void DrawButton(CDC* pDC, BOOL bFocusCell) override;
};

// The drop-down face in rect: the button-face fill, a sunken (bSunken) or raised edge and the grid's
// shared arrow bitmap, its greyed form with bGreyed.
void GXDrawDropDownFace(CDC* pDC, const CRect& rect, BOOL bSunken, BOOL bGreyed);
