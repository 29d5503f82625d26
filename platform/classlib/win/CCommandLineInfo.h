// CCommandLineInfo: what the program's command line asks for, filled by CWinApp::ParseCommandLine
// one argument at a time (ParseParam), and carried out by CWinApp::ProcessShellCommand.
//
// Arguments are split by the Windows rules (blanks separate, double quotes group, backslashes
// escape a quote). An argument starting with '/' or '-' is a flag: "Embedding" and "Automation"
// (any case) mark an automation start and switch the splash window off; other flags are ignored. The
// first other argument is the file to open (the command becomes FileOpen); further ones are ignored.
//
// Not done yet: printing from the command line (/p, /pt), DDE, registration.
#pragma once

#include "core/Core.h"

#include <windows.h>

class CCommandLineInfo : public CObject {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // Takes one argument: pszParam without its '/' or '-' when bFlag; bLast for the last one.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    // Splits lpszCommandLine (the arguments, without the program's name) by the Windows rules.
    static void SplitCommandLine(LPCSTR lpszCommandLine, CStringArray& rArgs);

    BOOL m_bShowSplash;   // TRUE unless an automation start
    BOOL m_bRunEmbedded;  // "/Embedding"
    BOOL m_bRunAutomated; // "/Automation"
    int m_nShellCommand;  // FileNew unless a file was named
    CString m_strFileName;
};
