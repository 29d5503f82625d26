// CListBox: a list box ("LISTBOX" class); thin wrappers of the LB_ messages.
//
// Owner-drawn list boxes draw, measure, compare and delete their items through the virtual DrawItem,
// MeasureItem, CompareItem and DeleteItem: the parent's WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM
// and WM_DELETEITEM are reflected to them. When a derived class does not override one of them, the
// message stays with the parent. (WM_MEASUREITEM for a list created from a dialog template comes
// before the object can be attached and stays with the parent.)
//
// Check list boxes and drag list boxes: CCheckListBox.h, CDragListBox.h.
#pragma once

#include "win/CWnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox();
    ~CListBox() override;

    // Creates the list box as a child of pParentWnd (style LBS_*, WS_*; WS_CHILD added), rectangle
    // in the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Items: the index of the new item, or LB_ERR / LB_ERRSPACE.
    int AddString(LPCSTR lpszItem);
    int InsertString(int nIndex, LPCSTR lpszItem);
    // Removes item nIndex; returns the count left or LB_ERR.
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    // The text of item nIndex in rString (empty for a bad index).
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    // Searches from after nStartAfter (-1: from the start): prefix / whole text, without case.
    int FindString(int nStartAfter, LPCSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszItem);
    // Selection of a single-selection list (-1: none) and of a multiple-selection one.
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetSelItems(int nMaxItems, LPINT rgIndex) const;
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    // The item with the focus rectangle (the one the keyboard acts on).
    int GetCaretIndex() const;
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    int GetItemHeight(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    // The item nearest to pt (client coordinates); bOutside set when pt lies outside the items.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    // Owner-draw operations (see the top of this file). CompareItem returns -1, 0 or 1.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    struct CListBoxState {
        BOOL bBaseItemCall = FALSE; // set by the base owner-draw operations: nothing overrides them
    } m_listState;
};
