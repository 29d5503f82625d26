// CZQDockingWndAlt: the alternatives pane (see ZQDockingWndAlt.h).
#include "app/ZQDockingWndAlt.h"

#include "app/ZQAddToRankDlg.h"
#include "app/ZQAltPropSheet.h"
#include "app/ZQApp.h"
#include "app/ZQDockingWndRef.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

namespace {

const UINT kNameId = 201;
const UINT kListId = 202;
const UINT kAddId = 203;
const UINT kRemoveId = 204;
const int kOutsideImage = 0;
const int kRankedImage = 3;
const int kListColumnWidth = 174;
// The rank items of the context menu's "Add to Reference Ranking" popup, and its "Add to Other...".
const int kRankItems = 5;
const int kRankPopupItems = 7;
const int kOtherRankPosition = 6;

} // namespace

IMPLEMENT_DYNAMIC(CZQDockingWndAlt, CZQPane)

BEGIN_MESSAGE_MAP(CZQDockingWndAlt, CZQPane)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_CONTEXTMENU()
    ON_BN_CLICKED(kAddId, OnAddAlternative)
    ON_BN_CLICKED(kRemoveId, OnRemoveAlternatives)
    ON_COMMAND(ID_ZQ_REMOVE_ALTERNATIVES, OnRemoveAlternatives)
    ON_COMMAND(ID_ZQ_ALTERNATIVE_PROPERTIES, OnProperties)
    ON_COMMAND_RANGE(ID_ZQ_ADD_TO_RANK1, ID_ZQ_ADD_TO_RANK5, OnAddToRank)
    ON_COMMAND(ID_ZQ_ADD_TO_OTHER_RANK, OnAddToOtherRank)
    ON_NOTIFY(NM_SETFOCUS, kListId, OnListFocusOrState)
    ON_NOTIFY(NM_KILLFOCUS, kListId, OnListFocusOrState)
    ON_NOTIFY(LVN_ITEMCHANGED, kListId, OnListFocusOrState)
    ON_NOTIFY(LVN_DELETEALLITEMS, kListId, OnListDeleteAll)
    ON_NOTIFY(NM_DBLCLK, kListId, OnListDoubleClick)
    ON_NOTIFY(LVN_BEGINDRAG, kListId, OnBeginDrag)
END_MESSAGE_MAP()

CZQDockingWndAlt::CZQDockingWndAlt() = default;

CZQDockingWndAlt::~CZQDockingWndAlt() = default;

// ---- creation and layout ---------------------------------------------------------------------------------

int CZQDockingWndAlt::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CZQPane::OnCreate(lpCreateStruct) == -1)
        return -1;
    const CRect rectNone(0, 0, 0, 0);
    CString text;
    AfxLoadString(IDS_ZQ_ALTERNATIVES_LABEL, text);
    if (!m_wndLabel.Create(text, WS_CHILD | WS_VISIBLE, rectNone, this))
        return -1;
    if (!m_wndName.CreateNameBox(WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rectNone, this, kNameId, this))
        return -1;
    const DWORD dwListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SORTASCENDING;
    if (!m_wndList.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", dwListStyle, rectNone, this, kListId))
        return -1;
    AfxLoadString(IDS_ZQ_ALTERNATIVE_COLUMN, text);
    m_wndList.InsertColumn(0, text, LVCFMT_LEFT, kListColumnWidth);
    if (!CreateItemImages())
        return -1;
    m_wndList.SetImageList(&m_imageList, LVSIL_SMALL);
    CWnd* const fontTargets[] = {&m_wndName, &m_wndLabel};
    ShareFont(m_wndList, fontTargets, 2);
    if (!CreateButtons(kAddId, kRemoveId))
        return -1;
    UpdateButtons();
    return 0;
}

void CZQDockingWndAlt::LayoutChildren()
{
    CRect rect;
    GetInsideRect(rect);
    const int cx = rect.right - rect.left;
    ZQPlaceChild(m_wndLabel, CRect(CPoint(rect.left, rect.top), CSize(cx - 54, 15)));
    ZQPlaceChild(m_wndName, CRect(CPoint(rect.left, rect.top + 15), CSize(cx - 55, 20)));
    ZQPlaceChild(m_wndList, CRect(CPoint(rect.left, rect.top + 35), CSize(cx, rect.bottom - rect.top - 35)));
    ZQPlaceChild(m_btnAdd, CRect(CPoint(cx - 39, rect.top + 15), CSize(20, 20)));
    ZQPlaceChild(m_btnRemove, CRect(CPoint(cx - 17, rect.top + 15), CSize(20, 20)));
}

