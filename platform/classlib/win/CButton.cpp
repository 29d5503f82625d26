#include "win/CButton.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::CButton() = default;

CButton::~CButton() = default;

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
{
    return UINT(::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0));
}

void CButton::SetState(BOOL bHighlight)
{
    ::SendMessageA(m_hWnd, BM_SETSTATE, bHighlight, 0);
}

int CButton::GetCheck() const
{
    return int(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0));
}

void CButton::SetCheck(int nCheck)
{
    ::SendMessageA(m_hWnd, BM_SETCHECK, WPARAM(nCheck), 0);
}

UINT CButton::GetButtonStyle() const
{
    return UINT(::GetWindowLongA(m_hWnd, GWL_STYLE)) & 0xFF;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const
{
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

HICON CButton::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    m_buttonState.bBaseDrawItem = TRUE;
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        m_buttonState.bBaseDrawItem = FALSE;
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (!m_buttonState.bBaseDrawItem) {
            if (pResult != nullptr)
                *pResult = TRUE;
            return TRUE;
        }
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
