#include "win/CToolTipCtrl.h"

#include "win/AfxResource.h"
#include "win/ArgCheck.h"
#include "win/WndInternal.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl() = default;

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    AfxInitCommonControls();
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    AfxRequirePointer(pWnd, "CToolTipCtrl", "pWnd");
    ti = TOOLINFOA();
    ti.cbSize = sizeof ti;
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(pWnd->m_hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = UINT_PTR(pWnd->m_hWnd);
    } else {
        ti.hwnd = pWnd->m_hWnd;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.uFlags |= TTF_SUBCLASS;
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return BOOL(::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString text;
    AfxLoadString(nIDText, text);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& rString, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    char buffer[1024] = {};
    ti.lpszText = buffer;
    ::SendMessageA(m_hWnd, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&ti));
    rString = buffer;
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    AfxRequirePointer(lpRect, "CToolTipCtrl::SetToolRect", "lpRect");
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    ::SendMessageA(m_hWnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTipCtrl::GetToolCount() const
{
    return int(::SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    ::SendMessageA(m_hWnd, TTM_ACTIVATE, bActivate, 0);
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::Pop()
{
    ::SendMessageA(m_hWnd, TTM_POP, 0, 0);
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_INITIAL, LPARAM(nDelay));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, dwDuration, LPARAM(iTime));
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return int(::SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, LPARAM(iWidth)));
}
