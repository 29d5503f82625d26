#include "win/WinServices.h"

#include "win/AfxResource.h"
#include "win/CDialog.h"
#include "win/CPropertySheet.h"
#include "win/CWinApp.h"
#include "win/CWnd.h"
#include "win/WndInternal.h"

#include <oledlg.h>

#include <algorithm>
#include <cstdint>

CWinServices::~CWinServices() = default;

namespace {

// The control id of the text in the system's message box.
const int kMessageBoxTextId = 0xFFFF;

// Where the ink of text ends (right and bottom, from the top-left corner of its rectangle) when it is
// drawn in hFont into a rectangle cx wide with nFormat, unclipped: DrawText's own measure of a line
// broken inside a long word can be short of the ink by a letter.
CSize InkExtent(HFONT hFont, const CString& text, int cx, int cyLines, UINT nFormat)
{
    const int nWidth = 2 * cx + 64, nHeight = cyLines + 64;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    const HDC hDC = ::CreateCompatibleDC(nullptr);
    const HBITMAP hBitmap = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    CSize ink(0, 0);
    if (hBitmap != nullptr) {
        const HGDIOBJ hOldBitmap = ::SelectObject(hDC, hBitmap);
        const HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
        const uint32_t* pPixels = static_cast<const uint32_t*>(pBits);
        std::fill(static_cast<uint32_t*>(pBits), static_cast<uint32_t*>(pBits) + nWidth * nHeight, 0xFFFFFFu);
        ::SetTextColor(hDC, RGB(0, 0, 0));
        ::SetBkMode(hDC, TRANSPARENT);
        RECT rect = {0, 0, cx, cyLines};
        ::DrawTextA(hDC, text, -1, &rect, nFormat | DT_NOCLIP);
        ::GdiFlush();
        for (int y = 0; y < nHeight; y++)
            for (int x = 0; x < nWidth; x++)
                if ((pPixels[y * nWidth + x] & 0xFFFFFFu) != 0xFFFFFFu)
                    ink = CSize((std::max)(int(ink.cx), x + 1), y + 1);
        ::SelectObject(hDC, hOldFont);
        ::SelectObject(hDC, hOldBitmap);
        ::DeleteObject(hBitmap);
    }
    ::DeleteDC(hDC);
    return ink;
}

// The system lays its message box out from the size DrawText gives its text, but a line that it breaks
// inside a word wider than a line (a long path) can run a letter past that size, and the text's static
// clips it; and a text of very many lines makes a box taller than the screen, its buttons out of
// reach. The static is widened until the ink of its text fits, and made as high as its lines then
// need, both within the screen's work area: a text too long for the screen's height is given the
// whole width first, and what still does not fit is cut at the bottom, so that the buttons stay on
// the screen. The children below the text (the buttons) move down or up with its bottom, and the box
// grows or shrinks as much about its centre, so that they stay where they were across, and is moved
// into the work area.
void FitMessageBoxText(HWND hBox, HWND hText, const CString& text)
{
    CRect rectBox, rectText;
    ::GetWindowRect(hBox, &rectBox);
    ::GetWindowRect(hText, &rectText);
    ::MapWindowPoints(nullptr, hBox, reinterpret_cast<POINT*>(&rectText), 2);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoA(::MonitorFromWindow(hBox, MONITOR_DEFAULTTONEAREST), &monitor);
    const CRect work(monitor.rcWork);

    // as a left-aligned static draws its text
    const UINT nFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS |
                         ((::GetWindowLongA(hText, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(hText, WM_GETFONT, 0, 0));
    const HDC hDC = ::GetDC(hText);
    const HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
    // the most the text may take: the work area less what the box holds beside and below it
    const int nMostWidth = (std::max)(int(rectText.Width()), int(work.Width() - (rectBox.Width() - rectText.Width())));
    const int nMostHeight = (std::max)(1, int(work.Height() - (rectBox.Height() - rectText.Height())));
    int cx = rectText.Width(), cy = rectText.Height();
    // each widening may break the lines elsewhere: a few rounds, each wider than the last
    for (int nRound = 0; nRound < 16; nRound++) {
        RECT needed = {0, 0, cx, 0};
        ::DrawTextA(hDC, text, -1, &needed, nFormat | DT_CALCRECT);
        const CSize ink = InkExtent(hFont, text, cx, (std::min)(int(needed.bottom), nMostHeight), nFormat);
        cy = (std::max)({int(rectText.Height()), int(needed.bottom), int(ink.cy)});
        if (cx >= nMostWidth)
            break;
        if (ink.cx > cx)
            cx = (std::min)(int(ink.cx), nMostWidth);
        else if (cy > nMostHeight)
            cx = nMostWidth; // fewer, longer lines
        else
            break;
    }
    cy = (std::min)(cy, nMostHeight);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(hText, hDC);
    const int dx = cx - rectText.Width();
    const int dy = cy - rectText.Height();

    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (dx != 0 || dy != 0) {
        for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
            CRect rect;
            ::GetWindowRect(hChild, &rect);
            ::MapWindowPoints(nullptr, hBox, reinterpret_cast<POINT*>(&rect), 2);
            if (hChild != hText && rect.top >= rectText.bottom)
                ::SetWindowPos(hChild, nullptr, rect.left + dx / 2, rect.top + dy, 0, 0, nFlags | SWP_NOSIZE);
        }
        ::SetWindowPos(hText, nullptr, 0, 0, cx, cy, nFlags | SWP_NOMOVE);
    }
    CRect rect(rectBox.left - dx / 2, rectBox.top - dy / 2, rectBox.right + dx - dx / 2, rectBox.bottom + dy - dy / 2);
    rect.OffsetRect((std::max)(0, int(work.left - rect.left)) - (std::max)(0, int(rect.right - work.right)),
                    (std::max)(0, int(work.top - rect.top)) - (std::max)(0, int(rect.bottom - work.bottom)));
    if (rect != rectBox)
        ::SetWindowPos(hBox, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
}

// The message box a call of CWinServices::MessageBox waits for: its caption and text, and whether its
// box was laid out and fitted. A box opened while another shows (a nested call) stands above it.
struct MessageBoxFit {
    CString text;
    CString caption;
    BOOL bCaption = FALSE; // a caption was given (the system's own is not compared)
    BOOL bFitted = FALSE;
    MessageBoxFit* pOuter = nullptr;
};
thread_local MessageBoxFit* t_pMessageBoxFit = nullptr;

// Whether hWnd, a dialog being laid out, is the box that fit waits for: the system's message box
// shows its text in its static 0xFFFF and its caption as its window text. Another dialog opened while
// the box shows (its labels may have that id too) is not.
BOOL IsAwaitedMessageBox(HWND hWnd, const MessageBoxFit& fit, HWND& hText)
{
    hText = ::GetDlgItem(hWnd, kMessageBoxTextId);
    if (fit.bFitted || hText == nullptr || ::GetParent(hText) != hWnd)
        return FALSE;
    CString shown;
    const int nLength = ::GetWindowTextLengthA(hText);
    ::GetWindowTextA(hText, shown.GetBuffer(nLength + 1), nLength + 1);
    shown.ReleaseBuffer();
    if (shown != fit.text)
        return FALSE;
    if (!fit.bCaption)
        return TRUE;
    const int nCaption = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, shown.GetBuffer(nCaption + 1), nCaption + 1);
    shown.ReleaseBuffer();
    return shown == fit.caption;
}

// Fits the text of the message box that the innermost running call waits for, once it is laid out
// (FitMessageBoxText); every other dialog of the thread is left alone.
LRESULT CALLBACK MessageBoxFitHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* pMessage = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    MessageBoxFit* pFit = t_pMessageBoxFit;
    if (nCode == HC_ACTION && pMessage != nullptr && pMessage->message == WM_INITDIALOG && pFit != nullptr)
        AfxCallProtected(0, [pMessage, pFit] {
            HWND hText = nullptr;
            if (IsAwaitedMessageBox(pMessage->hwnd, *pFit, hText)) {
                pFit->bFitted = TRUE;
                FitMessageBoxText(pMessage->hwnd, hText, pFit->text);
            }
            return 0;
        });
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// The message filter of the system's common dialogs, which run their own loop: Escape and Alt+F4
// end them whatever control has the focus, as they end the library's dialogs.
LRESULT CALLBACK CommonDialogKeysHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    if (nCode == MSGF_DIALOGBOX && pMsg != nullptr && pMsg->hwnd != nullptr &&
        AfxCallProtected(FALSE, [pMsg] { return CDialog::PreTranslateCloseKey(::GetAncestor(pMsg->hwnd, GA_ROOT), pMsg); }))
        return 1;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Runs a common dialog (the call run) with that filter set on the thread.
template <class TRun>
BOOL RunCommonDialog(TRun run)
{
    const HHOOK hHook = ::SetWindowsHookExA(WH_MSGFILTER, &CommonDialogKeysHook, nullptr, ::GetCurrentThreadId());
    const BOOL bResult = run();
    if (hHook != nullptr)
        ::UnhookWindowsHookEx(hHook);
    return bResult;
}

} // namespace

int CWinServices::MessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    // the system's box, its text fitted once it is laid out
    MessageBoxFit fit;
    fit.text = lpszText != nullptr ? lpszText : "";
    fit.bCaption = lpszCaption != nullptr;
    fit.caption = fit.bCaption ? lpszCaption : "";
    fit.pOuter = t_pMessageBoxFit;
    t_pMessageBoxFit = &fit;
    const HWND hWndActive = ::GetActiveWindow();
    const HWND hWndFocus = ::GetFocus();
    const HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &MessageBoxFitHook, nullptr, ::GetCurrentThreadId());
    const int nResult = ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
    if (hHook != nullptr)
        ::UnhookWindowsHookEx(hHook);
    t_pMessageBoxFit = fit.pOuter;
    // the keyboard goes back where it was: the system gives the activation back to the box's owner
    // only (a box without owner left no window active, and the keys went nowhere), and to the owner
    // itself, not to its control that had the focus
    if (::GetActiveWindow() == nullptr && hWndActive != nullptr && ::IsWindow(hWndActive) &&
        ::IsWindowVisible(hWndActive) && ::IsWindowEnabled(hWndActive))
        ::SetActiveWindow(hWndActive);
    AfxRestoreOwnerFocus(hWndActive, hWndFocus);
    return nResult;
}

