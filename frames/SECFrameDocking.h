// What the toolkit's two docking frames (SECMDIFrameWnd and SECFrameWnd) do alike, written once:
// docking between a bar's hooks, docking by row and fraction, floating in a floating frame kept inside
// the work area, the layout's redraw of the dock bars, the frame plug-in they make and its first look at
// a message, the bitmap menus' part of a popup's initialisation, the drawn caption around the default
// handling of a message, the menu bar's answers in help mode, what changes while the tool-bar manager
// customises and the dock state a frame hands out. The frames' headers describe the behaviour.
#pragma once

#include "frames/SECControlBar.h"
#include "frames/SECDockBar.h"
#include "frames/SECFrameCaption.h"
#include "frames/SECFrameMenuBar.h"
#include "frames/SECWndPlugIn.h"
#include "win/CFrameWnd.h"

#include <vector>

class CDockState;
class SECControlBarManager;

// The workspace commands the docking frames route to handlers that do nothing (OnWorkspaceCommand), with
// update handlers that leave the items as they are (OnUpdateWorkspaceCommand): entries of a message map.
#define ID_SEC_WORKSPACE_A_FIRST 43007
#define ID_SEC_WORKSPACE_A_LAST  43009
#define ID_SEC_WORKSPACE_B_FIRST 43012
#define ID_SEC_WORKSPACE_B_LAST  43014
#define ID_SEC_WORKSPACE_C_FIRST 43031
#define ID_SEC_WORKSPACE_C_LAST  43039
#define SEC_ON_WORKSPACE_COMMANDS()                                                                            \
    ON_COMMAND_RANGE(ID_SEC_WORKSPACE_A_FIRST, ID_SEC_WORKSPACE_A_LAST, OnWorkspaceCommand)                     \
    ON_COMMAND_RANGE(ID_SEC_WORKSPACE_B_FIRST, ID_SEC_WORKSPACE_B_LAST, OnWorkspaceCommand)                     \
    ON_COMMAND_RANGE(ID_SEC_WORKSPACE_C_FIRST, ID_SEC_WORKSPACE_C_LAST, OnWorkspaceCommand)                     \
    ON_UPDATE_COMMAND_UI_RANGE(ID_SEC_WORKSPACE_A_FIRST, ID_SEC_WORKSPACE_A_LAST, OnUpdateWorkspaceCommand)     \
    ON_UPDATE_COMMAND_UI_RANGE(ID_SEC_WORKSPACE_B_FIRST, ID_SEC_WORKSPACE_B_LAST, OnUpdateWorkspaceCommand)     \
    ON_UPDATE_COMMAND_UI_RANGE(ID_SEC_WORKSPACE_C_FIRST, ID_SEC_WORKSPACE_C_LAST, OnUpdateWorkspaceCommand)

// The sizable toolkit bar pBar is (an SECControlBar without SEC_CBRS_EX_FIXEDSIZE), or null.
SECControlBar* SECSizableBar(CControlBar* pBar);

// Docks pBar (not null) in pFrame through the class library's docking, between its docking hooks.
void SECDockControlBarWithHooks(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect);
// Docks pBar (not null) at pFrame's dock bar nDockBarID (0: the first, top, bottom, left, right, that
// pBar allows) by the layout record pos with the fraction and the thickness given. A missing dock bar is
// refused with CInvalidArgException.
void SECDockControlBarWithLayout(CFrameWnd* pFrame, CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID,
                                 float fPctWidth, int nThickness);
// Floats pBar (not null) in a floating frame of pFrame at point (kept 10 pixels inside the work area).
void SECFloatControlBar(CFrameWnd* pFrame, CControlBar* pBar, CPoint point, DWORD dwStyle);

