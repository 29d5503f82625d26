#include "win/CEdit.h"

#include <vector>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() = default;

CEdit::~CEdit() = default;

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = int(dwStart);
    nEndChar = int(dwEnd);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessageA(m_hWnd, EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
    if (!bNoScroll)
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText != nullptr ? lpszNewText : ""));
}

void CEdit::SetLimitText(UINT nMax)
{
    ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}

void CEdit::LimitText(int nChars)
{
    ::SendMessageA(m_hWnd, EM_LIMITTEXT, WPARAM(nChars), 0);
}

UINT CEdit::GetLimitText() const
{
    return UINT(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

int CEdit::GetLineCount() const
{
    return int(::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

void CEdit::GetLine(int nIndex, CString& rString) const
{
    rString.Empty();
    const int nStart = LineIndex(nIndex);
    if (nStart < 0)
        return;
    const int nLength = int(::SendMessageA(m_hWnd, EM_LINELENGTH, WPARAM(nStart), 0));
    // EM_GETLINE: the first WORD of the buffer holds its size
    std::vector<char> buffer(size_t(nLength) + 2 > sizeof(WORD) ? size_t(nLength) + 2 : sizeof(WORD));
    *reinterpret_cast<WORD*>(buffer.data()) = WORD(buffer.size());
    const int n = int(::SendMessageA(m_hWnd, EM_GETLINE, WPARAM(nIndex), reinterpret_cast<LPARAM>(buffer.data())));
    rString = CString(buffer.data(), n < nLength ? n : nLength);
}

int CEdit::LineIndex(int nLine) const
{
    return int(::SendMessageA(m_hWnd, EM_LINEINDEX, WPARAM(nLine), 0));
}

int CEdit::LineFromChar(int nIndex) const
{
    return int(::SendMessageA(m_hWnd, EM_LINEFROMCHAR, WPARAM(nIndex), 0));
}

int CEdit::LineLength(int nLine) const
{
    return int(::SendMessageA(m_hWnd, EM_LINELENGTH, WPARAM(nLine), 0));
}

void CEdit::LineScroll(int nLines, int nChars)
{
    ::SendMessageA(m_hWnd, EM_LINESCROLL, WPARAM(nChars), LPARAM(nLines));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return BOOL(::SendMessageA(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

void CEdit::SetPasswordChar(char ch)
{
    ::SendMessageA(m_hWnd, EM_SETPASSWORDCHAR, WPARAM(BYTE(ch)), 0);
}

BOOL CEdit::GetModify() const
{
    return BOOL(::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0));
}

void CEdit::SetModify(BOOL bModified)
{
    ::SendMessageA(m_hWnd, EM_SETMODIFY, bModified, 0);
}

BOOL CEdit::Undo()
{
    return BOOL(::SendMessageA(m_hWnd, EM_UNDO, 0, 0));
}

BOOL CEdit::CanUndo() const
{
    return BOOL(::SendMessageA(m_hWnd, EM_CANUNDO, 0, 0));
}

void CEdit::EmptyUndoBuffer()
{
    ::SendMessageA(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
}

void CEdit::Cut()
{
    ::SendMessageA(m_hWnd, WM_CUT, 0, 0);
}

void CEdit::Copy()
{
    ::SendMessageA(m_hWnd, WM_COPY, 0, 0);
}

void CEdit::Paste()
{
    ::SendMessageA(m_hWnd, WM_PASTE, 0, 0);
}

void CEdit::Clear()
{
    ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0);
}

int CEdit::GetFirstVisibleLine() const
{
    return int(::SendMessageA(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void CEdit::SetRect(LPCRECT lpRect)
{
    ::SendMessageA(m_hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

void CEdit::SetRectNP(LPCRECT lpRect)
{
    ::SendMessageA(m_hWnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(lpRect));
}
