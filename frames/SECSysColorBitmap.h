// Bitmaps drawn in the system's button colours.
//
// Tool-bar images and bitmap buttons are drawn in four fixed colours that stand for the colours of
// buttons: black for button text, 0x808080 for the button shadow, 0xC0C0C0 for the button face and
// white for the button highlight. Loading such a bitmap with mapping replaces those entries of its
// colour table by the current system colours (COLOR_BTNTEXT, COLOR_BTNSHADOW, COLOR_BTNFACE,
// COLOR_BTNHIGHLIGHT), so the images sit on buttons of any colour scheme. Loading again after a
// WM_SYSCOLORCHANGE follows the new colours.
//
// Only bitmaps with a colour table (1, 4 and 8 bits per pixel) have entries to map; others are drawn
// as they are.
#pragma once

#include <windows.h>

// Loads bitmap resource lpszResourceName (name or MAKEINTRESOURCE id; the current resource handle
// first, then the program, as AfxFindResourceHandle finds it) with the colour mapping above into a
// new bitmap compatible with the screen, of the bitmap's size. The caller owns the bitmap. Returns
// null when the resource is missing, is not a well-formed device-independent bitmap (a header or
// colour table or bits running past the resource's end) or the bitmap cannot be made.
HBITMAP SECLoadSysColorBitmap(LPCSTR lpszResourceName);
