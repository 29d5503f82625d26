// The rectangle tracker: hit testing, cursors and drawing; moving, resizing and rubber-band tracking run
// from posted mouse messages through the modal mouse loop, with the adjustment and change hooks in
// order; the ways a track is given up.
#include "FakeServices.h"

#include "TestSupport.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Text(const CRect& r)
{
    std::ostringstream text;
    text << r;
    return text.str();
}

// A tracker that notes its hooks and may snap to a grid or fail while adjusting.
class CNotedTracker : public CRectTracker {
public:
    CNotedTracker(LPCRECT lpRect, UINT nStyle) : CRectTracker(lpRect, nStyle) {}
    std::vector<std::string> hooks;
    int nSnap = 0;
    bool bFailAdjusting = false;

    void AdjustRect(int nHandle, LPRECT lpRect) override
    {
        if (bFailAdjusting)
            AfxThrowNotSupportedException();
        if (nSnap > 0) {
            lpRect->left -= lpRect->left % nSnap;
            lpRect->top -= lpRect->top % nSnap;
            lpRect->right -= lpRect->right % nSnap;
            lpRect->bottom -= lpRect->bottom % nSnap;
        }
        hooks.push_back("adjust " + std::to_string(nHandle) + " " + Text(*lpRect));
    }
    void OnChangedRect(const CRect& rectOld) override { hooks.push_back("changed from " + Text(rectOld)); }
};

// A window whose posted WM_APP message takes the mouse capture away.
class CTrackWindow : public CWnd {
    DECLARE_MESSAGE_MAP()
protected:
    afx_msg LRESULT OnLoseCapture(WPARAM, LPARAM)
    {
        ::ReleaseCapture();
        return 0;
    }
};

BEGIN_MESSAGE_MAP(CTrackWindow, CWnd)
    ON_MESSAGE(WM_APP, OnLoseCapture)
END_MESSAGE_MAP()

class Tracker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "tracking", WS_POPUP | WS_VISIBLE, 30, 30, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { wnd.DestroyWindow(); }

    void Post(UINT message, int x, int y, WPARAM wParam = 0) { wnd.PostMessage(message, wParam, MAKELPARAM(x, y)); }

    CWinApp app{"Ondrix"};
    CFakeServices fake;
    CTrackWindow wnd;
    const CRect rectStart{100, 100, 200, 180};
};

TEST_F(Tracker, HitTestNamesEachHandleTheInsideAndNothing)
{
    struct Case {
        UINT nStyle;
        CPoint point;
        int nHit;
    };
    const UINT inside = CRectTracker::resizeInside | CRectTracker::solidLine;
    const UINT outside = CRectTracker::resizeOutside;
    const Case cases[] = {
        {inside, {101, 101}, CRectTracker::hitTopLeft},    {inside, {198, 101}, CRectTracker::hitTopRight},
        {inside, {198, 178}, CRectTracker::hitBottomRight}, {inside, {101, 178}, CRectTracker::hitBottomLeft},
        {inside, {150, 101}, CRectTracker::hitTop},        {inside, {198, 140}, CRectTracker::hitRight},
        {inside, {150, 178}, CRectTracker::hitBottom},     {inside, {101, 140}, CRectTracker::hitLeft},
        {inside, {150, 140}, CRectTracker::hitMiddle},     {inside, {50, 50}, CRectTracker::hitNothing},
        {inside, {200, 180}, CRectTracker::hitNothing},    {outside, {97, 97}, CRectTracker::hitTopLeft},
        {outside, {150, 96}, CRectTracker::hitTop},        {outside, {202, 182}, CRectTracker::hitBottomRight},
        {outside, {101, 101}, CRectTracker::hitMiddle},    {0, {101, 101}, CRectTracker::hitMiddle},
    };
    for (const Case& c : cases) {
        const CRectTracker tracker(&rectStart, c.nStyle);
        EXPECT_EQ(tracker.HitTest(c.point), c.nHit) << "style " << c.nStyle << " at " << c.point;
    }

    // a side shorter than three handles has no handle in its middle
    const CRect narrowRect(100, 100, 114, 150);
    const CRectTracker narrow(&narrowRect, CRectTracker::resizeInside);
    EXPECT_EQ(narrow.HitTest(CPoint(107, 102)), CRectTracker::hitMiddle) << "no top-middle handle";
    EXPECT_EQ(narrow.HitTest(CPoint(101, 125)), CRectTracker::hitLeft) << "the long side keeps its handle";

    const CRect inverted(200, 180, 100, 100);
    EXPECT_EQ(CRectTracker(&inverted, CRectTracker::resizeInside).HitTest(CPoint(101, 101)), CRectTracker::hitTopLeft);

    CRect trueRect;
    CRectTracker(&rectStart, CRectTracker::hatchedBorder).GetTrueRect(&trueRect);
    EXPECT_EQ(trueRect, CRect(95, 95, 205, 185));
    CRectTracker(&rectStart, CRectTracker::resizeOutside | CRectTracker::hatchedBorder).GetTrueRect(&trueRect);
    EXPECT_EQ(trueRect, CRect(94, 94, 206, 186));
}

