// The rows of tabbed choice lists (see GXTabbedRow.h).
#include "grid/controls/GXTabbedRow.h"

#include "grid/engine/GXChoiceList.h"
#include "grid/engine/GXControl.h"
#include "grid/engine/GXCore.h"
#include "grid/engine/GXDIB.h"
#include "grid/engine/GXDrawing.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXUserAttribute.h"
#include "win/Win.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

// The size of the bitmap pszField names; FALSE when it names none.
BOOL BitmapSize(const char* pszField, CSize& size)
{
    const HGLOBAL hDIB = GetDIBPool()->LookupDIB(pszField);
    if (hDIB == nullptr)
        return FALSE;
    CGXDIB dib;
    if (!dib.Attach(hDIB))
        return FALSE;
    size = CSize(dib.GetWidth(), dib.GetHeight());
    dib.Detach();  // the pool keeps it
    return TRUE;
}

// The number of tab-separated fields of pszRow (1 for a row without tabs).
int FieldCount(const char* pszRow)
{
    int nCount = 1;
    for (const char* p = pszRow; *p != '\0'; ++p)
        if (*p == '\t')
            ++nCount;
    return nCount;
}

// The row after the leading display field.
const char* SkipLeadingField(const char* pszItem)
{
    const char* pszTab = std::strchr(pszItem, '\t');
    return pszTab != nullptr ? pszTab + 1 : pszItem + std::strlen(pszItem);
}

}  // namespace

BOOL TabbedRow_DrawBitmapCell(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                              const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    CString strText;
    const HGLOBAL hDIB =
        pControl->GetControlText(strText, nRow, nCol, nullptr, style) ? GetDIBPool()->LookupDIB(strText) : nullptr;
    if (hDIB == nullptr)
        return FALSE;
    pControl->DrawBackground(pDC, rect, style);
    // the alignment values are DrawDIBInRect's placement bits: DT_CENTER 1, DT_RIGHT 2, DT_VCENTER 4,
    // DT_BOTTOM 8
    DrawDIBInRect(pDC, hDIB, pControl->GetCellRect(nRow, nCol, &rect, &style), 0,
                  style.GetHorizontalAlignment() | style.GetVerticalAlignment());
    pControl->CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    return TRUE;
}

CString TabbedRow_GetField(const char* pszRow, int nField)
{
    char szField[128];
    CopyTabField(pszRow != nullptr ? pszRow : "", nField, szField, sizeof(szField));
    return CString(szField);
}

int TabbedRow_MeasureColumns(CDC* pDC, const char* pszRow, int nMaxCols, int* anWidths)
{
    const int nFields = std::min(FieldCount(pszRow), nMaxCols);
    for (int i = 0; i < nFields; ++i) {
        const CString strField = TabbedRow_GetField(pszRow, i);
        CSize size;
        if (!BitmapSize(strField, size))
            size = pDC->GetTextExtent(strField, strField.GetLength());
        anWidths[i] = std::max(anWidths[i], int(size.cx));
    }
    return nFields;
}

