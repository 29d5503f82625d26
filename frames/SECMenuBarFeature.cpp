// SECMenuBarMessages and SECMenuBarFeature: the menu bar's popups, its tracking from the keyboard and
// the mouse, the hooks that run meanwhile, and the frame's menu keys.
#include "frames/SECMenuBarFeature.h"

#include "frames/SECMenuBar.h"
#include "frames/SECToolkit.h"
#include "win/CFrameWnd.h"
#include "win/CMenu.h"
#include "win/CView.h"
#include "win/WinServices.h"

IMPLEMENT_DYNAMIC(SECMenuBarFeature, SECBmpMenuPlugIn)

BEGIN_MESSAGE_MAP(SECMenuBarFeature, SECBmpMenuPlugIn)
    ON_NOTIFY_EX_RANGE(SEC_TBN_DROPDOWN, 0, 0xFFFF, OnBarNotify)
    ON_NOTIFY_EX_RANGE(SEC_TBN_TRACKAGAIN, 0, 0xFFFF, OnBarNotify)
    ON_NOTIFY_EX_RANGE(SEC_TBN_TRACKSTART, 0, 0xFFFF, OnBarNotify)
    ON_NOTIFY_EX_RANGE(SEC_TBN_TRACKEND, 0, 0xFFFF, OnBarNotify)
    ON_WM_SYSCOMMAND()
    ON_WM_NCACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_REGISTERED_MESSAGE(g_nMsgSecMenuProd, OnMenuProdMessage)
END_MESSAGE_MAP()

namespace {

// A click on the caption's system-menu icon (SC_MOUSEMENU with the icon's hit code).
const UINT kSysMenuClick = 0xF093;

// The menu bars' state of the thread: one popup is open at a time.
struct MenuBarState {
    SECMenuBarMessages* pActive = nullptr; // tracking, or showing a popup
    HWND hWndOpenBar = nullptr;            // the bar whose popup is open
    SECTBNOTIFY pending = {};              // the request waiting for the open popup to close
    BOOL bPending = FALSE;
    POINT ptLastMouse = {};                // the last mouse place the hooks saw
    BOOL bMouseSeen = FALSE;               // ... once they saw one since they were installed
    BOOL bSysMenuOpen = FALSE;             // the open popup is the frame's system menu
    HHOOK hMsgFilter = nullptr;
    HHOOK hKeyboard = nullptr;
    HHOOK hMouse = nullptr;
};

MenuBarState& State()
{
    static MenuBarState state;
    return state;
}

void InstallHook(HHOOK& hHook, int idHook, HOOKPROC pfnHook)
{
    if (hHook == nullptr)
        hHook = ::SetWindowsHookExA(idHook, pfnHook, nullptr, ::GetCurrentThreadId());
    State().bMouseSeen = FALSE;
}

void RemoveHook(HHOOK& hHook)
{
    if (hHook != nullptr)
        ::UnhookWindowsHookEx(hHook);
    hHook = nullptr;
}

// Notes a mouse move; TRUE when it went to a new place (the first move after a hook went in only
// records it).
BOOL IsNewMousePlace(POINT pt)
{
    MenuBarState& s = State();
    const BOOL bNew = s.bMouseSeen && (pt.x != s.ptLastMouse.x || pt.y != s.ptLastMouse.y);
    s.bMouseSeen = TRUE;
    s.ptLastMouse = pt;
    return bNew;
}

// The frame's caption icon on the screen: its window's corner, inside its sizing border when it has
// one, SM_CXSIZE by SM_CYSIZE.
CRect CaptionIconRect(HWND hWndFrame)
{
    CRect rect;
    ::GetWindowRect(hWndFrame, &rect);
    if (::GetWindowLongA(hWndFrame, GWL_STYLE) & WS_THICKFRAME)
        rect.OffsetRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    return CRect(rect.TopLeft(), CSize(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE)));
}

