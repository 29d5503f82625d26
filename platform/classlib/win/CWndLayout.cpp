// CWnd: layout of bars (RepositionBars and WM_SIZEPARENT), relatives, messages to descendants,
// styles and dialog-initialisation data.
#include "win/CWnd.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"
#include "win/CWinApp.h"

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    AfxRequirePointer(lpLayout, "AfxRepositionWindow", "lpLayout");
    AfxRequirePointer(lpRect, "AfxRepositionWindow", "lpRect");
    if (lpLayout->hDWP == nullptr || hWnd == nullptr)
        return;
    RECT rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rectOld), 2);
    if (::EqualRect(&rectOld, lpRect))
        return;
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                      lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                      SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    if (nFlag != reposDefault && nFlag != reposQuery && nFlag != reposExtra)
        AfxThrowInvalidArgFormat("CWnd::RepositionBars: unknown flag %u", nFlag);
    if (nFlag != reposDefault)
        AfxRequirePointer(lpRectParam, "CWnd::RepositionBars", "lpRectParam (needed by reposQuery and reposExtra)");

    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    if (nFlag == reposExtra) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (nFlag != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);

    // the bars in z-order, each taking its part at its edge
    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        const UINT nID = UINT(::GetDlgCtrlID(hWndChild));
        if (nID == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nID >= nIDFirst && nID <= nIDLast)
            ::SendMessageA(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (nFlag == reposQuery) {
        if (bStretch) {
            *lpRectParam = layout.rect;
        } else {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }
    if (hWndLeftOver != nullptr) {
        RECT rect = layout.rect;
        CWnd::FromHandle(hWndLeftOver)->CalcWindowRect(&rect, adjustBorder);
        AfxRepositionWindow(&layout, hWndLeftOver, &rect);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    AfxRequirePointer(lpClientRect, "CWnd::CalcWindowRect", "lpClientRect");
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
    if (nAdjustType == adjustOutside) {
        const DWORD dwStyle = GetStyle();
        if (dwStyle & WS_VSCROLL)
            lpClientRect->right += ::GetSystemMetrics(SM_CXVSCROLL) - ((dwStyle & WS_BORDER) ? 1 : 0);
        if (dwStyle & WS_HSCROLL)
            lpClientRect->bottom += ::GetSystemMetrics(SM_CYHSCROLL) - ((dwStyle & WS_BORDER) ? 1 : 0);
    }
}

// ---- messages to descendants ----------------------------------------------------------------------

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) const
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (bOnlyPerm) {
            if (CWnd* pWnd = FromHandlePermanent(hWndChild))
                AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        } else {
            ::SendMessageA(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(hWndChild) && ::GetTopWindow(hWndChild) != nullptr)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

// ---- owner and relatives -------------------------------------------------------------------------

CWnd* CWnd::GetOwner() const
{
    if (m_wndState.hWndOwner != nullptr)
        return FromHandle(m_wndState.hWndOwner);
    return GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_wndState.hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr;
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent != nullptr ? pWndNewParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    while ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) && ::GetParent(hWnd) != nullptr)
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hWndNext; (hWndNext = ::GetParent(hWnd)) != nullptr;)
        hWnd = hWndNext;
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsFrameWnd())
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    while (pFrame != nullptr) {
        CFrameWnd* pParent = pFrame->GetParentFrame();
        if (pParent == nullptr)
            break;
        pFrame = pParent;
    }
    return pFrame;
}

namespace {

HWND FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    // the direct children first, so that a frame finds its own bar before a child frame's
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hWndChild) == nID && (!bOnlyPerm || CWnd::FromHandlePermanent(hWndChild) != nullptr))
            return hWndChild;
    }
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr; hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (HWND hWndFound = FindDescendant(hWndChild, nID, bOnlyPerm))
            return hWndFound;
    }
    return nullptr;
}

} // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return FromHandle(FindDescendant(m_hWnd, nID, bOnlyPerm));
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return int(::SetWindowLongPtrA(m_hWnd, GWLP_ID, LONG_PTR(nID)));
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl != nullptr ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
{
    return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, nFlags));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