void TabbedRow_Draw(CDC* pDC, const CRect& rect, const char* pszItem, BOOL bSingle, int nTextCol, int nColCount,
                    const int* anEdges, COLORREF clrLine, COLORREF clrBack, COLORREF clrText)
{
    const char* pszRow = !bSingle && nTextCol > 0 ? SkipLeadingField(pszItem) : pszItem;
    FillRectWithColor(pDC, rect, clrBack);
    if (!bSingle)
        for (int i = 0; i < nColCount; ++i)
            FillAreaWithColor(pDC, anEdges[i] + rect.left - 2, rect.top, 1, rect.Height(), clrLine);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const COLORREF clrOldBack = pDC->SetBkColor(clrBack);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const int nFields = bSingle ? 1 : nColCount + 1;
    for (int i = 0; i < nFields; ++i) {
        const int nLeft = i == 0 ? rect.left : rect.left + anEdges[i - 1];
        const int nRight = i == nFields - 1 ? rect.right : rect.left + anEdges[i];
        if (nRight <= nLeft)
            continue;
        const CRect rectField(nLeft, rect.top, nRight, rect.bottom);
        const CString strField = TabbedRow_GetField(pszRow, i);
        if (const HGLOBAL hDIB = GetDIBPool()->LookupDIB(strField)) {
            DrawDIBInRect(pDC, hDIB, rectField, 0, 4);
            continue;
        }
        CRect rectText = rectField;
        pDC->DrawText(strField, strField.GetLength(), &rectText,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(clrOldBack);
    pDC->SetTextColor(clrOldText);
}

void TabbedRow_CalcHeight(const char* pszItem, int& nHeight, BOOL bSingle, BOOL bTextColFirst, int nColCount)
{
    const char* pszRow = !bSingle && bTextColFirst ? SkipLeadingField(pszItem) : pszItem;
    const int nFields = bSingle ? 1 : nColCount + 1;
    for (int i = 0; i < nFields; ++i) {
        CSize size;
        if (BitmapSize(TabbedRow_GetField(pszRow, i), size))
            nHeight = std::max(nHeight, int(size.cy));
    }
}

CString TabbedRow_ItemText(const char* pszRow, int nTextCol)
{
    return nTextCol <= 0 ? CString(pszRow) : TabbedRow_GetField(pszRow, nTextCol) + "\t" + pszRow;
}

CSize TabbedRow_CalcCellSize(CGXGridCore* pGrid, CDC* pDC, const CGXStyle& style, BOOL bFill)
{
    CFont* pOldFont = pGrid->SelectStyleFont(pDC, style);
    TEXTMETRICA tm;
    pDC->GetTextMetrics(&tm);
    CSize size(0, tm.tmHeight + tm.tmExternalLeading + 1);
    if (bFill && style.GetIncludeChoiceList()) {
        const GXTabListColumns columns(style);
        CString strList = style.GetChoiceListRef(), strRow;
        for (BOOL bFirst = TRUE; !strList.IsEmpty(); bFirst = FALSE) {
            ExtractFirstLine(strList, strRow);
            if (bFirst && columns.bTitles)
                continue;
            const CString strField = TabbedRow_GetField(strRow, columns.nTextCol);
            CSize sizeField;
            if (!BitmapSize(strField, sizeField))
                sizeField = pDC->GetTextExtent(strField, strField.GetLength());
            size.cx = std::max(size.cx, sizeField.cx);
            size.cy = std::max(size.cy, sizeField.cy);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return size;
}

// ---- the columns of a style ---------------------------------------------------------------------------

GXTabListColumns::GXTabListColumns(const CGXStyle& style)
    : nKeyCol(Number(style, GX_IDS_UA_TABLIST_KEYCOL, 0)), nTextCol(Number(style, GX_IDS_UA_TABLIST_TEXTCOL, 0)),
      bTitles(Number(style, GX_IDS_UA_TABLIST_TITLES, 0) != 0)
{
}

int GXTabListColumns::Number(const CGXStyle& style, WORD nId, int nDefault)
{
    return style.HasUserAttribute(nId) ? std::atoi(style.GetUserAttribute(nId).GetValue()) : nDefault;
}

void GXTabbedLayout::ReadAttributes(const CGXStyle& style)
{
    const GXTabListColumns columns(style);
    nKeyCol = columns.nKeyCol;
    nTextCol = columns.nTextCol;
    bDispTitles = columns.bTitles;
    bShowAllCols = GXTabListColumns::Number(style, GX_IDS_UA_TABLIST_SHOWALLCOLS, TRUE) != 0;
    nSortCol = GXTabListColumns::Number(style, GX_IDS_UA_TABLIST_SORT, -1);
    strColWidths = style.HasUserAttribute(GX_IDS_UA_TABLIST_COLWIDTHS)
                       ? style.GetUserAttribute(GX_IDS_UA_TABLIST_COLWIDTHS).GetValue()
                       : CString();
}

void GXTabbedLayout::PrepareRows(CDC* pDC, CString& strList, std::vector<CString>& items, CString& strTitle)
{
    int anMeasured[gxTabbedMaxColumns];
    std::fill(anMeasured, anMeasured + gxTabbedMaxColumns, -1);
    items.clear();
    strTitle.Empty();
    if (nSortCol >= 0) {
        // column 0 compares whole rows
        const int nOldColumn = SetChoiceListSortColumn(nSortCol > 0 ? nSortCol : -1);
        SortChoiceList(strList, bDispTitles);
        SetChoiceListSortColumn(nOldColumn);
    }
    CString strRest = strList, strRow;
    for (BOOL bFirst = TRUE; !strRest.IsEmpty(); bFirst = FALSE) {
        ExtractFirstLine(strRest, strRow);
        if (bFirst && bDispTitles) {
            if (pDC != nullptr)
                MeasureTitles(pDC, strRow, anMeasured);
            strTitle = TabbedRow_ItemText(strRow, nTextCol);
            continue;
        }
        if (pDC != nullptr)
            TabbedRow_MeasureColumns(pDC, strRow, gxTabbedMaxColumns, anMeasured);
        items.push_back(TabbedRow_ItemText(strRow, nTextCol));
    }
    SizeColumns(anMeasured);
}

void GXTabbedLayout::MeasureTitles(CDC* pDC, const char* pszTitles, int* anMeasured)
{
    int anTitles[gxTabbedMaxColumns];
    std::fill(anTitles, anTitles + gxTabbedMaxColumns, -1);
    const int nFields = TabbedRow_MeasureColumns(pDC, pszTitles, gxTabbedMaxColumns, anTitles);
    // a title is drawn inside a raised frame, which the 4 pixels of every column's air would just hold
    const int nFrame = 2 * ::GetSystemMetrics(SM_CXEDGE);
    for (int i = 0; i < nFields; ++i)
        anMeasured[i] = std::max(anMeasured[i], anTitles[i] + nFrame);
}

void GXTabbedLayout::SizeColumns(const int* anMeasured)
{
    anEdges.clear();
    int nTotal = 0;
    const char* pszWidths = strColWidths;
    for (int i = 0; i < gxTabbedMaxColumns && anMeasured[i] >= 0; ++i) {
        int nWidth;
        if (std::isdigit(BYTE(*pszWidths))) {
            // a number, then whatever separates it from the next
            nWidth = std::atoi(pszWidths);
            while (std::isdigit(BYTE(*pszWidths)))
                ++pszWidths;
            while (*pszWidths != '\0' && !std::isdigit(BYTE(*pszWidths)))
                ++pszWidths;
        } else {
            nWidth = bShowAllCols || i == nTextCol ? anMeasured[i] + 4 : 0;
        }
        nTotal += nWidth;
        anEdges.push_back(nTotal);
    }
    nColCount = std::max(0, int(anEdges.size()) - 1);
    nTotalWidth = nTotal + ::GetSystemMetrics(SM_CXVSCROLL);
}
