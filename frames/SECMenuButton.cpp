#include "frames/SECMenuButton.h"

#include "frames/SECToolkitRes.h"
#include "win/ArgCheck.h"
#include "win/CControlBar.h"
#include "win/CFrameWnd.h"
#include "win/CMenu.h"

IMPLEMENT_DYNAMIC(SECMenuButton, SECBitmapButton)

SECMenuButton::SECMenuButton() : m_hMenu(nullptr), m_nDirection(DropDown)
{
}

SECMenuButton::~SECMenuButton()
{
    if (m_hMenu != nullptr)
        ::DestroyMenu(m_hMenu);
}

LPCSTR SECMenuButton::ArrowOf(int nDirection, const char* lpszWhere)
{
    if (nDirection != DropDown && nDirection != DropRight)
        AfxThrowInvalidArgFormat("%s: direction %d is not 0 or 1", lpszWhere, nDirection);
    return MAKEINTRESOURCEA(nDirection == DropRight ? IDB_SEC_ARROWRIGHT : IDB_SEC_ARROWDOWN);
}

BOOL SECMenuButton::AttachButton(int nID, CWnd* pParent, int nDirection, DWORD dwBtnFlags)
{
    AfxRequirePointer(pParent, "SECMenuButton::AttachButton", "pParent");
    LPCSTR lpszArrow = ArrowOf(nDirection, "SECMenuButton::AttachButton");
    CWnd* pItem = pParent->GetDlgItem(nID);
    if (pItem == nullptr)
        return FALSE;
    const int nAlign = pItem->GetWindowTextLength() > 0 ? AlignRight : AlignOnly;
    if (!SECBitmapButton::AttachButton(nID, nAlign, lpszArrow, pParent, dwBtnFlags))
        return FALSE;
    m_nDirection = nDirection;
    return TRUE;
}

BOOL SECMenuButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                           int nDirection, DWORD dwBtnFlags)
{
    LPCSTR lpszArrow = ArrowOf(nDirection, "SECMenuButton::Create");
    const int nAlign = lpszCaption != nullptr && *lpszCaption != '\0' ? AlignRight : AlignOnly;
    if (!SECBitmapButton::Create(lpszCaption, dwStyle, lpszArrow, rect, pParentWnd, nID, nAlign, dwBtnFlags))
        return FALSE;
    m_nDirection = nDirection;
    return TRUE;
}

void SECMenuButton::SetMenu(HMENU hMenu)
{
    if (m_hMenu != nullptr && m_hMenu != hMenu)
        ::DestroyMenu(m_hMenu);
    m_hMenu = hMenu;
}

void SECMenuButton::SetDirection(int nDirection)
{
    LPCSTR lpszArrow = ArrowOf(nDirection, "SECMenuButton::SetDirection");
    m_nDirection = nDirection;
    SetBitmap(lpszArrow);
}

void SECMenuButton::Clicked()
{
    if (m_hMenu == nullptr)
        return;
    CWnd* pOwner = GetParent();
    if (pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CControlBar)) && pOwner->GetParentFrame() != nullptr)
        pOwner = pOwner->GetParentFrame();
    if (pOwner == nullptr)
        return;
    CRect rcWindow;
    GetWindowRect(rcWindow);
    const CPoint pt = m_nDirection == DropRight ? CPoint(rcWindow.right, rcWindow.top)
                                                : CPoint(rcWindow.left, rcWindow.bottom);

    SetDrawAllowed(FALSE);
    CMenu* pMenu = CMenu::FromHandle(m_hMenu);
    const BOOL bShown = pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, pOwner);
    if (bShown) {
        // the press that closed the menu over this button would open it again
        MSG msg;
        ::PeekMessageA(&msg, m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
    }
    SetDrawAllowed(TRUE);
    Invalidate();
    UpdateWindow();
}
