#include "win/CPropertySheet.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/WinServices.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// ---- pages --------------------------------------------------------------------------------------------

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    CommonConstruct(nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName)
{
    CommonConstruct(nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::CommonConstruct(UINT nIDCaption)
{
    m_psp = PROPSHEETPAGEA();
    m_psp.dwSize = sizeof m_psp;
    if (nIDCaption != 0 && AfxLoadString(nIDCaption, m_pageState.strCaption))
        m_psp.dwFlags |= PSP_USETITLE;
}

BOOL CPropertyPage::PreparePage(PROPSHEETPAGEA& psp)
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    psp = m_psp;
    psp.dwSize = sizeof psp;
    psp.dwFlags |= PSP_DLGINDIRECT | PSP_USECALLBACK;
    psp.hInstance = hInst;
    psp.pResource = lpTemplate;
    psp.pszTitle = (psp.dwFlags & PSP_USETITLE) ? m_pageState.strCaption.GetString() : nullptr;
    psp.pfnDlgProc = &AfxDlgProc;
    psp.lParam = reinterpret_cast<LPARAM>(this);
    psp.pfnCallback = &PageCallback;
    return TRUE;
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT uMsg, LPPROPSHEETPAGEA ppsp)
{
    if (uMsg != PSPCB_CREATE)
        return 1;
    CPropertyPage* pPage = reinterpret_cast<CPropertyPage*>(ppsp->lParam);
    if (pPage->m_hWnd != nullptr)
        return 0; // one window per page object
    // the system makes the page's dialog next: it is attached to the page before its first message
    pPage->m_pageState.pPreviousHook = AfxHookWindowCreate(pPage);
    pPage->m_pageState.bHookArmed = TRUE;
    pPage->m_pageState.bFirstSetActive = TRUE;
    return 1;
}

void CPropertyPage::DisarmHook()
{
    if (m_pageState.bHookArmed) {
        m_pageState.bHookArmed = FALSE;
        AfxUnhookWindowCreate(m_pageState.pPreviousHook);
    }
}

LRESULT CPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // the first message of the page's window: the hook has done its work
    DisarmHook();
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);
    LRESULT lResult = 0;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        lResult = OnQueryCancel() ? FALSE : TRUE;
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // the answer of a dialog's notification travels in its message result
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    const HWND hWndSheet = ::GetParent(m_hWnd);
    if (hWndSheet != nullptr)
        ::SendMessageA(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_pageState.bFirstSetActive)
        m_pageState.bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- the sheet ----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    AfxLoadString(nIDCaption, m_sheetState.strCaption);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_sheetState.strCaption = pszCaption != nullptr ? pszCaption : "";
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    m_pParentWnd = pParentWnd;
    m_psh = PROPSHEETHEADERA();
    m_psh.dwSize = sizeof m_psh;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    AfxRequirePointer(pPage, "CPropertySheet::AddPage", "pPage");
    if (GetPageIndex(pPage) >= 0)
        AfxThrowInvalidArgFormat("CPropertySheet::AddPage: page %p is already in the sheet", pPage);
    if (m_hWnd != nullptr) {
        PROPSHEETPAGEA psp;
        if (!pPage->PreparePage(psp))
            AfxThrowResourceException();
        const HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&psp);
        if (hPage == nullptr)
            AfxThrowResourceException();
        if (!::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
            ::DestroyPropertySheetPage(hPage);
            AfxThrowResourceException();
        }
    }
    m_sheetState.pages.push_back(pPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    const int nPage = GetPageIndex(pPage);
    if (nPage < 0)
        AfxThrowInvalidArgFormat("CPropertySheet::RemovePage: page %p is not in the sheet", pPage);
    RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        AfxThrowInvalidArgFormat("CPropertySheet::RemovePage: page index %d outside 0..%d", nPage, GetPageCount() - 1);
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, WPARAM(nPage), 0);
    m_sheetState.pages.erase(m_sheetState.pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const
{
    return int(m_sheetState.pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        AfxThrowInvalidArgFormat("CPropertySheet::GetPage: page index %d outside 0..%d", nPage, GetPageCount() - 1);
    return m_sheetState.pages[size_t(nPage)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (size_t i = 0; i < m_sheetState.pages.size(); ++i)
        if (m_sheetState.pages[i] == pPage)
            return int(i);
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return int(m_psh.nStartPage) < GetPageCount() ? int(m_psh.nStartPage) : 0;
    const HWND hWndTab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return hWndTab != nullptr ? int(::SendMessageA(hWndTab, TCM_GETCURSEL, 0, 0)) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    const int nPage = GetActiveIndex();
    return nPage >= 0 && nPage < GetPageCount() ? m_sheetState.pages[size_t(nPage)] : nullptr;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = UINT(nPage);
        return TRUE;
    }
    return BOOL(::SendMessageA(m_hWnd, PSM_SETCURSEL, WPARAM(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

CWnd* CPropertySheet::GetTabControl() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0)));
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_sheetState.strCaption = lpszText != nullptr ? lpszText : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~DWORD(PSH_PROPTITLE)) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(m_sheetState.strCaption.GetString()));
}

