// CWnd: handle maps, creation, subclassing, destruction, the window procedure with its exception
// barrier, and message dispatch (commands, notifications, reflection).
#include "win/CWnd.h"

#include "win/AfxResource.h"
#include "win/AfxStrings.h"
#include "win/ArgCheck.h"
#include "win/CWinApp.h"
#include "win/HandleMap.h"
#include "win/WinServices.h"
#include "win/WndInternal.h"

#include <new>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

// State of the user-interface thread shared by the window code (the program has one such thread).
struct AfxWndInternals {
    CHandleMap<HWND, CWnd> map;
    CWnd* pWndInit = nullptr;     // armed creation: the object the next new window belongs to
    HWND hWndLastHooked = nullptr; // the window the hook attached last
    MSG current = {};             // the message the innermost AfxCallWndProc is handling

    static AfxWndInternals& Get()
    {
        static AfxWndInternals state;
        return state;
    }

    static LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
};

namespace {

bool IsImeWindowClass(LPCSTR lpszClass)
{
    return lpszClass != nullptr && !IS_INTRESOURCE(lpszClass) && ::lstrcmpiA(lpszClass, "IME") == 0;
}

// A CCmdUI that only records the enable state an update handler gives (menu and accelerator
// commands are refused while disabled).
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}
};

// A colour message from a control inside a composite control (the edit field of a combo box, a combo
// box's dropped list) goes to the composite control's object: the list of a combo box is a popup of
// the desktop that only the combo box knows.
HWND CompositeColourTarget(HWND hWndParent, HWND hWndControl)
{
    if (CWnd::FromHandlePermanent(hWndControl) != nullptr)
        return hWndControl;
    const HWND hWndOuter = ::GetParent(hWndControl);
    if (hWndOuter != nullptr && hWndOuter != hWndParent && ::GetParent(hWndOuter) == hWndParent)
        return hWndOuter;
    char name[16] = {};
    if (::GetClassNameA(hWndControl, name, sizeof name) > 0 && ::lstrcmpiA(name, "ComboLBox") == 0) {
        for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            COMBOBOXINFO info = {};
            info.cbSize = sizeof info;
            if (::GetComboBoxInfo(hWnd, &info) && info.hwndList == hWndControl)
                return hWnd;
        }
    }
    return hWndControl;
}

// The control an owner-draw message's structure (TItemStruct at lParam) names; null for a menu item.
template <class TItemStruct>
HWND OwnerDrawControl(LPARAM lParam)
{
    const TItemStruct* p = reinterpret_cast<const TItemStruct*>(lParam);
    return p != nullptr && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
}

// True for the control-colour messages, WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: one handler entry,
// one reflection rule and one table key serve them all.
bool IsColourMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The child a parent's message is reflected to, or null when the message is not reflected.
HWND ReflectionTarget(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsColourMessage(message))
        return lParam != 0 ? CompositeColourTarget(hWndParent, reinterpret_cast<HWND>(lParam)) : nullptr;
    switch (message) {
    case WM_DRAWITEM:
        return OwnerDrawControl<DRAWITEMSTRUCT>(lParam);
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* p = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return p != nullptr && p->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, int(p->CtlID)) : nullptr;
    }
    case WM_COMPAREITEM:
        return OwnerDrawControl<COMPAREITEMSTRUCT>(lParam);
    case WM_DELETEITEM:
        return OwnerDrawControl<DELETEITEMSTRUCT>(lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
        return reinterpret_cast<HWND>(lParam);
    default:
        (void)wParam;
        if (message == AfxDragListMessage() && lParam != 0)
            return reinterpret_cast<const DRAGLISTINFO*>(lParam)->hWnd;
        return nullptr;
    }
}

// The lookup key of a message in the tables: the colour messages share WM_CTLCOLOR.
UINT TableKey(UINT message)
{
    if (IsColourMessage(message))
        return WM_CTLCOLOR;
    if (message >= WM_REFLECT_BASE && IsColourMessage(message - WM_REFLECT_BASE))
        return WM_REFLECT_BASE + WM_CTLCOLOR;
    return message;
}