BOOL IsButtonDown(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

// EnumChildWindows: stops at a window whose text's mnemonic is the character at lParam.
BOOL CALLBACK FindMnemonicWindow(HWND hWnd, LPARAM lParam)
{
    char* pKey = reinterpret_cast<char*>(lParam);
    char szText[256] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    if (*pKey != 0 && SECMnemonicOf(szText) == *pKey) {
        *pKey = 0; // found
        return FALSE;
    }
    return TRUE;
}

} // namespace

// ---- SECMenuBarMessages -------------------------------------------------------------------------------

SECMenuBarMessages::SECMenuBarMessages()
    : m_bKeyboardMode(FALSE), m_bAltConsumed(FALSE), m_bMenuSelected(FALSE), m_bProdNext(TRUE),
      m_nDropDownPosted(-1), m_pMenuBar(nullptr)
{
}

SECMenuBarMessages::~SECMenuBarMessages()
{
    MenuBarState& s = State();
    if (s.pActive != this)
        return;
    RemoveHook(s.hKeyboard);
    RemoveHook(s.hMouse);
    RemoveHook(s.hMsgFilter);
    s.pActive = nullptr;
    s.bPending = FALSE;
}

SECMenuBarMessages* SECMenuBarMessages::GetActive()
{
    return State().pActive;
}

BOOL SECMenuBarMessages::IsPopupOpen()
{
    return State().hWndOpenBar != nullptr;
}

BOOL SECMenuBarMessages::IsSysMenuOpen()
{
    return State().bSysMenuOpen;
}

BOOL SECMenuBarMessages::AreTrackingHooksInstalled()
{
    return State().hKeyboard != nullptr && State().hMouse != nullptr;
}

BOOL SECMenuBarMessages::IsMsgFilterInstalled()
{
    return State().hMsgFilter != nullptr;
}

// ---- notifications ------------------------------------------------------------------------------------

void SECMenuBarMessages::OnTrackStart()
{
    MenuBarState& s = State();
    s.pActive = this;
    if (s.hKeyboard == nullptr && s.hMouse == nullptr) {
        InstallHook(s.hKeyboard, WH_KEYBOARD, KeyboardHook);
        InstallHook(s.hMouse, WH_MOUSE, MouseHook);
    }
}

void SECMenuBarMessages::OnTrackEnd()
{
    MenuBarState& s = State();
    if (s.hKeyboard != nullptr || s.hMouse != nullptr) {
        RemoveHook(s.hKeyboard);
        RemoveHook(s.hMouse);
    }
    if (s.pActive == this && s.hWndOpenBar == nullptr)
        s.pActive = nullptr;
}

SECTBNOTIFY SECMenuBarMessages::SystemMenuRequest() const
{
    SECTBNOTIFY request = {};
    request.tb.hdr.hwndFrom = m_pMenuBar != nullptr ? m_pMenuBar->m_hWnd : nullptr;
    request.tb.hdr.idFrom = m_pMenuBar != nullptr && m_pMenuBar->m_hWnd != nullptr ? UINT_PTR(m_pMenuBar->GetDlgCtrlID()) : 0;
    request.tb.hdr.code = UINT(SEC_TBN_DROPDOWN);
    request.nIndex = -1;
    request.nArg1 = 0;
    request.nArg2 = -1;
    return request;
}

