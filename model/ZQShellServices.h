// CZQShellServices: what the decision model needs of the application shell, as one abstract class.
//
// The project (CZQInterfaceData) never calls a window. Everything it needs of the application object,
// the main frame, the three panes and the document windows goes through this interface: the
// application implements it over the real windows and hands it to the project with SetShell; tests
// hand it a recording fake. The members keep the names of the shell operations the model calls, and
// the model calls them in the order its operations describe, so that a recording of the calls is a
// faithful picture of what the real windows would see.
//
// Strings are 8-bit CStrings and paths are host paths, save the TEMP directory and the render paths
// built on it, which the shell gives and takes in its own form. Nothing here includes windows.h;
// message-box styles use the Win32 numeric values so the shell can pass them on unchanged. Member
// names avoid the Win32 A/W macros (MessageBox, GetTempPath, LoadString), which would rename them in a
// Win32 translation unit.
#pragma once

#include "core/CString.h"

#include <functional>
#include <vector>

// The document templates of the application that the model opens or whose first view it reaches.
enum class ZQDocument {
    EvaluationsGrid,
    ComparisonMatrix,
    RankingChart,
    PreferenceGraphs
};

// String-table texts the model shows or puts into the panes; the shell loads them from the current
// resource module (English or the Polish library).
enum class ZQText {
    Gain,               // kind column text of a gain criterion in the criteria list
    Cost,               // ... of a cost criterion
    Ordinal,            // ... of an ordinal ("rank") criterion
    IncorrectInputData, // "Error! Incorrect input data!"
    CantWriteFile       // "Can't write file!"
};

// Message-box styles (the Win32 values) and the button answers the model uses.
enum : unsigned {
    ZQ_MB_OK = 0x00000000u,
    ZQ_MB_ICONWARNING = 0x00000030u
};
enum : int {
    ZQ_IDOK = 1
};

// One rank node of the reference-ranking tree: the names of the alternatives under it, in tree order.
struct CZQRankNode {
    std::vector<CString> Alternatives;
};

class CZQShellServices {
public:
    virtual ~CZQShellServices();

    // ---- Flags and settings of the application object ----

    // Returns true while the application's flag says that an evaluations grid window is open.
    virtual bool IsEvaluationsWindowOpen() = 0;
    // Sets the results-available flag (flag 1 after a successful solve; it enables the comparison
    // matrix command).
    virtual void SetResultsAvailable(int flag) = 0;
    // Sets the project's modified flag: 1 after an edit, 0 after a load or a save.
    virtual void SetModified(int flag) = 0;
    // Returns the identifier of the alternatives' information attribute (default "INFO").
    virtual CString GetInfoAttributeId() = 0;
    // Returns the description of that attribute (default "Information about an alternative").
    virtual CString GetInfoAttributeDescription() = 0;
    // Replaces the information attribute's identifier and description (a project file read names its own).
    virtual void SetInfoAttribute(const CString& id, const CString& description) = 0;
    // Returns the setting "add segments info to xml" (0 or 1, default 1).
    virtual int GetAddSegmentsInfoToXml() = 0;
    // Returns the setting "add reference info to xml" (0 or 1, default 1).
    virtual int GetAddReferenceInfoToXml() = 0;
    // Returns the setting "results utility precision" (decimal places, default 6).
    virtual int GetResultsUtilityPrecision() = 0;
    // Returns the state of the command "Preserve Kendall's coefficient" (1 on, the default; 0 off).
    virtual int GetPreserveKendall() = 0;

    // ---- CZQApp::ResetProject ----

    // Empties the project (CZQInterfaceData::ClearProject), the panes and the status text, closes the
    // document windows and restores the application's defaults (title "untitled", modified 0, Kendall
    // option on, information attribute "INFO" / "Information about an alternative"). Never fails.
    virtual void ResetProject() = 0;

    // ---- The panes of the main frame ----

