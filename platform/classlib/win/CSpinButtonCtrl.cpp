#include "win/CSpinButtonCtrl.h"

#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

CSpinButtonCtrl::CSpinButtonCtrl() = default;

CSpinButtonCtrl::~CSpinButtonCtrl() = default;

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange(int nLower, int nUpper)
{
    SetRange32(nLower, nUpper);
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    ::SendMessageA(m_hWnd, UDM_SETRANGE32, WPARAM(nLower), LPARAM(nUpper));
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    GetRange32(lower, upper);
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    ::SendMessageA(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int nPos)
{
    return SetPos32(nPos);
}

int CSpinButtonCtrl::SetPos32(int nPos)
{
    return int(::SendMessageA(m_hWnd, UDM_SETPOS32, 0, LPARAM(nPos)));
}

int CSpinButtonCtrl::GetPos() const
{
    return GetPos32(nullptr);
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const
{
    return int(::SendMessageA(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(
        m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy != nullptr ? pWndBuddy->m_hWnd : nullptr), 0)));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, UDM_GETBUDDY, 0, 0)));
}

int CSpinButtonCtrl::SetBase(int nBase)
{
    return int(::SendMessageA(m_hWnd, UDM_SETBASE, WPARAM(nBase), 0));
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    return BOOL(::SendMessageA(m_hWnd, UDM_SETACCEL, WPARAM(nAccel), reinterpret_cast<LPARAM>(pAccel)));
}
