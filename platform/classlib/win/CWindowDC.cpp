#include "win/CWindowDC.h"

#include "win/ArgCheck.h"
#include "win/CWnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(nullptr)
{
    AfxRequirePointer(pWnd, "CPaintDC", "pWnd");
    if (pWnd->m_hWnd == nullptr)
        AfxThrowInvalidArgException("CPaintDC: the window object has no window");
    m_hWnd = pWnd->m_hWnd;
    HDC hDC = ::BeginPaint(m_hWnd, &m_ps);
    if (hDC == nullptr || !Attach(hDC))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    HDC hDC = ::GetDC(m_hWnd);
    if (hDC == nullptr || !Attach(hDC))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    HDC hDC = Detach();
    ::ReleaseDC(m_hWnd, hDC);
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == nullptr || !Attach(hDC))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    HDC hDC = Detach();
    ::ReleaseDC(m_hWnd, hDC);
}
