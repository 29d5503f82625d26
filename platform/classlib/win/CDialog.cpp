#include "win/CDialog.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CWinApp.h"
#include "win/DataExchange.h"
#include "win/WinServices.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(WM_NEXTDLGCTL, HandleNextDlgCtl)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

void AfxRunModalLoop(CWnd* pWnd, HWND hWndTop, BOOL (*pfnIsEnded)(CWnd*), void (*pfnOnQuit)(CWnd*))
{
    const bool bDisabledOwner = hWndTop != nullptr && ::IsWindowEnabled(hWndTop);
    if (bDisabledOwner)
        ::EnableWindow(hWndTop, FALSE);
    if (!pfnIsEnded(pWnd) && pWnd->m_hWnd != nullptr) {
        ::ShowWindow(pWnd->m_hWnd, SW_SHOWNORMAL);
        ::UpdateWindow(pWnd->m_hWnd);
    }

    bool bIdle = true;
    // whether the modal window was active while the message that ended it was handled: its end hides
    // it, and with the owner still disabled then no window of the program is left active
    bool bWasActive = false;
    while (!pfnIsEnded(pWnd) && pWnd->m_hWnd != nullptr) {
        MSG msg;
        if (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // the queue is empty: tell the owner, once per burst of messages
            if (hWndTop != nullptr)
                ::SendMessageA(hWndTop, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(pWnd->m_hWnd));
            bIdle = false;
            continue;
        }
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0 || bGot == -1) {
            // the program is ending: end the modal window and leave WM_QUIT to the outer loop
            ::PostQuitMessage(int(msg.wParam));
            pfnOnQuit(pWnd);
            break;
        }
        bWasActive = ::GetActiveWindow() == pWnd->m_hWnd;
        CWinApp* pApp = AfxGetApp();
        const BOOL bUsed = AfxCallProtected(FALSE, [&] {
            return pApp != nullptr ? pApp->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(nullptr, &msg);
        });
        if (!bUsed) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        bIdle = true;
    }

    if (bDisabledOwner)
        ::EnableWindow(hWndTop, TRUE);
    // the owner takes the activation back from the modal window, also when hiding it left none
    const HWND hWndActive = ::GetActiveWindow();
    if (hWndTop != nullptr && pWnd->m_hWnd != nullptr &&
        (hWndActive == pWnd->m_hWnd || (hWndActive == nullptr && bWasActive)))
        ::SetActiveWindow(hWndTop);
}

void AfxRestoreOwnerFocus(HWND hWndTop, HWND hWndFocus)
{
    // the activation alone leaves the focus on the owner itself
    if (hWndTop != nullptr && ::GetActiveWindow() == hWndTop && hWndFocus != nullptr && ::IsChild(hWndTop, hWndFocus) &&
        ::IsWindowVisible(hWndFocus) && ::IsWindowEnabled(hWndFocus))
        ::SetFocus(hWndFocus);
    // a window that has gone or hidden meanwhile leaves the keyboard to one that shows
    AfxFocusVisibleWithin(hWndTop, ::GetFocus());
}

CDialog::CDialog() : m_lpszTemplateName(nullptr), m_pParentWnd(nullptr)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) : m_lpszTemplateName(nullptr), m_pParentWnd(pParentWnd)
{
    SetTemplateName(lpszTemplateName);
}

CDialog::~CDialog() = default;

void CDialog::SetTemplateName(LPCSTR lpszTemplateName)
{
    if (lpszTemplateName != nullptr && !IS_INTRESOURCE(lpszTemplateName)) {
        m_dlgState.strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_dlgState.strTemplateName;
    } else {
        m_lpszTemplateName = lpszTemplateName;
    }
}

LPCDLGTEMPLATEA CDialog::LoadTemplate(HINSTANCE* phInst) const
{
    if (m_lpszTemplateName == nullptr)
        return nullptr;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (hInst == nullptr)
        return nullptr;
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, MAKEINTRESOURCEA(5));
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    if (hData == nullptr)
        return nullptr;
    *phInst = hInst;
    return static_cast<LPCDLGTEMPLATEA>(::LockResource(hData));
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATEA lpTemplate, HWND hWndOwner, HINSTANCE hInst)
{
    AfxRequirePointer(lpTemplate, "CDialog::CreateDlgIndirect", "lpTemplate");
    if (m_hWnd != nullptr)
        AfxThrowInvalidArgFormat("CDialog: the object already has window %p", m_hWnd);
    AfxInitCommonControls();
    return AfxCreateHooked(this, [&] {
        return ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndOwner, &AfxDlgProc, reinterpret_cast<LPARAM>(this));
    }) != nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    SetTemplateName(lpszTemplateName);
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    m_dlgState.bModal = FALSE;
    m_dlgState.bEnded = FALSE;
    m_dlgState.nModalResult = -1;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    return CreateDlgIndirect(lpTemplate, pOwner != nullptr ? pOwner->m_hWnd : nullptr, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    m_dlgState.bModal = FALSE;
    m_dlgState.bEnded = FALSE;
    m_dlgState.nModalResult = -1;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    return CreateDlgIndirect(lpDialogTemplate, pOwner != nullptr ? pOwner->m_hWnd : nullptr, AfxGetInstanceHandle());
}

