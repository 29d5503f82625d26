#include "win/CListCtrl.h"

#include "win/ArgCheck.h"
#include "win/CImageList.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

CListCtrl::CListCtrl() = default;

CListCtrl::~CListCtrl() = default;

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    AfxRequirePointer(pColumn, "CListCtrl::InsertColumn", "pColumn");
    return int(::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, WPARAM(nCol), reinterpret_cast<LPARAM>(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_DELETECOLUMN, WPARAM(nCol), 0));
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return int(::SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, WPARAM(nCol), 0));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, WPARAM(nCol), MAKELPARAM(cx, 0)));
}

int CListCtrl::InsertItem(const LVITEMA* pItem)
{
    AfxRequirePointer(pItem, "CListCtrl::InsertItem", "pItem");
    return int(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return InsertItem(&item);
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_DELETEITEM, WPARAM(nItem), 0));
}

BOOL CListCtrl::DeleteAllItems()
{
    return BOOL(::SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0));
}

int CListCtrl::GetItemCount() const
{
    return int(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

BOOL CListCtrl::GetItem(LVITEMA* pItem) const
{
    AfxRequirePointer(pItem, "CListCtrl::GetItem", "pItem");
    return BOOL(::SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(const LVITEMA* pItem)
{
    AfxRequirePointer(pItem, "CListCtrl::SetItem", "pItem");
    return BOOL(::SendMessageA(m_hWnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    char buffer[1024] = {};
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    const int n = int(::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, WPARAM(nItem), reinterpret_cast<LPARAM>(&item)));
    return n > 0 ? CString(item.pszText) : CString();
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return BOOL(::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, WPARAM(nItem), reinterpret_cast<LPARAM>(&item)));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? DWORD_PTR(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = LPARAM(dwData);
    return SetItem(&item);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return UINT(::SendMessageA(m_hWnd, LVM_GETITEMSTATE, WPARAM(nItem), LPARAM(nMask)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return BOOL(::SendMessageA(m_hWnd, LVM_SETITEMSTATE, WPARAM(nItem), reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    AfxRequirePointer(lpRect, "CListCtrl::GetItemRect", "lpRect");
    lpRect->left = LONG(nCode);
    return BOOL(::SendMessageA(m_hWnd, LVM_GETITEMRECT, WPARAM(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return int(::SendMessageA(m_hWnd, LVM_GETNEXTITEM, WPARAM(nItem), MAKELPARAM(nFlags, 0)));
}

UINT CListCtrl::GetSelectedCount() const
{
    return UINT(::SendMessageA(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    // the position is the index plus one, so that item 0 is not a null position
    const int nItem = GetNextItem(-1, LVNI_SELECTED);
    return reinterpret_cast<POSITION>(INT_PTR(nItem + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    const int nItem = int(reinterpret_cast<INT_PTR>(pos)) - 1;
    if (nItem < 0)
        AfxThrowInvalidArgException("CListCtrl::GetNextSelectedItem: the position is null");
    const int nNext = GetNextItem(nItem, LVNI_SELECTED);
    pos = reinterpret_cast<POSITION>(INT_PTR(nNext + 1));
    return nItem;
}

int CListCtrl::FindItem(LVFINDINFOA* pFindInfo, int nStart) const
{
    AfxRequirePointer(pFindInfo, "CListCtrl::FindItem", "pFindInfo");
    return int(::SendMessageA(m_hWnd, LVM_FINDITEMA, WPARAM(nStart), reinterpret_cast<LPARAM>(pFindInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO info = {};
    info.pt = pt;
    const int nItem = HitTest(&info);
    if (pFlags != nullptr)
        *pFlags = info.flags;
    return nItem;
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    AfxRequirePointer(pHitTestInfo, "CListCtrl::HitTest", "pHitTestInfo");
    return int(::SendMessageA(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, WPARAM(nItem), bPartialOK));
}

int CListCtrl::GetTopIndex() const
{
    return int(::SendMessageA(m_hWnd, LVM_GETTOPINDEX, 0, 0));
}

int CListCtrl::GetCountPerPage() const
{
    return int(::SendMessageA(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0));
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_REDRAWITEMS, WPARAM(nFirst), LPARAM(nLast)));
}

BOOL CListCtrl::Update(int nItem)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_UPDATE, WPARAM(nItem), 0));
}

BOOL CListCtrl::Arrange(UINT nCode)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_ARRANGE, nCode, 0));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return BOOL(::SendMessageA(m_hWnd, LVM_SORTITEMS, WPARAM(dwData), reinterpret_cast<LPARAM>(pfnCompare)));
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return DWORD(::SendMessageA(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return DWORD(::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LPARAM(dwNewStyle)));
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return AfxControlImageList(m_hWnd, LVM_GETIMAGELIST, nImageList);
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageList)
{
    return AfxControlImageList(m_hWnd, LVM_SETIMAGELIST, nImageList, pImageList);
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint)
{
    POINT point = {};
    HIMAGELIST hImageList = reinterpret_cast<HIMAGELIST>(
        ::SendMessageA(m_hWnd, LVM_CREATEDRAGIMAGE, WPARAM(nItem), reinterpret_cast<LPARAM>(&point)));
    if (lpPoint != nullptr)
        *lpPoint = point;
    return AfxNewImageList(hImageList);
}
