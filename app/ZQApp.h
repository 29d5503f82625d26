// CZQApp: Ondrix's application object. It owns the project (CZQInterfaceData) for the whole run and
// is the project's shell services (CZQShellServices); it keeps the user's settings, the document
// templates, the current project file and the flags that say which result windows are open.
//
// Settings live in the registry under HKCU\Software\Havrel\<application name>\Settings, the
// application's name being the executable's ("Ondrix"). LoadSettings reads them once at start-up;
// a value that is missing, empty or out of range leaves the field at its constructor value.
// SaveSettings writes them back from ExitInstance, once, at the end of a normal run.
//
// The CSV symbols start from the user's locale (its decimal symbol and list separator); a locale
// whose symbols cannot be read gives '.' and ',' instead of NUL characters, which the project's
// writers would refuse.
//
// The commands of the File, View and Calculate menus that concern the whole project are the
// application's (ZQAppCommands.cpp): New, Open, Save, Save As, the recent files, Save Results As,
// Solve, Options, the show-or-hide commands of the result windows and the Tab key's focus cycle over
// the panes. Project files are named by Windows paths (what the file dialogs answer), which the title,
// the recent-file list and the save question show; the project's readers and writers get their host
// paths, and a path without one fails as a file that cannot be read or written.
//
// The panes' services (ZQAppPanes.cpp) work on the panes of the main frame: the alternatives list, the
// reference tree and the criteria list; while a project file is read they work on the refill that
// puts them into the panes in one go (CZQPaneRefill). A file is read on a thread of its own while the
// windows keep being painted (ReadProject): the services that touch windows, called from that thread,
// are carried out on the windows' thread. So is the long part of a solve (RunLongWork), which calls
// only GetTempDirectory and RenderDotToGif, on its own thread: neither touches a window.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include <functional>
#include <memory>

#include "app/ZQWindowPlacement.h"
#include "app/ZQWindowsThread.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"

class CMultiDocTemplate;
class CZQChartTemplate;
class CZQDockingWndAlt;
class CZQDockingWndCrit;
class CZQDockingWndRef;
class CZQMainFrm;
class CZQPaneRefill;

// The application's title (of the main window, and the caption of its messages) and the file path of
// a project that has no file.
extern const char* const ZQ_APP_TITLE;
extern const char* const ZQ_UNTITLED;

class CZQApp : public CWinApp, public CZQShellServices {
    DECLARE_MESSAGE_MAP()
public:
    // Sets every field to its default (the CSV symbols from the user's locale, see the top of this
    // file). The application's name follows the executable.
    CZQApp();
    ~CZQApp() override;

    CZQApp(const CZQApp&) = delete;
    CZQApp& operator=(const CZQApp&) = delete;

    // The start-up: command line, splash switch, registry key "Havrel", recent files (5),
    // LoadSettings, the Polish resources when the language is 1, the grid library (StartGridLibrary),
    // the document templates, the main frame loaded from resource 128 and placed as the settings say,
    // the command line carried out, the title "Ondrix - [untitled]"; then a project file named on the
    // command line is opened as a recent file is (OpenProjectFile). Returns FALSE, without a message,
    // when the main frame cannot be loaded or the command line cannot be carried out.
    BOOL InitInstance() override;
    // Writes the settings (SaveSettings), then the framework's end of run.
    int ExitInstance() override;
    // Closes the preference-graphs documents too, which the document manager does not hold, then every
    // document of the manager; asks nothing. The main window closes them so before it goes: its MDI
    // children must go before its MDI client, whose child list the system's MDI code reads while a
    // child is destroyed.
    void CloseAllDocuments(BOOL bEndSession) override;

