// Searching and replacing in a cell's text (see GXTextSearch.h).
#include "grid/engine/GXTextSearch.h"

#include "grid/engine/GXFindReplace.h"

#include <cstring>

namespace {

// text for comparing: upper-cased unless the search matches case.
CString ComparedText(const CString& strText, const GridFindReplaceState& state)
{
    CString strResult(strText);
    if (!state.m_bCase)
        strResult.MakeUpper();
    return strResult;
}

// The first occurrence of strSearch in strCompared at a character boundary from nStart on.
int FindCompared(const CString& strCompared, const CString& strSearch, int nStart)
{
    const int nLength = strCompared.GetLength(), nSearch = strSearch.GetLength();
    int i = 0;
    while (i < nStart)
        i += GXCharLength(strCompared, i);
    for (; i + nSearch <= nLength; i += GXCharLength(strCompared, i))
        if (std::strncmp(strCompared.GetString() + i, strSearch, size_t(nSearch)) == 0)
            return i;
    return -1;
}

}  // namespace

int GXCharLength(const CString& strText, int nPos)
{
    return nPos + 1 < strText.GetLength() && ::IsDBCSLeadByte(BYTE(strText[nPos])) ? 2 : 1;
}

int GXFindInText(const CString& strText, const GridFindReplaceState& state, int nStart)
{
    if (state.m_strFind.IsEmpty())
        return -1;
    return FindCompared(ComparedText(strText, state), ComparedText(state.m_strFind, state), nStart);
}

BOOL GXReplaceAllInText(const CString& strText, const GridFindReplaceState& state, int nFrom, CString& strResult)
{
    if (state.m_strFind.IsEmpty())
        return FALSE;
    // matches are found in the compared copy; the text between them is copied unchanged
    const CString strCompared = ComparedText(strText, state);
    const CString strSearch = ComparedText(state.m_strFind, state);
    CString strReplaced = strText.Left(nFrom);
    int nPos = nFrom;
    BOOL bReplaced = FALSE;
    for (int nFound; (nFound = FindCompared(strCompared, strSearch, nPos)) >= 0;) {
        strReplaced += strText.Mid(nPos, nFound - nPos);
        strReplaced += state.m_strReplace;
        nPos = nFound + strSearch.GetLength();
        bReplaced = TRUE;
    }
    if (!bReplaced)
        return FALSE;
    strResult = strReplaced + strText.Mid(nPos);
    return TRUE;
}