BOOL CWinServices::TrackPopupMenu(HMENU hMenu, UINT nFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm)
{
    return ::TrackPopupMenuEx(hMenu, nFlags, x, y, hWnd, lptpm);
}

INT_PTR CWinServices::DoModal(CDialog* pDialog)
{
    return pDialog->RunModalLoop();
}

INT_PTR CWinServices::DoModal(CPropertySheet* pSheet)
{
    return pSheet->RunModalLoop();
}

BOOL CWinServices::GetFileName(OPENFILENAMEW* pofn, BOOL bOpenFileDialog)
{
    return RunCommonDialog([&] { return bOpenFileDialog ? ::GetOpenFileNameW(pofn) : ::GetSaveFileNameW(pofn); });
}

BOOL CWinServices::ChooseColor(CHOOSECOLORA* pcc)
{
    return RunCommonDialog([&] { return ::ChooseColorA(pcc); });
}

BOOL CWinServices::ChooseFont(CHOOSEFONTA* pcf)
{
    return RunCommonDialog([&] { return ::ChooseFontA(pcf); });
}

BOOL CWinServices::PrintDlg(PRINTDLGA* ppd)
{
    return RunCommonDialog([&] { return ::PrintDlgA(ppd); });
}

HWND CWinServices::FindReplace(FINDREPLACEA* pfr, BOOL bFindDialogOnly)
{
    return bFindDialogOnly ? ::FindTextA(pfr) : ::ReplaceTextA(pfr);
}

