#include "win/CTreeCtrl.h"

#include "win/ArgCheck.h"
#include "win/CImageList.h"
#include "win/WndInternal.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

CTreeCtrl::CTreeCtrl() = default;

CTreeCtrl::~CTreeCtrl() = default;

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
{
    AfxRequirePointer(lpInsertStruct, "CTreeCtrl::InsertItem", "lpInsertStruct");
    return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = const_cast<LPSTR>(lpszItem);
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0, hParent,
                      hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    return BOOL(::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return BOOL(::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
}

UINT CTreeCtrl::GetCount() const
{
    return UINT(::SendMessageA(m_hWnd, TVM_GETCOUNT, 0, 0));
}

UINT CTreeCtrl::GetVisibleCount() const
{
    return UINT(::SendMessageA(m_hWnd, TVM_GETVISIBLECOUNT, 0, 0));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return GetNextItem(nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_NEXT);
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_PREVIOUS);
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_PARENT);
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const
{
    return GetNextItem(hItem, TVGN_NEXTVISIBLE);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return GetNextItem(nullptr, TVGN_CARET);
}

HTREEITEM CTreeCtrl::GetDropHilightItem() const
{
    // the control's drop item counts only while it shows the highlight (see SelectDropTarget)
    const HTREEITEM hItem = GetNextItem(nullptr, TVGN_DROPHILITE);
    return hItem != nullptr && (GetItemState(hItem, TVIS_DROPHILITED) & TVIS_DROPHILITED) ? hItem : nullptr;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.cChildren != 0;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
    return BOOL(::SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem)
{
    if (hItem == nullptr) {
        // Wine's control ignores a null target while no item is selected: take the highlight off
        // the item that shows it
        if (const HTREEITEM hDrop = GetNextItem(nullptr, TVGN_DROPHILITE))
            SetItemState(hDrop, 0, TVIS_DROPHILITED);
    }
    return BOOL(::SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    return BOOL(::SendMessageA(m_hWnd, TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    return BOOL(::SendMessageA(m_hWnd, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem)
{
    return BOOL(::SendMessageA(m_hWnd, TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM hItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    AfxRequirePointer(pHitTestInfo, "CTreeCtrl::HitTest", "pHitTestInfo");
    return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    AfxRequirePointer(lpRect, "CTreeCtrl::GetItemRect", "lpRect");
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem; // TVM_GETITEMRECT takes the item in the rectangle
    return BOOL(::SendMessageA(m_hWnd, TVM_GETITEMRECT, bTextOnly, reinterpret_cast<LPARAM>(lpRect)));
}

BOOL CTreeCtrl::GetItem(TVITEMA* pItem) const
{
    AfxRequirePointer(pItem, "CTreeCtrl::GetItem", "pItem");
    return BOOL(::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CTreeCtrl::SetItem(TVITEMA* pItem)
{
    AfxRequirePointer(pItem, "CTreeCtrl::SetItem", "pItem");
    return BOOL(::SendMessageA(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    char buffer[1024] = {};
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    if (!GetItem(&item))
        return CString();
    return item.pszText != nullptr ? CString(item.pszText) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem)
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    return GetItem(&item) ? DWORD_PTR(item.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    item.lParam = LPARAM(dwData);
    return SetItem(&item);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    const BOOL bOk = GetItem(&item);
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return bOk;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return SetItem(&item);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    return UINT(::SendMessageA(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), LPARAM(nStateMask)));
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    TVITEMA item = {};
    item.hItem = hItem;
    item.mask = TVIF_STATE;
    item.state = nState;
    item.stateMask = nStateMask;
    return SetItem(&item);
}

CImageList* CTreeCtrl::GetImageList(int nImageList) const
{
    return AfxControlImageList(m_hWnd, TVM_GETIMAGELIST, nImageList);
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageList)
{
    return AfxControlImageList(m_hWnd, TVM_SETIMAGELIST, nImageList, pImageList);
}

namespace {

// The drag image of item hItem of tree hWndTree: its image (when the tree has a normal image list), then
// its label in the tree's font, on the window colour. Null when the item has no label to measure.
HIMAGELIST DrawTreeDragImage(HWND hWndTree, HTREEITEM hItem)
{
    char text[260] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_IMAGE;
    item.hItem = hItem;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!::SendMessageA(hWndTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    const HIMAGELIST hImages =
        reinterpret_cast<HIMAGELIST>(::SendMessageA(hWndTree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    int cxImage = 0, cyImage = 0;
    if (hImages != nullptr)
        ::ImageList_GetIconSize(hImages, &cxImage, &cyImage);

    const HDC hScreen = ::GetDC(nullptr);
    const HDC hDC = ::CreateCompatibleDC(hScreen);
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(hWndTree, WM_GETFONT, 0, 0));
    const HGDIOBJ hOldFont =
        ::SelectObject(hDC, hFont != nullptr ? HGDIOBJ(hFont) : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE sizeText = {};
    ::GetTextExtentPoint32A(hDC, text, int(strlen(text)), &sizeText);
    const int nGap = cxImage > 0 ? 2 : 0;
    const int cx = cxImage + nGap + sizeText.cx + 2;
    const int cy = cyImage > sizeText.cy ? cyImage : sizeText.cy;
    const HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    const HGDIOBJ hOldBitmap = ::SelectObject(hDC, hBitmap);
    const RECT rect = {0, 0, cx, cy};
    ::FillRect(hDC, &rect, ::GetSysColorBrush(COLOR_WINDOW));
    if (hImages != nullptr)
        ::ImageList_Draw(hImages, item.iImage, hDC, 0, (cy - cyImage) / 2, ILD_NORMAL);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(COLOR_WINDOWTEXT));
    ::TextOutA(hDC, cxImage + nGap + 1, (cy - sizeText.cy) / 2, text, int(strlen(text)));
    ::SelectObject(hDC, hOldBitmap);
    ::SelectObject(hDC, hOldFont);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);

    const HIMAGELIST hDrag = ::ImageList_Create(cx, cy, ILC_COLOR32, 1, 1);
    if (hDrag != nullptr && ::ImageList_Add(hDrag, hBitmap, nullptr) < 0) {
        ::ImageList_Destroy(hDrag);
        ::DeleteObject(hBitmap);
        return nullptr;
    }
    ::DeleteObject(hBitmap);
    return hDrag;
}

} // namespace

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem)
{
    HIMAGELIST hImageList =
        reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(hItem)));
    if (hImageList != nullptr && ::ImageList_GetImageCount(hImageList) == 0) {
        ::ImageList_Destroy(hImageList);
        hImageList = DrawTreeDragImage(m_hWnd, hItem);
    }
    return AfxNewImageList(hImageList);
}
