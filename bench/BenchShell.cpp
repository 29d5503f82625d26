#include "BenchShell.h"

#include "core/CException.h"

#include <algorithm>

BenchShell::BenchShell(CZQInterfaceData* project, std::vector<CZQRankNode> tree)
    : m_project(project), m_tree(std::move(tree))
{
    if (m_project != nullptr)
        m_project->SetShell(this);
}

BenchShell::~BenchShell()
{
    if (m_project != nullptr && m_project->GetShell() == this)
        m_project->SetShell(nullptr);
}

void BenchShell::ResetProject()
{
    if (m_project != nullptr)
        m_project->ClearProject();
    DeleteAllAlternativeItems();
    m_criteria.clear();
    m_tree.clear();
}

void BenchShell::DeleteAllAlternativeItems()
{
    m_alternatives.clear();
    m_selected.clear();
    m_sorted = true;
}

void BenchShell::InsertAlternativeItem(const CString& name)
{
    m_alternatives.push_back(name);
    m_sorted = false;
}

void BenchShell::SortAlternatives()
{
    if (m_sorted)
        return;
    std::stable_sort(m_alternatives.begin(), m_alternatives.end(),
                     [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    m_sorted = true;
}

CString BenchShell::GetAlternativeItemText(int item)
{
    SortAlternatives();
    if (item < 0 || size_t(item) >= m_alternatives.size())
        AfxThrowInvalidArgFormat("BenchShell::GetAlternativeItemText: item %d outside 0..%d", item,
                                 int(m_alternatives.size()) - 1);
    return m_alternatives[size_t(item)];
}

void BenchShell::SetAlternativeItemSelected(int item, bool selected)
{
    SortAlternatives();
    if (selected)
        m_selected.insert(item);
    else
        m_selected.erase(item);
}

void BenchShell::AddSelectedToRank(int rank)
{
    if (rank < 1)
        AfxThrowInvalidArgFormat("BenchShell::AddSelectedToRank: rank %d is below 1", rank);
    if (m_tree.size() < size_t(rank))
        m_tree.resize(size_t(rank));
    for (int item : m_selected) {
        if (item >= 0 && size_t(item) < m_alternatives.size())
            m_tree[size_t(rank) - 1].Alternatives.push_back(m_alternatives[size_t(item)]);
    }
}