    // Reads the "Settings" values into the fields (see the table in ZQAppSettings.cpp).
    void LoadSettings();
    // Writes them back, in the order LoadSettings reads them: the four CSV symbols as one-character
    // strings, the two XML flags as 0 or 1, the five colours, the two precisions, "restoring
    // confirmation" as 0 or 1 and "language" as 1 for Polish, else 0.
    void SaveSettings();
    // Opens the about window modally over the main window: the animated one, or the plain one when
    // OpenGL cannot be set up (the handler of the about command, 57664).
    void OnAppAbout();
    // Loads the resource library lpszLibrary (a file name beside the program) and makes it the
    // resource source, so that menus, dialogs and strings come from it and what it lacks from the
    // program. Returns FALSE, changing nothing and reporting nothing, when it cannot be loaded.
    BOOL LoadLanguageLibrary(LPCSTR lpszLibrary);

    // The main window's title for the project file lpszPath: "Ondrix - [<path>]", so
    // "Ondrix - [untitled]" for a new project.
    static CString ProjectTitle(LPCSTR lpszPath);

    // ---- project files and the save question (ZQAppCommands.cpp) ----

    // Opens the project file lpszPath (a Windows path), as the recent-file list and the command line
    // do: the save question (Cancel, or a save that does not succeed, ends here: 1, nothing changed),
    // ResetProject, then the file read by the extension after the last '.' of the path (see
    // ReadProjectFile). Returns 0 when the file could not be read (the message was shown), else 1.
    int OpenProjectFile(LPCSTR lpszPath);
    // The save question of New, Open, a recent file and Exit. Asks only while the project is modified
    // and the alternatives or the criteria list holds an item: "Do you want to save file '<path>'?"
    // (no owner, caption "Ondrix", Yes, No, Cancel). Yes saves as Save does. Returns TRUE to go on:
    // No, or Yes and a save that succeeded; FALSE after Cancel or a save that was cancelled or
    // failed, so that the project is never discarded unsaved.
    BOOL AskToSaveProject();
    // Closing the main window (and File Exit) asks the save question first; FALSE keeps it open.
    BOOL SaveAllModified() override;

    // The main window; null while there is none.
    CZQMainFrm* GetMainFrame() const;

    // ---- the panes of the main frame (ZQAppPanes.cpp) ----

    // The panes of the main window; null while it has none.
    CZQDockingWndAlt* GetAlternativesPane() const;
    CZQDockingWndRef* GetReferencePane() const;
    CZQDockingWndCrit* GetCriteriaPane() const;
    // The number of items of the criteria pane's list (0 without the pane).
    virtual int GetCriterionItemCount();
    // The control that the focus cycle focuses at nPosition: 0 the alternatives pane's name box, 1
    // the alternatives list, 2 the reference tree, 3 the criteria list, 4 the first view of the first
    // evaluations-grid document. Null when there is none.
    virtual CWnd* GetFocusCycleControl(int nPosition);
    // Empties the project's credibility choice and marks it undefined: every change of the reference
    // ranking does, since the choice named reference alternatives of the ranking it was made for.
    void ClearCredibilityChoice();
    // After a change of the reference ranking made in the panes: the project marked modified, its
    // credibility choice cleared, and asked to solve again (AutoSolve).
    void ReferenceRankingChanged();

    // The first view of the first document of the template of `which` (null when there is none).
    CView* FirstViewOf(ZQDocument which) const;

    // ---- the marginal value charts (ZQAppCommands.cpp) ----

    // The project's automatic re-solve (after a change of the reference ranking), then the open
    // charts refilled: they always show the functions of the last solve.
    void AutoSolve();
    // Every open chart shows the project's value functions again (CZQChartDoc::ShowValueFunction).
    void RefillValueCharts();
    // The charts-open flag: 1 while a chart document other than pLeaving (which is going; may be
    // null) is left, else 0.
    void UpdateChartsOpen(CDocument* pLeaving);

