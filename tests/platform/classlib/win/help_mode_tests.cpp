// The frame's help mode: the help context a press names (non-client parts, windows that answer
// WM_HELPHITTEST, the frame's own help id), the ways out without help, commands chosen in help mode, and
// WM_COMMANDHELP. Run from posted messages through the modal mouse loop; the help viewer is the
// services' fake.
#include "FakeServices.h"
#include "TestSupport.h"

#include <string>
#include <vector>

namespace {

const UINT kFrameHelpID = 0x80;
const LRESULT kPaneContext = 0x20321;

// A child window that names its help context.
class CHelpPane : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    afx_msg LRESULT OnHelpHitTest(WPARAM, LPARAM) { return kPaneContext; }
};

BEGIN_MESSAGE_MAP(CHelpPane, CWnd)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

class CHelpFrame : public CFrameWnd {
    DECLARE_MESSAGE_MAP()
public:
    using CFrameWnd::OnContextHelp;
    afx_msg void OnAbout() { nAbout++; }
    int nAbout = 0;
};

BEGIN_MESSAGE_MAP(CHelpFrame, CFrameWnd)
    ON_COMMAND(ID_APP_ABOUT, OnAbout)
END_MESSAGE_MAP()

class HelpModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pFrame = new CHelpFrame;
        ASSERT_TRUE(pFrame->Create(nullptr, "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 420, 320)));
        hWndFrame = pFrame->m_hWnd;
        pFrame->SetHelpID(kFrameHelpID);
        ASSERT_TRUE(pane.Create(nullptr, "pane", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110), pFrame, 1));
        ASSERT_TRUE(plain.Create("STATIC", "plain", WS_CHILD | WS_VISIBLE, CRect(150, 10, 250, 110), pFrame, 2));
    }
    void TearDown() override
    {
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
        PumpWaitingMessages();
    }
    // Runs help mode with a press at ptScreen over hWndUnder.
    void PressInHelpMode(CPoint ptScreen, HWND hWndUnder)
    {
        fake.SetCursorPos(ptScreen, hWndUnder);
        CPoint ptClient = ptScreen;
        pFrame->ScreenToClient(&ptClient);
        pFrame->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
        pFrame->OnContextHelp();
    }

    CFakeServices fake;
    CHelpFrame* pFrame = nullptr;
    HWND hWndFrame = nullptr;
    CHelpPane pane;
    CWnd plain;
};

} // namespace

TEST_F(HelpModeTest, APressNamesTheHelpContextOfWhatIsUnderIt)
{
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    CRect rectPane;
    pane.GetWindowRect(rectPane);
    CRect rectPlain;
    plain.GetWindowRect(rectPlain);
    const int cyCaption = ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2;
    CWnd stranger;
    ASSERT_TRUE(stranger.CreateEx(0, "STATIC", "stranger", WS_POPUP | WS_VISIBLE, CRect(500, 500, 600, 600), nullptr, 0));
    const struct {
        const char* what;
        CPoint pt;
        HWND hWnd;
        DWORD dwContext; // 0: no help
    } cases[] = {
        {"caption", CPoint(rectFrame.left + 60, rectFrame.top + cyCaption), hWndFrame, HID_BASE_NCAREAS + HTCAPTION},
        {"left border", CPoint(rectFrame.left + 1, rectFrame.CenterPoint().y), hWndFrame, HID_BASE_NCAREAS + HTLEFT},
        {"a window that answers", rectPane.CenterPoint(), pane.m_hWnd, DWORD(kPaneContext)},
        {"a static text in the frame", rectPlain.CenterPoint(), plain.m_hWnd, HID_BASE_RESOURCE + kFrameHelpID},
        {"another program's window", CPoint(550, 550), stranger.m_hWnd, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t nCalls = fake.CallsOf("WinHelp").size();
        if (c.dwContext != 0)
            fake.ExpectWinHelp(HELP_CONTEXT, c.dwContext);
        PressInHelpMode(c.pt, c.hWnd);
        EXPECT_FALSE(pFrame->IsInHelpMode());
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(fake.CallsOf("WinHelp").size(), nCalls + (c.dwContext != 0 ? 1 : 0));
    }
    const std::vector<CFakeServices::Call> calls = fake.CallsOf("WinHelp");
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].hWnd, hWndFrame);
    const std::string file = calls[0].text;
    EXPECT_EQ(file.substr(file.size() - 4), ".hlp");
}

TEST_F(HelpModeTest, EscapeTheRightButtonOrExitHelpModeLeaveWithoutHelp)
{
    const struct {
        UINT message;
        WPARAM wParam;
    } ends[] = {{WM_KEYDOWN, VK_ESCAPE}, {WM_RBUTTONDOWN, 0}, {WM_EXITHELPMODE, 0}};
    for (const auto& end : ends) {
        pFrame->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        pFrame->PostMessage(end.message, end.wParam, 0);
        pFrame->OnContextHelp();
        EXPECT_FALSE(pFrame->IsInHelpMode()) << end.message;
    }
    // nothing starts while another window holds the capture
    plain.SetCapture();
    pFrame->OnContextHelp();
    EXPECT_FALSE(pFrame->IsInHelpMode());
    ::ReleaseCapture();
    EXPECT_TRUE(fake.CallsOf("WinHelp").empty());
}

TEST_F(HelpModeTest, ACommandChosenInHelpModeGivesItsHelpInsteadOfRunning)
{
    fake.ExpectWinHelp(HELP_CONTEXT, HID_BASE_COMMAND + ID_APP_ABOUT);
    pFrame->PostMessage(WM_COMMAND, ID_APP_ABOUT, 0);
    pFrame->OnContextHelp();
    EXPECT_EQ(pFrame->nAbout, 0);
    EXPECT_FALSE(pFrame->IsInHelpMode());
    pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
    EXPECT_EQ(pFrame->nAbout, 1) << "out of help mode the command runs";

    // WM_COMMANDHELP: the context given, else the frame's own
    fake.ExpectWinHelp(HELP_CONTEXT, 0x12345);
    EXPECT_EQ(pFrame->SendMessage(WM_COMMANDHELP, 0, 0x12345), TRUE);
    fake.ExpectWinHelp(HELP_CONTEXT, HID_BASE_RESOURCE + kFrameHelpID);
    EXPECT_EQ(pFrame->SendMessage(WM_COMMANDHELP, 0, 0), TRUE);
}
