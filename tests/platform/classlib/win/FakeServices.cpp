#include "FakeServices.h"

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
        ADD_FAILURE() << m_modalScripts.size() << " scripted modal dialog(s) never ran";
    if (m_nBeeps > 0)
        ADD_FAILURE() << m_nBeeps << " expected beep(s) never came";
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
    m_modalScripts.push_back(std::move(script));
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
    Call call;
    call.kind = "MessageBox";
    call.text = lpszText != nullptr ? lpszText : "";
    call.caption = lpszCaption != nullptr ? lpszCaption : "";
    call.nType = nType;
    call.hWnd = hWndOwner;
    m_calls.push_back(call);
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
    Call call;
    call.kind = "TrackPopupMenu";
    call.nType = nFlags;
    call.hWnd = hWnd;
    call.hMenu = hMenu;
    call.pt = {x, y};
    if (lptpm != nullptr)
        call.rcExclude = lptpm->rcExclude;
    m_calls.push_back(call);
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

INT_PTR CFakeServices::DoModal(CDialog* pDialog)
{
    Call call;
    call.kind = "DoModal";
    m_calls.push_back(call);
    if (m_modalScripts.empty()) {
        ADD_FAILURE() << "unscripted modal dialog";
        return IDCANCEL;
    }
    std::function<void(CDialog&)> script = std::move(m_modalScripts.front());
    m_modalScripts.pop_front();
    if (!pDialog->StartModal())
        return -1;
    script(*pDialog);
    if (!pDialog->IsModalEnded()) {
        ADD_FAILURE() << "the script left the modal dialog open";
        pDialog->EndDialog(IDCANCEL);
    }
    const INT_PTR nResult = pDialog->GetModalResult();
    pDialog->FinishModal();
    return nResult;
}

SHORT CFakeServices::GetKeyState(int nVirtKey)
{
    Call call;
    call.kind = "GetKeyState";
    call.nType = UINT(nVirtKey);
    m_calls.push_back(call);
    auto it = m_keyStates.find(nVirtKey);
    if (it == m_keyStates.end()) {
        ADD_FAILURE() << "unscripted GetKeyState(" << nVirtKey << ")";
        return 0;
    }
    return it->second;
}

DWORD CFakeServices::GetTickCount()
{
    Call call;
    call.kind = "GetTickCount";
    m_calls.push_back(call);
    if (!m_bTickSet)
        ADD_FAILURE() << "unscripted GetTickCount";
    return m_dwTicks;
}

BOOL CFakeServices::MessageBeep(UINT uType)
{
    Call call;
    call.kind = "MessageBeep";
    call.nType = uType;
    m_calls.push_back(call);
    if (m_nBeeps == 0)
        ADD_FAILURE() << "unexpected beep (" << uType << ")";
    else
        --m_nBeeps;
    return TRUE;
}

BOOL CFakeServices::GetCursorPos(LPPOINT lpPoint)
{
    Call call;
    call.kind = "GetCursorPos";
    m_calls.push_back(call);
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
    Call call;
    call.kind = "WindowFromPoint";
    m_calls.push_back(call);
    if (!m_bCursorSet)
        ADD_FAILURE() << "unscripted WindowFromPoint";
    return m_hWndUnderCursor;
}

void ClickButton(CWnd& dialog, int nID)
{
    HWND hWndButton = ::GetDlgItem(dialog.m_hWnd, nID);
    ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hWndButton));
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
