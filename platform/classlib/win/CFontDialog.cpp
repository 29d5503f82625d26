#include "win/CFontDialog.h"

#include "win/WinServices.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_cf(), m_lf()
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial != nullptr) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

CFontDialog::~CFontDialog() = default;

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = GetOwnerHandle();
    m_cf.lpLogFont = &m_lf;
    return AfxGetServices()->ChooseFont(&m_cf) ? IDOK : IDCANCEL;
}

CString CFontDialog::GetFaceName() const
{
    char face[LF_FACESIZE + 1] = {};
    memcpy(face, m_lf.lfFaceName, LF_FACESIZE);
    return face;
}
