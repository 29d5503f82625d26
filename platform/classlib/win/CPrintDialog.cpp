#include "win/CPrintDialog.h"

#include "win/WinServices.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

namespace {

// The name at the offset field of a DEVNAMES block; empty without a block.
CString DevNamesText(HGLOBAL hDevNames, WORD DEVNAMES::*pOffset)
{
    const DEVNAMES* pNames = hDevNames != nullptr ? static_cast<const DEVNAMES*>(::GlobalLock(hDevNames)) : nullptr;
    if (pNames == nullptr)
        return CString();
    CString text = reinterpret_cast<const char*>(pNames) + pNames->*pOffset;
    ::GlobalUnlock(hDevNames);
    return text;
}

} // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_pd()
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = GetOwnerHandle();
    return AfxGetServices()->PrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    if (m_pd.hDevMode != nullptr || m_pd.hDevNames != nullptr)
        AfxThrowInvalidArgFormat(
            "CPrintDialog::GetDefaults: the dialog already holds a printer (DEVMODE %p, DEVNAMES %p)", m_pd.hDevMode,
            m_pd.hDevNames);
    PRINTDLGA pd = m_pd;
    pd.Flags |= PD_RETURNDEFAULT;
    pd.Flags &= ~DWORD(PD_RETURNDC);
    pd.hwndOwner = nullptr;
    if (!AfxGetServices()->PrintDlg(&pd))
        return FALSE;
    m_pd.hDevMode = pd.hDevMode;
    m_pd.hDevNames = pd.hDevNames;
    return TRUE;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
    return m_pd.hDC;
}

CString CPrintDialog::GetDeviceName() const
{
    return DevNamesText(m_pd.hDevNames, &DEVNAMES::wDeviceOffset);
}

HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (hDevNames == nullptr)
        return nullptr;
    const CString driver = DevNamesText(hDevNames, &DEVNAMES::wDriverOffset);
    const CString device = DevNamesText(hDevNames, &DEVNAMES::wDeviceOffset);
    const CString output = DevNamesText(hDevNames, &DEVNAMES::wOutputOffset);
    const DEVMODEA* pDevMode = hDevMode != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(hDevMode)) : nullptr;
    const HDC hDC = AfxGetServices()->CreatePrinterDC(driver, device, output, pDevMode);
    if (pDevMode != nullptr)
        ::GlobalUnlock(hDevMode);
    return hDC;
}
