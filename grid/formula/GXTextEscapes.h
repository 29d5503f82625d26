// Escape sequences of the formula engine's texts: decoded when a text constant or a string in a
// formula is stored, encoded again when a string is printed back into a formula.
#pragma once

#include "core/CString.h"

// Returns pszText (null: "") with its escape sequences decoded, at most 511 characters long. A
// backslash followed by a, b, f, n, r, t or v gives that control character; by a backslash or a double
// quote that character; by one to three octal digits the character of that value (its low 8 bits); by
// x and one or two hex digits the character of that value. A backslash before anything else (x
// without a hex digit, the end of the text included) is kept as it stands with what follows. A
// decoded character 0 ends the text.
CString EngineDecodeEscapes(const char* pszText);

// Returns pszText (null: "") with escape sequences for what a formula string cannot hold as it is:
// bell, backspace, tab, newline, vertical tab, form feed and carriage return as \a \b \t \n \v \f \r,
// the backslash as \\, the double quote as \" when bQuote is set, and every other character below 32
// and character 127 as a backslash and octal digits (three when the next character is an octal digit
// or the value is 64 or more, two when it is above 7, else one).
CString EngineEncodeEscapes(const char* pszText, bool bQuote);
