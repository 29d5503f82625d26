// Choice lists (see GXChoiceList.h).
#include "grid/engine/GXChoiceList.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

int g_nSortColumn = -1;

// The lines of pszList.
std::vector<CString> SplitLines(const char* pszList)
{
    std::vector<CString> lines;
    CString strRest(pszList != nullptr ? pszList : "");
    CString strLine;
    while (!strRest.IsEmpty()) {
        ExtractFirstLine(strRest, strLine);
        lines.push_back(strLine);
    }
    return lines;
}

// Field nField of a line, at most nMax characters.
CString Field(const char* pszLine, int nField, int nMax)
{
    std::vector<char> buffer(size_t(nMax) + 1);
    CopyTabField(pszLine, nField, buffer.data(), nMax + 1);
    return CString(buffer.data());
}

}  // namespace

int ExtractFirstLine(CString& strList, CString& strLine)
{
    const int nBreak = strList.FindOneOf("\r\n");
    if (nBreak < 0) {
        strLine = strList;
        strList.Empty();
        return -1;
    }
    strLine = strList.Left(nBreak);
    int nNext = nBreak + 1;
    if (strList[nBreak] == '\r' && nNext < strList.GetLength() && strList[nNext] == '\n')
        ++nNext;
    strList = strList.Mid(nNext);
    return nBreak;
}

void CopyTabField(const char* pszLine, int nField, char* pszDest, int nDestSize)
{
    if (pszDest == nullptr || nDestSize < 1)
        AfxThrowInvalidArgFormat("CopyTabField: destination %p of %d bytes", static_cast<void*>(pszDest), nDestSize);
    pszDest[0] = '\0';
    if (pszLine == nullptr || nField < 0)
        return;
    const char* p = pszLine;
    for (int i = 0; i < nField; ++i) {
        p = std::strchr(p, '\t');
        if (p == nullptr)
            return;
        ++p;
    }
    int n = 0;
    while (p[n] != '\0' && p[n] != '\t' && n < nDestSize - 1) {
        pszDest[n] = p[n];
        ++n;
    }
    pszDest[n] = '\0';
}

int FindChoiceListEntry(const char* pszValue, int nField, const char* pszList, BOOL bSkipTitle, CString& strLine,
                        BOOL bExact)
{
    strLine.Empty();
    const CString strValue(pszValue != nullptr ? pszValue : "");
    const std::vector<CString> lines = SplitLines(pszList);
    const size_t nFirst = bSkipTitle ? 1 : 0;
    for (size_t i = nFirst; i < lines.size(); ++i) {
        const CString strField = Field(lines[i], nField, 127);
        const bool bMatch = bExact ? strField == strValue
                                   : strField.GetLength() >= strValue.GetLength() &&
                                         strField.Left(strValue.GetLength()).CompareNoCase(strValue) == 0;
        if (bMatch) {
            strLine = lines[i];
            return int(i - nFirst);
        }
    }
    return -1;
}

void SortChoiceList(CString& strList, BOOL bKeepTitle)
{
    std::vector<CString> lines = SplitLines(strList);
    const auto first = lines.begin() + (bKeepTitle && !lines.empty() ? 1 : 0);
    const int nColumn = g_nSortColumn;
    std::sort(first, lines.end(), [nColumn](const CString& a, const CString& b) {
        if (nColumn < 0)
            return a.CompareNoCase(b) < 0;
        return Field(a, nColumn, 128).CompareNoCase(Field(b, nColumn, 128)) < 0;
    });
    CString strSorted;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            strSorted += '\n';
        strSorted += lines[i];
    }
    strList = strSorted;
}

int SetChoiceListSortColumn(int nField)
{
    const int nPrevious = g_nSortColumn;
    g_nSortColumn = nField;
    return nPrevious;
}
