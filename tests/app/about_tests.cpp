// The about windows: bitmaps read as RGB pictures, the animation's counters, the animated window
// opened through the application (its pixel format, frames, viewport and what it releases), the plain
// window that replaces it when OpenGL cannot be set up, and no GDI object or context left behind.
// the standard headers before windows.h, which defines min and max as macros
#include <cmath>
#include <string>
#include <vector>

#include "AppTestSupport.h"

#include "app/ZQAboutDlg.h"
#include "app/ZQAnimatedAboutDlg.h"
#include "res/resource.h"

namespace {

// ---- bitmaps as RGB pictures ------------------------------------------------------------------------

TEST(AboutBitmapToRGB, ThirtyTwoAndSixteenBitsAreTakenOtherDepthsRefused)
{
    struct Case {
        const char* what;
        int nBits;
        int nWidth;
        int nHeight;
        std::vector<BYTE> bits; // rows from the top, each padded to a whole number of words
        bool bTaken;
        std::vector<BYTE> rgb;
    } cases[] = {
        {"32 bits: blue, green, red become red, green, blue", 32, 2, 2,
         {0x10, 0x20, 0x30, 0xFF, 0x01, 0x02, 0x03, 0x00, 0xAA, 0xBB, 0xCC, 0x00, 0x00, 0x00, 0x00, 0x00},
         true,
         {0x30, 0x20, 0x10, 0x03, 0x02, 0x01, 0xCC, 0xBB, 0xAA, 0x00, 0x00, 0x00}},
        {"16 bits, 5-6-5: 0xF800, 0x07E0 above 0x001F, 0xFFFF", 16, 2, 2,
         {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF},
         true,
         {0xF8, 0x00, 0x00, 0x00, 0xFC, 0x00, 0x00, 0x00, 0xF8, 0xF8, 0xFC, 0xF8}},
        {"24 bits", 24, 2, 1, {1, 2, 3, 4, 5, 6}, false, {}},
        {"8 bits", 8, 2, 1, {1, 2}, false, {}},
    };
    for (const Case& c : cases) {
        const HBITMAP hBitmap = ::CreateBitmap(c.nWidth, c.nHeight, 1, UINT(c.nBits), c.bits.data());
        ASSERT_NE(hBitmap, nullptr) << c.what;
        std::vector<BYTE> rgb = {9, 9, 9};
        int nWidth = -1;
        int nHeight = -1;
        EXPECT_EQ(ZQBitmapToRGB(hBitmap, rgb, nWidth, nHeight) != FALSE, c.bTaken) << c.what;
        EXPECT_EQ(rgb, c.rgb) << c.what;
        if (c.bTaken) {
            EXPECT_EQ(nWidth, c.nWidth) << c.what;
            EXPECT_EQ(nHeight, c.nHeight) << c.what;
        }
        ::DeleteObject(hBitmap);
    }
    std::vector<BYTE> rgb;
    int nWidth = 0;
    int nHeight = 0;
    EXPECT_FALSE(ZQBitmapToRGB(nullptr, rgb, nWidth, nHeight));
}

// ---- the animation's counters -----------------------------------------------------------------------

TEST(AboutAnimation, TheCounterWrapsAndTheAnglesMoveByTheStep)
{
    struct Case {
        int nFrame;
        int nStep;
        int nNext;
    } cases[] = {{0, 1, 1}, {998, 1, 999}, {999, 1, 0}, {997, 3, 0}, {996, 3, 999}};
    for (const Case& c : cases) {
        ZQAboutAnimation animation;
        animation.nFrame = c.nFrame;
        animation.nStep = c.nStep;
        animation.Advance();
        EXPECT_EQ(animation.nFrame, c.nNext) << c.nFrame << " + " << c.nStep;
        EXPECT_FLOAT_EQ(animation.fTitleAngle[0], float(c.nStep));
        EXPECT_FLOAT_EQ(animation.fTitleAngle[1], -float(c.nStep));
        EXPECT_FLOAT_EQ(animation.fTitleAngle[2], 0.0f);
        EXPECT_FLOAT_EQ(animation.fTextureAngle, -float(c.nStep));
        EXPECT_FLOAT_EQ(animation.fColourPhase, c.nStep / 2.0f);
    }

    ZQAboutAnimation fresh;
    EXPECT_EQ(fresh.nStep, 1);
    float rgb[3];
    fresh.TitleColour(rgb);
    EXPECT_FLOAT_EQ(rgb[0], 0.6f);
    EXPECT_FLOAT_EQ(rgb[1], 0.5f);
    EXPECT_FLOAT_EQ(rgb[2], 0.6f);
    fresh.fColourPhase = 17 * 3.14159265f;
    fresh.TitleColour(rgb);
    EXPECT_NEAR(rgb[2], 0.4f, 1e-5);
}

TEST(AboutAnimation, CreditsPagesSlideInSwitchAtFiveHundredAndLeave)
{
    struct Case {
        int nFrame;
        int nStep;
        int nPage;
        float x, z, fAngle;
    } cases[] = {
        {0, 1, 0, -15, 0, 0},     {1, 1, 0, -14.5f, 0, 0},  {29, 1, 0, -0.5f, 0, 0},  {30, 1, 0, 0, 0, 0},
        {400, 1, 0, 0, 0, 0},     {401, 1, 0, 0, -1 / 3.0f, -1}, {499, 1, 0, 0, -33, -99},
        {500, 1, 1, 15, 0, 0},    {529, 1, 1, 0.5f, 0, 0},   {530, 1, 1, 0, 0, 0},     {900, 1, 1, 0, 0, 0},
        {999, 1, 1, 0, -33, -99}, {450, 2, 0, 0, -100 / 3.0f, -100},
    };
    for (const Case& c : cases) {
        ZQAboutAnimation animation;
        animation.nFrame = c.nFrame;
        animation.nStep = c.nStep;
        const ZQAboutAnimation::Credits credits = animation.CreditsPlacement();
        EXPECT_EQ(credits.nPage, c.nPage) << c.nFrame;
        EXPECT_FLOAT_EQ(credits.x, c.x) << c.nFrame;
        EXPECT_FLOAT_EQ(credits.z, c.z) << c.nFrame;
        EXPECT_FLOAT_EQ(credits.fAngle, c.fAngle) << c.nFrame;
    }
}

// ---- the windows --------------------------------------------------------------------------------------

// The GDI objects the process holds. Wine answers GetObjectType for a handle given as its bare table
// index (high word 0), so trying every index finds every live object.
int LiveGdiObjects()
{
    int n = 0;
    for (UINT_PTR i = 1; i < 0x10000; ++i) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0)
            ++n;
    }
    return n;
}

