#include "win/CStatic.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic() = default;

CStatic::~CStatic() = default;

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CStatic::GetBitmap() const
{
    return reinterpret_cast<HBITMAP>(::SendMessageA(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

HICON CStatic::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0));
}

HICON CStatic::GetIcon() const
{
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, STM_GETICON, 0, 0));
}
