// Searching and replacing in a cell's text, shared by the find and replace module and the cells that
// find and replace in their own text: matches start at character boundaries (a double-byte pair is
// never split), and the search ignores case unless the find record asks to match it.
#pragma once

#include <windows.h>

#include "core/Core.h"

struct GridFindReplaceState;

// The byte length of the character at nPos of strText (2 for a double-byte pair).
int GXCharLength(const CString& strText, int nPos);
// The first occurrence of state's find text in strText at a character boundary from nStart on,
// compared as the state asks (upper-cased unless matching case); -1 when none, and for an empty find
// text.
int GXFindInText(const CString& strText, const GridFindReplaceState& state, int nStart);
// strText with every occurrence of state's find text from nFrom on, left to right, replaced by its
// replace text; the text between the matches keeps its case and the result grows as long as it
// needs to. FALSE (strResult untouched) when nothing was replaced or the find text is empty.
BOOL GXReplaceAllInText(const CString& strText, const GridFindReplaceState& state, int nFrom, CString& strResult);