// The colour at the middle of the window's client area.
COLORREF ClientMiddle(HWND hWnd)
{
    RECT client;
    ::GetClientRect(hWnd, &client);
    const HDC hdc = ::GetDC(hWnd);
    const COLORREF cr = ::GetPixel(hdc, client.right / 2, client.bottom / 2);
    ::ReleaseDC(hWnd, hdc);
    return cr;
}

// Paints one frame: a tick of the window's timer, then its paint.
void Tick(CWnd& dialog)
{
    dialog.SendMessage(WM_TIMER, 0);
    dialog.UpdateWindow();
}

// An animated about window whose set-up fails at one step, after the step's own work.
class CFailingAboutDlg : public CZQAnimatedAboutDlg {
public:
    enum Step { PixelFormat, Context, Scene };
    explicit CFailingAboutDlg(Step failing) : m_failing(failing) {}

    HWND hWndScene = nullptr; // what the set-up had made when it failed
    HGLRC hRC = nullptr;

protected:
    BOOL SetUpPixelFormat() override { return Failed(PixelFormat, CZQAnimatedAboutDlg::SetUpPixelFormat()); }
    BOOL CreateRenderingContext() override { return Failed(Context, CZQAnimatedAboutDlg::CreateRenderingContext()); }
    BOOL InitScene() override { return Failed(Scene, CZQAnimatedAboutDlg::InitScene()); }

private:
    BOOL Failed(Step step, BOOL bDone)
    {
        EXPECT_TRUE(bDone) << "the step itself failed";
        hWndScene = GetSceneWindow();
        hRC = GetRenderingContext();
        return bDone && step != m_failing;
    }
    Step m_failing;
};

// The started application, whose about windows are answered by the fake.
class AboutWindow : public StartedAppFixture {
protected:
    // The plain window's script: the window from template 106 with its animation control; OK closes it.
    void ExpectPlainWindow()
    {
        fake.ExpectModal([](CDialog& dlg) {
            EXPECT_NE(dynamic_cast<CZQAboutDlg*>(&dlg), nullptr);
            EXPECT_EQ(dlg.m_lpszTemplateName, MAKEINTRESOURCEA(IDD_ZQ_ABOUT_PLAIN));
            char className[64] = {};
            ::GetClassNameA(::GetDlgItem(dlg.m_hWnd, IDC_ZQ_ANIMATION), className, sizeof className);
            EXPECT_STREQ(className, "SysAnimate32");
            ClickButton(dlg, IDOK);
        });
    }
    // Opens and closes the animated window n times through the application.
    void OpenAndClose(int n)
    {
        for (int i = 0; i < n; ++i) {
            fake.ExpectModal([](CDialog& dlg) { ClickButton(dlg, IDOK); });
            app.OnAppAbout();
        }
    }

