#include "FakeServices.h"

#include <algorithm>

#include <cstring>

#include <oledlg.h>

CFakeServices::CFakeServices() : m_pPrevious(AfxSetServices(this))
{
}

CFakeServices::~CFakeServices()
{
    AfxSetServices(m_pPrevious);
    for (const MessageBoxAnswer& answer : m_messageBoxes)
        ADD_FAILURE() << "a scripted message box (answer " << answer.nAnswer << ", text with \"" << answer.textPart
                      << "\") was never shown";
    for (const PopupAnswer& answer : m_popupCommands)
        ADD_FAILURE() << "a scripted popup menu (command " << answer.nCommand << ") was never shown";
    if (!m_modalScripts.empty())
        ADD_FAILURE() << m_modalScripts.size() << " scripted modal dialog(s) or sheet(s) never ran";
    for (const DialogAnswer& answer : m_dialogAnswers)
        ADD_FAILURE() << "a scripted " << answer.kind << " (answer " << answer.nAnswer << ") was never shown";
    if (m_nBeeps > 0)
        ADD_FAILURE() << m_nBeeps << " expected beep(s) never came";
    for (const auto& help : m_helpCalls)
        ADD_FAILURE() << "an expected help call (command " << help.first << ", data 0x" << std::hex << help.second
                      << std::dec << ") never came";
    if (m_hWndFindStandIn != nullptr)
        ::DestroyWindow(m_hWndFindStandIn); // the dialog's object deletes itself
}

void CFakeServices::ExpectMessageBox(int nAnswer, const char* pszTextPart)
{
    m_messageBoxes.push_back({nAnswer, pszTextPart != nullptr ? pszTextPart : ""});
}

void CFakeServices::ExpectPopupMenu(UINT nCommand, std::function<void(HMENU)> whileOpen)
{
    m_popupCommands.push_back({nCommand, std::move(whileOpen)});
}

void CFakeServices::ExpectModal(std::function<void(CDialog&)> script)
{
    m_modalScripts.push_back({std::move(script), nullptr});
}

void CFakeServices::ExpectModalSheet(std::function<void(CPropertySheet&)> script)
{
    m_modalScripts.push_back({nullptr, std::move(script)});
}

void CFakeServices::ExpectFileDialog(int nAnswer, const char* pszPath)
{
    DialogAnswer answer = {};
    answer.kind = "file dialog";
    answer.nAnswer = nAnswer;
    answer.path = pszPath != nullptr ? pszPath : "";
    m_dialogAnswers.push_back(answer);
}

void CFakeServices::ExpectFileDialogWide(int nAnswer, const std::vector<WCHAR>& path)
{
    DialogAnswer answer = {};
    answer.kind = "file dialog";
    answer.nAnswer = nAnswer;
    answer.widePath = path;
    if (answer.widePath.empty() || answer.widePath.back() != 0)
        answer.widePath.push_back(0);
    m_dialogAnswers.push_back(answer);
}

void CFakeServices::ExpectColorDialog(int nAnswer, COLORREF color)
{
    DialogAnswer answer = {};
    answer.kind = "colour dialog";
    answer.nAnswer = nAnswer;
    answer.color = color;
    m_dialogAnswers.push_back(answer);
}

void CFakeServices::ExpectFontDialog(int nAnswer, const LOGFONTA& lf, int nPointSize, COLORREF color)
{
    DialogAnswer answer = {};
    answer.kind = "font dialog";
    answer.nAnswer = nAnswer;
    answer.lf = lf;
    answer.nPointSize = nPointSize;
    answer.color = color;
    m_dialogAnswers.push_back(answer);
}

void CFakeServices::ExpectPrintDialog(int nAnswer, const FakePrinter* pPrinter)
{
    DialogAnswer answer = {};
    answer.kind = "print dialog";
    answer.nAnswer = nAnswer;
    answer.bPrinter = pPrinter != nullptr;
    if (pPrinter != nullptr) {
        answer.printer = *pPrinter;
        m_printers.push_back(*pPrinter);
    }
    m_dialogAnswers.push_back(answer);
}

void CFakeServices::SetDefaultPrinter(const FakePrinter* pPrinter)
{
    m_bDefaultPrinter = pPrinter != nullptr;
    if (pPrinter != nullptr) {
        m_defaultPrinter = *pPrinter;
        m_printers.push_back(*pPrinter);
    }
}