DWORD CWinServices::CommDlgExtendedError()
{
    return ::CommDlgExtendedError();
}

HDC CWinServices::CreatePrinterDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                                  const DEVMODEA* lpInitData)
{
    return ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData);
}

SHORT CWinServices::GetKeyState(int nVirtKey)
{
    return ::GetKeyState(nVirtKey);
}

DWORD CWinServices::GetTickCount()
{
    return ::GetTickCount();
}

BOOL CWinServices::MessageBeep(UINT uType)
{
    return ::MessageBeep(uType);
}

BOOL CWinServices::GetCursorPos(LPPOINT lpPoint)
{
    return ::GetCursorPos(lpPoint);
}

HWND CWinServices::WindowFromPoint(POINT point)
{
    return ::WindowFromPoint(point);
}

UINT CWinServices::InsertObjectDialog(tagOLEUIINSERTOBJECTA* pio)
{
    // the library is loaded once and kept: a dialog may be shown again at any time
    static HMODULE hOleDlg = ::LoadLibraryA("oledlg.dll");
    using InsertObjectFn = UINT(WINAPI*)(LPOLEUIINSERTOBJECTA);
    const FARPROC pfnProc = hOleDlg != nullptr ? ::GetProcAddress(hOleDlg, "OleUIInsertObjectA") : nullptr;
    const auto pfnInsert = reinterpret_cast<InsertObjectFn>(reinterpret_cast<void (*)()>(pfnProc));
    return pfnInsert != nullptr ? pfnInsert(pio) : UINT(OLEUI_ERR_STANDARDMIN);
}

BOOL CWinServices::WinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    return ::WinHelpA(hWndMain, lpszHelp, uCommand, dwData);
}

namespace {

CWinServices g_production;
CWinServices* g_pServices = &g_production;

// The reporter of the portable core's exceptions: their messages are shown as message boxes.
int ReportThroughMessageBox(const char* lpszText, uint32_t nType, uint32_t nMessageID)
{
    CString text = lpszText != nullptr ? lpszText : "";
    if (text.IsEmpty() && nMessageID != 0)
        AfxLoadString(UINT(nMessageID), text);
    if (text.IsEmpty())
        text = AfxLoadLibraryString(AFX_IDP_NO_ERROR_AVAILABLE);
    return AfxMessageBox(text, nType != 0 ? UINT(nType) : UINT(MB_OK | MB_ICONEXCLAMATION));
}

const struct ReporterInstaller {
    ReporterInstaller() { CException::SetReporter(&ReportThroughMessageBox); }
} g_reporterInstaller;

} // namespace

CWinServices* AfxGetServices()
{
    return g_pServices;
}

CWinServices* AfxSetServices(CWinServices* pServices)
{
    CWinServices* pOld = g_pServices;
    g_pServices = pServices != nullptr ? pServices : &g_production;
    return pOld;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    (void)nIDHelp; // no help files in this program
    HWND hWndTop = nullptr;
    CWnd* pOwner = CWnd::GetSafeOwner(nullptr, &hWndTop);
    if ((nType & MB_TYPEMASK) == 0)
        nType |= MB_OK;
    return AfxGetServices()->MessageBox(pOwner != nullptr ? pOwner->m_hWnd : nullptr, lpszText != nullptr ? lpszText : "",
                                         AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    AfxLoadString(nIDPrompt, text);
    return AfxMessageBox(text, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}
