// CCheckListBox: a list box whose items each carry a check box in front of their text.
//
// The list is owner-drawn with strings: LBS_OWNERDRAWFIXED and LBS_HASSTRINGS are added to the style
// it is created with (a list in a dialog template must have them). Each item holds a check state, 0
// clear, 1 checked or 2 indeterminate; new items start clear, also items added by LB_ADDSTRING or
// LB_INSERTSTRING sent directly, and the item's data stays the program's own. The user changes the
// state with Space (the item with the focus rectangle) or a click or double click on its box: a checked
// item becomes clear, any other checked. Then the parent gets WM_COMMAND with CLBN_CHKCHANGE (and the
// list's id and window). SetCheck never notifies.
//
// The parent draws, measures and deletes owner-drawn items through the list (reflection), so the parent
// must be a window of the library; items are as high as the list's font and at least as the box.
//
// Not done yet: disabled items, toggling every selected item of a multiple-selection list.
#pragma once

#include "win/CListBox.h"

#include <vector>

// WM_COMMAND notification code: the user changed an item's check state.
#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox {
    DECLARE_DYNAMIC(CCheckListBox)
    DECLARE_MESSAGE_MAP()
public:
    CCheckListBox();
    ~CCheckListBox() override;

    // Creates the list (see the top of this file for the styles added).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The check state of item nIndex (0 for an index outside the items) / sets it (0, 1 or 2; other
    // values and bad indexes are refused with CInvalidArgException).
    int GetCheck(int nIndex) const;
    void SetCheck(int nIndex, int nCheck);

    // The box of an item whose rectangle is rcItem (client coordinates).
    CRect GetCheckRect(const CRect& rcItem) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);

private:
    // The user toggled item nIndex: its new state, then the parent is told.
    void ToggleByUser(int nIndex);
    // A new item at nIndex (the list answered the insertion with it; negative: it failed).
    LRESULT NoteInserted(LRESULT nIndex);
    // The height an item needs for the list's font and the box.
    int CalcItemHeight() const;

    std::vector<int> m_checks; // one state per item (items added before the object took the window: 0)
};
