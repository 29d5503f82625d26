// Text helpers of the Win32 part: placeholder formatting ("%1".."%9") and sub-string extraction
// ("prompt\ntip" texts of commands).
#pragma once

#include "core/Core.h"

#include <windows.h>

// Copies lpszFormat into rString with each "%1".."%9" replaced by rglpsz[0..8]. A placeholder whose
// number is above nString (or whose string is null) is replaced by nothing; any other '%' is copied
// as it stands. A null format gives an empty string.
void AfxFormatStrings(CString& rString, LPCSTR lpszFormat, LPCSTR const* rglpsz, int nString);
// AfxFormatStrings of the string resource nIDS with one / two strings. A missing resource gives an
// empty string.
void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
// The iSubString-th (from 0) part of lpszFullString split at chSep, in rString. Returns FALSE (and an
// empty string) when the text has fewer parts, is null, or iSubString is negative.
BOOL AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep = '\n');
