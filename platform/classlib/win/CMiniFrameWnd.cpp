// CMiniFrameWnd and CMiniDockFrameWnd: the small floating frame, its styles and synchronised caption;
// the floating frame of docking bars around its dock bar.
#include <vector>

#include "win/CMiniFrameWnd.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CDockContext.h"
#include "win/CMenu.h"
#include "win/WndInternal.h"


IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_SHOWWINDOW()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

// ---- mini frame ------------------------------------------------------------------------------------------

namespace {

// Posted by a mini frame to itself after its owner turned active: it comes back above the owner.
const WPARAM kFloatRaise = 0x0100;
// posted by a hidden frame that was made active: the activation goes back to its owner
const WPARAM kFloatGiveBack = 0x0200;

// TRUE when hWnd is a window of hWndOwner's that keeps its caption in step with it (MFS_SYNCACTIVE).
BOOL IsSyncedWindowOf(HWND hWnd, HWND hWndOwner)
{
    return hWnd != nullptr && ::GetWindow(hWnd, GW_OWNER) == hWndOwner &&
           dynamic_cast<CMiniFrameWnd*>(CWnd::FromHandlePermanent(hWnd)) != nullptr &&
           (::GetWindowLongA(hWnd, GWL_STYLE) & MFS_SYNCACTIVE) != 0;
}

} // namespace

CMiniFrameWnd::CMiniFrameWnd() : m_bOwnerActive(FALSE) {}

CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd)
{
    if (lpszClassName == nullptr)
        lpszClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD dwWindowStyle = dwStyle | WS_POPUP;
    if (dwStyle & MFS_THICKFRAME)
        dwWindowStyle |= WS_THICKFRAME;
    return CFrameWnd::Create(lpszClassName, lpszWindowName, dwWindowStyle, rect, pParentWnd, nullptr,
                             WS_EX_TOOLWINDOW);
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    LRESULT nHit = CFrameWnd::OnNcHitTest(point);
    const DWORD dwStyle = GetStyle();
    if ((dwStyle & MFS_BLOCKSYSMENU) && nHit == HTSYSMENU)
        nHit = HTCAPTION;
    if ((dwStyle & MFS_MOVEFRAME) && (nHit == HTBORDER || (nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT)))
        nHit = HTCAPTION;
    return nHit;
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if (GetStyle() & MFS_SYNCACTIVE)
        bActive = bActive || m_bOwnerActive;
    return BOOL(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

void CMiniFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    // a hidden frame can still be made active (a key after its close box brought it back so), and the
    // keys would then go to its controls out of sight: once this activation is over, its owner takes it
    if (nState != WA_INACTIVE && !IsWindowVisible())
        PostMessage(WM_FLOATSTATUS, kFloatGiveBack);
    if ((GetStyle() & MFS_SYNCACTIVE) == 0)
        return;
    const HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    CFrameWnd* pOwner = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWndOwner));
    if (pOwner == nullptr)
        return;
    const HWND hWndOther = pWndOther != nullptr ? pWndOther->m_hWnd : nullptr;
    if (nState != WA_INACTIVE)
        pOwner->SetStayActive(TRUE);
    else if (hWndOther != hWndOwner && !IsSyncedWindowOf(hWndOther, hWndOwner))
        pOwner->SetStayActive(FALSE);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (wParam == kFloatRaise) {
        if (IsWindowVisible())
            SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return TRUE;
    }
    if (wParam == kFloatGiveBack) {
        if (!IsWindowVisible())
            GiveBackActivation();
        return TRUE;
    }
    if ((GetStyle() & MFS_SYNCACTIVE) == 0 || (wParam & (FS_ACTIVATE | FS_DEACTIVATE)) == 0)
        return 0;
    m_bOwnerActive = (wParam & FS_ACTIVATE) != 0;
    DefWindowProc(WM_NCACTIVATE, m_bOwnerActive || ::GetActiveWindow() == m_hWnd, 0);
    if (m_bOwnerActive)
        PostMessage(WM_FLOATSTATUS, kFloatRaise);
    return TRUE;
}

void CMiniFrameWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CFrameWnd::OnShowWindow(bShow, nStatus);
    if (bShow && (GetStyle() & MFS_SYNCACTIVE)) {
        const HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
        m_bOwnerActive = hWndOwner != nullptr && ::GetActiveWindow() == hWndOwner;
        if (m_bOwnerActive)
            DefWindowProc(WM_NCACTIVATE, TRUE, 0);
    }
}

void CMiniFrameWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CFrameWnd::OnWindowPosChanging(lpwndpos);
    // given back while the frame still shows: the display's own focus then follows the owner, where
    // once the frame's window is gone it would come back to it with the next key
    if (lpwndpos != nullptr && (lpwndpos->flags & SWP_HIDEWINDOW) && IsWindowVisible())
        GiveBackActivation();
}

void CMiniFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CFrameWnd::OnWindowPosChanged(lpwndpos);
    if (lpwndpos != nullptr && (lpwndpos->flags & SWP_HIDEWINDOW))
        GiveBackActivation();
}

