// Drawing through a monochrome mask: how the toolkit's buttons emboss a disabled image, dither a
// checked one and let the bar show through a transparent one. A mask is made from a colour drawing
// (white where the drawing shows the button face, black elsewhere), then a brush is painted into the
// drawing where the mask says.
#pragma once

#include "win/CDC.h"
#include "win/CRect.h"

// Raster operations through a mask (white 1, black 0):
const DWORD SEC_ROP_PSDPxax = 0x00B8074A; // keeps the destination where the mask is white, else the brush
const DWORD SEC_ROP_DSPDxax = 0x00E20746; // the brush where the mask is white, else keeps the destination
const DWORD SEC_ROP_DSna = 0x00220326;    // clears the destination where the mask is white

// Writes into dcMask (holding a monochrome bitmap) the mask of rect of dc, at the same place: white
// where dc shows the toolkit's face colour, and with bHilite also where it shows the highlight colour,
// black elsewhere.
void SECMakeFaceMask(CDC& dc, CDC& dcMask, const CRect& rect, BOOL bHilite);
// The same for a drawing elsewhere in dc: the mask of the pixels from ptSrc goes to rectMask of dcMask.
void SECMakeFaceMask(CDC& dc, CPoint ptSrc, CDC& dcMask, const CRect& rectMask, BOOL bHilite);

// Blits the mask's cx by cy pixels from (xMask, yMask) onto dc at (x, y) with raster operation dwRop
// and hBrush (null: none) selected, the mask's white arriving as all ones and its black as zeros.
void SECPaintThroughMask(CDC& dc, int x, int y, int cx, int cy, CDC& dcMask, int xMask, int yMask, HBRUSH hBrush,
                         DWORD dwRop);