INT_PTR CDialog::DoModal()
{
    return AfxGetServices()->DoModal(this);
}

BOOL CDialog::StartModal()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    HWND hWndTop = nullptr;
    GetSafeOwner(m_pParentWnd, &hWndTop);
    m_dlgState.bModal = TRUE;
    m_dlgState.bEnded = FALSE;
    m_dlgState.nModalResult = -1;
    // the template's WS_VISIBLE would show it before its owner is disabled: shown by the caller
    return CreateDlgIndirect(lpTemplate, hWndTop, hInst);
}

BOOL CDialog::IsModalEnded() const
{
    return m_dlgState.bEnded;
}

INT_PTR CDialog::GetModalResult() const
{
    return m_dlgState.nModalResult;
}

void CDialog::FinishModal()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_dlgState.bModal = FALSE;
}

INT_PTR CDialog::RunModalLoop()
{
    return AfxRunModal(*this, m_pParentWnd);
}

void CDialog::EndDialog(int nResult)
{
    m_dlgState.bEnded = TRUE;
    m_dlgState.nModalResult = nResult;
    if (m_hWnd != nullptr)
        ::ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    if (m_lpszTemplateName != nullptr && !ExecuteDlgInit(m_lpszTemplateName))
        AfxThrowResourceException();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return; // the refused value has been shown; the dialog stays open
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    } catch (CException* e) {
        AfxReportBarrierException(e);
        return FALSE;
    }
}

void CDialog::DoDataExchange(CDataExchange* pDX)
{
    (void)pDX;
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    AfxRequirePointer(lpRect, "CDialog::MapDialogRect", "lpRect");
    ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    AfxRequirePointer(pWndCtrl, "CDialog::GotoDlgCtrl", "pWndCtrl");
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, FALSE);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return DWORD(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

namespace {

// Whether hWnd is a window of the system's dialog class.
BOOL IsDialogWindow(HWND hWnd)
{
    return hWnd != nullptr && ::GetClassLongPtrA(hWnd, GCW_ATOM) == ULONG_PTR(reinterpret_cast<UINT_PTR>(WC_DIALOG));
}

} // namespace

HWND CDialog::GetTabRoot(HWND hWnd)
{
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) &&
           (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) {
        const HWND hWndParent = ::GetParent(hWnd);
        if (!IsDialogWindow(hWndParent))
            break;
        hWnd = hWndParent;
    }
    return hWnd;
}

LRESULT CDialog::HandleNextDlgCtl(WPARAM wParam, LPARAM lParam)
{
    const HWND hWndRoot = GetTabRoot(m_hWnd);
    if (hWndRoot != m_hWnd)
        return ::SendMessageA(hWndRoot, WM_NEXTDLGCTL, wParam, lParam);
    return Default();
}

namespace {

// Whether hWnd is a combo box whose list is open, or the edit box of one.
BOOL IsOpenComboBox(HWND hWnd)
{
    char szClass[16] = {};
    for (int i = 0; i < 2 && hWnd != nullptr; ++i, hWnd = ::GetParent(hWnd))
        if (::GetClassNameA(hWnd, szClass, sizeof szClass) != 0 && ::lstrcmpiA(szClass, "ComboBox") == 0)
            return ::SendMessageA(hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    return FALSE;
}

// Whether Escape in pMsg->hwnd is a control's own key that the dialog manager leaves to it, though it
// should cancel the dialog: the control stands in a dialog (a part of another control, as a label being
// edited, keeps the key), asks for the key, and is no combo box whose list the key closes.
BOOL IsEscapeKeptFromDialog(const MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_ESCAPE || !IsDialogWindow(::GetParent(pMsg->hwnd)))
        return FALSE;
    const LRESULT lCode =
        ::SendMessageA(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(const_cast<MSG*>(pMsg)));
    return (lCode & DLGC_WANTMESSAGE) != 0 && !IsOpenComboBox(pMsg->hwnd);
}

} // namespace

BOOL CDialog::PreTranslateCloseKey(HWND hWndDialog, MSG* pMsg)
{
    AfxRequirePointer(pMsg, "CDialog::PreTranslateCloseKey", "pMsg");
    if (!AfxIsKeyMessageFor(hWndDialog, pMsg))
        return FALSE;
    if (AfxIsAltF4(pMsg)) {
        // what the system's default does with the key, which a control may keep from it
        if ((::GetClassLongPtrA(hWndDialog, GCL_STYLE) & CS_NOCLOSE) == 0)
            ::PostMessageA(hWndDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    }
    if (IsEscapeKeptFromDialog(pMsg)) {
        // what the dialog manager does with Escape in any other control
        ::SendMessageA(hWndDialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(::GetDlgItem(hWndDialog, IDCANCEL)));
        return TRUE;
    }
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // a dialog inside another one of the library: the outer dialog's manager walks into it
    const HWND hWndRoot = GetTabRoot(m_hWnd);
    if (hWndRoot != m_hWnd && CWnd::FromHandlePermanent(hWndRoot) != nullptr)
        return FALSE;
    if (PreTranslateCloseKey(m_hWnd, pMsg))
        return TRUE;
    return AfxIsKeyMessageFor(m_hWnd, pMsg) && ::IsDialogMessageA(m_hWnd, pMsg);
}
