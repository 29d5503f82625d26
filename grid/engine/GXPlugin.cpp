// CGXPluginComponent: message handling borrowed from the grid window (see GXPlugin.h).
#include "grid/engine/GXPlugin.h"

IMPLEMENT_DYNAMIC(CGXPluginComponent, CWnd)

BEGIN_MESSAGE_MAP(CGXPluginComponent, CWnd)
END_MESSAGE_MAP()

CGXPluginComponent::CGXPluginComponent() : m_bSkipOtherPlugins(FALSE), m_bExitMessage(FALSE) {}

CGXPluginComponent::~CGXPluginComponent()
{
    // the handle is borrowed: CWnd's destructor must not destroy the window
    m_hWnd = nullptr;
}

BOOL CGXPluginComponent::PlugIn(CWnd* pWnd)
{
    m_hWnd = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    return TRUE;
}

BOOL CGXPluginComponent::HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    m_bSkipOtherPlugins = FALSE;
    m_bExitMessage = FALSE;
    return OnWndMsg(nMessage, wParam, lParam, pResult);
}

LRESULT CGXPluginComponent::DefWindowProc(UINT, WPARAM, LPARAM)
{
    return 0;
}
