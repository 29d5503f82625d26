// CZQPaneRefill: the panes filled from a project in one go (see ZQPaneRefill.h).
#include "app/ZQPaneRefill.h"

#include "app/ZQApp.h"
#include "app/ZQDockingWndAlt.h"
#include "app/ZQDockingWndCrit.h"
#include "app/ZQDockingWndRef.h"
#include "app/ZQWindowsThread.h"
#include "res/resource.h"

#include <algorithm>
#include <deque>

namespace {

const int kOutsideImage = 0;
const int kRankedImage = 3;

std::string Key(const CString& text)
{
    return std::string(text.GetString(), size_t(text.GetLength()));
}

// text in the program's code page as the list keeps it: UTF-16, as the list converts it.
std::vector<WCHAR> Wide(const CString& text)
{
    const int nLength = text.GetLength();
    const int nWide = nLength > 0 ? ::MultiByteToWideChar(CP_ACP, 0, text.GetString(), nLength, nullptr, 0) : 0;
    std::vector<WCHAR> wide(size_t(nWide) + 1, 0);
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.GetString(), nLength, wide.data(), nWide);
    return wide;
}

CString RankNumber(size_t nRank)
{
    CString text;
    text.Format("%d", int(nRank + 1));
    return text;
}

} // namespace

std::unique_ptr<CZQPaneRefill> CZQPaneRefill::Begin(CZQApp& app)
{
    std::unique_ptr<CZQPaneRefill> refill(new CZQPaneRefill(app));
    if (refill->m_pAlternatives == nullptr || refill->m_pCriteria == nullptr || refill->m_pReference == nullptr ||
        refill->m_pAlternatives->m_wndList.m_hWnd == nullptr || refill->m_pCriteria->m_wndList.m_hWnd == nullptr ||
        refill->m_pReference->m_wndTree.m_hWnd == nullptr)
        return nullptr;
    if (refill->m_pAlternatives->m_wndList.GetItemCount() != 0 || refill->m_pCriteria->m_wndList.GetItemCount() != 0 ||
        refill->m_pReference->m_wndTree.GetCount() != 0)
        return nullptr;
    return refill;
}

CZQPaneRefill::CZQPaneRefill(CZQApp& app)
    : m_app(app), m_pAlternatives(app.GetAlternativesPane()), m_pCriteria(app.GetCriteriaPane()),
      m_pReference(app.GetReferencePane())
{
    AfxLoadString(IDS_ZQ_RANK, m_rankWord);
}

CZQPaneRefill::~CZQPaneRefill() = default;

// ---- the alternatives list -----------------------------------------------------------------------------------

void CZQPaneRefill::DeleteAllAlternatives()
{
    m_bDeleteAll = true;
    m_entries.clear();
    m_order.clear();
    m_nSorted = 0;
    m_bSortedInTheList = false;
    m_nInTheList = 0;
    m_selected.clear();
    m_entriesByName.clear();
    // the next store sets every item's image
    m_bRanksStored = false;
}

void CZQPaneRefill::InsertAlternative(const CString& name)
{
    ListEntry entry;
    entry.name = name;
    entry.nImage = kOutsideImage;
    m_entries.push_back(entry);
    const std::string key = Key(name);
    m_entriesByName[key].push_back(m_entries.size() - 1);
    // the next store gives it its image, as the list's full store would
    m_changedNames.insert(key);
}

int CZQPaneRefill::GetAlternativeCount() const
{
    return int(m_entries.size());
}

CString CZQPaneRefill::GetAlternativeText(int nItem)
{
    SortList();
    return nItem >= 0 && size_t(nItem) < m_order.size() ? m_entries[m_order[size_t(nItem)]].name : CString();
}

void CZQPaneRefill::SetAlternativeSelected(int nItem, bool bSelected)
{
    SortList();
    if (nItem >= 0 && size_t(nItem) < m_order.size())
        SelectListItem(size_t(nItem), bSelected);
}

void CZQPaneRefill::SelectListItem(size_t nItem, bool bSelected)
{
    ListEntry& entry = m_entries[m_order[nItem]];
    if (entry.bSelected == bSelected)
        return;
    entry.bSelected = bSelected;
    if (bSelected)
        m_selected.insert(nItem);
    else
        m_selected.erase(nItem);
}

