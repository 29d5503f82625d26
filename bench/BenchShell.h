// BenchShell: the shell services of the benchmarks, as lean as the model's calls allow, so that what
// a benchmark times is the model's work.
//
// - The alternatives list keeps its items sorted ascending with letter case ignored, as the real list
//   does, but sorts them once when first asked rather than on every insertion.
// - AddSelectedToRank appends the selected alternatives to rank n of the tree, creating empty ranks up
//   to n; it neither moves an alternative out of another rank nor rewrites the project's rank cells
//   (the model puts those back itself), which the benchmarks never need.
// - ResetProject empties the project (ClearProject), the lists and the tree.
// - The TEMP directory has a name, so that a solve hands its two graph texts to RenderDotToGif, which
//   keeps them (renders) and renders nothing.
// - Everything else answers as a new application would (no window open, default settings) and does
//   nothing.
#pragma once

#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"

#include <set>
#include <vector>

class BenchShell : public CZQShellServices {
public:
    // Attaches to project (project.SetShell(this)) with the reference tree `tree`; null leaves the
    // shell without a project.
    explicit BenchShell(CZQInterfaceData* project, std::vector<CZQRankNode> tree = {});
    ~BenchShell() override;

    BenchShell(const BenchShell&) = delete;
    BenchShell& operator=(const BenchShell&) = delete;

    // The number of items of the criteria list.
    size_t CriterionItemCount() const { return m_criteria.size(); }

    bool IsEvaluationsWindowOpen() override { return false; }
    void SetResultsAvailable(int) override {}
    void SetModified(int) override {}
    CString GetInfoAttributeId() override { return "INFO"; }
    CString GetInfoAttributeDescription() override { return "Information about an alternative"; }
    void SetInfoAttribute(const CString&, const CString&) override {}
    int GetAddSegmentsInfoToXml() override { return 1; }
    int GetAddReferenceInfoToXml() override { return 1; }
    int GetResultsUtilityPrecision() override { return 6; }
    int GetPreserveKendall() override { return 1; }
    void ResetProject() override;
    void DeleteAllAlternativeItems() override;
    void InsertAlternativeItem(const CString& name) override;
    int GetAlternativeItemCount() override { return int(m_alternatives.size()); }
    CString GetAlternativeItemText(int item) override;
    void SetAlternativeItemSelected(int item, bool selected) override;
    void DeleteAllCriterionItems() override { m_criteria.clear(); }
    void InsertCriterionItem(const CString& name, const CString&) override { m_criteria.push_back(name); }
    void AddSelectedToRank(int rank) override;
    std::vector<CZQRankNode> GetReferenceTree() override { return m_tree; }
    bool HasOpenDocument(ZQDocument) override { return false; }
    void OpenNewDocument(ZQDocument) override {}
    void TileWindowsHorizontally() override {}
    void LoadFromModel() override {}
    void StoreToModel() override {}
    void LoadMatrix() override {}
    void RefreshGraphPage() override {}
    void RedrawRankingChart() override {}
    void SetStatusText(const CString&) override {}
    int ShowMessage(const CString&, const CString&, unsigned) override { return ZQ_IDOK; }
    CString LoadText(ZQText) override { return CString(); }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    CString GetTempDirectory() override { return "bench"; }
    int RenderDotToGif(const CString& dot, const CString&) override
    {
        renders.push_back(dot);
        return 1;
    }

    // The dot texts a solve asked to render, in order.
    std::vector<CString> renders;

private:
    // Sorts the alternatives list when items were inserted since it was last sorted.
    void SortAlternatives();

    CZQInterfaceData* m_project;
    std::vector<CZQRankNode> m_tree;
    std::vector<CString> m_alternatives;
    bool m_sorted = true;
    std::set<int> m_selected;
    std::vector<CString> m_criteria;
};
