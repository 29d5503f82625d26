// SECMDIChildWnd: the MDI child of the toolkit's MDI frame (frames/SECMDIFrameWnd.h). It works with the
// frame's active bar host and with the frame's menu-bar mode.
//
// Loading: the child takes its template's accelerators; in menu-bar mode it remembers the template's
// resource id (the given id without a template) as the menu the frame's menu bar shows for it, and takes
// no shared menu; otherwise it takes the template's shared menu as the class library's child does.
//
// Activation: a press in the child (WM_MOUSEACTIVATE) and WM_CHILDACTIVATE first deactivate the frame's
// bar host; in menu-bar mode the press then shows the child's menu. With a menu bar, the child's
// activation shows its menu and the last child's deactivation the frame's own; activation without an
// alternate menu takes any menu off the frame's window and gives the MDI client its window menu. A size
// change to or from maximised or minimised updates the menu bar's maximised-child buttons first.
#pragma once

#include "win/CMDIChildWnd.h"

class SECMDIFrameWnd;

class SECMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(SECMDIChildWnd)
    DECLARE_MESSAGE_MAP()
public:
    SECMDIChildWnd();
    ~SECMDIChildWnd() override;

    // See the top of this file. WS_CHILD is added to dwDefaultStyle. FALSE when the child could not be
    // made (the object has then deleted itself).
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) override;

    // The toolkit frame the child is in; null when it is in another kind of frame.
    SECMDIFrameWnd* GetSECFrame() const;
    // The menu resource the frame's menu bar shows for the child (0 without a menu bar).
    UINT GetMenuID() const { return m_nIDMenu; }
    BOOL UsesMenuBar() const { return m_bUsesMenuBar; }

protected:
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnChildActivate();
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    UINT m_nIDMenu;
    BOOL m_bUsesMenuBar;
    HMENU m_hMenuAlt; // the alternate menu last given to OnUpdateFrameMenu
};
