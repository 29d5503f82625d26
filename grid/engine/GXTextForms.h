// The text forms of pens, brushes and fonts (used by the profile settings and, for pens, by the style
// archive), and the escaped form of a choice list in the profile. Numbers are written and read in the
// C numeric locale; a number is read with the C library's integer conversion after skipping spaces.
//
// Pen:   "%lu %ld %d %d %d %d": style, width, red, green, blue and the colour's top byte (for a system
//        colour its marker, 254 minus the index; GXColor.h). Read back: with at least five numbers the
//        style (3 bits), width (16 bits) and colour (red | green << 8 | blue << 16, the sixth number as
//        the top byte) are set and the side included; with fewer the colour is 0 and the side is not
//        included.
// Brush: "%lu %ld %d %d %d %d %d %d %d": style; the pattern index for a pattern brush, else the hatch;
//        foreground red, green, blue; background red, green, blue; the foreground's top byte. Read
//        back: with at least five numbers the style is set, then the pattern (6 bits; hatch 0) or the
//        hatch (3 bits), the foreground (the ninth number its top byte, except that 1 makes it the
//        palette index 0x01000000 | green << 8 | red) and, with eight numbers, the background (a plain
//        colour; else 0); with fewer than five only the foreground is set, to 0.
// Font:  face,size,weight,italic,underline,strike-out[,orientation]: the face name, the size in whole
//        points (rounded) and the weight, each empty when unset; "0" or "1" for each of the three flags
//        (empty when not set); the orientation in tenths of a degree only when set. Read back: the font
//        is first reset to all-unset, then each non-empty field sets its attribute; a size below 0 or a
//        weight outside 0..1499 is left unset.
// Choice list: each newline becomes a backslash and "n", each backslash is doubled, carriage returns
//        are dropped; read back, "\\" gives one backslash, "\n" a carriage return and a newline, and any
//        other character stands as it is.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CGXCellPen;
class CGXCellBrush;
class CGXFont;

// The pen's text form.
CString GXPenToText(const CGXCellPen& pen);
// Sets pen from its text form (null counts as empty).
void GXPenFromText(CGXCellPen& pen, const char* pszText);

// The brush's text form.
CString GXBrushToText(const CGXCellBrush& brush);
// Sets brush from its text form (null counts as empty).
void GXBrushFromText(CGXCellBrush& brush, const char* pszText);

// The font's text form.
CString GXFontToText(const CGXFont& font);
// Resets font and sets it from its text form (null counts as empty).
void GXFontFromText(CGXFont& font, const char* pszText);

// The choice list in its escaped profile form, and back.
CString GXEscapeChoiceList(const char* pszChoices);
CString GXUnescapeChoiceList(const char* pszText);

// Reads up to nMax integers separated by spaces (leading spaces skipped; reading stops at the first
// text that is no number) into anValues. Returns how many were read. Values wider than 32 bits keep
// their low 32 bits.
int GXReadNumbers(const char* pszText, LONG* anValues, int nMax);
// The C library's integer conversion of a profile value or attribute text, low 32 bits ("%lu" and
// "%ld" texts alike); 0 for null or a text that starts with no number.
LONG GXTextToLong(const char* pszText);
