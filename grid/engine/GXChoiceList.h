// Choice lists: the text of a combo or list cell's choices, one per line. Lines are separated by CR,
// LF or CR LF; a line of a tabbed list holds fields separated by tabs.
#pragma once

#include <windows.h>

#include "core/Core.h"

// Moves the text before the first CR or LF of strList into strLine and keeps what follows the break
// (a CR LF pair is one break). Returns the break's position, or -1 when there is none: then the whole
// list moves into strLine and strList becomes empty.
int ExtractFirstLine(CString& strList, CString& strLine);
// Copies field nField (from 0) of pszLine, up to the next tab or the end, into pszDest of nDestSize
// bytes (at most nDestSize - 1 characters and always a terminating 0). A field beyond the last gives
// an empty text. A null destination or a size below 1 throws CInvalidArgException*.
void CopyTabField(const char* pszLine, int nField, char* pszDest, int nDestSize);
// The index (from 0, after the title line when bSkipTitle) of the first line of pszList whose field
// nField (at most 127 characters) matches pszValue: equal with case when bExact, else beginning with
// pszValue without case. strLine receives that line; -1 and an empty strLine when none matches.
int FindChoiceListEntry(const char* pszValue, int nField, const char* pszList, BOOL bSkipTitle, CString& strLine,
                        BOOL bExact);
// Sorts the lines of strList without case and joins them with new lines; with bKeepTitle the first
// line stays first. The comparison is on the whole line, or on the field set by
// SetChoiceListSortColumn (at most 128 characters).
void SortChoiceList(CString& strList, BOOL bKeepTitle);
// The field SortChoiceList compares (-1, the start value: the whole line). Returns the previous one.
int SetChoiceListSortColumn(int nField);
