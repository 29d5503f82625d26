// The control-container hook: the point where a program that hosts OLE controls in windows made from
// dialog templates makes those controls, once the dialog manager has made the template's other
// controls (at WM_INITDIALOG). The window's creator hands the hook a cookie of its own, which tells the
// hook what to make. The class library installs no hook: without one, or without a cookie, nothing
// is called.
#pragma once

class CWnd;

class CControlContainerHook {
public:
    virtual ~CControlContainerHook() = default;
    // Called at WM_INITDIALOG of pWnd (its controls exist) with the cookie its creator gave (never
    // null).
    virtual void OnInitDialog(CWnd* pWnd, void* pCookie) = 0;
};

// Installs pHook (null: none) for the whole program; returns the hook installed before.
CControlContainerHook* AfxSetControlContainerHook(CControlContainerHook* pHook);
// The hook installed, or null.
CControlContainerHook* AfxGetControlContainerHook();
// Offers pWnd's WM_INITDIALOG to the hook installed with pCookie; nothing without a hook or a cookie.
void AfxCallControlContainerHook(CWnd* pWnd, void* pCookie);
