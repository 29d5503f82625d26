// A program without the splash picture: asking for the splash shows nothing, reports nothing and
// leaves no half-made splash window behind.
#include "FakeServices.h"

#include "app/ZQSplashWnd.h"

namespace {

struct OwnedSearch {
    HWND hOwner;
    int nOwned;
};

BOOL CALLBACK CountOwned(HWND hWnd, LPARAM lParam)
{
    auto* p = reinterpret_cast<OwnedSearch*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) == p->hOwner)
        ++p->nOwned;
    return TRUE;
}

TEST(SplashWithoutPicture, ShowsNothingAndReportsNothing)
{
    CFakeServices fake; // a message box would fail the test
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Frame being made", WS_OVERLAPPEDWINDOW));
    CZQSplashWnd::EnableSplashScreen(TRUE);
    CZQSplashWnd::ShowSplashScreen(pFrame);
    EXPECT_EQ(CZQSplashWnd::GetSplashWnd(), nullptr);
    // no window of the thread is owned by the frame
    OwnedSearch search = {pFrame->m_hWnd, 0};
    ::EnumThreadWindows(::GetCurrentThreadId(), CountOwned, LPARAM(&search));
    EXPECT_EQ(search.nOwned, 0);
    pFrame->DestroyWindow();
}

} // namespace
