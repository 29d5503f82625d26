// CComboBox: a combo box ("COMBOBOX" class); thin wrappers of the CB_ messages.
//
// Owner-drawn combo boxes draw, measure, compare and delete their items through the virtual DrawItem,
// MeasureItem, CompareItem and DeleteItem, reflected from the parent as for CListBox; when a derived
// class does not override one of them the message stays with the parent.
//
// Not done yet: extended combo boxes (image lists), cue banners.
#pragma once

#include "win/CWnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox();
    ~CComboBox() override;

    // Creates the combo box as a child of pParentWnd (style CBS_*, WS_*; WS_CHILD added); rect is
    // the control with its list dropped, in the parent's client coordinates; control id nID. FALSE
    // when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Items: the index of the new item, or CB_ERR / CB_ERRSPACE.
    int AddString(LPCSTR lpszString);
    int InsertString(int nIndex, LPCSTR lpszString);
    // Removes item nIndex; returns the count left or CB_ERR.
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetCount() const;
    // The text of item nIndex in rString (empty for a bad index).
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    // Searches from after nStartAfter (-1: from the start): prefix / whole text, without case.
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszString);
    // The selected item (-1: none) / selects nSelect (-1 clears).
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    // The drop-down list.
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    int SetDroppedWidth(UINT nWidth);
    // The edit field.
    BOOL LimitText(int nMaxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);
    // Item heights (nIndex -1: the selection field).
    int GetItemHeight(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);

    // Owner-draw operations (see the top of this file). CompareItem returns -1, 0 or 1.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    struct CComboBoxState {
        BOOL bBaseItemCall = FALSE; // set by the base owner-draw operations: nothing overrides them
    } m_comboState;
};