// ---- the list --------------------------------------------------------------------------------------------

int CZQDockingWndAlt::InsertAlternative(const CString& name)
{
    return m_wndList.InsertItem(m_wndList.GetItemCount(), name, kOutsideImage);
}

BOOL CZQDockingWndAlt::HasAlternative(const CString& name) const
{
    return ZQListHasText(m_wndList, name);
}

void CZQDockingWndAlt::DeselectAll()
{
    const int nCount = m_wndList.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        m_wndList.SetItemState(i, 0, UINT(-1));
}

BOOL CZQDockingWndAlt::CanAdd() const
{
    if (m_wndName.m_hWnd == nullptr)
        return FALSE;
    const CString name = m_wndName.GetName();
    return !name.IsEmpty() && !HasAlternative(name);
}

BOOL CZQDockingWndAlt::CanRemove() const
{
    return HasSelection(m_wndList);
}

BOOL CZQDockingWndAlt::GetMenuItemRect(CRect& rect)
{
    return GetSelectedItemRect(m_wndList, rect);
}

void CZQDockingWndAlt::OnNameBoxChange()
{
    UpdateButtons();
}

void CZQDockingWndAlt::OnNameBoxKey(UINT nChar)
{
    if (nChar == VK_RETURN)
        OnAddAlternative();
}

void CZQDockingWndAlt::OnAddAlternative()
{
    const CString name = m_wndName.GetName();
    if (name.IsEmpty() || HasAlternative(name))
        return;
    const int nItem = InsertAlternative(name);
    m_wndList.EnsureVisible(nItem, FALSE);
    m_wndName.SetWindowText("");
    m_wndName.SetFocus();
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_Project.AddAlternative(name);
    UpdateButtons();
}

void CZQDockingWndAlt::OnListDeleteAll(NMHDR*, LRESULT* pResult)
{
    // no notification per item: nothing here wants them, and a long list took long to empty
    *pResult = TRUE;
}

void CZQDockingWndAlt::OnListFocusOrState(NMHDR*, LRESULT* pResult)
{
    UpdateButtons();
    *pResult = 0;
}

void CZQDockingWndAlt::RemoveAlternative(int nItem, const CString& name)
{
    if (CZQApp* pApp = ZQGetApp())
        pApp->m_Project.RemoveAlternative(name);
    if (CZQDockingWndRef* pReference = ReferencePane()) {
        if (const HTREEITEM hItem = pReference->FindAlternative(name))
            pReference->m_wndTree.DeleteItem(hItem);
    }
    m_wndList.DeleteItem(nItem);
}

void CZQDockingWndAlt::OnRemoveAlternatives()
{
    RemoveSelected(m_wndList, "alternative", "alternatives",
                   [this](int nItem, const CString& name) { RemoveAlternative(nItem, name); });
}

void CZQDockingWndAlt::OnProperties()
{
    CZQApp* pApp = ZQGetApp();
    const int nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED);
    if (pApp == nullptr || nItem < 0)
        return;
    CZQInterfaceData& project = pApp->m_Project;
    const CString oldName = m_wndList.GetItemText(nItem, 0);
    project.StoreEvaluationsGrid();
    ZQTable& alternatives = project.AlternativesTable;
    // the first row when none has the name, as the list and the table should always agree
    auto row = std::find_if(alternatives.begin(), alternatives.end(),
                            [&](const ZQRow& r) { return ProjectCell(r, 0) == oldName; });
    if (row == alternatives.end())
        row = alternatives.begin();

    CZQAltPropSheet sheet(this);
    sheet.m_page1.m_strName = oldName;
    sheet.m_page1.m_strDescription = row != alternatives.end() ? ProjectCell(*row, 1) : CString();
    if (sheet.DoModal() != IDOK)
        return;
    const CString newName = sheet.m_page1.m_strName;
    pApp->SetModified(1);
    if (CZQDockingWndRef* pReference = ReferencePane()) {
        if (const HTREEITEM hItem = pReference->FindAlternative(oldName))
            pReference->m_wndTree.SetItemText(hItem, newName);
    }
    if (row != alternatives.end()) {
        row->resize(std::max<size_t>(row->size(), 3));
        (*row)[0] = newName;
        (*row)[1] = sheet.m_page1.m_strDescription;
    }
    m_wndList.SetItemText(nItem, 0, newName);
    if (const size_t nRow = EvaluationRowOf(project.EvaluationsTable, oldName)) {
        ZQRow& evaluations = project.EvaluationsTable[nRow];
        evaluations.resize(std::max<size_t>(evaluations.size(), 1));
        evaluations[0] = newName;
    }
    project.RefreshEvaluationsGrid();
}

