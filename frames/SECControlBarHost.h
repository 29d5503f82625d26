// The MDI children that host a bar floating in the main window (frames/SECMDIFrameWnd.h):
// SECControlBarMDIChildWnd for the docking MDI frame and SECControlBarWorksheet, a worksheet tab, for the
// workbook. Both hold a floating dock bar of their own (id AFX_IDW_DOCKBAR_FLOAT, hosted flag set, the
// main frame as its dock site and in the main frame's bar list) as their client; SECBarHostSupport is
// what they share.
//
// - Made without a client edge; the MDI client never activates a host: a press in it, its activation
//   as a child or the focus coming to it make it the main frame's active bar host instead.
// - WM_SIZE: the single bar it holds commits the client size plus twice the toolkit border as its
//   floating width and height.
// - WM_CLOSE: a host holding one bar restores itself (WM_MDIRESTORE) and hides the bar through the main
//   frame; otherwise it closes.
// - Layout: the class library's; then the host's title is its dock bar's window text (title updates keep
//   it), and the host shows (without activation) while its dock bar holds a visible bar and hides
//   otherwise.
// - WM_WINDOWPOSCHANGED notes the host's screen position as its bar's most recently used floating
//   position; WM_SHOWWINDOW has the MDI client refresh its window menu.
// - An SECControlBarWorksheet without an icon takes the large icon of its first bar that has one, else
//   the system's application icon; it drops the tab icon a worksheet loads.
#pragma once

#include "frames/SECDockBar.h"
#include "frames/SECWorkbook.h"

class SECBarHostSupport {
public:
    explicit SECBarHostSupport(CMDIChildWnd* pHost);

    // Makes the dock bar (at the host's creation).
    BOOL CreateDockBar();
    // The main frame: the MDI frame the host is in, when it is a toolkit one.
    SECMDIFrameWnd* GetMainFrame() const;
    // The one bar of a host that holds exactly one; null otherwise.
    CControlBar* GetSingleBar() const;
    // The first bar with a large icon, and its icon (null when none has one).
    HICON GetFirstBarIcon() const;

    // The parts of the host's handlers (see the top of this file).
    void Activate();
    void OnSize(int cx, int cy);
    // TRUE when the close was taken as hiding the bar.
    BOOL OnClose();
    void AfterLayout();
    void OnWindowPosChanged();
    void OnShowWindow();
    void OnDestroy();

    SECDockBar m_wndDockBar;
    BOOL m_bTakesIcon; // the host takes its first bar's icon, else the application icon, when it has none

private:
    CMDIChildWnd* m_pHost;
};

// The members both hosts have (their definitions: SEC_IMPLEMENT_BAR_HOST in the source).
#define SEC_DECLARE_BAR_HOST()                                                                                \
public:                                                                                                       \
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;                             \
    void RecalcLayout(BOOL bNotify = TRUE) override;                                                          \
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;                                                       \
    SECDockBar* GetHostDockBar() { return &m_host.m_wndDockBar; }                                             \
                                                                                                              \
protected:                                                                                                    \
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);                                                     \
    afx_msg void OnSize(UINT nType, int cx, int cy);                                                          \
    afx_msg void OnClose();                                                                                   \
    afx_msg void OnDestroy();                                                                                 \
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);                                                     \
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);                                                      \
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);                              \
    afx_msg void OnChildActivate();                                                                           \
    afx_msg void OnSetFocus(CWnd* pOldWnd);                                                                   \
                                                                                                              \
    SECBarHostSupport m_host;

class SECControlBarMDIChildWnd : public SECMDIChildWnd {
    DECLARE_DYNCREATE(SECControlBarMDIChildWnd)
    DECLARE_MESSAGE_MAP()
public:
    SECControlBarMDIChildWnd();
    ~SECControlBarMDIChildWnd() override;

    SEC_DECLARE_BAR_HOST()
};

class SECControlBarWorksheet : public SECWorksheet {
    DECLARE_DYNCREATE(SECControlBarWorksheet)
    DECLARE_MESSAGE_MAP()
public:
    SECControlBarWorksheet();
    ~SECControlBarWorksheet() override;

    // The worksheet's loading without its tab icon.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    SEC_DECLARE_BAR_HOST()
};
