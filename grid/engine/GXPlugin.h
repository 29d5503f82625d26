// CGXPluginComponent: an object that handles a grid window's messages through its own message map
// without being a window of its own. It borrows the handle of the window it is plugged into (never
// owning it or entering the handle map), and the grid offers it every message of that window, in the
// order the plug-ins were added, before the grid handles the message itself
// (CGXGridCore::OnGridWindowProc).
//
// A handler that sets m_bExitMessage marks the message fully handled: neither later plug-ins nor the
// grid see it. A handler that sets m_bSkipOtherPlugins ends the round of plug-ins; the grid still
// handles the message. A message without a handler in the map goes nowhere (DefWindowProc answers 0).
// Destroying a plug-in leaves the borrowed window alive.
#pragma once

#include <windows.h>

#include "win/Win.h"

class CGXPluginComponent : public CWnd {
    DECLARE_DYNAMIC(CGXPluginComponent)
    DECLARE_MESSAGE_MAP()
public:
    // Both flags clear, no handle.
    CGXPluginComponent();
    // Gives the borrowed handle up first, so the window is not destroyed.
    ~CGXPluginComponent() override;

    // Takes pWnd's handle as its own (null: none). TRUE.
    virtual BOOL PlugIn(CWnd* pWnd);
    // Clears both flags and dispatches the message through the plug-in's map (OnWndMsg). Returns
    // whether a handler took it (*pResult, which may be null, receives its result).
    BOOL HandleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // A message no handler takes goes nowhere: 0.
    LRESULT DefWindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bSkipOtherPlugins;
    BOOL m_bExitMessage;
};
