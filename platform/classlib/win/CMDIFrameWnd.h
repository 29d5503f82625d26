// CMDIFrameWnd: the main frame of a multiple-document program. Its client window is the system's MDI
// client ("MDICLIENT", control id AFX_IDW_PANE_FIRST, with a client edge), which holds the document
// frames (CMDIChildWnd) and is laid out like a view: what the bars leave of the client area.
//
// The MDI client keeps the window menu: the popup of the frame's menu that holds an ID_WINDOW_*
// command (0xE130..0xE13F) gets one entry per child, with ids from AFX_IDM_FIRST_MDICHILD (0xFF00).
// The frame's unhandled messages go to DefFrameProc. While a child with a document is active, the
// frame shows that document template's shared menu (WM_MDISETMENU) and the child's accelerators
// apply; when the last child goes, the frame's own menu comes back.
//
// Commands: the Window menu's 57649 (ID_WINDOW_ARRANGE), 57650 (ID_WINDOW_CASCADE), 57651
// (ID_WINDOW_TILE_HORZ, children one above the other) and 57652 (ID_WINDOW_TILE_VERT, side by side)
// arrange the children; they are enabled while there is an active child. Routing asks the active
// child first (it asks its view, document, template, itself and the application), then the frame as
// any frame does. Key messages: the active child's accelerators, the frame's, then the MDI system
// keys (TranslateMDISysAccel: Ctrl+F4, Ctrl+F6...), which do nothing while a print preview hides the
// children (win/CPreviewView.h).
//
// Title: with FWS_ADDTOTITLE the caption names the active child's document unless that child is
// maximised (the system then shows the child's caption itself), else the active child's title.
//
// Not done yet: window lists beyond the system's window menu, the "New Window" command.
#pragma once

#include "win/CFrameWnd.h"

class CMDIChildWnd;

// The first command id of the MDI client's window menu entries.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    HWND m_hWndMDIClient; // the MDI client window (null before creation)

    // Makes the MDI client with pWindowMenu (may be null) as its window menu. FALSE when it could
    // not be made.
    BOOL CreateClient(LPCREATESTRUCTA lpCreateStruct, CMenu* pWindowMenu);
    // The popup of hMenuBar that holds an ID_WINDOW_* command; null when none.
    static HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // The active child (null when there is none, or it is not a library object); *pbMaximized
    // (may be null) receives whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    // WM_MDIACTIVATE / WM_MDINEXT / WM_MDIMAXIMIZE / WM_MDIRESTORE / WM_MDIICONARRANGE / WM_MDITILE
    // (nType: MDITILE_HORIZONTAL, MDITILE_VERTICAL, maybe | MDITILE_SKIPDISABLED) / WM_MDICASCADE to
    // the MDI client. pWnd not null.
    void MDIActivate(CWnd* pWndActivate);
    void MDINext();
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDIIconArrange();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDICascade(int nType = 0);
    // Puts the menu bar pFrameMenu and the window menu pWindowMenu (either null: unchanged) on the
    // frame through the MDI client. Returns the previous menu bar (temporary wrapper, or null).
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    // The active child (a library object), else this frame.
    CFrameWnd* GetActiveFrame() override;
    // See the top of this file (title).
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The active child shows its menu (hMenuAlt, else its document's or template's); without one the
    // frame shows hMenuAlt, else its own menu.
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    // The active child's accelerators, else the frame's (null when none).
    HACCEL GetDefaultAccelerator() override;
    // Makes the MDI client with the window menu of the frame's menu. FALSE when it could not.
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;
    // The active child's routing, then the frame's (see the top of this file).
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Key messages: see the top of this file. TRUE when the message was used.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // DefFrameProc with the MDI client.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
};