INT_PTR CPropertySheet::DoModal()
{
    return AfxGetServices()->DoModal(this);
}

BOOL CPropertySheet::StartModal()
{
    if (m_hWnd != nullptr)
        AfxThrowInvalidArgFormat("CPropertySheet: the sheet is already shown (window %p)", m_hWnd);
    if (m_sheetState.pages.empty())
        return FALSE;
    std::vector<PROPSHEETPAGEA> records(m_sheetState.pages.size());
    for (size_t i = 0; i < records.size(); ++i)
        if (!m_sheetState.pages[i]->PreparePage(records[i]))
            return FALSE;
    HWND hWndTop = nullptr;
    GetSafeOwner(m_pParentWnd, &hWndTop);

    PROPSHEETHEADERA psh = m_psh;
    psh.dwSize = sizeof psh;
    psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS;
    psh.dwFlags &= ~DWORD(PSH_WIZARD | PSH_USECALLBACK);
    psh.hwndParent = hWndTop;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = m_sheetState.strCaption;
    psh.nPages = UINT(records.size());
    psh.ppsp = records.data();
    if (psh.nStartPage >= psh.nPages)
        psh.nStartPage = 0;

    m_sheetState.bEnded = FALSE;
    m_sheetState.nResult = -1;
    AfxInitCommonControls();
    // the system makes the sheet's dialog first of its windows: it is attached to this object
    return AfxCreateHooked(this, [&] {
        const INT_PTR nResult = ::PropertySheetA(&psh);
        return nResult > 0 ? reinterpret_cast<HWND>(nResult) : nullptr;
    }) != nullptr;
}

BOOL CPropertySheet::SystemSheetEnded() const
{
    return m_hWnd != nullptr && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

BOOL CPropertySheet::IsModalEnded()
{
    // an end that came another way than the buttons (closing the window, a page pressing a button)
    if (!m_sheetState.bEnded && SystemSheetEnded())
        EndDialog(::SendMessageA(m_hWnd, PSM_GETRESULT, 0, 0) > 0 ? IDOK : IDCANCEL);
    return m_sheetState.bEnded || m_hWnd == nullptr;
}

INT_PTR CPropertySheet::GetModalResult() const
{
    return m_sheetState.nResult;
}

void CPropertySheet::FinishModal()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

INT_PTR CPropertySheet::RunModalLoop()
{
    return AfxRunModal(*this, m_pParentWnd);
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_sheetState.bEnded = TRUE;
    m_sheetState.nResult = nEndID;
    if (m_hWnd != nullptr)
        ::ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    return BOOL(Default());
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
    for (CPropertyPage* pPage : m_sheetState.pages)
        pPage->DisarmHook();
    return lResult;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    Default();
    const UINT nID = LOWORD(wParam);
    if (!m_sheetState.bEnded && (nID == IDOK || nID == IDCANCEL) && SystemSheetEnded())
        EndDialog(int(nID));
    return TRUE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (CDialog::PreTranslateCloseKey(m_hWnd, pMsg))
        return TRUE;
    if (!AfxIsKeyMessageFor(m_hWnd, pMsg) ||
        ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)) == 0)
        return FALSE;
    KeepFocusOnShownPage();
    return TRUE;
}

void CPropertySheet::KeepFocusOnShownPage()
{
    const HWND hWndFocus = ::GetFocus();
    // a window of its own (a message box a page showed) keeps the focus
    if (hWndFocus != nullptr && hWndFocus != m_hWnd && !::IsChild(m_hWnd, hWndFocus))
        return;
    if (hWndFocus != nullptr && hWndFocus != m_hWnd && ::IsWindowVisible(hWndFocus))
        return;
    // the system's sheet left it on the page it hid
    const HWND hWndPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND hWndTo = hWndPage != nullptr ? ::GetNextDlgTabItem(hWndPage, nullptr, FALSE) : nullptr;
    if (hWndTo == nullptr || !::IsChild(hWndPage, hWndTo))
        hWndTo = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    if (hWndTo != nullptr)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hWndTo), TRUE);
}