    // Chooses the about command (Help > About) as the menu and tool bar send it.
    void ChooseAboutCommand()
    {
        app.m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_ABOUT, 0), 0);
    }

    CFakeServices fake;
};

TEST_F(AboutWindow, TheAnimatedWindowDrawsItsFramesAndReleasesEverythingWhenClosed)
{
    HWND hWndScene = nullptr;
    HGLRC hRC = nullptr;
    fake.ExpectModal([&](CDialog& dlg) {
        CZQAnimatedAboutDlg* pAbout = dynamic_cast<CZQAnimatedAboutDlg*>(&dlg);
        ASSERT_NE(pAbout, nullptr);
        EXPECT_EQ(dlg.m_lpszTemplateName, MAKEINTRESOURCEA(IDD_ZQ_ABOUT));
        char caption[64] = {};
        dlg.GetWindowText(caption, sizeof caption);
        EXPECT_STREQ(caption, "About Ondrix");
        EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_OWNER), app.m_pMainWnd->m_hWnd);
        EXPECT_FALSE(pAbout->HasFallenBack());
        hWndScene = pAbout->GetSceneWindow();
        hRC = pAbout->GetRenderingContext();
        ASSERT_NE(hRC, nullptr);
        EXPECT_EQ(::wglGetCurrentContext(), hRC);

        // the pixel format asked for, and the one the window got
        const PIXELFORMATDESCRIPTOR wanted = CZQAnimatedAboutDlg::RequestedPixelFormat();
        EXPECT_EQ(wanted.nSize, 40);
        EXPECT_EQ(wanted.nVersion, 1);
        EXPECT_EQ(wanted.dwFlags, DWORD(PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER));
        EXPECT_EQ(wanted.iPixelType, PFD_TYPE_RGBA);
        EXPECT_EQ(wanted.cColorBits, 32);
        EXPECT_EQ(wanted.cDepthBits, 16);
        EXPECT_EQ(wanted.iLayerType, PFD_MAIN_PLANE);
        const HDC hdc = ::GetDC(hWndScene);
        PIXELFORMATDESCRIPTOR got = {};
        ASSERT_NE(::DescribePixelFormat(hdc, ::GetPixelFormat(hdc), sizeof got, &got), 0);
        ::ReleaseDC(hWndScene, hdc);
        EXPECT_EQ(got.dwFlags & wanted.dwFlags, wanted.dwFlags);
        EXPECT_EQ(got.iPixelType, PFD_TYPE_RGBA);
        EXPECT_GE(got.cDepthBits, 16);

        // timer 0 brings the frames by itself once the window shows
        dlg.ShowWindow(SW_SHOWNOACTIVATE);
        const int nFirst = pAbout->m_Animation.nFrame;
        for (int i = 0; i < 300 && pAbout->m_Animation.nFrame == nFirst; ++i)
            PumpWaitingMessages(10);
        EXPECT_NE(pAbout->m_Animation.nFrame, nFirst);

        // a few ticks: the scene covers the button face
        for (int i = 0; i < 3; ++i)
            Tick(dlg);
        EXPECT_NE(ClientMiddle(dlg.m_hWnd), ::GetSysColor(COLOR_BTNFACE));
        pAbout->m_Animation.nFrame = 999;
        Tick(dlg);
        EXPECT_EQ(pAbout->m_Animation.nFrame, 0);

        // the viewport follows the size, a height of 0 taken as 1
        struct Size {
            int cx, cy;
            GLint height;
        } sizes[] = {{300, 0, 1}, {200, 100, 100}};
        for (const Size& size : sizes) {
            dlg.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.cx, size.cy));
            GLint viewport[4] = {};
            glGetIntegerv(GL_VIEWPORT, viewport);
            EXPECT_EQ(viewport[0], 0);
            EXPECT_EQ(viewport[1], 0);
            EXPECT_EQ(viewport[2], size.cx);
            EXPECT_EQ(viewport[3], size.height);
            GLdouble projection[16] = {};
            glGetDoublev(GL_PROJECTION_MATRIX, projection);
            const double aspect = double(size.cx) / size.height;
            EXPECT_NEAR(projection[5] / projection[0], aspect, aspect * 1e-6);
            EXPECT_NEAR(projection[5], 1 / std::tan(22.5 * 3.14159265358979 / 180), 1e-6); // 45 degrees
        }
        ClickButton(dlg, IDOK);
    });
    app.OnAppAbout();

    EXPECT_EQ(::wglGetCurrentContext(), nullptr);
    EXPECT_FALSE(::wglDeleteContext(hRC)) << "the rendering context was not deleted";
    EXPECT_FALSE(::IsWindow(hWndScene));
    EXPECT_TRUE(::IsWindowEnabled(app.m_pMainWnd->m_hWnd));
}

