#include "win/CCommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE), m_nShellCommand(FileNew)
{
}

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (pszParam == nullptr)
        pszParam = "";
    if (bFlag) {
        if (::lstrcmpiA(pszParam, "Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (::lstrcmpiA(pszParam, "Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        }
    } else if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
    }
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}

void CCommandLineInfo::SplitCommandLine(LPCSTR lpszCommandLine, CStringArray& rArgs)
{
    rArgs.RemoveAll();
    if (lpszCommandLine == nullptr)
        return;
    const char* p = lpszCommandLine;
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            return;
        CString arg;
        bool bQuoted = false;
        while (*p != '\0' && (bQuoted || (*p != ' ' && *p != '\t'))) {
            if (*p == '\\') {
                int nBackslashes = 0;
                while (*p == '\\') {
                    ++nBackslashes;
                    ++p;
                }
                if (*p == '"') {
                    // 2n backslashes and a quote: n backslashes, the quote delimits;
                    // 2n+1: n backslashes and a literal quote
                    arg += CString('\\', nBackslashes / 2);
                    if (nBackslashes % 2 == 1) {
                        arg += '"';
                        ++p;
                    }
                } else {
                    arg += CString('\\', nBackslashes);
                }
            } else if (*p == '"') {
                if (bQuoted && p[1] == '"') {
                    arg += '"'; // "" inside quotes: one literal quote
                    p += 2;
                } else {
                    bQuoted = !bQuoted;
                    ++p;
                }
            } else {
                arg += *p++;
            }
        }
        rArgs.Add(arg);
    }
}