    // Deletes every item of the alternatives list.
    virtual void DeleteAllAlternativeItems() = 0;
    // Inserts an item with the text name and image 0 into the alternatives list (which keeps its own
    // sort order).
    virtual void InsertAlternativeItem(const CString& name) = 0;
    // Returns the number of items of the alternatives list.
    virtual int GetAlternativeItemCount() = 0;
    // Returns the text of alternatives item `item` (0 to count - 1), in the order the list shows.
    virtual CString GetAlternativeItemText(int item) = 0;
    // Selects (selected true) or deselects alternatives item `item`.
    virtual void SetAlternativeItemSelected(int item, bool selected) = 0;
    // Deletes every item of the criteria list.
    virtual void DeleteAllCriterionItems() = 0;
    // Inserts an item with the text name and image 1 into the criteria list, with kindText in its kind
    // column (empty for a kind word the list has no text for).
    virtual void InsertCriterionItem(const CString& name, const CString& kindText) = 0;
    // CZQDockingWndAlt::AddSelectedToRank: puts the alternatives selected in the alternatives list into
    // rank `rank` (1 or more) of the reference tree, creating empty ranks up to it, writes the ranks of
    // the tree into the project's alternatives table, empties the project's credibility list and sets
    // the modified flag.
    virtual void AddSelectedToRank(int rank) = 0;
    // Returns the reference-ranking tree: its rank nodes in tree order, each with its alternatives'
    // names in tree order.
    virtual std::vector<CZQRankNode> GetReferenceTree() = 0;

    // ---- Document windows ----

    // Returns true when the template `which` has at least one open document.
    virtual bool HasOpenDocument(ZQDocument which) = 0;
    // Opens a new document (no file) of the template `which`.
    virtual void OpenNewDocument(ZQDocument which) = 0;
    // Tiles the MDI children horizontally.
    virtual void TileWindowsHorizontally() = 0;
    // CZQGridView::LoadFromModel on the first view of the first evaluations-grid document (nothing
    // when there is none): reloads the grid from the project.
    virtual void LoadFromModel() = 0;
    // CZQGridView::StoreToModel on the same view: copies every grid cell into the project's
    // evaluations table.
    virtual void StoreToModel() = 0;
    // CZQResultsGridView::LoadMatrix on the first view of the first comparison-matrix document:
    // refills the matrix from the project's Solver.
    virtual void LoadMatrix() = 0;
    // CZQGraphView::RefreshGraphPage on the first view of the first preference-graphs document:
    // rewrites "graph.htm" in the TEMP directory and shows it.
    virtual void RefreshGraphPage() = 0;
    // CZQRankingChartView::Redraw on the first view of the first ranking-chart document: redraws it at
    // once from the project's ranking rows.
    virtual void RedrawRankingChart() = 0;

    // ---- Main frame, messages, cursor, environment ----

    // CZQMainFrm::SetStatusText: takes the text (the Kendall coefficient as "%.3f"); the frame discards it.
    virtual void SetStatusText(const CString& text) = 0;
    // Shows a modal message box with text, caption and style (ZQ_MB_* values); returns the button that
    // closed it (ZQ_IDOK for an OK box).
    virtual int ShowMessage(const CString& text, const CString& caption, unsigned style) = 0;
    // Returns the string-table text `which`.
    virtual CString LoadText(ZQText which) = 0;
    // Shows the wait cursor (calls nest; each is closed by EndWaitCursor).
    virtual void BeginWaitCursor() = 0;
    // Restores the cursor shown before the matching BeginWaitCursor.
    virtual void EndWaitCursor() = 0;
    // Returns the directory named by the environment variable TEMP (the Win32 environment's); when
    // TEMP is unset, the system's temporary directory; empty only when neither is known.
    virtual CString GetTempDirectory() = 0;
    // Renders the Graphviz text dot into a GIF file at path (GetTempDirectory's directory, a backslash
    // and the file name; the shell turns it into a host path). Returns 1 on success, -1 when the
    // renderer's library cannot be initialised, -2 when the renderer cannot be created, -3 when the
    // text is refused, -4 when the image cannot be saved.
    virtual int RenderDotToGif(const CString& dot, const CString& path) = 0;

    // ---- Long work ----

    // Runs work, the long part of a solve, which calls on no service but GetTempDirectory and
    // RenderDotToGif and touches nothing of the project that a window reads: the application may run
    // it on a thread of its own while its windows go on being painted, so both services must allow
    // a call from another thread meanwhile. Returns when work has ended; what work threw is thrown
    // again here. This one runs work at once, on the calling thread.
    virtual void RunLongWork(const std::function<void()>& work);
};
