// CZQDockingWndRef: the pane "Reference Set Window" of the main frame, in which the user edits the
// reference ranking as a tree. Its top-level nodes are the ranks, "Rank 1", "Rank 2" and so on in tree
// order (image 2, the number as item data); their children are the alternatives ranked there (image
// 3, the name as text). An alternative stands at most once in the tree. Alternatives come into it
// from the alternatives pane (CZQDockingWndAlt); here the user adds empty ranks at the beginning or
// the end, removes a rank or an alternative, drags an alternative to another rank or a whole rank to
// another place, and chooses the reference alternatives of high credibility.
//
// After each change the tree is written into the project's rank cells (the alternatives pane's
// StoreReferenceRanking). A removal or a drop also sets the project's modified flag, clears its
// credibility choice and asks it to solve again (AutoSolve); adding an empty rank does none of that,
// even at the beginning, where every rank number grows by one.
//
// Layout, in the bar's inside rectangle (left, top, right, bottom): the label "Reference ranking" at
// (left, top), right - left - 60 by 15; the add and remove buttons (20 by 20, bitmaps 250 and 251) at
// x = right - left - 39 and right - left - 17, y = top; the tree at (left, top + 20) filling the rest.
//
// A drag runs from the tree's begin-drag notification to the button's release, with the mouse
// captured by the pane; losing the capture ends it without a drop.
#pragma once

#include <windows.h>

#include "app/ZQPane.h"
#include "app/ZQPaneDrag.h"
#include "model/ZQShellServices.h"
#include "win/Win.h"

#include <vector>

class CZQDockingWndRef : public CZQPane {
    DECLARE_DYNAMIC(CZQDockingWndRef)
    DECLARE_MESSAGE_MAP()
public:
    CZQDockingWndRef();
    ~CZQDockingWndRef() override;

    // ---- the tree ---------------------------------------------------------------------------------

    // Gives every rank node, in tree order from 1, the text "Rank <n>" and n as item data.
    void RenumberRanks();
    // The number of rank nodes.
    int GetRankCount() const;
    // Rank node nRank (from 1); null when there is no such rank.
    HTREEITEM GetRank(int nRank) const;
    // A new rank node of text lpszText (image 2) after hInsertAfter (TVI_FIRST, TVI_LAST or a rank
    // node); null when it could not be made.
    HTREEITEM InsertRank(LPCSTR lpszText, HTREEITEM hInsertAfter);
    // A new alternative item named name (image 3) as the last child of rank node hRank.
    HTREEITEM InsertAlternative(const CString& name, HTREEITEM hRank);
    // The first alternative item named name, searching rank by rank; null when none.
    HTREEITEM FindAlternative(const CString& name) const;
    // The rank nodes in tree order, each with the names of its alternatives in tree order.
    std::vector<CZQRankNode> GetReferenceTree() const;
    // Deletes every node.
    void DeleteAllRanks();
    // Scrolls the tree back to its first rank node (after a fill that left it at its end).
    void ShowFirstRank();

    // ---- the pane's commands ----------------------------------------------------------------------

    // An empty rank at the end, the ranks renumbered.
    afx_msg void OnAddRankAtEnd();
    // An empty rank at the beginning, the ranks renumbered and written into the project; the project
    // is not marked modified and nothing is solved again.
    afx_msg void OnAddRankAtBegin();
    // Removes the selected item after a question owned by the pane: "Do you want to remove from
    // reference set selected alternative: '<name>' ?" or "Do you want to remove selected rank: '<rank
    // text>' ?" (Yes, No). On Yes the alternative goes, or the rank with its alternatives and the ranks
    // are renumbered; the tree is written into the project and the credibility choice cleared. Then,
    // whatever the answer (and with nothing selected), the selection is cleared, the project marked
    // modified and asked to solve again.
    afx_msg void OnRemove();
    // The credibility dialog over the tree's alternatives, rank by rank; on OK its high-credibility
    // list becomes the project's credibility choice, marked defined.
    afx_msg void OnDefineCredibility();

    // the add button has id 211, the remove button 212
    CTreeCtrl m_wndTree; // id 213
    CStatic m_wndLabel;  // "Reference ranking"

protected:
    // Lays the children out in the inside rectangle (see the top of this file).
    void LayoutChildren() override;
    // The add button "Add rank", the remove button "Remove rank", the tree "Reference set".
    UINT ToolTipTextId(UINT nID) const override;
    // The add button: always (a rank can always be added). The remove button: a tree item is
    // selected.
    BOOL CanAdd() const override;
    BOOL CanRemove() const override;
    CWnd& ItemControl() override { return m_wndTree; }
    BOOL GetMenuItemRect(CRect& rect) override;
    // Drops the dragged item onto hTarget (null: below the nodes).
    void DropAlternative(HTREEITEM hTarget);
    void DropRank(HTREEITEM hTarget);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnTreeFocusOrSelection(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);

    CZQPaneDrag m_drag;
    HTREEITEM m_hDragged; // the item being dragged (null when none)
};
