// CZQDockingWndAlt: the pane "Alternatives Window" of the main frame. It lists the project's
// alternatives (sorted by name; image 0 outside the reference ranking, 3 inside it) and lets the user
// add one by typing its name into the box above the list, remove the selected ones, rename and
// describe one in its property sheet, and put the selected ones into the reference ranking of the
// reference-ranking pane (CZQDockingWndRef): by the context menu's "Add to Rank 1" to "Add to Rank
// 5" and "Add to Other...", or by dragging them onto the reference tree.
//
// Every change goes into the project. A change of the reference ranking clears the project's
// credibility choice, marks it modified and asks it to solve again (AutoSolve); removing an
// alternative here does not solve again. Names are compared exactly: "a" may stand beside "A"; an
// empty or a duplicate name is not added.
//
// Layout, in the bar's inside rectangle (left, top, right, bottom): the label "Alternatives" at
// (left, top), right - left - 54 by 15; the name box at (left, top + 15), right - left - 55 by 20; the
// add and remove buttons (20 by 20, bitmaps 250 and 251) at x = right - left - 39 and right - left -
// 17, y = top + 15; the list at (left, top + 35) filling the rest, its one column "Alternative" as wide
// as the list (CZQPaneList).
//
// A drag runs from the list's begin-drag notification to the button's release, with the mouse
// captured by the pane; losing the capture ends it without a drop.
#pragma once

#include <windows.h>

#include "app/ZQEditCtrl.h"
#include "app/ZQPane.h"
#include "app/ZQPaneDrag.h"
#include "app/ZQPaneList.h"
#include "win/Win.h"

class CZQDockingWndRef;

class CZQDockingWndAlt : public CZQPane, public CZQEditCtrlOwner {
    DECLARE_DYNAMIC(CZQDockingWndAlt)
    DECLARE_MESSAGE_MAP()
public:
    CZQDockingWndAlt();
    ~CZQDockingWndAlt() override;

    // ---- the list ---------------------------------------------------------------------------------

    // Inserts an item named name with image 0 (the list keeps it sorted); its index, -1 on failure.
    int InsertAlternative(const CString& name);
    // TRUE when an item's text is exactly name.
    BOOL HasAlternative(const CString& name) const;
    // Clears every item's state: nothing selected.
    void DeselectAll();

    // ---- the reference ranking --------------------------------------------------------------------

    // Puts the selected alternatives into rank nRank (1 or more) of the reference tree: the project's
    // credibility choice is cleared and the project marked modified; when the tree has fewer ranks,
    // bDropEmpty first deletes every rank without alternatives (nRank falls by one for each), then
    // empty ranks are added at the end until rank nRank exists; every tree item of a selected
    // alternative goes, and the selected alternatives, in list order, become the last children of
    // rank nRank. The tree is then written into the project. Returns rank nRank's node (null without
    // a reference pane or for nRank below 1).
    HTREEITEM AddSelectedToRank(int nRank, BOOL bDropEmpty);
    // Writes the reference tree into the project: every alternative's rank cell is emptied, then the
    // alternatives under the m-th rank node (from 1) get "m"; each list item shows image 3 when its
    // alternative has a rank, 0 otherwise.
    void StoreReferenceRanking();

    // ---- the pane's commands ----------------------------------------------------------------------

    // Adds the alternative typed in the name box, unless the box is empty or the list holds that name:
    // the item is inserted and shown, the box emptied and focused, and the project adds it.
    afx_msg void OnAddAlternative();
    // Removes the selected alternatives after a question owned by the pane: "Do you want to remove
    // selected alternative: <name> ?" for one, "Do you want to remove <n> selected alternatives?" for
    // more (Yes, No). On Yes each goes from the project, from the reference tree (the first item of its
    // name) and from the list.
    afx_msg void OnRemoveAlternatives();
    // The property sheet of the first selected alternative; on OK its new name and description go
    // into the project, the tree and the list (see the .cpp file).
    afx_msg void OnProperties();

    // the add button has id 203, the remove button 204
    CZQEditCtrl m_wndName; // id 201
    CZQPaneList m_wndList; // id 202
    CStatic m_wndLabel;    // "Alternatives"

protected:
    // The name box reports its keys (Enter adds) and its changes (the add button follows).
    void OnNameBoxKey(UINT nChar) override;
    void OnNameBoxChange() override;

    // The reference-ranking pane beside this one; null when there is none.
    CZQDockingWndRef* ReferencePane() const;
    // Lays the children out in the inside rectangle (see the top of this file).
    void LayoutChildren() override;
    // The add button: a name is typed that the list does not hold. The remove button: an
    // alternative is selected.
    BOOL CanAdd() const override;
    BOOL CanRemove() const override;
    CWnd& ItemControl() override { return m_wndList; }
    BOOL GetMenuItemRect(CRect& rect) override;
    // The name box "Alternative name", the list "List of alternatives", the add button the string
    // 57670 ("Help\nHelp"), the remove button "Remove alternative".
    UINT ToolTipTextId(UINT nID) const override;
    // Removes list item nItem named name from the project, the tree and the list.
    void RemoveAlternative(int nItem, const CString& name);
    // The rank command of the context menu: rank nRank, then the project solves again.
    void AddToRankAndSolve(int nRank);
    // Drops the selected alternatives onto the reference tree at its drop target (null: below the
    // nodes).
    void DropOnTree(HTREEITEM hTarget);

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnListFocusOrState(NMHDR* pNMHDR, LRESULT* pResult);
    // Emptying the list: no notification per item (TRUE).
    afx_msg void OnListDeleteAll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnAddToRank(UINT nID);
    afx_msg void OnAddToOtherRank();

    CZQPaneDrag m_drag;
};