void SECMenuBarMessages::OnDropDown(const SECTBNOTIFY& notify)
{
    MenuBarState& s = State();
    const HWND hWndFrame = GetFrameHwnd();
    SECTBNOTIFY request = notify;
    for (;;) {
        HMENU hMenu = nullptr;
        BOOL bSysMenu = FALSE;
        HWND hWndChild = nullptr;
        if (request.tb.hdr.code == UINT(SEC_TBN_TRACKAGAIN)) {
            // the open popup's title clicked again: it closes
        } else if (request.nArg2 >= 0) {
            hMenu = reinterpret_cast<HMENU>(
                ::SendMessageA(hWndFrame, g_nMsgSecGetMenu, WPARAM(UINT(request.nArg1)), LPARAM(request.nArg2)));
        } else if (request.nArg1 == 0) {
            hMenu = ::GetSystemMenu(hWndFrame, FALSE);
            if (hMenu != nullptr && ::GetMenuDefaultItem(hMenu, FALSE, 0) == UINT(-1))
                ::SetMenuDefaultItem(hMenu, SC_CLOSE, FALSE);
            bSysMenu = TRUE;
        } else {
            // the maximised child's system menu: its commands are the child's
            hMenu = reinterpret_cast<HMENU>(INT_PTR(request.nArg1));
            hWndChild = SECGetActiveMDIChild(m_pMenuBar);
            if (!::IsMenu(hMenu) || hWndChild == nullptr)
                hMenu = nullptr;
        }
        if (hMenu == nullptr) {
            if (s.hWndOpenBar != nullptr)
                ::SendMessageA(hWndFrame, WM_CANCELMODE, 0, 0);
            return;
        }
        if (s.hWndOpenBar != nullptr) {
            ::SendMessageA(hWndFrame, WM_CANCELMODE, 0, 0);
            s.pending = request;
            s.pending.nKept = 1;
            s.bPending = TRUE;
            return;
        }
        TrackPopup(request, hMenu, bSysMenu, hWndChild);
        if (!s.bPending) {
            if (m_pMenuBar != nullptr && m_pMenuBar->m_hWnd != nullptr)
                m_pMenuBar->CancelTracking();
            return;
        }
        request = s.pending;
        s.bPending = FALSE;
    }
}

void SECMenuBarMessages::TrackPopup(const SECTBNOTIFY& request, HMENU hMenu, BOOL bSysMenu, HWND hWndChild)
{
    MenuBarState& s = State();
    const HWND hWndFrame = GetFrameHwnd();
    CRect rect = CaptionIconRect(hWndFrame);
    if (!bSysMenu && m_pMenuBar != nullptr && m_pMenuBar->m_hWnd != nullptr) {
        rect = m_pMenuBar->GetItemRect(request.nIndex);
        m_pMenuBar->ClientToScreen(rect);
        if (const SECStdBtn* pBtn = m_pMenuBar->GetBtn(request.nIndex))
            m_pMenuBar->SetButtonStyle(request.nIndex, pBtn->GetStyle() | TBBS_PRESSED);
    }
    // whatever the popup's messages do, the popup's state goes with it
    struct OpenPopup {
        MenuBarState& s;
        ~OpenPopup()
        {
            RemoveHook(s.hMsgFilter);
            s.hWndOpenBar = nullptr;
            s.bSysMenuOpen = FALSE;
        }
    } open{s};
    s.pActive = this;
    s.hWndOpenBar = m_pMenuBar != nullptr ? m_pMenuBar->m_hWnd : hWndFrame;
    s.bSysMenuOpen = bSysMenu;
    InstallHook(s.hMsgFilter, WH_MSGFILTER, MsgFilterHook);
    TPMPARAMS tpm = {};
    tpm.cbSize = sizeof(tpm);
    tpm.rcExclude = rect;
    CWinServices* pServices = AfxGetServices();
    if (bSysMenu || hWndChild != nullptr) {
        const UINT nCommand =
            UINT(pServices->TrackPopupMenu(hMenu, TPM_RIGHTBUTTON | TPM_RETURNCMD, rect.left, rect.bottom, hWndFrame, &tpm));
        if (nCommand != 0)
            ::PostMessageA(bSysMenu ? hWndFrame : hWndChild, WM_SYSCOMMAND, nCommand, 0);
    } else {
        pServices->TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, rect.left, rect.bottom, hWndFrame, &tpm);
    }
}

// ---- actions ----------------------------------------------------------------------------------------

void SECMenuBarMessages::DropDownButton(int nIndex, BOOL bKeyboard)
{
    SECTBMenuBtn* pBtn = m_pMenuBar != nullptr ? dynamic_cast<SECTBMenuBtn*>(m_pMenuBar->GetBtn(nIndex)) : nullptr;
    if (pBtn == nullptr || m_pMenuBar->m_hWnd == nullptr)
        return;
    m_bKeyboardMode = bKeyboard;
    pBtn->PressDown(CPoint(0, 0));
}