void CZQPaneRefill::SortList()
{
    if (m_nSorted == m_entries.size())
        return;
    if (m_bSortedInTheList) {
        SortInTheList();
        return;
    }
    for (size_t i = m_nSorted; i < m_entries.size(); ++i)
        m_order.push_back(i);
    m_nSorted = m_entries.size();

    std::vector<std::vector<WCHAR>> wide(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        wide[i] = Wide(m_entries[i].name);
    auto compare = [&](size_t a, size_t b) { return ::lstrcmpW(wide[a].data(), wide[b].data()); };
    // insertions in name order (a file saved in that order) need no sort
    bool bInOrder = true;
    for (size_t i = 1; i < m_order.size() && bInOrder; ++i)
        bInOrder = compare(m_order[i - 1], m_order[i]) < 0;
    if (!bInOrder)
        std::stable_sort(m_order.begin(), m_order.end(), [&](size_t a, size_t b) { return compare(a, b) < 0; });

    // Names that compare equal but differ: their order is the list's own sort's, not worked out here.
    for (size_t i = 1; i < m_order.size(); ++i) {
        if (compare(m_order[i - 1], m_order[i]) == 0 && m_entries[m_order[i - 1]].name != m_entries[m_order[i]].name) {
            SortInTheList();
            return;
        }
    }
    m_selected.clear();
    for (size_t i = 0; i < m_order.size(); ++i) {
        if (m_entries[m_order[i]].bSelected)
            m_selected.insert(i);
    }
}

void CZQPaneRefill::SortInTheList()
{
    ZQOnWindowsThread([this] {
        CListCtrl& list = m_pAlternatives->m_wndList;
        list.SetRedraw(FALSE);
        if (m_bDeleteAll) {
            list.DeleteAllItems();
            m_bDeleteAll = false;
        }
        for (size_t i = m_nInTheList; i < m_entries.size(); ++i)
            m_pAlternatives->InsertAlternative(m_entries[i].name);
        m_nInTheList = m_entries.size();
        // the list's order read back; entries of one name taken in their order of insertion
        std::unordered_map<std::string, std::deque<size_t>> byName;
        for (size_t i = 0; i < m_entries.size(); ++i)
            byName[Key(m_entries[i].name)].push_back(i);
        m_order.clear();
        const int nCount = list.GetItemCount();
        for (int nItem = 0; nItem < nCount; ++nItem) {
            std::deque<size_t>& entries = byName[Key(list.GetItemText(nItem, 0))];
            if (!entries.empty()) {
                m_order.push_back(entries.front());
                entries.pop_front();
            }
        }
    });
    m_bSortedInTheList = true;
    m_nSorted = m_entries.size();
    m_selected.clear();
    for (size_t i = 0; i < m_order.size(); ++i) {
        if (m_entries[m_order[i]].bSelected)
            m_selected.insert(i);
    }
}

// ---- the criteria list ---------------------------------------------------------------------------------------

void CZQPaneRefill::DeleteAllCriteria()
{
    m_criteriaCalls.push_back(CriterionCall{true, CString(), CString()});
}

void CZQPaneRefill::InsertCriterion(const CString& name, const CString& kindText)
{
    m_criteriaCalls.push_back(CriterionCall{false, name, kindText});
}

// ---- the tree ------------------------------------------------------------------------------------------------

void CZQPaneRefill::DeleteAllRanks()
{
    m_ranks.clear();
    m_items.clear();
    m_treeByName.clear();
    m_treeOps.push_back(TreeOp{TreeOp::DeleteAll, 0, CString(), 0});
    m_bRanksStored = false;
}

long CZQPaneRefill::FindTreeItem(const std::string& name) const
{
    const auto found = m_treeByName.find(name);
    if (found == m_treeByName.end() || found->second.empty())
        return -1;
    return long(std::get<2>(*found->second.begin()));
}

void CZQPaneRefill::DeleteTreeItem(size_t nItem)
{
    TreeEntry& item = m_items[nItem];
    const std::string key = Key(item.name);
    m_treeByName[key].erase(std::make_tuple(item.nRank, item.nSerial, nItem));
    item.bAlive = false;
    m_changedNames.insert(key);
    m_treeOps.push_back(TreeOp{TreeOp::DeleteItem, nItem, CString(), 0});
}

void CZQPaneRefill::RenumberRanks()
{
    for (size_t k = 0; k < m_ranks.size(); ++k) {
        CString text;
        text.Format(" %d", int(k + 1));
        text = m_rankWord + text;
        // a rank that already carries its text and number is left as it is: setting them again
        // changes nothing
        if (m_ranks[k].text == text && m_ranks[k].nData == DWORD_PTR(k + 1))
            continue;
        m_ranks[k].text = text;
        m_ranks[k].nData = DWORD_PTR(k + 1);
        m_treeOps.push_back(TreeOp{TreeOp::SetRank, k, text, DWORD_PTR(k + 1)});
    }
}

void CZQPaneRefill::AddSelectedToRank(int nRank)
{
    if (nRank < 1)
        return;
    m_app.ClearCredibilityChoice();
    m_app.SetModified(1);
    if (m_ranks.size() < size_t(nRank)) {
        // a rank above the last one asks for the ranks in between, empty, as a file may leave them
        while (m_ranks.size() < size_t(nRank)) {
            m_ranks.push_back(RankEntry());
            m_treeOps.push_back(TreeOp{TreeOp::InsertRank, m_ranks.size() - 1, CString(), 0});
        }
        RenumberRanks();
    }

    SortList();
    std::vector<CString> selected;
    for (size_t nItem : m_selected)
        selected.push_back(m_entries[m_order[nItem]].name);
    for (const CString& name : selected) {
        for (long nItem = FindTreeItem(Key(name)); nItem >= 0; nItem = FindTreeItem(Key(name)))
            DeleteTreeItem(size_t(nItem));
    }
    StoreRanks();

    const size_t nRankIndex = size_t(nRank) - 1;
    for (const CString& name : selected) {
        TreeEntry item;
        item.name = name;
        item.nRank = nRankIndex;
        item.nSerial = m_nNextSerial++;
        m_items.push_back(item);
        const size_t nItem = m_items.size() - 1;
        const std::string key = Key(name);
        m_treeByName[key].insert(std::make_tuple(nRankIndex, item.nSerial, nItem));
        m_changedNames.insert(key);
        m_treeOps.push_back(TreeOp{TreeOp::InsertItem, nItem, name, nRankIndex});
        m_treeOps.push_back(TreeOp{TreeOp::Select, nItem, CString(), 0});
        m_treeOps.push_back(TreeOp{TreeOp::SelectNone, 0, CString(), 0});
    }
    StoreRanks();
}

std::vector<CZQRankNode> CZQPaneRefill::GetReferenceTree() const
{
    std::vector<CZQRankNode> ranks(m_ranks.size());
    // the items in the order they were put in: tree order within each rank
    for (const TreeEntry& item : m_items) {
        if (item.bAlive)
            ranks[item.nRank].Alternatives.push_back(item.name);
    }
    return ranks;
}

// ---- the project's rank cells and the list's images ----------------------------------------------------------

void CZQPaneRefill::StoreRankOf(const std::string& name)
{
    ZQTable& rows = m_app.m_Project.AlternativesTable;
    const auto found = m_treeByName.find(name);
    // the last rank that holds the name wins, as the ranks are written in tree order
    const CString rank = found != m_treeByName.end() && !found->second.empty()
                             ? RankNumber(std::get<0>(*found->second.rbegin()))
                             : CString();
    const CString key(name.data(), int(name.size()));
    const size_t nFirst = m_rowsByName->First(key);
    for (size_t r = nFirst; r != ZQNameIndex::npos; r = m_rowsByName->Next(r))
        rows[r][2] = rank;
    const auto entries = m_entriesByName.find(name);
    if (entries == m_entriesByName.end())
        return;
    const int nImage = nFirst != ZQNameIndex::npos && !rank.IsEmpty() ? kRankedImage : kOutsideImage;
    for (size_t nEntry : entries->second)
        m_entries[nEntry].nImage = nImage;
}

void CZQPaneRefill::StoreRanks()
{
    ZQTable& rows = m_app.m_Project.AlternativesTable;
    if (m_bRanksStored && m_rowsByName && m_nIndexedRows == rows.size()) {
        for (const std::string& name : m_changedNames)
            StoreRankOf(name);
        m_changedNames.clear();
        return;
    }
    // the first store of the refill: every rank cell emptied, then written from the tree
    for (ZQRow& row : rows) {
        row.resize(std::max<size_t>(row.size(), 3));
        row[2].Empty();
    }
    m_rowsByName = std::make_unique<ZQNameIndex>(rows);
    m_nIndexedRows = rows.size();
    for (const auto& name : m_treeByName)
        StoreRankOf(name.first);
    for (const auto& entries : m_entriesByName) {
        if (m_treeByName.find(entries.first) == m_treeByName.end())
            StoreRankOf(entries.first);
    }
    m_bRanksStored = true;
    m_changedNames.clear();
}

// ---- into the windows ----------------------------------------------------------------------------------------

void CZQPaneRefill::ReplayTree(CTreeCtrl& tree, CZQPaintPacer& pacer)
{
    std::vector<HTREEITEM> ranks, items;
    for (const TreeOp& op : m_treeOps) {
        switch (op.kind) {
        case TreeOp::DeleteAll:
            m_pReference->DeleteAllRanks();
            ranks.clear();
            items.clear();
            break;
        case TreeOp::InsertRank:
            ranks.push_back(m_pReference->InsertRank("", TVI_LAST));
            break;
        case TreeOp::SetRank:
            tree.SetItemText(ranks[op.nIndex], op.text);
            tree.SetItemData(ranks[op.nIndex], op.nData);
            break;
        case TreeOp::DeleteItem:
            tree.DeleteItem(items[op.nIndex]);
            break;
        case TreeOp::InsertItem:
            items.resize(std::max(items.size(), op.nIndex + 1));
            items[op.nIndex] = m_pReference->InsertAlternative(op.text, ranks[size_t(op.nData)]);
            break;
        case TreeOp::Select:
            tree.SelectItem(items[op.nIndex]);
            break;
        case TreeOp::SelectNone:
            tree.SelectItem(nullptr);
            break;
        }
        pacer.Step();
    }
}

void CZQPaneRefill::Finish()
{
    SortList();
    CZQPaintPacer pacer;
    CListCtrl& list = m_pAlternatives->m_wndList;
    CListCtrl& criteria = m_pCriteria->m_wndList;
    CTreeCtrl& tree = m_pReference->m_wndTree;
    list.SetRedraw(FALSE);
    criteria.SetRedraw(FALSE);

    if (m_bDeleteAll)
        list.DeleteAllItems();
    if (!m_bSortedInTheList) {
        // the items in their order at once: the list would sort itself again after every insertion
        const BOOL bSorted = (list.GetStyle() & LVS_SORTASCENDING) != 0;
        list.ModifyStyle(LVS_SORTASCENDING, 0);
        for (size_t i = 0; i < m_order.size(); ++i) {
            const ListEntry& entry = m_entries[m_order[i]];
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = int(i);
            item.pszText = const_cast<LPSTR>(entry.name.GetString());
            item.iImage = entry.nImage;
            list.InsertItem(&item);
            pacer.Step();
        }
        if (bSorted)
            list.ModifyStyle(0, LVS_SORTASCENDING);
    } else {
        for (size_t i = 0; i < m_order.size(); ++i) {
            if (m_entries[m_order[i]].nImage == kOutsideImage)
                continue;
            LVITEMA item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = int(i);
            item.iImage = m_entries[m_order[i]].nImage;
            list.SetItem(&item);
        }
    }
    for (size_t nItem : m_selected)
        list.SetItemState(int(nItem), LVIS_SELECTED, LVIS_SELECTED);

    for (const CriterionCall& call : m_criteriaCalls) {
        if (call.bDeleteAll)
            criteria.DeleteAllItems();
        else
            m_pCriteria->InsertCriterion(call.name, call.kindText);
    }

    // The tree's operations as they were made, with its redrawing off (it does not scroll to the
    // items selected then: the program shows the first rank after an open anyway). So is the pane's
    // remove button's, which every selection in the tree enables or disables and which repainted
    // itself each time; the button keeps no redrawing of its own, it is only kept from painting, as a
    // window not shown is.
    tree.SetRedraw(FALSE);
    CWnd& button = m_pReference->m_btnRemove;
    const bool bQuietButton = button.m_hWnd != nullptr && (button.GetStyle() & WS_VISIBLE) != 0;
    if (bQuietButton)
        ::DefWindowProcA(button.m_hWnd, WM_SETREDRAW, FALSE, 0);
    ReplayTree(tree, pacer);
    if (bQuietButton) {
        ::DefWindowProcA(button.m_hWnd, WM_SETREDRAW, TRUE, 0);
        button.Invalidate();
    }

    for (CWnd* pWnd : {static_cast<CWnd*>(&list), static_cast<CWnd*>(&criteria), static_cast<CWnd*>(&tree)}) {
        pWnd->SetRedraw(TRUE);
        pWnd->Invalidate();
    }
    // the buttons by what the panes now hold, as after any other change
    for (CZQPane* pPane : {static_cast<CZQPane*>(m_pAlternatives), static_cast<CZQPane*>(m_pCriteria),
                           static_cast<CZQPane*>(m_pReference)})
        pPane->UpdateButtons();
}
