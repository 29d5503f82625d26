// The splash window: the picture in a popup of its size, centred, owned by the frame being made;
// gone when its timer fires, with the main window repainted; one at a time; switched off by the
// command line.
#include "AppTestSupport.h"

#include "app/ZQSplashWnd.h"
#include "res/resource.h"

namespace {

class Splash : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        CZQSplashWnd::EnableSplashScreen(TRUE);
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Frame being made", WS_OVERLAPPEDWINDOW));
        app.m_pMainWnd = frame;
        ASSERT_TRUE(picture.LoadBitmap(IDB_ZQ_SPLASH));
        picture.GetBitmap(&bm);
    }
    void TearDown() override
    {
        if (CZQSplashWnd* pSplash = CZQSplashWnd::GetSplashWnd())
            pSplash->DestroyWindow();
        AppFixture::TearDown();
    }

    CFrameWnd* frame = nullptr;
    CBitmap picture;
    BITMAP bm = {};
};

TEST_F(Splash, ShowsThePictureInAPopupOfItsSizeCentredAndOwnedByTheFrame)
{
    CZQSplashWnd::ShowSplashScreen(frame);
    CZQSplashWnd* pSplash = CZQSplashWnd::GetSplashWnd();
    ASSERT_NE(pSplash, nullptr);
    const HWND hWnd = pSplash->m_hWnd;
    ASSERT_TRUE(::IsWindow(hWnd));
    // the system adds WS_CLIPSIBLINGS to every top-level window
    EXPECT_EQ(DWORD(::GetWindowLongA(hWnd, GWL_STYLE)) & ~DWORD(WS_CLIPSIBLINGS), DWORD(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(::GetWindow(hWnd, GW_OWNER), frame->m_hWnd);
    const CRect rect = WindowRect(hWnd);
    EXPECT_EQ(rect.Width(), bm.bmWidth);
    EXPECT_EQ(rect.Height(), bm.bmHeight);
    const CRect area = WorkArea();
    EXPECT_EQ(rect.left, (area.left + area.right) / 2 - bm.bmWidth / 2) << "the frame is hidden: the screen's centre";
    EXPECT_EQ(rect.top, (area.top + area.bottom) / 2 - bm.bmHeight / 2);

    // what the window shows is the picture
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* pOld = memory.SelectObject(&picture);
    const HDC hdcWindow = ::GetDC(hWnd);
    const POINT points[] = {{0, 0}, {bm.bmWidth / 2, bm.bmHeight / 3}, {bm.bmWidth - 1, bm.bmHeight - 1},
                            {bm.bmWidth / 3, bm.bmHeight * 3 / 4}};
    for (const POINT& p : points)
        EXPECT_EQ(::GetPixel(hdcWindow, p.x, p.y), memory.GetPixel(p.x, p.y)) << p.x << ", " << p.y;
    ::ReleaseDC(hWnd, hdcWindow);
    memory.SelectObject(pOld);
}

TEST_F(Splash, ASecondShowRequestAndKeysOrClicksChangeNothing)
{
    CZQSplashWnd::ShowSplashScreen(frame);
    CZQSplashWnd* pSplash = CZQSplashWnd::GetSplashWnd();
    ASSERT_NE(pSplash, nullptr);
    CZQSplashWnd::ShowSplashScreen(frame);
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), pSplash);

    const HWND hWnd = pSplash->m_hWnd;
    ::SendMessageA(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpWaitingMessages();
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), pSplash);
}

TEST_F(Splash, ItsTimerRemovesItAndRepaintsTheMainWindow)
{
    frame->ShowWindow(SW_SHOW);
    CZQSplashWnd::ShowSplashScreen(frame);
    CZQSplashWnd* pSplash = CZQSplashWnd::GetSplashWnd();
    ASSERT_NE(pSplash, nullptr);
    const HWND hWnd = pSplash->m_hWnd;
    ::InvalidateRect(frame->m_hWnd, nullptr, TRUE);

    ::SendMessageA(hWnd, WM_TIMER, CZQSplashWnd::TIMER_ID, 0);

    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), nullptr);
    EXPECT_FALSE(::GetUpdateRect(frame->m_hWnd, nullptr, FALSE)) << "the main window was not updated";
}

TEST_F(Splash, GoesByItselfAfterTwoSeconds)
{
    CZQSplashWnd::ShowSplashScreen(frame);
    ASSERT_NE(CZQSplashWnd::GetSplashWnd(), nullptr);
    PumpWaitingMessages(1500);
    EXPECT_NE(CZQSplashWnd::GetSplashWnd(), nullptr);
    PumpWaitingMessages(800);
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), nullptr);
}

TEST_F(Splash, SwitchedOffItShowsNothing)
{
    CZQSplashWnd::EnableSplashScreen(FALSE);
    CZQSplashWnd::ShowSplashScreen(frame);
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), nullptr);
}

} // namespace