TEST_F(AboutWindow, TheAboutCommandOpensTheWindow)
{
    bool bShown = false;
    fake.ExpectModal([&](CDialog& dlg) {
        bShown = dynamic_cast<CZQAnimatedAboutDlg*>(&dlg) != nullptr;
        ClickButton(dlg, IDOK);
    });
    ChooseAboutCommand();
    EXPECT_TRUE(bShown);
}

TEST_F(AboutWindow, OpeningAndClosingItTwentyTimesLeavesNothingBehind)
{
    OpenAndClose(1); // the first run loads the drivers and fonts for good
    const int nBefore = LiveGdiObjects();
    OpenAndClose(20);
    EXPECT_EQ(LiveGdiObjects(), nBefore);
    EXPECT_EQ(::wglGetCurrentContext(), nullptr);
}

TEST_F(AboutWindow, AFailedSetUpReleasesWhatItMadeAndThePlainWindowPlaysTheClip)
{
    const CFailingAboutDlg::Step steps[] = {CFailingAboutDlg::PixelFormat, CFailingAboutDlg::Context,
                                            CFailingAboutDlg::Scene};
    for (CFailingAboutDlg::Step step : steps) {
        SCOPED_TRACE(testing::Message() << "failing step " << int(step));
        int nBefore = 0;
        for (int nRun = 0; nRun < 2; ++nRun) { // the second run, once the first has loaded what stays
            nBefore = LiveGdiObjects();
            CFailingAboutDlg dlg(step);
            fake.ExpectModal([](CDialog& failed) {
                EXPECT_TRUE(failed.IsModalEnded());
                EXPECT_EQ(failed.GetModalResult(), 0);
                EXPECT_TRUE(dynamic_cast<CZQAnimatedAboutDlg&>(failed).HasFallenBack());
                EXPECT_EQ(dynamic_cast<CZQAnimatedAboutDlg&>(failed).GetRenderingContext(), nullptr);
                EXPECT_EQ(::wglGetCurrentContext(), nullptr);
            });
            ExpectPlainWindow();
            EXPECT_EQ(dlg.DoModal(), 0);
            EXPECT_FALSE(::IsWindow(dlg.hWndScene));
            if (dlg.hRC != nullptr) {
                EXPECT_FALSE(::wglDeleteContext(dlg.hRC)) << "the rendering context was not deleted";
            }
        }
        EXPECT_EQ(LiveGdiObjects(), nBefore);
        EXPECT_EQ(::wglGetCurrentContext(), nullptr);
    }
}

// Whether the clip's frame in the animation control hClip shows its right quarter: the clip draws its
// curves from left to right, and only its last frames reach there.
bool ClipShowsRightQuarter(HWND hClip)
{
    RECT rect;
    ::GetClientRect(hClip, &rect);
    // the clip, 64 by 48 pixels, is centred in the control; black is transparent
    const int x0 = (rect.right - 64) / 2;
    const int y0 = (rect.bottom - 48) / 2;
    const HDC hdc = ::GetDC(hClip);
    const COLORREF crBack = ::GetPixel(hdc, 0, 0);
    bool bDrawn = false;
    for (int y = 2; y < 40 && !bDrawn; ++y) {
        for (int x = 48; x < 62 && !bDrawn; ++x)
            bDrawn = ::GetPixel(hdc, x0 + x, y0 + y) != crBack;
    }
    ::ReleaseDC(hClip, hdc);
    return bDrawn;
}

TEST_F(AboutWindow, ThePlainWindowPlaysTheClipOverAndOver)
{
    fake.ExpectModal([](CDialog& dlg) {
        char caption[64] = {};
        dlg.GetWindowText(caption, sizeof caption);
        EXPECT_STREQ(caption, "About Ondrix");
        dlg.ShowWindow(SW_SHOWNOACTIVATE);
        const HWND hClip = ::GetDlgItem(dlg.m_hWnd, IDC_ZQ_ANIMATION);
        // the clip's first frames leave the right quarter empty and its last fill it; then it starts again
        EXPECT_FALSE(ClipShowsRightQuarter(hClip)) << "the clip does not start at its first frame";
        const bool states[] = {true, false};
        for (bool bWanted : states) {
            bool bShown = !bWanted;
            for (int i = 0; i < 300 && bShown != bWanted; ++i) {
                PumpWaitingMessages(10);
                bShown = ClipShowsRightQuarter(hClip);
            }
            EXPECT_EQ(bShown, bWanted) << (bWanted ? "the clip does not play" : "the clip does not start again");
        }
        ClickButton(dlg, IDOK);
    });
    EXPECT_EQ(CZQAboutDlg::Run(app.m_pMainWnd), IDOK);
}

} // namespace