TEST_F(Tracker, CursorFollowsWhatLiesUnderTheMouse)
{
    const CRectTracker tracker(&rectStart, CRectTracker::resizeInside);
    struct Case {
        CPoint point; // client
        LPCSTR cursor;
    };
    const Case cases[] = {{{101, 101}, IDC_SIZENWSE}, {{198, 101}, IDC_SIZENESW}, {{150, 101}, IDC_SIZENS},
                          {{198, 140}, IDC_SIZEWE},   {{150, 140}, IDC_SIZEALL}};
    for (const Case& c : cases) {
        CPoint screen = c.point;
        wnd.ClientToScreen(&screen);
        fake.SetCursorPos(screen, wnd.m_hWnd);
        EXPECT_TRUE(tracker.SetCursor(&wnd, HTCLIENT)) << c.point;
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, c.cursor)) << c.point;
        EXPECT_FALSE(tracker.SetCursor(&wnd, HTCAPTION)) << "not over the client area";
    }
    CPoint away(20, 20);
    wnd.ClientToScreen(&away);
    fake.SetCursorPos(away, wnd.m_hWnd);
    EXPECT_FALSE(tracker.SetCursor(&wnd, HTCLIENT));
}

TEST_F(Tracker, DrawShowsTheFrameHandlesAndHatchedBorder)
{
    DibCanvas canvas(300, 240);
    const CRectTracker tracker(&rectStart,
                               CRectTracker::solidLine | CRectTracker::resizeInside | CRectTracker::hatchedBorder);
    tracker.Draw(&canvas.dc);
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_EQ(canvas.At(120, 100), black) << "the frame's top edge";
    EXPECT_EQ(canvas.At(120, 101), kWhite) << "inside the frame";
    EXPECT_EQ(canvas.At(104, 104), black) << "the top-left handle";
    EXPECT_EQ(canvas.At(106, 106), kWhite) << "past the handle";
    EXPECT_EQ(canvas.At(150, 177), black) << "the bottom-middle handle";
    int nHatched = 0;
    for (int y = 100; y < 180; ++y) {
        nHatched += canvas.At(97, y) == black ? 1 : 0;
        EXPECT_EQ(canvas.At(94, y), kWhite) << "beyond the hatched band, row " << y;
    }
    EXPECT_GT(nHatched, 0) << "the hatched band left of the rectangle";
}

TEST_F(Tracker, TrackFromPostedMessagesMovesByTheMouseDeltaWithTheHooksInOrder)
{
    CNotedTracker tracker(&rectStart, CRectTracker::resizeInside);
    Post(WM_MOUSEMOVE, 160, 145, MK_LBUTTON);
    Post(WM_MOUSEMOVE, 180, 160, MK_LBUTTON);
    Post(WM_LBUTTONUP, 180, 160);
    EXPECT_TRUE(tracker.Track(&wnd, CPoint(150, 140)));
    EXPECT_EQ(tracker.m_rect, CRect(130, 120, 230, 200));
    const std::vector<std::string> expected = {
        "adjust 8 (110, 105, 210, 185)", "changed from (100, 100, 200, 180)",
        "adjust 8 (130, 120, 230, 200)", "changed from (110, 105, 210, 185)",
        "adjust 8 (130, 120, 230, 200)"};
    EXPECT_EQ(tracker.hooks, expected);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // a corner keeps the mouse's offset from it; the adjusted proposal is what the rectangle becomes
    CNotedTracker snapping(&rectStart, CRectTracker::resizeInside);
    snapping.nSnap = 10;
    Post(WM_LBUTTONUP, 254, 236);
    EXPECT_TRUE(snapping.Track(&wnd, CPoint(198, 178)));
    EXPECT_EQ(snapping.m_rect, CRect(100, 100, 250, 230));
}