    // ---- CZQShellServices ----
    bool IsEvaluationsWindowOpen() override;
    void SetResultsAvailable(int flag) override;
    void SetModified(int flag) override;
    CString GetInfoAttributeId() override;
    CString GetInfoAttributeDescription() override;
    void SetInfoAttribute(const CString& id, const CString& description) override;
    int GetAddSegmentsInfoToXml() override;
    int GetAddReferenceInfoToXml() override;
    int GetResultsUtilityPrecision() override;
    int GetPreserveKendall() override;
    // Empties the project and the panes, empties the open evaluations grid (so that it stores nothing
    // of the old project as it goes), closes the document windows and restores the project
    // defaults of the application (path "untitled", no file type, modified 0, Kendall option on,
    // the information attribute "INFO", functions-edited 0).
    void ResetProject() override;
    // The panes' lists and reference tree (ZQAppPanes.cpp); without the panes they are empty and
    // nothing is done. AddSelectedToRank is the alternatives pane's, dropping no empty rank: ranks are
    // added up to rank `rank` (a file may leave ranks out).
    void DeleteAllAlternativeItems() override;
    void InsertAlternativeItem(const CString& name) override;
    int GetAlternativeItemCount() override;
    CString GetAlternativeItemText(int item) override;
    void SetAlternativeItemSelected(int item, bool selected) override;
    void DeleteAllCriterionItems() override;
    void InsertCriterionItem(const CString& name, const CString& kindText) override;
    void AddSelectedToRank(int rank) override;
    std::vector<CZQRankNode> GetReferenceTree() override;
    // True when the template of `which` exists and has a document.
    bool HasOpenDocument(ZQDocument which) override;
    // A new document of the template of `which` (its OpenDocumentFile without a file); nothing
    // when the template does not exist.
    void OpenNewDocument(ZQDocument which) override;
    // Tiles the main frame's MDI children one above the other; while the result windows of one
    // command open (ResultWindows), once, when the last of them has opened.
    void TileWindowsHorizontally() override;
    // CZQGridView::LoadFromModel and StoreToModel on the first view of the first evaluations-grid
    // document; nothing without one.
    void LoadFromModel() override;
    void StoreToModel() override;
    // True while the result windows of a command open (see ResultWindows).
    bool IsOpeningResultWindows() const { return m_nResultWindows > 0; }
    // CZQResultsGridView::LoadMatrix on the first view of the first matrix document (none: nothing).
    // While the result windows of one command open, the refill that follows the opening of the
    // matrix's window is left out: its first update has just filled it from the same Solver.
    void LoadMatrix() override;
    // CZQGraphView::RefreshGraphPage on the first view of the first graphs document (none: nothing).
    void RefreshGraphPage() override;
    // CZQRankingChartView::Redraw on the first view of the first ranking-chart document (none:
    // nothing).
    void RedrawRankingChart() override;
    // The main frame's SetStatusText, which shows nothing.
    void SetStatusText(const CString& text) override;
    // A message box through the class library's seam, owned by the active top-level window. The
    // result windows opened so far are tiled first.
    int ShowMessage(const CString& text, const CString& caption, unsigned style) override;
    // The string-table text (current resource source, then the program).
    CString LoadText(ZQText which) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // The Win32 environment's TEMP; when it is unset or empty, the system's temporary directory
    // (GetTempPath, without its last backslash); empty when neither is known.
    CString GetTempDirectory() override;
    // Renders dot, text in the program's 8-bit code page, into the GIF file path, a Windows path as
    // the model builds it from GetTempDirectory: the text goes to Graphviz in UTF-8 and the path as
    // its host path (native/GraphvizRenderer.h). Returns the renderer's code unchanged; -4 (the file
    // cannot be written) when the path has no host path or its folder does not exist. During the
    // Solve command and the solve after an edit of the ranking, which go on while the graphs render,
    // the render runs in the background and 1 is returned at once: the graph view waits for it before
    // it shows the images, and the command for it (its windows painted meanwhile) before it ends.
    int RenderDotToGif(const CString& dot, const CString& path) override;
    // The long part of a solve on a thread of its own, while the windows' thread keeps the windows
    // painted and their timers going under the wait cursor; the user's input made meanwhile is
    // dropped, so no command acts on a solve that is not done and none is carried out after it
    // (ZQRunWhilePainting).
    void RunLongWork(const std::function<void()>& work) override;

