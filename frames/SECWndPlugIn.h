// SECWndPlugIn: an object that sees a host window's messages before the host does, through a message
// table of its own, without subclassing the window. The plug-in borrows the host's window handle: it
// never enters the handle map (win/CWnd.h allows this), FromHandle never finds it, and destroying the
// plug-in leaves the host's window alone.
//
// Host contract (the docking frames keep it): every window message goes first to the plug-in's
// OnWndMsg; when the plug-in then has its exit-default flag set (a handler asked that the host not
// handle the message), or it handled WM_HELP, the host returns the plug-in's result and does nothing
// else; otherwise the host handles the message itself. Messages are pre-translated by the plug-in
// before the host translates them.
//
// Dispatch (OnWndMsg): only while plugged in (enabled). The exit-default and call-default flags are
// cleared, the message goes through the plug-in's table, and a result a handler set with SetResult
// replaces the table's. A handler that calls Default() reaches the window's default procedure only when
// it set the call-default flag first (else the answer is 0). Command routing (OnCmdMsg) works only while
// plugged in. A handler that runs a modal loop (a popup menu) sets its flags and result after the loop:
// the loop's own messages pass through the plug-in too.
#pragma once

#include "win/CWnd.h"

class SECWndPlugIn : public CWnd {
    DECLARE_DYNAMIC(SECWndPlugIn)
public:
    SECWndPlugIn();
    // Gives the borrowed handle back; the host's window stays.
    ~SECWndPlugIn() override;

    // Marks lResult as the answer to the message being dispatched.
    virtual void SetResult(LRESULT lResult);
    // Borrows pHost's window (not null, with a window) and enables the plug-in. FALSE when pHost has
    // no window.
    virtual BOOL PlugInTo(CWnd* pHost);
    // Disables the plug-in and drops the borrowed handle.
    virtual void UnPlug();

    BOOL IsEnabled() const { return m_bEnabled; }
    // See the top of this file.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bExitDefault; // set by a handler: the host must not handle the message
    BOOL m_bCallDefault; // set by a handler: Default() may reach the window's default procedure

protected:
    BOOL m_bEnabled;
    BOOL m_bResultSet;
    LRESULT m_lResult;
};
