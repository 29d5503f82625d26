// SRSwatchButton: an owner-drawn button that shows a colour (the colour swatches of the component
// property pages). It keeps its colour whether or not it has a window, so a page's swatches carry
// their colours from the caller to the page and back.
#pragma once

#include "win/Win.h"

#include <windows.h>

class SRSwatchButton : public CButton {
    DECLARE_DYNAMIC(SRSwatchButton)
public:
    // Black.
    SRSwatchButton();

    // Fills the item rectangle with a solid brush of the colour and outlines it with the DC's pen.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    COLORREF GetColour() const { return m_crColour; }
    // Sets the colour and repaints the button when it has a window.
    void SetColour(COLORREF crColour);

private:
    COLORREF m_crColour;
};
