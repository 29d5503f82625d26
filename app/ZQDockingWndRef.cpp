// CZQDockingWndRef: the reference-ranking pane (see ZQDockingWndRef.h).
#include "app/ZQDockingWndRef.h"

#include "app/ZQApp.h"
#include "app/ZQDockingWndAlt.h"
#include "app/ZQUncertaintyDlg.h"
#include "res/resource.h"

namespace {

const UINT kTreeId = 213;
const UINT kAddId = 211;
const UINT kRemoveId = 212;
const int kRankImage = 2;
const int kAlternativeImage = 3;

// The text of rank node nRank: "Rank <n>".
CString RankText(int nRank)
{
    CString text;
    AfxLoadString(IDS_ZQ_RANK, text);
    CString number;
    number.Format(" %d", nRank);
    return text + number;
}

} // namespace

IMPLEMENT_DYNAMIC(CZQDockingWndRef, CZQPane)

BEGIN_MESSAGE_MAP(CZQDockingWndRef, CZQPane)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_CONTEXTMENU()
    ON_BN_CLICKED(kAddId, OnAddRankAtEnd)
    ON_BN_DOUBLECLICKED(kAddId, OnAddRankAtEnd)
    ON_BN_CLICKED(kRemoveId, OnRemove)
    ON_COMMAND(ID_ZQ_ADD_RANK_END, OnAddRankAtEnd)
    ON_COMMAND(ID_ZQ_ADD_RANK_END_KEY, OnAddRankAtEnd)
    ON_COMMAND(ID_ZQ_ADD_RANK_BEGIN, OnAddRankAtBegin)
    ON_COMMAND(ID_ZQ_REMOVE_REFERENCE_ITEM, OnRemove)
    ON_COMMAND(ID_ZQ_DEFINE_CREDIBILITY, OnDefineCredibility)
    ON_NOTIFY(NM_SETFOCUS, kTreeId, OnTreeFocusOrSelection)
    ON_NOTIFY(NM_KILLFOCUS, kTreeId, OnTreeFocusOrSelection)
    ON_NOTIFY(TVN_SELCHANGEDA, kTreeId, OnTreeFocusOrSelection)
    ON_NOTIFY(TVN_BEGINDRAGA, kTreeId, OnBeginDrag)
END_MESSAGE_MAP()

CZQDockingWndRef::CZQDockingWndRef() : m_hDragged(nullptr) {}

CZQDockingWndRef::~CZQDockingWndRef() = default;

// ---- creation and layout ---------------------------------------------------------------------------------

int CZQDockingWndRef::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CZQPane::OnCreate(lpCreateStruct) == -1 || !CreateButtons(kAddId, kRemoveId))
        return -1;
    const CRect rectNone(0, 0, 0, 0);
    CString label;
    AfxLoadString(IDS_ZQ_REFERENCE_LABEL, label);
    if (!m_wndLabel.Create(label, WS_CHILD | WS_VISIBLE, rectNone, this) || !CreateItemImages())
        return -1;
    const DWORD dwTreeStyle =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (!m_wndTree.CreateEx(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "", dwTreeStyle, rectNone, this, kTreeId))
        return -1;
    m_wndTree.SetImageList(&m_imageList, TVSIL_NORMAL);
    CWnd* const fontTargets[] = {&m_wndLabel};
    ShareFont(m_wndTree, fontTargets, 1);
    UpdateButtons();
    return 0;
}

void CZQDockingWndRef::LayoutChildren()
{
    CRect rect;
    GetInsideRect(rect);
    const int cx = rect.right - rect.left;
    ZQPlaceChild(m_wndTree, CRect(CPoint(rect.left, rect.top + 20), CSize(cx, rect.bottom - rect.top - 20)));
    ZQPlaceChild(m_btnAdd, CRect(CPoint(cx - 39, rect.top), CSize(20, 20)));
    ZQPlaceChild(m_btnRemove, CRect(CPoint(cx - 17, rect.top), CSize(20, 20)));
    ZQPlaceChild(m_wndLabel, CRect(CPoint(rect.left, rect.top), CSize(cx - 60, 15)));
}

// ---- the tree --------------------------------------------------------------------------------------------

void CZQDockingWndRef::RenumberRanks()
{
    int nRank = 0;
    for (HTREEITEM hRank = m_wndTree.GetRootItem(); hRank != nullptr; hRank = m_wndTree.GetNextSiblingItem(hRank)) {
        ++nRank;
        m_wndTree.SetItemText(hRank, RankText(nRank));
        m_wndTree.SetItemData(hRank, DWORD_PTR(nRank));
    }
}

int CZQDockingWndRef::GetRankCount() const
{
    int nCount = 0;
    for (HTREEITEM hRank = m_wndTree.GetRootItem(); hRank != nullptr; hRank = m_wndTree.GetNextSiblingItem(hRank))
        ++nCount;
    return nCount;
}

