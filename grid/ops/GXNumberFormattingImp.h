// The process-wide number-formatting module: the text a cell shows for a numeric value by the style's
// Format and Places, and the reading of a formatted number (FormatValueText of the drawing services
// uses it; without it values show unchanged).
//
// Number texts are written and read in the C numeric locale ('.' and ',' whatever the user's
// settings); only the date formats and format 28 follow the user's locale, through the OLE date and
// the system's number formatting.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CGXStyle;

class CGXAbstractNumberFormattingImp : public CObject {
public:
    // The text shown for pszValue (null: the style's Value and value kind) of kind nValueType.
    virtual CString FormatValue(const CGXStyle& style, const char* pszValue, UINT nValueType) = 0;
    // Reads pszText as a number into dValue; pnFormat and pnPlaces (written only when both are given)
    // receive the format and places it shows. TRUE when the text is a number.
    virtual BOOL ParseNumber(const char* pszText, double& dValue, UINT* pnFormat, UINT* pnPlaces) = 0;
};

// Format codes (the style's Format, with Places p):
//   0, 15, 19-22 the value text unchanged   1 "%.pe"   2 "%.pf"   3 "%.pg"
//   4 grouped, "$1,234.50 " or "($1,234.50)"   5 "1,234.50 " or "(1,234.50)"   23 " 1,234.50 " or "(...)"
//   6 "0x%X" of the whole part of |x|   7 "0" for 0 <= x < 1, "1" for 1 <= x < 2, else "?"
//   8 "%d-%b-%y"  9 "%d-%b"  10 "%b-%y"  16 "%d.%m.%Y"  17 "%Y-%m-%d"  25 "%I:%M %p"  26 "%I:%M:%S %p"
//   27 "%H:%M" of the OLE date x   11, 13, 18 the locale's date, time, date and time of x
//   12 nothing   14 x * 100 with p places and '%'   24 a fraction with denominator 10^(p+2) reduced
//   28 "%.14g" through the locale's number format (format 5 when the system refuses it)
//   29-31 " Format? "
// Formats 6 and 24 show the value text unchanged when the whole part does not fit a 32-bit integer.
class CGXNumberFormattingImp : public CGXAbstractNumberFormattingImp {
public:
    // The text of pszValue (null: the style's Value, and its value kind instead of nValueType): the
    // text unchanged when the style includes no Format or the kind is not 1 (a number), empty for
    // format 12, else the text of its format above.
    CString FormatValue(const CGXStyle& style, const char* pszValue, UINT nValueType) override;
    // Reads a number as a user types it: leading blanks, an optional '(' for a negative number, an
    // optional '$', then digits with at most one '.', ',' between groups of three digits, an optional
    // sign and exponent, ')' closing a '(', trailing blanks. At most 257 characters. Gives format 1
    // (with an exponent, places = significant digits - 1), 4 ('$'), 5 (',' or parentheses) or 2, places
    // the decimals typed (at most 15). FALSE, dValue untouched, for anything else (null, an empty text
    // or a number beyond the double range included).
    BOOL ParseNumber(const char* pszText, double& dValue, UINT* pnFormat, UINT* pnPlaces) override;
};

// Makes a CGXNumberFormattingImp.
CGXAbstractNumberFormattingImp* GXCreateNumberFormattingImp();
