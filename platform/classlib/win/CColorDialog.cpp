#include "win/CColorDialog.h"

#include "win/WinServices.h"

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

namespace {

// The program's one set of sixteen custom colours, kept for the run.
COLORREF* SavedCustomColours()
{
    static COLORREF colours[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                   RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                   RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                   RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return colours;
}

} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd), m_cc()
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = clrInit;
    m_cc.Flags = dwFlags | CC_RGBINIT;
    m_cc.lpCustColors = SavedCustomColours();
}

CColorDialog::~CColorDialog() = default;

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = GetOwnerHandle();
    if (m_cc.lpCustColors == nullptr)
        m_cc.lpCustColors = SavedCustomColours();
    return AfxGetServices()->ChooseColor(&m_cc) ? IDOK : IDCANCEL;
}
