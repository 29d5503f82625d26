#include "frames/SECDialogBar.h"

#include "frames/SECResourceData.h"
#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/CFrameWnd.h"
#include "win/ControlContainer.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNCREATE(SECDialogBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECDialogBar, SECControlBar)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {

const LPCSTR kDialogType = MAKEINTRESOURCEA(5); // RT_DIALOG

// The dialog procedure behind the library's window procedure: the dialog manager's default handling
// for everything the bar's table leaves alone; the bar never takes the focus when it is made.
INT_PTR CALLBACK BarDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

} // namespace

SECDialogBar::SECDialogBar() : m_nResourceID(0), m_pInitCookie(nullptr)
{
}

SECDialogBar::~SECDialogBar() = default;

BOOL SECDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle, UINT nID)
{
    return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), dwStyle, dwExStyle, nID);
}

BOOL SECDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle, UINT nID)
{
    AfxRequirePointer(pParentWnd, "SECDialogBar::Create", "pParentWnd");
    AfxRequirePointer(lpszTemplateName, "SECDialogBar::Create", "lpszTemplateName");
    if (m_hWnd != nullptr)
        AfxThrowInvalidArgFormat("SECDialogBar::Create: the bar already has window %p", m_hWnd);
    size_t nSize = 0;
    const void* lpTemplate = SECLockResourceData(lpszTemplateName, kDialogType, &nSize);
    if (lpTemplate == nullptr)
        return FALSE;
    m_nResourceID = IS_INTRESOURCE(lpszTemplateName) ? UINT(LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName))) : 0;
    // before the window exists, so that its WM_CREATE sees the bar's styles
    m_dwExStyle = dwExStyle;
    SetBarStyle(dwStyle & CBRS_ALL);

    AfxInitCommonControls();
    const HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, kDialogType);
    if (AfxCreateHooked(this, [&] {
            return ::CreateDialogIndirectParamA(hInst, static_cast<LPCDLGTEMPLATEA>(lpTemplate), pParentWnd->m_hWnd,
                                                &BarDlgProc, 0);
        }) == nullptr)
        return FALSE;
    if ((GetStyle() & WS_CHILD) == 0) {
        // a popup dialog cannot sit in a frame's layout
        DestroyWindow();
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, LONG_PTR(nID));

    CRect rect;
    GetWindowRect(rect);
    m_sizeDefault = rect.Size();
    m_szDockHorz = m_szDockVert = m_szFloat = m_sizeDefault;
    ModifyStyle(WS_CAPTION, WS_CLIPSIBLINGS, SWP_FRAMECHANGED);
    if (!ExecuteDlgInit(lpszTemplateName)) {
        DestroyWindow();
        return FALSE;
    }
    if (m_dwExStyle & SEC_CBRS_EX_PROPLAYOUT)
        RecordLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return TRUE;
}

LRESULT SECDialogBar::HandleInitDialog(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    AfxCallControlContainerHook(this, m_pInitCookie);
    return lResult;
}

BOOL SECDialogBar::PreTranslateMessage(MSG* pMsg)
{
    if (SECControlBar::PreTranslateMessage(pMsg))
        return TRUE;
    if (!AfxIsKeyMessageFor(m_hWnd, pMsg))
        return FALSE;
    // the dialog manager takes every key of the bar's controls, the frames' accelerators among them
    for (CWnd* pOwner = GetOwner(); pOwner != nullptr; pOwner = pOwner->GetParentFrame())
        if (pOwner->PreTranslateMessage(pMsg))
            return TRUE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

CSize SECDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch)
        return m_sizeDefault;
    return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}