HTREEITEM CZQDockingWndRef::GetRank(int nRank) const
{
    HTREEITEM hRank = nRank >= 1 ? m_wndTree.GetRootItem() : nullptr;
    for (int i = 1; i < nRank && hRank != nullptr; ++i)
        hRank = m_wndTree.GetNextSiblingItem(hRank);
    return hRank;
}

HTREEITEM CZQDockingWndRef::InsertRank(LPCSTR lpszText, HTREEITEM hInsertAfter)
{
    return m_wndTree.InsertItem(lpszText, kRankImage, kRankImage, TVI_ROOT, hInsertAfter);
}

HTREEITEM CZQDockingWndRef::InsertAlternative(const CString& name, HTREEITEM hRank)
{
    return m_wndTree.InsertItem(name, kAlternativeImage, kAlternativeImage, hRank, TVI_LAST);
}

HTREEITEM CZQDockingWndRef::FindAlternative(const CString& name) const
{
    for (HTREEITEM hRank = m_wndTree.GetRootItem(); hRank != nullptr; hRank = m_wndTree.GetNextSiblingItem(hRank)) {
        for (HTREEITEM h = m_wndTree.GetChildItem(hRank); h != nullptr; h = m_wndTree.GetNextSiblingItem(h)) {
            if (m_wndTree.GetItemText(h) == name)
                return h;
        }
    }
    return nullptr;
}

std::vector<CZQRankNode> CZQDockingWndRef::GetReferenceTree() const
{
    std::vector<CZQRankNode> ranks;
    for (HTREEITEM hRank = m_wndTree.GetRootItem(); hRank != nullptr; hRank = m_wndTree.GetNextSiblingItem(hRank)) {
        ranks.emplace_back();
        for (HTREEITEM h = m_wndTree.GetChildItem(hRank); h != nullptr; h = m_wndTree.GetNextSiblingItem(h))
            ranks.back().Alternatives.push_back(m_wndTree.GetItemText(h));
    }
    return ranks;
}

void CZQDockingWndRef::ShowFirstRank()
{
    if (HTREEITEM hFirst = m_wndTree.GetRootItem())
        m_wndTree.EnsureVisible(hFirst);
}

void CZQDockingWndRef::DeleteAllRanks()
{
    m_wndTree.DeleteAllItems();
}

// ---- commands --------------------------------------------------------------------------------------------

void CZQDockingWndRef::OnAddRankAtEnd()
{
    InsertRank("", TVI_LAST);
    RenumberRanks();
}

void CZQDockingWndRef::OnAddRankAtBegin()
{
    InsertRank("", TVI_FIRST);
    RenumberRanks();
    if (CZQDockingWndAlt* pAlternatives = ZQSiblingPane<CZQDockingWndAlt>(this))
        pAlternatives->StoreReferenceRanking();
}

void CZQDockingWndRef::OnRemove()
{
    CZQApp* pApp = ZQGetApp();
    if (const HTREEITEM hItem = m_wndTree.GetSelectedItem()) {
        const CString text = m_wndTree.GetItemText(hItem);
        const bool bAlternative = m_wndTree.GetParentItem(hItem) != nullptr;
        const CString question = bAlternative ? "Do you want to remove from reference set selected alternative: '" +
                                                    text + "' ?"
                                              : "Do you want to remove selected rank: '" + text + "' ?";
        if (ZQMessageBox(this, question, MB_YESNO | MB_ICONQUESTION) == IDYES) {
            // a rank goes with its alternatives
            m_wndTree.DeleteItem(hItem);
            if (!bAlternative)
                RenumberRanks();
            if (CZQDockingWndAlt* pAlternatives = ZQSiblingPane<CZQDockingWndAlt>(this))
                pAlternatives->StoreReferenceRanking();
            if (pApp != nullptr)
                pApp->ClearCredibilityChoice();
        }
    }
    m_wndTree.SelectItem(nullptr);
    UpdateButtons();
    if (pApp != nullptr) {
        pApp->SetModified(1);
        pApp->AutoSolve();
    }
}

void CZQDockingWndRef::OnDefineCredibility()
{
    CZQApp* pApp = ZQGetApp();
    if (pApp == nullptr)
        return;
    CZQUncertaintyDlg dialog(this);
    for (const CZQRankNode& rank : GetReferenceTree())
        dialog.m_input.insert(dialog.m_input.end(), rank.Alternatives.begin(), rank.Alternatives.end());
    if (dialog.DoModal() != IDOK)
        return;
    pApp->m_Project.CredibilityList = dialog.m_result;
    pApp->m_Project.CredibilityDefined = 1;
}

// ---- notifications ---------------------------------------------------------------------------------------

BOOL CZQDockingWndRef::CanAdd() const
{
    return TRUE;
}

BOOL CZQDockingWndRef::CanRemove() const
{
    return m_wndTree.m_hWnd != nullptr && m_wndTree.GetSelectedItem() != nullptr;
}

