// The long-operation module (see GXLongOperationImp.h).
#include "grid/ops/GXLongOperationImp.h"

#include "grid/engine/GXLongOperation.h"
#include "win/Win.h"

#include <algorithm>
#include <cstdio>
#include <deque>

namespace {

// What the module keeps per nesting level beside the settings: its own copy of the level's text, the
// text the level shows (its own, the enclosing level's or "Processing..."), and whether the user's
// Escape was answered in the operation.
struct Level {
    CString strOwn;
    const char* pszShown = nullptr;
};
struct ModuleState {
    std::deque<Level> levels;  // outermost first; a deque keeps the texts where they are
    BOOL bAbortDecided = FALSE;
};
ModuleState& State()
{
    static ModuleState state;
    return state;
}

// The level record of the innermost open operation (made when missing).
Level& CurrentLevel()
{
    const int nLevel = std::max(GXGetLongOperationSettings().m_nLevel, 1);
    std::deque<Level>& levels = State().levels;
    if (levels.size() < size_t(nLevel))
        levels.resize(size_t(nLevel));
    return levels[size_t(nLevel - 1)];
}

// TRUE when the innermost operation may show its text: the percentage belongs to no level, or to
// this one or a deeper one.
BOOL LevelMayShow(const GXLongOperationSettings& settings)
{
    return settings.m_nPercentLevel == -1 || settings.m_nPercentLevel >= settings.m_nLevel - 1;
}

// The window of the status texts: the application's main window when it is a frame window.
HWND FindStatusWindow()
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (pMain == nullptr || pMain->m_hWnd == nullptr || !pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return nullptr;
    return pMain->m_hWnd;
}

// The user's input that a long operation throws away: keys, mouse messages and commands.
BOOL IsUserInput(UINT nMessage)
{
    return (nMessage >= WM_KEYFIRST && nMessage <= 0x0108) || (nMessage >= WM_MOUSEFIRST && nMessage <= 0x0209) ||
           (nMessage >= WM_NCMOUSEMOVE && nMessage <= 0x00A9) || nMessage == WM_COMMAND;
}

void WaitCursor(int nCode)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(nCode);
}

}  // namespace

CGXAbstractLongOperationImp* GXCreateLongOperationImp()
{
    return new CGXLongOperationImp;
}

void CGXLongOperationImp::Start(CGXLongOperation& operation)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    ModuleState& state = State();
    settings.m_nLevel = std::max(settings.m_nLevel, 0) + 1;
    state.levels.resize(size_t(settings.m_nLevel));
    if (settings.m_nLevel == 1) {
        settings.m_nPercent = settings.m_nPercentLevel = -1;
        settings.m_bEscapePressed = settings.m_bPumping = FALSE;
        settings.m_bAbortAllowed = TRUE;
        settings.m_bRollbackPossible = FALSE;
        operation.m_pszStatusText = settings.m_strProcessing;
        if (!::IsWindow(settings.m_hWndStatus))
            settings.m_hWndStatus = FindStatusWindow();
    } else {
        operation.m_pszStatusText = state.levels[size_t(settings.m_nLevel - 2)].pszShown;
    }
    Level& level = state.levels.back();
    level.strOwn.Empty();
    level.pszShown = operation.m_pszStatusText;
    state.bAbortDecided = FALSE;
    settings.m_bRollbackRequested = FALSE;
    operation.m_dwStartTicks = operation.m_dwLastTicks = AfxGetServices()->GetTickCount();
    operation.m_bShowDone = operation.m_bShowStatus = TRUE;
}

void CGXLongOperationImp::End(CGXLongOperation& operation)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    ModuleState& state = State();
    if (settings.m_nLevel <= 0)
        return;
    state.levels.resize(size_t(settings.m_nLevel - 1));
    if (--settings.m_nLevel > 0 || !settings.m_bPumping)
        return;
    settings.m_bPumping = FALSE;
    WaitCursor(-1);
    if (operation.m_bShowDone && ::IsWindow(settings.m_hWndStatus))
        ::SendMessageA(settings.m_hWndStatus, WM_SETMESSAGESTRING, 0, LPARAM(settings.m_strDone.GetString()));
}

void CGXLongOperationImp::FreeStatusText(CGXLongOperation&)
{
    // the text stays readable (empty) for whoever still points at it
    if (GXGetLongOperationSettings().m_nLevel > 0)
        CurrentLevel().strOwn.Empty();
}