void CFakeServices::DeliverFindReplace(DWORD dwFlags, const char* pszFind, const char* pszReplace)
{
    if (m_pFindReplace == nullptr) {
        ADD_FAILURE() << "no find and replace dialog is open";
        return;
    }
    FINDREPLACEA* pfr = m_pFindReplace;
    if (pszFind != nullptr)
        ::lstrcpynA(pfr->lpstrFindWhat, pszFind, pfr->wFindWhatLen);
    if (pszReplace != nullptr && pfr->lpstrReplaceWith != nullptr)
        ::lstrcpynA(pfr->lpstrReplaceWith, pszReplace, pfr->wReplaceWithLen);
    // the options the dialog was made with stay; the user's choices and the report are new
    const DWORD dwReported = FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD | FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL |
                             FR_DIALOGTERM;
    pfr->Flags = (pfr->Flags & ~dwReported) | dwFlags;
    const HWND hWndStandIn = m_hWndFindStandIn;
    if (dwFlags & FR_DIALOGTERM) {
        m_pFindReplace = nullptr;
        m_hWndFindStandIn = nullptr;
    }
    ::SendMessageA(pfr->hwndOwner, ::RegisterWindowMessageA(FINDMSGSTRINGA), 0, reinterpret_cast<LPARAM>(pfr));
    // the system's dialog goes after its last report
    if (dwFlags & FR_DIALOGTERM)
        ::DestroyWindow(hWndStandIn);
}

void CFakeServices::ExpectBeep()
{
    ++m_nBeeps;
}

void CFakeServices::SetKeyState(int nVirtKey, SHORT nState)
{
    m_keyStates[nVirtKey] = nState;
}

void CFakeServices::SetTickCount(DWORD dwTicks)
{
    m_bTickSet = true;
    m_dwTicks = dwTicks;
}

void CFakeServices::SetCursorPos(POINT point, HWND hWndUnder)
{
    m_bCursorSet = true;
    m_ptCursor = point;
    m_hWndUnderCursor = hWndUnder;
}

std::vector<CFakeServices::Call> CFakeServices::CallsOf(const std::string& kind) const
{
    std::vector<Call> calls;
    for (const Call& call : m_calls)
        if (call.kind == kind)
            calls.push_back(call);
    return calls;
}

int CFakeServices::MessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    Call& call = Record("MessageBox");
    call.text = lpszText != nullptr ? lpszText : "";
    call.caption = lpszCaption != nullptr ? lpszCaption : "";
    call.nType = nType;
    call.hWnd = hWndOwner;
    if (m_messageBoxes.empty()) {
        ADD_FAILURE() << "unscripted message box: \"" << call.text << "\"";
        return IDCANCEL;
    }
    const MessageBoxAnswer answer = m_messageBoxes.front();
    m_messageBoxes.pop_front();
    if (!answer.textPart.empty() && call.text.find(answer.textPart) == std::string::npos)
        ADD_FAILURE() << "message box \"" << call.text << "\" lacks \"" << answer.textPart << "\"";
    return answer.nAnswer;
}

BOOL CFakeServices::TrackPopupMenu(HMENU hMenu, UINT nFlags, int x, int y, HWND hWnd, LPTPMPARAMS lptpm)
{
    Call& call = Record("TrackPopupMenu");
    call.nType = nFlags;
    call.hWnd = hWnd;
    call.hMenu = hMenu;
    call.pt = {x, y};
    if (lptpm != nullptr)
        call.rcExclude = lptpm->rcExclude;
    if (m_popupCommands.empty()) {
        ADD_FAILURE() << "unscripted popup menu";
        return FALSE;
    }
    PopupAnswer answer = std::move(m_popupCommands.front());
    m_popupCommands.pop_front();
    if (answer.whileOpen)
        answer.whileOpen(hMenu);
    const UINT nCommand = answer.nCommand;
    if (nFlags & TPM_RETURNCMD)
        return BOOL(nCommand);
    if (nCommand != 0)
        ::PostMessageA(hWnd, WM_COMMAND, nCommand, 0);
    return TRUE;
}

