#include "win/AfxStrings.h"

#include "win/AfxResource.h"

void AfxFormatStrings(CString& rString, LPCSTR lpszFormat, LPCSTR const* rglpsz, int nString)
{
    rString.Empty();
    if (lpszFormat == nullptr)
        return;
    for (const char* p = lpszFormat; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            const int i = p[1] - '1';
            if (i < nString && rglpsz != nullptr && rglpsz[i] != nullptr)
                rString += rglpsz[i];
            ++p;
        } else {
            rString += *p;
        }
    }
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1)
{
    CString format;
    AfxLoadString(nIDS, format);
    AfxFormatStrings(rString, format, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2)
{
    CString format;
    AfxLoadString(nIDS, format);
    LPCSTR strings[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, format, strings, 2);
}

BOOL AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (lpszFullString == nullptr || iSubString < 0)
        return FALSE;
    const char* p = lpszFullString;
    for (int i = 0; i < iSubString; ++i) {
        p = strchr(p, chSep);
        if (p == nullptr)
            return FALSE;
        ++p;
    }
    const char* end = strchr(p, chSep);
    rString = end != nullptr ? CString(p, int(end - p)) : CString(p);
    return TRUE;
}