void SECMenuBarMessages::OpenSystemMenu(BOOL bKeyboard)
{
    if (m_pMenuBar == nullptr || m_pMenuBar->m_hWnd == nullptr)
        return;
    m_bKeyboardMode = bKeyboard;
    // no menu button stands for the system menu
    m_pMenuBar->SetTrackedButton(-1);
    OnDropDown(SystemMenuRequest());
}

void SECMenuBarMessages::Prod(BOOL bNext)
{
    m_bProdNext = bNext;
    m_bMenuSelected = FALSE;
    ::PostMessageA(GetFrameHwnd(), g_nMsgSecMenuProd, kProdMove, 0);
}

void SECMenuBarMessages::OnMenuProd(WPARAM nKind)
{
    if (m_pMenuBar == nullptr || m_pMenuBar->m_hWnd == nullptr)
        return;
    if (nKind == kProdDropDown) {
        if (m_nDropDownPosted >= 0)
            DropDownButton(m_nDropDownPosted, TRUE);
        else
            OpenSystemMenu(TRUE);
        return;
    }
    if (m_bMenuSelected)
        return;
    const int nNext = m_pMenuBar->NextTrackableButton(m_pMenuBar->GetTrackedButton(), m_bProdNext);
    if (m_pMenuBar->IsTracking() && !IsPopupOpen()) {
        m_pMenuBar->SetTrackedButton(nNext);
        return;
    }
    if (nNext < 0)
        OpenSystemMenu(TRUE);
    else
        DropDownButton(nNext, TRUE);
}

// ---- the frame's messages -------------------------------------------------------------------------------

BOOL SECMenuBarMessages::IsViewMnemonic(UINT nKey) const
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(GetFrameHwnd()));
    CFrameWnd* pActive = pFrame != nullptr ? pFrame->GetActiveFrame() : nullptr;
    CView* pView = pActive != nullptr ? pActive->GetActiveView() : nullptr;
    if (pView == nullptr || pView->m_hWnd == nullptr)
        return FALSE;
    char cKey = SECUpperChar(nKey);
    ::EnumChildWindows(pView->m_hWnd, FindMnemonicWindow, reinterpret_cast<LPARAM>(&cKey));
    return cKey == 0;
}

BOOL SECMenuBarMessages::FilterFrameKey(const MSG& msg)
{
    SECMenuBar* pBar = m_pMenuBar;
    // a menu bar that does not show (a print preview hides it) takes no keys
    if (pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsWindowVisible() ||
        (msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSKEYUP))
        return FALSE;
    const UINT nKey = UINT(msg.wParam);
    const BOOL bAlt = AfxGetServices()->GetKeyState(VK_MENU) < 0;
    const BOOL bMenuKey = nKey == VK_MENU || nKey == VK_F10;
    if (msg.message == WM_SYSKEYUP) {
        if (!bMenuKey)
            return FALSE;
        if (!m_bAltConsumed) {
            if (pBar->IsTracking())
                pBar->EndTracking();
            else
                pBar->SetTrackedButton(pBar->FirstTrackableButton());
        }
        m_bAltConsumed = FALSE;
        return TRUE;
    }
    if (bAlt && (nKey <= 57 || (nKey >= 65 && nKey <= 122)) && IsViewMnemonic(nKey))
        return FALSE;
    if (bMenuKey) {
        if (pBar->IsTracking()) {
            pBar->EndTracking();
            m_bAltConsumed = TRUE;
        }
        return FALSE;
    }
    if (!bAlt)
        return FALSE;
    if (nKey == VK_SPACE) {
        pBar->CancelTracking();
        OpenSystemMenu(TRUE);
        return TRUE;
    }
    const int nIndex = pBar->FindMnemonic(char(nKey));
    if (nIndex < 0)
        return FALSE;
    pBar->CancelTracking();
    DropDownButton(nIndex, TRUE);
    return TRUE;
}

