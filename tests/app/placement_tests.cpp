// The main window's placement: restored from the settings at start-up (first run, invalid values,
// maximised) and written when the frame goes.
#include "AppTestSupport.h"

namespace {

class Placement : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.SetRegistryKey("Havrel");
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Placement", WS_OVERLAPPEDWINDOW));
        hWnd = frame->m_hWnd;
    }
    void TearDown() override
    {
        if (::IsWindow(hWnd))
            frame->DestroyWindow();
        AppFixture::TearDown();
    }

    void StorePlacement(int x, int y, int cx, int cy, int maximized)
    {
        WriteSettingInt("horizontal position", x);
        WriteSettingInt("vertical position", y);
        WriteSettingInt("width", cx);
        WriteSettingInt("height", cy);
        WriteSettingInt("window maximized", maximized);
    }

    CFrameWnd* frame = nullptr;
    HWND hWnd = nullptr;
};

TEST_F(Placement, MissingOrInvalidValuesGiveTheFirstRunPlacement)
{
    struct Case {
        const char* what;
        bool bStore;
        int x, y, cx, cy, maximized;
    };
    const Case cases[] = {
        {"nothing stored", false, 0, 0, 0, 0, 0},
        {"width 0", true, 10, 10, 0, 300, 1},
        {"height -5", true, 10, 10, 300, -5, 1},
        {"negative horizontal position", true, -1, 10, 300, 300, 1},
        {"negative vertical position", true, 10, -20, 300, 300, 0},
    };
    const CRect area = WorkArea();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveAppSettings();
        if (c.bStore)
            StorePlacement(c.x, c.y, c.cx, c.cy, c.maximized);
        ::ShowWindow(hWnd, SW_HIDE);
        ::SetWindowPos(hWnd, nullptr, 3, 3, 100, 100, SWP_NOZORDER);

        EXPECT_FALSE(ZQRestoreWindowPlacement(app, *frame));

        const CRect rect = WindowRect(hWnd);
        EXPECT_EQ(rect.Width(), 800);
        EXPECT_EQ(rect.Height(), 570);
        EXPECT_EQ(rect.left, (area.left + area.right) / 2 - 400);
        EXPECT_EQ(rect.top, (area.top + area.bottom) / 2 - 285);
        EXPECT_TRUE(::IsWindowVisible(hWnd));
        EXPECT_FALSE(::IsZoomed(hWnd));
        EXPECT_EQ(SettingInt("horizontal position"), 0);
        EXPECT_EQ(SettingInt("vertical position"), 0);
        EXPECT_EQ(SettingInt("width"), 800);
        EXPECT_EQ(SettingInt("height"), 570);
        EXPECT_EQ(SettingInt("window maximized"), 0);
    }
}

TEST_F(Placement, AValidPlacementIsRestored)
{
    StorePlacement(50, 40, 600, 400, 0);
    EXPECT_FALSE(ZQRestoreWindowPlacement(app, *frame));
    EXPECT_EQ(WindowRect(hWnd), CRect(50, 40, 650, 440));
    EXPECT_TRUE(::IsWindowVisible(hWnd));
}

TEST_F(Placement, AMaximisedPlacementShowsMaximisedAndRestoresToTheStoredRectangle)
{
    StorePlacement(60, 30, 500, 350, 1);
    ASSERT_TRUE(ZQRestoreWindowPlacement(app, *frame));
    EXPECT_FALSE(::IsWindowVisible(hWnd)) << "the caller shows it maximised";
    frame->ShowWindow(ZQMaximizedShowCommand(SW_SHOWNORMAL));
    EXPECT_TRUE(::IsZoomed(hWnd));
    frame->ShowWindow(SW_RESTORE);
    EXPECT_FALSE(::IsZoomed(hWnd));
    EXPECT_EQ(WindowRect(hWnd), CRect(60, 30, 560, 380));
}

TEST_F(Placement, TheFramesPlacementIsWrittenWithItsNormalRectangle)
{
    ::SetWindowPos(hWnd, nullptr, 70, 80, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    ZQSaveWindowPlacement(app, *frame);
    EXPECT_EQ(SettingInt("window maximized"), 0);
    EXPECT_EQ(SettingInt("horizontal position"), 70);
    EXPECT_EQ(SettingInt("vertical position"), 80);
    EXPECT_EQ(SettingInt("width"), 640);
    EXPECT_EQ(SettingInt("height"), 480);

    // closing while maximised keeps the rectangle that Restore returns to
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(::IsZoomed(hWnd));
    ZQSaveWindowPlacement(app, *frame);
    EXPECT_EQ(SettingInt("window maximized"), 1);
    EXPECT_EQ(SettingInt("horizontal position"), 70);
    EXPECT_EQ(SettingInt("vertical position"), 80);
    EXPECT_EQ(SettingInt("width"), 640);
    EXPECT_EQ(SettingInt("height"), 480);

}

TEST(MaximizedShowCommand, EveryStartShowsMaximisedUnlessItAsksForAMinimisedWindow)
{
    const std::pair<int, int> cases[] = {
        {SW_HIDE, SW_SHOWMAXIMIZED},       {SW_SHOWNORMAL, SW_SHOWMAXIMIZED},
        {SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED}, {SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
        {SW_SHOW, SW_SHOWMAXIMIZED},       {SW_SHOWNOACTIVATE, SW_SHOWMAXIMIZED},
        {SW_RESTORE, SW_SHOWMAXIMIZED},    {SW_SHOWDEFAULT, SW_SHOWMAXIMIZED},
        {SW_MINIMIZE, SW_MINIMIZE},        {SW_SHOWMINNOACTIVE, SW_SHOWMINNOACTIVE},
        {SW_FORCEMINIMIZE, SW_FORCEMINIMIZE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZQMaximizedShowCommand(c.first), c.second) << "start command " << c.first;
}

} // namespace