    // ---- fields ----
    int m_nEvaluationsGridOpen; // 1 while an evaluations grid window exists
    int m_nGraphsOpen;          // ... the preference-graph window
    int m_nMatrixOpen;          // ... the comparison-matrix window
    int m_nRankingListOpen;     // ... the final-ranking list window
    int m_nChartsOpen;          // ... a marginal value chart window
    int m_nRankingChartOpen;    // ... the ranking chart window
    int m_nFunctionsEdited;     // 1 after a marginal value function was changed by dragging
    int m_nModified;            // 1 while the project has unsaved changes
    int m_nPreserveKendall;     // the "Preserve Kendall's Coefficient" option (1: on)
    int m_nUtilityPrecision;    // "results utility precision": 1 to 6, default 6
    int m_nEvaluationsPrecision; // "charts evaluations precision": 1 to 6, default 3
    int m_nLanguage;            // 0 English, 1 Polish
    COLORREF m_crChartBackground; // the chart colours: white, black, blue, red, green by default
    COLORREF m_crChartAxis;
    COLORREF m_crChartLine;
    COLORREF m_crChartPoints;
    COLORREF m_crChartBars;
    int m_bRestoringConfirmation; // "restoring confirmation", 0 or 1
    int m_bAddSegmentsInfo;       // "add segments info to xml", 0 or 1
    int m_bAddReferenceInfo;      // "add reference info to xml", 0 or 1
    int m_nResultsAvailable;      // 1 after a successful solve (the result commands use it)

    CZQInterfaceData m_Project;

    // The document templates (null until their documents and views exist). All but the graphs'
    // belong to the document manager; the graphs' template is the application's alone.
    CMultiDocTemplate* m_pEvaluationsTemplate;
    CMultiDocTemplate* m_pGraphsTemplate;
    CMultiDocTemplate* m_pMatrixTemplate;
    CZQChartTemplate* m_pChartsTemplate;
    CMultiDocTemplate* m_pRankingListTemplate;
    CMultiDocTemplate* m_pRankingChartTemplate;

    CString m_strInfoAttributeName; // "INFO"
    CString m_strInfoAttributeText; // "Information about an alternative"
    int m_nFocusPosition;           // place in the panes' focus cycle, 0 to 4
    char m_cInputDecimalSymbol;
    char m_cOutputDecimalSymbol;
    char m_cInputListSeparator;
    char m_cOutputListSeparator;
    int m_nFileType;      // -1 none, 0 CSV, 1 XML, 2 the sibling program's binary file
    CString m_strFilePath; // path text (UTF-8, win/HostPath.h); "untitled" for a new project

protected:
    // Starts the grid library once in the process: the grid operations' creators registered, then
    // InitGridLibrary(1536), then the cell controls registered with the control factory it made. A
    // library already started is left as it is.
    void StartGridLibrary();
    // Makes and loads the main frame (CZQMainFrm) from resource 128 with the style
    // WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE; null when it cannot be loaded (the frame has then deleted
    // itself). Tests replace it to see a failure.
    virtual CFrameWnd* LoadMainFrame();

    // ---- commands (ZQAppCommands.cpp) ----

