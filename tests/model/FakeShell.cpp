#include "FakeShell.h"

#include "core/CException.h"

#include <algorithm>
#include <map>

namespace {

std::string Str(const CString& s)
{
    return std::string(s.GetString(), size_t(s.GetLength()));
}

const char* DocumentName(ZQDocument which)
{
    switch (which) {
    case ZQDocument::EvaluationsGrid:
        return "EvaluationsGrid";
    case ZQDocument::ComparisonMatrix:
        return "ComparisonMatrix";
    case ZQDocument::RankingChart:
        return "RankingChart";
    case ZQDocument::PreferenceGraphs:
        return "PreferenceGraphs";
    }
    return "?";
}

// Where a new item goes in a list sorted ascending with letter case ignored: after its equals.
template <class Items>
size_t SortedPosition(const Items& items, const CString& text)
{
    const auto after = std::upper_bound(items.begin(), items.end(), text, [](const CString& t, const auto& item) {
        return t.CompareNoCase(item.text) < 0;
    });
    return size_t(after - items.begin());
}

// True when a recorded call is a render of a dot text.
bool IsRender(const std::string& call)
{
    return call.rfind("RenderDotToGif(", 0) == 0;
}

} // namespace

FakeShell::FakeShell(CZQInterfaceData* project_) : project(project_)
{
    if (project != nullptr)
        project->SetShell(this);
}

FakeShell::~FakeShell()
{
    if (project != nullptr && project->GetShell() == this)
        project->SetShell(nullptr);
}

std::vector<std::string> FakeShell::Actions() const
{
    std::vector<std::string> actions;
    for (const std::string& call : calls) {
        if (call.empty() || call[0] != '?')
            actions.push_back(call);
    }
    return actions;
}

std::vector<std::string> FakeShell::Renders() const
{
    std::vector<std::string> renders;
    for (const std::string& call : calls) {
        if (IsRender(call))
            renders.push_back(call);
    }
    return renders;
}

std::vector<std::string> FakeShell::ActionsBesideRenders() const
{
    std::vector<std::string> actions;
    for (const std::string& call : Actions()) {
        if (!IsRender(call))
            actions.push_back(call);
    }
    return actions;
}

std::vector<std::string> FakeShell::RankNames(int rank) const
{
    std::vector<std::string> names;
    if (rank >= 1 && size_t(rank) <= referenceTree.size()) {
        for (const CString& name : referenceTree[size_t(rank) - 1].Alternatives)
            names.push_back(Str(name));
    }
    return names;
}

bool FakeShell::IsEvaluationsWindowOpen()
{
    Record("?IsEvaluationsWindowOpen()");
    return evaluationsOpen;
}

void FakeShell::SetResultsAvailable(int flag)
{
    Record("SetResultsAvailable(" + std::to_string(flag) + ")");
    resultsAvailable = flag;
}

void FakeShell::SetModified(int flag)
{
    Record("SetModified(" + std::to_string(flag) + ")");
    modified = flag;
}

CString FakeShell::GetInfoAttributeId()
{
    Record("?GetInfoAttributeId()");
    return infoAttributeId;
}

CString FakeShell::GetInfoAttributeDescription()
{
    Record("?GetInfoAttributeDescription()");
    return infoAttributeDescription;
}

void FakeShell::SetInfoAttribute(const CString& id, const CString& description)
{
    Record("SetInfoAttribute(" + Str(id) + ", " + Str(description) + ")");
    infoAttributeId = id;
    infoAttributeDescription = description;
}

int FakeShell::GetAddSegmentsInfoToXml()
{
    Record("?GetAddSegmentsInfoToXml()");
    return addSegmentsInfoToXml;
}

int FakeShell::GetAddReferenceInfoToXml()
{
    Record("?GetAddReferenceInfoToXml()");
    return addReferenceInfoToXml;
}

int FakeShell::GetResultsUtilityPrecision()
{
    Record("?GetResultsUtilityPrecision()");
    return resultsUtilityPrecision;
}

void FakeShell::ResetProject()
{
    Record("ResetProject()");
    if (project != nullptr)
        project->ClearProject();
    alternativeItems.clear();
    criterionItems.clear();
    referenceTree.clear();
    statusText.Empty();
    grid.clear();
    gridLoaded = false;
    openDocuments.clear();
    evaluationsOpen = false;
    modified = 0;
    preserveKendall = 1;
    title = "untitled";
    infoAttributeId = "INFO";
    infoAttributeDescription = "Information about an alternative";
}

void FakeShell::DeleteAllAlternativeItems()
{
    Record("DeleteAllAlternativeItems()");
    alternativeItems.clear();
}

void FakeShell::InsertAlternativeItem(const CString& name)
{
    Record("InsertAlternativeItem(" + Str(name) + ")");
    ListItem item;
    item.text = name;
    alternativeItems.insert(alternativeItems.begin() + std::ptrdiff_t(SortedPosition(alternativeItems, name)), item);
}

int FakeShell::GetAlternativeItemCount()
{
    Record("?GetAlternativeItemCount()");
    return int(alternativeItems.size());
}

CString FakeShell::GetAlternativeItemText(int item)
{
    Record("?GetAlternativeItemText(" + std::to_string(item) + ")");
    if (item < 0 || size_t(item) >= alternativeItems.size()) {
        CString detail;
        detail.Format("FakeShell::GetAlternativeItemText: item %d outside 0..%d", item,
                      int(alternativeItems.size()) - 1);
        AfxThrowInvalidArgException(detail);
    }
    return alternativeItems[size_t(item)].text;
}

