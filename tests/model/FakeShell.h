// FakeShell: a recording stand-in for the application shell, for tests of the decision model.
//
// - Every call is appended to `calls` as text, in order: "Name(arg, arg)" with numbers in decimal,
//   flags as 0/1 and texts as they stand. Calls that only ask something (flags, settings, list items,
//   the tree, texts, the TEMP directory, open documents) start with '?'; Actions() leaves them out.
// - Flags and settings are answered from the public fields below, which the calls also change.
// - The panes behave as the real ones do as far as the model relies on them: both lists keep their
//   items sorted ascending (letter case ignored, a new item after equal ones); AddSelectedToRank puts
//   the selected alternatives into rank n (moving them out of any other rank), creating empty ranks up
//   to n, rewrites every rank cell of the project from the tree, empties the project's credibility
//   list and sets the modified flag.
// - The evaluations grid is a copy of the table: LoadFromModel copies the project's evaluations into
//   `grid`, StoreToModel copies `grid` back (only once something was loaded), so a test can leave an
//   edit pending in the grid.
// - ResetProject clears the project (ClearProject), the lists, the tree, the grid, the status text and
//   the open documents and restores the defaults, as the application's reset does.
//
// The fake attaches itself to the project it is given and detaches when destroyed.
#pragma once

#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"

#include <set>
#include <string>
#include <vector>

class FakeShell : public CZQShellServices {
public:
    // Attaches to project (project.SetShell(this)); null leaves the fake without a project.
    explicit FakeShell(CZQInterfaceData* project = nullptr);
    ~FakeShell() override;

    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    // The recorded calls without the queries (those starting with '?').
    std::vector<std::string> Actions() const;
    // What was rendered: the recorded RenderDotToGif calls, "RenderDotToGif(dot, path)", in order.
    std::vector<std::string> Renders() const;
    // The recorded calls without the queries and without the renders (whose dot texts are the
    // solve's, tested on their own).
    std::vector<std::string> ActionsBesideRenders() const;
    // Forgets every recorded call.
    void ClearCalls() { calls.clear(); }
    // The names of the alternatives in rank node `rank` (from 1) of the tree, empty when there is none.
    std::vector<std::string> RankNames(int rank) const;

    // CZQShellServices
    bool IsEvaluationsWindowOpen() override;
    void SetResultsAvailable(int flag) override;
    void SetModified(int flag) override;
    CString GetInfoAttributeId() override;
    CString GetInfoAttributeDescription() override;
    void SetInfoAttribute(const CString& id, const CString& description) override;
    int GetAddSegmentsInfoToXml() override;
    int GetAddReferenceInfoToXml() override;
    int GetResultsUtilityPrecision() override;
    // Not recorded: the flag is read after every solve that produces value functions.
    int GetPreserveKendall() override { return preserveKendall; }
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
    bool HasOpenDocument(ZQDocument which) override;
    void OpenNewDocument(ZQDocument which) override;
    void TileWindowsHorizontally() override;
    void LoadFromModel() override;
    void StoreToModel() override;
    void LoadMatrix() override;
    void RefreshGraphPage() override;
    void RedrawRankingChart() override;
    void SetStatusText(const CString& text) override;
    int ShowMessage(const CString& text, const CString& caption, unsigned style) override;
    CString LoadText(ZQText which) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    CString GetTempDirectory() override;
    int RenderDotToGif(const CString& dot, const CString& path) override;

    struct ListItem {
        CString text;
        int image = 0;  // 0 outside the reference ranking, 3 inside
        bool selected = false;
    };
    struct CriterionItem {
        CString text;
        CString kindText;
    };

    CZQInterfaceData* project;
    std::vector<std::string> calls;

    // Application flags and settings.
    bool evaluationsOpen = false;
    int resultsAvailable = 0;
    int modified = 0;
    int preserveKendall = 1;
    CString title = "untitled";
    CString infoAttributeId = "INFO";
    CString infoAttributeDescription = "Information about an alternative";
    int addSegmentsInfoToXml = 1;
    int addReferenceInfoToXml = 1;
    int resultsUtilityPrecision = 6;

    // Panes and windows.
    std::vector<ListItem> alternativeItems;
    std::vector<CriterionItem> criterionItems;
    std::vector<CZQRankNode> referenceTree;
    std::set<ZQDocument> openDocuments;
    ZQTable grid;
    bool gridLoaded = false;
    CString statusText;

    // Answers of the modal and outside calls.
    int messageAnswer = ZQ_IDOK;
    int waitCursorDepth = 0;
    CString tempDirectory = "/tmp";
    int renderResult = 1;

private:
    void Record(const std::string& call) { calls.push_back(call); }
    // Writes the tree's ranks into the project's rank cells and the list items' images.
    void StoreReferenceRanking();
};