BOOL CGXLongOperationImp::SetStatusText(CGXLongOperation& operation, const char* pszText, BOOL)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    if (settings.m_nLevel <= 0 || !LevelMayShow(settings))
        return FALSE;
    Level& level = CurrentLevel();
    level.strOwn = pszText;
    level.pszShown = operation.m_pszStatusText = level.strOwn;
    return TRUE;
}

BOOL CGXLongOperationImp::Progress(CGXLongOperation& operation, BOOL bEscPrompt)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    const DWORD dwNow = AfxGetServices()->GetTickCount();
    if (settings.m_bPumping ? dwNow - operation.m_dwLastTicks <= settings.m_nUpdateInterval
                            : dwNow - operation.m_dwStartTicks <= settings.m_nFirstWait)
        return FALSE;
    if (operation.m_bShowStatus && LevelMayShow(settings) && ::IsWindow(settings.m_hWndStatus)) {
        static const char* const s_apszSpinner[] = {"  -", "  \\", "  |", "  /"};
        CString strLine = operation.m_pszStatusText;
        if (settings.m_nPercent == -1) {
            strLine += s_apszSpinner[settings.m_nSpinner];
            settings.m_nSpinner = (settings.m_nSpinner + 1) % 4;
        } else {
            char szPercent[32];
            std::snprintf(szPercent, sizeof szPercent, " %3d%%. ", settings.m_nPercent);
            strLine += szPercent;
        }
        if (bEscPrompt && settings.m_bAbortAllowed) {
            strLine += "   ";
            strLine += settings.m_strPressEsc;
        }
        lstrcpynA(settings.m_szStatusLine, strLine, int(sizeof settings.m_szStatusLine));
        ::SendMessageA(settings.m_hWndStatus, WM_SETMESSAGESTRING, 0, LPARAM(settings.m_szStatusLine));
    }
    PumpMessages(operation);
    operation.m_dwLastTicks = AfxGetServices()->GetTickCount();
    return TRUE;
}

BOOL CGXLongOperationImp::UpdateProgress(CGXLongOperation& operation)
{
    return Progress(operation, FALSE);
}

BOOL CGXLongOperationImp::DoMessages(CGXLongOperation& operation, BOOL& bAborted)
{
    bAborted = FALSE;
    if (!Progress(operation, TRUE))
        return FALSE;
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    ModuleState& state = State();
    if (!settings.m_bAbortAllowed || !settings.m_bEscapePressed || state.bAbortDecided)
        return TRUE;
    if (settings.m_bAskBeforeAbort) {
        if (settings.m_bRollbackPossible) {
            // Abort keeps what was done, Retry takes it back, Ignore goes on
            const int nAnswer = AfxMessageBox(settings.m_strAbortQuestion, MB_ABORTRETRYIGNORE);
            bAborted = nAnswer == IDABORT || nAnswer == IDRETRY;
            settings.m_bRollbackRequested = nAnswer == IDRETRY;
        } else {
            bAborted = AfxMessageBox(settings.m_strAbortQuestion, MB_YESNO) == IDYES;
        }
        settings.m_bEscapePressed = FALSE;
    } else {
        bAborted = TRUE;
        settings.m_bRollbackRequested = settings.m_bRollbackPossible;
    }
    state.bAbortDecided = TRUE;
    return TRUE;
}

void CGXLongOperationImp::PumpMessages(CGXLongOperation&)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    if (!settings.m_bPumping) {
        settings.m_bPumping = TRUE;
        WaitCursor(1);
    }
    CWinApp* pApp = AfxGetApp();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (IsUserInput(msg.message)) {
            if (msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_CANCEL))
                settings.m_bEscapePressed = TRUE;
            ::PeekMessageA(&msg, nullptr, msg.message, msg.message, PM_REMOVE);
            WaitCursor(0);
            continue;
        }
        if (pApp != nullptr ? !pApp->PumpMessage() : ::GetMessageA(&msg, nullptr, 0, 0) == 0) {
            // the quit belongs to the application's own loop
            ::PostQuitMessage(int(pApp != nullptr ? pApp->m_msgCur.wParam : msg.wParam));
            return;
        }
        if (pApp == nullptr) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    for (LONG nCount = 0; pApp != nullptr && pApp->OnIdle(nCount); ++nCount) {
    }
}
