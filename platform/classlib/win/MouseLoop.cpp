#include "win/MouseLoop.h"

#include "win/ArgCheck.h"

BOOL AfxRunMouseLoop(CWnd* pWnd, AfxLoopStep (*pfnStep)(void* pContext, const MSG& msg), void* pContext)
{
    AfxRequirePointer(pWnd, "AfxRunMouseLoop", "pWnd");
    const HWND hWnd = pWnd->m_hWnd;
    if (hWnd == nullptr)
        AfxThrowInvalidArgFormat("AfxRunMouseLoop: the window object %p has no window", pWnd);
    ::SetCapture(hWnd);
    AfxLoopStep result = afxLoopCancel;
    for (;;) {
        if (::GetCapture() != hWnd) {
            result = afxLoopCancel;
            break;
        }
        MSG msg;
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0 || bGot == -1) {
            ::PostQuitMessage(int(msg.wParam));
            result = afxLoopCancel;
            break;
        }
        result = AfxCallProtected(afxLoopCancel, [&] { return pfnStep(pContext, msg); });
        if (result == afxLoopDone || result == afxLoopCancel)
            break;
        if (result == afxLoopDispatch) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return result == afxLoopDone;
}

CAfxDesktopDC::CAfxDesktopDC()
{
    const HWND hWndDesktop = ::GetDesktopWindow();
    m_bLocked = ::LockWindowUpdate(hWndDesktop);
    if (HDC hDC = ::GetDCEx(hWndDesktop, nullptr, DCX_WINDOW | DCX_CACHE | (m_bLocked ? DCX_LOCKWINDOWUPDATE : 0)))
        Attach(hDC);
}

CAfxDesktopDC::~CAfxDesktopDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(::GetDesktopWindow(), Detach());
    if (m_bLocked)
        ::LockWindowUpdate(nullptr);
}