void CMiniFrameWnd::GiveBackActivation()
{
    const HWND hWndFocus = ::GetFocus();
    const BOOL bFocusHere = hWndFocus != nullptr && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus));
    if (::GetActiveWindow() != m_hWnd && !bFocusHere)
        return;
    const HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner == nullptr || !::IsWindowVisible(hWndOwner) || !::IsWindowEnabled(hWndOwner))
        return;
    // the foreground too: else the display keeps sending the keys to this hidden frame
    if (::GetForegroundWindow() == m_hWnd)
        ::SetForegroundWindow(hWndOwner);
    if (::GetActiveWindow() != hWndOwner)
        ::SetActiveWindow(hWndOwner);
    // the activation may leave the focus where it was, in this hidden frame: the owner takes it (a
    // frame hands it on to its active view)
    const HWND hWndNow = ::GetFocus();
    if (hWndNow == nullptr || !::IsWindowVisible(hWndNow) || !::IsWindowEnabled(hWndNow))
        ::SetFocus(hWndOwner);
}

// ---- floating frame of docking bars ----------------------------------------------------------------------

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE), m_bInRecalcLayout(FALSE) {}

CMiniDockFrameWnd::~CMiniDockFrameWnd() = default;

CDockBar* CMiniDockFrameWnd::GetDockBar()
{
    return &m_wndDockBar;
}

BOOL CMiniDockFrameWnd::CreateDockBar(DWORD dwStyle, UINT nID)
{
    return m_wndDockBar.Create(this, dwStyle, nID);
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    AfxRequirePointer(pParent, "CMiniDockFrameWnd::Create", "pParent");
    DWORD dwStyle = WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_BLOCKSYSMENU | MFS_SNAPTOBARS;
    if ((dwBarStyle & CBRS_SIZE_DYNAMIC) == 0)
        dwStyle |= MFS_MOVEFRAME;
    if (!CMiniFrameWnd::Create(nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent))
        return FALSE;
    const DWORD dwDockStyle = WS_CHILD | WS_VISIBLE |
                              ((dwBarStyle & CBRS_ORIENT_VERT) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP) |
                              (dwBarStyle & CBRS_FLOAT_MULTI);
    if (!CreateDockBar(dwDockStyle, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    PrepareSystemMenu();
    return TRUE;
}

void CMiniDockFrameWnd::PrepareSystemMenu()
{
    CMenu* pMenu = GetSystemMenu(FALSE);
    if (pMenu == nullptr)
        return;
    for (UINT nCommand : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        pMenu->DeleteMenu(nCommand, MF_BYCOMMAND);
    pMenu->ModifyMenu(SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, AfxLoadLibraryString(AFX_IDS_HIDE));
}

CControlBar* CMiniDockFrameWnd::GetSingleBar()
{
    CDockBar* pDockBar = GetDockBar();
    if (pDockBar->m_hWnd == nullptr || (pDockBar->GetBarStyle() & CBRS_FLOAT_MULTI))
        return nullptr;
    for (const CDockBar::Entry& e : pDockBar->m_arrBars)
        if (e.IsBar())
            return e.pBar;
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    CDockBar* pDockBar = GetDockBar();
    if (m_bInRecalcLayout || m_hWnd == nullptr || pDockBar->m_hWnd == nullptr)
        return;
    const CAfxFlagScope guard(m_bInRecalcLayout);

    // the frame takes the size of its bars (their layout also places them)
    const CSize size = pDockBar->CalcFixedLayout(FALSE, (pDockBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0);
    CRect rectWanted(CPoint(0, 0), size);
    CalcWindowRect(rectWanted);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (rectWindow.Size() != rectWanted.Size())
        SetWindowPos(nullptr, 0, 0, rectWanted.Width(), rectWanted.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CFrameWnd::RecalcLayout(bNotify);

    CString strTitle;
    pDockBar->GetWindowText(strTitle);
    AfxSetWindowTextIfChanged(this, strTitle);
    if (pDockBar->GetDockedVisibleCount() > 0) {
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNA);
    } else if (IsWindowVisible()) {
        ShowWindow(SW_HIDE);
    }
}

void CMiniDockFrameWnd::OnClose()
{
    CDockBar* pDockBar = GetDockBar();
    if (pDockBar->GetDockedCount() == 0) {
        DestroyWindow();
        return;
    }
    std::vector<CControlBar*> bars;
    for (const CDockBar::Entry& e : pDockBar->m_arrBars)
        if (e.IsBar())
            bars.push_back(e.pBar);
    for (CControlBar* pBar : bars) {
        CFrameWnd* pFrame = pBar->GetDockSite();
        (pFrame != nullptr ? pFrame : this)->ShowControlBar(pBar, FALSE, FALSE);
    }
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION) {
        CControlBar* pBar = GetSingleBar();
        if (pBar != nullptr && pBar->GetDockContext() != nullptr) {
            // the drag may dock the bar and so destroy this frame: nothing of it is touched afterwards
            pBar->GetDockContext()->StartDrag(point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION) {
        CControlBar* pBar = GetSingleBar();
        if (pBar != nullptr && pBar->GetDockContext() != nullptr) {
            pBar->GetDockContext()->ToggleDocking();
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