namespace {

// The texts of a double-NUL-terminated filter list.
// The text of lpsz in code page nCodePage ("" for null).
std::string TextOfWide(LPCWSTR lpsz, UINT nCodePage)
{
    if (lpsz == nullptr || *lpsz == 0)
        return "";
    const int n = ::WideCharToMultiByte(nCodePage, 0, lpsz, -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(size_t(n > 0 ? n : 1), '\0');
    if (n > 0)
        ::WideCharToMultiByte(nCodePage, 0, lpsz, -1, bytes.data(), n, nullptr, nullptr);
    return bytes.data();
}

// The filter's texts in the program's code page, as it gave them.
std::vector<std::string> FilterTexts(LPCWSTR lpstrFilter)
{
    std::vector<std::string> texts;
    for (LPCWSTR p = lpstrFilter; p != nullptr && *p != 0; p += ::lstrlenW(p) + 1)
        texts.push_back(TextOfWide(p, CP_ACP));
    return texts;
}

// A movable global block holding size bytes from pData.
HGLOBAL GlobalCopy(const void* pData, size_t nSize)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    memcpy(::GlobalLock(hBlock), pData, nSize);
    ::GlobalUnlock(hBlock);
    return hBlock;
}

} // namespace

std::string DeviceNameOf(HGLOBAL hDevNames)
{
    if (hDevNames == nullptr)
        return "";
    const DEVNAMES* pNames = static_cast<const DEVNAMES*>(::GlobalLock(hDevNames));
    std::string name = reinterpret_cast<const char*>(pNames) + pNames->wDeviceOffset;
    ::GlobalUnlock(hDevNames);
    return name;
}

CFakeServices::Call& CFakeServices::Record(const char* pszKind)
{
    Call call;
    call.kind = pszKind;
    m_calls.push_back(call);
    return m_calls.back();
}

bool CFakeServices::NextAnswer(const char* pszKind, DialogAnswer& rAnswer)
{
    if (m_dialogAnswers.empty() || m_dialogAnswers.front().kind != pszKind) {
        ADD_FAILURE() << "unscripted " << pszKind
                      << (m_dialogAnswers.empty() ? "" : " (the script has a " + m_dialogAnswers.front().kind + " next)");
        return false;
    }
    rAnswer = m_dialogAnswers.front();
    m_dialogAnswers.pop_front();
    return true;
}

template <class TModal>
INT_PTR CFakeServices::RunModalScript(TModal& modal, const char* pszKind,
                                      std::function<void(TModal&)> ModalScript::*pScript)
{
    Record(pszKind);
    if (m_modalScripts.empty() || !(m_modalScripts.front().*pScript)) {
        ADD_FAILURE() << "unscripted " << pszKind;
        return IDCANCEL;
    }
    const std::function<void(TModal&)> script = std::move(m_modalScripts.front().*pScript);
    m_modalScripts.pop_front();
    if (!modal.StartModal())
        return -1;
    script(modal);
    if (!modal.IsModalEnded()) {
        ADD_FAILURE() << "the script left the modal window open (" << pszKind << ")";
        modal.EndDialog(IDCANCEL);
    }
    const INT_PTR nResult = modal.GetModalResult();
    modal.FinishModal();
    return nResult;
}

INT_PTR CFakeServices::DoModal(CDialog* pDialog)
{
    return RunModalScript(*pDialog, "DoModal", &ModalScript::dialog);
}

INT_PTR CFakeServices::DoModal(CPropertySheet* pSheet)
{
    return RunModalScript(*pSheet, "DoModalSheet", &ModalScript::sheet);
}

BOOL CFakeServices::GetFileName(OPENFILENAMEW* pofn, BOOL bOpenFileDialog)
{
    Call& call = Record(bOpenFileDialog ? "GetOpenFileName" : "GetSaveFileName");
    call.hWnd = pofn->hwndOwner;
    call.dwFlags = pofn->Flags;
    call.text = TextOfWide(pofn->lpstrFile, CP_UTF8);
    call.defExt = TextOfWide(pofn->lpstrDefExt, CP_ACP);
    call.filter = FilterTexts(pofn->lpstrFilter);
    m_dwCommDlgError = 0;
    DialogAnswer answer;
    if (!NextAnswer("file dialog", answer) || answer.nAnswer != IDOK)
        return FALSE;
    std::vector<WCHAR> path = answer.widePath;
    if (path.empty()) {
        const int n = ::MultiByteToWideChar(CP_UTF8, 0, answer.path.c_str(), -1, nullptr, 0);
        path.assign(size_t(n > 0 ? n : 1), 0);
        if (n > 0)
            ::MultiByteToWideChar(CP_UTF8, 0, answer.path.c_str(), -1, path.data(), n);
    }
    path.pop_back(); // the closing 0
    // as the system's dialog: a name typed without an extension gets the default one
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i)
        if (path[i] == L'\\' || path[i] == L'/' || path[i] == L':')
            nameStart = i + 1;
    if (pofn->lpstrDefExt != nullptr && *pofn->lpstrDefExt != 0 &&
        std::find(path.begin() + std::ptrdiff_t(nameStart), path.end(), WCHAR(L'.')) == path.end()) {
        path.push_back(L'.');
        for (LPCWSTR p = pofn->lpstrDefExt; *p != 0; ++p)
            path.push_back(*p);
    }
    if (path.size() >= pofn->nMaxFile) {
        // as the system: the buffer's first two characters tell the size the path needs
        m_dwCommDlgError = FNERR_BUFFERTOOSMALL;
        *reinterpret_cast<WORD*>(pofn->lpstrFile) = WORD(path.size() + 1);
        return FALSE;
    }
    path.push_back(0);
    memcpy(pofn->lpstrFile, path.data(), path.size() * sizeof(WCHAR));
    return TRUE;
}

