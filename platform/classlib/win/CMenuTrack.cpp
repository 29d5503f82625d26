// CMenu's popup tracking: through the services object, so that tests answer it.
#include "win/CMenu.h"

#include "win/ArgCheck.h"
#include "win/CWnd.h"
#include "win/WinServices.h"

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    (void)lpRect;
    return TrackPopupMenuEx(nFlags, x, y, pWnd, nullptr);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    AfxRequirePointer(pWnd, "CMenu::TrackPopupMenu", "pWnd");
    if (m_hMenu == nullptr)
        AfxThrowInvalidArgException("CMenu::TrackPopupMenu: the object holds no menu");
    return AfxGetServices()->TrackPopupMenu(m_hMenu, fuFlags, x, y, pWnd->m_hWnd, lptpm);
}
