#include "win/CFindReplaceDialog.h"

#include "win/CWinApp.h"
#include "win/WinServices.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

namespace {

// Copies lpsz (null: empty) into the buffer, cut to fit.
template <size_t N>
void CopyCut(char (&buffer)[N], LPCSTR lpsz)
{
    const size_t nLength = lpsz != nullptr ? strnlen(lpsz, N - 1) : 0;
    memcpy(buffer, lpsz != nullptr ? lpsz : "", nLength);
    buffer[nLength] = '\0';
}

} // namespace

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr), m_fr(), m_szFindWhat(), m_szReplaceWith()
{
    m_fr.lStructSize = sizeof m_fr;
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = WORD(sizeof m_szFindWhat);
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = WORD(sizeof m_szReplaceWith);
    m_fr.lCustData = reinterpret_cast<LPARAM>(this);
}

CFindReplaceDialog::~CFindReplaceDialog() = default;

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith, DWORD dwFlags,
                                CWnd* pParentWnd)
{
    if (m_hWnd != nullptr)
        AfxThrowInvalidArgFormat("CFindReplaceDialog::Create: the dialog is already shown (window %p)", m_hWnd);
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    if (pOwner == nullptr || pOwner->m_hWnd == nullptr)
        return FALSE;
    CopyCut(m_szFindWhat, lpszFindWhat);
    CopyCut(m_szReplaceWith, lpszReplaceWith);
    m_fr.hwndOwner = pOwner->m_hWnd;
    m_fr.Flags = dwFlags;
    const HWND hWnd = AfxGetServices()->FindReplace(&m_fr, bFindDialogOnly);
    return hWnd != nullptr && SubclassWindow(hWnd);
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    const FINDREPLACEA* pfr = reinterpret_cast<const FINDREPLACEA*>(lParam);
    return pfr != nullptr ? reinterpret_cast<CFindReplaceDialog*>(pfr->lCustData) : nullptr;
}

void CFindReplaceDialog::PostNcDestroy()
{
    delete this;
}
