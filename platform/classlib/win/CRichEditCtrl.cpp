#include "win/CRichEditCtrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL AfxInitRichEdit()
{
    static const HMODULE hRichEdit = ::LoadLibraryA("RICHED32.DLL");
    return hRichEdit != nullptr;
}

CRichEditCtrl::CRichEditCtrl() = default;

CRichEditCtrl::~CRichEditCtrl() = default;

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxInitRichEdit())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASS10A, nullptr, dwStyle, rect, pParentWnd, nID);
}

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es)
{
    return long(::SendMessageA(m_hWnd, EM_STREAMIN, WPARAM(nFormat), reinterpret_cast<LPARAM>(&es)));
}

long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es)
{
    return long(::SendMessageA(m_hWnd, EM_STREAMOUT, WPARAM(nFormat), reinterpret_cast<LPARAM>(&es)));
}

long CRichEditCtrl::GetTextLength() const
{
    return long(::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
}

void CRichEditCtrl::GetSel(CHARRANGE& cr) const
{
    ::SendMessageA(m_hWnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditCtrl::SetSel(const CHARRANGE& cr)
{
    ::SendMessageA(m_hWnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {LONG(nStartChar), LONG(nEndChar)};
    SetSel(cr);
}

void CRichEditCtrl::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo,
                   reinterpret_cast<LPARAM>(lpszNewText != nullptr ? lpszNewText : ""));
}

long CRichEditCtrl::LineFromChar(long nIndex) const
{
    return long(::SendMessageA(m_hWnd, EM_EXLINEFROMCHAR, 0, LPARAM(nIndex)));
}

void CRichEditCtrl::LimitText(long nChars)
{
    ::SendMessageA(m_hWnd, EM_EXLIMITTEXT, 0, LPARAM(nChars));
}

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly)
{
    return BOOL(::SendMessageA(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

BOOL CRichEditCtrl::GetModify() const
{
    return BOOL(::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0));
}

void CRichEditCtrl::SetModify(BOOL bModified)
{
    ::SendMessageA(m_hWnd, EM_SETMODIFY, bModified, 0);
}

DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask)
{
    return DWORD(::SendMessageA(m_hWnd, EM_SETEVENTMASK, 0, LPARAM(dwEventMask)));
}

UINT CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags)
{
    return UINT(::SendMessageA(m_hWnd, EM_SETOPTIONS, wOp, LPARAM(dwFlags)));
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr)
{
    return COLORREF(::SendMessageA(m_hWnd, EM_SETBKGNDCOLOR, bSysColor, LPARAM(cr)));
}

BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth)
{
    return BOOL(::SendMessageA(m_hWnd, EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(hDC), LPARAM(lLineWidth)));
}

long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay)
{
    return long(::SendMessageA(m_hWnd, EM_FORMATRANGE, bDisplay, reinterpret_cast<LPARAM>(pfr)));
}

void CRichEditCtrl::RequestResize()
{
    ::SendMessageA(m_hWnd, EM_REQUESTRESIZE, 0, 0);
}

long CRichEditCtrl::FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const
{
    return long(::SendMessageA(m_hWnd, EM_FINDTEXTEX, dwFlags, reinterpret_cast<LPARAM>(pFindText)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& cf) const
{
    cf.cbSize = sizeof cf;
    return DWORD(::SendMessageA(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& cf)
{
    cf.cbSize = sizeof cf;
    return BOOL(::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    pf.cbSize = sizeof pf;
    return DWORD(::SendMessageA(m_hWnd, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf)
{
    pf.cbSize = sizeof pf;
    return BOOL(::SendMessageA(m_hWnd, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)));
}

void CRichEditCtrl::Copy()
{
    ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CRichEditCtrl::Paste()
{
    ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}
