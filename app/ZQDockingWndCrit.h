// CZQDockingWndCrit: the pane "Criteria Window" of the main frame. It lists the project's criteria
// (sorted by name, image 1) with their kind ("Gain", "Cost" or "Ordinal") and lets the user add,
// edit and remove them through the criterion property sheet (CZQCritPropSheet). Each change goes
// into the project: its criteria table, the scale values of ordinal criteria and the evaluations
// table, whose column of a criterion is reset when the criterion's kind changes. The evaluations grid
// is stored into the project before an edit and reloaded after it.
//
// Layout, in the bar's inside rectangle (left, top, right, bottom): the label "Criteria Set" at
// (left, top), right - left - 60 by 15; the add and remove buttons (20 by 20, bitmaps 250 and 251) at
// x = right - left - 39 and right - left - 17, y = top; the list at (left, top + 20) filling the rest,
// rows selected whole. Its columns: "Type" as wide as the widest of its heading and the three kind
// texts in the language of the texts (at least 50 pixels), and "Criterion" taking the rest of the
// list's width (CZQPaneList), but never less than its heading needs (the list then scrolls across).
#pragma once

#include <windows.h>

#include "app/ZQPane.h"
#include "app/ZQPaneList.h"
#include "win/Win.h"

class CZQDockingWndCrit : public CZQPane {
    DECLARE_DYNAMIC(CZQDockingWndCrit)
    DECLARE_MESSAGE_MAP()
public:
    // What AddCriterionItem did.
    enum AddResult { AddedNothingListed = 1, AddedNothingEmpty = 2, Added = 3 };

    CZQDockingWndCrit();
    ~CZQDockingWndCrit() override;

    // Inserts an item named name with image 1 and kindText in its "Type" column (the list keeps it
    // sorted); its index, -1 on failure.
    int InsertCriterion(const CString& name, const CString& kindText);
    // Adds a criterion: an empty name does nothing (AddedNothingEmpty); a name the list holds does
    // nothing (AddedNothingListed); otherwise the item is inserted with the text of kind code nKind
    // (1 gain, -1 cost, 2 ordinal) and shown, and the project adds the criterion with the
    // description, the kind and nSegments (Added).
    int AddCriterionItem(const CString& name, const CString& description, int nKind, int nSegments);

    // The sheet for a new criterion (Gain, 2 segments, no values); on OK it is added, an ordinal one
    // with its scale values in order. Also Ctrl+A through the main frame.
    afx_msg void OnAddCriterion();
    // Removes the selected criteria after a question owned by the pane: "Do you want to remove
    // selected criterion: <name> ?" for one, "Do you want to remove <n> selected criteria?" for more
    // (Yes, No). On Yes each goes from the project with its evaluations column and scale values.
    afx_msg void OnRemoveCriteria();
    // The sheet of the first selected criterion; on OK its edits go into the project (see the .cpp
    // file).
    afx_msg void OnProperties();

    CZQPaneList m_wndList; // id 221; the add button has id 222, the remove button 223
    CStatic m_wndLabel;  // "Criteria Set"

protected:
    // The list "List of criteria", the add button "Add criterion", the remove button "Remove
    // criterion".
    UINT ToolTipTextId(UINT nID) const override;
    // The text of kind code nKind in the "Type" column (empty for another code).
    static CString KindText(int nKind);
    void LayoutChildren() override;
    // The add button: always (the sheet asks for the criterion). The remove button: a criterion is
    // selected.
    BOOL CanAdd() const override;
    BOOL CanRemove() const override;
    CWnd& ItemControl() override { return m_wndList; }
    BOOL GetMenuItemRect(CRect& rect) override;

    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnListFocusOrState(NMHDR* pNMHDR, LRESULT* pResult);
    // Emptying the list: no notification per item (TRUE).
    afx_msg void OnListDeleteAll(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
};
