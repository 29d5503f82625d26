// CWinThread and CWinApp: the message loop with its idle processing, and the application object
// (its name, settings in the registry, recent files, command line, wait cursor). CWaitCursor shows the
// wait cursor for the life of a block.
//
// One application object exists at a time (the program's global object, or a test's); its constructor
// makes it the current one (AfxGetApp) and its destructor gives that up.
//
// The loop (Run): while the queue is empty, OnIdle(0), OnIdle(1), ... until OnIdle answers FALSE; then
// messages are taken one by one (PumpMessage: PreTranslateMessage, then TranslateMessage and
// DispatchMessage) until the queue is empty again and a message other than a repeated mouse move,
// WM_PAINT or the system timer came. WM_QUIT ends the loop with ExitInstance.
// PreTranslateMessage offers the message to the permanent windows from its target up through its
// parents (stopping at the main window), then to the main window; frames translate their accelerators
// there, but not the keys an edit control takes for itself (CFrameWnd::IsEditControlKey). Before all
// that, Ctrl+A pressed in an edit control selects its whole text and goes no further, in every window
// and dialog of the program: the system's edit control does nothing with it. Alt+Backspace pressed
// there undoes the control's last edit (EM_UNDO) and goes no further either: Wine's edit control does
// not take the key as the keyboard sends it. Alt+F4 pressed in a tree view asks the tree's top-level
// window to close (WM_SYSCOMMAND SC_CLOSE, posted), as in any other window: Wine's tree view keeps the
// key from the system's default handling, so it did nothing there. The mouse wheel goes to
// the window under the pointer, as on the desktops of today, whichever window has the focus (the
// system sends WM_MOUSEWHEEL to the focus window, or, as Wine does, to the window under the pointer):
// the loop sends it there unless a window holds the mouse (a drag), or the window under the pointer is
// not one of the thread's. OnIdle(0) sends WM_IDLEUPDATECMDUI (wParam TRUE: disable items without
// handler) to the main window and its descendants and to the visible top-level windows it owns
// (floating bars) and theirs; OnIdle(1) frees the temporary window, GDI and menu wrappers and answers
// FALSE.
//
// Settings: with SetRegistryKey("Havrel") they live under
// HKEY_CURRENT_USER\Software\Havrel\<m_pszProfileName>\<section>, the profile name being the
// application's name; integers are REG_DWORD, strings REG_SZ, binary data REG_BINARY. Without a
// registry key they go to the INI file m_pszProfileName ("<name>.INI", in the Windows folder), all as
// text. The application's name: the constructor's argument, else string AFX_IDS_APP_TITLE, else the
// executable's file name without its folder and extension ("Ondrix" for Ondrix.exe).
//
// Recent files: LoadStdProfileSettings(n) keeps up to n paths in section "Recent File List", keys
// "File1".."Filen"; they are written back by ExitInstance.
//
// Wait cursor: BeginWaitCursor/EndWaitCursor nest (m_nWaitCursorCount); while the count is positive
// the windows of the library show the wait cursor; the cursor shown before the first Begin comes
// back after the last End. An End without Begin does nothing.
//
// Documents: AddDocTemplate hands templates to the document manager (made on first use, deleted with
// the application, templates included). ID_FILE_NEW (57600) runs OnFileNew: a new document of the
// first template with a file-new name, nothing without one. CloseAllDocuments closes every
// document, asking nothing; the main frame does it when it closes, once SaveAllModified let it.
//
// The application's printer: m_hDevMode and m_hDevNames (movable global memory, DEVMODE and DEVNAMES;
// see CPrintDialog.h) belong to the application, which frees them at its end; both are null until a
// printer is known. Code that keeps a printer of its own may replace them (free the old blocks first).
// ID_FILE_PRINT_SETUP (57606) runs the printer set-up dialog on them (OnFilePrintSetup, through
// DoPrintDialog): the printer chosen replaces them. Under Wine there is no printer: the default
// printer is unknown and the handles stay null until a dialog answers one.
//
// Not done yet: opening document files through the templates (OpenDocumentFile answers null), help,
// DDE and automation.
#pragma once

