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
// Not done yet (each comes with its own window): the grid library's start-up and four of the six
// document templates (the preference graphs' and the final-ranking list's are made), the workbook
// main frame with its bars and panes (an MDI frame of the class library stands in for it, see
// LoadMainFrame), the panes' services and those of the result windows other than the graphs' (they
// answer "none" and do nothing), and the menu commands.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include "app/ZQWindowPlacement.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"

class CMultiDocTemplate;

class CZQApp : public CWinApp, public CZQShellServices {
public:
    // Sets every field to its default (the CSV symbols from the user's locale, see the top of this
    // file). The application's name follows the executable.
    CZQApp();
    ~CZQApp() override;

    CZQApp(const CZQApp&) = delete;
    CZQApp& operator=(const CZQApp&) = delete;

    // The start-up: command line, splash switch, registry key "Havrel", recent files (5),
    // LoadSettings, the Polish resources when the language is 1, the main frame loaded from
    // resource 128 and placed as the settings say, the command line carried out (a file named on it
    // is left to the File commands), the title "Ondrix - [untitled]". Returns FALSE, without a
    // message, when the main frame cannot be loaded or the command line cannot be carried out.
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

    // The first view of the first document of the template of `which` (null when there is none).
    CView* FirstViewOf(ZQDocument which) const;

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
    // Empties the project and the panes, closes the document windows and restores the project
    // defaults of the application (path "untitled", no file type, modified 0, Kendall option on,
    // the information attribute "INFO", functions-edited 0).
    void ResetProject() override;
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
    // Tiles the main frame's MDI children one above the other.
    void TileWindowsHorizontally() override;
    void LoadFromModel() override;
    void StoreToModel() override;
    void LoadMatrix() override;
    // CZQGraphView::RefreshGraphPage on the first view of the first graphs document (none: nothing).
    void RefreshGraphPage() override;
    void RedrawRankingChart() override;
    // The main frame shows no status text: the text is discarded.
    void SetStatusText(const CString& text) override;
    // A message box through the class library's seam, owned by the active top-level window.
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
    // cannot be written) when the path has no host path or its folder does not exist.
    int RenderDotToGif(const CString& dot, const CString& path) override;

    // ---- fields ----
    int m_nEvaluationsGridOpen; // 1 while an evaluations grid window exists
    int m_nGraphsOpen;          // ... the preference-graph window
    int m_nMatrixOpen;          // ... the comparison-matrix window
    int m_nRankingListOpen;     // ... the final-ranking list window
    int m_nChartsOpen;          // ... the marginal value charts window
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
    CMultiDocTemplate* m_pChartsTemplate;
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
    CString m_strFilePath; // "untitled" for a new project

protected:
    // Makes and loads the main frame from resource 128; null when it cannot be loaded (the frame
    // has then deleted itself). Tests replace it to see a failure.
    virtual CFrameWnd* LoadMainFrame();

private:
    // The template of a document kind (null when it does not exist yet).
    CMultiDocTemplate* TemplateOf(ZQDocument which) const;

    HINSTANCE m_hLanguageLibrary; // the loaded resource library, null when none
};

// The first character of the value lcType (LOCALE_SDECIMAL, LOCALE_SLIST) of locale, or cFallback
// when the locale cannot give one: a NUL symbol would make every CSV and results writer refuse.
char ZQLocaleSymbol(LCID locale, LCTYPE lcType, char cFallback);
