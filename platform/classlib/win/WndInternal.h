// Internals shared by the window classes of the library (not part of the umbrella header).
#pragma once

#include <windows.h>
#include <commctrl.h>

class CWnd;

// Arms the creation hook: the next window this thread creates (other than the system's IME window)
// is attached to pWnd and gets the library's window procedure before its first message. Returns
// the object armed before (nested creations restore it).
CWnd* AfxHookWindowCreate(CWnd* pWnd);
// Disarms the hook. Returns TRUE when it never fired (no window was attached); restores pPrevious.
BOOL AfxUnhookWindowCreate(CWnd* pPrevious);
// The window the last fired hook attached (for the failure path of creation).
HWND AfxLastHookedWindow();
// After a creation that made no window: gives pWnd its PostNcDestroy exactly once (a self-deleting
// object is gone afterwards). bHookUnused and hWndHooked: what the hook did.
void AfxCreateFailed(CWnd* pWnd, BOOL bHookUnused, HWND hWndHooked);
// Makes sure the common controls' window classes are registered.
void AfxInitCommonControls();

// The default answer to a tooltip's text request for tool nID: the text after '\n' in string nID.
// Returns FALSE when there is none.
BOOL AfxDefaultToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
// The window is going: the tooltip relay forgets the tools it added for it.
void AfxForgetToolTipsOf(HWND hWnd);
