// SECWndPlugIn: borrowing a host window's handle and dispatching its messages first.
#include "frames/SECWndPlugIn.h"

#include "win/ArgCheck.h"

IMPLEMENT_DYNAMIC(SECWndPlugIn, CWnd)

SECWndPlugIn::SECWndPlugIn()
    : m_bExitDefault(FALSE), m_bCallDefault(FALSE), m_bEnabled(FALSE), m_bResultSet(FALSE), m_lResult(0)
{
}

SECWndPlugIn::~SECWndPlugIn()
{
    UnPlug();
}

void SECWndPlugIn::SetResult(LRESULT lResult)
{
    m_lResult = lResult;
    m_bResultSet = TRUE;
}

BOOL SECWndPlugIn::PlugInTo(CWnd* pHost)
{
    AfxRequirePointer(pHost, "SECWndPlugIn::PlugInTo", "pHost");
    if (pHost->m_hWnd == nullptr)
        return FALSE;
    // borrowed, not attached: the handle map keeps the host's object
    m_hWnd = pHost->m_hWnd;
    m_bEnabled = TRUE;
    return TRUE;
}

void SECWndPlugIn::UnPlug()
{
    m_bEnabled = FALSE;
    m_hWnd = nullptr;
}

BOOL SECWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bEnabled)
        return FALSE;
    m_bExitDefault = FALSE;
    m_bCallDefault = FALSE;
    m_bResultSet = FALSE;
    LRESULT lResult = 0;
    const BOOL bHandled = CWnd::OnWndMsg(message, wParam, lParam, &lResult);
    if (m_bResultSet)
        lResult = m_lResult;
    if (pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL SECWndPlugIn::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return m_bEnabled && CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT SECWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bEnabled || !m_bCallDefault)
        return 0;
    return CWnd::DefWindowProc(message, wParam, lParam);
}
