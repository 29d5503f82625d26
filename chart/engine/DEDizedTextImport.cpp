// DEDized: loading a table of values from text (SetDataFromText).
#include <cmath>
#include <cstdio>
#include <vector>

#include "chart/engine/DEDized.h"

#include "win/ArgCheck.h"

#include <oleauto.h>

namespace {

// How a cell of the table ends.
enum CellEnd { endCell, endRow, endText };

// Reads the cell at rp into rCell and moves rp past its end: a tab or a comma ends a cell; CR, LF,
// CR LF and '|' end a row.
CellEnd ReadCell(const char*& rp, CString& rCell)
{
    const char* pStart = rp;
    while (*rp != '\0' && *rp != '\t' && *rp != ',' && *rp != '\r' && *rp != '\n' && *rp != '|')
        ++rp;
    rCell = CString(pStart, int(rp - pStart));
    if (*rp == '\0')
        return endText;
    const char chEnd = *rp++;
    if (chEnd == '\t' || chEnd == ',')
        return endCell;
    if (chEnd == '\r' && *rp == '\n')
        ++rp;
    return endRow;
}

// The value of a cell that reads as a number, or else as a date (the system's date parsing, without
// the user's overrides); false for text and empty cells. The C library here also reads the words
// "inf" and "nan" as numbers, so that a name like "Nancy" would pass for one: a number that is not
// finite counts as text.
bool ReadCellValue(const CString& cell, double& rValue)
{
    if (cell.IsEmpty())
        return false;
    {
        CNumericLocaleScope cLocale;
        if (std::sscanf(cell, "%lg", &rValue) == 1)
            return std::isfinite(rValue);
    }
    std::vector<WCHAR> wide(size_t(cell.GetLength()) + 1);
    if (::MultiByteToWideChar(CP_ACP, 0, cell, -1, wide.data(), int(wide.size())) == 0)
        return false;
    DATE date = 0;
    if (FAILED(::VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &date)))
        return false;
    rValue = date;
    return true;
}

// The letters that name item nIndex: base 26 with A for 0, most significant first (0 A, 25 Z,
// 26 BA, 27 BB).
CString ItemLetters(int nIndex)
{
    CString letters;
    do {
        letters = CString(char('A' + nIndex % 26)) + letters;
        nIndex /= 26;
    } while (nIndex > 0);
    return letters;
}

} // namespace

void DEDized::SetDataFromText(const char* lpszText)
{
    AfxRequirePointer(lpszText, "DEDized::SetDataFromText", "the text");
    if (!m_bDataEmpty)
        Reset();
    if (m_pManager == nullptr)
        return;
    const char* p = lpszText;
    bool bHeader = false;
    int nRow = 0;
    int nCell = 0;
    CString cell;
    for (;;) {
        const CellEnd end = ReadCell(p, cell);
        // a row end closing the text starts no further row
        if (end == endText && cell.IsEmpty() && nCell == 0 && nRow > 0)
            break;
        double dValue = 0.0;
        const bool bValue = ReadCellValue(cell, dValue);
        if (nRow == 0 && nCell == 0) {
            // the first cell decides whether a header row of item names leads the table
            if (bValue) {
                SetValue(0, 0, dValue, 0);
            } else if (!cell.IsEmpty()) {
                SetChartAnnotation(cell, 1);
                bHeader = true;
            } else if (end == endCell) {
                bHeader = true;
            } else {
                m_pManager->GetGroup(0, 1)->GetItem(0, 1)->SetNull(1);
            }
        } else if (!bHeader) {
            if (bValue)
                SetValue(nCell, nRow, dValue, 0);
        } else if (nRow == 0) {
            if (!cell.IsEmpty())
                SetItemAnnotation(nCell - 1, 0, cell);
        } else if (nCell == 0) {
            SetGroupAnnotation(nRow - 1, cell, 0);
        } else if (cell.IsEmpty()) {
            SetValue(nCell - 1, nRow - 1, 0.0, 0);
            m_pManager->GetDataItem(nCell - 1, nRow - 1)->SetNull(1);
        } else if (bValue) {
            SetValue(nCell - 1, nRow - 1, dValue, 0);
        }
        if (end == endText)
            break;
        if (end == endRow) {
            ++nRow;
            nCell = 0;
        } else {
            ++nCell;
        }
    }
    m_bDataEmpty = 0;
    if (bHeader)
        return;
    for (int nGroup = 0; nGroup < GetGroupCount(); ++nGroup) {
        CString name;
        name.Format("%d", nGroup);
        SetGroupAnnotation(nGroup, name, 0);
    }
    const int nItems = GetMaxItemCount();
    for (int nItem = 0; nItem < nItems; ++nItem)
        SetItemAnnotation(nItem, 0, ItemLetters(nItem));
}
