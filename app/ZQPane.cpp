// CZQPane: the panes' common handling (see ZQPane.h).
#include "app/ZQPane.h"

#include "app/ZQApp.h"
#include "res/resource.h"

#include <algorithm>

namespace {

const int kImageSize = 16;
const COLORREF kImageMask = RGB(192, 192, 192);

} // namespace

IMPLEMENT_DYNAMIC(CZQPane, SECControlBar)

BEGIN_MESSAGE_MAP(CZQPane, SECControlBar)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

CZQPane::CZQPane() : m_nMenuKey(0) {}

CZQPane::~CZQPane() = default;

BOOL ZQCreateItemButton(SECBitmapButton& button, UINT nIDBitmap, CWnd* pParent, UINT nID)
{
    if (!button.Create(nullptr, WS_CHILD | WS_VISIBLE, nIDBitmap, CRect(0, 0, 0, 0), pParent, nID))
        return FALSE;
    button.SetFlat(TRUE);
    return TRUE;
}

BOOL ZQCopyFont(CWnd& wnd, CFont& font)
{
    CFont* pFont = wnd.GetFont();
    LOGFONTA lf = {};
    return pFont != nullptr && pFont->GetLogFont(&lf) != 0 && font.CreateFontIndirect(&lf);
}

BOOL ZQListHasText(const CListCtrl& list, const CString& text)
{
    const int nCount = list.GetItemCount();
    for (int i = 0; i < nCount; ++i) {
        if (list.GetItemText(i, 0) == text)
            return TRUE;
    }
    return FALSE;
}

void ZQPlaceChild(CWnd& wnd, const CRect& rect)
{
    if (wnd.m_hWnd != nullptr)
        wnd.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CZQPane::CreateButtons(UINT nAddId, UINT nRemoveId)
{
    return ZQCreateItemButton(m_btnAdd, IDB_ZQ_ADD, this, nAddId) &&
           ZQCreateItemButton(m_btnRemove, IDB_ZQ_REMOVE, this, nRemoveId);
}

BOOL CZQPane::CreateItemImages()
{
    return m_imageList.Create(IDB_ZQ_ITEMS, kImageSize, 1, kImageMask);
}

void CZQPane::ShareFont(CWnd& control, CWnd* const* pTargets, int nTargets)
{
    if (!ZQCopyFont(control, m_font))
        return;
    for (int i = 0; i < nTargets; ++i)
        pTargets[i]->SetFont(&m_font);
}

void CZQPane::OnSize(UINT nType, int cx, int cy)
{
    SECControlBar::OnSize(nType, cx, cy);
    LayoutChildren();
}

void CZQPane::UpdateButtons()
{
    if (m_btnAdd.m_hWnd != nullptr)
        m_btnAdd.EnableWindow(CanAdd());
    if (m_btnRemove.m_hWnd != nullptr)
        m_btnRemove.EnableWindow(CanRemove());
}

BOOL CZQPane::HasSelection(const CListCtrl& list)
{
    return list.m_hWnd != nullptr && list.GetItemCount() > 0 && list.GetSelectedCount() > 0;
}

BOOL CZQPane::GetSelectedItemRect(CListCtrl& list, CRect& rect)
{
    if (!HasSelection(list))
        return FALSE;
    int nItem = list.GetNextItem(-1, LVNI_FOCUSED | LVNI_SELECTED);
    if (nItem < 0)
        nItem = list.GetNextItem(-1, LVNI_SELECTED);
    list.EnsureVisible(nItem, FALSE);
    return list.GetItemRect(nItem, rect, LVIR_LABEL);
}

CPoint CZQPane::ContextMenuPoint(CPoint pos)
{
    if (pos.x != -1 || pos.y != -1)
        return pos;
    CWnd& control = ItemControl();
    CRect client;
    control.GetClientRect(client);
    CRect item;
    CPoint point = client.TopLeft();
    if (GetMenuItemRect(item)) {
        // below the item's text, inside the client area when the item shows only in part
        point = CPoint(std::clamp(item.left, client.left, client.right), std::clamp(item.bottom, client.top, client.bottom));
    }
    control.ClientToScreen(&point);
    return point;
}

BOOL CZQPane::PreTranslateMessage(MSG* pMsg)
{
    const HWND hWnd = pMsg->hwnd;
    const bool bHere = hWnd != nullptr && (hWnd == m_hWnd || hWnd == ItemControl().m_hWnd ||
                                           hWnd == m_btnAdd.m_hWnd || hWnd == m_btnRemove.m_hWnd);
    const UINT nKey = UINT(pMsg->wParam);
    if (bHere && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN)) {
        CWinServices* pServices = AfxGetServices();
        const bool bShiftOnly = pServices->GetKeyState(VK_SHIFT) < 0 && pServices->GetKeyState(VK_MENU) >= 0 &&
                                pServices->GetKeyState(VK_CONTROL) >= 0;
        if (nKey == VK_APPS || (nKey == VK_F10 && bShiftOnly)) {
            m_nMenuKey = nKey;
            return TRUE;
        }
    }
    if (bHere && (pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYUP) && m_nMenuKey != 0 &&
        nKey == m_nMenuKey) {
        m_nMenuKey = 0;
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(-1, -1));
        return TRUE;
    }
    return SECControlBar::PreTranslateMessage(pMsg);
}

void CZQPane::RemoveSelected(CListCtrl& list, LPCSTR lpszOne, LPCSTR lpszMany,
                             const std::function<void(int, const CString&)>& remove)
{
    const UINT nSelected = list.GetSelectedCount();
    if (list.GetItemCount() == 0 || nSelected == 0)
        return;
    const int nFirst = list.GetNextItem(-1, LVNI_SELECTED);
    CString question;
    if (nSelected == 1)
        question.Format("Do you want to remove selected %s: %s ?", lpszOne, list.GetItemText(nFirst, 0).GetString());
    else
        question.Format("Do you want to remove %u selected %s?", nSelected, lpszMany);
    if (ZQMessageBox(this, question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    for (int nItem = nFirst; nItem >= 0; nItem = list.GetNextItem(-1, LVNI_SELECTED))
        remove(nItem, list.GetItemText(nItem, 0));
    UpdateButtons();
}

void CZQPane::EnableSelectionCommands(CMenu& popup, const CListCtrl& list, UINT nIDProperties, UINT nIDRemove)
{
    const UINT nSelected = list.GetSelectedCount();
    popup.EnableMenuItem(nIDProperties, MF_BYCOMMAND | (nSelected == 1 ? MF_ENABLED : MF_GRAYED));
    popup.EnableMenuItem(nIDRemove, MF_BYCOMMAND | (nSelected >= 1 ? MF_ENABLED : MF_GRAYED));
}

BOOL CZQPane::OnEraseBkgnd(CDC* pDC)
{
    SECControlBar::OnEraseBkgnd(pDC);
    CRect rect;
    GetInsideRect(rect);
    pDC->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL CZQPane::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    // nID: the control id of the child, also for a tool given by its window
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    m_strToolTip.Empty();
    if (const UINT nIDText = ToolTipTextId(nID))
        AfxLoadString(nIDText, m_strToolTip);
    pInfo->lpszText = const_cast<LPSTR>(m_strToolTip.GetString());
    pInfo->hinst = nullptr;
    *pResult = 0;
    return TRUE;
}