BOOL CFakeServices::ChooseColor(CHOOSECOLORA* pcc)
{
    Call& call = Record("ChooseColor");
    call.hWnd = pcc->hwndOwner;
    call.dwFlags = pcc->Flags;
    call.color = pcc->rgbResult;
    m_dwCommDlgError = 0;
    if (pcc->lpCustColors == nullptr)
        ADD_FAILURE() << "a colour dialog needs its sixteen custom colours";
    DialogAnswer answer;
    if (!NextAnswer("colour dialog", answer) || answer.nAnswer != IDOK)
        return FALSE;
    pcc->rgbResult = answer.color;
    return TRUE;
}

BOOL CFakeServices::ChooseFont(CHOOSEFONTA* pcf)
{
    Call& call = Record("ChooseFont");
    call.hWnd = pcf->hwndOwner;
    call.dwFlags = pcf->Flags;
    call.color = pcf->rgbColors;
    call.text = pcf->lpLogFont != nullptr ? pcf->lpLogFont->lfFaceName : "";
    m_dwCommDlgError = 0;
    DialogAnswer answer;
    if (!NextAnswer("font dialog", answer) || answer.nAnswer != IDOK)
        return FALSE;
    *pcf->lpLogFont = answer.lf;
    pcf->iPointSize = answer.nPointSize;
    pcf->rgbColors = answer.color;
    return TRUE;
}

const FakePrinter* CFakeServices::FindPrinter(const char* pszName) const
{
    for (const FakePrinter& printer : m_printers)
        if (pszName != nullptr && printer.name == pszName)
            return &printer;
    return nullptr;
}

void CFakeServices::SetPrinterBlocks(PRINTDLGA* ppd, const FakePrinter& printer)
{
    if (ppd->hDevMode != nullptr)
        ::GlobalFree(ppd->hDevMode);
    if (ppd->hDevNames != nullptr)
        ::GlobalFree(ppd->hDevNames);

    const std::string driver = "winspool", port = "FAKE:";
    std::vector<char> names(sizeof(DEVNAMES));
    DEVNAMES header = {};
    header.wDriverOffset = WORD(names.size());
    names.insert(names.end(), driver.c_str(), driver.c_str() + driver.size() + 1);
    header.wDeviceOffset = WORD(names.size());
    names.insert(names.end(), printer.name.c_str(), printer.name.c_str() + printer.name.size() + 1);
    header.wOutputOffset = WORD(names.size());
    names.insert(names.end(), port.c_str(), port.c_str() + port.size() + 1);
    memcpy(names.data(), &header, sizeof header);
    ppd->hDevNames = GlobalCopy(names.data(), names.size());

    DEVMODEA mode = {};
    ::lstrcpynA(reinterpret_cast<char*>(mode.dmDeviceName), printer.name.c_str(), CCHDEVICENAME);
    mode.dmSpecVersion = DM_SPECVERSION;
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_ORIENTATION | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_PRINTQUALITY | DM_YRESOLUTION | DM_COPIES;
    mode.dmOrientation = DMORIENT_PORTRAIT;
    mode.dmPaperWidth = short(MulDiv(printer.nPageWidth, 254, printer.nDpiX));
    mode.dmPaperLength = short(MulDiv(printer.nPageHeight, 254, printer.nDpiY));
    mode.dmPrintQuality = short(printer.nDpiX);
    mode.dmYResolution = short(printer.nDpiY);
    mode.dmCopies = 1;
    ppd->hDevMode = GlobalCopy(&mode, sizeof mode);
}