    // File New: the save question, ResetProject, the title "Ondrix - [untitled]".
    afx_msg void OnNew();
    // File Open: the open dialog (the project filter, in Polish for language 1); on OK the save
    // question, ResetProject and ReadProjectFile with the dialog's extension.
    afx_msg void OnOpen();
    // File Save: SaveProjectFile.
    afx_msg void OnSave();
    // File Save As: SaveProjectUnderNewName.
    afx_msg void OnSaveAs();
    // An entry of the recent-file list: OpenProjectFile with its path; an entry that could not be
    // read is removed from the list.
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    // File Save Results As: the save dialog ("TXT", "Results.txt", the text-file filter); the project
    // writes the results text there with the output decimal symbol; "Can't write file!" on failure.
    afx_msg void OnSaveResultsAs();
    // Calculate Solve Problem: the project's solve, which shows its own messages and opens the result
    // windows; then the open charts are refilled.
    afx_msg void OnSolve();
    // Calculate Options: the Options dialog on the project's delta and epsilon, stored back on OK.
    afx_msg void OnOptions();
    // The View commands of the result windows: a window open (by its flag) closes with every document
    // of its template, asking nothing; else the project opens it (and refreshes the matrix and the
    // graphs). The matrix's flag follows the command; the other windows' views keep their own.
    afx_msg void OnToggleEvaluations();
    afx_msg void OnToggleMatrix();
    afx_msg void OnToggleGraphs();
    // View Marginal Value Functions: with a chart open (by its flag), every chart document closes,
    // asking nothing; otherwise one chart window opens per criterion of the Solver, in criterion
    // order, titled with the project's criterion at that position and showing its value function,
    // and the document windows are tiled.
    afx_msg void OnToggleCharts();
    // The Tab key: focuses the control at the focus position (GetFocusCycleControl) and moves the
    // position on; after the criteria list it goes back to the name box unless an evaluations grid is
    // open, and after the grid always.
    afx_msg void OnFocusNext();