BOOL CZQDockingWndRef::GetMenuItemRect(CRect& rect)
{
    const HTREEITEM hItem = m_wndTree.GetSelectedItem();
    if (hItem == nullptr)
        return FALSE;
    m_wndTree.EnsureVisible(hItem);
    return m_wndTree.GetItemRect(hItem, rect, TRUE);
}

void CZQDockingWndRef::OnTreeFocusOrSelection(NMHDR*, LRESULT* pResult)
{
    UpdateButtons();
    *pResult = 0;
}

void CZQDockingWndRef::OnContextMenu(CWnd*, CPoint pos)
{
    pos = ContextMenuPoint(pos);
    CMenu menu;
    if (!menu.LoadMenu(IDR_ZQ_REFERENCE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    pPopup->EnableMenuItem(ID_ZQ_REMOVE_REFERENCE_ITEM,
                           MF_BYCOMMAND | (m_wndTree.GetSelectedItem() != nullptr ? MF_ENABLED : MF_GRAYED));
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

UINT CZQDockingWndRef::ToolTipTextId(UINT nID) const
{
    switch (nID) {
    case kAddId:
        return IDS_ZQ_ADD_RANK_TIP;
    case kRemoveId:
        return IDS_ZQ_REMOVE_RANK_TIP;
    case kTreeId:
        return IDS_ZQ_REFERENCE_TREE_TIP;
    default:
        return 0;
    }
}

// ---- dragging --------------------------------------------------------------------------------------------

void CZQDockingWndRef::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const HTREEITEM hItem = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.hItem;
    if (hItem == nullptr)
        return;
    m_hDragged = hItem;
    m_drag.Begin(this, m_wndTree.CreateDragImage(hItem), &m_wndTree);
}

void CZQDockingWndRef::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_drag.IsDragging()) {
        CZQPane::OnMouseMove(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    m_drag.Move(point);
}

void CZQDockingWndRef::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_drag.IsDragging()) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        if (m_drag.End(ptScreen) && m_hDragged != nullptr) {
            if (m_wndTree.GetParentItem(m_hDragged) != nullptr)
                DropAlternative(m_drag.GetDropTarget());
            else
                DropRank(m_drag.GetDropTarget());
            if (CZQApp* pApp = ZQGetApp())
                pApp->ReferenceRankingChanged();
        }
        m_hDragged = nullptr;
    }
    CZQPane::OnLButtonUp(nFlags, point);
}

void CZQDockingWndRef::OnCaptureChanged(CWnd* pWnd)
{
    if (m_drag.IsDragging()) {
        m_drag.Cancel();
        m_hDragged = nullptr;
    }
    CZQPane::OnCaptureChanged(pWnd);
}

void CZQDockingWndRef::DropAlternative(HTREEITEM hTarget)
{
    if (hTarget != nullptr && m_wndTree.GetParentItem(hTarget) != nullptr)
        hTarget = m_wndTree.GetParentItem(hTarget);
    CZQDockingWndAlt* pAlternatives = ZQSiblingPane<CZQDockingWndAlt>(this);
    const CString name = m_wndTree.GetItemText(m_hDragged);
    if (const HTREEITEM hOld = FindAlternative(name))
        m_wndTree.DeleteItem(hOld);
    if (pAlternatives != nullptr)
        pAlternatives->StoreReferenceRanking();
    if (hTarget == nullptr)
        hTarget = InsertRank("", TVI_LAST);
    m_wndTree.SelectItem(InsertAlternative(name, hTarget));
    RenumberRanks();
    if (pAlternatives != nullptr) {
        pAlternatives->StoreReferenceRanking();
        pAlternatives->DeselectAll();
    }
    m_wndTree.SelectItem(nullptr);
}

void CZQDockingWndRef::DropRank(HTREEITEM hTarget)
{
    // where the rank goes: after the target alternative's rank, in front of the target rank, or last
    HTREEITEM hAfter = TVI_LAST;
    if (hTarget != nullptr) {
        if (const HTREEITEM hParent = m_wndTree.GetParentItem(hTarget)) {
            hAfter = hParent;
        } else {
            const HTREEITEM hBefore = m_wndTree.GetPrevSiblingItem(hTarget);
            hAfter = hBefore != nullptr ? hBefore : TVI_FIRST;
        }
    }
    const HTREEITEM hCopy = InsertRank(m_wndTree.GetItemText(m_hDragged), hAfter);
    m_wndTree.SetItemData(hCopy, m_wndTree.GetItemData(m_hDragged));
    for (HTREEITEM h = m_wndTree.GetChildItem(m_hDragged); h != nullptr; h = m_wndTree.GetNextSiblingItem(h))
        m_wndTree.SelectItem(InsertAlternative(m_wndTree.GetItemText(h), hCopy));
    m_wndTree.SelectItem(hCopy);
    m_wndTree.DeleteItem(m_hDragged);
    RenumberRanks();
    if (CZQDockingWndAlt* pAlternatives = ZQSiblingPane<CZQDockingWndAlt>(this))
        pAlternatives->StoreReferenceRanking();
    m_wndTree.SelectItem(nullptr);
}