// What a barrier answers for a message whose handler threw (see CWnd.h).
LRESULT BarrierAnswer(HWND hWnd, UINT message, bool& bReport)
{
    bReport = false;
    switch (message) {
    case WM_NCCREATE:
        return FALSE;
    case WM_CREATE:
        return -1;
    case WM_PAINT:
        ::ValidateRect(hWnd, nullptr);
        return 0;
    default:
        bReport = true;
        return 0;
    }
}

} // namespace

// ---- exception reports ----------------------------------------------------------------------------

void AfxReportBarrierException(CException* e)
{
    if (e == nullptr)
        return;
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) {
        CString text = e->GetErrorText();
        if (text.IsEmpty())
            text = AfxLoadLibraryString(AFX_IDP_INTERNAL_FAILURE);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
    e->Delete();
}

void AfxReportBarrierException(const char* lpszWhat)
{
    // null: memory ran out; the message of CMemoryException
    CMemoryException memory(false);
    AfxMessageBox(lpszWhat != nullptr ? CString(lpszWhat) : memory.GetErrorText(), MB_OK | MB_ICONEXCLAMATION);
}

// ---- handle maps ----------------------------------------------------------------------------------

CWnd::CWnd() : m_hWnd(nullptr)
{
}

CWnd::~CWnd()
{
    AfxWndInternals& st = AfxWndInternals::Get();
    if (m_hWnd != nullptr && st.map.LookupPermanent(m_hWnd) == this) {
        // the object goes before its window: take the window with it
        ::DestroyWindow(m_hWnd);
        if (m_hWnd != nullptr) // not a window any more, or destruction refused
            Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    AfxWndInternals& st = AfxWndInternals::Get();
    if (CWnd* pWnd = st.map.LookupPermanent(hWnd))
        return pWnd;
    if (CWnd* pWnd = st.map.LookupTemporary(hWnd))
        return pWnd;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    st.map.AddTemporary(hWnd, pWnd);
    return pWnd;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != nullptr ? AfxWndInternals::Get().map.LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    AfxWndInternals::Get().map.DeleteTemps([](CWnd* pWnd) { pWnd->m_hWnd = nullptr; });
}

size_t CWnd::GetTempCount()
{
    return AfxWndInternals::Get().map.GetTemporaryCount();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr)
        return FALSE;
    if (m_hWnd != nullptr)
        AfxThrowInvalidArgFormat("CWnd::Attach: the object already has window %p (asked for %p)", m_hWnd, hWndNew);
    AfxWndInternals& st = AfxWndInternals::Get();
    if (st.map.LookupPermanent(hWndNew) != nullptr)
        AfxThrowInvalidArgFormat("CWnd::Attach: window %p already belongs to another object", hWndNew);
    st.map.SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        AfxWndInternals::Get().map.Remove(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, LONG_PTR(&AfxWndProc)));
    if (pfnOld != &AfxWndProc)
        m_wndState.pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    AfxRequirePointer(pParent, "CWnd::SubclassDlgItem", "pParent");
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, int(nID));
    return hWndControl != nullptr ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_wndState.pfnSuper != nullptr) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, LONG_PTR(m_wndState.pfnSuper));
        m_wndState.pfnSuper = nullptr;
    }
    return Detach();
}

// ---- creation ---------------------------------------------------------------------------------------

LRESULT CALLBACK AfxWndInternals::CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    AfxWndInternals& st = Get();
    if (nCode == HCBT_CREATEWND && st.pWndInit != nullptr) {
        const CBT_CREATEWNDA* pCreate = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (!IsImeWindowClass(pCreate->lpcs->lpszClass)) {
            CWnd* pWnd = st.pWndInit;
            st.pWndInit = nullptr;
            const HWND hWnd = reinterpret_cast<HWND>(wParam);
            st.hWndLastHooked = hWnd;
            st.map.SetPermanent(hWnd, pWnd);
            pWnd->m_hWnd = hWnd;
            WNDPROC pfnOld =
                reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, LONG_PTR(&AfxWndProc)));
            if (pfnOld != &AfxWndProc)
                pWnd->m_wndState.pfnSuper = pfnOld;
            AfxCallProtected(0, [pWnd] {
                pWnd->PreSubclassWindow();
                return 0;
            });
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