    // Update rules: Save while modified; Save Results As, the matrix, the graphs and the charts while
    // the project holds value functions; Solve while the project can be solved; Preserve Kendall's
    // Coefficient always enabled and checked by its flag (its command does nothing); the window
    // commands checked by their windows' flags.
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSaveResultsAs(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSolve(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePreserveKendall(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToggleEvaluations(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToggleMatrix(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToggleGraphs(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToggleCharts(CCmdUI* pCmdUI);

private:
    // Deletes every node of the reference tree (ZQAppPanes.cpp; nothing without the pane).
    void DeleteReferenceTree();
    // The template of a document kind (null when it does not exist yet).
    CMultiDocTemplate* TemplateOf(ZQDocument which) const;

    // Save: to the current file with its type when the project has one (a path other than empty or
    // "untitled", or a type), else SaveProjectUnderNewName. TRUE when the project was saved.
    BOOL SaveProjectFile();
    // Save As: the save dialog (default extension "zex", the initial name "untitled" for an untitled
    // project, no overwrite prompt: the writers save safely). A name of another extension than csv,
    // zex or zek shows "Can't write file!" and changes nothing. Otherwise the project is saved with
    // that type and, saved or not, takes the file (TakeProjectFile). TRUE when the project was saved.
    BOOL SaveProjectUnderNewName();
    // Saves the project into path (a Windows path) as nType with the output symbols, on a thread of
    // its own while the windows are painted and the user's input is dropped (ZQRunWhilePainting);
    // "Can't write file!" when it fails. TRUE when saved.
    BOOL SaveProjectTo(const CString& path, int nType);
    // Reads path (a Windows path) into the project, which the caller has reset, by its extension ext
    // (csv, zex or zek in any case: CSV with the input symbols, XML, the sibling binary file). On
    // success: the evaluations grid reloaded and TakeProjectFile. Another extension, a path without a
    // host path or a read that fails: "Can't read file!" and the title "Ondrix - [untitled]" over the
    // empty project. The user's input made until the windows show the project (or the warning) is
    // dropped (CZQDroppedInput). TRUE when read.
    BOOL ReadProjectFile(const CString& path, const CString& ext);
    // The project's OpenProject of hostPath as type nType with the input symbols, under the wait
    // cursor, the windows painted first: read on a thread of its own while the windows keep being
    // painted and the input is dropped (ZQRunWhilePainting), the panes refilled in one go
    // (CZQPaneRefill). Returns
    // OpenProject's result.
    int ReadProject(const CString& hostPath, int nType);
    // Makes path (a Windows path) of type nType the project's file: the file type and path, the title
    // "Ondrix - [<path>]" and the top entry of the recent-file list.
    void TakeProjectFile(const CString& path, int nType);
    // The main window's title for the project file lpszPath (see ProjectTitle); nothing without one.
    void SetProjectTitle(LPCSTR lpszPath);
    // The warning box without owner (caption "Ondrix") with string nIDText.
    void WarnAboutFile(UINT nIDText);
    // True when the project holds value functions (a solve has given them).
    bool HoldsValueFunctions() const;
    // Runs solve (the project's solve) with the graphs rendered in the background (RenderDotToGif)
    // and its result windows opened as one (ResultWindows), then waits for the renders and gives the
    // memory the solve freed back to the system. When a solve's work ran (RunLongWork), the windows
    // are painted while the renders end, and the user's input made from its work's start to the
    // command's end (its results copied out, its windows and value charts refreshed) is dropped, or
    // up to a message box the solve shows.
    void SolveRenderingInBackground(const std::function<void()>& solve);

    // The result windows one command opens, from its construction to its destruction (they nest: the
    // outermost counts). Each window the project opens asks for a tile: the tiles are made once, when
    // the command ends (or before a message box shows meanwhile), to the same arrangement as a tile
    // after each window, without laying every open window out again for each. A matrix window opened
    // meanwhile has been filled by its first update; the refresh that follows it is left out. The
    // graph page is shown once, after the tile (CZQGraphView::ShowWrittenPage).
    class ResultWindows {
    public:
        explicit ResultWindows(CZQApp& app);
        ~ResultWindows();
        ResultWindows(const ResultWindows&) = delete;
        ResultWindows& operator=(const ResultWindows&) = delete;

    private:
        CZQApp& m_app;
    };
    // Makes the tile the result windows opened so far asked for, if any, then shows the graph page
    // written meanwhile, if any, once the graphs rendered in the background are written: the windows
    // go on being painted while they are (during a solve, with the user's input dropped).
    void ShowOpenedResultWindows();
    // While the result windows of a command open (ResultWindows), paints the windows waiting to be
    // painted: the one just refreshed shows at once, not the screen's remains until the command ends.
    void PaintRefreshedResultWindow();

    HINSTANCE m_hLanguageLibrary; // the loaded resource library, null when none
    // The refill of the panes that the services of the panes go to while a project file is read;
    // null when none runs.
    CZQPaneRefill* m_pRefill;
    // True while a solve command runs, whose graphs render in the background.
    bool m_bRenderInBackground;
    // The number of solves' works run (RunLongWork).
    int m_nLongWorks;
    // The span of a solve command whose input is dropped: from its first long work (RunLongWork) to
    // the end of the command, its result windows and charts refreshed; null when none is open.
    std::unique_ptr<CZQDroppedInput> m_pSolveInputDropped;
    // ResultWindows: how many are open, whether a tile was asked for meanwhile, and whether the
    // matrix window opened meanwhile holds the fill its refresh would make.
    int m_nResultWindows;
    bool m_bTileAsked;
    bool m_bMatrixFilled;
};

// The running application object; null when the program's application is not a CZQApp.
CZQApp* ZQGetApp();
// A message box through the class library's seam, owned by pOwner (null: none), captioned "Ondrix",
// of MB_ style nType. Returns the button.
int ZQMessageBox(CWnd* pOwner, const CString& text, UINT nType);

// The first character of the value lcType (LOCALE_SDECIMAL, LOCALE_SLIST) of locale, or cFallback
// when the locale cannot give one: a NUL symbol would make every CSV and results writer refuse.
char ZQLocaleSymbol(LCID locale, LCTYPE lcType, char cFallback);