TEST_F(Tracker, SidesStopAtEachOtherUnlessInvertingIsAllowedAndTheResultIsNormalised)
{
    CRectTracker stopping(&rectStart, CRectTracker::resizeInside);
    Post(WM_LBUTTONUP, 260, 140);
    EXPECT_TRUE(stopping.Track(&wnd, CPoint(101, 140)));
    EXPECT_EQ(stopping.m_rect, CRect(200, 100, 200, 180)) << "the left side stops at the right one";

    CRectTracker inverting(&rectStart, CRectTracker::resizeInside);
    Post(WM_LBUTTONUP, 260, 140);
    EXPECT_TRUE(inverting.Track(&wnd, CPoint(101, 140), TRUE));
    EXPECT_EQ(inverting.m_rect, CRect(200, 100, 259, 180));

    CRectTracker band;
    Post(WM_MOUSEMOVE, 250, 220, MK_LBUTTON);
    Post(WM_MOUSEMOVE, 200, 170, MK_LBUTTON);
    Post(WM_LBUTTONUP, 200, 170);
    EXPECT_TRUE(band.TrackRubberBand(&wnd, CPoint(300, 250)));
    EXPECT_EQ(band.m_rect, CRect(200, 170, 300, 250));

    CRectTracker missed(&rectStart, CRectTracker::resizeInside);
    EXPECT_FALSE(missed.Track(&wnd, CPoint(20, 20))) << "nothing under the press";
}

TEST_F(Tracker, GivingUpLeavesTheRectangleAsItWas)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {{"Escape", WM_KEYDOWN, VK_ESCAPE},
                          {"the right button", WM_RBUTTONDOWN, MK_RBUTTON},
                          {"the capture lost", WM_APP, 0},
                          {"the program quitting", WM_QUIT, 0}};
    for (const Case& c : cases) {
        CNotedTracker tracker(&rectStart, CRectTracker::resizeInside);
        Post(WM_MOUSEMOVE, 190, 180, MK_LBUTTON);
        // WM_QUIT comes only once the queue is empty: no release follows it
        if (c.message == WM_QUIT) {
            ::PostQuitMessage(4);
        } else {
            wnd.PostMessage(c.message, c.wParam, 0);
            Post(WM_LBUTTONUP, 190, 180);
        }
        EXPECT_FALSE(tracker.Track(&wnd, CPoint(150, 140))) << c.what;
        EXPECT_EQ(tracker.m_rect, rectStart) << c.what;
        EXPECT_EQ(tracker.hooks.back(), "changed from (140, 140, 240, 220)") << "told of the way back, " << c.what;
        EXPECT_EQ(CWnd::GetCapture(), nullptr) << c.what;
        MSG msg;
        if (c.message == WM_QUIT) {
            ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "posted again";
            EXPECT_EQ(msg.wParam, 4u);
        }
        ::PeekMessageA(&msg, wnd.m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE); // left unread
    }

    // an exception from a hook is reported and gives the track up
    CNotedTracker failing(&rectStart, CRectTracker::resizeInside);
    failing.bFailAdjusting = true;
    Post(WM_MOUSEMOVE, 190, 180, MK_LBUTTON);
    Post(WM_LBUTTONUP, 190, 180);
    fake.ExpectMessageBox(IDOK);
    EXPECT_FALSE(failing.Track(&wnd, CPoint(150, 140)));
    EXPECT_EQ(failing.m_rect, rectStart);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    PumpWaitingMessages();
}

} // namespace
