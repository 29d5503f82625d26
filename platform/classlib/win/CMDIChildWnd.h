// CMDIChildWnd: a document frame inside a CMDIFrameWnd's MDI client.
//
// Creation goes through WM_MDICREATE to the MDI client, with the CCreateContext in the
// MDICREATESTRUCT, so the frame's OnCreateClient makes the view as for any frame. LoadFrame takes the
// title (the string's text up to '\n') and the window class icon from the resource id, and, when the
// context names a multiple-document template, that template's shared menu and accelerators. The
// child has no menu of its own; unhandled messages go to DefMDIChildProc.
//
// Activation (WM_MDIACTIVATE): the active view hears OnActivateView, the caption follows the
// document (OnUpdateFrameTitle, which also updates the MDI frame's caption), and the MDI frame shows
// the document's menu (the template's shared menu, else the frame's own menu once no child is
// left); key messages inside the active child are translated with its accelerators in the MDI
// frame's name.
//
// Title: with FWS_ADDTOTITLE the child's caption is its active document's title, else its own title.
// Status text without a status bar of its own goes to the MDI frame's.
//
// Not done yet: several windows on one document (":1", ":2" captions).
#pragma once

#include "win/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
    DECLARE_MESSAGE_MAP()
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // Makes the child in pParentWnd's MDI client (null: the application's main window, which must be
    // a CMDIFrameWnd, else CInvalidArgException). dwStyle: WS_CHILD, WS_VISIBLE and
    // WS_OVERLAPPEDWINDOW are added. FALSE when no window was made (the object has deleted itself).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // See the top of this file. pParentWnd: the MDI frame (null: the main window).
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    // The MDI frame (the parent of the MDI client); null before creation.
    CMDIFrameWnd* GetMDIFrame() const;
    // WM_MDIDESTROY / WM_MDIACTIVATE / WM_MDIMAXIMIZE / WM_MDIRESTORE for this child.
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // The shared menu of the child's template (null when none).
    HMENU GetSharedMenu() const;

    // Shows the child (nCmdShow -1: maximised when the active child is, else as its style says) and
    // makes it the active child.
    void ActivateFrame(int nCmdShow = -1) override;
    // See the top of this file (title); then the MDI frame's caption.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Shows the child's menu on the MDI frame: activating, hMenuAlt (null: the active document's
    // menu, else the shared menu); the last child going, the frame's own menu; otherwise the window
    // menu is refreshed.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    // Tooltips, then the child's accelerators in the MDI frame's name. TRUE when used.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Destroys the child through the MDI client (WM_MDIDESTROY); the object is gone afterwards.
    // FALSE when there is no window.
    BOOL DestroyWindow() override;
    // DefMDIChildProc.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

    struct CMDIChildWndState {
        HMENU hMenuShared = nullptr; // the template's shared menu (owned by the template)
    } m_childState;
};
