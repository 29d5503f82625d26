// SECBtnDrawContext: where tool-bar buttons are drawn before they reach the screen. A bar (or a
// tool-bar manager for all its bars) makes one and hands it to every button it paints.
//
// It holds three memory DCs compatible with the screen: the colour DC, holding the colour bitmap that
// a button is composed in at (0, 0); the mask DC, holding a monochrome bitmap of the same size; and
// the image DC, into which a button selects the bitmap its image comes from. Painting a bar goes
//   context.PrepareBitmaps(cxWidestButton, cyButton);
//   for each visible button: pButton->Draw(pDC, context);
//   context.ReleaseBitmaps();
//
// The dither brush paints the checkerboard of checked buttons: an 8 by 8 pattern of alternate pixels
// in the button-face and button-highlight colours (rows 0x5555AAAA and 0xAAAA5555 of a one-bit
// bitmap whose two colours these are), whatever the colours of the DC it paints in. It follows the
// system colours when RebuildDitherBrush is called after WM_SYSCOLORCHANGE.
#pragma once

#include <windows.h>

#include "win/CDC.h"
#include "win/CGdiObject.h"

class SECBtnDrawContext {
public:
    // Makes the three DCs and the dither brush; CResourceException* when one cannot be made.
    SECBtnDrawContext();
    ~SECBtnDrawContext();
    SECBtnDrawContext(const SECBtnDrawContext&) = delete;
    SECBtnDrawContext& operator=(const SECBtnDrawContext&) = delete;

    // Makes the colour bitmap (compatible with the screen) and the mask bitmap cx by cy and selects
    // them into their DCs, replacing earlier ones. CResourceException* when they cannot be made.
    void PrepareBitmaps(int cx, int cy);
    // Takes the bitmaps (and the image a button selected) out of the DCs and deletes the two made by
    // PrepareBitmaps.
    void ReleaseBitmaps();
    // Selects hBitmap (owned by someone else, e.g. an image manager) into the image DC; null takes
    // the selected image out. A bitmap can be in one DC at a time: ReleaseBitmaps lets go of it.
    void SelectImage(HBITMAP hBitmap);
    // Makes the dither brush again from the current system colours.
    void RebuildDitherBrush();

    CDC m_dcColor; // the button is composed here, at (0, 0)
    CDC m_dcMask;  // monochrome: where the button shows its face (white) or something else (black)
    CDC m_dcImage; // the image bitmap of the button being drawn
    CBrush m_brDither;

private:
    CBitmap m_bmpColor;
    CBitmap m_bmpMask;
    // the bitmaps each DC was made with, selected back when ours go
    HGDIOBJ m_hOldColor = nullptr;
    HGDIOBJ m_hOldMask = nullptr;
    HGDIOBJ m_hOldImage = nullptr;
};
