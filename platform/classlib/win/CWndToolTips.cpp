// CWnd: the tooltip relay. One tooltip control serves the thread; the window under the mouse names
// the tool there (OnToolHitTest), and the relay adds that tool to the control when the hit changes and
// passes the mouse messages on to it. Of the windows a message passes on its way out to the main
// window, the innermost that names a tool relays it; the others leave it alone.
#include "win/CWnd.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/WndInternal.h"

namespace {

struct ToolTipState {
    HWND hWndTip = nullptr;  // the thread's tooltip control
    INT_PTR nLastHit = -1;   // the tool added last (-1: none)
    TOOLINFOA tiLast = {};   // its record (hwnd and uId identify it)
    MSG msgNamed = {};       // the mouse message a window last named its tool for
    bool bNamed = false;     // ... while it is the message being pre-translated
    CString strText;         // text handed out for the last TTN_GETDISPINFOA
    WCHAR szWideText[1024];  // ... and for TTN_GETDISPINFOW
};

ToolTipState& TipState()
{
    static ToolTipState state;
    return state;
}

// The thread's tooltip control, made on first use (owned by hWndOwner's top-level window).
HWND EnsureToolTip(HWND hWndOwner)
{
    ToolTipState& st = TipState();
    if (st.hWndTip != nullptr && !::IsWindow(st.hWndTip)) {
        // its owner went and took it along
        st.hWndTip = nullptr;
        st.nLastHit = -1;
    }
    if (st.hWndTip == nullptr) {
        AfxInitCommonControls();
        HWND hWndTop = hWndOwner;
        while (hWndTop != nullptr && (::GetWindowLongA(hWndTop, GWL_STYLE) & WS_CHILD))
            hWndTop = ::GetParent(hWndTop);
        st.hWndTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWndTop, nullptr,
                                       AfxGetInstanceHandle(), nullptr);
        st.nLastHit = -1;
    }
    return st.hWndTip;
}

bool IsToolTipMouseMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        return true;
    default:
        return false;
    }
}

// The same message as offered to the pre-translation of every window on its way to the main window.
bool SameMessage(const MSG& a, const MSG& b)
{
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
           a.time == b.time && a.pt.x == b.pt.x && a.pt.y == b.pt.y;
}

} // namespace

void AfxInitCommonControls()
{
    static bool s_done = false;
    if (!s_done) {
        INITCOMMONCONTROLSEX init = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&init);
        s_done = true;
    }
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    const BOOL bOld = m_wndState.bToolTips;
    m_wndState.bToolTips = bEnable;
    if (bEnable && m_hWnd != nullptr)
        EnsureToolTip(m_hWnd);
    if (!bEnable)
        AfxForgetToolTipsOf(m_hWnd);
    return bOld;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    const int nID = ::GetDlgCtrlID(hWndChild);
    if (nID == 0)
        return -1;
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = UINT_PTR(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return nID;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (pMsg == nullptr || !IsToolTipMouseMessage(pMsg->message) || m_hWnd == nullptr)
        return;
    const HWND hWndTip = EnsureToolTip(m_hWnd);
    if (hWndTip == nullptr)
        return;
    ToolTipState& st = TipState();
    // A mouse message is offered to every window from the one under the mouse out to the main window:
    // the first of them that names a tool there keeps it, and the windows around it (a frame names
    // its child bar, which has no text) do not take it away.
    if (st.bNamed && SameMessage(st.msgNamed, *pMsg))
        return;
    st.bNamed = false;

    POINT point = pMsg->pt;
    ::ScreenToClient(m_hWnd, &point);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    const INT_PTR nHit = OnToolHitTest(CPoint(point), &ti);
    const bool bSame = nHit == st.nLastHit && (nHit == -1 || (ti.hwnd == st.tiLast.hwnd && ti.uId == st.tiLast.uId));
    if (!bSame) {
        if (st.nLastHit != -1)
            ::SendMessageA(hWndTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&st.tiLast));
        if (nHit != -1) {
            if (ti.hwnd == nullptr)
                ti.hwnd = m_hWnd;
            ::SendMessageA(hWndTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
            ::SendMessageA(hWndTip, TTM_ACTIVATE, TRUE, 0);
            st.tiLast = ti;
            st.tiLast.lpszText = nullptr; // the control keeps its own copy
        }
        st.nLastHit = nHit;
    }
    if (nHit != -1) {
        st.msgNamed = *pMsg;
        st.bNamed = true;
    }
    MSG relay = *pMsg;
    ::SendMessageA(hWndTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
}

void CWnd::CancelToolTips(BOOL bKeys)
{
    (void)bKeys;
    ToolTipState& st = TipState();
    if (st.hWndTip != nullptr && ::IsWindow(st.hWndTip))
        ::SendMessageA(st.hWndTip, TTM_POP, 0, 0);
}

HWND CWnd::GetThreadToolTip()
{
    ToolTipState& st = TipState();
    if (st.hWndTip != nullptr && !::IsWindow(st.hWndTip))
        st.hWndTip = nullptr;
    return st.hWndTip;
}

void AfxForgetToolTipsOf(HWND hWnd)
{
    ToolTipState& st = TipState();
    if (hWnd == nullptr || st.nLastHit == -1 || st.tiLast.hwnd != hWnd)
        return;
    if (st.hWndTip != nullptr && ::IsWindow(st.hWndTip))
        ::SendMessageA(st.hWndTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&st.tiLast));
    st.nLastHit = -1;
}

BOOL AfxDefaultToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (nID == 0 || pNMHDR == nullptr)
        return FALSE;
    CString full;
    CString tip;
    if (!AfxLoadString(nID, full) || !AfxExtractSubString(tip, full, 1, '\n') || tip.IsEmpty())
        return FALSE;
    ToolTipState& st = TipState();
    st.strText = tip;
    if (pNMHDR->code == TTN_GETDISPINFOA) {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        pInfo->lpszText = const_cast<LPSTR>(st.strText.GetString());
        pInfo->hinst = nullptr;
    } else {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        const int n = ::MultiByteToWideChar(CP_ACP, 0, st.strText, -1, st.szWideText,
                                            int(sizeof st.szWideText / sizeof st.szWideText[0]));
        if (n == 0)
            st.szWideText[0] = 0;
        pInfo->lpszText = st.szWideText;
        pInfo->hinst = nullptr;
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}
