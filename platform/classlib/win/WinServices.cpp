#include "win/WinServices.h"

#include "win/AfxResource.h"
#include "win/CDialog.h"
#include "win/CPropertySheet.h"
#include "win/CWinApp.h"
#include "win/CWnd.h"

#include <oledlg.h>

CWinServices::~CWinServices() = default;

int CWinServices::MessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
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

BOOL CWinServices::GetFileName(OPENFILENAMEA* pofn, BOOL bOpenFileDialog)
{
    return bOpenFileDialog ? ::GetOpenFileNameA(pofn) : ::GetSaveFileNameA(pofn);
}

BOOL CWinServices::ChooseColor(CHOOSECOLORA* pcc)
{
    return ::ChooseColorA(pcc);
}

BOOL CWinServices::ChooseFont(CHOOSEFONTA* pcf)
{
    return ::ChooseFontA(pcf);
}

BOOL CWinServices::PrintDlg(PRINTDLGA* ppd)
{
    return ::PrintDlgA(ppd);
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
