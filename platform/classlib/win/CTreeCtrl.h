// CTreeCtrl: a tree-view control (WC_TREEVIEW); thin wrappers of the TVM_ messages. Item handles
// are HTREEITEM; TVI_ROOT, TVI_FIRST, TVI_LAST and TVI_SORT are accepted where Win32 takes them.
//
// Not done yet: label editing, check boxes, tooltips of the control.
#pragma once

#include "win/CWnd.h"

class CImageList;

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl();
    ~CTreeCtrl() override;

    // Creates the control as a child of pParentWnd (style TVS_*, WS_*; WS_CHILD added), rectangle in
    // the parent's client coordinates, control id nID. FALSE when no window was made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Inserts an item; returns its handle, null on failure.
    HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct);
    HTREEITEM InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                         LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    UINT GetCount() const;
    UINT GetVisibleCount() const;

    // Navigation (null when there is no such item).
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    // The item that shows the drop highlight (null when none).
    HTREEITEM GetDropHilightItem() const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    // Selection and display.
    BOOL SelectItem(HTREEITEM hItem);
    // Gives hItem the drop highlight; null takes it off. (Measured under Wine 8: the control ignores
    // a null target while no item is selected, keeping the highlight; the library then takes the
    // highlighted state off the item itself.)
    BOOL SelectDropTarget(HTREEITEM hItem);
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    BOOL EnsureVisible(HTREEITEM hItem);
    BOOL SortChildren(HTREEITEM hItem);
    // The item under point (client coordinates), pFlags (may be null) receives TVHT_* flags.
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;
    // The item's rectangle (bTextOnly: the text's). FALSE when it is not visible.
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;

    // Item attributes.
    BOOL GetItem(TVITEMA* pItem) const;
    BOOL SetItem(TVITEMA* pItem);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);

    // Image lists (nImageList TVSIL_NORMAL or TVSIL_STATE). SetImageList returns the previous list.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    // A new image list holding the drag image of the item (the caller deletes it); null on failure.
    // The image is the item's image (from the normal image list, when there is one) with its label
    // beside it. Under Wine the control answers an empty list; the image is then drawn here, as the
    // control would draw it.
    CImageList* CreateDragImage(HTREEITEM hItem);
};