#include "win/CCmdTarget.h"
#include "win/CCommandLineInfo.h"
#include "win/CRecentFileList.h"

class CWnd;
class CPrintDialog;
class CDocument;
class CDocManager;
class CDocTemplate;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    // Sets the thread up. FALSE ends the run at once (Run is not entered).
    virtual BOOL InitInstance();
    // Runs the message loop (see the top of this file) until WM_QUIT. Returns ExitInstance's value.
    virtual int Run();
    // Offers a message to the windows before it is dispatched. TRUE: used, not dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Takes one message from the queue (waiting for it) and dispatches it. FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // Idle work while the queue is empty; lCount counts the calls since the last message. Returns
    // TRUE while it wants to be called again.
    virtual BOOL OnIdle(LONG lCount);
    // FALSE for the messages that do not start a new idle round (repeated mouse moves, WM_PAINT,
    // the system timer).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Ends the thread's work. Returns the exit code (the WM_QUIT wParam after Run).
    virtual int ExitInstance();
    // The main window (m_pMainWnd).
    virtual CWnd* GetMainWnd();

    CWnd* m_pMainWnd; // the window whose end ends the program
    MSG m_msgCur;     // the message being handled

protected:
    // Aims a WM_MOUSEWHEEL at the window under the pointer (see the top of this file).
    static void AimWheelAtPointer(MSG* pMsg);

    struct CWinThreadState {
        POINT ptLastMouse = {-1, -1}; // where the last mouse move was (repeated moves are not news)
        UINT nLastMessage = 0;
        int nExitCode = 0;
    } m_threadState;
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
    DECLARE_MESSAGE_MAP()
