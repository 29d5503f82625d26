// The rows of tabbed choice lists: a row is one line of a choice list whose fields are separated by
// tabs. The tabbed combo cells measure their columns with these routines, draw their list items and
// their cells with them, and raise item heights for the bitmaps a row shows. A field that names a
// bitmap of the grid's bitmap pool (CGXDIBPool) counts, and is drawn, as that bitmap.
//
// An item text of a tabbed combo is the row itself, or, when the cell shows another column than the
// first (a text column above 0), that column's field, a tab and the row: the leading display field.
// Column edges are the running sums of the column widths (edge i is the right edge of column i; the
// last column reaches the right end).
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CRect.h"

class CDC;

// The most columns measured and sized.
enum { gxTabbedMaxColumns = 10 };

// Field nField (from 0) of the tab-separated pszRow, at most 127 bytes; empty beyond the last field.
CString TabbedRow_GetField(const char* pszRow, int nField);
// Raises anWidths[i] to the width of field i of pszRow in pDC (a text's extent, a bitmap's width) for
// the first nMaxCols fields the row has. Returns the number of fields measured.
int TabbedRow_MeasureColumns(CDC* pDC, const char* pszRow, int nMaxCols, int* anWidths);
// Draws item text pszItem into rect: filled with clrBack; unless bSingle, the leading display field
// skipped (nTextCol above 0), a line in clrLine at each of the nColCount edges (edge + left - 2) and
// every field in its column, the last to the right end; with bSingle the first field alone across
// the whole rectangle. Texts left-aligned and vertically centred on one line in clrText, bitmaps
// vertically centred.
void TabbedRow_Draw(CDC* pDC, const CRect& rect, const char* pszItem, BOOL bSingle, int nTextCol, int nColCount,
                    const int* anEdges, COLORREF clrLine, COLORREF clrBack, COLORREF clrText);
// Raises nHeight to the tallest bitmap among the fields of pszItem that are drawn: the first field
// with bSingle, else every column (the leading display field skipped with bTextColFirst).
void TabbedRow_CalcHeight(const char* pszItem, int& nHeight, BOOL bSingle, BOOL bTextColFirst, int nColCount);
