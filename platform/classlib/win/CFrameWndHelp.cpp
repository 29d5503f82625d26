// Help: the frame's help mode, its help hit test and the help messages, and the call of the help viewer.
#include "win/CFrameWnd.h"

#include "win/CPreviewView.h"
#include "win/MouseLoop.h"
#include "win/WinServices.h"

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    CString strHelp = path;
    const int nDot = strHelp.ReverseFind('.');
    if (nDot > strHelp.ReverseFind('\\'))
        strHelp = strHelp.Left(nDot);
    strHelp += ".hlp";
    const HWND hWndTop = m_hWnd != nullptr ? ::GetAncestor(m_hWnd, GA_ROOT) : nullptr;
    AfxGetServices()->WinHelp(hWndTop, strHelp, nCmd, dwData);
}

void CFrameWnd::ExitHelpMode()
{
    if (!m_frameState.bHelpMode)
        return;
    m_frameState.bHelpMode = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CFrameWnd::OnContextHelp()
{
    if (m_frameState.bHelpMode || ::GetCapture() != nullptr)
        return;
    m_frameState.bHelpMode = TRUE;
    const HCURSOR hHelpCursor = ::LoadCursorA(nullptr, IDC_HELP);
    ::SetCursor(hHelpCursor);
    // a press that opens a menu gives the capture away; help mode takes it again afterwards
    BOOL bAgain = FALSE;
    do {
        bAgain = FALSE;
        AfxRunMouseLoop(this, [&](const MSG& msg) {
            switch (msg.message) {
            case WM_LBUTTONDOWN: {
                POINT pt = {short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam))};
                ::ClientToScreen(msg.hwnd, &pt);
                const DWORD dwContext = HelpHitTest(CPoint(pt));
                if (!m_frameState.bHelpMode)
                    return afxLoopDone; // a command chosen meanwhile gave its help
                if (dwContext == AFX_HELP_CONTINUE) {
                    bAgain = TRUE;
                    return afxLoopCancel;
                }
                ExitHelpMode();
                if (dwContext != 0)
                    WinHelp(dwContext, HELP_CONTEXT);
                return afxLoopDone;
            }
            case WM_MOUSEMOVE:
                ::SetCursor(hHelpCursor);
                return afxLoopContinue;
            case WM_KEYDOWN:
                return msg.wParam == VK_ESCAPE ? afxLoopCancel : afxLoopContinue;
            case WM_KEYUP:
            case WM_CHAR:
            case WM_LBUTTONUP:
                return afxLoopContinue;
            case WM_RBUTTONDOWN:
            case WM_EXITHELPMODE:
                return afxLoopCancel;
            default:
                return afxLoopDispatch;
            }
        });
    } while (bAgain && m_frameState.bHelpMode);
    ExitHelpMode();
}

DWORD CFrameWnd::HelpHitTest(CPoint ptScreen)
{
    HWND hWndHit = AfxGetServices()->WindowFromPoint(ptScreen);
    // only the frame's windows: its descendants and the windows it owns (floating frames)
    if (hWndHit == nullptr || ::GetAncestor(hWndHit, GA_ROOTOWNER) != ::GetAncestor(m_hWnd, GA_ROOTOWNER))
        return 0;
    LRESULT nHit = ::SendMessageA(hWndHit, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    // a window that lets the mouse through (a static text) leaves the hit to its parent
    while (nHit == HTTRANSPARENT && (::GetWindowLongA(hWndHit, GWL_STYLE) & WS_CHILD) != 0) {
        hWndHit = ::GetParent(hWndHit);
        nHit = ::SendMessageA(hWndHit, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    if (nHit != HTCLIENT)
        return nHit >= 0 ? HID_BASE_NCAREAS + DWORD(nHit) : 0;
    for (HWND hWnd = hWndHit; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        POINT pt = ptScreen;
        ::ScreenToClient(hWnd, &pt);
        const LRESULT lContext = ::SendMessageA(hWnd, WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (lContext != 0)
            return DWORD(lContext);
        if (hWnd == m_hWnd)
            break;
    }
    return m_frameState.nIDHelp != 0 ? HID_BASE_RESOURCE + m_frameState.nIDHelp : 0;
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    // a menu item or an accelerator while in help mode: its help, not the command
    if (m_frameState.bHelpMode && lParam == 0 && nID != 0) {
        ExitHelpMode();
        WinHelp(HID_BASE_COMMAND + nID, HELP_CONTEXT);
        return TRUE;
    }
    // one from outside the print preview ends it first, unless the command would not run anyway (grey,
    // as its menu item shows it: disabled, or handled by nobody)
    if (m_frameState.pPreview != nullptr && lParam == 0 && nID != 0 && !CPreviewView::IsPreviewCommand(nID)) {
        AFX_CMDHANDLERINFO info = {};
        if (!IsCommandEnabled(nID) || !OnCmdMsg(nID, int(CN_COMMAND), nullptr, &info))
            return TRUE;
        m_frameState.pPreview->EndPreview();
    }
    return CWnd::OnCommand(wParam, lParam);
}

LRESULT CFrameWnd::OnHelpHitTest(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return m_frameState.nIDHelp != 0 ? LRESULT(HID_BASE_RESOURCE + m_frameState.nIDHelp) : 0;
}

LRESULT CFrameWnd::OnCommandHelp(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    DWORD dwContext = DWORD(lParam);
    const UINT nIDTracking = m_frameState.nIDTracking;
    if (dwContext == 0 && nIDTracking != 0 && nIDTracking != AFX_IDS_IDLEMESSAGE)
        dwContext = HID_BASE_COMMAND + nIDTracking;
    if (dwContext == 0 && m_frameState.nIDHelp != 0)
        dwContext = HID_BASE_RESOURCE + m_frameState.nIDHelp;
    if (dwContext == 0)
        return FALSE;
    WinHelp(dwContext, HELP_CONTEXT);
    return TRUE;
}

LRESULT CFrameWnd::OnExitHelpMode(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    ExitHelpMode();
    return 0;
}
