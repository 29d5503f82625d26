// The tip window (size, placement, hiding) and the zoom stack.
#include "wine_gtest.h"

#include <string>

#include "ChartViewTestSupport.h"

#include "chart/views/DEDizedTip.h"
#include "chart/views/SRGZoom.h"

namespace {

// The text extent in the tip's font, measured as the tip measures it.
CSize GuiTextExtent(const char* pszText)
{
    CClientDC dc(nullptr);
    CGdiObject* pOld = dc.SelectStockObject(DEFAULT_GUI_FONT);
    const CSize extent = dc.GetTextExtent(pszText, int(std::strlen(pszText)));
    dc.SelectObject(pOld);
    return extent;
}

CRect WindowRect(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

// A window that owns the tips of the tests.
class TipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                   nullptr));
        CWnd::GetDesktopWindow()->GetClientRect(&desktop);
    }
    void TearDown() override
    {
        tip.DestroyWindow();
        owner.DestroyWindow();
    }

    CWnd owner;
    DEDizedTip tip;
    CRect desktop;
};

// An object that counts how many of its kind are alive.
class Counted : public CObject {
public:
    Counted() { ++s_nAlive; }
    ~Counted() override { --s_nAlive; }
    static inline int s_nAlive = 0;
};

} // namespace

TEST_F(TipTest, ATwoLineTextGivesTwoLineHeightsAndTheWidestLine)
{
    tip.Show("Index=1\nGroup=0 Value=0.25", 200, 300, &owner);
    ASSERT_TRUE(tip.IsVisible());
    EXPECT_TRUE(tip.IsWindowVisible());
    const int nLine = GuiTextExtent("A").cy;
    const CRect rect = WindowRect(tip);
    EXPECT_EQ(rect.Height(), 2 * nLine + 4 * ::GetSystemMetrics(SM_CYBORDER));
    EXPECT_EQ(rect.Width(), GuiTextExtent("Group=0 Value=0.25").cx + 4 * ::GetSystemMetrics(SM_CXBORDER));
    // above the point, 5 pixels clear of it
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 300 - rect.Height() - 5);
    EXPECT_EQ(tip.GetAnchor(), CPoint(200, 300));
    // it is painted: a black frame around the pale yellow background
    tip.UpdateWindow();
    CWindowDC dc(&tip);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, rect.Height() / 2), COLORREF(0xDFFFFF));
}

TEST_F(TipTest, ATipWithoutRoomAboveOpensBelowAndOneAtTheRightEdgeOpensToTheLeft)
{
    tip.Show(" 0.39 ", 50, 10, &owner);
    CRect rect = WindowRect(tip);
    const int nHeight = GuiTextExtent("A").cy + 4 * ::GetSystemMetrics(SM_CYBORDER);
    EXPECT_EQ(rect.top, 10 + nHeight + 5);
    EXPECT_EQ(rect.left, 50);

    const int nWidth = GuiTextExtent(" 0.39 ").cx + 4 * ::GetSystemMetrics(SM_CXBORDER);
    tip.Show(" 0.39 ", desktop.right - nWidth, 300, &owner);
    EXPECT_EQ(WindowRect(tip).left, desktop.right - 2 * nWidth);
    tip.Show(" 0.39 ", desktop.right - nWidth - 1, 300, &owner);
    EXPECT_EQ(WindowRect(tip).left, desktop.right - nWidth - 1);
    // the smallest width is 4
    tip.Show("", 100, 300, &owner);
    EXPECT_EQ(WindowRect(tip).Width(), 4 + 4 * ::GetSystemMetrics(SM_CXBORDER));
}

TEST_F(TipTest, TheTipHidesAfterItsTimeOrWhenTheMouseMovesOverIt)
{
    EXPECT_EQ(tip.GetAutoHideTime(), 5000);
    tip.Show("tip", 100, 300, &owner);
    tip.SendMessage(WM_TIMER, DEDizedTip::kTimerHide, 0);
    EXPECT_FALSE(tip.IsVisible());
    EXPECT_FALSE(tip.IsWindowVisible());
    // the hide timer went with it
    EXPECT_FALSE(::KillTimer(tip.m_hWnd, DEDizedTip::kTimerHide));

    tip.Show("tip", 100, 300, &owner);
    tip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(tip.IsVisible());

    // with no auto-hide time it stays: no timer runs
    tip.SetAutoHideTime(0);
    tip.ShowAt("stays", 100, 300, owner.m_hWnd);
    EXPECT_TRUE(tip.IsVisible());
    EXPECT_FALSE(::KillTimer(tip.m_hWnd, DEDizedTip::kTimerHide));
    EXPECT_EQ(tip.GetText(), CString("stays"));
    tip.Hide();
    EXPECT_FALSE(tip.IsVisible());
}

TEST_F(TipTest, FormattedShowsCutTheirTextAtItsLimit)
{
    tip.ShowFormatted(100, 300, &owner, "Index=%d Group=%d Value=%.2f", 1, 0, 0.25);
    EXPECT_EQ(tip.GetText(), CString("Index=1 Group=0 Value=0.25"));
    const std::string longText(1500, 'w');
    tip.ShowFormattedAt(100, 300, owner.m_hWnd, "%s", longText.c_str());
    EXPECT_EQ(tip.GetText().GetLength(), DEDizedTip::kMaxText);
}

TEST(ZoomStack, TheStackPopsInReverseOrderGivesNullWhenEmptyAndDeletesWhatIsLeft)
{
    {
        CObStack stack;
        EXPECT_EQ(stack.Pop(), nullptr);
        Counted* pFirst = new Counted;
        Counted* pSecond = new Counted;
        stack.Push(pFirst);
        stack.Push(pSecond);
        stack.Push(new Counted);
        EXPECT_EQ(stack.Count(), 3);
        delete stack.Pop();
        EXPECT_EQ(stack.Pop(), pSecond);
        delete pSecond;
        EXPECT_EQ(stack.Count(), 1);
        EXPECT_EQ(Counted::s_nAlive, 1);
    }
    EXPECT_EQ(Counted::s_nAlive, 0);

    const SRGZoom record;
    EXPECT_TRUE(record.m_yRange.IsReset() && record.m_xRange.IsReset());
    EXPECT_EQ(record.m_nDisplay, 0);
    EXPECT_EQ(record.m_nLastGroup, 0);
}
