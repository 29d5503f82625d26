// Hot tracking of the tool bar's flat buttons, which follows the mouse only while the program has the
// active window. This program runs alone (other programs on the display would take the activation).
#include "ToolBarTestSupport.h"

namespace {

class HotTrackingTest : public ToolBarTest {
protected:
    void SetUp() override
    {
        ToolBarTest::SetUp();
        pBar = MakeAppBar();
        ASSERT_NE(pBar, nullptr);
        pCmdFrame->handled = {ID_OPEN, ID_SAVE};
        pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        pFrame->SetForegroundWindow();
        ASSERT_EQ(::GetActiveWindow(), hWndFrame);
    }
    // The cursor over button nIndex (-1: over the frame's client area) and a mouse move or a tick of
    // the hot-tracking timer.
    void CursorTo(int nIndex, UINT message = WM_MOUSEMOVE)
    {
        if (nIndex >= 0)
            fake.SetCursorPos(MiddleOnScreen(pBar, nIndex), pBar->m_hWnd);
        else
            fake.SetCursorPos(ClientOnScreen().CenterPoint(), hWndFrame);
        if (message == WM_TIMER)
            pBar->SendMessage(WM_TIMER, SEC_TIMER_HOTTRACK);
        else
            pBar->SendMessage(WM_MOUSEMOVE, 0, At(Middle(pBar, (std::max)(nIndex, 0))));
    }
    // The index of the hot button; -1 when none is.
    int HotButton() const
    {
        int nHot = -1;
        for (int i = 0; i < pBar->GetBtnCount(); i++)
            if (pBar->GetButtonStyle(i) & SEC_TBBS_HOT)
                nHot = nHot == -1 ? i : -2;
        return nHot;
    }
    // TRUE when the hot-tracking timer is running (it is stopped and started again).
    BOOL TimerRuns()
    {
        const BOOL bRuns = pBar->KillTimer(SEC_TIMER_HOTTRACK);
        if (bRuns)
            pBar->SetTimer(SEC_TIMER_HOTTRACK, 100, nullptr);
        return bRuns;
    }

    SECCustomToolBar* pBar = nullptr;
};

TEST_F(HotTrackingTest, TheEnabledButtonUnderTheCursorIsHotWhileTheTimerRuns)
{
    const struct {
        int nIndex;
        UINT message;
        int nHot;
    } steps[] = {
        {1, WM_MOUSEMOVE, 1},
        {2, WM_MOUSEMOVE, 2},
        {0, WM_MOUSEMOVE, -1}, // disabled: no handler
        {2, WM_MOUSEMOVE, 2},
        {3, WM_MOUSEMOVE, -1}, // a separator
        {1, WM_MOUSEMOVE, 1},
        {-1, WM_TIMER, -1},    // the mouse left the bar
    };
    for (const auto& step : steps) {
        CursorTo(step.nIndex, step.message);
        EXPECT_EQ(HotButton(), step.nHot) << step.nIndex;
        EXPECT_EQ(TimerRuns(), step.nHot >= 0) << step.nIndex;
    }
}

TEST_F(HotTrackingTest, TheTimerChecksEvery100Milliseconds)
{
    CursorTo(1);
    ASSERT_EQ(HotButton(), 1);
    ::Sleep(150);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, pBar->m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(SEC_TIMER_HOTTRACK));
    fake.SetCursorPos(ClientOnScreen().CenterPoint(), hWndFrame);
    ::DispatchMessageA(&msg);
    EXPECT_EQ(HotButton(), -1);
    EXPECT_FALSE(TimerRuns());
}

TEST_F(HotTrackingTest, NoButtonIsHotWhilePressedTrackedOrWithoutTheFlatLook)
{
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(pBar, 1)));
    CursorTo(2);
    EXPECT_EQ(HotButton(), -1) << "pressed";
    pBar->SendMessage(WM_LBUTTONUP, 0, At(Middle(pBar, 1)));

    pBar->SetTrackedButton(-1);
    CursorTo(2);
    EXPECT_EQ(HotButton(), -1) << "tracking";
    pBar->EndTracking();

    pBar->ModifyExBarStyle(SEC_TBSTYLE_FLAT, 0);
    CursorTo(2);
    EXPECT_EQ(HotButton(), -1) << "not flat";
}

} // namespace