namespace {

struct OwnedPopupSearch {
    HWND hWndOwner;
    HWND hWndFound;
};

BOOL CALLBACK FindOwnedPopupProc(HWND hWnd, LPARAM lParam)
{
    OwnedPopupSearch* pSearch = reinterpret_cast<OwnedPopupSearch*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) != pSearch->hWndOwner || !::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd))
        return TRUE;
    pSearch->hWndFound = hWnd;
    return FALSE;
}

// The first visible, enabled top-level window owned by hWndOwner (in Z order), null when there is none.
HWND FindEnabledOwnedPopup(HWND hWndOwner)
{
    OwnedPopupSearch search = {hWndOwner, nullptr};
    ::EnumWindows(&FindOwnedPopupProc, reinterpret_cast<LPARAM>(&search));
    return search.hWndFound;
}

} // namespace

CWnd* CWnd::GetSafeOwner(CWnd* pParentWnd, HWND* pWndTop)
{
    HWND hWnd = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    if (hWnd == nullptr) {
        CWnd* pMain = AfxGetMainWnd();
        hWnd = pMain != nullptr ? pMain->m_hWnd : nullptr;
    }
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    // without a parent: a dialog or message box already shown over the main window owns the next one,
    // so that it stays modal to it (its owner would otherwise be enabled again when the box closes)
    if (hWnd != nullptr && pParentWnd == nullptr) {
        hWnd = ::GetLastActivePopup(hWnd);
        // The last active popup follows activation, which another program on the same display can
        // take away before the dialog was ever active: a disabled window is not the one the user works
        // in, so go on to the enabled window it owns (the modal dialog that disabled it).
        while (hWnd != nullptr && !::IsWindowEnabled(hWnd)) {
            const HWND hWndOwned = FindEnabledOwnedPopup(hWnd);
            if (hWndOwned == nullptr)
                break;
            hWnd = hWndOwned;
        }
    }
    if (pWndTop != nullptr)
        *pWndTop = hWnd;
    return FromHandle(hWnd);
}

// ---- styles -------------------------------------------------------------------------------------------

DWORD CWnd::GetStyle() const
{
    return DWORD(::GetWindowLongA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return DWORD(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwOld = DWORD(::GetWindowLongA(hWnd, nIndex));
    const DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwOld == dwNew)
        return FALSE;
    ::SetWindowLongA(hWnd, nIndex, LONG(dwNew));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

// ---- dialog-initialisation data ----------------------------------------------------------------------

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    const LPCSTR lpszType = MAKEINTRESOURCEA(240);
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, lpszType);
    if (hInst == nullptr)
        return TRUE; // no data for this template
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, lpszType);
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return FALSE;
    return ExecuteDlgInit(pData, ::SizeofResource(hInst, hResource));
}

BOOL CWnd::ExecuteDlgInit(const void* lpResource, DWORD dwSize)
{
    // records: WORD control id, WORD message, DWORD length, the bytes; a control id of 0 ends them.
    // The messages are the 16-bit list and combo "add string" numbers the resource tools write
    // (0x0401, 0x0403), or the 32-bit ones.
    AfxRequirePointer(lpResource, "CWnd::ExecuteDlgInit", "lpResource");
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    const BYTE* end = p + dwSize;
    while (end - p >= 2) {
        WORD nIDC;
        memcpy(&nIDC, p, 2);
        if (nIDC == 0)
            return TRUE;
        if (end - p < 8)
            return FALSE;
        WORD nMsg;
        DWORD dwLen;
        memcpy(&nMsg, p + 2, 2);
        memcpy(&dwLen, p + 4, 4);
        p += 8;
        if (DWORD(end - p) < dwLen)
            return FALSE;
        UINT message = 0;
        if (nMsg == 0x0401 || nMsg == LB_ADDSTRING)
            message = LB_ADDSTRING;
        else if (nMsg == 0x0403 || nMsg == CB_ADDSTRING)
            message = CB_ADDSTRING;
        if (message != 0) {
            // the text is stored with its terminating 0; do not trust that it is there
            const void* pZero = memchr(p, 0, dwLen);
            const CString text(reinterpret_cast<const char*>(p),
                               int(pZero != nullptr ? static_cast<const BYTE*>(pZero) - p : dwLen));
            ::SendDlgItemMessageA(m_hWnd, nIDC, message, 0, reinterpret_cast<LPARAM>(text.GetString()));
        }
        p += dwLen;
    }
    return p == end;
}
