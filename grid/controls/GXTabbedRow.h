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
#include "grid/engine/GXRange.h"
#include "win/CRect.h"

#include <vector>

class CDC;
class CGXControl;
class CGXGridCore;
class CGXStyle;

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

// An inactive tabbed combo cell whose display text (pControl's GetControlText) names a bitmap of the
// pool: the background, the bitmap at its natural size in pControl's cell rectangle placed by the
// style's alignment, then pControl's children. FALSE, and nothing drawn, when the text names none.
BOOL TabbedRow_DrawBitmapCell(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, const CGXStyle* pStandardStyle);

// The item text of pszRow: the row itself, or with nTextCol above 0 that column's field, a tab and the
// row (the leading display field).
CString TabbedRow_ItemText(const char* pszRow, int nTextCol);

// The content size of a tabbed combo cell of style in pGrid (before the borders): at least one line of
// the style's font (text height + external leading + 1), raised by the widest and tallest text-column
// field of the data rows (a bitmap by its size) when bFill.
CSize TabbedRow_CalcCellSize(CGXGridCore* pGrid, CDC* pDC, const CGXStyle& style, BOOL bFill);

// The columns a cell's style names: key (51028) and text (51029) columns, 0 when absent, and whether
// the first line holds titles (51031).
struct GXTabListColumns {
    explicit GXTabListColumns(const CGXStyle& style);
    // The attribute nId of style read as a number (atoi: 0 for a text that is none); nDefault when absent.
    static int Number(const CGXStyle& style, WORD nId, int nDefault);

    int nKeyCol;
    int nTextCol;
    BOOL bTitles;
};

// The layout of a tabbed list: its options as read from a cell's style and the columns measured from
// its rows.
struct GXTabbedLayout {
    // The options of style: the columns, show-all (51030, on when absent), sort column (51033, -1 when
    // absent) and the column widths text (51032).
    void ReadAttributes(const CGXStyle& style);
    // The rows of strList (the choice list; sorted in place by the sort column when it is 0 or more,
    // the whole row for column 0, without case, titles kept first) measured in pDC (null: not measured)
    // and turned into item texts (TabbedRow_ItemText); the title row's item text goes to strTitle
    // instead when titles are on. The columns are then sized (SizeColumns).
    void PrepareRows(CDC* pDC, CString& strList, std::vector<CString>& items, CString& strTitle);
    // Measures the title row pszTitles in pDC into anMeasured (raising its entries): each title with
    // the raised frame it is drawn in (twice SM_CXEDGE), so that a column's air is left around it.
    static void MeasureTitles(CDC* pDC, const char* pszTitles, int* anMeasured);
    // The column edges from the measured widths (anMeasured, -1 from the first column not measured on)
    // and the width text: a column without an explicit width takes its widest field (a title with its
    // frame) plus 4 (0 when hidden by show-all off); nTotalWidth adds the vertical scroll bar's width.
    void SizeColumns(const int* anMeasured);

    int nKeyCol = 0;
    int nTextCol = 0;
    BOOL bShowAllCols = TRUE;
    BOOL bDispTitles = FALSE;
    int nSortCol = -1;
    CString strColWidths;
    std::vector<int> anEdges;
    int nColCount = 0;
    int nTotalWidth = 0;
};
