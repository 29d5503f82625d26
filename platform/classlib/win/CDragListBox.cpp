#include "win/CDragListBox.h"

#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CDragListBox, CListBox)

UINT AfxDragListMessage()
{
    static const UINT nMessage = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);
    return nMessage;
}

CDragListBox::CDragListBox() : m_nLast(-1), m_nDragItem(-1) {}

CDragListBox::~CDragListBox() = default;

void CDragListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    AfxInitCommonControls();
    ::MakeDragList(m_hWnd);
}

int CDragListBox::ItemFromPt(CPoint pt, BOOL bAutoScroll) const
{
    return ::LBItemFromPt(m_hWnd, pt, bAutoScroll);
}

BOOL CDragListBox::BeginDrag(CPoint pt)
{
    DrawInsert(ItemFromPt(pt, FALSE));
    return TRUE;
}

UINT CDragListBox::Dragging(CPoint pt)
{
    const int nItem = ItemFromPt(pt);
    DrawInsert(nItem);
    return nItem >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
}

void CDragListBox::Dropped(int nSrcIndex, CPoint pt)
{
    DrawInsert(-1);
    int nDestIndex = ItemFromPt(pt, FALSE);
    if (nSrcIndex < 0 || nDestIndex < 0 || nDestIndex == nSrcIndex || nDestIndex == nSrcIndex + 1)
        return;
    CString text;
    GetText(nSrcIndex, text);
    const DWORD_PTR dwData = GetItemData(nSrcIndex);
    DeleteString(UINT(nSrcIndex));
    if (nSrcIndex < nDestIndex)
        --nDestIndex;
    nDestIndex = InsertString(nDestIndex, text);
    SetItemData(nDestIndex, dwData);
    SetCurSel(nDestIndex);
}

void CDragListBox::CancelDrag(CPoint)
{
    DrawInsert(-1);
}

void CDragListBox::DrawInsert(int nItem)
{
    if (nItem == m_nLast)
        return;
    const HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent != nullptr)
        ::DrawInsert(hWndParent, m_hWnd, nItem);
    m_nLast = nItem;
}

BOOL CDragListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != AfxDragListMessage() || lParam == 0)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    const DRAGLISTINFO* pInfo = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    const CPoint pt = pInfo->ptCursor;
    LRESULT lResult = 0;
    switch (pInfo->uNotification) {
    case DL_BEGINDRAG:
        m_nDragItem = ItemFromPt(pt, FALSE);
        lResult = BeginDrag(pt);
        break;
    case DL_DRAGGING:
        lResult = LRESULT(Dragging(pt));
        break;
    case DL_DROPPED:
        Dropped(m_nDragItem, pt);
        m_nDragItem = -1;
        break;
    case DL_CANCELDRAG:
        CancelDrag(pt);
        m_nDragItem = -1;
        break;
    default:
        return FALSE;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