namespace {
HHOOK g_hHookCbt = nullptr;
int g_nHookDepth = 0;
} // namespace

CWnd* AfxHookWindowCreate(CWnd* pWnd)
{
    AfxWndInternals& st = AfxWndInternals::Get();
    if (g_nHookDepth++ == 0)
        g_hHookCbt = ::SetWindowsHookExA(WH_CBT, &AfxWndInternals::CbtFilterHook, nullptr, ::GetCurrentThreadId());
    CWnd* pPrevious = st.pWndInit;
    st.pWndInit = pWnd;
    st.hWndLastHooked = nullptr;
    return pPrevious;
}

BOOL AfxUnhookWindowCreate(CWnd* pPrevious)
{
    AfxWndInternals& st = AfxWndInternals::Get();
    const BOOL bUnused = st.pWndInit != nullptr;
    st.pWndInit = pPrevious;
    if (--g_nHookDepth == 0 && g_hHookCbt != nullptr) {
        ::UnhookWindowsHookEx(g_hHookCbt);
        g_hHookCbt = nullptr;
    }
    return bUnused;
}

HWND AfxLastHookedWindow()
{
    return AfxWndInternals::Get().hWndLastHooked;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        AfxThrowInvalidArgFormat("CWnd::CreateEx: the object already has window %p", m_hWnd);
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = LONG(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    return AfxCreateHooked(this, [&] {
        return ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, DWORD(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }) != nullptr;
}

void AfxCreateFailed(CWnd* pWnd, BOOL bHookUnused, HWND hWndHooked)
{
    // PostNcDestroy runs once whatever happened; a self-deleting object may be gone already, so it is
    // only touched when known to be alive
    AfxWndInternals& st = AfxWndInternals::Get();
    if (bHookUnused) {
        pWnd->PostNcDestroy();
    } else if (hWndHooked != nullptr && st.map.LookupPermanent(hWndHooked) == pWnd) {
        // the window went without WM_NCDESTROY reaching the object
        pWnd->FinishNcDestroy();
    }
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(UINT_PTR(nID)), lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    AfxRequirePointer(pParentWnd, "CWnd::Create", "pParentWnd (a child window needs a parent)");
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy()
{
}

void CWnd::FinishNcDestroy()
{
    const HWND hWnd = m_hWnd;
    if (m_wndState.pfnSuper != nullptr) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, LONG_PTR(m_wndState.pfnSuper));
        m_wndState.pfnSuper = nullptr;
    }
    AfxForgetToolTipsOf(hWnd);
    Detach();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // the main window is gone: the program ends
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy(); // may delete the object
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

// ---- the window procedure ------------------------------------------------------------------------

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AfxWndInternals& st = AfxWndInternals::Get();
    const MSG saved = st.current;
    st.current.hwnd = hWnd;
    st.current.message = message;
    st.current.wParam = wParam;
    st.current.lParam = lParam;

    LRESULT lResult = 0;
    bool bReport = false;
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (CException* e) {
        lResult = BarrierAnswer(hWnd, message, bReport);
        if (bReport)
            AfxReportBarrierException(e);
        else
            e->Delete();
    } catch (const std::bad_alloc&) {
        lResult = BarrierAnswer(hWnd, message, bReport);
        if (bReport)
            AfxReportBarrierException(static_cast<const char*>(nullptr));
    } catch (const std::exception& e) {
        lResult = BarrierAnswer(hWnd, message, bReport);
        if (bReport)
            AfxReportBarrierException(e.what());
    } catch (...) {
        lResult = BarrierAnswer(hWnd, message, bReport);
        if (bReport)
            AfxReportBarrierException(AfxLoadLibraryString(AFX_IDP_INTERNAL_FAILURE));
    }

    if (message == WM_NCDESTROY && st.map.LookupPermanent(hWnd) == pWnd) {
        AfxCallProtected(0, [pWnd] {
            pWnd->FinishNcDestroy();
            return 0;
        });
    }
    st.current = saved;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_wndState.pfnSuper != nullptr)
        return ::CallWindowProcA(m_wndState.pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = AfxWndInternals::Get().current;
    if (m_hWnd == nullptr || current.hwnd != m_hWnd)
        return 0; // not inside a message of this window
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &AfxWndInternals::Get().current;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
    } else if (message == WM_NOTIFY) {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (pNMHDR != nullptr)
            bHandled = OnNotify(wParam, lParam, &lResult);
    } else if (message == WM_SETCURSOR && AfxGetApp() != nullptr && AfxGetApp()->m_nWaitCursorCount > 0) {
        // a long operation runs: the wait cursor stays whatever the window would show
        AfxGetApp()->DoWaitCursor(0);
        lResult = TRUE;
        bHandled = TRUE;
    } else {
        const HWND hWndChild = ReflectionTarget(m_hWnd, message, wParam, lParam);
        if (hWndChild != nullptr && hWndChild != m_hWnd && ReflectToChild(hWndChild, message, wParam, lParam, &lResult)) {
            bHandled = TRUE;
        } else {
            AFX_MSGCALL call = {message, wParam, lParam, 0, 0, nullptr, 0};
            bHandled = DispatchMessageTable(message, call);
            if (!bHandled && TableKey(message) != message)
                bHandled = DispatchMessageTable(TableKey(message), call);
            if (bHandled)
                lResult = call.lResult;
        }
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // a menu item or an accelerator: not while its update handler disables it
        if (nID == 0)
            return FALSE;
        if (!IsCommandEnabled(nID))
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        LRESULT lResult = 0;
        if (ReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
        nCode = int(MAKELONG(WORD(nCode), WM_COMMAND));
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::IsCommandEnabled(UINT nID)
{
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, int(CN_UPDATE_COMMAND_UI), &state, nullptr);
    return state.m_bEnabled;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    (void)wParam;
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    const int nCode = int(pNMHDR->code);
    if (ReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;

    UINT nID = UINT(pNMHDR->idFrom);
    const bool bToolTipText = nCode == int(TTN_GETDISPINFOA) || nCode == int(TTN_GETDISPINFOW);
    if (bToolTipText) {
        // a tool given by its window: route by that window's control id
        const UINT uFlags = nCode == int(TTN_GETDISPINFOA) ? reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->uFlags
                                                            : reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags;
        if (uFlags & TTF_IDISHWND)
            nID = UINT(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)));
    }
    AFX_NOTIFY notify = {pResult, pNMHDR};
    if (OnCmdMsg(nID, int(MAKELONG(WORD(nCode), WM_NOTIFY)), &notify, nullptr))
        return TRUE;
    if (bToolTipText)
        return AfxDefaultToolTipText(nID, pNMHDR, pResult);
    return FALSE;
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == nullptr)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND: {
        const BOOL bHandled =
            OnCmdMsg(0, int(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND)), nullptr, nullptr);
        if (bHandled && pResult != nullptr)
            *pResult = 1;
        return bHandled;
    }
    case WM_NOTIFY: {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        LRESULT lDummy = 0;
        AFX_NOTIFY notify = {pResult != nullptr ? pResult : &lDummy, pNMHDR};
        return OnCmdMsg(0, int(MAKELONG(WORD(pNMHDR->code), WM_REFLECT_BASE + WM_NOTIFY)), &notify, nullptr);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        if (IsColourMessage(message))
            return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndState.bToolTips)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// ---- window classes -----------------------------------------------------------------------------------

BOOL AfxRegisterClass(WNDCLASSA* lpWndClass)
{
    AfxRequirePointer(lpWndClass, "AfxRegisterClass", "lpWndClass");
    WNDCLASSA existing;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> s_names; // class names live as long as the process
    const HINSTANCE hInst = AfxGetInstanceHandle();
    CString name;
    // full handle values: 64-bit handles must not collide
    if (hCursor == nullptr && hbrBackground == nullptr && hIcon == nullptr)
        name.Format("Afx:%p:%x", hInst, nClassStyle);
    else
        name.Format("Afx:%p:%x:%p:%p:%p", hInst, nClassStyle, hCursor, hbrBackground, hIcon);
    const std::string& stored = *s_names.insert(std::string(name.GetString())).first;
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = stored.c_str();
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return stored.c_str();
}
