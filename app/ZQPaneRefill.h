// CZQPaneRefill: the three panes of the main frame filled from a project in one go, for a project
// read from a file.
//
// Filled one call at a time, the panes took time in the square of the alternatives: the sorted list
// sorts itself again on every insertion and repaints, every item's selection is announced to the
// pane and its frame, and every alternative put into a rank makes the tree and the list be scanned
// whole. While a refill runs, the application's pane services (the alternatives list, the criteria
// list, the reference tree; CZQShellServices) work here instead, on plain data: the list's order is
// worked out once (the list's own order: the system's string comparison of lstrcmpW), an item or a
// tree item is found by its name through indexes, and the project's rank cells are written as the
// panes' StoreReferenceRanking writes them, name by name. Finish then puts the result into the
// windows with their redrawing off: the list's items at once in their order with their images,
// and selection; the criteria; and every operation made on the tree, in order. The
// windows end as the same calls made on them one by one would leave them: the same items in the
// same order, images, selection and remove buttons, the same tree with its
// expansion; the tree is left at its top, where the program shows it after an open (ShowFirstRank)
// whatever item the calls last selected.
//
// The calls may come from another thread than the windows' (the file is read on one, see
// ZQWindowsThread.h): everything but Finish works on the copy alone, except for a list whose order
// the comparison cannot settle (two names that compare equal but differ, such as names apart only by
// a soft hyphen): the list itself then sorts them, on the windows' thread, as one call at a time
// would.
//
// Does not yet: start from panes that are not empty (Begin refuses; the services then go to the
// windows), or take other calls than the ones a project file's reading makes.
#pragma once

#include <windows.h>

#include "model/ZQShellServices.h"
#include "win/Win.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

class CZQApp;
class CZQDockingWndAlt;
class CZQDockingWndCrit;
class CZQDockingWndRef;
class ZQNameIndex;

class CZQPaneRefill {
public:
    // Starts a refill of the panes of app's main frame, on the windows' thread. Null, starting
    // nothing, when the main frame lacks a pane or a pane is not empty.
    static std::unique_ptr<CZQPaneRefill> Begin(CZQApp& app);
    ~CZQPaneRefill();

    CZQPaneRefill(const CZQPaneRefill&) = delete;
    CZQPaneRefill& operator=(const CZQPaneRefill&) = delete;

    // ---- the services (see CZQShellServices), on the copy ----
    void DeleteAllAlternatives();
    void InsertAlternative(const CString& name);
    int GetAlternativeCount() const;
    CString GetAlternativeText(int nItem);
    void SetAlternativeSelected(int nItem, bool bSelected);
    void DeleteAllCriteria();
    void InsertCriterion(const CString& name, const CString& kindText);
    void DeleteAllRanks();
    // The alternatives pane's AddSelectedToRank (nRank, no empty rank dropped).
    void AddSelectedToRank(int nRank);
    std::vector<CZQRankNode> GetReferenceTree() const;

    // Puts the copy into the windows (on the windows' thread), painting waiting windows now and then
    // (CZQPaintPacer). The refill ends with it.
    void Finish();

private:
    explicit CZQPaneRefill(CZQApp& app);

    // One alternative inserted into the list, by its order of insertion.
    struct ListEntry {
        CString name;
        int nImage = 0;
        bool bSelected = false;
    };
    // One alternative item of the tree.
    struct TreeEntry {
        CString name;
        size_t nRank = 0;      // index of its rank node
        uint64_t nSerial = 0;  // order among the items ever put into the tree: tree order within a rank
        bool bAlive = true;
    };
    // One rank node of the tree: its text and item data as last set.
    struct RankEntry {
        CString text;
        DWORD_PTR nData = 0;
    };
    // An operation on the tree, as the windows' calls made it.
    struct TreeOp {
        enum Kind { DeleteAll, InsertRank, SetRank, DeleteItem, InsertItem, Select, SelectNone } kind;
        size_t nIndex;  // rank or item index
        CString text;
        DWORD_PTR nData;
    };

    // Works the list's order out when items were inserted since it was last worked out.
    void SortList();
    // The list's order as the list itself sorts the names, each inserted one by one (the names that
    // compare equal but differ), on the windows' thread.
    void SortInTheList();
    // The alternatives pane's StoreReferenceRanking: the project's rank cells and the list's images
    // from the tree (the first time whole, then for the names whose place in the tree changed).
    void StoreRanks();
    // The rank cells of the rows of name and the images of the list's items of that name, from the
    // tree as it stands.
    void StoreRankOf(const std::string& name);
    // The first item of the tree named name, rank by rank; -1 when there is none.
    long FindTreeItem(const std::string& name) const;
    void DeleteTreeItem(size_t nItem);
    // RenumberRanks: the rank nodes' texts and item data that differ from "Rank <n>" and n set.
    void RenumberRanks();
    // The list's item nItem (list order) selected or not, as the list announces it to the pane.
    void SelectListItem(size_t nItem, bool bSelected);
    // Replays the tree operations into the tree window.
    void ReplayTree(CTreeCtrl& tree, class CZQPaintPacer& pacer);

    CZQApp& m_app;
    CZQDockingWndAlt* m_pAlternatives;
    CZQDockingWndCrit* m_pCriteria;
    CZQDockingWndRef* m_pReference;
    CString m_rankWord;

    // ---- the alternatives list ----
    bool m_bDeleteAll = false;            // DeleteAllItems is owed to the window before its items go in
    std::vector<ListEntry> m_entries;     // by order of insertion
    std::vector<size_t> m_order;          // list order: indexes of m_entries
    size_t m_nSorted = 0;                 // entries placed in m_order
    bool m_bSortedInTheList = false;      // the list window holds the entries of m_order, sorted itself
    size_t m_nInTheList = 0;              // entries the list window holds
    std::set<size_t> m_selected;          // selected items, list order
    std::unordered_map<std::string, std::vector<size_t>> m_entriesByName;  // entries of each name

    // ---- the criteria list: its calls, in order ----
    struct CriterionCall {
        bool bDeleteAll;  // DeleteAllItems, else an insertion of name with kindText
        CString name;
        CString kindText;
    };
    std::vector<CriterionCall> m_criteriaCalls;

    // ---- the tree ----
    std::vector<RankEntry> m_ranks;
    std::vector<TreeEntry> m_items;
    uint64_t m_nNextSerial = 0;
    // per name, its items alive in the tree: (rank index, serial, item index), in tree order
    std::map<std::string, std::set<std::tuple<size_t, uint64_t, size_t>>> m_treeByName;
    std::vector<TreeOp> m_treeOps;

    // ---- the project's rank cells ----
    bool m_bRanksStored = false;
    std::unique_ptr<ZQNameIndex> m_rowsByName;
    size_t m_nIndexedRows = 0;
    std::set<std::string> m_changedNames;  // names whose place in the tree changed since the last store
};