BOOL CFakeServices::PrintDlg(PRINTDLGA* ppd)
{
    Call& call = Record("PrintDlg");
    call.hWnd = ppd->hwndOwner;
    call.dwFlags = ppd->Flags;
    call.nMinPage = ppd->nMinPage;
    call.nMaxPage = ppd->nMaxPage;
    call.text = DeviceNameOf(ppd->hDevNames);
    m_dwCommDlgError = 0;
    if (ppd->Flags & PD_RETURNDEFAULT) {
        if (ppd->hDevMode != nullptr || ppd->hDevNames != nullptr) {
            m_dwCommDlgError = PDERR_RETDEFFAILURE;
            return FALSE;
        }
        if (!m_bDefaultPrinter) {
            m_dwCommDlgError = PDERR_NODEFAULTPRN;
            return FALSE;
        }
        SetPrinterBlocks(ppd, m_defaultPrinter);
        return TRUE;
    }
    DialogAnswer answer;
    if (!NextAnswer("print dialog", answer) || answer.nAnswer != IDOK)
        return FALSE;
    if (answer.bPrinter)
        SetPrinterBlocks(ppd, answer.printer);
    if (ppd->Flags & PD_RETURNDC)
        ppd->hDC = AfxCreateDC(ppd->hDevNames, ppd->hDevMode);
    return TRUE;
}

namespace {

// The find stand-in's window procedure below the dialog object's: WM_CLOSE ends the dialog as the
// system's does, with its terminating report to the owner.
const char kFindStandInFake[] = "CFakeServices";
const char kFindStandInProc[] = "CFakeServices.proc";

LRESULT CALLBACK FindStandInProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kFindStandInProc));
    if (nMessage == WM_CLOSE) {
        if (auto* pFake = static_cast<CFakeServices*>(::GetPropA(hWnd, kFindStandInFake))) {
            pFake->DeliverFindReplace(FR_DIALOGTERM);
            return 0;
        }
    }
    if (nMessage == WM_NCDESTROY) {
        ::RemovePropA(hWnd, kFindStandInFake);
        ::RemovePropA(hWnd, kFindStandInProc);
    }
    return ::CallWindowProcA(pfnOld, hWnd, nMessage, wParam, lParam);
}

}  // namespace

HWND CFakeServices::FindReplace(FINDREPLACEA* pfr, BOOL bFindDialogOnly)
{
    Call& call = Record(bFindDialogOnly ? "FindText" : "ReplaceText");
    call.hWnd = pfr->hwndOwner;
    call.dwFlags = pfr->Flags;
    call.text = pfr->lpstrFindWhat != nullptr ? pfr->lpstrFindWhat : "";
    call.caption = pfr->lpstrReplaceWith != nullptr ? pfr->lpstrReplaceWith : "";
    m_dwCommDlgError = 0;
    if (m_hWndFindStandIn != nullptr)
        ADD_FAILURE() << "a second find and replace dialog while one is open";
    m_hWndFindStandIn =
        ::CreateWindowExA(0, "Static", "Find", WS_POPUP, 0, 0, 10, 10, pfr->hwndOwner, nullptr, nullptr, nullptr);
    ::SetPropA(m_hWndFindStandIn, kFindStandInFake, this);
    ::SetPropA(m_hWndFindStandIn, kFindStandInProc,
               reinterpret_cast<HANDLE>(::SetWindowLongPtrA(m_hWndFindStandIn, GWLP_WNDPROC,
                                                            reinterpret_cast<LONG_PTR>(FindStandInProc))));
    m_pFindReplace = pfr;
    return m_hWndFindStandIn;
}

DWORD CFakeServices::CommDlgExtendedError()
{
    return m_dwCommDlgError;
}

HDC CFakeServices::CreatePrinterDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                                   const DEVMODEA* lpInitData)
{
    (void)lpszDriverName;
    (void)lpszOutput;
    (void)lpInitData;
    Call& call = Record("CreatePrinterDC");
    call.text = lpszDeviceName != nullptr ? lpszDeviceName : "";
    const FakePrinter* pPrinter = FindPrinter(lpszDeviceName);
    if (pPrinter == nullptr)
        return nullptr;
    m_printerDCs.push_back(
        std::make_unique<CFakePrinterDC>(pPrinter->nPageWidth, pPrinter->nPageHeight, pPrinter->nDpiX, pPrinter->nDpiY));
    return m_printerDCs.back()->m_hDC;
}

