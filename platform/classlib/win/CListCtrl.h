// CListCtrl: a list-view control (WC_LISTVIEW); thin wrappers of the LVM_ messages. Items and
// columns are counted from 0; -1 answers "none".
//
// Not done yet: groups, tiles, virtual lists, label editing.
#pragma once

#include "win/CWnd.h"

class CImageList;

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl();
    ~CListCtrl() override;

    // Creates the control as a child of pParentWnd (style LVS_*, WS_*; WS_CHILD added), rectangle in
    // the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns: InsertColumn returns the new column's index or -1.
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);

    // Items: InsertItem returns the new item's index or -1.
    int InsertItem(const LVITEMA* pItem);
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(LVITEMA* pItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;

    // Search and selection.
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    // The first selected item as a position (null: none), then GetNextSelectedItem gives each
    // item's index and moves the position on.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const;
    // The item under pt (client coordinates); pFlags (may be null) receives LVHT_* flags.
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem);
    BOOL Arrange(UINT nCode);
    // Sorts with pfnCompare(lParam1, lParam2, dwData) over the items' data.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    // Styles and images.
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    // nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE. SetImageList returns the previous list.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    // A new image list holding the drag image of the item (the caller deletes it); null on failure.
    // lpPoint receives the image's upper-left corner.
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);
};