void CZQDockingWndAlt::OnListDoubleClick(NMHDR*, LRESULT* pResult)
{
    if (m_wndList.GetSelectedCount() == 1)
        OnProperties();
    *pResult = 0;
}

// ---- the reference ranking -------------------------------------------------------------------------------

CZQDockingWndRef* CZQDockingWndAlt::ReferencePane() const
{
    return ZQSiblingPane<CZQDockingWndRef>(this);
}

HTREEITEM CZQDockingWndAlt::AddSelectedToRank(int nRank, BOOL bDropEmpty)
{
    CZQDockingWndRef* pReference = ReferencePane();
    if (pReference == nullptr || nRank < 1)
        return nullptr;
    CTreeCtrl& tree = pReference->m_wndTree;
    if (CZQApp* pApp = ZQGetApp()) {
        pApp->ClearCredibilityChoice();
        pApp->SetModified(1);
    }
    if (pReference->GetRankCount() < nRank) {
        if (bDropEmpty) {
            for (HTREEITEM hRank = tree.GetRootItem(); hRank != nullptr;) {
                const HTREEITEM hNext = tree.GetNextSiblingItem(hRank);
                if (tree.GetChildItem(hRank) == nullptr) {
                    tree.DeleteItem(hRank);
                    --nRank;
                }
                hRank = hNext;
            }
        }
        // a rank above the last one asks for the ranks in between, empty, as a file may leave them
        while (pReference->GetRankCount() < nRank)
            pReference->InsertRank("", TVI_LAST);
        pReference->RenumberRanks();
    }

    std::vector<CString> selected;
    for (int nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED); nItem >= 0;
         nItem = m_wndList.GetNextItem(nItem, LVNI_SELECTED))
        selected.push_back(m_wndList.GetItemText(nItem, 0));
    for (const CString& name : selected) {
        while (const HTREEITEM hItem = pReference->FindAlternative(name))
            tree.DeleteItem(hItem);
    }
    StoreReferenceRanking();

    const HTREEITEM hRank = pReference->GetRank(nRank);
    for (const CString& name : selected) {
        tree.SelectItem(pReference->InsertAlternative(name, hRank));
        tree.SelectItem(nullptr);
    }
    StoreReferenceRanking();
    return hRank;
}

void CZQDockingWndAlt::StoreReferenceRanking()
{
    CZQApp* pApp = ZQGetApp();
    if (pApp == nullptr)
        return;
    ZQTable& alternatives = pApp->m_Project.AlternativesTable;
    for (ZQRow& row : alternatives) {
        row.resize(std::max<size_t>(row.size(), 3));
        row[2].Empty();
    }
    if (CZQDockingWndRef* pReference = ReferencePane()) {
        const std::vector<CZQRankNode> ranks = pReference->GetReferenceTree();
        const ZQNameIndex rowsByName(alternatives);
        for (size_t m = 0; m < ranks.size(); ++m) {
            CString rank;
            rank.Format("%d", int(m + 1));
            for (const CString& name : ranks[m].Alternatives) {
                for (size_t r = rowsByName.First(name); r != ZQNameIndex::npos; r = rowsByName.Next(r))
                    alternatives[r][2] = rank;
            }
        }
    }
    const ZQNameIndex rowsByName(alternatives);
    const int nCount = m_wndList.GetItemCount();
    for (int i = 0; i < nCount; ++i) {
        const size_t r = rowsByName.First(m_wndList.GetItemText(i, 0));
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = r != ZQNameIndex::npos && !alternatives[r][2].IsEmpty() ? kRankedImage : kOutsideImage;
        m_wndList.SetItem(&item);
    }
}

void CZQDockingWndAlt::AddToRankAndSolve(int nRank)
{
    AddSelectedToRank(nRank, TRUE);
    if (CZQApp* pApp = ZQGetApp())
        pApp->AutoSolve();
}

void CZQDockingWndAlt::OnAddToRank(UINT nID)
{
    AddToRankAndSolve(int(nID - ID_ZQ_ADD_TO_RANK1) + 1);
}

void CZQDockingWndAlt::OnAddToOtherRank()
{
    CZQDockingWndRef* pReference = ReferencePane();
    CZQAddToRankDlg dialog(pReference != nullptr ? pReference->GetRankCount() : 0, this);
    if (dialog.DoModal() == IDOK)
        AddToRankAndSolve(dialog.m_nRank);
}