BOOL SECMenuBarMessages::FilterSysCommand(UINT nID, LPARAM lParam)
{
    SECMenuBar* pBar = m_pMenuBar;
    if (pBar == nullptr || pBar->m_hWnd == nullptr)
        return FALSE;
    if ((nID & 0xFFF0) == SC_KEYMENU) {
        const UINT nKey = LOWORD(lParam);
        if (nKey == ' ' || nKey == '-') {
            pBar->CancelTracking();
            OpenSystemMenu(TRUE);
        } else {
            const int nIndex = pBar->IsWindowVisible() ? pBar->FindMnemonic(SECUpperChar(nKey)) : -1;
            if (nIndex >= 0) {
                pBar->CancelTracking();
                DropDownButton(nIndex, TRUE);
            }
        }
        return TRUE;
    }
    if (nID == kSysMenuClick) {
        OpenSystemMenu(FALSE);
        return TRUE;
    }
    return FALSE;
}

void SECMenuBarMessages::OnFramePopup()
{
    if (!m_bKeyboardMode)
        return;
    ::PostMessageA(GetFrameHwnd(), WM_KEYDOWN, VK_DOWN, 0);
    m_bKeyboardMode = FALSE;
}

// ---- the hooks ------------------------------------------------------------------------------------------

BOOL SECMenuBarMessages::FilterTrackingKey(UINT nVirtKey, LPARAM lParam)
{
    SECMenuBar* pBar = m_pMenuBar;
    if (IsPopupOpen() || pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsTracking())
        return FALSE;
    if (lParam & 0x80000000) // a release
        return nVirtKey != VK_MENU;
    // A popup's loop would see the key the hook is deciding on again: what opens a popup is posted.
    switch (nVirtKey) {
    case VK_RETURN:
    case VK_DOWN:
        m_nDropDownPosted = pBar->GetTrackedButton();
        pBar->EndTracking();
        ::PostMessageA(GetFrameHwnd(), g_nMsgSecMenuProd, kProdDropDown, 0);
        return TRUE;
    case VK_ESCAPE:
        pBar->CancelTracking();
        return TRUE;
    case VK_LEFT:
    case VK_RIGHT:
        Prod(nVirtKey == VK_RIGHT);
        return TRUE;
    case VK_MENU:
    case VK_F10:
        return FALSE;
    default: {
        // the key's character, as the system would send it with SC_KEYMENU (none for function keys)
        const UINT nChar = ::MapVirtualKeyA(nVirtKey, MAPVK_VK_TO_CHAR) & 0xFFFF;
        if (nChar != 0)
            ::PostMessageA(GetFrameHwnd(), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(nChar));
        return TRUE;
    }
    }
}

void SECMenuBarMessages::FilterTrackingMouse(UINT message, POINT point)
{
    SECMenuBar* pBar = m_pMenuBar;
    if (IsPopupOpen() || pBar == nullptr || pBar->m_hWnd == nullptr || !pBar->IsTracking())
        return;
    if (IsButtonDown(message)) {
        pBar->CancelTracking();
        return;
    }
    if ((message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE) || !IsNewMousePlace(point))
        return;
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    if (!rectBar.PtInRect(point))
        return;
    CPoint ptClient(point);
    pBar->ScreenToClient(&ptClient);
    const int nIndex = pBar->HitTest(ptClient);
    if (nIndex != pBar->GetTrackedButton() && pBar->IsTrackable(nIndex))
        pBar->SetTrackedButton(nIndex);
}

BOOL SECMenuBarMessages::FilterMenuMessage(const MSG& msg)
{
    MenuBarState& s = State();
    const HWND hWndFrame = GetFrameHwnd();
    const UINT message = msg.message;
    const BOOL bDouble = message == WM_LBUTTONDBLCLK || message == WM_NCLBUTTONDBLCLK;
    if (s.bSysMenuOpen && (bDouble || message == WM_LBUTTONDOWN || message == WM_NCLBUTTONDOWN) &&
        CaptionIconRect(hWndFrame).PtInRect(msg.pt)) {
        ::SendMessageA(hWndFrame, WM_CANCELMODE, 0, 0);
        const UINT nDefault = ::GetMenuDefaultItem(::GetSystemMenu(hWndFrame, FALSE), FALSE, 0);
        if (bDouble && nDefault != UINT(-1))
            ::PostMessageA(hWndFrame, WM_SYSCOMMAND, nDefault, 0);
        return TRUE;
    }
    switch (message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)
            Prod(msg.wParam == VK_RIGHT);
        return FALSE;
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU)
            m_bAltConsumed = TRUE;
        return FALSE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
        const BOOL bNewPlace = message == WM_MOUSEMOVE ? IsNewMousePlace(msg.pt) : TRUE;
        CRect rectBar;
        if (s.hWndOpenBar == nullptr || m_pMenuBar == nullptr || m_pMenuBar->m_hWnd != s.hWndOpenBar ||
            !::GetWindowRect(s.hWndOpenBar, &rectBar) || !rectBar.PtInRect(msg.pt))
            return FALSE;
        return !bNewPlace || m_pMenuBar->FilterTrackingMouse(msg);
    }
    default:
        return FALSE;
    }
}

