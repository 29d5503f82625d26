#include "win/CAnimateCtrl.h"

#include "win/AfxResource.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

CAnimateCtrl::CAnimateCtrl() = default;

CAnimateCtrl::~CAnimateCtrl() = default;

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    return CWnd::Create(ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(UINT nID)
{
    const HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), "AVI");
    if (hInst == nullptr)
        return FALSE;
    return BOOL(::SendMessageA(m_hWnd, ACM_OPENA, reinterpret_cast<WPARAM>(hInst),
                               reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(nID))));
}

BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRep)
{
    return BOOL(::SendMessageA(m_hWnd, ACM_PLAY, WPARAM(nRep), MAKELPARAM(nFrom, nTo)));
}