SHORT CFakeServices::GetKeyState(int nVirtKey)
{
    Record("GetKeyState").nType = UINT(nVirtKey);
    auto it = m_keyStates.find(nVirtKey);
    if (it == m_keyStates.end()) {
        ADD_FAILURE() << "unscripted GetKeyState(" << nVirtKey << ")";
        return 0;
    }
    return it->second;
}

DWORD CFakeServices::GetTickCount()
{
    Record("GetTickCount");
    if (!m_bTickSet)
        ADD_FAILURE() << "unscripted GetTickCount";
    return m_dwTicks;
}

BOOL CFakeServices::MessageBeep(UINT uType)
{
    Record("MessageBeep").nType = uType;
    if (m_nBeeps == 0)
        ADD_FAILURE() << "unexpected beep (" << uType << ")";
    else
        --m_nBeeps;
    return TRUE;
}

void CFakeServices::ExpectWinHelp(UINT uCommand, ULONG_PTR dwData)
{
    m_helpCalls.emplace_back(uCommand, dwData);
}

BOOL CFakeServices::WinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    Call& call = Record("WinHelp");
    call.hWnd = hWndMain;
    call.text = lpszHelp != nullptr ? lpszHelp : "";
    call.nType = uCommand;
    call.dwData = dwData;
    if (m_helpCalls.empty()) {
        ADD_FAILURE() << "unexpected help call (command " << uCommand << ", data 0x" << std::hex << dwData << std::dec
                      << ")";
        return FALSE;
    }
    EXPECT_EQ(uCommand, m_helpCalls.front().first) << "the help command";
    EXPECT_EQ(dwData, m_helpCalls.front().second) << "the help context";
    m_helpCalls.pop_front();
    return TRUE;
}

BOOL CFakeServices::GetCursorPos(LPPOINT lpPoint)
{
    Record("GetCursorPos");
    if (!m_bCursorSet) {
        ADD_FAILURE() << "unscripted GetCursorPos";
        return FALSE;
    }
    *lpPoint = m_ptCursor;
    return TRUE;
}

HWND CFakeServices::WindowFromPoint(POINT point)
{
    (void)point;
    Record("WindowFromPoint");
    if (!m_bCursorSet)
        ADD_FAILURE() << "unscripted WindowFromPoint";
    return m_hWndUnderCursor;
}

void ClickButton(CWnd& dialog, int nID)
{
    HWND hWndButton = ::GetDlgItem(dialog.m_hWnd, nID);
    ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hWndButton));
}

void PostDrag(CWnd& wnd, std::initializer_list<POINT> points, UINT nEndMessage, WPARAM wEndParam)
{
    POINT ptClient = {0, 0};
    for (POINT pt : points) {
        ptClient = pt;
        ::ScreenToClient(wnd.m_hWnd, &ptClient);
        wnd.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    }
    const BOOL bKey = nEndMessage == WM_KEYDOWN || nEndMessage == WM_KEYUP;
    wnd.PostMessage(nEndMessage, bKey ? wEndParam : 0, bKey ? 0 : MAKELPARAM(ptClient.x, ptClient.y));
}

BOOL PumpWaitingMessages(DWORD nMilliseconds)
{
    BOOL bQuit = FALSE;
    const DWORD dwStart = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                bQuit = TRUE;
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (nMilliseconds > 0)
            ::Sleep(5);
    } while (::GetTickCount() - dwStart < nMilliseconds);
    return bQuit;
}

void CFakeServices::ExpectInsertObjectDialog(UINT nResult)
{
    DialogAnswer answer = {};
    answer.kind = "insert object dialog";
    answer.nAnswer = int(nResult);
    m_dialogAnswers.push_back(answer);
}

UINT CFakeServices::InsertObjectDialog(tagOLEUIINSERTOBJECTA* pio)
{
    Call& call = Record("InsertObject");
    call.hWnd = pio->hWndOwner;
    call.dwFlags = pio->dwFlags;
    call.caption = pio->lpszCaption != nullptr ? pio->lpszCaption : "";
    DialogAnswer answer;
    if (!NextAnswer("insert object dialog", answer))
        return OLEUI_CANCEL;
    return UINT(answer.nAnswer);
}
