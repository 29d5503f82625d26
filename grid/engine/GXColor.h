// Packed colours: every colour the grid stores is a 32-bit value whose top byte 0x41..0xFE names the
// system colour 254 minus that byte (COLOR_WINDOW 5 is 0xF9000000, COLOR_WINDOWTEXT 8 0xF6000000,
// COLOR_BTNFACE 15 0xEF000000); any other value is an ordinary COLORREF.
//
// Inside the brush, pen and style records a colour takes 24 bits and a 2-bit kind: kind 3 is a system
// colour whose 24 bits hold its index; kinds 0..2 hold the RGB and the COLORREF's flag bits (1 palette
// index, 2 palette-relative). An ordinary colour whose top byte has both low bits set (0xFF000000 and
// the like) is stored as kind 0, a plain RGB: kind 3 would turn it into a system colour.
//
// Reading a colour back from a record yields, for a system colour, its current RGB (from the grid's
// cached system colours, GridSysColors) with the marker byte on top, so that it can be stored again
// unchanged; GDI needs GXResolveColor first.
#pragma once

#include <windows.h>

// The packed form of system colour nIndex (0..189; else CInvalidArgException*).
COLORREF GXSysColor(int nIndex);
// TRUE when the packed colour names a system colour (top byte 0x41..0xFE).
inline BOOL GXIsSysColor(COLORREF color)
{
    const DWORD top = color >> 24;
    return top >= 0x41 && top <= 0xFE;
}
// The system colour index a packed system colour names (254 minus its top byte).
inline int GXGetSysColorIndex(COLORREF color)
{
    return 254 - int(color >> 24);
}

// A COLORREF that GDI can use: a system colour becomes its current value (cached system colours),
// an ordinary colour is returned unchanged.
COLORREF GXResolveColor(COLORREF color);

// Splits a packed colour into the 24 bits and the 2-bit kind kept in records (see above).
void GXSplitColor(COLORREF color, DWORD& rnValue, UINT& rnKind);
// The packed colour read back from a record's 24 bits and kind (see above).
COLORREF GXJoinColor(DWORD nValue, UINT nKind);
