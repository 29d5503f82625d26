// Helpers of the owner-drawn button and colour well tests: a parent window that records what its
// buttons and wells report, drawing a button's item into a canvas, and a fixture with the toolkit
// started.
#pragma once

#include "ToolkitTestSupport.h"

#include "frames/SECBitmapButton.h"
#include "frames/SECColorWell.h"
#include "frames/SECMenuButton.h"
#include "frames/SECToolkitRes.h"
#include "frames/SECWellButton.h"

#include "button_test_resources.h"

#include <vector>

inline COLORREF WindowFrame() { return ::GetSysColor(COLOR_WINDOWFRAME); }
const COLORREF kBlack = RGB(0, 0, 0);

// A top-level window (hidden unless shown) that keeps the colour reports, button clicks and left-button
// presses it receives.
class CReportRecorder : public CWnd {
public:
    struct Report {
        WPARAM wParam;
        COLORREF clr;
    };

    BOOL CreateRecorder(const CRect& rect = CRect(0, 0, 300, 200), DWORD dwStyle = WS_POPUP)
    {
        return CreateEx(0, nullptr, "recorder", dwStyle, rect, nullptr, 0);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case SEC_WM_COLORSELECTED:
            reports.push_back({wParam, COLORREF(lParam)});
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED)
                clicks.push_back(LOWORD(wParam));
            break;
        case WM_LBUTTONDOWN:
            presses.push_back(CPoint(int(short(LOWORD(lParam))), int(short(HIWORD(lParam)))));
            return 0;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<Report> reports;
    std::vector<UINT> clicks;    // ids of BN_CLICKED
    std::vector<CPoint> presses; // WM_LBUTTONDOWN points
};

// Draws pButton's item (rcItem at (0, 0), the canvas's size unless given) into canvas as the system
// asks for it: action nAction (ODA_*) in state nState (ODS_*).
inline void DrawItemInto(SECOwnerDrawButton& button, DibCanvas& canvas, UINT nState, UINT nAction = ODA_DRAWENTIRE)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = UINT(button.GetDlgCtrlID());
    dis.itemAction = nAction;
    dis.itemState = nState;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = canvas.dc.m_hDC;
    dis.rcItem = CRect(0, 0, canvas.Width(), canvas.Height());
    button.DrawItem(&dis);
}

// The toolkit started, the seams answered by a fake (shift and tab up), and a recorder as the parent of
// the buttons under test (hidden unless a derived fixture sets its style before SetUp).
class ToolkitButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SECStartToolkit();
        fake.SetKeyState(VK_SHIFT, 0);
        fake.SetKeyState(VK_TAB, 0);
        ASSERT_TRUE(parent.CreateRecorder(rcParent, dwParentStyle));
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        PumpWaitingMessages();
    }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CRect rcParent{0, 0, 300, 200};
    DWORD dwParentStyle = WS_POPUP;
    CReportRecorder parent;
};