void FakeShell::SetAlternativeItemSelected(int item, bool selected)
{
    Record("SetAlternativeItemSelected(" + std::to_string(item) + ", " + (selected ? "1" : "0") + ")");
    if (item < 0 || size_t(item) >= alternativeItems.size()) {
        CString detail;
        detail.Format("FakeShell::SetAlternativeItemSelected: item %d outside 0..%d", item,
                      int(alternativeItems.size()) - 1);
        AfxThrowInvalidArgException(detail);
    }
    alternativeItems[size_t(item)].selected = selected;
}

void FakeShell::DeleteAllCriterionItems()
{
    Record("DeleteAllCriterionItems()");
    criterionItems.clear();
}

void FakeShell::InsertCriterionItem(const CString& name, const CString& kindText)
{
    Record("InsertCriterionItem(" + Str(name) + ", " + Str(kindText) + ")");
    CriterionItem item;
    item.text = name;
    item.kindText = kindText;
    criterionItems.insert(criterionItems.begin() + std::ptrdiff_t(SortedPosition(criterionItems, name)), item);
}

void FakeShell::AddSelectedToRank(int rank)
{
    Record("AddSelectedToRank(" + std::to_string(rank) + ")");
    if (rank < 1) {
        CString detail;
        detail.Format("FakeShell::AddSelectedToRank: rank %d is below 1", rank);
        AfxThrowInvalidArgException(detail);
    }
    if (project != nullptr) {
        project->CredibilityList.clear();
        project->CredibilityDefined = 0;
    }
    modified = 1;
    while (referenceTree.size() < size_t(rank))
        referenceTree.push_back(CZQRankNode());

    std::vector<CString> selected;
    for (const ListItem& item : alternativeItems) {
        if (item.selected)
            selected.push_back(item.text);
    }
    for (const CString& name : selected) {
        for (CZQRankNode& node : referenceTree) {
            auto& names = node.Alternatives;
            names.erase(std::remove(names.begin(), names.end(), name), names.end());
        }
    }
    for (const CString& name : selected)
        referenceTree[size_t(rank) - 1].Alternatives.push_back(name);
    StoreReferenceRanking();
}

std::vector<CZQRankNode> FakeShell::GetReferenceTree()
{
    Record("?GetReferenceTree()");
    return referenceTree;
}

bool FakeShell::HasOpenDocument(ZQDocument which)
{
    Record(std::string("?HasOpenDocument(") + DocumentName(which) + ")");
    return openDocuments.count(which) != 0;
}

void FakeShell::OpenNewDocument(ZQDocument which)
{
    Record(std::string("OpenNewDocument(") + DocumentName(which) + ")");
    openDocuments.insert(which);
    if (which == ZQDocument::EvaluationsGrid)
        evaluationsOpen = true;  // the grid's view keeps the application's flag
}

void FakeShell::TileWindowsHorizontally()
{
    Record("TileWindowsHorizontally()");
}

void FakeShell::LoadFromModel()
{
    Record("LoadFromModel()");
    if (project != nullptr) {
        grid = project->EvaluationsTable;
        gridLoaded = true;
    }
}

void FakeShell::StoreToModel()
{
    Record("StoreToModel()");
    if (project != nullptr && gridLoaded)
        project->EvaluationsTable = grid;
}

void FakeShell::LoadMatrix()
{
    Record("LoadMatrix()");
}

void FakeShell::RefreshGraphPage()
{
    Record("RefreshGraphPage()");
}

void FakeShell::RedrawRankingChart()
{
    Record("RedrawRankingChart()");
}

void FakeShell::SetStatusText(const CString& text)
{
    Record("SetStatusText(" + Str(text) + ")");
    statusText = text;
}

int FakeShell::ShowMessage(const CString& text, const CString& caption, unsigned style)
{
    Record("ShowMessage(" + Str(text) + ", " + Str(caption) + ", " + std::to_string(style) + ")");
    return messageAnswer;
}

CString FakeShell::LoadText(ZQText which)
{
    switch (which) {
    case ZQText::Gain:
        Record("?LoadText(Gain)");
        return "Gain";
    case ZQText::Cost:
        Record("?LoadText(Cost)");
        return "Cost";
    case ZQText::Ordinal:
        Record("?LoadText(Ordinal)");
        return "Ordinal";
    case ZQText::IncorrectInputData:
        Record("?LoadText(IncorrectInputData)");
        return "Error! Incorrect input data!";
    case ZQText::CantWriteFile:
        Record("?LoadText(CantWriteFile)");
        return "Can't write file!";
    }
    return CString();
}

void FakeShell::BeginWaitCursor()
{
    Record("BeginWaitCursor()");
    ++waitCursorDepth;
}

void FakeShell::EndWaitCursor()
{
    Record("EndWaitCursor()");
    --waitCursorDepth;
}

CString FakeShell::GetTempDirectory()
{
    Record("?GetTempDirectory()");
    return tempDirectory;
}

int FakeShell::RenderDotToGif(const CString& dot, const CString& path)
{
    Record("RenderDotToGif(" + Str(dot) + ", " + Str(path) + ")");
    return renderResult;
}

void FakeShell::StoreReferenceRanking()
{
    // The rank of each name in the tree (the last node that holds it), so that one pass over the
    // table and the list sets them all.
    std::map<std::string, int> ranks;
    for (size_t m = 0; m < referenceTree.size(); ++m) {
        for (const CString& name : referenceTree[m].Alternatives)
            ranks[Str(name)] = int(m + 1);
    }
    if (project != nullptr) {
        for (ZQRow& row : project->AlternativesTable) {
            if (row.size() <= 2)
                continue;
            auto found = ranks.find(Str(row[0]));
            if (found != ranks.end())
                row[2].Format("%d", found->second);
            else
                row[2].Empty();
        }
    }
    for (ListItem& item : alternativeItems)
        item.image = ranks.count(Str(item.text)) != 0 ? 3 : 0;
}