LRESULT CALLBACK SECMenuBarMessages::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages* pActive = State().pActive;
    if (nCode == HC_ACTION && pActive != nullptr &&
        AfxCallProtected(FALSE, [&] { return pActive->FilterTrackingKey(UINT(wParam), lParam); }))
        return 1;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK SECMenuBarMessages::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages* pActive = State().pActive;
    const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pActive != nullptr && pInfo != nullptr) {
        AfxCallProtected(0, [&] {
            pActive->FilterTrackingMouse(UINT(wParam), pInfo->pt);
            return 0;
        });
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK SECMenuBarMessages::MsgFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages* pActive = State().pActive;
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == MSGF_MENU && pActive != nullptr && pMsg != nullptr &&
        AfxCallProtected(FALSE, [&] { return pActive->FilterMenuMessage(*pMsg); }))
        return 1;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// ---- SECMenuBarFeature -------------------------------------------------------------------------------------

SECMenuBarFeature::SECMenuBarFeature(BOOL bCheckMark) : SECBmpMenuPlugIn(bCheckMark)
{
}

BOOL SECMenuBarFeature::PreTranslateMessage(MSG* pMsg)
{
    return pMsg != nullptr && IsEnabled() && FilterFrameKey(*pMsg);
}

BOOL SECMenuBarFeature::IsSysMenuPopup() const
{
    return IsSysMenuOpen();
}

BOOL SECMenuBarFeature::OnBarNotify(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    (void)nID;
    if (m_pMenuBar == nullptr || pNMHDR == nullptr || pNMHDR->hwndFrom != m_pMenuBar->m_hWnd)
        return FALSE;
    switch (int(pNMHDR->code)) {
    case SEC_TBN_TRACKSTART:
        OnTrackStart();
        break;
    case SEC_TBN_TRACKEND:
        OnTrackEnd();
        break;
    default:
        OnDropDown(*reinterpret_cast<const SECTBNOTIFY*>(pNMHDR));
        break;
    }
    // after the popup's own messages have passed through the plug-in
    if (pResult != nullptr)
        *pResult = 0;
    m_bExitDefault = TRUE;
    SetResult(0);
    return TRUE;
}

void SECMenuBarFeature::OnSysCommand(UINT nID, LPARAM lParam)
{
    const BOOL bSwallowed = FilterSysCommand(nID, lParam);
    m_bExitDefault = bSwallowed;
    if (bSwallowed)
        SetResult(0);
}

BOOL SECMenuBarFeature::OnNcActivate(BOOL bActive)
{
    if (!bActive && m_pMenuBar != nullptr && m_pMenuBar->m_hWnd != nullptr)
        m_pMenuBar->CancelTracking();
    // the bar's notification passed through the plug-in meanwhile: the frame handles this message
    m_bExitDefault = FALSE;
    m_bResultSet = FALSE;
    return TRUE;
}

void SECMenuBarFeature::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    (void)pPopupMenu;
    (void)nIndex;
    (void)bSysMenu;
    OnFramePopup();
}

void SECMenuBarFeature::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    (void)nItemID;
    // not the menu closing
    if (nFlags != 0xFFFF || hSysMenu != nullptr)
        m_bMenuSelected = TRUE;
}

LRESULT SECMenuBarFeature::OnMenuProdMessage(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    OnMenuProd(wParam);
    m_bExitDefault = TRUE;
    SetResult(0);
    return 0;
}