public:
    // lpszAppName: the application's name (null: see the top of this file). Becomes the current
    // application; a second live application object is refused with CInvalidArgException.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Settings
    // Settings go to HKCU\Software\<lpszRegistryKey>\<profile name>. Empty or null refused.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    // The same with the text of string resource nIDRegistryKey.
    void SetRegistryKey(UINT nIDRegistryKey);
    // The integer under lpszEntry in lpszSection (cast to int for negative values); nDefault when it
    // is missing or not a number (in the registry: not a REG_DWORD).
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    // Writes an integer. TRUE on success.
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    // The string under lpszEntry; lpszDefault (null: empty) when missing.
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // Writes a string. lpszValue null deletes the entry; lpszEntry null deletes the whole section.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    // The path under lpszEntry as path text (UTF-8, see HostPath.h), empty when missing. The profile
    // keeps it as the system's Unicode text, the same value a string of the code page makes, so that a
    // name keeps the letters the code page lacks.
    CString GetProfilePath(LPCSTR lpszSection, LPCSTR lpszEntry);
    // Writes the path text lpszPath under lpszEntry. FALSE when it is not path text (nothing written)
    // or the write fails.
    BOOL WriteProfilePath(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszPath);
    // The binary value under lpszEntry in a new[] buffer (*ppData, freed by the caller with delete[])
    // and its size. FALSE (and null, 0) when missing.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    // Writes nBytes at pData (nBytes 0: an empty value). TRUE on success.
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // The key HKCU\Software\<key>\<profile name>, created when missing; null without a registry
    // key. The caller closes it.
    HKEY GetAppRegistryKey();
    // The section's key under it, created when missing; null without a registry key. The caller
    // closes it.
    HKEY GetSectionKey(LPCSTR lpszSection);
    // Deletes the key lpszKeyName under hParentKey with all its sub-keys. TRUE when it is gone.
    static BOOL DelRegTree(HKEY hParentKey, LPCSTR lpszKeyName);

    // Recent files
    // Makes the recent-file list with room for nMaxMRU paths and reads it (0: no list).
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // Writes the recent-file list.
    void SaveStdProfileSettings();
    // Puts lpszPathName at the top of the recent-file list (when there is one).
    virtual void AddToRecentFileList(LPCSTR lpszPathName);

    // Opens a document. Returns it, or null when it could not be opened (see the top of this file).
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);

    // Documents
    // Gives pTemplate (not null) to the document manager, which deletes it at the end.
    void AddDocTemplate(CDocTemplate* pTemplate);
    // The templates in the order they were added (null position: none).
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    // The number of open documents.
    int GetOpenDocumentCount() const;
    // Closes every document of every template without asking (bEndSession: the program ends).
    virtual void CloseAllDocuments(BOOL bEndSession);
    // Asked before the main window closes (its WM_CLOSE, so File Exit too): TRUE lets it close, FALSE
    // keeps the program running with nothing changed. The base asks nothing and answers TRUE; a program
    // whose data lives outside the documents asks its own save question here.
    virtual BOOL SaveAllModified();

    // Command line
    // Parses m_lpCmdLine (the program's arguments) into rCmdInfo with its ParseParam.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Carries out the command: FileNew sends ID_FILE_NEW through OnCmdMsg (nothing happens when no
    // one handles it), FileOpen opens the file (FALSE when that fails), FileNothing does nothing.
    // Returns FALSE when the start must end.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Wait cursor: nCode 1 begins (nesting), -1 ends, 0 shows it again when it is on.
    virtual void DoWaitCursor(int nCode);

    // Does nothing (the system draws its controls itself). Returns TRUE.
    BOOL Enable3dControls();

    // Printer
    // The application's printer into pPrintDlg->hDevMode and hDevNames (the application keeps owning
    // them), asking the system's default printer first when the application has none. FALSE when there
    // is no printer (both null).
    BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
    // Runs pPD (not null) on the application's printer: the dialog starts with it and, whatever the
    // answer, the blocks the dialog holds afterwards become the application's. Returns the dialog's
    // answer.
    virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);

    int ExitInstance() override;

    LPCSTR m_pszAppName;      // the application's name (captions of message boxes)
    LPCSTR m_pszExeName;      // the executable's name without folder and extension
    LPCSTR m_pszRegistryKey;  // null until SetRegistryKey
    LPCSTR m_pszProfileName;  // the profile's name: the application's name, or the INI file
    HINSTANCE m_hInstance;    // the program's module
    LPSTR m_lpCmdLine;        // the arguments after the program's name, as path text (UTF-8)
    int m_nCmdShow;           // how to show the main window first
    int m_nWaitCursorCount;   // nesting of the wait cursor
    CRecentFileList* m_pRecentFileList;
    CDocManager* m_pDocManager; // the templates (null before the first AddDocTemplate)
    HGLOBAL m_hDevMode;         // the application's printer: DEVMODE, or null
    HGLOBAL m_hDevNames;        // and DEVNAMES, or null

protected:
    afx_msg void OnAppExit();
    // File New: see the top of this file.
    afx_msg void OnFileNew();
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    // Printer set-up: the set-up dialog on the application's printer (see the top of this file).
    afx_msg void OnFilePrintSetup();

    struct CWinAppState {
        CString strAppName;
        CString strExeName;
        CString strRegistryKey;
        CString strProfileName;
        CString strCmdLine;
        HCURSOR hcurWaitRestore = nullptr;
    } m_appState;

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);
};

// The application object (null when none lives).
CWinApp* AfxGetApp();
// Its name ("" when none).
LPCSTR AfxGetAppName();
// Its main window (null when none).
CWnd* AfxGetMainWnd();
// The program's entry: sets the application's module, command line (lpCmdLine only when the
// system's Unicode command line, which the application read as path text, has no UTF-8 form) and show command, runs
// InitInstance, then Run (or ExitInstance when InitInstance failed). Returns the exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// Shows the wait cursor from construction to destruction.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the wait cursor again (after something changed the cursor).
    void Restore();
};
