// SECFrameMenuBar: what a docking frame asks of the menu bar that shows its menus in place of a window
// menu (menu-bar mode). The toolkit's menu bar implements it; the frame keeps one through SetMenuBar.
#pragma once

#include <windows.h>

class CControlBar;

class SECFrameMenuBar {
public:
    virtual ~SECFrameMenuBar() = default;

    // The bar's window, a control bar of the frame.
    virtual CControlBar* GetMenuBarWnd() = 0;
    // Shows the menus of menu resource nIDMenu. FALSE when the bar does not know that menu.
    virtual BOOL SwitchMenu(UINT nIDMenu) = 0;
    // Brings the buttons of a maximised MDI child (its icon and caption boxes) up to date; bForceHide
    // hides them whatever the child. TRUE when anything changed. A bar without such buttons answers
    // FALSE.
    virtual BOOL UpdateMDIButtons(BOOL bForceHide)
    {
        (void)bForceHide;
        return FALSE;
    }
};
