// CGXCellBrush: a cell's interior as an 8-byte record of two words.
//
// Word 0: bits 0-2 hatch index; bit 3 reserved (kept by every operation); bits 4-5 foreground colour
// kind; bits 6-7 background colour kind; bits 8-31 foreground colour.
// Word 1: bits 0-23 background colour; bits 24-29 pattern index (0-63, 63: none); bits 30-31 brush
// style (0 solid, 1 hollow, 2 hatched, 3 pattern).
// Colours are packed colours (GXColor.h): a system colour is kept as its index and read back as its
// current RGB with the marker byte on top.
// The pattern bitmaps come from the drawing service (CGXDrawingAndFormatting::GetPatternBitmap).
#pragma once

#include <windows.h>

// The number of 8 by 8 pattern bitmaps the drawing service offers (indexes 0..40).
#define GX_PATTERN_COUNT 41
// The pattern index that means "no pattern".
#define GX_NO_PATTERN 63

class CGXCellBrush {
public:
    enum { gxSolid = 0, gxHollow = 1, gxHatched = 2, gxPattern = 3 };

    // The default brush: solid, no pattern, black foreground, white background.
    CGXCellBrush();
    // Set(nStyle, color, nHatch) on the default brush.
    CGXCellBrush(UINT nStyle, COLORREF color, UINT nHatch = 0);

    // Stores style, foreground colour and hatch; the background becomes white, the pattern none.
    // nStyle 0..3 and nHatch 0..7, else CInvalidArgException*. Returns *this.
    CGXCellBrush& Set(UINT nStyle, COLORREF color, UINT nHatch);
    // Style 0..3 (else CInvalidArgException*).
    CGXCellBrush& SetStyle(UINT nStyle);
    UINT GetStyle() const { return m_dwWord1 >> 30; }
    // Hatch 0..7 (else CInvalidArgException*).
    CGXCellBrush& SetHatch(UINT nHatch);
    UINT GetHatch() const { return m_dwWord0 & 7; }
    // Foreground and background colours (packed); each setter touches only its own colour.
    CGXCellBrush& SetColor(COLORREF color);
    COLORREF GetColor() const;
    CGXCellBrush& SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    // Pattern index 0..63 (else CInvalidArgException*). An index the drawing service offers makes a
    // pattern brush; any other (63: none) a solid one.
    CGXCellBrush& SetPattern(UINT nPattern);
    UINT GetPattern() const { return (m_dwWord1 >> 24) & 0x3F; }

    // The brush for GDI: style, hatch, the foreground colour resolved; a pattern brush carries the
    // drawing service's pattern bitmap (valid while that service lives), or becomes hollow when the
    // pattern is not offered.
    LOGBRUSH GetLogBrush() const;

    // Equal when both words are equal.
    bool operator==(const CGXCellBrush& o) const { return m_dwWord0 == o.m_dwWord0 && m_dwWord1 == o.m_dwWord1; }
    bool operator!=(const CGXCellBrush& o) const { return !(*this == o); }

    DWORD m_dwWord0;
    DWORD m_dwWord1;
};