// A docking frame's layout: the dock bars redraw what their last layout left pending, unless
// rectLastClient (the client rectangle of the frame's last layout, updated) is empty, when the whole
// window is redrawn after the layout; baseLayout() is the class library's layout.
template <class TLayout>
void SECRecalcDockingLayout(CFrameWnd* pFrame, CRect& rectLastClient, TLayout baseLayout)
{
    if (pFrame->m_hWnd == nullptr)
        return;
    const BOOL bFirst = rectLastClient.IsRectEmpty();
    if (!bFirst) {
        for (HWND hWnd = ::GetTopWindow(pFrame->m_hWnd); hWnd != nullptr; hWnd = ::GetNextWindow(hWnd, GW_HWNDNEXT)) {
            SECDockBar* pDockBar = dynamic_cast<SECDockBar*>(CWnd::FromHandlePermanent(hWnd));
            if (pDockBar != nullptr && pDockBar->m_bRedrawPending)
                pDockBar->RedrawPending();
        }
    }
    pFrame->GetClientRect(rectLastClient);
    baseLayout();
    if (bFirst && !rectLastClient.IsRectEmpty())
        pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Gives the bar host pHost (an MDI child) pBar's large icon and a client of pBar's floating size less
// twice the toolkit border, places it at pt (MDI client coordinates) on top and lays it out (it shows
// without activation while the bar is visible).
void SECPlaceBarHost(CFrameWnd* pHost, CControlBar* pBar, CPoint pt);

// The frame plug-in a docking frame makes when its window is made: with an SECMenuBar as pMenuBar
// (may be null) the menu bar's plug-in (frames/SECMenuBarFeature.h), else with bitmap menus on the
// bitmap-menu plug-in (frames/SECBmpMenuPlugIn.h), else none. With bitmap menus on and a tool-bar
// manager as pManager (may be null) the plug-in shows the manager's images.
SECWndPlugIn* SECCreateFramePlugIn(SECFrameMenuBar* pMenuBar, BOOL bBitmapMenus, SECControlBarManager* pManager);
// TRUE when the frame plug-in pPlugIn (may be null) took message so that the frame must not handle it
// (its exit-default flag, or a WM_HELP it handled); lResult is its answer.
BOOL SECPlugInTakesMessage(SECWndPlugIn* pPlugIn, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
// A docking frame's WM_INITMENUPOPUP (wParam, lParam): pfnDefault(pContext, lParam) is the frame's own
// handling. With bitmap menus on and an enabled bitmap-menu plug-in as pPlugIn, the popup counts as a
// system menu also while the plug-in tracks one, and the plug-in takes the popup's items after the
// frame's own handling has set their texts and states. Returns the frame's answer.
LRESULT SECInitMenuPopup(SECWndPlugIn* pPlugIn, BOOL bBitmapMenus, WPARAM wParam, LPARAM lParam,
                         LRESULT (*pfnDefault)(void* pContext, LPARAM lParam), void* pContext);
// The same with any callable fnDefault(LPARAM) -> LRESULT (a lambda).
template <class TDefault>
LRESULT SECInitMenuPopup(SECWndPlugIn* pPlugIn, BOOL bBitmapMenus, WPARAM wParam, LPARAM lParam, TDefault fnDefault)
{
    return SECInitMenuPopup(
        pPlugIn, bBitmapMenus, wParam, lParam,
        [](void* pContext, LPARAM lParamPopup) { return (*static_cast<TDefault*>(pContext))(lParamPopup); },
        &fnDefault);
}

// TRUE while pManager (may be null) is a tool-bar manager in customise mode.
BOOL SECIsCustomizing(SECControlBarManager* pManager);
// TRUE when a docking frame swallows pMsg before translation: the system close command while its
// manager pManager customises.
BOOL SECSwallowsWhileCustomizing(SECControlBarManager* pManager, const MSG* pMsg);
// A docking frame's WM_ENTERIDLE (nWhy): while its manager customises, a dialog's idle carries out the
// frame's pending layout and updates the frame (no idle layout runs while the customise sheet is open).
void SECLayoutWhileCustomizing(CFrameWnd* pFrame, SECControlBarManager* pManager, UINT nWhy);
// A docking frame's WM_NCACTIVATE (bActive): while its manager pManager customises, the frame's
// stay-active state goes (a floating tool bar clicked while the customise sheet keeps the frame
// disabled must not make the frame look active) and the caption shows the frame's own activation.
// Returns the activation to show.
BOOL SECNcActivateWhileCustomizing(CFrameWnd* pFrame, SECControlBarManager* pManager, BOOL bActive);
// A docking frame's WM_ENABLE: while its manager customises, the stay-active state goes and the caption
// shows it.
void SECEnableWhileCustomizing(CFrameWnd* pFrame, SECControlBarManager* pManager);

// The default handling of a message that draws the caption (fnDefault()), run with the drawn caption:
// with it on, the window counts as invisible meanwhile and the caption is drawn afterwards.
template <class TDefault>
auto SECWithDrawnCaption(SECFrameCaption& caption, CWnd* pWnd, TDefault fnDefault) -> decltype(fnDefault())
{
    if (!caption.IsOn())
        return fnDefault();
    decltype(fnDefault()) result;
    {
        const SECFrameCaption::HiddenScope hidden(pWnd);
        result = fnDefault();
    }
    caption.DrawCaption(pWnd);
    return result;
}
// Switches pWnd's drawn caption on or off and has the system draw the frame again.
void SECEnableCustomCaption(SECFrameCaption& caption, CWnd* pWnd, BOOL bEnable, int nAlign);

// The help context of a press at ptScreen on the menu bar pMenuBar (may be null) in help mode: a menu
// button drops its menu down (AFX_HELP_CONTINUE), the maximised child's caption boxes answer the help
// of minimise (0x1EF02), restore (0x1EF12) and close (0x1EF06); 0 anywhere else.
DWORD SECMenuBarHelpHitTest(SECFrameMenuBar* pMenuBar, CPoint ptScreen);

// Gives state, when it is a toolkit dock state, the frame's control-bar manager (unless it has a type
// provider) and the frame's owned-window list.
void SECPrepareDockState(CDockState& state, SECControlBarManager* pManager, std::vector<CWnd*>& ownedWindows);
// Deletes the windows a frame made while loading a layout (destroying those still there).
void SECDeleteOwnedWindows(std::vector<CWnd*>& ownedWindows);