void CZQDockingWndAlt::OnContextMenu(CWnd*, CPoint pos)
{
    pos = ContextMenuPoint(pos);
    CMenu menu;
    if (!menu.LoadMenu(IDR_ZQ_ALTERNATIVES_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    CMenu* pRanks = pPopup != nullptr ? pPopup->GetSubMenu(0) : nullptr;
    if (pRanks == nullptr)
        return;
    const CZQDockingWndRef* pReference = ReferencePane();
    const int nRanks = pReference != nullptr ? pReference->GetRankCount() : 0;
    const UINT nSelected = m_wndList.GetSelectedCount();
    for (int i = 0; i < kRankPopupItems; ++i)
        pRanks->EnableMenuItem(UINT(i), MF_BYPOSITION | MF_GRAYED);
    if (nSelected > 0) {
        // a new rank after the last one, at most rank 5; beyond that the rank dialog
        for (int i = 0; i <= std::min(nRanks, kRankItems - 1); ++i)
            pRanks->EnableMenuItem(UINT(i), MF_BYPOSITION | MF_ENABLED);
        if (nRanks > kRankItems - 1)
            pRanks->EnableMenuItem(UINT(kOtherRankPosition), MF_BYPOSITION | MF_ENABLED);
    }
    EnableSelectionCommands(*pPopup, m_wndList, ID_ZQ_ALTERNATIVE_PROPERTIES, ID_ZQ_REMOVE_ALTERNATIVES);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

// ---- dragging onto the reference tree --------------------------------------------------------------------

void CZQDockingWndAlt::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int nItem = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem;
    if (nItem < 0)
        return;
    CPoint ptImage;
    CZQDockingWndRef* pReference = ReferencePane();
    m_drag.Begin(this, m_wndList.CreateDragImage(nItem, &ptImage),
                 pReference != nullptr ? &pReference->m_wndTree : nullptr);
}

void CZQDockingWndAlt::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_drag.IsDragging()) {
        CZQPane::OnMouseMove(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    m_drag.Move(point, m_wndList.m_hWnd);
}

void CZQDockingWndAlt::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_drag.IsDragging()) {
        CZQPane::OnLButtonUp(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    if (m_drag.End(point))
        DropOnTree(m_drag.GetDropTarget());
}

void CZQDockingWndAlt::OnCaptureChanged(CWnd* pWnd)
{
    m_drag.Cancel();
    CZQPane::OnCaptureChanged(pWnd);
}

void CZQDockingWndAlt::DropOnTree(HTREEITEM hTarget)
{
    CZQDockingWndRef* pReference = ReferencePane();
    CZQApp* pApp = ZQGetApp();
    if (pReference == nullptr || m_wndList.GetSelectedCount() == 0)
        return;
    CTreeCtrl& tree = pReference->m_wndTree;
    if (hTarget != nullptr && tree.GetParentItem(hTarget) != nullptr)
        hTarget = tree.GetParentItem(hTarget);
    if (hTarget == nullptr && tree.GetRootItem() != nullptr) {
        // below the nodes: the whole selection makes one new last rank
        AddSelectedToRank(pReference->GetRankCount() + 1, TRUE);
    } else {
        for (int nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED); nItem >= 0;
             nItem = m_wndList.GetNextItem(nItem, LVNI_SELECTED)) {
            const CString name = m_wndList.GetItemText(nItem, 0);
            if (hTarget == nullptr) {
                CString text;
                AfxLoadString(IDS_ZQ_RANK, text);
                hTarget = pReference->InsertRank(text, TVI_LAST);
            }
            if (const HTREEITEM hOld = pReference->FindAlternative(name))
                tree.DeleteItem(hOld);
            tree.SelectItem(pReference->InsertAlternative(name, hTarget));
        }
    }
    StoreReferenceRanking();
    tree.SelectItem(nullptr);
    DeselectAll();
    if (pApp != nullptr)
        pApp->ReferenceRankingChanged();
}

// ---- tool tips -------------------------------------------------------------------------------------------

UINT CZQDockingWndAlt::ToolTipTextId(UINT nID) const
{
    switch (nID) {
    case kNameId:
        return IDS_ZQ_ALTERNATIVE_NAME_TIP;
    case kListId:
        return IDS_ZQ_ALTERNATIVES_LIST_TIP;
    case kAddId:
        return IDS_ZQ_HELP_TIP;
    case kRemoveId:
        return IDS_ZQ_REMOVE_ALTERNATIVE_TIP;
    default:
        return 0;
    }
}
