// The device contexts of a window: CPaintDC for WM_PAINT (BeginPaint/EndPaint), CClientDC for the
// client area and CWindowDC for the whole window (GetDC/GetWindowDC, released at destruction).
//
// Each holds its DC for its own lifetime and gives it back in its destructor; output and attribute DC
// are the same handle. A DC that cannot be had throws CResourceException.
#pragma once

#include "win/CDC.h"

class CWnd;

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    // BeginPaint on pWnd (not null, with a window).
    explicit CPaintDC(CWnd* pWnd);
    // EndPaint.
    ~CPaintDC() override;

    PAINTSTRUCT m_ps; // what BeginPaint filled (m_ps.rcPaint: the area to paint)

protected:
    HWND m_hWnd;
};

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    // GetDC of pWnd (null: the screen).
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    // GetWindowDC of pWnd (null: the screen).
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
